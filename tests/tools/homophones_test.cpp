// The homophone list compiler: entry format, fixed rows, sound keys,
// participle/adjective pairs, group building and its checks, the block
// format as the library views it, and espeak-ng itself.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <iterator>
#include <string>
#include <vector>

#include "frame/tagged_words.h"
#include "tools/datacomp/homophones.h"
#include "tools/datacomp/source_text.h"

namespace {

std::string MR(const std::string& utf8) {
    std::string out;
    EXPECT_TRUE(Utf8ToMacRoman(utf8, out)) << utf8;
    return out;
}

std::string Text(const TaggedEntry& e) { return MacRomanToUtf8(FormatTaggedEntry(e)); }

SourceForm Form(const std::string& form, const std::string& lemma,
                std::vector<std::string> po, std::vector<std::string> is = {}) {
    SourceForm f;
    f.form = form;
    f.lemma = lemma;
    f.po = std::move(po);
    f.is = std::move(is);
    return f;
}

Candidate Cand(const std::string& word, const std::string& lemma, const std::string& code) {
    Candidate c;
    c.word = word;
    c.readings.push_back(CandidateReading{lemma, code, "", -1});
    return c;
}

// Checks standing for the library: verb slots and analyses from tables.
std::map<std::string, int> gSlots;
std::set<std::string> gRefused;
int FakeSlot(const std::string& w) {
    if (gRefused.count(w) != 0) return -1;
    auto it = gSlots.find(w);
    return it == gSlots.end() ? 0 : it->second;
}
bool FakeAnalyses(const std::string& w, const std::string&) { return gRefused.count(w) == 0; }

}  // namespace

TEST(Homophones, EntryTextsFormatAndParse) {
    TaggedEntry e;
    e.word = MR("houe");
    e.key = "01";
    e.annotations = MR(" §11 §F (outil)");
    EXPECT_EQ(Text(e), "401houe §11 §F (outil)");
    TaggedEntry back;
    ASSERT_TRUE(ParseTaggedEntry(FormatTaggedEntry(e), back));
    EXPECT_EQ(back.word, e.word);
    EXPECT_EQ(back.key, "01");
    EXPECT_EQ(TaggedAnnotationCodes(back), (std::vector<std::string>{"11", "F"}));

    const char* const bad[] = {
        "901ou \xA4" "16",   // length beyond the text
        "01",                // no room for a word
        "201ou \xA4",        // an annotation without a code
        "201ou\xA4" "16",    // annotation without its blank
    };
    for (const char* b : bad) EXPECT_FALSE(ParseTaggedEntry(b, back)) << b;
    e.word = std::string(36, 'a');
    EXPECT_EQ(FormatTaggedEntry(e), "");
}

TEST(Homophones, FixedRowsHoldTheTableAndTheTellingRows) {
    const std::vector<TaggedEntry> fr = FrenchFixedEntries();
    ASSERT_EQ(fr.size(), kFrenchFixedTableSize);
    const char* const words[] = {
        "ou", "où", "hou", "houe", "houe", "ce", "se", "ces", "ses", "sa", "ça", "çà", "sas", "la",
        "là", "las", "du", "dû", "dû", "due", "c'", "s'", "des", "dès", "dé", "dais", "dey", "sou",
        "sous", "soûl", "soue", "sûr", "sur", "sur", "ver", "vers", "vers", "vert", "verre", "vite",
        "vite", "vîtes", "demi", "demi", "demie", "pré", "près", "prêt", "prêt", "prête", "prête",
        "tout", "tout", "tout", "tout", "toux", "tous", "toute", "toue", "envi", "envie", "envie",
        "coté", "côté", "coter", "voilà", "voila", "parti", "parti", "partie", "partie", "quel",
        "quelle", "qu'elle", "sensé", "censé", "différend", "différent", "différents", "différant",
        "diffèrent", "camp", "khan", "quand", "quant", "qu'en", "gré", "grès", "gray", "grée", "peu",
        "peuh", "peut", "peux", "issu", "issue", "dan", "dans"};
    for (size_t i = 0; i < fr.size(); ++i) {
        EXPECT_EQ(MacRomanToUtf8(fr[i].word), words[i]) << i;
        TaggedEntry parsed;
        EXPECT_TRUE(ParseTaggedEntry(FormatTaggedEntry(fr[i]), parsed)) << i;
        EXPECT_TRUE(fr[i].fixed);
    }
    const std::map<size_t, std::string> telling = {
        {0, "201ou §16"},         {1, "201où §18 de lieu"},     {2, "301hou §19"},
        {3, "401houe §11 §F (outil)"}, {4, "401houe §V51"},     {7, "30*ces §66 §P"},
        {8, "30*ses §26 §P"},     {24, "206dé §11 §M (petit cube)"}};
    for (const auto& [i, text] : telling) EXPECT_EQ(Text(fr[i]), text) << i;
    // The targets the context rules name stay in their source's group.
    const std::pair<size_t, size_t> sameGroup[] = {{0, 1},   {5, 6},   {13, 15}, {16, 17},
                                                   {22, 23}, {32, 31}, {37, 35}, {45, 49},
                                                   {57, 53}, {72, 73}, {79, 77}, {83, 84},
                                                   {92, 90}, {96, 97}};
    for (const auto& [a, b] : sameGroup) EXPECT_EQ(fr[a].key, fr[b].key) << a << " " << b;

    const std::vector<TaggedEntry> en = EnglishFixedEntries();
    const char* const english[] = {"201ad §11",   "301add §V0",  "303aid §V0",  "305air §11",
                                   "305err §V0",  "405heir §11", "406I'll §68", "410aunt §11 (Am.)"};
    ASSERT_EQ(en.size(), std::size(english));
    for (size_t i = 0; i < en.size(); ++i) EXPECT_EQ(Text(en[i]), english[i]);
}

