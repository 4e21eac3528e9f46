// One-form lookup throughput over the words of a French text: each word of
// the text is looked up in the built-in French dictionary. The words are cut
// and converted before timing; the timed loop only copies each word into a
// work string (the lookup may rewrite it) and looks it up.
#include <benchmark/benchmark.h>

#include <cctype>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "frame/bounded_string.h"
#include "frame/mac_roman.h"
#include "frame/settings.h"
#include "cli/host_text.h"
#include "krzlib.h"
#include "morphology/word_lookup.h"

namespace {

// UTF-8 to Windows-1252; the curly apostrophe is read as the straight one.
std::string ToWindows1252(const std::string& utf8) {
    std::string out = host_text::HostFromUtf8(utf8);
    for (char& c : out)
        if (c == '\x92') c = '\'';
    return out;
}

bool IsWordByte(unsigned char c) { return std::isalpha(c) || c >= 0xC0 || c == 0x9C || c == 0x8C; }

std::vector<std::string> FrenchWords() {
    std::ifstream in(KRZ_BENCH_TEXT_DIR "/hugo_miserables_fr.txt");
    std::stringstream all;
    all << in.rdbuf();
    std::string text = ToWindows1252(all.str());
    std::vector<std::string> words;
    std::string w;
    for (unsigned char c : text) {
        if (IsWordByte(c)) {
            w.push_back(static_cast<char>(c));
        } else if (!w.empty()) {
            if (w.size() < 36) words.push_back(w);
            w.clear();
        }
    }
    return words;
}

void BM_LookupFrenchTextWords(benchmark::State& state) {
    if (gInitCount == 0) KRZInit(3, 0);
    KRZSetLanguage(3);
    std::vector<BoundedString> words;
    for (const std::string& w : FrenchWords()) {
        words.emplace_back();
        InitByteArray(words.back(), 36);
        CopyCString(words.back(), w.c_str());
        ConvertInputToMacRoman(words.back());
        for (i32 k = 0; words.back()[k] != 0 && k < 35; ++k)
            words.back()[k] = ToLowerMacRoman(words.back()[k]);
    }
    BoundedString work;
    InitByteArray(work, 36);
    BoundedArray<u16> tags;
    InitShortArray(tags, 8);
    i64 found = 0;
    for (auto _ : state) {
        for (BoundedString& w : words) {
            CopyString(work, w);
            u16 count = 0;
            LookupWordForm(800, work, tags, count);
            found += count != 0;
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<i64>(words.size()));
    state.counters["found_share"] =
        static_cast<double>(found) / static_cast<double>(state.iterations() * words.size());
}
BENCHMARK(BM_LookupFrenchTextWords)->Unit(benchmark::kMillisecond);

}  // namespace
