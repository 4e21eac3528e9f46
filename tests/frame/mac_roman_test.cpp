#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "frame/mac_roman.h"
#include "frame/mac_roman_literal.h"

namespace {

// Windows-1252 -> Mac Roman, from the published mappings of both code pages,
// with the ten exchanged extra pairs (the soft hyphen 0xAD takes the Apple
// logo 0xF0) and '?' for the 16 bytes without a counterpart (the cedilla
// 0xB8 among them).
constexpr u8 kExpectedToMac[128] = {
    0xDB, 0x3F, 0xE2, 0xC4, 0xE3, 0xC9, 0xA0, 0xE0,  // 80
    0xF6, 0xE4, 0x3F, 0xDC, 0xCE, 0x3F, 0x3F, 0x3F,  // 88
    0x3F, 0xD4, 0xD5, 0xD2, 0xD3, 0xA5, 0xD0, 0xD1,  // 90
    0xF7, 0xAA, 0x3F, 0xDD, 0xCF, 0x3F, 0x3F, 0xD9,  // 98
    0xCA, 0xC1, 0xA2, 0xA3, 0x3F, 0xB4, 0x3F, 0xA4,  // A0
    0xAC, 0xA9, 0xBB, 0xC7, 0xC2, 0xF0, 0xA8, 0xF8,  // A8
    0xA1, 0xB1, 0xB2, 0xB3, 0xAB, 0xB5, 0xA6, 0xE1,  // B0
    0x3F, 0xB6, 0xBC, 0xC8, 0xB7, 0xB8, 0xB9, 0xC0,  // B8
    0xCB, 0xE7, 0xE5, 0xCC, 0x80, 0x81, 0xAE, 0x82,  // C0
    0xE9, 0x83, 0xE6, 0xE8, 0xED, 0xEA, 0xEB, 0xEC,  // C8
    0x3F, 0x84, 0xF1, 0xEE, 0xEF, 0xCD, 0x85, 0xBA,  // D0
    0xAF, 0xF4, 0xF2, 0xF3, 0x86, 0xBD, 0x3F, 0xA7,  // D8
    0x88, 0x87, 0x89, 0x8B, 0x8A, 0x8C, 0xBE, 0x8D,  // E0
    0x8F, 0x8E, 0x90, 0x91, 0x93, 0x92, 0x94, 0x95,  // E8
    0x3F, 0x96, 0x98, 0x97, 0x99, 0x9B, 0x9A, 0xD6,  // F0
    0xBF, 0x9D, 0x9C, 0x9E, 0x9F, 0xC3, 0x3F, 0xD8,  // F8
};

// Mac Roman -> Windows-1252 (0xDB is the euro sign; the cedilla 0xFC and the
// 15 signs missing from Windows-1252 give '?').
constexpr u8 kExpectedFromMac[128] = {
    0xC4, 0xC5, 0xC7, 0xC9, 0xD1, 0xD6, 0xDC, 0xE1,  // 80
    0xE0, 0xE2, 0xE4, 0xE3, 0xE5, 0xE7, 0xE9, 0xE8,  // 88
    0xEA, 0xEB, 0xED, 0xEC, 0xEE, 0xEF, 0xF1, 0xF3,  // 90
    0xF2, 0xF4, 0xF6, 0xF5, 0xFA, 0xF9, 0xFB, 0xFC,  // 98
    0x86, 0xB0, 0xA2, 0xA3, 0xA7, 0x95, 0xB6, 0xDF,  // A0
    0xAE, 0xA9, 0x99, 0xB4, 0xA8, 0x3F, 0xC6, 0xD8,  // A8
    0x3F, 0xB1, 0xB2, 0xB3, 0xA5, 0xB5, 0xB9, 0xBC,  // B0
    0xBD, 0xBE, 0xD7, 0xAA, 0xBA, 0xDD, 0xE6, 0xF8,  // B8
    0xBF, 0xA1, 0xAC, 0xFD, 0x83, 0x3F, 0x3F, 0xAB,  // C0
    0xBB, 0x85, 0xA0, 0xC0, 0xC3, 0xD5, 0x8C, 0x9C,  // C8
    0x96, 0x97, 0x93, 0x94, 0x91, 0x92, 0xF7, 0x3F,  // D0
    0xFF, 0x9F, 0x3F, 0x80, 0x8B, 0x9B, 0x3F, 0x3F,  // D8
    0x87, 0xB7, 0x82, 0x84, 0x89, 0xC2, 0xCA, 0xC1,  // E0
    0xCB, 0xC8, 0xCD, 0xCE, 0xCF, 0xCC, 0xD3, 0xD4,  // E8
    0xAD, 0xD2, 0xDA, 0xDB, 0xD9, 0x3F, 0x88, 0x98,  // F0
    0xAF, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F,  // F8
};

// Bytes of each code page that have no counterpart in the other.
// The soft hyphen and the Apple logo are exchanged.
constexpr u8 kWinWithoutMac[16] = {0x81, 0x8D, 0x8F, 0x90, 0x9D, 0x8A, 0x8E, 0x9A,
                                   0x9E, 0xA4, 0xA6, 0xB8, 0xD0, 0xDE, 0xF0, 0xFE};
constexpr u8 kMacWithoutWin[16] = {0xAD, 0xB0, 0xC5, 0xC6, 0xD7, 0xDA, 0xDE, 0xDF,
                                   0xF5, 0xF9, 0xFA, 0xFB, 0xFC, 0xFD, 0xFE, 0xFF};

bool Contains(const u8 (&list)[16], u32 b) {
    for (u8 x : list) {
        if (x == b) return true;
    }
    return false;
}

BoundedString MakeString(const std::string& text, u32 capacity) {
    BoundedString s;
    s.Allocate(capacity);
    std::memcpy(s.data, text.data(), std::min<std::size_t>(text.size(), capacity));
    return s;
}

std::string Text(const BoundedString& s) {
    std::size_t n = 0;
    while (n < s.count && s.data[n] != 0) ++n;
    return std::string(reinterpret_cast<const char*>(s.data), n);
}

// Restores the global mode whatever a test sets.
class MacRomanConversion : public ::testing::Test {
protected:
    void SetUp() override { gMacRomanMode = 0; }
    void TearDown() override { gMacRomanMode = 0; }
};

}  // namespace

