// The dictionary writer: ending codes against the library's reader, entry
// bytes, section layout, placement of words in sections, limits and pruning,
// and small synthetic dictionaries read back with the library's lookup.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "frame/mac_roman_literal.h"
#include "morphology/dict_format.h"
#include "tools/datacomp/classify.h"
#include "tools/datacomp/dict_writer.h"
#include "tools/datacomp/library_check.h"

namespace {

WordReading Noun(const std::string& w, u16 tag, const std::string& lemma, u32 rank = 0) {
    WordReading r;
    r.word = w;
    r.tag = tag;
    r.lemma = lemma;
    r.rank = rank;
    return r;
}

WordReading Closed(const std::string& w, u8 cls, u8 number, u8 gender, const std::string& lemma) {
    WordReading r;
    r.word = w;
    r.classByte = cls;
    r.number = number;
    r.gender = gender;
    r.lemma = lemma;
    return r;
}

// Builds the blocks, checks their structure, installs them in the library
// and looks every manifest form up.
struct Built {
    DictBlocks blocks;
    CompileReport report;
    std::vector<std::string> structure;
    LibraryCheckResult check;
};

void Build(const std::vector<WordReading>& words, Built& b) {
    DictInput in;
    in.words = words;
    b.blocks = WriteDictionary(in, b.report);
    b.structure = CheckDictionaryStructure(b.blocks.prefixIndex, b.blocks.body, b.blocks.matrix);
    FrenchBlockSet set;
    set.prefixIndex = &b.blocks.prefixIndex;
    set.body = &b.blocks.body;
    set.matrix = &b.blocks.matrix;
    InstallFrenchBlocks(set);
    b.check = CheckManifestWithLibrary(b.blocks.manifest);
}

const ManifestEntry* FindForm(const DictBlocks& d, const std::string& w, u8 caseMode = 0) {
    for (const ManifestEntry& m : d.manifest)
        if (m.word == w && m.caseMode == caseMode) return &m;
    return nullptr;
}

std::vector<u16> Tags(const ManifestEntry* m) {
    std::vector<u16> t;
    if (m != nullptr)
        for (const Analysis& a : m->analyses) t.push_back(a.tag);
    return t;
}

u16 SectionOfRef(const DictBlocks& d, u32 ref) {
    const std::vector<u8>& idx = d.prefixIndex;
    const u32 n = idx[0] << 8 | idx[1];
    u16 found = 0;
    for (u32 s = 0; s < n; ++s) {
        const u8* r = idx.data() + 2 + 10 * s;
        const u32 off = (u32(r[2]) << 24) | (u32(r[3]) << 16) | (u32(r[4]) << 8) | r[5];
        if (off <= ref) found = static_cast<u16>(s);
    }
    return found;
}

std::string SectionKey(const DictBlocks& d, u16 s) {
    const u8* r = d.prefixIndex.data() + 2 + 10 * s;
    return std::string{static_cast<char>(r[0]), static_cast<char>(r[1])};
}

// ---- Ending codes -------------------------------------------------------------

// The writer's reading of every ending code agrees with the library's, over
// every remainder of up to three letters of a small alphabet; and every
// remainder the library accepts is one the writer enumerates.
TEST(EndingCodes, AgreeWithTheLibrary) {
    const std::string alphabet = std::string("aeslxdz") + MR("éïëèêàôù");
    std::vector<std::string> rems = {""};
    for (size_t len = 1; len <= 3; ++len) {
        std::vector<std::string> next;
        for (const std::string& r : rems)
            if (r.size() == len - 1)
                for (char c : alphabet) next.push_back(r + c);
        rems.insert(rems.end(), next.begin(), next.end());
    }
    for (u8 code = 0; code < 0x60; ++code) {
        const std::vector<std::string>& listed = EndingCodeRemainders(code);
        for (const std::string& rem : rems) {
            for (const std::string& stem : {std::string("zzab"), std::string("zzas")}) {
                const std::string key = stem + rem;
                EndingResult mine = MatchEndingCode(code, rem, key);
                BoundedString ks;
                ks.Allocate(40);
                std::copy(key.begin(), key.end(), ks.data);
                EndingReading theirs;
                const bool lib = MatchFrenchEnding(code, MakeKeyText(ks), static_cast<u32>(rem.size()), theirs);
                ASSERT_EQ(mine.match, lib) << int(code) << " " << key;
                if (lib) {
                    EXPECT_EQ(mine.number, theirs.number) << int(code) << " " << key;
                    EXPECT_EQ(mine.gender, theirs.gender) << int(code) << " " << key;
                    EXPECT_NE(std::find(listed.begin(), listed.end(), rem), listed.end())
                        << int(code) << " spells '" << rem << "' but does not list it";
                }
            }
        }
    }
}

TEST(EndingCodes, Paradigms) {
    // grand: stem "gran" + 36 ('d'): d, ds, de, des.
    struct Case {
        u8 code;
        const char* key;
        const char* rest;
        u8 number, gender;
    };
    const Case cases[] = {
        {36, "grand", "d", 1, kGenderMasc},   {36, "grands", "ds", 2, kGenderMasc},
        {36, "grande", "de", 1, kGenderFem},  {36, "grandes", "des", 2, kGenderFem},
        {59, "petit", "", 1, kGenderMasc},    {59, "petits", "s", 2, kGenderMasc},
        {59, "petites", "es", 2, kGenderFem}, {19, "abc\x8Fs", "s", 3, 0},
        {27, "zzabs", "", 3, 0},              {91, "zzabs", "s", 2, 0},
        {83, "zzabs", "s", 1, 0},             {83, "zzabss", "ss", 2, 0},
    };
    for (const Case& c : cases) {
        EndingResult r = MatchEndingCode(c.code, c.rest, c.key);
        ASSERT_TRUE(r.match) << c.key;
        EXPECT_EQ(r.number, c.number) << c.key;
        EXPECT_EQ(r.gender, c.gender) << c.key;
    }
    // 59 reads a final s as a plural only after another letter than s.
    EXPECT_FALSE(MatchEndingCode(59, "s", "zzass").match);
    EXPECT_FALSE(MatchEndingCode(51, "ss", "zzass").match);
}

// ---- Entries and sections -------------------------------------------------------

TEST(DictEntries, Bytes) {
    DictEntry one{"ab", {{27, 208}}, false, false};
    EXPECT_EQ(EncodeEntry(one), (std::vector<u8>{'a', 'b', 27, 208}));
    DictEntry two{"", {{27, 208}, {91, 210}}, false, false};
    EXPECT_EQ(EncodeEntry(two), (std::vector<u8>{132, 27, 208, 91, 210}));
    DictEntry verb{"ss", {{1, 0xC0}}, true, false};
    EXPECT_EQ(EncodeEntry(verb), (std::vector<u8>{'s', 's', 123, 1, 0xC0}));
    DictEntry variant{"e", {{103, 0xC0}}, true, true};
    EXPECT_EQ(EncodeEntry(variant), (std::vector<u8>{156, 'e', 123, 103, 0xC0}));
    // Letters the walk reads as control codes cannot stand in a stem.
    for (u8 b : {u8(0x5F), u8(123), u8(136), u8(151), u8(152), u8(156), u8(0xA0)})
        EXPECT_FALSE(IsFrenchStemLetter(b)) << int(b);
    for (u8 b : {u8('a'), u8('z'), MRC("é"), MRC("ç"), u8(0x8B), u8(0x93), u8(0x9B)})
        EXPECT_TRUE(IsFrenchStemLetter(b)) << int(b);
}

TEST(DictSections, Layout) {
    // An empty section: one third and one fourth letter 0 and no list.
    EXPECT_EQ(LayoutSection({}, 100, 80, nullptr), (std::vector<u8>{0, 0, 3, 0, 0, 6}));
    std::map<std::pair<u8, u8>, std::vector<u8>> lists;
    lists[{'b', 'c'}] = {1, 2};
    lists[{'b', 'd'}] = {3};
    lists[{'e', 'a'}] = {4, 5, 6};
    std::vector<u32> offsets;
    std::vector<u8> s = LayoutSection(lists, 1000, 80, &offsets);
    // Two third letters (6 bytes), three fourth letters (9), then the lists.
    ASSERT_EQ(s.size(), 6u + 9u + 6u);
    EXPECT_EQ(s[2], 6);                                      // size of the third-letter index
    EXPECT_EQ(offsets, (std::vector<u32>{15, 17, 18}));
    EXPECT_EQ((std::vector<u8>(s.begin() + 15, s.end())), (std::vector<u8>{1, 2, 3, 4, 5, 6}));
    // 'e' starts its fourth letters after the two of 'b'.
    EXPECT_EQ(s[3], 'e');
    EXPECT_EQ(s[5], 12);
    // Near the body's start a pad list keeps every list at 80 or beyond.
    std::vector<u8> padded = LayoutSection(lists, 6, 80, &offsets);
    EXPECT_GE(6 + offsets[0], 80u);
    EXPECT_EQ(padded[0], 0);   // the pad's third letter comes first
}

// ---- Synthetic dictionaries -------------------------------------------------------

TEST(DictWriter, PlacesAndReadsBack) {
    const std::string eAcute = MR("é");
    std::vector<WordReading> words = {
        // A noun in its two-letter section, with its plural.
        Noun("zzab", 0x4114, "zzab"), Noun("zzabs", 0x4118, "zzab"),
        // An adjective with four forms.
        Noun("zzor", 0x4214, "zzor"), Noun("zzore", 0x4224, "zzor"),
        Noun("zzors", 0x4218, "zzor"), Noun("zzores", 0x4228, "zzor"),
        // Short words: sections 1 and 2; a three-letter word's plural joins it.
        Noun("zq", 0x1400, "zq"), Noun("zqa", 0x4124, "zqa"), Noun("zqas", 0x4128, "zqa"),
        // A function word with a fixed reading set.
        Closed("zqe", 115, 1, kGenderMasc, "zqe"),
        // Capitalised, all capitals, hyphenated, non-eliding, "aa".
        Noun("zzim", 0x4014, "Zzim"), Noun("zzom", 0x4124, "ZZOM"),
        Noun("zz\x9B" "ab", 0x4114, "zz-ab"), Noun("hzzab", 0x4124, "hzzab"),
        Noun("aazb", 0x4104, "aazb"), Noun("zz" + eAcute + "b", 0x1400, "zz" + eAcute + "b"),
        // A plural name among the capitalised words: a noun class byte.
        Noun("zzums", 0x4028, "Zzums"),
    };
    words[10].section = 9;
    words[10].caseMode = 1;
    words[16].section = 9;
    words[16].caseMode = 1;
    words[11].section = 10;
    words[11].caseMode = 3;
    words[13].section = 8;
    Built b;
    Build(words, b);
    EXPECT_TRUE(b.structure.empty()) << b.structure[0];
    EXPECT_EQ(b.check.failed, 0u) << (b.check.examples.empty() ? "" : b.check.examples[0]);
    EXPECT_EQ(b.check.checked, b.blocks.manifest.size());
    EXPECT_TRUE(b.blocks.pruned.empty()) << b.blocks.pruned[0];

    struct Where {
        std::string word;
        u8 caseMode;
        std::string sectionKey;
        std::vector<u16> tags;
    };
    const Where where[] = {
        {"zzab", 0, "zz", {0x4114}},     {"zzabs", 0, "zz", {0x4118}},
        {"zzores", 0, "zz", {0x4228}},   {"zq", 0, "11", {0x1400}},
        {"zqas", 0, "22", {0x4128}},     {"zqe", 0, "22", {0x6354, 0x7C54}},
        {"zzim", 1, "99", {0x4014}},     {"zzom", 3, "::", {0x4124}},
        {"zz\x9B" "ab", 0, "77", {0x4114}}, {"hzzab", 0, "88", {0x4124}},
        {"aazb", 0, "::", {0x4104}},     {"zzums", 1, "99", {0x4028}},
    };
    for (const Where& w : where) {
        const ManifestEntry* m = FindForm(b.blocks, w.word, w.caseMode);
        ASSERT_NE(m, nullptr) << w.word;
        EXPECT_EQ(Tags(m), w.tags) << w.word;
        EXPECT_EQ(SectionKey(b.blocks, SectionOfRef(b.blocks, m->analyses[0].ref)), w.sectionKey) << w.word;
        EXPECT_GE(m->analyses[0].ref, kFirstLemmaOffset) << w.word;
    }
    // The lookup rejects what was not written: other endings, other cases.
    for (const char* no : {"zzabe", "zzab\x8E", "zzorss", "zqass", "zzi", "zzims"}) {
        ManifestEntry probe;
        probe.word = no;
        probe.lemma = "-";
        EXPECT_EQ(CheckManifestEntry(probe), "") << no;
    }
    ManifestEntry lower;
    lower.word = "zzim";   // the proper noun, looked up without its capital
    EXPECT_EQ(CheckManifestEntry(lower), "");
}

// A singular and a plural of the same spelling become one invariable
// reading; an invariable reading that no ending spells is split into a
// singular and a plural one (the plural needs a fixed-number class byte).
TEST(DictWriter, NumberMergesAndSplits) {
    std::vector<WordReading> words = {
        Noun("zzas", 0x4114, "zzas"), Noun("zzas", 0x4118, "zzas"),   // merged: 0x411C
        Noun("zzaro", 0x420C, "zzaro"),                                  // B 0x04 + B 0x08
        Noun("zzaru", 0x410C, "zzaru"),                                  // A 0x04, no A 0x08
        Noun("zzus", 0x4108, "zzus"),   // a plural no ending spells: filed as both numbers
    };
    Built b;
    Build(words, b);
    EXPECT_EQ(b.check.failed, 0u) << (b.check.examples.empty() ? "" : b.check.examples[0]);
    EXPECT_EQ(Tags(FindForm(b.blocks, "zzas")), (std::vector<u16>{0x411C}));
    std::vector<u16> aro = Tags(FindForm(b.blocks, "zzaro"));
    std::sort(aro.begin(), aro.end());
    EXPECT_EQ(aro, (std::vector<u16>{0x4204, 0x4208}));
    EXPECT_EQ(Tags(FindForm(b.blocks, "zzaru")), (std::vector<u16>{0x4104}));
    EXPECT_EQ(Tags(FindForm(b.blocks, "zzus")), (std::vector<u16>{0x410C}));
    // The noun's plural has no spelling: listed as pruned, with the reason.
    ASSERT_EQ(b.blocks.pruned.size(), 1u);
    EXPECT_NE(b.blocks.pruned[0].find("4108"), std::string::npos) << b.blocks.pruned[0];
}

// A capitalised common noun or adjective of the source is a proper noun
// of its gender, singular or plural; an ordinal Roman numeral stays an
// adjective, and the other classes stay.
TEST(FrenchClasses, CapitalisedWordsReadAsNames) {
    const struct {
        u16 tag;
        const char* form;
        u16 want;
    } cases[] = {
        {0x4124, "France", 0x4024},  {0x4128, "Alpes", 0x4028},  {0x410C, "Vosges", 0x4004},
        {0x420C, "Los", 0x4004},     {0x4214, "Sri", 0x4014},    {0x4214, "Ier", 0x4214},
        {0x4204, "XVe", 0x4204},     {0x4228, "Ires", 0x4228},   {0x1400, "Ainsi", 0x1400},
        {0x4304, "Costa", 0x4304},
    };
    for (const auto& c : cases) EXPECT_EQ(CapitalisedWordTag(c.tag, c.form), c.want) << c.form;
}

// An oversized section loses its least frequent lemmas, and says so.
TEST(DictWriter, FullSectionDropsTheLeastFrequent) {
    std::vector<WordReading> words;
    const std::string letters = "bcdfghjklmnpqrstvwxz";
    u32 n = 0;
    for (char a : letters)
        for (char b : letters)
            for (char c : letters) {
                std::string w = std::string("zz\x9B") + a + b + c + "ulmotrique";
                words.push_back(Noun(w, 0x4124, w, ++n));
            }
    Built b;
    Build(words, b);
    EXPECT_TRUE(b.structure.empty()) << b.structure[0];
    ASSERT_GT(b.blocks.sections.size(), 7u);
    EXPECT_LE(b.blocks.sections[7].bytes, kMaxSectionBytes);
    ASSERT_FALSE(b.blocks.pruned.empty());
    // The best-ranked word stays, the worst goes.
    EXPECT_NE(FindForm(b.blocks, words.front().word), nullptr);
    EXPECT_EQ(FindForm(b.blocks, words.back().word), nullptr);
    EXPECT_NE(b.blocks.pruned.back().find("section 7 full"), std::string::npos) << b.blocks.pruned.back();
    EXPECT_EQ(b.check.failed, 0u) << (b.check.examples.empty() ? "" : b.check.examples[0]);
}

// More letter pairs than section numbers: the rarest go to section 5 and
// are still found.
TEST(DictWriter, RarePairsGoToSectionFive) {
    std::vector<WordReading> words;
    const std::string letters = "bcdfghjklmnpqrstvwxz";
    for (char a : letters)
        for (char b : letters) {
            std::string w = std::string(1, a) + b + "zzu";
            words.push_back(Noun(w, 0x4124, w));
            if (a < 'v') words.push_back(Noun(w + "o", 0x4124, w + "o"));   // common pairs
        }
    Built b;
    Build(words, b);
    EXPECT_TRUE(b.structure.empty()) << b.structure[0];
    EXPECT_EQ(b.blocks.sections.size(), kMaxFrenchSection + 1u);
    EXPECT_EQ(b.check.failed, 0u) << (b.check.examples.empty() ? "" : b.check.examples[0]);
    const ManifestEntry* rare = FindForm(b.blocks, "zzzzu");
    ASSERT_NE(rare, nullptr);
    EXPECT_EQ(SectionKey(b.blocks, SectionOfRef(b.blocks, rare->analyses[0].ref)), "55");
}

TEST(DictWriter, ManifestText) {
    std::vector<ManifestEntry> m(2);
    m[0].word = "zz\x9B\x8E" "b";
    m[0].caseMode = 1;
    m[0].analyses = {{0x4114, 84, 120}, {0xE033, 1, 4000}};
    m[0].lemma = "zz-éb";
    m[1].word = "a\\b";
    m[1].analyses = {{0x1400, 27, 90}};
    m[1].lemma = "x";
    const std::string text = FormatManifest(m);
    EXPECT_EQ(text.substr(0, text.find('\n')), "zz\\x9B\\x8Eb\t1\t4114:84:120,E033:1:4000\tzz-éb");
    std::vector<ManifestEntry> back;
    std::string error;
    ASSERT_TRUE(ParseManifest(text, back, error)) << error;
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0].word, m[0].word);
    EXPECT_EQ(back[1].word, m[1].word);
    EXPECT_EQ(back[0].analyses, m[0].analyses);
    EXPECT_FALSE(ParseManifest("zz\t0\n", back, error));
}

