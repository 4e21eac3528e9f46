// The French dictionary the build compiled and embedded, read back through
// the one-form lookup: every form the compiler meant to encode analyses to
// the intended tags and lemma references; words it did not encode are not
// found; the blocks keep the format's limits.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "frame/loader.h"
#include "frame/mac_roman_literal.h"
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
    static const std::vector<Line> lines = ReadManifest(KRZ_FRENCH_MANIFEST);
    return lines;
}

class FrenchRoundTrip : public ::testing::Test {
protected:
    void SetUp() override {
        while (gInitCount != 0) KRZEnd();
        KRZInit(3, 0);
        word_.Allocate(40);
    }
    void TearDown() override {
        gCaseMode = 0;
        while (gInitCount != 0) KRZEnd();
    }

    // Tags of a French plain analysis of `w` under a case mode.
    std::vector<u16> Lookup(const std::string& w, u16 caseMode, std::vector<u32>* refs = nullptr) {
        std::memset(word_.data, 0, word_.count);
        std::memcpy(word_.data, w.data(), std::min<size_t>(w.size(), 36));
        gCaseMode = caseMode;
        u16 count = 0;
        LookupWordForm(kModeFrenchPlain, word_, gWordTagCodes, count);
        gCaseMode = 0;
        const u32 n = std::min<u32>(count, gWordTagCodes.count);
        if (refs != nullptr) {
            refs->clear();
            for (u32 i = 0; i < std::min<u32>(n, gWordLemmaRefs.count); ++i)
                refs->push_back(gWordLemmaRefs.data[i]);
        }
        return std::vector<u16>(gWordTagCodes.data, gWordTagCodes.data + n);
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

TEST_F(FrenchRoundTrip, ManifestIsThere) {
    // Hundreds of thousands of forms: the whole source went through.
    EXPECT_GT(Manifest().size(), 100000u) << KRZ_FRENCH_MANIFEST;
}

// Every form analyses to exactly the intended tags, and every intended
// analysis carries its lemma reference (when the word has at most eight
// analyses, the number of references the slots keep).
TEST_F(FrenchRoundTrip, EveryFormGivesTheIntendedAnalyses) {
    u32 failures = 0;
    std::vector<u32> refs;
    ClearDictFaults();
    for (const Line& line : Manifest()) {
        std::vector<u16> got = Lookup(line.word, line.caseMode, &refs);
        std::vector<u16> want;
        for (const Intended& a : line.analyses) want.push_back(a.tag);
        std::vector<u16> g = got, w = want;
        std::sort(g.begin(), g.end());
        std::sort(w.begin(), w.end());
        bool ok = g == w;
        if (ok && got.size() <= refs.size()) {
            std::multiset<std::pair<u16, u32>> have;
            for (size_t i = 0; i < got.size(); ++i) have.insert({got[i], refs[i]});
            for (const Intended& a : line.analyses) {
                if (a.ref == 0) continue;   // left as the walk found it
                auto it = have.find({a.tag, a.ref});
                if (it == have.end()) {
                    ok = false;
                    break;
                }
                have.erase(it);
            }
        }
        if (!ok && ++failures <= 20)
            ADD_FAILURE() << line.lemma << " (case " << line.caseMode << "): got" << Hex(got)
                          << ", intended" << Hex(want);
    }
    EXPECT_EQ(failures, 0u);
    EXPECT_EQ(gDictFaultCount, 0u) << "the reader met malformed data (kind " << gDictLastFault << ")";
}

// Lemma references are offsets of items in the body, never the small marks.
TEST_F(FrenchRoundTrip, LemmaReferencesPointIntoTheBody) {
    const u32 body = GetResourceFileSize(2);
    for (const Line& line : Manifest())
        for (const Intended& a : line.analyses) {
            if (a.ref == 0) continue;
            ASSERT_GE(a.ref, 80u) << line.lemma;
            ASSERT_LT(a.ref, body) << line.lemma;
        }
}

// Precision: one-letter changes of encoded words that are not themselves
// encoded find nothing.
TEST_F(FrenchRoundTrip, NonWordsAreRejected) {
    std::set<std::string> known;
    for (const Line& line : Manifest()) known.insert(line.word);
    const std::string letters = std::string("aeioustrnlz") + MR("éèç");
    u32 tried = 0, found = 0;
    std::vector<std::string> examples;
    size_t step = std::max<size_t>(1, Manifest().size() / 3000);
    for (size_t i = 0; i < Manifest().size(); i += step) {
        const std::string& w = Manifest()[i].word;
        if (w.size() < 3) continue;
        std::vector<std::string> edits;
        for (char c : letters) {
            edits.push_back(w + c);                                       // appended
            edits.push_back(w.substr(0, w.size() - 1) + c);               // last changed
            edits.push_back(w.substr(0, 2) + c + w.substr(2));            // inserted
        }
        edits.push_back(w.substr(0, w.size() - 1));                       // cut
        for (const std::string& e : edits) {
            if (e.size() < 2 || known.count(e) != 0 || (e[0] == 'a' && e[1] == 'a')) continue;
            ++tried;
            if (!Lookup(e, 0).empty()) {
                ++found;
                if (examples.size() < 10) examples.push_back(e);
            }
        }
    }
    EXPECT_GT(tried, 10000u);
    std::string list;
    for (const std::string& e : examples) list += " " + e;
    EXPECT_EQ(found, 0u) << "non-words found:" << list;
}

u32 U16(const u8* p) { return static_cast<u32>(p[0] << 8 | p[1]); }
u32 U32(const u8* p) { return U16(p) << 16 | U16(p + 2); }

// The limits of the format and of its readers, on the embedded blocks.
TEST_F(FrenchRoundTrip, BlocksKeepTheFormatLimits) {
    const u8* index = GetResourceFileData(1);
    const u8* body = GetResourceFileData(2);
    const u8* matrix = GetResourceFileData(3);
    ASSERT_NE(index, nullptr);
    ASSERT_NE(body, nullptr);
    ASSERT_NE(matrix, nullptr);
    const u32 n = U16(index);
    const u32 bodySize = GetResourceFileSize(2);
    ASSERT_EQ(GetResourceFileSize(1), 2 + 10 * n);
    EXPECT_LE(n, 385u);   // no section number above 384
    EXPECT_GT(n, 11u);
    u32 next = 0;
    for (u32 s = 0; s < n; ++s) {
        const u8* rec = index + 2 + 10 * s;
        const u32 off = U32(rec + 2), len = U16(rec + 6);
        EXPECT_EQ(U16(rec + 8), s);
        ASSERT_EQ(off, next) << "section " << s << " not contiguous";
        ASSERT_LE(off + len, bodySize);
        ASSERT_GE(len, 6u) << s;
        const u32 thirdIndex = body[off + 2];
        EXPECT_EQ(thirdIndex % 3, 0u) << s;
        EXPECT_LE(thirdIndex / 3, 85u) << s;
        next = off + len;
    }
    EXPECT_EQ(U32(index + 2 + 2), 0u);
    EXPECT_EQ(U16(index + 2 + 6), 6u);        // dummy record 0
    EXPECT_EQ(next + 8, bodySize);            // 8 trailing bytes
    const char* reserved[] = {"11", "22", "33", "44", "55", "66", "77", "88", "99", "::"};
    for (u32 s = 1; s <= 10; ++s)
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(index + 2 + 10 * s), 2), reserved[s - 1]);
    // Matrix: [a][a] is section 10; every other entry names the section of
    // its own letter pair.
    EXPECT_EQ(U16(matrix), 10u);
    for (u32 r = 0; r < 52; ++r)
        for (u32 c = 0; c < 52; ++c) {
            const u32 s = U16(matrix + 2 * (52 * r + c));
            if (s == 0 || (r == 0 && c == 0)) continue;
            ASSERT_LT(s, n);
            ASSERT_GT(s, 10u);
            const u8* key = index + 2 + 10 * s;
            EXPECT_EQ(gLetterCodesSource.data[key[0]], r + 1);
            EXPECT_EQ(gLetterCodesSource.data[key[1]], c + 1);
        }
    // Keys fit the lookup's 30 bytes.
    for (const Line& line : Manifest()) ASSERT_LE(line.word.size(), 30u) << line.lemma;
}

