// The French relation text of a paragraph: per sentence, one record per
// word (buffer 0), one line per word group (buffer 1), the relation-marker
// lines of the verb chains (buffer 2), and the sentence with a small model
// of its classes, relations and attributes (buffer 3).
#pragma once
#include "frame/types.h"

// One host output buffer: text appended within its capacity.
struct TextOut {
    char* buffer;
    u32 capacity;
};

// Renders the sentence in the word and group tables into the four
// buffers; the record counter numbers the word records and goes on.
void WriteGroupAnalysis(const TextOut* outs, u16* recordCounter);

// Group tables: the words of group s run from its first word to the
// next group's first word - 1 (the last group: to the last word).
i32 GroupEnd(i32 s);
