// Word-level analysis exports: the word at an offset of a paragraph
// described in its sentence, one word's kinds out of context, whether the
// English dictionary knows a word, and the bounds of the word at an offset.
#include <cstdio>
#include <cstring>

#include "analysis/checked_sentence.h"
#include "analysis/paragraph_frame.h"
#include "analysis/word_description.h"
#include "analysis/word_kinds.h"
#include "checking/recorders.h"
#include "checking/sentence_check.h"
#include "checking/tokenizer.h"
#include "frame/automata.h"
#include "frame/bounded_string.h"
#include "frame/mac_roman.h"
#include "frame/records.h"
#include "frame/report.h"
#include "frame/sentence_state.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "inflection/word_exports.h"
#include "inflection/word_services.h"
#include "krzlib.h"
#include "morphology/dictionary_tests.h"

namespace {

constexpr u32 kTextSlot = 120;
constexpr u32 kSynonymSlot = 1000;
constexpr u16 kAltSlots = 8, kFormSlots = 12, kMainSlots = 10, kSynonymSlots = 10;

// The working lists of KRZGetWordAnalysis.
struct DescriptionLists {
    StringList alt, form, main, synonyms;
    DescriptionLists() {
        InitByteMatrix(alt, kAltSlots, kTextSlot);
        InitByteMatrix(form, kFormSlots, kTextSlot);
        InitByteMatrix(main, kMainSlots, kTextSlot);
        InitByteMatrix(synonyms, kSynonymSlots, kSynonymSlot);
    }
};

// The host's outputs of KRZGetWordAnalysis.
struct WordAnalysisOut {
    int16_t* altCount;
    char* altTexts;
    int16_t* formCount;
    char* formTexts;
    int16_t* mainCount;
    char* mainTexts;
    uint16_t* specialSlots;
    int16_t* synonymCount;
    char* synonymTexts;
    char* baseForm;
};

void ExportSlot(char* buffer, const BoundedString& s, u32 size) {
    ExportString(buffer, s, size);
    ConvertOutputFromMacRoman(buffer);
}

void ExportList(const StringList& list, u16 n, char* buffer, u32 size) {
    for (u16 k = 0; k < n; ++k) ExportSlot(buffer + k * size, list[k], size);
}

void ExportCString(char* buffer, const char* text, u32 size) {
    const size_t n = std::strlen(text);
    buffer[0] = 0;
    if (n + 1 > size) return;
    std::memcpy(buffer, text, n + 1);
    ConvertOutputFromMacRoman(buffer);
}

// Register line of slot 1: "<title> : <register name>".
void ExportRegister(char* slot, i16 k) {
    char line[kSynonymSlot] = {};
    const BoundedString& title = gCategoryNames.ClampedAt(94);
    const BoundedString& name = gCategoryNames.ClampedAt(86 + k);
    std::snprintf(line, sizeof line, "%.*s : %.*s", static_cast<int>(TextLen(title)), title.data,
                  static_cast<int>(TextLen(name)), name.data);
    ExportCString(slot, line, kSynonymSlot);
}

// French synonyms and register (slots 0 and 1 of argument 14).
void ExportSynonyms(const WordAnalysisOut& o, const DescriptionLists& l, u16 synonymCount) {
    char* slots = o.synonymTexts;
    const i16 listed = synonymCount < 11 ? static_cast<i16>(synonymCount - 1) : 9;
    *o.synonymCount = listed;
    for (i16 k = 1; k <= listed; ++k) ExportSlot(slots + (k + 1) * kSynonymSlot, l.synonyms[k], kSynonymSlot);
    slots[0] = 0;
    slots[kSynonymSlot] = 0;
    u16 special = 0;
    const i16 detail = static_cast<i16>(gErrorDetail);
    if (detail > 127) {
        special = 1;
        ExportSlot(slots, l.synonyms[0], kSynonymSlot);
    }
    const i16 k = static_cast<i16>(detail % 128);
    if (k >= 1 && k <= 5) {
        special = static_cast<u16>(special + 2);
        ExportRegister(slots + kSynonymSlot, k);
    }
    *o.specialSlots = special;
}

void ExportDescription(const WordAnalysisOut& o, const DescriptionLists& l, const WordDescription& d) {
    *o.altCount = static_cast<int16_t>(d.altCount < kAltSlots ? d.altCount : kAltSlots);
    *o.formCount = static_cast<int16_t>(d.formCount < kFormSlots ? d.formCount : kFormSlots);
    *o.mainCount = static_cast<int16_t>(d.mainCount < kMainSlots ? d.mainCount : kMainSlots);
    ExportList(l.alt, static_cast<u16>(*o.altCount), o.altTexts, kTextSlot);
    ExportList(l.form, static_cast<u16>(*o.formCount), o.formTexts, kTextSlot);
    ExportList(l.main, static_cast<u16>(*o.mainCount > 0 ? *o.mainCount : 1), o.mainTexts, kTextSlot);
    ExportSlot(o.baseForm, gWords.ClampedAt(gTrackedWord).BaseText, kWordSlotSize);
    if (gCheckingLanguage == 3) {
        ExportSynonyms(o, l, d.synonymCount);
    } else {
        *o.specialSlots = 0;
        *o.synonymCount = 0;
        o.synonymTexts[0] = 0;
        o.synonymTexts[kSynonymSlot] = 0;
    }
}

// Reads the sentence that holds `offset` into the word table and tracks
// the word there; false when no token was read.
bool CollectTrackedSentence(ParagraphWalk& w, u32 offset, u32& start, u32& end) {
    gTrackedWord = 65535;
    bool read = false;
    for (;;) {
        i32 first = 0, last = 0;
        const u16 r = ReadWalkToken(w, first, last);
        if (r == kNoWalkToken) break;
        read = true;
        if (gTrackedWord == 65535 && gWordCount != 0 && static_cast<u32>(last) >= offset) {
            gTrackedWord = static_cast<u16>(gWordCount - 1);
            start = static_cast<u32>(first);
            end = static_cast<u32>(last);
        }
        if (r == kTokenStartsSentence) break;
        w.position = static_cast<u32>(last) + 1;
        gCurrentOffset = w.position;
        // The last token read stands for an offset past every word.
        if (gTrackedWord == 65535 && gWordCount != 0) {
            start = static_cast<u32>(first);
            end = static_cast<u32>(last);
        }
    }
    if (read && gTrackedWord == 65535 && gWordCount != 0) gTrackedWord = static_cast<u16>(gWordCount - 1);
    return read && gWordCount != 0;
}

int16_t AnalyseWordAt(const char* text, uint32_t* start, uint32_t* end, u16 accents, const WordAnalysisOut& o) {
    const u32 length = static_cast<u32>(std::strlen(text));
    if (*start >= length) return 0;
    AnalysisWalk a(text, *start, TokenSet::kParagraph);
    u32 first = *start, last = *start;
    if (!CollectTrackedSentence(a.walk, *start, first, last)) return 0;
    *start = first;
    *end = last;
    // Another word of the sentence checked last: its check is put back.
    if (!ReplayTrackedSentence(a.walk.copy, a.walk.sentenceStart, accents)) {
        gTrackedFirstCode = 0;
        gTrackedSpellingHit = 0;
        gHitHistoryCount = 0;
        CheckTrackedSentence(a.walk.copy, a.walk.sentenceStart, accents);
    }
    if (gTrackedWord < 65535) {
        if (gTrackedSpellingHit != 0) gTrackedFirstCode = 1;
        gAnalysisMode = 0;
        static DescriptionLists lists;
        WordDescription d{lists.alt, lists.form, lists.main, lists.synonyms};
        DescribeWordAnalysis(gTrackedFirstCode, gTrackedWord, d);
        if (gTrackedSpellingHit == 0) ExportDescription(o, lists, d);
    }
    if (gTrackedFirstCode == 1) return 2;
    return gTrackedFirstCode == 0 ? 1 : 3;
}

void ClearWordAnalysisOutputs(const WordAnalysisOut& o) {
    *o.altCount = 0;
    *o.formCount = 0;
    *o.mainCount = 0;
    *o.synonymCount = 0;
    o.baseForm[0] = 0;
    o.altTexts[0] = 0;
    o.formTexts[0] = 0;
    o.mainTexts[0] = 0;
    o.synonymTexts[0] = 0;
    o.synonymTexts[kSynonymSlot] = 0;
}

}  // namespace

