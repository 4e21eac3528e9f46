// Token automata: small state tables that cut text into tokens (words,
// numbers, abbreviations, quotes, punctuation runs), and the runner that
// walks them over a text.
//
// Each state tests one character: first against the extra tests (the
// current language's special-character, punctuation-sign and space tables),
// then against a class set or one literal character. It names the state for
// the next character on a match and the state that tests the same character
// on a miss. An automaton is a plain array of states passed together with
// its number of states.
#pragma once
#include "frame/bounded_array.h"
#include "frame/char_classes.h"

// Bits of AutomatonState::ExtraTests; each makes a match when true.
inline constexpr u8 kExtraSpecial = 1;  // IsInvisibleInWord
inline constexpr u8 kExtraSign = 2;     // a punctuation sign of the checking language
inline constexpr u8 kExtraSpace = 4;    // a space character of the checking language
inline constexpr u8 kExtraOther = 8;    // >= 0x20 and neither a sign nor a space

// A character that stands inside a word without being part of its text:
// one the host marked 1 in gSpecialChars, or the soft hyphen of converted
// host text. The automata keep it in its token; the sentence's words drop it
// from their text (the offsets still cover it), and one standing alone is
// no word.
bool IsInvisibleInWord(u8 c);

struct AutomatonState {
    u16 UsesClassSet = 0;            // non-zero: test StateClassSet
    BoundedArray<u8> StateClassSet;  // view on a class set (ClassSet26 for literal states)
    u16 StateLiteral = 0;            // character tested otherwise; 0 matches nothing
    u16 StateMark = 0;               // a match here belongs to the token
    u16 NextOnMatch = 0;             // state for the next character; 0 ends the token
    u16 NextOnMiss = 0;              // state testing the same character; 0: see the runner
    u8 ExtraTests = 0;               // kExtra* bits

    // A state of the built-in tables (see StateTest). The view points at
    // constant storage, so the tables are complete before any dynamic
    // initialiser runs.
    struct StateTest {
        u16 usesClassSet;
        u32 classSet;
        u16 literal;
    };
    constexpr AutomatonState(StateTest test, u8 extraTests, u16 mark, u16 onMatch, u16 onMiss)
        : UsesClassSet(test.usesClassSet),
          StateLiteral(test.literal),
          StateMark(mark),
          NextOnMatch(onMatch),
          NextOnMiss(onMiss),
          ExtraTests(extraTests) {
        const u32 n = test.classSet < kClassSetCount ? test.classSet : kClassSetCount - 1;
        StateClassSet.data = gClassSetBytes[n].data();
        StateClassSet.count = kClassSetSize;
        StateClassSet.last = static_cast<i32>(kClassSetSize) - 1;
        StateClassSet.owns = 0;
        StateClassSet.valid = 1;
    }
};

// Paragraph tokenizers: French checking language, any other language.
extern AutomatonState gFrenchTokenAutomaton[30];
extern const u16 gFrenchTokenAutomatonSize;
extern AutomatonState gOtherTokenAutomaton[30];
extern const u16 gOtherTokenAutomatonSize;
// Words of the index-word export.
extern AutomatonState gIndexWordAutomaton[3];
extern const u16 gIndexWordAutomatonSize;
// Punctuation scanner: words, numbers, signs, line ends and space runs.
extern AutomatonState gPunctScanAutomaton[20];
extern const u16 gPunctScanAutomatonSize;
// Sentence-analysis family: French, any other language.
extern AutomatonState gFrenchAnalysisAutomaton[23];
extern const u16 gFrenchAnalysisAutomatonSize;
extern AutomatonState gOtherAnalysisAutomaton[23];
extern const u16 gOtherAnalysisAutomatonSize;

// Index of c in the checking language's punctuation-sign table (the rules'
// Sign byte) or space-character list; 0xFFFF when absent or when the
// language has no tables.
u16 FindPunctSignIndex(u8 c);
u16 FindSpaceCharIndex(u8 c);

// Sets marks[c] for every byte c of the checking language's space-character
// list, the marks of the other bytes left as they are: a scan over many
// characters tests one mark each instead of searching the list.
void MarkSpaceChars(bool (&marks)[256]);

// Non-zero when c matches state `state` of the automaton (the index is
// clamped into [0, stateCount - 1]).
u16 MatchAutomatonState(u8 c, const AutomatonState* automaton, u16 stateCount, i32 state);

// Recognises the next token of text[start .. end - 1] (end is cut to the
// text's capacity). On return `first` and `last` hold the token's first and
// last positions (inclusive); `first` is -1 while no character was taken.
// Returns 1 when a token was closed, 0 when the start is at or past the end
// or the text ends before any character belongs to a token. Characters that
// cannot begin a token are skipped.
// The paragraph tokenizers run from a table of their states made on first
// use (and made again when the special characters or the encoding mode
// change); the other automata walk their states.
u16 RunCharAutomaton(const AutomatonState* automaton, u16 stateCount, const BoundedString& text,
                     i32 start, i32 end, i32& first, i32& last);
// The same by testing the states one by one: what the table stands for.
u16 WalkCharAutomaton(const AutomatonState* automaton, u16 stateCount, const BoundedString& text,
                      i32 start, i32 end, i32& first, i32& last);

// The same up to the end of the string's text (its length).
u16 RunCharAutomatonOnString(const AutomatonState* automaton, u16 stateCount,
                             const BoundedString& text, i32 start, i32& first, i32& last);
