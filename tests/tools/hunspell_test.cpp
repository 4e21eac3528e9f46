// Affix expansion of Hunspell dictionaries: a synthetic dictionary that uses
// each construct once, and checks of the expander on the installed French
// dictionary.
#include "tools/datacomp/hunspell.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

std::string Join(const std::vector<std::string>& v) {
    std::string s;
    for (const std::string& x : v) s += (s.empty() ? "" : " ") + x;
    return s;
}

// "form <lemma> po | is | other" for a compact comparison.
std::string Describe(const SourceForm& f) {
    return f.form + " <" + f.lemma + "> " + Join(f.po) + " | " + Join(f.is) + " | " + Join(f.other);
}

std::vector<std::string> DescribeAll(const std::vector<SourceForm>& forms) {
    std::vector<std::string> out;
    for (const SourceForm& f : forms) out.push_back(Describe(f));
    return out;
}

const char* const kLongAff = R"(SET UTF-8
FLAG long
NEEDAFFIX ()
KEEPCASE ||

# elision prefix: its forms are dropped
PFX L' Y 1
PFX L' 0 l' [aeiouy] dp:le+

# a prefix that only carries suffix flags, and one that needs a suffix
PFX Mu Y 2
PFX Mu 0 0/S. .
PFX Mu 0 zy/S.() .

PFX U. N 1
PFX U. 0 q .

SFX S. Y 2
SFX S. 0 0/L' [^s] is:sg
SFX S. 0 s/L' [^s] is:pl

SFX Fe Y 2
SFX Fe 0 0 . is:mas
SFX Fe 0 e [éè] is:fem

SFX v1 Y 6
SFX v1 er er er po:infi
SFX v1 er e [^cg]er po:ipre po:1sg
SFX v1 ger geons ger po:ipre po:1pl
SFX v1 er ons [^g]er po:ipre po:1pl
SFX v1 er èrent er po:ipsi po:3pl!
SFX v1 er e-zy er po:impe po:2sg ds:+zy
)";

const char* const kLongDic = R"(9
zzaber/v1() po:v1_it____a
zzager/v1() po:v1_i_____a
yzzab/S.L'() po:nom is:mas
zzoc/L' po:adj is:epi is:inv
zzamp/Mu() po:nom is:fem
Zz/U.|| po:nom
zzi po:mg po:det st:zzo
zzé/Fe() po:adj
zzu/Fe() is:infi po:sg
)";

TEST(HunspellExpand, EveryConstructOfALongFlagDictionary) {
    std::vector<SourceForm> forms;
    HunspellStats stats;
    std::string error;
    ASSERT_TRUE(ExpandHunspellText(kLongAff, kLongDic, {}, forms, stats, error)) << error;
    const std::vector<std::string> expected = {
        "zzaber <zzaber> v1_it____a infi |  | ",
        "zzabe <zzaber> v1_it____a ipre 1sg |  | ",
        "zzabons <zzaber> v1_it____a ipre 1pl |  | ",
        "zzabèrent <zzaber> v1_it____a ipsi 3pl |  | po:3pl!",
        "zzager <zzager> v1_i_____a infi |  | ",
        "zzageons <zzager> v1_i_____a ipre 1pl |  | ",
        "zzagèrent <zzager> v1_i_____a ipsi 3pl |  | po:3pl!",
        "yzzab <yzzab> nom | mas sg | ",
        "yzzabs <yzzab> nom | mas pl | ",
        "zzoc <zzoc> adj | epi inv | ",
        "zzamp <zzamp> nom | fem sg | ",
        "zzamps <zzamp> nom | fem pl | ",
        "zyzzamp <zyzzamp> nom | fem sg | ",
        "zyzzamps <zyzzamp> nom | fem pl | ",
        "Zz <Zz> nom |  | fl:keepcase",
        "qZz <qZz> nom |  | fl:keepcase",
        "zzi <zzo> mg det |  | ",
        "zzé <zzé> adj | mas | ",
        "zzée <zzé> adj | fem | ",
        "zzu <zzu> infi | sg mas | ",
    };
    EXPECT_EQ(DescribeAll(forms), expected);
    EXPECT_EQ(stats.entries, 9u);
    EXPECT_EQ(stats.forms, expected.size());
    EXPECT_EQ(stats.pronounSuffixedDropped, 2u);
    EXPECT_GT(stats.elidedDropped, 0u);
    EXPECT_EQ(stats.badLines, 0u);
}

