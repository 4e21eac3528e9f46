// Shared helpers of the user lexicon tests: a scratch directory, a lexicon
// that starts and ends closed, FormEntry builders and an independent
// builder of bodies in the stored layout.
#pragma once
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "frame/records.h"
#include "frame/tables.h"
#include "krzlib.h"
#include "lexicon/lex_file.h"
#include "lexicon/lex_records.h"
#include "lexicon/lex_store.h"

using Bytes = std::vector<u8>;

inline Bytes ReadAll(const std::string& path) {
    Bytes out;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr) return out;
    u8 buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.insert(out.end(), buf, buf + n);
    std::fclose(f);
    return out;
}

inline void WriteAll(const std::string& path, const Bytes& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

inline Bytes Body() { return Bytes(gUserLexicon.data, gUserLexicon.data + LexBodySize); }

inline Bytes Image() {
    Bytes image(KRZGetLexiconSize());
    EXPECT_EQ(KRZGetLexicon(image.data(), static_cast<uint32_t>(image.size())), 0);
    return image;
}

// A key string (36 bytes) holding text.
inline BoundedString Key(const std::string& text) {
    BoundedString s;
    s.Allocate(36);
    std::memcpy(s.data, text.data(), std::min<std::size_t>(text.size(), 35));
    return s;
}

inline BoundedArray<u8> Data(const Bytes& bytes) {
    BoundedArray<u8> d;
    d.Allocate(static_cast<u32>(bytes.size()));
    if (!bytes.empty()) std::memcpy(d.data, bytes.data(), bytes.size());
    return d;
}

// A FormEntry: key, lemma, class byte and code bytes.
inline FormEntry Entry(const std::string& key, const std::string& lemma, u8 classByte,
                       const Bytes& codes = {}) {
    FormEntry e;
    InitFormEntry(e);
    std::memcpy(e.FormText.data, key.data(), std::min<std::size_t>(key.size(), 35));
    std::memcpy(e.LemmaText.data, lemma.data(), std::min<std::size_t>(lemma.size(), 35));
    e.FormClass = classByte;
    if (!codes.empty()) std::memcpy(e.FormCodes.data, codes.data(), std::min<std::size_t>(codes.size(), 9));
    return e;
}

inline std::string Text(const BoundedString& s) {
    return std::string(reinterpret_cast<const char*>(s.data), strnlen(reinterpret_cast<const char*>(s.data), s.count));
}

// Builds a body from entries already in stored order, computing every
// distance from its definition (not from the store's repair steps).
struct PlainEntry {
    std::string key;
    Bytes data;
};

inline Bytes BuildBody(const std::vector<PlainEntry>& entries) {
    std::vector<u32> offsets;
    Bytes body;
    for (const PlainEntry& e : entries) {
        offsets.push_back(static_cast<u32>(body.size()));
        for (std::size_t j = 0; j <= e.key.size(); ++j) {
            body.push_back(j < e.key.size() ? static_cast<u8>(e.key[j]) : 0);
            body.insert(body.end(), {0, 0, 0});
        }
        body.push_back(static_cast<u8>(e.data.size() >> 8));
        body.push_back(static_cast<u8>(e.data.size()));
        body.insert(body.end(), e.data.begin(), e.data.end());
        if (e.data.size() % 2 == 1) body.push_back(0);
    }
    // Nodes shared by two keys (terminator included).
    auto common = [&](std::size_t a, std::size_t b) {
        const std::string& x = entries[a].key;
        const std::string& y = entries[b].key;
        std::size_t n = 0;
        while (n <= x.size() && n <= y.size() && (n < x.size() ? x[n] : 0) == (n < y.size() ? y[n] : 0)) ++n;
        return n;
    };
    for (std::size_t i = 0; i < entries.size(); ++i) {
        for (std::size_t d = 0; d <= entries[i].key.size(); ++d) {
            bool head = i == 0 || common(i - 1, i) < d + 1;
            if (!head) continue;
            std::size_t k = i + 1;
            while (k < entries.size() && common(i, k) >= d + 1) ++k;
            if (k == entries.size() || common(i, k) != d) continue;
            u32 distance = offsets[k] - offsets[i];
            u32 at = offsets[i] + 4 * static_cast<u32>(d);
            body[at + 1] = static_cast<u8>(distance >> 16);
            body[at + 2] = static_cast<u8>(distance >> 8);
            body[at + 3] = static_cast<u8>(distance);
        }
    }
    return body;
}

inline Bytes MakeImage(const Bytes& body, u32 counter, u32 count) {
    Bytes image = {0x30, 0x32, 0x37, 0x30};
    for (u32 v : {counter, count})
        for (int s = 24; s >= 0; s -= 8) image.push_back(static_cast<u8>(v >> s));
    image.insert(image.end(), body.begin(), body.end());
    return image;
}

// Every test starts and ends with no lexicon open, no path remembered.
class LexiconTest : public ::testing::Test {
protected:
    void SetUp() override {
        Reset();
        char tmpl[] = "/tmp/krz-lex-XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir = tmpl;
    }
    void TearDown() override {
        Reset();
        std::filesystem::remove_all(dir);
    }
    static void Reset() {
        KRZCloseLex();
        std::memset(gLexFilePath.data, 0, gLexFilePath.count);
        LexChangeCounter = 0;
        LexLookupSuspended = 0;
    }
    std::string Path(const std::string& name) const { return dir + "/" + name; }
    // Opens a fresh lexicon file.
    std::string OpenNew(const std::string& name = "user.lex") {
        std::string p = Path(name);
        EXPECT_EQ(KRZOpenLex(p.c_str()), 0);
        return p;
    }
    std::string dir;
};
