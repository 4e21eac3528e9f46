// The built-in homophone lists: the fixed entries at their places, the
// groups that must be there, every entry in the entry format, one key per
// word, the counts the language switch takes, and every generated entry's
// word known to the word-form analysis.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "frame/bounded_string.h"
#include "frame/loader.h"
#include "frame/mac_roman_literal.h"
#include "frame/settings.h"
#include "frame/tagged_words.h"
#include "krzlib.h"
#include "morphology/verb_candidates.h"
#include "morphology/word_analysis.h"
#include "morphology/word_lookup.h"

namespace {

constexpr i32 kFixedTable = 98;

std::string Text(const BoundedString& e) {
    return std::string(reinterpret_cast<const char*>(e.data), static_cast<size_t>(GetStringLength(e)));
}

std::string Word(const BoundedString& e) {
    BoundedString w;
    w.Allocate(36);
    CopyTaggedWord(e, w);
    return std::string(reinterpret_cast<const char*>(w.data), static_cast<size_t>(GetStringLength(w)));
}

i32 Find(const StringList& list, const std::string& word) {
    return FindTaggedWord(list, static_cast<i32>(list.count),
                          reinterpret_cast<const u8*>(word.data()), static_cast<i32>(word.size()));
}

// Words of the group of `word`'s first entry.
std::vector<std::string> GroupOf(const StringList& list, const std::string& word) {
    std::vector<std::string> out;
    const i32 at = Find(list, word);
    if (at < 0) return out;
    u16 codes[64] = {};
    const u16 n = CollectTaggedWordGroup(list, static_cast<i32>(list.count), at, codes, 64);
    for (u16 k = 0; k < n; ++k) out.push_back(Word(list[codes[k]]));
    return out;
}

bool Holds(const std::vector<std::string>& v, const std::string& w) {
    for (const std::string& x : v)
        if (x == w) return true;
    return false;
}

// An entry in the format: length byte, key, word, then annotations " §"
// + code, then nothing or a comment after a blank; a verb entry's first
// code is 'V' and digits.
::testing::AssertionResult WellFormed(const BoundedString& e) {
    const std::string t = Text(e);
    const i32 length = TaggedWordLength(e);
    if (length < 1 || e.count != t.size() + 1) return ::testing::AssertionFailure() << t;
    size_t p = 3 + static_cast<size_t>(length);
    size_t annotations = 0;
    while (p + 1 < t.size() && t[p] == ' ' && static_cast<u8>(t[p + 1]) == kTaggedAnnotationMark) {
        size_t k = p + 2;
        while (k < t.size() && t[k] != ' ') ++k;
        if (k == p + 2) return ::testing::AssertionFailure() << "empty code: " << t;
        const std::string code = t.substr(p + 2, k - p - 2);
        if (annotations == 0 && code[0] == 'V' &&
            code.find_first_not_of("0123456789", 1) != std::string::npos)
            return ::testing::AssertionFailure() << "verb code: " << t;
        ++annotations;
        p = k;
    }
    if (annotations == 0) return ::testing::AssertionFailure() << "no annotation: " << t;
    if (p != t.size() && t[p] != ' ') return ::testing::AssertionFailure() << t;
    return ::testing::AssertionSuccess();
}

class TaggedWordsData : public ::testing::Test {
protected:
    void SetUp() override {
        while (gInitCount != 0) KRZEnd();
        KRZInit(3, 0);
    }
    void TearDown() override {
        while (gInitCount != 0) KRZEnd();
    }
};

}  // namespace

