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
#include "krzlib.h"
#include "morphology/word_lookup.h"

namespace {

// UTF-8 to Windows-1252 for the letters of a French text (Latin-1 range plus
// the oe ligatures and the curly apostrophe); anything else becomes a blank.
std::string ToWindows1252(const std::string& utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        unsigned c = static_cast<unsigned char>(utf8[i]);
        unsigned cp = c;
        std::size_t n = 1;
        if (c >= 0xF0) n = 4, cp = c & 0x07;
        else if (c >= 0xE0) n = 3, cp = c & 0x0F;
        else if (c >= 0xC0) n = 2, cp = c & 0x1F;
        for (std::size_t k = 1; k < n && i + k < utf8.size(); ++k)
            cp = cp << 6 | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        i += n;
        if (cp == 0x153) cp = 0x9C;
        else if (cp == 0x152) cp = 0x8C;
        else if (cp == 0x2019) cp = '\'';
        else if (cp > 0xFF) cp = ' ';
        out.push_back(static_cast<char>(cp));
    }
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
