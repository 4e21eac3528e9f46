// The French verb pre-cascade: its stages in order and the choice of the
// one finding a call reports.
#include "frame/settings.h"
#include "rules/french/french_cascades.h"
#include "rules/french/french_verb.h"

namespace french_verb {

using namespace rules;
using french_agreement::Seg;

void Offer(VerbFindings& f, const RuleReport& r, i32 gatePos) {
    if (!MayReport(r.code, gatePos)) return;
    if (f.held && (f.best.code < r.code || (f.best.code == r.code && f.best.pos <= r.pos))) return;
    f.best = r;
    f.held = true;
}

bool BeginsAny(i32 i, const char* const* stems) {
    for (; *stems != nullptr; ++stems)
        if (Begins(i, *stems)) return true;
    return false;
}

u16 FormCode(i32 s) {
    const i32 code = 2 * Seg(s).Gender + Seg(s).Number - 2;
    return static_cast<u16>(code < 0 ? 0 : code);
}

bool Disagree(i32 a, i32 b) {
    const SegmentRecord& x = Seg(a);
    const SegmentRecord& y = Seg(b);
    return (x.Gender != 0 && y.Gender != 0 && x.Gender != y.Gender) ||
           (x.Number != 0 && y.Number != 0 && x.Number != y.Number);
}

}  // namespace french_verb

RuleCode CheckFrenchVerbRules(u16& wordIndex) {
    using namespace french_verb;
    if (french_agreement::SegCount() == 0) return 0;
    VerbFindings f;
    const RuleCode early = MarkRelativeClauses(f);
    if (early == 0) {
        MarkExpectedMoods();
        if (gAnalysisMode == 0) MergeCoordinatedClauses();
        CheckPastParticiples(f);
    }
    if (!f.held) return 0;
    return rules::Commit(f.best, wordIndex);
}
