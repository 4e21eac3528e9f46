// The user lexicon on disk and as a memory image.
//
// Format "0270" (numbers big-endian): bytes 0-3 the signature "0270", 4-7
// the change counter, 8-11 the entry count, then the body exactly as held
// in memory (lex_store.h) up to the end. A file of the signature alone is an
// empty lexicon.
//
// Saving never truncates the lexicon file in place: the new contents go to
// a file beside it, which is flushed to disk and renamed over the old one
// (keeping its permissions). A failed save leaves the old file as it was;
// the file of a save killed before its rename is removed by the next open
// for writing. A file that may only be read is opened read-only: lookups
// work, changes fail with -5.
#pragma once
#include "frame/types.h"

inline constexpr u32 kLexHeaderSize = 12;
// How long a change waits for another process's change to the same file.
inline constexpr u32 kLexLockWaitMs = 5000;
// Another process held the lexicon file's lock for all that time.
inline constexpr i16 kLexBusy = -13;
inline constexpr u32 kLexSignature = 0x30323730;  // "0270"

// Loads the open lexicon file (LexFileHandle) into memory: 0, -5, -8, -10.
// An empty file becomes a new lexicon (counter 1) and is written.
i16 LoadLexiconFile();
// Writes header and body to the file at the lexicon path (beside, flush,
// rename); the new file becomes LexFileHandle. 0 or -5 (old file and handle
// untouched).
i16 WriteLexiconFile();
// Raises the change counter and writes the file: 0, -11 (no file open) or
// -5 (nothing written, the counter as it was).
i16 SaveLexiconChange();
// A change to the lexicon file runs between these two: Begin takes an
// advisory exclusive lock on the file at the lexicon path (waiting at most
// kLexLockWaitMs: kLexBusy) and, when another process has saved a new file
// there since this one loaded, loads it first, so that no other writer's
// word is lost; End releases the lock, after the save's rename. Without an
// open writable file Begin does nothing (the save then refuses). 0, or the
// failure of the lock or the load (the lexicon in memory unchanged).
i16 BeginLexFileChange();
void EndLexFileChange();
// The open file could only be opened for reading (saves fail with -5).
bool IsLexiconReadOnly();
void WriteBigEndian32(u8* bytes, u32 value);
// The path the lexicon was opened with ("" when none).
const char* GetLexiconPath();
