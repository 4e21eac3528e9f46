// Omitted clause introducers, restored in the analysis cascade's final
// segment pass: before a clause that lacks its introducer a one-word
// segment is inserted, a relative pronoun "PRzero", a conjunction "CSzero"
// or a comma. The introducer check counts the introducers and verbs that
// decide whether one is missing; the counts stay for rule 55.
#include "frame/settings.h"
#include "rules/clause/analysis_cascade.h"
#include "rules/clause/clause_rules.h"

using rules::Begins;
using rules::Cat;
using rules::Cls;
using rules::Is;
using rules::Mark;
using rules::W;

namespace {

constexpr i32 kMaxRecords = 127;  // the last record of each table stays free

bool English() { return gCheckingLanguage == 0; }
u16& Fn(i32 w) { return W(w).FunctionCode; }

// Pseudo-words: the slot's word keeps what it had besides these fields.
void MakeRelative(i32 s) {
    const i32 w = FirstOf(s);
    WordRecord& r = W(w);
    CopyCString(r.WordText, "PRzero");
    r.ReadingCategories[0] = 5;
    r.ReadingClasses[0] = 'G';
    r.ReadingFeatures[0] = 0;
    r.FunctionCode = 79;
    r.LinkedWord = static_cast<u16>(w - 1);
    Seg(s).SegmentKind = 22;
}

void MakeConjunction(i32 s) {
    WordRecord& r = W(FirstOf(s));
    CopyCString(r.WordText, "CSzero");
    r.ReadingCategories[0] = 17;
    r.ReadingClasses[0] = 17;
    r.ReadingFeatures[0] = 0;
    r.FunctionCode = 17;
    Seg(s).SegmentKind = 17;
}

void MakeComma(i32 s) {
    WordRecord& r = W(FirstOf(s));
    CopyCString(r.WordText, ",");
    r.ReadingCategories[0] = 21;
    r.FunctionCode = 0;
    Seg(s).SegmentKind = 21;
}

// Segment t becomes the clause's subject.
void MakeSubject(i32 t) {
    Seg(t).SegmentKind = 24;
    Fn(LastOf(t)) = 75;
}

// Walks back from word `from` (only that word when `one`): true when it
// stops at a conjunction (or "that", with `that`) before a comma.
bool IntroducedBefore(i32 from, bool one, bool that) {
    for (i32 w = from; w >= 0; --w) {
        if (Cat(w) == 17 || (that && Is(w, "that"))) return true;
        if (Cat(w) == 21 || one) return false;
    }
    return false;
}

// The remembered subject of the final pass: after an intransitive verb
// the nearest subject before it (-1 when none), else 0.
i32 RememberedSubject(i32 s) {
    if (Fn(LastOf(s - 1)) != 83) return 0;
    for (i32 k = s - 2; k >= 0; --k) {
        if (Kind(k) == 24) return k;
    }
    return -1;
}

enum class Pseudo { kNone, kComma, kRelative };

// Case A: a noun phrase, another noun phrase and a verb ("the book I
// read"). Settles its pseudo-word before it opens a slot; true when the
// conditions hold (inserted tells whether a word went in).
bool CaseA(AnalysisFrame& f, i32 s, i32 remembered, bool& inserted) {
    const i32 p = s - 1, h = FirstOf(s);
    if (s >= Segments() - 1 || Kind(s) != 23 || Kind(p) != 23 || Fn(LastOf(p)) == 79) return false;
    if (Cat(h) == 15 || W(h).SpanFlag != static_cast<u8>(W(h - 1).SpanFlag + 1) || Kind(s + 1) != 14) return false;
    // The tables change only outside the reading trial.
    if (gClauseMark != 0) return true;
    MakeSubject(s);
    Pseudo pseudo = Pseudo::kNone;
    bool relinkSubject = false;
    if (IntroducedBefore(h, remembered > 1, true)) {
        pseudo = Pseudo::kComma;
    } else if (Cat(h) == 5 || Is(h, "whose")) {
        pseudo = Pseudo::kComma;
        relinkSubject = true;
    } else {
        CountClauseIntroducers(f, 0, true);
        if (f.introducers + 1 < f.verbCount) pseudo = Pseudo::kRelative;
    }
    if (pseudo == Pseudo::kNone || !OpenWordSlot(s, 1)) return true;
    if (pseudo == Pseudo::kComma) MakeComma(s);
    else MakeRelative(s);
    if (relinkSubject) W(FirstOf(s + 1)).LinkedWord = static_cast<u16>(LastOf(p));
    inserted = true;
    return true;
}

bool AskOfferAward(i32 w) { return Begins(w, "ask") || Begins(w, "offer") || Begins(w, "award"); }

bool ThatClauseVerb(i32 s) {
    const u8 m = Mark(LastOf(s - 1));
    if (m == 119 || m == 41 || m == 24 || m == 90 || m == 82 || m == 113 || m == 64 || m == 59) return true;
    return m == 1 && AskOfferAward(LastOf(s - 2));
}

// The conjunction before segment n (the clause's subject), the slot at n-1.
bool InsertConjunction(i32 n, i32 step) {
    if (!OpenWordSlot(n - 1, step)) return false;
    MakeSubject(n);
    MakeConjunction(n - 1);
    Seg(n - 1).Link = static_cast<u8>(Seg(n - 1).Link + 1);
    return true;
}

// Case C when the clause has more than one phrase before its verb.
bool CaseC(i32 s, i32 n, i32 remembered) {
    if (gClauseMark != 0) return false;
    if (ThatClauseVerb(s)) return InsertConjunction(n, 1);
    if (Kind(s + 1) == 16 && s + 2 < Segments()) {
        Seg(s + 2).SegmentKind = 23;
        ++n;
    }
    const i32 from = FirstOf(s - 1);
    if (!OpenWordSlot(n - 1, 1)) return false;
    if (IntroducedBefore(from, remembered > 1, false)) MakeComma(n - 1);
    else MakeRelative(n - 1);
    return true;
}

// Case B: a clause after a verb group without its conjunction ("I think he
// left"), else case C. True when either applies (inserted tells whether a
// word went in).
bool CaseBC(AnalysisFrame& f, i32 s, i32 remembered, bool& inserted) {
    if (s <= 1 || (s != 2 && Kind(s - 3) == 22)) return false;
    const i32 q = s - 2, p = s - 1;
    const bool afterSubject =
        Kind(q) == 24 && Kind(p) == 14 && (s == Segments() - 1 || Cat(FirstOf(s + 1)) != 15);
    const bool afterGroup = s > 2 && Kind(s - 3) == 24 &&
                            ((Kind(q) == 14 && Kind(p) == 11) || (Kind(q) == 23 && Kind(p) == 14));
    if (!afterSubject && !afterGroup) return false;
    const u8 link = Seg(s).Link;
    i32 e = s + 1;
    while (e < Segments() && (Kind(e) == 23 || Kind(e) == 24 || Seg(e).Link == link) && Cat(FirstOf(e)) != 5) ++e;
    if (e >= Segments() || Kind(e) != 14) return false;
    i32 n = e;
    for (i32 k = s; k < e; ++k) {
        if (Cat(FirstOf(k)) == 15) --n;
    }
    if (n != s + 1) {
        inserted = CaseC(s, n, remembered);
        return true;
    }
    if (gClauseMark == 0) {
        CountClauseIntroducers(f, 0, false);
        if (f.introducers + 1 < f.verbCount) inserted = InsertConjunction(n, 2);
    }
    return true;
}

}  // namespace

