// The noun-phrase number stage of the English disambiguation on word
// tables built from the compact notation of the word-table fixture: the
// number of collective, quantity and invariable nouns, the verb-or-noun
// choice by pass, the findings it ends or records the walk with, and the
// question flag.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "../checking/word_table_fixture.h"
#include "frame/settings.h"
#include "krzlib.h"
#include "rules/english/english_passes.h"

namespace {

using word_table::Build;

class NounPhraseNumberTest : public word_table::WordTableTest {
protected:
    void SetUp() override {
        WordTableTest::SetUp();
        gCheckingLanguage = 0;
        savedVariantB_ = gActiveVariantB;
    }
    void TearDown() override {
        gActiveVariantB = savedVariantB_;
        WordTableTest::TearDown();
    }
    u16 savedVariantB_ = 0;
};

// Class letter and feature of reading 0 of word i, as "A.4".
std::string Noun(i32 i) {
    return std::string(1, static_cast<char>(gWords[i].ReadingClasses[0])) + "." +
           std::to_string(gWords[i].ReadingFeatures[0]);
}

TEST_F(NounPhraseNumberTest, NounsOfEitherNumber) {
    struct Case {
        const char* sentence;
        u16 variantB;
        i32 word;
        const char* noun;  // after pass 1
    } cases[] = {
        // "the" + an adjective used as a noun, not before a noun
        {"the/e.48.7 poor/B.12.10 suffer/#128.0.14.1 ./", 0, 1, "A.0"},
        {"the/e.48.7 poor/B.12.10 people/A.8.10 suffer/#128.0.14.1 ./", 0, 1, "B.12"},
        // a group noun before "of" + a plural, with the regional variant only
        {"a/h.4.7 group/A.4.10 of/#33.0.15 men/A.8.10 came/#128.3.14.1 ./", 1, 1, "A.0"},
        {"a/h.4.7 group/A.4.10 of/#33.0.15 men/A.8.10 came/#128.3.14.1 ./", 0, 1, "A.4"},
        {"a/h.4.7 group/A.4.10 of/#33.0.15 land/A.4.10 lay/#128.3.14.1 ./", 1, 1, "A.4"},
        // the list's "committe" and the right spelling
        {"the/e.48.7 committee/A.4.10 of/#33.0.15 men/A.8.10 met/#128.3.14.1 ./", 1, 1, "A.0"},
        // an animal of invariable plural, as a noun only
        {"the/e.48.7 sheep/A.4.10 ran/#128.3.14.1 ./", 0, 1, "A.0"},
        {"the/e.48.7 sheep/B.12.10 farm/A.4.10 ./", 0, 1, "B.12"},
        // "a lot of" is plural
        {"a/h.4.7 lot/A.4.10 of/#33.0.15 men/A.8.10 came/#128.3.14.1 ./", 0, 1, "A.8"},
    };
    for (const Case& c : cases) {
        Build(c.sentence);
        gActiveVariantB = c.variantB;
        ResolveEnglishNounPhraseNumber(1);
        EXPECT_EQ(Noun(c.word), c.noun) << c.sentence << " variant " << c.variantB;
    }
}

TEST_F(NounPhraseNumberTest, KnownCapitalisedNounAfterTheTakesEitherNumber) {
    // On the built-in dictionary, which holds "Congress" with its capital
    // and "fish" only in lower case.
    KRZInit(0, 1);
    KRZSetLanguage(0);
    std::memcpy(gCategoryPairTable.data, gCategoryPairSource.data, 361);
    Build("the/e.48.7 Congress/N.12.10 in/#34.0.15+#20.0.18 session/A.4.10 ./");
    gWords[1].WordCaseMode = 1;
    ResolveEnglishNounPhraseNumber(0);
    EXPECT_EQ(Noun(1), "A.0");
    Build("the/e.48.7 Fish/N.12.10 in/#34.0.15+#20.0.18 water/A.4.10 ./");
    gWords[1].WordCaseMode = 1;
    ResolveEnglishNounPhraseNumber(0);
    EXPECT_EQ(Noun(1), "N.12");
    KRZEnd();
}

TEST_F(NounPhraseNumberTest, VerbOrNounWaitsForPassOneOnMostRules) {
    // After a preposition the noun reading wins from pass 1 on; pass 0
    // looks only at the verb's person and the words before.
    const char* sentence = "in/#34.0.15 walk/#128.0.14.1+A.4.10 ./";
    Build(sentence);
    ResolveEnglishNounPhraseNumber(0);
    EXPECT_EQ(gWords[1].ReadingCount, 2);
    ResolveEnglishNounPhraseNumber(1);
    EXPECT_EQ(gWords[1].ReadingCount, 1);
    EXPECT_EQ(gWords[1].ReadingCategories[0], 10);
    // A verb-or-noun word opening the sentence with a third-person verb
    // reading is the noun at any pass.
    Build("walks/#128.1.14.1+A.8.10 are/#128.10.14.37 long/B.12.10 ./");
    ResolveEnglishNounPhraseNumber(0);
    EXPECT_EQ(Noun(0), "A.8");
}

TEST_F(NounPhraseNumberTest, OpeningWords) {
    // "why" + an infinitive or noun: the infinitive stays, "why" is an adverb.
    Build("Why/#20.0.18+#17.0.17 go/#128.0.13.1+A.4.10 ./");
    gWords[0].WordCaseMode = 1;
    ResolveEnglishNounPhraseNumber(1);
    EXPECT_EQ(gWords[1].ReadingCount, 1);
    EXPECT_EQ(gWords[1].ReadingCategories[0], 13);
    EXPECT_EQ(gWords[0].ReadingCategories[0], 18);
    EXPECT_EQ(gWords[0].ReadingCount, 1);
    // "But" opening a sentence is an adverb and keeps its feature byte.
    Build("But/#34.5.15+#17.5.17 he/].23.1 came/#128.3.14.1 ./");
    gWords[0].WordCaseMode = 1;
    ResolveEnglishNounPhraseNumber(1);
    EXPECT_EQ(gWords[0].ReadingCount, 1);
    EXPECT_EQ(gWords[0].ReadingCategories[0], 18);
    EXPECT_EQ(gWords[0].ReadingClasses[0], 20);
    EXPECT_EQ(gWords[0].ReadingFeatures[0], 5);
}

TEST_F(NounPhraseNumberTest, Findings) {
    struct Case {
        const char* sentence;
        const char* token0;  // raw token of word 0, or "" for the word
        const char* token1;
        i16 result;
        u8 variant;
    } cases[] = {
        // a verb after "it's" before a noun and its verb: "its"
        {"it/[.7.1 is/#128.1.14.37 dog/A.4.10 barks/#128.1.14.1 ./", "it's", "", 256 + 1, 'Y'},
        {"it/[.7.1 is/#128.1.14.37 dog/A.4.10 barks/#128.1.14.1 ./", "", "", 0, 0},
        // "let's" after a noun and before no verb
        {"John/@.4.10 let/#128.0.14.20 us/W.0.2 go/#128.0.13.1 ./", "", "let's", 257 + 1, 'Y'},
        {"let/#128.0.14.20 us/W.0.2 go/#128.0.13.1 ./", "let's", "", 0, 0},
        // "some" after a negated auxiliary
        {"I/U.5.1 did/#242.3.14.34 not/#20.0.18 see/#128.0.13.1 some/Q.4.8 birds/A.8.10 ./", "", "", 257 + 4, 0},
        {"I/U.5.1 did/#242.3.14.34 not/#20.0.18 see/#128.0.13.1 any/Q.4.8 birds/A.8.10 ./", "", "", 0, 0},
        // a compound written apart
        {"I/U.5.1 looked/#128.3.14.1 every/Q.4.8 where/#20.0.18 ./", "", "", 513 + 2, 0},
        {"I/U.5.1 looked/#128.3.14.1 every/Q.4.8 hour/A.4.10 ./", "", "", 0, 0},
        // their and there
        {"I/U.5.1 think/#128.0.14.1 their/z.0.8 is/#128.1.14.37 a/h.4.7 cat/A.4.10 ./", "", "", 256 + 2, 0},
        {"their/z.0.8 car/A.4.10 is/#128.1.14.37 red/B.12.10 ./", "", "", 0, 0},
        {"there/#20.0.18 car/A.4.10 is/#128.1.14.37 red/B.12.10 ./", "", "", 257, 0},
        {"there/#20.0.18 is/#128.1.14.37 a/h.4.7 car/A.4.10 ./", "", "", 0, 0},
        // your, lets, real good
        {"your/x.0.8 late/B.12.10 again/#20.0.18 ./", "", "", 257, 0},
        {"lets/A.8.10 go/#128.0.14.1 home/A.4.10 ./", "", "", 257, 0},
        {"it/[.7.1 is/#128.1.14.37 real/B.12.10 good/B.12.10 ./", "", "", 257 + 2, 0},
    };
    for (const Case& c : cases) {
        Build(c.sentence);
        if (*c.token0) CopyCString(gWords[0].SeparatorText, c.token0);
        if (*c.token1) CopyCString(gWords[1].SeparatorText, c.token1);
        gErrorVariant = 0;
        EXPECT_EQ(ResolveEnglishNounPhraseNumber(1), c.result) << c.sentence;
        EXPECT_EQ(gErrorVariant, c.variant) << c.sentence;
    }
}

TEST_F(NounPhraseNumberTest, PersonalPronounTakesTheCaseOfItsCoordinate) {
    struct Case {
        const char* sentence;
        i32 word;
        u8 category;  // after pass 0
    } cases[] = {
        {"he/].23.1 and/#16.0.16 you/#92.10.3 went/#128.3.14.1+A.4.10 ./", 2, 1},
        {"and/#16.0.16 then/#20.0.18 you/#92.10.3 and/#16.0.16 him/_.0.2 ./", 2, 2},
        // before the closing full stop nothing is coordinated: the word
        // past the sentence has no category to give
        {"humour/A.4.10+#128.0.14.1 it/[.7.3 ./", 1, 3},
    };
    for (const Case& c : cases) {
        Build(c.sentence);
        ResolveEnglishNounPhraseNumber(0);
        EXPECT_EQ(gWords[c.word].ReadingCategories[0], c.category) << c.sentence;
    }
}

TEST_F(NounPhraseNumberTest, ThatAfterAPrepositionIsTheDemonstrative) {
    struct Case {
        const char* sentence;
        u8 category;  // of "that" after pass 1
    } cases[] = {
        // a noun or verb after it, or a subject pronoun: never the
        // conjunction, which no preposition stands before
        {"of/#33.0.15 that/G.0.5 man/#128.0.14.1+A.4.10 ./", 8},
        {"with/#34.0.15 that/G.0.5 he/].23.1 went/#128.3.14.1 ./", 8},
        // after a verb the conjunction stays
        {"he/].23.1 said/#128.3.14.1 that/G.0.5 we/X.9.1 went/#128.3.14.1 ./", 17},
    };
    for (const Case& c : cases) {
        Build(c.sentence);
        ResolveEnglishNounPhraseNumber(1);
        const i32 that = c.sentence[0] == 'h' ? 2 : 1;
        EXPECT_EQ(gWords[that].ReadingCategories[0], c.category) << c.sentence;
    }
}

TEST_F(NounPhraseNumberTest, QuestionFlag) {
    struct Case {
        const char* sentence;
        i16 result;
    } cases[] = {
        {"did/#242.3.14.34 he/].23.1 go/#128.0.13.1 ?/", 2},        // a past form
        {"is/#242.1.14.37 he/].23.1 here/#20.0.18 ?/", 1},
        {"don't/#242.0.14.34 go/#128.0.13.1 ./", 0},                 // an order
        {"don't/#242.0.14.34 you/#92.10.1 go/#128.0.13.1 ?/", 1},
        {"there/#20.0.18 were/#242.3.14.37 houses/A.8.10 ./", 0},     // no question
    };
    for (const Case& c : cases) {
        Build(c.sentence);
        EXPECT_EQ(ResolveEnglishNounPhraseNumber(1), c.result) << c.sentence;
    }
}

}  // namespace
