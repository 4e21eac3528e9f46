// Global tables of the library. Every table here exists from the moment the
// library is loaded (built by static initialisation in tables.cpp and its
// companion units), before the first exported call:
//  - literal word lists: arrays of views on constant literals;
//  - writable string tables: rows of owned strings, contents unspecified;
//  - owned buffers: allocated once, contents unspecified until written;
//  - record arrays: the sentence, segment and renderer tables;
//  - static views: constant data of the library (owns 0, valid 1);
//  - empty views: count 0, not valid, until the loader or the language
//    switch points them at resource data.
#pragma once
#include "frame/bounded_array.h"
#include "frame/punct_sign_rule.h"
#include "frame/types.h"

// Records of the sentence and of the loader (defined in frame/records.h).
struct WordRecord;
struct SegmentRecord;
struct EndingRow;
struct EnglishEndingRow;
struct DictSectionEntry;
struct LitDictIndexEntry;

using StringList = BoundedArray<BoundedString>;

// ---- Literal word lists (views on constant literals; never written) -------
extern StringList gEnglishSpellingRows;     // 40
extern StringList gFrenchSpellingRows;      // 40
extern StringList gEnglishSuffixes;         // 195, positions matter
extern StringList gFrenchSuffixes;          // 197, positions matter
extern StringList gEnglishNumberWords;      // 51, entry 0 empty
extern StringList gFrenchNumberWords;       // 104
extern StringList gCategoryCodes;           // 96, by WordCategory
extern StringList gFrenchCategoryLabels;    // 96
extern StringList gEnglishCategoryLabels;   // 96
extern StringList gFrenchFunctionWords;     // 52
extern StringList gEnglishTaggedWords;      // homophone lists (frame/tagged_words.h)
extern StringList gFrenchTaggedWords;

// ---- Writable string tables (rows × capacity, owned rows) -----------------
extern StringList gAdjectiveExceptions;     // 264 × 36
extern StringList gAdjectiveEndings;        // 128 × 36
extern StringList gFunctionWordCodes;       // 31 × 10
extern StringList gFormWorkStrings;         // 1000 × 16
extern StringList gWordClassNames;          // 70 × 40
extern StringList gRelationWorkStrings;     // 1000 × 36
extern StringList gSpellingSuggestions;     // 24 × 36
extern i16 gSpellingSuggestionCount;

// ---- Owned buffers ---------------------------------------------------------
extern BoundedString gLitDictWorkString;          // 36
extern BoundedArray<SegmentRecord> gSegments;     // 128
extern u16 gSegmentCount;
extern BoundedArray<SegmentRecord> gRewriteSegments;  // 128
extern u16 gRewriteSegmentCount;  // clauses in gRewriteSegments (the rewriting step fills them)
extern BoundedString gSpanText;                   // 500
extern BoundedString gCorrectionWorkString;       // 36
// One slot per analysis of the word looked up: its tag, its analysis byte
// and its lemma reference (a reference of its own for every analysis: with
// fewer reference slots, every analysis after the eighth wrote its reference
// over the eighth one's).
inline constexpr i32 kAnalysisSlots = 20;
extern BoundedArray<u16> gWordTagCodes;           // kAnalysisSlots analysis tags
extern BoundedArray<u8> gWordAnalysisBytes;       // kAnalysisSlots analysis bytes
extern BoundedArray<u32> gWordLemmaRefs;          // kAnalysisSlots lemma references
extern BoundedArray<u8> gCharClasses;             // 256, filled by the loader
extern BoundedArray<u8> gLetterCodes;             // 256, filled by the loader
extern BoundedArray<u8> gCategoryPairTable;       // 361 (19 × 19), filled by the loader
extern BoundedArray<u8> gLetterTable;             // 120, filled by the language switch
extern BoundedArray<u8> gSuggestionFlags;         // 24, one per suggestion
extern u8 gPendingSuggestionFlag;                 // cost mark waiting for the next suggestion
extern BoundedString gLookupWorkString;           // 36
extern BoundedArray<u8> gSpecialChars;            // 256
extern BoundedString gLexFilePath;                // 2048
extern BoundedString gUserLexicon;                // 1, grown by the lexicon store
extern BoundedString gExplanationText;            // 4096

