// The relation text: the group writer on tables set by hand (the words
// read with the built-in French dictionary), and the export's frame.
#include <string>
#include <vector>

#include "analysed_sentence.h"
#include "analysis/relation_text.h"
#include "frame/records.h"
#include "frame/report.h"
#include "frame/tables.h"

namespace {

SegmentRecord Seg(u8 kind, u8 first, u8 head, u8 gender = 0, u8 number = 0) {
    SegmentRecord s{};
    s.SegmentKind = kind;
    s.FirstWord = first;
    s.LastWord = head;
    s.Gender = gender;
    s.Number = number;
    return s;
}

class RelationTextTest : public acceptance::AcceptanceTest {
protected:
    void SetUp() override {
        for (auto& b : storage_) b.assign(65536, 0);
    }
    void TearDown() override {
        sentence_.Reset();
        gSegmentCount = 0;
        acceptance::AcceptanceTest::TearDown();
    }
    // Loads the sentence and gives it the groups and functions the grammar
    // cascades would give (every other word: no function, no link).
    void Inject(const char* utf8, std::vector<SegmentRecord> groups) {
        sentence_.Load(utf8);
        gSegmentCount = static_cast<u16>(groups.size());
        for (u32 k = 0; k < groups.size(); ++k) gSegments[static_cast<i32>(k)] = groups[k];
        for (i32 i = 0; i < static_cast<i32>(gWordCount); ++i) {
            gWords[i].FunctionCode = 0;
            gWords[i].LinkedWord = 65535;
        }
    }
    // Word 1 the subject of the verb group 1, word 2 its verb (an active
    // verb whose subject is group 0).
    static void SubjectAndVerb() {
        gWords[1].FunctionCode = 75;
        gWords[1].LinkedWord = 1;
        gWords[2].FunctionCode = 74;
        gWords[2].LinkedWord = 0;
    }
    void CatSleeps() {
        Inject("Le chat dort.", {Seg(24, 0, 1, 1, 1), Seg(14, 2, 2), Seg(20, 3, 3)});
        SubjectAndVerb();
    }
    void Write() {
        TextOut outs[4];
        for (int k = 0; k < 4; ++k) outs[k] = TextOut{storage_[k].data(), 65536};
        WriteGroupAnalysis(outs, &counter_);
    }
    std::string Out(int k) const { return acceptance::Latin1ToUtf8(storage_[k].data()); }
    // The model, as the export appends it to buffer 3.
    std::string Model() const { return Out(3); }

