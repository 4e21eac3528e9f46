// Words added to, changed in and removed from the user lexicon through the
// C interface, on the built-in dictionaries: the rows stored, the forms the
// checker then knows, and transactions that never lose a word.
#include <sys/resource.h>

#include <csignal>
#include <string>
#include <vector>

#include "frame/mac_roman.h"
#include "frame/mac_roman_literal.h"
#include "frame/settings.h"
#include "inflection/inflect.h"
#include "inflection/lex_inflection.h"
#include "inflection/lex_words.h"
#include "lexicon/lex_lookup.h"
#include "lexicon_fixture.h"
#include "morphology/dictionary_tests.h"
#include "morphology/word_analysis.h"
#include "morphology/word_lookup.h"
#include "morphology/word_memo.h"

namespace {

class LexWords : public LexiconTest {
protected:
    void SetUp() override {
        while (gInitCount != 0) KRZEnd();
        KRZInit(3, 1);
        LexiconTest::SetUp();
        path = OpenNew();
    }
    void TearDown() override {
        gLexRowTestHook = nullptr;
        LexiconTest::TearDown();
        while (gInitCount != 0) KRZEnd();
    }
    // Analyses of a (Mac Roman) word in a language: first tag's class byte,
    // or -1 when unknown.
    static int ClassOf(const std::string& word, u16 language) {
        BoundedString w = Key(word);
        StringList slots;
        InitByteMatrix(slots, 16, 36);
        const u16 saved = gCheckingLanguage;
        KRZSetLanguage(language);
        gCaseMode = kCaseAsked;
        u16 count = 0;
        AnalyseWordForms(language != 0 ? 800 : 0, w, count, slots);
        const int c = count > 0 ? gWordTagCodes[0] >> 8 : -1;
        KRZSetLanguage(saved);
        return c;
    }
    // The stored keys (less their class byte) filed under a lemma's class.
    static std::vector<std::string> Forms(const std::string& word, u8 classByte) {
        std::vector<std::string> out;
        FormEntry e;
        InitFormEntry(e);
        BoundedString k;
        BoundedString data;
        for (u32 i = 0; GetLexEntryAt(i, e) == 0; ++i) {
            const std::string key = Text(e.FormText);
            if (!key.empty() && static_cast<u8>(key.back()) == classByte && Text(e.LemmaText) == word)
                out.push_back(key.substr(0, key.size() - 1));
        }
        return out;
    }
    std::string path;
};

TEST_F(LexWords, FrenchVerbIsStoredWithItsFormsAndRemovedWhole) {
    ASSERT_EQ(KRZInsertLex("googler", 0, 5, 0, 0, 0, "aimer", "", 3), 0);
    const auto forms = Forms("googler", 60);
    for (const char* f : {"googler", "google", "googlons", "googlait", "googlerons", MR("googlé"), MR("googlées")})
        EXPECT_NE(std::find(forms.begin(), forms.end(), std::string(f)), forms.end()) << f;
    EXPECT_GE(ClassOf("googlons", 3), 0x80);
    EXPECT_GE(ClassOf(MR("googlées"), 3), 0x80);

    uint16_t expression = 9, gender = 9, cls = 9, flag = 9;
    char text[36] = "x";
    char abbreviation[36] = "x";
    KRZGetValuesWordLex("googler", 5, &expression, &gender, &cls, &flag, text, abbreviation, 3);
    EXPECT_EQ(std::string(text), "googler");
    EXPECT_EQ(cls, 0);
    EXPECT_EQ(flag, 0);

    const u32 counter = KRZGetCounterLex();
    EXPECT_EQ(KRZRemoveLex("googler", 5, 3), 0);
    EXPECT_EQ(LexEntryCount, 0u);
    EXPECT_EQ(KRZGetCounterLex(), counter + 1);
    EXPECT_EQ(ClassOf("googlons", 3), -1);
}

// Whether a word is known, asked through the memo of word analyses.
u16 KnownThroughAnalysisMemo(BoundedString& word) {
    static StringList slots;
    if (slots.valid == 0) InitByteMatrix(slots, 16, 36);
    gCaseMode = kCaseAsked;
    gFoundInLexicon = 0;
    u16 count = 0;
    RememberedWordAnalysis(gCheckingLanguage != 0 ? 800 : 0, word, count, slots);
    return count > 0 ? 1 : 0;
}

// The remembered answers of the dictionary test and the remembered word
// analyses are forgotten when an option or the user lexicon changes them:
// a word added is known at once, a word removed unknown at once.
TEST_F(LexWords, RememberedAnswersFollowOptionsAndTheLexicon) {
    using Known = u16 (*)(BoundedString&);
    for (const Known known : {&IsDictionaryWordRemembered, &KnownThroughAnalysisMemo}) {
        SCOPED_TRACE(known == &IsDictionaryWordRemembered ? "dictionary test" : "word analysis");
        KRZSetLanguage(0);
        gActiveVariantA = gActiveVariantB = 0;
        BoundedString colour = Key("colour");
        EXPECT_EQ(known(colour), 1);
        EXPECT_EQ(known(colour), 1);
        gActiveVariantA = 1;
        EXPECT_EQ(known(colour), 0);
        gActiveVariantA = 0;
        EXPECT_EQ(known(colour), 1);

        BoundedString blorbit = Key("blorbit");
        EXPECT_EQ(known(blorbit), 0);
        ASSERT_EQ(KRZInsertLex("blorbit", 0, 2, 1, 1, 0, "", "", 0), 0);
        EXPECT_EQ(known(blorbit), 1);
        ASSERT_EQ(KRZRemoveLex("blorbit", 2, 0), 0);
        EXPECT_EQ(known(blorbit), 0);
    }
}

TEST_F(LexWords, EnglishNounAndItsPluralAreKnownAfterReopening) {
    ASSERT_EQ(KRZInsertLex("blorbit", 0, 2, 1, 1, 0, "", "", 0), 0);
    EXPECT_EQ(Forms("blorbit", 57), (std::vector<std::string>{"blorbit", "blorbits"}));
    KRZCloseLex();
    ASSERT_EQ(KRZOpenLex(path.c_str()), 0);
    EXPECT_EQ(ClassOf("blorbits", 0), 57);
    uint16_t expression = 9, gender = 9, cls = 9, flag = 9;
    char text[36], abbreviation[36];
    KRZGetValuesWordLex("blorbit", 2, &expression, &gender, &cls, &flag, text, abbreviation, 0);
    EXPECT_EQ(gender, 3);  // English nouns are stored with gender 3
    EXPECT_EQ(cls, 1);
}

TEST_F(LexWords, MissingWordReadsAsZerosAndEmptyTexts) {
    uint16_t expression = 9, gender = 9, cls = 9, flag = 9;
    char text[36] = "junk", abbreviation[36] = "junk";
    KRZGetValuesWordLex("zzabq", 2, &expression, &gender, &cls, &flag, text, abbreviation, 3);
    EXPECT_EQ(expression + gender + cls, 0);
    EXPECT_STREQ(text, "");
    EXPECT_STREQ(abbreviation, "");
}

// Limits the size of files this process may write (a full disk).
struct FileSizeLimit {
    rlimit saved{};
    void (*oldHandler)(int);
    explicit FileSizeLimit(rlim_t bytes) {
        oldHandler = signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit limit = saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved);
        signal(SIGXFSZ, oldHandler);
    }
};

