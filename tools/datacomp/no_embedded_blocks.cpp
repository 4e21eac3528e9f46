// The data compiler links the library's code to check what it writes, but
// it is what produces the data blocks: it embeds none of them.
#include "frame/resources.h"

const EmbeddedBlock kEmbeddedBlocks[1] = {};
const u32 kEmbeddedBlockCount = 0;
