// The sentence reset leaves every field of every word record defined.
#include "frame/sentence_state.h"

#include <gtest/gtest.h>

#include <cstring>

#include "frame/bounded_string.h"
#include "frame/records.h"
#include "frame/tables.h"

namespace {

void Dirty(BoundedString& s) {
    if (s.data != nullptr) std::memset(s.data, 'x', s.count);
}
template <typename T>
void Dirty(BoundedArray<T>& a) {
    for (u32 k = 0; k < a.count; ++k) a.data[k] = static_cast<T>(0x5A);
}

void DirtyWord(WordRecord& w) {
    w.ReadingCount = 7;
    Dirty(w.ReadingClasses);
    Dirty(w.ReadingFeatures);
    Dirty(w.ReadingCategories);
    Dirty(w.ReadingMarks);
    Dirty(w.ReadingLemmaRefs);
    w.GroupMark = 9;
    w.FunctionCode = 9;
    w.LinkedWord = 3;
    Dirty(w.BaseText);
    w.StartOffset = 99;
    w.EndOffset = 99;
    w.ClauseNumber = 9;
    w.OriginalIndex = 9;
    w.SourceIndex = 9;
    w.SpanFlag = 9;
    w.WordCaseMode = 9;
    w.FirstLigaturePos = 9;
    w.SecondLigaturePos = 9;
    w.LigatureMode = 9;
    w.QuoteFlags = 9;
    w.CorrectionMark = 9;
    w.AmbiguityFlag = 9;
    Dirty(w.WordText);
    Dirty(w.LexiconForm);
    Dirty(w.SeparatorText);
}

template <typename T>
bool AllZero(const BoundedArray<T>& a) {
    for (u32 k = 0; k < a.count; ++k) {
        if (a.data[k] != 0) return false;
    }
    return a.count != 0;
}

struct SentenceShape {
    u16 words;
    i32 dirty[3];  // records the sentence wrote
};

// A full table, then a short sentence with the record just past its words
// written (the pseudo-word of its end).
constexpr SentenceShape kShapes[] = {{128, {0, 64, 127}}, {12, {0, 11, 12}}};

void CheckResetOf(const SentenceShape& shape) {
    ASSERT_EQ(gWords.count, 128u);
    for (i32 i : shape.dirty) DirtyWord(gWords[i]);
    gWordCount = shape.words;
    gSpellingSuggestionCount = 5;
    for (u32 k = 0; k < gSpellingSuggestions.count; ++k) Dirty(gSpellingSuggestions[k]);
    gSentenceEndPending = gAbbreviationPending = gLineBreakPending = gDashPending = 1;

    ResetSentenceState();

    EXPECT_EQ(gWordCount, 0);
    EXPECT_EQ(gSpellingSuggestionCount, 0);
    ASSERT_EQ(gSpellingSuggestions.count, 24u);
    for (u32 k = 0; k < gSpellingSuggestions.count; ++k) {
        EXPECT_TRUE(AllZero(gSpellingSuggestions[k])) << k;
    }
    EXPECT_EQ(gSentenceEndPending + gAbbreviationPending + gLineBreakPending + gDashPending, 0);

    for (u32 i = 0; i < gWords.count; ++i) {
        const WordRecord& w = gWords[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(w.ReadingCount, 0);
        EXPECT_TRUE(AllZero(w.ReadingClasses));
        EXPECT_TRUE(AllZero(w.ReadingFeatures));
        EXPECT_TRUE(AllZero(w.ReadingCategories));
        EXPECT_TRUE(AllZero(w.ReadingMarks));
        EXPECT_TRUE(AllZero(w.ReadingLemmaRefs));
        EXPECT_EQ(w.GroupMark, 0);
        EXPECT_EQ(w.FunctionCode, 0);
        EXPECT_EQ(w.LinkedWord, 65535);
        EXPECT_TRUE(AllZero(w.BaseText));
        EXPECT_EQ(w.StartOffset, 0u);
        EXPECT_EQ(w.EndOffset, 0u);
        EXPECT_EQ(w.ClauseNumber, 0);
        EXPECT_EQ(w.OriginalIndex, 0);
        EXPECT_EQ(w.SourceIndex, 0);
        EXPECT_EQ(w.SpanFlag, 0);
        EXPECT_EQ(w.WordCaseMode, 0);
        EXPECT_EQ(w.FirstLigaturePos, 65535);
        EXPECT_EQ(w.SecondLigaturePos, 65535);
        EXPECT_EQ(w.LigatureMode, 0);
        EXPECT_EQ(w.QuoteFlags, 0);
        EXPECT_EQ(w.CorrectionMark, 0);
        EXPECT_EQ(w.AmbiguityFlag, 0);
        EXPECT_TRUE(AllZero(w.WordText));
        EXPECT_TRUE(AllZero(w.LexiconForm));
        EXPECT_TRUE(AllZero(w.SeparatorText));
        // Buffers stay the records' own: nothing was reallocated or shared.
        EXPECT_EQ(w.WordText.count, 36u);
        EXPECT_NE(WordRecordBlock(w), nullptr);
    }
}

TEST(SentenceStateTest, ResetDefinesEveryField) {
    for (const SentenceShape& shape : kShapes) {
        SCOPED_TRACE(shape.words);
        CheckResetOf(shape);
    }
}

}  // namespace
