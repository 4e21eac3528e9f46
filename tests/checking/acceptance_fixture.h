// Shared set-up of the acceptance tests: whole sentences through the
// paragraph exports on the built-in dictionary, and the findings' spans.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "checking/dictionary_tests.h"
#include "cli/host_text.h"
#include "checking/dispatcher.h"
#include "frame/bounded_string.h"
#include "krzlib.h"

namespace acceptance {

struct Found {
    uint32_t start, end;
    uint16_t errorClass;
};

inline std::string Describe(const std::vector<Found>& found) {
    std::string got;
    for (const Found& f : found)
        got += " " + std::to_string(f.start) + "-" + std::to_string(f.end) + "/" + std::to_string(f.errorClass);
    return got.empty() ? " nothing" : got;
}

inline bool Holds(const std::vector<Found>& found, uint32_t start, uint32_t end, uint16_t errorClass) {
    for (const Found& f : found)
        if (f.start == start && f.end == end && f.errorClass == errorClass) return true;
    return false;
}

// A case of a table: a sentence and the one finding of a class it gives
// at [start, end]; 0, 0: none of that class.
struct SpanCase {
    const char* sentence;
    uint32_t start, end;
};

inline void ExpectOnly(const SpanCase& c, const std::vector<Found>& all, uint16_t errorClass) {
    std::vector<Found> found;
    for (const Found& f : all)
        if (f.errorClass == errorClass) found.push_back(f);
    if (c.end == 0) {
        EXPECT_TRUE(found.empty()) << c.sentence << " gave" << Describe(found);
        return;
    }
    EXPECT_EQ(found.size(), 1u) << c.sentence << " gave" << Describe(found);
    EXPECT_TRUE(Holds(found, c.start, c.end, errorClass)) << c.sentence << " gave" << Describe(found);
}

// The host's code page: the tests are written in UTF-8.
inline std::string Utf8ToWindows1252(const std::string& s) { return host_text::HostFromUtf8(s); }

class AcceptanceTest : public ::testing::Test {
protected:
    // Starts the library in `language`; skips when its dictionary does not
    // know `probe`.
    void Start(uint16_t language, const char* probe) {
        gDispatcherTestHook = nullptr;
        gDictionaryWordTestHook = nullptr;
        KRZInit(language, 1);
        KRZSetLanguage(language);
        BoundedString w;
        w.Allocate(36);
        CopyCString(w, probe);
        if (IsDictionaryWord(w) == 0) GTEST_SKIP() << "the word-form analysis knows no word yet";
    }
    void TearDown() override {
        KRZClearParagraphTab(table_, KRZ_MAX_PARAGRAPH_ERRORS);
        KRZEnd();
    }

    std::vector<Found> Grammar(const std::string& utf8) {
        KRZClearParagraphTab(table_, KRZ_MAX_PARAGRAPH_ERRORS);
        const std::string text = Utf8ToWindows1252(utf8);
        return Collect(KRZTestGrammarParagraph(text.c_str(), 0, static_cast<int32_t>(text.size()), table_,
                                               KRZ_CATEGORY_ALL, 1, 1, 0, 0));
    }
    std::vector<Found> Spelling(const std::string& utf8) {
        KRZClearParagraphTab(table_, KRZ_MAX_PARAGRAPH_ERRORS);
        const std::string text = Utf8ToWindows1252(utf8);
        return Collect(KRZTestSpellingParagraph(text.c_str(), 0, static_cast<int32_t>(text.size()), table_, 1, 1, 0, 0));
    }

    ParagraphErrorRecord table_[KRZ_MAX_PARAGRAPH_ERRORS + 2] = {};

private:
    std::vector<Found> Collect(uint32_t n) {
        std::vector<Found> out;
        for (uint32_t k = 0; k < n; ++k) out.push_back({table_[k].start, table_[k].end, table_[k].errorClass});
        return out;
    }
};

}  // namespace acceptance
