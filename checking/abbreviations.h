// Abbreviations and acronyms of the user lexicon in the sentence: a run of
// words that spells a stored abbreviation becomes one token; a run that
// spells one only in part (or with other quotes) is reported with code 2.
#pragma once
#include "frame/report.h"

// Leaves every word's lexicon key in its LexiconForm, merges exact runs and
// reports partial ones. The callbacks may be null.
void MatchLexiconAbbreviations(BoundedString& text, SentenceHitCallback callback,
                               WordMergeCallback mergeCallback, u16 suggestionMode,
                               i32 suggestionWord);

// Appends `form` to the list in each quoting style the quote flags call
// for (1..4 apostrophes: straight and curly; 5..7 double quotes: straight,
// curly and guillemets with non-breaking blanks; 0: the form itself) and
// raises count. Entries past the list's end are not written.
void BuildSpellingSuggestionList(StringList& list, const BoundedString& form, u16 quoteFlags,
                                 u16& count);
