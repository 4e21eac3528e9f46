// Lifecycle, language, option and per-language table exports.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "frame/loader.h"
#include "frame/mac_roman.h"
#include "frame/punct_sign_rule.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "krzlib.h"

namespace {

// Brings the library to count 0, then starts it once.
void RestartLibrary(int32_t language, int32_t loadEnglish) {
    while (gInitCount != 0) KRZEnd();
    KRZInit(language, loadEnglish);
}

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override { RestartLibrary(3, 1); }
    void TearDown() override {
        while (gInitCount != 0) KRZEnd();
    }
};

// ---- Start and stop ---------------------------------------------------------

TEST_F(SettingsTest, InitAndEndCount) {
    ASSERT_EQ(gInitCount, 1u);
    KRZInit(0, 1);  // a second start only counts: the language stays French
    EXPECT_EQ(gInitCount, 2u);
    EXPECT_EQ(KRZGetLanguage(), 3);
    KRZEnd();
    EXPECT_EQ(gInitCount, 1u);
    KRZEnd();
    EXPECT_EQ(gInitCount, 0u);
    // An unmatched KRZEnd does not wrap the count round...
    KRZEnd();
    EXPECT_EQ(gInitCount, 0u);
    // ...so the next KRZInit loads again.
    KRZInit(0, 1);
    EXPECT_EQ(gInitCount, 1u);
    EXPECT_EQ(KRZGetLanguage(), 0);
}

TEST_F(SettingsTest, FirstInitOverwritesEarlierSettings) {
    while (gInitCount != 0) KRZEnd();
    KRZUseMacRomanEncoding(1);
    KRZOptionNonUSUK(2);
    KRZOptionMed(1);
    KRZOptionLangUniq(0);
    KRZSetInterfLanguage(3);
    KRZSetStraightQuotes(1);
    KRZSetNbWordsLongSentence(7);
    std::vector<uint8_t> marks(256, 1);
    KRZSetSpecialChars(marks.data());
    const uint8_t one = 'x';
    KRZSetSpaces(1, &one, 3);
    KRZSetPunctSigns(0, nullptr, 3);

    KRZInit(3, 0);
    EXPECT_EQ(gMacRomanMode, 0);
    EXPECT_EQ(gSavedVariantA, 0);
    EXPECT_EQ(gSavedVariantB, 0);
    EXPECT_EQ(gSavedMedical, 0);
    EXPECT_EQ(gSavedLangUniq, 1);
    EXPECT_EQ(KRZGetInterfLanguage(), 0);
    EXPECT_EQ(gCategoryNames.data, gEnglishCategoryLabels.data);
    EXPECT_EQ(gStraightQuotes, 0);
    EXPECT_EQ(gLongSentenceThreshold, 50);
    EXPECT_EQ(gFrenchWordPass, 1);
    for (u32 k = 0; k < 256; ++k) ASSERT_EQ(gSpecialChars[k], 0) << k;
    EXPECT_EQ(gSpaceCharCounts[LanguageTableSlot(3)], 3);
    EXPECT_EQ(gPunctSignCounts[LanguageTableSlot(3)], 20);
    // The last value given to the regional option survives a start.
    EXPECT_EQ(KRZGetOptionNonUSUK(), 2);
}

// ---- Languages --------------------------------------------------------------