TEST(MacRomanLiteral, ConvertsUtf8AtCompileTime) {
    static_assert(MRC("œ") == 0xCF && MRC("€") == 0xDB && MRC("\u00A0") == 0xCA);
    static_assert("Noël"_mr.size() == 4 && "Noël"_mr[2] == 0x91);
    static const char* const kWords[] = {MR("cœur"), MR("déjà")};
    EXPECT_STREQ(kWords[0], "c\xCF" "ur");
    EXPECT_STREQ(kWords[1], "d\x8Ej\x88");
    EXPECT_EQ(MR("cœur"), kWords[0]);  // one static object per literal
    EXPECT_EQ(MRU("à")[0], 0x88);
}

TEST_F(MacRomanConversion, TablesFollowThePublishedMappingsWithQuestionMarkForMissing) {
    for (u32 i = 0; i < 128; ++i) {
        SCOPED_TRACE(testing::Message() << "byte 0x" << std::hex << 0x80 + i);
        EXPECT_EQ(kWin1252ToMacRoman[i], kExpectedToMac[i]);
        EXPECT_EQ(kMacRomanToWin1252[i], kExpectedFromMac[i]);
        // Exactly the listed bytes lack a counterpart; none becomes 0x00 or
        // a byte that could be mistaken for a character of the other side.
        EXPECT_EQ(kWin1252ToMacRoman[i] == '?', Contains(kWinWithoutMac, 0x80 + i));
        EXPECT_EQ(kMacRomanToWin1252[i] == '?', Contains(kMacWithoutWin, 0x80 + i));
        EXPECT_NE(kMacRomanToWin1252[i], 0);
        EXPECT_NE(kWin1252ToMacRoman[i], 0xFF);
    }
    // The exchanged extra pairs.
    const u8 extra[][2] = {{0xB2, 0xB2}, {0xB3, 0xB3}, {0xB9, 0xB6}, {0xBC, 0xB7}, {0xBD, 0xB8},
                           {0xBE, 0xB9}, {0xD7, 0xBA}, {0xDD, 0xBD}, {0xFD, 0xC3}};
    for (const auto& p : extra) {
        EXPECT_EQ(ConvertCharToMacRoman(p[0]), p[1]);
        EXPECT_EQ(ConvertCharFromMacRoman(p[1]), p[0]);
    }
}

TEST_F(MacRomanConversion, SharedCharactersSurviveARoundTrip) {
    for (u32 c = 1; c < 256; ++c) {
        u8 b = static_cast<u8>(c);
        if (!Contains(kWinWithoutMac, c)) {
            EXPECT_EQ(ConvertCharFromMacRoman(ConvertCharToMacRoman(b)), b) << std::hex << c;
        }
        if (!Contains(kMacWithoutWin, c)) {
            EXPECT_EQ(ConvertCharToMacRoman(ConvertCharFromMacRoman(b)), b) << std::hex << c;
        }
    }
}

