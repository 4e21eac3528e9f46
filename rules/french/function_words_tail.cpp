#include "rules/french/function_words.h"

// The rules of entries 15 to 51 are not written yet: no reading changes.
u16 ApplyFrenchFunctionWordRuleTail(u16 /*mode*/, u16 /*entry*/, u16 /*wordIndex*/, u16 /*capitalised*/) { return 0; }
