// What the clause rules of the English pre-cascade share within one call:
// the counts of verb segments and subordinate clauses, the opening flags,
// and the segment and word reads they all make.
#pragma once
#include "frame/report.h"
#include "rules/english/english_phrase_stage.h"
#include "rules/english/english_verb_patterns.h"

namespace english {

// State of one call of the clause rules; every field starts anew.
struct ClauseCall {
    i32 verbSegments = 0;        // verb segments seen
    i32 subordinates = 0;        // subordinate clauses
    i32 attached = 0;            // subordinate clauses after a verb or a subject
    bool verbFirst = false;      // a question or a sentence opened by its verb
    bool openingComplement = false;  // segment 0 goes straight to the complement step
    i32 start = 1;               // first segment of the verb-segment pass
    i32 cursor = 0;              // verb segment an opening subject links to
    u8 infinitiveFlag = 0;       // flags of a verb without subject before it,
    u8 participleFlag = 0;       // read by the complement step
};

// Coordinated subjects, subordinate clause counts, the sentence opening,
// opening infinitive and participle subjects.
void PrepareClauses(ClauseCall& c);
// The verb segments: verb after verb (46, 47), subject search, subject and
// verb agreement (44).
RuleCode CheckVerbSegments(ClauseCall& c, u16& out);
// Qualifiers (45 'J', 41 'X', 47), noun phrases after a linking verb
// (43 'A'), an infinitive after "had" or an auxiliary (46).
RuleCode CheckAttributes(u16& out);
// The functions of the phrases after their verbs; may remove one record.
void MarkComplementFunctions();
// The tense after "if" (53), a missing verb (55), too many subordinate
// clauses (61).
RuleCode CheckSentenceRules(const ClauseCall& c, u16& out);

namespace clause {

inline i32 N() { return static_cast<i32>(gSegmentCount); }
inline u8 Kind(i32 k) { return Seg(k).SegmentKind; }
inline i32 First(i32 k) { return Seg(k).FirstWord; }
inline i32 Last(i32 k) { return Seg(k).LastWord; }
// The end of record k's words: the next record's first word, or the count.
inline i32 End(i32 k) { return k < N() - 1 ? First(k + 1) : rules::Count(); }
// Headed by a relative pronoun.
inline bool RelativeHead(i32 k) { return rules::Cat(First(k)) == 5; }
// Headed by a relative pronoun other than "what".
inline bool RelativeNotWhat(i32 k) { return RelativeHead(k) && !rules::Is(First(k), "what"); }
// A preposition and a relative pronoun ("to whom").
inline bool PrepositionRelative(i32 k) {
    return rules::Cat(First(k)) == 15 && rules::Cat(First(k) + 1) == 5;
}
inline bool Verb(i32 i) { return rules::Cls(i) >= 128; }
inline bool Between(u8 v, u8 lo, u8 hi) { return v >= lo && v <= hi; }
// The marks of "have" ('&') and of "be" as a linking verb.
inline bool HaveOrLinkingBe(u8 mark) { return mark == '&' || mark == 165; }
// Verb models whose base form is also the past participle ("become",
// "come", "run", "put", "let"): after an auxiliary it is the participle.
// Their preterite is not ("will ran", "had came").
inline bool BaseIsParticiple(i32 f) {
    const u8 m = rules::Model(f);
    return (m == 20 || m == 25 || m == 26 || m == 36 || m == 62 || m == 97) && !PreteriteForm(f);
}
// Record k follows the verb segment before it with no word between: a
// verb form after an adverb ("had once got", "was then called") is
// mostly the participle our categories missed, after "had better" the
// infinitive.
inline bool NextToVerb(i32 k) { return First(k) == Last(k - 1) + 1; }
// A report whose unnamed fields keep the values the dispatcher left.
inline rules::RuleReport Report(RuleCode code, i32 pos) { return rules::ReportFromGlobals(code, pos); }

}  // namespace clause

}  // namespace english
