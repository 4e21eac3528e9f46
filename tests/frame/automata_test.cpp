// Token cuts of the character automata, the state matcher and the lookups
// in the per-language sign and space tables.
#include "frame/automata.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "frame/mac_roman.h"
#include "frame/mac_roman_literal.h"
#include "frame/settings.h"
#include "frame/tables.h"

namespace {

struct Automaton {
    const AutomatonState* states;
    u16 size;
};
const Automaton kFrench{gFrenchTokenAutomaton, gFrenchTokenAutomatonSize};
const Automaton kOther{gOtherTokenAutomaton, gOtherTokenAutomatonSize};
const Automaton kPunct{gPunctScanAutomaton, gPunctScanAutomatonSize};
const Automaton kIndex{gIndexWordAutomaton, gIndexWordAutomatonSize};
const Automaton kFrenchAnalysis{gFrenchAnalysisAutomaton, gFrenchAnalysisAutomatonSize};
const Automaton kOtherAnalysis{gOtherAnalysisAutomaton, gOtherAnalysisAutomatonSize};

BoundedString ViewOf(const char* text) {
    BoundedString s;
    s.View(reinterpret_cast<u8*>(const_cast<char*>(text)),
           static_cast<u32>(std::strlen(text)) + 1);
    return s;
}

// Every token of the text, in order, joined by '|'.
std::string Cut(const Automaton& a, const char* text) {
    BoundedString s = ViewOf(text);
    std::string out;
    i32 first = 0;
    i32 last = 0;
    i32 start = 0;
    while (RunCharAutomatonOnString(a.states, a.size, s, start, first, last) == 1) {
        if (!out.empty()) out += '|';
        out.append(text + first, static_cast<size_t>(last - first + 1));
        start = last + 1;
    }
    return out;
}

class AutomataTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedLanguage_ = gCheckingLanguage;
        gCheckingLanguage = 3;
        SetDefaultSpaces();
        SetDefaultPunctSigns();
        std::memset(gSpecialChars.data, 0, gSpecialChars.count);
    }
    void TearDown() override {
        std::memset(gSpecialChars.data, 0, gSpecialChars.count);
        gCheckingLanguage = savedLanguage_;
    }
    u16 savedLanguage_ = 0;
};

TEST_F(AutomataTest, TokenCutsOfTheParagraphAutomata) {
    struct Case {
        const char* text;
        const char* french;
        const char* other;
    };
    const Case cases[] = {
        // French ends a token at its apostrophe; other languages go on.
        {"l'ami", "l'|ami", "l'ami"},
        {"aujourd'hui", "aujourd'|hui", "aujourd'hui"},
        {MR("l’ami"), MR("l’|ami"), MR("l’ami")},
        {"don't", "don'|t", "don't"},
        // Numbers keep their separators; "..." is one token, ".." two.
        {"3,14", "3,14", "3,14"},
        {"12:30 1/2 -5", "12:30|1/2|-5", "12:30|1/2|-5"},
        {"...", "...", "..."},
        {"..", ".|.", ".|."},
        // The period of an abbreviation followed by a space is its own token.
        {"M. Dupont", "M|.|Dupont", "M|.|Dupont"},
        {"Jean-Pierre", "Jean-Pierre", "Jean-Pierre"},
        {"http://www.exemple.fr/page", "http|:|/|/|www.exemple.fr|/|page",
         "http|:|/|/|www.exemple.fr|/|page"},
        {"jean@exemple.fr", "jean|@exemple.fr", "jean|@exemple.fr"},
        // Guillemets, with or without their spaces, stick to the word.
        {MR("« ami »"), MR("« ami »"), MR("« ami »")},
        {MR("«ami»"), MR("«ami»"), MR("«ami»")},
        {"(voir) \"mot\"", "(|voir|)|\"mot\"", "(|voir|)|\"mot\""},
        // Ligatures are letters in French, symbols elsewhere.
        {MR("cœur"), MR("cœur"), MR("c|œur")},
        {"C#", "C|#", "C|#"},
        {"", "", ""},
        {" \t\x01 ", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Cut(kFrench, c.text), c.french) << c.text;
        EXPECT_EQ(Cut(kOther, c.text), c.other) << c.text;
    }
}

