// Punctuation and spacing check: findings, spans, suggestions and messages
// of KRZPunctParagraph on the default and on host-set tables.
#include "checking/punctuation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "checking/explanation.h"
#include "lexicon_fixture.h"
#include "paragraph_fixture.h"

namespace {

using paragraph_fixture::ParagraphTest;

constexpr u16 kEnglish = 0;
constexpr u16 kFrench = 3;

class PunctTest : public ParagraphTest {
protected:
    void TearDown() override {
        SetDefaultSpaces();
        SetDefaultPunctSigns();
        ParagraphTest::TearDown();
    }

    // The findings as "start-end:suggestion", in order.
    std::vector<std::string> Punct(u16 language, const char* text, i32 start = 0, i32 end = 100000) {
        gCheckingLanguage = language;
        const u32 n = KRZPunctParagraph(text, start, end, table_);
        count_ = n;
        std::vector<std::string> out;
        for (u32 i = 0; i < n; ++i) {
            EXPECT_EQ(table_[i].errorClass, KRZ_CLASS_PUNCTUATION);
            EXPECT_EQ(table_[i].suggestionCount, 1);
            out.push_back(std::to_string(table_[i].start) + "-" + std::to_string(table_[i].end) + ":" +
                          table_[i].suggestions[0]);
        }
        return out;
    }
    std::string Message(u32 i) const { return table_[i].message != nullptr ? table_[i].message : "<null>"; }

    u32 count_ = 0;
};

using Findings = std::vector<std::string>;

struct PunctCase {
    const char* name;
    u16 language;
    const char* text;  // host code page
    Findings expected;
};

TEST_F(PunctTest, FindingsOnDefaultTables) {
    const PunctCase cases[] = {
        // French wants a space before '!'; the sign ends its sentence, so
        // its right side is not checked.
        {"French exclamation", kFrench, "Bonjour!\xC7" "a va ?", {"7-7: !"}},
        {"French well spaced", kFrench, "Bonjour ! \xC7" "a va ?", {}},
        // English refuses the space before a comma and wants one after it.
        {"English comma", kEnglish, "Hello ,world.", {"5-6:,", "6-6:, "}},
        {"two spaces between words", kEnglish, "Hello  world.", {"5-6: "}},
        {"tab run", kEnglish, "Hello\t\tworld.", {}},
        {"three spaces opening an English sentence", kEnglish, "   Hello world.", {"0-2: "}},
        {"two spaces opening an English sentence", kEnglish, "  Hello world.", {}},
        {"two spaces opening a French sentence", kFrench, "  Bonjour ici.", {"0-1: "}},
        // A run of two spaces after ';' without the pair bit.
        {"pair refused", kEnglish, "one;  two.", {"3-5:; "}},
        // Spaces between two signs are fine on the first sign's side.
        {"run before a sign", kEnglish, "one,  (two).", {}},
        // A sign opening the sentence has no left check.
        {"sign opening a sentence", kFrench, ":Oui.", {"0-0:: "}},
    };
    for (const PunctCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Punct(c.language, c.text), c.expected);
        KRZClearParagraphTab(table_, static_cast<int16_t>(count_));
    }
}

// A word of the user lexicon is one word for the spacing check too: the
// signs inside it are not checked.
TEST_F(PunctTest, UserLexiconWordsStayWhole) {
    lexicon_fixture::ScratchLexicon lexicon;
    ASSERT_TRUE(lexicon.Open());
    const char* text = "Voir R:D ici.";
    EXPECT_EQ(Punct(kFrench, text), (Findings{"6-6: :", "6-6:: "}));
    KRZClearParagraphTab(table_, static_cast<int16_t>(count_));
    uint16_t expression = 0, category = 0, gender = 0, inflection = 0, flag = 0;
    char model[36] = {};
    ASSERT_EQ(KRZAnalyseWordLex("R:D", &expression, &category, &gender, &inflection, &flag, model, 3), 0);
    ASSERT_EQ(KRZInsertLex("R:D", expression, category, gender, inflection, flag, model, "", 3), 0);
    EXPECT_EQ(Punct(kFrench, text), Findings{});
    lexicon.Close();
}

TEST_F(PunctTest, MessagesFollowTheInterfaceLanguage) {
    gInterfaceLanguage = 0;
    ASSERT_EQ(Punct(kEnglish, "Hello ,world.").size(), 2u);
    EXPECT_EQ(Message(0), "No space before ','!");
    EXPECT_EQ(Message(1), "This space is required after ','!");
    KRZClearParagraphTab(table_, 2);

    gInterfaceLanguage = 3;
    ASSERT_EQ(Punct(kFrench, "Bonjour!\xC7" "a va ?").size(), 1u);
    // Windows-1252: non-breaking spaces inside the guillemets.
    EXPECT_EQ(Message(0), "Cette espace est n\xE9" "cessaire devant \xAB\xA0!\xA0\xBB !");
    KRZClearParagraphTab(table_, 1);
    ASSERT_EQ(Punct(kFrench, "Il  part.").size(), 1u);
    EXPECT_EQ(Message(0), "Espaces multiples !");
}

