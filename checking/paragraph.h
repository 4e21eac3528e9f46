// Paragraph checking: the walk that cuts a paragraph range into sentences
// and hands each to the per-sentence driver with a recording callback.
#pragma once
#include "frame/automata.h"
#include "frame/bounded_array.h"
#include "frame/report.h"
#include "krzlib.h"

// Spare room of the working copy for replacements that lengthen the text.
inline constexpr u32 kWorkingCopySpare = 500;

// The walk of a paragraph's sentences that the paragraph checks and the
// punctuation check share: the working copy (Mac Roman), the token
// automaton of the checking language and where the walk stands.
struct ParagraphWalk {
    BoundedString copy;
    BoundedString token;
    const AutomatonState* automaton = nullptr;
    u16 stateCount = 0;
    u32 sentenceStart = 0;
    u32 position = 0;       // next character to read
    i32 textLength = 0;     // of the copy, measured once (see KeepParagraphText)
    i32 lastEnd = 0;        // last character of the token read last
    bool finalMark = false; // the token appended last was a sentence-final mark
};

// Copies the text with `spare` bytes of room, converts it (and pairs its
// quotation marks when asked), finds the sentence holding `start` and
// empties the sentence state and the record count.
void OpenParagraphWalk(ParagraphWalk& w, const char* text, i32 start, u32 spare, bool pairQuotes);
// Reads the token at or after w.position (cut to kMaxTokenLength into
// w.token) and hands it to AppendSentenceToken: its result, or kNoWalkToken
// when no token is left. first and last receive the token's offsets; the
// walk's position is not moved.
inline constexpr u16 kNoWalkToken = 0xFFFF;
u16 ReadWalkToken(ParagraphWalk& w, i32& first, i32& last);
// Appends the tokens from w.position on to the sentence until one begins
// the next sentence (true: w.position stays on it, to be read again as the
// next sentence's first) or the text ends (false). `trackOffset`: each token
// read moves gCurrentOffset past it.
bool CollectSentence(ParagraphWalk& w, bool trackOffset);

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
