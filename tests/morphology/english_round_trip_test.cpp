// The English dictionary the build compiled and embedded, read back through
// the one-form lookup: every form the compiler encoded analyses to the
// intended tags, bytes and lemma references; words it did not encode are
// not found; the closed-class words, the regional and medical options and
// the abbreviations behave as the rules expect; the blocks keep the
// format's limits.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "frame/loader.h"
#include "frame/records.h"
#include "frame/resources.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "krzlib.h"
#include "morphology/dict_format.h"
#include "morphology/section_walk.h"
#include "morphology/word_lookup.h"
#include "tests/morphology/manifest.h"

namespace {

const std::vector<Line>& Manifest() {
    static const std::vector<Line> lines = ReadManifest(KRZ_ENGLISH_MANIFEST);
    return lines;
}

struct Found {
    i16 result = 0;
    std::vector<u16> tags;
    std::vector<u8> bytes;
    std::vector<u32> refs;
};

class EnglishRoundTrip : public ::testing::Test {
protected:
    void SetUp() override {
        while (gInitCount != 0) KRZEnd();
        KRZInit(0, 1);
        word_.Allocate(48);
        gActiveVariantA = 0;
        gActiveVariantB = 0;
        gActiveMedical = 1;
    }
    void TearDown() override {
        gCaseMode = 0;
        gActiveVariantA = gActiveVariantB = gActiveMedical = 0;
        while (gInitCount != 0) KRZEnd();
    }

    Found Lookup(const std::string& w, u16 caseMode = 0, u16 mode = kModeEnglishPlain) {
        std::memset(word_.data, 0, word_.count);
        std::memcpy(word_.data, w.data(), std::min<size_t>(w.size(), 40));
        gCaseMode = caseMode;
        u16 count = 0;
        Found f;
        f.result = LookupWordForm(mode, word_, gWordTagCodes, count);
        gCaseMode = 0;
        for (u32 i = 0; i < count && i < gWordTagCodes.count; ++i) {
            f.tags.push_back(gWordTagCodes.data[i]);
            f.bytes.push_back(gWordAnalysisBytes.data[i]);
            f.refs.push_back(i < gWordLemmaRefs.count ? gWordLemmaRefs.data[i] : 0);
        }
        return f;
    }

