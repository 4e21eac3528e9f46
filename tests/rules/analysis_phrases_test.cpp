// The analysis cascade after the verb walk, on fixture tables: phrase
// functions and their agreement check, segment removals that keep every
// link on its segment, objects, relative antecedents and the fronted
// attribute.
#include <gtest/gtest.h>

#include "analysis_fixture.h"
#include "frame/settings.h"
#include "rules/clause/analysis_cascade.h"
#include "rules/clause/clause_rules.h"

namespace {

using analysis_fixture::BuildSegments;
using word_table::Build;
using word_table::Texts;

class AnalysisPhrasesTest : public analysis_fixture::AnalysisTableTest {
protected:
    // Words and segments, each segment linked to itself as the census
    // leaves them.
    void Load(u16 language, const char* words, const char* segments) {
        gCheckingLanguage = language;
        Build(words);
        BuildSegments(segments);
        for (i32 k = 0; k < gSegmentCount; ++k) gSegments[k].Link = static_cast<u8>(k);
        PlaceSegmentSentinel();
        gErrorExtent = kNoCorrection;
        f_ = AnalysisFrame{};
        OpenAnalysisFrame(f_);
        out_ = 0;
    }
    RuleCode Phrases(u16 language, const char* words, const char* segments) {
        Load(language, words, segments);
        return AssignPhraseFunctions(f_, out_);
    }
    RuleCode Objects(u16 language, const char* words, const char* segments) {
        Load(language, words, segments);
        return AssignObjectsAndAntecedents(f_, out_);
    }
    static u16 Fn(i32 w) { return gWords[w].FunctionCode; }
    static u16 Linked(i32 w) { return gWords[w].LinkedWord; }
    AnalysisFrame f_;
    u16 out_ = 0;
};

TEST_F(AnalysisPhrasesTest, PassiveAgentOrEpithet) {
    EXPECT_EQ(Phrases(0, "and/J.0.16 written/#240.4.11 by/P.0.15 John/@.0.10 .", "16:0-0 11:1-1 23:2-3 20:4-4"), 0);
    EXPECT_EQ(Fn(1), 82);
    Phrases(0, "it/c.0.1 has/#128.0.14.38 to/P.0.15 be/#240.0.13 written/#240.4.11 by/P.0.15 John/@.0.10 .",
            "24:0-0 14:1-1 13:2-3 11:4-4 23:5-6 20:7-7");
    EXPECT_EQ(Fn(4), 76) << "after \"to be\" a participle is an epithet";
}

// A comma between a noun phrase and a participle clause leaves the segment
// table; the clause hangs on the noun, and every link still names the
// segment it named.
TEST_F(AnalysisPhrasesTest, CommaBeforeParticipleClause) {
    Load(0, "the/d.0.7 man/A.20.10 ,/#0.0.21 seeing/#240.2.12 her/c.0.2 ,/#0.0.21 left/#240.3.14 .",
         "23:0-1 21:2-2 12:3-3 23:4-4 21:5-5 14:6-6 20:7-7");
    gSegments[4].Link = 5;  // the second comma hangs on the verb
    gSegments[6].Link = 5;
    EXPECT_EQ(AssignPhraseFunctions(f_, out_), 0);
    EXPECT_EQ(Texts(), "the man , seeing her , left .") << "the words stay";
    ASSERT_GE(gSegmentCount, 5);
    EXPECT_EQ(gSegments[1].FirstWord, 3);
    EXPECT_EQ(Fn(3), 80);
    EXPECT_EQ(Linked(3), 1) << "the clause hangs on the noun before the comma";
    EXPECT_EQ(Linked(4), 3);
    for (i32 k = 0; k < gSegmentCount; ++k) {
        if (gSegments[k].FirstWord == 5 || gSegments[k].FirstWord == 7) {
            EXPECT_EQ(gSegments[gSegments[k].Link].FirstWord, 6) << "segment at word " << +gSegments[k].FirstWord;
        }
    }
}

// A noun-or-adjective segment that does not agree with its noun: French
// gender and number, English number only; 'T' for an adjective class.
TEST_F(AnalysisPhrasesTest, DependentAgreement) {
    const struct {
        u16 language;
        const char* words;
        const char* segments;
        RuleCode code;
        u8 variant;
        u16 extent;
    } cases[] = {
        {3, "la/d.100.7 maison/A.36.10 blanc/B.20.10 .", "23:0-1:2.1 10:2-2:1.1 20:3-3", 45, 'T', 3},
        {3, "les/d.100.7 maisons/A.40.10 blanche/B.36.10 .", "23:0-1:2.2 10:2-2:2.1 20:3-3", 45, 'T', 4},
        {3, "la/d.100.7 maison/A.36.10 blanche/B.36.10 .", "23:0-1:2.1 10:2-2:2.1 20:3-3", 0, 0, 0},
        {0, "the/d.0.7 cats/A.8.10 cat/A.4.10 .", "23:0-1:0.2 10:2-2:0.1 20:3-3", 45, 'E', 2 * 257 + 2},
        {0, "the/d.0.7 cat/A.4.10 food/A.4.10 .", "23:0-1:1.1 10:2-2:2.1 20:3-3", 0, 0, 0},
        // One gender, no number: both numbers of that gender.
        {3, "la/d.100.7 maison/A.36.10 blancs/B.24.10 .", "23:0-1:2.0 10:2-2:1.2 20:3-3", 45, 'T', 0x0304},
    };
    for (const auto& c : cases) {
        gLastRule = 0;
        gLastErrorPos = -1;
        EXPECT_EQ(Phrases(c.language, c.words, c.segments), c.code) << c.words;
        if (c.code == 0) continue;
        EXPECT_EQ(out_, 2) << c.words;
        EXPECT_EQ(gErrorVariant, c.variant) << c.words;
        EXPECT_EQ(gErrorExtent, c.extent) << c.words;
        EXPECT_EQ(gErrorKind, 4) << c.words;
    }
    gLastRule = 45;
    gLastErrorPos = 2;
    EXPECT_EQ(Phrases(3, cases[0].words, cases[0].segments), 0) << "a repeated position is held";
}

TEST_F(AnalysisPhrasesTest, ComparativeFold) {
    const char* segments = "23:0-2 13:3-4 23:5-5 20:6-6";
    EXPECT_EQ(Phrases(0, "a/d.0.7 house/A.0.10 better/B.0.10 to/P.0.15 rent/#240.0.13 flats/A.8.10 .", segments), 0);
    EXPECT_EQ(gSegmentCount, 2);
    EXPECT_EQ(gSegments[0].LastWord, 5);
    EXPECT_EQ(gWords[2].ReadingClasses[0], 'B');
    EXPECT_EQ(Fn(2), 76);
    Phrases(0, "a/d.0.7 house/A.0.10 better/B.0.10 to/P.0.15 rent/#240.0.13 them/c.8.2 .", segments);
    EXPECT_EQ(gSegmentCount, 4) << "only a noun after the infinitive folds";
}

TEST_F(AnalysisPhrasesTest, CoordinationAndComplements) {
    // A modifier after a conjunction takes the first one's function.
    Load(3, "un/d.0.7 chat/A.20.10 noir/B.20.10 et/J.0.16 blanc/B.20.10 .", "23:0-1:1.1 10:2-2:1.1 16:3-3 10:4-4:1.1 20:5-5");
    EXPECT_EQ(AssignPhraseFunctions(f_, out_), 0);
    EXPECT_EQ(Fn(2), 76);
    EXPECT_EQ(Fn(4), 76);
    EXPECT_EQ(Linked(4), Linked(2));
    // A comma between two noun phrases of one kind coordinates them.
    Phrases(3, "le/d.0.7 chat/A.20.10 ,/#0.0.21 le/d.0.7 chien/A.20.10 et/J.0.16 moi/c.0.3 .",
            "24:0-1 21:2-2 24:3-4 16:5-5 24:6-6 20:7-7");
    EXPECT_EQ(gSegments[1].SegmentKind, 16);
    // A noun phrase after another is its complement.
    Phrases(3, "le/d.0.7 livre/A.20.10 de/P.0.15 Paul/@.0.10 .", "23:0-1 23:2-3 20:4-4");
    EXPECT_EQ(Fn(3), 72);
    EXPECT_EQ(Linked(3), 1);
    EXPECT_EQ(gSegments[1].Link, 0);
}

// Complements after a verb join its clause, coordinated ones too; the walk
// stops at a relative pronoun. An English subject-kind phrase opened by a
// preposition after the verb is its object.
TEST_F(AnalysisPhrasesTest, ClauseMembership) {
    Phrases(3, "il/U.0.1 mange/#128.8.14.1 le/d.0.7 pain/A.20.10 et/J.0.16 le/d.0.7 sel/A.20.10 "
               "que/G.0.5 il/U.0.1 sale/#128.8.14",
            "24:0-0 14:1-1 23:2-3 16:4-4 23:5-6 24:7-8 14:9-9");
    EXPECT_EQ(gSegments[2].Link, 1);
    EXPECT_EQ(gSegments[4].Link, 1);
    EXPECT_EQ(gSegments[5].Link, 5) << "a relative pronoun opens another clause";
    Phrases(0, "he/U.0.1 talks/#128.1.14 of/d.0.15 cats/A.8.10 .", "24:0-0 14:1-1 24:2-3 20:4-4");
    EXPECT_EQ(gSegments[2].SegmentKind, 23);
    EXPECT_EQ(gSegments[2].Link, 1);
    EXPECT_EQ(Fn(3), 70);
}

TEST_F(AnalysisPhrasesTest, OtherPunctuationLeaves) {
    Load(3, "il/U.0.1 dort/#128.8.14 ;/#0.0.27 elle/U.0.1 lit/#128.8.14 .", "24:0-0 14:1-1 27:2-2 24:3-3 14:4-4 20:5-5");
    gSegments[3].Link = 4;
    EXPECT_EQ(AssignPhraseFunctions(f_, out_), 0);
    EXPECT_EQ(gSegmentCount, 5);
    EXPECT_EQ(gSegments[2].FirstWord, 3);
    EXPECT_EQ(gSegments[2].Link, 3) << "the subject still names its verb";
    EXPECT_EQ(gSegments[3].Link, 3) << "the verb still names itself";
}

TEST_F(AnalysisPhrasesTest, ObjectsAndAntecedents) {
    // A subject-kind phrase with no verb after it is an object.
    Load(3, "il/U.0.1 voit/#128.8.14 le/d.0.7 chat/A.20.10 .", "24:0-0 14:1-1 24:2-3 20:4-4");
    gWords[3].LinkedWord = 1;
    gWords[3].FunctionCode = 75;
    EXPECT_EQ(AssignObjectsAndAntecedents(f_, out_), 0);
    EXPECT_EQ(gSegments[2].SegmentKind, 23);
    EXPECT_EQ(Fn(3), 70);
    // A relative pronoun after a comma takes the noun before the comma.
    Objects(3, "le/d.0.7 chat/A.20.10 ,/#0.0.21 qui/G.0.5 dort/#128.8.14 ,/#0.0.21 mange/#128.8.14 .",
            "24:0-1 21:2-2 24:3-3 14:4-4 21:5-5 14:6-6 20:7-7");
    EXPECT_EQ(Linked(3), 1);
    EXPECT_EQ(gWords[1].ReadingCategories[0], 74) << "the antecedent reads 64 higher";
}

// "Grand est la maison.": the attribute and the verb change places (only
// outside the reading trial and only for one-word segments) and the
// attribute is checked against the subject at its own word.
TEST_F(AnalysisPhrasesTest, FrontedAttribute) {
    const char* words = "grand/B.20.10 est/#131.8.14.144 la/d.100.7 maison/A.36.10 .";
    const char* segments = "10:0-0:1.1 14:1-1 23:2-3:2.1 20:4-4";
    EXPECT_EQ(Objects(3, words, segments), 45);
    EXPECT_TRUE(f_.inversion);
    EXPECT_EQ(Texts(), "est grand la maison .");
    EXPECT_EQ(out_, 1) << "reported at the attribute";
    EXPECT_EQ(gErrorVariant, 'T');
    EXPECT_EQ(gErrorDetail, 1);
    EXPECT_EQ(gErrorExtent, 3);
    EXPECT_EQ(gErrorGender, 1);
    EXPECT_EQ(gSegments[0].LastWord, 0);
    EXPECT_EQ(gSegments[1].LastWord, 1);
    EXPECT_EQ(Linked(1), 0) << "the attribute names its verb";
    EXPECT_EQ(gSegments[3].SegmentKind, 20) << "no coordination without one";
    EXPECT_EQ(gSegments[2].Number, 1);

    gClauseMark = 1;
    EXPECT_EQ(Objects(3, words, segments), 45);
    EXPECT_EQ(Texts(), "grand est la maison .") << "no swap in the reading trial";
    EXPECT_EQ(out_, 0);
    gClauseMark = 0;

    // Two words before the verb: no swap, the check at word 0.
    EXPECT_EQ(Objects(3, "tr\xC3\xA8s/E.0.10 grand/B.20.10 est/#131.8.14.144 la/d.100.7 maison/A.36.10 .",
                      "10:0-1:1.1 14:2-2 23:3-4:2.1 20:5-5"),
              45);
    EXPECT_EQ(Texts(), "tr\x8fs grand est la maison .");
    EXPECT_EQ(out_, 0);

    // k = 3: "en" before the verb.
    EXPECT_EQ(Objects(3, "heureuse/B.36.10 en/c.0.2 est/#131.8.14.144 la/d.100.7 maison/A.36.10 .",
                      "10:0-0:2.1 23:1-1 14:2-2 23:3-4:2.1 20:5-5"),
              0);
    EXPECT_TRUE(f_.inversion);
    EXPECT_EQ(Fn(0), 77);
    EXPECT_EQ(Fn(4), 75);
}

}  // namespace
