// Word-service cores and their exports: infinitive, conjugation, plural,
// singular, and the one-word analysis used by the analysis services.
#include "inflection/word_exports.h"

#include <algorithm>
#include <new>

#include "frame/bounded_string.h"
#include "frame/mac_roman.h"
#include "frame/report.h"
#include "frame/settings.h"
#include "inflection/inflect.h"
#include "inflection/word_services.h"
#include "krzlib.h"
#include "morphology/section_walk.h"
#include "morphology/word_analysis.h"
#include "morphology/word_lookup.h"

namespace {

// The engine works in a list larger than any host buffer (its candidates
// live there); only the first results are handed on.
constexpr u32 kEngineList = 16;

StringList& EngineList() {
    static StringList list;
    if (list.valid == 0) InitByteMatrix(list, kEngineList, kWordSlotSize);
    return list;
}

StringList& SlotList(StringList& list, u32 slots) {
    if (list.valid == 0) InitByteMatrix(list, slots, kWordSlotSize);
    return list;
}

enum class Service { kVerb, kNumberForm };

// The word as the cores work on it.
struct PreparedWord {
    Work36 lower;
    u16 pattern = 0;
    u16 accents = 0;  // results keep accents on capitals
};

// Prologue of the cores (the language is selected): 0 to go on, else the
// code the core returns.
u16 PrepareWord(const BoundedString& word, u16 accentsArg, Service service, u16 emptyCode, PreparedWord& p) {
    Work36 flat;
    u16 first = 0, second = 0;
    FlattenMacRomanTypography(flat.s, word, first, second, 1);
    StripLeadingQuote(flat.s);
    if (flat.Length() == 0) return emptyCode;
    p.pattern = GetCapitalizationPattern(flat.s);
    p.accents = accentsArg != 0 || p.pattern == 2 || p.pattern == 4 ? 1 : 0;
    CopyLowerCase(p.lower.s, flat.s);
    // A capitalised French word may have lost its accents.
    if (gCheckingLanguage == 0 || p.accents != 0 || p.pattern < 1) return 0;
    if (service == Service::kVerb) {
        if (FindFrenchAccentVariant(0, p.lower.s, 1) != 0) return 0;
        return FindFrenchAccentVariant(0, p.lower.s, 0) != 0 ? kInflectNoVerb : kInflectRefused;
    }
    return FindFrenchAccentVariant(0, p.lower.s, 0) != 0 ? 0 : kInflectRefused;
}

// Engine mode of an operation in the selected language (10 and 11 run on
// the French data as 3).
u32 EngineMode(u32 operation) { return (gCheckingLanguage != 0 ? 0x300u : 0u) + operation; }

// The first results of the engine's list into the caller's, in the typed
// word's shape; the number kept.
u16 HandOver(const StringList& work, u16 n, StringList& results, const PreparedWord& p) {
    const u32 kept = std::min<u32>({n, kEngineList, results.count});
    for (u32 i = 0; i < kept; ++i) TextSet(results[static_cast<i32>(i)], work[static_cast<i32>(i)]);
    FinishServiceResults(results, kept, p.pattern, p.accents);
    return static_cast<u16>(kept);
}

u16 WithoutMark(u16 code) { return code > 100 ? static_cast<u16>(code - 100) : code; }

// Verb class value of the conjugation flags from the engine's high byte.
u16 ClassValue(u8 high) { return high < 0xA0 ? 1 : static_cast<u16>((high >> 4) - 0xA + 2); }

u16 NumberFormCore(u8 operation, const BoundedString& word, i16& count, StringList& results, u16 accents,
                   u16 language) {
    count = 0;
    LanguageScope scope(language);
    PreparedWord p;
    const u16 early = PrepareWord(word, accents, Service::kNumberForm, kEmptyNumberForm, p);
    if (early != 0) return early;
    StringList& work = EngineList();
    u16 n = 0;
    if (gCheckingLanguage == 0) {
        // An English word the engine refuses in lower case may be a name.
        if (WithoutMark(InflectWord(operation, p.lower.s, n, work)) == kInflectRefused) {
            UpperCaseWord(p.lower.s, 0, p.accents);
            if (p.pattern == 0) p.pattern = GetCapitalizationPattern(p.lower.s);
        }
        n = 0;
    }
    u16 r = WithoutMark(InflectWord(EngineMode(operation), p.lower.s, n, work));
    if (operation == 3 && r == kInflectSameForm) r = kInflectLexiconAmbiguous;
    const u16 kept = HandOver(work, n, results, p);
    count = static_cast<i16>(kept);
    return kept > 0 ? 0 : r;
}

struct AccentsOnCapitalsScope {
    u16 saved = gAccentsOnCapitals;
    ~AccentsOnCapitalsScope() { gAccentsOnCapitals = saved; }
};

}  // namespace

