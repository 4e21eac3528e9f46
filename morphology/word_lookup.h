// Lookup of one exact word form in the current checking language.
#pragma once
#include "frame/bounded_array.h"
#include "frame/types.h"

// Capitalisation pattern of the word being looked up (set by the callers):
// 0 (or 0xFFFF) none; 1, 2 a capital initial; 3, 4 all capitals; 5 and
// more: other patterns. 1..4 send the word to the capitalised-word sections
// of the French dictionary first.
extern u16 gCaseMode;
// Set to 1 when an analysis came from the user lexicon (never cleared here).
extern u16 gFoundInLexicon;

// Longest word after ligature expansion (æ -> ae, œ -> oe).
inline constexpr u32 kMaxExpandedWordLength = 30;

// Finds every analysis of `word` (rewritten in place when ligatures are
// expanded). Tags go to `tags` from index `count` on, lemma references and
// analysis bytes to the word analysis slots; `count` is advanced.
// Plain analysis (operation above 31, operations 4, 8, 9): 1 when the count
// rose, else 0. Other operations: the first non-zero walk answer (kind + 1),
// 1 for a user-lexicon find, else 0. A ligature expansion beyond 30 bytes
// (or beyond the word's array) gives 0 and no analysis. Allocates nothing.
// English words walk the English reserved and two-letter sections (and
// the medical sections when that vocabulary is on) after the
// capitalised-word sections of the French dictionary.
i16 LookupWordForm(u16 mode, BoundedString& word, BoundedArray<u16>& tags, u16& count);

// Lemma reference i of a dictionary lookup of the word, leaving the
// analysis slots 1..7 as they were.
u32 LookupWordSlotPreserving(BoundedString& word, i16 i);
u32 LookupTextSlotPreserving(const char* text, i16 i);
