// Small helpers over word texts of the word-form analysis: a stack text of
// 36 bytes, comparisons with literals, the internal marks and the dictionary
// keys of the reserved sections. Nothing here allocates.
#pragma once
#include <cstring>

#include "frame/bounded_array.h"
#include "frame/bounded_string.h"
#include "frame/mac_roman.h"
#include "frame/types.h"
#include "morphology/dict_format.h"

// Internal marks of a word being looked up.
inline constexpr u8 kMarkHyphen = 0x9B;
// kMarkApostrophe (0x93) comes from dict_format.h.
inline constexpr u8 kMarkAGrave = 0x8B;    // "à" not in last position
inline constexpr u8 kMarkBlank = 0xCA;
inline constexpr u8 kAGraveByte = 0x88;    // à
inline constexpr u8 kCurlyApostrophe = 0xD5;

// Internal marks: 0xD5 -> ', then - -> 0x9B, ' -> 0x93 and a non-final
// "à" -> 0x8B. UnmarkWord turns every mark back.
inline void MarkWord(BoundedString& w) {
    const i32 n = GetStringLength(w);
    for (i32 i = 0; i < n; ++i) {
        u8& c = w.data[i];
        if (c == kCurlyApostrophe) c = '\'';
        if (c == '-') c = kMarkHyphen;
        else if (c == '\'') c = kMarkApostrophe;
        else if (c == kAGraveByte && i + 1 < n) c = kMarkAGrave;
    }
}
inline void UnmarkWord(BoundedString& w) {
    const i32 n = GetStringLength(w);
    for (i32 i = 0; i < n; ++i) {
        u8& c = w.data[i];
        if (c == kMarkHyphen) c = '-';
        else if (c == kMarkApostrophe) c = '\'';
        else if (c == kMarkAGrave) c = kAGraveByte;
    }
}

// Walks one reserved section of the FRENCH dictionary (switching the tables
// to French for the walk when English is current) for prefix + word, the
// analyses appended to tags from count on. True when the count rose or the
// walk answered.
bool LookupFrenchReserved(u16 mode, i16 section, const char* prefix, const BoundedString& word,
                          BoundedArray<u16>& tags, u16& count);
// The same in the current dictionary, with a key prefix of raw bytes.
bool LookupReserved(u16 mode, i16 section, const u8* prefix, u32 prefixLength,
                    const BoundedString& word, BoundedArray<u16>& tags, u16& count);
