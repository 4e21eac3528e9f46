// Syntactic category of a reading.
#include "checking/syntactic_code.h"

#include "checking/word_access.h"
#include "frame/settings.h"

namespace {

struct Output {
    u8 code;
    u8 cls;
    u8 features;
};

bool IsEnglishAuxReading(i32 i, i32 j) {
    const u8 c = WordClass(i, j);
    const u8 m = WordMark(i, j);
    return WordExists(i) && c >= 128 && ((m & 0x7F) == 37 || m == 38);
}

bool HasEnglishAuxReading(i32 i) {
    if (!WordExists(i)) return false;
    for (i32 j = 0; j < gWords[i].ReadingCount && j < static_cast<i32>(kReadingSlots); ++j) {
        if (IsEnglishAuxReading(i, j)) return true;
    }
    return false;
}

bool HasReadingOfClass(i32 i, const u8* classes, u32 n) {
    if (!WordExists(i)) return false;
    for (i32 j = 0; j < gWords[i].ReadingCount && j < static_cast<i32>(kReadingSlots); ++j) {
        for (u32 k = 0; k < n; ++k) {
            if (WordClass(i, j) == classes[k]) return true;
        }
    }
    return false;
}

bool IsVerbWithMark(i32 i, u8 low, u8 high) {
    return WordExists(i) && WordClass(i) >= 128 && WordMark(i) >= low && WordMark(i) <= high;
}

bool LastReadingIsParticiple(i32 i) {
    const i32 l = LastReading(i);
    return WordCategory(i, l) == 11 || WordClass(i, l) == 'B';
}

// Skip set of the English past-participle look-back.
bool SkippedBeforeParticiple(i32 i) {
    const u8 k = WordCategory(i);
    return LastReadingIsParticiple(i) || k == 18 || k == 16 || k == 21 || WordIs(i, "only") ||
           WordClass(i) == 23;
}

// Skip set of the English past-form look-back (also pronoun category 3).
bool SkippedBeforePastForm(i32 i) {
    const u8 k = WordCategory(i);
    return LastReadingIsParticiple(i) || k == 18 || k == 16 || k == 21 || k == 3 ||
           WordClass(i) == 23;
}

// Nearest word not skipped, trying from - step, from - 2 step, ...; -1 when
// none.
template <typename Skip>
i32 LookBack(i32 from, i32 step, Skip skipped) {
    for (i32 k = from - 1; k >= 0; k -= step) {
        if (!skipped(k)) return k;
    }
    return -1;
}

bool InPastSetP(u8 m) {
    static const u8 kSet[] = {20, 21, 22, 25, 26, 35, 38, 40, 41, 42, 43, 44, 47, 48, 57, 58, 59,
                              60, 63, 64, 65, 68, 70, 73, 74, 75, 76, 77, 79, 80, 81, 82, 83, 84,
                              86, 88, 89, 90, 91, 95, 98, 99, 103, 104, 107, 108, 109, 110, 113,
                              115, 118};
    if (m <= 18) return true;
    for (u8 v : kSet) {
        if (v == m) return true;
    }
    return false;
}

// Conjugated English verb (step 2.6).
Output EnglishConjugated(i32 i, Output o, u8 f, u8 m) {
    o.code = 14;
    if (f != 0) return o;
    if (m == 20 || m == 36) {
        if (IsEnglishAuxReading(i - 1, 0)) return {11, o.cls, 4};
        if (WordExists(i - 2) && WordClass(i - 2) >= 128 && IsEnglishAuxReading(i - 2, 0) &&
            (WordCategory(i - 1, 0) == 18 || WordCategory(i - 1, 1) == 18)) {
            return {11, o.cls, 4};
        }
        return {14, o.cls, 3};
    }
    if (m == 25 || m == 26) {
        o.features = 3;
        const i32 k = LookBack(i, 2, SkippedBeforePastForm);
        if (k >= 0 && HasEnglishAuxReading(k)) return {11, o.cls, 4};
        return o;
    }
    if (m == 62 || m == 97) {
        if (i == 0 || IsVerbWithMark(i - 1, 28, 36)) return o;
        const u8 k1 = WordCategory(i - 1);
        if (i > 1 && (k1 == 16 || k1 == 21) &&
            !(WordCategory(i - 2, 0) == 14 && WordCategory(i - 2, 1) == 14)) {
            return {11, o.cls, 4};
        }
        const i32 k = LookBack(i, 2, SkippedBeforePastForm);
        if (k >= 0 && HasEnglishAuxReading(k + 1)) return {11, o.cls, 4};
        return o;
    }
    return o;
}

Output EnglishVerb(i32 i, Output o, u8 f, u8 m) {
    if (f == 2) return {12, o.cls, o.features};
    if (f == 0) {
        if ((m & 0x7F) == 37 || WordIs(i - 1, "to")) return {13, o.cls, o.features};
        return EnglishConjugated(i, o, f, m);
    }
    if (f == 4 && m >= 19) {
        if (IsVerbWithMark(i - 1, 28, 33)) return {53, 128, 11};
        const i32 k = LookBack(i, 2, SkippedBeforeParticiple);
        if (k < 0) return {10, 'B', 0};
        if (HasEnglishAuxReading(k + 1)) return {11, 128, 4};
        if (WordCategory(k + 1) < 4 && IsEnglishAuxReading(k, 0)) return {11, 128, 4};
        if (m == 36) return {14, 128, 24};
        return {10, 'B', 0};
    }
    if (f == 3 && InPastSetP(m)) {
        if (IsVerbWithMark(i - 1, 28, 33)) return {53, 128, 11};
        if (i == 0) return {14, o.cls, 24};
        const i32 k = LookBack(i, 1, SkippedBeforePastForm);
        if (k < 0) return {14, o.cls, 24};
        if (HasEnglishAuxReading(k)) return {11, 128, 3};
        return {14, 128, 24};
    }
    return EnglishConjugated(i, o, f, m);
}

bool FrenchAuxAfterParticiple(i32 k) {
    static const u8 kAux[] = {131, 194, 135, 198, 128};
    return HasReadingOfClass(k, kAux, 5);
}

bool SkippedBeforeFrenchParticiple(i32 i) {
    const u8 k = WordCategory(i);
    const i32 l = LastReading(i);
    return WordCategory(i, l) == 11 || k == 18 || k == 16 || k == 21 || WordClass(i) == 23 ||
           (WordCategory(i, l) == 8 && WordBegins(i, "tou")) ||
           (WordLength(i) >= 6 && (k == 2 || k == 3));
}

bool SkippedBeforeShorthand(i32 i) {
    const u8 k = WordCategory(i);
    return WordCategory(i, LastReading(i)) == 11 || k == 18 || k == 16 || k == 21 ||
           WordClass(i) == 23;
}

u8 ParticipleAtSentenceStart() { return WordClass(1) > 'b' ? 11 : 10; }

// Splits the -is shorthand into its participle reading and five
// conjugated readings, appended after the word's readings while slots are
// free (at most eight readings).
Output FrenchShorthand(i32 i, i32 j, Output o) {
    if (i == 0) return {ParticipleAtSentenceStart(), o.cls, o.features};
    WordRecord& w = gWords[i];
    const i32 n = w.ReadingCount;
    i32 b = 0;
    if (n > 1) {
        b = j;
        if (j == 0) {
            b = 1;
            const u8 c1 = w.ReadingClasses[1];
            const bool nounLike = (c1 >= 'A' && c1 <= 'E') || c1 == 'M' || c1 == 'N';
            w.ReadingCategories[1] = nounLike ? 10 : 0;
        }
    }
    u8 code = 10;
    const i32 k = LookBack(i, 1, SkippedBeforeShorthand);
    static const u8 kAux[] = {131, 194};
    if (k >= 0 && HasReadingOfClass(k, kAux, 2)) code = 11;
    static const u8 kPersons[] = {6, 7, 24, 25, 48};
    i32 slot = n;
    for (u8 f : kPersons) {
        if (slot >= static_cast<i32>(kReadingSlots)) break;
        w.ReadingCategories[slot] = 14;
        w.ReadingClasses[slot] = o.cls;
        w.ReadingMarks[slot] = w.ReadingMarks[b];
        w.ReadingLemmaRefs[slot] = w.ReadingLemmaRefs[0];
        w.ReadingFeatures[slot] = f;
        ++slot;
    }
    w.ReadingCount = static_cast<u16>(slot);
    return {code, o.cls, 3};
}

Output FrenchVerb(i32 i, i32 j, Output o, u8 f) {
    if (f == 0) return {13, o.cls, o.features};
    if (f == 1) return {12, o.cls, o.features};
    if (f >= 2 && f <= 5) {
        if (i == 0) return {ParticipleAtSentenceStart(), o.cls, o.features};
        if (WordClass(i - 1) == 'a') return {11, o.cls, o.features};
        const i32 k = LookBack(i, 1, SkippedBeforeFrenchParticiple);
        return {static_cast<u8>(k >= 0 && FrenchAuxAfterParticiple(k) ? 11 : 10), o.cls, o.features};
    }
    if (f == 55) return FrenchShorthand(i, j, o);
    return {14, o.cls, o.features};
}

// Closed classes; 0xFF when c is not one.
u8 ClosedClassCode(u8 c) {
    switch (c) {
        case 22: return 0;
        case 25: return 10;
        case 20: case 21: case 23: case 24: case 26: case 27: return 18;
        case 18: case 19: case 28: case 29: case 30: case 31: return 0;
        case 17: case 42: return 17;
        case 16: return 16;
        case 32: case 33: case 34: case 35: case 44: return 15;
        case 36: case 37: return 9;
        default: return 0xFF;
    }
}

// Letter classes; 0xFF when c is not one.
u8 LetterClassCode(u8 c) {
    if (c == '@' || (c >= 'A' && c <= 'E') || c == 'M' || c == 'N' || c == '}' || c == '+' ||
        c == '.') {
        return 10;
    }
    if ((c >= 'O' && c <= 'T') || (c >= 'm' && c <= '{')) return 8;
    if (c == 'f' || c == 'g') return 9;
    if ((c >= 'c' && c <= 'e') || (c >= 'h' && c <= 'l')) return 7;
    if (c >= 'J' && c <= 'L') return 6;
    if (c >= 'G' && c <= 'I') return 5;
    if (c == 'F') return 4;
    return 0xFF;
}

u8 PronounCode(i32 i, u8 c, u8 k0) {
    if (gCheckingLanguage != 0) {
        switch (c) {
            case 'W': case 'X': case '[': case '\\': case '^': case '`': case 'b': return 3;
            case 'V': case 'Z': case 'a': case '|': return 2;
            case '_': return WordLength(i) > 3 ? 3 : 2;
            default: return 1;  // 'U', 'Y', ']'
        }
    }
    switch (c) {
        case '[': case '\\': return i == 0 || WordCategory(i + 1) == 14 ? 1 : 3;
        case 'V': case 'W': case 'Z': case '_': case '`': case 'b': return 2;
        case '|': return k0;
        default: return 1;  // 'U', 'X', 'Y', ']', '^', 'a'
    }
}

}  // namespace

u8 DeriveSyntacticCode(i16 word, i16 reading) {
    const i32 i = word;
    const i32 j = reading;
    if (!WordExists(i)) return 0;
    WordRecord& w = gWords[i];
    const u8 c = w.ReadingClasses[j];
    const u8 f = w.ReadingFeatures[j];
    const u8 m = w.ReadingMarks[j];
    const u8 k0 = w.ReadingCategories[j];
    Output o{k0, c, f};
    if (const u8 closed = ClosedClassCode(c); closed != 0xFF) {
        o.code = closed;
    } else if (gCheckingLanguage == 0 && (c >= 128 || c == 45)) {
        o = EnglishVerb(i, o, f, m);
    } else if (gCheckingLanguage != 0 && c >= 128) {
        o = FrenchVerb(i, j, o, f);
    } else if (const u8 letter = LetterClassCode(c); letter != 0xFF) {
        o.code = letter;
    } else if ((c >= 'U' && c <= 'b') || c == '|') {
        o.code = PronounCode(i, c, k0);
    } else {
        o.code = k0 != 0 ? k0 : 32;
    }
    w.ReadingClasses[j] = o.cls;
    w.ReadingFeatures[j] = o.features;
    return o.code;
}
