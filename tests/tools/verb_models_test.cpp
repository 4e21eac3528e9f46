// Verb models compiled from the French source: conjugation round trip, the
// numbers the rules read, the ending-list markers and the row format.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "tools/datacomp/frequency.h"
#include "tools/datacomp/hunspell.h"
#include "tools/datacomp/model_anchors.h"
#include "tools/datacomp/source_text.h"
#include "tools/datacomp/verb_models.h"

namespace {

std::string ToMR(const char* utf8) {
    std::string out;
    VerbTextToMacRoman(utf8, out);
    return out;
}

// The French source, read and compiled once for the whole file.
struct Compiled {
    bool available = false;  // the source is installed
    std::string error;       // why an installed source could not be read
    std::vector<SourceForm> forms;
    VerbModelTable table;
    CompileReport report;
    FrequencyRanks ranks;
    bool ranked = false;
};

const Compiled& French() {
    static Compiled c = [] {
        Compiled r;
        if (!std::filesystem::exists(kFrenchAffPath) || !std::filesystem::exists(kFrenchDicPath)) return r;
        r.available = true;
        HunspellStats stats;
        std::string error;
        if (!ExpandHunspellFiles(kFrenchAffPath, kFrenchDicPath, HunspellOptions{}, r.forms, stats, error)) {
            r.error = error.empty() ? "the expander failed" : error;
            return r;
        }
        // Frequency ranks decide which rare paradigms are pruned, as in the compiler.
        std::string nodeModules = std::string(KRZ_TEST_DATA_DIR) + "/../../tools/node_modules";
        bool ranked = ReadFrenchFrequencies(nodeModules, r.ranks, error);
        r.table = BuildVerbModels(r.forms, r.report, ranked ? &r.ranks : nullptr);
        r.ranked = ranked;
        return r;
    }();
    return c;
}

// Skips only when the source is not installed; an installed source the
// expander cannot read is a failure.
#define REQUIRE_SOURCE()                                                      \
    if (!French().available) GTEST_SKIP() << "French source not installed"; \
    ASSERT_EQ(French().error, "") << "the installed French source could not be expanded"

std::map<int, std::string> FormsBySlot(const VerbModelTable& t, const VerbModelEntry& e) {
    std::map<int, std::string> out;
    for (const GeneratedVerbForm& g : RebuildVerbForms(t, e))
        if (g.row == 0 || !out.count(g.slot)) out[g.slot] = g.form;
    return out;
}

}  // namespace

TEST(VerbModels, SummaryIsPrinted) {
    REQUIRE_SOURCE();
    for (const std::string& line : French().report.lines) std::printf("%s\n", line.c_str());
    EXPECT_FALSE(French().report.lines.empty());
}

