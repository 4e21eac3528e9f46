// Past participles: a participle written for an infinitive (47), a
// participle before an infinitive or after a quantity (43 'E', 43 'B'),
// agreement with an object placed before the verb (43 'C', 'D', 'B'), the
// auxiliary and its subject (44 'E', 'F', 44), and the link of a
// participle conjugated with être.
#include "frame/mac_roman_literal.h"
#include "frame/settings.h"
#include "rules/french/french_verb.h"

namespace french_verb {

using namespace rules;
using french_agreement::First;
using french_agreement::Kind;
using french_agreement::Seg;
using french_agreement::SegCount;

namespace {

// One visit of a participle clause.
struct Visit {
    i32 s = 0;
    i32 w = 0;   // the participle
    i32 p = 0;   // the clause before
    i32 a = 0;   // the auxiliary candidate
    bool etre = false;
    i32 subject = -1;
    bool searched = false;  // the subject search ran
    u8 model = 0;
};

u8 Slot(i32 i) { return Feat(i); }
bool SettledSlot(i32 w) { return Slot(w) == 2 || Slot(w) == 7; }
bool Reflexive(i32 s) { return s >= 0 && Kind(s) == 26; }
bool LastClause(const Visit& v) { return v.s + 1 >= SegCount(); }

RuleReport Report(RuleCode code, i32 pos) { return french_agreement::ReportFromGlobals(code, pos); }

// The extent of a 43 or 44 after a rule 40 at the clause's first word.
u16 ExtentAfter40(i32 clause, u16 extent) {
    return gLastRule == kCodeWordSequence && gLastErrorPos == First(clause) ? kNoCorrection : extent;
}

void ParticipleForInfinitive(const Visit& v, VerbFindings& f) {
    const auto offer = [&](i32 pos, u16 detail) {
        RuleReport r = Report(kCodeParticipleForInfinitive, pos);
        r.variant = 0;  // no letter: never the one an earlier finding left
        r.extent = 0;
        r.detail = detail;
        Offer(f, r);
    };
    const i32 n = SegCount();
    if (!LastClause(v)) {
        const i32 x = First(v.s + 1);
        const bool verbal = Readings(x) == 1 && (Cat(x) == 11 || (Cat(x) == 10 && Cls(x) >= 128));
        if (verbal && Slot(v.w) >= 2 && Slot(v.w) <= 5 && Cls(v.w) != 194 && v.model < 128 &&
            (v.s == n - 2 || Cat(First(v.s + 2)) == 7))
            offer(v.w, 4);
    }
    if (Reflexive(v.p) && v.model >= 1 && v.model <= 14) offer(v.w, 3);
    const i32 last = Seg(v.s).LastWord;
    if (last > 1 && Cls(last - 1) == 0x2C && Cls(last - 2) == 0x2C && Mark(last) >= 1 && Mark(last) <= 14)
        offer(last, 5);
}

// Whether the word after the participle leaves it without an object.
bool NoObjectAfter(const Visit& v) {
    return v.w == Count() - 1 || Cat(v.w + 1) > 8 || Seg(v.s + 1).State == 2;
}

bool EtreVerb(const Visit& v) {
    const u8 m = v.model;
    const i32 w = v.w;
    static const char* const kVenir[] = {"ven", "adv", "dev", "rev", "surv", "interv", "parv", "prov", "redev", nullptr};
    static const char* const kSortir[] = {"sor", "par", "ressor", "repar", nullptr};
    static const char* const kTomber[] = {"tomb", "entr", "rentr", "retourn", nullptr};
    const auto begins = [w](const char* const* stems) { return BeginsAny(w, stems); };
    if (m == 18 || m == 65 || m == 114) return true;
    if (m == 1 || m == 129) {
        if (Begins(w, "rest") || Begins(w, "arriv") || Begins(w, "retomb")) return true;
        if (begins(kTomber) && NoObjectAfter(v)) return true;
    }
    if (m == 3 && Begins(w, MR("décéd"))) return true;
    if ((m == 22 || m == 150) && begins(kVenir)) return true;
    return (m == 24 || m == 152) && begins(kSortir) && NoObjectAfter(v);
}

bool IsAuxiliary(const Visit& v) {
    const u8 c = Cls(v.a);
    const i32 s = v.s;
    if (c == 194 || c == 198) return true;
    if (c == 128 && Mark(v.a) == 17) return true;
    if (s > 1 && Reflexive(s - 2) && c == 131) return true;
    if (s > 1 && Cat(First(s - 2)) < 4 && c == 135) return true;
    return s >= 3 && Reflexive(s - 3) && Kind(s - 2) == 23 && Cat(First(s - 2)) == 2 && !Is(First(s - 2), "en") &&
           c == 131;
}

// Verbs whose participle stays invariable before an infinitive.
bool InvariableBeforeInfinitive(const Visit& v) {
    const u8 m = v.model;
    const i32 w = v.w;
    if (m == 39 || m == 41 || m == 42 || m == 43 || m == 47 || m == 74 || m == 76 || m == 79) return true;
    if (m == 63 && Begins(w, "perm")) return true;
    if (m == 3 && Begins(w, "esp")) return true;
    static const char* const kModel1[] = {"laiss", "pens", "souhai", "affirm", MR("déclar"), nullptr};
    return m == 1 && BeginsAny(w, kModel1);
}

void OfferParticiple(const Visit& v, VerbFindings& f, u8 variant, u16 detail) {
    RuleReport r = Report(kCodeParticipleAgreement, v.w);
    r.variant = variant;
    r.detail = detail;
    if (Seg(v.s).Gender > 1) r.gender = Seg(v.s).Gender;
    if (Seg(v.s).Number > 1) r.number = Seg(v.s).Number;
    r.extent = ExtentAfter40(v.s, 0);
    Offer(f, r);
}

// The agreement report against target record t.
void OfferAgreement(const Visit& v, i32 t, VerbFindings& f) {
    RuleReport r = Report(kCodeParticipleAgreement, v.w);
    const SegmentRecord& x = Seg(v.s);
    const SegmentRecord& y = Seg(t);
    r.variant = Cls(v.a) == 194 ? 'C' : 'D';
    if (r.variant == 'D') r.detail = 3;
    r.kind = 3;
    if (x.Gender != y.Gender) r.gender = x.Gender;
    if (x.Number != y.Number) r.number = x.Number;
    if (y.Gender == 0) r.extent = static_cast<u16>(257 * y.Number + 2);
    else if (y.Number == 0) r.extent = static_cast<u16>(514 * y.Gender - 513);
    else r.extent = FormCode(t);
    r.extent = ExtentAfter40(v.s, r.extent);
    Offer(f, r);
}

// The agreement report against a packed coordination mark in record q.
void OfferPacked(const Visit& v, i32 q, VerbFindings& f) {
    const u8 g1 = Seg(q).Gender / 64, g2 = Seg(q).Gender % 64;
    const u8 n2 = static_cast<u8>(Seg(q).Number - 128);
    const u8 g = Seg(v.s).Gender, n = Seg(v.s).Number;
    const bool first = (g1 != 0 && g != 0 && g1 != g) || (n != 0 && n != 2);
    const bool second = (g2 != 0 && g != 0 && g2 != g) || (n2 != 0 && n != 0 && n2 != n);
    if (!first || !second) return;
    RuleReport r = Report(kCodeParticipleAgreement, v.w);
    r.variant = Cls(v.a) == 194 ? 'C' : 'D';
    if (r.variant == 'D') r.detail = 3;
    r.kind = 3;
    r.gender = g;
    r.number = n;
    i32 extent = (2 * g2 + n2 - 2) * 256 + 2 * g1;
    if (g2 == 0) extent = 257 * n2 + 2;
    else if (n2 == 0) extent = 514 * g2 - 511;
    else if (g1 == 0) extent = (2 * g2 + n2) * 256 - 510;
    r.extent = ExtentAfter40(v.s, static_cast<u16>(extent));
    Offer(f, r);
}

bool PersonFits(u8 verb, u8 subject) {
    if (verb == subject || verb == 7) return true;
    if (verb == 4) return subject == 1 || subject == 2;
    if (verb == 5) return subject == 1 || subject == 3;
    if (verb == 6) return subject == 2 || subject == 3;
    return false;
}

bool MeasureVerb(const Visit& v) {
    const u8 m = v.model;
    const i32 w = v.w;
    if (m == 31 || m == 98) return true;
    if (m == 45) return !(v.s >= 2 && Cat(First(v.s - 2)) == 2);
    if (m == 1) return Begins(w, MR("coût")) || Begins(w, "mesur") || Begins(w, "march") || Begins(w, "dur");
    return m == 2 && Begins(w, "pes");
}

// Where the visit goes after the subject search.
enum class Next { Step9, Check44E, Step11, Missing };

Next SearchSubject(Visit& v) {
    const i32 s = v.s;
    const i32 p = v.p;
    v.searched = true;
    const SegmentRecord& ps = Seg(p);
    const SegmentRecord& after = Seg(s + 1);
    const bool relativeOrder =
        s > 1 && Kind(p) == 14 && !LastClause(v) && after.SegmentKind == 23 && Cat(First(s + 1)) != 15 &&
        (after.Number == ps.Number || after.Number == 0) &&
        (Kind(s - 2) == 22 || Kind(s - 2) == 26 || (Kind(s - 2) == 23 && Cat(First(s - 2)) == 2)) &&
        (Kind(s - 2) == 22 || Cat(First(s - 2) - 1) == 5) && after.Person == 3 &&
        (ps.Person == 3 || ps.Person == 5 || ps.Person == 6);
    if (relativeOrder) {
        v.subject = s - 1;
        return Reflexive(s - 2) ? Next::Check44E : Next::Step9;
    }
    if (Kind(p) != 14) {
        v.subject = s - 1;
        return Next::Step9;
    }
    for (i32 k = s - 1; k >= 0; --k) {
        if (Kind(k) != 24) continue;
        if (Seg(k).Number != ps.Number && Seg(k).Number != 0) continue;
        if (!PersonFits(ps.Person, Seg(k).Person)) continue;
        if (Seg(k).Number == 0) Seg(k).Number = ps.Number;
        v.subject = k;
        return Next::Step9;
    }
    return Next::Missing;
}

// Step 9: the object met through a relative "que"; false when it does not apply.
bool ObjectThroughQue(const Visit& v, VerbFindings& f, bool& done) {
    const i32 S = v.subject;
    if (S < 1 || Cls(First(S + 1)) == 'T') return false;
    // Complements opened by a preposition may stand between "que" and the
    // subject ("les euros que depuis 2012 l'État leur a volés").
    i32 q = S - 1;
    while (q > 0 && Kind(q) == 23 && Cat(First(q)) == 15) --q;
    if (Kind(q) != 22) return false;
    if (Seg(q).Gender >= 64) {
        OfferPacked(v, q, f);
        return true;
    }
    bool numeral = false;
    for (i32 i = First(q - 1 < 0 ? 0 : q - 1); i < First(q); ++i)
        if (Cls(i) == 'R' || Cls(i) == 'S') numeral = true;
    if (numeral && MeasureVerb(v)) {
        if (!SettledSlot(v.w)) OfferParticiple(v, f, 'B', gErrorDetail);
        done = true;
        return true;
    }
    if (Disagree(q, v.s)) OfferAgreement(v, q, f);
    return true;
}

// Step 10: an object pronoun before the verb; false to go on to step 11.
bool ObjectPronoun(const Visit& v, VerbFindings& f) {
    const i32 s = v.s;
    if (s < 2) return false;
    const i32 o = s - 2;
    const i32 x = First(o);
    const bool pronoun = Cat(x) == 2 && !Reflexive(o) && Cls(x) != '_' && !(Cls(x) == 'X' && Kind(s + 1) == 17);
    const bool afterPreposition = Cat(x) == 15 && Cat(x + 1) == 2 && Cls(x + 1) != '_' && !Reflexive(o);
    if (!pronoun && !afterPreposition) return false;
    if (!LastClause(v) && Kind(s + 1) == 23 && Cat(First(s + 1)) != 15 && Cat(First(s + 1)) != 9 &&
        Seg(s + 1).State != 2)
        return false;
    if (Is(x, "en")) {
        Seg(o).Gender = 1;
        Seg(o).Number = 1;
    } else {
        const SegmentRecord& r = Seg(s);
        for (i32 k = v.subject - 1; k >= 0; --k) {
            if (!NounLike(k)) continue;
            const SegmentRecord& c = Seg(k);
            if ((c.Gender == r.Gender || c.Gender == 0 || r.Gender == 0) &&
                (c.Number == r.Number || c.Number == 0 || r.Number == 0)) {
                if (Seg(o).Gender == 0) Seg(o).Gender = r.Gender;
                if (Seg(o).Number == 0) Seg(o).Number = r.Number;
                return true;
            }
        }
    }
    if (Disagree(o, v.s)) OfferAgreement(v, o, f);
    return true;
}

// The 44 of a verb that agrees with no subject before it.
void MissingSubject(const Visit& v, VerbFindings& f) {
    const i32 p = v.p;
    if ((Cls(First(p)) & 7) > 3 || LastClause(v) || Kind(v.s + 1) >= 23) return;
    RuleReport r = Report(kCodeSubjectVerbAgreement, First(p));
    r.variant = 0;
    r.number = Seg(p).Number;
    r.person = Seg(p).Person;
    r.kind = 2;
    i32 g = -1;
    for (i32 k = v.s - 1; k >= 0 && g < 0; --k)
        if (Kind(k) == 24) g = k;
    r.extent = g < 0 ? kNoCorrection : static_cast<u16>(g);
    r.detail = 0;
    if (g >= 0 && Seg(g).Number != Seg(p).Number) r.detail += 2;
    if (g >= 0 && Seg(g).Person != Seg(p).Person) r.detail += 1;
    r.extent = ExtentAfter40(p, r.extent);
    Offer(f, r);
}

// Step 11; true when the reflexive check sends the visit to the 44 'E' check.
bool NoObjectBefore(const Visit& v, VerbFindings& f) {
    const i32 s = v.s;
    const i32 pw = First(v.p);
    if (!LastClause(v) && Kind(s + 1) == 10 && Seg(s + 1).Gender < 2 && Seg(s + 1).Number < 2)
        Seg(s + 1).SegmentKind = 23;
    const bool reflexive = s >= 3 && ((Reflexive(s - 2) && Cls(pw) == 131) || (Cat(First(s - 2)) == 2 && Cls(pw) == 135));
    if (reflexive) {
        // A participle that ends the sentence has no object after it.
        const i32 x = First(s + 1);
        const bool object = !LastClause(v) && Cat(x) < 8 && Cls(x) < 106 && !(Is(x, "de") && Is(x + 1, "la"));
        if (!object && !Begins(v.w, "parl")) return true;
    }
    if ((Seg(s).Gender >= 2 || Seg(s).Number >= 2)) {
        const bool d = s > 2 && Reflexive(s - 2) && Cls(pw) == 131;
        OfferParticiple(v, f, d ? 'D' : 'B', d ? 2 : gErrorDetail);
    }
    return false;
}

void Check44E(const Visit& v, VerbFindings& f) {
    const i32 pw = First(v.p);
    if (Cls(v.w) == 131 && Mark(pw) == 144) {
        RuleReport r = Report(kCodeSubjectVerbAgreement, pw);
        r.variant = 'E';
        r.extent = static_cast<u16>(pw);
        Offer(f, r);
    }
    const i32 s = v.s;
    if ((Cls(v.w) & 1) != 0 || Cat(First(s + 1)) == 13) return;
    const i32 o = s > 1 ? First(s - 2) : 0;
    if (s > 1 && o != 0 && !Is(o, "en") && Is(o - 1, "s'")) {
        if (Seg(s).Gender >= 2 || Seg(s).Number >= 2) {
            RuleReport r = Report(kCodeParticipleAgreement, v.w);
            r.variant = 'D';
            r.detail = 3;
            if (Seg(s).Gender != 1) r.gender = Seg(s).Gender;
            if (Seg(s).Number != 1) r.number = Seg(s).Number;
            r.extent = ExtentAfter40(s, 0);
            Offer(f, r);
        }
    } else if (gAnalysisMode == 0) {
        Seg(s).SegmentKind = 10;
    }
}

// Steps 13 and 14.
void EndVisit(const Visit& v) {
    if (v.etre) {
        W(First(v.p)).ReadingClasses[0] = 128;
        W(v.w).FunctionCode = 74;
        // Without a subject search the link names nothing.
        W(v.w).LinkedWord = v.searched && v.subject >= 0 ? static_cast<u16>(v.subject) : kNoCorrection;
    }
    W(v.a).ReadingClasses[0] = 128;
}

// Step 12 from its start: a participle without an auxiliary.
void WithoutAuxiliary(const Visit& v, VerbFindings& f) {
    if (Cls(First(v.p)) != 131) {
        if (gAnalysisMode == 0) Seg(v.s).SegmentKind = 10;
        return;
    }
    Check44E(v, f);
    EndVisit(v);
}

// Steps 5 and 6; false when the visit ends.
bool BeforeInfinitive(const Visit& v, VerbFindings& f) {
    const i32 s = v.s;
    if (!LastClause(v) && Kind(s + 1) == 13) {
        if (InvariableBeforeInfinitive(v)) {
            if (SettledSlot(v.w)) return false;
            RuleReport r = Report(kCodeParticipleAgreement, v.w);
            r.variant = 'E';
            if (Seg(s).Gender > 1) r.gender = Seg(s).Gender;
            if (Seg(s).Number > 1) r.number = Seg(s).Number;
            r.extent = ExtentAfter40(s, 0);
            Offer(f, r);
        }
        if (Cls(v.a) == 194 || Cls(v.a) == 198) W(v.a).ReadingClasses[0] = 128;
        const bool open = s + 2 < SegCount() && Kind(s + 2) == 23 && Cat(First(s + 2)) != 10;
        if (!open) {
            if (Slot(v.w) == 2) return false;
            const i32 before = s == 2 ? 0 : s - 3;
            if (s >= 2 && Kind(before) == 22 && Seg(before).Gender == Seg(s).Gender) return false;
        }
    }
    return !(s < SegCount() - 2 && Kind(s + 1) == 23 && Kind(s + 2) == 13 && Cat(First(s + 2)) == 15);
}

void VisitParticiple(i32 s, VerbFindings& f) {
    Visit v;
    v.s = s;
    v.w = First(s);
    v.p = s - 1;
    v.model = Mark(v.w);
    ParticipleForInfinitive(v, f);
    v.a = v.w;
    for (i32 i = First(v.p); i < v.w; ++i) {
        if (Cat(i) >= 12 && Cat(i) <= 14) {
            v.a = i;
            break;
        }
    }
    v.etre = EtreVerb(v);
    if (v.a == v.w || !IsAuxiliary(v)) {
        WithoutAuxiliary(v, f);
        return;
    }
    if (!BeforeInfinitive(v, f)) return;
    const bool wrongAuxiliary = (Cls(v.a) == 194 || Cls(v.a) == 198) &&
                                (v.etre || (s > 2 && Reflexive(s - 2)) ||
                                 (s > 3 && Reflexive(s - 3) && Cat(First(s - 2)) == 2));
    if (wrongAuxiliary) {
        RuleReport r = Report(kCodeSubjectVerbAgreement, v.a);
        r.variant = 'F';
        r.extent = static_cast<u16>(v.a);
        Offer(f, r);
    } else if ((Cls(v.w) & 1) == 0) {
        const Next next = SearchSubject(v);
        bool done = false;
        if (next == Next::Check44E) {
            Check44E(v, f);
            EndVisit(v);
            return;
        }
        if (next == Next::Missing) {
            MissingSubject(v, f);
        } else if (!ObjectThroughQue(v, f, done) && !ObjectPronoun(v, f)) {
            if (NoObjectBefore(v, f)) {
                Check44E(v, f);
                EndVisit(v);
                return;
            }
        }
        if (done) return;
    }
    W(v.a).ReadingClasses[0] = 128;
}

}  // namespace

void CheckPastParticiples(VerbFindings& f) {
    for (i32 s = 1; s < SegCount(); ++s)
        if (Kind(s) == 11) VisitParticiple(s, f);
}

}  // namespace french_verb
