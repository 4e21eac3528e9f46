#include "rules/french/french_rules.h"

// Not built yet: no sentence-start rule applies.
u16 ApplyFrenchSentenceInitialRules(BoundedString& /*firstWord*/) { return 0; }
// Not built yet: marks no locution.
u16 MarkFrenchLocutions(u16 /*mode*/) { return 0; }