// Cases the walk's rules single out, on our data.
TEST_F(FrenchRoundTrip, NamedCases) {
    // A first-group present: one merged tag (slot 6 -> 51).
    std::vector<u16> aime = Lookup("aime", 0);
    ASSERT_FALSE(aime.empty());
    EXPECT_EQ(std::count_if(aime.begin(), aime.end(), [](u16 t) { return t >= 0x8000; }), 1);
    EXPECT_NE(std::find_if(aime.begin(), aime.end(), [](u16 t) { return t >= 0x8000 && (t & 0xFF) == 51; }),
              aime.end());
    // abaisser: a transitive verb's infinitive (tag 0xE000 with the flags of
    // a transitive, pronominal verb).
    std::vector<u16> abaisser = Lookup("abaisser", 0);
    EXPECT_NE(std::find_if(abaisser.begin(), abaisser.end(), [](u16 t) { return t >= 0x8000 && (t & 0xFF) == 0; }),
              abaisser.end());
    // Function words and their fixed readings.
    EXPECT_EQ(Lookup("le", 0), (std::vector<u16>{0x6354, 0x7C54}));
    EXPECT_EQ(Lookup("de", 0), (std::vector<u16>{0x6A40, 0x2140}));
    std::vector<u16> que = Lookup("que", 0);
    ASSERT_GE(que.size(), 3u);
    EXPECT_EQ(que[0], 0x4740);
    // Words a vowel-sound probe reads: 0x40 on the elidable ones and on the
    // pre-vowel adjectives.
    EXPECT_EQ(Lookup("cet", 0).at(0), 0x4F14);
    EXPECT_EQ(Lookup("bel", 0).at(0), 0x4254);
    EXPECT_EQ(Lookup("je", 0).at(0), 0x5545);
    EXPECT_EQ(Lookup("ce", 0).at(0), 0x4F54);
    // Literal forms behind stop marks.
    EXPECT_EQ(Lookup("gisons", 0), (std::vector<u16>{0x9009}));
    EXPECT_EQ(Lookup("gisez", 0), (std::vector<u16>{0x900A}));
    EXPECT_EQ(Lookup("assieds", 0), (std::vector<u16>{0xB006, 0xB007, 0xB030}));
    EXPECT_EQ(Lookup("puis", 0), (std::vector<u16>{0x1400, 0xF006}));
    // Words that exist only inside fixed locutions carry their locution
    // class first (an opening word 23, a later word 24, a word of a Latin
    // phrase 25), also where the source writes a ligature ("æquo"); words
    // the source files as parts of locutions too but that stand alone do
    // not (an adverb, a locution part of class 26).
    for (const auto& [word, cls] : {std::pair<const char*, u16>{"quant", 23}, {"priori", 24}, {"envi", 24},
                                    {"cetera", 24}, {"aequo", 24}, {"caetera", 24}, {"statu", 25},
                                    {"tant", 20}, {"afin", 26}}) {
        const std::vector<u16> tags = Lookup(word, 0);
        ASSERT_FALSE(tags.empty()) << word;
        EXPECT_EQ(tags[0] >> 8, cls) << word;
    }
    // A later word of a locution that is a verb form too: its locution
    // reading first, then the verb's readings whole (the model number as
    // analysis byte, the lemma reference of every form of the verb).
    struct Ordinary {
        const char* word;
        u16 verbTag;
        const char* otherForm;  // of the same verb
        u8 model;
    };
    for (const Ordinary& o : {Ordinary{"juger", 0xC000, "jugeons", 11}, Ordinary{"peut", 0xC108, "peux", 43}}) {
        std::vector<u32> refs, verbRefs;
        Lookup(o.otherForm, 0, &verbRefs);
        ASSERT_FALSE(verbRefs.empty()) << o.otherForm;
        const std::vector<u16> tags = Lookup(o.word, 0, &refs);
        EXPECT_EQ(tags, (std::vector<u16>{0x1800, o.verbTag})) << o.word << Hex(tags);
        ASSERT_EQ(refs.size(), 2u) << o.word;
        EXPECT_EQ(gWordAnalysisBytes.data[1], o.model) << o.word;
        EXPECT_EQ(refs[1], verbRefs[0]) << o.word;
        EXPECT_NE(refs[0], refs[1]) << o.word;
    }
    // A verb in two spellings, with and without the circumflex: the forms
    // both give read first as the usual spelling, with its model.
    for (const auto& [shared, own] : {std::pair<const char*, const char*>{"connais", "conna\x94t"},
                                      {"parais", "para\x94t"}, {"connu", "conna\x94tre"}}) {
        std::vector<u32> refs, ownRefs;
        Lookup(own, 0, &ownRefs);
        ASSERT_FALSE(ownRefs.empty()) << shared;
        const std::vector<u16> tags = Lookup(shared, 0, &refs);
        size_t verb = 0;
        while (verb < tags.size() && (tags[verb] >> 8) < 0x80) ++verb;
        ASSERT_LT(verb, tags.size()) << shared;
        EXPECT_EQ(gWordAnalysisBytes.data[verb], 64) << shared;
        EXPECT_EQ(refs[verb], ownRefs[0]) << shared;
    }
    // A capitalised word is a proper noun of section 9.
    std::vector<u16> paris = Lookup("paris", 1);
    ASSERT_FALSE(paris.empty());
    EXPECT_EQ(paris[0] >> 8, 0x40);
}

