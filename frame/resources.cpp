// Module handle, virtual file numbers and the embedded block registry.
#include "frame/resources.h"

#include <cstring>

#include "krzlib.h"

void* gModuleInstance = nullptr;

namespace {

// Virtual number ranges, tried in this order; they do not overlap.
struct VirtualRange {
    u16 first;
    u16 last;
    const char* type;
    i32 idOffset;  // id = number + idOffset
};

constexpr VirtualRange kVirtualRanges[] = {
    {1, 4, "KRZDATA", 102},
    {10, 19, "KRZFVER", 91},
    {101, 104, "KRZDATA", 102},
    {110, 116, "KRZAVER", 91},
    {303, 306, "KRZDATA", 0},
    {1001, 1200, "KRZQVSP", 0},
    {2001, 2200, "KRZQVDE", 0},
    {3001, 4200, "VRELDATA", 0},
};

bool FindVirtualBlock(u16 number, const u8** data, u32* size) {
    const char* type = nullptr;
    u16 id = 0;
    if (!MapVirtualFileNumber(number, &type, &id)) {
        *data = nullptr;
        *size = 0;
        return false;
    }
    return FindEmbeddedBlock(type, id, data, size);
}

}  // namespace

bool MapVirtualFileNumber(u16 number, const char** type, u16* id) {
    for (const VirtualRange& r : kVirtualRanges) {
        if (number >= r.first && number <= r.last) {
            *type = r.type;
            *id = static_cast<u16>(number + r.idOffset);
            return true;
        }
    }
    return false;
}

bool FindEmbeddedBlock(const char* type, u16 id, const u8** data, u32* size) {
    for (u32 i = 0; i < kEmbeddedBlockCount; ++i) {
        const EmbeddedBlock& b = kEmbeddedBlocks[i];
        if (b.id == id && std::strcmp(b.type, type) == 0) {
            *data = b.begin;
            *size = static_cast<u32>(b.end - b.begin);
            return true;
        }
    }
    *data = nullptr;
    *size = 0;
    return false;
}

u32 GetResourceFileSize(u16 number) {
    const u8* data = nullptr;
    u32 size = 0;
    FindVirtualBlock(number, &data, &size);
    return size;
}

const u8* GetResourceFileData(u16 number) {
    const u8* data = nullptr;
    u32 size = 0;
    FindVirtualBlock(number, &data, &size);
    return data;
}

void ReleaseResourceBlock(const void*) {}

u32 QueryLexicalDatabase(const BoundedString* word, u32 partOfSpeechMask) {
    const char* text = (word != nullptr) ? reinterpret_cast<const char*>(word->data) : nullptr;
    return in_wn(text, partOfSpeechMask);
}

extern "C" {

KRZ_API void* setInstance(void* handle) {
    gModuleInstance = handle;
    return handle;
}

KRZ_API void loadVRELData(void* block) { ReleaseResourceBlock(block); }
KRZ_API void setVRELLanguage(void* block) { ReleaseResourceBlock(block); }

KRZ_API uint32_t in_wn(const char*, uint32_t) { return 0; }
KRZ_API uint32_t wninit(const char* text, uint32_t partOfSpeechMask) {
    return in_wn(text, partOfSpeechMask);
}

}  // extern "C"
