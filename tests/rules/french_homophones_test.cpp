// The homophone pass of the locution matcher on word tables built from the
// compact notation: look-up (capital, plural "s", feminine forms), the
// context rules, the exits and the report tail.
#include <gtest/gtest.h>

#include <string>

#include "../checking/word_table_fixture.h"
#include "frame/report.h"
#include "frame/tagged_words.h"
#include "rules/french/french_locutions.h"
#include "rules/french/matcher_loops.h"

namespace {

using word_table::Build;

// A row: the sentence, the report pending before the pass, then the
// report left (0: none), the entry named and the suggestion ending.
struct Row {
    const char* sentence;
    i16 pending;
    i16 report;
    u16 extent;
    u16 agreement;
};

class HomophoneTest : public word_table::WordTableTest {
protected:
    void SetUp() override {
        WordTableTest::SetUp();
        gCheckingLanguage = 1;
        LoadTaggedWordLists();
    }
    template <size_t N>
    void Run(const Row (&rows)[N]) {
        for (const Row& row : rows) {
            Build(row.sentence);
            gLocutionReport = row.pending;
            gErrorExtent = kNoCorrection;
            gHomophoneAgreement = 0;
            CheckFrenchHomophones(1);
            EXPECT_EQ(gLocutionReport, row.report) << row.sentence;
            if (row.report >= 768) {
                EXPECT_EQ(gErrorExtent, row.extent) << row.sentence;
                EXPECT_EQ(gHomophoneAgreement, row.agreement) << row.sentence;
            }
        }
    }
};

constexpr u16 kNone = kNoCorrection;

TEST_F(HomophoneTest, ContextRulesNameTheRightMember) {
    const Row rows[] = {
        // "sur" after an attributive verb, before "de" + a non-noun
        {"Il/W.0.1 est/#131.2.14.128 sur/#15.0.15 de/#15.0.15 lui/Y.0.2 ./", 0, 768 + 2, 31, 0},
        {"Il/W.0.1 est/#131.2.14.0 sur/#15.0.15 de/#15.0.15 lui/Y.0.2 ./", 0, 0, kNone, 0},
        {"Il/W.0.1 est/#131.2.14.128 sur/#15.0.15 de/#15.0.15 table/A.36.10 ./", 0, 0, kNone, 0},
        // "sure" is entry 32 with the feminine ending; "sures" read as a
        // plural adjective adds the plural one
        {"Elle/W.0.1 est/#131.2.14.128 sure/B.32.10.40 de/#15.0.15 réussir/#128.0.13 ./", 0, 768 + 2, 31, 2},
        {"Elles/W.40.1 sont/#131.5.14.128 sures/B.40.10.40 de/#15.0.15 réussir/#128.0.13 ./", 0, 768 + 2, 31, 3},
        // "peu" after "ne": the person of the word before it
        {"Je/U.0.1 ne/#18.0.18 peu/#18.0.18 pas/#18.0.18 venir/#128.0.13 ./", 0, 768 + 2, 93, 0},
        {"Il/W.0.1 ne/#18.0.18 peu/#18.0.18 pas/#18.0.18 venir/#128.0.13 ./", 0, 768 + 2, 92, 0},
        {"Il/W.0.1 mange/#128.2.14 un/d.0.7 peu/#18.0.18 ./", 0, 0, kNone, 0},
        {"Il/W.0.1 a/#128.2.14 un/d.0.7 peut/#128.2.14 de/#15.0.15 chance/A.36.10 ./", 0, 768 + 3, 90, 0},
        {"Il/W.0.1 peut/#128.2.14 venir/#128.0.13 ./", 0, 0, kNone, 0},
        // "quelle" before a verb of one reading; a plural person adds "s"
        {"Je/U.0.1 pense/#128.0.14 quelle/m.32.8 viendra/#128.20.14 ./", 0, 768 + 2, 73, 0},
        {"Je/U.0.1 pense/#128.0.14 quelle/m.32.8 viendront/#128.23.14 ./", 0, 768 + 2, 73, 1},
        // before a form of "être" the words cannot tell "quelle est la
        // raison" from "qu'elle est partie"
        {"Je/U.0.1 sais/#128.0.14 quelle/m.32.8 est/#131.8.14.144 sa/d.0.7 part/A.36.10 ./", 0, 0, kNone, 0},
        {"Prenez/#128.10.14 l'/d.0.7 issu/#128.0.11 de/#15.0.15 secours/A.20.10 ./", 0, 768 + 2, 95, 0},
        // a capital is lowered for the look-up
        {"Le/d.0.7 coté/#128.0.11 gauche/B.0.10 ./", 0, 768 + 1, 63, 0},
        {"Ils/X.8.1 ont/#128.5.14 un/d.0.7 grave/B.0.10 différent/B.16.10.40 ./", 0, 768 + 4, 76, 0},
        {"Il/W.0.1 est/#131.2.14 sensé/B.16.10.40 venir/#128.0.13 ./", 0, 768 + 2, 75, 0},
        {"Elle/W.0.1 est/#131.2.14 sensée/B.32.10.40 venir/#128.0.13 ./", 0, 768 + 2, 75, 2},
        {"Il/W.0.1 habite/#128.2.14 prêt/B.16.10.40 de/#15.0.15 la/d.0.7 gare/A.36.10 ./", 0, 768 + 2, 46, 0},
        {"Il/W.0.1 est/#131.2.14.128 prêt/B.16.10.40 à/#15.0.15 partir/#128.0.13 ./", 0, 0, kNone, 0},
        // "près à" + infinitive: the subject's gender and number
        {"Elles/W.40.1 sont/#131.5.14 près/#15.0.15 à/#15.0.15 partir/#128.0.13 ./", 0, 768 + 2, 49, 1},
        {"Il/W.16.1 est/#131.2.14 près/#15.0.15 à/#15.0.15 partir/#128.0.13 ./", 0, 768 + 2, 47, 0},
        {"Il/W.0.1 pleut/#128.2.14 des/d.8.7 le/d.0.7 matin/A.20.10 ./", 0, 768 + 2, 23, 0},
        // "du" before a word of no known category, and "du" the locution
        // pass made adverbial ("pas du tout"), are not judged
        {"Il/W.0.1 a/#128.2.14 du/d.0.7 pain/A.20.10 ./", 0, 0, kNone, 0},
        {"Il/W.0.1 a/#128.2.14 du/d.0.7 travail/#28.0.0 ./", 0, 0, kNone, 0},
        {"pas/#20.0.18 du/#36.84.18 tout/#81.20.18 ./", 0, 0, kNone, 0},
        {"froides/B.40.10 du/#36.84.9 tout/#81.20.18 ./", 0, 0, kNone, 0},
        // "oh la la": the doubled word is no article
        {"oh/#0.0.19 la/d.32.7 la/d.32.7 !/", 0, 0, kNone, 0},
        {"il/W.0.1 est/#131.8.14 la/d.32.7 ,/ lui/Y.0.3 ./", 0, 768 + 2, 14, 0},
        {"Il/W.0.1 a/#128.2.14 du/d.0.7 ,/ lui/Y.0.3 ./", 0, 768 + 2, 17, 0},
    };
    Run(rows);
}

TEST_F(HomophoneTest, TailAndPendingReports) {
    const Row rows[] = {
        // the first rule that does not fire lets the pass go on
        {"Il/W.0.1 mange/#128.2.14 la/d.0.7 soupe/A.36.10 ,/ il/W.0.1 est/#131.2.14.128 sur/#15.0.15 que/C.0.17 "
         "oui/#18.0.18 ./",
         0, 768 + 7, 31, 0},
        // a pending report stands, except before "dû" and after exit E
        {"Il/W.0.1 a/#128.2.14 un/d.0.7 peut/#128.2.14 de/#15.0.15 chance/A.36.10 ./", 256, 256, kNone, 0},
        {"Il/W.0.1 a/#128.2.14 du/d.0.7", 256, 768 + 2, 17, 0},
        {"Il/W.0.1 pleut/#128.2.14 des/d.8.7 que/C.0.17 possible/B.0.10 ./", 257, 768 + 2, 23, 0},
        // a homophone of class 26 or of no category is not reported
        {"Le/d.0.7 coté/#26.0.11 gauche/B.0.10 ./", 0, 0, kNone, 0},
        {"Le/d.0.7 coté/#128.0.0 gauche/B.0.10 ./", 0, 0, kNone, 0},
        // "quand a" at the start: the word sequence report on "a"
        {"Quand/#16.0.16 a/#128.2.14 moi/U.0.3 ,/ je/U.0.1 reste/#128.0.14 ./", 0, 257, kNone, 0},
        {"Quand/#16.0.16 a/#128.2.14 lieu/A.20.10 la/d.0.7 fête/A.36.10 ?/", 0, 0, kNone, 0},
    };
    Run(rows);
}

// The report tail runs only from a rule's exit for a word of the sentence:
// an extent left by earlier rules, with no homophone found, and the pass in
// mode 0 make no report, and mode 0 clears the ending.
TEST_F(HomophoneTest, NoReportWithoutACurrentWord) {
    Build("Il/W.0.1 dort/#128.2.14 ./");
    gLocutionReport = 0;
    gErrorExtent = 5;
    CheckFrenchHomophones(1);
    EXPECT_EQ(gLocutionReport, 0);

    Build("Il/W.0.1 est/#131.2.14.128 sur/#15.0.15 de/#15.0.15 lui/Y.0.2 ./");
    gErrorExtent = kNoCorrection;
    gHomophoneAgreement = 3;
    CheckFrenchHomophones(0);
    EXPECT_EQ(gLocutionReport, 0);
    EXPECT_EQ(gHomophoneAgreement, 0);
}

// Rules that settle readings and go on.
TEST_F(HomophoneTest, RulesThatRewriteReadings) {
    Build("de/#15.0.15 côté/A.20.10 ./");
    gLocutionReport = 0;
    CheckFrenchHomophones(1);
    EXPECT_EQ(word_table::Readings(0), "26.0.18.0");
    EXPECT_EQ(word_table::Readings(1), "26.20.18.0");
    EXPECT_EQ(gLocutionReport, 0);

    Build("les/d.8.7 enfants/A.24.10 tous/#109.8.8+A.24.10 viennent/#128.5.14 ./");
    CheckFrenchHomophones(1);
    EXPECT_EQ(word_table::Readings(2), "75.8.6.0+65.24.10.0");
}

}  // namespace
