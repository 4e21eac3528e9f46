// Relative clauses: the kind of the clause a relative pronoun opens, its
// antecedent, a relative whose gender or number clashes with the group
// before it (41 'X') and a compound relative after a preposition with no
// antecedent (42 'A').
#include "frame/mac_roman_literal.h"
#include "rules/french/french_verb.h"

namespace french_verb {

using namespace rules;
using french_agreement::First;
using french_agreement::Kind;
using french_agreement::Seg;
using french_agreement::SegCount;

namespace {

// The nearest record from `from` down to 0 that passes `test`, or -1.
template <typename Test>
i32 Back(i32 from, Test test) {
    for (i32 k = from; k >= 0; --k)
        if (test(k)) return k;
    return -1;
}

// The nearest noun-like record before s whose gender and number fit s's
// (equal, or 0 in the record).
i32 FittingAntecedent(i32 s) {
    const SegmentRecord& r = Seg(s);
    return Back(s - 1, [&](i32 k) {
        return NounLike(k) && (Seg(k).Gender == r.Gender || Seg(k).Gender == 0) &&
               (Seg(k).Number == r.Number || Seg(k).Number == 0);
    });
}

void Link(i32 word, i32 antecedent) {
    W(word).FunctionCode = 79;
    W(word).LinkedWord = Seg(antecedent).LastWord;
}

void CopyAgreement(i32 to, i32 from) {
    Seg(to).Gender = Seg(from).Gender;
    Seg(to).Number = Seg(from).Number;
    Seg(to).Person = Seg(from).Person;
}

void SetAgreement(i32 s, u8 gender, u8 number, u8 person) {
    Seg(s).Gender = gender;
    Seg(s).Number = number;
    Seg(s).Person = person;
}

// Where antecedent a is a group after another of kind `before`, what
// the two do not share stays open in s.
void OpenWhereTheyDiffer(i32 s, i32 a, bool kind24Only) {
    if (a < 1 || Kind(a) != 23) return;
    if (kind24Only ? Kind(a - 1) != 24 : !NounLike(a - 1)) return;
    if (Seg(a).Gender != Seg(a - 1).Gender) Seg(s).Gender = 0;
    if (Seg(a).Number != Seg(a - 1).Number) Seg(s).Number = 0;
}

bool Opposite(u8 a, u8 b) { return (a == 1 && b == 2) || (a == 2 && b == 1); }

void RelativeQue(i32 s, i32 w) {
    if (Begins(Count() - 1, "?") && s > 0 && Cat(w - 1) == 20 && Kind(s + 1) == 14) {
        Seg(s).SegmentKind = 18;  // interrogative
        return;
    }
    const bool flag = NounLike(s - 1) ||
                      (s > 1 && (Kind(s - 1) == 21 || Kind(s - 1) == 13 || Kind(s - 1) == 12) && NounLike(s - 2));
    const bool relative = s == 0 || (s == 1 && flag && Seg(0).State != 1) || (s >= 2 && flag);
    if (!relative) {
        Seg(s).SegmentKind = 17;
        SetReading0(w, 17, 17);
        return;
    }
    const i32 a = Back(s - 1, NounLike);
    if (a < 0) return;
    CopyAgreement(s, a);
    Link(w, a);
    OpenWhereTheyDiffer(s, a, false);
    Seg(s).SegmentKind = 22;
}

void RelativeQui(i32 s, i32 w) {
    if (s > 0 && Kind(s - 1) != 13 && Kind(s - 1) != 14) {
        const i32 a = Back(s - 1, [](i32 k) {
            return Kind(k) == 24 || (Kind(k) == 23 && Cat(First(k)) != 2 && Seg(k).State != 4);
        });
        Seg(s).SegmentKind = 24;
        if (a < 0) {
            SetAgreement(s, 1, 1, 3);
            return;
        }
        CopyAgreement(s, a);
        if (Cls(First(a)) == 0x5C) Seg(s).Number = 2;
        W(w).FunctionCode = 79;
        OpenWhereTheyDiffer(s, a, true);
        return;
    }
    if (s >= 2 && Kind(s - 2) == 23 && Cat(First(s - 2)) == 2) {
        CopyAgreement(s, s - 2);
    } else {
        Seg(s).Number = 1;
        Seg(s).Person = 3;
    }
    Seg(s).SegmentKind = 24;
}

void OtherRelative(i32 s, i32 w, VerbFindings& f) {
    SetAgreement(s, WordGender(w), WordNumber(w), 3);
    const i32 a = FittingAntecedent(s);
    static const char* const kLequel[] = {"lequel", "lesquels", "lesquelles", "laquelle", nullptr};
    if (IsOneOf(w, kLequel)) {
        Seg(s).SegmentKind = 24;
        if (a >= 0) W(w).FunctionCode = 79;
        return;
    }
    const i32 p = s - 1;
    if (Cat(w + 1) != 10 && NounLike(p)) {
        const SegmentRecord& r = Seg(s);
        const SegmentRecord& q = Seg(p);
        if (Opposite(r.Gender, q.Gender) || Opposite(r.Number, q.Number)) {
            RuleReport x = french_agreement::ReportFromGlobals(kCodeQualifierAgreement, w);
            x.extent = q.Gender == 0 ? q.Number : FormCode(p);
            x.gender = r.Gender;
            x.number = r.Number;
            x.variant = 'X';
            x.kind = 1;
            Offer(f, x);
        }
        if (Kind(p) == 23) Seg(p).SegmentKind = 24;
    }
    W(w).ReadingCategories[0] = 8;
    Seg(s).SegmentKind = 23;
}

void RelativePronoun(i32 s, i32 w, VerbFindings& f) {
    Seg(s).State = 0;
    SetAgreement(s, 0, 0, 0);
    if (Is(w, "dont") || Is(w, MR("où")) || Is(w, "quoi")) {
        Seg(s).SegmentKind = 23;
        if (const i32 a = Back(s - 1, NounLike); a >= 0) Link(w, a);
    } else if (Is(w, "que") || Is(w, "qu'")) {
        RelativeQue(s, w);
    } else if (Is(w, "qui")) {
        RelativeQui(s, w);
    } else if (Is(w, "quiconque")) {
        SetAgreement(s, 1, 1, 3);
        Seg(s).SegmentKind = 24;
    } else {
        OtherRelative(s, w, f);
    }
}

// A preposition before a relative pronoun; 42 when a compound relative
// has no antecedent.
RuleCode AfterPreposition(i32 s, i32 w, VerbFindings& f) {
    const i32 v = w + 1;
    Seg(s).SegmentKind = 23;
    SetAgreement(s, WordGender(v), WordNumber(v), 3);
    if (Cls(v) != 'I') return 0;
    if (const i32 a = FittingAntecedent(s); a >= 0) {
        Link(w, a);
        return 0;
    }
    RuleReport r = french_agreement::ReportFromGlobals(kCodeClauseAgreement, v);
    // The clause two before gives the high byte only when it is a group.
    const u16 high = s >= 2 && NounLike(s - 2) ? FormCode(s - 2) : 0;
    const u16 low = s >= 1 && NounLike(s - 1) ? FormCode(s - 1) : 0;
    r.extent = static_cast<u16>(high * 256 + low);
    r.gender = Seg(s).Gender;
    r.number = Seg(s).Number;
    r.variant = 'A';
    if (!MayReport(kCodeClauseAgreement, w)) return 0;
    Offer(f, r, w);
    return kCodeClauseAgreement;
}

}  // namespace

RuleCode MarkRelativeClauses(VerbFindings& f) {
    for (i32 s = 0; s < SegCount(); ++s) {
        const i32 w = First(s);
        if (Cat(w) == 5) RelativePronoun(s, w, f);
        if (Cat(w) == 15 && Cat(w + 1) == 5) {
            if (AfterPreposition(s, w, f) != 0) return kCodeClauseAgreement;
        }
    }
    return 0;
}

}  // namespace french_verb
