// A memo of the first step of a section lookup: whether the section holds
// an entry list for a key's third and fourth bytes (and whether reading its
// index met a data fault). Every lookup asks it before the walk, the
// hyphen rule once for every pair of words of a sentence; the answer is a
// function of the section, the two bytes and the tables in use (body,
// install count), and is kept per slot with them. Fixed storage.
#pragma once
#include "frame/types.h"

// True when the answer for (section, third, fourth) under the tables in use
// is known; `may` and `fault` then hold it.
bool RememberedEntryLists(i16 section, u8 third, u8 fourth, bool& may, bool& fault);
void KeepEntryLists(i16 section, u8 third, u8 fourth, bool may, bool fault);
