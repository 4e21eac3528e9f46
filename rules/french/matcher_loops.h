// The word loops of the locution matcher, in the order the matcher runs
// them. Each loop reads and edits the readings of gWords and may write
// gLocutionReport; none merges, inserts or removes a word.
#pragma once
#include "frame/types.h"

// What the first pass keeps across its repetitions (cleared once per
// matcher call) and what each repetition starts afresh.
struct FirstPassState {
    // Kept across repetitions: the loops of subject person and of merges
    // (among them the current number, person and gender of the merges).
    u8 person = 0, number = 0, gender = 0, subject = 0, merged = 0, spare = 0;
    u32 wide = 0;
    // Cleared by every repetition: readings removed by the category-pair
    // filter (counted modulo 256) and the opening steps' word index.
    u8 removed = 0;
    i16 opening = 0;
};

// First pass, in this order.
void MarkImperativesAndFirstWords(u16 mode, FirstPassState& s);
void ChooseVerbReadingsBySubject(u16 mode, FirstPassState& s);
void MergeReadingsOfOneCategory(u16 mode, FirstPassState& s);
void MarkAttributiveVerbs(u16 mode, FirstPassState& s);  // mode 1 only
void MarkVerbNounLocutions(u16 mode, FirstPassState& s);
void CheckDeterminersNumeralsPronouns(u16 mode, FirstPassState& s);
void FilterReadingsByCategoryPairs(u16 mode, FirstPassState& s);  // raises s.removed

// Second pass, once.
void MatchLocutionWords(u16 mode);       // class bytes 23, 24, 25
void ResolveAmbiguousWords(u16 mode);
void CheckFrenchHomophones(u16 mode);    // its pass in mode 1 only
