// The report of a qualifier that disagrees with its noun group (41 'X'):
// the one or two forms the correction offers.
#pragma once
#include "frame/report.h"
#include "frame/types.h"

namespace clause_walk {

// Reports qualifier segment i against group segment h (gate passed).
RuleCode ReportGroupDisagreement(i32 i, i32 h, u16& out);

}  // namespace clause_walk
