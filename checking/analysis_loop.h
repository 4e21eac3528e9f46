// Analysis-mode rule loop: restructures and corrects the sentence in the
// word table for the sentence-analysis renderers instead of reporting.
#pragma once
#include "frame/types.h"

// option: passed on to the correction composer. Returns 0.
u16 RunGrammarRulesOnSentence(u16 option);
