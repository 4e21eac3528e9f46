// Word-form exports through the C interface: Windows-1252 words in, forms
// out in 36-byte slots, capitals kept, the checking language put back.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <string>
#include <vector>

#include "frame/settings.h"
#include "krzlib.h"

namespace {

using Forms = std::vector<std::string>;

// Windows-1252 bytes of a UTF-8 literal (Latin-1 letters, œ and Œ).
std::string W(const char* utf8) {
    std::string out;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(utf8); *p != 0;) {
        if (*p < 0x80) {
            out.push_back(static_cast<char>(*p++));
            continue;
        }
        unsigned cp = (*p & 0x1F) << 6 | (p[1] & 0x3F);
        p += 2;
        if (cp == 0x153) cp = 0x9C;
        if (cp == 0x152) cp = 0x8C;
        out.push_back(static_cast<char>(cp));
    }
    return out;
}

Forms W(const Forms& utf8) {
    Forms out;
    for (const std::string& s : utf8) out.push_back(W(s.c_str()));
    return out;
}

// The first n slots of a host buffer; every slot must be terminated.
Forms Slots(const char* buffer, int n) {
    Forms out;
    for (int i = 0; i < n; ++i) {
        EXPECT_NE(std::memchr(buffer + 36 * i, 0, 36), nullptr) << "slot " << i;
        out.emplace_back(buffer + 36 * i, strnlen(buffer + 36 * i, 36));
    }
    return out;
}

class WordExports : public ::testing::Test {
protected:
    void SetUp() override {
        while (gInitCount != 0) KRZEnd();
        KRZInit(3, 1);
        std::memset(buffer, 0x5A, sizeof buffer);
    }
    void TearDown() override {
        while (gInitCount != 0) KRZEnd();
    }
    // Bytes past the export's own slots stay as they were.
    void ExpectUntouchedFrom(int slots) {
        for (size_t i = 36 * static_cast<size_t>(slots); i < sizeof buffer; ++i)
            ASSERT_EQ(buffer[i], 0x5A) << "byte " << i;
    }
    char buffer[16 * 36];
};

struct FormCase {
    uint16_t language;
    const char* word;  // UTF-8, sent as Windows-1252
    uint16_t accents;
    int16_t code;
    Forms forms;       // UTF-8
};

TEST_F(WordExports, Infinitive) {
    const FormCase kCases[] = {
        {3, "Mangeons", 0, 21, {"Manger"}},
        {3, "mangeons", 0, 21, {"manger"}},
        {3, "MANGEONS", 0, 21, {"MANGER"}},
        {3, "mangé", 0, 21, {"manger"}},
        {3, "'finissons'", 0, 22, {"finir"}},
        {3, "\"vais\"", 0, 23, {"aller"}},
        {3, "faut", 0, 23, {"falloir", "faillir"}},
        {3, "est", 0, 24, {"être"}},
        // Capitals without accents: the accented form is found; results
        // keep the typed shape, with accents only when asked.
        {3, "ETAIT", 0, 24, {"ETRE"}},
        {3, "ÉTAIT", 0, 24, {"ÊTRE"}},
        {3, "ETAIT", 1, 9, {}},  // accents on capitals: taken as typed
        {3, "Étions", 0, 24, {"Être"}},
        {3, "CEDENT", 0, 21, {"CEDER"}},
        {3, "maison", 0, 11, {}},
        {3, "MAISON", 0, 11, {}},   // known, but no verb
        {3, "Xqzwv", 0, 9, {}},     // unknown under every accent
        {3, "", 0, 11, {}},
        {3, "''", 0, 11, {}},
        {10, "mangeons", 0, 21, {"manger"}},
        {0, "went", 0, 33, {"go"}},
        {0, "Went", 0, 33, {"Go"}},
        {0, "lay", 0, 33, {"lay", "lie"}},
    };
    for (const FormCase& c : kCases) {
        std::memset(buffer, 0x5A, sizeof buffer);
        uint16_t count = 99;
        const int16_t r = KRZInfinitive(W(c.word).c_str(), &count, buffer, c.accents, c.language);
        EXPECT_EQ(r, c.code) << c.word;
        EXPECT_EQ(Slots(buffer, count), W(c.forms)) << c.word;
        ExpectUntouchedFrom(2);
    }
    EXPECT_EQ(KRZGetLanguage(), 3);
}

struct TenseCase {
    uint16_t language;
    const char* verb;
    uint16_t tense;
    Forms forms;
};

