// A bounded memo of word analyses for the paragraph checks. The words of
// real text repeat (a few thousand distinct forms make most of a book), and
// an analysis is a function of its question: the mode, the word's bytes,
// gCaseMode and gFoundInLexicon on entry, whether gVariantIndex asks for the
// case analysis, gSentenceInitialWord, and the context of every dictionary
// answer (language, lookup options, tables installed, user lexicon; see
// answer_context.h).
//
// A remembered analysis writes back what the analysis wrote: the word, the
// sixteen work strings, the analysis slots, gCaseMode, gFoundInLexicon,
// gErrorDetail, gErrorVariant and gLookupWorkString. To learn which bytes an
// analysis writes, the first one runs with those it does not read (the word
// past its end, the work strings, the slots, the report codes) set to a
// filler; the bytes it leaves unwritten get their old contents back.
// A question is remembered at its second asking: one asked once (most
// words of a text on many subjects) costs one plain analysis, not the two
// that learn what it writes.
//
// Only the plain analysis and the vowel-sound probes are remembered (not
// the suggestion modes); nothing is remembered while the suggestion search
// pauses the memos, from a nested analysis, after a data fault, or when the
// context changed during the call. Debug builds replay every remembered
// analysis beside a fresh one and stop when the two leave different states.
// Fixed storage (8,192 entries, about 0.9 MB, all zero at start, so it
// lies in .bss), no allocation; entries are taken in order, so that the
// pages a process touches grow with what it keeps.
#pragma once
#include "frame/bounded_array.h"
#include "frame/tables.h"
#include "frame/types.h"

// AnalyseWordForms (same arguments and answer) through the memo.
i16 RememberedWordAnalysis(u16 mode, BoundedString& word, u16& count, StringList& slots);

// Forgets every remembered analysis (tests, and a caller that changed what
// the context does not show).
void ForgetWordAnalyses();
