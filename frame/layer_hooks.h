// The one way down-to-up: calls a lower layer makes into a higher one.
//
// The folders stand in one order (frame, lexicon, morphology, inflection,
// rules, checking; see doc/architecture.md) and a unit includes only its own
// folder and those below it. Where a lower layer must still call a higher
// one, it calls through an entry of this table, never through an include or
// a local declaration of the higher function.
//
// The top layer fills every entry at start-up (InstallLayerHooks, called by
// KRZInit before the data is loaded); the table holds plain function
// pointers, so a hook costs one indirect call where a direct call stood. An
// entry left empty (a test that drives a lower layer on its own) is skipped.
//
// To add a hook: a field here with the caller and the callee named, its
// assignment in InstallLayerHooks, and the call through CallLayerHook.
#pragma once
#include "frame/types.h"

struct LayerHooks {
    // Start-up (frame/loader.cpp, LoadLinguisticData) puts the user
    // lexicon back to "no lexicon open": lexicon/user_lexicon_state.h.
    void (*resetUserLexicon)() = nullptr;
    // The analysis cascade (rules/clause/analysis_walk.cpp) gives a word
    // it split off the category of its reading: checking/syntactic_code.h.
    u8 (*deriveSyntacticCode)(i16 word, i16 reading) = nullptr;
};

extern LayerHooks gLayerHooks;

// Calls a hook of no arguments when it is set.
inline void CallLayerHook(void (*hook)()) {
    if (hook != nullptr) hook();
}
