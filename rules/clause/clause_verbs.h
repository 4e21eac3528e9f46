// The verb stages of the French clause cascade: the clause survey and the
// first-clause rules, the two verb segment walks and the subject search of
// each verb. Shared pieces: segment access, the imperative marking and the
// agreement extents of a segment.
#pragma once
#include "frame/records.h"
#include "frame/report.h"
#include "frame/tables.h"
#include "rules/clause/clause_frame.h"
#include "rules/rule_words.h"

namespace clause_verbs {

// Segment s as the verb stages read it: s below 0 reads record 0; a
// record past the sentence's segments reads an empty record (kind 0, no
// agreement, first and last word the word past the sentence), never a
// record left from an earlier table.
const SegmentRecord& Seg(i32 s);
// Segment s for writing; s must be one of the sentence's segments.
SegmentRecord& EditSeg(i32 s);
inline i32 SegCount() { return static_cast<i32>(gSegmentCount); }
inline u8 Kind(i32 s) { return Seg(s).SegmentKind; }
inline i32 First(i32 s) { return Seg(s).FirstWord; }
inline i32 Last(i32 s) { return Seg(s).LastWord; }
inline bool LastSegment(i32 s) { return s >= SegCount() - 1; }
inline bool Even(u16 n) { return (n & 1) == 0; }

// The two values are 1 and 2 in either order (a clash of gender or number).
inline bool Opposite(u8 a, u8 b) { return (a == 1 && b == 2) || (a == 2 && b == 1); }

// A verb of person code `verb` agrees with a subject of code `subject`
// (1-3 the persons; 4 persons 1 or 2, 5 persons 1 or 3, 6 persons 2 or 3,
// 7 any).
bool PersonsAgree(u8 verb, u8 subject);

// The correction selector of an attribute segment: its form 1-4, or the
// packed forms of a segment whose number or gender is open.
u16 AttributeExtent(i32 s);

// Segment i is an imperative: the flag, state 2, no number for a form
// shared with the plural of politeness, function 38 on its last word.
void MarkImperative(ClauseFrame& f, i32 i);

// The previous report is a rule 40 at `word`: the word sequence rules read
// it as another word ("Je pense a toi": "à"), so no verb finding is made
// there again, and a finding that names it offers no correction.
inline bool AfterRule40At(i32 word) { return gLastRule == kCodeWordSequence && gLastErrorPos == word; }

// A report of the verb stages at word `pos`; the fields a rule does not
// name keep what the earlier reports left.
rules::RuleReport ReportAt(RuleCode code, i32 pos);

// The subject search of verb segment i and the subject-verb report: 0 lets
// the walk take the next segment, 44 is the report. While the frame's
// question flag is set only the subject after the verb is looked for.
RuleCode SearchSubject(ClauseFrame& f, i32 i, u16& out);

}  // namespace clause_verbs
