// A listener that fails any test leaving gClampCount raised: an unmarked
// clamp of the container hides a fault (an index outside its table) from the
// sanitizers. Registered before main, beside GoogleTest's own printer.
#include "tests/frame/clamp_guard.h"

#include <gtest/gtest.h>

#include "frame/bounded_array.h"

namespace {

u32 gClampsAtStart = 0;

class ClampListener : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { gClampsAtStart = gClampCount; }
    void OnTestEnd(const testing::TestInfo&) override {
        const u32 clamps = gClampCount - gClampsAtStart;
        if (clamps != 0) {
            ADD_FAILURE() << clamps << " unmarked clamp(s) of the container; the last: index "
                          << gClampLastIndex << " into a table whose last index is " << gClampLastLimit
                          << " (a fault to mend, or an intended read past the end to write as "
                             "ClampedAt; KRZ_CLAMP_TRACE=1 in a sanitizer build prints each stack)";
        }
    }
};

[[maybe_unused]] const bool gRegistered = [] {
#ifdef KRZ_COUNT_CLAMPS
    testing::UnitTest::GetInstance()->listeners().Append(new ClampListener);
#endif
    return true;
}();

}  // namespace

u32 TakeClamps() {
    const u32 clamps = gClampCount - gClampsAtStart;
    gClampsAtStart = gClampCount;
    return clamps;
}
