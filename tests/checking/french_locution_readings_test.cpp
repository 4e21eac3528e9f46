// The French locution pass on the built-in dictionary: the readings it
// leaves (the pass's mode-1 word table of a sentence's first dispatcher
// call, taken where the pass hands over to the locution matcher), and the
// suggestions of its findings.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "acceptance_fixture.h"
#include "frame/bounded_string.h"
#include "frame/records.h"
#include "frame/tables.h"
#include "morphology/word_lookup.h"
#include "rules/french/french_locutions.h"
#include "rules/french/locution_matcher.h"

namespace {

struct Word {
    std::string text;
    u16 count;
    u8 cls, cat;
    u32 lemma;
    u32 verbLemma;  // of the first conjugated-verb reading (0: none)
};
std::vector<Word> gSnapshot;

// The words as the matcher left them in the first mode-1 call: every
// reading as "class.features.category.mark", and the first one's lemma.
std::vector<std::string> gMatched;
std::vector<u32> gMatchedLemma;

u32 VerbLemma(const WordRecord& w) {
    for (i32 r = 0; r < w.ReadingCount; ++r)
        if (w.ReadingCategories[r] == 14) return w.ReadingLemmaRefs[r];
    return 0;
}

void Snapshot(u16 mode) {
    const bool first = mode == 1 && gSnapshot.empty();
    if (first) {
        for (i32 i = 0; i < gWordCount; ++i) {
            const WordRecord& w = gWords[i];
            gSnapshot.push_back({reinterpret_cast<const char*>(w.WordText.data), w.ReadingCount, w.ReadingClasses[0],
                                 w.ReadingCategories[0], w.ReadingLemmaRefs[0], VerbLemma(w)});
        }
    }
    MatchFrenchLatinLocutions(mode);
    if (!first) return;
    for (i32 i = 0; i < gWordCount; ++i) {
        const WordRecord& w = gWords[i];
        std::string readings;
        for (i32 r = 0; r < w.ReadingCount; ++r) {
            if (r) readings += '+';
            readings += std::to_string(w.ReadingClasses[r]) + "." + std::to_string(w.ReadingFeatures[r]) + "." +
                        std::to_string(w.ReadingCategories[r]) + "." + std::to_string(w.ReadingMarks[r]);
        }
        gMatched.push_back(readings);
        gMatchedLemma.push_back(w.ReadingLemmaRefs[0]);
    }
}

class FrenchLocutionReadingsTest : public acceptance::AcceptanceTest {
protected:
    void SetUp() override {
        Start(3, "chat");
        gLocutionMatcher = Snapshot;
    }
    void TearDown() override {
        gLocutionMatcher = MatchFrenchLatinLocutions;
        AcceptanceTest::TearDown();
    }
    // The snapshot of the sentence's first mode-1 pass.
    const std::vector<Word>& Pass(const std::string& sentence) {
        gSnapshot.clear();
        gMatched.clear();
        gMatchedLemma.clear();
        Grammar(sentence);
        return gSnapshot;
    }
    // The word of the snapshot written `text` (as Windows-1252 is Mac
    // Roman for ASCII words only: ASCII texts are asked).
    static const Word* Find(const std::vector<Word>& words, const char* text) {
        for (const Word& w : words)
            if (w.text == text) return &w;
        return nullptr;
    }
};

TEST_F(FrenchLocutionReadingsTest, AReculonsIsAnAdverbialLocution) {
    const std::vector<Word>& words = Pass("Il marche à reculons.");
    ASSERT_EQ(words.size(), 5u);
    for (const i32 k : {2, 3}) {
        EXPECT_EQ(words[k].cat, 18) << k;
        EXPECT_EQ(words[k].cls, 26) << k;
    }
    EXPECT_EQ(words[3].count, 1);
}

TEST_F(FrenchLocutionReadingsTest, SApostropheBeforeIlIsTheConjunctionSi) {
    const std::vector<Word>& words = Pass("Je viendrai s'il pleut.");
    const Word* s = Find(words, "s'");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->cat, 17);
    EXPECT_EQ(s->count, 1);
    EXPECT_EQ(s->lemma, LookupTextSlotPreserving("si", 1));
}

