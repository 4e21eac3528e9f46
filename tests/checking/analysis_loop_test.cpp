// The analysis-mode rule loop on the built-in dictionaries: insertions
// moved out or dropped, findings corrected in the word table, and the loop
// ending on corrections that keep coming back.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "acceptance_fixture.h"
#include "analysis/paragraph_frame.h"
#include "checking/analysis_loop.h"
#include "checking/correction_forms.h"
#include "checking/dispatcher.h"
#include "checking/sentence_check.h"
#include "frame/records.h"
#include "frame/report.h"
#include "word_table_fixture.h"

namespace {

u16 IgnoreHit(i32, i32, RuleCode, u16, u16, const BoundedString&, u16, const StringList&, u16) { return 1; }

class AnalysisLoopTest : public acceptance::AcceptanceTest {
protected:
    void TearDown() override {
        walk_.reset();
        gAnalysisMode = 0;
        gDispatcherTestHook = nullptr;
        acceptance::AcceptanceTest::TearDown();
    }
    // The sentence's words after the driver ran it in analysis mode 1.
    std::string Rewrite(const char* utf8) {
        walk_.reset();
        text_ = acceptance::Utf8ToWindows1252(utf8);
        walk_ = std::make_unique<AnalysisWalk>(text_.c_str(), 0, TokenSet::kParagraph);
        CollectSentence(walk_->walk, true);
        CheckSentence(walk_->walk.copy, 1, 1, 0, 0, IgnoreHit, nullptr, 1, 0, 0, 1);
        return word_table::Texts();
    }
    std::string text_;
    std::unique_ptr<AnalysisWalk> walk_;
};

TEST_F(AnalysisLoopTest, Insertions) {
    Start(3, "chat");
    EXPECT_EQ(Rewrite("Le chat (il dort) mange."), "Le chat mange . CSzero il dort");
    EXPECT_EQ(Rewrite("Le chat (noir) mange."), "Le chat mange .");
    EXPECT_EQ(Rewrite("Le chat (noir mange."), "Le chat ( noir mange .");
}

// Quoted runs: one with a clause goes to the end behind "CSzero", one
// without becomes one word.
TEST_F(AnalysisLoopTest, QuotedRuns) {
    Start(3, "chat");
    EXPECT_EQ(Rewrite("Il dit \"le chat dort\" souvent."), "Il dit souvent . CSzero le chat dort");
    EXPECT_EQ(Rewrite("Il aime \"le grand chat\" beaucoup."), "Il aime le-grand-chat beaucoup .");
    EXPECT_EQ(gWords[2].QuoteFlags, 16);
}

// A dispatcher that reports the same finding whatever the table holds:
// the loop remembers the attempt and ends.
u32 gCalls = 0;
RuleCode SameFinding(u16) {
    ++gCalls;
    gLastRule = 45;
    gLastErrorPos = 0;
    gErrorExtent = 1;
    return 45;
}

TEST_F(AnalysisLoopTest, EndsOnARepeatedFinding) {
    Start(3, "chat");
    Rewrite("Le chat dort.");
    gDispatcherTestHook = SameFinding;
    gCalls = 0;
    gAnalysisMode = 1;
    RunGrammarRulesOnSentence(1);
    EXPECT_GT(gCalls, 0u);
    EXPECT_LE(gCalls, 512u);
    EXPECT_LE(gWordCount, 127);
}

// A repeated word reported once: the span of two words becomes one.
RuleCode RepeatedWord(u16) {
    if (gLastRule >= 16 || word_table::Text(gWords[1].WordText) != word_table::Text(gWords[2].WordText)) return 0;
    gLastRule = 16;
    gLastErrorPos = 2;
    gErrorExtent = 0;
    return 16;
}

TEST_F(AnalysisLoopTest, CorrectsInPlace) {
    Start(3, "chat");
    Rewrite("Le chat chat dort.");
    gDispatcherTestHook = RepeatedWord;
    gAnalysisMode = 1;
    RunGrammarRulesOnSentence(1);
    EXPECT_EQ(word_table::Texts(), "Le chat dort .");
    EXPECT_GE(gWords[2].ReadingClasses[0], 128) << "the word after moved down whole";
}

// A correction restarts the loop from the start only when its own form
// ranking left errors: a flag left by an earlier correction does not.
std::vector<u16> gEntryRules;
RuleCode HyphenatedWord(u16) {
    gEntryRules.push_back(gLastRule);
    for (i32 k = 0; k < gWordCount && gLastRule < 39; ++k) {
        if (word_table::Text(gWords[k].WordText).find('-') == std::string::npos) continue;
        gLastRule = 39;
        gLastErrorPos = static_cast<i16>(k);
        gErrorVariant = 'A';
        gErrorExtent = 1;
        return 39;
    }
    return 0;
}

TEST_F(AnalysisLoopTest, RestartsOnlyAfterItsOwnRanking) {
    Start(3, "chat");
    Rewrite("Il viendra peut-être demain.");
    gDispatcherTestHook = HyphenatedWord;
    gEntryRules.clear();
    gAnalysisMode = 1;
    gBestFormHasErrors = 1;
    RunGrammarRulesOnSentence(1);
    EXPECT_EQ(word_table::Texts(), "Il viendra peut \x90tre demain .");
    ASSERT_EQ(gEntryRules.size(), 2u);
    EXPECT_EQ(gEntryRules[1], 39) << "the loop went on from the finding";
}

TEST_F(AnalysisLoopTest, ExpectedFailures) {
    Start(3, "chat");
    const std::string words = Rewrite("Il a manger sa soupe.");
    if (words == "Il a mangé sa soupe .") ADD_FAILURE() << "passes now: remove its expected-failure mark";
    else std::cout << "[ xfail ] Il a manger sa soupe.: \"manger\" is read as a noun, so 46 never fires: " << words
                   << "\n";
}

}  // namespace
