// Readers of the npm word lists: synthetic files for the formats, and the
// installed packages.
#include "tools/datacomp/frequency.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

struct TempDir {
    fs::path path;
    TempDir() {
        path = fs::temp_directory_path() / ("krz_freq_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                            "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(path);
    }
    ~TempDir() { fs::remove_all(path); }
    std::string Write(const std::string& rel, const std::string& text) const {
        fs::path p = path / rel;
        fs::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << text;
        return p.string();
    }
};

TEST(FrequencyLists, RanksFromJsonArraysKeepTheBetterRank) {
    TempDir dir;
    FrequencyRanks ranks;
    std::string error;
    ASSERT_TRUE(ReadRankList(dir.Write("a.json", R"(["de", "la", "l\u0027", "\u00e9t\u00e9"])"), ranks, error)) << error;
    ASSERT_TRUE(ReadRankList(dir.Write("b.json", "[\"la\",\"chat\",\"de\"]\n"), ranks, error)) << error;
    EXPECT_EQ(FrequencyRank(ranks, "de"), 1u);
    EXPECT_EQ(FrequencyRank(ranks, "la"), 1u);
    EXPECT_EQ(FrequencyRank(ranks, "l'"), 3u);
    EXPECT_EQ(FrequencyRank(ranks, "été"), 4u);
    EXPECT_EQ(FrequencyRank(ranks, "Été"), 4u);  // lower-cased when not listed as written
    EXPECT_EQ(FrequencyRank(ranks, "chat"), 2u);
    EXPECT_EQ(FrequencyRank(ranks, "zzab"), 0u);
    EXPECT_FALSE(ReadRankList(dir.Write("c.json", R"({"de": 1})"), ranks, error));
    EXPECT_FALSE(ReadRankList(dir.Write("d.json", R"(["de", 3])"), ranks, error));
    EXPECT_FALSE(ReadRankList((dir.path / "none.json").string(), ranks, error));
}

TEST(FrequencyLists, HAspireArrayInJavaScript) {
    TempDir dir;
    dir.Write(kHAspireFile,
              "\"use strict\";\nconst hAspireList = [\n    'zzhache',\n    'Zzhague',\n"
              "    \"zzhors-d'\u0153uvre\",\n    'zzhache',\n];\nfunction f() { return ['x']; }\n");
    HAspireWords list;
    std::string error;
    ASSERT_TRUE(ReadHAspireWords(dir.path.string(), list, error)) << error;
    EXPECT_EQ(list.words.size(), 3u);
    EXPECT_TRUE(IsHAspire(list, "zzhache"));
    EXPECT_TRUE(IsHAspire(list, "Zzhague"));
    EXPECT_TRUE(IsHAspire(list, "zzhors-d'œuvre"));
    EXPECT_FALSE(IsHAspire(list, "x"));
    dir.Write(kHAspireFile, "module.exports = {};\n");
    EXPECT_FALSE(ReadHAspireWords(dir.path.string(), list, error));
}

const std::string kNodeModules = std::string(KRZ_TEST_DATA_DIR) + "/../../tools/node_modules";

TEST(FrequencyLists, InstalledPackages) {
    if (!fs::exists(kNodeModules + "/" + kHAspireFile))
        GTEST_SKIP() << "tools/node_modules is missing (scripts/setup installs it)";
    FrequencyRanks ranks;
    HAspireWords hAspire;
    std::string error;
    ASSERT_TRUE(ReadFrenchFrequencies(kNodeModules, ranks, error)) << error;
    ASSERT_TRUE(ReadHAspireWords(kNodeModules, hAspire, error)) << error;
    EXPECT_EQ(FrequencyRank(ranks, "de"), 1u);
    EXPECT_GT(FrequencyRank(ranks, "maison"), 1u);
    for (const char* w : {"haricot", "héros", "hors-d'œuvre", "Hollande"}) EXPECT_TRUE(IsHAspire(hAspire, w)) << w;
    for (const char* w : {"homme", "hôpital", "habit"}) EXPECT_FALSE(IsHAspire(hAspire, w)) << w;
}

}  // namespace
