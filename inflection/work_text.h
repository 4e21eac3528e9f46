// Small text helpers of the inflection engine over BoundedString, and a
// fixed work string that lives on the stack (a view on its own bytes), so
// that the engine's working state is built without touching the heap.
#pragma once
#include <cstring>

#include "frame/bounded_array.h"
#include "frame/bounded_string.h"
#include "frame/types.h"

template <u32 N>
struct WorkText {
    u8 bytes[N] = {};
    BoundedString s;
    WorkText() { s.View(bytes, N); }
    WorkText(const WorkText&) = delete;
    WorkText& operator=(const WorkText&) = delete;
};
using Work36 = WorkText<36>;
using Work72 = WorkText<72>;

// Length of the text (0 for an invalid string).
inline u32 TextLen(const BoundedString& s) { return static_cast<u32>(GetStringLength(s)); }
// Longest text the string can hold (one byte is kept for the terminator).
inline u32 TextRoom(const BoundedString& s) {
    return s.valid != 0 && s.count > 0 ? s.count - 1 : 0;
}
// Byte i of the text, 0 beyond it.
inline u8 TextAt(const BoundedString& s, u32 i) { return i < TextLen(s) ? s.data[i] : 0; }
inline u8 TextLast(const BoundedString& s, u32 fromEnd = 0) {
    const u32 n = TextLen(s);
    return fromEnd < n ? s.data[n - 1 - fromEnd] : 0;
}

// Cuts the text to n characters (no change when it is shorter).
inline void TextCut(BoundedString& s, u32 n) {
    if (n < TextLen(s)) s.data[n] = 0;
}
inline void TextSet(BoundedString& s, const u8* p, u32 n) {
    const u32 room = TextRoom(s);
    if (room == 0 && s.count == 0) return;
    if (n > room) n = room;
    if (n > 0) std::memmove(s.data, p, n);
    std::memset(s.data + n, 0, s.count - n);
}
inline void TextSetC(BoundedString& s, const char* text) {
    TextSet(s, reinterpret_cast<const u8*>(text), static_cast<u32>(std::strlen(text)));
}
inline void TextCopy(BoundedString& dest, const BoundedString& src) {
    if (&dest == &src) return;
    TextSet(dest, src.data, TextLen(src));
}
inline void TextAppendByte(BoundedString& s, u8 b) {
    const u32 n = TextLen(s);
    if (s.valid == 0 || n >= TextRoom(s)) return;
    s.data[n] = b;
    s.data[n + 1] = 0;
}
inline void TextAppendBytes(BoundedString& s, const u8* p, u32 n) {
    for (u32 i = 0; i < n; ++i) TextAppendByte(s, p[i]);
}
inline void TextAppendC(BoundedString& s, const char* text) {
    TextAppendBytes(s, reinterpret_cast<const u8*>(text), static_cast<u32>(std::strlen(text)));
}
inline void TextAppend(BoundedString& s, const BoundedString& t) {
    Work72 copy;  // t may be s itself
    TextCopy(copy.s, t);
    TextAppendBytes(s, copy.bytes, TextLen(copy.s));
}
inline bool TextStartsWith(const BoundedString& s, const char* text) {
    const u32 n = static_cast<u32>(std::strlen(text));
    return TextLen(s) >= n && std::memcmp(s.data, text, n) == 0;
}
inline bool TextEquals(const BoundedString& s, const char* text) {
    const u32 n = static_cast<u32>(std::strlen(text));
    return TextLen(s) == n && std::memcmp(s.data, text, n) == 0;
}
inline bool TextSame(const BoundedString& a, const BoundedString& b) {
    const u32 n = TextLen(a);
    return n == TextLen(b) && (n == 0 || std::memcmp(a.data, b.data, n) == 0);
}
inline bool TextContains(const BoundedString& s, u8 b) {
    const u32 n = TextLen(s);
    for (u32 i = 0; i < n; ++i)
        if (s.data[i] == b) return true;
    return false;
}
inline bool TextEndsWith(const BoundedString& s, const char* text) {
    const u32 n = static_cast<u32>(std::strlen(text));
    const u32 len = TextLen(s);
    return len >= n && std::memcmp(s.data + len - n, text, n) == 0;
}
inline void TextClear(BoundedString& s) {
    if (s.valid != 0 && s.count > 0) std::memset(s.data, 0, s.count);
}

// The dictionary writes the apostrophe inside a word as 0x93; keys are
// built that way and results turned back.
inline constexpr u8 kDictApostrophe = 0x93;
inline void ToDictionaryKey(BoundedString& s) {
    const u32 n = TextLen(s);
    for (u32 i = 0; i < n; ++i)
        if (s.data[i] == '\'') s.data[i] = kDictApostrophe;
}
inline void FromDictionaryKey(BoundedString& s) {
    const u32 n = TextLen(s);
    for (u32 i = 0; i < n; ++i)
        if (s.data[i] == kDictApostrophe) s.data[i] = '\'';
}