TEST(Homophones, SoundKeysDropMarksAndMergeWhatTheEarDoesNot) {
    struct Case {
        bool english;
        const char* a;
        const char* b;
        bool same;
    };
    const Case cases[] = {
        {false, "s'e", "s'e-", true},       // ces / ses
        {false, "_|'u", "'u", true},        // hou / ou
        {false, "s'e", "s'E", false},       // ces / sait
        {true, "D'e@", "DeI'3", true},      // there / they're
        {true, "'aant", "'ant", true},      // aunt / ant (American)
        {true, "'aIl", "'aI@L", true},      // I'll / isle
        {true, "t'u:", "t'U", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SoundKey(c.english, c.a) == SoundKey(c.english, c.b), c.same) << c.a << " " << c.b;
    EXPECT_EQ(SoundKey(false, "'"), "");
}

TEST(Homophones, ParticiplesPairWithTheAdjectiveSpelledOtherwise) {
    const std::vector<SourceForm> forms = {
        Form("convainquant", "convaincre", {"v3_it", "ppre"}),
        Form("convaincant", "convaincant", {"adj"}, {"mas", "sg"}),
        Form("fatiguant", "fatiguer", {"v1_it", "ppre"}),
        Form("fatigant", "fatigant", {"adj"}, {"mas", "sg"}),
        Form("négligeant", "négliger", {"v1_it", "ppre"}),
        Form("négligent", "négligent", {"adj"}, {"mas", "sg"}),
        Form("excellant", "exceller", {"v1_i", "ppre"}),
        Form("excellent", "excellent", {"adj"}, {"epi", "sg"}),
        // Same spelling as adjective: nothing to confuse.
        Form("charmant", "charmer", {"v1_it", "ppre"}),
        Form("charmant", "charmant", {"adj"}, {"mas", "sg"}),
        // Only a feminine or plural adjective: no pair.
        Form("suffoquant", "suffoquer", {"v1_i", "ppre"}),
        Form("suffocante", "suffocant", {"adj"}, {"fem", "sg"}),
        Form("provoquant", "provoquer", {"v1_it", "ppre"}),
        Form("provocants", "provocant", {"adj"}, {"mas", "pl"}),
    };
    const auto pairs = ParticipleAdjectivePairs(forms);
    const std::vector<std::pair<std::string, std::string>> want = {
        {"convainquant", "convaincant"},
        {"excellant", "excellent"},
        {"fatiguant", "fatigant"},
        {"négligeant", "négligent"}};
    EXPECT_EQ(pairs, want);
}

TEST(Homophones, GroupsJoinFixedRowsAndTakeFreshKeys) {
    gSlots = {{MR("convainquant"), 1}, {MR("ferme"), 51}};
    gRefused = {MR("vair"), MR("toue")};
    const TaggedWordChecks checks{FakeSlot, FakeAnalyses};
    const std::vector<TaggedEntry> fixedRows = FrenchFixedEntries();

    std::vector<Candidate> cands = {
        Cand("verres", "verre", "11"),  Cand("vers", "vers", "15"),  // joins the fixed "vers"
        Cand("vair", "vair", "11"),                                  // refused by the checks
        Cand("chanter", "chanter", "V"), Cand("chanté", "chanter", "V"),  // one lemma: no group
        Cand("mer", "mer", "11"),        Cand("mère", "mère", "11"),      // a new group
        Cand("ferme", "ferme", "11"),    Cand("firme", "firme", "11"),    // noun and verb entries
    };
    cands[7].readings[0].marks = MR(" §F");
    cands[7].readings.push_back(CandidateReading{"fermer", "V", "", -1});
    const std::vector<std::string> sounds = {"vEr", "vEr", "vEr", "SA~te", "SA~te",
                                             "mEr", "mEr", "fErm", "fErm"};
    TaggedListStats stats;
    const std::vector<TaggedEntry> list =
        BuildTaggedList(fixedRows, {{"convainquant", "convaincant"}}, cands, sounds, checks, stats);

    // Fixed rows first and untouched; the refused fixed row is only reported.
    ASSERT_GT(list.size(), fixedRows.size());
    for (size_t i = 0; i < fixedRows.size(); ++i) EXPECT_EQ(Text(list[i]), Text(fixedRows[i]));
    ASSERT_EQ(stats.fixedNotAnalysed.size(), 1u);
    EXPECT_EQ(stats.fixedNotAnalysed[0], "40Ftoue §11 §F");

    std::vector<std::string> rest;
    for (size_t i = fixedRows.size(); i < list.size(); ++i) rest.push_back(Text(list[i]));
    // New keys skip the fixed ones and "00" (the key of verb candidates).
    const std::vector<std::string> want = {
        "<04convainquant §V1", ";04convaincant §12 §M", "60Bverres §11",
        "30Smer §11",          "40Smère §11",           "50Tferme §11 §F",
        "50Tferme §V51",       "50Tfirme §11",
    };
    EXPECT_EQ(rest, want);
    EXPECT_EQ(stats.dropped, 1u);
    EXPECT_EQ(stats.groups, 2u);
    EXPECT_EQ(stats.joined, 1u);
}

TEST(Homophones, BlocksViewAsTheLibraryReadsThem) {
    const std::vector<TaggedEntry> fr = FrenchFixedEntries();
    std::vector<u8> block = EncodeTaggedBlock(fr);
    block.push_back('x');  // bytes after the last NUL are no entry
    StringList list;
    ViewTaggedWordBlock(list, block.data(), static_cast<u32>(block.size()));
    ASSERT_EQ(list.count, fr.size());
    const std::string ou = MR("où");
    EXPECT_EQ(FindTaggedWord(list, static_cast<i32>(list.count),
                             reinterpret_cast<const u8*>(ou.data()), 2),
              1);
    u16 group[8] = {};
    EXPECT_EQ(CollectTaggedWordGroup(list, static_cast<i32>(list.count), 7, group, 8), 2);
    EXPECT_EQ(group[1], 8);  // ces, ses
    EXPECT_EQ(IsTaggedVerbEntry(list[4]), 1);
    EXPECT_EQ(list[3].count, FormatTaggedEntry(fr[3]).size() + 1);
    ViewTaggedWordBlock(list, nullptr, 0);
    EXPECT_EQ(list.count, 0u);
    EXPECT_EQ(list.valid, 1);
}

TEST(Homophones, EspeakGivesOneLineAWordAndGroupsHomophones) {
    if (std::system("command -v espeak-ng >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "espeak-ng is not installed (scripts/setup installs it)";
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / "krz_homophones_test";
    std::filesystem::create_directories(dir);
    std::vector<std::string> words = {"ou", "où", "vers", "verre", "chat", "qu'elle", "quelle"};
    for (int i = 0; i < 1500; ++i) words.push_back(i % 2 ? "mer" : "mère");
    std::vector<std::string> phonemes;
    std::string error;
    ASSERT_TRUE(RunEspeak("fr", words, dir.string(), phonemes, error)) << error;
    ASSERT_EQ(phonemes.size(), words.size());
    auto key = [&](size_t i) { return SoundKey(false, phonemes[i]); };
    EXPECT_EQ(key(0), key(1));
    EXPECT_EQ(key(2), key(3));
    EXPECT_NE(key(2), key(4));
    EXPECT_EQ(key(5), key(6));
    EXPECT_EQ(key(words.size() - 1), key(words.size() - 2));

    std::vector<std::string> en;
    ASSERT_TRUE(RunEspeak("en-us", {"their", "there", "they're"}, dir.string(), en, error));
    EXPECT_EQ(SoundKey(true, en[0]), SoundKey(true, en[1]));
    EXPECT_EQ(SoundKey(true, en[0]), SoundKey(true, en[2]));
    // A blank would break the line-per-word agreement.
    EXPECT_FALSE(RunEspeak("fr", {"pomme de terre"}, dir.string(), en, error));
    std::filesystem::remove_all(dir);
}
