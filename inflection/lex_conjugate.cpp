// Conjugation of a verb the main dictionary does not know, like a model
// verb it knows: stem keys carrying the model number go to the second
// phase of the inflection engine.
#include <cstring>

#include "frame/bounded_string.h"
#include "frame/mac_roman.h"
#include "frame/settings.h"
#include "inflection/inflect.h"
#include "inflection/lex_guess.h"
#include "inflection/lex_inflection.h"
#include "inflection/lex_text.h"
#include "inflection/lex_verb_model.h"
#include "inflection/verb_forms.h"
#include "inflection/word_services.h"
#include "krzlib.h"

namespace {

using lex_text::NewString;
using lex_text::Flatten;

constexpr u8 kEGrave = 0x8F;
constexpr u8 kEAcute = 0x8E;

// Slot-0 ending length of a model row ("$" counts as empty).
u32 InfinitiveEndingLength(bool french, u32 model) {
    BoundedString e = NewString();
    if (french) FrenchSlotEnding(FrenchRow(model), 0, e);
    else EnglishSlotEnding(EnglishRow(model), 0, e);
    const u32 n = TextLen(e);
    return n == 1 && (e.data[0] == '$' || e.data[0] == '0') ? 0 : n;
}

void TurnLast(BoundedString& stem, u8 from, u8 to) {
    for (i32 i = static_cast<i32>(TextLen(stem)) - 1; i >= 1; --i)
        if (stem.data[i] == from) {
            stem.data[i] = to;
            return;
        }
}

// key = stem + model byte, hyphens marked as in lexicon keys.
void MakeKey(const BoundedString& stem, u8 model, BoundedString& key) {
    CopyString(key, stem);
    u32 n = TextLen(key);
    bool hyphenated = false;
    for (u32 i = 0; i < n; ++i)
        if (key.data[i] == '-') {
            key.data[i] = 155;
            hyphenated = true;
        }
    if (hyphenated)
        for (u32 i = 0; i + 1 < n; ++i)
            if (key.data[i] == 0x88) key.data[i] = 0x8B;
    if (n < 35) {
        key.data[n] = model;
        key.data[n + 1] = 0;
    }
}

void RestoreLigatures(const BoundedString& verb, StringList& forms, i16 count) {
    const u32 vn = TextLen(verb);
    for (i16 f = 0; f < count; ++f) {
        BoundedString& form = forms[f];
        for (u32 i = 0; i < vn && i + 1 < TextLen(form); ++i) {
            const u8 v = verb.data[i];
            const u8 first = v == 207 ? 'o' : v == 190 ? 'a' : 0;
            if (first == 0 || form.data[i] != first || form.data[i + 1] != 'e') continue;
            form.data[i] = v;
            std::memmove(form.data + i + 1, form.data + i + 2, TextLen(form) - i - 1);
        }
    }
}

}  // namespace

i16 ConjugateLexVerb(i16 tense, const BoundedString& verb, i16& count, StringList& forms,
                     i16 verbFlag, const BoundedString& modelVerb, u16 language) {
    count = 0;
    BoundedString flat = NewString();
    Flatten(flat, verb);
    BoundedString low = NewString();
    CopyLowerCase(low, flat);
    BoundedString model = NewString();
    BoundedString lowModel = NewString();
    CopyLowerCase(lowModel, modelVerb);
    Flatten(model, lowModel);
    const bool english = tense == 10;
    const u16 lang = english ? 0 : language;
    if (IsMainDictionaryWord(low, lang) != 0) return -1;
    LexModelReading reading;
    const i16 e = ReadLexModelVerb(model, lang, reading);
    if (e != 0) return e;
    u8 m = reading.modelByte;
    bool marked = false;
    if (m > 127) {
        m = static_cast<u8>(m & 0x7F);
        if (verbFlag == 0) marked = true;
    }
    const u32 vn = TextLen(low);
    const u32 mn = TextLen(model);
    const i32 k = LexModelEndingLength(m, mn, english ? 0 : 3);
    if (k < 0) return kLexModelTooHigh;
    if (static_cast<u32>(k) > vn || std::memcmp(low.data + vn - k, model.data + mn - k, static_cast<u32>(k)) != 0)
        return kLexEndingMismatch;
    if (!reading.slot0) return kLexModelNotInfinitive;
    if (marked) return kLexMarkedModel;

    LanguageScope scope(lang);
    u32 cut = InfinitiveEndingLength(!english, m);
    if (english && (m < 16 || m == 18 || (m >= 20 && m <= 27) || m == 30)) cut = 0;
    if (cut > vn) cut = vn;
    BoundedString stem = NewString();
    CopySubstring(low, 1, static_cast<i16>(vn - cut), stem);
    if (vn == cut) stem.data[0] = 0;
    CopyString(forms[0], stem);
    MakeKey(stem, m, forms[0]);
    u16 n = 1;
    if (!english && (m == 2 || m == 6 || m == 3 || m == 5 || m == 12)) {
        const bool grave = m == 2 || m == 6;
        TurnLast(stem, grave ? 'e' : kEAcute, kEGrave);
        MakeKey(stem, grave ? 103 : 93, forms[1]);
        n = 2;
    }
    const u32 mode = english ? 46u : 804u + static_cast<u32>(tense);
    InflectWord(mode, low, n, forms);
    count = static_cast<i16>(n > 6 ? 6 : n);
    if (tense == 1 && verbFlag == 1 && count > 1) count = 1;
    RestoreLigatures(low, forms, count);
    return 0;
}

extern "C" KRZ_API int16_t KRZConjugateLex(const char* verb, uint16_t tense, int16_t* count, char* results,
                                           int16_t verbFlag, const char* modelVerb, uint16_t language) {
    try {
        ApplyCallOptions();
        BoundedString v = NewString();
        BoundedString m = NewString();
        if (verb != nullptr) std::memcpy(v.data, verb, strnlen(verb, 35));
        if (modelVerb != nullptr) std::memcpy(m.data, modelVerb, strnlen(modelVerb, 35));
        ConvertInputToMacRoman(v);
        ConvertInputToMacRoman(m);
        StringList forms;
        InitByteMatrix(forms, 6, 36);
        i16 n = 0;
        const i16 r = ConjugateLexVerb(static_cast<i16>(tense), v, n, forms, verbFlag, m, language);
        if (count != nullptr) *count = n;
        if (results != nullptr)
            for (i16 i = 0; i < n; ++i) {
                ExportString(results + 36 * i, forms[i], 36);
                ConvertOutputFromMacRoman(results + 36 * i);
            }
        return r;
    } catch (...) {
        if (count != nullptr) *count = 0;
        return -8;
    }
}