TEST_F(AutomataTest, TokenCutsOfTheOtherAutomata) {
    struct Case {
        const Automaton* automaton;
        const char* text;
        const char* tokens;
    };
    const Case cases[] = {
        // Punctuation scanner (French tables): words, signs, space runs.
        {&kPunct, "Bonjour ,  toi!", "Bonjour| |,|  |toi|!"},
        {&kPunct, "3,14...", "3,14|..."},
        {&kPunct, "a\r\nb", "a|\r|b"},
        {&kPunct, "M.Dupont", "M.Dupont"},
        {&kPunct, "\x01\x02", ""},
        {&kIndex, "porte-monnaie, x", "porte-monnaie|x"},
        {&kFrenchAnalysis, "l'ami", "l'|ami"},
        {&kOtherAnalysis, "l'ami", "l'ami"},
        // The analysis automata give a guillemet a token of its own, as the
        // other quotes.
        {&kFrenchAnalysis, MR("« ami »"), MR("«|ami|»")},
        {&kOtherAnalysis, MR("«ami»"), MR("«|ami|»")},
        // Latin letters of other languages are letters of French words.
        {&kFrench, MR("Papadímos São Ørsted"), MR("Papadímos|São|Ørsted")},
        {&kFrenchAnalysis, MR("Ñandú señor"), MR("Ñandú|señor")},
    };
    for (const Case& c : cases) EXPECT_EQ(Cut(*c.automaton, c.text), c.tokens) << c.text;
}

TEST_F(AutomataTest, SpecialCharactersJoinTokens) {
    gSpecialChars['#'] = 1;
    EXPECT_EQ(Cut(kFrench, "C# x"), "C#|x");
    EXPECT_EQ(Cut(kOther, "C# x"), "C#|x");
    // Marked 1 only: any other value is not a special character.
    gSpecialChars['#'] = 2;
    EXPECT_EQ(Cut(kFrench, "C#"), "C|#");
}

TEST_F(AutomataTest, RunnerBoundsAndResult) {
    BoundedString s = ViewOf("abc def");
    i32 first = 7;
    i32 last = 7;
    // The end bounds the walk: the token is cut there.
    EXPECT_EQ(RunCharAutomaton(kFrench.states, kFrench.size, s, 3, 5, first, last), 1);
    EXPECT_EQ(first, 4);
    EXPECT_EQ(last, 4);
    // Start at or past the end: no token, no position.
    EXPECT_EQ(RunCharAutomaton(kFrench.states, kFrench.size, s, 5, 5, first, last), 0);
    EXPECT_EQ(first, -1);
    // An end past the text's capacity is cut to it, never read beyond.
    EXPECT_EQ(RunCharAutomaton(kFrench.states, kFrench.size, s, 4, 1000, first, last), 1);
    EXPECT_EQ(first, 4);
    EXPECT_EQ(last, 6);
    // Only skipped characters up to the end: no token.
    EXPECT_EQ(RunCharAutomaton(kFrench.states, kFrench.size, s, 3, 4, first, last), 0);
    EXPECT_EQ(first, -1);
}

