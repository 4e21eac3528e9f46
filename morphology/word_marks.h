// The internal marks of a word being looked up. Inside a word the
// dictionary spells the hyphen as kMarkHyphen, the English apostrophe as
// kMarkApostrophe (both bytes of the entry grammar, dict_format.h), an "à"
// that is not the last letter as kMarkAGrave, and the probe of operation 49
// writes a blank as kMarkBlank. MarkWord and UnmarkWord turn a text into its marked
// form and back. Nothing here allocates.
#pragma once
#include "frame/bounded_string.h"
#include "frame/types.h"
#include "morphology/dict_format.h"

inline constexpr u8 kMarkAGrave = 0x8B;  // "à" not in last position
inline constexpr u8 kMarkBlank = 0xCA;
// Mac Roman bytes that the marks stand for or that marking reads.
inline constexpr u8 kAGraveByte = 0x88;       // à
inline constexpr u8 kCurlyApostrophe = 0xD5;  // ’, marked as an apostrophe

// 0xD5 -> ', then - -> kMarkHyphen, ' -> kMarkApostrophe and a non-final
// "à" -> kMarkAGrave. UnmarkWord turns every mark back.
inline void MarkWord(BoundedString& w) {
    const i32 n = GetStringLength(w);
    for (i32 i = 0; i < n; ++i) {
        u8& c = w.data[i];
        if (c == kCurlyApostrophe) c = '\'';
        if (c == '-') c = kMarkHyphen;
        else if (c == '\'') c = kMarkApostrophe;
        else if (c == kAGraveByte && i + 1 < n) c = kMarkAGrave;
    }
}
inline void UnmarkWord(BoundedString& w) {
    const i32 n = GetStringLength(w);
    for (i32 i = 0; i < n; ++i) {
        u8& c = w.data[i];
        if (c == kMarkHyphen) c = '-';
        else if (c == kMarkApostrophe) c = '\'';
        else if (c == kMarkAGrave) c = kAGraveByte;
    }
}
