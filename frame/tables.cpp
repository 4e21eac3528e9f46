// Definitions of the global tables that are not literal word lists: the
// writable string tables, the owned buffers, the sentence's word records,
// the static views on the constant tables below and the
// empty views that the loader and the language switch point later. All of
// them are built by static initialisation, before the first exported call;
// no table's construction depends on another's.
#include <cstdlib>
#include <new>

#include "frame/mac_roman.h"
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/tables.h"

namespace {

template <typename T>
BoundedArray<T> OwnedBuffer(u32 n) {
    BoundedArray<T> a;
    a.Allocate(n);
    return a;
}

StringList StringTable(u32 rows, u32 width) {
    StringList m;
    InitByteMatrix(m, rows, width);
    return m;
}

template <typename T>
BoundedArray<T> StaticView(const T* data, u32 n) {
    BoundedArray<T> a;
    a.View(const_cast<T*>(data), n);
    return a;
}

// ---- Sources of the tables the loader copies at start-up ------------------

struct ByteTable256 {
    u8 bytes[256] = {};
};

// Character classes by Mac Roman byte: 1 lower-case letter, 2 digit or ':',
// 3 word punctuation, 4 capital A..Z; an accented capital holds the byte of
// its lower-case letter; 0 otherwise.
constexpr ByteTable256 BuildCharClasses() {
    ByteTable256 t;
    for (int c = 'a'; c <= 'z'; ++c) t.bytes[c] = 1;
    for (int c = 'A'; c <= 'Z'; ++c) t.bytes[c] = 4;
    for (int c = '0'; c <= '9'; ++c) t.bytes[c] = 2;
    t.bytes[':'] = 2;
    for (u8 c : {'\'', ',', '-', '.', '/'}) t.bytes[c] = 3;
    const u8 accentedSmall[] = {MRC("à"), MRC("â"), MRC("ä"), MRC("ã"), MRC("ç"),
                                MRC("é"), MRC("è"), MRC("ê"), MRC("ë"), MRC("î"),
                                MRC("ï"), MRC("ñ"), MRC("ô"), MRC("ö"), MRC("õ"),
                                MRC("ù"), MRC("û"), MRC("ü"), MRC("æ"), MRC("œ")};
    for (u8 c : accentedSmall) t.bytes[c] = 1;
    const u8 capitalPairs[][2] = {
        {MRC("À"), MRC("à")}, {MRC("Â"), MRC("â")}, {MRC("Ä"), MRC("ä")}, {MRC("Ã"), MRC("ã")},
        {MRC("Ç"), MRC("ç")}, {MRC("É"), MRC("é")}, {MRC("È"), MRC("è")}, {MRC("Ê"), MRC("ê")},
        {MRC("Ë"), MRC("ë")}, {MRC("Î"), MRC("î")}, {MRC("Ï"), MRC("ï")}, {MRC("Ô"), MRC("ô")},
        {MRC("Ö"), MRC("ö")}, {MRC("Õ"), MRC("õ")}, {MRC("Ù"), MRC("ù")}, {MRC("Û"), MRC("û")},
        {MRC("Ü"), MRC("ü")}, {MRC("Æ"), MRC("æ")}, {MRC("Œ"), MRC("œ")}, {MRC("Ÿ"), MRC("ÿ")}};
    for (const auto& p : capitalPairs) t.bytes[p[0]] = p[1];
    return t;
}

// Dictionary letter codes: 'a'..'z' 1..26, then the accented letters and the
// internal hyphen mark; 0 for every other byte.
constexpr ByteTable256 BuildLetterCodes() {
    ByteTable256 t;
    for (int c = 'a'; c <= 'z'; ++c) t.bytes[c] = static_cast<u8>(c - 'a' + 1);
    const u8 accented[] = {MRC("â"), MRC("ä"), MRC("ç"), MRC("é"), MRC("è"),
                           MRC("ê"), MRC("ë"), MRC("î"), MRC("ï"), MRC("ô"),
                           MRC("ö"), MRC("û"), MRC("ü"), 0x9B};
    u8 code = 27;
    for (u8 c : accented) t.bytes[c] = code++;
    return t;
}

constexpr ByteTable256 kCharClassesSource = BuildCharClasses();
constexpr ByteTable256 kLetterCodesSource = BuildLetterCodes();

// Agreement of two syntactic categories a (row) and b (column), 0..18.
constexpr u8 kCategoryPairSource[19 * 19] = {
    1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  // 0
    1, 0, 1, 1, 0, 0, 0, 0, 3, 0, 3, 3, 3, 3, 1, 0, 1, 1, 3,  // 1
    1, 0, 1, 1, 3, 1, 3, 1, 3, 3, 1, 3, 1, 1, 1, 1, 3, 1, 1,  // 2
    1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  // 3
    1, 0, 1, 1, 0, 1, 0, 1, 0, 1, 1, 1, 1, 0, 1, 1, 1, 1, 1,  // 4
    1, 1, 1, 1, 1, 3, 1, 1, 1, 1, 3, 3, 1, 1, 1, 1, 1, 1, 1,  // 5
    1, 0, 1, 1, 0, 1, 0, 0, 0, 1, 3, 0, 1, 1, 1, 1, 1, 1, 1,  // 6
    1, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 3, 1, 0, 1,  // 7
    1, 3, 1, 3, 3, 3, 0, 1, 1, 1, 1, 1, 1, 3, 1, 1, 1, 1, 1,  // 8
    1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1,  // 9
    1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  // 10
    1, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  // 11
    1, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 3, 1, 1, 1, 1,  // 12
    1, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  // 13
    1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 3, 1, 1, 1, 1,  // 14
    1, 0, 1, 1, 1, 1, 3, 1, 1, 1, 1, 1, 1, 1, 0, 3, 1, 0, 1,  // 15
    1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  // 16
    1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 3, 1, 3, 1, 1,  // 17
    1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  // 18
};

// Suffix index by suffix code (code - 160) for English and for the other
// languages.
constexpr u8 kEnglishLetterTable[94] = {
    0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17,
    0x18, 0x20, 0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x29, 0x2a, 0x2b, 0x2c,
    0x2d, 0x2e, 0x2f, 0x30, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x40,
    0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49, 0x4a, 0x4b, 0x4c, 0x50, 0x51,
    0x52, 0x53, 0x54, 0x60, 0x61, 0x62, 0x63, 0x64, 0x65, 0x66, 0x67, 0x68, 0x69, 0x6a,
    0x6b, 0x70, 0x71, 0x80, 0x81, 0x82, 0x83, 0x84, 0x90, 0xa0, 0xa1, 0xa2, 0xa3, 0xa4,
    0xa5, 0xc0, 0xc1, 0xc2, 0x1e, 0x5d, 0x3d, 0x3e, 0x3f, 0x1f};

constexpr u8 kFrenchLetterTable[120] = {
    0x00, 0x01, 0x02, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0a, 0x0b, 0x20, 0x22, 0x24,
    0x25, 0x26, 0x27, 0x28, 0x29, 0x2a, 0x2b, 0x2c, 0x2d, 0x2e, 0x2f, 0x30, 0x31, 0x32,
    0x41, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49, 0x4a, 0x4b, 0x4c, 0x4d, 0x4e, 0x4f, 0x50,
    0x51, 0x52, 0x53, 0x54, 0x55, 0x60, 0x64, 0x65, 0x66, 0x67, 0x68, 0x69, 0x6a, 0x84,
    0x85, 0x86, 0x87, 0x88, 0x89, 0x8a, 0x8b, 0xa0, 0xa1, 0xa4, 0xa5, 0xa7, 0xa8, 0xc0,
    0xc1, 0xc2, 0xc4, 0x0d, 0x0e, 0x06, 0x28, 0x22, 0x0f, 0x09, 0x05, 0x2a, 0x26, 0x35,
    0x37, 0x23, 0x3f, 0x6d, 0x6f, 0x8e, 0x8f, 0x58, 0x5b, 0x5e, 0x8c, 0x0c, 0x49, 0x59,
    0x4c, 0x4d, 0x4d, 0x38, 0x5d, 0x36, 0x4f, 0x57, 0x5a, 0x6e, 0x56, 0x5c, 0xa9, 0x8d,
    0xaa, 0xab, 0x6c, 0xa6, 0x28, 0x6b, 0x34, 0x21};

// The user lexicon body starts as one byte from the C heap, so that the
// lexicon store can grow it with its resize operation; the header does not
// own it and this guard hands the block back when the library is unloaded.
BoundedString MakeUserLexiconBody() {
    BoundedString body;
    void* block = std::malloc(1);
    if (block == nullptr) throw std::bad_alloc();
    static_cast<u8*>(block)[0] = 0;
    body.View(static_cast<u8*>(block), 1);
    return body;
}

}  // namespace

