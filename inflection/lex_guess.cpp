#include "inflection/lex_guess.h"

#include <cstring>
#include <initializer_list>

#include "frame/bounded_string.h"
#include "frame/mac_roman.h"
#include "frame/mac_roman_literal.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "inflection/lex_text.h"
#include "inflection/lex_verb_model.h"
#include "inflection/word_services.h"
#include "krzlib.h"
#include "morphology/word_analysis.h"
#include "morphology/word_lookup.h"

namespace {

using lex_text::NewString;
using lex_text::Flatten;

constexpr u8 kEAcute = 0x8E;
constexpr u8 kBlankMark = 202;

bool In(u32 p, std::initializer_list<u32> set) {
    for (u32 x : set)
        if (x == p) return true;
    return false;
}

bool IsSeparator(u8 c) { return c == ' ' || c == kBlankMark || (c >= 38 && c <= 47 && c != '-'); }

// Where the expression scan stops, or n when it reaches the end.
u32 ExpressionStop(const BoundedString& w, u32 from) {
    const u32 n = TextLen(w);
    for (u32 i = from; i < n; ++i) {
        const u8 c = w.data[i];
        if (IsSeparator(c) || (i > 0 && IsUpperMacRoman(c) != 0) || (c >= 123 && c <= 135) || c > 159 ||
            In(c, {139, 140, 146, 147, 150, 151, 152, 155, 156}))
            return i;
    }
    return n;
}

// Last matching entry of a suffix table, or -1.
i32 LastSuffix(const StringList& table, const BoundedString& w) {
    const u32 n = TextLen(w);
    i32 found = -1;
    for (i32 p = 0; p < static_cast<i32>(table.count); ++p) {
        const u32 k = TextLen(table[p]);
        if (k == 0 || k > n) continue;
        if (std::memcmp(w.data + n - k, table[p].data, k) == 0) found = p;
    }
    return found;
}

struct Tail {
    u8 c = 0;
    u8 f = 0;
    u8 b = 0;
    i32 at = -1;
};

Tail KnownTail(const BoundedString& w, u16 language) {
    Tail t;
    const i32 n = static_cast<i32>(TextLen(w));
    BoundedString tail = NewString();
    for (i32 i = 1; i < n - 5; ++i) {
        CopySubstring(w, static_cast<i16>(i + 1), static_cast<i16>(n - i), tail);
        LanguageScope scope(language);
        gCaseMode = kCaseAsked;
        u16 count = 0;
        static StringList slots;
        if (slots.valid == 0) InitByteMatrix(slots, 16, 36);
        AnalyseWordForms(language != 0 ? 800 : 0, tail, count, slots);
        if (count == 0) continue;
        t.c = static_cast<u8>(gWordTagCodes[0] >> 8);
        t.f = static_cast<u8>(gWordTagCodes[0] & 0xFF);
        t.b = gWordAnalysisBytes[0];
        t.at = i;
        return t;
    }
    return t;
}

bool Accepted(const Tail& t, u16 language) {
    const bool verb = t.c >= 0x80 && t.f == 0;
    if (language != 0) return (t.c >= 65 && t.c <= 67) || (verb && t.b < 112) || t.c == 18 || t.c == 77 || t.c == 78;
    return (t.c >= 56 && t.c <= 58) || (verb && (t.b < 27 || t.b > 33));
}

u16 ClassFromNumber(u8 b, u8 f) {
    if (b < 32) return 4;
    const u32 n = (f & 15u) / 4;
    return n == 1 ? 1 : n == 2 ? 3 : 4;
}

void FromTail(const BoundedString& w, const Tail& t, LexGuess& g, BoundedString& model, u16 language) {
    if (t.c == 18 || t.c == 58) {
        g.category = 6;
        return;
    }
    if (t.c >= 0x80) {
        g.category = 5;
        g.inflectionClass = 0;
        const u32 n = TextLen(w);
        u32 from = static_cast<u32>(t.at);
        if (w.data[from] == '-') ++from;
        CopySubstring(w, static_cast<i16>(from + 1), static_cast<i16>(n - from), model);
        return;
    }
    if (language != 0) {
        const u8 c = t.c == 77 || t.c == 78 ? 67 : t.c;
        g.category = static_cast<u16>(c - 63 == 4 ? 2 : c - 63);
        g.gender = t.f >> 4;
        g.inflectionClass = ClassFromNumber(t.b, t.f);
        return;
    }
    g.gender = 3;
    if (t.c == 56) {
        g.category = 3;
        g.inflectionClass = 2;
        return;
    }
    g.category = 2;
    if (t.b == 255) g.inflectionClass = 9;
    else if (t.b == 254) g.inflectionClass = 8;
    else if (t.b == 252 || t.b == 253) g.inflectionClass = 5;
    else if (t.b >= 248 && t.b <= 251) g.inflectionClass = 7;
    else g.inflectionClass = ClassFromNumber(t.b, t.f);
}

const char* FrenchModelVerb(const BoundedString& w, i32 p) {
    if (p == 16) return "finir";
    const u32 n = TextLen(w);
    const u8 x = n >= 3 ? w.data[n - 3] : 0;
    const u8 v = n >= 4 ? w.data[n - 4] : 0;
    if (x == 'g') return v == kEAcute ? MR("piéger") : "nager";
    if (x == 'c') return v == kEAcute ? MR("rapiécer") : v == 'e' ? MR("dépecer") : "placer";
    if (x == 'y') return v == 'a' ? "payer" : "noyer";
    if (v == kEAcute) return MR("céder");
    if (v == 'e') return x == 'l' ? "appeler" : x == 't' ? "jeter" : "semer";
    return "aimer";
}

void Set(LexGuess& g, u16 category, u16 gender, u16 cls) {
    g.category = category;
    g.gender = gender;
    g.inflectionClass = cls;
}

// French suffix rules; false when no suffix matches.
bool FrenchSuffix(const BoundedString& w, LexGuess& g, BoundedString& model) {
    const i32 p = LastSuffix(gFrenchSuffixes, w);
    if (p < 0) return false;
    const u32 q = static_cast<u32>(p);
    if (In(q, {160, 161, 186, 187, 188, 189, 190, 191, 192, 193, 194})) Set(g, 6, 1, 1);
    else if (In(q, {5, 16, 60, 61})) {
        Set(g, 5, 1, 0);
        CopyCString(model, FrenchModelVerb(w, p));
    } else if (In(q, {66, 67, 68, 70, 78, 80, 84, 85, 91, 95, 106, 112, 113, 114, 115, 132, 168}))
        Set(g, 3, 3, 1);
    else if (In(q, {7, 11, 36, 41, 43, 44, 45, 46, 49, 50, 58, 59, 69, 71, 72, 73, 74, 75, 76, 99, 100,
                    102, 103, 133, 137, 138, 139, 164, 165, 166, 167}))
        Set(g, 2, 2, 1);
    else if (q == 3) Set(g, 2, 1, 4);
    else if (q < 11) Set(g, 2, 1, 1);
    else if (In(q, {34, 35, 63})) Set(g, 3, 1, 4);
    else if (In(q, {33, 64})) Set(g, 2, 1, 3);
    else if (In(q, {56, 77, 86, 87, 92, 94, 108, 140, 141, 170, 171})) Set(g, 3, 2, 1);
    else if (In(q, {52, 54, 79, 89, 90, 93, 110, 169})) Set(g, 2, 2, 1);
    else if (q == 82) Set(g, 2, 3, 1);
    else Set(g, 2, 1, 1);
    return true;
}

bool EnglishSuffix(const BoundedString& w, LexGuess& g, BoundedString& model) {
    const i32 p = LastSuffix(gEnglishSuffixes, w);
    if (p < 0) return false;
    const u32 q = static_cast<u32>(p);
    if (In(q, {65, 66, 68, 96, 99, 100, 102, 104, 106, 107, 129, 130, 131})) Set(g, 6, 3, 1);
    else if (q % 32 < 16) Set(g, 3, 3, 2);
    else if (q == 58 || q == 59) {
        Set(g, 5, 3, 0);
        CopyCString(model, q == 58 ? "modify" : "organize");
    } else if (In(q, {30, 61, 62, 93})) Set(g, 2, 3, 7);
    else if (In(q, {31, 63})) Set(g, 2, 3, 5);
    else if (In(q, {94, 95, 125, 126, 127, 157})) Set(g, 2, 3, 3);
    else if (q == 60) Set(g, 2, 3, 8);
    else Set(g, 2, 3, 1);
    return true;
}

// Steps 5 to 9 on the lower-cased flattened word.
void GuessOrdinary(BoundedString& w, LexGuess& g, BoundedString& model, u16 language) {
    bool plural = false;
    for (;;) {
        Set(g, 0, language != 0 ? 1 : 3, 1);
        const Tail t = KnownTail(w, language);
        if (t.at >= 0 && Accepted(t, language)) {
            FromTail(w, t, g, model, language);
            return;
        }
        if (language != 0 ? FrenchSuffix(w, g, model) : EnglishSuffix(w, g, model)) break;
        const u32 n = TextLen(w);
        const u8 last = n > 0 ? w.data[n - 1] : 0;
        const u8 before = n > 1 ? w.data[n - 2] : 0;
        if (last == 'x' || last == 'z') {
            Set(g, 2, language != 0 ? 1 : 3, language != 0 ? 4 : 5);
            break;
        }
        if (last == 's' && before != 's' && !plural && n > 1) {
            w.data[n - 1] = 0;
            plural = true;
            continue;
        }
        if (language != 0) {
            if (last == 's') Set(g, 2, 1, 4);
            else if (last == 'e') Set(g, 2, 2, 1);
            else if ((last >= 'a' && last <= 'z') || (last >= 0x8E && last <= 0x91) || last == 0x95)
                Set(g, 2, 1, 1);
            else Set(g, 2, 1, 2);
        } else {
            const bool vowel = before == 'a' || before == 'e' || before == 'i' || before == 'o' || before == 'u';
            if (last == 's' || ((last == 'h') && (before == 'c' || before == 's'))) Set(g, 2, 3, 5);
            else if (last == 'y' && !vowel) Set(g, 2, 3, 7);
            else Set(g, 2, 3, 1);
        }
        break;
    }
    if (plural && g.category != 5) g.inflectionClass = 3;
}

}  // namespace

