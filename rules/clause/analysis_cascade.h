// The sentence-analysis form of the clause cascade: the values its passes
// share and the passes themselves, in the order AnalyseClauseRules runs
// them after the pre-cascades (exposed for the tests, which give the
// passes a word and segment table of their own).
#pragma once
#include "frame/report.h"
#include "rules/clause/clause_frame.h"
#include "rules/rule_words.h"

struct AnalysisFrame {
    ClauseFrame locals;        // tagged list and work buffers
    u16 questionFlag = 0;      // 0 none, 1 question, 2 French "qui" without "?"
    i32 introducers = 0;       // clauses opened by a relative, a conjunction, "car"
    i32 verbIntroducers = 0;   // introducers after a conjugated verb
    i32 verbCount = 0;         // conjugated-verb segments (and French "est")
    i32 aSegment = -1;         // French segment whose "a" may stand for "à"
    bool never = false;        // English "never"/"no" inversion of the segment in hand
};

void OpenAnalysisFrame(AnalysisFrame& f);

// Segment accessors (clamped, as every index of the cascade).
inline SegmentRecord& Seg(i32 k) { return gSegments.ClampedAt(k); }
inline u8 Kind(i32 k) { return Seg(k).SegmentKind; }
inline i32 FirstOf(i32 k) { return Seg(k).FirstWord; }
inline i32 LastOf(i32 k) { return Seg(k).LastWord; }
inline i32 Segments() { return static_cast<i32>(gSegmentCount); }

// Commits a report that passed its gate at r.pos: the extent becomes
// 65535 after a rule 40 at that word; gLastRule is left to the dispatcher.
RuleCode CommitAnalysisReport(rules::RuleReport r, u16& out);

// Everything after the pre-cascades: the sentinel, the adjective links and
// the passes below; 0 when nothing is reported.
RuleCode RunAnalysisPasses(AnalysisFrame& f, u16& out);

// French adjective groups: attachment, rules 45 'R' and 45 'E'.
RuleCode AttachAdjectiveGroups(AnalysisFrame& f, u16& out);
// French present participle spelled as its adjective: rule 32.
RuleCode CheckParticipleSpellings(AnalysisFrame& f, u16& out);
// Clause census, in-segment links, pronoun subjects, question flag, links
// and first object functions. Reports nothing.
void TakeClauseCensus(AnalysisFrame& f);
// Infinitive and gerund subjects, clitic objects, verb construction
// classes, the verb count and the French "a" segment. Reports nothing.
void MarkVerbConstructions(AnalysisFrame& f);
// The verb-segment walk with its verb groups: rules 39, 40, 43, 44, 46, 47.
RuleCode WalkVerbSegments(AnalysisFrame& f, u16& out);
// The verb group of segment s with the segments after it; `stop` set when
// the walk ends there without a report.
RuleCode AnalyseVerbGroup(AnalysisFrame& f, i32 s, bool& stop, u16& out);
// An English reflexive pronoun that fits the subject (the last word of
// segment `segment`); byNumber: a third-person subject also by its number.
bool ReflexiveMatches(i32 subject, i32 segment, i32 pronoun, bool byNumber);
