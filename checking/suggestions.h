// Suggestions handed with a finding: the replacement texts built for its
// words, and the list they go into (typographic quotes, no duplicates).
#pragma once
#include "frame/report.h"

// Capacity of a correction string (71 characters and the terminator).
inline constexpr u32 kCorrectionCapacity = 72;

// Adds `text` as entry `count` of the list (12 strings of 108 bytes) and
// raises count, unless the list is full, the text holds a character that is
// not accepted, or (after quote conversion) it equals an earlier entry.
void AddSuggestion(StringList& list, const BoundedString& text, u16& count);

// A character a suggestion may hold.
bool IsSuggestionCharacter(u8 c);
// gSpanText = the words first..end-1 as written, one space between them
// (none after an apostrophe), capitals and quotes put back.
void BuildFindingSpanText(i32 first, i32 end);

// Builds the replacement texts of the current finding (report fields) of
// `code` into the two correction strings and returns how many to offer
// (0, 1 or 2). Fills gSpanText with the span's words as written; may change
// gErrorExtent and, for code 55, gLastErrorPos.
u16 MakeErrorSuggestions(BoundedString& firstCorrection, BoundedString& secondCorrection,
                         RuleCode code, u16 option);

// Words [first, end) that the finding of `code` in the report fields
// covers, by its span rule: kClause when the agreement clause rule gave
// them, kNone when the rule names no words from the error position (word
// 0, a missing verb, the question marks, a negation of another variant:
// first and end are then the error word and the next).
enum class FindingWords : u8 { kNone, kWords, kClause };
FindingWords FindingRange(RuleCode code, i32& first, i32& end);

// Word span of a finding by the agreement clause rule (codes 41, 42, 45):
// first word and exclusive end e (after trailing adverbs, signs and commas
// are dropped). Never reads a segment before the first.
void ClauseSpan(i32 pos, i32& first, i32& end);
