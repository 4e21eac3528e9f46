// The UTF-8 <-> host code page conversion of krzcheck, the tests and the
// benchmarks: bytes, the input code points under each host character, and
// what strict decoding does with invalid sequences.
#include "cli/host_text.h"

#include <gtest/gtest.h>

namespace {

using host_text::FromUtf8;
using host_text::HostText;
using host_text::kHostPlaceholder;

const std::string P(1, kHostPlaceholder);

TEST(HostText, CharactersToTheCodePage) {
    struct Case {
        const char* utf8;
        std::string host;
        bool invalid;
    };
    const Case cases[] = {
        {"abc", "abc", false},
        {"\xC3\xA9t\xC3\xA9", "\xE9t\xE9", false},                            // été
        {"l\xE2\x80\x99" "eau \xE2\x80\x9Cx\xE2\x80\x9D", "l\x92" "eau \x93x\x94", false},  // ’ “ ”
        {"\xC5\x93uf \xE2\x82\xAC \xE2\x80\xA6", "\x9Cuf \x80 \x85", false},    // œ € …
        {"a\xE2\x80\xAF!", "a\xA0!", false},                                    // narrow no-break space
        {"1\xE2\x80\x89" "000\xE2\x80\x87", "1\xA0" "000\xA0", false},         // thin and figure spaces
        {"a\xE2\x80\x90" "b\xE2\x80\x91" "c \xE2\x88\x92" "1", "a-b-c -1", false},  // hyphens, minus
        {"\xC5\x81" "\xC3\xB3" "d\xC5\xBA", P + "\xF3" "d" + P, false},        // Łódź
        {"\xF0\x9F\x98\x80", P, false},                                         // beyond the 16-bit plane
        {"Cafe\xCC\x81", "Caf\xE9", false},                                     // e + combining acute
        {"c\xCC\xA7" "a \xC5\xB8", "\xE7" "a \x9F", false},                     // c + cedilla; Ÿ
        {"x\xCC\x84", "x" + P, false},                                          // a mark with no precomposed form
        {"a\xC3(b", "a" + P + "(b", true},                                     // cut sequence: "(" read again
        {"a\xC0\x80" "b", "a" + P + P + "b", true},                            // overlong NUL
        {"\xED\xA0\x80", P + P + P, true},                                      // surrogate
        {"\xF4\x90\x80\x80", P + P + P + P, true},                              // above U+10FFFF
        {"\xE2\x82", P, true},                                                  // cut at the end
        {"\xEF\xBF\xBD", P, false},                                             // U+FFFD itself is valid
        // Invisible characters inside a word leave it whole; U+FEFF glues to no word.
        {"reto\xE2\x80\x8Burna", "retourna", false},                             // zero-width space
        {"d\xC3\xA9\xC2\xAD" "cor \xE2\x80\x8D" "a\xE2\x80\x8C" "b", "d\xE9" "cor ab", false},  // soft hyphen, ZWJ, ZWNJ
        {"la \xEF\xBB\xBF" "maison", "la maison", false},                         // U+FEFF inside the text
        // Superscript letters of abbreviations; a prime standing for an apostrophe.
        {"1\xE1\xB5\x89\xCA\xB3 M\xE1\xB5\x90\xE1\xB5\x89", "1er Mme", false},
        {"S\xE2\x80\xB2il", "S\x92il", false},
    };
    for (const Case& c : cases) {
        const HostText t = FromUtf8(c.utf8);
        EXPECT_EQ(t.bytes, c.host) << c.utf8;
        EXPECT_EQ(t.invalid, c.invalid) << c.utf8;
    }
    EXPECT_EQ(FromUtf8(std::string("a\0b", 3)).bytes, "a b");  // NUL is a blank
}

TEST(HostText, SpansCountTheInputsCodePoints) {
    const std::string input = "\xC5\x81\xC3\xB3" "dz Cafe\xCC\x81 noirr";  // Łódz Café noirr
    const HostText t = FromUtf8(input);
    ASSERT_EQ(t.bytes, P + "\xF3" "dz Caf\xE9 noirr");
    struct Case {
        size_t start, end;
        uint32_t first, last;
        const char* text;
    };
    const Case cases[] = {
        {0, 3, 0, 3, "\xC5\x81\xC3\xB3" "dz"},
        {5, 8, 5, 9, "Cafe\xCC\x81"},    // the composed letter covers its mark
        {10, 14, 11, 15, "noirr"},
        {10, 99, 11, 15, "noirr"},       // clamped to the text
    };
    for (const Case& c : cases) {
        uint32_t first = 0, last = 0;
        host_text::InputSpan(t, c.start, c.end, first, last);
        EXPECT_EQ(first, c.first) << c.start;
        EXPECT_EQ(last, c.last) << c.start;
        EXPECT_EQ(host_text::InputText(t, input, c.start, c.end), c.text) << c.start;
    }
}

// A word holding an invisible character: its span covers the character.
TEST(HostText, SpanOfAWordCoversItsInvisibleCharacters) {
    const std::string input = "Il reto\xE2\x80\x8Burna.";
    const HostText t = FromUtf8(input);
    ASSERT_EQ(t.bytes, "Il retourna.");
    uint32_t first = 0, last = 0;
    host_text::InputSpan(t, 3, 10, first, last);
    EXPECT_EQ(first, 3u);
    EXPECT_EQ(last, 11u);
    EXPECT_EQ(host_text::InputText(t, input, 3, 10), "reto\xE2\x80\x8Burna");
}

TEST(HostText, BackToUtf8) {
    for (int b = 1; b < 256; ++b) {
        const std::string host(1, static_cast<char>(b));
        const std::string utf8 = host_text::Utf8FromHost(host);
        const bool undefined = b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
        EXPECT_EQ(utf8 == "\xEF\xBF\xBD", undefined) << b;
        // The round trip; the soft hyphen gives no byte (it belongs to the
        // word it stands in).
        if (!undefined) {
            EXPECT_EQ(FromUtf8(utf8).bytes, b == 0xAD ? std::string() : host) << b;
        }
    }
    EXPECT_EQ(host_text::ValidUtf8("a\xC3(\xFF"), "a\xEF\xBF\xBD(\xEF\xBF\xBD");
}

}  // namespace
