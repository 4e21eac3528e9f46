// The rule dispatcher: prepares the analysed sentence, runs the word rules,
// the language passes and the clause cascade, and returns one finding per
// call by the resume rule (frame/report.h).
#pragma once
#include "frame/report.h"

// mode: 0 checking, 2 scoring a candidate form, 0xFFFF re-check without the
// preparation. Returns the code of the next finding, 0 when none is left.
RuleCode AnalyseAndCheckSentence(u16 mode);

// The first step of AnalyseAndCheckSentence alone (mode 0 or a variant
// index, never kModeRecheck): the word preparation and the unknown-word
// rule, the lowest code, which reports every unknown word before any other
// finding and nothing once a higher code was reported. Returns 1 for the
// next unknown word, as AnalyseAndCheckSentence would with the same state,
// and 0 where AnalyseAndCheckSentence would go on to the other rules.
RuleCode FindNextUnknownWord(u16 mode);

// The class letter the English rules read for a class of the English
// dictionary (its open classes are written as digits there).
u8 RemapEnglishClass(u8 c);

// Test seam: when set, AnalyseAndCheckSentence returns what the hook
// returns and runs nothing else. Only tests set it.
using DispatcherHook = RuleCode (*)(u16 mode);
extern DispatcherHook gDispatcherTestHook;
// Cascade results (other than 55) that the resume test refused since the
// count was last set to 0: a rule that gates otherwise than it reports.
// Only tests read it.
extern u32 gRefusedCascadeResults;

// 1 while an analysis export checks a sentence for the readings it hands
// the host: the words of a quoted passage keep their readings. The checks
// themselves read such words as neutral (one reading, category and
// features 0), so that a quotation draws no finding of its own.
extern u16 gKeepQuotedReadings;
