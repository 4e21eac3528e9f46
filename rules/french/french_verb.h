// The stages of the French verb pre-cascade (CheckFrenchVerbRules, declared
// in french_cascades.h): relative clauses, the mood a "que" clause expects,
// coordinated clauses and past participles. They read and edit the segment
// table that the agreement pre-cascade left.
#pragma once
#include "frame/records.h"
#include "frame/report.h"
#include "frame/tables.h"
#include "rules/french/french_agreement.h"
#include "rules/rule_words.h"

namespace french_verb {

// The findings of one call. Among those that pass their gate the one with
// the smallest (code, word) is kept, whole: a later finding neither
// replaces an earlier, smaller one nor mixes its fields into it.
struct VerbFindings {
    bool held = false;
    rules::RuleReport best;
};
// Offers a finding gated at `gatePos` (the reported word, except 42).
void Offer(VerbFindings& f, const rules::RuleReport& r, i32 gatePos);
inline void Offer(VerbFindings& f, const rules::RuleReport& r) { Offer(f, r, r.pos); }

// One of the stems of a null-terminated list begins word i's text.
bool BeginsAny(i32 i, const char* const* stems);

// Gender and number of word i (high nibble, bits 2-3 of its features).
inline u8 WordGender(i32 i) { return static_cast<u8>(rules::Feat(i) >> 4); }
inline u8 WordNumber(i32 i) { return static_cast<u8>((rules::Feat(i) >> 2) & 3); }
// A noun group or a clause the verb rules treat as one (kind 24 or 23).
inline bool NounLike(i32 s) {
    return s >= 0 && (french_agreement::Kind(s) == 24 || french_agreement::Kind(s) == 23);
}
// The form code of record s: 1 masculine singular .. 4 feminine plural
// (0 when the formula would go below it).
u16 FormCode(i32 s);
// Gender and number of two records clash (both known and different).
bool Disagree(i32 a, i32 b);

// Relative clauses; returns 42 at once when a compound relative after a
// preposition has no antecedent, else 0 (41 'X' is offered).
RuleCode MarkRelativeClauses(VerbFindings& f);
// The mood mark on a completive "que" (features of reading 0: 1
// subjunctive, 2 indicative, 0 none).
void MarkExpectedMoods();
// Gender and number of coordinated groups merged into the first.
void MergeCoordinatedClauses();
// Past participles (43, 44, 47 offered).
void CheckPastParticiples(VerbFindings& f);

}  // namespace french_verb
