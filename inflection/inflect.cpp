// The inflection engine's frame: character checks, normalisation of the
// working word, dispatch and the common tail (see inflect.h).
#include "inflection/inflect.h"

#include "frame/bounded_string.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "inflection/inflect_call.h"
#include "inflection/related_words.h"
#include "inflection/verb_forms.h"
#include "morphology/dict_format.h"
#include "morphology/word_lookup.h"

namespace {

constexpr u32 kMaxCallerWord = 35;

// Character classes that refuse a word: 0 other, 2 digit or colon.
bool RefusedClass(u8 c) {
    const u8 k = gCharClasses[c];
    return k == 0 || k == 2;
}

bool RefusedHighLetter(u8 c) {
    if (c >= 0x7B && c <= 0x87) return true;
    if (c >= 0xA0) return c != 0xBE && c != 0xCF;
    return c == 0x8C || c == 0x92 || c == 0x93 || c == 0x97 || c == 0x98 || c == 0x9C;
}

// 0 when the word is usable, else the result code (8 or 9).
u16 Normalise(InflectCall& call) {
    const BoundedString& w = *call.callerWord;
    const u32 n = TextLen(w);
    for (u32 i = 0; i < n; ++i)
        if (RefusedClass(w.data[i])) return kInflectRefused;
    CopyBytesToString(call.word.s, w.data, n > kMaxCallerWord ? kMaxCallerWord : n);
    BoundedString& s = call.word.s;
    const u32 len = TextLen(s);
    for (u32 i = 0; i < len; ++i) {
        u8& c = s.data[i];
        if (c == kHyphenMarkByte) return kInflectRefused;
        if (c == '-') {
            c = kHyphenMarkByte;
            call.hyphen = true;
        }
        if (call.french && c < 'a' && c != '\'') return kInflectCapital;
        if (c > 'z') {
            if (RefusedHighLetter(c)) return kInflectRefused;
            if (c == kAGrave && i + 1 < len) c = kAGraveMarkByte;
        }
    }
    return 0;
}

}  // namespace

void RestoreMarks(BoundedString& s) {
    const u32 n = TextLen(s);
    for (u32 i = 0; i < n; ++i) {
        if (s.data[i] == kHyphenMarkByte) s.data[i] = '-';
        else if (s.data[i] == kAGraveMarkByte) s.data[i] = kAGrave;
    }
}

void RestoreHyphens(BoundedString& s) {
    const u32 n = TextLen(s);
    for (u32 i = 0; i < n; ++i)
        if (s.data[i] == kHyphenMarkByte) s.data[i] = '-';
}

void RestoreMarksTail(InflectCall& call) {
    const u16 n = call.Count();
    for (u32 i = 0; i < n && i <= static_cast<u32>(call.results->last); ++i) RestoreMarks(call.Result(i));
    if (n >= 2 && CompareStrings(call.Result(1), call.Result(0)) == kCompareEqual) call.Count() = 1;
}

u16 InflectWord(u32 mode, const BoundedString& word, u16& count, BoundedArray<BoundedString>& results) {
    InflectCall call;
    call.mode = mode;
    call.french = gCheckingLanguage != 0;
    call.callerWord = &word;
    call.count = &count;
    call.results = &results;
    const u16 refused = Normalise(call);
    if (refused != 0) return refused;
    u16 op = static_cast<u16>(mode & 0xFF);
    if ((op >= 36 && op <= 45) || op == 17 || op == 46) {
        op = static_cast<u16>(op - 16);
        call.phase2 = true;
    }
    call.op = static_cast<u8>(op);
    switch (op) {
        case 1:
            return InflectInfinitive(call);
        case 3:
            return InflectPlural(call);
        case 4:
            return InflectSingular(call);
        case 6:
            count = 0;
            GenerateVerbForms(mode, call.word.s, results, count);
            RestoreMarksTail(call);
            return 0;
        case 8:
        case 9:
            return InflectGender(call);
        case 11:
        case 12:
            return InflectRelatedWords(call);
        default:
            break;
    }
    if (op >= 20 && op <= 30) return InflectConjugation(call);
    return 0;
}

i16 DictLookup(u32 mode, BoundedString& copy, u16& count) {
    ToDictionaryKey(copy);
    return LookupWordForm(static_cast<u16>(mode), copy, gWordTagCodes, count);
}
