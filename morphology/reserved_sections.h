// The reserved sections 1..10 of a dictionary. Their entries are filed
// under a literal prefix of the section followed by the word; the lookups
// below build that key and walk the section. Nothing here allocates.
#pragma once
#include "frame/bounded_array.h"
#include "frame/types.h"

inline constexpr i16 kSectionShort = 1;       // "111"
inline constexpr i16 kSectionShortVerbs = 2;  // "22"
inline constexpr i16 kSectionAll3 = 3;        // "3333"
inline constexpr i16 kSectionAll4 = 4;        // "444"
inline constexpr i16 kSectionAll5 = 5;        // "55"
inline constexpr i16 kSectionLong = 6;        // "66"
inline constexpr i16 kSectionHyphen = 7;      // "77"
inline constexpr i16 kSectionNoElision = 8;   // "88"
inline constexpr i16 kSectionCapital = 9;     // "99"
inline constexpr i16 kSectionCapitals = 10;   // "::"

// Key bytes (twice) of the section gDictSectionCount - 2 of the English
// dictionary: the capitalised medical words.
inline constexpr u8 kCapitalisedMedicalKey = 0xC6;

// The key prefix of reserved section 1..10; "" for any other section.
const char* ReservedKeyPrefix(i16 section);

// Walks `section` of the current dictionary for prefix + the n bytes of
// text, the analyses appended to tags from count on; the walk's answer
// (LookupInDictSection), 0 when the key would pass its 48 bytes.
i16 WalkReservedKey(u16 mode, i16 section, const u8* prefix, u32 prefixLength, const u8* text,
                    u32 n, BoundedArray<u16>& tags, u16& count);

// Reserved section `section` of the current dictionary under its own key
// prefix, or under a prefix of raw bytes (the medical sections). True when
// the count rose or the walk answered.
bool LookupReserved(u16 mode, i16 section, const BoundedString& word, BoundedArray<u16>& tags,
                    u16& count);
bool LookupReservedKey(u16 mode, i16 section, const u8* prefix, u32 prefixLength,
                       const BoundedString& word, BoundedArray<u16>& tags, u16& count);
// LookupReserved in the French dictionary, whatever the language: the
// tables are switched to French for the walk when English is current.
bool LookupFrenchReserved(u16 mode, i16 section, const BoundedString& word,
                          BoundedArray<u16>& tags, u16& count);
