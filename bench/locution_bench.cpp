// The French locution pass in words per second, in mode 0 and in mode 1:
// the word tables of the dispatcher calls on the sentences of the French
// texts (a sentence may be dispatched more than once), as the pass's mode-1
// call sees them (taken where the mode-0 call hands over to the matcher),
// each restored before each run. The pass allocates nothing per sentence.
// The matcher alone on the same tables: its first pass runs again while
// its category-pair filter removes readings (runs per table counted
// beside), and the homophone stage of its second pass alone.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/bench_text.h"
#include "bench/word_tables.h"
#include "frame/bounded_string.h"
#include "frame/records.h"
#include "frame/tables.h"
#include "krzlib.h"
#include "rules/french/french_locutions.h"
#include "rules/french/french_rules.h"
#include "rules/french/locution_matcher.h"

namespace {

using word_tables::Restore;
using word_tables::SavedTable;
std::vector<SavedTable> gTables;

void Capture(u16 mode) {
    if (mode == 0 && gTables.size() < 4000) gTables.push_back(word_tables::Save());
    MatchFrenchLatinLocutions(mode);
}

void LoadTables() {
    if (!gTables.empty()) return;
    std::string here = __FILE__;
    const std::string dir = here.substr(0, here.rfind('/')) + "/../tests/data/text/";
    auto paragraphs = bench_text::LoadParagraphs(dir + "ligthart_entre_nous_fr.txt");
    for (const std::string& p : bench_text::LoadParagraphs(dir + "hugo_miserables_fr.txt")) paragraphs.push_back(p);
    std::vector<ParagraphErrorRecord> table(KRZ_MAX_PARAGRAPH_ERRORS + 1);
    gLocutionMatcher = Capture;
    for (const std::string& p : paragraphs) {
        const uint32_t n = KRZTestGrammarParagraph(p.c_str(), 0, static_cast<int32_t>(p.size()), table.data(),
                                                   KRZ_CATEGORY_ALL, 1, 1, 0, 0);
        KRZClearParagraphTab(table.data(), static_cast<int16_t>(n));
        if (gTables.size() >= 4000) break;
    }
    gLocutionMatcher = MatchFrenchLatinLocutions;
}

// Runs `step` on every table, each restored first, and reports words per
// second over the tables.
template <typename Step>
void RunOverTables(benchmark::State& state, Step step) {
    KRZInit(0, 1);
    KRZSetLanguage(3);
    LoadTables();
    u64 words = 0;
    for (const SavedTable& t : gTables) words += t.size();
    for (auto _ : state) {
        for (const SavedTable& t : gTables) {
            Restore(t);
            step();
        }
    }
    state.counters["words/s"] = benchmark::Counter(static_cast<double>(words * state.iterations()),
                                                   benchmark::Counter::kIsRate);
    state.counters["tables"] = static_cast<double>(gTables.size());
}

void BM_FrenchLocutionPass(benchmark::State& state) {
    const u16 mode = static_cast<u16>(state.range(0));
    RunOverTables(state, [mode] { benchmark::DoNotOptimize(MarkFrenchLocutions(mode)); });
    KRZEnd();
}
BENCHMARK(BM_FrenchLocutionPass)->Arg(0)->Arg(1);

u64 gFirstPassRuns = 0;
FirstPassLoop gOpeningSteps = nullptr;
void CountingOpeningSteps(u16 mode, FirstPassState& s) {
    ++gFirstPassRuns;
    gOpeningSteps(mode, s);
}

// First-pass runs over all tables (outside the timed loop).
u64 CountFirstPassRuns(u16 mode) {
    gOpeningSteps = gFirstPassLoops[0];
    gFirstPassLoops[0] = CountingOpeningSteps;
    gFirstPassRuns = 0;
    for (const SavedTable& t : gTables) {
        Restore(t);
        MatchFrenchLatinLocutions(mode);
    }
    gFirstPassLoops[0] = gOpeningSteps;
    return gFirstPassRuns;
}

void BM_FrenchLocutionMatcher(benchmark::State& state) {
    const u16 mode = static_cast<u16>(state.range(0));
    RunOverTables(state, [mode] {
        MatchFrenchLatinLocutions(mode);
        benchmark::DoNotOptimize(gLocutionReport);
    });
    state.counters["runs/table"] =
        gTables.empty() ? 0.0 : static_cast<double>(CountFirstPassRuns(mode)) / static_cast<double>(gTables.size());
    KRZEnd();
}
BENCHMARK(BM_FrenchLocutionMatcher)->Arg(0)->Arg(1);

}  // namespace

// The second pass's homophone stage alone, in mode 1 (the only mode it
// runs in), on the tables as the matcher receives them.
void BM_FrenchHomophonePass(benchmark::State& state) {
    RunOverTables(state, [] {
        gLocutionReport = 0;
        CheckFrenchHomophones(1);
        benchmark::DoNotOptimize(gLocutionReport);
    });
    KRZEnd();
}
BENCHMARK(BM_FrenchHomophonePass);

// The locution-word and ambiguous-word loops of the second pass alone, in
// mode 1, on the tables as the matcher receives them.
void BM_FrenchSecondPassLoops(benchmark::State& state) {
    RunOverTables(state, [] {
        gLocutionReport = 0;
        MatchLocutionWords(1);
        ResolveAmbiguousWords(1);
        benchmark::DoNotOptimize(gLocutionReport);
    });
    KRZEnd();
}
BENCHMARK(BM_FrenchSecondPassLoops);
