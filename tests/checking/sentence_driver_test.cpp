// The sentence driver's count of findings under each reading combination.
#include <gtest/gtest.h>

#include <string>

#include "checking/dispatcher.h"
#include "frame/report.h"
#include "frame/rule_codes.h"
#include "frame/tables.h"
#include "krzlib.h"

namespace {

u32 gCalls = 0;

// The missing-verb rule as the dispatcher runs it: it fires while the
// resume point lies before the sentence's end and writes no position.
RuleCode MissingVerbOnly(u16) {
    ++gCalls;
    gSentenceMeasure = static_cast<i16>(gWordCount);
    if (gWordCount <= gLastErrorPos) return 0;
    gLastRule = kCodeMissingVerb;
    gErrorExtent = 0;
    return kCodeMissingVerb;
}

// "He'd" reads "he had" and "he would": two combinations, each counted. The
// count moves past the missing verb as the report does (it ran the whole
// dispatcher thousands of times and counted as many findings).
TEST(SentenceDriverTest, MissingVerbCountsOnceInEachCombination) {
    KRZInit(0, 1);
    KRZSetLanguage(0);
    gDispatcherTestHook = MissingVerbOnly;
    gCalls = 0;
    static ParagraphErrorRecord table[KRZ_MAX_PARAGRAPH_ERRORS + 1];
    const std::string text = "He'd gone home now.";
    const uint32_t n = TQ4DTestGrammarParagraph(text.c_str(), 0, static_cast<int32_t>(text.size()), table,
                                                KRZ_CATEGORY_ALL, 1, 1, 0, 0, 1, 0);
    gDispatcherTestHook = nullptr;
    EXPECT_EQ(n, 1u);
    EXPECT_EQ(gCalls, 6u);  // two calls a series: a count per combination, then the report
    KRZClearParagraphTab(table, static_cast<int16_t>(n));
    KRZEnd();
}

}  // namespace
