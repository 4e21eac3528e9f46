// Sentence word analysis.
#include "checking/sentence_words.h"

#include <cstring>

#include "checking/abbreviations.h"
#include "checking/explanation.h"
#include "frame/automata.h"
#include "frame/bounded_string.h"
#include "frame/mac_roman.h"
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/sentence_state.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "lexicon/lex_lookup.h"
#include "lexicon/lex_store.h"
#include "morphology/sound_starts.h"
#include "morphology/word_analysis.h"
#include "morphology/word_lookup.h"
#include "morphology/word_memo.h"
#include "rules/french/french_agreement.h"
#include "rules/rule_words.h"

u16 gNextWordPairingA = 0;
u16 gNextWordPairingB = 0;
u16 gSentenceAnalysisCalls = 0;

namespace {

constexpr u8 kApostrophe = 0x27;
constexpr u8 kDoubleQuote = 0x22;
constexpr u8 kLowDoubleQuote = 0xE3;  // „
constexpr u8 kNbsp = 0xCA;
constexpr u16 kMaxWords = 128;

// Work storage of the analysis, allocated once.
struct WordsStorage {
    BoundedArray<FormEntry> forms;  // 4
    FormEntry single;
    StringList list;                // 12 x 108
    StringList workStrings;         // 16 x 36
    BoundedString work;
    BoundedString firstAnalysed;
    BoundedString lowered;
    BoundedString firstWord;
    BoundedString secondWord;
    // Replacements written into the text by the first analysis of the
    // sentence: per word, whether one was applied.
    u8 replaced[kMaxWords] = {};
};

WordsStorage& Storage() {
    static WordsStorage s;
    if (s.list.valid == 0) {
        InitFormEntryArray(s.forms, 4);
        InitFormEntry(s.single);
        InitByteMatrix(s.list, kSuggestionSlots, kSuggestionCapacity);
        InitByteMatrix(s.workStrings, 16, 36);
        s.work.Allocate(36);
        s.firstAnalysed.Allocate(36);
        s.lowered.Allocate(36);
        s.firstWord.Allocate(36);
        s.secondWord.Allocate(36);
    }
    return s;
}

struct Call {
    BoundedString* text;
    u16 plainUnknownReadings;
    u16 applyLexiconReplacements;
    SentenceHitCallback callback;   // null on the later analyses of a sentence
    WordMergeCallback mergeCallback;
    u16 suggestionMode;
    i32 suggestionWord;
    i16 combination;
};

// The suggestion of codes 3 and 38 into entry 0; the number handed on.
u16 SingleSuggestion(const Call& c, WordsStorage& st, i32 i, const BoundedString& form) {
    CopyString(st.list[0], form);
    if (c.suggestionMode == 0) return 0;
    if (c.suggestionMode == 2 && i != c.suggestionWord) return 0;
    return 1;
}

// Explanation of a finding at word i (the texts read the resume position).
void Explain(RuleCode code, i32 i) {
    const i16 saved = gLastErrorPos;
    gLastErrorPos = static_cast<i16>(i);
    FormatErrorExplanation(code);
    gLastErrorPos = saved;
}

void ShiftLaterWords(i32 i, i32 delta) {
    for (i32 k = i + 1; k < gWordCount; ++k) {
        gWords[k].StartOffset = static_cast<u32>(static_cast<i32>(gWords[k].StartOffset) + delta);
        gWords[k].EndOffset = static_cast<u32>(static_cast<i32>(gWords[k].EndOffset) + delta);
    }
}

// The paragraph's working copy and its length (see KeepParagraphText).
const u8* gKeptText = nullptr;
i32 gKeptTextLength = 0;

// Writes the replacement over the word in the text, moving what follows.
// false when the text would not keep room for its terminator.
bool RewriteText(BoundedString& text, const WordRecord& w, const BoundedString& replacement) {
    const i32 length = ParagraphTextLength(text);
    const i32 l = static_cast<i32>(w.EndOffset - w.StartOffset + 1);
    const i32 r = GetStringLength(replacement);
    const i32 d = r - l;
    if (length + d > static_cast<i32>(text.count) - 1) return false;
    if (static_cast<i32>(w.EndOffset) >= length) return false;
    const i32 tail = length - static_cast<i32>(w.EndOffset) - 1;  // bytes after the word
    u8* after = text.data + w.EndOffset + 1;
    std::memmove(after + d, after, static_cast<size_t>(tail));
    text.data[length + d] = 0;
    std::memcpy(text.data + w.StartOffset, replacement.data, static_cast<size_t>(r));
    if (text.data == gKeptText) gKeptTextLength = length + d;
    return true;
}

void ApplyReplacements(const Call& c, WordsStorage& st) {
    const bool first = c.callback != nullptr;
    if (first) std::memset(st.replaced, 0, sizeof st.replaced);
    for (i32 i = 0; i < gWordCount; ++i) {
        WordRecord& w = gWords[i];
        if (FindLexForms(w.WordText, st.forms, '>') <= 0) continue;
        const BoundedString& replacement = st.forms[0].LemmaText;
        if (c.applyLexiconReplacements == 0) {
            if (!first) continue;
            Explain(kCodeLexiconReplacement, i);
            const u16 count = SingleSuggestion(c, st, i, replacement);
            c.callback(i, i, kCodeLexiconReplacement, 0, 0, gExplanationText, count, st.list, 0);
            continue;
        }
        const i32 d = GetStringLength(replacement) - static_cast<i32>(w.EndOffset - w.StartOffset + 1);
        if (first) {
            if (!RewriteText(*c.text, w, replacement)) continue;
            st.replaced[i] = 1;
        } else if (i >= static_cast<i32>(kMaxWords) || st.replaced[i] == 0) {
            continue;  // the first analysis left this word alone
        }
        FlattenMacRomanTypography(w.WordText, replacement, w.FirstLigaturePos, w.SecondLigaturePos, 1);
        if (first) {
            Explain(kCodeLexiconReplacement, i);
            const u16 count = SingleSuggestion(c, st, i, replacement);
            c.callback(i, i, kCodeLexiconReplacement, 0, 0, gExplanationText, count, st.list, 1);
        }
        w.EndOffset = w.StartOffset + static_cast<u32>(GetStringLength(replacement)) - 1;
        ShiftLaterWords(i, d);
    }
}

// ---- Address tokens ----------------------------------------------------------

// Marks of the bytes that separate address chunks: the control codes, the
// blank and the language's space characters.
struct SpaceMarks {
    bool at[256];
};

void MarkChunkSeparators(SpaceMarks& m) {
    for (u32 c = 0; c < 256; ++c) m.at[c] = c <= 32;
    MarkSpaceChars(m.at);
}

void MakeUrlToken(WordRecord& w) {
    u16 a = 0, b = 0;
    FlattenMacRomanTypographyCString(w.WordText, "<URL>", a, b, 0);
    FlattenMacRomanTypographyCString(w.SeparatorText, "<URL>", a, b, 0);
    w.ReadingCount = 1;
    w.ReadingClasses[0] = '@';
    w.ReadingFeatures[0] = '0';
    w.ReadingMarks[0] = gCheckingLanguage == 0 ? ' ' : 27;
    w.ReadingCategories[0] = 10;
    w.WordCaseMode = 0;
    w.FirstLigaturePos = 1;
    w.SecondLigaturePos = kNoLigaturePos;
    w.LigatureMode = 2;
    w.QuoteFlags = 0;
}

// First word of [from, to] whose end is at or after `offset`; -1 when none.
i32 WordEndingAtOrAfter(i32 from, i32 to, u32 offset) {
    for (i32 k = from; k <= to; ++k) {
        if (gWords[k].EndOffset >= offset) return k;
    }
    return -1;
}

// Merges words a+1..b into word a.
void MergeWords(i32 a, i32 b, WordMergeCallback merge) {
    if (b <= a) return;
    gWords[a].SourceIndex = gWords[b].SourceIndex;
    gWords[a].EndOffset = gWords[b].EndOffset;
    const i32 n = b - a;
    for (i32 k = b + 1; k < gWordCount; ++k) CopyWordRecord(gWords[k - n], gWords[k]);
    gWordCount = static_cast<u16>(gWordCount - n);
    if (merge != nullptr) merge(a + 1, b, a);
}

// Handles the chunks of the run of words first..last; returns how many
// words the run lost.
i32 ReplaceUrlsInRun(const BoundedString& text, const SpaceMarks& spaces, i32 first, i32 last,
                     WordMergeCallback merge) {
    const u32 begin = gWords[first].StartOffset;
    const u32 end = gWords[last].EndOffset;
    const u32 length = static_cast<u32>(ParagraphTextLength(text));
    i32 lost = 0;
    u32 p = begin;
    while (p <= end && p < length) {
        while (p <= end && p < length && spaces.at[text.data[p]]) ++p;
        if (p > end || p >= length) break;
        const u32 chunkStart = p;
        u32 dots = 0;
        bool at = false;
        bool lastDotCounted = false;
        while (p <= end && p < length && !spaces.at[text.data[p]]) {
            const u8 ch = text.data[p];
            lastDotCounted = false;
            if (ch == '.' && (p == chunkStart || text.data[p - 1] != '.')) {
                ++dots;
                lastDotCounted = true;
            }
            if (ch == '@') at = true;
            ++p;
        }
        u32 chunkLast = p - 1;
        const bool finalDot = text.data[chunkLast] == '.';
        if (finalDot && lastDotCounted) --dots;
        if (dots < 2 && !at) continue;
        // A final period or sign is not part of the address.
        if (finalDot) {
            if (chunkLast > chunkStart) --chunkLast;
        } else if (FindPunctSignIndex(text.data[chunkLast]) != 0xFFFF && chunkLast > chunkStart) {
            --chunkLast;
        }
        const i32 runLast = last - lost;
        const i32 a = WordEndingAtOrAfter(first, runLast, chunkStart);
        const i32 b = WordEndingAtOrAfter(first, runLast, chunkLast);
        if (a < 0 || b < 0) continue;
        MakeUrlToken(gWords[a]);
        if (b > a) {
            MergeWords(a, b, merge);
            lost += b - a;
        }
    }
    return lost;
}

// ---- Lone symbols and ignored characters ---------------------------------------

// A one-character word that is dropped: a character invisible in words (a
// mark of the host's special characters, the soft hyphen) or a symbol. A
// letter of the French and English alphabets is a word ("À Lyon"), never a
// symbol.
bool IsLoneSymbol(u8 c) {
    if (IsInvisibleInWord(c)) return true;
    if (InClassSet(12, c) != 0) return false;
    switch (c) {
        case 0x0D: case '@': case '^': case '`': case '|': case 0x8B: case 0x8C: case 0x92:
        case 0x93: case 0x9B: case 0x9C: case 0xAF: case 0xB0:
            return true;
        default: break;
    }
    return (c >= 0x7E && c <= 0x87) || (c >= 0x96 && c <= 0x98) || (c >= 0xA0 && c <= 0xAD) ||
           (c >= 0xB2 && c <= 0xBD) || (c >= 0xBF && c <= 0xC6) || (c >= 0xCB && c <= 0xCD) ||
           (c >= 0xD6 && c <= 0xD9);
}

// Every character of the text is invisible in words.
bool AllInvisible(const BoundedString& t) {
    const i32 n = GetStringLength(t);
    for (i32 k = 0; k < n; ++k)
        if (!IsInvisibleInWord(t.data[k])) return false;
    return n > 0;
}

// An underscore written against a word ("_must_ go", "_Kelmscott Press
// Edition_"): the plain-text mark of italics, no dash between words.
bool EmphasisUnderscore(i32 i) {
    const BoundedString& s = gWords[i].SeparatorText;
    const i32 n = GetStringLength(s);
    if (n == 0) return false;
    for (i32 k = 0; k < n; ++k)
        if (s.data[k] != '_') return false;
    const bool touchesBefore = i > 0 && gWords[i - 1].EndOffset + 1 == gWords[i].StartOffset;
    const bool touchesAfter = i + 1 < gWordCount && gWords[i].EndOffset + 1 == gWords[i + 1].StartOffset;
    return touchesBefore || touchesAfter;
}

void RemoveLoneSymbols(WordMergeCallback merge) {
    for (i32 i = 0; i < gWordCount;) {
        const BoundedString& t = gWords[i].WordText;
        if ((GetStringLength(t) == 1 && IsLoneSymbol(t.data[0])) || AllInvisible(t) || EmphasisUnderscore(i)) {
            RemoveSentenceWord(i);
            if (merge != nullptr) merge(i, i, -1);
            continue;
        }
        ++i;
    }
}

void RemoveIgnoredCharacters() {
    for (i32 i = 0; i < gWordCount; ++i) {
        BoundedString& t = gWords[i].WordText;
        const i32 n = GetStringLength(t);
        i32 out = 0;
        for (i32 k = 0; k < n; ++k) {
            if (!IsInvisibleInWord(t.data[k])) t.data[out++] = t.data[k];
        }
        for (i32 k = out; k < n; ++k) t.data[k] = 0;
    }
}

// ---- French words spelt with an apostrophe --------------------------------------

// The French tokens end at an apostrophe; a word whose whole spelling holds
// one (aujourd'hui, presqu'île, quelqu'un, chef-d'œuvre, c'est-à-dire) is
// put back together when the dictionary knows it whole.
void ShiftLigature(u16& pos, u16 by) {
    if (pos != kNoLigaturePos) pos = static_cast<u16>(pos + by);
}

void JoinApostropheWords(WordsStorage& st, WordMergeCallback merge) {
    for (i32 i = 0; i + 1 < gWordCount; ++i) {
        WordRecord& a = gWords[i];
        WordRecord& b = gWords[i + 1];
        const i32 na = GetStringLength(a.WordText);
        const i32 nb = GetStringLength(b.WordText);
        if (na < 2 || nb < 1 || a.WordText.data[na - 1] != kApostrophe || a.EndOffset + 1 != b.StartOffset) continue;
        if (na + nb >= static_cast<i32>(st.work.count) ||
            GetStringLength(a.SeparatorText) + GetStringLength(b.SeparatorText) >= static_cast<i32>(a.SeparatorText.count))
            continue;
        CopyString(st.work, a.WordText);
        AppendString(st.work, b.WordText);
        if (IsWholeDictionaryForm(st.work) == 0) continue;
        u16 first = b.FirstLigaturePos, second = b.SecondLigaturePos;
        ShiftLigature(first, static_cast<u16>(na));
        ShiftLigature(second, static_cast<u16>(na));
        if (a.FirstLigaturePos == kNoLigaturePos) {
            a.FirstLigaturePos = first;
            a.SecondLigaturePos = second;
        } else if (a.SecondLigaturePos == kNoLigaturePos) {
            a.SecondLigaturePos = first;
        }
        CopyString(a.WordText, st.work);
        AppendString(a.SeparatorText, b.SeparatorText);
        MergeWords(i, i + 1, merge);
    }
}

// ---- English contractions --------------------------------------------------------

struct WholeContraction {
    const char* word;
    const char* first;
    const char* second;  // null: "has" before "been", else "is"
};

constexpr WholeContraction kWholeContractions[] = {
    {"let's", "let", "us"},     {"it's", "it", nullptr},     {"he's", "he", nullptr},
    {"she's", "she", nullptr},  {"that's", "that", nullptr}, {"we're", "we", "are"},
    {"you're", "you", "are"},   {"they're", "they", "are"},  {"I'm", "I", "am"},
    {"here's", "here", nullptr}, {"there's", "there", nullptr}, {"where's", "where", nullptr},
    {"what's", "what", nullptr}, {"who's", "who", nullptr},   {"how's", "how", nullptr},
};

bool IsPronounEnding(u8 c) { return c == 'I' || c == 'e' || c == 'u' || c == 'y'; }

// The expansion of the lowered word (apostrophe at p); false when none.
// ambiguous: an "'d" form.
bool FindExpansion(const BoundedString& lowered, i32 p, i32 i, i16 combination, i32& ambiguousSeen,
                   WordsStorage& st, bool& ambiguous) {
    ambiguous = false;
    for (const WholeContraction& c : kWholeContractions) {
        if (CompareWordText(lowered, c.word) != kCompareEqual) continue;
        CopyCString(st.firstWord, c.first);
        const char* second = c.second;
        if (second == nullptr) {
            const bool been = i + 2 < gWordCount && (CompareWordText(gWords[i + 1].WordText, "been") == kCompareEqual ||
                                                     CompareWordText(gWords[i + 2].WordText, "been") == kCompareEqual);
            second = been ? "has" : "is";
        }
        CopyCString(st.secondWord, second);
        return true;
    }
    const u8* t = lowered.data;
    const char* after = reinterpret_cast<const char*>(t + p + 1);
    const u8 before = t[p - 1];
    CopySubstring(lowered, 1, static_cast<i16>(p), st.firstWord);
    if (std::strcmp(after, "d") == 0 && IsPronounEnding(before)) {
        ambiguous = true;
        const bool would = ambiguousSeen < 16 && ((combination >> ambiguousSeen) & 1) != 0;
        ++ambiguousSeen;
        CopyCString(st.secondWord, would ? "would" : "had");
        return true;
    }
    if (std::strcmp(after, "ve") == 0 && IsPronounEnding(before)) {
        CopyCString(st.secondWord, "have");
        return true;
    }
    if (std::strcmp(after, "ll") == 0 && IsPronounEnding(before)) {
        CopyCString(st.secondWord, "will");
        return true;
    }
    if (std::strcmp(after, "t") == 0 && before == 'n') {
        if (CompareWordText(lowered, "can't") == kCompareEqual) CopyCString(st.firstWord, "can");
        else if (CompareWordText(lowered, "won't") == kCompareEqual) CopyCString(st.firstWord, "will");
        else if (CompareWordText(lowered, "ain't") == kCompareEqual) CopyCString(st.firstWord, "are");
        else if (CompareWordText(lowered, "shan't") == kCompareEqual) CopyCString(st.firstWord, "shall");
        else CopySubstring(lowered, 1, static_cast<i16>(p - 1), st.firstWord);
        CopyCString(st.secondWord, "not");
        return true;
    }
    return false;
}

// Inserts the second word of a contraction after word i. The new record
// takes the contraction's offsets and indexes; its other fields are empty.
void InsertSecondWord(i32 i, const BoundedString& second) {
    for (i32 k = gWordCount; k > i + 1; --k) CopyWordRecord(gWords[k], gWords[k - 1]);
    WordRecord& n = gWords[i + 1];
    CopyWordRecord(n, gWords[i]);
    n.ReadingCount = 0;
    for (u32 j = 0; j < kReadingSlots; ++j) {
        n.ReadingClasses[j] = 0;
        n.ReadingFeatures[j] = 0;
        n.ReadingCategories[j] = 0;
        n.ReadingMarks[j] = 0;
        n.ReadingLemmaRefs[j] = 0;
    }
    n.FirstLigaturePos = kNoLigaturePos;
    n.SecondLigaturePos = kNoLigaturePos;
    n.LigatureMode = 0;
    n.QuoteFlags = 0;
    n.AmbiguityFlag = 0;
    n.CorrectionMark = 0;
    n.WordCaseMode = 0;
    CopyString(n.WordText, second);
    CopyCString(n.SeparatorText, "");
    CopyCString(n.LexiconForm, "");
    CopyCString(n.BaseText, "");
    ++gWordCount;
}

bool IsQuoteByte(u8 c) { return c == kDoubleQuote || c == kLowDoubleQuote; }

// Puts the `count` bytes of `from` at `at` before (or, with back, after) s.
void AddQuotes(BoundedString& s, const BoundedString& from, i32 at, i32 count, bool back, BoundedString& scratch) {
    if (count <= 0) return;
    CopySubstring(from, static_cast<i16>(at + 1), static_cast<i16>(count), scratch);
    if (back) {
        AppendString(s, scratch);
        return;
    }
    AppendString(scratch, s);
    CopyString(s, scratch);
}

// Splits contractions in two words; the double quotes around one stay with
// its parts ("Won't gives "will and not).
void ExpandContractions(i16 combination, WordsStorage& st) {
    i32 ambiguousSeen = 0;
    for (i32 i = 0; i < gWordCount; ++i) {
        WordRecord& w = gWords[i];
        const i32 length = GetStringLength(w.WordText);
        i32 lead = 0, tail = 0;
        // An opening single quote is no part of the contraction either
        // ('Can't is "can" and "not", not "'Ca" and "not").
        while (lead < length && (IsQuoteByte(w.WordText.data[lead]) || w.WordText.data[lead] == kApostrophe)) ++lead;
        while (tail < length - lead && IsQuoteByte(w.WordText.data[length - 1 - tail])) ++tail;
        const i32 core = length - lead - tail;
        i32 p = -1;
        for (i32 k = 1; k < core - 1; ++k) {
            if (w.WordText.data[lead + k] == kApostrophe) {
                p = k;
                break;
            }
        }
        if (p < 0) continue;
        CopySubstring(w.WordText, static_cast<i16>(lead + 1), static_cast<i16>(core), st.lowered);
        bool lowered = false;
        if (st.lowered.data[0] < 0x5B && !(p == 1 && st.lowered.data[0] == 'I')) {
            st.lowered.data[0] = static_cast<u8>(st.lowered.data[0] + 0x20);
            lowered = true;
        }
        bool ambiguous = false;
        if (!FindExpansion(st.lowered, p, i, combination, ambiguousSeen, st, ambiguous)) continue;
        if (ambiguous) w.AmbiguityFlag = 1;
        if (gWordCount >= kMaxWords) continue;
        if (lowered) st.firstWord.data[0] = static_cast<u8>(st.firstWord.data[0] - 0x20);
        AddQuotes(st.firstWord, w.WordText, 0, lead, false, st.work);
        AddQuotes(st.secondWord, w.WordText, length - tail, tail, true, st.work);
        InsertSecondWord(i, st.secondWord);
        CopyString(gWords[i].WordText, st.firstWord);
        ++i;  // the inserted word is not a contraction
    }
}

// ---- Word-form analysis -----------------------------------------------------------

bool IsWordByte(u8 c) {
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
    if ((c >= 0x80 && c <= 0x9F) || InClassSet(0, c) != 0) return true;
    switch (c) {
        case 0xCB: case 0xCC: case 0xCD: case 0xE5: case 0xE6: case 0xE8: case 0xE9: case 0xEB:
        case 0xEC: case 0xEF: case 0xF3: case 0xF4:
            return true;
        default: return false;
    }
}

void SetPunctuationReading(WordRecord& w) {
    const u8 c = w.WordText.data[0];
    w.ReadingMarks[0] = 0;
    if (c <= 32) return;
    u8 category = 27;
    u8 features = 0;
    switch (c) {
        case ',': category = 21; break;
        case 0x22: case 0x27: case 0xC7: case 0xC8: case 0xD2: case 0xD3:
        case '.': case '?': case '!': case ':':
        case '(': case '[': case '{': case ')': case ']': case '}':
        case 0xC9: case '/':
            category = 20;
            break;
        case '&': case '+':
            category = 16;
            features = 16;
            break;
        default: break;
    }
    w.ReadingCount = 1;
    w.ReadingClasses[0] = 0;
    w.ReadingFeatures[0] = features;
    w.ReadingCategories[0] = category;
}

u16 PlainMode() { return gCheckingLanguage == 0 ? 0 : 800; }

void ClearPairing() {
    gNextWordPairingA = 0;
    gNextWordPairingB = 0;
}

// Copies the analyses into the reading slots and drops repeated
// (class, features) pairs.
void CopyReadings(WordRecord& w) {
    u16 n = w.ReadingCount > kReadingSlots ? kReadingSlots : w.ReadingCount;
    for (u16 j = 0; j < n; ++j) {
        w.ReadingClasses[j] = static_cast<u8>(gWordTagCodes[j] >> 8);
        w.ReadingFeatures[j] = static_cast<u8>(gWordTagCodes[j] & 0xFF);
        w.ReadingMarks[j] = gWordAnalysisBytes[j];
        w.ReadingLemmaRefs[j] = gWordLemmaRefs[j];
    }
    for (u16 j = 1; j < n;) {
        bool repeated = false;
        for (u16 e = 0; e < j; ++e) {
            if (w.ReadingClasses[e] == w.ReadingClasses[j] && w.ReadingFeatures[e] == w.ReadingFeatures[j]) {
                repeated = true;
                break;
            }
        }
        if (!repeated) {
            ++j;
            continue;
        }
        for (u16 k = j; k + 1 < n; ++k) {
            w.ReadingClasses[k] = w.ReadingClasses[k + 1];
            w.ReadingFeatures[k] = w.ReadingFeatures[k + 1];
            w.ReadingMarks[k] = w.ReadingMarks[k + 1];
            w.ReadingLemmaRefs[k] = w.ReadingLemmaRefs[k + 1];
            w.ReadingCategories[k] = w.ReadingCategories[k + 1];
        }
        --n;
    }
    w.ReadingCount = n;
}

// A capital: by the analysis's case pattern, or by the first letter when
// the analysis left no pattern for a word it did not find.
bool HasCapital(const WordRecord& w) {
    if (w.WordCaseMode != 65535 && w.WordCaseMode > 0) return true;
    return IsUpperMacRoman(w.WordText.data[0]) != 0;
}

bool HasDigit(const BoundedString& t) {
    const i32 n = GetStringLength(t);
    for (i32 k = 0; k < n; ++k) {
        if (t.data[k] >= '0' && t.data[k] <= '9') return true;
    }
    return false;
}

u8 LastCharacterCode(const BoundedString& t) {
    const i32 n = GetStringLength(t);
    const u8 c = n > 0 ? t.data[n - 1] : 0;
    if (gCheckingLanguage == 0) {
        if (c >= 'a' && c <= 'z') return static_cast<u8>(c - 0x40);
        return c == 0x8E ? 28 : 32;
    }
    if (c >= 'a' && c <= 'z') return static_cast<u8>(c - 0x60);
    switch (c) {
        case 0x8E: return 28;
        case 0x95: return 29;
        case 0x91: return 30;
        case 0x8F: return 31;
        case 0x90: return 0;
        default: return 27;
    }
}

void GiveUnknownReading(const Call& c, WordRecord& w) {
    ClearPairing();
    w.ReadingCount = 1;
    w.ReadingFeatures[0] = 0;
    w.ReadingMarks[0] = 0;
    w.ReadingClasses[0] = 0;
    w.ReadingCategories[0] = 0;
    const bool capital = HasCapital(w);
    if (capital || HasDigit(w.WordText)) {
        w.ReadingClasses[0] = capital ? '@' : 0;
        if (c.plainUnknownReadings == 0) {
            w.ReadingClasses[0] = '@';
            w.ReadingFeatures[0] = '0';
            w.ReadingMarks[0] = LastCharacterCode(w.WordText);
        }
    }
}

// ---- Names after a title ------------------------------------------------------

// An English title of address, with or without its period ("Mr.", "Mrs",
// "Dr."), or a title written in full, as written before a name.
bool IsEnglishTitle(const BoundedString& t) {
    static const char* const kTitles[] = {"Mr",  "Mrs", "Ms",  "Messrs", "Mmes", "Dr",   "Prof",   "Rev",
                                          "Revd", "Hon", "Capt", "Col",  "Sgt",  "Lt",   "Gov",    "Sen",
                                          "Miss", "Mister", "Sir", "Dame", "Lady", "Lord", nullptr};
    i32 n = GetStringLength(t);
    if (n > 0 && t.data[n - 1] == '.') --n;
    for (i32 k = 0; kTitles[k] != nullptr; ++k) {
        if (static_cast<i32>(std::strlen(kTitles[k])) == n && std::memcmp(t.data, kTitles[k], n) == 0) return true;
    }
    return false;
}

bool HasApostrophe(const BoundedString& t) {
    for (i32 k = 0; t.data[k] != 0; ++k) {
        if (t.data[k] == '\'' || t.data[k] == MRC("’")) return true;
    }
    return false;
}

// A word written with a capital initial right after a title is the name
// the title goes with ("Mr. Baker", "Dr White"), whatever common words the
// dictionary spells the same; a possessive keeps its own reading.
bool NamedByTitle(i32 i) {
    if (gCheckingLanguage != 0 || i == 0) return false;
    const WordRecord& w = gWords[i];
    const u8 first = w.WordText.data[0];
    if (first < 'A' || first > 'Z' || (w.WordCaseMode != 1 && w.WordCaseMode != 2)) return false;
    return IsEnglishTitle(gWords[i - 1].WordText) && !HasApostrophe(w.WordText);
}

// The reading the dictionary gives a name: a proper noun, singular.
void ReadAsName(WordRecord& w) {
    w.ReadingCount = 1;
    w.ReadingClasses[0] = '@';
    w.ReadingFeatures[0] = 4;
    w.ReadingMarks[0] = LastCharacterCode(w.WordText);
    w.ReadingLemmaRefs[0] = 0;
    w.ReadingCategories[0] = 0;
}

// An opening double quote as the flattened word holds it (the low one is
// not flattened).
bool IsOpeningDouble(u8 c) { return c == kDoubleQuote || c == kLowDoubleQuote; }
bool IsQuoteSpace(u8 c) { return c == ' ' || c == kNbsp; }

// Strips one more quote from the work string; false when the word is
// unknown. A double quote goes with the spaces between it and the word
// (French quotes are spaced).
bool StripQuote(WordRecord& w, u16& state, BoundedString& work) {
    w.ReadingCategories[0] = 0;
    i32 n = GetStringLength(work);
    auto dropFirst = [&]() {
        std::memmove(work.data, work.data + 1, static_cast<size_t>(n - 1));
        work.data[--n] = 0;
    };
    auto dropLast = [&]() { work.data[--n] = 0; };
    auto dropFirstDouble = [&]() {
        dropFirst();
        while (n > 1 && IsQuoteSpace(work.data[0])) dropFirst();
    };
    auto dropLastDouble = [&]() {
        dropLast();
        while (n > 1 && IsQuoteSpace(work.data[n - 1])) dropLast();
    };
    if (state == 0) {
        state = 1;
        if (n > 0 && work.data[0] == kApostrophe) {
            dropFirst();
            w.QuoteFlags = 1;
            return true;
        }
        if (n > 0 && IsOpeningDouble(work.data[0])) {
            dropFirstDouble();
            w.QuoteFlags = 5;
            return true;
        }
        state = 2;
        if (n > 0 && work.data[n - 1] == kApostrophe) {
            dropLast();
            w.QuoteFlags = 2;
            return true;
        }
        if (n > 0 && work.data[n - 1] == kDoubleQuote) {
            dropLastDouble();
            w.QuoteFlags = 6;
            return true;
        }
        return false;
    }
    if (state == 1) {
        state = 2;
        if (n > 0 && work.data[n - 1] == kApostrophe) {
            dropLast();
            w.QuoteFlags = w.QuoteFlags == 5 ? 7 : 3;
            return true;
        }
        if (n > 0 && work.data[n - 1] == kDoubleQuote) {
            dropLastDouble();
            w.QuoteFlags = w.QuoteFlags == 1 ? 3 : 7;
            return true;
        }
        return false;
    }
    w.ReadingClasses[0] = 0;
    return false;
}

void ReportProperNoun(const Call& c, WordsStorage& st, i32 i) {
    WordRecord& w = gWords[i];
    if (c.callback == nullptr || w.ReadingCount != 1 || w.ReadingClasses[0] != '@' || w.WordCaseMode != 0) return;
    if (GetFirstLexForm(w.WordText, st.single, '@') == 0) return;
    if (st.single.FormCodes[3] != 0) return;
    Explain(kCodeProperNounCapital, i);
    const u16 count = SingleSuggestion(c, st, i, st.single.LemmaText);
    c.callback(i, i, kCodeProperNounCapital, 0, 0, gExplanationText, count, st.list, 0);
}

bool WordIs(i32 i, const char* text) { return CompareWordText(gWords[i].WordText, text) == kCompareEqual; }

// A French word before which the full form stands: a numeral ("de un à
// cent"), "oui", "ouate".
bool TakesFullForm(i32 i) {
    const WordRecord& w = gWords[i];
    for (i32 j = 0; j < w.ReadingCount && j < static_cast<i32>(kReadingSlots); ++j)
        if (w.ReadingClasses[j] == 'R' || w.ReadingClasses[j] == 'S') return true;
    return french_agreement::KeepsFullFormBefore(w.WordText);
}

// A subject pronoun, "qui" or "ne", in any case: what stands before an
// object pronoun.
bool StandsBeforeObjectPronoun(i32 k) {
    static constexpr const char* kWords[] = {"il",   "elle", "on",    "je",  "tu", "nous",
                                             "vous", "ils",  "elles", "qui", "ne"};
    if (gWords[k].ReadingCategories[0] == 1) return true;
    for (const char* w : kWords) {
        if (rules::IsAnyCase(k, w)) return true;
    }
    return false;
}

// A letter named in the text after "de" or an article ("de a à z", "avec
// le y."): nothing but a stop or "à" follows it, and no subject pronoun or
// "ne" stands before the article, whatever its case ("Il le a.": the object
// pronoun before "a").
bool NamesLetter(i32 i) {
    if (GetStringLength(gWords[i].WordText) != 1 || i == 0) return false;
    if (!rules::IsAnyCase(i - 1, "de") && !rules::IsAnyCase(i - 1, "le") && !rules::IsAnyCase(i - 1, "la")) return false;
    if (i >= 2 && StandsBeforeObjectPronoun(i - 2)) return false;
    if (i + 1 >= gWordCount) return true;
    const BoundedString& next = gWords[i + 1].WordText;
    return !IsWordByte(next.data[0]) || CompareWordText(next, MR("à")) == kCompareEqual;
}

// The French words before which the form before stays whole whatever
// their sound: a word opening a quotation ("de “en”"), "à" except after
// "que" and its compounds ("ce à quoi", but "qu'à"), a letter.
bool KeepsFullFormInContext(i32 i) {
    if ((gWords[i].QuoteFlags & 1) != 0) return true;
    if (i > 0 && CompareWordText(gWords[i].WordText, MR("à")) == kCompareEqual) {
        const BoundedString& p = gWords[i - 1].WordText;
        const i32 n = GetStringLength(p);
        return !(n >= 3 && p.data[n - 3] == 'q' && p.data[n - 2] == 'u' && p.data[n - 1] == 'e');
    }
    return NamesLetter(i);
}

// An English word the dictionary does not know, of three capitals or fewer
// (digits may follow: "MP3"), or of three letters or fewer in lower case
// without a vowel letter ("npm"), after "a" or "an": an initialism, whose
// sound the sound-start list or its first letter's name gives ("a MP", "an
// NPC", "a npm").
void PairUnknownCapitals(i32 i) {
    if (gCheckingLanguage != 0 || (gNextWordPairingA == 0 && gNextWordPairingB == 0)) return;
    const BoundedString& t = gWords[i].WordText;
    i32 n = GetStringLength(t);
    if (n > 0 && t.data[n - 1] == '.') --n;  // the sentence's last word
    if (n < 2) return;
    // Written in lower case, it is read letter by letter only when no vowel
    // letter could carry it as a word ("a npm bump", "an mp3 file").
    const bool lower = t.data[0] >= 'a' && t.data[0] <= 'z';
    if (!lower && (t.data[0] < 'A' || t.data[0] > 'Z')) return;
    Work36 lowered;
    i32 letters = 0;
    for (i32 k = 0; k < n; ++k) {
        const u8 ch = lower ? t.data[k] : LowerAscii(t.data[k]);
        if ((ch < 'a' || ch > 'z') && (ch < '0' || ch > '9')) return;
        if (lower && (ch == 'a' || ch == 'e' || ch == 'i' || ch == 'o' || ch == 'u' || ch == 'y')) return;
        if (!lower && t.data[k] >= 'a') return;
        letters += ch >= 'a' ? 1 : 0;
        lowered.bytes[k] = ch;
    }
    // A longer word in capitals may as well be a name or a word shouted
    // ("a LIBERO"): it is not paired.
    if (letters > 3) return;
    lowered.bytes[n] = 0;
    const u8 sound = EnglishSoundStart(lowered.s, true, false);
    const bool afterA = gNextWordPairingA != 0;
    if ((afterA && sound == kSoundVowel) || (!afterA && sound == kSoundConsonant))
        gVariantIndex = static_cast<u16>(128 + i);
}


// "such an one", the old set phrase, is let pass ("an one" elsewhere is not).
bool SuchAnOne(i32 i) {
    return i >= 2 && WordIs(i, "one") && WordIs(i - 1, "an") && (WordIs(i - 2, "such") || WordIs(i - 2, "Such"));
}

void CheckPairing(WordsStorage& st, i32 i, u16 r) {
    const bool english = gCheckingLanguage == 0;
    u16 mode = 0xFFFF;
    if (gNextWordPairingA != 0) {
        mode = english ? 49 : 817;
        gNextWordPairingA = 0;
    } else if (gNextWordPairingB != 0) {
        mode = english ? 48 : 816;
        gNextWordPairingB = 0;
    }
    if (r == 49) gNextWordPairingA = 1;
    if (r == 48) gNextWordPairingB = 1;
    if (mode != 0xFFFF) {
        gFoundInLexicon = 0;
        gCaseMode = 65535;
        u16 count = 0;
        r = static_cast<u16>(RememberedWordAnalysis(mode, st.firstAnalysed, count, st.workStrings));
    }
    if (r != 52) return;
    const u8 first = st.firstAnalysed.data[0];
    if (!english && (first == 'Y' || TakesFullForm(i) || KeepsFullFormInContext(i))) return;
    if (english && (first == '1' || first == '8')) return;
    if (english && SuchAnOne(i)) return;
    gVariantIndex = static_cast<u16>(128 + i);
}

bool IsOpeningQuote(u8 c) { return c == 0xC7 || c == 0xD2 || c == '"'; }

// Word i opens the sentence or a quotation inside it ("Il dit : « Va ...")
// where a capital initial is expected: only punctuation stands before it,
// or the punctuation right before it holds an opening quote.
bool OpensSentence(i32 i) {
    for (i32 k = i - 1; k >= 0; --k) {
        const BoundedString& t = gWords[k].WordText;
        if (GetStringLength(t) != 1 || IsWordByte(t.data[0])) return false;
        if (IsOpeningQuote(t.data[0])) return true;
    }
    return true;
}

// A word written in capitals (and in French a single capital letter, the
// "Y" and "A" of "IL Y A") is handed on in the lower case the analysis
// read it in, so that every test of its text reads what its readings
// read; its case mode gives the capitals back wherever it is written out.
// A capital initial further on marks a name and stays as written.
bool ReadsLowered(const WordRecord& w) {
    if (w.WordCaseMode == 3 || w.WordCaseMode == 4) return true;
    const bool letter = GetStringLength(w.WordText) == 1;
    return letter && gCheckingLanguage != 0 && (w.WordCaseMode == 1 || w.WordCaseMode == 2);
}

// An English "A" or "An" that opens the sentence is the article, and the
// next word is paired with it as with "a" and "an" (a capital "A" elsewhere
// names the letter: "plan A is"). Otherwise r as the analysis gave it.
u16 ArticleOpeningSentence(i32 i, u16 r) {
    if (gCheckingLanguage != 0 || r == 48 || r == 49 || !OpensSentence(i)) return r;
    const BoundedString& t = gWords[i].WordText;
    // The text may already read in lower case (ReadsLowered).
    const u8 a = static_cast<u8>(t.data[0] | 0x20);
    if (GetStringLength(t) == 1 && a == 'a') return 49;
    if (GetStringLength(t) == 2 && a == 'a' && t.data[1] == 'n') return 48;
    return r;
}

void AnalyseWord(const Call& c, WordsStorage& st, i32 i) {
    WordRecord& w = gWords[i];
    gWordLemmaRefs[0] = 0;
    if (w.ReadingCategories[0] == 10) {
        ClearPairing();
        return;
    }
    w.QuoteFlags = 0;
    u16 state = 0;
    CopyString(st.work, w.WordText);
    u16 r = 0;
    for (;;) {
        CopyString(w.WordText, st.work);
        if (GetStringLength(w.WordText) == 1 && !IsWordByte(w.WordText.data[0])) {
            ClearPairing();
            SetPunctuationReading(w);
            return;
        }
        CopyString(st.firstAnalysed, w.WordText);
        // The analysis may rewrite the word it is given (a capitalised word
        // comes back lowered): the word keeps its text as written.
        CopyString(st.lowered, w.WordText);
        gCaseMode = 65535;
        gFoundInLexicon = 0;
        u16 count = 0;
        // A quote taken off the word's front opens a quotation too.
        gSentenceInitialWord = OpensSentence(i) || (w.QuoteFlags & 1) != 0 ? 1 : 0;
        r = static_cast<u16>(RememberedWordAnalysis(PlainMode(), st.lowered, count, st.workStrings));
        gSentenceInitialWord = 0;
        w.ReadingCount = count;
        w.WordCaseMode = gCaseMode;
        w.LigatureMode = gFoundInLexicon;
        if (r == 52 && gCheckingLanguage == 0) w.ReadingLemmaRefs[0] = gWordLemmaRefs[0];
        if (count > 0) break;
        if (!StripQuote(w, state, st.work)) {
            PairUnknownCapitals(i);
            GiveUnknownReading(c, w);
            return;
        }
    }
    CopyReadings(w);
    if (ReadsLowered(w)) CopyString(w.WordText, st.lowered);
    if (NamedByTitle(i)) ReadAsName(w);
    ReportProperNoun(c, st, i);
    CheckPairing(st, i, ArticleOpeningSentence(i, r));
}

}  // namespace

