// Tables of the correction composer on word-table fixtures over the
// embedded dictionaries: noun and adjective endings of both languages,
// homophones, participles and infinitives, subject-verb agreement, the
// English confusable words, and the second reading of a guessed word.
#include <string>

#include "checking/correction.h"
#include "checking/correction_common.h"
#include "checking/correction_forms.h"
#include "checking/dispatcher.h"
#include "checking/suggestions.h"
#include "frame/bounded_string.h"
#include "krzlib.h"
#include "rules/clause/clause_rules.h"
#include "word_table_fixture.h"

namespace {

using word_table::Build;
using word_table::Text;
using word_table::ToMacRoman;


class CorrectionTableTest : public word_table::WordTableTest {
protected:
    void SetUp() override {
        WordTableTest::SetUp();
        first_.Allocate(kCorrectionCapacity);
        second_.Allocate(kCorrectionCapacity);
    }
    void TearDown() override {
        gDispatcherTestHook = nullptr;
        gHomophoneAgreement = 0;
        WordTableTest::TearDown();
    }
    void Load(u16 language) {
        KRZInit(language, 1);
        KRZSetLanguage(language);
        gCheckingLanguage = language;
        loaded_ = true;
    }
    std::string Compose(RuleCode code, i16 pos, i16 first, i16 end, u8 variant = 0, u16 detail = 0,
                        u16 extent = 0) {
        gLastRule = code;
        gLastErrorPos = pos;
        gErrorVariant = variant;
        gErrorDetail = detail;
        gErrorExtent = extent;
        ComposeCorrection(first_, second_, code, first, end, 1);
        return Text(first_);
    }
    BoundedString first_, second_;
    bool loaded_ = false;
};

// A finding that must yield `expected`; "-" for a correction given up.
struct TableCase {
    const char* words;
    u16 target;
    const char* expected;
};

void ExpectNounRow(CorrectionTableTest* t, const TableCase& c, const std::string& got) {
    if (std::string(c.expected) == "-") {
        EXPECT_EQ(gErrorExtent, kNoCorrection) << c.words << " " << c.target << " gave " << got;
    } else {
        EXPECT_EQ(got, ToMacRoman(c.expected)) << c.words << " " << c.target;
        EXPECT_NE(gErrorExtent, kNoCorrection) << c.words << " " << c.target;
    }
    (void)t;
}

TEST_F(CorrectionTableTest, EnglishNounEndingsByAnalysisByte) {
    Load(0);
    const TableCase cases[] = {
        {"church/A.4.10.30", 2, "churches"},
        {"church/A.4.10.30", 1, "church"},
        {"cat/A.4.10.32", 2, "cats"},
        {"cats/A.8.10.32", 1, "cat"},
        {"cats/A.8.10.32", 2, "cats"},        // the s is cut before it is added again
        {"house/A.4.10.37", 2, "houses"},     // 37: the letter 'e'
        {"houses/A.8.10.37", 1, "house"},
        {"box/A.4.10.60", 2, "boxes"},
        {"city/A.4.10.31", 2, "cities"},
        {"cities/A.8.10.31", 1, "city"},
        {"man/A.4.10.254", 2, "men"},
        {"women/A.8.10.254", 1, "woman"},
        {"formula/A.4.10.255", 2, "formulae"},
        {"formulae/A.8.10.255", 1, "formula"},
        {"nation/A.4.10.175", 2, "nations"},  // 160..247: a suffix of the list
        {"nations/A.8.10.175", 1, "nation"},
        {"sheep/A.4.10.3", 2, "sheep"},       // no row: the text stays
        {"CATS/A.8.10.32", 1, "CATS"},        // all capitals keep their text
        {"hpuse/A.4.10.37", 2, "-"},          // an unknown form gives the correction up
    };
    for (const TableCase& c : cases) {
        Build(c.words);
        if (std::string(c.words).rfind("CATS", 0) == 0) gWords[0].WordCaseMode = 3;
        ExpectNounRow(this, c, Compose(41, 0, 0, 1, 0, 0, c.target));
    }
    // A set correction mark lets an unknown form through.
    Build("hpuse/A.4.10.37");
    gWords[0].CorrectionMark = 1;
    EXPECT_EQ(Compose(41, 0, 0, 1, 0, 0, 2), "hpuses");
    KRZEnd();
}

TEST_F(CorrectionTableTest, FrenchNounAndAdjectiveEndingsByAnalysisByte) {
    Load(3);
    const TableCase cases[] = {
        {"grand/A.20.11.59", 4, "grandes"},
        {"grandes/A.40.11.59", 1, "grand"},
        {"petite/A.36.11.59", 2, "petits"},
        {"gris/A.28.11.59", 3, "grise"},      // features 28: the s of the stem stays
        {"gris/A.28.11.59", 2, "gris"},       // no second s
        {"chats/A.24.10.91", 1, "chat"},
        {"chat/A.20.10.91", 2, "chats"},
        {"table/A.36.10.69", 4, "tables"},    // 64..95: byte + 32 is the letter
        {"tables/A.40.10.69", 3, "table"},
        {"café/A.20.10.92", 2, "cafés"},      // 92: é
        {"petit/A.20.11.52", 4, "petites"},   // 33..61: byte + 64 is the letter
        {"petites/A.40.11.52", 1, "petit"},
        {"aimé/A.20.11.60", 3, "aimée"},      // 60: é
        {"chat/A.20.10.252", 2, "chats"},
        {"acteur/A.20.10.253", 3, "actrice"},
        {"actrices/A.40.10.253", 1, "acteur"},
        {"actrice/A.36.10.253", 2, "acteurs"},
        {"créateur/A.20.10.254", 3, "créatrice"},
        {"créatrices/A.40.10.254", 1, "créateur"},
        {"national/A.20.11.255", 2, "nationaux"},
        {"nationaux/A.24.11.255", 1, "national"},
        {"nationales/A.40.11.255", 1, "national"},
        {"nationale/A.36.11.255", 4, "nationales"},
        {"bateau/A.20.10.171", 2, "bateaux"},  // 160..232: a suffix of the list, + x for 171
        {"bateaux/A.24.10.171", 1, "bateau"},
        {"moment/A.20.10.188", 2, "moments"},
        {"cruel/A.20.11.233", 3, "cruelle"},    // 233..: masculine and feminine suffixes
        {"cruelles/A.40.11.233", 1, "cruel"},
        {"boulanger/A.20.10.240", 3, "boulangère"},
        {"boulangères/A.40.10.240", 2, "boulangers"},
        {"ptite/A.36.11.59", 2, "-"},         // unknown: given up
    };
    for (const TableCase& c : cases) {
        Build(c.words);
        ExpectNounRow(this, c, Compose(41, 0, 0, 1, 0, 0, c.target));
    }
    KRZEnd();
}

TEST_F(CorrectionTableTest, FrenchHomophones) {
    Load(3);
    struct Case {
        const char* words;
        u16 extent;
        u16 agreement;
        const char* expected;
        u8 variant;
    };
    const Case cases[] = {
        {"vielle/A.4.10", 0, 0, "vieille", 'G'},
        {"vielles/A.8.10", 0, 0, "vieilles", 'G'},    // (features & 31) of 8 and more: plural
        {"quand/#0.0.5", 0, 0, "où", 'G'},
        {"dans/#32.0.15", 0, 0, "à", 'G'},
        // "sur mon avis" at the opening (extent 0) is "à mon avis", not the
        // homophone entry 0.
        {"sur/#34.0.15 mon/m.20.8 avis/A.20.10", 0, 0, "à", 'G'},
        {"Sur/#34.0.15~1 mon/m.20.8 avis/A.20.10", 0, 0, "A", 'G'},  // no accents on capitals
        {"que/#0.0.5", 9999, 0, "ce que", 'G'},
    };
    for (const Case& c : cases) {
        Build(c.words);
        gHomophoneAgreement = c.agreement;
        EXPECT_EQ(Compose(32, 0, 0, 1, 'x', 0, c.extent), ToMacRoman(c.expected)) << c.words;
        EXPECT_EQ(gErrorVariant, c.variant) << c.words;
    }
    KRZEnd();
}

TEST_F(CorrectionTableTest, FrenchParticiplesAndInfinitives) {
    Load(3);
    ASSERT_TRUE(gEndingRows.count > 1 && gEndingRows[1].EndingLengths[0] != 0) << "no French model rows";
    struct Case {
        const char* words;
        RuleCode code;
        u8 variant;
        u16 extent;
        const char* expected;
    };
    const Case cases[] = {
        {"chanter/#240.0.11.1", 43, 'B', 0, "chanté"},       // 'B': the past participle
        {"chanté/#240.2.11.1", 43, 'x', 3, "chantée"},       // slot extent + 1
        {"chanté/#240.2.11.1", 43, 'x', 4, "chantées"},
        {"chantés/#240.3.11.1", 46, 'x', 1, "-"},            // 46 asks for category 13
        {"chanté/#240.2.13.1", 46, 'x', 2, "chantés"},
        {"chanté/#240.2.10.1", 47, 'x', 0, "chanter"},       // 47: the infinitive
        {"chantée/#240.4.11.1", 47, 'x', 0, "chanter"},
        {"chanter/#65.0.11.1", 47, 'x', 0, "-"},             // no verb class
    };
    for (const Case& c : cases) {
        Build(c.words);
        const std::string got = Compose(c.code, 0, 0, 1, c.variant, 0, c.extent);
        if (std::string(c.expected) == "-") {
            EXPECT_TRUE(got.empty() || gErrorExtent == kNoCorrection) << c.words << " gave " << got;
        } else {
            EXPECT_EQ(got, ToMacRoman(c.expected)) << c.words << " " << c.code;
        }
    }
    KRZEnd();
}

TEST_F(CorrectionTableTest, FrenchSubjectVerbAgreement) {
    Load(3);
    ASSERT_TRUE(gEndingRows.count > 1 && gEndingRows[1].EndingLengths[0] != 0) << "no French model rows";
    struct Case {
        const char* words;
        u8 verbNumber;   // the number the verb now has
        SegmentRecord subject;  // gender, number, person value, kind, ...
        const char* expected;
    };
    const Case cases[] = {
        {"ils/U.0.1 chante/#240.8.14.1", 1, SegmentRecord{1, 2, 3, 1, 0, 0, 0, 0xFF}, "chantent"},
        {"il/U.0.1 chantent/#240.11.14.1", 2, SegmentRecord{1, 1, 3, 1, 0, 0, 0, 0xFF}, "chante"},
        {"vous/\\.0.1 chante/#240.8.14.1", 1, SegmentRecord{1, 2, 2, 1, 0, 0, 0, 0xFF}, "chantez"},
    };
    for (const Case& c : cases) {
        Build(c.words);
        gSegmentCount = 1;
        gSegments[0] = c.subject;
        gErrorNumber = c.verbNumber;
        gErrorPerson = 3;
        EXPECT_EQ(Compose(44, 1, 1, 2, 0, 0, 0), ToMacRoman(c.expected)) << c.words;
    }
    gSegmentCount = 0;
    gErrorNumber = gErrorPerson = 0;
    KRZEnd();
}

// The re-run dispatcher never objects: every candidate is kept.
RuleCode CleanRerun(u16 /*mode*/) { return 0; }

TEST_F(CorrectionTableTest, EnglishConfusableWords) {
    Load(0);
    gDispatcherTestHook = CleanRerun;
    struct Case {
        const char* words;
        u8 variant;
        const char* expected;
    };
    const Case cases[] = {
        {"real/B.0.11 good", 0, "really good"},
        {"you're/^.0.1 car", 0, "your car"},
        {"they're/^.0.1 car", 0, "their car"},
        {"there/#20.0.18 car", 0, "their car"},
        {"its/s.0.8 raining", 0, "it's raining"},
        {"him/].0.2 is", 0, "he is"},
        {"they/a.0.1 saw", 0, "them saw"},
        {"to/#20.0.15 much", 0, "too much"},
        {"cant/#242.0.14 go", 0, "can't go"},
        {"i/U.0.1 go", 'i', "I"},
        {"the/c.0.7 best", 'S', "most"},
        {"the/c.0.7 better", 'L', "more"},
        {"they/a.0.1 their", 'A', "they there"},
        {"saw/#240.0.14 he/^.0.1", 'A', "saw him"},
        {"is/#128.0.14 big", 'Q', "biggest"},  // after "bigest" is not found
        {"is/#128.0.14 good", 'Q', "best"},
        {"red/B.0.11 car", 'P', "car red"},
        {"blah/A.0.10 car", 0, "-"},
    };
    for (const Case& c : cases) {
        Build(c.words);
        const std::string got = Compose(40, 0, 0, 2, c.variant, 0, 0);
        if (std::string(c.expected) == "-") {
            EXPECT_EQ(gErrorExtent, kNoCorrection) << c.words << " gave " << got;
        } else {
            EXPECT_EQ(got, c.expected) << c.words << " '" << static_cast<char>(c.variant ? c.variant : '-') << "'";
        }
    }
    KRZEnd();
}

// ---- Second reading of a guessed word ---------------------------------------------------

TEST_F(CorrectionTableTest, GuessedWordsGetASecondReading) {
    struct Case {
        u16 language;
        const char* word;   // with its derived reading as reading 0
        const char* base;   // the guesser's base text
        int cls, features, byte;  // expected second reading; cls -1: none
        const char* newBase;
    };
    const Case cases[] = {
        // French adjectives that may be verb forms: the infinitive is the base.
        {3, "chanta/C.4", "chanta", 240, 26, 1, "chanter"},
        {3, "chante/C.4", "chante", 240, 51, 1, "chanter"},
        {3, "finis/C.28", "fini", 240, 55, 15, "finir"},
        {3, "chantai/C.20", "chantai", 240, 24, 1, "chanter"},
        {3, "chantait/C.20", "chantait", 240, 14, 1, "chanter"},
        {3, "finit/C.20", "finit", 240, 60, 15, "finir"},
        {3, "chantent/C.20", "chantent", 240, 54, 1, "chanter"},
        {3, "chantant/C.20", "chantant", 240, 1, 1, "chanter"},
        {3, "finissant/C.20", "finissant", 240, 1, 15, "finir"},
        {3, "chantez/C.20", "chantez", -1, 0, 0, "chantez"},
        {3, "bleu/#20.20", "bleus", 'A', 24, 20, "bleu"},     // a plural base loses its s
        // French verb forms that may be nouns or adjectives.
        {3, "chanté/#240.0.0.1", "chanté", 'C', 20, 'R', "chanter"},
        {3, "chantées/#240.4.0.1", "chantées", 'C', 36, 'E', "chanter"},
        {3, "finie/#240.9.0.15", "finie", 'A', 8, 'N', "finie"},
        {3, "chanté/#240.33.0.1", "chanté", -1, 0, 0, "chanté"},
        {3, "chanté/A.4", "chanté", -1, 0, 0, "chanté"},
        // English.
        {0, "blurp/#20.0", "blurp", 'B', 4, 25, "blurp"},
        {0, "fleply/A.0.0.31", "fleply", 128, 0, 17, "fleply"},
        {0, "fleplies/A.8.0.31", "fleplies", 128, 1, 17, "fleply"},
        {0, "blurpes/A.8.0.252", "blurpes", 128, 1, 1, "blurp"},
        {0, "blurpes/A.8.0.253", "blurpes", 128, 1, 16, "blurpe"},
        {0, "blurpe/A.4.0.32", "blurpe", 128, 0, 16, "blurpe"},
        {0, "blurp/A.4.0.32", "blurp", 128, 0, 1, "blurp"},
        {0, "blurping/#128.2.0.16", "blurping", 'B', 4, 39, "blurpe"},
        {0, "blurping/#128.2.0.1", "blurping", 'B', 4, 39, "blurp"},
        {0, "blurpping/#128.2.0.17", "blurpping", 'B', 4, 39, "blurp"},
        {0, "blurped/#128.1.0.16", "blurped", 'A', 8, 61, "blurpe"},
        {0, "blurpied/#128.1.0.17", "blurpied", 'A', 8, 31, "blurpy"},
        {0, "blurps/#128.3.0.1", "blurps", -1, 0, 0, "blurps"},
    };
    for (const Case& c : cases) {
        gCheckingLanguage = c.language;
        Build(c.word);
        WordRecord& w = gWords[0];
        CopyCString(w.BaseText, ToMacRoman(c.base).c_str());
        AddGuessedSecondReading(w);
        if (c.cls < 0) {
            EXPECT_EQ(w.ReadingCount, 1) << c.word;
        } else {
            ASSERT_EQ(w.ReadingCount, 2) << c.word;
            EXPECT_EQ(w.ReadingClasses[1], c.cls) << c.word;
            EXPECT_EQ(w.ReadingFeatures[1], c.features) << c.word;
            EXPECT_EQ(w.ReadingMarks[1], c.byte) << c.word;
        }
        EXPECT_EQ(Text(w.BaseText), ToMacRoman(c.newBase)) << c.word;
    }
}

}  // namespace

namespace {

// In analysis mode an unknown word is settled by its guess: the French
// guesser reads "-ait" as an adjective that may be an imperfect, whose
// infinitive becomes the word's base text.
TEST_F(CorrectionTableTest, AnalysisSettlesAGuessedWordWithItsVerbReading) {
    Load(3);
    gDispatcherTestHook = CleanRerun;
    Build("il/U.0.1 blorchait/A.0.10");
    gAnalysisMode = 1;
    gDerivedStemCount = 0;
    StringList forms;
    InitByteMatrix(forms, 16, 36);
    EXPECT_EQ(BuildWordFormsForCorrection(775, 1, forms), 1);
    gAnalysisMode = 0;
    EXPECT_EQ(Text(forms[0]), "blorchait");
    EXPECT_EQ(Text(gWords[1].WordText), "blorchait");
    EXPECT_EQ(gWords[1].CorrectionMark, 1);
    EXPECT_EQ(Text(gWords[1].BaseText), "blorcher");
    if (gRelationWorkStrings.count > 0) {
        ASSERT_EQ(gDerivedStemCount, 1);
        EXPECT_EQ(Text(gRelationWorkStrings[0]).substr(0, 8), "blorcher");
    }
    KRZEnd();
}

}  // namespace
