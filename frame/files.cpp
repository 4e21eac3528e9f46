// Binary disk files.
#include "frame/files.h"

#include <sys/types.h>

#include <cstring>

namespace {

// Longest path accepted, terminator included.
constexpr u32 kMaxPath = 4096;

// Copies the path text (up to its terminator or its capacity) into out.
bool PathText(const BoundedString* path, char (&out)[kMaxPath]) {
    if (path == nullptr || path->data == nullptr || path->count == 0) return false;
    u32 n = 0;
    while (n < path->count && path->data[n] != 0) ++n;
    if (n == 0 || n >= kMaxPath) return false;
    std::memcpy(out, path->data, n);
    out[n] = '\0';
    return true;
}

i16 OpenWithMode(const BoundedString* path, FileStream* stream, const char* mode) {
    if (stream == nullptr) return kFileError;
    *stream = nullptr;
    char text[kMaxPath];
    if (!PathText(path, text)) return kFileError;
    FileStream f = std::fopen(text, mode);
    if (f == nullptr) return kFileError;
    *stream = f;
    return std::ferror(f) ? kFileError : kFileOk;
}

i16 StreamResult(FileStream stream) { return std::ferror(stream) ? kFileError : kFileOk; }

// Elements of the buffer that can be read or written: 0 without data.
u32 BufferRoom(const BoundedArray<u8>* buffer) {
    return (buffer != nullptr && buffer->valid != 0) ? buffer->count : 0;
}

}  // namespace

i16 CreateFileReadWrite(const BoundedString* path, FileStream* stream) {
    return OpenWithMode(path, stream, "w+b");
}

i16 OpenFileReadWrite(const BoundedString* path, FileStream* stream) {
    return OpenWithMode(path, stream, "r+b");
}

i16 GetFileLength(FileStream stream, u32* length) {
    if (stream == nullptr || length == nullptr) return kFileError;
    off_t here = ftello(stream);
    if (here < 0 || fseeko(stream, 0, SEEK_END) != 0) return kFileError;
    off_t end = ftello(stream);
    if (fseeko(stream, here, SEEK_SET) != 0 || end < 0 || end > static_cast<off_t>(UINT32_MAX))
        return kFileError;
    *length = static_cast<u32>(end);
    return StreamResult(stream);
}

i16 SetFilePosition(FileStream stream, i32 offset) {
    if (stream == nullptr || offset < 0) return kFileError;
    if (fseeko(stream, offset, SEEK_SET) != 0) return kFileError;
    return StreamResult(stream);
}

i16 ReadFileBytes(FileStream stream, u32* count, BoundedArray<u8>* buffer) {
    if (count == nullptr) return kFileError;
    if (stream == nullptr || buffer == nullptr || buffer->valid == 0) {
        *count = 0;
        return kFileError;
    }
    u32 n = *count < BufferRoom(buffer) ? *count : BufferRoom(buffer);
    *count = static_cast<u32>(std::fread(buffer->data, 1, n, stream));
    return StreamResult(stream);
}

i16 WriteFileBytes(FileStream stream, u32* count, BoundedArray<u8>* buffer) {
    if (count == nullptr) return kFileError;
    if (stream == nullptr || buffer == nullptr || buffer->valid == 0) {
        *count = 0;
        return kFileError;
    }
    u32 n = *count < BufferRoom(buffer) ? *count : BufferRoom(buffer);
    *count = static_cast<u32>(std::fwrite(buffer->data, 1, n, stream));
    return StreamResult(stream);
}

i16 CloseFileHandle(FileStream stream) {
    if (stream == nullptr) return kFileError;
    return static_cast<i16>(std::fclose(stream));
}
