// The context rules of the French homophone pass: given word i found as
// entry e of the homophone table (the first 98 entries of the French
// tagged word list), decide from the neighbours whether the writer used the
// wrong member of the group, and name the right entry in gErrorExtent.
#pragma once
#include "frame/types.h"

namespace homophone {

inline constexpr i32 kHomophoneEntries = 98;

// How a rule ends: kNext goes on with the next word; the others leave the
// pass through the report tail (see homophone_pass.cpp for what each adds).
enum class Exit : u8 { kNext, kA, kB, kC, kD, kE };

struct Site {
    i32 i = 0;       // the word
    i32 entry = 0;   // its entry in the table
    bool plural = false;    // the word's final "s" was removed for the look-up
    bool feminine = false;  // "sure", "sensée" or "censée"
};

// Runs the rule of s.entry; it may clear s.plural, write gErrorExtent and
// gLocutionReport, and rewrite readings of the word and its neighbours.
Exit RunHomophoneRule(Site& s);

}  // namespace homophone
