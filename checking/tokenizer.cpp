// Sentence boundaries and the sentence word table.
#include "checking/tokenizer.h"

#include "frame/bounded_string.h"
#include "frame/mac_roman.h"
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/sentence_state.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "morphology/dictionary_tests.h"
#include "morphology/word_lookup.h"

u16 gSentenceEndWord = 0;

namespace {

// Scratch strings of the boundary test, allocated on first use; string 3
// keeps the token whose test with a period is owed.
BoundedString& Scratch(u32 k) {
    static BoundedString strings[5];
    if (strings[k].valid == 0) strings[k].Allocate(kTokenCapacity + 1);
    return strings[k];
}

bool IsSingle(const BoundedString& token, i32 length, u8 c) { return length == 1 && token.data[0] == c; }

// Opening signs after which a capital is not needed to start a sentence.
bool IsOpeningSign(u8 c) {
    return c == '(' || c == '{' || c == MRC("«") || c == MRC("“") || c == MRC("¿") || c == MRC("¡");
}

bool IsDigit(u8 c) { return c >= '0' && c <= '9'; }

// A straight double quote after a space opens a quotation: after a
// sentence's last sign it starts the next sentence (said she. "Go on!"),
// as a curly opening quote does; one against the sign closes a quotation.
// The quote may come glued to the capital it opens on ("Go).
bool OpensStraightQuote(const BoundedString& token, i32 length, u16 adjacent) {
    if (adjacent != 0 || length == 0 || token.data[0] != '"') return false;
    return length == 1 || IsUpperMacRoman(token.data[1]) != 0 || IsDigit(token.data[1]);
}

bool IsDotRun(const BoundedString& token, i32 length) {
    for (i32 k = 0; k < length; ++k)
        if (token.data[k] != '.') return false;
    return true;
}

bool IsFinalMark(u8 c) { return c == '.' || c == '!' || c == '?' || c == kEllipsisByte; }

// Dictionary test of the token, lower-cased (steps for two-letter tokens).
u16 ShortTokenIsWord(const BoundedString& token) {
    BoundedString& flat = Scratch(0);
    BoundedString& lower = Scratch(1);
    u16 p1 = 0, p2 = 0;
    FlattenMacRomanTypography(flat, token, p1, p2, 0);
    CopyLowerCase(lower, flat);
    return IsDictionaryWordRemembered(lower);
}

// Dictionary test of the token followed by a period: true when the period
// is part of the word (etc., Mrs.). The English analysis takes a final
// period off and reads what is left, so there "didn't." or "Iraq." are
// known too: a word known without the period owns it only when it is an
// abbreviation itself (a contraction, of the same class, does not).
constexpr u16 kAbbreviationClass = 0x1C;

bool HasApostrophe(const BoundedString& word) {
    for (i32 k = 0; k < GetStringLength(word); ++k)
        if (word.data[k] == '\'' || word.data[k] == MRC("’")) return true;
    return false;
}

// A French word in capitals reads with its dots dropped ("S.N.C.F."), so
// any word in capitals would own the period after it ("ALCESTE. Perdez",
// "IL PART. ELLE RESTE"): such a token takes the period only when its
// lower-case spelling does ("ETC.").
bool AllCapitals(const BoundedString& token) {
    const i32 n = GetStringLength(token);
    for (i32 k = 0; k < n; ++k)
        if (IsLetterMacRoman(token.data[k]) != 0 && IsUpperMacRoman(token.data[k]) == 0) return false;
    return n > 0;
}

u16 TokenWithPeriodIsWord(const BoundedString& token) {
    BoundedString& flat = Scratch(0);
    u16 p1 = 0, p2 = 0;
    gCaseMode = 65535;
    FlattenMacRomanTypography(flat, token, p1, p2, 0);
    if (gCheckingLanguage == 3 && AllCapitals(flat)) {
        BoundedString& lower = Scratch(1);
        CopyLowerCase(lower, flat);
        CopyString(flat, lower);
        gCaseMode = 65535;
    }
    AppendCString(flat, ".");
    if (IsDictionaryWordRemembered(flat) == 0) return 0;
    if (gCheckingLanguage != 0) return 1;
    gCaseMode = 65535;
    FlattenMacRomanTypography(flat, token, p1, p2, 0);  // the analysis may have changed the copy
    if (IsDictionaryWord(flat) == 0) return 1;
    const bool slots = gDictionaryWordTestHook == nullptr && gWordTagCodes.count > 0;
    return slots && (gWordTagCodes[0] >> 8) == kAbbreviationClass && !HasApostrophe(token) ? 1 : 0;
}

// The English pronoun "I" is a word, not an initial: it owes the dictionary
// test of the other short tokens instead of taking a period outright.
bool IsInitial(const BoundedString& token, u8 c) {
    return IsLetterMacRoman(c) != 0 && !(gCheckingLanguage == 0 && c == 'I' && token.data[1] == 0);
}

// The dictionary tests of a word token only decide whether a period right
// after it is its own (U.S., etc.): the token is kept and its test run when
// such a period comes. A test's answer does not depend on when it is
// asked, and what it leaves besides (gCaseMode, the analysis slots) is set
// again by the word analysis before anything reads it.
constexpr u16 kPeriodTestOwed = 2;  // the token takes it when "token." is a word
constexpr u16 kShortTestOwed = 3;   // the two-letter token takes it unless a word

void OweTest(const BoundedString& token, u16 test) {
    CopyString(Scratch(3), token);
    gAbbreviationPending = test;
}

bool TakesPeriod() {
    switch (gAbbreviationPending) {
        case kPeriodTestOwed: return TokenWithPeriodIsWord(Scratch(3)) != 0;
        case kShortTestOwed: return ShortTokenIsWord(Scratch(3)) == 0;
        default: return gAbbreviationPending == 1;
    }
}

void ClearBoundaryFlags() {
    gSentenceEndPending = 0;
    gAbbreviationPending = 0;
    gLineBreakPending = 0;
    gDashPending = 0;
}

// Copies at most kMaxTokenLength characters of text[first..last] into token.
void CopyToken(BoundedString& token, const BoundedString& text, i32 first, i32 last) {
    i32 n = last - first + 1;
    if (n > static_cast<i32>(kMaxTokenLength)) n = kMaxTokenLength;
    for (i32 k = 0; k < n; ++k) token.data[k] = text.data[first + k];
    token.data[n] = 0;
}

// A single quotation mark before a word opens a quotation ("'Hm, I see,'
// said he."), unless the word is spelt with it ("'tis", "'em"): the mark is
// then a token of its own and the word begins after it.
bool OpensQuotation(const BoundedString& text, i32 first, i32 last) {
    const u8 c = text.data[first];
    if (last <= first || (c != '\'' && c != MRC("‘"))) return false;
    BoundedString& token = Scratch(4);
    CopyToken(token, text, first, last);
    return ShortTokenIsWord(token) == 0;
}

}  // namespace

