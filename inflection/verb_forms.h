// Stem and model search: which stems and models (or class codes) a word
// form can be built from, read from the current language's main dictionary
// and, when it has nothing, from the user lexicon.
//
// A result is a short string: the stem followed by one code byte (a verb
// model, 128 added for a marked French model; a class code for nouns and
// adjectives); operation 3 adds "~" after a verb reading and an
// alternative number before a French suffix code; operation 6 returns the
// base word of a variant entry. Results are appended at the caller's count;
// indexes beyond the caller's array write its last element.
#pragma once
#include "frame/bounded_array.h"
#include "frame/records.h"
#include "frame/types.h"

// Mode word: (language << 8) | operation; bit 9 lets the French walk reach
// reserved section 8. Operations 1..30 are served, others find nothing.
inline constexpr u32 kModeFlagSection8 = 0x200;
inline constexpr u8 ModeOp(u32 mode) { return static_cast<u8>(mode & 0xFF); }

// Every reading of `word` (ligatures expanded in place). 1 when results were
// added (the count moved), else 0.
u16 GenerateVerbForms(u32 mode, BoundedString& word, BoundedArray<BoundedString>& results,
                      u16& count);

// The readings of one dictionary section for `key` (the reserved prefix
// and the word, or the word alone). 6 when operation 6 found the base word
// (the results then hold it alone, count 1), else 0.
i16 BuildVerbFormFromModel(u32 mode, u16 section, const BoundedString& key,
                           BoundedArray<BoundedString>& results, u16& count);

// Ending of slot `slot` of a French model row into `out` ("0" no form,
// "$" the empty ending, as stored); empty when the row names no ending.
void FrenchSlotEnding(const EndingRow& row, u32 slot, BoundedString& out);
void EnglishSlotEnding(const EnglishEndingRow& row, u32 slot, BoundedString& out);
// The row of a model number (clamped to the last row; an empty table reads
// a zero row).
const EndingRow& FrenchRow(u32 model);
const EnglishEndingRow& EnglishRow(u32 model);