TEST(HunspellExpand, OptionsKeepElisionsAndGluedPronouns) {
    std::vector<SourceForm> forms;
    HunspellStats stats;
    std::string error;
    HunspellOptions keep;
    keep.keepElidedForms = true;
    keep.keepPronounSuffixedForms = true;
    ASSERT_TRUE(ExpandHunspellText(kLongAff, kLongDic, keep, forms, stats, error)) << error;
    std::set<std::string> got;
    for (const SourceForm& f : forms) {
        got.insert(f.form);
        if (f.form == "l'yzzab") {
            EXPECT_EQ(f.lemma, "yzzab");  // an elision is no new word
        }
    }
    for (const char* w : {"l'yzzab", "l'yzzabs", "zzabe-zy", "zzage-zy"}) EXPECT_TRUE(got.count(w)) << w;
    EXPECT_FALSE(got.count("l'zzoc"));  // the condition wants a vowel
    EXPECT_EQ(stats.elidedDropped, 0u);
}

TEST(HunspellExpand, NumericFlagsAliasesAndLatin1) {
    const std::string aff =
        "SET ISO8859-1\nFLAG num\nAF 2\nAF 10,20\nAF 20\nAM 1\nAM po:nom is:fem\n"
        "SFX 10 Y 1\nSFX 10 0 s . is:pl\nSFX 20 N 1\nSFX 20 e ette e po:dim\n";
    const std::string dic = "2\nzzbe/1 1\nzz\xE9/2\n";
    std::vector<SourceForm> forms;
    HunspellStats stats;
    std::string error;
    ASSERT_TRUE(ExpandHunspellText(aff, dic, {}, forms, stats, error)) << error;
    const std::vector<std::string> expected = {
        "zzbe <zzbe> nom | fem | ",
        "zzbes <zzbe> nom | fem pl | ",
        "zzbette <zzbe> nom dim | fem | ",
        "zz\xC3\xA9 <zz\xC3\xA9>  |  | ",
    };
    EXPECT_EQ(DescribeAll(forms), expected);
}

TEST(HunspellExpand, RefusesUnknownEncodingsAndMissingFiles) {
    std::vector<SourceForm> forms;
    HunspellStats stats;
    std::string error;
    EXPECT_FALSE(ExpandHunspellText("SET KOI8-R\n", "0\n", {}, forms, stats, error));
    EXPECT_NE(error.find("KOI8-R"), std::string::npos);
    EXPECT_FALSE(ExpandHunspellText("FLAG hex\n", "0\n", {}, forms, stats, error));
    EXPECT_FALSE(ExpandHunspellFiles("/nonexistent.aff", "/nonexistent.dic", {}, forms, stats, error));
    EXPECT_TRUE(forms.empty());
}

// ---- the installed French dictionary --------------------------------------

struct FrenchExpansion {
    bool ok = false;
    HunspellStats stats;
    std::vector<SourceForm> forms;
    std::multimap<std::string, const SourceForm*> byLemma;
};

const FrenchExpansion& French() {
    static const FrenchExpansion e = [] {
        FrenchExpansion x;
        std::string error;
        if (!std::ifstream(kFrenchAffPath)) return x;
        x.ok = ExpandHunspellFiles(kFrenchAffPath, kFrenchDicPath, {}, x.forms, x.stats, error);
        for (const SourceForm& f : x.forms) x.byLemma.emplace(f.lemma, &f);
        return x;
    }();
    return e;
}

