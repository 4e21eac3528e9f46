// Word-form analysis over the built-in French dictionary (and the English
// tables where no English entry is needed): case patterns, fixed forms,
// numbers and ordinals, elisions, compounds, vowel-sound probes, the user
// lexicon, the bounds of the work strings, and the share of a text's words
// the analysis recognises.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "frame/loader.h"
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/report.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "krzlib.h"
#include "lexicon/lex_lookup.h"
#include "lexicon/lex_records.h"
#include "morphology/word_analysis.h"
#include "morphology/word_lookup.h"

namespace {

constexpr u16 kFrench = 3;
constexpr u16 kEnglish = 0;
using Tags = std::vector<u16>;

struct Analysis {
    i16 result = 0;
    u16 count = 0;
    Tags tags;
    std::string word;
    u16 caseMode = 0;
    u16 detail = 0;
};

class WordAnalysisTest : public ::testing::Test {
protected:
    void SetUp() override {
        while (gInitCount != 0) KRZEnd();
        KRZInit(kFrench, 0);
        InitByteMatrix(slots, 16, 36);
    }
    void TearDown() override {
        gCaseMode = 0;
        gAccentsOnCapitals = 0;
        gAnalysisMode = 0;
        gErrorDetail = 0;
        while (gInitCount != 0) KRZEnd();
    }

public:

    Analysis Analyse(u16 language, const std::string& text, u16 mode = 803, u16 caseMode = kCaseAsked) {
        if (gCheckingLanguage != language) SelectLanguageTables(language);
        BoundedString w;
        w.Allocate(36);
        std::memcpy(w.data, text.data(), std::min<std::size_t>(text.size(), 35));
        gCaseMode = caseMode;
        gErrorDetail = 0;
        Analysis a;
        a.result = AnalyseWordForms(mode, w, a.count, slots);
        for (u16 i = 0; i < a.count && i < 20; ++i) a.tags.push_back(gWordTagCodes[i]);
        a.word = reinterpret_cast<const char*>(w.data);
        a.caseMode = gCaseMode;
        a.detail = gErrorDetail;
        return a;
    }
    static bool Holds(const Tags& tags, u16 tag) {
        for (u16 t : tags)
            if (t == tag) return true;
        return false;
    }

