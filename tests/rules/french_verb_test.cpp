// The French verb pre-cascade on word tables from the compact notation of
// the word-table fixture, with the segment table written by hand (the
// records the agreement pre-cascade would leave): relative clauses and
// their antecedents, the mood marks after "que", coordinated groups, the
// past participle rules, and which finding of a call is reported.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "../checking/word_table_fixture.h"
#include "frame/settings.h"
#include "rules/french/french_cascades.h"
#include "rules/french/french_verb.h"

namespace {

using word_table::Build;
using word_table::Hit;
using word_table::Segments;

// Records as "kind g/n/p" joined by blanks.
std::string Records() {
    std::string s;
    for (i32 k = 0; k < gSegmentCount; ++k) {
        const SegmentRecord& r = gSegments[k];
        s += (k ? " " : "") + std::to_string(r.SegmentKind) + " " + std::to_string(r.Gender) + "/" +
             std::to_string(r.Number) + "/" + std::to_string(r.Person);
    }
    return s;
}

class FrenchVerbTest : public word_table::WordTableTest {
protected:
    void SetUp() override {
        WordTableTest::SetUp();
        gCheckingLanguage = 3;
        rules::ClearSegmentTable();
    }
    void TearDown() override {
        gAnalysisMode = 0;
        rules::ClearSegmentTable();
        WordTableTest::TearDown();
    }
};

// The dispatcher's report loop over one table (restored before each
// call, as the dispatcher rebuilds it): every result must pass the
// resume test and the loop must end on 0.
std::vector<Hit> Dispatch(const char* words, const char* segments) {
    word_table::StartSeries();
    std::vector<Hit> hits;
    for (int call = 0; call < 16; ++call) {
        Build(words);
        Segments(segments);
        u16 out = 0;
        const RuleCode r = CheckFrenchVerbRules(out);
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

struct RelativeCase {
    const char* words;
    const char* segments;
    const char* records;  // after the call
    i32 word;             // the relative's word: its function and link
    u16 function, link;
};
const RelativeCase kRelativeCases[] = {
    // "qui" takes its antecedent's agreement (function 79, no link).
    {"la/d.36.7 femme/A.36.10 qui/I.0.5 chante/#224.1.14 ./", "24:0-1 2/1/3, 24:2-2, 14:3-3, 20:4-4",
     "24 2/1/3 24 2/1/3 14 0/0/0 20 0/0/0", 2, 79, 65535},
    // "qui" with no group before: masculine singular, third person.
    {"qui/I.0.5 dort/#224.1.14 ./", "24:0-0, 14:1-1, 20:2-2", "24 0/1/3 14 0/0/0 20 0/0/0", 0, 0, 65535},
    // Relative "que" after a group: kind 22, linked to the group's last word.
    {"la/d.36.7 pomme/A.36.10 que/I.0.5 il/].23.1 mange/#224.1.14 ./",
     "24:0-1 2/1/3, 23:2-2, 24:3-3 1/1/3, 14:4-4, 20:5-5", "24 2/1/3 22 2/1/3 24 1/1/3 14 0/0/0 20 0/0/0", 2, 79, 1},
    // "que" after a verb is a conjunction (category and class 17).
    {"il/].23.1 dit/#224.1.14 que/I.0.5 elle/^.36.1 dort/#224.1.14 ./",
     "24:0-0 1/1/3, 14:1-1, 23:2-2, 24:3-3 2/1/3, 14:4-4, 20:5-5",
     "24 1/1/3 14 0/0/0 17 0/0/0 24 2/1/3 14 0/0/0 20 0/0/0", 2, 0, 65535},
    // "dont" and "où": kind 23, linked to the nearest group.
    {"le/c.20.7 livre/A.20.10 dont/I.0.5 il/].23.1 parle/#224.1.14 ./",
     "24:0-1 1/1/3, 23:2-2, 24:3-3 1/1/3, 14:4-4, 20:5-5", "24 1/1/3 23 0/0/0 24 1/1/3 14 0/0/0 20 0/0/0", 2, 79, 1},
    {"la/d.36.7 ville/A.36.10 où/I.0.5 il/].23.1 vit/#224.1.14 ./",
     "24:0-1 2/1/3, 23:2-2, 24:3-3 1/1/3, 14:4-4, 20:5-5", "24 2/1/3 23 0/0/0 24 1/1/3 14 0/0/0 20 0/0/0", 2, 79, 1},
    // "lequel" after a preposition finds a fitting antecedent: the
    // preposition takes function 79 and the link.
    {"le/c.20.7 mur/A.20.10 sur/W.0.15 lequel/I.20.5 il/].23.1 écrit/#224.1.14 ./",
     "24:0-1 1/1/3, 23:2-3, 24:4-4 1/1/3, 14:5-5, 20:6-6", "24 1/1/3 23 1/1/3 24 1/1/3 14 0/0/0 20 0/0/0", 2, 79, 1},
    // "lesquelles" after a masculine group: kind 24, no link, no finding.
    {"le/c.20.7 mur/A.20.10 lesquelles/I.40.5 tombent/#224.1.14 ./", "24:0-1 1/1/3, 23:2-2, 14:3-3, 20:4-4",
     "24 1/1/3 24 2/2/3 14 0/0/0 20 0/0/0", 2, 0, 65535},
};

TEST_F(FrenchVerbTest, RelativeClausesAndAntecedents) {
    for (const RelativeCase& c : kRelativeCases) {
        Build(c.words);
        Segments(c.segments);
        u16 out = 0;
        EXPECT_EQ(CheckFrenchVerbRules(out), 0) << c.words;
        EXPECT_EQ(Records(), c.records) << c.words;
        EXPECT_EQ(gWords[c.word].FunctionCode, c.function) << c.words;
        EXPECT_EQ(gWords[c.word].LinkedWord, c.link) << c.words;
    }
    Build("il/].23.1 dit/#224.1.14 que/I.0.5 elle/^.36.1 dort/#224.1.14 ./");
    Segments("24:0-0 1/1/3, 14:1-1, 23:2-2, 24:3-3 2/1/3, 14:4-4, 20:5-5");
    u16 out = 0;
    CheckFrenchVerbRules(out);
    EXPECT_EQ(gWords[2].ReadingCategories[0], 17);
    EXPECT_EQ(gWords[2].ReadingClasses[0], 17);
}

TEST_F(FrenchVerbTest, RelativeDisagreements) {
    // Another masculine relative right after a feminine group: 41 'X' at
    // the relative, extent the group's form code; the relative becomes a
    // determiner-like word (category 8) in a clause of kind 23.
    const char* words = "la/d.36.7 maison/A.36.10 duquel/I.20.5 il/].23.1 parle/#224.1.14 ./";
    const char* segments = "24:0-1 2/1/3, 23:2-2, 24:3-3 1/1/3, 14:4-4, 20:5-5";
    EXPECT_EQ(Dispatch(words, segments), (std::vector<Hit>{{41, 2, 'X', 0, 3}}));
    Build(words);
    Segments(segments);
    u16 out = 0;
    word_table::StartSeries();
    CheckFrenchVerbRules(out);
    EXPECT_EQ(gErrorKind, 1);
    EXPECT_EQ(gErrorGender, 1);
    EXPECT_EQ(gErrorNumber, 1);
    EXPECT_EQ(gWords[2].ReadingCategories[0], 8);
    EXPECT_EQ(Records(), "24 2/1/3 23 1/1/3 24 1/1/3 14 0/0/0 20 0/0/0");
    // Followed by an adjective it is not compared.
    EXPECT_EQ(Dispatch("la/d.36.7 maison/A.36.10 duquel/I.20.5 grand/B.20.10 ./", "24:0-1 2/1/3, 23:2-3, 20:4-4"),
              std::vector<Hit>{});

    // A compound relative after a preposition with no fitting antecedent:
    // 42 'A' at the relative, the pair of form codes (the clause two
    // before is no group: high byte 0); it returns before the later
    // stages, so the participle clause keeps its kind 11.
    words = "la/d.36.7 maison/A.36.10 dans/W.0.15 lequel/I.20.5 il/].23.1 vit/#224.1.14 écrite/#192.4.11.1 ./";
    segments = "24:0-1 2/1/3, 23:2-3, 24:4-4 1/1/3, 14:5-5, 11:6-6 2/1/3, 20:7-7";
    EXPECT_EQ(Dispatch(words, segments), (std::vector<Hit>{{42, 3, 'A', 0, 3}}));
    Build(words);
    Segments(segments);
    word_table::StartSeries();
    CheckFrenchVerbRules(out);
    EXPECT_EQ(gSegments[4].SegmentKind, 11);
    // With a group two before, the high byte holds its code.
    EXPECT_EQ(Dispatch("les/e.8.7 amis/A.24.10 la/d.36.7 maison/A.36.10 dans/W.0.15 lequel/I.20.5 il/].23.1 ./",
                       "24:0-1 1/2/3, 24:2-3 2/1/3, 23:4-5, 24:6-6 1/1/3, 20:7-7"),
              (std::vector<Hit>{{42, 5, 'A', 0, 2 * 256 + 3}}));
}

TEST_F(FrenchVerbTest, SmallestFindingOfACallWins) {
    // A 41 'X' and a later 47: the 41 first, whole; the 47 on the next
    // call, with no letter of its own (not the 41's 'X').
    EXPECT_EQ(Dispatch("la/d.36.7 maison/A.36.10 duquel/I.20.5 il/].23.1 se/[.0.2 mangé/#192.2.11.1 ./",
                       "24:0-1 2/1/3, 23:2-2, 24:3-3 1/1/3, 26:4-4, 11:5-5, 20:6-6"),
              (std::vector<Hit>{{41, 2, 'X', 0, 3}, {47, 5, 0, 3, 0}}));
    // Two participles: the earlier first.
    EXPECT_EQ(Dispatch("elle/^.36.1 a/#194.14.14.17 mangée/#192.4.11.1 et/#0.0.16 bue/#192.4.11.1 ./",
                       "24:0-0 2/1/3, 14:1-1 0/1/3, 11:2-2 2/1/3, 16:3-3, 11:4-4 2/1/3, 20:5-5"),
              (std::vector<Hit>{{43, 2, 'B', 0, 0}}));
}

struct MoodCase {
    const char* words;
    const char* segments;
    i32 word;
    u8 mark;
};
const MoodCase kMoodCases[] = {
    {"quoiqu'/Q.9.17 il/].23.1 pleuve/#224.1.14 ./", "17:0-0, 24:1-1, 14:2-2, 20:3-3", 0, 1},
    {"je/].20.2 doute/#224.1.14.1 que/I.9.17 il/].23.1 vienne/#224.1.14 ./",
     "24:0-0, 14:1-1, 17:2-2, 24:3-3, 14:4-4, 20:5-5", 2, 1},
    {"je/].20.2 me/[.20.2 doute/#224.1.14.1 que/I.9.17 il/].23.1 vient/#224.1.14 ./",
     "24:0-0, 26:1-1, 14:2-2, 17:3-3, 24:4-4, 14:5-5, 20:6-6", 3, 0},
    {"je/].20.2 me/[.20.2 flatte/#224.1.14.1 que/I.9.17 il/].23.1 vient/#224.1.14 ./",
     "24:0-0, 26:1-1, 14:2-2, 17:3-3, 24:4-4, 14:5-5, 20:6-6", 3, 2},
    {"j'/].20.2 espère/#224.1.14.3 que/I.9.17 il/].23.1 vient/#224.1.14 ./",
     "24:0-0, 14:1-1, 17:2-2, 24:3-3, 14:4-4, 20:5-5", 2, 2},
    {"je/].20.2 souhaite/#224.1.14.1 que/I.9.17 il/].23.1 vienne/#224.1.14 ./",
     "24:0-0, 14:1-1, 17:2-2, 24:3-3, 14:4-4, 20:5-5", 2, 1},
    // The impersonal adjective after a verb with the attributive mark
    // (bit 7 of its mark).
    {"il/].23.1 est/#131.14.14.129 probable/B.20.10 que/I.9.17 il/].23.1 vienne/#224.1.14 ./",
     "24:0-0, 14:1-1, 10:2-2, 17:3-3, 24:4-4, 14:5-5, 20:6-6", 3, 2},
    {"il/].23.1 est/#131.14.14.129 certain/B.20.10 que/I.9.17 il/].23.1 vient/#224.1.14 ./",
     "24:0-0, 14:1-1, 10:2-2, 17:3-3, 24:4-4, 14:5-5, 20:6-6", 3, 0},
    {"il/].23.1 est/#131.14.14.129 possible/B.20.10 que/I.9.17 il/].23.1 vienne/#224.1.14 ./",
     "24:0-0, 14:1-1, 10:2-2, 17:3-3, 24:4-4, 14:5-5, 20:6-6", 3, 1},
    // A verb of model 1 outside the lists leaves the mark as it was.
    {"je/].20.2 mange/#224.1.14.1 que/I.9.17 il/].23.1 vient/#224.1.14 ./",
     "24:0-0, 14:1-1, 17:2-2, 24:3-3, 14:4-4, 20:5-5", 2, 9},
};

TEST_F(FrenchVerbTest, MoodExpectedAfterQue) {
    for (const MoodCase& c : kMoodCases) {
        Build(c.words);
        Segments(c.segments);
        u16 out = 0;
        EXPECT_EQ(CheckFrenchVerbRules(out), 0) << c.words;
        EXPECT_EQ(gWords[c.word].ReadingFeatures[0], c.mark) << c.words;
    }
}

TEST_F(FrenchVerbTest, CoordinatedGroupsAndThePackedMark) {
    // "le chat et la chatte que j'ai vu(s)": the first group becomes
    // masculine plural, the relative clause holds the packed mark (first
    // gender x 64 + second, second number + 128), which the participle
    // is checked against.
    const char* words =
        "le/c.20.7 chat/A.20.10 et/#0.0.16 la/d.36.7 chatte/A.36.10 que/I.0.5 j'/].20.2 ai/#194.14.14.17 "
        "%s/#192.%d.11.1 ./";
    const char* segments = "24:0-1 1/1/3, 16:2-2, 24:3-4 2/1/3, 23:5-5, 24:6-6 0/1/1, 14:7-7 0/1/1, 11:8-8 %s, 20:9-9";
    const auto table = [&](const char* participle, int slot, const char* gn) {
        char w[512], s[256];
        std::snprintf(w, sizeof w, words, participle, slot);
        std::snprintf(s, sizeof s, segments, gn);
        return std::pair<std::string, std::string>(w, s);
    };
    auto [vus, vusSegs] = table("vus", 3, "1/2/3");
    Build(vus);
    Segments(vusSegs);
    u16 out = 0;
    EXPECT_EQ(CheckFrenchVerbRules(out), 0);
    EXPECT_EQ(gSegments[0].Gender, 1);
    EXPECT_EQ(gSegments[0].Number, 2);
    EXPECT_EQ(gSegments[3].Gender, 1 * 64 + 2);
    EXPECT_EQ(gSegments[3].Number, 1 + 128);
    auto [vu, vuSegs] = table("vu", 2, "1/1/3");
    EXPECT_EQ(Dispatch(vu.c_str(), vuSegs.c_str()), (std::vector<Hit>{{43, 8, 'C', 0, (2 * 2 + 1 - 2) * 256 + 2}}));
    // In analysis mode the groups stay apart: the relative keeps the
    // second group's agreement and the participle is compared with it.
    gAnalysisMode = 1;
    EXPECT_EQ(Dispatch(vus.c_str(), vusSegs.c_str()), (std::vector<Hit>{{43, 8, 'C', 0, 3}}));
    EXPECT_EQ(gSegments[0].Number, 1);
}

struct ParticipleCase {
    const char* words;
    const char* segments;
    std::vector<Hit> hits;
};
const ParticipleCase kParticipleCases[] = {
    // 47, detail 4: a participle before another participle and a group.
    {"il/].20.1 a/#194.14.14.17 voulu/#192.2.11.1 mangé/#192.2.11.1 le/c.20.7 pain/A.20.10 ./",
     "24:0-0 1/1/3, 14:1-1 0/1/3, 11:2-2 1/1/3, 11:3-3 1/1/3, 24:4-5 1/1/3, 20:6-6", {{47, 2, 0, 4, 0}}},
    // 47, detail 3: after a reflexive pronoun.
    {"il/].20.1 se/[.0.2 mangé/#192.2.11.1 ./", "24:0-0 1/1/3, 26:1-1, 11:2-2 1/1/3, 20:3-3", {{47, 2, 0, 3, 0}}},
    // 47, detail 5: the clause's last word after two words of class 0x2C.
    {"elle/^.36.1 a/#194.14.14.17 dit/#192.2.11.1 x/#44 y/#44 mangé/#192.2.11.1 ./",
     "24:0-0 2/1/3, 14:1-1 0/1/3, 11:2-5, 20:6-6", {{47, 5, 0, 5, 0}}},
    // No object before the verb: 43 'B' on a feminine participle.
    {"elle/^.36.1 a/#194.14.14.17 mangée/#192.4.11.1 ./", "24:0-0 2/1/3, 14:1-1 0/1/3, 11:2-2 2/1/3, 20:3-3",
     {{43, 2, 'B', 0, 0}}},
    {"elle/^.36.1 a/#194.14.14.17 mangé/#192.2.11.1 ./", "24:0-0 2/1/3, 14:1-1 0/1/3, 11:2-2 1/1/3, 20:3-3", {}},
    // An object pronoun before the verb: "en" counts as masculine
    // singular; a plural "les" against a singular participle (gender
    // unknown: the pair of codes of its number).
    {"j'/].20.2 en/[.20.2 ai/#194.14.14.17 mangées/#192.5.11.1 ./",
     "24:0-0 0/1/1, 23:1-1, 14:2-2 0/1/1, 11:3-3 2/2/3, 20:4-4", {{43, 3, 'C', 0, 1}}},
    {"je/].20.2 les/[.8.2 ai/#194.14.14.17 vu/#192.2.11.1 ./",
     "24:0-0 0/1/1, 23:1-1 0/2/3, 14:2-2 0/1/1, 11:3-3 1/1/3, 20:4-4", {{43, 3, 'C', 0, 257 * 2 + 2}}},
    {"je/].20.2 les/[.8.2 ai/#194.14.14.17 vus/#192.3.11.1 ./",
     "24:0-0 0/1/1, 23:1-1 0/2/3, 14:2-2 0/1/1, 11:3-3 1/2/3, 20:4-4", {}},
    // Through a relative "que": the antecedent is the target.
    {"la/d.36.7 pomme/A.36.10 que/I.0.5 j'/].20.2 ai/#194.14.14.17 mangé/#192.2.11.1 ./",
     "24:0-1 2/1/3, 23:2-2, 24:3-3 0/1/1, 14:4-4 0/1/1, 11:5-5 1/1/3, 20:6-6", {{43, 5, 'C', 0, 3}}},
    // A numeral before a verb of measure: 43 'B'.
    {"les/e.8.7 dix/R.8.8 euros/A.24.10 que/I.0.5 ce/O.20.8 livre/A.20.10 a/#194.14.14.17 coûtés/#192.3.11.1 ./",
     "24:0-2 1/2/3, 23:3-3, 24:4-5 1/1/3, 14:6-6 0/1/3, 11:7-7 1/2/3, 20:8-8", {{43, 7, 'B', 0, 0}}},
    // A reflexive verb: 43 'D', detail 2.
    {"elles/^.40.1 se/[.0.2 sont/#131.14.14.65 parlées/#192.5.11.1 ./",
     "24:0-0 2/2/3, 26:1-1, 14:2-2 0/2/3, 11:3-3 2/2/3, 20:4-4", {{43, 3, 'D', 2, 0}}},
    // Before an infinitive: 43 'E' unless masculine singular.
    {"la/d.36.7 femme/A.36.10 que/I.0.5 j'/].20.2 ai/#194.14.14.17 entendue/#192.4.11.41 chanter/#192.0.13 ./",
     "24:0-1 2/1/3, 23:2-2, 24:3-3 0/1/1, 14:4-4 0/1/1, 11:5-5 2/1/3, 13:6-6, 20:7-7", {{43, 5, 'E', 0, 0}}},
    {"la/d.36.7 femme/A.36.10 que/I.0.5 j'/].20.2 ai/#194.14.14.17 entendu/#192.2.11.41 chanter/#192.0.13 ./",
     "24:0-1 2/1/3, 23:2-2, 24:3-3 0/1/1, 14:4-4 0/1/1, 11:5-5 1/1/3, 13:6-6, 20:7-7", {}},
    // The wrong auxiliary for a verb conjugated with être: 44 'F' at it.
    {"il/].20.1 a/#194.14.14.17 tombé/#192.2.11.1 ./", "24:0-0 1/1/3, 14:1-1 0/1/3, 11:2-2 1/1/3, 20:3-3",
     {{44, 1, 'F', 0, 1}}},
    {"il/].20.1 est/#131.14.14.65 tombé/#192.2.11.1 ./", "24:0-0 1/1/3, 14:1-1 0/1/3, 11:2-2 1/1/3, 20:3-3", {}},
    {"il/].20.1 a/#194.14.14.17 sorti/#192.2.11.24 le/c.20.7 chien/A.20.10 ./",
     "24:0-0 1/1/3, 14:1-1 0/1/3, 11:2-2 1/1/3, 24:3-4 1/1/3, 20:5-5", {}},
    {"il/].20.1 a/#194.14.14.17 sorti/#192.2.11.24 ./", "24:0-0 1/1/3, 14:1-1 0/1/3, 11:2-2 1/1/3, 20:3-3",
     {{44, 1, 'F', 0, 1}}},
    {"il/].20.1 a/#194.14.14.17 décédé/#192.2.11.3 ./", "24:0-0 1/1/3, 14:1-1 0/1/3, 11:2-2 1/1/3, 20:3-3",
     {{44, 1, 'F', 0, 1}}},
    {"il/].20.1 a/#194.14.14.17 venu/#192.2.11.22 ./", "24:0-0 1/1/3, 14:1-1 0/1/3, 11:2-2 1/1/3, 20:3-3",
     {{44, 1, 'F', 0, 1}}},
    // A verb with no subject that fits it: 44 without a letter at the
    // verb, extent the nearest group, detail 2 for its number.
    {"les/e.8.7 enfants/A.24.10 a/#194.14.14.17 mangé/#192.2.11.1 ./",
     "24:0-1 1/2/3, 14:2-2 0/1/3, 11:3-3 1/1/3, 20:4-4", {{44, 2, 0, 2, 0}}},
    // A participle with no verb before it raises nothing.
    {"une/i.36.7 lettre/A.36.10 écrite/#192.4.11.1 ./", "24:0-1 2/1/3, 11:2-2 2/1/3, 20:3-3", {}},
};

TEST_F(FrenchVerbTest, PastParticiples) {
    for (const ParticipleCase& c : kParticipleCases) EXPECT_EQ(Dispatch(c.words, c.segments), c.hits) << c.words;
}

TEST_F(FrenchVerbTest, ParticipleEdits) {
    u16 out = 0;
    // A participle with no verb before it becomes an adjective clause in
    // grammar mode, not in analysis mode.
    for (const u16 mode : {0, 1}) {
        gAnalysisMode = mode;
        Build("une/i.36.7 lettre/A.36.10 écrite/#192.4.11.1 ./");
        Segments("24:0-1 2/1/3, 11:2-2 2/1/3, 20:3-3");
        CheckFrenchVerbRules(out);
        EXPECT_EQ(gSegments[1].SegmentKind, mode == 0 ? 10 : 11);
    }
    gAnalysisMode = 0;
    // An être verb with no subject search: function 74, the link empty,
    // the auxiliary's class 128.
    Build("il/].20.1 est/#131.14.14.65 tombé/#192.2.11.1 ./");
    Segments("24:0-0 1/1/3, 14:1-1 0/1/3, 11:2-2 1/1/3, 20:3-3");
    CheckFrenchVerbRules(out);
    EXPECT_EQ(gWords[2].FunctionCode, 74);
    EXPECT_EQ(gWords[2].LinkedWord, 65535);
    EXPECT_EQ(gWords[1].ReadingClasses[0], 128);
    // After a rule 40 at the participle's clause, the 43 carries no
    // correction.
    Build("elle/^.36.1 a/#194.14.14.17 mangée/#192.4.11.1 ./");
    Segments("24:0-0 2/1/3, 14:1-1 0/1/3, 11:2-2 2/1/3, 20:3-3");
    word_table::StartSeries();
    gLastRule = 40;
    gLastErrorPos = 2;
    EXPECT_EQ(CheckFrenchVerbRules(out), 43);
    EXPECT_EQ(gErrorExtent, kNoCorrection);
}

}  // namespace
