#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "frame/bounded_string.h"
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/tables.h"

namespace {

std::string Text(const BoundedString& s) {
    return std::string(reinterpret_cast<const char*>(s.data), static_cast<size_t>(GetStringLength(s)));
}

const std::string kHyphenMark = "\x9B";

struct ListCase {
    const char* name;
    const StringList* list;
    u32 count;
};

const ListCase kLists[] = {
    {"EnglishSpellingRows", &gEnglishSpellingRows, 40},
    {"FrenchSpellingRows", &gFrenchSpellingRows, 40},
    {"EnglishSuffixes", &gEnglishSuffixes, 195},
    {"FrenchSuffixes", &gFrenchSuffixes, 197},
    {"EnglishNumberWords", &gEnglishNumberWords, 51},
    {"FrenchNumberWords", &gFrenchNumberWords, 104},
    {"CategoryCodes", &gCategoryCodes, 96},
    {"FrenchCategoryLabels", &gFrenchCategoryLabels, 96},
    {"EnglishCategoryLabels", &gEnglishCategoryLabels, 96},
    {"FrenchFunctionWords", &gFrenchFunctionWords, 52},
};

}  // namespace

TEST(GlobalTables, LiteralListsAreViewsOnTheirLiterals) {
    for (const ListCase& c : kLists) {
        SCOPED_TRACE(c.name);
        const StringList& list = *c.list;
        ASSERT_EQ(list.count, c.count);
        EXPECT_EQ(list.last, static_cast<i32>(c.count) - 1);
        EXPECT_EQ(list.valid, 1);
        for (u32 k = 0; k < list.count; ++k) {
            const BoundedString& e = list.data[k];
            u32 length = static_cast<u32>(std::strlen(reinterpret_cast<const char*>(e.data)));
            ASSERT_EQ(e.owns, 0) << k;
            ASSERT_EQ(e.valid, 1) << k;
            ASSERT_EQ(e.count, length + 1) << k;
            ASSERT_EQ(e.last, static_cast<i32>(length)) << k;
        }
    }
    EXPECT_EQ(GetStringLength(gEnglishNumberWords[0]), 0);
    EXPECT_EQ(GetStringLength(gEnglishNumberWords[42]), 7);
}

TEST(GlobalTables, TellingEntriesStandAtTheirPositions) {
    struct Case {
        const StringList* list;
        i32 index;
        std::string expected;
    };
    const Case cases[] = {
        {&gEnglishSuffixes, 0, "al"},
        {&gEnglishSuffixes, 7, ""},
        {&gEnglishSuffixes, 32, "ion"},
        {&gEnglishSuffixes, 64, "ence"},
        {&gEnglishSuffixes, 96, "antly"},
        {&gEnglishSuffixes, 128, "edness"},
        {&gEnglishSuffixes, 160, "ability"},
        {&gEnglishSuffixes, 192, "ableness"},
        {&gEnglishSuffixes, 194, "lessness"},
        {&gFrenchSuffixes, 0, "us"},
        {&gFrenchSuffixes, 32, "eau"},
        {&gFrenchSuffixes, 45, MR("ité")},
        {&gFrenchSuffixes, 51, ""},
        {&gFrenchSuffixes, 97, MR("ât")},
        {&gFrenchSuffixes, 130, ""},
        {&gFrenchSuffixes, 196, "issement"},
        {&gEnglishNumberWords, 0, ""},
        {&gEnglishNumberWords, 41, "eleventh"},
        {&gEnglishNumberWords, 42, "twelfth"},  // an ordinal must be spelled right
        {&gEnglishNumberWords, 50, "thousandth"},
        {&gFrenchNumberWords, 0, "vingts"},
        {&gFrenchNumberWords, 17, "dix" + kHyphenMark + "sept"},
        {&gFrenchNumberWords, 39, "dix" + kHyphenMark + MR("neuvième")},
        {&gFrenchNumberWords, 75, "les" + kHyphenMark + "y"},
        {&gFrenchNumberWords, 77, MR("clé")},
        {&gFrenchNumberWords, 103, "neo"},
        {&gFrenchFunctionWords, 3, "l'"},
        {&gFrenchFunctionWords, 39, MR("être")},
        {&gFrenchFunctionWords, 51, "tout"},
        {&gCategoryCodes, 30, "ppas"},
        {&gCategoryCodes, 95, "POSTP"},
        {&gFrenchCategoryLabels, 0, ""},
        {&gFrenchCategoryLabels, 27, MR(" à l'infinitif")},
        {&gFrenchCategoryLabels, 57, " [premier 'e' muet]"},
        {&gEnglishCategoryLabels, 30, " in the past participle or in the litterary preterite"},
        {&gEnglishCategoryLabels, 94, "Type of vocabulary"},
        {&gEnglishSpellingRows, 0, MR("a48802eoàâaiayahauyaiahauazx")},
        {&gEnglishSpellingRows, 39, "\x9B" "00000"},
        {&gFrenchSpellingRows, 29, MR("é38000èêeetaiéeer")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Text((*c.list)[c.index]), c.expected) << c.index;
    }
}

