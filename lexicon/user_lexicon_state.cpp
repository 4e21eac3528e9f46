#include "lexicon/user_lexicon_state.h"

#include "lexicon/lex_store.h"

void ResetUserLexiconState() {
    ++LexEditCount;
    LexLookupSuspended = 0;
    // A lexicon whose file is still open (opened before a KRZEnd that
    // released the data) stays open and loaded: its handle is live.
    if (LexFileHandle != nullptr) return;
    LexBodySize = 0;
    LexEntryCount = 0;
    LexChangeCounter = 0;
}