// Per-language space and punctuation tables, one slot per language 0, 3,
// 10 and 11 (see LanguageTableSlot).
constexpr u32 kLanguageTableSlots = 4;
constexpr u32 kSpaceCharCapacity = 32;
constexpr u32 kPunctSignCapacity = 32;
extern StringList gSpaceChars;                          // 4 × 32 bytes
extern BoundedArray<u16> gSpaceCharCounts;              // 4
extern BoundedArray<BoundedArray<PunctSignRule>> gPunctSigns;  // 4 × 32 records
extern BoundedArray<u16> gPunctSignCounts;              // 4

// Slot of a language in the per-language tables: 0, 3, 10, 11 -> 0..3;
// any other language -> -1.
constexpr i32 LanguageTableSlot(u16 language) {
    switch (language) {
        case 0: return 0;
        case 3: return 1;
        case 10: return 2;
        case 11: return 3;
        default: return -1;
    }
}

// ---- Record arrays ---------------------------------------------------------
extern BoundedArray<WordRecord> gWords;                 // 128
extern u16 gWordCount;

// ---- Static views on constant data ----------------------------------------
extern BoundedArray<u8> gEnglishLetterTable;     // 94
extern BoundedArray<u8> gFrenchLetterTable;      // 120
extern BoundedArray<u8> gCharClassesSource;      // 256
extern BoundedArray<u8> gLetterCodesSource;      // 256
extern BoundedArray<u8> gCategoryPairSource;     // 361

// ---- Empty views, pointed by the loader and the language switch -----------
extern BoundedArray<EndingRow> gEndingRows;
extern BoundedArray<EnglishEndingRow> gEnglishEndingRows;
extern BoundedArray<DictSectionEntry> gFrenchDictPrefixIndex;
extern BoundedArray<DictSectionEntry> gEnglishDictPrefixIndex;
extern BoundedArray<DictSectionEntry> gDictPrefixIndex;
extern BoundedString gFrenchDictBody;
extern BoundedString gEnglishDictBody;
extern BoundedString gDictBody;
extern BoundedArray<BoundedArray<u16>> gFrenchPrefixSectionMatrix;
extern BoundedArray<BoundedArray<u16>> gEnglishPrefixSectionMatrix;
extern BoundedArray<BoundedArray<u16>> gPrefixSectionMatrix;
extern BoundedString gFrenchEndings1, gFrenchEndings2, gFrenchEndings3, gFrenchEndings4,
    gFrenchEndings5, gFrenchEndings6, gFrenchEndings7, gFrenchEndings8, gFrenchEndings9,
    gFrenchEndings10;
extern BoundedString gEnglishEndings1, gEnglishEndings2, gEnglishEndings3, gEnglishEndings4,
    gEnglishEndings5, gEnglishEndings6, gEnglishEndings7;
extern BoundedString gEndings1, gEndings2, gEndings3, gEndings4, gEndings5, gEndings6,
    gEndings7, gEndings8, gEndings9, gEndings10;
extern BoundedArray<LitDictIndexEntry> gLitDictIndex;
extern BoundedString gLitDictText;
extern BoundedString gLitDictOffsetsA;
extern BoundedString gLitDictOffsetsB;
extern StringList gCategoryNames;   // view of one of the two label lists

// A literal word list over a constant array of C strings (construction of
// the lists above).
template <u32 N>
inline StringList MakeLiteralList(const char* const (&literals)[N]) {
    StringList list;
    BuildStringArrayFromLiterals(list, N, literals);
    return list;
}
