// The last sentence that the word-analysis export checked, kept with what
// the check left (the word and segment tables, the analysis slots, the
// report values, the boundary flags) and the findings and word merges it
// reported in their order. A call for another word of the same sentence of
// the same text, under the same settings, dictionaries and user lexicon,
// puts that back and replays the findings for its own word instead of
// checking the sentence again.
#pragma once
#include "frame/bounded_array.h"
#include "frame/types.h"

// Checks the sentence collected in the word table from the working copy
// (its sentence beginning at `sentenceStart`) for the tracked word, as the
// export does, and keeps it.
void CheckTrackedSentence(BoundedString& copy, u32 sentenceStart, u16 accentsOnCapitals);

// True when the kept check holds for this sentence: the tables are as the
// check left them and the tracked word's findings are replayed
// (gTrackedFirstCode, gTrackedSpellingHit, gTrackedWord). False, with
// nothing changed, otherwise.
bool ReplayTrackedSentence(const BoundedString& copy, u32 sentenceStart, u16 accentsOnCapitals);

// Forgets the kept check (a test seam; the key comparison forgets it too).
void ForgetTrackedSentence();
