// Punctuation and spacing check: the spacing around the punctuation signs
// of a paragraph, checked sentence by sentence against the checking
// language's sign rules and space characters, and runs of several spaces.
#pragma once
#include "frame/bounded_array.h"
#include "frame/bounded_string.h"
#include "frame/types.h"
#include "krzlib.h"

// Kinds of the tokens of a sentence.
inline constexpr u16 kPunctTokenSign = 1;
inline constexpr u16 kPunctTokenSpaces = 2;
inline constexpr u16 kPunctTokenOther = 3;

// One token of the sentence being checked.
struct PunctTokenRecord {
    u32 Start = 0;    // offset of the first character
    u32 End = 0;      // inclusive
    u16 Kind = 0;     // kPunctToken*
    u8 Index = 0;     // sign: its rule; spaces: the first character's place in the space list
    u8 AllTabs = 0;   // spaces only: every character of the run is a tab
};

inline constexpr u16 kPunctTokenCapacity = 512;
extern PunctTokenRecord gPunctTokens[kPunctTokenCapacity];
extern u16 gPunctTokenCount;
// Tokens at the front of gPunctTokens already checked.
extern u16 gPunctCheckedCount;

// Where the findings of a sentence go: the host's table and its count, and
// the result of the last check (0 when a message could not be allocated).
struct PunctOutput {
    ParagraphErrorRecord* table;
    u16* count;
    u16 status;
};

// Messages of the spacing findings.
enum SpacingMessageKind : u16 {
    kSpacingTooManySpaces = 1,
    kSpacingNoSpaceBefore = 2,
    kSpacingSpaceRequiredBefore = 3,
    kSpacingNoSpaceAfter = 4,
    kSpacingSpaceRequiredAfter = 5,
};

// Writes the message of the kind into gExplanationText, in French when the
// interface language is 3, with the sign in place of "%c".
void FormatSpacingMessage(u16 kind, u8 sign);

// Classifies one token (Mac Roman, at most 35 characters) found at
// [start, end] and appends it to gPunctTokens; "..." stands for the
// ellipsis sign, a lone CR is left out, and tokens past the 512th are
// dropped.
void RecordPunctToken(const BoundedString& token, u32 start, u32 end);

// Fills gPunctTokens for the sentence held in gWords, cutting the text of
// the working copy from sentenceStart to the end of the last word, or to
// sentenceEnd when that is further (a sentence longer than the word table:
// its words past the table are cut from the text); words kept whole by the
// user-lexicon pass (category 10) are one token each. When the buffer fills,
// the tokens whose neighbours are known are checked into `out` and the cut
// goes on, so a sentence of any length is checked to its end. False when the
// check must stop (table full, or out.status 0).
bool ScanSentencePunctuation(const BoundedString& text, u32 sentenceStart, u32 sentenceEnd, PunctOutput& out);

// Checks the tokens of gPunctTokens not checked yet and appends a record per
// finding to out.table at *out.count, which grows; stops when the table holds
// 60 records. Returns 0 when a message could not be allocated (nothing more
// is recorded), else 1.
u16 CheckSentencePunctuation(PunctOutput& out);

// ---- Quotation marks of a paragraph ------------------------------------------------
//
// Quotations run over several sentences, so their marks are paired over the
// whole paragraph: « », “ ”, „ ” (and „ “), ‘ ’, and the straight " and '
// read as opening or closing by their neighbours. An apostrophe inside or
// at the end of a word (l'eau, the boys' hats) or before a word that opens
// no quotation ('tis) is never a stray mark. A quotation carried over from
// the previous paragraph (its first mark a closing one) or into the next
// (one opening mark left at the end, where it opens a speech: at the start,
// after a colon or a sentence end, or after a quotation closed earlier) is
// not stray either.

inline constexpr u8 kStrayDoubleQuote = '0';
inline constexpr u8 kStraySingleQuote = '1';

// Pairs the marks of the paragraph (the Mac Roman working copy) and keeps
// the offsets of the stray ones until the next paragraph.
void PairParagraphQuotes(const BoundedString& text);
// Forgets the paragraph: sentences are then balanced on their own.
void ForgetParagraphQuotes();
// Whether a paragraph's marks are paired.
bool ParagraphQuotesPaired();
// The kind of the first stray mark between the offsets (inclusive):
// kStrayDoubleQuote, kStraySingleQuote, or 0 for none.
u8 StrayQuoteBetween(u32 first, u32 last);
// Whether the offsets (inclusive) lie in reported speech: a quotation of
// the paragraph, or a paragraph that is a line of dialogue (a dash first).
bool InReportedSpeech(u32 first, u32 last);