void CountClauseIntroducers(AnalysisFrame& f, i32 start, bool stopAtConjunction) {
    i32 introducers = 0, verbs = 0;
    for (i32 w = start; w < rules::Count(); ++w) {
        const u8 c = Cat(w);
        if (stopAtConjunction && c == 17) break;
        if (c == 5 || (c == 17 && w != rules::Count() - 1 && Cls(w + 1) != 32)) ++introducers;
        if ((c == 14 && (Mark(w) == 165 || Mark(w) == 38)) || Cls(w) > 127) ++verbs;
    }
    f.introducers = introducers;
    f.verbCount = verbs;
}

bool OpenWordSlot(i32 t, i32 step) {
    if (rules::Count() + 1 > kMaxRecords || Segments() + 1 > kMaxRecords || t < 0 || t >= Segments()) return false;
    const i32 at = FirstOf(t);
    for (i32 k = rules::Count() - 1; k >= at; --k) CopyWordRecord(W(k + 1), W(k));
    for (i32 k = Segments() - 1; k >= t; --k) {
        SegmentRecord r = Seg(k);
        r.FirstWord = static_cast<u8>(r.FirstWord + 1);
        r.LastWord = static_cast<u8>(r.LastWord + 1);
        r.Link = static_cast<u8>(r.Link + step);
        Seg(k + 1) = r;
    }
    ++gWordCount;
    ++gSegmentCount;
    // The pseudo-segment holds the one word at the slot.
    Seg(t).FirstWord = Seg(t).LastWord = static_cast<u8>(at);
    PlaceSegmentSentinel();
    return true;
}

void RestoreIntroducer(AnalysisFrame& f, i32 s) {
    const u8 k = Kind(s);
    const i32 p = s - 1;
    const u8 kp = Kind(p);
    const bool kind = k == 23 || k == 10 || k == 11 || k == 12 || k == 13 ||
                      (k == 24 && Cat(FirstOf(s)) != 2 && Cat(FirstOf(s)) != 5);
    if (kind && ((kp >= 11 && kp <= 14) || kp == 23 || kp == 24)) {
        if (kp == 24) {
            const bool d = English() && CaseD(f, s);
            if (!d && English() && k == 23) ObjectAfterSubject(s);
        } else {
            const i32 remembered = RememberedSubject(s);
            const u16 fs = Fn(LastOf(s));
            const bool open = fs != 74 && fs != 80 && fs != 81 && fs != 82 && fs != 83 && fs != 48 &&
                              remembered != -1 && (k != 10 || W(LastOf(s)).LinkedWord == LastOf(p));
            bool a = false, bc = false, inserted = false;
            if (open && English()) a = CaseA(f, s, remembered, inserted);
            if (open && !inserted && (k == 24 || (k == 23 && !a))) bc = CaseBC(f, s, remembered, inserted);
            if (!inserted && !bc) ComplementStep(s);
            AttributeStep(s);
        }
    }
    ObjectStep(s);
}

bool CaseD(AnalysisFrame& f, i32 s) {
    const i32 p = s - 1;
    if (gClauseMark != 0 || Cat(FirstOf(p)) <= 7 || Kind(s) != 24 || Cat(FirstOf(s)) == 5) return false;
    if (s >= Segments() - 1 || Kind(s + 1) != 14 || FirstOf(s) <= FirstOf(p) + 1) return false;
    if (!OpenWordSlot(s, 1)) return false;
    MakeRelative(s);
    CountClauseIntroducers(f, FirstOf(s + 1), false);
    if (f.introducers < f.verbCount - 1) Fn(FirstOf(s)) = 65535;
    return true;
}
