// Default punctuation-sign rules. Each row: the sign (Mac Roman), then the
// preceding-sign set, the spaces accepted before, word-before, check-before,
// space-forbidden-before, space index before, the spaces accepted after,
// word-after, check-after, space-forbidden-after, space index after.
#include "frame/punct_defaults.h"

#include "frame/mac_roman.h"

namespace {

constexpr u32 kAll = 0xFFFFFFFFu;  // every preceding sign accepted
constexpr u32 kOpen = (1u << 6) | (1u << 8) | (1u << 10) | (1u << 12) | (1u << 14) |
                      (1u << 15) | (1u << 16) | (1u << 17);  // opening signs and quotes
constexpr u32 kQuery = (1u << 1) | (1u << 2);                 // ? and !
constexpr u32 kNone = 0;
constexpr u32 kSp = 0x7;                  // tab, space, non-breaking space
constexpr u32 kSpPair = kSp | 0x80000000u;  // the same, pairs accepted

constexpr PunctSignRule R(u8 sign, u32 ps, u32 sb, u8 wb, u8 cb, u8 fb, u8 ib, u32 sa, u8 wa,
                          u8 ca, u8 fa, u8 ia) {
    return PunctSignRule{ps, sb, wb, cb, fb, ib, sa, wa, ca, fa, ia, sign, {0, 0, 0}};
}

// Mac Roman bytes of the typographic signs.
constexpr u8 kGuillemetOpen = 0xC7;
constexpr u8 kGuillemetClose = 0xC8;
constexpr u8 kRightSingleQuote = 0xD5;
constexpr u8 kLeftDoubleQuote = 0xD2;
constexpr u8 kRightDoubleQuote = 0xD3;
constexpr u8 kInvertedQuestion = 0xC0;
constexpr u8 kInvertedExclamation = 0xC1;

}  // namespace

const PunctSignRule kEnglishDefaultSigns[kEnglishDefaultSignCount] = {
    R('.', kAll, kSp, 1, 1, 1, 0, kSpPair, 0, 1, 0, 1),
    R('?', kAll, kNone, 1, 1, 1, 0, kSpPair, 0, 1, 0, 1),
    R('!', kAll, kNone, 1, 1, 1, 0, kSpPair, 0, 1, 0, 1),
    R(';', kAll, kNone, 1, 1, 1, 0, kSp, 0, 1, 0, 1),
    R(',', kAll, kNone, 1, 1, 1, 0, kSp, 0, 1, 0, 1),
    R(':', kAll, kNone, 1, 1, 1, 0, kSp, 0, 1, 0, 1),
    R(kGuillemetOpen, kOpen, kSpPair, 0, 1, 0, 1, kNone, 1, 1, 1, 0),
    R(kGuillemetClose, kAll, kNone, 1, 1, 1, 0, kSp, 0, 1, 0, 1),
    R('(', kOpen, kSpPair, 0, 1, 0, 1, kNone, 1, 1, 1, 0),
    R(')', kAll, kNone, 1, 1, 1, 0, kSp, 0, 1, 0, 1),
    R('[', kOpen, kSpPair, 0, 1, 0, 1, kNone, 1, 1, 1, 0),
    R(']', kAll, kNone, 1, 1, 1, 0, kSp, 0, 1, 0, 1),
    R('{', kOpen, kSpPair, 0, 1, 0, 1, kNone, 1, 1, 1, 0),
    R('}', kAll, kNone, 1, 1, 1, 0, kSp, 0, 1, 0, 1),
    R(kRightSingleQuote, kAll, kSpPair, 1, 1, 1, 0, kSp, 1, 1, 1, 0),
    R('\'', kAll, kSpPair, 1, 1, 1, 0, kSp, 1, 1, 1, 0),
    R('"', kAll, kSpPair, 1, 1, 1, 0, kSp, 1, 1, 1, 0),
    R(kLeftDoubleQuote, kOpen, kSpPair, 0, 1, 0, 1, kNone, 1, 1, 1, 0),
    R(kRightDoubleQuote, kAll, kNone, 1, 1, 1, 0, kSp, 0, 1, 0, 1),
    R(kEllipsisByte, kAll, kSp, 1, 1, 1, 0, kSp, 1, 1, 1, 0),
};

