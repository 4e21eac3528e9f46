// The English dictionary writer on a small synthetic lexicon: what it writes
// reads back through the library's lookup exactly as its manifest says,
// nouns share one item for both numbers, the apostrophe and period codes
// work, regional words land in their sections, and two runs give the same
// bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tools/datacomp/english_writer.h"

namespace {

EnglishReading R(const char* w, u8 cls, u8 number = 1, EnglishPlace place = EnglishPlace::Normal,
                 bool period = false) {
    EnglishReading r;
    r.word = w;
    r.lemma = w;
    r.classByte = cls;
    r.number = number;
    r.place = place;
    r.period = period;
    r.level = 20;
    return r;
}

EnglishVerbForms V(const char* lemma, std::initializer_list<const char*> forms) {
    EnglishVerbForms v;
    v.lemma = lemma;
    v.level = 20;
    int s = 0;
    for (const char* f : forms) v.slots[s++].push_back({f, 0});
    return v;
}

struct Compiled {
    EnglishModelTable models;
    DictBlocks dict;
};

Compiled Compile() {
    Compiled c;
    CompileReport report;
    c.models = BuildEnglishModels({V("zwalk", {"zwalk", "zwalks", "zwalking", "zwalked", "zwalked"}),
                                   V("zgo", {"zgo", "zgoes", "zgoing", "zwent", "zgone"})},
                                  report);
    InstallEnglishModels(c.models);
    EnglishDictInput in;
    in.models = &c.models;
    in.readings = {R("zzabc", 'A'), R("zzabcs", 'A', 2), R("zboxx", 'A'), R("zboxxes", 'A', 2),
                   R("zwalk", 'A'), R("zwalks", 'A', 2),  // absorbed into the verb's flags
                   R("zcan\x93t", 28), R("zq", 28, 1, EnglishPlace::Normal, true),
                   R("zcolour", 'A', 1, EnglishPlace::British), R("zcolor", 'A', 1, EnglishPlace::American),
                   R("Zork", 0x40), R("zquickly", '8'), R("zo", 'B'),
                   // Plurals filed alone: one whose singular is a noun and
                   // adjective (another item), one in -ies, and one no
                   // code spells with a singular.
                   R("zadult", 'M'), R("zadults", 'A', 2), R("zaccessory", 'M'), R("zaccessories", 'A', 2),
                   R("zdata", 'A', 2)};
    for (EnglishReading& r : in.readings) {
        if (r.word.size() > 5 && (r.word.back() == 's' || r.word == "zdata"))
            r.lemma = r.word == "zboxxes" ? "zboxx" : r.word == "zaccessories" ? "zaccessory"
                    : r.word == "zdata" ? "zdatum" : r.word.substr(0, r.word.size() - 1);
    }
    c.dict = WriteEnglishDictionary(in, report);
    return c;
}

const ManifestEntry* Find(const DictBlocks& d, const std::string& w) {
    for (const ManifestEntry& m : d.manifest)
        if (m.word == w) return &m;
    return nullptr;
}

TEST(EnglishWriter, ReadsBackAsTheManifestSays) {
    Compiled c = Compile();
    EnglishBlockSet set{&c.dict.prefixIndex, &c.dict.body, &c.dict.matrix, &c.models};
    InstallEnglishBlocks(set);
    const EnglishCheckResult r = CheckEnglishManifest(c.dict.manifest);
    EXPECT_GT(r.checked, 10u);
    EXPECT_EQ(r.failed, 0u) << (r.examples.empty() ? "" : r.examples[0]);

    // Singular and plural from one item; the verb's noun readings in its flags.
    const ManifestEntry* zzabs = Find(c.dict, "zzabcs");
    ASSERT_NE(zzabs, nullptr);
    EXPECT_EQ(zzabs->analyses[0].tag, 0x3908);
    EXPECT_EQ(zzabs->analyses[0].ref, Find(c.dict, "zzabc")->analyses[0].ref);
    EXPECT_EQ(Find(c.dict, "zboxxes")->analyses[0].tag, 0x3908);
    const ManifestEntry* zwalks = Find(c.dict, "zwalks");
    ASSERT_NE(zwalks, nullptr);
    ASSERT_EQ(zwalks->analyses.size(), 2u);
    EXPECT_EQ(zwalks->analyses[0].tag & 0xFF0F, 0x8001);
    EXPECT_EQ(zwalks->analyses[1].tag, 0x3908);
    EXPECT_EQ(Find(c.dict, "zwent")->analyses[0].tag, 0x8003);
    // Contraction, abbreviation with its period, adverb by the -ly rule.
    ASSERT_NE(Find(c.dict, "zcan\x93t"), nullptr);
    EXPECT_EQ(Find(c.dict, "zq")->analyses[0].tag, 0x1C00);
    EXPECT_EQ(Find(c.dict, "zquickly")->analyses[0].tag, 0x3A00);
    EXPECT_EQ(Find(c.dict, "Zork")->analyses[0].tag, 0x4004);

    // Regional spellings are read from their own sections (6 and 7).
    EXPECT_EQ(Find(c.dict, "zcolour")->analyses[0].ref >= c.dict.sections[0].bytes, true);
    u32 s6 = 0, s7 = 0;
    for (u32 s = 0; s <= 6; ++s) s6 += c.dict.sections[s].bytes;
    s7 = s6 + c.dict.sections[7].bytes;
    EXPECT_GE(Find(c.dict, "zcolour")->analyses[0].ref, s6 - c.dict.sections[6].bytes);
    EXPECT_LT(Find(c.dict, "zcolour")->analyses[0].ref, s6);
    EXPECT_GE(Find(c.dict, "zcolor")->analyses[0].ref, s6);
    EXPECT_LT(Find(c.dict, "zcolor")->analyses[0].ref, s7);
}

// Every form the dictionary spells is a form it was given: a plural filed
// alone is not followed by the word + "s" or + "es" ("zdatas"), and keeps
// its plural reading where a code spells it with its singular.
TEST(EnglishWriter, SpellsOnlyTheFormsItWasGiven) {
    Compiled c = Compile();
    const std::vector<std::string> given = {"zzabc", "zzabcs", "zboxx", "zboxxes", "zwalk", "zwalks", "zwalking",
                                            "zwalked", "zgo", "zgoes", "zgoing", "zwent", "zgone", "zcan\x93t", "zcant",
                                            "zq", "zcolour", "zcolor", "Zork", "zquickly", "zo", "zadult", "zadults",
                                            "zaccessory", "zaccessories", "zdata"};
    for (const ManifestEntry& m : c.dict.manifest)
        EXPECT_NE(std::find(given.begin(), given.end(), m.word), given.end()) << m.word;
    ASSERT_NE(Find(c.dict, "zadults"), nullptr);
    EXPECT_EQ(Find(c.dict, "zadults")->analyses[0].tag, 0x3908);
    ASSERT_NE(Find(c.dict, "zaccessories"), nullptr);
    EXPECT_EQ(Find(c.dict, "zaccessories")->analyses[0].tag, 0x3908);
    EXPECT_NE(Find(c.dict, "zdata"), nullptr);
}

TEST(EnglishWriter, LayoutLimitsAndDeterminism) {
    Compiled a = Compile();
    Compiled b = Compile();
    EXPECT_EQ(a.dict.body, b.dict.body);
    EXPECT_EQ(a.dict.prefixIndex, b.dict.prefixIndex);
    EXPECT_EQ(a.dict.matrix, b.dict.matrix);
    EXPECT_EQ(a.models.rowBlock, b.models.rowBlock);
    // Dummy section, reserved 1..10, pairs, 5 medical + C6 + CF (8 bytes).
    const u32 n = static_cast<u32>(a.dict.prefixIndex[0] << 8 | a.dict.prefixIndex[1]);
    EXPECT_LE(n, kEnglishSectionLimit);
    ASSERT_EQ(a.dict.sections.size(), n);
    EXPECT_EQ(a.dict.sections[0].bytes, 6u);
    EXPECT_EQ(a.dict.sections[n - 1].bytes, 8u);
    EXPECT_EQ(static_cast<u8>(a.dict.sections[n - 7].key[0]), 0xA7);
    EXPECT_EQ(static_cast<u8>(a.dict.sections[n - 2].key[0]), 0xC6);
    u32 total = 0;
    for (const SectionStat& s : a.dict.sections) {
        EXPECT_LE(s.bytes, kMaxSectionBytes);
        total += s.bytes;
    }
    EXPECT_EQ(total + kBodyTrailerBytes, a.dict.body.size());
    for (const ManifestEntry& m : a.dict.manifest)
        for (const Analysis& an : m.analyses) EXPECT_GE(an.ref, kFirstLemmaOffset) << m.word;
}

}  // namespace
