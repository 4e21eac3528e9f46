// Sentence ends and the tokens the sentence word table receives.
#include "checking/tokenizer.h"

#include "paragraph_fixture.h"

using namespace paragraph_fixture;

namespace {

using TokenizerTest = ParagraphTest;

TEST_F(TokenizerTest, SentencesAndWordsOfATable) {
    struct Case {
        u16 language;
        const char* text;
        std::string sentences;
    };
    const Case cases[] = {
        {3, "Il dort. Elle lit.", "Il|dort|. / Elle|lit|."},
        // A lower-case word after the period does not start a sentence.
        {3, "Il dort. elle lit", "Il|dort|.|elle|lit"},
        // A single letter takes the period; the number goes on the sentence.
        {3, "Voir le point a. 3 fois", "Voir|le|point|a.|3|fois"},
        // A word the dictionary lists with its period keeps it.
        {3, "Il part etc. Demain", "Il|part|etc.|Demain"},
        // ... not when a blank comes between.
        {3, "Il part etc . Demain", "Il|part|etc|. / Demain"},
        {0, "Mr. Smith came. He left!", "Mr.|Smith|came|. / He|left|!"},
        // A line break always ends the sentence.
        {3, "Un\nDeux", "Un / Deux"},
        {3, "Un\r\nDeux trois", "Un / Deux|trois"},
        {3, "Il dit ! (Non)", "Il|dit|! / (|Non|)"},
        // "..." is one word holding the ellipsis byte; "--" gives one "-".
        {3, "Attends... oui", MR("Attends|…|oui")},
        {3, "le -- la", "le|-|la"},
        // French elision: two tokens; English contraction: one.
        {3, "L'ami dort.", "L'|ami|dort|."},
        {0, "I don't know.", "I|don't|know|."},
        // A straight quote after a blank opens the next sentence, glued to
        // its capital or alone; one against the period closes a quotation.
        {0, "She nodded. \"Go on!\"", "She|nodded|. / \"Go|on|!|\""},
        {0, "She nodded. \" Go on!\"", "She|nodded|. / \"|Go|on|!|\""},
        {0, "He said \"Stop.\" Then he left.", "He|said|\"Stop|.|\"|Then|he|left|."},
        {0, "He nodded. \"and then\"", "He|nodded|.|\"and|then\""},
    };
    for (const Case& c : cases) {
        gCheckingLanguage = c.language;
        EXPECT_EQ(Sentences(c.text), c.sentences) << c.text;
    }
}

// English reads a word with a final period as the word: the period is the
// word's own only when the word is unknown without it.
TEST_F(TokenizerTest, EnglishPeriodAfterAKnownWordEndsTheSentence) {
    gCheckingLanguage = 0;
    gKnownWords.insert({"Iraq", "Iraq.", "etc."});
    EXPECT_EQ(Sentences("He went to Iraq. Then he left"), "He|went|to|Iraq|. / Then|he|left");
    EXPECT_EQ(Sentences("He left etc. Then"), "He|left|etc.|Then");
    // "I" is the pronoun, not an initial; another capital is an initial.
    EXPECT_EQ(Sentences("John and I. Then"), "John|and|I|. / Then");
    EXPECT_EQ(Sentences("Ask J. Smith"), "Ask|J.|Smith");
}

TEST_F(TokenizerTest, LongTokenIsCutAndTheWalkGoesOnAfterIt) {
    const std::string text = "Un " + std::string(40, 'x') + " deux";
    EXPECT_EQ(Sentences(text.c_str()), "Un|" + std::string(35, 'x') + "|deux");
    ASSERT_EQ(gWordCount, 3);
    EXPECT_EQ(gWords[1].StartOffset, 3u);
    EXPECT_EQ(gWords[1].EndOffset, 37u);  // the 35th character
    EXPECT_EQ(gWords[2].StartOffset, 44u);
}

TEST_F(TokenizerTest, PeriodJoinsTheAbbreviationAndMovesItsEnd) {
    gCheckingLanguage = 3;
    Sentences("Il part etc. Demain");
    ASSERT_EQ(gWordCount, 4);
    EXPECT_EQ(WordTextOf(2), "etc.");
    EXPECT_EQ(gWords[2].StartOffset, 8u);
    EXPECT_EQ(gWords[2].EndOffset, 11u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(gWords[2].SeparatorText.data)), "etc");
}

