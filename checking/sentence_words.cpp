// Sentence word analysis entry.
#include "checking/sentence_words.h"

u16 gNextWordPairingA = 0;
u16 gNextWordPairingB = 0;

// Stand-in: leaves the table as the tokenizer built it (no readings, no
// reports) until the sentence word analysis lands here.
void AnalyseSentenceWords(BoundedString& /*text*/, u32 /*option*/, u16 /*plainUnknownReadings*/,
                          u16 /*applyLexiconReplacements*/, SentenceHitCallback /*callback*/,
                          WordMergeCallback /*mergeCallback*/, u16 /*suggestionMode*/,
                          i32 /*suggestionWord*/, i16 /*combination*/) {}
