// Reader of the French reference dictionary: lookup by word or by entry
// number, the window of expanded entries, and the two exports.
#include <cstddef>
#include <cstring>
#include <new>

#include "frame/bounded_string.h"
#include "frame/loader.h"
#include "frame/mac_roman.h"
#include "frame/records.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "include/krzlib.h"
#include "lexicon/litdict.h"
#include "lexicon/litdict_codes.h"

static_assert(sizeof(LitDictResultRecord) == 1002);
static_assert(offsetof(LitDictResultRecord, headwordLength) == 0);
static_assert(offsetof(LitDictResultRecord, text) == 2);

namespace {

u8 TextByte(const BoundedString& t, u32 i) { return i < t.count ? t.data[i] : 0; }

// Records the reader may search: the index minus its end record.
i32 SearchableRecords() {
    i32 n = static_cast<i32>(gLitDictIndex.count);
    if (gLitDictSectionCount < n) n = gLitDictSectionCount;
    return n - 1;
}

const LitDictIndexEntry& Record(i32 i) { return gLitDictIndex.ClampedAt(i); }
u8 Key(i32 i, i32 k) {
    const BoundedString& key = Record(i).Key;
    return static_cast<u32>(k) < key.count ? key.data[k] : 0;
}

u32 EntryTotal() { return gLitDictEntryTotal; }

// Appends the folded token `index` to the key (accented bytes of headword
// tokens fold; other bytes from 123 on keep their place unwritten).
void AppendFoldedToken(u32 index, u8 (&key)[36], u32& k) {
    u8 t[36];
    const u32 n = LitDictToken(gLitDictOffsetsA, index, t);
    for (u32 i = 0; i < n && k < 35; ++i) {
        const u8 c = t[i];
        if (c == 0x89) key[k++] = 'a';
        else if (c == 0x8E || c == 0x8F) key[k++] = 'e';
        else if (c == 0x95) key[k++] = 'i';
        else if (c < 123) key[k++] = c;
        else key[k++] = ' ';
    }
}

// Where the headword codes of the key start, from the type byte at pos.
u32 KeyCodesStart(const BoundedString& text, u32 pos) {
    const u8 type = TextByte(text, pos);
    if (type == 11 || type == 13) return pos + 1;
    if (type == kLdTypeSecondMark || type == kLdTypeFirstMark) {
        const bool grave = TextByte(text, pos + 1) == kLdAGrave && TextByte(text, pos + 2) != kLdEnd;
        return pos + (grave ? 3 : 2);
    }
    return pos;
}

// Next entry start at or after pos (a separator followed by a non-zero
// byte), before end; returns end when there is none.
u32 NextEntryStart(const BoundedString& text, u32 pos, u32 end) {
    for (; pos < end; ++pos)
        if (TextByte(text, pos) == 0 && TextByte(text, pos + 1) != 0) return pos;
    return end;
}

u32 CompareKeys(const u8* a, const u8* b) {
    const i32 c = std::strcmp(reinterpret_cast<const char*>(a), reinterpret_cast<const char*>(b));
    return c < 0 ? kCompareLess : (c > 0 ? kCompareGreater : kCompareEqual);
}

// Scans the block of record r for the folded key rest w; the located
// entry and whether it matched exactly.
u32 ScanBlock(i32 r, const u8* w, bool& exact) {
    const BoundedString& text = gLitDictText;
    const u32 end = Record(r + 1).TextOffset;
    u32 n = 0;
    u8 key[36];
    for (u32 pos = NextEntryStart(text, Record(r).TextOffset, end); pos < end;
         pos = NextEntryStart(text, pos + 1, end)) {
        ++n;
        BuildLitDictKey(text, pos + 1, end, key);
        const u32 c = CompareKeys(w, key);
        if (c != kCompareGreater) {
            exact = c == kCompareEqual;
            return Record(r).FirstEntry + n - 1;
        }
    }
    // The word sorts after every entry of its block: the entry after them.
    exact = false;
    return Record(r).FirstEntry + n;
}

u32 ClampEntry(i64 e) {
    const i64 total = EntryTotal();
    if (e > total - 1) e = total - 1;
    return e < 0 ? 0 : static_cast<u32>(e);
}

// Mode 0: the located entry of the word; `block` receives the record the
// window starts its walk from.
u32 LocateWord(const BoundedString& word, bool& exact, i32& block) {
    exact = false;
    block = 1;
    u8 folded[36];
    const u32 len = LdFoldWord(word.data, word.count, folded);
    const u8 q1 = len > 0 ? folded[0] : 0, q2 = len > 1 ? folded[1] : 0;
    const u8* w = folded + (len >= 2 ? 2 : len);
    const u8 w0 = TextByte(word, 0), w1 = TextByte(word, 1);
    // Entry 0 is "à", the one-letter word kept under the letters a à.
    if (w0 == kLdAccents[0] && w1 == 0) {
        exact = true;
        return 0;
    }
    if (q1 == 'a' && q2 < 'b') return ClampEntry(Record(1).FirstEntry);
    i32 after = 0;
    const i32 r = FindLitDictBlock(q1, q2, after);
    if (r < 0) {
        // No block of the word's two letters (a one-letter word among them):
        // the first entry of the block after it.
        block = after <= SearchableRecords() - 1 ? after : SearchableRecords() - 1;
        return ClampEntry(after <= SearchableRecords() - 1 ? static_cast<i64>(Record(after).FirstEntry)
                                                           : static_cast<i64>(EntryTotal()) - 1);
    }
    block = r;
    i64 e = ScanBlock(r, w, exact);
    if (TextByte(word, 2) == 0 && w1 == kLdAccents[0] && (w0 == 'l' || w0 == 0x8D)) ++e;
    return ClampEntry(e);
}

// Mode 1: the record the window starts its walk from.
i32 BlockOfEntry(u32 entry) {
    const i32 last = SearchableRecords() - 1;
    i32 r = 0;
    while (r < last && Record(r).FirstEntry < entry) ++r;
    return r - 1 < 1 ? 1 : r - 1;
}

// Copies one raw entry (the type byte at pos, up to end) into a row after
// the block's key letters, and expands it.
void FillRow(BoundedString& row, i32 block, u32 pos, u32 end) {
    const BoundedString& text = gLitDictText;
    std::memset(row.data, 0, row.count);
    row.data[0] = Key(block, 0);
    row.data[1] = Key(block, 1);
    u32 k = 2;
    for (u32 i = pos; i < end && k + 1 < row.count; ++i) {
        const u8 c = TextByte(text, i);
        if (c == 0) break;
        row.data[k++] = c;
    }
    row.data[k] = 0;
    ExpandLitDictEntryText(row);
    // The entry of "à" is kept under the key letters a à: it shows as the
    // one-letter word.
    if (block <= 1 && row.data[1] == 2 && row.data[2] == 'a' && row.data[3] == kLdAccents[0]) {
        std::memset(row.data, 0, row.count);
        const char* note = "  \x88 <pr\x8Eposition>";
        std::memcpy(row.data, note, std::strlen(note));
        row.data[1] = 1;
    }
}

bool IsContinuation(u32 pos) { return TextByte(gLitDictText, pos + 1) < 2; }

// The window: rows of consecutive entries from about E - N/2, within the
// text. Returns the number of rows filled; first gets row 0's entry.
u32 ReadWindow(i32 block, u32 e, BoundedArray<BoundedString>& rows, u32 n, u32& first) {
    const i64 total = EntryTotal();
    first = 0;
    if (total == 0 || n == 0) return 0;
    i64 start = static_cast<i64>(e) - static_cast<i64>(n / 2);
    if (start > total - static_cast<i64>(n)) start = total - static_cast<i64>(n);
    if (start < 0) start = 0;
    const i64 last = start + n < total ? start + n : total;
    while (block > 0 && Record(block).FirstEntry > start) --block;
    const i32 searchable = SearchableRecords();
    const u32 end = Record(searchable).TextOffset < gLitDictText.count ? Record(searchable).TextOffset
                                                                        : gLitDictText.count;
    i32 current = block;
    i64 number = Record(block).FirstEntry;
    u32 filled = 0;
    bool begun = false;
    for (u32 pos = NextEntryStart(gLitDictText, Record(block).TextOffset, end); pos < end && number < last;
         pos = NextEntryStart(gLitDictText, pos + 1, end), ++number) {
        while (current + 1 < searchable && number >= Record(current + 1).FirstEntry) ++current;
        if (number < start) continue;
        if (!begun) {
            if (IsContinuation(pos)) continue;
            begun = true;
            first = static_cast<u32>(number);
        }
        if (filled >= n) break;
        const u32 next = NextEntryStart(gLitDictText, pos + 1, end);
        FillRow(rows.data[filled], current, pos + 1, next);
        ++filled;
    }
    return filled;
}

// Copies a row into a host record: no line begins with blanks.
void CopyRowToHost(const BoundedString& row, LitDictResultRecord& out) {
    out.headwordLength = row.data[1];
    u32 k = 0;
    for (u32 i = 2; i < row.count && row.data[i] != 0 && k < 999; ++i) {
        const u8 c = row.data[i];
        if (k > 0 && out.text[k - 1] == '\n' && (c == '\n' || c == ' ')) continue;
        out.text[k++] = static_cast<char>(c);
    }
    out.text[k] = 0;
    ConvertOutputFromMacRoman(out.text);
}

// Runs the reader for the exports; returns the exact flag and writes the
// count of records.
i16 ReadForHost(u16 mode, const BoundedString& word, u32& e, LitDictResultRecord* results, i16 max,
                u16* count) {
    if (count != nullptr) *count = 0;
    if (max <= 0 || results == nullptr || EntryTotal() == 0) return 0;
    u32 n = 3u * static_cast<u32>(max) + 20u;
    if (n > EntryTotal()) n = EntryTotal();
    BoundedArray<BoundedString> rows;
    u32 first = 0;
    u16 exact = 0;
    try {
        InitByteMatrix(rows, n, kLitDictRowBytes);
    } catch (const std::bad_alloc&) {
        return 0;
    }
    exact = ReadDictEntryRows(mode, word, rows, first, n, e);
    i64 c = static_cast<i64>(first) + n - e;
    if (e < first) c = 0;
    if (c > max) c = max;
    if (c < 0) c = 0;
    for (i64 i = 0; i < c; ++i) CopyRowToHost(rows.data[e - first + i], results[i]);
    if (count != nullptr) *count = static_cast<u16>(c);
    return static_cast<i16>(exact);
}

}  // namespace

