// Check of the compiled French blocks with the library's reader.
#include "tools/datacomp/library_check.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <set>

#include "frame/loader.h"
#include "frame/mac_roman.h"
#include "frame/records.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "morphology/section_walk.h"
#include "morphology/word_lookup.h"

namespace {

BoundedString* const kFrenchEndingViews[10] = {
    &gFrenchEndings1, &gFrenchEndings2, &gFrenchEndings3, &gFrenchEndings4, &gFrenchEndings5,
    &gFrenchEndings6, &gFrenchEndings7, &gFrenchEndings8, &gFrenchEndings9, &gFrenchEndings10};

u8 kEmpty[8] = {};

void ViewVector(BoundedString& view, const std::vector<u8>* v) {
    if (v == nullptr || v->empty()) {
        view.View(kEmpty, 0);
        view.valid = 0;
    } else {
        view.View(const_cast<u8*>(v->data()), static_cast<u32>(v->size()));
    }
}

const u8* DataOf(const std::vector<u8>* v) { return v == nullptr || v->empty() ? nullptr : v->data(); }
u32 SizeOf(const std::vector<u8>* v) { return v == nullptr ? 0 : static_cast<u32>(v->size()); }

u16 U16(const std::vector<u8>& b, size_t at) {
    return at + 1 < b.size() ? static_cast<u16>(b[at] << 8 | b[at + 1]) : 0;
}
u32 U32(const std::vector<u8>& b, size_t at) {
    return static_cast<u32>(U16(b, at)) << 16 | U16(b, at + 2);
}

std::string TagList(const std::vector<u16>& tags) {
    std::string s;
    for (u16 t : tags) {
        char b[8];
        std::snprintf(b, sizeof b, "%s%04X", s.empty() ? "" : " ", t);
        s += b;
    }
    return s;
}

std::string Escaped(const std::string& w) {
    std::string s;
    for (unsigned char c : w) {
        if (c > 0x20 && c < 0x7F) {
            s += static_cast<char>(c);
        } else {
            char b[8];
            std::snprintf(b, sizeof b, "\\x%02X", c);
            s += b;
        }
    }
    return s;
}

}  // namespace

void InstallFrenchBlocks(const FrenchBlockSet& b) {
    std::memcpy(gLetterCodes.data, gLetterCodesSource.data,
                std::min(gLetterCodes.count, gLetterCodesSource.count));
    ConvertSectionMatrix(gFrenchPrefixSectionMatrix, DataOf(b.matrix), SizeOf(b.matrix));
    gFrenchDictSectionCount =
        ConvertPrefixIndex(gFrenchDictPrefixIndex, DataOf(b.prefixIndex), SizeOf(b.prefixIndex));
    ConvertFrenchModels(gEndingRows, DataOf(b.modelRows), SizeOf(b.modelRows));
    ViewVector(gFrenchDictBody, b.body);
    for (u32 k = 0; k < 10; ++k) ViewVector(*kFrenchEndingViews[k], b.endings[k]);
    SelectLanguageTables(3);
}

std::string CheckManifestEntry(const ManifestEntry& entry) {
    BoundedString word;
    word.Allocate(40);
    std::memcpy(word.data, entry.word.data(), std::min<size_t>(entry.word.size(), 36));
    gCaseMode = entry.caseMode;
    u16 count = 0;
    LookupWordForm(kModeFrenchPlain, word, gWordTagCodes, count);
    gCaseMode = 0;
    const u32 n = std::min<u32>(count, gWordTagCodes.count);
    std::vector<u16> got(gWordTagCodes.data, gWordTagCodes.data + n);
    std::vector<u16> want;
    for (const Analysis& a : entry.analyses) want.push_back(a.tag);
    std::vector<u16> g = got, w = want;
    std::sort(g.begin(), g.end());
    std::sort(w.begin(), w.end());
    if (g != w)
        return Escaped(entry.word) + " (" + entry.lemma + "): tags [" + TagList(got) +
               "], intended [" + TagList(want) + "]";
    // Lemma references: each intended analysis among the first eight finds
    // its reference at the index of an equal tag.
    const u32 refs = std::min<u32>(n, gWordLemmaRefs.count);
    if (n <= refs) {
        std::multiset<std::pair<u16, u32>> have;
        for (u32 i = 0; i < n; ++i) have.insert({got[i], gWordLemmaRefs.data[i]});
        for (const Analysis& a : entry.analyses) {
            if (a.ref == 0) continue;
            auto it = have.find({a.tag, a.ref});
            if (it == have.end())
                return Escaped(entry.word) + " (" + entry.lemma + "): tag " + TagList({a.tag}) +
                       " without lemma reference " + std::to_string(a.ref);
            have.erase(it);
        }
    }
    return "";
}