// Same input, same bytes.
TEST(DictWriter, Deterministic) {
    std::vector<WordReading> words = {Noun("zzab", 0x4114, "zzab"), Noun("zzor", 0x4214, "zzor"),
                                      Noun("zqa", 0x4124, "zqa"), Closed("zqe", 115, 1, 0x10, "zqe")};
    CompileReport r1, r2;
    DictInput in;
    in.words = words;
    DictBlocks a = WriteDictionary(in, r1);
    std::reverse(in.words.begin(), in.words.end());
    DictBlocks b = WriteDictionary(in, r2);
    EXPECT_EQ(a.body, b.body);
    EXPECT_EQ(a.prefixIndex, b.prefixIndex);
    EXPECT_EQ(a.matrix, b.matrix);
}

// The structure check finds a broken chain of sections.
TEST(DictWriter, StructureCheckFindsFaults) {
    DictInput in;
    in.words = {Noun("zzab", 0x4114, "zzab")};
    CompileReport r;
    DictBlocks d = WriteDictionary(in, r);
    ASSERT_TRUE(CheckDictionaryStructure(d.prefixIndex, d.body, d.matrix).empty());
    std::vector<u8> body = d.body;
    body.push_back(0);   // 9 trailing bytes
    EXPECT_FALSE(CheckDictionaryStructure(d.prefixIndex, body, d.matrix).empty());
    std::vector<u8> index = d.prefixIndex;
    index[2 + 10 * 3 + 5] += 1;   // section 3 starts one byte late
    EXPECT_FALSE(CheckDictionaryStructure(index, d.body, d.matrix).empty());
    std::vector<u8> matrix = d.matrix;
    matrix[1] = 11;   // [a][a] no longer section 10
    EXPECT_FALSE(CheckDictionaryStructure(d.prefixIndex, d.body, matrix).empty());
}

}  // namespace
