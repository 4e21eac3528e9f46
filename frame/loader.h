// Start-up data loader and language switch.
//
// The loader turns the built-in blocks into the in-memory tables every other
// subsystem reads: the prefix-to-section matrices, the prefix indexes and the
// verb model rows are converted; the dictionary bodies, the ending lists and
// the reference-dictionary text are viewed in place. Every count comes from
// the block sizes; a block that is absent or shorter than its header leaves
// its table empty (count 0; a clamped read of it yields zeros).
//
// The tables themselves are declared in frame/tables.h; this header adds the
// header values of the blocks and the three routines.
#pragma once
#include "frame/bounded_array.h"
#include "frame/records.h"
#include "frame/tables.h"
#include "frame/types.h"

// Virtual file numbers of the blocks the loader reads.
inline constexpr u16 kFrenchPrefixIndexBlock = 1;
inline constexpr u16 kFrenchDictBodyBlock = 2;
inline constexpr u16 kFrenchMatrixBlock = 3;
inline constexpr u16 kFrenchModelBlock = 4;
inline constexpr u16 kFrenchEndingsFirstBlock = 10;  // lengths 1..10: 10..19
inline constexpr u16 kEnglishPrefixIndexBlock = 101;
inline constexpr u16 kEnglishDictBodyBlock = 102;
inline constexpr u16 kEnglishMatrixBlock = 103;
inline constexpr u16 kEnglishModelBlock = 104;
inline constexpr u16 kEnglishEndingsFirstBlock = 110;  // lengths 1..7: 110..116
inline constexpr u16 kLitDictIndexBlock = 303;
inline constexpr u16 kLitDictTextBlock = 304;
inline constexpr u16 kLitDictOffsetsABlock = 305;
inline constexpr u16 kLitDictOffsetsBBlock = 306;
// Reached by its own id, outside the virtual file numbers.
inline constexpr u16 kLitDictRegisterBlock = 307;

// Block layouts.
inline constexpr u32 kMatrixColumns = 52;
inline constexpr u32 kMatrixRowBytes = 104;        // 52 big-endian u16
inline constexpr u32 kPrefixIndexHeaderBytes = 2;  // u16 section count
inline constexpr u32 kPrefixIndexRecordBytes = 10;
inline constexpr u32 kFrenchModelRowBytes = 156;
inline constexpr u32 kEnglishModelRowBytes = 12;
inline constexpr u32 kLitDictHeaderBytes = 10;  // u16 sections, u32 entries, u32 text size
inline constexpr u32 kLitDictRecordBytes = 12;
inline constexpr u32 kFrenchEndingLists = 10;
inline constexpr u32 kEnglishEndingLists = 7;
inline constexpr u32 kEnglishLetterTableBytes = 94;
inline constexpr u32 kFrenchLetterTableBytes = 120;

// Header values of the prefix indexes (never above the records present).
extern u16 gFrenchDictSectionCount;
extern u16 gEnglishDictSectionCount;
extern u16 gDictSectionCount;  // of the current language
// Header values of the reference-dictionary index.
extern u16 gLitDictSectionCount;
extern u32 gLitDictEntryTotal;
extern u32 gLitDictTextSize;
// What the data compiler found in the reference-dictionary text it wrote
// beside block 307 (a big-endian u32): the number of entries that carry a
// register label, as the synonym reader reads them. It speaks for the text
// viewed from block 304 alone (`text`); null when block 307 is absent.
struct LitDictRegisterNote {
    const u8* text = nullptr;
    u32 entries = 0;
};
extern LitDictRegisterNote gLitDictRegisterNote;
// 1 once the English blocks are converted.
extern u16 gEnglishLoaded;
// Entries in use in the current language's homophone list (every entry of
// the built-in list).
extern u16 gTaggedWordCount;

// Conversions of one block each (data may be null; size is the block's
// size). Every count comes from the size; a block shorter than its header
// or than one record gives an empty table. ConvertPrefixIndex returns the
// header's section count, never above the records present.
void ConvertSectionMatrix(BoundedArray<BoundedArray<u16>>& matrix, const u8* data, u32 size);
// Every ConvertPrefixIndex, ConvertFrenchModels and ConvertEnglishModels
// raises gDictInstallCount: a dictionary was put in place (the bodies may
// have changed under the same address), so what is derived from a body and
// its model rows is to be derived again.
extern u32 gDictInstallCount;
// The dictionary in use as what is derived from it records it: its body
// and the install count. A memo of dictionary answers holds them for one
// stamp and forgets them when the current one differs.
struct DictStamp {
    const void* body = nullptr;  // null: nothing derived yet
    u32 bodyCount = 0;
    u32 installCount = 0;
    bool operator==(const DictStamp&) const = default;
};
inline DictStamp CurrentDictStamp() {
    DictStamp s;
    s.body = gDictBody.data;
    s.bodyCount = gDictBody.count;
    s.installCount = gDictInstallCount;
    return s;
}
u16 ConvertPrefixIndex(BoundedArray<DictSectionEntry>& index, const u8* data, u32 size);
void ConvertFrenchModels(BoundedArray<EndingRow>& rows, const u8* data, u32 size);
void ConvertEnglishModels(BoundedArray<EnglishEndingRow>& rows, const u8* data, u32 size);
// Into gLitDictIndex and the three header values.
void ConvertLitDictIndex(const u8* data, u32 size);

// Builds every table (the English ones only when loadEnglish is non-zero),
// selects initialLanguage, resets the user lexicon state (through its layer
// hook, frame/layer_hooks.h) and sets the per-call defaults. Throws std::bad_alloc when memory runs out.
void LoadLinguisticData(u16 initialLanguage, u16 loadEnglish);

// Points the current views at English (0) or French (any other value). The
// English blocks are converted on the way when they were not loaded at
// start-up; when that runs out of memory, std::bad_alloc is thrown and
// nothing changes.
void SelectLanguageTables(u16 language);

// Converts the English blocks (matrix, prefix index, model rows) and views
// the English body and ending lists; sets gEnglishLoaded.
void LoadEnglishData();

// Hands every viewed block back to the resource layer. The converted tables
// stay allocated until the next start-up rebuilds them.
void ReleaseLanguageData();
