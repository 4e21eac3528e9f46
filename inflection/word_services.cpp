// Word-service export frame, word routines and the spelling suggestion
// core with its export.
#include "inflection/word_services.h"

#include <algorithm>
#include <iterator>
#include <cstring>
#include <new>

#include "frame/bounded_string.h"
#include "frame/loader.h"
#include "frame/mac_roman.h"
#include "frame/mac_roman_literal.h"
#include "frame/report.h"
#include "frame/settings.h"
#include "inflection/inflect.h"
#include "krzlib.h"
#include "morphology/correction_finishing.h"
#include "morphology/section_walk.h"
#include "morphology/word_analysis.h"
#include "morphology/word_lookup.h"
#include "morphology/suggestion_ranking.h"

namespace {

constexpr u32 kAnalysisWorkList = 16;

bool IsAccentedCapital(u8 c) {
    return (c >= 0x80 && c <= 0x86) || c == 0xAE || (c >= 0xCB && c <= 0xCE) || c == 0xD9 ||
           (c >= 0xE5 && c <= 0xEF) || (c >= 0xF1 && c <= 0xF4);
}

bool IsCapital(u8 c) { return (c >= 'A' && c <= 'Z') || IsAccentedCapital(c); }

// A capital without its accent.
u8 PlainCapital(u8 c) {
    if (c >= 'a' && c <= 'z') return static_cast<u8>(c - 32);
    switch (c) {
        case MRC("à"): case MRC("â"): case MRC("ä"): case MRC("ã"): return 'A';
        case MRC("ç"): return 'C';
        case MRC("é"): case MRC("è"): case MRC("ê"): case MRC("ë"): return 'E';
        case MRC("í"): case MRC("ì"): case MRC("î"): case MRC("ï"): return 'I';
        case MRC("ñ"): return MRC("Ñ");
        case MRC("ó"): case MRC("ò"): case MRC("ô"): case MRC("ö"): case MRC("õ"): return 'O';
        case MRC("ú"): case MRC("ù"): case MRC("û"): case MRC("ü"): return 'U';
        case MRC("æ"): return MRC("Æ");
        case MRC("œ"): return MRC("Œ");
        case MRC("ÿ"): return 'Y';
        default: return c;
    }
}

}  // namespace

u16 GetCapitalizationPattern(const BoundedString& word) {
    const i32 n = GetStringLength(word);
    if (n == 0) return 0;
    bool all = true;
    bool accented = false;
    for (i32 i = 0; i < n; ++i) {
        const u8 c = word.data[i];
        if (!IsCapital(c) && c != '-') all = false;
        if (IsAccentedCapital(c)) accented = true;
    }
    const u16 plus = accented ? 1 : 0;
    if (all) return static_cast<u16>(3 + plus);
    return IsCapital(word.data[0]) ? static_cast<u16>(1 + plus) : 0;
}

void UpperCaseWord(BoundedString& word, u16 whole, u16 keepAccents) {
    const i32 n = GetStringLength(word);
    const i32 upTo = whole != 0 ? n : (n > 0 ? 1 : 0);
    for (i32 i = 0; i < upTo; ++i) {
        u8& c = word.data[i];
        c = keepAccents != 0 ? ToUpperMacRoman(c) : PlainCapital(c);
    }
}

void StripLeadingQuote(BoundedString& word) {
    i32 n = GetStringLength(word);
    if (n > 0 && (word.data[0] == '\'' || word.data[0] == '"')) {
        std::memmove(word.data, word.data + 1, static_cast<size_t>(n));
        --n;
    }
    if (n > 0 && (word.data[n - 1] == '\'' || word.data[n - 1] == '"')) word.data[n - 1] = 0;
}