TEST_F(SettingsTest, LanguagesAndInterface) {
    EXPECT_EQ(KRZGetAvailableCheckingLanguages(), 9u);
    // 0 is English; any other value is French.
    std::vector<ParagraphErrorRecord> table(KRZ_MAX_PARAGRAPH_ERRORS);
    for (uint16_t language : {0, 3, 10, 11, 1, 7, 0}) {
        KRZSetLanguage(language);
        EXPECT_EQ(KRZGetLanguage(), language);
        EXPECT_EQ(gDictBody.data, language == 0 ? gEnglishDictBody.data : gFrenchDictBody.data) << language;
        const std::string text = "La maison est grande.";
        const uint32_t found =
            KRZTestSpellingParagraph(text.c_str(), 0, static_cast<int32_t>(text.size()), table.data(), 0, 0, 0, 0);
        EXPECT_EQ(found == 0, language != 0) << language;
        KRZClearParagraphTab(table.data(), static_cast<int16_t>(found));
    }
    KRZSetInterfLanguage(1);  // any non-zero value gives French category names
    EXPECT_EQ(KRZGetInterfLanguage(), 1);
    EXPECT_EQ(gCategoryNames.data, gFrenchCategoryLabels.data);
    EXPECT_EQ(gCategoryNames.owns, 0);
    TQSetInterfLanguage(0);
    EXPECT_EQ(KRZGetInterfLanguage(), 0);
    EXPECT_EQ(gCategoryNames.data, gEnglishCategoryLabels.data);
    EXPECT_EQ(KRZgetVersion(), 6);
    EXPECT_EQ(KRZgetSubversion(), 8);
}

// ---- Options ----------------------------------------------------------------

TEST_F(SettingsTest, RegionalVariantOption) {
    struct Case {
        std::vector<uint16_t> values;  // given in this order
        u16 a, b;
    };
    const Case cases[] = {
        {{0}, 0, 0},     {{1}, 1, 0},       {{2}, 0, 1},    {{1, 5}, 1, 0},
        {{2, 3}, 0, 1},  {{1, 2, 0}, 0, 0}, {{9}, 0, 0},
    };
    for (const Case& c : cases) {
        KRZOptionNonUSUK(0);
        int16_t result = 0;
        for (uint16_t v : c.values) result = KRZOptionNonUSUK(v);
        EXPECT_EQ(result, static_cast<int16_t>(c.values.back()));
        EXPECT_EQ(KRZGetOptionNonUSUK(), c.values.back());
        EXPECT_EQ(gSavedVariantA, c.a) << c.values.back();
        EXPECT_EQ(gSavedVariantB, c.b) << c.values.back();
    }
}

TEST_F(SettingsTest, CallOptionsApplyToEnglishOnly) {
    KRZOptionNonUSUK(1);
    KRZOptionMed(1);
    KRZOptionLangUniq(1);
    struct Case {
        uint16_t language;
        u16 active;
    };
    for (Case c : {Case{3, 0}, Case{10, 0}, Case{11, 0}, Case{0, 1}, Case{3, 0}}) {
        KRZSetLanguage(c.language);
        ApplyCallOptions();
        EXPECT_EQ(gActiveVariantA, c.active) << c.language;
        EXPECT_EQ(gActiveVariantB, 0) << c.language;
        EXPECT_EQ(gActiveMedical, c.active) << c.language;
        EXPECT_EQ(gActiveLangUniq, c.active) << c.language;
    }
}

TEST_F(SettingsTest, ValueOptions) {
    EXPECT_EQ(KRZSetStraightQuotes(1), 1);
    EXPECT_EQ(gStraightQuotes, 1);
    EXPECT_EQ(KRZOptionLangUniq(0), 0);
    EXPECT_EQ(gSavedLangUniq, 0);
    // The threshold is a signed count: large values stop at 32767.
    struct Case {
        uint16_t given;
        i16 stored;
    };
    for (Case c : {Case{0, 0}, Case{50, 50}, Case{32767, 32767}, Case{32768, 32767},
                   Case{65535, 32767}}) {
        EXPECT_EQ(KRZSetNbWordsLongSentence(c.given), c.stored);
        EXPECT_EQ(gLongSentenceThreshold, c.stored) << c.given;
    }
}

// ---- Special characters and spaces ---------------------------------------------

TEST_F(SettingsTest, SpecialCharsAreCopiedUnconverted) {
    std::vector<uint8_t> table(256);
    for (u32 k = 0; k < 256; ++k) table[k] = static_cast<uint8_t>(255 - k);
    EXPECT_EQ(KRZSetSpecialChars(table.data()), 256);
    for (u32 k = 0; k < 256; ++k) ASSERT_EQ(gSpecialChars[k], table[k]) << k;
    EXPECT_EQ(KRZSetSpecialChars(nullptr), 0);
    EXPECT_EQ(gSpecialChars[0], 255);
}

