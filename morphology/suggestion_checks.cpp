// Dictionary tests and candidate edits of the spelling suggester.
#include "morphology/suggestion_checks.h"

#include <cstring>

#include "frame/bounded_string.h"
#include "frame/records.h"
#include "morphology/compound_words.h"
#include "morphology/dict_format.h"
#include "morphology/word_lookup.h"

namespace {

constexpr i32 kMaxCandidate = static_cast<i32>(kWordMaxLength);

BoundedArray<u16>& Tags() { return gWordTagCodes; }

// Candidates refused during the current search, by a 64-bit hash of mode
// and text (open addressing; a slot belongs to the search whose number it
// carries, so a new search starts empty without clearing the table).
constexpr u32 kRefusedSlots = 8192;
constexpr u32 kProbes = 8;
struct RefusedCandidates {
    u64 hash[kRefusedSlots] = {};
    u32 search[kRefusedSlots] = {};
    u32 current = 0;
    bool active = false;
    u32 lookups = 0;
    u32 limit = 0;
};
RefusedCandidates gRefused;

u64 CandidateHash(u16 mode, const BoundedString& w) {
    u64 h = 1469598103934665603ull ^ mode;
    const i32 n = GetStringLength(w);
    for (i32 i = 0; i < n; ++i) h = (h ^ w.data[i]) * 1099511628211ull;
    return h | 1;
}

bool WasRefused(u64 h) {
    for (u32 k = 0; k < kProbes; ++k) {
        const u32 slot = static_cast<u32>((h + k) % kRefusedSlots);
        if (gRefused.search[slot] != gRefused.current) return false;
        if (gRefused.hash[slot] == h) return true;
    }
    return false;
}

void NoteRefused(u64 h) {
    for (u32 k = 0; k < kProbes; ++k) {
        const u32 slot = static_cast<u32>((h + k) % kRefusedSlots);
        if (gRefused.search[slot] == gRefused.current) continue;
        gRefused.search[slot] = gRefused.current;
        gRefused.hash[slot] = h;
        return;
    }
}

// True when the search may make one more dictionary test (and counts it).
bool MayLookUp() {
    if (gRefused.active && gRefused.lookups >= gRefused.limit) return false;
    ++gRefused.lookups;
    return true;
}

}  // namespace

void BeginCandidateSearch(u32 limit) {
    gRefused.active = true;
    gRefused.lookups = 0;
    gRefused.limit = limit;
    if (++gRefused.current == 0) {  // the numbers wrapped: forget every slot
        for (u32& s : gRefused.search) s = 0;
        gRefused.current = 1;
    }
}

void EndCandidateSearch() { gRefused.active = false; }

u32 CandidateLookups() { return gRefused.lookups; }

i16 LookupCandidate(u16 mode, const BoundedString& w) {
    const u64 h = gRefused.active ? CandidateHash(mode, w) : 0;
    if ((gRefused.active && WasRefused(h)) || !MayLookUp()) return 0;
    Work36 copy;
    copy.Set(w);
    u16 count = 0;
    const i16 r = LookupWordForm(mode, copy.s, Tags(), count);
    if (gRefused.active && r <= 0) NoteRefused(h);
    return r;
}

bool IsKnownForm(u16 mode, const BoundedString& w) { return LookupCandidate(mode, w) > 0; }

bool IsKnownCompound(u16 mode, const BoundedString& w) {
    if (!MayLookUp()) return false;
    Work36 copy;
    copy.Set(w);
    u16 count = 0;
    return AnalyseCompoundWord(mode, copy.s, Tags(), count) > 0;
}

bool AddSuggestion(const BoundedString& w, u8 mark, u16& count, StringList& list) {
    gPendingSuggestionFlag = mark;
    i16 n = static_cast<i16>(count);
    const i16 full = AddUniqueSuggestion(w, n, list);
    count = static_cast<u16>(n);
    gPendingSuggestionFlag = 0;  // also when the candidate was refused
    return full != 0;
}

bool InsertByte(BoundedString& w, i32 pos, u8 c) {
    const i32 n = GetStringLength(w);
    if (pos < 0 || pos > n || n + 1 > kMaxCandidate || static_cast<u32>(n + 1) >= w.count) return false;
    std::memmove(w.data + pos + 1, w.data + pos, static_cast<size_t>(n - pos));
    w.data[pos] = c;
    w.data[n + 1] = 0;
    return true;
}

bool DeleteByte(BoundedString& w, i32 pos) {
    const i32 n = GetStringLength(w);
    if (pos < 0 || pos >= n) return false;
    std::memmove(w.data + pos, w.data + pos + 1, static_cast<size_t>(n - pos));
    return true;
}

bool AppendBytes(BoundedString& w, const u8* p, i32 k) {
    const i32 n = GetStringLength(w);
    if (k < 0 || n + k > kMaxCandidate || static_cast<u32>(n + k) >= w.count) return false;
    if (k > 0) std::memmove(w.data + n, p, static_cast<size_t>(k));
    w.data[n + k] = 0;
    return true;
}

bool PutByte(BoundedString& w, i32 pos, u8 c) {
    const i32 n = GetStringLength(w);
    if (pos == n) return AppendBytes(w, &c, 1);
    if (pos < 0 || pos > n) return false;
    w.data[pos] = c;
    return true;
}

bool SpellingRowSections(bool french, u8 c, RowSection (&sections)[5]) {
    const u8 code = gLetterCodes[c];
    if (code == 0) return false;
    const StringList& rows = french ? gFrenchSpellingRows : gEnglishSpellingRows;
    const BoundedString& row = rows[code - 1];
    const i32 n = GetStringLength(row);
    if (n < 6) return false;
    i32 at = 6;
    for (i32 k = 0; k < 5; ++k) {
        i32 d = row.data[1 + k] - '0';
        if (d < 0) d = 0;
        if (at + d > n) d = n - at > 0 ? n - at : 0;
        sections[k].bytes = row.data + at;
        sections[k].length = d;
        at += d;
    }
    return true;
}
