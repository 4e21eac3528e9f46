// Plural, singular, feminine and masculine forms, and the irregular
// adjective list.
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "frame/mac_roman_literal.h"
#include "morphology/adjectives.h"
#include "tests/inflection/inflect_fixture.h"

namespace {

using Forms = std::vector<std::string>;

struct AdjectiveCase {
    const char* word;
    i16 selector;
    const char* result;  // null: not a listed form, the word stays
};

TEST(IrregularAdjectives, FormsBySelector) {
    const AdjectiveCase kCases[] = {
        {"nul", 3, "nulle"},         {"nulles", 1, "nul"},
        {"beaux", 3, "belle"},       {"vieille", 1, "vieux"},
        {MR("sèches"), 1, "sec"},    {"long", 4, "longues"},
        {"oblong", 4, "oblongues"},  {"barlong", 4, "barlongues"},
        {"final", 2, "finals&finaux"}, {"finaux", 2, "finaux&finals"},
        {"finale", 2, "finals&finaux"}, {"atonal", 2, "atonals&atonaux"},
        {"bas", 2, "bas"},           {"grec", 3, "grecque"},
        {MR("maître"), 4, MR("maîtresses")}, {"favori", 3, "favorite"},
        {"petit", 3, nullptr},       {"nullement", 1, nullptr},
    };
    for (const AdjectiveCase& c : kCases) {
        gErrorExtent = static_cast<u16>(c.selector);
        BoundedString w = InflectText(c.word);
        const i16 r = InflectFrenchIrregularAdjective(w);
        EXPECT_EQ(r, c.result != nullptr ? 1 : 0) << c.word;
        EXPECT_STREQ(reinterpret_cast<const char*>(w.data), c.result != nullptr ? c.result : c.word) << c.word;
    }
}

// A selector outside 1..4 gives no form (rather than a form of the first
// or last model picked by the clamped table access).
TEST(IrregularAdjectives, SelectorOutOfRange) {
    for (i16 selector : {0, 5, -1, 200}) {
        gErrorExtent = static_cast<u16>(selector);
        BoundedString w = InflectText("beau");
        EXPECT_EQ(InflectFrenchIrregularAdjective(w), 0) << selector;
        EXPECT_STREQ(reinterpret_cast<const char*>(w.data), "beau");
    }
}

struct NominalCase {
    u32 mode;
    const char* word;
    u16 code;
    Forms forms;
};

void RunTable(InflectTest& t, const NominalCase* cases, std::size_t n,
              Inflected (InflectTest::*run)(u32, const std::string&, u16)) {
    for (std::size_t i = 0; i < n; ++i) {
        const NominalCase& c = cases[i];
        const Inflected r = (t.*run)(c.mode, c.word, 0);
        EXPECT_EQ(r.forms, c.forms) << c.word << " op " << (c.mode & 0xFF);
        EXPECT_EQ(r.code, c.code) << c.word << " op " << (c.mode & 0xFF);
    }
}

class NominalTest : public InflectTest {
public:
    Inflected Call(u32 mode, const std::string& word, u16 count) { return Run(mode, word, count); }
};

TEST_F(NominalTest, Plurals) {
    const NominalCase kCases[] = {
        {0x303, "mal", 1, {"maux", "mals"}},
        {0x303, "son", 1, {"sons", "ses"}},
        {0x303, "la", 1, {"les"}},
        {0x303, "chef-d'oeuvre", 1, {"chefs-d'oeuvre"}},
        {0x303, "prud'homal", 1, {"prud'homaux"}},
        {0x303, "prud'homme", 1, {"prud'hommes"}},
        {0x303, "trompe-l'oeil", kInflectNoPlural, {}},
        {0x303, "aujourd'hui", kInflectNoPlural, {}},
        {0x303, "un", 0, {"uns", "des"}},
        {0x303, "le", 0, {"les"}},
        {0x303, "maison", 0, {"maisons"}},
        {0x303, MR("grand-mère"), 0, {MR("grand-mères")}},
        {0x303, MR("aimé"), 0, {MR("aimés")}},
        {0x303, "naevus", 1, {"naevi"}},
        // Irregular plurals filed with their singular.
        {0x303, MR("œil"), 0, {"yeux"}},
        {0x303, "ciel", 0, {"cieux"}},
        {0x303, MR("aïeul"), 0, {MR("aïeux")}},
        {0x303, "monsieur", 0, {"messieurs"}},
        {0x303, "madame", 0, {"mesdames"}},
        {0x303, "bonhomme", 0, {"bonshommes", "bonhommes"}},
        {0x303, "nez", kInflectInvariable, {}},
        {0x303, "x", kInflectNoPlural, {}},
        {0x303, "xqzwv", kInflectRefused, {}},
    };
    RunTable(*this, kCases, std::size(kCases), static_cast<Inflected (InflectTest::*)(u32, const std::string&, u16)>(&NominalTest::Call));
}

// A plural that fails leaves no count behind, although the dictionary's
// candidates (stems with code bytes) stand in the results array.
TEST_F(NominalTest, FailedPluralClearsTheCount) {
    for (const char* word : {"fieu", "nez", "trompe-l'oeil"}) {
        const Inflected r = Run(0x303, word, 5);
        EXPECT_TRUE(r.code == kInflectNoPlural || r.code == kInflectInvariable) << word;
        EXPECT_EQ(r.count, 0) << word;
    }
}

TEST_F(NominalTest, Singulars) {
    const NominalCase kCases[] = {
        {0x304, "maisons", 0, {"maison"}},
        {0x304, "chevaux", 0, {"cheval"}},
        {0x304, "beaux", 0, {"beau"}},
        {0x304, "les", 1, {"le", "la"}},
        // An irregular plural gives the singular it is filed with (here with
        // the dictionary's lemma text, its ligature written out: the export
        // finishes the form, tests/cli/krzcheck_words_test.sh).
        {0x304, "yeux", 0, {"oeil"}},
        {0x304, "cieux", 0, {"ciel"}},
        {0x304, MR("aïeux"), 0, {MR("aïeul")}},
        {0x304, "messieurs", 0, {"monsieur"}},
        {0x304, "mesdames", 0, {"madame"}},
        {0x304, "bonshommes", 0, {"bonhomme"}},
        {0x304, "maison", kInflectNoSingular, {}},
        {0x304, "xqzwv", kInflectNoSingular, {}},
    };
    RunTable(*this, kCases, std::size(kCases), static_cast<Inflected (InflectTest::*)(u32, const std::string&, u16)>(&NominalTest::Call));
}

TEST_F(NominalTest, GenderForms) {
    const NominalCase kCases[] = {
        {0x308, "beau", 0, {"belle"}},
        {0x309, "belle", 0, {"beau"}},
        {0x308, "grand", 0, {"grande"}},
        {0x309, "grande", 0, {"grand"}},
        {0x308, "actif", 0, {"active"}},
        {0x308, MR("aimé"), 0, {MR("aimée")}},
        {0x308, MR("aimés"), 0, {MR("aimées")}},
        {0x309, "finales", 0, {"finals", "finaux"}},
        {0x308, "belle", kInflectAlreadyFeminine, {}},
        {0x309, "grand", kInflectAlreadyMasculine, {}},
        {0x308, "xqzwv", kInflectNoGenderForm, {}},
        {0x308, "aimons", kInflectNoGenderForm, {}},
    };
    RunTable(*this, kCases, std::size(kCases), static_cast<Inflected (InflectTest::*)(u32, const std::string&, u16)>(&NominalTest::Call));
}

// The selector the operation sets: plural participles give the plural form.
TEST_F(NominalTest, GenderSelector) {
    Run(0x308, MR("aimés"));
    EXPECT_EQ(gErrorExtent, 4);
    Run(0x308, MR("aimé"));
    EXPECT_EQ(gErrorExtent, 3);
    Run(0x309, "belles");
    EXPECT_EQ(gErrorExtent, 2);
}

// Families the dictionary writes with suffix codes (eur/euse, eux/euse,
// al/aux) or with a linked irregular plural: the plural and the other
// gender are rebuilt from the one entry.
TEST_F(NominalTest, FamiliesOfOneEntry) {
    const NominalCase kCases[] = {
        {0x303, "cheval", 0, {"chevaux"}},
        {0x303, "chanteur", 0, {"chanteurs"}},
        {0x308, "chanteur", 0, {"chanteuse"}},
        {0x309, "chanteuse", 0, {"chanteur"}},
        // A masculine form of both numbers is read as a plural: its
        // feminine is the plural one.
        {0x308, "heureux", 0, {"heureuses"}},
        {0x308, "heureuse", kInflectAlreadyFeminine, {}},
        {0x309, "heureuse", 0, {"heureux"}},
    };
    RunTable(*this, kCases, std::size(kCases), static_cast<Inflected (InflectTest::*)(u32, const std::string&, u16)>(&NominalTest::Call));
}

// Families of the compiled dictionary (its manifest): for every 25th noun or
// adjective lemma with one masculine singular S (a word of one reading), the plural the engine
// builds from S is one of the lemma's plurals; for the adjectives with a
// regular plural (S + s) and a final letter that can carry the feminine,
// the feminine it builds is the lemma's feminine.
using FamilyForms = std::map<std::string, std::map<u16, std::set<std::string>>>;  // lemma -> tag -> forms
std::set<std::string> gSingleReading;              // words of one analysis
std::map<std::string, std::set<u16>> gTagsOfWord;  // every tag of a word, any lemma

FamilyForms ReadFamilies() {
    FamilyForms out;
    std::ifstream in(KRZ_FRENCH_MANIFEST, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        std::vector<std::string> f;
        std::stringstream ss(line);
        std::string field;
        while (std::getline(ss, field, '\t')) f.push_back(field);
        if (f.size() < 4 || f[1] != "0") continue;
        std::string word;
        for (size_t i = 0; i < f[0].size(); ++i) {
            if (f[0][i] == '\\' && i + 3 < f[0].size() && f[0][i + 1] == 'x') {
                word += static_cast<char>(std::stoi(f[0].substr(i + 2, 2), nullptr, 16));
                i += 3;
            } else {
                word += f[0][i];
            }
        }
        if (word.find(static_cast<char>(0x9B)) != std::string::npos) continue;
        if (f[2].find(',') == std::string::npos) gSingleReading.insert(word);
        std::stringstream as(f[2]);
        std::string one;
        while (std::getline(as, one, ',')) {
            unsigned tag = 0, byte = 0;
            unsigned long ref = 0;
            if (std::sscanf(one.c_str(), "%x:%u:%lu", &tag, &byte, &ref) != 3) continue;
            const u8 cls = static_cast<u8>(tag >> 8);
            gTagsOfWord[word].insert(static_cast<u16>(tag));
            if (cls == 'A' || cls == 'B') out[f[3]][static_cast<u16>(tag)].insert(word);
        }
    }
    return out;
}

TEST_F(NominalTest, ManifestFamilies) {
    const FamilyForms families = ReadFamilies();
    u32 plurals = 0, feminines = 0, n = 0;
    for (const auto& [lemma, forms] : families) {
        for (u8 cls : {u8('A'), u8('B')}) {
            auto sg = forms.find(static_cast<u16>(cls << 8 | 0x14));
            if (sg == forms.end() || sg->second.size() != 1) continue;
            const std::string& s = *sg->second.begin();
            const char last = s.back();
            // Words of several readings and of four letters or less are the
            // engine's business, not the entry's.
            if (last == 's' || last == 'x' || last == 'z' || s.size() < 5 || gSingleReading.count(s) == 0 ||
                n++ % 25 != 0)
                continue;
            auto pl = forms.find(static_cast<u16>(cls << 8 | 0x18));
            if (pl == forms.end()) continue;
            const Inflected r = Run(0x303, s);
            EXPECT_FALSE(r.forms.empty()) << lemma;
            // A plural whose manifest line names another lemma first still
            // carries the plural reading.
            for (const std::string& form : r.forms)
                EXPECT_TRUE(pl->second.count(form) != 0 || gTagsOfWord[form].count(pl->first) != 0)
                    << lemma << " " << form;
            ++plurals;
            auto fem = forms.find(static_cast<u16>(cls << 8 | 0x24));
            if (cls != 'B' || fem == forms.end() || pl->second.count(s + "s") == 0 || last < 'a' || last > 'z')
                continue;
            EXPECT_EQ(Run(0x308, s).forms, (Forms(fem->second.begin(), fem->second.end()))) << lemma;
            ++feminines;
        }
    }
    EXPECT_GT(plurals, 0u);
    EXPECT_GT(feminines, 0u);
}

// Determiners take the caller's selector; their forms end with a blank.
TEST_F(NominalTest, DeterminerForms) {
    gErrorExtent = 3;
    EXPECT_EQ(Run(0x308, "tout").forms, (Forms{"toute "}));
    gErrorExtent = 1;
    EXPECT_EQ(Run(0x308, "tout").forms, (Forms{"tout "}));
}

// Results of operations 8 and 9 show a hyphen, never the internal mark.
TEST_F(NominalTest, GenderFormsRestoreMarks) {
    EXPECT_EQ(Run(0x308, MR("afro-cubain")).forms, (Forms{MR("afro-cubaine")}));
    EXPECT_EQ(Run(0x309, MR("afro-cubaines")).forms, (Forms{MR("afro-cubains")}));
}

}  // namespace
