// Working state of one InflectWord call, shared by the operations.
#pragma once
#include "frame/bounded_array.h"
#include "frame/mac_roman_literal.h"
#include "frame/types.h"
#include "frame/bounded_string.h"

inline constexpr u8 kHyphenMarkByte = 0x9B;
inline constexpr u8 kAGraveMarkByte = 0x8B;
inline constexpr u8 kAGrave = 0x88;

struct InflectCall {
    u32 mode = 0;
    u8 op = 0;              // operation, 16 subtracted in the second phase
    bool french = true;
    bool hyphen = false;    // the caller's word held a hyphen
    bool phase2 = false;
    Work36 word;            // the normalised working word
    const BoundedString* callerWord = nullptr;
    u16* count = nullptr;
    BoundedArray<BoundedString>* results = nullptr;

    u32 Len() const { return TextLen(word.s); }
    BoundedString& Result(u32 i) { return (*results)[static_cast<i32>(i)]; }
    u16& Count() { return *count; }
};

// Operations (each in its own unit).
u16 InflectInfinitive(InflectCall& call);
u16 InflectConjugation(InflectCall& call);
u16 InflectPlural(InflectCall& call);
u16 InflectSingular(InflectCall& call);
u16 InflectGender(InflectCall& call);

// Marks of the working word back to text in results 0..count-1 ('-' and à),
// and a second result equal to the first dropped.
void RestoreMarksTail(InflectCall& call);
// The marks of one text back to '-' and à.
void RestoreMarks(BoundedString& s);
// Every 0x9B of the text back to '-'.
void RestoreHyphens(BoundedString& s);

// LookupWordForm on a copy of a word that may be rewritten (apostrophes as
// the dictionary writes them); the tags go to gWordTagCodes.
i16 DictLookup(u32 mode, BoundedString& copy, u16& count);
