// The inflection engine: one entry point that turns a word into other forms
// of the same word (infinitive, conjugated tense, plural, singular, feminine
// or masculine form, dictionary readings), in French or English.
//
// Mode word: (language << 8) | operation. The engine reads the operation
// (low byte) and decides French or English on gCheckingLanguage; the whole
// mode goes on to the dictionary lookups. Operations:
//   1 infinitive (17: second phase), 3 plural, 4 singular, 6 dictionary
//   readings, 8 feminine, 9 masculine, 20 + t conjugation in tense t
//   (t = 0..9; 30 English principal parts), 36 + t and 46 their second
//   phase: the caller has put the candidates (stem + model byte) in the
//   results and their number in `count`.
// Results are written through the container's clamped access; `count` is
// the number of valid results. Nothing is allocated.
#pragma once
#include "frame/bounded_array.h"
#include "frame/types.h"

// Result codes shared by the operations.
inline constexpr u16 kInflectFixedList = 1;
inline constexpr u16 kInflectTwoPlurals = 2;
inline constexpr u16 kInflectCapital = 8;
inline constexpr u16 kInflectRefused = 9;
inline constexpr u16 kInflectNoVerb = 11;
inline constexpr u16 kInflectNotInfinitive = 20;
inline constexpr u16 kInflectLexiconAmbiguous = 21;
inline constexpr u16 kInflectStemOnly = 30;
inline constexpr u16 kInflectDefective = 31;
inline constexpr u16 kInflectInvariable = 34;
inline constexpr u16 kInflectNoPlural = 35;
inline constexpr u16 kInflectVerbNoPlural = 36;
inline constexpr u16 kInflectLexiconOnly = 37;
inline constexpr u16 kInflectNoSingular = 38;
inline constexpr u16 kInflectSameForm = 39;
inline constexpr u16 kInflectNoGenderForm = 40;
inline constexpr u16 kInflectAlreadyFeminine = 41;
inline constexpr u16 kInflectAlreadyMasculine = 42;

u16 InflectWord(u32 mode, const BoundedString& word, u16& count,
                BoundedArray<BoundedString>& results);
