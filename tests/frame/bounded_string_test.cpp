#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "frame/bounded_string.h"
#include "frame/tables.h"

namespace {

BoundedString Make(u32 capacity, const char* text) {
    BoundedString s;
    InitByteArray(s, capacity);
    CopyCString(s, text);
    return s;
}

std::string Text(const BoundedString& s) {
    return std::string(reinterpret_cast<const char*>(s.data), static_cast<size_t>(GetStringLength(s)));
}

}  // namespace

TEST(BoundedString, LengthStopsAtTerminatorOrCapacity) {
    BoundedString invalid;
    EXPECT_EQ(GetStringLength(invalid), 0);
    static u8 raw[4] = {'a', 'b', 'c', 'd'};
    BoundedString view;
    view.View(raw, 4);
    EXPECT_EQ(GetStringLength(view), 4);
    EXPECT_EQ(GetStringLength(Make(36, "chat")), 4);
}

TEST(BoundedString, CopiesAreCutToCapacityAndClearTheRest) {
    std::string fifty(50, 'x');
    BoundedString s = Make(36, fifty.c_str());
    EXPECT_EQ(Text(s), std::string(35, 'x'));
    EXPECT_EQ(s[35], 0);

    CopyCString(s, "ab");
    for (i32 k = 2; k < 36; ++k) ASSERT_EQ(s[k], 0) << k;

    BoundedString small = Make(4, "zzz");
    CopyString(small, Make(36, "abcdef"));
    EXPECT_EQ(Text(small), "abc");
    BoundedString invalid;
    CopyString(small, invalid);
    EXPECT_EQ(Text(small), "abc");
}

TEST(BoundedString, AppendFillsOnlyTheFreeRoom) {
    std::string full(35, 'y');
    BoundedString s = Make(36, full.c_str());
    AppendCString(s, "z");
    EXPECT_EQ(Text(s), full);

    BoundedString five = Make(5, "ab");
    AppendString(five, Make(36, "cdef"));
    EXPECT_EQ(Text(five), "abcd");
    EXPECT_EQ(five[4], 0);

    BoundedString invalid;
    AppendString(five, invalid);
    AppendCString(invalid, "x");
    EXPECT_EQ(Text(five), "abcd");
}

TEST(BoundedString, AppendOfItselfDoublesTheText) {
    Work36 w;
    CopyCString(w.s, "ab");
    AppendString(w.s, w.s);
    AppendByteToString(w.s, '!');
    EXPECT_EQ(Text(w.s), "abab!");
    AppendBytesToString(w.s, w.bytes, 3);
    EXPECT_EQ(Text(w.s), "abab!aba");
}

// The exact tests and TextCopy take an invalid string as empty, where
// CompareWordText, CompareStrings and CopyString find it equal to anything
// or leave the target alone.
TEST(BoundedString, WorkTextHelpersTakeAnInvalidStringAsEmpty) {
    BoundedString invalid;
    Work36 w;
    CopyCString(w.s, "chat");
    EXPECT_FALSE(TextEquals(invalid, "chat"));
    EXPECT_TRUE(TextEquals(invalid, ""));
    EXPECT_EQ(CompareWordText(invalid, "chat"), kCompareEqual);
    EXPECT_FALSE(TextSame(invalid, w.s));
    EXPECT_EQ(CompareStrings(invalid, w.s), kCompareEqual);

    TextCopy(w.s, w.s);
    EXPECT_EQ(Text(w.s), "chat");
    CopyString(w.s, invalid);
    EXPECT_EQ(Text(w.s), "chat");
    TextCopy(w.s, invalid);
    EXPECT_EQ(Text(w.s), "");
}

