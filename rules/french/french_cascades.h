// The French agreement and verb pre-cascades run before the clause rules.
#pragma once
#include "checking/report.h"

// Noun-group numbering, the group table and agreement (not built yet:
// finds nothing).
RuleCode CheckFrenchAgreementRules(u16& wordIndex);
// Relative clauses, mood after que, past participles (not built yet:
// finds nothing).
RuleCode CheckFrenchVerbRules(u16& wordIndex);
