// Start-up data loader and language switch.
#include "frame/loader.h"

#include <algorithm>
#include <cstring>

#include "frame/layer_hooks.h"
#include "frame/records.h"
#include "frame/resources.h"
#include "frame/sentence_state.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "frame/tagged_words.h"

u16 gFrenchDictSectionCount = 0;
u16 gEnglishDictSectionCount = 0;
u16 gDictSectionCount = 0;
u16 gLitDictSectionCount = 0;
u32 gLitDictEntryTotal = 0;
u32 gLitDictTextSize = 0;
u16 gEnglishLoaded = 0;
LitDictRegisterNote gLitDictRegisterNote;
u16 gTaggedWordCount = 0;

namespace {

// Zeroed bytes behind the views of absent blocks, so that a clamped read of
// an empty view yields 0 instead of touching a null pointer.
u8 gAbsentBlock[8] = {};

u16 ReadU16(const u8* p) { return static_cast<u16>((p[0] << 8) | p[1]); }
u32 ReadU32(const u8* p) {
    return (static_cast<u32>(p[0]) << 24) | (static_cast<u32>(p[1]) << 16) |
           (static_cast<u32>(p[2]) << 8) | p[3];
}

struct Block {
    const u8* data = nullptr;
    u32 size = 0;
};

// The block of a virtual number; null and 0 when it is absent or empty.
Block FindBlock(u16 number) {
    Block b;
    b.data = GetResourceFileData(number);
    b.size = b.data != nullptr ? GetResourceFileSize(number) : 0;
    if (b.size == 0) return Block{};
    return b;
}

// A non-owning view on a block; an absent block gives an empty, invalid view
// over zeroed bytes.
void ViewAbsentBlock(BoundedString& view) {
    view.View(gAbsentBlock, 0);
    view.valid = 0;
}

void ViewBlock(BoundedString& view, u16 number) {
    Block b = FindBlock(number);
    if (b.data == nullptr)
        ViewAbsentBlock(view);
    else
        view.View(const_cast<u8*>(b.data), b.size);
}

}  // namespace

void ConvertSectionMatrix(BoundedArray<BoundedArray<u16>>& matrix, const u8* data, u32 size) {
    u32 rows = data != nullptr ? size / kMatrixRowBytes : 0;
    AllocU16RowTable(matrix, rows, kMatrixColumns);
    if (rows == 0) matrix.data[0].Allocate(0);  // a zero row behind the empty table
    for (u32 r = 0; r < rows; ++r) {
        const u8* row = data + r * kMatrixRowBytes;
        for (u32 c = 0; c < kMatrixColumns; ++c) matrix.data[r].data[c] = ReadU16(row + 2 * c);
    }
}

u32 gDictInstallCount = 0;

u16 ConvertPrefixIndex(BoundedArray<DictSectionEntry>& index, const u8* data, u32 size) {
    ++gDictInstallCount;
    const bool whole = data != nullptr && size >= kPrefixIndexHeaderBytes;
    u32 entries = whole ? (size - kPrefixIndexHeaderBytes) / kPrefixIndexRecordBytes : 0;
    AllocDictSectionArray(index, entries);
    if (entries == 0) ConstructShortString(index.data[0].Key);
    if (!whole) return 0;
    for (u32 i = 0; i < entries; ++i) {
        const u8* rec = data + kPrefixIndexHeaderBytes + i * kPrefixIndexRecordBytes;
        DictSectionEntry& e = index.data[i];
        e.Key.data[0] = rec[0];
        e.Key.data[1] = rec[1];
        e.Offset = ReadU32(rec + 2);
        e.Length = ReadU16(rec + 6);
        e.Ordinal = ReadU16(rec + 8);
    }
    return static_cast<u16>(std::min<u32>(ReadU16(data), entries));
}

