// The spelling suggester's parts on the built-in French dictionary: the
// ending routines, the candidate generator with its cost marks and bounds,
// the suggestion mode of the word-form analysis, accent restoration, and
// the verb candidates of participles.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "frame/loader.h"
#include "frame/mac_roman.h"
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/report.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "krzlib.h"
#include "morphology/base_recovery.h"
#include "morphology/section_walk.h"
#include "morphology/spelling_variants.h"
#include "morphology/suggestion_checks.h"
#include "morphology/verb_candidates.h"
#include "morphology/word_analysis.h"
#include "morphology/word_lookup.h"

namespace {

constexpr u16 kFrench = 3;
constexpr u16 kEnglish = 0;
constexpr u16 kFrenchSuggest = 3 * 256 + 5;

// One suggestion with its cost mark.
struct Marked {
    std::string text;
    u8 mark;
};

class SuggesterPartsTest : public ::testing::Test {
protected:
    void SetUp() override {
        while (gInitCount != 0) KRZEnd();
        KRZInit(kFrench, 0);
        InitByteMatrix(list, 24, 36);
        InitByteMatrix(slots, 16, 36);
        gPendingSuggestionFlag = 0;
        gLastRule = 0;
        gErrorVariant = 0;
    }
    void TearDown() override {
        gCaseMode = 0;
        gAccentsOnCapitals = 0;
        gWordCount = 0;
        while (gInitCount != 0) KRZEnd();
    }

    static void SetWord(BoundedString& w, const char* text) {
        w.Allocate(36);
        std::strncpy(reinterpret_cast<char*>(w.data), text, 35);
    }
    std::vector<Marked> Listed(u16 n) const {
        std::vector<Marked> out;
        for (u16 i = 0; i < n; ++i)
            out.push_back({reinterpret_cast<const char*>(list[i].data), gSuggestionFlags[i]});
        return out;
    }
    static const Marked* Find(const std::vector<Marked>& v, const char* text) {
        for (const Marked& m : v)
            if (m.text == text) return &m;
        return nullptr;
    }
    // The French ending routine on a word, with a pending mark.
    std::vector<Marked> FrenchEndings(const char* text, u8 pending = 0, u16* result = nullptr) {
        BoundedString w;
        SetWord(w, text);
        u16 count = 0;
        gPendingSuggestionFlag = pending;
        const u16 r = SuggestFrenchHomophoneEndings(kFrenchSuggest, w, count, list);
        if (result != nullptr) *result = r;
        EXPECT_STREQ(reinterpret_cast<const char*>(w.data), text) << "the word is never changed";
        return Listed(count);
    }
    std::vector<Marked> Variants(const char* text, u16 mode = kFrenchSuggest) {
        BoundedString w;
        SetWord(w, text);
        u16 count = 0;
        gCaseMode = 0;
        TrySpellingVariants(mode, w, count, list);
        return Listed(count);
    }
    // Suggestion mode of the analysis with its 16-entry work list.
    std::vector<std::string> SuggestionMode(const char* text, u16 mode = kFrenchSuggest) {
        BoundedString w;
        SetWord(w, text);
        u16 count = 0;
        gCaseMode = kCaseAsked;
        AnalyseWordForms(mode, w, count, slots);
        EXPECT_LE(count, slots.count);
        std::vector<std::string> out;
        for (u16 i = 0; i < count; ++i) out.emplace_back(reinterpret_cast<const char*>(slots[i].data));
        return out;
    }

