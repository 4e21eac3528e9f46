// Whole French sentences through the paragraph exports on the built-in
// dictionary: the rate of findings on clean prose (bounded, and printed for
// the log). The rules' sentences are data: tests/data/cases/fr_*.tsv
// (acceptance_cases_test.cpp).
#include <fstream>
#include <iostream>

#include "acceptance_fixture.h"

namespace {

using acceptance::Found;

class FrenchAcceptanceTest : public acceptance::AcceptanceTest {
protected:
    void SetUp() override { Start(3, "chat"); }
};

// Correct prose that drew false alarms: a quotation over several
// sentences, ordinary word pairs that are also compounds, negations opened
// by a negative word, questions without inversion, set phrases with an
// inverted verb; and the findings that stay. Literary "ne" alone is
// reported except with the verbs that take it (pouvoir, savoir, oser,
// cesser, daigner, bouger).
TEST_F(FrenchAcceptanceTest, EditedProseDrawsNoFalseAlarm) {
    const acceptance::SpanCase cases[] = {  // the grammar finding expected; 0, 0: none
        {"«Oh! Viens ici. Qui est là?» Puis il partit.", 0, 0},
        {"\u201eEntre nous\u201d, dit-il.", 0, 0},
        {"Maman raconta: «Il était une fois un bûcheron.", 0, 0},
        {"—Oui, maman, je vais chercher le docteur!»", 0, 0},
        {"«L'eau est froide», dit-il.", 0, 0},
        {"Il est sur un banc.", 0, 0},
        {"Il reste chez nous.", 0, 0},
        {"Il a bien voulu venir.", 0, 0},
        {"Il est contre la porte.", 0, 0},
        {"Tout va bien.", 0, 0},
        {"D'où venait ce coup?", 0, 0},
        {"Personne ne peut me le dire.", 0, 0},
        {"Aucun ne vient.", 0, 0},
        {"Nul ne sait.", 0, 0},
        {"Il n'ose le dire.", 0, 0},
        {"Où est le malade?", 0, 0},
        {"—Et où est son bras?", 0, 0},
        {"Comment est arrivé cet accident?", 0, 0},
        {"—Danser? reprit-elle.", 0, 0},
        {"—Tu aimes donc tant l'école?", 0, 0},
        {"Il viendra, ne fût-ce que pour nous voir.", 0, 0},
        {"Il est venu, dit-il.", 0, 0},
        {"Il viendra peut-être demain.", 0, 0},
        {"Je ne sais.", 0, 0},
        {"Il est là?", 0, 0},
        {"Il ne veut.", 6, 10},
        {"Il dit «oui.", 0, 1},
        {"Il part par dessus le mur.", 8, 17},
        {"Il viendra peut être demain.", 11, 19},
    };
    for (const acceptance::SpanCase& c : cases) acceptance::ExpectOnly(c, Grammar(c.sentence), KRZ_CLASS_GRAMMAR);
}

// Known words of real prose draw no spelling finding, through both
// exports: words spelt with an apostrophe, compounds of words, names and
// Roman ordinals; a dash's hyphens and quotation marks are not parts of
// words. A word that stays unknown is reported on its own letters.
TEST_F(FrenchAcceptanceTest, KnownWordsOfRealProse) {
    const acceptance::SpanCase cases[] = {  // the spelling finding expected; 0, 0: none
        {"Il vient aujourd'hui, c'est-à-dire ce matin.", 0, 0},
        {"Aujourd’hui, quelqu’un est venu.", 0, 0},
        {"Un chef-d'œuvre et un chef-d'oeuvre.", 0, 0},
        {"Une presqu'île et le prud'homme.", 0, 0},
        {"Jusque dans la rue, il va jusque-là.", 0, 0},
        {"Il sort nu-tête vers le prie-Dieu de Notre-Dame.", 0, 0},
        {"Il habite en Île-de-France.", 0, 0},
        {"Le garde-champêtre et l'arrière-cousin.", 0, 0},
        {"Au XIXe siècle et au IIe siècle.", 0, 0},
        {"Il dit--et partit.", 0, 0},
        {"« Bonjour », dit-il.", 0, 0},
        {"„Entre nous”, dit-il.", 0, 0},
        {"Il vient aujourd'zorb.", 17, 20},
        {"Un chat-zorblat.", 3, 14},
        {"Il dit--zorblat.", 8, 14},
        {"« Zorblat », dit-il.", 2, 8},
        {"Au XIXzorb siècle.", 3, 9},
    };
    for (const acceptance::SpanCase& c : cases) {
        acceptance::ExpectOnly(c, Spelling(c.sentence), KRZ_CLASS_SPELLING);
        acceptance::ExpectOnly(c, Grammar(c.sentence), KRZ_CLASS_SPELLING);
    }
}

// Clean published prose draws few findings: about 5 spelling findings (names
// and foreign words) and 7 in all per 1,000 words; a false alarm that spreads
// passes the bounds.
TEST_F(FrenchAcceptanceTest, FindingsPerThousandWordsOnCleanProse) {
    ProseCounts total;
    for (const char* name : {"hugo_miserables_fr.txt", "ligthart_entre_nous_fr.txt"}) {
        total.Add(PrintProseRates("french prose", name));
        PrintRatesPerCode("french prose", name);
    }
    ASSERT_GT(total.words, 3000u);
    EXPECT_LE(total.PerThousand(total.spelling), 10.0) << total.spelling << " spelling findings";
    EXPECT_LE(total.PerThousand(total.all), 15.0) << total.all << " findings";
}

}  // namespace
