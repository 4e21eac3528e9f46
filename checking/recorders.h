// Hit callbacks that turn findings into records of the host's paragraph
// error table, and the bookkeeping callbacks of the analysis services.
//
// All of them share one filter against endless repetition: a (first word,
// last word, code) triple already reported twice among the last twenty hits
// of the sentence stops the sentence's report loop.
#pragma once
#include "frame/report.h"
#include "krzlib.h"

inline constexpr u16 kHitHistorySize = 20;

// History of the sentence's hits (three parallel arrays) and its fill.
extern i16 gErrorHistoryFirst[kHitHistorySize];
extern i16 gErrorHistoryLast[kHitHistorySize];
extern u16 gErrorHistoryCode[kHitHistorySize];
extern u16 gHitHistoryCount;

// The host's table of this call and the records written to it.
extern ParagraphErrorRecord* gParagraphErrorTable;
extern u16 gParagraphErrorCount;
// Category mask of the grammar exports (KRZ_CATEGORY_* bits).
extern u32 ErrorCategoryMask;

// Word tracked by the word-analysis export (65535: none), the first
// grammar code met and whether a spelling hit covered the word.
extern u16 gTrackedWord;
extern u16 gTrackedFirstCode;
extern u16 gTrackedSpellingHit;

// Allocator of the message copies (AllocateBlock); tests replace it to
// make an allocation fail.
using BlockAllocator = void* (*)(u32 size);
extern BlockAllocator gMessageAllocator;

// Record class and category-mask bit of a finding (its traits).
u16 GrammarErrorClass(RuleCode code);
// The bit is 0 when the finding is always recorded.
u32 ErrorCategoryBit(RuleCode code, u16 detail);

u16 RecordGrammarError(i32 first, i32 last, RuleCode code, u16 detail, u16 kind,
                       const BoundedString& message, u16 count, const StringList& list, u16 adjust);
// Records only the codes flagged kFindingSpellingRecord (1, 2, 3, 4, 38).
u16 RecordSpellingError(i32 first, i32 last, RuleCode code, u16 detail, u16 kind,
                        const BoundedString& message, u16 count, const StringList& list, u16 adjust);
// Records nothing: keeps the history and moves the offsets on replacements.
u16 AccountAnalysisError(i32 first, i32 last, RuleCode code, u16 detail, u16 kind,
                         const BoundedString& message, u16 count, const StringList& list, u16 adjust);
// Hit and merge callbacks of the word-analysis export.
u16 RecordWordAnalysisHit(i32 first, i32 last, RuleCode code, u16 detail, u16 kind,
                          const BoundedString& message, u16 count, const StringList& list, u16 adjust);
void RemapTrackedWordIndex(i32 first, i32 last, i32 newIndex);
// What a hit that passed the duplicate filter tells of the tracked word
// (RecordWordAnalysisHit after its filter).
void NoteTrackedWordHit(i32 first, i32 last, RuleCode code);