TEST_F(FrenchLocutionReadingsTest, AuFurEtAMesureByWhatFollows) {
    struct Case {
        const char* sentence;
        u8 cat, cls;  // of "au" .. "mesure"
    } cases[] = {
        {"Il range les livres au fur et à mesure.", 18, 26},
        {"Il range les livres au fur et à mesure que je les lis.", 17, 42},
        {"Il range les livres au fur et à mesure de leur arrivée.", 15, 44},
    };
    for (const Case& c : cases) {
        const std::vector<Word>& words = Pass(c.sentence);
        const Word* au = Find(words, "au");
        ASSERT_NE(au, nullptr) << c.sentence;
        const size_t k = static_cast<size_t>(au - words.data());
        for (size_t j = k; j < k + 5 && j < words.size(); ++j) {
            EXPECT_EQ(words[j].cat, c.cat) << c.sentence << " word " << j;
            EXPECT_EQ(words[j].cls, c.cls) << c.sentence << " word " << j;
        }
    }
}

// The matcher's first pass settles readings every later French rule reads:
// an imperative opening the sentence, an attributive verb and the reading
// its neighbour loses, a stressed pronoun after an article as a noun.
TEST_F(FrenchLocutionReadingsTest, FirstPassSettlesReadings) {
    Pass("Prends ton livre.");
    ASSERT_GE(gMatched.size(), 1u);
    const std::string prends = gMatched[0];
    ASSERT_EQ(prends.find('+'), std::string::npos) << prends;  // one reading
    const int cls = std::stoi(prends);
    EXPECT_EQ(prends.substr(prends.find('.')), ".48.14.54") << prends;
    EXPECT_GE(cls % 16, 8) << prends;  // the imperative flag

    Pass("Il reste calme.");
    ASSERT_GE(gMatched.size(), 3u);
    EXPECT_EQ(gMatched[1].find('+'), std::string::npos) << gMatched[1];
    EXPECT_EQ(gMatched[1].substr(gMatched[1].find('.')), ".51.14.129") << gMatched[1];
    EXPECT_EQ(gMatched[2].find(".14."), std::string::npos) << gMatched[2];  // no verb reading left

    Pass("C'est le moi profond.");
    ASSERT_GE(gMatched.size(), 4u);
    EXPECT_EQ(gMatched[3].substr(0, gMatched[3].rfind('.') + 1), "65.20.10.") << gMatched[3];  // noun, masculine singular
}

// The second pass settles article or object pronoun and noun or verb:
// "la" before a verb is the pronoun and the verb keeps its own lemma; "la"
// before a noun is the article (also in a sentence without a verb).
TEST_F(FrenchLocutionReadingsTest, SecondPassSettlesArticleOrPronoun) {
    const std::vector<Word> before = Pass("Je la porte.");
    ASSERT_GE(gMatched.size(), 3u);
    EXPECT_EQ(gMatched[1].find('+'), std::string::npos) << gMatched[1];
    EXPECT_NE(gMatched[1].find(".2."), std::string::npos) << gMatched[1];  // object pronoun
    EXPECT_EQ(gMatched[2].find('+'), std::string::npos) << gMatched[2];
    EXPECT_NE(gMatched[2].find(".14."), std::string::npos) << gMatched[2];  // conjugated verb
    ASSERT_NE(before[2].verbLemma, 0u);
    EXPECT_EQ(gMatchedLemma[2], before[2].verbLemma);

    // The article, then the noun: one reading each.
    for (const char* sentence : {"Il ouvre la porte.", "Que de patineurs sur la glace!"}) {
        Pass(sentence);
        const size_t n = gMatched.size();
        ASSERT_GE(n, 3u) << sentence;
        const std::string& la = gMatched[n - 3];
        const std::string& noun = gMatched[n - 2];
        EXPECT_EQ(la.find('+'), std::string::npos) << sentence << ": " << la;
        EXPECT_EQ(la.substr(la.find('.', la.find('.') + 1), 3), ".7.") << sentence << ": " << la;
        EXPECT_EQ(noun.find('+'), std::string::npos) << sentence << ": " << noun;
        EXPECT_EQ(noun.substr(noun.find('.', noun.find('.') + 1), 4), ".10.") << sentence << ": " << noun;
    }
}

