// Before the verb segments are checked: subjects joined by a conjunction
// become plural, subordinate clauses are counted, the opening of the
// sentence is classified (question, verb first) and an opening infinitive
// or participle phrase becomes the subject.
#include "rules/english/english_clause_call.h"

namespace english {

using namespace rules;
using namespace clause;

namespace {

constexpr u16 kSubject = 75;
constexpr u16 kAttributeOf = 77;

// A record that may be the first of two coordinated subjects.
bool MayLeadCoordination(i32 k) {
    if (Kind(k) == 24) return true;
    return Kind(k) == 23 && k >= 1 && Between(Kind(k - 1), 11, 14) && Mark(First(k - 1)) < 128 &&
           Cat(First(k)) != 2 && Cat(First(k) + 1) != 2;
}

// The second subject coordinated with k, or -1; j is the conjunction or
// comma between them.
i32 CoordinatedWith(i32 k, i32& j) {
    const i32 n = N();
    j = k + 1;
    while (j < n - 1) {
        const u8 kind = Kind(j);
        if (kind == 16 || kind == 21 || kind == 14 || kind == 13 || kind == 12 || kind == 24 || kind == 10) break;
        ++j;
    }
    if (j >= n - 1) j = n - 1;
    if (Kind(j) == 16 && Cat(First(j) - 1) == 20) return -1;
    if (Kind(j) != 16 && Kind(j) != 21) return -1;
    if (Kind(j) == 21 && !(j < n - 3 && Kind(j + 2) == 16)) return -1;
    const i32 m = j + 1;
    if (Kind(m) != 24) return -1;
    const u8 after = Cat(First(j) + 1);
    if (Between(after, 7, 10) || (after == 4 && Seg(m).State == 0)) return m;
    return -1;
}

void CoordinateSubjects() {
    for (i32 k = 0; k < N() - 1; ++k) {
        if (!MayLeadCoordination(k)) continue;
        i32 j = 0;
        const i32 m = CoordinatedWith(k, j);
        if (m < 0) continue;
        SegmentRecord& a = Seg(k);
        SegmentRecord& b = Seg(m);
        a.Gender = a.Gender == 2 && b.Gender == 2 ? 2 : 1;
        a.Number = 2;
        if (b.Person < a.Person) a.Person = b.Person;
        // The second subject stands next to the verb, where the subject
        // search finds it first: it carries the pair's number and person.
        const u8 secondNumber = b.Number;
        b.Number = 2;
        b.Person = a.Person;
        for (i32 x = j + 2; x < N() - 1; ++x) {
            if (Kind(x) != 22 && Kind(x) != 24) continue;
            if (Kind(x) == 22) {
                Seg(x).Gender = static_cast<u8>(a.Gender * 64 + b.Gender);
                Seg(x).Number = static_cast<u8>(secondNumber + 128);
            }
            break;
        }
    }
}

bool Subordinate(i32 k) {
    const i32 f = First(k);
    if (Cat(f) == 5 && Kind(k) != 18) return true;
    if (PrepositionRelative(k)) return true;
    return Kind(k) == 17 && Cls(f) == 17 && !Is(f, "as") && !Is(f, "than") && !Is(f, "though");
}

void CountSubordinates(ClauseCall& c) {
    for (i32 k = 1; k < N() - 1; ++k) {
        if (!Subordinate(k)) continue;
        ++c.subordinates;
        Seg(k).State = 0;
        bool verbBefore = false;
        for (i32 m = 0; m < k; ++m) verbBefore = verbBefore || Kind(m) == 14;
        if (verbBefore || Kind(k - 1) == 24 || (k >= 2 && Kind(k - 1) == 21 && Kind(k - 2) == 24)) ++c.attached;
    }
}

bool QuestionOpening() {
    static const char* const kWords[] = {"where", "what", "who", "when", "how", "why", nullptr};
    if (!QuestionSentence() || !IsOneOf(0, kWords)) return false;
    return Cat(1) == 14 || (Cat(1) == 18 && Cat(2) == 14);
}

// Returns false when the verb-segment pass starts at segment 1 at once.
bool ClassifyOpening(ClauseCall& c) {
    if (QuestionOpening()) c.verbFirst = true;
    if (Kind(0) != 14) return true;
    const i32 w = Last(0);
    if (Between(Model(w), 28, 38) && Feat(w) != 12) {
        if (QuestionSentence() || (!Is(1, "not") && !Contains(1, "'t"))) {
            c.verbFirst = true;
        } else if (Mark(w) == '"' || Mark(w) == '#' || Mark(w) == '&') {
            c.verbSegments = 1;
            return false;
        } else {
            c.verbFirst = true;
        }
    }
    c.verbSegments = 1;
    if (c.verbFirst) {
        c.openingComplement = true;
        return false;
    }
    return true;
}

// A noun opening before a linking verb ("Happy are those ...").
void NounOpening(ClauseCall& c) {
    const bool opening = Kind(0) == 10 || (Cat(0) == 8 && (First(1) == 1 || (First(1) == 2 && Cat(3) == 18)));
    if (!opening || Kind(1) != 14 || Mark(First(1)) < 129) return;
    c.cursor = 2;
    if (Cls(0) == 'B' && Kind(2) == 23) {
        Seg(2).SegmentKind = 24;
        W(0).FunctionCode = kAttributeOf;
    } else {
        Seg(0).SegmentKind = 24;
        if (Kind(2) == 10) W(Last(2)).FunctionCode = kAttributeOf;
    }
}

// 0 when record j is no opening subject, 1 for the comma case, 2 for the
// others.
i32 OpeningSubject(i32 j) {
    const bool notPreposition = Cat(First(j)) != 15;
    if (j == 0 && notPreposition) return 2;
    if (j == 1 && Kind(0) == 23 && Cat(First(0)) == 2) return 2;
    if (j >= 1 && Kind(j - 1) == 21 && notPreposition) return 1;
    if (j >= 1 && Cat(First(j) - 1) == 20 && notPreposition) return 2;
    if (j >= 2 && Kind(j - 2) == 21 && Cat(First(j - 1)) == 2 && notPreposition) return 2;
    return 0;
}

void MarkOpeningSubjects(const ClauseCall& c) {
    for (i32 j = 0; j < N(); ++j) {
        if (Kind(j) != 13 && Kind(j) != 12) continue;
        const i32 how = OpeningSubject(j);
        if (how == 0) continue;
        SegmentRecord& s = Seg(j);
        W(s.LastWord).FunctionCode = kSubject;
        s.SegmentKind = 24;
        s.Number = 1;
        s.Person = 3;
        W(s.LastWord).LinkedWord = static_cast<u16>(c.cursor);
        if (how == 2) W(Last(c.cursor)).LinkedWord = static_cast<u16>(j);
    }
}

}  // namespace

void PrepareClauses(ClauseCall& c) {
    CoordinateSubjects();
    CountSubordinates(c);
    c.verbSegments = 0;
    c.cursor = 0;
    if (!ClassifyOpening(c)) return;
    NounOpening(c);
    MarkOpeningSubjects(c);
}

}  // namespace english
