// The traits table of the finding codes: every category bit of the host's
// mask belongs to one finding, and a finding offered a correction has a
// span of words to correct.
#include "frame/rule_codes.h"

#include <gtest/gtest.h>

#include "krzlib.h"

namespace {

// Category bits a finding can carry: one, or five by detail.
u32 BitsOf(RuleCode code) {
    const FindingTraits& t = TraitsOf(code);
    if ((t.flags & kFindingBitPerDetail) == 0) return t.categoryBit;
    u32 bits = 0;
    for (u32 detail = 1; detail <= 5; ++detail) bits |= t.categoryBit << (detail - 1);
    return bits;
}

TEST(RuleCodesTest, EveryCategoryBitBelongsToOneFinding) {
    u32 seen = 0;
    for (RuleCode code = 0; code < 64; ++code) {
        const u32 bits = BitsOf(code);
        EXPECT_EQ(seen & bits, 0u) << "code " << code << " shares a category bit";
        seen |= bits;
    }
    EXPECT_EQ(seen, static_cast<u32>(KRZ_CATEGORY_ALL));
    EXPECT_EQ(BitsOf(kCodeSignBalance), 0xF8u);
}

TEST(RuleCodesTest, CorrectedFindingsSpanWords) {
    for (RuleCode code = 0; code < 64; ++code) {
        const FindingTraits& t = TraitsOf(code);
        if (t.recipe == CorrectionRecipe::kNone) continue;
        EXPECT_NE(t.span, SpanRule::kSentenceStart) << "code " << code;
        EXPECT_NE(t.span, SpanRule::kQuestionEnd) << "code " << code;
        EXPECT_NE(t.span, SpanRule::kLastWord) << "code " << code;
    }
}

TEST(RuleCodesTest, CodesWithoutARowAreGrammarFindingsWithoutCorrection) {
    // 54 is the reading gate of the dispatcher, never reported.
    for (const RuleCode code : {0, 5, 51, 54, 64, 257}) {
        const FindingTraits& t = TraitsOf(code);
        EXPECT_EQ(t.errorClass, KRZ_CLASS_GRAMMAR) << code;
        EXPECT_EQ(t.categoryBit, 0u) << code;
        EXPECT_EQ(t.flags, 0) << code;
        EXPECT_EQ(t.recipe, CorrectionRecipe::kNone) << code;
    }
    // The composer's paired subject-verb target is a subject-verb finding.
    EXPECT_EQ(&TraitsOf(kCodePairedSubjectVerb), &TraitsOf(kCodeSubjectVerbAgreement));
}

}  // namespace
