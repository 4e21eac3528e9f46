// English verb models built from the installed sources: every verb kept
// rebuilds its chosen forms from the encoded rows and ending lists; the
// fixed model numbers hold their anchor verbs; the row and list formats
// keep their markers and limits.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

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
        std::vector<EnglishVerbForms> verbs = CollectEnglishVerbs(forms, kEnglishMaxLevel);
        ApplyPrincipalParts(verbs, sources.irregularVerbs, kEnglishMaxLevel);
        out.table = BuildEnglishModels(verbs, report);
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
        {"fly", 114, {"fly", "flies", "flying", "flew", "flown"}},
        {"die", 118, {"die", "dies", "dying", "died", "died"}},
        // The -ing form in y comes before "tieing".
        {"tie", 118, {"tie", "ties", "tying", "tied", "tied"}},
        {"put", 20, {"put", "puts", "putting", "put", "put"}},
        // The base serves as past: the agreement of a base form with a
        // singular subject lets this number pass.
        {"burst", 26, {"burst", "bursts", "bursting", "burst", "burst"}},
        {"read", 26, {"read", "reads", "reading", "read", "read"}},
        {"become", 62, {"become", "becomes", "becoming", "became", "become"}},
        {"run", 97, {"run", "runs", "running", "ran", "run"}},
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

// The noun plural of a verb read as a noun is its stem and an ending fixed
// by the model number: each anchor's stem must take that ending to its -s
// form, the shortened stems (make: "m" + "akes") included.
TEST(EnglishModels, AnchorStemsTakeTheNounPlural) {
    ASSERT_TRUE(Models().ok) << Models().error;
    struct Case {
        const char* verb;
        u8 model;
        const char* ending;
        const char* plural;
    };
    const Case cases[] = {
        {"push", 3, "es", "pushes"},      {"gas", 12, "ses", "gases"},      {"quiz", 14, "zes", "quizzes"},
        {"like", 16, "es", "likes"},      {"bite", 19, "es", "bites"},      {"send", 41, "ds", "sends"},
        {"hold", 43, "olds", "holds"},    {"stand", 48, "ands", "stands"},  {"take", 50, "akes", "takes"},
        {"drive", 53, "ives", "drives"},  {"rise", 55, "ises", "rises"},    {"make", 58, "akes", "makes"},
        {"remake", 58, "akes", "remakes"}, {"awake", 59, "akes", "awakes"}, {"hide", 61, "es", "hides"},
        {"slide", 63, "es", "slides"},    {"leave", 64, "eaves", "leaves"}, {"lose", 74, "es", "loses"},
        {"dig", 76, "igs", "digs"},       {"sting", 77, "ings", "stings"},  {"catch", 81, "atches", "catches"},
        {"think", 84, "inks", "thinks"},  {"swim", 94, "ims", "swims"},     {"spin", 95, "ins", "spins"},
        {"run", 97, "uns", "runs"},       {"win", 98, "ins", "wins"},       {"sleep", 99, "eps", "sleeps"},
        {"wear", 100, "ears", "wears"},   {"fight", 103, "ights", "fights"}, {"get", 107, "ets", "gets"},
        {"shoot", 109, "ots", "shoots"},  {"grow", 111, "ows", "grows"},    {"draw", 112, "aws", "draws"},
        {"buy", 113, "uys", "buys"},      {"fly", 114, "ies", "flies"},     {"lay", 115, "ys", "lays"},
        {"fall", 117, "alls", "falls"},
    };
    for (const Case& c : cases) {
        const EnglishVerbEntry* v = Verb(c.verb);
        ASSERT_NE(v, nullptr) << c.verb;
        EXPECT_EQ(v->model, c.model) << c.verb;
        EXPECT_EQ(v->stem + c.ending, c.plural) << c.verb;
        EXPECT_EQ(v->forms[1], c.plural) << c.verb;
    }
}

// The guessing of unknown verbs gives these numbers to words in -bbed,
// -dded, … -zzed and -kked: each row must double that letter.
TEST(EnglishModels, DoubledConsonantRowsFollowTheGuessing) {
    ASSERT_TRUE(Models().ok) << Models().error;
    const char* kDoubled = "bdglmnprstzk";
    for (int m = 4; m <= 15; ++m) {
        const auto& row = Models().table.rows[m];
        const std::string letter(1, kDoubled[m - 4]);
        auto ends = [](const std::string& e, const std::string& tail) {
            return e.size() >= tail.size() && e.compare(e.size() - tail.size(), tail.size(), tail) == 0;
        };
        EXPECT_TRUE(ends(row[2], letter + "ing")) << "row " << m << ": " << row[2];
        EXPECT_TRUE(ends(row[3], letter + "ed")) << "row " << m << ": " << row[3];
    }
}

