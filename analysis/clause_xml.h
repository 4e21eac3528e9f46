// The clause part of a sentence document: the number of clause levels and
// one P element per level with its subject, verb, noun and prepositional
// groups, read from the tables the analysis of the sentence leaves.
#pragma once
#include "frame/types.h"

// Capacity of each word description the writer asks for (a word element
// with long texts in every attribute still ends with its closing tag).
inline constexpr u32 kWordDescriptionBytes = 512;

// Appends to the NUL-terminated text of buffer (capacity bytes); sets
// gXmlOutput. Changes the function codes of the words it rewrites (a
// subject of an implicit subordination, a relative standing for a subject
// or an object, an interrogative copula, a taken-in indirect object).
void WriteClauseStructureXml(char* buffer, u32 capacity);

// The number of clause levels: 1 with any clause, one more for each level
// met in order above the highest so far.
u16 CountClauseLevels();
