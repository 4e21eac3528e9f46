// The French agreement and verb pre-cascades run before the clause rules.
#pragma once
#include "frame/report.h"

// Noun-group numbering, the group table and agreement inside the groups
// (41, 42, 52; rules/french/agreement_*.cpp). The word table is numbered
// and the group table rebuilt on every call, whatever it finds.
RuleCode CheckFrenchAgreementRules(u16& wordIndex);
// Relative clauses, the mood after "que", coordinated clauses and past
// participles (41 'X', 42 'A', 43, 44, 47; rules/french/verb_*.cpp). Its
// edits of the segment and word tables stay for the later rules.
RuleCode CheckFrenchVerbRules(u16& wordIndex);