void ConvertFrenchModels(BoundedArray<EndingRow>& rows, const u8* data, u32 size) {
    ++gDictInstallCount;
    u32 n = data != nullptr ? size / kFrenchModelRowBytes : 0;
    AllocRecordArray(rows, n);
    if (n == 0) InitEndingRow(rows.data[0]);
    EndingRow temp;
    InitEndingRow(temp);
    for (u32 r = 0; r < n; ++r) {
        const u8* row = data + r * kFrenchModelRowBytes;
        temp.ModelNumber = row[0];
        temp.GroupChar1 = row[1];
        temp.GroupChar2 = row[2];
        for (u32 s = 0; s < kFrenchEndingSlots; ++s) {
            temp.EndingLengths.data[s] = row[3 + s];
            temp.EndingIndexes.data[s] = ReadU16(row + 3 + kFrenchEndingSlots + 2 * s);
        }
        CopyEndingRow(rows.data[r], temp);
    }
}

void ConvertEnglishModels(BoundedArray<EnglishEndingRow>& rows, const u8* data, u32 size) {
    ++gDictInstallCount;
    u32 n = data != nullptr ? size / kEnglishModelRowBytes : 0;
    AllocEnglishEndingRowArray(rows, n);
    if (n == 0) InitEnglishEndingRow(rows.data[0]);
    EnglishEndingRow temp;
    InitEnglishEndingRow(temp);
    for (u32 r = 0; r < n; ++r) {
        const u8* row = data + r * kEnglishModelRowBytes;
        temp.ModelNumber = row[0];
        temp.ClassChar = row[1];
        for (u32 s = 0; s < kEnglishEndingSlots; ++s) {
            temp.EndingLengths.data[s] = row[2 + s];
            temp.EndingIndexes.data[s] = row[2 + kEnglishEndingSlots + s];
        }
        CopyEnglishEndingRow(rows.data[r], temp);
    }
}

void ConvertLitDictIndex(const u8* data, u32 size) {
    const bool whole = data != nullptr && size >= kLitDictHeaderBytes;
    u32 entries = whole ? (size - kLitDictHeaderBytes) / kLitDictRecordBytes : 0;
    AllocLitDictIndexArray(gLitDictIndex, entries);
    if (entries == 0) ConstructShortString(gLitDictIndex.data[0].Key);
    gLitDictSectionCount = whole ? ReadU16(data) : 0;
    gLitDictEntryTotal = whole ? ReadU32(data + 2) : 0;
    gLitDictTextSize = whole ? ReadU32(data + 6) : 0;
    for (u32 i = 0; i < entries; ++i) {
        const u8* rec = data + kLitDictHeaderBytes + i * kLitDictRecordBytes;
        LitDictIndexEntry& e = gLitDictIndex.data[i];
        e.Key.data[0] = rec[0];
        e.Key.data[1] = rec[1];
        e.FirstEntry = ReadU32(rec + 2);
        e.TextOffset = ReadU32(rec + 6);
        e.Ordinal = ReadU16(rec + 10);
    }
}