    StringList list;
    StringList slots;
};

// ---- Ending routines -------------------------------------------------------------------------

TEST_F(SuggesterPartsTest, FrenchEndingsFindTheHomophoneSpelling) {
    const struct {
        const char* word;
        const char* expected;
    } cases[] = {
        {"chapo", MR("chapeau")},   // homophone endings after the stem "chap"
        {"chevau", "chevaux"},
        {"aigue", MR("aiguë")},     // final letter
        {"aigues", MR("aiguës")},   // the letter before a final s
        {"voila", MR("voilà")},
        {"baton", MR("bâton")},     // accents
        {"tar", "tard"},            // silent final letters
        {"gran", "grand"},
    };
    for (const auto& c : cases) {
        const std::vector<Marked> got = FrenchEndings(c.word, 2);
        const Marked* m = Find(got, c.expected);
        ASSERT_NE(m, nullptr) << c.word;
        EXPECT_EQ(m->mark, 3) << c.word << ": the pending mark plus one";
    }
    EXPECT_EQ(gPendingSuggestionFlag, 0);
}

TEST_F(SuggesterPartsTest, EndingRoutinesStopWhenTheListIsFull) {
    StringList small;
    InitByteMatrix(small, 2, 36);
    BoundedString w;
    SetWord(w, "chapo");
    u16 count = 0;
    EXPECT_EQ(SuggestFrenchHomophoneEndings(kFrenchSuggest, w, count, small), 1);
    EXPECT_EQ(count, 2);
    // A word that finds nothing answers 0.
    SetWord(w, "zzqxw");
    count = 0;
    EXPECT_EQ(SuggestFrenchHomophoneEndings(kFrenchSuggest, w, count, list), 0);
    EXPECT_EQ(count, 0);
}

TEST_F(SuggesterPartsTest, EnglishBaseRecovery) {
    SelectLanguageTables(kEnglish);
    BoundedString probe;
    SetWord(probe, "baby");
    ASSERT_TRUE(IsKnownForm(kModeEnglishPlain, probe)) << "the built-in English dictionary knows \"baby\"";
    const struct {
        const char* word;
        const char* expected;
    } cases[] = {{"babies", "baby"}, {"clim", "climb"}, {"det", "debt"}, {"sof", "soft"}, {"haf", "half"}};
    for (const auto& c : cases) {
        BoundedString w;
        SetWord(w, c.word);
        u16 count = 0;
        gPendingSuggestionFlag = 0;
        RecoverEnglishBaseForSuggestion(5, w, count, list);
        const std::vector<Marked> got = Listed(count);
        const Marked* m = Find(got, c.expected);
        ASSERT_NE(m, nullptr) << c.word;
        EXPECT_EQ(m->mark, 1);
    }
}

// ---- Candidate generator ----------------------------------------------------------------------

TEST_F(SuggesterPartsTest, FixedCorrectionsAndTheirMarks) {
    // Fixed words are added without a dictionary check, with mark 1.
    std::vector<Marked> got = Variants("soye");
    ASSERT_GE(got.size(), 2u);
    EXPECT_EQ(got[0].text, "soit");
    EXPECT_EQ(got[1].text, "soie");
    EXPECT_EQ(got[0].mark, 1);
    EXPECT_EQ(got[1].mark, 1);
    got = Variants("et");
    const Marked* est = Find(got, "est");
    ASSERT_NE(est, nullptr);
    EXPECT_EQ(est->mark, 1);
    got = Variants("cest");
    ASSERT_NE(Find(got, "c'est"), nullptr);
}

TEST_F(SuggesterPartsTest, EnglishContractionsAreFixedRewrites) {
    SelectLanguageTables(kEnglish);
    const struct {
        const char* word;
        std::vector<std::string> first;
    } cases[] = {{"doesnt", {"doesn't", "does not"}},
                 {"shant", {"shan't", "sha not"}},
                 {"aint", {"ain't"}},
                 {"alright", {"all right"}}};
    for (const auto& c : cases) {
        const std::vector<Marked> got = Variants(c.word, 5);
        ASSERT_GE(got.size(), c.first.size()) << c.word;
        for (size_t i = 0; i < c.first.size(); ++i) {
            EXPECT_EQ(got[i].text, c.first[i]) << c.word;
            EXPECT_EQ(got[i].mark, 1) << c.word;
        }
    }
    // Operation 7 on do'nt swaps the apostrophe and the n (the dictionary
    // knows "don't" with its apostrophe byte).
    BoundedString dont;
    dont.Allocate(36);
    std::memcpy(dont.data, "don\x93t", 5);
    ASSERT_TRUE(IsKnownForm(kModeEnglishPlain, dont)) << "the built-in English dictionary lacks don't";
    const std::vector<std::string> got = SuggestionMode("do'nt", 7);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0], "don't");
}

