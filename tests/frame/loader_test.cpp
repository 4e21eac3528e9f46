// Start-up conversion of the built-in blocks and the language switch. The
// expectations are taken from the embedded blocks themselves, so the tests
// hold for the fixture blocks and for compiled dictionaries alike.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "frame/loader.h"
#include "frame/records.h"
#include "frame/resources.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "frame/tagged_words.h"
#include "krzlib.h"
#include "lexicon/lex_store.h"
#include "lexicon/synonyms.h"

namespace {

void RestartLibrary(int32_t language, int32_t loadEnglish) {
    while (gInitCount != 0) KRZEnd();
    KRZInit(language, loadEnglish);
}

u16 Be16(const u8* p) { return static_cast<u16>(p[0] << 8 | p[1]); }
u32 Be32(const u8* p) { return static_cast<u32>(Be16(p)) << 16 | Be16(p + 2); }

BoundedString* const kFrench[10] = {&gFrenchEndings1, &gFrenchEndings2, &gFrenchEndings3,
                                    &gFrenchEndings4, &gFrenchEndings5, &gFrenchEndings6,
                                    &gFrenchEndings7, &gFrenchEndings8, &gFrenchEndings9,
                                    &gFrenchEndings10};
BoundedString* const kEnglish[7] = {&gEnglishEndings1, &gEnglishEndings2, &gEnglishEndings3,
                                    &gEnglishEndings4, &gEnglishEndings5, &gEnglishEndings6,
                                    &gEnglishEndings7};
BoundedString* const kCurrent[10] = {&gEndings1, &gEndings2, &gEndings3, &gEndings4,
                                     &gEndings5, &gEndings6, &gEndings7, &gEndings8,
                                     &gEndings9, &gEndings10};

class LoaderTest : public ::testing::Test {
protected:
    void TearDown() override {
        while (gInitCount != 0) KRZEnd();
    }
};

TEST_F(LoaderTest, StartSetsTheCallDefaults) {
    RestartLibrary(3, 1);
    gActiveVariantA = gActiveVariantB = gActiveMedical = gActiveLangUniq = 1;
    KRZSetStraightQuotes(1);
    KRZSetNbWordsLongSentence(9);
    gFrenchWordPass = 0;
    RestartLibrary(3, 1);
    EXPECT_EQ(gLongSentenceThreshold, 50);
    EXPECT_EQ(gStraightQuotes, 0);
    EXPECT_EQ(gFrenchWordPass, 1);
    EXPECT_EQ(gActiveVariantA | gActiveVariantB | gActiveMedical | gActiveLangUniq, 0);
    // The static tables are in place.
    EXPECT_EQ(std::memcmp(gCharClasses.data, gCharClassesSource.data, 256), 0);
    EXPECT_EQ(std::memcmp(gLetterCodes.data, gLetterCodesSource.data, 256), 0);
    EXPECT_EQ(std::memcmp(gCategoryPairTable.data, gCategoryPairSource.data, 361), 0);
}

// The loader resets the user lexicon, a layer above it, through the layer
// hook that KRZInit installs.
TEST_F(LoaderTest, StartResetsTheUserLexiconThroughItsHook) {
    RestartLibrary(3, 0);
    LexLookupSuspended = 1;
    const u32 edits = LexEditCount;
    RestartLibrary(3, 0);
    EXPECT_EQ(LexLookupSuspended, 0);
    EXPECT_NE(LexEditCount, edits);
}

TEST_F(LoaderTest, BlocksAreConvertedOrViewedInPlace) {
    RestartLibrary(3, 1);
    struct Language {
        u16 index, body, matrix, models, firstEndings, endingLists;
        BoundedArray<BoundedArray<u16>>* matrixTable;
        BoundedArray<DictSectionEntry>* indexTable;
        u16* sections;
        BoundedString* bodyView;
        BoundedString* const* endingViews;
    };
    const Language languages[] = {
        {1, 2, 3, 4, 10, 10, &gFrenchPrefixSectionMatrix, &gFrenchDictPrefixIndex,
         &gFrenchDictSectionCount, &gFrenchDictBody, kFrench},
        {101, 102, 103, 104, 110, 7, &gEnglishPrefixSectionMatrix, &gEnglishDictPrefixIndex,
         &gEnglishDictSectionCount, &gEnglishDictBody, kEnglish},
    };
    for (const Language& l : languages) {
        const u8* m = GetResourceFileData(l.matrix);
        ASSERT_NE(m, nullptr);
        const u32 rows = GetResourceFileSize(l.matrix) / 104;
        ASSERT_EQ(l.matrixTable->count, rows);
        for (u32 r = 0; r < rows; ++r)
            for (u32 c = 0; c < 52; ++c)
                ASSERT_EQ((*l.matrixTable)[r][c], Be16(m + r * 104 + 2 * c)) << r << "," << c;

        const u8* x = GetResourceFileData(l.index);
        const u32 entries = (GetResourceFileSize(l.index) - 2) / 10;
        ASSERT_EQ(l.indexTable->count, entries);
        EXPECT_EQ(*l.sections, Be16(x));
        for (u32 i = 0; i < entries; ++i) {
            const DictSectionEntry& e = (*l.indexTable)[i];
            const u8* rec = x + 2 + 10 * i;
            EXPECT_EQ(e.Key[0], rec[0]);
            EXPECT_EQ(e.Key[1], rec[1]);
            EXPECT_EQ(e.Offset, Be32(rec + 2));
            EXPECT_EQ(e.Length, Be16(rec + 6));
            EXPECT_EQ(e.Ordinal, Be16(rec + 8));
        }

        EXPECT_EQ(l.bodyView->data, GetResourceFileData(l.body));
        EXPECT_EQ(l.bodyView->count, GetResourceFileSize(l.body));
        EXPECT_EQ(l.bodyView->owns, 0);
        for (u16 k = 0; k < l.endingLists; ++k) {
            EXPECT_EQ(l.endingViews[k]->data, GetResourceFileData(l.firstEndings + k));
            EXPECT_EQ(l.endingViews[k]->count, GetResourceFileSize(l.firstEndings + k));
            EXPECT_EQ(l.endingViews[k]->owns, 0);
        }
    }

    const u8* fm = GetResourceFileData(4);
    ASSERT_EQ(gEndingRows.count, GetResourceFileSize(4) / 156);
    for (u32 r = 0; r < gEndingRows.count; ++r) {
        const EndingRow& row = gEndingRows[r];
        const u8* rec = fm + 156 * r;
        EXPECT_EQ(row.ModelNumber, rec[0]);
        EXPECT_EQ(row.GroupChar1, rec[1]);
        EXPECT_EQ(row.GroupChar2, rec[2]);
        for (u32 s = 0; s < 51; ++s) {
            ASSERT_EQ(row.EndingLengths[s], rec[3 + s]) << r << "/" << s;
            ASSERT_EQ(row.EndingIndexes[s], Be16(rec + 54 + 2 * s)) << r << "/" << s;
        }
    }
    const u8* em = GetResourceFileData(104);
    ASSERT_EQ(gEnglishEndingRows.count, GetResourceFileSize(104) / 12);
    for (u32 r = 0; r < gEnglishEndingRows.count; ++r) {
        const EnglishEndingRow& row = gEnglishEndingRows[r];
        const u8* rec = em + 12 * r;
        EXPECT_EQ(row.ModelNumber, rec[0]);
        EXPECT_EQ(row.ClassChar, rec[1]);
        for (u32 s = 0; s < 5; ++s) {
            EXPECT_EQ(row.EndingLengths[s], rec[2 + s]);
            EXPECT_EQ(row.EndingIndexes[s], rec[7 + s]);
        }
    }
}

// Block 307 holds the compiler's count of the entries with a register
// label: it is the count read from the built-in text now, and it speaks
// for that text alone.
TEST_F(LoaderTest, RegisterCountComesWithTheBuiltInText) {
    RestartLibrary(3, 0);
    const u8* note = nullptr;
    u32 size = 0;
    ASSERT_TRUE(FindEmbeddedBlock("KRZDATA", kLitDictRegisterBlock, &note, &size));
    ASSERT_GE(size, 4u);
    EXPECT_EQ(gLitDictRegisterNote.text, gLitDictText.data);
    EXPECT_EQ(gLitDictRegisterNote.entries, Be32(note));
    EXPECT_EQ(gLitDictRegisterNote.entries, CountReferenceEntriesWithRegister());
    EXPECT_EQ(ReferenceDictionaryHasRegisters(), gLitDictRegisterNote.entries != 0);
}

// Short, absent and ragged blocks: the counts come from the sizes, and a
// block below its header gives an empty table that still reads as zeros.
TEST(LoaderConversion, PrefixIndexCountsFromSize) {
    std::vector<u8> block(40, 0);
    block[1] = 9;  // the header claims 9 sections
    for (u32 i = 0; i < 3; ++i) block[2 + 10 * i] = static_cast<u8>('a' + i);
    struct Case {
        u32 size;
        u32 entries;
        u16 sections;
    };
    const Case cases[] = {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {11, 0, 0},
                          {12, 1, 1}, {21, 1, 1}, {32, 3, 3}, {40, 3, 3}};
    for (const Case& c : cases) {
        BoundedArray<DictSectionEntry> index;
        const u16 sections = ConvertPrefixIndex(index, c.size ? block.data() : nullptr, c.size);
        EXPECT_EQ(index.count, c.entries) << c.size;
        EXPECT_EQ(sections, c.sections) << c.size;
        EXPECT_EQ(index.ClampedAt(c.entries ? c.entries - 1 : 0).Key.ClampedAt(0), c.entries ? 'a' + c.entries - 1 : 0);
    }
}

TEST(LoaderConversion, TablesCountRowsFromSize) {
    std::vector<u8> block(400, 1);
    struct Case {
        u32 size, matrixRows, frenchRows, englishRows;
    };
    const Case cases[] = {{0, 0, 0, 0},   {11, 0, 0, 0},  {12, 0, 0, 1},   {103, 0, 0, 8},
                          {104, 1, 0, 8}, {156, 1, 1, 13}, {311, 2, 1, 25}, {312, 3, 2, 26}};
    for (const Case& c : cases) {
        const u8* data = c.size ? block.data() : nullptr;
        BoundedArray<BoundedArray<u16>> matrix;
        ConvertSectionMatrix(matrix, data, c.size);
        EXPECT_EQ(matrix.count, c.matrixRows) << c.size;
        EXPECT_EQ(matrix.ClampedAt(7).ClampedAt(60), c.matrixRows ? 0x0101 : 0) << c.size;
        BoundedArray<EndingRow> french;
        ConvertFrenchModels(french, data, c.size);
        EXPECT_EQ(french.count, c.frenchRows) << c.size;
        EXPECT_EQ(french.ClampedAt(5).EndingLengths.ClampedAt(3), c.frenchRows ? 1 : 0) << c.size;
        BoundedArray<EnglishEndingRow> english;
        ConvertEnglishModels(english, data, c.size);
        EXPECT_EQ(english.count, c.englishRows) << c.size;
        EXPECT_EQ(english.ClampedAt(99).EndingIndexes.ClampedAt(4), c.englishRows ? 1 : 0) << c.size;
    }
}

TEST_F(LoaderTest, ReferenceIndexNeverUnderflows) {
    std::vector<u8> block = {0, 2, 0, 0, 1, 0, 0, 0, 2, 0,        // header
                             'a', 'b', 0, 0, 0, 7, 0, 0, 0, 9, 0, 1};  // one record
    struct Case {
        u32 size, entries;
        u16 sections;
    };
    for (Case c : {Case{0, 0, 0}, Case{5, 0, 0}, Case{9, 0, 0}, Case{10, 0, 2},
                   Case{21, 0, 2}, Case{22, 1, 2}}) {
        ConvertLitDictIndex(c.size ? block.data() : nullptr, c.size);
        EXPECT_EQ(gLitDictIndex.count, c.entries) << c.size;
        EXPECT_EQ(gLitDictSectionCount, c.sections) << c.size;
        EXPECT_EQ(gLitDictEntryTotal, c.size >= 10 ? 256u : 0u);
        EXPECT_EQ(gLitDictTextSize, c.size >= 10 ? 512u : 0u);
        EXPECT_EQ(gLitDictIndex.ClampedAt(0).FirstEntry, c.entries ? 7u : 0u);
        EXPECT_EQ(gLitDictIndex.ClampedAt(0).TextOffset, c.entries ? 9u : 0u);
        EXPECT_EQ(gLitDictIndex.ClampedAt(0).Ordinal, c.entries ? 1 : 0);
    }
    // A start without the reference blocks leaves their tables empty.
    RestartLibrary(3, 1);
    if (GetResourceFileData(303) == nullptr) {
        EXPECT_EQ(gLitDictIndex.count, 0u);
        EXPECT_EQ(gLitDictSectionCount, 0);
    }
    for (BoundedString* v : {&gLitDictText, &gLitDictOffsetsA, &gLitDictOffsetsB}) {
        if (v->count == 0) {
            EXPECT_EQ(v->valid, 0);
            EXPECT_EQ(v->ClampedAt(12), 0);
        }
    }
}

TEST_F(LoaderTest, EnglishKeepsLongFrenchEndingsAndLetterTail) {
    for (int32_t start : {3, 0}) {
        RestartLibrary(start, 1);
        for (uint16_t language : {0, 10, 0, 11, 3, 0}) {
            KRZSetLanguage(language);
            const bool english = language == 0;
            EXPECT_EQ(gCheckingLanguage, language);
            EXPECT_EQ(gDictBody.data, english ? gEnglishDictBody.data : gFrenchDictBody.data);
            EXPECT_EQ(gDictBody.owns, 0);
            EXPECT_EQ(gDictBody.valid, 1);
            EXPECT_EQ(gPrefixSectionMatrix.data, english ? gEnglishPrefixSectionMatrix.data
                                                         : gFrenchPrefixSectionMatrix.data);
            EXPECT_EQ(gDictPrefixIndex.data,
                      english ? gEnglishDictPrefixIndex.data : gFrenchDictPrefixIndex.data);
            EXPECT_EQ(gDictSectionCount,
                      english ? gEnglishDictSectionCount : gFrenchDictSectionCount);
            for (u32 k = 0; k < 10; ++k) {
                const BoundedString* want = english && k < 7 ? kEnglish[k] : kFrench[k];
                EXPECT_EQ(kCurrent[k]->data, want->data) << language << " list " << k + 1;
                EXPECT_EQ(kCurrent[k]->count, want->count);
            }
            const u32 head = english ? 94 : 120;
            const BoundedArray<u8>& source = english ? gEnglishLetterTable : gFrenchLetterTable;
            EXPECT_EQ(std::memcmp(gLetterTable.data, source.data, head), 0) << language;
            EXPECT_EQ(std::memcmp(gLetterTable.data + 94, gFrenchLetterTable.data + 94, 26), 0)
                << language;
            EXPECT_EQ(gTaggedWordCount,
                      english ? gEnglishTaggedWords.count : gFrenchTaggedWords.count);
        }
    }
}

// Any language other than 0 runs on the French data, whatever was
// selected before.
TEST_F(LoaderTest, EveryOtherLanguageSelectsFrench) {
    RestartLibrary(3, 1);
    for (uint16_t current : {0, 3}) {
        for (uint16_t language : {1, 2, 4, 9, 12, 99, 65535}) {
            KRZSetLanguage(current);
            KRZSetLanguage(language);
            EXPECT_EQ(KRZGetLanguage(), language);
            EXPECT_EQ(gDictBody.data, gFrenchDictBody.data) << language;
            EXPECT_EQ(gTaggedWordCount, gFrenchTaggedWords.count) << language;
        }
    }
}

TEST_F(LoaderTest, EnglishIsLoadedWhenFirstSelected) {
    RestartLibrary(3, 0);
    EXPECT_EQ(gEnglishLoaded, 0);
    EXPECT_EQ(gEnglishEndingRows.count, 0u);
    EXPECT_EQ(gEnglishDictBody.count, 0u);
    KRZSetLanguage(0);
    EXPECT_EQ(KRZGetLanguage(), 0);
    EXPECT_EQ(gEnglishLoaded, 1);
    EXPECT_EQ(gDictBody.data, GetResourceFileData(102));
    EXPECT_EQ(gEndings1.data, GetResourceFileData(110));
    EXPECT_EQ(gEnglishEndingRows.count, GetResourceFileSize(104) / 12);

    // A start on English without the English data loads it too; a restart
    // without it empties the English tables again.
    RestartLibrary(0, 0);
    EXPECT_EQ(gEnglishLoaded, 1);
    EXPECT_EQ(gDictBody.data, GetResourceFileData(102));
    RestartLibrary(3, 0);
    EXPECT_EQ(gEnglishLoaded, 0);
    EXPECT_EQ(gEnglishDictPrefixIndex.count, 0u);
    EXPECT_EQ(gEnglishEndings3.count, 0u);
    EXPECT_EQ(gEnglishEndings3.ClampedAt(4), 0);  // empty, yet safe to read
}

}  // namespace
