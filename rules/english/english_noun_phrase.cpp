// The noun-phrase number stage of the English reading disambiguation: the
// walk, the noun, adjective and adverb reading choice, the verb-or-noun
// rules and the infinitive rules.
#include "rules/english/english_noun_phrase.h"

#include "frame/tables.h"
#include "rules/english/english_passes.h"
#include "rules/rule_words.h"

using namespace rules;

namespace english::np {

namespace {

bool In(u8 v, u8 a, u8 b) { return v == a || v == b; }
bool In(u8 v, u8 a, u8 b, u8 c) { return v == a || v == b || v == c; }
bool In(u8 v, u8 a, u8 b, u8 c, u8 d) { return v == a || v == b || v == c || v == d; }
u8 Nib(i32 i) { return static_cast<u8>(Feat(i) & 15); }
bool Capital(i32 i) { return static_cast<i16>(rules::W(i).WordCaseMode) > 0; }
bool Last(i32 i) { return i >= Count() - 1; }
// Two readings, categories a then b.
bool TwoReadings(i32 i, u8 a, u8 b) { return Readings(i) == 2 && Cat(i) == a && Cat(i, 1) == b; }
i32 FirstReadingOf(i32 i, u8 cat) {
    for (i32 r = 0; r < Readings(i); ++r)
        if (Cat(i, r) == cat) return r;
    return 0;
}
void SetReading0Full(i32 i, u8 cat, u8 cls, u8 feat) {
    SetReading0(i, cat, cls);
    W(i).ReadingFeatures[0] = feat;
}
// Reading 0 rewritten as an adjective with the mark and lemma of reading 1.
void AdjectiveFromReading1(i32 i) {
    WordRecord& w = W(i);
    SetReading0Full(i, 10, 'B', 12);
    w.ReadingMarks[0] = w.ReadingMarks[1];
    w.ReadingLemmaRefs[0] = w.ReadingLemmaRefs[1];
}
// Walking back from word i - 1 over the noun-or-adjective words, their
// number is cleared to "either" (12).
void EitherNumberBefore(i32 i) {
    for (i32 k = i - 1; k >= 0 && Cat(k) == 10; --k) W(k).ReadingFeatures[0] = 12;
}

}  // namespace

void CollapseAs(i32 i, i32 r, u8 cat) {
    WordRecord& w = W(i);
    CopyReading(w, 0, r);
    w.ReadingCategories[0] = cat;
    w.ReadingCount = 1;
}
void Collapse(i32 i, i32 r) { CollapseAs(i, r, Cat(i, r)); }

void MakeAdverbLike(i32 i) {
    SetReading0Full(i, 18, 20, 0);
    KeepOne(i);
}

namespace {

// ---- Adverb, noun and adjective words (R1, R2) ---------------------------

// Word k read as a noun: its first reading, or the second of a word the
// reorder put verb first ("great store", "best regards") unless an object
// follows it ("just make a list", "just call me").
bool NounReadingFirst(i32 k) {
    if (Cls(k) == 'A') return true;
    if (Readings(k) < 2 || Cat(k) != 14 || Cls(k, 1) != 'A') return false;
    return !In(Cat(k + 1), 7, 8) && !In(Cat(k + 1), 2, 3);
}

// With no neighbour to decide, a word whose data reads it as an adverb first
// stays the adverb; else a noun-or-adverb word is the noun ("a great place
// for it", "today is") and an adjective-or-adverb word the adjective, except
// after a verb ("ran off") and, an adjective, when it grades the word after
// it: a verb, an adverb, a number or an article ("I only know", "just too
// good", "only three months", "just a chance").
bool AdverbInPlace(i32 i, i32 m) {
    if (i > 0 && VerbClass(i - 1)) return true;
    if (Cls(i, m) == 'A' || i >= Count() - 1) return false;
    if (VerbClass(i + 1)) return true;
    return Readings(i + 1) == 1 && (In(Cat(i + 1), 7, 8, 18) || Cls(i + 1) == 'R' || Cls(i + 1) == 'S');
}

// After a linking verb an adjective-or-adverb word is the adjective, unless
// it grades the word after it: an adjective, an adverb, an article or
// determiner, a verb form other than a gerund ("is just too good", "was
// pretty cool", "is just a chance"; "there is little doing"); "enough"
// follows the adjective it grades, "to" opens its complement ("is hard to
// say").
bool GradesNext(i32 i) {
    if (Last(i) || Is(i + 1, "enough") || Is(i + 1, "to")) return false;
    if (VerbClass(i + 1) && !Ends(i + 1, "ing")) return true;
    return Readings(i + 1) == 1 && (In(Cat(i + 1), 7, 8, 18) || (Cat(i + 1) == 10 && Cls(i + 1) == 'B'));
}

void AdverbOrNoun(const WalkState& s, i32 i) {
    if (Readings(i) == 2 && (Cat(i) == 18 || Cat(i, 1) == 18) && (Cat(i) == 10 || Cat(i, 1) == 10)) {
        const i32 m = FirstReadingOf(i, 10);
        const bool afterVerb = i > 1 && Cls(i - 1) > 127 && (Mark(i - 1) > 127 || (Mark(i - 1) == '0' && Letter(i - 1, 0) == 's'));
        // An adjective-or-adverb word after a subject pronoun grades the
        // verb ("I just want").
        const bool gradesVerb = Cls(i, m) != 'A' && i > 0 && In(Cat(i - 1), 1, 3) && !Last(i) &&
                                (VerbClass(i + 1) || Cat(i + 1) == 18);
        if (i > 0 && Is(i - 1, "not") && Is(i, "just")) MakeAdverbLike(i);
        else if (gradesVerb) MakeAdverbLike(i);
        else if (i > 0 && In(Cat(i - 1), 7, 8, 15, 18)) CollapseAs(i, m, 10);
        else if (i > 1 && Cat(i - 1) == 10 && In(Cat(i - 2), 7, 8, 18)) CollapseAs(i, m, 10);
        else if (afterVerb && s.pass >= 1 && Cls(i, m) != 'A' && GradesNext(i)) MakeAdverbLike(i);
        else if (afterVerb) CollapseAs(i, m, 10);
        else if (i < Count() - 1 && NounReadingFirst(i + 1)) CollapseAs(i, m, 10);
        else if (s.pass >= 1 && (Cat(i) == 18 || AdverbInPlace(i, m))) MakeAdverbLike(i);
        else if (s.pass >= 1) CollapseAs(i, m, 10);
    }
    if (Readings(i) == 3 && Cat(i, 2) == 18 && i >= 1 && s.pass >= 1 && Readings(i - 1) == 1) {
        if ((Cls(i - 1) > 127 && Mark(i - 1) < 128) || (i >= 2 && Cat(i - 1) == 16 && Cat(i - 2) == 18)) MakeAdverbLike(i);
    }
}

// ---- One-reading noun-or-adjective words (R3 to R8) ----------------------

u16 NumberWordIndex(i32 i) {
    const BoundedString& text = rules::W(i).WordText;
    // A number word of another first letter is refused before the compare.
    const bool firstTells = text.valid != 0 && text.count > 0;
    for (i32 k = 1; k <= 50 && k < static_cast<i32>(gEnglishNumberWords.count); ++k) {
        const BoundedString& number = gEnglishNumberWords[k];
        if (firstTells && number.valid != 0 && number.count > 0 && number.data[0] != text.data[0]) continue;
        if (CompareStrings(text, number) == kCompareEqual) return static_cast<u16>(k);
    }
    return 51;
}

void MakeEitherAdjective(i32 i) {
    SetReading0Full(i, 10, 'B', 12);
    EitherNumberBefore(i);
}

// The linking-verb flags are set from the second pass on: before them every
// verb would read as one that takes an object, so the noun reading after a
// verb waits for them ("the crew was safe").
void NounOrAdjectiveClass(i32 i, i16 pass) {
    const u8 c = Cls(i);
    if (c != 'C' && c != 'M' && c != 'N') return;
    WordRecord& w = W(i);
    if (Feat(i) == 8 || Feat(i) == 9) {
        w.ReadingClasses[0] = 'A';
        return;
    }
    const i32 n = Count();
    i32 j = i + 1;
    while (j < static_cast<i32>(gWords.count) && Cat(j) == 18) ++j;
    if (i < n - 2 && Cat(i + 1) == 16 && In(Cls(i + 2), 'B', '.')) SetReading0Full(i, 10, 'B', 12);
    else if (i < n - 2 && Cls(i + 1) == 'N' && Cat(i + 1) == 21 && Cls(i + 2) == 'B') SetReading0Full(i, 10, 'B', 12);
    else if (i > 0 && In(Cat(i - 1), 7, 8) && (Last(i) || (Readings(i + 1) == 1 && Cat(i + 1) != 10))) w.ReadingClasses[0] = 'A';
    else if (i > 0 && Is(i - 1, "most")) w.ReadingClasses[0] = 'B';
    else if (Is(i - 1, "more")) w.ReadingClasses[0] = 'B';
    else if (const u16 number = NumberWordIndex(i); number >= 1 && number <= 29) SetReading0Full(i, 8, 'S', 0);
    else if (Readings(j) == 1 && In(Cls(j), 'A', '+')) MakeEitherAdjective(i);
    else if (i < n - 2 && Readings(i + 1) > 1 && In(Cls(i + 1, 1), 'A', '+') && OneReadingOf(i + 2, 14)) MakeEitherAdjective(i);
    else if (pass >= 1 && Readings(i - 1) == 1 && Cat(i - 1) == 14 && Mark(i - 1) < 128)
        w.ReadingClasses[0] = 'A';
}

// The word after an adjective or a determiner: its verb reading gives way
// to its noun reading, and a verb after it keeps its verb reading.
void NounAfter(i32 i) {
    if (TwoReadings(i + 1, 14, 10)) Collapse(i + 1, 1);
    if (i < Count() - 2 && TwoReadings(i + 2, 14, 10) && (Feat(i + 1) & 127) >= 8 && (Feat(i + 1) & 127) <= 15 &&
        (Feat(i + 2, 1) & 127) < 8 && (Feat(i + 2) & 127) < 16)
        KeepOne(i + 2);
}

void OneReadingNoun(WalkState& s, i32 i) {
    NounOrAdjectiveClass(i, s.pass);
    if (Capital(i) && Cls(i) == 'C' && TextLength(i) > 3 && Ends(i, "an")) SetReading0Full(i, 10, 'B', 0);
    CountClauses(s.tally, 0, false, false, s.verbCount, s.clauseCount);
    s.ambiguousCount = AmbiguousWords(s.tally);
    if (s.pass >= 1 && s.ambiguousCount == 1 && s.verbCount > s.clauseCount + 1 && In(Cls(i), 'B', '.') && !Last(i))
        NounAfter(i);
    if (In(Cls(i), 'M', 'N') && In(Cat(i - 1), 7, 8) && !Last(i)) NounAfter(i);
    if (Cls(i) == 'B' && Ends(i, "'s") && s.pass >= 1 && In(Cat(i - 1), 7, 8)) W(i - 1).ReadingFeatures[0] = 0;
}

// ---- Verb-or-noun words before the verb-or-noun rules (R9, R10) ----------

// True when the word stopped.
bool VerbOrNounFirstTests(const WalkState& s, i32 i) {
    if (i == 0 && Cat(0) == 14 && (In(Cat(1), 7, 8) || Is(1, "no"))) {
        KeepOne(0);
        return false;
    }
    if (s.pass < 1 || Readings(i) < 2 || Cat(i) != 14 || Cat(i, 1) != 10) return false;
    const u8 c1 = Cls(i, 1);
    if (c1 != 'C' && c1 != 'M' && c1 != 'N') return false;
    WordRecord& w = W(i);
    if (!Last(i) && Readings(i + 1) == 1 && In(Cat(i + 1), 7, 8)) {
        if (i > 0 && Is(i - 1, "how")) AdjectiveFromReading1(i);
        KeepOne(i);
        return true;
    }
    if (Feat(i, 1) == 8 || Feat(i, 1) == 9) return false;
    if (!Last(i) && Cat(i + 1) == 10) {
        w.ReadingClasses[1] = 'B';
        return false;
    }
    if (i > 0 && !In(Cat(i - 1), 7, 8)) {
        i32 k = i - 1;
        while (k > 0 && Cat(k) == 18) --k;
        if (Mark(k) == '%' || Mark(k) > 128) {
            AdjectiveFromReading1(i);
            KeepOne(i);
            return false;
        }
        i32 j = i + 1;
        while (j < Count() && Cat(j) == 18) ++j;
        if (Readings(j) == 1 && In(Cls(j), 'A', '+')) {
            w.ReadingClasses[1] = 'B';
            w.ReadingFeatures[1] = 12;
            EitherNumberBefore(i);
            return false;
        }
        if (Readings(j) == 1 && In(Cat(j), 7, 8)) {
            KeepOne(i);
            return true;
        }
        if (Readings(i - 1) == 1 && Cat(i - 1) == 14 && Mark(i - 1) < 128) {
            w.ReadingClasses[1] = 'A';
            return true;
        }
        if (Readings(i - 1) == 1 && In(Cls(i - 1), 'A', '+') && ((Feat(i - 1) ^ Feat(i, 1)) & 0xFE) != 0) {
            KeepOne(i);
            return true;
        }
        return false;
    }
    if (i > 0 && In(Cat(i - 1), 7, 8)) w.ReadingClasses[1] = 'A';
    return false;
}

// ---- Class M and N words (R11) --------------------------------------------

void NounAdjectiveVariants(const WalkState& s, i32 i) {
    const bool leanAdjective = s.verbCount > s.clauseCount + 1 || (i >= 1 && (Mark(i - 1) & 127) == '%');
    if (Cls(i) == 'M' && s.pass == 0) W(i).ReadingClasses[0] = 'A';
    else if (Cls(i) == 'N' && s.pass >= 1 && leanAdjective) W(i).ReadingClasses[0] = 'B';
    else if (Cls(i, 1) == 'M' && s.pass == 0) W(i).ReadingClasses[1] = 'A';
    else if (Cls(i, 1) == 'N' && s.pass >= 1 && leanAdjective) W(i).ReadingClasses[1] = 'B';
}

// ---- The verb-or-noun rules (V1 to V16) -----------------------------------

enum class V : u8 { kGoOn, kStop, kToV13 };

V Noun(i32 i) {
    Collapse(i, 1);
    return V::kStop;
}
V Verb(i32 i) {
    KeepOne(i);
    return V::kStop;
}
// The noun reading of word i becomes reading 0, category 10.
V FirstNounReading(i32 i) {
    CollapseAs(i, FirstReadingOf(i, 10), 10);
    return V::kStop;
}
bool NounVerbClass(u8 c) { return c == 'A' || c == '+' || c == 'C'; }

V LowNibbleTests(i32 i) {
    if (Nib(i) == 1) {
        if (Readings(i + 1) == 1 && Cat(i + 1) == 14 && Nib(i + 1) == 0 && Mark(i + 1) < 128) return Noun(i);
        if (Feat(i) == 1 && i >= 2 && Cat(i - 1) == 18 && Cls(i - 2) >= 64 && Cls(i - 2) <= 127 && !Is(i - 1, "more") &&
            NounVerbClass(Cls(i, 1)))
            return Verb(i);
        if (i == 0) return Noun(i);
        if (i >= 1 && Capital(i) && Cls(i - 1) == '@') return Noun(i);
    }
    return V::kGoOn;
}

V ZeroNibbleTests(const WalkState& s, i32 i) {
    if (Nib(i) != 0) return V::kGoOn;
    if (Readings(i + 1) == 1 && Cat(i + 1) == 14 && Nib(i + 1) == 1) return Noun(i);
    if (s.pass >= 1 && In(Cls(i, 1), 'B', '.') && Cat(i + 1) == 14 && Nib(i + 1) == 1) return Noun(i);
    if (Feat(i) == 0 && i >= 3 && OneReadingOf(i - 1, 18) && TextLength(i - 1) != 4 && Cls(i - 2) < 128 &&
        Cls(i - 3) < 128 && NounVerbClass(Cls(i, 1)))
        return Verb(i);
    return V::kGoOn;
}

// A verb-or-noun word after a coordinating conjunction with an object
// pronoun or a settled determiner after it is a second verb taking its
// object ("and release those changes", "the car and get him"), whatever the
// data says of the noun's frequency and whatever noun stands before the
// conjunction. A number is no determiner here ("and Section 7"), nor "one",
// as often the pronoun, nor "no" of a set pair ("no harm, no foul").
bool ObjectAfterConjunction(i32 i) {
    if (Last(i) || i == 0 || Cat(i - 1) != 16) return false;
    if (Cat(i + 1) == 2) return true;
    const u8 c = Letter(i + 1, 0);
    return Readings(i + 1) == 1 && In(Cat(i + 1), 7, 8) && !(c >= '0' && c <= '9') && !Is(i + 1, "one") &&
           !Is(i + 1, "no");
}

// A verb-or-adjective word in its base form right before a noun, with no
// subject, modal or "to" before it, is the adjective of that noun ("Frequent travelers",
// "has loose connections", "the direct access link"), whatever the data
// says of the verb's frequency.
bool AdjectiveBeforeNoun(i32 i) {
    if (Last(i) || (Feat(i) != 0 && Feat(i) != 16) || Cat(i, 1) != 10 || Cls(i, 1) != 'B') return false;
    const bool noun = (Readings(i + 1) == 1 && Cat(i + 1) == 10 && Cls(i + 1) == 'A') ||
                      (Readings(i + 1) == 2 && Cat(i + 1) == 14 && Feat(i + 1) >= 16 && Cls(i + 1, 1) == 'A');
    if (!noun) return false;
    return i == 0 || !(Cat(i - 1) == 1 || (Cat(i - 1) == 10 && In(Cls(i - 1), 'A', '@')) || Cls(i - 1) == 242 ||
                       Is(i - 1, "to"));
}

V FeatureTests(const WalkState& s, i32 i) {
    if (AdjectiveBeforeNoun(i)) return Noun(i);
    const bool two = Readings(i) == 2;
    if (two || (Readings(i) == 3 && i >= 1 && Cat(i - 1) != 14)) {
        if (Feat(i) >= 16) return ObjectAfterConjunction(i) ? Verb(i) : Noun(i);
        if ((Feat(i, 1) & 1) != 0) return Verb(i);
    }
    if (two && Feat(i) == 3 && Cls(i, 1) == 'B' && Feat(i, 1) == 12) {
        if (s.verbCount <= s.clauseCount + 1) return Verb(i);
        if (s.ambiguousCount == 2 && !Last(i) && Readings(i + 1) == 2 && Cat(i + 1) == 14) {
            SetReading0Full(i, 10, 'B', 12);
            KeepOne(i);
            return V::kStop;
        }
    }
    if (i < Count() - 2 && s.ambiguousCount == 2 && s.verbCount > s.clauseCount && Readings(i + 1) == 2 &&
        Cat(i + 1) == 14 && Cls(i, 1) == 'B' && Feat(i, 1) == 12) {
        KeepOne(i);
        Collapse(i + 1, 1);
    }
    return V::kGoOn;
}

V NeighbourTests(i32 i) {
    if (i > 1 && Readings(i - 1) == 1 && (In(Cls(i - 1), 'B', '.') || (Cls(i - 1) == 'C' && In(Cat(i - 2), 7, 8)))) {
        i32 k = i - 1;
        while (k > 0 && (In(Cat(k), 10, 11, 16) || Cat(k) == 18)) --k;
        if (In(Cat(k), 7, 8, 21)) return Noun(i);
    }
    if ((!Last(i) && Cls(i + 1) == 31) || (i > 0 && Cat(i - 1) == 18)) {
        KeepOne(i);
        return V::kToV13;
    }
    const bool p1 = i > 0;
    const bool p2 = i > 1;
    const bool noun =
        (p1 && (Cat(i - 1) == 15 || Is(i - 1, "in") || Is(i - 1, "no"))) ||
        (p1 && Cat(i - 1) == 8 && (Feat(i) > 15 || (Cls(i - 1) >= 109 && Cls(i - 1) <= 123))) ||
        (p2 && Readings(i - 2) == 1 && Cat(i - 2) == 15 && Cat(i - 1) == 18) ||
        (p1 && OneReadingOf(i - 1, 14)) ||
        (p2 && In(Cat(i - 1), 18, 11) && OneReadingOf(i - 2, 14)) ||
        (p1 && Cls(i - 1) == '@' && Ends(i - 1, "'s")) ||
        (p2 && In(Cls(i - 1), 'B', '.') && Cls(i - 2) == '@' && Ends(i - 2, "'s")) ||
        (i < Count() - 2 && Cat(i + 1) == 18 && OneReadingOf(i + 2, 14)) ||
        (!Last(i) && OneReadingOf(i + 1, 14)) ||
        (p1 && Cat(i - 1) == 8 && ((Nib(i - 1) == 4 && Nib(i) != 1) || (Nib(i - 1) == 8 && Nib(i) == 1))) ||
        (p1 && Cat(i - 1) == 10 && Cls(i - 1) == 'B' && Nib(i - 1) != 8 && Nib(i) != 8);
    if (noun) return Noun(i);
    return V::kGoOn;
}

V CoordinationTests(i32 i) {
    WordRecord& w = W(i);
    if (i > 1 && Cat(i - 1) == 16 && Readings(i - 2) == 1) {
        if (Cat(i - 2) == 14) {
            KeepOne(i);
            return V::kToV13;
        }
        if ((Cat(i - 2) == 10 && Feat(i - 2) == Feat(i)) || Cls(i - 2) == Cls(i, 1))
            return ObjectAfterConjunction(i) ? Verb(i) : FirstNounReading(i);
        return V::kToV13;
    }
    if (i > 1 && Readings(i - 2) == 1 && Cat(i - 1) == 21 && Cls(i - 2) > 127 && Nib(i) == Nib(i - 2)) {
        w.ReadingCount = 1;
        w.ReadingCategories[0] = Cat(i - 2);
        return V::kStop;
    }
    if (i > 2 && Readings(i - 3) == 1 && Cat(i - 1) == 18 && In(Cat(i - 2), 21, 16) && Cls(i - 3) > 127 &&
        Nib(i) == Nib(i - 3)) {
        w.ReadingCount = 1;
        w.ReadingCategories[0] = Cat(i - 3);
        return V::kStop;
    }
    if (i > 0 && i < Count() - 1 && Readings(i + 1) == 1) {
        const bool excused = Is(i - 1, "so") || (Cat(i - 1) == 10 && (Feat(i - 1) & 8) == (Feat(i, 1) & 8));
        if (In(Cat(i + 1), 7, 8)) {
            if (!excused) return Verb(i);
        } else if (i < Count() - 2 && Cat(i + 1) == 18 && Cat(i + 2) == 7) {
            return Verb(i);
        }
    }
    if (!Last(i) && In(Cat(i + 1), 2, 3)) return Verb(i);
    return V::kGoOn;
}

bool DeterminerOrGoverningVerb(i32 k) { return In(Cat(k), 7, 8) || (Cat(k) == 14 && Cls(k) != 242); }

V AfterInfinitiveOrName(i32 i) {
    const bool noun = (i > 1 && Cls(i - 1) == '@' && In(Cat(i - 2), 7, 8)) ||
                      (i > 2 && Cls(i - 1) == '@' && In(Cls(i - 2), 'B', '.') && In(Cat(i - 3), 7, 8)) ||
                      OneReadingOf(i - 1, 13) ||
                      (i > 1 && Cat(i - 1) == 18 && OneReadingOf(i - 2, 13)) ||
                      (i > 1 && Readings(i - 2) == 1 && DeterminerOrGoverningVerb(i - 2) && Cat(i - 1) == 18) ||
                      (i >= 3 && Readings(i - 3) == 1 && DeterminerOrGoverningVerb(i - 3) && Cat(i - 2) == 18 &&
                       Cat(i - 1) == 18);
    if (noun) return Noun(i);
    i32 k = i - 1;
    i32 nouns = 0;
    for (; k >= 0 && In(Cat(k), 10, 8, 7); --k) nouns += Cls(k) == 'A';
    if (k < 0) {
        // The opening noun phrase ends before a conjugated verb: the word
        // is the last noun of a compound ("The response time was"), as no
        // verb stands right before a finite verb.
        if (nouns > 0 && !Last(i) && OneReadingOf(i + 1, 14)) return FirstNounReading(i);
        if (nouns > 0) KeepOne(i);
    } else if (OneReadingOf(k, 14)) {
        return FirstNounReading(i);
    }
    return V::kGoOn;
}

// The word after the noun phrase that ends before word i.
i32 PhraseStart(i32 i) {
    i32 k = i - 1;
    while (k >= 0 && In(Cat(k), 7, 8, 10)) --k;
    return k + 1;
}

V AgreementTests(const WalkState& s, i32 i) {
    if (s.pass == 0 && i >= 1) return V::kStop;
    if (s.pass == 0 || i < 1 || Readings(i) != 2 || Cat(i - 1) != 10) return V::kGoOn;
    if (Nib(i) == 1 && Feat(i - 1) < 8) {
        const i32 k = PhraseStart(i);
        if (Feat(k) < 8 && Cat(k) == 7) return Verb(i);
    }
    if (Nib(i) == 0 && Nib(i - 1) == 8 && Nib(PhraseStart(i)) == 8) return Verb(i);
    return V::kGoOn;
}

// True when the word stopped.
bool VerbOrNounRules(const WalkState& s, i32 i) {
    V v = LowNibbleTests(i);
    if (v == V::kGoOn) v = ZeroNibbleTests(s, i);
    if (v == V::kGoOn && i >= 2 && Readings(i - 1) == 1 && s.verbCount > s.clauseCount + 1 &&
        (Last(i) || Cat(i + 1) != 7) && In(Cat(i - 2), 7, 8) && In(Cls(i - 1), 'M', 'N'))
        v = Noun(i);
    if (v == V::kGoOn && s.pass >= 1) {
        v = FeatureTests(s, i);
        if (v == V::kGoOn) v = NeighbourTests(i);
        if (v == V::kGoOn) v = CoordinationTests(i);
    }
    if (v == V::kStop) return true;
    v = AfterInfinitiveOrName(i);
    if (v == V::kStop) return true;
    return AgreementTests(s, i) == V::kStop;
}

// ---- Verb-or-noun words (R12) ---------------------------------------------

// Whether the noun reading of word i is plural and the word before it is
// "we" or "you", the pronouns that may determine a noun ("we doctors").
bool PluralAfterWeOrYou(i32 i) {
    static const char* const kDetermining[] = {"we", "We", "you", "You", nullptr};
    return IsOneOf(i - 1, kDetermining) && ((Feat(i, 1) >> 2) & 3) == 2;
}

bool VerbOrNounWord(const WalkState& s, i32 i) {
    if (Readings(i) < 2 || Cat(i) != 14 || Cat(i, 1) != 10) return false;
    if (i > 0 && Capital(i) && s.verbCount > s.clauseCount + 1) {
        Collapse(i, 1);
        return true;
    }
    if (i > 0 && Cat(i - 1) == 1) {
        // A word between a subject pronoun and a verb is a noun ("we people
        // are"), unless it is a modal or auxiliary ("I must be"). Only "we"
        // and "you" stand before a noun, and a plural one: else the word is
        // the verb of a clause of its own ("what I mean is", "what we need
        // is").
        const u8 model = static_cast<u8>(Mark(i) & 127);
        if (!Last(i) && OneReadingOf(i + 1, 14) && (model < 27 || model > 38) && PluralAfterWeOrYou(i)) Collapse(i, 1);
        KeepOne(i);
        return true;
    }
    if (i > 0 && In(Cat(i - 1), 4, 6)) {
        KeepOne(i);
        return true;
    }
    if (i == 1 && Is(0, "why")) {
        KeepOne(1);
        MakeAdverbLike(0);
        return true;
    }
    return VerbOrNounRules(s, i);
}

}  // namespace

bool ChooseReadings(WalkState& s, i32 i) {
    AdverbOrNoun(s, i);
    if (Readings(i) == 1 && Cat(i) == 10) {
        OneReadingNoun(s, i);
    } else if (VerbOrNounFirstTests(s, i)) {
        return true;
    }
    NounAdjectiveVariants(s, i);
    return VerbOrNounWord(s, i);
}

void InfinitiveRules(i32 i, bool stopped) {
    if (stopped && i >= 1 && Cat(i - 1) == 13) {
        WordRecord& w = W(i);
        if (Readings(i) == 3 && Cat(i, 2) == 18) {
            w.ReadingCount = 1;
            w.ReadingCategories[0] = 18;
        } else if (Readings(i) == 2) {
            const i32 length = TextLength(i);
            const bool plural = (Feat(i, 1) & 0xFE) == 8;
            w.ReadingCount = 1;
            SetReading0Full(i, 10, plural ? 'A' : 'B', plural ? 8 : 12);
            // The letter before the plural ending, or the last letter; a
            // one-letter word reads its letter through the clamp.
            w.ReadingMarks[0] = static_cast<u8>(Letter(i, length - (plural ? 2 : 1)) & 31);
        }
    }
    if (Readings(i) < 2 || Cat(i) != 13 || Cat(i, 1) != 10) return;
    const bool plain = i > 0 && !Capital(i);
    if (plain && Cls(i - 1) == 242) {
        KeepOne(i);
    } else if (plain && Cls(i - 1) == ' ') {
        if (!(!Last(i) && Cat(i + 1) == 10 && In(Cls(i + 1, 1), 'B', 'C'))) KeepOne(i);
    } else if (i == 1 && !Capital(1) && Is(0, "why")) {
        KeepOne(1);
        MakeAdverbLike(0);
    } else if (plain && Cat(i - 1) == 16 && Cat(i - 2) == 13) {
        // The second of two infinitives joined by a conjunction ("to eat
        // and drink"), which the word loop made an infinitive.
        KeepOne(i);
    } else {
        Collapse(i, 1);
    }
}

}  // namespace english::np

using namespace english::np;

i16 ResolveEnglishNounPhraseNumber(i16 pass) {
    WalkState s;
    s.pass = pass;
    for (i32 i = 0; i < Count(); ++i) {
        const bool stopped = ChooseReadings(s, i);
        InfinitiveRules(i, stopped);
        Next next = ParticipleAndConjunctionRules(s, i);
        if (next == Next::kDeterminers || next == Next::kFromP12) next = DeterminerRules(s, i, next);
        if (next != Next::kEndWalk) next = NounPhraseRules(s, i, next);
        if (next == Next::kEndWalk) return s.ending;
    }
    return s.result;
}
