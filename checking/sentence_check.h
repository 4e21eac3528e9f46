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

// Whether a check takes the spelling-only path: the one place that decides
// it. A check whose recorder keeps only the spelling codes (1, 2, 3, 4, 38;
// RecordSpellingError) reports what the full check would, in the same
// order and with the same spans, texts and suggestions, without the rules
// whose results it cannot record:
// - 4 is given before any analysis; 2, 3 and 38 by the first analysis of
//   the sentence (the user lexicon's replacements, abbreviations and proper
//   nouns), which both paths run alike;
// - 1 is the lowest code of the dispatcher, found by its first step (the
//   word preparation), so it comes before every other finding of the
//   sentence and never after one (FindNextUnknownWord); rule 53, held in
//   that preparation, ends it as it ends the full series;
// - the reading combination (English contractions read two ways) is chosen
//   on every finding, so the full count stays when a combination holds an
//   unknown word; without one the choice changes nothing recorded;
// - with an empty user lexicon the first analysis of combination 0 equals
//   the later ones and is not run again.
// Rule 63 and the findings above 1 stop nothing this recorder writes: the
// hit history that they fill is the sentence's own.
bool ChecksSpellingOnly(SentenceHitCallback callback, u16 analysisMode);
// Test seam: false sends every check through the full path (the tests
// compare both).
extern bool gSpellingChecksSkipGrammar;

// Sentences checked (the check flag set) since the start, for the figures
// of the benchmarks.
extern u32 gCheckedSentences;

// Inclusive word span (first, last) of the finding in the report fields,
// before the clamp to the sentence end.
void ComputeErrorSpan(RuleCode code, i32& first, i32& last);
