// The paragraph road, not the rules: a script stands in for the dispatcher
// (SetScript: which code at which word of every sentence) and a small word
// list for the dictionary, and these tests check how the findings travel to
// the host's table: spans, offsets, classes, the category mask, the
// duplicate filter, the record cap, whole-sentence codes and the second
// export family. What the rules find in real sentences is checked by the
// acceptance cases (tests/data/cases, acceptance_cases_test.cpp).
#include "checking/paragraph.h"

#include "checking/sentence_check.h"
#include "paragraph_fixture.h"

using namespace paragraph_fixture;

namespace {

using ParagraphRoadTest = ParagraphTest;

// Words: Le(0-1) chat(3-6) chat(8-11) dort(13-16) .(17) / Il(19-20) rit(22-24) .(25)
const char* const kText = "Le chat chat dort. Il rit.";

TEST_F(ParagraphRoadTest, FindingsReachTheTableWithSpansOffsetsAndClasses) {
    struct Case {
        Finding finding;
        u32 start, end;  // in the first sentence
        u16 errorClass;
    };
    const Case cases[] = {
        {{16, 2}, 3, 11, KRZ_CLASS_GRAMMAR},             // repeated word: the pair
        {{16, 0}, 0, 1, KRZ_CLASS_GRAMMAR},              // at word 0 the span stays on word 0
        {{1, 1, 'A', 2}, 3, 11, KRZ_CLASS_SPELLING},     // a run of two unknown words
        {{1, 3}, 13, 16, KRZ_CLASS_SPELLING},
        {{44, 3}, 13, 16, KRZ_CLASS_SUBJECT_VERB_AGREEMENT},
        {{43, 1}, 3, 6, KRZ_CLASS_PARTICIPLE_AGREEMENT},
        {{41, 1, 'C', 34}, 3, 11, KRZ_CLASS_QUALIFIER_AGREEMENT},
        {{52, 1}, 0, 6, KRZ_CLASS_GRAMMAR},
        {{59, 2, 'N', 0}, 3, 11, KRZ_CLASS_GRAMMAR},
        {{57, 2}, 17, 17, KRZ_CLASS_GRAMMAR},           // the sentence's last word
        {{48, 2, 0, 1}, 0, 1, KRZ_CLASS_GRAMMAR},       // sentence-wide: word 0
    };
    for (const Case& c : cases) {
        SetScript({c.finding});
        ASSERT_EQ(Grammar(kText, 0, 10), 1u) << c.finding.code;
        EXPECT_EQ(table_[0].start, c.start) << c.finding.code;
        EXPECT_EQ(table_[0].end, c.end) << c.finding.code;
        EXPECT_EQ(table_[0].errorClass, c.errorClass) << c.finding.code;
        ASSERT_NE(table_[0].message, nullptr);
        EXPECT_EQ(table_[0].suggestionCount, 0);
        KRZClearParagraphTab(table_, 1);
    }
}

TEST_F(ParagraphRoadTest, EveryFindingOfEverySentenceInOrder) {
    SetScript({{44, 1}, {16, 2}, {1, 0}});
    ASSERT_EQ(Grammar(kText), 6u);
    // In (code, word) order within each sentence.
    const u32 starts[] = {0, 3, 3, 19, 22, 22};
    const u16 classes[] = {2, 3, 7, 2, 3, 7};
    for (u32 k = 0; k < 6; ++k) {
        EXPECT_EQ(table_[k].start, starts[k]) << k;
        EXPECT_EQ(table_[k].errorClass, classes[k]) << k;
    }
}

TEST_F(ParagraphRoadTest, CategoryMaskDropsOnlyTheCodesItNames) {
    SetScript({{8, 0}, {16, 1}, {37, 1}, {41, 1}, {44, 2}, {48, 0, 0, 2}, {48, 1, 0, 7}, {49, 1},
               {58, 0}, {60, 1}});
    ASSERT_EQ(Grammar(kText, 0, 10, 0), 3u);
    EXPECT_EQ(table_[0].errorClass, KRZ_CLASS_QUALIFIER_AGREEMENT);
    EXPECT_EQ(table_[1].errorClass, KRZ_CLASS_SUBJECT_VERB_AGREEMENT);
    EXPECT_EQ(table_[2].errorClass, KRZ_CLASS_GRAMMAR);  // 48 with a detail outside 1..5
    KRZClearParagraphTab(table_, 3);
    ASSERT_EQ(Grammar(kText, 0, 10, KRZ_CATEGORY_REPEATED_WORD | KRZ_CATEGORY_SIGN_2), 5u);
}

// A rule that never moves the resume point on.
RuleCode StuckDispatcher(u16) {
    ++gDispatchCalls;
    gLastRule = 16;
    gLastErrorPos = 1;
    gErrorVariant = 0;
    return 16;
}

TEST_F(ParagraphRoadTest, ThirdIdenticalReportEndsTheSentence) {
    gDispatcherTestHook = StuckDispatcher;
    ASSERT_EQ(Grammar(kText), 4u);  // two per sentence
    EXPECT_EQ(table_[1].start, table_[0].start);
    EXPECT_EQ(table_[2].start, 19u);
}

// A stand-in cascade that leaves segment records behind, and notes whether
// the table was clean when a dispatch series began.
bool gStaleSegments = false;
RuleCode SegmentScribbler(u16) {
    if (gLastRule == 0 && gLastErrorPos == -1) {
        bool clean = gSegmentCount == 0;
        for (i32 k = 0; k < 128; ++k) clean = clean && gSegments[k].Link == 255 && gSegments[k].FirstWord == 0;
        gStaleSegments = gStaleSegments || !clean;
    }
    for (i32 k = 0; k < 4; ++k) {
        gSegments[k].FirstWord = 3;
        gSegments[k].Link = 7;
    }
    gSegmentCount = 4;
    return 0;
}

TEST_F(ParagraphRoadTest, EveryDispatchSeriesStartsOnAClearSegmentTable) {
    gStaleSegments = false;
    gDispatcherTestHook = SegmentScribbler;
    Grammar(kText);
    EXPECT_FALSE(gStaleSegments);
}

u16 gCallbackCalls = 0;
u16 CountingCallback(i32, i32, RuleCode, u16, u16, const BoundedString&, u16, const StringList&, u16) {
    ++gCallbackCalls;
    return 1;
}

TEST_F(ParagraphRoadTest, DispatchLoopsStopOnARuleThatDoesNotAdvance) {
    gDispatcherTestHook = StuckDispatcher;
    Sentences("Le chat dort.");
    BoundedString text = ViewOf("Le chat dort.");
    gCallbackCalls = 0;
    CheckSentence(text, 1, 1, 0, 0, CountingCallback, nullptr, 0, 1, 0, 1);
    EXPECT_EQ(gCallbackCalls, kMaxDispatchCalls);
    // One reading combination: no counting series, the report series only.
    EXPECT_EQ(gDispatchCalls, kMaxDispatchCalls);
}

TEST_F(ParagraphRoadTest, TableHoldsSixtyRecords) {
    std::string text;
    for (int i = 0; i < 70; ++i) text += "mot ";
    text += ". Encore un mot.";
    std::vector<Finding> script;
    for (i16 i = 0; i < 70; ++i) script.push_back({1, i});
    SetScript(script);
    EXPECT_EQ(Grammar(text.c_str()), 60u);
    EXPECT_EQ(table_[59].start, 59u * 4);
}

// Once the table is full no later sentence is analysed: 200 sentences with
// a finding each cost what the 60 recorded ones cost.
TEST_F(ParagraphRoadTest, FullTableEndsTheWalk) {
    SetScript({{1, 0}});
    u32 calls[2] = {};
    const int sentences[2] = {60, 200};
    for (int k = 0; k < 2; ++k) {
        std::string text;
        for (int i = 0; i < sentences[k]; ++i) text += "Il rit. ";
        gDispatchCalls = 0;
        EXPECT_EQ(Grammar(text.c_str()), 60u);
        calls[k] = gDispatchCalls;
        KRZClearParagraphTab(table_, 60);
    }
    EXPECT_GT(calls[0], 0u);
    EXPECT_EQ(calls[1], calls[0]);
}

TEST_F(ParagraphRoadTest, LongAndOverlongSentences) {
    std::string words;
    for (int i = 0; i < 128; ++i) words += i == 0 ? "Mot " : "mot ";
    SetScript({{1, 0}});
    const std::string overlong = "Il dort. " + words + ". Fin.";
    // 128 words: only code 4 over word 0; the other sentences as usual.
    ASSERT_EQ(Grammar(overlong.c_str()), 3u);
    EXPECT_EQ(table_[1].start, 9u);
    EXPECT_EQ(table_[1].end, 11u);
    EXPECT_EQ(table_[1].errorClass, KRZ_CLASS_GRAMMAR);
    KRZClearParagraphTab(table_, 3);

    // 127 words with the final mark are still checked.
    gScriptMeasure = 0;
    std::string checked = "Mot";
    for (int i = 1; i < 126; ++i) checked += " mot";
    ASSERT_EQ(Grammar((checked + ".").c_str()), 1u);
    EXPECT_EQ(table_[0].errorClass, KRZ_CLASS_SPELLING);
    KRZClearParagraphTab(table_, 1);

    SetScript({});
    gScriptMeasure = 51;
    ASSERT_EQ(Grammar(kText, 0, 10), 1u);
    EXPECT_EQ(table_[0].start, 0u);
    EXPECT_EQ(table_[0].end, 1u);
    KRZClearParagraphTab(table_, 1);
    EXPECT_EQ(Grammar(kText, 0, 10, KRZ_CATEGORY_ALL & ~KRZ_CATEGORY_LONG_SENTENCE), 0u);
    gScriptMeasure = 50;  // the threshold itself is not long
    EXPECT_EQ(Grammar(kText, 0, 10), 0u);
}

TEST_F(ParagraphRoadTest, RangeSelectsWholeSentences) {
    SetScript({{1, 0}});
    EXPECT_EQ(Grammar(kText, 21, 22), 1u);  // start inside the second sentence
    EXPECT_EQ(table_[0].start, 19u);
    KRZClearParagraphTab(table_, 1);
    EXPECT_EQ(Grammar(kText, 2, 5), 1u);  // end inside the first: the second is not checked
    KRZClearParagraphTab(table_, 1);
    EXPECT_EQ(Grammar(kText, 500, 1000), 1u);  // past the end: the last sentence
    EXPECT_EQ(table_[0].start, 19u);
}

TEST_F(ParagraphRoadTest, HostErrorsGiveNothing) {
    SetScript({{1, 0}});
    EXPECT_EQ(Grammar(""), 0u);
    EXPECT_EQ(Grammar(kText, -1, 10), 0u);
    EXPECT_EQ(Grammar(kText, 0, -1), 0u);
    EXPECT_EQ(KRZTestGrammarParagraph(nullptr, 0, 10, table_, 0, 1, 1, 0, 0), 0u);
    EXPECT_EQ(KRZTestGrammarParagraph(kText, 0, 10, nullptr, 0, 1, 1, 0, 0), 0u);
    EXPECT_EQ(KRZTestSpellingParagraph(nullptr, 0, 10, table_, 1, 1, 0, 0), 0u);
    EXPECT_EQ(TQ4DTestSpellingParagraph(kText, 0, 10, nullptr, 1, 1, 0, 0, 1, 0), 0u);
}

TEST_F(ParagraphRoadTest, ClearingTheTableTwiceFreesOnce) {
    SetScript({{1, 0}, {1, 1}});
    ASSERT_EQ(Grammar(kText, 0, 10), 2u);
    KRZClearParagraphTab(table_, 2);
    EXPECT_EQ(table_[0].message, nullptr);
    EXPECT_EQ(table_[1].message, nullptr);
    KRZClearParagraphTab(table_, 2);  // frees nothing (the sanitizer run checks)
    KRZClearParagraphTab(table_, 0);
    KRZClearParagraphTab(table_, -3);
    KRZClearParagraphTab(nullptr, 5);
}

// The unknown-word rule leaves the spelling suggester's list.
RuleCode DispatcherWithSuggestions(u16 mode) {
    const RuleCode r = ScriptedDispatcher(mode);
    if (r == 1) {
        CopyCString(gSpellingSuggestions[0], "chat");
        CopyCString(gSpellingSuggestions[1], MR("chât"));
        CopyCString(gSpellingSuggestions[2], "chat");  // a duplicate counts once
        gSpellingSuggestionCount = 3;
    }
    return r;
}

TEST_F(ParagraphRoadTest, SpellingSuggestionsFollowTheMode) {
    gDispatcherTestHook = DispatcherWithSuggestions;
    SetScript({{1, 1}});
    ASSERT_EQ(Grammar(kText, 0, 10), 1u);
    ASSERT_EQ(table_[0].suggestionCount, 2);
    EXPECT_EQ(Suggestion(0, 0), "chat");
    EXPECT_EQ(Suggestion(0, 1), "ch\xE2t");  // converted to Windows-1252
    KRZClearParagraphTab(table_, 1);

    struct Case {
        u16 mode;
        i32 offset;
        u16 count;
    };
    const Case cases[] = {{0, 4, 0}, {1, 0, 2}, {2, 4, 2}, {2, 7, 2}, {2, 8, 0}, {2, 300, 0}};
    for (const Case& c : cases) {
        ASSERT_EQ(TQ4DTestSpellingParagraph(kText, 0, 10, table_, 1, 1, 0, 0, c.mode, c.offset), 1u);
        EXPECT_EQ(table_[0].suggestionCount, c.count) << c.mode << " " << c.offset;
        KRZClearParagraphTab(table_, 1);
    }
}

TEST_F(ParagraphRoadTest, UnfinishedLastSentenceGetsOnlySpellingFindings) {
    SetScript({{1, 0}, {16, 1}});
    u32 n = TQ4DTestGrammarParagraph("Il dort. Il mange", 0, 100, table_, KRZ_CATEGORY_ALL, 1, 1, 0,
                                     0, 1, 0);
    ASSERT_EQ(n, 3u);
    EXPECT_EQ(table_[2].start, 9u);
    EXPECT_EQ(table_[2].errorClass, KRZ_CLASS_SPELLING);
    KRZClearParagraphTab(table_, 3);
    n = TQ4DTestGrammarParagraph("Il dort. Il mange.", 0, 100, table_, KRZ_CATEGORY_ALL, 1, 1, 0, 0,
                                 1, 0);
    EXPECT_EQ(n, 4u);
    KRZClearParagraphTab(table_, 4);
    EXPECT_EQ(KRZTestSpellingParagraph("Il dort. Il mange.", 0, 100, table_, 1, 1, 0, 0), 2u);
}

TEST_F(ParagraphRoadTest, TextIsReadInTheHostCodePage) {
    SetScript({{1, 1}});
    gCheckingLanguage = 3;
    ASSERT_EQ(Grammar("Un \xE9t\xE9 chaud.", 0, 20), 1u);  // "été" in Windows-1252
    EXPECT_EQ(table_[0].start, 3u);
    EXPECT_EQ(table_[0].end, 5u);
}

}  // namespace

namespace {

// The road on the built-in dictionary (the real dictionary-word test
// cutting the sentences), both languages and both export families; the
// findings are still the script's, placed at word positions: this checks
// their offsets, not what the rules would find there.
TEST_F(ParagraphRoadTest, ScriptedFindingsOnTheBuiltInDictionary) {
    gDictionaryWordTestHook = nullptr;
    KRZInit(3, 1);
    SetScript({{1, 1}, {44, 2}});
    EXPECT_EQ(KRZTestGrammarParagraph("Le chat dorment. Les chiens aboie.", 0, 100, table_,
                                      KRZ_CATEGORY_ALL, 1, 1, 0, 0),
              4u);
    EXPECT_EQ(table_[3].start, 28u);  // "aboie"
    KRZClearParagraphTab(table_, 4);
    KRZSetLanguage(0);
    EXPECT_EQ(KRZTestSpellingParagraph("The cat sleep. Dogs barks.", 0, 100, table_, 1, 1, 0, 0), 2u);
    EXPECT_EQ(table_[1].start, 20u);
    KRZEnd();
}

}  // namespace
