// The sentence-analysis cascade on the built-in dictionaries: a sentence
// is read and analysed by the checker's stages, then one dispatcher call
// runs in analysis mode; the report and the tables it leaves are read.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "../checking/acceptance_fixture.h"
#include "analysis/paragraph_frame.h"
#include "analysis_fixture.h"
#include "checking/correction_forms.h"
#include "checking/dispatcher.h"
#include "checking/sentence_check.h"
#include "frame/records.h"
#include "frame/report.h"
#include "frame/tables.h"
#include "frame/tagged_words.h"
#include "rules/clause/analysis_cascade.h"
#include "rules/rule_words.h"

namespace {

u16 IgnoreHit(i32, i32, RuleCode, u16, u16, const BoundedString&, u16, const StringList&, u16) { return 1; }

struct Dispatched {
    RuleCode code = 0;
    i32 pos = 0;
};

class AnalysisCascadeDataTest : public acceptance::AcceptanceTest {
protected:
    void TearDown() override {
        walk_.reset();
        gAnalysisMode = 0;
        acceptance::AcceptanceTest::TearDown();
    }
    // Reads the first sentence of `utf8` into the word table, analysed as
    // the driver analyses it, then makes one analysis-mode dispatcher call.
    Dispatched Analyse(const char* utf8) {
        Read(utf8);
        Dispatched d;
        gDispatchMode = gVariantIndex;
        d.code = AnalyseAndCheckSentence(gDispatchMode);
        d.pos = gLastErrorPos;
        return d;
    }
    // The sentence read as the driver reads it, ready for analysis mode.
    void Read(const char* utf8) {
        walk_.reset();
        text_ = acceptance::Utf8ToWindows1252(utf8);
        walk_ = std::make_unique<AnalysisWalk>(text_.c_str(), 0, TokenSet::kParagraph);
        CollectSentence(walk_->walk, true);
        CheckSentence(walk_->walk.copy, 1, 1, 0, 0, IgnoreHit, nullptr, 1, 0, 0, 0);
        gAnalysisMode = 1;
        gLastRule = 0;
        gLastErrorPos = -1;
        rules::ClearSegmentTable();
        gErrorExtent = kNoCorrection;
        gErrorVariant = 0;
    }
    std::string Dump() {
        std::string s = "words:";
        for (i32 k = 0; k < gWordCount; ++k)
            s += " " + word_table::Text(gWords[k].WordText) + "/" + word_table::Readings(k) + "#" +
                 std::to_string(gWords[k].FunctionCode);
        return s + "\nsegments: " + analysis_fixture::Segments();
    }
    std::string text_;
    std::unique_ptr<AnalysisWalk> walk_;
};

// Texts in the word table joined by blanks (Mac Roman bytes).
std::string Words() { return word_table::Texts(); }

i32 IndexOf(const char* macRoman) {
    for (i32 k = 0; k < gWordCount; ++k) {
        if (word_table::Text(gWords[k].WordText) == macRoman) return k;
    }
    return -1;
}

TEST_F(AnalysisCascadeDataTest, FrenchReports) {
    Start(3, "chat");
    const struct {
        const char* sentence;
        RuleCode code;
        const char* word;  // Mac Roman
        u8 variant;
    } cases[] = {
        {"Ce discours est convainquant.", 32, "convainquant", 0},
        {"Manges ta soupe.", 44, "Manges", 'S'},
        {"Il mange sa soupe a la cuisine.", 40, "a", 'A'},
        {"Il a manger sa soupe.", 46, "manger", 0},
        {"Ces roses sentent bon.", 0, "", 0},
        {"La porte est fermée.", 0, "", 0},
    };
    for (const auto& c : cases) {
        const Dispatched d = Analyse(c.sentence);
        EXPECT_EQ(d.code, c.code) << c.sentence << "\n" << Dump();
        if (c.code == 0) continue;
        EXPECT_EQ(d.pos, IndexOf(c.word)) << c.sentence;
        EXPECT_EQ(gErrorVariant, c.variant) << c.sentence;
    }
    Analyse("Ce discours est convainquant.");
    BoundedString w;
    w.Allocate(36);
    CopyTaggedWord(gFrenchTaggedWords.ClampedAt(gErrorExtent), w);
    EXPECT_EQ(word_table::Text(w), "convaincant");
    Analyse("Manges ta soupe.");
    EXPECT_EQ(gErrorKind, 2);
    EXPECT_EQ(gErrorExtent, 127);
}

// Rule 32 on fixture tables over the built-in tagged list: the word before
// the participle and the verb context decide, a repeated position is held
// and a later participle is not; the resume point is left to the
// dispatcher.
TEST_F(AnalysisCascadeDataTest, ParticipleSpelledAsAdjective) {
    Start(3, "chat");
    gAnalysisMode = 1;
    const struct {
        const char* words;
        const char* segments;
        RuleCode code;
        u16 out;
    } cases[] = {
        {"discours/A.20.10 est/#131.8.14.144 convainquant/#128.1.12 .", "24:0-0 14:1-1 12:2-2 20:3-3", 32, 2},
        // After a determiner, a noun reading or a punctuation word: never.
        {"discours/A.20.10 est/#131.8.14.144 le/d.0.8 convainquant/#128.1.12 .", "24:0-0 14:1-2 12:3-3 20:4-4", 0, 0},
        {"discours/A.20.10 est/#131.8.14.144 chose/A.36.10 convainquant/#128.1.12 .", "24:0-0 14:1-2 12:3-3 20:4-4",
         0, 0},
        {"discours/A.20.10 est/#131.8.14.144 \"/#0.0.20 convainquant/#128.1.12 .", "24:0-0 14:1-2 12:3-3 20:4-4", 0,
         0},
        // A verb that is not attributive gives no context.
        {"discours/A.20.10 mange/#128.8.14.1 convainquant/#128.1.12 .", "24:0-0 14:1-1 12:2-2 20:3-3", 0, 0},
        // A participle of a single list entry, or none, has no other spelling.
        {"discours/A.20.10 est/#131.8.14.144 mangeant/#128.1.12 .", "24:0-0 14:1-1 12:2-2 20:3-3", 0, 0},
    };
    for (const auto& c : cases) {
        gLastRule = 0;
        gLastErrorPos = -1;
        word_table::Build(c.words);
        analysis_fixture::BuildSegments(c.segments);
        AnalysisFrame f;
        OpenAnalysisFrame(f);
        u16 out = 0;
        EXPECT_EQ(RunAnalysisPasses(f, out), c.code) << c.words;
        if (c.code != 0) {
            EXPECT_EQ(out, c.out) << c.words;
        }
        EXPECT_EQ(gLastRule, 0) << c.words;
    }
    const char* twice = "discours/A.20.10 est/#131.8.14.144 convainquant/#128.1.12 et/J.0.16 "
                        "reste/#128.8.14.129 convainquant/#128.1.12 .";
    const char* segments = "24:0-0 14:1-1 12:2-2 16:3-3 14:4-4 12:5-5 20:6-6";
    gLastRule = 32;
    gLastErrorPos = 2;
    word_table::Build(twice);
    analysis_fixture::BuildSegments(segments);
    AnalysisFrame f;
    OpenAnalysisFrame(f);
    u16 out = 0;
    EXPECT_EQ(RunAnalysisPasses(f, out), 32);
    EXPECT_EQ(out, 5);
}

// The reading trial runs the cascade on tables it puts back: the walk
// splits "Mange-t-il" in each run, and the trial gives "soupe" its readings
// back at its own index, not at the word the split moved there. The run
// that ends the trial keeps its tables, so the question is normalised.
TEST_F(AnalysisCascadeDataTest, TrialRunsKeepTheirTables) {
    Start(3, "chat");
    Analyse("Mange-t-il sa soupe ?");
    EXPECT_EQ(Words(), "il Mange sa soupe ?") << Dump();
    EXPECT_EQ(gWords[IndexOf("sa")].ReadingCategories[0], 8) << Dump();
    EXPECT_EQ(gWords[IndexOf("soupe")].ReadingCount, 1) << Dump();
    EXPECT_EQ(gWords[IndexOf("il")].FunctionCode, 75) << Dump();
}

// The composer ranks forms by dispatcher runs on tables it puts back: the
// runs split "Mange-t-il", the word table after them does not.
TEST_F(AnalysisCascadeDataTest, ComposerRunsKeepTheirTables) {
    Start(3, "chat");
    Read("Mange-t-il sa soupe ?");
    ASSERT_EQ(Words(), "Mange-t-il sa soupe ?");
    const WordRecord& sa = gWords[IndexOf("sa")];
    const u8 cls = sa.ReadingClasses[0], features = sa.ReadingFeatures[0];
    StringList forms;
    InitByteMatrix(forms, 24, 36);
    BuildWordFormsForCorrection((3 << 8) | 7, static_cast<i16>(IndexOf("soupe")), forms);
    EXPECT_EQ(Words(), "Mange-t-il sa soupe ?") << Dump();
    EXPECT_EQ(sa.ReadingClasses[0], cls) << Dump();
    EXPECT_EQ(sa.ReadingFeatures[0], features);
    EXPECT_NE(gWords[IndexOf("soupe")].ReadingClasses[0], cls) << "the settled reading is the word's own";
}

TEST_F(AnalysisCascadeDataTest, FrenchFunctions) {
    Start(3, "chat");
    Analyse("La porte est fermée.");
    const i32 est = IndexOf("est");
    const i32 participle = IndexOf("ferm\x8e" "e");
    ASSERT_GE(participle, 0) << Dump();
    EXPECT_EQ(gWords[est].FunctionCode, 67) << Dump();
    EXPECT_EQ(gWords[participle].FunctionCode, 77);
    EXPECT_EQ(gWords[participle].ReadingClasses[0], 'B');
    Analyse("La lettre est écrite par Paul.");
    EXPECT_EQ(gWords[IndexOf("est")].FunctionCode, 48) << Dump();
    EXPECT_EQ(gWords[IndexOf("\x8e" "crite")].FunctionCode, 82);
}

TEST_F(AnalysisCascadeDataTest, EnglishGroupsAndQuestions) {
    Start(0, "cat");
    Analyse("The letter has been written by John.");
    const i32 written = IndexOf("written");
    ASSERT_GE(written, 2) << Dump();
    EXPECT_EQ(gWords[written - 2].FunctionCode, 48) << Dump();
    EXPECT_EQ(gWords[written - 1].FunctionCode, 48);
    EXPECT_EQ(gWords[written].FunctionCode, 82);
    // The active reading writes "been" as the form of "have" its agent takes.
    EXPECT_EQ(word_table::Text(gWords[written - 1].WordText), "has");
    Analyse("He is reading.");
    EXPECT_EQ(gWords[IndexOf("is")].FunctionCode, 48) << Dump();
    EXPECT_EQ(gWords[IndexOf("reading")].FunctionCode, 93);
    Analyse("Can you swim?");
    EXPECT_EQ(Words(), "you swim ?") << Dump();
    EXPECT_EQ(gWords[IndexOf("swim")].FunctionCode, 83);
    EXPECT_EQ(gWords[IndexOf("?")].FunctionCode, 0) << "punctuation takes no object function";
}

// The closing rules and the final segment pass on real sentences.
TEST_F(AnalysisCascadeDataTest, ClosingRules) {
    Start(3, "chat");
    Dispatched d = Analyse("L'homme qui parle fort.");
    EXPECT_EQ(d.code, 0) << "held in analysis mode";
    EXPECT_EQ(gLastRule, 55) << Dump();
    d = Analyse("Il donne le livre de Paul \xC3\xA0 la s\xC5\x93ur de Jean dans la maison.");
    EXPECT_EQ(d.code, 62) << Dump();
    EXPECT_EQ(d.pos, IndexOf("dans"));
    EXPECT_EQ(gErrorDetail, 5);
    d = Analyse("Grand est la maison.");
    EXPECT_EQ(d.code, 45) << Dump();
    EXPECT_EQ(d.pos, IndexOf("Grand")) << "at the attribute, wherever the swap put it";
    EXPECT_EQ(gErrorVariant, 'T');
    EXPECT_EQ(gErrorDetail, 1);
    EXPECT_EQ(gErrorExtent, 3);
    KRZEnd();

    Start(0, "cat");
    Analyse("I think he left.");
    const i32 he = IndexOf("he");
    ASSERT_GE(he, 1) << Dump();
    EXPECT_EQ(word_table::Text(gWords[he - 1].WordText), "CSzero") << Dump();
    EXPECT_EQ(gWords[he - 1].FunctionCode, 17);
    EXPECT_EQ(gWords[he].FunctionCode, 75);
    Analyse("She offered the man a book.");
    EXPECT_EQ(gWords[IndexOf("man")].FunctionCode, 71) << Dump();
    EXPECT_EQ(gWords[IndexOf("book")].FunctionCode, 70);
    i32 verb = -1, book = -1;
    for (i32 k = 0; k < gSegmentCount; ++k) {
        if (gSegments[k].LastWord == IndexOf("offered")) verb = k;
        if (gSegments[k].LastWord == IndexOf("book")) book = k;
    }
    ASSERT_GE(verb, 0);
    ASSERT_GE(book, 0);
    EXPECT_EQ(gSegments[book].Link, gSegments[verb].Link) << "the book is in the verb's clause";
}

// Known gaps: our stages read or segment these sentences otherwise than
// the cascade needs (the walk tests state the segments it needs). Each
// case fails once it passes, so that the mark goes with the gap.
TEST_F(AnalysisCascadeDataTest, ExpectedFailures) {
    const struct {
        u16 language;
        const char* sentence;
        RuleCode code;
        const char* word;
        const char* reason;
    } cases[] = {
        {3, "Ces roses sentent bonnes.", 45, "bonnes", "\"bonnes\" is segmented as a noun group (kind 23)"},
    };
    for (const auto& c : cases) {
        Start(c.language, c.language == 0 ? "cat" : "chat");
        const Dispatched d = Analyse(c.sentence);
        const bool passes = d.code == c.code && d.pos == IndexOf(c.word);
        if (passes) ADD_FAILURE() << c.sentence << " passes now: remove its expected-failure mark";
        else std::cout << "[ xfail ] " << c.sentence << ": " << c.reason << "\n";
        KRZEnd();
    }
    Start(3, "chat");
    const Dispatched d = Analyse("Le livre que tu lis, qui parle de ce que tu aimes et dont je r\xC3\xAAve, est beau.");
    if (d.code == 61 && gErrorDetail == 4) ADD_FAILURE() << "the 61 sentence passes now: remove its mark";
    else std::cout << "[ xfail ] 61 detail 4: \"de ce que\" is a locution of three category-17 words (detail "
                   << gErrorDetail << ")\n";
    KRZEnd();
    Start(0, "cat");
    Analyse("Is he happy?");
    if (Words() == "he is happy") ADD_FAILURE() << "\"Is he happy?\" passes now: remove its expected-failure mark";
    else std::cout << "[ xfail ] Is he happy?: \"he happy\" is one noun group\n";
}

}  // namespace
