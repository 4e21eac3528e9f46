// Stem and model search on a small synthetic dictionary (non-words): the
// readings of verb items with a second stem, of ending items for the
// plural, the base word of a variant entry, and the English conjugation
// rows given to the second phase.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/mac_roman_literal.h"
#include "inflection/inflect.h"
#include "inflection/verb_forms.h"
#include "tests/morphology/test_dictionary.h"

namespace {

constexpr u8 kGroup1 = 123;
constexpr u8 kVariant = 156;
constexpr u8 kFlags = 0x80;

class VerbFormsTest : public DictionaryTest {
protected:
    void SetUp() override {
        DictionaryTest::SetUp();
        dict.Model(1, {{0, "er"}, {2, MR("é")}, {9, "ons"}});
        dict.Model(2, {{0, "er"}, {9, "ons"}});
        dict.Model(103, {{6, "e"}});
        // "zzaisser" (model 1) in a letter section.
        dict.Add(11, "zzai", {'s', 's', kGroup1, 1, kFlags});
        // "zemer" (model 2) and its second stem "zèm" (row 103) in a
        // reserved section.
        dict.Add(4, "444z", {'e', 'm', kGroup1, 2, kFlags, kVariant, MRC("è"), 'm', kGroup1, 103, kFlags});
        // A noun "zzalon" (ending byte 14: "n") with a variant entry "zzalot".
        dict.Add(11, "zzal", {'o', 14, 'A', kVariant, 'o', 't', 27, 'A'});
        // A noun "zzamin" without a variant.
        dict.Add(11, "zzam", {'i', 14, 'A'});
        dict.Pair('z', 'z', 11);
        dict.Install();
        InitByteMatrix(results, 6, 36);
    }
    std::vector<std::string> Readings(u32 mode, const char* word) {
        BoundedString w = Word(word);
        u16 count = 0;
        GenerateVerbForms(mode, w, results, count);
        std::vector<std::string> out;
        for (u16 i = 0; i < count; ++i) out.emplace_back(reinterpret_cast<const char*>(results[i].data));
        return out;
    }
    StringList results;
};

std::string R(const char* stem, u8 code) { return std::string(stem) + static_cast<char>(code); }

TEST_F(VerbFormsTest, VerbReadings) {
    using V = std::vector<std::string>;
    EXPECT_EQ(Readings(0x301, "zzaissons"), (V{R("zzaiss", 1)}));
    EXPECT_EQ(Readings(0x316, "zzaisser"), (V{R("zzaiss", 1)}));
    // The infinitive brings its second stem along; a form of the second
    // stem gives that stem alone.
    EXPECT_EQ(Readings(0x316, "zemer"), (V{R("zem", 2), R(MR("zèm"), 103)}));
    EXPECT_EQ(Readings(0x301, MR("zème")), (V{R(MR("zèm"), 103)}));
    // Operation 3: verb readings carry "~"; ending items give the stem and
    // the ending byte.
    EXPECT_EQ(Readings(0x303, MR("zzaissé")), (V{R("zzaiss", 1) + "~"}));
    EXPECT_EQ(Readings(0x303, "zzamin"), (V{R("zzami", 14)}));
    // A reading without a plural of its own (ending byte below 33) gives
    // way to its variant entry's readings.
    EXPECT_TRUE(Readings(0x303, "zzalon").empty());
    EXPECT_TRUE(Readings(0x316, "zzalon").empty());
    EXPECT_TRUE(Readings(0x31F, "zzaisser").empty());  // no such operation
}

// Operation 6 gives the base word of a variant entry, whatever the item
// width the mode word's bit 9 would ask for.
TEST_F(VerbFormsTest, VariantBaseWord) {
    using V = std::vector<std::string>;
    EXPECT_EQ(Readings(0x306, "zzalot"), (V{"zzalon"}));
    EXPECT_EQ(Readings(6, "zzalot"), (V{"zzalon"}));
    EXPECT_EQ(Readings(1, "zzaissons"), (V{R("zzaiss", 1)}));
}

// Words longer than 30 bytes once the ligatures are written out find
// nothing.
TEST_F(VerbFormsTest, LigatureLimit) {
    std::string word = "zzai";
    while (word.size() < 27) word += 's';
    word += "\xCF\xCF";  // two oe ligatures: 31 bytes
    EXPECT_TRUE(Readings(0x301, word.c_str()).empty());
}

// English principal parts in the second phase (operation 46 with the
// English language byte 0), on rows built here after the rows the English
// models are described with.
class EnglishPartsTest : public VerbFormsTest {
protected:
    void SetUp() override {
        VerbFormsTest::SetUp();
        SelectLanguageTables(0);
        gCheckingLanguage = 0;
        AddRow(1, '0', {"$", "s", "ing", "ed", "ed"});
        AddRow(9, '0', {"$", "s", "ping", "ped", "ped"});
        AddRow(17, '0', {"y", "ies", "ying", "ied", "ied"});
        AddRow(37, '2', {"be", "is", "being", "was", "been"});
        AddRow(39, '1', {"go", "goes", "going", "went", "gone"});
        rows_.resize(12 * 40, 0);
        ConvertEnglishModels(gEnglishEndingRows, rows_.data(), static_cast<u32>(rows_.size()));
        BoundedString* views[7] = {&gEndings1, &gEndings2, &gEndings3, &gEndings4,
                                   &gEndings5, &gEndings6, &gEndings7};
        for (int k = 0; k < 7; ++k)
            views[k]->View(reinterpret_cast<u8*>(lists_[k].data()), static_cast<u32>(lists_[k].size()));
    }
    void AddRow(u8 model, char cls, const std::vector<std::string>& endings) {
        if (rows_.size() < 12u * (model + 1)) rows_.resize(12u * (model + 1), 0);
        u8* row = rows_.data() + 12 * model;
        row[0] = model;
        row[1] = static_cast<u8>(cls);
        for (int s = 0; s < 5; ++s) {
            std::string& list = lists_[endings[s].size() - 1];
            std::size_t at = 0;
            while (at < list.size() && list.compare(at, endings[s].size(), endings[s]) != 0) at += endings[s].size();
            if (at >= list.size()) list += endings[s];
            row[2 + s] = static_cast<u8>(endings[s].size());
            row[7 + s] = static_cast<u8>(at / endings[s].size());
        }
    }
    std::vector<u8> rows_;
    std::string lists_[7] = {"$seydtn0ol"};
};

TEST_F(EnglishPartsTest, PrincipalParts) {
    struct Case {
        const char* verb;
        std::string candidate;
        u16 code;
        std::vector<std::string> parts;
    };
    const Case kCases[] = {
        {"walk", R("walk", 1), 32, {"walk", "walks", "walking", "walked", "walked"}},
        {"try", R("tr", 17), 32, {"try", "tries", "trying", "tried", "tried"}},
        {"stop", R("stop", 9), 32, {"stop", "stops", "stopping", "stopped", "stopped"}},
        {"be", R("", 37), 24, {"be", "is", "being", "was", "been"}},
        {"go", R("", 39), 33, {"go", "goes", "going", "went", "gone"}},
    };
    for (const Case& c : kCases) {
        std::memset(results[0].data, 0, results[0].count);
        std::memcpy(results[0].data, c.candidate.data(), c.candidate.size());
        u16 count = 1;
        BoundedString w = Word(c.verb);
        const u16 code = InflectWord(46, w, count, results);
        std::vector<std::string> parts;
        for (u16 i = 0; i < count; ++i) parts.emplace_back(reinterpret_cast<const char*>(results[i].data));
        EXPECT_EQ(parts, c.parts) << c.verb;
        EXPECT_EQ(code, c.code) << c.verb;
    }
}

}  // namespace
