// Everything a dictionary answer depends on besides the word and the call's
// own arguments: the checking language, the lookup options, the tables
// installed and the user lexicon. The memos of answers compare it on every
// question and forget what they hold when it changed.
#pragma once
#include "frame/types.h"

struct AnswerContext {
    u16 language = 0xFFFF;
    u16 variantA = 0, variantB = 0, medical = 0, langUniq = 0;
    u16 accentsOnCapitals = 0, analysisMode = 0, englishLoaded = 0;
    u16 lexSuspended = 0;
    u32 installCount = 0;
    u32 lexEdits = 0;
    const void* dictBody = nullptr;
    const void* lexBody = nullptr;
    bool operator==(const AnswerContext&) const = default;
};

AnswerContext CurrentAnswerContext();
