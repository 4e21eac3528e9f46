#include "lexicon/litdict_checkpoints.h"

#include <cstring>

#include "frame/bounded_array.h"
#include "frame/records.h"
#include "frame/tables.h"
#include "lexicon/litdict.h"
#include "lexicon/litdict_codes.h"

namespace {

constexpr u32 kCheckpointEvery = 4;

struct Checkpoint {
    u32 pos = 0;          // separator byte before the entry
    u8 maxBefore[36] = {};  // greatest key of the block's earlier entries
};

struct Checkpoints {
    BoundedArray<Checkpoint> points;
    BoundedArray<u32> first;  // per index record: its first checkpoint; one more at the end
    const u8* text = nullptr;
    u32 textSize = 0;
    const void* index = nullptr;
    u32 records = 0;
};

Checkpoints& Store() {
    static Checkpoints s;
    return s;
}

u8 TextByte(u32 i) { return i < gLitDictText.count ? gLitDictText.data[i] : 0; }

bool KeyBefore(const u8* a, const u8* b) {
    return std::strcmp(reinterpret_cast<const char*>(a), reinterpret_cast<const char*>(b)) < 0;
}

// Whether the key just built set the stem: it writes every stem byte, the
// last one 0, over a stem filled with 0xFF.
bool StemWritten(const BoundedString& stem) { return stem.count > 0 && stem.data[stem.count - 1] != 0xFF; }

// Walks block r as a search does, adding its checkpoints from `at` (as many
// as there is room for) and returning how many it has.
u32 WalkBlock(i32 r, u32 at) {
    Checkpoints& s = Store();
    BoundedString& stem = gLitDictWorkString;
    const u32 end = gLitDictIndex.ClampedAt(r + 1).TextOffset;
    u8 key[36];
    u8 maxKey[36] = {};
    u32 entries = 0, made = 0;
    bool stemSet = false;
    for (u32 pos = gLitDictIndex.ClampedAt(r).TextOffset; pos < end; ++pos) {
        if (TextByte(pos) != 0 || TextByte(pos + 1) == 0) continue;
        const bool continuation = TextByte(pos + 1) == kLdTypeContinuation;
        if (continuation && !stemSet) return made;  // keys read an earlier search's stem
        if (!continuation) std::memset(stem.data, 0xFF, stem.count);
        BuildLitDictKey(gLitDictText, pos + 1, end, key);
        const bool sets = !continuation && StemWritten(stem);
        stemSet = stemSet || sets;
        if (sets && entries > 0 && entries % kCheckpointEvery == 0) {
            if (at + made < s.points.count) {
                Checkpoint& c = s.points.data[at + made];
                c.pos = pos;
                std::memcpy(c.maxBefore, maxKey, sizeof maxKey);
            }
            ++made;
        }
        if (KeyBefore(maxKey, key)) std::memcpy(maxKey, key, sizeof maxKey);
        ++entries;
    }
    return made;
}

bool Current(const Checkpoints& s) {
    return s.text == gLitDictText.data && s.textSize == gLitDictText.count && s.index == gLitDictIndex.data &&
           s.records == gLitDictIndex.count && s.first.count == gLitDictIndex.count + 1;
}

void Build() {
    Checkpoints& s = Store();
    BoundedString& stem = gLitDictWorkString;
    u8 kept[64] = {};
    const u32 keptBytes = stem.count < sizeof kept ? stem.count : static_cast<u32>(sizeof kept);
    std::memcpy(kept, stem.data, keptBytes);
    const i32 records = static_cast<i32>(gLitDictIndex.count);
    s.first.Allocate(static_cast<u32>(records) + 1);
    // Room for a checkpoint at every fourth entry of the text, so that the
    // blocks are walked once: the entries are counted by their separators.
    u32 entries = 0;
    for (u32 pos = 0; pos + 1 < gLitDictText.count; ++pos)
        entries += gLitDictText.data[pos] == 0 && gLitDictText.data[pos + 1] != 0;
    const u32 room = entries / kCheckpointEvery;
    s.points.Allocate(room > 0 ? room : 1);
    u32 at = 0;
    for (i32 r = 0; r < records; ++r) {
        s.first.data[r] = at;
        at += WalkBlock(r, at);
    }
    s.first.data[records] = at;
    std::memcpy(stem.data, kept, keptBytes);
    s.text = gLitDictText.data;
    s.textSize = gLitDictText.count;
    s.index = gLitDictIndex.data;
    s.records = gLitDictIndex.count;
}

}  // namespace

u32 LitDictSearchStart(i32 r, const u8* rest) {
    const u32 start = gLitDictIndex.ClampedAt(r).TextOffset;
    if (gLitDictWorkString.count > 64 || gLitDictText.count == 0) return start;
    Checkpoints& s = Store();
    if (!Current(s)) Build();
    if (r < 0 || static_cast<u32>(r) + 1 >= s.first.count) return start;
    // The maxima grow along the block: the last checkpoint whose earlier
    // keys all sort before the wanted one.
    u32 lo = s.first.data[r], hi = s.first.data[r + 1];
    if (hi > s.points.count) hi = s.points.count;
    u32 found = start;
    while (lo < hi) {
        const u32 mid = lo + (hi - lo) / 2;
        if (KeyBefore(s.points.data[mid].maxBefore, rest)) {
            found = s.points.data[mid].pos;
            lo = mid + 1;
        } else {
            hi = mid;
        }
    }
    return found;
}
