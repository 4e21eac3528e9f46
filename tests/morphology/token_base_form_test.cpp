// Base forms of sentence words on the built-in dictionaries.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "frame/loader.h"
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "krzlib.h"
#include "morphology/token_base_form.h"
#include "morphology/word_analysis.h"
#include "morphology/word_lookup.h"

namespace {

constexpr u16 kFrench = 3;

class TokenBaseFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        while (gInitCount != 0) KRZEnd();
        KRZInit(kFrench, 0);
        InitByteMatrix(slots, 16, 36);
        base.Allocate(36);
    }
    void TearDown() override {
        gCaseMode = 0;
        gWordCount = 0;
        while (gInitCount != 0) KRZEnd();
    }
    static void SetText36(BoundedString& s, const char* t) {
        std::memset(s.data, 0, s.count);
        std::strncpy(reinterpret_cast<char*>(s.data), t, 35);
    }
    u16 Analyse(const char* text) {
        BoundedString w;
        w.Allocate(36);
        SetText36(w, text);
        u16 count = 0;
        gCaseMode = kCaseAsked;
        AnalyseWordForms(803, w, count, slots);
        return count;
    }
    bool Fill(i16 i, const char* text, u16 reading = 0) {
        WordRecord& r = gWords[i];
        SetText36(r.WordText, text);
        SetText36(r.SeparatorText, text);
        r.WordCaseMode = 0;
        r.FirstLigaturePos = 65535;
        const u16 count = Analyse(text);
        if (count <= reading) return false;
        r.ReadingCount = count;
        r.ReadingClasses[0] = static_cast<u8>(gWordTagCodes[reading] >> 8);
        r.ReadingFeatures[0] = static_cast<u8>(gWordTagCodes[reading] & 0xFF);
        r.ReadingMarks[0] = gWordAnalysisBytes[reading];
        r.ReadingLemmaRefs[0] = gWordLemmaRefs[reading];
        r.ReadingCategories[0] = 0;
        return true;
    }
    StringList slots;
    BoundedString base;
};

TEST_F(TokenBaseFormTest, FrenchBaseForms) {
    const struct {
        const char* word;
        const char* base;
        u16 code;
    } cases[] = {
        // Items first in their list, or right after another entry's item.
        {"grands", "grand", 13}, {"grande", "grand", 13},
        // Possessive determiners: the feminine and the plural give the
        // masculine of their person.
        {"mon", "mon", 8}, {"ma", "mon", 8}, {"mes", "mon", 8}, {"tes", "ton", 8}, {"sa", "son", 8},
        // Irregular adjectives through their masculine singular.
        {"belles", "beau", 13}, {"beaux", "beau", 13}, {"vieille", "vieux", 13},
        {"folle", "fou", 13}, {"molle", "mou", 12},
        // A plural spelt by its singular's item, the singular having a variant.
        {"fous", "fou", 13}, {"mous", "mou", 12},
        // An irregular plural filed as a variant of its singular.
        {"chevaux", "cheval", 11}, {"maisons", "maison", 11},
        // Pair suffixes whose second suffix is the masculine.
        {"abductrice", "abducteur", 12}, {MR("abréviatrices"), MR("abréviateur"), 12},
        // Verbs: the model row's infinitive ending.
        {"chantez", "chanter", 1}, {"finissaient", "finir", 1},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(Fill(1, c.word)) << c.word;
        EXPECT_EQ(GetTokenBaseForm(1, base), c.code) << c.word;
        EXPECT_STREQ(reinterpret_cast<const char*>(base.data), c.base) << c.word;
    }
}

TEST_F(TokenBaseFormTest, EnglishBaseForms) {
    SelectLanguageTables(0);
    const struct {
        const char* word;
        const char* base;
        u16 code;
    } cases[] = {
        // Regional spellings filed in the reserved section give the other
        // spelling.
        {"colour", "color", 13}, {"centre", "center", 11},
        // Verb forms through their model row.
        {"babies", "baby", 1}, {"walked", "walk", 1}, {"running", "run", 1},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(Fill(1, c.word)) << c.word;
        EXPECT_EQ(GetTokenBaseForm(1, base), c.code) << c.word;
        EXPECT_STREQ(reinterpret_cast<const char*>(base.data), c.base) << c.word;
    }
}

}  // namespace
