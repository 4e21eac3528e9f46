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

// 1: the clause rules also make the reports that rest on a clause
// structure our data cannot support yet: subject and verb agreement (44)
// against a noun-phrase subject, or with no subject found, or a subject
// pronoun of an inner clause; a missing main verb (55) where the sentence
// has verbs, all of them in subordinate clauses. 0 (the default): 44 only
// against a subject pronoun of its own record, 55 only for a sentence
// without a verb segment. Our data reads plural nouns that WordNet also
// lists as nouns of their own ("women", "children", "people") as
// singular, "but" and "why" as subordinating conjunctions and "that"
// after a comma as a relative pronoun, and the phrase passes join records
// across a comma whose closing quote left the word table ('said he, "it
// is'); a book of correct prose drew 330 false alarms of 44 and 40 of 55.
extern u16 gEnglishClauseStructureReports;

// The relative-clause functions: the kind, person and number of the
// segments headed by a relative pronoun (or a preposition and a relative
// pronoun), the word they refer to, and "that" read as a conjunction. Run
// in both modes.
void MarkRelativeClauses();

}  // namespace english
