// Records of the user lexicon: packing FormEntry values, record lookups,
// key normalisation, and the host's sorted word list.
#include "lexicon/lex_records.h"

#include <cstddef>
#include <cstring>

#include "frame/bounded_string.h"
#include "frame/mac_roman.h"
#include "frame/memory_blocks.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "lexicon/lex_store.h"

static_assert(sizeof(LexListRecord) == 48);
static_assert(offsetof(LexListRecord, text) == 0);
static_assert(offsetof(LexListRecord, category) == 36);
static_assert(offsetof(LexListRecord, value) == 38);
static_assert(offsetof(LexListRecord, language) == 40);
static_assert(offsetof(LexListRecord, abbreviation) == 42);
static_assert(offsetof(LexListRecord, reserved) == 47);

namespace {

constexpr u32 kLemmaOffset = 0;
constexpr u32 kClassOffset = 36;
constexpr u32 kCodesOffset = 37;
constexpr u32 kCodeCount = 9;
constexpr u32 kLemmaSize = 36;

// Byte k of a string, 0 past its end.
u8 StringByte(const BoundedString& s, u32 k) {
    return s.valid != 0 && s.data != nullptr && k < s.count ? s.data[k] : 0;
}

// Writes n bytes into the string, as far as it reaches.
void PutBytes(BoundedString& s, const u8* bytes, u32 n) {
    if (s.valid == 0 || s.data == nullptr) return;
    if (n > s.count) n = s.count;
    std::memcpy(s.data, bytes, n);
}

void PackRecord(const FormEntry& entry, u8* record) {
    for (u32 k = 0; k < kLemmaSize; ++k) record[kLemmaOffset + k] = StringByte(entry.LemmaText, k);
    record[kClassOffset] = entry.FormClass;
    for (u32 k = 0; k < kCodeCount; ++k) record[kCodesOffset + k] = StringByte(entry.FormCodes, k);
}

// Fills entry from a key (its 36 bytes) and a 46-byte record.
void UnpackRecord(const BoundedString& key, const u8* record, FormEntry& entry) {
    u8 keyBytes[kLexKeyCapacity];
    for (u32 k = 0; k < kLexKeyCapacity; ++k) keyBytes[k] = StringByte(key, k);
    PutBytes(entry.FormText, keyBytes, kLexKeyCapacity);
    PutBytes(entry.LemmaText, record + kLemmaOffset, kLemmaSize);
    entry.FormClass = record[kClassOffset];
    PutBytes(entry.FormCodes, record + kCodesOffset, kCodeCount);
}

}  // namespace

i16 InsertLexRecord(const FormEntry& entry) {
    u8 record[kLexRecordSize];
    PackRecord(entry, record);
    BoundedArray<u8> data;
    data.View(record, kLexRecordSize);
    return InsertLexEntry(entry.FormText, data, kLexRecordSize);
}

i16 RemoveLexRecord(const FormEntry& entry) {
    u8 record[kLexRecordSize] = {};
    for (u32 k = 0; k < kLemmaSize; ++k) record[k] = StringByte(entry.LemmaText, k);
    BoundedArray<u8> data;
    data.View(record, kLexRecordSize);
    return DeleteLexEntry(entry.FormText, data, kLexRecordSize);
}

i16 LookupLexRecords(const BoundedString& key, BoundedArray<FormEntry>& entries) {
    if (LexLookupSuspended != 0 || LexEntryCount == 0) return 0;
    u8 rows[kLexMaxRecordsPerKey][kLexRecordSize] = {};
    i16 n = CollectLexRecordBytes(key, &rows[0][0], kLexMaxRecordsPerKey, kLexRecordSize);
    if (n > static_cast<i16>(kLexMaxRecordsPerKey)) n = kLexMaxRecordsPerKey;
    if (entries.valid == 0 || entries.data == nullptr) return n;
    for (i16 i = 0; i < n; ++i) UnpackRecord(key, rows[i], entries[i]);
    return n;
}

i16 LookupFirstLexRecord(const BoundedString& key, FormEntry& entry) {
    if (LexLookupSuspended != 0 || LexEntryCount == 0) return 0;
    u8 row[kLexRecordSize] = {};
    i16 n = CollectLexRecordBytes(key, row, 1, kLexRecordSize);
    if (n > static_cast<i16>(kLexMaxRecordsPerKey)) n = kLexMaxRecordsPerKey;
    if (n > 0) UnpackRecord(key, row, entry);
    return n;
}

