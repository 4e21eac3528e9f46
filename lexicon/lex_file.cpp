// The user lexicon file and memory image: open, load, durable save, close,
// and the image exports.
#include "lexicon/lex_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "frame/bounded_string.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "krzlib.h"
#include "lexicon/lex_store.h"

void WriteBigEndian32(u8* bytes, u32 value) {
    bytes[0] = static_cast<u8>(value >> 24);
    bytes[1] = static_cast<u8>(value >> 16);
    bytes[2] = static_cast<u8>(value >> 8);
    bytes[3] = static_cast<u8>(value);
}

const char* GetLexiconPath() {
    if (gLexFilePath.valid == 0 || gLexFilePath.data == nullptr) return "";
    return reinterpret_cast<const char*>(gLexFilePath.data);
}

namespace {

bool HasLexiconPath() { return GetLexiconPath()[0] != 0; }

void ClearLexiconPath() {
    if (gLexFilePath.valid != 0 && gLexFilePath.data != nullptr)
        std::memset(gLexFilePath.data, 0, gLexFilePath.count);
}

// Stores the path; false (nothing stored) for a path that is empty or does
// not fit: a cut path would name another file.
bool SetLexiconPath(const char* path) {
    if (path == nullptr || gLexFilePath.valid == 0 || gLexFilePath.count == 0) return false;
    std::size_t n = strnlen(path, gLexFilePath.count);
    if (n == 0 || n >= gLexFilePath.count) return false;
    ClearLexiconPath();
    std::memcpy(gLexFilePath.data, path, n);
    return true;
}

void CloseLexiconStream() {
    if (LexFileHandle != nullptr) std::fclose(LexFileHandle);
    LexFileHandle = nullptr;
}

// After a failed open or load nothing is remembered: no file, no path, an
// empty lexicon. No later call can write over the file that failed.
void AbandonLexicon() {
    CloseLexiconStream();
    ClearLexiconPath();
    EmptyUserLexicon();
}

// The file a save replaces: the lexicon path, or what it links to, so that
// a symbolic link stays a link.
void ResolveSaveTarget(char* target, std::size_t capacity) {
    const char* path = GetLexiconPath();
    struct stat st;
    char resolved[PATH_MAX];
    if (lstat(path, &st) == 0 && S_ISLNK(st.st_mode) && realpath(path, resolved) != nullptr &&
        std::strlen(resolved) < capacity) {
        std::strcpy(target, resolved);
        return;
    }
    std::snprintf(target, capacity, "%s", path);
}

// Creates a new file beside target, named target.~krzNNN; -1 on failure.
int CreateFileBeside(const char* target, char* name, std::size_t capacity) {
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        int written = std::snprintf(name, capacity, "%s.~krz%ld.%u", target,
                                    static_cast<long>(getpid()), attempt);
        if (written < 0 || static_cast<std::size_t>(written) >= capacity) return -1;
        int fd = open(name, O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Flushes the directory entry of a rename to disk (best effort).
void SyncDirectoryOf(const char* file) {
    char dir[PATH_MAX + 1];
    std::snprintf(dir, sizeof dir, "%s", file);
    char* slash = std::strrchr(dir, '/');
    if (slash == nullptr) std::strcpy(dir, ".");
    else if (slash == dir) slash[1] = 0;
    else *slash = 0;
    int fd = open(dir, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

bool WriteLexiconImage(std::FILE* f) {
    u8 header[kLexHeaderSize];
    WriteBigEndian32(header, kLexSignature);
    WriteBigEndian32(header + 4, LexChangeCounter);
    WriteBigEndian32(header + 8, LexEntryCount);
    if (std::fwrite(header, 1, sizeof header, f) != sizeof header) return false;
    if (LexBodySize > 0 && std::fwrite(gUserLexicon.data, 1, LexBodySize, f) != LexBodySize)
        return false;
    return std::fflush(f) == 0 && fsync(fileno(f)) == 0 && std::ferror(f) == 0;
}

}  // namespace

i16 WriteLexiconFile() {
    if (!HasLexiconPath()) return kLexFileError;
    char target[PATH_MAX + 1];
    char beside[PATH_MAX + 64];
    ResolveSaveTarget(target, sizeof target);
    int fd = CreateFileBeside(target, beside, sizeof beside);
    if (fd < 0) return kLexFileError;
    struct stat old;
    if (stat(target, &old) == 0) {
        // Keep the owner and permissions of the file being replaced.
        if (fchown(fd, old.st_uid, old.st_gid) != 0) { /* not ours to change */ }
        fchmod(fd, old.st_mode & 07777);
    }
    std::FILE* f = fdopen(fd, "w+b");
    if (f == nullptr) {
        close(fd);
        unlink(beside);
        return kLexFileError;
    }
    if (!WriteLexiconImage(f) || std::rename(beside, target) != 0) {
        std::fclose(f);
        unlink(beside);
        return kLexFileError;
    }
    SyncDirectoryOf(target);
    CloseLexiconStream();
    LexFileHandle = f;
    return kLexOk;
}

i16 SaveLexiconChange() {
    if (LexFileHandle == nullptr) return kLexNotOpen;
    ++LexChangeCounter;
    i16 result = WriteLexiconFile();
    if (result != kLexOk) --LexChangeCounter;
    return result;
}

namespace {

bool ReadExactly(std::FILE* f, u8* into, u32 n) {
    return std::fread(into, 1, n, f) == n && std::ferror(f) == 0;
}

// Reads counter, entry count and body of a file of `length` bytes whose
// signature has been read, checks the body and installs it.
i16 ReadLexiconFile(u32 length) {
    u8 header[8];
    if (!ReadExactly(LexFileHandle, header, sizeof header)) return kLexFileError;
    u32 bodySize = length - kLexHeaderSize;
    LexSnapshot loaded;
    loaded.body = static_cast<u8*>(std::malloc(bodySize == 0 ? 1 : bodySize));
    if (loaded.body == nullptr) return kLexNoMemory;
    loaded.held = true;
    loaded.capacity = bodySize == 0 ? 1 : bodySize;
    loaded.bodySize = bodySize;
    loaded.changeCounter = ReadBigEndian32(header);
    loaded.entryCount = ReadBigEndian32(header + 4);
    if (!ReadExactly(LexFileHandle, loaded.body, bodySize)) {
        ReleaseLexSnapshot(loaded);
        return kLexFileError;
    }
    if (CheckLexBody(loaded.body, bodySize, loaded.entryCount) != 0) {
        ReleaseLexSnapshot(loaded);
        return kLexBadImage;
    }
    SwapLexSnapshot(loaded);
    ReleaseLexSnapshot(loaded);
    return kLexOk;
}

}  // namespace

i16 LoadLexiconFile() {
    EmptyUserLexicon();
    if (LexFileHandle == nullptr) return kLexFileError;
    struct stat st;
    if (fstat(fileno(LexFileHandle), &st) != 0) return kLexFileError;
    if (st.st_size == 0) {
        LexChangeCounter = 1;
        return WriteLexiconFile();
    }
    if (st.st_size < 4) return kLexBadImage;
    if (std::fseek(LexFileHandle, 0, SEEK_SET) != 0) return kLexFileError;
    u8 signature[4];
    if (!ReadExactly(LexFileHandle, signature, 4)) return kLexFileError;
    if (ReadBigEndian32(signature) != kLexSignature) return kLexBadImage;
    if (st.st_size == 4) return kLexOk;  // the signature alone: empty, counter 0
    if (st.st_size < static_cast<off_t>(kLexHeaderSize)) return kLexBadImage;
    if (st.st_size - static_cast<off_t>(kLexHeaderSize) > static_cast<off_t>(kLexMaxBodySize))
        return kLexNoMemory;
    return ReadLexiconFile(static_cast<u32>(st.st_size));
}

extern "C" {

KRZ_API int32_t KRZOpenLex(const char* path) {
    try {
        // A lexicon still open is closed first; its file is never written
        // again through this call.
        CloseLexiconStream();
        ClearUserLexicon();
        ClearLexiconPath();
        ApplyCallOptions();
        if (!SetLexiconPath(path)) {
            AbandonLexicon();
            return kLexFileError;
        }
        int fd = open(path, O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (fd < 0) {
            AbandonLexicon();
            return kLexFileError;
        }
        struct stat st;
        std::FILE* f = nullptr;
        if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || (f = fdopen(fd, "r+b")) == nullptr) {
            close(fd);
            AbandonLexicon();
            return kLexFileError;
        }
        LexFileHandle = f;
        i16 result = LoadLexiconFile();
        if (result != kLexOk) AbandonLexicon();
        return result;
    } catch (...) {
        AbandonLexicon();
        return kLexNoMemory;
    }
}

KRZ_API int16_t KRZCloseLex(void) {
    CloseLexiconStream();
    ApplyCallOptions();
    ClearUserLexicon();
    return 0;
}

KRZ_API int16_t KRZCloseLexFile(void) {
    CloseLexiconStream();
    ApplyCallOptions();
    return 0;
}

KRZ_API int16_t KRZSetLexicon(const void* image, uint32_t size) {
    try {
        const u8* bytes = static_cast<const u8*>(image);
        if (bytes == nullptr || size < kLexHeaderSize) return kLexBadImage;
        if (ReadBigEndian32(bytes) != kLexSignature) return kLexBadImage;
        u32 bodySize = size - kLexHeaderSize;
        if (bodySize > kLexMaxBodySize) return kLexNoMemory;
        u32 entryCount = ReadBigEndian32(bytes + 8);
        if (CheckLexBody(bytes + kLexHeaderSize, bodySize, entryCount) != 0) return kLexBadImage;
        LexSnapshot previous;
        if (!MakeLexSnapshot(previous, bytes + kLexHeaderSize, bodySize, entryCount,
                             ReadBigEndian32(bytes + 4)))
            return kLexNoMemory;
        SwapLexSnapshot(previous);
        if (LexFileHandle != nullptr) {
            // The open file must keep mirroring memory: on a failed write
            // the previous lexicon comes back.
            i16 result = WriteLexiconFile();
            if (result != kLexOk) SwapLexSnapshot(previous);
            ReleaseLexSnapshot(previous);
            return result;
        }
        ReleaseLexSnapshot(previous);
        // No file open: the image is written to the last lexicon path, which
        // becomes the open file; without one the image stays in memory only.
        if (!HasLexiconPath()) return kLexFileError;
        return WriteLexiconFile();
    } catch (...) {
        return kLexNoMemory;
    }
}

KRZ_API uint32_t KRZGetLexiconSize(void) { return LexBodySize + kLexHeaderSize; }

KRZ_API int16_t KRZGetLexicon(void* buffer, uint32_t size) {
    if (buffer == nullptr || static_cast<u64>(LexBodySize) + kLexHeaderSize > size)
        return kLexNoMemory;
    u8* out = static_cast<u8*>(buffer);
    WriteBigEndian32(out, kLexSignature);
    WriteBigEndian32(out + 4, LexChangeCounter);
    WriteBigEndian32(out + 8, LexEntryCount);
    if (LexBodySize > 0) std::memcpy(out + kLexHeaderSize, gUserLexicon.data, LexBodySize);
    return 0;
}

KRZ_API uint32_t KRZGetCounterLex(void) { return LexChangeCounter; }

}  // extern "C"
