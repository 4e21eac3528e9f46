// Homophone lists and the readers of their entries.
//
// Each entry is one Mac Roman text:
//   byte 0      '0' + length of the word ('2'..'9', ':' for 10, ';' 11, ...);
//   bytes 1-2   group key: entries sharing a key are homophones;
//   bytes 3..   the word;
//   then annotations, each a blank, the mark 0xA4 and a code (a category
//   number, 'V' and a number, or a letter or sign), and an optional free
//   comment.
// Example: "401houe \xA411 \xA4F (outil)": word "houe", key "01", annotations
// "11" and "F".
#pragma once
#include "frame/bounded_array.h"
#include "frame/tables.h"

inline constexpr u8 kTaggedAnnotationMark = 0xA4;

// The built-in lists: blocks of type "KRZDATA" with these ids, each the
// entries one after the other, every entry followed by a NUL byte. (They
// are named by type and id, outside the virtual file numbers.)
inline constexpr u16 kEnglishTaggedWordsBlock = 401;
inline constexpr u16 kFrenchTaggedWordsBlock = 402;

// Points `list` at the entries of such a block: one view per entry, its
// count the entry's length + 1 (the NUL), as for literal word lists. Bytes
// after the last NUL are not an entry. An absent block gives an empty,
// valid list.
void ViewTaggedWordBlock(StringList& list, const u8* data, u32 size);

// Points both lists at their built-in blocks (done when the library is
// loaded and again by the start-up loader, which keeps a list that still
// holds the views it was given on the same block).
void LoadTaggedWordLists();

// gEnglishTaggedWords for language 0, gFrenchTaggedWords for any other.
StringList& TaggedWordsFor(u16 language);

// Length of the entry's word, from its first byte; 0 when that byte is not
// a length.
i32 TaggedWordLength(const BoundedString& entry);

// The two key bytes as one value (byte 1 high, byte 2 low).
u16 TaggedWordGroupKey(const BoundedString& entry);

// Copies the entry's word into dest (cut to dest's capacity).
void CopyTaggedWord(const BoundedString& entry, BoundedString& dest);

// 1 when the entry's word is exactly the `length` bytes of text.
u16 TaggedWordEquals(const BoundedString& entry, const u8* text, i32 length);

// 1 when the entry is a verb entry: 'V' at byte length + 5, the code of an
// annotation written right after the word.
u16 IsTaggedVerbEntry(const BoundedString& entry);

// 1 when one of the entry's annotations has exactly this code ("11", "V0",
// "F"); the free comment after the annotations is not searched.
u16 HasTaggedAnnotation(const BoundedString& entry, const char* code);

// Index of the first of the first `count` entries whose word is text; -1
// when none is.
i32 FindTaggedWord(const StringList& list, i32 count, const u8* text, i32 length);

// Writes the group of entry `index` into out: index first, then the other
// entries (among the first `count`) with the same key in list order, at most
// `capacity` in all. Returns the number written.
u16 CollectTaggedWordGroup(const StringList& list, i32 count, i32 index, u16* out,
                           u16 capacity);
