// Error suggestions.
#include "checking/suggestions.h"

#include <array>

#include "checking/correction.h"
#include "checking/correction_common.h"
#include "frame/bounded_string.h"
#include "frame/char_classes.h"
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "morphology/correction_finishing.h"
#include "morphology/word_lookup.h"

namespace {

constexpr u8 kNbsp = 0xCA;
constexpr u8 kOpenGuillemet = 0xC7;
constexpr u8 kCloseGuillemet = 0xC8;
constexpr u8 kOpenDouble = 0xD2;
constexpr u8 kCloseDouble = 0xD3;
constexpr u8 kOpenSingle = 0xD4;
constexpr u8 kCloseSingle = 0xD5;
// Output of a French entry stops growing here (room for a guillemet pair).
constexpr u32 kFrenchQuoteLimit = 105;

// Characters a suggestion may hold: the letters of the French and English
// alphabets (ligatures included), digits, punctuation, minus-like and
// sign-like characters and the quotes but the opening guillemet, with
// apostrophes, the two spaces and the period.
std::array<u8, 256> BuildAcceptedCharacters() {
    std::array<u8, 256> accepted{};
    for (u32 c = 0; c < 256; ++c) {
        const u8 b = static_cast<u8>(c);
        for (u32 set : {12u, 1u, 2u, 4u, 5u, 7u, 8u, 9u, 10u}) {
            if (InClassSet(set, b) != 0) accepted[c] = 1;
        }
    }
    for (const u8 ligature : {0xAE, 0xBE, 0xCE, 0xCF, 0xDE, 0xDF}) accepted[ligature] = 1;
    accepted[kOpenGuillemet] = 0;
    accepted['.'] = 1;
    accepted[' '] = 1;
    accepted[kNbsp] = 1;
    accepted['\''] = 1;
    accepted[kCloseSingle] = 1;
    return accepted;
}

bool IsAccepted(u8 c) {
    static const std::array<u8, 256> accepted = BuildAcceptedCharacters();
    return accepted[c] != 0;
}

bool IsSpace(u8 c) { return c == ' ' || c == kNbsp; }

bool SameString(const BoundedString& a, const BoundedString& b) {
    return CompareStrings(a, b) == kCompareEqual;
}

// Writes one converted entry; returns its length.
u32 ConvertQuotes(BoundedString& out, const u8* text, u32 length) {
    const bool french = gCheckingLanguage != 0;
    const u32 capacity = out.count;
    u32 o = 0;
    bool doubleOpen = false;
    bool singleOpen = false;
    auto put = [&](u8 c) {
        if (french ? o + 3 < capacity : o + 1 < capacity) out.data[o++] = c;
    };
    for (u32 k = 0; k < length; ++k) {
        const u8 c = text[k];
        if (c == '"') {
            doubleOpen = !doubleOpen;
            if (!french) {
                put(doubleOpen ? kOpenDouble : kCloseDouble);
            } else if (doubleOpen) {
                put(kOpenGuillemet);
                put(kNbsp);
            } else {
                put(kNbsp);
                put(kCloseGuillemet);
            }
        } else if (c == '\'') {
            const bool afterWord = k > 0 && !IsSpace(text[k - 1]);
            const bool inner = afterWord && k + 1 < length && !IsSpace(text[k + 1]);
            // An elision ends a word ("l'", "jusqu'") when no quote is open.
            if (inner || (afterWord && !singleOpen)) {
                put(kCloseSingle);
            } else {
                singleOpen = !singleOpen;
                put(singleOpen ? kOpenSingle : kCloseSingle);
            }
        } else {
            put(c);
        }
    }
    out.data[o] = 0;
    return o;
}

// Text of word i as the user wrote it (capitals and quotes put back).
void WordAsWritten(i32 i, BoundedString& out) {
    const WordRecord& w = gWords[i];
    CopyString(out, w.WordText);
    if (w.WordCaseMode > 0) {
        gCaseMode = w.WordCaseMode;
        ApplyCapitalization(out);
    }
    if (w.QuoteFlags > 0 && w.QuoteFlags < 8192) RestoreQuotes(out, w.QuoteFlags);
}

BoundedString& WordScratch() {
    static BoundedString s;
    if (s.valid == 0) s.Allocate(kCorrectionCapacity);
    return s;
}

// gSpanText = the words s..e-1 as written, separated by one space (none
// after an apostrophe); words that would make it reach 500 bytes are left out.
void BuildSpanText(i32 s, i32 e) {
    CopyCString(gSpanText, "");
    if (s < 0) s = 0;
    if (e > static_cast<i32>(gWordCount)) e = gWordCount;
    BoundedString& word = WordScratch();
    for (i32 i = s; i < e; ++i) {
        WordAsWritten(i, word);
        const i32 n = GetStringLength(word);
        if (GetStringLength(gSpanText) + n + 1 >= static_cast<i32>(gSpanText.count)) continue;
        AppendString(gSpanText, word);
        if (!EndsWithApostrophe(word)) AppendCString(gSpanText, " ");
    }
    const i32 n = GetStringLength(gSpanText);
    if (n > 0 && gSpanText.data[n - 1] == ' ') gSpanText.data[n - 1] = 0;
}

// Packing test of code 44: a subject-verb error inside a relative clause
// carries the same selector for both corrections.
void PackSubjectVerbSelector(i32 pos) {
    for (u16 k = 0; k < gSegmentCount; ++k) {
        const SegmentRecord& seg = gSegments[k];
        if (seg.FirstWord > pos) return;
        const WordRecord& head = gWords[seg.FirstWord];
        if (seg.SegmentKind == 17 && head.ReadingClasses[0] == 'G' && head.ReadingCategories[0] == 5) {
            gErrorExtent = static_cast<u16>(gErrorExtent * 257);
            return;
        }
    }
}

void AppendSpaceAfterElision(BoundedString& correction) {
    const i32 n = GetStringLength(correction);
    if (!EndsWithApostrophe(correction) && n < static_cast<i32>(kCorrectionCapacity) - 1) {
        AppendCString(correction, " ");
    }
}

}  // namespace

