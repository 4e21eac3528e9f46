// Binary disk files over the C runtime's streams.
//
// Results: 0 success, -5 file error. A null stream, path or buffer is a file
// error, never a crash. Streams stay FILE* inside the library.
#pragma once
#include <cstdio>

#include "frame/bounded_array.h"
#include "frame/types.h"

using FileStream = std::FILE*;

constexpr i16 kFileOk = 0;
constexpr i16 kFileError = -5;

// Creates or truncates the file named by the path text (read and write).
// *stream receives the stream, or null on failure.
i16 CreateFileReadWrite(const BoundedString* path, FileStream* stream);

// Opens an existing file for reading and writing; as above.
i16 OpenFileReadWrite(const BoundedString* path, FileStream* stream);

// Length of the file in bytes; the position is left where it was.
i16 GetFileLength(FileStream stream, u32* length);

// Moves to the absolute byte offset.
i16 SetFilePosition(FileStream stream, i32 offset);

// Reads up to *count bytes (never more than the buffer holds) into the
// buffer's data; *count receives the number read.
i16 ReadFileBytes(FileStream stream, u32* count, BoundedArray<u8>* buffer);

// Writes *count bytes (never more than the buffer holds) from the buffer's
// data; *count receives the number written.
i16 WriteFileBytes(FileStream stream, u32* count, BoundedArray<u8>* buffer);

// Closes the stream: the runtime's close result, -5 for a null stream.
i16 CloseFileHandle(FileStream stream);
