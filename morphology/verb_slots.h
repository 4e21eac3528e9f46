// Conjugation slot of a French verb tag's low byte. The dictionary reader
// merges some slots of the one-tag models into codes 51..63 (slot 6 -> 51,
// 9 -> 52, 10 -> 53, 11 -> 54, 15 -> 56, 16 -> 57, 7 -> 58; for model 15
// also 3 -> 55, 30 -> 59, 8 -> 60, 11 -> 61, 15 -> 62, 16 -> 63); this is
// the inverse of that table. Other values are the slot itself.
#pragma once
#include "frame/types.h"

inline constexpr u8 SlotOfVerbTagCode(u8 low) {
    switch (low) {
        case 51: return 6;
        case 52: return 9;
        case 53: return 10;
        case 54: return 11;
        case 55: return 3;
        case 56: return 15;
        case 57: return 16;
        case 58: return 7;
        case 59: return 30;
        case 60: return 8;
        case 61: return 11;
        case 62: return 15;
        case 63: return 16;
        default: return low;
    }
}
