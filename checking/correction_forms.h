// Word forms for corrections: the forms one word of the sentence could
// take, ranked by how well the whole sentence checks with each in place.
#pragma once
#include "frame/bounded_array.h"
#include "frame/tables.h"
#include "frame/types.h"

// Forms gathered and ranked at most.
inline constexpr u32 kMaxCorrectionForms = 24;

// Number of forms the last operation-7 search found (0 otherwise); the first
// of them is in gCorrectionWorkString.
extern u16 gCorrectionFormCount;
// Analysis mode: the best form still leaves errors in the sentence.
extern u16 gBestFormHasErrors;
// Analysis mode: number of guessed stems in gRelationWorkStrings.
extern u16 gDerivedStemCount;

// Lists the forms of word `word` for `mode` ((language << 8) | 5, 6 or 7),
// best first: each form is put in place and the dispatcher is run on the
// sentence (mode 2); the form's score is the penalty it draws (saturating at
// 255) plus the suggester's cost mark, and equal scores keep their order.
// Writes at most out.count forms (and at most kMaxCorrectionForms) and
// returns how many. The word's text, its reading count and the report
// fields are put back; its readings are those of the last form tried.
i16 BuildWordFormsForCorrection(u16 mode, i16 word, StringList& out);

struct WordRecord;
// A guessed word (kind 2 of the stem guesser) whose reading 0 holds the
// derived reading: adds the second reading that the class, features and
// ending suggest, and moves the word's base text with it.
void AddGuessedSecondReading(WordRecord& w);
