// Word-form analysis: every reading of one written word form. The driver
// works out the capitalisation pattern, normalises the word and tries a
// fixed chain of attempts (fixed forms, numbers, the plain dictionary form,
// elisions, compounds, capitalised and reserved-section forms, Roman
// numerals, the user lexicon) until one yields analyses.
#pragma once
#include "frame/bounded_array.h"
#include "frame/tables.h"
#include "frame/types.h"

// Results of AnalyseWordForms besides the number of analyses.
inline constexpr i16 kBeforeVowelSound = 48;  // "an", the French elided forms
inline constexpr i16 kBeforeConsonant = 49;   // "a"
inline constexpr i16 kNoVowelSound = 52;      // vowel-sound probes: no vowel start

// gCaseMode values left by the analysis.
inline constexpr u16 kCaseAsked = 0xFFFF;        // on entry: run the case analysis
inline constexpr u16 kCaseOtherForm = 77;        // known in another form (gErrorDetail says which)
inline constexpr u16 kCaseMissingPeriod = 80;    // English abbreviation without its period

// 1 while the sentence reader analyses the first word of a sentence (set
// and cleared around that call): a word written with only its first
// letter a capital is then looked up in lower case before it is taken for
// a capitalised form of the reserved sections ("Va", not "VA").
extern u16 gSentenceInitialWord;

// Analyses `word` under the mode (language << 8 | operation): 0 English,
// 800 French, 803 the current checking language; operations 5 and 7 fill
// `slots` with spelling suggestions; 48 and 49 are the vowel-sound probes
// (33 and 34 their second stage); any other operation from 1 to 31 answers
// 0 at once. `count` receives the number of analyses left in the analysis
// slots (suggestion mode: of suggestions). `slots` (16 strings of 36) is the
// work list: cleared on entry; entry 15 receives the spelling under which
// an accent-restored word was found.
// Returns 0 (nothing found), the number of analyses, 1 for a fixed
// analysis, or 48, 49, 52 (see above). Set gCaseMode to kCaseAsked before
// the call for a fresh capitalisation analysis. The word comes back as it
// was given, except that a capitalised word comes back lower-cased with its
// accents restored. Allocates nothing.
i16 AnalyseWordForms(u16 mode, BoundedString& word, u16& count, StringList& slots);

// 1 when the dictionary of the checking language holds the whole text as
// one form, its apostrophes and hyphens included (aujourd'hui, quelqu'un,
// chef-d'oeuvre), as written or with its initial in lower case. The
// analysis slots are overwritten. Allocates nothing.
u16 IsWholeDictionaryForm(const BoundedString& word);