i16 GetLexEntryAt(u32 index, FormEntry& entry) {
    if (LexLookupSuspended != 0) return 1;
    u8 keyBytes[kLexKeyCapacity] = {};
    u8 record[kLexRecordSize] = {};
    BoundedString key;
    key.View(keyBytes, kLexKeyCapacity);
    BoundedArray<u8> data;
    data.View(record, kLexRecordSize);
    if (GetLexEntryByIndex(index, key, data, kLexRecordSize) == 0) return 1;
    UnpackRecord(key, record, entry);
    return 0;
}

void CopyFormEntry(FormEntry& target, const FormEntry& source) {
    u8 bytes[kLexKeyCapacity];
    for (u32 k = 0; k < kLexKeyCapacity; ++k) bytes[k] = StringByte(source.FormText, k);
    PutBytes(target.FormText, bytes, kLexKeyCapacity);
    for (u32 k = 0; k < kLemmaSize; ++k) bytes[k] = StringByte(source.LemmaText, k);
    PutBytes(target.LemmaText, bytes, kLemmaSize);
    for (u32 k = 0; k < kCodeCount; ++k) bytes[k] = StringByte(source.FormCodes, k);
    PutBytes(target.FormCodes, bytes, kCodeCount);
    target.FormClass = source.FormClass;
}

void NormaliseLexKey(BoundedString& key, u8 classByte) {
    if (key.valid == 0 || key.data == nullptr || key.count == 0) return;
    u32 n = 0;
    while (n < key.count && key.data[n] != 0) ++n;
    // Room for the class byte and the terminator after the word.
    if (key.count >= 2 && n > key.count - 2) n = key.count - 2;
    bool hyphenated = false;
    for (u32 i = 0; i < n; ++i) {
        u8 c = key.data[i];
        if (c == ' ') {
            c = 202;
        } else if (IsUpperMacRoman(c) != 0) {
            c = ToLowerMacRoman(c);
        } else if (c == '-') {
            c = 155;
            hyphenated = true;
        }
        key.data[i] = c;
    }
    if (hyphenated)
        for (u32 i = 0; i + 1 < n; ++i)
            if (key.data[i] == 0x88) key.data[i] = 0x8B;
    key[static_cast<i32>(n)] = classByte;
    key[static_cast<i32>(n + 1)] = 0;
}

i16 LexEntryMatchesClass(const BoundedString& key, const BoundedString& word, u8 classByte) {
    if (classByte < 50 || classByte > 69) return 0;
    u8 bytes[kLexKeyCapacity] = {};
    BoundedString built;
    built.View(bytes, kLexKeyCapacity);
    u16 first = 0;
    u16 second = 0;
    FlattenMacRomanTypography(built, word, first, second, 0);
    NormaliseLexKey(built, classByte);
    return CompareStrings(built, key) == kCompareEqual ? 1 : 0;
}

// ---- Word list ---------------------------------------------------------------