// TextSet writes only the terminator, where TextCopy clears the rest of the
// buffer; both cut to the room. An invalid target is left alone.
TEST(BoundedString, TextSetKeepsTheBytesPastTheTerminator) {
    Work36 set;
    Work36 copied;
    set.Set("abcdef");
    TextCopy(copied.s, set.s);
    set.Set("ab");
    TextCopy(copied.s, Make(36, "ab"));
    EXPECT_EQ(Text(set.s), "ab");
    EXPECT_EQ(Text(copied.s), "ab");
    EXPECT_EQ(set.bytes[3], 'd');
    EXPECT_EQ(copied.bytes[3], 0);

    set.Set(set.bytes + 1, 1);
    EXPECT_EQ(Text(set.s), "b");
    std::string forty(40, 'x');
    set.Set(forty.c_str());
    EXPECT_EQ(set.Length(), 35);
    EXPECT_EQ(set.At(-1), 0);
    EXPECT_EQ(set.At(35), 0);

    BoundedString invalid;
    TextSet(invalid, "x");
    EXPECT_EQ(GetStringLength(invalid), 0);
}

TEST(BoundedString, ExportWritesWholeTextOrEmptyString) {
    BoundedString ten = Make(36, "0123456789");
    char buf[16];
    std::memset(buf, '#', sizeof buf);
    ExportString(buf, ten, 10);
    EXPECT_EQ(buf[0], 0);
    EXPECT_EQ(buf[1], '#');
    ExportString(buf, ten, 11);
    EXPECT_STREQ(buf, "0123456789");
    buf[0] = '#';
    ExportString(buf, ten, 0);
    EXPECT_EQ(buf[0], '#');
    BoundedString invalid;
    ExportString(buf, invalid, 5);
    EXPECT_EQ(buf[0], 0);
}

TEST(BoundedString, FindReportsFirstOneBasedPosition) {
    struct Case { const char* hay; const char* needle; i32 want; };
    const Case cases[] = {
        {"", "", 1}, {"abc", "", 1}, {"ab", "abc", 0}, {"cab", "ab", 2},
        {"abab", "ab", 1}, {"abc", "c", 3}, {"Abc", "a", 0}, {"abc", "abc", 1},
    };
    for (const Case& c : cases) {
        BoundedString hay = Make(36, c.hay);
        EXPECT_EQ(FindCSubstring(hay, c.needle), c.want) << c.hay << " / " << c.needle;
        EXPECT_EQ(FindSubstring(hay, Make(36, c.needle)), c.want) << c.hay << " / " << c.needle;
    }
    BoundedString invalid;
    EXPECT_EQ(FindCSubstring(invalid, "a"), 0);
    EXPECT_EQ(FindSubstring(Make(36, "abc"), invalid), 1);
}

TEST(BoundedString, CompareIsUnsignedBytewiseWithPrefixLess) {
    struct Case { const char* a; const char* b; u16 want; };
    const Case cases[] = {
        {"abc", "abd", 0}, {"abd", "abc", 1}, {"ab", "abc", 0}, {"abc", "ab", 1},
        {"chat", "chat", 2}, {"", "", 2}, {"\x8E", "e", 1},  // é sorts above ASCII
    };
    for (const Case& c : cases) {
        BoundedString a = Make(36, c.a);
        EXPECT_EQ(CompareWordText(a, c.b), c.want) << c.a << " / " << c.b;
        EXPECT_EQ(CompareStrings(a, Make(36, c.b)), c.want) << c.a << " / " << c.b;
    }
    BoundedString invalid;
    EXPECT_EQ(CompareWordText(invalid, "anything"), 2);
    EXPECT_EQ(CompareStrings(Make(36, "a"), invalid), 2);
    // The limit is the shorter capacity: a 3-byte string equals any text it
    // starts.
    EXPECT_EQ(CompareStrings(Make(3, "ab"), Make(36, "ab")), 2);
}

