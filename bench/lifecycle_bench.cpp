// Start-up cost: KRZInit converts the small tables (matrices, prefix
// indexes, model rows) and views the large blocks in place; KRZEnd after it
// hands the blocks back. Neither ever parses or copies a dictionary body.
#include <benchmark/benchmark.h>

#include "frame/settings.h"
#include "krzlib.h"

namespace {

void StopLibrary() {
    while (gInitCount != 0) KRZEnd();
}

void BM_InitEndFrench(benchmark::State& state) {
    StopLibrary();
    for (auto _ : state) {
        KRZInit(3, 0);
        KRZEnd();
    }
}
BENCHMARK(BM_InitEndFrench);

void BM_InitEndBothLanguages(benchmark::State& state) {
    StopLibrary();
    for (auto _ : state) {
        KRZInit(3, 1);
        KRZEnd();
    }
}
BENCHMARK(BM_InitEndBothLanguages);

// A nested start only counts.
void BM_NestedInitEnd(benchmark::State& state) {
    StopLibrary();
    KRZInit(3, 1);
    for (auto _ : state) {
        KRZInit(3, 1);
        KRZEnd();
    }
    KRZEnd();
}
BENCHMARK(BM_NestedInitEnd);

void BM_SwitchLanguage(benchmark::State& state) {
    StopLibrary();
    KRZInit(3, 1);
    for (auto _ : state) {
        KRZSetLanguage(0);
        KRZSetLanguage(3);
    }
    KRZEnd();
}
BENCHMARK(BM_SwitchLanguage);

}  // namespace