u32 BuildLitDictKey(const BoundedString& text, u32 pos, u32 end, u8 (&key)[36]) {
    BoundedString& stem = gLitDictWorkString;
    u32 k = 0;
    if (TextByte(text, pos) == kLdTypeContinuation) {
        for (; k < 35 && k < stem.count && stem.data[k] != 0; ++k) key[k] = stem.data[k];
        const u8 c = TextByte(text, pos + 1);
        if (c >= kLdFirstToken) AppendFoldedToken(c - kLdFirstToken, key, k);
    } else {
        u32 positions = 0;
        bool ended = false;
        for (u32 i = KeyCodesStart(text, pos); i < end && positions < 36; ++i) {
            const u8 c = TextByte(text, i);
            if (c == 0) break;
            if (c >= kLdEnd) {
                key[k] = 0;
                for (u32 j = 0; j < stem.count; ++j) stem.data[j] = j < k ? key[j] : 0;
                if (c > kLdEnd) AppendFoldedToken(c - kLdFirstToken, key, k);
                ended = true;
                break;
            }
            if (c == kLdApostrophe || c == kLdHyphen) continue;
            ++positions;
            if (c == kLdAe || c == kLdOe) {
                key[k++] = c == kLdAe ? 'a' : 'o';
                if (k < 35) key[k++] = 'e';
                ++positions;
            } else if (c == 12 || c == 14) key[k++] = 'e';
            else if (LdHeadwordChar(c) != 0) key[k++] = LdFoldByte(LdHeadwordChar(c));
            else key[k++] = ' ';
            if (k >= 35) k = 35;
        }
        if (!ended) k = 0;
    }
    key[k] = 0;
    for (u32 i = 0; i < k; ++i)
        if (key[i] == ',') {
            key[i] = 0;
            return i;
        }
    return k;
}

