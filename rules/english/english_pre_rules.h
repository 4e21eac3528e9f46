// The English pre-cascade: the phrase stage, the relative-clause functions,
// then (in grammar checking) the clause rules.
#pragma once
#include "frame/report.h"

// 0 when nothing is found, else the code with wordIndex and the report
// globals. In analysis mode it stops after the relative-clause functions.
RuleCode CheckEnglishPreRules(u16& wordIndex);
// Calls made since the start, for the figures of the benchmarks.
extern u32 gEnglishPreRuleCalls;
