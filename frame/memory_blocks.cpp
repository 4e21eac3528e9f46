// Heap blocks over the C runtime.
#include "frame/memory_blocks.h"

#include <cstdlib>
#include <cstring>

i16 gMemError = 0;

namespace {
constexpr i16 kMemOk = 0;
constexpr i16 kMemFull = -8;
}  // namespace

void* AllocateBlock(u32 n) {
    if (n == 0) return nullptr;
    void* p = std::malloc(n);
    gMemError = (p != nullptr) ? kMemOk : kMemFull;
    return p;
}

void ResizeBlock(void** handle, u32 n) {
    if (handle == nullptr) {
        gMemError = (n == 0) ? kMemOk : kMemFull;
        return;
    }
    if (n == 0) {
        std::free(*handle);
        *handle = nullptr;
        gMemError = kMemOk;
        return;
    }
    void* p = std::realloc(*handle, n);
    if (p == nullptr) {
        gMemError = kMemFull;
        return;
    }
    *handle = p;
    gMemError = kMemOk;
}

void FreeBlock(void* p) {
    std::free(p);
    gMemError = kMemOk;
}

i16 GetMemoryError() { return gMemError; }

void CopyBlockBytes(const void* sourceBase, u32 sourceOffset, void* destinationBase,
                    u32 destinationOffset, u32 n) {
    if (n == 0 || sourceBase == nullptr || destinationBase == nullptr) return;
    std::memmove(static_cast<u8*>(destinationBase) + destinationOffset,
                 static_cast<const u8*>(sourceBase) + sourceOffset, n);
}
