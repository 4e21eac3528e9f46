// The shared rule helpers: literal tests with the capital of word 0, the
// resume gate and the report commit, record removal in the segment table.
#include <gtest/gtest.h>

#include <string>

#include "../checking/word_table_fixture.h"
#include "rules/rule_words.h"

namespace {

using word_table::Build;

class RuleWordsTest : public word_table::WordTableTest {};

TEST_F(RuleWordsTest, LiteralsAndTheCapitalOfWordZero) {
    Build("The cat saw The MAY ./");
    gWords[0].WordCaseMode = 1;
    gWords[3].WordCaseMode = 1;
    gWords[4].WordCaseMode = 3;
    EXPECT_TRUE(rules::Is(0, "the"));
    EXPECT_TRUE(rules::Is(0, "The"));
    EXPECT_TRUE(rules::Is(-1, "the")) << "word -1 reads word 0";
    EXPECT_FALSE(rules::Is(3, "the")) << "only word 0 is lowered";
    EXPECT_FALSE(rules::Is(4, "may")) << "all capitals stay exact";
    EXPECT_TRUE(rules::IsAnyCase(4, "May"));
    EXPECT_FALSE(rules::Is(1, "ca"));
    EXPECT_TRUE(rules::Begins(1, "ca"));
    EXPECT_TRUE(rules::Contains(2, "a"));
    EXPECT_TRUE(rules::Ends(2, "aw"));
    gWords[0].WordCaseMode = 3;
    EXPECT_FALSE(rules::Is(0, "the"));
}

// Begins, contains and ends read word 0 with its capital initial lowered
// too, an accented capital included; other words and words in capitals
// as written.
TEST_F(RuleWordsTest, PartialLiteralsAndTheCapitalOfWordZero) {
    struct Case {
        const char* sentence;
        i32 word;
        const char *begins, *contains, *ends;  // the literals (UTF-8)
        bool begun, contained, ended;
    } cases[] = {
        {"Whoever/A~1 came ./", 0, "who", "who", "whoever", true, true, true},
        {"whoever came ./", 0, "who", "who", "whoever", true, true, true},
        {"WHOEVER/A~3 came ./", 0, "who", "who", "whoever", false, false, false},
        {"and Whoever/A~1 ./", 1, "who", "ho", "whoever", false, true, false},
        {"Était/A~1 là ./", 0, "étai", "éta", "était", true, true, true},
        {"il Était/A~1 ./", 1, "étai", "éta", "était", false, false, false},
    };
    for (const Case& c : cases) {
        Build(c.sentence);
        const std::string b = word_table::ToMacRoman(c.begins);
        const std::string n = word_table::ToMacRoman(c.contains);
        const std::string e = word_table::ToMacRoman(c.ends);
        EXPECT_EQ(rules::Begins(c.word, b.c_str()), c.begun) << c.sentence;
        EXPECT_EQ(rules::Contains(c.word, n.c_str()), c.contained) << c.sentence;
        EXPECT_EQ(rules::Ends(c.word, e.c_str()), c.ended) << c.sentence;
    }
}

TEST_F(RuleWordsTest, GateAndCommit) {
    struct Case {
        u16 lastRule;
        i16 lastPos;
        RuleCode code;
        i32 pos;
        bool may;
    } cases[] = {
        {0, -1, 40, 0, true}, {40, 3, 40, 3, false}, {40, 3, 40, 4, true},
        {41, 0, 40, 9, false}, {39, 9, 40, 0, true}, {40, 300, 40, 200, false},
    };
    for (const Case& c : cases) {
        gLastRule = c.lastRule;
        gLastErrorPos = c.lastPos;
        EXPECT_EQ(rules::MayReport(c.code, c.pos), c.may) << c.lastRule << "@" << c.lastPos << " " << c.code << "@" << c.pos;
    }
    gLastRule = 7;
    gLastErrorPos = 2;
    rules::RuleReport r;
    r.code = 44;
    r.pos = 5;
    r.variant = 'S';
    r.extent = 127;
    u16 out = 0;
    EXPECT_EQ(rules::Commit(r, out), 44);
    EXPECT_EQ(out, 5);
    EXPECT_EQ(gErrorVariant, 'S');
    EXPECT_EQ(gErrorExtent, 127);
    EXPECT_EQ(gLastRule, 7) << "the dispatcher records";
    EXPECT_EQ(gLastErrorPos, 2);
}

TEST_F(RuleWordsTest, SegmentRecordRemovalKeepsLinks) {
    rules::ClearSegmentTable();
    EXPECT_EQ(gSegments[127].Link, 255);
    // Records 0..7; records 3 and 4 leave, record 2 stands for them.
    const u8 links[8] = {255, 0, 254, 2, 3, 4, 1, 6};
    for (i32 k = 0; k < 8; ++k) {
        gSegments[k].FirstWord = static_cast<u8>(k);
        gSegments[k].Link = links[k];
    }
    gSegmentCount = 8;
    rules::RemoveSegmentRecords(2, 2);
    ASSERT_EQ(gSegmentCount, 6);
    const u8 first[6] = {0, 1, 2, 5, 6, 7};
    const u8 expected[6] = {255, 0, 254, 2, 1, 4};  // into -> standing, past -> -2
    for (i32 k = 0; k < 6; ++k) {
        EXPECT_EQ(gSegments[k].FirstWord, first[k]) << k;
        EXPECT_EQ(gSegments[k].Link, expected[k]) << k;
    }
    EXPECT_EQ(rules::AdjustSegmentLink(65535, 2, 2), 65535);
    EXPECT_EQ(rules::AdjustSegmentLink(4, 2, 2), 2);
    EXPECT_EQ(rules::AdjustSegmentLink(9, 2, 2), 7);
    rules::RemoveSegmentRecords(4, 5);  // more than stand after it: only those leave
    EXPECT_EQ(gSegmentCount, 5);
}

}  // namespace
