// The joining and linking passes over the finished English segment table:
// glue records (a conjunction between prepositions, an operator between
// numerals, the comma and year of a date, doubled commas) leave it, a noun
// phrase absorbs the record that continues it, and coordinated records get
// their link byte.
#include "rules/english/english_segment_passes.h"

#include "rules/english/english_phrase_stage.h"

namespace english {

using namespace rules;

namespace {

i32 N() { return static_cast<i32>(gSegmentCount); }
u8 Kind(i32 j) { return Seg(j).SegmentKind; }
i32 First(i32 j) { return Seg(j).FirstWord; }
i32 Head(i32 j) { return Seg(j).LastWord; }

// Record x and the n - 1 records after it leave the table; later records
// move down. A link into the removed records names the one before them.
void Drop(i32 x, i32 n) {
    if (x > 0) {
        RemoveSegmentRecords(x - 1, n);
        return;
    }
    const i32 count = N();
    if (n > count) n = count;
    for (i32 k = 0; k + n < count; ++k) gSegments[k] = gSegments[k + n];
    gSegmentCount = static_cast<u16>(count - n);
}

// Record j takes the agreement bytes, kind, state and head of record j + 1
// and keeps its own first word and link; record j + 1 leaves.
void Join(i32 j) {
    SegmentRecord& a = Seg(j);
    const SegmentRecord& b = Seg(j + 1);
    a.Gender = b.Gender;
    a.Number = b.Number;
    a.Person = b.Person;
    a.SegmentKind = b.SegmentKind;
    a.State = b.State;
    a.LastWord = b.LastWord;
    const u8 link = a.Link;
    RemoveSegmentRecords(j, 1);
    Seg(j).Link = link;
}

// A preposition that absorbed a phrase, a participle, an infinitive or a
// predicate heads a prepositional phrase.
void JoinWithKindFix(i32 j) {
    Join(j);
    const u8 k = Kind(j);
    if (Cat(First(j)) == 15 && (k == 24 || k == 10 || k == 13 || k == 12)) Seg(j).SegmentKind = 23;
}

// True when the sentence from word `from` on has at most one conjugated
// verb more than clause openers (relative pronouns, subordinating
// conjunctions before a classed word).
bool FewVerbsAfter(i32 from) {
    i32 verbs = 0, clauses = 0;
    const i32 last = Count() - 1;
    for (i32 w = from; w <= last; ++w) {
        if (Cat(w) == 14 && (Mark(w) == 165 || Mark(w) == '&' || Cls(w) > 127)) ++verbs;
        if (Cat(w) == 5) ++clauses;
        if (Cat(w) == 17 && w < last && Cls(w + 1) != ' ') ++clauses;
    }
    return clauses >= verbs - 1;
}

bool NounPhrase(u8 kind) { return kind == 23 || kind == 24; }
bool Numeral(i32 w) { return Cls(w) == 'R' || Cls(w) == 'S'; }

void DropConjunctionBetweenPrepositions() {
    for (i32 j = 0; j < N() - 2; ++j)
        if (Kind(j) == 15 && Kind(j + 1) == 16 && Kind(j + 2) == 15) Drop(j, 2);
}

void DropOperatorBetweenNumerals() {
    for (i32 j = 0; j < N() - 2; ++j) {
        const i32 op = First(j + 1), second = First(j + 2);
        if (op == 0 || Cls(op - 1) != 'S' || Cls(second) != 'S' || second != op + 1) continue;
        if (Begins(op, "-") || Begins(op, "/") || Begins(op, ":") || Begins(op, "+") || Begins(op, "=")) Drop(j, 2);
    }
}

// One test of the joining pass at record j; true when it acted.
bool JoinAt(i32 j) {
    const i32 n = N();
    const u8 k0 = Kind(j), k1 = Kind(j + 1);
    if (k0 == 16 && k1 == 16) {
        if (Cls(First(j + 1)) != 16) W(First(j + 1)).ReadingClasses.ClampedAt(0) = 0;
        Join(j);
        return true;
    }
    if (j < n - 2 && k0 == 21 && k1 == 16 && Kind(j + 2) == 14) {
        Join(j);
        return true;
    }
    if (k0 == 15 && (k1 == 12 || k1 == 13 || k1 == 10 || k1 == 23 || (k1 == 24 && Cat(First(j + 1)) != 1))) {
        JoinWithKindFix(j);
        return true;
    }
    if (k0 == 18 && Cls(First(j)) == ' ' && k1 == 13) {
        JoinWithKindFix(j);
        return true;
    }
    if (NounPhrase(k0) && Numeral(First(j + 1)) && (j == n - 2 || First(j + 2) == First(j + 1) + 1)) {
        Drop(j + 1, 1);
        return true;
    }
    if (j > 0 && NounPhrase(Kind(j - 1)) && Seg(j - 1).State == 2 && Seg(j).State == 2) {
        Join(j);
        return true;
    }
    if (j > 0 && NounPhrase(Kind(j - 1)) && k0 == 10 && Seg(j - 1).Gender == Seg(j).Gender &&
        Seg(j - 1).Number == Seg(j).Number) {
        if (gAnalysisMode != 0) return false;
        Join(j);
        return true;
    }
    const u8 c1 = Cls(First(j + 1));
    if (k0 == 24 && k1 == 24 && (c1 == '@' || c1 == 'A') && FewVerbsAfter(First(j + 1))) {
        W(Head(j)).FunctionCode = 76;
        Join(j);
        return true;
    }
    return false;
}

void JoinContinuations() {
    for (i32 j = 0; j < N() - 1;) {
        if (JoinAt(j))
            j = j > 0 ? j - 1 : 0;
        else
            ++j;
    }
}

void DropDateCommaAndYear() {
    for (i32 j = 0; j < N() - 2; ++j) {
        if (!NounPhrase(Kind(j)) || Kind(j + 1) != 21 || Cls(First(j + 2)) != 'S') continue;
        const i32 w = First(j + 1) - 1;
        if (!(Cls(w) == 'S' || (Cls(w) == 'B' && Ends(w, "th")))) continue;
        const bool lastRecord = j + 2 == N() - 1;
        if (lastRecord ? First(j + 2) == Count() - 1 : First(j + 3) == First(j + 2) + 1) Drop(j + 1, 2);
    }
}

void MarkPronounPhrases() {
    for (i32 j = 0; j < N(); ++j) {
        const u8 c = Cat(First(j));
        if (Kind(j) == 24 && (c == 2 || c == 4 || c == 5 || c == 6)) Seg(j).SegmentKind = 25;
    }
}

void JoinPhraseAndName() {
    for (i32 j = 0; j < N() - 1; ++j) {
        const i32 b = First(j + 1);
        const u8 c = Cls(b);
        if (Kind(j) != 23 || Kind(j + 1) != 24 || (c != '@' && c != 'A') || b == 0) continue;
        if (W(b).SpanFlag != static_cast<u8>(W(b - 1).SpanFlag + 1) || !FewVerbsAfter(b)) continue;
        Join(j);
        W(Head(j) - 1).FunctionCode = 76;
    }
}

void DropDoubledCommas() {
    for (i32 j = 1; j < N() - 1;) {
        if (Kind(j) == 21 && Kind(j + 1) == 21)
            Drop(j, 2);
        else
            ++j;
    }
}

void JoinAged() {
    for (i32 j = 1; j < N() - 1; ++j) {
        if (Kind(j) == 21 && Is(First(j + 1), "aged")) {
            Join(j);
            W(Head(j)).FunctionCode = 92;
        }
        if (j < N() - 1 && Kind(j + 1) == 21 && Is(Head(j), "aged")) {
            Drop(j + 1, 1);
            W(Head(j)).FunctionCode = 92;
        }
    }
}

void LinkPrepositionalPhrases() {
    for (i32 j = 1; j < N(); ++j) {
        if (Kind(j) != 23 || Cat(First(j)) == 2) continue;
        for (i32 k = j + 1; k < N() && Kind(k) != 17; ++k) {
            const u8 c = Cat(First(k));
            if (Kind(k) == 24 && (Cat(First(k - 1)) == 5 || c == 15 || c == 9)) {
                Seg(k).SegmentKind = 23;
                Seg(k).Link = static_cast<u8>(j);
            } else if (Kind(k - 1) == 16 && Kind(k) == 23 && Cat(First(j)) == 15 &&
                       Cls(First(k)) == Cls(First(j))) {
                Seg(k).Link = static_cast<u8>(j);
            }
        }
    }
}

bool PronounPhrase(i32 k) { return Kind(k) == 23 && Cat(First(k)) == 2; }

void LinkCoordinatedVerbals() {
    for (i32 j = 1; j < N() - 1; ++j) {
        if ((Kind(j) != 13 && Kind(j) != 12) || Cat(First(j + 1) - 1) == 20) continue;
        for (i32 k = j + 1; k < N() && Kind(k) != 17 && Kind(k) != 14; ++k) {
            if (Kind(k) != Kind(j)) continue;
            const bool joined = Kind(k - 1) == 16 || Kind(k - 1) == 21;
            const bool throughPronoun = k > 1 && (Kind(k - 2) == 16 || Kind(k - 2) == 21) && PronounPhrase(k - 1) &&
                                        PronounPhrase(j - 1);
            if (joined || throughPronoun) Seg(k).Link = static_cast<u8>(j);
        }
    }
}

}  // namespace

void RunEnglishJoiningPasses() {
    DropConjunctionBetweenPrepositions();
    DropOperatorBetweenNumerals();
    JoinContinuations();
    DropDateCommaAndYear();
    MarkPronounPhrases();
    JoinPhraseAndName();
    DropDoubledCommas();
    JoinAged();
    LinkPrepositionalPhrases();
    LinkCoordinatedVerbals();
}

}  // namespace english
