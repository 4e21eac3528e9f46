// A bounded memo of section walks. The words of real text repeat, and so
// do the walks of their lookups: a walk's outcome is a function of its
// arguments (mode, section, key, the incoming count and the size of the
// tag array) and of the dictionary tables, so a repeated walk can hand back
// what it wrote the first time instead of reading the entries again.
//
// While a walk runs, every analysis slot it writes is marked in the record
// on top (gSectionWalkWrites); at its end the memo keeps the final value of
// each marked slot, the count and the answer. A walk that read a slot, went
// out of the slots' range, reported a data fault or made a nested lookup is
// not kept (its outcome may depend on more than its arguments).
//
// Each language's outcomes hold for one set of its tables: its body, the
// install count and the letter table; they are forgotten when any of them
// changes. Walks that write more than a few slots are not kept, and a walk
// is kept at its second asking: one asked once (most of a text on many
// subjects) neither reads nor writes a slot. Fixed storage (about 0.6 MB,
// all zero at start, so it lies in .bss), no allocation; its slots are
// taken in order, so that the pages a process touches grow with what it
// keeps, not with the size of the memo.
#pragma once
#include "frame/bounded_array.h"
#include "frame/types.h"

// Slots written by the walk in progress.
struct SectionWalkWrites {
    u32 tags = 0;   // bit i: tags[i]
    u32 bytes = 0;  // bit i: gWordAnalysisBytes[i]
    u32 refs = 0;   // bit i: gWordLemmaRefs[i]
    bool kept = true;  // false: the outcome is not to be remembered
};
// The record of the innermost walk in progress, or null.
extern SectionWalkWrites* gSectionWalkWrites;

// Marks a write of slot `index` of the walk's tag array (which = 0), of
// gWordAnalysisBytes (1) or of gWordLemmaRefs (2), whose last index is
// `last`; a write the array would clamp is not remembered.
inline void NoteSlotWrite(int which, i32 index, i32 last) {
    SectionWalkWrites* w = gSectionWalkWrites;
    if (w == nullptr) return;
    if (index < 0 || index > last || index >= 32) {
        w->kept = false;
        return;
    }
    u32& mask = which == 0 ? w->tags : which == 1 ? w->bytes : w->refs;
    mask |= 1u << index;
}
// The walk in progress cannot be remembered (it read a slot or looked
// something else up).
inline void ForgetSectionWalk() {
    if (gSectionWalkWrites != nullptr) gSectionWalkWrites->kept = false;
}

// While a pause is in force the memo is neither asked nor filled: the
// suggestion search looks up thousands of made-up words once each, which
// would only push the words of the text out.
extern u32 gSectionMemoPauses;
struct SectionMemoPause {
    SectionMemoPause() { ++gSectionMemoPauses; }
    ~SectionMemoPause() { --gSectionMemoPauses; }
    SectionMemoPause(const SectionMemoPause&) = delete;
    SectionMemoPause& operator=(const SectionMemoPause&) = delete;
};

// The walk function behind the memo.
using SectionWalkFn = i16 (*)(u16 mode, i16 section, const BoundedString& key, BoundedArray<u16>& tags,
                              u16& count);

// Runs `walk` through the memo: a remembered outcome is written back into
// the slots, `tags` and `count`; otherwise the walk runs and, when it may
// be kept, its outcome is remembered. `keyLength` is the key's text length
// (GetStringLength), which the caller has measured already.
i16 RememberedSectionWalk(SectionWalkFn walk, u16 mode, i16 section, const BoundedString& key,
                          u32 keyLength, BoundedArray<u16>& tags, u16& count);