TEST_F(WordExports, Conjugate) {
    const TenseCase kCases[] = {
        {3, "Manger", 2, {"Mange", "Manges", "Mange", "Mangeons", "Mangez", "Mangent"}},
        {3, "MANGER", 5, {"MANGEAI", "MANGEAS", "MANGEA", "MANGEAMES", "MANGEATES", "MANGERENT"}},
        {3, "placer", 0, {"plaçant"}},
        {3, "être", 1, {"été"}},
        {3, "ETRE", 2, {"SUIS", "ES", "EST", "SOMMES", "ETES", "SONT"}},
        {3, "gésir", 9, {"", "", ""}},
        {3, "payer", 2, {"paye ou paie", "payes ou paies", "paye ou paie", "payons", "payez", "payent ou paient"}},
        {0, "go", 10, {"go", "goes", "going", "went", "gone"}},
        // "saw": its two models joined in the participle.
        {0, "saw", 10, {"saw", "saws", "sawing", "sawed", "sawed (or sawn)"}},
        {0, "go", 3, {}},  // English serves only its principal parts
        {3, "", 2, {}},
    };
    for (const TenseCase& c : kCases) {
        std::memset(buffer, 0x5A, sizeof buffer);
        int16_t count = 99;
        uint16_t flags = 0xFFFF;
        KRZConjugate2(W(c.verb).c_str(), c.tense, &count, buffer, &flags, 0, c.language);
        EXPECT_EQ(Slots(buffer, count), W(c.forms)) << c.verb << " tense " << c.tense;
        ExpectUntouchedFrom(6);
    }
    EXPECT_EQ(KRZGetLanguage(), 3);
}

// A host slot holds 36 bytes: a form with more notes than fit gathers
// them, and no note is cut.
TEST_F(WordExports, EnglishNotesFitTheSlotWhole) {
    int16_t count = 0;
    uint16_t flags = 0;
    ASSERT_GE(KRZConjugate2("cleave", 10, &count, buffer, &flags, 0, 0), 0);
    ASSERT_EQ(count, 5);
    const Forms forms = Slots(buffer, count);
    for (const std::string& f : forms) {
        EXPECT_LT(f.size(), 36u) << f;
        EXPECT_EQ(std::count(f.begin(), f.end(), '('), std::count(f.begin(), f.end(), ')')) << f;
    }
    EXPECT_EQ(forms[4], "cleaved (or cleft, clove, cloven)");
}

// Codes and flags: the model code (marked models give bit 0 and lose 100),
// the verb's tag class in bits 1..3, the auxiliary "être" in bit 4; the
// flags are written (0) on the paths that conjugate nothing.
TEST_F(WordExports, ConjugateCodesAndFlags) {
    struct Case {
        uint16_t language;
        const char* verb;
        uint16_t tense;
        int16_t code;
        uint16_t flags;
    };
    const Case kCases[] = {
        {3, "aimer", 2, 21, 2 * 6},
        {3, "aller", 2, 23, 16 + 2 * 3},
        {3, "être", 2, 24, 1 + 2 * 1},
        {3, "", 2, 20, 0},
        {3, "maison", 2, 11, 2},
        {3, "Xqzwv", 2, 9, 0},
        // A tense the language does not have is refused.
        {0, "go", 3, -2, 0},
        {0, "go", 0, -2, 0},
        {3, "manger", 10, -2, 0},
        {3, "manger", 11, -2, 0},
        {3, "manger", static_cast<uint16_t>(-7), -2, 0},
        {3, "manger", 65535, -2, 0},
    };
    for (const Case& c : kCases) {
        int16_t count = 0;
        uint16_t flags = 0xFFFF;
        EXPECT_EQ(KRZConjugate2(W(c.verb).c_str(), c.tense, &count, buffer, &flags, 0, c.language), c.code)
            << c.verb;
        EXPECT_EQ(flags, c.flags) << c.verb;
        uint16_t flag = 0xFFFF;
        EXPECT_EQ(KRZConjugate(W(c.verb).c_str(), c.tense, &count, buffer, &flag, 0, c.language), c.code);
        EXPECT_EQ(flag, c.flags & 1) << c.verb;
    }
}

TEST_F(WordExports, PluralAndSingular) {
    const FormCase kPlurals[] = {
        {3, "cheval", 0, 0, {"chevaux"}},
        {3, "Cheval", 0, 0, {"Chevaux"}},
        {3, "mal", 0, 0, {"maux", "mals"}},
        {3, "ÉCOLE", 0, 0, {"ÉCOLES"}},
        {3, "ECOLE", 0, 0, {"ECOLES"}},
        {3, "ECOLE", 1, 9, {}},
        {3, "\"bœuf\"", 0, 0, {"bœufs"}},
        {3, "Xqzwv", 0, 9, {}},
        {3, "", 0, 35, {}},
        {0, "box", 0, 0, {"boxes"}},
        {0, "Box", 0, 0, {"Boxes"}},
    };
    for (const FormCase& c : kPlurals) {
        std::memset(buffer, 0x5A, sizeof buffer);
        int16_t count = 99;
        EXPECT_EQ(KRZPlural(W(c.word).c_str(), &count, buffer, c.accents, c.language), c.code) << c.word;
        EXPECT_EQ(Slots(buffer, count), W(c.forms)) << c.word;
        ExpectUntouchedFrom(2);
    }
    const FormCase kSingulars[] = {
        {3, "chevaux", 0, 0, {"cheval"}},
        {3, "CHEVAUX", 0, 0, {"CHEVAL"}},
        {3, "Écoles", 0, 0, {"École"}},
        {3, "", 0, 35, {}},
        {0, "cats", 0, 0, {"cat"}},
        {0, "Cats", 0, 0, {"Cat"}},
    };
    for (const FormCase& c : kSingulars) {
        std::memset(buffer, 0x5A, sizeof buffer);
        uint16_t count = 99;
        EXPECT_EQ(KRZSingular(W(c.word).c_str(), &count, buffer, c.accents, c.language), c.code) << c.word;
        EXPECT_EQ(Slots(buffer, count), W(c.forms)) << c.word;
        ExpectUntouchedFrom(2);
    }
    EXPECT_EQ(KRZGetLanguage(), 3);
}

