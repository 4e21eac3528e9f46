// The third segment walk of the French clause cascade on hand-written word
// and segment tables: the head a qualifier takes, its function, the
// agreement with a verb head, a noun group, an object or attribute, the
// adverbial adjective, the participle rules (47) and the attribute across a
// copula. Each call is made as the dispatcher makes them: the tables rebuilt,
// the previous report as the resume point.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "../checking/word_table_fixture.h"
#include "frame/loader.h"
#include "frame/tagged_words.h"
#include "krzlib.h"
#include "rules/clause/clause_frame.h"
#include "rules/clause/clause_walk.h"
#include "segment_fixture.h"

namespace {

using word_table::Hit;

class ClauseWalkTest : public segment_table::ClauseTableTest {};

// The report series of the walk over one sentence.
std::vector<Hit> Walk(const char* words, const char* segments) {
    return segment_table::Series(words, segments, [](u16& out) {
        ClauseFrame f;
        OpenClauseFrame(f);
        return CheckQualifierSegments(f, out);
    }, 'Q');  // a variant left by an earlier rule
}

struct WalkCase {
    const char* why;
    const char* words;
    const char* segments;
    std::vector<Hit> hits;
};

// Verb heads: 43 'D' is reported once (gated as 43), 45 'T' only for the
// noun and adjective classes, the head found after the qualifier.
const WalkCase kVerbHeadCases[] = {
    {"participle of a pronominal verb, invariable",
     "ils/].0.1 se/V.0.2 sont/#131.0.14.16 parlés/#200.8.11.1 ./",
     "24:0-0 1/2, 26:1-1, 14:2-2, 10:3-3 1/2", {{43, 3, 'D', 4, 1}}},
    {"\"téléph\" likewise", "ils/].0.1 se/V.0.2 sont/#131.0.14.16 téléphonés/#200.8.11.1 ./",
     "24:0-0 1/2, 26:1-1, 14:2-2, 10:3-3 1/2", {{43, 3, 'D', 4, 1}}},
    {"another verb: no 'D'", "ils/].0.1 se/V.0.2 sont/#131.0.14.16 lavés/#200.8.11.1 ./",
     "24:0-0 1/2, 26:1-1, 14:2-2, 10:3-3 1/2", {}},
    {"attribute against the copula's agreement: 45 'T', detail 3",
     "la/d.0.8 maison/A.36.10 est/#131.0.14.129 grands/B.24.10 ./",
     "24:0-1 2/1, 14:2-2 2/1, 10:3-3 1/2, 20:4-4", {{45, 3, 'T', 3, 3}}},
    {"class 'A' is named 'T' too (mark 59 and above)",
     "la/d.0.8 maison/A.36.10 est/#131.0.14.129 chats/A.24.10.60 ./",
     "24:0-1 2/1, 14:2-2 2/1, 10:3-3 1/2, 20:4-4", {{45, 3, 'T', 3, 3}}},
    {"another class keeps the variant",
     "la/d.0.8 maison/A.36.10 est/#131.0.14.129 grands/b.24.10 ./",
     "24:0-1 2/1, 14:2-2 2/1, 10:3-3 1/2, 20:4-4", {{45, 3, 'Q', 3, 3}}},
    {"a participle: 43 'A'", "la/d.0.8 maison/A.36.10 est/#131.0.14.129 vendus/#200.8.11.1 ./",
     "24:0-1 2/1, 14:2-2 2/1, 10:3-3 1/2, 20:4-4", {{43, 3, 'A', 3, 3}}},
    {"head after the qualifier: a verb with mark above 128",
     "«/ belle/B.36.10 est/#131.0.14.129 la/d.0.8 rose/A.36.10 ./",
     "20:0-0, 10:1-1 2/1, 14:2-2 1/1, 24:3-4 2/1, 20:5-5", {{45, 1, 'T', 1, 1}}},
    {"\"quel ... qu\": the verb two segments on",
     "«/ quelle/B.36.10 que/I.0.17 soient/#224.35.14.129 ./",
     "20:0-0, 10:1-1 2/1, 17:2-2, 14:3-3 1/2, 20:4-4", {{45, 1, 'T', 3, 2}}},
};

TEST_F(ClauseWalkTest, VerbHeads) {
    for (const WalkCase& c : kVerbHeadCases) EXPECT_EQ(Walk(c.words, c.segments), c.hits) << c.why;
}

TEST_F(ClauseWalkTest, VerbHeadEditsTheTables) {
    // A passive participle followed by "par": function 82, the auxiliary
    // taken as class 128.
    word_table::Build("il/].0.1 est/#131.0.14.129 aimé/#200.2.11.1 par/x.0.15 elle/^.0.1 ./");
    segment_table::Build("24:0-0 1/1, 14:1-1, 10:2-2, 23:3-4, 20:5-5");
    ClauseFrame f;
    OpenClauseFrame(f);
    u16 out = 0;
    EXPECT_EQ(CheckQualifierSegments(f, out), 0);
    EXPECT_EQ(gWords[2].FunctionCode, 82);
    EXPECT_EQ(gWords[1].ReadingClasses[0], 128);
    // Without "par" the participle is an attribute (77); an agreeing 'N'
    // qualifier is rewritten to 'B'.
    word_table::Build("il/].0.1 est/#131.0.14.129 aimé/#200.2.11.1 ici/x.0.18 ./");
    segment_table::Build("24:0-0 1/1, 14:1-1, 10:2-2, 23:3-3, 20:4-4");
    EXPECT_EQ(CheckQualifierSegments(f, out), 0);
    EXPECT_EQ(gWords[2].FunctionCode, 77);
    EXPECT_EQ(gWords[1].ReadingClasses[0], 131);
    word_table::Build("il/].0.1 est/#131.0.14.129 roi/N.20.10 ./");
    segment_table::Build("24:0-0 1/1, 14:1-1 1/1, 10:2-2 1/1, 20:3-3");
    EXPECT_EQ(CheckQualifierSegments(f, out), 0);
    EXPECT_EQ(gWords[2].ReadingClasses[0], 'B');
    EXPECT_EQ(gWords[2].FunctionCode, 77);
}

// Qualifiers without a verb head: the adverbial adjective, the noun group,
// the object or attribute, no group, the participle after a verb.
const WalkCase kGroupCases[] = {
    {"adverbial adjective after \"chant\"", "elles/^.0.1 chantent/#224.11.14.1 justes/B.8.10 ./",
     "24:0-0 2/2, 14:1-1 2/2, 10:2-2 0/2, 20:3-3", {{45, 2, 'R', 0, 1}}},
    {"after \"sen\" (mark 24)", "elles/^.0.1 sentent/#224.11.14.24 bonnes/B.40.10 ./",
     "24:0-0 2/2, 14:1-1 2/2, 10:2-2 2/2, 20:3-3", {{45, 2, 'R', 0, 1}}},
    {"singular, masculine: nothing", "il/].0.1 chante/#224.8.14.1 juste/B.4.10 ./",
     "24:0-0 1/1, 14:1-1 1/1, 10:2-2 0/1, 20:3-3", {}},
    {"qualifier after a group: 41 'X', one form", "la/d.0.8 maison/A.36.10 blancs/B.24.10 ./",
     "24:0-1 2/1, 10:2-2 1/2, 20:3-3", {{41, 2, 'X', 3, 3}}},
    {"class 'A', gender only: the qualifier's form and the group's",
     "la/d.0.8 maison/A.36.10 chat/A.20.10 ./", "24:0-1 2/1, 10:2-2 1/1, 20:3-3", {{41, 2, 'X', 1, 1 + 3 * 256}}},
    {"two forms differing in number, the verb after the group plural: exchanged",
     "la/d.0.8 maison/M.36.10 chattes/A.40.10 sont/#131.0.14.129 ./",
     "24:0-1 2/1, 10:2-2 2/2, 14:3-3 0/2, 20:4-4", {{41, 2, 'X', 2, 3 + 4 * 256}}},
    {"the verb singular: not exchanged", "la/d.0.8 maison/M.36.10 chattes/A.40.10 est/#131.0.14.129 ./",
     "24:0-1 2/1, 10:2-2 2/2, 14:3-3 0/1, 20:4-4", {{41, 2, 'X', 2, 4 + 3 * 256}}},
    {"object before the verb: 45 'E'", "elle/^.0.8 devient/#224.8.14.1 vieux/b.20.10 ./",
     "24:0-0 2/1, 14:1-1, 10:2-2 1/1, 20:3-3", {{45, 2, 'E', 0, 3}}},
    {"\"on\" never", "on/^.0.8 devient/#224.8.14.1 vieux/b.20.10 ./",
     "24:0-0 2/1, 14:1-1, 10:2-2 1/1, 20:3-3", {}},
    {"no group: 45 'T'", "«/ grands/B.24.10 ./", "20:0-0, 10:1-1 1/2, 20:2-2", {{45, 1, 'T', 0, 65535}}},
    {"no group, a verb form with a low mark: nothing", "«/ partis/#200.8.11.1 ./", "20:0-0, 10:1-1 1/2, 20:2-2", {}},
    {"participle after a verb that calls for an infinitive",
     "il/].0.1 veut/#224.8.14.18 mangé/#200.2.11.1 ./", "24:0-0 1/1, 14:1-1, 10:2-2 1/1, 20:3-3",
     {{47, 2, 0, 1, 0}}},
    {"... with an object pronoun between", "il/].0.1 veut/#224.8.14.18 le/V.0.2 mangé/#200.2.11.1 ./",
     "24:0-0 1/1, 14:1-1, 23:2-2, 10:3-3 1/1, 20:4-4", {{47, 3, 0, 1, 0}}},
    {"one-word participle disagreeing with what follows",
     "il/].0.1 fait/#224.8.14.1 mangé/#200.2.11.1 les/d.0.8 ./", "24:0-0 1/1, 14:1-1, 10:2-2 1/1, 23:3-3 1/2, 20:4-4",
     {{47, 2, 0, 0, 0}}},
    {"participle after verb and preposition", "il/].0.1 finit/#224.8.14.1 de/x.0.15 mangé/#200.2.11.1 ./",
     "24:0-0 1/1, 14:1-1, 23:2-3, 20:4-4", {{47, 3, 0, 0, 0}}},
    {"attribute across a copula", "«/ la/d.0.8 maison/A.36.10 est/#131.0.14.129 grands/B.24.10 ./",
     "20:0-0, 24:1-2 2/1, 14:3-3, 23:4-4 1/2, 20:5-5", {{45, 1, 'Q', 0, 2}}},
};

TEST_F(ClauseWalkTest, Qualifiers) {
    for (const WalkCase& c : kGroupCases) EXPECT_EQ(Walk(c.words, c.segments), c.hits) << c.why;
}

TEST_F(ClauseWalkTest, GroupScanSharesAgreement) {
    // The qualifier takes the group's gender, and its function and link.
    word_table::Build("la/d.0.8 maison/A.36.10 mange/#224.8.14.1 blanc/B.4.10 ./");
    gWords[0].LinkedWord = 7;
    segment_table::Build("24:0-1 2/1, 14:2-2, 10:3-3 0/1, 20:4-4");
    ClauseFrame f;
    OpenClauseFrame(f);
    u16 out = 0;
    EXPECT_EQ(CheckQualifierSegments(f, out), 0);
    EXPECT_EQ(segment_table::Describe(), "24:0-1 2/1 l255, 14:2-2 0/0 l255, 10:3-3 2/1 l255, 20:4-4 0/0 l255");
    EXPECT_EQ(gWords[3].FunctionCode, 76);
    EXPECT_EQ(gWords[3].LinkedWord, 7);
    // Across a copula the attribute clause becomes a group, agreeing or not.
    word_table::Build("«/ la/d.0.8 maison/A.36.10 est/#131.0.14.129 grande/B.36.10 ./");
    segment_table::Build("20:0-0, 24:1-2 2/1, 14:3-3, 23:4-4 2/1, 20:5-5");
    EXPECT_EQ(CheckQualifierSegments(f, out), 0);
    EXPECT_EQ(gSegments[3].SegmentKind, 24);
}

}  // namespace