TEST_F(SuggesterPartsTest, EditsCostMoreAtTheFirstLetter) {
    // The same keyboard-neighbour edit: 1 + 1 at the first letter, 1
    // elsewhere; an insertion after the second letter costs 3.
    const struct {
        const char* word;
        const char* expected;
        u8 mark;
    } cases[] = {{"xheval", "cheval", 2}, {"mzison", "maison", 1}, {"maisn", "maison", 3}};
    for (const auto& c : cases) {
        const std::vector<Marked> got = Variants(c.word);
        const Marked* m = Find(got, c.expected);
        ASSERT_NE(m, nullptr) << c.word;
        EXPECT_EQ(m->mark, c.mark) << c.word;
    }
}

TEST_F(SuggesterPartsTest, EveryOneLetterSlipReachesItsWord) {
    // The steps never insert a letter before the second one or, in a long
    // word, before the last six; never delete from a four-letter word; never
    // insert w to z in French. Those edits come last, at the cost the steps
    // give the same edit (insertion 2 after the first letter, 3 elsewhere;
    // deletion 1). The full replacement tries w to z in French too (cost 4).
    const struct {
        u16 language;
        const char* word;
        const char* expected;
        u8 mark;
    } cases[] = {{kFrench, "ppeler", "appeler", 3},      {kFrench, "gouvrnement", "gouvernement", 3},
                 {kFrench, "craon", "crayon", 3},        {kFrench, "mloi", "moi", 1},
                 {kFrench, "deua", "deux", 4},
                 {kEnglish, "rspectively", "respectively", 2}, {kEnglish, "nderstand", "understand", 3},
                 {kEnglish, "rgument", "argument", 3},   {kEnglish, "thwe", "the", 1}};
    for (const auto& c : cases) {
        SelectLanguageTables(c.language);
        const std::vector<Marked> got = Variants(c.word, static_cast<u16>(c.language * 256 + 5));
        const Marked* m = Find(got, c.expected);
        ASSERT_NE(m, nullptr) << c.word;
        EXPECT_EQ(m->mark, c.mark) << c.word;
    }
}

TEST_F(SuggesterPartsTest, WorkStaysBoundedWhateverTheWord) {
    // Long words, all consonants, one letter repeated: the dictionary tests
    // of a call stop at the limit for the word's length.
    const std::string words[] = {std::string(35, 'a'), "bcdfghjklmnpqrstvwxzbcdfghjklmnpqrs",
                                 "anticonstitutionnellementtttttttttt", "anticonstitutionnellemant",
                                 std::string(35, 'e')};
    for (const std::string& word : words) {
        Variants(word.c_str());
        EXPECT_LE(CandidateLookups(), SearchLookupLimit(static_cast<i32>(word.size()))) << word;
    }
    EXPECT_NE(Find(Variants("anticonstitutionnellemant"), "anticonstitutionnellement"), nullptr);
}

TEST_F(SuggesterPartsTest, MarksStayLowAndEntriesFitTheirStrings) {
    // Suffix swaps of overlapping suffixes once wrapped to ~250 and ranked
    // good candidates last; insertions into a full candidate overran it.
    const char* words[] = {"mangeer", "rapidemment", "nationnalisation", "bonjoure", "chevau",
                           "anticonstitutionnellemmentt", "abcdefghijklmnopqrstuvwxyzabcdefgh"};
    for (const char* word : words) {
        const std::vector<Marked> got = Variants(word);
        for (const Marked& m : got) {
            EXPECT_LT(m.mark, 20) << word << " -> " << m.text;
            EXPECT_LE(m.text.size(), 35u);
        }
    }
}

