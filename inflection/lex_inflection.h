// The user lexicon's word logic: the rows a lexicon word is stored as (the
// word, its generated plurals or conjugated forms, a phonetic key for an
// expression, an abbreviation entry), and the checks of a word against the
// values the host gives for it.
#pragma once
#include "frame/bounded_array.h"
#include "frame/tables.h"
#include "frame/types.h"

// One stored row: bytes 0-35 the key (form, class byte, NUL), 36-44 the
// nine code bytes of the record.
inline constexpr u32 kLexRowWidth = 45;
inline constexpr u32 kLexRowCodes = 36;
// Rows a caller allocates: enough for every distinct form of the 51 French
// verb slots.
inline constexpr u32 kLexRowCapacity = 64;

// Refusal codes of AnalyseLexInflection (1 or more).
inline constexpr i16 kLexBlankInWord = 1;
inline constexpr i16 kLexBlankInAbbreviation = 2;
inline constexpr i16 kLexUnknownModel = 3;
inline constexpr i16 kLexModelNotVerb = 4;
inline constexpr i16 kLexEndingMismatch = 5;
inline constexpr i16 kLexModelNotInfinitive = 6;
inline constexpr i16 kLexTooManyBlanks = 7;
inline constexpr i16 kLexBadAbbreviationLength = 8;
inline constexpr i16 kLexAbbreviationTaken = 9;
inline constexpr i16 kLexWordTooLong = 10;
inline constexpr i16 kLexClassMismatch = 11;
inline constexpr i16 kLexAbbreviationIsWord = 12;
inline constexpr i16 kLexMarkedModel = 13;
inline constexpr i16 kLexModelTooHigh = 14;
inline constexpr i16 kLexNoPluralLetter = 15;
inline constexpr i16 kLexEnglishAdjectiveClass = 18;
// More forms than the caller's row table holds.
inline constexpr i16 kLexTooManyRows = 21;

// The values of a word as the host gives them; the analysis may change
// gender (English) and the inflection class (for a verb: the verb flag).
struct LexWordValues {
    u16 expressionFlag = 0;
    u16 category = 0;
    u16 gender = 0;
    u16 inflectionClass = 0;  // the verb flag for category 5
};

// Class byte of a word's own rows: category 1 always 64; French 63 plus
// the category, verbs 60, category 6 61; English 59 minus the category,
// verbs 59, category 6 58.
u8 LexClassByte(u16 category, u16 language);

// Fills rows[0..rowCount-1] (a table of rows of kLexRowWidth bytes; its
// number of rows is the capacity) for word. modelVerb is the lower-cased
// model verb (verbs only); abbreviation is used when hasAbbreviation is 1.
// 0, or a refusal code above (then the rows must not be used). Never
// changes the lexicon.
i16 AnalyseLexInflection(const BoundedString& word, LexWordValues& values,
                         const BoundedString& modelVerb, u16 hasAbbreviation,
                         const BoundedString& abbreviation, StringList& rows, u16& rowCount,
                         u16 language);

// The phonetic key of an expression (written into key, 36 bytes).
void BuildLexPhoneticKey(const BoundedString& text, BoundedString& key);

// The form used by the abbreviation rules: 0 on success, an error code
// when the word cannot be a lexicon word. On success results[1], less its
// last character, is the word's phonetic lexicon key. The options are the
// expression flag, category, gender, inflection class and abbreviation
// flag; work1 is the model verb, work2 the abbreviation; results is a row
// table (rows of kLexRowWidth bytes); outWord is left untouched.
u16 AnalyseLexInflection(const BoundedString& word, u16 option1, u16 option2, u16 option3,
                         u16 option4, u16 option5, BoundedString& work1, BoundedString& work2,
                         StringList& results, BoundedString& outWord, u16 language);
