// The reference dictionary compiler: the whole thesaurus through the
// library's reader and synonym lists, a small thesaurus of the headword
// shapes the codes treat apart, and random text through encoding and
// expansion.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "checking/dispatcher_rules.h"
#include "frame/bounded_string.h"
#include "frame/report.h"
#include "frame/tables.h"
#include "lexicon/synonyms.h"
#include "tests/checking/word_table_fixture.h"
#include "tools/datacomp/litdict_writer.h"
#include "tools/datacomp/source_text.h"

namespace {

std::vector<ThesaurusHeadword> Parse(const std::string& text) {
    std::vector<ThesaurusHeadword> out;
    std::string error;
    EXPECT_TRUE(ParseThesaurus(text, out, error)) << error;
    return out;
}

// A small thesaurus with the test-only marks: {reg=N} registers, (->)
// cross-references, {cont} continuations of the entry before.
std::string MarkedThesaurus() {
    return
        "UTF-8\n"
        "chant|1\n(Nom)|mélodie\n"
        "chanter{cont}|1\n(Verbe)|fredonner\n"
        "chanteur{cont}|1\n(Nom)|interprète\n"
        "pioncer|1\n(Verbe){reg=1}|dormir\n"
        "bagnole|1\n(Nom){reg=2}|voiture|tacot\n"
        "bouquin|1\n(Nom){reg=3}|livre\n"
        "onde|1\n(Nom){reg=4}|vague\n"
        "naguère|1\n(Adverbe){reg=5}|autrefois\n"
        "auto|1\n(->)|voiture\n"
        "voiture|2\n(Nom)|automobile|véhicule\n(Nom)|wagon\n"
        "pâte|1\n(Nom)|colle\n"
        "pâté|1\n(Nom)|terrine\n"
        "pêche|1\n(Verbe)|taquiner\n"
        "pêché|1\n(Nom)|faute\n";
}

// The synonym groups BuildSynonymList gives for a headword (Mac Roman).
std::vector<std::string> Groups(const std::string& headword, u8 category) {
    StringList list;
    InitByteMatrix(list, 24, 1000);
    BoundedString word;
    InitByteArray(word, 36);
    CopyCString(word, headword.c_str());
    const u16 n = BuildSynonymList(0, category, 0, word, list);
    std::vector<std::string> out;
    for (u16 i = 1; i < n; ++i) out.emplace_back(reinterpret_cast<const char*>(list[i].data + 2), list[i].data[1]);
    return out;
}

// The synonym lines of an intended text, joined as the groups show them.
std::vector<std::string> ExpectedGroups(const std::string& expected) {
    std::vector<std::string> out;
    size_t at = 0;
    while ((at = expected.find("SYN : * ", at)) != std::string::npos) {
        at += 8;
        size_t end = expected.find(" \n", at);
        if (end == std::string::npos) end = expected.size() - 1;  // the final full stop
        out.push_back(expected.substr(at, end - at));
    }
    return out;
}

TEST(LitDictWriter, WholeThesaurusExpandsLooksUpAndListsEveryEntry) {
    std::string text;
    ASSERT_TRUE(ReadWholeFile("/usr/share/mythes/thes_fr.dat", text));
    const LitDictBlocks b = CompileLitDict(Parse(text));
    ASSERT_GT(b.entries, 30000u);
    const std::vector<std::string> diffs = CheckLitDict(b);
    EXPECT_TRUE(diffs.empty()) << diffs.size() << " differ, first: " << diffs.front();
    u32 wrong = 0;
    std::string example;
    for (u32 e = 1; e < b.entries; ++e) {
        const bool verb = b.expected[e].find("<verbe>") == b.headwords[e].size() + 1;
        if (Groups(b.headwords[e], verb ? 1 : 0) == ExpectedGroups(b.expected[e])) continue;
        if (wrong++ == 0) example = MacRomanToUtf8(b.expected[e]);
    }
    EXPECT_EQ(wrong, 0u) << example;
    // The thesaurus labels no register: block 307 says so.
    EXPECT_EQ(RegisterCountBlock(b), (std::vector<u8>{0, 0, 0, 0}));
}

TEST(LitDictWriter, HeadwordShapesOfTheCodes) {
    // Accents on the first or second letter, a grave a before a hyphen,
    // ligatures in each place, homographs of one key, the two-letter twins.
    const std::string source =
        "UTF-8\n"
        "à|1\n(Preposition)|chez|dans\n"
        "à-côté|1\n(Nom)|détail|accessoire\n"
        "là|1\n(Adverbe)|ici|y\n"
        "la|1\n(Nom)|note\n"
        "là-bas|1\n(Adverbe)|loin\n"
        "ça|1\n(Pronom)|cela\n"
        "çà|1\n(Adverbe)|ici\n"
        "écu|1\n(Nom)|bouclier|pièce\n"
        "cœur|2\n(Nom)|âme|centre\n(Nom)|courage\n"
        "œil|1\n(Nom)|regard\n"
        "chœur|1\n(Nom)|chorale\n"
        "cote|1\n(Nom)|cotation\n"
        "côte|1\n(Nom)|rivage\n"
        "côté|1\n(Nom)|flanc\n"
        "aller|1\n(Verbe)|partir|se rendre\n"
        "Paris|1\n(Nom)|capitale\n"
        "a priori|1\n(Adverbe)|d'abord\n"
        "x|1\n(Nom)|inconnue\n"
        "etc.|1\n(Adverbe)|et cetera\n";
    const LitDictBlocks b = CompileLitDict(Parse(source));
    EXPECT_EQ(b.dropped.at("multi-word"), 1u);
    EXPECT_EQ(b.dropped.at("one letter"), 1u);
    EXPECT_EQ(b.dropped.at("dotted"), 1u);
    ASSERT_EQ(b.entries, 16u);
    EXPECT_EQ(b.headwords[0], "a\x88");  // "à", shown through the reader's note
    const std::vector<std::string> diffs = CheckLitDict(b);
    EXPECT_TRUE(diffs.empty()) << diffs.front();
    EXPECT_EQ(Groups("c\x99t\x8E", 0), std::vector<std::string>{"flanc"});
    EXPECT_EQ(Groups("c\x99te", 0), std::vector<std::string>{"rivage"});
    EXPECT_EQ(Groups("c\xCFur", 0), (std::vector<std::string>{"\x89me, centre", "courage"}));
    // The lists ask for the first two letters as written: no ligature, no list.
    EXPECT_TRUE(Groups("coeur", 0).empty());
    EXPECT_EQ(Groups("aller", 1), (std::vector<std::string>{"partir, se rendre"}));
    EXPECT_EQ(Groups("l\x88", 0), std::vector<std::string>{"ici, y"});
}

TEST(LitDictWriter, MarkedFixtureCoversRegistersPointersContinuationsAndHomographs) {
    const std::string source = MarkedThesaurus();
    const LitDictBlocks b = CompileLitDict(Parse(source));
    ASSERT_EQ(b.entries, 14u);
    u32 continuations = 0;
    for (size_t i = 1; i < b.text.size(); ++i) continuations += b.text[i - 1] == 0 && b.text[i] == 1;
    EXPECT_EQ(continuations, 2u);
    const std::vector<std::string> diffs = CheckLitDict(b);
    EXPECT_TRUE(diffs.empty()) << diffs.front();
    // Block 307 counts the five entries with a register as the reader reads
    // them; a text other than the built-in one is read to learn it.
    EXPECT_EQ(RegisterCountBlock(b), (std::vector<u8>{0, 0, 0, 5}));
    EXPECT_TRUE(ReferenceDictionaryHasRegisters());

    StringList list;
    InitByteMatrix(list, 24, 1000);
    BoundedString word;
    InitByteArray(word, 36);
    const char* const registers[6] = {"", "pioncer", "bagnole", "bouquin", "onde", "nagu\x8Fre"};
    for (int r = 1; r <= 5; ++r) {
        CopyCString(word, registers[r]);
        EXPECT_GT(BuildSynonymList(1, 0, 0, word, list), 0) << registers[r];
        EXPECT_EQ(gErrorDetail, r) << registers[r];
        BuildSynonymList(0, 0, 0, word, list);
        EXPECT_EQ(gErrorDetail % 128, r) << registers[r];
    }
    CopyCString(word, "voiture");
    EXPECT_EQ(BuildSynonymList(1, 0, 0, word, list), 0);
    EXPECT_EQ(gErrorDetail, static_cast<u16>(-1));

    // A cross-reference lists its target's groups, then "- " and the word.
    CopyCString(word, "auto");
    const u16 n = BuildSynonymList(0, 0, 0, word, list);
    ASSERT_EQ(n, 4);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(list[1].data + 2), list[1].data[1]),
              "automobile, v\x8Ehicule");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(list[3].data), 6), "- auto");

    // Headwords of one key spelt apart are other words: the word takes the
    // one spelt as it is, whatever the category. A word spelt as none of
    // them takes the one its category scores best (a verb entry for a verb).
    EXPECT_EQ(Groups("p\x89t\x8E", 0), std::vector<std::string>{"terrine"});
    EXPECT_EQ(Groups("p\x89te", 0), std::vector<std::string>{"colle"});
    EXPECT_EQ(Groups("p\x90" "ch\x8E", 1), std::vector<std::string>{"faute"});
    EXPECT_EQ(Groups("p\x90" "che", 0), std::vector<std::string>{"taquiner"});
    EXPECT_EQ(Groups("p\x90" "ch\x90", 1), std::vector<std::string>{"taquiner"});
}

