// Preparation of the sentence for the analysis-mode rule loop: English
// multi-word compounds fused into one reading, each word's slot index, and
// bracketed, dash-enclosed and quoted insertions that hold a clause moved
// to the end of the sentence behind a "CSzero" pseudo-word, the others
// deleted or fused. No edit takes the table past 127 words.
#pragma once
#include "frame/types.h"

void JoinEnglishCompounds();
void MarkSlotIndexes();
void MoveInsertions();
