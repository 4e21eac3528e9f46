// Lookup of one exact word form (see word_lookup.h).
#include "morphology/word_lookup.h"

#include <cstring>

#include "frame/bounded_string.h"
#include "frame/loader.h"
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "lexicon/lex_lookup.h"
#include "lexicon/lex_records.h"
#include "morphology/dict_format.h"
#include "morphology/reserved_sections.h"
#include "morphology/section_walk.h"
#include "morphology/word_analysis.h"
#include "morphology/word_marks.h"

u16 gCaseMode = 0;
u16 gFoundInLexicon = 0;

namespace {

constexpr u8 kLigatureAe = 0xBE;  // æ
constexpr u8 kLigatureOe = 0xCF;  // œ
constexpr u8 kCCedilla = 0x8D;    // ç
constexpr u8 kOCircumflex = 0x99; // ô
constexpr u32 kOperationMaxLength = 14;

// Fixed lemma references of one-letter words.
constexpr u32 kRefPreposition = 60;
constexpr u32 kRefY = 62;

// Lexicon markers, in probe order.
constexpr u8 kOperationMarkers[] = {0x40, 0x41, 0x42, 0x3C, 0x3D};
constexpr u8 kPlainFrenchMarkers[] = {0x3C, 0x3D, 0x3E, 0x3F, 0x40, 0x41, 0x42};
constexpr u8 kEnglishMarkers[] = {0x38, 0x39, 0x3A, 0x3B, 0x40};

// English: the two-letter sections lie below this number; the lookup never
// walks a section at or above it.
constexpr i32 kEnglishSectionLimit = 519;
// English fixed lemma reference of the pronoun "I".
constexpr u32 kRefPronounI = 40;

struct Lookup {
    u16 mode = 0;
    BoundedString* word = nullptr;
    BoundedArray<u16>* tags = nullptr;
    u16* count = nullptr;
    KeyText text;
};

// Walks `section` under its reserved key (prefix + word).
i16 WalkReserved(const Lookup& l, u16 mode, i16 section, u16& count) {
    const char* prefix = ReservedKeyPrefix(section);
    return WalkReservedKey(mode, section, reinterpret_cast<const u8*>(prefix),
                           static_cast<u32>(std::strlen(prefix)), l.text.bytes, l.text.length,
                           *l.tags, count);
}
i16 WalkReserved(const Lookup& l, i16 section) { return WalkReserved(l, l.mode, section, *l.count); }

// The two-letter section of the word through the letter codes; 0 when a
// first or second byte has no code or the pair has no section. `coded` is
// false when a byte has no code.
i32 TwoLetterSection(const KeyText& text, bool& coded) {
    const u32 c1 = gLetterCodes[text.At(0)];
    const u32 c2 = gLetterCodes[text.At(1)];
    coded = c1 != 0 && c2 != 0;
    if (!coded) return 0;
    if (c1 - 1 >= gPrefixSectionMatrix.count) return 0;
    const BoundedArray<u16>& row = gPrefixSectionMatrix.data[c1 - 1];
    if (c2 - 1 >= row.count) return 0;
    return row.data[c2 - 1];
}

i16 WalkTwoLetterSection(const Lookup& l, i32 section) {
    if (section <= 0 || section >= gDictSectionCount) return 0;
    return LookupInDictSection(l.mode, static_cast<i16>(section), *l.word, *l.tags, *l.count);
}

bool HoldsHyphen(const KeyText& text) {
    return text.length != 0 && std::memchr(text.bytes, kMarkHyphen, text.length) != nullptr;
}

// æ -> ae, œ -> oe in place. False when the expanded word would exceed 30
// bytes or its array (the word is then left as it was).
bool ExpandLigatures(BoundedString& word) {
    const u32 length = static_cast<u32>(GetStringLength(word));
    u32 ligatures = 0;
    for (u32 i = 0; i < length; ++i)
        if (word.data[i] == kLigatureAe || word.data[i] == kLigatureOe) ++ligatures;
    if (ligatures == 0) return true;
    const u32 expanded = length + ligatures;
    if (expanded > kMaxExpandedWordLength || expanded > word.count) return false;
    if (expanded < word.count) word.data[expanded] = 0;
    u32 to = expanded;
    for (u32 from = length; from-- > 0;) {
        const u8 c = word.data[from];
        if (c == kLigatureAe || c == kLigatureOe) {
            word.data[--to] = 'e';
            word.data[--to] = c == kLigatureAe ? 'a' : 'o';
        } else {
            word.data[--to] = c;
        }
    }
    return true;
}

// ---- User lexicon ---------------------------------------------------------------

FormEntry& ProbeEntry() {
    static FormEntry entry;
    static const bool ready = (InitFormEntry(entry), true);
    (void)ready;
    return entry;
}

BoundedArray<FormEntry>& ProbeRecords() {
    static BoundedArray<FormEntry> records;
    static const bool ready = (InitFormEntryArray(records, 4), true);
    (void)ready;
    return records;
}

// Operation path: found or not, under the markers in order.
bool ProbeLexEntry(const Lookup& l, const u8* markers, u32 markerCount) {
    u8 bytes[kLexKeyCapacity];
    BoundedString key;
    key.View(bytes, kLexKeyCapacity);
    for (u32 m = 0; m < markerCount; ++m) {
        const u8 marker = markers[m];
        BuildLexKey(*l.word, marker, key);
        if (LookupLexEntry(key, ProbeEntry()) != 0) {
            gFoundInLexicon = 1;
            return true;
        }
    }
    return false;
}

// Plain and hyphen paths: every record under every marker adds an analysis.
bool ProbeLexEntry(const Lookup& l) {
    return ProbeLexEntry(l, kOperationMarkers, sizeof kOperationMarkers);
}

u32 ProbeLexRecords(const Lookup& l, bool hyphenPath) {
    u8 bytes[kLexKeyCapacity];
    BoundedString key;
    key.View(bytes, kLexKeyCapacity);
    BoundedArray<FormEntry>& records = ProbeRecords();
    u32 found = 0;
    const bool english = gCheckingLanguage == 0;
    const u8* markers = english ? kEnglishMarkers : kPlainFrenchMarkers;
    const u32 markerCount = english ? sizeof kEnglishMarkers : sizeof kPlainFrenchMarkers;
    for (u32 m = 0; m < markerCount; ++m) {
        const u8 marker = markers[m];
        if (hyphenPath && (marker == 0x3E || marker == 0x3F)) continue;
        BuildLexKey(*l.word, marker, key);
        const i16 n = LookupLexRecords(key, records);
        for (i16 i = 0; i < n && i < 4; ++i) {
            const BoundedString& codes = records.data[i].FormCodes;
            const u16 tag = static_cast<u16>(codes[0] << 8 | codes[1]);
            const u16 index = *l.count;
            (*l.tags)[index] = tag;
            gWordAnalysisBytes[index] = codes[2];
            gWordLemmaRefs[index] = kLexAnalysisRef;
            if (*l.count < 0xFFFF) ++*l.count;
            CopyString(gLookupWorkString, records.data[i].LemmaText);
            gFoundInLexicon = 1;
            ++found;
        }
    }
    return found;
}

// ---- Capitalised words -----------------------------------------------------------

// Selects the French tables for the capitalised-word sections when English
// is current; false when that cannot be undone without loading data (no
// English tables loaded: nothing is looked up there).
bool SelectFrenchForMoment(u16& saved) {
    saved = gCheckingLanguage;
    if (saved != 0) return true;
    if (gEnglishLoaded == 0) return false;
    SelectLanguageTables(3);
    return true;
}
void RestoreLanguage(u16 saved) {
    if (saved == 0) SelectLanguageTables(0);
}

i16 SignedCaseMode() { return static_cast<i16>(gCaseMode); }

// ---- Hyphenated words ---------------------------------------------------------------

// Words holding the hyphen mark. Plain analysis: 1 when the count is above
// `baseline`; operations: the walk's answer, 1 for a lexicon find.
i16 LookupHyphenated(const Lookup& l, u16 baseline) {
    const bool plain = !IsEarlyAnswerMode(l.mode);
    i16 answer = 0;
    if (gCheckingLanguage == 0) {
        answer = WalkReserved(l, kSectionCapitals);
        const bool nothing = plain ? *l.count == baseline : answer == 0;
        if (nothing && ProbeLexRecords(l, true) != 0 && !plain) answer = 1;
        return plain ? (*l.count != baseline ? 1 : 0) : answer;
    }
    if (l.text.At(0) == kMarkHyphen) {
        if (l.text.length == 1) return 1;
        BoundedString rest;
        rest.View(l.word->data + 1, l.word->count - 1);
        answer = LookupInDictSection(l.mode, kSectionNoElision, rest, *l.tags, *l.count);
        return plain ? (*l.count != baseline ? 1 : 0) : answer;
    } else if (ModeOperation(l.mode) != 34) {
        answer = WalkReserved(l, kSectionHyphen);
    }
    const bool nothing = plain ? *l.count == baseline : answer == 0;
    if (nothing && ProbeLexRecords(l, true) != 0 && !plain) answer = 1;
    return plain ? (*l.count != baseline ? 1 : 0) : answer;
}

// ---- English sections ------------------------------------------------------------------

i16 FirstAnswer(const Lookup& l, std::initializer_list<i16> sections);

// Walks `section` under a key of `prefix` (n bytes) and the word.
i16 WalkUnder(const Lookup& l, i16 section, const u8* prefix, u32 n) {
    return WalkReservedKey(l.mode, section, prefix, n, l.text.bytes, l.text.length, *l.tags,
                           *l.count);
}

// The English two-letter section: 'A'..'Z' index 0..25, 'a'..'z' 26..51;
// 0 when a byte is no letter (`lettered` false) or the pair has no section.
i32 EnglishLetterIndex(u8 c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return 26 + (c - 'a');
    return -1;
}
i32 EnglishTwoLetterSection(const KeyText& text, bool& lettered) {
    const i32 r = EnglishLetterIndex(text.At(0));
    const i32 c = EnglishLetterIndex(text.At(1));
    lettered = r >= 0 && c >= 0;
    if (!lettered || static_cast<u32>(r) >= gPrefixSectionMatrix.count) return 0;
    const BoundedArray<u16>& row = gPrefixSectionMatrix.data[r];
    if (static_cast<u32>(c) >= row.count) return 0;
    return row.data[c];
}

// Medical sections: N-7 .. N-3 by the first letter's range, with their
// two symbol bytes; N-2 holds the capitalised medical words.
constexpr u8 kMedicalKeys[5] = {0xA7, 0xB6, 0xB5, 0xB9, 0xB7};

i16 WalkMedical(const Lookup& l) {
    const u32 letter = l.text.At(0) & 31;
    const u32 range = letter < 4 ? 0 : letter < 10 ? 1 : letter < 16 ? 2 : letter <= 18 ? 3 : 4;
    const i32 section = static_cast<i32>(gDictSectionCount) - 7 + static_cast<i32>(range);
    if (section <= kSectionCapitals) return 0;
    const u8 key[2] = {kMedicalKeys[range], kMedicalKeys[range]};
    return WalkUnder(l, static_cast<i16>(section), key, 2);
}

// Section N-2: a find is tagged as a proper noun.
bool WalkCapitalisedMedical(const Lookup& l) {
    const i32 section = static_cast<i32>(gDictSectionCount) - 2;
    if (section <= kSectionCapitals) return false;
    const u8 key[2] = {kCapitalisedMedicalKey, kCapitalisedMedicalKey};
    const u16 before = *l.count;
    const i16 a = WalkUnder(l, static_cast<i16>(section), key, 2);
    if (a == 0 && *l.count == before) return false;
    (*l.tags)[0] = 0x4004;
    return true;
}

bool EndsInS(const KeyText& t) { return t.length == 4 && t.Last() == 's'; }
bool EndsInEs(const KeyText& t) { return t.length == 5 && t.Last(1) == 'e' && t.Last() == 's'; }

i16 LookupEnglishForOperation(const Lookup& l) {
    const KeyText& t = l.text;
    i16 a = 0;
    if (t.length == 2) {
        a = FirstAnswer(l, {kSectionShort, kSectionAll3, kSectionAll4, kSectionAll5});
    } else if (t.length == 3) {
        a = FirstAnswer(l, {kSectionShortVerbs, kSectionAll3, kSectionAll4, kSectionAll5});
        if (a == 0 && t.At(2) == 's') a = WalkReserved(l, kSectionShort);
        else if (a == 0 && (l.mode & kModeSectionEightBit) != 0) a = WalkReserved(l, kSectionNoElision);
    } else {
        bool lettered = false;
        const i32 section = EnglishTwoLetterSection(t, lettered);
        if (lettered) {
            if (section < kEnglishSectionLimit) a = WalkTwoLetterSection(l, section);
            if (a != 0) return a;
            if (t.length > kOperationMaxLength) return 0;
            a = WalkReserved(l, kSectionAll3);
            if (a != 0) return a;
        }
        a = FirstAnswer(l, {kSectionAll4, kSectionAll5});
        if (a != 0) return a;
        if (gActiveMedical != 0) {
            a = WalkMedical(l);
            if (a != 0) return a;
            if (SignedCaseMode() >= 1 && WalkCapitalisedMedical(l)) return 1;
        }
        if (gActiveVariantA != 1 && WalkReserved(l, kSectionLong) != 0) return 6;
        if (gActiveVariantB != 1 && WalkReserved(l, kSectionHyphen) != 0) return 7;
        if (EndsInS(t) || EndsInEs(t)) a = WalkReserved(l, kSectionShortVerbs);
        if (a == 0) a = FirstAnswer(l, {kSectionCapital, kSectionNoElision});
        if (a != 0) return a;
        return ProbeLexEntry(l, kEnglishMarkers, sizeof kEnglishMarkers) ? 1 : 0;
    }
    if (a != 0) return a;
    return ProbeLexEntry(l) ? 1 : 0;
}

void AppendFixed(const Lookup& l, u16 tag, u8 byte, u32 ref);

// English one-letter words (always found).
void OneLetterEnglish(const Lookup& l) {
    const u8 c = l.text.At(0);
    if (c == 'a') {
        AppendFixed(l, 0x6804, 1, kRefPreposition);
    } else if ((c == 'i' || c == 'I') && SignedCaseMode() >= 1) {
        // The pronoun: two readings written, the count set to one.
        const u16 index = *l.count;
        AppendFixed(l, 0x5505, 9, kRefPronounI);
        AppendFixed(l, 0x5300, 9, kRefPronounI);
        *l.count = static_cast<u16>(index + 1);
    } else {
        AppendFixed(l, 0x1C00, 0, 0);
    }
}

i16 LookupEnglishPlain(const Lookup& l, u16 baseline) {
    const KeyText& t = l.text;
    const u32 n = t.length;
    i16 answer = 0;
    auto walk = [&](i16 section) {
        const i16 a = WalkReserved(l, section);
        if (a > answer) answer = a;
    };
    if (ModeOperation(l.mode) == 34) {
        // Only French has a section for this operation.
    } else if (n == 1) {
        OneLetterEnglish(l);
        return 1;
    } else if (n == 2 && t.At(0) == 'm' && t.At(1) == '.') {
        AppendFixed(l, 0x1400, 0, kRefPreposition);
        return 1;
    } else if (n == 2 && ((t.At(0) == 'u' && t.At(1) == 'p') || (t.At(0) == 'c' && t.At(1) == 'o'))) {
        AppendFixed(l, 0x3A00, 0, 0);
        return 1;
    } else {
        if (n <= 3) walk(kSectionShort);
        if (n == 3 || n == 4) walk(kSectionShortVerbs);
        walk(kSectionAll3);
        walk(kSectionAll4);
        walk(kSectionAll5);
        if (gActiveVariantB != 1) walk(kSectionHyphen);
        // A four-letter word was walked in section 2 above.
        if (EndsInEs(t)) walk(kSectionShortVerbs);
        walk(kSectionCapital);
        walk(kSectionNoElision);
        if (n >= 4) {
            if (gActiveVariantA != 1) walk(kSectionLong);
            bool lettered = false;
            const i32 section = EnglishTwoLetterSection(t, lettered);
            if (lettered && section >= kEnglishSectionLimit) return 0;
            if (lettered && section > 0 && section < gDictSectionCount) {
                const i16 a = LookupInDictSection(l.mode, static_cast<i16>(section), *l.word, *l.tags, *l.count);
                if (a > answer) answer = a;
            }
        }
        if (*l.count == baseline) ProbeLexRecords(l, false);
        if (gActiveMedical != 0 && *l.count == baseline) {
            const i16 a = WalkMedical(l);
            if (a > answer) answer = a;
            if (*l.count == baseline && SignedCaseMode() >= 1) WalkCapitalisedMedical(l);
        }
    }
    i16 result = *l.count != baseline ? (answer >= 2 ? 2 : 1) : 0;
    if (HoldsHyphen(t)) {
        const i16 h = LookupHyphenated(l, baseline);
        if (result == 0) result = h;
    }
    return result;
}

// ---- Operation path -------------------------------------------------------------------

// Walks the reserved sections in order; the first non-zero answer.
i16 FirstAnswer(const Lookup& l, std::initializer_list<i16> sections) {
    for (i16 s : sections) {
        const i16 a = WalkReserved(l, s);
        if (a != 0) return a;
    }
    return 0;
}

i16 LookupForOperation(const Lookup& l) {
    const KeyText& t = l.text;
    if (HoldsHyphen(t)) return LookupHyphenated(l, *l.count);
    const i16 caseMode = SignedCaseMode();
    if (caseMode >= 1 && caseMode <= 4) {
        u16 saved = 0;
        if (SelectFrenchForMoment(saved)) {
            u16 found = 0;
            const i16 section = caseMode <= 2 ? kSectionCapital : kSectionCapitals;
            const i16 a = WalkReserved(l, kModeFrenchPlain, section, found);
            RestoreLanguage(saved);
            if (found != 0 || a != 0) return 1;
        }
    }
    if (t.length == 1) {
        const u8 c = t.At(0);
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == kAGraveByte ||
                            c == kCCedilla || c == kOCircumflex;
        return letter ? 1 : 0;
    }
    if (gCheckingLanguage == 0) return LookupEnglishForOperation(l);
    i16 a = 0;
    if (t.length == 2) {
        a = FirstAnswer(l, {kSectionShort, kSectionAll3, kSectionAll4});
    } else if (t.length == 3) {
        a = FirstAnswer(l, {kSectionShortVerbs, kSectionAll3, kSectionAll4, kSectionAll5});
        if (a == 0 && t.At(2) == 's') a = WalkReserved(l, kSectionShort);
        else if (a == 0 && (l.mode & kModeSectionEightBit) != 0) a = WalkReserved(l, kSectionNoElision);
    } else {
        bool coded = false;
        const i32 section = TwoLetterSection(t, coded);
        if (!coded || section >= gDictSectionCount) return 0;
        a = WalkTwoLetterSection(l, section);
        if (a != 0) return a;
        if (t.length > kOperationMaxLength) return 0;
        if (t.length == 4 && t.Last() == 's') a = WalkReserved(l, kSectionShortVerbs);
        if (a == 0) a = FirstAnswer(l, {kSectionAll3, kSectionAll4, kSectionAll5, kSectionLong});
        if (a == 0 && (l.mode & kModeSectionEightBit) != 0) a = WalkReserved(l, kSectionNoElision);
    }
    if (a != 0) return a;
    return ProbeLexEntry(l) ? 1 : 0;
}

// ---- Plain path -------------------------------------------------------------------------

void AppendFixed(const Lookup& l, u16 tag, u8 byte, u32 ref) {
    const u16 index = *l.count;
    (*l.tags)[index] = tag;
    gWordAnalysisBytes[index] = byte;
    gWordLemmaRefs[index] = ref;
    if (*l.count < 0xFFFF) ++*l.count;
}

// Lemma reference of "avoir" for the one-letter form "a".
u32 AvoirRef() { return LookupTextSlotPreserving("avoir", 0); }

void Append(const Lookup& l, u16 tag, u8 byte, u32 ref) {
    const u16 index = *l.count;
    (*l.tags)[index] = tag;
    gWordAnalysisBytes[index] = byte;
    gWordLemmaRefs[index] = ref;
    if (*l.count < 0xFFFF) ++*l.count;
}

// French one-letter words: true when the lookup is complete (result 1),
// false to go on with the result step ("y").
bool OneLetterFrench(const Lookup& l) {
    const u8 c = l.text.At(0);
    if (c == 'a') {
        const u32 ref = AvoirRef();
        Append(l, 0xC208, 17, ref);
        if (gCaseMode != 0) {
            Append(l, 0x1C00, 0, 0);
            Append(l, 0x2000, 0, kRefPreposition);
        }
        return true;
    }
    if (c == kAGraveByte) {
        Append(l, 0x2000, 0, kRefPreposition);
        return true;
    }
    if (c == 'y') {
        Append(l, 0x1400, 0, kRefY);
        return false;
    }
    Append(l, 0x1C00, 0, 0);
    return true;
}

// Steps 5 to 8 of the French plain path (reserved sections, the two-letter
// section, the lexicon).
void WalkFrenchPlain(const Lookup& l, u16 baseline) {
    const u32 n = l.text.length;
    if (n <= 3) WalkReserved(l, kSectionShort);
    if (n == 3 || n == 4) WalkReserved(l, kSectionShortVerbs);
    WalkReserved(l, kSectionAll3);
    WalkReserved(l, kSectionAll4);
    if (n > 1) WalkReserved(l, kSectionAll5);
    if (ModeOperation(l.mode) != 33) WalkReserved(l, kSectionNoElision);
    if (n >= 4) {
        WalkReserved(l, kSectionLong);
        bool coded = false;
        const i32 section = TwoLetterSection(l.text, coded);
        if (!coded) return;  // no section can hold the word, nor can the lexicon
        WalkTwoLetterSection(l, section);
    }
    if (*l.count == baseline) ProbeLexRecords(l, false);
}

// An English sentence's first word with a capital initial only is read as
// the English word it spells when the dictionary holds one ("Will you
// come?", "Nice people"), before the names of the capitalised sections;
// an abbreviation that takes its period ("Dr") is left to them.
bool SentenceInitialEnglishWord(const Lookup& l) {
    const i16 caseMode = SignedCaseMode();
    if (gCheckingLanguage != 0 || gSentenceInitialWord == 0 || (caseMode != 1 && caseMode != 2)) return false;
    const u16 baseline = *l.count;
    if (LookupEnglishPlain(l, baseline) != 0 && *l.count != baseline && gWordAnalysisBytes[baseline] != '@')
        return true;
    *l.count = baseline;
    return false;
}

i16 LookupPlain(const Lookup& l) {
    const KeyText& t = l.text;
    u16 baseline = *l.count;
    if (SentenceInitialEnglishWord(l)) return 1;
    if (SignedCaseMode() >= 1) {
        u16 saved = 0;
        if (SelectFrenchForMoment(saved)) {
            *l.count = 0;
            WalkReserved(l, kModeFrenchPlain, kSectionCapital, *l.count);
            const i16 caseMode = SignedCaseMode();
            if (*l.count == 0 && (caseMode == 3 || caseMode == 4))
                WalkReserved(l, kModeFrenchPlain, kSectionCapitals, *l.count);
            RestoreLanguage(saved);
            if (*l.count != 0) return 1;
            baseline = 0;
        }
    }
    if (gCheckingLanguage == 0) return LookupEnglishPlain(l, baseline);
    if (ModeOperation(l.mode) == 34) {
        WalkReserved(l, kSectionNoElision);
    } else if (t.length == 1) {
        if (OneLetterFrench(l)) return 1;
    } else if (t.length == 2 && t.At(0) == 'm' && t.At(1) == '.') {
        Append(l, 0x1400, 0, kRefPreposition);
        return 1;
    } else {
        WalkFrenchPlain(l, baseline);
    }
    if (HoldsHyphen(t)) return LookupHyphenated(l, baseline);
    return *l.count != baseline ? 1 : 0;
}

bool IsPlainLookup(u16 mode) {
    const u8 op = ModeOperation(mode);
    if (op > 31 || op == 4 || op == 8 || op == 9) return true;
    return gCheckingLanguage == 0 && op < 5;
}

}  // namespace

