// The French reference dictionary: entry expansion and the reader.
#pragma once
#include "frame/bounded_array.h"
#include "frame/types.h"

// Rows of the reader: 1000 bytes each.
inline constexpr u32 kLitDictRowBytes = 1000;

// Rewrites one raw entry in place (byte 0 and 1 the block's key letters,
// then the type byte, the headword codes and the body, then 0) into display
// text: byte 0 := 0, byte 1 := the headword's length, from byte 2 the
// headword, a blank and the body. Returns the text's length plus 2.
i16 ExpandLitDictEntryText(BoundedString& row);

// Token and phrase (Mac Roman, at most 35 bytes) of the string tables.
u32 LitDictTableString(const BoundedString& table, u32 offsets, u32 index, u8 (&out)[36]);
inline u32 LitDictToken(const BoundedString& table, u32 index, u8 (&out)[36]) {
    return LitDictTableString(table, 192, index, out);
}
inline u32 LitDictPhrase(const BoundedString& table, u32 index, u8 (&out)[36]) {
    return LitDictTableString(table, 257, index, out);
}

// The folded comparison key of the entry whose type byte is at text[pos]
// (the text's bytes up to `end`): at most 35 bytes, cut at its first comma.
// Full entries leave their key stem in gLitDictWorkString; continuation
// entries read it.
u32 BuildLitDictKey(const BoundedString& text, u32 pos, u32 end, u8 (&key)[36]);

// The index record whose block holds the folded key's two first letters;
// -1 when no record has them (then `after` is the first record that sorts
// after them).
i32 FindLitDictBlock(u8 q1, u8 q2, i32& after);

// Reads entries: mode 0 looks the word (Mac Roman, lower case, at most 35
// bytes) up and writes the located entry to `entry`; mode 1 starts from
// `entry`. Fills the rows with consecutive expanded entries around it;
// `rowCount` gives the rows and receives the number filled, `first` the
// entry number of row 0. Returns 1 for an exact match in mode 0, else 0.
u16 ReadDictEntry(u16 mode, const BoundedString& word, BoundedArray<BoundedString>& rows, u32& first,
                  i16& rowCount, u32& entry);
// The same with rows counted in 32 bits (the exports' window may exceed i16).
u16 ReadDictEntryRows(u16 mode, const BoundedString& word, BoundedArray<BoundedString>& rows, u32& first,
                      u32& rowCount, u32& entry);
