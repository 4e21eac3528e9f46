// Small helpers over word texts of the word-form analysis: a stack text of
// 36 bytes, comparisons with literals, the internal marks and the dictionary
// keys of the reserved sections. Nothing here allocates.
#pragma once
#include <cstring>

#include "frame/bounded_array.h"
#include "frame/mac_roman.h"
#include "frame/types.h"
#include "morphology/dict_format.h"

inline constexpr u32 kWordTextCapacity = 36;
inline constexpr u32 kWordTextMaxLength = 35;

// Internal marks of a word being looked up.
inline constexpr u8 kMarkHyphen = 0x9B;
// kMarkApostrophe (0x93) comes from dict_format.h.
inline constexpr u8 kMarkAGrave = 0x8B;    // "à" not in last position
inline constexpr u8 kMarkBlank = 0xCA;
inline constexpr u8 kAGraveByte = 0x88;    // à
inline constexpr u8 kCurlyApostrophe = 0xD5;

// Length of a NUL-terminated text held in a BoundedString (at most its
// capacity).
inline i32 TextLength(const BoundedString& s) {
    if (s.valid == 0 || s.data == nullptr) return 0;
    i32 n = 0;
    while (static_cast<u32>(n) < s.count && s.data[n] != 0) ++n;
    return n;
}

// Byte i of the text, 0 outside it.
inline u8 TextAt(const BoundedString& s, i32 i) {
    return i >= 0 && i < TextLength(s) ? s.data[i] : 0;
}

inline bool TextIs(const BoundedString& s, const char* t) {
    const i32 n = static_cast<i32>(std::strlen(t));
    return TextLength(s) == n && std::memcmp(s.data, t, static_cast<size_t>(n)) == 0;
}

inline bool TextBegins(const BoundedString& s, const char* t) {
    const i32 n = static_cast<i32>(std::strlen(t));
    return TextLength(s) >= n && std::memcmp(s.data, t, static_cast<size_t>(n)) == 0;
}

inline bool TextEnds(const BoundedString& s, const char* t) {
    const i32 n = static_cast<i32>(std::strlen(t));
    const i32 len = TextLength(s);
    return len >= n && std::memcmp(s.data + len - n, t, static_cast<size_t>(n)) == 0;
}

// Replaces the text by n bytes of p, cut to the string's room.
inline void SetText(BoundedString& s, const u8* p, i32 n) {
    if (s.valid == 0 || s.count == 0) return;
    const i32 room = static_cast<i32>(s.count) - 1;
    if (n > room) n = room;
    if (n < 0) n = 0;
    if (n > 0) std::memmove(s.data, p, static_cast<size_t>(n));
    s.data[n] = 0;
}
inline void SetText(BoundedString& s, const BoundedString& from) {
    SetText(s, from.data, TextLength(from));
}
inline void SetText(BoundedString& s, const char* t) {
    SetText(s, reinterpret_cast<const u8*>(t), static_cast<i32>(std::strlen(t)));
}

// Cuts the text to n bytes.
inline void CutText(BoundedString& s, i32 n) {
    if (n >= 0 && n < TextLength(s)) s.data[n] = 0;
}

// A text of 36 bytes on the stack (or in a static), viewed as a
// BoundedString.
struct WordText {
    u8 bytes[kWordTextCapacity] = {};
    BoundedString s;
    WordText() { s.View(bytes, kWordTextCapacity); }
    WordText(const WordText&) = delete;
    WordText& operator=(const WordText&) = delete;
    i32 Length() const { return TextLength(s); }
    u8 At(i32 i) const { return TextAt(s, i); }
    bool Is(const char* t) const { return TextIs(s, t); }
    bool Begins(const char* t) const { return TextBegins(s, t); }
    void Set(const BoundedString& from) { SetText(s, from); }
    void Set(const char* t) { SetText(s, t); }
    void Set(const u8* p, i32 n) { SetText(s, p, n); }
};

// Internal marks: 0xD5 -> ', then - -> 0x9B, ' -> 0x93 and a non-final
// "à" -> 0x8B. UnmarkWord turns every mark back.
inline void MarkWord(BoundedString& w) {
    const i32 n = TextLength(w);
    for (i32 i = 0; i < n; ++i) {
        u8& c = w.data[i];
        if (c == kCurlyApostrophe) c = '\'';
        if (c == '-') c = kMarkHyphen;
        else if (c == '\'') c = kMarkApostrophe;
        else if (c == kAGraveByte && i + 1 < n) c = kMarkAGrave;
    }
}
inline void UnmarkWord(BoundedString& w) {
    const i32 n = TextLength(w);
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
