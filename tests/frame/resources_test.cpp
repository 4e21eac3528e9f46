// Virtual file numbers, embedded blocks, memory blocks and the lexical
// database stubs.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "frame/memory_blocks.h"
#include "frame/resources.h"
#include "krzlib.h"

namespace {

// Bytes of a block file in the directory the build embedded; empty when the
// file is absent (found = false).
std::vector<u8> BlockFile(const char* type, u16 id, bool* found) {
    std::string path = std::string(KRZ_EMBED_BLOCK_DIR) + "/" + type + "_" + std::to_string(id) + ".bin";
    std::vector<u8> bytes;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    *found = (f != nullptr);
    if (f == nullptr) return bytes;
    int c;
    while ((c = std::fgetc(f)) != EOF) bytes.push_back(static_cast<u8>(c));
    std::fclose(f);
    return bytes;
}

TEST(VirtualFileNumbers, MapToTypeAndId) {
    struct Case {
        u16 number;
        const char* type;  // null: outside every range
        u16 id;
    };
    const Case cases[] = {
        {0, nullptr, 0},         {1, "KRZDATA", 103},    {4, "KRZDATA", 106},
        {5, nullptr, 0},         {9, nullptr, 0},        {10, "KRZFVER", 101},
        {19, "KRZFVER", 110},    {20, nullptr, 0},       {101, "KRZDATA", 203},
        {104, "KRZDATA", 206},   {105, nullptr, 0},      {106, nullptr, 0},
        {110, "KRZAVER", 201},   {116, "KRZAVER", 207},  {117, nullptr, 0},
        {302, nullptr, 0},       {303, "KRZDATA", 303},  {306, "KRZDATA", 306},
        {1001, "KRZQVSP", 1001}, {1200, "KRZQVSP", 1200}, {2001, "KRZQVDE", 2001},
        {2200, "KRZQVDE", 2200}, {3001, "VRELDATA", 3001}, {4200, "VRELDATA", 4200},
        {4201, nullptr, 0},      {65535, nullptr, 0},
    };
    for (const Case& c : cases) {
        const char* type = nullptr;
        u16 id = 0;
        bool mapped = MapVirtualFileNumber(c.number, &type, &id);
        EXPECT_EQ(mapped, c.type != nullptr) << c.number;
        if (mapped && c.type != nullptr) {
            EXPECT_STREQ(type, c.type) << c.number;
            EXPECT_EQ(id, c.id) << c.number;
        }
    }
}

TEST(VirtualFileNumbers, UnmappedOrAbsentGivesNothing) {
    // Unmapped numbers: size 0 (never the number itself), null data.
    for (u16 n : {0, 5, 106, 117, 1000, 4201, 65535}) {
        EXPECT_EQ(GetResourceFileSize(n), 0u) << n;
        EXPECT_EQ(GetResourceFileData(n), nullptr) << n;
    }
    // Mapped types of which no block is built in.
    for (u16 n : {1001, 2001, 3001, 4200}) {
        EXPECT_EQ(GetResourceFileSize(n), 0u) << n;
        EXPECT_EQ(GetResourceFileData(n), nullptr) << n;
    }
}

// Every mapped number whose block file exists in the embedded directory gives
// that file's exact bytes; the others give size 0 and null.
TEST(VirtualFileNumbers, BlocksEqualTheirFiles) {
    int present = 0;
    for (u32 n = 0; n <= 4300; ++n) {
        const char* type = nullptr;
        u16 id = 0;
        if (!MapVirtualFileNumber(static_cast<u16>(n), &type, &id)) continue;
        bool found = false;
        std::vector<u8> bytes = BlockFile(type, id, &found);
        u32 size = GetResourceFileSize(static_cast<u16>(n));
        const u8* data = GetResourceFileData(static_cast<u16>(n));
        if (!found) {
            EXPECT_EQ(size, 0u) << n;
            EXPECT_EQ(data, nullptr) << n;
            continue;
        }
        ++present;
        ASSERT_EQ(size, bytes.size()) << n;
        ASSERT_NE(data, nullptr) << n;
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(data) % 16, 0u) << n;
        EXPECT_EQ(std::memcmp(data, bytes.data(), size), 0) << n;
    }
    // The language blocks are always built in (fixture or compiled data).
    EXPECT_GE(present, 25);
}

