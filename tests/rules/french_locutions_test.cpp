// The French locution pass on word tables built from the compact notation
// of the word-table fixture: the rules of "a", the lowering around the
// function-word rule, the way out of the pass (direct results, the matcher
// gate, the mode-0 count), the word tests of short and long words, and the
// matcher's repetitions.
#include <gtest/gtest.h>

#include <string>

#include "../checking/word_table_fixture.h"
#include "frame/report.h"
#include "morphology/word_lookup.h"
#include "rules/french/french_locutions.h"
#include "rules/french/french_rules.h"
#include "rules/french/function_words.h"
#include "rules/french/locution_matcher.h"
#include "rules/french/locution_text.h"

namespace {

using word_table::Build;

// What the seams saw.
u32 gMatcherRuns = 0;
u16 gFunctionWordResult = 0;
struct FunctionWordCall {
    i32 n = -1, i = -1;
    u16 lowered = 0;
    std::string text;  // the word's text during the call
};
FunctionWordCall gLastCall;

void CountMatcherRuns(u16) { ++gMatcherRuns; }
u16 RecordFunctionWord(u16, i32 n, i32 i, u16 lowered) {
    gLastCall = {n, i, lowered, word_table::Text(gWords[i].WordText)};
    return gFunctionWordResult;
}

class FrenchLocutionsTest : public word_table::WordTableTest {
protected:
    void SetUp() override {
        WordTableTest::SetUp();
        gCheckingLanguage = 1;
        gAccentsOnCapitals = 0;
        gMatcherRuns = 0;
        gFunctionWordResult = 0;
        gLastCall = {};
        gLocutionMatcher = CountMatcherRuns;
        gFunctionWordRule = RecordFunctionWord;
    }
    void TearDown() override {
        gLocutionMatcher = MatchFrenchLatinLocutions;
        gFunctionWordRule = ApplyFrenchFunctionWordRule;
        gAccentsOnCapitals = 0;
        WordTableTest::TearDown();
    }
};

using word_table::Readings;

// A row of a word-test table: the sentence, the modes it is checked in,
// the readings then expected of one word, and the locution report (the
// mode-1 result; in mode 0 only a result that ends the pass at once is
// returned).
struct Row {
    const char* sentence;
    u8 modes;
    i32 word;
    const char* readings;
    u16 report = 0;
    bool atOnce = false;
};
// Bits of Row::modes: checked in mode 0, in mode 1; kElse: in the other
// mode the word keeps its readings and nothing is reported.
constexpr u8 kMode0 = 1, kMode1 = 2, kBoth = 3, kElse = 4;

void RunRows(const Row* rows, size_t n) {
    for (size_t k = 0; k < n; ++k) {
        const Row& row = rows[k];
        for (u16 mode : {0, 1}) {
            Build(row.sentence);
            const std::string before = Readings(row.word);
            const u16 r = MarkFrenchLocutions(mode);
            const std::string where = std::string(row.sentence) + " (mode " + std::to_string(mode) + ")";
            if ((row.modes >> mode) & 1) {
                EXPECT_EQ(r, mode == 1 || row.atOnce ? row.report : 0) << where;
                if (row.readings != nullptr) {
                    EXPECT_EQ(Readings(row.word), row.readings) << where;
                }
            } else if (row.modes & kElse) {
                EXPECT_EQ(r, 0) << where;
                EXPECT_EQ(Readings(row.word), before) << where;
            }
        }
    }
}

template <size_t N>
void RunRows(const Row (&rows)[N]) {
    RunRows(rows, N);
}

}  // namespace

