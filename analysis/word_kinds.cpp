// Class byte to word kind.
#include "analysis/word_kinds.h"

#include <array>

namespace {

struct KindRange {
    u8 first, last, kind;
};

// Class bytes below 128 by range; bytes absent from the list are kind 0.
// 0x26 is the preposition "de" before a determiner ("plusieurs de ces",
// "celui de tous"): the host sees a preposition, as for 0x20-0x23.
constexpr KindRange kRanges[] = {
    {0x00, 0x00, 27}, {0x10, 0x10, 1},  {0x11, 0x11, 2},  {0x12, 0x12, 3},  {0x14, 0x1B, 4},
    {0x1C, 0x1C, 5},  {0x20, 0x23, 6},  {0x24, 0x25, 26}, {0x26, 0x26, 6}, {0x2A, 0x2D, 7},  {0x40, 0x40, 8},
    {'A', 'A', 9},    {'B', 'B', 10},   {'C', 'C', 11},   {'M', 'N', 11},   {'D', 'D', 12},
    {'E', 'E', 13},   {'F', 'F', 14},   {'G', 'I', 15},   {'J', 'L', 16},   {'O', 'O', 17},
    {'P', 'Q', 18},   {'R', 'S', 19},   {'T', 'T', 20},   {0x7C, 0x7C, 20}, {'U', 'b', 21},
    {'c', 'l', 22},   {'m', 0x7B, 23},  {0x7D, 0x7D, 24},
};

constexpr std::array<u8, 128> BuildKindTable() {
    std::array<u8, 128> t{};
    for (const KindRange& r : kRanges)
        for (u32 c = r.first; c <= r.last; ++c) t[c] = r.kind;
    return t;
}

constexpr std::array<u8, 128> kKinds = BuildKindTable();

}  // namespace

u8 WordKindOfClass(u8 c) { return c >= 128 ? 25 : kKinds[c]; }
