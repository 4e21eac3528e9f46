// The reading each word keeps after the English sentence analysis, as the
// syntax records export it, against the table tests/data/cases/
// en_readings.tsv: one line per sentence and word, tab-separated
//
//     sentence  word  kind
//
// where `word` is the text of the word's record (its first record of that
// text) and `kind` the word kind of its first reading. A word glued to a
// neighbouring sign has no record of its own text, so the table holds the
// word cuts as well.
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "../checking/acceptance_fixture.h"

namespace {

const std::string kTable = std::string(KRZ_TEST_DATA_DIR) + "/cases/en_readings.tsv";

struct ReadingCase {
    int line = 0;
    std::string sentence, word;
    int kind = 0;
};

std::vector<ReadingCase> ReadTable() {
    std::vector<ReadingCase> cases;
    std::ifstream in(kTable);
    EXPECT_TRUE(in.good()) << kTable;
    std::string text;
    for (int number = 1; std::getline(in, text); ++number) {
        if (text.empty() || text[0] == '#') continue;
        std::vector<std::string> c;
        std::stringstream columns(text);
        for (std::string column; std::getline(columns, column, '\t');) c.push_back(column);
        if (c.size() != 3) {
            ADD_FAILURE() << kTable << ":" << number << ": 3 columns expected, " << c.size() << " found";
            continue;
        }
        cases.push_back({number, c[0], c[1], std::stoi(c[2])});
    }
    return cases;
}

// The words of a text as the analysis cuts them: their texts and the kind of
// their first reading.
struct Word {
    std::string text;
    int kind;
};

std::vector<Word> AnalyseText(const std::string& utf8) {
    const std::string text = acceptance::Utf8ToWindows1252(utf8);
    uint32_t words = 0, sentences = 0;
    KRZCountMaxAnalysisForms(text.c_str(), &words, &sentences);
    const uint32_t room = 2 * words + 16;  // a contraction gives two records
    std::vector<uint8_t> records(room * KRZ_SYNTAX_RECORD_SIZE, 0);
    std::vector<uint16_t> readings(room, 0);
    std::vector<uint16_t> first(sentences + 2, 0);
    uint32_t count = 0, sentenceCount = 0;
    KRZSentenceSyntaxAnalysis(text.c_str(), 0, room, &count, readings.data(), records.data(), sentences + 1,
                              &sentenceCount, first.data(), 0);
    std::vector<Word> out;
    for (uint32_t i = 0; i < count && i < room; ++i) {
        if (readings[i] == 0) continue;
        const uint8_t* r = records.data() + i * KRZ_SYNTAX_RECORD_SIZE;
        uint32_t start = 0, end = 0;
        std::memcpy(&start, r + 44, 4);
        std::memcpy(&end, r + 48, 4);
        if (start > end || end >= text.size()) continue;
        out.push_back({text.substr(start, end - start + 1), r[36]});
    }
    return out;
}

std::string Describe(const std::vector<Word>& words) {
    std::string out;
    for (const Word& w : words) out += " " + acceptance::Latin1ToUtf8(w.text) + "/" + std::to_string(w.kind);
    return out;
}

class EnglishReadingsTest : public acceptance::AcceptanceTest {};

TEST_F(EnglishReadingsTest, EachWordOfTheTableKeepsItsReading) {
    Start(0, "cat");
    const std::vector<ReadingCase> cases = ReadTable();
    EXPECT_FALSE(cases.empty());
    for (const ReadingCase& c : cases) {
        const std::vector<Word> words = AnalyseText(c.sentence);
        const std::string word = acceptance::Utf8ToWindows1252(c.word);
        const Word* found = nullptr;
        for (const Word& w : words) {
            if (w.text == word) {
                found = &w;
                break;
            }
        }
        if (found == nullptr) {
            ADD_FAILURE() << "line " << c.line << ": no word \"" << c.word << "\" in \"" << c.sentence
                          << "\":" << Describe(words);
            continue;
        }
        EXPECT_EQ(found->kind, c.kind) << "line " << c.line << ": \"" << c.word << "\" in \"" << c.sentence
                                       << "\":" << Describe(words);
    }
}

}  // namespace
