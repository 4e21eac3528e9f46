// Proposals for new words, conjugation of user verbs, the checker seeing
// lexicon words, and the short export family, through the C interface on
// the built-in dictionaries.
#include <cstring>
#include <string>
#include <vector>

#include "frame/mac_roman_literal.h"
#include "frame/settings.h"
#include "lexicon_fixture.h"

namespace {

class LexServices : public LexiconTest {
protected:
    void SetUp() override {
        while (gInitCount != 0) KRZEnd();
        KRZInit(3, 1);
        LexiconTest::SetUp();
        path = OpenNew();
        std::memset(table, 0, sizeof table);
        std::memset(other, 0, sizeof other);
    }
    void TearDown() override {
        KRZClearParagraphTab(table, KRZ_MAX_PARAGRAPH_ERRORS);
        KRZClearParagraphTab(other, KRZ_MAX_PARAGRAPH_ERRORS);
        LexiconTest::TearDown();
        while (gInitCount != 0) KRZEnd();
    }
    struct Proposal {
        int16_t result;
        uint16_t expression, category, gender, cls;
        std::string model;
    };
    static Proposal Guess(const char* word, uint16_t language) {
        Proposal p{};
        char model[36];
        std::memset(model, 'Z', sizeof model);
        uint16_t flag = 0;
        p.result = KRZAnalyseWordLex(word, &p.expression, &p.category, &p.gender, &p.cls, &flag, model, language);
        p.model.assign(model, strnlen(model, 36));
        return p;
    }
    // Spelling records of a paragraph: the text each covers.
    std::vector<std::string> Misspelt(const std::string& text) {
        KRZClearParagraphTab(table, KRZ_MAX_PARAGRAPH_ERRORS);
        const uint32_t n = KRZTestSpellingParagraph(text.c_str(), 0, static_cast<int32_t>(text.size()), table, 1, 1, 0, 0);
        std::vector<std::string> out;
        for (uint32_t i = 0; i < n; ++i) out.push_back(text.substr(table[i].start, table[i].end - table[i].start + 1));
        return out;
    }
    std::string path;
    ParagraphErrorRecord table[KRZ_MAX_PARAGRAPH_ERRORS];
    ParagraphErrorRecord other[KRZ_MAX_PARAGRAPH_ERRORS];  // the full export's records
};

// Windows-1252 bytes of the host.
const char* const kCeder = "c\xE9" "der";

TEST_F(LexServices, GuessingTables) {
    struct Case {
        const char* word;
        uint16_t language;
        int16_t result;
        uint16_t expression, category, gender, cls;
        const char* model;
    };
    const Case cases[] = {
        {"maison", 3, -1, 0, 1, 1, 2, ""},
        {"googler", 3, 0, 0, 5, 1, 0, "aimer"},
        {"zorpeuse", 3, 0, 0, 3, 2, 1, ""},
        {"smartphone", 3, -1, 0, 1, 1, 2, ""},  // in the main dictionary
        {"zarlement", 3, 0, 0, 2, 1, 1, ""},
        {"zartellement", 3, 0, 0, 6, 1, 1, ""},
        {"zapeler", 3, 0, 0, 5, 1, 0, "appeler"},
        {"zapeter", 3, 0, 0, 5, 1, 0, "jeter"},
        {"zarayer", 3, 0, 0, 5, 1, 0, "payer"},
        {"zaruyer", 3, 0, 0, 5, 1, 0, "noyer"},
        {"zarir", 3, 0, 0, 5, 1, 0, "finir"},
        {"zorbit\xE9s", 3, 0, 0, 2, 2, 3, ""},
        {"zapisations", 3, 0, 0, 2, 1, 1, ""},  // -ions matches: no plural mark
        {"Zorglub", 3, 0, 0, 1, 1, 2, ""},
        {"ZorgLub", 3, 0, 1, 1, 1, 2, ""},
        {"zorg lub", 3, 0, 1, 1, 1, 2, ""},
        {"blorbize", 0, 0, 0, 5, 3, 0, "organize"},
        {"blorbship", 0, 0, 0, 2, 3, 1, ""},
        {"blorbness", 0, 0, 0, 3, 3, 2, ""},
    };
    for (const Case& c : cases) {
        const Proposal p = Guess(c.word, c.language);
        EXPECT_EQ(p.result, c.result) << c.word;
        if (c.result != 0) continue;
        EXPECT_EQ(p.expression, c.expression) << c.word;
        EXPECT_EQ(p.category, c.category) << c.word;
        EXPECT_EQ(p.gender, c.gender) << c.word;
        EXPECT_EQ(p.cls, c.cls) << c.word;
        EXPECT_EQ(p.model, c.model) << c.word;
    }
    EXPECT_EQ(Guess("zapiger", 3).model, "nager");
    EXPECT_EQ(Guess("zap\xE9" "cer", 3).model, "rapi\xE9" "cer");  // converted back to the host
}

TEST_F(LexServices, AddedVerbIsKnownToTheChecker) {
    const std::string text = "Nous googlons souvent.";
    EXPECT_EQ(Misspelt(text), (std::vector<std::string>{"googlons"}));
    char model[36];
    uint16_t e, c, g, k, f;
    ASSERT_EQ(KRZAnalyseWordLex("googler", &e, &c, &g, &k, &f, model, 3), 0);
    ASSERT_EQ(KRZInsertLex("googler", e, c, g, k, f, model, "", 3), 0);
    EXPECT_TRUE(Misspelt(text).empty());
    KRZCloseLex();
    EXPECT_EQ(Misspelt(text).size(), 1u);
    ASSERT_EQ(KRZOpenLex(path.c_str()), 0);
    EXPECT_TRUE(Misspelt(text).empty());
}

TEST_F(LexServices, ConjugationOfANewVerb) {
    int16_t count = -1;
    char forms[6 * 36];
    auto conjugate = [&](const char* verb, uint16_t tense, int16_t flag, const char* model) {
        std::memset(forms, 0, sizeof forms);
        const int16_t r = KRZConjugateLex(verb, tense, &count, forms, flag, model, 3);
        std::vector<std::string> out;
        for (int i = 0; i < count; ++i) out.emplace_back(forms + 36 * i);
        return std::make_pair(r, out);
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(conjugate("googler", 2, 0, "aimer").second,
              (V{"google", "googles", "google", "googlons", "googlez", "googlent"}));
    for (uint16_t tense = 1; tense <= 9; ++tense) {
        const auto r = conjugate("googler", tense, 0, "aimer");
        EXPECT_EQ(r.first, 0) << tense;
        EXPECT_GT(count, 0) << tense;
    }
    EXPECT_EQ(conjugate("googler", 4, 0, "aimer").second[0], "googlerai");
    EXPECT_EQ(conjugate("aimer", 2, 0, "aimer").first, -1);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(conjugate("googlir", 2, 0, "aimer").first, 5);
    EXPECT_EQ(conjugate("zouglons", 2, 0, "aimons").first, 6);
    const auto zeder = conjugate("z\xE9" "der", 2, 0, kCeder);
    EXPECT_EQ(zeder.first, 0);
    EXPECT_EQ(zeder.second[0], "z\xE8" "de");
    EXPECT_EQ(zeder.second[3], "z\xE9" "dons");
}

TEST_F(LexServices, ShortExportsForward) {
    TQSetLanguage(3);
    uint16_t ucount = 0;
    int16_t count = 0;
    char results[6 * 36];
    EXPECT_EQ(TQInfinitive("aimons", &ucount, results),
              KRZInfinitive("aimons", &ucount, results, 0, 3));
    EXPECT_STREQ(results, "aimer");
    uint16_t flag = 0;
    EXPECT_EQ(TQConjugate("aimer", 2, &count, results, &flag), KRZConjugate("aimer", 2, &count, results, &flag, 0, 3));
    EXPECT_STREQ(results + 36 * 3, "aimons");
    EXPECT_EQ(TQPlural("cheval", &count, results), 0);
    EXPECT_STREQ(results, "chevaux");
    EXPECT_EQ(TQSingular("chevaux", &ucount, results), 0);
    EXPECT_STREQ(results, "cheval");
    TQSetLanguage(0);
    EXPECT_EQ(gCheckingLanguage, 0);
    TQInfinitive("went", &ucount, results);
    EXPECT_STREQ(results, "go");
    TQSetLanguage(3);

    const char* text = "Nous googlons souvent.";
    EXPECT_EQ(TQTestSpellingParagraph(text, 0, table), 1u);
    TQClearParagraphTab(table, KRZ_MAX_PARAGRAPH_ERRORS);
    EXPECT_EQ(TQTestGrammarParagraph(text, 0, table, KRZ_CATEGORY_ALL),
              KRZTestGrammarParagraph(text, 0, static_cast<int32_t>(std::strlen(text)), other, KRZ_CATEGORY_ALL, 1, 1, 0, 0));
    TQClearParagraphTab(table, KRZ_MAX_PARAGRAPH_ERRORS);
    KRZClearParagraphTab(other, KRZ_MAX_PARAGRAPH_ERRORS);
    EXPECT_EQ(TQTestGrammarParagraph("", 0, table, KRZ_CATEGORY_ALL), 0u);
    EXPECT_EQ(TQPunctParagraph("Oui , non.", 0, table), KRZPunctParagraph("Oui , non.", 0, 10, other));
    TQClearParagraphTab(table, KRZ_MAX_PARAGRAPH_ERRORS);
    EXPECT_EQ(TQOptionNonUSUK(1), KRZOptionNonUSUK(1));
    EXPECT_EQ(TQSetInterfLanguage(3), KRZSetInterfLanguage(3));

    EXPECT_EQ(TQInsertLex("zorbitude"), 0);
    uint16_t e, g, k, f;
    char t[36], a[36];
    KRZGetValuesWordLex("zorbitude", 2, &e, &g, &k, &f, t, a, 3);
    EXPECT_EQ(g, 3);
    EXPECT_EQ(k, 4);
    EXPECT_EQ(TQRemoveLex("zorbitude"), 0);
    EXPECT_EQ(LexEntryCount, 0u);
    EXPECT_EQ(TQCloseLex(), 0);
    EXPECT_EQ(TQOpenLex(path.c_str()), 0);

    TQEnd();
    EXPECT_EQ(gInitCount, 0u);
    TQInit(3);
    EXPECT_EQ(gInitCount, 1u);
    KRZSetLanguage(0);
    EXPECT_EQ(TQInfinitive("went", &ucount, results), KRZInfinitive("went", &ucount, results, 0, 0));
}

}  // namespace
