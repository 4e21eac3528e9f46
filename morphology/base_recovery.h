// Ending routines of the spelling suggester: rewrites of the end of an
// unknown word (and, in French, of its accents) that account for the usual
// ways a word that sounds right is misspelt. Each rewrite the dictionary
// accepts is added to the suggestion list with the cost mark found pending
// on entry plus one.
#pragma once
#include "frame/bounded_array.h"
#include "frame/tables.h"
#include "frame/types.h"

// English: a plural or verb "s" on a base form ("babies" -> "baby"), a
// final vowel, a silent l, b or t ("clim" -> "climb"), a missing e or s.
// Returns 1 when an addition found the list full (the routine stops at
// once), else 0. `word` is never changed; `count` changes only by
// additions.
u16 RecoverEnglishBaseForSuggestion(u16 mode, const BoundedString& word, u16& count,
                                    StringList& list);

// French: accents, silent final letters and homophone endings ("chapo" ->
// "chapeau", "aigue" -> "aiguë", "voila" -> "voilà"). Same contract.
u16 SuggestFrenchHomophoneEndings(u16 mode, const BoundedString& word, u16& count,
                                  StringList& list);

// The routine of the checking language.
u16 RecoverEndingsForSuggestion(u16 mode, const BoundedString& word, u16& count, StringList& list);
