// The locution matcher's second pass on word tables built from the compact
// notation: the locution-word loop (opening words, later words, Latin
// phrases) and the rules of the ambiguous-word loop, each on the word it
// settles, with the mended faults (lemmas kept, no reading past the count,
// no neighbour past the sentence).
#include <gtest/gtest.h>

#include <string>

#include "../checking/word_table_fixture.h"
#include "frame/report.h"
#include "rules/french/ambiguous_rules.h"
#include "rules/french/french_locutions.h"
#include "rules/french/matcher_loops.h"

namespace {

using word_table::Build;
using word_table::Readings;

using Rule = void (*)(i32 i, u16 mode);

// A row: the sentence, the mode (2: both), the word looked at and the
// readings it is left with ("class.features.category.mark" joined by '+'),
// then the locution report (0: none) and the variant and detail it comes
// with.
struct Row {
    const char* sentence;
    u16 mode;
    i32 word;
    const char* readings;
    i16 report = 0;
    u8 variant = 0;
    u16 detail = 0;
};

class SecondPassTest : public word_table::WordTableTest {
protected:
    void SetUp() override {
        WordTableTest::SetUp();
        gCheckingLanguage = 1;
    }
    // Runs `pass` (a whole loop, or one rule on the row's word) per row.
    template <size_t N>
    void Run(void (*pass)(const Row&, u16), const Row (&rows)[N]) {
        for (const Row& row : rows) {
            for (u16 mode : {0, 1}) {
                if (row.mode != 2 && row.mode != mode) continue;
                Build(row.sentence);
                gLocutionReport = 0;
                gErrorVariant = 0;
                gErrorDetail = 0;
                pass(row, mode);
                const std::string where = std::string(row.sentence) + " (mode " + std::to_string(mode) + ")";
                if (row.readings != nullptr) {
                    EXPECT_EQ(Readings(row.word), row.readings) << where;
                }
                EXPECT_EQ(gLocutionReport, row.report) << where;
                EXPECT_EQ(gErrorVariant, row.variant) << where;
                EXPECT_EQ(gErrorDetail, row.detail) << where;
            }
        }
    }
    static u32 Lemma(i32 i) { return gWords[i].ReadingLemmaRefs[0]; }
};

void LocutionLoop(const Row&, u16 mode) { MatchLocutionWords(mode); }
void AmbiguousLoop(const Row&, u16 mode) { ResolveAmbiguousWords(mode); }

template <Rule R>
void OneRule(const Row& row, u16 mode) {
    R(row.word, mode);
}
template <void (*R)(i32)>
void Rule1(i32 i, u16) {
    R(i);
}
// A rule of strict triggers on every word in turn (it settles a word and
// its neighbours).
template <Rule R>
void EveryWord(const Row&, u16 mode) {
    for (i32 i = 0; i < static_cast<i32>(gWordCount); ++i) R(i, mode);
}

// ---- the locution-word loop

TEST_F(SecondPassTest, OpeningWords) {
    const Row rows[] = {
        // "parce" + "qu'": both conjunctions of class '*', "qu'" of one reading
        {"il/W.0.1 part/#224.8.14 parce/#23.0.17 qu'/C.4.17+#20.0.18 il/W.0.1 pleut/#224.8.14 ./", 2, 3, "42.0.17.0"},
        {"il/W.0.1 part/#224.8.14 parce/#23.0.17 qu'/C.4.17+#20.0.18 il/W.0.1 ./", 2, 2, "42.0.17.0"},
        // the partner missing, or cut off by the sentence's end
        {"il/W.0.1 part/#224.8.14 parce/#23.0.17 ./", 2, 2, nullptr, 257 + 2},
        {"il/W.0.1 part/#224.8.14 parce/#23.0.17", 2, 2, nullptr, 257 + 2},
        // "sine die", "sine qua non": accepted, nothing retagged
        {"sine/#23.0.18 die/A.20.10 ./", 2, 1, "65.20.10.0"},
        {"sine/#23.0.18 qua/#24.0.18 non/#20.0.18 ./", 2, 2, "20.0.18.0"},
        {"urbi/#23.0.18 et/#16.0.16", 2, 0, nullptr, 257},
        // "persona grata", "persona non grata": the next word retagged
        {"persona/#23.0.10 grata/A.36.10 ./", 2, 1, "24.36.18.0"},
        {"persona/#23.0.10 non/#20.0.18 grata/A.36.10 ./", 2, 1, "24.0.18.0"},
        {"persona/#23.0.10 non/#20.0.18 grata/A.36.10 ./", 2, 2, "65.36.10.0"},
        {"aujourd'/#23.0.18 hui/A.20.10 ./", 2, 1, "24.20.18.0"},
        {"alter/#23.0.10 ego/A.20.10 ./", 2, 0, "43.0.10.0"},
        {"made/#23.0.10 in/A.20.10+#20.0.18 France/A.32.10 ./", 2, 1, "24.20.18.0"},
        // the hyphen written either way
        {"vau-l'/#23.0.18 eau/A.36.10 ./", 2, 1, "24.36.18.0"},
        {"vau\u00f5l'/#23.0.18 eau/A.36.10 ./", 2, 1, "24.36.18.0"},
        // "quant": before a word of class ' ' it is adverb-like; before
        // another word, and at the end, nothing
        {"quant/#23.0.15 à/#32.0.15 moi/U.0.3 ./", 2, 1, "32.0.18.0"},
        {"quant/#23.0.15 au/#107.20.7 reste/A.20.10 ./", 2, 1, "107.20.7.0"},
        {"il/W.0.1 dit/#224.8.14 quant/#23.0.15", 2, 2, nullptr},
        // a word of no row: at the end 'Z'; before a later locution word
        // nothing; before another word a report; capitalised nothing
        {"il/W.0.1 dort/#224.8.14 huis/#23.0.15", 2, 2, nullptr, 257 + 2, 'Z'},
        {"il/W.0.1 dort/#224.8.14 huis/#23.0.15 clos/#24.0.18 ./", 2, 2, nullptr},
        {"il/W.0.1 dort/#224.8.14 huis/#23.0.15 clos/#26.0.18 ./", 2, 2, nullptr},
        {"il/W.0.1 dort/#224.8.14 huis/#23.0.15 là/#20.0.18 ./", 2, 2, nullptr, 257 + 2},
        {"il/W.0.1 dort/#224.8.14 Huis/#23.0.15~1 là/#20.0.18 ./", 2, 2, nullptr},
    };
    Run(LocutionLoop, rows);
}

TEST_F(SecondPassTest, LaterWords) {
    const Row rows[] = {
        // "a priori": "a" becomes adverb-like; "priori" alone is reported
        {"c'/F.4.6 est/#131.8.14 a/#194.8.14 priori/#24.0.18 faux/B.16.10 ./", 2, 2, "194.8.18.0"},
        {"c'/F.4.6 est/#131.8.14 priori/#24.0.18 faux/B.16.10 ./", 2, 2, nullptr, 256 + 2},
        // "à l'improviste": the three words of class 26, the two first of
        // one reading; "A" opening the sentence stands for "à"
        {"il/W.0.1 vient/#224.8.14 à/#32.0.15+#194.8.14 l'/d.0.7+V.0.2 improviste/#24.0.18 ./", 2, 2, "26.0.18.0"},
        {"il/W.0.1 vient/#224.8.14 à/#32.0.15+#194.8.14 l'/d.0.7+V.0.2 improviste/#24.0.18 ./", 2, 3, "26.0.18.0"},
        {"il/W.0.1 vient/#224.8.14 à/#32.0.15+#194.8.14 l'/d.0.7+V.0.2 improviste/#24.0.18 ./", 2, 4, "26.0.18.0"},
        {"A/#194.8.14~1 l'/d.0.7 improviste/#24.0.18 ,/ il/W.0.1 vient/#224.8.14 ./", 2, 0, "26.8.18.0"},
        {"a/#194.8.14 l'/d.0.7 improviste/#24.0.18 ./", 2, 0, "194.8.14.0", 256 + 2, 0, 1},
        // "envi" elsewhere: nothing; "instar" elsewhere: detail 1
        {"il/W.0.1 chante/#224.8.14 envi/#24.0.18 ./", 2, 2, "24.0.18.0"},
        {"il/W.0.1 chante/#224.8.14 instar/#24.0.18 ./", 2, 2, nullptr, 256 + 2, 0, 1},
        // "insu" after a possessive (class 115) after "à"
        {"elle/W.32.1 agit/#224.8.14 à/#32.0.15 son/s.20.8+A.20.10 insu/#24.0.18 ./", 2, 3, "115.20.18.0"},
        {"elle/W.32.1 agit/#224.8.14 à/#32.0.15 un/d.20.7 insu/#24.0.18 ./", 2, 4, nullptr, 256 + 4, 0, 1},
        // "et cetera": "et" adverb-like of class 23; another class-23 word
        // before "cetera" prevents the report
        {"x/A.20.10 et/#16.0.16 cetera/#24.0.18 ./", 2, 1, "23.0.18.0"},
        {"x/A.20.10 etc/#23.0.18 cetera/#24.0.18 ./", 2, 2, nullptr},
        {"x/A.20.10 ,/ cetera/#24.0.18 ./", 2, 2, nullptr, 256 + 2},
        // hyphenated later words, either hyphen byte
        {"il/W.0.1 crie/#224.8.14 à/#32.0.15+#20.0.18 tue-tête/#24.0.18 ./", 2, 2, "23.0.18.0+20.0.18.0"},
        {"il/W.0.1 boit/#224.8.14 à/#32.0.15+#20.0.18 tire\u00f5larigot/#24.0.18 ./", 2, 2, "23.0.18.0+20.0.18.0"},
        {"il/W.0.1 travaille/#224.8.14 d'/#111.0.15+d.0.7 arrache-pied/#24.0.18 ./", 2, 2, "23.0.18.0+100.0.7.0"},
        // one reading kept (A1), nouns (N), phrases (C)
        {"au/#107.20.7+#107.20.15 juger/#24.0.18+#224.0.13 ./", 2, 0, "23.20.18.0"},
        {"nota/A.32.10+#224.8.14 bene/#24.0.18 ./", 2, 0, "65.16.10.0"},
        {"delirium/A.20.10 tremens/#24.0.18 ./", 2, 1, "43.0.10.0"},
        {"delirium/A.20.10 tremens/#24.0.18 ./", 2, 0, "43.20.10.0"},
        {"sur/#34.0.15 ces/O.8.8+O.8.7 entrefaites/#24.0.18 ./", 2, 1, "26.8.18.0"},
        // partners accepted without a retag
        {"persona/#23.0.10 grata/#24.0.18 ./", 2, 1, "24.0.18.0"},
        {"persona/#23.0.10 non/#20.0.18 grata/#24.0.18 ./", 2, 2, "24.0.18.0"},
        {"sine/#23.0.18 qua/#24.0.18 non/#20.0.18 ./", 2, 1, "24.0.18.0"},
        // "peut" and "juger" out of their locutions: nothing
        {"il/W.0.1 peut/#24.0.18+#224.8.14 venir/#224.0.13 ./", 2, 1, nullptr},
        {"il/W.0.1 va/#224.8.14 juger/#24.0.18+#224.0.13 ./", 2, 2, nullptr},
        // a stray later word: reported, unless capitalised or after a
        // locution word
        {"il/W.0.1 va/#224.8.14 fiat/#24.0.18 ./", 2, 2, nullptr, 256 + 2},
        {"il/W.0.1 va/#224.8.14 Fiat/#24.0.18~1 ./", 2, 2, nullptr},
        {"il/W.0.1 va/#224.8.14 lux/#25.0.18 fiat/#24.0.18 ./", 2, 3, nullptr},
    };
    Run(LocutionLoop, rows);
}

TEST_F(SecondPassTest, LatinPhrases) {
    const Row rows[] = {
        {"le/d.20.7 modus/#25.0.10+A.28.10 vivendi/A.20.10 ./", 2, 1, "43.0.10.0+65.28.10.0"},
        {"le/d.20.7 modus/#25.0.10+A.28.10 vivendi/A.20.10 ./", 2, 2, "43.20.10.0"},
        {"le/d.20.7 statu/#25.0.10 quo/#25.0.10 ./", 2, 2, "43.0.10.0"},
        {"un/d.20.7 modus/#25.0.10", 2, 1, nullptr, 257 + 1},
        // the later report stands
        {"un/d.20.7 modus/#25.0.10 et/#16.0.16 numerus/#25.0.10 ./", 2, 0, nullptr, 257 + 3},
        // "bel canto": "bel" loses its features ("Il aime le canto." is
        // reported; our French source has no "canto")
        {"le/d.20.7 bel/B.84.10 canto/#25.0.10 ./", 2, 1, "43.0.10.0"},
        {"le/d.20.7 bel/B.84.10 canto/#25.0.10 ./", 2, 2, "43.0.10.0"},
        {"il/W.0.1 aime/#224.8.14 le/d.20.7 canto/#25.0.10 ./", 2, 3, nullptr, 256 + 3},
        {"canto/#25.0.10 ./", 2, 0, "25.0.10.0"},
        {"nec/#25.0.18 plus/#20.0.18 ultra/#25.0.18 ./", 2, 1, "43.0.10.0"},
        {"nec/#25.0.18 plus/#20.0.18 ./", 2, 0, nullptr, 257},
        // a class-25 word of another phrase: nothing
        {"le/d.20.7 vivendi/#25.0.10 ./", 2, 1, "25.0.10.0"},
    };
    Run(LocutionLoop, rows);
}

// ---- the ambiguous-word loop, rule by rule

TEST_F(SecondPassTest, LocutionReadingsNounsAdverbsParticiples) {
    using namespace ambiguous;
    const Row locution[] = {
        // the locution reading goes with its lemma
        {"x/A.20.10 juger/#24.0.18.0.7+#224.0.13.3.9 ./", 2, 1, "224.0.13.3"},
    };
    Run(OneRule<Rule1<DropLocutionReading>>, locution);
    Build("x/A.20.10 juger/#24.0.18.0.7+#224.0.13.3.9 ./");
    DropLocutionReading(1);
    EXPECT_EQ(Lemma(1), 9u);

    const Row quel[] = {
        {"telle/P.32.8+A.36.10 vient/#224.8.14 ./", 2, 0, "80.32.10.0+65.36.10.0"},
        {"telle/P.32.8+A.36.10 femme/A.36.10 ./", 2, 0, "80.32.8.0+65.36.10.0"},
    };
    Run(OneRule<Rule1<QuelBeforeVerb>>, quel);

    const Row nounOrAdverb[] = {
        // after a verb form, a noun of class 'A': the adverb
        {"il/W.0.1 mange/#224.8.14 bien/A.20.10+#20.0.18 ./", 2, 2, "20.0.18.0"},
        // three readings after a feminine article: the feminine noun
        {"la/d.32.7 x/A.16.10+A.32.10+#20.0.18 ./", 2, 1, "65.32.10.0"},
        {"le/d.16.7 x/A.32.10+A.16.10+#20.0.18 ./", 2, 1, "65.16.10.0"},
        // after an article with no noun reading: left as it is
        {"le/d.16.7 x/#20.0.18+#20.4.18 ./", 2, 1, "20.0.18.0+20.4.18.0"},
        // an adjective reading after an attributive verb (mark 128 and up)
        {"il/W.0.1 est/#131.8.14.144 x/#20.0.18+B.16.10 ./", 2, 2, "66.16.10.0"},
        // before a single noun; after a noun and "et": kept as it comes
        {"x/#20.0.18+B.16.10 chat/A.20.10 ./", 2, 0, "66.16.10.0"},
        {"chat/A.20.10 et/#16.0.16 x/#20.0.18+B.16.10 ./", 2, 2, "20.0.18.0"},
        {"x/#20.0.18+B.16.10 et/#16.0.16 y/A.20.10 ./", 2, 0, "20.0.18.0"},
        // word 0 otherwise: the adverb
        {"x/B.16.10+#20.0.18 ,/ ./", 2, 0, "20.0.18.0"},
    };
    Run(OneRule<Rule1<NounOrAdverb>>, nounOrAdverb);

    const Row participle[] = {
        // a verb form before it: the participle; two participles of
        // different features: features 7
        {"il/W.0.1 a/#131.8.14 fini/#224.2.11+B.16.10 ./", 2, 2, "224.2.11.0"},
        {"il/W.0.1 a/#131.8.14 x/#224.2.11+#224.4.11 ./", 2, 2, "224.7.11.0"},
        {"il/W.0.1 l'/V.0.2 a/#131.8.14 x/#224.2.11+B.16.10 ./", 2, 3, "224.2.11.0"},
        // right after an article: the other of the first two readings
        {"le/d.0.7 x/#224.2.11+A.20.10 ./", 2, 1, "65.20.10.0"},
        {"x/A.20.10 y/#224.2.11+A.20.10 ./", 2, 1, "224.2.11.0+65.20.10.0"},
    };
    Run(OneRule<Rule1<PastParticipleOrAdjective>>, participle);
}

TEST_F(SecondPassTest, ArticleOrPronoun) {
    using namespace ambiguous;
    // Rule A: the word is "l..." (index 1 or 2), the next one a noun and a
    // finite verb.
    const Row finite[] = {
        // after a subject pronoun: the pronoun, the next word its verb
        {"il/W.0.1 le/d.0.7+V.0.2 porte/A.36.10+#224.8.14.5 ./", 2, 1, "86.0.2.0"},
        {"il/W.0.1 le/d.0.7+V.0.2 porte/A.36.10+#224.8.14.5 ./", 2, 2, "224.8.14.5"},
        // after a verb: by agreement with the noun reading
        {"il/W.0.1 voit/#224.8.14 le/d.0.7+V.0.2 porte/A.36.10+#224.8.14 ./", 2, 2, "86.0.2.0"},
        {"il/W.0.1 voit/#224.8.14 le/d.0.7+V.0.2 livre/A.20.10+#224.8.14 ./", 2, 2, "100.0.7.0"},
        {"il/W.0.1 voit/#224.8.14 le/d.0.7+V.0.2 livre/A.20.10+#224.8.14 ./", 2, 3, "65.20.10.0"},
        // after a preposition: the article whatever the agreement; the verb
        // first: the article keeps both readings, the verb reading goes
        {"pour/#34.0.15 le/d.0.7+V.0.2 porte/A.36.10+#224.8.14 ./", 2, 1, "100.0.7.0"},
        {"pour/#34.0.15 le/d.0.7+V.0.2 porte/#224.8.14+A.36.10 ./", 2, 1, "100.0.7.0+86.0.2.0"},
        {"pour/#34.0.15 le/d.0.7+V.0.2 porte/#224.8.14+A.36.10 ./", 2, 2, "65.36.10.0"},
        // an ambiguous noun before: nothing
        {"x/A.20.10+B.20.10 la/d.32.7+V.32.2 porte/A.36.10+#224.8.14 ./", 2, 1, "100.32.7.0+86.32.2.0"},
        // a verb reading in slot 5 or below is no finite verb
        {"il/W.0.1 le/d.0.7+V.0.2 porte/A.36.10+#224.2.14 ./", 2, 1, "100.0.7.0+86.0.2.0"},
        // "la" with the note's noun reading third: the same
        {"il/W.0.1 ouvre/#224.8.14 la/d.32.7+V.32.2+A.28.10 porte/C.4.10+#224.51.14 ./", 2, 2, "100.32.7.0"},
        {"sur/#34.0.15 la/d.32.7+V.32.2+A.28.10 glace/A.36.10+#224.51.14 !/", 2, 2, "65.36.10.0"},
        // "qui la porte": the pronoun, the verb with its lemma
        {"qui/G.0.5 la/d.32.7+V.32.2 porte/A.36.10.0.5+#224.8.14.77.9 ./", 2, 2, "224.8.14.77"},
    };
    Run(EveryWord<Rule1<ArticleBeforeFiniteVerb>>, finite);
    Build("qui/G.0.5 la/d.32.7+V.32.2 porte/A.36.10.0.5+#224.8.14.77.9 ./");
    ArticleBeforeFiniteVerb(1);
    EXPECT_EQ(Lemma(2), 9u);

    // Rule B: a noun and a present participle.
    const Row participle[] = {
        {"il/W.0.1 voit/#224.8.14 le/d.0.7+V.0.2 x/A.20.10+#224.1.12 où/G.0.5 ./", 2, 2, "100.0.7.0+86.0.2.0"},
        {"il/W.0.1 voit/#224.8.14 la/d.32.7+V.32.2 x/A.20.10+#224.1.12 ./", 2, 2, "100.32.7.0+86.32.2.0"},
        // a verb after it, or nothing: the article
        {"il/W.0.1 voit/#224.8.14 le/d.0.7+V.0.2 x/A.20.10+#224.1.12 part/#224.8.14 ./", 2, 3, "65.20.10.0"},
        {"il/W.0.1 voit/#224.8.14 le/d.0.7+V.0.2 x/#224.1.12+A.20.10", 2, 3, "65.20.10.0"},
        // a noun after it: the pronoun for "les", the article for "le" of a
        // masculine noun
        {"et/#16.0.16 les/d.8.7+V.8.2 x/A.20.10+#224.1.12 y/A.20.10 ./", 2, 2, "224.1.12.0"},
        {"et/#16.0.16 le/d.0.7+V.0.2 x/A.20.10+#224.1.12 y/A.20.10 ./", 2, 1, "100.0.7.0"},
        // otherwise the pronoun
        {"et/#16.0.16 le/d.0.7+V.0.2 x/A.20.10+#224.1.12 ./", 2, 1, "86.0.2.0"},
        // but after a preposition (not the "en" of a gerund) or right after
        // a conjugated verb the article
        {"pour/#34.0.15 le/d.0.7+V.0.2 x/A.20.10+#224.1.12 ./", 2, 1, "100.0.7.0"},
        {"en/#34.0.15 le/d.0.7+V.0.2 x/A.20.10+#224.1.12 ./", 2, 1, "86.0.2.0"},
        {"il/W.0.1 voit/#224.8.14 les/d.8.7+V.8.2 x/A.20.10+#224.1.12 y/A.20.10 ./", 2, 3, "65.20.10.0"},
        {"il/W.0.1 voit/#224.8.14 le/d.0.7+V.0.2 x/A.20.10+#224.1.12 ./", 2, 2, "100.0.7.0"},
    };
    Run(EveryWord<Rule1<ArticleBeforeParticiple>>, participle);

    // Rule C, mode 1 only: a noun and an infinitive.
    const Row infinitive[] = {
        {"il/W.0.1 va/#224.8.14.18 le/d.0.7+V.0.2 x/A.20.10+#224.0.13 ./", 1, 2, "86.0.2.0"},
        {"il/W.0.1 va/#224.8.14.18 le/d.0.7+V.0.2 x/A.20.10+#224.0.13 ./", 1, 3, "224.0.13.0"},
        {"il/W.0.1 va/#224.8.14.18 le/d.0.7+V.0.2 x/A.20.10+#224.0.13 ./", 0, 2, "100.0.7.0+86.0.2.0"},
        {"il/W.0.1 voit/#224.8.14.9 le/d.0.7+V.0.2 x/#224.0.13+A.20.10 ./", 1, 3, "65.20.10.0"},
        // neither shape: both keep their first reading
        {"il/W.0.1 voit/#224.8.14.9 le/d.0.7+V.0.2 x/A.20.10+B.20.10 ./", 1, 3, "65.20.10.0"},
        {"il/W.0.1 voit/#224.8.14.9 le/d.0.7+V.0.2 x/A.20.10+B.20.10 ./", 1, 2, "100.0.7.0"},
    };
    Run(EveryWord<ArticleBeforeInfinitive>, infinitive);
}

TEST_F(SecondPassTest, InfinitiveAndParticiple) {
    using namespace ambiguous;
    const Row infinitive[] = {
        // "boulanger" after a non-verb: the noun; mode 0 nothing
        {"le/d.20.7 boulanger/#224.0.13+A.20.10.0.9 ./", 1, 1, "65.20.10.240"},
        {"le/d.20.7 boulanger/#224.0.13+A.20.10.0.9 ./", 0, 1, "224.0.13.0+65.20.10.0"},
        // an article after it (past adverbs): the infinitive
        {"il/W.0.1 va/#224.8.14 manger/A.20.10+#224.0.13 bien/#20.0.18 la/d.32.7 soupe/A.36.10 ./", 1, 2,
         "224.0.13.0"},
        // a single verb before it (past adverbs) and a noun reading
        {"il/W.0.1 va/#224.8.14 bien/#20.0.18 manger/#224.0.13+A.20.10 ./", 1, 3, "224.0.13.0"},
        // a singular masculine reading other than a noun
        {"x/A.20.10 y/#224.0.13+B.16.10 ./", 1, 1, "66.16.10.0"},
        // a single infinitive reading left: no other reading is taken
        {"x/A.20.10 y/#224.0.13+B.16.10~n1 ./", 1, 1, "224.0.13.0"},
    };
    Run(OneRule<InfinitiveReading>, infinitive);

    const Row participle[] = {
        // "en", "la" before the participle
        {"en/#34.0.15+#20.0.18 x/#224.1.12+B.16.10 ./", 2, 1, "224.1.12.0"},
        {"en/#34.0.15+#20.0.18 x/#224.1.12+B.16.10 ./", 2, 0, "34.0.15.0"},
        {"il/W.0.1 la/d.32.7+V.32.2 x/#224.1.12+B.16.10 ./", 2, 1, "124.32.2.128"},
        {"maintenant/#20.0.18+#224.1.12 ./", 2, 0, "20.0.18.0"},
        // before an article, the preposition with its own lemma; before a
        // preposition, the participle
        {"il/W.0.1 dort/#224.8.14 ,/ x/#224.1.12.0.5+#34.0.15.0.6 le/d.0.7 ./", 2, 3, "34.0.15.0"},
        {"il/W.0.1 dort/#224.8.14 ,/ x/#224.1.12.0.5+#34.0.15.0.6 à/#32.0.15 ./", 2, 3, "224.1.12.0"},
        // word 0 before a noun: a noun 'A'
        {"x/#224.1.12+B.16.10 y/A.20.10 ./", 2, 0, "65.20.10.0"},
        // the preposition reading dropped before a verb: the participle's
        // own class, found again
        {"x/#34.0.15+#224.1.12+A.20.10 vient/#224.8.14 ./", 2, 0, "224.1.12.0"},
        // after an adverb: the adjective
        {"il/W.0.1 est/#131.8.14 ,/ très/#20.0.18 x/#224.1.12.3+B.16.10.4 ./", 2, 4, "66.20.10.4"},
        // after a determiner: the noun reading
        {"il/W.0.1 voit/#224.8.14 ce/O.20.8 x/#224.1.12+A.20.10 ./", 2, 3, "65.20.10.0"},
    };
    Run(EveryWord<PresentParticipleReading>, participle);
}

TEST_F(SecondPassTest, NounReadingsMergedAndFirstWordVerb) {
    using namespace ambiguous;
    const Row merge[] = {
        // masculine and feminine singular: no gender, singular, class 'C'
        {"le/d.0.7 x/A.20.10+B.36.10+#224.8.14 ./", 2, 1, "67.4.10.0+224.8.14.0"},
        {"le/d.0.7 x/A.20.10+A.24.10+#224.8.14 ./", 2, 1, "65.16.10.0+224.8.14.0"},
        // a participle reading in slot 4 gives feminine singular
        {"le/d.0.7 x/B.36.10+#224.4.10+#224.8.14 ./", 2, 1, "67.36.10.0+224.8.14.0"},
        // exactly two readings: left alone
        {"le/d.0.7 x/A.20.10+B.36.10 ./", 2, 1, "65.20.10.0+66.36.10.0"},
    };
    Run(OneRule<Rule1<MergeNounReadings>>, merge);

    const Row first[] = {
        {"portes/A.40.10+#224.7.14 ./", 2, 0, "224.7.14.0"},
        {"porte/A.36.10+#224.8.14 ./", 2, 0, "65.36.10.0+224.8.14.0"},
    };
    Run([](const Row& row, u16) { FirstWordVerb(row.word); }, first);
}

TEST_F(SecondPassTest, NounOrVerbLines) {
    using namespace ambiguous;
    const char* noun = "65.36.10.0";
    const char* verb = "224.8.14.0";
    const Row rows[] = {
        {"porte/A.36.10+#224.8.14 ./", 2, 0, noun},                                       // 1
        {"pour/#34.0.15 porte/A.36.10+#224.8.14 ./", 2, 1, noun},                         // 2
        {"il/W.0.1 voit/#224.8.14 bien/#20.0.18 porte/A.36.10+#224.8.14 ./", 2, 3, noun}, // 3
        {"il/W.0.1 a/#131.8.11 porte/A.36.10+#224.8.14 ./", 2, 2, noun},                  // 5
        // 8: after a determiner; after "ce", a masculine word goes on
        {"cette/O.36.8 porte/A.36.10+#224.8.14 ./", 2, 1, noun},
        {"ce/O.20.8 porte/A.36.10+#224.8.14 ./", 2, 1, noun},
        {"il/W.0.1 dort/#224.8.14 ce/O.20.8 livre/A.20.10+#224.8.14 ./", 2, 3, "65.20.10.0+224.8.14.0"},
        {"x/#20.0.18 porte/A.36.10+#224.8.14 y/a.0.2 ./", 2, 1, noun},                     // 9
        {"x/#20.0.18 porte/A.36.10+#224.8.14 qui/G.0.5 ./", 2, 1, noun},                  // 10
        // 11: by the verb model of a word in "s"
        {"x/#20.0.18 portes/A.40.10+#224.7.14.63 ./", 2, 1, "65.40.10.0"},
        {"x/#20.0.18 portes/A.40.10+#224.7.14.94 ./", 2, 1, "65.28.10.0"},
        // 12 (mode 1 only) and 18: around "et" and a verb
        {"x/#20.0.18 porte/A.36.10+#224.8.14 et/#16.0.16 y/#24.8.14 ./", 1, 1, noun},
        {"x/#20.0.18 porte/A.36.10+#224.8.14 et/#16.0.16 y/#224.8.14 ./", 1, 1, verb},
        {"beau/B.20.10 et/#16.0.16 porte/B.36.10+#224.8.14 ./", 2, 2, "66.36.10.0"},        // 13
        {"(/#0.0.20 porte/A.36.10+#224.8.14 ./", 2, 1, noun},                              // 14
        {"x/@.20.10 porte/A.36.10+#224.8.14 ./", 2, 1, verb},                              // 16
        // 15: before an article, unless a noun agreeing with it comes first
        {"x/#20.0.18 porte/A.36.10+#224.8.14 le/d.20.7 ./", 2, 1, verb},
        {"il/W.0.1 dort/#224.8.14 femme/A.36.10 porte/A.36.10+#224.8.14 le/d.20.7 ./", 0, 3,
         "65.36.10.0+224.8.14.0"},
        {"il/W.0.1 dort/#224.8.14 homme/A.20.10 porte/A.36.10+#224.8.14 le/d.20.7 ./", 2, 3, verb},
        // 17: after an object pronoun
        {"x/#20.0.18 le/V.0.2 porte/A.36.10+#224.8.14 ./", 2, 2, verb},
        // the verb first and no verb elsewhere: by slot, in mode 0 too
        {"x/#20.0.18 porte/#224.8.14+A.36.10 ./", 2, 1, verb},
        {"x/#20.0.18 porte/#224.30.14+A.36.10+#224.8.14 ./", 2, 1, verb},
        // one verb elsewhere, no introducer: an adjective word agreeing
        // with the word before it is a noun; otherwise unchanged
        {"il/W.0.1 dort/#224.8.14 x/B.20.10 porte/A.20.10+#224.8.14 ./", 0, 3, "65.20.10.0"},
        {"il/W.0.1 dort/#224.8.14 x/A.20.10 porte/A.36.10+#224.8.14 ./", 0, 3, "65.36.10.0+224.8.14.0"},
        // an introducer more: the verb
        {"il/W.0.1 dort/#224.8.14 qui/G.0.5 x/A.20.10 porte/A.36.10+#224.8.14 ./", 0, 4, verb},
        // "que" after "plus" counts for nothing
        {"il/W.0.1 dort/#224.8.14 plus/#20.0.18 que/C.0.5 x/A.20.10 porte/A.36.10+#224.8.14 ./", 0, 5,
         "65.36.10.0+224.8.14.0"},
        // mode 1: an article after it; nothing after the last word
        {"il/W.0.1 dort/#224.8.14 x/A.20.10 porte/A.36.10+#224.8.14 la/d.32.7 ./", 1, 3, verb},
        {"il/W.0.1 dort/#224.8.14 x/A.20.10 porte/A.36.10+#224.8.14", 1, 3, "65.36.10.0+224.8.14.0"},
        // all verb readings: no noun is made up
        {"porte/#224.8.14+#224.6.14 ./", 2, 0, "224.8.14.0+224.6.14.0"},
        // nor are an undecided word's verb readings put in another order
        {"il/W.0.1 dort/#224.8.14 x/A.20.10 ouvre/#224.8.14+#224.32.14 ./", 2, 3, "224.8.14.0+224.32.14.0"},
    };
    Run(OneRule<NounOrVerb>, rows);
}

// The loop: words of one reading are passed over, and nothing is done once
// a locution report is pending.
TEST_F(SecondPassTest, AmbiguousLoop) {
    const Row rows[] = {
        {"il/W.0.1 le/d.0.7+V.0.2 porte/A.36.10+#224.8.14 ./", 2, 2, "224.8.14.0"},
        {"il/W.0.1 mange/#224.8.14 x/#24.0.18+A.20.10+#20.0.18 ./", 2, 2, "20.0.18.0"},
    };
    Run(AmbiguousLoop, rows);
    Build("il/W.0.1 le/d.0.7+V.0.2 porte/A.36.10+#224.8.14 ./");
    gLocutionReport = 257;
    ResolveAmbiguousWords(1);
    EXPECT_EQ(Readings(1), "100.0.7.0+86.0.2.0");
}

}  // namespace