// The first reading of forms with several readings, as the compiler orders
// them, and the classes it gives the source's lines.
TEST_F(FrenchRoundTrip, FirstReadings) {
    const struct {
        const char* word;
        u16 caseMode;
        u16 first;
    } kCases[] = {
        // Capitalised nouns of the source (countries, regions) are proper
        // nouns of their gender.
        {"france", 1, 0x4024},
        {"maroc", 1, 0x4014},
        // Prepositions before their adverb, noun or verb readings.
        {"selon", 0, 0x2200},
        {"depuis", 0, 0x2200},
        {"entre", 0, 0x2200},
        {"sous", 0, 0x2200},
        {"moins", 0, 0x2200},
        // A lemma far commoner than the verb or the other lemma of the form.
        {MR("musée"), 0, 0x4114},
        {"tapis", 0, 0x411C},
        {"fils", 0, 0x411C},
        {"fois", 0, 0x412C},
        // A noun before the noun or adjective of the same spelling.
        {"fin", 0, 0x4124},
        // A title that is a noun; the relative "où".
        {"monsieur", 0, 0x4114},
        {MR("où"), 0, 0x4700},
        // The contracted article of both genders.
        {"aux", 0, 0x6738},
    };
    for (const auto& c : kCases) {
        const std::vector<u16> tags = Lookup(c.word, c.caseMode);
        ASSERT_FALSE(tags.empty()) << c.word;
        EXPECT_EQ(tags[0], c.first) << c.word << Hex(tags);
    }
    // A function word of several subtypes has a reading for each.
    const std::vector<u16> moins = Lookup("moins", 0);
    EXPECT_NE(std::find(moins.begin(), moins.end(), 0x1400), moins.end()) << Hex(moins);
    // A conjunction rarer than the verb of its form comes after it.
    const std::vector<u16> soit = Lookup("soit", 0);
    ASSERT_GE(soit.size(), 2u);
    EXPECT_GE(soit[0], 0x8000) << Hex(soit);
}

// An irregular plural is filed with its singular: it reads as a plural noun
// whose lemma reference is the singular's.
TEST_F(FrenchRoundTrip, IrregularPluralsReferToTheirSingular) {
    for (const auto& [plural, singular] :
         {std::pair<const char*, const char*>{"yeux", "oeil"}, {"cieux", "ciel"}, {MR("aïeux"), MR("aïeul")},
          {"messieurs", "monsieur"}, {"mesdames", "madame"}, {"bonshommes", "bonhomme"}}) {
        std::vector<u32> pRefs, sRefs;
        const std::vector<u16> p = Lookup(plural, 0, &pRefs);
        const std::vector<u16> s = Lookup(singular, 0, &sRefs);
        ASSERT_FALSE(p.empty()) << plural;
        ASSERT_FALSE(s.empty()) << singular;
        EXPECT_EQ(p[0] >> 8, 'A') << plural;
        EXPECT_EQ((p[0] >> 2) & 3, 2) << plural;
        ASSERT_FALSE(pRefs.empty());
        ASSERT_FALSE(sRefs.empty());
        EXPECT_EQ(pRefs[0], sRefs[0]) << plural;
    }
}

}  // namespace
