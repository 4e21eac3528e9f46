// The blocks of the French clause cascade after its segment walks, on
// hand-written word and segment tables: noun groups after a verb group
// (43 'A'), "-er" for a participle (46), the function labels and the
// partitive rule (50), verb constructions (49), mood and tense (53) and the
// sentence counts (55, 61, 62). Each block is called as the dispatcher
// calls the cascade: the tables rebuilt, the previous report as the resume
// point.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "../checking/word_table_fixture.h"
#include "rules/clause/clause_frame.h"
#include "rules/clause/clause_rules.h"
#include "rules/clause/clause_walk.h"
#include "segment_fixture.h"

namespace {

using word_table::Hit;

class ClauseBlocksTest : public segment_table::ClauseTableTest {};

using segment_table::Series;

struct BlockCase {
    const char* why;
    const char* words;
    const char* segments;
    std::vector<Hit> hits;
};

const BlockCase kGroupCases[] = {
    {"participle group against the verb group: 43 'A', detail 3",
     "elle/^.0.1 est/#131.0.14.129 partis/#200.8.11 ./", "24:0-0 2/1, 14:1-1 2/1, 23:2-2 1/2, 20:3-3",
     {{43, 2, 'A', 3, 3}}},
    {"a group not opened by a verb form: no report", "elle/^.0.1 est/#131.0.14.129 beaux/B.24.10 ./",
     "24:0-0 2/1, 14:1-1 2/1, 23:2-2 1/2, 20:3-3", {}},
    {"\"-er\" after the auxiliary: the verb group's form",
     "elle/^.0.1 a/#131.0.14.16 manger/#200.0.13 ./", "24:0-0 2/1, 14:1-1 2/1, 13:2-2, 20:3-3", {{46, 2, 0, 0, 3}}},
    {"after class 194: form 1", "elle/^.0.1 doit/#194.0.14 manger/#200.0.13 ./",
     "24:0-0 2/1, 14:1-1 2/1, 13:2-2, 20:3-3", {{46, 2, 0, 0, 1}}},
    {"after another verb: nothing", "elle/^.0.1 va/#224.0.14 manger/#200.0.13 ./",
     "24:0-0 2/1, 14:1-1 2/1, 13:2-2, 20:3-3", {}},
};

TEST_F(ClauseBlocksTest, GroupsAfterVerbs) {
    for (const BlockCase& c : kGroupCases)
        EXPECT_EQ(Series(c.words, c.segments, clause_walk::CheckGroupFunctions), c.hits) << c.why;
}

const BlockCase kLabelCases[] = {
    {"quantity word and \"des\": detail 1", "beaucoup/T.0.18 des/c.0.9 gens/A.0.10 viennent/#224.11.14 ./",
     "24:0-2, 14:3-3, 20:4-4", {{50, 0, 0, 1, 1}}},
    {"and \"de\": detail 2", "beaucoup/T.0.18 de/x.0.15 gens/A.0.10 viennent/#224.11.14 ./",
     "24:0-2, 14:3-3, 20:4-4", {{50, 0, 0, 2, 1}}},
    {"after an article clause: extent 2", "il/].0.1 mange/#224.8.14 un/d.0.7 peu/T.0.18 de/x.0.15 pain/A.0.10",
     "24:0-0, 14:1-1, 23:2-2, 23:3-5", {{50, 3, 0, 1, 2}}},
    {"a group after it: nothing", "beaucoup/T.0.18 des/c.0.9 gens/A.0.10 les/d.0.8 voient/#224.11.14 ./",
     "24:0-2, 24:3-3, 14:4-4, 20:5-5", {}},
};

TEST_F(ClauseBlocksTest, Partitive) {
    for (const BlockCase& c : kLabelCases)
        EXPECT_EQ(Series(c.words, c.segments, clause_walk::CheckClauseLabels), c.hits) << c.why;
}

TEST_F(ClauseBlocksTest, FunctionLabels) {
    u16 out = 0;
    // A group that no verb clause takes is detached: kind 23, marker 254,
    // subject code (no verb clause governs it afterwards).
    word_table::Build("le/c.0.8 chat/A.20.10 la/d.0.8 souris/A.36.10 ./");
    segment_table::Build("24:0-1, 24:2-3, 20:4-4");
    EXPECT_EQ(clause_walk::CheckClauseLabels(out), 0);
    EXPECT_EQ(segment_table::Describe(), "24:0-1 0/0 l255, 23:2-3 0/0 l254, 20:4-4 0/0 l255");
    EXPECT_EQ(gWords[3].FunctionCode, 75);
    // A participle clause after a group: the two name each other.
    word_table::Build("la/d.0.8 femme/A.36.10 chantant/#200.1.12 ./");
    segment_table::Build("24:0-1, 12:2-2, 20:3-3");
    EXPECT_EQ(clause_walk::CheckClauseLabels(out), 0);
    EXPECT_EQ(gWords[2].FunctionCode, 74);
    EXPECT_EQ(gWords[2].LinkedWord, 0);
    EXPECT_EQ(gWords[1].LinkedWord, 1);
    // An infinitive after "sembler" shares the verb's subject.
    word_table::Build("il/].0.1 semble/#224.8.14.1 partir/#200.0.13 ./");
    gWords[1].LinkedWord = 0;
    segment_table::Build("24:0-0, 14:1-1, 13:2-2, 20:3-3");
    EXPECT_EQ(clause_walk::CheckClauseLabels(out), 0);
    EXPECT_EQ(gWords[1].ReadingClasses[0], 128);
    EXPECT_EQ(gWords[2].FunctionCode, 74);
    EXPECT_EQ(gWords[2].LinkedWord, 0);
    // An object pronoun before its verb: indirect object linked to the verb.
    word_table::Build("il/].0.1 lui/V.0.2 parle/#224.8.14.1 ./");
    segment_table::Build("24:0-0, 23:1-1, 14:2-2, 20:3-3");
    EXPECT_EQ(clause_walk::CheckClauseLabels(out), 0);
    EXPECT_EQ(gWords[1].FunctionCode, 71);
    EXPECT_EQ(gWords[1].LinkedWord, 2);
}

RuleCode Constructions(u16& out) {
    ClauseFrame f;
    OpenClauseFrame(f);
    return clause_walk::CheckVerbConstructions(f, out);
}

const BlockCase kConstructionCases[] = {
    {"bare-infinitive verb with a preposition", "il/].0.1 ose/#224.6.14.1 de/x.0.15 parler/#200.0.13 ./",
     "24:0-0, 14:1-1, 13:2-3, 20:4-4", {{49, 2, 0, 256, 1}}},
    {"\"à\" verb with another preposition", "il/].0.1 hésite/#224.6.14.1 de/x.0.15 parler/#200.0.13 ./",
     "24:0-0, 14:1-1, 13:2-3, 20:4-4", {{49, 2, 0, 257, 1}}},
    {"\"de\" verb used bare", "il/].0.1 évite/#224.6.14.1 parler/#200.0.13 ./", "24:0-0, 14:1-1, 13:2-2, 20:3-3",
     {{49, 2, 0, 258, 1}}},
    {"\"dout\" anywhere in the verb", "il/].0.1 redoute/#224.6.14.1 parler/#200.0.13 ./",
     "24:0-0, 14:1-1, 13:2-2, 20:3-3", {{49, 2, 0, 258, 1}}},
    {"\"à\"/\"de\" verb used bare", "il/].0.1 décide/#224.6.14.1 partir/#200.0.13 ./",
     "24:0-0, 14:1-1, 13:2-2, 20:3-3", {{49, 2, 0, 259, 1}}},
    {"\"regard\" and \"pour\", whatever follows", "je/].0.1 regarde/#224.6.14.1 pour/#34.0.15 mes/c.0.8 clés/A.0.10 ./",
     "24:0-0, 14:1-1, 23:2-4, 20:5-5", {{49, 1, 0, 9, 65535}}},
    {"lone pronoun after a preposition at the end", "il/].0.1 pense/#224.6.14.1 à/x.0.15 lui/V.0.2 ./",
     "24:0-0, 14:1-1, 23:2-3", {{49, 3, 0, 126, 1}}},
    {"governed clause after an intransitive verb: an attribute, a subject or a measure",
     "il/].0.1 reste/#144.6.14.1 le/d.0.8 roi/A.0.10 ./", "24:0-0, 14:1-1, 23:2-3, 20:4-4", {}},
    {"governed object after a pronominal verb", "il/].0.1 s'/a.0.2 évanouit/#168.6.14.1 chat/A.0.10 ./",
     "24:0-0, 26:1-1, 14:2-2, 23:3-3, 20:4-4", {{49, 2, 0, 2, 2}}},
    {"wrong object noun after \"regard\" and \"à\"", "il/].0.1 regarde/#224.6.14.1 à/#32.0.15 la/d.0.8 télé/A.0.10 ./",
     "24:0-0, 14:1-1, 23:2-4, 20:5-5", {{49, 1, 0, 8, 65535}}},
    {"... after a contracted article", "il/].0.1 regarde/#224.6.14.1 aux/f.0.9 étoiles/A.0.10 ./",
     "24:0-0, 14:1-1, 23:2-3", {{49, 1, 0, 5, 65535}}},
    {"\"attend\" and \"pour\" before no infinitive", "il/].0.1 attend/#224.6.14.53 pour/#34.0.15 le/d.0.8 train/A.0.10 ./",
     "24:0-0, 14:1-1, 23:2-4, 20:5-5", {{49, 1, 0, 6, 65535}}},
    {"\"épous\" and \"avec\": at the verb", "il/].0.1 épouse/#224.6.14.1 avec/#34.0.15 joie/A.0.10 ./",
     "24:0-0, 14:1-1, 23:2-3", {{49, 1, 0, 7, 65535}}},
    {"governed object after an intransitive and pronominal verb: its subject after it",
     "vient/#184.6.14.22 le/d.0.8 temps/A.0.10 ./", "14:0-0, 23:1-2, 20:3-3", {}},
    {"governed clause after \"mari\"", "il/].0.1 marie/#200.6.14.1 sa/d.0.8 fille/A.0.10 ./",
     "24:0-0, 14:1-1, 23:2-3, 20:4-4", {{49, 1, 0, 4, 1}}},
    {"lone pronoun closing the sentence", "il/].0.1 prend/#200.6.14.1 lui/V.0.2 ./", "24:0-0, 14:1-1, 26:2-2",
     {{49, 1, 0, 127, 1}}},
    {"\"répond\" and a name", "il/].0.1 répond/#200.6.14.1 Marie/@.0.10 ./", "24:0-0, 14:1-1, 23:2-2",
     {{49, 1, 0, 255, 1}}},
    {"participle-like verb after a clause: reported once", "il/].0.1 est/#170.6.14.1 ./", "24:0-0, 14:1-1, 20:2-2",
     {{49, 1, 0, 10, 1}}},
    {"... not after its reflexive pronoun", "il/].0.1 s'/a.0.2 en/|.0.2 souvient/#170.6.14.22 ./",
     "24:0-0, 23:1-2, 14:3-3, 20:4-4", {}},
    {"\"oser\" bare: sound", "il/].0.1 ose/#224.6.14.1 parler/#200.0.13 ./", "24:0-0, 14:1-1, 13:2-2, 20:3-3", {}},
    {"one clause: nothing", "il/#224.6.14.1", "14:0-0", {}},
};

TEST_F(ClauseBlocksTest, VerbConstructions) {
    for (const BlockCase& c : kConstructionCases) {
        EXPECT_EQ(Series(c.words, c.segments,
                         [&](u16& out) {
                             const std::string why = c.why;
                             if (why.rfind("governed object", 0) == 0) gWords[3].FunctionCode = 70;
                             else if (why.rfind("governed", 0) == 0) gWords[3].FunctionCode = 73;
                             return Constructions(out);
                         }),
                  c.hits)
            << c.why;
    }
}

const BlockCase kMoodCases[] = {
    {"subjunctive with nothing to govern it: present and imperfect",
     "il/].0.1 vienne/#224.30.14 ./", "24:0-0, 14:1-1, 20:2-2", {{53, 1, 0, 1, 6 * 256 + 12}}},
    {"governed by \"que\"", "je/].0.1 veux/#224.6.14 que/I.1.17 tu/].0.1 viennes/#224.31.14 ./",
     "24:0-0, 14:1-1, 17:2-2, 24:3-3, 14:4-4, 20:5-5", {}},
    {"subjunctive after a \"que\" that asks for none", "il/].0.1 est/#131.8.14.129 certain/B.20.10 que/I.0.17 il/].0.1 vienne/#224.30.14 ./",
     "24:0-0, 14:1-1, 10:2-2, 17:3-3, 24:4-4, 14:5-5, 20:6-6", {{53, 5, 0, 1, 6 * 256 + 12}}},
    {"indicative after a subjunctive \"que\"", "je/].0.1 veux/#224.6.14 que/I.1.17 tu/].0.1 viens/#224.7.14 ./",
     "24:0-0, 14:1-1, 17:2-2, 24:3-3, 14:4-4, 20:5-5", {{53, 4, 0, 2, 31}}},
    {"future after \"que\" in the past", "il/].0.1 pensait/#224.14.14 que/I.0.17 il/].0.1 viendra/#224.20.14 ./",
     "24:0-0, 14:1-1, 17:2-2, 24:3-3, 14:4-4, 20:5-5", {{53, 4, 0, 3, 44}}},
    {"future after \"si\"", "si/x.0.17 tu/].0.1 viendras/#224.19.14 ,/ je/].0.1 serai/#224.18.14 ./",
     "17:0-0, 24:1-1, 14:2-2, 21:3-3, 24:4-4, 14:5-5, 20:6-6", {{53, 2, 0, 4, 13 * 256 + 7}}},
    {"subjunctive after \"si\"", "si/x.0.17 tu/].0.1 viennes/#224.31.14 ./", "17:0-0, 24:1-1, 14:2-2, 20:3-3",
     {{53, 2, 0, 5, 13 * 256 + 7}}},
    {"imperative after \"si\"", "si/x.0.17 viens/#224.49.14 ./", "17:0-0, 14:1-1, 20:2-2", {{53, 1, 0, 7, 13 * 256 + 7}}},
    {"conditional after \"si\"", "si/x.0.17 je/].0.1 serais/#131.42.14 ./", "17:0-0, 24:1-1, 14:2-2, 20:3-3",
     {{53, 2, 0, 6, 12 * 256 + 6}}},
    {"imperfect after \"si\", then a present", "si/x.0.17 il/].0.1 venait/#224.14.14 ,/ je/].0.1 viens/#224.6.14 ./",
     "17:0-0, 24:1-1, 14:2-2, 21:3-3, 24:4-4, 14:5-5, 20:6-6", {{53, 5, 0, 8, 42}}},
    {"imperfect after \"si\", then a conditional", "si/x.0.17 il/].0.1 venait/#224.14.14 ,/ je/].0.1 viendrais/#224.42.14 ./",
     "17:0-0, 24:1-1, 14:2-2, 21:3-3, 24:4-4, 14:5-5, 20:6-6", {}},
    {"third person plural present: not a subjunctive", "ils/].0.1 viennent/#224.35.14.1 ./", "24:0-0, 14:1-1, 20:2-2",
     {}},
};

TEST_F(ClauseBlocksTest, MoodAndTense) {
    for (const BlockCase& c : kMoodCases)
        EXPECT_EQ(Series(c.words, c.segments, clause_walk::CheckMoodAndTense), c.hits) << c.why;
    // The shared form keeps its slot after the listed construction bytes.
    word_table::Build("ils/].0.1 viennent/#224.35.14.16 ./");
    segment_table::Build("24:0-0, 14:1-1, 20:2-2");
    u16 out = 0;
    EXPECT_EQ(clause_walk::CheckMoodAndTense(out), 53);
}

TEST_F(ClauseBlocksTest, VerbGroupMerge) {
    u16 out = 0;
    // An auxiliary and its participle: one clause; the links past it drop
    // by one, a link to the absorbed clause names the merged one.
    word_table::Build("il/].0.1 a/#128.6.14.16 mangé/#200.2.11 la/d.0.8 pomme/A.36.10 ici/x.0.18 ./");
    gWords[4].LinkedWord = 4;
    segment_table::Build("24:0-0, 14:1-1, 10:2-2 1/1, 24:3-4 l2, 23:5-5 l3, 20:6-6");
    EXPECT_EQ(clause_walk::CheckMoodAndTense(out), 0);
    EXPECT_EQ(segment_table::Describe(),
              "24:0-0 0/0 l255, 14:1-2 1/1 l255, 24:3-4 0/0 l1, 23:5-5 0/0 l2, 20:6-6 0/0 l255");
    EXPECT_EQ(gWords[2].FunctionCode, 74);
    EXPECT_EQ(gWords[4].LinkedWord, 3);
    // Past an infinitive clause: two clauses leave.
    word_table::Build("il/].0.1 doit/#128.6.14.1 être/#200.0.13.16 vendu/#200.2.11 ./");
    gWords[3].FunctionCode = 82;
    segment_table::Build("24:0-0, 14:1-1, 13:2-2, 10:3-3, 20:4-4");
    EXPECT_EQ(clause_walk::CheckMoodAndTense(out), 0);
    EXPECT_EQ(segment_table::Describe(), "24:0-0 0/0 l255, 14:1-3 0/0 l255, 20:4-4 0/0 l255");
    EXPECT_EQ(gWords[3].FunctionCode, 74);
}

TEST_F(ClauseBlocksTest, SentenceCounts) {
    struct Case {
        const char* why;
        const char* words;
        const char* segments;
        u16 subordinates, verbClauses;
        std::vector<Hit> hits;
        u16 penalty;
    } cases[] = {
        {"one verb clause", "le/c.0.8 chat/A.20.10 dort/#224.8.14 ./", "24:0-1, 14:2-2, 20:3-3", 0, 1, {}, 0},
        {"no verb: 55", "le/c.0.8 chat/A.20.10 ./", "24:0-1, 20:2-2", 0, 0, {{55, 0, 0, 0, 65535}}, 2},
        {"never after a digit", "2/R.0.8 chats/A.20.10 ./", "24:0-1, 20:2-2", 0, 0, {}, 2},
        {"three subordinate clauses: 61, once", "je/].0.1 pense/#224.8.14 ./", "24:0-0, 14:1-1, 20:2-2", 3, 4,
         {{61, 0, 0, 3, 65535}}, 0},
        {"a question, an exclamation, a continuation, a presentative, a participle: no 55",
         "de/x.0.15 la/d.0.8 musique/A.36.10 ?/", "23:0-2, 20:3-3", 0, 0, {}, 2},
        {"... !", "oh/x.0.18 la/d.0.8 pauvre/A.36.10 enfant/A.36.10 !/", "24:0-3, 20:4-4", 0, 0, {}, 2},
        {"... opened by a conjunction", "mais/x.0.16 pas/x.0.18 les/d.0.8 oiseaux/A.24.10 ./",
         "16:0-0, 24:1-3, 20:4-4", 0, 0, {}, 2},
        {"... voilà", "voilà/x.0.18 le/c.0.8 garçon/A.20.10 ./", "24:0-2, 20:3-3", 0, 0, {}, 2},
        {"... a participle", "né/#144.2.11 à/x.0.15 Quenza/@.0.10 ./", "10:0-0, 23:1-2, 20:3-3", 0, 0, {}, 2},
        {"six complements in a row: 62 at the fifth and at the sixth",
         "de/x.0.15 du/f.0.9 à/x.0.15 au/f.0.9 en/x.0.15 sur/x.0.15 g/#224.8.14",
         "23:0-0, 23:1-1, 23:2-2, 23:3-3, 23:4-4, 23:5-5, 14:6-6", 0, 1,
         {{62, 4, 0, 5, 65535}, {62, 5, 0, 6, 65535}}, 0},
        {"a group without a preposition and a relative break the run",
         "de/x.0.15 du/f.0.9 le/d.0.8 à/x.0.15 au/f.0.9 dans/x.0.15 lequel/#5.0.5 g/#224.8.14",
         "23:0-0, 23:1-1, 23:2-2, 23:3-3, 23:4-4, 23:5-6, 14:7-7", 0, 1, {}, 0},
    };
    for (const Case& c : cases) {
        gReadingPenalty = 0;
        const std::vector<Hit> hits = Series(c.words, c.segments, [&](u16& out) {
            ClauseFrame f;
            OpenClauseFrame(f);
            f.subordinateCount = c.subordinates;
            f.verbClauseCount = c.verbClauses;
            const RuleCode r = clause_walk::CheckSentenceCounts(f, out);
            // The dispatcher moves the resume point past a rule that names
            // no word.
            if (r == 55 || r == 61) out = gWordCount;
            return r;
        });
        std::vector<Hit> expected = c.hits;
        for (Hit& h : expected)
            if (h.code == 55 || h.code == 61) h.pos = gWordCount;
        EXPECT_EQ(hits, expected) << c.why;
        EXPECT_EQ(gReadingPenalty, c.penalty * (1 + static_cast<u16>(hits.size()))) << c.why;
    }
}

}  // namespace
