// English verb models built from the installed sources: every verb kept
// rebuilds its chosen forms from the encoded rows and ending lists; the
// fixed model numbers hold their anchor verbs; the row and list formats
// keep their markers and limits.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tools/datacomp/english_models.h"
#include "tools/datacomp/english_sources.h"
#include "tools/datacomp/english_writer.h"

namespace {

struct Built {
    bool ok = false;
    std::string error;
    EnglishModelTable table;
};

const Built& Models() {
    static const Built b = [] {
        Built out;
        EnglishSources sources;
        EnglishSourcePaths paths;
        paths.nodeModulesDir = std::string(KRZ_TEST_DATA_DIR) + "/../../tools/node_modules";
        paths.maxLevel = kEnglishMaxLevel;
        if (!ReadEnglishSources(paths, sources, out.error)) return out;
        EnglishFormStats stats;
        const std::vector<SourceForm> forms = BuildEnglishForms(sources, stats);
        CompileReport report;
        out.table = BuildEnglishModels(CollectEnglishVerbs(forms, kEnglishMaxLevel), report);
        out.ok = true;
        return out;
    }();
    return b;
}

const EnglishVerbEntry* Verb(const char* lemma) {
    for (const EnglishVerbEntry& v : Models().table.verbs)
        if (v.lemma == lemma && !v.alternate) return &v;
    return nullptr;
}

TEST(EnglishModels, EveryVerbRebuildsItsForms) {
    ASSERT_TRUE(Models().ok) << Models().error;
    const EnglishModelTable& t = Models().table;
    ASSERT_GT(t.verbs.size(), 5000u);
    u32 failures = 0;
    for (const EnglishVerbEntry& v : t.verbs) {
        std::set<std::pair<std::string, int>> want, got;
        for (int s = 0; s < kEnglishSlotCount; ++s)
            if (!v.forms[s].empty()) want.insert({v.forms[s], s});
        for (const auto& [form, slot] : RebuildEnglishVerbForms(t, v)) got.insert({form, slot});
        if (want != got && ++failures <= 10) ADD_FAILURE() << v.lemma << " (model " << int(v.model) << ")";
    }
    EXPECT_EQ(failures, 0u);
}

TEST(EnglishModels, AnchorsHoldTheirNumbers) {
    ASSERT_TRUE(Models().ok) << Models().error;
    struct Case {
        const char* verb;
        u8 model;
        const char* forms[5];
    };
    const Case cases[] = {
        {"walk", 1, {"walk", "walks", "walking", "walked", "walked"}},
        {"like", 16, {"like", "likes", "liking", "liked", "liked"}},
        // Same endings as "like", but alone on its own row.
        {"dare", 35, {"dare", "dares", "daring", "dared", "dared"}},
        {"try", 17, {"try", "tries", "trying", "tried", "tried"}},
        {"be", 37, {"be", "is", "being", "was", "been"}},
        {"go", 39, {"go", "goes", "going", "went", "gone"}},
        {"sow", 24, {"sow", "sows", "sowing", "sowed", "sown"}},
        {"saw", 24, {"saw", "saws", "sawing", "sawed", "sawn"}},
    };
    for (const Case& c : cases) {
        const EnglishVerbEntry* v = Verb(c.verb);
        ASSERT_NE(v, nullptr) << c.verb;
        EXPECT_EQ(v->model, c.model) << c.verb;
        for (int s = 0; s < 5; ++s) EXPECT_EQ(v->forms[s], c.forms[s]) << c.verb << " slot " << s;
    }
    EXPECT_TRUE(Verb("be")->modelFlag);
    EXPECT_EQ(Models().table.rows[1][0], "$");
    EXPECT_EQ(Models().table.rows[17][1], "ies");
}

TEST(EnglishModels, RowAndListFormat) {
    ASSERT_TRUE(Models().ok) << Models().error;
    const EnglishModelTable& t = Models().table;
    ASSERT_EQ(t.rowBlock.size(), static_cast<size_t>(kEnglishModelRowCount * kEnglishRowBytes));
    for (int r : {27, 40, 120, 121, 122})
        for (int b = 0; b < kEnglishRowBytes; ++b) EXPECT_EQ(t.rowBlock[r * kEnglishRowBytes + b], 0) << r;
    // Row 0 repeats row 119 under number 0.
    EXPECT_EQ(t.rowBlock[0], 0);
    for (int b = 1; b < kEnglishRowBytes; ++b)
        EXPECT_EQ(t.rowBlock[b], t.rowBlock[119 * kEnglishRowBytes + b]) << b;
    // Class characters: regular, irregular, auxiliaries and modals.
    EXPECT_EQ(t.rowBlock[1 * kEnglishRowBytes + 1], '0');
    EXPECT_EQ(t.rowBlock[37 * kEnglishRowBytes + 1], '2');
    EXPECT_EQ(t.rowBlock[39 * kEnglishRowBytes + 1], '1');
    ASSERT_GE(t.endingLists[0].size(), 8u);
    EXPECT_EQ(t.endingLists[0][0], '$');
    EXPECT_EQ(t.endingLists[0][7], '0');
    for (int k = 0; k < kMaxEnglishEndingLength; ++k) {
        EXPECT_EQ(t.endingLists[k].size() % (k + 1), 0u);
        EXPECT_LE(t.endingLists[k].size() / (k + 1), 256u);
    }
    // Every row's lengths and indexes name existing endings.
    for (int r = 0; r < kEnglishModelRowCount; ++r)
        for (int s = 0; s < kEnglishSlotCount; ++s) {
            const u8 len = t.rowBlock[r * kEnglishRowBytes + 2 + s];
            if (len == 0) continue;
            ASSERT_LE(len, kMaxEnglishEndingLength);
            EXPECT_LE((t.rowBlock[r * kEnglishRowBytes + 7 + s] + 1u) * len, t.endingLists[len - 1].size());
        }
}

}  // namespace
