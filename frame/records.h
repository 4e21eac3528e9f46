// Records shared by the subsystems: the words and segments of the current
// sentence, inflected forms, verb model rows, dictionary index entries and
// the text buffers of the analysis renderers. Records are plain structs
// whose arrays and strings are owning BoundedArrays; a default-constructed
// record has empty headers until its Construct/Init operation runs.
#pragma once
#include "frame/bounded_array.h"

inline constexpr u32 kReadingSlots = 8;
inline constexpr u32 kWordCapacity = 36;
inline constexpr u32 kWordMaxLength = kWordCapacity - 1;  // the last byte is the terminator
inline constexpr u32 kCodeCapacity = 9;
inline constexpr u32 kFrenchEndingSlots = 51;
inline constexpr u32 kEnglishEndingSlots = 5;

// One word of the sentence being checked, with up to eight readings.
struct WordRecord {
    u16 ReadingCount = 0;
    BoundedArray<u8> ReadingClasses;     // 8: word-class letter per reading
    BoundedArray<u8> ReadingFeatures;    // 8: low byte of the tag code
    BoundedArray<u8> ReadingCategories;  // 8: syntactic category code
    BoundedArray<u8> ReadingMarks;       // 8: analysis byte per reading
    BoundedArray<u32> ReadingLemmaRefs;  // 8: dictionary offset of the lemma
    u8 GroupMark = 0;
    u16 FunctionCode = 0;
    u16 LinkedWord = 0;  // 65535: attached to no word
    BoundedString BaseText;  // 36
    u32 StartOffset = 0;
    u32 EndOffset = 0;  // inclusive
    u8 ClauseNumber = 0;
    u16 OriginalIndex = 0;
    u16 SourceIndex = 0;
    u8 SpanFlag = 0;
    u16 WordCaseMode = 0;
    u16 FirstLigaturePos = 0;   // 65535: none
    u16 SecondLigaturePos = 0;  // 65535: none
    u16 LigatureMode = 0;
    u16 QuoteFlags = 0;
    u16 CorrectionMark = 0;
    u16 AmbiguityFlag = 0;
    BoundedString WordText;       // 36: flattened text of the word
    BoundedString LexiconForm;    // 36
    BoundedString SeparatorText;  // 36: the token as written
};

// One inflected form with its related word and codes.
struct FormEntry {
    BoundedString FormText;   // 36
    BoundedString LemmaText;  // 36
    u8 FormClass = 0;
    BoundedString FormCodes;  // 9
};

// One clause or segment of the current sentence (eight bytes).
struct SegmentRecord {
    u8 Gender = 0;       // gender (or person value) of the head word
    u8 Number = 0;       // number of the head word
    u8 Person = 0;       // 3 for both/invariable number, or the person code
    u8 SegmentKind = 0;  // category of the head word; 32 without a head
    u8 State = 0;        // 0..4; 0x7F as a marker
    u8 FirstWord = 0;
    u8 LastWord = 0;     // last word; the head word of a noun group
    u8 Link = 0;         // 0xFF when built, 0xFE as a marker
};
static_assert(sizeof(SegmentRecord) == 8);

// One French conjugation model: per form slot the ending's length and its
// index in the ending list of that length.
struct EndingRow {
    u8 ModelNumber = 0;
    u8 GroupChar1 = 0;
    u8 GroupChar2 = 0;
    BoundedArray<u8> EndingLengths;   // 51
    BoundedArray<u16> EndingIndexes;  // 51
};

// One English conjugation model (base, -s, -ing, past, past participle).
struct EnglishEndingRow {
    u8 ModelNumber = 0;
    u8 ClassChar = 0;
    BoundedArray<u8> EndingLengths;  // 5
    BoundedArray<u8> EndingIndexes;  // 5
};

// One two-letter section of a main dictionary.
struct DictSectionEntry {
    BoundedString Key;  // capacity 2: the two key bytes, no terminator
    u32 Offset = 0;     // section offset in the body
    u16 Length = 0;     // section length
    u16 Ordinal = 0;
};

