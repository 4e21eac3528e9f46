// Word-form analysis: every reading of one word form, with the spelling
// retries, elision and pairing modes and the correction-form operations.
#pragma once
#include "frame/bounded_array.h"
#include "frame/tables.h"
#include "frame/types.h"

// Analyses `word` under the mode word (language in the high byte, operation
// in the low byte: 800 French, 0 English, 801 French vowel-sound test, 803
// current language, 816/817 after an elided or two-letter word, 48/49 after
// "an"/"a", (language << 8) | 5, 6, 7 correction forms). Writes the number
// of analyses to `count` (0: unknown word) and fills the analysis slots;
// `workStrings` (16 strings of 36 bytes) receive candidate forms, the last
// one the spelling under which the word was found. Returns the pairing
// result (48, 49, 52) or 0.
u16 AnalyseWordForms(u16 mode, BoundedString& word, u16& count, StringList& workStrings);
