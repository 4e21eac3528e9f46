// Accent restoration by variant expansion.
#include "morphology/accent_variants.h"

// Stand-in until the variant expansion lands: restores nothing.
i16 RestoreAccentsByVariants(u16 /*mode*/, BoundedString& /*word*/, u16& count, StringList& /*slots*/) {
    count = 0;
    return 0;
}
