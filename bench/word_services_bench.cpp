// Calls per second of the word-form exports (infinitive, conjugation,
// plural, singular) in each language, cycling over a few common words; and
// the capitalised French word without accents, which goes through the
// accent search first.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "frame/settings.h"
#include "krzlib.h"

namespace {

void Start(uint16_t language) {
    while (gInitCount != 0) KRZEnd();
    KRZInit(3, language == 0 ? 1 : 0);
}

void Rate(benchmark::State& state) {
    state.counters["calls/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

// Windows-1252 words.
const char* const kFrenchVerbForms[] = {"mangeons", "finissait", "allons", "est", "sera", "pris", "Mangeons", "vais"};
const char* const kFrenchVerbs[] = {"manger", "finir", "aller", "\xEAtre", "prendre", "placer", "avoir", "payer"};
const char* const kFrenchNouns[] = {"cheval", "maison", "mal", "travail", "Ecole", "journal", "bijou", "nez"};
const char* const kFrenchPlurals[] = {"chevaux", "maisons", "maux", "travaux", "Ecoles", "journaux", "bijoux", "yeux"};
const char* const kEnglishVerbForms[] = {"went", "eating", "took", "says", "lay", "Went", "walked", "been"};
const char* const kEnglishVerbs[] = {"go", "eat", "take", "say", "lie", "walk", "be", "have"};
const char* const kEnglishNouns[] = {"box", "house", "city", "Box", "church", "key", "wish", "cat"};
const char* const kEnglishPlurals[] = {"boxes", "houses", "cities", "Boxes", "churches", "keys", "wishes", "cats"};

template <size_t N>
void Infinitive(benchmark::State& state, uint16_t language, const char* const (&words)[N]) {
    Start(language);
    char results[2 * 36];
    uint16_t count = 0;
    size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(KRZInfinitive(words[i++ % N], &count, results, 0, language));
    Rate(state);
}

template <size_t N>
void Conjugate(benchmark::State& state, uint16_t language, uint16_t tense, const char* const (&words)[N]) {
    Start(language);
    char results[6 * 36];
    int16_t count = 0;
    uint16_t flags = 0;
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(KRZConjugate2(words[i++ % N], tense, &count, results, &flags, 0, language));
    Rate(state);
}

template <size_t N>
void Plural(benchmark::State& state, uint16_t language, const char* const (&words)[N]) {
    Start(language);
    char results[2 * 36];
    int16_t count = 0;
    size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(KRZPlural(words[i++ % N], &count, results, 0, language));
    Rate(state);
}

template <size_t N>
void Singular(benchmark::State& state, uint16_t language, const char* const (&words)[N]) {
    Start(language);
    char results[2 * 36];
    uint16_t count = 0;
    size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(KRZSingular(words[i++ % N], &count, results, 0, language));
    Rate(state);
}

void BM_InfinitiveFrench(benchmark::State& s) { Infinitive(s, 3, kFrenchVerbForms); }
void BM_InfinitiveEnglish(benchmark::State& s) { Infinitive(s, 0, kEnglishVerbForms); }
void BM_ConjugateFrenchPresent(benchmark::State& s) { Conjugate(s, 3, 2, kFrenchVerbs); }
void BM_ConjugateEnglishPrincipalParts(benchmark::State& s) { Conjugate(s, 0, 10, kEnglishVerbs); }
void BM_RelatedAdjectivesFrench(benchmark::State& s) { Conjugate(s, 3, static_cast<uint16_t>(-9), kFrenchNouns); }
void BM_PluralFrench(benchmark::State& s) { Plural(s, 3, kFrenchNouns); }
void BM_PluralEnglish(benchmark::State& s) { Plural(s, 0, kEnglishNouns); }
void BM_SingularFrench(benchmark::State& s) { Singular(s, 3, kFrenchPlurals); }
void BM_SingularEnglish(benchmark::State& s) { Singular(s, 0, kEnglishPlurals); }

// Capitals without accents: the accent search runs before the engine.
void BM_InfinitiveFrenchCapitals(benchmark::State& state) {
    const char* const words[] = {"ETAIENT", "CEDERENT", "PRECEDAIENT", "REVELERENT"};
    Infinitive(state, 3, words);
}

BENCHMARK(BM_InfinitiveFrench);
BENCHMARK(BM_InfinitiveEnglish);
BENCHMARK(BM_InfinitiveFrenchCapitals);
BENCHMARK(BM_ConjugateFrenchPresent);
BENCHMARK(BM_ConjugateEnglishPrincipalParts);
BENCHMARK(BM_RelatedAdjectivesFrench);
BENCHMARK(BM_PluralFrench);
BENCHMARK(BM_PluralEnglish);
BENCHMARK(BM_SingularFrench);
BENCHMARK(BM_SingularEnglish);

}  // namespace