extern "C" KRZ_API int16_t KRZGetWordAnalysis(const char* text, uint32_t* start, uint32_t* end, uint32_t,
                                              uint32_t accentsOnCapitals, int16_t* altCount, char* altTexts,
                                              int16_t* formCount, char* formTexts, int16_t* mainCount,
                                              char* mainTexts, uint16_t* specialSlots, int16_t* synonymCount,
                                              char* synonymTexts, char* baseForm) {
    const WordAnalysisOut o{altCount, altTexts, formCount, formTexts, mainCount, mainTexts,
                            specialSlots, synonymCount, synonymTexts, baseForm};
    if (text == nullptr || start == nullptr || end == nullptr || altCount == nullptr || altTexts == nullptr ||
        formCount == nullptr || formTexts == nullptr || mainCount == nullptr || mainTexts == nullptr ||
        specialSlots == nullptr || synonymCount == nullptr || synonymTexts == nullptr || baseForm == nullptr)
        return 0;
    ClearWordAnalysisOutputs(o);
    ApplyCallOptions();
    try {
        return AnalyseWordAt(text, start, end, static_cast<u16>(accentsOnCapitals), o);
    } catch (...) {
        ResetSentenceState();
        return 0;
    }
}

extern "C" KRZ_API int16_t KRZOneWordAnalysis(const char* word, uint16_t* kindCount, uint8_t* kinds,
                                              int16_t* suggestionCount, char* suggestions,
                                              uint16_t accentsOnCapitals, uint16_t wantSuggestions,
                                              int16_t language) {
    if (kindCount != nullptr) *kindCount = 0;
    if (suggestionCount != nullptr) *suggestionCount = 0;
    if (word == nullptr || kindCount == nullptr || kinds == nullptr || suggestionCount == nullptr ||
        (wantSuggestions != 0 && suggestions == nullptr))
        return 0;
    try {
        Work36 w;
        ImportServiceWord(word, w.s);
        u8 classBytes[kMaxWordClasses] = {};
        BoundedArray<u8> classes;
        classes.View(classBytes, kMaxWordClasses);
        u16 count = 0;
        if (OneWordAnalysisCore(w.s, count, classes, accentsOnCapitals, static_cast<u16>(language)) != 0) {
            if (count > kMaxWordClasses) count = kMaxWordClasses;
            for (u16 i = 0; i < count; ++i) kinds[i] = WordKindOfClass(classBytes[i]);
            *kindCount = count;
            return 1;
        }
        if (wantSuggestions == 0) return 0;
        static StringList out;
        if (out.valid == 0) InitByteMatrix(out, kSuggestionWorkList, kWordSlotSize);
        i16 n = 0;
        SuggestWordsCore(w.s, n, out, accentsOnCapitals, static_cast<u16>(language));
        if (n > static_cast<i16>(kSuggestionResultSlots)) n = kSuggestionResultSlots;
        if (n < 0) n = 0;
        ExportServiceResults(out, static_cast<u32>(n), suggestions, kSuggestionResultSlots);
        *suggestionCount = n;
        return 0;
    } catch (...) {
        return 0;
    }
}

