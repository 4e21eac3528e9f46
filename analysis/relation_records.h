// The word records of the relation text (buffer 0).
#pragma once
#include "frame/types.h"

// Writes the records of the words of the sentence (codes in GroupMark);
// each takes the counter's value and increments it.
void WriteWordRecords(char* buffer, u32 capacity, u16* counter);
