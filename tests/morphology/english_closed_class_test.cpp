// The English closed-class words of the built-in dictionary read back
// through the one-form lookup: each listed word gets its fixed tags, in
// order (rows marked "after" keep the word's own tag first and add theirs);
// the two-letter words get the tags of their letters; abbreviations that
// take their period are found with it by the word-form analysis.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "frame/settings.h"
#include "frame/tables.h"
#include "krzlib.h"
#include "morphology/section_walk.h"
#include "morphology/word_analysis.h"
#include "morphology/word_lookup.h"

namespace {

struct Row {
    std::vector<u16> tags;
    bool after;  // the word's own tag stays first
    std::vector<const char*> words;
};

// Contracted words carry the apostrophe as byte 0x93.
const std::vector<Row>& Rows() {
    static const std::vector<Row> rows = {
        {{0x6530}, false, {"the"}},
        {{0x6008}, false, {"them"}},
        {{0x6108}, false, {"they"}},
        {{0x4F04}, false, {"this"}},
        {{0x4F08}, false, {"these", "those"}},
        {{0x4700}, false, {"that", "who", "which"}},
        {{0x4900}, false, {"whom", "whose"}},
        {{0x4704, 0x5100}, false, {"what"}},
        {{0x7000}, false, {"thy"}},
        {{0x7A00}, false, {"their"}},
        {{0x5300}, false, {"three"}},
        {{0x5902}, false, {"thou"}},
        {{0x5A02}, false, {"thee"}},
        {{0x5C0A}, false, {"you"}},
        {{0x5E27}, false, {"she"}},
        {{0x7400, 0x6200}, false, {"her"}},
        {{0x7300}, false, {"his", "its"}},
        {{0x5F00}, false, {"him", "h\x93m"}},
        {{0x6200}, false, {"myself", "yourself", "himself", "herself", "itself", "oneself", "thyself", "ourselves",
                           "yourselves", "themselves"}},
        {{0x7600}, false, {"our"}},
        {{0x7800}, false, {"your"}},
        {{0x4401}, false, {"ours"}},
        {{0x4400}, false, {"hers", "yours"}},
        {{0x4402}, false, {"yours"}},
        {{0x4403}, false, {"theirs"}},
        {{0x1000}, false, {"and", "nor"}},
        {{0x1000, 0x5100}, false, {"either"}},
        {{0x1000, 0x4B00, 0x5108}, false, {"neither"}},
        {{0x1100}, false, {"than", "though", "when", "whereas", "wherever", "whether", "because", "lest",
                           "unless", "although"}},
        {{0x3A00, 0x1100}, false, {"however"}},
        {{0x1100, 0x3A00}, false, {"then", "now", "once"}},
        {{0x1100, 0x3900}, false, {"whereas", "wherefore"}},
        {{0x1100, 0x4104}, false, {"if"}},
        {{0x1100, 0x3A00, 0x3904}, false, {"why"}},
        {{0x2200}, false, {"tho", "thru", "via", "qua", "per", "from", "into", "with", "about", "above", "along",
                           "among", "across", "amidst", "during", "unlike", "against", "amongst", "despite",
                           "through", "underneath"}},
        {{0x2200, 0x1100}, false, {"before", "for", "after", "since", "until"}},
        {{0x2200, 0x3A00}, false, {"in", "below", "beyond", "between", "beneath", "notwithstanding", "beside",
                                   "besides"}},
        {{0x1000, 0x2200, 0x1100, 0x3A00}, false, {"but"}},
        {{0x2200, 0x3700, 0x3A00}, false, {"off"}},
        {{0x2200, 0x3A00, 0x3700}, false, {"within", "around", "without"}},
        {{0x2200, 0x3A00, 0x3800}, false, {"behind"}},
        {{0x3A00}, false, {"forth", "maybe", "thus", "there", "thence", "thrice", "wherever", "whilst",
                           "whence", "where", "whereby", "not", "nohow", "nowhere", "anymore", "somewhat", "too",
                           "ago", "fro", "how", "oft", "yet", "yes", "yep", "yon", "poi", "aft", "ere", "also",
                           "very", "else", "ever", "here", "soon", "upon", "often", "again", "ahead", "aloft",
                           "never", "quite", "twice", "almost", "enough", "indeed", "rather", "seldom", "sooner",
                           "wether", "already", "howbeit", "instead", "perhaps", "tonight", "upstairs",
                           "together", "elsewhere", "meanwhile", "therefore", "altogether", "beforehand",
                           "downstairs", "henceforth", "nevertheless", "e\x93" "er",
                           "ne\x93" "er", "o\x93" "er", "o\x93" "clock"}},
        {{0x3904, 0x3A00}, false, {"place"}},
        {{0x3908, 0x3A00}, false, {"times"}},
        // The words of this row that the sources read as nouns and not as
        // adjectives ("day", "today") are filed from the sources instead.
        {{0x3A00}, true, {"andante", "allegro", "largo", "presto", "staccato", "sideways", "down", "in", "on",
                          "out", "rear", "side", "up"}},
        {{0x3704, 0x3A00}, false, {"aye", "yea", "lee", "sea", "east", "north", "south", "west"}},
        {{0x380C}, false, {"funny", "elder"}},
        {{0x380C, 0x3A00}, false, {"ill", "good", "small", "great", "extra", "first", "just", "late", "less",
                                   "near", "next", "little"}},
        {{0x3A00, 0x3800}, false, {"far", "farther"}},
        {{0x3700}, false, {"dead"}},
        {{0x3900}, false, {"moose", "sheep", "swine", "aircraft", "horsepower", "hovercraft", "spacecraft",
                           "watercraft", "anopheles", "chassis", "contretemps", "corps", "patois", "precis",
                           "revers", "species"}},
        {{0x3904}, false, {"ma", "mu"}},
        {{0x1C00, 0x3904}, false, {"id"}},
        {{0x5100, 0x3A00}, false, {"no"}},
        {{0x5100}, false, {"all", "another", "certain"}},
        {{0x510C}, false, {"some", "any"}},
        {{0x5104}, false, {"every", "each"}},
        {{0x4B04, 0x5104}, false, {"anybody", "anyone", "anything", "everybody", "everyone", "everything", "somebody",
                                   "someone", "something"}},
        {{0x5108}, false, {"both", "many", "several", "various"}},
        {{0x5108}, true, {"different"}},
        {{0x5000}, false, {"such"}},
        {{0x3A00, 0x5104, 0x4B04}, false, {"much"}},
        {{0x4B00, 0x3A00}, false, {"none", "more", "most"}},
        {{0x4B04}, false, {"nobody", "nothing"}},
        {{0x5300, 0x4B04}, false, {"one"}},
        {{0x3904, 0x4B04, 0x3A00}, false, {"thing"}},
        {{0x4B00}, true, {"other", "others"}},
        {{0x800A, 0x3904}, false, {"are"}},
        {{0x800B}, false, {"were"}},
        {{0x8000}, false, {"cannot"}},
        {{0x8000, 0x3904, 0x2200}, false, {"bar"}},
        {{0x8002, 0x3904, 0x2200}, false, {"saving"}},
        {{0x800C}, false, {"let\x93s"}},
        {{0x8003}, false, {"x\x93" "d", "od\x93" "d", "OK\x93" "d"}},
        {{0x8002}, false, {"x\x93ing", "od\x93ing", "OK\x93ing"}},
        {{0x4604}, false, {"that\x93s"}},
        {{0x1C00}, false, {"bpi", "bpr", "bps", "cfm", "cps", "ext", "fps", "fwd", "kwh", "mpg", "mph"}},
        {{0x1200}, false, {"aha", "bah", "fie", "hah", "hey", "huh", "oho", "rah", "tut", "ugh", "yah", "phew"}},
        {{0x410C}, false, {"vox", "pas", "res", "sen", "vas"}},
        {{0x4108}, false, {"sox"}},
        {{0x1800}, false, {"cum", "hoc", "von", "yom"}},
        // Two-letter words, tagged by their letters.
        {{0x8006}, false, {"am"}},
        {{0x6344}, false, {"an"}},
        {{0x1100, 0x3A00}, false, {"as"}},
        {{0x2200}, false, {"at", "by", "re"}},
        {{0x2200, 0x3A00}, false, {"on"}},
        {{0x5D17}, false, {"he"}},
        {{0x5600}, false, {"me"}},
        {{0x6D00}, false, {"my"}},
        {{0x5B07}, false, {"it"}},
        {{0x2100}, false, {"of"}},
        {{0x1000}, false, {"or"}},
        {{0x1800}, false, {"se", "al"}},
        {{0x3A00}, false, {"so"}},
        {{0x2000}, false, {"to"}},
        {{0x5708}, false, {"us"}},
        {{0x5809}, false, {"we"}},
        {{0x5C02}, false, {"ye"}},
        {{0x1200}, false, {"ha", "hi", "ho", "ah", "eh", "oh", "aw", "ay", "lo", "ow"}},
    };
    return rows;
}

std::string Hex(const std::vector<u16>& tags) {
    std::string s;
    char b[8];
    for (u16 t : tags) {
        std::snprintf(b, sizeof b, "%04X ", t);
        s += b;
    }
    return s;
}

// The row's tags stand together among the word's analyses (the word may
// have readings of other items besides): from index 0 of a reading group,
// or after one tag of the word's own for an "after" row.
bool Holds(const std::vector<u16>& found, const Row& row) {
    const auto at = std::search(found.begin(), found.end(), row.tags.begin(), row.tags.end());
    if (at == found.end()) return false;
    return !row.after || at != found.begin();
}

class EnglishClosedClass : public ::testing::Test {
protected:
    void SetUp() override {
        while (gInitCount != 0) KRZEnd();
        KRZInit(0, 1);
        gActiveVariantA = gActiveVariantB = gActiveMedical = 0;
        gCaseMode = 0;  // an earlier test may leave it set
        word_.Allocate(48);
        InitByteMatrix(slots_, 16, 36);
    }
    void TearDown() override {
        gCaseMode = 0;
        while (gInitCount != 0) KRZEnd();
    }
    void SetWord(const char* w) {
        std::memset(word_.data, 0, word_.count);
        std::memcpy(word_.data, w, std::min<size_t>(std::strlen(w), 40));
    }
    std::vector<u16> Lookup(const char* w) {
        SetWord(w);
        u16 count = 0;
        LookupWordForm(kModeEnglishPlain, word_, gWordTagCodes, count);
        std::vector<u16> tags;
        for (u32 i = 0; i < count && i < gWordTagCodes.count; ++i) tags.push_back(gWordTagCodes.data[i]);
        return tags;
    }
    i16 Analyse(const char* w, u16& count) {
        SetWord(w);
        gCaseMode = kCaseAsked;
        count = 0;
        return AnalyseWordForms(0, word_, count, slots_);
    }
    BoundedString word_;
    StringList slots_;
};

// Every word of the table; a word listed in two rows (whereas, wherever,
// in, yours) may answer either. "up" never reaches the table: the plain
// lookup answers it with the adverb tag alone before any section.
TEST_F(EnglishClosedClass, EveryListedWordGetsItsTags) {
    for (const Row& row : Rows())
        for (const char* w : row.words) {
            const std::vector<u16> found = Lookup(w);
            if (std::strcmp(w, "up") == 0) {
                EXPECT_EQ(found, std::vector<u16>{0x3A00}) << Hex(found);
                continue;
            }
            bool held = false;
            for (const Row& other : Rows())
                if (std::find_if(other.words.begin(), other.words.end(),
                                 [&](const char* o) { return std::strcmp(o, w) == 0; }) != other.words.end())
                    held = held || Holds(found, other);
            EXPECT_TRUE(held) << "\"" << w << "\": " << Hex(found) << "expected " << (row.after ? "after " : "")
                              << Hex(row.tags);
        }
}

// "are" and "am" read as forms of "be" (byte '%').
TEST_F(EnglishClosedClass, FormsOfBeCarryTheirByte) {
    for (const char* w : {"are", "am"}) {
        Lookup(w);
        EXPECT_EQ(gWordAnalysisBytes.data[0], '%') << w;
    }
}

// -ly, -ia and -way words of the same class follow their ending, save the
// listed exceptions.
TEST_F(EnglishClosedClass, EndingRules) {
    struct Case {
        const char* word;
        std::vector<u16> tags;
        bool after;
    };
    const Case kCases[] = {
        {"quickly", {0x3A00}, false}, {"early", {0x3A00}, true},    {"likely", {0x3A00}, true},
    };
    for (const Case& c : kCases) {
        const std::vector<u16> found = Lookup(c.word);
        EXPECT_TRUE(Holds(found, {c.tags, c.after, {}})) << c.word << ": " << Hex(found);
    }
    // "ugly" and "lonely" keep their adjective tag.
    for (const char* w : {"ugly", "lonely"}) {
        const std::vector<u16> found = Lookup(w);
        EXPECT_EQ(std::find(found.begin(), found.end(), 0x3A00), found.end()) << w << ": " << Hex(found);
    }
}

// "etc." and "Mr." are found with their period; without it the analysis
// finds nothing and says the period is missing.
TEST_F(EnglishClosedClass, AbbreviationsFoundWithTheirPeriod) {
    for (const char* w : {"etc.", "Mr."}) {
        u16 count = 0;
        EXPECT_EQ(Analyse(w, count), 1) << w;
        EXPECT_EQ(gWordTagCodes.data[0], 0x1C00) << w;
    }
    // "Mr" without its period is accepted: capitalised words are read in
    // the shared capitalised section first, where the French "Mr" stands.
    for (const char* w : {"etc"}) {
        u16 count = 0;
        EXPECT_EQ(Analyse(w, count), 0) << w;
        EXPECT_EQ(gCaseMode, kCaseMissingPeriod) << w;
    }
}

}  // namespace