i16 FailThirdRow(u16 row) { return row == 2 ? -1 : 0; }

TEST_F(LexWords, FailedInsertOrSaveLeavesTheLexiconByteIdentical) {
    ASSERT_EQ(KRZInsertLex("blorbit", 0, 2, 1, 1, 0, "", "", 0), 0);
    const Bytes body = Body();
    const Bytes file = ReadAll(path);
    const u32 entries = LexEntryCount;
    const u32 counter = LexChangeCounter;
    auto unchanged = [&](const char* what) {
        EXPECT_EQ(Body(), body) << what;
        EXPECT_EQ(LexEntryCount, entries) << what;
        EXPECT_EQ(LexChangeCounter, counter) << what;
        EXPECT_EQ(ReadAll(path), file) << what;
    };
    gLexRowTestHook = FailThirdRow;
    EXPECT_EQ(KRZInsertLex("googler", 0, 5, 0, 0, 0, "aimer", "", 3), -1);
    unchanged("row 2 of an insertion");
    EXPECT_EQ(KRZChangeLex("blorbit", 0, 2, 1, 9, 0, "", "", 0), 11);  // no -a ending for class 9
    unchanged("refused change");
    gLexRowTestHook = nullptr;
    {
        FileSizeLimit limit(8);
        EXPECT_EQ(KRZInsertLex("googler", 0, 5, 0, 0, 0, "aimer", "", 3), -5);
        unchanged("save of an insertion");
        EXPECT_EQ(KRZRemoveLex("blorbit", 2, 0), -5);
        unchanged("save of a removal");
        EXPECT_EQ(KRZChangeLex("blorbit", 0, 2, 1, 2, 0, "", "", 0), -5);
        unchanged("save of a change");
    }
    EXPECT_EQ(KRZInsertLex("googler", 0, 5, 0, 0, 0, "aimer", "", 3), 0);
}

