// State of the sentence being cut and checked: the word table, the
// suggestion list and the sentence-boundary flags of the tokenizer.
#pragma once
#include "frame/records.h"
#include "frame/types.h"

// Sentence-boundary flags carried from one token to the next.
extern u16 gSentenceEndPending;   // the last token was a sentence-final mark
extern u16 gAbbreviationPending;  // the last token looks like an abbreviation
                                  // (2, 3: whether it does is asked when
                                  // a period follows it)
extern u16 gLineBreakPending;     // a CR or LF was met
extern u16 gDashPending;          // a dash was met in dash mode

// Clears the sentence state: the four boundary flags, the spelling
// suggestions and their count, the word count, and every field of the 128
// word records (strings emptied, numbers and reading bytes 0, LinkedWord
// 65535), so that no field of a record is left undefined.
void ResetSentenceState();
// The same between two sentences of one paragraph walk, whose words only the
// tokenizer and the check of the sentence wrote: only the records they can
// have written are cleared (WordRecordBound of the words left, or what the
// check noted), the others being clear since the walk's previous reset
// (debug builds check it). Every other user of the word table resets it
// whole.
void ResetWalkedSentenceState();
// Notes that the sentence in hand may have written the first n records.
void NoteWordRecordsWritten(u32 n);
// Records that a sentence of `count` words may have written: its words, a
// margin for the words its analysis adds (splits, corrections) and the
// writes just past its end; at most the whole table.
u32 WordRecordBound(u32 count);
// Resets one word record as ResetSentenceState resets them all (a record
// vacated by merged words).
void ClearWordRecord(WordRecord& w);
