// The reading a word keeps after sentence analysis, as a host reads it from
// the syntax records: one table row per sentence and word (the files named
// below, format in tests/data/cases/README.md).
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "../checking/acceptance_fixture.h"

namespace {

struct ReadingCase {
    int line = 0;
    std::string sentence, word;
    int kind = 0, gender = -1, number = -1;   // -1: not checked
};

int Field(const std::string& s) { return s == "-" ? -1 : std::stoi(s); }

std::vector<ReadingCase> ReadCases(const std::string& name) {
    std::ifstream in(std::string(KRZ_TEST_DATA_DIR) + "/cases/" + name);
    std::vector<ReadingCase> cases;
    std::string line;
    for (int n = 1; std::getline(in, line); ++n) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> cols;
        std::stringstream ss(line);
        for (std::string c; std::getline(ss, c, '\t');) cols.push_back(c);
        if (cols.size() != 5) {
            ADD_FAILURE() << name << ":" << n << ": five columns expected";
            continue;
        }
        cases.push_back({n, cols[0], cols[1], std::stoi(cols[2]), Field(cols[3]), Field(cols[4])});
    }
    return cases;
}

class ReadingCases : public acceptance::AcceptanceTest {
protected:
    // Slot 0 of the record of the first word spelt `word` (host bytes), or
    // empty when no record spells it.
    static std::vector<uint8_t> Record(const std::string& text, const std::string& word) {
        uint32_t words = 0, sentences = 0;
        KRZCountMaxAnalysisForms(text.c_str(), &words, &sentences);
        // Word splits ("du", "aux") can give more records than the count.
        const uint32_t maxWords = 2 * words + 16;
        std::vector<uint8_t> records(maxWords * KRZ_SYNTAX_RECORD_SIZE, 0);
        std::vector<uint16_t> readings(maxWords, 0);
        std::vector<uint16_t> first(sentences + 2, 0);
        uint32_t recordCount = 0, sentenceCount = 0;
        KRZSentenceSyntaxAnalysis(text.c_str(), 0, maxWords, &recordCount, readings.data(), records.data(),
                                  sentences + 1, &sentenceCount, first.data(), 0);
        for (uint32_t i = 0; i < recordCount; ++i) {
            const uint8_t* r = records.data() + i * KRZ_SYNTAX_RECORD_SIZE;
            uint32_t start = 0, end = 0;
            std::memcpy(&start, r + 44, 4);
            std::memcpy(&end, r + 48, 4);
            // The end offset is that of the word's last byte.
            if (end >= start && end < text.size() && text.compare(start, end - start + 1, word) == 0)
                return std::vector<uint8_t>(r, r + KRZ_SYNTAX_SLOT_SIZE);
        }
        return {};
    }
};

TEST_F(ReadingCases, FrenchCompiledReadings) {
    Start(3, "chat");
    const std::vector<ReadingCase> cases = ReadCases("fr_readings_data.tsv");
    ASSERT_FALSE(cases.empty());
    for (const ReadingCase& c : cases) {
        const std::vector<uint8_t> slot =
            Record(acceptance::Utf8ToWindows1252(c.sentence), acceptance::Utf8ToWindows1252(c.word));
        const std::string where = "line " + std::to_string(c.line) + ": " + c.word + " in \"" + c.sentence + "\"";
        ASSERT_FALSE(slot.empty()) << where << ": no record";
        EXPECT_EQ(slot[36], c.kind) << where;
        if (c.gender >= 0) EXPECT_EQ(slot[37], c.gender) << where;
        if (c.number >= 0) EXPECT_EQ(slot[38], c.number) << where;
    }
}

}  // namespace
