// Compile-time conversion of UTF-8 source literals to Mac Roman bytes.
//
// Source files are UTF-8, the library's text is Mac Roman. Any quoted word
// with a non-ASCII letter goes through MR():
//
//     if (std::strcmp(word, MR("cœur")) == 0) ...            // const char*
//     static const char* const kWords[] = {MR("été"), MR("œuf")};
//     const u8* p = MRU("déjà");                            // const u8*
//     constexpr u8 kOe = MRC("œ");                          // one byte (0xCF)
//     const auto& w = "Noël"_mr; w.size(); w.c_str(); w[2];  // whole object
//
// The converted text lives in static storage (one inline constexpr object per
// distinct literal) and is NUL-terminated. A character with no Mac Roman byte
// (or malformed UTF-8) does not compile.
#pragma once
#include <cstddef>

#include "frame/types.h"

namespace mac_roman_literal {

// Unicode code point of every Mac Roman byte 0x80..0xFF (0xDB is the euro
// sign, 0xF0 the private-use Apple logo). Bytes below 0x80 are ASCII.
inline constexpr u16 kMacRomanCodePoints[128] = {
    0x00C4, 0x00C5, 0x00C7, 0x00C9, 0x00D1, 0x00D6, 0x00DC, 0x00E1,  // 80
    0x00E0, 0x00E2, 0x00E4, 0x00E3, 0x00E5, 0x00E7, 0x00E9, 0x00E8,  // 88
    0x00EA, 0x00EB, 0x00ED, 0x00EC, 0x00EE, 0x00EF, 0x00F1, 0x00F3,  // 90
    0x00F2, 0x00F4, 0x00F6, 0x00F5, 0x00FA, 0x00F9, 0x00FB, 0x00FC,  // 98
    0x2020, 0x00B0, 0x00A2, 0x00A3, 0x00A7, 0x2022, 0x00B6, 0x00DF,  // A0
    0x00AE, 0x00A9, 0x2122, 0x00B4, 0x00A8, 0x2260, 0x00C6, 0x00D8,  // A8
    0x221E, 0x00B1, 0x2264, 0x2265, 0x00A5, 0x00B5, 0x2202, 0x2211,  // B0
    0x220F, 0x03C0, 0x222B, 0x00AA, 0x00BA, 0x03A9, 0x00E6, 0x00F8,  // B8
    0x00BF, 0x00A1, 0x00AC, 0x221A, 0x0192, 0x2248, 0x2206, 0x00AB,  // C0
    0x00BB, 0x2026, 0x00A0, 0x00C0, 0x00C3, 0x00D5, 0x0152, 0x0153,  // C8
    0x2013, 0x2014, 0x201C, 0x201D, 0x2018, 0x2019, 0x00F7, 0x25CA,  // D0
    0x00FF, 0x0178, 0x2044, 0x20AC, 0x2039, 0x203A, 0xFB01, 0xFB02,  // D8
    0x2021, 0x00B7, 0x201A, 0x201E, 0x2030, 0x00C2, 0x00CA, 0x00C1,  // E0
    0x00CB, 0x00C8, 0x00CD, 0x00CE, 0x00CF, 0x00CC, 0x00D3, 0x00D4,  // E8
    0xF8FF, 0x00D2, 0x00DA, 0x00DB, 0x00D9, 0x0131, 0x02C6, 0x02DC,  // F0
    0x00AF, 0x02D8, 0x02D9, 0x02DA, 0x00B8, 0x02DD, 0x02DB, 0x02C7,  // F8
};

// Not constexpr on purpose: reaching one of these calls while converting a
// literal at compile time is an error, and the compiler names the call.
void CharacterHasNoMacRomanByte();
void MalformedUtf8InLiteral();
void LiteralIsNotExactlyOneCharacter();

// Mac Roman byte of a code point, or a compile error.
constexpr u8 MacRomanByteOf(u32 cp) {
    if (cp < 0x80) return static_cast<u8>(cp);
    for (u32 i = 0; i < 128; ++i) {
        if (kMacRomanCodePoints[i] == cp) return static_cast<u8>(0x80 + i);
    }
    CharacterHasNoMacRomanByte();
    return 0;
}

// Decodes one UTF-8 sequence of s starting at i; advances i.
template <typename Ch>
constexpr u32 DecodeUtf8(const Ch* s, std::size_t n, std::size_t& i) {
    u32 b = static_cast<u8>(s[i++]);
    if (b < 0x80) return b;
    int more = 0;
    u32 cp = 0;
    if ((b & 0xE0) == 0xC0) {
        more = 1;
        cp = b & 0x1F;
    } else if ((b & 0xF0) == 0xE0) {
        more = 2;
        cp = b & 0x0F;
    } else if ((b & 0xF8) == 0xF0) {
        more = 3;
        cp = b & 0x07;
    } else {
        MalformedUtf8InLiteral();
    }
    for (int k = 0; k < more; ++k) {
        if (i >= n) MalformedUtf8InLiteral();
        u32 c = static_cast<u8>(s[i++]);
        if ((c & 0xC0) != 0x80) MalformedUtf8InLiteral();
        cp = (cp << 6) | (c & 0x3F);
    }
    return cp;
}

// The literal as a structural value (usable as a template argument).
template <std::size_t N>
struct Utf8Literal {
    char bytes[N] = {};
    consteval Utf8Literal(const char (&s)[N]) {
        for (std::size_t i = 0; i < N; ++i) bytes[i] = s[i];
    }
    consteval Utf8Literal(const char8_t (&s)[N]) {
        for (std::size_t i = 0; i < N; ++i) bytes[i] = static_cast<char>(s[i]);
    }
};

// Converted text: never longer than its UTF-8 source, NUL-terminated.
template <std::size_t N>
struct MacRomanText {
    char text[N] = {};
    std::size_t length = 0;

    constexpr const char* c_str() const { return text; }
    constexpr const u8* bytes() const { return reinterpret_cast<const u8*>(text); }
    constexpr std::size_t size() const { return length; }
    constexpr u8 operator[](std::size_t i) const { return static_cast<u8>(text[i]); }
    constexpr operator const char*() const { return text; }
};

template <std::size_t N>
constexpr MacRomanText<N> ToMacRoman(const Utf8Literal<N>& lit) {
    MacRomanText<N> out;
    std::size_t n = N - 1;  // without the literal's terminator
    std::size_t i = 0;
    while (i < n) {
        out.text[out.length++] = static_cast<char>(MacRomanByteOf(DecodeUtf8(lit.bytes, n, i)));
    }
    return out;
}

template <Utf8Literal S>
inline constexpr MacRomanText<sizeof(S.bytes)> kConverted = ToMacRoman(S);

// Exactly one character, as its byte.
template <std::size_t N>
consteval u8 MacRomanChar(const Utf8Literal<N>& lit) {
    MacRomanText<N> t = ToMacRoman(lit);
    if (t.length != 1) LiteralIsNotExactlyOneCharacter();
    return static_cast<u8>(t.text[0]);
}

}  // namespace mac_roman_literal

template <mac_roman_literal::Utf8Literal S>
constexpr const auto& operator""_mr() {
    return mac_roman_literal::kConverted<S>;
}

#define MR(s) (::mac_roman_literal::kConverted<::mac_roman_literal::Utf8Literal(s)>.c_str())
#define MRU(s) (::mac_roman_literal::kConverted<::mac_roman_literal::Utf8Literal(s)>.bytes())
#define MRC(s) (::mac_roman_literal::MacRomanChar(::mac_roman_literal::Utf8Literal(s)))
