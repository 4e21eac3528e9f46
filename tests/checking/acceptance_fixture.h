// Shared set-up of the acceptance tests: whole sentences through the
// paragraph exports on the built-in dictionary, and the findings' spans.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "checking/dictionary_tests.h"
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

// The host's code page: the tests are written in UTF-8.
inline std::string Utf8ToWindows1252(const std::string& s) {
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
        if (cp == 0x201C) cp = 0x93;  // curly and low double quotes
        if (cp == 0x201D) cp = 0x94;
        if (cp == 0x201E) cp = 0x84;
        out.push_back(cp < 0x100 ? static_cast<char>(cp) : '?');
    }
    return out;
}

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