u16 InfinitiveCore(const BoundedString& word, u16& count, StringList& results, u16 accents, u16 language) {
    count = 0;
    LanguageScope scope(language);
    PreparedWord p;
    const u16 early = PrepareWord(word, accents, Service::kVerb, kEmptyInfinitive, p);
    if (early != 0) return early;
    StringList& work = EngineList();
    u16 n = 0;
    u16 r = WithoutMark(InflectWord(EngineMode(1), p.lower.s, n, work));
    if (r == kInflectSameForm) r = kInflectLexiconAmbiguous;
    count = HandOver(work, n, results, p);
    return r;
}

namespace {

// The tenses of the checking language: French 0 to 9 and -9, -8 (related
// words); English 10 (principal parts).
bool IsTenseOfLanguage(u16 tense) {
    if (gCheckingLanguage == 0) return tense == 10;
    return tense <= 9 || tense == static_cast<u16>(-9) || tense == static_cast<u16>(-8);
}

}  // namespace

u16 ConjugateCore(u16 tense, const BoundedString& word, i16& count, StringList& results, u16& flags,
                  u16 accents, u16 language) {
    count = 0;
    flags = 0;
    LanguageScope scope(language);
    if (!IsTenseOfLanguage(tense)) return kTenseRefused;
    PreparedWord p;
    const u16 early = PrepareWord(word, accents, Service::kVerb, kEmptyConjugation, p);
    if (early != 0) return early;
    u32 mode = 30;  // English principal parts
    if (gCheckingLanguage != 0) mode = static_cast<u16>(0x314 + tense);  // -9 and -8 give operations 11 and 12
    StringList& work = EngineList();
    u16 n = 0;
    const u16 r = InflectWord(mode, p.lower.s, n, work);
    u16 model = static_cast<u16>(r & 0xFF);
    const u8 high = static_cast<u8>(r >> 8);
    if (model > 100) {
        flags = 1;
        model = static_cast<u16>(model - 100);
    }
    if (model == kInflectSameForm) model = kInflectLexiconAmbiguous;
    if ((high & 0x0F) == 8) flags = static_cast<u16>(flags + 16);
    flags = static_cast<u16>(flags + 2 * ClassValue(high));
    count = static_cast<i16>(HandOver(work, n, results, p));
    // Related words report their number: the number handed over.
    const bool related = gCheckingLanguage != 0 && (mode & 0xFF) >= 11 && (mode & 0xFF) <= 12;
    if (related && n > 0) model = static_cast<u16>(count);
    return model;
}

u16 PluralCore(const BoundedString& word, i16& count, StringList& results, u16 accents, u16 language) {
    return NumberFormCore(3, word, count, results, accents, language);
}

u16 SingularCore(const BoundedString& word, i16& count, StringList& results, u16 accents, u16 language) {
    return NumberFormCore(4, word, count, results, accents, language);
}

u16 OneWordAnalysisCore(const BoundedString& word, u16& count, BoundedArray<u8>& classes,
                        u16 accentsOnCapitals, u16 language) {
    LanguageScope scope(language);
    AccentsOnCapitalsScope accents;
    gAccentsOnCapitals = accentsOnCapitals;
    count = 0;
    Work36 flat;
    u16 first = 0, second = 0;
    FlattenMacRomanTypography(flat.s, word, first, second, 1);
    if (flat.Length() == 0) return 1;
    gCaseMode = kCaseAsked;
    gFoundInLexicon = 0;
    u16 n = 0;
    static StringList work;
    if (work.valid == 0) InitByteMatrix(work, 16, kWordSlotSize);
    AnalyseWordForms(gCheckingLanguage != 0 ? kModeFrenchPlain : kModeEnglishPlain, flat.s, n, work);
    if (n == 0) return 0;
    const u32 analyses = std::min<u32>(n, kMaxWordClasses);
    u32 kept = 0;
    for (u32 i = 0; i < analyses && kept < classes.count; ++i) {
        u8 c = static_cast<u8>(gWordTagCodes[static_cast<i32>(i)] >> 8);
        if (gCheckingLanguage == 0) {
            switch (c) {
                case '8': c = 'B'; break;
                case '9': c = 'A'; break;
                case ':': c = 0x14; break;
                case ';': c = 0x80; break;
                case '7': c = 'C'; break;
                default: break;
            }
        }
        bool seen = false;
        for (u32 k = 0; k < kept && !seen; ++k) seen = classes[static_cast<i32>(k)] == c;
        if (!seen) classes[static_cast<i32>(kept++)] = c;
    }
    count = static_cast<u16>(kept);
    return 1;
}

