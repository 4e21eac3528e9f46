#include "rules/english/english_pre_rules.h"

#include "rules/english/english_clause_stages.h"
#include "rules/english/english_phrase_rules.h"
#include "rules/rule_words.h"

u32 gEnglishPreRuleCalls = 0;

RuleCode CheckEnglishPreRules(u16& wordIndex) {
    ++gEnglishPreRuleCalls;
    wordIndex = 0;
    for (i32 i = 0; i < rules::Count(); ++i) rules::W(i).ClauseNumber = 0;
    if (const RuleCode r = CheckEnglishPhraseRules(wordIndex); r != 0) return r;
    english::MarkRelativeClauses();
    if (gAnalysisMode == 1) return 0;
    if (const RuleCode r = english::CheckEnglishClauseStages(wordIndex); r != 0) return r;
    wordIndex = 0;
    return 0;
}
