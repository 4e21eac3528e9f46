// The loops of the matcher's second pass. Not built yet: each leaves the
// readings as they are.
#include "rules/french/matcher_loops.h"

void MatchLocutionWords(u16 /*mode*/) {}
void ResolveAmbiguousWords(u16 /*mode*/) {}
void CheckFrenchHomophones(u16 /*mode*/) {}
