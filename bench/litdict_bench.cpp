// Reference dictionary lookups: KRZLitDictWord with room for 10 records
// over the words of a French text (a window of 50 entries is read and
// expanded per call).
#include <benchmark/benchmark.h>

#include <cctype>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/host_text.h"
#include "frame/settings.h"
#include "krzlib.h"

namespace {

std::vector<std::string> TextWords() {
    std::ifstream in(KRZ_BENCH_TEXT_DIR "/hugo_miserables_fr.txt");
    std::stringstream all;
    all << in.rdbuf();
    const std::string text = host_text::HostFromUtf8(all.str());
    std::vector<std::string> words;
    std::string w;
    for (unsigned char c : text) {
        if (std::isalpha(c) || c >= 0xC0 || c == 0x9C) {
            w.push_back(static_cast<char>(c));
        } else if (!w.empty()) {
            if (w.size() < 36) words.push_back(w);
            w.clear();
        }
        if (words.size() >= 2000) break;
    }
    return words;
}

void BM_LitDictWordMax10(benchmark::State& state) {
    if (gInitCount == 0) KRZInit(3, 0);
    const std::vector<std::string> words = TextWords();
    std::vector<LitDictResultRecord> records(10);
    size_t i = 0;
    for (auto _ : state) {
        uint16_t count = 0;
        uint32_t entry = 0;
        benchmark::DoNotOptimize(
            KRZLitDictWord(words[i].c_str(), records.data(), 10, &count, &entry));
        benchmark::DoNotOptimize(count);
        if (++i == words.size()) i = 0;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LitDictWordMax10);

}  // namespace
