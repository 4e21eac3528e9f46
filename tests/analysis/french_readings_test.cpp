// The reading each French word keeps after sentence analysis, as a host
// reads it from the syntax records: the cases of
// tests/data/cases/fr_readings.tsv (format: README.md there), each sentence
// through KRZSentenceSyntaxAnalysis on the built-in dictionary.
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "../checking/acceptance_fixture.h"

namespace {

struct ReadingCase {
    int line = 0;
    std::string sentence, word, gender, number;
    int kind = 0;
};

std::vector<std::string> Columns(const std::string& line) {
    std::vector<std::string> out;
    std::stringstream in(line);
    std::string column;
    while (std::getline(in, column, '\t')) out.push_back(column);
    return out;
}

std::vector<ReadingCase> ReadCases(const std::string& path) {
    std::vector<ReadingCase> cases;
    std::ifstream in(path);
    EXPECT_TRUE(in.good()) << path;
    std::string text;
    for (int number = 1; std::getline(in, text); ++number) {
        if (text.empty() || text[0] == '#') continue;
        const std::vector<std::string> c = Columns(text);
        if (c.size() != 5) {
            ADD_FAILURE() << path << ":" << number << ": 5 columns expected, " << c.size() << " found";
            continue;
        }
        cases.push_back({number, c[0], c[1], c[3], c[4], std::stoi(c[2])});
    }
    return cases;
}

struct Record {
    std::string text;  // the host text under the record's offsets
    uint8_t kind, gender, number;
};

class FrenchReadings : public acceptance::AcceptanceTest {
protected:
    void SetUp() override { Start(3, "chat"); }

    // Slot 0 of every record of the sentence.
    static std::vector<Record> Records(const std::string& utf8) {
        const std::string text = acceptance::Utf8ToWindows1252(utf8);
        uint32_t words = 0, sentences = 0;
        KRZCountMaxAnalysisForms(text.c_str(), &words, &sentences);
        words = 2 * words + 16;
        std::vector<uint8_t> records(words * KRZ_SYNTAX_RECORD_SIZE, 0);
        std::vector<uint16_t> readings(words, 0);
        std::vector<uint16_t> first(sentences + 2, 0);
        uint32_t recordCount = 0, sentenceCount = 0;
        KRZSentenceSyntaxAnalysis(text.c_str(), 0, words, &recordCount, readings.data(), records.data(),
                                  sentences + 1, &sentenceCount, first.data(), 1);
        std::vector<Record> out;
        for (uint32_t i = 0; i < recordCount; ++i) {
            const uint8_t* slot = records.data() + i * KRZ_SYNTAX_RECORD_SIZE;
            uint32_t start = 0, end = 0;
            std::memcpy(&start, slot + 44, 4);
            std::memcpy(&end, slot + 48, 4);
            const std::string at = readings[i] > 0 && start <= end && end < text.size()
                                       ? text.substr(start, end - start + 1) : "";
            out.push_back({at, slot[36], slot[37], slot[38]});
        }
        return out;
    }
};

std::string Expected(const std::string& column, uint8_t got) {
    return column == "-" ? "-" : std::to_string(got);
}

TEST_F(FrenchReadings, WordsKeepTheirReadings) {
    const std::string path = std::string(KRZ_TEST_DATA_DIR) + "/cases/fr_readings.tsv";
    const std::vector<ReadingCase> cases = ReadCases(path);
    ASSERT_FALSE(cases.empty()) << path;
    for (const ReadingCase& c : cases) {
        const std::vector<Record> records = Records(c.sentence);
        const std::string word = acceptance::Utf8ToWindows1252(c.word);
        const Record* r = nullptr;
        std::string cut;
        for (const Record& k : records) {
            cut += " [" + acceptance::Latin1ToUtf8(k.text) + "]";
            if (r == nullptr && k.text == word) r = &k;
        }
        if (r == nullptr) {
            ADD_FAILURE() << path << ":" << c.line << ": no record of \"" << c.word << "\" in" << cut;
            continue;
        }
        const std::string got = std::to_string(r->kind) + " " + Expected(c.gender, r->gender) + " " +
                                Expected(c.number, r->number);
        EXPECT_EQ(got, std::to_string(c.kind) + " " + c.gender + " " + c.number)
            << path << ":" << c.line << ": " << c.sentence << " (" << c.word << ")";
    }
}

}  // namespace