TEST_F(TokenizerTest, TokensBeyondTheTableAreDroppedAndTheSentenceStillEnds) {
    std::string text;
    for (int i = 0; i < 130; ++i) text += "mot ";
    text += ". Suite";
    const std::string s = Sentences(text.c_str());
    const std::string second = s.substr(s.find(" / ") + 3);
    EXPECT_EQ(second, "Suite");
    const std::string firstSentence = s.substr(0, s.find(" / "));
    EXPECT_EQ(std::count(firstSentence.begin(), firstSentence.end(), '|'), 127);  // 128 words
}

TEST_F(TokenizerTest, SentenceEndInspectionAddsAPeriodOnlyWhenMissingAndRoomLeft) {
    Sentences("Il dort");
    InspectSentenceEnd();
    ASSERT_EQ(gWordCount, 3);
    EXPECT_EQ(gSentenceEndWord, 2);
    EXPECT_EQ(WordTextOf(2), ".");
    EXPECT_EQ(gWords[2].ReadingCategories[0], 20);

    Sentences("Il dort ?");
    InspectSentenceEnd();
    EXPECT_EQ(gWordCount, 3);
    EXPECT_EQ(gSentenceEndWord, 0);

    std::string full;
    for (int i = 0; i < 128; ++i) full += "mot ";
    Sentences(full.c_str());
    ASSERT_EQ(gWordCount, 128);
    InspectSentenceEnd();
    EXPECT_EQ(gWordCount, 128);  // never a 129th word
    EXPECT_EQ(gSentenceEndWord, 0);
}

TEST_F(TokenizerTest, SentenceStartOfAPosition) {
    const char* text = "Un deux. Trois quatre. Cinq";
    u16 n = 0;
    const AutomatonState* a = TokenAutomatonFor(3, n);
    BoundedString s = ViewOf(text);
    EXPECT_EQ(FindNextSentenceEnd(s, 0, a, n), 0u);
    EXPECT_EQ(FindNextSentenceEnd(s, 5, a, n), 0u);
    EXPECT_EQ(FindNextSentenceEnd(s, 10, a, n), 8u);   // the blank belongs to the next sentence
    EXPECT_EQ(FindNextSentenceEnd(s, 24, a, n), 22u);
    EXPECT_EQ(FindNextSentenceEnd(s, 500, a, n), 22u);  // past the end: the last sentence
    // A line break after a final mark closes one sentence, not two; the
    // line break is the last token of the first.
    BoundedString t = ViewOf("Un.\nDeux. Trois");
    EXPECT_EQ(FindNextSentenceEnd(t, 6, a, n), 4u);
    EXPECT_EQ(FindNextSentenceEnd(t, 12, a, n), 9u);
}

TEST_F(TokenizerTest, DictionaryTestFollowsTheCheckingLanguage) {
    BoundedString w;
    w.Allocate(36);
    CopyCString(w, "le");
    gCheckingLanguage = 3;
    EXPECT_EQ(IsDictionaryWord(w), 1);
    gCheckingLanguage = 10;
    EXPECT_EQ(IsDictionaryWord(w), 0);
    EXPECT_EQ(gCheckingLanguage, 10);
}

TEST_F(TokenizerTest, CompareWithCandidateTakesQuotesOff) {
    struct Case {
        const char* text;
        const char* candidate;
        u16 result;
        u16 flags;
        const char* left;
    };
    const Case cases[] = {
        {"O.N.U.", "O.N.U.", 1, 0, "O.N.U."},
        {"\"O.N.U.\"", "O.N.U.", 1, 7, "O.N.U."},
        {"'ONU'", "ONU", 1, 3, "ONU"},
        {"ONU'", "ONU", 1, 2, "ONU"},
        {"\"ONU", "ONU", 1, 5, "ONU"},
        {"O.N.U", "O.N.U.", 0, 0, "O.N.U"},
        {"a\xCA" "b", "a b", 1, 0, "a\xCA" "b"},
    };
    BoundedString text, candidate;
    text.Allocate(36);
    candidate.Allocate(36);
    for (const Case& c : cases) {
        CopyCString(text, c.text);
        CopyCString(candidate, c.candidate);
        u16 flags = 99;
        EXPECT_EQ(CompareWordWithCandidate(text, candidate, flags), c.result) << c.text;
        EXPECT_EQ(flags, c.flags) << c.text;
        EXPECT_STREQ(reinterpret_cast<const char*>(text.data), c.left) << c.text;
    }
}

}  // namespace
