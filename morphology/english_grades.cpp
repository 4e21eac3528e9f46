#include "morphology/english_grades.h"

#include "frame/tables.h"
#include "morphology/word_lookup.h"

bool EnglishKnownForm(const BoundedString& form) {
    u16 count = 0;
    Work36 copy;  // the lookup may rewrite its word
    TextCopy(copy.s, form);
    gCaseMode = 65535;
    return LookupWordForm(0, copy.s, gWordTagCodes, count) > 0 && count > 0;
}

bool EnglishGradedForm(const BoundedString& word, bool superlative, BoundedString& out) {
    const char* fixed = nullptr;
    if (TextEquals(word, "good") || TextEquals(word, "well")) fixed = superlative ? "best" : "better";
    else if (TextEquals(word, "bad")) fixed = superlative ? "worst" : "worse";
    else if (TextEquals(word, "far")) fixed = superlative ? "furthest" : "further";
    if (fixed != nullptr) {
        CopyCString(out, fixed);
        return true;
    }
    const u8 last = TextLast(word);
    TextCopy(out, word);
    if (last == 'y') {
        TextCut(out, TextLen(out) - 1);
        AppendCString(out, superlative ? "iest" : "ier");
    } else if (last == 'e') {
        AppendCString(out, superlative ? "st" : "r");
    } else {
        AppendCString(out, superlative ? "est" : "er");
    }
    if (EnglishKnownForm(out)) return true;
    if (last == 'y' || last == 'e') return false;
    TextCopy(out, word);
    AppendByteToString(out, last);
    AppendCString(out, superlative ? "est" : "er");
    return EnglishKnownForm(out);
}
