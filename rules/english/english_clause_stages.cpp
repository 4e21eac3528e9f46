#include "rules/english/english_clause_stages.h"

namespace english {

// Not built yet: the clause stages find nothing.
RuleCode CheckEnglishClauseStages(u16& /*wordIndex*/) { return 0; }

}  // namespace english
