// Corrections built for findings: fixed recipes on word-table fixtures, the
// conjugation stage on the built-in model rows, the agreement composer's
// tables, the ranking of word forms, and whole sentences through the
// paragraph exports.
#include <string>
#include <vector>

#include "checking/correction.h"
#include "checking/correction_forms.h"
#include "checking/dispatcher.h"
#include "checking/suggestions.h"
#include "frame/bounded_string.h"
#include "frame/tagged_words.h"
#include "krzlib.h"
#include "rules/clause/clause_rules.h"
#include "word_table_fixture.h"

namespace {

using word_table::Build;
using word_table::Text;
using word_table::ToMacRoman;


class CorrectionTest : public word_table::WordTableTest {
protected:
    void SetUp() override {
        WordTableTest::SetUp();
        first_.Allocate(kCorrectionCapacity);
        second_.Allocate(kCorrectionCapacity);
    }
    void TearDown() override {
        gDispatcherTestHook = nullptr;
        WordTableTest::TearDown();
    }
    // Composes the correction of `code` reported at `pos` over words
    // first..end-1; returns the first correction (UTF-8 in, Mac Roman out).
    std::string Compose(RuleCode code, i16 pos, i16 first, i16 end, u8 variant = 0, u16 detail = 0,
                        u16 extent = 0) {
        gLastRule = code;
        gLastErrorPos = pos;
        gErrorVariant = variant;
        gErrorDetail = detail;
        gErrorExtent = extent;
        gHomophoneAgreement = 0;  // left by the last rule that raised code 32
        ComposeCorrection(first_, second_, code, first, end, 1);
        return Text(first_);
    }
    BoundedString first_, second_;
};

bool HaveFrenchRows() { return gEndingRows.count > 110 && gEndingRows[1].EndingLengths[0] != 0; }

TEST_F(CorrectionTest, NeighbourWordsAgree) {
    struct Case {
        u16 language;
        const char* words;
        i16 pos;
        const char* expected;
    };
    const Case cases[] = {
        {0, "a/j apple", 0, "an apple"},
        {0, "an/j pear", 0, "a pear"},
        {3, "le/c arbre/A.20", 0, "l'arbre"},
        {3, "la/c arbres/A.40", 0, "les arbres"},
        {3, "à/# le/c chat/A.20", 0, "au"},                 // replaces both words
        {3, "à/# les/e chats/A.24", 0, "aux"},
        {3, "à/f.0.0 amis/A.24", 0, "aux amis"},           // class 'f' before a plural vowel word
        {3, "ce/O.20.8 arbre/A.20", 0, "cet arbre"},
        {3, "ce/O.20.4 est/#131.8.14", 0, "c'est"},         // a category-4 "ce" elides
        {3, "beau/B arbre/A.20", 0, "bel arbre"},
    };
    for (const Case& c : cases) {
        gCheckingLanguage = c.language;
        Build(c.words);
        if (ToMacRoman(c.words).rfind(ToMacRoman("à/#"), 0) == 0) gWords[0].ReadingClasses[0] = ' ';
        EXPECT_EQ(Compose(52, c.pos, c.pos, c.pos + 2), ToMacRoman(c.expected)) << c.words;
    }
}

TEST_F(CorrectionTest, WordRecipes) {
    gCheckingLanguage = 3;
    struct Case {
        const char* words;
        RuleCode code;
        i16 pos;
        u8 variant;
        u16 detail;
        u16 extent;
        const char* expected;
        const char* second;
    };
    const Case cases[] = {
        {"le le pain", 16, 0, 0, 0, 0, "le", ""},
        {"1ere", 1, 0, 'N', 0, 127, "1re", ""},
        {"2nde", 1, 0, 'N', 0, 127, "2de", ""},
        {"3ème", 1, 0, 'N', 0, 127, "3e", ""},
        {"vingt deux", 39, 0, 0, 0, 0, "vingt-deux", ""},
        {"porte-monnaie", 39, 0, 'A', 0, 0, "porte monnaie", ""},
        {"coeur", 37, 0, 'L', 0, 1, "cœur", ""},
        {"mange pas", 59, 0, 'N', 0, 0, "ne mange", ""},
        {"aime pas", 59, 0, 'N', 0, 0, "n'aime", ""},
        {"mange de", 59, 0, 'P', 2, 0, "mange pas de", "mange de pas"},
        {"mange", 59, 0, 'P', 1, 0, "mange pas", "mange plus"},
        {"les/c", 49, 0, 0, 126, 1, "eux", "elles"},
    };
    for (const Case& c : cases) {
        Build(c.words);
        const i16 end = c.code == 16 ? 2 : 1;
        EXPECT_EQ(Compose(c.code, c.pos, c.pos, end, c.variant, c.detail, c.extent), ToMacRoman(c.expected))
            << c.words;
        EXPECT_EQ(Text(second_), ToMacRoman(c.second)) << c.words;
    }
    EXPECT_EQ(gErrorExtent, 257u);  // rule 49 detail 126: a packed pair
}

TEST_F(CorrectionTest, CorrectionsReachingSeventyCharactersAreGivenUp) {
    gCheckingLanguage = 3;
    // The hyphen road counts two more characters: 35 + 33 + 2 reaches 70.
    const std::string a(35, 'a');
    Build(a + " " + std::string(33, 'b'));
    EXPECT_EQ(Compose(39, 0, 0, 2), a);  // what was built stays
    EXPECT_EQ(gErrorExtent, kNoCorrection);
    Build(a + " " + std::string(32, 'b'));
    EXPECT_EQ(Compose(39, 0, 0, 2), a + "-" + std::string(32, 'b'));
    EXPECT_NE(gErrorExtent, kNoCorrection);
}

TEST_F(CorrectionTest, AgreementOfDeterminersAndQualifiers) {
    struct Case {
        u16 language;
        const char* words;
        u16 target;
        const char* expected;
        i16 end = 1;
    };
    const Case cases[] = {
        {0, "this/O.0.4", 4, "these"},
        {0, "those/O.0.4", 1, "that"},
        {0, "an/j.0.7", 2, ""},
        {3, "ce/O.0.4 arbre/A.20.1", 1, "cet"},
        {3, "ce/O.0.4 zèbre/A.20.1", 1, "ce"},      // z is no vowel: "ce zèbre", never "cet zèbre"
        {3, "ma/o.0.4 amie/A.36.1", 3, "mon amie", 2},  // a vowel inside the span
        {3, "ma/o.0.4 amie/A.36.1", 3, "ma"},
        {3, "le/c.0.7 amie/A.36.1", 3, "la"},        // the next word lies outside the span
        {3, "le/c.0.7 amie/A.36.1", 4, "les"},
        {3, "tout/P.0.8", 4, "toutes"},
        {3, "lundi/P.0.8", 2, "lundis"},
        {3, "lundis/P.0.8", 2, "lundis"},            // one "s", never two
        {3, "duquel/#0.0.3", 3, "de laquelle"},
    };
    for (const Case& c : cases) {
        gCheckingLanguage = c.language;
        Build(c.words);
        EXPECT_EQ(Compose(45, 0, 0, c.end, 0, 0, c.target), ToMacRoman(c.expected)) << c.words << " " << c.target;
    }
}

// Records the rule numbers the composer hands on, through a scripted
// recipe: the pair 0x0201 of code 44 is split into two passes.
TEST_F(CorrectionTest, PairedTargetsRunTwoPasses) {
    gCheckingLanguage = 0;
    Build("these/O.0.4");
    gWords[0].ReadingCategories[0] = 4;
    Compose(45, 0, 0, 1, 0, 0, 0x0201);
    // Target 1 (low byte) first, its result ends in the second correction.
    EXPECT_EQ(Text(first_), "these");
    EXPECT_EQ(Text(second_), "this");
    EXPECT_EQ(gErrorExtent, 0x0201u);
    // The same pair with code 32 is not split: 0x0201 names one entry of the
    // homophone list.
    Build("x");
    Compose(32, 0, 0, 1, 0, 0, 0x0201);
    StringList& list = TaggedWordsFor(0);
    if (list.count > 0x0201) {
        BoundedString word;
        word.Allocate(36);
        CopyTaggedWord(list[0x0201], word);
        EXPECT_EQ(Text(first_), Text(word));
        EXPECT_EQ(gErrorExtent, 0x0201u);
    } else {
        EXPECT_EQ(gErrorExtent, kNoCorrection);
    }
}

TEST_F(CorrectionTest, ConjugationStageOnTheModelRows) {
    gCheckingLanguage = 3;
    KRZInit(3, 1);
    KRZSetLanguage(3);
    ASSERT_TRUE(HaveFrenchRows()) << "no French model rows";
    struct Case {
        const char* word;
        u8 model;
        u8 slot;
        u16 target;
        const char* expected;
    };
    const Case cases[] = {
        {"chantais", 1, 12, 18, "chanterai"},
        {"levais", 2, 12, 6, "lève"},       // 2 -> 103: e becomes è
        {"lève", 103, 6, 12, "levais"},     // 103 -> 2
        {"cédais", 3, 12, 6, "cède"},       // 3 -> 93
        {"cède", 93, 6, 12, "cédais"},      // 93 -> 3
        {"place", 4, 6, 12, "plaçais"},     // the cedilla before a
        {"plaçais", 83, 12, 18, "placerai"},  // 83 -> 4: ç becomes c
    };
    for (const Case& c : cases) {
        const std::string notation = std::string(c.word) + "/#240." + std::to_string(c.slot) + ".14." + std::to_string(c.model);
        Build(notation);
        EXPECT_EQ(Compose(53, 0, 0, 1, 0, 0, c.target), ToMacRoman(c.expected)) << c.word;
    }
    Build("dépeçait/#240.14.14.110");  // model 110 keeps its own endings
    gWords[0].CorrectionMark = 1;
    const std::string form = Compose(53, 0, 0, 1, 0, 0, 0);
    EXPECT_NE(gErrorExtent, kNoCorrection);
    EXPECT_EQ(form.substr(0, 3), ToMacRoman("dép"));
    Build("xx/#240.6.14.122");  // no such model
    Compose(53, 0, 0, 1, 0, 0, 12);
    EXPECT_EQ(gErrorExtent, kNoCorrection);
    KRZEnd();
}

// ---- Ranking of word forms -------------------------------------------------------------

std::string gPenalised;
u16 gPenalty = 0;
RuleCode PenaltyHook(u16 /*mode*/) {
    for (u16 i = 0; i < gWordCount; ++i)
        if (Text(gWords[i].WordText) == gPenalised) AddReadingPenalty(gPenalty);
    return 0;
}

TEST_F(CorrectionTest, FormsRankStablyWithSaturatingScores) {
    gCheckingLanguage = 3;
    KRZInit(3, 1);
    KRZSetLanguage(3);
    Build("une pomne");
    gWords[1].ReadingCategories[0] = 10;
    StringList forms;
    InitByteMatrix(forms, 16, 36);
    gDispatcherTestHook = PenaltyHook;
    gPenalised.clear();
    const i16 n = BuildWordFormsForCorrection(773, 1, forms);
    ASSERT_GE(n, 3) << "the French suggester gave fewer than three forms";
    std::vector<std::string> plain;
    for (i16 k = 0; k < n; ++k) plain.push_back(Text(forms[k]));
    EXPECT_EQ(plain[0], "pomme");
    // A penalty of 300 would wrap to 44 in eight bits: it must rank last.
    gPenalised = plain[0];
    gPenalty = 300;
    ASSERT_EQ(BuildWordFormsForCorrection(773, 1, forms), n);
    std::vector<std::string> ranked;
    for (i16 k = 0; k < n; ++k) ranked.push_back(Text(forms[k]));
    std::vector<std::string> expected(plain.begin() + 1, plain.end());
    expected.push_back(plain[0]);
    EXPECT_EQ(ranked, expected);  // the others keep their order
    EXPECT_EQ(Text(gWords[1].WordText), "pomne");
    // The caller's capacity bounds the list.
    StringList two;
    InitByteMatrix(two, 2, 36);
    EXPECT_EQ(BuildWordFormsForCorrection(773, 1, two), 2);
    KRZEnd();
}

// ---- Whole sentences -------------------------------------------------------------------

class CorrectionSentenceTest : public ::testing::Test {
protected:
    void SetUp() override {
        gDispatcherTestHook = nullptr;
        KRZInit(3, 1);
    }
    void TearDown() override {
        KRZClearParagraphTab(table_, KRZ_MAX_PARAGRAPH_ERRORS);
        KRZEnd();
    }
    // First suggestion of the finding that starts at `start`, or "-".
    std::string FirstSuggestion(const char* text, uint32_t start, bool spelling) {
        KRZClearParagraphTab(table_, KRZ_MAX_PARAGRAPH_ERRORS);
        const int32_t n = static_cast<int32_t>(std::string(text).size());
        const uint32_t count = spelling ? KRZTestSpellingParagraph(text, 0, n, table_, 1, 1, 0, 0)
                                        : KRZTestGrammarParagraph(text, 0, n, table_, KRZ_CATEGORY_ALL, 1, 1, 0, 0);
        for (uint32_t k = 0; k < count; ++k)
            if (table_[k].start == start) return table_[k].suggestionCount > 0 ? table_[k].suggestions[0] : "";
        return "-";
    }
    ParagraphErrorRecord table_[KRZ_MAX_PARAGRAPH_ERRORS + 2] = {};
};

TEST_F(CorrectionSentenceTest, FrenchFindingsReachTheHostWithTheirCorrections) {
    KRZSetLanguage(3);
    struct Case {
        const char* text;  // Windows-1252
        uint32_t start;
        bool spelling;
        const char* expected;
    };
    const Case cases[] = {
        {"Le chat mange une pomne.", 18, true, "pomme"},
        {"Il mange le le pain.", 9, false, "le"},
        {"Il a bon coeur.", 9, false, "c\x9c" "ur"},
        {"Il a vingt deux ans.", 5, false, "vingt-deux"},
        // A word alone: no sentence weighs its forms, the closest comes
        // first (a verb form no longer wins for being a verb).
        {"chassis", 0, false, "ch\xE2ssis"},
        {"liu", 0, false, "lui"},
    };
    for (const Case& c : cases) EXPECT_EQ(FirstSuggestion(c.text, c.start, c.spelling), c.expected) << c.text;
}

// The missing-verb note names the French homophone verb that the sentence
// lacks; an English sentence gets the note without a correction ("-": no
// finding at that word).
TEST_F(CorrectionSentenceTest, MissingVerbCorrectionIsFrenchOnly) {
    struct Case {
        int language;
        const char* text;  // Windows-1252
        uint32_t start;
        const char* expected;
    };
    const Case cases[] = {
        {3, "Il \xe0 faim depuis ce matin.", 3, "a"},
        // A verbless fragment keeps its note without a homophone verb: "et"
        // joining two noun phrases, a preposition.
        {3, "Ce chien et malade.", 9, "est"},
        {3, "Le chat et le chien.", 0, ""},
        {3, "Le bruit des vagues sous la lune.", 0, ""},
        {0, "Walking on the beach at dawn.", 8, "-"},
        {0, "On the road again.", 7, "-"},
        {0, "Every one knows it.", 6, "-"},
    };
    for (const Case& c : cases) {
        KRZSetLanguage(c.language);
        EXPECT_EQ(FirstSuggestion(c.text, c.start, false), c.expected) << c.text;
    }
}

TEST_F(CorrectionSentenceTest, EnglishUnknownWordGetsItsSpelling) {
    KRZSetLanguage(0);
    const std::string got = FirstSuggestion("The house is beautifull.", 13, true);
    EXPECT_EQ(got, "beautiful");
}

TEST_F(CorrectionTest, SubjectVerbAgreementInEnglish) {
    gCheckingLanguage = 0;
    KRZInit(0, 1);
    KRZSetLanguage(0);
    ASSERT_TRUE(gEnglishEndingRows.count > 34 && gEnglishEndingRows[34].EndingLengths[1] != 0)
        << "no English model rows";
    Build("he/^.0.1 don't/#128.0.14.34");
    gSegmentCount = 1;
    gSegments[0] = SegmentRecord{1, 1, 3, 1, 0, 0, 0, 0xFF};
    EXPECT_EQ(Compose(44, 1, 1, 2, 0, 0, 0), "doesn't");
    // In analysis mode too: the extent names a segment, not a rewritten clause.
    gAnalysisMode = 1;
    gRewriteSegments[0] = SegmentRecord{0, 2, 3, 24, 0, 0, 0, 0};
    Build("he/^.0.1 don't/#128.0.14.34");
    EXPECT_EQ(Compose(44, 1, 1, 2, 0, 0, 0), "doesn't");
    gAnalysisMode = 0;
    gRewriteSegments[0] = SegmentRecord{};
    Build("he/^.0.1 will/#128.0.14.31");
    EXPECT_EQ(Compose(53, 1, 1, 2, 0, 8, 0), "would");
    Build("he/^.0.1 won't/#128.0.14.31");
    EXPECT_EQ(Compose(53, 1, 1, 2, 0, 8, 0), "wouldn't");
    gSegmentCount = 0;
    KRZEnd();
}

}  // namespace