// Every kept verb: the forms built from its stems and rows are source forms
// of their slot, and every source form is built or listed with a reason.
TEST(VerbModels, ConjugationRoundTrip) {
    REQUIRE_SOURCE();
    const VerbModelTable& t = French().table;
    std::map<std::string, VerbSlotForms> source;
    for (auto& [lemma, slots] : CollectVerbSlotForms(French().forms)) source[lemma] = slots;
    std::map<std::string, std::vector<const VerbModelEntry*>> byLemma;
    for (const VerbModelEntry& e : t.verbs) byLemma[e.lemma].push_back(&e);
    std::size_t verbsChecked = 0, formsBuilt = 0, differing = 0;
    for (const auto& [lemma, entries] : byLemma) {
        ASSERT_TRUE(source.count(lemma)) << lemma;
        const VerbSlotForms& src = source[lemma];
        std::set<std::pair<int, std::string>> built, extra;
        for (const VerbModelEntry* e : entries) {
            ASSERT_EQ(e->extraForms.size(), e->extraReasons.size()) << lemma;
            for (const GeneratedVerbForm& g : RebuildVerbForms(t, *e)) built.insert({g.slot, g.form});
            for (const GeneratedVerbForm& g : e->extraForms) extra.insert({g.slot, g.form});
        }
        for (const auto& [slot, form] : built) {
            const auto& list = src[slot];
            EXPECT_NE(std::find(list.begin(), list.end(), form), list.end())
                << lemma << " builds " << MacRomanToUtf8(form) << " for slot " << slot;
            ++formsBuilt;
        }
        bool differs = false;
        for (int slot = 0; slot < kVerbSlotCount; ++slot)
            for (const std::string& form : src[slot]) {
                bool isBuilt = built.count({slot, form}) > 0;
                EXPECT_NE(isBuilt, extra.count({slot, form}) > 0)
                    << lemma << " slot " << slot << " " << MacRomanToUtf8(form);
                differs |= !isBuilt;
            }
        differing += differs ? 1 : 0;
        ++verbsChecked;
    }
    EXPECT_EQ(differing, t.differing.size());
    EXPECT_GT(verbsChecked, 8000u);
    std::printf("round trip: %zu verbs, %zu forms built, %zu verbs with forms off the rows, "
                "%zu source verbs not kept\n",
                verbsChecked, formsBuilt, differing, t.dropped.size());
}

// The numbers the rules read hold the verbs the rules expect.
TEST(VerbModels, FixedNumbersHoldTheirVerbs) {
    REQUIRE_SOURCE();
    const VerbModelTable& t = French().table;
    auto onModel = [&](const std::string& lemma, u8 model, bool second) {
        for (const VerbModelEntry* e : FindVerbModels(t, lemma))
            if (e->base.model == model && e->secondParadigm == second) return true;
        return false;
    };
    auto hasVariant = [&](const std::string& lemma, u8 model) {
        for (const VerbModelEntry* e : FindVerbModels(t, lemma))
            for (const VerbStemRow& v : e->variants)
                if (v.model == model) return true;
        return false;
    };
    for (std::size_t i = 0; i < kFixedModelCount; ++i) {
        const FixedModel& fm = kFixedModels[i];
        std::string list = fm.verbs;
        for (std::size_t st = 0; st <= list.size();) {
            std::size_t bar = std::min(list.find('|', st), list.size());
            std::string verb = list.substr(st, bar - st);
            st = bar + 1;
            if (FindVerbModels(t, verb).empty()) {
                ADD_FAILURE() << verb << " (model " << int(fm.model) << ") is not kept";
                continue;
            }
            switch (fm.kind) {
                case AnchorKind::kAlternateRow:
                    EXPECT_TRUE(hasVariant(verb, fm.model)) << verb << " on " << int(fm.model);
                    break;
                default:
                    EXPECT_TRUE(onModel(verb, fm.model, fm.kind == AnchorKind::kSecondParadigm))
                        << verb << " expected on model " << int(fm.model) << ", is on "
                        << int(FindVerbModel(t, verb)->base.model);
            }
        }
    }
    // The alternate stems are those the conjugation engine derives.
    const VerbModelEntry* semer = FindVerbModel(t, "semer");
    ASSERT_NE(semer, nullptr);
    ASSERT_EQ(semer->variants.size(), 1u);
    EXPECT_EQ(semer->base.stem, "sem");
    EXPECT_EQ(semer->variants[0].stem, ToMR("sèm"));
    const VerbModelEntry* fiveRow = FindVerbModel(t, "rapiécer");
    ASSERT_NE(fiveRow, nullptr);
    ASSERT_EQ(fiveRow->variants.size(), 2u);
    EXPECT_EQ(fiveRow->variants[0].stem, ToMR("rapièc"));
    EXPECT_EQ(fiveRow->variants[1].stem, ToMR("rapiéç"));
    // être carries the model flag; the classes come from the construction codes.
    EXPECT_TRUE(FindVerbModel(t, "être")->modelFlag);
    EXPECT_EQ(FindVerbModel(t, "abaisser")->flags & 0xE0, 0xC0);
    EXPECT_EQ(FindVerbModel(t, "gésir")->flags & 0xE0, kVerbIntransitive);
}

