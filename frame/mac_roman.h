// Character routines on Mac Roman bytes, conversion between the host's
// Windows-1252 text and Mac Roman, and typographic flattening of words.
#pragma once
#include "frame/bounded_array.h"

// When exactly 1, the host already speaks Mac Roman and the four code-page
// conversions below leave their input unchanged.
extern u16 gMacRomanMode;

// Code-page tables, indexed by byte - 0x80 (bytes below 0x80 never change).
// A byte without a counterpart in the other code page becomes '?', so a
// converted text keeps its length and never gains an early terminator.
extern const u8 (&kWin1252ToMacRoman)[128];
extern const u8 (&kMacRomanToWin1252)[128];
inline constexpr u8 kNoCounterpartByte = '?';
// The host's soft hyphen (Windows-1252 0xAD) in converted text: Mac Roman
// has none, and its byte 0xF0 (the Apple logo) never comes from a
// Windows-1252 text. It stands inside a word without being part of its text
// (IsInvisibleInWord, frame/automata.h).
inline constexpr u8 kSoftHyphenByte = 0xF0;
// The one-character ellipsis "…".
inline constexpr u8 kEllipsisByte = 0xC9;

// Case mapping over ASCII and the accented pairs; other bytes unchanged.
// Å Ø Ì Ò and å ø ì ò have no partner.
u8 ToLowerMacRoman(u8 c);
u8 ToUpperMacRoman(u8 c);
// The same over the ASCII letters only; every other byte is unchanged.
inline u8 LowerAscii(u8 c) { return c >= 'A' && c <= 'Z' ? static_cast<u8>(c + 32) : c; }
inline u8 UpperAscii(u8 c) { return c >= 'a' && c <= 'z' ? static_cast<u8>(c - 32) : c; }
u16 IsUpperMacRoman(u8 c);
// Letters include 0x9B (õ, also the internal hyphen mark inside words);
// å ì ò ø and ß are not letters.
u16 IsLetterMacRoman(u8 c);

// Lower-case copy of src's text; writes clamp to dest and dest ends with a
// terminator.
void CopyLowerCase(BoundedString& dest, const BoundedString& src);
// 1 when the text contains a '.'.
u16 HasDotBeforeEnd(const BoundedString& s);

// In-place conversions of host text (Windows-1252) to and from Mac Roman.
void ConvertInputToMacRoman(BoundedString& s);
void ConvertOutputFromMacRoman(char* text);
u8 ConvertCharToMacRoman(u8 c);
u8 ConvertCharFromMacRoman(u8 c);

// Reduces a word to plain characters: æ œ Æ Œ ﬁ ﬂ spelt out, curly and
// angle quotes made straight, '_' and dashes made '-', control characters
// (and with dropBlanks also the space and the non-breaking space) dropped.
// firstPos/secondPos receive the output positions of the first two æ/œ/Æ/Œ
// expansions, 65535 when there is none.
inline constexpr u16 kNoLigaturePos = 65535;
void FlattenMacRomanTypography(BoundedString& dest, const BoundedString& src, u16& firstPos,
                               u16& secondPos, u16 dropBlanks);
void FlattenMacRomanTypographyCString(BoundedString& dest, const char* text, u16& firstPos,
                                      u16& secondPos, u16 dropBlanks);
