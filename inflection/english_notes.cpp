// Notes of the English principal parts (see english_notes.h).
#include "inflection/english_notes.h"

#include <cstring>

#include "frame/resources.h"
#include "frame/bounded_string.h"

namespace {

constexpr u16 kNotesBlockId = 207;

// The notes of a verb: the bytes after its key up to the line feed.
struct NoteLine {
    const u8* at = nullptr;
    const u8* end = nullptr;
};

// The line starting at or before `p`.
const u8* LineStart(const u8* data, const u8* p) {
    while (p > data && p[-1] != '\n') --p;
    return p;
}

// Compares the verb, followed by its tab, with the key of the line at p:
// the lines stand in the byte order of their keys, and the tab sorts before
// every letter, so that a key that begins another sorts first.
int CompareKey(const u8* verb, u32 n, const u8* p, const u8* end) {
    for (u32 i = 0; i <= n; ++i) {
        const u8 want = i < n ? verb[i] : '\t';
        const u8 have = p + i < end && p[i] != '\n' ? p[i] : 0;
        if (want != have) return want < have ? -1 : 1;
    }
    return 0;
}

// The notes line of the verb, found by halving the block.
NoteLine SearchNotes(const BoundedString& verb) {
    const u8* data = nullptr;
    u32 size = 0;
    NoteLine line;
    if (!FindEmbeddedBlock("KRZDATA", kNotesBlockId, &data, &size) || data == nullptr) return line;
    const u32 n = TextLen(verb);
    const u8* lo = data;
    const u8* hi = data + size;
    const u8* end = hi;
    while (lo < hi) {
        const u8* p = LineStart(lo, lo + (hi - lo) / 2);
        const u8* feed = static_cast<const u8*>(std::memchr(p, '\n', static_cast<size_t>(end - p)));
        if (feed == nullptr) feed = end;
        const int c = CompareKey(verb.data, n, p, feed);
        if (c == 0) {
            line.at = p + n;
            line.end = feed;
            return line;
        }
        if (c < 0) hi = p;
        else lo = feed + 1;
    }
    return line;
}

// The notes line of the verb. A conjugation asks for the same verb's line
// twice per slot: the last verb's line is kept (the block never moves).
NoteLine FindNotes(const BoundedString& verb) {
    constexpr u32 kKept = 36;
    static u8 lastVerb[kKept] = {};  // zero-terminated; empty: none kept
    static NoteLine lastLine;
    const u32 n = TextLen(verb);
    if (n == 0 || n >= kKept) return SearchNotes(verb);
    if (lastVerb[n] == 0 && std::memcmp(lastVerb, verb.data, n) == 0 && std::memchr(lastVerb, 0, n) == nullptr)
        return lastLine;
    lastLine = SearchNotes(verb);
    std::memcpy(lastVerb, verb.data, n);
    lastVerb[n] = 0;
    return lastLine;
}

// Calls `use` with each note of the slot, in order, that is (or is not)
// shown before the row's form.
template <typename Use>
void ForEachNote(const BoundedString& verb, u32 slot, bool before, Use use) {
    const NoteLine line = FindNotes(verb);
    for (const u8* p = line.at; p != nullptr && p < line.end;) {
        const u8* field = p + 1;  // past the tab
        const u8* next = field;
        while (next < line.end && *next != '\t') ++next;
        p = next;
        if (next - field < 2 || field[0] != '0' + slot) continue;
        const bool lead = field[1] == '<';
        if (lead != before) continue;
        const u8* form = field + (lead ? 2 : 1);
        Work36 text;
        CopyBytesToString(text.s, form, static_cast<u32>(next - form));
        use(text.s);
    }
}

}  // namespace

bool EntryShows(const BoundedString& entry, const BoundedString& form) {
    const u32 n = TextLen(entry), f = TextLen(form);
    if (f == 0) return true;
    auto inWord = [](u8 b) { return b != ' ' && b != '(' && b != ')' && b != ','; };
    for (u32 at = 0; at + f <= n; ++at) {
        if (std::memcmp(entry.data + at, form.data, f) != 0) continue;
        const bool starts = at == 0 || !inWord(entry.data[at - 1]);
        const bool ends = at + f == n || !inWord(entry.data[at + f]);
        if (starts && ends) return true;
    }
    return false;
}

void AppendEnglishNote(BoundedString& entry, const BoundedString& form) {
    if (EntryShows(entry, form)) return;
    if (TextLen(entry) == 0) {
        TextCopy(entry, form);
        return;
    }
    AppendCString(entry, " (or ");
    AppendString(entry, form);
    AppendCString(entry, ")");
}

void EnglishNotesBefore(const BoundedString& verb, u32 slot, BoundedString& entry) {
    Work72 lead;
    ForEachNote(verb, slot, true, [&](const BoundedString& form) { AppendEnglishNote(lead.s, form); });
    if (TextLen(lead.s) == 0) return;
    if (TextLen(entry) != 0 && !EntryShows(lead.s, entry)) {
        AppendCString(lead.s, " (or ");
        AppendString(lead.s, entry);
        AppendCString(lead.s, ")");
    }
    TextCopy(entry, lead.s);
}

void EnglishNotesAfter(const BoundedString& verb, u32 slot, BoundedString& entry) {
    ForEachNote(verb, slot, false, [&](const BoundedString& form) { AppendEnglishNote(entry, form); });
}

namespace {

// Start of the last note of the entry (its ", " or " (or " or " or "), or 0.
u32 LastNoteStart(const BoundedString& entry) {
    const u32 n = TextLen(entry);
    for (u32 p = n; p-- > 1;) {
        const u8* at = entry.data + p;
        if (at[0] == ',' && p + 1 < n && at[1] == ' ') return p;
        if (at[0] == ' ' && p + 4 <= n && std::memcmp(at, " or ", 4) == 0) return p;
        if (at[0] == ' ' && p + 5 <= n && std::memcmp(at, " (or ", 5) == 0) return p;
    }
    return 0;
}

// True when a parenthesis is open before position p.
bool OpenBefore(const BoundedString& entry, u32 p) {
    i32 depth = 0;
    for (u32 k = 0; k < p; ++k) depth += entry.data[k] == '(' ? 1 : entry.data[k] == ')' ? -1 : 0;
    return depth > 0;
}

}  // namespace

void FitEnglishEntry(BoundedString& entry, u32 limit) {
    u32 n = TextLen(entry);
    if (n <= limit) return;
    static constexpr char kJoin[] = ") (or ";
    constexpr u32 kJoinLength = sizeof kJoin - 1;
    u32 out = 0;
    for (u32 k = 0; k < n;) {
        if (k + kJoinLength <= n && std::memcmp(entry.data + k, kJoin, kJoinLength) == 0) {
            entry.data[out++] = ',';
            entry.data[out++] = ' ';
            k += kJoinLength;
        } else {
            entry.data[out++] = entry.data[k++];
        }
    }
    entry.data[out] = 0;
    while (TextLen(entry) > limit) {
        const u32 p = LastNoteStart(entry);
        if (p == 0) return;
        const bool open = OpenBefore(entry, p);
        TextCut(entry, p);
        if (open) AppendCString(entry, ")");
    }
}
