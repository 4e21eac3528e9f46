// Base form of a word of the sentence: the lemma rebuilt from the main
// dictionary at the reading's lemma reference, with the ending of its
// inflection model and fixed lists of special cases per language.
#pragma once
#include "frame/bounded_array.h"
#include "frame/types.h"

// Category codes of the result.
inline constexpr u16 kBaseVerb = 1;
inline constexpr u16 kBaseProperNoun = 10;
inline constexpr u16 kBaseNoun = 11;
inline constexpr u16 kBaseAdjective = 12;
inline constexpr u16 kBaseNounOrAdjective = 13;

// Base form of word `wordIndex` of gWords (first reading) into `base` (36
// bytes; empty when none is found). Returns the category code, also stored
// in the word's GroupMark after a complete computation. The checking
// language must be selected; it is the same on return.
u16 GetTokenBaseForm(i16 wordIndex, BoundedString& base);
