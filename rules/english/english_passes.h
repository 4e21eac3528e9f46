// English reading passes: disambiguation of the readings of ambiguous words
// and the set-phrase pass run by the rule dispatcher.
#pragma once
#include "frame/types.h"

// One English pass over the word table. Numbered passes (0, 1, 2, ...) give
// 1 or 2 for a question, above 256 at the end of the numbered passes; pass
// 32 gives the set-phrase result: 128..255 rule 52, 256..511 rule 40,
// 512..767 rule 40 variant 'C', 768..1023 rule 32, each plus a word index.
u16 DisambiguateEnglishReadings(u16 pass);
