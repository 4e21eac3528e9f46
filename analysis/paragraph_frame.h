// The walk that the paragraph analysis exports share: a converted working
// copy of the host's paragraph, cut into sentences by a token automaton;
// each complete sentence is handed to the export's own work while its
// words stand in the word table.
#pragma once
#include "checking/paragraph.h"
#include "frame/bounded_array.h"
#include "frame/types.h"

// Which automaton cuts the tokens (each by the checking language).
enum class TokenSet : u8 {
    kParagraph,  // the paragraph checker's tokens
    kAnalysis,   // the tokens of the sentence-analysis family
};

// The export's work on one sentence: `copy` is the working copy (for
// CheckAnalysedSentence), `start` the offset where the sentence began (0
// for the first; later ones just after the previous sentence's last token).
using SentenceWork = void (*)(void* context, BoundedString& copy, u32 start);

// Walks every sentence of the paragraph (NUL-terminated host text) and
// calls `work` for each one that holds a word, then empties the sentence
// state. The caller applies the call options first.
void WalkParagraphSentences(const char* text, TokenSet tokens, SentenceWork work, void* context);

// Checks the sentence in hand as the analysis exports do: no report for
// the host, no suggestions, checking (not sentence-analysis) mode; checkFlag
// 0 only analyses the words.
void CheckAnalysedSentence(BoundedString& copy, u16 accentsOnCapitals, u16 checkFlag);

// The automaton of a token set for the checking language.
const AutomatonState* AutomatonOf(TokenSet tokens, u16& stateCount);

// The text of a paragraph for the exports that walk it: the working copy
// is opened with the paragraph's automaton of the set, and its length is
// kept for the checker while the walk lasts.
struct AnalysisWalk {
    ParagraphWalk walk;
    AnalysisWalk(const char* text, u32 start, TokenSet tokens);
    ~AnalysisWalk();
    AnalysisWalk(const AnalysisWalk&) = delete;
    AnalysisWalk& operator=(const AnalysisWalk&) = delete;
};
