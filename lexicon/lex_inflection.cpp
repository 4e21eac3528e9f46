#include "lexicon/lex_inflection.h"

// Not built yet (comes with the lexicon's word logic): no word is a lexicon
// word, so no word gets a lexicon key.
u16 AnalyseLexInflection(const BoundedString& /*word*/, u16, u16, u16, u16, u16,
                         BoundedString& /*work1*/, BoundedString& /*work2*/,
                         StringList& /*results*/, BoundedString& /*outWord*/, u16 /*language*/) {
    return 2;
}
