// The English phrase stage, first stage of the English pre-cascade: it
// numbers the noun phrases, builds the segment table every later English
// rule reads, and checks word order, comparisons and the number agreement
// inside a noun phrase.
#pragma once
#include "frame/report.h"

// 0, or 40 (word order and construction, told apart by gErrorVariant) or
// 41 (agreement inside a noun phrase) with wordIndex and the report
// globals. The caller has cleared every ClauseNumber.
RuleCode CheckEnglishPhraseRules(u16& wordIndex);