    StringList slots;
};

struct FixedCase {
    u16 language;
    const char* word;
    i16 result;
    Tags tags;
};

void ExpectFixed(WordAnalysisTest* t, const std::vector<FixedCase>& cases,
                 Analysis (WordAnalysisTest::*analyse)(u16, const std::string&, u16, u16)) {
    for (const FixedCase& c : cases) {
        SCOPED_TRACE(std::string(c.language == kFrench ? "fr " : "en ") + c.word);
        const Analysis a = (t->*analyse)(c.language, c.word, 803, kCaseAsked);
        EXPECT_EQ(a.result, c.result);
        EXPECT_EQ(a.tags, c.tags);
        EXPECT_EQ(a.word, c.word);  // handed back as given
    }
}

// ---- Numbers, ordinals, symbols, slash pairs, Roman numerals ---------------------

TEST_F(WordAnalysisTest, NumbersOrdinalsAndFixedForms) {
    ExpectFixed(this,
                {
                    {kFrench, "1er", 1, {0x4214}},    {kFrench, "1re", 1, {0x4224}},
                    {kFrench, "2de", 1, {0x4224}},    {kFrench, "2ds", 1, {0x4218}},
                    {kFrench, "3e", 1, {0x4204}},     {kFrench, "21e", 1, {0x4204}},
                    {kFrench, "3es", 1, {0x4208}},    {kFrench, "1e", 0, {}},
                    {kFrench, "3er", 0, {}},          {kFrench, "12,5", 1, {0x530C}},
                    {kFrench, "3.14", 1, {0x530C}},   {kFrench, "10h30", 1, {0x530C}},
                    {kFrench, "et/ou", 1, {0x1000}},  {kFrench, "&", 1, {}},
                    {kFrench, "et/ni", 0, {}},        {kFrench, "ab1", 0, {}},
                    {kEnglish, "11th", 1, {0x4200}},  {kEnglish, "21st", 1, {0x4200}},
                    {kEnglish, "22nd", 1, {0x4200}},  {kEnglish, "23rd", 1, {0x4200}},
                    {kEnglish, "12th", 1, {0x4200}},  {kEnglish, "13th", 1, {0x4200}},
                    {kEnglish, "4th", 1, {0x4200}},   {kEnglish, "11st", 0, {}},
                    {kEnglish, "2th", 0, {}},         {kEnglish, "1990s", 1, {0x4108}},
                    {kEnglish, "'90s", 1, {0x4108}},  {kEnglish, "'90's", 1, {0x4108}},
                    {kEnglish, "a.m.", 1, {0x420C}},  {kEnglish, "p.m", 1, {0x420C}},
                    {kEnglish, "U.S", 1, {0x4300}},   {kEnglish, "and/or", 1, {0x1000}},
                    {kEnglish, "mid-1990s", 1, {0x420C}}, {kEnglish, "pre-1914", 1, {0x420C}},
                    {kEnglish, "Mid-1990s", 0, {0x420C}},
                },
                &WordAnalysisTest::Analyse);
}

TEST_F(WordAnalysisTest, RomanNumeralsAndCapitalNames) {
    struct Case {
        u16 language;
        const char* word;
        i16 result;
        Tags tags;
    };
    const std::vector<Case> cases = {
        {kFrench, "XIV", 1, {0x530C}},  {kFrench, "MCMXC", 1, {0x530C}}, {kEnglish, "XIV", 1, {0x530C}},
        {kFrench, "XIX", 1, {0x530C}},  {kFrench, "IIII", 0, {}},        {kFrench, "VX", 0, {}},
        {kFrench, "IC", 0, {}},         {kFrench, "XXXX", 0, {}},        {kFrench, "VV", 0, {}},
        {kFrench, "G7", 0, {0x4114}},   {kFrench, "TF1", 0, {0x4004}},
        // French ordinals in Roman numerals take the endings of 2e and 1er.
        {kFrench, "XIXe", 1, {0x4204}}, {kFrench, "IIes", 1, {0x4208}},  {kFrench, "XXes", 1, {0x4208}},
        {kFrench, "IIer", 0, {}},       {kFrench, "xixe", 0, {}},        {kFrench, "VXe", 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        const Analysis a = Analyse(c.language, c.word);
        EXPECT_EQ(a.result, c.result);
        EXPECT_EQ(a.tags, c.tags);
    }
}

// ---- Elisions and fused forms ----------------------------------------------------

TEST_F(WordAnalysisTest, FrenchElisionsCarryTheLemmasOfTheirFullForms) {
    const Analysis le = Analyse(kFrench, "le");
    ASSERT_GE(le.count, 2);
    const u32 le0 = gWordLemmaRefs[0];
    const u32 le1 = gWordLemmaRefs[1];
    Analysis a = Analyse(kFrench, "l'");
    EXPECT_EQ(a.result, 48);
    EXPECT_EQ(a.tags, (Tags{0x6344, 0x7C44}));
    EXPECT_EQ(gWordLemmaRefs[0], le0);
    EXPECT_EQ(gWordLemmaRefs[1], le1);

    Analyse(kFrench, "que");
    const u32 que = gWordLemmaRefs[0];
    a = Analyse(kFrench, "qu'");
    EXPECT_EQ(a.result, 48);
    EXPECT_EQ(a.tags, (Tags{0x4740, 0x1140, 0x1440}));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(gWordLemmaRefs[i], que);

    struct Case {
        const char* word;
        Tags tags;
    };
    const std::vector<Case> cases = {
        {"d'", {0x6A40, 0x2140}}, {"j'", {0x5505}},       {"n'", {0x1600}},
        {"s'", {0x610F}},         {"c'", {0x4614}},       {MR("ç'"), {0x4614}},
        {"jusqu'", {0x2200}},     {"lorsqu'", {0x1100}},  {"puisqu'", {0x1100}},
        {"quelqu'", {0x5100}},    {"presqu'", {0x1400}},  {"aujourd'", {0x1700}},
        {"prud'", {0x1700}},      {"entr'", {0x1700}},    {"L'", {0x6344, 0x7C44}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        a = Analyse(kFrench, c.word);
        EXPECT_EQ(a.result, 48);
        EXPECT_EQ(a.tags, c.tags);
    }
    // "jusqu'" names no lemma: the references stay as they were.
    gWordLemmaRefs[0] = 12345;
    Analyse(kFrench, "jusqu'");
    EXPECT_EQ(gWordLemmaRefs[0], 12345u);
    // An elided form that French does not have.
    EXPECT_EQ(Analyse(kFrench, "x'").count, 0);
    // Words spelt with an apostrophe come whole from the dictionary.
    const std::vector<Case> whole = {
        {"aujourd'hui", {0x1400}}, {"prud'homme", {0x4114}}, {"quelqu'un", {0x4B14}},
    };
    for (const Case& c : whole) {
        SCOPED_TRACE(c.word);
        a = Analyse(kFrench, c.word);
        EXPECT_GE(a.result, 1);
        EXPECT_TRUE(Holds(a.tags, c.tags[0])) << std::hex << (a.tags.empty() ? 0 : a.tags[0]);
    }
}

// ---- Compounds -------------------------------------------------------------------

TEST_F(WordAnalysisTest, FrenchVerbPronounGroupsAndCompounds) {
    struct Case {
        const char* word;
        u16 tag;  // one of the analyses
    };
    const std::vector<Case> cases = {
        {"dit-il", 0xF448},       // class + 4, low byte + 64
        {"dit-elle", 0xF488},     // low byte + 128
        {"a-t-on", 0xC608},       // third person, low byte 8
        {"parle-t-il", 0xF473},
        {"donne-le", 0xF870},     // class + 8, 112 (the merged imperative slot)
        {"donnons-le", 0xF871},   // 113
        {"donne-la", 0xF8B0},
        {"donne-les", 0xF8F0},
        {"donnons-nous", 0xFC31}, // subject or object: class + 12
        {"sommes-nous", 0x8709},
        {"vas-y", 0xB830},
        {MR("aimé-je"), 0xE406},
        {"aimerais-tu", 0xE42B},  // the conditional's first person serves the second
        {"aimais-tu", 0xE40D},
        {"est-ce", 0x8748},
        {"mi-longue", 0x4224},    // "mi" makes the reading feminine
        {"soixante-onze", 0x5308},
        {"chat-type", 0x4114},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        const Analysis a = Analyse(kFrench, c.word);
        EXPECT_GE(a.result, 1);
        EXPECT_TRUE(Holds(a.tags, c.tag)) << std::hex << (a.tags.empty() ? 0 : a.tags[0]);
        EXPECT_EQ(a.word, c.word);
    }
    Analyse(kFrench, "est-ce");
    EXPECT_EQ(gWordAnalysisBytes[0], 144);  // a form of "être"
    // Words the dictionary lists whole come from it.
    for (const char* w : {"dix-sept", "quatre-vingt-dix", "celui-ci", MR("néo-libéral")}) {
        SCOPED_TRACE(w);
        EXPECT_GE(Analyse(kFrench, w).count, 1);
    }
    // A capitalised verb that is also a name keeps its verb readings before
    // the pronoun, as at the head of a question.
    for (const char* w : {"Es-tu", "Sens-tu"}) {
        SCOPED_TRACE(w);
        const Analysis a = Analyse(kFrench, w);
        EXPECT_GE(a.result, 1);
        EXPECT_TRUE(!a.tags.empty() && a.tags[0] >= 0x8000) << std::hex << (a.tags.empty() ? 0 : a.tags[0]);
    }
    // Refused groups.
    for (const char* w : {"a-on", "aime-je", "chat-il", "aime-tu"}) {
        SCOPED_TRACE(w);
        EXPECT_EQ(Analyse(kFrench, w).count, 0);
    }
    // An unlisted "œil" compound is accepted without an analysis.
    const Analysis oeil = Analyse(kFrench, "oeil-de-truc");
    EXPECT_EQ(oeil.result, 1);
    EXPECT_EQ(oeil.count, 0);
    // Hyphens alone.
    EXPECT_EQ(Analyse(kFrench, "--").result, 1);
}

// ---- Case patterns -----------------------------------------------------------------

TEST_F(WordAnalysisTest, CasePatternsAndOtherForms) {
    // French "paris" is the plural of "pari".
    Analysis a = Analyse(kFrench, "paris", 800);
    EXPECT_TRUE(Holds(a.tags, 0x4118));
    EXPECT_EQ(a.caseMode, 0);
    // English has no "paris": known only with a capital.
    a = Analyse(kEnglish, "paris", 0);
    EXPECT_EQ(a.result, 0);
    EXPECT_EQ(a.count, 0);
    EXPECT_EQ(a.caseMode, kCaseOtherForm);
    EXPECT_EQ(a.detail, 1);

    struct Case {
        const char* word;
        u16 mode;
        u16 caseMode;
        const char* handedBack;
    };
    const std::vector<Case> cases = {
        {"Paris", 800, 1, "paris"},
        {"Paris", 803, 1, "Paris"},  // 803 skips the accent restoration
        {MR("ÉCOLE"), 800, 4, MR("école")},
        {MR("École"), 800, 2, MR("école")},
        {"Jean-Pierre", 800, 5, "jean-pierre"},
        {"OEuvre", 800, 1, MR("oeuvre")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        a = Analyse(kFrench, c.word, c.mode);
        EXPECT_GE(a.count, 1);
        EXPECT_EQ(a.caseMode, c.caseMode);
        EXPECT_EQ(a.word, c.handedBack);
    }
    // Mixed case that no pattern allows passes to the last steps only.
    EXPECT_EQ(Analyse(kFrench, "chAt").count, 0);
    EXPECT_EQ(Analyse(kFrench, "CHat").count, 0);
    // A caller that knows the pattern keeps it.
    a = Analyse(kFrench, "chat", 800, 0);
    EXPECT_EQ(a.count, 1);
    EXPECT_EQ(a.caseMode, 0);
}

TEST_F(WordAnalysisTest, OperationsOutsideAnalysisAnswerNothing) {
    gWordTagCodes[0] = 0xABCD;
    for (u16 mode : {0x301, 0x303, 0x31F}) {
        const Analysis a = Analyse(kFrench, "chat", mode);
        EXPECT_EQ(a.result, 0);
        EXPECT_EQ(a.count, 0);
        EXPECT_EQ(gWordTagCodes[0], 0xABCD);
    }
}

// ---- Vowel-sound probes ---------------------------------------------------------------

TEST_F(WordAnalysisTest, VowelSoundProbes) {
    // English operation 48: words that do not begin with a vowel sound are
    // told so at once; the others go on to the second lookup.
    for (const char* w : {"one", "unit", "user", "euro", "ewe", "book"}) {
        SCOPED_TRACE(w);
        EXPECT_EQ(Analyse(kEnglish, w, 48).result, kNoVowelSound);
    }
    for (const char* w : {"hour", "honour", "heir", "apple", "usher", "umbrella"}) {
        SCOPED_TRACE(w);
        EXPECT_NE(Analyse(kEnglish, w, 48).result, kNoVowelSound);
    }
    EXPECT_EQ(Analyse(kFrench, "chat", 0x330).result, kNoVowelSound);
    EXPECT_NE(Analyse(kFrench, "arbre", 0x330).result, kNoVowelSound);
}

// ---- User lexicon ------------------------------------------------------------------------

class WordAnalysisLexiconTest : public WordAnalysisTest {
protected:
    void SetUp() override {
        WordAnalysisTest::SetUp();
        char tmpl[] = "/tmp/krz_analysis_XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir = tmpl;
        ASSERT_EQ(KRZOpenLex((dir + "/user.lex").c_str()), 0);
    }
    void TearDown() override {
        KRZCloseLex();
        std::filesystem::remove_all(dir);
        WordAnalysisTest::TearDown();
    }
    void Add(const std::string& word, u8 classByte, const std::vector<u8>& codes) {
        BoundedString w;
        w.Allocate(36);
        std::memcpy(w.data, word.data(), word.size());
        FormEntry e;
        InitFormEntry(e);
        BuildLexKey(w, classByte, e.FormText);
        std::memcpy(e.LemmaText.data, word.data(), word.size());
        e.FormClass = classByte;
        std::memcpy(e.FormCodes.data, codes.data(), codes.size());
        ASSERT_EQ(InsertLexRecord(e), 0);
    }
    std::string dir;
};

TEST_F(WordAnalysisLexiconTest, LexiconWordsAreAnalysed) {
    Add("zorglub", 0x3C, {0x41, 0x14, 7});
    gFoundInLexicon = 0;
    Analysis a = Analyse(kFrench, "zorglub");
    EXPECT_EQ(a.tags, (Tags{0x4114}));
    EXPECT_EQ(gFoundInLexicon, 1);
    // Capitalised: through the lexicon records of the last step.
    gFoundInLexicon = 0;
    a = Analyse(kFrench, "Zorglub");
    EXPECT_EQ(a.tags, (Tags{0x4114}));
    EXPECT_EQ(gWordLemmaRefs[0], 4u);
    EXPECT_EQ(gFoundInLexicon, 1);
    // A proper noun of the lexicon adds its reading at the end.
    Add("dupondt", 64, {0x40, 0x04, 0});
    a = Analyse(kFrench, "Dupondt");
    EXPECT_EQ(a.result, 1);
    EXPECT_EQ(a.tags, (Tags{0x4004}));
    // ...but never to a function word.
    Add("l'", 64, {0x40, 0x04, 0});
    EXPECT_EQ(Analyse(kFrench, "l'").tags, (Tags{0x6344, 0x7C44}));
}

// ---- Bounds ----------------------------------------------------------------------------

TEST_F(WordAnalysisTest, LongWordsStayInTheirSlots) {
    // A word longer than a slot in a larger buffer: only 35 characters are
    // read, nothing is written past the 36th byte.
    BoundedString big;
    big.Allocate(64);
    std::memset(big.data, 'Z', 63);
    u16 count = 0;
    gCaseMode = kCaseAsked;
    AnalyseWordForms(803, big, count, slots);
    EXPECT_EQ(big.data[35], 0);
    for (int i = 36; i < 63; ++i) EXPECT_EQ(big.data[i], 'Z');
    // Long capitalised words in every pattern, and a short work list.
    StringList few;
    InitByteMatrix(few, 2, 36);
    for (const std::string& w : {std::string(35, 'E'), "E" + std::string(34, 'e'),
                                std::string(17, 'E') + "-" + std::string(17, 'E'),
                                std::string(12, 'I') + "'" + std::string(22, 'A')}) {
        SCOPED_TRACE(w);
        BoundedString s;
        s.Allocate(36);
        std::memcpy(s.data, w.data(), w.size());
        gCaseMode = kCaseAsked;
        AnalyseWordForms(800, s, count, few);
        EXPECT_EQ(count, 0);
        EXPECT_EQ(s.data[35], 0);
    }
}

// ---- Share of a text's words ----------------------------------------------------------------

std::string MacRoman(const std::string& utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned char b = static_cast<unsigned char>(utf8[i]);
        const std::size_t n = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
        unsigned cp = n > 1 ? b & (0x3F >> (n - 1)) : b;
        for (std::size_t k = 1; k < n && i + k < utf8.size(); ++k) cp = (cp << 6) | (utf8[i + k] & 0x3F);
        i += n;
        char c = '?';
        if (cp < 0x80) c = static_cast<char>(cp);
        for (unsigned k = 0; k < 128 && cp >= 0x80; ++k)
            if (mac_roman_literal::kMacRomanCodePoints[k] == cp) c = static_cast<char>(0x80 + k);
        out.push_back(c);
    }
    return out;
}

// Word tokens of a text: letters, digits and inner hyphens; a French word
// is cut after its apostrophe (l'homme: l', homme).
std::vector<std::string> Tokens(const std::string& text, bool french) {
    std::vector<std::string> out;
    std::string cur;
    auto flush = [&] {
        while (!cur.empty() && cur.back() == '-') cur.pop_back();
        if (!cur.empty()) out.push_back(cur);
        cur.clear();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const u8 c = static_cast<u8>(text[i]);
        const bool letter = gCharClasses[c] == 1 || gCharClasses[c] >= 4 || (c >= '0' && c <= '9');
        if (letter || (c == '-' && !cur.empty())) {
            cur.push_back(static_cast<char>(c));
        } else if ((c == '\'' || c == 0xD5) && !cur.empty()) {
            if (french) {
                cur.push_back('\'');
                flush();
            } else {
                cur.push_back('\'');
            }
        } else {
            flush();
        }
    }
    flush();
    return out;
}

double RecognisedShare(WordAnalysisTest* t, const char* file, u16 language, u32& total) {
    std::ifstream in(std::string(KRZ_TEST_DATA_DIR) + "/text/" + file, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    const std::vector<std::string> words = Tokens(MacRoman(buffer.str()), language != kEnglish);
    total = static_cast<u32>(words.size());
    u32 known = 0;
    for (const std::string& w : words) {
        const Analysis a = t->Analyse(language, w, language == kEnglish ? 0 : 800);
        if (a.count > 0 || a.result > 0) ++known;
    }
    return total == 0 ? 0.0 : 100.0 * known / total;
}

TEST_F(WordAnalysisTest, ShareOfTextWordsRecognised) {
    u32 frenchWords = 0;
    u32 englishWords = 0;
    const double french = RecognisedShare(this, "hugo_miserables_fr.txt", kFrench, frenchWords);
    const double english = RecognisedShare(this, "austen_pride_en.txt", kEnglish, englishWords);
    std::printf("[ corpus ] French words recognised: %.1f%% of %u\n", french, frenchWords);
    std::printf("[ corpus ] English words recognised: %.1f%% of %u\n", english, englishWords);
    RecordProperty("french_recognised_percent", std::to_string(french));
    RecordProperty("english_recognised_percent", std::to_string(english));
    // 98% and 97% of the words of the samples: the rest are names.
    ASSERT_GT(frenchWords, 0u);
    ASSERT_GT(englishWords, 0u);
    EXPECT_GE(french, 95.0);
    EXPECT_GE(english, 95.0);
}

}  // namespace