bool IsSuggestionCharacter(u8 c) { return IsAccepted(c); }
void BuildFindingSpanText(i32 first, i32 end) { BuildSpanText(first, end); }

void AddSuggestion(StringList& list, const BoundedString& text, u16& count) {
    if (count >= kSuggestionSlots || count >= list.count) return;
    const u32 length = static_cast<u32>(GetStringLength(text));
    for (u32 k = 0; k < length; ++k) {
        if (!IsAccepted(text.data[k])) return;
    }
    BoundedString& entry = list.data[count];
    if (entry.count == 0) return;
    if (gStraightQuotes != 0) {
        CopyString(entry, text);
    } else {
        ConvertQuotes(entry, text.data, length);
    }
    for (u16 k = 0; k < count; ++k) {
        if (SameString(list.data[k], entry)) return;
    }
    ++count;
}

void ClauseSpan(i32 pos, i32& first, i32& end) {
    i32 i = 0;
    while (i < gSegmentCount && gSegments[i].FirstWord <= pos) ++i;
    first = i > 0 ? gSegments[i - 1].FirstWord : 0;
    i32 e = i == gSegmentCount ? static_cast<i32>(gWordCount) : gSegments[i].FirstWord;
    while (e > 0) {
        const u8 category = gWords[e - 1].ReadingCategories[0];
        if (category != 18 && category != 0 && category != 20 && category != 21) break;
        --e;
    }
    if (gErrorVariant == 'X' && i > 0) first = i > 1 ? gSegments[i - 2].FirstWord : 0;
    end = e;
}