TEST_F(SettingsTest, DefaultSpaces) {
    for (uint16_t language : {0, 3, 10, 11}) {
        uint16_t count = 0;
        uint8_t chars[32] = {};
        KRZUseMacRomanEncoding(1);
        KRZGetSpaces(&count, chars, language);
        ASSERT_EQ(count, 3) << language;
        EXPECT_EQ(chars[0], 0x09);
        EXPECT_EQ(chars[1], 0x20);
        EXPECT_EQ(chars[2], 0xCA);  // non-breaking space, Mac Roman
        KRZUseMacRomanEncoding(0);
        KRZGetSpaces(&count, chars, language);
        EXPECT_EQ(chars[2], 0xA0);  // the same, Windows-1252
    }
}

TEST_F(SettingsTest, SpacesAreConvertedAndCut) {
    struct Case {
        uint16_t macRomanMode;
        uint16_t given;   // characters handed over
        u16 stored;       // count kept
        u8 storedByte;    // what the host's 0xA0 becomes inside
    };
    // Mode 2 is not Mac Roman mode: conversion stays on.
    const Case cases[] = {{0, 5, 5, 0xCA}, {2, 5, 5, 0xCA}, {1, 5, 5, 0xA0},
                          {0, 32, 32, 0xCA}, {0, 40, 32, 0xCA}};
    for (const Case& c : cases) {
        KRZUseMacRomanEncoding(c.macRomanMode);
        std::vector<uint8_t> given(c.given, ' ');
        given[1] = 0xA0;
        KRZSetSpaces(c.given, given.data(), 10);
        const i32 slot = LanguageTableSlot(10);
        EXPECT_EQ(gSpaceCharCounts[slot], c.stored) << c.given;
        EXPECT_EQ(gSpaceChars[slot][1], c.storedByte) << c.macRomanMode;
        uint16_t count = 0;
        uint8_t back[32] = {};
        KRZGetSpaces(&count, back, 10);
        EXPECT_EQ(count, c.stored);
        EXPECT_EQ(back[1], 0xA0);
        // Other languages keep their lists.
        EXPECT_EQ(gSpaceCharCounts[LanguageTableSlot(3)], 3);
    }
}

TEST_F(SettingsTest, TableCallsIgnoreOtherLanguagesAndNullPointers) {
    const uint8_t chars[2] = {'a', 'b'};
    KRZPunctSignRule rule = {};
    rule.sign = '#';
    for (uint16_t language : {1, 2, 4, 12, 0xFFFF}) {
        KRZSetSpaces(2, chars, language);
        KRZSetPunctSigns(1, &rule, language);
        uint16_t count = 77;
        uint8_t back[32] = {};
        KRZPunctSignRule rules[32] = {};
        KRZGetSpaces(&count, back, language);
        KRZGetPunctSigns(&count, rules, language);
        EXPECT_EQ(count, 77) << language;
    }
    KRZSetSpaces(2, nullptr, 3);
    KRZSetPunctSigns(1, nullptr, 3);
    uint16_t count = 0;
    uint8_t back[32] = {};
    KRZPunctSignRule rules[32] = {};
    KRZGetSpaces(nullptr, back, 3);
    KRZGetSpaces(&count, nullptr, 3);
    KRZGetPunctSigns(nullptr, rules, 3);
    KRZGetPunctSigns(&count, nullptr, 3);
    EXPECT_EQ(count, 0);
    for (u32 slot = 0; slot < kLanguageTableSlots; ++slot) {
        EXPECT_EQ(gSpaceCharCounts[slot], 3);
        EXPECT_GE(gPunctSignCounts[slot], 20);
    }
}

// ---- Punctuation-sign rules ----------------------------------------------------

