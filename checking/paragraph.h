// Paragraph checking: the walk that cuts a paragraph range into sentences
// and hands each to the per-sentence driver with a recording callback.
#pragma once
#include "checking/report.h"
#include "krzlib.h"

// Spare room of the working copy for replacements that lengthen the text.
inline constexpr u32 kWorkingCopySpare = 500;

// The four checking flags of the exports, in order.
struct CheckingFlags {
    u16 correctionOption;
    u16 plainUnknownReadings;
    u16 accentsOnCapitals;
    u16 applyLexiconReplacements;
};

// Checks every sentence from the one holding `start` to the one holding
// `end` (inclusive) and returns the number of records written. A null text
// or table, a negative start or end give 0.
u16 CheckParagraphSentences(const char* text, i32 start, i32 end, ParagraphErrorRecord* table,
                            const CheckingFlags& flags, SentenceHitCallback callback);

// The same with a suggestion mode (0 none, 1 all, other: only for findings
// covering the word at charOffset) and a final callback for a last sentence
// that ends without a final mark.
u16 CheckParagraphWithCallbacks(const char* text, i32 start, i32 end, ParagraphErrorRecord* table,
                                const CheckingFlags& flags, SentenceHitCallback mainCallback,
                                SentenceHitCallback finalCallback, u16 mode, i32 charOffset);

// Index of the word of the sentence that holds the character offset (the
// gap after a word belongs to it); -1 when none does.
i32 FindFocusWord(i32 charOffset);
