// Source words (UTF-8) to Mac Roman text and dictionary keys.
#include "tools/datacomp/source_text.h"

#include <gtest/gtest.h>

#include <string>

#include "frame/mac_roman_literal.h"

namespace {

TEST(SourceText, EveryMacRomanByteRoundTripsThroughUtf8) {
    for (int b = 0x20; b <= 0xFF; ++b) {
        if (b == 0x7F) continue;
        std::string mr(1, static_cast<char>(b)), back;
        EXPECT_TRUE(Utf8ToMacRoman(MacRomanToUtf8(mr), back)) << b;
        EXPECT_EQ(back, mr) << b;
    }
    std::string out;
    EXPECT_TRUE(Utf8ToMacRoman("cœur à l’été", out));
    EXPECT_EQ(out, MR("cœur à l’été"));
}

TEST(SourceText, UnconvertibleTextIsReported) {
    std::string out;
    EXPECT_FALSE(Utf8ToMacRoman("1ᵉʳ", out));   // superscript letters
    EXPECT_EQ(out, "1??");
    EXPECT_FALSE(Utf8ToMacRoman("a\xC3", out));  // cut sequence
    EXPECT_FALSE(Utf8ToMacRoman("\xFF" "a", out));
    EXPECT_FALSE(Utf8ToMacRoman("\xF0\x9F\x98\x80", out));  // beyond the 16-bit plane
}

TEST(SourceText, DictionaryKeys) {
    struct Case {
        const char* word;
        std::string key;
        KeyStatus status;
    };
    const Case cases[] = {
        {"cœur", "coeur", KeyStatus::kOk},
        {"Œuvre", "oeuvre", KeyStatus::kOk},
        {"ex æquo", "ex aequo", KeyStatus::kOk},
        {"Élan", MR("élan"), KeyStatus::kOk},
        {"déjà", MR("déjà"), KeyStatus::kOk},  // a final à stays 0x88
        {"porte-à-faux", std::string("porte") + "\x9B" "\x8B" "\x9B" + "faux", KeyStatus::kOk},
        {"aujourd'hui", std::string("aujourd") + "\x93" + "hui", KeyStatus::kOk},
        {"aujourd’hui", std::string("aujourd") + "\x93" + "hui", KeyStatus::kOk},
        {"anticonstitutionnellementissim", "anticonstitutionnellementissim", KeyStatus::kOk},
        {"anticonstitutionnellementissime", "anticonstitutionnellementissime", KeyStatus::kTooLong},
        // 16 bytes before the ligatures are spelt out, 32 after
        {"œœœœœœœœœœœœœœœœ", "oeoeoeoeoeoeoeoeoeoeoeoeoeoeoeoe", KeyStatus::kTooLong},
        {"Wrocław", "wroc?aw", KeyStatus::kUnrepresentable},
    };
    for (const Case& c : cases) {
        std::string key;
        EXPECT_EQ(MakeDictionaryKey(c.word, key), c.status) << c.word;
        EXPECT_EQ(key, c.key) << c.word;
    }
}

TEST(SourceText, ReportKeepsCountsAndExamples) {
    SourceTextReport report;
    std::string key;
    for (int i = 0; i < 25; ++i) MakeDictionaryKeyReported("ᵉ", key, report);
    MakeDictionaryKeyReported("anticonstitutionnellementissime", key, report);
    MakeDictionaryKeyReported("chat", key, report);
    EXPECT_EQ(report.unrepresentable, 25u);
    EXPECT_EQ(report.unrepresentableExamples.size(), SourceTextReport::kMaxExamples);
    EXPECT_EQ(report.tooLong, 1u);
    CompileReport summary;
    ReportSourceText(report, summary);
    ASSERT_EQ(summary.lines.size(), 2u);
    EXPECT_NE(summary.lines[1].find("anticonstitutionnellementissime"), std::string::npos);
}

}  // namespace