// One index record of the reference dictionary.
struct LitDictIndexEntry {
    BoundedString Key;      // capacity 2
    u32 FirstEntry = 0;     // number of the first entry
    u32 TextOffset = 0;     // byte offset into the reference text
    u16 Ordinal = 0;
};

// Word records. A constructed record keeps its arrays in one block of
// kWordRecordBlockBytes (the lemma references first, owning it), so that a
// copy or a clear of the arrays is one move of the block.
inline constexpr u32 kWordRecordBlockBytes = kReadingSlots * 4 + 4 * kReadingSlots + 4 * kWordCapacity;
void ConstructWordRecord(WordRecord& r);
void DestroyWordRecord(WordRecord& r);
void CopyWordRecord(WordRecord& dest, const WordRecord& src);
// True when every array of the record lies in its block as
// ConstructWordRecord lays them.
bool WordRecordIsPacked(const WordRecord& r);
// The block of a record built by ConstructWordRecord; null for a record
// never built. Only ConstructWordRecord places a record's arrays, so its
// first and last arrays tell a built record (debug builds check them all).
inline u8* WordRecordBlock(const WordRecord& r) {
    u8* at = reinterpret_cast<u8*>(r.ReadingLemmaRefs.data);
    const bool built = r.ReadingLemmaRefs.owns != 0 && r.ReadingLemmaRefs.count == kReadingSlots &&
                       r.SeparatorText.data == at + (kWordRecordBlockBytes - kWordCapacity);
#ifndef NDEBUG
    if (built != WordRecordIsPacked(r)) __builtin_trap();
#endif
    return built ? at : nullptr;
}
void CreateWordRecordArray(BoundedArray<WordRecord>& a, u32 n);
void DestroyWordRecordArray(BoundedArray<WordRecord>& a);
inline WordRecord* GetWordRecordAt(BoundedArray<WordRecord>& a, i32 i) { return &a[i]; }
inline void SetWordRecordAt(BoundedArray<WordRecord>& a, i32 i, const WordRecord& r) {
    CopyWordRecord(a[i], r);
}

// Segment records.
inline SegmentRecord* GetRecord8At(BoundedArray<SegmentRecord>& a, i32 i) { return &a[i]; }
inline void SetRecord8At(BoundedArray<SegmentRecord>& a, i32 i, const SegmentRecord& r) {
    a[i] = r;
}

// Form entries.
void InitFormEntry(FormEntry& e);
void FreeFormEntry(FormEntry& e);
void InitFormEntryArray(BoundedArray<FormEntry>& a, u32 n);
void FreeFormEntryArray(BoundedArray<FormEntry>& a);
// Deleting destructor: bit 1 of flags marks a heap array of n entries
// (each destroyed), bit 0 frees the memory itself. Returns e.
FormEntry* DeleteFormEntryArray(FormEntry* e, u32 flags, u32 n = 1);

// Verb model rows.
void InitEndingRow(EndingRow& r);
void CopyEndingRow(EndingRow& dest, const EndingRow& src);
void FreeEndingRow(EndingRow& r);
void InitEnglishEndingRow(EnglishEndingRow& r);
void CopyEnglishEndingRow(EnglishEndingRow& dest, const EnglishEndingRow& src);
void FreeEnglishEndingRow(EnglishEndingRow& r);
void AllocRecordArray(BoundedArray<EndingRow>& a, u32 n);
void AllocEnglishEndingRowArray(BoundedArray<EnglishEndingRow>& a, u32 n);
inline EndingRow* EndingRowAt(BoundedArray<EndingRow>& a, i32 i) { return &a[i]; }
inline EnglishEndingRow* EndingRowAt(BoundedArray<EnglishEndingRow>& a, i32 i) { return &a[i]; }

// Dictionary index entries.
void ConstructShortString(BoundedString& s);
void AllocDictSectionArray(BoundedArray<DictSectionEntry>& a, u32 n);
void AllocLitDictIndexArray(BoundedArray<LitDictIndexEntry>& a, u32 n);
inline DictSectionEntry* ModelRecordAt(BoundedArray<DictSectionEntry>& a, i32 i) { return &a[i]; }
