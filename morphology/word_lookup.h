// Lookup of one exact word form in the current checking language.
#pragma once
#include "frame/bounded_array.h"

// Finds every analysis of `word` (rewritten in place when ligatures are
// expanded). Tags go to `tags` from index `count` on, lemma references and
// analysis bytes to the word analysis slots; `count` is advanced.
i16 LookupWordForm(u16 mode, BoundedString& word, BoundedArray<u16>& tags, u16& count);
