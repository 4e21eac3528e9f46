// Search of a fixed word list for a word: the first entry of a range that
// CompareStrings finds equal to it. The lists searched at every word of a
// sentence (the number words) are indexed by their first byte, so that only
// the entries opening as the word does are compared.
#pragma once
#include "frame/tables.h"
#include "frame/types.h"

// The first entry e in [first, last] of `list` with CompareStrings(word,
// list[e]) equal; -1 when none. Same answer as comparing every entry in
// turn.
i32 FindListEntry(const StringList& list, i32 first, i32 last, const BoundedString& word);
