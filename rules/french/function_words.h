// The context rules of the French function words (the entries of
// gFrenchFunctionWords), which the locution pass hands each such word to,
// from the second word of the sentence on: they narrow the readings of the
// word and its neighbours, join fixed locutions and report a few faults.
#pragma once
#include "frame/types.h"

// mode: the pass (0, then 1); entry: the word's index n in
// gFrenchFunctionWords (its text equals the entry); wordIndex: its sentence
// index i (at least 1); capitalised: 1 when the word was written with a
// capital, lowered for the lookup and has readings. Only the low 16 bits of
// entry and wordIndex count. Result: 0 nothing to report; 1 a counted
// rewrite (the mode-0 locution pass then returns 2); above 1 a locution
// report (a base plus i), stored as is. Entries 15 to 51 answer through
// ApplyFrenchFunctionWordRuleTail.
u16 ApplyFrenchFunctionWordRule(u16 mode, i32 entry, i32 wordIndex, u16 capitalised);

// Entries 15 to 51 ("ne" ... "tout"); any other entry returns 0.
u16 ApplyFrenchFunctionWordRuleTail(u16 mode, u16 entry, u16 wordIndex, u16 capitalised);
