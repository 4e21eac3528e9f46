// The reading English words keep after sentence analysis, for the words
// whose compiled readings were mended: tests/data/cases/en_readings_data.tsv
// (sentence, word, expected kind), run through the syntax-record export on
// the built-in dictionary.
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "../checking/acceptance_fixture.h"

namespace {

const std::string kTable = std::string(KRZ_TEST_DATA_DIR) + "/cases/en_readings_data.tsv";

// The word kinds of the syntax records (byte 36) by the names the table uses.
const std::map<std::string, int> kKinds = {
    {"coordinating", 1}, {"subordinating", 2}, {"adverb", 4},  {"preposition", 6},        {"proper", 8},
    {"noun", 9},         {"adjective", 10},    {"noun-or-adjective", 11}, {"indefinite-pronoun", 16},
    {"number", 19},      {"verb", 25},
};

struct ReadingCase {
    int line = 0;
    std::string sentence, word, kind;
};

std::vector<ReadingCase> ReadTable() {
    std::vector<ReadingCase> out;
    std::ifstream in(kTable);
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        if (text.empty() || text[0] == '#') continue;
        std::vector<std::string> c;
        std::stringstream s(text);
        for (std::string cell; std::getline(s, cell, '\t');) c.push_back(cell);
        EXPECT_EQ(c.size(), 3u) << kTable << ":" << line;
        if (c.size() == 3) out.push_back({line, c[0], c[1], c[2]});
    }
    return out;
}

class EnglishReadingsData : public acceptance::AcceptanceTest {
protected:
    // The kind of the first reading each word of `utf8` keeps, by its text.
    static std::map<std::string, int> KeptKinds(const std::string& utf8) {
        const std::string text = acceptance::Utf8ToWindows1252(utf8);
        uint32_t words = 0, sentences = 0;
        KRZCountMaxAnalysisForms(text.c_str(), &words, &sentences);
        const uint32_t room = 2 * words + 16;  // split words ("don't") add records
        std::vector<uint8_t> records(room * KRZ_SYNTAX_RECORD_SIZE, 0);
        std::vector<uint16_t> readings(room, 0);
        std::vector<uint16_t> first(sentences + 1, 0);
        uint32_t recordCount = 0, sentenceCount = 0;
        KRZSentenceSyntaxAnalysis(text.c_str(), 0, room, &recordCount, readings.data(), records.data(),
                                  sentences, &sentenceCount, first.data(), 1);
        std::map<std::string, int> kinds;
        for (uint32_t i = 0; i < recordCount; ++i) {
            const uint8_t* r = records.data() + i * KRZ_SYNTAX_RECORD_SIZE;
            uint32_t start = 0, end = 0;
            std::memcpy(&start, r + 44, 4);
            std::memcpy(&end, r + 48, 4);
            if (end < start || end >= text.size()) continue;
            kinds.emplace(text.substr(start, end - start + 1), r[36]);
        }
        return kinds;
    }
};

TEST_F(EnglishReadingsData, WordsKeepTheirReading) {
    Start(0, "cat");
    const std::vector<ReadingCase> cases = ReadTable();
    ASSERT_FALSE(cases.empty()) << kTable;
    for (const ReadingCase& c : cases) {
        const auto want = kKinds.find(c.kind);
        ASSERT_NE(want, kKinds.end()) << kTable << ":" << c.line << ": unknown kind " << c.kind;
        const std::map<std::string, int> kinds = KeptKinds(c.sentence);
        const auto got = kinds.find(acceptance::Utf8ToWindows1252(c.word));
        ASSERT_NE(got, kinds.end()) << kTable << ":" << c.line << ": no record for \"" << c.word << "\"";
        EXPECT_EQ(got->second, want->second) << kTable << ":" << c.line << ": \"" << c.word << "\" in \""
                                             << c.sentence << "\"";
    }
}

}  // namespace