TEST_F(MacRomanConversion, StringConversionsKeepEveryByteAndTheLength) {
    std::string all;
    for (u32 c = 0x20; c < 256; ++c) all.push_back(static_cast<char>(c));

    BoundedString s = MakeString(all, 300);
    ConvertInputToMacRoman(s);
    ASSERT_EQ(Text(s).size(), all.size());
    for (std::size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(s.data[i], ConvertCharToMacRoman(static_cast<u8>(all[i])));
    }

    std::string out = all;
    ConvertOutputFromMacRoman(out.data());
    ASSERT_EQ(std::strlen(out.c_str()), all.size());  // no host string cut short
    for (std::size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(static_cast<u8>(out[i]), ConvertCharFromMacRoman(static_cast<u8>(all[i])));
    }

    // Input stops at the terminator and at the capacity.
    BoundedString cut = MakeString(std::string("\xE9\xE9\0\xE9", 4), 4);
    ConvertInputToMacRoman(cut);
    EXPECT_EQ(cut.data[1], 0x8E);
    EXPECT_EQ(cut.data[3], 0xE9);
    u8 raw[3] = {0xE9, 0xE9, 0xE9};
    BoundedString view;
    view.View(raw, 2);
    ConvertInputToMacRoman(view);
    EXPECT_EQ(raw[1], 0x8E);
    EXPECT_EQ(raw[2], 0xE9);
    ConvertOutputFromMacRoman(nullptr);
}

TEST_F(MacRomanConversion, MacRomanModeOneLeavesAllFourConversionsAlone) {
    for (u16 mode : {0, 1, 2}) {
        gMacRomanMode = mode;
        bool off = mode == 1;
        EXPECT_EQ(ConvertCharToMacRoman(0xE9), off ? 0xE9 : 0x8E);
        EXPECT_EQ(ConvertCharFromMacRoman(0x8E), off ? 0x8E : 0xE9);
        BoundedString s = MakeString("\xE9t\xE9", 8);
        ConvertInputToMacRoman(s);
        EXPECT_EQ(Text(s), off ? "\xE9t\xE9" : "\x8Et\x8E");
        char text[] = "\x8Et\x8E";
        ConvertOutputFromMacRoman(text);
        EXPECT_STREQ(text, off ? "\x8Et\x8E" : "\xE9t\xE9");
    }
}

TEST(MacRomanCase, MappingAndLetterSets) {
    struct Case {
        u8 c, lower, upper;
        u16 isUpper, isLetter;
    };
    const Case cases[] = {
        {'A', 'a', 'A', 1, 1},   {'z', 'z', 'Z', 0, 1},   {'@', '@', '@', 0, 0},
        {'[', '[', '[', 0, 0},   {0x80, 0x8A, 0x80, 1, 1},  // Ä
        {0x8A, 0x8A, 0x80, 0, 1},                           // ä
        {0xCE, 0xCF, 0xCE, 1, 1},                           // Œ
        {0xCF, 0xCF, 0xCE, 0, 1},                           // œ
        {0xD9, 0xD8, 0xD9, 1, 1},                           // Ÿ
        {0xD8, 0xD8, 0xD9, 0, 1},                           // ÿ
        {0xCD, 0x9B, 0xCD, 1, 1},                           // Õ
        {0x9B, 0x9B, 0xCD, 0, 1},                           // õ, the hyphen mark
        {0x81, 0x81, 0x81, 1, 1},                           // Å: no partner
        {0x8C, 0x8C, 0x8C, 0, 0},                           // å
        {0xAF, 0xAF, 0xAF, 0, 0},                           // Ø
        {0xBF, 0xBF, 0xBF, 0, 0},                           // ø
        {0xED, 0xED, 0xED, 1, 1},                           // Ì
        {0x93, 0x93, 0x93, 0, 0},                           // ì
        {0xF1, 0xF1, 0xF1, 1, 1},                           // Ò
        {0x98, 0x98, 0x98, 0, 0},                           // ò
        {0xA7, 0xA7, 0xA7, 0, 0},                           // ß
        {0xF0, 0xF0, 0xF0, 0, 0},  {0xF5, 0xF5, 0xF5, 0, 0},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << "byte 0x" << std::hex << int(k.c));
        EXPECT_EQ(ToLowerMacRoman(k.c), k.lower);
        EXPECT_EQ(ToUpperMacRoman(k.c), k.upper);
        EXPECT_EQ(IsUpperMacRoman(k.c), k.isUpper);
        EXPECT_EQ(IsLetterMacRoman(k.c), k.isLetter);
    }
    // The pairs are each other's inverses: 26 ASCII plus 25 accented.
    int pairs = 0;
    for (u32 c = 0; c < 256; ++c) {
        u8 b = static_cast<u8>(c);
        if (ToLowerMacRoman(b) == b) continue;
        ++pairs;
        EXPECT_EQ(ToUpperMacRoman(ToLowerMacRoman(b)), b);
        EXPECT_EQ(IsUpperMacRoman(b), 1);
        EXPECT_EQ(IsLetterMacRoman(ToLowerMacRoman(b)), 1);
    }
    EXPECT_EQ(pairs, 51);
}

