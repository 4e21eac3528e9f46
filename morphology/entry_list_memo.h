// A memo of the first step of a section lookup: whether the section holds
// an entry list for a key's third and fourth bytes (and whether reading its
// index met a data fault). Every lookup asks it before the walk, the
// hyphen rule once for every pair of words of a sentence; the answer is a
// function of the section, the two bytes and the tables in use (body,
// install count), and is kept per slot with them. Fixed storage.
//
// With the answer the memo keeps where the walk is to read: when the pair
// opens exactly one list, met no fault and the list is indexed, that list
// and its indexed entries, valid while SectionIndexEpoch() is unchanged.
#pragma once
#include "frame/types.h"
#include "morphology/section_index.h"

struct KnownEntryLists {
    bool may = false;
    bool fault = false;
    bool single = false;  // the one list below stands for the pair
    u32 listEnd = 0;      // absolute body offset of the list's end
    IndexedList indexed;
    u32 epoch = 0;        // SectionIndexEpoch() when `indexed` was taken
};

// True when the answer for (section, third, fourth) under the tables in use
// is known; `known` then holds it.
bool RememberedEntryLists(i16 section, u8 third, u8 fourth, KnownEntryLists& known);
void KeepEntryLists(i16 section, u8 third, u8 fourth, const KnownEntryLists& known);
