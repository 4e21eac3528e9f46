// Paragraph checking throughput through the exports: spelling and grammar
// over a French and an English text (tests/data/text, one paragraph per
// line), in words per second, with the process's peak memory.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "krzlib.h"

namespace {

std::string DataPath(const char* name) {
    std::string here = __FILE__;
    return here.substr(0, here.rfind('/')) + "/../tests/data/text/" + name;
}

// Windows-1252 form of UTF-8 text ('?' for characters it lacks).
std::string Windows1252FromUtf8(const std::string& s) {
    static const struct { unsigned cp; char b; } kHigh[] = {
        {0x20AC, '\x80'}, {0x2026, '\x85'}, {0x0152, '\x8C'}, {0x2018, '\x91'}, {0x2019, '\x92'},
        {0x201C, '\x93'}, {0x201D, '\x94'}, {0x2013, '\x96'}, {0x2014, '\x97'}, {0x0153, '\x9C'},
        {0x0178, '\x9F'}};
    std::string out;
    for (size_t i = 0; i < s.size();) {
        const unsigned char b = static_cast<unsigned char>(s[i]);
        unsigned cp = b;
        const size_t n = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
        if (n > 1) cp = b & (0x3F >> (n - 1));
        for (size_t k = 1; k < n && i + k < s.size(); ++k) cp = (cp << 6) | (s[i + k] & 0x3F);
        i += n;
        char c = '?';
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) c = static_cast<char>(cp);
        for (const auto& h : kHigh) {
            if (h.cp == cp) c = h.b;
        }
        out.push_back(c);
    }
    return out;
}

std::vector<std::string> LoadParagraphs(const char* name) {
    std::ifstream in(DataPath(name), std::ios::binary);
    std::vector<std::string> out;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty()) out.push_back(Windows1252FromUtf8(line));
    }
    return out;
}

uint64_t CountWords(const std::vector<std::string>& paragraphs) {
    uint64_t words = 0;
    for (const std::string& p : paragraphs) {
        bool inWord = false;
        for (char c : p) {
            const bool letter = c != ' ' && c != '\t';
            if (letter && !inWord) ++words;
            inWord = letter;
        }
    }
    return words;
}

using CheckFunction = uint32_t (*)(const char*, int32_t, int32_t, ParagraphErrorRecord*);

uint32_t Spelling(const char* text, int32_t start, int32_t end, ParagraphErrorRecord* table) {
    return KRZTestSpellingParagraph(text, start, end, table, 1, 1, 0, 0);
}

uint32_t Grammar(const char* text, int32_t start, int32_t end, ParagraphErrorRecord* table) {
    return KRZTestGrammarParagraph(text, start, end, table, KRZ_CATEGORY_ALL, 1, 1, 0, 0);
}

void RunCheck(benchmark::State& state, int language, const char* file, CheckFunction check) {
    KRZInit(language, 1);
    KRZSetLanguage(static_cast<uint16_t>(language));
    const std::vector<std::string> paragraphs = LoadParagraphs(file);
    std::vector<ParagraphErrorRecord> table(KRZ_MAX_PARAGRAPH_ERRORS + 1);
    uint64_t findings = 0;
    for (auto _ : state) {
        findings = 0;
        for (const std::string& p : paragraphs) {
            const uint32_t n = check(p.c_str(), 0, static_cast<int32_t>(p.size()), table.data());
            findings += n;
            KRZClearParagraphTab(table.data(), n);
        }
        benchmark::DoNotOptimize(findings);
    }
    const uint64_t words = CountWords(paragraphs);
    state.counters["words/s"] = benchmark::Counter(static_cast<double>(words * state.iterations()),
                                                   benchmark::Counter::kIsRate);
    state.counters["findings"] = static_cast<double>(findings);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_kB"] = static_cast<double>(usage.ru_maxrss);
    KRZEnd();
}

void BM_SpellingFrench(benchmark::State& state) { RunCheck(state, 3, "hugo_miserables_fr.txt", Spelling); }
void BM_GrammarFrench(benchmark::State& state) { RunCheck(state, 3, "hugo_miserables_fr.txt", Grammar); }
void BM_SpellingEnglish(benchmark::State& state) { RunCheck(state, 0, "austen_pride_en.txt", Spelling); }
void BM_GrammarEnglish(benchmark::State& state) { RunCheck(state, 0, "austen_pride_en.txt", Grammar); }
BENCHMARK(BM_SpellingFrench);
BENCHMARK(BM_GrammarFrench);
BENCHMARK(BM_SpellingEnglish);
BENCHMARK(BM_GrammarEnglish);

}  // namespace
