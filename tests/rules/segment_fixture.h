// Fills the segment table from a compact notation, for the rule tests that
// write by hand the records the earlier stages would leave:
//
//   "24:0-1 2/1/3, 14:2-2 s2, 10:3-3 0/2 l254"
//
// Records are joined by ','. A record is kind:first-last, then optionally
// gender/number[/person], sN (state) and lN (link; 255 when absent).
#pragma once
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "../checking/word_table_fixture.h"
#include "frame/records.h"
#include "frame/tables.h"
#include "rules/clause/clause_walk.h"
#include "rules/rule_words.h"

namespace segment_table {

inline void Build(const std::string& notation) {
    rules::ClearSegmentTable();
    std::istringstream in(notation);
    std::string item;
    i32 k = 0;
    while (std::getline(in, item, ',')) {
        int kind = 0, first = 0, last = 0, used = 0;
        ASSERT_EQ(std::sscanf(item.c_str(), " %d:%d-%d%n", &kind, &first, &last, &used), 3) << item;
        SegmentRecord& r = gSegments[k++];
        r.SegmentKind = static_cast<u8>(kind);
        r.FirstWord = static_cast<u8>(first);
        r.LastWord = static_cast<u8>(last);
        std::istringstream fields(item.substr(static_cast<std::size_t>(used)));
        std::string field;
        while (fields >> field) {
            int a = 0, b = 0, c = 0;
            if (field[0] == 's') r.State = static_cast<u8>(std::stoi(field.substr(1)));
            else if (field[0] == 'l') r.Link = static_cast<u8>(std::stoi(field.substr(1)));
            else if (std::sscanf(field.c_str(), "%d/%d/%d", &a, &b, &c) >= 2) {
                r.Gender = static_cast<u8>(a);
                r.Number = static_cast<u8>(b);
                r.Person = static_cast<u8>(c);
            }
        }
    }
    gSegmentCount = static_cast<u16>(k);
}

// Records as "kind:first-last g/n l" joined by ", ".
inline std::string Describe() {
    std::string s;
    for (i32 k = 0; k < gSegmentCount; ++k) {
        const SegmentRecord& r = gSegments[k];
        s += (k ? ", " : "") + std::to_string(r.SegmentKind) + ":" + std::to_string(r.FirstWord) + "-" +
             std::to_string(r.LastWord) + " " + std::to_string(r.Gender) + "/" + std::to_string(r.Number) + " l" +
             std::to_string(r.Link);
    }
    return s;
}

// The rule tests of the French clause cascade: French, the rules as a
// whole, the segment table emptied afterwards.
class ClauseTableTest : public word_table::WordTableTest {
protected:
    void SetUp() override {
        WordTableTest::SetUp();
        gCheckingLanguage = 3;
    }
    void TearDown() override {
        rules::ClearSegmentTable();
        WordTableTest::TearDown();
    }
};

// The report series of a rule block over one sentence, as the dispatcher
// calls the cascade: the tables rebuilt before each call, the previous
// report as the resume point. Every result must pass the resume test and
// the series must end on 0. `variant` stands for one an earlier rule left.
inline std::vector<word_table::Hit> Series(const char* words, const char* segments,
                                           const std::function<RuleCode(u16&)>& block, u8 variant = 0) {
    word_table::StartSeries();
    gErrorVariant = variant;
    std::vector<word_table::Hit> hits;
    for (int call = 0; call < 8; ++call) {
        word_table::Build(words);
        Build(segments);
        u16 out = 0;
        const RuleCode r = block(out);
        if (r == 0) return hits;
        EXPECT_TRUE(r > gLastRule || (r == gLastRule && static_cast<i16>(out) > gLastErrorPos))
            << "refused: " << r << " at " << out;
        hits.push_back({r, out, gErrorVariant, gErrorDetail, gErrorExtent});
        gLastRule = r;
        gLastErrorPos = static_cast<i16>(out);
    }
    ADD_FAILURE() << "the report loop never ended";
    return hits;
}

}  // namespace segment_table
