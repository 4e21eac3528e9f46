// The verb stages of the French clause cascade on word tables of the
// word-table fixture, with the segment table written by hand: the clause
// survey and the first-clause rules, the verb walks, the subject search and
// the resume gate of each rule.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../checking/word_table_fixture.h"
#include "rules/clause/clause_frame.h"
#include "rules/clause/clause_verbs.h"

namespace {

using word_table::Build;
using word_table::Hit;
using word_table::Segments;

class ClauseVerbsTest : public word_table::WordTableTest {
protected:
    void SetUp() override {
        WordTableTest::SetUp();
        gCheckingLanguage = 3;
    }
    void TearDown() override {
        rules::ClearSegmentTable();
        WordTableTest::TearDown();
    }
};

// The survey and the walks on the table as it stands.
RuleCode RunStages(ClauseFrame& f, u16& out) {
    OpenClauseFrame(f);
    out = 0;
    if (const RuleCode r = CheckClauseSurvey(f, out); r != 0) return r;
    return CheckVerbSegments(f, out);
}

Hit Once(const char* words, const char* segments) {
    Build(words);
    Segments(segments);
    ClauseFrame f;
    u16 out = 0;
    const RuleCode r = RunStages(f, out);
    if (r == 0) return {0, 0, 0, 0, 0};
    return {r, out, gErrorVariant, gErrorDetail, gErrorExtent};
}

// The dispatcher's report loop over one table (rebuilt before each call):
// every result passes the resume test, the loop ends on 0.
std::vector<Hit> Series(const char* words, const char* segments) {
    word_table::StartSeries();
    std::vector<Hit> hits;
    for (int call = 0; call < 12; ++call) {
        Build(words);
        Segments(segments);
        ClauseFrame f;
        u16 out = 0;
        const RuleCode r = RunStages(f, out);
        if (r == 0) return hits;
        EXPECT_TRUE(r > gLastRule || (r == gLastRule && static_cast<i16>(out) > gLastErrorPos))
            << "refused: " << r << " at " << out << " after " << gLastRule << " at " << gLastErrorPos;
        hits.push_back({r, out, gErrorVariant, gErrorDetail, gErrorExtent});
        gLastRule = r;
        gLastErrorPos = static_cast<i16>(out);
    }
    ADD_FAILURE() << "the report loop never ended";
    return hits;
}

std::string Describe(const std::vector<Hit>& hits) {
    std::ostringstream s;
    for (const Hit& h : hits) s << h;
    return s.str();
}

TEST_F(ClauseVerbsTest, SurveyCountsClausesVerbsAndQuestions) {
    struct Case {
        const char* words;
        const char* segments;
        i16 openings, subordinates, verbs;
        u16 question;
    } cases[] = {
        // A relative after a verb is a subordinate clause ...
        {"il/].23.1 aime/#192.8.14 la/d.36.7 ville/A.36.10 qui/I.0.5 dort/#192.8.14 ./",
         "24:0-0 1/1/3, 14:1-1, 23:2-3, 24:4-4, 14:5-5", 1, 1, 0, 0},
        // ... "où" is not, nor a "que" after "plus" with no verb between.
        {"il/].23.1 aime/#192.8.14 la/d.36.7 ville/A.36.10 où/I.0.5 il/].23.1 vit/#192.8.14 ./",
         "24:0-0 1/1/3, 14:1-1, 23:2-3, 23:4-4, 24:5-5, 14:6-6", 1, 0, 0, 0},
        {"il/].23.1 mange/#192.8.14 plus/#20.0.18 que/#17.0.17 lui/#95.23.3 ./",
         "24:0-0 1/1/3, 14:1-2, 17:3-3, 24:4-4", 1, 0, 0, 0},
        {"plus/#20.0.18 il/].23.1 mange/#192.8.14 que/#17.0.17 lui/#95.23.3 ./",
         "18:0-0, 24:1-1 1/1/3, 14:2-2, 17:3-3, 24:4-4", 1, 1, 0, 0},
        // "car" opens a clause; "est" of class '*' is a verb clause.
        {"il/].23.1 dort/#192.8.14 car/#0.0.16 il/].23.1 est/*.8.14 las/B.20.10 ce/c.20.7 soir/A.20.10 ./",
         "24:0-0 1/1/3, 14:1-1, 16:2-2, 24:3-3, 14:4-4, 23:5-7", 1, 0, 1, 0},
        // A question word opening a sentence that ends in '?'.
        {"Pourquoi/#20.0.18~1 dort/#192.8.14 il/].23.1 ?", "18:0-0, 14:1-1, 24:2-2", 0, 0, 0, 1},
        {"Pourquoi/#20.0.18~1 dort/#192.8.14 il/].23.1 ./", "18:0-0, 14:1-1, 24:2-2", 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        Build(c.words);
        Segments(c.segments);
        ClauseFrame f;
        OpenClauseFrame(f);
        u16 out = 0;
        CheckClauseSurvey(f, out);
        EXPECT_EQ(f.clauseOpeningCount, c.openings) << c.words;
        EXPECT_EQ(f.subordinateCount, c.subordinates) << c.words;
        EXPECT_EQ(f.verbClauseCount, c.verbs) << c.words;
        EXPECT_EQ(f.questionFlag, c.question) << c.words;
    }
}

TEST_F(ClauseVerbsTest, FirstClauseRules) {
    struct Case {
        const char* words;
        const char* segments;
        u16 lastRule;
        Hit hit;
    } cases[] = {
        // "vas" opening a sentence: 44 'S' at the verb, extent 127; only
        // while no 44 was reported in the sentence.
        {"Vas/#176.7.14.18~1 au/f.20.9 marché/A.20.10 ./", "14:0-0 0/1/2, 23:1-2 1/1/3", 0, {44, 0, 'S', 0, 127}},
        {"Vas/#176.7.14.18~1 au/f.20.9 marché/A.20.10 ./", "14:0-0 0/1/2, 23:1-2 1/1/3", 44, {0, 0, 0, 0, 0}},
        // A hyphenated imperative before an infinitive: 39 'A' at word 0
        // while gLastRule < 39, whatever the position.
        {"Laisse-le/#200.48.14.1~1 partir/#224.0.13.1 ./", "14:0-0, 13:1-1", 0, {39, 0, 'A', 0, 1}},
        {"Laisse-le/#200.48.14.1~1 partir/#224.0.13.1 ./", "14:0-0, 13:1-1", 39, {0, 0, 0, 0, 0}},
        // An opening adjective masculine singular against a feminine
        // plural attribute: 45 'T', detail 3 (gender and number), form 4.
        {"Content/B.20.10~1 sont/#131.11.14.144 les/e.8.7 filles/A.40.10 ./",
         "10:0-0 1/1/3, 14:1-1 0/2/3, 23:2-3 2/2/3", 0, {45, 0, 'T', 3, 4}},
        {"Contentes/B.40.10~1 sont/#131.11.14.144 les/e.8.7 filles/A.40.10 ./",
         "10:0-0 2/2/3, 14:1-1 0/2/3, 23:2-3 2/2/3", 0, {0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        gLastRule = c.lastRule;
        gLastErrorPos = -1;
        gErrorVariant = 0;
        Build(c.words);
        Segments(c.segments);
        ClauseFrame f;
        OpenClauseFrame(f);
        u16 out = 0;
        const RuleCode r = CheckClauseSurvey(f, out);
        const Hit h = r == 0 ? Hit{0, 0, 0, 0, 0} : Hit{r, out, gErrorVariant, gErrorDetail, gErrorExtent};
        EXPECT_EQ(h, c.hit) << c.words << " after " << c.lastRule;
        EXPECT_EQ(gLastRule, c.lastRule) << c.words << ": the dispatcher records";
    }
    // The phrase is linked to its attribute.
    Build("Contentes/B.40.10~1 sont/#131.11.14.144 les/e.8.7 filles/A.40.10 ./");
    Segments("10:0-0 2/2/3, 14:1-1 0/2/3, 23:2-3 2/2/3");
    ClauseFrame f;
    OpenClauseFrame(f);
    u16 out = 0;
    CheckClauseSurvey(f, out);
    EXPECT_EQ(f.nounPhraseLinked, 1);
    EXPECT_EQ(gWords[0].FunctionCode, 77);
    EXPECT_EQ(gWords[0].LinkedWord, 3);
}

TEST_F(ClauseVerbsTest, QuestionOpenedByItsVerbSkipsTheFirstClauseRules) {
    // Without the question mark "vas" opens the sentence without subject.
    const char* segments = "14:1-1 0/1/2, 23:2-3 1/1/3";
    EXPECT_EQ(Once("Pourquoi/#20.0.18~1 vas/#176.7.14.18 au/f.20.9 marché/A.20.10 ./", segments).variant, 'S');
    Build("Pourquoi/#20.0.18~1 vas/#176.7.14.18 au/f.20.9 marché/A.20.10 ?");
    Segments(segments);
    ClauseFrame f;
    OpenClauseFrame(f);
    u16 out = 0;
    EXPECT_EQ(CheckClauseSurvey(f, out), 0);
    EXPECT_TRUE(f.questionVerbFirst);
    EXPECT_EQ(f.imperativeSeen, 0);
    // The verb finds its subject after it: function 83, the subject 75.
    Build("Où/#20.0.18~1 vont/#176.11.14.18 les/e.8.7 enfants/A.8.10 ?");
    Segments("14:1-1 0/2/3, 23:2-3 0/2/3");
    EXPECT_EQ(RunStages(f, out), 0);
    EXPECT_EQ(gWords[1].FunctionCode, 83);
    EXPECT_EQ(gWords[3].FunctionCode, 75);
    EXPECT_EQ(gSegments[1].SegmentKind, 24);
    EXPECT_EQ(f.questionFlag, 0);
}

TEST_F(ClauseVerbsTest, VerbWalkFindings) {
    struct Case {
        const char* words;
        const char* segments;
        Hit hit;
    } cases[] = {
        // A fused feminine subject against the masculine group before it:
        // 44 'I', the extent the group's segment index (1), not its word.
        {"oh/#20.0.18 oui/#20.0.18 le/c.20.7 garçon/A.20.10 viendra-t-elle/#196.154.14.1 ?",
         "18:0-1, 24:2-3 1/1/3, 14:4-4 0/1/3", {44, 4, 'I', 0, 1}},
        // A verb right after a verb: 'V' after those that take an
        // infinitive (model 1: "manq", "pens", "risq"), extent 0; else 'A'
        // with the form of the first verb's segment in both bytes.
        {"il/].23.1 manque/#192.8.14.1 tombe/#192.51.14.1 ./", "24:0-0 1/1/3, 14:1-1 0/1/3, 14:2-2 0/1/5",
         {44, 2, 'V', 0, 0}},
        {"il/].23.1 pense/#192.8.14.1 part/#192.51.14.1 ./", "24:0-0 1/1/3, 14:1-1 0/1/3, 14:2-2 0/1/5",
         {44, 2, 'V', 0, 0}},
        {"il/].23.1 risque/#192.8.14.1 tombe/#192.51.14.1 ./", "24:0-0 1/1/3, 14:1-1 0/1/3, 14:2-2 0/1/5",
         {44, 2, 'V', 0, 0}},
        {"il/].23.1 aime/#192.8.14.1 tombe/#192.51.14.1 ./", "24:0-0 1/1/3, 14:1-1 0/1/3, 14:2-2 0/1/5",
         {44, 2, 'A', 0, 257}},
        // A person-ambiguous form (5: persons 1 or 3) after a second
        // person subject: detail 1, the subject's segment as extent.
        {"tu/Y.6.1 mange/#192.51.14.1 ./", "24:0-0 0/1/2, 14:1-1 0/1/5", {44, 1, 0, 1, 0}},
        {"il/].23.1 mange/#192.51.14.1 ./", "24:0-0 1/1/3, 14:1-1 0/1/5", {0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) EXPECT_EQ(Once(c.words, c.segments), c.hit) << c.words;
}

TEST_F(ClauseVerbsTest, PersonCodesOfVerbAndSubject) {
    // 1-3 the persons; 4 persons 1 or 2, 5 persons 1 or 3, 6 persons 2 or
    // 3, 7 any. A disagreeing pair is reported with detail 1.
    const bool agree[8][4] = {{}, {false, true, false, false}, {false, false, true, false}, {false, false, false, true},
                              {false, true, true, false}, {false, true, false, true}, {false, false, true, true},
                              {false, true, true, true}};
    for (int verb = 1; verb <= 7; ++verb) {
        for (int subject = 1; subject <= 3; ++subject) {
            const std::string segments =
                "24:0-0 0/1/" + std::to_string(subject) + ", 14:1-1 0/1/" + std::to_string(verb);
            const Hit h = Once("lui/].23.1 mange/#192.8.14.1 ./", segments.c_str());
            EXPECT_EQ(h.code == 0, agree[verb][subject]) << "verb " << verb << " subject " << subject;
            if (h.code != 0) {
                EXPECT_EQ(h.detail, 1) << "verb " << verb << " subject " << subject;
            }
        }
    }
}

TEST_F(ClauseVerbsTest, SubjectBetweenDashesIsNotCounted) {
    // Between commas the plural group is the plural verb's subject ...
    const char* commas = "le/c.20.7 chat/A.20.10 , les/e.8.7 chiens/A.8.10 , mangent/#192.11.14.1 ./";
    const char* segments = "24:0-1 1/1/3, 21:2-2, 24:3-4 0/2/3, 21:5-5, 14:6-6 0/2/3";
    EXPECT_EQ(Once(commas, segments).code, 0);
    EXPECT_EQ(gWords[6].LinkedWord, 2);  // the verb's subject segment
    // ... between dashes it is passed over: the singular group before
    // them does not agree.
    const char* dashes = "le/c.20.7 chat/A.20.10 -/#0.0.20 les/e.8.7 chiens/A.8.10 -/#0.0.20 mangent/#192.11.14.1 ./";
    EXPECT_EQ(Once(dashes, segments).code, 44);
}

TEST_F(ClauseVerbsTest, ImperativeFormsAfterAComma) {
    // After an imperative, a second person plural form keeps its person
    // after "vous"; after a comma it becomes the imperative code 50 and
    // the segment loses its number.
    struct Case {
        const char* words;
        const char* segments;
        u8 feature;
        u8 number;
    } cases[] = {
        {"Mangez/#200.50.14.1~1 vous/\\.11.1 partez/#192.53.14.1 ./", "14:0-0 0/2/2, 24:1-1 0/2/2, 14:2-2 0/2/2",
         '5', 2},
        {"Mangez/#200.50.14.1~1 , partez/#192.53.14.1 ./", "14:0-0 0/2/2, 21:1-1, 14:2-2 0/2/2", '2', 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Once(c.words, c.segments).code, 0) << c.words;
        EXPECT_EQ(gWords[2].ReadingFeatures[0], c.feature) << c.words;
        EXPECT_EQ(gSegments[2].Number, c.number) << c.words;
        EXPECT_EQ(gSegments[2].State, 2) << c.words;
        EXPECT_EQ(gWords[2].FunctionCode, 38) << c.words;
    }
}

TEST_F(ClauseVerbsTest, ReportSeriesPassTheResumeGate) {
    struct Case {
        const char* words;
        const char* segments;
        std::vector<Hit> hits;
    } cases[] = {
        // Hyphenated imperatives before infinitives: 39 'A' once at each.
        {"Va-t'en/#200.48.14.18~1 , laisse-le/#200.48.14.1 partir/#224.0.13.1 , fais-le/#200.48.14.1 "
         "venir/#224.0.13.1 ./",
         "14:0-0, 21:1-1, 14:2-2, 13:3-3, 21:4-4, 14:5-5, 13:6-6",
         {{39, 2, 'A', 0, 1}, {39, 5, 'A', 0, 1}}},
        // A reflexive participle read as a verb after "sont": 43 'D',
        // gated as a 43, so that it does not come back and the rules after
        // it run (the "verb" has no subject); the same form twice in a row
        // (53) after a verb after a verb.
        {"elles/^.40.1 se/a.79.2 sont/#131.11.14.144 parlées/#192.40.14.86 ./",
         "24:0-0 2/2/3, 26:1-1, 14:2-2 0/2/3, 14:3-3 2/2/3", {{43, 3, 'D', 4, 1}, {44, 3, 0, 2, 126}}},
        {"nous/X.9.1 mangeons/#192.52.14.1 chantons/#192.52.14.1 ./", "24:0-0 0/2/1, 14:1-1 0/2/1, 14:2-2 0/2/1",
         {{44, 2, 'A', 0, 514}, {53, 2, 0, 0, 514}}},
        // A verb "a" without subject before an infinitive is pending for
        // the missing-link rule (40 'A', extent its word): it silences the
        // later subject-verb findings of the sentence.
        {"hier/#20.0.18 a/#194.8.14.17 partir/#224.0.13.1 les/e.8.7 enfants/A.8.10 mange/#192.51.14.1 ./",
         "18:0-0, 14:1-1 0/1/3, 13:2-2, 24:3-4 0/2/3, 14:5-5 0/1/5", {{40, 1, 'A', 0, 1}}},
        {"hier/#20.0.18 vient/#194.8.14.17 partir/#224.0.13.1 les/e.8.7 enfants/A.8.10 mange/#192.51.14.1 ./",
         "18:0-0, 14:1-1 0/1/3, 13:2-2, 24:3-4 0/2/3, 14:5-5 0/1/5", {{44, 1, 0, 2, 3}, {44, 5, 0, 3, 3}}},
    };
    for (const Case& c : cases) EXPECT_EQ(Describe(Series(c.words, c.segments)), Describe(c.hits)) << c.words;
}

TEST_F(ClauseVerbsTest, MissingLinkWritesItsExtentOnlyWhenItFires) {
    const char* words = "hier/#20.0.18 a/#194.8.14.17 partir/#224.0.13.1 ./";
    Build(words);
    Segments("18:0-0, 14:1-1 0/1/3, 13:2-2, 14:2-2 0/1/3");
    gLastRule = 40;
    gLastErrorPos = 1;  // reported already
    gErrorExtent = 999;
    ClauseFrame f;
    u16 out = 0;
    EXPECT_EQ(RunStages(f, out), 0);
    EXPECT_EQ(gErrorExtent, 999);
    EXPECT_EQ(gLastRule, 40);
}

}  // namespace
