// The table of explanation passages: both languages of a passage take the
// same arguments in the same order (the tree passes one argument list to
// whichever language is asked), and no passage is missing in both.
#include "checking/explanation_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The conversions of a printf-style text, in order ("sd" for "%s ... %d");
// '?' for a '%' that is not one of the conversions the tree passes.
std::string Conversions(const char* text) {
    std::string out;
    for (const char* p = text; *p != 0; ++p) {
        if (*p != '%') continue;
        const char c = p[1];
        out += (c == 's' || c == 'd' || c == 'c') ? c : '?';
        if (c != 0) ++p;
    }
    return out;
}

TEST(ExplanationTextsTest, BothLanguagesTakeTheSameArguments) {
    for (u32 i = 0; i < kTextCount; ++i) {
        const TextId id = static_cast<TextId>(i);
        const char* english = ExplanationText(id, 0);
        const char* french = ExplanationText(id, 1);
        ASSERT_NE(english, nullptr) << i;
        ASSERT_NE(french, nullptr) << i;
        EXPECT_TRUE(english[0] != 0 || french[0] != 0) << "passage " << i << " has no text";
        const std::string conversions = Conversions(english);
        EXPECT_EQ(conversions.find('?'), std::string::npos) << "passage " << i << ": " << english;
        // A passage one language lacks takes no arguments in the other.
        if (english[0] != 0 && french[0] != 0) EXPECT_EQ(conversions, Conversions(french)) << "passage " << i;
        else EXPECT_EQ(conversions + Conversions(french), "") << "passage " << i;
    }
    EXPECT_STREQ(ExplanationText(kTextCount, 0), "");
}

}  // namespace
