// The category-pair table that both the English reading disambiguation
// and the French locution matcher read: which syntactic category may stand
// before which. The loader copies it into gCategoryPairTable (loader test).
#include <gtest/gtest.h>

#include <string>

#include "frame/tables.h"

namespace {

TEST(CategoryPairTable, HoldsTheWholeTable) {
    const char* rows[19] = {
        "1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1", "1 0 1 1 0 0 0 0 3 0 3 3 3 3 1 0 1 1 3",
        "1 0 1 1 3 1 3 1 3 3 1 3 1 1 1 1 3 1 1", "1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1",
        "1 0 1 1 0 1 0 1 0 1 1 1 1 0 1 1 1 1 1", "1 1 1 1 1 3 1 1 1 1 3 3 1 1 1 1 1 1 1",
        "1 0 1 1 0 1 0 0 0 1 3 0 1 1 1 1 1 1 1", "1 0 0 0 0 0 0 0 1 1 1 0 0 0 0 3 1 0 1",
        "1 3 1 3 3 3 0 1 1 1 1 1 1 3 1 1 1 1 1", "1 0 0 0 0 0 0 0 1 0 1 0 0 0 0 0 0 0 1",
        "1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1", "1 0 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1",
        "1 0 1 1 1 1 1 1 1 1 1 1 1 1 3 1 1 1 1", "1 0 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1",
        "1 1 1 1 1 1 1 1 1 1 1 1 1 1 3 1 1 1 1", "1 0 1 1 1 1 3 1 1 1 1 1 1 1 0 3 1 0 1",
        "1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1", "1 1 1 1 1 1 1 1 1 1 1 1 1 1 3 1 3 1 1",
        "1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1",
    };
    ASSERT_EQ(gCategoryPairSource.count, 361u);
    for (i32 left = 0; left < 19; ++left) {
        std::string got;
        for (i32 right = 0; right < 19; ++right)
            got += (right ? " " : "") + std::to_string(gCategoryPairSource[left * 19 + right]);
        EXPECT_EQ(got, rows[left]) << "row " << left;
    }
    u32 counts[4] = {0, 0, 0, 0};
    for (i32 k = 0; k < 361; ++k) ++counts[gCategoryPairSource[k] & 3];
    EXPECT_EQ(counts[1], 280u);
    EXPECT_EQ(counts[0], 53u);
    EXPECT_EQ(counts[3], 28u);
}

}  // namespace
