// Throughput on two edited books (bench/data, one paragraph per line):
// words per second through the paragraph exports for spelling alone, the
// full check without suggestions and the full check with them; the time of
// one suggestion request for each word the spelling check flags; and the
// cost of one long paragraph (the book's clean paragraphs joined on one
// line, 1x, 10x and 100x, on which the check runs to the end) to show that
// it grows with the text alone.
// bench/run_prose prints hunspell's check-only figure on the same files.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdint>
#include <string>
#include <vector>

#include "bench/bench_text.h"
#include "krzlib.h"

namespace {

struct Book {
    const char* file;
    int language;
};
constexpr Book kFrench{"fr_entre_nous.txt", 3};
constexpr Book kEnglish{"en_news_from_nowhere.txt", 0};

std::string DataPath(const char* name) {
    std::string here = __FILE__;
    return here.substr(0, here.rfind('/')) + "/data/" + name;
}

void Start(int language) {
    KRZInit(language, language == 0 ? 1 : 0);
    KRZSetLanguage(static_cast<uint16_t>(language));
}

using Check = uint32_t (*)(const std::string&, ParagraphErrorRecord*);

uint32_t SpellingOnly(const std::string& p, ParagraphErrorRecord* table) {
    return TQ4DTestSpellingParagraph(p.c_str(), 0, static_cast<int32_t>(p.size()), table, 1, 1, 0, 0, 0, 0);
}
uint32_t FullCheck(const std::string& p, ParagraphErrorRecord* table) {
    return TQ4DTestGrammarParagraph(p.c_str(), 0, static_cast<int32_t>(p.size()), table, KRZ_CATEGORY_ALL, 1,
                                    1, 0, 0, 0, 0);
}
uint32_t FullCheckSuggesting(const std::string& p, ParagraphErrorRecord* table) {
    return KRZTestGrammarParagraph(p.c_str(), 0, static_cast<int32_t>(p.size()), table, KRZ_CATEGORY_ALL, 1,
                                   1, 0, 0);
}

uint64_t CheckAll(const std::vector<std::string>& paragraphs, Check check,
                  std::vector<ParagraphErrorRecord>& table) {
    uint64_t findings = 0;
    for (const std::string& p : paragraphs) {
        const uint32_t n = check(p, table.data());
        findings += n;
        KRZClearParagraphTab(table.data(), static_cast<int16_t>(n));
    }
    return findings;
}

void SetPeakMemory(benchmark::State& state) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_kB"] = static_cast<double>(usage.ru_maxrss);
}

void RunBook(benchmark::State& state, const Book& book, Check check) {
    Start(book.language);
    const std::vector<std::string> paragraphs = bench_text::LoadParagraphs(DataPath(book.file));
    std::vector<ParagraphErrorRecord> table(KRZ_MAX_PARAGRAPH_ERRORS + 1);
    uint64_t findings = 0;
    for (auto _ : state) {
        findings = CheckAll(paragraphs, check, table);
        benchmark::DoNotOptimize(findings);
    }
    const double words = static_cast<double>(bench_text::CountWords(paragraphs));
    state.counters["words/s"] = benchmark::Counter(words * static_cast<double>(state.iterations()),
                                                   benchmark::Counter::kIsRate);
    state.counters["findings"] = static_cast<double>(findings);
    SetPeakMemory(state);
    KRZEnd();
}

// The words the spelling check flags in the book, as typed.
std::vector<std::string> FlaggedWords(const std::vector<std::string>& paragraphs) {
    std::vector<std::string> words;
    std::vector<ParagraphErrorRecord> table(KRZ_MAX_PARAGRAPH_ERRORS + 1);
    for (const std::string& p : paragraphs) {
        const uint32_t n = SpellingOnly(p, table.data());
        for (uint32_t i = 0; i < n; ++i) {
            const ParagraphErrorRecord& r = table[i];
            if (r.end >= r.start && r.end < p.size() && r.end - r.start < 35)
                words.push_back(p.substr(r.start, r.end - r.start + 1));
        }
        KRZClearParagraphTab(table.data(), static_cast<int16_t>(n));
    }
    return words;
}

