// The English reading disambiguation on word tables built from the compact
// notation of the word-table fixture: the reorder, the linking-verb flag,
// the rules of "to", the modals, the set phrases, the category pairs and
// the pronoun-case results.
#include <gtest/gtest.h>

#include <string>

#include "../checking/word_table_fixture.h"
#include "rules/english/english_passes.h"
#include "rules/rule_words.h"

namespace {

using word_table::Build;

class EnglishDisambiguationTest : public word_table::WordTableTest {
protected:
    void SetUp() override {
        WordTableTest::SetUp();
        gCheckingLanguage = 0;
    }
};

using word_table::Readings;

TEST_F(EnglishDisambiguationTest, TwoLeadingReadingsAreReordered) {
    struct Case {
        const char* sentence;
        const char* word1;  // readings of word 1 after pass 0
    } cases[] = {
        // noun before verb: the verb comes first, on every pass
        {"well/#20.0.18 walk/A.4.10.5+#128.0.14.1 ./", "128.0.14.1+65.4.10.5"},
        // participle before verb: the participle alone stays
        {"it/[.7.1 used/#128.4.11.1+#128.3.14.1 ./", "128.4.11.1"},
        // verb before participle: the participle replaces it
        {"it/[.7.1 used/#128.3.14.2+#128.4.11.1 ./", "128.4.11.1"},
    };
    for (const Case& c : cases) {
        Build(c.sentence);
        DisambiguateEnglishReadings(0);
        EXPECT_EQ(Readings(1), c.word1) << c.sentence;
        // Later passes keep the order; the noun-phrase stage may then settle
        // the word on its leading reading.
        DisambiguateEnglishReadings(2);
        EXPECT_EQ(Readings(1), std::string(c.word1).substr(0, Readings(1).size())) << c.sentence << " (pass 2)";
    }
}

TEST_F(EnglishDisambiguationTest, LinkingVerbFlagOnPassOneOnly) {
    struct Case {
        const char* sentence;
        i16 pass;
        i32 word;
        u8 mark;
    } cases[] = {
        {"he/].23.1 seems/#128.1.14.1 happy/B.12.10 ./", 1, 1, 129},
        {"he/].23.1 seems/#128.1.14.1 like/#34.0.15 him/_.0.2 ./", 1, 1, 1},  // before a preposition
        {"he/].23.1 seems/#128.1.14.1 happy/B.12.10 ./", 2, 1, 1},
        {"he/].23.1 seems/#128.1.14.1 happy/B.12.10 ./", 0, 1, 1},
        {"he/].23.1 is/#128.1.14.37 happy/B.12.10 ./", 1, 1, 165},                // be
        {"he/].23.1 seems/#128.1.14.1", 1, 1, 1},                                 // the last word
    };
    for (const Case& c : cases) {
        Build(c.sentence);
        DisambiguateEnglishReadings(c.pass);
        EXPECT_EQ(gWords[c.word].ReadingMarks[0], c.mark) << c.sentence << " pass " << c.pass;
    }
}

TEST_F(EnglishDisambiguationTest, ModalsAndTheirNounHomographs) {
    // "an are": a noun, and the call ends at once with 0.
    Build("an/c.4.7 are/#128.10.14.37 ./");
    EXPECT_EQ(DisambiguateEnglishReadings(1), 0);
    EXPECT_EQ(Readings(1), "65.4.10.37");
    // "the will to live": "will" after an article is a noun (mark 44).
    Build("the/e.48.7 will/#128.0.14.31 to/#32.0.15 live/#128.0.14.1 ./");
    DisambiguateEnglishReadings(0);
    EXPECT_EQ(Readings(1), "65.4.10.44");
    // "he can quickly go": the verb after the adverb is an infinitive, the
    // modal governs it (class 242).
    Build("he/].23.1 can/#128.0.14.28 quickly/#20.0.18 go/#128.0.14.1+A.4.10.15 ./");
    DisambiguateEnglishReadings(0);
    EXPECT_EQ(gWords[1].ReadingClasses[0], 242);
    EXPECT_EQ(Readings(3), "128.0.13.1");
    // "I heard him sing": an infinitive after a verb of perception, from
    // pass 1 on.
    Build("I/U.5.1 heard/#128.3.14.21 him/_.0.2 sing/#128.0.14.1+A.4.10 ./");
    DisambiguateEnglishReadings(0);
    EXPECT_EQ(gWords[3].ReadingCategories[0], 14);
    DisambiguateEnglishReadings(1);
    EXPECT_EQ(Readings(3), "128.0.13.1");
    // "can you go": the pronoun after the governing modal is its subject,
    // the verb after it an infinitive.
    Build("can/#128.0.14.28 you/#92.10.1 go/#128.0.14.1 ?/");
    DisambiguateEnglishReadings(0);
    EXPECT_EQ(gWords[1].ReadingCategories[0], 1);
    EXPECT_EQ(gWords[2].ReadingCategories[0], 13);
}

TEST_F(EnglishDisambiguationTest, InfinitiveMarkerSettlesTheNextWord) {
    // A verb whose second reading is the base form becomes an infinitive.
    Build("I/U.5.1 want/#128.0.14.1 to/#32.0.15 open/B.12.10+#128.0.14.1 it/[.7.2 ./");
    DisambiguateEnglishReadings(0);
    EXPECT_EQ(Readings(3), "128.0.13.1");
    EXPECT_EQ(gWords[2].ReadingCategories[0], 18);
    // The sentence's capital initial: "To" is "to".
    Build("To/#32.0.15~1 open/B.12.10+#128.0.14.1 it/[.7.2 is/#128.1.14.37 easy/B.12.10 ./");
    DisambiguateEnglishReadings(0);
    EXPECT_EQ(Readings(1), "128.0.13.1");
    // "according to": both prepositional, passed over afterwards.
    Build("according/#128.0.12.1 to/#32.0.15 him/_.0.2 ./");
    DisambiguateEnglishReadings(0);
    EXPECT_EQ(gWords[0].ReadingClasses[0], ',');
    EXPECT_EQ(gWords[1].ReadingClasses[0], ',');
    // from X to X: the second X takes the first's reading (pass 1 on).
    Build("from/#34.0.15 door/A.4.10+#20.0.18 to/#32.0.15 door/B.12.10+#20.0.18 he/].23.1 came/#128.3.14 ./");
    DisambiguateEnglishReadings(1);
    EXPECT_EQ(Readings(3), "65.4.10.0");
}

TEST_F(EnglishDisambiguationTest, ToBeforeAWordThatFitsNoneOfItsUses) {
    struct Case {
        const char* sentence;  // "to" is word 3
        i16 result;            // of pass 1
    } cases[] = {
        {"the/e.48.7 box/A.4.10 is/#128.1.14.37 to/#32.0.15 big/B.12.10 ./", 257 + 3},
        {"the/e.48.7 box/A.4.10 is/#128.1.14.37 to/#32.0.15 big/B.12.10 for/#34.0.15 me/V.0.2 ./", 257 + 3},
        // an adjective before a noun, in any reading, or before adjectives
        // joined to one
        {"the/e.48.7 box/A.4.10 is/#128.1.14.37 to/#32.0.15 big/B.12.10 boxes/A.8.10 ./", 0},
        {"he/].23.1 gave/#128.3.14.1 it/[.7.2 to/#32.0.15 great/B.12.10 numbers/#128.1.14.1+A.8.10 ./", 0},
        {"we/X.9.1 were/#128.11.14.37 driven/#128.4.11.1 to/#32.0.15 painful/B.12.10 and/#16.0.16 hard/B.12.10 "
         "work/A.4.10 ./",
         0},
        // a gerund, "from X to X", an adjective that nothing closes
        {"he/].23.1 fell/#128.3.14.1 at/#34.0.15 to/#32.0.15 sitting/B.12.10 ./", 0},
        {"we/X.9.1 from/#34.0.15 day/B.12.10 to/#32.0.15 day/B.12.10 ./", 0},
        {"we/X.9.1 belonged/#128.3.14.1 there/#20.0.18 to/#32.0.15 time/B.12.10 long/#20.0.18 ./", 0},
        // "to" before an adverb that no infinitive follows
        {"the/e.48.7 box/A.4.10 is/#128.1.14.37 to/#32.0.15 quickly/#20.0.18 ./", 257 + 3},
    };
    for (const Case& c : cases) {
        Build(c.sentence);
        EXPECT_EQ(DisambiguateEnglishReadings(0), 0) << "pass 0 never checks: " << c.sentence;
        EXPECT_EQ(DisambiguateEnglishReadings(1), c.result) << c.sentence;
    }
}

TEST_F(EnglishDisambiguationTest, SetPhrasesAreSettled) {
    Build("in/#34.0.15+#20.0.18 spite/A.4.10+#128.0.14.1 of/#33.0.15 it/[.7.2 ./");
    DisambiguateEnglishReadings(0);
    for (i32 i = 0; i < 3; ++i) {
        EXPECT_EQ(gWords[i].ReadingClasses[0], ',') << i;
        EXPECT_EQ(gWords[i].ReadingCategories[0], 15) << i;
    }
    EXPECT_EQ(gWords[1].ReadingCount, 1);
    Build("day/A.4.10+B.12.10 by/#34.0.15 day/A.4.10+B.12.10 ./");
    DisambiguateEnglishReadings(0);
    for (i32 i = 0; i < 3; ++i) EXPECT_EQ(gWords[i].ReadingClasses[0], 26) << i;
    EXPECT_EQ(gWords[0].ReadingCount, 1);
    EXPECT_EQ(gWords[2].ReadingCount, 1);
    struct Phrase {
        const char* sentence;
        u8 cls;  // of the phrase's words
        i32 words;
    } phrases[] = {
        {"at/#34.0.15 home/A.4.10+#20.0.18 ./", '.', 2},
        {"in/#34.0.15+#20.0.18 despair/A.4.10+#128.0.14.1 ./", '.', 2},
        {"in/#34.0.15+#20.0.18 dispair/A.4.10 ./", '.', 2},
        {"on/#34.0.15 the/e.48.7 other/B.12.10 hand/A.4.10+#128.0.14.1 ./", 26, 4},
        {"of/#33.0.15 course/A.4.10+#128.0.14.1 ./", 26, 2},
    };
    for (const Phrase& p : phrases) {
        Build(p.sentence);
        DisambiguateEnglishReadings(0);
        for (i32 i = 0; i < p.words; ++i) EXPECT_EQ(gWords[i].ReadingClasses[0], p.cls) << p.sentence << " " << i;
        EXPECT_EQ(gWords[0].ReadingCount, 1) << p.sentence;
        EXPECT_EQ(gWords[p.words - 1].ReadingCount, 1) << p.sentence;
    }
    Build("at/#34.0.15 home/#20.0.18 ./");
    DisambiguateEnglishReadings(0);
    EXPECT_EQ(gWords[0].ReadingClasses[0], 34) << "at + a word without a noun reading";
    Build("a/h.4.7 number/A.4.10+#128.0.14.1 of/#33.0.15 men/A.8.10 ./");
    DisambiguateEnglishReadings(0);
    EXPECT_EQ(gWords[0].ReadingFeatures[0], 8);
    EXPECT_EQ(gWords[1].ReadingCount, 1);
    // The noun-phrase stage then gives the quantity noun either number.
    EXPECT_EQ(gWords[1].ReadingFeatures[0], 0);
}

// The short words and their set phrases, with their near misses: the
// readings of one word after pass 0 ("cls.features.category.mark", one
// per reading).
TEST_F(EnglishDisambiguationTest, ShortWordsAndTheirPhrases) {
    struct Case {
        const char* sentence;
        i32 word;
        const char* readings;
    } cases[] = {
        {"at/#34.0.15 all/Q.4.8 ./", 1, "26.0.18.0"},
        {"at/#34.0.15 all/Q.4.8 the/e.48.7 time/A.4.10 ./", 1, "81.4.8.0"},
        {"at/#34.0.15 all/Q.4.8 costs/A.8.10+#128.1.14.1 ./", 2, "26.0.18.1"},
        {"at/#34.0.15 a/h.4.7 glance/A.4.10+#128.0.14.1 ./", 1, "26.4.18.0"},  // the article keeps its features
        {"at/#34.0.15 a/h.4.7 glance/A.4.10+#128.0.14.1 ./", 2, "26.0.18.1"},
        {"at/#34.0.15 his/s.0.8 best/B.12.10+#20.0.18 ./", 2, "46.0.10.0"},
        {"in/#34.0.15+#20.0.18 the/e.48.7 clear/B.12.10+#128.0.14.1 ./", 2, "46.0.10.1"},
        {"in/#34.0.15+#20.0.18 the/e.48.7 clear/B.12.10+#128.0.14.1 water/A.4.10 ./", 2, "66.12.10.0"},
        {"in/#34.0.15+#20.0.18 order/A.4.10+#128.0.14.1 ./", 1, "46.0.10.1"},
        {"in/#34.0.15+#20.0.18 order/A.4.10+#128.0.14.1 to/#32.0.15 go/#128.0.14.1 ./", 1, "44.0.15.1"},
        {"in/#34.0.15+#20.0.18 spite/A.4.10+#128.0.14.1 of/#33.0.15 it/[.7.2 ./", 0, "44.0.15.0"},
        {"in/#34.0.15+#20.0.18 no/Q.4.8 respects/A.8.10 ./", 2, "26.0.18.0"},
        {"in/#34.0.15+#20.0.18 kind/A.4.10+B.12.10 ./", 1, "26.0.18.0"},
        {"in/#34.0.15+#20.0.18 kind/A.4.10+B.12.10 words/B.12.10+A.8.10 ./", 1, "65.4.10.0+66.12.10.0"},
        {"day/A.4.10 in/#34.0.15+#20.0.18 ,/ day/A.4.10 out/#20.0.18+#34.0.15 ./", 4, "26.0.18.0"},
        {"day/A.4.10 in/#34.0.15+#20.0.18 ,/ day/A.4.10 out/#20.0.18+#34.0.15 ./", 0, "26.0.18.0"},
        {"in/#34.0.15+#20.0.18 1990/S.8.8 ./", 1, "26.8.18.0"},
        {"by/#34.0.15+#20.0.18 the/e.48.7 way/A.4.10 ./", 2, "26.0.18.0"},
        {"by/#34.0.15+#20.0.18 no/Q.4.8 means/A.12.10+#128.1.14.1 ./", 2, "26.0.18.1"},
        {"lots/A.8.10 of/#33.0.15 men/A.8.10 ./", 0, "47.0.8.0"},
        {"a/h.4.7 lot/A.4.10+#128.0.14.1 of/#33.0.15 men/A.8.10 ./", 1, "47.0.8.1"},
        {"point/A.4.10+#128.0.14.1 of/#33.0.15 view/A.4.10 ./", 2, "43.0.10.0"},
        {"many/Q.12.8 of/#33.0.15 them/`.8.2 ./", 0, "81.0.8.0"},
        {"they/a.8.1 were/#128.11.14.37 on/#34.0.15 their/z.0.8 own/B.12.10 ./", 4, "46.0.10.0"},
        {"as/#17.0.17+#20.0.18 well/#20.0.18+B.12.10 as/#17.0.17+#20.0.18 me/V.4.2 ./", 1, "42.0.17.0"},
        {"he/].4.1 came/#128.3.14.1 as/#17.0.17+#20.0.18 well/#20.0.18+B.12.10 ./", 3, "26.0.18.0"},
                {"he/].4.1 came/#128.3.14.1 as/#17.0.17+#20.0.18 a/h.4.7 child/A.4.10 ./", 2, "34.0.15.0"},
        {"so/#20.0.18+#17.0.17 to/#32.0.15 speak/#128.0.14.1 ./", 2, "26.0.18.1"},
        {"no/Q.4.8 longer/B.12.10+#20.0.18 ./", 1, "26.12.18.0"},
        {"a/h.4.7 go/#128.0.14.1 ./", 1, "65.4.10.47"},
        {"at/#34.0.15 9/S.8.8 am/#128.6.14.37 ./", 2, "20.6.18.37"},
        {"Am/#128.6.14.37~1 I/U.5.1.9~1 right/B.12.10 ?/", 0, "242.6.14.37"},
        {"a/h.4.7 certain/Q.4.8 number/A.4.10+#128.0.14.1 of/#33.0.15 men/A.8.10 ./", 2, "65.8.10.50"},
        {"two/S.8.8 separate/B.12.10+#128.0.14.1 rooms/A.8.10 ./", 1, "66.12.10.37"},
        {"go/#128.0.14.1 straight/B.12.10+#20.0.18 home/A.4.10 ./", 1, "20.0.18.0"},
        {"provided/#128.24.14.1+B.12.10~1 he/].4.1 comes/#128.1.14.1 ./", 0, "17.0.17.1"},
        // Capitals: word 0 written with a capital initial reads as the
        // literal; words in capitals do not, "US" is asked for in them.
        {"At/#34.0.15~1 last/A.4.10+B.12.10 ,/ he/].4.1 came/#128.3.14.1 ./", 1, "26.0.18.0"},
        {"AT/#34.0.15~3 LAST/A.4.10+B.12.10~3 ./", 1, "65.4.10.0+66.12.10.0"},
        {"US/A.4.10~3 ./", 0, "67.0.10.0"},
        {"he/].4.1 came/#128.3.14.1 in/#34.0.15 May/#128.0.14.30~1 ./", 3, "65.4.10.44"},
        {"he/].4.1 came/#128.3.14.1 in/#34.0.15 MAY/#128.0.14.30~3 ./", 3, "65.4.10.44"},
        {"May/#128.0.14.30~1 I/U.5.1.9~1 go/#128.0.14.1 ?/", 0, "242.0.14.30"},
        {"us/W.8.2 ./", 0, "87.8.2.0"},
        {"I/U.5.1.9+S.4.8~1 came/#128.3.14.1 ./", 0, "85.5.1.9"},
        {"Henry/@.4.10~1 I/S.4.8+U.5.1.9~1 ./", 1, "83.4.8.0+85.5.1.9"},
    };
    for (const Case& c : cases) {
        Build(c.sentence);
        DisambiguateEnglishReadings(0);
        EXPECT_EQ(Readings(c.word), c.readings) << c.sentence << " word " << c.word;
    }
}

TEST_F(EnglishDisambiguationTest, CategoryPairsRemoveReadings) {
    // Subject pronoun before determiner: value 3, possible at pass 0 only.
    const char* sentence = "x/U.5.1+A.4.10 some/Q.4.8 ./";
    Build(sentence);
    DisambiguateEnglishReadings(0);
    EXPECT_EQ(gWords[0].ReadingCount, 2);
    DisambiguateEnglishReadings(1);
    EXPECT_EQ(Readings(0), "65.4.10.0");
    // Article before a word that is a verb or a noun: the verb goes.
    Build("the/e.48.7 walk/#128.0.14.1+A.4.10 ./");
    DisambiguateEnglishReadings(0);
    EXPECT_EQ(Readings(1), "65.4.10.0");
}

TEST_F(EnglishDisambiguationTest, OneReadingClashesAreReportedOnlyWhenNotExcused) {
    struct Case {
        const char* sentence;
        i16 pass;
        i16 result;
    } cases[] = {
        {"the/e.48.7 a/e.48.7 cat/A.4.10 ./", 0, 257},        // article after article
        {"The/e.48.7 the/e.48.7 cat/A.4.10 ./", 0, 0},        // a doubled word: told as such
        {"he/].23.1 go/#128.0.13.1 ./", 1, 0},                // subject + infinitive: excused
        {"he/].23.1 some/Q.4.8 ./", 0, 0},                    // value 3 at pass 0: possible
        {"of/#33.0.15 are/#128.10.14.1 ./", 1, 257},          // preposition + verb
        {"of/#33.0.15 if/#17.0.17 we/X.9.1 ./", 1, 257},      // preposition + conjunction
        // a question word after a preposition opens a clause
        {"of/#33.0.15 how/#17.0.17 we/X.9.1 ./", 1, 0},
        // a demonstrative before a subject pronoun: a fronted object
        {"by/#34.0.15 what/O.0.4 I/U.5.1 saw/#128.3.14.1 ./", 1, 0},
        // a word settled by a set phrase tells no clash
        {"as/#44.0.15 they/a.8.1 were/#128.11.14.37 ./", 1, 0},
    };
    for (const Case& c : cases) {
        Build(c.sentence);
        EXPECT_EQ(DisambiguateEnglishReadings(c.pass), c.result) << c.sentence;
    }
}

TEST_F(EnglishDisambiguationTest, PronounCase) {
    struct Case {
        const char* sentence;
        i16 pass;
        i16 result;
        u8 variant;
    } cases[] = {
        {"I/U.5.1 cans/A.8.10 not/#20.0.18 swim/#128.0.14.1 ./", 1, 257, 'X'},
        {"I/U.5.1 cans/A.8.10 not/#20.0.18 swim/#128.0.14.1 ./", 0, 0, 0},
        {"him/_.0.2 went/#128.3.14.1 home/A.4.10 ./", 1, 257, 0},
        {"him/_.0.2 ,/ I/U.5.1 trust/#128.0.14.1 ./", 1, 0, 0},
        {"he/].23.1 gave/#128.3.14.1 it/[.7.2 to/#32.0.15 John/@.4.10 and/#16.0.16 I/U.5.1 ./", 1, 256 + 6, 0},
        {"he/].23.1 gave/#128.3.14.1 it/[.7.2 to/#32.0.15 John/@.4.10 and/#16.0.16 me/V.0.2 ./", 1, 0, 0},
        {"John/@.4.10 and/#16.0.16 me/V.0.2 went/#128.3.14.1 ./", 1, 257 + 2, 0},
    };
    for (const Case& c : cases) {
        Build(c.sentence);
        gErrorVariant = 0;
        EXPECT_EQ(DisambiguateEnglishReadings(c.pass), c.result) << c.sentence << " pass " << c.pass;
        EXPECT_EQ(gErrorVariant, c.variant) << c.sentence;
    }
}

}  // namespace