// ---- Exports ------------------------------------------------------------------

namespace {

template <typename Fn>
int16_t Guarded(Fn fn) {
    try {
        return fn();
    } catch (const std::bad_alloc&) {
        return -8;
    } catch (...) {
        return -1;
    }
}

}  // namespace

extern "C" KRZ_API int16_t KRZInfinitive(const char* word, uint16_t* count, char* results, uint16_t accentsOnCapitals,
                                         uint16_t language) {
    if (count != nullptr) *count = 0;
    if (word == nullptr || count == nullptr || results == nullptr) return -1;
    return Guarded([&]() -> int16_t {
        Work36 w;
        ImportServiceWord(word, w.s);
        static StringList out;
        u16 n = 0;
        const u16 r = InfinitiveCore(w.s, n, SlotList(out, kInfinitiveSlots), accentsOnCapitals, language);
        *count = std::min<u16>(n, kInfinitiveSlots);
        ExportServiceResults(out, *count, results, kInfinitiveSlots);
        return static_cast<int16_t>(r);
    });
}

extern "C" KRZ_API int16_t KRZConjugate2(const char* word, uint16_t tense, int16_t* count, char* results,
                                         uint16_t* flags, uint16_t accentsOnCapitals, uint16_t language) {
    if (count != nullptr) *count = 0;
    if (flags != nullptr) *flags = 0;
    if (word == nullptr || count == nullptr || results == nullptr || flags == nullptr) return -1;
    return Guarded([&]() -> int16_t {
        Work36 w;
        ImportServiceWord(word, w.s);
        static StringList out;
        i16 n = 0;
        u16 f = 0;
        const u16 r =
            ConjugateCore(tense, w.s, n, SlotList(out, kConjugationSlots), f, accentsOnCapitals, language);
        *count = static_cast<int16_t>(std::clamp<i16>(n, 0, kConjugationSlots));
        *flags = f;
        ExportServiceResults(out, static_cast<u32>(*count), results, kConjugationSlots);
        return static_cast<int16_t>(r);
    });
}

extern "C" KRZ_API int16_t KRZConjugate(const char* word, uint16_t tense, int16_t* count, char* results,
                                        uint16_t* flag, uint16_t accentsOnCapitals, uint16_t language) {
    if (flag != nullptr) *flag = 0;
    if (flag == nullptr) return -1;
    uint16_t flags = 0;
    const int16_t r = KRZConjugate2(word, tense, count, results, &flags, accentsOnCapitals, language);
    if (flag != nullptr) *flag = static_cast<uint16_t>(flags & 1);
    return r;
}

namespace {

template <typename Count>
int16_t NumberFormExport(u16 (*core)(const BoundedString&, i16&, StringList&, u16, u16), StringList& out,
                         const char* word, Count* count, char* results, uint16_t accentsOnCapitals,
                         uint16_t language) {
    if (count != nullptr) *count = 0;
    if (word == nullptr || count == nullptr || results == nullptr) return -1;
    return Guarded([&]() -> int16_t {
        Work36 w;
        ImportServiceWord(word, w.s);
        i16 n = 0;
        const u16 r = core(w.s, n, SlotList(out, kNumberFormSlots), accentsOnCapitals, language);
        *count = static_cast<Count>(std::clamp<i16>(n, 0, kNumberFormSlots));
        ExportServiceResults(out, static_cast<u32>(*count), results, kNumberFormSlots);
        return static_cast<int16_t>(r);
    });
}

}  // namespace

extern "C" KRZ_API int16_t KRZPlural(const char* word, int16_t* count, char* results, uint16_t accentsOnCapitals,
                                     uint16_t language) {
    static StringList out;
    return NumberFormExport(PluralCore, out, word, count, results, accentsOnCapitals, language);
}

extern "C" KRZ_API int16_t KRZSingular(const char* word, uint16_t* count, char* results,
                                       uint16_t accentsOnCapitals, uint16_t language) {
    static StringList out;
    return NumberFormExport(SingularCore, out, word, count, results, accentsOnCapitals, language);
}