namespace {

// ---- the rules of "a"

TEST_F(FrenchLocutionsTest, RulesOfA) {
    const Row rows[] = {
        // after an infinitive of one reading: "à" (report 256 + i)
        {"il/].23.1 faut/#128.8.14 penser/#128.0.13 a/#194.8.14+A.4.10 tout/A.20.10 ./", kBoth | kElse, 3,
         "194.8.14.0+65.4.10.0", 259},
        // near miss: the infinitive has two readings
        {"il/].23.1 faut/#128.8.14 penser/#128.0.13+A.20.10 a/#194.8.14 tout/A.20.10 ./", kBoth | kElse, 3, nullptr},
        // after "jusqu'", and after an adverb that follows a verb
        {"il/].23.1 est/#131.8.14 allé/#128.2.11 jusqu'/#34.0.15 a/#194.8.14 Paris/@ ./", kBoth | kElse, 4, nullptr, 260},
        {"il/].23.1 faut/#128.8.14 penser/#128.0.13 vite/#20.0.18 a/#194.8.14 tout/A.20.10 ./", kBoth | kElse, 4,
         nullptr, 260},
        // "a priori": the next word is a later locution word (class 24)
        {"il/].23.1 a/#194.8.14 raison/A.36.10 ,/ a/#194.8.14 priori/#24.0.18 ./", kBoth, 4, "194.8.18.0"},
        {"il/].23.1 a/#194.8.14 raison/A.36.10 ,/ a/#194.8.14 priori/#24.0.18+A.4.10 ./", kBoth | kElse, 4, nullptr},
        // a letter between two punctuation words
        {"voir/#128.0.13 (/ b/A.4.10 )/ ./", kBoth, 2, "28.4.18.0"},
        {"voir/#128.0.13 (/ b/A.4.10 mot/A.20.10 ./", kBoth, 2, "65.4.10.0"},
    };
    RunRows(rows);
    Build("il/].23.1 faut/#128.8.14 penser/#128.0.13 a/#194.8.14 tout/A.20.10 ./");
    MarkFrenchLocutions(1);
    EXPECT_EQ(gErrorExtent, 3);
}

TEST_F(FrenchLocutionsTest, CapitalAWithAndWithoutAccentsOnCapitals) {
    const char* afterVerb = "il/].23.1 pense/#128.8.14 A/#194.8.14.17.9+A.4.10~1 Paul/@ ./";
    gAccentsOnCapitals = 1;
    Build(afterVerb);
    EXPECT_EQ(MarkFrenchLocutions(1), 258);
    gAccentsOnCapitals = 0;
    Build(afterVerb);
    EXPECT_EQ(MarkFrenchLocutions(1), 0);
    // Without accents on capitals, "A" after a verb is the preposition "à",
    // with its own lemma (the preposition's base form), not avoir's.
    EXPECT_EQ(Readings(2), "32.0.15.0");
    EXPECT_EQ(gWords[2].ReadingLemmaRefs[0], kLemmaOfA);
    EXPECT_EQ(word_table::Text(gWords[2].WordText), "A");
    // Before a past participle it stays the verb, one reading.
    Build("il/].23.1 A/#194.8.14.17.9+A.4.10~1 mangé/#128.2.11 ./");
    MarkFrenchLocutions(1);
    EXPECT_EQ(Readings(1), "194.8.14.17");
    EXPECT_EQ(gWords[1].ReadingLemmaRefs[0], 9u);
}

// ---- lowering around the function-word rule

TEST_F(FrenchLocutionsTest, FunctionWordsAreLoweredForTheirRuleAndRestored) {
    struct Case {
        const char* sentence;
        i32 n;
        u16 lowered;
        const char* seen;
    } cases[] = {
        {"et/#16.0.16 le/d.20.7 chat/A.20.10 ./", 0, 0, "le"},
        {"et/#16.0.16 Le/d.20.7~1 chat/A.20.10 ./", 0, 1, "le"},
        {"et/#16.0.16 LA/d.36.7~3 chose/A.36.10 ./", 1, 1, "la"},
        {"et/#16.0.16 TOUT/A.20.10~3 ./", 51, 1, "tout"},
        {"et/#16.0.16 Tout/A.20.10~1 ./", 51, 1, "tout"},
    };
    for (const Case& c : cases) {
        Build(c.sentence);
        const std::string written = word_table::Text(gWords[1].WordText);
        MarkFrenchLocutions(0);
        EXPECT_EQ(gLastCall.n, c.n) << c.sentence;
        EXPECT_EQ(gLastCall.i, 1) << c.sentence;
        EXPECT_EQ(gLastCall.lowered, c.lowered) << c.sentence;
        EXPECT_EQ(gLastCall.text, c.seen) << c.sentence;
        EXPECT_EQ(word_table::Text(gWords[1].WordText), written) << c.sentence;
    }
    // A word without readings is lowered for the lookup (flag 0) and gets
    // its text as written back all the same.
    Build("et/#16.0.16 Les/d.8.7~1 ./");
    gWords[1].ReadingCount = 0;
    MarkFrenchLocutions(0);
    EXPECT_EQ(gLastCall.n, 2);
    EXPECT_EQ(gLastCall.lowered, 0);
    EXPECT_EQ(word_table::Text(gWords[1].WordText), "Les");
    // A capitalised word of the own tests is compared lowered and restored.
    Build("c'/O.0.4 le/e.20.7 jour/A.20.10 Quand/#17.0.17~1 il/].23.1 ./");
    EXPECT_EQ(MarkFrenchLocutions(1), 768 + 3);
    EXPECT_EQ(word_table::Text(gWords[3].WordText), "Quand");
}

// ---- the ways out of the pass

TEST_F(FrenchLocutionsTest, ResultsAndTheMatcherGate) {
    // A function-word rule's count gives 2 in mode 0 only.
    Build("et/#16.0.16 le/d.20.7 chat/A.20.10 ./");
    gFunctionWordResult = 1;
    EXPECT_EQ(MarkFrenchLocutions(0), 2);
    EXPECT_EQ(MarkFrenchLocutions(1), 0);
    // A report of the rule is stored as is: the mode-1 result; 511 lets the
    // matcher run, 512 does not; mode 0 returns 0 whatever the report.
    struct Case {
        u16 report;
        u32 matcherRuns;
    } cases[] = {{300, 1}, {511, 1}, {512, 0}, {900, 0}};
    for (const Case& c : cases) {
        gFunctionWordResult = c.report;
        gMatcherRuns = 0;
        Build("et/#16.0.16 le/d.20.7 chat/A.20.10 ./");
        EXPECT_EQ(MarkFrenchLocutions(1), c.report);
        EXPECT_EQ(gLocutionReport, c.report);
        EXPECT_EQ(gMatcherRuns, c.matcherRuns) << c.report;
        Build("et/#16.0.16 le/d.20.7 chat/A.20.10 ./");
        EXPECT_EQ(MarkFrenchLocutions(0), 0) << c.report;
    }
    gFunctionWordResult = 0;
    // A one-word sentence runs no word rule; the matcher still runs.
    gMatcherRuns = 0;
    Build("oui/#20.0.18");
    EXPECT_EQ(MarkFrenchLocutions(1), 0);
    EXPECT_EQ(gMatcherRuns, 1u);
}

TEST_F(FrenchLocutionsTest, DirectResultsEndThePassAndSkipTheMatcher) {
    struct Case {
        const char* sentence;
        u16 result;
    } cases[] = {
        // "à lequel": 129 + i; "si il" after it is never tested
        {"c'/O.0.4 est/#131.8.14 le/d.20.7 livre/A.20.10 à/#32.0.15 lequel/G.20.5 si/#17.0.17 il/].23.1 ./", 129 + 4},
        {"c'/O.0.4 est/#131.8.14 à/#32.0.15 lesquelles/G.20.5 ./", 129 + 2},
        {"quelqu'/#75.0.6 il/].23.1 vienne/#128.30.14 ./", 0},  // word 0 is not tested
        {"et/#16.0.16 quelqu'/#75.0.6 il/].23.1 vienne/#128.30.14 ./", 257 + 1},
        {"et/#16.0.16 quelqu'/#75.0.6 elles/^.36.1 ./", 257 + 1},
        {"et/#16.0.16 quelqu'/#75.0.6 autre/A.20.10 ./", 129 + 1},
        {"et/#16.0.16 quelqu'/#75.0.6 un/#75.20.6 ./", 0},
        {"il/].23.1 sort/#128.8.14 ,/ quoiqu'/#17.0.17 il/].23.1 pleuve/#128.30.14 ,/ dit/#128.8.14 ./", 257 + 3},
        {"il/].23.1 vient/#128.8.14 ,/#0.0.21 quoique/#17.0.17 malade/A.20.10 ./", 0},
    };
    for (const Case& c : cases) {
        for (u16 mode : {0, 1}) {
            Build(c.sentence);
            gMatcherRuns = 0;
            EXPECT_EQ(MarkFrenchLocutions(mode), c.result) << c.sentence << " mode " << mode;
            EXPECT_EQ(gMatcherRuns, c.result == 0 ? 1u : 0u) << c.sentence;
            if (c.result != 0) {
                EXPECT_EQ(gLocutionReport, 0) << c.sentence;
            }
        }
    }
}

// ---- the matcher's first pass

u32 gOpeningRuns = 0, gAttributiveRuns = 0, gRemovals = 0;
void CountOpening(u16, FirstPassState&) { ++gOpeningRuns; }
void CountAttributive(u16, FirstPassState&) { ++gAttributiveRuns; }
void RemoveTwice(u16, FirstPassState& s) {
    if (gRemovals > 0) {
        --gRemovals;
        s.removed = 1;
    }
}

TEST_F(FrenchLocutionsTest, MatcherRepeatsItsFirstPassWhileTheFilterRemoves) {
    FirstPassLoop saved[kFirstPassLoops];
    for (u32 k = 0; k < kFirstPassLoops; ++k) saved[k] = gFirstPassLoops[k];
    gFirstPassLoops[0] = CountOpening;
    gFirstPassLoops[3] = CountAttributive;
    gFirstPassLoops[6] = RemoveTwice;
    struct Case {
        u16 mode;
        u32 removals, opening, attributive;
    } cases[] = {{1, 0, 1, 1}, {1, 2, 3, 3}, {0, 2, 3, 0},
                 // a filter that never settles: bounded by the readings held (4) + 1
                 {1, 1000, 5, 5}};
    for (const Case& c : cases) {
        Build("il/].23.1 vient/#128.8.14 ici/#20.0.18 ./");
        gOpeningRuns = gAttributiveRuns = 0;
        gRemovals = c.removals;
        MatchFrenchLatinLocutions(c.mode);
        EXPECT_EQ(gOpeningRuns, c.opening) << c.removals;
        EXPECT_EQ(gAttributiveRuns, c.attributive) << c.removals;
    }
    for (u32 k = 0; k < kFirstPassLoops; ++k) gFirstPassLoops[k] = saved[k];
}

// ---- locution literals and the internal hyphen

TEST(LocutionText, HyphenMatchesEitherByte) {
    u8 store[36] = {};
    BoundedString s;
    s.View(store, 36);
    struct Case {
        const char* text;
        const char* literal;
        bool is, begins;
    } cases[] = {
        {"tire-larigot", "tire-larigot", true, true},
        {"tire\x9Blarigot", "tire-larigot", true, true},
        {"tire-larigot", "tire\x9Blarigot", true, true},
        {"tire_larigot", "tire-larigot", false, false},
        {"tire-larigots", "tire-larigot", false, true},
        {"vau\x9Bl'", "vau-l'", true, true},
        {"Tire-larigot", "tire-larigot", false, false},
    };
    for (const Case& c : cases) {
        CopyCString(s, c.text);
        EXPECT_EQ(LocutionTextIs(s, c.literal), c.is) << c.text;
        EXPECT_EQ(LocutionTextBegins(s, c.literal), c.begins) << c.text;
    }
}

}  // namespace

