// The clause cascade frame: the language switch, the cleared clause
// numbers, the result when nothing fires, and the report protocol shared by
// the own rules (extent after a rule 40 at the same word, agreement tail).
#include <gtest/gtest.h>

#include "../checking/word_table_fixture.h"
#include "rules/clause/clause_frame.h"
#include "rules/clause/clause_rules.h"

namespace {

using word_table::Build;

class ClauseFrameTest : public word_table::WordTableTest {};

TEST_F(ClauseFrameTest, NothingFoundInEitherLanguage) {
    for (const u16 language : {0, 3}) {
        gCheckingLanguage = language;
        // (a sentence opened by a numeral is not taken for one without verb)
        Build(language == 0 ? "2 cats sleep ./" : "2 chats dorment ./");
        for (i32 i = 0; i < gWordCount; ++i) gWords[i].ClauseNumber = 5;
        u16 out = 9;
        EXPECT_EQ(CheckFrenchClauseRules(out), 0) << language;
        EXPECT_EQ(out, 0) << language;
        for (i32 i = 0; i < gWordCount; ++i) EXPECT_EQ(gWords[i].ClauseNumber, 0) << language << " word " << i;
    }
}

TEST_F(ClauseFrameTest, ReportProtocol) {
    rules::ClearSegmentTable();
    gSegments[1].FirstWord = 4;
    gSegmentCount = 2;
    struct Case {
        u16 lastRule;
        i16 lastPos;
        bool keepExtent;
        u16 extent;
    } cases[] = {
        {40, 4, false, 65535},  // a rule 40 at the segment's first word
        {40, 3, false, 2},
        {39, 4, false, 2},
        {40, 4, true, 2},       // the rules that write their own value
    };
    for (const Case& c : cases) {
        gLastRule = c.lastRule;
        gLastErrorPos = c.lastPos;
        rules::RuleReport r;
        r.code = 45;
        r.pos = 4;
        r.extent = 2;
        u16 out = 0;
        EXPECT_EQ(CommitClauseReport(r, 1, out, c.keepExtent), 45);
        EXPECT_EQ(out, 4);
        EXPECT_EQ(gErrorExtent, c.extent) << c.lastRule << "@" << c.lastPos;
        EXPECT_EQ(gLastRule, c.lastRule) << "the dispatcher records";
    }
    gLastRule = 0;
    gLastErrorPos = -1;
    ClauseFrame f;
    OpenClauseFrame(f);
    f.currentSegment = 1;
    rules::RuleReport r;
    r.kind = 3;
    r.variant = 'D';
    u16 out = 0;
    EXPECT_EQ(AgreementTail(f, r, out), 43);
    EXPECT_EQ(out, 4);
    r.variant = 'B';
    EXPECT_EQ(AgreementTail(f, r, out), 45);
    r.kind = 4;
    r.variant = 'A';
    EXPECT_EQ(AgreementTail(f, r, out), 45);
}

}  // namespace
