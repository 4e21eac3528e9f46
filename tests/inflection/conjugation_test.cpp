// Conjugation and infinitive on the built-in French dictionary.
#include "frame/mac_roman_literal.h"
#include "tests/inflection/inflect_fixture.h"

namespace {

using Forms = std::vector<std::string>;

struct TenseCase {
    const char* verb;
    u32 tense;  // 0 present participle, 1 past participles, 2 present ... 9 imperative
    Forms forms;
};

const TenseCase kTenses[] = {
    {"aimer", 2, {"aime", "aimes", "aime", "aimons", "aimez", "aiment"}},
    {"aimer", 5, {"aimai", "aimas", "aima", MR("aimâmes"), MR("aimâtes"), MR("aimèrent")}},
    {"aimer", 1, {MR("aimé"), MR("aimés"), MR("aimée"), MR("aimées")}},
    {"semer", 2, {MR("sème"), MR("sèmes"), MR("sème"), "semons", "semez", MR("sèment")}},
    {"semer", 4, {MR("sèmerai"), MR("sèmeras"), MR("sèmera"), MR("sèmerons"), MR("sèmerez"), MR("sèmeront")}},
    {"semer", 9, {MR("sème"), "semons", "semez"}},
    {"placer", 0, {MR("plaçant")}},
    {"placer", 2, {"place", "places", "place", MR("plaçons"), "placez", "placent"}},
    {"placer", 3, {MR("plaçais"), MR("plaçais"), MR("plaçait"), "placions", "placiez", MR("plaçaient")}},
    {"manger", 2, {"mange", "manges", "mange", "mangeons", "mangez", "mangent"}},
    {"manger", 5, {"mangeai", "mangeas", "mangea", MR("mangeâmes"), MR("mangeâtes"), MR("mangèrent")}},
    {"payer", 2, {"paye ou paie", "payes ou paies", "paye ou paie", "payons", "payez", "payent ou paient"}},
    {"payer", 4, {"payerai ou paierai", "payeras ou paieras", "payera ou paiera", "payerons ou paierons",
                  "payerez ou paierez", "payeront ou paieront"}},
    {"finir", 2, {"finis", "finis", "finit", "finissons", "finissez", "finissent"}},
    {"finir", 7, {"finisse", "finisses", MR("finît"), "finissions", "finissiez", "finissent"}},
    {MR("être"), 1, {MR("été")}},
    {MR("être"), 2, {"suis", "es", "est", "sommes", MR("êtes"), "sont"}},
    {MR("être"), 6, {"sois", "sois", "soit", "soyons", "soyez", "soient"}},
    {"avoir", 2, {"ai", "as", "a", "avons", "avez", "ont"}},
    {"avoir", 5, {"eus", "eus", "eut", MR("eûmes"), MR("eûtes"), "eurent"}},
    {"aller", 2, {"vais", "vas", "va", "allons", "allez", "vont"}},
    {"aller", 4, {"irai", "iras", "ira", "irons", "irez", "iront"}},
    {"aller", 6, {"aille", "ailles", "aille", "allions", "alliez", "aillent"}},
    {"asseoir", 2, {"assieds ou assois", "assieds ou assois", "assied ou assoit", "asseyons ou assoyons",
                    "asseyez ou assoyez", "asseyent ou assoient"}},
    {"asseoir", 1, {"assis", "assis", "assise", "assises"}},
    {MR("gésir"), 0, {"gisant"}},
    {MR("gésir"), 2, {"gis", "gis", MR("gît"), "gisons", "gisez", "gisent"}},
    {MR("gésir"), 3, {"gisais", "gisais", "gisait", "gisions", "gisiez", "gisaient"}},
    {MR("gésir"), 9, {"", "", ""}},
    {MR("gésir"), 4, {"", "", "", "", "", ""}},
};

TEST_F(InflectTest, TensesOfFrenchVerbs) {
    for (const TenseCase& c : kTenses) {
        const Inflected r = Run(0x314 + c.tense, c.verb);
        EXPECT_EQ(r.forms, c.forms) << c.verb << " tense " << c.tense << " code " << r.code;
    }
}

struct CodeCase {
    const char* verb;
    u16 code;
};

// Result words: the tag class of the verb, 8 for "être" verbs, the model's
// group character less 28, 100 for an invariable participle; fixed codes
// for the defective verbs.
TEST_F(InflectTest, ConjugationResultWords) {
    const CodeCase kCases[] = {
        {"aimer", 0xE015}, {"finir", 0xC016}, {"aller", 0xB817},
        {MR("gésir"), 0x901A}, {MR("ouïr"), 0xC01A}, {MR("être"), 0x807C},
    };
    for (const CodeCase& c : kCases) EXPECT_EQ(Run(0x316, c.verb).code, c.code) << c.verb;
}

TEST_F(InflectTest, ConjugationFailures) {
    Inflected r = Run(0x316, "xqzwv");  // not in the dictionary
    EXPECT_EQ(r.code, kInflectRefused);
    EXPECT_EQ(r.count, 0);
    r = Run(0x316, "maison");  // no verb reading
    EXPECT_EQ(r.code, kInflectNoVerb);
    EXPECT_EQ(r.count, 0);
    r = Run(0x316, "aimons");  // a form, not the infinitive
    EXPECT_EQ(r.code, kInflectNotInfinitive);
}

// The second phase reads the caller's candidates: one stem and model, or
// two (the second stem of the semer kind); no " ou " join in this phase.
TEST_F(InflectTest, SecondPhaseEntry) {
    Candidates({Cand("aim", 1)});
    Inflected r = Run(0x324 + 2, "aimer", 1);
    EXPECT_EQ(r.forms, (Forms{"aime", "aimes", "aime", "aimons", "aimez", "aiment"}));
    EXPECT_EQ(r.code & 0xFF, 21);

    Candidates({Cand("sem", 2), Cand(MR("sèm"), 103)});
    r = Run(0x324 + 2, "semer", 2);
    EXPECT_EQ(r.forms, (Forms{MR("sème"), MR("sèmes"), MR("sème"), "semons", "semez", MR("sèment")}));

    Candidates({Cand("pa", 9), Cand("pa", 13)});
    r = Run(0x324 + 2, "payer", 2);
    EXPECT_EQ(r.forms, (Forms{"paye", "payes", "paye", "payons", "payez", "payent"}));
}

struct InfinitiveCase {
    const char* form;
    u16 code;
    Forms infinitives;
};

TEST_F(InflectTest, Infinitives) {
    const InfinitiveCase kCases[] = {
        {"mangeons", 21, {"manger"}},
        {"paie", 21, {"payer"}},
        {MR("sème"), 21, {"semer"}},
        {MR("cèdent"), 21, {MR("céder")}},
        {MR("plaçons"), 21, {"placer"}},
        {"vais", 23, {"aller"}},
        {"finissons", 22, {"finir"}},
        {"est", 124, {MR("être")}},
        {"ai", 24, {"avoir"}},
        {"a", 24, {"avoir"}},
        {"faut", 23, {"falloir", "faillir"}},
        {MR("gît"), 26, {MR("gésir")}},
        {"assis", 23, {"asseoir", "assoir"}},
    };
    for (const InfinitiveCase& c : kCases) {
        const Inflected r = Run(0x301, c.form);
        EXPECT_EQ(r.forms, c.infinitives) << c.form;
        EXPECT_EQ(r.code, c.code) << c.form;
    }
    EXPECT_EQ(Run(0x301, "xqzwv").code, kInflectRefused);
    const Inflected noun = Run(0x301, "maison");
    EXPECT_EQ(noun.code, kInflectNoVerb);
    EXPECT_EQ(noun.count, 0);
}

// Words refused before any work leave the caller's count as it was.
TEST_F(InflectTest, RefusedWords) {
    struct Refused {
        const char* word;
        u16 code;
    };
    const Refused kCases[] = {
        {"Aimer", kInflectCapital}, {"aim3r", kInflectRefused}, {MR("aimó"), kInflectRefused},
        {MR("aimú"), kInflectRefused}, {"ai\x9Bmer", kInflectRefused},
    };
    for (const Refused& c : kCases) {
        const Inflected r = Run(0x301, c.word, 7);
        EXPECT_EQ(r.code, c.code) << c.word;
        EXPECT_EQ(r.count, 7) << c.word;
    }
    // An operation outside the table does nothing.
    EXPECT_EQ(Run(0x305, "aimer", 7).count, 7);
}

}  // namespace