TEST(GlobalTables, SpellingRowsCountTheCharactersOfTheirGroups) {
    for (const StringList* rows : {&gEnglishSpellingRows, &gFrenchSpellingRows}) {
        for (u32 r = 0; r < rows->count; ++r) {
            const BoundedString& row = rows->data[r];
            i32 sum = 0;
            for (i32 d = 1; d <= 5; ++d) {
                ASSERT_TRUE(row[d] >= '0' && row[d] <= '9') << r;
                sum += row[d] - '0';
            }
            EXPECT_EQ(GetStringLength(row), 6 + sum) << r;
        }
    }
}

// A suffix code c (160..255) selects suffix gLetterTable[c - 160]; the
// suffix list is grouped in blocks of 32 by length (block b: b + 2 letters).
TEST(GlobalTables, EverySuffixCodeSelectsASuffixOfItsLengthBlock) {
    struct Pair {
        const BoundedArray<u8>* codes;
        const StringList* suffixes;
        u32 entries;
    };
    for (const Pair& p : {Pair{&gFrenchLetterTable, &gFrenchSuffixes, 120},
                          Pair{&gEnglishLetterTable, &gEnglishSuffixes, 94}}) {
        ASSERT_EQ(p.codes->count, p.entries);
        for (u32 k = 0; k < p.entries; ++k) {
            u8 index = p.codes->data[k];
            ASSERT_LT(index, p.suffixes->count) << k;
            EXPECT_EQ(GetStringLength(p.suffixes->data[index]), index / 32 + 2) << "entry " << k;
        }
    }

    auto french = [](i32 entry) { return Text(gFrenchSuffixes[gFrenchLetterTable[entry]]); };
    auto english = [](i32 entry) { return Text(gEnglishSuffixes[gEnglishLetterTable[entry]]); };
    struct Named {
        i32 code;
        std::string first, second;
    };
    const Named frenchCodes[] = {
        {160, "us", ""},         {171, "eau", ""},         {188, "ment", ""},
        {205, MR("oïde"), ""},   {232, "issement", ""},    {233, "el", "elle"},
        {240, "er", MR("ère")},  {252, "ible", MR("ibilité")}, {253, "rice", "eur"},
        {254, "atrice", "ateur"},
    };
    for (const Named& n : frenchCodes) {
        EXPECT_EQ(french(n.code - 160), n.first) << n.code;
        if (!n.second.empty()) {
            EXPECT_EQ(french(n.code - 137), n.second) << n.code;
        }
    }
    EXPECT_EQ(french(95), "al");
    EXPECT_EQ(french(118), "ale");
    EXPECT_EQ(french(119), "aux");
    const Named englishCodes[] = {
        {160, "al", ""},   {175, "ion", ""},      {184, "ing", ""},       {213, "ness", ""},
        {217, "ment", ""}, {239, "ability", ""},  {247, "lessness", ""},  {248, "cy", ""},
        {253, "us", ""},
    };
    for (const Named& n : englishCodes) EXPECT_EQ(english(n.code - 160), n.first) << n.code;
}