TEST_F(LexWords, InsertionRefusals) {
    struct Case {
        const char* word;
        uint16_t expression, category, gender, cls;
        const char* abbreviation;
        int32_t language;
        int16_t expected;
    };
    const std::string oe3 = "\x9C\x9C\x9C" "ud";  // Windows-1252 œ
    const Case cases[] = {
        {"z", 0, 2, 1, 1, "", 3, 19},
        {"blo2rb", 0, 2, 1, 1, "", 3, 20},
        {"bl\xE6rb", 0, 2, 1, 1, "", 0, 17},  // æ in English
        {oe3.c_str(), 0, 2, 1, 1, "", 3, 16},
        {"maison", 0, 2, 2, 1, "", 3, -1},
        {"je", 0, 1, 1, 2, "", 3, -4},
        {"zorglub", 0, 1, 1, 2, "", 3, -7},
        {"Zorglub", 0, 1, 1, 2, "le", 3, 12},
        {"grand zorg", 0, 2, 1, 1, "", 3, 20},
        {"blorbitou", 0, 2, 1, 6, "", 3, 11},
        {"blorbs", 0, 2, 1, 1, "", 3, 15},
        {"blorby", 0, 3, 3, 1, "", 0, 18},
        {"googler", 0, 5, 0, 0, "", 3, 3},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KRZInsertLex(c.word, c.expression, c.category, c.gender, c.cls, c.cls,
                               c.category == 5 ? "zzqx" : "", c.abbreviation, c.language),
                  c.expected)
            << c.word;
    }
    EXPECT_EQ(LexEntryCount, 0u);
    EXPECT_EQ(KRZInsertLex("Zorglub", 0, 1, 1, 2, 0, "", "", 0), 0);
    EXPECT_EQ(KRZInsertLex("Zorglub", 0, 1, 1, 2, 0, "", "", 3), -2);
    EXPECT_EQ(KRZInsertLex("blorbit", 0, 2, 1, 1, 0, "", "", 3), 0);
    EXPECT_EQ(KRZInsertLex("blorbit", 0, 2, 1, 1, 0, "", "", 3), -2);
}

