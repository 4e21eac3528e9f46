// The locution matcher: the last step of the French locution pass. A first
// pass of word loops runs again while its category-pair filter removes
// readings; a second pass then recognises locutions, Latin and foreign
// phrases and homophones once.
#pragma once
#include "frame/types.h"
#include "rules/french/matcher_loops.h"

void MatchFrenchLatinLocutions(u16 mode);

// The first pass's loops in their order. Tests may replace an entry to
// watch the repetitions.
using FirstPassLoop = void (*)(u16 mode, FirstPassState& s);
inline constexpr u32 kFirstPassLoops = 7;
extern FirstPassLoop gFirstPassLoops[kFirstPassLoops];
