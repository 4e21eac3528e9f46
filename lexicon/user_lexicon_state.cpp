#include "lexicon/user_lexicon_state.h"

void ResetUserLexiconState() {
    // Nothing to reset yet: no user lexicon can be open before the lexicon
    // store exists.
}
