#include "frame/bounded_string.h"

#include <bit>
#include <cstring>

#include "frame/settings.h"
#include "frame/tables.h"

namespace {

u32 CLength(const char* text) { return text == nullptr ? 0 : static_cast<u32>(std::strlen(text)); }

// Appends n bytes of p to dest's text, cut to the free room.
void AppendBytes(BoundedString& dest, const u8* p, i32 n) {
    i32 len = GetStringLength(dest);
    i32 room = dest.last - len;
    if (room < 0) return;  // no terminator: nothing fits
    if (n > room) n = room;
    for (i32 k = 0; k < n; ++k) dest[len + k] = p[k];
    dest[len + n] = 0;
}

// Replaces dest's text with n bytes of p, cut to dest.last characters; the
// rest of dest is cleared.
void CopyBytes(BoundedString& dest, const u8* p, i32 n) {
    if (dest.count == 0) return;
    if (n > dest.last) n = dest.last;
    if (n < 0) n = 0;
    if (n > 0) std::memmove(dest.data, p, static_cast<size_t>(n));
    std::memset(dest.data + n, 0, dest.count - static_cast<u32>(n));
}

i32 FindBytes(const BoundedString& hay, const u8* needle, i32 n) {
    i32 h = GetStringLength(hay);
    if (n > h) return 0;
    if (n == 0) return 1;
    for (i32 p = 0; n <= h - p; ++p) {
        if (std::memcmp(hay.data + p, needle, static_cast<size_t>(n)) == 0) return p + 1;
    }
    return 0;
}

u16 CompareBytes(const u8* a, const u8* b, u32 limit) {
    for (u32 k = 0; k < limit; ++k) {
        if (a[k] != b[k]) return a[k] < b[k] ? kCompareLess : kCompareGreater;
        if (a[k] == 0) break;
    }
    return kCompareEqual;
}

// Substring copy with 32-bit positions; bound is the text length or the
// buffer capacity.
void CopySpan(const BoundedString& src, i32 start, i32 len, BoundedString& dest, i64 bound) {
    if (src.valid == 0 || dest.valid == 0) return;
    if (len < 0 || start < 1) return;
    if (static_cast<i64>(len) + 1 > static_cast<i64>(dest.count)) return;
    if (static_cast<i64>(start) + len - 1 > bound) return;
    std::memmove(dest.data, src.data + (start - 1), static_cast<size_t>(len));
    dest.data[len] = 0;
}

BoundedString* EndingList(u8 width) {
    switch (width) {
        case 1: return &gEndings1;
        case 2: return &gEndings2;
        case 3: return &gEndings3;
        case 4: return &gEndings4;
        case 5: return &gEndings5;
        case 6: return &gEndings6;
        case 7: return &gEndings7;
        case 8: return &gEndings8;
        case 9: return &gEndings9;
        case 10: return &gEndings10;
        default: return nullptr;
    }
}

}  // namespace

// Texts are mostly words of a few letters, where a library scan costs more
// in setting up than in scanning: eight bytes are tested at a time (the
// lowest flagged byte of a word is its first 0; bytes past the count are
// never read).
i32 GetStringLength(const BoundedString& s) {
    if (s.valid == 0 || s.count == 0 || s.data == nullptr) return 0;
    const u8* p = s.data;
    const u32 n = s.count;
    u32 i = 0;
    if constexpr (std::endian::native == std::endian::little) {
        for (; i + 8 <= n; i += 8) {
            u64 v;
            std::memcpy(&v, p + i, 8);
            const u64 zero = (v - 0x0101010101010101ull) & ~v & 0x8080808080808080ull;
            if (zero != 0) return static_cast<i32>(i + (static_cast<u32>(std::countr_zero(zero)) >> 3));
        }
    }
    for (; i < n; ++i)
        if (p[i] == 0) return static_cast<i32>(i);
    return static_cast<i32>(n);
}