TEST(MacRomanText, CopyLowerCaseClampsAndTerminates) {
    BoundedString src = MakeString(MR("ÉCOLE Œuvre"), 36);
    BoundedString wide;
    wide.Allocate(36);
    std::memset(wide.data, 'x', 36);
    CopyLowerCase(wide, src);
    EXPECT_EQ(Text(wide), MR("école œuvre"));

    BoundedString narrow;
    narrow.Allocate(4);  // three characters and the terminator
    CopyLowerCase(narrow, src);
    EXPECT_EQ(Text(narrow), MR("éco"));
}

TEST(MacRomanText, HasDotBeforeEnd) {
    EXPECT_EQ(HasDotBeforeEnd(MakeString("etc.", 8)), 1);
    EXPECT_EQ(HasDotBeforeEnd(MakeString("a.b", 8)), 1);
    EXPECT_EQ(HasDotBeforeEnd(MakeString("abc", 8)), 0);
    EXPECT_EQ(HasDotBeforeEnd(MakeString(std::string("ab\0.", 4), 8)), 0);  // after the end
    EXPECT_EQ(HasDotBeforeEnd(BoundedString()), 0);
}

TEST(MacRomanText, FlatteningSpellsOutAndRecordsLigatures) {
    struct Case {
        const char* in;
        u16 dropBlanks;
        const char* out;
        u16 first, second;
    };
    const u16 none = kNoLigaturePos;
    const Case cases[] = {
        {MR("cœur"), 0, "coeur", 1, none},
        {MR("Æsop"), 0, "AEsop", 0, none},
        {MR("sœur æ Œ"), 0, "soeur ae OE", 1, 6},  // third not recorded
        {MR("ﬁn ﬂœ"), 0, "fin floe", 6, none},     // ﬁ ﬂ not recorded
        {MR("l’été"), 0, MR("l'été"), none, none},
        {MR("‘a’ «b» “c”"), 0, "'a' \"b\" \"c\"", none, none},
        {MR("a_b–c—d"), 0, "a-b-c-d", none, none},
        {"a\tb\x1F" "c d", 0, "abc d", none, none},
        {MR("a\tb c\u00A0d!"), 1, "abcd!", none, none},
        {MR("a\u00A0b"), 0, MR("a\u00A0b"), none, none},
        {"", 0, "", none, none},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.out);
        BoundedString src = MakeString(k.in, 64);
        BoundedString dest;
        dest.Allocate(36);
        u16 first = 1, second = 1;
        FlattenMacRomanTypography(dest, src, first, second, k.dropBlanks);
        EXPECT_EQ(Text(dest), k.out);
        EXPECT_EQ(first, k.first);
        EXPECT_EQ(second, k.second);

        BoundedString dest2;
        dest2.Allocate(36);
        FlattenMacRomanTypographyCString(dest2, k.in, first, second, k.dropBlanks);
        EXPECT_EQ(Text(dest2), k.out);
        EXPECT_EQ(first, k.first);
    }
}

TEST(MacRomanText, FlatteningClampsToTheDestination) {
    BoundedString dest;
    dest.Allocate(4);
    u16 first = 0, second = 0;
    FlattenMacRomanTypographyCString(dest, MR("abcœ"), first, second, 0);
    EXPECT_EQ(Text(dest), "abc");
    EXPECT_EQ(first, 3);
    EXPECT_EQ(second, kNoLigaturePos);

    FlattenMacRomanTypographyCString(dest, nullptr, first, second, 0);
    EXPECT_EQ(Text(dest), "");
    EXPECT_EQ(first, kNoLigaturePos);
}
