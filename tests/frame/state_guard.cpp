// A listener that fails any test leaving behind global state the tests
// after it would inherit in one process: a word record whose arrays no
// longer lie in their block (a copy of the record would then copy the block
// and not the array), or the analysis mode left on (the correction
// finishing and the word services then skip their work). Each test puts
// back what it changes: the suite runs in one process, in any order.
#include <gtest/gtest.h>

#include <string>

#include "frame/records.h"
#include "frame/report.h"
#include "frame/tables.h"

namespace {

std::string Leaks() {
    std::string leaks;
    for (u32 i = 0; i < gWords.count; ++i) {
        // A built record owns its block through its first array.
        if (gWords[i].ReadingLemmaRefs.owns != 0 && !WordRecordIsPacked(gWords[i])) {
            leaks += " word record " + std::to_string(i) + " detached from its block;";
            break;
        }
    }
    if (gAnalysisMode != 0) leaks += " gAnalysisMode " + std::to_string(gAnalysisMode) + ";";
    return leaks;
}

class StateListener : public testing::EmptyTestEventListener {
    void OnTestEnd(const testing::TestInfo&) override {
        const std::string leaks = Leaks();
        if (!leaks.empty()) ADD_FAILURE() << "the test left global state behind it:" << leaks;
    }
};

[[maybe_unused]] const bool gRegistered = [] {
    testing::UnitTest::GetInstance()->listeners().Append(new StateListener);
    return true;
}();

}  // namespace
