// French re-checks of the rewritten clauses: the participle of reciprocal
// pronominal verbs (43), the agreement of an attribute with its clause
// (45, or 43 for a verb form), and the "de" construction after a verb or a
// noun phrase (50).
#include "rules/clause/rewrite.h"

#include "frame/mac_roman_literal.h"
#include "rules/rule_words.h"

namespace rewrite {

namespace {

using rules::Begins;
using rules::Cat;
using rules::Cls;
using rules::Feat;
using rules::Is;
using rules::Model;
using rules::W;

constexpr u16 kPronominal = 81, kCopula = 67, kAttribute = 77;

bool Reciprocal(i32 w) {
    const u8 m = Model(w);
    if (m == 1) return Begins(w, "parl") || Begins(w, MR("téléph"));
    if (m == 'O' || m == 'U') return true;
    return m == '5' && Begins(w, "rend") && Begins(w + 1, "compte");
}

RuleCode CheckReciprocal(i32 r, u16& out) {
    if (r < 2 || ClauseKind(r - 1) != 26) return 0;
    for (i32 w = ClauseFirst(r); w < ClauseFirst(r + 1) && w < static_cast<i32>(gWordCount); ++w) {
        if (W(w).FunctionCode != kPronominal || Cls(w) <= 127 || !Reciprocal(w) || Feat(w) == 2) continue;
        // Held behind a rule 45 at a later word.
        if (!rules::MayReport(kCodeAttributeAgreement, w)) continue;
        rules::RuleReport rep;
        rep.code = kCodeParticipleAgreement;
        rep.pos = w;
        rep.kind = 3;
        rep.variant = 'D';
        rep.detail = 4;
        rep.extent = 1;
        return rules::Commit(rep, out);
    }
    return 0;
}

struct Agreement {
    u8 gender = 0;
    u8 number = 0;
};

Agreement AgreementOf(i32 w) {
    const u8 f = Feat(w);
    if (Cls(w) < 128) return {static_cast<u8>(f >> 4), static_cast<u8>((f & 15) / 4)};
    switch (f) {
        case 2: return {1, 1};
        case 3: return {1, 2};
        case 4: return {2, 1};
        case 5: return {2, 2};
        default: return {};
    }
}

// The wanted form selector (1 masculine singular ... 4 feminine plural);
// two selectors in one value where the clause leaves one byte unset.
u16 WantedSelector(i32 w, const SegmentRecord& c) {
    if (Feat(w) < 4 && Cat(w - 1) == 18 && Is(w - 1, "des")) return static_cast<u16>(2 * c.Gender);
    if (c.Gender == 0) return static_cast<u16>(c.Number * 257 + 2);
    if (c.Number == 0) return static_cast<u16>(((2 * c.Gender - 1) << 8) | (2 * c.Gender));
    return static_cast<u16>(2 * c.Gender + c.Number - 2);
}

bool NounLetter(u8 c) { return c == 'A' || c == 'B' || c == 'C' || c == 'E' || c == 'M' || c == 'N'; }

RuleCode ReportAttribute(i32 r, i32 w, u16& out) {
    const SegmentRecord& c = Clause(r);
    const u8 f = Feat(w);
    rules::RuleReport rep;
    rep.pos = w;
    rep.detail = (c.Number == 1 && (f & 15) > 7) || (c.Number == 2 && (f & 15) < 8) ? 2 : 0;
    if ((c.Gender == 1 && (f & 0xF0) == 32) || (c.Gender == 2 && (f & 0xF0) == 16)) ++rep.detail;
    rep.extent = WantedSelector(w, c);
    rep.gender = c.Gender;
    rep.number = c.Number;
    if (Cls(w) < 128) {
        const i32 g = GroupOf(w);
        rep.code = kCodeAttributeAgreement;
        rep.kind = 4;
        rep.variant = 'T';
        if (NounLetter(Cls(w)) && Group(g).LastWord > Group(g).FirstWord) {
            rep.variant = 'G';
            rep.pos = Group(g).FirstWord;
        }
        return rules::Commit(rep, out);
    }
    rep.code = kCodeParticipleAgreement;
    rep.kind = 3;
    rep.variant = 'A';
    if (r > 1 && ClauseKind(r - 2) == 26) {
        rep.variant = 'D';
        rep.detail = 1;
    }
    return rules::Commit(rep, out);
}

bool Clashes(const SegmentRecord& c, Agreement a) {
    return (c.Gender == 1 && a.gender == 2) || (c.Gender == 2 && a.gender == 1) || (c.Number == 1 && a.number == 2) ||
           (c.Number == 2 && a.number == 1);
}

RuleCode CheckAttributes(i32 r, u16& out) {
    const SegmentRecord& c = Clause(r);
    for (i32 w = ClauseFirst(r); w < ClauseFirst(r + 1) && w < static_cast<i32>(gWordCount); ++w) {
        if (W(w).FunctionCode != kAttribute) continue;
        const bool verbForm = Cls(w) >= 128;
        if (verbForm && (Cls(w) & 1) != 0 && rules::Mark(w) < 128) continue;
        if (!Clashes(c, AgreementOf(w))) continue;
        if (Cls(w) == 'A' && rules::Mark(w) < 59) continue;
        if (c.State == 1 || !rules::MayReport(kCodeAttributeAgreement, Group(GroupOf(w)).FirstWord)) continue;
        return ReportAttribute(r, w, out);
    }
    return 0;
}

}  // namespace

RuleCode CheckPronominalAndAttributes(u16& out) {
    for (i32 r = 0; r < Clauses(); ++r) {
        if (ClauseKind(r) != 14 || W(ClauseLast(r)).FunctionCode != kPronominal) continue;
        if (const RuleCode code = CheckReciprocal(r, out); code != 0) return code;
    }
    for (i32 r = 0; r < Clauses(); ++r) {
        const u8 kind = ClauseKind(r);
        if ((kind != 14 && kind != 13) || W(ClauseLast(r)).FunctionCode != kCopula) continue;
        if (const RuleCode code = CheckAttributes(r, out); code != 0) return code;
    }
    return 0;
}

RuleCode CheckDeConstructions(u16& out) {
    for (i32 i = 0; i < Groups(); ++i) {
        const i32 p = Group(i).FirstWord;
        if (!(Cls(p) == 'T' || (Cls(p + 1) == 'T' && Cat(p) == 18))) continue;
        const bool last = i + 1 >= Groups();
        if (!(Cat(p) == 5 && i > 0) && !last) {
            const u8 next = GroupKind(i + 1);
            if (next == 24 || next == 22 || Group(i + 1).Link == 254) continue;
        }
        if (i == 0) continue;  // nothing before it to govern it
        rules::RuleReport rep;
        rep.code = kCodePartitive;
        rep.pos = p;
        rep.detail = Is(p, "de") ? 2 : 1;
        const i32 before = Group(i - 1).LastWord;
        if (GroupKind(i - 1) == 14 && Cat(p - 1) == 18 && Cls(before) > 191) rep.extent = 1;
        else if (GroupKind(i - 1) == 23 && Cat(Group(i - 1).FirstWord) == 7) rep.extent = 2;
        else continue;
        if (!rules::MayReport(kCodePartitive, p)) continue;
        return rules::Commit(rep, out);
    }
    return 0;
}

}  // namespace rewrite
