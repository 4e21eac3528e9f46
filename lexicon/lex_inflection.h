// The user lexicon's word logic: whether a word (or a run of words) can be
// a lexicon word, and the key the lexicon files it under.
#pragma once
#include "frame/bounded_array.h"
#include "frame/tables.h"
#include "frame/types.h"

// 0 on success, an error code from 2 to 18 when the word cannot be a
// lexicon word. On success results[1], less its last character, is the
// word's user-lexicon key. The options are the five values of the word
// logic (the abbreviation pass gives 1, 1, 1, 2, 0); work1 and work2 are
// work strings of 36 bytes; outWord receives the word as analysed.
u16 AnalyseLexInflection(const BoundedString& word, u16 option1, u16 option2, u16 option3,
                         u16 option4, u16 option5, BoundedString& work1, BoundedString& work2,
                         StringList& results, BoundedString& outWord, u16 language);
