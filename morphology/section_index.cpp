// Index of the entries of each dictionary section (see section_index.h).
#include "morphology/section_index.h"

#include "frame/bounded_array.h"
#include "frame/loader.h"
#include "frame/settings.h"
#include "frame/tables.h"

namespace {

struct SectionIndex {
    u32 start = 0;   // the section span it was built for
    u32 length = 0;
    u32 thirdSize = 0;  // bytes of the third-letter index
    bool built = false;
    bool usable = false;
    BoundedArray<IndexedEntry> entries;
    BoundedArray<u32> listFirst;  // list k: entries [listFirst[k], listFirst[k + 1])
};

// The indexes of one dictionary body.
struct BodyIndex {
    DictStamp dict;
    bool french = false;
    BoundedArray<SectionIndex> sections;
};

// French and English bodies keep their indexes side by side.
BodyIndex gBodyIndexes[2];

BodyIndex& CurrentBodyIndex() {
    const bool french = gCheckingLanguage != 0;
    BodyIndex& b = gBodyIndexes[french ? 0 : 1];
    if (b.dict != CurrentDictStamp() || b.french != french || b.sections.count != gDictSectionCount) {
        b.dict = CurrentDictStamp();
        b.french = french;
        b.sections.Allocate(gDictSectionCount);
    }
    return b;
}

// Counts the entries of the list [begin, end), or records them from `at`
// on when `out` is given; the walk's own reading of control codes and
// items decides where an entry ends.
u32 ReadEntries(u32 begin, u32 end, bool french, IndexedEntry* out) {
    u32 n = 0;
    i32 items = 1;
    bool groupPending = false;
    bool inStem = false;
    bool fresh = true;
    IndexedEntry* e = nullptr;
    for (u32 p = begin; p < end; ++p) {
        const u8 b = DictBodyByte(p);
        if (fresh) {
            fresh = false;
            inStem = true;
            e = out != nullptr ? &out[n] : nullptr;
            if (e != nullptr) *e = IndexedEntry{p, 0, {0, 0, 0}};
            ++n;
        }
        const bool control = !groupPending && IsDictControlCode(french, b);
        const bool letter = !groupPending && !control && IsDictLetter(french, b);
        const bool stemByte = letter || (control && !french && b == kMarkApostrophe);
        if (inStem && stemByte) {
            if (e != nullptr) {
                if (e->stemLength < 3) e->stem[e->stemLength] = b;
                if (e->stemLength < kAlwaysWalked - 1) ++e->stemLength;
                else e->stemLength = kAlwaysWalked;
            }
            continue;
        }
        if (control) {
            inStem = false;
            if (b >= kGroupCodeFirst && b <= kGroupCodeLast) {
                items = b - 121;
                groupPending = true;
            } else if (b >= kCountCodeFirst && b <= kCountCodeLast) {
                items = b - 129;
            }
            continue;
        }
        if (letter) continue;
        // An item and its second byte; the last item of the entry ends it.
        inStem = false;
        groupPending = false;
        --items;
        if (p + 1 >= end) {
            // A list that ends inside an item: the walk reports it there.
            if (e != nullptr) e->stemLength = kAlwaysWalked;
            return n;
        }
        ++p;
        if (items < 2) {
            items = 1;
            fresh = true;
        }
    }
    // A list that ends inside an entry: walked as it is.
    if (!fresh && e != nullptr) e->stemLength = kAlwaysWalked;
    return n;
}

void BuildSectionIndex(SectionIndex& x, const DictSectionSpan& span, bool french) {
    x.built = true;
    x.usable = false;
    x.start = span.start;
    x.length = span.length;
    x.entries.Release();
    x.listFirst.Release();
    if (span.length < 3) return;
    const u32 s = span.start;
    const u32 n = DictBodyByte(s + 2);
    if (n == 0 || n % 3 != 0 || n + 3 > span.length) return;
    const u32 listsBegin = DictBodyU16(s + n + 1);
    if (listsBegin < n + 3 || listsBegin > span.length || (listsBegin - n) % 3 != 0) return;
    const u32 lists = (listsBegin - n) / 3;
    u32 total = 0;
    for (u32 k = 0; k < lists; ++k) {
        EntryListSpan list;
        if (EntryListAt(s, span.length, listsBegin, n + 3 * k, list))
            total += ReadEntries(list.begin, list.end, french, nullptr);
    }
    x.entries.Allocate(total);
    x.listFirst.Allocate(lists + 1);
    u32 at = 0;
    for (u32 k = 0; k < lists; ++k) {
        x.listFirst.data[k] = at;
        EntryListSpan list;
        if (EntryListAt(s, span.length, listsBegin, n + 3 * k, list))
            at += ReadEntries(list.begin, list.end, french, x.entries.data + at);
    }
    x.listFirst.data[lists] = at;
    x.thirdSize = n;
    x.usable = true;
}

}  // namespace

bool FindIndexedList(i16 section, const DictSectionSpan& span, const EntryListSpan& list, IndexedList& out) {
    BodyIndex& b = CurrentBodyIndex();
    if (section < 0 || static_cast<u32>(section) >= b.sections.count) return false;
    SectionIndex& x = b.sections.data[section];
    if (!x.built || x.start != span.start || x.length != span.length) BuildSectionIndex(x, span, b.french);
    if (!x.usable || list.record < x.thirdSize) return false;
    const u32 k = (list.record - x.thirdSize) / 3;
    if (k + 1 >= x.listFirst.count) return false;
    const u32 first = x.listFirst.data[k];
    const u32 last = x.listFirst.data[k + 1];
    if (first > last || last > x.entries.count) return false;
    out.entries = x.entries.data + first;
    out.count = last - first;
    return true;
}
