// Contents of the tokenizer's character-class sets.
#include "frame/char_classes.h"

#include <initializer_list>

namespace {

struct ByteRange {
    u8 lo;
    u8 hi;
};
using ClassRow = std::array<u8, kClassSetSize>;
using Ranges = std::initializer_list<ByteRange>;

constexpr void Mark(ClassRow& row, Ranges ranges) {
    for (const ByteRange& r : ranges) {
        for (u32 c = r.lo; c <= r.hi; ++c) row[c] = 1;
    }
}

// Letters shared by every letter class.
constexpr Ranges kBaseLetters = {
    {0x41, 0x5A}, {0x61, 0x7A}, {0x80, 0x80}, {0x82, 0x83}, {0x85, 0x86}, {0x88, 0x8A},
    {0x8D, 0x91}, {0x94, 0x95}, {0x99, 0x9A}, {0x9D, 0x9F}, {0xCB, 0xCB}, {0xE5, 0xE6},
    {0xE8, 0xE9}, {0xEB, 0xEC}, {0xEF, 0xEF}, {0xF3, 0xF4}};
// Latin letters of other languages that French text quotes in names and
// words (Papadímos, señor, São Paulo, Ørsted): Å Ñ á ã å í ì ñ ó ò õ ú ß Ø ø
// Ã Õ ÿ Ÿ Á Í Ì Ó Ò Ú. The French letter classes hold them, so that such a
// word is one token.
constexpr Ranges kForeignLetters = {
    {0x81, 0x81}, {0x84, 0x84}, {0x87, 0x87}, {0x8B, 0x8C}, {0x92, 0x93}, {0x96, 0x98},
    {0x9B, 0x9C}, {0xA7, 0xA7}, {0xAF, 0xAF}, {0xBF, 0xBF}, {0xCC, 0xCD}, {0xD8, 0xD9},
    {0xE7, 0xE7}, {0xEA, 0xEA}, {0xED, 0xEE}, {0xF1, 0xF2}};
// Æ æ Œ œ ﬁ ﬂ.
constexpr Ranges kLigatures = {{0xAE, 0xAE}, {0xBE, 0xBE}, {0xCE, 0xCF}, {0xDE, 0xDF}};
// The wider letter set of ClassSet15, ClassSet16 and ClassSet25.
constexpr Ranges kWideLetters = {
    {0x41, 0x5A}, {0x61, 0x7A}, {0x80, 0x80}, {0x82, 0x8A}, {0x8D, 0x92}, {0x94, 0x97},
    {0x99, 0x9A}, {0x9C, 0x9F}, {0xCB, 0xCB}, {0xE5, 0xEC}, {0xEE, 0xEF}, {0xF2, 0xF4}};
constexpr Ranges kDigits = {{0x30, 0x39}};
constexpr Ranges kSharpS = {{0xA7, 0xA7}};
constexpr Ranges kSlashes = {{0x2D, 0x2F}};
// Symbols of the token automata (ClassSet6 adds Æ æ Œ œ ﬁ ﬂ to the letters,
// ClassSet14 leaves them here).
constexpr Ranges kSymbolsCommon = {
    {0x40, 0x40}, {0x5E, 0x5E}, {0x60, 0x60}, {0x7C, 0x7C}, {0x7E, 0x7F}, {0x81, 0x81},
    {0x84, 0x84}, {0x87, 0x87}, {0x8B, 0x8C}, {0x92, 0x93}, {0x96, 0x98}, {0x9B, 0x9C},
    {0xE7, 0xE7}, {0xEA, 0xEA}, {0xED, 0xEE}, {0xF0, 0xF2}, {0xF5, 0xFF}};
// Symbols of the spare automata.
constexpr Ranges kSpareSymbolsCommon = {
    {0x40, 0x40}, {0x5E, 0x5E}, {0x60, 0x60}, {0x7C, 0x7C}, {0x7E, 0x7F}, {0x81, 0x81},
    {0x8B, 0x8C}, {0x93, 0x93}, {0x98, 0x98}, {0x9B, 0x9B}, {0xA0, 0xB0}, {0xB2, 0xC6},
    {0xCC, 0xCF}, {0xED, 0xED}, {0xF0, 0xF1}, {0xF5, 0xFF}};
constexpr Ranges kSparePunctCommon = {
    {0x0A, 0x0A}, {0x0D, 0x0D}, {0x2F, 0x2F}, {0x3A, 0x3F}, {0x5B, 0x5D}, {0x5F, 0x5F},
    {0x7B, 0x7B}, {0x7D, 0x7D}, {0xC0, 0xC1}, {0xC7, 0xC9}, {0xD0, 0xD5}};

constexpr std::array<ClassRow, kClassSetCount> BuildClassSets() {
    std::array<ClassRow, kClassSetCount> s{};
    Mark(s[0], kBaseLetters);
    Mark(s[0], kLigatures);
    Mark(s[0], kForeignLetters);
    Mark(s[1], kDigits);
    Mark(s[2], {{0x0A, 0x0A}, {0x0D, 0x0D}, {0x21, 0x21}, {0x23, 0x26}, {0x28, 0x2A},
                {0x2F, 0x2F}, {0x3A, 0x3F}, {0x5B, 0x5D}, {0x5F, 0x5F}, {0x7B, 0x7B},
                {0x7D, 0x7D}, {0xC9, 0xC9}, {0xD0, 0xD1}});
    s[3] = s[0];
    Mark(s[3], kDigits);
    Mark(s[4], {{0x2D, 0x2D}, {0x2F, 0x2F}, {0xB1, 0xB1}});
    Mark(s[5], {{0x2B, 0x2C}, {0xB1, 0xB1}});
    Mark(s[6], kSymbolsCommon);
    Mark(s[6], {{0xA0, 0xAD}, {0xAF, 0xB0}, {0xB2, 0xBD}, {0xBF, 0xC6}, {0xCC, 0xCD},
                {0xD6, 0xDD}, {0xE0, 0xE4}});
    for (u32 c = 0; c < kClassSetSize; ++c) s[6][c] = s[6][c] != 0 && s[0][c] == 0 ? 1 : 0;
    Mark(s[7], {{0x22, 0x22}, {0x27, 0x27}, {0xC7, 0xC7}, {0xD2, 0xD2}, {0xD4, 0xD4}});
    Mark(s[8], {{0x22, 0x22}, {0x27, 0x27}, {0xC8, 0xC8}, {0xD3, 0xD3}, {0xD5, 0xD5}});
    Mark(s[9], {{0x27, 0x27}, {0xD5, 0xD5}});
    Mark(s[10], {{0x20, 0x20}, {0xCA, 0xCA}});
    Mark(s[11], {{0x2D, 0x2E}, {0x5F, 0x5F}});
    Mark(s[12], kBaseLetters);
    s[13] = s[12];
    Mark(s[13], kDigits);
    Mark(s[14], kSymbolsCommon);
    Mark(s[14], {{0xA0, 0xB0}, {0xB2, 0xC6}, {0xCC, 0xCF}, {0xD6, 0xE4}});
    Mark(s[15], kWideLetters);
    s[16] = s[15];
    Mark(s[16], kDigits);
    Mark(s[17], kSparePunctCommon);
    Mark(s[17], {{0x21, 0x2A}});
    Mark(s[18], kSpareSymbolsCommon);
    Mark(s[18], {{0xD6, 0xE4}});
    Mark(s[19], kSlashes);
    s[20] = s[12];
    Mark(s[20], kSharpS);
    s[21] = s[20];
    Mark(s[21], kDigits);
    Mark(s[22], kSparePunctCommon);
    Mark(s[22], {{0x21, 0x26}, {0x28, 0x2A}, {0xE3, 0xE3}});
    Mark(s[23], kSpareSymbolsCommon);
    Mark(s[23], {{0xD6, 0xE2}, {0xE4, 0xE4}});
    Mark(s[24], kSlashes);
    Mark(s[25], kWideLetters);
    Mark(s[25], kSharpS);
    Mark(s[25], kLigatures);
    return s;  // s[26] stays empty
}

BoundedArray<u8> ClassView(u32 n) {
    BoundedArray<u8> v;
    v.View(gClassSetBytes[n].data(), kClassSetSize);
    return v;
}

}  // namespace

