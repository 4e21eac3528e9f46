// Ranking of a suggestion list for the host: closest to the typed word
// first, the cost marks breaking ties.
#pragma once
#include "frame/bounded_array.h"
#include "frame/tables.h"
#include "frame/types.h"

// How far `candidate` is from `typed` (both Mac Roman), in tenths of an
// edit: a letter missing, extra or replaced costs about 10, a keyboard
// neighbour typed for a letter (QWERTY in English, AZERTY in French) 9, two
// letters swapped 8, a doubled letter
// typed single or a single letter doubled 3, a change of accent or case 1,
// a blank or hyphen added 15, and a different first letter 5 more.
u32 SuggestionDistance(const BoundedString& typed, const BoundedString& candidate);

// Sorts the first n entries of `list` (their marks in gSuggestionFlags move
// with them) by closeness to `typed`, then by mark, then by list order. A
// rewrite of how the typed word sounds (AddSoundAlikes under `mode`: chapo
// → chapeau, babys → baby) counts as close as a single slip.
void RankSuggestions(u16 mode, const BoundedString& typed, StringList& list, u16 n);