// A class no table defines for a name, noun or adjective is refused before
// anything is stored (such a word was filed without its forms and could
// not be removed); one stored so by an earlier version is still removed.
TEST_F(LexWords, UndefinedInflectionClasses) {
    struct Case {
        uint16_t category, cls;
        int32_t language;
    };
    const Case refused[] = {{2, 0, 3}, {3, 0, 3}, {4, 0, 3}, {2, 5, 3}, {2, 7, 3}, {1, 0, 3},
                            {2, 0, 0}, {4, 0, 0}, {2, 10, 0}, {2, 99, 0}, {2, 65535, 0}, {1, 0, 0}};
    for (const Case& c : refused) {
        const char* word = c.category == 1 ? "Blorbique" : "blorbique";
        EXPECT_EQ(KRZInsertLex(word, 0, c.category, 1, c.cls, 0, "", "", c.language), 11)
            << c.category << " " << c.cls << " " << c.language;
    }
    EXPECT_EQ(LexEntryCount, 0u);

    // An earlier version filed class 0 as the word alone, without its plural.
    ASSERT_EQ(KRZInsertLex("blorbique", 0, 2, 1, 1, 0, "", "", 3), 0);
    ASSERT_EQ(LexEntryCount, 2u);
    ASSERT_EQ(RemoveLexRecord(Entry("blorbiquesA", "blorbique", 'A')), 0);
    ASSERT_EQ(LexEntryCount, 1u);
    EXPECT_EQ(KRZRemoveLex("blorbique", 2, 3), 0);
    EXPECT_EQ(LexEntryCount, 0u);
}

TEST_F(LexWords, ModelVerbRefusals) {
    EXPECT_EQ(KRZInsertLex("googler", 0, 5, 0, 0, 0, "zzqxer", "", 3), 3);
    EXPECT_EQ(KRZInsertLex("googler", 0, 5, 0, 0, 0, "maison", "", 3), 4);
    EXPECT_EQ(KRZInsertLex("googlir", 0, 5, 0, 0, 0, "aimer", "", 3), 5);
    EXPECT_EQ(KRZInsertLex("zouglons", 0, 5, 0, 0, 0, "aimons", "", 3), 6);
    EXPECT_EQ(LexEntryCount, 0u);
}

