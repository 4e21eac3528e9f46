// The user lexicon store: find, insert, delete, collect, walk and check the
// node-chained body (layout in lex_store.h).
#include "lexicon/lex_store.h"

#include <cstdlib>
#include <cstring>
#include <new>

#include "frame/tables.h"

u32 LexBodySize = 0;
u32 LexEditCount = 0;
u32 LexEntryCount = 0;
u32 LexChangeCounter = 0;
std::FILE* LexFileHandle = nullptr;
u16 LexLookupSuspended = 0;

// ---- Buffer primitives ----------------------------------------------------

bool ResizeByteBuffer(BoundedArray<u8>& buffer, u32 n) {
    if (n == 0) n = 1;
    u32 keep = buffer.valid != 0 && buffer.data != nullptr ? buffer.count : 0;
    if (keep == n) return true;
    if (buffer.owns == 0) {
        // A block of the C heap held as a view (the lexicon body).
        void* block = std::realloc(keep > 0 ? buffer.data : nullptr, n);
        if (block == nullptr) return false;
        u8* bytes = static_cast<u8*>(block);
        if (n > keep) std::memset(bytes + keep, 0, n - keep);
        buffer.View(bytes, n);
        return true;
    }
    u8* block = new (std::nothrow) u8[n];
    if (block == nullptr) return false;
    if (keep > n) keep = n;
    if (keep > 0) std::memcpy(block, buffer.data, keep);
    std::memset(block + keep, 0, n - keep);
    buffer.Release();
    buffer.data = block;
    buffer.count = n;
    buffer.last = static_cast<i32>(n) - 1;
    buffer.owns = 1;
    buffer.valid = 1;
    return true;
}

void MoveBufferBytes(const BoundedArray<u8>& source, u32 sourceOffset, BoundedArray<u8>& target,
                     u32 targetOffset, u32 n) {
    if (source.data == nullptr || target.data == nullptr) return;
    if (sourceOffset >= source.count || targetOffset >= target.count) return;
    if (n > source.count - sourceOffset) n = source.count - sourceOffset;
    if (n > target.count - targetOffset) n = target.count - targetOffset;
    if (n > 0) std::memmove(target.data + targetOffset, source.data + sourceOffset, n);
}

namespace {

// Offset clamped so that a field of `width` bytes fits; -1 when it cannot.
i32 FieldOffset(const BoundedArray<u8>& b, i32 offset, u32 width) {
    if (b.data == nullptr || b.count < width) return -1;
    i32 hi = static_cast<i32>(b.count - width);
    if (offset > hi) offset = hi;
    return offset < 0 ? 0 : offset;
}

// A buffer shorter than the field: its bytes are the most significant ones.
u32 ShortFieldValue(const BoundedArray<u8>& b, u32 width) {
    u32 v = 0;
    for (u32 k = 0; k < width; ++k)
        v = (v << 8) | (b.data != nullptr && k < b.count ? b.data[k] : 0u);
    return v;
}

}  // namespace

u16 GetBufferBE16(const BoundedArray<u8>& buffer, i32 offset) {
    i32 at = FieldOffset(buffer, offset, 2);
    if (at < 0) return static_cast<u16>(ShortFieldValue(buffer, 2));
    return static_cast<u16>((buffer.data[at] << 8) | buffer.data[at + 1]);
}

void PutBufferBE16(BoundedArray<u8>& buffer, i32 offset, u16 value) {
    i32 at = FieldOffset(buffer, offset, 2);
    if (at < 0) return;
    buffer.data[at] = static_cast<u8>(value >> 8);
    buffer.data[at + 1] = static_cast<u8>(value);
}

u32 GetBufferBE32(const BoundedArray<u8>& buffer, i32 offset) {
    i32 at = FieldOffset(buffer, offset, 4);
    if (at < 0) return ShortFieldValue(buffer, 4);
    const u8* p = buffer.data + at;
    return (static_cast<u32>(p[0]) << 24) | (static_cast<u32>(p[1]) << 16) |
           (static_cast<u32>(p[2]) << 8) | p[3];
}

