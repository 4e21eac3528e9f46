// Words of another class stored with a word's lemma in the main dictionary:
// the adjectives related to a noun (operation 11) and the nouns related to
// an adjective (operation 12) of the inflection engine. Every candidate is
// spelled from the lemma's entry list and kept only when a lookup confirms
// it as a word of the wanted class.
#pragma once
#include "inflection/inflect_call.h"

// Operations 11 and 12 (call.op). Returns the number of forms stored in the
// results (also set as the count; at most the results array's size), or
// 9 when the word has no analysis or its lemma lies in the dictionary's
// last section, 8 when no reading of the starting class exists (the count
// untouched on these two).
u16 InflectRelatedWords(InflectCall& call);
