// A memo of the lemma stems rebuilt for base forms. The stem of a reading
// is read from the dictionary at its lemma reference, walking the section's
// lists up to it; the words of a text repeat, and the rules ask for the base
// form of the same words at every dispatch, so the walk's outcome is kept
// per reference. It is a function of the reference, the language flag and
// the tables in use (body, install count); a slot holds one reference for
// one body and install count. Fixed storage, no allocation.
#pragma once
#include "frame/loader.h"
#include "frame/records.h"
#include "frame/types.h"

struct LemmaStem {
    DictStamp tables;  // body null: empty
    u32 ref = 0;
    bool french = false;
    i16 section = 0;     // the prefix-index entry holding the reference
    i8 outcome = 0;      // the walk's answer (see RebuildStem)
    u8 lastByte = 0;     // last entry byte the walk read
    bool textSet = false;  // whether the walk set the base text
    u8 length = 0;
    u8 text[kWordCapacity] = {};
};

// The slot of lemma reference `ref` under the tables in use; `held` tells
// whether it already holds that reference's stem. A slot not held is the
// caller's to fill (MarkLemmaStem stamps it).
LemmaStem& LemmaStemSlot(u32 ref, bool french, bool& held);
void MarkLemmaStem(LemmaStem& slot, u32 ref, bool french);
