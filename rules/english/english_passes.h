// English reading passes: disambiguation of the readings of ambiguous words
// and the set-phrase pass run by the rule dispatcher.
#pragma once
#include "frame/types.h"

// One English pass over the word table (pass 0, 1, 2, ... then 32). Gives
// 0, or 256 + n / 257 + n when no reading combination fits at or next to
// word n (read by the dispatcher as rule 40 at word value - 256), or what
// the noun-phrase number stage gives: 1 or 2 for a question, and the
// set-phrase results 128..255 rule 52, 512..767 rule 40 variant 'C',
// 768..1023 rule 32, each plus a word index.
i16 DisambiguateEnglishReadings(i16 pass);

// The pass loop: pass 0, the numbered passes until the readings total
// settles or a result above 256 comes (after pass 31 in any case: some
// rules add readings), then pass 32, whose result it returns. A result 1
// or 2 of the numbered passes sets `questionFlag` to 0x10 or 0x20 (the
// last one wins; 0 when none).
i16 RunEnglishPasses(u8& questionFlag);
// The same loop over any pass function; `calls` gives the calls it made.
i16 RunPassLoop(i16 (*pass)(i16), u8& questionFlag, u32& calls);
// Runs of the pass loop and calls of the passes they made, for the figures
// of the test log.
extern u32 gEnglishPassRuns;
extern u32 gEnglishPassCalls;

// Set phrases around the head word `word` of three to seven letters (their
// words settled); 0, or 257 + word for "cant" written for "can't".
u16 MarkEnglishFixedExpressions(i16 pass, i16 word);
// The noun-phrase number stage: 0; 1 or 2 for a question opened by its
// verb (2 when the verb is a past form); 256 + n or 257 + n for a confusion
// at or after word n ('Y' or 'V' in gErrorVariant on some); 513 + n for a
// compound written apart ("every where").
i16 ResolveEnglishNounPhraseNumber(i16 pass);
