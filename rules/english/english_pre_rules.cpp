#include "rules/english/english_pre_rules.h"

RuleCode CheckEnglishPreRules(u16& /*wordIndex*/) { return 0; }
