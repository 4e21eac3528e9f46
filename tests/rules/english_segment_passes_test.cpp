// The joining and linking passes of the English phrase stage on word
// tables built from the compact notation: glue records leave the table,
// a preposition absorbs its phrase, doubled commas go, coordinated records
// get their link byte or become one record, an apposition leaves between
// its commas, analysis mode keeps the records apart, and the comma rule is
// tried at the closing comma only.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "../checking/word_table_fixture.h"
#include "krzlib.h"
#include "rules/english/english_phrase_rules.h"
#include "rules/english/english_segment_passes.h"
#include "rules/rule_words.h"

namespace {

using word_table::Build;

class EnglishSegmentPassTest : public word_table::WordTableTest {
protected:
    void SetUp() override {
        KRZInit(0, 1);
        KRZSetLanguage(0);
        WordTableTest::SetUp();
        gCheckingLanguage = 0;
        gClauseMark = 0;
    }
    void TearDown() override {
        gAnalysisMode = 0;
        WordTableTest::TearDown();
        KRZEnd();
    }
};

// The table after the phrase stage: first word, head and kind of each
// record, and its link when one is set.
std::string Table(const std::string& sentence) {
    Build(sentence);
    gLastRule = 0;
    gLastErrorPos = -1;
    u16 pos = 0;
    CheckEnglishPhraseRules(pos);
    std::string out;
    for (i32 k = 0; k < gSegmentCount; ++k) {
        const SegmentRecord& s = gSegments[k];
        out += (k ? " " : "") + std::to_string(s.FirstWord) + "-" + std::to_string(s.LastWord) + ":" +
               std::to_string(s.SegmentKind);
        if (s.Link != 255) out += "^" + std::to_string(s.Link);
    }
    return out;
}

TEST_F(EnglishSegmentPassTest, GlueRecordsLeaveAndPhrasesJoin) {
    struct Case {
        const char* sentence;
        const char* table;
    } cases[] = {
        // "in and" leave; "out of" absorbs the phrase as one kind-23 record
        {"we/U.5.1 ran/#128.0.14.1 in/p.0.15 and/#16.0.16 out/p.0.15 of/p.0.15 the/h.4.7 house/A.4.10 ./",
         "0-0:24 1-1:14 4-7:23"},
        // a preposition and a kind-24 phrase join as kind 23
        {"he/U.4.1 sat/#128.0.14.1 in/p.0.15 the/h.4.7 garden/A.4.10 ./", "0-0:24 1-1:14 2-4:23"},
        // the comma and the year of a date lose their records
        {"on/p.0.15 May/@.4.10 5th/B.4.8 ,/ 1990/S.8.8 they/U.8.1 met/#128.0.14.1 ./", "0-1:23 2-2:24 5-5:24 6-6:14"},
        // two commas in a row leave no record, three leave one
        {"I/U.5.1 like/#128.0.14.1 tea/A.4.10 ,/ ,/ coffee/A.4.10 ./", "0-0:24 1-1:14 2-2:23 5-5:23"},
        {"I/U.5.1 like/#128.0.14.1 tea/A.4.10 ,/ ,/ ,/ coffee/A.4.10 ./", "0-0:24 1-1:14 2-2:23 5-5:21 6-6:23"},
        // a comma before a conjunction and a verb is absorbed by the conjunction
        {"he/U.4.1 came/#128.0.14.1 ,/ and/#16.0.16 left/#128.0.14.1 ./", "0-0:24 1-1:14 2-3:16 4-4:14"},
        // a second prepositional phrase of the same preposition class after a
        // conjunction is linked to the first
        {"he/U.4.1 sat/#128.0.14.1 in/p.0.15 the/h.4.7 garden/A.4.10 and/#16.0.16 in/p.0.15 the/h.4.7 house/A.4.10 ./",
         "0-0:24 1-1:14 2-4:23 5-5:16 6-8:23^2"},
    };
    for (const Case& c : cases) EXPECT_EQ(Table(c.sentence), c.table) << c.sentence;
}

// The result of the phrase stage on the sentence and the word it names.
std::pair<RuleCode, u16> Finding(const std::string& sentence) {
    Build(sentence);
    gLastRule = 0;
    gLastErrorPos = -1;
    u16 pos = 0;
    const RuleCode r = CheckEnglishPhraseRules(pos);
    return {r, r ? pos : u16{0}};
}

TEST_F(EnglishSegmentPassTest, OperatorsBetweenNumeralsLeave) {
    // "3 + 4" stands as one record
    EXPECT_EQ(Table("it/[.7.1 is/#242.1.14.165 3/S.8.8 +/ 4/S.8.8 ./"), "0-0:24 1-1:14 2-2:23");
}

TEST_F(EnglishSegmentPassTest, CoordinationKeepsTheNumberOfOneColour) {
    // "black and white" as two subject records (set by hand: our phrase
    // stage reads "white" as a predicate): one record of number 1 whose
    // head is the second member
    Build("black/A.4.10 and/#16.0.16 white/C.4.10 is/#242.1.14.165 nice/B.12.10 ./");
    rules::ClearSegmentTable();
    const u8 kinds[] = {24, 16, 24, 14, 10};
    for (u8 k = 0; k < 5; ++k) {
        gSegments[k].FirstWord = gSegments[k].LastWord = k;
        gSegments[k].SegmentKind = kinds[k];
        gSegments[k].Number = k == 0 || k == 2 ? 1 : 0;
    }
    gSegmentCount = 5;
    u16 pos = 0;
    EXPECT_EQ(english::RunEnglishCoordinationPass(pos), 0);
    ASSERT_EQ(gSegmentCount, 3);
    EXPECT_EQ(gSegments[0].Number, 1);
    EXPECT_EQ(gSegments[0].LastWord, 2);
    EXPECT_EQ(gSegments[1].FirstWord, 3);
}

TEST_F(EnglishSegmentPassTest, AppositionBetweenCommas) {
    // the apposition and its first comma leave; its head is marked 92
    EXPECT_EQ(Table("my/m.0.8 brother/A.4.10 ,/ a/h.4.7 Smith/@.4.10 ,/ came/#128.3.14.1 ./"), "0-1:24 5-5:21 6-6:14");
    EXPECT_EQ(gWords[4].FunctionCode, 92);
}

TEST_F(EnglishSegmentPassTest, AnalysisModeDoesNotJoin) {
    struct Case {
        const char* sentence;
        const char* checking;
        const char* analysis;
    } cases[] = {
        // a prepositional phrase and a noun phrase after a conjunction
        {"he/].23.1 sat/#128.3.14.1 in/p.0.15 the/h.4.7 garden/A.4.10 and/#16.0.16 the/h.4.7 man/A.4.10 "
         "sleeps/#128.1.14.1 ./",
         "0-0:24 1-1:14 2-4:23 8-8:14", "0-0:24 1-1:14 2-4:23 5-5:16 6-7:24 8-8:14 9-9:20"},
        // a noun phrase and a predicate between commas
        {"the/e.0.7 man/A.4.10 ,/ happy/B.8.10 ,/ came/#128.3.14.1 ./", "0-1:24 4-4:21 5-5:14",
         "0-1:24 2-2:21 3-3:10 4-4:21 5-5:14 6-6:20"},
    };
    for (const Case& c : cases) {
        gAnalysisMode = 0;
        EXPECT_EQ(Table(c.sentence), c.checking) << c.sentence;
        gAnalysisMode = 1;
        EXPECT_EQ(Table(c.sentence), c.analysis) << c.sentence;
    }
}

TEST_F(EnglishSegmentPassTest, CommaRuleOnlyAtTheClosingComma) {
    // the comma of the second-last record (or the third-last before a
    // closing punctuation record, as analysis mode has them)
    for (const u16 mode : {u16{0}, u16{1}}) {
        gAnalysisMode = mode;
        EXPECT_EQ(Finding("I/U.5.1 like/#128.0.14.1 tea/A.4.10 ,/ coffee/A.4.10 ./"), std::make_pair(RuleCode{40}, u16{3}))
            << mode;
        EXPECT_EQ(gErrorVariant, 'W');
        EXPECT_EQ(Finding("I/U.5.1 like/#128.0.14.1 tea/A.4.10 ,/ coffee/A.4.10 and/#16.0.16 you/\\.10.1 ./").first, 0)
            << mode;
    }
}

TEST_F(EnglishSegmentPassTest, CoordinatedNounPhrasesBecomeOnePluralRecord) {
    EXPECT_EQ(Table("the/h.4.7 cat/A.4.10 and/#16.0.16 the/h.4.7 dog/A.4.10 sleep/#128.0.14.1 ./"), "0-1:24 5-5:14");
    EXPECT_EQ(gSegments[0].Number, 2);
    // in analysis mode two phrases of state 0 are not coordinated
    gAnalysisMode = 1;
    EXPECT_EQ(Table("the/h.4.7 cat/A.4.10 and/#16.0.16 the/h.4.7 dog/A.4.10 sleep/#128.0.14.1 ./"),
              "0-1:24 2-2:16 3-4:24 5-5:14 6-6:20");
}

}  // namespace