    AnalysedSentence sentence_;
    std::vector<char> storage_[4];
    u16 counter_ = 0;
};

TEST_F(RelationTextTest, SubjectAndVerb) {
    Start(3, "chat");
    KRZSetInterfLanguage(3);
    CatSleeps();
    ASSERT_EQ(gWords[1].ReadingFeatures[0], 0x14);
    Write();
    EXPECT_NE(Out(0).find("0;1;chat;nom;est sujet de;dormir;11;75;2;chat;masculin;singulier;pas de personne\n"),
              std::string::npos)
        << Out(0);
    EXPECT_EQ(Out(1).rfind("Gr 0 : GNominal suj S M - donneur en 1 : le chat\nGr 1 : GVerbal actif : dormir\n", 0), 0u)
        << Out(1);
    EXPECT_EQ(Out(2), "# Le chat [ dormir ] \n");
    // The frame has no complement: its lines name no words of any group.
    EXPECT_EQ(Model(), "f: dormir \no: dormir , chat\nc: chat\n");
    // The counter goes on from call to call.
    const u16 before = counter_;
    Write();
    EXPECT_NE(Out(0).find(std::to_string(before) + ";1;chat;nom;"), std::string::npos) << Out(0);
}

TEST_F(RelationTextTest, ModelLines) {
    Start(3, "chat");
    KRZSetInterfLanguage(3);
    // An attribute beside a lone "être": an "is-a" relation.
    Inject("le chat est un animal.", {Seg(24, 0, 1, 1, 1), Seg(14, 2, 2), Seg(23, 3, 4, 1, 1), Seg(20, 5, 5)});
    SubjectAndVerb();
    gWords[4].FunctionCode = 77;
    gWords[4].LinkedWord = 0;
    Write();
    EXPECT_EQ(Model().rfind("h: chat est-un animal\n", 0), 0u) << Model();

    // A plural direct object: "many" on its side.
    for (auto& b : storage_) b.assign(65536, 0);
    Inject("Le chat mange des souris.", {Seg(24, 0, 1, 1, 1), Seg(14, 2, 2), Seg(23, 3, 4, 2, 2), Seg(20, 5, 5)});
    SubjectAndVerb();
    gWords[4].FunctionCode = 70;
    gWords[4].LinkedWord = 2;
    Write();
    EXPECT_NE(Model().find("r: chat mange (1..n) souris\n"), std::string::npos) << Model();
}

// A coordination splits a noun group in three, unless the group table has
// no room for two more groups.
TEST_F(RelationTextTest, CoordinationSplitStaysInTheTable) {
    Start(3, "chat");
    KRZSetInterfLanguage(3);
    std::vector<SegmentRecord> groups = {Seg(24, 0, 4, 1, 2), Seg(14, 5, 5), Seg(20, 6, 6)};
    Inject("Le chat et la souris dorment.", groups);
    Write();
    EXPECT_EQ(gSegmentCount, 5);
    EXPECT_NE(Out(1).find("Gr 1 : ConjCoordination : et\n"), std::string::npos) << Out(1);

    while (groups.size() < 127) groups.push_back(Seg(20, 6, 6));
    Inject("Le chat et la souris dorment.", groups);
    Write();
    EXPECT_EQ(gSegmentCount, 127);
}

TEST_F(RelationTextTest, Export) {
    Start(3, "chat");
    KRZSetInterfLanguage(3);
    char* buffers[4] = {storage_[0].data(), storage_[1].data(), storage_[2].data(), storage_[3].data()};
    const uint32_t sizes[4] = {65536, 65536, 65536, 65536};
    u16 counter = 5;
    KRZUMLSentenceAnalysis("Le chat dort. Il r\xEAve.", 0, 4, buffers, sizes, &counter);
    EXPECT_EQ(Out(3).rfind("t: Le chat dort.\n", 0), 0u) << Out(3);
    EXPECT_NE(Out(3).find("t: Il rêve.\n"), std::string::npos) << Out(3);
    EXPECT_EQ(Out(0).rfind("5;", 0), 0u) << Out(0);
    EXPECT_GT(counter, 5);

    // An empty paragraph copies no sentence text.
    KRZUMLSentenceAnalysis("", 0, 4, buffers, sizes, &counter);
    EXPECT_EQ(Out(3), "t: ");

    // Three buffers: emptied, nothing else; a zero-capacity one untouched.
    storage_[0][0] = storage_[1][0] = storage_[2][0] = 'x';
    KRZUMLSentenceAnalysis("Le chat dort.", 0, 3, buffers, sizes, &counter);
    EXPECT_EQ(storage_[0][0], 0);
    EXPECT_EQ(storage_[2][0], 0);
    const uint32_t none[4] = {0, 0, 0, 0};
    storage_[0][0] = 'x';
    KRZUMLSentenceAnalysis("Le chat dort.", 0, 4, buffers, none, &counter);
    EXPECT_EQ(storage_[0][0], 'x');

    // A small buffer 3 skips the sentence whole, stays terminated.
    const uint32_t small[4] = {65536, 65536, 65536, 8};
    storage_[3].assign(65536, 'x');
    KRZUMLSentenceAnalysis("Le chat dort.", 0, 4, buffers, small, &counter);
    EXPECT_EQ(std::string(storage_[3].data(), 3), "t: ");
    EXPECT_LT(strnlen(storage_[3].data(), 8), 8u);
}

}  // namespace
