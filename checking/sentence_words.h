// Sentence word analysis: turns the word table as the tokenizer built it
// into the analysed table the rule dispatcher works on (user-lexicon
// replacements and abbreviations, address tokens, contractions, readings,
// quotes, fallback readings, pairing check, proper nouns).
#pragma once
#include "frame/report.h"

// One-shot pairing markers left by a word analysed as "a"/"an"-like; the
// per-sentence driver clears both before each analysis.
extern u16 gNextWordPairingA;
extern u16 gNextWordPairingB;

// Analyses of the sentence in hand so far. The driver sets it to 0 when a
// sentence begins; the analysis counts itself. Only the first analysis of a
// sentence reports (codes 2, 3, 38) and writes lexicon replacements into the
// text; the later ones (other reading combinations) take the replacements
// over into the word table without touching the text again.
extern u16 gSentenceAnalysisCalls;

// Arguments: the working text (rewritten by applied replacements), an
// unused option, plainUnknownReadings, applyLexiconReplacements, the hit
// callback (never null), the merge callback (or null), the suggestion mode
// and word, and the reading combination (bit k: second reading of the k-th
// ambiguous contraction).
void AnalyseSentenceWords(BoundedString& text, u32 option, u16 plainUnknownReadings,
                          u16 applyLexiconReplacements, SentenceHitCallback callback,
                          WordMergeCallback mergeCallback, u16 suggestionMode, i32 suggestionWord,
                          i16 combination);

// The paragraph walk measures its working copy once and keeps the length
// here (the lexicon replacements that rewrite the copy keep it up to date),
// so that no step measures the whole paragraph once per sentence. Null
// forgets it; the walk does so before it returns.
void KeepParagraphText(const BoundedString* text);
// Length of `text` up to its terminator: the kept one for the paragraph's
// working copy, measured for any other text.
i32 ParagraphTextLength(const BoundedString& text);

// Turns every address-like chunk (two dots or more, or an "@") of the runs
// of words between single tokens into one "<URL>" token.
void ReplaceUrlTokens(BoundedString& text, WordMergeCallback mergeCallback);

// Removes word i from the table (later words move down one place).
void RemoveSentenceWord(i32 i);
