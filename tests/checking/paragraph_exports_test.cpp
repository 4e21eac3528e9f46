// The paragraph exports on the built-in dictionaries, as a host calls them:
// each record carries its own finding's suggestions, and a call stops its
// work at the record cap.
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
};

TEST_F(ParagraphExportsTest, FrenchSuggestionsBelongToTheirWord) {
    Start(3, "chat");
    ExpectNoInheritedSuggestions("Le chatt qzxw dort.", 3, 9);
}

TEST_F(ParagraphExportsTest, EnglishSuggestionsBelongToTheirWord) {
    Start(0, "the");
    ExpectNoInheritedSuggestions("I seee the qzxw.", 2, 11);
}

}  // namespace
