#include "rules/french/french_cascades.h"

RuleCode CheckFrenchAgreementRules(u16& /*wordIndex*/) { return 0; }
RuleCode CheckFrenchVerbRules(u16& /*wordIndex*/) { return 0; }
