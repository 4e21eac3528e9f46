// The English phrase stage, first stage of the English pre-cascade: it
// numbers the noun phrases, builds the segment table every later English
// rule reads, and checks word order, comparisons and the number agreement
// inside a noun phrase.
#pragma once
#include "frame/report.h"

// 0, or 40 (word order and construction, told apart by gErrorVariant) or
// 41 (agreement inside a noun phrase) with wordIndex and the report
// globals. The caller has cleared every ClauseNumber.
RuleCode CheckEnglishPhraseRules(u16& wordIndex);

// 1: the clause stages report the number disagreements they find between
// records (41 'X', 43 'A', 45 'J'). 0 (the default) holds them; the phrase
// stage's own number reports do not read it.
extern u16 gEnglishPhraseNumberReports;

// 1 (the default): a number disagreement inside a noun phrase is reported
// only where our readings make it sure: a determiner right before its noun,
// the phrase's last word, that no analysis of the noun could agree with or
// read as an adjective, a numeral or a verb form, after no personal pronoun
// used as a determiner ("we two") and no figure; a plural adjective after a
// linking verb (41 'J') only for a word that is only an adjective. Our data leaves phrase boundaries
// and readings unsure elsewhere ("those poor", "this subject interests",
// "a place where pictures"). 0: every disagreement the stage finds.
extern u16 gEnglishPhraseNumberGuard;