FindingWords FindingRange(RuleCode code, i32& s, i32& e) {
    const i32 pos = gLastErrorPos;
    const i32 detail = gErrorDetail;
    const u8 variant = gErrorVariant;
    const bool english = gCheckingLanguage == 0;
    s = pos;
    e = pos + 1;
    switch (TraitsOf(code).span) {
        case SpanRule::kErrorWord: break;
        case SpanRule::kUnknownRun:
            if (variant == 'A' || variant == 'B') e = pos + detail;
            break;
        case SpanRule::kDetailWords: e = pos + detail; break;
        case SpanRule::kMoodAfterIf:
            if (detail == 4 || detail == 6) e = pos + 2;
            break;
        case SpanRule::kRegister:
            if (variant == 'P') s = pos - 1;
            break;
        case SpanRule::kWithPrevious: s = pos - 1; break;
        case SpanRule::kWordSequence:
            s = pos - 1;
            if (english && (variant == 'S' || variant == 'L' || variant == 'Y')) e = pos;
            if (english && (variant == 'K' || variant == 'i' || variant == 'W')) s = pos;
            if (english && variant == 'M') {
                if (detail == 2) s = pos - 3;
            } else {
                if (variant == 'Z') {
                    --s;
                    --e;
                }
                if (!english && variant == 0xCB) ++s;
            }
            break;
        case SpanRule::kHyphen:
            if (variant != 'A') {
                s = gErrorExtent;
                e = gErrorExtent + 2;
            }
            break;
        case SpanRule::kQualifier:
            if (variant == 'C') {
                // Below 32 the detail names no span: the error word alone.
                if (detail >= 64) e = pos + detail - 64;
                else if (detail >= 32) e = pos + detail - 32;
                break;
            }
            [[fallthrough]];
        case SpanRule::kClause:
            if (english && variant == 'J') break;
            ClauseSpan(pos, s, e);
            return FindingWords::kClause;
        case SpanRule::kNegation:
            if (variant == 'N') {
                s = pos + detail - 1;
            } else if (variant == 'P') {
                e = pos + detail;
            } else {
                return FindingWords::kNone;
            }
            break;
        case SpanRule::kSentenceStart:
        case SpanRule::kMissingVerb:
        case SpanRule::kQuestionEnd:
        case SpanRule::kLastWord: return FindingWords::kNone;
    }
    return FindingWords::kWords;
}

u16 MakeErrorSuggestions(BoundedString& firstCorrection, BoundedString& secondCorrection,
                         RuleCode code, u16 option) {
    if (gErrorExtent == kNoCorrection) return 0;
    const FindingTraits& traits = TraitsOf(code);
    if (traits.recipe == CorrectionRecipe::kNone) return 0;
    const u8 variant = gErrorVariant;
    i32 s = 0;
    i32 e = 0;
    // A missing verb has no span text: the correction names its word.
    const bool spanText = traits.span != SpanRule::kMissingVerb;
    if (FindingRange(code, s, e) == FindingWords::kNone && spanText) return 0;
    if (code == kCodeSubjectVerbAgreement) PackSubjectVerbSelector(gLastErrorPos);
    if (s < 0) s = 0;
    if (e < s) e = s;

    if (spanText) {
        if (e > 0 && gWords[e - 1].ReadingCategories[0] == 20) --e;
        BuildSpanText(s, e);
    } else {
        CopyCString(gSpanText, "");
    }

    CopyCString(firstCorrection, "");
    CopyCString(secondCorrection, "");
    ComposeCorrection(firstCorrection, secondCorrection, code, static_cast<i16>(s),
                      static_cast<i16>(e), option);

    bool checkEqual = true;
    if (code == kCodeMissingVerb) {
        if (gErrorExtent == kNoCorrection) {
            gLastErrorPos = 0;
            checkEqual = false;  // straight to the equality test below
        } else {
            gLastErrorPos = static_cast<i16>(gErrorExtent);
            BuildSpanText(gErrorExtent, gErrorExtent + 1);
        }
    }
    // A correction given up (kNoCorrection) is no pair of selectors.
    if (checkEqual && gErrorExtent >= 256 && gErrorExtent != kNoCorrection && code != kCodeHomophone) {
        if (SameString(firstCorrection, secondCorrection)) gErrorExtent = gErrorExtent >> 8;
        if (SameString(firstCorrection, gSpanText)) {
            CopyString(firstCorrection, secondCorrection);
            gErrorExtent = gErrorExtent & 0xFF;
        } else if (SameString(secondCorrection, gSpanText)) {
            gErrorExtent = gErrorExtent >> 8;
        }
    }
    if (gErrorExtent < 256 && SameString(firstCorrection, gSpanText) && !(code == kCodeLigature && variant == 'D')) {
        gErrorExtent = kNoCorrection;
        return 0;
    }
    if (gErrorExtent == kNoCorrection) return 0;
    if (EndsWithApostrophe(gSpanText)) {
        AppendSpaceAfterElision(firstCorrection);
        if (gErrorExtent >= 128) AppendSpaceAfterElision(secondCorrection);
    }
    const bool hasFirst = GetStringLength(firstCorrection) > 0;
    const bool hasSecond = GetStringLength(secondCorrection) > 0;
    if (hasFirst) return gErrorExtent >= 128 && hasSecond && code != kCodeHomophone ? 2 : 1;
    if (gErrorExtent < 128) return 0;
    CopyString(firstCorrection, secondCorrection);
    return hasSecond ? 1 : 0;
}
