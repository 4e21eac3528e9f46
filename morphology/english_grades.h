// The comparative and superlative of an English adjective or adverb that
// our dictionary knows.
#pragma once
#include "frame/bounded_string.h"

// A word form the English dictionary knows (looked up as written, without
// regard to its capitals).
bool EnglishKnownForm(const BoundedString& form);
// The comparative (-er) or superlative (-est) of `word` in `out`: good,
// well, bad and far by their irregular forms, else the ending after a y
// made i, after a final e, plain or after a doubled last letter. True when
// the dictionary knows the form built.
bool EnglishGradedForm(const BoundedString& word, bool superlative, BoundedString& out);
