#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/bounded_string.h"
#include "frame/mac_roman_literal.h"
#include "frame/tagged_words.h"

namespace {

const char* const kEnglishFixture[] = {
    "201ad \xA4" "11",          // 0
    "301add \xA4V0",            // 1
    "303aid \xA4V0",            // 2
    "305air \xA4" "11",         // 3
    "305err \xA4V0",            // 4
    "405heir \xA4" "11",        // 5
    "406I'll \xA4" "68",        // 6
    "410aunt \xA4" "11 (Am.)",  // 7
};

const char* const kFrenchFixture[] = {
    MR("201ou §16"),                  // 0
    MR("201où §18 de lieu"),          // 1
    MR("301hou §19"),                 // 2
    MR("401houe §11 §F (outil)"),     // 3
    MR("401houe §V51"),               // 4
    MR("30*ces §66 §P"),              // 5
    MR("30*ses §26 §P"),              // 6
    MR("206dé §11 §M (petit cube)"),  // 7
};

StringList Fixture(const char* const (&entries)[8]) { return MakeLiteralList(entries); }

std::string Word(const BoundedString& entry) {
    BoundedString w;
    w.Allocate(36);
    CopyTaggedWord(entry, w);
    return std::string(reinterpret_cast<const char*>(w.data), static_cast<size_t>(GetStringLength(w)));
}

i32 Find(const StringList& list, i32 count, const std::string& text) {
    return FindTaggedWord(list, count, reinterpret_cast<const u8*>(text.data()), static_cast<i32>(text.size()));
}

std::vector<u16> Group(const StringList& list, i32 count, i32 index, u16 capacity = 32) {
    u16 out[32] = {};
    u16 n = CollectTaggedWordGroup(list, count, index, out, capacity);
    return std::vector<u16>(out, out + n);
}

}  // namespace

TEST(TaggedWords, ReadersSplitAnEntryIntoItsParts) {
    StringList fr = Fixture(kFrenchFixture);
    StringList en = Fixture(kEnglishFixture);
    struct Case {
        const BoundedString* entry;
        i32 length;
        const char* key;
        std::string word;
        u16 verb;
    };
    const Case cases[] = {
        {&en[6], 4, "06", "I'll", 0},      {&en[1], 3, "01", "add", 1},
        {&en[7], 4, "10", "aunt", 0},      {&fr[1], 2, "01", MR("où"), 0},
        {&fr[4], 4, "01", "houe", 1},      {&fr[5], 3, "0*", "ces", 0},
        {&fr[7], 2, "06", MR("dé"), 0},
    };
    for (const Case& c : cases) {
        const BoundedString& e = *c.entry;
        EXPECT_EQ(TaggedWordLength(e), c.length) << c.word;
        EXPECT_EQ(TaggedWordGroupKey(e), (c.key[0] << 8) | c.key[1]) << c.word;
        EXPECT_EQ(Word(e), c.word);
        EXPECT_EQ(IsTaggedVerbEntry(e), c.verb) << c.word;
    }
}

TEST(TaggedWords, AnnotationsAreMatchedWholeAndCommentsIgnored) {
    StringList fr = Fixture(kFrenchFixture);
    StringList en = Fixture(kEnglishFixture);
    struct Case {
        const BoundedString* entry;
        const char* code;
        u16 expected;
    };
    const Case cases[] = {
        {&fr[3], "11", 1}, {&fr[3], "F", 1},  {&fr[3], "1", 0},  {&fr[3], "outil", 0},
        {&fr[1], "18", 1}, {&fr[1], "de", 0}, {&fr[4], "V51", 1}, {&fr[4], "V5", 0},
        {&en[1], "V0", 1}, {&en[1], "V", 0},  {&en[7], "11", 1}, {&en[7], "(Am.)", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(HasTaggedAnnotation(*c.entry, c.code), c.expected) << c.code;
}

TEST(TaggedWords, SearchFindsTheFirstEntryInUseAndItsGroup) {
    StringList en = Fixture(kEnglishFixture);
    StringList fr = Fixture(kFrenchFixture);
    EXPECT_EQ(Find(en, 8, "add"), 1);
    EXPECT_EQ(Find(en, 8, "ad"), 0);
    EXPECT_EQ(Find(en, 8, "ai"), -1);
    EXPECT_EQ(Find(en, 8, "heir"), 5);
    EXPECT_EQ(Find(en, 5, "heir"), -1);  // beyond the entries in use
    EXPECT_EQ(Find(fr, 8, MR("où")), 1);
    EXPECT_EQ(Find(fr, 8, "houe"), 3);
    EXPECT_EQ(Find(fr, 100, "cube"), -1);

    EXPECT_EQ(Group(en, 8, 4), (std::vector<u16>{4, 3, 5}));
    EXPECT_EQ(Group(en, 8, 4, 2), (std::vector<u16>{4, 3}));
    EXPECT_EQ(Group(en, 5, 4), (std::vector<u16>{4, 3}));
    EXPECT_EQ(Group(en, 8, 6), (std::vector<u16>{6}));
    EXPECT_EQ(Group(fr, 8, 1), (std::vector<u16>{1, 0, 2, 3, 4}));
    EXPECT_EQ(Group(fr, 8, 8), (std::vector<u16>{}));
}

TEST(TaggedWords, MalformedEntriesReadAsEmpty) {
    const char* const odd[] = {"", "9ab", "2xy"};
    StringList list = MakeLiteralList(odd);
    for (u32 k = 0; k < list.count; ++k) {
        EXPECT_EQ(TaggedWordLength(list[k]), 0) << k;
        EXPECT_EQ(Word(list[k]), "") << k;
        EXPECT_EQ(IsTaggedVerbEntry(list[k]), 0) << k;
    }
    BoundedString small;
    small.Allocate(3);
    StringList en = Fixture(kEnglishFixture);
    CopyTaggedWord(en[5], small);  // "heir" cut to the capacity
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(small.data)), "he");
}

// (The contents of the built-in lists: tagged_words_data_test.cpp.)
TEST(TaggedWords, GlobalListsAreValidAndChosenByLanguage) {
    EXPECT_EQ(&TaggedWordsFor(0), &gEnglishTaggedWords);
    EXPECT_EQ(&TaggedWordsFor(3), &gFrenchTaggedWords);
    EXPECT_EQ(&TaggedWordsFor(10), &gFrenchTaggedWords);
    for (const StringList* list : {&gEnglishTaggedWords, &gFrenchTaggedWords}) {
        EXPECT_EQ(list->valid, 1);
        // An index beyond the list is clamped onto an entry, never outside.
        EXPECT_EQ(TaggedWordLength(list->ClampedAt(static_cast<i32>(list->count) + 5)),
                  TaggedWordLength((*list)[static_cast<i32>(list->count) - 1]));
    }
}
