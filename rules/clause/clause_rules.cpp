#include "rules/clause/clause_rules.h"

u16 gClauseMark = 0;
u16 gReadingPenalty = 0;

void AddReadingPenalty(u16 amount) {
    const u32 sum = static_cast<u32>(gReadingPenalty) + amount;
    gReadingPenalty = sum > 0xFFFF ? 0xFFFF : static_cast<u16>(sum);
}

// Not built yet: the cascades find nothing and build no segment.
RuleCode CheckFrenchClauseRules(u16& /*wordIndex*/) { return 0; }
RuleCode AnalyseClauseRules(u16& /*wordIndex*/) { return 0; }