const AutomatonState* TokenAutomatonFor(u16 language, u16& stateCount) {
    if (language == 3) {
        stateCount = gFrenchTokenAutomatonSize;
        return gFrenchTokenAutomaton;
    }
    stateCount = gOtherTokenAutomatonSize;
    return gOtherTokenAutomaton;
}

namespace {

bool IsAsciiDigit(u8 c) { return c >= '0' && c <= '9'; }

// French writes the thousands of a number apart ("80 000", "1 250 000"):
// a group of one to three digits takes each following blank and group of
// exactly three digits that no digit or letter continues.
i32 FrenchThousands(const BoundedString& text, i32 first, i32 last, i32 end) {
    if (last - first > 2) return last;
    for (i32 k = first; k <= last; ++k)
        if (!IsAsciiDigit(text.data[k])) return last;
    if (end > static_cast<i32>(text.count)) end = static_cast<i32>(text.count);
    for (;;) {
        const i32 gap = last + 1;
        if (gap + 3 >= end) break;
        const u8 blank = text.data[gap];
        if (blank != ' ' && blank != 0xCA) break;
        if (!IsAsciiDigit(text.data[gap + 1]) || !IsAsciiDigit(text.data[gap + 2]) ||
            !IsAsciiDigit(text.data[gap + 3]))
            break;
        if (gap + 4 < end && (IsAsciiDigit(text.data[gap + 4]) || IsLetterMacRoman(text.data[gap + 4]) != 0)) break;
        last = gap + 3;
    }
    return last;
}

}  // namespace

