// Language and option state shared by the whole library.
//
// The checking language selects the data every analysis runs on (0 English,
// 3 French; 10 and 11 run on the French data). The saved options are what
// the host last asked for; ApplyCallOptions copies them into the active
// flags at the start of each word-service or paragraph call, for English
// only.
#pragma once
#include "frame/types.h"

// Start-up reference count: KRZInit adds one, KRZEnd takes one away.
extern u32 gInitCount;

// 0 English, 3 French; 10 and 11 use the French data.
extern u16 gCheckingLanguage;
// 3: French explanation texts; anything else: English.
extern u16 gInterfaceLanguage;

// Last value given to KRZOptionNonUSUK.
extern u16 gNonUSUKValue;

// Options as the host set them.
extern u16 gSavedVariantA;
extern u16 gSavedVariantB;
extern u16 gSavedMedical;
extern u16 gSavedLangUniq;

// Options in force for the current call (see ApplyCallOptions).
extern u16 gActiveVariantA;
extern u16 gActiveVariantB;
extern u16 gActiveMedical;
extern u16 gActiveLangUniq;

// Non-zero: quote marks are kept as typed in suggestions.
extern u16 gStraightQuotes;
// Word count above which a sentence is reported as long.
extern i16 gLongSentenceThreshold;
// The French word rules run only while this is non-zero (set at start-up).
extern u16 gFrenchWordPass;
// Raised by every setter of the options and tables of this file (the
// exports KRZSetLanguage to KRZDefaultPunctSigns): what was worked out
// under the old settings is not to be reused.
extern u32 gSettingsEdits;

// Copies the saved options into the active flags when the checking
// language is English; clears the active flags for any other language.
void ApplyCallOptions();

// Restores the default space lists and punctuation-sign tables of the four
// languages (the bodies of KRZDefaultSpaces and KRZDefaultPunctSigns).
void SetDefaultSpaces();
void SetDefaultPunctSigns();
