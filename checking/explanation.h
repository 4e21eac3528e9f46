// Explanation texts: the message buffer handed with every finding, its two
// operations (explanation.cpp), and the text of a finding built into it by
// the decision tree of explanation_builder.cpp.
//
// The buffer itself, gExplanationText (4096 bytes, NUL-terminated Mac
// Roman), is a frame table (frame/tables.h); the spacing messages of the
// punctuation check write into it too.
#pragma once
#include "frame/bounded_array.h"
#include "frame/tables.h"
#include "frame/types.h"

// Capacity of gExplanationText, its terminator included.
inline constexpr i32 kExplanationCapacity = 4096;

// Empties gExplanationText.
void ClearExplanationText();

// Appends printf-style text ("%s", "%d", "%c") at the end of
// gExplanationText; what does not fit is cut at the capacity and the text
// already there stays.
void AppendExplanationText(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Fills gExplanationText for a finding of the given code from the report
// fields: in French when gInterfaceLanguage is 3, in English otherwise.
void FormatErrorExplanation(u16 code);

// Word-analysis services the texts call, installed by the subsystems that
// provide them. While one is null its answer is "nothing": no homophone
// descriptions (code 32 prints two empty entries), no vowel sound for words
// beginning with h, y, o or u (code 52), no base form written (code 49).
//
// Homophone descriptions of word `word`: up to 12 entries of the form
// "word = meaning" written into `entries` (120 bytes each); returns the
// number of entries.
using HomophoneDescriber = u16 (*)(i16 word, char (*entries)[120]);
// 1 when the word begins with a vowel sound.
using VowelSoundTest = u16 (*)(const BoundedString& text);
// Writes the base form of word `word` into its BaseText.
using BaseFormWriter = void (*)(i16 word);
extern HomophoneDescriber gHomophoneDescriber;
extern VowelSoundTest gVowelSoundTest;
extern BaseFormWriter gBaseFormWriter;