u16 RunTokenAutomaton(const AutomatonState* automaton, u16 stateCount, const BoundedString& text,
                      i32 start, i32 end, i32& first, i32& last) {
    if (RunCharAutomaton(automaton, stateCount, text, start, end, first, last) == 0) return 0;
    if (last > first && first > 0 && text.data[first] == '-' && text.data[first - 1] == '-') last = first;
    if (gCheckingLanguage == 3 && IsAsciiDigit(text.data[first])) last = FrenchThousands(text, first, last, end);
    if (OpensQuotation(text, first, last)) last = first;
    return 1;
}

u16 ClassifySentenceBoundary(const BoundedString& token, u16 adjacent, u16& endFlag, u16 dashMode) {
    endFlag = 0;
    const i32 length = GetStringLength(token);
    const u8 c = length > 0 ? token.data[0] : 0;
    const bool single = length == 1;

    if (single && (c == 13 || c == 10)) {
        gLineBreakPending = 1;
        return kBoundaryDrop;
    }
    if (gLineBreakPending == 1) {
        gLineBreakPending = 0;
        return kBoundaryNewSentence;
    }
    if (dashMode != 0) {
        if (single && (c == '-' || c == 0xD0 || c == 0xD1)) {
            gDashPending = 1;
            return kBoundaryDrop;
        }
        if (gDashPending == 1) {
            gDashPending = 0;
            return kBoundaryNewSentence;
        }
    }
    if (gSentenceEndPending == 1 &&
        (IsUpperMacRoman(c) != 0 || IsDigit(c) || (single && IsOpeningSign(c)) || OpensStraightQuote(token, length, adjacent))) {
        gSentenceEndPending = 0;
        return kBoundaryNewSentence;
    }
    gSentenceEndPending = 0;
    if (single && (c == '!' || c == '?' || c == kEllipsisByte)) {
        gSentenceEndPending = 1;
        endFlag = 1;
    }
    if (IsSingle(token, length, '.') && adjacent == 1 && TakesPeriod()) {
        gAbbreviationPending = 0;
        return kBoundaryAbbreviation;
    }
    gAbbreviationPending = 0;
    if (IsSingle(token, length, '.')) gSentenceEndPending = 1;
    endFlag = gSentenceEndPending;
    const bool letter = IsLetterMacRoman(c) != 0;
    if (single && IsInitial(token, c)) gAbbreviationPending = 1;
    // A word with a dot inside takes the period after it (U.S.); an
    // ellipsis does not (et.... gives "..." and a period).
    if (HasDotBeforeEnd(token) != 0 && !IsDotRun(token, length)) {
        gAbbreviationPending = 1;
        return kBoundaryWord;
    }
    if (gAbbreviationPending != 0) return kBoundaryWord;
    if (length <= 2 && letter) {
        OweTest(token, kShortTestOwed);
        return kBoundaryWord;
    }
    if (dashMode != 0 || length >= static_cast<i32>(kMaxTokenLength) || !letter) return kBoundaryWord;
    OweTest(token, kPeriodTestOwed);
    return kBoundaryWord;
}

void SettleFinalPeriod() {
    if (gCheckingLanguage != 3 || gWordCount == 0) return;
    const BoundedString& previous = gWords[gWordCount - 1].WordText;
    const bool letter = GetStringLength(previous) == 1 && IsLetterMacRoman(previous.data[0]) != 0;
    if (gAbbreviationPending == kShortTestOwed || (gAbbreviationPending == 1 && letter)) gAbbreviationPending = 0;
}

u32 FindNextSentenceEnd(const BoundedString& text, u32 position, const AutomatonState* automaton,
                        u16 stateCount, u32 from) {
    ClearBoundaryFlags();
    // A position at `from` lies in the sentence that begins there (the
    // first sentence holds the text's start): no walk can give another.
    if (position <= from) return from;
    BoundedString& token = Scratch(2);
    const i32 length = GetStringLength(text);
    u32 sentenceStart = from;
    bool sentenceHasToken = false;
    i32 previousEnd = -2;  // last character of the previous token
    i32 pos = static_cast<i32>(from);
    i32 first = 0, last = 0;
    while (RunTokenAutomaton(automaton, stateCount, text, pos, length, first, last) != 0) {
        CopyToken(token, text, first, last);
        const u16 adjacent = sentenceHasToken && first == previousEnd + 1 ? 1 : 0;
        u16 endFlag = 0;
        const u16 r = ClassifySentenceBoundary(token, adjacent, endFlag, 0);
        if (r == kBoundaryNewSentence && sentenceHasToken) {
            if (previousEnd >= static_cast<i32>(position)) return sentenceStart;
            sentenceStart = static_cast<u32>(previousEnd + 1);
            sentenceHasToken = false;
            // As the paragraph walk resets the sentence state after each
            // sentence, the token that opened this one is read again from
            // clean flags.
            ClearBoundaryFlags();
            pos = first;
            continue;
        }
        sentenceHasToken = true;
        previousEnd = last;
        pos = last + 1;
    }
    return sentenceStart;
}