namespace {

// ---- word tests of words of one to three bytes

TEST_F(FrenchLocutionsTest, LocutionsOfA) {
    const Row rows[] = {
        // "à reculons": adverbial locution, one reading; near miss: "à rebours"
        {"il/].23.1 marche/#128.8.14 à/#32.0.15 reculons/A.24.10+#128.1.14 ./", kBoth, 3, "26.24.18.0"},
        {"il/].23.1 marche/#128.8.14 à/#32.0.15 reculons/A.24.10+#128.1.14 ./", kBoth, 2, "26.0.18.0"},
        {"il/].23.1 marche/#128.8.14 à/#32.0.15 rebours/A.24.10+#128.1.14 ./", kBoth, 3, "65.24.10.0+128.1.14.0"},
        // the locution word written with either hyphen byte
        {"boire/#128.0.13 à/#32.0.15 tireõlarigot/A.20.10+B.20.10 ./", kBoth, 2, "26.20.18.0"},
        {"boire/#128.0.13 à/#32.0.15 tire-larigot/A.20.10+B.20.10 ./", kBoth, 2, "26.20.18.0"},
        // "à plat ventre"
        {"tomber/#128.0.13 à/#32.0.15 plat/A.20.10 ventre/A.20.10 ./", kBoth, 3, "26.20.18.0"},
        // the same word on both sides: "coude à coude"
        {"coude/A.20.10 à/#32.0.15 coude/A.20.10+B.20.10 ./", kBoth, 2, "26.20.18.0"},
        // "grâce à": the previous word too, one reading
        {"grâce/A.36.10+#128.8.14 à/#32.0.15 lui/_.0.2 ./", kBoth, 0, "44.36.15.0"},
        {"face/A.36.10 à/#32.0.15 face/A.36.10 ./", kBoth, 0, "26.36.18.0"},
        // "par rapport à"; near miss with "de rapport"
        {"par/#34.0.15 rapport/A.20.10 à/#32.0.15 lui/_.0.2 ./", kBoth, 1, "44.20.15.0"},
        {"de/j.0.7 rapport/A.20.10 à/#32.0.15 lui/_.0.2 ./", kBoth | kElse, 1, nullptr},
        // "à vrai dire", "à la dérobée", "à la bonne franquette", "à l'aveuglette"
        {"et/#16.0.16 à/#32.0.15 vrai/B.20.10+A.20.10 dire/#128.0.13 ,/ il/].23.1 ./", kBoth, 2, "26.20.18.0"},
        {"partir/#128.0.13 à/#32.0.15 la/e.36.7+|.36.2 dérobée/A.36.10 ./", kBoth, 2, "26.36.18.0"},
        {"manger/#128.0.13 à/#32.0.15 la/e.36.7+|.36.2 bonne/B.36.10 franquette/A.36.10 ./", kBoth, 4, "26.36.18.0"},
        {"aller/#128.0.13 à/#32.0.15 l'/e.4.7+|.4.2 aveuglette/A.36.10 ./", kBoth, 2, "26.4.18.0"},
        // "à savoir" after a comma, or before a colon; not otherwise
        {"deux/S.8.8 ,/ à/#32.0.15 savoir/#128.0.13+A.20.10 ./", kBoth, 3, "26.0.18.0"},
        {"il/].23.1 faut/#128.8.14 à/#32.0.15 savoir/#128.0.13+A.20.10 ./", kBoth, 3, "128.0.13.0+65.20.10.0"},
        // neighbours missing at the sentence's end
        {"il/].23.1 va/#128.8.14 à/#32.0.15", kBoth, 2, "32.0.15.0"},
        {"il/].23.1 va/#128.8.14 à/#32.0.15 la/e.36.7", kBoth, 3, "101.36.7.0"},
    };
    RunRows(rows);
}

TEST_F(FrenchLocutionsTest, LocutionsOfY) {
    const Row rows[] = {
        // "y compris": the next word an adverb of one reading
        {"tous/K.24.6 ,/ y/#95.0.2 compris/#128.3.11+#128.24.14 lui/_.0.2 ./", kBoth, 3, "128.3.18.0"},
        // "y" otherwise a clitic
        {"il/].23.1 y/#20.0.18 va/#128.8.14 ./", kBoth, 1, "20.0.2.0"},
        // "il y a longtemps", "il y a bien peu"; not before "qu..."
        {"il/].23.1 y/#95.0.2 a/#194.8.14 longtemps/#20.0.18 ./", kBoth, 2, "26.8.18.0"},
        {"il/].23.1 y/#95.0.2 a/#194.8.14 longtemps/#20.0.18 qu'/#17.0.17 il/].23.1 ./", kBoth, 2, "194.8.14.0"},
        {"il/].23.1 y/#95.0.2 a/#194.8.14 bien/#20.0.18 peu/#20.0.18 ./", kBoth, 3, "26.0.18.0"},
        // "il n'y a guère"
        {"il/].23.1 n'/#22.0.18 y/#95.0.2 a/#194.8.14 guère/#20.0.18 ./", kBoth, 3, "26.8.18.0"},
        {"il/].23.1 n'/#22.0.18 y/#95.0.2 a/#194.8.14 rien/K.20.6 ./", kBoth, 3, "194.8.14.0"},
    };
    RunRows(rows);
}

TEST_F(FrenchLocutionsTest, TwoAndThreeByteWords) {
    const Row rows[] = {
        // "au fur et à mesure": closing, before "que", before "de"
        {"il/].23.1 part/#128.8.14 au/f.20.9 fur/A.20.10 et/#16.0.16 à/#32.0.15 mesure/A.36.10 ./", kBoth, 6,
         "26.36.18.0"},
        {"au/f.20.9 fur/A.20.10 et/#16.0.16 à/#32.0.15 mesure/A.36.10", kBoth, 4, "65.36.10.0"},  // word 0
        {"il/].23.1 au/f.20.9 fur/A.20.10 et/#16.0.16 à/#32.0.15 mesure/A.36.10 que/#17.0.17 ./", kBoth, 6,
         "42.0.17.0"},
        {"il/].23.1 au/f.20.9 fur/A.20.10 et/#16.0.16 à/#32.0.15 mesure/A.36.10 des/j.8.9 ./", kBoth, 6,
         "44.8.15.0"},
        // "si il": report 128 + i, not with "s'il" or "Si il" at the start
        {"je/U.5.1 viens/#128.6.14 si/#17.0.17 il/].23.1 pleut/#128.8.14 ./", kMode1 | kElse, 3, nullptr, 128 + 3},
        {"Si/#17.0.17~1 il/].23.1 pleut/#128.8.14 ./", kBoth | kElse, 1, nullptr},
        // "or": noun or adjective before, article before, else a conjunction
        {"de/j.0.7 l'/e.4.7 or/A.20.10.0.5+#16.0.16.0.6 ./", kBoth, 2, "65.20.10.0"},
        {"c'/O.0.4 est/#131.8.14 vrai/B.20.10 or/A.20.10.0.5+#16.0.16.0.6 ./", kBoth, 3, "65.20.18.0"},
        {"il/].23.1 part/#128.8.14 ,/ or/A.20.10.0.5+#16.0.16.0.6 ./", kBoth, 3, "16.0.16.0"},
        // "s'" before "il": the conjunction
        {"je/U.5.1 viens/#128.6.14 s'/#90.0.2+#17.0.17 il/].23.1 ./", kBoth, 2, "17.0.17.0"},
        {"il/].23.1 s'/#90.0.2+#17.0.17 en/#20.0.2 va/#128.8.14 ./", kBoth, 1, "90.0.2.0+17.0.17.0"},
        // "mon" before a vowel: features 4
        {"et/#16.0.16 mon/m.20.8 amie/A.36.10 ./", kBoth, 1, "109.4.8.0"},
        {"et/#16.0.16 mon/m.20.8 livre/A.20.10 ./", kBoth, 1, "109.20.8.0"},
        // "foi" after "cette", an ordinal: report 256 + i
        {"cette/O.36.8 foi/A.36.10 ./", kMode1 | kElse, 1, nullptr, 256 + 1},
        {"la/e.36.7 deuxième/B.36.10 foi/A.36.10 ./", kMode1 | kElse, 2, nullptr, 256 + 2},
        {"la/e.36.7 foi/A.36.10 ./", kBoth | kElse, 1, nullptr},
        // "été": a noun after an article; a participle of être otherwise
        {"l'/e.4.7 été/#131.2.11.16.7+A.20.10.0.8 ./", kBoth, 1, "65.20.10.92"},
        {"il/].23.1 a/#194.8.14 été/#131.2.11.16.7+A.20.10.0.8 ./", kBoth, 2, "131.2.11.16"},
        // "été" after "tout" after avoir: the auxiliary retagged in mode 1 only
        {"ils/].24.1 ont/#194.11.14.17 tous/K.24.6 été/#131.2.11.16.7+A.20.10.0.8 ./", kMode0, 1, "194.11.14.17"},
        {"ils/].24.1 ont/#194.11.14.17 tous/K.24.6 été/#131.2.11.16.7+A.20.10.0.8 ./", kMode1, 1, "131.11.14.16"},
    };
    RunRows(rows);
    // "s'" takes the lemma of the conjunction "si" (from the dictionary).
    Build("je/U.5.1 viens/#128.6.14 s'/#90.0.2.0.4+#17.0.17.0.5 il/].23.1 ./");
    MarkFrenchLocutions(1);
    EXPECT_EQ(gWords[2].ReadingLemmaRefs[0], LookupTextSlotPreserving("si", 1));
}

// ---- word tests of words of four bytes and more

TEST_F(FrenchLocutionsTest, FoisAndItsReports) {
    const Row rows[] = {
        {"il/].23.1 l'/|.4.2 a/#194.8.14 fait/#128.2.11 quelque/Q.4.8 fois/A.44.10 ./", kMode1 | kElse, 5, nullptr,
         512 + 5},
        {"il/].23.1 vient/#128.8.14 toute/Q.36.8 fois/A.44.10 ./", kMode1 | kElse, 3, nullptr, 512 + 3},
        {"il/].23.1 vient/#128.8.14 quelquefois/#20.0.18 ./", kBoth | kElse, 2, nullptr},
        {"nous/X.8.1 arrivons/#128.9.14 à/#32.0.15 la/e.36.7 même/B.36.10 fois/A.44.10 ./", kMode1, 5, "65.36.10.0",
         255 + 5},
        {"arrivés/#128.3.11 à/#32.0.15 la/e.36.7 même/B.36.10 fois/A.44.10 que/#17.0.17 lui/_.0.3 ./", kBoth, 4,
         "65.36.10.0"},
        // "une fois", "à la fois", "cette fois"
        // after a verb the two words are an adverbial locution
        {"il/].23.1 vient/#128.8.14 une/e.36.7+S.36.8 fois/A.44.10+#128.8.14 ./", kBoth, 3, "26.44.18.27"},
        {"il/].23.1 vient/#128.8.14 ,/ une/e.36.7+S.36.8 fois/A.44.10+#128.8.14 ./", kBoth, 4, "65.44.10.27"},
        {"il/].23.1 vient/#128.8.14 ,/ une/e.36.7+S.36.8 fois/A.44.10+#128.8.14 ./", kBoth, 3, "101.36.7.0"},
        {"il/].23.1 rit/#128.8.14 à/#32.0.15 la/e.36.7+|.36.2 fois/A.44.10+#128.8.14 ./", kBoth, 4, "26.44.18.0"},
        {"cette/O.36.8 fois/A.44.10+#128.8.14 ,/ il/].23.1 ./", kBoth, 1, "65.44.18.0"},
    };
    RunRows(rows);
    Build("nous/X.8.1 arrivons/#128.9.14 à/#32.0.15 la/e.36.7 même/B.36.10 fois/A.44.10 ./");
    EXPECT_EQ(MarkFrenchLocutions(1), 255 + 5);
    EXPECT_EQ(gErrorExtent, 4);
    EXPECT_EQ(gErrorVariant, 'D');
}

TEST_F(FrenchLocutionsTest, ReportsOfLongerWords) {
    const Row rows[] = {
        // "très beaucoup": 257 + the index of "très", variant 'D'
        {"il/].23.1 est/#131.8.14 très/#20.0.18 beaucoup/#20.0.18 aimé/#128.2.11 ./", kMode1 | kElse, 2, nullptr,
         257 + 2},
        {"il/].23.1 est/#131.8.14 très/#20.0.18 aimé/#128.2.11 ./", kBoth | kElse, 2, nullptr},
        // "quoi que" before an adjective: 513 + i; "quoi qu'il" not
        {"il/].23.1 vient/#128.8.14 ,/ quoi/G.0.5 que/#17.0.17 malade/B.20.10 ./", kMode1 | kElse, 3, nullptr, 513 + 3},
        {"il/].23.1 vient/#128.8.14 ,/ quoi/G.0.5 qu'/#17.0.17 il/].23.1 ./", kBoth | kElse, 3, nullptr},
        // "quand" after a time noun, in mode 1 only
        {"c'/O.0.4 est/#131.8.14 le/e.20.7 jour/A.20.10 quand/#17.0.17 il/].23.1 ./", kMode1 | kElse, 4, nullptr, 768 + 4},
        {"c'/O.0.4 est/#131.8.14 le/e.20.7 lieu/A.20.10 quand/#17.0.17 il/].23.1 ./", kBoth | kElse, 4, nullptr},
        // "vielle" beside a noun; "vielles" before a noun
        {"une/e.36.7 vielle/A.36.10 femme/A.36.10 ./", kMode1 | kElse, 1, nullptr, 768 + 1},
        {"elle/^.36.1 vielle/#128.30.14 ./", kBoth | kElse, 1, nullptr},
        {"les/e.8.7 vielles/B.40.10 femmes/A.40.10 ./", kMode1 | kElse, 1, nullptr, 768 + 1},
        // "quelque" before a noun of one reading beginning with "un"; "soit"
        // after "quelque"; "milles" before a noun
        {"il/].23.1 voit/#128.8.14 quelque/Q.4.8 une/e.36.7 ./", kMode1, 2, "81.4.8.0", 257 + 2},
        {"et/#16.0.16 quelque/Q.4.8 soit/#131.30.14+#16.0.16 ./", kMode1, 2, "131.30.14.0", 256 + 2},
        {"deux/S.8.8 milles/A.24.10 ans/A.24.10 ./", kMode1, 1, "82.24.10.0", 257 + 1},
        // two "soit": coordinating conjunctions
        {"soit/#131.30.14 lui/_.0.3 ,/ soit/#131.30.14+#20.0.18+#16.0.16 moi/_.0.3 ./", kBoth, 3, "16.0.16.0"},
    };
    RunRows(rows);
}

TEST_F(FrenchLocutionsTest, WordsWithModeRows) {
    const Row rows[] = {
        // "leur" after an article: a noun in mode 0 only
        {"le/e.20.7 leur/z.7.8+_.11.2 ./", kMode0, 1, "66.4.10.0"},
        {"le/e.20.7 leur/z.7.8+_.11.2 ./", kMode1, 1, "122.7.8.0+95.11.2.0"},
        // "leur" before a verb: the pronoun
        {"il/].23.1 leur/z.7.8+_.11.2 parle/#128.8.14 ./", kBoth, 1, "95.11.2.0"},
        // "derrière": adverb as the last word in mode 1, one reading in mode 0
        {"il/].23.1 passe/#128.8.14 derrière/#34.0.15+#20.0.18 ./", kMode1, 2, "20.0.18.0"},
        {"il/].23.1 passe/#128.8.14 derrière/#34.0.15+#20.0.18 ./", kMode0, 2, "34.0.15.0"},
        {"il/].23.1 passe/#128.8.14 derrière/#20.0.18+#34.0.15 la/e.36.7 ./", kMode1, 2, "34.0.15.0"},
        // "entre" after a subject pronoun: the verb, one reading
        {"il/].23.1 entre/#128.8.14+#34.0.15 ./", kBoth, 1, "128.8.14.0"},
        {"il/].23.1 part/#128.8.14 entre/#128.8.14+#34.0.15 les/e.8.7 ./", kMode1, 2, "34.0.15.0"},
        {"il/].23.1 part/#128.8.14 entre/#128.8.14+#34.0.15 les/e.8.7 ./", kMode0, 2, "128.8.14.0+34.0.15.0"},
        // "devant" after an article: its noun reading; else in mode 1 a preposition
        {"le/e.20.7 devant/#128.1.12+A.20.10.3 ./", kBoth, 1, "65.20.10.3"},
        {"il/].23.1 passe/#128.8.14 devant/#128.1.12+#34.0.15 ./", kMode1, 2, "34.0.15.0"},
        {"il/].23.1 passe/#128.8.14 devant/#128.1.12+#34.0.15 ./", kMode0, 2, "128.1.12.0"},
        // "contre": preposition and verb readings; one after a verb
        {"il/].23.1 est/#131.8.14 contre/#34.0.15 lui/_.0.3 ./", kBoth, 2, "34.0.15.1"},
        {"le/e.20.7 pour/#34.0.15 et/#16.0.16 le/e.20.7 contre/#34.0.15+#128.8.14 ./", kBoth, 4, "34.0.15.0"},
        {"il/].23.1 vote/#128.8.14 contre/#34.0.15+#128.8.14", kBoth, 2, "20.0.18.0"},
    };
    RunRows(rows);
    // "contre" between two nouns keeps both readings.
    Build("un/e.20.7 mot/A.20.10 contre/#34.0.15 mot/A.20.10 ./");
    MarkFrenchLocutions(1);
    EXPECT_EQ(Readings(2), "34.0.15.1+240.51.14.1");
}

}  // namespace