void PutBufferBE32(BoundedArray<u8>& buffer, i32 offset, u32 value) {
    i32 at = FieldOffset(buffer, offset, 4);
    if (at < 0) return;
    u8* p = buffer.data + at;
    p[0] = static_cast<u8>(value >> 24);
    p[1] = static_cast<u8>(value >> 16);
    p[2] = static_cast<u8>(value >> 8);
    p[3] = static_cast<u8>(value);
}

// ---- Bodies ----------------------------------------------------------------

namespace {

// A key read from a string up to its NUL; ok is false for an empty key or
// one longer than kLexMaxKeyLength.
struct LexKey {
    u8 bytes[kLexMaxKeyLength + 1] = {};
    u32 n = 0;
    bool ok = false;
    u8 operator[](u32 d) const { return d < n ? bytes[d] : 0; }
};

LexKey MakeKey(const BoundedString& s) {
    LexKey k;
    if (s.valid == 0 || s.data == nullptr) return k;
    u32 n = 0;
    while (n < s.count && s.data[n] != 0) {
        if (n == kLexMaxKeyLength) return k;
        k.bytes[n] = s.data[n];
        ++n;
    }
    k.n = n;
    k.ok = n > 0;
    return k;
}

// A read-only view of a body; reads outside it give 0.
struct Body {
    const u8* data;
    u32 size;
    u8 Byte(u32 p) const { return p < size ? data[p] : 0; }
    bool HasNode(u32 p) const { return p < size && size - p >= 4; }
    u32 RawDistance(u32 p) const {
        if (!HasNode(p)) return 0;
        return (static_cast<u32>(data[p + 1]) << 16) | (static_cast<u32>(data[p + 2]) << 8) |
               data[p + 3];
    }
    // The distance a walk follows: 0 when it leads outside the body.
    u32 Distance(u32 p) const {
        u32 d = RawDistance(p);
        if (d == 0 || !HasNode(p + d)) return 0;
        return d;
    }
};

Body LiveBody() { return Body{gUserLexicon.data, LexBodySize}; }

void SetDistance(u32 p, u32 distance) {
    if (p >= LexBodySize || LexBodySize - p < 4) return;
    u8* q = gUserLexicon.data + p;
    q[1] = static_cast<u8>(distance >> 16);
    q[2] = static_cast<u8>(distance >> 8);
    q[3] = static_cast<u8>(distance);
}

u32 EntrySize(u32 keyLength, u32 dataLength) {
    return 4 * keyLength + 6 + dataLength + (dataLength & 1);
}

}  // namespace

bool ReadLexEntry(const u8* body, u32 size, u32 offset, LexEntryView& entry) {
    if (body == nullptr || offset >= size) return false;
    u32 p = offset;
    u32 n = 0;
    for (;;) {
        if (size - p < 4) return false;
        if (body[p] == 0) break;
        if (++n > kLexMaxKeyLength) return false;
        p += 4;
    }
    if (n == 0) return false;
    p += 4;  // past the terminator
    if (size - p < 2) return false;
    u32 length = (static_cast<u32>(body[p]) << 8) | body[p + 1];
    u32 whole = 2 + length + (length & 1);
    if (size - p < whole) return false;
    entry.start = offset;
    entry.keyLength = n;
    entry.dataOffset = p + 2;
    entry.dataLength = length;
    entry.end = p + whole;
    return true;
}