extern "C" KRZ_API int16_t corpusEnglish(const char* word) {
    if (word == nullptr) return 0;
    try {
        Work36 w;
        ImportServiceWord(word, w.s);
        return static_cast<int16_t>(IsEnglishDictionaryWord(w.s));
    } catch (...) {
        return 0;
    }
}

extern "C" KRZ_API int16_t KRZGetIndexWord(const char* text, uint32_t* start, uint32_t* end) {
    ApplyCallOptions();
    if (text == nullptr || start == nullptr || end == nullptr) return 0;
    try {
        const u32 length = static_cast<u32>(std::strlen(text));
        if (*start >= length || *end >= length) return 0;
        BoundedString copy;
        copy.Allocate(length + 1);
        std::memcpy(copy.data, text, length);
        ConvertInputToMacRoman(copy);
        i32 first = 0, last = 0, p = 0;
        bool found = false;
        u32 s = 0, e = 0;
        while (RunCharAutomatonOnString(gIndexWordAutomaton, gIndexWordAutomatonSize, copy, p, first, last) != 0) {
            found = true;
            s = static_cast<u32>(first);
            e = static_cast<u32>(last);
            if (e >= *start) break;
            p = last + 1;
        }
        if (!found) return 0;
        *start = s;
        *end = e;
        return 1;
    } catch (...) {
        return 0;
    }
}
