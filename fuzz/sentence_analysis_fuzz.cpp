// Fuzz target: the sentence-document exports and the relation text, in
// both checking languages, with small host buffers. The results are
// checked, not only survived: counts within their limits, starts inside
// the text and in order, every buffer terminated within its capacity and
// nothing written past it, and every document that was not cut at its
// capacity well formed.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/xml_well_formed.h"
#include "krzlib.h"

namespace {

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

constexpr char kGuard = 0x5A;

// Buffers of `size` bytes, each followed by guard bytes.
struct Buffers {
    std::vector<std::vector<char>> storage;
    std::vector<char*> pointers;
    uint32_t size;
    Buffers(uint32_t count, uint32_t bytes) : storage(count, std::vector<char>(bytes + 8, kGuard)), size(bytes) {
        for (auto& b : storage) pointers.push_back(b.data());
    }
    void Check() const {
        for (const auto& b : storage) {
            for (uint32_t k = size; k < size + 8; ++k)
                if (b[k] != kGuard) Fail("written past the capacity");
            if (size > 0 && b[0] != kGuard && std::memchr(b.data(), 0, size) == nullptr) Fail("unterminated buffer");
        }
    }
    // The documents of the first `count` buffers: each one whole (shorter
    // than its capacity) must be well formed.
    void CheckDocuments(uint32_t count) const {
        for (uint32_t k = 0; k < count && k < storage.size() && size > 0; ++k) {
            const char* b = storage[k].data();
            const size_t n = strnlen(b, size);
            if (n == 0 || n + 1 >= size) continue;
            const std::string why = xml_check::Check(std::string(b, n));
            if (!why.empty()) {
                std::fprintf(stderr, "%s\n%.*s\n", why.c_str(), static_cast<int>(n), b);
                Fail("a document that is not well formed");
            }
        }
    }
};

void Documents(const char* text, uint32_t max, uint32_t size, uint8_t which) {
    // The process export takes no capacity: it writes the one-byte empty
    // string into each buffer, so the host gives it at least one byte.
    Buffers buffers(max, which % 4 == 2 && size == 0 ? 1 : size);
    uint32_t count = 0;
    switch (which % 4) {
    case 0: MeravolisSentenceAnalysis(text, 0, max, &count, buffers.pointers.data(), size); break;
    case 1:
        if (max > 0) MeravolisOneSentenceAnalysisProcess(text, size, buffers.pointers[0], 0);
        count = max > 0 ? 1 : 0;
        break;
    case 2: MeravolisSentenceAnalysisProcess(text, 0, max, &count, buffers.pointers.data(), 0); break;
    default: {
        Buffers list(1, size);
        std::vector<uint32_t> starts(max + 1, 0xFFFFFFFF);
        MeravolisGetSentenceAnalysis(text, 1, 0, max, &count, buffers.pointers.data(), size, list.pointers[0], size,
                                     starts.data());
        list.Check();
        if (starts[max] != 0xFFFFFFFF) Fail("start written past the array");
    }
    }
    if (count > max) Fail("more sentences than asked");
    buffers.Check();
    if (which % 4 != 2) buffers.CheckDocuments(count);
}

void Counts(const char* text, size_t length, uint32_t max) {
    uint32_t total = 0, count = 0;
    MeravolisGetNbSentences(text, &total);
    if (total < 1) Fail("no sentence counted");
    std::vector<uint32_t> starts(max + 1, 0xFFFFFFFF);
    MeravolisGetSentencesBreak(text, max, &count, starts.data());
    if (count > max || count > total) Fail("sentence count out of range");
    for (uint32_t k = 0; k < count; ++k)
        if (starts[k] > length || (k > 0 && starts[k] < starts[k - 1])) Fail("start out of order");
    if (starts[max] != 0xFFFFFFFF) Fail("start written past the array");
}

void Relations(const char* text, uint16_t count, uint32_t size) {
    Buffers buffers(count, size);
    std::vector<uint32_t> sizes(count, size);
    uint16_t counter = 0;
    KRZUMLSentenceAnalysis(text, 0, count, buffers.pointers.data(), sizes.data(), &counter);
    buffers.Check();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool started = false;
    if (!started) {
        KRZInit(3, 1);
        started = true;
    }
    if (size < 3) return 0;
    const uint8_t flags = data[0];
    const uint8_t a = data[1], b = data[2];
    data += 3;
    size -= 3;
    KRZSetLanguage((flags & 1) != 0 ? 0 : 3);
    KRZSetInterfLanguage((flags >> 1) & 1 ? 3 : 0);
    std::vector<char> text(data, data + size);
    text.push_back('\0');
    const size_t length = std::strlen(text.data());
    const uint32_t capacity = b % 4 == 0 ? 0 : (b % 4 == 1 ? b % 64 : 4096);
    switch ((flags >> 2) % 3) {
    case 0: Documents(text.data(), a % 4, capacity, static_cast<uint8_t>(flags >> 4)); break;
    case 1: Counts(text.data(), length, a % 6); break;
    default: Relations(text.data(), static_cast<uint16_t>(a % 6), capacity); break;
    }
    return 0;
}
