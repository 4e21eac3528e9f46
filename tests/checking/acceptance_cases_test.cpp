// The acceptance cases of tests/data/cases (their format: README.md there):
// every sentence of every file through the paragraph exports on the
// built-in dictionary, the findings' classes and spans against the file's
// lines. Known gaps are marked expected failures with their reasons.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "acceptance_fixture.h"
#include "checking/dispatcher.h"
#include "checking/paragraph.h"
#include "frame/records.h"
#include "frame/report.h"
#include "frame/tables.h"

namespace {

// The internal harness: the sentence checking on real data with a
// recording hit callback, which keeps what the host record does not carry:
// the code, the variant, detail and kind of each finding, and its span.
struct Hit {
    RuleCode code;
    u8 variant;
    u16 detail, kind;
    u32 start, end;
    i16 lastErrorPos;
};
std::vector<Hit> gHits;
bool gDuplicateStop = false;

u16 RecordHit(i32 first, i32 last, RuleCode code, u16 detail, u16 kind, const BoundedString&, u16,
              const StringList&, u16) {
    auto at = [](i32 i) { return i < 0 || i >= static_cast<i32>(gWordCount) ? 0 : i; };
    first = at(first);
    last = at(last);
    const Hit h{code, gErrorVariant, detail, kind, gWords[first < last ? first : last].StartOffset,
                gWords[last].EndOffset, gLastErrorPos};
    int same = 0;
    for (const Hit& o : gHits) same += o.code == h.code && o.start == h.start && o.end == h.end;
    gHits.push_back(h);
    if (same >= 2) {  // the report loop should have ended on its own
        gDuplicateStop = true;
        return 0;
    }
    return 1;
}

std::vector<Hit> Record(const std::string& utf8) {
    gHits.clear();
    gDuplicateStop = false;
    gRefusedCascadeResults = 0;
    const std::string text = acceptance::Utf8ToWindows1252(utf8);
    static ParagraphErrorRecord table[KRZ_MAX_PARAGRAPH_ERRORS];
    CheckParagraphSentences(text.c_str(), 0, static_cast<i32>(text.size()), table, {1, 1, 0, 0}, RecordHit);
    KRZClearParagraphTab(table, KRZ_MAX_PARAGRAPH_ERRORS);
    return gHits;
}

std::string DescribeHits(const std::vector<Hit>& hits) {
    std::string out;
    for (const Hit& h : hits) {
        out += " " + std::to_string(h.code);
        if (h.variant >= 32 && h.variant < 127) out += std::string("'") + static_cast<char>(h.variant) + "'";
        out += "@" + std::to_string(h.start) + "-" + std::to_string(h.end);
    }
    return out.empty() ? " nothing" : out;
}

// The code column: the code, or the code and the detail ("41/2").
bool SameCode(const Hit& h, const std::string& column) {
    const std::size_t slash = column.find('/');
    if (slash == std::string::npos) return std::to_string(h.code) == column;
    return std::to_string(h.code) == column.substr(0, slash) && std::to_string(h.detail) == column.substr(slash + 1);
}

using acceptance::Describe;
using acceptance::Found;

const std::string kCaseDir = std::string(KRZ_TEST_DATA_DIR) + "/cases";

struct CaseLine {
    int line = 0;
    std::string sentence, code, variant, word;
    uint16_t errorClass = 0;
    uint32_t start = 0, end = 0;
    bool grammar = false, spelling = false;
    std::string expectedFailure;  // the reason of a known gap, or empty
    bool Finding() const { return code != "-"; }
};

// The lines of a case file; a malformed line fails the test with its number.
std::vector<CaseLine> ReadCases(const std::string& path) {
    std::vector<CaseLine> cases;
    std::ifstream in(path);
    EXPECT_TRUE(in.good()) << path;
    std::string text;
    for (int number = 1; std::getline(in, text); ++number) {
        if (text.empty() || text[0] == '#') continue;
        const std::vector<std::string> c = acceptance::Columns(text);
        if (c.size() < 7 || c.size() > 8) {
            ADD_FAILURE() << path << ":" << number << ": 7 or 8 columns expected, " << c.size() << " found";
            continue;
        }
        CaseLine k;
        k.line = number;
        k.sentence = c[0];
        k.code = c[1];
        k.variant = c[2];
        k.word = c[4];
        if (k.Finding()) {
            k.errorClass = static_cast<uint16_t>(std::stoi(c[3]));
            const std::size_t dash = c[5].find('-');
            k.start = static_cast<uint32_t>(std::stoul(c[5].substr(0, dash)));
            k.end = static_cast<uint32_t>(std::stoul(c[5].substr(dash + 1)));
        }
        k.grammar = c[6].find("grammar") != std::string::npos;
        k.spelling = c[6].find("spelling") != std::string::npos;
        EXPECT_TRUE(k.grammar || k.spelling) << path << ":" << number << ": no export named";
        if (c.size() == 8) {
            EXPECT_EQ(c[7].rfind("xfail: ", 0), 0u) << path << ":" << number << ": \"xfail: reason\" expected";
            k.expectedFailure = c[7].substr(std::min<std::size_t>(7, c[7].size()));
        }
        cases.push_back(k);
    }
    return cases;
}

// The finding tables; the reading tables (*_readings.tsv) have a runner of
// their own (tests/analysis/reading_tables_test.cpp).
std::vector<std::string> CaseFiles() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(kCaseDir)) {
        const std::string stem = entry.path().stem().string();
        const bool readings = stem.find("_readings") != std::string::npos;
        if (entry.path().extension() == ".tsv" && !readings) names.push_back(stem);
    }
    std::sort(names.begin(), names.end());
    return names;
}

