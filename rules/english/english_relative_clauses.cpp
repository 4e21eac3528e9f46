// The relative-clause functions of the English pre-cascade: which noun
// phrase kind a relative segment is, its person and number, the word it
// refers to, and "that" read as a conjunction.
#include "rules/english/english_clause_stages.h"
#include "rules/english/english_phrase_stage.h"

namespace english {

using namespace rules;

namespace {

constexpr u16 kSubject = 75;
constexpr u16 kReferringTo = 79;

i32 Count() { return gSegmentCount; }
u8 Kind(i32 k) { return Seg(k).SegmentKind; }
bool NounPhraseKind(u8 kind) { return kind == 24 || kind == 23; }
// The kind of the next record, 0 after the last.
u8 NextKind(i32 k) { return k < Count() - 1 ? Kind(k + 1) : 0; }

// The nearest record before k of kind 24 or 23, or -1.
i32 NounPhraseBefore(i32 k) {
    for (i32 m = k - 1; m >= 0; --m)
        if (NounPhraseKind(Kind(m))) return m;
    return -1;
}

void ClearAgreement(SegmentRecord& r) { r.Gender = r.Number = r.Person = 0; }

// A noun phrase after its verb whose number differs from the subject
// before it leaves the relative's number open.
bool AmbiguousAntecedent(i32 m, bool subjectOnly) {
    if (m <= 0 || Kind(m) != 23) return false;
    const u8 before = Kind(m - 1);
    return (subjectOnly ? before == 24 : NounPhraseKind(before)) && Seg(m).Number != Seg(m - 1).Number;
}

// A prepositional phrase before the relative hangs on a noun before it
// ("an affectation of manners at their best which was"): any noun of
// the chain back to the phrase it hangs on may be the antecedent, so
// nouns of both numbers in it leave the relative's number open, and so
// does a noun of either number before the last ("the work of the
// machines (which was").
bool MixedChain(i32 m) {
    u8 n = Seg(m).Number;
    for (i32 j = m; j >= 0 && NounPhraseKind(Kind(j)); --j) {
        const u8 own = Seg(j).Number;
        if (own != 0 && n != 0 && own != n) return true;
        if (own == 0 && j < m && n != 0) return true;
        if (n == 0) n = own;
        if (Cat(Seg(j).FirstWord) != 15) return false;
    }
    return false;
}

// "whom", "whose" and the like read as relative determiners (class 'I').
void MarkRelativeDeterminer(i32 k, i32 f) {
    SegmentRecord& r = Seg(k);
    r.SegmentKind = 23;
    const i32 m = NounPhraseBefore(k);
    if (m != k - 1) {
        if (m >= 0) {
            W(f).FunctionCode = kSubject;
            W(f).LinkedWord = Seg(m).LastWord;
        }
    } else if (Is(f, "whom") && NextKind(k) == 24) {
        r.SegmentKind = 22;
    }
}

// "which", "who", "whom", "whose", "whoever".
void MarkWhich(i32 k, i32 f) {
    SegmentRecord& r = Seg(k);
    ClearAgreement(r);
    if (k == 0 || Kind(k - 1) == 13 || Kind(k - 1) == 14) {
        r.Number = 1;
        r.Person = 3;
        r.SegmentKind = 24;
        return;
    }
    i32 m = k - 1;
    while (m >= 0 && !(Kind(m) == 24 || (Kind(m) == 23 && Cat(Seg(m).FirstWord) != 2 && Seg(m).State != 4))) --m;
    if (m < 0) {
        r.Gender = 1;
        r.Number = 1;
        r.Person = 3;
        r.SegmentKind = 24;
        return;
    }
    r.Number = Cls(Seg(m).FirstWord) == '\\' ? 2 : Seg(m).Number;
    r.Person = Seg(m).Person;
    // A noun phrase right after the relative is the clause's subject, of
    // either kind ("the law which the king has made"): the relative is then
    // its verb's object.
    r.SegmentKind = NounPhraseKind(NextKind(k)) ? 22 : 24;
    W(f).FunctionCode = kReferringTo;
    if (AmbiguousAntecedent(m, true) || MixedChain(m)) r.Number = 0;
}

// "that": a relative pronoun after a noun phrase, else a conjunction.
void MarkThat(i32 k, i32 f) {
    SegmentRecord& r = Seg(k);
    ClearAgreement(r);
    const bool antecedent = (k > 0 && NounPhraseKind(Kind(k - 1))) ||
                            (k > 1 && (Kind(k - 1) == 21 || Kind(k - 1) == 13 || Kind(k - 1) == 12) &&
                             NounPhraseKind(Kind(k - 2)));
    if ((k == 1 && (Seg(0).State == 1 || !antecedent)) || (k > 1 && !antecedent)) {
        r.SegmentKind = 17;
        W(f).ReadingCategories[0] = 17;
        return;
    }
    const i32 m = NounPhraseBefore(k);
    if (m < 0) return;
    r.Number = Seg(m).Number;
    r.Person = Seg(m).Person;
    W(f).FunctionCode = kReferringTo;
    W(f).LinkedWord = Seg(m).LastWord;
    if (AmbiguousAntecedent(m, false)) r.Number = 0;
    if (k < Count() - 1 && Cat(Seg(k + 1).FirstWord) == 14) r.SegmentKind = 24;
    else r.SegmentKind = k == Count() - 1 ? 23 : 22;
}

void MarkRelativeSegment(i32 k) {
    const i32 f = Seg(k).FirstWord;
    Seg(k).State = 0;
    if (Cls(f) == 'I') {
        MarkRelativeDeterminer(k, f);
    } else if (Begins(f, "what") || Is(f, "whichever")) {
        SegmentRecord& r = Seg(k);
        ClearAgreement(r);
        r.SegmentKind = NextKind(k) == 24 ? 23 : 24;
        if (Is(f, "what")) r.Person = 3;
    } else if (Is(f, "which") || Begins(f, "who")) {
        MarkWhich(k, f);
    } else if (Is(f, "that")) {
        MarkThat(k, f);
    }
}

// A preposition and a relative pronoun ("to whom", "of which").
void MarkPrepositionRelative(i32 k) {
    SegmentRecord& r = Seg(k);
    const i32 f = r.FirstWord;
    r.SegmentKind = k == Count() - 1 || Kind(k + 1) != 14 ? 22 : 23;
    r.LastWord = static_cast<u8>(f + 1);
    const u8 feat = Feat(f + 1);
    r.Gender = static_cast<u8>(feat >> 4);
    r.Number = static_cast<u8>((feat >> 2) & 3);
    r.Person = 3;
    W(f + 1).FunctionCode = kReferringTo;
    W(f + 1).LinkedWord = Seg(k - 1).LastWord;  // record 0 when k is 0
    W(f + 1).ReadingCategories[0] = 8;
}

}  // namespace

void MarkRelativeClauses() {
    for (i32 k = 0; k < Count(); ++k) {
        const i32 f = Seg(k).FirstWord;
        if (Cat(f) == 5) MarkRelativeSegment(k);
        if (Cat(Seg(k).FirstWord) == 15 && Cat(Seg(k).FirstWord + 1) == 5) MarkPrepositionRelative(k);
    }
}

}  // namespace english
