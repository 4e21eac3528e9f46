// Lookups of the user lexicon for word analysis, inflection and checking.
//
// Each answers which records the lexicon holds for a word under one class
// byte, as FormEntry values (first string: the key looked up; second: the
// lemma; class byte; nine code bytes). While LexLookupSuspended is set, or
// when the lexicon is empty, every lookup finds nothing. No lookup changes
// the lexicon or allocates memory.
#pragma once
#include "frame/bounded_array.h"
#include "frame/records.h"
#include "frame/types.h"

// Normalises word into a key with classByte appended and fills results (an
// array of at least 4 initialised entries); the number found, 0 to 4.
i16 FindLexForms(const BoundedString& word, BoundedArray<FormEntry>& results, u8 classByte);
// key is complete (normalised word plus class byte). 1 with the first
// record copied into result; 0 with result untouched.
i16 LookupLexEntry(const BoundedString& key, FormEntry& result);
// FindLexForms, keeping only the first record: 1 or 0 (result untouched).
i16 GetFirstLexForm(const BoundedString& word, FormEntry& result, u8 classByte);
// GetFirstLexForm, with the result's lemma lower-cased.
i16 GetFirstLexFormNormalised(const BoundedString& word, FormEntry& result, u8 classByte);
// The key FindLexForms builds for word and classByte, into key (36 bytes).
void BuildLexKey(const BoundedString& word, u8 classByte, BoundedString& key);