namespace {

// True when the entry's key equals k (same bytes, same length).
bool EntryHasKey(const Body& b, const LexEntryView& e, const LexKey& k) {
    if (e.keyLength != k.n) return false;
    for (u32 i = 0; i < k.n; ++i)
        if (b.data[e.start + 4 * i] != k.bytes[i]) return false;
    return true;
}

// Three-way comparison of the keys of two entries, terminator included.
int CompareEntryKeys(const Body& b, const LexEntryView& x, const LexEntryView& y) {
    for (u32 i = 0;; ++i) {
        u8 cx = i < x.keyLength ? b.data[x.start + 4 * i] : 0;
        u8 cy = i < y.keyLength ? b.data[y.start + 4 * i] : 0;
        if (cx != cy) return cx < cy ? -1 : 1;
        if (cx == 0) return 0;
    }
}

i32 FindIn(const Body& b, u32 depth, u32 position, const LexKey& k) {
    u32 p = position;
    for (u32 d = depth;; ++d) {
        if (!b.HasNode(p)) return -1;
        u8 c = k[d];
        for (u32 delta = b.Distance(p); b.Byte(p) < c && delta != 0; delta = b.Distance(p)) p += delta;
        if (b.Byte(p) != c) return -1;
        if (c == 0) return static_cast<i32>(p - 4 * (d - depth));
        p += 4;
    }
}

i32 InsertionPointIn(const Body& b, u32 depth, u32 position, const LexKey& k) {
    // A deeper level that finds nothing falls back on the nearest enclosing
    // level's next group.
    i32 fallback = -1;
    u32 p = position;
    for (u32 d = depth;; ++d) {
        if (!b.HasNode(p)) return fallback;
        u8 c = k[d];
        for (u32 delta = b.Distance(p); b.Byte(p) < c && delta != 0; delta = b.Distance(p)) p += delta;
        u32 back = 4 * (d - depth);
        if (b.Byte(p) < c) return fallback;
        if (b.Byte(p) > c) return static_cast<i32>(p - back);
        u32 delta = b.Distance(p);
        if (delta != 0) fallback = static_cast<i32>(p + delta - back);
        if (c == 0) return fallback;
        p += 4;
    }
}

// The new entry of `size` bytes at ins has been written; link it into the
// chains of the entries before it.
void FixLexDistancesBeforeInsert(const LexKey& k, u32 ins, u32 size) {
    Body b = LiveBody();
    u32 p = 0;
    u32 t = ins;
    for (u32 d = 0;; ++d) {
        u8 c = k[d];
        u32 delta = b.Distance(p);
        while (delta != 0 && p + delta < t) {
            p += delta;
            delta = b.Distance(p);
        }
        if (b.Byte(p) < c) {
            SetDistance(p, t - p);
            return;
        }
        if (delta != 0) SetDistance(p, delta + size);
        if (c == 0) return;
        p += 4;
        t += 4;
    }
}

// Links the new entry at ins to the entry that now follows it.
void FixLexDistancesAfterInsert(const LexKey& k, u32 ins, u32 size) {
    Body b = LiveBody();
    u32 q = 0;
    u32 p = ins;
    for (u32 d = 0;; ++d) {
        u8 c = k[d];
        u32 r = p + size;
        while (b.Byte(q) != c) {
            u32 delta = b.Distance(q);
            if (delta == 0) return;
            q += delta;
        }
        if (b.Byte(p) != b.Byte(r)) {
            if (q == p) SetDistance(p, size);
            return;
        }
        u32 deltaR = b.Distance(r);
        if (deltaR != 0) {
            SetDistance(p, size + deltaR);
            SetDistance(r, 0);
        }
        if (c == 0) return;
        p += 4;
        q += 4;
    }
}

// The entry [start, start + size) is about to be removed: repair the chains
// of the entries before it.
void FixLexDistancesBeforeDelete(const LexKey& k, u32 start, u32 size) {
    Body b = LiveBody();
    u32 p = 0;
    u32 t = start;
    u32 limit = LexBodySize;
    for (u32 d = 0;; ++d) {
        u32 delta = b.Distance(p);
        while (delta != 0 && p + delta < t) {
            p += delta;
            delta = b.Distance(p);
        }
        u32 e = p + delta;
        if (e == t) {
            if (t + size == limit) SetDistance(p, 0);
            return;
        }
        if (e > t) {
            SetDistance(p, delta - size);
            limit = e + 4;
        } else {
            limit += 4;
        }
        if (k[d] == 0) return;
        p += 4;
        t += 4;
    }
}

// The entry that follows the removed one takes over its group heads.
void FixLexDistancesAfterDelete(const LexKey& k, u32 start, u32 size) {
    Body b = LiveBody();
    u32 p = start;
    u32 r = start + size;
    for (u32 d = 0;; ++d) {
        u32 delta = b.Distance(p);
        if (delta != 0) {
            if (p + delta <= r) return;
            SetDistance(r, delta - size);
        }
        if (k[d] == 0) return;
        p += 4;
        r += 4;
    }
}

// Calls visit(entry) for each entry of the run with key k in body order;
// visit returns false to stop. Returns the number visited.
template <typename Visit>
u32 VisitKeyRun(const LexKey& k, Visit visit) {
    if (!k.ok || LexBodySize == 0) return 0;
    Body b = LiveBody();
    i32 at = FindIn(b, 0, 0, k);
    if (at < 0) return 0;
    u32 seen = 0;
    LexEntryView e;
    for (u32 off = static_cast<u32>(at); ReadLexEntry(b.data, b.size, off, e); off = e.end) {
        if (!EntryHasKey(b, e, k)) break;
        ++seen;
        if (!visit(e)) break;
    }
    return seen;
}

}  // namespace

