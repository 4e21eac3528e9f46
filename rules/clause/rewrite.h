// The sentence rewriter, last step of the sentence-analysis cascade: the
// clause table gRewriteSegments (one entry per run of segments sharing a
// link, byte 7 its nesting level), coordination folds, subject links and
// their agreement, the French re-checks, the active reading of passive and
// interrogative clauses and, in English, the rebuilt verb spelled out in
// three words appended to the sentence.
//
// A re-check that fires (43, 44, 45, 49, 50, 53) writes the report fields,
// sets the word index and ends the rewriter with its code; the cascade
// drops that code and keeps the tables.
#pragma once
#include "frame/records.h"
#include "frame/report.h"
#include "frame/tables.h"

// OriginalIndex of a word the rewriter appended; a word of the sentence
// never carries it.
inline constexpr u16 kRewriteWordMark = 0xFFFF;

// The rewriter; 0 after a complete run.
RuleCode RewriteSentence(u16& wordIndex);

// Takes the words an earlier rewriter call appended out of the word table,
// with the segments and clauses that start at them.
void RemoveRewriteWords();

namespace rewrite {

// Clause k of the rewritten table (clamped) and its bounds: the first word
// of the clause after the last one is the end of the sentence.
inline SegmentRecord& Clause(i32 k) { return gRewriteSegments.ClampedAt(k); }
inline i32 Clauses() { return static_cast<i32>(gRewriteSegmentCount); }
inline i32 ClauseFirst(i32 k) { return k < Clauses() ? Clause(k).FirstWord : static_cast<i32>(gWordCount); }
inline i32 ClauseLast(i32 k) { return Clause(k).LastWord; }
inline u8 ClauseKind(i32 k) { return k >= 0 && k < Clauses() ? Clause(k).SegmentKind : 0; }
inline u8 Level(i32 k) { return Clause(k).Link; }
// Segment records the same way.
inline SegmentRecord& Group(i32 g) { return gSegments.ClampedAt(g); }
inline i32 Groups() { return static_cast<i32>(gSegmentCount); }
inline i32 GroupFirst(i32 g) { return g < Groups() ? Group(g).FirstWord : static_cast<i32>(gWordCount); }
inline u8 GroupKind(i32 g) { return g >= 0 && g < Groups() ? Group(g).SegmentKind : 0; }
// The segment (clause) holding word x: the last one starting at or before x.
i32 GroupOf(i32 x);
i32 ClauseOf(i32 x);
// The segment whose first word is x, or -1.
i32 GroupStartingAt(i32 x);

// The first word of the record after the last one, in both tables.
void SetSentinels();
// Moves the clauses after r+1 down over r and r+1; `levelDrop` lowers the
// level of every moved clause (clamped at 0).
void RemoveClausePair(i32 r, i32 levelDrop);

// The steps, in the order RewriteSentence runs them.
void CopyClauseTable();
void AssignLevels();
void MergeCoordination();
RuleCode LinkSubjects(u16& out);
RuleCode CheckPronominalAndAttributes(u16& out);  // French: 43, 45
RuleCode CheckDeConstructions(u16& out);          // French: 50
RuleCode CheckVerbConstructions(u16& out);        // French: 49
RuleCode CheckTenseSequence(u16& out);            // French: 53
void RewriteActive();
void AppendRebuiltVerb();
void CloseLinks();

}  // namespace rewrite