namespace {

// Re-run of the dispatcher for the candidates of codes 40 and 55: reports
// code 41 while `gStillWrong` is the text of some word.
std::string gStillWrong;
RuleCode CandidateHook(u16 /*mode*/) {
    for (u16 i = 0; i < gWordCount; ++i)
        if (Text(gWords[i].WordText) == gStillWrong) return 41;
    return 0;
}

TEST_F(CorrectionTest, ConfusableCandidatesAreKeptOnlyOnACleanRerun) {
    gDispatcherTestHook = CandidateHook;
    gCheckingLanguage = 0;
    Build("your/x.0.8 right");
    gStillWrong = "nothing";
    EXPECT_EQ(Compose(40, 0, 0, 2), "you're right");
    EXPECT_EQ(gErrorExtent, 0u);
    gStillWrong = "you're";
    Compose(40, 0, 0, 2);
    EXPECT_EQ(gErrorExtent, kNoCorrection);
    EXPECT_EQ(gLastErrorPos, 1);  // the resume point moves past the word
    EXPECT_EQ(Text(gWords[0].WordText), "your");
    gCheckingLanguage = 3;
    Build("ou/#16.0.5 va");
    gStillWrong = "nothing";
    EXPECT_EQ(Compose(40, 0, 0, 2), ToMacRoman("où va"));
    // Code 55: "à" standing where the verb should be becomes "a".
    Build("il/U.0.1 à/#32.0.15 faim");
    EXPECT_EQ(Compose(55, 0, 0, 3), "a");
    EXPECT_EQ(gErrorExtent, 1u);
    gStillWrong = "a";
    Compose(55, 0, 0, 3);
    EXPECT_EQ(gErrorExtent, kNoCorrection);
    // A fragment without verb: "à" before a determiner opens a complement,
    // "du" before its noun is the article; neither becomes a verb.
    gStillWrong = "nothing";
    Build("un/d.20.7 retour/A.20.10 à/#32.0.15 la/d.36.7 maison/A.36.10");
    EXPECT_EQ(Compose(55, 0, 0, 5), "");
    EXPECT_EQ(gErrorExtent, kNoCorrection);
    Build("un/d.20.7 souvenir/A.20.10 du/#0.0.9 passé/A.20.10");
    EXPECT_EQ(Compose(55, 0, 0, 4), "");
    EXPECT_EQ(gErrorExtent, kNoCorrection);
}

}  // namespace
