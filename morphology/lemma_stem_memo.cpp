// Memo of lemma stems (see lemma_stem_memo.h).
#include "morphology/lemma_stem_memo.h"


namespace {

constexpr u32 kSlots = 4096;  // a power of two

LemmaStem gSlots[kSlots];

u32 SlotIndex(u32 ref, bool french) {
    u32 h = ref * 2654435761u ^ (french ? 0x9E3779B9u : 0u);
    return (h ^ (h >> 15)) & (kSlots - 1);
}

}  // namespace

LemmaStem& LemmaStemSlot(u32 ref, bool french, bool& held) {
    LemmaStem& slot = gSlots[SlotIndex(ref, french)];
    held = slot.tables.body != nullptr && slot.tables == CurrentDictStamp() && slot.ref == ref && slot.french == french;
    return slot;
}

void MarkLemmaStem(LemmaStem& slot, u32 ref, bool french) {
    slot.tables = CurrentDictStamp();
    slot.ref = ref;
    slot.french = french;
}
