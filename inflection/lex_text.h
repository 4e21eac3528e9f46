// Small text helpers shared by the lexicon's word logic.
#pragma once
#include "frame/bounded_string.h"
#include "frame/mac_roman.h"

namespace lex_text {

// A fresh owned string of capacity n (a word by default).
inline BoundedString NewString(u32 n = 36) {
    BoundedString s;
    s.Allocate(n);
    return s;
}

// The word with its typography flattened (ligatures spelt out, quotes and
// dashes made plain, control characters dropped).
inline void Flatten(BoundedString& dest, const BoundedString& src) {
    u16 a = 0;
    u16 b = 0;
    FlattenMacRomanTypography(dest, src, a, b, 0);
}

}  // namespace lex_text
