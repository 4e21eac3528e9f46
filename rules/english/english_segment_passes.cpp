#include "rules/english/english_segment_passes.h"

namespace english {

// Not built yet: the passes change nothing and find nothing.
void RunEnglishJoiningPasses() {}
RuleCode RunEnglishCoordinationPass(u16& /*out*/) { return 0; }

}  // namespace english
