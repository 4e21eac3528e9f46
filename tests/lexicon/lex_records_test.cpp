// Records, lookups and the host's word list.
#include "frame/mac_roman.h"
#include "frame/mac_roman_literal.h"
#include "lexicon/lex_lookup.h"
#include "lexicon_fixture.h"

namespace {

class LexRecordsTest : public LexiconTest {
protected:
    void SetUp() override {
        LexiconTest::SetUp();
        OpenNew();
        InitFormEntryArray(results, 4);
        found = Entry("untouched", "untouched", 1);
    }
    void TearDown() override {
        gMacRomanMode = 0;
        LexiconTest::TearDown();
    }
    // Inserts word under the key FindLexForms builds for it.
    void Add(const std::string& word, u8 cls, const Bytes& codes = {}, const std::string& lemma = "") {
        BoundedString w = Key(word);
        BoundedString key = Key("");
        BuildLexKey(w, cls, key);
        FormEntry e = Entry(Text(key), lemma.empty() ? word : lemma, cls, codes);
        ASSERT_EQ(InsertLexRecord(e), 0) << word;
    }
    std::vector<LexListRecord> List(u16 mask) {
        LexListRecord* list = nullptr;
        int32_t n = KRZGetListWordsLex(&list, mask);
        EXPECT_GE(n, 0);
        std::vector<LexListRecord> out(list, list + (n > 0 ? n : 0));
        if (n == 0) {
            EXPECT_EQ(list, nullptr);
        }
        KRZDisposeListWordsLex(list);
        return out;
    }
    static std::vector<std::string> Texts(const std::vector<LexListRecord>& list) {
        std::vector<std::string> out;
        for (const LexListRecord& r : list) out.emplace_back(r.text);
        return out;
    }
    BoundedArray<FormEntry> results;
    FormEntry found;
};

TEST_F(LexRecordsTest, KeyNormalisation) {
    struct Case {
        std::string word;
        u8 cls;
        std::string key;
    };
    const std::vector<Case> cases = {
        {"Saint-Jean", 64, "saint\x9bjean@"},
        // Every à but a final one becomes 0x8B in a hyphenated word.
        {MR("À-côté-à-Paris"), 64, "\x8b\x9b" + std::string(MR("côté")) + "\x9b\x8b\x9bparis@"},
        {MR("voilà-à"), 61, "voil\x8b\x9b" + std::string(MR("à")) + "="},
        {MR("voilà"), 61, std::string(MR("voilà")) + "="},
        {"New York", 64, "new\xcayork@"},
        {MR("ÉTÉ"), 65, std::string(MR("été")) + "A"},
        {std::string(34, 'a'), 60, std::string(34, 'a') + "<"},
        // A 35-byte word is cut to 34 so that its class byte stays: the
        // terminator once fell on the class byte and every class built the
        // same key.
        {std::string(35, 'a'), 60, std::string(34, 'a') + "<"},
        {std::string(35, 'a'), 65, std::string(34, 'a') + "A"},
    };
    for (const Case& c : cases) {
        BoundedString key = Key("");
        BuildLexKey(Key(c.word), c.cls, key);
        EXPECT_EQ(Text(key), c.key) << c.word;
    }
}

TEST_F(LexRecordsTest, LookupsFindWordsUnderTheirClass) {
    Add("Saint-Jean", 64, {'@', 0, 0, 1});
    Add("zorbul", 65, {0x41, 0x14, 0x4C});
    Add("New York", 64);

    EXPECT_EQ(FindLexForms(Key("saint-jean"), results, 64), 1);
    EXPECT_EQ(Text(results[0].FormText), "saint\x9bjean@");
    EXPECT_EQ(Text(results[0].LemmaText), "Saint-Jean");
    EXPECT_EQ(results[0].FormClass, 64);
    EXPECT_EQ(results[0].FormCodes[3], 1);
    EXPECT_EQ(FindLexForms(Key("Saint-Jean"), results, 65), 0);

    EXPECT_EQ(GetFirstLexForm(Key("ZORBUL"), found, 65), 1);
    EXPECT_EQ(Text(found.LemmaText), "zorbul");
    EXPECT_EQ(found.FormCodes[1], 0x14);
    EXPECT_EQ(LookupLexEntry(Key("zorbulA"), found), 1);
    EXPECT_EQ(GetFirstLexFormNormalised(Key("saint-jean"), found, 64), 1);
    EXPECT_EQ(Text(found.LemmaText), "saint-jean");

    // A caller's key with a plain blank does not match the stored 202.
    FormEntry untouched = Entry("untouched", "untouched", 1);
    EXPECT_EQ(LookupLexEntry(Key("new york@"), untouched), 0);
    EXPECT_EQ(GetFirstLexForm(Key("inconnu"), untouched, 65), 0);
    EXPECT_EQ(Text(untouched.LemmaText), "untouched");

    // Suspended lookups find nothing, even words that are there.
    LexLookupSuspended = 1;
    EXPECT_EQ(FindLexForms(Key("zorbul"), results, 65), 0);
    EXPECT_EQ(LookupLexEntry(Key("zorbulA"), found), 0);
    EXPECT_EQ(GetFirstLexForm(Key("zorbul"), found, 65), 0);
    FormEntry at = Entry("", "", 0);
    EXPECT_EQ(GetLexEntryAt(0, at), 1);
    LexLookupSuspended = 0;
    EXPECT_EQ(GetLexEntryAt(0, at), 0);
    EXPECT_EQ(GetLexEntryAt(3, at), 1);
}

TEST_F(LexRecordsTest, FourRecordsOfOneKeyInInsertionOrder) {
    for (const char* lemma : {"un", "deux", "trois", "quatre"}) Add("clef", 65, {}, lemma);
    EXPECT_EQ(InsertLexRecord(Entry("clefA", "cinq", 65)), kLexBadKey);
    EXPECT_EQ(FindLexForms(Key("clef"), results, 65), 4);
    EXPECT_EQ(Text(results[0].LemmaText), "un");
    EXPECT_EQ(Text(results[3].LemmaText), "quatre");
    EXPECT_EQ(LookupLexEntry(Key("clefA"), found), 1);
    EXPECT_EQ(Text(found.LemmaText), "un");

    // Removal matches the lemma only, whatever the codes.
    EXPECT_EQ(RemoveLexRecord(Entry("clefA", "trois", 65, {9, 9, 9})), 0);
    EXPECT_EQ(RemoveLexRecord(Entry("clefA", "trois", 65)), kLexNotFound);
    EXPECT_EQ(LookupLexRecords(Key("clefA"), results), 3);
    EXPECT_EQ(Text(results[2].LemmaText), "quatre");
}

TEST_F(LexRecordsTest, ListSelectsLanguagesAndSkipsDerivedEntries) {
    Add("rabbit", 57);                                   // English noun
    Add("zorbuler", 60);                                 // French verb
    Add("Paris", 64, {'@', 0, 0, 7, 'P', 'R', 'S'});     // any language
    Add("zorbule", 60, {}, "zorbuler");                  // a form of the verb
    Add("pb", 62, {}, "problem");                        // replacement entry
    Add("Paris", 63);                                    // phonetic key
    struct Case {
        u16 mask;
        std::vector<std::string> texts;
    };
    for (const Case& c : std::vector<Case>{{1, {"Paris", "rabbit"}},
                                           {8, {"Paris", "zorbuler"}},
                                           {9, {"Paris", "rabbit", "zorbuler"}},
                                           {2, {"Paris"}},
                                           {0xFFFF, {"Paris", "rabbit", "zorbuler"}}}) {
        EXPECT_EQ(Texts(List(c.mask)), c.texts) << "mask " << c.mask;
    }
    std::vector<LexListRecord> all = List(9);
    EXPECT_EQ(all[0].category, 1);
    EXPECT_EQ(all[0].value, 7);
    EXPECT_EQ(all[0].language, 3);
    EXPECT_STREQ(all[0].abbreviation, "PRS");
    EXPECT_EQ(all[1].category, 2);
    EXPECT_EQ(all[1].language, 0);
    EXPECT_EQ(all[1].abbreviation[0], 0);
    EXPECT_EQ(all[2].category, 5);
    EXPECT_EQ(all[2].language, 3);
}

TEST_F(LexRecordsTest, ListIsCollatedAndConvertedForTheHost) {
    Add(MR("été"), 65);
    Add(MR("Été"), 64);
    Add(MR("dé"), 65);
    Add("fa", 65);
    Add("fa", 61);
    Add("Ea", 64);
    std::vector<LexListRecord> list = List(8);
    // Windows-1252 on the way out.
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"d\xe9", "Ea", "\xc9t\xe9", "\xe9t\xe9", "fa", "fa"}));
    EXPECT_EQ(list[4].category, 2);  // same text: smaller category first
    EXPECT_EQ(list[5].category, 6);

    gMacRomanMode = 1;
    list = List(8);
    EXPECT_STREQ(list[0].text, MR("dé"));
}

TEST_F(LexRecordsTest, EmptyListIsNull) {
    LexListRecord* list = reinterpret_cast<LexListRecord*>(this);
    EXPECT_EQ(KRZGetListWordsLex(&list, 9), 0);
    EXPECT_EQ(list, nullptr);
    KRZDisposeListWordsLex(nullptr);
}

TEST(LexSortWeights, AreAPermutation) {
    std::vector<bool> seen(256, false);
    for (int b = 0; b < 256; ++b) seen[gLexSortWeights[b]] = true;
    EXPECT_EQ(std::count(seen.begin(), seen.end(), true), 256);
}

}  // namespace
