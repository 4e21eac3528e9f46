// Stems of a paragraph (the distinct base forms of its content words) and
// the stem analysis (per word its possible base forms, bar-separated).
#include <cstdint>
#include <cstring>

#include "analysis/bar_list.h"
#include "analysis/paragraph_frame.h"
#include "analysis/word_kinds.h"
#include "checking/tokenizer.h"
#include "frame/bounded_string.h"
#include "frame/mac_roman.h"
#include "frame/records.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "krzlib.h"
#include "morphology/token_base_form.h"

namespace {

constexpr u32 kSlot = 36;
constexpr i16 kListCapacity = 360;

// ---- Stems ------------------------------------------------------------------

struct StemWork {
    u16 accents;
    i32 maxStems;
    i16 count;
    u8* stems;  // null: count only
    u32* frequencies;
    i16 overflow;
};

bool InSet(u8 m, const char* set) { return m != 0 && std::strchr(set, m) != nullptr; }

// Function words, signs and punctuation give no stem.
bool ExcludedFromStems(i32 i, u16 code) {
    const WordRecord& w = gWords[i];
    if ((code >= 2 && code <= 9) || (code >= 14 && code <= 20)) return true;
    if (code <= 1) {
        const u8 m = w.ReadingMarks[0];
        if (m > 127) return true;
        if (gCheckingLanguage != 0 && (m == 17 || m == 18 || InSet(m, "J*+-"))) return true;
        if (gCheckingLanguage == 0 && ((m >= 27 && m <= 39) || InSet(m, ";J"))) return true;
    }
    return w.ReadingCategories[0] == 20 || w.ReadingCategories[0] == 21;
}

i32 FindStem(const StemWork& s, const BoundedString& base) {
    const u32 n = TextLen(base);
    for (i32 j = 0; j < s.count; ++j) {
        const char* stem = reinterpret_cast<const char*>(s.stems + j * kSlot);
        if (strnlen(stem, kSlot) == n && std::memcmp(stem, base.data, n) == 0) return j;
    }
    return -1;
}

void ClassifyStemWords(void* context, BoundedString& copy, u32) {
    StemWork& s = *static_cast<StemWork*>(context);
    CheckAnalysedSentence(copy, s.accents, 1);
    for (i32 i = 0; i < static_cast<i32>(gWordCount); ++i) {
        WordRecord& w = gWords[i];
        u16 code = GetTokenBaseForm(static_cast<i16>(i), w.BaseText);
        if (code == 1 && w.ReadingCategories[0] == 10 && w.ReadingClasses[0] > 127) code = 63;
        if (ExcludedFromStems(i, code)) continue;
        if (s.stems == nullptr) {
            if (s.count < INT16_MAX) ++s.count;  // saturates: the host sizes buffers from it
            continue;
        }
        const i32 j = FindStem(s, w.BaseText);
        if (j >= 0) {
            ++s.frequencies[j];
        } else if (s.count < s.maxStems) {
            ExportString(reinterpret_cast<char*>(s.stems + s.count * kSlot), w.BaseText, kSlot);
            s.frequencies[s.count] = 1;
            ++s.count;
        } else {
            s.overflow = 1;
        }
    }
}

i16 StemParagraphWords(const char* text, u16 accents, i32 maxStems, i16* count, u8* stems, u32* frequencies) {
    // The count is an i16: no more slots than it can number.
    StemWork s{accents, maxStems < INT16_MAX ? maxStems : INT16_MAX, 0, stems, frequencies, 0};
    try {
        WalkParagraphSentences(text, TokenSet::kParagraph, ClassifyStemWords, &s);
    } catch (...) {
    }
    if (stems != nullptr)
        for (i32 j = 0; j < s.count; ++j) ConvertOutputFromMacRoman(reinterpret_cast<char*>(stems + j * kSlot));
    *count = s.count;
    return s.overflow;
}

// ---- Stem analysis ----------------------------------------------------------

struct StemAnalysisWork {
    const char* text;  // the host's paragraph
    u32 textLength;
    u16 accents;
    u16 runRules;
    i32 maxEntries;
    u16 count;
    char* words;  // null: count only
    u16* listCounts;
    char* lists;
    u32* starts;
    u32* ends;
    char* classes;
    i16 overflow;
};

// One entry being filled.
struct Entry {
    char* list;
    u16* listCount;
    char* classes;
};

// Adds the item with its class letter; false when it was listed already.
bool AddItem(const Entry& e, const char* item, char letter) {
    if (AddToBarSeparatedList(item, e.list, kListCapacity) == 0) return false;
    ++*e.listCount;
    const size_t n = strnlen(e.classes, kSlot - 1);
    if (n < kSlot - 1) {
        e.classes[n] = letter;
        e.classes[n + 1] = 0;
    }
    return true;
}

using FormService = int16_t (*)(const char*, uint16_t*, char*, uint16_t, uint16_t);

u16 ServiceForms(FormService service, const char* word, u16 accents, char (&forms)[2][kSlot]) {
    u16 n = 0;
    std::memset(forms, 0, sizeof forms);
    service(word, &n, &forms[0][0], accents, gCheckingLanguage);
    return n > 2 ? 2 : n;
}

// The infinitives of the text cut at its first hyphen ("dit-il": "dit"),
// or the cut text itself when it has none.
void AddCutInfinitives(const Entry& e, const char* t, u16 accents) {
    char cut[kSlot] = {};
    std::memcpy(cut, t, strnlen(t, kSlot - 1));
    if (char* hyphen = std::strchr(cut, '-')) *hyphen = 0;
    char again[2][kSlot];
    const u16 m = ServiceForms(KRZInfinitive, cut, accents, again);
    for (u16 j = 0; j < m; ++j) AddItem(e, again[j], 'V');
    if (m == 0) AddItem(e, cut, 'V');
}

// Infinitives of a verb reading; when one is listed already the text is
// tried again without what follows its hyphen. A hyphenated form with no
// infinitive of its own (a verb with its pronoun, "dit-il") is tried the
// same way, so that it is not left without a base form.
void AddInfinitives(const Entry& e, const char* t, u16 accents) {
    char forms[2][kSlot];
    const u16 n = ServiceForms(KRZInfinitive, t, accents, forms);
    if (n == 0 && std::strchr(t, '-') != nullptr) return AddCutInfinitives(e, t, accents);
    for (u16 k = 0; k < n; ++k) {
        if (AddItem(e, forms[k], 'V')) continue;
        return AddCutInfinitives(e, t, accents);
    }
}

char NominalLetter(u8 kind) {
    if (kind == 8 || kind == 9) return 'N';
    if (kind == 10 || kind == 13) return 'A';
    return 'B';
}

bool IsNominalKind(u8 kind) {
    return kind == 8 || kind == 9 || kind == 10 || kind == 11 || kind == 13 || kind == 24;
}

// The paragraph's text of the word's span (a merged address token).
void AddSpanText(const StemAnalysisWork& s, const Entry& e, const WordRecord& w) {
    if (w.StartOffset >= s.textLength || w.EndOffset < w.StartOffset) return;
    u32 n = w.EndOffset - w.StartOffset + 1;
    if (n > s.textLength - w.StartOffset) n = s.textLength - w.StartOffset;
    if (n > static_cast<u32>(kListCapacity) - 1) n = kListCapacity - 1;
    std::memcpy(e.list, s.text + w.StartOffset, n);
    e.list[n] = 0;
    std::strcpy(e.classes, "O");
    *e.listCount = 1;
}

// Opens entry k for word w (filling only).
Entry OpenEntry(StemAnalysisWork& s, const WordRecord& w, const char* t) {
    const u32 k = s.count;
    std::memset(s.words + k * kSlot, 0, kSlot);
    std::memcpy(s.words + k * kSlot, t, strnlen(t, kSlot - 1));
    s.starts[k] = w.StartOffset;
    s.ends[k] = w.EndOffset;
    const Entry e{s.lists + k * static_cast<u32>(kListCapacity), &s.listCounts[k], s.classes + k * kSlot};
    e.list[0] = 0;
    e.classes[0] = 0;
    *e.listCount = 0;
    return e;
}

// One reading of word w; true when the word gets an entry for it.
bool AddReading(StemAnalysisWork& s, const WordRecord& w, i32 r, const char* t, bool& opened, Entry& e) {
    const u8 c = w.ReadingClasses[r];
    const u8 kind = WordKindOfClass(c);
    const bool verb = c >= 128;
    const bool nominal = !verb && IsNominalKind(kind);
    const bool other = !verb && !nominal && t[0] != 0 &&
                       (IsLetterMacRoman(ConvertCharToMacRoman(static_cast<u8>(t[0]))) != 0 ||
                        (t[0] >= '0' && t[0] <= '9')) &&
                       (kind == 19 || kind == 27);
    if (!verb && !nominal && !other) return false;
    if (s.words == nullptr) return true;
    if (!opened) {
        if (static_cast<i32>(s.count) >= s.maxEntries) {
            s.overflow = 1;
            return false;
        }
        e = OpenEntry(s, w, t);
        opened = true;
    }
    if (verb) {
        AddInfinitives(e, t, s.accents);
    } else if (nominal && TextEquals(w.SeparatorText, "<URL>")) {
        AddSpanText(s, e, w);
    } else if (nominal) {
        char forms[2][kSlot];
        const u16 n = ServiceForms(KRZSingular, t, s.accents, forms);
        for (u16 k = 0; k < n; ++k) AddItem(e, forms[k], NominalLetter(kind));
        if (n == 0) AddItem(e, t, NominalLetter(kind));
    } else {
        AddItem(e, t, 'O');
    }
    return true;
}

void BuildStemAnalysisList(void* context, BoundedString& copy, u32) {
    StemAnalysisWork& s = *static_cast<StemAnalysisWork*>(context);
    CheckAnalysedSentence(copy, s.accents, static_cast<u16>(s.runRules));
    for (i32 i = 0; i < static_cast<i32>(gWordCount); ++i) {
        if (gSentenceEndWord >= 1 && i == gSentenceEndWord) break;
        const WordRecord& w = gWords[i];
        char t[kSlot] = {};
        ExportString(t, w.SeparatorText, kSlot);
        ConvertOutputFromMacRoman(t);
        bool entry = false, opened = false;
        Entry e{};
        const i32 readings = w.ReadingCount < kReadingSlots ? w.ReadingCount : kReadingSlots;
        for (i32 r = 0; r < readings; ++r) entry = AddReading(s, w, r, t, opened, e) || entry;
        if (entry && (s.words == nullptr || opened) && s.count < UINT16_MAX) ++s.count;  // saturates
    }
}

i16 AnalyseParagraphStems(const char* text, u16 accents, i32 maxEntries, u16* count, char* words, u16* listCounts,
                          u8* lists, u32* starts, u32* ends, char* classes, u32 runRules) {
    // The count is a u16: no more entries than it can number.
    StemAnalysisWork s{text, static_cast<u32>(std::strlen(text)), accents, static_cast<u16>(runRules != 0 ? 1 : 0),
                       maxEntries < UINT16_MAX ? maxEntries : UINT16_MAX, 0, words, listCounts, reinterpret_cast<char*>(lists), starts, ends, classes, 0};
    try {
        WalkParagraphSentences(text, TokenSet::kAnalysis, BuildStemAnalysisList, &s);
    } catch (...) {
    }
    *count = s.count;
    return s.overflow;
}

bool StemBuffersGiven(const void* a, const void* b, const void* c, const void* d, const void* e, const void* f) {
    return a != nullptr && b != nullptr && c != nullptr && d != nullptr && e != nullptr && f != nullptr;
}

}  // namespace

