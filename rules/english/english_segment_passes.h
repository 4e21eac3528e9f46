// The passes over the finished English segment table that join records
// into larger units (the joining and linking passes, then coordination and
// apposition with the comma rule).
#pragma once
#include "frame/report.h"

namespace english {

// Passes 2 to 11: prepositions joined by a conjunction, operators between
// numerals, the joining pass, dates, pronoun phrases, a noun phrase
// followed by a name, doubled commas, "aged", the links of coordinated
// records.
void RunEnglishJoiningPasses();
// Pass 12: coordination and apposition around conjunction and comma
// records; at the records where it applies it tries the comma rule
// (CheckCommaEnumeration) first and returns 40 when that fires.
RuleCode RunEnglishCoordinationPass(u16& out);

// Rule 40 'W' at record j as pass 12 hands it (the second-last record, or
// the third-last before a kind-20 record): a comma between two records of
// the same kind in a closing enumeration. It gates like the other 40s (at
// the comma) and never writes gLastRule.
RuleCode CheckCommaEnumeration(i32 j, u16& out);

}  // namespace english
