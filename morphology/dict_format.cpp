// Readers of the main dictionary format (see dict_format.h).
#include "morphology/dict_format.h"

#include <cstring>

#include "frame/bounded_string.h"
#include "frame/loader.h"
#include "frame/records.h"
#include "frame/tables.h"

u32 gDictFaultCount = 0;
u16 gDictLastFault = kDictFaultNone;

void ReportDictFault(DictFault kind) {
    ++gDictFaultCount;
    gDictLastFault = kind;
}

void ClearDictFaults() {
    gDictFaultCount = 0;
    gDictLastFault = kDictFaultNone;
}

bool GetDictSection(i32 section, DictSectionSpan& span) {
    if (section < 1 || section >= static_cast<i32>(gDictSectionCount)) return false;
    if (static_cast<u32>(section) >= gDictPrefixIndex.count) {
        ReportDictFault(kDictFaultSection);
        return false;
    }
    const DictSectionEntry& e = gDictPrefixIndex.data[section];
    if (static_cast<u64>(e.Offset) + e.Length > gDictBody.count) {
        ReportDictFault(kDictFaultSection);
        return false;
    }
    span.start = e.Offset;
    span.length = e.Length;
    return true;
}

namespace {

// Size of the section's third-letter index and start of its lists, read
// from its header; false when the section holds no word (a short section or
// an empty index) or its header is corrupt (a fault).
bool ReadSectionHeader(const DictSectionSpan& section, u32& n, u32& listsBegin) {
    // A section shorter than one index entry, or whose index is empty, holds
    // no word.
    if (section.length < 3) return false;
    const u32 s = section.start;
    n = DictBodyByte(s + 2);  // size of the third-letter index
    if (n == 0) return false;
    if (n % 3 != 0 || n + 3 > section.length) {
        ReportDictFault(kDictFaultIndex);
        return false;
    }
    listsBegin = DictBodyU16(s + n + 1);
    if (listsBegin < n + 3 || listsBegin > section.length || (listsBegin - n) % 3 != 0) {
        ReportDictFault(kDictFaultIndex);
        return false;
    }
    return true;
}

// Positions the cursor on the fourth-letter entries of third-letter entry
// j (a multiple of 3 below n).
bool OpenThirdLetterEntry(const DictSectionSpan& section, u32 n, u32 listsBegin, u32 j, u8 fourth,
                          EntryListCursor& cursor) {
    const u32 s = section.start;
    const u32 a = DictBodyU16(s + j + 1);
    const u32 b = j + 3 < n ? DictBodyU16(s + j + 4) : listsBegin;
    if (a < n || a > b || b > listsBegin || (a - n) % 3 != 0 || (b - n) % 3 != 0) {
        ReportDictFault(kDictFaultIndex);
        return false;
    }
    cursor.sectionStart = s;
    cursor.sectionLength = section.length;
    cursor.listsBegin = listsBegin;
    cursor.next = a;
    cursor.stop = b;
    cursor.fourth = fourth;
    return true;
}

}  // namespace

bool OpenEntryLists(const DictSectionSpan& section, u8 third, u8 fourth, EntryListCursor& cursor) {
    u32 n = 0;
    u32 listsBegin = 0;
    if (!ReadSectionHeader(section, n, listsBegin)) return false;
    for (u32 j = 0; j < n; j += 3)
        if (DictBodyByte(section.start + j) == third)
            return OpenThirdLetterEntry(section, n, listsBegin, j, fourth, cursor);
    return false;
}

bool OpenEntryListsAt(const DictSectionSpan& section, u32 j, u8 fourth, EntryListCursor& cursor) {
    u32 n = 0;
    u32 listsBegin = 0;
    if (!ReadSectionHeader(section, n, listsBegin) || j >= n || j % 3 != 0) return false;
    return OpenThirdLetterEntry(section, n, listsBegin, j, fourth, cursor);
}

bool NextEntryList(EntryListCursor& cursor, EntryListSpan& list) {
    const u32 s = cursor.sectionStart;
    while (cursor.next < cursor.stop) {
        const u32 e = cursor.next;
        cursor.next += 3;
        if (DictBodyByte(s + e) != cursor.fourth) continue;
        if (!EntryListAt(s, cursor.sectionLength, cursor.listsBegin, e, list)) {
            ReportDictFault(kDictFaultList);
            continue;
        }
        return true;
    }
    return false;
}

