// The context rules of the French function words (the entries of
// gFrenchFunctionWords), which the locution pass hands each such word to.
#pragma once
#include "frame/types.h"

// The rule of entry n (0 .. 51) for word i, whose text equals the entry;
// `lowered` is 1 when the word was written with a capital, lowered for the
// lookup and has readings. Edits the readings of the word and its
// neighbours. Result: 0 nothing to report; 1 a counted rewrite (the mode-0
// locution pass then returns 2); above 1 a locution report, stored as is.
u16 ApplyFrenchFunctionWordRule(u16 mode, i32 n, i32 i, u16 lowered);
