// The English pre-cascade: the phrase rules, then the clause rules.
#pragma once
#include "checking/report.h"

// 0 when nothing is found (not built yet: finds nothing).
RuleCode CheckEnglishPreRules(u16& wordIndex);
