// Mac Roman character routines, code-page conversion and flattening.
#include "frame/mac_roman.h"

#include <cstring>

#include "frame/bounded_string.h"
#include "frame/mac_roman_literal.h"

u16 gMacRomanMode = 0;

namespace {

using mac_roman_literal::kMacRomanCodePoints;

constexpr u16 kUnassigned = 0xFFFF;

// Unicode code point of every Windows-1252 byte 0x80..0x9F; 0xA0..0xFF are
// the Latin-1 code points themselves.
constexpr u16 kWin1252HighCodePoints[32] = {
    0x20AC, kUnassigned, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, kUnassigned, 0x017D, kUnassigned,  // 88
    kUnassigned, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, kUnassigned, 0x017E, 0x0178,  // 98
};

constexpr u16 Win1252CodePoint(u32 b) {
    return b < 0xA0 ? kWin1252HighCodePoints[b - 0x80] : static_cast<u16>(b);
}

// Pairs the two code pages exchange although the characters differ: the
// superscripts, fractions, multiplication sign and Ý ý of Windows-1252 take
// the places of mathematical signs of Mac Roman, and the soft hyphen the
// place of the Apple logo (kSoftHyphenByte), so that it stays one byte of
// its word and converts back to itself.
struct BytePair {
    u8 win;
    u8 mac;
};
constexpr BytePair kExtraPairs[10] = {
    {0xB2, 0xB2}, {0xB3, 0xB3}, {0xB9, 0xB6}, {0xBC, 0xB7}, {0xBD, 0xB8},
    {0xBE, 0xB9}, {0xD7, 0xBA}, {0xDD, 0xBD}, {0xFD, 0xC3}, {0xAD, kSoftHyphenByte},
};

// The cedilla is present in both code pages but is never exchanged.
constexpr u8 kWin1252Cedilla = 0xB8;
constexpr u8 kMacRomanCedilla = 0xFC;

struct ByteTable {
    u8 b[128];
};

constexpr ByteTable BuildWin1252ToMacRoman() {
    ByteTable t{};
    for (u32 w = 0x80; w <= 0xFF; ++w) {
        u8 out = kNoCounterpartByte;
        u16 cp = Win1252CodePoint(w);
        for (u32 m = 0; m < 128 && cp != kUnassigned; ++m) {
            if (kMacRomanCodePoints[m] == cp) out = static_cast<u8>(0x80 + m);
        }
        if (w == kWin1252Cedilla) out = kNoCounterpartByte;
        for (const BytePair& p : kExtraPairs) {
            if (p.win == w) out = p.mac;
        }
        t.b[w - 0x80] = out;
    }
    return t;
}

constexpr ByteTable BuildMacRomanToWin1252() {
    ByteTable t{};
    for (u32 m = 0x80; m <= 0xFF; ++m) {
        u8 out = kNoCounterpartByte;
        for (u32 w = 0x80; w <= 0xFF; ++w) {
            if (Win1252CodePoint(w) == kMacRomanCodePoints[m - 0x80]) out = static_cast<u8>(w);
        }
        if (m == kMacRomanCedilla) out = kNoCounterpartByte;
        for (const BytePair& p : kExtraPairs) {
            if (p.mac == m) out = p.win;
        }
        t.b[m - 0x80] = out;
    }
    return t;
}

constexpr ByteTable kToMac = BuildWin1252ToMacRoman();
constexpr ByteTable kFromMac = BuildMacRomanToWin1252();

// Accented case pairs; the only source of them.
struct CasePair {
    u8 capital;
    u8 small;
};
constexpr CasePair kCasePairs[25] = {
    {0x80, 0x8A}, {0x82, 0x8D}, {0x83, 0x8E}, {0x84, 0x96}, {0x85, 0x9A},
    {0x86, 0x9F}, {0xAE, 0xBE}, {0xCB, 0x88}, {0xCC, 0x8B}, {0xCD, 0x9B},
    {0xCE, 0xCF}, {0xD9, 0xD8}, {0xE5, 0x89}, {0xE6, 0x90}, {0xE7, 0x87},
    {0xE8, 0x91}, {0xE9, 0x8F}, {0xEA, 0x92}, {0xEB, 0x94}, {0xEC, 0x95},
    {0xEE, 0x97}, {0xEF, 0x99}, {0xF2, 0x9C}, {0xF3, 0x9E}, {0xF4, 0x9D},
};

struct Range {
    u8 from;
    u8 to;
};
constexpr Range kUpperRanges[] = {
    {0x41, 0x5A}, {0x80, 0x86}, {0xAE, 0xAE}, {0xCB, 0xCE},
    {0xD9, 0xD9}, {0xE5, 0xEF}, {0xF1, 0xF4},
};
constexpr Range kSmallLetterRanges[] = {
    {0x61, 0x7A}, {0x87, 0x8B}, {0x8D, 0x92}, {0x94, 0x97},
    {0x99, 0x9F}, {0xBE, 0xBE}, {0xCF, 0xCF}, {0xD8, 0xD8},
};

constexpr u8 kUpperFlag = 1;
constexpr u8 kLetterFlag = 2;

struct CaseTables {
    u8 lower[256];
    u8 upper[256];
    u8 flags[256];
};

constexpr CaseTables BuildCaseTables() {
    CaseTables t{};
    for (u32 c = 0; c < 256; ++c) {
        t.lower[c] = static_cast<u8>(c);
        t.upper[c] = static_cast<u8>(c);
    }
    for (u32 c = 'A'; c <= 'Z'; ++c) {
        t.lower[c] = static_cast<u8>(c + 32);
        t.upper[c + 32] = static_cast<u8>(c);
    }
    for (const CasePair& p : kCasePairs) {
        t.lower[p.capital] = p.small;
        t.upper[p.small] = p.capital;
    }
    for (const Range& r : kUpperRanges) {
        for (u32 c = r.from; c <= r.to; ++c) t.flags[c] |= kUpperFlag | kLetterFlag;
    }
    for (const Range& r : kSmallLetterRanges) {
        for (u32 c = r.from; c <= r.to; ++c) t.flags[c] |= kLetterFlag;
    }
    return t;
}

constexpr CaseTables kCase = BuildCaseTables();

bool Writable(const BoundedString& s) { return s.data != nullptr; }

}  // namespace

