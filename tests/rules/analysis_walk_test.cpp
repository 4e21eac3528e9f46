// The verb-segment walk of the analysis cascade and its verb groups, on
// fixture tables: English questions put in subject-verb order, the French
// inverted pronoun split off, the auxiliary groups' functions, and the
// reports 39 'A', 44 'S', 44 'I' and 46 with their gates.
#include <gtest/gtest.h>

#include "analysis_fixture.h"
#include "frame/settings.h"
#include "rules/clause/analysis_cascade.h"

namespace {

using analysis_fixture::BuildSegments;
using analysis_fixture::Functions;
using word_table::Build;
using word_table::Texts;

class AnalysisWalkTest : public analysis_fixture::AnalysisTableTest {
protected:
    RuleCode Run(u16 language, const char* words, const char* segments) {
        gCheckingLanguage = language;
        Build(words);
        BuildSegments(segments);
        AnalysisFrame f;
        OpenAnalysisFrame(f);
        out_ = 0;
        return RunAnalysisPasses(f, out_);
    }
    u16 out_ = 0;
};

TEST_F(AnalysisWalkTest, EnglishQuestionsTakeSubjectVerbOrder) {
    EXPECT_EQ(Run(0, "is/#128.1.14.165 he/].23.1.27 happy/B.12.10.27 ?", "14:0-0 23:1-1 10:2-2 20:3-3"), 0);
    EXPECT_EQ(Texts(), "he is happy");
    // The walk makes "is" the question's verb (83); the final segment pass
    // makes it the copula of its attribute.
    EXPECT_EQ(Functions(), "75 67 77");
    EXPECT_EQ(gSegmentCount, 3);
    EXPECT_EQ(gSegments[0].SegmentKind, 24);
    EXPECT_EQ(gSegments[1].SegmentKind, 14);

    EXPECT_EQ(Run(0, "can/#128.1.14.30 you/\\.10.1.27 swim/#240.0.13.94 ?", "14:0-0 23:1-1 13:2-2 20:3-3"), 0);
    EXPECT_EQ(Texts(), "you swim ?");
    EXPECT_EQ(gWords[1].FunctionCode, 83);
    EXPECT_EQ(gWords[2].FunctionCode, 0);
}

// "never" first, or "no" before the last word ahead of segment 1, puts the
// segment's verb in front and the inversion back in subject-verb order;
// without a verb there the flag goes and the sentence stays as it is.
TEST_F(AnalysisWalkTest, NegatedInversion) {
    const char* segments = "14:0-1 23:2-2 11:3-3 23:4-4 20:5-5";
    EXPECT_EQ(Run(0, "never/E.0.18 have/#128.0.14.38 I/U.0.1 seen/#240.4.11 it/c.0.2 .", segments), 0);
    EXPECT_EQ(Texts(), "never I have seen it .");
    EXPECT_EQ(gWords[1].FunctionCode, 75);
    EXPECT_NE(gWords[2].FunctionCode, 83) << "an inverted verb after never is no question's verb";
    EXPECT_EQ(gSegments[0].SegmentKind, 24);
    EXPECT_EQ(gSegments[1].FirstWord, 2);

    EXPECT_EQ(Run(0, "no/E.0.18 sooner/E.0.18 had/#128.3.14.38 he/].23.1 left/#240.4.11 .",
                  "14:0-2 23:3-3 11:4-4 20:5-5"), 0);
    EXPECT_EQ(Texts(), "no sooner he had left .");

    EXPECT_EQ(Run(0, "never/E.0.18 again/E.0.18 I/U.0.1 said/#240.3.14.1 .", "18:0-1 24:2-2 14:3-3 20:4-4"), 0);
    EXPECT_EQ(Texts(), "never again I said .");
}

// "est-ce" and a word in "qu" in front of a question go, with their two
// segments.
TEST_F(AnalysisWalkTest, EstCeQuestion) {
    const char* words = "est-ce/#135.72.14.16 qu'/J.0.17 il/U.0.1 mange/#128.8.14.1 ?";
    EXPECT_EQ(Run(3, words, "14:0-0 17:1-1 24:2-2 14:3-3 20:4-4"), 0);
    EXPECT_EQ(Texts(), "il mange ?");
    EXPECT_EQ(gSegmentCount, 3);
    EXPECT_EQ(gSegments[0].SegmentKind, 24);
    EXPECT_EQ(gSegments[1].FirstWord, 1);
    EXPECT_EQ(gSegments[2].FirstWord, 2);

    // Without "qu" after it, "est-ce" is an inverted pronoun like any other.
    EXPECT_EQ(Run(3, "est-ce/#135.72.14.16 vrai/B.20.10 ?", "14:0-0 10:1-1 20:2-2"), 0);
    EXPECT_EQ(Texts(), "ce est vrai ?");
}

// A verb with a hyphen and a pronoun after it is split in two words;
// without a stem or a pronoun, or with a full table, it is left whole.
TEST_F(AnalysisWalkTest, InvertedPronounSplit) {
    EXPECT_EQ(Run(3, "mange-t-il/#130.100.14 ?", "14:0-0 20:1-1"), 0);
    EXPECT_EQ(Texts(), "il mange ?");
    EXPECT_EQ(gSegmentCount, 3);
    EXPECT_EQ(gSegments[0].SegmentKind, 24);
    EXPECT_EQ(gSegments[0].LastWord, 0);
    EXPECT_EQ(gSegments[1].SegmentKind, 14);
    EXPECT_EQ(gSegments[1].FirstWord, 1);
    EXPECT_EQ(gSegments[2].FirstWord, 2);
    EXPECT_EQ(gWords[0].FunctionCode, 75);
    EXPECT_EQ(gWords[1].FunctionCode, 83);
    EXPECT_EQ(gWords[1].ReadingClasses[0], 126);
    EXPECT_EQ(gWords[1].ReadingFeatures[0], 36);
    for (const char* word : {"mange-/#130.100.14", "-il/#130.100.14"}) {
        Run(3, (std::string(word) + " ?").c_str(), "14:0-0 20:1-1");
        EXPECT_EQ(gWordCount, 2) << word;
        EXPECT_EQ(gSegmentCount, 2) << word;
    }
    std::string full = "mange-t-il/#130.100.14";
    for (int k = 1; k < 127; ++k) full += " x/A.0.10";
    Run(3, full.c_str(), "14:0-0 23:1-126");
    EXPECT_EQ(gWordCount, 127);
    EXPECT_EQ(gSegmentCount, 2);
}

TEST_F(AnalysisWalkTest, ImperativeWithoutSubject) {
    const struct {
        const char* words;
        const char* segments;
        RuleCode code;
        u16 out;
    } cases[] = {
        {"manges/#192.58.14.11 ta/q.100.8 soupe/A.36.10 .", "14:0-0:0.1.2 23:1-2 20:3-3", 44, 0},
        {"manges/#192.58.14.11 ta/q.100.8 soupe/A.36.10 ?", "14:0-0:0.1.2 23:1-2 20:3-3", 0, 0},
        // No conjugated word before the bound: the report stays on the
        // sentence's first word, never past its end.
        {"vas/#130.20.13 .", "14:0-1", 44, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run(3, c.words, c.segments), c.code) << c.words;
        if (c.code == 0) continue;
        EXPECT_EQ(out_, c.out);
        EXPECT_EQ(gErrorVariant, 'S');
        EXPECT_EQ(gErrorKind, 2);
        EXPECT_EQ(gErrorExtent, 127);
    }
    gLastRule = 44;
    gLastErrorPos = 0;
    EXPECT_EQ(Run(3, cases[0].words, cases[0].segments), 0) << "a repeated position is passed";
}

// 44 'I' names the subject's segment; 39 'A' leaves the resume point to
// the dispatcher; both are held at a repeated position.
TEST_F(AnalysisWalkTest, GenderAndHyphenReports) {
    const char* gender = "il/U.0.1 venue/#130.130.14 .";
    EXPECT_EQ(Run(3, gender, "24:0-0:1.1.3 14:1-1:0.1.3 20:2-2"), 44);
    EXPECT_EQ(out_, 1);
    EXPECT_EQ(gErrorVariant, 'I');
    EXPECT_EQ(gErrorGender, 1);
    EXPECT_EQ(gErrorExtent, 0);
    gLastRule = 44;
    gLastErrorPos = 1;
    EXPECT_EQ(Run(3, gender, "24:0-0:1.1.3 14:1-1:0.1.3 20:2-2"), 0);

    gLastRule = 0;
    gLastErrorPos = -1;
    const char* hyphen = "va-le/#136.0.14 chercher/#160.0.13 .";
    EXPECT_EQ(Run(3, hyphen, "14:0-0 13:1-1 20:2-2"), 39);
    EXPECT_EQ(out_, 0);
    EXPECT_EQ(gErrorVariant, 'A');
    EXPECT_EQ(gErrorExtent, 1);
    EXPECT_EQ(gLastRule, 0);
    gLastRule = 39;
    gLastErrorPos = 0;
    EXPECT_EQ(Run(3, hyphen, "14:0-0 13:1-1 20:2-2"), 0);
}

TEST_F(AnalysisWalkTest, InfinitiveAfterAuxiliary) {
    const char* words = "il/U.0.1 a/#131.8.14.17 manger/#160.20.13 sa/q.100.8 soupe/A.36.10 .";
    const char* segments = "24:0-0:1.1.3 14:1-1:0.1.3 13:2-2 23:3-4:2.1.3 20:5-5";
    EXPECT_EQ(Run(3, words, segments), 46);
    EXPECT_EQ(out_, 2);
    EXPECT_EQ(gErrorExtent, 1);
    gLastRule = 46;
    gLastErrorPos = 2;
    EXPECT_EQ(Run(3, words, segments), 0);
    // English: a bare form after "has" is reported at that word, and once.
    gLastRule = 0;
    gLastErrorPos = -1;
    EXPECT_EQ(Run(0, "he/U.0.1 has/#128.0.14.38 eat/#240.3.14 .", "24:0-0 14:1-1 14:2-2 20:3-3"), 46);
    EXPECT_EQ(out_, 2);
    EXPECT_EQ(gErrorDetail, 3);
    gLastRule = 46;
    gLastErrorPos = 2;
    EXPECT_EQ(Run(0, "he/U.0.1 has/#128.0.14.38 eat/#240.3.14 .", "24:0-0 14:1-1 14:2-2 20:3-3"), 0);
}

TEST_F(AnalysisWalkTest, AuxiliaryGroups) {
    const struct {
        u16 language;
        const char* words;
        const char* segments;
        const char* functions;
    } cases[] = {
        {3, "elle/U.0.1 est/#131.8.14.144 arriv\xC3\xA9" "e/#224.130.11.1 hier/E.0.18",
         "24:0-0:2.1.3 14:1-1 11:2-2 18:3-3", "75 48 74 0"},
        {3, "la/d.100.7 lettre/A.36.10 est/#131.8.14.144 \xC3\xA9" "crite/#240.4.11.85 par/P.0.15 Paul/A.20.10 .",
         "24:0-1:2.1.3 14:2-2 11:3-3 23:4-5 20:6-6", "0 75 48 82 0 71 0"},
        {3, "la/d.100.7 porte/A.4.10 est/#131.8.14.144 ferm\xC3\xA9" "e/#224.4.11.1 .",
         "24:0-1:2.1.3 14:2-2 11:3-3 20:4-4", "0 75 67 77 0"},
        {0, "I/U.0.1 have/#128.0.14.38 hurt/#240.0.11 myself/b.0.2 .", "24:0-0 14:1-1 11:2-2 23:3-3 20:4-4",
         "75 48 81 70 0"},
        {0, "I/U.0.1 have/#128.0.14.38 hurt/#240.0.11 himself/b.0.2 .", "24:0-0 14:1-1 11:2-2 23:3-3 20:4-4",
         "75 48 74 70 0"},
        {0, "he/U.0.1 is/#128.1.14.165 reading/#240.2.12.22 .", "24:0-0 14:1-1 12:2-2 20:3-3", "75 48 93 0"},
    };
    for (const auto& c : cases) {
        for (i32 k = 0; k < 128; ++k) gWords[k].FunctionCode = 0;
        EXPECT_EQ(Run(c.language, c.words, c.segments), 0) << c.words;
        for (i32 k = 0; k < gSegmentCount; ++k) {
            if (gSegments[k].SegmentKind == 24) gWords[gSegments[k].LastWord].FunctionCode = 75;
        }
        EXPECT_EQ(Functions(), c.functions) << c.words << "\n" << analysis_fixture::Segments();
    }
    Run(3, cases[2].words, cases[2].segments);
    EXPECT_EQ(gWords[3].ReadingClasses[0], 'B');
    EXPECT_EQ(gWords[3].ReadingCategories[0], 10);
}

}  // namespace
