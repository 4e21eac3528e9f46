#include "rules/clause/clause_rules.h"

#include "frame/settings.h"
#include "frame/tables.h"
#include "rules/clause/clause_frame.h"
#include "rules/english/english_pre_rules.h"
#include "rules/french/french_cascades.h"

u16 gClauseMark = 0;
u16 gReadingPenalty = 0;
u32 gFrenchClauseRuleCalls = 0;

void AddReadingPenalty(u16 amount) {
    const u32 sum = static_cast<u32>(gReadingPenalty) + amount;
    gReadingPenalty = sum > 0xFFFF ? 0xFFFF : static_cast<u16>(sum);
}

namespace {

// The own rules of the French cascade, stage by stage; the first that
// fires ends the call.
RuleCode RunOwnRules(ClauseFrame& f, u16& out) {
    if (const RuleCode r = CheckClauseSurvey(f, out); r != 0) return r;
    if (const RuleCode r = CheckVerbSegments(f, out); r != 0) return r;
    if (const RuleCode r = CheckQualifierSegments(f, out); r != 0) return r;
    return CheckClauseFunctions(f, out);
}

}  // namespace

RuleCode CheckFrenchClauseRules(u16& wordIndex) {
    ClauseFrame f;
    OpenClauseFrame(f);
    wordIndex = 0;
    for (i32 i = 0; i < static_cast<i32>(gWordCount); ++i) gWords[i].ClauseNumber = 0;
    if (gCheckingLanguage == 0) return CheckEnglishPreRules(wordIndex);
    ++gFrenchClauseRuleCalls;
    if (const RuleCode r = CheckFrenchAgreementRules(wordIndex); r != 0) return r;
    if (const RuleCode r = CheckFrenchVerbRules(wordIndex); r != 0) {
        if (r == 43) gErrorKind = 3;
        return r;
    }
    const RuleCode r = RunOwnRules(f, wordIndex);
    if (r == 0) wordIndex = 0;
    return r;
}
