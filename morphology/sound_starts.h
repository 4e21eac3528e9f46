// Whether an English word begins with a vowel sound, for "a" and "an".
//
// The spelling decides for most words (the letter rule below). The words
// it misjudges are listed in a compiled block, KRZDATA 403, made from the
// pronunciations of the English word list (tools/datacomp/sound_starts.h):
// each entry is a mark byte, a kind byte and the word in lower case, then
// a NUL, the entries sorted by kind and word.
//   mark: 'V' vowel sound, 'C' consonant sound, 'E' either (the American
//         and British pronunciations differ: "herb");
//   kind: 'w' a word written in lower case or with a capital initial,
//         listed when the letter rule misjudges it ("hour", "unimportant",
//         "one-off"); 'I' a word written in capitals (every one of the
//         list, "FBI", "NASA").
// A word in capitals that the block does not list is read as an
// initialism, the name of its first letter deciding ("an MP", "a UFO"),
// when the dictionary does not know it; when it does ("MAC", "HOUSE"),
// the letter-by-letter and the word's sound, either when they differ.
#pragma once
#include "frame/bounded_string.h"
#include "frame/types.h"

inline constexpr u16 kEnglishSoundStartsBlock = 403;

inline constexpr u8 kSoundVowel = 'V';
inline constexpr u8 kSoundConsonant = 'C';
inline constexpr u8 kSoundEither = 'E';
inline constexpr u8 kSoundKindWord = 'w';
inline constexpr u8 kSoundKindCapitals = 'I';

// The letter rule, on a word in lower case: "a", "i"; "e" but not "eu",
// "ew"; "o" but not "one"; "u" but not "ut", "ub", "uni", "us" + a letter
// other than "h", "ure", "uri"; "hour", "hono", "heir".
bool EnglishLetterVowelStart(const BoundedString& w);

// The block's mark for the word (lower case) of the kind, 0 when the block
// does not list it.
u8 FindSoundStartMark(u8 kind, const u8* word, u32 length);

// The sound a word in lower case begins with: kSoundVowel, kSoundConsonant
// or kSoundEither. `capitals`: the word was written in capitals;
// `dictionaryWord`: the dictionary knows it in lower case or with a capital
// initial (asked only for a word in capitals).
u8 EnglishSoundStart(const BoundedString& w, bool capitals, bool dictionaryWord);

// Points the lookups at another block (the compiler's round trip; null
// puts the embedded one back).
void UseSoundStartBlock(const u8* data, u32 size);
