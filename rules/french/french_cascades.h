// The French agreement and verb pre-cascades run before the clause rules.
#pragma once
#include "frame/report.h"

// Noun-group numbering, the group table and agreement inside the groups
// (41, 42, 52; rules/french/agreement_*.cpp). The word table is numbered
// and the group table rebuilt on every call, whatever it finds.
RuleCode CheckFrenchAgreementRules(u16& wordIndex);
// Relative clauses, mood after que, past participles (not built yet:
// finds nothing).
RuleCode CheckFrenchVerbRules(u16& wordIndex);
