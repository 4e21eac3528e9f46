// Correction finishing: gives a corrected or suggested word the outward
// shape of the word it replaces (capitals, quote marks, accents typed in
// capitals, æ and œ ligatures). None reports anything; every change stays
// within the string's capacity.
#pragma once
#include "frame/bounded_array.h"
#include "frame/types.h"

// Capitalises text in place by gCaseMode: every letter for 3 and 4, the
// first letter for other values from 1 to 65534 (5 and 6 also the letter
// after the last internal hyphen mark). Odd modes write accented letters
// as plain capitals unless gAccentsOnCapitals is set.
void ApplyCapitalization(BoundedString& text);
// Puts back the quote marks named by quoteFlags (bit 0 opening, bit 1
// closing; values below 5 the apostrophe, from 5 on the double quote). A
// closing mark after a final blank goes before the blank. Nothing while
// gAnalysisMode is 1.
void RestoreQuotes(BoundedString& text, u16 quoteFlags);
// Lower-cases text in place by gCaseMode and, for French text typed in
// capitals without accents, replaces it by the dictionary's accented
// spelling. Leaves gCaseMode as it found it; the analysis slots are not
// preserved.
void RestoreAccentedLowercase(BoundedString& text);
// Writes "ae" and "oe" as æ and œ: mode 1 as in the user-lexicon entry of
// the word, mode 2 the user lexicon's proper-noun spelling, any other mode
// by the built-in French rules. Nothing while gAnalysisMode is 1.
void ApplyLigatureSpelling(BoundedString& text, u16 mode);