// Readings of `form` among the forms of `lemma` whose entry has category po0.
std::vector<std::string> Readings(const char* lemma, const char* po0, const char* form) {
    std::vector<std::string> out;
    auto [b, e] = French().byLemma.equal_range(lemma);
    for (auto it = b; it != e; ++it) {
        const SourceForm& f = *it->second;
        if (f.form == form && HasPo(f, po0)) out.push_back(Join(f.po) + " | " + Join(f.is));
    }
    return out;
}

#define REQUIRE_FRENCH()                                                              \
    if (!French().ok) GTEST_SKIP() << "hunspell-fr-comprehensive is not installed " \
                                      "(scripts/setup installs it)"

TEST(HunspellFrench, VerbFormsCarryTenseAndPerson) {
    REQUIRE_FRENCH();
    struct Case {
        const char *lemma, *code, *form;
        std::vector<std::string> readings;
    };
    const Case cases[] = {
        {"aimer", "v1_it_q__a", "aimer", {"v1_it_q__a infi | "}},
        {"aimer", "v1_it_q__a", "aime",
         {"v1_it_q__a ipre spre 1sg 3sg | ", "v1_it_q__a impe 2sg | "}},
        {"aimer", "v1_it_q__a", "aimèrent", {"v1_it_q__a ipsi 3pl | "}},
        {"aimer", "v1_it_q__a", "aimées", {"v1_it_q__a ppas adj | fem pl"}},
        {"finir", "v2_it____a", "finissons",
         {"v2_it____a ipre 1pl | ", "v2_it____a impe 1pl | "}},
        {"aller", "v1_i__e_e_", "vont", {"v1_i__e_e_ ipre 3pl | "}},
        {"aller", "v1_i__e_e_", "irions", {"v1_i__e_e_ cond 1pl | "}},
    };
    for (const Case& c : cases) EXPECT_EQ(Readings(c.lemma, c.code, c.form), c.readings) << c.form;
    // The verb's forms and the noun "aller" stay apart.
    EXPECT_EQ(Readings("aller", "nom", "allers"), std::vector<std::string>{"nom | mas pl"});
}

TEST(HunspellFrench, NounAndAdjectiveInflections) {
    REQUIRE_FRENCH();
    EXPECT_EQ(Readings("cheval", "nom", "cheval"), std::vector<std::string>{"nom | mas sg"});
    EXPECT_EQ(Readings("cheval", "nom", "chevaux"), std::vector<std::string>{"nom | mas pl"});
    EXPECT_TRUE(Readings("cheval", "nom", "chevals").empty());
    EXPECT_EQ(Readings("beau", "adj", "bel"), std::vector<std::string>{"nom adj | mas sg"});
    EXPECT_EQ(Readings("beau", "adj", "belles"), std::vector<std::string>{"nom adj | fem pl"});
}

TEST(HunspellFrench, NoElidedOrGluedPronounFormsAndTheWholeDictionaryExpands) {
    REQUIRE_FRENCH();
    const FrenchExpansion& fr = French();
    std::size_t elided = 0, glued = 0;
    for (const SourceForm& f : fr.forms) {
        // "l'homme" from "homme"; the entries "l'", "d'aucuns", "p'tit" are words.
        for (const char* p : {"l'", "d'", "qu'", "s'", "n'", "m'", "t'", "j'", "c'", "jusqu'"}) {
            std::string e = p;
            if (f.form.size() > e.size() && f.form.compare(0, e.size(), e) == 0 &&
                f.lemma.compare(0, e.size(), e) != 0)
                ++elided;
        }
        if (f.form == "vas-y" || f.form == "allons-nous-en") ++glued;
    }
    EXPECT_EQ(elided, 0u);
    EXPECT_EQ(glued, 0u);
    EXPECT_EQ(fr.stats.badLines, 0u);
    EXPECT_GT(fr.stats.entries, 80000u);
    EXPECT_GT(fr.forms.size(), 5 * fr.stats.entries);
    // The function words that are themselves elided stay (as entries).
    EXPECT_FALSE(Readings("le", "mg", "l'").empty());
}

}  // namespace
