// Dictionary tests and quote-tolerant comparison.
#include "checking/dictionary_tests.h"

#include <cstring>

#include "frame/bounded_string.h"
#include "frame/loader.h"
#include "frame/settings.h"
#include "morphology/word_analysis.h"
#include "morphology/word_lookup.h"

DictionaryWordHook gDictionaryWordTestHook = nullptr;

namespace {

// Sixteen work strings of the analysis, allocated on first use.
StringList& AnalysisWorkStrings() {
    static StringList strings;
    if (strings.valid == 0) InitByteMatrix(strings, 16, 36);
    return strings;
}

u16 IsLanguageDictionaryWord(BoundedString& word, u16 language, u16 mode) {
    if (gDictionaryWordTestHook != nullptr) return gDictionaryWordTestHook(word, language);
    const u16 saved = gCheckingLanguage;
    if (saved != language) SelectLanguageTables(language);
    gCaseMode = 65535;
    u16 count = 0;
    AnalyseWordForms(mode, word, count, AnalysisWorkStrings());
    if (saved != language) SelectLanguageTables(saved);
    return count > 0 ? 1 : 0;
}

bool IsBlank(u8 c) { return c == ' ' || c == 0xCA; }

// Byte-by-byte comparison of equal-length texts; 0xCA in the text matches
// a blank of the candidate.
u16 SameText(const u8* text, const u8* candidate, i32 n) {
    for (i32 k = 0; k < n; ++k) {
        if (text[k] == candidate[k]) continue;
        if (text[k] == 0xCA && IsBlank(candidate[k])) continue;
        return 0;
    }
    return 1;
}

// Removes the first byte of the text in place.
void DropFirst(BoundedString& text, i32 length) {
    std::memmove(text.data, text.data + 1, static_cast<size_t>(length - 1));
    text.data[length - 1] = 0;
}

}  // namespace

u16 IsEnglishDictionaryWord(BoundedString& word) { return IsLanguageDictionaryWord(word, 0, 0); }

u16 IsFrenchDictionaryWord(BoundedString& word) { return IsLanguageDictionaryWord(word, 3, 800); }

u16 IsDictionaryWord(BoundedString& word) {
    if (gCheckingLanguage == 3) return IsFrenchDictionaryWord(word);
    if (gCheckingLanguage == 0) return IsEnglishDictionaryWord(word);
    return 0;
}

u16 CompareWordWithCandidate(BoundedString& text, const BoundedString& candidate, u16& quoteFlags) {
    quoteFlags = 0;
    if (text.valid == 0 || text.count == 0) return 0;
    const i32 want = GetStringLength(candidate);
    i32 length = GetStringLength(text);
    if (length == want) return SameText(text.data, candidate.data, length);

    if (length > 0 && text.data[0] == '\'') {
        DropFirst(text, length--);
        quoteFlags = 1;
    } else if (length > 0 && text.data[0] == '"') {
        DropFirst(text, length--);
        quoteFlags = 5;
    }
    if (quoteFlags != 0 && length == want) return SameText(text.data, candidate.data, length);

    if (length > 0 && text.data[length - 1] == '\'') {
        quoteFlags = quoteFlags == 5 ? 7 : quoteFlags == 1 ? 3 : 2;
    } else if (length > 0 && text.data[length - 1] == '"') {
        quoteFlags = quoteFlags == 1 ? 3 : quoteFlags == 5 ? 7 : 6;
    } else {
        return 0;
    }
    text.data[--length] = 0;
    return length == want ? SameText(text.data, candidate.data, length) : 0;
}
