// The French locution pass: the rules of "a", the function-word rules and
// the own word tests of every word after the first, then the locution
// matcher. MarkFrenchLocutions itself is declared with the other French
// passes (rules/french/french_rules.h).
#pragma once
#include "frame/types.h"

// The report of the pass: a base plus the index of the word concerned (128
// rule 52; 255 to 767 rule 40; 768 rule 32), cleared by every call.
extern i16 gLocutionReport;

// Test seam: the function-word rule the pass calls (by default
// ApplyFrenchFunctionWordRule) and the matcher it ends with (by default
// MatchFrenchLatinLocutions). Only tests change them.
using FunctionWordRule = u16 (*)(u16 mode, i32 n, i32 i, u16 lowered);
using LocutionMatcher = void (*)(u16 mode);
extern FunctionWordRule gFunctionWordRule;
extern LocutionMatcher gLocutionMatcher;

// The lemma reference of the preposition "à" (a small reference of the
// French dictionary: its base form is "à").
inline constexpr u32 kLemmaOfA = 60;