void RunSuggestions(benchmark::State& state, const Book& book) {
    Start(book.language);
    const std::vector<std::string> words = FlaggedWords(bench_text::LoadParagraphs(DataPath(book.file)));
    char results[KRZ_SUGGESTION_SLOTS * 36];
    int16_t count = 0;
    for (auto _ : state) {
        for (const std::string& w : words)
            benchmark::DoNotOptimize(KRZSuggestions(w.c_str(), &count, results, 0,
                                                    static_cast<uint16_t>(book.language)));
    }
    state.counters["words"] = static_cast<double>(words.size());
    state.counters["s/word"] = benchmark::Counter(
        static_cast<double>(words.size()) * static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    KRZEnd();
}

// Every quotation mark of the paragraph closes in it (the quotes of a
// paragraph are paired over the whole paragraph: a dialogue whose quote
// closes in a later paragraph leaves a stray mark once joined to others).
bool QuotesClose(const std::string& p) {
    int guillemets = 0, curly = 0, straight = 0;
    for (const char ch : p) {
        const auto c = static_cast<unsigned char>(ch);
        guillemets += c == 0xAB ? 1 : c == 0xBB ? -1 : 0;
        curly += c == 0x93 ? 1 : c == 0x94 ? -1 : 0;
        straight += c == '"';
    }
    return guillemets == 0 && curly == 0 && straight % 2 == 0;
}

// A text of about 5,000 bytes made of the book's paragraphs that end a
// sentence, close their quotes and on which the full check finds nothing.
// Joined, two paragraphs can read as one sentence ("in Turin. Robert
// patted"): the long-sentence warning is off for this text, and a paragraph
// that still draws a finding in the text written twice (the joint between
// two copies included) is left out, until there is none. Repeated, the text
// then draws no finding, so that the check of a long paragraph runs to its
// end instead of stopping when the finding table is full.
std::string CleanText(const std::vector<std::string>& paragraphs) {
    std::vector<ParagraphErrorRecord> table(KRZ_MAX_PARAGRAPH_ERRORS + 1);
    std::vector<std::string> kept;
    for (const std::string& p : paragraphs) {
        const uint32_t n = FullCheck(p, table.data());
        KRZClearParagraphTab(table.data(), static_cast<int16_t>(n));
        if (n == 0 && !p.empty() && p.back() == '.' && QuotesClose(p)) kept.push_back(p);
    }
    for (;;) {
        std::string clean;
        std::vector<size_t> starts;  // where each paragraph begins in `clean`
        for (size_t k = 0; k < kept.size() && clean.size() < 5000; ++k) {
            starts.push_back(clean.size());
            clean += kept[k] + " ";
        }
        const uint32_t n = FullCheck(clean + clean, table.data());
        std::vector<bool> drop(kept.size(), false);
        for (uint32_t i = 0; i < n; ++i) {
            const size_t at = table[i].start % clean.size();
            size_t k = starts.size();
            while (k > 1 && starts[k - 1] > at) --k;
            drop[k - 1] = true;
        }
        KRZClearParagraphTab(table.data(), static_cast<int16_t>(n));
        if (n == 0) return clean;
        std::vector<std::string> next;
        for (size_t k = 0; k < kept.size(); ++k)
            if (!drop[k]) next.push_back(kept[k]);
        kept.swap(next);
    }
}

void RunLongParagraph(benchmark::State& state, const Book& book) {
    Start(book.language);
    KRZSetNbWordsLongSentence(32767);
    const std::string clean = CleanText(bench_text::LoadParagraphs(DataPath(book.file)));
    std::string text;
    for (int64_t k = 0; k < state.range(0); ++k) text += clean;
    std::vector<ParagraphErrorRecord> table(KRZ_MAX_PARAGRAPH_ERRORS + 1);
    uint32_t findings = 0;
    for (auto _ : state) {
        findings = FullCheck(text, table.data());
        KRZClearParagraphTab(table.data(), static_cast<int16_t>(findings));
        benchmark::DoNotOptimize(findings);
    }
    // A finding would mean the text is not the clean one measured at 1x; a
    // full table, that the check stopped before the end.
    if (findings != 0) state.SkipWithError("the long paragraph draws findings");
    const double words = static_cast<double>(bench_text::CountWords(text));
    state.counters["words"] = words;
    state.counters["words/s"] = benchmark::Counter(words * static_cast<double>(state.iterations()),
                                                   benchmark::Counter::kIsRate);
    SetPeakMemory(state);
    KRZEnd();
}

void BM_ProseSpellingFrench(benchmark::State& state) { RunBook(state, kFrench, SpellingOnly); }
void BM_ProseSpellingEnglish(benchmark::State& state) { RunBook(state, kEnglish, SpellingOnly); }
void BM_ProseCheckFrench(benchmark::State& state) { RunBook(state, kFrench, FullCheck); }
void BM_ProseCheckEnglish(benchmark::State& state) { RunBook(state, kEnglish, FullCheck); }
void BM_ProseCheckSuggestingFrench(benchmark::State& state) { RunBook(state, kFrench, FullCheckSuggesting); }
void BM_ProseCheckSuggestingEnglish(benchmark::State& state) { RunBook(state, kEnglish, FullCheckSuggesting); }
void BM_ProseSuggestionFrench(benchmark::State& state) { RunSuggestions(state, kFrench); }
void BM_ProseSuggestionEnglish(benchmark::State& state) { RunSuggestions(state, kEnglish); }
void BM_LongParagraphFrench(benchmark::State& state) { RunLongParagraph(state, kFrench); }
void BM_LongParagraphEnglish(benchmark::State& state) { RunLongParagraph(state, kEnglish); }

BENCHMARK(BM_ProseSpellingFrench)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProseSpellingEnglish)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProseCheckFrench)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProseCheckEnglish)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProseCheckSuggestingFrench)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProseCheckSuggestingEnglish)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProseSuggestionFrench)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProseSuggestionEnglish)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LongParagraphFrench)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LongParagraphEnglish)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

}  // namespace
