// The frame of the grammar checking clause cascade: the locals and frame
// values that its rule stages share, the report protocol and the stages'
// entry points, called in order by CheckFrenchClauseRules.
#pragma once
#include "frame/bounded_array.h"
#include "frame/report.h"
#include "frame/tables.h"
#include "rules/rule_words.h"

// Locals and frame values of one cascade call; reset at entry. The
// French stage issues add their per-walk fields here.
struct ClauseFrame {
    StringList* taggedWords = nullptr;  // the checking language's tagged word list
    BoundedArray<u16>* formCodes = nullptr;  // 32 entries: tagged-list entries matching a word
    BoundedString* workWord = nullptr;       // a word copied out of a tagged-list entry
    BoundedArray<u16>* workTags = nullptr;   // 8 tag codes of the work word
    u16 workTagCount = 0;
    // Survey counters and flags.
    i16 clauseOpeningCount = 0;  // segments opening a clause, and "car"
    i16 subordinateCount = 0;    // subordinate clauses after a verb
    i16 verbClauseCount = 0;     // verb segments counted as clauses so far
    u16 questionFlag = 0;        // a direct question opened by a question word
    u16 imperativeSeen = 0;      // an imperative segment has been recognised
    u16 nounPhraseLinked = 0;    // the opening noun phrase is linked to an attribute
    // A question sentence opening with its verb: the walks begin with that
    // verb's subject search and the first walk is skipped.
    bool questionVerbFirst = false;
    // The walks' positions.
    i32 currentSegment = 0;
    i32 currentVerb = 0;
    i32 pendingSegment = 0;  // a verb "a" without subject, for the missing-link rule
    i32 head = 0;
    // The subject search of the current verb (reset for each verb).
    u16 relativeSeen = 0;     // a relative pronoun opens the subject segment
    u16 coordinatedVerb = 0;  // the verb may share an earlier verb's subject
    u16 subjectCount = 0;     // subject candidates met outside brackets
    u16 groupCount = 0;       // free noun groups met
    u16 bracketCount = 0;     // brackets and dashes between the verb and the candidate
    i32 groupCandidate = 0;
    u16 matchFound = 0;
    u16 participleNext = 0;   // 1: a participle follows; 2: a participle and an infinitive
    u16 infinitiveNext = 0;
    u16 searchDetail = 0;     // the detail a subject-verb report would carry
    // The subject found before the verb that disagrees with it, or -1: the
    // reports made without one are held by the data guard of the verb rules.
    i32 clashSubject = -1;
    // The last verb segment whose subject was found, and that subject: a
    // verb coordinated with it shares it.
    i32 subjectVerb = -1;
    i32 verbSubject = -1;
};

// Fills the frame for a call: the scratch emptied, every value 0, the
// tagged list of gCheckingLanguage.
void OpenClauseFrame(ClauseFrame& f);

// Commits a report of the own rules made at segment `segment`: the
// extent becomes 65535 when the previous report was a rule 40 at the
// segment's first word (`keepExtent`: the rules that use 126 or 65279
// instead).
RuleCode CommitClauseReport(rules::RuleReport r, i32 segment, u16& out, bool keepExtent = false);
// The agreement tail shared by several blocks: the current segment's first
// word, 43 for a past-participle finding ('A' or 'D'), else 45.
RuleCode AgreementTail(const ClauseFrame& f, rules::RuleReport r, u16& out);

// The stages of the own rules, in the order of the cascade; each returns
// the code of the block that fired, or 0.
RuleCode CheckClauseSurvey(ClauseFrame& f, u16& out);        // survey and first clause
RuleCode CheckVerbSegments(ClauseFrame& f, u16& out);        // verb walks and subject search
RuleCode CheckQualifierSegments(ClauseFrame& f, u16& out);   // qualifiers, participles, homophones
RuleCode CheckClauseFunctions(ClauseFrame& f, u16& out);     // functions, constructions, mood, counts