// The paragraph tokenizers run from a table made from their states: over
// text holding every byte, in runs of letters, digits, signs and blanks, it
// cuts as the state-by-state walk does, also once the host's special
// characters or the encoding mode changed after the table was made.
TEST_F(AutomataTest, TableRunnerCutsAsTheStateWalk) {
    std::string text;
    const char* pieces[] = {"l'homme", " ", "1 250,5", "...", "--", "a.b.", "\xC7", "\xD5", "?!", "\r\n"};
    for (u32 c = 1; c < 256; ++c) {
        text += pieces[c % 10];
        text += static_cast<char>(c);
        text += "ab";
    }
    BoundedString s = ViewOf(text.c_str());
    const i32 end = static_cast<i32>(text.size());
    const u16 savedMode = gMacRomanMode;
    struct Setting {
        u8 special;  // marked as invisible in words (0: none)
        u16 macRoman;
    };
    for (const Setting& setting : {Setting{0, 0}, Setting{'#', 0}, Setting{0, 1}, Setting{0xAD, 0}}) {
        std::memset(gSpecialChars.data, 0, gSpecialChars.count);
        if (setting.special != 0) gSpecialChars[setting.special] = 1;
        gMacRomanMode = setting.macRoman;
        for (const Automaton* a : {&kFrench, &kOther}) {
            for (i32 start = 0; start < end;) {
                i32 first = 0, last = 0, wantFirst = 0, wantLast = 0;
                const u16 got = RunCharAutomaton(a->states, a->size, s, start, end, first, last);
                const u16 want = WalkCharAutomaton(a->states, a->size, s, start, end, wantFirst, wantLast);
                ASSERT_EQ(got, want) << "at " << start << " special " << int(setting.special);
                ASSERT_EQ(first, wantFirst) << "at " << start;
                ASSERT_EQ(last, wantLast) << "at " << start;
                if (got == 0) break;
                start = last + 1;
            }
        }
    }
    gMacRomanMode = savedMode;
}

// Small hand-made tables: a run that takes no marked character yields no
// token, and a cycle of misses on one character cannot hang the runner.
TEST_F(AutomataTest, RunnerNeedsAMarkedCharacter) {
    const AutomatonState::StateTest a{0, 26, 'a'};
    const AutomatonState::StateTest b{0, 26, 'b'};
    const AutomatonState unmarkedEnd[] = {{a, 0, 0, 0, 0}};
    const AutomatonState unmarkedRun[] = {{a, 0, 0, 1, 0}, {b, 0, 0, 1, 0}};
    const AutomatonState cycle[] = {{a, 0, 1, 0, 1}, {b, 0, 1, 0, 1}};  // 1 misses into 1
    BoundedString s = ViewOf("abbx");
    i32 first = 0;
    i32 last = 0;
    EXPECT_EQ(RunCharAutomaton(unmarkedEnd, 1, s, 0, 4, first, last), 0);
    EXPECT_EQ(first, -1);
    EXPECT_EQ(RunCharAutomaton(unmarkedRun, 2, s, 0, 4, first, last), 0);
    EXPECT_EQ(first, -1);
    EXPECT_EQ(RunCharAutomaton(cycle, 2, s, 3, 4, first, last), 0);
    EXPECT_EQ(RunCharAutomaton(cycle, 2, s, 0, 4, first, last), 1);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(last, 0);
}

TEST_F(AutomataTest, MatchingOneState) {
    struct Case {
        u16 language;
        const Automaton* automaton;
        i32 state;
        u8 c;
        u16 expected;
    };
    const Case cases[] = {
        // State indexes are clamped into the automaton.
        {3, &kFrench, -3, 'a', 1},
        {3, &kFrench, -3, '1', 0},
        {3, &kFrench, 1000, '1', 1},  // state 29: letters and digits
        {3, &kFrench, 1000, ' ', 0},
        // Literal states.
        {3, &kFrench, 8, '.', 1},
        {3, &kFrench, 8, ',', 0},
        // Extra tests of the punctuation scanner against the French tables.
        {3, &kPunct, 15, '.', 1},          // sign
        {3, &kPunct, 15, 'x', 0},
        {3, &kPunct, 17, '\t', 1},         // space
        {3, &kPunct, 17, 0xCA, 1},
        {3, &kPunct, 17, '_', 0},
        {3, &kPunct, 2, 'x', 1},           // other: neither sign nor space
        {3, &kPunct, 2, '.', 0},
        {3, &kPunct, 2, ' ', 0},
        {3, &kPunct, 2, 0x1F, 0},
        // A language without tables has no signs and no spaces.
        {5, &kPunct, 15, '.', 0},
        {5, &kPunct, 17, ' ', 0},
        {5, &kPunct, 2, '.', 1},
    };
    for (const Case& c : cases) {
        gCheckingLanguage = c.language;
        EXPECT_EQ(MatchAutomatonState(c.c, c.automaton->states, c.automaton->size, c.state),
                  c.expected)
            << "state " << c.state << " char " << int(c.c);
    }
}

