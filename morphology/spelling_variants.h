// Candidate generator of the spelling suggester: rewrites an unknown word
// in many small ways (fixed corrections, case and accent variants, one and
// two letter edits driven by per-letter rows of likely confusions,
// transpositions, deletions, insertions, suffix swaps, repairs of hyphen
// groups, splits into two words) and adds every rewrite the dictionary
// accepts to the suggestion list with a cost mark (lower is better; the
// marks sit in gSuggestionFlags beside the entries).
#pragma once
#include "frame/bounded_array.h"
#include "frame/tables.h"
#include "frame/types.h"

// Most case combinations of a capitalised word tried before giving up.
inline constexpr u32 kMaxCaseCombinations = 256;

// Most dictionary tests one call makes for a word of `length` letters
// (CandidateLookups tells how many the last call made).
u32 SearchLookupLimit(i32 length);

// `mode` is (language << 8) | operation, operation 5 (every candidate) or 7
// (stop after the position repairs). `word` (36 bytes, lower case with the
// internal marks) is used as working storage: on return it may hold a case
// variant; the caller restores it. `count` is the number of entries of
// `list` and grows with each addition.
void TrySpellingVariants(u16 mode, BoundedString& word, u16& count, StringList& list);

// The rewrites TrySpellingVariants makes of how the word sounds: its fixed
// corrections (English contractions, a few French words) and the ending
// recovery of the language, added to `list` with their marks. `word` as
// for TrySpellingVariants; it is not changed.
void AddSoundAlikes(u16 mode, BoundedString& word, u16& count, StringList& list);
