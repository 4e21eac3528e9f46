// First-byte index of the word lists searched entry by entry (see
// list_search.h).
#include "frame/list_search.h"

#include <cstdlib>

#include "frame/bounded_string.h"

namespace {

// Entries indexed per list; a longer list is searched in turn.
constexpr i32 kIndexedEntries = 128;
constexpr u32 kIndexedLists = 4;
constexpr u32 kWords = kIndexedEntries / 64;

struct ListIndex {
    const void* data = nullptr;  // the list indexed; null: free
    u32 count = 0;
    // Per first byte of the word: the entries that may equal it (those
    // opening with that byte, and those CompareStrings finds equal to any
    // word: an unset or empty entry).
    u64 candidates[256][kWords] = {};
    // Per entry: its text length when it ends inside its buffer, else
    // kNoLength. CompareStrings finds such an entry equal to a word whose
    // buffer is longer than that text only when the word has that length.
    u8 length[kIndexedEntries] = {};
};

constexpr u8 kNoLength = 255;

ListIndex gIndexes[kIndexedLists];
u32 gNextIndex = 0;

bool MatchesAnyWord(const BoundedString& entry) { return entry.valid == 0 || entry.count == 0; }

void Build(ListIndex& index, const StringList& list) {
    index.data = list.data;
    index.count = list.count;
    for (auto& row : index.candidates)
        for (u64& w : row) w = 0;
    for (i32 e = 0; e < static_cast<i32>(list.count); ++e) {
        const BoundedString& entry = list.data[e];
        const u64 bit = 1ull << (e % 64);
        const i32 n = GetStringLength(entry);
        index.length[e] = MatchesAnyWord(entry) || n >= static_cast<i32>(entry.count) || n >= kNoLength
                              ? kNoLength
                              : static_cast<u8>(n);
        if (MatchesAnyWord(entry)) {
            for (auto& row : index.candidates) row[e / 64] |= bit;
        } else {
            index.candidates[entry.data[0]][e / 64] |= bit;
        }
    }
}

const ListIndex& IndexOf(const StringList& list) {
    for (const ListIndex& index : gIndexes)
        if (index.data == list.data && index.count == list.count) return index;
    ListIndex& index = gIndexes[gNextIndex];
    gNextIndex = (gNextIndex + 1) % kIndexedLists;
    Build(index, list);
    return index;
}

bool Equal(const StringList& list, i32 e, const BoundedString& word) {
    return CompareStrings(word, list.data[e]) == kCompareEqual;
}

i32 SearchInTurn(const StringList& list, i32 first, i32 last, const BoundedString& word) {
    for (i32 e = first < 0 ? 0 : first; e <= last && e < static_cast<i32>(list.count); ++e)
        if (Equal(list, e, word)) return e;
    return -1;
}

i32 SearchIndexed(const StringList& list, i32 first, i32 last, const BoundedString& word) {
    const ListIndex& index = IndexOf(list);
    if (first < 0) first = 0;
    if (last >= static_cast<i32>(list.count)) last = static_cast<i32>(list.count) - 1;
    const u64* row = index.candidates[word.data[0]];
    const i32 wordLength = GetStringLength(word);
    for (i32 w = first / 64; w <= last / 64 && w < static_cast<i32>(kWords); ++w) {
        u64 bits = row[w];
        if (w == first / 64) bits &= ~0ull << (first % 64);
        if (w == last / 64 && last % 64 != 63) bits &= (1ull << (last % 64 + 1)) - 1;
        while (bits != 0) {
            const i32 e = w * 64 + __builtin_ctzll(bits);
            const u8 n = index.length[e];
            const bool otherLength = n != kNoLength && word.count > n && wordLength != n;
            if (!otherLength && Equal(list, e, word)) return e;
            bits &= bits - 1;
        }
    }
    return -1;
}

}  // namespace

i32 FindListEntry(const StringList& list, i32 first, i32 last, const BoundedString& word) {
    // An unset or empty word equals every entry: the first of the range.
    if (word.valid == 0 || word.count == 0 || list.count > kIndexedEntries || list.data == nullptr)
        return SearchInTurn(list, first, last, word);
    const i32 found = SearchIndexed(list, first, last, word);
#ifndef NDEBUG
    if (found != SearchInTurn(list, first, last, word)) std::abort();
#endif
    return found;
}