// Sort weight of every Mac Roman byte: each letter's variants together,
// capital first, then accented capitals, small letter, accented small letters.
const u8 gLexSortWeights[256] = {
    0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F,
    0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0x1A, 0x1B, 0x1C, 0x1D, 0x1E, 0x1F,
    0x20, 0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x29, 0x2A, 0x2B, 0x2C, 0x2D, 0x2E, 0x2F,
    0x30, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x3A, 0x3B, 0x3C, 0x3D, 0x3E, 0x3F,
    0x40, 0x41, 0x51, 0x53, 0x57, 0x59, 0x63, 0x65, 0x67, 0x69, 0x74, 0x76, 0x78, 0x7A, 0x7C, 0x80,
    0x90, 0x92, 0x94, 0x96, 0x98, 0x9A, 0xA4, 0xA6, 0xA8, 0xAA, 0xAE, 0xB0, 0xB1, 0xB2, 0xB3, 0xB4,
    0xB5, 0x48, 0x52, 0x55, 0x58, 0x5E, 0x64, 0x66, 0x68, 0x6E, 0x75, 0x77, 0x79, 0x7B, 0x7E, 0x87,
    0x91, 0x93, 0x95, 0x97, 0x99, 0x9F, 0xA5, 0xA7, 0xA9, 0xAB, 0xAF, 0xB6, 0xB7, 0xB8, 0xB9, 0xBA,
    0x45, 0x47, 0x54, 0x5A, 0x7D, 0x84, 0x9E, 0x49, 0x4A, 0x4B, 0x4C, 0x4D, 0x4E, 0x56, 0x5F, 0x60,
    0x61, 0x62, 0x70, 0x71, 0x72, 0x73, 0x7F, 0x88, 0x89, 0x8A, 0x8B, 0x8C, 0xA0, 0xA1, 0xA2, 0xA3,
    0xBB, 0xBC, 0xBD, 0xBE, 0xBF, 0xC0, 0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6, 0xC7, 0xC8, 0x4F, 0x86,
    0xC9, 0xCA, 0xCB, 0xCC, 0xCD, 0xCE, 0xCF, 0xD0, 0xD1, 0xD2, 0xD3, 0xD4, 0xD5, 0xD6, 0x50, 0x8D,
    0xD7, 0xD8, 0xD9, 0xDA, 0xDB, 0xDC, 0xDD, 0xDE, 0xDF, 0xE0, 0xE1, 0x43, 0x46, 0x85, 0x8E, 0x8F,
    0xE2, 0xE3, 0xE4, 0xE5, 0xE6, 0xE7, 0xE8, 0xE9, 0xAC, 0xAD, 0xEA, 0xEB, 0xEC, 0xED, 0xEE, 0xEF,
    0xF0, 0xF1, 0xF2, 0xF3, 0xF4, 0x44, 0x5C, 0x42, 0x5D, 0x5B, 0x6A, 0x6C, 0x6D, 0x6B, 0x81, 0x83,
    0xF5, 0x82, 0x9B, 0x9D, 0x9C, 0x6F, 0xF6, 0xF7, 0xF8, 0xF9, 0xFA, 0xFB, 0xFC, 0xFD, 0xFE, 0xFF,
};

namespace {

constexpr u16 kLanguageMaskBits = 9;  // bit 0 English, bit 3 French

u16 CategoryOfClass(u8 c) {
    if (c == kLexClassProperNoun) return 1;
    if (c == 59 || c == 60) return 5;
    if (c == 58 || c == 61) return 6;
    if (c >= 50 && c <= 57) return static_cast<u16>(59 - c);
    if (c >= 65 && c <= 69) return static_cast<u16>(c - 63);
    return 0;
}

// One entry of the body as the list sees it.
struct ListedEntry {
    u8 key[kLexKeyCapacity];
    u8 record[kLexRecordSize];
};

// Whether the entry goes into the list for this mask.
bool IsListed(ListedEntry& e, u16 mask) {
    u8 c = e.record[kClassOffset];
    if (c == kLexClassReplacement || c == kLexClassPhonetic) return false;
    BoundedString key;
    key.View(e.key, kLexKeyCapacity);
    u8 lemmaBytes[kLemmaSize + 1] = {};
    std::memcpy(lemmaBytes, e.record + kLemmaOffset, kLemmaSize);
    BoundedString lemma;
    lemma.View(lemmaBytes, kLemmaSize + 1);
    if (LexEntryMatchesClass(key, lemma, c) == 0) return false;
    u16 language = c >= 60 ? 3 : 0;
    return c == kLexClassProperNoun || (mask & (1u << language)) != 0;
}

void FillListRecord(const ListedEntry& e, LexListRecord& out) {
    std::memset(&out, 0, sizeof out);
    u8 lemmaBytes[kLemmaSize + 1] = {};
    std::memcpy(lemmaBytes, e.record + kLemmaOffset, kLemmaSize);
    BoundedString lemma;
    lemma.View(lemmaBytes, kLemmaSize + 1);
    ExportString(out.text, lemma, sizeof out.text);
    u8 c = e.record[kClassOffset];
    out.category = CategoryOfClass(c);
    out.language = c >= 60 ? 3 : 0;
    if (c == kLexClassProperNoun) {
        out.value = e.record[kCodesOffset + 3];
        std::memcpy(out.abbreviation, e.record + kCodesOffset + 4, sizeof out.abbreviation);
    }
}

// Calls visit(entry) for every entry in body order: one walk of the body.
template <typename Visit>
void WalkLexEntries(Visit visit) {
    if (LexLookupSuspended != 0) return;
    ListedEntry e;
    LexEntryView v;
    for (u32 off = 0; ReadLexEntry(gUserLexicon.data, LexBodySize, off, v); off = v.end) {
        std::memset(&e, 0, sizeof e);
        for (u32 i = 0; i < v.keyLength; ++i) e.key[i] = gUserLexicon.data[v.start + 4 * i];
        u32 m = v.dataLength < kLexRecordSize ? v.dataLength : kLexRecordSize;
        std::memcpy(e.record, gUserLexicon.data + v.dataOffset, m);
        visit(e);
    }
}

}  // namespace

