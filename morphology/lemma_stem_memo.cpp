// Memo of lemma stems (see lemma_stem_memo.h).
#include "morphology/lemma_stem_memo.h"


namespace {

constexpr u32 kSlots = 4096;  // a power of two

// A reference takes the place of its hash; a place names its slot (0:
// none yet). Slots are handed out in order as places are first used, so
// that the pages a process touches grow with the stems it keeps; slot 0 is
// never handed out and serves the one place that may go without a slot.
LemmaStem gSlots[kSlots];
u16 gPlaces[kSlots];
u32 gSlotsGiven = 0;  // slots 1 to gSlotsGiven are taken

u32 SlotIndex(u32 ref, bool french) {
    u32 h = ref * 2654435761u ^ (french ? 0x9E3779B9u : 0u);
    return (h ^ (h >> 15)) & (kSlots - 1);
}

}  // namespace

LemmaStem& LemmaStemSlot(u32 ref, bool french, bool& held) {
    u16& place = gPlaces[SlotIndex(ref, french)];
    if (place == 0 && gSlotsGiven < kSlots - 1) place = static_cast<u16>(++gSlotsGiven);
    LemmaStem& slot = gSlots[place];
    held = slot.tables.body != nullptr && slot.tables == CurrentDictStamp() && slot.ref == ref && slot.french == french;
    return slot;
}

void MarkLemmaStem(LemmaStem& slot, u32 ref, bool french) {
    slot.tables = CurrentDictStamp();
    slot.ref = ref;
    slot.french = french;
}
