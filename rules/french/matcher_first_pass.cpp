// The loops of the matcher's first pass. Not built yet: each leaves the
// readings as they are, so the first pass runs once.
#include "rules/french/matcher_loops.h"

void MarkImperativesAndFirstWords(u16 /*mode*/, FirstPassState& /*s*/) {}
void ChooseVerbReadingsBySubject(u16 /*mode*/, FirstPassState& /*s*/) {}
void MergeReadingsOfOneCategory(u16 /*mode*/, FirstPassState& /*s*/) {}
void MarkAttributiveVerbs(u16 /*mode*/, FirstPassState& /*s*/) {}
void MarkVerbNounLocutions(u16 /*mode*/, FirstPassState& /*s*/) {}
void CheckDeterminersNumeralsPronouns(u16 /*mode*/, FirstPassState& /*s*/) {}
void FilterReadingsByCategoryPairs(u16 /*mode*/, FirstPassState& /*s*/) {}
