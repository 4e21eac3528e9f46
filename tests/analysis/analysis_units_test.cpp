// The small units of the analysis exports: XML escaping, the word-kind map,
// bar-separated lists and the decoding of a reading into a syntax record.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "analysis/bar_list.h"
#include "analysis/syntax_records.h"
#include "analysis/word_kinds.h"
#include "analysis/xml_escape.h"
#include "frame/bounded_string.h"

namespace {

std::string Escaped(const char* text, u32 capacity) {
    BoundedString out;
    out.Allocate(capacity);
    CopyCString(out, "[");
    BoundedString in;
    in.Allocate(64);
    CopyCString(in, text);
    AppendXmlEscaped(out, in);
    return reinterpret_cast<const char*>(out.data);
}

TEST(XmlEscape, EscapesTheFourMarkupBytesOnce) {
    EXPECT_EQ(Escaped("a&b<c>d\"e'f", 64), "[a&amp;b&lt;c&gt;d&#34;e'f");
    // Text that already holds an entity is text: its '&' is escaped too.
    EXPECT_EQ(Escaped("&#34;", 64), "[&amp;#34;");
    // An escape that does not fit is not begun.
    EXPECT_EQ(Escaped("ab&c", 6), "[ab");
    EXPECT_EQ(Escaped("\xC7\xCA\x8E", 64), "[\xC7\xCA\x8E");
}

TEST(WordKinds, ClassBytesMapToTheHostKinds) {
    const struct {
        u8 cls, kind;
    } cases[] = {{0x00, 27}, {0x01, 0},  {0x10, 1},  {0x11, 2},  {0x12, 3},  {0x13, 0},  {0x14, 4},  {0x1B, 4},
                 {0x1C, 5},  {0x20, 6},  {0x24, 26}, {0x26, 6},  {0x2A, 7},  {0x2E, 0},  {0x40, 8},  {'A', 9},
                 {'B', 10},  {'C', 11},  {'M', 11},  {'N', 11},  {'D', 12},  {'E', 13},  {'F', 14},  {'I', 15},
                 {'L', 16},  {'O', 17},  {'Q', 18},  {'S', 19},  {'T', 20},  {0x7C, 20}, {'U', 21},  {0x60, 21},
                 {'b', 21},  {'c', 22},  {'l', 22},  {'m', 23},  {0x7B, 23}, {0x7D, 24}, {0x7F, 0},  {0x80, 25},
                 {0xFF, 25}};
    for (const auto& c : cases) EXPECT_EQ(WordKindOfClass(c.cls), c.kind) << "class " << int(c.cls);
}

TEST(BarList, AddsEachItemOnce) {
    char list[360] = {};
    EXPECT_EQ(AddToBarSeparatedList("aller", list, 360), 1);
    EXPECT_EQ(AddToBarSeparatedList("aller", list, 360), 0);
    EXPECT_EQ(AddToBarSeparatedList("all\x8E", list, 360), 1);
    EXPECT_STREQ(list, "aller|all\x8E");
    // Whole items are compared: a prefix of one is another item.
    EXPECT_EQ(AddToBarSeparatedList("all", list, 360), 1);
    EXPECT_STREQ(list, "aller|all\x8E|all");
}

TEST(BarList, AFullListIsCutNeverOverrun) {
    char buffer[16];
    std::memset(buffer, '#', sizeof buffer);
    buffer[0] = 0;
    EXPECT_EQ(AddToBarSeparatedList("abcd", buffer, 8), 1);
    EXPECT_EQ(AddToBarSeparatedList("efgh", buffer, 8), 1);
    EXPECT_STREQ(buffer, "abcd|ef");
    for (int k = 8; k < 16; ++k) EXPECT_EQ(buffer[k], '#') << k;
}

TEST(SyntaxRecords, ReadingsDecodeIntoKindGenderNumberPersonAndVerbForm) {
    const struct {
        u8 cls, features;
        ReadingValues want;  // kind, gender, number, person, verbForm
    } cases[] = {
        {0x80, 0, {25, 0, 0, 0, 1}},   // infinitive
        {0x80, 1, {25, 0, 0, 0, 2}},   // present participle
        {0x80, 3, {25, 1, 2, 0, 3}},   // past participle, masculine plural
        {0x80, 4, {25, 2, 1, 0, 3}},   // feminine singular
        {0x80, 8, {25, 0, 1, 3, 4}},   // present, third singular
        {0x80, 14, {25, 0, 1, 3, 5}},  // imperfect, third singular
        {0x80, 47, {25, 0, 2, 3, 10}}, // conditional, third plural
        {0x80, 48, {25, 0, 1, 2, 11}}, // imperative
        {0x80, 55, {25, 0, 1, 1, 4}},  // present first singular ("finis")
        {0x80, 59, {25, 0, 1, 1, 8}},  // present subjunctive first singular ("finisse")
        {0x84, 72, {25, 0, 1, 3, 4}},  // "dit-il": the pronoun's 64 off the slot
        {0x84, 136, {25, 0, 1, 3, 4}}, // "dit-elle": its 128 off
        {'A', 0x14, {9, 1, 1, 0, 0}},  // noun, masculine singular
        {'A', 0x20, {9, 2, 3, 0, 0}},  // number bits 0: both numbers
        {'B', 0x00, {10, 3, 3, 0, 0}},
        {'T', 0x17, {20, 1, 1, 3, 0}}, // pronoun: the person in bits 0-1
        {0x14, 0x14, {4, 0, 0, 0, 0}}, // an adverb has no features
    };
    for (const auto& c : cases) {
        const ReadingValues v = DecodeReading(c.cls, c.features);
        const std::string at = "class " + std::to_string(c.cls) + " features " + std::to_string(c.features);
        EXPECT_EQ(v.kind, c.want.kind) << at;
        EXPECT_EQ(v.gender, c.want.gender) << at;
        EXPECT_EQ(v.number, c.want.number) << at;
        EXPECT_EQ(v.person, c.want.person) << at;
        EXPECT_EQ(v.verbForm, c.want.verbForm) << at;
    }
}

}  // namespace
