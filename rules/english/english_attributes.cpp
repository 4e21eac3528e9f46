// Noun and adjective phrases that qualify another phrase, as attribute
// (45 'J') or as epithet (41 'X'); a verb form right after a modal (47);
// a participle after a linking verb whose number clashes with the verb's
// (43 'A'); an infinitive after "had" or an auxiliary (46).
#include "rules/english/english_clause_call.h"
#include "rules/english/english_phrase_rules.h"

namespace english {

using namespace rules;
using namespace clause;

namespace {

constexpr u16 kActiveVerb = 74;
constexpr u16 kSubject = 75;
constexpr u16 kEpithetOf = 76;
constexpr u16 kAttributeOf = 77;
constexpr u16 kPronominal = 81;
constexpr u16 kPassive = 82;

i32 FormCode(const SegmentRecord& s) { return s.Gender * 2 + s.Number - 2; }
bool AuxiliaryMark(u8 m) { return m == '&' || m == '%' || m == 165; }

bool SkipQualifier(i32 k) {
    const i32 f = First(k);
    if (Kind(k - 1) == 32) return true;
    if (k == 1 && Feat(f) == 2 && (Kind(0) == 12 || Kind(0) == 13)) return true;
    return Verb(f) && Kind(k - 1) == 14 && Seg(k - 1).State == 2 && Mark(First(k - 1)) > 128;
}

// The nearest record before k that is neither a conjunction nor another
// qualifier, or -1.
i32 Referent(i32 k) {
    i32 r = k - 1;
    while (r >= 0 && (Kind(r) == 16 || Kind(r) == 10)) --r;
    return r;
}

bool EpithetPlace(i32 k, i32 r) {
    if (r < 0 || !(r == 0 || Kind(r - 1) < 23)) return false;
    if (r == k - 1) return Kind(r) > 22 && Cat(First(r)) != 2;
    return r == k - 2 && Kind(k - 1) == 16 && Kind(r) > 22;
}

// The function of a qualifier's first word right after an auxiliary (the
// epithet asks for a verb segment before it).
u16 QualifierFunction(i32 k, bool verbSegment) {
    const i32 f = First(k);
    const bool auxiliary = (!verbSegment || Kind(k - 1) == 14) && AuxiliaryMark(Mark(Last(k - 1)));
    return f != 0 && auxiliary ? kActiveVerb : kEpithetOf;
}

// The verb segment that k is the attribute of, or -1.
i32 AttributeVerb(i32 k, i32 r) {
    const i32 f = First(k);
    auto linking = [](i32 x) {
        const u8 kind = Kind(x);
        return (kind == 11 || kind == 13 || kind == 14) && Mark(First(x)) >= 129;
    };
    i32 v = r;
    if (k != N() - 1 && linking(k + 1)) v = k + 1;
    else if (k != N() - 1 && (Kind(k + 1) == 11 || Kind(k + 1) == 13 || Kind(k + 1) == 14) && Cls(First(k + 1)) == 131)
        v = k + 1;
    if (Cat(f) != 10 || v < 0 || !linking(v)) return -1;
    const i32 g = First(v);
    if (!(f == g + 1 || (f == g + 2 && Cat(g + 1) == 18))) return -1;
    if (v > 0 && (Kind(v) == 11 || Kind(v) == 13) && Kind(v - 1) == 14) --v;
    return v;
}

// 41 'X': the qualifier k and its referent r differ in number.
RuleCode ReportEpithet(i32 k, i32 r, u16& out) {
    const i32 f = First(k);
    if (!MayReport(kCodeQualifierAgreement, f)) return 0;
    const SegmentRecord& sk = Seg(k);
    const SegmentRecord& sr = Seg(r);
    RuleReport rep = Report(kCodeQualifierAgreement, f);
    rep.gender = sk.Gender;
    rep.number = sk.Number;
    rep.detail = 2;
    u8 ck = Cls(Last(k));
    if (ck == 'B' || ck == '.') ck = 'D';
    const u8 cr = Cls(Last(r));
    i32 extent = 0, second = 0, held = 0;
    if (ck >= cr) {
        extent = FormCode(sr);
    } else {
        const i32 w = Last(k);
        i32 g = sr.Gender;
        if (sk.Gender != 0) g = Verb(w) ? (Feat(w) < 4 ? 1 : 2) : Feat(w) >> 4;
        const u8 c0 = Cls(First(r));
        if (c0 == 'S' || c0 == 'R') {
            held = sr.Number;
            extent = g != 0 ? g * 2 + sr.Number - 2 : sr.Number;
        } else if (g != 0) {
            second = g * 2 + sr.Number - 2;
            extent = g * 2 - 2;
        } else {
            held = sr.Number;
            second = sk.Number;
            extent = sr.Number;
        }
    }
    if (second == 0 && (Kind(r - 1) == 24 || Kind(r - 1) == 23)) second = FormCode(Seg(r - 1));
    if (gLastRule == 40 && gLastErrorPos == f) {
        extent = kNoCorrection;
        second = 0;
    }
    rep.variant = 'X';
    rep.kind = 1;
    if (static_cast<i16>(extent) > 4) extent = kNoCorrection;
    rep.extent = static_cast<u16>(extent);
    if (second == 0 || second > 4 || extent == kNoCorrection) return Commit(rep, out);
    const i32 diff = static_cast<i16>(extent) - second;
    i32 v = -1;
    if (diff % 2 != 0) {
        if (Kind(r) == 24) {
            i32 s = r + 1;
            while (s < N() - 1 && Kind(s) != 14 && Kind(s) != 22 && Cat(First(s)) != 1) ++s;
            if (s < Count() - 1 && Kind(s) == 14) v = s;
        } else if (Kind(r) == 23) {
            if (r > 0 && Kind(r - 1) == 14 && Cls(First(r - 1)) == 131 && Cat(First(r)) != 15) {
                v = r - 1;
            } else {
                i32 s = r + 1;
                while (s < N() - 1 && Kind(s) != 14) ++s;
                if (s < Count() - 1 && Cat(First(s - 1)) == 5) v = s;
            }
        }
    }
    if (v >= 0) rep.extent = static_cast<u16>(extent + Seg(v).Number - held);
    else rep.extent = static_cast<u16>(extent + second * 256);
    return Commit(rep, out);
}

RuleCode CheckEpithet(i32 k, i32 r, u16& out) {
    if (r < 0) return 0;
    const i32 f = First(k);
    const bool referent =
        Kind(r) == 24 || (Kind(r) == 23 && Cat(First(r)) != 2 && Cat(f - 1) != 2);
    if (!referent) return 0;
    W(f).FunctionCode = QualifierFunction(k, true);
    W(f).LinkedWord = W(First(r)).LinkedWord;
    const u8 nk = Seg(k).Number, nr = Seg(r).Number;
    if (Seg(k).State == 2 || Seg(r).State == 2) return 0;
    // No noun or adjective stands after an English personal pronoun as its
    // epithet: such a word is a verb read as a noun ("they wonder", "you
    // see"), so a number clash there says nothing.
    const u8 cr = Cat(First(r));
    if (cr >= 1 && cr <= 3) return 0;
    if ((nk == 1 && nr == 2) || (nk == 2 && nr == 1))
        return ReportEpithet(k, r, out);
    return 0;
}

RuleCode CheckQualifier(i32 k, u16& out) {
    const i32 r = Referent(k);
    const i32 f = First(k);
    const i32 v = EpithetPlace(k, r) ? -1 : AttributeVerb(k, r);
    if (v < 0) return CheckEpithet(k, r, out);
    W(f).FunctionCode = Cls(f) < 128 ? kAttributeOf : QualifierFunction(k, false);
    // The attribute only gets its function and link: an English predicate
    // does not agree in number with its verb (an adjective has no number,
    // and a singular noun after a plural verb is common: "they were a
    // success", "the children are trouble").
    W(f).LinkedWord = W(First(v)).LinkedWord;
    return 0;
}

// 47 with detail 4: a participle or past form after a modal.
RuleCode CheckFormAfterModal(i32 k, u16& out) {
    const i32 f = First(k);
    const u8 ft = Feat(f);
    if (Readings(f) != 1 || !Verb(f) || (ft != 24 && ft != 4) || Kind(k - 1) != 14) return 0;
    const i32 u = First(k - 1);
    if (Feat(u) != 0 || !Between(Mark(u), 28, 36) || !MayReport(kCodeParticipleForInfinitive, f)) return 0;
    RuleReport rep = Report(kCodeParticipleForInfinitive, f);
    rep.extent = 0;
    rep.detail = 4;
    return Commit(rep, out);
}

RuleCode QualifierPass(u16& out) {
    for (i32 k = 1; k < N(); ++k) {
        if (Kind(k) == 10) {
            if (SkipQualifier(k)) continue;
            if (const RuleCode r = CheckQualifier(k, out); r != 0) return r;
        }
        if (const RuleCode r = CheckFormAfterModal(k, out); r != 0) return r;
    }
    return 0;
}

void MarkAfterLinkingVerb(i32 k, i32 r) {
    const i32 f = First(k), l = Last(k);
    if (Verb(f) && f != 0 && Cls(Last(r)) == 128) {
        W(f).FunctionCode = kActiveVerb;
    } else if (Verb(f) && k > 1 && Kind(k - 2) == 26) {
        W(f).FunctionCode = kPronominal;
    } else if (Verb(f) && Cls(First(r)) == 131 && Cls(f) > 191) {
        if (k + 1 < N() && Is(First(k + 1), "par")) {
            W(l).FunctionCode = kPassive;
            Seg(k + 1).FirstWord = static_cast<u8>(First(k + 1) + 1);
        } else {
            W(l).FunctionCode = kAttributeOf;
        }
    } else if (Verb(f)) {
        W(l).FunctionCode = kEpithetOf;
    } else if (W(l).FunctionCode != kSubject) {
        W(l).FunctionCode = kAttributeOf;
    }
    W(l).LinkedWord = W(Last(r)).LinkedWord;
}

RuleCode LinkingVerbPass(u16& out) {
    for (i32 k = 1; k < N(); ++k) {
        const i32 r = k - 1;
        const u8 kr = Kind(r);
        if (Kind(k) != 23 || Cat(First(k)) != 10 || !(kr == 11 || kr == 13 || kr == 14) || Mark(First(r)) <= 128)
            continue;
        MarkAfterLinkingVerb(k, r);
        const SegmentRecord& sk = Seg(k);
        const SegmentRecord& sr = Seg(r);
        const bool clash =
            (sk.Number == 1 && sr.Number == 2 && !Is(First(r), "were")) || (sk.Number == 2 && sr.Number == 1);
        const i32 f = First(k);
        if (!clash || sr.State == 1 || !MayReport(kCodeParticipleAgreement, f) || !Verb(f)) continue;
        RuleReport rep = Report(kCodeParticipleAgreement, f);
        rep.detail = 2;
        rep.extent = static_cast<u16>(sr.Gender == 0 ? 257 * sr.Number + 2 : FormCode(sr));
        rep.gender = sk.Gender;
        rep.number = sk.Number;
        rep.kind = 3;
        rep.variant = 'A';
        return Commit(rep, out);
    }
    return 0;
}


RuleCode InfinitiveAfterAuxiliary(u16& out) {
    for (i32 k = 2; k < N(); ++k) {
        const i32 f = First(k);
        if (Readings(f) != 1 || Kind(k) != 13 || Cls(f) == 32 || Cat(f) == 15 || Kind(k - 1) != 14) continue;
        const i32 u = First(k - 1);
        if (!Is(u, "had") && Mark(u) != 165 && Mark(u) != '&') continue;
        if (BaseIsParticiple(f) || !NextToVerb(k)) continue;
        if (!MayReport(kCodeInfinitiveForParticiple, f)) continue;
        RuleReport rep = Report(kCodeInfinitiveForParticiple, f);
        rep.extent = 1;
        rep.detail = 0;
        return Commit(rep, out);
    }
    return 0;
}

}  // namespace

RuleCode CheckAttributes(u16& out) {
    if (const RuleCode r = QualifierPass(out); r != 0) return r;
    if (const RuleCode r = LinkingVerbPass(out); r != 0) return r;
    return InfinitiveAfterAuxiliary(out);
}

}  // namespace english
