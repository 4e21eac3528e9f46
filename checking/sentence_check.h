// The per-sentence checking driver: analyses the sentence collected in the
// word table, picks the combination of readings of ambiguous words that
// draws the fewest findings, then reports every finding of the dispatcher
// with its span, explanation and suggestions through the hit callback.
#pragma once
#include "frame/report.h"

// Dispatcher calls allowed in one series: a guard against a rule that
// does not move the resume point on.
inline constexpr u32 kMaxDispatchCalls = 64 * 130;

// Arguments, in order: the working text; the correction option;
// plainUnknownReadings; accents on capitals; applyLexiconReplacements; the
// hit callback (never null); the merge callback (or null); the analysis
// mode (non-zero turns suggestions off; 1 runs the rewriting loop instead
// of reporting); the suggestion mode (0 none, 1 all, 2 only for findings
// covering focusWord); the focus word; the check flag (0: analyse the
// first combination only and return).
void CheckSentence(BoundedString& text, u16 correctionOption, u16 plainUnknownReadings,
                   u16 accentsOnCapitals, u16 applyLexiconReplacements,
                   SentenceHitCallback callback, WordMergeCallback mergeCallback,
                   u16 analysisMode, u16 suggestionMode, i32 focusWord, u16 checkFlag);

// Sentences checked (the check flag set) since the start, for the figures
// of the benchmarks.
extern u32 gCheckedSentences;

// Inclusive word span (first, last) of the finding in the report fields,
// before the clamp to the sentence end.
void ComputeErrorSpan(RuleCode code, i32& first, i32& last);