TEST(GlobalTables, StartUpSourcesHoldTheirClassesAndCodes) {
    ASSERT_EQ(gCharClassesSource.count, 256u);
    ASSERT_EQ(gLetterCodesSource.count, 256u);
    ASSERT_EQ(gCategoryPairSource.count, 361u);
    for (const BoundedArray<u8>* v : {&gCharClassesSource, &gLetterCodesSource,
                                      &gCategoryPairSource, &gEnglishLetterTable,
                                      &gFrenchLetterTable}) {
        EXPECT_EQ(v->owns, 0);
        EXPECT_EQ(v->valid, 1);
    }
    struct ByteCase {
        u8 byte;
        u8 charClass;
        u8 letterCode;
    };
    const ByteCase cases[] = {
        {'a', 1, 1},           {'z', 1, 26},          {'A', 4, 0},
        {'0', 2, 0},           {':', 2, 0},           {'\'', 3, 0},
        {'/', 3, 0},           {' ', 0, 0},           {MRC("â"), 1, 27},
        {MRC("ü"), 1, 39},     {MRC("ñ"), 1, 0},      {MRC("œ"), 1, 0},
        {0x9B, 1, 40},         {MRC("á"), 0, 0},      {MRC("ÿ"), 0, 0},
        {MRC("É"), MRC("é"), 0}, {MRC("Ÿ"), MRC("ÿ"), 0}, {MRC("Œ"), MRC("œ"), 0},
    };
    for (const ByteCase& c : cases) {
        EXPECT_EQ(gCharClassesSource[c.byte], c.charClass) << int{c.byte};
        EXPECT_EQ(gLetterCodesSource[c.byte], c.letterCode) << int{c.byte};
    }
    auto pair = [](i32 a, i32 b) { return gCategoryPairSource[a * 19 + b]; };
    EXPECT_EQ(pair(0, 18), 1);
    EXPECT_EQ(pair(1, 1), 0);
    EXPECT_EQ(pair(1, 8), 3);
    EXPECT_EQ(pair(8, 6), 0);
    EXPECT_EQ(pair(15, 14), 0);
    EXPECT_EQ(pair(17, 16), 3);
    EXPECT_EQ(pair(18, 18), 1);
}

