// Work state of one call of the rule dispatcher and the dispatcher's own
// word and sentence rules (dispatcher_word_rules.cpp,
// dispatcher_sentence_rules.cpp).
#pragma once
#include "frame/report.h"

inline constexpr u16 kModeScoring = 2;
inline constexpr u16 kModeRecheck = 0xFFFF;

struct DispatchState {
    u16 mode = 0;
    RuleCode held = 0;          // finding returned unless a lower one is found
    i32 heldPos = 0;            // its word (for locution results: the result)
    bool heldFromLocution = false;
    u8 questionFlag = 0;        // 0, 0x10, 0x20, or the French verb count
    bool questionMark = false;  // a word begins with "?"
    bool exclamationEnd = false;
    u8 signBalance = 0;         // '0'..'4' for the first unbalanced pair, 0 none
    u16 doubleQuotes = 0;
    u16 sentenceKind = 0;       // French: 2, 4, 1, 3 from the sentence-start rules
    u16 negation = 0;           // French negation marker
    // French test made on every reading before the reading trial (set by
    // the sign counts): the verb of a "ne" left without its second part
    // (-1 none).
    bool readingsSeen = false;
    i32 negationVerb = -1;
    i32 locution = 0;           // result of the last disambiguation pass
    // Word index + 1 of each word with more than one reading, terminated by 0
    // (room for 128 words and the terminator).
    u8 ambiguous[129] = {};
    u8 scores[4] = {};
    u8 passFlags[9] = {};
};

// Resume rule: code n may fire at word i.
inline bool MayReport(RuleCode n, i32 i) {
    return gLastRule < n || (gLastRule == n && i > gLastErrorPos);
}

// Sets the resume point to (code, i).
inline void Fire(RuleCode code, i32 i) {
    gLastRule = code;
    gLastErrorPos = static_cast<i16>(i);
}

// Word rules; each returns its code when it fires, else 0.
RuleCode RuleUnknownWord(DispatchState& s);
RuleCode RuleRepeatedWord(DispatchState& s);
RuleCode RuleLigature(DispatchState& s);
RuleCode RuleMissingHyphen(DispatchState& s);
RuleCode RuleRegister(DispatchState& s);
// Decodes the locution result: reports rule 40, or holds 52 or 32.
RuleCode DecodeLocutionResult(DispatchState& s);

// Sentence rules: the sign counts of the word preparation and the final
// stage that merges the held finding with rules 48 and 55 to 62.
void CountSigns(DispatchState& s);
RuleCode RunFinalStage(DispatchState& s);
