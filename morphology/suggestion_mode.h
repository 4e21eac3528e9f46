// Suggestion mode of the word-form analysis (operations 5 and 7): fills the
// analysis work list with correctly spelled forms close to the word.
#pragma once
#include "frame/bounded_array.h"
#include "frame/tables.h"
#include "frame/types.h"

// `word` is lower-cased and gCaseMode describes how it was typed;
// `capitalsOrPunctuation` is the analysis flag of the same name. Fills
// `slots` and `count`; returns 0.
i16 CollectWordSuggestions(u16 mode, BoundedString& word, u16& count, StringList& slots,
                           bool capitalsOrPunctuation);
