// Memo of the entry-list step of section lookups (see entry_list_memo.h).
#include "morphology/entry_list_memo.h"

#include "frame/loader.h"

namespace {

constexpr u32 kSlots = 4096;  // a power of two

struct Slot {
    DictStamp tables;  // body null: empty
    i16 section = 0;
    u8 third = 0;
    u8 fourth = 0;
    bool may = false;
    bool fault = false;
};

Slot gSlots[kSlots];

Slot& SlotOf(i16 section, u8 third, u8 fourth) {
    u32 h = static_cast<u32>(static_cast<u16>(section)) * 2654435761u;
    h ^= (static_cast<u32>(third) << 8 | fourth) * 40503u;
    return gSlots[(h ^ (h >> 16)) & (kSlots - 1)];
}

}  // namespace

bool RememberedEntryLists(i16 section, u8 third, u8 fourth, bool& may, bool& fault) {
    const Slot& s = SlotOf(section, third, fourth);
    if (s.tables.body == nullptr || s.tables != CurrentDictStamp() || s.section != section || s.third != third ||
        s.fourth != fourth)
        return false;
    may = s.may;
    fault = s.fault;
    return true;
}

void KeepEntryLists(i16 section, u8 third, u8 fourth, bool may, bool fault) {
    Slot& s = SlotOf(section, third, fourth);
    s.tables = CurrentDictStamp();
    s.section = section;
    s.third = third;
    s.fourth = fourth;
    s.may = may;
    s.fault = fault;
}