const PunctSignRule kFrenchDefaultSigns[kFrenchDefaultSignCount] = {
    R('.', kAll, kNone, 1, 1, 1, 0, kSp, 0, 1, 0, 1),
    R('?', kQuery, kSp, 0, 1, 0, 1, kSp, 0, 1, 0, 1),
    R('!', kQuery, kSp, 0, 1, 0, 1, kSp, 0, 1, 0, 1),
    R(';', kNone, kSp, 0, 1, 0, 1, kSp, 0, 1, 0, 1),
    R(',', kAll, kNone, 1, 1, 1, 0, kSp, 0, 1, 0, 1),
    R(':', kNone, kSp, 0, 1, 0, 1, kSp, 0, 1, 0, 1),
    R(kGuillemetOpen, kOpen, kSp, 0, 1, 0, 1, kSp, 0, 1, 0, 1),
    R(kGuillemetClose, kNone, kSp, 0, 1, 0, 1, kSp, 0, 1, 0, 1),
    R('(', kOpen, kSp, 0, 1, 0, 1, kNone, 1, 1, 1, 0),
    R(')', kAll, kNone, 1, 1, 1, 0, kSp, 0, 1, 0, 1),
    R('[', kOpen, kSp, 0, 1, 0, 1, kNone, 1, 1, 1, 0),
    R(']', kAll, kNone, 1, 1, 1, 0, kSp, 0, 1, 0, 1),
    R('{', kOpen, kSp, 0, 1, 0, 1, kNone, 1, 1, 1, 0),
    R('}', kAll, kNone, 1, 1, 1, 0, kSp, 0, 1, 0, 1),
    R(kRightSingleQuote, kAll, kNone, 1, 1, 1, 0, kNone, 1, 1, 1, 0),
    R('\'', kAll, kNone, 1, 1, 1, 0, kNone, 1, 1, 1, 0),
    R('"', kAll, kSp, 1, 1, 1, 0, kSp, 1, 1, 1, 0),
    R(kLeftDoubleQuote, kOpen, kSp, 0, 1, 0, 1, kNone, 1, 1, 1, 0),
    R(kRightDoubleQuote, kAll, kNone, 1, 1, 1, 0, kSp, 0, 1, 0, 1),
    R(kEllipsisByte, kAll, kSp, 1, 1, 0, 1, kSp, 0, 1, 0, 1),
};

const PunctSignRule kOtherDefaultSigns[kOtherDefaultSignCount] = {
    R('.', kAll, kNone, 1, 1, 1, 0, kSp, 0, 1, 0, 1),
    R('?', kAll, kNone, 1, 1, 1, 0, kSp, 0, 1, 0, 1),
    R('!', kAll, kNone, 1, 1, 1, 0, kSp, 0, 1, 0, 1),
    R(';', kAll, kNone, 1, 1, 1, 0, kSp, 0, 1, 0, 1),
    R(',', kAll, kNone, 1, 1, 1, 0, kSp, 0, 1, 0, 1),
    R(':', kAll, kNone, 1, 1, 1, 0, kSp, 0, 1, 0, 1),
    R(kGuillemetOpen, kOpen, kSp, 0, 1, 0, 1, kSp, 1, 1, 1, 0),
    R(kGuillemetClose, kAll, kSp, 1, 1, 1, 0, kSp, 0, 1, 0, 1),
    R('(', kOpen, kSp, 0, 1, 0, 1, kNone, 1, 1, 1, 0),
    R(')', kAll, kNone, 1, 1, 1, 0, kSp, 0, 1, 0, 1),
    R('[', kOpen, kSp, 0, 1, 0, 1, kNone, 1, 1, 1, 0),
    R(']', kAll, kNone, 1, 1, 1, 0, kSp, 0, 1, 0, 1),
    R('{', kOpen, kSp, 0, 1, 0, 1, kNone, 1, 1, 1, 0),
    R('}', kAll, kNone, 1, 1, 1, 0, kSp, 0, 1, 0, 1),
    R(kRightSingleQuote, kAll, kNone, 1, 1, 1, 0, kNone, 1, 1, 1, 0),
    R('\'', kAll, kNone, 1, 1, 1, 0, kNone, 1, 1, 1, 0),
    R('"', kAll, kSp, 1, 1, 1, 0, kSp, 1, 1, 1, 0),
    R(kLeftDoubleQuote, kOpen, kSp, 0, 1, 0, 1, kNone, 1, 1, 1, 0),
    R(kRightDoubleQuote, kAll, kNone, 1, 1, 1, 0, kSp, 0, 1, 0, 1),
    R(kEllipsisByte, kAll, kSp, 1, 1, 0, 1, kSp, 0, 1, 0, 1),
    R(kInvertedQuestion, kOpen, kSp, 0, 1, 0, 1, kSp, 1, 1, 1, 0),
    R(kInvertedExclamation, kOpen, kSp, 0, 1, 0, 1, kSp, 1, 1, 1, 0),
};