extern "C" KRZ_API int16_t KRZStem(const char* text, uint32_t accentsOnCapitals, int32_t maxStems, int16_t* count,
                                   uint8_t* stems, uint32_t* frequencies) {
    if (count == nullptr) return 0;
    *count = 0;
    ApplyCallOptions();
    if (text == nullptr || stems == nullptr || frequencies == nullptr) return 0;
    return StemParagraphWords(text, static_cast<u16>(accentsOnCapitals), maxStems, count, stems, frequencies);
}

extern "C" KRZ_API int16_t KRZCountMaxStemForms(const char* text, uint32_t accentsOnCapitals, int16_t* count) {
    if (count == nullptr) return 0;
    *count = 0;
    ApplyCallOptions();
    if (text == nullptr) return 0;
    return StemParagraphWords(text, static_cast<u16>(accentsOnCapitals), 0, count, nullptr, nullptr);
}

extern "C" KRZ_API int16_t KRZStemAnalysis(const char* text, uint32_t accentsOnCapitals, int32_t maxEntries,
                                           uint16_t* count, char* words, uint16_t* listCounts, uint8_t* lists,
                                           uint32_t* starts, uint32_t* ends, char* classes, uint32_t runRules) {
    if (count == nullptr) return 0;
    *count = 0;
    ApplyCallOptions();
    if (text == nullptr || !StemBuffersGiven(words, listCounts, lists, starts, ends, classes)) return 0;
    return AnalyseParagraphStems(text, static_cast<u16>(accentsOnCapitals), maxEntries, count, words, listCounts,
                                 lists, starts, ends, classes, runRules);
}

extern "C" KRZ_API int16_t KRZCountMaxStemAnalysisForms(const char* text, uint32_t accentsOnCapitals,
                                                        uint16_t* count, uint32_t runRules) {
    if (count == nullptr) return 0;
    *count = 0;
    ApplyCallOptions();
    if (text == nullptr) return 0;
    return AnalyseParagraphStems(text, static_cast<u16>(accentsOnCapitals), 0, count, nullptr, nullptr, nullptr,
                                 nullptr, nullptr, nullptr, runRules);
}
