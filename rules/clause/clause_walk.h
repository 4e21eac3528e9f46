// Shared reads of the French clause cascade's later stages: the segment
// record's bytes by index (clamped into the 128-entry table), the reading
// bytes of a segment's first and last word, and the agreement helpers the
// qualifier, function and construction stages share.
#pragma once
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/report.h"
#include "frame/tables.h"
#include "rules/clause/clause_frame.h"
#include "rules/french/french_agreement.h"
#include "rules/french/french_verb.h"
#include "rules/rule_words.h"

namespace clause_walk {

using french_agreement::First;
using french_agreement::Kind;
using french_agreement::SegCount;
inline SegmentRecord& S(i32 s) { return french_agreement::Seg(s); }
// Byte 6 of the record, as the cascade keeps it.
inline i32 Last(i32 s) { return S(s).LastWord; }

// Reading-0 bytes of the first word of segment s.
inline u8 FCls(i32 s) { return rules::Cls(First(s)); }
inline u8 FCat(i32 s) { return rules::Cat(First(s)); }
inline u8 FMark(i32 s) { return rules::Mark(First(s)); }
inline u8 FFeat(i32 s) { return rules::Feat(First(s)); }

// A word's function code is never lowered from 75 (the subject) by the
// labelling blocks that say "unless 75".
inline void SetFunctionKeepingSubject(i32 w, u16 code) {
    if (rules::W(w).FunctionCode != 75) rules::W(w).FunctionCode = code;
}

// Genders 1 and 2 in either order, or numbers 1 and 2 in either order.
bool ClashOneTwo(const SegmentRecord& a, const SegmentRecord& b);
// Both genders known and different, else both numbers known and different.
bool ClashKnown(const SegmentRecord& a, const SegmentRecord& b);
// The agreement form index of a record: 2g + n - 2 (1 m.sg .. 4 f.pl);
// gender only: (g*256 + g)*2 - 513 in 16 bits; number only or neither:
// n*256 + n + 2.
u16 AgreementExtent(const SegmentRecord& r);
// Detail of an agreement report: 2 when the numbers clash, + 1 for the
// genders (1 against 2 either way).
u16 ClashDetail(const SegmentRecord& a, const SegmentRecord& b);
// Class letters of the noun and adjective readings that the reports name
// 'T' ('B', 'C', 'E', 'M', 'N').
bool NounAdjectiveClass(u8 cls);
// One of the stems of a null-terminated list begins word i's text.
inline bool BeginsAnyOf(i32 i, const char* const* stems) { return french_verb::BeginsAny(i, stems); }
// A report that starts from the report globals as the earlier rules left
// them (the rules that leave the variant unchanged).
inline rules::RuleReport FromGlobals(RuleCode code) { return french_agreement::ReportFromGlobals(code, 0); }

// The stages of the third segment walk, for segment f.currentSegment.
// Outcome of the qualifier block: a report, the next segment, or the last
// rules of the walk.
enum class QualifierOutcome { Report, NextSegment, LastRules };
QualifierOutcome CheckQualifier(ClauseFrame& f, u16& out, RuleCode& code);
// The rules every segment ends with (rule 47 after a preposition, rule 32,
// rule 45 across a copula); 0 when none fires.
RuleCode CheckSegmentLastRules(ClauseFrame& f, u16& out);

// The blocks after the walk, in order.
RuleCode CheckGroupFunctions(u16& out);       // noun groups after a verb (43 'A'), "-er" for a participle (46)
RuleCode CheckClauseLabels(u16& out);         // function labels, the partitive rule (50)
RuleCode CheckVerbConstructions(ClauseFrame& f, u16& out);  // verb constructions (49)
RuleCode CheckMoodAndTense(u16& out);         // mood and tense (53)
// The third-person-plural forms shared by the present and the subjunctive
// (slots 11 and 35) take the shared-form slot 54, unless the verb's
// construction byte keeps them apart.
void MarkSharedForms();
// The subjunctive slot (or packed pair) a conjugated verb after a
// subjunctive conjunction is corrected into; 0 when it is not corrected.
u16 SubjunctiveFor(i32 v);
RuleCode CheckSentenceCounts(const ClauseFrame& f, u16& out);  // counts (55, 61, 62)

}  // namespace clause_walk