void AppendString(BoundedString& dest, const BoundedString& src) {
    if (dest.valid == 0 || src.valid == 0) return;
    AppendBytes(dest, src.data, GetStringLength(src));
}

void AppendCString(BoundedString& dest, const char* text) {
    if (dest.valid == 0) return;
    AppendBytes(dest, reinterpret_cast<const u8*>(text), static_cast<i32>(CLength(text)));
}

void AppendBytesToString(BoundedString& dest, const u8* p, i32 n) {
    if (dest.valid == 0 || n <= 0) return;
    AppendBytes(dest, p, n);
}

void CopyBytesToString(BoundedString& dest, const u8* p, i32 n) { CopyBytes(dest, p, n); }

void CopyString(BoundedString& dest, const BoundedString& src) {
    if (dest.valid == 0 || src.valid == 0) return;
    CopyBytes(dest, src.data, GetStringLength(src));
}

void CopyCString(BoundedString& dest, const char* text) {
    if (dest.valid == 0) return;
    CopyBytes(dest, reinterpret_cast<const u8*>(text), static_cast<i32>(CLength(text)));
}

void ExportString(char* buffer, const BoundedString& s, u32 size) {
    if (buffer == nullptr || size == 0) return;
    u32 len = static_cast<u32>(GetStringLength(s));
    if (len >= size) {
        buffer[0] = 0;
        return;
    }
    if (len > 0) std::memcpy(buffer, s.data, len);
    buffer[len] = 0;
}

i32 FindSubstring(const BoundedString& hay, const BoundedString& needle) {
    return FindBytes(hay, needle.data, GetStringLength(needle));
}

i32 FindCSubstring(const BoundedString& hay, const char* needle) {
    return FindBytes(hay, reinterpret_cast<const u8*>(needle), static_cast<i32>(CLength(needle)));
}

u16 CompareStrings(const BoundedString& a, const BoundedString& b) {
    if (a.valid == 0 || b.valid == 0) return kCompareEqual;
    return CompareBytes(a.data, b.data, a.count < b.count ? a.count : b.count);
}

u16 CompareWordText(const BoundedString& s, const char* text) {
    if (s.valid == 0) return kCompareEqual;
    u32 wanted = CLength(text) + 1;
    u32 limit = s.count < wanted ? s.count : wanted;
    if (text == nullptr) text = "";
    return CompareBytes(s.data, reinterpret_cast<const u8*>(text), limit);
}

void CopySubstring(const BoundedString& src, i16 start, i16 len, BoundedString& dest) {
    CopySpan(src, start, len, dest, GetStringLength(src));
}

void CopySubstringRaw(const BoundedString& src, i16 start, i16 len, BoundedString& dest) {
    CopySpan(src, start, len, dest, src.count);
}

void CopyCodeFromTable(u8 width, u32 index, BoundedString& dest) {
    const BoundedString* list = EndingList(width);
    if (list == nullptr) return;
    // Positions stay 64-bit so that a large index can never wrap back into
    // the list.
    i64 start = static_cast<i64>(index) * width + 1;
    if (start + width - 1 > static_cast<i64>(list->count)) return;
    CopySpan(*list, static_cast<i32>(start), width, dest, list->count);
}

i16 AddUniqueSuggestion(const BoundedString& candidate, i16& count,
                        BoundedArray<BoundedString>& list) {
    bool found = false;
    for (i32 k = 0; k < count && !found; ++k) found = CompareStrings(list[k], candidate) == kCompareEqual;
    // The capacity is the list's, at most one entry per cost-mark slot.
    const u32 capacity = list.count < gSuggestionFlags.count ? list.count : gSuggestionFlags.count;
    bool full = count < 0 || static_cast<u32>(count) >= capacity;
    if (!found && !full && GetStringLength(candidate) >= 2) {
        CopyString(list[count], candidate);
        gSuggestionFlags[count] = gPendingSuggestionFlag;
        ++count;
        gPendingSuggestionFlag = 0;
    }
    return (count > 23 || static_cast<u32>(count) >= capacity) ? 1 : 0;
}
