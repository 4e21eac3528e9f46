// The paragraph walk of the analysis exports.
#include "analysis/paragraph_frame.h"

#include "checking/dispatcher.h"
#include "checking/recorders.h"
#include "checking/sentence_check.h"
#include "checking/sentence_words.h"
#include "checking/tokenizer.h"
#include "frame/automata.h"
#include "frame/bounded_string.h"
#include "frame/sentence_state.h"
#include "frame/settings.h"
#include "frame/tables.h"

const AutomatonState* AutomatonOf(TokenSet tokens, u16& stateCount) {
    if (tokens == TokenSet::kParagraph) return TokenAutomatonFor(gCheckingLanguage, stateCount);
    if (gCheckingLanguage == 3) {
        stateCount = gFrenchAnalysisAutomatonSize;
        return gFrenchAnalysisAutomaton;
    }
    stateCount = gOtherAnalysisAutomatonSize;
    return gOtherAnalysisAutomaton;
}

AnalysisWalk::AnalysisWalk(const char* text, u32 start, TokenSet tokens) {
    OpenParagraphWalk(walk, text, static_cast<i32>(start), kWorkingCopySpare, false);
    walk.automaton = AutomatonOf(tokens, walk.stateCount);
    gCurrentOffset = walk.position;
    KeepParagraphText(&walk.copy);
}

AnalysisWalk::~AnalysisWalk() {
    KeepParagraphText(nullptr);
    ResetSentenceState();
}

void CheckAnalysedSentence(BoundedString& copy, u16 accentsOnCapitals, u16 checkFlag) {
    gHitHistoryCount = 0;
    gKeepQuotedReadings = 1;
    CheckSentence(copy, 1, 1, accentsOnCapitals, 0, AccountAnalysisError, nullptr, 0, 0, 0, checkFlag);
    gKeepQuotedReadings = 0;
}

void WalkParagraphSentences(const char* text, TokenSet tokens, SentenceWork work, void* context) {
    AnalysisWalk a(text, 0, tokens);
    ParagraphWalk& w = a.walk;
    u32 start = 0;
    for (;;) {
        const bool more = CollectSentence(w, true);
        if (gWordCount > 0) work(context, w.copy, start);
        ResetSentenceState();
        // A sentence that took no token cannot move the walk on.
        if (!more || gCurrentOffset <= w.sentenceStart) break;
        w.position = w.sentenceStart = start = gCurrentOffset;
        w.textLength = ParagraphTextLength(w.copy);
        if (static_cast<i32>(w.position) >= w.textLength) break;
    }
}