// Rows as the conjugation reads them, through the encoded blocks.
TEST(VerbModels, RowsBuildTheDocumentedForms) {
    REQUIRE_SOURCE();
    const VerbModelTable& t = French().table;
    VerbModelEntry aim;
    aim.base = {"aim", 1};
    std::map<int, std::string> f = FormsBySlot(t, aim);
    const char* expected[] = {"aimer", "aimant", "aimé",  "aimés",  "aimée", "aimées",
                              "aime",  "aimes",  "aime",  "aimons", "aimez", "aiment"};
    for (int slot = 0; slot < 12; ++slot) EXPECT_EQ(f[slot], ToMR(expected[slot])) << slot;
    // Row 2 leaves exactly the è slots to row 103.
    std::set<int> eGrave = {6, 7, 8, 11, 18, 19, 20, 21, 22, 23, 30, 31, 32, 35,
                            42, 43, 44, 45, 46, 47, 48};
    for (int slot = 0; slot < kVerbSlotCount; ++slot) {
        EXPECT_EQ(DecodeEnding(t, 2, slot) == "0", eGrave.count(slot) == 1) << slot;
        EXPECT_EQ(DecodeEnding(t, 103, slot) != "0", eGrave.count(slot) == 1) << slot;
    }
    VerbModelEntry rend;
    rend.base = {"rend", 53};
    EXPECT_EQ(FormsBySlot(t, rend)[8], "rend");
    for (u8 m : {25, 53, 62}) EXPECT_EQ(DecodeEnding(t, m, 8), "$") << int(m);
}

// Ending lists: the markers at their indexes, no row reading index 9 of a
// longer list, and every row within the block format.
TEST(VerbModels, BlockFormat) {
    REQUIRE_SOURCE();
    const VerbModelTable& t = French().table;
    const std::vector<u8>& one = t.endingLists[0];
    ASSERT_GE(one.size(), 10u);
    EXPECT_EQ(one[kNoFormEndingIndex], '0');
    EXPECT_EQ(one[kEmptyEndingIndex], '$');
    ASSERT_EQ(t.rowBlock.size(), std::size_t(kFrenchModelRowCount) * kFrenchRowBytes);
    const std::string groupChars = "0123456789AC";
    for (int r = 0; r < kFrenchModelRowCount; ++r) {
        const u8* rec = t.rowBlock.data() + r * kFrenchRowBytes;
        EXPECT_EQ(rec[0], r);
        EXPECT_NE(groupChars.find(char(rec[1])), std::string::npos) << r;
        EXPECT_NE(groupChars.find(char(rec[2])), std::string::npos) << r;
        for (int slot = 0; slot < kVerbSlotCount; ++slot) {
            u8 len = rec[3 + slot];
            u16 idx = u16(rec[54 + 2 * slot] << 8 | rec[55 + 2 * slot]);
            ASSERT_TRUE(len >= 1 && len <= kMaxFrenchEndingLength) << r << "/" << slot;
            EXPECT_LT(std::size_t(idx + 1) * len, t.endingLists[len - 1].size() + 1) << r << "/" << slot;
            if (len > 1) {
                EXPECT_NE(idx, kEmptyEndingIndex) << r << "/" << slot;
            }
            EXPECT_EQ(DecodeEnding(t, u8(r), slot), t.rows[r][slot]);
        }
    }
    for (int len = 1; len <= kMaxFrenchEndingLength; ++len)
        EXPECT_EQ(t.endingLists[len - 1].size() % len, 0u) << len;
    // Rows read with merged tags keep the shared forms of the -er paradigm.
    for (int r : {1, 2, 3, 4, 7, 8, 9, 10, 11, 12, 14, 19, 26, 27, 28}) {
        if (!IsMergedTagModel(u8(r))) continue;
        for (int s = 0; s < kVerbSlotCount; ++s)
            for (int u = s + 1; u < kVerbSlotCount; ++u)
                if (t.rows[r][s] != "0" && t.rows[r][s] == t.rows[r][u]) {
                    EXPECT_EQ(t.rows[1][s], t.rows[1][u]) << "model " << r << " slots " << s << "," << u;
                }
    }
    // Every kept verb's stem and row fit the entry format.
    for (const VerbModelEntry& e : t.verbs) {
        EXPECT_TRUE(e.base.model < kFrenchModelRowCount || e.base.model == kStemOnlyModel ||
                    e.base.model == kDefectiveModel)
            << e.lemma;
        EXPECT_NE(e.base.model, 0) << e.lemma;
    }
}

