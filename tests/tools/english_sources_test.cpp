#include "tools/datacomp/english_sources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>

namespace {

// Readings of `form` with po `po` (the merged list is sorted by form).
std::vector<const SourceForm*> Find(const std::vector<SourceForm>& forms, const std::string& form,
                                    const std::string& po = "") {
    std::vector<const SourceForm*> out;
    for (const SourceForm& f : forms)
        if (f.form == form && (po.empty() || f.po[0] == po)) out.push_back(&f);
    return out;
}

const SourceForm* FindOne(const std::vector<SourceForm>& forms, const std::string& form,
                          const std::string& po, const std::string& lemma) {
    for (const SourceForm* f : Find(forms, form, po))
        if (f->lemma == lemma) return f;
    return nullptr;
}

bool HasOther(const SourceForm& f, const std::string& v) {
    return std::find(f.other.begin(), f.other.end(), v) != f.other.end();
}

void AddList(EnglishSources& s, const char* name, const char* text) {
    ScowlListName n;
    ASSERT_TRUE(ParseScowlListName(name, n)) << name;
    AddScowlList(n, text, s.scowl);
}

// A small world: every source in miniature.
EnglishSources SyntheticSources() {
    EnglishSources s;
    AddList(s, "english-words.10",
            "walk\nwalks\nwalked\nwalking\nwalker's\nhope\nhoped\nhop\nhopped\ngo\nwent\n"
            "gone\nchild\nchildren\nbig\nbigger\nbiggest\nthe\nzzquux\ncarry\ncarried\n"
            "dream\ndreamed\ndreamt\nbox\nboxes\nput\nare\ntravel\nwas\n");
    AddList(s, "american-words.10", "color\ncolors\ntraveled\nanalyze\norganize\n");
    AddList(s, "british-words.10", "colour\ncolours\ntravelled\nanalyse\norganise\n");
    AddList(s, "british_z-words.20", "colour\norganize\n");
    AddList(s, "canadian-words.10", "colour\nanalyze\n");
    AddList(s, "english-abbreviations.40", "etc\nNATO\n");
    AddList(s, "english-upper.50", "Paris\n");
    AddList(s, "english-contractions.10", "can't\nlet's\n");
    // Nouns only by their possessives, one of them in a list above the levels read.
    AddList(s, "english-words.70", "footway\nfootways\noutlands\nhobbies\nzzquuxes\nbigs\nthitherward\n");
    AddList(s, "english-words.80", "hobby's\n");
    ScowlListName above;
    EXPECT_TRUE(ParseScowlListName("english-words.95", above));
    AddScowlPossessives(above, "footway's\noutland's\nzzquuxes\nbig's\nzzquux's\n", s.scowl);
    ReadWordNetIndexText(
        "  1 This header line starts with spaces\n"
        "walk n 7 2 @ ~ 7 3 0\nhope n 5 1 @ 5 2 0\nchild n 4 1 @ 4 3 0\n"
        "box n 10 1 @ 10 2 0\ncolor n 9 1 @ 9 2 0\nhop n 2 1 @ 2 0 0\nput n 1 1 @ 1 0 0\n"
        "hot_dog n 2 1 @ 2 0 0\ncolour n 9 1 @ 9 2 0\nspasm n 2 1 @ 2 0 0\nspasmus n 1 1 @ 1 0 0\nwa n 1 1 @ 1 0 0\n",
        kWnNoun, s.wordnet);
    ReadWordNetIndexText(
        "walk v 10 1 @ 10 3 0\nhope v 3 1 @ 3 1 0\nhop v 7 1 @ 7 0 0\ngo v 30 1 @ 30 5 0\n"
        "carry v 40 1 @ 40 5 0\ndream v 3 1 @ 3 0 0\nbox v 3 1 @ 3 0 0\nput v 10 1 @ 10 1 0\n"
        "be v 13 1 @ 13 9 0\ntravel v 6 1 @ 6 0 0\nanalyze v 2 1 @ 2 0 0\n"
        "organize v 4 1 @ 4 0 0\n",
        kWnVerb, s.wordnet);
    ReadWordNetIndexText("big a 13 1 & 13 3 0\n", kWnAdj, s.wordnet);
    ReadWordNetExceptionText("children child\n", kWnNoun, s.wordnet);
    ReadWordNetExceptionText("went go\nare be\nhopped hop\ngone go\n", kWnVerb, s.wordnet);
    ReadWordNetExceptionText("bigger big\nbiggest big\n", kWnAdj, s.wordnet);
    const std::string data[4] = {
        "  1 header\n"
        "06045562 09 n 02 medical_science 0 medicine 0 001 @ 05999797 n 0000 | science\n"
        "06060845 09 n 01 pathology 0 001 @ 06045562 n 0000 | the study of disease\n"
        "00226107 04 n 02 spasm 0 Spasmus 0 002 @ 01149911 n 0000 ;c 06060845 n 0000 | a muscle\n"
        "00000999 04 n 01 hope 0 001 @ 01149911 n 0000 | not medical\n"
        "05220461 08 n 01 body_part 0 001 @ 09000000 n 0000 | anatomy below\n"
        "05225090 08 n 01 bone 0 001 @ 05220461 n 0000 | no domain link\n",
        "", "", ""};
    ReadWordNetDomains(data, s.wordnet);
    ReadWordNetTagCountText(
        "walk%1:04:00:: 1 12\nwalk%2:38:00:: 1 40\nwalk%2:38:01:: 2 3\nbig%5:00:00:large:00 1 9\n"
        "unlisted%1:04:00:: 1 5\nbroken line\n",
        s.wordnet);
    std::string error;
    EXPECT_TRUE(ParseWinkLexicon("var DT = 'DT';\nvar NN = 'NN';\nvar VBP = 'VBP';\n"
                                 "var A_DT_VBP_NN = [ DT, VBP, NN ];\nvar A_VBP = [ VBP ];\n"
                                 "var lexicon = Object.create( null );\n"
                                 "lexicon.the = A_DT_VBP_NN;\nlexicon.are = A_VBP;\n",
                                 s.wink, error))
        << error;
    EXPECT_TRUE(ParseIrregularVerbs(
        R"({"go":[["went","gone"]],"dream":[["dreamed","dreamed"],["dreamt","dreamt"]],)"
        R"("put":[["put","put"]],"be":[["was","been"],["were","been"]]})",
        s.irregularVerbs, error))
        << error;
    return s;
}

TEST(EnglishSources, ScowlListNames) {
    struct Case {
        const char* name;
        bool ok;
        u32 spelling;
        ScowlKind kind;
        int level;
    };
    const Case cases[] = {
        {"english-words.10", true, kSpellEnglish, ScowlKind::Words, 10},
        {"british_z-upper.95", true, kSpellGbz, ScowlKind::Upper, 95},
        {"australian_variant_2-proper-names.55", true, kSpellAuVariant2, ScowlKind::ProperNames, 55},
        {"variant_3-abbreviations.70", true, kSpellVariant3, ScowlKind::Abbreviations, 70},
        {"special-hacker.50", false, 0, ScowlKind::Words, 0},
        {"english-words.", false, 0, ScowlKind::Words, 0},
        {"klingon-words.10", false, 0, ScowlKind::Words, 0},
        {"english-slang.10", false, 0, ScowlKind::Words, 0},
    };
    for (const Case& c : cases) {
        ScowlListName n;
        ASSERT_EQ(ParseScowlListName(c.name, n), c.ok) << c.name;
        if (!c.ok) continue;
        EXPECT_EQ(n.spelling, c.spelling) << c.name;
        EXPECT_EQ(n.kind, c.kind) << c.name;
        EXPECT_EQ(n.level, c.level) << c.name;
    }
}

TEST(EnglishSources, ScowlLevelsRegionsAndCounterparts) {
    EnglishSources s = SyntheticSources();
    const ScowlWords& w = s.scowl;
    EXPECT_EQ(w.possessivesSkipped, 2u);  // walker's, hobby's; let's is a contraction
    EXPECT_EQ(w.possessed.count("walker"), 1u);
    EXPECT_EQ(w.words.count("walker's"), 0u);
    EXPECT_EQ(w.words.at("colour").level, 10);  // smallest of 10 and 20
    struct Case {
        const char* form;
        int section;
        const char* counterpart;
    };
    const Case cases[] = {
        {"colour", 6, "color"},      {"color", 7, "colour"},     {"colours", 6, "colors"},
        {"travelled", 6, "traveled"}, {"traveled", 7, "travelled"},
        {"analyse", 6, "analyze"},   {"analyze", 7, "analyse"},  // Canadian -yze stays American
        {"organise", 6, "organize"},
        {"organize", 0, ""},  // American and British -ize
        {"walk", 0, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RegionalSection(w.words.at(c.form)), c.section) << c.form;
        EXPECT_EQ(RegionalCounterpart(c.form, w), c.counterpart) << c.form;
    }
    std::vector<SourceForm> forms = ScowlSourceForms(w);
    const SourceForm* etc = FindOne(forms, "etc", "abbrev", "etc");
    ASSERT_NE(etc, nullptr);
    EXPECT_TRUE(EnglishHasIs(*etc, "period"));
    EXPECT_EQ(EnglishLevel(*etc), 40);
    EXPECT_NE(FindOne(forms, "NATO", "acronym", "NATO"), nullptr);
    EXPECT_NE(FindOne(forms, "Paris", "proper", "Paris"), nullptr);
    EXPECT_NE(FindOne(forms, "let's", "contraction", "let's"), nullptr);
    const SourceForm* colour = FindOne(forms, "colour", "unknown", "colour");
    ASSERT_NE(colour, nullptr);
    for (const char* v : {"level:10", "region:gb", "region:gbz", "region:ca", "section:6"})
        EXPECT_TRUE(EnglishHasIs(*colour, v)) << v;
    EXPECT_FALSE(EnglishHasIs(*colour, "region:us"));
}

TEST(EnglishSources, WordNetWinkAndPrincipalParts) {
    EnglishSources s = SyntheticSources();
    EXPECT_EQ(s.wordnet.multiWordSkipped, 1u);  // hot_dog
    EXPECT_EQ(s.wordnet.lemmas.at("walk").senses[kWnNoun], 7);
    EXPECT_EQ(s.wordnet.lemmas.at("walk").senses[kWnVerb], 10);
    // Sense-tagged counts per part; a satellite adjective counts as an
    // adjective, a lemma the index lacks and a broken line are passed over.
    EXPECT_EQ(s.wordnet.lemmas.at("walk").tagged[kWnNoun], 12u);
    EXPECT_EQ(s.wordnet.lemmas.at("walk").tagged[kWnVerb], 43u);
    EXPECT_EQ(s.wordnet.lemmas.at("big").tagged[kWnAdj], 9u);
    EXPECT_EQ(s.wordnet.lemmas.count("unlisted"), 0u);
    EXPECT_TRUE(s.wordnet.lemmas.at("spasm").medical);   // ;c to a topic below medical science
    EXPECT_FALSE(s.wordnet.lemmas.at("hope").medical);
    EXPECT_EQ(s.wordnet.medicalSpellings,
              (std::vector<std::string>{"Spasmus", "bone", "spasm"}));  // below body_part

    std::vector<SourceForm> wn = WordNetSourceForms(s.wordnet);
    const SourceForm* children = FindOne(wn, "children", "noun", "child");
    ASSERT_NE(children, nullptr);
    EXPECT_EQ(children->is, (std::vector<std::string>{"plural", "irregular"}));
    const SourceForm* biggest = FindOne(wn, "biggest", "adj", "big");
    ASSERT_NE(biggest, nullptr);
    EXPECT_TRUE(EnglishHasIs(*biggest, "superlative"));

    EXPECT_EQ(s.wink.tags.at("the"), (std::vector<std::string>{"DT", "VBP", "NN"}));
    std::vector<SourceForm> wink = WinkSourceForms(s.wink);
    const SourceForm* the = FindOne(wink, "the", "closed:det", "the");
    ASSERT_NE(the, nullptr);
    EXPECT_TRUE(EnglishHasIs(*the, "wink:0"));
    EXPECT_TRUE(HasOther(*the, "wink:DT,VBP,NN"));

    std::vector<SourceForm> iv = IrregularVerbSourceForms(s.irregularVerbs);
    const SourceForm* dreamed = FindOne(iv, "dreamed", "verb", "dream");
    const SourceForm* dreamt = FindOne(iv, "dreamt", "verb", "dream");
    ASSERT_NE(dreamed, nullptr);
    ASSERT_NE(dreamt, nullptr);
    EXPECT_FALSE(EnglishHasIs(*dreamed, "irregular"));  // made by the -ed rule
    EXPECT_TRUE(EnglishHasIs(*dreamt, "irregular"));
    EXPECT_EQ(Find(iv, "been").size(), 1u);  // listed twice, read once

    std::string error;
    std::vector<IrregularVerb> bad;
    EXPECT_FALSE(ParseIrregularVerbs(R"({"go":[["went"]]})", bad, error));
    EXPECT_FALSE(ParseIrregularVerbs(R"({"go":[["went","gone"]])", bad, error));
    WinkLexicon none;
    EXPECT_FALSE(ParseWinkLexicon("// nothing here\n", none, error));
}

TEST(EnglishSources, MergedReadings) {
    EnglishSources s = SyntheticSources();
    EnglishFormStats st;
    std::vector<SourceForm> forms = BuildEnglishForms(s, st);
    EXPECT_TRUE(std::is_sorted(forms.begin(), forms.end(),
                               [](const SourceForm& a, const SourceForm& b) { return a.form < b.form; }));
    struct Case {
        const char* form;
        const char* po;
        const char* lemma;
        std::vector<std::string> is;  // must all be present
    };
    const Case cases[] = {
        {"went", "verb", "go", {"past", "irregular", "level:10"}},
        {"gone", "verb", "go", {"past-participle", "irregular"}},
        {"walked", "verb", "walk", {"past", "past-participle"}},
        {"walking", "verb", "walk", {"present-participle"}},
        {"walks", "noun", "walk", {"plural"}},
        {"walks", "verb", "walk", {"3sg"}},
        {"hoped", "verb", "hope", {"past"}},
        {"hopped", "verb", "hop", {"past"}},
        {"carried", "verb", "carry", {"past"}},
        {"boxes", "noun", "box", {"plural"}},
        {"children", "noun", "child", {"plural", "irregular"}},
        {"bigger", "adj", "big", {"comparative"}},
        {"dreamt", "verb", "dream", {"past", "past-participle", "irregular"}},
        {"dreamed", "verb", "dream", {"past", "past-participle"}},
        {"put", "verb", "put", {"base", "past", "past-participle", "irregular"}},
        {"are", "verb", "be", {"present", "irregular"}},
        {"the", "closed:det", "the", {"wink:0"}},
        {"traveled", "verb", "travel", {"past", "section:7"}},
        {"travelled", "verb", "travel", {"past", "section:6"}},
        {"colour", "noun", "colour", {"singular", "section:6", "region:gb"}},
        {"organise", "verb", "organise", {"base", "section:6"}},  // WordNet spells it with z
        {"analyse", "verb", "analyse", {"base", "section:6"}},
        {"zzquux", "unknown", "zzquux", {"level:10"}},  // a common word: its possessive makes no noun
        {"footway", "noun", "footway", {"singular"}},
        {"footways", "noun", "footway", {"plural"}},
        {"outlands", "noun", "outland", {"plural"}},
        {"hobbies", "noun", "hobby", {"plural"}},
        {"zzquuxes", "noun", "zzquux", {"plural"}},
        {"thitherward", "unknown", "thitherward", {"level:70"}},  // no possessive: no noun
        {"etc", "abbrev", "etc", {"period"}},
        {"Spasmus", "noun", "Spasmus", {"domain:medical"}},  // medical, in no SCOWL list
    };
    for (const Case& c : cases) {
        const SourceForm* f = FindOne(forms, c.form, c.po, c.lemma);
        ASSERT_NE(f, nullptr) << c.form << " " << c.po << " " << c.lemma;
        for (const std::string& v : c.is) EXPECT_TRUE(EnglishHasIs(*f, v)) << c.form << " " << v;
    }
    // Wrong analyses the rules must not make.
    EXPECT_EQ(FindOne(forms, "hoped", "verb", "hop"), nullptr);  // hop's past is hopped
    EXPECT_EQ(FindOne(forms, "walked", "verb", "walke"), nullptr);
    for (const char* regular : {"walked", "hopped"})  // hopped: a WordNet exception, yet regular
        EXPECT_FALSE(EnglishHasIs(*Find(forms, regular, "verb")[0], "irregular")) << regular;
    EXPECT_TRUE(Find(forms, "the", "verb").empty());  // wink's later tags are not readings
    EXPECT_TRUE(Find(forms, "was", "noun").empty());  // WordNet's "wa" is the name WA
    EXPECT_NE(FindOne(forms, "was", "verb", "be"), nullptr);
    EXPECT_TRUE(HasOther(*FindOne(forms, "colour", "noun", "colour"), "counterpart:color"));
    EXPECT_TRUE(HasOther(*FindOne(forms, "organise", "verb", "organise"), "analysed-as:organize"));
    EXPECT_EQ(st.unknown, 3u);  // zzquux, bigs, thitherward
    EXPECT_TRUE(Find(forms, "outland").empty());  // a possessive alone adds no word
    EXPECT_TRUE(Find(forms, "bigs", "noun").empty());  // "big" is analysed: an adjective
    EXPECT_EQ(st.medicalOnly, 2u);  // Spasmus, spasm
    EXPECT_EQ(st.forms, forms.size());

    EnglishFormStats again;
    std::vector<SourceForm> second = BuildEnglishForms(SyntheticSources(), again);
    ASSERT_EQ(second.size(), forms.size());
    for (std::size_t i = 0; i < forms.size(); ++i) {
        EXPECT_EQ(second[i].form, forms[i].form);
        EXPECT_EQ(second[i].is, forms[i].is);
        EXPECT_EQ(second[i].other, forms[i].other);
    }
}

// The installed sources (scripts/setup installs them).
TEST(EnglishSources, InstalledSources) {
    EnglishSourcePaths paths;
    paths.nodeModulesDir = std::string(KRZ_TEST_DATA_DIR) + "/../../tools/node_modules";
    if (!std::filesystem::exists(paths.scowlDir) || !std::filesystem::exists(paths.wordnetDir) ||
        !std::filesystem::exists(paths.nodeModulesDir + "/" + kWinkLexiconFile))
        GTEST_SKIP() << "English sources not installed (run scripts/setup)";
    auto start = std::chrono::steady_clock::now();
    EnglishSources s;
    std::string error;
    ASSERT_TRUE(ReadEnglishSources(paths, s, error)) << error;
    EnglishFormStats st;
    std::vector<SourceForm> forms = BuildEnglishForms(s, st);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    CompileReport report;
    ReportEnglishStats(s, st, report);
    for (const std::string& l : report.lines) std::printf("%s\n", l.c_str());
    std::printf("english sources: read and merged in %.2f s\n", seconds);

    const SourceForm* went = FindOne(forms, "went", "verb", "go");
    ASSERT_NE(went, nullptr);
    EXPECT_TRUE(EnglishHasIs(*went, "past"));
    const SourceForm* colour = FindOne(forms, "colour", "noun", "colour");
    ASSERT_NE(colour, nullptr);
    EXPECT_TRUE(EnglishHasIs(*colour, "section:6"));
    EXPECT_TRUE(HasOther(*colour, "counterpart:color"));
    const SourceForm* color = FindOne(forms, "color", "noun", "color");
    ASSERT_NE(color, nullptr);
    EXPECT_TRUE(EnglishHasIs(*color, "section:7"));
    EXPECT_NE(FindOne(forms, "children", "noun", "child"), nullptr);
    EXPECT_NE(FindOne(forms, "the", "closed:det", "the"), nullptr);
    const SourceForm* been = FindOne(forms, "been", "verb", "be");
    ASSERT_NE(been, nullptr);
    EXPECT_TRUE(EnglishHasIs(*been, "past-participle"));
    EXPECT_FALSE(Find(forms, "Mr", "abbrev").empty());
    EXPECT_TRUE(std::any_of(forms.begin(), forms.end(), [](const SourceForm& f) {
        return EnglishHasIs(f, "domain:medical") && f.form == "appendicitis";
    }));
}

}  // namespace
