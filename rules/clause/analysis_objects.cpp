// Objects, coordination and relative antecedents of the analysis cascade,
// after the phrase functions: noun phrases without a verb after them become
// objects, coordinated objects, subjects and non-finite clauses share one
// clause, every relative pronoun is linked to its antecedent (whose
// category is raised by 64), and a sentence that opens with its attribute
// is put in subject order and checked (45 'E', 'T').
#include "frame/sentence_state.h"
#include "frame/settings.h"
#include "rules/clause/analysis_cascade.h"
#include "rules/clause/clause_rules.h"

using rules::Cat;
using rules::Cls;
using rules::Is;
using rules::W;

namespace {

u16& Fn(i32 w) { return W(w).FunctionCode; }
u8& Link(i32 s) { return Seg(s).Link; }
bool Relative(i32 w) { return Cat(w) == 5; }
bool PrepositionLike(i32 w) { return Cat(w) == 15 || Cat(w) == 9; }

// Pass 1: a subject-kind phrase with no verb after it is an object.
void PhrasesWithoutVerb() {
    for (i32 s = 1; s < Segments(); ++s) {
        const i32 last = LastOf(s);
        if (Kind(s) != 24 || W(last).LinkedWord == 0 || Cat(last) <= 6) continue;
        i32 t = s + 1;
        while (t < Segments() && Kind(t) != 14 && Kind(t) != 17) ++t;
        if (t < Segments() && Kind(t) == 14) continue;
        Seg(s).SegmentKind = 23;
        Fn(last) = s > 1 && Kind(s - 1) == 16 && Kind(s - 2) == 23 ? Fn(LastOf(s - 2)) : 70;
        for (i32 w = FirstOf(s); w < FirstOf(s + 1); ++w) {
            if (Fn(w) == 75) Fn(w) = 70;
        }
    }
}

bool VerbBefore(i32 s) {
    for (i32 k = 0; k < s; ++k) {
        if (Kind(k) == 14) return true;
    }
    return false;
}

// Pass 2 step 2: phrase n continues the objects that start at s.
bool OneMoreObject(i32 s, i32 n) {
    const i32 hs = FirstOf(s), hn = FirstOf(n);
    if (Cat(hs) == Cat(hn)) return true;
    if (Cat(hs) == 15 && Cat(hs + 1) == 10) return true;
    if (n < Segments() - 2 && Kind(n + 1) == 16) return true;
    return Kind(n - 1) == 16 && Cat(hn) == Cat(FirstOf(n - 2));
}

// Pass 2: a subject-kind phrase after coordinated objects, with no verb of
// its own, is one more object.
void ObjectsAfterObjects() {
    for (i32 s = 1; s < Segments(); ++s) {
        const i32 hs = FirstOf(s);
        if (Kind(s) != 23 || Cat(hs) == 2 || Cat(hs) == 5 || !VerbBefore(s)) continue;
        i32 n = s + 1;
        while (n < Segments() && (Kind(n) == 23 || Kind(n) == 16)) ++n;
        if (n >= Segments() - 1 || Kind(n) != 24) continue;
        if (Kind(n + 1) == 14 && !Relative(FirstOf(n + 1))) continue;
        if (!OneMoreObject(s, n)) continue;
        i32 e = n + 1;
        while (e < Segments() && Kind(e) != 24 && Kind(e) != 17 && Kind(e) != 14 && Kind(e) != 21) ++e;
        if (e < Segments() && Kind(e) == 14) continue;
        Seg(n).SegmentKind = 23;
        const u8 shared = Link(n);
        for (i32 m = n; m < Segments() && Link(m) == shared; ++m) {
            const i32 last = LastOf(m);
            if (PrepositionLike(FirstOf(m))) Fn(last) = 72;
            else if (Fn(last) != 73) Fn(last) = 70;
            Link(m) = Link(s);
        }
    }
}

// Pass 3: a stressed pronoun after coordinated subjects is one more subject.
void PronounSubjects() {
    for (i32 s = 0; s < Segments(); ++s) {
        if (Kind(s) != 24) continue;
        i32 t = s + 1;
        while (t < Segments() && (Kind(t) == 24 || Kind(t) == 16)) ++t;
        if (t < Segments() && Kind(t) == 23 && Cat(FirstOf(t)) == 3) {
            Seg(t).SegmentKind = 24;
            Fn(LastOf(t)) = 75;
        }
    }
}

// Pass 4: second conjuncts of object pronouns and infinitives.
void SecondConjuncts() {
    for (i32 s = 1; s < Segments(); ++s) {
        const bool object = Kind(s) == 23 && (Cat(FirstOf(s)) == 2 || Cat(FirstOf(s + 1) - 1) == 20);
        if (!object && Kind(s) != 13) continue;
        for (i32 t = s + 2; t < Segments(); ++t) {
            if (Kind(t - 1) != 16 || (Kind(t) != 23 && Kind(t) != 13)) continue;
            for (i32 j = Segments() - 1; j >= 0; --j) {
                if (Link(j) == Link(t)) Link(j) = Link(s);
            }
            Link(t - 1) = Link(s);
            Fn(LastOf(t)) = Fn(LastOf(s));
            W(LastOf(t)).LinkedWord = static_cast<u16>(LastOf(s));
            for (i32 u = t + 1; u < Segments() && Kind(u) == 23; ++u) Link(u) = Link(s);
        }
    }
}

// Pass 5: a participle or infinitive clause coordinated with another.
void CoordinatedNonFinite() {
    for (i32 s = 0; s < Segments(); ++s) {
        const u8 k = Kind(s);
        if (k != 12 && k != 13) continue;
        i32 t = s + 1;
        while (t < Segments() && Kind(t) != 17 && (Kind(t) < 11 || Kind(t) > 14)) ++t;
        if (t >= Segments() || Kind(t - 1) != 16 || Kind(t) != k || Cat(FirstOf(t)) != Cat(FirstOf(s))) continue;
        for (i32 u = t; u <= Segments() - 2; ++u) {
            if (Link(u) == t) Link(u) = Link(s);
        }
        Link(t - 1) = Link(s);
        if (Cat(FirstOf(s)) == k) {
            Fn(LastOf(t)) = 70;
        } else {
            Fn(LastOf(t)) = 71;
            W(LastOf(t)).LinkedWord = W(LastOf(s)).LinkedWord;
        }
    }
}

bool RelativeClause(i32 r) { return Kind(r) == 24 && Relative(LastOf(r)); }

// Pass 6 step 3: after a conjunction or a punctuation word, the antecedent
// of an earlier relative clause, else the nearest noun phrase; -1 when none.
i32 AntecedentAcross(i32 s, i32 p) {
    for (i32 r = p - 1; r > 0; --r) {
        if (!RelativeClause(r) || Kind(r - 1) == 16) continue;
        Seg(s).Gender = Seg(r - 1).Gender;
        Seg(s).Number = Seg(r - 1).Number;
        Seg(s).Person = Seg(r - 1).Person;
        return LastOf(r - 1);
    }
    for (i32 r = p; r >= 0; --r) {
        if (Kind(r) == 23 || Kind(r) == 24) return LastOf(r);
    }
    return -1;
}

// Pass 6: every relative pronoun is linked to its antecedent.
void RelativeAntecedents() {
    for (i32 s = 1; s < Segments(); ++s) {
        if (Kind(s) != 22 && !RelativeClause(s)) continue;
        const i32 p = s - 1;
        const u8 kp = Kind(p);
        const i32 a = kp == 21 ? LastOf(s - 2) : (kp == 16 || kp == 20) ? AntecedentAcross(s, p) : LastOf(p);
        if (a < 0) continue;
        W(LastOf(s)).LinkedWord = static_cast<u16>(a);
        // Raised once: a second relative on the same antecedent leaves it.
        if (Cat(a) <= 64) W(a).ReadingCategories[0] = static_cast<u8>(Cat(a) + 64);
    }
}

bool AdjectiveClass(u8 c) { return c == 'B' || c == 'C' || c == 'E' || c == 'M' || c == 'N'; }
bool Clash(u8 a, u8 b) { return (a == 1 && b == 2) || (a == 2 && b == 1); }

// The attribute before its verb: 2 or 3 (the segment of the subject), 0
// when the opening is no attribute.
i32 FrontedAttribute() {
    if (Segments() > 2 && Kind(1) == 14 && Cls(FirstOf(1)) > 128 && Kind(2) == 23) return 2;
    if (Segments() > 3 && Is(FirstOf(1), "en") && Kind(2) == 14 && Cls(FirstOf(2)) > 128 && Kind(3) == 23) return 3;
    return 0;
}

// "Grand est la maison": verb and attribute change places when both are
// one word; a coordinated subject after them is made one plural subject.
// The attribute's segment afterwards.
i32 SwapAttributeAndVerb() {
    if (FirstOf(0) != 0 || LastOf(0) != 0 || FirstOf(1) != 1 || LastOf(1) != 1) return 0;
    if (rules::Count() >= static_cast<i32>(gWords.count) - 1) return 0;
    Link(0) = Link(1) = 0;
    const SegmentRecord attribute = Seg(0);
    Seg(0) = Seg(1);
    Seg(1) = attribute;
    Seg(0).FirstWord = Seg(0).LastWord = 0;
    Seg(1).FirstWord = Seg(1).LastWord = 1;
    WordRecord& scratch = W(rules::Count());
    CopyWordRecord(scratch, W(0));
    CopyWordRecord(W(0), W(1));
    CopyWordRecord(W(1), scratch);
    ClearWordRecord(scratch);
    W(1).LinkedWord = 0;
    if (Segments() > 4 && (Kind(3) == 16 || Kind(3) == 21) && Kind(4) == 23) {
        Seg(3).SegmentKind = 16;
        Seg(2).Number = 2;
        Seg(4).SegmentKind = 24;
        Fn(LastOf(4)) = 75;
    }
    return 1;
}

// Pass 7 agreement: the attribute (segment a, word at its first) and the
// subject (segment k).
RuleCode FrontedAgreement(i32 a, i32 k, u16& out) {
    const SegmentRecord& at = Seg(a);
    const SegmentRecord& su = Seg(k);
    const bool gender = Clash(at.Gender, su.Gender), number = Clash(at.Number, su.Number);
    const i32 w = FirstOf(a);
    if ((!gender && !number) || !rules::MayReport(kCodeAttributeAgreement, w)) return 0;
    rules::RuleReport r;
    r.code = kCodeAttributeAgreement;
    r.pos = w;
    r.detail = static_cast<u16>((number ? 2 : 0) + (gender ? 1 : 0));
    r.extent = FormOf(su);
    r.gender = at.Gender;
    r.number = at.Number;
    r.kind = 4;
    r.variant = AdjectiveClass(Cls(w)) ? 'T' : 'E';
    return CommitAnalysisReport(r, out);
}

// Pass 7: a sentence that opens with an attribute or a fronted phrase.
RuleCode FrontedOpening(AnalysisFrame& f, u16& out) {
    if (Segments() < 2) return 0;
    const bool opening =
        Kind(0) == 10 || (Cat(0) == 8 && (FirstOf(1) == 1 || (FirstOf(1) == 2 && Cat(1) == 18)));
    if (opening) {
        if (const i32 k = FrontedAttribute(); k != 0) {
            f.inversion = true;
            Fn(0) = 77;
            W(0).LinkedWord = static_cast<u16>(LastOf(k - 1));
            Seg(k).SegmentKind = 24;
            Fn(LastOf(k)) = 75;
            Fn(LastOf(k - 1)) = 67;
            W(LastOf(k - 1)).LinkedWord = static_cast<u16>(k);
            const i32 a = k == 2 && gClauseMark == 0 ? SwapAttributeAndVerb() : 0;
            if (const RuleCode r = FrontedAgreement(a, k, out); r != 0) return r;
        } else {
            if (Kind(1) == 24 || Kind(1) == 23) {
                Seg(0).SegmentKind = 23;
                Fn(0) = 76;
            }
            if (Kind(0) != 23) Seg(0).SegmentKind = 24;
        }
    }
    if (Segments() < 3 || Kind(0) != 23 || f.questionFlag != 0 || W(LastOf(2)).LinkedWord == 0) return 0;
    for (i32 i = 1; i < Segments(); ++i) {
        if (Kind(i) != 14) continue;
        Link(0) = Link(i);
        W(LastOf(0)).LinkedWord = static_cast<u16>(LastOf(i));
        if (Fn(LastOf(0)) != 76) Fn(LastOf(0)) = 71;
        break;
    }
    return 0;
}

}  // namespace

RuleCode AssignObjectsAndAntecedents(AnalysisFrame& f, u16& out) {
    PhrasesWithoutVerb();
    ObjectsAfterObjects();
    PronounSubjects();
    SecondConjuncts();
    CoordinatedNonFinite();
    RelativeAntecedents();
    return FrontedOpening(f, out);
}
