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
    u16 clauseOpeningCount = 0;
    u16 subordinateCount = 0;
    u16 verbClauseCount = 0;
    u16 questionFlag = 0;
    u16 imperativeSeen = 0;
    // The walks' positions.
    i32 currentSegment = 0;
    i32 currentVerb = 0;
    i32 pendingSegment = 0;
    i32 head = 0;
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
// the code of the block that fired, or 0. Not built yet: they find nothing.
RuleCode CheckClauseSurvey(ClauseFrame& f, u16& out);        // survey and first clause
RuleCode CheckVerbSegments(ClauseFrame& f, u16& out);        // verb walks and subject search
RuleCode CheckQualifierSegments(ClauseFrame& f, u16& out);   // qualifiers, participles, homophones
RuleCode CheckClauseFunctions(ClauseFrame& f, u16& out);     // functions, constructions, mood, counts
