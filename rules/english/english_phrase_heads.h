// The head of an English noun phrase and the functions of its words.
#pragma once
#include "frame/types.h"

namespace english {

// The head candidate while a phrase is read word by word: each word gets
// an order code from its class, and the word whose code is not above the
// lowest so far (ties to the later word) is the candidate.
struct HeadCandidate {
    i32 first = 0;
    u8 threshold = 0;
    i32 word = 0;
    u8 gender = 0;
    u8 number = 0;
};

// Opens the candidate search at the phrase's first word f.
void StartHeadCandidate(HeadCandidate& h, i32 f);
// Weighs word w, whose own gender and number are given.
void WeighHeadCandidate(HeadCandidate& h, i32 w, u8 gender, u8 number);
// The number a word's feature byte gives (1 singular, 2 plural, 0 both or
// none).
u8 FeatureNumber(u8 features);

// The phrase's head h (from f to its last word L), and the function code
// and link of every word of the phrase; a split remainder (f carries 254
// or 255) gets L as head and no functions.
i32 ChooseHeadAndFunctions(i32 f, i32 L);

}  // namespace english
