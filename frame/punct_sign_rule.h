// Punctuation-sign rule: the 24-byte record the host hands to the
// punctuation-table exports and receives from them. Multi-byte fields are
// little-endian; the layout is part of the host interface.
#pragma once
#include <bit>
#include <cstddef>

#include "frame/types.h"

struct PunctSignRule {
    u32 PrecedingSigns;        // bit i: sign i of the same table may come right before
    u32 SpacesBefore;          // bit i: space character i accepted before; bit 31: pairs too
    u8 WordBefore;             // a word may touch the sign on its left
    u8 CheckBefore;            // report a fault on the left side
    u8 SpaceForbiddenBefore;   // left fault is a space to remove (else a space is required)
    u8 SpaceBeforeIndex;       // space index offered for insertion on the left
    u32 SpacesAfter;           // as SpacesBefore, right side
    u8 WordAfter;
    u8 CheckAfter;
    u8 SpaceForbiddenAfter;
    u8 SpaceAfterIndex;
    u8 Sign;                   // Mac Roman inside the library
    u8 Reserved[3];            // neither stored nor returned
};

static_assert(std::endian::native == std::endian::little,
              "the host record is little-endian");
static_assert(offsetof(PunctSignRule, PrecedingSigns) == 0);
static_assert(offsetof(PunctSignRule, SpacesBefore) == 4);
static_assert(offsetof(PunctSignRule, WordBefore) == 8);
static_assert(offsetof(PunctSignRule, CheckBefore) == 9);
static_assert(offsetof(PunctSignRule, SpaceForbiddenBefore) == 10);
static_assert(offsetof(PunctSignRule, SpaceBeforeIndex) == 11);
static_assert(offsetof(PunctSignRule, SpacesAfter) == 12);
static_assert(offsetof(PunctSignRule, WordAfter) == 16);
static_assert(offsetof(PunctSignRule, CheckAfter) == 17);
static_assert(offsetof(PunctSignRule, SpaceForbiddenAfter) == 18);
static_assert(offsetof(PunctSignRule, SpaceAfterIndex) == 19);
static_assert(offsetof(PunctSignRule, Sign) == 20);
static_assert(offsetof(PunctSignRule, Reserved) == 21);
static_assert(sizeof(PunctSignRule) == 24);

// Bytes of a record the punctuation-table exports copy unchanged (the sign
// byte after them is converted between code pages).
constexpr u32 kPunctSignRuleCopiedBytes = 20;
