// Heap blocks with the library's result codes.
//
// Every operation but CopyBlockBytes records its outcome in gMemError:
// 0 success, -8 allocation failed. No exception escapes.
#pragma once
#include "frame/types.h"

extern i16 gMemError;

// n bytes from the heap (uninitialised); null for n = 0 (gMemError kept) or
// on failure (gMemError -8).
void* AllocateBlock(u32 n);

// Resizes *handle to n bytes (allocates when it is null). n = 0 frees the
// block and nulls *handle. On failure *handle and its bytes stay as they were.
void ResizeBlock(void** handle, u32 n);

// Frees p (null is allowed); gMemError becomes 0.
void FreeBlock(void* p);

i16 GetMemoryError();

// Copies n bytes between the two ranges; overlapping ranges are copied as by
// memmove. Nothing happens when either base is null.
void CopyBlockBytes(const void* sourceBase, u32 sourceOffset, void* destinationBase,
                    u32 destinationOffset, u32 n);
