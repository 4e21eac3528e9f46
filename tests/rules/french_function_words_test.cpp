// The French function-word rules (entries "le" to "ni") on word tables built
// from the compact notation of the word-table fixture, run the way the
// locution pass runs them: each function word of the sentence from the
// second word on, pass 0 over the sentence and then pass 1.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "../checking/word_table_fixture.h"
#include "frame/report.h"
#include "frame/tables.h"
#include "frame/tagged_words.h"
#include "rules/french/french_rules.h"
#include "rules/french/function_words.h"

namespace {

using word_table::Build;

bool IsCapital(u8 c) { return c >= 'A' && c <= 'Z'; }

// One pass of the locution pass over the function words: words from index
// 1 of at most 5 bytes; a word with one reading of category 0 (class other
// than 22) is passed over; a capital first letter is lowered (every capital
// when the second letter is one too) for the match and the text put back
// afterwards when the word holds a reading. Pass 0 gives 2 when a rule
// returned 1; pass 1 the last report above 1.
u16 RunFunctionWords(u16 mode) {
    bool flag = false;
    u16 report = 0;
    for (u16 i = 1; i < gWordCount; ++i) {
        WordRecord& w = gWords[i];
        const i32 len = GetStringLength(w.WordText);
        if (len > 5) continue;
        if (w.ReadingCount == 1 && w.ReadingCategories[0] == 0 && w.ReadingClasses[0] != 22) continue;
        const std::string saved = word_table::Text(w.WordText);
        const bool lowered = IsCapital(w.WordText.data[0]) && w.ReadingCount > 0;
        if (IsCapital(w.WordText.data[0])) {
            const bool all = IsCapital(w.WordText.data[1]);
            for (i32 k = 0; k < len; ++k)
                if ((k == 0 || all) && IsCapital(w.WordText.data[k])) w.WordText.data[k] += 32;
        }
        for (u32 n = 0; n < gFrenchFunctionWords.count; ++n) {
            if (!TextSame(w.WordText, gFrenchFunctionWords[static_cast<i32>(n)])) continue;
            const u16 r = ApplyFrenchFunctionWordRule(mode, static_cast<i32>(n), i, lowered ? 1 : 0);
            if (r == 1) flag = true;
            if (r > 1) report = r;
            break;
        }
        if (lowered) CopyCString(w.WordText, saved.c_str());
    }
    if (mode == 0) return flag ? 2 : 0;
    return report;
}

// Pass 0, then pass 1 when asked; the result of the last pass run.
u16 RunPasses(u16 mode) {
    const u16 r = RunFunctionWords(0);
    return mode == 0 ? r : RunFunctionWords(1);
}

struct Snapshot {
    u16 count;
    std::string reading0;
};

std::vector<Snapshot> Take() {
    std::vector<Snapshot> out;
    for (u16 i = 0; i < gWordCount; ++i) out.push_back({gWords[i].ReadingCount, word_table::Format(gWords[i], 0)});
    return out;
}

// The words whose reading count or reading 0 changed, as
// "text/count:reading 0" joined by blanks.
std::string Changes(const std::vector<Snapshot>& before) {
    std::string out;
    for (u16 i = 0; i < gWordCount; ++i) {
        const Snapshot now{gWords[i].ReadingCount, word_table::Format(gWords[i], 0)};
        if (now.count == before[i].count && now.reading0 == before[i].reading0) continue;
        if (!out.empty()) out += ' ';
        out += word_table::Text(gWords[i].WordText) + "/" + std::to_string(now.count) + ":" + now.reading0;
    }
    return out;
}

class FrenchFunctionWordTest : public word_table::WordTableTest {
protected:
    void SetUp() override {
        WordTableTest::SetUp();
        gCheckingLanguage = 3;
    }
};

struct Case {
    const char* sentence;
    u16 mode;
    u16 result;
    u16 extent;           // gErrorExtent after the passes
    const char* changes;  // see Changes(), texts in Mac Roman
};

constexpr u16 kNone = kNoCorrection;

TEST_F(FrenchFunctionWordTest, TableOfCases) {
    const Case cases[] = {
        // Missing contraction, reported in pass 1 only, at "le".
        {"Il/Y.0.1 parle/#128.8.14 de/!.64.15+h.8.7 le/d.20.7 livre/A.20.10 ./", 1, 128 + 3, kNone, "de/1:!.64.15"},
        {"Il/Y.0.1 parle/#128.8.14 de/!.64.15+h.8.7 le/d.20.7 livre/A.20.10 ./", 0, 0, kNone, "de/1:!.64.15"},
        // "la" after "celui" before a verb; "Celui" opening the sentence,
        // "LA" lowered for its rule.
        {"celui/F.20.4 la/d.36.7+|.36.2 mange/#128.8.14 ./", 1, 768 + 1, 14, ""},
        {"Celui/F.20.4~1 LA/d.36.7+|.36.2~3 mange/#128.8.14 ./", 1, 768 + 1, 14, ""},
        // Object pronouns after a subject pronoun, with "leur".
        {"Je/U.5.1 le/d.20.7+|.20.2 vois/#128.6.14 ./", 1, 0, kNone, "le/1:|.20.2"},
        {"Je/U.5.1 la/d.36.7+|.36.2 leur/m.8.8+_.11.2 donne/#128.6.14 ./", 1, 0, kNone, "la/1:|.36.2 leur/1:_.11.2"},
        // "numéro un"; "un verre du vin" (the measure rule).
        {"le/d.20.7 numéro/A.20.10 un/h.20.7+A.20.10 ./", 1, 0, kNone, "un/1:B.20.10.78"},
        {"Il/Y.0.1 boit/#128.8.14 un/h.20.7 verre/A.20.10 du/k.84.7+$.84.9 vin/A.20.10 ./", 1, 0, kNone,
         "du/1:T.84.8"},
        // "quel que" and "qu'elle" before a noun.
        {"Il/Y.0.1 sait/#240.8.14 quel/Q.20.8 que/G.0.5+#17.0.17 livre/A.20.10 ./", 1, 512 + 3, kNone, "que/1:G.0.5"},
        {"Il/Y.0.1 dit/#240.8.14 qu'/G.0.5+#17.0.17 elle/Y.36.1 maison/A.36.10 ./", 1, 513 + 2, kNone, "dit/3:#240.2.11.79 qu'/1:G.0.5"},
        // "à cause de": three preposition parts; "à" keeps its readings.
        {"Il/Y.0.1 rit/#128.8.14 à/#32.0.15+A.0.10 cause/A.36.10+#128.8.14 de/!.64.15+h.8.7 lui/_.0.2 ./", 1, 0,
         kNone, "à/2:,.0.15 cause/1:,.36.15 de/1:,.64.15 lui/1:_.23.3"},
        // An "au-" or "par-" word outside the locutions leaves "de" alone,
        // unless an article stands before it or (for "par-") "de" is word 1.
        {"Il/Y.0.1 au-truc/A.20.10 de/!.64.15+h.8.7 lui/_.0.2 ./", 1, 0, kNone, "lui/1:_.23.3"},
        {"au-truc/A.20.10 de/!.64.15+h.8.7 lui/_.0.2 ./", 1, 0, kNone, "lui/1:_.23.3"},
        {"le/d.20.7 au-truc/A.20.10 de/!.64.15+h.8.7 lui/_.0.2 ./", 1, 0, kNone, "de/1:!.64.15 lui/1:_.23.3"},
        {"Il/Y.0.1 par-truc/A.20.10 de/!.64.15+h.8.7 lui/_.0.2 ./", 1, 0, kNone, "lui/1:_.23.3"},
        {"par-truc/A.20.10 de/!.64.15+h.8.7 lui/_.0.2 ./", 1, 0, kNone, "de/1:!.64.15 lui/1:_.23.3"},
        // "de lequel" is reported and "de" a preposition; "de le" is not.
        {"Il/Y.0.1 pense/#128.8.14 de/h.8.7+!.64.15 lequel/G.20.5 ./", 1, 129 + 2, kNone, "de/1:!.8.15"},
        {"Il/Y.0.1 pense/#128.8.14 de/h.8.7+!.64.15 le/d.20.7 ./", 1, 0, kNone, ""},
        // "pas du tout".
        {"Il/Y.0.1 ne/#21.0.18 mange/#128.8.14 pas/#21.0.18 du/k.84.7+$.84.9 tout/K.20.6+Q.20.8 ./", 1, 0, kNone,
         "pas/1:#20.0.18 du/1:$.84.18 tout/1:K.20.18"},
        // Quantity words: determiners in pass 1; before "la" an adverb.
        {"Il/Y.0.1 mange/#128.8.14 beaucoup/#21.0.18 de/!.64.15+h.8.7 pain/A.20.10 ./", 1, 0, kNone,
         "beaucoup/1:Q.0.8 de/1:Q.20.8"},
        {"Il/Y.0.1 mange/#128.8.14 beaucoup/#21.0.18 de/!.64.15+h.8.7 pain/A.20.10 ./", 0, 0, kNone, "de/1:!.64.15"},
        {"Il/Y.0.1 mange/#128.8.14 beaucoup/#21.0.18 de/!.64.15+h.8.7 la/d.36.7 soupe/A.36.10 ./", 1, 0, kNone,
         "beaucoup/1:#20.0.18 de/1:T.36.8"},
        {"Il/Y.0.1 mange/#128.8.14 le/d.20.7 plus/#21.0.18 de/!.64.15+h.8.7 pommes/A.40.10 possible/B.20.10 ./", 1,
         0, kNone, "le/1:Q.0.8 plus/1:Q.0.8 de/1:Q.40.8 possible/1:#20.0.18"},
        // "d'ailleurs", "d'abord", "d'aucuns" after "mais" ("d'" made an
        // article in pass 0 takes the plural feature in pass 1).
        {"Il/Y.0.1 rit/#128.8.14 mais/#16.0.16 d'/!.64.15+h.8.7 ailleurs/#21.0.18 ./", 1, 0, kNone,
         "mais/1:#16.0.16.27 d'/1:#26.64.18 ailleurs/1:#26.0.18"},
        {"Il/Y.0.1 rit/#128.8.14 mais/#16.0.16 d'/!.64.15+h.8.7 abord/A.20.10 ./", 1, 0, kNone,
         "mais/1:#16.0.16.27 d'/1:h.8.18 abord/1:A.20.18"},
        {"Il/Y.0.1 rit/#128.8.14 mais/#16.0.16 d'/!.64.15+h.8.7 aucuns/J.8.6 ./", 1, 0, kNone, "mais/1:#16.0.16.27 d'/1:h.8.18"},
        // Conjunctive locutions.
        {"Il/Y.0.1 part/#128.8.14 afin/#21.0.18 que/G.0.5+#17.0.17 tu/Y.2.1 viennes/#128.31.14 ./", 1, 0, kNone,
         "afin/1:*.0.17 que/1:*.1.17 tu/1:Y.6.1"},
        {"Il/Y.0.1 a/#194.8.14 le/d.20.7 bien/A.20.10 que/G.0.5+#17.0.17 tu/Y.2.1 veux/#128.7.14 ./", 1, 0, kNone,
         "que/1:G.0.5 tu/1:Y.6.1"},
        {"Il/Y.0.1 part/#128.8.14 vaille/#160.32.14 que/G.0.5+#17.0.17 vaille/#160.32.14 ./", 1, 0, kNone,
         "vaille/1:#26.32.18 que/1:#26.0.18 vaille/1:#26.32.18"},
        // "tout que" for "tout ce que", "tout" one indefinite reading.
        {"Il/Y.0.1 dit/#240.8.14 tout/K.20.6 que/G.0.5+#17.0.17 tu/Y.2.1 penses/#128.7.14 ./", 1, 768 + 3, 9999,
         "dit/3:#240.2.11.79 que/1:G.0.5 tu/1:Y.6.1"},
        // Coordinated verbs of different persons (conjugation slots).
        {"Je/Y.0.1 mange/#128.8.14 et/#16.0.16 boit/#128.6.14 ./", 1, 257 + 2, kNone, ""},
        {"Je/Y.0.1 mange/#128.6.14 et/#16.0.16 boit/#128.7.14 ./", 1, 257 + 2, kNone, ""},
        {"Je/Y.0.1 mange/#128.8.14 et/#16.0.16 boit/#128.8.14 ./", 1, 0, kNone, ""},
        {"Je/Y.0.1 mange/#128.8.14 et/#16.0.16 boit/#128.14.14 ./", 1, 0, kNone, ""},
        {"Je/Y.0.1 mange/#128.51.14 et/#16.0.16 boit/#128.6.14 ./", 1, 0, kNone, ""},
        {"Je/Y.0.1 mange/#128.51.14 et/#16.0.16 boit/#128.30.14 ./", 1, 0, kNone, ""},
        {"Je/Y.0.1 mange/#128.8.14 et/#16.0.16 boit/#128.6.14 ./", 0, 0, kNone, ""},
        // "si l'on".
        {"Il/Y.0.1 part/#128.8.14 si/#17.0.17 l'/d.4.7+|.4.2 on/Y.3.1 veut/#128.8.14 ./", 1, 0, kNone, "l'/1:#0.0.0"},
        // Adverbial "un peu", "un tantinet", "un rien" before a noun.
        {"Il/Y.0.1 mange/#128.8.14 un/h.20.7+A.20.10 peu/#21.0.18 ./", 1, 0, kNone,
         "un/1:#26.20.18 peu/1:#26.0.18"},
        {"Il/Y.0.1 mange/#128.8.14 un/h.20.7+A.20.10 tantinet/#21.0.18 ./", 1, 0, kNone,
         "un/1:#26.20.18 tantinet/1:#26.0.18"},
        {"Il/Y.0.1 semble/#128.8.14 un/h.20.7+A.20.10 rien/J.20.6 las/B.20.10 ./", 1, 0, kNone,
         "un/1:#26.20.18 rien/1:#26.20.18"},
        // "une dizaine": two determiners; before "de" the "de" is marked and
        // becomes an article on its own turn.
        {"Il/Y.0.1 compte/#128.8.14 une/i.36.7+A.36.10 dizaine/A.36.10 euros/A.24.10 ./", 1, 0, kNone,
         "une/1:P.36.8 dizaine/1:P.8.8"},
        {"Il/Y.0.1 voit/#128.8.14 une/i.36.7+A.36.10 dizaine/A.36.10 de/!.64.15+h.8.7 chats/A.24.10 ./", 1, 0, kNone,
         "une/1:i.36.7 de/1:h.8.7"},
    };
    for (const Case& c : cases) {
        Build(c.sentence);
        gErrorExtent = kNone;
        const auto before = Take();
        EXPECT_EQ(RunPasses(c.mode), c.result) << c.sentence << " mode " << c.mode;
        EXPECT_EQ(gErrorExtent, c.extent) << c.sentence << " mode " << c.mode;
        EXPECT_EQ(Changes(before), word_table::ToMacRoman(c.changes)) << c.sentence << " mode " << c.mode;
    }
}

// A reading search that finds nothing leaves reading 0 as it is (class,
// feature, mark, lemma) and still settles the category and count; the slot
// past the last reading (here an article) is not taken.
TEST_F(FrenchFunctionWordTest, FailedReadingSearchKeepsReadingZero) {
    const Case cases[] = {
        // after a verb, before a noun: the article reading is looked for
        {"Il/Y.0.1 voit/#128.8.14 le/|.0.2.3.5+|.4.2.0.6+d.20.7.0.9~n2 pain/A.20.10 ./", 0, 0, kNone, "le/1:|.0.7.3.6"},
        // before a noun over no adverb: the article again
        {"Jean/A.20.10 et/#16.0.16 le/|.0.2.3.5+|.4.2.0.6+d.20.7.0.9~n2 pain/A.20.10 ./", 0, 0, kNone, "le/1:|.0.7.3.6"},
        // before an infinitive: the object pronoun
        {"Jean/A.20.10 et/#16.0.16 le/d.20.7.3.5+d.20.7.0.6+|.0.2.0.9~n2 manger/#128.0.13 ./", 0, 0, kNone,
         "le/1:d.20.2.3.6"},
    };
    for (const Case& c : cases) {
        Build(c.sentence);
        const auto before = Take();
        EXPECT_EQ(RunPasses(c.mode), c.result) << c.sentence;
        EXPECT_EQ(Changes(before), c.changes) << c.sentence;
    }
}

// Entries 15 to 51 ("ne" ... "tout"), through the same passes; each matched
// word has a word before it.
TEST_F(FrenchFunctionWordTest, TailTableOfCases) {
    const Case cases[] = {
        // "ne" over an object pronoun: the verb keeps its verb reading with
        // its own lemma.
        {"Il/Y.0.1 ne/#21.0.18 le/|.20.2 porte/A.36.10.0.4+#128.8.14.0.7 ./", 1, 0, kNone, "porte/1:#128.8.14.0.7"},
        // "pas" after a conjugated verb is counted in pass 0 (the pass gives
        // 2 for the rule's 1), and made an adverb in pass 1.
        {"Il/Y.0.1 mange/#128.8.14 pas/#21.0.18 ./", 0, 2, kNone, ""},
        {"Il/Y.0.1 mange/#128.8.14 pas/#21.0.18 ./", 1, 0, kNone, "pas/1:#20.0.18"},
        // "pas mal": two adverb parts in pass 0; pass 1 makes both plain
        // adverbs (only 0x2A is kept).
        {"Il/Y.0.1 va/#128.8.14 pas/#21.0.18 mal/#21.0.18+A.20.10 ./", 0, 0, kNone, "pas/1:#26.0.18 mal/1:#26.0.18"},
        {"Il/Y.0.1 va/#128.8.14 pas/#21.0.18 mal/#21.0.18+A.20.10 ./", 1, 0, kNone, "pas/1:#20.0.18 mal/1:#20.0.18"},
        // "dans mon avis" is reported in pass 1.
        {"Il/Y.0.1 reste/#128.8.14 dans/\".0.15 mon/m.20.8 avis/A.20.10 ./", 1, 768 + 2, 2, ""},
        {"Il/Y.0.1 reste/#128.8.14 dans/\".0.15 mon/m.20.8 avis/A.20.10 ./", 0, 0, kNone, ""},
        // "c'est-à-dire" in four words; "est" after one article reading.
        {"Oui/#20.0.18 c'/F.20.4 est/#131.8.14+B.20.10 à/\".0.15 dire/#128.0.13 ./", 1, 0, kNone, "c'/1:#26.84.18 est/1:#26.8.18.16 à/1:#26.0.18 dire/1:#26.0.18"},
        {"Il/Y.0.1 voit/#128.8.14 un/h.20.7 est/#131.8.14+B.20.10 ./", 1, 0, kNone, "est/1:B.20.10.20"},
        // "dit": the participle and two conjugated forms.
        {"Il/Y.0.1 dit/#240.8.14 ./", 1, 0, kNone, "dit/3:#240.2.11.79"},
        // "si" after a comma before a noun not of class 'A'.
        {"Il/Y.0.1 part/#128.8.14 ,/#0.0.21 si/#17.0.17 beau/B.20.10 ./", 1, 0, kNone, "si/1:#20.0.18 beau/1:B.20.18"},
        // "par trop" at the end, not before "de".
        {"C'/F.20.4 est/#131.8.14 par/\".0.15 trop/#20.0.18", 1, 0, kNone, "est/1:#131.8.14.16 par/1:#26.0.18 trop/1:#26.0.18"},
        {"C'/F.20.4 est/#131.8.14 par/\".0.15 trop/#20.0.18 de/!.64.15 bruit/A.20.10", 1, 0, kNone, "est/1:#131.8.14.16 trop/1:Q.0.8 de/1:Q.20.8"},
        // "tout à coup", "tout de go".
        {"Il/Y.0.1 part/#128.8.14 tout/K.20.6 à/\".0.15 coup/A.20.10 ./", 1, 0, kNone, "tout/1:#26.20.18 à/1:#26.0.18 coup/1:#26.20.18"},
        {"Il/Y.0.1 part/#128.8.14 tout/K.20.6 de/!.64.15 go/A.20.10 ./", 1, 0, kNone, "tout/1:#26.20.18 de/1:#26.64.18 go/1:#26.20.18"},
        // "ton" before a noun beginning with a vowel, and with a consonant.
        {"Il/Y.0.1 part/#128.8.14 avec/\".0.15 ton/p.20.8+A.20.10 ami/A.20.10 ./", 1, 0, kNone, "ton/1:p.4.8"},
        {"Il/Y.0.1 part/#128.8.14 avec/\".0.15 ton/p.20.8+A.20.10 livre/A.20.10 ./", 1, 0, kNone, "ton/1:p.20.8"},
        // A capitalised "Nous" that no earlier outcome settles: the subject,
        // its readings kept.
        {"Il/Y.0.1 dit/#240.8.14 :/#0.0.20 Nous/|.0.2+Y.0.1~1 ./", 1, 0, kNone, "dit/3:#240.2.11.79 Nous/2:|.0.1"},
    };
    for (const Case& c : cases) {
        Build(c.sentence);
        gErrorExtent = kNone;
        const auto before = Take();
        EXPECT_EQ(RunPasses(c.mode), c.result) << c.sentence << " mode " << c.mode;
        EXPECT_EQ(gErrorExtent, c.extent) << c.sentence << " mode " << c.mode;
        EXPECT_EQ(Changes(before), word_table::ToMacRoman(c.changes)) << c.sentence << " mode " << c.mode;
    }
}

// "ne" before a word with no participle, infinitive or verb reading leaves
// it as it is ("pour ne pas mourir": "pas" keeps both readings); a failed
// search for the noun reading ("mais" after an article) or the participle
// ("lui" after "a") leaves reading 0 in place.
TEST_F(FrenchFunctionWordTest, TailKeepsReadingsWhereNoneFits) {
    Build("Il/Y.0.1 lutte/#128.8.14 pour/\".0.15 ne/#21.0.18 pas/#21.0.18+A.20.10 mourir/#128.0.13 ./");
    EXPECT_EQ(ApplyFrenchFunctionWordRuleTail(0, 15, 3, 0), 0);
    EXPECT_EQ(gWords[4].ReadingCount, 2);
    EXPECT_EQ(word_table::Format(gWords[4], 1), "A.20.10");
    const Case cases[] = {
        {"Il/Y.0.1 lutte/#128.8.14 pour/\".0.15 ne/#21.0.18 pas/#21.0.18+A.20.10 mourir/#128.0.13 ./", 0, 0, kNone, ""},
        {"Il/Y.0.1 voit/#128.8.14 le/d.20.7 mais/#16.0.16.27.5+#18.0.18.0.6 ./", 1, 0, kNone, "mais/1:#16.0.10.27.5"},
        {"Il/Y.0.1 a/#194.8.14 lui/_.7.2.0.3+_.23.3.0.4 ./", 1, 0, kNone, "lui/1:_.7.11.0.3"},
    };
    for (const Case& c : cases) {
        Build(c.sentence);
        const auto before = Take();
        EXPECT_EQ(RunPasses(c.mode), c.result) << c.sentence;
        EXPECT_EQ(Changes(before), word_table::ToMacRoman(c.changes)) << c.sentence;
    }
}

// The rules of the first word of the sentence, on word 0: a function word
// takes its entry's rule, any other word the rule of its length. The text
// is matched as written, except that a word written with a capital (case
// mode above 0) is matched lowered.
struct InitialCase {
    const char* sentence;
    u16 result;
    u16 extent;
    const char* changes;
};

TEST_F(FrenchFunctionWordTest, SentenceInitialRules) {
    const InitialCase cases[] = {
        // Exact matching: "Le" with no capital case mode, "etre" without its
        // accent and an unknown nine-letter word go to the length rules and
        // change nothing.
        {"Le/d.20.7+|.20.2 chat/A.20.10 dort/#128.8.14 ./", 0, kNone, ""},
        {"etre/A.20.10 ici/#20.0.18 ./", 0, kNone, ""},
        {"aujourdhu/A.20.10 il/Y.0.1 ./", 0, kNone, ""},
        // The same word written with a capital is "le" (lemma references
        // exchanged); "Pourquoi" opens a question.
        {"Le/d.20.7.0.4+|.20.2.0.5~1 chat/A.20.10 dort/#128.8.14 ./", 0, kNone, "Le/1:d.20.7.0.5"},
        {"Pourquoi/#20.0.18~1 il/Y.0.1 part/#128.8.14 ./", 1, kNone, ""},
        {"comment/#20.0.18 il/Y.0.1 part/#128.8.14 ./", 1, kNone, ""},
        // "en" before a verb form of class (AND 7) above 3 stays; else a
        // preposition-like reading.
        {"en/|.0.2+#35.0.15 parle/#132.8.14 ./", 0, kNone, ""},
        {"en/|.0.2+#35.0.15 France/X.36.10 ./", 0, kNone, "en/1:#35.0.15"},
        // "ne" over an object pronoun: the verb keeps its verb reading and
        // its lemma; "plus" keeps all its readings.
        {"ne/#20.0.18 le/|.20.2 porte/A.36.10.0.4+#128.8.14.0.7 ./", 0, kNone, "porte/1:#128.8.14.0.7"},
        {"ne/#20.0.18 plus/#20.0.18+B.0.10 ./", 0, kNone, ""},
        // "sur mon avis" is a fixed error; "sur le pont" a preposition.
        {"sur/A.36.10+\".0.15 mon/m.20.8 avis/A.20.10 ./", 768, 0, ""},
        {"sur/A.36.10+\".0.15 le/d.20.7 pont/A.20.10 ./", 0, kNone, "sur/1:\".0.15"},
        // "pas" before a noun, and before anything else (a negative word).
        {"pas/#20.0.18+A.20.10 chat/A.20.10 ./", 0, kNone, "pas/1:#20.0.18"},
        {"pas/#20.0.18+A.20.10 de/!.64.15 chance/A.36.10 ./", 2, kNone, "pas/1:#20.0.18"},
        // "quelqu'" before "un", "il", "autre".
        {"quelqu'/K.20.6 un/h.20.7 vient/#128.8.14 ./", 0, kNone, ""},
        {"quelqu'/K.20.6 il/Y.0.1 vienne/#128.8.14 ./", 257, kNone, ""},
        {"quelqu'/K.20.6 autre/A.20.10 ./", 129, kNone, ""},
        // A capital "A": before a single adverb of class 0x18 both are
        // adverbs; otherwise the preposition reading (accents on capitals
        // off, below) or 256.
        {"A/#194.8.14+#32.0.15~1 priori/#24.0.18 ./", 0, kNone, "A/1:#194.8.18"},
        {"A/#194.8.14+#32.0.15~1 Paris/X.20.10 ./", 0, kNone, "A/1:#32.0.15"},
        // A lower-case "a" before an article, determiner or noun.
        {"a/#194.8.14 le/d.20.7 chat/A.20.10 ./", 257, 0, ""},
        {"a/#194.8.14 il/Y.0.1 ./", 0, kNone, ""},
        // Articles: an article reading is taken; a word without one keeps its
        // own class and features (not the stale slot past its readings).
        {"le/|.4.2.0.5+d.20.7.0.6 chat/A.20.10 ./", 0, kNone, "le/1:d.20.7.0.6"},
        {"le/|.4.2.0.5+d.20.7.0.6~n1 chat/A.20.10 ./", 0, kNone, "le/1:|.4.7.0.6"},
        {"la/d.36.7+|.36.2 manger/#128.0.13 ./", 0, kNone, "la/1:|.36.2.128"},
        {"une/i.36.7 dizaine/A.36.10 de/!.64.15 chats/A.24.10 ./", 0, kNone, "de/1:#127.24.7"},
        {"une/i.36.7 douzaine/A.36.10 chats/A.24.10 ./", 0, kNone, "une/1:P.36.8 douzaine/1:P.8.8"},
        // "de" before a determiner or an article is the preposition.
        {"de/h.8.7+!.64.15 la/d.36.7 pluie/A.36.10 ./", 0, kNone, "de/1:!.8.15"},
        {"de/h.8.7+!.64.15 nombreux/Q.24.8 amis/A.24.10 ./", 0, kNone, "de/1:h.8.7"},
        // Pronouns and verbs opening the sentence.
        {"nous/Y.0.1+|.0.2 en/|.0.2+#35.0.15 parlant/#128.0.12 ./", 0, kNone, "nous/1:Y.0.2 en/1:|.0.2"},
        {"nous/Y.0.1+|.0.2 partons/#128.9.14 ./", 0, kNone, "nous/1:Y.0.1"},
        {"ce/O.20.8+F.20.4 livre/A.20.10 ./", 0, kNone, "ce/1:O.20.8"},
        {"c'/F.20.4 sont/#131.11.14 eux/_.0.3 ./", 0, kNone, "c'/1:F.72.4"},
        {"personne/A.36.10.0.3+K.20.6.0.4 viendra/#128.14.14 ./", 2, kNone, "personne/1:K.20.6.0.4"},
        {"nul/K.20.6+Q.20.8 autre/A.20.10 ./", 2, kNone, "nul/1:Q.20.8"},
        // "entre" before a pronoun is the preposition, whichever reading
        // our data gives first; before a comma it keeps reading 0.
        {"entre/#200.48.14+\".0.15 nous/Y.9.1+|.9.2 ./", 0, kNone, "entre/1:\".0.15"},
        {"entre/#200.48.14+\".0.15 ,/#0.0.21 ./", 0, kNone, "entre/1:#200.48.14"},
        {"qui/G.0.5 vient/#128.8.14 ./", 1, kNone, ""},
        {"qui/G.0.5 dort/#128.8.14 dine/#128.8.14 ./", 0, kNone, ""},
    };
    for (const InitialCase& c : cases) {
        Build(c.sentence);
        gAccentsOnCapitals = 0;
        gErrorExtent = kNone;
        const auto before = Take();
        const std::string written = word_table::Text(gWords[0].WordText);
        EXPECT_EQ(ApplyFrenchSentenceInitialRules(gWords[0].WordText), c.result) << c.sentence;
        EXPECT_EQ(gErrorExtent, c.extent) << c.sentence;
        EXPECT_EQ(Changes(before), word_table::ToMacRoman(c.changes)) << c.sentence;
        EXPECT_EQ(word_table::Text(gWords[0].WordText), written) << c.sentence;
    }
}

// "S'est" for "C'est": the fixed error of the opening, whose correction is
// the homophone entry of "c'"; "s'" before a feature 0x17 word is "si".
TEST_F(FrenchFunctionWordTest, SentenceInitialSEst) {
    Build("S'/|.0.3~1 est/#131.8.14 une/i.36.7 erreur/A.36.10 ./");
    gErrorDetail = 0;
    EXPECT_EQ(ApplyFrenchSentenceInitialRules(gWords[0].WordText), 768);
    EXPECT_EQ(gErrorExtent, 20);
    EXPECT_EQ(gErrorDetail, 13);
    EXPECT_EQ(word_table::Text(TaggedWordsFor(3)[20]).substr(3, 2), "c'");
    Build("s'/|.0.3 il/Y.23.1 vient/#128.8.14 ./");
    EXPECT_EQ(ApplyFrenchSentenceInitialRules(gWords[0].WordText), 0);
    EXPECT_EQ(word_table::Format(gWords[0], 0), "#17.0.17");
    Build("A/#194.8.14+#32.0.15~1 Paris/X.20.10 ./");
    gAccentsOnCapitals = 1;
    gErrorExtent = kNone;
    EXPECT_EQ(ApplyFrenchSentenceInitialRules(gWords[0].WordText), 256);
    EXPECT_EQ(gErrorExtent, 0);
    gAccentsOnCapitals = 0;
}

// The low 16 bits of the entry and the word index count, signed; entries
// from 15 on are the tail's.
TEST_F(FrenchFunctionWordTest, CallContract) {
    Build("celui/F.20.4 la/d.36.7+|.36.2 mange/#128.8.14 ./");
    EXPECT_EQ(ApplyFrenchFunctionWordRule(0, 0x10001, 0x10001, 0), 768 + 1);
    EXPECT_EQ(ApplyFrenchFunctionWordRule(0, 0xFFFF, 1, 0), 0);
    // The tail answers entries 15 to 51 only.
    const auto before = Take();
    EXPECT_EQ(ApplyFrenchFunctionWordRuleTail(1, 14, 1, 0), 0);
    EXPECT_EQ(ApplyFrenchFunctionWordRuleTail(1, 52, 1, 0), 0);
    EXPECT_EQ(ApplyFrenchFunctionWordRule(1, 52, 1, 0), 0);
    EXPECT_EQ(Changes(before), "");
}

// Every call of "de", "d'", "du", "des" sets the quantity words of the
// rules' word table.
TEST_F(FrenchFunctionWordTest, QuantityWordsFilledByDe) {
    for (i32 q = 0; q < 25; ++q) CopyCString(gFunctionWordCodes[q], "");
    Build("Il/Y.0.1 a/#194.8.14 de/!.64.15 ./");
    ApplyFrenchFunctionWordRule(1, 6, 2, 0);
    EXPECT_EQ(word_table::Text(gFunctionWordCodes[0]), "plus");
    EXPECT_EQ(word_table::Text(gFunctionWordCodes[11]), word_table::ToMacRoman("quantité"));
    EXPECT_EQ(word_table::Text(gFunctionWordCodes[24]), "tas");
}

}  // namespace
