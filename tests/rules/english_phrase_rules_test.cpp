// The English phrase stage on word tables built from the compact notation
// of the word-table fixture: amounts, noun-phrase numbering, the segment
// table with its heads and functions, the word-order rules and their gates,
// the held agreement finding, the comma rule, the relative-clause
// functions and the pre-cascade frame.
#include <gtest/gtest.h>

#include <string>

#include "../checking/word_table_fixture.h"
#include "krzlib.h"
#include "rules/english/english_clause_stages.h"
#include "rules/english/english_phrase_rules.h"
#include "rules/english/english_phrase_stage.h"
#include "rules/english/english_pre_rules.h"
#include "rules/english/english_segment_passes.h"

namespace {

using word_table::Build;
using word_table::Hit;
using word_table::Text;

// The English dictionary is opened: the comparison rules look up the -er
// and -est forms of the adjective.
class EnglishPhraseTest : public word_table::WordTableTest {
protected:
    void SetUp() override {
        KRZInit(0, 1);
        KRZSetLanguage(0);
        WordTableTest::SetUp();
        gCheckingLanguage = 0;
        gClauseMark = 0;
    }
    void TearDown() override {
        gClauseMark = 0;
        gAnalysisMode = 0;
        WordTableTest::TearDown();
        KRZEnd();
    }
};

// One call of the phrase stage; the finding as the dispatcher sees it.
Hit Call() {
    u16 pos = 0;
    gErrorVariant = 0;
    gErrorDetail = 0;
    gErrorExtent = kNoCorrection;
    const RuleCode r = CheckEnglishPhraseRules(pos);
    return {r, r ? static_cast<i32>(pos) : 0, r ? gErrorVariant : u8{0}, r ? gErrorDetail : u16{0},
            r ? gErrorExtent : u16{0}};
}

// Records the finding as the dispatcher would.
void Record(const Hit& h) {
    gLastRule = h.code;
    gLastErrorPos = static_cast<i16>(h.pos);
}

// Every finding of the phrase stage on the sentence, call after call, as
// the dispatcher records them (at most eight).
std::vector<Hit> Series(const std::string& sentence) {
    Build(sentence);
    word_table::StartSeries();
    std::vector<Hit> hits;
    for (int k = 0; k < 8; ++k) {
        const Hit h = Call();
        if (h.code == 0) break;
        EXPECT_TRUE(h.code > gLastRule || (h.code == gLastRule && h.pos > gLastErrorPos))
            << sentence << ": " << h << " would be refused";
        if (!(h.code > gLastRule || (h.code == gLastRule && h.pos > gLastErrorPos))) break;
        hits.push_back(h);
        Record(h);
    }
    return hits;
}

// The record that holds word i, or -1.
i32 RecordOf(i32 i) {
    for (i32 k = 0; k < gSegmentCount; ++k)
        if (gSegments[k].FirstWord <= i && (k + 1 == gSegmentCount || gSegments[k + 1].FirstWord > i)) return k;
    return -1;
}

std::string Shape() {
    std::string out;
    for (i32 k = 0; k < gSegmentCount; ++k) {
        const SegmentRecord& s = gSegments[k];
        out += (k ? " " : "") + std::to_string(s.FirstWord) + "-" + std::to_string(s.LastWord) + ":" +
               std::to_string(s.SegmentKind);
    }
    return out;
}

TEST_F(EnglishPhraseTest, CurrencyAmountsBecomeNumberAndUnit) {
    struct Case {
        const char* sentence;
        const char* texts;
        u8 numberFeatures;  // of the number and the unit word
    } cases[] = {
        {"$ 1/S.12.8 a/h.4.7 year/A.4.10 ./", "1 dollar a year .", 4},
        {"£ 25/S.8.8 ./", "25 pounds .", 0},
        {"€ 1,5/S.8.8 ./", "1,5 euro .", 4},
    };
    for (const Case& c : cases) {
        Build(c.sentence);
        Call();
        EXPECT_EQ(word_table::Texts(), c.texts) << c.sentence;
        EXPECT_EQ(gWords[1].ReadingCategories[0], 10);
        EXPECT_EQ(gWords[1].ReadingClasses[0], 'A');
        EXPECT_EQ(gWords[1].ReadingMarks[0], '2');
        EXPECT_EQ(gWords[1].ReadingFeatures[0] & 12, c.numberFeatures & 12) << c.sentence;
        if (c.numberFeatures == 4) {
            EXPECT_EQ(gWords[0].ReadingFeatures[0], 4) << c.sentence;
        }
    }
    EXPECT_NE(english::DollarLemma(), 0u);  // the noun "dollar" of our data
    EXPECT_EQ(gWords[1].ReadingLemmaRefs[0], english::DollarLemma());
    Build("$ 1/S.12.8 a/h.4.7 year/A.4.10 ./");
    Call();
    EXPECT_EQ(gWords[2].ReadingCategories[0], 15);  // "a" read like a preposition
    EXPECT_EQ(gWords[2].ReadingClasses[0], '"');
    Build("$ 1/S.12.8 a/h.4.7 year/A.4.10 ./");
    gClauseMark = 1;
    Call();
    EXPECT_EQ(word_table::Texts(), "$ 1 a year .");
}

TEST_F(EnglishPhraseTest, NounPhraseNumbering) {
    struct Case {
        const char* sentence;
        i32 a, b;   // two words
        bool same;  // in one phrase
    } cases[] = {
        // an article before "best" inside an open phrase joins it
        {"a/h.4.7 man/A.4.10 the/e.0.7 best/B.4.10 ./", 1, 2, true},
        {"a/h.4.7 man/A.4.10 the/e.0.7 tall/B.4.10 ./", 1, 2, false},
        // a numeral after a month joins its phrase, whatever its capital
        {"in/#34.0.15 march/A.4.10 5/S.4.8 ./", 1, 2, true},
        {"in/#34.0.15 March/A.4.10 5/S.4.8 ./", 1, 2, true},
        // a subject pronoun before a noun opens the phrase the noun joins
        {"we/X.8.1 men/A.8.10 came/#128.3.14 ./", 0, 1, true},
    };
    for (const Case& c : cases) {
        Build(c.sentence);
        Call();
        EXPECT_EQ(gWords[c.a].ClauseNumber == gWords[c.b].ClauseNumber, c.same) << c.sentence;
        EXPECT_NE(gWords[c.b].ClauseNumber, 0) << c.sentence;
    }
    // after "aged" or "worth" a numeral stays outside every phrase
    for (const char* s : {"he/].23.1 aged/B.0.10 5/S.8.8 came/#128.3.14 ./", "it/[.7.1 is/#128.1.14.37 worth/B.0.10 5/S.8.8 ./"}) {
        Build(s);
        english::NumberNounPhrases();
        for (i32 i = 0; i < gWordCount; ++i) {
            if (Text(gWords[i].WordText) == "5") {
                EXPECT_EQ(gWords[i].ClauseNumber, 0) << s;
            }
        }
    }
}

TEST_F(EnglishPhraseTest, NounAfterVerbAndAnalysisMode) {
    // a noun right after a conjugated verb reads 30 until the table is built
    Build("he/].23.1 sees/#128.1.14.1 dogs/A.8.10 ./");
    english::NumberNounPhrases();
    EXPECT_EQ(gWords[2].ReadingCategories[0], 30);
    Build("he/].23.1 sees/#128.1.14.1 dogs/A.8.10 ./");
    Call();  // the segment table gives it back its category
    EXPECT_EQ(gWords[2].ReadingCategories[0], 10);
    Build("he/].23.1 sees/#128.1.14.1 dogs/A.8.10 ?");
    english::NumberNounPhrases();
    EXPECT_EQ(gWords[2].ReadingCategories[0], 10);
    // analysis mode keeps the first reading of an ambiguous word; grammar
    // checking keeps its noun reading inside an open phrase
    for (const u16 mode : {u16{1}, u16{0}}) {
        Build("the/e.0.7 fast/#128.0.14.1+A.4.10 ./");
        gAnalysisMode = mode;
        english::NumberNounPhrases();
        EXPECT_EQ(gWords[1].ReadingCount, 1);
        EXPECT_EQ(gWords[1].ReadingCategories[0], mode ? 14 : 10) << mode;
    }
}

TEST_F(EnglishPhraseTest, PunctuationRecordsInAnalysisModeOnly) {
    // a colon or a full stop gets a record of its own in analysis mode, a
    // quotation mark never; in grammar checking none does
    for (const u16 mode : {u16{0}, u16{1}}) {
        gAnalysisMode = mode;
        Build("he/].23.1 came/#128.3.14.62 : \" ./");
        Call();
        EXPECT_EQ(Shape(), mode ? "0-0:24 1-1:14 2-2:20 4-4:20" : "0-0:24 1-1:14") << mode;
    }
}

TEST_F(EnglishPhraseTest, TimePhrasesAndHeldStates) {
    struct Case {
        const char* sentence;
        i32 word;
    } cases[] = {
        {"he/].23.1 came/#128.3.14.62 last/B.4.10 summer/A.4.10 ./", 2},
        {"he/].23.1 came/#128.3.14.62 two/S.8.8 years/A.8.10 ago/#20.0.18 ./", 3},
        {"he/].23.1 came/#128.3.14.62 at/#34.0.15 5/S.8.8 p.m./A.4.10 ./", 3},
        {"he/].23.1 came/#128.3.14.62 in/#34.0.15 May/A.4.10 5/S.8.8 ./", 3},
    };
    for (const Case& c : cases) {
        Build(c.sentence);
        Call();
        ASSERT_GE(RecordOf(c.word), 0) << c.sentence;
        EXPECT_EQ(gSegments[RecordOf(c.word)].State, 2) << c.sentence << ": " << Shape();
    }
    // a record that held 127 when the pass reached it reads 1
    Build("he/].23.1 came/#128.3.14.62 ./");
    gSegments[1].State = 127;
    Call();
    EXPECT_EQ(gSegments[1].State, 1);
    EXPECT_EQ(gSegments[1].FirstWord, 1);
}

TEST_F(EnglishPhraseTest, PhraseHeadsAndFunctions) {
    struct Case {
        const char* sentence;
        i32 first;  // the phrase's first word
        i32 head;
    } cases[] = {
        // a participle in -ed after a noun, before "to": the noun
        {"a/h.4.7 man/A.4.10 tired/B.12.10 to/#32.0.15 go/#128.0.13 ./", 0, 1},
        {"a/h.4.7 man/A.4.10 tired/B.12.10 ./", 0, 2},
        // an adjective before "as": the noun
        {"a/h.4.7 man/A.4.10 old/B.4.10 as/#34.0.15 me/V.0.2 ./", 0, 1},
        // noun, "very", adjective: the noun
        {"a/h.4.7 man/A.4.10 very/#20.0.18 tall/B.4.10 ./", 0, 1},
        // "some" before an adjective: "some"
        {"some/Q.4.8 good/B.4.10 ./", 0, 0},
        // a closing adverb-like word: the word before it
        {"a/h.4.7 man/A.4.10 here/#20.0.18 ./", 0, 1},
    };
    for (const Case& c : cases) {
        Build(c.sentence);
        Call();
        const i32 k = RecordOf(c.first);
        ASSERT_GE(k, 0) << c.sentence;
        EXPECT_EQ(gSegments[k].FirstWord, c.first) << c.sentence << ": " << Shape();
        EXPECT_EQ(gSegments[k].LastWord, c.head) << c.sentence << ": " << Shape();
    }
    // a one-word noun phrase is its own subject-like head
    Build("dogs/A.8.10 bark/#128.0.14.1 ./");
    Call();
    EXPECT_EQ(gWords[0].FunctionCode, 75);
    EXPECT_EQ(gWords[0].LinkedWord, 0);
    // a pronoun-like word inside a phrase gets 75; the article keeps 0
    Build("the/e.0.7 men/A.8.10 themselves/#40.8.3 came/#128.3.14 ./");
    Call();
    EXPECT_EQ(gWords[2].ClauseNumber, gWords[0].ClauseNumber);
    EXPECT_EQ(gWords[2].FunctionCode, 75);
    EXPECT_EQ(gWords[0].FunctionCode, 0);
    Build("the/e.0.7 man/A.4.10 ./");
    Call();
    EXPECT_EQ(gWords[0].FunctionCode, 0);
    EXPECT_EQ(gWords[0].LinkedWord, 0);
    EXPECT_EQ(gWords[1].FunctionCode, 75);
    EXPECT_EQ(gWords[1].LinkedWord, 1);
}

TEST_F(EnglishPhraseTest, ShortAdjectives) {
    struct Case {
        const char* word;
        bool shortOne;
    } cases[] = {
        {"tall", true},      {"strong", true},   {"real", true},    {"glad", true},    {"nice", true},
        {"happy", true},     {"clever", true},   {"narrow", true},  {"simple", true},  {"legal", false},
        {"vivid", false},    {"famous", false},  {"expensive", false}, {"stronger", false}, {"absolute", false},
    };
    for (const Case& c : cases) {
        Build(std::string(c.word) + "/B.4.10");
        EXPECT_EQ(english::ShortAdjective(0), c.shortOne) << c.word;
    }
}

TEST_F(EnglishPhraseTest, WordOrderFindings) {
    struct Case {
        const char* sentence;
        Hit first;
    } cases[] = {
        {"yesterday/#20.0.18 i/U.5.1 went/#128.3.14.39 home/A.4.10 ./", {40, 1, 'i', 0, 1}},
        {"he/].23.1 is/#128.1.14.165 more/#20.0.18 tall/B.4.10 than/#17.0.17 me/V.0.2 ./", {40, 3, 'M', 0, 1}},
        {"this/F.4.4 is/#128.1.14.165 the/e.0.7 biggest/B.4.10 than/#17.0.17 all/Q.8.8 ./", {40, 3, 'K', 0, 1}},
        {"it/[.7.1 is/#128.1.14.165 most/#20.0.18 expensive/B.4.10 than/#17.0.17 that/O.4.8 ./",
         {40, 3, 'L', 0, 1}},
        {"she/^.39.1 is/#128.1.14.165 the/e.0.7 most/#20.0.18 nice/B.4.10 girl/A.4.10 ./", {40, 4, 'Q', 0, 1}},
        {"I/U.5.1 know/#128.0.14.1 not/#20.0.18 this/O.4.8 man/A.4.10 ./", {40, 2, 'N', 0, 1}},
        {"a/h.4.7 car/A.4.10 red/B.4.10.180 ./", {40, 2, 'P', 0, 1}},
        {"she/^.39.1 owns/#128.1.14.1 a/h.4.7 cars/A.8.10 ./", {41, 3, 0, 0, 1}},
    };
    for (const Case& c : cases) {
        const std::vector<Hit> hits = Series(c.sentence);
        ASSERT_FALSE(hits.empty()) << c.sentence;
        EXPECT_EQ(hits.front(), c.first) << c.sentence;
        EXPECT_EQ(hits.size(), 1u) << c.sentence;
    }
    // correct sentences give nothing
    for (const char* s : {"I/U.5.1 do/#128.0.14.34 not/#20.0.18 like/#128.0.13.16 it/[.7.2 ./",
                          "I/U.5.1 believe/#128.0.14.16 not/#20.0.18 ./",
                          "he/].23.1 is/#128.1.14.165 taller/B.4.10 than/#17.0.17 me/V.0.2 ./",
                          // no -er form in the dictionary: "more" is right
                          "he/].23.1 is/#128.1.14.165 more/#20.0.18 alive/B.4.10 than/#17.0.17 me/V.0.2 ./",
                          "she/^.39.1 owns/#128.1.14.1 a/h.4.7 car/A.4.10 ./",
                          "I/U.5.1 know/#128.0.14.1 not/#20.0.18 only/#20.0.18 this/O.4.8 ./",
                          "a/h.4.7 bit/A.4.10 red/B.4.10.180 ./", "a/h.4.7 car/A.4.10 red/B.4.10.180 enough/#20.0.18 ./",
                          "is/#128.1.14.165 a/h.4.7 car/A.4.10 red/B.4.10.180 ?"})
        EXPECT_TRUE(Series(s).empty()) << s;
    // a capital I is no lower-case i
    EXPECT_TRUE(Series("I/U.5.1 went/#128.3.14.39 home/A.4.10 ./").empty());
}

TEST_F(EnglishPhraseTest, GatesDoNotRepeatAFinding) {
    // With the resume point at the record before the phrase, 'P', 'K', 'L',
    // 'M', 'Q' of the phrase do not fire again; 'N' not again at "not".
    // With the resume point before that record they come again.
    const char* sentences[] = {
        "he/].23.1 saw/#128.3.14.24 a/h.4.7 car/A.4.10 red/B.4.10.180 ./",
        "he/].23.1 is/#128.1.14.165 more/#20.0.18 tall/B.4.10 than/#17.0.17 me/V.0.2 ./",
        "this/F.4.4 is/#128.1.14.165 the/e.0.7 biggest/B.4.10 than/#17.0.17 all/Q.8.8 ./",
        "it/[.7.1 is/#128.1.14.165 most/#20.0.18 expensive/B.4.10 than/#17.0.17 that/O.4.8 ./",
        "she/^.39.1 is/#128.1.14.165 the/e.0.7 most/#20.0.18 nice/B.4.10 girl/A.4.10 ./",
        "I/U.5.1 know/#128.0.14.1 not/#20.0.18 this/O.4.8 man/A.4.10 ./",
    };
    for (const char* s : sentences) {
        Build(s);
        const Hit h = Call();
        ASSERT_EQ(h.code, 40) << s;
        Record(h);
        EXPECT_EQ(Call().code, 0) << s << " after " << h;
        Build(s);  // the call settled the word's class; the sentence as it came
        gLastErrorPos = 0;
        EXPECT_EQ(Call(), h) << s;
    }
}

TEST_F(EnglishPhraseTest, RefusedComparisonIsTriedAtItsOwnWord) {
    // 'K' at "biggest" (word 4) tried at record 2 ("is", word 1): refused by
    // a 40 recorded at word 3. Tried again at later records it is judged at
    // its own word: refused while the resume point is at or past it, and
    // dropped (nothing reported, no report global changed); let out once
    // the resume point is before it.
    const char* s = "this/F.4.4 is/#128.1.14.165 so/#20.0.18 the/e.0.7 biggest/B.4.10 than/#17.0.17 all/Q.8.8 ./";
    Build(s);
    gLastRule = 40;
    gLastErrorPos = 4;
    gErrorVariant = 'x';
    u16 pos = 77;
    EXPECT_EQ(CheckEnglishPhraseRules(pos), 0);
    EXPECT_EQ(gErrorVariant, 'x');
    Build(s);
    gLastErrorPos = 3;
    EXPECT_EQ(Call(), (Hit{40, 4, 'K', 0, 1}));
}

TEST_F(EnglishPhraseTest, AgreementFindingIsHeldAndCompleted) {
    // the first phrase's disagreement is reported, at the noun before a
    // closing participle; the second comes on the next call
    const std::vector<Hit> hits =
        Series("these/O.8.8 book/A.4.10 is/#128.1.14.165 on/#34.0.15 a/h.4.7 tables/A.8.10 ./");
    ASSERT_EQ(hits.size(), 2u);
    EXPECT_EQ(hits[0].code, 41);
    EXPECT_EQ(hits[0].pos, 1);
    EXPECT_EQ(hits[1].code, 41);
    EXPECT_EQ(hits[1].pos, 5);
    EXPECT_EQ(gErrorKind, 1);
    // without a clash inside the phrase the determiner's number is proposed
    EXPECT_EQ(hits[0].extent, 2);
    // a number clash inside the phrase packs the form to propose after the
    // determiner's own number
    const std::vector<Hit> clash = Series("these/O.8.8 a/h.4.7 book/A.4.10 ./");
    ASSERT_EQ(clash.size(), 1u);
    EXPECT_EQ(clash[0], (Hit{41, 2, 0, 2, 2 + 256 * 1}));
    // a phrase closing on an adverb-like word: reported and gated at the
    // noun, so that it does not come back on the next call
    const std::vector<Hit> one = Series("a/h.4.7 cars/A.8.10 here/#20.0.18 ./");
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].pos, 1);
    // after a 40 at the reported word the finding proposes no correction,
    // and the completion leaves 65535 as it is
    Build("these/O.8.8 book/A.4.10 is/#128.1.14.165 old/B.4.10 ./");
    gLastRule = 40;
    gLastErrorPos = 1;
    const Hit h = Call();
    EXPECT_EQ(h.code, 41);
    EXPECT_EQ(h.extent, kNoCorrection);
}