i32 FindLexWordOffset(u32 depth, u32 position, const BoundedString& key) {
    LexKey k = MakeKey(key);
    if (!k.ok) return -1;
    return FindIn(LiveBody(), depth, position, k);
}

i32 FindLexInsertionPoint(u32 depth, u32 position, const BoundedString& key) {
    LexKey k = MakeKey(key);
    if (!k.ok) return -1;
    return InsertionPointIn(LiveBody(), depth, position, k);
}

i16 CollectLexRecordBytes(const BoundedString& key, u8* rows, u32 maxRows, u32 rowSize) {
    LexKey k = MakeKey(key);
    u32 row = 0;
    u32 n = VisitKeyRun(k, [&](const LexEntryView& e) {
        if (rows != nullptr && row < maxRows) {
            u32 m = e.dataLength < rowSize ? e.dataLength : rowSize;
            std::memcpy(rows + row * rowSize, gUserLexicon.data + e.dataOffset, m);
        }
        ++row;
        return true;
    });
    return static_cast<i16>(n > 0x7FFF ? 0x7FFF : n);
}

i16 CollectLexRecords(const BoundedString& key, BoundedArray<BoundedArray<u8>>& rows,
                      u32 maxLength) {
    LexKey k = MakeKey(key);
    i32 row = 0;
    u32 n = VisitKeyRun(k, [&](const LexEntryView& e) {
        if (maxLength > 0 && rows.valid != 0 && rows.count > 0) {
            BoundedArray<u8>& target = rows[row];
            u32 m = e.dataLength < maxLength ? e.dataLength : maxLength;
            if (target.valid != 0 && target.count > 0)
                for (u32 j = 0; j < m; ++j)
                    target[static_cast<i32>(j)] = gUserLexicon.data[e.dataOffset + j];
        }
        ++row;
        return true;
    });
    return static_cast<i16>(n > 0x7FFF ? 0x7FFF : n);
}

i16 GetLexEntryByIndex(u32 index, BoundedString& outKey, BoundedArray<u8>& outData,
                       u32 maxLength) {
    Body b = LiveBody();
    LexEntryView e;
    u32 off = 0;
    for (u32 i = 0;; ++i) {
        if (!ReadLexEntry(b.data, b.size, off, e)) return 0;
        if (i == index) break;
        off = e.end;
    }
    if (outKey.valid != 0 && outKey.count > 0) {
        for (u32 i = 0; i < e.keyLength; ++i)
            outKey[static_cast<i32>(i)] = b.data[e.start + 4 * i];
        outKey[static_cast<i32>(e.keyLength)] = 0;
    }
    u32 m = e.dataLength < maxLength ? e.dataLength : maxLength;
    if (outData.valid != 0 && outData.count > 0)
        for (u32 j = 0; j < m; ++j) outData[static_cast<i32>(j)] = b.data[e.dataOffset + j];
    return 1;
}

