// The user lexicon file and memory image: open, load, durable save, close,
// and the image exports.
#include "lexicon/lex_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <ctime>

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

// The open file could only be opened for reading: every save fails (-5)
// and nothing is written beside it.
bool gLexReadOnly = false;
// Descriptor holding the change lock (BeginLexFileChange); -1 when none.
int gLexLockFd = -1;

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
    if (!HasLexiconPath() || gLexReadOnly) return kLexFileError;
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

namespace {

// An empty file becomes a new lexicon, written under the change lock: a
// process that opened the same new file must not write its empty lexicon
// over the words another one has saved since. When the file at the path
// is no longer empty, its contents are what was loaded.
i16 WriteNewLexicon() {
    if (gLexLockFd >= 0) return WriteLexiconFile();  // a reload, already under the lock
    const i16 begun = BeginLexFileChange();
    if (begun != kLexOk) return begun;
    struct stat st;
    i16 r = kLexOk;
    if (LexFileHandle != nullptr && fstat(fileno(LexFileHandle), &st) == 0 && st.st_size == 0) {
        LexChangeCounter = 1;
        r = WriteLexiconFile();
    }
    EndLexFileChange();
    return r;
}

}  // namespace

i16 LoadLexiconFile() {
    EmptyUserLexicon();
    if (LexFileHandle == nullptr) return kLexFileError;
    struct stat st;
    if (fstat(fileno(LexFileHandle), &st) != 0) return kLexFileError;
    if (st.st_size == 0) {
        LexChangeCounter = 1;
        return gLexReadOnly ? kLexOk : WriteNewLexicon();
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

namespace {

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Waits up to kLexLockWaitMs for an exclusive lock on the file now at
// `target`; the descriptor, or -1 (kLexBusy in `error` when another
// process held the lock all that time). A save renames a new file over the
// path, so a lock won on a file no longer at the path is given up and
// taken again on the new one.
int LockFileAt(const char* target, i16& error) {
    error = kLexFileError;
    timespec pause{0, 10 * 1000 * 1000};
    timespec start{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    for (;;) {
        int fd = open(target, O_RDONLY | O_CLOEXEC);
        if (fd < 0) return -1;
        if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
            struct stat locked, current;
            if (fstat(fd, &locked) == 0 && stat(target, &current) == 0 && SameFile(locked, current)) return fd;
            close(fd);
            continue;
        }
        const bool busy = errno == EWOULDBLOCK;
        close(fd);
        if (!busy) return -1;
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        const i64 waited = (now.tv_sec - start.tv_sec) * 1000 + (now.tv_nsec - start.tv_nsec) / 1000000;
        if (waited >= static_cast<i64>(kLexLockWaitMs)) {
            error = kLexBusy;
            return -1;
        }
        nanosleep(&pause, nullptr);
    }
}

// Loads the file locked through fd (at `target`) in place of the lexicon
// in memory; on failure memory and handle stay as they were. The file is
// opened anew: a copy of the locking descriptor would hold the lock for as
// long as the handle lives.
i16 ReloadFrom(int fd, const char* target) {
    LexSnapshot kept;
    if (!TakeLexSnapshot(kept)) return kLexNoMemory;
    std::FILE* previous = LexFileHandle;
    const int copy = open(target, O_RDONLY | O_CLOEXEC);
    struct stat locked, opened;
    std::FILE* f = nullptr;
    if (copy >= 0 && fstat(fd, &locked) == 0 && fstat(copy, &opened) == 0 && SameFile(locked, opened))
        f = fdopen(copy, "rb");
    if (f == nullptr) {
        if (copy >= 0) close(copy);
        ReleaseLexSnapshot(kept);
        return kLexFileError;
    }
    LexFileHandle = f;
    const i16 r = LoadLexiconFile();
    if (r != kLexOk) {
        std::fclose(f);
        LexFileHandle = previous;
        RestoreLexSnapshot(kept);
        return r;
    }
    std::fclose(previous);
    ReleaseLexSnapshot(kept);
    return kLexOk;
}

// Removes the files a save left beside `target` (target.~krzPID.N) whose
// process is gone: a save killed between creating its file and the rename.
void RemoveStaleTemporaries(const char* target) {
    char dir[PATH_MAX + 1];
    std::snprintf(dir, sizeof dir, "%s", target);
    char* slash = std::strrchr(dir, '/');
    const char* base = slash != nullptr ? slash + 1 : target;
    if (slash == nullptr) std::strcpy(dir, ".");
    else if (slash == dir) slash[1] = 0;
    else *slash = 0;
    char prefix[PATH_MAX + 8];
    std::snprintf(prefix, sizeof prefix, "%s.~krz", base);
    const std::size_t prefixLength = std::strlen(prefix);
    DIR* d = opendir(dir);
    if (d == nullptr) return;
    while (const dirent* e = readdir(d)) {
        if (std::strncmp(e->d_name, prefix, prefixLength) != 0) continue;
        char* end = nullptr;
        const long pid = std::strtol(e->d_name + prefixLength, &end, 10);
        if (end == e->d_name + prefixLength || *end != '.' || pid <= 0 || pid == getpid()) continue;
        if (kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) continue;  // its process lives
        char stale[2 * PATH_MAX + 2];
        std::snprintf(stale, sizeof stale, "%s/%s", dir, e->d_name);
        unlink(stale);
    }
    closedir(d);
}

// Opens the lexicon file: read-write, created when missing (`created`
// says so), or read-only when writing is not allowed. -1 on failure.
int OpenLexiconDescriptor(const char* path, bool& created) {
    created = false;
    gLexReadOnly = false;
    for (int attempt = 0; attempt < 3; ++attempt) {
        int fd = open(path, O_RDWR | O_CLOEXEC);
        if (fd >= 0) return fd;
        if (errno == EACCES || errno == EROFS || errno == EPERM) {
            fd = open(path, O_RDONLY | O_CLOEXEC);
            gLexReadOnly = fd >= 0;
            return fd;
        }
        if (errno != ENOENT) return -1;
        fd = open(path, O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            created = true;
            return fd;
        }
        if (errno != EEXIST) return -1;  // made by another process meanwhile: open it
    }
    return -1;
}

}  // namespace

i16 BeginLexFileChange() {
    EndLexFileChange();
    if (LexFileHandle == nullptr || gLexReadOnly || !HasLexiconPath()) return kLexOk;  // the save refuses
    char target[PATH_MAX + 1];
    ResolveSaveTarget(target, sizeof target);
    i16 error = kLexOk;
    const int fd = LockFileAt(target, error);
    if (fd < 0) return error;
    gLexLockFd = fd;
    struct stat locked, loaded;
    if (fstat(fd, &locked) != 0 || fstat(fileno(LexFileHandle), &loaded) != 0 || !SameFile(locked, loaded)) {
        // Another process saved since this one loaded: its words are read
        // before anything changes.
        const i16 r = ReloadFrom(fd, target);
        if (r != kLexOk) {
            EndLexFileChange();
            return r;
        }
    }
    return kLexOk;
}

void EndLexFileChange() {
    if (gLexLockFd >= 0) close(gLexLockFd);
    gLexLockFd = -1;
}

bool IsLexiconReadOnly() { return gLexReadOnly; }

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
        bool created = false;
        int fd = OpenLexiconDescriptor(path, created);
        if (fd < 0) {
            AbandonLexicon();
            return kLexFileError;
        }
        struct stat st;
        std::FILE* f = nullptr;
        if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
            (f = fdopen(fd, gLexReadOnly ? "rb" : "r+b")) == nullptr) {
            close(fd);
            AbandonLexicon();
            return kLexFileError;
        }
        LexFileHandle = f;
        i16 result = LoadLexiconFile();
        if (result != kLexOk) {
            AbandonLexicon();
            // No empty file is left behind a failed creation (a full disk).
            if (created) unlink(path);
            return result;
        }
        if (!gLexReadOnly) {
            char target[PATH_MAX + 1];
            ResolveSaveTarget(target, sizeof target);
            RemoveStaleTemporaries(target);
        }
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
