#include "rules/french/french_rules.h"

// Not built yet: no sentence-start rule applies.
u16 ApplyFrenchSentenceInitialRules(BoundedString& /*firstWord*/) { return 0; }