const u8 (&kWin1252ToMacRoman)[128] = kToMac.b;
const u8 (&kMacRomanToWin1252)[128] = kFromMac.b;

u8 ToLowerMacRoman(u8 c) { return kCase.lower[c]; }
u8 ToUpperMacRoman(u8 c) { return kCase.upper[c]; }
u16 IsUpperMacRoman(u8 c) { return (kCase.flags[c] & kUpperFlag) != 0 ? 1 : 0; }
u16 IsLetterMacRoman(u8 c) { return (kCase.flags[c] & kLetterFlag) != 0 ? 1 : 0; }

void CopyLowerCase(BoundedString& dest, const BoundedString& src) {
    if (!Writable(dest)) return;
    u32 n = TextLen(src);
    // A longer text is cut at the destination's end, which gets the NUL.
    for (u32 i = 0; i < n; ++i) dest.ClampedAt(static_cast<i32>(i)) = ToLowerMacRoman(src.data[i]);
    dest.ClampedAt(static_cast<i32>(n)) = 0;
}

u16 HasDotBeforeEnd(const BoundedString& s) {
    u32 n = TextLen(s);
    if (n == 0) return 0;
    return std::memchr(s.data, '.', n) != nullptr ? 1 : 0;
}

u8 ConvertCharToMacRoman(u8 c) {
    if (gMacRomanMode == 1 || c < 0x80) return c;
    return kWin1252ToMacRoman[c - 0x80];
}

u8 ConvertCharFromMacRoman(u8 c) {
    if (gMacRomanMode == 1 || c < 0x80) return c;
    return kMacRomanToWin1252[c - 0x80];
}

void ConvertInputToMacRoman(BoundedString& s) {
    if (gMacRomanMode == 1) return;
    u32 n = TextLen(s);
    for (u32 i = 0; i < n; ++i) s.data[i] = ConvertCharToMacRoman(s.data[i]);
}

void ConvertOutputFromMacRoman(char* text) {
    if (gMacRomanMode == 1 || text == nullptr) return;
    std::size_t n = std::strlen(text);
    for (std::size_t i = 0; i < n; ++i) {
        text[i] = static_cast<char>(ConvertCharFromMacRoman(static_cast<u8>(text[i])));
    }
}

namespace {

// Replacement text of one source byte during flattening: 0, 1 or 2 bytes.
struct Flattened {
    u8 len;
    u8 b0;
    u8 b1;
    bool ligature;  // an æ/œ/Æ/Œ expansion whose position is reported
};

Flattened FlattenByte(u8 c, u16 dropBlanks) {
    switch (c) {
        case 0xBE: return {2, 'a', 'e', true};
        case 0xCF: return {2, 'o', 'e', true};
        case 0xAE: return {2, 'A', 'E', true};
        case 0xCE: return {2, 'O', 'E', true};
        case 0xDE: return {2, 'f', 'i', false};
        case 0xDF: return {2, 'f', 'l', false};
        case 0xD4:
        case 0xD5: return {1, '\'', 0, false};
        case 0xC7:
        case 0xC8:
        case 0xD2:
        case 0xD3: return {1, '"', 0, false};
        case '_':
        case 0xD0:
        case 0xD1: return {1, '-', 0, false};
        default: break;
    }
    bool drop = dropBlanks == 0 ? c < 0x20 : (c < 0x21 || c == 0xCA);
    if (drop) return {0, 0, 0, false};
    return {1, c, 0, false};
}

}  // namespace

void FlattenMacRomanTypography(BoundedString& dest, const BoundedString& src, u16& firstPos,
                               u16& secondPos, u16 dropBlanks) {
    firstPos = kNoLigaturePos;
    secondPos = kNoLigaturePos;
    u32 n = TextLen(src);
    i32 out = 0;
    bool writable = Writable(dest);
    for (u32 i = 0; i < n; ++i) {
        Flattened f = FlattenByte(src.data[i], dropBlanks);
        if (f.ligature) {
            if (firstPos == kNoLigaturePos) {
                firstPos = static_cast<u16>(out);
            } else if (secondPos == kNoLigaturePos) {
                secondPos = static_cast<u16>(out);
            }
        }
        // A longer text is cut at the destination's end, which gets the NUL.
        if (f.len >= 1 && writable) dest.ClampedAt(out) = f.b0;
        if (f.len == 2 && writable) dest.ClampedAt(out + 1) = f.b1;
        out += f.len;
    }
    if (writable) dest.ClampedAt(out) = 0;
}

void FlattenMacRomanTypographyCString(BoundedString& dest, const char* text, u16& firstPos,
                                      u16& secondPos, u16 dropBlanks) {
    BoundedString view;
    if (text != nullptr) {
        // Read-only view: flattening never writes to its source.
        view.View(reinterpret_cast<u8*>(const_cast<char*>(text)),
                  static_cast<u32>(std::strlen(text) + 1));
    }
    FlattenMacRomanTypography(dest, view, firstPos, secondPos, dropBlanks);
}
