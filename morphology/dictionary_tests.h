// Whether the main dictionary of a language knows a word, and the
// comparison of a word with a stored form once its quotes are taken off.
#pragma once
#include "frame/bounded_array.h"
#include "frame/types.h"

// 1 when the English (French) main dictionary analyses the word, else 0.
// The checking language is the same afterwards; the analysis slots are left
// as the analysis filled them.
u16 IsEnglishDictionaryWord(BoundedString& word);
u16 IsFrenchDictionaryWord(BoundedString& word);
// The test of the checking language: French for 3, English for 0, else 0.
u16 IsDictionaryWord(BoundedString& word);

// IsDictionaryWord's answer from a bounded memo of earlier answers (the
// sentence-boundary tests ask about the same few words again and again).
// Only the answer counts: a remembered one leaves the word, gCaseMode and
// the analysis slots as they were. The memo holds for one language, one set
// of lookup options, the dictionaries installed and the user lexicon's
// contents; it is forgotten when any of them changes. Allocates nothing.
u16 IsDictionaryWordRemembered(BoundedString& word);

// 1 when `text` equals `candidate` once one leading and one trailing quote
// (apostrophe or double quote) are taken off; a non-breaking space in the
// text matches a blank of the candidate. The quotes are removed from `text`
// in place; quoteFlags receives what was removed (bit 0 opening, bit 1
// closing, bit 2 the opening quote was a double quote).
u16 CompareWordWithCandidate(BoundedString& text, const BoundedString& candidate, u16& quoteFlags);

// Test seam: when set, IsEnglishDictionaryWord and IsFrenchDictionaryWord
// answer with the hook (language 0 or 3) instead of analysing the word.
// Only tests set it.
using DictionaryWordHook = u16 (*)(const BoundedString& word, u16 language);
extern DictionaryWordHook gDictionaryWordTestHook;
