// The paragraph exports on the built-in dictionaries, as a host calls them:
// each record carries its own finding's suggestions, a call stops its work
// at the record cap, and the host's next call on the paragraph gives what a
// call on the paragraph alone gives.
#include <string>
#include <vector>

#include "acceptance_fixture.h"

namespace {

class ParagraphExportsTest : public acceptance::AcceptanceTest {
protected:
    // The records of one grammar check of `text` (host bytes).
    uint32_t Check(const std::string& text, int32_t start = 0) {
        KRZClearParagraphTab(table_, KRZ_MAX_PARAGRAPH_ERRORS);
        return KRZTestGrammarParagraph(text.c_str(), start, static_cast<int32_t>(text.size()), table_,
                                       KRZ_CATEGORY_ALL, 1, 1, 0, 0);
    }
    const ParagraphErrorRecord* RecordAt(uint32_t n, uint32_t start) const {
        for (uint32_t k = 0; k < n; ++k)
            if (table_[k].start == start) return &table_[k];
        return nullptr;
    }
    // A misspelling the suggester has nothing for, after one it has a list
    // for: the second record gets no suggestion, through both exports.
    void ExpectNoInheritedSuggestions(const char* sentence, uint32_t misspelt, uint32_t hopeless) {
        for (bool spelling : {false, true}) {
            const uint32_t n = spelling ? KRZTestSpellingParagraph(sentence, 0, 40, table_, 1, 1, 0, 0) : Check(sentence);
            const ParagraphErrorRecord* first = RecordAt(n, misspelt);
            const ParagraphErrorRecord* second = RecordAt(n, hopeless);
            ASSERT_NE(first, nullptr) << sentence;
            ASSERT_NE(second, nullptr) << sentence;
            EXPECT_GT(first->suggestionCount, 2) << sentence;
            EXPECT_EQ(second->suggestionCount, 0) << sentence << ": " << second->suggestions[0];
            KRZClearParagraphTab(table_, static_cast<int16_t>(n));
        }
    }

    // Every record of `text` as a host reads them: after a full table it
    // calls again from the start of the last record. `apart`: a call on
    // another text comes between two calls on the paragraph.
    std::vector<std::string> HostRecords(const std::string& text, bool apart) {
        std::vector<std::string> out;
        int32_t start = 0;
        for (int calls = 0; calls < 200; ++calls) {
            if (apart) Check("Il dort.");
            const uint32_t n = Check(text, start);
            for (uint32_t k = 0; k < n; ++k) {
                const ParagraphErrorRecord& r = table_[k];
                std::string line = std::to_string(r.start) + "-" + std::to_string(r.end) + " " +
                                   std::to_string(r.errorClass) + " " + (r.message != nullptr ? r.message : "");
                for (uint16_t i = 0; i < r.suggestionCount; ++i) line += std::string("|") + r.suggestions[i];
                out.push_back(line);
            }
            const int32_t next = n > 0 ? static_cast<int32_t>(table_[n - 1].start) : 0;
            if (n < KRZ_MAX_PARAGRAPH_ERRORS || next <= start) break;
            start = next;
        }
        return out;
    }
};

// A paragraph of many findings, with quotations and dialogue marks, read in
// several calls: each call after the first goes on from the walk the last
// one kept, and gives what a walk opened for it gives.
TEST_F(ParagraphExportsTest, FollowUpCallsGiveWhatFreshCallsGive) {
    Start(3, "chat");
    const char* const sentences[] = {
        "Le chatt dort pr\xE8s de la porte.",
        "Il a dit \xAB bonjour \xBB \xE0 sa soeur qzxw.",
        "Les enfant jouait dans le jardin.",
        "\"Nous irons demain\", dit-il, \"si il fait beau.\"",
        "Elle mangeons une pomme et des poire.",
    };
    std::string text;
    for (int i = 0; i < 400; ++i) text += std::string(sentences[i % 5]) + " ";
    const std::vector<std::string> resumed = HostRecords(text, false);
    const std::vector<std::string> fresh = HostRecords(text, true);
    ASSERT_GT(resumed.size(), 3u * KRZ_MAX_PARAGRAPH_ERRORS);
    EXPECT_EQ(resumed, fresh);

    // After a kept walk, a text that differs from it in one word is read
    // as itself.
    std::string changed = text;
    changed.replace(3, 5, "qzxwt");
    Check(text);
    const std::vector<std::string> after = HostRecords(changed, false);
    EXPECT_EQ(after, HostRecords(changed, true));
    EXPECT_NE(after.front(), resumed.front());
}

TEST_F(ParagraphExportsTest, FrenchSuggestionsBelongToTheirWord) {
    Start(3, "chat");
    ExpectNoInheritedSuggestions("Le chatt qzxw dort.", 3, 9);
}

// A soft hyphen (Windows-1252 0xAD) inside a word leaves it whole: no
// unknown halves, no false missing verb; the finding on a misspelt word
// spans the host's bytes, the soft hyphen among them, and its suggestion is
// the word without it. One standing alone is no word.
TEST_F(ParagraphExportsTest, SoftHyphenStaysInItsWord) {
    Start(3, "chat");
    EXPECT_EQ(Check("Il reto\xADurna vers la maison."), 0u) << table_[0].message;
    EXPECT_EQ(Check("Il retourna \xAD vers la maison."), 0u) << table_[0].message;
    const std::string text = "Le cha\xADtt dort pr\xE8s de la porte.";
    const uint32_t n = KRZTestSpellingParagraph(text.c_str(), 0, static_cast<int32_t>(text.size()), table_, 1, 1, 0, 0);
    ASSERT_EQ(n, 1u);
    EXPECT_EQ(table_[0].start, 3u);
    EXPECT_EQ(table_[0].end, 8u);
    ASSERT_GT(table_[0].suggestionCount, 0);
    EXPECT_STREQ(table_[0].suggestions[0], "chat");
}

TEST_F(ParagraphExportsTest, EnglishSuggestionsBelongToTheirWord) {
    Start(0, "the");
    ExpectNoInheritedSuggestions("I seee the qzxw.", 2, 11);
}

}  // namespace
