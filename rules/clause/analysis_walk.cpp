// The verb-segment walk of the analysis cascade.
#include "rules/clause/analysis_cascade.h"

RuleCode WalkVerbSegments(AnalysisFrame&, u16&) { return 0; }
