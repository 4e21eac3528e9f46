// Whole French sentences through the paragraph exports on the built-in
// dictionary: the findings of the dispatcher's own rules at their places,
// and the rate of findings on clean prose (printed for the log).
#include <fstream>
#include <iostream>

#include "acceptance_fixture.h"

namespace {

using acceptance::Found;

class FrenchAcceptanceTest : public acceptance::AcceptanceTest {
protected:
    void SetUp() override { Start(3, "chat"); }
};

TEST_F(FrenchAcceptanceTest, FindingsOfTheDispatcherRules) {
    struct Case {
        const char* sentence;
        uint32_t start, end;  // the expected finding's span
        uint16_t errorClass;
    };
    const Case cases[] = {
        {"Le chat mange une pomne.", 18, 22, KRZ_CLASS_SPELLING},           // 1
        {"Il mange le le pain.", 9, 13, KRZ_CLASS_GRAMMAR},                  // 16
        {"Il a bon coeur.", 9, 13, KRZ_CLASS_GRAMMAR},                       // 37
        {"Il a vingt deux ans.", 5, 14, KRZ_CLASS_GRAMMAR},                  // 39
        {"Il dit (oui.", 0, 1, KRZ_CLASS_GRAMMAR},                           // 48
        {"Il mange pas de pain.", 3, 7, KRZ_CLASS_GRAMMAR},                  // 59
    };
    for (const Case& c : cases) {
        const std::vector<Found> found = Grammar(c.sentence);
        bool seen = false;
        for (const Found& f : found) {
            if (f.start == c.start && f.end == c.end && f.errorClass == c.errorClass) seen = true;
        }
        std::string got;
        for (const Found& f : found) got += " " + std::to_string(f.start) + "-" + std::to_string(f.end) + "/" + std::to_string(f.errorClass);
        EXPECT_TRUE(seen) << c.sentence << " gave" << got;
    }
}

// A pronoun and its verb are not a hyphenated noun ("on dit", not "on-dit").
TEST_F(FrenchAcceptanceTest, SubjectAndVerbAreNotJoined) {
    for (const char* s : {"Ce qu'on dit est vrai.", "On dit que Paul est parti."}) {
        const std::vector<Found> found = Grammar(s);
        EXPECT_TRUE(found.empty()) << s << " gave " << found.size() << " findings";
    }
}

TEST_F(FrenchAcceptanceTest, CleanWordsDrawNoSpellingFinding) {
    for (const char* s : {"Le chat dort.", "Il mange le pain.", "Nous avons vingt-deux ans.", "Les gens sont partis.",
                          // Common verbs of paradigms of their own.
                          "Il faut sortir.", "Cela suffit.", "Nous résolvons le problème."}) {
        for (const Found& f : Grammar(s)) EXPECT_NE(f.errorClass, KRZ_CLASS_SPELLING) << s << " at " << f.start;
    }
}

// A word the French dictionary does not know but the English one does is
// a foreign word in running text, reported once with the English words
// that follow it, and passes inside quotation marks; a word of neither
// language is reported in both places.
TEST_F(FrenchAcceptanceTest, EnglishWordInsideFrenchText) {
    struct Case {
        const char* sentence;
        uint32_t start, end;  // 0, 0: nothing expected
    };
    const Case cases[] = {
        {"Il est venu yesterday avec sa mère.", 12, 20},
        {"Il a dit yesterday morning avec sa mère.", 9, 25},  // one finding for the run
        {"Il est venu \"yesterday\" avec sa mère.", 0, 0},
        {"Il est venu zorblat avec sa mère.", 12, 18},
        {"Il est venu \"zorblat\" avec sa mère.", 13, 19},  // the word without its quotes
    };
    for (const Case& c : cases) {
        const std::vector<Found> found = Grammar(c.sentence);
        std::string got;
        for (const Found& f : found) got += " " + std::to_string(f.start) + "-" + std::to_string(f.end) + "/" + std::to_string(f.errorClass);
        if (c.end == 0) {
            EXPECT_TRUE(found.empty()) << c.sentence << " gave" << got;
            continue;
        }
        ASSERT_EQ(found.size(), 1u) << c.sentence << " gave" << got;
        EXPECT_EQ(found[0].start, c.start) << c.sentence;
        EXPECT_EQ(found[0].end, c.end) << c.sentence;
        EXPECT_EQ(found[0].errorClass, KRZ_CLASS_SPELLING) << c.sentence;
    }
}

// Correct prose that drew false alarms: a quotation over several
// sentences, ordinary word pairs that are also compounds, negations opened
// by a negative word, questions without inversion, set phrases with an
// inverted verb; and the findings that stay. Literary "ne" alone is
// reported except with the verbs that take it (oser, cesser, daigner,
// bouger).
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
        {"Je ne sais.", 6, 10},
        {"Il dit «oui.", 0, 1},
        {"Il est là?", 9, 9},
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
    struct Case {
        const char* sentence;
        uint32_t start, end;  // the spelling finding expected; 0, 0: none
    };
    const Case cases[] = {
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
    for (const Case& c : cases) {
        for (const std::vector<Found>& found : {Spelling(c.sentence), Grammar(c.sentence)}) {
            std::vector<Found> spelling;
            for (const Found& f : found)
                if (f.errorClass == KRZ_CLASS_SPELLING) spelling.push_back(f);
            if (c.end == 0) {
                EXPECT_TRUE(spelling.empty()) << c.sentence << " gave" << Describe(spelling);
                continue;
            }
            EXPECT_EQ(spelling.size(), 1u) << c.sentence << " gave" << Describe(spelling);
            EXPECT_TRUE(Holds(spelling, c.start, c.end, KRZ_CLASS_SPELLING))
                << c.sentence << " gave" << Describe(spelling);
        }
    }
}

TEST_F(FrenchAcceptanceTest, FindingsPerThousandWordsOnCleanProse) {
    for (const char* name : {"hugo_miserables_fr.txt", "ligthart_entre_nous_fr.txt"}) PrintProseRates("french prose", name);
}

}  // namespace
