// The section walk over a small synthetic dictionary: entry grammar, item
// readings, marks, limits of the slots, and the reader's bounds on corrupt
// sections.
#include <gtest/gtest.h>

#include <vector>

#include "frame/mac_roman_literal.h"
#include "frame/tables.h"
#include "morphology/dict_format.h"
#include "morphology/section_walk.h"
#include "tests/morphology/test_dictionary.h"

namespace {

constexpr int kZz = 11;  // the two-letter section of "zz"
constexpr u16 kPlain = 800;
constexpr u16 kOperation1 = 769;
constexpr u16 kOperation4 = 0x300 | 4;

struct Found {
    i16 result;
    std::vector<u16> tags;
};

class SectionWalkTest : public DictionaryTest {
protected:
    void SetUp() override {
        DictionaryTest::SetUp();
        dict.Pair('z', 'z', kZz);
        dict.Pair('g', 'i', 12);
        dict.Pair('a', 's', 13);
        // Model 1 merges its -er forms; model 40 tags every slot.
        dict.Model(1, {{0, "er"}, {6, "e"}, {7, "es"}, {8, "e"}, {30, "e"}, {32, "e"}, {48, "e"}});
        dict.Model(40, {{0, "er"}, {4, "xe"}, {6, "e"}, {8, "e"}, {9, "xe"}});
        dict.Model(41, {{0, "er"}, {2, MR("é")}});
        dict.Model(127, {{0, "ir"}});
        // Nouns after two entries that do not match and must be passed whole:
        // a count code of three items, and a group whose model byte (0x81)
        // lies in the letter range.
        dict.Add(kZz, "zzab", {'x', 133, 27, 137, 27, 137, 27, 137});
        dict.Add(kZz, "zzab", {'x', 124, 0x81, 0xC0, 27, 137});
        dict.Add(kZz, "zzab", {'j', 'o', 'u', 69, 211});
        dict.Add(kZz, "zzab", {'c', 19, 208});
        // Verbs.
        dict.Add(kZz, "zzac", {'v', 123, 40, 0xC0});
        dict.Add(kZz, "zzac", {'w', 123, 1, 0xC0});
        dict.Add(kZz, "zzac", {'y', 123, 0x80 | 40, 0x20});
        dict.Add(kZz, "zzac", {151, 'u', 123, 1, 0xC0});
        dict.Add(kZz, "zzac", {'t', 123, 41, 0xC3});
        dict.Add(kZz, "zzac", {'r', 123, 127, 0x80});
        // One entry per class byte (key "zzad" + letter, nothing after).
        dict.Add(kZz, "zzad", {'a', 27, 112, 'b', 27, 22, 'c', 27, 137, 'd', 27, 166, 'e', 27, 252,
                               'f', 27, 201, 'g', 27, 230, 'h', 27, 50});
        // Nine analyses of one key.
        dict.Add(kZz, "zzae", Bytes{27, 208, 27, 208, 27, 208, 27, 208, 27, 208, 27, 208, 27, 208,
                                    27, 208, 27, 211});
        // A variant pair.
        dict.Add(kZz, "zzaf", {27, 208, 156, 27, 211});
        // Suffix code 255: al / ale / aux.
        dict.Add(kZz, "zzag", {255, 215});
        // Stop marks: a defective form, the asseoir forms, a short word.
        dict.Add(12, "giso", {'n', 152, 83, 208});
        dict.Add(13, "assi", {'e', 'd', 152, 83, 208});
        dict.Add(1, "111z", {152, 81, 208});
        // The same lists twice: section 14 writes its third letters out of
        // order, section 15 in order; stems of several first letters and an
        // empty stem share the list of "ab".
        for (int section : {14, 15}) {
            const char* const order[2][3] = {{"qqcb", "qqab", "qqbb"}, {"qqab", "qqbb", "qqcb"}};
            for (const char* key : order[section - 14]) {
                if (std::string(key) != "qqab") {
                    dict.Add(section, key, {'x', 27, 208});
                    continue;
                }
                dict.Add(section, key, {'y', 27, 211});
                dict.Add(section, key, {'y', 'x', 27, 208});
                dict.Add(section, key, {'x', 27, 208});
                dict.Add(section, key, {'x', 'a', 27, 211});
                dict.Add(section, key, {27, 208});
                dict.Add(section, key, {'x', 'b', 27, 211});
            }
        }
        dict.Install();
    }

