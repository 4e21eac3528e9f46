// Hyphenated compounds: the reserved compound sections, English pairs,
// number words and three-part phrases, learned prefixes, French verbs
// followed by subject or object pronouns, and French number words.
#pragma once
#include "frame/bounded_array.h"
#include "frame/types.h"

// Analyses a word holding internal hyphens (as the mark 0x9B). Tags go to
// `tags` (normally gWordTagCodes) from index 0, lemma references and
// analysis bytes to the analysis slots at the same index; `count` receives
// their number. Returns the count, or 1 with count 0 for a French "œil"
// compound the dictionary does not list. Allocates nothing.
i16 AnalyseCompoundWord(u16 mode, BoundedString& word, BoundedArray<u16>& tags, u16& count);
