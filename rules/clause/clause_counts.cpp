// The sentence as a whole, from the survey's counters: R subordinate
// clauses and K conjugated-verb clauses. A missing verb (55), too many
// subordinate clauses (61) and a run of noun-group clauses (62).
#include "frame/settings.h"
#include "rules/clause/clause_rules.h"
#include "rules/clause/clause_walk.h"

namespace clause_walk {

using namespace rules;

namespace {

// Rules 55 and 61 name no word: their resume test compares the sentence's
// length with the last report's position.
bool SentenceGate(RuleCode code) {
    return gLastRule < code || (gLastRule == code && static_cast<i32>(gWordCount) > gLastErrorPos);
}

RuleCode CheckClauseRun(u16& out) {
    i32 run = 0;
    for (i32 c = 0; c < SegCount(); ++c) {
        run = Kind(c) == 23 ? run + 1 : 0;
        if (run <= 4 || !MayReport(62, First(c))) continue;
        RuleReport r;
        r.code = 62;
        r.pos = First(c);
        r.detail = static_cast<u16>(run);
        return Commit(r, out);
    }
    return 0;
}

}  // namespace

RuleCode CheckSentenceCounts(const ClauseFrame& f, u16& out) {
    const i32 r = static_cast<i16>(f.subordinateCount);
    const i32 k = static_cast<i16>(f.verbClauseCount);
    if (r != k - 1) AddReadingPenalty(2);
    if (r >= k && Kind(0) != 13 && Letter(0, 0) > 64 && SentenceGate(55)) return 55;
    if (r > 2 && SentenceGate(61)) {
        gErrorDetail = static_cast<u16>(r);
        return 61;
    }
    return CheckClauseRun(out);
}

}  // namespace clause_walk