u16 AppendSentenceToken(const BoundedString& token, u32 startOffset, u16 dashMode) {
    WordRecord* previous = gWordCount > 0 ? &gWords[gWordCount - 1] : nullptr;
    const u16 adjacent = previous != nullptr && previous->EndOffset + 1 == startOffset ? 1 : 0;
    u16 endFlag = 0;
    const u16 r = ClassifySentenceBoundary(token, adjacent, endFlag, dashMode);
    if (r == kBoundaryNewSentence) return kTokenStartsSentence;
    if (r == kBoundaryAbbreviation) {
        if (previous != nullptr && GetStringLength(previous->WordText) < static_cast<i32>(kMaxTokenLength)) {
            AppendCString(previous->WordText, ".");
            previous->EndOffset += 1;
        }
        return endFlag;
    }
    if (r == kBoundaryDrop || gWordCount >= kMaxSentenceWords) return endFlag;
    if (previous != nullptr && CompareWordText(token, "-") == kCompareEqual &&
        CompareWordText(previous->SeparatorText, "-") == kCompareEqual) {
        // "--" is one dash word, which spans both characters.
        if (adjacent == 1) previous->EndOffset = startOffset;
        return endFlag;
    }
    WordRecord& w = gWords[gWordCount];
    CopyString(w.SeparatorText, token);
    // A number read with its thousands apart ("80 000") is the number
    // without its blanks.
    const u16 dropBlanks = IsAsciiDigit(token.data[0]) ? 1 : 0;
    FlattenMacRomanTypography(w.WordText, token, w.FirstLigaturePos, w.SecondLigaturePos, dropBlanks);
    if (CompareWordText(w.WordText, "...") == kCompareEqual) {
        w.WordText.data[0] = kEllipsisByte;
        w.WordText.data[1] = 0;
    }
    w.ReadingCount = 0;
    for (u32 k = 0; k < kReadingSlots; ++k) {
        w.ReadingClasses[k] = 0;
        w.ReadingFeatures[k] = 0;
        w.ReadingCategories[k] = 0;
    }
    w.ReadingMarks[0] = 0;
    w.ClauseNumber = 0;
    w.LigatureMode = 0;
    w.StartOffset = startOffset;
    w.EndOffset = startOffset + static_cast<u32>(GetStringLength(token)) - 1;
    ++gWordCount;
    return endFlag;
}

void InspectSentenceEnd() {
    gSentenceEndWord = 0;
    if (gWordCount == 0) return;
    const WordRecord& lastWord = gWords[gWordCount - 1];
    if (GetStringLength(lastWord.WordText) == 1 && IsFinalMark(lastWord.WordText.data[0])) return;
    // A full table gets no pseudo-word: it would be word 129.
    if (gWordCount >= kMaxSentenceWords) return;
    WordRecord& w = gWords[gWordCount];
    CopyCString(w.WordText, ".");
    w.ReadingCount = 1;
    for (u32 k = 0; k < kReadingSlots; ++k) {
        w.ReadingClasses[k] = 0;
        w.ReadingFeatures[k] = 0;
        w.ReadingCategories[k] = 0;
    }
    w.ReadingCategories[0] = 20;
    w.ReadingMarks[0] = 0;
    w.ClauseNumber = 0;
    w.StartOffset = lastWord.EndOffset;
    w.EndOffset = lastWord.EndOffset;
    w.OriginalIndex = lastWord.OriginalIndex;
    w.SourceIndex = lastWord.SourceIndex;
    gSentenceEndWord = gWordCount;
    ++gWordCount;
}