namespace {

struct AccentSearch {
    u16 needVerb;
    u32 leaves = 0;
};

bool IsVowel(u8 c) { return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u'; }

const char* AccentVariants(u8 c) {
    switch (c) {
        case 'a': return MR("aâ");
        case 'c': return MR("cç");
        case 'e': return MR("eéèêë");
        case 'i': return MR("iîï");
        case 'o': return MR("oôö");
        case 'u': return MR("uûü");
        default: return nullptr;
    }
}

bool IsRareAccent(u8 c) {
    static const u8 kRare[] = {MRC("â"), MRC("ä"), MRC("ê"), MRC("ë"), MRC("î"), MRC("ï"),
                               MRC("ô"), MRC("ö"), MRC("û"), MRC("ü"), MRC("ç")};
    return std::find(std::begin(kRare), std::end(kRare), c) != std::end(kRare);
}

StringList& InfinitiveWorkList() {
    static StringList list;
    if (list.valid == 0) InitByteMatrix(list, kAnalysisWorkList, kWordSlotSize);
    return list;
}

bool AccentLeaf(AccentSearch& s, BoundedString& word) {
    ++s.leaves;
    Work36 copy;
    copy.Set(word);
    StringList& slots = InfinitiveWorkList();
    u16 n = 0;
    gCaseMode = 0xFFFF;
    AnalyseWordForms(kModeFrenchPlain, copy.s, n, slots);
    if (n == 0) return false;
    if (s.needVerb == 0) return true;
    u16 count = 0;
    u16 code = InflectWord(769, word, count, slots);
    if (code > 100) code = static_cast<u16>(code - 100);
    return code != kInflectNoVerb;
}

bool AccentVariantFrom(AccentSearch& s, u16 start, BoundedString& word, i32 rare) {
    if (s.leaves >= kMaxAccentVariantLeaves) return false;
    const i32 n = GetStringLength(word);
    bool vowelLeft = false;
    for (i32 i = start; i < n && !vowelLeft; ++i) vowelLeft = IsVowel(word.data[i]);
    if (!vowelLeft && AccentLeaf(s, word)) return true;
    i32 at = -1;
    for (i32 i = start; i < n && at < 0; ++i)
        if (AccentVariants(word.data[i]) != nullptr) at = i;
    if (at < 0) return false;
    const u8 saved = word.data[at];
    for (const char* v = AccentVariants(saved); *v != 0; ++v) {
        const u8 c = static_cast<u8>(*v);
        const i32 r = rare + (IsRareAccent(c) ? 1 : 0);
        if (r > 2) continue;  // three rare accents make no French word
        word.data[at] = c;
        if (AccentVariantFrom(s, static_cast<u16>(at + 1), word, r)) return true;
        if (s.leaves >= kMaxAccentVariantLeaves) break;
    }
    word.data[at] = saved;
    return false;
}

}  // namespace

u16 FindFrenchAccentVariant(u16 start, BoundedString& word, u16 needVerb) {
    AccentSearch s{needVerb};
    i32 rare = 0;
    for (i32 i = 0; i < start && i < GetStringLength(word); ++i) rare += IsRareAccent(word.data[i]) ? 1 : 0;
    return AccentVariantFrom(s, start, word, rare) ? 1 : 0;
}

LanguageScope::LanguageScope(u16 language) : saved(gCheckingLanguage) { SelectLanguageTables(language); }
LanguageScope::~LanguageScope() {
    try {
        SelectLanguageTables(saved);
    } catch (...) {
        gCheckingLanguage = saved;
    }
}

void ImportServiceWord(const char* hostWord, BoundedString& word) {
    ApplyCallOptions();
    const size_t n = hostWord != nullptr ? strnlen(hostWord, kWordSlotSize - 1) : 0;
    TextSet(word, reinterpret_cast<const u8*>(hostWord != nullptr ? hostWord : ""), static_cast<i32>(n));
    ConvertInputToMacRoman(word);
}

void ExportServiceResults(const StringList& results, u32 n, char* buffer, u32 slots) {
    if (buffer == nullptr) return;
    for (u32 i = 0; i < n && i < slots; ++i) {
        char* slot = buffer + i * kWordSlotSize;
        ExportString(slot, results[static_cast<i32>(i)], kWordSlotSize);
        ConvertOutputFromMacRoman(slot);
    }
}

void FinishServiceResults(StringList& results, u32 n, u16 pattern, u16 keepAccents) {
    StringList& slots = InfinitiveWorkList();
    for (u32 i = 0; i < n; ++i) {
        BoundedString& r = results[static_cast<i32>(i)];
        if (gCheckingLanguage != 0) {
            gCaseMode = 0xFFFF;
            gFoundInLexicon = 0;
            Work36 copy;
            copy.Set(r);
            u16 count = 0;
            AnalyseWordForms(kModeFrenchPlain, copy.s, count, slots);
            TextSet(r, copy.s);
            ApplyLigatureSpelling(r, gFoundInLexicon);
        }
        if (pattern > 0) UpperCaseWord(r, pattern == 3 || pattern == 4 ? 1 : 0, keepAccents);
    }
}

namespace {

struct AccentsScope {
    u16 saved = gAccentsOnCapitals;
    ~AccentsScope() { gAccentsOnCapitals = saved; }
};

}  // namespace

u16 SuggestWordsCore(const BoundedString& word, i16& count, StringList& results, u16 accentsOnCapitals,
                     u16 language) {
    LanguageScope scope(language);
    AccentsScope accents;
    gAccentsOnCapitals = accentsOnCapitals;
    count = 0;
    Work36 flat, lower;
    u16 first = 0, second = 0;
    FlattenMacRomanTypography(flat.s, word, first, second, 1);
    const u16 pattern = GetCapitalizationPattern(flat.s);
    CopyLowerCase(lower.s, flat.s);
    if (lower.Length() == 0) return 1;
    StringList& work = InfinitiveWorkList();
    gCaseMode = 0xFFFF;
    gFoundInLexicon = 0;
    u16 n = 0;
    AnalyseWordForms(gCheckingLanguage != 0 ? kModeFrenchPlain : kModeEnglishPlain, flat.s, n, work);
    if (n > 0) return 1;
    static StringList list;
    if (list.valid == 0) InitByteMatrix(list, kSuggestionWorkList, kWordSlotSize);
    gCaseMode = 0xFFFF;
    n = 0;
    const u16 mode = static_cast<u16>(gCheckingLanguage * 256 + 5);
    AnalyseWordForms(mode, lower.s, n, list);
    RankSuggestions(mode, lower.s, list, n);
    const u32 kept = std::min<u32>({n, kSuggestionResultSlots, results.count});
    for (u32 i = 0; i < kept; ++i) TextSet(results[static_cast<i32>(i)], list[static_cast<i32>(i)]);
    FinishServiceResults(results, kept, pattern, accentsOnCapitals);
    count = static_cast<i16>(kept);
    return 0;
}

extern "C" KRZ_API int16_t KRZSuggestions(const char* word, int16_t* count, char* results,
                                          uint16_t accentsOnCapitals, uint16_t language) {
    try {
        if (count != nullptr) *count = 0;
        if (word == nullptr || count == nullptr || results == nullptr) return -1;
        Work36 w;
        ImportServiceWord(word, w.s);
        static StringList out;
        if (out.valid == 0) InitByteMatrix(out, kSuggestionResultSlots, kWordSlotSize);
        i16 n = 0;
        const u16 r = SuggestWordsCore(w.s, n, out, accentsOnCapitals, language);
        *count = n;
        ExportServiceResults(out, static_cast<u32>(n), results, kSuggestionResultSlots);
        return static_cast<int16_t>(r);
    } catch (const std::bad_alloc&) {
        return -8;
    } catch (...) {
        return -1;
    }
}