// Shapes every block set keeps, the fixture set included.
TEST(VirtualFileNumbers, BlockShapes) {
    for (u16 n : {3, 103}) EXPECT_EQ(GetResourceFileSize(n), 5408u) << n;
    for (u16 n : {1, 101}) {
        const u8* p = GetResourceFileData(n);
        ASSERT_NE(p, nullptr);
        u32 records = (p[0] << 8) | p[1];
        EXPECT_EQ(GetResourceFileSize(n), 2 + 10 * records) << n;
    }
    EXPECT_EQ(GetResourceFileSize(4) % 156, 0u);
    EXPECT_EQ(GetResourceFileSize(104) % 12, 0u);
    for (u16 len = 1; len <= 10; ++len) {
        u32 size = GetResourceFileSize(static_cast<u16>(9 + len));
        EXPECT_GT(size, 0u) << len;
        EXPECT_EQ(size % len, 0u) << len;
    }
    for (u16 len = 1; len <= 7; ++len) {
        u32 size = GetResourceFileSize(static_cast<u16>(109 + len));
        EXPECT_GT(size, 0u) << len;
        EXPECT_EQ(size % len, 0u) << len;
    }
    // Markers of the one-character ending lists.
    EXPECT_EQ(GetResourceFileData(10)[3], '0');
    EXPECT_EQ(GetResourceFileData(10)[9], '$');
    EXPECT_EQ(GetResourceFileData(110)[0], '$');
    EXPECT_EQ(GetResourceFileData(110)[7], '0');
}

TEST(PlatformExports, InstanceReleaseAndLexicalStubs) {
    int host = 0;
    EXPECT_EQ(setInstance(&host), &host);
    EXPECT_EQ(gModuleInstance, &host);
    EXPECT_EQ(setInstance(nullptr), nullptr);
    loadVRELData(nullptr);
    setVRELLanguage(&host);
    for (u32 mask : {0u, 2u, 4u, 0xFFFFFFFFu}) {
        EXPECT_EQ(in_wn("house", mask), 0u);
        EXPECT_EQ(wninit("", mask), 0u);
        EXPECT_EQ(in_wn(nullptr, mask), 0u);
    }
    BoundedString word;
    EXPECT_EQ(QueryLexicalDatabase(&word, 2), 0u);
    EXPECT_EQ(QueryLexicalDatabase(nullptr, 4), 0u);
}

TEST(MemoryBlocks, AllocateAndFree) {
    gMemError = -8;
    EXPECT_EQ(AllocateBlock(0), nullptr);
    EXPECT_EQ(GetMemoryError(), -8);  // n = 0 leaves the previous result
    void* p = AllocateBlock(16);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(GetMemoryError(), 0);
    gMemError = -8;
    FreeBlock(p);
    EXPECT_EQ(GetMemoryError(), 0);
    gMemError = -8;
    FreeBlock(nullptr);
    EXPECT_EQ(GetMemoryError(), 0);
}

TEST(MemoryBlocks, Resize) {
    void* h = nullptr;
    gMemError = -8;
    ResizeBlock(&h, 0);  // nothing held: stays null, success
    EXPECT_EQ(h, nullptr);
    EXPECT_EQ(GetMemoryError(), 0);

    ResizeBlock(&h, 4);  // null handle: allocates
    ASSERT_NE(h, nullptr);
    std::memcpy(h, "abcd", 4);
    ResizeBlock(&h, 4096);  // contents survive growth
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(std::memcmp(h, "abcd", 4), 0);
    EXPECT_EQ(GetMemoryError(), 0);

    gMemError = -8;
    ResizeBlock(&h, 0);
    EXPECT_EQ(h, nullptr);
    EXPECT_EQ(GetMemoryError(), 0);
}

TEST(MemoryBlocks, CopyHandlesOverlap) {
    struct Case {
        u32 from, to, n;
        const char* expected;
    };
    const Case cases[] = {
        {0, 2, 5, "abab" "cdehij"},  // forward overlap
        {2, 0, 5, "cdefgfghij"},     // backward overlap
        {0, 5, 5, "abcdeabcde"},     // disjoint
        {3, 3, 4, "abcdefghij"},     // onto itself
        {0, 4, 0, "abcdefghij"},     // nothing
    };
    for (const Case& c : cases) {
        char s[11] = "abcdefghij";
        CopyBlockBytes(s, c.from, s, c.to, c.n);
        EXPECT_STREQ(s, c.expected) << c.from << "->" << c.to;
    }
    char s[4] = "abc";
    CopyBlockBytes(nullptr, 0, s, 0, 3);
    CopyBlockBytes(s, 0, nullptr, 0, 3);
    EXPECT_STREQ(s, "abc");
}

}  // namespace
