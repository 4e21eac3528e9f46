// Shared set-up of the acceptance tests: whole sentences through the
// paragraph exports on the built-in dictionary, and the findings' spans.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "cli/host_text.h"
#include "checking/dispatcher.h"
#include "checking/paragraph.h"
#include "frame/bounded_string.h"
#include "krzlib.h"
#include "morphology/dictionary_tests.h"

namespace acceptance {

struct Found {
    uint32_t start, end;
    uint16_t errorClass;
    bool explained = true;  // the record carries an explanation
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

// The tab-separated columns of a table line.
inline std::vector<std::string> Columns(const std::string& line) {
    std::vector<std::string> out;
    std::string column;
    for (std::istringstream in(line); std::getline(in, column, '\t');) out.push_back(column);
    return out;
}

// The host's code page: the tests are written in UTF-8.
inline std::string Utf8ToWindows1252(const std::string& s) { return host_text::HostFromUtf8(s); }

// The test data's words as printed in the log (Latin-1 bytes of the host
// code page, close enough for a report).
inline std::string Latin1ToUtf8(const std::string& s) {
    std::string out;
    for (char ch : s) {
        const unsigned char b = static_cast<unsigned char>(ch);
        if (b < 0x80) {
            out.push_back(ch);
        } else {
            out.push_back(static_cast<char>(0xC0 | b >> 6));
            out.push_back(static_cast<char>(0x80 | (b & 0x3F)));
        }
    }
    return out;
}

class AcceptanceTest : public ::testing::Test {
protected:
    // Starts the library in `language`; fails when its dictionary does not
    // know `probe`.
    void Start(uint16_t language, const char* probe) {
        gDispatcherTestHook = nullptr;
        gDictionaryWordTestHook = nullptr;
        KRZInit(language, 1);
        KRZSetLanguage(language);
        BoundedString w;
        w.Allocate(36);
        CopyCString(w, probe);
        ASSERT_NE(IsDictionaryWord(w), 0) << "the built-in dictionary knows " << probe;
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

    // Words of a text and its findings: spelling findings and all findings.
    struct ProseCounts {
        uint64_t words = 0, spelling = 0, all = 0;
        void Add(const ProseCounts& o) {
            words += o.words;
            spelling += o.spelling;
            all += o.all;
        }
        double PerThousand(uint64_t n) const { return words == 0 ? 0.0 : 1000.0 * static_cast<double>(n) / static_cast<double>(words); }
    };

    // Counts, and prints for the log, the findings per 1,000 words of a text
    // of the test data (one paragraph a line): spelling findings and all
    // findings, then the words the spelling export flags.
    ProseCounts PrintProseRates(const char* label, const char* name) {
        std::ifstream in(std::string(KRZ_TEST_DATA_DIR) + "/text/" + name);
        std::string line, flagged;
        uint64_t words = 0, spelling = 0, all = 0;
        while (std::getline(in, line)) {
            bool inWord = false;
            for (char c : line) {
                const bool w = c != ' ';
                if (w && !inWord) ++words;
                inWord = w;
            }
            all += Grammar(line).size();
            const std::string text = Utf8ToWindows1252(line);
            for (const Found& f : Spelling(line)) {
                ++spelling;
                if (f.end < text.size() && f.start <= f.end) flagged += " " + Latin1ToUtf8(text.substr(f.start, f.end - f.start + 1));
            }
        }
        EXPECT_GT(words, 0u) << name;
        const ProseCounts counts{words, spelling, all};
        std::cout << "[ " << label << " ] " << name << ": " << words << " words, spelling " << spelling << " ("
                  << counts.PerThousand(spelling) << " per 1,000 words), all findings " << all << " ("
                  << counts.PerThousand(all) << " per 1,000 words)\n";
        std::cout << "[ " << label << " ] " << name << " flags:" << flagged << "\n";
        return counts;
    }

    // Prints, for the log, the findings of the text per 1,000 words by rule
    // code, as the sentence checking hands them to its callback.
    void PrintRatesPerCode(const char* label, const char* name) {
        std::ifstream in(std::string(KRZ_TEST_DATA_DIR) + "/text/" + name);
        std::string line;
        uint64_t words = 0;
        CodeCounts().clear();
        while (std::getline(in, line)) {
            bool inWord = false;
            for (char c : line) {
                const bool w = c != ' ';
                if (w && !inWord) ++words;
                inWord = w;
            }
            const std::string text = Utf8ToWindows1252(line);
            static ParagraphErrorRecord table[KRZ_MAX_PARAGRAPH_ERRORS];
            CheckParagraphSentences(text.c_str(), 0, static_cast<int32_t>(text.size()), table, {1, 1, 0, 0}, CountCode);
            KRZClearParagraphTab(table, KRZ_MAX_PARAGRAPH_ERRORS);
        }
        ASSERT_GT(words, 0u) << name;
        std::cout << "[ " << label << " ] " << name << " per code (per 1,000 words):";
        for (const auto& [code, n] : CodeCounts())
            std::cout << " " << code << ": " << n << " (" << 1000.0 * static_cast<double>(n) / static_cast<double>(words)
                      << ")";
        std::cout << (CodeCounts().empty() ? " none\n" : "\n");
    }

    ParagraphErrorRecord table_[KRZ_MAX_PARAGRAPH_ERRORS + 2] = {};

private:
    static std::map<RuleCode, uint64_t>& CodeCounts() {
        static std::map<RuleCode, uint64_t> counts;
        return counts;
    }
    static u16 CountCode(i32, i32, RuleCode code, u16, u16, const BoundedString&, u16, const StringList&, u16) {
        ++CodeCounts()[code];
        return 1;
    }
    std::vector<Found> Collect(uint32_t n) {
        std::vector<Found> out;
        for (uint32_t k = 0; k < n; ++k) {
            const bool explained = table_[k].message != nullptr && table_[k].message[0] != 0;
            out.push_back({table_[k].start, table_[k].end, table_[k].errorClass, explained});
        }
        return out;
    }
};

}  // namespace acceptance