namespace {

// Converts one block with the given routine, then hands the block back.
template <typename Convert>
void ConvertBlock(u16 number, Convert convert) {
    Block b = FindBlock(number);
    convert(b.data, b.size);
    if (b.data != nullptr) ReleaseResourceBlock(b.data);
}

BoundedString* const kFrenchEndings[kFrenchEndingLists] = {
    &gFrenchEndings1, &gFrenchEndings2, &gFrenchEndings3, &gFrenchEndings4, &gFrenchEndings5,
    &gFrenchEndings6, &gFrenchEndings7, &gFrenchEndings8, &gFrenchEndings9, &gFrenchEndings10};
BoundedString* const kEnglishEndings[kEnglishEndingLists] = {
    &gEnglishEndings1, &gEnglishEndings2, &gEnglishEndings3, &gEnglishEndings4,
    &gEnglishEndings5, &gEnglishEndings6, &gEnglishEndings7};
BoundedString* const kCurrentEndings[kFrenchEndingLists] = {
    &gEndings1, &gEndings2, &gEndings3, &gEndings4, &gEndings5,
    &gEndings6, &gEndings7, &gEndings8, &gEndings9, &gEndings10};

// The blocks both languages share in shape: the prefix-to-section matrix,
// the prefix index (with its section count), the body and the ending lists.
void LoadDictionaryBlocks(u16 matrixBlock, BoundedArray<BoundedArray<u16>>& matrix, u16 indexBlock,
                          BoundedArray<DictSectionEntry>& index, u16& sectionCount, u16 bodyBlock,
                          BoundedString& body, BoundedString* const* endings, u32 endingLists,
                          u16 firstEndingBlock) {
    ConvertBlock(matrixBlock, [&](const u8* d, u32 n) { ConvertSectionMatrix(matrix, d, n); });
    ConvertBlock(indexBlock, [&](const u8* d, u32 n) { sectionCount = ConvertPrefixIndex(index, d, n); });
    ViewBlock(body, bodyBlock);
    for (u32 k = 0; k < endingLists; ++k) ViewBlock(*endings[k], static_cast<u16>(firstEndingBlock + k));
}

void LoadFrenchData() {
    LoadDictionaryBlocks(kFrenchMatrixBlock, gFrenchPrefixSectionMatrix, kFrenchPrefixIndexBlock,
                         gFrenchDictPrefixIndex, gFrenchDictSectionCount, kFrenchDictBodyBlock,
                         gFrenchDictBody, kFrenchEndings, kFrenchEndingLists, kFrenchEndingsFirstBlock);
    ConvertBlock(kFrenchModelBlock,
                 [](const u8* d, u32 n) { ConvertFrenchModels(gEndingRows, d, n); });
}

// Empty English tables (count 0, reading as zeros) for a start without the
// English data.
void ClearEnglishData() {
    gEnglishLoaded = 0;
    ConvertSectionMatrix(gEnglishPrefixSectionMatrix, nullptr, 0);
    gEnglishDictSectionCount = ConvertPrefixIndex(gEnglishDictPrefixIndex, nullptr, 0);
    ConvertEnglishModels(gEnglishEndingRows, nullptr, 0);
    ViewAbsentBlock(gEnglishDictBody);
    for (BoundedString* v : kEnglishEndings) ViewAbsentBlock(*v);
}

// After the text is viewed: what block 307 tells of it.
void ReadLitDictRegisterNote() {
    gLitDictRegisterNote = LitDictRegisterNote{};
    const u8* d = nullptr;
    u32 n = 0;
    if (!FindEmbeddedBlock("KRZDATA", kLitDictRegisterBlock, &d, &n) || d == nullptr || n < 4) return;
    if (gLitDictText.valid == 0) return;
    gLitDictRegisterNote.text = gLitDictText.data;
    gLitDictRegisterNote.entries = ReadU32(d);
}

template <typename T>
void PointView(BoundedArray<T>& view, BoundedArray<T>& table) {
    view.View(table.data, table.count);
}

void CopyLetterTable(const BoundedArray<u8>& source, u32 n) {
    n = std::min({n, source.count, gLetterTable.count});
    if (n != 0) std::memcpy(gLetterTable.data, source.data, n);
}

}  // namespace

void LoadEnglishData() {
    gEnglishLoaded = 0;
    LoadDictionaryBlocks(kEnglishMatrixBlock, gEnglishPrefixSectionMatrix, kEnglishPrefixIndexBlock,
                         gEnglishDictPrefixIndex, gEnglishDictSectionCount, kEnglishDictBodyBlock,
                         gEnglishDictBody, kEnglishEndings, kEnglishEndingLists, kEnglishEndingsFirstBlock);
    ConvertBlock(kEnglishModelBlock,
                 [](const u8* d, u32 n) { ConvertEnglishModels(gEnglishEndingRows, d, n); });
    gEnglishLoaded = 1;
}