    BoundedString word_;
};

std::string Hex(const std::vector<u16>& tags) {
    std::string s;
    char b[8];
    for (u16 t : tags) {
        std::snprintf(b, sizeof b, " %04X", t);
        s += b;
    }
    return s;
}

TEST_F(EnglishRoundTrip, ManifestIsThere) {
    EXPECT_GT(Manifest().size(), 50000u) << KRZ_ENGLISH_MANIFEST;
}

// Every encoded form (nouns, adjectives, proper nouns, closed-class words,
// every form of every verb row, the medical words) gives exactly the
// intended analyses in order, with their bytes and lemma references.
TEST_F(EnglishRoundTrip, EveryFormGivesTheIntendedAnalyses) {
    u32 failures = 0;
    ClearDictFaults();
    for (const Line& line : Manifest()) {
        const Found f = Lookup(line.word, line.caseMode);
        bool ok = f.tags.size() == line.analyses.size();
        for (size_t i = 0; ok && i < f.tags.size(); ++i) {
            const Intended& a = line.analyses[i];
            ok = f.tags[i] == a.tag && f.bytes[i] == a.byte && (i >= 8 || f.refs[i] == a.ref);
        }
        if (!ok && ++failures <= 20) {
            std::vector<u16> want;
            for (const Intended& a : line.analyses) want.push_back(a.tag);
            ADD_FAILURE() << line.word << " (" << line.lemma << "): got" << Hex(f.tags) << ", intended" << Hex(want);
        }
    }
    EXPECT_EQ(failures, 0u);
    EXPECT_EQ(gDictFaultCount, 0u) << "the reader met malformed data (kind " << gDictLastFault << ")";
}

TEST_F(EnglishRoundTrip, NonWordsAreRejected) {
    std::set<std::string> known;
    for (const Line& line : Manifest()) known.insert(line.word);
    u32 tried = 0, found = 0;
    std::vector<std::string> examples;
    const size_t step = std::max<size_t>(1, Manifest().size() / 2000);
    for (size_t i = 0; i < Manifest().size(); i += step) {
        const std::string& w = Manifest()[i].word;
        if (w.size() < 4) continue;
        for (const std::string& e : {w + "q", w.substr(0, 2) + "zx" + w.substr(2), w + "zz"}) {
            if (known.count(e) != 0) continue;
            ++tried;
            if (!Lookup(e).tags.empty()) {
                ++found;
                if (examples.size() < 5) examples.push_back(e);
            }
        }
    }
    EXPECT_GT(tried, 1000u);
    EXPECT_EQ(found, 0u) << (examples.empty() ? "" : examples[0]);
}

// Closed-class words get the tags of the rules' table.
TEST_F(EnglishRoundTrip, ClosedClassWords) {
    struct Case {
        const char* word;
        std::vector<u16> tags;
    };
    const Case cases[] = {
        {"the", {0x6530}},
        {"bar", {0x8000, 0x3904, 0x2200}},
        {"were", {0x800B}},
        {"cannot", {0x8000}},
        {"let\x93s", {0x800C}},
        {"moose", {0x3900}},
        {"an", {0x6344}},
        {"of", {0x2100}},
        {"because", {0x1100}},
        {"some", {0x510C}},
        {"any", {0x510C}},
        {"each", {0x5104}},
    };
    for (const Case& c : cases) EXPECT_EQ(Hex(Lookup(c.word).tags), Hex(c.tags)) << c.word;

    // "are" and "were": readings with byte '%' (the model of "be")
    // referring to the lemma of "be".
    const Found are = Lookup("are");
    ASSERT_EQ(Hex(are.tags), Hex({0x800A, 0x3904}));
    EXPECT_EQ(are.bytes[0], '%');
    const Found were = Lookup("were");
    EXPECT_EQ(were.bytes[0], '%');
    const Found be = Lookup("be");
    const auto verb = std::find_if(be.tags.begin(), be.tags.end(), [](u16 t) { return t >= 0x8000; });
    ASSERT_NE(verb, be.tags.end()) << Hex(be.tags);
    const u32 beRef = be.refs[static_cast<size_t>(verb - be.tags.begin())];
    EXPECT_EQ(are.refs[0], beRef);
    EXPECT_EQ(are.refs[1], beRef);
    EXPECT_EQ(were.refs[0], beRef);

    // -ly words of class '8' read as adverbs.
    const Found quickly = Lookup("quickly");
    EXPECT_NE(std::find(quickly.tags.begin(), quickly.tags.end(), 0x3A00), quickly.tags.end()) << Hex(quickly.tags);
}

// Readings the English rules rest on, as (word, a reading it must have,
// with its byte where that names a verb model): the plural of a noun whose
// singular is a closed-class or adjective-class word of three letters
// ("one") is read as a plural beside any reading of its own ("ones"), while
// the singular keeps the table's tags; "day" and "van", words of the
// table's adverb row that the sources read as nouns only, are filed as
// nouns with their plurals; the modals of one form are verbs of their own rows, the
// past of the modals of two forms stays theirs.
TEST_F(EnglishRoundTrip, PluralsOfClosedSingularsAndModals) {
    struct Case {
        const char* word;
        u16 tag;
        int byte;   // -1: any
    };
    const Case cases[] = {
        {"days", 0x3908, -1}, {"vans", 0x3908, -1}, {"ones", 0x3908, -1},
        {"must", 0x8000, 30}, {"ought", 0x8000, 32}, {"could", 0x8003, 28}, {"might", 0x8003, 29},
    };
    for (const Case& c : cases) {
        const Found f = Lookup(c.word);
        bool found = false;
        for (size_t i = 0; i < f.tags.size(); ++i)
            found = found || (f.tags[i] == c.tag && (c.byte < 0 || f.bytes[i] == c.byte));
        EXPECT_TRUE(found) << c.word << ":" << Hex(f.tags);
    }
    EXPECT_EQ(Hex(Lookup("day").tags), Hex({0x3904}));
    EXPECT_EQ(Hex(Lookup("one").tags), Hex({0x5300, 0x4B04}));
}

// An irregular plural filed as a variant of its singular reads as a plural
// first (byte 129, the singular's lemma), a noun of its own spelt the same
// ("men", "teeth" are WordNet nouns too) after it; the singular carries
// byte 128 (it has a variant), also where it has a regular plural too.
TEST_F(EnglishRoundTrip, IrregularPluralsReadAsPlurals) {
    const char* const pairs[][2] = {{"man", "men"}, {"woman", "women"}, {"child", "children"}, {"foot", "feet"},
                                    {"tooth", "teeth"}, {"mouse", "mice"},
                                    // beside a regular plural of the sources (criterions, cactuses)
                                    {"criterion", "criteria"}, {"phenomenon", "phenomena"}, {"cactus", "cacti"},
                                    {"stratum", "strata"}};
    for (const auto& [singular, plural] : pairs) {
        const Found sg = Lookup(singular);
        const Found pl = Lookup(plural);
        ASSERT_FALSE(sg.tags.empty() || pl.tags.empty()) << plural;
        EXPECT_EQ(pl.tags[0], 0x3908) << plural << ":" << Hex(pl.tags);
        EXPECT_EQ(pl.bytes[0], 129) << plural;
        EXPECT_EQ(sg.tags[0], 0x3904) << singular << ":" << Hex(sg.tags);
        EXPECT_EQ(sg.bytes[0], 128) << singular;
        EXPECT_EQ(pl.refs[0], sg.refs[0]) << plural;
    }
    EXPECT_TRUE(Lookup("childrens").tags.empty());
}

// A noun lemma spelt like the regular plural of another noun reads as that
// plural only; a science in -ics keeps its singular reading.
TEST_F(EnglishRoundTrip, PluralLemmasReadAsPlurals) {
    for (const char* w : {"things", "ways", "belongings"}) {
        const Found f = Lookup(w);
        ASSERT_FALSE(f.tags.empty()) << w;
        EXPECT_EQ(std::count(f.tags.begin(), f.tags.end(), 0x3904), 0) << w << ":" << Hex(f.tags);
        EXPECT_NE(std::count(f.tags.begin(), f.tags.end(), 0x3908), 0) << w << ":" << Hex(f.tags);
    }
    const Found physics = Lookup("physics");
    EXPECT_NE(std::count(physics.tags.begin(), physics.tags.end(), 0x3904), 0) << Hex(physics.tags);
}

// Verb forms carry the slot of the first matching ending and the model
// number; "be" is flagged (kind 1: the walk answers 2).
TEST_F(EnglishRoundTrip, VerbForms) {
    const Found walked = Lookup("walked");
    ASSERT_FALSE(walked.tags.empty());
    EXPECT_EQ(walked.tags[0], 0x8003);
    EXPECT_EQ(walked.bytes[0], 1);
    const Found walking = Lookup("walking");
    EXPECT_EQ(walking.tags[0], 0x8002);
    EXPECT_EQ(walking.refs[0], walked.refs[0]);
    const Found went = Lookup("went");
    ASSERT_FALSE(went.tags.empty());
    EXPECT_EQ(went.tags[0], 0x8003);
    EXPECT_EQ(went.bytes[0], 39);
    EXPECT_EQ(Lookup("being").result, 2);
}

// A word the lists give as noun and verb at one level: the noun comes
// first (the verb tag raised by 16) where WordNet's sense-tagged texts
// count its noun senses more than twice as often as its verb senses; the
// verb stays first otherwise. Where the treebank table counts the base form,
// its counts decide, also for a word to which the walk gives readings of
// its own ("people", a noun far more often than a verb).
TEST_F(EnglishRoundTrip, NounOrVerbFirstByTaggedCounts) {
    struct Case {
        const char* word;
        u16 first;
        u16 second;
    };
    const Case cases[] = {
        {"book", 0x8010, 0x3904}, {"books", 0x8011, 0x3908}, {"mind", 0x8010, 0x3904}, {"house", 0x8010, 0x3904},
        {"walk", 0x8000, 0x3904}, {"need", 0x8000, 0x3904}, {"use", 0x8000, 0x3904},   {"people", 0x8010, 0x3900},
    };
    for (const Case& c : cases) {
        const Found f = Lookup(c.word);
        ASSERT_GE(f.tags.size(), 2u) << c.word;
        EXPECT_EQ(f.tags[0], c.first) << c.word << ":" << Hex(f.tags);
        EXPECT_EQ(f.tags[1], c.second) << c.word << ":" << Hex(f.tags);
    }
}

// KRZOptionNonUSUK: each regional spelling is hidden by its own flag.
TEST_F(EnglishRoundTrip, RegionalVariantsHideOneSpelling) {
    EXPECT_FALSE(Lookup("colour").tags.empty());
    EXPECT_FALSE(Lookup("color").tags.empty());
    gActiveVariantA = 1;
    EXPECT_TRUE(Lookup("colour").tags.empty());
    EXPECT_FALSE(Lookup("color").tags.empty());
    gActiveVariantA = 0;
    gActiveVariantB = 1;
    EXPECT_FALSE(Lookup("colour").tags.empty());
    EXPECT_TRUE(Lookup("color").tags.empty());
}

// The medical words are found only with the medical option.
TEST_F(EnglishRoundTrip, MedicalWordsNeedTheOption) {
    std::vector<std::string> medical;
    gActiveMedical = 0;
    for (const Line& line : Manifest()) {
        if (line.caseMode != 0 || line.word.size() < 6) continue;
        if (Lookup(line.word).tags.empty()) medical.push_back(line.word);
        if (medical.size() >= 50) break;
    }
    ASSERT_FALSE(medical.empty());
    gActiveMedical = 1;
    for (const std::string& w : medical) EXPECT_FALSE(Lookup(w).tags.empty()) << w;
    // The operation path reads the same section (first letter's range).
    EXPECT_NE(Lookup(medical[0], 0, 3).result, 0) << medical[0];
}

// Abbreviations that take their period: the form without it, tag 0x1C00,
// kind 3 (the lookup answers 2).
TEST_F(EnglishRoundTrip, AbbreviationsTakeTheirPeriod) {
    for (const char* w : {"etc", "Mr"}) {
        const Found f = Lookup(w);
        ASSERT_EQ(Hex(f.tags), Hex({0x1C00})) << w;
        EXPECT_EQ(f.result, 2) << w;
    }
}

TEST_F(EnglishRoundTrip, BlocksKeepTheFormatLimits) {
    ASSERT_EQ(gEnglishLoaded, 1);
    const u32 n = gEnglishDictSectionCount;
    EXPECT_LE(n, 519u);
    EXPECT_GT(n, 17u);
    u32 end = 0;
    for (u32 s = 0; s < n; ++s) {
        const DictSectionEntry& e = gEnglishDictPrefixIndex.data[s];
        EXPECT_EQ(e.Offset, end) << s;
        end = e.Offset + e.Length;
        EXPECT_EQ(e.Ordinal, s);
    }
    EXPECT_EQ(end + 8, gEnglishDictBody.count);
    // Symbol-pair sections last, by key.
    const u8 keys[7] = {0xA7, 0xB6, 0xB5, 0xB9, 0xB7, 0xC6, 0xCF};
    for (u32 i = 0; i < 7; ++i) EXPECT_EQ(gEnglishDictPrefixIndex.data[n - 7 + i].Key.data[0], keys[i]);
    EXPECT_EQ(gEnglishDictPrefixIndex.data[n - 1].Length, 8u);
    // Every matrix entry names a section of its own letter pair.
    for (u32 r = 0; r < 52; ++r)
        for (u32 c = 0; c < 52; ++c) {
            const u16 s = gEnglishPrefixSectionMatrix.data[r].data[c];
            if (s == 0) continue;
            ASSERT_LT(s, n - 7);
            const BoundedString& k = gEnglishDictPrefixIndex.data[s].Key;
            EXPECT_EQ(k.data[0], r < 26 ? 'A' + r : 'a' + r - 26);
            EXPECT_EQ(k.data[1], c < 26 ? 'A' + c : 'a' + c - 26);
        }
    // Model rows: empty rows, row 0 as row 119, "$" and "0" markers.
    ASSERT_EQ(gEnglishEndingRows.count, 123u);
    for (u32 r : {27u, 40u, 120u, 121u, 122u})
        for (i32 s = 0; s < 5; ++s) EXPECT_EQ(gEnglishEndingRows.data[r].EndingLengths[s], 0) << r;
    for (i32 s = 0; s < 5; ++s) {
        EXPECT_EQ(gEnglishEndingRows.data[0].EndingLengths[s], gEnglishEndingRows.data[119].EndingLengths[s]);
        EXPECT_EQ(gEnglishEndingRows.data[0].EndingIndexes[s], gEnglishEndingRows.data[119].EndingIndexes[s]);
    }
    EXPECT_EQ(gEnglishEndings1.data[0], '$');
    EXPECT_EQ(gEnglishEndings1.data[7], '0');
    for (const Line& line : Manifest())
        for (const Intended& a : line.analyses) {
            if (a.ref == 0) continue;
            ASSERT_GE(a.ref, 80u) << line.word;
            ASSERT_LT(a.ref, gEnglishDictBody.count) << line.word;
        }
}

}  // namespace