i16 LookupWordForm(u16 mode, BoundedString& word, BoundedArray<u16>& tags, u16& count) {
    if (!ExpandLigatures(word)) return 0;
    Lookup l;
    l.mode = mode;
    l.word = &word;
    l.tags = &tags;
    l.count = &count;
    l.text = MakeKeyText(word);
    if (l.text.length == 0) return 0;
    return IsPlainLookup(mode) ? LookupPlain(l) : LookupForOperation(l);
}

u32 LookupWordSlotPreserving(BoundedString& word, i16 i) {
    u32 savedRefs[8];
    u8 savedBytes[8];
    for (i32 k = 0; k < 8; ++k) {
        savedRefs[k] = gWordLemmaRefs[k];
        savedBytes[k] = gWordAnalysisBytes[k];
    }
    u16 tagStore[8] = {};
    BoundedArray<u16> tags;
    tags.View(tagStore, 8);
    u16 count = 0;
    LookupWordForm(gCheckingLanguage != 0 ? 800 : 0, word, tags, count);
    u32 r = gWordLemmaRefs[i];
    gWordLemmaRefs[0] = r;
    for (i32 k = 1; k < 8; ++k) {
        gWordLemmaRefs[k] = savedRefs[k];
        gWordAnalysisBytes[k] = savedBytes[k];
    }
    return r;
}

u32 LookupTextSlotPreserving(const char* text, i16 i) {
    // The lookup may rewrite the word in place (ligature expansion), so the
    // text goes through a private copy with room for it.
    u8 store[64] = {};
    u32 n = text == nullptr ? 0 : static_cast<u32>(std::strlen(text));
    if (n > sizeof(store) - 1) n = sizeof(store) - 1;
    if (n > 0) std::memcpy(store, text, n);
    BoundedString word;
    word.View(store, n < 36 ? 36 : n + 1);
    return LookupWordSlotPreserving(word, i);
}