TEST_F(TaggedWordsData, FrenchTableEntriesStandAtTheirNumbers) {
    const StringList& fr = gFrenchTaggedWords;
    ASSERT_GT(fr.count, static_cast<u32>(kFixedTable));
    const char* const words[kFixedTable] = {
        MR("ou"), MR("où"), MR("hou"), MR("houe"), MR("houe"), MR("ce"), MR("se"), MR("ces"),
        MR("ses"), MR("sa"), MR("ça"), MR("çà"), MR("sas"), MR("la"), MR("là"), MR("las"),
        MR("du"), MR("dû"), MR("dû"), MR("due"), MR("c'"), MR("s'"), MR("des"), MR("dès"),
        MR("dé"), MR("dais"), MR("dey"), MR("sou"), MR("sous"), MR("soûl"), MR("soue"), MR("sûr"),
        MR("sur"), MR("sur"), MR("ver"), MR("vers"), MR("vers"), MR("vert"), MR("verre"),
        MR("vite"), MR("vite"), MR("vîtes"), MR("demi"), MR("demi"), MR("demie"), MR("pré"),
        MR("près"), MR("prêt"), MR("prêt"), MR("prête"), MR("prête"), MR("tout"), MR("tout"),
        MR("tout"), MR("tout"), MR("toux"), MR("tous"), MR("toute"), MR("toue"), MR("envi"),
        MR("envie"), MR("envie"), MR("coté"), MR("côté"), MR("coter"), MR("voilà"), MR("voila"),
        MR("parti"), MR("parti"), MR("partie"), MR("partie"), MR("quel"), MR("quelle"),
        MR("qu'elle"), MR("sensé"), MR("censé"), MR("différend"), MR("différent"),
        MR("différents"), MR("différant"), MR("diffèrent"), MR("camp"), MR("khan"), MR("quand"),
        MR("quant"), MR("qu'en"), MR("gré"), MR("grès"), MR("gray"), MR("grée"), MR("peu"),
        MR("peuh"), MR("peut"), MR("peux"), MR("issu"), MR("issue"), MR("dan"), MR("dans")};
    for (i32 i = 0; i < kFixedTable; ++i) EXPECT_EQ(Word(fr[i]), words[i]) << i;
    const std::map<i32, std::string> telling = {
        {0, MR("201ou §16")},          {1, MR("201où §18 de lieu")}, {2, MR("301hou §19")},
        {3, MR("401houe §11 §F (outil)")}, {4, MR("401houe §V51")},  {7, MR("30*ces §66 §P")},
        {8, MR("30*ses §26 §P")},      {24, MR("206dé §11 §M (petit cube)")}};
    for (const auto& [i, text] : telling) EXPECT_EQ(Text(fr[i]), text) << i;
    // The first match of a word is its table entry.
    EXPECT_EQ(Find(fr, "sur"), 32);
    EXPECT_EQ(Find(fr, "tout"), 51);
    EXPECT_EQ(Find(fr, "vers"), 35);
}

TEST_F(TaggedWordsData, EnglishTellingRowsAreListed) {
    const StringList& en = gEnglishTaggedWords;
    const char* const rows[] = {"201ad \xA4" "11",   "301add \xA4V0",  "303aid \xA4V0",
                                "305air \xA4" "11",  "305err \xA4V0",  "405heir \xA4" "11",
                                "406I'll \xA4" "68", "410aunt \xA4" "11 (Am.)"};
    for (const char* row : rows) {
        bool found = false;
        for (u32 i = 0; i < en.count && !found; ++i) found = Text(en[i]) == row;
        EXPECT_TRUE(found) << row;
    }
}

TEST_F(TaggedWordsData, HomophonesShareTheirGroup) {
    struct Case {
        const StringList* list;
        std::vector<std::string> words;
    };
    const Case cases[] = {
        {&gFrenchTaggedWords, {"a", MR("à")}},
        {&gFrenchTaggedWords, {"ou", MR("où"), "hou", "houe"}},
        {&gFrenchTaggedWords, {"ces", "ses"}},
        {&gFrenchTaggedWords, {"verre", "vers", "vert", "ver"}},
        {&gFrenchTaggedWords, {"convainquant", "convaincant"}},
        {&gFrenchTaggedWords, {"fatiguant", "fatigant"}},
        {&gEnglishTaggedWords, {"their", "there", "they're"}},
        {&gEnglishTaggedWords, {"air", "err", "heir"}},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> group = GroupOf(*c.list, c.words[0]);
        for (const std::string& w : c.words) EXPECT_TRUE(Holds(group, w)) << c.words[0] << " / " << w;
    }
    // A participle's group names it first, its adjective spelling after it.
    const std::vector<std::string> p = GroupOf(gFrenchTaggedWords, "fatiguant");
    ASSERT_GE(p.size(), 2u);
    EXPECT_EQ(p[0], "fatiguant");
}

