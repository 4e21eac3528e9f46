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

// Each remaining entry in a context that fires, and a near miss.
TEST_F(HomophoneTest, EveryEntryFiresAndMisses) {
    const Row rows[] = {
        // ou -> où
        {"commencer/#128.0.13 par/#15.0.15 ou/#16.0.16 ./", 0, 768 + 2, 1, 0},
        {"il/W.0.1 vient/#128.2.14 ou/#16.0.16 part/#128.2.14 ./", 0, 0, kNone, 0},
        // ce -> se, se -> ce
        {"il/W.0.1 ce/O.20.8 lave/#128.2.14 ./", 0, 768 + 1, 6, 0},
        {"pour/#15.0.15 ce/O.20.8 livre/A.20.10 ./", 0, 0, kNone, 0},
        {"il/W.0.1 mange/#128.2.14 se/a.0.2 gâteau/A.20.10 ./", 0, 768 + 2, 5, 0},
        {"il/W.0.1 se/a.0.2 lave/#128.2.14 ./", 0, 0, kNone, 0},
        // dé -> dès (the pending report cleared), a plural "dés" -> des
        // without an "s"
        {"dé/A.20.10 que/C.0.17 possible/B.0.10 ./", 256, 768, 23, 0},
        {"des/d.8.7 dés/A.24.10.40 rouges/B.40.10 ./", 0, 768 + 1, 22, 0},
        {"un/d.0.7 dé/A.20.10 rouge/B.20.10 ./", 0, 0, kNone, 0},
        // sou -> sous
        {"il/W.0.1 est/#131.2.14 sou/A.20.10 la/d.32.7 table/A.36.10 ./", 0, 768 + 2, 28, 0},
        {"un/d.0.7 sou/A.20.10 rouge/B.20.10 ./", 0, 0, kNone, 0},
        // ver, vert -> vers after a verb (not an attributive one)
        {"il/W.0.1 va/#128.2.14 ver/A.20.10 la/d.32.7 gare/A.36.10 ./", 0, 768 + 2, 35, 0},
        {"il/W.0.1 voit/#128.2.14 un/d.0.7 ver/A.20.10 luisant/B.20.10 ./", 0, 0, kNone, 0},
        {"il/W.0.1 va/#128.2.14.5 vert/B.20.10 la/d.32.7 gare/A.36.10 ./", 0, 768 + 2, 35, 0},
        {"il/W.0.1 est/#131.2.14.144 vert/B.20.10 de/#15.0.15 rage/A.36.10 ./", 0, 0, kNone, 0},
        // demis after "à": demi; before a plural noun the 513 report stands
        {"il/W.0.1 dort/#128.2.14 à/#15.0.15 demis/A.24.10.40 ./", 0, 768 + 3, 43, 0},
        {"il/W.0.1 parle/#128.2.14 à/#15.0.15 demis/A.24.10.40 mots/A.24.10 ./", 0, 513 + 3, 43, 0},
        {"il/W.0.1 dort/#128.2.14 à/#15.0.15 demi/A.20.10 ./", 0, 0, kNone, 0},
        // demie before a feminine noun; after a feminine noun and "et"
        {"une/d.32.7 demie/A.36.10 heure/A.36.10 ./", 0, 513 + 1, 43, 0},
        {"une/d.32.7 heure/A.36.10 et/#16.0.16 demie/A.36.10 ./", 0, 0, kNone, 0},
        // pré -> près before "de"
        {"il/W.0.1 habite/#128.2.14 pré/A.20.10 de/#15.0.15 la/d.32.7 gare/A.36.10 ./", 0, 768 + 2, 46, 0},
        {"le/d.0.7 pré/A.20.10 vert/B.20.10 ./", 0, 0, kNone, 0},
        // tous, toute -> tout
        {"les/d.8.7 tous/Q.24.8 premiers/B.24.10 jours/A.24.10 ./", 0, 768 + 1, 53, 0},
        {"le/d.20.7 toute/Q.36.8 entier/B.20.10 ./", 0, 768 + 1, 53, 0},
        {"une/d.32.7 toute/Q.36.8 petite/B.36.10 fille/A.36.10 ./", 0, 0, kNone, 0},
        // envie in "à l'envi" after a verb; envi elsewhere
        {"il/W.0.1 chante/#128.2.14 à/#15.0.15 l'/d.0.7 envie/A.36.10 ./", 0, 768 + 4, 59, 0},
        {"il/W.0.1 a/#128.2.14 envi/#24.0.18 de/#15.0.15 partir/#128.0.13 ./", 0, 768 + 2, 60, 0},
        {"il/W.0.1 a/#128.2.14 envie/A.36.10 de/#15.0.15 partir/#128.0.13 ./", 0, 0, kNone, 0},
        // voila -> voilà
        {"voila/#128.2.14 le/d.0.7 livre/A.20.10 ./", 0, 768, 65, 0},
        {"elle/].32.1 voila/#128.2.14 son/s.20.8 visage/A.20.10 ./", 0, 0, kNone, 0},
        // parti -> partie after "fait"; partie -> parti after "prendre"
        {"il/W.0.1 a/#128.2.14.74 fait/#128.2.11.74 parti/#128.2.11 de/#15.0.15 l'/d.0.7 équipe/A.36.10 ./", 0,
         768 + 3, 69, 0},
        {"il/W.0.1 est/#131.2.14 parti/#128.2.11 ./", 0, 0, kNone, 0},
        {"il/W.0.1 prend/#128.2.14.54 partie/A.36.10 pour/#15.0.15 lui/Y.0.3 ./", 0, 768 + 2, 67, 0},
        {"il/W.0.1 fait/#128.2.14.74 partie/A.36.10 du/d.0.7 club/A.20.10 ./", 0, 0, kNone, 0},
        // quant -> quand, but not before "à" (class ' ') or "au"
        {"quant/#16.0.16 il/W.0.1 viendra/#128.20.14 ./", 0, 768, 83, 0},
        {"quant/#23.0.15 à/#32.0.15 moi/U.0.3 ./", 0, 0, kNone, 0},
        {"quant/#23.0.15 au/d.20.7 reste/A.20.10 ./", 0, 0, kNone, 0},
        // gré after a future of a class-131 verb: 256 + i; grès -> gré
        {"il/W.0.1 saura/#131.20.14 gré/A.20.10 à/#15.0.15 lui/Y.0.3 ./", 0, 256 + 2, 86, 0},
        {"de/#15.0.15 bon/B.20.10 gré/A.20.10 ./", 0, 0, kNone, 0},
        {"il/W.0.1 va/#128.2.14 au/d.20.7 grès/A.28.10 de/#15.0.15 ses/u.8.8 envies/A.40.10 ./", 0, 768 + 3, 86, 0},
        {"un/d.20.7 grès/A.28.10 rose/B.20.10 ./", 0, 0, kNone, 0},
        // dan -> dans, not after an adjective
        {"il/W.0.1 est/#131.2.14 dan/A.20.10 la/d.32.7 maison/A.36.10 ./", 0, 768 + 2, 97, 0},
        {"premier/B.20.10 dan/A.20.10 ./", 0, 0, kNone, 0},
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
