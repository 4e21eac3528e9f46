// Notes of the English principal parts (tense 10): the other forms of a
// slot, written after the form the verb's row spells as " (or X)", and the
// forms the compiled notes (KRZDATA 207, see tools/datacomp/english_models.h)
// show before it. English output holds no other joiner.
#pragma once
#include "frame/bounded_string.h"
#include "frame/types.h"

// True when `entry` already shows `form` as one of its words ("sank (or
// sunk)" shows sunk).
bool EntryShows(const BoundedString& entry, const BoundedString& form);

// Appends " (or form)" to the entry unless it shows the form already; an
// empty entry becomes the form.
void AppendEnglishNote(BoundedString& entry, const BoundedString& form);

// The compiled notes of `verb` (the infinitive as the engine holds it,
// hyphen 0x9B) for slot `slot` (1 -s, 2 -ing, 3 past, 4 past participle).
// Before: the forms shown before the row's form lead the entry, the
// entry's text following as a note. After: the forms shown after it are
// appended as notes.
void EnglishNotesBefore(const BoundedString& verb, u32 slot, BoundedString& entry);
void EnglishNotesAfter(const BoundedString& verb, u32 slot, BoundedString& entry);

// Fits the entry into `limit` bytes without cutting a form: the notes after
// the first are gathered into one parenthesis ("cleaved (or cleft, clove,
// cloven)"), and while that is still too long the last note goes whole.
void FitEnglishEntry(BoundedString& entry, u32 limit);
