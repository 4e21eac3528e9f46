// The frame every word-service export shares (the host word in, the results
// out in 36-byte slots), the word routines of the service cores (capitals
// pattern, upper-casing, quote stripping, French accent variants), the
// epilogue that gives the results the typed word's shape, and the spelling
// suggestion core.
#pragma once
#include "frame/bounded_array.h"
#include "frame/tables.h"
#include "frame/types.h"

// Size of one result slot in a host buffer; words are cut to one byte less.
inline constexpr u32 kWordSlotSize = 36;
inline constexpr u32 kSuggestionResultSlots = 12;
// Work list of the suggestion core (the analysis fills at most 24).
inline constexpr u32 kSuggestionWorkList = 30;

// Capitalisation pattern: 0 no capital first; 1 a capital first; 2 as 1
// with an accented capital somewhere; 3 every character a capital or '-';
// 4 as 3 with an accented capital.
u16 GetCapitalizationPattern(const BoundedString& word);
// Upper-cases the word (only its first character when whole is 0). With
// keepAccents the accented capitals are used; without, accented letters
// become plain capitals (é -> E) and ñ æ œ their capitals.
void UpperCaseWord(BoundedString& word, u16 whole, u16 keepAccents);
// Removes one enclosing quote (' or ") at the start, then one at the end.
void StripLeadingQuote(BoundedString& word);

// Leaves (full analyses) FindFrenchAccentVariant tries at most.
inline constexpr u32 kMaxAccentVariantLeaves = 999;
// The first accented spelling of the word (from position start on, a e i o
// u and c take their accented variants) that the French dictionary knows
// (with needVerb, that is also a verb form). 1 found (the word holds it),
// 0 not (word unchanged). Spellings with more than two rare accents are not
// tried, and the search gives up after kMaxAccentVariantLeaves analyses.
u16 FindFrenchAccentVariant(u16 start, BoundedString& word, u16 needVerb);

// The checking language of a word-service call, put back on every path.
struct LanguageScope {
    u16 saved;
    explicit LanguageScope(u16 language);
    ~LanguageScope();
    LanguageScope(const LanguageScope&) = delete;
    LanguageScope& operator=(const LanguageScope&) = delete;
};

// Export frame, steps 1 and 2: ApplyCallOptions, then the host word cut to
// 35 bytes into `word` (36 bytes) and converted to Mac Roman.
void ImportServiceWord(const char* hostWord, BoundedString& word);
// Export frame, step 4: results 0..n-1 (n at most `slots`) into the host
// buffer, one converted 36-byte slot each.
void ExportServiceResults(const StringList& results, u32 n, char* buffer, u32 slots);
// Epilogue of the cores: French results re-analysed (the analysis may give
// the dictionary's spelling) and given their ligatures; then the capitals
// of the typed word's pattern.
void FinishServiceResults(StringList& results, u32 n, u16 pattern, u16 keepAccents);

// Spelling suggestions for `word` in `language`: 1 (no suggestions) when
// the word is empty or known, else 0 with at most 12 suggestions in
// `results`, best (lowest cost mark) first.
u16 SuggestWordsCore(const BoundedString& word, i16& count, StringList& results, u16 accentsOnCapitals,
                     u16 language);
