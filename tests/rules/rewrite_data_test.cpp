// The sentence rewriter on the built-in dictionaries: a sentence is read
// and analysed by the checker's stages, one dispatcher call runs in
// analysis mode, and the rewritten clause table and word table it leaves
// are read.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "../checking/acceptance_fixture.h"
#include "analysis/paragraph_frame.h"
#include "analysis_fixture.h"
#include "checking/analysis_loop.h"
#include "checking/dispatcher.h"
#include "checking/sentence_check.h"
#include "frame/records.h"
#include "frame/report.h"
#include "frame/tables.h"
#include "rules/clause/rewrite.h"
#include "rules/rule_words.h"

namespace {

u16 IgnoreHit(i32, i32, RuleCode, u16, u16, const BoundedString&, u16, const StringList&, u16) { return 1; }

class RewriteDataTest : public acceptance::AcceptanceTest {
protected:
    void TearDown() override {
        walk_.reset();
        gAnalysisMode = 0;
        acceptance::AcceptanceTest::TearDown();
    }
    // The first sentence of `utf8`, analysed as the driver analyses it,
    // then one analysis-mode dispatcher call.
    void Analyse(const char* utf8) {
        walk_.reset();
        text_ = acceptance::Utf8ToWindows1252(utf8);
        walk_ = std::make_unique<AnalysisWalk>(text_.c_str(), 0, TokenSet::kParagraph);
        CollectSentence(walk_->walk, true);
        CheckSentence(walk_->walk.copy, 1, 1, 0, 0, IgnoreHit, nullptr, 1, 0, 0, 0);
        gAnalysisMode = 1;
        gLastRule = 0;
        gLastErrorPos = -1;
        rules::ClearSegmentTable();
        gRewriteSegmentCount = 0;
        gErrorExtent = kNoCorrection;
        gErrorVariant = 0;
        gDispatchMode = gVariantIndex;
        AnalyseAndCheckSentence(gDispatchMode);
    }
    std::string Dump() {
        std::string s = "words:";
        for (i32 k = 0; k < gWordCount; ++k)
            s += " " + word_table::Text(gWords[k].WordText) + "/" + word_table::Readings(k) + "#" +
                 std::to_string(gWords[k].FunctionCode);
        s += "\nsegments: " + analysis_fixture::Segments() + "\nclauses:";
        for (i32 k = 0; k < gRewriteSegmentCount; ++k) {
            const SegmentRecord& c = gRewriteSegments[k];
            s += " " + std::to_string(c.SegmentKind) + ":" + std::to_string(c.FirstWord) + "-" +
                 std::to_string(c.LastWord) + ":" + std::to_string(c.Gender) + "." + std::to_string(c.Number) + "@" +
                 std::to_string(c.Link);
        }
        return s;
    }
    std::string text_;
    std::unique_ptr<AnalysisWalk> walk_;
};

i32 IndexOf(const char* macRoman) {
    for (i32 k = 0; k < gWordCount; ++k)
        if (word_table::Text(gWords[k].WordText) == macRoman) return k;
    return -1;
}

// The subject clauses of the rewritten table.
std::vector<const SegmentRecord*> Subjects() {
    std::vector<const SegmentRecord*> out;
    for (i32 k = 0; k < gRewriteSegmentCount; ++k)
        if (gRewriteSegments[k].SegmentKind == 24) out.push_back(&gRewriteSegments[k]);
    return out;
}

// Coordinated subjects fold into one clause: "et" makes it plural, "ou"
// leaves its number open, and the rewriter accepts both verbs.
TEST_F(RewriteDataTest, FrenchCoordinatedSubjects) {
    Start(3, "chat");
    const struct {
        const char* sentence;
        u8 number;
    } cases[] = {{"Le chat et le chien mangent.", 2}, {"Le chat ou le chien mange.", 0}};
    for (const auto& c : cases) {
        Analyse(c.sentence);
        const auto subjects = Subjects();
        ASSERT_EQ(subjects.size(), 1u) << c.sentence << "\n" << Dump();
        EXPECT_EQ(subjects[0]->Gender, 1) << c.sentence;
        EXPECT_EQ(subjects[0]->Number, c.number) << c.sentence;
        u16 out = 0;
        EXPECT_EQ(RewriteSentence(out), 0) << c.sentence << "\n" << Dump();
    }
}

// A completive clause is one level below its main clause, from "que" on.
TEST_F(RewriteDataTest, FrenchLevels) {
    Start(3, "chat");
    Analyse("Je pense que tu viens.");
    const i32 que = IndexOf("que");
    ASSERT_GE(que, 0);
    ASSERT_GE(gRewriteSegmentCount, 3) << Dump();
    for (i32 k = 0; k < gRewriteSegmentCount; ++k)
        EXPECT_EQ(gRewriteSegments[k].Link, gRewriteSegments[k].FirstWord >= que ? 1 : 0) << Dump();
    EXPECT_EQ(gRewriteSegments[0].Link, 0);
}

// The English passive in its active reading.
TEST_F(RewriteDataTest, EnglishPassive) {
    Start(0, "cat");
    Analyse("The cake was eaten by him.");
    ASSERT_GE(IndexOf("cake"), 0) << Dump();
    EXPECT_EQ(gWords[IndexOf("cake")].FunctionCode, 70) << Dump();
    const i32 he = IndexOf("he");
    ASSERT_GE(he, 0) << Dump();
    EXPECT_EQ(gWords[he].FunctionCode, 75);
    EXPECT_GE(IndexOf("has"), 0) << Dump();
    EXPECT_EQ(IndexOf("was"), -1);
}

// The rebuilt English verb: three words and three one-word clauses after
// the sentence, the verb's base rebuilt from its model. The object stands
// in the verb's clause (one link), as clause membership leaves it, so the
// cascade's own rewriter call appends them.
TEST_F(RewriteDataTest, EnglishRebuiltVerb) {
    Start(0, "cat");
    Analyse("He has a broken leg.");
    ASSERT_EQ(gSegments[2].Link, gSegments[1].Link) << Dump();
    u16 out = 0;
    const i32 marker = IndexOf("REECRITURE");
    ASSERT_GE(marker, 0) << Dump();
    EXPECT_EQ(marker + 3, gWordCount);
    EXPECT_EQ(word_table::Text(gWords[marker + 1].WordText), "leg");
    EXPECT_EQ(gWords[marker + 1].FunctionCode, 75);
    EXPECT_EQ(word_table::Text(gWords[marker + 2].BaseText), "break") << Dump();
    EXPECT_EQ(gSegments[gSegmentCount - 3].FirstWord, marker);
    EXPECT_EQ(gRewriteSegments[gRewriteSegmentCount - 1].FirstWord, marker + 2);
    EXPECT_EQ(gSegments[gSegmentCount].FirstWord, gWordCount);
    // A second run takes the first run's words out before it appends.
    RemoveRewriteWords();
    EXPECT_EQ(RewriteSentence(out), 0);
    EXPECT_EQ(gWordCount, marker + 3);
    // The analysis loop's rounds take them out too: they are never read as
    // words of the sentence, and only its last cascade run's words stay.
    RunGrammarRulesOnSentence(0);
    EXPECT_EQ(IndexOf("REECRITURE"), marker) << Dump();
    EXPECT_EQ(gWordCount, marker + 3);
}

// No rewritten verb without a noun after the adjective, in French, or
// when the three words would take a table's last record.
TEST_F(RewriteDataTest, EnglishRebuiltVerbHeld) {
    Start(0, "cat");
    const struct {
        u16 language;
        u8 nounClass;
        i32 padTo;  // words of the sentence, the rest copies of its full stop
        i32 words;  // after the rewriter
    } cases[] = {{0, 'A', 0, 9}, {3, 'A', 0, 6}, {0, 'B', 0, 6}, {0, 'A', 124, 127}, {0, 'A', 125, 125}};
    for (const auto& c : cases) {
        Analyse("He has a broken leg.");
        RemoveRewriteWords();  // the cascade's own call appended them
        ASSERT_EQ(gWordCount, 6) << Dump();
        gSegments[2].Link = gSegments[1].Link;
        gWords[4].ReadingClasses[0] = c.nounClass;
        for (i32 x = 6; x < c.padTo; ++x) CopyWordRecord(gWords[x], gWords[5]);
        if (c.padTo > 0) {
            gWordCount = static_cast<u16>(c.padTo);
            gSegments[3].LastWord = static_cast<u8>(c.padTo - 1);
        }
        gCheckingLanguage = c.language;
        u16 out = 0;
        RewriteSentence(out);
        gCheckingLanguage = 0;
        EXPECT_EQ(gWordCount, c.words) << c.language << " " << c.nounClass << " " << c.padTo;
        EXPECT_EQ(word_table::Text(gWords[127].WordText), "") << "the scratch record stays free";
    }
}

}  // namespace