TEST(LitDictWriter, RandomTextSurvivesEncodingAndExpansion) {
    // Characters of every code class, the slash (whose escape must never
    // make a 0 byte) among them.
    const std::string alphabet = "eeeeerriaantossulc\x8E/0123456789.:;'-ABCZ@&\xBE\xCF\x88\x8D\x99\x9F  ";
    std::mt19937 rng(42);
    auto pick = [&](size_t n) { return static_cast<size_t>(rng() % n); };
    std::string source = "UTF-8\n";
    for (int h = 0; h < 300; ++h) {
        std::string word = std::string(1, static_cast<char>('b' + pick(24))) + static_cast<char>('a' + pick(26));
        for (size_t k = pick(8); k > 0; --k) word += static_cast<char>('a' + pick(26));
        const size_t lines = 1 + pick(3);
        source += word + "|" + std::to_string(lines) + "\n";
        for (size_t l = 0; l < lines; ++l) {
            source += l % 2 == 0 ? "(Nom)" : "(Verbe)";
            for (size_t s = 1 + pick(14); s > 0; --s) {
                std::string syn;
                for (size_t k = 1 + pick(12); k > 0; --k) syn += alphabet[pick(alphabet.size())];
                while (!syn.empty() && syn.back() == ' ') syn.pop_back();
                while (!syn.empty() && syn.front() == ' ') syn.erase(0, 1);
                if (syn.empty()) syn = "x";
                source += "|" + MacRomanToUtf8(syn);
            }
            source += "\n";
        }
    }
    const LitDictBlocks b = CompileLitDict(Parse(source));
    ASSERT_GT(b.entries, 250u);
    for (size_t i = 1; i < b.text.size(); ++i)
        ASSERT_FALSE(b.text[i] == 0 && b.text[i - 1] == 0) << "a 0 byte inside an entry at " << i;
    const std::vector<std::string> diffs = CheckLitDict(b);
    EXPECT_TRUE(diffs.empty()) << diffs.size() << ": " << diffs.front();
}

