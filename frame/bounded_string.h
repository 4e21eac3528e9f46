// Text operations on BoundedString: NUL-terminated Mac Roman bytes in a
// bounded byte array. No operation reports an error: invalid strings count
// as empty (length, search), compare equal, or leave the target unchanged
// (append, copy, substring copy); copies are cut to the target's capacity.
#pragma once
#include <cstring>

#include "frame/bounded_array.h"

// Length of the text: bytes before the first 0, at most count; 0 when the
// string is invalid.
i32 GetStringLength(const BoundedString& s);

// Appends src's text into the free room of dest (dest keeps at most
// dest.last characters and always ends with a terminator).
void AppendString(BoundedString& dest, const BoundedString& src);
void AppendCString(BoundedString& dest, const char* text);

// Copies a text into dest, cut to dest.last characters; the rest of dest
// up to its terminator slot is cleared.
void CopyString(BoundedString& dest, const BoundedString& src);
void CopyCString(BoundedString& dest, const char* text);

// The same for n bytes at p (appended: one byte b).
void AppendBytesToString(BoundedString& dest, const u8* p, i32 n);
void CopyBytesToString(BoundedString& dest, const u8* p, i32 n);

// Writes s and its terminator into a host buffer of `size` bytes; a text
// that does not fit exports as an empty string (nothing when size is 0).
void ExportString(char* buffer, const BoundedString& s, u32 size);

// 1-based position of the first occurrence of the needle; 0 when absent,
// 1 for an empty needle.
i32 FindSubstring(const BoundedString& hay, const BoundedString& needle);
i32 FindCSubstring(const BoundedString& hay, const char* needle);

// Three-way compare: 0 less, 1 greater, 2 equal (also when a string is
// invalid).
inline constexpr u16 kCompareLess = 0;
inline constexpr u16 kCompareGreater = 1;
inline constexpr u16 kCompareEqual = 2;
u16 CompareStrings(const BoundedString& a, const BoundedString& b);
u16 CompareWordText(const BoundedString& s, const char* text);

// Copies len characters from the 1-based position start into dest and
// terminates it; nothing happens when the span leaves the text (Raw: the
// buffer) or does not fit dest.
void CopySubstring(const BoundedString& src, i16 start, i16 len, BoundedString& dest);
void CopySubstringRaw(const BoundedString& src, i16 start, i16 len, BoundedString& dest);

// Copies code `index` of the current code list of `width` (1..10) bytes.
void CopyCodeFromTable(u8 width, u32 index, BoundedString& dest);

// Adds candidate to a suggestion list of `count` entries unless it is
// already there or shorter than 2 characters; returns 1 when the list is
// full (more than 23 entries), else 0.
i16 AddUniqueSuggestion(const BoundedString& candidate, i16& count,
                        BoundedArray<BoundedString>& list);

// Big-endian readers over built-in data.
inline i32 ReadBigEndian16(const u8* p) { return p[0] * 256 + p[1]; }
inline u32 ReadBigEndian32(const u8* p) {
    return (static_cast<u32>(p[0]) << 24) | (static_cast<u32>(p[1]) << 16) |
           (static_cast<u32>(p[2]) << 8) | static_cast<u32>(p[3]);
}

// ---- Work texts ---------------------------------------------------------------
// A fixed text that lives on the stack (a view on its own bytes), so that
// working strings are built without touching the heap.
template <u32 N>
struct WorkText {
    u8 bytes[N] = {};
    BoundedString s;
    WorkText() { s.View(bytes, N); }
    WorkText(const WorkText&) = delete;
    WorkText& operator=(const WorkText&) = delete;
    // The text helpers below, on this text (Set is TextSet).
    i32 Length() const;
    u8 At(i32 i) const;
    bool Is(const char* t) const;
    bool Begins(const char* t) const;
    void Set(const BoundedString& from);
    void Set(const char* t);
    void Set(const u8* p, i32 n);
};
using Work36 = WorkText<36>;
using Work72 = WorkText<72>;

// Unsigned length of the text (GetStringLength).
inline u32 TextLen(const BoundedString& s) { return static_cast<u32>(GetStringLength(s)); }
// Longest text the string can hold (one byte is kept for the terminator).
inline u32 TextRoom(const BoundedString& s) {
    return s.valid != 0 && s.count > 0 ? s.count - 1 : 0;
}