i16 InsertLexEntry(const BoundedString& key, const BoundedArray<u8>& data, u32 length) {
    if (LexFileHandle == nullptr) return kLexNotOpen;
    LexKey k = MakeKey(key);
    if (!k.ok) return kLexBadKey;
    if (VisitKeyRun(k, [](const LexEntryView&) { return true; }) >= kLexMaxRecordsPerKey)
        return kLexBadKey;
    u32 available = data.valid != 0 && data.data != nullptr ? data.count : 0;
    if (length > available) length = available;
    if (length > 0xFFFF) return kLexBadKey;
    u32 size = EntrySize(k.n, length);
    if (LexBodySize > kLexMaxBodySize - size) return kLexNoMemory;
    if (!ResizeByteBuffer(gUserLexicon, LexBodySize + size)) return kLexNoMemory;

    u32 ins = 0;
    if (LexBodySize > 0) {
        i32 at = InsertionPointIn(LiveBody(), 0, 0, k);
        if (at < 0) {
            ins = LexBodySize;
        } else {
            ins = static_cast<u32>(at);
            std::memmove(gUserLexicon.data + ins + size, gUserLexicon.data + ins, LexBodySize - ins);
        }
    }
    LexBodySize += size;
    ++LexEditCount;
    u8* q = gUserLexicon.data + ins;
    for (u32 j = 0; j <= k.n; ++j, q += 4) {
        q[0] = k[j];
        q[1] = q[2] = q[3] = 0;
    }
    q[0] = static_cast<u8>(length >> 8);
    q[1] = static_cast<u8>(length);
    if (length > 0) std::memcpy(q + 2, data.data, length);
    if ((length & 1) != 0) q[2 + length] = 0;

    if (ins > 0) FixLexDistancesBeforeInsert(k, ins, size);
    if (ins + size < LexBodySize) FixLexDistancesAfterInsert(k, ins, size);
    ++LexEntryCount;
    return kLexOk;
}

namespace {

// The stored data matches the given data: same length, and equal bytes up
// to the given data's first NUL where the stored byte is NUL as well.
bool DataMatches(const u8* stored, u32 storedLength, const BoundedArray<u8>& data, u32 length) {
    if (storedLength != length) return false;
    for (u32 j = 0; j < length; ++j) {
        u8 given = data.data[j];
        if (given != stored[j]) return false;
        if (given == 0) return true;
    }
    return true;
}

}  // namespace

i16 DeleteLexEntry(const BoundedString& key, const BoundedArray<u8>& data, u32 length) {
    if (LexFileHandle == nullptr) return kLexNotOpen;
    LexKey k = MakeKey(key);
    if (!k.ok || LexBodySize == 0) return kLexNotFound;
    u32 available = data.valid != 0 && data.data != nullptr ? data.count : 0;
    if (length > available) return kLexNotFound;
    LexEntryView match;
    bool found = false;
    VisitKeyRun(k, [&](const LexEntryView& e) {
        if (!DataMatches(gUserLexicon.data + e.dataOffset, e.dataLength, data, length)) return true;
        match = e;
        found = true;
        return false;
    });
    if (!found) return kLexNotFound;

    u32 start = match.start;
    u32 size = match.end - match.start;
    if (start > 0) FixLexDistancesBeforeDelete(k, start, size);
    if (start + size < LexBodySize) FixLexDistancesAfterDelete(k, start, size);
    std::memmove(gUserLexicon.data + start, gUserLexicon.data + match.end, LexBodySize - match.end);
    LexBodySize -= size;
    ++LexEditCount;
    ResizeByteBuffer(gUserLexicon, LexBodySize);  // a failed shrink keeps the larger block
    --LexEntryCount;
    return kLexOk;
}

// ---- Structure check -------------------------------------------------------

namespace {

constexpr u32 kNoNode = 0xFFFFFFFF;

// The node at depth d of the entry after the one whose depth-d node is at p.
u32 NextLexEntryNode(const Body& b, u32 d, u32 p) {
    if (p < 4 * d) return kNoNode;
    LexEntryView e;
    if (!ReadLexEntry(b.data, b.size, p - 4 * d, e)) return kNoNode;
    return e.end + 4 * d;
}

// Checks the chain of group heads at depth d that begins at from and must
// end before to.
i16 CheckLexGroup(const Body& b, u32 d, u32 from, u32 to) {
    if (from >= to) return 0;
    u32 p = from;
    for (;;) {
        if (!b.HasNode(p)) return -1;
        u32 delta = b.RawDistance(p);
        u32 next = to;
        if (delta != 0) {
            // The next head lies inside the range: a distance that reaches
            // its end would link to a group of another parent.
            next = p + delta;
            if (next >= to || b.Byte(p) >= b.Byte(next)) return -1;
        }
        u32 e = NextLexEntryNode(b, d, p);
        for (; e < next; e = NextLexEntryNode(b, d, e)) {
            if (b.Byte(e) != b.Byte(p) || b.RawDistance(e) != 0) return -1;
        }
        // The next head (or the range's end) is the same node of an entry.
        if (e != next) return -1;
        if (b.Byte(p) != 0 && CheckLexGroup(b, d + 1, p + 4, next + 4) != 0) return -1;
        if (next >= to) return 0;
        p = next;
    }
}

}  // namespace

