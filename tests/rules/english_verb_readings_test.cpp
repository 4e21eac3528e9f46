// Readings settled around English verbs: the verb-and-particle phrase
// handed to the lexical database (built from the verb's model row in our
// data), the uses of "that" and "what", the infinitives after a governing
// word, and the pass loop's end when the readings never settle.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../checking/acceptance_fixture.h"
#include "../checking/word_table_fixture.h"
#include "frame/bounded_string.h"
#include "morphology/word_analysis.h"
#include "rules/english/english_disambiguation.h"
#include "rules/english/english_passes.h"
#include "rules/rule_words.h"

namespace {

using word_table::Build;
using word_table::Readings;
using word_table::Text;

class EnglishVerbReadingsTest : public word_table::WordTableTest {
protected:
    void SetUp() override {
        WordTableTest::SetUp();
        gCheckingLanguage = 0;
    }
};

// The phrase built for the particle at word i (empty when none).
std::string Phrase(i16 pass, i32 i) {
    english::PassState s;
    s.pass = pass;
    Work36 phrase;
    return english::ParticleVerbPhrase(s, i, phrase.s) < 0 ? std::string() : Text(phrase.s);
}

// On our data: the verb reading of a word as the analysis gives it
// ("#class.features.14.mark"), with the linking-verb flag when asked.
class ParticleVerbDataTest : public acceptance::AcceptanceTest {
protected:
    void SetUp() override { Start(0, "give"); }
    static std::string VerbReading(const char* text, u8 flag = 0) {
        BoundedString word;
        word.Allocate(36);
        CopyCString(word, text);
        StringList slots;
        slots.Allocate(16);
        for (i32 k = 0; k < 16; ++k) slots[k].Allocate(36);
        u16 count = 0;
        AnalyseWordForms(0, word, count, slots);
        for (i32 k = 0; k < count; ++k) {
            const u16 tag = gWordTagCodes[k];
            if ((tag >> 8) >= 128)
                return "#" + std::to_string(tag >> 8) + "." + std::to_string(tag & 255) + ".14." +
                       std::to_string(gWordAnalysisBytes[k] | flag);
        }
        ADD_FAILURE() << text << " has no verb reading";
        return "A";
    }
};

TEST_F(ParticleVerbDataTest, PhraseOfTheBaseFormAndTheParticle) {
    struct Case {
        std::string sentence;
        i32 particle;
        const char* phrase;
    } cases[] = {
        {"he/].23.1 gave/" + VerbReading("gave") + " up/#20.0.18 ./", 2, "give_up"},
        {"he/].23.1 looked/" + VerbReading("looked") + " out/#20.0.18 ./", 2, "look_out"},
        {"he/].23.1 gives/" + VerbReading("gives") + " in/#34.0.15", 2, "give_in"},
        {"they/a.8.1 give/" + VerbReading("give") + " up/#20.0.18 ./", 2, "give_up"},
        // an object pronoun between them
        {"he/].23.1 gave/" + VerbReading("gave") + " it/[.7.2 up/#20.0.18 ./", 3, "give_up"},
        // the linking-verb flag of pass 1 on the model does not change the row
        {"he/].23.1 gave/" + VerbReading("gave", 128) + " up/#20.0.18 ./", 2, "give_up"},
        // an ending longer than the text cuts the text and no more
        {"he/].23.1 a/" + VerbReading("gave") + " up/#20.0.18 ./", 2, "ive_up"},
    };
    for (const Case& c : cases) {
        Build(c.sentence);
        EXPECT_EQ(Phrase(0, c.particle), c.phrase) << c.sentence;
    }
}

TEST_F(ParticleVerbDataTest, NothingChangesWhileTheDatabaseKnowsNoPhrase) {
    const std::string sentence = "he/].23.1 gave/" + VerbReading("gave") + " up/#20.0.18+#34.0.15 ./";
    Build(sentence);
    const std::string gave = Readings(1);
    DisambiguateEnglishReadings(1);
    EXPECT_EQ(Readings(1), gave);
    EXPECT_EQ(Readings(2), "20.0.18.0+34.0.15.0");
    EXPECT_EQ(Text(gWords[1].BaseText), "");
}

TEST_F(EnglishVerbReadingsTest, WhatIsAParticle) {
    struct Case {
        const char* sentence;
        i16 pass;
        i32 particle;
        bool phrase;
    } cases[] = {
        {"he/].23.1 came/#128.3.14.1 in/#34.0.15", 0, 2, true},                // the last word
        {"he/].23.1 came/#128.3.14.1 in/#34.0.15 the/e.48.7 house/A.4.10", 0, 2, false},
        {"he/].23.1 came/#128.3.14.1 in/#34.0.15 came/#128.3.14.1", 0, 2, true},  // before a verb
        {"he/].23.1 came/#128.3.14.1 in/#34.0.15 that/G.0.5", 0, 2, false},
        {"he/].23.1 came/#128.3.14.1 to/#32.0.18", 0, 2, false},               // "to" right after the verb
        {"he/].23.1 let/#128.3.14.1 it/[.7.2 to/#32.0.18", 0, 3, true},        // after a pronoun it may be
        {"he/].23.1 came/#128.3.14.1 forward/#128.0.14.1", 0, 2, true},
        {"he/].23.1 came/#128.3.14.1 of/#33.0.15 ./", 0, 2, false},
        {"he/].23.1 came/#128.3.14.1 upwards/#20.0.18 ./", 0, 2, false},        // seven letters
        {"the/e.48.7 end/A.4.10 up/#20.0.18 ./", 0, 2, false},                  // no verb
        // a verb of two readings waits for pass 1
        {"they/a.8.1 walk/#128.0.14.1+A.8.10 out/#20.0.18 ./", 0, 2, false},
        {"they/a.8.1 walk/#128.0.14.1+A.8.10 out/#20.0.18 ./", 1, 2, true},
    };
    for (const Case& c : cases) {
        Build(c.sentence);
        EXPECT_EQ(!Phrase(c.pass, c.particle).empty(), c.phrase) << c.sentence << " pass " << c.pass;
    }
}

TEST_F(EnglishVerbReadingsTest, AKnownPhraseSettlesVerbAndParticle) {
    Build("they/a.8.1 walk/#128.0.14.1+A.8.10 out/#20.0.18+#34.0.15 ./");
    Work36 phrase;
    CopyCString(phrase.s, "walk_out");
    english::SettleParticleVerb(1, 2, phrase.s);
    EXPECT_EQ(Readings(1), "128.0.14.1");
    EXPECT_EQ(Readings(2), "31.0.18.0");
    EXPECT_EQ(Text(gWords[1].BaseText), "walk_out");
    // Before an article the verb keeps its readings.
    Build("they/a.8.1 walk/#128.0.14.1+A.8.10 out/#20.0.18 the/e.48.7 dog/A.4.10 ./");
    english::SettleParticleVerb(1, 2, phrase.s);
    EXPECT_EQ(gWords[1].ReadingCount, 2);
    EXPECT_EQ(Readings(2), "31.0.18.0");
}

TEST_F(EnglishVerbReadingsTest, UsesOfThatAndWhat) {
    struct Case {
        const char* sentence;
        i16 pass;
        i32 at;                // "that" or "what"
        i32 word;
        const char* readings;  // of that word afterwards
    } cases[] = {
        // sentence start: demonstrative, determiner before a noun, a verb
        // that is also a noun taken as the noun, relative before a subject
        {"That/G.0.5.20~1 is/#128.1.14.37 good/B.12.10 ./", 0, 0, 0, "70.4.4.20"},
        {"that/G.0.5.20 man/A.4.10 came/#128.3.14.1 ./", 0, 0, 0, "79.4.8.20"},
        {"that/G.0.5.20 walk/#128.0.14.1+A.4.10.5 is/#128.1.14.37 long/B.12.10 ./", 0, 0, 1, "65.4.10.5"},
        {"that/G.0.5.20+#17.0.17.20 he/].23.1 came/#128.3.14.1 ./", 0, 0, 0, "71.0.5.20"},
        // after a noun before a verb: the relative; a noun of two readings
        // keeps its noun reading
        {"the/e.48.7 man/A.4.10 that/G.0.5.20 came/#128.3.14.1 ./", 0, 2, 2, "71.0.5.20"},
        {"the/e.48.7 walk/#128.0.14.1+A.4.10.5 that/G.0.5.20 came/#128.3.14.1 ./", 0, 2, 1, "65.4.10.5"},
        {"he/].23.1 said/#128.3.14.1 so/#20.0.18 that/G.0.5.20 we/X.9.1 went/#128.3.14.1 ./", 0, 3, 2, "42.0.17.0"},
        {"he/].23.1 said/#128.3.14.1 so/#20.0.18 that/G.0.5.20 we/X.9.1 went/#128.3.14.1 ./", 0, 3, 3, "42.0.17.20"},
        // after a preposition (pass 1 on): determiner or demonstrative
        {"in/#34.0.15 that/G.0.5.20 house/A.4.10 we/X.9.1 live/#128.0.14.1 ./", 1, 1, 1, "79.4.8.20"},
        {"we/X.9.1 spoke/#128.3.14.1 of/#33.0.15 that/G.0.5.20 ./", 1, 3, 3, "70.4.4.20"},
        {"in/#34.0.15 that/G.0.5.20 house/#128.0.14.1+A.4.10 we/X.9.1 live/#128.0.14.1 ./", 1, 1, 1, "79.4.8.20"},
        {"we/X.9.1 spoke/#128.3.14.1 of/#33.0.15 that/G.0.5.20 here/#20.0.18 ./", 0, 3, 3, "71.0.5.20"},
        // after a verb: determiner before a singular noun, conjunction
        // before a plural one, before an article the conjunction
        {"he/].23.1 saw/#128.3.14.1 that/G.0.5.20 man/A.4.10 ./", 0, 2, 2, "79.4.8.20"},
        {"he/].23.1 said/#128.3.14.1 that/G.0.5.20 men/A.8.10 came/#128.3.14.1 ./", 0, 2, 2, "17.0.17.20"},
        {"he/].23.1 said/#128.3.14.1 that/G.0.5.20 the/e.48.7 men/A.8.10 came/#128.3.14.1 ./", 0, 2, 2, "17.0.17.20"},
        // after a noun before an article: the relative
        {"the/e.48.7 man/A.4.10 that/G.0.5.20 the/e.48.7 dog/A.4.10 bit/#128.3.14.1 ./", 0, 2, 2, "71.0.5.20"},
        // "that of": the demonstrative
        {"he/].23.1 took/#128.3.14.1 that/G.0.5.20 of/#33.0.15 John/@.4.10 ./", 0, 2, 2, "70.4.4.20"},
        // "what": a determiner opening the sentence before a noun, the
        // relative kept before a pronoun, a pronoun after a preposition
        {"what/G.0.5.20 time/A.4.10 is/#128.1.14.37 it/[.7.1 ?/", 0, 0, 0, "80.0.8.20"},
        {"I/U.5.1 know/#128.0.14.1 what/G.0.5.20+#17.0.17.20 he/].23.1 said/#128.3.14.1 ./", 0, 2, 2, "71.0.5.20"},
        {"of/#33.0.15 what/G.0.5.20 he/].23.1 said/#128.3.14.1 ./", 0, 1, 1, "71.0.4.20"},
        {"of/#33.0.15 what/G.0.5.20 use/#128.0.14.1+A.4.10 is/#128.1.14.37 it/[.7.1 ?/", 0, 1, 1, "80.0.8.20"},
        {"see/#128.0.14.1 what/G.4.5.20+Q.0.8.20 a/h.4.7.1 day/A.4.10 ./", 0, 1, 1, "71.4.5.20+81.0.8.20"},
    };
    for (const Case& c : cases) {
        Build(c.sentence);
        english::PassState s;
        s.pass = c.pass;
        EXPECT_TRUE(english::ThatOrWhatRules(s, c.at)) << c.sentence;
        EXPECT_EQ(Readings(c.word), c.readings) << c.sentence << " pass " << c.pass;
    }
}

TEST_F(EnglishVerbReadingsTest, ParticiplesAndInfinitivesAfterTheirGoverningWords) {
    struct Case {
        const char* sentence;
        i32 word;
        const char* readings;  // after pass 1
    } cases[] = {
        // a present participle after "be" and "busy" or an adverb stays a
        // verb; between an adjective and a noun it is an adjective
        {"he/].23.1 is/#128.1.14.37 busy/B.12.10 running/#128.2.12.1 errands/A.8.10 ./", 3, "128.2.12.1"},
        {"the/e.48.7 busy/B.12.10 running/#128.2.12.1 errands/A.8.10 ./", 2, "66.12.10.1"},
        {"the/e.48.7 running/#128.2.12.1 water/A.4.10 ./", 1, "66.12.10.1"},
        // past forms: an adjective opening the sentence, preterite and
        // participle after "these"
        {"Used/#128.24.14.1~1 cars/A.8.10 are/#128.10.14.37 cheap/B.12.10 ./", 0, "66.12.10.1"},
        {"these/O.8.8 finished/#128.24.14.1 products/A.8.10 ./", 1, "128.3.14.1+128.0.11.36"},
        {"I/U.5.1 heard/#128.3.14.21 him/_.0.2 sing/#128.0.14.1+A.4.10 ./", 3, "128.0.13.1"},
        {"why/#20.0.18 go/#128.0.14.1+A.4.10 ?/", 1, "128.0.13.1+65.4.10.0"},
        {"and/#16.0.16 why/#20.0.18 go/#128.0.14.1+A.4.10 ?/", 2, "128.0.14.1+65.4.10.0"},
        // after a comma, when the word before the comma before it governs
        {"we/X.9.1 must/#242.0.14.32 ,/ as/#17.0.17 he/].23.1 said/#128.3.14.1 ,/ go/#128.0.14.1+A.4.10 ./", 7,
         "128.0.13.1"},
        {"we/X.9.1 must/#128.0.14.32 ,/ as/#17.0.17 he/].23.1 said/#128.3.14.1 ,/ go/#128.0.14.1+A.4.10 ./", 7,
         "128.0.14.1+65.4.10.0"},
        {"it/[.7.1 is/#128.1.14.37 (/ look/#128.0.14.1+A.4.10 above/#34.0.15 )/ ./", 3, "128.0.13.1"},
    };
    for (const Case& c : cases) {
        Build(c.sentence);
        english::PassState s;
        s.pass = 1;
        english::ParticipleRules(s, c.word, false);
        EXPECT_EQ(Readings(c.word), c.readings) << c.sentence;
    }
}

// The pass loop on a pass function of the test's own: word 0 gains or
// loses a reading on every numbered pass, so the total never settles.
std::vector<i16> gPasses;
i16 gAnswer = 0;
i16 Unsettled(i16 pass) {
    gPasses.push_back(pass);
    if (pass >= 1 && pass < 32) gWords[0].ReadingCount = gWords[0].ReadingCount == 1 ? 2 : 1;
    return pass == 32 ? 7 : gAnswer;
}

TEST_F(EnglishVerbReadingsTest, NumberedPassesEndAfterPass31) {
    struct Case {
        i16 answer;     // of every numbered pass
        size_t passes;  // calls made, pass 32 included
        u8 flag;
    } cases[] = {
        {0, 33, 0},     // 0, 1 .. 31, 32
        {2, 33, 0x20},  // the question flag of the numbered passes
        {300, 3, 0},    // a result above 256 ends them at once
    };
    for (const Case& c : cases) {
        Build("a/h.4.7 b ./");
        gPasses.clear();
        gAnswer = c.answer;
        u8 flag = 0xFF;
        u32 calls = 0;
        EXPECT_EQ(RunPassLoop(Unsettled, flag, calls), 7);
        ASSERT_EQ(gPasses.size(), c.passes) << c.answer;
        EXPECT_EQ(calls, c.passes);
        EXPECT_EQ(flag, c.flag);
        EXPECT_EQ(gPasses.back(), 32);
        EXPECT_EQ(gPasses[gPasses.size() - 2], c.passes == 33 ? 31 : 1);
    }
}

}  // namespace
