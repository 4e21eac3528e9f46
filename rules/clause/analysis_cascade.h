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
    bool inversion = false;    // the sentence opens with its attribute (no final segment pass)
};

void OpenAnalysisFrame(AnalysisFrame& f);

// Segment accessors (clamped, as every index of the cascade).
inline SegmentRecord& Seg(i32 k) { return gSegments.ClampedAt(k); }
inline u8 Kind(i32 k) { return Seg(k).SegmentKind; }
inline i32 FirstOf(i32 k) { return Seg(k).FirstWord; }
inline i32 LastOf(i32 k) { return Seg(k).LastWord; }
inline i32 Segments() { return static_cast<i32>(gSegmentCount); }

// The head of an agent phrase: "by", or "par" in French.
bool IsAgent(i32 w);
// The correction form of a segment's gender and number: both set, the
// form of that pair; only the gender, both numbers of that gender
// (((2g - 1) << 8) | 2g); only the number, both genders of that number.
u16 FormOf(const SegmentRecord& s);

// Commits a report that passed its gate at r.pos: the extent becomes
// 65535 after a rule 40 at that word; gLastRule is left to the dispatcher.
RuleCode CommitAnalysisReport(rules::RuleReport r, u16& out);

// The first word of the record after the last segment is the sentence's
// end, so that every segment has a next first word.
void PlaceSegmentSentinel();
// Segment removal for the passes: the n records after `standing` leave,
// later ones move down whole, links above drop by n (one that named a
// removed record names `standing`), and the sentinel follows.
void RemoveAnalysisSegments(i32 standing, i32 n);
// Segment j (j >= 1) leaves; links that named it name j - 1.
void RemoveAnalysisSegment(i32 j);

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
// Phrase functions after the walk: agents, non-finite clauses, noun
// dependents (45 'E', 'T'), comparatives, coordinated modifiers and commas,
// punctuation segments, noun complements, clause membership.
RuleCode AssignPhraseFunctions(AnalysisFrame& f, u16& out);
// Objects, coordinated phrases, relative antecedents and the fronted
// attribute (45 'E', 'T'); sets the inversion flag.
RuleCode AssignObjectsAndAntecedents(AnalysisFrame& f, u16& out);
// The introducer check from word `start` (up to the first conjunction with
// `stopAtConjunction`): introducers (relative pronouns, conjunctions not
// last nor before class 32) and verbs into f.introducers and f.verbCount,
// which rule 55 reads.
void CountClauseIntroducers(AnalysisFrame& f, i32 start, bool stopAtConjunction);
// Opens a one-word slot at the first word of segment t: later words and
// segments t.. move up one place (their links raised by `step`), record t
// becomes a one-word pseudo-segment. False, with nothing moved, when a
// table would take its last record.
bool OpenWordSlot(i32 t, i32 step);
// The final segment pass at segment s: an omitted introducer restored
// ("PRzero", "CSzero", a comma), then the complements and objects.
void RestoreIntroducer(AnalysisFrame& f, i32 s);
// Case D: "PRzero" between a subject phrase and another phrase with a
// verb (English). True when inserted.
bool CaseD(AnalysisFrame& f, i32 s);
// Complements of the verb before s; the attribute or object after a
// linking verb; an object after a subject phrase; object pronouns and
// double objects.
void ComplementStep(i32 s);
void AttributeStep(i32 s);
void ObjectAfterSubject(i32 s);
void ObjectStep(i32 s);
// The final segment pass, the rewriting step, rules 55, 61, 62 and the
// sentence score; 0 when nothing is reported.
RuleCode CloseAnalysis(AnalysisFrame& f, u16& out);
// An English reflexive pronoun that fits the subject (the last word of
// segment `segment`); byNumber: a third-person subject also by its number.
bool ReflexiveMatches(i32 subject, i32 segment, i32 pronoun, bool byNumber);