TEST(GlobalTables, BuffersAndRecordArraysHaveTheirSizes) {
    struct Header {
        const char* name;
        u32 count;
        u32 expected;
        u16 owns;
    };
    const Header headers[] = {
        {"LitDictWorkString", gLitDictWorkString.count, 36, gLitDictWorkString.owns},
        {"Segments", gSegments.count, 128, gSegments.owns},
        {"RewriteSegments", gRewriteSegments.count, 128, gRewriteSegments.owns},
        {"SpanText", gSpanText.count, 500, gSpanText.owns},
        {"CorrectionWorkString", gCorrectionWorkString.count, 36, gCorrectionWorkString.owns},
        {"WordTagCodes", gWordTagCodes.count, 20, gWordTagCodes.owns},
        {"WordAnalysisBytes", gWordAnalysisBytes.count, 20, gWordAnalysisBytes.owns},
        {"WordLemmaRefs", gWordLemmaRefs.count, 20, gWordLemmaRefs.owns},
        {"CharClasses", gCharClasses.count, 256, gCharClasses.owns},
        {"LetterCodes", gLetterCodes.count, 256, gLetterCodes.owns},
        {"CategoryPairTable", gCategoryPairTable.count, 361, gCategoryPairTable.owns},
        {"LetterTable", gLetterTable.count, 120, gLetterTable.owns},
        {"SuggestionFlags", gSuggestionFlags.count, 24, gSuggestionFlags.owns},
        {"LookupWorkString", gLookupWorkString.count, 36, gLookupWorkString.owns},
        {"SpecialChars", gSpecialChars.count, 256, gSpecialChars.owns},
        {"LexFilePath", gLexFilePath.count, 2048, gLexFilePath.owns},
        {"ExplanationText", gExplanationText.count, 4096, gExplanationText.owns},
        {"Words", gWords.count, 128, gWords.owns},
    };
    for (const Header& h : headers) {
        EXPECT_EQ(h.count, h.expected) << h.name;
        EXPECT_EQ(h.owns, 1) << h.name;
    }
    EXPECT_EQ(gWords[127].WordText.count, 36u);
    EXPECT_EQ(gWords[127].ReadingLemmaRefs.count, 8u);

    struct Table {
        const char* name;
        const StringList* table;
        u32 rows;
        u32 width;
    };
    const Table tables[] = {
        {"AdjectiveExceptions", &gAdjectiveExceptions, 264, 36},
        {"AdjectiveEndings", &gAdjectiveEndings, 128, 36},
        {"FunctionWordCodes", &gFunctionWordCodes, 31, 10},
        {"FormWorkStrings", &gFormWorkStrings, 1000, 16},
        {"WordClassNames", &gWordClassNames, 70, 40},
        {"RelationWorkStrings", &gRelationWorkStrings, 1000, 36},
        {"SpellingSuggestions", &gSpellingSuggestions, 24, 36},
        {"SpaceChars", &gSpaceChars, 4, 32},
    };
    for (const Table& t : tables) {
        SCOPED_TRACE(t.name);
        ASSERT_EQ(t.table->count, t.rows);
        for (u32 r = 0; r < t.rows; ++r) {
            ASSERT_EQ(t.table->data[r].count, t.width);
            ASSERT_EQ(t.table->data[r].owns, 1);
        }
    }
    ASSERT_EQ(gPunctSigns.count, 4u);
    for (u32 s = 0; s < 4; ++s) EXPECT_EQ(gPunctSigns.data[s].count, 32u);
    EXPECT_EQ(gSpaceCharCounts.count, 4u);
    EXPECT_EQ(gPunctSignCounts.count, 4u);
    EXPECT_EQ(gUserLexicon.owns, 0);  // a C-heap block grown by the lexicon store
    EXPECT_NE(gUserLexicon.data, nullptr);
}

TEST(GlobalTables, LanguagesMapToTheirTableSlots) {
    const std::pair<u16, i32> cases[] = {{0, 0}, {3, 1}, {10, 2}, {11, 3},
                                         {1, -1}, {4, -1}, {12, -1}, {65535, -1}};
    for (auto [language, slot] : cases) EXPECT_EQ(LanguageTableSlot(language), slot) << language;
}

TEST(PunctSignRule, ReadsTheHostLayout) {
    const u8 bytes[24] = {0x01, 0x02, 0x03, 0x04, 0x07, 0x00, 0x00, 0x80, 1, 2, 3, 4,
                          0xFF, 0x00, 0x00, 0x00, 5, 6, 7, 8, 0xC9, 0xAA, 0xBB, 0xCC};
    PunctSignRule r;
    std::memcpy(&r, bytes, sizeof r);
    EXPECT_EQ(r.PrecedingSigns, 0x04030201u);
    EXPECT_EQ(r.SpacesBefore, 0x80000007u);
    EXPECT_EQ(r.WordBefore, 1);
    EXPECT_EQ(r.CheckBefore, 2);
    EXPECT_EQ(r.SpaceForbiddenBefore, 3);
    EXPECT_EQ(r.SpaceBeforeIndex, 4);
    EXPECT_EQ(r.SpacesAfter, 0xFFu);
    EXPECT_EQ(r.WordAfter, 5);
    EXPECT_EQ(r.CheckAfter, 6);
    EXPECT_EQ(r.SpaceForbiddenAfter, 7);
    EXPECT_EQ(r.SpaceAfterIndex, 8);
    EXPECT_EQ(r.Sign, 0xC9);
    EXPECT_EQ(sizeof(PunctSignRule), 24u);
}