namespace {

TEST_F(FrenchLocutionsTest, ShortWordsBesideTheirLocutions) {
    const Row rows[] = {
        // "grâce aux", "face au"
        {"grâce/A.36.10+#128.8.14 aux/g.8.9 efforts/A.24.10 ./", kBoth, 0, "44.36.15.0"},
        {"face/A.36.10 au/f.20.9 mur/A.20.10 ./", kBoth, 1, "44.20.15.0"},
        // "au plus", "au dépourvu"
        {"au/f.20.9+A.20.10 plus/#20.0.18 ./", kBoth | kElse, 0, nullptr},  // word 0
        {"il/].23.1 part/#128.8.14 au/f.20.9+A.20.10 plus/#20.0.18 tôt/#20.0.18 ./", kBoth, 2, "102.0.18.0"},
        {"pris/#128.3.11 au/f.20.9 dépourvu/B.20.10 ./", kBoth, 2, "26.20.18.0"},
        // "in fine"; "au cas où"
        {"et/#16.0.16 in/#25.0.10.0.7+A.28.10.0.8 fine/C.36.10 ./", kBoth, 1, "26.0.18.0"},
        {"et/#16.0.16 in/#25.0.10.0.7+A.28.10.0.8 vivo/A.20.10 ./", kBoth, 1, "25.0.10.0+65.28.10.0"},
        {"au/f.20.9 cas/A.12.10 où/#71.0.5 il/].23.1 ./", kBoth, 2, "42.0.17.0"},
        {"le/e.20.7 cas/A.12.10 où/#71.0.5 il/].23.1 ./", kBoth, 2, "71.0.5.0"},
        // "pour de bon"; "bon" after a conjunction; "bon" otherwise alone
        {"partir/#128.0.13 pour/#34.0.15 de/j.0.7 bon/C.20.10+#20.0.18 ./", kBoth, 3, "26.20.18.0"},
        {"et/#16.0.16 si/#17.0.17 bon/C.20.10+#20.0.18 ./", kBoth, 2, "81.20.8.0"},
        {"un/e.20.7 bon/C.20.10+#20.0.18 pain/A.20.10 ./", kBoth, 1, "67.20.10.0+20.0.18.0"},
        // "dans ce cas", "auquel cas"
        {"et/#16.0.16 dans/#34.0.15 ce/O.20.8+O.4.4 cas/A.12.10 ./", kBoth, 2, "26.20.18.0"},
        {"et/#16.0.16 auquel/#71.20.5 cas/A.12.10 ./", kBoth, 2, "42.12.17.0"},
        // "fin prêt", "la fin" (feature above 31 before), "fin" before a noun
        {"il/].23.1 est/#131.8.14 fin/C.20.10+A.36.10+#20.0.18 prêt/B.20.10 ./", kBoth, 2, "20.20.18.0"},
        {"à/#32.0.15 la/e.36.7 fin/C.20.10+A.36.10+#20.0.18 du/f.20.9 ./", kBoth, 2, "67.20.10.0"},
        {"un/e.20.7 fin/C.20.10+A.36.10+#20.0.18 gourmet/A.20.10 ./", kBoth, 1, "66.20.10.0"},
        // "de bon gré", "bon gré mal gré"
        {"il/].23.1 part/#128.8.14 de/j.0.7+#33.0.15 bon/C.20.10 gré/A.20.10 ./", kBoth, 2, "26.0.18.0"},
        {"il/].23.1 part/#128.8.14 bon/C.20.10+#20.0.18 gré/A.20.10 mal/#20.0.18+A.20.10 gré/A.20.10 ./", kBoth, 4,
         "26.0.18.0"},
        // "nul" before an unanalysed word; "peu" after "de", after an article
        {"et/#16.0.16 nul/C.20.10+K.20.6 x/@ ./", kBoth, 1, "75.20.6.0+75.20.6.0"},
        {"il/].23.1 gagne/#128.8.14 de/j.0.7+#33.0.15 peu/#20.0.18 ./", kBoth, 2, "26.0.18.0"},
        {"un/e.20.7 peu/#20.0.18+A.20.10 ./", kBoth, 1, "65.20.10.0"},
        {"un/e.20.7 peu/#20.0.18+A.20.10 rouge/B.20.10 ./", kBoth | kElse, 1, nullptr},
        // "rue" after a number; "sus" after "je", after "en"
        {"au/f.20.9 12/S.8.8 rue/A.36.10+#128.8.14 Paul/@ ./", kBoth, 2, "65.36.10.69"},
        {"je/U.5.1 sus/#25.0.10+#224.3.10.41 ./", kBoth, 1, "240.24.14.41"},
        {"en/#20.0.2 sus/#25.0.10+#224.3.10.41 ./", kBoth, 1, "20.0.18.0"},
        // "qui" after a preposition opening the sentence
        {"à/#32.0.15 qui/G.0.5 parle/#128.8.14 ./", kBoth, 0, "32.0.18.0"},
    };
    RunRows(rows);
}

TEST_F(FrenchLocutionsTest, FourByteWords) {
    const Row rows[] = {
        {"il/].23.1 aura/#194.18.14+A.36.10 ./", kBoth, 1, "194.18.14.0"},
        {"une/e.36.7 aura/#194.18.14+A.36.10 ./", kBoth | kElse, 1, nullptr},
        {"il/].23.1 bout/#192.8.14+A.20.10 ./", kBoth, 1, "192.8.14.0"},
        {"au/f.20.9 bout/#192.8.14+A.20.10 ./", kBoth, 1, "65.20.10.91"},
        {"et/#16.0.16 cela/#224.26.14+F.4.4 ./", kBoth, 1, "70.4.4.0"},
        {"et/#16.0.16 cela/#224.26.14+F.4.4 le/e.20.7 ./", kBoth | kElse, 1, nullptr},
        {"un/e.20.7 cent/S.8.8 ./", kBoth, 1, "65.20.10.0"},
        {"le/e.20.7 doit/#240.8.14+A.20.10.84 ./", kBoth, 1, "65.20.10.84"},
        {"il/].23.1 doit/#240.8.14+A.20.10.84 ./", kBoth, 1, "208.8.14.42"},
        {"il/].23.1 est/#131.8.14 fort/C.20.10+#20.0.18 aimable/B.20.10 ./", kBoth, 2, "67.20.18.0"},
        {"les/e.8.7 gens/A.12.10 ./", kBoth, 1, "65.24.10.0"},
        {"la/e.36.7 mise/A.36.10 à/#32.0.15 jour/A.20.10 ./", kBoth, 3, "43.0.10.0"},
        {"et/#16.0.16 dès/#34.0.15 lors/#20.0.18 que/#17.0.17+G.0.5 ./", kBoth, 3, "42.0.17.0"},
        {"et/#16.0.16 depuis/#34.0.15 lors/#20.0.18 ./", kBoth, 2, "26.0.18.0"},
        {"tout/K.20.6 de/j.0.7 même/B.20.10+#20.0.18 ./", kBoth, 2, "26.0.18.0"},
        {"il/].23.1 vient/#128.8.14 quand/#17.0.17 même/B.20.10+#20.0.18 ./", kBoth, 3, "26.0.18.0"},
        {"le/e.20.7 même/B.20.10+#20.0.18 ./", kBoth, 1, "66.4.10.69+20.0.18.0"},
        {"les/e.8.7 neuf/S.8.8+C.20.10 ans/A.24.10 ./", kBoth, 1, "83.8.8.0"},
        {"un/e.20.7 neuf/S.8.8+C.20.10 ./", kBoth, 1, "83.8.8.0"},
        {"d'/j.0.7 une/e.36.7 part/#144.8.14+A.4.10 ./", kBoth, 2, "26.8.18.0"},
        {"on/#88.0.1 ne/#22.0.18 peut/#224.8.14 plus/#20.0.18 ./", kBoth, 2, "26.8.18.0"},
        {"sauve/#128.8.14 qui/G.0.5 peut/#224.8.14 ./", kBoth, 2, "43.8.10.0"},
        {"en/#20.0.2 plus/#177.24.14+#20.0.18 ./", kBoth, 1, "26.0.18.0"},
        {"il/].23.1 vient/#128.8.14 plus/#177.24.14+#20.0.18 ./", kBoth, 2, "20.0.18.27"},
        {"je/U.5.1 puis/#177.6.14+#20.0.18 ./", kBoth, 1, "241.6.14.43+20.0.18.0"},
        {"et/#16.0.16 un/e.20.7 je/U.5.1 ne/#22.0.18 sais/#224.6.14 quoi/G.0.5 ./", kBoth, 5, "43.0.10.0"},
        {"un/e.20.7 je/U.5.1 ne/#22.0.18 sais/#224.6.14 quoi/G.0.5 ./", kBoth | kElse, 4, nullptr},
        {"il/].23.1 vient/#128.8.14 sans/#34.0.15 doute/A.36.10 ./", kBoth, 3, "26.36.18.0"},
        {"il/].23.1 vient/#128.8.14 sans/#34.0.15 coup/A.20.10 férir/#128.0.13 ./", kBoth, 4, "26.0.13.0"},
        {"il/].23.1 vient/#128.8.14 ,/ sauf/B.20.10+#34.0.15 erreur/A.36.10 ./", kBoth, 3, "34.0.15.0"},
        {"et/#16.0.16 dieu/A.20.10 sait/#224.8.14 quand/#17.0.17 ./", kBoth, 3, "26.0.17.0"},
        {"je/U.5.1 suis/#131.6.14+#128.6.14 ./", kBoth, 1, "131.6.14.16"},
        {"sur/#34.0.15 le/e.20.7 tard/#20.0.18 ./", kBoth, 1, "26.20.18.0"},
        {"il/].23.1 vient/#128.8.14 tard/#20.0.18+A.20.10 ./", kBoth, 2, "20.0.18.0"},
        {"de/j.0.7 trop/#20.0.18 ./", kBoth | kElse, 1, nullptr},  // "de" is word 0
        {"il/].23.1 est/#131.8.14 de/j.0.7 trop/#20.0.18 ./", kBoth, 2, "26.0.18.0"},
        {"il/].23.1 a/#194.8.14 de/j.0.7 trop/#20.0.18 mangé/#128.0.13 ./", kBoth, 2, "33.0.15.0"},
    };
    RunRows(rows);
}

TEST_F(FrenchLocutionsTest, FiveToEightByteWords) {
    const Row rows[] = {
        {"de/j.0.7 plus/#20.0.18 belle/B.36.10 ./", kBoth, 2, "26.36.18.0"},
        {"il/].23.1 y/#95.0.2 a/#194.8.14 belle/B.36.10 lurette/A.36.10 ./", kBoth, 4, "26.36.18.0"},
        {"les/e.8.7 ayants/#128.1.12 droit/A.20.10+C.20.10 ./", kBoth, 1, "65.24.10.0"},
        {"il/].23.1 entre/#128.8.14+#34.0.15 ./", kBoth, 1, "128.8.14.0"},
        {"la/e.36.7 force/A.36.10 tranquille/B.36.10 ./", kBoth | kElse, 1, nullptr},
        {"à/#32.0.15 force/A.36.10 mots/A.24.10 ./", kBoth, 1, "67.24.10.0"},
        {"et/#16.0.16 après/#20.0.18+#34.0.15 le/e.20.7 ./", kBoth, 1, "34.0.15.0"},
        {"pro/@.0.10 forma/@.0.10 ./", kBoth, 1, "24.0.18.0"},
        {"pro/@ forma/@ ./", kBoth | kElse, 1, nullptr},  // no category: left alone
        {"les/e.8.7 leurs/y.8.8 ./", kBoth, 1, "66.8.10.0"},
        {"pour/#34.0.15 le/e.20.7 moins/#20.0.18 ./", kBoth, 2, "26.0.18.0"},
        {"en/#20.0.2 outre/A.36.10+#20.0.18 ./", kBoth, 1, "26.36.18.0"},
        {"une/e.36.7 outre/A.36.10+#20.0.18 ./", kBoth, 1, "65.32.10.0"},
        {"dans/#34.0.15 le/e.20.7 passé/#128.2.11+A.20.10 ./", kBoth, 2, "26.2.18.0+65.20.10.0"},
        {"il/].23.1 a/#194.8.14 passé/#128.2.11+A.20.10 ./", kMode1, 2, "128.2.11.0"},
        {"il/].23.1 a/#194.8.14 passé/#128.2.11+A.20.10 ./", kMode0, 2, "128.2.11.0+65.20.10.0"},
        {"à/#32.0.15 quand/#17.0.17 le/e.20.7 ./", kBoth, 0, "32.0.18.0"},
        {"nous/X.8.1 somme/A.36.10+#128.8.14 ./", kBoth, 1, "65.20.10.69"},
        {"tout/K.20.6 de/j.0.7 suite/A.36.10 ./", kBoth, 2, "65.36.18.0"},
        {"eu/#194.2.11 égard/A.20.10 ./", kBoth, 1, "26.20.18.0"},
        {"le/e.20.7 rendez-vous/A.20.10 compte/#128.8.14 ./", kBoth, 2, "128.8.18.0"},
        {"d'/j.0.7 avance/#128.8.14+A.36.10 ./", kBoth, 1, "26.8.18.0"},
        {"à/#32.0.15 l'/e.4.7 avenir/A.20.10 ./", kBoth, 2, "26.20.18.0"},
        {"les/e.8.7 uns/K.24.6 les/e.8.7 autres/K.24.6 ./", kBoth, 3, "26.24.18.0"},
        {"sens/A.20.10 dessus/#20.0.18 dessous/#20.0.18 ./", kBoth, 1, "26.0.18.0"},
        {"à/#32.0.15 la/e.36.7 maison/A.36.10 ./", kBoth | kElse, 2, nullptr},
        {"un/e.20.7 bon/C.20.10 marché/#145.2.10+A.20.10 ./", kBoth, 2, "26.2.18.0+65.20.10.0"},
        {"nous/X.8.1 sommes/#131.9.14+A.24.10 ./", kBoth, 1, "131.9.14.144"},
        {"les/e.8.7 sommes/#131.9.14+A.24.10 ./", kBoth, 1, "65.8.10.0"},
        {"toutes/K.44.6 telles/B.40.10 les/e.8.7 ./", kBoth, 1, "17.0.17.0"},
        {"les/e.8.7 garçons/A.24.10 toutes/K.44.6 filles/A.40.10 ./", kMode1 | kElse, 2, nullptr, 257 + 2},
        {"les/e.8.7 femmes/A.40.10 toutes/K.44.6 belles/A.40.10 ./", kBoth | kElse, 2, nullptr},
        {"les/e.8.7 femmes/A.40.10 toutes/K.44.6 amies/A.40.10 ./", kMode1 | kElse, 2, nullptr, 257 + 2},
        {"il/].23.1 a/#194.8.14 toutes/K.44.6 prises/#128.5.11 ./", kBoth, 2, "66.44.10.0"},
        {"ils/].24.1 étaient/#131.15.14+#128.15.14 ./", kBoth, 1, "131.15.14.0"},
        {"de/j.0.7 nouveau/C.20.10 ./", kBoth, 1, "26.20.18.0"},
        {"à/#32.0.15 l'/e.4.7 origine/A.36.10 ./", kBoth, 2, "26.36.18.0"},
        {"la/e.36.7 plupart/A.36.10+#20.0.18 ./", kBoth, 1, "65.0.10.0"},
        {"il/].23.1 vient/#128.8.14 quelque/Q.4.8", kBoth, 2, "81.4.18.0"},
        {"n'/#22.0.18 importe/#128.8.14+#128.30.14 qui/G.0.5 ./", kBoth, 1, "26.8.18.0"},
        {"le/e.20.7 plus/#20.0.18 souvent/#20.0.18 ./", kBoth, 2, "20.0.18.0"},
        {"il/].23.1 est/#131.8.14 question/A.36.10 ./", kBoth, 2, "65.0.18.0"},
        {"quelques/Q.8.8 vingt/R.8.8 ans/A.24.10 ./", kBoth | kElse, 0, nullptr},  // word 0
        {"il/].23.1 a/#194.8.14 quelques/Q.8.8 vingt/R.8.8 ans/A.24.10 ./", kMode1, 2, nullptr, 257 + 2},
        {"et/#16.0.16 quelques/Q.8.8 vingt/R.8.8 ans/A.24.10 ./", kBoth | kElse, 1, nullptr},
    };
    RunRows(rows);
}

}  // namespace

