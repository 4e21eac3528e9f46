// Forms of a qualifier-group disagreement. Form numbers: 1 masculine
// singular, 2 masculine plural, 3 feminine singular, 4 feminine plural;
// gErrorExtent holds the first form, and a second one in its high byte.
#include "rules/clause/clause_group_forms.h"

#include <utility>

#include "rules/clause/clause_walk.h"

namespace clause_walk {

using namespace rules;

namespace {

i32 Form(i32 g, i32 n) { return 2 * g + n - 2; }

// The class letters the comparison of qualifier and head reads.
u8 QualifierClass(i32 i) {
    const u8 c = Cls(Last(i));
    if (c == 'B' || c == 'C' || c == 'M' || c == 'N' || c >= 128) return 'D';
    return c == '}' ? 'C' : c;
}

struct Forms {
    i32 first = 0;
    i32 second = 0;
    i32 qualifierNumber = 0;
};

// The qualifier's own gender and number as its last word tells them, and
// the forms they give (detail 2 or 3 with a qualifier class below the
// head's).
Forms FormsFromQualifierWord(i32 i, i32 h, u8 qualifierClass) {
    Forms out;
    const i32 w = Last(i);
    const i32 gh = S(h).Gender;
    const i32 nh = S(h).Number;
    const u8 feat = Feat(w);
    const bool verbForm = Cls(w) >= 128;
    i32 gq = gh;
    if (S(i).Gender != 0) gq = verbForm ? (feat < 4 ? 1 : 2) : feat >> 4;
    i32 nq = nh;
    if (FCls(h) == 'S' || FCls(h) == 'R') {
        nq = nh;
    } else if (S(i).Number != 0) {
        nq = verbForm ? ((feat == 2 || feat == 4) ? 1 : 2) : (feat & 15) >> 2;
        if (nh == nq) {
            if (qualifierClass > 'A' && gh != gq) out.second = Form(gh, nq);
        } else if (gq != 0) {
            out.second = Form(gq, nh);
        } else {
            out.second = S(i).Number;
            out.first = nh;
            out.qualifierNumber = nq;
            return out;
        }
    } else if (gh != gq) {
        out.second = nq == 0 ? 2 * gq - 2 : Form(gh, nq);
    }
    out.first = gq != 0 ? Form(gq, nq) : nq;
    out.qualifierNumber = nq;
    return out;
}

// With two forms that differ in number, the verb after a subject group
// tells which comes first.
bool VerbPrefersSecond(i32 h, i32 qualifierNumber) {
    i32 t = SegCount() - 1;
    for (i32 k = h + 1; k < SegCount() - 1; ++k) {
        if (Kind(k) == 14 || Kind(k) == 22 || FCat(k) == 1) {
            t = k;
            break;
        }
    }
    return t < SegCount() - 1 && Kind(t) == 14 && S(t).Number == qualifierNumber;
}

}  // namespace

RuleCode ReportGroupDisagreement(i32 i, i32 h, u16& out) {
    const SegmentRecord& q = S(i);
    const SegmentRecord& g = S(h);
    const u16 detail = static_cast<u16>((q.Gender != g.Gender ? 1 : 0) + (q.Number != g.Number ? 2 : 0));
    const u8 qualifierClass = QualifierClass(i);
    Forms forms;
    if (detail == 1 && FCls(i) != 'A') {
        forms.first = Form(g.Gender, g.Number);
    } else if (detail == 1) {
        forms.first = Form(q.Gender, q.Number);
        forms.second = Form(g.Gender, g.Number);
    } else if (qualifierClass >= Cls(Last(h))) {
        forms.first = Form(g.Gender, g.Number);
    } else {
        forms = FormsFromQualifierWord(i, h, qualifierClass);
    }
    if (forms.second == 0 && FCls(i) == 'A' && h > 0 && (Kind(h - 1) == 24 || Kind(h - 1) == 23))
        forms.second = Form(S(h - 1).Gender, S(h - 1).Number);
    RuleReport r;
    r.code = 41;
    r.pos = First(i);
    r.variant = 'X';
    r.kind = 1;
    r.detail = detail;
    r.gender = q.Gender;
    r.number = q.Number;
    r.person = q.Person;
    if (gLastRule == 40 && gLastErrorPos == First(i)) {
        r.extent = kNoCorrection;
    } else if (forms.first < 0 || forms.first > 4) {
        // No first form: nothing to offer, whatever the second.
        r.extent = kNoCorrection;
    } else if (forms.second > 0 && forms.second <= 4) {
        if ((forms.first - forms.second) % 2 != 0 && Kind(h) == 24 && VerbPrefersSecond(h, forms.qualifierNumber))
            std::swap(forms.first, forms.second);
        r.extent = static_cast<u16>(forms.first + forms.second * 256);
    } else {
        r.extent = static_cast<u16>(forms.first);
    }
    return Commit(r, out);
}

}  // namespace clause_walk
