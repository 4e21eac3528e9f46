// Correction composer entry.
#include "checking/correction.h"

// Stand-in: gives up on every finding until the correction composer lands.
void ComposeCorrection(BoundedString& /*firstCorrection*/, BoundedString& /*secondCorrection*/,
                       RuleCode /*code*/, i16 /*first*/, i16 /*end*/, u16 /*option*/) {
    gErrorExtent = kNoCorrection;
}
