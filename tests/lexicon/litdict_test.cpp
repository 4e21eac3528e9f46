// The French reference dictionary through its exports, on the built-in
// data: lookups by word and by entry number, the window at both ends, the
// records handed to the host, and the synonym lists.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "frame/bounded_string.h"
#include "frame/loader.h"
#include "frame/report.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "krzlib.h"
#include "lexicon/synonyms.h"

namespace {

class LitDict : public ::testing::Test {
protected:
    void SetUp() override {
        while (gInitCount != 0) KRZEnd();
        KRZInit(3, 1);
        ASSERT_GT(gLitDictEntryTotal, 30000u);
    }
    void TearDown() override {
        while (gInitCount != 0) KRZEnd();
    }

    struct Found {
        int16_t exact = -1;
        uint16_t count = 0;
        uint32_t entry = 0;
        std::vector<LitDictResultRecord> records;
    };
    // word in Windows-1252.
    static Found Word(const std::string& word, int16_t max = 1) {
        Found f;
        f.records.resize(max > 0 ? static_cast<size_t>(max) : 1);
        f.exact = KRZLitDictWord(word.c_str(), f.records.data(), max, &f.count, &f.entry);
        return f;
    }
    static Found At(uint32_t entry, int16_t max = 1) {
        Found f;
        f.records.resize(max > 0 ? static_cast<size_t>(max) : 1);
        f.exact = KRZLitDictOffset(entry, f.records.data(), max, &f.count);
        f.entry = entry;
        return f;
    }
    static std::string Headword(const LitDictResultRecord& r) { return std::string(r.text, r.headwordLength); }
};

TEST_F(LitDict, TheOneLetterWordsAShowThePreposition) {
    for (const char* w : {"a", "\xE0", "A"}) {
        Found f = Word(w, 3);
        EXPECT_EQ(f.exact, 1) << w;
        EXPECT_EQ(f.entry, 0u) << w;
        ASSERT_EQ(f.count, 3) << w;
        EXPECT_STREQ(f.records[0].text, "\xE0 <pr\xE9position>") << w;
        EXPECT_EQ(f.records[0].headwordLength, 1) << w;
    }
}

TEST_F(LitDict, WordsFoldTheirCaseAccentsLigaturesHyphensAndApostrophes) {
    struct Case {
        const char* word;
        const char* headword;
    };
    // Windows-1252: \x9C oe ligature, \xE9 e acute, \xF4 o circumflex.
    const Case cases[] = {{"c\x9Cur", "c\x9Cur"}, {"coeur", "c\x9Cur"}, {"CoEuR", "c\x9Cur"},
                          {"abaisselangue", "abaisse-langue"}, {"ABAISSE-LANGUE", "abaisse-langue"}};
    for (const Case& c : cases) {
        Found f = Word(c.word);
        EXPECT_EQ(f.exact, 1) << c.word;
        ASSERT_EQ(f.count, 1) << c.word;
        EXPECT_EQ(Headword(f.records[0]), c.headword) << c.word;
    }
}

TEST_F(LitDict, HomographsOfOneKeyLocateTheFirstAndListTheOthersAfterIt) {
    // cote, cot\xE9, c\xF4te, c\xF4t\xE9 share the key "cote".
    const Found first = Word("cote", 8);
    for (const char* w : {"cote", "cot\xE9", "c\xF4te", "c\xF4t\xE9"}) {
        Found f = Word(w, 8);
        EXPECT_EQ(f.exact, 1) << w;
        EXPECT_EQ(f.entry, first.entry) << w;
        bool listed = false;
        for (uint16_t i = 0; i < f.count; ++i) listed = listed || Headword(f.records[i]) == w;
        EXPECT_TRUE(listed || std::string(w) == "cot\xE9") << w;  // no headword cot\xE9
    }
    // Only l\xE0 and \xE7\xE0 step past their twin (la, \xE7a).
    EXPECT_EQ(Word("l\xE0").entry, Word("la").entry + 1);
    EXPECT_EQ(Headword(Word("l\xE0").records[0]), "l\xE0");
    EXPECT_EQ(Word("\xE7\xE0").entry, Word("\xE7" "a").entry + 1);
    EXPECT_EQ(Word("o\xF9").entry, Word("ou").entry);
}

TEST_F(LitDict, MissingWordsLocateTheNeighbouringEntryWithoutAMatch) {
    // Inside a block: the next entry.
    Found inside = Word("abaissemenu");
    EXPECT_EQ(inside.exact, 0);
    EXPECT_EQ(inside.entry, Word("abaissement").entry + 1);
    // After a block's last entry: the first entry of the next block.
    Found after = Word("abzzzz");
    EXPECT_EQ(after.exact, 0);
    EXPECT_EQ(after.entry, Word("ac").entry);
    // A one-letter word, or two letters that begin no block: the first
    // entry of the block after them.
    EXPECT_EQ(Word("e").entry, Word("ea").entry);
    EXPECT_EQ(Word("e").exact, 0);
    EXPECT_EQ(Word("y").entry, Word("ya").entry);
    EXPECT_EQ(Word("bz").entry, Word("ca").entry);
    // Before every entry, and the empty word: entry 0.
    for (const char* w : {"1abc", "", "!"}) {
        Found f = Word(w);
        EXPECT_EQ(f.entry, 0u) << w;
        EXPECT_EQ(f.exact, 0) << w;
        EXPECT_EQ(f.count, 1) << w;
    }
    // After every entry: the last entry.
    Found last = Word("zzzzzzz");
    EXPECT_EQ(last.entry, gLitDictEntryTotal - 1);
    EXPECT_EQ(last.count, 1);
}

TEST_F(LitDict, LongWordsAreCutTo35Bytes) {
    const std::string longWord = "anticonstitutionnellement" + std::string(20, 'x');
    const std::string cut = longWord.substr(0, 35);
    EXPECT_EQ(Word(longWord).entry, Word(cut).entry);
}

TEST_F(LitDict, WindowReachesBothEndsAndNeverWritesPastMax) {
    const uint32_t total = gLitDictEntryTotal;
    Found end = At(total - 1, 5);
    EXPECT_EQ(end.count, 1);
    EXPECT_EQ(At(total - 3, 5).count, 3);
    // Past the text: the last entry.
    for (const uint32_t past : {total, 0xFFFFFFFFu}) {
        Found f = At(past, 5);
        ASSERT_EQ(f.count, 1);
        EXPECT_STREQ(f.records[0].text, end.records[0].text);
    }
    EXPECT_EQ(At(0, 4).count, 4);
    EXPECT_EQ(Word("abaca", 0).count, 0);
    EXPECT_EQ(Word("abaca", -7).count, 0);
    // A window wider than half the text.
    Found wide = At(10, 32767);
    EXPECT_EQ(wide.count, total - 10 < 32767 ? total - 10 : 32767);
}

TEST_F(LitDict, OffsetGivesTheRecordsOfTheWord) {
    for (const char* w : {"abaca", "maison", "zoo", "c\xF4t\xE9"}) {
        Found f = Word(w, 6);
        Found g = At(f.entry, 6);
        ASSERT_EQ(f.count, g.count) << w;
        for (uint16_t i = 0; i < f.count; ++i) {
            EXPECT_STREQ(f.records[i].text, g.records[i].text) << w;
            EXPECT_EQ(f.records[i].headwordLength, g.records[i].headwordLength) << w;
        }
    }
}

TEST_F(LitDict, EveryRecordIsTerminatedAndNoLineBeginsWithBlanks) {
    const uint32_t total = gLitDictEntryTotal;
    std::vector<LitDictResultRecord> rows(2000);
    for (uint32_t e = 0; e < total; e += 2000) {
        uint16_t count = 0;
        KRZLitDictOffset(e, rows.data(), 2000, &count);
        ASSERT_GT(count, 0);
        for (uint16_t i = 0; i < count; ++i) {
            const LitDictResultRecord& r = rows[i];
            const size_t n = strnlen(r.text, sizeof r.text);
            ASSERT_LT(n, sizeof r.text);
            ASSERT_GT(n, r.headwordLength);
            EXPECT_EQ(std::string(r.text, n).find("\n "), std::string::npos) << r.text;
            EXPECT_NE(r.text[0], ' ');
        }
    }
}

TEST_F(LitDict, SynonymListsGiveTheEntryGroupsAndNoRegister) {
    StringList list;
    InitByteMatrix(list, 24, 1000);
    BoundedString word;
    InitByteArray(word, 36);
    CopyCString(word, "abaca");
    gErrorDetail = 7;
    const u16 n = BuildSynonymList(0, 0, 0, word, list);
    ASSERT_EQ(n, 2);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(list[1].data + 2), list[1].data[1]),
              "chanvre, ch\x8Fnevi\x8Fre, filasse, jute");
    EXPECT_EQ(gErrorDetail, 0);
    // Rule mode: no register label, no list.
    EXPECT_EQ(BuildSynonymList(1, 0, 0, word, list), 0);
    EXPECT_EQ(gErrorDetail, static_cast<u16>(-1));
    // Not in the dictionary: no list, the detail left alone.
    CopyCString(word, "zzzqx");
    gErrorDetail = 7;
    EXPECT_EQ(BuildSynonymList(0, 0, 0, word, list), 0);
    EXPECT_EQ(gErrorDetail, 7);
    // Never more items than the list holds.
    StringList small;
    InitByteMatrix(small, 1, 120);
    CopyCString(word, "drame");
    EXPECT_EQ(BuildSynonymList(0, 0, 0, word, small), 1);
}

}  // namespace
