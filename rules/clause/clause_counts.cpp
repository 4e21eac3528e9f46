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

// Under the data guard a sentence is short of a verb only when none of
// its words reads as a verb form or is a presentative (our
// verb-clause count misses verbs, as the English rules keep it) and it is
// a plain statement that no conjunction or adverb opens: the
// elliptic questions and exclamations of dialogue ("De la musique,
// Monsieur?", "Oh! quel vilain temps!") are correct without one.
bool HeldMissingVerb() {
    if (!gClauseRulesDataGuard) return false;
    for (i32 w = 0; w < Count(); ++w)
        if (VerbClass(w) || Is(w, MR("voilà")) || Is(w, "voici")) return true;
    // An elliptic continuation: "Mais pas les oiseaux du jardin.", "Là,
    // devant ton nez."
    if (Cat(0) == 16 || Cat(0) == 18) return true;
    for (i32 w = Count() - 1; w >= 0 && Cat(w) == 20; --w)
        if (Letter(w, 0) == '?' || Letter(w, 0) == '!') return true;
    return false;
}

}  // namespace

RuleCode CheckSentenceCounts(const ClauseFrame& f, u16& out) {
    const i32 r = static_cast<i16>(f.subordinateCount);
    const i32 k = static_cast<i16>(f.verbClauseCount);
    if (r != k - 1) AddReadingPenalty(2);
    if (r >= k && Kind(0) != 13 && Letter(0, 0) > 64 && SentenceGate(55) && !HeldMissingVerb()) return 55;
    if (gClauseRulesDataGuard) return 0;
    if (r > 2 && SentenceGate(61)) {
        gErrorDetail = static_cast<u16>(r);
        return 61;
    }
    return CheckClauseRun(out);
}

}  // namespace clause_walk
