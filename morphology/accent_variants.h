// Accent restoration of a word typed in capitals: the accented spellings
// its letters could stand for, looked up until one is known.
#pragma once
#include "frame/bounded_array.h"
#include "frame/tables.h"
#include "frame/types.h"

// `word` is the lower-cased marked word; gCaseMode says how it was typed
// (1 or 5: first-letter variants; other values: whole-word variants).
// Returns the number of analyses of the spelling found (left in the
// analysis slots, its text in entry 15 of `slots`), or 0.
i16 RestoreAccentsByVariants(u16 mode, BoundedString& word, u16& count, StringList& slots);
