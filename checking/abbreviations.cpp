// User-lexicon abbreviation pass.
#include "checking/abbreviations.h"

#include <cstring>

#include "checking/explanation.h"
#include "checking/sentence_words.h"
#include "frame/bounded_string.h"
#include "frame/mac_roman.h"
#include "frame/records.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "inflection/lex_inflection.h"
#include "lexicon/lex_records.h"
#include "morphology/dictionary_tests.h"

namespace {

constexpr i32 kWindowLongWords = 5;
constexpr i32 kWindowCharacters = 36;

struct AbbreviationStorage {
    BoundedArray<FormEntry> records;  // 4
    StringList results;               // 45 x 45
    StringList list;                  // 12 x 108
    BoundedString span;               // the window's characters and a terminator
    BoundedString key;
    BoundedString work1, work2, outWord;
};

AbbreviationStorage& Storage() {
    static AbbreviationStorage s;
    if (s.list.valid == 0) {
        InitFormEntryArray(s.records, 4);
        InitByteMatrix(s.results, 45, 45);
        InitByteMatrix(s.list, kSuggestionSlots, kSuggestionCapacity);
        s.span.Allocate(kWindowCharacters + 1);
        s.key.Allocate(37);
        s.work1.Allocate(36);
        s.work2.Allocate(36);
        s.outWord.Allocate(36);
    }
    return s;
}

// The lexicon key of `word` into key (empty when the word cannot be a
// lexicon word); true when found.
bool LexiconKey(AbbreviationStorage& st, const BoundedString& word, BoundedString& key) {
    CopyCString(st.work1, "");
    CopyCString(st.work2, "");
    CopyCString(key, "");
    if (AnalyseLexInflection(word, 1, 1, 1, 2, 0, st.work1, st.work2, st.results, st.outWord,
                             gCheckingLanguage) != 0) {
        return false;
    }
    const i32 n = GetStringLength(st.results[1]);
    if (n <= 0) return false;
    CopySubstring(st.results[1], 1, static_cast<i16>(n - 1), key);
    return true;
}

bool HasLexiconForm(i32 i) { return GetStringLength(gWords[i].LexiconForm) > 0; }

// Paragraph characters from word a's start to word b's end (tabs and
// carriage returns as blanks); false when they do not fit the window.
bool SpanText(const BoundedString& text, i32 a, i32 b, BoundedString& out) {
    const u32 start = gWords[a].StartOffset;
    const u32 end = gWords[b].EndOffset;
    if (end < start || end - start + 1 > kWindowCharacters) return false;
    if (static_cast<i32>(end) >= GetStringLength(text)) return false;
    const u32 n = end - start + 1;
    for (u32 k = 0; k < n; ++k) {
        const u8 c = text.data[start + k];
        out.data[k] = c == '\t' || c == '\r' ? ' ' : c;
    }
    out.data[n] = 0;
    return true;
}

i32 SpanLength(i32 a, i32 b) { return static_cast<i32>(gWords[b].EndOffset - gWords[a].StartOffset + 1); }

// Number of words of the search window from word i.
i32 WindowSize(i32 i) {
    i32 longWords = 0;
    i32 n = 0;
    for (i32 k = i; k < gWordCount; ++k) {
        const bool isLong = GetStringLength(gWords[k].WordText) > 1;
        if (isLong && longWords + 1 > kWindowLongWords) break;
        if (SpanLength(i, k) > kWindowCharacters) break;
        if (isLong) ++longWords;
        ++n;
    }
    return n;
}

void MergeIntoToken(i32 i, i32 k, const FormEntry& record, u16 quoteFlags, WordMergeCallback merge) {
    WordRecord& w = gWords[i];
    u16 a = 0, b = 0;
    FlattenMacRomanTypography(w.WordText, record.LemmaText, a, b, 1);
    w.ReadingCount = 1;
    w.ReadingClasses[0] = record.FormCodes[0];
    w.ReadingFeatures[0] = record.FormCodes[1];
    w.ReadingMarks[0] = record.FormCodes[2];
    w.ReadingCategories[0] = 10;
    w.WordCaseMode = 0;
    w.FirstLigaturePos = 1;
    w.SecondLigaturePos = kNoLigaturePos;
    w.LigatureMode = 2;
    w.QuoteFlags = quoteFlags;
    if (k <= 0) return;
    w.SourceIndex = gWords[i + k].SourceIndex;
    w.EndOffset = gWords[i + k].EndOffset;
    for (i32 m = i + k + 1; m < gWordCount; ++m) CopyWordRecord(gWords[m - k], gWords[m]);
    gWordCount = static_cast<u16>(gWordCount - k);
    if (merge != nullptr) merge(i + 1, i + k, i);
}

bool IsFormEnd(u8 c) { return c == 0xCA || c == ' ' || c == '"' || (c >= 0x27 && c <= 0x2F); }
bool IsBlankByte(u8 c) { return c == 0xCA || c == ' '; }
bool IsQuote(u8 c) { return c == '\'' || c == '"'; }

// Last word covered by a partial record, from word i, and its quote flags.
i32 CoveredWords(i32 i, i32 w, const BoundedString& form, u16& flags) {
    i32 e = w;
    while (e > i && !HasLexiconForm(e)) --e;
    const i32 n = GetStringLength(form);
    i32 p = n;
    while (p > 0 && IsFormEnd(form.data[p - 1])) --p;
    while (p < n && IsBlankByte(form.data[p])) ++p;
    i32 last = e;
    while (last + 1 < gWordCount && p < n) {
        const i32 next = last + 1;
        if (HasLexiconForm(next) || gWords[next].WordText.data[0] != form.data[p]) break;
        last = next;
        ++p;
        while (p < n && IsBlankByte(form.data[p])) ++p;
    }
    flags = 0;
    if (n > 0 && !IsQuote(form.data[0])) {
        if (gWords[i].WordText.data[0] == '\'') flags = 1;
        else if (gWords[i].WordText.data[0] == '"') flags = 5;
    }
    if (n > 0 && !IsQuote(form.data[n - 1])) {
        const i32 m = GetStringLength(gWords[last].WordText);
        const u8 c = m > 0 ? gWords[last].WordText.data[m - 1] : 0;
        if (c == '\'') flags = flags == 5 ? 7 : flags == 1 ? 3 : 2;
        else if (c == '"') flags = flags == 1 ? 3 : flags == 5 ? 7 : 6;
    }
    return last;
}

// Partial matches of the records found for the window of word i: one
// code-2 report per group of records covering the same words.
void ReportPartialMatches(AbbreviationStorage& st, i32 i, i32 w, i32 n, SentenceHitCallback callback,
                          u16 suggestionMode, i32 suggestionWord) {
    i32 lastOf[4] = {};
    u16 flagsOf[4] = {};
    bool done[4] = {};
    for (i32 r = 0; r < n; ++r) lastOf[r] = CoveredWords(i, w, st.records[r].LemmaText, flagsOf[r]);
    for (i32 r = 0; r < n; ++r) {
        if (done[r]) continue;
        const i32 last = lastOf[r];
        const bool suggest = suggestionMode == 1 ||
                             (suggestionMode == 2 && suggestionWord >= i && suggestionWord <= last);
        u16 count = 0;
        for (i32 g = r; g < n; ++g) {
            if (done[g] || lastOf[g] != last) continue;
            done[g] = true;
            if (suggest) BuildSpellingSuggestionList(st.list, st.records[g].LemmaText, flagsOf[g], count);
        }
        if (callback == nullptr) continue;
        const i16 saved = gLastErrorPos;
        gLastErrorPos = static_cast<i16>(i);
        FormatErrorExplanation(kCodeAbbreviation);
        gLastErrorPos = saved;
        callback(i, last, kCodeAbbreviation, static_cast<u16>(w), 0, gExplanationText, count, st.list, 0);
    }
}

// The records of the longest span of the window from word i; their number
// (0: none) and the span's last word in k.
i32 FindRecords(AbbreviationStorage& st, const BoundedString& text, i32 i, i32& k) {
    const i32 n = WindowSize(i);
    for (k = n - 1; k >= 0; --k) {
        if (!SpanText(text, i, i + k, st.span)) continue;
        if (!LexiconKey(st, st.span, st.key)) continue;
        AppendCString(st.key, "?");
        const i32 found = LookupLexRecords(st.key, st.records);
        if (found > 0) return found > 4 ? 4 : found;
    }
    return 0;
}

}  // namespace

