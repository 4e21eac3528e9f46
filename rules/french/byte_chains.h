// Rows of a fixed table chained by a key byte (usually their word's first
// byte), in table order: a lookup walks only the rows of its key instead of
// every row. Built once by the table's user; no allocation.
#pragma once
#include "frame/types.h"

template <u32 N>
struct ByteChains {
    static constexpr u16 kEnd = 0xFFFF;
    u16 head[256];
    u16 next[N];

    void Clear() {
        for (u16& h : head) h = kEnd;
    }
    // Rows go in from the last to the first, so that each chain keeps the
    // table's order.
    void Prepend(u32 row, u8 key) {
        next[row] = head[key];
        head[key] = static_cast<u16>(row);
    }
    u32 First(u8 key) const { return head[key]; }
    u32 After(u32 row) const { return next[row]; }
};
