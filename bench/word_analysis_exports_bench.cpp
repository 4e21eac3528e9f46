// The word-level analysis exports on French prose: KRZGetWordAnalysis at
// every word of a paragraph (each call checks the word's sentence and
// describes the word), in words per second; and the syntax records of
// whole paragraphs.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/bench_text.h"
#include "krzlib.h"

namespace {

struct Outputs {
    int16_t altCount = 0, formCount = 0, mainCount = 0, synonymCount = 0;
    uint16_t special = 0;
    char alt[8][120];
    char form[12][120];
    char main[10][120];
    char synonyms[11][1000];
    char base[36];
};

std::vector<std::string> FrenchParagraphs() {
    std::vector<std::string> all =
        bench_text::LoadParagraphs(std::string(KRZ_BENCH_TEXT_DIR) + "/hugo_miserables_fr.txt");
    if (all.size() > 12) all.resize(12);
    return all;
}

// Offsets of the starts of the words of a paragraph.
std::vector<uint32_t> WordStarts(const std::string& p) {
    std::vector<uint32_t> starts;
    for (size_t i = 0; i < p.size(); ++i)
        if (p[i] != ' ' && (i == 0 || p[i - 1] == ' ')) starts.push_back(static_cast<uint32_t>(i));
    return starts;
}

void BM_GetWordAnalysisFrench(benchmark::State& state) {
    KRZInit(3, 0);
    KRZSetLanguage(3);
    const std::vector<std::string> paragraphs = FrenchParagraphs();
    static Outputs o;
    uint64_t words = 0;
    for (auto _ : state) {
        for (const std::string& p : paragraphs) {
            for (uint32_t offset : WordStarts(p)) {
                uint32_t start = offset, end = 0;
                benchmark::DoNotOptimize(KRZGetWordAnalysis(p.c_str(), &start, &end, 0, 0, &o.altCount, o.alt[0],
                                                            &o.formCount, o.form[0], &o.mainCount, o.main[0],
                                                            &o.special, &o.synonymCount, o.synonyms[0], o.base));
                ++words;
            }
        }
    }
    state.counters["words/s"] = benchmark::Counter(static_cast<double>(words), benchmark::Counter::kIsRate);
    KRZEnd();
}
BENCHMARK(BM_GetWordAnalysisFrench)->Unit(benchmark::kMillisecond);

void BM_SentenceSyntaxAnalysisFrench(benchmark::State& state) {
    KRZInit(3, 0);
    KRZSetLanguage(3);
    const std::vector<std::string> paragraphs = FrenchParagraphs();
    std::vector<uint8_t> records(2048 * KRZ_SYNTAX_RECORD_SIZE);
    std::vector<uint16_t> readings(2048), firsts(257);
    uint64_t words = 0;
    for (auto _ : state) {
        for (const std::string& p : paragraphs) {
            uint32_t recordCount = 0, sentenceCount = 0;
            KRZSentenceSyntaxAnalysis(p.c_str(), 0, 2048, &recordCount, readings.data(), records.data(), 256,
                                      &sentenceCount, firsts.data(), 1);
            words += bench_text::CountWords(p);
        }
    }
    state.counters["words/s"] = benchmark::Counter(static_cast<double>(words), benchmark::Counter::kIsRate);
    KRZEnd();
}
BENCHMARK(BM_SentenceSyntaxAnalysisFrench)->Unit(benchmark::kMillisecond);

}  // namespace