i16 GuessLexWordClass(const BoundedString& word, LexGuess& g, BoundedString& model, u16 language) {
    g = LexGuess{};
    CopyCString(model, "");
    BoundedString low = NewString();
    BoundedString w = NewString();
    CopyLowerCase(low, word);
    Flatten(w, low);
    BoundedString flat = NewString();
    Flatten(flat, word);
    const u32 n = TextLen(flat);
    if (IsMainDictionaryWord(w, language) != 0) {
        Set(g, 1, 1, 2);
        for (u32 i = 1; i + 1 < n; ++i)
            if (IsSeparator(flat.data[i])) {
                g.expressionFlag = 1;
                return 0;
            }
        for (u32 i = 1; i < n; ++i)
            if (IsSeparator(flat.data[i]) || IsUpperMacRoman(flat.data[i]) != 0) g.expressionFlag = 1;
        return IsUpperMacRoman(flat.data[0]) == 0 && g.expressionFlag == 0 ? -2 : -1;
    }
    if (n > 0 && IsUpperMacRoman(flat.data[0]) != 0) {
        Set(g, 1, 1, 2);
        g.expressionFlag = ExpressionStop(flat, 1) < n ? 1 : 0;
        return 0;
    }
    if (ExpressionStop(flat, 0) < n) {
        Set(g, 1, 1, 2);
        g.expressionFlag = 1;
        return 0;
    }
    GuessOrdinary(w, g, model, language);
    return 0;
}