TEST(SpacingMessageTest, KindsInBothLanguages) {
    const u16 saved = gInterfaceLanguage;
    gInterfaceLanguage = 0;
    FormatSpacingMessage(kSpacingNoSpaceAfter, '(');
    EXPECT_STREQ(reinterpret_cast<const char*>(gExplanationText.data), "No space after '('!");
    gInterfaceLanguage = 3;
    FormatSpacingMessage(kSpacingNoSpaceBefore, ';');
    EXPECT_STREQ(reinterpret_cast<const char*>(gExplanationText.data),
                 MR("Pas d’espace devant «" "\u00a0" ";" "\u00a0" "» !"));
    FormatSpacingMessage(kSpacingSpaceRequiredAfter, ':');
    EXPECT_STREQ(reinterpret_cast<const char*>(gExplanationText.data),
                 MR("Cette espace est nécessaire derrière «" "\u00a0" ":" "\u00a0" "» !"));
    gInterfaceLanguage = saved;
}

KRZPunctSignRule HostRule(char sign) {
    KRZPunctSignRule r{};
    r.sign = static_cast<uint8_t>(sign);
    return r;
}

TEST_F(PunctTest, HostTables) {
    // A '?' that needs a non-breaking space before it and takes no word.
    KRZPunctSignRule question = HostRule('?');
    question.checkBefore = 1;
    question.spaceBeforeIndex = 2;
    question.spacesBefore = 0x6;
    KRZSetPunctSigns(1, &question, kEnglish);
    EXPECT_EQ(Punct(kEnglish, "Really?"), Findings({"6-6:\xA0?"}));
    KRZClearParagraphTab(table_, static_cast<int16_t>(count_));
    EXPECT_EQ(Punct(kEnglish, "Really ?"), Findings{});

    // ';' accepting a pair of spaces after it.
    SetDefaultPunctSigns();
    KRZPunctSignRule rules[32];
    uint16_t n = 0;
    KRZGetPunctSigns(&n, rules, kEnglish);
    for (u16 i = 0; i < n; ++i)
        if (rules[i].sign == ';') rules[i].spacesAfter |= 0x80000000u;
    KRZSetPunctSigns(n, rules, kEnglish);
    EXPECT_EQ(Punct(kEnglish, "one;  two."), Findings{});

    // A host space list: the space to insert after ',' (index 1) is '_'.
    const uint8_t spaces[] = {'\t', '_'};
    KRZSetSpaces(2, spaces, kEnglish);
    EXPECT_EQ(Punct(kEnglish, "one,two."), Findings({"3-3:,_"}));
}

TEST_F(PunctTest, EllipsisIsOneSign) {
    gCheckingLanguage = kFrench;
    BoundedString token;
    token.Allocate(kTokenCapacity);
    CopyCString(token, "...");
    gPunctTokenCount = 0;
    RecordPunctToken(token, 4, 6);
    ASSERT_EQ(gPunctTokenCount, 1);
    EXPECT_EQ(gPunctTokens[0].Kind, kPunctTokenSign);
    EXPECT_EQ(gPunctTokens[0].Index, FindPunctSignIndex(0xC9));
    EXPECT_EQ(gPunctTokens[0].End, 6u);
    // A lone CR is not a token.
    CopyCString(token, "\r");
    RecordPunctToken(token, 7, 7);
    EXPECT_EQ(gPunctTokenCount, 1);
}

TEST_F(PunctTest, TableLimitAndRange) {
    std::string text;
    for (int i = 0; i < 40; ++i) text += "a ,b ";  // two findings per comma
    text += ".";
    std::memset(table_, 0, sizeof table_);
    EXPECT_EQ(Punct(kEnglish, text.c_str()).size(), 60u);
    EXPECT_EQ(table_[60].message, nullptr);  // nothing written past the host's 60 records
    KRZClearParagraphTab(table_, static_cast<int16_t>(count_));

    // A sentence longer than the word table is checked to its end.
    std::string longSentence;
    for (int i = 0; i < 200; ++i) longSentence += "mot ";
    longSentence += "a ,b .";
    EXPECT_EQ(Punct(kEnglish, longSentence.c_str()), Findings({"801-802:,", "802-802:, "}));
    KRZClearParagraphTab(table_, static_cast<int16_t>(count_));

    // Longer than the token buffer: a fault is found once wherever it falls,
    // across the buffer's refills too.
    for (int n = 250; n < 262; ++n) {
        std::string words;
        for (int i = 0; i < n; ++i) words += "mot ";
        words += "a ,b ";
        for (int i = 0; i < 300; ++i) words += "mot ";
        words += ".";
        const std::string at = std::to_string(4 * n + 1) + "-" + std::to_string(4 * n + 2) + ":,";
        const std::string after = std::to_string(4 * n + 2) + "-" + std::to_string(4 * n + 2) + ":, ";
        EXPECT_EQ(Punct(kEnglish, words.c_str()), Findings({at, after})) << n;
        KRZClearParagraphTab(table_, static_cast<int16_t>(count_));
    }

    // Only the sentences of the range are checked.
    const char* two = "One ,two. Three ,four.";
    EXPECT_EQ(Punct(kEnglish, two, 12, 14), Findings({"15-16:,", "16-16:, "}));
    KRZClearParagraphTab(table_, static_cast<int16_t>(count_));
    EXPECT_EQ(KRZPunctParagraph(two, -1, 5, table_), 0u);
    EXPECT_EQ(KRZPunctParagraph(nullptr, 0, 5, table_), 0u);
    EXPECT_EQ(KRZPunctParagraph(two, 0, 5, nullptr), 0u);
}

}  // namespace
