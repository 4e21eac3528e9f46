// Disk files and the bounded formatted print.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstring>
#include <string>

#include "frame/files.h"
#include "frame/format.h"

namespace {

// A path in a fresh temporary directory, removed with the fixture.
class TempFile : public ::testing::Test {
protected:
    void SetUp() override {
        char dir[] = "/tmp/krz_files_XXXXXX";
        ASSERT_NE(mkdtemp(dir), nullptr);
        dir_ = dir;
        path_ = dir_ + "/data.bin";
    }
    void TearDown() override {
        unlink(path_.c_str());
        rmdir(dir_.c_str());
    }
    // The path as a library string (NUL-terminated, capacity length + 1).
    static void PathString(const std::string& text, BoundedString& out) {
        out.Allocate(static_cast<u32>(text.size() + 1));
        std::memcpy(out.data, text.data(), text.size());
    }
    std::string dir_, path_;
};

TEST_F(TempFile, WriteSeekReadRoundTrip) {
    BoundedString path;
    PathString(path_, path);
    FileStream f = nullptr;
    ASSERT_EQ(CreateFileReadWrite(&path, &f), 0);
    ASSERT_NE(f, nullptr);

    BoundedArray<u8> out;
    out.Allocate(6);
    std::memcpy(out.data, "krzlib", 6);
    u32 count = 100;  // more than the buffer: only its 6 bytes are written
    EXPECT_EQ(WriteFileBytes(f, &count, &out), 0);
    EXPECT_EQ(count, 6u);

    ASSERT_EQ(SetFilePosition(f, 2), 0);
    u32 length = 0;
    EXPECT_EQ(GetFileLength(f, &length), 0);
    EXPECT_EQ(length, 6u);

    // Reading continues from the position kept by GetFileLength.
    BoundedArray<u8> in;
    in.Allocate(3);
    count = 50;  // more than the buffer: clamped to its 3 elements
    EXPECT_EQ(ReadFileBytes(f, &count, &in), 0);
    EXPECT_EQ(count, 3u);
    EXPECT_EQ(std::memcmp(in.data, "zli", 3), 0);

    count = 3;  // only one byte left
    EXPECT_EQ(ReadFileBytes(f, &count, &in), 0);
    EXPECT_EQ(count, 1u);
    EXPECT_EQ(in.data[0], 'b');

    EXPECT_EQ(SetFilePosition(f, -1), -5);
    EXPECT_EQ(CloseFileHandle(f), 0);

    // Reopen the existing file; create truncates it.
    ASSERT_EQ(OpenFileReadWrite(&path, &f), 0);
    EXPECT_EQ(GetFileLength(f, &length), 0);
    EXPECT_EQ(length, 6u);
    EXPECT_EQ(CloseFileHandle(f), 0);
    ASSERT_EQ(CreateFileReadWrite(&path, &f), 0);
    EXPECT_EQ(GetFileLength(f, &length), 0);
    EXPECT_EQ(length, 0u);
    EXPECT_EQ(CloseFileHandle(f), 0);
}

TEST_F(TempFile, OpenFailures) {
    BoundedString path;
    PathString(dir_ + "/missing.bin", path);
    FileStream f = reinterpret_cast<FileStream>(&path);  // must be overwritten
    EXPECT_EQ(OpenFileReadWrite(&path, &f), -5);
    EXPECT_EQ(f, nullptr);

    PathString(dir_ + "/no/such/dir.bin", path);
    f = reinterpret_cast<FileStream>(&path);
    EXPECT_EQ(CreateFileReadWrite(&path, &f), -5);
    EXPECT_EQ(f, nullptr);

    BoundedString empty;  // no data at all
    EXPECT_EQ(CreateFileReadWrite(&empty, &f), -5);
    EXPECT_EQ(f, nullptr);
    EXPECT_EQ(CreateFileReadWrite(nullptr, &f), -5);
    PathString(path_, path);
    EXPECT_EQ(CreateFileReadWrite(&path, nullptr), -5);
    EXPECT_NE(access(path_.c_str(), F_OK), 0);  // nothing created
}

TEST(Files, NullStreamOrBufferIsFileError) {
    BoundedArray<u8> buffer;
    buffer.Allocate(4);
    u32 count = 4, length = 7;
    EXPECT_EQ(ReadFileBytes(nullptr, &count, &buffer), -5);
    EXPECT_EQ(count, 0u);
    count = 4;
    EXPECT_EQ(WriteFileBytes(nullptr, &count, &buffer), -5);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(GetFileLength(nullptr, &length), -5);
    EXPECT_EQ(length, 7u);
    EXPECT_EQ(SetFilePosition(nullptr, 0), -5);
    EXPECT_EQ(CloseFileHandle(nullptr), -5);

    FileStream f = std::tmpfile();
    ASSERT_NE(f, nullptr);
    BoundedArray<u8> none;  // header without data
    count = 4;
    EXPECT_EQ(ReadFileBytes(f, &count, &none), -5);
    EXPECT_EQ(count, 0u);
    count = 4;
    EXPECT_EQ(WriteFileBytes(f, &count, nullptr), -5);
    EXPECT_EQ(ReadFileBytes(f, nullptr, &buffer), -5);
    EXPECT_EQ(GetFileLength(f, nullptr), -5);
    EXPECT_EQ(CloseFileHandle(f), 0);
}

TEST(FormatToBuffer, FitsOrTruncatesTerminated) {
    struct Case {
        i32 size;
        i32 result;
        const char* text;
    };
    // "id 42": 5 characters, 6 bytes with the terminator.
    const Case cases[] = {
        {16, 5, "id 42"}, {6, 5, "id 42"}, {5, -1, "id 4"}, {2, -1, "i"}, {1, -1, ""},
    };
    for (const Case& c : cases) {
        char buffer[32];
        std::memset(buffer, '#', sizeof buffer);
        i32 n = FormatToBuffer(buffer, c.size, "id %d", 42);
        EXPECT_EQ(n < 0, c.result < 0) << c.size;
        if (c.result >= 0) {
            EXPECT_EQ(n, c.result) << c.size;
        }
        EXPECT_STREQ(buffer, c.text) << c.size;
        EXPECT_EQ(buffer[c.size], '#') << "wrote past size " << c.size;
    }
    char buffer[4] = "abc";
    EXPECT_LT(FormatToBuffer(buffer, 0, "x"), 0);
    EXPECT_STREQ(buffer, "abc");  // size 0: nothing written
    EXPECT_LT(FormatToBuffer(nullptr, 8, "x"), 0);
}

}  // namespace
