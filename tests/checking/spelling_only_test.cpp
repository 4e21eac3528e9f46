// The spelling-only path of the sentence driver against the full check it
// stands for: every record of the spelling exports (spans, classes,
// explanations, suggestions) the same, in the same order, with the path on
// and off, over the test texts, the acceptance case sentences and a user
// lexicon that replaces a word.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "acceptance_fixture.h"
#include "checking/dispatcher.h"
#include "checking/sentence_check.h"
#include "krzlib.h"
#include "lexicon_fixture.h"

namespace {

// The records of one export call, written out.
using Export = uint32_t (*)(const std::string& text, ParagraphErrorRecord* table);

uint32_t SpellingSuggesting(const std::string& t, ParagraphErrorRecord* table) {
    return KRZTestSpellingParagraph(t.c_str(), 0, static_cast<int32_t>(t.size()), table, 1, 1, 0, 0);
}
uint32_t SpellingPlain(const std::string& t, ParagraphErrorRecord* table) {
    return TQ4DTestSpellingParagraph(t.c_str(), 0, static_cast<int32_t>(t.size()), table, 1, 1, 0, 0, 0, 0);
}
// Suggestions only for the findings over the word at the middle.
uint32_t SpellingFocused(const std::string& t, ParagraphErrorRecord* table) {
    return TQ4DTestSpellingParagraph(t.c_str(), 0, static_cast<int32_t>(t.size()), table, 1, 1, 0, 1, 2,
                                     static_cast<int32_t>(t.size() / 2));
}
// The grammar export checks a last sentence without its final mark for
// spelling only.
uint32_t GrammarUnfinished(const std::string& t, ParagraphErrorRecord* table) {
    std::string cut = t;
    while (!cut.empty() && (cut.back() == '.' || cut.back() == ' ')) cut.pop_back();
    return TQ4DTestGrammarParagraph(cut.c_str(), 0, static_cast<int32_t>(cut.size()), table, KRZ_CATEGORY_ALL, 1,
                                    1, 0, 0, 1, 0);
}

std::string Records(Export run, const std::string& text) {
    static ParagraphErrorRecord table[KRZ_MAX_PARAGRAPH_ERRORS + 1];
    const uint32_t n = run(text, table);
    std::string out;
    for (uint32_t i = 0; i < n; ++i) {
        const ParagraphErrorRecord& r = table[i];
        out += std::to_string(r.start) + "-" + std::to_string(r.end) + "/" + std::to_string(r.errorClass) + " " +
               (r.message != nullptr ? r.message : "") + " [";
        for (uint16_t k = 0; k < r.suggestionCount && k < KRZ_SUGGESTION_SLOTS; ++k)
            out += std::string(r.suggestions[k], strnlen(r.suggestions[k], KRZ_SUGGESTION_SIZE)) + "|";
        out += "]\n";
    }
    KRZClearParagraphTab(table, static_cast<int16_t>(n));
    return out;
}

// Every export on every text, the path on and off; the texts that differ.
std::string Differences(const std::vector<std::string>& texts, const std::vector<Export>& exports) {
    std::string bad;
    for (const std::string& t : texts) {
        for (Export e : exports) {
            gSpellingChecksSkipGrammar = false;
            const std::string full = Records(e, t);
            gSpellingChecksSkipGrammar = true;
            const std::string quick = Records(e, t);
            if (quick != full) bad += t + "\n full:\n" + full + " spelling only:\n" + quick;
        }
    }
    return bad;
}

// The paragraphs of the test texts and the sentences of the case files of
// a language ("en" or "fr"), in the host code page.
std::vector<std::string> Texts(const std::string& language) {
    std::vector<std::string> out;
    const std::filesystem::path data(KRZ_TEST_DATA_DIR);
    for (const auto& entry : std::filesystem::directory_iterator(data / "text")) {
        const std::string name = entry.path().filename().string();
        if (name.find("_" + language + ".txt") == std::string::npos) continue;
        std::ifstream in(entry.path());
        for (std::string line; std::getline(in, line);)
            if (!line.empty()) out.push_back(acceptance::Utf8ToWindows1252(line));
    }
    for (const auto& entry : std::filesystem::directory_iterator(data / "cases")) {
        if (entry.path().filename().string().rfind(language + "_", 0) != 0) continue;
        std::ifstream in(entry.path());
        for (std::string line; std::getline(in, line);) {
            if (line.empty() || line[0] == '#') continue;
            out.push_back(acceptance::Utf8ToWindows1252(line.substr(0, line.find('\t'))));
        }
    }
    return out;
}

class SpellingOnlyTest : public ::testing::Test {
protected:
    void Start(uint16_t language) {
        gDispatcherTestHook = nullptr;
        KRZInit(language, 1);
        KRZSetLanguage(language);
    }
    void TearDown() override {
        gSpellingChecksSkipGrammar = true;
        KRZEnd();
    }
};

TEST_F(SpellingOnlyTest, SameRecordsAsTheFullCheck) {
    const std::vector<Export> exports{SpellingSuggesting, SpellingPlain, SpellingFocused, GrammarUnfinished};
    for (const auto& [language, name] : {std::pair<uint16_t, const char*>{0, "en"}, {3, "fr"}}) {
        Start(language);
        const std::vector<std::string> texts = Texts(name);
        ASSERT_FALSE(texts.empty()) << name;
        EXPECT_EQ(Differences(texts, exports), "") << name;
        KRZEnd();
    }
}

// A replacement of the user lexicon (reported by the first analysis of a
// sentence, written into the text) beside contractions read two ways and
// unknown words.
TEST_F(SpellingOnlyTest, SameRecordsWithAUserLexicon) {
    Start(0);
    lexicon_fixture::ScratchLexicon lexicon;
    ASSERT_TRUE(lexicon.Open());
    ASSERT_EQ(lexicon_fixture::ScratchLexicon::AddReplacement("thx", "thanks"), 0);
    const std::vector<std::string> texts{"I'd thx you'd go.", "He'd thx the wrold. She's thx. It's a dgo's bone.",
                                         "We thx you. They thx us. All thx", "Thx a lot, he'd sayd."};
    EXPECT_EQ(Differences(texts, {SpellingSuggesting, SpellingPlain, GrammarUnfinished}), "");
    lexicon.Close();
}

}  // namespace
