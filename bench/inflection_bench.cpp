// Conjugation throughput: a set of French verbs conjugated in every tense
// through the inflection engine on the built-in dictionary.
#include <benchmark/benchmark.h>

#include <cstring>

#include "frame/bounded_array.h"
#include "frame/mac_roman_literal.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "inflection/inflect.h"
#include "krzlib.h"

namespace {

void BM_Conjugations(benchmark::State& state) {
    while (gInitCount != 0) KRZEnd();
    KRZInit(3, 0);
    static const char* const kVerbs[] = {"aimer", "semer", "placer", "manger", "payer", "finir",
                                         MR("être"), "avoir", "aller", "asseoir", "prendre", "venir"};
    StringList results;
    InitByteMatrix(results, 6, 36);
    BoundedString words[std::size(kVerbs)];
    for (std::size_t i = 0; i < std::size(kVerbs); ++i) {
        words[i].Allocate(36);
        std::memcpy(words[i].data, kVerbs[i], std::strlen(kVerbs[i]));
    }
    u64 conjugations = 0;
    for (auto _ : state) {
        for (const BoundedString& w : words) {
            for (u32 t = 0; t <= 9; ++t) {
                u16 count = 0;
                benchmark::DoNotOptimize(InflectWord(0x314 + t, w, count, results));
                ++conjugations;
            }
        }
    }
    state.counters["conjugations/s"] =
        benchmark::Counter(static_cast<double>(conjugations), benchmark::Counter::kIsRate);
    KRZEnd();
}
BENCHMARK(BM_Conjugations);

}  // namespace