TEST(BoundedString, SubstringCopyNeedsSpanInsideTextAndTarget) {
    struct Case { i16 start; i16 len; const char* want; };
    const Case cases[] = {
        {3, 2, "cd"}, {6, 2, "old"}, {1, 0, ""}, {6, 1, "f"},
        {0, 1, "old"}, {2, -1, "old"}, {1, 6, "abcdef"}, {1, 9, "old"},
    };
    BoundedString src = Make(36, "abcdef");
    for (const Case& c : cases) {
        BoundedString dest = Make(9, "old");
        CopySubstring(src, c.start, c.len, dest);
        EXPECT_EQ(Text(dest), c.want) << c.start << "," << c.len;
    }
    BoundedString tiny = Make(3, "old");
    CopySubstring(src, 1, 3, tiny);  // three characters need four bytes
    EXPECT_EQ(Text(tiny), "ol");

    // The raw form is bounded by the buffer, not by a terminator.
    static u8 raw[6] = {'a', 'b', 0, 'd', 'e', 'f'};
    BoundedString view;
    view.View(raw, 6);
    BoundedString dest = Make(9, "old");
    CopySubstring(view, 4, 2, dest);
    EXPECT_EQ(Text(dest), "old");
    CopySubstringRaw(view, 4, 3, dest);
    EXPECT_EQ(Text(dest), "def");
    CopySubstringRaw(view, 5, 3, dest);
    EXPECT_EQ(Text(dest), "def");
}

TEST(BoundedString, CodesComeFromTheListOfTheirWidth) {
    static u8 list[9] = {'a', 'a', 'a', 'b', 'b', 'b', 'c', 'c', 'c'};
    BoundedString saved = std::move(gEndings3);
    gEndings3.View(list, 9);
    BoundedString dest = Make(11, "old");
    CopyCodeFromTable(3, 2, dest);
    EXPECT_EQ(Text(dest), "ccc");
    CopyCodeFromTable(3, 0, dest);
    EXPECT_EQ(Text(dest), "aaa");
    // Past the end, including indexes whose position would wrap in 16 or
    // 32 bits back into the list.
    CopyCString(dest, "old");
    for (u32 index : {3u, 65536u, 0x55555556u, 0xFFFFFFFFu}) {
        CopyCodeFromTable(3, index, dest);
        EXPECT_EQ(Text(dest), "old") << index;
    }
    CopyCodeFromTable(0, 0, dest);
    CopyCodeFromTable(11, 0, dest);
    EXPECT_EQ(Text(dest), "old");
    gEndings3 = std::move(saved);
}

TEST(BoundedString, SuggestionListKeepsUniqueCandidatesAndTheirFlags) {
    BoundedArray<BoundedString> list;
    InitByteMatrix(list, 24, 36);
    i16 count = 0;

    gPendingSuggestionFlag = 7;
    EXPECT_EQ(AddUniqueSuggestion(Make(36, "a"), count, list), 0);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(gPendingSuggestionFlag, 7);

    EXPECT_EQ(AddUniqueSuggestion(Make(36, "chat"), count, list), 0);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(gSuggestionFlags[0], 7);
    EXPECT_EQ(gPendingSuggestionFlag, 0);
    gPendingSuggestionFlag = 5;
    EXPECT_EQ(AddUniqueSuggestion(Make(36, "chat"), count, list), 0);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(gPendingSuggestionFlag, 5);

    i16 result = 0;
    for (int k = 1; k < 24; ++k) {
        result = AddUniqueSuggestion(Make(36, ("w" + std::to_string(k)).c_str()), count, list);
        EXPECT_EQ(result, k == 23 ? 1 : 0) << k;
    }
    EXPECT_EQ(count, 24);
    EXPECT_EQ(Text(list[23]), "w23");
    // A full list takes nothing more and keeps its last entry.
    EXPECT_EQ(AddUniqueSuggestion(Make(36, "extra"), count, list), 1);
    EXPECT_EQ(count, 24);
    EXPECT_EQ(Text(list[23]), "w23");
    gPendingSuggestionFlag = 0;
}

TEST(BoundedString, BigEndianReaders) {
    const u8 bytes[4] = {0x00, 0x00, 0x01, 0x02};
    EXPECT_EQ(ReadBigEndian32(bytes), 258u);
    EXPECT_EQ(ReadBigEndian16(bytes + 2), 258);
    const u8 high[4] = {0xFF, 0xFE, 0x80, 0x01};
    EXPECT_EQ(ReadBigEndian16(high), 65534);
    EXPECT_EQ(ReadBigEndian32(high), 0xFFFE8001u);
}