bool EntryListAt(u32 sectionStart, u32 sectionLength, u32 listsBegin, u32 record, EntryListSpan& list) {
    const u32 begin = DictBodyU16(sectionStart + record + 1);
    const u32 end = record + 3 < listsBegin ? DictBodyU16(sectionStart + record + 4) : sectionLength;
    if (begin < listsBegin || begin > end || end > sectionLength) return false;
    list.begin = sectionStart + begin;
    list.end = sectionStart + end;
    list.record = record;
    return true;
}

KeyText MakeKeyText(const BoundedString& key) {
    KeyText k;
    if (key.valid == 0 || key.data == nullptr) return k;
    k.bytes = key.data;
    k.length = static_cast<u32>(GetStringLength(key));
    return k;
}

bool KeyEquals(const KeyText& key, const char* text) {
    const u32 n = static_cast<u32>(std::strlen(text));
    return n == key.length && (n == 0 || std::memcmp(key.bytes, text, n) == 0);
}

bool KeyStartsWith(const KeyText& key, const char* text) {
    const u32 n = static_cast<u32>(std::strlen(text));
    return n <= key.length && (n == 0 || std::memcmp(key.bytes, text, n) == 0);
}

// ---- French ending codes -------------------------------------------------------

namespace {

constexpr u8 kEAcute = 0x8E;       // é
constexpr u8 kIDiaeresis = 0x95;   // ï
constexpr u8 kEDiaeresis = 0x91;   // ë
constexpr u8 kEGrave = 0x8F;       // è
constexpr u8 kECircumflex = 0x90;  // ê
constexpr u8 kAGrave = 0x88;       // à
constexpr u8 kOCircumflex = 0x99;  // ô
constexpr u8 kUGrave = 0x9D;       // ù

bool IsSXZ(u8 c) { return c == 's' || c == 'x' || c == 'z'; }

bool Set(EndingReading& out, u8 number, u8 gender) {
    out.number = number;
    out.gender = gender;
    return true;
}

// The accented letter a one-letter code stands for (0: none).
u8 AccentedLetter(u8 code) {
    switch (code) {
        case 28: case 92: case 60: return kEAcute;
        case 29: case 93: case 61: return kIDiaeresis;
        case 94: return kEDiaeresis;
        case 95: return kEGrave;
        case 64: return kECircumflex;
        case 30: return kAGrave;
        case 31: return kOCircumflex;
        case 32: return kUGrave;
        default: return 0;
    }
}

bool MatchEndingRest0(u8 code, const KeyText& key, EndingReading& out) {
    const u8 number = IsSXZ(key.Last()) ? 3 : 1;
    if (code == 27 || code == 91) return Set(out, number, 0);
    if (code == 59) return Set(out, number, kGenderBitsMasc);
    return false;
}

bool MatchEndingRest1(u8 code, const KeyText& key, EndingReading& out) {
    const u8 c = key.Last();
    if (code >= 1 && code <= 26) return c == code + 96 && Set(out, IsSXZ(c) ? 3 : 1, 0);
    if (code >= 33 && code <= 58) return c == code + 64 && Set(out, c == 's' ? 3 : 1, kGenderBitsMasc);
    if (code >= 65 && code <= 90) return c == code + 32 && Set(out, 1, 0);
    if (code == 91) return c == 's' && Set(out, 2, 0);
    if (code == 59) {
        if (c == 'e') return Set(out, 1, kGenderBitsFem);
        return c == 's' && key.Last(1) != 's' && Set(out, 2, kGenderBitsMasc);
    }
    const u8 accented = AccentedLetter(code);
    if (accented == 0 || c != accented) return false;
    return Set(out, 1, (code == 60 || code == 61) ? kGenderBitsMasc : 0);
}

bool MatchEndingRest2(u8 code, const KeyText& key, EndingReading& out) {
    const u8 c0 = key.Last(1);
    const u8 c1 = key.Last();
    if (code >= 65 && code <= 90) return c0 == code + 32 && c1 == 's' && Set(out, 2, 0);
    if (code >= 33 && code <= 58) {
        if (c0 != code + 64) return false;
        if (c1 == 's' && code != 51) return Set(out, 2, kGenderBitsMasc);
        return c1 == 'e' && Set(out, 1, kGenderBitsFem);
    }
    if (code == 59) return c0 == 'e' && c1 == 's' && Set(out, 2, kGenderBitsFem);
    if (code == 60 || code == 61) {
        if (c0 != AccentedLetter(code)) return false;
        if (c1 == 's') return Set(out, 2, kGenderBitsMasc);
        return c1 == 'e' && Set(out, 1, kGenderBitsFem);
    }
    if (code == 92 || code == 93 || code == 94 || code == 95 || code == 64)
        return c0 == AccentedLetter(code) && c1 == 's' && Set(out, 2, 0);
    return false;
}

bool MatchEndingRest3(u8 code, const KeyText& key, EndingReading& out) {
    if (key.Last(1) != 'e' || key.Last() != 's') return false;
    const u8 c0 = key.Last(2);
    if (code >= 33 && code <= 58) return c0 == code + 64 && Set(out, 2, kGenderBitsFem);
    if (code == 60 || code == 61) return c0 == AccentedLetter(code) && Set(out, 2, kGenderBitsFem);
    return false;
}

// Suffix list entry `index` compared on its first n letters with the key's
// letters from `rest` on.
bool SuffixPrefixEquals(u32 index, const u8* rest, u32 n) {
    const BoundedString& s = gFrenchSuffixes[static_cast<i32>(index)];
    if (static_cast<u32>(GetStringLength(s)) < n) return false;
    return n == 0 || std::memcmp(s.data, rest, n) == 0;
}

// One suffix of a suffix code: `which` is its place among the code's
// suffixes (0, 1, 2).
bool MatchOneSuffix(u8 code, u32 which, u32 index, const KeyText& key, u32 r, EndingReading& out) {
    const u8 last = key.Last();
    const u8* rest = key.bytes + key.length - r;
    auto genderFor = [&](u8 finalLetter) -> u8 {
        if (code == 252) return which == 1 ? kGenderBitsFem : 0;
        return finalLetter == 'e' ? kGenderBitsFem : kGenderBitsMasc;
    };
    const u32 block = index / 32;
    const u32 position = index % 32;
    if (r >= 2 && block == r - 2 && SuffixPrefixEquals(index, rest, r)) {
        if (code == 255 && which == 2) return Set(out, 2, kGenderBitsMasc);
        return Set(out, (last == 's' || last == 'x') ? 3 : 1, genderFor(last));
    }
    if (last == 's' && r >= 3 && block == r - 3 && position >= 4 && position <= 30 &&
        SuffixPrefixEquals(index, rest, r - 1))
        return Set(out, 2, genderFor(key.Last(1)));
    if (last == 'x' && key.Last(1) == 'u' && (code == 161 || code == 162 || code == 171) && r >= 1 &&
        SuffixPrefixEquals(index, rest, r - 1))
        return Set(out, 2, kGenderBitsMasc);
    return false;
}

bool MatchSuffixCode(u8 code, const KeyText& key, u32 r, EndingReading& out) {
    if (r == 0 || r > kFrenchMaxSuffixRemainder) return false;
    u32 indexes[3];
    u32 n = 0;
    if (code == 255) {
        indexes[n++] = gLetterTable[95];
        indexes[n++] = gLetterTable[118];
        indexes[n++] = gLetterTable[119];
    } else {
        indexes[n++] = gLetterTable[code - 160];
        if (code >= 233) indexes[n++] = gLetterTable[code - 137];
    }
    for (u32 k = 0; k < n; ++k)
        if (MatchOneSuffix(code, k, indexes[k], key, r, out)) return true;
    return false;
}

}  // namespace

