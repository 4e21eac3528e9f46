// Character-class sets of the tokenizer: one 256-entry table per class,
// entry 1 when the Mac Roman byte belongs to the class, else 0.
//
// The sets are constant. Each ClassSetN is a view (owns 0, valid 1) on its
// row of gClassSetBytes; the token automata (frame/automata.h) and the
// suggestion and span code read them.
#pragma once
#include <array>

#include "frame/bounded_array.h"

inline constexpr u32 kClassSetCount = 27;
inline constexpr u32 kClassSetSize = 256;

// Storage of the sets, constant-initialised (readable before any dynamic
// initialiser runs). Never written.
extern std::array<std::array<u8, kClassSetSize>, kClassSetCount> gClassSetBytes;

extern BoundedArray<u8> ClassSet0;   // letters, with Æ æ Œ œ ﬁ ﬂ
extern BoundedArray<u8> ClassSet1;   // digits
extern BoundedArray<u8> ClassSet2;   // punctuation, line ends
extern BoundedArray<u8> ClassSet3;   // digits and the letters of ClassSet0
extern BoundedArray<u8> ClassSet4;   // - / ±
extern BoundedArray<u8> ClassSet5;   // + , ±
extern BoundedArray<u8> ClassSet6;   // symbols (none of the other classes)
extern BoundedArray<u8> ClassSet7;   // opening quotes
extern BoundedArray<u8> ClassSet8;   // closing quotes
extern BoundedArray<u8> ClassSet9;   // apostrophes
extern BoundedArray<u8> ClassSet10;  // space, non-breaking space
extern BoundedArray<u8> ClassSet11;  // joiners - . _
extern BoundedArray<u8> ClassSet12;  // letters without ligatures
extern BoundedArray<u8> ClassSet13;  // digits and the letters of ClassSet12
extern BoundedArray<u8> ClassSet14;  // symbols, ligatures included
extern BoundedArray<u8> ClassSet15;
extern BoundedArray<u8> ClassSet16;
extern BoundedArray<u8> ClassSet17;
extern BoundedArray<u8> ClassSet18;
extern BoundedArray<u8> ClassSet19;
extern BoundedArray<u8> ClassSet20;
extern BoundedArray<u8> ClassSet21;
extern BoundedArray<u8> ClassSet22;
extern BoundedArray<u8> ClassSet23;
extern BoundedArray<u8> ClassSet24;
extern BoundedArray<u8> ClassSet25;  // letters of the index words
extern BoundedArray<u8> ClassSet26;  // empty

// Membership of byte c in set n (0..26; other n: the empty set).
inline u8 InClassSet(u32 n, u8 c) {
    return n < kClassSetCount ? gClassSetBytes[n][c] : 0;
}
