// Fuzz target: the exports that take host text: paragraph checking
// (grammar, spelling, punctuation) and the word services, in both checking
// languages and both host code pages. The records are checked, not only
// survived: spans inside the text, terminated suggestions, and the same
// records from a second identical call.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "krzlib.h"

namespace {

ParagraphErrorRecord gTable[KRZ_MAX_PARAGRAPH_ERRORS + 2];
ParagraphErrorRecord gAgain[KRZ_MAX_PARAGRAPH_ERRORS + 2];

[[noreturn]] void Fail(const char* what, uint32_t k) {
    std::fprintf(stderr, "record %u: %s\n", k, what);
    std::abort();
}

// What a host may rely on in the records of a call on text of `length`
// characters (no user lexicon is open, so no replacement moves offsets):
// at most 60, each span inside the text, a message, at most 12
// suggestions, each terminated within its slot.
void CheckRecords(const ParagraphErrorRecord* table, uint32_t n, size_t length) {
    if (n > KRZ_MAX_PARAGRAPH_ERRORS) Fail("more records than the table holds", n);
    for (uint32_t k = 0; k < n; ++k) {
        const ParagraphErrorRecord& r = table[k];
        if (r.start > r.end || (length > 0 && r.end >= length)) Fail("span outside the text", k);
        if (r.message == nullptr) Fail("no message", k);
        if (r.suggestionCount > KRZ_SUGGESTION_SLOTS) Fail("too many suggestions", k);
        for (unsigned i = 0; i < r.suggestionCount; ++i)
            if (memchr(r.suggestions[i], 0, KRZ_SUGGESTION_SIZE) == nullptr) Fail("unterminated suggestion", k);
    }
}

// The same call again gives the same records: nothing of one call's
// findings (a suggestion list, a count) may leak into the next.
void CheckRepeatable(uint32_t n, uint32_t again) {
    if (n != again) Fail("a second call gave another number of records", again);
    for (uint32_t k = 0; k < n; ++k) {
        const ParagraphErrorRecord& a = gTable[k];
        const ParagraphErrorRecord& b = gAgain[k];
        if (a.start != b.start || a.end != b.end || a.errorClass != b.errorClass ||
            a.suggestionCount != b.suggestionCount || std::strcmp(a.message, b.message) != 0)
            Fail("a second call gave another record", k);
        for (unsigned i = 0; i < a.suggestionCount; ++i)
            if (std::strncmp(a.suggestions[i], b.suggestions[i], KRZ_SUGGESTION_SIZE) != 0)
                Fail("a second call gave other suggestions", k);
    }
}

using ParagraphCall = uint32_t (*)(const char*, int32_t, int32_t, ParagraphErrorRecord*, uint8_t, uint16_t);

uint32_t Grammar(const char* t, int32_t s, int32_t e, ParagraphErrorRecord* r, uint8_t extra, uint16_t accents) {
    return KRZTestGrammarParagraph(t, s, e, r, KRZ_CATEGORY_ALL, 1, extra & 1, accents, 1);
}
uint32_t Spelling(const char* t, int32_t s, int32_t e, ParagraphErrorRecord* r, uint8_t extra, uint16_t accents) {
    return KRZTestSpellingParagraph(t, s, e, r, 1, extra & 1, accents, 1);
}
uint32_t Punctuation(const char* t, int32_t s, int32_t e, ParagraphErrorRecord* r, uint8_t, uint16_t) {
    return KRZPunctParagraph(t, s, e, r);
}

void CheckParagraph(ParagraphCall call, const char* text, int32_t start, int32_t end, uint8_t extra,
                    uint16_t accents) {
    const uint32_t n = call(text, start, end, gTable, extra, accents);
    CheckRecords(gTable, n, std::strlen(text));
    const uint32_t again = call(text, start, end, gAgain, extra, accents);
    CheckRepeatable(n, again);
    KRZClearParagraphTab(gTable, static_cast<int16_t>(n));
    KRZClearParagraphTab(gAgain, static_cast<int16_t>(again));
}

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
    case 0: CheckParagraph(Grammar, text.data(), start, end, extra, accents); break;
    case 1: CheckParagraph(Spelling, text.data(), start, end, extra, accents); break;
    case 2: CheckParagraph(Punctuation, text.data(), start, end, extra, accents); break;
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