TEST_F(EnglishPhraseTest, PluralAdjectiveWaitsForTheHeldAgreement) {
    // rule A holds a 41 at "cars"; 'J' at "happy" is not reported in the
    // same call (it would be refused for good once the 41 is recorded) but
    // on the next one
    const std::vector<Hit> hits = Series("a/h.4.7 cars/A.8.10 seems/#128.1.14.129 happy/B.8.10 ./");
    ASSERT_EQ(hits.size(), 2u);
    EXPECT_EQ(hits[0], (Hit{41, 1, 0, 0, hits[0].extent}));
    EXPECT_EQ(hits[1], (Hit{41, 3, 'J', 0, 1}));
}

TEST_F(EnglishPhraseTest, CommaInAClosingEnumeration) {
    // as pass 12 hands it: the comma record between two records of one kind
    Build("I/U.5.1 like/#128.0.14.1 tea/A.4.10 ,/ coffee/A.4.10 ./");
    Call();
    ASSERT_EQ(Shape(), "0-0:24 1-1:14 2-2:23 3-3:21 4-4:23");
    u16 pos = 0;
    gLastRule = 0;
    EXPECT_EQ(english::CheckCommaEnumeration(3, pos), 40);
    EXPECT_EQ(pos, 3);
    EXPECT_EQ(gErrorVariant, 'W');
    EXPECT_EQ(gLastRule, 0);  // never written by the rule
    // gated like the other 40s, at the comma
    gLastRule = 40;
    gLastErrorPos = 3;
    EXPECT_EQ(english::CheckCommaEnumeration(3, pos), 0);
    EXPECT_EQ(gLastRule, 40);
    gLastErrorPos = 2;
    EXPECT_EQ(english::CheckCommaEnumeration(3, pos), 40);
    // a coordinating conjunction in its place gives nothing
    Build("I/U.5.1 like/#128.0.14.1 tea/A.4.10 and/#16.0.16 coffee/A.4.10 ./");
    Call();
    gLastRule = 0;
    EXPECT_EQ(english::CheckCommaEnumeration(3, pos), 0);
}

