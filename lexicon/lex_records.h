// Records of the user lexicon and the host's word list.
//
// Every entry's data is one 46-byte record packed from a FormEntry: bytes
// 0-35 its lemma string (all 36 bytes), byte 36 its class byte, bytes 37-45
// its nine code bytes. The entry's key is the FormEntry's first string (the
// normalised word followed by one class byte).
#pragma once
#include "frame/bounded_array.h"
#include "frame/records.h"
#include "frame/types.h"
#include "krzlib.h"

inline constexpr u32 kLexRecordSize = 46;
inline constexpr u32 kLexKeyCapacity = 36;

// Class bytes the lexicon writes.
inline constexpr u8 kLexClassProperNoun = 64;   // '@', any language
inline constexpr u8 kLexClassReplacement = 62;  // '>'
inline constexpr u8 kLexClassPhonetic = 63;     // '?'
inline constexpr u8 kLexClassEnglishVerb = 59;  // ';'
inline constexpr u8 kLexClassFrenchVerb = 60;   // '<'

// Inserts the entry's record under its first string: 0, -11, -1 or -8.
i16 InsertLexRecord(const FormEntry& entry);
// Removes the first record of the entry's key whose stored lemma equals the
// entry's lemma (class and codes are not compared): 0, -11 or -12.
i16 RemoveLexRecord(const FormEntry& entry);
// Fills entries[0..n-1] (an array of at least 4 initialised entries) with
// the records of key in stored order and returns n (0 to 4); 0 without
// touching entries while lookups are suspended.
i16 LookupLexRecords(const BoundedString& key, BoundedArray<FormEntry>& entries);
// The first record of key into entry; returns the number of records (0: the
// entry is untouched). Allocates nothing.
i16 LookupFirstLexRecord(const BoundedString& key, FormEntry& entry);
// Entry number index in body order into entry: 0 when it exists, 1 when it
// does not or while lookups are suspended.
i16 GetLexEntryAt(u32 index, FormEntry& entry);
// Copies all bytes of the three strings and the class byte.
void CopyFormEntry(FormEntry& target, const FormEntry& source);

// Key normalisation: turns the word held in key (a string of 36 bytes) into
// a lexicon key in place: blank -> 202, capitals lowered, '-' -> 155 and,
// in a hyphenated word, a non-final 0x88 -> 0x8B; then the class byte and a
// NUL. The word is cut to the room left for those two (34 bytes in a 36-byte
// key), so that every class keeps a key of its own.
void NormaliseLexKey(BoundedString& key, u8 classByte);
// 1 when classByte is 50 to 69 and key equals the key built from the
// flattened word with that class byte, else 0.
i16 LexEntryMatchesClass(const BoundedString& key, const BoundedString& word, u8 classByte);

// The word list.
extern const u8 gLexSortWeights[256];
// Builds the unsorted list of listed entries into *list (a block of the
// frame's memory layer) from slot firstSlot on; firstSlot plus the number
// written, or -1 when the block cannot be obtained.
i32 CollectLexWords(void** list, u16 languageMask, i32 firstSlot);
// Sorts records first..last by collated text, then category (then language).
void SortLexWordList(i32 first, i32 last, LexListRecord* records);
