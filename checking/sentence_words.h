// Sentence word analysis: turns the word table as the tokenizer built it
// into the analysed table the rule dispatcher works on (user-lexicon
// replacements and abbreviations, address tokens, contractions, readings,
// quotes, fallback readings, pairing check, proper nouns).
#pragma once
#include "checking/report.h"

// One-shot pairing markers left by a word analysed as "a"/"an"-like; the
// per-sentence driver clears both before each analysis.
extern u16 gNextWordPairingA;
extern u16 gNextWordPairingB;

// Arguments: the working text (rewritten by applied replacements), an
// unused option, plainUnknownReadings, applyLexiconReplacements, the hit
// callback (never null), the merge callback (or null), the suggestion mode
// and word, and the reading combination (bit k: second reading of the k-th
// ambiguous contraction).
void AnalyseSentenceWords(BoundedString& text, u32 option, u16 plainUnknownReadings,
                          u16 applyLexiconReplacements, SentenceHitCallback callback,
                          WordMergeCallback mergeCallback, u16 suggestionMode, i32 suggestionWord,
                          i16 combination);
