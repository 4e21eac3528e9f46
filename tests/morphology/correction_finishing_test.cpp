// Correction finishing: capitals by case pattern, quote marks, accents of
// words typed in capitals, and æ / œ ligatures; every change stays inside
// the 36-byte slot.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "frame/loader.h"
#include "frame/mac_roman_literal.h"
#include "frame/report.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "krzlib.h"
#include "morphology/correction_finishing.h"
#include "morphology/word_lookup.h"

namespace {

class CorrectionFinishingTest : public ::testing::Test {
protected:
    void SetUp() override {
        while (gInitCount != 0) KRZEnd();
        KRZInit(3, 0);
    }
    void TearDown() override {
        gCaseMode = 0;
        gAccentsOnCapitals = 0;
        gAnalysisMode = 0;
        while (gInitCount != 0) KRZEnd();
    }
    static BoundedString Text(const std::string& t) {
        BoundedString s;
        s.Allocate(36);
        std::memcpy(s.data, t.data(), std::min<std::size_t>(t.size(), 35));
        return s;
    }
    static std::string Str(const BoundedString& s) { return reinterpret_cast<const char*>(s.data); }
};

TEST_F(CorrectionFinishingTest, CapitalsFollowTheCasePattern) {
    struct Case {
        u16 caseMode;
        u16 accents;
        std::string in;
        std::string out;
    };
    const std::vector<Case> cases = {
        {1, 0, MR("école"), "Ecole"},
        {2, 0, MR("école"), MR("École")},
        {1, 1, MR("école"), MR("École")},
        {2, 1, MR("école"), MR("École")},
        {3, 0, MR("île"), "ILE"},
        {4, 0, MR("île"), MR("ÎLE")},
        {3, 0, MR("cœur"), MR("CŒUR")},
        {1, 0, MR("ñu"), MR("ñu")},
        {5, 0, "jean\x9B" "pierre", "Jean\x9B" "Pierre"},
        {6, 1, std::string("jean\x9B") + MR("élie"), "Jean\x9B" "Elie"},  // after the hyphen: accents dropped
        {0, 0, "mot", "mot"},
        {65535, 0, "mot", "mot"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in);
        gCaseMode = c.caseMode;
        gAccentsOnCapitals = c.accents;
        BoundedString s = Text(c.in);
        ApplyCapitalization(s);
        EXPECT_EQ(Str(s), c.out);
    }
}

TEST_F(CorrectionFinishingTest, QuotesAroundTheWord) {
    struct Case {
        const char* in;
        u16 flags;
        const char* out;
    };
    const std::vector<Case> cases = {
        {"mot", 3, "'mot'"}, {"mot", 7, "\"mot\""}, {"mot", 1, "'mot"},
        {"mot ", 2, "mot' "}, {"mot", 0, "mot"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in);
        BoundedString s = Text(c.in);
        RestoreQuotes(s, c.flags);
        EXPECT_EQ(Str(s), c.out);
    }
    // A full slot loses its last character rather than its terminator.
    BoundedString full = Text(std::string(35, 'a'));
    RestoreQuotes(full, 3);
    EXPECT_EQ(Str(full), "'" + std::string(34, 'a'));
    EXPECT_EQ(full.data[35], 0);
    // Analysis mode adds nothing.
    gAnalysisMode = 1;
    BoundedString s = Text("mot");
    RestoreQuotes(s, 3);
    EXPECT_EQ(Str(s), "mot");
}

TEST_F(CorrectionFinishingTest, BuiltInLigatures) {
    struct Case {
        const char* in;
        const char* out;
    };
    const std::vector<Case> cases = {
        {"coeur", MR("cœur")},         {"oeuvre", MR("œuvre")},   {"oeil", MR("œil")},
        {"coelacanthe", MR("cœlacanthe")}, {"poete", "poete"},    {"caecum", MR("cæcum")},
        {"maestro", "maestro"},        {"soeurs", MR("sœurs")},   {"oeil-de-boeuf", MR("œil-de-bœuf")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in);
        BoundedString s = Text(c.in);
        ApplyLigatureSpelling(s, 0);
        EXPECT_EQ(Str(s), c.out);
    }
    gAnalysisMode = 1;
    BoundedString s = Text("coeur");
    ApplyLigatureSpelling(s, 0);
    EXPECT_EQ(Str(s), "coeur");
}

TEST_F(CorrectionFinishingTest, AccentsOfWordsTypedInCapitals) {
    struct Case {
        u16 caseMode;
        const char* in;
        const char* out;
    };
    const std::vector<Case> cases = {
        {4, MR("ÉCOLE"), MR("école")},  // accented capitals: lowered, nothing looked up
        {3, "PARIS", "paris"},          // known as written once lowered
        {1, "Chat", "chat"},
        {1, "OEuvre", "oeuvre"},        // a ligature pair lowers the whole word
        {5, "Jean\x9BPierre", "jean\x9Bpierre"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in);
        gCaseMode = c.caseMode;
        BoundedString s = Text(c.in);
        RestoreAccentedLowercase(s);
        EXPECT_EQ(Str(s), c.out);
        EXPECT_EQ(gCaseMode, c.caseMode);  // put back
    }
}

}  // namespace
