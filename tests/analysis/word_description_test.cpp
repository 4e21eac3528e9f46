// The word description renderer on sentences the checker analysed with the
// built-in dictionaries; the functions the grammar cascades would set are
// set by hand where a case needs them.
#include <string>
#include <vector>

#include "../checking/acceptance_fixture.h"
#include "analysed_sentence.h"
#include "analysis/word_description.h"
#include "checking/explanation.h"
#include "frame/mac_roman.h"
#include "frame/records.h"
#include "frame/report.h"
#include "frame/tables.h"
#include "frame/loader.h"
#include "frame/tagged_words.h"

namespace {

class WordDescriptionTest : public acceptance::AcceptanceTest {
protected:
    void SetUp() override {
        InitByteMatrix(alt_, 8, 120);
        InitByteMatrix(form_, 12, 120);
        InitByteMatrix(main_, 10, 512);
        InitByteMatrix(synonyms_, 10, 1000);
    }
    void TearDown() override {
        sentence_.Reset();
        gAnalysisMode = 0;
        acceptance::AcceptanceTest::TearDown();
    }
    // Reads and checks the first sentence of `utf8`; its words stay in the
    // word table until the next call.
    void Load(const char* utf8) { sentence_.Load(utf8); }
    WordDescription Describe(u16 word, u16 mode = 0) {
        WordDescription d{alt_, form_, main_, synonyms_};
        DescribeWordAnalysis(mode, word, d);
        return d;
    }
    // Entry k of a list, in UTF-8.
    static std::string Utf8(const StringList& list, i32 k) { return MacRomanToUtf8(list[k]); }
    static std::string MacRomanToUtf8(const BoundedString& text) {
        std::string s(reinterpret_cast<const char*>(text.data));
        std::string host;
        for (char c : s) host.push_back(static_cast<char>(ConvertCharFromMacRoman(static_cast<u8>(c))));
        return host_text::Utf8FromHost(host.c_str());
    }
    i32 IndexOf(const char* text) const {
        for (i32 i = 0; i < static_cast<i32>(gWordCount); ++i)
            if (TextEquals(gWords[i].WordText, text)) return i;
        return -1;
    }

