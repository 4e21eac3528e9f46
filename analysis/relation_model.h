// The relation model of one sentence: classes, attributes, verb groups,
// subjects, frames and relations collected while the group lines are
// written, and its text ("h: ", "r: ", "f: ", "o: ", "c: ", "a: " lines).
#pragma once
#include "frame/types.h"

// Table limits.
inline constexpr u32 kMaxClasses = 80;
inline constexpr u32 kMaxAttributes = 150;
inline constexpr u32 kMaxVerbGroups = 15;
inline constexpr u32 kMaxSubjects = 20;
inline constexpr u32 kMaxRelations = 40;
inline constexpr u16 kNoSegment = 0xFFFF;

void ResetRelationModel();
// What segment s adds to the model under marker "#", "@", ">>", "=", ">"
// or "[".
void RecordRelationMarker(u16 s, const char* marker);
// Appends the model text; 1 when a relation was recorded.
u16 WriteRelationModel(char* buffer, u32 capacity);
// The words of segments first..last, each followed by a blank, the
// trailing blanks and signs cut; nothing for the "none" range.
void AppendSegmentWords(u16 first, u16 last, char* buffer, u32 capacity);
