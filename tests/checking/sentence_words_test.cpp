// The sentence word analysis on word tables as the tokenizer leaves them:
// English contractions, lone symbols, address tokens, quotes, fallback
// readings and punctuation readings; user-lexicon replacements applied and
// reported once per sentence, within the text's capacity.
#include "checking/sentence_words.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "checking/dispatcher.h"
#include "checking/sentence_check.h"
#include "frame/sentence_state.h"
#include "lexicon/lex_lookup.h"
#include "lexicon/lex_records.h"
#include "lexicon_fixture.h"
#include "paragraph_fixture.h"
#include "word_table_fixture.h"

namespace {

using word_table::Build;
using word_table::Texts;

struct Merge {
    i32 first, last, index;
    bool operator==(const Merge&) const = default;
};
std::vector<Merge> gMerges;
void RecordMerge(i32 first, i32 last, i32 index) { gMerges.push_back({first, last, index}); }

struct Report {
    i32 first, last;
    RuleCode code;
    u16 adjust;
};
std::vector<Report> gReports;
u16 RecordHit(i32 first, i32 last, RuleCode code, u16, u16, const BoundedString&, u16, const StringList&,
              u16 adjust) {
    gReports.push_back({first, last, code, adjust});
    return 1;
}

class SentenceWordsTest : public word_table::WordTableTest {
protected:
    void SetUp() override {
        WordTableTest::SetUp();
        gMerges.clear();
        gReports.clear();
        std::memset(gSpecialChars.data, 0, gSpecialChars.count);
        SetDefaultSpaces();
        SetDefaultPunctSigns();
        text_.Allocate(400);
    }

    // Analyses the table as built from `notation`; the text holds the words
    // separated by blanks, as the notation's offsets say.
    void Analyse(const std::string& notation, i16 combination = 0, u16 plain = 1) {
        Build(notation);
        std::string joined;
        for (u16 i = 0; i < gWordCount; ++i) {
            if (i) joined += ' ';
            joined += reinterpret_cast<const char*>(gWords[i].WordText.data);
        }
        CopyCString(text_, joined.c_str());
        gSentenceAnalysisCalls = 0;
        AnalyseSentenceWords(text_, 0, plain, 0, RecordHit, RecordMerge, 1, 0, combination);
    }

    BoundedString text_;
};

TEST_F(SentenceWordsTest, EnglishContractions) {
    gCheckingLanguage = 0;
    struct Case {
        const char* sentence;
        i16 combination;
        const char* expanded;
    };
    const Case cases[] = {
        {"That's been late .", 0, "That has been late ."},
        {"that's it .", 0, "that is it ."},
        {"it's been", 0, "it is been"},  // "has" needs two words after the contraction
        {"I'd gone .", 0, "I had gone ."},
        {"I'd gone .", 1, "I would gone ."},
        {"It'd who'd could've", 0, "It'd who'd could've"},
        {"doesn't", 0, "does not"},
        {"Won't", 0, "Will not"},
        {"can't", 0, "can not"},
        {"let's go", 0, "let us go"},
        {"We're here", 0, "We are here"},
        {"I'm here", 0, "I am here"},
        {"They'll see", 0, "They will see"},
        {"you've seen", 0, "you have seen"},
    };
    for (const Case& c : cases) {
        Analyse(c.sentence, c.combination);
        EXPECT_EQ(Texts(), c.expanded) << c.sentence << " / " << c.combination;
    }
    // "'d" is the only ambiguous contraction; bit k of the combination is
    // the k-th one.
    Analyse("I'd say you'd go .", 2);
    EXPECT_EQ(Texts(), "I had say you would go .");
    EXPECT_EQ(gWords[0].AmbiguityFlag, 1);
    EXPECT_EQ(gWords[3].AmbiguityFlag, 1);
    EXPECT_EQ(gWords[2].AmbiguityFlag, 0);
}

TEST_F(SentenceWordsTest, InsertedWordTakesTheContractionsOffsets) {
    gCheckingLanguage = 0;
    Analyse("He doesn't know");
    ASSERT_EQ(Texts(), "He does not know");
    EXPECT_EQ(gWords[2].StartOffset, 3u);
    EXPECT_EQ(gWords[2].EndOffset, 9u);
    EXPECT_EQ(gWords[2].SourceIndex, gWords[1].SourceIndex);
    EXPECT_EQ(GetStringLength(gWords[2].SeparatorText), 0);
    EXPECT_EQ(gWords[3].StartOffset, 11u);  // "know" keeps its own
}

TEST_F(SentenceWordsTest, ContractionsStopAtAFullTable) {
    gCheckingLanguage = 0;
    std::string words;
    for (int i = 0; i < 127; ++i) words += "go ";
    Analyse(words + "don't");
    EXPECT_EQ(gWordCount, 128);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(gWords[127].WordText.data)), "don't");
}