namespace {

// A row that takes the lemma of a later reading the word does not have
// keeps its own (a reference of 0 has no base form); "devant" after an
// article without a noun reading is left as it is.
TEST_F(FrenchLocutionsTest, MissingReadingsLeaveTheWordItsOwn) {
    Build("ces/O.40.8 gens/A.12.10.27.5 ./");
    gWords[1].ReadingLemmaRefs[1] = 0;
    gWords[0].ReadingFeatures[0] = 36;
    MarkFrenchLocutions(1);
    EXPECT_EQ(gWords[1].ReadingLemmaRefs[0], 5u);
    EXPECT_EQ(Readings(1), "65.44.10.27");
    Build("les/e.8.7 gens/A.12.10.27.5+A.12.10.27.6 ./");
    gWords[0].ReadingFeatures[0] = 36;
    MarkFrenchLocutions(1);
    EXPECT_EQ(gWords[1].ReadingLemmaRefs[0], 6u);
    Build("le/e.20.7 devant/#240.1.12.42.3+#34.0.15.0.4 ./");
    MarkFrenchLocutions(1);
    EXPECT_EQ(Readings(1), "240.1.12.42+34.0.15.0");
    EXPECT_EQ(gWords[1].ReadingLemmaRefs[0], 3u);
}

}  // namespace