// "juger" and "peut" are later words of locutions and verb forms. "Au
// juger" is the locution: "au" joins it (one reading, class 23,
// adverb-like) and "juger" stays the locution word. "Ne peut", "on ne peut"
// and a "peut" of its own are no misplaced locution word: "peut" keeps its
// verb reading first, with the verb's mark and lemma.
TEST_F(FrenchLocutionReadingsTest, LocutionWordsThatAreVerbForms) {
    std::vector<Word> words = Pass("Il a tiré au juger.");
    ASSERT_EQ(gMatched.size(), 6u);
    EXPECT_EQ(words[4].text, "juger");
    for (const auto& [k, reading] : {std::pair<size_t, const char*>{3, "23."}, {4, "24."}}) {
        const std::string& r = gMatched[k];
        EXPECT_EQ(r.find('+'), std::string::npos) << r;
        EXPECT_EQ(r.substr(0, 3), reading) << r;
        EXPECT_EQ(r.substr(r.find('.', r.find('.') + 1), 4), ".18.") << r;
    }
    const u32 pouvoir = LookupTextSlotPreserving("peux", 0);
    for (const char* sentence : {"Il ne peut pas venir.", "On ne peut rien y faire.", "Il peut venir."}) {
        words = Pass(sentence);
        const Word* peut = Find(words, "peut");
        ASSERT_NE(peut, nullptr) << sentence;
        const size_t k = static_cast<size_t>(peut - words.data());
        ASSERT_LT(k, gMatched.size()) << sentence;
        const std::string& r = gMatched[k];
        EXPECT_EQ(r.substr(r.find('.'), 8), ".8.14.43") << sentence << ": " << r;
        EXPECT_EQ(gMatchedLemma[k], pouvoir) << sentence;
    }
}

TEST_F(FrenchLocutionReadingsTest, FindingsSuggestTheLocution) {
    struct Case {
        const char* sentence;
        const char* suggestion;  // the first one
    } cases[] = {
        {"Il faut penser a tout.", "penser à"},
        {"Il est allé jusqu'a Paris.", "jusqu\u2019à"},
        {"Je viendrai si il fait beau.", "s\u2019il"},
        {"C'est le livre à lequel je pense.", "auquel"},
        {"Il l'a fait quelque fois.", "quelquefois"},
        {"Il est venu, quoi que malade.", "quoique"},
        {"Nous sommes arrivés à la même fois.", "la"},
        {"C'est le jour quand il est venu.", "où"},
        {"Une vielle femme.", "vieille"},
        {"Tu me fais heureux.", "rends"},
        {"C'est lui qui à raison.", "qui a"},
        {"Je pense a toi.", "pense à"},
        {"Je connais qu'il viendra.", "sais"},
        // An eliding word before a vowel, found as the words are read.
        {"Ce est vrai.", "C\u2019est"},
        {"Je ai faim.", "J\u2019ai"},
    };
    static ParagraphErrorRecord table[KRZ_MAX_PARAGRAPH_ERRORS];
    for (const Case& c : cases) {
        const std::string text = acceptance::Utf8ToWindows1252(c.sentence);
        const uint32_t n = KRZTestGrammarParagraph(text.c_str(), 0, static_cast<int32_t>(text.size()), table,
                                                   KRZ_CATEGORY_ALL, 1, 1, 0, 0);
        ASSERT_EQ(n, 1u) << c.sentence;
        ASSERT_GT(table[0].suggestionCount, 0) << c.sentence;
        EXPECT_EQ(std::string(table[0].suggestions[0]), acceptance::Utf8ToWindows1252(c.suggestion)) << c.sentence;
        KRZClearParagraphTab(table, static_cast<int16_t>(n));
    }
}

}  // namespace
