// Segment tables for the analysis cascade tests, in a compact notation
// beside the word table's:
//
//   "23:0-1:2.2 14:2-2 10:3-3:2.2.0.1"
//
// Segments are separated by blanks: kind:first-last, then optionally
// ':' gender.number.person.state. Links start at 255 as the segmenters
// leave them.
#pragma once
#include <cstdlib>
#include <sstream>
#include <string>

#include "../checking/word_table_fixture.h"
#include "rules/rule_words.h"

namespace analysis_fixture {

inline void BuildSegments(const std::string& notation) {
    rules::ClearSegmentTable();
    std::istringstream in(notation);
    std::string item;
    gSegmentCount = 0;
    while (in >> item) {
        SegmentRecord& s = gSegments[gSegmentCount];
        char* p = nullptr;
        s.SegmentKind = static_cast<u8>(std::strtoul(item.c_str(), &p, 10));
        s.FirstWord = static_cast<u8>(std::strtoul(p + 1, &p, 10));
        s.LastWord = static_cast<u8>(std::strtoul(p + 1, &p, 10));
        u8* bytes[] = {&s.Gender, &s.Number, &s.Person, &s.State};
        for (u8* b : bytes) {
            if (*p != ':' && *p != '.') break;
            *b = static_cast<u8>(std::strtoul(p + 1, &p, 10));
        }
        ++gSegmentCount;
    }
}

// The table back in the same notation (all four bytes, and the link).
inline std::string Segments() {
    std::string out;
    for (i32 k = 0; k < gSegmentCount; ++k) {
        const SegmentRecord& s = gSegments[k];
        if (k) out += ' ';
        out += std::to_string(s.SegmentKind) + ":" + std::to_string(s.FirstWord) + "-" + std::to_string(s.LastWord) +
               ":" + std::to_string(s.Gender) + "." + std::to_string(s.Number) + "." + std::to_string(s.Person) + "." +
               std::to_string(s.State) + "@" + std::to_string(s.Link);
    }
    return out;
}

// A test on the word and segment tables in analysis mode, outside the
// reading trial; the segment table is emptied after it.
class AnalysisTableTest : public word_table::WordTableTest {
protected:
    void SetUp() override {
        word_table::WordTableTest::SetUp();
        gAnalysisMode = 1;
    }
    void TearDown() override {
        rules::ClearSegmentTable();
        gClauseMark = 0;
        word_table::WordTableTest::TearDown();
    }
};

// FunctionCode of every word, blank-separated.
inline std::string Functions() {
    std::string out;
    for (i32 k = 0; k < gWordCount; ++k) out += (k ? " " : "") + std::to_string(gWords[k].FunctionCode);
    return out;
}

}  // namespace analysis_fixture
