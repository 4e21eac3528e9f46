// One-form lookup over a small synthetic dictionary: ligatures, the order
// of the reserved sections, capitalised words, short words, the hyphen path
// and the user-lexicon probes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "frame/bounded_string.h"
#include "frame/loader.h"
#include "frame/mac_roman_literal.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "lexicon/lex_lookup.h"
#include "lexicon/lex_records.h"
#include "morphology/dict_format.h"
#include "morphology/word_lookup.h"
#include "tests/morphology/test_dictionary.h"

namespace {

constexpr int kZz = 11;
constexpr u16 kPlain = 800;
constexpr u16 kOperation1 = 769;
constexpr u16 kOperation33 = 801;
constexpr u16 kOperation34 = 802;
const std::string kHyphen = "\x9B";

using Tags = std::vector<u16>;

class WordLookupTest : public DictionaryTest {
protected:
    void SetUp() override {
        DictionaryTest::SetUp();
        gCaseMode = 0;
        gFoundInLexicon = 0;
        dict.Pair('z', 'z', kZz);
        dict.Model(1, {{0, "er"}, {6, "e"}, {7, "es"}, {8, "e"}, {30, "e"}, {32, "e"}, {48, "e"}});
        // A verb of a three-letter stem lives in section 5 (key "55zzm...").
        dict.Add(5, "55zz", {'m', 123, 1, 0xC0});
        // A word of fifteen letters, in section 5 only.
        dict.Add(5, "55zz", {'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i', 'j', 'k', 'l', 'm', 27, 208});
        dict.Add(kZz, "zzoe", {'b', 27, 208});
        dict.Add(kZz, "zzca", {'p', 27, 208});
        dict.Add(9, "99zz", {'c', 'a', 'p', 27, 180});
        dict.Add(10, "::zz", {'t', 'o', 'p', 27, 183});
        dict.Add(8, "88zz", {'a', 'b', 27, 20});
        dict.Add(kZz, "zzab", {27, 208});
        dict.Add(7, "77zz", {kMarkHyphen, 'a', 'b', 27, 211});
        dict.Add(8, "zzab", {'c', 27, 17});  // a word after a leading hyphen: key without it
        dict.Install();
    }
    void TearDown() override {
        gCaseMode = 0;
        gFoundInLexicon = 0;
        DictionaryTest::TearDown();
    }