void RemoveSentenceWord(i32 i) {
    if (i < 0 || i >= gWordCount) return;
    for (i32 k = i + 1; k < gWordCount; ++k) CopyWordRecord(gWords[k - 1], gWords[k]);
    --gWordCount;
    ClearWordRecord(gWords[gWordCount]);
}

void KeepParagraphText(const BoundedString* text) {
    gKeptText = text != nullptr ? text->data : nullptr;
    gKeptTextLength = text != nullptr ? GetStringLength(*text) : 0;
}

i32 ParagraphTextLength(const BoundedString& text) {
    if (gKeptText == nullptr || text.data != gKeptText) return GetStringLength(text);
#ifndef NDEBUG
    // Checked builds: the copy changed behind the kept length's back.
    if (GetStringLength(text) != gKeptTextLength) __builtin_trap();
#endif
    return gKeptTextLength;
}

void ReplaceUrlTokens(BoundedString& text, WordMergeCallback mergeCallback) {
    SpaceMarks spaces;
    MarkChunkSeparators(spaces);
    i32 i = 0;
    while (i < gWordCount) {
        if (gWords[i].ReadingCategories[0] == 10) {
            ++i;
            continue;
        }
        i32 last = i;
        while (last + 1 < gWordCount && gWords[last + 1].ReadingCategories[0] != 10) ++last;
        const i32 lost = ReplaceUrlsInRun(text, spaces, i, last, mergeCallback);
        i = last - lost + 1;
    }
}

