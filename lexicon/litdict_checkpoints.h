// Starting points inside the blocks of the reference dictionary, so that a
// search for a folded key does not rebuild the key of every entry from the
// start of its block.
//
// A search walks the entries of a block in order, skips those whose key
// sorts before the wanted one and stops at the first that sorts after it.
// Every fourth entry that sets the key stem (a full entry with its end
// mark) is a checkpoint, kept with the greatest key of all the entries of
// the block before it. When that key sorts before the wanted one, the walk
// would only have skipped those entries: it may start at the checkpoint,
// and since the checkpoint entry writes the stem afresh, every later key
// and the stem left at the end are those of a walk from the block start.
// A block that opens with continuation entries (their keys read a stem left
// by an earlier search) gets no checkpoint.
//
// The checkpoints are built on the first search, and again when the text
// or its index moved; building allocates and leaves the stem as it found
// it, a search allocates nothing.
#pragma once
#include "frame/types.h"

// Where a search of block `r` for the folded key rest `rest` (0-terminated)
// may start: the block's text offset or a checkpoint's separator byte.
u32 LitDictSearchStart(i32 r, const u8* rest);
