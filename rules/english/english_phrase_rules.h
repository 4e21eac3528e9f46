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

// 1: the phrase stage reports number disagreements inside a noun phrase
// (41, and 41 'J' for a plural adjective after a linking verb). 0 (the
// default) until our data gives the numbers these reports rest on: plural
// forms that WordNet also lists as nouns of their own ("days", "men",
// "women", "children") are read as singular, and "some", "any", "each" as
// singular; "a few", "a dozen" ask for the plural. With the noun-phrase
// number and set-phrase stages in, a book of correct prose still drew 112
// false alarms (1.4 per 1,000 words).
extern u16 gEnglishPhraseNumberReports;
// 1: the phrase stage reports a main verb negated with a bare "not" (40
// 'N'). 0 (the default) until our verb models number the auxiliaries as
// the rule expects (28 to 38): "were" carries no model of "be" and "need",
// "dare" only their regular one, so "were not" and "need not" were
// reported (28 false alarms on a book of correct prose).
extern u16 gEnglishBareNotReports;
