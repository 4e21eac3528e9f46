// Cutting a paragraph into sentences and tokens: the sentence-boundary
// decision taken at every token, the walk that finds where the sentence
// holding a position starts, and the filling of the word table.
#pragma once
#include "frame/automata.h"
#include "frame/bounded_array.h"
#include "frame/types.h"

// Tokens are cut to this many characters.
inline constexpr u32 kMaxTokenLength = 35;
// Capacity of a token buffer (the longest token and its terminator).
inline constexpr u32 kTokenCapacity = 36;
// Most words a sentence's table holds.
inline constexpr u16 kMaxSentenceWords = 128;

// Index of the period pseudo-word added by InspectSentenceEnd; 0 when none.
extern u16 gSentenceEndWord;

// Results of ClassifySentenceBoundary.
inline constexpr u16 kBoundaryNewSentence = 1;   // the token begins a new sentence
inline constexpr u16 kBoundaryWord = 2;          // an ordinary token of the sentence
inline constexpr u16 kBoundaryDrop = 3;          // a line break or dash: not a word
inline constexpr u16 kBoundaryAbbreviation = 4;  // a period that belongs to the word before

// Result of AppendSentenceToken when the token begins the next sentence
// (it was not appended).
inline constexpr u16 kTokenStartsSentence = 3;

// The token automaton of the checking language (French for 3).
const AutomatonState* TokenAutomatonFor(u16 language, u16& stateCount);

// RunCharAutomaton for the sentence tokens: a hyphen that follows a hyphen
// (the second of a double-hyphen dash) is a token of its own, so that no
// word begins with the hyphens of a dash ("said--and" gives said, -, -, and).
u16 RunTokenAutomaton(const AutomatonState* automaton, u16 stateCount, const BoundedString& text,
                      i32 start, i32 end, i32& first, i32& last);

// Decides what the token means for the sentence. adjacent: the token starts
// right after the previous word's last character. endFlag receives 1 when
// the token is a sentence-final mark (or follows one). Uses and updates the
// four boundary flags.
u16 ClassifySentenceBoundary(const BoundedString& token, u16 adjacent, u16& endFlag, u16 dashMode);

// Start of the sentence that contains `position` (the position just after
// the last token of the sentence before it; 0 for the first sentence). When
// the text ends first, the start of the last sentence. Clears the boundary
// flags before the walk. `from`: a sentence start this search gives, at or
// before `position`, to search from instead of the text's start.
u32 FindNextSentenceEnd(const BoundedString& text, u32 position, const AutomatonState* automaton,
                        u16 stateCount, u32 from = 0);

// Called before a period after which the text holds only blanks is
// appended: in French that period closes the sentence after a one-letter
// word or a two-letter word taken for an abbreviation only because the
// dictionary does not know it ("Dagobert I.", "l'UE."; French writes "Dr"
// and "Mme" without a period). A longer word or one with a dot inside keeps
// the tests of the other periods ("etc.", "J.-C.").
void SettleFinalPeriod();

// Appends the token found at startOffset to the word table. Returns
// kTokenStartsSentence when the token begins the next sentence (nothing
// appended); otherwise the end flag: 1 when a sentence-final mark was met.
u16 AppendSentenceToken(const BoundedString& token, u32 startOffset, u16 dashMode);

// Gives the sentence a final mark: appends a "." pseudo-word unless the last
// word is '.', '!', '?' or the ellipsis, and sets gSentenceEndWord. A full
// table gets none.
void InspectSentenceEnd();
