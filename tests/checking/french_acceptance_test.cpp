// Whole French sentences through the paragraph exports on the built-in
// dictionary: the findings of the dispatcher's own rules at their places,
// and the rate of findings on clean prose (printed for the log).
#include <fstream>
#include <iostream>

#include "checking/dictionary_tests.h"
#include "checking/dispatcher.h"
#include "frame/bounded_string.h"
#include "krzlib.h"
#include "word_table_fixture.h"

namespace {

std::string Utf8ToWindows1252(const std::string& s) {
    std::string out;
    for (size_t i = 0; i < s.size();) {
        const unsigned char b = static_cast<unsigned char>(s[i]);
        unsigned cp = b;
        const size_t n = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
        if (n > 1) cp = b & (0x3F >> (n - 1));
        for (size_t k = 1; k < n && i + k < s.size(); ++k) cp = (cp << 6) | (s[i + k] & 0x3F);
        i += n;
        if (cp == 0x2019) cp = '\'';
        if (cp == 0x0153) cp = 0x9C;
        out.push_back(cp < 0x100 ? static_cast<char>(cp) : '?');
    }
    return out;
}

class FrenchAcceptanceTest : public ::testing::Test {
protected:
    void SetUp() override {
        gDispatcherTestHook = nullptr;
        gDictionaryWordTestHook = nullptr;
        KRZInit(3, 1);
        KRZSetLanguage(3);
        BoundedString probe;
        probe.Allocate(36);
        CopyCString(probe, "chat");
        if (IsFrenchDictionaryWord(probe) == 0) GTEST_SKIP() << "the French word-form analysis knows no word yet";
    }
    void TearDown() override {
        KRZClearParagraphTab(table_, KRZ_MAX_PARAGRAPH_ERRORS);
        KRZEnd();
    }

    struct Found {
        uint32_t start, end;
        uint16_t errorClass;
    };
    std::vector<Found> Grammar(const std::string& utf8) {
        KRZClearParagraphTab(table_, KRZ_MAX_PARAGRAPH_ERRORS);
        const std::string text = Utf8ToWindows1252(utf8);
        const uint32_t n = KRZTestGrammarParagraph(text.c_str(), 0, static_cast<int32_t>(text.size()), table_,
                                                   KRZ_CATEGORY_ALL, 1, 1, 0, 0);
        std::vector<Found> out;
        for (uint32_t k = 0; k < n; ++k) out.push_back({table_[k].start, table_[k].end, table_[k].errorClass});
        return out;
    }

    ParagraphErrorRecord table_[KRZ_MAX_PARAGRAPH_ERRORS + 2] = {};
};

TEST_F(FrenchAcceptanceTest, FindingsOfTheDispatcherRules) {
    struct Case {
        const char* sentence;
        uint32_t start, end;  // the expected finding's span
        uint16_t errorClass;
    };
    const Case cases[] = {
        {"Le chat mange une pomne.", 18, 22, KRZ_CLASS_SPELLING},           // 1
        {"Il mange le le pain.", 9, 13, KRZ_CLASS_GRAMMAR},                  // 16
        {"Il a bon coeur.", 9, 13, KRZ_CLASS_GRAMMAR},                       // 37
        {"Il a vingt deux ans.", 5, 14, KRZ_CLASS_GRAMMAR},                  // 39
        {"Il dit (oui.", 0, 1, KRZ_CLASS_GRAMMAR},                           // 48
        {"Il mange pas de pain.", 3, 7, KRZ_CLASS_GRAMMAR},                  // 59
    };
    for (const Case& c : cases) {
        const std::vector<Found> found = Grammar(c.sentence);
        bool seen = false;
        for (const Found& f : found) {
            if (f.start == c.start && f.end == c.end && f.errorClass == c.errorClass) seen = true;
        }
        std::string got;
        for (const Found& f : found) got += " " + std::to_string(f.start) + "-" + std::to_string(f.end) + "/" + std::to_string(f.errorClass);
        EXPECT_TRUE(seen) << c.sentence << " gave" << got;
    }
}

// A pronoun and its verb are not a hyphenated noun ("on dit", not "on-dit").
TEST_F(FrenchAcceptanceTest, SubjectAndVerbAreNotJoined) {
    for (const char* s : {"Ce qu'on dit est vrai.", "On dit que Paul est parti."}) {
        const std::vector<Found> found = Grammar(s);
        EXPECT_TRUE(found.empty()) << s << " gave " << found.size() << " findings";
    }
}

TEST_F(FrenchAcceptanceTest, CleanWordsDrawNoSpellingFinding) {
    for (const char* s : {"Le chat dort.", "Il mange le pain.", "Nous avons vingt-deux ans.", "Les gens sont partis.",
                          // Common verbs of paradigms of their own.
                          "Il faut sortir.", "Cela suffit.", "Nous résolvons le problème."}) {
        for (const Found& f : Grammar(s)) EXPECT_NE(f.errorClass, KRZ_CLASS_SPELLING) << s << " at " << f.start;
    }
}

// A word the French dictionary does not know but the English one does is
// a foreign word in running text, reported once with the English words
// that follow it, and passes inside quotation marks; a word of neither
// language is reported in both places.
TEST_F(FrenchAcceptanceTest, EnglishWordInsideFrenchText) {
    struct Case {
        const char* sentence;
        uint32_t start, end;  // 0, 0: nothing expected
    };
    const Case cases[] = {
        {"Il est venu yesterday avec sa mère.", 12, 20},
        {"Il a dit yesterday morning avec sa mère.", 9, 25},  // one finding for the run
        {"Il est venu \"yesterday\" avec sa mère.", 0, 0},
        {"Il est venu zorblat avec sa mère.", 12, 18},
        {"Il est venu \"zorblat\" avec sa mère.", 12, 20},  // the token with its quotes
    };
    for (const Case& c : cases) {
        const std::vector<Found> found = Grammar(c.sentence);
        std::string got;
        for (const Found& f : found) got += " " + std::to_string(f.start) + "-" + std::to_string(f.end) + "/" + std::to_string(f.errorClass);
        if (c.end == 0) {
            EXPECT_TRUE(found.empty()) << c.sentence << " gave" << got;
            continue;
        }
        ASSERT_EQ(found.size(), 1u) << c.sentence << " gave" << got;
        EXPECT_EQ(found[0].start, c.start) << c.sentence;
        EXPECT_EQ(found[0].end, c.end) << c.sentence;
        EXPECT_EQ(found[0].errorClass, KRZ_CLASS_SPELLING) << c.sentence;
    }
}

TEST_F(FrenchAcceptanceTest, FindingsPerThousandWordsOnCleanProse) {
    std::string here = __FILE__;
    std::ifstream in(here.substr(0, here.rfind('/')) + "/../data/text/hugo_miserables_fr.txt");
    std::string line;
    uint64_t words = 0, findings = 0;
    while (std::getline(in, line)) {
        bool inWord = false;
        for (char c : line) {
            const bool w = c != ' ';
            if (w && !inWord) ++words;
            inWord = w;
        }
        findings += Grammar(line).size();
    }
    ASSERT_GT(words, 0u);
    std::cout << "[ french prose ] " << findings << " findings in " << words << " words: "
              << (1000.0 * static_cast<double>(findings) / static_cast<double>(words)) << " per 1,000 words\n";
}

}  // namespace