TEST(VerbModels, Deterministic) {
    REQUIRE_SOURCE();
    CompileReport again;
    VerbModelTable second =
        BuildVerbModels(French().forms, again, French().ranked ? &French().ranks : nullptr);
    EXPECT_EQ(second.rowBlock, French().table.rowBlock);
    EXPECT_EQ(second.endingLists, French().table.endingLists);
    EXPECT_EQ(second.verbs.size(), French().table.verbs.size());
}

// Without the source: the invariable participle and the flags byte on a
// two-verb lexicon of made-up words.
TEST(VerbModels, InvariableParticipleJoinsItsParadigm) {
    auto verbForms = [](const std::string& stem, const char* code, bool invariable) {
        std::vector<SourceForm> out;
        auto add = [&](const std::string& ending, std::vector<std::string> po,
                       std::vector<std::string> is = {}) {
            po.insert(po.begin(), code);
            out.push_back({stem + ending, stem + "er", po, is, {}});
        };
        add("er", {"infi"});
        add("ant", {"ppre"});
        add("é", {"ppas"}, {"mas", "sg"});
        if (!invariable) {
            add("és", {"ppas"}, {"mas", "pl"});
            add("ée", {"ppas"}, {"fem", "sg"});
            add("ées", {"ppas"}, {"fem", "pl"});
        }
        add("e", {"ipre", "spre", "1sg", "3sg"});
        add("es", {"ipre", "spre", "2sg"});
        add("ons", {"ipre", "1pl"});
        return out;
    };
    std::vector<SourceForm> forms = verbForms("zzab", "v1_it_q__a", false);
    for (SourceForm& f : verbForms("zzob", "v1_i_____a", true)) forms.push_back(f);
    forms.push_back({"zzabe", "zzabe", {"nom"}, {"fem", "sg"}, {}});
    forms.push_back({"zzabes", "zzabe", {"nom"}, {"fem", "pl"}, {}});
    CompileReport report;
    VerbModelTable t = BuildVerbModels(forms, report);
    const VerbModelEntry* ab = FindVerbModel(t, "zzaber");
    const VerbModelEntry* ob = FindVerbModel(t, "zzober");
    ASSERT_TRUE(ab && ob);
    EXPECT_EQ(ab->base.model, ob->base.model);
    EXPECT_FALSE(ab->modelFlag);
    EXPECT_TRUE(ob->modelFlag);
    EXPECT_EQ(ab->base.stem, "zzab");
    EXPECT_EQ(ob->flags, kVerbIntransitive);
    // "zzabe" the noun is the present 1st singular: a flag bit, not an entry.
    EXPECT_EQ(ab->flags, kVerbTransitive | kVerbPronominal | kReadPresentFemNoun);
    ASSERT_EQ(t.absorbedLemmas.size(), 1u);
    EXPECT_EQ(t.absorbedLemmas[0].first, "zzabe");
    for (const VerbModelEntry& e : t.verbs) EXPECT_TRUE(e.extraForms.empty()) << e.lemma;
}
