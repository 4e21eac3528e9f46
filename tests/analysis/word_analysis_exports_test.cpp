// The word-level analysis exports on the built-in dictionaries, as a host
// calls them: the word at an offset, one word's kinds, the index word,
// sentence starts, syntax records and stems.
#include <cstring>
#include <string>
#include <vector>

#include "../checking/acceptance_fixture.h"
#include "../checking/lexicon_fixture.h"
#include "frame/report.h"

namespace {

struct WordAnalysis {
    int16_t result = 0;
    uint32_t start = 0, end = 0;
    int16_t altCount = -9, formCount = -9, mainCount = -9, synonymCount = -9;
    uint16_t special = 99;
    char alt[8][120] = {};
    char form[12][120] = {};
    char main[10][120] = {};
    char synonyms[11][1000] = {};
    char base[36] = {};
};

class WordAnalysisExports : public acceptance::AcceptanceTest {
protected:
    // The analysis of the word at `offset` of `utf8` (offsets in bytes of
    // the host text).
    static std::unique_ptr<WordAnalysis> Analyse(const std::string& utf8, uint32_t offset) {
        const std::string text = acceptance::Utf8ToWindows1252(utf8);
        auto a = std::make_unique<WordAnalysis>();
        a->start = offset;
        a->end = 12345;
        a->result = KRZGetWordAnalysis(text.c_str(), &a->start, &a->end, 0, 0, &a->altCount, a->alt[0], &a->formCount,
                                       a->form[0], &a->mainCount, a->main[0], &a->special, &a->synonymCount,
                                       a->synonyms[0], a->base);
        return a;
    }
    static std::string Host(const char* utf8) { return acceptance::Utf8ToWindows1252(utf8); }
};

TEST_F(WordAnalysisExports, TheOffsetSelectsTheWord) {
    Start(3, "chat");
    const struct {
        uint32_t offset;
        int16_t result;
        uint32_t start, end;
    } cases[] = {
        {0, 1, 0, 1},     // "Le"
        {2, 1, 3, 6},     // the blank before "chat": the next word
        {5, 1, 3, 6},     // inside "chat"
        {12, 1, 12, 12},  // the period
        {13, 1, 12, 12},  // blanks after the last word: the last word
        {15, 0, 15, 12345},  // the text's length: nothing
        {99, 0, 99, 12345},
    };
    for (const auto& c : cases) {
        const auto a = Analyse("Le chat dort.  ", c.offset);
        EXPECT_EQ(a->result, c.result) << c.offset;
        EXPECT_EQ(a->start, c.start) << c.offset;
        EXPECT_EQ(a->end, c.end) << c.offset;
    }
}

TEST_F(WordAnalysisExports, FrenchVerbDescribedInTheInterfaceLanguage) {
    Start(3, "chat");
    KRZSetInterfLanguage(3);
    const auto a = Analyse("Le chat dort.", 9);
    ASSERT_EQ(a->result, 1);
    EXPECT_EQ(std::string(a->main[0]), Host("verbe  «\u00A0dormir\u00A0» au présent : il  dort"));
    // The role text: the subject search links the verb to its subject.
    ASSERT_EQ(a->mainCount, 2);
    EXPECT_EQ(std::string(a->main[1]), Host("Il a pour sujet : «\u00A0chat\u00A0»"));
    EXPECT_STREQ(a->base, "dormir");
    EXPECT_EQ(a->altCount, 0);
    // The word as a form of its verb, from the verb candidates.
    ASSERT_GE(a->formCount, 1);
    EXPECT_EQ(std::string(a->form[0]), Host("dort= verbe «\u00A0dormir\u00A0» au présent : il dort"));
    // The synonyms of "dormir" from slot 2 on; no register.
    EXPECT_GT(a->synonymCount, 0);
    EXPECT_NE(std::strstr(a->synonyms[2], "roupiller"), nullptr) << a->synonyms[2];
    EXPECT_EQ(a->special & 2, 0);
}

TEST_F(WordAnalysisExports, TwoReadingsGiveAMainAndAnAlternativeText) {
    Start(3, "chat");
    KRZSetInterfLanguage(0);
    const auto a = Analyse("Le chat dort.", 0);
    ASSERT_EQ(a->result, 1);
    EXPECT_EQ(std::string(a->main[0]), "article masculine in the singular");
    ASSERT_EQ(a->altCount, 1);
    EXPECT_EQ(std::string(a->alt[0]), "personal pronoun");
}

TEST_F(WordAnalysisExports, AMisspeltWordGivesTwoAndNoTexts) {
    Start(3, "chat");
    const auto a = Analyse("Le chatt dort.", 4);
    EXPECT_EQ(a->result, 2);
    EXPECT_EQ(a->start, 3u);
    EXPECT_EQ(a->end, 7u);
    EXPECT_EQ(a->altCount, 0);
    EXPECT_EQ(a->formCount, 0);
    EXPECT_EQ(a->mainCount, 0);
    EXPECT_EQ(a->synonymCount, 0);
    EXPECT_STREQ(a->main[0], "");
    EXPECT_STREQ(a->base, "");
}

// Each call describes its own word of a sentence checked once for the
// words of that sentence; another text, or a word added to the user
// lexicon since, is checked anew.
TEST_F(WordAnalysisExports, WordsOfOneSentenceAndWhatChangedSince) {
    Start(3, "chat");
    lexicon_fixture::ScratchLexicon lexicon;
    ASSERT_TRUE(lexicon.Open());
    EXPECT_EQ(Analyse("Le chatt dort.", 0)->result, 1);
    EXPECT_EQ(Analyse("Le chatt dort.", 4)->result, 2);  // the misspelt word
    EXPECT_EQ(Analyse("Le chatt dort.", 0)->result, 1);
    EXPECT_EQ(Analyse("Le chien dort.", 4)->result, 1);  // same length, another word
    EXPECT_EQ(Analyse("Le chatt dort.", 4)->result, 2);
    ASSERT_EQ(KRZInsertLex("chatt", 0, 2, 1, 1, 0, "", "", 3), 0);
    EXPECT_NE(Analyse("Le chatt dort.", 4)->result, 2);
    lexicon.Close();
}

TEST_F(WordAnalysisExports, EnglishHasNoSynonymsNorRegisterWhateverTheDetail) {
    Start(0, "the");
    gErrorDetail = 130;
    const auto a = Analyse("The cat sleeps.", 5);
    ASSERT_EQ(a->result, 1);
    EXPECT_EQ(a->special, 0);
    EXPECT_EQ(a->synonymCount, 0);
    EXPECT_STREQ(a->synonyms[0], "");
    EXPECT_STREQ(a->synonyms[1], "");
}

// The example of an English tagged row takes the article of the word's
// sound: "a ewe", not "an ewe".
TEST_F(WordAnalysisExports, EnglishTaggedRowsTakeTheArticleOfTheSound) {
    Start(0, "the");
    KRZSetInterfLanguage(0);
    const auto a = Analyse("The ewe sleeps.", 5);
    ASSERT_EQ(a->result, 1);
    std::string rows;
    for (int16_t k = 0; k < a->formCount && k < 12; ++k) rows += std::string(a->form[k]) + "|";
    EXPECT_NE(rows.find(": a ewe"), std::string::npos) << rows;
    EXPECT_EQ(rows.find(": an ewe"), std::string::npos) << rows;
}

TEST_F(WordAnalysisExports, OneWordKindsOrSuggestions) {
    Start(3, "chat");
    uint16_t kindCount = 99;
    uint8_t kinds[8] = {};
    int16_t suggestionCount = 99;
    char suggestions[12 * 36] = {};
    EXPECT_EQ(KRZOneWordAnalysis("dort", &kindCount, kinds, &suggestionCount, suggestions, 0, 1, 3), 1);
    ASSERT_GE(kindCount, 1);
    for (uint16_t k = 0; k < kindCount; ++k) EXPECT_EQ(kinds[k], 25) << k;
    EXPECT_EQ(suggestionCount, 0);
    // Unknown, no suggestions asked: both counts 0.
    EXPECT_EQ(KRZOneWordAnalysis("chatt", &kindCount, kinds, &suggestionCount, suggestions, 0, 0, 3), 0);
    EXPECT_EQ(kindCount, 0);
    EXPECT_EQ(suggestionCount, 0);
    EXPECT_EQ(KRZOneWordAnalysis("chatt", &kindCount, kinds, &suggestionCount, suggestions, 0, 1, 3), 0);
    EXPECT_GT(suggestionCount, 0);
    // The language is the call's; the checking language stays.
    EXPECT_EQ(KRZOneWordAnalysis("house", &kindCount, kinds, &suggestionCount, suggestions, 0, 0, 0), 1);
    EXPECT_EQ(KRZGetLanguage(), 3);
    EXPECT_NE(corpusEnglish("house"), 0);
    EXPECT_EQ(corpusEnglish("maison"), 0);
    EXPECT_EQ(KRZGetLanguage(), 3);
}

TEST_F(WordAnalysisExports, IndexWordBounds) {
    Start(3, "chat");
    const struct {
        const char* text;
        uint32_t offset;
        int16_t result;
        uint32_t start, end;
    } cases[] = {
        {"Le chat dort.", 5, 1, 3, 6},
        {"Le chat dort.", 2, 1, 3, 6},
        {"Le chat dort.  ", 14, 1, 8, 11},  // the period is no word here
        {"", 0, 0, 0, 0},
        {"Le chat", 7, 0, 7, 7},
    };
    for (const auto& c : cases) {
        uint32_t start = c.offset, end = c.offset;
        EXPECT_EQ(KRZGetIndexWord(c.text, &start, &end), c.result) << c.text << " " << c.offset;
        EXPECT_EQ(start, c.start) << c.text << " " << c.offset;
        EXPECT_EQ(end, c.end) << c.text << " " << c.offset;
    }
}

TEST_F(WordAnalysisExports, SentenceStarts) {
    Start(3, "chat");
    uint16_t count = 99;
    uint32_t starts[4] = {7, 7, 7, 7};
    KRZParagraphSentencesStart("Le chat dort.", 4, &count, starts);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(starts[0], 0u);
    KRZParagraphSentencesStart("Le chat dort. Il mange. Il boit.", 0, &count, starts);
    EXPECT_EQ(count, 0);
    KRZParagraphSentencesStart("Le chat dort. Il mange. Il boit.", 2, &count, starts);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(starts[1], 13u);
    EXPECT_EQ(starts[2], 7u);
    KRZCountParagraphSentencesStart("Le chat dort. Il mange. Il boit.", &count);
    EXPECT_EQ(count, 3);
}

// A host sizes its buffers from the counting calls: past the maximum of
// their type they give the maximum, never a wrapped count, and the filling
// calls stop where the count can no longer number their slots.
TEST_F(WordAnalysisExports, CountsSaturateAtTheMaximumOfTheirType) {
    Start(3, "chat");
    std::string text;
    for (int i = 0; i < 65600; ++i) text += "Chat. ";
    uint16_t sentences = 0;
    KRZCountParagraphSentencesStart(text.c_str(), &sentences);
    EXPECT_EQ(sentences, 65535);
    uint16_t entries = 0;
    KRZCountMaxStemAnalysisForms(text.c_str(), 0, &entries, 0);
    EXPECT_EQ(entries, 65535);
    text.resize(6 * 32800);
    int16_t stems = 0;
    KRZCountMaxStemForms(text.c_str(), 0, &stems);
    EXPECT_EQ(stems, 32767);
}

TEST_F(WordAnalysisExports, SyntaxRecordsStopAfterSentenceMaxSentence) {
    Start(3, "chat");
    const char* text = "Le chat dort. Il mange. Il boit.";
    uint32_t words = 0, sentences = 0;
    KRZCountMaxAnalysisForms(text, &words, &sentences);
    EXPECT_EQ(sentences, 3u);
    ASSERT_GE(words, 9u);
    std::vector<uint8_t> records(words * KRZ_SYNTAX_RECORD_SIZE, 0xEE);
    std::vector<uint16_t> readings(words, 0xEEEE);
    uint16_t first[3] = {0xEEEE, 0xEEEE, 0xEEEE};
    uint32_t recordCount = 0, sentenceCount = 0;
    KRZSentenceSyntaxAnalysis(text, 0, words, &recordCount, readings.data(), records.data(), 1, &sentenceCount, first,
                              1);
    EXPECT_EQ(sentenceCount, 2u);
    EXPECT_EQ(first[0], 0);
    EXPECT_EQ(first[1], 4);  // Le chat dort .
    EXPECT_EQ(first[2], 0xEEEE);
    EXPECT_EQ(recordCount, 7u);
    // "dort": a verb in the present, third person singular, its offsets.
    const uint8_t* dort = records.data() + 2 * KRZ_SYNTAX_RECORD_SIZE;
    EXPECT_STREQ(reinterpret_cast<const char*>(dort), "dormir");
    EXPECT_EQ(dort[36], 25);
    EXPECT_EQ(dort[38], 1);
    EXPECT_EQ(dort[39], 3);
    EXPECT_EQ(dort[40], 4);
    uint32_t start = 0, end = 0;
    std::memcpy(&start, dort + 44, 4);
    std::memcpy(&end, dort + 48, 4);
    EXPECT_EQ(start, 8u);
    EXPECT_EQ(end, 11u);
    // "chat": a masculine singular noun.
    const uint8_t* chat = records.data() + KRZ_SYNTAX_RECORD_SIZE;
    EXPECT_EQ(chat[36], 9);
    EXPECT_EQ(chat[37], 1);
    EXPECT_EQ(chat[38], 1);
}

TEST_F(WordAnalysisExports, StemsCountEveryOccurrence) {
    Start(3, "chat");
    const char* text = "Le chat dort. Un chat mange. Ce chat boit.";
    int16_t count = 0;
    uint8_t stems[16 * 36] = {};
    uint32_t frequencies[16] = {};
    EXPECT_EQ(KRZStem(text, 0, 16, &count, stems, frequencies), 0);
    int chat = -1;
    for (int j = 0; j < count; ++j)
        if (std::strcmp(reinterpret_cast<const char*>(stems + 36 * j), "chat") == 0) chat = j;
    ASSERT_GE(chat, 0);
    EXPECT_EQ(frequencies[chat], 3u);
    for (int j = 0; j < count; ++j) EXPECT_STRNE(reinterpret_cast<const char*>(stems + 36 * j), ".");
    // The counting twin counts every occurrence.
    int16_t total = 0;
    KRZCountMaxStemForms("Chat. Chat. Chat.", 0, &total);
    EXPECT_EQ(total, 3);
    KRZStem("Chat. Chat. Chat.", 0, 16, &count, stems, frequencies);
    ASSERT_EQ(count, 1);
    EXPECT_EQ(frequencies[0], 3u);
    // A full list drops the new stems and says so.
    EXPECT_EQ(KRZStem(text, 0, 1, &count, stems, frequencies), 1);
    EXPECT_EQ(count, 1);
}

struct StemEntries {
    uint16_t count = 0;
    char words[16][36] = {};
    uint16_t listCounts[16] = {};
    char lists[16][360] = {};
    uint32_t starts[16] = {}, ends[16] = {};
    char classes[16][36] = {};
    int16_t result = 0;
    int Find(const char* word) const {
        for (int k = 0; k < count; ++k)
            if (std::strcmp(words[k], word) == 0) return k;
        return -1;
    }
};

std::unique_ptr<StemEntries> StemAnalysis(const std::string& host) {
    auto s = std::make_unique<StemEntries>();
    s->result = KRZStemAnalysis(host.c_str(), 0, 16, &s->count, s->words[0], s->listCounts,
                                reinterpret_cast<uint8_t*>(s->lists[0]), s->starts, s->ends, s->classes[0], 1);
    return s;
}

TEST_F(WordAnalysisExports, StemAnalysisListsEachBaseFormOnce) {
    Start(3, "chat");
    const auto s = StemAnalysis(Host("Il a 12 chats. Il finit, dit-il."));
    const int chats = s->Find("chats");
    ASSERT_GE(chats, 0);
    EXPECT_STREQ(s->lists[chats], "chat");
    EXPECT_STREQ(s->classes[chats], "N");
    EXPECT_EQ(s->starts[chats], 8u);
    EXPECT_EQ(s->ends[chats], 12u);
    const int twelve = s->Find("12");
    ASSERT_GE(twelve, 0);
    EXPECT_STREQ(s->lists[twelve], "12");
    EXPECT_STREQ(s->classes[twelve], "O");
    // Two verb readings of one infinitive: listed once.
    const int finit = s->Find("finit");
    ASSERT_GE(finit, 0);
    EXPECT_STREQ(s->lists[finit], "finir");
    EXPECT_EQ(s->listCounts[finit], 1);
    EXPECT_STREQ(s->classes[finit], "V");
    // A verb with its pronoun: the infinitive of the part before the hyphen.
    const int dit = s->Find("dit-il");
    ASSERT_GE(dit, 0);
    EXPECT_STREQ(s->lists[dit], "dire");
    EXPECT_STREQ(s->classes[dit], "V");
    // A merged address: the paragraph's text of its span.
    const auto u = StemAnalysis(Host("Voir www.exemple.com ici."));
    const int url = u->Find("<URL>");
    ASSERT_GE(url, 0);
    EXPECT_STREQ(u->lists[url], "www.exemple.com");
    EXPECT_STREQ(u->classes[url], "O");
    EXPECT_EQ(u->listCounts[url], 1);
    uint16_t total = 0;
    KRZCountMaxStemAnalysisForms(Host("Il a 12 chats. Il finit, dit-il.").c_str(), 0, &total, 1);
    EXPECT_EQ(total, s->count);
}

}  // namespace
