// Synonyms of a French word from the reference dictionary.
#pragma once
#include "frame/bounded_array.h"
#include "frame/tables.h"
#include "frame/types.h"

// Mode 1: the synonyms of baseText (a word of the given group mark and
// feature byte) with their usage labels, into `list` (each entry: second
// byte the text's length, text from the third byte; entry 0 is not a
// synonym; two synonyms may be joined by " OU "). Returns the number of
// entries and leaves the word's vocabulary register (1..5, 0 none) in
// gErrorDetail.
u16 BuildSynonymList(u16 mode, u8 groupMark, u8 feature, const BoundedString& baseText,
                     StringList& list);

// Whether any entry of the reference dictionary in place carries a
// vocabulary register (mode 1 of BuildSynonymList can report one). For the
// built-in text, the count the data compiler wrote (block 307); another
// text is read whole once; later calls cost a comparison.
bool ReferenceDictionaryHasRegisters();

// The entries of the reference dictionary in place that carry a register,
// read from the whole text (the data compiler writes it into block 307).
u32 CountReferenceEntriesWithRegister();
