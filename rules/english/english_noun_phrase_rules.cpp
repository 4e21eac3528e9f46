// The later stages of the noun-phrase number walk: participles, personal
// pronouns, prepositions and conjunctions, "what" and "that", the
// determiners; the determiner and pronoun findings; the number of
// collective, quantity and invariable nouns; "some" after a negation and
// the question flag.
#include "frame/settings.h"
#include "frame/tables.h"
#include "morphology/word_lookup.h"
#include "rules/english/english_disambiguation.h"
#include "rules/english/english_noun_phrase.h"
#include "rules/english/english_verb_patterns.h"
#include "rules/rule_words.h"
#include "frame/mac_roman.h"

using namespace rules;

namespace english::np {

namespace {

bool In(u8 v, u8 a, u8 b) { return v == a || v == b; }
bool In(u8 v, u8 a, u8 b, u8 c) { return v == a || v == b || v == c; }
bool Last(i32 i) { return i >= Count() - 1; }
bool Exists(i32 i) { return i < Count(); }
bool Capital(i32 i) { return static_cast<i16>(rules::W(i).WordCaseMode) > 0; }
u8 Nib(i32 i) { return static_cast<u8>(Feat(i) & 15); }
bool ReadingPair(i32 i, u8 a, u8 b) { return Readings(i) > 1 && Cat(i) == a && Cat(i, 1) == b; }
bool BeModel(u8 mark) { return (mark & 127) == '%'; }
// Some reading of word i is a verb form.
bool AnyVerbReading(i32 i) {
    for (i32 r = 0; r < Readings(i); ++r)
        if (Cls(i, r) >= 128) return true;
    return false;
}
// A form of be, have, do or a modal (verb models 27 to 38).
bool Auxiliary(i32 k) { return Cls(k) >= 128 && (Mark(k) & 127) >= 27 && (Mark(k) & 127) <= 38; }

// No word of the sentence reads as a conjugated verb or is a verb form.
bool WithoutVerb() {
    for (i32 k = 0; k < Count(); ++k)
        if (Cat(k) == 14 || Cls(k) >= 128) return false;
    return true;
}


void Set(i32 i, u8 cat, u8 cls, u8 feat) {
    SetReading0(i, cat, cls);
    W(i).ReadingFeatures[0] = feat;
    KeepOne(i);
}
void SetWithMark(i32 i, u8 cat, u8 cls, u8 feat, u8 mark) {
    Set(i, cat, cls, feat);
    W(i).ReadingMarks[0] = mark;
}
// Reading 0 takes the mark and lemma of reading 1 under the given bytes.
void FromReading1(i32 i, u8 cat, u8 cls, u8 feat) {
    WordRecord& w = W(i);
    w.ReadingMarks[0] = w.ReadingMarks[1];
    w.ReadingLemmaRefs[0] = w.ReadingLemmaRefs[1];
    Set(i, cat, cls, feat);
}

// ---- Participles (P1, P2) -------------------------------------------------

void PastParticipleOrNoun(i32 i) {
    if (!ReadingPair(i, 11, 10)) return;
    if (i > 0 && rules::W(i).WordCaseMode == 0 && Cls(i - 1) > 128 && (BeModel(Mark(i - 1)) || Mark(i - 1) == '&')) {
        KeepOne(i);
        return;
    }
    // Back over every second word while they may stand inside a verb group.
    i32 t = 0;
    for (; t < i; t += 2) {
        const i32 k = i - t - 1;
        if (!(In(Cat(k), 11, 18, 16) || In(Cat(k), 21, 3) || In(Cls(k), 'B', 23))) break;
    }
    if (t < i) {
        const i32 v = i - t;
        for (i32 r = 0; r < Readings(v); ++r) {
            if (Cls(v, r) > 127 && (BeModel(Mark(v, r)) || Mark(v, r) == '&')) {
                W(i).ReadingCategories[0] = 11;
                W(i).ReadingFeatures[0] = 4;
                KeepOne(i);
                return;
            }
        }
    }
    Collapse(i, 1);
}

void PresentParticiple(i32 i) {
    if (Readings(i) <= 1 || Cat(i) != 12) return;
    const bool afterBe = i > 0 && Cls(i - 1) > 127 && BeModel(Mark(i - 1));
    const bool afterBeAdverb = i > 1 && (Cat(i - 1) == 18 || Cat(i - 1, 1) == 18) && Cls(i - 2) > 127 && BeModel(Mark(i - 2));
    const bool beforeAdjective = Exists(i + 1) && (In(Cls(i + 1), 'B', '.') || Cat(i + 1) == 11);
    if (afterBe || afterBeAdverb || beforeAdjective) KeepOne(i);
    else if (i > 0 && In(Cls(i, 1), 'A', '+') && Feat(i - 1) != 8 && (In(Cat(i - 1), 4, 7, 8) || Cat(i - 1) == 10))
        FromReading1(i, 10, 'A', 4);
    else if (Is(i - 1, "those") && Exists(i + 1) && !In(Cat(i + 1), 5, 10)) KeepOne(i);
    else if (i > 0 && In(Cat(i - 1), 7, 8, 18)) FromReading1(i, 10, 'B', 12);
    else if (i > 0 && Cat(i, 1) == 15) FromReading1(i, 15, 34, 0);
    else KeepOne(i);
}

// ---- Personal pronouns (P3) -------------------------------------------------

bool ConjugatedVerb(i32 k) { return Cat(k) == 14 && (Readings(k) == 1 || Cls(k) == 242); }
bool Joins(i32 k) { return Readings(k) == 1 && (Cat(k) == 16 || Cat(k) > 19); }
// A subject or object pronoun's category: a pronoun coordinated with it
// gives its case (a word of no category, such as the record past the
// sentence's end after a closing full stop, gives none).
bool CaseCategory(u8 cat) { return cat == 1 || cat == 2; }
bool Introducer(i32 k) { return Readings(k) == 1 && (In(Cat(k), 5, 17) || Is(k, "that")); }

// 1 subject, 2 object, 0 undecided by the tests of steps 1 to 6 and 9.
u8 PronounCase(i32 i) {
    if (i > 0 && Cls(i - 1) == 242 && Mark(i - 1) != '$') return 1;
    if (i > 0 && OneReadingOf(i - 1, 15)) return 2;
    if (ConjugatedVerb(i + 1) || (Cat(i + 1) == 18 && ConjugatedVerb(i + 2))) return 1;
    if (i == 0 || (i > 1 && In(Cat(i - 1), 10, 8)) || (i == 1 && Cat(0) > 15) || Cat(i - 1) == 21) return 1;
    if ((Cat(i + 1) == 14 && (Nib(i + 1) == 1 || Feat(i + 1) == 10)) ||
        (Cat(i + 1) == 18 && Cat(i + 2) == 14 && Nib(i + 2) == 1))
        return 1;
    if (Readings(i - 1) == 1 && Cat(i - 1) >= 11 && Cat(i - 1) <= 14) return 2;
    return 0;
}

void PersonalPronoun(const WalkState& s, i32 i) {
    if (Cat(i) != 3) return;
    WordRecord& w = W(i);
    const u8 c = PronounCase(i);
    if (c != 0) {
        w.ReadingCategories[0] = c;
    } else if (Joins(i + 1) && Exists(i + 2) && CaseCategory(Cat(i + 2))) {
        w.ReadingCategories[0] = Cat(i + 2);
    } else if (i > 1 && Joins(i - 1) && CaseCategory(Cat(i - 2))) {
        w.ReadingCategories[0] = Cat(i - 2);
    } else if (Is(i - 1, "like") && Cat(i - 2) == 10) {
        w.ReadingCategories[0] = 18;
        W(i - 1).ReadingCategories[0] = 18;
        KeepOne(i);
    } else if (Introducer(i - 1)) {
        w.ReadingCategories[0] = 1;
    } else if (Introducer(i + 1)) {
        w.ReadingCategories[0] = 2;
    } else if (s.pass >= 1 && i > 0 && Cat(i - 1) != 14) {
        CopyReading(w, 1, 0);
        w.ReadingCategories[0] = 1;
        w.ReadingCategories[1] = 2;
        w.ReadingCount = 2;
        return;
    } else {
        return;
    }
    if (Cat(i) == 1 && Readings(i + 1) > 1 && Cat(i + 1) == 14) KeepOne(i + 1);
}

// ---- Prepositions, conjunctions and adverbs (P5 to P7) -------------------

void Subordinating(i32 i) { Set(i, 17, 17, Feat(i)); }

bool LaterCategory(i32 i, u8 cat) {
    for (i32 k = i + 1; k < Count(); ++k)
        if (Cat(k) == cat) return true;
    return false;
}

// "but" after a negation or a word of totality ("not ... but", "all but").
bool ExceptionBefore(i32 i) {
    for (i32 k = i - 1; k >= 0; --k) {
        if (Begins(k, "not") || Is(k, "all") || Begins(k, "any") || Begins(k, "every")) {
            for (i32 m = k; m < i; ++m)
                if (OneReadingOf(m, 14)) return false;
            return true;
        }
    }
    return false;
}

Next But(i32 i) {
    if (i > 0 && Readings(i - 1) == 1 && In(Cat(i - 1), 14, 13, 21) && In(Cat(i + 1), 10, 7, 8)) {
        Subordinating(i);
        return Next::kNounPhrase;
    }
    if (i == 0) Set(0, 18, 20, Feat(0));
    if ((Cls(i - 1) == 'B' && Cls(i + 1) == 'B') || ExceptionBefore(i)) Set(i, 16, 16, Feat(i));
    return Next::kNounPhrase;
}

Next PrepositionOrConjunction(const WalkState& s, i32 i) {
    if (Is(i, "but")) return But(i);
    if (Last(i)) {
        Set(i, 18, 20, Feat(i));
        return Next::kNounPhrase;
    }
    if (i == 0 && In(Cat(1), 7, 8)) {
        KeepOne(0);
        return Next::kFromN6;
    }
    const i32 n = Count();
    i32 j = -1;
    for (i32 k = i + 1; k < n && j < 0; ++k)
        if (Readings(k) == 1 && (In(Cat(k), 14, 15, 17) || Cat(k) == 5)) j = k;
    for (i32 k = i + 1; k < n - 1 && j < 0; ++k)
        if (Readings(k) == 2 && Cat(k) == 14 && Readings(k + 1) == 2 && Cat(k + 1) == 14) j = k;
    if (j < 0) {
        if (!LaterCategory(i, 14)) KeepOne(i);
        return Next::kNounPhrase;
    }
    if (OneReadingOf(j, 14)) {
        if (LaterCategory(i, 16)) KeepOne(i);
        else Subordinating(i);
    } else if (Readings(j) == 2 && Cat(j) == 14 && !Last(j) && Readings(j + 1) == 2 && Cat(j + 1) == 14) {
        Subordinating(i);
    } else if (Readings(i + 1) == 1 && In(Cat(i + 1), 1, 17)) {
        Subordinating(i);
    } else if (s.pass >= 1) {
        if (s.verbCount <= s.clauseCount) KeepOne(i);
        else Subordinating(i);
    }
    return Next::kNounPhrase;
}

void Adverb(i32 i) { Set(i, 18, 20, Feat(i)); }

void ConjunctionOrAdverb(i32 i) {
    if (i == 0 || (OneReadingOf(i - 1, 14) && !Is(i, "why"))) {
        Adverb(i);
        return;
    }
    i32 k = i - 1;
    while (k >= 0 && Cat(k) == 18) --k;
    if (k < 0) k = 0;
    if (Is(i, "why") && Cat(k) == 14) {
        KeepOne(i);
        return;
    }
    if (Cat(k) == 14 || (k == i - 1 && Cat(k) == 15)) {
        Adverb(i);
        return;
    }
    i32 j = i + 1;
    while (j < Count() && !(Cat(j) == 14 || Cat(j) == 15 || Cat(j) == 17)) ++j;
    if (j >= Count() || j == i + 1 || Cat(j) != 14 || (j == i + 2 && Cat(i + 1) == 18)) {
        Adverb(i);
        return;
    }
    KeepOne(i);
    // "then" before a clause opens it, but is no conjunction ("then we
    // left"): the category tells the clause, the class the adverb.
    if (Is(i, "then")) W(i).ReadingClasses[0] = 20;
}

void PrepositionOrAdverb(i32 i) {
    const bool object = In(Cat(i + 1), 2, 4, 7) || In(Cat(i + 1), 8, 10) || (Readings(i + 1) > 1 && Cat(i + 1, 1) == 10);
    if (Exists(i + 1) && object) Set(i, 15, 34, Feat(i));
    else Set(i, 18, 20, Feat(i));
}

// ---- "what" and "that" (P8, P9) -------------------------------------------

void What(i32 i) {
    if (Cat(i - 1) == 15 || OneReadingOf(i + 1, 14)) {
        KeepOne(i);
    } else if (Readings(i + 1) == 1 && (Cat(i + 1) == 10 || i == Count() - 2 || (Cls(i + 1) == ' ' && Cat(i + 2) == 13))) {
        SetWithMark(i, 8, 'P', 0, 20);
    }
}

bool SingularNoun(i32 k) { return Exists(k) && OneReadingOf(k, 10) && (Feat(k) & 0xFE) != 8; }

void ThatDeterminer(i32 i) { SetWithMark(i, 8, 'O', 4, 20); }
void ThatConjunction(i32 i) { SetWithMark(i, 17, 17, 0, 20); }

// The rest of the clause after "that" before a noun: a verb makes it a
// conjunction, a clause opener or nothing a determiner. The walk starts on
// the word after the next.
void ThatBeforeNoun(i32 i) {
    for (i32 k = i + 2; k < Count(); ++k) {
        if (Cat(k) == 14) {
            ThatConjunction(i);
            return;
        }
        if (Cat(k) == 17 || Cat(k) == 5) break;
    }
    ThatDeterminer(i);
}

Next That(const WalkState& s, i32 i) {
    WordRecord& w = W(i);
    if (i == 1 && In(Cat(0), 18, 16)) {
        SetWithMark(1, 4, 'O', 4, 20);
        return Next::kNounPhrase;
    }
    if (i == 0 && Cat(1) == 1) {
        KeepOne(0);
        return Next::kFromN6;
    }
    if (Last(i)) {
        KeepOne(i);
        return Next::kNounPhrase;
    }
    if (Cat(i + 1) == 21) {
        SetWithMark(i, 4, 'F', 0, 20);
        return Next::kNounPhrase;
    }
    const bool noun1 = Cat(i + 1, 1) == 10 && (Feat(i + 1, 1) & 0xFE) != 8 && Exists(i + 2) &&
                       (Cat(i + 2) == 10 || Cat(i + 2, 1) == 10);
    if (OneReadingOf(i + 1, 14) && (OneReadingOf(i - 1, 10) || (i > 1 && OneReadingOf(i - 2, 10) && Cat(i - 1) == 21))) {
        KeepOne(i);
    } else if (Readings(i - 1) == 1 && In(Cat(i - 1), 11, 14, 15) &&
               (SingularNoun(i + 1) || (Cat(i + 1) == 18 && SingularNoun(i + 2)) || noun1)) {
        ThatDeterminer(i);
    } else if (OneReadingOf(i - 1, 10) && Cat(i + 1) < 11) {
        // After a noun "that" before a subject opens a relative clause ("the
        // fees that they charge"), unless the noun takes a content clause
        // ("the fact that they left") or is an adjective ("sure that").
        if (RelativeAfter(i - 1)) KeepOne(i);
        else ThatConjunction(i);
    } else if (In(Cat(i - 1), 10, 8) && (Readings(i - 1) == 1 || Cat(i + 1) < 10)) {
        KeepOne(i);
    } else if (Cls(i - 1) > 127 && (Readings(i - 1) == 1 || s.pass >= 1)) {
        const u32 lemma = Lemma(i);
        w.ReadingCount = 2;
        w.ReadingCategories[0] = 17;
        w.ReadingClasses[0] = 17;
        w.ReadingFeatures[0] = 0;
        w.ReadingMarks[0] = 20;
        w.ReadingCategories[1] = 8;
        w.ReadingClasses[1] = 'O';
        w.ReadingFeatures[1] = 4;
        w.ReadingMarks[1] = 20;
        w.ReadingLemmaRefs[1] = lemma;
    } else if (In(Cat(i - 1), 10, 6) && OneReadingOf(i + 1, 14)) {
        KeepOne(i);
    } else if (i > 0 && OneReadingOf(i - 1, 15)) {
        // After a preposition "that" is the demonstrative ("of that
        // time", "about that", "With that he went"): no conjunction
        // follows a preposition.
        ThatDeterminer(i);
    } else if (Cat(i + 1) == 10 || (Cat(i + 1) == 14 && In(Feat(i + 1), 16, 24)) ||
               (Cat(i + 1, 1) == 10 && (i == Count() - 2 || Cat(i + 2) == 10 || Cat(i + 2, 1) == 10))) {
        ThatBeforeNoun(i);
    } else if (s.pass >= 1) {
        ThatConjunction(i);
    }
    return Next::kNounPhrase;
}

// ---- Preposition or noun, pronoun or adverb (P10, P11) --------------------

void PrepositionOrNoun(i32 i) {
    if (i > 0 && In(Cat(i - 1), 7, 8)) CollapseAs(i, 1, 10);
    else if (Exists(i + 1) && In(Cat(i + 1), 7, 8)) KeepOne(i);
}

void PronounOrAdverb(const WalkState& s, i32 i) {
    WordRecord& w = W(i);
    if (Exists(i + 1) && Readings(i + 1) == 1) {
        if (Cat(i + 1) < 7 || Cat(i + 1) == 15 || (Cat(i + 1) == 14 && Feat(i + 1) != 24)) KeepOne(i);
        return;
    }
    if (Exists(i + 1) && Cat(i + 1) == 10) {
        w.ReadingMarks[1] = w.ReadingMarks[0];
        w.ReadingLemmaRefs[1] = w.ReadingLemmaRefs[0];
        Set(i, 8, 'Q', 0);
        return;
    }
    if (s.pass < 1) return;
    if (i > 0 && Cat(i - 1) == 14 && (Last(i) || Feat(i + 1) != 66)) FromReading1(i, 10, 'A', 4);
    else FromReading1(i, 18, 20, 0);
}

// ---- Determiners of class O to Q (P12) ------------------------------------

void NounNext(i32 i) {
    KeepOne(i);
    Collapse(i + 1, 1);
}
void PronounNow(i32 i) {
    KeepOne(i);
    W(i).ReadingCategories[0] = Cls(i) == 'O' ? 4 : 6;
    KeepOne(i + 1);
}

void Determiner(i32 i) {
    WordRecord& w = W(i);
    if (TextLength(i) == 2) {
        if (!Is(i, "no")) return;
        if ((Exists(i + 1) && OneReadingOf(i + 1, 10)) || (Is(i + 1, "such") && OneReadingOf(i + 2, 10))) {
            KeepOne(i);
        } else if (Cat(i + 1) == 12) {
            KeepOne(i);
            SetReading0(i + 1, 10, 'A');
            W(i + 1).ReadingFeatures[0] = 4;
            W(i + 1).ReadingMarks[0] = '\'';
        } else if (i > 0 && (Cat(i - 1) == 14 || Cat(i - 1) > 19)) {
            w.ReadingCategories[0] = 8;
            KeepOne(i);
        }
        return;
    }
    if (Exists(i + 1) && Readings(i + 1) == 1 && In(Cls(i + 1), 'B', '.')) {
        KeepOne(i);
        return;
    }
    if ((Is(i, "all") || Is(i, "both")) &&
        ((i > 0 && (Cls(i - 1) == 242 || Cat(i - 1) == 1)) || (Exists(i + 1) && Cat(i + 1) == 7)))
        return;
    if (Exists(i + 1) && Readings(i + 1) == 1 && In(Cat(i + 1), 14, 15)) {
        KeepOne(i);
        if (Cls(i) == 'O') {
            w.ReadingCategories[0] = 4;
        } else {
            w.ReadingCategories[0] = 6;
            w.ReadingClasses[0] = 'K';
        }
    } else if (Exists(i + 1) && OneReadingOf(i + 1, 10)) {
        KeepOne(i);
    } else if (Exists(i + 1) && ReadingPair(i + 1, 14, 10)) {
        const bool nounAfter = Exists(i + 2) && Readings(i + 2) == 1 && In(Cat(i + 2), 10, 15);
        if (Feat(i + 1) == 1) {
            if (Feat(i) != 4 || nounAfter) NounNext(i);
            else PronounNow(i);
        } else if (Feat(i + 1) == 0) {
            if (Feat(i) != 8 || nounAfter) NounNext(i);
            else PronounNow(i);
        }
    }
}

}  // namespace

Next ParticipleAndConjunctionRules(WalkState& s, i32 i) {
    PastParticipleOrNoun(i);
    PresentParticiple(i);
    PersonalPronoun(s, i);
    CountClauses(s.tally, 0, true, true, s.verbCount, s.clauseCount);
    // The pair tests below read the word as it stands here: nothing edits it
    // before one of them is taken.
    const bool several = Readings(i) > 1;
    const u8 first = Cat(i);
    const u8 second = Cat(i, 1);
    const auto pair = [several, first, second](u8 a, u8 b) { return several && first == a && second == b; };
    if (pair(15, 17)) return PrepositionOrConjunction(s, i);
    if (s.pass >= 1 && pair(17, 18)) {
        ConjunctionOrAdverb(i);
        return Next::kNounPhrase;
    }
    if (s.pass >= 1 && pair(15, 18)) {
        PrepositionOrAdverb(i);
        return Next::kNounPhrase;
    }
    if (first == 5) {
        if (Is(i, "what")) What(i);
        if (Is(i, "that")) return That(s, i);
        return Next::kNounPhrase;
    }
    if (pair(15, 10)) {
        PrepositionOrNoun(i);
        return Next::kNounPhrase;
    }
    if (pair(6, 18)) {
        PronounOrAdverb(s, i);
        return Next::kNounPhrase;
    }
    if (Cls(i) >= 'O' && Cls(i) <= 'Q') {
        Determiner(i);
        return Next::kFromP12;
    }
    return Next::kDeterminers;
}

// ---- Determiner and pronoun findings (D1 to D9) ---------------------------

namespace {

// "every where", "some body", "any one": a compound written apart.
void WrittenApart(WalkState& s, i32 i) {
    if (!(Is(i, "every") || Is(i, "some") || (Is(i, "any") && Cls(i) == 'Q'))) return;
    // "day" and "place" are held: "every day" and "some place" written
    // apart are the adverbial uses ("we meet every day").
    static const char* const kWholes[] = {"body", "thing", nullptr};
    const bool lastButOne = i == Count() - 2;
    const bool apart = (!Last(i) && Is(i + 1, "how")) || Is(i + 1, "what") || Is(i + 1, "where") ||
                       (Is(i + 1, "one") && (lastButOne || Cat(i + 2) == 14)) ||
                       // The pronoun as subject too ("some body stole it"); "a
                       // body of water", "body armour" stay apart.
                       (IsOneOf(i + 1, kWholes) &&
                        (lastButOne || (Cat(i + 2) != 10 && Cat(i + 2) != 5 && !Is(i + 2, "of"))));
    if (apart) s.result = static_cast<i16>(513 + i);
}

Next End(WalkState& s, i32 value, u8 variant) {
    if (variant != 0) gErrorVariant = variant;
    s.ending = static_cast<i16>(value);
    return Next::kEndWalk;
}

// The dictionary gives the word only as a name.
bool NameOnly(i32 i) {
    static BoundedString form;
    static BoundedArray<u16> tags;
    if (!form.valid) form.Allocate(36);
    if (!tags.valid) tags.Allocate(20);
    if (TextLength(i) == 0 || TextLength(i) > 30) return false;
    CopyString(form, rules::W(i).WordText);
    u16 count = 0;
    LookupWordForm(0, form, tags, count);
    for (u16 t = 0; t < count && t < tags.count; ++t)
        if ((tags.data[t] >> 8) != '@') return false;
    return count > 0;
}

// "its" and "his" (class 's').
Next PossessiveS(WalkState& s, i32 i) {
    if (Is(i, "its") && !Last(i)) {
        // Before an article or determiner, or in a sentence without a verb
        // ("Its a nice day.", "Its nice."); the counts alone also took "its"
        // before a noun in long sentences of many clauses.
        const bool verbless = s.verbCount < s.clauseCount + 1 && (In(Cat(i + 1), 7, 8) || WithoutVerb());
        // Nor does a possessive come before a word the dictionary gives as
        // nothing but a verb, unless a noun follows that it may qualify
        // ("I think its got nothing to do with it"; "its abetted
        // parameter").
        const bool verbAfter = i + 2 < Count() &&
                               Cat(i + 2) != 10 && OnlyVerbForms(i + 1);
        // After a verb that opens a clause, "its" before a name that ends
        // the clause (a date's day may follow) is "it's" ("I hope its
        // Katie.", "I guess its March 6."); a possessive's name has a noun
        // after it ("its London office").
        const i32 end = i + 2 < Count() && (Cls(i + 2) == 'R' || Cls(i + 2) == 'S') ? i + 3 : i + 2;
        const bool nameAfter = i >= 1 && Cat(i - 1) == 14 && W(i + 1).WordCaseMode == 1 && NameOnly(i + 1) &&
                               (end >= Count() || Cat(end) >= 20);
        if (verbless || verbAfter || nameAfter || (s.verbCount == s.clauseCount + 1 && Cat(i + 1) == 7))
            s.result = static_cast<i16>(257 + i);
        return Next::kDeterminers;
    }
    if (i == 0) {
        KeepOne(0);
        return Next::kFromN6;
    }
    if (Readings(i + 1) == 1 && In(Cat(i + 1), 14, 12)) {
        Set(i, 10, 'D', 0);
        W(i).ReadingMarks[1] = 19;
    }
    return Next::kDeterminers;
}

// "her" (class 't'): determiner or object pronoun.
Next PossessiveT(WalkState& s, i32 i) {
    if (i == 0) {
        KeepOne(0);
        return Next::kFromN6;
    }
    if (In(Cat(i + 1), 10, 8) || Cls(i - 1) == '!' || Cat(i - 1) == 21) {
        KeepOne(i);
        return Next::kDeterminers;
    }
    if (Last(i) || (Readings(i + 1) == 1 && (Cat(i + 1) == 14 || Cat(i + 1) < 8))) {
        Set(i, 2, 'b', 0);
        W(i).ReadingMarks[1] = 18;
    } else if ((Cat(i - 1) == 16 && (Cls(i - 2) == '@' || Cat(i - 2) == 1) && Cat(i + 1) == 14) ||
               (Cat(i + 1) == 16 && (Cls(i + 2) == '@' || Cat(i + 2) == 1) && Cat(i + 3) == 14)) {
        s.result = static_cast<i16>(257 + i);
    }
    return Next::kDeterminers;
}

// An adjective with no noun after it, at the end of its clause ("I hope
// your safe."): a possessive has no head there. "own", "best" and the
// other words that stand for a noun after a possessive ("on your own",
// "do your best") are not such adjectives, nor is a form in -ing, which
// after a possessive is the gerund ("wonder at your turning out so").
bool AdjectiveEndingClause(i32 a) {
    static const char* const kHeads[] = {"own", "best", "worst", "most", "least", "last", "first", "utmost", nullptr};
    if (Readings(a) != 1 || Cls(a) != 'B' || IsOneOf(a, kHeads) || Ends(a, "ing")) return false;
    const u8 next = Cat(a + 1);
    return Last(a) || next == 20 || next == 21 || (next >= 15 && next <= 18);
}

bool SeparatorHolds(i32 i, const char* part) { return FindCSubstring(rules::W(i).SeparatorText, part) == 2; }

// An object pronoun joined by "and" to another subject before the verb of
// its clause ("Me and Jordan fixed it", "Jordan and me fixed it"): the
// subject takes the subject form, whatever reading the pronoun was given
// at the sentence's start. The other member is a name, a pronoun
// or a short noun phrase; the pronoun opens its clause or follows a name
// that does.
bool OpensClause(i32 i) { return i == 0 || Cat(i - 1) >= 20 || Cat(i - 1) == 16 || Cat(i - 1) == 17; }

bool ObjectPronounInSubject(i32 i) {
    static const char* const kObjects[] = {"me", "him", "us", "them", nullptr};
    bool listed = false;
    for (const char* const* p = kObjects; *p != nullptr; ++p) listed = listed || IsAnyCase(i, *p);
    // Written in capitals it may be a name ("US", "ME").
    if (!listed || W(i).WordCaseMode == 3 || W(i).WordCaseMode == 4) return false;
    i32 v = -1;
    if (OpensClause(i) && Is(i + 1, "and")) {
        i32 k = i + 2;
        while (k < i + 5 && k < Count() && (In(Cat(k), 7, 8, 10) || CaseCategory(Cat(k)))) ++k;
        if (k == i + 2 || (Cat(k - 1) != 10 && !CaseCategory(Cat(k - 1)))) return false;
        v = k;
    } else if (i >= 2 && Is(i - 1, "and") && (Cat(i - 2) == 10 || Cat(i - 2) == 1) && OpensClause(i - 2)) {
        v = i + 1;
    } else {
        return false;
    }
    return v < Count() && ConjugatedVerb(v) && Cls(v) >= 128;
}

Next SubjectPronoun(WalkState& s, i32 i) {
    i16 verbs = 0;
    i16 introducers = 0;
    CountClauses(s.tally, i, true, true, verbs, introducers);
    // A verb right after punctuation opens an inverted speech tag ("Yes,"
    // said he): its subject follows it.
    const bool speechTag = Cat(i - 1) == 14 && Cat(i - 2) >= 20;
    // An auxiliary or a modal before the pronoun is the inverted verb of a
    // question or a conditional ("What could I say?", "was I thinking").
    const bool inverted = Cat(i - 1) == 14 && (Cls(i - 1) == 242 || Auxiliary(i - 1));
    const bool afterVerb = i > 1 && !speechTag && !inverted &&
                           (Cat(i - 1) == 14 || (Cat(i - 1) == 13 && Cls(i - 2) == 242) ||
                            (i > 2 && Cat(i - 1) == 13 && Is(i - 2, "not") && Cls(i - 3) == 242));
    // The pronoun opens a clause of its own when its verb follows it ("I
    // thought I would", "if I talk I must").
    const bool ownVerb = (!Last(i) && !In(Cat(i + 1), 21, 17, 20) && verbs >= introducers + 1) ||
                         Cat(i + 1) == 14 || AnyVerbReading(i + 1) || (Cat(i + 1) == 18 && Cat(i + 2) == 14);
    if (afterVerb && !ownVerb) s.result = static_cast<i16>(256 + i);
    return i == 0 ? Next::kFromN6 : Next::kNounPhrase;
}

}  // namespace

Next DeterminerRules(WalkState& s, i32 i, Next from) {
    if (from == Next::kFromP12) {
        WrittenApart(s, i);
        return Next::kNounPhrase;
    }
    const u8 c = Cls(i);
    const bool numeral = c == 'R' || c == 'S';
    if (s.pass >= 1 && c == 's') {
        const Next n = PossessiveS(s, i);
        if (n != Next::kDeterminers) return n;
    }
    if (s.pass >= 1 && c == 't') {
        const Next n = PossessiveT(s, i);
        if (n != Next::kDeterminers) return n;
    }
    // "it's" before a noun in a clause that has another verb is the
    // possessive; so is "it's" before an adjective or ordinal and its noun
    // where a verb or a preposition stands before it ("I like it's various
    // colors", "He failed it's 2nd attempt"; "..., it's enough food" is a
    // clause).
    const bool objectPlace = i >= 2 && (Cat(i - 2) == 14 || Cat(i - 2) == 15 || Cat(i - 2) == 12 || Cat(i - 2) == 13);
    const bool nounAfter = Cls(i + 1) == 'A' ||
                           (objectPlace && (Cls(i + 1) == 'B' || Cls(i + 1) == 'R') && Cls(i + 2) == 'A');
    // So are "they're" and "you're" for "their" and "your" ("I admired
    // they're patience"), unless a plural noun comes next: the plural
    // attribute opens with a noun of its compound ("they're shock jocks").
    const bool areContracted = (SeparatorHolds(i - 1, "hey're") || SeparatorHolds(i - 1, "ou're")) &&
                               !(Cat(i + 2) == 10 && Cls(i + 2) == 'A' && Feat(i + 2) == 8);
    const bool contracted = SeparatorHolds(i - 1, "t's") || areContracted;
    if (s.pass >= 1 && !numeral && Cat(i) == 14 && BeModel(Mark(i)) && contracted && nounAfter &&
        s.verbCount > s.clauseCount + 1)
        return End(s, 256 + i, 'Y');
    if (s.pass >= 1 && !numeral && Cat(i) == 14 && Mark(i) == 20 && SeparatorHolds(i, "et's")) {
        if (i == 0) return Next::kFromN6;
        if (!Last(i) && In(Cls(i - 1), 'A', '@') && Cat(i + 1) != 14) return End(s, 257 + i, 'Y');
    }
    // "it", like "you", is one form for both cases.
    if (!numeral && Cat(i) == 1 && c != 92 && c != '[') return SubjectPronoun(s, i);
    if (s.pass >= 1 && ObjectPronounInSubject(i)) {
        // The report names the object form: its reading goes first.
        for (i32 r = 1; r < Readings(i) && Cat(i) != 2; ++r)
            if (Cat(i, r) == 2) CopyReading(W(i), 0, r);
        if (Cat(i) != 2) W(i).ReadingCategories[0] = 2;
        return End(s, 257 + i, 0);
    }
    // The word tests come first: most words are refused on their first letter.
    // Only a possessive stands before "own" ("on there own" for "on their
    // own"), unless a form of "be" makes "there" the pronoun ("is there
    // own-brand stock") or "there" is the adverb after a noun, the verb
    // "own" following it ("People there own cars").
    static const char* const kBe[] = {"is", "are", "was", "were", "be", nullptr};
    if (s.pass >= 1 && Is(i, "there") && TextLength(i) == 5 && Is(i + 1, "own") &&
        !(i > 0 && (IsOneOf(i - 1, kBe) || Cat(i - 1) == 10)))
        return End(s, 257 + i, 0);
    if (s.pass >= 1 && Is(i, "there") && TextLength(i) == 5) {
        // "there" ending a clause ("Who is there?"), before a verb ("there
        // was", "there must") or after a form of be ("is there") is the
        // adverb or the pronoun; the counts alone say "they're" only in a
        // sentence without a verb.
        const bool existential = Cat(i + 1) >= 20 || Cat(i + 1) == 0 || AnyVerbReading(i + 1) || Cat(i + 1) == 14 || (Cat(i - 1) == 14 && (Mark(i - 1) & 127) == '%');
        const bool x = !Last(i) && !existential &&
                       (In(Cls(i + 1), 'A', '+') || (s.verbCount < s.clauseCount + 1 && WithoutVerb()));
        if (x) return s.verbCount >= s.clauseCount + 1 ? End(s, 257 + i, 0) : End(s, 256 + i, 'V');
    } else if (s.pass >= 1 && Is(i, "their") && TextLength(i) == 5) {
        // "their" before a word that cannot follow a possessive (a verb, a
        // pronoun, an article, a preposition or conjunction, a mark); an
        // adverb or participle may ("their finely designed fronts").
        const u8 next = Cat(i + 1);
        const bool noHead = (next >= 1 && next < 10) || next == 14 || next == 15 || next == 16 || next == 17 || next == 20 || next == 21;
        if (Last(i) || (Readings(i + 1) == 1 && noHead)) return End(s, 256 + i, 0);
    }
    if (s.pass >= 1 && (Is(i, "real") || Is(i, "lets") || Is(i, "your")) && TextLength(i) == 4) {
        if (Is(i, "real") && i > 0 && !Last(i) && (In(Cls(i + 1), 'B', '.') || Is(i + 1, "good")) && Cls(i - 1) > 127) {
            SetReading0(i, 10, 'B');
            if (Is(i + 1, "good")) SetReading0(i + 1, 10, 'B');
            return End(s, 257 + i, 0);
        }
        if (Is(i, "lets") && Cat(i + 1) == 14 && (i == 0 || In(Cat(i - 1), 21, 16))) return End(s, 257 + i, 0);
        if (Is(i, "your") && !Last(i) && s.verbCount < s.clauseCount + 1 && WithoutVerb() &&
            (i == 0 || In(Cat(i + 1), 7, 8) || Cls(i + 1) == 'B'))
            return End(s, 257 + i, 0);
        if (Is(i, "your") && i > 0 && AdjectiveEndingClause(i + 1)) return End(s, 257 + i, 0);
    }
    // A number word counts a plural, except "one", which counts one.
    const bool one = Is(i, "one") || Is(i, "One");
    // After a noun it names one of a series ("chapter two"), unless a
    // plural noun or another number follows it ("the last two years", "the
    // last two hundred years").
    const bool counts = !Last(i) && ((Cat(i + 1) == 10 && Feat(i + 1) == 8) || Cls(i + 1) == 'S');
    const bool afterNoun = i > 0 && Cat(i - 1) == 10 && !counts;
    if (numeral && c == 'S' && !one && !afterNoun) W(i).ReadingFeatures[0] = 8;
    return Next::kNounPhrase;
}

// ---- Noun-phrase number (N1 to N9) ----------------------------------------

namespace {

void ClearNumber(i32 i) {
    W(i).ReadingFeatures[0] = 0;
    W(i).ReadingClasses[0] = 'A';
}

const char* const kTheAdjectives[] = {"people", "affluent", "brave", "elderly", "homeless", "lonely", "oppressed",
                                      "poor", "rich", "sick", "underprivileged", "unemployed", "wealthy", "young",
                                      nullptr};
const char* const kQuantities[] = {"number", "quantity", "half", "majority", "minority", "dozen", "hundred",
                                   "thousand", "million", "billion", nullptr};
const char* const kShares[] = {"share", "batch", "fraction", nullptr};
// "committe" as the list has it, and its right spelling.
const char* const kGroups[] = {"group", "team", "squad", "throng", "crew", "crowd", "committe", "committee",
                               "commission", nullptr};
const char* const kAnimals[] = {
    "albatross", "antelope", "bass", "bear", "beaver", "bison", "bream", "buck", "buffalo", "carp", "cattle",
    "chamois", "cod", "dace", "deer", "doe", "duck", "eel", "elk", "fish", "flounder", "fox", "grouse", "hare",
    "haddock", "halibut", "herring", "lobster", "mackerel", "mink", "minnow", "moose", "partridge", "pickerel",
    "perch", "pike", "quail", "rabbit", "raccoon", "roe", "sardine", "seal", "shad", "sheep", "shrimp", "skunk",
    "smelt", "squid", "squirrel", "stag", "stork", "swan", "swine", "tiger", "tortoise", "tuna", "turtle", "trout",
    nullptr};
const char* const kQuestionWords[] = {"why", "when", "where", "how", nullptr};

bool BeforeOf(i32 i) { return i < Count() - 2 && Cat(i) == 10 && Is(i + 1, "of") && Feat(i + 2) != 4; }

// The word as a capitalised form is known to the dictionary.
bool KnownCapitalised(i32 i) {
    static BoundedString form;
    static BoundedArray<u16> tags;
    if (!form.valid) form.Allocate(36);
    if (!tags.valid) tags.Allocate(20);
    CopyString(form, rules::W(i).WordText);
    form.data[0] = ToUpperMacRoman(form.data[0]);
    u16 count = 0;
    LookupWordForm(0, form, tags, count);
    return count > 0;
}

// N1 to N5; true when N6 is to be skipped.
bool CollectiveNumber(i32 i) {
    // "those" and "these" make such an adjective a noun as "the" does
    // ("those poor", "these homeless").
    const bool article = Is(i - 1, "the") || Is(i - 1, "those") || Is(i - 1, "these");
    if (i < Count() - 1 && Cat(i) == 10 && article && Cat(i + 1) != 10 && IsOneOf(i, kTheAdjectives)) {
        ClearNumber(i);
    } else if (Cat(i) == 10 && !Last(i) && (Cls(i - 1) == 'h' || (i > 1 && Cls(i - 1) == 'B' && In(Cls(i - 2), 'h', 'c'))) &&
               IsOneOf(i, kQuantities)) {
        ClearNumber(i);
    } else if (BeforeOf(i) && IsOneOf(i, kShares)) {
        ClearNumber(i);
    } else if (gActiveVariantB == 1 && BeforeOf(i) && IsOneOf(i, kGroups)) {
        ClearNumber(i);
    } else if (Capital(i) && In(Cls(i), 'C', 'N', 'B') && Feat(i) == 12 && Is(i - 1, "the") && !Last(i) &&
               Cat(i + 1) != 10) {
        if (KnownCapitalised(i)) ClearNumber(i);
        return true;
    }
    return false;
}

bool SomeAfterNegation(WalkState& s, i32 i) {
    if (Cls(i) <= 127 || (Mark(i) != 34 && Mark(i) != '&')) return false;
    const bool t = Ends(i, "t");
    if (!t && !Is(i + 1, "not")) return false;
    i32 k = t ? 2 : 3;
    if (!Last(i) && Cat(i + 1) < 4) ++k;
    for (i32 j = i + k; j < Count() && Cat(j) >= 7 && Cat(j) <= 11; ++j) {
        if (Is(j, "some")) {
            s.ending = static_cast<i16>(257 + j);
            return true;
        }
    }
    return false;
}

void QuestionFlag(WalkState& s, i32 i) {
    // Not after an opening adverb: "There were houses", "Here is the
    // tale", "So am I" are no questions.
    if (s.result != 0 || Cls(i) != 242 || Feat(i) == 12) return;
    const bool at = (i == 0 && !(Is(0, "don't") && Cat(1) >= 4)) ||
                    IsOneOf(i - 1, kQuestionWords);
    if (!at) return;
    if (Mark(i) == 34 && Is(i + 1, "not")) return;
    s.result = Feat(i) == 3 ? 2 : 1;
    if (IsOneOf(0, kQuestionWords)) MakeAdverbLike(0);
}

}  // namespace

Next NounPhraseRules(WalkState& s, i32 i, Next from) {
    bool skipN6 = false;
    if (from == Next::kNounPhrase && i > 0) skipN6 = CollectiveNumber(i);
    if (!skipN6 && Cls(i) == 'A' && Feat(i) == 4 && IsOneOf(i, kAnimals)) W(i).ReadingFeatures[0] = 0;
    if (i > 0 && i < Count() - 2 && Cls(i - 1) == 'h' && Cat(i) == 10 && Is(i + 1, "of") && Feat(i + 2) != 4 &&
        (Is(i, "lot") || Is(i, "host"))) {
        W(i).ReadingFeatures[0] = 8;
        W(i - 1).ReadingFeatures[0] = 8;
        W(i).ReadingClasses[0] = 'A';
    }
    if (SomeAfterNegation(s, i)) return Next::kEndWalk;
    QuestionFlag(s, i);
    return Next::kNounPhrase;
}

}  // namespace english::np
