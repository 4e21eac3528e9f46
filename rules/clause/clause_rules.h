// Clause-level rule cascades: the grammar checking cascade and its
// sentence-analysis form. Both report one finding by the resume rule of
// frame/report.h, write its word index and build gSegments on the way.
#pragma once
#include "frame/report.h"

// 1 while the dispatcher tries one reading of an ambiguous word, else 0.
extern u16 gClauseMark;
// Penalty score of the sentence in hand: the cascades and the dispatcher
// add to it; the readings of an ambiguous word and candidate correction
// forms are ranked by it.
extern u16 gReadingPenalty;

// Adds to gReadingPenalty, saturating at 65535.
void AddReadingPenalty(u16 amount);

// Calls of the cascade on French text (counted for the benchmarks).
extern u32 gFrenchClauseRuleCalls;

// The cascade run in checking, for both languages; 0 when nothing is found.
// A result of 54 is never reported: it becomes the resume point.
RuleCode CheckFrenchClauseRules(u16& wordIndex);
// The same cascade in its sentence-analysis form (gAnalysisMode set).
RuleCode AnalyseClauseRules(u16& wordIndex);
