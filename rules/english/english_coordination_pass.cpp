// Coordination and apposition around the conjunction and comma records of
// the English segment table: when the two neighbours form one unit the
// conjunction (or comma) and the second neighbour leave the table and the
// first stands for both; a true coordination becomes plural and its subject
// links are re-pointed. The comma rule is tried first on each record.
#include "rules/english/english_phrase_stage.h"
#include "rules/english/english_segment_passes.h"

namespace english {

using namespace rules;

namespace {

enum class Step : u8 { kNext, kRemoved, kFound };

i32 N() { return static_cast<i32>(gSegmentCount); }
u8 Kind(i32 j) { return Seg(j).SegmentKind; }
i32 First(i32 j) { return Seg(j).FirstWord; }
bool Numeral(i32 w) { return Cls(w) == 'R' || Cls(w) == 'S'; }
bool Analysis() { return gAnalysisMode != 0; }
// The numbers of two records agree, or one of them is unknown.
bool NumbersFit(i32 x, i32 y) { return Seg(x).Number == Seg(y).Number || Seg(x).Number == 0 || Seg(y).Number == 0; }
bool NumbersClash(i32 x, i32 y) { return !NumbersFit(x, y); }

// The comma or conjunction j and record j + 1 leave; record j - 1 stands
// for them. A link past them drops by two, one into them names j - 1.
Step Remove(i32 j) {
    RemoveSegmentRecords(j - 1, 2);
    return Step::kRemoved;
}

Step Coordinate(i32 j) {
    SegmentRecord& left = Seg(j - 1);
    const SegmentRecord& right = Seg(j + 1);
    const i32 a = left.FirstWord, b = right.FirstWord;
    const i32 limit = j + 1 == N() - 1 ? Count() : First(j + 2);
    i32 s = b;
    while (s < limit && W(s).FunctionCode != 75) ++s;
    for (i32 w = a; w < First(j); ++w)
        if (W(w).FunctionCode == 75) W(w).LinkedWord = W(s).LinkedWord;
    if (left.Number != 2 && right.Number != 2 && Cat(b) == 10 && Cls(b) > 'A') {
        left.Number = 1;
        left.LastWord = right.LastWord;
    } else {
        left.Number = 2;
    }
    if (right.Person < left.Person) left.Person = right.Person;
    return Remove(j);
}

// Two categories that may stand side by side in a coordination: the
// same, a numeral, or (with a conjunction) a determiner against a classed
// or numeral word.
bool Coordinable(i32 j, i32 x, i32 y) {
    if (Cat(x) == Cat(y) || Cat(x) == 3 || Cat(y) == 3) return true;
    if (Kind(j) != 16) return false;
    return (Cat(x) == 7 && (Cls(y) > 108 || Numeral(y))) || (Cat(y) == 7 && (Cls(x) > 108 || Numeral(x)));
}

// Two noun phrases: also a predicate word after the conjunction, or one
// before it written with capitals.
bool NounPhrasesCoordinable(i32 j, i32 a, i32 b) {
    if (Coordinable(j, a, b)) return true;
    return Kind(j) == 16 && (Cat(b) == 10 || (Cat(a) == 10 && W(a).WordCaseMode > 0));
}

// A prepositional phrase (p the word after the preposition) and a noun
// phrase: also a predicate word b heading a phrase of feature 8 or
// written with capitals.
bool PrepositionalCoordinable(i32 j, i32 p, i32 b) {
    if (Coordinable(j, p, b)) return true;
    return Kind(j) == 16 && Cat(b) == 10 && (Feat(Seg(j + 1).LastWord) == 8 || W(b).WordCaseMode > 0);
}

// Determiners of different classes on both sides of a comma.
bool DeterminerClassesDiffer(i32 x, i32 y) {
    return (Cls(x) > 101 && Cls(y) < 102) || (Cls(x) < 102 && Cls(y) > 101);
}

bool NameAround(i32 w) { return Cls(w) == '@' || Cls(w + 1) == '@'; }

// Step 2: an apposition between two commas. `done` is false when the
// step does not apply and the next one is tried.
Step Apposition(i32 j, bool& done) {
    done = false;
    const i32 a = First(j - 1), b = First(j + 1);
    if (Kind(j) != 21 || j >= N() - 2 || Kind(j + 2) != 21) return Step::kNext;
    if (!(NameAround(a) || NameAround(b)) || Cls(b) == 'G') return Step::kNext;
    done = true;
    bool noted = false;
    if (NameAround(b) && (Kind(j - 1) == 24 || (j > 1 && Kind(j - 1) == 23 && Cat(First(j) - 1) == 10))) {
        noted = true;
        W(Seg(j + 1).LastWord).FunctionCode = 92;
    }
    if (NameAround(a) && (Kind(j + 1) == 24 || Kind(j + 1) == 10) && !Analysis()) {
        SegmentRecord& left = Seg(j - 1);
        const SegmentRecord& right = Seg(j + 1);
        left.Number = right.Number;
        left.Gender = right.Gender;
        left.Person = right.Person;
        left.State = right.State;
        return Remove(j);
    }
    return noted ? Remove(j) : Step::kNext;
}

// Step 3: two noun phrases.
Step TwoNounPhrases(i32 j) {
    const i32 a = First(j - 1), b = First(j + 1);
    const bool comma = Kind(j) == 21;
    if (comma) {
        if (Cat(a) == 15 || Seg(j - 1).State == 2 || (j > 2 && (Kind(j - 2) == 16 || Kind(j - 2) == 17)))
            return Step::kNext;
        if (Cat(a) == 7 && DeterminerClassesDiffer(a, b)) return Step::kNext;
        if (j > 2 && Seg(j - 3).State == 1) {
            Seg(j - 1).Number = 0;
            return Remove(j);
        }
        if (j == 1 && (N() == 3 || Kind(3) != 16)) return Step::kNext;
    }
    if (!comma && Cls(b) == 'A') return Remove(j);
    if (!comma && Cat(b) == 10 && Cls(b) > 'A') {
        WordRecord& before = W(b - 1);
        if (Cls(b - 1) == 'A') before.ReadingClasses.ClampedAt(0) = 'B';
        if (before.FunctionCode == 75) before.FunctionCode = 76;
        return Coordinate(j);
    }
    if (Analysis()) return Step::kNext;
    if (Seg(j + 1).State == 0 && Seg(j - 1).State == 0) return Coordinate(j);
    return Seg(j - 1).Number == Seg(j + 1).Number ? Remove(j) : Coordinate(j);
}

// Step 4: a prepositional phrase and a noun phrase; p is the word after
// the preposition.
Step PrepositionalAndNounPhrase(i32 j) {
    const i32 p = First(j - 1) + 1, b = First(j + 1);
    if (Kind(j) == 21 && Cat(p) == 7 && DeterminerClassesDiffer(p, b)) return Step::kNext;
    if (j == 1 && Kind(1) == 21 && (N() == 3 || Kind(3) != 16)) return Step::kNext;
    if (Analysis() || Cls(b) != Cls(p)) return Step::kNext;
    if (Seg(j + 1).State == 0 && Seg(j - 1).State == 0) return Coordinate(j);
    return Seg(j - 1).Number == Seg(j + 1).Number ? Remove(j) : Coordinate(j);
}

// Step 5: two predicate records.
Step TwoPredicates(i32 j) {
    const i32 b = First(j + 1);
    if (gAnalysisMode == 0) return Remove(j);
    if (gAnalysisMode == 1 && Cls(b) == 'B' && (b == Count() - 1 || Cls(b + 1) != 'A')) return Remove(j);
    return Step::kNext;
}

// Step 11: a prepositional or determined phrase, a conjunction and a noun
// phrase.
Step PhraseAfterConjunction(i32 j) {
    const i32 a = First(j - 1), b = First(j + 1);
    if (Kind(j - 1) != 23 || Kind(j) != 16) return Step::kNext;
    if (Cat(a) != 7) {
        const bool opener = Cat(a) == 9 || (Cat(a) == 15 && Cat(b) == 15);
        if (!opener || Cat(b) == 7 || Cat(b) == 8) return Step::kNext;
    }
    if (Kind(j + 1) != 24 || Cat(b) == 1) return Step::kNext;
    if (Cls(b) == '@' && Cls(b - 2) != '@') return Step::kNext;
    const u8 before = Cat(First(j) - 1);
    if (before == 20 || before == 21 || Analysis()) return Step::kNext;
    if (Seg(j + 1).State == 2) return Remove(j);
    if (j >= N() - 2 || Kind(j + 2) == 14 || Cat(First(j + 2)) == 2) return Step::kNext;
    return Coordinate(j);
}

// Steps 5 to 11 on the pairs that are not noun phrases.
Step OtherPairs(i32 j) {
    const i32 a = First(j - 1), b = First(j + 1);
    const u8 left = Kind(j - 1), right = Kind(j + 1);
    if (left == 10 && right == 10 && !(NumbersClash(j - 1, j + 1) && j != 1)) return TwoPredicates(j);
    if (left == 11 && right == 11) {
        if (Is(b + 1, "par") || Is(b + 1, "by") || Is(b + 1, "with")) return Step::kNext;
        return NumbersFit(j - 1, j + 1) ? Remove(j) : Step::kNext;
    }
    if (j > 1 && left == 11 && (Mark(First(j - 2)) & 127) == '%' && right == 10) {
        if (!NumbersFit(j - 1, j + 1)) return Step::kNext;
        SetReading0(a, 10, 'B');
        W(a).ReadingFeatures.ClampedAt(0) = 12;
        return Remove(j);
    }
    if ((left == 23 || (left == 24 && Cat(a) > 6)) && right == 10) {
        if (Seg(j - 1).Number != Seg(j + 1).Number &&
            (j >= N() - 2 || Kind(j + 2) == 14 || Kind(j + 2) == 5))
            return Step::kNext;
        return Analysis() ? Step::kNext : Remove(j);
    }
    if (left == 23 && Kind(j) == 16 && Cat(a) == 8 && Numeral(a) && a + 1 == First(j) && right == 24 &&
        Cat(b) == 8 && Numeral(b))
        return Coordinate(j);
    const i32 w = First(j) - 1;
    if (left == 23 && Feat(w) == 12 && (right == 24 || right == 23) && Feat(b) == 12) {
        W(w).FunctionCode = W(b).FunctionCode;
        Seg(j - 1).LastWord = Seg(j + 1).LastWord;
        return Remove(j);
    }
    // A noun phrase opening its clause, "and" and a subject pronoun right
    // before a verb are that verb's subject together: "The old man and I
    // were alone".
    // A comma, or a comma and a conjunction, opens the clause.
    const bool opening = j == 1 || Kind(j - 2) == 21 || (j >= 3 && Kind(j - 2) == 16 && Kind(j - 3) == 21);
    if ((left == 23 || left == 24) && Cat(First(j) - 1) == 10 && Kind(j) == 16 && Is(First(j), "and") && right == 24 && Cat(b) <= 2 && opening &&
        j < N() - 2 && Kind(j + 2) == 14 && !Analysis())
        return Coordinate(j);
    return PhraseAfterConjunction(j);
}

Step CoordinateAt(i32 j, RuleCode& found, u16& out) {
    const i32 n = N();
    const bool closing = j == n - 2 || (j == n - 3 && Kind(j + 2) == 20);
    if (!closing && Cat(First(j + 2)) == 5) return Step::kNext;
    if (closing) {
        found = CheckCommaEnumeration(j, out);
        if (found != 0) return Step::kFound;
    }
    // A comma before a quotation ends the phrase it follows: the quoted
    // words open a clause of their own ('said he, "it was').
    if (Kind(j) == 21 && (W(First(j + 1)).QuoteFlags & 1) != 0) return Step::kNext;
    bool done = false;
    const Step s = Apposition(j, done);
    if (done) return s;
    const i32 a = First(j - 1), b = First(j + 1);
    if (Kind(j - 1) == 24 && Kind(j + 1) == 24 && NounPhrasesCoordinable(j, a, b)) return TwoNounPhrases(j);
    if (Kind(j - 1) == 23 && Cat(a) == 15 && Kind(j + 1) == 24 && PrepositionalCoordinable(j, a + 1, b))
        return PrepositionalAndNounPhrase(j);
    return OtherPairs(j);
}

}  // namespace

RuleCode RunEnglishCoordinationPass(u16& out) {
    for (i32 j = 1; j < N() - 1;) {
        if (Kind(j) != 16 && Kind(j) != 21) {
            ++j;
            continue;
        }
        RuleCode found = 0;
        const Step s = CoordinateAt(j, found, out);
        if (s == Step::kFound) return found;
        if (s == Step::kNext) ++j;
    }
    return 0;
}

}  // namespace english
