// Fuzz target: reference dictionary lookups on any word. Whatever the
// word, the located entry lies in the text, the count stays within the
// records asked for, and every record is terminated and carries a headword
// length inside its text.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "krzlib.h"

namespace {

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool started = false;
    if (!started) {
        KRZInit(3, 0);
        started = true;
    }
    if (size == 0) return 0;
    const int16_t max = static_cast<int16_t>(data[0] % 8) - 1;  // -1 .. 6
    const std::string word(reinterpret_cast<const char*>(data + 1), size - 1);
    std::vector<LitDictResultRecord> records(8);
    uint16_t count = 0xFFFF;
    uint32_t entry = 0;
    KRZLitDictWord(word.c_str(), records.data(), max, &count, &entry);
    if (count > (max > 0 ? max : 0)) Fail("more records than asked for");
    for (uint16_t i = 0; i < count; ++i) {
        const size_t n = strnlen(records[i].text, sizeof records[i].text);
        if (n == sizeof records[i].text) Fail("unterminated record");
        if (records[i].headwordLength > n) Fail("headword longer than the text");
    }
    uint16_t again = 0xFFFF;
    KRZLitDictOffset(entry, records.data(), max, &again);
    if (max > 0 && count > 0 && again < count) Fail("fewer records by entry number");
    return 0;
}