i32 FindLitDictBlock(u8 q1, u8 q2, i32& after) {
    const i32 last = SearchableRecords() - 1;
    i32 r = 0;
    while (r <= last && Key(r, 0) < q1) ++r;
    while (r <= last && Key(r, 0) == q1 && Key(r, 1) < q2) ++r;
    if (r > last) r = last + 1;
    after = r;
    if (r <= last && Key(r, 0) == q1 && Key(r, 1) == q2) return r;
    return -1;
}

u16 ReadDictEntryRows(u16 mode, const BoundedString& word, BoundedArray<BoundedString>& rows, u32& first,
                      u32& rowCount, u32& entry) {
    bool exact = false;
    i32 block = 1;
    if (mode == 0) entry = LocateWord(word, exact, block);
    else {
        entry = ClampEntry(entry);
        block = BlockOfEntry(entry);
    }
    u32 n = rowCount < rows.count ? rowCount : rows.count;
    for (u32 i = 0; i < n; ++i) std::memset(rows.data[i].data, 0, rows.data[i].count);
    rowCount = ReadWindow(block, entry, rows, n, first);
    return mode == 0 && exact ? 1 : 0;
}

u16 ReadDictEntry(u16 mode, const BoundedString& word, BoundedArray<BoundedString>& rows, u32& first,
                  i16& rowCount, u32& entry) {
    u32 n = rowCount > 0 ? static_cast<u32>(rowCount) : 0;
    const u16 r = ReadDictEntryRows(mode, word, rows, first, n, entry);
    rowCount = static_cast<i16>(n);
    return r;
}

