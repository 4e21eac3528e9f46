// The locution pass's own word tests, as tables of rows chosen by the
// word's length in bytes, and the rewrite vocabulary the rows share.
//
// A row names its word (whole text, or a beginning), a condition on the
// word i and its neighbours, and an effect. Rows are tried in the order of
// their table; the first whose word and condition hold fires and the word
// is done, unless the row names the row to go on from.
#pragma once
#include "frame/records.h"
#include "frame/tables.h"
#include "frame/types.h"

namespace locution {

enum class Match : u8 { kWhole, kBegins };

struct WordTest {
    const char* id;  // the row's number in its table
    const char* word;
    Match match;
    bool (*when)(i32 i, u16 mode);
    void (*then)(i32 i, u16 mode);
    const char* next;  // nullptr: the word is done; else the row to go on from
};

struct WordTestTable {
    const WordTest* rows;
    u32 count;
};

template <u32 N>
WordTestTable TableOf(const WordTest (&rows)[N]) {
    return {rows, N};
}

// The tables by word length (1 .. 8 bytes; an empty table elsewhere).
WordTestTable TestsOfLength(i32 length);

// The tables of the words of one to three bytes and of four to eight.
WordTestTable ShortWordTests(i32 length);
WordTestTable LongWordTests(i32 length);

// Runs the rows of word i's length.
void RunWordTests(i32 i, u16 mode);

// What a row may leave besides its edits: a result that ends the pass at
// once (129 + i or 257 + i), 0 when none. Cleared by the pass per call.
extern i16 gDirectResult;

// Neighbour tests: false (or 0) for a word outside the sentence. The
// reading tests are inline: the matcher's loops ask them of every word
// and reading, several times a sentence.
inline bool Has(i32 k) { return k >= 0 && k < static_cast<i32>(gWordCount); }
bool Is(i32 k, const char* literal);
bool Begins(i32 k, const char* literal);
template <typename... L>
bool IsAny(i32 k, L... literals) {
    return (Is(k, literals) || ...);
}
// Readings.
inline u16 Count(i32 k) { return Has(k) ? gWords.ClampedAt(k).ReadingCount : 0; }
inline u8 Cat(i32 k, i32 r = 0) { return Has(k) ? gWords.ClampedAt(k).ReadingCategories.ClampedAt(r) : 0; }
inline u8 Cls(i32 k, i32 r = 0) { return Has(k) ? gWords.ClampedAt(k).ReadingClasses.ClampedAt(r) : 0; }
inline u8 Feat(i32 k, i32 r = 0) { return Has(k) ? gWords.ClampedAt(k).ReadingFeatures.ClampedAt(r) : 0; }
inline u8 Mark(i32 k, i32 r = 0) { return Has(k) ? gWords.ClampedAt(k).ReadingMarks.ClampedAt(r) : 0; }
inline bool CatIn(i32 k, u8 lo, u8 hi) {
    const u8 c = Cat(k);
    return Has(k) && c >= lo && c <= hi;
}
inline bool CatIs(i32 k, u8 c) { return Has(k) && Cat(k) == c; }
inline bool ClsIs(i32 k, u8 c) { return Has(k) && Cls(k) == c; }
// Exactly one reading, of a category in lo .. hi.
inline bool OneOf(i32 k, u8 lo, u8 hi) { return Count(k) == 1 && CatIn(k, lo, hi); }
bool SameText(i32 a, i32 b);
// The first byte of word k is a vowel letter, "h", "y" or above "z".
bool VowelStart(i32 k);

// Rewrite vocabulary (slot 0 of word k; nothing for a word outside the
// sentence).
void SetCat(i32 k, u8 c);
void SetCls(i32 k, u8 c);
void SetFeat(i32 k, u8 f);
void SetMark(i32 k, u8 m);
void Set(i32 k, u8 cat, u8 cls);
void Set(i32 k, u8 cat, u8 cls, u8 feat);
void Set(i32 k, u8 cat, u8 cls, u8 feat, u8 mark);
void KeepOne(i32 k);
void SecondLemma(i32 k);
void ThirdLemma(i32 k);
void LemmaFrom(i32 k, i32 slot);
void Adverbial(i32 from, i32 to);
void Prepositional(i32 from, i32 to);
void Conjunctive(i32 from, i32 to);
void KeepOne(i32 from, i32 to);
void NounReading(i32 k);         // category 10, class 65, features 20
void PrepositionReading(i32 k);  // one reading, 15, 34, features 0, second lemma
void Report(i32 value);
void ReturnAtOnce(i32 value);

}  // namespace locution