void BuildSpellingSuggestionList(StringList& list, const BoundedString& form, u16 quoteFlags,
                                 u16& count) {
    auto add = [&](const char* open, const char* close) {
        if (count >= list.count) return;
        BoundedString& s = list[count];
        CopyCString(s, (quoteFlags & 1) != 0 ? open : "");
        AppendString(s, form);
        if ((quoteFlags & 2) != 0) AppendCString(s, close);
        ++count;
    };
    if (quoteFlags >= 5 && quoteFlags <= 7) {
        add("\"", "\"");
        add("\xD2", "\xD3");
        add("\xC7\xCA", "\xCA\xC8");
    } else if (quoteFlags >= 1 && quoteFlags <= 4) {
        add("'", "'");
        add("\xD4", "\xD5");
    } else {
        add("", "");
    }
}

void MatchLexiconAbbreviations(BoundedString& text, SentenceHitCallback callback,
                               WordMergeCallback mergeCallback, u16 suggestionMode,
                               i32 suggestionWord) {
    AbbreviationStorage& st = Storage();
    for (i32 i = 0; i < gWordCount; ++i) LexiconKey(st, gWords[i].WordText, gWords[i].LexiconForm);
    for (i32 i = 0; i < gWordCount; ++i) {
        if (!HasLexiconForm(i)) continue;
        i32 k = 0;
        const i32 n = FindRecords(st, text, i, k);
        if (n == 0) continue;
        bool merged = false;
        i32 w = i + k;
        for (i32 r = 0; r < n && !merged; ++r) {
            const i32 length = GetStringLength(st.records[r].LemmaText);
            w = i + k;
            while (w > i && !HasLexiconForm(w) && SpanLength(i, w) > length) --w;
            const i32 span = SpanLength(i, w);
            if (span < length || span > length + 2) continue;
            if (!SpanText(text, i, w, st.span)) continue;
            u16 flags = 0;
            if (CompareWordWithCandidate(st.span, st.records[r].LemmaText, flags) == 0) continue;
            MergeIntoToken(i, w - i, st.records[r], flags, mergeCallback);
            merged = true;
        }
        if (!merged) ReportPartialMatches(st, i, w, n, callback, suggestionMode, suggestionWord);
    }
}
