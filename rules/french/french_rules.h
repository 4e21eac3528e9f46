// French function-word and locution passes run by the rule dispatcher.
#pragma once
#include "frame/bounded_array.h"
#include "frame/types.h"

// Rule of the function word that begins the sentence (its text): 1 a
// question, 2 the second-pass marker, 3 both; 257, 256, 129 and 768 the
// sentence kinds 2, 4, 1 and 3 (768: skip the locution passes); else 0.
u16 ApplyFrenchSentenceInitialRules(BoundedString& firstWord);

// The locution pass (rules/french/french_locutions.cpp). Mode 0: 2 when a
// function-word rule counted a rewrite, else 0. Mode 1: the locution report
// (gLocutionReport: 128, 255 to 767 or 768 plus a word index), or 0. In
// both modes a test may end the pass at once with 129 + i or 257 + i (no
// report stored, no matcher).
u16 MarkFrenchLocutions(u16 mode);

// Capitalised nouns, adjectives and verb forms inside the sentence next to
// a name take the proper-noun reading (rules/french/name_words.cpp).
void MarkFrenchNameWords();