void AnalyseSentenceWords(BoundedString& text, u32 /*option*/, u16 plainUnknownReadings,
                          u16 applyLexiconReplacements, SentenceHitCallback callback,
                          WordMergeCallback mergeCallback, u16 suggestionMode, i32 suggestionWord,
                          i16 combination) {
    WordsStorage& st = Storage();
    const bool firstOfSentence = gSentenceAnalysisCalls == 0;
    if (gSentenceAnalysisCalls < 0xFFFF) ++gSentenceAnalysisCalls;
    const Call c{&text,          plainUnknownReadings, applyLexiconReplacements,
                 firstOfSentence ? callback : nullptr, mergeCallback, suggestionMode,
                 suggestionWord, combination};
    for (i32 i = 0; i < gWordCount; ++i) gWords[i].AmbiguityFlag = 0;

    ApplyReplacements(c, st);
    if (IsUserLexiconEmpty() == 0) {
        MatchLexiconAbbreviations(text, c.callback, mergeCallback, suggestionMode, suggestionWord);
    }
    ReplaceUrlTokens(text, mergeCallback);
    RemoveLoneSymbols(mergeCallback);
    RemoveIgnoredCharacters();
    if (gCheckingLanguage == 0) ExpandContractions(combination, st);
    else JoinApostropheWords(st, mergeCallback);
    for (i32 i = 0; i < gWordCount; ++i) AnalyseWord(c, st, i);
    if (gWordCount > 0 && gWords[0].ReadingCategories[0] == 27) {
        RemoveSentenceWord(0);
        if (mergeCallback != nullptr) mergeCallback(0, 0, -1);
    }
}
