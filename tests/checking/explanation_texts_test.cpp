// The table of explanation passages: both languages of a passage take the
// same arguments in the same order (the tree passes one argument list to
// whichever language is asked), no passage is missing in both, and every
// text is in the library's code page.
#include "checking/explanation_texts.h"

#include <gtest/gtest.h>

#include <string>

#include "frame/mac_roman_literal.h"

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

// Offset of the first UTF-8 sequence in text that encodes a character of the
// code page ("é" as C3 A9, a no-break space as C2 A0, "“" as E2 80 9C): a
// source literal that skipped the conversion. -1 when there is none. Code
// page text never holds one by chance: its lead bytes (¬ √ ‚ …) are not
// followed by letters that would complete a sequence naming such a character.
int UnconvertedUtf8At(const char* text) {
    const auto* s = reinterpret_cast<const unsigned char*>(text);
    for (int i = 0; s[i] != 0; ++i) {
        int length = s[i] >= 0xC2 && s[i] <= 0xDF ? 2 : s[i] >= 0xE0 && s[i] <= 0xEF ? 3 : 0;
        if (length == 0) continue;
        u32 cp = s[i] & (length == 2 ? 0x1F : 0x0F);
        int k = 1;
        for (; k < length && (s[i + k] & 0xC0) == 0x80; ++k) cp = (cp << 6) | (s[i + k] & 0x3F);
        if (k < length) continue;
        for (u16 known : mac_roman_literal::kMacRomanCodePoints) {
            if (known == cp) return i;
        }
    }
    return -1;
}

TEST(ExplanationTextsTest, EveryTextIsInTheCodePage) {
    for (u16 french = 0; french <= 1; ++french) {
        for (u32 i = 0; i < kTextCount; ++i) {
            const char* text = ExplanationText(static_cast<TextId>(i), french);
            EXPECT_EQ(UnconvertedUtf8At(text), -1) << "passage " << i << (french ? " (French): " : " (English): ") << text;
        }
        for (u32 i = 0; i < 20; ++i) EXPECT_EQ(UnconvertedUtf8At(ClassNameText(i, french)), -1) << "class " << i;
        for (u32 i = 0; i < 18; ++i) EXPECT_EQ(UnconvertedUtf8At(CategoryNameText(i, french)), -1) << "category " << i;
        EXPECT_EQ(UnconvertedUtf8At(FixedExpressionNameText(french)), -1);
        EXPECT_EQ(UnconvertedUtf8At(AdverbNameText(french)), -1);
    }
}

}  // namespace
