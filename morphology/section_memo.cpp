// The memo of section walks (see section_memo.h).
#include "morphology/section_memo.h"

#include <cstring>
#include <cstdio>

#include "frame/bounded_string.h"
#include "frame/loader.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "morphology/asked_questions.h"
#include "morphology/dict_format.h"

SectionWalkWrites* gSectionWalkWrites = nullptr;
u32 gSectionMemoPauses = 0;

namespace {

constexpr u32 kSlots = 8192;      // a power of two
// Longer keys, and walks that write more slots, are not remembered (on
// books, nine walks in ten that are kept write no slot at all).
constexpr u32 kKeyBytes = 22;
constexpr u32 kMaxWrites = 3;
constexpr u32 kLetterBytes = 120;

// The tables a walk reads besides its arguments, for one language (the
// English lookup visits the French capitalised-word sections in passing).
// All zero at start, so that the memo lies in .bss: stamp 0 is no stamp,
// and the first question takes stamp 1.
struct Tables {
    DictStamp dict;
    u8 letters[kLetterBytes] = {};
    u32 stamp = 0;
};

u32 LetterBytes() { return gLetterTable.count < kLetterBytes ? gLetterTable.count : kLetterBytes; }

bool SameTables(const Tables& t) {
    return t.stamp != 0 && t.dict == CurrentDictStamp() && std::memcmp(t.letters, gLetterTable.data, LetterBytes()) == 0;
}

// One slot written by a walk: its index (bits 0-4), which of its three
// values (bit 5 the tag, bit 6 the analysis byte, bit 7 the lemma
// reference), and their final contents.
struct SlotWrite {
    u8 place = 0;
    u8 byte = 0;
    u16 tag = 0;
    u32 ref = 0;
    u32 Index() const { return place & 31u; }
    bool Has(u32 bit) const { return (place >> (5 + bit) & 1u) != 0; }
};

// 64 bytes, one cache line.
struct Slot {
    u32 stamp = 0;  // 0: empty
    u8 language = 0;
    u8 tagsLast = 0;
    u16 mode = 0;
    i16 section = 0;
    u16 countIn = 0;
    u8 keyLength = 0;
    u8 writeCount = 0;
    i16 answer = 0;
    u16 countOut = 0;
    u8 key[kKeyBytes] = {};
    SlotWrite writes[kMaxWrites];
};
static_assert(sizeof(Slot) == 64);

// A question takes the place of its hash's low bits. A place holds the
// high bits of the hash of the question last kept there, with the number
// of the slot that holds it in the low bits (0: none): a question the memo
// does not hold is refused on this small array without a read of its slot.
// Slots are handed out in order as places are first filled, so that a text
// with few words to remember touches few pages of them. Slot 0 is never
// handed out, so one place may go without a slot.
constexpr u32 kPlaceSlotBits = kSlots - 1;

struct Memo {
    Tables tables[2];  // English, French
    u32 places[kSlots] = {};
    u32 slotsGiven = 0;  // slots 1 to slotsGiven are taken
    alignas(64) Slot slots[kSlots];
    // The questions asked before (32 KB; never cleared, which only keeps a
    // question sooner).
    AskedQuestions<15> asked;
};

Memo& TheMemo() {
    static Memo memo;
    return memo;
}

// The current language's tables, their outcomes forgotten when they changed.
Tables& FollowTables(Memo& m) {
    Tables& t = m.tables[gCheckingLanguage == 0 ? 0 : 1];
    if (SameTables(t)) return t;
    t.dict = CurrentDictStamp();
    std::memset(t.letters, 0, kLetterBytes);
    std::memcpy(t.letters, gLetterTable.data, LetterBytes());
    if (++t.stamp == 0) {
        for (Slot& s : m.slots) s.stamp = 0;
        m.tables[0].stamp = m.tables[1].stamp = 1;
    }
    return t;
}

u32 Hash(u16 mode, i16 section, u16 count, const u8* key, u32 n) {
    u32 h = 2166136261u;
    h = (h ^ mode) * 16777619u;
    h = (h ^ static_cast<u16>(section)) * 16777619u;
    h = (h ^ count) * 16777619u;
    for (u32 i = 0; i < n; ++i) h = (h ^ key[i]) * 16777619u;
    return h ^ (h >> 15);
}

struct Question {
    u8 language;
    u16 mode;
    i16 section;
    u16 count;
    u8 tagsLast;
    const u8* key;
    u32 n;
};

bool Matches(const Slot& s, u32 stamp, const Question& q) {
    return s.stamp == stamp && s.language == q.language && s.mode == q.mode && s.section == q.section &&
           s.countIn == q.count && s.tagsLast == q.tagsLast && s.keyLength == q.n &&
           std::memcmp(s.key, q.key, q.n) == 0;
}

void WriteBack(const Slot& s, BoundedArray<u16>& tags) {
    for (u32 k = 0; k < s.writeCount; ++k) {
        const SlotWrite& w = s.writes[k];
        const u32 i = w.Index();
        if (w.Has(0)) tags.data[i] = w.tag;
        if (w.Has(1)) gWordAnalysisBytes.data[i] = w.byte;
        if (w.Has(2)) gWordLemmaRefs.data[i] = w.ref;
    }
}

// The final values of the written slots; false when there are too many.
bool Keep(const SectionWalkWrites& writes, const BoundedArray<u16>& tags, Slot& s) {
    u32 n = 0;
    for (u32 all = writes.tags | writes.bytes | writes.refs; all != 0; all &= all - 1) {
        if (n == kMaxWrites) return false;
        const u32 i = static_cast<u32>(__builtin_ctz(all));
        SlotWrite& w = s.writes[n++];
        const u32 what = ((writes.tags >> i) & 1) | ((writes.bytes >> i) & 1) << 1 | ((writes.refs >> i) & 1) << 2;
        w.place = static_cast<u8>(i | what << 5);
        w.tag = w.Has(0) ? tags.data[i] : 0;
        w.byte = w.Has(1) ? gWordAnalysisBytes.data[i] : 0;
        w.ref = w.Has(2) ? gWordLemmaRefs.data[i] : 0;
    }
    s.writeCount = static_cast<u8>(n);
    return true;
}

// Runs the walk with a record of its writes on top.
i16 RecordedWalk(SectionWalkFn walk, u16 mode, i16 section, const BoundedString& key, BoundedArray<u16>& tags,
                 u16& count, SectionWalkWrites& writes) {
    SectionWalkWrites* outer = gSectionWalkWrites;
    gSectionWalkWrites = &writes;
    const u32 faults = gDictFaultCount;
    i16 answer = 0;
    try {
        answer = walk(mode, section, key, tags, count);
    } catch (...) {
        gSectionWalkWrites = outer;
        throw;
    }
    gSectionWalkWrites = outer;
    if (gDictFaultCount != faults) writes.kept = false;
    // A nested walk's reads and lookups make the outer one unfit as well.
    if (!writes.kept && outer != nullptr) outer->kept = false;
    return answer;
}

}  // namespace

