// Verb candidates and word form codes: relate a word of the sentence to a
// verb form or to its homophones.
//
// Homophone-list layout of a verb candidate (a "code string"): '0' + L, the
// group key "00", the L characters of the form, " \xA4V" (the annotation
// mark) and the conjugation slot of its first verb reading in decimal.
#pragma once
#include "frame/bounded_array.h"
#include "frame/tables.h"
#include "frame/types.h"

// Codes written by FindWordFormCodes at most (and at most the array's size).
inline constexpr u16 kMaxFormCodes = 32;
// Codes cleared on entry.
inline constexpr u16 kClearedFormCodes = 16;

// 1 when `candidate` is a verb form of the checking language; it then holds
// its code string. 0 when not (candidate unchanged). Either way, when the
// sentence word `wordIndex` was written with a ligature, the candidate is
// first given that ligature. The analyses stay in gWordTagCodes.
i16 CheckVerbCandidate(i16 wordIndex, BoundedString& candidate);

// From a participle or adjective suspected of standing for a verb form
// (fini/finis/finit, chanté/chanter/chantez ...): the existing verb forms
// of the nearby endings, as code strings, into `candidates` (20 strings of
// 36, all emptied first). Returns how many were written (0..3).
u16 FindVerbCandidatesForParticiple(i16 wordIndex, const BoundedString& word, StringList& candidates);

// Finds sentence word `wordIndex` in the checking language's homophone list
// (trying a plural and a feminine ending cut when the word is not listed as
// written) and writes the entry's index, then the other members of its
// group, into `codes`. Returns their number (0 when not listed), never more
// than the array holds nor kMaxFormCodes. Mode 32: codes[0] = the index
// (the list size when not listed), codes[1] = gErrorExtent, result 2.
u16 FindWordFormCodes(u16 mode, i16 wordIndex, BoundedArray<u16>& codes);
