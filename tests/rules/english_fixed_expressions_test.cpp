// English fixed expressions on word tables built from the compact notation
// of the word-table fixture: the phrase kinds and their words, the phrases
// a neighbour keeps from forming, the settled single words, "cant" and the
// capitals of word 0 and of "United States".
#include <gtest/gtest.h>

#include <string>

#include "../checking/word_table_fixture.h"
#include "rules/english/english_passes.h"

namespace {

using word_table::Build;

class FixedExpressionsTest : public word_table::WordTableTest {
protected:
    void SetUp() override {
        WordTableTest::SetUp();
        gCheckingLanguage = 0;
    }
};

// Class letters of words first .. first + n - 1, as characters ('?' for
// a byte that is no letter or mark).
std::string Classes(i32 first, i32 n) {
    std::string out;
    for (i32 i = first; i < first + n; ++i) {
        const u8 c = gWords[i].ReadingClasses[0];
        out += c == 26 ? '~' : (c >= 32 && c < 127 ? static_cast<char>(c) : '?');
    }
    return out;
}

TEST_F(FixedExpressionsTest, PhrasesTakeTheKindOfTheWhole) {
    struct Case {
        const char* sentence;
        i32 head;
        const char* classes;  // of every word after the call ('~' adverbial)
        u8 category;          // of the head
    } cases[] = {
        // nominal, paired noun, adverbial of four words
        {"heart/A.4.10 and/#16.0.16 soul/A.4.10 ./", 1, "...?", 10},
        {"by/#34.0.15 trial/A.4.10 and/#16.0.16 error/A.4.10 ./", 2, "\"+++?", 10},
        {"for/#34.0.15+#17.0.17 the/e.48.7 time/A.4.10+#128.0.14.1 being/#128.0.12.37 ./", 0, "~~~~?", 18},
        // "all the same": adverbial unless a noun follows
        {"all/Q.12.8 the/e.48.7 same/B.12.10 ./", 0, "~~~?", 18},
        {"all/Q.12.8 the/e.48.7 same/B.12.10 people/A.8.10 ./", 0, "QeBA?", 8},
        // "far from": prepositional before an article, adverbial otherwise;
        // a "not" before takes the kind of "far"
        {"not/#20.0.18 far/B.12.10+#20.0.18 from/#34.0.15 the/e.48.7 sea/A.4.10 ./", 1, ",,,eA?", 15},
        {"far/B.12.10+#20.0.18 from/#34.0.15 it/[.7.2 ./", 0, "~~[?", 18},
        // "get hold of": a verb phrase on its three words
        {"get/#128.0.14.1 hold/A.4.10+#128.0.14.1 of/#33.0.15 it/[.7.2 ./", 1, "---[?", 14},
        // the list's misspellings and the right spellings
        {"next/B.12.10 to/#32.0.15 nohing/A.4.10 ./", 0, "...?", 10},
        {"next/B.12.10 to/#32.0.15 nothing/K.4.6 ./", 0, "...?", 10},
        {"out/#20.0.18 of/#33.0.15 commision/A.4.10 ./", 0, "...?", 10},
        {"out/#20.0.18 of/#33.0.15 commission/A.4.10 ./", 0, "...?", 10},
        {"out/#20.0.18 of/#33.0.15 reach/A.4.10 ./", 0, ",,A?", 15},
        // "and" opening or closing the sentence opens no phrase
        {"and/#16.0.16 soul/A.4.10 ./", 0, "?A?", 16},
    };
    for (const Case& c : cases) {
        Build(c.sentence);
        EXPECT_EQ(MarkEnglishFixedExpressions(0, static_cast<i16>(c.head)), 0) << c.sentence;
        EXPECT_EQ(Classes(0, gWordCount), c.classes) << c.sentence;
        EXPECT_EQ(gWords[c.head].ReadingCategories[0], c.category) << c.sentence;
    }
    // The other words of a phrase keep one reading.
    Build("for/#34.0.15+#17.0.17 the/e.48.7 time/A.4.10+#128.0.14.1 being/#128.0.12.37 ./");
    MarkEnglishFixedExpressions(0, 0);
    EXPECT_EQ(gWords[2].ReadingCount, 1);
    EXPECT_EQ(gWords[2].ReadingFeatures[0], 0);
}

TEST_F(FixedExpressionsTest, WordsOfEightLettersOrMoreAreNoHeads) {
    Build("together/#20.0.18 with/#34.0.15 him/_.0.2 ./");
    EXPECT_EQ(MarkEnglishFixedExpressions(0, 0), 0);
    EXPECT_EQ(gWords[0].ReadingClasses[0], 20);
    MarkEnglishFixedExpressions(0, 1);  // the head "with" takes the phrase
    EXPECT_EQ(Classes(0, 2), ",,");
}

TEST_F(FixedExpressionsTest, CantWrittenForCant) {
    struct Case {
        const char* sentence;
        i32 caseOfWord0;
        u16 result;
    } cases[] = {
        {"I/U.5.1 cant/#128.0.14.1+A.4.10 swim/#128.0.14.1+A.4.10 ./", 1, 257 + 1},
        {"cant/#128.0.14.1 you/#92.10.1 swim/#128.0.14.1 ?/", 1, 257},
        {"cant/#128.0.14.1 you/#92.10.1 swim/#128.0.14.1 ./", 1, 0},       // no question
        {"the/e.48.7 cant/A.4.10 of/#33.0.15 it/[.7.2 ./", 0, 0},         // the noun
        {"I/U.5.1 cant/#128.0.14.1", 1, 0},                               // the last word
    };
    for (const Case& c : cases) {
        Build(c.sentence);
        gWords[0].WordCaseMode = static_cast<u16>(c.caseOfWord0);
        const i32 head = c.sentence[0] == 'c' ? 0 : 1;
        EXPECT_EQ(MarkEnglishFixedExpressions(1, static_cast<i16>(head)), c.result) << c.sentence;
    }
    // The verb after it keeps its verb reading for the later passes.
    Build("I/U.5.1 cant/#128.0.14.1+A.4.10 swim/#128.0.14.1+A.4.10 ./");
    MarkEnglishFixedExpressions(1, 1);
    EXPECT_EQ(gWords[2].ReadingCount, 1);
}

TEST_F(FixedExpressionsTest, CapitalsOfWordZeroAndOfNames) {
    // "Whether" opening the sentence.
    Build("Whether/#17.0.17 he/].23.1 comes/#128.1.14.1 ./");
    gWords[0].WordCaseMode = 1;
    MarkEnglishFixedExpressions(0, 0);
    EXPECT_EQ(gWords[0].ReadingClasses[0], 'K');
    // "the United States", "USA": compared without regard to case.
    Build("the/e.48.7 United/B.12.10 States/A.8.10 ./");
    gWords[1].WordCaseMode = 1;
    gWords[2].WordCaseMode = 1;
    MarkEnglishFixedExpressions(0, 2);
    EXPECT_EQ(gWords[2].ReadingClasses[0], 0x40);
    Build("the/e.48.7 united/B.12.10 states/A.8.10 ./");  // no capital: a common noun
    MarkEnglishFixedExpressions(0, 2);
    EXPECT_EQ(gWords[2].ReadingClasses[0], 'A');
    Build("USA/A.4.10 ./");
    gWords[0].WordCaseMode = 3;
    MarkEnglishFixedExpressions(0, 0);
    EXPECT_EQ(gWords[0].ReadingClasses[0], 'C');
    EXPECT_EQ(gWords[0].ReadingFeatures[0], 0);
}

TEST_F(FixedExpressionsTest, SingleWordsSettledByTheirNeighbours) {
    struct Case {
        const char* sentence;
        i32 head;
        i16 pass;
        const char* classes;
        u16 count;  // of the head
    } cases[] = {
        // "every day" ending the sentence (before its full stop) is adverbial
        {"I/U.5.1 walk/#128.0.14.1 every/Q.4.8 day/A.4.10 ./", 2, 0, "U?~~?", 1},
        // "bit" after an article is a noun, elsewhere it keeps a noun reading
        {"a/h.4.7 bit/#128.3.14.1 ./", 1, 0, "hA?", 1},
        {"he/].23.1 bit/#128.3.14.1 it/[.7.2 ./", 1, 0, "]?[?", 2},
        // "out" after a subject pronoun keeps one reading; from pass 1 it is
        // an adverb elsewhere
        {"go/#128.0.14.1 out/#20.0.18+#34.0.15 ./", 1, 1, "???", 1},
        // "one" before its noun is the numeral, in the determiner's place
        {"left/#128.3.14.1 one/S.8.8+K.4.6 soldier/A.4.10 ./", 1, 0, "?SA?", 1},
        // "more" after a verb qualifies the noun that follows; alone there
        // it is the adverb
        {"need/#128.0.14.1 more/K.0.6+#20.0.18 time/A.4.10 ./", 1, 0, "?BA?", 2},
        {"need/#128.0.14.1 more/K.0.6+#20.0.18 ./", 1, 0, "???", 1},
    };
    for (const Case& c : cases) {
        Build(c.sentence);
        MarkEnglishFixedExpressions(c.pass, static_cast<i16>(c.head));
        EXPECT_EQ(Classes(0, gWordCount), c.classes) << c.sentence;
        EXPECT_EQ(gWords[c.head].ReadingCount, c.count) << c.sentence;
    }
}

TEST_F(FixedExpressionsTest, ForBeforeAClauseIsTheConjunction) {
    struct Case {
        const char* sentence;
        i32 head;
        u8 category;  // of "for", one reading
    } cases[] = {
        {"he/].23.1 ran/#128.3.14.1 for/#34.0.15+#17.0.17 he/].23.1 was/#128.3.14.37 late/B.12.10 ./", 2, 17},
        // before a conjunction, and opening a sentence before a subject
        // pronoun and its verb
        {"we/X.9.1 ran/#128.3.14.1 for/#34.0.15+#17.0.17 if/#17.0.17+A.4.10 we/X.9.1 ./", 2, 17},
        {"for/#34.0.15+#17.0.17 I/U.5.1 can/#128.3.14.28 see/#128.0.14.1 ./", 0, 17},
        // a preposition otherwise, also opening a sentence
        {"for/#34.0.15+#17.0.17 him/_.0.2 it/[.7.3 was/#128.3.14.37 late/B.12.10 ./", 0, 15},
        {"it/[.7.1 is/#128.1.14.37 for/#34.0.15+#17.0.17 you/#92.10.3 ./", 2, 15},
    };
    for (const Case& c : cases) {
        Build(c.sentence);
        MarkEnglishFixedExpressions(1, static_cast<i16>(c.head));
        EXPECT_EQ(gWords[c.head].ReadingCategories[0], c.category) << c.sentence;
        EXPECT_EQ(gWords[c.head].ReadingCount, 1) << c.sentence;
    }
}

}  // namespace
