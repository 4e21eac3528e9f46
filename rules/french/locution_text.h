// Comparison of a word with a locution literal. A locution written with
// hyphens is one word; tokenising and word analysis may leave its hyphens
// as "-" or as the internal mark 0x9B, so a hyphen of the literal (either
// byte) matches either byte of the word. Every other byte must be equal:
// case and accents count.
#pragma once
#include "frame/bounded_string.h"
#include "frame/types.h"

inline constexpr u8 kLocutionHyphen = 0x9B;

// The whole text equals the literal.
bool LocutionTextIs(const BoundedString& text, const char* literal);
// The text begins with the literal.
bool LocutionTextBegins(const BoundedString& text, const char* literal);