// The checker reads the past form of these models as a past participle as
// well; every other model keeps the two apart. A row without a past form
// is never read so; a loose row (a number left over for a verb no fitting
// number was left for) is listed by the compiler instead.
TEST(EnglishModels, PastReadAsParticipleOnlyWhereTheyAgree) {
    ASSERT_TRUE(Models().ok) << Models().error;
    const std::set<int> kPastIsParticiple = {
        0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16,  17,  18,  20,  21,  22,  25,
        26, 35, 38, 40, 41, 42, 43, 44, 47, 48, 57, 58, 59, 60, 63, 64, 65,  68,  70,  73,  74,  75,  76,
        77, 79, 80, 81, 82, 83, 84, 86, 88, 89, 90, 91, 95, 98, 99, 103, 104, 107, 108, 109, 110, 113, 115, 118};
    const EnglishModelTable& t = Models().table;
    for (int r = 1; r < kEnglishModelRowCount; ++r) {
        const auto& row = t.rows[r];
        if (row[0].empty() || row[3] == "0" || t.looseRows.count(static_cast<u8>(r))) continue;
        EXPECT_EQ(kPastIsParticiple.count(r) == 1, row[3] == row[4])
            << "row " << r << ": " << row[3] << " / " << row[4];
    }
}

// The modals: two forms (can / could) on rows 28, 29, 31, 33; the modals
// of one form ("must", "ought"), which no source lists as verbs, on rows
// 30 and 32 with that form as present, third person and past, and no -ing
// form nor participle.
TEST(EnglishModels, ModalRows) {
    ASSERT_TRUE(Models().ok) << Models().error;
    const EnglishModelTable& t = Models().table;
    struct Case {
        const char* verb;
        int row;
        std::array<const char*, kEnglishSlotCount> endings;
    };
    const Case cases[] = {
        {"can", 28, {"an", "0", "0", "ould", "0"}},
        {"must", 30, {"$", "$", "0", "$", "0"}},
        {"ought", 32, {"$", "$", "0", "$", "0"}},
    };
    for (const Case& c : cases) {
        for (int s = 0; s < kEnglishSlotCount; ++s) EXPECT_EQ(t.rows[c.row][s], c.endings[s]) << c.verb << " slot " << s;
        EXPECT_EQ(t.rowBlock[c.row * kEnglishRowBytes + 1], '2') << c.verb;
        const auto v = std::find_if(t.verbs.begin(), t.verbs.end(),
                                    [&](const EnglishVerbEntry& e) { return e.lemma == c.verb && !e.alternate; });
        ASSERT_NE(v, t.verbs.end()) << c.verb;
        EXPECT_EQ(v->model, c.row) << c.verb;
    }
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

// Verbs of the list of irregular verbs that the word lists lack stand on
// the row of the verb they end with; a verb of the list the other sources
// give keeps its row, and the notes block names its other forms, those the
// list puts first marked "<".
TEST(EnglishModels, IrregularListVerbsAndTheirNotes) {
    ASSERT_TRUE(Models().ok) << Models().error;
    const EnglishModelTable& t = Models().table;
    const std::pair<const char*, const char*> kOnTheRowOf[] = {
        {"redraw", "draw"}, {"spoon-feed", "feed"}, {"rewin", "win"}, {"unweave", "weave"}, {"mislearn", "learn"}};
    for (const auto& [verb, like] : kOnTheRowOf) {
        const EnglishVerbEntry* v = Verb(verb);
        const EnglishVerbEntry* w = Verb(like);
        ASSERT_TRUE(v != nullptr && w != nullptr) << verb;
        EXPECT_EQ(v->model, w->model) << verb;
    }
    EXPECT_EQ(Verb("spoon-feed")->stem, "spoon\x9B" "fe");  // the hyphen as the dictionary marks it
    const std::string notes(t.notesBlock.begin(), t.notesBlock.end());
    const char* const kLines[] = {
        "\nforget\t4<forgotten\n",        // the row's forgot follows the list's first
        "\ndream\t3dreamt\t4dreamt\n",    // the list's second pair
        "\nshear\t4shorn\n",
    };
    for (const char* line : kLines) EXPECT_NE(notes.find(line), std::string::npos) << line;
    EXPECT_EQ(notes.find("\nweed\t"), std::string::npos);  // no past "weed" of its own
}

}  // namespace
