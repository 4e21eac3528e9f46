// A paragraph of 1,000 misspellings (words of a French sample with a
// letter doubled, eight to a sentence, each opened by a capital): the time of one call, which records
// 60 findings and should cost no more than they do, and of the calls a host
// makes to collect every finding (each going on from the sentence of the
// last record, as krzcheck does).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/bench_text.h"
#include "krzlib.h"

namespace {

std::string MisspeltParagraph() {
    const std::vector<std::string> paragraphs =
        bench_text::LoadParagraphs(KRZ_BENCH_TEXT_DIR "/ligthart_entre_nous_fr.txt");
    std::string out;
    int words = 0;
    for (const std::string& p : paragraphs) {
        std::string word;
        for (size_t i = 0; i <= p.size() && words < 1000; ++i) {
            const unsigned char c = i < p.size() ? static_cast<unsigned char>(p[i]) : ' ';
            if ((c >= 'a' && c <= 'z') || c >= 0xC0) {
                word.push_back(static_cast<char>(c));
                continue;
            }
            if (word.size() >= 4) {
                word.insert(word.begin() + 2, word[2]);  // "maison" -> "maiison"
                if (words % 8 == 0 && word[0] >= 'a' && word[0] <= 'z') word[0] = static_cast<char>(word[0] - 32);
                out += word;
                out += ++words % 8 == 0 ? ". " : " ";
            }
            word.clear();
        }
    }
    return out + ".";
}

void BM_ThousandMisspellingsOneCall(benchmark::State& state) {
    KRZInit(3, 1);
    const std::string text = MisspeltParagraph();
    std::vector<ParagraphErrorRecord> table(KRZ_MAX_PARAGRAPH_ERRORS);
    uint32_t n = 0;
    for (auto _ : state) {
        n = KRZTestSpellingParagraph(text.c_str(), 0, static_cast<int32_t>(text.size()), table.data(), 1, 1, 0, 0);
        KRZClearParagraphTab(table.data(), static_cast<int16_t>(n));
    }
    state.counters["records"] = n;
    KRZEnd();
}

void BM_ThousandMisspellingsAllFindings(benchmark::State& state) {
    KRZInit(3, 1);
    const std::string text = MisspeltParagraph();
    const int32_t end = static_cast<int32_t>(text.size());
    std::vector<ParagraphErrorRecord> table(KRZ_MAX_PARAGRAPH_ERRORS);
    uint64_t records = 0, calls = 0;
    for (auto _ : state) {
        records = calls = 0;
        for (int32_t start = 0;;) {
            const uint32_t n = KRZTestSpellingParagraph(text.c_str(), start, end, table.data(), 1, 1, 0, 0);
            ++calls;
            records += n;
            const int32_t next = n > 0 ? static_cast<int32_t>(table[n - 1].start) : end;
            KRZClearParagraphTab(table.data(), static_cast<int16_t>(n));
            if (n < KRZ_MAX_PARAGRAPH_ERRORS || next <= start) break;
            start = next;
        }
    }
    state.counters["records"] = static_cast<double>(records);  // sentences read twice counted twice
    state.counters["calls"] = static_cast<double>(calls);
    KRZEnd();
}

}  // namespace

BENCHMARK(BM_ThousandMisspellingsOneCall)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ThousandMisspellingsAllFindings)->Unit(benchmark::kMillisecond);
