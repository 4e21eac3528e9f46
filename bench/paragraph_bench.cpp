// Sentence splitting and tokenising throughput: the paragraph walk that
// finds the sentence start, cuts tokens with the language's automaton,
// decides every sentence end and fills the word table, over a French and
// an English text (tests/data/text).
#include <benchmark/benchmark.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "checking/tokenizer.h"
#include "frame/bounded_string.h"
#include "cli/host_text.h"
#include "frame/mac_roman.h"
#include "frame/records.h"
#include "frame/sentence_state.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "krzlib.h"

namespace {

std::string DataPath(const char* name) {
    std::string here = __FILE__;
    return here.substr(0, here.rfind('/')) + "/../tests/data/text/" + name;
}

// Mac Roman form of UTF-8 text, through the host code page.
std::string MacRomanFromUtf8(const std::string& s) {
    std::string out = host_text::HostFromUtf8(s);
    for (char& c : out) c = static_cast<char>(ConvertCharToMacRoman(static_cast<u8>(c)));
    return out;
}

std::string LoadText(const char* name) {
    std::ifstream in(DataPath(name), std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return MacRomanFromUtf8(buffer.str());
}

// One walk over the whole text: sentence start, tokens, sentence ends.
u32 WalkText(const BoundedString& text, u32 length, BoundedString& token) {
    u16 stateCount = 0;
    const AutomatonState* automaton = TokenAutomatonFor(gCheckingLanguage, stateCount);
    u32 sentences = 0;
    i32 pos = static_cast<i32>(FindNextSentenceEnd(text, 0, automaton, stateCount));
    ResetSentenceState();
    i32 first = 0, last = 0;
    while (RunCharAutomaton(automaton, stateCount, text, pos, static_cast<i32>(length), first, last) != 0) {
        i32 n = last - first + 1;
        if (n > static_cast<i32>(kMaxTokenLength)) n = kMaxTokenLength;
        std::memcpy(token.data, text.data + first, static_cast<size_t>(n));
        token.data[n] = 0;
        if (AppendSentenceToken(token, static_cast<u32>(first), 0) == kTokenStartsSentence) {
            ++sentences;
            ResetSentenceState();
            continue;
        }
        pos = last + 1;
    }
    return sentences + 1;
}

void RunWalk(benchmark::State& state, int language, const char* file) {
    KRZInit(language, 1);
    KRZSetLanguage(static_cast<uint16_t>(language));
    const std::string body = LoadText(file);
    // Enough copies for a sizeable paragraph stream.
    std::string all;
    for (int k = 0; k < 20; ++k) all += body;
    BoundedString text;
    text.Allocate(static_cast<u32>(all.size()) + 1);
    std::memcpy(text.data, all.data(), all.size());
    BoundedString token;
    token.Allocate(kTokenCapacity);
    u32 sentences = 0;
    for (auto _ : state) {
        sentences = WalkText(text, static_cast<u32>(all.size()), token);
        benchmark::DoNotOptimize(sentences);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(all.size()));
    state.counters["sentences"] = sentences;
    KRZEnd();
}

void BM_SplitAndTokeniseFrench(benchmark::State& state) {
    RunWalk(state, 3, "hugo_miserables_fr.txt");
}
BENCHMARK(BM_SplitAndTokeniseFrench);

void BM_SplitAndTokeniseEnglish(benchmark::State& state) {
    RunWalk(state, 0, "austen_pride_en.txt");
}
BENCHMARK(BM_SplitAndTokeniseEnglish);

}  // namespace