extern "C" KRZ_API int16_t KRZAnalyseWordLex(const char* word, uint16_t* outExpressionFlag,
                                             uint16_t* outCategory, uint16_t* outGender,
                                             uint16_t* outInflectionClass, uint16_t* outVerbFlag,
                                             char* modelVerb, uint16_t language) {
    LexGuess g;
    BoundedString model = NewString();
    i16 r = -8;
    try {
        ApplyCallOptions();
        BoundedString w = NewString();
        if (word != nullptr) std::memcpy(w.data, word, strnlen(word, 35));
        ConvertInputToMacRoman(w);
        r = GuessLexWordClass(w, g, model, language);
    } catch (...) {
        g = LexGuess{};
        CopyCString(model, "");
    }
    if (outExpressionFlag != nullptr) *outExpressionFlag = g.expressionFlag;
    if (outCategory != nullptr) *outCategory = g.category;
    if (outGender != nullptr) *outGender = g.gender;
    if (outInflectionClass != nullptr) *outInflectionClass = g.inflectionClass;
    if (outVerbFlag != nullptr && g.category == 5) *outVerbFlag = g.inflectionClass;
    if (modelVerb != nullptr) {
        ExportString(modelVerb, model, 36);
        ConvertOutputFromMacRoman(modelVerb);
    }
    return r == -2 ? -1 : r;
}
