// Memo of the entry-list step of section lookups (see entry_list_memo.h).
#include "morphology/entry_list_memo.h"

#include "frame/loader.h"

namespace {

constexpr u32 kSlots = 4096;  // a power of two
constexpr u32 kTables = 4;    // sets of tables told apart at once

// A slot names its tables by a number (0: empty); the numbers of the last
// sets of tables seen are kept beside.
struct Slot {
    u32 tables = 0;
    i16 section = 0;
    u8 third = 0;
    u8 fourth = 0;
    KnownEntryLists known;
};

// A question takes the place of its hash; a place names its slot (0: none
// yet). Slots are handed out in order as places are first filled, so that
// the pages a process touches grow with what it keeps; slot 0 is never
// handed out, so one place may go without a slot.
struct Memo {
    DictStamp stamps[kTables];
    u32 numbers[kTables] = {};  // 0: unused
    u32 last = 0;               // the last number given
    u32 slotsGiven = 0;         // slots 1 to slotsGiven are taken
    u16 places[kSlots] = {};
    Slot slots[kSlots];
};

Memo gMemo;

// The number of the tables in use; a set not among the last ones seen
// takes a new number in place of the oldest (its slots are then stale).
u32 TablesNumber() {
    const DictStamp now = CurrentDictStamp();
    u32 oldest = 0;
    for (u32 k = 0; k < kTables; ++k) {
        if (gMemo.numbers[k] != 0 && gMemo.stamps[k] == now) return gMemo.numbers[k];
        if (gMemo.numbers[k] < gMemo.numbers[oldest]) oldest = k;
    }
    if (++gMemo.last == 0) {
        for (Slot& s : gMemo.slots) s.tables = 0;
        for (u32& n : gMemo.numbers) n = 0;
        gMemo.last = 1;
    }
    gMemo.stamps[oldest] = now;
    gMemo.numbers[oldest] = gMemo.last;
    return gMemo.last;
}

u16& PlaceOf(i16 section, u8 third, u8 fourth) {
    u32 h = static_cast<u32>(static_cast<u16>(section)) * 2654435761u;
    h ^= (static_cast<u32>(third) << 8 | fourth) * 40503u;
    return gMemo.places[(h ^ (h >> 16)) & (kSlots - 1)];
}

}  // namespace

bool RememberedEntryLists(i16 section, u8 third, u8 fourth, KnownEntryLists& known) {
    const u16 place = PlaceOf(section, third, fourth);
    if (place == 0) return false;
    const Slot& s = gMemo.slots[place];
    if (s.tables == 0 || s.section != section || s.third != third || s.fourth != fourth ||
        s.tables != TablesNumber())
        return false;
    known = s.known;
    return true;
}

void KeepEntryLists(i16 section, u8 third, u8 fourth, const KnownEntryLists& known) {
    u16& place = PlaceOf(section, third, fourth);
    if (place == 0) {
        if (gMemo.slotsGiven == kSlots - 1) return;
        place = static_cast<u16>(++gMemo.slotsGiven);
    }
    Slot& s = gMemo.slots[place];
    s.tables = TablesNumber();
    s.section = section;
    s.third = third;
    s.fourth = fourth;
    s.known = known;
}