i16 CheckLexBody(const u8* body, u32 size, u32 expectedCount) {
    if (size == 0) return expectedCount == 0 ? 0 : -1;
    if (body == nullptr || size > kLexMaxBodySize) return -1;
    Body b{body, size};
    LexEntryView e;
    LexEntryView previous;
    u32 count = 0;
    u32 off = 0;
    while (off < size) {
        if (!ReadLexEntry(body, size, off, e)) return -1;
        if (count > 0 && CompareEntryKeys(b, previous, e) > 0) return -1;
        if (++count > expectedCount) return -1;
        previous = e;
        off = e.end;
    }
    if (count != expectedCount) return -1;
    return CheckLexGroup(b, 0, 0, size);
}

i16 CheckLexiconStructure() {
    return CheckLexBody(gUserLexicon.data, LexBodySize, LexEntryCount);
}

// ---- Lifecycle --------------------------------------------------------------

void EmptyUserLexicon() {
    ++LexEditCount;
    ResizeByteBuffer(gUserLexicon, 1);
    LexBodySize = 0;
    LexEntryCount = 0;
    LexChangeCounter = 0;
}

void ClearUserLexicon() {
    ++LexEditCount;
    LexFileHandle = nullptr;
    ResizeByteBuffer(gUserLexicon, 1);
    LexBodySize = 0;
    LexEntryCount = 0;
}

i16 IsUserLexiconEmpty() { return LexEntryCount == 0 ? 1 : 0; }

// ---- Snapshots --------------------------------------------------------------

bool MakeLexSnapshot(LexSnapshot& s, const u8* body, u32 size, u32 entryCount, u32 counter) {
    ReleaseLexSnapshot(s);
    u32 capacity = size == 0 ? 1 : size;
    u8* block = static_cast<u8*>(std::malloc(capacity));
    if (block == nullptr) return false;
    if (size > 0) std::memcpy(block, body, size);
    else block[0] = 0;
    s.body = block;
    s.capacity = capacity;
    s.bodySize = size;
    s.entryCount = entryCount;
    s.changeCounter = counter;
    s.held = true;
    return true;
}

bool TakeLexSnapshot(LexSnapshot& s) {
    return MakeLexSnapshot(s, gUserLexicon.data, LexBodySize, LexEntryCount, LexChangeCounter);
}

void SwapLexSnapshot(LexSnapshot& s) {
    if (!s.held) return;
    ++LexEditCount;
    // The body block is a C-heap block held as a view (see ResizeByteBuffer).
    u8* body = gUserLexicon.valid != 0 ? gUserLexicon.data : nullptr;
    u32 capacity = gUserLexicon.valid != 0 ? gUserLexicon.count : 0;
    gUserLexicon.View(s.body, s.capacity);
    s.body = body;
    s.capacity = capacity;
    u32 v = LexBodySize;
    LexBodySize = s.bodySize;
    s.bodySize = v;
    v = LexEntryCount;
    LexEntryCount = s.entryCount;
    s.entryCount = v;
    v = LexChangeCounter;
    LexChangeCounter = s.changeCounter;
    s.changeCounter = v;
}

void RestoreLexSnapshot(LexSnapshot& s) {
    SwapLexSnapshot(s);
    ReleaseLexSnapshot(s);
}

void ReleaseLexSnapshot(LexSnapshot& s) {
    if (s.held) std::free(s.body);
    s = LexSnapshot{};
}
