// The register the word description leaves for the word-analysis export:
// the description of a word of the marked fixture thesaurus leaves that
// word's register in gErrorDetail, and a word the thesaurus lacks leaves
// no register, whatever detail a rule left before.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/word_description.h"
#include "frame/bounded_string.h"
#include "frame/records.h"
#include "frame/report.h"
#include "frame/sentence_state.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "tools/datacomp/litdict_writer.h"
#include "tools/datacomp/source_text.h"

namespace {

// One sentence word: a feminine singular noun (its text is its base form).
void PlaceNoun(i32 i, const char* text) {
    WordRecord& w = gWords[i];
    CopyCString(w.WordText, text);
    CopyCString(w.SeparatorText, text);
    w.ReadingCount = 1;
    w.ReadingClasses[0] = 'A';
    w.ReadingFeatures[0] = 0x24;
    w.ReadingMarks[0] = 1;
    w.ReadingCategories[0] = 10;
}

TEST(WordRegister, TheDescriptionLeavesTheWordsRegister) {
    std::vector<ThesaurusHeadword> headwords;
    std::string error;
    ASSERT_TRUE(ParseThesaurus("UTF-8\n"
                               "bagnole|1\n(Nom){reg=2}|voiture|tacot\n"
                               "bouquin|1\n(Nom){reg=3}|livre\n"
                               "voiture|1\n(Nom)|automobile\n",
                               headwords, error))
        << error;
    const LitDictBlocks b = CompileLitDict(headwords);
    InstallLitDictBlocks(b);
    const u16 savedLanguage = gCheckingLanguage;
    gCheckingLanguage = 3;
    ResetSentenceState();
    PlaceNoun(0, "bagnole");
    PlaceNoun(1, "bouquin");
    PlaceNoun(2, "zorglub");
    gWordCount = 3;
    StringList alt, form, main, synonyms;
    InitByteMatrix(alt, 8, 120);
    InitByteMatrix(form, 12, 120);
    InitByteMatrix(main, 10, 120);
    InitByteMatrix(synonyms, 10, 1000);
    const struct {
        u16 word;
        u16 register_;
    } cases[] = {{0, 2}, {1, 3}, {2, 0}};
    for (const auto& c : cases) {
        gErrorDetail = 2;  // as rule 59 leaves it
        WordDescription d{alt, form, main, synonyms};
        DescribeWordAnalysis(0, c.word, d);
        EXPECT_EQ(gErrorDetail % 128, c.register_) << c.word;
        EXPECT_EQ(d.synonymCount > 0, c.register_ != 0) << c.word;
    }
    // The explanation mode ends with no detail.
    gErrorDetail = 2;
    WordDescription d{alt, form, main, synonyms};
    DescribeWordAnalysis(kDescribeExplanation, 0, d);
    EXPECT_EQ(gErrorDetail, 0);
    ResetSentenceState();
    gCheckingLanguage = savedLanguage;
}

}  // namespace
