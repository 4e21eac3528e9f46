// UTF-8 <-> Windows-1252 for hosts of the library.
#include "cli/host_text.h"

#include <algorithm>

namespace host_text {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kInvalid = 0x110000;  // decoding result of an invalid sequence

// Code points of Windows-1252 bytes 0x80-0x9F; 0xFFFD where undefined.
constexpr char16_t kHigh[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

struct Composition {
    char base;
    char16_t mark;
    unsigned char composed;
};

// The precomposed letters of the code page as letter + combining mark.
constexpr Composition kCompositions[] = {
    {'A', 0x300, 0xC0}, {'A', 0x301, 0xC1}, {'A', 0x302, 0xC2}, {'A', 0x303, 0xC3}, {'A', 0x308, 0xC4},
    {'A', 0x30A, 0xC5}, {'C', 0x327, 0xC7}, {'E', 0x300, 0xC8}, {'E', 0x301, 0xC9}, {'E', 0x302, 0xCA},
    {'E', 0x308, 0xCB}, {'I', 0x300, 0xCC}, {'I', 0x301, 0xCD}, {'I', 0x302, 0xCE}, {'I', 0x308, 0xCF},
    {'N', 0x303, 0xD1}, {'O', 0x300, 0xD2}, {'O', 0x301, 0xD3}, {'O', 0x302, 0xD4}, {'O', 0x303, 0xD5},
    {'O', 0x308, 0xD6}, {'U', 0x300, 0xD9}, {'U', 0x301, 0xDA}, {'U', 0x302, 0xDB}, {'U', 0x308, 0xDC},
    {'Y', 0x301, 0xDD}, {'a', 0x300, 0xE0}, {'a', 0x301, 0xE1}, {'a', 0x302, 0xE2}, {'a', 0x303, 0xE3},
    {'a', 0x308, 0xE4}, {'a', 0x30A, 0xE5}, {'c', 0x327, 0xE7}, {'e', 0x300, 0xE8}, {'e', 0x301, 0xE9},
    {'e', 0x302, 0xEA}, {'e', 0x308, 0xEB}, {'i', 0x300, 0xEC}, {'i', 0x301, 0xED}, {'i', 0x302, 0xEE},
    {'i', 0x308, 0xEF}, {'n', 0x303, 0xF1}, {'o', 0x300, 0xF2}, {'o', 0x301, 0xF3}, {'o', 0x302, 0xF4},
    {'o', 0x303, 0xF5}, {'o', 0x308, 0xF6}, {'u', 0x300, 0xF9}, {'u', 0x301, 0xFA}, {'u', 0x302, 0xFB},
    {'u', 0x308, 0xFC}, {'y', 0x301, 0xFD}, {'y', 0x308, 0xFF}, {'S', 0x30C, 0x8A}, {'s', 0x30C, 0x9A},
    {'Z', 0x30C, 0x8E}, {'z', 0x30C, 0x9E}, {'Y', 0x308, 0x9F}};

bool IsCombiningMark(char32_t cp) { return cp >= 0x300 && cp <= 0x36F; }

// Invisible characters that stand inside a word without ending it: the soft
// hyphen, the zero-width space, non-joiner and joiner, the word joiner and
// the zero-width no-break space (U+FEFF where it does not open the text).
// They give no host byte: the word around them stays one word, and the
// spans of the host text still cover them.
bool IsInvisibleInWord(char32_t cp) {
    return cp == 0xAD || (cp >= 0x200B && cp <= 0x200D) || cp == 0x2060 || cp == 0xFEFF;
}

bool IsContinuation(unsigned char b, unsigned char low = 0x80, unsigned char high = 0xBF) {
    return b >= low && b <= high;
}

// Decodes the sequence at s[i]: its length (at least 1) and code point
// (kInvalid for an invalid sequence, whose length is then the longest
// prefix that could have begun a valid one).
std::size_t Decode(std::string_view s, std::size_t i, char32_t& cp) {
    const unsigned char b = static_cast<unsigned char>(s[i]);
    cp = kInvalid;
    if (b < 0x80) {
        cp = b;
        return 1;
    }
    std::size_t n = 0;
    unsigned char low = 0x80, high = 0xBF;
    char32_t value = 0;
    if (b >= 0xC2 && b <= 0xDF) n = 2, value = b & 0x1F;
    else if (b >= 0xE0 && b <= 0xEF) n = 3, value = b & 0x0F;
    else if (b >= 0xF0 && b <= 0xF4) n = 4, value = b & 0x07;
    else return 1;
    if (b == 0xE0) low = 0xA0;
    if (b == 0xED) high = 0x9F;
    if (b == 0xF0) low = 0x90;
    if (b == 0xF4) high = 0x8F;
    for (std::size_t k = 1; k < n; ++k) {
        if (i + k >= s.size()) return k;
        const unsigned char c = static_cast<unsigned char>(s[i + k]);
        if (!(k == 1 ? IsContinuation(c, low, high) : IsContinuation(c))) return k;
        value = (value << 6) | (c & 0x3F);
    }
    cp = value;
    return n;
}

// Modifier (superscript) small letters and their letters: "1ᵉʳ", "2ᵈ",
// "Mᵐᵉ" are the abbreviations "1er", "2d", "Mme".
struct Superscript {
    char16_t cp;
    char letter;
};
constexpr Superscript kSuperscripts[] = {
    {0x1D43, 'a'}, {0x1D47, 'b'}, {0x1D9C, 'c'}, {0x1D48, 'd'}, {0x1D49, 'e'}, {0x1DA0, 'f'}, {0x1D4D, 'g'},
    {0x02B0, 'h'}, {0x2071, 'i'}, {0x02B2, 'j'}, {0x1D4F, 'k'}, {0x02E1, 'l'}, {0x1D50, 'm'}, {0x207F, 'n'},
    {0x1D52, 'o'}, {0x1D56, 'p'}, {0x02B3, 'r'}, {0x02E2, 's'}, {0x1D57, 't'}, {0x1D58, 'u'}, {0x1D5B, 'v'},
    {0x02B7, 'w'}, {0x02E3, 'x'}, {0x02B8, 'y'}, {0x1DBB, 'z'}};

// The host byte of a code point; false when the code page lacks it.
bool HostByte(char32_t cp, unsigned char& out) {
    if (cp == 0) {
        out = ' ';
        return true;
    }
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        out = static_cast<unsigned char>(cp);
        return true;
    }
    switch (cp) {
        case 0x202F: case 0x2009: case 0x2007: out = 0xA0; return true;
        case 0x2010: case 0x2011: case 0x2212: out = '-'; return true;
        case 0x2032: case 0x02BC: out = 0x92; return true;  // prime and modifier apostrophe: ’
        default: break;
    }
    for (const Superscript& m : kSuperscripts) {
        if (m.cp == cp) {
            out = static_cast<unsigned char>(m.letter);
            return true;
        }
    }
    for (unsigned k = 0; k < 32; ++k) {
        if (kHigh[k] == cp && cp != kReplacement) {
            out = static_cast<unsigned char>(0x80 + k);
            return true;
        }
    }
    return false;
}

// The precomposed form of host letter `base` with `mark`; false when none.
bool Compose(unsigned char base, char32_t mark, unsigned char& out) {
    for (const Composition& c : kCompositions) {
        if (static_cast<unsigned char>(c.base) == base && c.mark == mark) {
            out = c.composed;
            return true;
        }
    }
    return false;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

}  // namespace

HostText FromUtf8(std::string_view utf8) {
    HostText t;
    t.bytes.reserve(utf8.size());
    t.points.reserve(utf8.size() + 1);
    t.offsets.reserve(utf8.size() + 1);
    uint32_t point = 0;
    for (std::size_t i = 0; i < utf8.size(); ++point) {
        char32_t cp = 0;
        const std::size_t n = Decode(utf8, i, cp);
        if (cp == kInvalid) t.invalid = true;
        unsigned char b = 0;
        if (IsInvisibleInWord(cp)) {
            i += n;
            continue;
        }
        if (IsCombiningMark(cp) && !t.bytes.empty() &&
            Compose(static_cast<unsigned char>(t.bytes.back()), cp, b)) {
            t.bytes.back() = static_cast<char>(b);  // the mark joins the letter before it
            i += n;
            continue;
        }
        if (!HostByte(cp, b)) {
            b = static_cast<unsigned char>(kHostPlaceholder);
            t.unmapped = true;
        }
        t.bytes.push_back(static_cast<char>(b));
        t.points.push_back(point);
        t.offsets.push_back(static_cast<uint32_t>(i));
        i += n;
    }
    t.points.push_back(point);
    t.offsets.push_back(static_cast<uint32_t>(utf8.size()));
    return t;
}

std::string HostFromUtf8(std::string_view utf8) { return FromUtf8(utf8).bytes; }

std::string Utf8FromHost(std::string_view host) {
    std::string out;
    out.reserve(host.size() + host.size() / 4);
    for (char ch : host) {
        const unsigned char c = static_cast<unsigned char>(ch);
        AppendUtf8(out, c >= 0x80 && c < 0xA0 ? kHigh[c - 0x80] : c);
    }
    return out;
}

std::string ValidUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t cp = 0;
        const std::size_t n = Decode(utf8, i, cp);
        AppendUtf8(out, cp == kInvalid ? kReplacement : cp);
        i += n;
    }
    return out;
}

void InputSpan(const HostText& t, std::size_t start, std::size_t end, uint32_t& first, uint32_t& last) {
    const std::size_t size = t.bytes.size();
    start = std::min(start, size);
    end = std::max(std::min(end + 1, size), start);
    first = t.points[start];
    last = t.points[end] > first ? t.points[end] - 1 : first;
}

std::string InputText(const HostText& t, std::string_view utf8, std::size_t start, std::size_t end) {
    const std::size_t size = t.bytes.size();
    start = std::min(start, size);
    end = std::max(std::min(end + 1, size), start);
    return ValidUtf8(utf8.substr(t.offsets[start], t.offsets[end] - t.offsets[start]));
}

}  // namespace host_text