constinit std::array<std::array<u8, kClassSetSize>, kClassSetCount> gClassSetBytes =
    BuildClassSets();

BoundedArray<u8> ClassSet0 = ClassView(0);
BoundedArray<u8> ClassSet1 = ClassView(1);
BoundedArray<u8> ClassSet2 = ClassView(2);
BoundedArray<u8> ClassSet3 = ClassView(3);
BoundedArray<u8> ClassSet4 = ClassView(4);
BoundedArray<u8> ClassSet5 = ClassView(5);
BoundedArray<u8> ClassSet6 = ClassView(6);
BoundedArray<u8> ClassSet7 = ClassView(7);
BoundedArray<u8> ClassSet8 = ClassView(8);
BoundedArray<u8> ClassSet9 = ClassView(9);
BoundedArray<u8> ClassSet10 = ClassView(10);
BoundedArray<u8> ClassSet11 = ClassView(11);
BoundedArray<u8> ClassSet12 = ClassView(12);
BoundedArray<u8> ClassSet13 = ClassView(13);
BoundedArray<u8> ClassSet14 = ClassView(14);
BoundedArray<u8> ClassSet15 = ClassView(15);
BoundedArray<u8> ClassSet16 = ClassView(16);
BoundedArray<u8> ClassSet17 = ClassView(17);
BoundedArray<u8> ClassSet18 = ClassView(18);
BoundedArray<u8> ClassSet19 = ClassView(19);
BoundedArray<u8> ClassSet20 = ClassView(20);
BoundedArray<u8> ClassSet21 = ClassView(21);
BoundedArray<u8> ClassSet22 = ClassView(22);
BoundedArray<u8> ClassSet23 = ClassView(23);
BoundedArray<u8> ClassSet24 = ClassView(24);
BoundedArray<u8> ClassSet25 = ClassView(25);
BoundedArray<u8> ClassSet26 = ClassView(26);