namespace {

// Rule 32 reads the built-in homophone list and the dictionary.
class HomophoneParticipleTest : public ::testing::Test {
protected:
    void SetUp() override {
        while (gInitCount != 0) KRZEnd();
        KRZInit(3, 0);
        gCheckingLanguage = 3;
        word_table::StartSeries();
    }
    void TearDown() override {
        rules::ClearSegmentTable();
        gWordCount = 0;
        while (gInitCount != 0) KRZEnd();
    }
};

i32 EntryOf(const char* utf8) {
    const std::string w = word_table::ToMacRoman(utf8);
    const StringList& list = TaggedWordsFor(3);
    return FindTaggedWord(list, static_cast<i32>(list.count), reinterpret_cast<const u8*>(w.data()),
                          static_cast<i32>(w.size()));
}

TEST_F(HomophoneParticipleTest, ParticipleForItsAdjective) {
    struct Case {
        const char* participle;
        const char* adjective;  // nullptr: nothing reported
    } cases[] = {
        {"négligeant", "négligent"},  // two entries: the adjective's is proposed
        {"fatiguant", "fatigant"},
        {"mangeant", nullptr},        // not in the list
    };
    for (const Case& c : cases) {
        word_table::StartSeries();
        gHomophoneAgreement = 3;
        word_table::Build(std::string("il/].0.1 est/#131.0.14.129 ") + c.participle + "/#200.1.12 ./");
        segment_table::Build("24:0-0, 14:1-1, 12:2-2, 20:3-3");
        ClauseFrame f;
        OpenClauseFrame(f);
        u16 out = 0;
        const RuleCode r = CheckQualifierSegments(f, out);
        if (c.adjective == nullptr) {
            EXPECT_EQ(r, 0) << c.participle;
            continue;
        }
        ASSERT_GE(EntryOf(c.adjective), 0) << c.adjective;
        EXPECT_EQ(r, 32) << c.participle;
        EXPECT_EQ(out, 2);
        EXPECT_EQ(gErrorExtent, EntryOf(c.adjective)) << c.participle;
        EXPECT_EQ(gHomophoneAgreement, 0);
        EXPECT_EQ(gLastRule, 0) << "the dispatcher records";
        // The next call, with the report as the resume point, goes past it.
        gLastRule = 32;
        gLastErrorPos = 2;
        EXPECT_EQ(CheckQualifierSegments(f, out), 0) << c.participle;
    }
}

}  // namespace
