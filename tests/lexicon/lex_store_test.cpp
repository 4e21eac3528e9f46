// The lexicon store: layout, insert/find/delete, repairs and the check.
#include <random>

#include "lexicon_fixture.h"

namespace {

// Entries ab, ab, abc, b with 2 data bytes each: 64 bytes.
const Bytes kWorkedExample = {
    'a', 0, 0, 52, 'b', 0, 0, 0, 0, 0, 0, 32, 0, 2, 1, 1,     // ab (first)
    'a', 0, 0, 0,  'b', 0, 0, 0, 0, 0, 0, 0,  0, 2, 2, 2,     // ab (second)
    'a', 0, 0, 0,  'b', 0, 0, 0, 'c', 0, 0, 0, 0, 0, 0, 0, 0, 2, 3, 3,  // abc
    'b', 0, 0, 0,  0, 0, 0, 0, 0, 2, 4, 4,                    // b
};

class LexStoreTest : public LexiconTest {};

i16 Insert(const std::string& key, const Bytes& data) {
    BoundedString k = Key(key);
    BoundedArray<u8> d = Data(data);
    return InsertLexEntry(k, d, static_cast<u32>(data.size()));
}

i16 Delete(const std::string& key, const Bytes& data) {
    BoundedString k = Key(key);
    BoundedArray<u8> d = Data(data);
    return DeleteLexEntry(k, d, static_cast<u32>(data.size()));
}

TEST_F(LexStoreTest, WorkedExampleComesFromAnyOrderOfInsertion) {
    struct Step { const char* key; u8 tag; };
    const std::vector<std::vector<Step>> orders = {
        {{"b", 4}, {"ab", 1}, {"abc", 3}, {"ab", 2}},
        {{"ab", 1}, {"ab", 2}, {"abc", 3}, {"b", 4}},
        {{"abc", 3}, {"b", 4}, {"ab", 1}, {"ab", 2}},
        {{"ab", 1}, {"b", 4}, {"ab", 2}, {"abc", 3}},
    };
    for (const auto& order : orders) {
        Reset();
        OpenNew();
        for (const Step& s : order) ASSERT_EQ(Insert(s.key, {s.tag, s.tag}), 0);
        EXPECT_EQ(Body(), kWorkedExample);
        EXPECT_EQ(LexEntryCount, 4u);
        EXPECT_EQ(CheckLexiconStructure(), 0);
        EXPECT_EQ(FindLexWordOffset(0, 0, Key("abc")), 32);
        EXPECT_EQ(FindLexWordOffset(0, 0, Key("ab")), 0);
        EXPECT_EQ(FindLexWordOffset(0, 0, Key("b")), 52);
        EXPECT_EQ(FindLexWordOffset(0, 0, Key("a")), -1);
        EXPECT_EQ(FindLexWordOffset(0, 0, Key("abcd")), -1);
        EXPECT_EQ(FindLexInsertionPoint(0, 0, Key("ab")), 32);
        EXPECT_EQ(FindLexInsertionPoint(0, 0, Key("a")), 0);
        EXPECT_EQ(FindLexInsertionPoint(0, 0, Key("abd")), 52);
        EXPECT_EQ(FindLexInsertionPoint(0, 0, Key("c")), -1);
    }
}

TEST_F(LexStoreTest, RefusalsLeaveTheBodyUnchanged) {
    OpenNew();
    for (u8 i = 1; i <= 4; ++i) ASSERT_EQ(Insert("ab", {i}), 0);
    ASSERT_EQ(Insert("abc", {9}), 0);
    Bytes before = Body();
    EXPECT_EQ(Insert("ab", {5}), kLexBadKey);  // a fifth record
    EXPECT_EQ(Insert("", {5}), kLexBadKey);
    EXPECT_EQ(Insert(std::string(35, 'x'), {5}), 0);  // 35 bytes is the longest key
    EXPECT_EQ(Delete(std::string(35, 'x'), {5}), 0);
    EXPECT_EQ(Delete("ab", {7}), kLexNotFound);
    EXPECT_EQ(Delete("a", {1}), kLexNotFound);
    EXPECT_EQ(Delete("abcd", {9}), kLexNotFound);
    EXPECT_EQ(Delete("", {1}), kLexNotFound);
    EXPECT_EQ(Body(), before);
    EXPECT_EQ(LexEntryCount, 5u);

    BoundedArray<BoundedArray<u8>> rows;
    InitByteMatrix(rows, 4, 2);
    EXPECT_EQ(CollectLexRecords(Key("ab"), rows, 2), 4);
    for (u8 i = 0; i < 4; ++i) EXPECT_EQ(rows[i][0], i + 1);  // stored order
    EXPECT_EQ(CollectLexRecords(Key("abc"), rows, 0), 1);

    // Without an open file nothing changes, though the body is loaded.
    KRZCloseLexFile();
    EXPECT_EQ(Insert("zz", {1}), kLexNotOpen);
    EXPECT_EQ(Delete("ab", {1}), kLexNotOpen);
    EXPECT_EQ(Body(), before);
}

TEST_F(LexStoreTest, DeleteMatchesDataUpToTheGivenNul) {
    OpenNew();
    ASSERT_EQ(Insert("k", {'x', 0, 'A'}), 0);
    ASSERT_EQ(Insert("k", {'y', 0}), 0);
    EXPECT_EQ(Delete("k", {'x', 0}), kLexNotFound);       // stored length differs
    EXPECT_EQ(Delete("k", {'x', 1, 'A'}), kLexNotFound);  // a differing byte before any NUL
    EXPECT_EQ(Delete("k", {'x', 0, 'B'}), 0);             // bytes after the NUL are not compared
    EXPECT_EQ(LexEntryCount, 1u);
    EXPECT_EQ(Delete("k", {'y', 0}), 0);
    EXPECT_EQ(LexBodySize, 0u);
    EXPECT_EQ(gUserLexicon.count, 1u);
    EXPECT_EQ(IsUserLexiconEmpty(), 1);
}

TEST_F(LexStoreTest, EntriesByIndex) {
    OpenNew();
    ASSERT_EQ(Insert("b", {2}), 0);
    ASSERT_EQ(Insert("a", {1, 1, 1}), 0);
    BoundedString key = Key("");
    BoundedArray<u8> data;
    data.Allocate(4);
    EXPECT_EQ(GetLexEntryByIndex(0, key, data, 4), 1);
    EXPECT_EQ(Text(key), "a");
    EXPECT_EQ(data[2], 1);
    EXPECT_EQ(GetLexEntryByIndex(1, key, data, 4), 1);
    EXPECT_EQ(Text(key), "b");
    EXPECT_EQ(GetLexEntryByIndex(2, key, data, 4), 0);
}

TEST_F(LexStoreTest, CheckFindsBrokenChains) {
    Bytes good = kWorkedExample;
    EXPECT_EQ(CheckLexBody(good.data(), 64, 4), 0);
    EXPECT_NE(CheckLexBody(good.data(), 64, 3), 0);  // count differs from the body
    struct Damage { std::size_t at; u8 value; };
    for (Damage d : std::vector<Damage>{
             {3, 200},    // depth-0 distance past the end
             {3, 16},     // lands on an entry of the same group
             {3, 0},      // head without its link to b
             {11, 30},    // lands inside an entry
             {19, 4},     // a distance on an entry that is not a head
             {52, 'a'},   // chain bytes no longer ascend
             {13, 200},   // data length past the end
             {0, 0},      // an empty key
             {7, 52},     // reaches the end of its parent group (the b entry)
         }) {
        Bytes bad = good;
        bad[d.at] = d.value;
        EXPECT_NE(CheckLexBody(bad.data(), 64, 4), 0) << "damage at " << d.at;
    }
    for (u32 cut = 1; cut < 64; ++cut)
        EXPECT_NE(CheckLexBody(good.data(), cut, 4), 0) << "cut at " << cut;
}

// Random inserts and deletes against a model list: after every step the
// body equals one built from the definition of the layout.
TEST_F(LexStoreTest, RandomSequencesMatchTheDefinition) {
    OpenNew();
    std::mt19937 rng(7);
    std::vector<PlainEntry> model;
    auto less = [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                            [](char x, char y) { return static_cast<u8>(x) < static_cast<u8>(y); });
    };
    for (int step = 0; step < 3000; ++step) {
        std::string key;
        int n = 1 + static_cast<int>(rng() % 4);
        for (int i = 0; i < n; ++i) key.push_back("abc\xE9"[rng() % 4]);
        Bytes data(1 + rng() % 3);
        for (u8& b : data) b = static_cast<u8>(1 + rng() % 3);
        if (rng() % 3 != 0) {
            std::size_t same = std::count_if(model.begin(), model.end(), [&](const PlainEntry& e) { return e.key == key; });
            i16 r = Insert(key, data);
            if (same >= 4) {
                ASSERT_EQ(r, kLexBadKey);
                continue;
            }
            ASSERT_EQ(r, 0);
            auto at = std::find_if(model.begin(), model.end(), [&](const PlainEntry& e) { return less(key, e.key); });
            model.insert(at, PlainEntry{key, data});
        } else {
            auto it = std::find_if(model.begin(), model.end(), [&](const PlainEntry& e) { return e.key == key && e.data == data; });
            i16 r = Delete(key, data);
            if (it == model.end()) {
                ASSERT_EQ(r, kLexNotFound);
                continue;
            }
            ASSERT_EQ(r, 0);
            model.erase(it);
        }
        ASSERT_EQ(Body(), BuildBody(model)) << "step " << step;
        ASSERT_EQ(LexEntryCount, model.size());
        ASSERT_EQ(CheckLexiconStructure(), 0);
    }
}

TEST_F(LexStoreTest, BodyNeverPassesTheDistanceLimit) {
    // 256 entries of 65534 bytes: 16,776,704 bytes, 511 below the limit.
    std::vector<PlainEntry> entries;
    for (int i = 0; i < 256; ++i)
        entries.push_back({std::string{static_cast<char>('a' + i / 16), static_cast<char>('a' + i % 16)},
                           Bytes(65520, 7)});
    Bytes body = BuildBody(entries);
    ASSERT_EQ(body.size(), 16776704u);
    Bytes image = MakeImage(body, 3, 256);
    OpenNew();
    ASSERT_EQ(KRZSetLexicon(image.data(), static_cast<uint32_t>(image.size())), 0);
    EXPECT_EQ(Insert("zz", Bytes(600, 1)), kLexNoMemory);
    EXPECT_EQ(LexBodySize, body.size());
    EXPECT_EQ(Insert("zz", Bytes(490, 1)), 0);  // 4*2 + 6 + 490 = 504 bytes still fit
    EXPECT_EQ(CheckLexiconStructure(), 0);
}

}  // namespace
