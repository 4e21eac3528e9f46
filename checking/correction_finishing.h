// Correction finishing: gives a replacement text the outward shape of the
// word it replaces.
#pragma once
#include "frame/bounded_array.h"
#include "frame/types.h"

// Capitalises text in place by gCaseMode.
void ApplyCapitalization(BoundedString& text);
// Puts back the quote marks named by quoteFlags (bit 0 opening, bit 1
// closing, bit 2 double quotes); nothing in analysis mode 1.
void RestoreQuotes(BoundedString& text, u16 quoteFlags);
