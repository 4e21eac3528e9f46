// Shared pieces of the correction units: finishing a word's form, joining
// parts under the length limit, dictionary checks, and the entry points the
// per-rule recipes call into each other with.
//
// Corrections are built into strings of 72 bytes and stay below 70
// characters; a recipe that would reach the limit gives up by setting
// gErrorExtent to kNoCorrection, leaving what it built so far.
#pragma once
#include "frame/bounded_array.h"
#include "frame/records.h"
#include "frame/report.h"
#include "frame/tables.h"
#include "frame/types.h"

inline constexpr i32 kCorrectionLimit = 70;
// gErrorExtent values on return of a recipe.
inline constexpr u16 kExtentSpellingForms = 127;
inline constexpr u16 kExtentAlternative = 256;

// ---- Finishing --------------------------------------------------------------
// gCaseMode = the word's case mode; capitals when above 0.
void ApplyWordCase(i32 i, BoundedString& text);
// The word's quote marks when it has any.
void ApplyWordQuotes(i32 i, BoundedString& text);
// Ligatures (when the word had one), then case and quotes.
void FinishWordForm(i32 i, BoundedString& text);
// Ligatures of the word, when it had one.
void ApplyWordLigature(i32 i, BoundedString& text);
// The word's text, finished.
void FinishedWordText(i32 i, BoundedString& out);

// ---- Joining -----------------------------------------------------------------
bool EndsWithApostrophe(const BoundedString& s);
// Length of correction + length of part + extra stays below the limit.
bool FitsLimit(const BoundedString& correction, const BoundedString& part, i32 extra);
// Appends part (a blank first when the correction is not empty and does not
// end with an apostrophe) when it fits with `extra` more characters; else
// gives up (kNoCorrection) and returns false.
bool JoinUnderLimit(BoundedString& correction, const BoundedString& part, i32 extra = 1);
// Appends part as it stands when it fits; else gives up.
bool AppendUnderLimit(BoundedString& correction, const BoundedString& part, i32 extra = 0);

// ---- Dictionary --------------------------------------------------------------
// 1 when the language's plain analysis (800 French, 0 English) knows the
// form; gCaseMode is 65535 for the check. The form is not changed.
bool IsKnownForm(const BoundedString& form);
// The analyses of `form` under `mode` into gWordTagCodes; their number.
u16 AnalyseCopy(u16 mode, const BoundedString& form);
// The French vowel-sound probe (analysis mode 801) of a word beginning with
// h, y, o or u: true when it takes the forms made for a vowel ("l'homme",
// "cet hiver"). gCaseMode is as it was.
bool ProbesAsVowelSound(const BoundedString& word);
// Vowel test of the correction tables: a, e, i, o, u, y or a byte above 'z'.
bool BeginsWithVowelByte(const BoundedString& s);

// ---- Recipes --------------------------------------------------------------------
// Correction text for every rule the agreement composer does not build
// (rules 1, 8, 16, 32, 37, 39, 40, 43, 44, 46, 47, 49, 50, 52, 53, 55, 59 and
// 300, one target of a paired 44).
void ComposeCorrectionText(BoundedString& first, BoundedString& second, u16 rule, i16 word, i16 end,
                           u16 option);
// Rules 40 and 55.
void ComposeConfusableText(BoundedString& first, BoundedString& second, i32 i, u16 option);
void ComposeMissingVerbText(BoundedString& first);
// Rules 8, 43, 44, 46, 47, 53 and 300.
void ComposeVerbText(BoundedString& first, BoundedString& second, u16 rule, i32 i);
// The conjugation stage: rebuilds `text` (a form of word i at slot
// `current` of `model`) at slot `target` and appends it to `first` (rule
// 32: becomes `first`). Returns false when it gave up.
bool RunConjugationStage(BoundedString& first, BoundedString& second, u16 rule, i32 i,
                         const BoundedString& text, u8 model, u8 current, u8 target);
// English: word k rebuilt as its base form (form 0 of its model); false
// when the model has no such form.
bool EnglishBaseForm(i32 k, BoundedString& out);