// A host word longer than a slot is read as its first 35 bytes; null
// arguments are refused without writing.
TEST_F(WordExports, LongWordsAndNullArguments) {
    const std::string longWord = "mangeons" + std::string(42, 'z');
    uint16_t count = 99;
    const int16_t r = KRZInfinitive(longWord.c_str(), &count, buffer, 0, 3);
    EXPECT_EQ(count, 0);
    EXPECT_NE(r, 21);
    ExpectUntouchedFrom(2);

    int16_t n = 5;
    EXPECT_EQ(KRZPlural(nullptr, &n, buffer, 0, 3), -1);
    EXPECT_EQ(n, 0);
    EXPECT_EQ(KRZSingular("chevaux", nullptr, buffer, 0, 3), -1);
    uint16_t flags = 7;
    EXPECT_EQ(KRZConjugate2("aimer", 2, &n, nullptr, &flags, 0, 3), -1);
    EXPECT_EQ(flags, 0);
    EXPECT_EQ(KRZConjugate2("aimer", 2, &n, buffer, nullptr, 0, 3), -1);
    EXPECT_EQ(KRZConjugate("aimer", 2, &n, buffer, nullptr, 0, 3), -1);
    EXPECT_EQ(n, 0);
}

// A capitalised word without accents is matched to its accented spelling
// by a bounded search: a long unknown word full of accentable letters is
// refused in well under a second rather than trying every combination.
TEST_F(WordExports, AccentSearchIsBounded) {
    const std::string word(35, 'E');
    const auto start = std::chrono::steady_clock::now();
    uint16_t count = 0;
    EXPECT_EQ(KRZInfinitive(word.c_str(), &count, buffer, 0, 3), 9);
    int16_t n = 0;
    EXPECT_EQ(KRZPlural("AEIOUCAEIOUCAEIOUCAEIOUCAEIOUC", &n, buffer, 0, 3), 9);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(count, 0);
    EXPECT_EQ(n, 0);
}

// Related words (French tenses -9 and -8): the adjectives built on a
// noun's stem, the nouns built on an adjective's. A word with more related
// forms than the 6 slots gets 6 (count and result), and the bytes past the
// sixth slot are never written.
TEST_F(WordExports, RelatedWords) {
    struct Case {
        const char* word;
        uint16_t tense;
        const char* expected;  // one form that must be among the results
    };
    const uint16_t kAdjectives = static_cast<uint16_t>(-9);
    const uint16_t kNouns = static_cast<uint16_t>(-8);
    const Case kCases[] = {
        {"nation", kAdjectives, "national"},
        {"industrie", kAdjectives, "industriel"},
        {"chaleur", kAdjectives, "chaleureux"},
        {"industriel", kNouns, "industrie"},
        {"chaud", kNouns, "chaudière"},
    };
    for (const Case& c : kCases) {
        std::memset(buffer, 0x5A, sizeof buffer);
        int16_t count = 0;
        uint16_t flags = 0;
        const int16_t r = KRZConjugate2(W(c.word).c_str(), c.tense, &count, buffer, &flags, 0, 3);
        ASSERT_GT(count, 0) << c.word;
        EXPECT_LE(count, 6);
        EXPECT_EQ(r, count) << c.word;
        const Forms forms = Slots(buffer, count);
        EXPECT_NE(std::find(forms.begin(), forms.end(), W(c.expected)), forms.end()) << c.word;
        ExpectUntouchedFrom(6);
    }
    // More than six adjectives are built on "forme".
    int16_t count = 0;
    uint16_t flags = 0;
    EXPECT_EQ(KRZConjugate2("forme", kAdjectives, &count, buffer, &flags, 0, 3), 6);
    EXPECT_EQ(count, 6);
    // No reading of the starting class: the failure code, no forms.
    EXPECT_EQ(KRZConjugate2("nation", kNouns, &count, buffer, &flags, 0, 3), 8);
    EXPECT_EQ(count, 0);
}

}  // namespace
