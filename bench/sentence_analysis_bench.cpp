// Sentence analysis: CheckSentence in its rewriting mode (analysis mode 1:
// the rule loop, the cascade and the rewritten clause table) on every
// sentence of French and English prose, in sentences per second.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "analysis/paragraph_frame.h"
#include "bench/bench_text.h"
#include "checking/sentence_check.h"
#include "frame/tables.h"
#include "krzlib.h"

namespace {

u16 IgnoreHit(i32, i32, RuleCode, u16, u16, const BoundedString&, u16, const StringList&, u16) { return 1; }

struct Count {
    u64 sentences = 0;
};

void AnalyseSentence(void* context, BoundedString& copy, u32) {
    gRewriteSegmentCount = 0;
    CheckSentence(copy, 1, 1, 0, 0, IgnoreHit, nullptr, 1, 0, 0, 1);
    ++static_cast<Count*>(context)->sentences;
}

void Run(benchmark::State& state, u16 language, const char* file) {
    KRZInit(language, 1);
    KRZSetLanguage(language);
    std::vector<std::string> paragraphs = bench_text::LoadParagraphs(std::string(KRZ_BENCH_TEXT_DIR) + "/" + file);
    if (paragraphs.size() > 40) paragraphs.resize(40);
    Count count;
    for (auto _ : state) {
        for (const std::string& p : paragraphs) WalkParagraphSentences(p.c_str(), TokenSet::kParagraph, AnalyseSentence, &count);
    }
    state.counters["sentences/s"] = benchmark::Counter(static_cast<double>(count.sentences), benchmark::Counter::kIsRate);
    KRZEnd();
}

void BM_SentenceAnalysisFrench(benchmark::State& state) { Run(state, 3, "ligthart_entre_nous_fr.txt"); }
void BM_SentenceAnalysisEnglish(benchmark::State& state) { Run(state, 0, "morris_nowhere_en.txt"); }
BENCHMARK(BM_SentenceAnalysisFrench)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SentenceAnalysisEnglish)->Unit(benchmark::kMillisecond);

}  // namespace