// The register rule on a sentence: a noun of the marked thesaurus with a
// register is reported with it, a plain one is not, English never.
class RegisterRule : public word_table::WordTableTest {};

TEST_F(RegisterRule, ReportsTheRegisterOfAMarkedWord) {
    const LitDictBlocks b = CompileLitDict(Parse(MarkedThesaurus()));
    ASSERT_TRUE(CheckLitDict(b).empty());
    struct Case {
        const char* sentence;
        u16 language;
        RuleCode code;
        i32 pos;
        u16 detail;
    };
    const Case cases[] = {
        {"Il/U prend sa/c voiture/#64.0.9 ./#0.0.20", 3, 0, -1, 0},
        {"Il/U prend sa/c bagnole/#64.0.9 ./#0.0.20", 3, kCodeRegister, 3, 2},
        {"Il/U lit un/c bouquin/#64.0.9 et/C une/c onde/#64.0.9 ./#0.0.20", 3, kCodeRegister, 3, 3},
        {"He/U reads/V a/c bouquin/#64.0.9 ./#0.0.20", 0, 0, -1, 0},
    };
    for (const Case& c : cases) {
        word_table::Build(c.sentence);
        gCheckingLanguage = c.language;
        word_table::StartSeries();
        DispatchState s{};
        EXPECT_EQ(RuleRegister(s), c.code) << c.sentence;
        if (c.code == 0) continue;
        EXPECT_EQ(gLastErrorPos, c.pos) << c.sentence;
        EXPECT_EQ(gErrorDetail, c.detail) << c.sentence;
        EXPECT_EQ(gErrorExtent, c.pos) << c.sentence;
    }
}

}  // namespace
