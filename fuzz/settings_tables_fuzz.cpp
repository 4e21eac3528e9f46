// Fuzz target: the exports that take host tables (spaces, punctuation-sign
// rules, special characters) and the language and option calls around them;
// text is then checked under the tables the input built.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "krzlib.h"

namespace {

// Text with every sign the tables speak of, spaced in the ways the rules
// compare, checked under the hostile tables just set.
void CheckWithTheseTables() {
    static const char* const kTexts[] = {
        "Il dit : \xABoui\xBB ; puis il part ! Vraiment ? (Non) [oui] {x} 12,5 % -- fin...",
        "He said:\xA0\x93yes\x94 ;then left!Really ?( no )' 3.5 % \x96 end\x85",
        "Le chat dort.Le chien aussi , non ?Si !",
    };
    static ParagraphErrorRecord table[KRZ_MAX_PARAGRAPH_ERRORS + 2];
    for (const char* text : kTexts) {
        const int32_t end = static_cast<int32_t>(std::strlen(text));
        uint32_t n = KRZPunctParagraph(text, 0, end, table);
        if (n > KRZ_MAX_PARAGRAPH_ERRORS) std::abort();
        for (uint32_t k = 0; k < n; ++k)
            if (table[k].start > table[k].end || table[k].end >= static_cast<uint32_t>(end)) std::abort();
        KRZClearParagraphTab(table, static_cast<int16_t>(n));
        n = KRZTestGrammarParagraph(text, 0, end, table, KRZ_CATEGORY_ALL, 1, 1, 0, 0);
        if (n > KRZ_MAX_PARAGRAPH_ERRORS) std::abort();
        KRZClearParagraphTab(table, static_cast<int16_t>(n));
    }
}

}  // namespace

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
    CheckWithTheseTables();
    // The next input starts from the default tables.
    KRZDefaultSpaces();
    KRZDefaultPunctSigns();
    return 0;
}
