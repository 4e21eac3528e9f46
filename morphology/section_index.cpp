// Index of the entries of each dictionary section (see section_index.h).
#include "morphology/section_index.h"

#include "frame/bounded_array.h"
#include "frame/loader.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "morphology/section_walk.h"

namespace {

// Where the entries of one list stand in the chunks, once indexed.
struct ListIndex {
    u32 at = 0;     // chunk * kChunkEntries + first entry
    u16 count = 0;  // at most kChunkEntries
    bool built = false;
    bool usable = false;
};
static_assert(sizeof(ListIndex) == 8);

struct SectionIndex {
    u32 start = 0;   // the section span it was set up for
    u32 length = 0;
    u32 thirdSize = 0;  // bytes of the third-letter index
    u32 listCount = 0;
    bool set = false;
    bool usable = false;
    BoundedArray<ListIndex> lists;
    // The third letters of its index rise strictly: one is found by halving.
    bool sortedThirds = false;
};

// Entries are kept in chunks that never move (a list indexed during a walk
// leaves the entries of the list being walked in place); a list takes
// consecutive entries of one chunk. The first chunks are smaller, so that a
// short text allocates and touches little: 1,024, 2,048 and 4,096 entries,
// then kChunkEntries (a longer list takes a chunk of its own size).
constexpr u32 kChunkEntries = 8192;
constexpr u32 kMaxChunks = 256;
static_assert(kChunkEntries <= 0xFFFF, "a list's count is kept in 16 bits");

// The indexes of one dictionary body.
struct BodyIndex {
    DictStamp dict;
    bool french = false;
    BoundedArray<SectionIndex> sections;
    // kMaxChunks headers, allocated with the first chunk: a table of empty
    // headers in the object would put it in the library's data section.
    BoundedArray<BoundedArray<IndexedEntry>> chunks;
    u32 chunkCount = 0;
    u32 used = 0;  // entries taken in the last chunk
};

// French and English bodies keep their indexes side by side.
BodyIndex gBodyIndexes[2];
u32 gEpoch = 1;

BodyIndex& CurrentBodyIndex() {
    const bool french = gCheckingLanguage != 0;
    BodyIndex& b = gBodyIndexes[french ? 0 : 1];
    if (b.dict != CurrentDictStamp() || b.french != french || b.sections.count != gDictSectionCount) {
        ++gEpoch;
        b.dict = CurrentDictStamp();
        b.french = french;
        b.sections.Allocate(gDictSectionCount);
        for (u32 c = 0; c < b.chunkCount; ++c) b.chunks.data[c].Release();
        b.chunkCount = 0;
        b.used = 0;
    }
    return b;
}

// The remainders an English item reads when `after` key letters stand
// between the stem and it, folded as IndexedEntry::remainders keeps them.
u32 ShiftedRemainders(bool french, bool verb, u8 byte, u32 after) {
    const u32 bits = french ? FrenchItemRemainders(verb, byte) : EnglishItemRemainders(verb, byte);
    if (bits == 0) return 0;
    if (after >= 7) return 0x80u;
    const u32 shifted = bits << after;
    return (shifted & 0x7Fu) | ((shifted >> 7) != 0 ? 0x80u : 0u);
}

// Counts the entries of the list [begin, end), or records them from `at`
// on when `out` is given; the walk's own reading of control codes and
// items decides where an entry ends.
u32 ReadEntries(u32 begin, u32 end, bool french, IndexedEntry* out) {
    u32 n = 0;
    i32 items = 1;
    bool groupPending = false;
    bool inStem = false;
    bool fresh = true;
    u32 after = 0;  // key letters an entry reads after its stem so far
    IndexedEntry* e = nullptr;
    const u8* classes = kDictByteClasses.of[french ? 1 : 0];
    const u8* body = end <= gDictBody.count ? gDictBody.data : nullptr;
    for (u32 p = begin; p < end; ++p) {
        const u8 b = body != nullptr ? body[p] : DictBodyByte(p);
        if (fresh) {
            fresh = false;
            inStem = true;
            after = 0;
            e = out != nullptr ? &out[n] : nullptr;
            if (e != nullptr) {
                e->start = p;
                e->remainders = 0;
                e->stemLength = 0;
                e->stem[0] = e->stem[1] = 0;
                e->run = 0;
            }
            ++n;
        }
        const u8 cls = groupPending ? kDictByteOther : classes[b];
        const bool control = cls == kDictByteControl;
        const bool letter = cls == kDictByteLetter;
        const bool stemByte = letter || (control && !french && b == kMarkApostrophe);
        if (inStem && stemByte) {
            if (e != nullptr) {
                if (e->stemLength < 2) e->stem[e->stemLength] = b;
                if (e->stemLength < kAlwaysWalked - 1) ++e->stemLength;
                else e->stemLength = kAlwaysWalked;
            }
            continue;
        }
        if (stemByte) ++after;  // read against the key as the stem's letters are
        if (control) {
            inStem = false;
            if (b >= kGroupCodeFirst && b <= kGroupCodeLast) {
                items = b - 121;
                groupPending = true;
            } else if (b >= kCountCodeFirst && b <= kCountCodeLast) {
                items = b - 129;
            }
            continue;
        }
        if (letter) continue;
        // An item and its second byte; the last item of the entry ends it.
        if (e != nullptr) e->remainders = e->remainders | ShiftedRemainders(french, groupPending, b, after);
        inStem = false;
        groupPending = false;
        --items;
        if (p + 1 >= end) {
            // A list that ends inside an item: the walk reports it there.
            if (e != nullptr) e->stemLength = kAlwaysWalked;
            return n;
        }
        ++p;
        if (items < 2) {
            items = 1;
            fresh = true;
        }
    }
    // A list that ends inside an entry: walked as it is.
    if (!fresh && e != nullptr) e->stemLength = kAlwaysWalked;
    return n;
}

// Reads the section's index header: how many lists it has.
void SetUpSection(SectionIndex& x, const DictSectionSpan& span) {
    if (x.set) ++gEpoch;  // its lists, handed out before, are dropped
    x.set = true;
    x.usable = false;
    x.start = span.start;
    x.length = span.length;
    x.lists.Release();
    x.listCount = 0;
    x.sortedThirds = false;
    if (span.length < 3) return;
    const u32 s = span.start;
    const u32 n = DictBodyByte(s + 2);
    if (n == 0 || n % 3 != 0 || n + 3 > span.length) return;
    const u32 listsBegin = DictBodyU16(s + n + 1);
    if (listsBegin < n + 3 || listsBegin > span.length || (listsBegin - n) % 3 != 0) return;
    x.listCount = (listsBegin - n) / 3;  // their table is allocated when a list is first walked
    x.sortedThirds = true;
    for (u32 j = 3; j < n; j += 3)
        if (DictBodyByte(s + j) <= DictBodyByte(s + j - 3)) x.sortedThirds = false;
    x.thirdSize = n;
    x.usable = true;
}

u32 ChunkSize(u32 chunk, u32 n) {
    const u32 size = chunk >= 3 ? kChunkEntries : kChunkEntries >> (3 - chunk);
    return n > size ? n : size;
}

// Entries left in the last chunk.
u32 RoomLeft(const BodyIndex& b) {
    return b.chunkCount == 0 ? 0 : b.chunks.data[b.chunkCount - 1].count - b.used;
}

// Room for `n` consecutive entries; null when there is none.
IndexedEntry* TakeEntries(BodyIndex& b, u32 n, u32& at) {
    if (n > kChunkEntries) return nullptr;
    if (n > RoomLeft(b)) {
        if (b.chunkCount == kMaxChunks) return nullptr;
        if (b.chunks.count == 0) b.chunks.Allocate(kMaxChunks);
        b.chunks.data[b.chunkCount].Allocate(ChunkSize(b.chunkCount, n));
        ++b.chunkCount;
        b.used = 0;
    }
    at = (b.chunkCount - 1) * kChunkEntries + b.used;
    return b.chunks.data[b.chunkCount - 1].data + b.used;
}

bool TestedStem(const IndexedEntry& e) { return e.stemLength != 0 && e.stemLength != kAlwaysWalked; }

// Sets the runs of the n entries (see IndexedEntry::run).
void SetRuns(IndexedEntry* entries, u32 n) {
    for (u32 i = n; i-- > 0;) {
        IndexedEntry& e = entries[i];
        if (!TestedStem(e)) continue;
        const IndexedEntry* next = i + 1 < n ? &entries[i + 1] : nullptr;
        const bool joins = next != nullptr && TestedStem(*next) && next->stem[0] == e.stem[0] && next->run < 255;
        e.run = static_cast<u8>(joins ? next->run + 1 : 1);
    }
}

// Indexes one list: its entries go to the last chunk. Every entry but a
// list's last takes two bytes or more, which bounds the room to take.
void BuildList(BodyIndex& b, ListIndex& l, const EntryListSpan& list) {
    l.built = true;
    l.usable = false;
    if (list.end > kIndexedBodyLimit) return;
    // A list whose bound does not fit is counted first: the bound of a long
    // list is far above its count, and would open a chunk for nothing.
    u32 room = (list.end - list.begin) / 2 + 1;
    if (room > RoomLeft(b)) room = ReadEntries(list.begin, list.end, b.french, nullptr);
    u32 at = 0;
    IndexedEntry* out = TakeEntries(b, room, at);
    if (out == nullptr) return;
    l.count = static_cast<u16>(ReadEntries(list.begin, list.end, b.french, out));
    SetRuns(out, l.count);
    l.at = at;
    b.used += l.count;
    l.usable = true;
}

}  // namespace

