#include "lexicon/synonyms.h"

// Not built yet (comes with the reference dictionary): no synonym, no
// register.
u16 BuildSynonymList(u16 /*mode*/, u8 /*groupMark*/, u8 /*feature*/,
                     const BoundedString& /*baseText*/, StringList& /*list*/) {
    return 0;
}