TEST_F(EnglishPhraseTest, RelativeClauseFunctions) {
    gAnalysisMode = 1;  // the clause rules after them do not run
    struct Case {
        const char* sentence;
        i32 word;  // the relative's first word
        u8 kind, number, person;
        u16 function;
    } cases[] = {
        {"the/e.0.7 man/A.4.10 who/G.4.5 came/#128.3.14 ./", 2, 24, 1, 3, 79},
        // Only word 0 is read with its capital initial lowered: "Who" and
        // "WHO" further on are not "who"
        {"the/e.0.7 man/A.4.10 Who/G.4.5~1 came/#128.3.14 ./", 2, 23, 1, 3, 0},
        {"the/e.0.7 man/A.4.10 WHO/G.4.5~3 came/#128.3.14 ./", 2, 23, 1, 3, 0},
        {"What/G.4.5~1 happened/#128.3.14 ./", 0, 24, 0, 3, 0},
        {"WHAT/G.4.5~3 happened/#128.3.14 ./", 0, 23, 1, 3, 0},
        // "whatever" takes the "what" branch with person 0
        {"whatever/G.4.5 he/].23.1 said/#128.3.14 ./", 0, 23, 0, 0, 0},
        {"what/G.4.5 happened/#128.3.14 ./", 0, 24, 0, 3, 0},
    };
    for (const Case& c : cases) {
        Build(c.sentence);
        u16 pos = 0;
        CheckEnglishPreRules(pos);
        const i32 k = RecordOf(c.word);
        ASSERT_GE(k, 0) << c.sentence;
        EXPECT_EQ(gSegments[k].SegmentKind, c.kind) << c.sentence << ": " << Shape();
        EXPECT_EQ(gSegments[k].Number, c.number) << c.sentence;
        EXPECT_EQ(gSegments[k].Person, c.person) << c.sentence;
        EXPECT_EQ(gWords[c.word].FunctionCode, c.function) << c.sentence;
    }
    // "that" after a first record of state 1 is a conjunction
    Build("you're/\\.10.14 that/G.4.5 man/A.4.10 ./");
    u16 pos = 0;
    CheckEnglishPreRules(pos);
    EXPECT_EQ(gSegments[0].State, 1);
    EXPECT_EQ(gSegments[1].SegmentKind, 17);
    EXPECT_EQ(gWords[1].ReadingCategories[0], 17);
    // "that" after a noun phrase refers to it
    Build("the/e.0.7 man/A.4.10 that/G.4.5 came/#128.3.14 ./");
    CheckEnglishPreRules(pos);
    EXPECT_EQ(gWords[2].FunctionCode, 79);
    EXPECT_EQ(gWords[2].LinkedWord, 1);
    EXPECT_EQ(gSegments[RecordOf(2)].SegmentKind, 24);
    // a preposition and a relative pronoun: category 8, its own number
    Build("the/e.0.7 men/A.8.10 to/#34.0.15 whom/G.8.5 I/U.5.1 spoke/#128.3.14 ./");
    CheckEnglishPreRules(pos);
    const i32 k = RecordOf(2);
    EXPECT_EQ(gSegments[k].LastWord, 3);
    EXPECT_EQ(gSegments[k].Number, 2);
    EXPECT_EQ(gSegments[k].Person, 3);
    EXPECT_EQ(gWords[3].ReadingCategories[0], 8);
    EXPECT_EQ(gWords[3].FunctionCode, 79);
    EXPECT_EQ(gWords[3].LinkedWord, 1);
}

TEST_F(EnglishPhraseTest, PreCascadeFrame) {
    // a phrase-stage finding is returned as it is, in both modes; otherwise
    // nothing is found yet after the relative-clause functions
    for (const u16 mode : {u16{0}, u16{1}}) {
        gAnalysisMode = mode;
        Build("yesterday/#20.0.18 i/U.5.1 went/#128.3.14.39 home/A.4.10 ./");
        gWords[2].ClauseNumber = 9;
        u16 pos = 5;
        EXPECT_EQ(CheckEnglishPreRules(pos), 40) << mode;
        EXPECT_EQ(pos, 1);
        EXPECT_EQ(gWords[2].ClauseNumber, 0);
        Build("the/e.0.7 man/A.4.10 who/G.4.5 came/#128.3.14 left/#128.3.14 ./");
        EXPECT_EQ(CheckEnglishPreRules(pos), 0) << mode;
        EXPECT_EQ(pos, 0);
        EXPECT_EQ(gWords[2].FunctionCode, 79) << mode;
    }
}

}  // namespace
