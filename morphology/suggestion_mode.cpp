// Suggestion mode of the word-form analysis.
#include "morphology/suggestion_mode.h"

// Stand-in until the spelling suggester lands: suggests nothing.
i16 CollectWordSuggestions(u16 /*mode*/, BoundedString& /*word*/, u16& count, StringList& /*slots*/,
                           bool /*capitalsOrPunctuation*/) {
    count = 0;
    return 0;
}
