// The end of the analysis cascade on fixture tables: omitted introducers
// restored ("PRzero", "CSzero", a comma) and the slot they need, the
// complements and double objects of the final pass, and the closing rules
// 55, 61, 62 with the sentence score.
#include <gtest/gtest.h>

#include <string>

#include "analysis_fixture.h"
#include "frame/settings.h"
#include "rules/clause/analysis_cascade.h"
#include "rules/clause/clause_rules.h"

namespace {

using analysis_fixture::BuildSegments;
using word_table::Build;
using word_table::Texts;

class AnalysisClosingTest : public analysis_fixture::AnalysisTableTest {
protected:
    // Words (each at its own slot index) and segments linked to themselves.
    void Load(u16 language, const std::string& words, const char* segments) {
        gCheckingLanguage = language;
        Build(words.c_str());
        BuildSegments(segments);
        for (i32 k = 0; k < gSegmentCount; ++k) gSegments[k].Link = static_cast<u8>(k);
        for (i32 k = 0; k < gWordCount; ++k) gWords[k].SpanFlag = static_cast<u8>(k);
        PlaceSegmentSentinel();
        f_ = AnalysisFrame{};
        OpenAnalysisFrame(f_);
        out_ = 0;
    }
    void FinalPass(u16 language, const std::string& words, const char* segments) {
        Load(language, words, segments);
        for (i32 s = 1; s < gSegmentCount; ++s) RestoreIntroducer(f_, s);
    }
    RuleCode Passes(u16 language, const std::string& words, const char* segments) {
        Load(language, words, segments);
        gErrorExtent = kNoCorrection;
        return RunAnalysisPasses(f_, out_);
    }
    static u16 Fn(i32 w) { return gWords[w].FunctionCode; }
    AnalysisFrame f_;
    u16 out_ = 0;
};

const char* kThinkWords = "I/U.0.1 think/#240.0.14.1 he/].23.1 left/#240.3.14.1 .";
const char* kThinkSegments = "24:0-0 14:1-1 24:2-2 14:3-3 20:4-4";

// A clause after a verb group without its conjunction gets "CSzero";
// never in the reading trial, nor when the tables would take their last
// record.
TEST_F(AnalysisClosingTest, ConjunctionRestored) {
    FinalPass(0, kThinkWords, kThinkSegments);
    EXPECT_EQ(Texts(), "I think CSzero he left .");
    EXPECT_EQ(gWordCount, 6);
    EXPECT_EQ(gSegmentCount, 6);
    EXPECT_EQ(gSegments[2].SegmentKind, 17);
    EXPECT_EQ(gSegments[2].FirstWord, 2);
    EXPECT_EQ(gSegments[2].LastWord, 2);
    EXPECT_EQ(Fn(2), 17);
    EXPECT_EQ(gSegments[3].SegmentKind, 24);
    EXPECT_EQ(Fn(3), 75);
    EXPECT_EQ(gSegments[4].FirstWord, 4);
    EXPECT_EQ(gSegments[6].FirstWord, 6) << "the sentinel follows";

    gClauseMark = 1;
    FinalPass(0, kThinkWords, kThinkSegments);
    EXPECT_EQ(Texts(), "I think he left .");
    gClauseMark = 0;

    std::string full = kThinkWords;
    for (int k = 5; k < 127; ++k) full += " x/A.0.20";
    gWords[127].WordText.data[0] = 0;  // the services use it as scratch
    FinalPass(0, full, "24:0-0 14:1-1 24:2-2 14:3-3 20:4-126");
    EXPECT_EQ(gWordCount, 127);
    EXPECT_EQ(gSegmentCount, 5);
    EXPECT_EQ(word_table::Text(gWords[127].WordText), "") << "the scratch record stays free";
}

// Case C: more than one phrase before the verb; a verb of that-clauses
// takes "CSzero", another a relative "PRzero" on the phrase before.
TEST_F(AnalysisClosingTest, ClauseAfterTwoPhrases) {
    const char* segments = "24:0-0 14:1-1 23:2-3 24:4-5 14:6-6 20:7-7";
    FinalPass(0, "he/U.0.1 said/#240.3.14.24 the/d.0.7 man/A.4.10 the/d.0.7 dog/A.4.10 bit/#240.3.14.1 .", segments);
    EXPECT_EQ(Texts(), "he said the man CSzero the dog bit .");
    EXPECT_EQ(Fn(4), 17);
    EXPECT_EQ(Fn(6), 75);
    FinalPass(0, "he/U.0.1 saw/#240.3.14.1 the/d.0.7 man/A.4.10 the/d.0.7 dog/A.4.10 bit/#240.3.14.1 .", segments);
    EXPECT_EQ(Texts(), "he saw the man PRzero the dog bit .");
    EXPECT_EQ(gSegments[3].SegmentKind, 22);
    EXPECT_EQ(gWords[4].LinkedWord, 3) << "linked to the word before it";
}

// Case A: a noun phrase, another and a verb. "PRzero" when a clause lacks
// its introducer, a comma after a conjunction, nothing (and no slot)
// when none is missing.
TEST_F(AnalysisClosingTest, RelativeRestored) {
    const char* segments = "23:0-1 23:2-2 14:3-3 14:4-4 10:5-5 20:6-6";
    FinalPass(0, "the/d.0.7 book/A.4.10 I/U.0.1 read/#240.3.14.1 is/#128.1.14.165 good/B.0.10 .", segments);
    EXPECT_EQ(Texts(), "the book PRzero I read is good .");
    EXPECT_EQ(Fn(2), 79);
    EXPECT_EQ(gWords[2].LinkedWord, 1);
    EXPECT_EQ(gSegments[1].SegmentKind, 22);
    EXPECT_EQ(gSegments[2].SegmentKind, 24);
    EXPECT_EQ(Fn(3), 75);
    gClauseMark = 1;
    FinalPass(0, "the/d.0.7 book/A.4.10 I/U.0.1 read/#240.3.14.1 is/#128.1.14.165 good/B.0.10 .", segments);
    EXPECT_EQ(Texts(), "the book I read is good .") << "nothing changes in the reading trial";
    EXPECT_EQ(gSegments[1].SegmentKind, 23);
    gClauseMark = 0;

    FinalPass(0, "so/J.0.17 the/d.0.7 book/A.4.10 I/U.0.1 read/#240.3.14.1 is/#128.1.14.165 good/B.0.10 .",
              "17:0-0 23:1-2 23:3-3 14:4-4 14:5-5 10:6-6 20:7-7");
    EXPECT_EQ(Texts(), "so the book , I read is good .");

    FinalPass(0, "the/d.0.7 book/A.4.10 I/U.0.1 read/#240.3.14.1 .", "23:0-1 23:2-2 14:3-3 20:4-4");
    EXPECT_EQ(Texts(), "the book I read .") << "no introducer missing: no slot, no copied word";
    EXPECT_EQ(gSegmentCount, 4);

    FinalPass(3, "le/d.0.7 livre/A.4.10 je/U.0.1 lis/#128.6.14.1 est/#131.8.14.165 beau/B.20.10 .", segments);
    EXPECT_EQ(Texts(), "le livre je lis est beau .") << "English only";
}

// Case D: a subject phrase, another phrase and a verb; "PRzero" links to
// the word before it and loses its function when the clause after it
// still lacks an introducer.
TEST_F(AnalysisClosingTest, RelativeAfterSubject) {
    FinalPass(0, "John/@.20.10 Smith/@.20.10 the/d.0.7 man/A.4.10 saw/#240.3.14.1 .", "24:0-1 24:2-3 14:4-4 20:5-5");
    EXPECT_EQ(Texts(), "John Smith PRzero the man saw .");
    EXPECT_EQ(gWords[2].LinkedWord, 1);
    EXPECT_EQ(Fn(2), 79);
    FinalPass(0, "John/@.20.10 Smith/@.20.10 the/d.0.7 man/A.4.10 saw/#240.3.14.1 left/#240.3.14.1 .",
              "24:0-1 24:2-3 14:4-4 14:5-5 20:6-6");
    EXPECT_EQ(Fn(2), 65535);
    gClauseMark = 1;
    FinalPass(0, "John/@.20.10 Smith/@.20.10 the/d.0.7 man/A.4.10 saw/#240.3.14.1 .", "24:0-1 24:2-3 14:4-4 20:5-5");
    EXPECT_EQ(Texts(), "John Smith the man saw .");
}

TEST_F(AnalysisClosingTest, ObjectsOfTheFinalPass) {
    FinalPass(0, "she/^.0.1 offered/#240.3.14.1 the/d.0.7 man/A.4.10 a/d.0.7 book/A.4.10 .",
              "24:0-0 14:1-1 23:2-3 23:4-5 20:6-6");
    EXPECT_EQ(Fn(3), 71);
    EXPECT_EQ(Fn(5), 70);
    EXPECT_EQ(gSegments[3].Link, 1) << "the book joins the verb's clause";
    // An object pronoun before its verb: indirect before a direct object.
    FinalPass(3, "il/U.0.1 le/|.0.2 donne/#128.8.14.1 .", "24:0-0 23:1-1 14:2-2 20:3-3");
    EXPECT_EQ(Fn(1), 70);
    EXPECT_EQ(gWords[1].LinkedWord, 2);
    Load(3, "il/U.0.1 lui/_.0.2 donne/#128.8.14.1 le/d.0.7 livre/A.20.10 .", "24:0-0 23:1-1 14:2-2 23:3-4 20:5-5");
    gWords[4].FunctionCode = 70;
    for (i32 s = 1; s < gSegmentCount; ++s) RestoreIntroducer(f_, s);
    EXPECT_EQ(Fn(1), 71);
}

// The attribute after a linking verb; its phrase takes the verb's gender
// when it has none.
TEST_F(AnalysisClosingTest, AttributeAfterLinkingVerb) {
    FinalPass(3, "elle/U.0.1 est/#131.8.14.144 heureuse/B.36.10 .", "24:0-0:2.1 14:1-1:2.1 10:2-2:0.1 20:3-3");
    EXPECT_EQ(Fn(2), 77);
    EXPECT_EQ(gSegments[2].Gender, 2);
}

TEST_F(AnalysisClosingTest, SentenceRules) {
    // A lone relative pronoun: introducers 1, verbs 0.
    EXPECT_EQ(Passes(3, "qui/G.0.5", "24:0-0"), 55);
    EXPECT_EQ(out_, 1) << "reported at the sentence's end";
    gLastRule = 55;
    gLastErrorPos = 1;
    EXPECT_EQ(Passes(3, "qui/G.0.5", "24:0-0"), 0) << "a repeated position is held";
    gLastRule = 0;
    gLastErrorPos = -1;
    EXPECT_EQ(Passes(3, "3/S.0.8 chats/A.8.10 .", "23:0-1 20:2-2"), 0) << "no letter first: no rule 55";

    // Five noun phrases in a row, not four.
    const char* five = "il/U.0.1 donne/#128.8.14 a/A.4.10 b/A.4.10 c/A.4.10 d/A.4.10 e/A.4.10 .";
    EXPECT_EQ(Passes(3, five, "24:0-0 14:1-1 23:2-2 23:3-3 23:4-4 23:5-5 23:6-6 20:7-7"), 62);
    EXPECT_EQ(out_, 6);
    EXPECT_EQ(gErrorDetail, 5);
    EXPECT_EQ(Passes(3, five, "24:0-0 14:1-1 23:2-2 23:3-3 18:4-4 23:5-5 23:6-6 20:7-7"), 0);

    // Three introducers (rule 55 already past).
    gLastRule = 55;
    gLastErrorPos = 100;
    EXPECT_EQ(Passes(3, "que/J.0.17 si/J.0.17 quand/J.0.17 il/U.0.1 dort/#128.8.14 .",
                     "17:0-0 17:1-1 17:2-2 24:3-3 14:4-4 20:5-5"),
              61);
    EXPECT_EQ(gErrorDetail, 3);
    EXPECT_EQ(out_, 6);
    gLastRule = 0;
    gLastErrorPos = -1;
}

// Verbs joined by a conjunction count once for the score; the score only
// grows.
TEST_F(AnalysisClosingTest, SentenceScore) {
    gReadingPenalty = 0;
    Passes(3, "il/U.0.1 chante/#128.8.14 et/J.0.16 danse/#128.8.14 .", "24:0-0 14:1-1 16:2-2 14:3-3 20:4-4");
    const u16 coordinated = gReadingPenalty;
    gReadingPenalty = 0;
    Passes(3, "il/U.0.1 chante/#128.8.14 ,/#0.0.21 danse/#128.8.14 .", "24:0-0 14:1-1 21:2-2 14:3-3 20:4-4");
    EXPECT_LT(coordinated, gReadingPenalty);
    gReadingPenalty = 65534;
    Passes(3, "il/U.0.1 chante/#128.8.14 ,/#0.0.21 danse/#128.8.14 .", "24:0-0 14:1-1 21:2-2 14:3-3 20:4-4");
    EXPECT_EQ(gReadingPenalty, 65535);
    gReadingPenalty = 0;
}

// A sentence that opens with its attribute skips the final pass.
TEST_F(AnalysisClosingTest, InversionSkipsTheFinalPass) {
    Load(0, kThinkWords, kThinkSegments);
    f_.inversion = true;
    CloseAnalysis(f_, out_);
    EXPECT_EQ(Texts().substr(0, 17), "I think he left .");
}

}  // namespace
