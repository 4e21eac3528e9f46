// The user lexicon store: one contiguous body of key-ordered entries.
//
// Body layout (all numbers big-endian): each entry spells its key as 4-byte
// nodes (key byte, 24-bit forward distance), one node per key byte and a
// terminating node whose key byte is 0, then a u16 data length L, L data
// bytes and a pad byte when L is odd. The first entry of every group of
// entries sharing a key prefix carries, in the node at the group's depth,
// the distance to the same node of the next group's head (0: none), so a
// lookup passes a whole group in one step.
//
// The body lives in gUserLexicon (frame/tables.h), its first LexBodySize
// bytes in use. Every walk is bounded by LexBodySize: a distance that leads
// outside the body counts as 0, and an entry that would run past the end is
// not an entry.
#pragma once
#include <cstdio>

#include "frame/bounded_array.h"
#include "frame/types.h"

// Keys are 1 to 35 bytes without a NUL; at most 4 entries share a key.
inline constexpr u32 kLexMaxKeyLength = 35;
inline constexpr u32 kLexMaxRecordsPerKey = 4;
// Distances have 24 bits, which bounds the body.
inline constexpr u32 kLexMaxBodySize = 0xFFFFFF;
// Paths given to KRZOpenLex: at most this many bytes (plus the terminator).
inline constexpr u32 kLexPathCapacity = 2048;

// Store results.
inline constexpr i16 kLexOk = 0;
inline constexpr i16 kLexBadKey = -1;      // empty key or a fifth record
inline constexpr i16 kLexFileError = -5;
inline constexpr i16 kLexNoMemory = -8;    // also: the body would pass its limit
inline constexpr i16 kLexBadImage = -10;
inline constexpr i16 kLexNotOpen = -11;
inline constexpr i16 kLexNotFound = -12;

extern u32 LexBodySize;       // body bytes in use
extern u32 LexEntryCount;     // entries, kept by insert and delete
extern u32 LexChangeCounter;  // raised by every save
// Raised by every change of what the lexicon holds (insert, delete, empty,
// clear, snapshot swap, reset), never lowered: what is derived from the
// lexicon's contents is derived again when it moved.
extern u32 LexEditCount;
extern std::FILE* LexFileHandle;  // the open lexicon file; null when none
extern u16 LexLookupSuspended;    // non-zero: lookups find nothing

// ---- Buffer primitives ----------------------------------------------------
// Reallocates to max(n, 1) bytes keeping the leading bytes; false (buffer
// untouched) when memory runs out.
bool ResizeByteBuffer(BoundedArray<u8>& buffer, u32 n);
// Copies n bytes (overlap allowed), n first cut to both buffers' bounds.
void MoveBufferBytes(const BoundedArray<u8>& source, u32 sourceOffset, BoundedArray<u8>& target,
                     u32 targetOffset, u32 n);
u16 GetBufferBE16(const BoundedArray<u8>& buffer, i32 offset);
void PutBufferBE16(BoundedArray<u8>& buffer, i32 offset, u16 value);
u32 GetBufferBE32(const BoundedArray<u8>& buffer, i32 offset);
void PutBufferBE32(BoundedArray<u8>& buffer, i32 offset, u32 value);

// ---- Store operations (keys are read up to their NUL) ---------------------
// Offset of the first entry whose key equals key, or -1. Callers pass 0, 0.
i32 FindLexWordOffset(u32 depth, u32 position, const BoundedString& key);
// Offset of the first entry whose key sorts after key, or -1 when none.
i32 FindLexInsertionPoint(u32 depth, u32 position, const BoundedString& key);
// Copies the data of every entry with this key into consecutive rows (at
// most maxLength bytes each, clamped to the rows) and returns their number;
// maxLength 0 only counts.
i16 CollectLexRecords(const BoundedString& key, BoundedArray<BoundedArray<u8>>& rows,
                      u32 maxLength);
// The same into a plain array of maxRows rows of rowSize bytes.
i16 CollectLexRecordBytes(const BoundedString& key, u8* rows, u32 maxRows, u32 rowSize);
// Entry number index in body order: key (terminated) and at most maxLength
// data bytes; 1 when it exists, else 0.
i16 GetLexEntryByIndex(u32 index, BoundedString& outKey, BoundedArray<u8>& outData,
                       u32 maxLength);
// 0, -11 (no file open), -1 (empty key, fifth record), -8 (no memory, or the
// body would pass kLexMaxBodySize).
i16 InsertLexEntry(const BoundedString& key, const BoundedArray<u8>& data, u32 length);
// Deletes the first entry with this key whose data matches (equal up to the
// given data's first NUL where the stored byte is NUL too). 0, -11 or -12.
i16 DeleteLexEntry(const BoundedString& key, const BoundedArray<u8>& data, u32 length);
// 0 when the whole body is sound (bounded walk, entry count, key order,
// group chains), -1 otherwise.
i16 CheckLexiconStructure();
// Empties the body and forgets the file handle (the stream is not closed).
void ClearUserLexicon();
// Sizes, counters and handle to zero; buffer to 1 byte.
void EmptyUserLexicon();
i16 IsUserLexiconEmpty();

// ---- Bodies outside the store (images being loaded) -----------------------
// Checks a body of size bytes: every entry inside the body with a key of 1
// to 35 bytes, keys in order, exactly expectedCount entries, sound chains.
// 0 or -1.
i16 CheckLexBody(const u8* body, u32 size, u32 expectedCount);

// One entry as found by a bounded walk.
struct LexEntryView {
    u32 start = 0;      // offset of node 0
    u32 keyLength = 0;  // nodes before the terminator
    u32 dataOffset = 0; // first data byte
    u32 dataLength = 0;
    u32 end = 0;        // offset of the next entry
};
// Parses the entry at offset of a body of size bytes; false when it is not a
// whole entry with a key of 1 to 35 bytes.
bool ReadLexEntry(const u8* body, u32 size, u32 offset, LexEntryView& entry);

// ---- Whole-lexicon copies (transactions) ----------------------------------
// The lexicon in memory: body block (C heap), sizes and change counter. A
// change that must not half-happen takes a snapshot first and restores it
// on any failure, so memory keeps mirroring the file.
struct LexSnapshot {
    u8* body = nullptr;
    u32 capacity = 0;
    u32 bodySize = 0;
    u32 entryCount = 0;
    u32 changeCounter = 0;
    bool held = false;
};
// Copies the lexicon in memory; false when memory runs out.
bool TakeLexSnapshot(LexSnapshot& s);
// A snapshot holding the given body; false when memory runs out.
bool MakeLexSnapshot(LexSnapshot& s, const u8* body, u32 size, u32 entryCount, u32 counter);
// Exchanges the lexicon in memory with the snapshot.
void SwapLexSnapshot(LexSnapshot& s);
// Puts the snapshot back in place of the lexicon in memory and releases it.
void RestoreLexSnapshot(LexSnapshot& s);
void ReleaseLexSnapshot(LexSnapshot& s);