TEST_F(AutomataTest, SignAndSpaceIndexes) {
    struct Case {
        u16 language;
        u8 c;
        u16 sign;
        u16 space;
    };
    const Case cases[] = {
        {3, '.', 0, 0xFFFF},     {3, '?', 1, 0xFFFF},    {3, 0xC9, 19, 0xFFFF},
        {3, 'a', 0xFFFF, 0xFFFF}, {3, '\t', 0xFFFF, 0},  {3, ' ', 0xFFFF, 1},
        {3, 0xCA, 0xFFFF, 2},    {0, '"', 16, 0xFFFF},   {0, ' ', 0xFFFF, 1},
        {10, 0xC0, 20, 0xFFFF},  {10, 0xC1, 21, 0xFFFF}, {11, 0xC0, 0xFFFF, 0xFFFF},
        {11, '!', 2, 0xFFFF},    {11, 0xCA, 0xFFFF, 2},  {5, '.', 0xFFFF, 0xFFFF},
        {5, ' ', 0xFFFF, 0xFFFF},
    };
    for (const Case& c : cases) {
        gCheckingLanguage = c.language;
        EXPECT_EQ(FindPunctSignIndex(c.c), c.sign) << c.language << " " << int(c.c);
        EXPECT_EQ(FindSpaceCharIndex(c.c), c.space) << c.language << " " << int(c.c);
    }
    // The marks set for a language are the bytes its index search finds,
    // other marks untouched.
    for (const u16 language : {0, 3, 10, 11, 5}) {
        gCheckingLanguage = language;
        bool marks[256];
        std::fill(std::begin(marks), std::end(marks), false);
        marks['x'] = true;
        MarkSpaceChars(marks);
        for (u32 c = 0; c < 256; ++c) {
            const bool found = FindSpaceCharIndex(static_cast<u8>(c)) != 0xFFFF;
            EXPECT_EQ(marks[c], found || c == 'x') << language << " " << c;
        }
    }
}

// The symbol classes of the two paragraph automata hold exactly the bytes
// from 0x20 up that no other class of the automaton tests (« aside).
TEST(CharClassesTest, SymbolClassesCompleteTheOthers) {
    const BoundedArray<u8>* frenchOthers[] = {&ClassSet0, &ClassSet1, &ClassSet2, &ClassSet4,
                                              &ClassSet5, &ClassSet7, &ClassSet8, &ClassSet9,
                                              &ClassSet10, &ClassSet11};
    const BoundedArray<u8>* otherOthers[] = {&ClassSet12, &ClassSet1, &ClassSet2, &ClassSet4,
                                             &ClassSet5, &ClassSet7, &ClassSet8, &ClassSet9,
                                             &ClassSet10, &ClassSet11};
    for (i32 c = 0x20; c <= 0xFF; ++c) {
        bool inFrench = c == 0xC7;
        bool inOther = c == 0xC7;
        for (const BoundedArray<u8>* s : frenchOthers) inFrench = inFrench || (*s)[c] != 0;
        for (const BoundedArray<u8>* s : otherOthers) inOther = inOther || (*s)[c] != 0;
        EXPECT_EQ(ClassSet6[c], inFrench ? 0 : 1) << c;
        EXPECT_EQ(ClassSet14[c], inOther ? 0 : 1) << c;
    }
    for (i32 c = 0; c < 256; ++c) EXPECT_EQ(ClassSet26[c], 0);
    EXPECT_EQ(ClassSet0.count, 256u);
    EXPECT_EQ(ClassSet0.owns, 0);
    EXPECT_EQ(ClassSet0.valid, 1);
}

}  // namespace
