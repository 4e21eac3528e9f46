// Source text (UTF-8) to the library's text (Mac Roman) and to dictionary keys.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "frame/types.h"
#include "tools/datacomp/source_forms.h"

// The text ends with `tail`.
inline bool EndsWith(std::string_view s, std::string_view tail) {
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

// Mac Roman marks used inside dictionary keys (and by the lookup).
inline constexpr u8 kKeyHyphenMark = 0x9B;      // '-'
inline constexpr u8 kKeyApostropheMark = 0x93;  // ' and ’
inline constexpr u8 kKeyInnerAGrave = 0x8B;     // à when not the last letter
inline constexpr std::size_t kMaxKeyBytes = 30; // after ligature expansion
inline constexpr std::size_t kMaxWordBytes = 35;

// Mac Roman byte of a code point; false when it has none (ñ has one: 0x96;
// ÿ has one: 0xD8; ś, ʳ, ᵉ … have none).
bool MacRomanByteForCodePoint(u32 cp, u8& byte);

// Whole-text conversion. Returns false on malformed UTF-8 or when a character
// has no Mac Roman byte; `out` then holds '?' in its place.
bool Utf8ToMacRoman(std::string_view utf8, std::string& out);
// The reverse (every Mac Roman byte has a code point).
std::string MacRomanToUtf8(std::string_view macRoman);

// Appends code point `cp` to `out` in UTF-8.
void AppendUtf8(std::string& out, u32 cp);

// Reads a whole file as bytes; false when it cannot be opened.
bool ReadWholeFile(const std::string& path, std::string& text);

enum class KeyStatus { kOk, kUnrepresentable, kTooLong };

// Dictionary key of a source word: Mac Roman, lower-cased (ToLowerMacRoman),
// œ/æ written oe/ae, '-' as 0x9B, ' and ’ as 0x93, à as 0x8B except as the
// last byte. kTooLong when the key exceeds kMaxKeyBytes (the key is still
// written); kUnrepresentable when a character has no Mac Roman byte.
KeyStatus MakeDictionaryKey(std::string_view utf8, std::string& key);

// The separate steps, on Mac Roman text, in the order MakeDictionaryKey runs them.
void LowerMacRomanText(std::string& text);
void ExpandLigatures(std::string& text);   // œ Œ æ Æ → oe OE ae AE
void ApplyKeyMarks(std::string& text);     // hyphen, apostrophe and inner à marks

// Counts the words that could not be converted, keeping the first few.
struct SourceTextReport {
    std::size_t unrepresentable = 0;
    std::size_t tooLong = 0;
    std::vector<std::string> unrepresentableExamples;  // UTF-8, at most kMaxExamples
    std::vector<std::string> tooLongExamples;
    static constexpr std::size_t kMaxExamples = 20;
};
// MakeDictionaryKey plus bookkeeping in `report`.
KeyStatus MakeDictionaryKeyReported(std::string_view utf8, std::string& key,
                                    SourceTextReport& report);
void ReportSourceText(const SourceTextReport& report, CompileReport& out);
