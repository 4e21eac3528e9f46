// User lexicon with 100,000 words: lookup, listing and loading from disk.
// The lexicon is built directly in stored (key) order as an image.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "frame/records.h"
#include "krzlib.h"
#include "lexicon/lex_lookup.h"
#include "lexicon/lex_store.h"

namespace {

constexpr u32 kWords = 100000;

std::vector<std::string> MakeWords() {
    std::vector<std::string> words;
    u32 x = 12345;
    while (words.size() < kWords * 11 / 10) {
        std::string w;
        x = x * 1103515245u + 12345u;
        u32 length = 4 + (x >> 16) % 7;
        for (u32 i = 0; i < length; ++i) {
            x = x * 1103515245u + 12345u;
            w.push_back(static_cast<char>('a' + (x >> 16) % 26));
        }
        words.push_back(w);
    }
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
    words.resize(kWords);
    return words;
}

// The image of French nouns (class 'A'), one entry per word, with every
// distance set as the stored layout defines it.
std::vector<u8> MakeImage(const std::vector<std::string>& words) {
    std::vector<u8> image = {'0', '2', '7', '0', 0, 0, 0, 1};
    for (int s = 24; s >= 0; s -= 8) image.push_back(static_cast<u8>(kWords >> s));
    std::vector<long> lastHead(40, -1);  // node offset of the latest head per depth
    std::string previous;
    for (const std::string& word : words) {
        std::string key = word + "A";
        std::size_t common = 0;
        while (common < key.size() && common < previous.size() && key[common] == previous[common]) ++common;
        u32 start = static_cast<u32>(image.size() - 12);
        if (!previous.empty() && lastHead[common] >= 0) {
            u32 from = static_cast<u32>(lastHead[common]);
            u32 distance = start + 4 * static_cast<u32>(common) - from;
            image[12 + from + 1] = static_cast<u8>(distance >> 16);
            image[12 + from + 2] = static_cast<u8>(distance >> 8);
            image[12 + from + 3] = static_cast<u8>(distance);
        }
        for (std::size_t d = common; d < lastHead.size(); ++d)
            lastHead[d] = d <= key.size() ? static_cast<long>(start + 4 * d) : -1;
        for (std::size_t j = 0; j <= key.size(); ++j) {
            image.push_back(j < key.size() ? static_cast<u8>(key[j]) : 0);
            image.insert(image.end(), {0, 0, 0});
        }
        image.insert(image.end(), {0, 46});
        u8 record[46] = {};
        std::memcpy(record, word.data(), word.size());
        record[36] = 'A';
        record[37] = 'A';
        record[38] = 0x14;
        image.insert(image.end(), record, record + 46);
        previous = key;
    }
    return image;
}

struct Fixture {
    std::vector<std::string> words = MakeWords();
    std::vector<u8> image = MakeImage(words);
    std::string path;
    Fixture() {
        char name[] = "/tmp/krz-lex-bench-XXXXXX";
        int fd = mkstemp(name);
        path = name;
        if (fd >= 0) close(fd);
        std::remove(name);
        if (KRZOpenLex(path.c_str()) != 0 ||
            KRZSetLexicon(image.data(), static_cast<uint32_t>(image.size())) != 0)
            std::fprintf(stderr, "lexicon fixture could not be loaded\n");
    }
    ~Fixture() {
        KRZCloseLex();
        std::remove(path.c_str());
    }
};

Fixture& Lexicon() {
    static Fixture f;
    return f;
}

void BM_LexLookup(benchmark::State& state) {
    Fixture& f = Lexicon();
    std::vector<BoundedString> words(1024);
    for (std::size_t i = 0; i < words.size(); ++i) {
        words[i].Allocate(36);
        const std::string& w = f.words[(i * 97) % f.words.size()];
        std::memcpy(words[i].data, w.data(), w.size());
    }
    BoundedArray<FormEntry> results;
    InitFormEntryArray(results, 4);
    std::size_t i = 0;
    for (auto _ : state) {
        i16 n = FindLexForms(words[i++ & 1023], results, 'A');
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(BM_LexLookup);

void BM_LexList(benchmark::State& state) {
    Lexicon();
    for (auto _ : state) {
        LexListRecord* list = nullptr;
        int32_t n = KRZGetListWordsLex(&list, 8);
        benchmark::DoNotOptimize(n);
        KRZDisposeListWordsLex(list);
    }
}
BENCHMARK(BM_LexList)->Unit(benchmark::kMillisecond);

void BM_LexLoad(benchmark::State& state) {
    Fixture& f = Lexicon();
    for (auto _ : state) {
        int32_t r = KRZOpenLex(f.path.c_str());
        benchmark::DoNotOptimize(r);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(f.image.size()));
}
BENCHMARK(BM_LexLoad)->Unit(benchmark::kMillisecond);

}  // namespace
