// Fuzz target: the exports that take host text: paragraph checking
// (grammar, spelling, punctuation) and the word services, in both checking
// languages and both host code pages.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "krzlib.h"

namespace {

ParagraphErrorRecord gTable[KRZ_MAX_PARAGRAPH_ERRORS + 2];

void WordServices(const char* word, uint16_t tense, uint16_t accents, uint16_t language) {
    char results[KRZ_SUGGESTION_SLOTS * 36 + 64];
    int16_t count = 0;
    uint16_t ucount = 0, flags = 0;
    KRZSuggestions(word, &count, results, accents, language);
    KRZInfinitive(word, &ucount, results, accents, language);
    KRZConjugate2(word, tense, &count, results, &flags, accents, language);
    KRZPlural(word, &count, results, accents, language);
    KRZSingular(word, &ucount, results, accents, language);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool started = false;
    if (!started) {
        KRZInit(3, 1);
        started = true;
    }
    if (size < 2) return 0;
    const uint8_t flags = data[0];
    const uint8_t extra = data[1];
    data += 2;
    size -= 2;
    const uint16_t language = (flags & 1) != 0 ? 0 : 3;
    KRZSetLanguage(language);
    KRZUseMacRomanEncoding((flags >> 1) & 1);
    const uint16_t accents = (flags >> 2) & 1;
    std::vector<char> text(data, data + size);
    text.push_back('\0');
    const int32_t n = static_cast<int32_t>(size);
    // A span inside the text, or one the host got wrong.
    int32_t start = 0, end = n;
    if ((flags & 0x08) != 0) start = extra % (n + 1);
    if ((flags & 0x10) != 0) end = n - extra % (n + 1) + ((flags & 0x20) != 0 ? 50 : 0);
    switch ((flags >> 6) & 3) {
    case 0:
        KRZTestGrammarParagraph(text.data(), start, end, gTable, KRZ_CATEGORY_ALL, 1, extra & 1, accents, 1);
        KRZClearParagraphTab(gTable, KRZ_MAX_PARAGRAPH_ERRORS);
        break;
    case 1:
        KRZTestSpellingParagraph(text.data(), start, end, gTable, 1, extra & 1, accents, 1);
        KRZClearParagraphTab(gTable, KRZ_MAX_PARAGRAPH_ERRORS);
        break;
    case 2:
        KRZPunctParagraph(text.data(), start, end, gTable);
        KRZClearParagraphTab(gTable, KRZ_MAX_PARAGRAPH_ERRORS);
        break;
    default: {
        // Each line a word, as a host passes one.
        size_t from = 0;
        for (size_t i = 0; i <= size && from < size; ++i) {
            if (i < size && text[i] != '\n') continue;
            text[i] = '\0';
            WordServices(text.data() + from, static_cast<uint16_t>(extra % 12), accents, language);
            from = i + 1;
        }
        break;
    }
    }
    return 0;
}
