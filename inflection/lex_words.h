// Insertion, change and removal of user lexicon words, and the values a
// word was stored with. Every change is one transaction: on any failure
// (the save included) the body, entry count, change counter and file are
// as they were before the call.
#pragma once
#include "frame/bounded_array.h"
#include "frame/types.h"

// Refusals and failures of the engines (besides the positive codes of
// AnalyseLexInflection and the store's -8, -11, -12).
inline constexpr i16 kLexWordTooShort = 19;
inline constexpr i16 kLexBadCharacter = 20;
inline constexpr i16 kLexTooManyLigatures = 16;
inline constexpr i16 kLexEnglishLigature = 17;
inline constexpr i16 kLexKnownWord = -1;
inline constexpr i16 kLexAlreadyThere = -2;
inline constexpr i16 kLexIsAbbreviation = -3;
inline constexpr i16 kLexFunctionWord = -4;
inline constexpr i16 kLexSaveFailed = -5;
inline constexpr i16 kLexPhoneticFull = -6;
inline constexpr i16 kLexNoCapital = -7;
inline constexpr i16 kLexBrokenBody = -9;

// The word's values as the host gives them. For a verb `inflectionClass`
// carries the verb flag and `modelVerb` the model infinitive.
struct LexWordArgs {
    const BoundedString* word = nullptr;
    u16 expressionFlag = 0;
    u16 category = 0;
    u16 gender = 0;
    u16 inflectionClass = 0;
    const BoundedString* modelVerb = nullptr;
    const BoundedString* abbreviation = nullptr;
    u16 language = 0;
};

// 0 inserted and saved; a refusal (positive) or failure (negative).
i16 InsertLexWord(const LexWordArgs& args);
// The word removed and the new values inserted, validated as an insertion
// (the word's own old records do not count as duplicates).
i16 ChangeLexWord(const LexWordArgs& args);
// 0 removed and saved, or the word has no entry of the category.
i16 RemoveLexWord(u16 category, const BoundedString& word, u16 language);

struct LexStoredValues {
    u16 expressionFlag = 0;
    u16 gender = 0;
    u16 inflectionClass = 0;
};
// 1 found (values, text and abbreviation written), 0 not found.
i16 GetLexWordValues(u16 category, const BoundedString& word, LexStoredValues& values,
                     BoundedString& text, BoundedString& abbreviation, u16 language);

// Test hook: when set, called before each row is stored; a non-zero result
// fails the insertion as the store would.
using LexRowHook = i16 (*)(u16 row);
extern LexRowHook gLexRowTestHook;