TEST_F(SuggesterPartsTest, TheListNeverOutgrowsItsCapacity) {
    // The analysis work list holds 16 entries: the count stops there.
    StringList small;
    InitByteMatrix(small, 16, 36);
    BoundedString w;
    SetWord(w, "dor");
    u16 count = 0;
    gCaseMode = 0;
    TrySpellingVariants(kFrenchSuggest, w, count, small);
    EXPECT_EQ(count, 16);
    // A list larger than the 24 cost marks stops at 24.
    StringList large;
    InitByteMatrix(large, 40, 36);
    count = 0;
    SetWord(w, "dor");
    TrySpellingVariants(kFrenchSuggest, w, count, large);
    EXPECT_LE(count, 24);
    EXPECT_EQ(large[24].data[0], 0);
}

TEST_F(SuggesterPartsTest, LongCapitalisedWordEndsAndComesBackRestored) {
    // Every capital opens a group of case variants; the enumeration is
    // bounded, so this returns (measured in the benchmark).
    BoundedString w;
    SetWord(w, "ABCDEFGHIJKLMNOPQRSTUVWXY");
    u16 count = 0;
    TrySpellingVariants(kFrenchSuggest, w, count, list);
    EXPECT_STREQ(reinterpret_cast<const char*>(w.data), "ABCDEFGHIJKLMNOPQRSTUVWXY");
}

TEST_F(SuggesterPartsTest, CaseEnumerationFindsTheAccentedSpelling) {
    // "Ecole" as typed: the enumeration tries ecole (a full round adds
    // école with mark 2), then reaches école itself.
    const std::vector<Marked> got = Variants("Ecole");
    const Marked* m = Find(got, MR("école"));
    ASSERT_NE(m, nullptr);
    EXPECT_LE(m->mark, 2);
}

// ---- Suggestion mode of the analysis ---------------------------------------------------------

TEST_F(SuggesterPartsTest, SuggestionModeCapitalisesLikeTheTypedWord) {
    std::vector<std::string> got = SuggestionMode("Chapo");
    ASSERT_FALSE(got.empty());
    EXPECT_NE(std::find(got.begin(), got.end(), std::string(MR("Chapeau"))), got.end());
    for (const std::string& s : got) EXPECT_TRUE(s[0] >= 'A' && s[0] <= 'Z') << s;
    got = SuggestionMode("CHAPO");
    EXPECT_NE(std::find(got.begin(), got.end(), std::string("CHAPEAU")), got.end());
    // Hyphens and elisions come back as typed characters.
    got = SuggestionMode("porte-monaie");
    for (const std::string& s : got) {
        EXPECT_EQ(s.find(static_cast<char>(0x9B)), std::string::npos) << s;
        EXPECT_EQ(s.find(static_cast<char>(0x93)), std::string::npos) << s;
    }
    EXPECT_NE(std::find(got.begin(), got.end(), std::string("porte-monnaie")), got.end());
}

TEST_F(SuggesterPartsTest, SuggestionModeNeverRepeatsOrKeepsShortEntries) {
    for (const char* word : {"chapo", "maisn", "aigue", "lé", "x"}) {
        const std::vector<std::string> got = SuggestionMode(word);
        for (size_t i = 0; i < got.size(); ++i) {
            EXPECT_GE(got[i].size(), 2u) << word;
            for (size_t k = i + 1; k < got.size(); ++k) EXPECT_NE(got[i], got[k]) << word;
        }
    }
}

TEST_F(SuggesterPartsTest, OperationSevenStopsAfterThePositionRepairs) {
    const std::vector<std::string> all = SuggestionMode("mangeer", 3 * 256 + 5);
    const std::vector<std::string> first = SuggestionMode("mangeer", 3 * 256 + 7);
    EXPECT_LE(first.size(), all.size());
    EXPECT_NE(std::find(first.begin(), first.end(), "manger"), first.end());
}

// ---- Accent restoration ----------------------------------------------------------------------

