#include "rules/english/english_clause_stages.h"

#include "rules/english/english_clause_call.h"
#include "rules/english/english_verb_patterns.h"

namespace english {

RuleCode CheckEnglishClauseStages(u16& wordIndex) {
    ClauseCall c;
    PrepareClauses(c);
    if (const RuleCode r = CheckVerbSegments(c, wordIndex); r != 0) return r;
    if (const RuleCode r = CheckAttributes(wordIndex); r != 0) return r;
    if (const RuleCode r = CheckPreteriteAfterDo(wordIndex); r != 0) return r;
    if (const RuleCode r = CheckPreteriteAfterPerfect(wordIndex); r != 0) return r;
    MarkComplementFunctions();
    return CheckSentenceRules(c, wordIndex);
}

}  // namespace english
