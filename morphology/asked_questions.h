// Which questions a memo has been asked before. A memo keeps a question at
// its second asking, so the first one must be told apart cheaply: each
// question's hash picks a place that holds a one-byte mark of the last
// question that took it. A question finds its own mark when it was asked
// before (or, one time in 255, when another question with the same mark
// took its place: it is then kept at its first asking); a question whose
// place was taken by another since is asked "for the first time" again,
// which costs the memo one plain answer, never a wrong one.
//
// A table of single bits, shared by every question that falls on it, is
// set ever more densely as a text of distinct words goes by (a third of
// its questions find their bit set by 20,000 others and are learned for
// nothing); marks keep that share near zero in the same few pages. All
// zero at start (no mark is 0), so that the table lies in .bss.
#pragma once
#include <cstring>

#include "frame/types.h"

template <u32 kPlaceBits>
struct AskedQuestions {
    static constexpr u32 kPlaces = 1u << kPlaceBits;
    u8 marks[kPlaces] = {};

    // Whether the question of this hash is asked for the first time (it is
    // then noted as asked).
    bool FirstAsking(u32 hash) {
        const u32 mixed = hash * 2654435761u;
        const u32 place = mixed >> (32 - kPlaceBits);
        u8 mark = static_cast<u8>(mixed >> 8);
        if (mark == 0) mark = 1;
        if (marks[place] == mark) return false;
        marks[place] = mark;
        return true;
    }

    void Clear() { std::memset(marks, 0, sizeof marks); }
};
