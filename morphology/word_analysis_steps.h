// The state of one call of the word-form analysis and the fixed recognisers
// it runs: abbreviations, numbers and ordinals, slash pairs, elisions,
// English apostrophe forms and Roman numerals. Shared by word_analysis.cpp
// and fixed_forms.cpp only.
#pragma once
#include "frame/bounded_array.h"
#include "frame/bounded_string.h"
#include "frame/tables.h"
#include "frame/types.h"

// One call of AnalyseWordForms. Every string lives in the record, which
// lives on the caller's stack: a call allocates nothing and nested calls
// (through RestoreAccentedLowercase) keep their own state.
struct AnalysisCall {
    u16 mode = 0;
    BoundedString* word = nullptr;  // the caller's word, used as the work string
    u16* count = nullptr;
    StringList* slots = nullptr;
    Work36 saved;   // the word as given
    Work36 marked;  // the word after the case analysis, with its marks
    Work36 work;    // scratch for one attempt
    i32 length = 0;       // of the saved word, at most 35
    u8 first = 0;         // its first character
    i32 numberPart = 0;   // length of the number part (case analysis)
    bool extended = false;        // operation above 31
    bool trailingPeriod = false;  // English: a final period was removed
    bool capsOrPunct = false;
    bool digitsSeen = false;
    bool slashSeen = false;
    bool capsAccents = false;     // capitals carry accents
    bool accentedCapital = false; // an accented capital was met
    bool hyphen = false;
    bool mode803 = false;

    u8 Operation() const { return static_cast<u8>(mode & 0xFF); }
    bool French() const;
};

// What a step decided.
enum class StepKind : u8 {
    kGoOn,           // the next step
    kSuccess,        // the success step with `result`
    kReturn,         // restore the word and return `result`
    kReturnAsIs,     // return `result`, the word left as it is
    kToRoman,        // the Roman-numeral and user-lexicon step
    kToHyphen,       // the hyphen path
};
struct Step {
    StepKind kind = StepKind::kGoOn;
    i16 result = 0;
};
inline Step GoOn() { return {}; }
inline Step Success(i16 r) { return {StepKind::kSuccess, r}; }
inline Step ReturnWith(i16 r) { return {StepKind::kReturn, r}; }
inline Step ToRoman() { return {StepKind::kToRoman, 0}; }
inline Step ToHyphen() { return {StepKind::kToHyphen, 0}; }

// Looks `w` up with LookupWordForm into the analysis slots from index 0;
// the number of analyses found (also left in *call.count).
u16 LookupInto(AnalysisCall& call, BoundedString& w, u16 mode);

// Writes fixed analyses from index 0 and sets the count.
void SetFixedTags(AnalysisCall& call, const u16* tags, u16 n);

// English abbreviations with periods (a.m., p.m., U.S, U.N) and the final
// period. Return or go on.
Step ApplyPeriodAbbreviations(AnalysisCall& call);
// "mid-" / "pre-" + number; "G7" and "TF1".
Step ApplyMidPreNumber(AnalysisCall& call);
Step ApplyFixedCapitalNames(AnalysisCall& call);
// One-character symbols, slash pairs, numbers and ordinals (after the
// vowel-sound probes).
Step ApplyFixedForms(AnalysisCall& call);
// French elisions and fused forms; q is the position of the first
// apostrophe in the marked word.
Step ApplyFrenchElisions(AnalysisCall& call, i32 q);
// English decades, possessives and "'s" forms.
Step ApplyEnglishApostropheForms(AnalysisCall& call);
// 1 when the text is a valid Roman numeral.
bool IsRomanNumeral(const BoundedString& text);
