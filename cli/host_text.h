// Conversion between UTF-8 and the library's host code page
// (Windows-1252), shared by krzcheck, the tests and the benchmarks.
//
// UTF-8 to host: at most one byte per character; `points` and `offsets`
// lead the library's character offsets back to the input. The decoding is strict (no overlong
// form, surrogate or value above U+10FFFF): an invalid sequence is one
// replacement character and the bytes after it are read again. A letter
// followed by a combining accent becomes the precomposed letter when the
// code page has it. NUL becomes a blank (it would end the host's text).
// Narrow and figure spaces become the no-break space, the Unicode hyphens
// and the minus sign "-", the prime and the modifier apostrophe "’", the
// superscript small letters their letters ("1ᵉʳ" is "1er"); quotes, dashes and the ellipsis keep their
// code-page bytes. The soft hyphen and the zero-width characters (U+200B-D,
// U+2060, U+FEFF) give no byte: they belong to the word they stand in, and
// a span over that word covers them. Any other character outside the code page, the
// replacement character among them, becomes kHostPlaceholder: a letter, so
// that no rule reads it as punctuation.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace host_text {

// 'ã': a letter of the code page that no English or French word holds.
inline constexpr char kHostPlaceholder = '\xE3';

struct HostText {
    std::string bytes;              // host text, one byte per character
    std::vector<uint32_t> points;   // per host byte: index of its first code point in the input; one more at the end
    std::vector<uint32_t> offsets;  // per host byte: its byte offset in the input; one more at the end
    bool invalid = false;           // the input held an invalid UTF-8 sequence
    bool unmapped = false;          // a character became the placeholder
};

HostText FromUtf8(std::string_view utf8);
// The host bytes alone.
std::string HostFromUtf8(std::string_view utf8);
// UTF-8 form of host text; a byte the code page leaves undefined becomes
// U+FFFD.
std::string Utf8FromHost(std::string_view host);
// The input with every invalid sequence replaced by U+FFFD.
std::string ValidUtf8(std::string_view utf8);

// Code points of the input covered by host characters [start, end]
// (inclusive; clamped to the text): first and last code point index.
void InputSpan(const HostText& t, std::size_t start, std::size_t end, uint32_t& first, uint32_t& last);
// The input's bytes under host characters [start, end], made valid UTF-8.
std::string InputText(const HostText& t, std::string_view utf8, std::size_t start, std::size_t end);

}  // namespace host_text