TEST_F(SettingsTest, PunctSignsAreCopiedConvertedAndCut) {
    std::vector<KRZPunctSignRule> given(40);
    for (u32 k = 0; k < given.size(); ++k) {
        uint8_t* bytes = reinterpret_cast<uint8_t*>(&given[k]);
        for (u32 b = 0; b < sizeof(KRZPunctSignRule); ++b) bytes[b] = static_cast<uint8_t>(k + b);
        given[k].sign = 0xAB;  // « in Windows-1252
    }
    KRZSetPunctSigns(static_cast<uint16_t>(given.size()), given.data(), 11);
    const i32 slot = LanguageTableSlot(11);
    ASSERT_EQ(gPunctSignCounts[slot], 32);
    for (u32 k = 0; k < 32; ++k) {
        const PunctSignRule& stored = gPunctSigns[slot][k];
        EXPECT_EQ(std::memcmp(&stored, &given[k], kPunctSignRuleCopiedBytes), 0) << k;
        EXPECT_EQ(stored.Sign, 0xC7) << k;
        EXPECT_EQ(stored.Reserved[0] | stored.Reserved[1] | stored.Reserved[2], 0) << k;
    }
    std::vector<KRZPunctSignRule> back(32);
    std::memset(back.data(), 0xEE, back.size() * sizeof(KRZPunctSignRule));
    uint16_t count = 0;
    KRZGetPunctSigns(&count, back.data(), 11);
    EXPECT_EQ(count, 32);
    for (u32 k = 0; k < 32; ++k) {
        EXPECT_EQ(std::memcmp(&back[k], &given[k], kPunctSignRuleCopiedBytes), 0) << k;
        EXPECT_EQ(back[k].sign, 0xAB);
        // The reserved bytes of the host's records are left alone.
        EXPECT_EQ(back[k].reserved[0], 0xEE);
        EXPECT_EQ(back[k].reserved[2], 0xEE);
    }
    // The other tables are untouched.
    EXPECT_EQ(gPunctSignCounts[LanguageTableSlot(10)], 22);
}

// Default rules written in the notation of the rule tables: sets "all",
// "open", "1, 2", "none"; space sets "0-2", "0-2, pair", "none".
struct RuleRow {
    u8 sign;
    const char* ps;
    const char* sb;
    u8 wb, cb, fb, ib;
    const char* sa;
    u8 wa, ca, fa, ia;
};

