// Suggestion list entries, the span text of a finding, the word spans of
// the report table and the explanation buffer.
#include "checking/suggestions.h"

#include "checking/explanation.h"
#include "checking/sentence_check.h"
#include "paragraph_fixture.h"

using namespace paragraph_fixture;

namespace {

class SuggestionsTest : public ParagraphTest {
protected:
    void SetUp() override {
        ParagraphTest::SetUp();
        savedStraight_ = gStraightQuotes;
        gStraightQuotes = 0;
        InitByteMatrix(list_, kSuggestionSlots, kSuggestionCapacity);
        text_.Allocate(200);
    }
    void TearDown() override {
        gStraightQuotes = savedStraight_;
        gSegmentCount = 0;
        ParagraphTest::TearDown();
    }
    // Adds each text; returns the entries joined by '|'.
    std::string Add(std::initializer_list<std::string> texts) {
        u16 count = 0;
        for (const std::string& t : texts) {
            CopyCString(text_, t.c_str());
            AddSuggestion(list_, text_, count);
        }
        std::string out;
        for (u16 k = 0; k < count; ++k) {
            out += (k ? "|" : "") + std::string(reinterpret_cast<const char*>(list_[k].data));
        }
        return out;
    }
    StringList list_;
    BoundedString text_;
    u16 savedStraight_ = 0;
};

TEST_F(SuggestionsTest, EntriesGetTypographicQuotes) {
    gCheckingLanguage = 3;
    EXPECT_EQ(Add({"dit \"oui\""}), MR("dit «") + std::string("\xCA" "oui" "\xCA") + MR("»"));
    EXPECT_EQ(Add({"aujourd'hui 'oui'"}), MR("aujourd’hui ‘oui’"));
    // A final apostrophe after a letter is an elision unless a quote is open.
    EXPECT_EQ(Add({"l'", "le", "jusqu' 'ici'", "'qu'"}), MR("l’|le|jusqu’ ‘ici’|‘qu’"));
    gCheckingLanguage = 0;
    EXPECT_EQ(Add({"say \"yes\"", "don't"}), MR("say “yes”|don’t"));
    gStraightQuotes = 1;
    EXPECT_EQ(Add({"say \"yes\"", "don't"}), "say \"yes\"|don't");
}

TEST_F(SuggestionsTest, RefusedDuplicateAndFullLists) {
    gCheckingLanguage = 3;
    EXPECT_EQ(Add({"a@b", "chat", MR("niño"), "x^y", "chat", "chats"}), "chat|chats");
    // Equal once the quotes are converted.
    gCheckingLanguage = 0;
    EXPECT_EQ(Add({"it's", MR("it’s")}), MR("it’s"));
    std::initializer_list<std::string> many = {"a", "b", "c", "d", "e", "f", "g",
                                               "h", "i", "j", "k", "l", "m", "n"};
    EXPECT_EQ(Add(many), "a|b|c|d|e|f|g|h|i|j|k|l");
}

TEST_F(SuggestionsTest, FrenchEntryStopsGrowingBeforeItsSlotEnds) {
    gCheckingLanguage = 3;
    const std::string text = "\"" + std::string(120, 'x') + "\"";
    const std::string entry = Add({text});
    EXPECT_EQ(entry.size(), 105u);
    EXPECT_EQ(entry.substr(0, 2), MR("«") + std::string("\xCA"));
}

TEST_F(SuggestionsTest, SpanTextOfAFinding) {
    gCheckingLanguage = 3;
    Sentences("L'ami de l' arbre dort");  // L' ami de l' arbre dort
    BoundedString first, second;
    first.Allocate(kCorrectionCapacity);
    second.Allocate(kCorrectionCapacity);
    struct Case {
        RuleCode code;
        i16 pos;
        u8 variant;
        u16 detail;
        const char* span;
    };
    const Case cases[] = {
        {16, 0, 0, 0, "L'"},          // the word before word 0 is word 0
        {16, 2, 0, 0, "ami de"},
        {1, 0, 'A', 3, "L'ami de"},   // no blank after an apostrophe
        {59, 3, 'P', 2, "l'arbre"},
        {53, 4, 0, 6, "arbre dort"},
    };
    for (const Case& c : cases) {
        gLastErrorPos = c.pos;
        gErrorVariant = c.variant;
        gErrorDetail = c.detail;
        gErrorExtent = 1;
        MakeErrorSuggestions(first, second, c.code, 1);
        EXPECT_STREQ(reinterpret_cast<const char*>(gSpanText.data), c.span) << c.code;
    }
    // No correction announced: nothing is built.
    CopyCString(gSpanText, "unchanged");
    gErrorExtent = kNoCorrection;
    EXPECT_EQ(MakeErrorSuggestions(first, second, 16, 1), 0);
    EXPECT_STREQ(reinterpret_cast<const char*>(gSpanText.data), "unchanged");
    // A missing verb without correction moves the report to word 0.
    gLastErrorPos = 3;
    gErrorExtent = 2;
    MakeErrorSuggestions(first, second, 55, 1);
    EXPECT_EQ(gLastErrorPos, 0);
}

TEST_F(SuggestionsTest, WordSpansOfTheReportTable) {
    gCheckingLanguage = 0;
    Sentences("w0 w1 w2 w3 w4 w5 w6 w7");
    for (u16 i = 0; i < gWordCount; ++i) gWords[i].ReadingCategories[0] = 10;
    gWords[6].ReadingCategories[0] = 21;  // a trailing comma leaves the clause span
    gSentenceEndWord = 0;
    // Two clause segments, starting at words 0 and 3 (the second ends at 5).
    gSegments[0].FirstWord = 0;
    gSegments[1].FirstWord = 3;
    gSegments[2].FirstWord = 7;
    gSegmentCount = 3;
    struct Case {
        u16 language;
        RuleCode code;
        i16 pos;
        u8 variant;
        u16 detail;
        i32 first, last;
    };
    const Case cases[] = {
        {0, 40, 4, 0, 0, 3, 4},
        {0, 40, 4, 'S', 0, 3, 3},
        {0, 40, 4, 'K', 0, 4, 4},
        {0, 40, 4, 'M', 2, 1, 4},
        {0, 40, 4, 'Z', 0, 2, 3},
        {3, 40, 4, 0xCB, 0, 4, 4},
        {0, 40, 0, 0, 0, 0, 0},       // pos - 1 at word 0 stays on word 0
        {0, 8, 2, 'P', 0, 1, 2},
        {0, 39, 2, 0, 0, 5, 6},       // the pair at gErrorExtent
        {0, 41, 1, 'C', 66, 1, 2},
        {0, 41, 1, 'C', 35, 1, 3},
        {0, 41, 1, 'C', 5, 1, 1},     // a detail below 32: the error word
        {0, 42, 4, 0, 0, 3, 5},       // the clause of word 4, without its comma
        {0, 45, 1, 0, 0, 0, 2},       // the first clause: no segment before it
        {0, 45, 4, 'X', 0, 0, 5},     // with the clause before it
        {0, 45, 4, 'J', 0, 4, 4},
        {3, 45, 4, 'J', 0, 3, 5},
        {0, 59, 3, 'N', 0, 2, 3},
        {0, 59, 3, 'P', 2, 3, 4},
        {0, 57, 3, 0, 0, 7, 7},
        {0, 58, 3, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        gCheckingLanguage = c.language;
        gLastErrorPos = c.pos;
        gErrorVariant = c.variant;
        gErrorDetail = c.detail;
        gErrorExtent = 5;
        i32 first = -9, last = -9;
        ComputeErrorSpan(c.code, first, last);
        EXPECT_EQ(first, c.first) << c.code << " " << c.variant;
        EXPECT_EQ(last, c.last) << c.code << " " << c.variant;
    }
    // With no segment at all the clause is the whole sentence but its last
    // word (the final mark).
    gSegmentCount = 0;
    gCheckingLanguage = 3;
    gErrorVariant = 0;
    i32 first = 0, last = 0;
    ComputeErrorSpan(42, first, last);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(last, 6);
}

TEST_F(SuggestionsTest, ExplanationBufferIsCutAtItsCapacity) {
    ClearExplanationText();
    EXPECT_EQ(GetStringLength(gExplanationText), 0);
    const std::string head(4090, 'a');
    AppendExplanationText("%s", head.c_str());
    AppendExplanationText("%s and %d", "word", 12345);
    EXPECT_EQ(GetStringLength(gExplanationText), kExplanationCapacity - 1);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(gExplanationText.data) + 4090), "word ");
    AppendExplanationText("more");
    EXPECT_EQ(GetStringLength(gExplanationText), kExplanationCapacity - 1);
    ClearExplanationText();
    AppendExplanationText("%s %d", "code", 4);
    EXPECT_STREQ(reinterpret_cast<const char*>(gExplanationText.data), "code 4");
}

}  // namespace