// ---- Writable string tables ----------------------------------------------
StringList gAdjectiveExceptions = StringTable(264, 36);
StringList gAdjectiveEndings = StringTable(128, 36);
StringList gFunctionWordCodes = StringTable(31, 10);
StringList gFormWorkStrings = StringTable(1000, 16);
StringList gWordClassNames = StringTable(70, 40);
StringList gRelationWorkStrings = StringTable(1000, 36);
StringList gSpellingSuggestions = StringTable(24, 36);
i16 gSpellingSuggestionCount = 0;

// ---- Owned buffers ---------------------------------------------------------
BoundedString gLitDictWorkString = OwnedBuffer<u8>(36);
BoundedArray<SegmentRecord> gSegments = OwnedBuffer<SegmentRecord>(128);
u16 gSegmentCount = 0;
BoundedArray<SegmentRecord> gRewriteSegments = OwnedBuffer<SegmentRecord>(128);
u16 gRewriteSegmentCount = 0;
BoundedString gSpanText = OwnedBuffer<u8>(500);
BoundedString gCorrectionWorkString = OwnedBuffer<u8>(36);
BoundedArray<u16> gWordTagCodes = OwnedBuffer<u16>(kAnalysisSlots);
BoundedArray<u8> gWordAnalysisBytes = OwnedBuffer<u8>(kAnalysisSlots);
BoundedArray<u32> gWordLemmaRefs = OwnedBuffer<u32>(kAnalysisSlots);
BoundedArray<u8> gCharClasses = OwnedBuffer<u8>(256);
BoundedArray<u8> gLetterCodes = OwnedBuffer<u8>(256);
BoundedArray<u8> gCategoryPairTable = OwnedBuffer<u8>(361);
BoundedArray<u8> gLetterTable = OwnedBuffer<u8>(120);
BoundedArray<u8> gSuggestionFlags = OwnedBuffer<u8>(24);
u8 gPendingSuggestionFlag = 0;
BoundedString gLookupWorkString = OwnedBuffer<u8>(36);
BoundedArray<u8> gSpecialChars = OwnedBuffer<u8>(256);
BoundedString gLexFilePath = OwnedBuffer<u8>(2048);
BoundedString gUserLexicon = MakeUserLexiconBody();
BoundedString gExplanationText = OwnedBuffer<u8>(4096);