const RuleRow kEnglishRows[] = {
    {'.', "all", "0-2", 1, 1, 1, 0, "0-2, pair", 0, 1, 0, 1},
    {'?', "all", "none", 1, 1, 1, 0, "0-2, pair", 0, 1, 0, 1},
    {'!', "all", "none", 1, 1, 1, 0, "0-2, pair", 0, 1, 0, 1},
    {';', "all", "none", 1, 1, 1, 0, "0-2", 0, 1, 0, 1},
    {',', "all", "none", 1, 1, 1, 0, "0-2", 0, 1, 0, 1},
    {':', "all", "none", 1, 1, 1, 0, "0-2", 0, 1, 0, 1},
    {0xC7, "open", "0-2, pair", 0, 1, 0, 1, "none", 1, 1, 1, 0},
    {0xC8, "all", "none", 1, 1, 1, 0, "0-2", 0, 1, 0, 1},
    {'(', "open", "0-2, pair", 0, 1, 0, 1, "none", 1, 1, 1, 0},
    {')', "all", "none", 1, 1, 1, 0, "0-2", 0, 1, 0, 1},
    {'[', "open", "0-2, pair", 0, 1, 0, 1, "none", 1, 1, 1, 0},
    {']', "all", "none", 1, 1, 1, 0, "0-2", 0, 1, 0, 1},
    {'{', "open", "0-2, pair", 0, 1, 0, 1, "none", 1, 1, 1, 0},
    {'}', "all", "none", 1, 1, 1, 0, "0-2", 0, 1, 0, 1},
    {0xD5, "all", "0-2, pair", 1, 1, 1, 0, "0-2", 1, 1, 1, 0},
    {'\'', "all", "0-2, pair", 1, 1, 1, 0, "0-2", 1, 1, 1, 0},
    {'"', "all", "0-2, pair", 1, 1, 1, 0, "0-2", 1, 1, 1, 0},
    {0xD2, "open", "0-2, pair", 0, 1, 0, 1, "none", 1, 1, 1, 0},
    {0xD3, "all", "none", 1, 1, 1, 0, "0-2", 0, 1, 0, 1},
    {0xC9, "all", "0-2", 1, 1, 1, 0, "0-2", 1, 1, 1, 0},
};
const RuleRow kFrenchRows[] = {
    {'.', "all", "none", 1, 1, 1, 0, "0-2", 0, 1, 0, 1},
    {'?', "1, 2", "0-2", 0, 1, 0, 1, "0-2", 0, 1, 0, 1},
    {'!', "1, 2", "0-2", 0, 1, 0, 1, "0-2", 0, 1, 0, 1},
    {';', "none", "0-2", 0, 1, 0, 1, "0-2", 0, 1, 0, 1},
    {',', "all", "none", 1, 1, 1, 0, "0-2", 0, 1, 0, 1},
    {':', "none", "0-2", 0, 1, 0, 1, "0-2", 0, 1, 0, 1},
    {0xC7, "open", "0-2", 0, 1, 0, 1, "0-2", 0, 1, 0, 1},
    {0xC8, "none", "0-2", 0, 1, 0, 1, "0-2", 0, 1, 0, 1},
    {'(', "open", "0-2", 0, 1, 0, 1, "none", 1, 1, 1, 0},
    {')', "all", "none", 1, 1, 1, 0, "0-2", 0, 1, 0, 1},
    {'[', "open", "0-2", 0, 1, 0, 1, "none", 1, 1, 1, 0},
    {']', "all", "none", 1, 1, 1, 0, "0-2", 0, 1, 0, 1},
    {'{', "open", "0-2", 0, 1, 0, 1, "none", 1, 1, 1, 0},
    {'}', "all", "none", 1, 1, 1, 0, "0-2", 0, 1, 0, 1},
    {0xD5, "all", "none", 1, 1, 1, 0, "none", 1, 1, 1, 0},
    {'\'', "all", "none", 1, 1, 1, 0, "none", 1, 1, 1, 0},
    {'"', "all", "0-2", 1, 1, 1, 0, "0-2", 1, 1, 1, 0},
    {0xD2, "open", "0-2", 0, 1, 0, 1, "none", 1, 1, 1, 0},
    {0xD3, "all", "none", 1, 1, 1, 0, "0-2", 0, 1, 0, 1},
    {0xC9, "all", "0-2", 1, 1, 0, 1, "0-2", 0, 1, 0, 1},
};
const RuleRow kOtherRows[] = {
    {'.', "all", "none", 1, 1, 1, 0, "0-2", 0, 1, 0, 1},
    {'?', "all", "none", 1, 1, 1, 0, "0-2", 0, 1, 0, 1},
    {'!', "all", "none", 1, 1, 1, 0, "0-2", 0, 1, 0, 1},
    {';', "all", "none", 1, 1, 1, 0, "0-2", 0, 1, 0, 1},
    {',', "all", "none", 1, 1, 1, 0, "0-2", 0, 1, 0, 1},
    {':', "all", "none", 1, 1, 1, 0, "0-2", 0, 1, 0, 1},
    {0xC7, "open", "0-2", 0, 1, 0, 1, "0-2", 1, 1, 1, 0},
    {0xC8, "all", "0-2", 1, 1, 1, 0, "0-2", 0, 1, 0, 1},
    {'(', "open", "0-2", 0, 1, 0, 1, "none", 1, 1, 1, 0},
    {')', "all", "none", 1, 1, 1, 0, "0-2", 0, 1, 0, 1},
    {'[', "open", "0-2", 0, 1, 0, 1, "none", 1, 1, 1, 0},
    {']', "all", "none", 1, 1, 1, 0, "0-2", 0, 1, 0, 1},
    {'{', "open", "0-2", 0, 1, 0, 1, "none", 1, 1, 1, 0},
    {'}', "all", "none", 1, 1, 1, 0, "0-2", 0, 1, 0, 1},
    {0xD5, "all", "none", 1, 1, 1, 0, "none", 1, 1, 1, 0},
    {'\'', "all", "none", 1, 1, 1, 0, "none", 1, 1, 1, 0},
    {'"', "all", "0-2", 1, 1, 1, 0, "0-2", 1, 1, 1, 0},
    {0xD2, "open", "0-2", 0, 1, 0, 1, "none", 1, 1, 1, 0},
    {0xD3, "all", "none", 1, 1, 1, 0, "0-2", 0, 1, 0, 1},
    {0xC9, "all", "0-2", 1, 1, 0, 1, "0-2", 0, 1, 0, 1},
    {0xC0, "open", "0-2", 0, 1, 0, 1, "0-2", 1, 1, 1, 0},
    {0xC1, "open", "0-2", 0, 1, 0, 1, "0-2", 1, 1, 1, 0},
};