TEST_F(SuggesterPartsTest, AccentRestorationOfCapitalisedWords) {
    const struct {
        const char* word;
        const char* spelling;
    } cases[] = {{"Etre", MR("être")}, {"ECOLE", MR("école")}, {"ETE", MR("été")}, {"Ecole", MR("école")}};
    for (const auto& c : cases) {
        BoundedString w;
        SetWord(w, c.word);
        u16 count = 0;
        gCaseMode = kCaseAsked;
        gAccentsOnCapitals = 0;
        AnalyseWordForms(800, w, count, slots);
        EXPECT_GT(count, 0) << c.word;
        EXPECT_STREQ(reinterpret_cast<const char*>(slots[15].data), c.spelling) << c.word;
    }
}

TEST_F(SuggesterPartsTest, AccentRestorationFailsQuietlyOnNonsense) {
    // Long words skip the expansions; many vowels exceed the candidate
    // bound; neither finds anything nor writes entry 15.
    for (const char* word : {"ZZZZZZZZZZZZZZZZZZZZ", "EAEAEAEAEAE", "ABOUIEUAOIE"}) {
        BoundedString w;
        SetWord(w, word);
        u16 count = 0;
        gCaseMode = kCaseAsked;
        AnalyseWordForms(800, w, count, slots);
        EXPECT_EQ(count, 0) << word;
        EXPECT_EQ(slots[15].data[0], 0) << word;
    }
}

// ---- Verb candidates and form codes ------------------------------------------------------------

class VerbCandidatesTest : public SuggesterPartsTest {
protected:
    void SetUp() override {
        SuggesterPartsTest::SetUp();
        gWords[0].FirstLigaturePos = kNoLigaturePos;
        InitByteMatrix(candidates, 20, 36);
    }
    StringList candidates;
};

TEST_F(VerbCandidatesTest, CheckVerbCandidateWritesTheCodeString) {
    BoundedString w;
    SetWord(w, "chantez");
    ASSERT_EQ(CheckVerbCandidate(0, w), 1);
    const std::string code = reinterpret_cast<const char*>(w.data);
    EXPECT_EQ(code.substr(0, 10), "700chantez");
    EXPECT_EQ(code.substr(10, 3), std::string(" ") + static_cast<char>(0xA4) + "V");
    SetWord(w, "maison");
    EXPECT_EQ(CheckVerbCandidate(0, w), 0);
    EXPECT_STREQ(reinterpret_cast<const char*>(w.data), "maison");
}

TEST_F(VerbCandidatesTest, ParticiplesLeadToTheirVerbForms) {
    const struct {
        const char* word;
        std::vector<std::string> forms;
    } cases[] = {
        {MR("chanté"), {"chanter", "chantez"}},
        {"fini", {"finis", "finit", "finie"}},
        {"parlez", {"parler", MR("parlé")}},
        {"zzqx", {}},
    };
    for (const auto& c : cases) {
        BoundedString w;
        SetWord(w, c.word);
        const u16 n = FindVerbCandidatesForParticiple(0, w, candidates);
        ASSERT_EQ(n, c.forms.size()) << c.word;
        for (u16 i = 0; i < n; ++i) {
            const std::string code = reinterpret_cast<const char*>(candidates[i].data);
            EXPECT_EQ(code.substr(3, c.forms[i].size()), c.forms[i]) << c.word;
        }
    }
}

TEST_F(VerbCandidatesTest, WordFormCodesOfAnUnlistedWord) {
    // Written into the record's own text: a text of its own would detach it
    // from the record's block for the tests after this one.
    std::strncpy(reinterpret_cast<char*>(gWords[0].WordText.data), "zzqx", kWordCapacity);
    gWords[0].ReadingClasses[0] = 'A';
    u16 store[40];
    for (u16& s : store) s = 0xFFFF;
    BoundedArray<u16> codes;
    codes.View(store, 40);
    EXPECT_EQ(FindWordFormCodes(0, 0, codes), 0);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(store[i], 0);
    EXPECT_EQ(store[16], 0xFFFF);
    // Mode 32: always two codes, the selector second.
    gErrorExtent = 3;
    EXPECT_EQ(FindWordFormCodes(32, 0, codes), 2);
    EXPECT_EQ(store[1], 3);
    gErrorExtent = 0;
}

}  // namespace
