// The clause rules of the English pre-cascade that follow the phrase stage
// and the relative-clause functions: coordinated subjects and clause
// counts, the verb segments and subject agreement, attributes and
// complements, the sentence rules.
#pragma once
#include "frame/report.h"

namespace english {

// Grammar checking only: one finding per call (44, 45, 46, 47, 41, 43,
// 53, 55, 61), each behind its resume gate, or 0. Rules 55 and 61 write
// no position: wordIndex keeps what the earlier rules of the call left.
RuleCode CheckEnglishClauseStages(u16& wordIndex);

// The relative-clause functions: the kind, person and number of the
// segments headed by a relative pronoun (or a preposition and a relative
// pronoun), the word they refer to, and "that" read as a conjunction. Run
// in both modes.
void MarkRelativeClauses();

}  // namespace english