TEST_F(LexWords, RowsOfNounsAndExpressions) {
    StringList rows;
    InitByteMatrix(rows, kLexRowCapacity, kLexRowWidth);
    auto analyse = [&](const std::string& word, u16 category, u16 cls, u16 language, u16 expression = 0) {
        LexWordValues v{expression, category, 1, cls};
        u16 count = 0;
        BoundedString none = Key("");
        std::vector<std::string> out;
        const i16 r = AnalyseLexInflection(Key(word), v, none, 0, none, rows, count, language);
        if (r != 0) return std::vector<std::string>{"refused " + std::to_string(r)};
        for (u16 i = 0; i < count; ++i) {
            std::string k = Text(rows[i]);
            out.push_back(k.substr(0, k.size() - 1));
        }
        return out;
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(analyse("cheval", 2, 6, 3), (V{"cheval", "chevaux"}));
    EXPECT_EQ(rows[0].data[kLexRowCodes + 2], 255);
    EXPECT_EQ(analyse("formula", 2, 9, 0), (V{"formula", "formulae", "formulas"}));
    EXPECT_EQ(analyse("bluish", 3, 2, 0), (V{"bluish"}));
    EXPECT_EQ(analyse("bluish", 3, 1, 0), (V{"refused 18"}));
    EXPECT_EQ(analyse("gnou", 2, 6, 3), (V{"refused 11"}));
    EXPECT_EQ(analyse("Pierre et Marie", 1, 1, 3, 1), (V{"pierre\xCA" "et\xCAmarie", "piere&marie"}));
}

TEST_F(LexWords, NounOrAdjectiveWithAClassIsRemovedWhole) {
    ASSERT_EQ(KRZInsertLex("blorbeux", 0, 4, 1, 4, 0, "", "", 3), 0);
    ASSERT_EQ(KRZInsertLex("plorbin", 0, 4, 1, 1, 0, "", "", 3), 0);
    EXPECT_EQ(LexEntryCount, 3u);  // plorbin, plorbins, blorbeux
    EXPECT_EQ(KRZRemoveLex("plorbin", 4, 3), 0);
    EXPECT_EQ(KRZRemoveLex("blorbeux", 4, 3), 0);
    EXPECT_EQ(LexEntryCount, 0u);
    const u32 counter = KRZGetCounterLex();
    EXPECT_EQ(KRZRemoveLex("blorbeux", 4, 3), 0);  // no longer there
    EXPECT_EQ(KRZGetCounterLex(), counter);
}

TEST_F(LexWords, ValuesReadBack) {
    ASSERT_EQ(KRZInsertLex("chebal", 0, 2, 1, 6, 0, "", "", 3), 0);
    ASSERT_EQ(KRZInsertLex("chebals", 0, 2, 2, 3, 0, "", "", 3), 0);
    ASSERT_EQ(KRZInsertLex("Union des Zorgs", 1, 1, 2, 2, 0, "", "UDZ", 0), 0);
    uint16_t expression, gender, cls, flag;
    char text[36], abbreviation[36];
    KRZGetValuesWordLex("chebal", 2, &expression, &gender, &cls, &flag, text, abbreviation, 3);
    EXPECT_EQ(cls, 6);
    KRZGetValuesWordLex("chebals", 2, &expression, &gender, &cls, &flag, text, abbreviation, 3);
    EXPECT_EQ(cls, 3);
    EXPECT_EQ(gender, 2);
    for (int32_t language : {0, 3}) {
        KRZGetValuesWordLex("Union des Zorgs", 1, &expression, &gender, &cls, &flag, text, abbreviation, language);
        EXPECT_EQ(expression, 1);
        EXPECT_EQ(gender, 2);
        EXPECT_STREQ(abbreviation, "UDZ");
    }
    EXPECT_EQ(KRZRemoveLex("Union des Zorgs", 1, 0), 0);
    EXPECT_EQ(LexEntryCount, 3u);  // chebal, chebaux, chebals
}

TEST_F(LexWords, ChangeReplacesTheRowsInOneStep) {
    ASSERT_EQ(KRZInsertLex("blorbit", 0, 2, 1, 1, 0, "", "", 0), 0);
    ASSERT_EQ(KRZChangeLex("blorbit", 0, 2, 1, 2, 0, "", "", 0), 0);
    EXPECT_EQ(Forms("blorbit", 57), (std::vector<std::string>{"blorbit"}));
    uint16_t expression, gender, cls, flag;
    char text[36], abbreviation[36];
    KRZGetValuesWordLex("blorbit", 2, &expression, &gender, &cls, &flag, text, abbreviation, 0);
    EXPECT_EQ(cls, 2);
    // A change still refuses what an insertion refuses.
    EXPECT_EQ(KRZChangeLex("maison", 0, 2, 2, 1, 0, "", "", 3), -1);
}

TEST_F(LexWords, VerbFlagKeepsOnlyTheMasculineSingularParticiple) {
    ASSERT_EQ(KRZInsertLex("zougler", 0, 5, 0, 0, 1, "aimer", "", 3), 0);
    const auto forms = Forms("zougler", 60);
    EXPECT_NE(std::find(forms.begin(), forms.end(), std::string(MR("zouglé"))), forms.end());
    for (const char* f : {MR("zouglée"), MR("zouglés"), MR("zouglées")})
        EXPECT_EQ(std::find(forms.begin(), forms.end(), std::string(f)), forms.end()) << f;
    uint16_t expression, gender, cls, flag;
    char text[36], abbreviation[36];
    KRZGetValuesWordLex("zougler", 5, &expression, &gender, &cls, &flag, text, abbreviation, 3);
    EXPECT_EQ(flag, 1);
    int16_t count = 0;
    char results[6 * 36];
    EXPECT_EQ(KRZConjugateLex("zougler", 1, &count, results, 1, "aimer", 3), 0);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(KRZRemoveLex("zougler", 5, 3), 0);
    EXPECT_EQ(LexEntryCount, 0u);
}

TEST_F(LexWords, EnglishVerbConjugatedLikeItsModel) {
    ASSERT_EQ(KRZInsertLex("blorbize", 0, 5, 0, 0, 0, "organize", "", 0), 0);
    for (const char* f : {"blorbizes", "blorbized", "blorbizing"}) EXPECT_GE(ClassOf(f, 0), 0x80) << f;
    EXPECT_EQ(KRZRemoveLex("blorbize", 5, 0), 0);
    EXPECT_EQ(LexEntryCount, 0u);
    EXPECT_EQ(ClassOf("blorbizing", 0), -1);
}

}  // namespace
