// Whole English sentences through the paragraph exports on the built-in
// dictionary: a word of the user's lexicon, and the rate of findings on
// clean prose (bounded, and printed for the log). The rules' sentences are
// data: tests/data/cases/en_*.tsv (acceptance_cases_test.cpp).
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "acceptance_fixture.h"
#include "frame/bounded_string.h"
#include "frame/records.h"
#include "frame/tables.h"
#include "krzlib.h"
#include "lexicon/lex_lookup.h"
#include "lexicon/lex_records.h"
#include "morphology/word_lookup.h"
#include "rules/english/english_passes.h"

namespace {

using acceptance::Describe;
using acceptance::Found;
using acceptance::Holds;

class EnglishAcceptanceTest : public acceptance::AcceptanceTest {
protected:
    void SetUp() override { Start(0, "cat"); }
    void TearDown() override {
        if (!lexiconDir_.empty()) {
            KRZCloseLex();
            std::filesystem::remove_all(lexiconDir_);
        }
        AcceptanceTest::TearDown();
    }

    std::string lexiconDir_;  // a scratch lexicon's directory, when one is open
};

// A word of the user's lexicon is not an unknown word, in either export.
TEST_F(EnglishAcceptanceTest, UserLexiconWordIsNotReported) {
    const std::string sentence = "The zorblat eats an apple.";
    ASSERT_TRUE(Holds(Spelling(sentence), 4, 10, KRZ_CLASS_SPELLING)) << Describe(Spelling(sentence));

    char tmpl[] = "/tmp/krz-h26-XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    lexiconDir_ = tmpl;
    ASSERT_EQ(KRZOpenLex((lexiconDir_ + "/user.lex").c_str()), 0);
    // A noun record with the readings the dictionary gives "cat".
    BoundedString word;
    word.Allocate(36);
    CopyCString(word, "cat");
    BoundedArray<u16> tags;
    tags.Allocate(20);
    u16 count = 0;
    LookupWordForm(0, word, tags, count);
    ASSERT_GT(count, 0);
    const u16 tag = tags[0];
    const u8 analysisByte = gWordAnalysisBytes[0];
    CopyCString(word, "zorblat");
    FormEntry e;
    InitFormEntry(e);
    BuildLexKey(word, 0x38, e.FormText);
    CopyCString(e.LemmaText, "zorblat");
    e.FormClass = 0x38;
    e.FormCodes.data[0] = static_cast<u8>(tag >> 8);
    e.FormCodes.data[1] = static_cast<u8>(tag & 0xFF);
    e.FormCodes.data[2] = analysisByte;
    ASSERT_EQ(InsertLexRecord(e), 0);

    const std::vector<Found> spelled = Spelling(sentence);
    const std::vector<Found> checked = Grammar(sentence);
    EXPECT_TRUE(spelled.empty()) << Describe(spelled);
    EXPECT_TRUE(checked.empty()) << Describe(checked);
}

// Known words of real prose draw no spelling finding, through both
// exports; a word that stays unknown is reported without the quotation
// marks around it, and no word begins with the hyphens of a dash.
TEST_F(EnglishAcceptanceTest, KnownWordsOfRealProse) {
    const acceptance::SpanCase cases[] = {  // the spelling finding expected; 0, 0: none
        {"He said--and then left.", 0, 0},
        {"\"Well--I mean it,\" said I.", 0, 0},
        {"He stopped---then went on.", 0, 0},
        {"\"Won't you come?\" he said.", 0, 0},
        {"\u201cWon't you come?\u201d he said.", 0, 0},
        {"\"Zorblat,\" he said.", 1, 7},
        {"He said--zorblat.", 9, 15},
        // Possessives and contractions of known words.
        {"At the world's end it is one's own house.", 0, 0},
        {"It was nobody's fault; there's one, and here's another.", 0, 0},
        {"The boys' books and the dog's bone.", 0, 0},
        {"The aple's core.", 4, 9},
        // Hyphenated and number compounds of known words.
        {"On the twenty-seventh day they cross-examine him.", 0, 0},
        {"The home-coming of the three-year-old and my mother-in-law.", 0, 0},
        {"A healthy-looking, hard-working and grown-up man.", 0, 0},
        {"An old-Spanish-like house.", 0, 0},
        {"The twenty-ten.", 4, 13},
        {"A home-zorblat.", 2, 13},
    };
    for (const acceptance::SpanCase& c : cases) {
        acceptance::ExpectOnly(c, Spelling(c.sentence), KRZ_CLASS_SPELLING);
        acceptance::ExpectOnly(c, Grammar(c.sentence), KRZ_CLASS_SPELLING);
    }
}

// Correct prose that drew false alarms: quotations over several sentences
// and apostrophes in words, doubled auxiliaries, a contraction after an
// opening quote; and the findings that stay (a stray quote, a repeated word
// after the sentence's capital, a question mark without a question).
TEST_F(EnglishAcceptanceTest, EditedProseDrawsNoFalseAlarm) {
    const acceptance::SpanCase cases[] = {  // the grammar finding expected; 0, 0: none
        {"'Alice!' she said. 'Come here. Now.'", 0, 0},
        {"\"Oh! Come here. Who is there?\" Then he left.", 0, 0},
        {"\u201cOh! Come here. Who is there?\u201d Then he left.", 0, 0},
        {"\u2018Alice!\u2019 she said. \u2018Come here. Now.\u2019", 0, 0},
        {"The boys' hats were on the shelf.", 0, 0},
        {"He said, \u201cyes.\u201d", 0, 0},
        // A speech that runs into the next paragraph, or on from the last.
        {"\"Yes,\" said he, \"it is a long story. We lived there.", 0, 0},
        {"It was long ago.\" He smiled.", 0, 0},
        {"He was tired and he was cold, and he was hungry, so he had to go home and he had to sleep.", 0, 0},
        {"'Can't you see?' she said.", 0, 0},
        {"The the cat sat.", 0, 6},
        {"He said \"yes.", 0, 1},
        {"He said, \u201cyes. Then he left.", 0, 1},
        {"He is here?", 10, 10},
        // The English reading passes tell the inverted verb and subject of a
        // question.
        {"Are you sure?", 0, 0},
    };
    for (const acceptance::SpanCase& c : cases) acceptance::ExpectOnly(c, Grammar(c.sentence), KRZ_CLASS_GRAMMAR);
}

// Clean published prose draws few findings: about 10 spelling findings
// (names and rare words) and 14 in all per 1,000 words; a false alarm that
// spreads passes the bounds.
TEST_F(EnglishAcceptanceTest, FindingsPerThousandWordsOnCleanProse) {
    ProseCounts total;
    for (const char* name : {"austen_pride_en.txt", "morris_nowhere_en.txt"}) {
        gEnglishPassRuns = 0;
        gEnglishPassCalls = 0;
        total.Add(PrintProseRates("english prose", name));
        PrintRatesPerCode("english prose", name);
        // The reading disambiguation's passes (pass 0, the numbered ones,
        // pass 32) per run of its pass loop.
        ASSERT_GT(gEnglishPassRuns, 0u);
        std::cout << "[ english prose ] " << name << ": disambiguation passes per sentence "
                  << static_cast<double>(gEnglishPassCalls) / gEnglishPassRuns << " (" << gEnglishPassRuns
                  << " runs of the pass loop)\n";
    }
    ASSERT_GT(total.words, 4000u);
    EXPECT_LE(total.PerThousand(total.spelling), 15.0) << total.spelling << " spelling findings";
    EXPECT_LE(total.PerThousand(total.all), 25.0) << total.all << " findings";
}

}  // namespace