TEST_F(SentenceWordsTest, FrenchWordsKeepTheirApostrophes) {
    gCheckingLanguage = 3;
    Analyse("aujourd'hui il pleut");
    EXPECT_EQ(Texts(), "aujourd'hui il pleut");
}

TEST_F(SentenceWordsTest, LoneSymbolsLeaveTheTable) {
    gCheckingLanguage = 3;
    Analyse("il § dit ^ oui .");
    EXPECT_EQ(Texts(), "il dit oui .");
    EXPECT_EQ(gMerges, (std::vector<Merge>{{1, 1, -1}, {2, 2, -1}}));
    // The records the removed words vacated are reset, as past a sentence.
    for (i32 i = gWordCount; i < gWordCount + 2; ++i) {
        EXPECT_EQ(gWords[i].ReadingCount, 0) << i;
        EXPECT_EQ(GetStringLength(gWords[i].WordText), 0) << i;
    }
    // A letter alone is a word, the capital "À" among them (handed on in
    // lower case when a loaded dictionary read it as "à").
    Analyse("il va À Lyon");
    const std::string texts = Texts();
    EXPECT_TRUE(texts == "il va \xCB Lyon" || texts == "il va \x88 Lyon") << texts;
    // A single "@" is an address chunk first.
    Analyse("il @ dit");
    EXPECT_EQ(Texts(), "il <URL> dit");
    EXPECT_EQ(gWords[1].ReadingCategories[0], 10);
    EXPECT_EQ(gWords[1].ReadingClasses[0], '@');
}

TEST_F(SentenceWordsTest, AddressesBecomeOneToken) {
    gCheckingLanguage = 3;
    // Tokens as the tokenizer cuts an address: no blank inside the chunk.
    Build("voir www . exemple . fr . puis");
    const char* text = "voir www.exemple.fr. puis";
    const u32 starts[] = {0, 5, 8, 9, 16, 17, 19, 21};
    for (u16 i = 0; i < gWordCount; ++i) {
        gWords[i].StartOffset = starts[i];
        gWords[i].EndOffset = starts[i] + static_cast<u32>(GetStringLength(gWords[i].WordText)) - 1;
    }
    CopyCString(text_, text);
    ReplaceUrlTokens(text_, RecordMerge);
    EXPECT_EQ(Texts(), "voir <URL> . puis");  // the final period is not part of the address
    EXPECT_EQ(gMerges, (std::vector<Merge>{{2, 5, 1}}));
    EXPECT_EQ(gWords[1].EndOffset, 18u);

    // "e.g." has one dot once its final one is trimmed.
    Build("e . g . dit");
    const u32 egStarts[] = {0, 1, 2, 3, 5};
    for (u16 i = 0; i < gWordCount; ++i) gWords[i].StartOffset = gWords[i].EndOffset = egStarts[i];
    gWords[4].EndOffset = 7;
    CopyCString(text_, "e.g. dit");
    gMerges.clear();
    ReplaceUrlTokens(text_, RecordMerge);
    EXPECT_EQ(Texts(), "e . g . dit");
    EXPECT_TRUE(gMerges.empty());
}

TEST_F(SentenceWordsTest, QuotesAreStrippedFromUnknownWords) {
    gCheckingLanguage = 3;
    Analyse("'xqzwv' \"xqzwv\" \"xqzwv 'xqzwv");
    EXPECT_EQ(Texts(), "xqzwv xqzwv xqzwv xqzwv");
    EXPECT_EQ(gWords[0].QuoteFlags, 3);
    EXPECT_EQ(gWords[1].QuoteFlags, 7);
    EXPECT_EQ(gWords[2].QuoteFlags, 5);
    EXPECT_EQ(gWords[3].QuoteFlags, 1);
}

