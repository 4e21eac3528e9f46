// Built-in data blocks and the module handle.
//
// The rest of the library names each built-in block by a virtual file number;
// this unit maps the number to a (type, id) pair and finds the block embedded
// at build time. Blocks are read-only, live as long as the library and are
// never copied or freed.
#pragma once
#include "frame/bounded_array.h"
#include "frame/types.h"

// The module handle: stored by setInstance, never cleared.
extern void* gModuleInstance;

// One embedded block; the table is generated at configure time
// (cmake/EmbedBlocks.cmake).
struct EmbeddedBlock {
    const char* type;
    u16 id;
    const u8* begin;
    const u8* end;
};
extern const EmbeddedBlock kEmbeddedBlocks[];
extern const u32 kEmbeddedBlockCount;

// The block of the given type and id; false (and null, 0) when none is built in.
bool FindEmbeddedBlock(const char* type, u16 id, const u8** data, u32* size);

// Resource type and id of a virtual file number; false outside every range.
bool MapVirtualFileNumber(u16 number, const char** type, u16* id);

// Size in bytes of the block of a virtual number; 0 when the number is
// unmapped or its block is absent.
u32 GetResourceFileSize(u16 number);

// First byte of the block of a virtual number; null when unmapped or absent.
const u8* GetResourceFileData(u16 number);

// Release of a block once its views are built: blocks live in the image, so
// there is nothing to do. Also stands for loading and selecting the absent
// fourth data set.
void ReleaseResourceBlock(const void* block);

// The lexical database is not part of this library: every word is unknown
// under every part of speech (result 0).
u32 QueryLexicalDatabase(const BoundedString* word, u32 partOfSpeechMask);