i32 CollectLexWords(void** list, u16 languageMask, i32 firstSlot) {
    u16 mask = languageMask & kLanguageMaskBits;
    u32 count = 0;
    WalkLexEntries([&](ListedEntry& e) {
        if (IsListed(e, mask)) ++count;
    });
    u64 bytes = (static_cast<u64>(count) + static_cast<u64>(firstSlot)) * sizeof(LexListRecord);
    if (bytes > 0xFFFFFFFFu) return -1;
    ResizeBlock(list, static_cast<u32>(bytes));
    if (GetMemoryError() != 0) return -1;
    if (count == 0) return firstSlot;
    LexListRecord* records = static_cast<LexListRecord*>(*list);
    u32 k = 0;
    WalkLexEntries([&](ListedEntry& e) {
        if (k < count && IsListed(e, mask)) FillListRecord(e, records[firstSlot + k++]);
    });
    return static_cast<i32>(count) + firstSlot;
}

namespace {

// -1, 0 or 1: collated text, then category, then language.
int CompareListRecords(const LexListRecord& a, const LexListRecord& b) {
    for (u32 i = 0; i < sizeof a.text; ++i) {
        u8 x = static_cast<u8>(a.text[i]);
        u8 y = static_cast<u8>(b.text[i]);
        if (x == 0 || y == 0) {
            if (x != y) return x == 0 ? -1 : 1;
            break;
        }
        if (gLexSortWeights[x] != gLexSortWeights[y])
            return gLexSortWeights[x] < gLexSortWeights[y] ? -1 : 1;
    }
    i16 ca = static_cast<i16>(a.category);
    i16 cb = static_cast<i16>(b.category);
    if (ca != cb) return ca < cb ? -1 : 1;
    if (a.language != b.language) return a.language < b.language ? -1 : 1;
    return 0;
}

}  // namespace

void SortLexWordList(i32 first, i32 last, LexListRecord* records) {
    if (records == nullptr || first >= last) return;
    // Explicit stack: the larger part is pushed and the smaller one sorted
    // next, so the stack never holds more than log2(count) ranges.
    constexpr int kStack = 64;
    i32 lows[kStack];
    i32 highs[kStack];
    int top = 0;
    lows[top] = first;
    highs[top++] = last;
    while (top > 0) {
        --top;
        i32 l = lows[top];
        i32 r = highs[top];
        while (l < r) {
            LexListRecord pivot = records[l + (r - l) / 2];
            i32 i = l;
            i32 j = r;
            do {
                while (CompareListRecords(records[i], pivot) < 0) ++i;
                while (CompareListRecords(records[j], pivot) > 0) --j;
                if (i > j) break;
                if (i < j) {
                    LexListRecord t = records[i];
                    records[i] = records[j];
                    records[j] = t;
                }
                ++i;
                --j;
            } while (i <= j);
            if (j - l >= r - i) {
                if (l < j && top < kStack) {
                    lows[top] = l;
                    highs[top++] = j;
                }
                l = i;
            } else {
                if (i < r && top < kStack) {
                    lows[top] = i;
                    highs[top++] = r;
                }
                r = j;
            }
        }
    }
}

extern "C" {

KRZ_API int32_t KRZGetListWordsLex(LexListRecord** list, uint16_t languageMask) {
    try {
        ApplyCallOptions();
        void* block = nullptr;
        i32 n = CollectLexWords(&block, languageMask, 0);
        if (n < 0) return -8;
        LexListRecord* records = static_cast<LexListRecord*>(block);
        if (n > 0) {
            SortLexWordList(0, n - 1, records);
            for (i32 i = 0; i < n; ++i) {
                ConvertOutputFromMacRoman(records[i].text);
                ConvertOutputFromMacRoman(records[i].abbreviation);
            }
        }
        if (list != nullptr) *list = records;
        else FreeBlock(records);
        return n;
    } catch (...) {
        return -8;
    }
}

KRZ_API void KRZDisposeListWordsLex(LexListRecord* list) { FreeBlock(list); }

}  // extern "C"
