// The reading each word keeps after sentence analysis, as a host reads it
// from the syntax records (slot 0 of each record), against the reading
// tables of tests/data/cases (format: README.md there): fr_readings.tsv
// (sentence, word, kind, gender, number) and en_readings.tsv (sentence,
// word, kind), each sentence through KRZSentenceSyntaxAnalysis on the
// built-in dictionary.
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "../checking/acceptance_fixture.h"

namespace {

struct Line {
    int number = 0;
    std::vector<std::string> columns;
};

// The lines of a table; a line without `width` columns fails the test.
std::vector<Line> ReadTable(const std::string& path, std::size_t width) {
    std::vector<Line> lines;
    std::ifstream in(path);
    EXPECT_TRUE(in.good()) << path;
    std::string text;
    for (int number = 1; std::getline(in, text); ++number) {
        if (text.empty() || text[0] == '#') continue;
        std::vector<std::string> c = acceptance::Columns(text);
        if (c.size() != width) {
            ADD_FAILURE() << path << ":" << number << ": " << width << " columns expected, " << c.size() << " found";
            continue;
        }
        lines.push_back({number, std::move(c)});
    }
    EXPECT_FALSE(lines.empty()) << path;
    return lines;
}

struct Kept {
    std::string text;  // the host text under the record's offsets
    int kind, gender, number;
};

// Slot 0 of every record of the sentence that has a reading.
std::vector<Kept> KeptReadings(const std::string& utf8) {
    const std::string text = acceptance::Utf8ToWindows1252(utf8);
    uint32_t words = 0, sentences = 0;
    KRZCountMaxAnalysisForms(text.c_str(), &words, &sentences);
    words = 2 * words + 16;  // split words ("du", "don't") give more records than the count
    std::vector<uint8_t> records(words * KRZ_SYNTAX_RECORD_SIZE, 0);
    std::vector<uint16_t> readings(words, 0);
    std::vector<uint16_t> first(sentences + 2, 0);
    uint32_t recordCount = 0, sentenceCount = 0;
    KRZSentenceSyntaxAnalysis(text.c_str(), 0, words, &recordCount, readings.data(), records.data(),
                              sentences + 1, &sentenceCount, first.data(), 1);
    std::vector<Kept> out;
    for (uint32_t i = 0; i < recordCount && i < words; ++i) {
        if (readings[i] == 0) continue;
        const uint8_t* slot = records.data() + i * KRZ_SYNTAX_RECORD_SIZE;
        uint32_t start = 0, end = 0;
        std::memcpy(&start, slot + 44, 4);
        std::memcpy(&end, slot + 48, 4);
        if (start > end || end >= text.size()) continue;
        out.push_back({text.substr(start, end - start + 1), slot[36], slot[37], slot[38]});
    }
    return out;
}

// The first record spelling `word`, or null; `cut` lists the records.
const Kept* Find(const std::vector<Kept>& kept, const std::string& utf8, std::string& cut) {
    const std::string word = acceptance::Utf8ToWindows1252(utf8);
    const Kept* found = nullptr;
    for (const Kept& k : kept) {
        cut += " [" + acceptance::Latin1ToUtf8(k.text) + "/" + std::to_string(k.kind) + "]";
        if (found == nullptr && k.text == word) found = &k;
    }
    return found;
}

// "-" leaves a column unchecked.
std::string Shown(const std::string& column, int got) { return column == "-" ? "-" : std::to_string(got); }

// The record of the row's word in the row's sentence; a failure naming the
// records when there is none.
std::optional<Kept> KeptFor(const std::string& path, const Line& l, std::string& cut) {
    const std::vector<Kept> kept = KeptReadings(l.columns[0]);
    const Kept* k = Find(kept, l.columns[1], cut);
    if (k == nullptr) {
        ADD_FAILURE() << path << ":" << l.number << ": no record of \"" << l.columns[1] << "\" in" << cut;
        return std::nullopt;
    }
    return *k;
}

class ReadingTables : public acceptance::AcceptanceTest {};

TEST_F(ReadingTables, FrenchWordsKeepTheirReadings) {
    Start(3, "chat");
    const std::string path = std::string(KRZ_TEST_DATA_DIR) + "/cases/fr_readings.tsv";
    for (const Line& l : ReadTable(path, 5)) {
        const std::vector<std::string>& c = l.columns;
        std::string cut;
        const std::optional<Kept> k = KeptFor(path, l, cut);
        if (!k) continue;
        EXPECT_EQ(std::to_string(k->kind) + " " + Shown(c[3], k->gender) + " " + Shown(c[4], k->number),
                  c[2] + " " + c[3] + " " + c[4])
            << path << ":" << l.number << ": " << c[0] << " (" << c[1] << ")";
    }
}

TEST_F(ReadingTables, EnglishWordsKeepTheirReadings) {
    Start(0, "cat");
    const std::string path = std::string(KRZ_TEST_DATA_DIR) + "/cases/en_readings.tsv";
    for (const Line& l : ReadTable(path, 3)) {
        const std::vector<std::string>& c = l.columns;
        std::string cut;
        const std::optional<Kept> k = KeptFor(path, l, cut);
        if (!k) continue;
        EXPECT_EQ(std::to_string(k->kind), c[2]) << path << ":" << l.number << ": " << c[0] << " (" << c[1] << "):" << cut;
    }
}

}  // namespace
