// Index of the entries of each dictionary section, so that a lookup reads
// only the entries whose stem can spell its key instead of walking every
// byte of the entry list.
//
// An entry of an entry list is its stem (letters matched against the key
// from its fifth byte on) followed by control codes and items; the walk
// starts each entry afresh. Which bytes start an entry does not depend on
// the key, so the index records, for every list, where each entry starts
// and the stem that opens it. An entry whose opening stem is not a prefix
// of the key's rest can give nothing (the walk skips it), so the lookup
// walks only the others, in list order: the answers are those of a walk of
// the whole list. A list that ends inside an entry keeps that entry as
// one that is always walked, so its fault is reported as before.
//
// The index of a list is built from the current body the first time the
// list is walked (reading it costs about one walk of its bytes, so that the
// first lookups of a process cost what a walk costs), and built again after
// a dictionary is installed (gDictInstallCount) or when the body or section
// moved. Building allocates a chunk of entries now and then; a lookup in an
// indexed list allocates nothing.
#pragma once
#include "frame/types.h"
#include "morphology/dict_format.h"

// One entry of an entry list.
struct IndexedEntry {
    u32 start : 24;      // absolute body offset of the entry's first byte
    // The key letters left after the stem that some item of the entry can
    // read, bit r for r letters (0..6), bit 7 for seven or more (French- and
    // EnglishItemRemainders; letters between the stem and an item count
    // for it). A key whose remainder has no bit here gets nothing from the
    // entry.
    u32 remainders : 8;
    u8 stemLength;       // bytes of the opening stem; kAlwaysWalked: no test
    u8 stem[2];          // its first two bytes (0 beyond its length)
    // Entries from this one on, this one included, whose opening stem is
    // tested and begins with stem[0] (at most 255); 0 for an entry with an
    // empty or untested stem. A key whose rest does not begin with stem[0]
    // skips them all.
    u8 run;
};
static_assert(sizeof(IndexedEntry) == 8);
// Bodies whose offsets do not fit the entries are walked byte by byte.
inline constexpr u32 kIndexedBodyLimit = 1u << 24;
inline constexpr u8 kAlwaysWalked = 0xFF;

// The entries of one list, in list order.
struct IndexedList {
    const IndexedEntry* entries = nullptr;
    u32 count = 0;
};

// The indexed entries of `list` (a list NextEntryList returned for
// `section` of the current dictionary); false when the section cannot be
// indexed (then the caller walks the list byte by byte).
bool FindIndexedList(i16 section, const DictSectionSpan& span, const EntryListSpan& list,
                     IndexedList& out);

// Raised whenever indexed entries handed out earlier may no longer be the
// current ones (a body's indexes dropped, a section set up again): an
// IndexedList kept from an earlier call holds while this is unchanged.
u32 SectionIndexEpoch();

// OpenEntryLists for `section` of the current dictionary, its third letter
// found by halving when the section's index has its third letters in
// rising order (checked once, when the section is set up); the scan
// otherwise.
bool OpenSectionEntryLists(i16 section, const DictSectionSpan& span, u8 third, u8 fourth,
                           EntryListCursor& cursor);

// True when the entry can spell a key whose bytes after the fourth are
// `rest` (n bytes), and some item of it can read what the stem leaves.
inline bool EntryMaySpell(const IndexedEntry& e, const u8* rest, u32 n) {
    if (e.stemLength == kAlwaysWalked) return true;
    if (e.stemLength > n) return false;
    if (e.stemLength == 0) return (e.remainders >> (n < 7 ? n : 7) & 1u) != 0;
    if (e.stem[0] != rest[0]) return false;
    if (e.stemLength >= 2 && e.stem[1] != rest[1]) return false;
    const u32 left = n - e.stemLength;
    if ((e.remainders >> (left < 7 ? left : 7) & 1u) == 0) return false;
    for (u32 i = 2; i < e.stemLength; ++i)
        if (DictBodyByte(e.start + i) != rest[i]) return false;
    return true;
}