class AcceptanceCasesTest : public acceptance::AcceptanceTest,
                            public ::testing::WithParamInterface<std::string> {
protected:
    void SetUp() override {
        english_ = GetParam().rfind("en_", 0) == 0;
        Start(english_ ? 0 : 3, english_ ? "cat" : "chat");
    }

    // Checks one sentence in one export against its lines: the findings
    // must be exactly the lines' findings. Returns what went wrong, or "".
    std::string Mismatch(const std::string& sentence, const std::vector<const CaseLine*>& lines, bool grammar) {
        const std::vector<Found> found = grammar ? Grammar(sentence) : Spelling(sentence);
        std::vector<Found> expected;
        for (const CaseLine* k : lines)
            if (k->Finding()) expected.push_back({k->start, k->end, k->errorClass});
        bool same = found.size() == expected.size();
        for (const Found& e : expected) same = same && acceptance::Holds(found, e.start, e.end, e.errorClass);
        // Every grammar finding tells the user why.
        for (const Found& f : found)
            if (grammar && f.errorClass >= 3 && !f.explained)
                return "grammar export gave a finding without explanation at " + std::to_string(f.start) + "-" +
                       std::to_string(f.end);
        if (same) return "";
        return std::string(grammar ? "grammar" : "spelling") + " export gave" + Describe(found) + ", expected" +
               Describe(expected);
    }

    // The codes and variants of the grammar lines against the harness.
    std::string CodeMismatch(const std::string& sentence, const std::vector<const CaseLine*>& lines) {
        const std::vector<Hit> hits = Record(sentence);
        std::string why;
        // The properties of the report loop: it ends on 0, and every result
        // of the clause cascade that the dispatcher tests passes the resume
        // test (a refused one is a rule that gates otherwise than it reports).
        if (gDuplicateStop) why = " (the report loop ended on the duplicate stop)";
        if (gRefusedCascadeResults != 0)
            why += " (" + std::to_string(gRefusedCascadeResults) + " cascade results refused by the resume test)";
        for (const CaseLine* k : lines) {
            if (!k->grammar || !k->Finding()) continue;
            bool held = false;
            for (const Hit& h : hits) {
                held = held || (SameCode(h, k->code) && h.start <= k->start && h.end >= k->end &&
                                (k->variant == "-" || (k->variant.size() == 1 && h.variant == static_cast<u8>(k->variant[0]))));
            }
            if (!held) why += " no " + k->code + (k->variant == "-" ? "" : "'" + k->variant + "'") + " at " +
                              std::to_string(k->start) + "-" + std::to_string(k->end);
        }
        return why.empty() ? "" : "harness gave" + DescribeHits(hits) + ":" + why;
    }

    bool english_ = false;
};

TEST_P(AcceptanceCasesTest, SentencesGiveTheirFindings) {
    const std::string path = kCaseDir + "/" + GetParam() + ".tsv";
    const std::vector<CaseLine> cases = ReadCases(path);
    ASSERT_FALSE(cases.empty()) << path;
    // The lines of each sentence, in the order of the file.
    std::vector<std::string> order;
    std::map<std::string, std::vector<const CaseLine*>> bySentence;
    for (const CaseLine& k : cases) {
        if (bySentence.count(k.sentence) == 0) order.push_back(k.sentence);
        bySentence[k.sentence].push_back(&k);
        if (k.Finding()) {
            const std::string text = acceptance::Utf8ToWindows1252(k.sentence);
            const std::string at = k.end < text.size() && k.start <= k.end ? text.substr(k.start, k.end - k.start + 1) : "";
            EXPECT_EQ(at, acceptance::Utf8ToWindows1252(k.word)) << path << ":" << k.line << ": the span does not hold the word";
        }
    }
    for (const std::string& sentence : order) {
        const std::vector<const CaseLine*>& lines = bySentence[sentence];
        std::string reason;
        for (const CaseLine* k : lines)
            if (!k->expectedFailure.empty()) reason = k->expectedFailure;
        for (const bool grammar : {true, false}) {
            std::vector<const CaseLine*> named;
            for (const CaseLine* k : lines)
                if (grammar ? k->grammar : k->spelling) named.push_back(k);
            if (named.empty()) continue;
            std::string mismatch = Mismatch(sentence, named, grammar);
            if (mismatch.empty() && grammar) mismatch = CodeMismatch(sentence, named);
            const int line = named.front()->line;
            if (reason.empty()) {
                EXPECT_EQ(mismatch, "") << path << ":" << line << ": " << sentence;
            } else if (mismatch.empty()) {
                ADD_FAILURE() << path << ":" << line << ": " << sentence
                              << ": passes, yet is marked as a known gap (" << reason << "): remove the mark";
            } else {
                std::cout << "[ known gap ] " << GetParam() << ":" << line << ": " << sentence << ": " << reason
                          << " (" << mismatch << ")\n";
            }
        }
    }
}

class ParticipleFindingTest : public acceptance::AcceptanceTest {
protected:
    void SetUp() override { Start(3, "chat"); }
};

// A past participle finding of the verb pre-cascade reaches the checker as
// kind 3, also when its rule leaves the kind as the reports before it did.
TEST_F(ParticipleFindingTest, ReachesTheCheckerAsKind3) {
    for (const char* sentence : {"Elle a mangée.", "La pomme que j'ai mangé est bonne."}) {
        bool seen = false;
        for (const Hit& h : Record(sentence)) {
            if (h.code != 43) continue;
            seen = true;
            EXPECT_EQ(h.kind, 3) << sentence;
        }
        EXPECT_TRUE(seen) << sentence;
    }
}

INSTANTIATE_TEST_SUITE_P(Files, AcceptanceCasesTest, ::testing::ValuesIn(CaseFiles()),
                         [](const ::testing::TestParamInfo<std::string>& p) { return p.param; });

}  // namespace
