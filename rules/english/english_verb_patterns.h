// Verb constructions checked on the words and their dictionary forms.
#pragma once
#include "frame/report.h"

namespace english {

// 0, or 40 (told apart by gErrorVariant: 'G', 'T', 'H', 'O', 'E', 'F', 'A') with
// `out` and the report globals.
RuleCode CheckWordSequencePatterns(u16& out);
// 0, or 47 (detail 3: a preterite after the auxiliary "do").
RuleCode CheckPreteriteAfterDo(u16& out);
// 0, or 46 (detail 3: a preterite that is no participle after the perfect
// "have" or a passive "be"; detail 0: a verb's base form after "be" for
// its participle adjective).
RuleCode CheckPreteriteAfterPerfect(u16& out);
// Every dictionary form of word i is a verb form or a participle filed as
// adjective.
bool OnlyVerbForms(i32 i);
// Word i has a plural noun among its dictionary forms.
bool PluralNounForm(i32 i);
// The dictionary gives word i as a preterite and neither as a base form nor
// as a past participle ("ran", "came", "went"; not "run", "put").
bool PreteriteForm(i32 i);

}  // namespace english