TEST_F(SentenceWordsTest, ReadingsOfUnknownWordsAndSigns) {
    gCheckingLanguage = 3;
    Analyse("Xqzwz xqzwv 12xq , & ! ;", 0, 1);
    EXPECT_EQ(gWords[0].ReadingClasses[0], '@');  // a capital
    EXPECT_EQ(gWords[0].ReadingFeatures[0], 0);
    EXPECT_EQ(gWords[1].ReadingClasses[0], 0);
    EXPECT_EQ(gWords[2].ReadingClasses[0], 0);    // a digit without a capital
    EXPECT_EQ(gWords[3].ReadingCategories[0], 21);
    EXPECT_EQ(gWords[4].ReadingCategories[0], 16);
    EXPECT_EQ(gWords[4].ReadingFeatures[0], 16);
    EXPECT_EQ(gWords[5].ReadingCategories[0], 20);
    EXPECT_EQ(gWords[6].ReadingCategories[0], 27);
    for (u16 i = 0; i < gWordCount; ++i) EXPECT_EQ(gWords[i].ReadingCount, 1) << i;

    // Without plain readings a capital or digit word reads as a name whose
    // mark is the code of its last letter.
    Analyse("Xqzwz 12xq", 0, 0);
    EXPECT_EQ(gWords[0].ReadingClasses[0], '@');
    EXPECT_EQ(gWords[0].ReadingFeatures[0], '0');
    EXPECT_EQ(gWords[0].ReadingMarks[0], 26);  // 'z' in French
    EXPECT_EQ(gWords[1].ReadingMarks[0], 17);  // 'q'

    // A leading symbol leaves the sentence.
    Analyse("; xqzwv", 0, 1);
    EXPECT_EQ(Texts(), "xqzwv");
    EXPECT_EQ(gMerges.back(), (Merge{0, 0, -1}));
}

// A user lexicon in a scratch directory holding one replacement entry.
class LexiconReplacementTest : public SentenceWordsTest {
protected:
    void SetUp() override {
        SentenceWordsTest::SetUp();
        ASSERT_TRUE(lexicon_.Open());
        ASSERT_EQ(lexicon_fixture::ScratchLexicon::AddReplacement("thx", "thanks"), 0);
        gDispatcherTestHook = nullptr;
    }
    void TearDown() override {
        lexicon_.Close();
        SentenceWordsTest::TearDown();
    }

    // Cuts `sentence` into the table and checks it through the driver
    // with replacements applied; the text lives in a buffer of `capacity`.
    std::string Check(const std::string& sentence, u32 capacity) {
        paragraph_fixture::Sentences(sentence.c_str());
        BoundedString text;
        text.Allocate(capacity);
        CopyCString(text, sentence.c_str());
        gReports.clear();
        CheckSentence(text, 1, 1, 0, 1, RecordHit, nullptr, 0, 1, 0, 1);
        return reinterpret_cast<const char*>(text.data);
    }
    lexicon_fixture::ScratchLexicon lexicon_;
};

TEST_F(LexiconReplacementTest, AppliedAndReportedOncePerSentence) {
    gCheckingLanguage = 0;
    // Two "'d" words: four reading combinations, five analyses.
    EXPECT_EQ(Check("I'd thx you'd go.", 100), "I'd thanks you'd go.");
    u32 replacements = 0;
    for (const Report& r : gReports) {
        if (r.code != kCodeLexiconReplacement) continue;
        ++replacements;
        EXPECT_EQ(r.first, 1);  // in the table as the tokenizer cut it
        EXPECT_EQ(r.adjust, 1);
    }
    EXPECT_EQ(replacements, 1u);
}

TEST_F(LexiconReplacementTest, NeedsRoomForTheTerminator) {
    gCheckingLanguage = 3;
    // "thx." grows by 3: 7 bytes and the terminator.
    EXPECT_EQ(Check("thx.", 7), "thx.");
    for (const Report& r : gReports) EXPECT_NE(r.code, kCodeLexiconReplacement);
    EXPECT_EQ(Check("thx.", 8), "thanks.");
}

// Every sentence of a paragraph is read to its end while the replacements
// of the earlier ones lengthen the working copy: each "thx" is reported where
// it stands once the earlier ones are replaced (the last one too, which
// only a walk that knows the new length reaches).
TEST_F(LexiconReplacementTest, LaterSentencesSeeTheLengthenedParagraph) {
    KRZSetLanguage(0);
    const std::string paragraph = "We thx you. They thx us. All thx";
    ParagraphErrorRecord table[KRZ_MAX_PARAGRAPH_ERRORS];
    const uint32_t n = KRZTestGrammarParagraph(paragraph.c_str(), 0, static_cast<int32_t>(paragraph.size()), table,
                                               KRZ_CATEGORY_ALL, 1, 1, 0, 1);
    std::string found;
    for (uint32_t i = 0; i < n; ++i)
        if (table[i].errorClass == KRZ_CLASS_LEXICON_REPLACEMENT)
            found += std::to_string(table[i].start) + "-" + std::to_string(table[i].end) + " ";
    KRZClearParagraphTab(table, static_cast<int16_t>(n));
    EXPECT_EQ(found, "3-5 20-22 35-37 ");
}

}  // namespace
