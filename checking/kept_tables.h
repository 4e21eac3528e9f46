// Sentence tables kept around a run whose changes must not stay: the
// analysis cascade moves, inserts and deletes word and segment records,
// while the reading trial and the correction composer give a word back by
// its index after the run. The word table (the sentence and its scratch
// record), the segment table and both counts are saved before such a run
// and put back after it. Saves nest (a composer run holds the trial's).
#pragma once
#include "frame/types.h"

// Saves the tables; false when the nesting is full (nothing is saved then,
// and the matching restore must be skipped).
bool SaveSentenceTables();
// Puts back the tables of the last save and forgets it.
void RestoreSentenceTables();
// Forgets the tables of the last save and keeps the tables in place.
void DropSentenceTables();
