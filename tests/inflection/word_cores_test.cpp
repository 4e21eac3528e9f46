// Internal word-service pieces: the one-word analysis core (word classes,
// each once) and the related-word operations of the inflection engine.
#include <algorithm>
#include <set>

#include "frame/mac_roman_literal.h"
#include "inflection/word_exports.h"
#include "morphology/word_lookup.h"
#include "tests/inflection/inflect_fixture.h"

namespace {

using Classes = std::vector<u8>;

Classes WordClasses(const char* word, u16 language, u16& result) {
    BoundedString w = InflectText(word);
    BoundedArray<u8> classes;
    classes.Allocate(kMaxWordClasses);
    u16 count = 99;
    result = OneWordAnalysisCore(w, count, classes, 0, language);
    Classes out;
    for (u32 i = 0; i < count; ++i) out.push_back(classes[static_cast<i32>(i)]);
    return out;
}

TEST_F(InflectTest, OneWordAnalysisClasses) {
    KRZInit(3, 1);  // English data too
    struct Case {
        const char* word;
        u16 language;
        u16 result;
        Classes classes;
    };
    const Case kCases[] = {
        // Several adjective and verb readings: each class once, in order.
        {"ferme", 3, 1, {'B', 'A', 0xF0}},
        {"Ferme", 3, 1, {'B', 'A', 0xF0}},
        {MR("\"été\""), 3, 0, {}},  // the core removes no quotes
        {"xqzwv", 3, 0, {}},
        {"", 3, 1, {}},
        // English classes in the French letters: '8' B, '9' A, ':' 0x14.
        {"fast", 0, 1, {0x80, 'B', 0x14}},
        {"run", 0, 1, {0x80, 'A'}},
    };
    for (const Case& c : kCases) {
        u16 result = 0;
        const Classes got = WordClasses(c.word, c.language, result);
        if (c.result == 1 && !c.classes.empty()) {
            EXPECT_EQ(got, c.classes) << c.word;
        }
        EXPECT_EQ(result, c.result) << c.word;
        EXPECT_EQ(std::set<u8>(got.begin(), got.end()).size(), got.size()) << c.word;
    }
    EXPECT_EQ(gCheckingLanguage, 3);
}

// Operations 11 and 12 store at most as many forms as the results array
// holds, and count only what they stored.
TEST_F(InflectTest, RelatedWordsBoundedByTheResults) {
    InitByteMatrix(results, 4, 36);
    Inflected r = Run(0x30C, "central");  // more nouns than the 4 results
    EXPECT_EQ(r.code, 4);
    EXPECT_EQ(r.count, 4);
    EXPECT_EQ(std::set<std::string>(r.forms.begin(), r.forms.end()).size(), r.forms.size());

    r = Run(0x30B, "nation");
    EXPECT_GT(r.count, 0);
    EXPECT_EQ(r.code, r.count);
    for (const std::string& f : r.forms) EXPECT_EQ(f.rfind("natio", 0), 0u) << f;

    // Failures leave the count as it was.
    EXPECT_EQ(Run(0x30B, "xqzwv", 7).count, 7);
    r = Run(0x30C, "nation", 7);  // no adjective reading
    EXPECT_EQ(r.code, kInflectCapital);
    EXPECT_EQ(r.count, 7);
}

}  // namespace
