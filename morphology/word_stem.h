// Guessed reading and base text of a word the dictionary does not know: a
// proper name, a known tail of the word, a suffix of the language's suffix
// list read through a table of readings per suffix, a removed plural s, or
// default rules on the last letters.
#pragma once
#include "frame/types.h"

// For word `wordIndex` of gWords: readings (0 when no guess), class (tag
// high byte), features (tag low byte) and analysis byte; writes the word's
// BaseText and the lemma reference of reading 0 (8 for a guess). Always 0.
i16 DeriveWordStemForm(i16 wordIndex, u16& readings, u8& wordClass, u8& features, u8& analysisByte);