    Found Walk(u16 mode, int section, const std::string& key, u16 start = 0) {
        BoundedString k = Word(key);
        u16 count = start;
        Found f;
        f.result = LookupInDictSection(mode, static_cast<i16>(section), k, gWordTagCodes, count);
        for (u16 i = 0; i < count; ++i) f.tags.push_back(gWordTagCodes[i]);
        return f;
    }
};

using Tags = std::vector<u16>;

TEST_F(SectionWalkTest, NounItemsAfterSkippedEntries) {
    const struct {
        const char* key;
        Tags tags;
    } cases[] = {
        {"zzabjoue", {0x4124}},   // feminine noun, singular
        {"zzabjoues", {0x4128}},  // plural through the same item
        {"zzabcs", {0x411C}},     // a final s: both numbers
        {"zzabjou", {}},
        {"zzabjouex", {}},
    };
    for (const auto& c : cases) {
        Found f = Walk(kPlain, kZz, c.key);
        EXPECT_EQ(f.result, 0) << c.key;
        EXPECT_EQ(f.tags, c.tags) << c.key;
    }
    Walk(kPlain, kZz, "zzabjoue");
    EXPECT_EQ(gWordAnalysisBytes[0], 69);
    EXPECT_EQ(gWordLemmaRefs[0], dict.Offset(kZz, "zzab", 14 + 3));
    EXPECT_EQ(gDictFaultCount, 0u);
}

// Entry lists are found by their third letter in whatever order the index
// writes them, and an entry is read only when its stem can spell the key,
// whatever the stems around it.
TEST_F(SectionWalkTest, ListsAndEntriesFoundWhateverTheirOrder) {
    const struct {
        const char* key;
        size_t analyses;
    } cases[] = {
        {"qqab", 1}, {"qqabx", 1}, {"qqabxa", 1}, {"qqabxb", 1}, {"qqaby", 1},
        {"qqabyx", 1}, {"qqabz", 0}, {"qqbbx", 1}, {"qqcbx", 1}, {"qqdbx", 0}, {"qqcb", 0},
    };
    for (const auto& c : cases) {
        const Found unordered = Walk(kPlain, 14, c.key);
        const Found ordered = Walk(kPlain, 15, c.key);
        EXPECT_EQ(unordered.tags.size(), c.analyses) << c.key;
        EXPECT_EQ(unordered.tags, ordered.tags) << c.key;
    }
    EXPECT_EQ(gDictFaultCount, 0u);
}

TEST_F(SectionWalkTest, VerbSlotsMergedOrOnePerSlot) {
    const struct {
        const char* key;
        Tags tags;
    } cases[] = {
        {"zzacwe", {0xE033}},           // model 1: one tag, merged code 51
        {"zzacwes", {0xE03A}},          // slot 7 merged to 58
        {"zzacwer", {0xE000}},          // infinitive
        {"zzacve", {0xE006, 0xE008}},   // model 40: one tag per slot
        {"zzacvxe", {0xE004, 0xE009}},
        {"zzacyxe", {0x9109}},          // model flag: slots 3..5 passed, bit 0 of the class
    };
    for (const auto& c : cases) EXPECT_EQ(Walk(kPlain, kZz, c.key).tags, c.tags) << c.key;
    Walk(kPlain, kZz, "zzacwe");
    EXPECT_EQ(gWordAnalysisBytes[0], 1);
    EXPECT_EQ(gWordLemmaRefs[0], dict.Offset(kZz, "zzac", 4 + 2));  // the model byte
}

TEST_F(SectionWalkTest, ParticipleReadingsAndStemOnlyModel) {
    Found f = Walk(kPlain, kZz, MR("zzacté"));
    EXPECT_EQ(f.tags, (Tags{0x4114, 0xE002}));
    EXPECT_EQ(gWordAnalysisBytes[0], 0x5C - 32);  // é read as 0x5C, lowered by flags bit 0
    EXPECT_EQ(gWordAnalysisBytes[1], 41);
    // Model 127 with nothing after the stem: one tag at index 0, answer 1.
    f = Walk(kPlain, kZz, "zzacr", 3);
    EXPECT_EQ(f.result, 1);
    EXPECT_EQ(f.tags, (Tags{0xC000}));
    EXPECT_EQ(gWordAnalysisBytes[0], 127);
}

TEST_F(SectionWalkTest, OperationsAnswerAtTheFirstMatchWithoutWriting) {
    gWordTagCodes[0] = 0x1234;
    Found f = Walk(kOperation1, kZz, "zzacwe");
    EXPECT_EQ(f.result, 1);
    EXPECT_TRUE(f.tags.empty());
    EXPECT_EQ(gWordTagCodes[0], 0x1234);
    EXPECT_EQ(Walk(kOperation1, kZz, "zzacue").result, 2);  // after a 151 mark
    EXPECT_EQ(Walk(kOperation1, kZz, "zzabjoue").result, 1);
    EXPECT_EQ(Walk(kOperation1, kZz, "zzacr").result, 1);
    EXPECT_EQ(Walk(kOperation1, kZz, "zzabjouq").result, 0);
    // Operation 4 writes like a plain analysis.
    EXPECT_EQ(Walk(kOperation4, kZz, "zzacwe").tags, (Tags{0xE033}));
}

TEST_F(SectionWalkTest, ClassBytes) {
    const struct {
        char letter;
        u16 start;
        Tags tags;
    } cases[] = {
        {'a', 3, {0x6354, 0x7C54}},  // a fixed set replaces what was there
        {'b', 0, {0x1640}},          // "ne"-like small class
        {'c', 0, {0x4204}},
        {'d', 0, {0x4416}},
        {'e', 0, {0x411C}},          // 0x20 - N
        {'f', 0, {0x7D04}},
        {'g', 0, {0x0000}},          // an unused class byte gives tag 0
        {'h', 0, {}},                // a fixed-set byte without a set: nothing
    };
    for (const auto& c : cases) {
        std::string key = std::string("zzad") + c.letter;
        for (u16 i = 0; i < c.start; ++i) gWordTagCodes[i] = 0xEEEE;
        Found f = Walk(kPlain, kZz, key, c.start);
        EXPECT_EQ(f.tags, c.tags) << key;
    }
}

// Every analysis keeps its own lemma reference: the ninth one once wrote its
// reference over the eighth's.
TEST_F(SectionWalkTest, NinthAnalysisKeepsItsOwnLemmaRef) {
    Found f = Walk(kPlain, kZz, "zzae");
    ASSERT_EQ(f.tags.size(), 9u);
    EXPECT_EQ(f.tags[8], 0x4124);
    EXPECT_EQ(gWordAnalysisBytes[8], 27);
    EXPECT_EQ(gWordLemmaRefs[8], dict.Offset(kZz, "zzae", 16));
    EXPECT_EQ(gWordLemmaRefs[6], dict.Offset(kZz, "zzae", 12));
    EXPECT_EQ(gWordLemmaRefs[7], dict.Offset(kZz, "zzae", 14));
}

TEST_F(SectionWalkTest, VariantMarks) {
    Found f = Walk(kPlain, kZz, "zzaf");
    EXPECT_EQ(f.tags, (Tags{0x4114, 0x4124}));
    EXPECT_EQ(gWordAnalysisBytes[0], 128);  // has a variant
    EXPECT_EQ(gWordAnalysisBytes[1], 129);  // is a variant
    EXPECT_EQ(gWordLemmaRefs[0], dict.Offset(kZz, "zzaf", 0));
    EXPECT_EQ(gWordLemmaRefs[1], dict.Offset(kZz, "zzaf", 0));  // the mark minus 2
}

TEST_F(SectionWalkTest, SuffixCodeWithThreeSuffixes) {
    const struct {
        const char* key;
        Tags tags;
    } cases[] = {
        {"zzagal", {0x4114}}, {"zzagale", {0x4124}}, {"zzagaux", {0x4118}},
        {"zzagals", {0x4118}}, {"zzagales", {0x4128}}, {"zzagau", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(Walk(kPlain, kZz, c.key).tags, c.tags) << c.key;
}

TEST_F(SectionWalkTest, StopMarksGiveTheLiteralForms) {
    gWordTagCodes[0] = 0x4444;
    Found f = Walk(kPlain, 12, "gisons", 1);
    EXPECT_EQ(f.result, 1);
    EXPECT_EQ(f.tags, (Tags{0x9009}));  // earlier analyses dropped
    EXPECT_EQ(gWordAnalysisBytes[0], 127);
    EXPECT_EQ(gWordLemmaRefs[0], dict.Offset(12, "giso", 2));
    EXPECT_EQ(gWordLemmaRefs[1], dict.Offset(12, "giso", 2));

    f = Walk(kPlain, 13, "assieds");
    EXPECT_EQ(f.result, 3);
    EXPECT_EQ(f.tags, (Tags{0xB006, 0xB007, 0xB030}));
    EXPECT_EQ(gWordAnalysisBytes[0], '0');
    EXPECT_EQ(gWordAnalysisBytes[1], '0');

    f = Walk(kPlain, 1, "111zq");
    EXPECT_EQ(f.tags, (Tags{0x1C00}));
    // In an inflection operation the mark lowers the ending code by 64
    // instead: 's' counted as both numbers, and no literal form.
    f = Walk(kOperation4, 12, "gisons");
    EXPECT_EQ(f.result, 0);
    EXPECT_EQ(f.tags, (Tags{0x411C}));
}

TEST(DefectiveVerbForms, KeysComparedWhole) {
    BoundedArray<u16> tags;
    tags.Allocate(20);
    const struct {
        const char* key;
        Tags tags;
        u8 byte;
    } cases[] = {
        {"gisez", {0x900A}, 127},
        {"veuille", {0xF01E, 0xF020, 0xF030}, '/'},
        {MR("verglaçât"), {0x9026}, 'n'},
        {"puis", {0x1400, 0xF006}, '+'},
    };
    for (const auto& c : cases) {
        BoundedString key;
        key.Allocate(36);
        std::strcpy(reinterpret_cast<char*>(key.data), c.key);
        u16 count = 2;
        AnalyseDefectiveVerbForm(key, tags, count);
        ASSERT_EQ(count, c.tags.size()) << c.key;
        for (u16 i = 0; i < count; ++i) EXPECT_EQ(tags[i], c.tags[i]) << c.key;
        EXPECT_EQ(gWordAnalysisBytes[2], c.byte) << c.key;  // at the incoming count
    }
    // Anything else: one abbreviation tag, unless tag 0 is 0x1A00.
    BoundedString other;
    other.Allocate(36);
    std::strcpy(reinterpret_cast<char*>(other.data), "gisonss");
    u16 count = 4;
    AnalyseDefectiveVerbForm(other, tags, count);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(tags[0], 0x1C00);
    tags[0] = 0x1A00;
    count = 4;
    AnalyseDefectiveVerbForm(other, tags, count);
    EXPECT_EQ(count, 4);
}

TEST_F(SectionWalkTest, SectionsOutsideTheIndexGiveNothing) {
    gWordTagCodes[0] = 0x5555;
    for (int s : {0, -1, static_cast<int>(gDictSectionCount), 400}) {
        Found f = Walk(kPlain, s, "zzabjoue");
        EXPECT_EQ(f.result, 0) << s;
        EXPECT_TRUE(f.tags.empty()) << s;
    }
    EXPECT_EQ(gWordTagCodes[0], 0x5555);
    EXPECT_EQ(gDictFaultCount, 0u);
    // Keys shorter than four bytes match nothing.
    EXPECT_TRUE(Walk(kPlain, kZz, "zza").tags.empty());
}

TEST(FrenchEndings, CodesByRemainder) {
    const struct {
        const char* key;
        u8 code;
        u32 r;
        bool match;
        u8 number;
        u8 gender;
    } cases[] = {
        {"zzab", 27, 0, true, 1, 0},       {"zzas", 27, 0, true, 3, 0},
        {"zzab", 59, 0, true, 1, 0x10},    {MR("zzabé"), 28, 1, true, 1, 0},
        {MR("zzabé"), 60, 1, true, 1, 0x10}, {"zzabs", 91, 1, true, 2, 0},
        {"zzabe", 59, 1, true, 1, 0x20},   {"zzabs", 59, 1, true, 2, 0x10},
        {"zzass", 59, 1, false, 0, 0},     {"zzabx", 24, 1, true, 3, 0},
        {"zzabx", 88, 1, true, 1, 0},      {"zzabds", 36, 2, true, 2, 0x10},
        {"zzabde", 36, 2, true, 1, 0x20},  {"zzabss", 51, 2, false, 0, 0},
        {"zzabdes", 36, 3, true, 2, 0x20}, {MR("zzabées"), 60, 3, true, 2, 0x20},
        {"zzabes", 59, 2, true, 2, 0x20},  {"zzabq", 18, 1, false, 0, 0},
    };
    for (const auto& c : cases) {
        BoundedString key;
        key.Allocate(36);
        std::strcpy(reinterpret_cast<char*>(key.data), c.key);
        EndingReading e;
        const bool match = MatchFrenchEnding(c.code, MakeKeyText(key), c.r, e);
        EXPECT_EQ(match, c.match) << c.key << " " << int(c.code);
        if (match && c.match) {
            EXPECT_EQ(e.number, c.number) << c.key << " " << int(c.code);
            EXPECT_EQ(e.gender, c.gender) << c.key << " " << int(c.code);
        }
    }
}

// Corrupt sections: the reader stays inside the body and reports the fault.
class CorruptSectionTest : public DictionaryTest {};

TEST_F(CorruptSectionTest, ReaderStopsAndReports) {
    const struct {
        const char* what;
        u16 fault;
        u16 found;  // analyses of the words the corruption does not reach
        void (*corrupt)(TestDictionary&);
    } cases[] = {
        {"section leaves the body", kDictFaultSection, 0,
         [](TestDictionary& d) { d.index()[2 + 10 * kZz + 6] = 0xFF; }},
        {"third-letter offset past the section", kDictFaultIndex, 0,
         [](TestDictionary& d) {
             const u32 s = d.Offset(kZz, "zzab", 0) - 9;
             d.body()[s + 1] = 0xFF;
         }},
        {"list offset past the section", kDictFaultList, 0,
         [](TestDictionary& d) {
             const u32 s = d.Offset(kZz, "zzab", 0) - 9;  // one third, two fourth entries
             d.body()[s + 7] = 0xFF;                      // the list of "zzac"
         }},
        {"item without its second byte", kDictFaultItem, 1,
         [](TestDictionary& d) { d.index()[2 + 10 * kZz + 7] -= 1; }},
        {"model byte past the model rows", kDictFaultModel, 2,
         [](TestDictionary& d) { d.body()[d.Offset(kZz, "zzac", 1)] = 99; }},
    };
    for (const auto& c : cases) {
        TestDictionary d;
        d.Pair('z', 'z', kZz);
        d.Model(1, {{0, "er"}, {6, "e"}});
        d.Add(kZz, "zzab", {'c', 27, 208});
        d.Add(kZz, "zzac", {123, 1, 0xC0, 'c', 27, 208});
        d.Build();
        c.corrupt(d);
        d.Apply();
        ClearDictFaults();
        u16 count = 0;
        for (const char* word : {"zzabc", "zzacc"}) {
            BoundedString key = Word(word);
            LookupInDictSection(kPlain, kZz, key, gWordTagCodes, count);
        }
        EXPECT_EQ(count, c.found) << c.what;
        EXPECT_GT(gDictFaultCount, 0u) << c.what;
        EXPECT_EQ(gDictLastFault, c.fault) << c.what;
    }
}

}  // namespace
