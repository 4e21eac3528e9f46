// Syntactic category of a reading from its class, features, mark and the
// words before it; the French -is shorthand split into six readings.
#include "checking/syntactic_code.h"

#include "word_table_fixture.h"

namespace {

using namespace word_table;
using SyntacticCodeTest = WordTableTest;

TEST_F(SyntacticCodeTest, CategoriesOfReadings) {
    struct Case {
        u16 language;
        const char* sentence;
        i16 word;
        u8 code, cls, features;
    };
    const Case cases[] = {
        {3, "x/#22", 0, 0, 22, 0},
        {0, "x/#22", 0, 0, 22, 0},
        {3, "x/#25", 0, 10, 25, 0},
        {0, "x/#25", 0, 10, 25, 0},
        {0, "to/#32 go/#128.0.0.50", 1, 13, 128, 0},           // "to" + base form
        {0, "he/U went/#128.0.0.50", 1, 14, 128, 0},
        {0, "the/c crossed/#128.4.0.20 road", 1, 10, 'B', 0},  // participle as adjective
        {0, "has/#128.1.0.37 crossed/#128.4.0.20", 1, 11, 128, 4},
        {0, "x/|.0.9", 0, 9, '|', 0},                          // keeps its category
        {3, "il/U a/#131.24 fini/#128.3", 2, 11, 128, 3},
        {3, "le/d fini/#128.3", 1, 10, 128, 3},
        {3, "de/! manger/#128.0", 1, 13, 128, 0},
        {3, "ce/O chat/A", 0, 8, 'O', 0},
        {3, "il/U", 0, 1, 'U', 0},
    };
    for (const Case& c : cases) {
        gCheckingLanguage = c.language;
        Build(c.sentence);
        EXPECT_EQ(DeriveSyntacticCode(c.word, 0), c.code) << c.sentence;
        EXPECT_EQ(gWords[c.word].ReadingClasses[0], c.cls) << c.sentence;
        EXPECT_EQ(gWords[c.word].ReadingFeatures[0], c.features) << c.sentence;
    }
}

TEST_F(SyntacticCodeTest, FrenchShorthandBecomesSixReadings) {
    gCheckingLanguage = 3;
    Build("il/U a/#131.24 fini/#128.55.0.7");
    EXPECT_EQ(DeriveSyntacticCode(2, 0), 11);  // after an auxiliary
    const WordRecord& w = gWords[2];
    ASSERT_EQ(w.ReadingCount, 6);
    EXPECT_EQ(w.ReadingFeatures[0], 3);
    const u8 persons[] = {6, 7, 24, 25, 48};
    for (u16 j = 1; j < 6; ++j) {
        EXPECT_EQ(w.ReadingFeatures[j], persons[j - 1]);
        EXPECT_EQ(w.ReadingCategories[j], 14);
        EXPECT_EQ(w.ReadingClasses[j], 128);
        EXPECT_EQ(w.ReadingMarks[j], 7);
    }
    // A word with more readings keeps at most eight.
    Build("le/d fini/A+B+C+#128.55");
    DeriveSyntacticCode(1, 3);
    EXPECT_EQ(gWords[1].ReadingCount, 8);
    EXPECT_EQ(gWords[1].ReadingClasses[2], 'C');  // the readings before stay
    EXPECT_EQ(gWords[1].ReadingFeatures[7], 25);  // 6, 7, 24, 25 fit; 48 does not
}

}  // namespace