LibraryCheckResult CheckManifestWithLibrary(const std::vector<ManifestEntry>& manifest) {
    LibraryCheckResult r;
    for (const ManifestEntry& m : manifest) {
        ++r.checked;
        std::string why = CheckManifestEntry(m);
        if (why.empty()) continue;
        ++r.failed;
        r.examples.push_back(why);
    }
    return r;
}

std::vector<std::string> CheckDictionaryStructure(const std::vector<u8>& index,
                                                  const std::vector<u8>& body,
                                                  const std::vector<u8>& matrix) {
    std::vector<std::string> bad;
    auto fail = [&](const std::string& s) {
        if (bad.size() < 50) bad.push_back(s);
    };
    if (index.size() < 2) return {"prefix index shorter than its header"};
    const u32 n = U16(index, 0);
    if (index.size() != 2 + 10u * n) fail("prefix index size does not match its count");
    if (n > 385) fail("more than 384 sections");
    if (n < 11) fail("fewer than the 10 reserved sections");
    u32 expect = 0;
    std::vector<std::string> keys(n);
    for (u32 s = 0; s < n && 2 + 10 * s + 10 <= index.size(); ++s) {
        const size_t at = 2 + 10 * s;
        keys[s] = std::string{static_cast<char>(index[at]), static_cast<char>(index[at + 1])};
        const u32 off = U32(index, at + 2);
        const u32 len = U16(index, at + 6);
        if (U16(index, at + 8) != s) fail("section " + std::to_string(s) + ": wrong ordinal");
        if (off != expect) fail("section " + std::to_string(s) + ": not contiguous");
        if (s == 0 && (off != 0 || len != 6)) fail("record 0 is not a 6-byte dummy at 0");
        if (off + len > body.size()) {
            fail("section " + std::to_string(s) + ": leaves the body");
            break;
        }
        if (len >= 3) {
            const u32 k3 = body[off + 2];
            if (k3 % 3 != 0 || k3 / 3 > 85) fail("section " + std::to_string(s) + ": bad third-letter index");
            if (U16(body, off + 1) != k3) fail("section " + std::to_string(s) + ": third index size");
        } else {
            fail("section " + std::to_string(s) + ": shorter than one index entry");
        }
        expect = off + len;
    }
    if (expect + 8 != body.size()) fail("the sections do not end 8 bytes before the body's end");
    static const char* const kReserved[] = {"aa", "11", "22", "33", "44", "55", "66", "77", "88", "99", "::"};
    for (u32 s = 0; s <= 10 && s < n; ++s)
        if (keys[s] != kReserved[s]) fail("record " + std::to_string(s) + ": wrong reserved key");
    if (matrix.size() != 52 * 52 * 2) {
        fail("matrix is not 52 x 52");
        return bad;
    }
    for (u32 r = 0; r < 52; ++r) {
        for (u32 c = 0; c < 52; ++c) {
            const u16 s = U16(matrix, 2 * (52 * r + c));
            if (s == 0) continue;
            if (r == 0 && c == 0) {
                if (s != 10) fail("matrix [a][a] is not 10");
                continue;
            }
            if (s >= n || s <= 10) {
                fail("matrix names section " + std::to_string(s));
                continue;
            }
            const u8 k0 = static_cast<u8>(keys[s][0]), k1 = static_cast<u8>(keys[s][1]);
            if (gLetterCodesSource.data[k0] != r + 1 || gLetterCodesSource.data[k1] != c + 1)
                fail("matrix entry does not match the key of section " + std::to_string(s));
        }
    }
    return bad;
}
