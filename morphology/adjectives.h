// French adjectives whose four forms are not made by adding "s", "e" and
// "es": a fixed list of stems and ending models.
#pragma once
#include "frame/bounded_array.h"
#include "frame/types.h"

// Form selector read from gErrorExtent: 1 masculine singular, 2 masculine
// plural, 3 feminine singular, 4 feminine plural.
//
// When `word` (36 bytes) is one of the four forms of a listed adjective it
// becomes the selected form and the result is 1; the fourteen adjectives in
// -al with two masculine plurals give both, joined by "&" ("finals&finaux").
// 0 (word unchanged) for an unlisted word or a selector outside 1..4.
i16 InflectFrenchIrregularAdjective(BoundedString& word);

// Fills gAdjectiveEndings and gAdjectiveExceptions (done by the first call).
void FillAdjectiveTables();