namespace {

// The index of `section`, set up for its span; null when the section has
// no index.
SectionIndex* FindSection(BodyIndex& b, i16 section, const DictSectionSpan& span) {
    if (section < 0 || static_cast<u32>(section) >= b.sections.count) return nullptr;
    SectionIndex& x = b.sections.data[section];
    if (!x.set || x.start != span.start || x.length != span.length) SetUpSection(x, span);
    return x.usable ? &x : nullptr;
}

}  // namespace

u32 SectionIndexEpoch() { return gEpoch; }

bool OpenSectionEntryLists(i16 section, const DictSectionSpan& span, u8 third, u8 fourth,
                           EntryListCursor& cursor) {
    const SectionIndex* x = FindSection(CurrentBodyIndex(), section, span);
    if (x == nullptr || !x->sortedThirds) return OpenEntryLists(span, third, fourth, cursor);
    u32 low = 0;
    u32 high = x->thirdSize / 3;  // entries [low, high) are left
    while (low < high) {
        const u32 mid = (low + high) / 2;
        const u8 b = DictBodyByte(span.start + mid * 3);
        if (b == third) return OpenEntryListsAt(span, mid * 3, fourth, cursor);
        if (b < third) low = mid + 1;
        else high = mid;
    }
    return false;
}

bool FindIndexedList(i16 section, const DictSectionSpan& span, const EntryListSpan& list, IndexedList& out) {
    BodyIndex& b = CurrentBodyIndex();
    SectionIndex* found = FindSection(b, section, span);
    if (found == nullptr) return false;
    SectionIndex& x = *found;
    if (list.record < x.thirdSize) return false;
    const u32 k = (list.record - x.thirdSize) / 3;
    if (k >= x.listCount) return false;
    if (x.lists.count != x.listCount) x.lists.Allocate(x.listCount);
    ListIndex& l = x.lists.data[k];
    if (!l.built) BuildList(b, l, list);
    if (!l.usable) return false;
    out.entries = b.chunks.data[l.at / kChunkEntries].data + l.at % kChunkEntries;
    out.count = l.count;
    return true;
}
