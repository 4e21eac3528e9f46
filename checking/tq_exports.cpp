// The short export family: NUL-terminated texts without lengths, the
// current checking language instead of a language argument. Each export
// forwards to its full counterpart and returns what it returns.
#include <cstring>

#include "frame/settings.h"
#include "krzlib.h"

namespace {

int32_t TextLength(const char* text) { return text == nullptr ? 0 : static_cast<int32_t>(std::strlen(text)); }

}  // namespace

extern "C" KRZ_API void TQInit(int32_t language) { KRZInit(language, 1); }

extern "C" KRZ_API void TQEnd(void) { KRZEnd(); }

extern "C" KRZ_API void TQSetLanguage(uint16_t language) { KRZSetLanguage(language); }

extern "C" KRZ_API int16_t TQOptionNonUSUK(uint16_t value) { return KRZOptionNonUSUK(value); }

extern "C" KRZ_API uint32_t TQTestGrammarParagraph(const char* text, int16_t start,
                                                   ParagraphErrorRecord* table, uint32_t mask) {
    return KRZTestGrammarParagraph(text, start, TextLength(text), table, mask, 1, 1, 0, 0);
}

extern "C" KRZ_API uint32_t TQTestSpellingParagraph(const char* text, int16_t start,
                                                    ParagraphErrorRecord* table) {
    return KRZTestSpellingParagraph(text, start, TextLength(text), table, 1, 1, 0, 0);
}

extern "C" KRZ_API void TQClearParagraphTab(ParagraphErrorRecord* table, int16_t count) {
    KRZClearParagraphTab(table, count);
}

extern "C" KRZ_API uint32_t TQPunctParagraph(const char* text, int16_t start, ParagraphErrorRecord* table) {
    return KRZPunctParagraph(text, start, TextLength(text), table);
}

extern "C" KRZ_API int16_t TQInfinitive(const char* word, uint16_t* count, char* results) {
    return KRZInfinitive(word, count, results, 0, gCheckingLanguage);
}

extern "C" KRZ_API int16_t TQConjugate(const char* word, uint16_t tense, int16_t* count, char* results,
                                       uint16_t* flag) {
    return KRZConjugate(word, tense, count, results, flag, 0, gCheckingLanguage);
}

extern "C" KRZ_API int16_t TQPlural(const char* word, int16_t* count, char* results) {
    return KRZPlural(word, count, results, 0, gCheckingLanguage);
}

extern "C" KRZ_API int16_t TQSingular(const char* word, uint16_t* count, char* results) {
    return KRZSingular(word, count, results, 0, gCheckingLanguage);
}

extern "C" KRZ_API int32_t TQOpenLex(const char* path) { return KRZOpenLex(path); }

extern "C" KRZ_API int16_t TQCloseLex(void) { return KRZCloseLex(); }

extern "C" KRZ_API int16_t TQInsertLex(const char* word) {
    return KRZInsertLex(word, 0, 2, 3, 4, 0, "", "", gCheckingLanguage);
}

extern "C" KRZ_API int16_t TQRemoveLex(const char* word) { return KRZRemoveLex(word, 2, gCheckingLanguage); }
