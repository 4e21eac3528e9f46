// Spelling suggestions per second through the export, for unknown words of
// each language (common misspellings, and a long capitalised nonsense word
// whose case variants the suggester bounds).
#include <benchmark/benchmark.h>

#include <cstdint>

#include "frame/settings.h"
#include "krzlib.h"

namespace {

const char* const kFrenchWords[] = {"chapo", "chevau", "bonjoure", "batiment", "mangeer", "mzison",
                                    "aigue", "soye", "rapidemment", "nationnalisation"};
const char* const kEnglishWords[] = {"recieve", "hous", "definately", "teh", "babys",
                                     "wich", "accomodate", "seperate", "occurence", "untill"};

void Start(uint16_t language) {
    while (gInitCount != 0) KRZEnd();
    KRZInit(3, language == 0 ? 1 : 0);
}

template <size_t N>
void Run(benchmark::State& state, uint16_t language, const char* const (&words)[N]) {
    Start(language);
    char results[12 * 36];
    int16_t count = 0;
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(KRZSuggestions(words[i++ % N], &count, results, 0, language));
    }
    state.counters["words/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_SuggestFrench(benchmark::State& state) { Run(state, 3, kFrenchWords); }
void BM_SuggestEnglish(benchmark::State& state) { Run(state, 0, kEnglishWords); }

void BM_SuggestLongCapitalised(benchmark::State& state) {
    Start(3);
    char results[12 * 36];
    int16_t count = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(KRZSuggestions("QWERTYUIOPASDFGHJKLZXCVBN", &count, results, 1, 3));
}

// Words that make the search work hardest: 35 letters close to long words,
// consonants only, one letter repeated (bounded by the dictionary tests a
// call may make; each call should stay far below 20 ms).
const char* const kHardWords[] = {"anticonstitutionnellementtttttttttt", "intergouvernementalisations",
                                  "bcdfghjklmnpqrstvwxzbcdfghjklmnpqrs", "eeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeee",
                                  "Anticonstitutionnellemant"};
void BM_SuggestHardWordsFrench(benchmark::State& state) { Run(state, 3, kHardWords); }
void BM_SuggestHardWordsEnglish(benchmark::State& state) { Run(state, 0, kHardWords); }

BENCHMARK(BM_SuggestFrench);
BENCHMARK(BM_SuggestHardWordsFrench);
BENCHMARK(BM_SuggestHardWordsEnglish);
BENCHMARK(BM_SuggestEnglish);
BENCHMARK(BM_SuggestLongCapitalised);

}  // namespace