// Replaces the text by n bytes of p (p may lie inside s), cut to the
// string's room, and writes its terminator; an invalid s is left alone.
// Unlike TextCopy and CopyBytesToString, the bytes past the terminator keep
// their values: the word-form analysis rewrites its 36-byte texts many times
// per word and reads nothing past the terminator.
inline void TextSet(BoundedString& s, const u8* p, i32 n) {
    if (s.valid == 0 || s.count == 0) return;
    const i32 room = static_cast<i32>(s.count) - 1;
    if (n > room) n = room;
    if (n < 0) n = 0;
    if (n > 0) std::memmove(s.data, p, static_cast<size_t>(n));
    s.data[n] = 0;
}
inline void TextSet(BoundedString& s, const BoundedString& from) {
    TextSet(s, from.data, GetStringLength(from));
}
inline void TextSet(BoundedString& s, const char* text) {
    TextSet(s, reinterpret_cast<const u8*>(text), static_cast<i32>(std::strlen(text)));
}
// Byte i of the text (TextLast: counted from its end), 0 outside it.
inline u8 TextAt(const BoundedString& s, u32 i) { return i < TextLen(s) ? s.data[i] : 0; }
inline u8 TextLast(const BoundedString& s, u32 fromEnd = 0) {
    const u32 n = TextLen(s);
    return fromEnd < n ? s.data[n - 1 - fromEnd] : 0;
}

// Cuts the text to n characters (no change when it is shorter).
inline void TextCut(BoundedString& s, u32 n) {
    if (n < TextLen(s)) s.data[n] = 0;
}
// Replaces every byte `from` of the text by `to`.
inline void TextReplaceByte(BoundedString& s, u8 from, u8 to) {
    const u32 n = TextLen(s);
    for (u32 i = 0; i < n; ++i)
        if (s.data[i] == from) s.data[i] = to;
}
// Empties the whole buffer.
inline void TextClear(BoundedString& s) {
    if (s.valid != 0 && s.count > 0) std::memset(s.data, 0, s.count);
}
// Appends one byte when there is room (AppendBytesToString of one byte).
inline void AppendByteToString(BoundedString& s, u8 b) {
    const u32 n = TextLen(s);
    if (s.valid == 0 || n >= TextRoom(s)) return;
    s.data[n] = b;
    s.data[n + 1] = 0;
}
// CopyString, except that an invalid src counts as empty (dest is cleared)
// and a copy onto itself changes nothing.
inline void TextCopy(BoundedString& dest, const BoundedString& src) {
    if (&dest == &src) return;
    CopyBytesToString(dest, src.data, GetStringLength(src));
}

// Exact tests on the text (an invalid string counts as empty, unlike
// CompareWordText and CompareStrings, which find it equal to anything and
// compare over the capacity).
inline bool TextStartsWith(const BoundedString& s, const char* text) {
    const u32 n = static_cast<u32>(std::strlen(text));
    return TextLen(s) >= n && std::memcmp(s.data, text, n) == 0;
}
inline bool TextEndsWith(const BoundedString& s, const char* text) {
    const u32 n = static_cast<u32>(std::strlen(text));
    const u32 len = TextLen(s);
    return len >= n && std::memcmp(s.data + len - n, text, n) == 0;
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

template <u32 N>
i32 WorkText<N>::Length() const { return GetStringLength(s); }
template <u32 N>
u8 WorkText<N>::At(i32 i) const { return TextAt(s, static_cast<u32>(i)); }
template <u32 N>
bool WorkText<N>::Is(const char* t) const { return TextEquals(s, t); }
template <u32 N>
bool WorkText<N>::Begins(const char* t) const { return TextStartsWith(s, t); }
template <u32 N>
void WorkText<N>::Set(const BoundedString& from) { TextSet(s, from); }
template <u32 N>
void WorkText<N>::Set(const char* t) { TextSet(s, t); }
template <u32 N>
void WorkText<N>::Set(const u8* p, i32 n) { TextSet(s, p, n); }
