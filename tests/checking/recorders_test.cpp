// Hit callbacks: offsets of a span, replacements moving the walk's offsets,
// the duplicate history, codes of the spelling recorder, the message copy
// and the word-analysis bookkeeping.
#include "checking/recorders.h"

#include "frame/memory_blocks.h"

#include "paragraph_fixture.h"

using namespace paragraph_fixture;

namespace {

class RecordersTest : public ParagraphTest {
protected:
    void SetUp() override {
        ParagraphTest::SetUp();
        Sentences("Le chat dort.");  // Le(0-1) chat(3-6) dort(8-11) .(12)
        gParagraphErrorTable = table_;
        gParagraphErrorCount = 0;
        gHitHistoryCount = 0;
        ErrorCategoryMask = KRZ_CATEGORY_ALL;
        InitByteMatrix(list_, kSuggestionSlots, kSuggestionCapacity);
        message_.Allocate(64);
        CopyCString(message_, "message");
    }
    void TearDown() override {
        gMessageAllocator = AllocateBlock;
        ParagraphTest::TearDown();
    }
    u16 Grammar(i32 first, i32 last, RuleCode code, u16 count = 0, u16 adjust = 0) {
        return RecordGrammarError(first, last, code, 0, 0, message_, count, list_, adjust);
    }
    StringList list_;
    BoundedString message_;
};

TEST_F(RecordersTest, SpanOffsets) {
    struct Case {
        i32 first, last;
        u32 start, end;
    };
    const Case cases[] = {
        {1, 2, 3, 11},
        {2, 1, 3, 6},    // inverted: the start comes from the last word
        {4, 2, 0, 11},   // the word count itself is outside the table: word 0
        {9, 9, 0, 1},
        {-3, 1, 0, 6},
    };
    for (const Case& c : cases) {
        gParagraphErrorCount = 0;
        gHitHistoryCount = 0;
        ASSERT_EQ(Grammar(c.first, c.last, 16), 1);
        EXPECT_EQ(table_[0].start, c.start) << c.first << "," << c.last;
        EXPECT_EQ(table_[0].end, c.end) << c.first << "," << c.last;
        KRZClearParagraphTab(table_, 1);
    }
}

TEST_F(RecordersTest, ReplacementMovesTheOffsetsEvenWhenTheTableIsFull) {
    CopyCString(list_[0], "chats");  // replaces "chat": one character more
    gCurrentOffset = 13;
    gRangeEnd = 12;
    gTextEndOffset = 13;
    ASSERT_EQ(Grammar(1, 1, 3, 1, 1), 1);
    EXPECT_EQ(gCurrentOffset, 14u);
    EXPECT_EQ(gRangeEnd, 13u);
    EXPECT_EQ(gTextEndOffset, 14u);
    EXPECT_STREQ(table_[0].suggestions[0], "chats");

    gParagraphErrorCount = KRZ_MAX_PARAGRAPH_ERRORS;
    CopyCString(list_[0], "ch");
    EXPECT_EQ(Grammar(1, 1, 3, 1, 1), 0);
    EXPECT_EQ(gRangeEnd, 11u);
    gParagraphErrorCount = 1;
    gHitHistoryCount = 0;

    // The analysis bookkeeping leaves the range end alone.
    EXPECT_EQ(AccountAnalysisError(1, 1, 3, 0, 0, message_, 1, list_, 1), 1);
    EXPECT_EQ(gCurrentOffset, 10u);
    EXPECT_EQ(gRangeEnd, 11u);
    EXPECT_EQ(gTextEndOffset, 10u);
}

TEST_F(RecordersTest, HistoryOfTwentyHits) {
    EXPECT_EQ(Grammar(1, 2, 16), 1);
    EXPECT_EQ(Grammar(1, 2, 16), 1);
    EXPECT_EQ(Grammar(1, 2, 16), 0);  // third report: the sentence stops
    EXPECT_EQ(Grammar(1, 2, 52), 1);  // another code is another triple
    // Masked hits still enter the history.
    ErrorCategoryMask = 0;
    EXPECT_EQ(Grammar(0, 0, 37), 1);
    EXPECT_EQ(Grammar(0, 0, 37), 1);
    EXPECT_EQ(Grammar(0, 0, 37), 0);
    EXPECT_EQ(gParagraphErrorCount, 3);
    // Twenty newer hits push the old ones out.
    for (i32 k = 0; k < 19; ++k) Grammar(0, k, 1);
    EXPECT_EQ(Grammar(1, 2, 16), 1);
    EXPECT_EQ(gHitHistoryCount, kHitHistorySize);
}

TEST_F(RecordersTest, SpellingRecorderKeepsItsCodes) {
    const struct {
        RuleCode code;
        u16 errorClass;  // 0: not recorded
    } cases[] = {{1, 2}, {2, 2}, {3, 1}, {4, 3}, {38, 3}, {16, 0}, {41, 0}, {63, 0}};
    for (const auto& c : cases) {
        gParagraphErrorCount = 0;
        gHitHistoryCount = 0;
        ASSERT_EQ(RecordSpellingError(0, 0, c.code, 0, 0, message_, 0, list_, 0), 1);
        EXPECT_EQ(gParagraphErrorCount, c.errorClass != 0 ? 1 : 0) << c.code;
        if (c.errorClass != 0) {
            EXPECT_EQ(table_[0].errorClass, c.errorClass) << c.code;
        }
        KRZClearParagraphTab(table_, gParagraphErrorCount);
    }
}

void* FailingAllocator(u32) { return nullptr; }

TEST_F(RecordersTest, MessageIsConvertedAndAFailedCopyAppendsNoRecord) {
    CopyCString(message_, MR("Accord « été »"));
    CopyCString(list_[0], MR("été"));
    ASSERT_EQ(Grammar(0, 0, 44, 1), 1);
    EXPECT_STREQ(table_[0].message, "Accord \xAB \xE9t\xE9 \xBB");
    EXPECT_STREQ(table_[0].suggestions[0], "\xE9t\xE9");
    EXPECT_EQ(table_[0].suggestionCount, 1);

    gMessageAllocator = FailingAllocator;
    EXPECT_EQ(Grammar(1, 1, 44), 0);
    EXPECT_EQ(gParagraphErrorCount, 1);
}

TEST_F(RecordersTest, WordAnalysisBookkeeping) {
    gTrackedWord = 2;
    gTrackedFirstCode = 0;
    gTrackedSpellingHit = 0;
    EXPECT_EQ(RecordWordAnalysisHit(0, 0, 16, 0, 0, message_, 0, list_, 0), 1);
    EXPECT_EQ(gTrackedFirstCode, 0);
    RecordWordAnalysisHit(0, 0, 44, 0, 0, message_, 0, list_, 0);
    RecordWordAnalysisHit(1, 1, 58, 0, 0, message_, 0, list_, 0);
    EXPECT_EQ(gTrackedFirstCode, 44);
    RecordWordAnalysisHit(0, 1, 1, 0, 0, message_, 0, list_, 0);
    EXPECT_EQ(gTrackedSpellingHit, 0);
    RecordWordAnalysisHit(1, 2, 1, 0, 0, message_, 0, list_, 0);
    EXPECT_EQ(gTrackedSpellingHit, 1);

    const struct {
        u16 tracked;
        i32 first, last, newIndex;
        u16 after;
    } cases[] = {{5, 1, 2, 1, 3}, {2, 1, 2, 1, 1}, {2, 1, 3, -1, 65535}, {0, 1, 2, 1, 0},
                 {65535, 0, 9, 0, 65535}};
    for (const auto& c : cases) {
        gTrackedWord = c.tracked;
        RemapTrackedWordIndex(c.first, c.last, c.newIndex);
        EXPECT_EQ(gTrackedWord, c.after) << c.tracked;
    }
    gTrackedWord = 65535;
}

}  // namespace
