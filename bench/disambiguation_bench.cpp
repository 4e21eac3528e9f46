// The English reading disambiguation in words per second: the word tables
// of the sentences of the English texts, as the dispatcher hands them to the
// passes (classes remapped, categories derived), through the pass loop
// (pass 0, the numbered passes until the readings settle, pass 32), and the
// passes each sentence took.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/bench_text.h"
#include "bench/word_tables.h"
#include "checking/dispatcher.h"
#include "checking/syntactic_code.h"
#include "frame/bounded_string.h"
#include "frame/records.h"
#include "frame/tables.h"
#include "krzlib.h"
#include "rules/english/english_passes.h"

namespace {

using word_tables::Restore;
using word_tables::SavedTable;
std::vector<SavedTable> gTables;

RuleCode Capture(u16 /*mode*/) {
    if (gTables.size() > 4000) return 0;
    for (i32 i = 0; i < gWordCount; ++i) {
        WordRecord& w = gWords[i];
        for (i32 r = 0; r < w.ReadingCount && r < 8; ++r) w.ReadingClasses[r] = RemapEnglishClass(w.ReadingClasses[r]);
        for (i32 r = 0; r < w.ReadingCount && r < 8; ++r)
            w.ReadingCategories[r] = DeriveSyntacticCode(static_cast<i16>(i), static_cast<i16>(r));
    }
    gTables.push_back(word_tables::Save());
    return 0;
}

void BM_EnglishDisambiguation(benchmark::State& state) {
    KRZInit(0, 1);
    KRZSetLanguage(0);
    std::string here = __FILE__;
    const std::string dir = here.substr(0, here.rfind('/')) + "/../tests/data/text/";
    auto paragraphs = bench_text::LoadParagraphs(dir + "austen_pride_en.txt");
    for (const std::string& p : bench_text::LoadParagraphs(dir + "morris_nowhere_en.txt")) paragraphs.push_back(p);
    std::vector<ParagraphErrorRecord> table(KRZ_MAX_PARAGRAPH_ERRORS + 1);
    gTables.clear();
    gDispatcherTestHook = Capture;
    for (const std::string& p : paragraphs) {
        const uint32_t n = KRZTestGrammarParagraph(p.c_str(), 0, static_cast<int32_t>(p.size()), table.data(),
                                                   KRZ_CATEGORY_ALL, 1, 1, 0, 0);
        KRZClearParagraphTab(table.data(), static_cast<int16_t>(n));
    }
    gDispatcherTestHook = nullptr;
    u64 words = 0;
    for (const SavedTable& t : gTables) words += t.size();
    gEnglishPassRuns = 0;
    gEnglishPassCalls = 0;
    for (auto _ : state) {
        for (const SavedTable& t : gTables) {
            Restore(t);
            u8 question = 0;
            benchmark::DoNotOptimize(RunEnglishPasses(question));
        }
    }
    state.counters["words/s"] = benchmark::Counter(static_cast<double>(words * state.iterations()),
                                                   benchmark::Counter::kIsRate);
    state.counters["sentences"] = static_cast<double>(gTables.size());
    state.counters["passes/sentence"] =
        gEnglishPassRuns == 0 ? 0.0 : static_cast<double>(gEnglishPassCalls) / static_cast<double>(gEnglishPassRuns);
    KRZEnd();
}
BENCHMARK(BM_EnglishDisambiguation);

}  // namespace