bool MatchFrenchEnding(u8 code, const KeyText& key, u32 r, EndingReading& out) {
    if (r > key.length) return false;
    if (code >= kSuffixCodeFirst) return MatchSuffixCode(code, key, r, out);
    if (code > 0x5F) return false;
    switch (r) {
        case 0: return MatchEndingRest0(code, key, out);
        case 1: return MatchEndingRest1(code, key, out);
        case 2: return MatchEndingRest2(code, key, out);
        case 3: return MatchEndingRest3(code, key, out);
        default: return false;
    }
}

// ---- Verb endings --------------------------------------------------------------

namespace {

BoundedString* const kCurrentEndingLists[10] = {&gEndings1, &gEndings2, &gEndings3, &gEndings4,
                                                &gEndings5, &gEndings6, &gEndings7, &gEndings8,
                                                &gEndings9, &gEndings10};
constexpr u8 kNoFormMarker = '0';
constexpr u8 kEmptyEndingMarker = '$';

}  // namespace

const u8* EndingText(u32 length, u32 index) {
    if (length < 1 || length > 10) return nullptr;
    const BoundedString& list = *kCurrentEndingLists[length - 1];
    if (static_cast<u64>(index + 1) * length > list.count) {
        ReportDictFault(kDictFaultEnding);
        return nullptr;
    }
    return list.data + index * length;
}