    struct Found {
        i16 result;
        Tags tags;
        std::string word;
    };
    Found Lookup(u16 mode, const std::string& text, u16 start = 0) {
        BoundedString w = Word(text);
        u16 count = start;
        Found f;
        f.result = LookupWordForm(mode, w, gWordTagCodes, count);
        for (u16 i = start; i < count; ++i) f.tags.push_back(gWordTagCodes[i]);
        f.word = reinterpret_cast<const char*>(w.data);
        return f;
    }
};

TEST_F(WordLookupTest, ReservedSectionsAndTwoLetterSection) {
    Found f = Lookup(kPlain, "zzme");  // like "aime": one tag, merged code 51
    EXPECT_EQ(f.result, 1);
    EXPECT_EQ(f.tags, (Tags{0xE033}));
    EXPECT_EQ(Lookup(kPlain, "zzcap").tags, (Tags{0x4114}));
    // Section 8 is walked in plain analysis, but not for operation 33.
    EXPECT_EQ(Lookup(kPlain, "zzab").tags, (Tags{0x1400, 0x4114}));
    EXPECT_EQ(Lookup(kOperation33, "zzab").tags, (Tags{0x4114}));
    // Operation 34 walks section 8 alone.
    EXPECT_EQ(Lookup(kOperation34, "zzab").tags, (Tags{0x1400}));
    Found none = Lookup(kPlain, "zzqq");
    EXPECT_EQ(none.result, 0);
    EXPECT_TRUE(none.tags.empty());
    // A pair of letters without a section, and a first byte without a code.
    EXPECT_EQ(Lookup(kPlain, "qqab").result, 0);
    EXPECT_EQ(Lookup(kPlain, "1zab").result, 0);
    EXPECT_EQ(gDictFaultCount, 0u);
}

TEST_F(WordLookupTest, OperationPathAnswersAndLimits) {
    Found f = Lookup(kOperation1, "zzme");
    EXPECT_EQ(f.result, 1);
    EXPECT_TRUE(f.tags.empty());
    EXPECT_EQ(Lookup(kOperation1, "zzcap").result, 1);
    EXPECT_EQ(Lookup(kOperation1, "zzqq").result, 0);
    // Beyond fourteen letters only the two-letter section is asked.
    const std::string longWord = "zzabcdefghijklm";
    EXPECT_EQ(Lookup(kPlain, longWord).tags, (Tags{0x4114}));
    EXPECT_EQ(Lookup(kOperation1, longWord).result, 0);
    // One-letter words: letters answer 1.
    EXPECT_EQ(Lookup(kOperation1, "q").result, 1);
    EXPECT_EQ(Lookup(kOperation1, MR("ç")).result, 1);
    EXPECT_EQ(Lookup(kOperation1, "1").result, 0);
}

// A repeated lookup answers from the memo of section walks: it must write
// the same slots, whatever they held before, and at the same place for
// another starting count.
TEST_F(WordLookupTest, RepeatedLookupsWriteWhatTheFirstWrote) {
    struct Slots {
        i16 result;
        u16 count;
        std::vector<u32> values;
        bool operator==(const Slots&) const = default;
    };
    auto run = [](u16 mode, const std::string& text, u16 start, u16 fill) {
        for (i32 i = 0; i < kAnalysisSlots; ++i) {
            gWordTagCodes[i] = fill;
            gWordAnalysisBytes[i] = static_cast<u8>(fill);
            gWordLemmaRefs[i] = fill;
        }
        BoundedString w = Word(text);
        Slots s{};
        s.count = start;
        s.result = LookupWordForm(mode, w, gWordTagCodes, s.count);
        for (i32 i = 0; i < kAnalysisSlots; ++i) {
            s.values.push_back(gWordTagCodes[i] == fill ? 0xFFFFFFFF : gWordTagCodes[i]);
            s.values.push_back(gWordAnalysisBytes[i] == static_cast<u8>(fill) ? 0xFFFFFFFF : gWordAnalysisBytes[i]);
            s.values.push_back(gWordLemmaRefs[i] == fill ? 0xFFFFFFFF : gWordLemmaRefs[i]);
        }
        return s;
    };
    for (const char* word : {"zzme", "zzcap", "zzab", "zzabcdefghijklm", "zzqq"}) {
        for (u16 start : {0, 3}) {
            for (u16 mode : {kPlain, kOperation1}) {
                const Slots first = run(mode, word, start, 0x5A);
                EXPECT_EQ(run(mode, word, start, 0xA5), first) << word << " from " << start << " mode " << mode;
            }
        }
    }
    // A dictionary installed again is read again: a second entry of the
    // same word adds its reading.
    EXPECT_EQ(Lookup(kPlain, "zzoeb").tags, (Tags{0x4114}));
    dict.Add(kZz, "zzoe", {'b', 27, 208});
    dict.Install();
    EXPECT_EQ(Lookup(kPlain, "zzoeb").tags, (Tags{0x4114, 0x4114}));
}

// Once every slot of the memos is taken, a question whose place has no
// slot is walked each time: the answers stay those of a fresh walk, for
// the words asked before and after.
TEST_F(WordLookupTest, LookupsStayRightOnceTheMemosAreFull) {
    const std::vector<std::string> words = {"zzme", "zzcap", "zzab", "zzqq", "zzoeb"};
    std::vector<Found> fresh;
    for (const std::string& w : words) fresh.push_back(Lookup(kPlain, w));
    auto madeUp = [](int i) {
        std::string w = "zz";
        for (int k = 0; k < 4; ++k, i /= 26) w += static_cast<char>('a' + i % 26);
        return w;
    };
    std::vector<i16> first;
    for (int i = 0; i < 12000; ++i) first.push_back(Lookup(kPlain, madeUp(i)).result);
    // A question is kept at its second asking and answered from the memo
    // at its third.
    for (int round = 0; round < 2; ++round)
        for (int i = 0; i < 12000; ++i) ASSERT_EQ(Lookup(kPlain, madeUp(i)).result, first[i]) << madeUp(i);
    for (int round = 0; round < 2; ++round) {
        for (size_t k = 0; k < words.size(); ++k) {
            const Found f = Lookup(kPlain, words[k]);
            EXPECT_EQ(f.result, fresh[k].result) << words[k];
            EXPECT_EQ(f.tags, fresh[k].tags) << words[k];
        }
    }
}

TEST_F(WordLookupTest, Ligatures) {
    Found f = Lookup(kPlain, MR("zzœb"));
    EXPECT_EQ(f.result, 1);
    EXPECT_EQ(f.word, "zzoeb");
    EXPECT_EQ(f.tags, (Tags{0x4114}));
    // 30 bytes holding one ligature: 31 once expanded, refused and left as
    // it was.
    const std::string tooLong = std::string(28, 'z') + MR("œb");
    f = Lookup(kPlain, tooLong);
    EXPECT_EQ(f.result, 0);
    EXPECT_TRUE(f.tags.empty());
    EXPECT_EQ(f.word, tooLong);
    // 29 bytes: 30 once expanded.
    EXPECT_EQ(Lookup(kPlain, std::string(27, 'z') + MR("œb")).word, std::string(27, 'z') + "oeb");
}

TEST_F(WordLookupTest, CapitalisedWordsEndInTheFrenchSections) {
    gCaseMode = 1;
    Found f = Lookup(kPlain, "zzcap", 2);
    EXPECT_EQ(f.result, 1);
    ASSERT_EQ(gWordTagCodes[0], 0x4024);  // the count restarts at 0
    gCaseMode = 3;
    EXPECT_EQ(Lookup(kPlain, "zztop").result, 1);
    EXPECT_EQ(gWordTagCodes[0], 0x4004);
    gCaseMode = 1;
    EXPECT_EQ(Lookup(kPlain, "zztop").result, 0);
    EXPECT_EQ(Lookup(kOperation1, "zzcap").result, 1);
    // With English current the French section 9 answers, and English stays.
    SelectLanguageTables(0);
    EXPECT_EQ(Lookup(kPlain, "zzcap").result, 1);
    EXPECT_EQ(gWordTagCodes[0], 0x4024);
    EXPECT_EQ(gCheckingLanguage, 0);
    EXPECT_EQ(gDictSectionCount, gEnglishDictSectionCount);
}

TEST_F(WordLookupTest, ShortWords) {
    const struct {
        std::string word;
        Tags tags;
        u32 ref;
    } cases[] = {
        {MR("à"), {0x2000}, 60},
        {"y", {0x1400}, 62},
        {"q", {0x1C00}, 0},
        {"m.", {0x1400}, 60},
    };
    for (const auto& c : cases) {
        Found f = Lookup(kPlain, c.word);
        EXPECT_EQ(f.result, 1) << c.word;
        EXPECT_EQ(f.tags, c.tags) << c.word;
        EXPECT_EQ(gWordLemmaRefs[0], c.ref) << c.word;
    }
    Found a = Lookup(kPlain, "a");
    EXPECT_EQ(a.tags, (Tags{0xC208}));
    EXPECT_EQ(gWordAnalysisBytes[0], 17);
    gCaseMode = 1;
    EXPECT_EQ(Lookup(kPlain, "a").tags, (Tags{0xC208, 0x1C00, 0x2000}));
}

TEST_F(WordLookupTest, HyphenatedWords) {
    EXPECT_EQ(Lookup(kPlain, "zz" + kHyphen + "ab").tags, (Tags{0x4124}));
    EXPECT_EQ(Lookup(kOperation1, "zz" + kHyphen + "ab").result, 1);
    EXPECT_EQ(Lookup(kOperation34, "zz" + kHyphen + "ab").result, 0);
    // A leading hyphen: the rest of the word in section 8.
    EXPECT_EQ(Lookup(kPlain, kHyphen + "zzabc").tags, (Tags{0x1100}));
    EXPECT_EQ(Lookup(kPlain, kHyphen).result, 1);
}

// The user lexicon answers when the dictionary does not.
class WordLookupLexiconTest : public WordLookupTest {
protected:
    void SetUp() override {
        WordLookupTest::SetUp();
        char tmpl[] = "/tmp/krz-lookup-XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir = tmpl;
        ASSERT_EQ(KRZOpenLex((dir + "/user.lex").c_str()), 0);
    }
    void TearDown() override {
        KRZCloseLex();
        std::filesystem::remove_all(dir);
        WordLookupTest::TearDown();
    }
    void Add(const std::string& word, u8 marker, const std::vector<u8>& codes, const std::string& lemma) {
        BoundedString w = Word(word);
        BoundedString key = Word("");
        BuildLexKey(w, marker, key);
        FormEntry e;
        InitFormEntry(e);
        CopyString(e.FormText, key);
        std::memcpy(e.LemmaText.data, lemma.data(), lemma.size());
        e.FormClass = marker;
        std::memcpy(e.FormCodes.data, codes.data(), codes.size());
        ASSERT_EQ(InsertLexRecord(e), 0);
    }
    std::string dir;
};

TEST_F(WordLookupLexiconTest, RecordsBecomeAnalyses) {
    Add("zzlex", 0x3D, {0x41, 0x14, 7}, "zzlemma");
    Add("zzlex", 0x41, {0x42, 0x04, 8}, "zzother");
    Found f = Lookup(kPlain, "zzlex");
    EXPECT_EQ(f.result, 1);
    EXPECT_EQ(f.tags, (Tags{0x4114, 0x4204}));
    EXPECT_EQ(gWordAnalysisBytes[0], 7);
    EXPECT_EQ(gWordLemmaRefs[0], 4u);
    EXPECT_EQ(gWordLemmaRefs[1], 4u);
    EXPECT_EQ(gFoundInLexicon, 1);
    EXPECT_STREQ(reinterpret_cast<const char*>(gLookupWorkString.data), "zzother");
    // Operations only ask whether the lexicon knows the word.
    gFoundInLexicon = 0;
    f = Lookup(kOperation1, "zzlex");
    EXPECT_EQ(f.result, 1);
    EXPECT_TRUE(f.tags.empty());
    EXPECT_EQ(gFoundInLexicon, 1);
    // A word the dictionary knows is not looked for in the lexicon.
    Add("zzcap", 0x3C, {0x41, 0x24, 0}, "zzcap");
    gFoundInLexicon = 0;
    EXPECT_EQ(Lookup(kPlain, "zzcap").tags, (Tags{0x4114}));
    EXPECT_EQ(gFoundInLexicon, 0);
}

}  // namespace

TEST(WordLookup, SlotPreservingLookupKeepsOtherAnalyses) {
    for (i32 k = 0; k < 8; ++k) {
        gWordLemmaRefs[k] = 100 + k;
        gWordAnalysisBytes[k] = static_cast<u8>(10 + k);
    }
    BoundedString word;
    InitByteArray(word, 36);
    CopyCString(word, "chat");
    u32 r = LookupWordSlotPreserving(word, 3);
    EXPECT_EQ(gWordLemmaRefs[0], r);
    for (i32 k = 1; k < 8; ++k) {
        EXPECT_EQ(gWordLemmaRefs[k], 100u + k);
        EXPECT_EQ(gWordAnalysisBytes[k], 10 + k);
    }
    EXPECT_EQ(LookupTextSlotPreserving("c\xCFur", 5), gWordLemmaRefs[0]);
    EXPECT_EQ(gWordLemmaRefs[5], 105u);
}
