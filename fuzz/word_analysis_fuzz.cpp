// Fuzz target: the word-level analysis exports that take host text (the
// word at an offset, one word's kinds, the index word, stems, stem
// analysis, sentence starts, syntax records and their counting twins), in
// both checking languages, with small host buffers. The results are
// checked, not only survived: offsets inside the text, counts within the
// buffers, every text terminated in its slot, the counting twins bounding
// what the filling calls write.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "krzlib.h"

namespace {

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

void Terminated(const char* slots, int count, size_t size, const char* what) {
    for (int k = 0; k < count; ++k)
        if (std::memchr(slots + k * size, 0, size) == nullptr) Fail(what);
}

void WordAt(const char* text, size_t length, uint32_t offset, uint16_t accents) {
    static char alt[8][120], form[12][120], main[10][120], synonyms[11][1000], base[36];
    int16_t altCount = 0, formCount = 0, mainCount = 0, synonymCount = 0;
    uint16_t special = 0;
    uint32_t start = offset, end = 0;
    const int16_t r = KRZGetWordAnalysis(text, &start, &end, 0, accents, &altCount, alt[0], &formCount, form[0],
                                         &mainCount, main[0], &special, &synonymCount, synonyms[0], base);
    if (r < 0 || r > 3) Fail("result out of range");
    if (r == 0) return;
    if (start > end || end >= length) Fail("word outside the text");
    if (altCount < 0 || altCount > 8 || formCount < 0 || formCount > 12 || mainCount < 0 || mainCount > 10 ||
        synonymCount < -1 || synonymCount > 9 || special > 3)
        Fail("count out of range");
    Terminated(alt[0], altCount, 120, "unterminated alternative text");
    Terminated(form[0], formCount, 120, "unterminated form text");
    Terminated(main[0], mainCount > 0 ? mainCount : 1, 120, "unterminated main text");
    Terminated(synonyms[0], synonymCount + 2, 1000, "unterminated synonym");
    Terminated(base, 1, 36, "unterminated base form");
}

void OneWord(const char* text, uint16_t accents, int16_t language) {
    uint16_t kindCount = 0;
    uint8_t kinds[8];
    int16_t suggestionCount = 0;
    static char suggestions[12 * 36];
    KRZOneWordAnalysis(text, &kindCount, kinds, &suggestionCount, suggestions, accents, 1, language);
    if (kindCount > 8 || suggestionCount < 0 || suggestionCount > 12) Fail("one-word counts out of range");
    Terminated(suggestions, suggestionCount, 36, "unterminated suggestion");
    corpusEnglish(text);
}

void IndexWord(const char* text, size_t length, uint32_t offset) {
    uint32_t start = offset, end = offset;
    if (KRZGetIndexWord(text, &start, &end) == 1 && (start > end || end >= length)) Fail("index word outside the text");
}

void Stems(const char* text, uint16_t accents, int32_t max) {
    static uint8_t stems[8 * 36];
    static uint32_t frequencies[8];
    int16_t count = 0, total = 0;
    KRZStem(text, accents, max, &count, stems, frequencies);
    KRZCountMaxStemForms(text, accents, &total);
    if (count < 0 || count > max || count > total) Fail("stem count out of range");
    Terminated(reinterpret_cast<const char*>(stems), count, 36, "unterminated stem");
}

void StemAnalysis(const char* text, size_t length, uint16_t accents, int32_t max, uint32_t rules) {
    static char words[8][36], classes[8][36];
    static uint8_t lists[8][360];
    static uint16_t listCounts[8];
    static uint32_t starts[8], ends[8];
    uint16_t count = 0, total = 0;
    KRZStemAnalysis(text, accents, max, &count, words[0], listCounts, lists[0], starts, ends, classes[0], rules);
    KRZCountMaxStemAnalysisForms(text, accents, &total, rules);
    if (count > max || count > total) Fail("stem-analysis count out of range");
    for (uint16_t k = 0; k < count; ++k) {
        if (starts[k] > ends[k] || ends[k] >= length) Fail("stem entry outside the text");
        if (std::memchr(lists[k], 0, 360) == nullptr || std::memchr(classes[k], 0, 36) == nullptr ||
            std::memchr(words[k], 0, 36) == nullptr)
            Fail("unterminated stem entry");
    }
}

void Sentences(const char* text, size_t length, uint16_t accents, uint32_t maxWords, uint32_t maxSentence) {
    uint16_t count = 0, total = 0;
    uint32_t starts[8];
    const int16_t maxStarts = static_cast<int16_t>(maxSentence % 9);
    KRZParagraphSentencesStart(text, maxStarts, &count, starts);
    KRZCountParagraphSentencesStart(text, &total);
    if (count > maxStarts || count > total) Fail("sentence count out of range");
    for (uint16_t k = 0; k < count; ++k)
        if (starts[k] > length || (k > 0 && starts[k] <= starts[k - 1])) Fail("sentence start out of order");
    uint32_t words = 0, sentences = 0;
    KRZCountMaxAnalysisForms(text, &words, &sentences);
    // The host sizes its buffers by the counts; the library writes no more.
    std::vector<uint8_t> records(static_cast<size_t>(maxWords) * KRZ_SYNTAX_RECORD_SIZE + 1);
    std::vector<uint16_t> readings(maxWords + 1);
    std::vector<uint16_t> firsts(maxSentence + 1);
    uint32_t recordCount = 0, sentenceCount = 0;
    KRZSentenceSyntaxAnalysis(text, accents, maxWords, &recordCount, readings.data(), records.data(), maxSentence,
                              &sentenceCount, firsts.data(), 1);
    if (recordCount > maxWords || sentenceCount > maxSentence + 1) Fail("syntax counts out of range");
    for (uint32_t k = 0; k < recordCount; ++k)
        if (readings[k] > 8) Fail("more readings than slots");
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
    const uint16_t language = (flags & 1) != 0 ? 0 : 3;
    KRZSetLanguage(language);
    KRZSetInterfLanguage((flags >> 1) & 1 ? 3 : 0);
    const uint16_t accents = (flags >> 2) & 1;
    std::vector<char> text(data, data + size);
    text.push_back('\0');
    const size_t length = std::strlen(text.data());
    const uint32_t offset = length > 0 ? a % (length + 2) : a % 3;
    switch ((flags >> 3) % 6) {
    case 0: WordAt(text.data(), length, offset, accents); break;
    case 1: OneWord(text.data(), accents, static_cast<int16_t>(language)); break;
    case 2: IndexWord(text.data(), length, offset); break;
    case 3: Stems(text.data(), accents, b % 9); break;
    case 4: StemAnalysis(text.data(), length, accents, b % 9, (flags >> 6) & 1); break;
    default: Sentences(text.data(), length, accents, b % 17, a % 5); break;
    }
    return 0;
}
