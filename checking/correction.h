// Correction composer: the replacement text(s) for one reported error.
#pragma once
#include "frame/report.h"

// Builds up to two corrections (strings of 72 bytes) for the words
// first..end - 1 of a finding of `code`; `option` is passed through to the
// per-rule texts. Leaves gErrorExtent at kNoCorrection when it gives up.
void ComposeCorrection(BoundedString& firstCorrection, BoundedString& secondCorrection,
                       RuleCode code, i16 first, i16 end, u16 option);
