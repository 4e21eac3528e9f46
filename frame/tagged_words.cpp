// Homophone lists and their entry readers.
#include "frame/tagged_words.h"

#include "frame/bounded_string.h"
#include "frame/resources.h"

namespace {

// Words are at most 35 characters (a word string's capacity).
constexpr i32 kMaxTaggedWordLength = 35;
constexpr i32 kTaggedWordStart = 3;

// The block a list was last built from and the table it was given. The
// entries are views on the constant block, which nothing writes: a start-up
// that finds the list still holding that table for that block keeps it.
struct BuiltFrom {
    const u8* block = nullptr;
    u32 size = 0;
    const BoundedString* table = nullptr;
    u32 count = 0;
};
BuiltFrom gEnglishBuiltFrom;
BuiltFrom gFrenchBuiltFrom;

StringList BuiltInTaggedList(u16 id, BuiltFrom& from) {
    StringList list;
    const u8* data = nullptr;
    u32 size = 0;
    FindEmbeddedBlock("KRZDATA", id, &data, &size);
    ViewTaggedWordBlock(list, data, size);
    from = {data, size, list.data, list.count};
    return list;
}

void ReloadTaggedList(StringList& list, u16 id, BuiltFrom& from) {
    const u8* data = nullptr;
    u32 size = 0;
    FindEmbeddedBlock("KRZDATA", id, &data, &size);
    if (data != nullptr && data == from.block && size == from.size && list.valid != 0 &&
        list.data == from.table && list.count == from.count)
        return;
    list = BuiltInTaggedList(id, from);
}

}  // namespace

// Built from the embedded blocks when the library is loaded, so that the
// lists exist before the first call.
StringList gEnglishTaggedWords = BuiltInTaggedList(kEnglishTaggedWordsBlock, gEnglishBuiltFrom);
StringList gFrenchTaggedWords = BuiltInTaggedList(kFrenchTaggedWordsBlock, gFrenchBuiltFrom);

void ViewTaggedWordBlock(StringList& list, const u8* data, u32 size) {
    u32 n = 0;
    for (u32 i = 0; data != nullptr && i < size; ++i) n += data[i] == 0 ? 1 : 0;
    list.Allocate(n);
    u32 start = 0, k = 0;
    for (u32 i = 0; k < n && i < size; ++i) {
        if (data[i] != 0) continue;
        list.data[k++].View(const_cast<u8*>(data + start), i - start + 1);
        start = i + 1;
    }
}

void LoadTaggedWordLists() {
    ReloadTaggedList(gEnglishTaggedWords, kEnglishTaggedWordsBlock, gEnglishBuiltFrom);
    ReloadTaggedList(gFrenchTaggedWords, kFrenchTaggedWordsBlock, gFrenchBuiltFrom);
}

StringList& TaggedWordsFor(u16 language) {
    return language == 0 ? gEnglishTaggedWords : gFrenchTaggedWords;
}

i32 TaggedWordLength(const BoundedString& entry) {
    if (entry.valid == 0 || entry.count == 0) return 0;
    i32 length = entry[0] - '0';
    if (length < 1 || length > kMaxTaggedWordLength) return 0;
    // The word must lie inside the text.
    if (GetStringLength(entry) < kTaggedWordStart + length) return 0;
    return length;
}

u16 TaggedWordGroupKey(const BoundedString& entry) {
    if (GetStringLength(entry) < kTaggedWordStart) return 0;
    return static_cast<u16>((entry[1] << 8) | entry[2]);
}

void CopyTaggedWord(const BoundedString& entry, BoundedString& dest) {
    i32 length = TaggedWordLength(entry);
    if (dest.count == 0) return;
    i32 n = length < dest.last ? length : dest.last;
    for (i32 k = 0; k < n; ++k) dest[k] = entry[kTaggedWordStart + k];
    dest[n] = 0;
}

u16 TaggedWordEquals(const BoundedString& entry, const u8* text, i32 length) {
    if (length < 1 || TaggedWordLength(entry) != length) return 0;
    for (i32 k = 0; k < length; ++k) {
        if (entry[kTaggedWordStart + k] != text[k]) return 0;
    }
    return 1;
}

u16 IsTaggedVerbEntry(const BoundedString& entry) {
    i32 length = TaggedWordLength(entry);
    if (length == 0 || GetStringLength(entry) <= length + 5) return 0;
    return entry[length + 5] == 'V' ? 1 : 0;
}

u16 HasTaggedAnnotation(const BoundedString& entry, const char* code) {
    i32 length = TaggedWordLength(entry);
    if (length == 0) return 0;
    i32 end = GetStringLength(entry);
    i32 p = kTaggedWordStart + length;
    // Each annotation: blank, mark, code up to the next blank or the end.
    while (p + 1 < end && entry[p] == ' ' && entry[p + 1] == kTaggedAnnotationMark) {
        i32 k = p + 2;
        i32 c = 0;
        while (k < end && entry[k] != ' ' && code[c] != 0 && entry[k] == static_cast<u8>(code[c])) {
            ++k;
            ++c;
        }
        if (code[c] == 0 && (k == end || entry[k] == ' ')) return 1;
        while (k < end && entry[k] != ' ') ++k;
        p = k;
    }
    return 0;
}

i32 FindTaggedWord(const StringList& list, i32 count, const u8* text, i32 length) {
    if (count > static_cast<i32>(list.count)) count = static_cast<i32>(list.count);
    for (i32 i = 0; i < count; ++i) {
        if (TaggedWordEquals(list[i], text, length) != 0) return i;
    }
    return -1;
}

u16 CollectTaggedWordGroup(const StringList& list, i32 count, i32 index, u16* out,
                           u16 capacity) {
    if (count > static_cast<i32>(list.count)) count = static_cast<i32>(list.count);
    if (index < 0 || index >= count || capacity == 0) return 0;
    u16 n = 0;
    out[n++] = static_cast<u16>(index);
    u16 key = TaggedWordGroupKey(list[index]);
    for (i32 i = 0; i < count && n < capacity; ++i) {
        if (i != index && TaggedWordGroupKey(list[i]) == key) out[n++] = static_cast<u16>(i);
    }
    return n;
}