namespace {

// Words longer than any function word are tested as written: a capital
// keeps "Quelque" from the rows of "quelque".
TEST_F(FrenchLocutionsTest, LongWordsAreTestedAsWritten) {
    Build("il/].23.1 voit/#128.8.14 Quelque/Q.4.8~1 une/e.36.7 ./");
    EXPECT_EQ(MarkFrenchLocutions(1), 0);
    Build("il/].23.1 voit/#128.8.14 quelque/Q.4.8 une/e.36.7 ./");
    EXPECT_EQ(MarkFrenchLocutions(1), 257 + 2);
}

}  // namespace

namespace {

// The rows the tables above leave out, each beside a near miss.
TEST_F(FrenchLocutionsTest, RemainingRows) {
    const Row rows[] = {
        // "à" between two numerals; not before "heures"
        {"de/j.0.7 9/S.8.8 à/#32.0.15 5/S.8.8 ./", kBoth, 2, "32.0.18.0"},
        {"de/j.0.7 9/S.8.8 à/#32.0.15 5/S.8.8 heures/A.44.10 ./", kBoth | kElse, 2, nullptr},
        // "bus" after an article; "sus" after "tu", after a verb of avoir's marks
        {"le/e.20.7 bus/A.20.10+#240.24.14 ./", kBoth, 1, "65.20.10.0"},
        {"tu/Y.6.1 sus/#25.0.10+#224.3.10.41 ./", kBoth, 1, "240.25.14.41"},
        {"il/].23.1 a/#194.8.14.145 sus/#25.0.10+#224.3.10.41 ./", kBoth, 2, "240.3.11.41"},
        // "fin" as the last word after an être form
        {"il/].23.1 est/#131.8.14 fin/C.20.10+A.36.10", kBoth, 2, "66.20.10.0"},
        {"il/].23.1 voit/#128.8.14 fin/C.20.10+A.36.10", kBoth, 2, "67.20.10.0"},
        // "jour" after "au" after an être form
        {"il/].23.1 est/#131.8.14 au/f.20.9 jour/A.20.10 ./", kBoth, 3, "26.0.18.0"},
        {"il/].23.1 voit/#128.8.14 au/f.20.9 jour/A.20.10 ./", kBoth | kElse, 3, nullptr},
        // "seul et même"
        {"un/e.20.7 seul/B.20.10 et/#16.0.16 même/B.20.10+#20.0.18 lieu/A.20.10 ./", kBoth, 3, "66.20.10.69+20.0.18.0"},
        // "plus" after an être form after "ils"; "plus haut"; "le plus" after a verb
        // (after the verb rewrite of "ils sont plus" the rows up to the last are
        // tried, and the last one makes it the adverb)
        {"ils/a.24.1 sont/#131.11.14 plus/#177.24.14+#20.0.18 ./", kBoth, 2, "20.0.18.27"},
        {"ils/a.24.1 sont/#131.11.14 plus/#177.24.14+#20.0.18 haut/B.20.10+#20.0.18 ./", kBoth, 3, "66.20.18.0"},
        {"il/].23.1 aime/#128.8.14 le/e.20.7 plus/#177.24.14+#20.0.18 ./", kBoth, 3, "177.24.18.0"},
        {"il/].23.1 aime/#128.8.14 le/e.20.7 plus/#177.24.14+#20.0.18 beau/B.20.10 ./", kBoth, 3, "20.0.18.27"},
        // "soit" after a subject pronoun, after a comma
        {"il/].23.1 soit/#131.32.14+#16.0.16 ./", kBoth, 1, "131.32.14.0"},
        {"il/].23.1 vient/#128.8.14 ,/ soit/#131.32.14+#16.0.16 ./", kBoth, 3, "20.0.18.0"},
        // "tels" before an article; "sauf" before a conjunction
        {"et/#16.0.16 tels/B.24.10 les/e.8.7 ./", kBoth, 1, "17.0.17.0"},
        {"et/#16.0.16 tels/B.24.10 amis/A.24.10 ./", kBoth | kElse, 1, nullptr},
        {"il/].23.1 vient/#128.8.14 ,/ sauf/B.20.10+#34.0.15 si/#17.0.17 ./", kBoth, 3, "34.0.18.0"},
        // "entre" between an article and its noun group; before a pronoun
        {"et/#16.0.16 entre/#128.8.14+#34.0.15 de/j.0.7+#33.0.15 beaux/B.24.10 arbres/A.24.10 ./", kBoth, 1,
         "34.0.15.0"},
        {"il/].23.1 part/#128.8.14 entre/#128.8.14+#34.0.15 nous/X.8.3 ./", kMode1, 2, "34.0.15.0"},
        {"et/#16.0.16 entre/#128.8.14+#34.0.15 du/f.20.9 ./", kMode1, 1, "128.8.14.0"},
        // "après" before a pronoun
        {"et/#16.0.16 après/#20.0.18+#34.0.15 lui/_.0.3 ./", kBoth, 1, "20.0.18.0"},
        {"et/#16.0.16 après/#20.0.18+#34.0.15 bien/#20.0.18 ./", kBoth | kElse, 1, nullptr},
        // "mieux" before "vau-l'eau"; "le moins" after a verb
        {"il/].23.1 va/#128.8.14 mieux/#20.0.18 vau-l'eau/A.20.10 ./", kBoth, 2, "75.0.6.0"},
        {"il/].23.1 aime/#128.8.14 le/e.20.7+|.20.2 moins/#20.0.18+A.20.10 ./", kBoth, 2, "101.20.18.0"},
        // "quand même": whatever "quand" made of the two, "même" after it
        // makes them an adverbial locution
        {"et/#16.0.16 quand/#17.0.17 même/B.20.10+#20.0.18", kBoth, 1, "26.0.18.0"},
        {"et/#16.0.16 quand/#17.0.17 même/B.20.10+#20.0.18 il/].23.1 ./", kBoth, 1, "26.0.18.0"},
        // "donner suite"; "par écrit"
        {"il/].23.1 donne/#128.8.14 suite/A.36.10 ./", kBoth, 2, "65.36.18.0"},
        {"et/#16.0.16 par/#34.0.15 écrit/#128.2.11+A.20.10 ./", kBoth, 2, "128.2.11.0"},
        // "autour" after an article, and otherwise
        {"un/e.20.7 autour/A.20.10+#24.0.18 ./", kBoth, 1, "65.20.10.0"},
        {"il/].23.1 tourne/#128.8.14 autour/A.20.10+#24.0.18 ./", kBoth, 2, "20.20.18.0"},
        // "à l'avance"; "et autres"; "les uns comme les autres"
        {"et/#16.0.16 à/#32.0.15 l'/e.4.7 avance/#128.8.14+A.36.10 ./", kBoth, 3, "26.8.18.0"},
        {"lui/_.0.3 et/#16.0.16 autres/K.40.6 ./", kBoth, 2, "75.40.8.0"},
        {"les/e.8.7 uns/K.24.6 comme/#17.0.17 les/e.8.7 autres/K.24.6 ./", kBoth, 2, "17.0.16.0"},
        // "depuis" before an article; "légion" after an être form
        {"et/#16.0.16 depuis/#20.0.18+#34.0.15 le/e.20.7 ./", kBoth, 1, "34.0.15.0"},
        {"ils/a.24.1 sont/#131.11.14 légion/A.36.10 ./", kBoth, 2, "65.36.18.0"},
        // "maison" after an adjective-noun of masculine number
        {"et/#16.0.16 Paul/A.20.10 maison/A.36.10 ./", kBoth, 2, "65.4.10.0"},
        // "plainte"; "quelque" after a comma, before an adverb
        {"il/].23.1 porte/#128.8.14 plainte/A.36.10+#128.30.14 ./", kBoth, 2, "65.36.10.0"},
        {"il/].23.1 a/#194.8.14 quelque/Q.4.8 trois/S.8.8 ans/A.24.10 ./", kMode1, 2, "81.0.8.0"},
        {"il/].23.1 est/#131.8.14 quelque/Q.4.8 peu/#20.0.18 las/B.20.10 ./", kBoth, 2, "20.4.18.0"},
        // "quelques" before a verb of one reading
        {"il/].23.1 a/#194.8.14 quelques/Q.8.8 sont/#131.11.14 ./", kMode1, 2, nullptr, 257 + 2},
    };
    RunRows(rows);
}

}  // namespace
