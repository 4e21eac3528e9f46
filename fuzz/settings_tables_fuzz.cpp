// Fuzz target: the exports that take host tables (spaces, punctuation-sign
// rules, special characters) and the language and option calls around them.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "krzlib.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool started = false;
    if (!started) {
        KRZInit(3, 1);
        started = true;
    }
    if (size < 4) return 0;
    const uint16_t language = data[0];
    const uint16_t count = static_cast<uint16_t>(data[1] | (data[2] << 8));
    const uint8_t mode = data[3];
    data += 4;
    size -= 4;

    KRZUseMacRomanEncoding(mode & 1);
    KRZSetLanguage(language);
    switch (mode >> 1 & 3) {
    case 0: {
        const uint16_t n = count < size ? count : static_cast<uint16_t>(size);
        KRZSetSpaces(n, data, language);
        break;
    }
    case 1: {
        static KRZPunctSignRule rules[64];
        const size_t fit = size / sizeof(KRZPunctSignRule);
        const size_t n = fit < 64 ? fit : 64;
        std::memcpy(rules, data, n * sizeof(KRZPunctSignRule));
        KRZSetPunctSigns(count < n ? count : static_cast<uint16_t>(n), rules, language);
        break;
    }
    case 2: {
        uint8_t table[256] = {};
        std::memcpy(table, data, size < 256 ? size : 256);
        KRZSetSpecialChars(table);
        break;
    }
    default:
        KRZDefaultSpaces();
        KRZDefaultPunctSigns();
        break;
    }
    uint16_t n = 0;
    uint8_t spaces[32];
    KRZPunctSignRule rules[32];
    KRZGetSpaces(&n, spaces, language);
    KRZGetPunctSigns(&n, rules, language);
    KRZSetNbWordsLongSentence(count);
    KRZOptionNonUSUK(count);
    return 0;
}