u32 SignSet(const std::string& s) {
    if (s == "all") return 0xFFFFFFFFu;
    if (s == "open") return 0x3D540u;  // bits 6, 8, 10, 12, 14, 15, 16, 17
    if (s == "1, 2") return 0x6u;
    EXPECT_EQ(s, "none");
    return 0;
}
u32 SpaceSet(const std::string& s) {
    if (s == "0-2") return 0x7u;
    if (s == "0-2, pair") return 0x80000007u;
    EXPECT_EQ(s, "none");
    return 0;
}

PunctSignRule Expected(const RuleRow& r) {
    PunctSignRule e;
    std::memset(&e, 0, sizeof e);
    e.PrecedingSigns = SignSet(r.ps);
    e.SpacesBefore = SpaceSet(r.sb);
    e.WordBefore = r.wb;
    e.CheckBefore = r.cb;
    e.SpaceForbiddenBefore = r.fb;
    e.SpaceBeforeIndex = r.ib;
    e.SpacesAfter = SpaceSet(r.sa);
    e.WordAfter = r.wa;
    e.CheckAfter = r.ca;
    e.SpaceForbiddenAfter = r.fa;
    e.SpaceAfterIndex = r.ia;
    e.Sign = r.sign;
    return e;
}

TEST_F(SettingsTest, DefaultPunctSignTablesByteForByte) {
    uint16_t count = 0;
    KRZPunctSignRule scratch = {};
    scratch.sign = '%';
    KRZSetPunctSigns(1, &scratch, 0);  // overwritten by the defaults below
    KRZDefaultPunctSigns();
    struct Table {
        uint16_t language;
        const RuleRow* rows;
        u16 count;
    };
    const Table tables[] = {{0, kEnglishRows, 20}, {3, kFrenchRows, 20},
                            {10, kOtherRows, 22}, {11, kOtherRows, 20}};
    for (const Table& t : tables) {
        const i32 slot = LanguageTableSlot(t.language);
        ASSERT_EQ(gPunctSignCounts[slot], t.count) << t.language;
        for (u16 k = 0; k < t.count; ++k) {
            PunctSignRule want = Expected(t.rows[k]);
            EXPECT_EQ(std::memcmp(&gPunctSigns[slot][k], &want, sizeof want), 0)
                << "language " << t.language << " sign " << k;
        }
    }
    // Through the export the signs leave as Windows-1252.
    std::vector<KRZPunctSignRule> back(32);
    KRZGetPunctSigns(&count, back.data(), 0);
    EXPECT_EQ(back[6].sign, 0xAB);   // «
    EXPECT_EQ(back[14].sign, 0x92);  // ’
    EXPECT_EQ(back[19].sign, 0x85);  // …
}

}  // namespace