extern "C" {

KRZ_API int16_t KRZLitDictWord(const char* word, LitDictResultRecord* results, int16_t max, uint16_t* count,
                               uint32_t* entry) {
    try {
        ApplyCallOptions();
        BoundedString raw, lower;
        InitByteArray(raw, 36);
        InitByteArray(lower, 36);
        u32 k = 0;
        for (const char* p = word; p != nullptr && *p != 0 && k < 35; ++p) {
            const u8 c = static_cast<u8>(*p);
            if (c >= 32) raw.data[k++] = c;
        }
        raw.data[k] = 0;
        ConvertInputToMacRoman(raw);
        CopyLowerCase(lower, raw);
        if (lower.data[0] == 'a' && lower.data[1] == 0) lower.data[0] = kLdAccents[0];
        u32 e = 0;
        const i16 r = ReadForHost(0, lower, e, results, max, count);
        if (entry != nullptr) *entry = e;
        return r;
    } catch (...) {
        if (count != nullptr) *count = 0;
        return 0;
    }
}

KRZ_API int16_t KRZLitDictOffset(uint32_t entry, LitDictResultRecord* results, int16_t max, uint16_t* count) {
    try {
        ApplyCallOptions();
        BoundedString none;
        InitByteArray(none, 36);
        // An entry past the text is read as the last one.
        u32 e = entry;
        ReadForHost(1, none, e, results, max, count);
        return 0;
    } catch (...) {
        if (count != nullptr) *count = 0;
        return 0;
    }
}

}  // extern "C"
