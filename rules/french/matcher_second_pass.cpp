// The loops of the matcher's second pass. The locution-word and
// ambiguous-word loops are not built yet: each leaves the readings as they
// are. The homophone pass is in homophone_pass.cpp.
#include "rules/french/matcher_loops.h"

void MatchLocutionWords(u16 /*mode*/) {}
void ResolveAmbiguousWords(u16 /*mode*/) {}
