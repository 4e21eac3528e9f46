// Lists of items separated by bars ("aller|allé") in a fixed host buffer.
#pragma once
#include "frame/types.h"

// Appends `item` to the NUL-terminated list in `list` (a buffer of
// `capacity` bytes), after a '|' when the list is not empty, unless an item
// of the list equals it. Returns 1 when appended, 0 when already listed.
// The append is cut to the room left, never past the buffer.
i16 AddToBarSeparatedList(const char* item, char* list, i16 capacity);
