// Paragraph checking throughput through the exports: spelling and grammar
// over a French and an English text (tests/data/text, one paragraph per
// line), in words per second, with the process's peak memory.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdint>
#include <string>
#include <vector>

#include "bench/bench_text.h"
#include "checking/sentence_check.h"
#include "krzlib.h"
#include "rules/clause/clause_rules.h"
#include "rules/english/english_pre_rules.h"

namespace {

std::string DataPath(const char* name) {
    std::string here = __FILE__;
    return here.substr(0, here.rfind('/')) + "/../tests/data/text/" + name;
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
    const std::vector<std::string> paragraphs = bench_text::LoadParagraphs(DataPath(file));
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
    const uint64_t words = bench_text::CountWords(paragraphs);
    state.counters["words/s"] = benchmark::Counter(static_cast<double>(words * state.iterations()),
                                                   benchmark::Counter::kIsRate);
    state.counters["findings"] = static_cast<double>(findings);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_kB"] = static_cast<double>(usage.ru_maxrss);
    KRZEnd();
}

// Grammar checking, with the calls of the language's clause cascade per
// sentence (the reading trial and the report loop call it again and again
// on one sentence).
void RunGrammar(benchmark::State& state, u16 language, const char* name, u32& cascadeCalls) {
    gCheckedSentences = 0;
    cascadeCalls = 0;
    RunCheck(state, language, name, Grammar);
    state.counters["cascade_calls/sentence"] =
        gCheckedSentences == 0 ? 0.0 : static_cast<double>(cascadeCalls) / static_cast<double>(gCheckedSentences);
}

void BM_SpellingFrench(benchmark::State& state) { RunCheck(state, 3, "hugo_miserables_fr.txt", Spelling); }
void BM_GrammarFrench(benchmark::State& state) { RunGrammar(state, 3, "hugo_miserables_fr.txt", gFrenchClauseRuleCalls); }
void BM_SpellingEnglish(benchmark::State& state) { RunCheck(state, 0, "austen_pride_en.txt", Spelling); }
void BM_GrammarEnglish(benchmark::State& state) { RunGrammar(state, 0, "austen_pride_en.txt", gEnglishPreRuleCalls); }
BENCHMARK(BM_SpellingFrench);
BENCHMARK(BM_GrammarFrench);
BENCHMARK(BM_SpellingEnglish);
BENCHMARK(BM_GrammarEnglish);

}  // namespace