TEST_F(TaggedWordsData, EveryEntryIsWellFormedAndEveryWordHasOneKey) {
    for (const StringList* list : {&gFrenchTaggedWords, &gEnglishTaggedWords}) {
        ASSERT_GT(list->count, 8u);
        std::map<std::string, u16> keyOf;
        for (u32 i = 0; i < list->count; ++i) {
            const BoundedString& e = (*list)[static_cast<i32>(i)];
            EXPECT_TRUE(WellFormed(e)) << i;
            const auto [it, fresh] = keyOf.emplace(Word(e), TaggedWordGroupKey(e));
            EXPECT_EQ(it->second, TaggedWordGroupKey(e)) << Text(e);
        }
    }
}

TEST_F(TaggedWordsData, TheLanguageSwitchTakesTheListCounts) {
    EXPECT_EQ(gTaggedWordCount, gFrenchTaggedWords.count);
    SelectLanguageTables(0);
    EXPECT_EQ(gTaggedWordCount, gEnglishTaggedWords.count);
    SelectLanguageTables(3);
    EXPECT_EQ(gTaggedWordCount, gFrenchTaggedWords.count);
}

namespace {

// Words of the entries from `first` on that the analysis does not know.
std::vector<std::string> UnknownWords(const StringList& list, u32 first, u16 mode) {
    StringList slots;
    InitByteMatrix(slots, 16, 36);
    BoundedString word;
    word.Allocate(40);
    std::vector<std::string> unknown;
    for (u32 i = first; i < list.count; ++i) {
        CopyTaggedWord(list[static_cast<i32>(i)], word);
        const std::string w = Text(word);
        u16 count = 0;
        gCaseMode = kCaseAsked;
        if (AnalyseWordForms(mode, word, count, slots) <= 0 || count == 0) unknown.push_back(w);
    }
    gCaseMode = 0;
    return unknown;
}

}  // namespace

TEST_F(TaggedWordsData, GeneratedFrenchWordsAreKnownToTheAnalysis) {
    const std::vector<std::string> french = UnknownWords(gFrenchTaggedWords, kFixedTable, 800);
    EXPECT_TRUE(french.empty()) << french.size() << " unknown, first: " << french[0];
}

TEST_F(TaggedWordsData, GeneratedEnglishWordsAreKnownToTheAnalysis) {
    // The English words are checked once the built-in English dictionary is
    // the compiled one (it knows these common words).
    SelectLanguageTables(0);
    StringList probe;
    const char* const common[] = {"308air \xA4" "11", "405heir \xA4" "11", "506their \xA4" "26",
                                  "506there \xA4" "18", "403aunt \xA4" "11"};
    probe = MakeLiteralList(common);
    if (gEnglishDictSectionCount == 0 || !UnknownWords(probe, 0, 0).empty()) {
        SelectLanguageTables(3);
        FAIL() << "the built-in English dictionary does not hold common words";
    }
    const std::vector<std::string> english = UnknownWords(gEnglishTaggedWords, 8, 0);
    SelectLanguageTables(3);
    EXPECT_TRUE(english.empty()) << english.size() << " unknown, first: " << english[0];
}

// The word-form codes of a sentence word are its homophone group: the entry
// of the word itself first, then the rest of its group.
TEST_F(TaggedWordsData, WordFormCodesOfASentenceWordAreItsGroup) {
    KRZSetLanguage(3);
    CopyCString(gWords[0].WordText, "verre");
    gWords[0].ReadingClasses[0] = 0;
    gWords[0].FirstLigaturePos = 65535;
    gWords[0].SecondLigaturePos = 65535;
    BoundedArray<u16> codes;
    InitShortArray(codes, 32);
    const u16 n = FindWordFormCodes(0, 0, codes);
    ASSERT_GE(n, 4);
    std::vector<std::string> words;
    for (u16 k = 0; k < n; ++k) words.push_back(Word(gFrenchTaggedWords[codes[k]]));
    EXPECT_EQ(words[0], "verre");
    for (const char* w : {"vers", "vert", "ver"}) EXPECT_TRUE(Holds(words, w)) << w;
}
