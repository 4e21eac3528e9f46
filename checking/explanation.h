// Explanation texts: the message buffer handed with every finding, its two
// operations, and the dispatch to the text builder of the interface
// language.
//
// The buffer itself, gExplanationText (4096 bytes, NUL-terminated Mac
// Roman), is a frame table (frame/tables.h); the spacing messages of the
// punctuation check write into it too.
//
// Text builders: FormatErrorExplanationFrench and
// FormatErrorExplanationEnglish are defined in checking/texts_*.cpp.
#pragma once
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

// Fills gExplanationText for a finding of the given rule code from the
// report fields: the French builder when gInterfaceLanguage is 3, the
// English one otherwise.
void FormatErrorExplanation(u16 code);

// Per-language builders; each starts with ClearExplanationText.
void FormatErrorExplanationFrench(u16 code);
void FormatErrorExplanationEnglish(u16 code);
