// The inflection engine on the built-in English dictionary: infinitives,
// principal parts, plurals and singulars, and the base form of the
// regional spellings.
#include <cstring>

#include "frame/records.h"
#include "morphology/token_base_form.h"
#include "morphology/word_analysis.h"
#include "morphology/word_lookup.h"
#include "tests/inflection/inflect_fixture.h"

namespace {

using Forms = std::vector<std::string>;

class EnglishInflectTest : public InflectTest {
protected:
    void SetUp() override {
        InflectTest::SetUp();
        while (gInitCount != 0) KRZEnd();
        KRZInit(0, 1);
        gActiveVariantA = gActiveVariantB = 0;
    }
};

struct Case {
    u32 mode;
    const char* word;
    u16 code;
    Forms forms;
};

class EnglishInflect : public EnglishInflectTest {
public:
    Inflected Call(u32 mode, const std::string& word, u16 count) { return Run(mode, word, count); }
};

void RunCases(EnglishInflect& t, const Case* cases, std::size_t n,
              Inflected (EnglishInflect::*run)(u32, const std::string&, u16)) {
    for (std::size_t i = 0; i < n; ++i) {
        const Case& c = cases[i];
        const Inflected r = (t.*run)(c.mode, c.word, 0);
        EXPECT_EQ(r.forms, c.forms) << c.word << " op " << c.mode;
        EXPECT_EQ(r.code, c.code) << c.word << " op " << c.mode;
    }
}


TEST_F(EnglishInflect, Infinitives) {
    const Case kCases[] = {
        {1, "lay", 33, {"lay", "lie"}},
        {1, "saw", 33, {"see", "saw"}},
        {1, "walked", 32, {"walk"}},
        {1, "tries", 32, {"try"}},
        {1, "went", 33, {"go"}},
        {1, "stopping", 32, {"stop"}},
    };
    RunCases(*this, kCases, std::size(kCases), &EnglishInflect::Call);
    EXPECT_EQ(Run(1, "xqzwv").code, kInflectRefused);
}

TEST_F(EnglishInflect, PrincipalParts) {
    const Case kCases[] = {
        {30, "walk", 32, {"walk", "walks", "walking", "walked", "walked"}},
        {30, "try", 32, {"try", "tries", "trying", "tried", "tried"}},
        {30, "stop", 32, {"stop", "stops", "stopping", "stopped", "stopped"}},
        {30, "be", 24, {"am", "is, (they) are", "being", "was, (they) were", "been"}},
        {30, "go", 33, {"go", "goes", "going", "went", "gone"}},
        {30, "lay", 33, {"lay", "lays", "laying", "laid", "laid"}},
        // Past participles in -n: "saw" is conjugated as both verbs.
        {30, "see", 33, {"see", "sees", "seeing", "saw", "seen"}},
        {30, "saw", 32, {"saw", "saws", "sawing", "sawed", "sawed (or sawn)"}},
        {30, "sow", 33, {"sow", "sows", "sowing", "sowed", "sown (or sowed)"}},
        {30, "show", 33, {"show", "shows", "showing", "showed", "shown (or showed)"}},
        // Notes of the rows: a note naming the form already shown is not
        // repeated ("born or born").
        {30, "forbid", 33, {"forbid", "forbids", "forbidding", "forbade, or forbad", "forbidden (or forbad)"}},
        {30, "hide", 33, {"hide", "hides", "hiding", "hid", "hidden (or hid)"}},
        {30, "fly", 33, {"fly", "flies", "flying", "flew", "flown"}},
    };
    RunCases(*this, kCases, std::size(kCases), &EnglishInflect::Call);
}

// Verbs of the list of irregular verbs: every pair of past and participle,
// the list's first pair first, the others as notes in one English format;
// verbs the word lists lack are built on the row of the verb they end with.
// A verb the other sources give keeps its row (weave, shine, broadcast
// stand on regular rows: result 32) and shows the list's order.
TEST_F(EnglishInflect, PrincipalPartsOfTheIrregularList) {
    const Case kCases[] = {
        {30, "forget", 33, {"forget", "forgets", "forgetting", "forgot", "forgotten (or forgot)"}},
        {30, "beat", 33, {"beat", "beats", "beating", "beat", "beaten (or beat)"}},
        {30, "weave", 32, {"weave", "weaves", "weaving", "wove (or weaved)", "woven (or weaved)"}},
        {30, "shine", 32, {"shine", "shines", "shining", "shined (or shone)", "shined (or shone)"}},
        {30, "bear", 33, {"bear", "bears", "bearing", "bore", "born (or borne)"}},
        {30, "broadcast", 32,
         {"broadcast", "broadcasts", "broadcasting", "broadcast (or broadcasted)", "broadcast (or broadcasted)"}},
        // The modal and the verb of the list: both readings, no French joiner.
        {30, "can", 24, {"can", "cans", "canning", "could (or canned)", "canned"}},
        {30, "get", 33, {"get", "gets", "getting", "got", "gotten (or got)"}},
        {30, "prove", 32, {"prove", "proves", "proving", "proved", "proven (or proved)"}},
        {30, "redraw", 33, {"redraw", "redraws", "redrawing", "redrew", "redrawn"}},
        {30, "spoon-feed", 33, {"spoon-feed", "spoon-feeds", "spoon-feeding", "spoon-fed", "spoon-fed"}},
    };
    RunCases(*this, kCases, std::size(kCases), &EnglishInflect::Call);
}

// A verb that is also a form of another verb is conjugated as itself (not
// from the other verb's cut stem: felt gave "fe"); a British verb longer
// than the operations' lookup reads in the regional sections is found as
// the spelling check finds it.
TEST_F(EnglishInflect, PrincipalPartsOfTheWordItself) {
    const Case kCases[] = {
        {30, "felt", 32, {"felt", "felts", "felting", "felted", "felted"}},
        {30, "found", 32, {"found", "founds", "founding", "founded", "founded"}},
        {30, "rebound", 32, {"rebound", "rebounds", "rebounding", "rebounded", "rebounded"}},
        {30, "weed", 32, {"weed", "weeds", "weeding", "weeded", "weeded"}},
        {30, "wound", 32, {"wound", "wounds", "wounding", "wounded", "wounded"}},
        {30, "compartmentalise", 32,
         {"compartmentalise", "compartmentalises", "compartmentalising", "compartmentalised", "compartmentalised"}},
    };
    RunCases(*this, kCases, std::size(kCases), &EnglishInflect::Call);
    // American spellings only: the British verb is not one.
    gActiveVariantA = 1;
    EXPECT_EQ(Run(30, "compartmentalise").code, kInflectRefused);
}

TEST_F(EnglishInflect, Plurals) {
    const Case kCases[] = {
        {3, "focus", 1, {"focuses", "foci"}},
        {3, "scarf", 1, {"scarves", "scarfs"}},
        // A verb read as a noun: its model gives the plural ending.
        {3, "die", 0, {"dice", "dies"}},
        {3, "hold", 0, {"holds"}},
        // An irregular plural linked to its singular in the dictionary.
        {3, "child", 0, {"children"}},
        {3, "box", 0, {"boxes"}},
        // Short nouns whose plural lands in another section or list.
        {3, "cat", 0, {"cats"}},
        {3, "city", 0, {"cities"}},
        {3, "spy", 0, {"spies"}},
        {3, "woman", 0, {"women"}},
        {3, "fireman", 0, {"firemen"}},
        // Irregular plurals parted from their singular by the first letters
        // (and nouns that are verbs too: foot, mouse, man).
        {3, "mouse", 0, {"mice"}},
        {3, "foot", 0, {"feet"}},
        {3, "man", 0, {"men"}},
        {3, "tooth", 0, {"teeth"}},
        {3, "ox", 0, {"oxen"}},
        {4, "mice", 0, {"mouse"}},
        {4, "feet", 0, {"foot"}},
        {4, "women", 0, {"woman"}},
        {4, "firemen", 0, {"fireman"}},
        {3, "children", kInflectInvariable, {}},
        {3, "sheep", kInflectInvariable, {}},
        {3, "x", kInflectNoPlural, {}},
        {3, "xqzwv", kInflectRefused, {}},
    };
    RunCases(*this, kCases, std::size(kCases), &EnglishInflect::Call);
}

TEST_F(EnglishInflect, Singulars) {
    const Case kCases[] = {
        {4, "children", 0, {"child"}},
        {4, "criteria", 0, {"criterion"}},
        {4, "cats", 0, {"cat"}},
        {4, "cities", 0, {"city"}},
        {4, "child", kInflectNoSingular, {}},
        {4, "xqzwv", kInflectNoSingular, {}},
    };
    RunCases(*this, kCases, std::size(kCases), &EnglishInflect::Call);
}

// A British spelling (found in the regional section read first for it)
// gives the other spelling as its base form.
TEST_F(EnglishInflect, RegionalSpellingBaseForm) {
    struct BaseCase {
        const char* word;
        const char* base;
    };
    const BaseCase kCases[] = {{"colour", "color"}, {"centre", "center"}, {"color", "color"}};
    StringList slots;
    InitByteMatrix(slots, 16, 36);
    BoundedString base;
    base.Allocate(36);
    for (const BaseCase& c : kCases) {
        WordRecord& r = *GetWordRecordAt(gWords, 1);
        BoundedString w = InflectText(c.word);
        u16 count = 0;
        AnalyseWordForms(0x23, w, count, slots);
        ASSERT_GT(count, 0) << c.word;
        for (BoundedString* t : {&r.WordText, &r.SeparatorText}) {
            std::memset(t->data, 0, t->count);
            std::memcpy(t->data, c.word, std::min<std::size_t>(std::strlen(c.word), t->count - 1));
        }
        r.ReadingCount = count;
        r.ReadingClasses[0] = static_cast<u8>(gWordTagCodes[0] >> 8);
        r.ReadingFeatures[0] = static_cast<u8>(gWordTagCodes[0] & 0xFF);
        r.ReadingMarks[0] = gWordAnalysisBytes[0];
        r.ReadingLemmaRefs[0] = gWordLemmaRefs[0];
        r.ReadingCategories[0] = 0;
        r.WordCaseMode = 0;
        std::memset(base.data, 0, base.count);
        GetTokenBaseForm(1, base);
        EXPECT_STREQ(reinterpret_cast<const char*>(base.data), c.base) << c.word;
    }
    // The operation path names the regional section it found the word in.
    BoundedString w = InflectText("colour");
    u16 count = 0;
    EXPECT_EQ(LookupWordForm(20, w, gWordTagCodes, count), 6);
}

}  // namespace