u32 FrenchModelCount() { return gEndingRows.count; }

namespace {

constexpr u32 kSlotLengths = 11;  // 0..10 letters

// Slot bits of every (model, length), for the rows they were derived from.
struct SlotLengthTable {
    const EndingRow* rows = nullptr;
    u32 count = 0;
    u32 installCount = 0;
    BoundedArray<u64> bits;
};
SlotLengthTable gSlotLengths;

void DeriveSlotLengths() {
    SlotLengthTable& t = gSlotLengths;
    t.rows = gEndingRows.data;
    t.count = gEndingRows.count;
    t.installCount = gDictInstallCount;
    t.bits.Allocate(t.count * kSlotLengths);
    for (u32 m = 0; m < t.count; ++m) {
        const EndingRow& row = gEndingRows.data[m];
        for (u32 slot = 0; slot < kFrenchSlotCount; ++slot) {
            const u32 length = row.EndingLengths[static_cast<i32>(slot)];
            if (length < kSlotLengths) t.bits.data[m * kSlotLengths + length] |= u64{1} << slot;
        }
    }
}

}  // namespace

u64 FrenchSlotsOfLength(u32 model, u32 length) {
    const SlotLengthTable& t = gSlotLengths;
    if (t.rows != gEndingRows.data || t.count != gEndingRows.count || t.installCount != gDictInstallCount)
        DeriveSlotLengths();
    if (model >= t.count || length >= kSlotLengths) return 0;
    return t.bits.data[model * kSlotLengths + length];
}

u32 FrenchItemRemainders(bool verb, u8 byte) {
    if (!verb) {
        // Codes read 64 lower behind a modifier mark.
        u32 bits = 0;
        for (const u8 code : {byte, static_cast<u8>(byte >= 64 ? byte - 64 : byte)}) {
            if (code >= kSuffixCodeFirst) bits |= ((1u << (kFrenchMaxSuffixRemainder + 1)) - 1) & ~1u;
            else if (code <= 0x5F) bits |= 0xFu;  // 0 to 3 letters
        }
        return bits;
    }
    const u32 model = byte & 0x7Fu;
    if (model == 127 || model == 125) return 1u;  // the stem alone
    const u32 upToMax = (1u << (kFrenchMaxVerbRemainder + 1)) - 1;
    if (model >= FrenchModelCount()) return upToMax;  // the walk reports the model
    FrenchSlotsOfLength(model, 1);  // the table derived for the current rows
    const u64* lengths = gSlotLengths.bits.data + model * kSlotLengths;
    u32 bits = 0;
    for (u32 length = 1; length <= kFrenchMaxVerbRemainder && length < kSlotLengths; ++length)
        if (lengths[length] != 0) bits |= 1u << length;
    if ((bits & 2u) != 0) bits |= 1u;  // "$": nothing left
    return bits;
}

bool FrenchSlotMatches(u32 model, u32 slot, const KeyText& key, u32 r) {
    if (model >= gEndingRows.count || slot >= kFrenchSlotCount) return false;
    const EndingRow& row = gEndingRows.data[model];
    const i32 at = static_cast<i32>(slot);
    const bool whole = at <= row.EndingLengths.last && at <= row.EndingIndexes.last;
    const u32 length = whole ? row.EndingLengths.data[slot] : row.EndingLengths[at];
    const u32 index = whole ? row.EndingIndexes.data[slot] : row.EndingIndexes[at];
    if (r == 0) {
        if (length != 1) return false;
        const u8* text = EndingText(1, index);
        return text != nullptr && text[0] == kEmptyEndingMarker;
    }
    if (length != r || r > key.length) return false;
    const u8* text = EndingText(r, index);
    if (text == nullptr) return false;
    if (r == 1 && (text[0] == kNoFormMarker || text[0] == kEmptyEndingMarker)) return false;
    // At most ten bytes: compared in place rather than through a call.
    const u8* end = key.bytes + key.length - r;
    for (u32 i = 0; i < r; ++i)
        if (text[i] != end[i]) return false;
    return true;
}