void LoadLinguisticData(u16 initialLanguage, u16 loadEnglish) {
    std::memcpy(gCharClasses.data, gCharClassesSource.data,
                std::min(gCharClasses.count, gCharClassesSource.count));
    std::memcpy(gLetterCodes.data, gLetterCodesSource.data,
                std::min(gLetterCodes.count, gLetterCodesSource.count));
    std::memcpy(gCategoryPairTable.data, gCategoryPairSource.data,
                std::min(gCategoryPairTable.count, gCategoryPairSource.count));
    ResetSentenceState();
    LoadFrenchData();
    if (loadEnglish != 0)
        LoadEnglishData();
    else
        ClearEnglishData();
    ConvertBlock(kLitDictIndexBlock, ConvertLitDictIndex);
    ViewBlock(gLitDictText, kLitDictTextBlock);
    ViewBlock(gLitDictOffsetsA, kLitDictOffsetsABlock);
    ViewBlock(gLitDictOffsetsB, kLitDictOffsetsBBlock);
    ReadLitDictRegisterNote();
    // The homophone lists; the language switch below takes their counts.
    LoadTaggedWordLists();
    // French first, so that an English start leaves the ending lists 8 to 10
    // and the tail of the letter table on the French data, as a later switch
    // from French would.
    if (initialLanguage == 0) SelectLanguageTables(3);
    SelectLanguageTables(initialLanguage);
    CallLayerHook(gLayerHooks.resetUserLexicon);
    gActiveVariantB = 0;
    gActiveVariantA = 0;
    gActiveMedical = 0;
    gActiveLangUniq = 0;
    gStraightQuotes = 0;
    gFrenchWordPass = 1;
    gLongSentenceThreshold = 50;
}

void SelectLanguageTables(u16 language) {
    const bool english = language == 0;
    if (english && gEnglishLoaded == 0) LoadEnglishData();
    gCheckingLanguage = language;
    if (english) {
        PointView(gPrefixSectionMatrix, gEnglishPrefixSectionMatrix);
        PointView(gDictPrefixIndex, gEnglishDictPrefixIndex);
        PointView(gDictBody, gEnglishDictBody);
        gDictSectionCount = gEnglishDictSectionCount;
        // Lists 8 to 10 keep what they held: English endings stop at 7.
        for (u32 k = 0; k < kEnglishEndingLists; ++k)
            PointView(*kCurrentEndings[k], *kEnglishEndings[k]);
        // Bytes 94 to 119 keep their previous contents.
        CopyLetterTable(gEnglishLetterTable, kEnglishLetterTableBytes);
        gTaggedWordCount = static_cast<u16>(TaggedWordsFor(0).count);
    } else {
        PointView(gPrefixSectionMatrix, gFrenchPrefixSectionMatrix);
        PointView(gDictPrefixIndex, gFrenchDictPrefixIndex);
        PointView(gDictBody, gFrenchDictBody);
        gDictSectionCount = gFrenchDictSectionCount;
        for (u32 k = 0; k < kFrenchEndingLists; ++k)
            PointView(*kCurrentEndings[k], *kFrenchEndings[k]);
        CopyLetterTable(gFrenchLetterTable, kFrenchLetterTableBytes);
        gTaggedWordCount = static_cast<u16>(TaggedWordsFor(language).count);
    }
}

void ReleaseLanguageData() {
    ReleaseResourceBlock(gFrenchDictBody.data);
    for (BoundedString* v : kFrenchEndings) ReleaseResourceBlock(v->data);
    if (gEnglishLoaded != 0) {
        ReleaseResourceBlock(gEnglishDictBody.data);
        for (BoundedString* v : kEnglishEndings) ReleaseResourceBlock(v->data);
    }
    ReleaseResourceBlock(gLitDictText.data);
    ReleaseResourceBlock(gLitDictOffsetsA.data);
    ReleaseResourceBlock(gLitDictOffsetsB.data);
}
