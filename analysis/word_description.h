// The word description renderer: one word of the sentence just checked,
// turned into text in the interface language (each reading's category,
// infinitive, tense, person, gender and number with an example; the first
// reading's role in its clause; in analysis mode its XML element; its
// entries in the tagged-word list; for French the synonyms of its base
// form).
#pragma once
#include "frame/bounded_array.h"
#include "frame/tables.h"
#include "frame/types.h"

// Modes: 0 and 1 the full description (the value also goes to the
// tagged-word search); 32 the tagged-word rows only, for the explanation
// texts.
inline constexpr u16 kDescribeExplanation = 32;

// The caller's lists; every write is cut to the capacity of its entry.
struct WordDescription {
    StringList& altTexts;      // readings after the first (entry i: reading i + 1)
    StringList& formTexts;     // tagged-word rows
    StringList& mainTexts;     // 0 first reading, 1 role text, 2 XML element
    StringList& synonymTexts;  // French synonyms of the base form
    u16 altCount = 0;
    u16 formCount = 0;
    u16 mainCount = 0;  // 0 no role step, 1 none made, 2 role text; +1 with the element
    u16 synonymCount = 0;
};

// Describes word `wordIndex` of gWords (an index past the last word reads
// the last word).
void DescribeWordAnalysis(u16 mode, u16 wordIndex, WordDescription& d);

// Points the explanation texts' hooks (code 32's word rows, code 52's vowel
// sound, code 49's base form) at this renderer; KRZInit calls it.
void InstallDescriptionHooks();
