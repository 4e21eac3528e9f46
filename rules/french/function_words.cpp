#include "rules/french/function_words.h"

// Not built yet: a function word changes nothing.
u16 ApplyFrenchFunctionWordRule(u16 /*mode*/, i32 /*n*/, i32 /*i*/, u16 /*lowered*/) { return 0; }
