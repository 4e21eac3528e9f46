// The clause rules of the English pre-cascade that follow the phrase stage
// and the relative-clause functions: coordinated subjects and clause
// counts, the verb segments and subject agreement, attributes and
// complements, the sentence rules.
#pragma once
#include "frame/report.h"

namespace english {

// Grammar checking only. Not built yet: finds nothing.
RuleCode CheckEnglishClauseStages(u16& wordIndex);

// The relative-clause functions: the kind, person and number of the
// segments headed by a relative pronoun (or a preposition and a relative
// pronoun), the word they refer to, and "that" read as a conjunction. Run
// in both modes.
void MarkRelativeClauses();

}  // namespace english
