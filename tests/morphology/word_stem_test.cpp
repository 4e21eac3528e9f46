// Base forms of sentence words and guessed readings of unknown words, on
// the built-in dictionaries.
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
#include "morphology/word_stem.h"

namespace {

constexpr u16 kFrench = 3;
constexpr u16 kEnglish = 0;

class WordStemTest : public ::testing::Test {
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
    // Word i of the sentence as the analysis reads it (reading `reading`).
    bool Fill(i16 i, const char* text, u16 reading = 0) {
        WordRecord& r = gWords[i];
        SetText36(r.WordText, text);
        SetText36(r.SeparatorText, text);
        r.WordCaseMode = 0;
        r.FirstLigaturePos = 65535;
        BoundedString w;
        w.Allocate(36);
        SetText36(w, text);
        u16 count = 0;
        gCaseMode = kCaseAsked;
        AnalyseWordForms(803, w, count, slots);
        if (count <= reading) return false;
        r.ReadingCount = count;
        r.ReadingClasses[0] = static_cast<u8>(gWordTagCodes[reading] >> 8);
        r.ReadingFeatures[0] = static_cast<u8>(gWordTagCodes[reading] & 0xFF);
        r.ReadingMarks[0] = gWordAnalysisBytes[reading];
        r.ReadingLemmaRefs[0] = gWordLemmaRefs[reading];
        r.ReadingCategories[0] = 0;
        return true;
    }
    std::string BaseOf(const char* text) {
        if (!Fill(1, text)) return "?";
        GetTokenBaseForm(1, base);
        return reinterpret_cast<const char*>(base.data);
    }
    StringList slots;
    BoundedString base;
};

TEST_F(WordStemTest, BaseFormsRebuiltFromTheDictionary) {
    const struct {
        const char* word;
        const char* base;
        u16 code;
    } cases[] = {
        {"chantez", "chanter", 1}, {"finissaient", "finir", 1}, {"allons", "aller", 1},
        {"maisons", "maison", 11}, {"chevaux", "cheval", 11},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(Fill(1, c.word)) << c.word;
        EXPECT_EQ(GetTokenBaseForm(1, base), c.code) << c.word;
        EXPECT_STREQ(reinterpret_cast<const char*>(base.data), c.base) << c.word;
        EXPECT_EQ(gWords[1].GroupMark, c.code) << c.word;
    }
}

TEST_F(WordStemTest, FixedLemmaReferences) {
    ASSERT_TRUE(Fill(1, "chantez"));
    gWords[1].ReadingLemmaRefs[0] = 60;
    EXPECT_EQ(GetTokenBaseForm(1, base), 15);
    EXPECT_STREQ(reinterpret_cast<const char*>(base.data), MR("à"));
    gWords[1].ReadingLemmaRefs[0] = 8;  // a guessed reading: no lemma
    EXPECT_EQ(GetTokenBaseForm(1, base), 1);
    EXPECT_EQ(base.data[0], 0);
}

struct Derived {
    u16 readings = 0;
    u8 cls = 0, features = 0, byte = 0;
    std::string base;
};

class WordStemGuessTest : public WordStemTest {
protected:
    Derived Derive(i16 index, const char* text) {
        WordRecord& r = gWords[index];
        SetText36(r.WordText, text);
        SetText36(r.SeparatorText, text);
        Derived d;
        DeriveWordStemForm(index, d.readings, d.cls, d.features, d.byte);
        d.base = reinterpret_cast<const char*>(r.BaseText.data);
        return d;
    }
};

TEST_F(WordStemGuessTest, FrenchSuffixGuesses) {
    // Nonsense stems, so that no tail of the word is known.
    // (Any longer word in -issaient has the known tail "lissaient" or
    // "issaient" of a verb.)
    Derived d = Derive(1, "issaient");
    EXPECT_EQ(d.readings, 1);
    EXPECT_EQ(d.cls, 0xF0);
    EXPECT_EQ(d.features, 17);
    EXPECT_EQ(d.byte, 15);
    EXPECT_EQ(d.base, "ir");
    EXPECT_EQ(gWords[1].ReadingLemmaRefs[0], 8u);
    d = Derive(1, MR("zqvbxité"));
    EXPECT_EQ(d.cls, 0xF0);
    EXPECT_EQ(d.features, 2);
    EXPECT_EQ(d.byte, 1);
    EXPECT_EQ(d.base, "zqvbxiter");
    // A first-group verb guess after "ç" takes the placer model when the
    // model row's ending is the suffix.
    d = Derive(1, MR("zqvbxçons"));
    EXPECT_EQ(d.cls, 0xF0);
    EXPECT_EQ(d.byte, 4);
    d = Derive(1, "zqvbxgeons");
    EXPECT_EQ(d.byte, 11);
}

TEST_F(WordStemGuessTest, KnownTailGivesTheReadingOfItsWord) {
    // "lissaient" is a form of "lisser": its reading and base form, behind
    // the unknown head "zqvb" (readings = 128 + length of the head).
    const Derived d = Derive(1, "zqvblissaient");
    EXPECT_EQ(d.readings, 128 + 4);
    EXPECT_GE(d.cls, 0x80);
    EXPECT_EQ(d.base, "zqvblisser");
    EXPECT_STREQ(reinterpret_cast<const char*>(gWords[1].WordText.data), "zqvblissaient");
}

TEST_F(WordStemGuessTest, ProperNamesPluralsAndDefaults) {
    // A capital initial makes a proper name, except for the first word.
    Derived d = Derive(2, "Zqvbx");
    EXPECT_EQ(d.readings, 1);
    EXPECT_EQ(d.cls, 0x40);
    EXPECT_EQ(d.byte, static_cast<u8>('x' - 64));
    d = Derive(0, "Zqvbx");
    EXPECT_NE(d.cls, 0x40);
    // A final s that matches no suffix is tried again without it; the guess
    // then counts as plural.
    const Derived single = Derive(1, "zqvbk");
    const Derived plural = Derive(1, "zqvbks");
    EXPECT_EQ(plural.cls, single.cls);
    EXPECT_EQ(plural.features, single.features + 4);
    EXPECT_EQ(plural.base, "zqvbk");
}

TEST_F(WordStemGuessTest, EnglishSuffixGuesses) {
    SelectLanguageTables(kEnglish);
    const Derived d = Derive(1, "zqities");
    EXPECT_EQ(d.readings, 2);
    EXPECT_EQ(d.cls, 'A');
    EXPECT_EQ(d.features, 8);
    EXPECT_EQ(d.byte, 251);
    EXPECT_EQ(d.base, "zqitie");
    const Derived verb = Derive(1, "zqvbxied");
    EXPECT_EQ(verb.cls, 0x80);
    EXPECT_EQ(verb.base, "zqvbxy");
}

}  // namespace
