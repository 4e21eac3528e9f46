// The rule dispatcher and its own rules on word tables built from the
// compact notation: one finding per call in ascending (code, word) order,
// the word rules (1, 16, 37, 39), the sentence rules (48, 57, 59, 60) and
// rule 53 raised by the syntactic categories.
#include "checking/dispatcher.h"

#include "word_table_fixture.h"

using namespace word_table;

namespace {

struct Snapshot {
    BoundedArray<WordRecord> words;
    u16 count = 0;
    Snapshot() {
        CreateWordRecordArray(words, kMaxSentenceWords);
        for (u32 i = 0; i < kMaxSentenceWords; ++i) CopyWordRecord(words.data[i], gWords[i]);
        count = gWordCount;
    }
    void Restore() const {
        for (u32 i = 0; i < kMaxSentenceWords; ++i) CopyWordRecord(gWords[i], words.data[i]);
        gWordCount = count;
    }
};

// Every finding of the sentence, each call on the table as built (as the
// per-sentence driver does).
std::vector<Hit> Series(u16 mode = 0) {
    const Snapshot table;
    StartSeries();
    std::vector<Hit> hits;
    for (int calls = 0; calls < 50; ++calls) {
        table.Restore();
        gErrorVariant = 0;
        gErrorDetail = 0;
        gErrorExtent = kNoCorrection;
        const RuleCode r = AnalyseAndCheckSentence(mode);
        if (r == 0) break;
        hits.push_back({r, gLastErrorPos, gErrorVariant, gErrorDetail, gErrorExtent});
    }
    return hits;
}

Hit First(const std::string& notation) {
    Build(notation);
    const std::vector<Hit> hits = Series();
    return hits.empty() ? Hit{0, 0, 0, 0, 0} : hits.front();
}

using DispatcherTest = WordTableTest;

TEST_F(DispatcherTest, RepeatedWords) {
    struct Case {
        u16 language;
        const char* sentence;
        RuleCode code;
        i32 pos;
    };
    const Case cases[] = {
        {3, "Il/U mange/#128.24 le/d le/d pain ./", 16, 3},
        {3, "Il/U en/V en/V parle/#128.24 ./", 0, 0},       // "en en" is French
        {3, "Le/d le/d pain ./", 16, 1},                     // the sentence's capital
        {3, "Le/d Le/d pain ./", 0, 0},                      // the repeat a capital
        {3, "Il/U nous/X nous/X lave/#128.24 ./", 0, 0},     // pronoun class 'X'
        {0, "He/U read/#128 the/c the/c book ./", 16, 3},
        {0, "He/U had/#128.3 had/#128.4 enough ./", 0, 0},
        {0, "Let/#128 us/V us/V go/#128 ./", 0, 0},
    };
    for (const Case& c : cases) {
        gCheckingLanguage = c.language;
        const Hit h = First(c.sentence);
        if (c.code == 0) {
            // Other rules may find the repeat wrong ("Le Le" is an article
            // before an article); the repetition rule does not.
            Build(c.sentence);
            for (const Hit& other : Series()) EXPECT_NE(other.code, 16) << c.sentence;
            continue;
        }
        EXPECT_EQ(h.code, c.code) << c.sentence;
        {
            EXPECT_EQ(h.pos, c.pos) << c.sentence;
            EXPECT_EQ(h.extent, c.pos) << c.sentence;
        }
    }
}

TEST_F(DispatcherTest, FindingsComeInAscendingOrderOnce) {
    gCheckingLanguage = 3;
    Build("Il/U ne/#22 mange/#128.24 le/d le/d xqzw/#0 ( ./");
    const std::vector<Hit> hits = Series();
    std::ostringstream all;
    for (const Hit& h : hits) all << h;
    // The locution matcher's category pairs find an article before an
    // article (40 at the second "le"); "mange" given the first person slot
    // of the simple past (24) does not agree with "Il" (44).
    ASSERT_EQ(hits.size(), 6u) << all.str();
    EXPECT_EQ(hits[0].code, 1);
    EXPECT_EQ(hits[0].pos, 5);
    EXPECT_EQ(hits[1].code, 16);
    EXPECT_EQ(hits[1].pos, 4);
    EXPECT_EQ(hits[2].code, 40);
    EXPECT_EQ(hits[2].pos, 4);
    EXPECT_EQ(hits[3].code, 44);
    EXPECT_EQ(hits[3].pos, 2);
    EXPECT_EQ(hits[4].code, 48);
    EXPECT_EQ(hits[4].detail, 3u);  // parentheses
    EXPECT_EQ(hits[5].code, 59);
    EXPECT_EQ(hits[5].variant, 'P');
    for (std::size_t k = 1; k < hits.size(); ++k) {
        const bool ascending = hits[k].code > hits[k - 1].code ||
                               (hits[k].code == hits[k - 1].code && hits[k].pos > hits[k - 1].pos);
        EXPECT_TRUE(ascending) << hits[k - 1] << " then " << hits[k];
    }
}

TEST_F(DispatcherTest, EmptySentenceFindsNothing) {
    for (u16 language : {0, 3}) {
        gCheckingLanguage = language;
        gWordCount = 0;
        StartSeries();
        EXPECT_EQ(AnalyseAndCheckSentence(0), 0);
    }
}

TEST_F(DispatcherTest, UnknownWords) {
    gCheckingLanguage = 3;
    Build("Le/d xqzw/#0 et/#16 12ab/@ dort/#224.8.14 ./");
    std::vector<Hit> hits = Series();
    ASSERT_EQ(hits.size(), 2u);
    EXPECT_EQ(hits[0], (Hit{1, 1, 0, 0, 127}));
    EXPECT_EQ(hits[1].code, 1);
    EXPECT_EQ(hits[1].pos, 3);
    EXPECT_EQ(hits[1].variant, 'N');  // begins with a digit

    // Scoring mode reports only the word already held.
    Build("Le/d xqzw/#0 et/#16 vrwq/#0 ./");
    const Snapshot table;
    for (i16 held : {1, 3}) {
        table.Restore();
        gLastRule = 1;
        gLastErrorPos = held;
        gErrorExtent = kNoCorrection;
        EXPECT_EQ(AnalyseAndCheckSentence(2), 1);
        EXPECT_EQ(gLastErrorPos, held);
    }
    table.Restore();
    gLastRule = 1;
    gLastErrorPos = 2;
    EXPECT_EQ(AnalyseAndCheckSentence(2), 0);
}

TEST_F(DispatcherTest, FrenchLigatures) {
    gCheckingLanguage = 3;
    struct Case {
        const char* word;
        u16 firstLigature;  // recorded position, 65535 none
        u8 variant;         // 0: nothing reported
        u16 detail, extent;
    };
    const Case cases[] = {
        {"coeur", 65535, 'L', 207, 1},    // 'L': the ligature is missing
        {"oeuvre", 65535, 'L', 207, 0},
        {"caecum", 65535, 'L', 190, 1},
        {"coeur", 1, 0, 0, 0},        // typed as a ligature
        {"poete", 65535, 0, 0, 0},    // no ligature due
        {"moelle", 1, 'D', 207, 1},   // 'D': a ligature where none is due
        {"ex-aequo", 3, 'D', 190, 3},
    };
    for (const Case& c : cases) {
        Build(std::string("Le/d ") + c.word + " dort/#224.8.14 ./");
        gWords[1].FirstLigaturePos = c.firstLigature;
        const std::vector<Hit> hits = Series();
        if (c.variant == 0) {
            EXPECT_TRUE(hits.empty()) << c.word;
            continue;
        }
        ASSERT_FALSE(hits.empty()) << c.word;
        EXPECT_EQ(hits[0], (Hit{37, 1, c.variant, c.detail, c.extent})) << c.word;
    }
    // Not in scoring mode.
    Build("Le/d coeur ./");
    StartSeries();
    EXPECT_EQ(AnalyseAndCheckSentence(2), 0);
}

TEST_F(DispatcherTest, NumberWordsNeedAHyphen) {
    struct Case {
        u16 language;
        const char* sentence;
        i32 first;  // first word of the pair; -1 none
        u8 variant;
        u16 entry = 0;  // French: the number-word entry the explanation reads
    };
    const Case cases[] = {
        {0, "twenty/R one/R books ./", 0, 0},
        {0, "He/U was/#128.3 thirty/R first/R ./", 2, 0},
        {0, "ninety/R ten/R ./", -1, 0},
        {0, "twenty/R books ./", -1, 0},
        {3, "vingt/S deux/S pommes ./", 0, 0, 2},
        {3, "Il/U a/#131.24 dix/S sept/S ans ./", 2, 0, 7},
        {3, "le/d deux/S ./", -1, 0},                         // not after a numeral
        {3, "Donne/#128.48 moi/W le/d livre ./", 0, 0, 41},    // imperative + pronoun
        {3, "Va/#128.48 y/X ./", 0, 'S', 40},                 // "vas-y"
        {3, "Il/U donne/#128.24 moi/W ./", -1, 0},            // not an imperative
    };
    for (const Case& c : cases) {
        gCheckingLanguage = c.language;
        Build(c.sentence);
        const std::vector<Hit> hits = Series();
        const Hit* h = nullptr;
        for (const Hit& x : hits) {
            if (x.code == 39) h = &x;
        }
        if (c.first < 0) {
            EXPECT_EQ(h, nullptr) << c.sentence;
            continue;
        }
        ASSERT_NE(h, nullptr) << c.sentence;
        // French pairs stand at their second word, whose rule the
        // explanation tells; the span starts at the first.
        EXPECT_EQ(h->pos, c.first + (c.language == 3 ? 1 : 0)) << c.sentence;
        EXPECT_EQ(h->extent, c.first) << c.sentence;
        EXPECT_EQ(h->variant, c.variant) << c.sentence;
        if (c.language == 3) {
            EXPECT_EQ(h->detail, c.entry) << c.sentence;
        }
    }
}

TEST_F(DispatcherTest, UnbalancedSignsReportTheFirstKindOnce) {
    struct Case {
        const char* sentence;
        u16 detail;  // 0: balanced
    };
    const Case cases[] = {
        {"Il/U dit/#128.24 \" oui ( ./", 1},  // double quotes win over parentheses
        {"Il/U dit/#128.24 ( oui ./", 3},
        {"Il/U dit/#128.24 ( oui ) ./", 0},
        {"Il/U dit/#128.24 [ oui ./", 4},
        {"Il/U dit/#128.24 { oui ./", 5},
        {"Il/U dit/#128.24 ' oui ./", 2},
    };
    gCheckingLanguage = 3;
    for (const Case& c : cases) {
        Build(c.sentence);
        const std::vector<Hit> hits = Series();
        u32 found = 0;
        for (const Hit& h : hits) {
            if (h.code != 48) continue;
            ++found;
            EXPECT_EQ(h.detail, c.detail) << c.sentence;
            EXPECT_EQ(h.pos, gWordCount) << c.sentence;
        }
        EXPECT_EQ(found, c.detail == 0 ? 0u : 1u) << c.sentence;
    }
    // Quote flags of words count too: an opening quote taken off a word.
    Build("Il/U dit/#128.24 oui ./");
    gWords[2].QuoteFlags = 5;
    ASSERT_FALSE(Series().empty());
}

TEST_F(DispatcherTest, QuestionMarkWithoutQuestion) {
    struct Case {
        u16 language;
        const char* sentence;
        bool reported;
    };
    const Case cases[] = {
        {0, "He/U is/#128.1.0.37 here/#20 ?", true},       // the words before the final "?"
        {0, "Where/H is/#128.1.0.37 he/U ?", false},
        {0, "How/#20 nice/E ?", false},
        {0, "He/U said/#128.3 , really/#20 ?", false},       // a comma stops the scan
        {0, "He/U is/#128.1 here/#20 .", false},             // no question mark
        {3, "Il/U vient/#128.24 ?", false},                   // French asks by the tone alone
        {3, "Quand/#17 vient/#128.24 il/U ?", false},
        {3, "Vient/#132.24 il/U ?", false},
    };
    for (const Case& c : cases) {
        gCheckingLanguage = c.language;
        Build(c.sentence);
        bool found = false;
        for (const Hit& h : Series()) {
            if (h.code != 57) continue;
            found = true;
            EXPECT_EQ(h.pos, gWordCount) << c.sentence;
        }
        EXPECT_EQ(found, c.reported) << c.sentence;
    }
}

TEST_F(DispatcherTest, IncompleteFrenchNegation) {
    gCheckingLanguage = 3;
    struct Case {
        const char* sentence;
        u8 variant;  // 0: nothing
        i32 pos;
        u16 detail;
    };
    const Case cases[] = {
        {"Il/U mange/#128.24 pas/#20 ./", 'N', 1, 1},
        {"Je/U le/V mange/#128.6 pas/#20 ./", 'N', 1, 1},      // the object pronoun goes with the verb
        {"Il/U ne/#22 mange/#128.24 pas/#20 ./", 0, 0, 0},
        {"Il/U ne/#22 mange/#128.24 ./", 'P', 2, 2},           // a sign follows the verb
        {"Il/U ne/#22 mange/#128.24 rien/#20 ./", 0, 0, 0},
        {"Il/U n'/#22 ose/#128.24 dire/#128.0 ./", 0, 0, 0},   // "oser" takes "ne" alone
        {"Il/U ne/#22 cesse/#128.24 de/! rire/#128.0 ./", 0, 0, 0},
        {"Non/#20 , il/U mange/#128.24 pas/#20 ./", 0, 0, 0},  // "non" counts
    };
    for (const Case& c : cases) {
        Build(c.sentence);
        const Hit* h = nullptr;
        const std::vector<Hit> hits = Series();
        for (const Hit& x : hits) {
            if (x.code == 59) h = &x;
        }
        if (c.variant == 0) {
            EXPECT_EQ(h, nullptr) << c.sentence;
            continue;
        }
        ASSERT_NE(h, nullptr) << c.sentence;
        EXPECT_EQ(h->variant, c.variant) << c.sentence;
        EXPECT_EQ(h->pos, c.pos) << c.sentence;
        EXPECT_EQ(h->detail, c.detail) << c.sentence;
        if (c.variant == 'P') {
            EXPECT_EQ(h->extent, c.pos * 257) << c.sentence;
        }
    }
}

TEST_F(DispatcherTest, Repetition) {
    gCheckingLanguage = 3;
    Build("Un/e travail/A.0.0.74 et/#16 un/e travail/A.0.0.74 durent/#224.11.14 ./");
    std::vector<Hit> hits = Series();
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0].code, 60);
    EXPECT_EQ(hits[0].pos, 4);

    Build("Un/e travail/A.0.0.74 dure/#224.8.14 ./");
    EXPECT_TRUE(Series().empty());

    // English: the second repetition of a verb is reported; auxiliaries
    // and modals (be 37, have 38, do 34, will 31) are left out.
    gCheckingLanguage = 0;
    Build("We/U went/#128.3.0.39 , they/U went/#128.3.0.39 , you/U went/#128.3.0.39 ./");
    hits = Series();
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0].code, 60);
    EXPECT_EQ(hits[0].pos, 7);
    for (const char* mark : {"37", "38", "34", "31"}) {
        const std::string was = std::string("was/#128.3.0.") + mark;
        Build("We/U " + was + " , they/U " + was + " , you/U " + was + " ./");
        EXPECT_TRUE(Series().empty()) << mark;
    }
}

TEST_F(DispatcherTest, PastParticipleAfterAModal) {
    gCheckingLanguage = 0;
    // "might": the modal reading first, then a noun reading.
    Build("He/U might/#128.0.0.30+9 crossed/#128.4.0.20 the/c road ./");
    std::vector<Hit> hits = Series();
    ASSERT_FALSE(hits.empty());
    EXPECT_EQ(hits[0], (Hit{53, 2, 0, 9, 2}));
    // With the noun reading first no modal stands before the participle.
    Build("He/U might/9+#128.0.0.30 crossed/#128.4.0.20 the/c road ./");
    for (const Hit& h : Series()) EXPECT_NE(h.code, 53);
}

}  // namespace
