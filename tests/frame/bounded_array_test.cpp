#include <gtest/gtest.h>

#include "frame/bounded_array.h"
#include "tests/frame/clamp_guard.h"

TEST(BoundedArray, ClampsEveryIndexIntoRange) {
    BoundedArray<u16> a;
    InitShortArray(a, 4);
    for (i32 i = 0; i < 4; ++i) a[i] = static_cast<u16>(10 + i);
    EXPECT_EQ(*GetShortAt(a, -5), 10);
    EXPECT_EQ(*GetShortAt(a, 4 + 3), 13);
    EXPECT_EQ(*GetShortAt(a, 2), 12);
    *GetShortAt(a, 99) = 7;
    EXPECT_EQ(a[3], 7);
    // Test and sanitizer builds count each clamp of operator[]; an intended
    // one, written ClampedAt, is not counted.
    EXPECT_EQ(a.ClampedAt(-1), 10);
    EXPECT_EQ(a.ClampedAt(4), 7);
#ifdef KRZ_COUNT_CLAMPS
    EXPECT_EQ(TakeClamps(), 3u);
#endif
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
    TakeClamps();  // the two clamps above are the rule under test
}

TEST(BoundedArray, StringTablesOfLiteralsAreViews) {
    static const char* const kWords[] = {"le", "", "chat"};
    BoundedArray<BoundedString> t;
    BuildStringArrayFromLiterals(t, 3, kWords);
    EXPECT_EQ(t.count, 3u);
    EXPECT_EQ(t.owns, 1);
    const BoundedString& chat = *GetSubArrayAt(t, 2);
    EXPECT_EQ(chat.data, reinterpret_cast<const u8*>(kWords[2]));
    EXPECT_EQ(chat.count, 5u);
    EXPECT_EQ(chat.last, 4);
    EXPECT_EQ(chat.owns, 0);
    EXPECT_EQ(chat.ClampedAt(99), 0);  // the clamp lands on the terminator
    EXPECT_EQ(GetSubArrayAt(t, 1)->count, 1u);
    FreeArrayOfArrays(t);
    EXPECT_STREQ(kWords[2], "chat");
}

TEST(BoundedArray, DeletingDestructorHonoursItsFlags) {
    // Under the sanitizers a wrong free or a leak shows here.
    auto* one = new BoundedArray<u8>;
    one->Allocate(10);
    EXPECT_EQ(DeleteBoundedArray(one, 0), one);
    EXPECT_EQ(one->valid, 0);
    DeleteBoundedArray(one, 1);

    auto* many = new BoundedArray<u16>[3];
    for (int k = 0; k < 3; ++k) many[k].Allocate(4);
    DeleteBoundedArray(many, 2, 3);
    EXPECT_EQ(many[2].owns, 0);
    EXPECT_EQ(many[2].count, 0u);
    DeleteBoundedArray(many, 3);
}

TEST(BoundedArray, EmptyHeadersReadZeroInsteadOfCrashing) {
    BoundedArray<u32> never_filled;
    EXPECT_EQ(never_filled[5], 0u);
    BoundedArray<BoundedArray<u16>> matrix;
    EXPECT_EQ((*GetSubArrayAt(matrix, 3))[7], 0);
    BoundedArray<u8> absent;
    absent.View(nullptr, 100);
    EXPECT_EQ(absent.count, 0u);
    EXPECT_EQ(absent[50], 0);
    TakeClamps();  // the clamps above are the rule under test
}
