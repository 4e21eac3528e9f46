#include <gtest/gtest.h>

#include "frame/bounded_array.h"

TEST(BoundedArray, ClampsEveryIndexIntoRange) {
    BoundedArray<u16> a;
    InitShortArray(a, 4);
    for (i32 i = 0; i < 4; ++i) a[i] = static_cast<u16>(10 + i);
    EXPECT_EQ(*GetShortAt(a, -5), 10);
    EXPECT_EQ(*GetShortAt(a, 4 + 3), 13);
    EXPECT_EQ(*GetShortAt(a, 2), 12);
    *GetShortAt(a, 99) = 7;
    EXPECT_EQ(a[3], 7);
}

TEST(BoundedArray, ViewsAreNeverFreedAndMatricesOwnTheirRows) {
    static u8 bytes[3] = {1, 2, 3};
    BoundedArray<u8> v;
    v.View(bytes, 3);
    EXPECT_EQ(v.owns, 0);
    EXPECT_EQ(v.valid, 1);
    v.Release();
    EXPECT_EQ(bytes[2], 3);

    BoundedArray<BoundedArray<u8>> m;
    InitByteMatrix(m, 5, 36);
    EXPECT_EQ(m.count, 5u);
    EXPECT_EQ(GetSubArrayAt(m, 9)->count, 36u);
    EXPECT_EQ(GetSubArrayAt(m, 9), &m.data[4]);
}
