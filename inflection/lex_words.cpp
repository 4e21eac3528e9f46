#include "inflection/lex_words.h"

#include <cstring>
#include <new>

#include "frame/bounded_string.h"
#include "frame/mac_roman.h"
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "inflection/lex_inflection.h"
#include "inflection/lex_text.h"
#include "inflection/lex_verb_model.h"
#include "krzlib.h"
#include "lexicon/lex_file.h"
#include "lexicon/lex_lookup.h"
#include "lexicon/lex_records.h"
#include "lexicon/lex_store.h"
#include "morphology/dictionary_tests.h"

LexRowHook gLexRowTestHook = nullptr;

namespace {

using lex_text::NewString;
using lex_text::Flatten;

bool InSet(u8 c, const char* set) { return c != 0 && std::strchr(set, c) != nullptr; }

bool IsAsciiLetter(u8 c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool IsLexInitial(u8 c) {
    return IsAsciiLetter(c) || InSet(c, MR("àâäçéèêëîïôöùûüœŒæÆÀÂÄÇÉÈÊËÎÏÔÖÙÛÜ"));
}
bool IsLexWordLetter(u8 c) { return IsLexInitial(c) || c == '-' || c == '_' || c == 0xD0 || c == 0xD1; }
bool IsLexNameInitial(u8 c) { return IsLexInitial(c) || InSet(c, MR("áíóúÁÍÓÚ")); }
bool IsLexNameLetter(u8 c) { return IsLexNameInitial(c) || c == '-' || c == '_' || c == 0xD0 || c == 0xD1; }
bool IsBadExpressionInitial(u8 c) { return c == ' ' || c == 202 || (c >= 39 && c <= 47 && c != '"'); }

bool ValidCharacters(const BoundedString& w, u16 category, u16 expressionFlag) {
    const u32 n = TextLen(w);
    if (category == 1 && expressionFlag != 0) return !IsBadExpressionInitial(w.data[0]);
    const bool name = category == 1;
    if (!(name ? IsLexNameInitial(w.data[0]) : IsLexInitial(w.data[0]))) return false;
    for (u32 i = 1; i < n; ++i)
        if (!(name ? IsLexNameLetter(w.data[i]) : IsLexWordLetter(w.data[i]))) return false;
    return true;
}

u32 CountLigatures(const BoundedString& w) {
    u32 k = 0;
    for (u32 i = 0; i < TextLen(w); ++i) {
        const u8 c = w.data[i];
        if (c == 190 || c == 207 || c == 174 || c == 206) ++k;
    }
    return k;
}

// Class byte under which a word's own records are looked up.
u8 LookupClassByte(u16 category, u16 language) { return LexClassByte(category, language); }

void RowEntry(const BoundedString& row, const BoundedString& lemma, FormEntry& e) {
    std::memset(e.FormText.data, 0, e.FormText.count);
    std::memset(e.FormCodes.data, 0, e.FormCodes.count);
    u32 n = 0;
    while (n < kLexRowCodes && row.data[n] != 0) ++n;
    std::memcpy(e.FormText.data, row.data, n < 35 ? n : 35);
    CopyString(e.LemmaText, lemma);
    e.FormClass = n > 0 ? row.data[n - 1] : 0;
    std::memcpy(e.FormCodes.data, row.data + kLexRowCodes, 9);
}

i16 StoreRows(const StringList& rows, u16 count, const BoundedString& lemma) {
    FormEntry e;
    InitFormEntry(e);
    for (u16 r = 0; r < count; ++r) {
        if (gLexRowTestHook != nullptr) {
            const i16 h = gLexRowTestHook(r);
            if (h != 0) return h;
        }
        RowEntry(rows[r], lemma, e);
        const i16 s = InsertLexRecord(e);
        if (s != 0) return s;
    }
    return 0;
}

i16 CheckAndSave() {
    if (CheckLexiconStructure() != 0) return kLexBrokenBody;
    const i16 s = SaveLexiconChange();
    return s == kLexNotOpen ? kLexNotOpen : s != 0 ? kLexSaveFailed : 0;
}

// Runs body as one transaction under the file's change lock (after the
// words other processes saved meanwhile are loaded): on a non-zero result
// or an exception the lexicon in memory is put back as it was (the file is
// only ever written by a successful save, the last step).
template <typename F>
i16 Transaction(F body) {
    const i16 begun = BeginLexFileChange();
    if (begun != 0) return begun;
    LexSnapshot snapshot;
    i16 r = -8;
    if (TakeLexSnapshot(snapshot)) {
        try {
            r = body();
        } catch (...) {
            r = -8;
        }
        if (r != 0) RestoreLexSnapshot(snapshot);
        else ReleaseLexSnapshot(snapshot);
    }
    EndLexFileChange();
    return r;
}

struct RowTable {
    StringList rows;
    u16 count = 0;
    RowTable() { InitByteMatrix(rows, kLexRowCapacity, kLexRowWidth); }
};

bool IsFunctionWord(const BoundedString& key) {
    BoundedString low = NewString();
    BoundedString flat = NewString();
    CopyLowerCase(low, key);
    Flatten(flat, low);
    for (i32 i = 0; i < static_cast<i32>(gFrenchFunctionWords.count); ++i)
        if (TextLen(gFrenchFunctionWords[i]) > 0 && CompareStrings(flat, gFrenchFunctionWords[i]) == kCompareEqual)
            return true;
    for (const char* w : {"cet", "je", "me", "te"})
        if (CompareWordText(flat, w) == kCompareEqual) return true;
    return false;
}

// The row's key (form and class byte) as a string.
void RowKey(const BoundedString& row, BoundedString& key) {
    std::memset(key.data, 0, key.count);
    u32 n = 0;
    while (n < kLexRowCodes && row.data[n] != 0) ++n;
    std::memcpy(key.data, row.data, n < 35 ? n : 35);
}

// Inflection classes of names, nouns and adjectives (categories 1 to 4)
// that the row tables define: French 1 to 4 and 6, English 1 to 9. A word
// stored under any other class would be filed without its forms and could
// never be removed again. Other categories do not read the class.
bool IsDefinedClass(u16 category, u16 inflectionClass, u16 language) {
    if (category < 1 || category > 4) return true;
    if (language != 0) return (inflectionClass >= 1 && inflectionClass <= 4) || inflectionClass == 6;
    return inflectionClass >= 1 && inflectionClass <= 9;
}

// Steps 1 to 11 of an insertion (the caller holds the transaction).
i16 InsertCore(const LexWordArgs& a) {
    const BoundedString& word = *a.word;
    LexWordValues v{a.expressionFlag, a.category, a.gender, a.inflectionClass};
    u16 language = a.language;
    if (TextLen(word) < 2) return kLexWordTooShort;
    // A word without a category (no rule decided) has no rows to store.
    if (v.category < 1 || v.category > 6) return kLexClassMismatch;
    if (!ValidCharacters(word, v.category, v.expressionFlag)) return kLexBadCharacter;
    if (v.category != 1 && language == 0 && (v.category == 2 || v.category == 3)) v.gender = 3;
    if (v.category == 1 && language == 0) language = 3;
    if (!IsDefinedClass(v.category, v.inflectionClass, language)) return kLexClassMismatch;
    const u32 ligatures = CountLigatures(word);
    if (language == 0 && ligatures > 0) return kLexEnglishLigature;
    if (ligatures > 2 && !(v.category == 1 && v.expressionFlag != 0)) return kLexTooManyLigatures;

    BoundedString lemma = NewString();
    if (v.category == 1) CopyString(lemma, word);
    else CopyLowerCase(lemma, word);
    BoundedString key = NewString();
    Flatten(key, lemma);
    BoundedString model = NewString();
    if (v.category == 5 && a.modelVerb != nullptr) CopyLowerCase(model, *a.modelVerb);
    BoundedString abbreviation = NewString();
    if (a.abbreviation != nullptr) CopyString(abbreviation, *a.abbreviation);
    if (TextLen(abbreviation) > 0 && IsDictionaryWord(abbreviation) != 0) return kLexAbbreviationIsWord;

    RowTable t;
    const i16 r = AnalyseLexInflection(key, v, model, TextLen(abbreviation) > 0 ? 1 : 0, abbreviation,
                                       t.rows, t.count, language);
    if (r >= 1) return r;

    BoundedArray<FormEntry> found;
    InitFormEntryArray(found, 4);
    BoundedString flat = NewString();
    if (v.category != 1) {
        if (IsMainDictionaryWord(key, language) != 0) return kLexKnownWord;
        const u8 classByte = LexClassByte(v.category, language);
        const i16 n = FindLexForms(key, found, classByte);
        for (i16 i = 0; i < n; ++i) {
            Flatten(flat, found[i].LemmaText);
            if (CompareStrings(flat, key) == kCompareEqual) return kLexAlreadyThere;
        }
    } else {
        if (IsFunctionWord(key)) return kLexFunctionWord;
        if (t.rows[0].data[kLexRowCodes + 3] == 0 && IsUpperMacRoman(key.data[0]) == 0) return kLexNoCapital;
        BoundedString rowKey = NewString();
        RowKey(t.rows[0], rowKey);
        if (LookupLexRecords(rowKey, found) > 0) return kLexAlreadyThere;
        if (t.rows[0].data[kLexRowCodes + 3] == 1 && t.count > 1) {
            RowKey(t.rows[1], rowKey);
            if (LookupLexRecords(rowKey, found) >= 4) return kLexPhoneticFull;
        }
    }
    if (FindLexForms(key, found, kLexClassReplacement) > 0) return kLexIsAbbreviation;
    const i16 s = StoreRows(t.rows, t.count, lemma);
    if (s != 0) return s;
    return CheckAndSave();
}

// Removal without the save; `removed` tells whether the word was there.
i16 RemoveCore(u16 category, const BoundedString& word, u16 language, bool& removed) {
    removed = false;
    if (category == 1 && language == 0) language = 3;
    LexStoredValues values;
    BoundedString text = NewString();
    BoundedString abbreviation = NewString();
    if (GetLexWordValues(category, word, values, text, abbreviation, language) == 0) return 0;
    LexWordValues v{values.expressionFlag, category, values.gender, values.inflectionClass};
    RowTable t;
    BoundedString model = NewString();
    CopyLowerCase(model, text);
    const i16 r = AnalyseLexInflection(word, v, model, TextLen(abbreviation) > 0 ? 1 : 0, abbreviation,
                                       t.rows, t.count, language);
    if (r != 0) return r;
    BoundedString flat = NewString();
    Flatten(flat, word);
    BoundedArray<FormEntry> found;
    InitFormEntryArray(found, 4);
    if (FindLexForms(flat, found, LookupClassByte(category, language)) == 0) return 0;
    FormEntry e;
    InitFormEntry(e);
    for (u16 i = 0; i < t.count; ++i) {
        RowEntry(t.rows[i], found[0].LemmaText, e);
        const i16 s = RemoveLexRecord(e);
        // A form the word's class gives but the file lacks (a word stored
        // under a class no table defines, by an earlier version) is no
        // reason to keep the rest.
        if (s == kLexNotFound && i > 0) continue;
        if (s != 0) return s;
    }
    removed = true;
    return 0;
}

}  // namespace

i16 InsertLexWord(const LexWordArgs& args) {
    return Transaction([&] { return InsertCore(args); });
}

i16 RemoveLexWord(u16 category, const BoundedString& word, u16 language) {
    return Transaction([&]() -> i16 {
        bool removed = false;
        const i16 r = RemoveCore(category, word, language, removed);
        if (r != 0 || !removed) return r;
        return CheckAndSave();
    });
}

i16 ChangeLexWord(const LexWordArgs& args) {
    return Transaction([&]() -> i16 {
        // The new values are checked before anything is removed.
        LexWordValues v{args.expressionFlag, args.category, args.gender, args.inflectionClass};
        u16 language = args.language;
        if (v.category == 1 && language == 0) language = 3;
        if (v.category != 1 && language == 0 && (v.category == 2 || v.category == 3)) v.gender = 3;
        BoundedString key = NewString();
        if (v.category == 1) CopyString(key, *args.word);
        else CopyLowerCase(key, *args.word);
        BoundedString model = NewString();
        if (v.category == 5 && args.modelVerb != nullptr) CopyLowerCase(model, *args.modelVerb);
        BoundedString abbreviation = NewString();
        if (args.abbreviation != nullptr) CopyString(abbreviation, *args.abbreviation);
        RowTable t;
        const i16 a = AnalyseLexInflection(key, v, model, TextLen(abbreviation) > 0 ? 1 : 0, abbreviation,
                                           t.rows, t.count, language);
        if (a != 0) return a;
        bool removed = false;
        const i16 r = RemoveCore(args.category, *args.word, args.language, removed);
        if (r != 0) return r;
        return InsertCore(args);
    });
}

i16 GetLexWordValues(u16 category, const BoundedString& word, LexStoredValues& values,
                     BoundedString& text, BoundedString& abbreviation, u16 language) {
    if (category == 1 && language == 0) language = 3;
    BoundedString flat = NewString();
    Flatten(flat, word);
    BoundedArray<FormEntry> found;
    InitFormEntryArray(found, 4);
    if (FindLexForms(flat, found, LookupClassByte(category, language)) == 0) return 0;
    const BoundedString& codes = found[0].FormCodes;
    values = LexStoredValues{};
    values.expressionFlag = codes.data[3] == 1 ? 1 : 0;
    std::memset(abbreviation.data, 0, abbreviation.count);
    for (u32 i = 0; i < 5 && i + 1 < abbreviation.count; ++i) abbreviation.data[i] = codes.data[4 + i];
    CopyCString(text, "");
    if (category == 5) {
        CopyString(text, word);
        if (language != 0 && codes.data[2] >= 128) values.inflectionClass = 1;
        return 1;
    }
    // Category 4 is read back too, so that its rows can be rebuilt for a
    // removal or a change.
    if (category >= 1 && category <= 4) {
        const u8 n = codes.data[1] & 15;
        const u8 m = codes.data[2];
        const bool english = language == 0;
        values.gender = codes.data[1] >> 4;
        u16 c = 1;
        if (n == 0) c = 4;
        else if (n == 8) c = 3;
        else if (english && (m == 30 || (m >= 59 && m <= 63))) c = 5;
        else if (english && m == 31) c = 7;
        else if (english && m == 254) c = 8;
        else if (english && m == 255) c = 9;
        else if (!english && (m == 161 || m == 162 || m == 255)) c = 6;
        else if (m < 32) c = 2;
        else if (english && category == 3) c = 2;
        values.inflectionClass = c;
    }
    return 1;
}

// ---- Exports ----------------------------------------------------------------

namespace {

void ImportText(const char* host, BoundedString& s, u32 maxBytes) {
    std::memset(s.data, 0, s.count);
    if (host == nullptr) return;
    const u32 n = static_cast<u32>(strnlen(host, maxBytes));
    std::memcpy(s.data, host, n);
    ConvertInputToMacRoman(s);
}

i16 InsertOrChange(bool change, const char* word, uint16_t expressionFlag, uint16_t category,
                   uint16_t gender, uint16_t inflectionClass, uint16_t verbFlag, const char* modelVerb,
                   const char* abbreviation, int32_t language) {
    try {
        ApplyCallOptions();
        BoundedString w = NewString();
        BoundedString m = NewString();
        BoundedString a = NewString(5);
        ImportText(word, w, 35);
        if (category == 5) ImportText(modelVerb, m, 35);
        ImportText(abbreviation, a, 4);
        LexWordArgs args{&w, expressionFlag, category, gender,
                         category == 5 ? verbFlag : inflectionClass, &m, &a,
                         static_cast<u16>(language)};
        return change ? ChangeLexWord(args) : InsertLexWord(args);
    } catch (...) {
        return -8;
    }
}

}  // namespace

extern "C" KRZ_API int16_t KRZInsertLex(const char* word, uint16_t expressionFlag, uint16_t category,
                                        uint16_t gender, uint16_t inflectionClass, uint16_t verbFlag,
                                        const char* modelVerb, const char* abbreviation,
                                        int32_t language) {
    return InsertOrChange(false, word, expressionFlag, category, gender, inflectionClass, verbFlag,
                          modelVerb, abbreviation, language);
}

extern "C" KRZ_API int16_t KRZChangeLex(const char* word, uint16_t expressionFlag, uint16_t category,
                                        uint16_t gender, uint16_t inflectionClass, uint16_t verbFlag,
                                        const char* modelVerb, const char* abbreviation,
                                        int32_t language) {
    return InsertOrChange(true, word, expressionFlag, category, gender, inflectionClass, verbFlag,
                          modelVerb, abbreviation, language);
}

extern "C" KRZ_API int16_t KRZRemoveLex(const char* word, uint16_t category, int32_t language) {
    try {
        ApplyCallOptions();
        BoundedString w = NewString();
        ImportText(word, w, 35);
        return RemoveLexWord(category, w, static_cast<u16>(language));
    } catch (...) {
        return -8;
    }
}

extern "C" KRZ_API void KRZGetValuesWordLex(const char* word, uint16_t category, uint16_t* outExpressionFlag,
                                            uint16_t* outGender, uint16_t* outInflectionClass,
                                            uint16_t* outVerbFlag, char* outText, char* outAbbreviation,
                                            int32_t language) {
    LexStoredValues values;
    BoundedString text = NewString();
    BoundedString abbreviation = NewString(6);
    try {
        ApplyCallOptions();
        BoundedString w = NewString();
        ImportText(word, w, 35);
        if (GetLexWordValues(category, w, values, text, abbreviation, static_cast<u16>(language)) == 0) {
            values = LexStoredValues{};
            CopyCString(text, "");
            CopyCString(abbreviation, "");
        }
    } catch (...) {
        values = LexStoredValues{};
        CopyCString(text, "");
        CopyCString(abbreviation, "");
    }
    // Categories 4 and 6 report no gender or class to the host.
    if (category == 4 || category == 6) values.gender = values.inflectionClass = 0;
    if (outExpressionFlag != nullptr) *outExpressionFlag = values.expressionFlag;
    if (outGender != nullptr) *outGender = values.gender;
    if (outInflectionClass != nullptr) *outInflectionClass = values.inflectionClass;
    if (outVerbFlag != nullptr) *outVerbFlag = category == 5 ? values.inflectionClass : 0;
    if (outText != nullptr) {
        ExportString(outText, text, 36);
        ConvertOutputFromMacRoman(outText);
    }
    if (outAbbreviation != nullptr) {
        ExportString(outAbbreviation, abbreviation, 36);
        ConvertOutputFromMacRoman(outAbbreviation);
    }
}
