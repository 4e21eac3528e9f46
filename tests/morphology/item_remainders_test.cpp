// The remainders a dictionary item can read, which the section index keeps
// per entry to pass by entries that cannot read a key: no ending, suffix or
// verb item of the built-in data, English or French, may match a remainder
// left out of its set, or a word behind such an entry would be lost.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/records.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "krzlib.h"
#include "morphology/dict_format.h"
#include "morphology/section_walk.h"

namespace {

class ItemRemaindersTest : public ::testing::Test {
protected:
    void SetUp() override {
        while (gInitCount != 0) KRZEnd();
        KRZInit(0, 1);
    }
    void French() {
        while (gInitCount != 0) KRZEnd();
        KRZInit(1, 0);
    }
    void TearDown() override {
        while (gInitCount != 0) KRZEnd();
    }
};

KeyText Key(const std::string& text) { return KeyText{reinterpret_cast<const u8*>(text.data()), static_cast<u32>(text.size())}; }

// Key tails: every tail of up to two letters of the ending alphabet, the
// "-es" plurals, and a few longer English endings.
std::vector<std::string> Tails() {
    std::string alphabet = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    // é à è ê ï î ô û ç (Mac Roman)
    for (const int c : {0x8E, 0x88, 0x8F, 0x90, 0x95, 0x94, 0x99, 0x9E, 0x8D}) alphabet += static_cast<char>(c);
    std::vector<std::string> tails = {""};
    for (char a : alphabet) {
        tails.push_back(std::string(1, a));
        tails.push_back(std::string(1, a) + "es");
        for (char b : alphabet) tails.push_back(std::string(1, a) + b);
    }
    for (const char* t : {"ness", "sses", "ment", "ments", "ation", "ations", "ically", "nesses", "ization", "elle",
                          "elles", "euse", "euses", "ation", "ement", "ements", "issement", "issements"})
        tails.push_back(t);
    return tails;
}

TEST_F(ItemRemaindersTest, NoEndingOrSuffixMatchesOutsideItsSet) {
    const std::vector<std::string> tails = Tails();
    for (u32 code = 0; code < 256; ++code) {
        const u32 set = EnglishItemRemainders(false, static_cast<u8>(code));
        for (const bool modified : {false, true}) {
            for (const std::string& tail : tails) {
                const std::string key = "abcd" + tail;
                const u32 r = static_cast<u32>(tail.size());
                u8 number = 0;
                bool abbreviation = false;
                if (!MatchEnglishEnding(static_cast<u8>(code), modified, Key(key), r, number, abbreviation)) continue;
                EXPECT_NE(set >> r & 1u, 0u) << "code " << code << (modified ? " after a modifier" : "")
                                              << " reads the " << r << " letters of \"" << tail << "\"";
            }
        }
    }
}

TEST_F(ItemRemaindersTest, EveryVerbSlotEndingIsInItsModelsSet) {
    ASSERT_GT(gEnglishEndingRows.count, 0u);
    for (u32 model = 0; model < gEnglishEndingRows.count; ++model) {
        const u32 set = EnglishItemRemainders(true, static_cast<u8>(model));
        const EnglishEndingRow& row = gEnglishEndingRows.data[model];
        for (i32 t = 0; t < 5; ++t) {
            const u32 length = row.EndingLengths[t];
            if (length == 0) continue;
            const u8* text = EndingText(length, row.EndingIndexes[t]);
            ASSERT_NE(text, nullptr);
            std::string ending(reinterpret_cast<const char*>(text), length);
            if (ending == "$") ending.clear();
            const u32 r = static_cast<u32>(ending.size());
            const std::string key = "abcd" + ending;
            if (EnglishSlotMatch(model, Key(key), r) < 0) continue;
            EXPECT_NE(set >> r & 1u, 0u) << "model " << model << " slot " << t << " \"" << ending << "\"";
        }
        // The flag bit of the model byte reads the same row.
        EXPECT_EQ(EnglishItemRemainders(true, static_cast<u8>(model | 0x80)), set);
    }
    // A model beyond the rows is reported by the walk: no remainder it
    // would reach is left out.
    const u32 past = EnglishItemRemainders(true, static_cast<u8>(gEnglishEndingRows.count));
    if (gEnglishEndingRows.count < 128) {
        EXPECT_EQ(past, (1u << (kEnglishMaxVerbRemainder + 1)) - 1);
    }
}

TEST_F(ItemRemaindersTest, NoFrenchEndingOrSuffixMatchesOutsideItsSet) {
    French();
    const std::vector<std::string> tails = Tails();
    for (u32 code = 0; code < 256; ++code) {
        const u32 set = FrenchItemRemainders(false, static_cast<u8>(code));
        // Behind a modifier mark the walk reads the code 64 lower.
        for (const u32 read : {code, code >= 64 ? code - 64 : code}) {
            for (const std::string& tail : tails) {
                const std::string key = "abcd" + tail;
                const u32 r = static_cast<u32>(tail.size());
                EndingReading e;
                if (!MatchFrenchEnding(static_cast<u8>(read), Key(key), r, e)) continue;
                EXPECT_NE(set >> r & 1u, 0u) << "code " << code << " read as " << read << " reads the " << r
                                              << " letters of \"" << tail << "\"";
            }
        }
    }
}

TEST_F(ItemRemaindersTest, EveryFrenchVerbSlotEndingIsInItsModelsSet) {
    French();
    ASSERT_GT(FrenchModelCount(), 0u);
    for (u32 model = 0; model < FrenchModelCount() && model < 125; ++model) {
        const u32 set = FrenchItemRemainders(true, static_cast<u8>(model));
        const EndingRow& row = gEndingRows.data[model];
        for (u32 t = 0; t < kFrenchSlotCount; ++t) {
            const u32 length = row.EndingLengths[static_cast<i32>(t)];
            if (length == 0 || length > kFrenchMaxVerbRemainder) continue;
            const u8* text = EndingText(length, row.EndingIndexes[static_cast<i32>(t)]);
            ASSERT_NE(text, nullptr);
            std::string ending(reinterpret_cast<const char*>(text), length);
            if (ending == "$") ending.clear();
            const u32 r = static_cast<u32>(ending.size());
            if (!FrenchSlotMatches(model, t, Key("abcd" + ending), r)) continue;
            EXPECT_NE(set >> r & 1u, 0u) << "model " << model << " slot " << t << " \"" << ending << "\"";
        }
    }
    // The stem-only models read nothing after the stem.
    EXPECT_EQ(FrenchItemRemainders(true, 127), 1u);
    EXPECT_EQ(FrenchItemRemainders(true, 125), 1u);
}

}  // namespace
