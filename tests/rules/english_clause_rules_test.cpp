// The clause rules of the English pre-cascade on word tables built from the
// compact notation: subject and verb agreement, a verb form after a verb,
// qualifiers and attributes, the complement functions, the tense after
// "if", missing verbs and subordinate clause counts, with their gates.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../checking/word_table_fixture.h"
#include "krzlib.h"
#include "rules/english/english_clause_call.h"
#include "rules/english/english_clause_stages.h"
#include "rules/english/english_phrase_rules.h"
#include "rules/english/english_pre_rules.h"

namespace {

using word_table::Build;
using word_table::Hit;

class EnglishClauseTest : public word_table::WordTableTest {
protected:
    void SetUp() override {
        KRZInit(0, 1);
        KRZSetLanguage(0);
        WordTableTest::SetUp();
        gCheckingLanguage = 0;
        gClauseMark = 0;
    }
    void TearDown() override {
        gAnalysisMode = 0;
        WordTableTest::TearDown();
        KRZEnd();
    }
};

Hit Call() {
    u16 pos = 0;
    gErrorVariant = 0;
    gErrorDetail = 0;
    gErrorExtent = kNoCorrection;
    const RuleCode r = CheckEnglishPreRules(pos);
    return {r, r ? static_cast<i32>(pos) : 0, r ? gErrorVariant : u8{0}, r ? gErrorDetail : u16{0},
            r ? gErrorExtent : u16{0}};
}

// The first finding on the sentence.
Hit First(const std::string& sentence) {
    Build(sentence);
    word_table::StartSeries();
    return Call();
}

std::string Shape() {
    std::string out;
    for (i32 k = 0; k < gSegmentCount; ++k)
        out += (k ? " " : "") + std::to_string(gSegments[k].FirstWord) + ":" + std::to_string(gSegments[k].SegmentKind);
    return out;
}

// A segment record set by hand (the qualifier and attribute passes read
// the table as the clause rules leave it).
void Record(i32 k, i32 first, i32 last, u8 kind, u8 gender, u8 number) {
    SegmentRecord& r = gSegments[k];
    r = SegmentRecord{};
    r.FirstWord = static_cast<u8>(first);
    r.LastWord = static_cast<u8>(last);
    r.SegmentKind = kind;
    r.Gender = gender;
    r.Number = number;
    r.Person = 3;
    r.Link = 255;
    if (k + 1 > gSegmentCount) gSegmentCount = static_cast<u16>(k + 1);
}

Hit Attributes() {
    u16 pos = 0;
    gErrorExtent = kNoCorrection;
    const RuleCode r = english::CheckAttributes(pos);
    return {r, r ? static_cast<i32>(pos) : 0, r ? gErrorVariant : u8{0}, r ? gErrorDetail : u16{0},
            r ? gErrorExtent : u16{0}};
}

TEST_F(EnglishClauseTest, SubjectAndVerbAgreement) {
    struct Case {
        const char* sentence;
        Hit hit;
    } cases[] = {
        {"they/a.8.1 goes/#128.1.14.39 home/A.4.10 ./", {44, 1, 0, 2, 0}},
        {"he/].23.1 go/#128.0.14.39 home/A.4.10 ./", {44, 1, 0, 3, 0}},
        {"they/a.8.1 go/#128.0.14.39 home/A.4.10 ./", {0, 0, 0, 0, 0}},
        {"we/X.9.1 was/#242.3.14.165 late/B.12.10 ./", {44, 1, 0, 2, 0}},
        {"I/U.5.1 am/#242.6.14.165 late/B.12.10 ./", {0, 0, 0, 0, 0}},
        {"he/].23.1 am/#242.6.14.165 late/B.12.10 ./", {44, 1, 0, 1, 0}},
        {"he/].23.1 are/#242.10.14.165 late/B.12.10 ./", {44, 1, 0, 2, 0}},
        {"they/a.8.1 is/#242.1.14.165 late/B.12.10 ./", {44, 1, 0, 2, 0}},
        // "were" with a singular subject: after "if" or "had", and after
        // "as it", it stands
        {"he/].23.1 were/#242.11.14.165 late/B.12.10 ./", {44, 1, 0, 2, 0}},
        {"if/#17.0.17 he/].23.1 were/#242.11.14.165 late/B.12.10 ./", {0, 0, 0, 0, 0}},
        {"he/].23.1 had/#242.3.14.38 left/#128.3.11.64 as/#17.0.17 if/#17.0.17 he/].23.1 were/#242.11.14.165 ill/B.12.10 ./",
         {0, 0, 0, 0, 0}},
        {"he/].23.1 stayed/#128.3.14.1 as/#17.0.17 it/[.7.1 were/#242.11.14.165 ./", {0, 0, 0, 0, 0}},
        // coordinated subjects are plural
        {"the/e.0.7 cat/A.4.10 and/#16.0.16 the/e.0.7 dog/A.4.10 sleeps/#128.1.14.1 ./", {44, 5, 0, 2, 0}},
        // a modal written with -s
        {"he/].23.1 cans/#128.1.14.28 swim/#128.0.13.1 ./", {44, 1, 'X', 3, 0}},
        // a subject in parentheses is passed over
        {"he/].23.1 (/ they/a.8.1 )/ goes/#128.1.14.39 ./", {0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) EXPECT_EQ(First(c.sentence), c.hit) << c.sentence << ": " << Shape();
}

TEST_F(EnglishClauseTest, CoordinatedSubjectsTakeTheSmallerPerson) {
    // "I" and "the man" stay two records around the conjunction; the first
    // becomes plural, of the smaller person
    const char* sentence = "I/U.5.1 and/#16.0.16 the/e.0.7 man/A.4.10 sleep/#128.0.14.1 ./";
    EXPECT_EQ(First(sentence).code, 0) << Shape();
    ASSERT_EQ(Shape(), "0:24 1:16 2:24 4:14");
    for (const i32 k : {0, 2}) {
        EXPECT_EQ(gSegments[k].Number, 2) << k;
        EXPECT_EQ(gSegments[k].Person, 1) << k;
    }
    // without the coordination the singular subject disagrees
    EXPECT_EQ(First("I/U.5.1 ,/ the/e.0.7 man/A.4.10 sleep/#128.0.14.1 ./").code, 44) << Shape();
}

TEST_F(EnglishClauseTest, VerbFormAfterAVerb) {
    struct Case {
        const char* sentence;
        Hit hit;
    } cases[] = {
        {"he/].23.1 has/#242.1.14.38 went/#128.3.14.39 home/A.4.10 ./", {46, 2, 0, 3, 0}},
        {"he/].23.1 did/#242.3.14.34 went/#128.3.14.39 home/A.4.10 ./", {47, 2, 0, 3, 0}},
        {"he/].23.1 did/#242.3.14.34 taken/#128.24.14.50 home/A.4.10 ./", {47, 2, 0, 24, 0}},
        // only after a verb marked 242 by an earlier call
        {"he/].23.1 has/#128.1.14.38 went/#128.3.14.39 home/A.4.10 ./", {0, 0, 0, 0, 0}},
        // a form after a modal (the modal not marked 242)
        {"he/].23.1 can/#128.0.14.28 taken/#128.24.14.50 it/[.7.2 ./", {47, 2, 0, 4, 0}},
        // an infinitive after "had"
        {"he/].23.1 had/#242.3.14.38 go/#128.0.13.39 home/A.4.10 ./", {46, 2, 0, 0, 1}},
        {"he/].23.1 had/#242.3.14.38 better/#20.0.18 go/#128.0.13.39 home/A.4.10 ./", {0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) EXPECT_EQ(First(c.sentence), c.hit) << c.sentence << ": " << Shape();

    // the next call passes the recorded report: the later rules of the
    // sentence are reached
    First("he/].23.1 has/#242.1.14.38 went/#128.3.14.39 home/A.4.10 ./");
    gLastRule = 46;
    gLastErrorPos = 2;
    EXPECT_EQ(Call().code, 0);
    // after a rule-40 report at the verb only the extent is set
    First("he/].23.1 has/#242.1.14.38 went/#128.3.14.39 home/A.4.10 ./");
    gLastRule = 40;
    gLastErrorPos = 2;
    u16 pos = 0;
    gErrorExtent = 7;
    EXPECT_EQ(CheckEnglishPreRules(pos), 0);
    EXPECT_EQ(gErrorExtent, kNoCorrection);
}

TEST_F(EnglishClauseTest, QualifiersAndAttributes) {
    // no 45 'J' in English: an attribute does not agree in number with its
    // verb ("they are happy", "they were a success")
    EXPECT_EQ(First("they/a.8.1 are/#242.10.14.165 happy/B.4.10 ./"), (Hit{0, 0, 0, 0, 0}));
    Build("the/e.0.7 men/A.8.10 tall/B.4.10 came/#128.3.14.1 ./");
    word_table::StartSeries();
    gSegmentCount = 0;
    // 41 'X': the epithet's number against its referent's. Classes in the
    // same order: the referent's own form code and, from the record before
    // it, a second one that differs by an even amount, packed
    Record(0, 0, 1, 24, 1, 2);
    Record(1, 2, 2, 10, 0, 1);
    Record(2, 3, 3, 14, 0, 1);
    EXPECT_EQ(Attributes(), (Hit{41, 2, 'X', 2, 2 + 2 * 256}));
    // a referent of lower class: the form codes of the qualifier's gender;
    // an odd difference takes the number of the verb after the referent
    gWords[1].ReadingClasses[0] = 'C';
    gWords[2].ReadingClasses[0] = 'A';
    gWords[2].ReadingFeatures[0] = 0x18;
    Record(0, 0, 1, 24, 1, 1);
    Record(1, 2, 2, 10, 1, 2);
    EXPECT_EQ(Attributes(), (Hit{41, 2, 'X', 2, 0 + 1}));
    // without that verb the second code is packed
    Record(2, 3, 3, 23, 0, 1);
    EXPECT_EQ(Attributes(), (Hit{41, 2, 'X', 2, 1 * 256}));
    // after a rule 40 at the qualifier: no correction
    gLastRule = 40;
    gLastErrorPos = 2;
    EXPECT_EQ(Attributes(), (Hit{41, 2, 'X', 2, kNoCorrection}));

    // 43 'A': a participle phrase after a linking verb, against the verb's
    // number: 257 * number + 2 when the verb has no gender
    word_table::StartSeries();
    Build("they/a.8.1 are/#242.10.14.165 chosen/#128.4.10.50 ./");
    gSegmentCount = 0;
    Record(0, 0, 0, 24, 0, 2);
    Record(1, 1, 1, 14, 0, 1);
    Record(2, 2, 2, 23, 0, 2);
    gErrorKind = 0;
    EXPECT_EQ(Attributes(), (Hit{43, 2, 'A', 2, 259}));
    EXPECT_EQ(gErrorKind, 3);
    Record(1, 1, 1, 14, 0, 2);
    Record(2, 2, 2, 23, 0, 1);
    EXPECT_EQ(Attributes(), (Hit{43, 2, 'A', 2, 516}));
}

TEST_F(EnglishClauseTest, ComplementFunctions) {
    struct Case {
        const char* sentence;
        i32 word;
        u16 function;
        u16 linked;
    } cases[] = {
        // after a linking verb an attribute, else an object; indirect after
        // a preposition
        {"he/].23.1 is/#242.1.14.165 a/h.4.7 doctor/A.4.10 ./", 3, 77, 1},
        {"he/].23.1 saw/#128.3.14.1 a/h.4.7 doctor/A.4.10 ./", 3, 70, 1},
        {"he/].23.1 spoke/#128.3.14.50 to/#34.0.15 the/e.0.7 man/A.4.10 ./", 4, 71, 1},
        // an opening infinitive is the subject
        {"to/#32.0.18 go/#128.0.13.39 is/#242.1.14.165 nice/B.12.10 ./", 1, 75, 1},
        // the participle after "have" takes its subject
        {"he/].23.1 has/#128.1.14.38 gone/#128.4.11.39 home/A.4.10 ./", 2, 74, 0},
    };
    for (const Case& c : cases) {
        First(c.sentence);
        EXPECT_EQ(gWords[c.word].FunctionCode, c.function) << c.sentence;
        EXPECT_EQ(gWords[c.word].LinkedWord, c.linked) << c.sentence;
    }
    // a verb that takes an object and a bare infinitive is marked 242; the
    // infinitive takes the verb's subject
    First("he/].23.1 made/#128.3.14.18 the/e.0.7 man/A.4.10 go/#128.0.13.39 ./");
    EXPECT_EQ(gWords[1].ReadingClasses[0], 242);
    EXPECT_EQ(gWords[4].FunctionCode, 74);
    EXPECT_EQ(gWords[4].LinkedWord, gWords[1].LinkedWord);
    First("he/].23.1 saw/#128.3.14.1 the/e.0.7 man/A.4.10 go/#128.0.13.39 ./");
    EXPECT_EQ(gWords[1].ReadingClasses[0], 128);

    // an auxiliary and its participle: the record before the last one
    // leaves the table (its link stays), whichever pair set the removal
    Build("he/].23.1 has/#128.1.14.38 gone/#128.4.11.39 to/#34.0.15 the/e.0.7 town/A.4.10 and/#16.0.16 she/^.39.1 "
          "sleeps/#128.1.14.1 ./");
    gSegmentCount = 0;
    Record(0, 0, 0, 24, 1, 1);
    Record(1, 1, 1, 14, 0, 0);
    Record(2, 2, 2, 11, 0, 0);
    Record(3, 3, 5, 23, 0, 1);
    Record(4, 6, 6, 16, 0, 0);
    Record(5, 7, 7, 24, 2, 1);
    Record(6, 8, 8, 14, 0, 0);
    gSegments[6].Link = 3;
    gWords[1].LinkedWord = 0;
    gWords[8].LinkedWord = 5;  // "she" is the subject of "sleeps"
    english::MarkComplementFunctions();
    EXPECT_EQ(gWords[2].FunctionCode, 74);
    EXPECT_EQ(gWords[2].LinkedWord, 0);
    ASSERT_EQ(gSegmentCount, 6);
    EXPECT_EQ(gSegments[5].FirstWord, 8);
    EXPECT_EQ(gSegments[5].SegmentKind, 14);
    EXPECT_EQ(gSegments[5].Link, 255);
    EXPECT_EQ(gSegments[2].FirstWord, 2);
}

TEST_F(EnglishClauseTest, TenseAfterIf) {
    struct Case {
        const char* sentence;
        Hit hit;
    } cases[] = {
        // "will" in the "if" clause; a later "could" gives the correction
        {"if/#17.0.17 he/].23.1 will/#242.0.14.31 come/#128.0.13.62 ,/ we/X.9.1 could/#242.3.14.28 go/#128.0.13.39 ./",
         {53, 2, 0, 4, 3}},
        {"if/#17.0.17 he/].23.1 will/#242.0.14.31 come/#128.0.13.62 ,/ we/X.9.1 go/#128.0.14.39 ./", {53, 2, 0, 4, 0}},
        {"if/#17.0.17 he/].23.1 would/#242.3.14.31 come/#128.0.13.62 ,/ we/X.9.1 go/#128.0.14.39 ./", {53, 2, 0, 6, 3}},
        // a past in the "if" clause and "will" in the main clause
        {"if/#17.0.17 he/].23.1 came/#128.3.14.62 ,/ we/X.9.1 will/#242.0.14.31 go/#128.0.13.39 ./", {53, 5, 0, 8, 3}},
        {"if/#17.0.17 he/].23.1 came/#128.3.14.62 ,/ we/X.9.1 would/#242.3.14.31 go/#128.0.13.39 ./", {0, 0, 0, 0, 0}},
        // a verb before the "if" clause; "as if"
        {"we/X.9.1 go/#128.0.14.39 if/#17.0.17 he/].23.1 came/#128.3.14.62 ,/ we/X.9.1 will/#242.0.14.31 go/#128.0.13.39 ./",
         {0, 0, 0, 0, 0}},
        {"as/#17.0.17 if/#17.0.17 he/].23.1 would/#242.3.14.31 come/#128.0.13.62 ./", {0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) EXPECT_EQ(First(c.sentence), c.hit) << c.sentence << ": " << Shape();
}

std::string Clauses(i32 n, bool mainVerb) {
    std::string s = mainVerb ? "I/U.5.1 know/#128.0.14.1" : "the/e.0.7 man/A.4.10";
    const char* subjects[] = {"he/].23.1", "she/^.39.1", "they/a.8.1", "we/X.9.1", "you/\\.10.1"};
    for (i32 k = 0; k < n; ++k) s += std::string(" that/#17.0.17 ") + subjects[k] + " said/#128.3.14.1";
    return s + " ./";
}

TEST_F(EnglishClauseTest, MissingVerbAndSubordinateClauses) {
    EXPECT_EQ(First("the/e.0.7 big/B.12.10 car/A.4.10 ./").code, 55);
    // four attached subordinate clauses are not too many, five are
    EXPECT_EQ(First(Clauses(4, true)).code, 0);
    EXPECT_EQ(First(Clauses(5, true)), (Hit{61, 0, 0, 5, kNoCorrection}));
    // all verbs in subordinate clauses: 55, which writes no position, then
    // 61. The same 55 comes back while the resume point stands at it; past
    // the sentence's words (where the driver puts a reported 55) 61 follows
    First(Clauses(5, false));
    u16 pos = 9;
    EXPECT_EQ(CheckEnglishPreRules(pos), 55);
    EXPECT_EQ(pos, 0);
    gLastRule = 55;
    gLastErrorPos = 0;
    EXPECT_EQ(Call().code, 55);
    gLastErrorPos = static_cast<i16>(gWordCount);
    EXPECT_EQ(Call().code, 61);
}

}  // namespace