StringList gSpaceChars = StringTable(kLanguageTableSlots, kSpaceCharCapacity);
BoundedArray<u16> gSpaceCharCounts = OwnedBuffer<u16>(kLanguageTableSlots);
BoundedArray<BoundedArray<PunctSignRule>> gPunctSigns = [] {
    BoundedArray<BoundedArray<PunctSignRule>> tables;
    tables.Allocate(kLanguageTableSlots);
    for (u32 i = 0; i < kLanguageTableSlots; ++i) tables.data[i].Allocate(kPunctSignCapacity);
    return tables;
}();
BoundedArray<u16> gPunctSignCounts = OwnedBuffer<u16>(kLanguageTableSlots);

namespace {
// Declared after gUserLexicon, so it is destroyed first.
struct UserLexiconBlockGuard {
    ~UserLexiconBlockGuard() {
        if (gUserLexicon.owns == 0) std::free(gUserLexicon.data);
        gUserLexicon.data = nullptr;
        gUserLexicon.count = 0;
        gUserLexicon.last = 0;
        gUserLexicon.valid = 0;
    }
} gUserLexiconBlockGuard;
}  // namespace

// ---- Record arrays ---------------------------------------------------------
BoundedArray<WordRecord> gWords = [] {
    BoundedArray<WordRecord> words;
    CreateWordRecordArray(words, 128);
    return words;
}();
u16 gWordCount = 0;

// ---- Static views ----------------------------------------------------------
BoundedArray<u8> gEnglishLetterTable = StaticView(kEnglishLetterTable, 94);
BoundedArray<u8> gFrenchLetterTable = StaticView(kFrenchLetterTable, 120);
BoundedArray<u8> gCharClassesSource = StaticView(kCharClassesSource.bytes, 256);
BoundedArray<u8> gLetterCodesSource = StaticView(kLetterCodesSource.bytes, 256);
BoundedArray<u8> gCategoryPairSource = StaticView(kCategoryPairSource, 361);

// ---- Empty views (count 0, not valid; nothing allocated) ------------------
BoundedArray<EndingRow> gEndingRows;
BoundedArray<EnglishEndingRow> gEnglishEndingRows;
BoundedArray<DictSectionEntry> gFrenchDictPrefixIndex;
BoundedArray<DictSectionEntry> gEnglishDictPrefixIndex;
BoundedArray<DictSectionEntry> gDictPrefixIndex;
BoundedString gFrenchDictBody;
BoundedString gEnglishDictBody;
BoundedString gDictBody;
BoundedArray<BoundedArray<u16>> gFrenchPrefixSectionMatrix;
BoundedArray<BoundedArray<u16>> gEnglishPrefixSectionMatrix;
BoundedArray<BoundedArray<u16>> gPrefixSectionMatrix;
BoundedString gFrenchEndings1, gFrenchEndings2, gFrenchEndings3, gFrenchEndings4,
    gFrenchEndings5, gFrenchEndings6, gFrenchEndings7, gFrenchEndings8, gFrenchEndings9,
    gFrenchEndings10;
BoundedString gEnglishEndings1, gEnglishEndings2, gEnglishEndings3, gEnglishEndings4,
    gEnglishEndings5, gEnglishEndings6, gEnglishEndings7;
BoundedString gEndings1, gEndings2, gEndings3, gEndings4, gEndings5, gEndings6, gEndings7,
    gEndings8, gEndings9, gEndings10;
BoundedArray<LitDictIndexEntry> gLitDictIndex;
BoundedString gLitDictText;
BoundedString gLitDictOffsetsA;
BoundedString gLitDictOffsetsB;
StringList gCategoryNames;