    StringList alt_, form_, main_, synonyms_;
    AnalysedSentence sentence_;
};

TEST_F(WordDescriptionTest, FrenchElementsOfSubjectAndVerb) {
    Start(3, "chat");
    Load("Le chat dort.");
    gWords[1].FunctionCode = 75;
    gWords[2].FunctionCode = 74;
    gAnalysisMode = 1;
    // The role text (a subject, of no clause here), then the element.
    ASSERT_EQ(Describe(1).mainCount, 3);
    EXPECT_EQ(Utf8(main_, 2), "<N rang=\"1\" nbr=\"sg\" gen=\"m\" prs=\"3\" temps=\"O\" rolegram=\"suj\" fc=\"chat\">chat</N>");
    Describe(2);
    EXPECT_EQ(Utf8(main_, 2),
              "<V rang=\"2\" nbr=\"sg\" gen=\"O\" prs=\"3\" temps=\"pres\" rolegram=\"vactif\" fc=\"dormir\">dort</V>");
}

// What the grammar cascades leave: one clause over the sentence, the verb
// linked to it.
void OneClause(i32 verb) {
    gSegmentCount = 1;
    gSegments[0] = SegmentRecord{};
    gSegments[0].FirstWord = 0;
    gSegments[0].LastWord = 0;
    gWords[verb].LinkedWord = 0;
}

TEST_F(WordDescriptionTest, FrenchVerbRoleNamesItsSubjects) {
    Start(3, "chat");
    KRZSetInterfLanguage(3);
    Load("Le chat dort.");
    OneClause(2);
    for (i32 i = 0; i < static_cast<i32>(gWordCount); ++i) gWords[i].FunctionCode = 0;
    // No subject listed: the role still tells an active verb.
    EXPECT_EQ(Describe(2).mainCount, 2);
    EXPECT_EQ(Utf8(main_, 1), "Verbe actif");
    gWords[1].FunctionCode = 75;
    EXPECT_EQ(Describe(2).mainCount, 2);
    EXPECT_EQ(Utf8(main_, 1), "Il a pour sujet : «\u00A0chat\u00A0»");
    gSegmentCount = 0;
}

// A word without a function is written "O", not as the last code of the
// table.
TEST_F(WordDescriptionTest, NoFunctionIsWrittenO) {
    Start(3, "chat");
    Load("Le chat dort.");
    gAnalysisMode = 1;
    gWords[1].FunctionCode = 65535;
    Describe(1);
    EXPECT_NE(Utf8(main_, 2).find(" rolegram=\"O\" "), std::string::npos) << Utf8(main_, 2);
}

TEST_F(WordDescriptionTest, ElementsEscapeTheirTextOnce) {
    Start(3, "chat");
    Load("Il dit \" & < ok.");
    gAnalysisMode = 1;
    const struct {
        const char* word;
        const char* text;  // fc and text as the element writes them
    } cases[] = {{"\"", "fc=\"&#34;\">&#34;</PCT>"}, {"&", "&amp;</"}, {"<", "&lt;</"}};
    for (const auto& c : cases) {
        const i32 i = IndexOf(c.word);
        ASSERT_GE(i, 0) << c.word;
        Describe(static_cast<u16>(i));
        const std::string element = Utf8(main_, 2);
        EXPECT_NE(element.find(c.text), std::string::npos) << element;
        EXPECT_EQ(element.find("&amp;#34;"), std::string::npos) << element;
        EXPECT_EQ(element.find("<<"), std::string::npos) << element;
    }
    Describe(static_cast<u16>(IndexOf("\"")));
    EXPECT_EQ(Utf8(main_, 2).rfind("<PCT rang=\"2\" nbr=\"O\" gen=\"O\" prs=\"3\" temps=\"O\" rolegram=\"O\"", 0), 0u)
        << Utf8(main_, 2);
}

TEST_F(WordDescriptionTest, AVerbWithItsPronounKeepsItsTense) {
    Start(3, "chat");
    KRZSetInterfLanguage(3);
    for (const char* sentence : {"Oui, dit-il.", "Oui, dit-elle."}) {
        Load(sentence);
        const i32 i = IndexOf("dit-il") >= 0 ? IndexOf("dit-il") : IndexOf("dit-elle");
        ASSERT_GE(i, 0) << sentence;
        // The checker's reading: a verb class with the pronoun's 4, a slot
        // with the pronoun's 64 ("il") or 128 ("elle").
        EXPECT_EQ(gWords[i].ReadingClasses[0] & 7, 4) << sentence;
        EXPECT_GE(gWords[i].ReadingFeatures[0], 64) << sentence;
        Describe(static_cast<u16>(i));
        EXPECT_EQ(Utf8(main_, 0), "verbe  «\u00A0dire\u00A0» au présent : il (se) dit") << sentence;
    }
}

// A verb the dictionary lists as pronominal shows its reflexive pronoun in
// brackets, elided before a vowel; "dormir" has none. The reading may come
// after others ("lave" is first a noun); the clause's person byte, which the
// cascades set, chooses "je" for "lève".
TEST_F(WordDescriptionTest, PronominalVerbsShowTheirReflexivePronoun) {
    Start(3, "chat");
    KRZSetInterfLanguage(3);
    const struct {
        const char* sentence;
        const char* verb;
        u8 clausePerson;
        const char* description;
    } cases[] = {
        {"Il se lave.", "lave", 0, "verbe  «\u00A0laver\u00A0» au présent : il (se) lave"},
        {"Je me lève.", "lève", 1, "verbe  «\u00A0lever\u00A0» au présent : je (me) lève"},
        {"Nous nous levons.", "levons", 0, "verbe  «\u00A0lever\u00A0» au présent : nous (nous) levons"},
        {"Il s'amuse.", "amuse", 0, "verbe  «\u00A0amuser\u00A0» au présent : il (s') amuse"},
        {"Le chat dort.", "dort", 0, "verbe  «\u00A0dormir\u00A0» au présent : il  dort"},
    };
    for (const auto& c : cases) {
        Load(c.sentence);
        i32 i = -1;
        for (i32 k = 0; k < static_cast<i32>(gWordCount) && i < 0; ++k)
            if (MacRomanToUtf8(gWords[k].WordText) == c.verb) i = k;
        ASSERT_GE(i, 0) << c.sentence;
        OneClause(i);
        gSegments[0].Person = c.clausePerson;
        const WordDescription d = Describe(static_cast<u16>(i));
        std::string all = Utf8(main_, 0);
        for (i32 k = 0; k < d.altCount; ++k) all += "\n" + Utf8(alt_, k);
        EXPECT_NE(("\n" + all + "\n").find("\n" + std::string(c.description) + "\n"), std::string::npos)
            << c.sentence << "\n" << all;
    }
    gSegmentCount = 0;
}

// A short "d" word of the indefinite class 'Q' is described as a
// preposition, then as an article. The dictionaries give no such word this
// class ("de", "du", "des" have their article and preposition readings of
// their own), so the recorded class stands in.
TEST_F(WordDescriptionTest, ShortDWordsOfIndefiniteClassAreAlsoArticles) {
    Start(3, "chat");
    KRZSetInterfLanguage(3);
    Load("Il parle de lui.");
    const i32 de = IndexOf("de");
    ASSERT_GE(de, 0);
    gWords[de].ReadingClasses[0] = 'Q';
    gWords[de].ReadingFeatures[0] = 0x14;
    gWords[de].ReadingCategories[0] = 15;
    const WordDescription d = Describe(static_cast<u16>(de));
    EXPECT_EQ(Utf8(main_, 0).rfind("préposition", 0), 0u) << Utf8(main_, 0);
    ASSERT_GE(d.altCount, 1);
    EXPECT_EQ(Utf8(alt_, 0).rfind("article", 0), 0u) << Utf8(alt_, 0);
}

TEST_F(WordDescriptionTest, EnglishWillAndTheVerbAfterIt) {
    Start(0, "the");
    KRZSetInterfLanguage(0);
    Load("They will sleep.");
    Describe(1);
    const std::string will = Utf8(main_, 0);
    EXPECT_NE(will.find("auxiliary verb"), std::string::npos) << will;
    EXPECT_NE(will.find("in the future"), std::string::npos) << will;
    Describe(2);
    EXPECT_EQ(Utf8(main_, 0), "verb  “to sleep” in the future");
    EXPECT_EQ(Describe(2).synonymCount, 0);
}

// The comment of a verb's own tagged entry (its infinitive coded V0) goes
// with every verb-candidate row of its forms.
TEST_F(WordDescriptionTest, InfinitiveCommentJoinsTheVerbCandidateRows) {
    Start(3, "chat");
    Load("Il fait beau.");
    const i32 j = FindTaggedWord(gFrenchTaggedWords, gTaggedWordCount, reinterpret_cast<const u8*>("faire"), 5);
    ASSERT_GE(j, 0);
    BoundedString& entry = gFrenchTaggedWords.data[j];
    u8* const saved = entry.data;
    const u32 savedCount = entry.count;
    std::string text(reinterpret_cast<const char*>(saved));
    ASSERT_NE(text.find("\xA4V0"), std::string::npos) << text;
    text += " (tournure)";
    std::vector<u8> bytes(text.begin(), text.end());
    bytes.push_back(0);
    entry.View(bytes.data(), static_cast<u32>(bytes.size()));
    const WordDescription d = Describe(1);
    entry.View(saved, savedCount);
    ASSERT_GE(d.formCount, 1);
    for (u16 k = 0; k < d.formCount; ++k) {
        const std::string row = Utf8(form_, k);
        if (row.find("verbe") != std::string::npos) {
            EXPECT_NE(row.find("(tournure)"), std::string::npos) << row;
        }
    }
    EXPECT_NE(Utf8(form_, 0).find("(tournure)"), std::string::npos) << Utf8(form_, 0);
}

TEST_F(WordDescriptionTest, ExplanationModeWritesOnlyTheTaggedRows) {
    Start(3, "chat");
    Load("Il est du pain.");
    CopyCString(main_[0], "untouched");
    gErrorExtent = 0;
    const WordDescription d = Describe(static_cast<u16>(IndexOf("du")), kDescribeExplanation);
    EXPECT_EQ(d.formCount, 2);
    EXPECT_EQ(d.mainCount, 0);
    EXPECT_EQ(d.altCount, 0);
    EXPECT_EQ(d.synonymCount, 0);
    EXPECT_EQ(Utf8(main_, 0), "untouched");
    EXPECT_EQ(Utf8(form_, 0).rfind("du= ", 0), 0u) << Utf8(form_, 0);
    EXPECT_EQ(gErrorDetail, 0);
}

TEST_F(WordDescriptionTest, AnIndexPastTheLastWordDescribesTheLastWord) {
    Start(3, "chat");
    Load("Le chat dort.");
    Describe(static_cast<u16>(gWordCount - 1));
    const std::string last = Utf8(main_, 0);
    Describe(200);
    EXPECT_EQ(Utf8(main_, 0), last);
}

// Code 32's explanation carries the two words' descriptions.
TEST_F(WordDescriptionTest, HomophoneExplanationsCarryTheWordDescriptions) {
    Start(3, "chat");
    ASSERT_NE(gHomophoneDescriber, nullptr);
    ASSERT_NE(gVowelSoundTest, nullptr);
    ASSERT_NE(gBaseFormWriter, nullptr);
    Load("Il est du pain.");
    char entries[12][120] = {};
    gErrorExtent = 0;
    EXPECT_EQ(gHomophoneDescriber(static_cast<i16>(IndexOf("du")), entries), 2);
    EXPECT_EQ(std::string(entries[0]).rfind("du= ", 0), 0u) << entries[0];
}

}  // namespace