i16 RememberedSectionWalk(SectionWalkFn walk, u16 mode, i16 section, const BoundedString& key,
                          u32 keyLength, BoundedArray<u16>& tags, u16& count) {
    const i32 length = static_cast<i32>(keyLength);
    const bool fits = length > 0 && static_cast<u32>(length) <= kKeyBytes && tags.last >= 0 && tags.last < 256;
    if (!fits || gSectionMemoPauses != 0) {
        SectionWalkWrites writes;
        return RecordedWalk(walk, mode, section, key, tags, count, writes);
    }
    Memo& m = TheMemo();
    Tables& t = FollowTables(m);
    const Question q{static_cast<u8>(gCheckingLanguage == 0 ? 0 : 1), mode, section, count,
                     static_cast<u8>(tags.last), key.data, static_cast<u32>(length)};
    const u32 hash = Hash(mode, section, count, key.data, q.n);
    // A question asked once (most of a text on many subjects) is walked
    // without a record: its slot is neither read nor written (a remembered
    // question was asked before, so its mark is set).
    if (m.asked.FirstAsking(hash)) {
        SectionWalkWrites writes;
        return RecordedWalk(walk, mode, section, key, tags, count, writes);
    }
    u32& place = m.places[hash & kPlaceSlotBits];
    const u32 high = hash & ~kPlaceSlotBits;
    u32 slot = place & kPlaceSlotBits;
    if (slot != 0 && (place & ~kPlaceSlotBits) == high && Matches(m.slots[slot], t.stamp, q)) {
        const Slot& s = m.slots[slot];
        WriteBack(s, tags);
        count = s.countOut;
        return s.answer;
    }
    u8 keyCopy[kKeyBytes];
    std::memcpy(keyCopy, key.data, q.n);
    const u32 stamp = t.stamp;
    SectionWalkWrites writes;
    const i16 answer = RecordedWalk(walk, mode, section, key, tags, count, writes);
    // A walk under tables that changed meanwhile is not remembered.
    if (!writes.kept || t.stamp != stamp) return answer;
    if (slot == 0) {
        if (m.slotsGiven == kSlots - 1) return answer;
        slot = ++m.slotsGiven;
    }
    Slot& s = m.slots[slot];
    place = high | slot;
    if (!Keep(writes, tags, s)) {
        s.stamp = 0;
        return answer;
    }
    s.stamp = stamp;
    s.language = q.language;
    s.tagsLast = q.tagsLast;
    s.mode = mode;
    s.section = section;
    s.countIn = q.count;
    s.keyLength = static_cast<u8>(q.n);
    std::memcpy(s.key, keyCopy, q.n);
    s.answer = answer;
    s.countOut = count;
    return answer;
}
