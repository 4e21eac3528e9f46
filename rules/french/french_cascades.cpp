#include "rules/french/french_cascades.h"

RuleCode CheckFrenchVerbRules(u16& /*wordIndex*/) { return 0; }
