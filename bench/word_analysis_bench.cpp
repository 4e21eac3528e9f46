// Word-form analysis throughput: every word of a French and an English
// text (tests/data/text) analysed as the sentence checker asks for it, with
// a fresh capitalisation analysis. Reports words per second.
#include <benchmark/benchmark.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "frame/loader.h"
#include "cli/host_text.h"
#include "frame/mac_roman.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "krzlib.h"
#include "morphology/word_analysis.h"
#include "morphology/word_lookup.h"

namespace {

std::string DataPath(const char* name) {
    std::string here = __FILE__;
    return here.substr(0, here.rfind('/')) + "/../tests/data/text/" + name;
}

// Mac Roman form of UTF-8 text, through the host code page.
std::string MacRomanFromUtf8(const std::string& s) {
    std::string out = host_text::HostFromUtf8(s);
    for (char& c : out) c = static_cast<char>(ConvertCharToMacRoman(static_cast<u8>(c)));
    return out;
}

// Words of the text: letters, digits, inner hyphens; French words are cut
// after an apostrophe.
std::vector<std::string> Words(const char* name, bool french) {
    std::ifstream in(DataPath(name), std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    const std::string text = MacRomanFromUtf8(buffer.str());
    std::vector<std::string> out;
    std::string cur;
    for (char ch : text) {
        const u8 c = static_cast<u8>(ch);
        const bool letter = gCharClasses[c] == 1 || gCharClasses[c] >= 4 || (c >= '0' && c <= '9');
        if (letter || (c == '-' && !cur.empty())) {
            cur.push_back(ch);
            continue;
        }
        if ((c == '\'' || c == 0xD5) && !cur.empty()) {
            cur.push_back('\'');
            if (!french) continue;
        }
        if (!cur.empty()) out.push_back(cur);
        cur.clear();
    }
    if (!cur.empty()) out.push_back(cur);
    return out;
}

void AnalyseText(benchmark::State& state, u16 language, const char* file) {
    while (gInitCount != 0) KRZEnd();
    KRZInit(language, language == 0 ? 1 : 0);
    const std::vector<std::string> words = Words(file, language != 0);
    StringList slots;
    InitByteMatrix(slots, 16, 36);
    BoundedString word;
    word.Allocate(36);
    const u16 mode = language == 0 ? 0 : 800;
    for (auto _ : state) {
        for (const std::string& w : words) {
            std::memset(word.data, 0, 36);
            std::memcpy(word.data, w.data(), w.size() < 35 ? w.size() : 35);
            gCaseMode = kCaseAsked;
            u16 count = 0;
            benchmark::DoNotOptimize(AnalyseWordForms(mode, word, count, slots));
        }
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * words.size()));
    while (gInitCount != 0) KRZEnd();
}

void BM_AnalyseFrenchWords(benchmark::State& state) { AnalyseText(state, 3, "hugo_miserables_fr.txt"); }
void BM_AnalyseEnglishWords(benchmark::State& state) { AnalyseText(state, 0, "austen_pride_en.txt"); }

}  // namespace

BENCHMARK(BM_AnalyseFrenchWords);
BENCHMARK(BM_AnalyseEnglishWords);
