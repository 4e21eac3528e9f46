// Syntactic category of one reading of one word of the sentence, from its
// class letter, feature byte and mark and, for verb forms, the words before
// it. Normalises the reading's class and features where the category
// decides them; the French -is shorthand (features 55) is split into a
// participle reading and five conjugated readings.
#pragma once
#include "frame/types.h"

// Category codes: 0 none, 1 subject pronoun ... 18 adverb-like; 32 a letter
// class without a category of its own; 53 an English past participle right
// after a modal. Writes the output class and features into reading j.
u8 DeriveSyntacticCode(i16 word, i16 reading);
