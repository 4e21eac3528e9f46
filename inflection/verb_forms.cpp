// Stem and model search (see verb_forms.h).
#include "inflection/verb_forms.h"

#include <algorithm>

#include "frame/bounded_string.h"
#include "frame/loader.h"
#include "frame/mac_roman_literal.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "lexicon/lex_lookup.h"
#include "morphology/dict_format.h"
#include "morphology/section_index.h"

namespace {

constexpr u8 kVariant = 156;
constexpr u8 kE_acute = MRC("é");
constexpr u8 kE_grave = MRC("è");
constexpr u32 kMaxWord = 30;
constexpr u16 kFrenchLastSection = 384;

bool IsFrench() { return gCheckingLanguage != 0; }

// ---- Results ----------------------------------------------------------------

BoundedString& NewResult(BoundedArray<BoundedString>& results, u16 count) {
    BoundedString& r = results[count];
    TextClear(r);
    return r;
}

void Bump(u16& count) {
    if (count < 0xFFFF) ++count;
}

// Appends `text` without its leading reserved-prefix bytes (64 and below).
void AppendWithoutPrefix(BoundedString& out, const u8* text, u32 n) {
    u32 i = 0;
    while (i < n && text[i] <= 64) ++i;
    AppendBytesToString(out, text + i, n - i);
}

// ---- One section --------------------------------------------------------------

struct Build {
    u8 op = 0;
    bool french = true;
    KeyText key;
    BoundedArray<BoundedString>* results = nullptr;
    u16* count = nullptr;
    u32 listBegin = 0;
    // Entry state.
    u32 matched = 0;
    i32 items = 1;
    bool groupPending = false;
    bool inGroup = false;
    bool skip = false;
    // Alternate-stem mode.
    bool alt = false;
    bool startAlt = false;
    u32 altLetters = 0;
    Work36 altText;
    // Operation 6: the captured base word of a variant.
    bool captured = false;
    Work36 base;
};

bool IsLetter(const Build& b, u8 c) { return c >= (b.french ? 96 : 65) && c <= 159; }

u32 Remainder(const Build& b) {
    const u32 used = 4 + b.matched;
    return b.key.length > used ? b.key.length - used : 0;
}
const u8* RemainderText(const Build& b) { return b.key.bytes + b.key.length - Remainder(b); }

void ResetEntry(Build& b) {
    b.items = 1;
    b.groupPending = false;
    b.inGroup = false;
    b.skip = false;
    if (!b.startAlt) {
        b.matched = 0;
        b.alt = false;
    }
}

// The stem that a result starts with: the alternate text, or the key up to
// the matched stem letters.
void WriteStem(const Build& b, BoundedString& out) {
    if (b.alt)
        AppendWithoutPrefix(out, b.altText.bytes, TextLen(b.altText.s));
    else
        AppendWithoutPrefix(out, b.key.bytes, 4 + b.matched < b.key.length ? 4 + b.matched : b.key.length);
}

void BeginAlternate(Build& b) {
    b.startAlt = true;
    b.alt = true;
    b.altLetters = 0;
    CopyBytesToString(b.altText.s, b.key.bytes, b.key.length < 4 ? b.key.length : 4);
}

// Slot test of a verb model item against the remainder.
bool SlotMatches(const Build& b, u32 model) {
    const u32 n = Remainder(b);
    const u8* rest = RemainderText(b);
    Work36 ending;
    if (b.french) {
        if (n >= 11) return false;
        const EndingRow& row = FrenchRow(model);
        for (u32 t = 0; t < kFrenchEndingSlots; ++t) {
            if (b.alt && b.altLetters == 1 && t >= 3 && t <= 5) continue;
            const u32 len = row.EndingLengths[static_cast<i32>(t)];
            if (n != 0 && len != n) continue;  // no need to read its text
            FrenchSlotEnding(row, t, ending.s);
            if (n == 0) {
                if (TextEquals(ending.s, "$")) return true;
            } else if (len == n && TextLen(ending.s) == n && std::memcmp(ending.bytes, rest, n) == 0 &&
                       !(n == 1 && (ending.bytes[0] == '0' || ending.bytes[0] == '$'))) {
                return true;
            }
        }
        return false;
    }
    if (n >= 8) return false;
    const EnglishEndingRow& row = EnglishRow(model);
    for (u32 t = 0; t < kEnglishEndingSlots; ++t) {
        const u32 len = row.EndingLengths[static_cast<i32>(t)];
        if (n != 0 && len != n) continue;
        EnglishSlotEnding(row, t, ending.s);
        if (n == 0) {
            if (TextEquals(ending.s, "$")) return true;
        } else if (len == n && TextLen(ending.s) == n && std::memcmp(ending.bytes, rest, n) == 0 &&
                   !(n == 1 && (ending.bytes[0] == '0' || ending.bytes[0] == '$'))) {
            return true;
        }
    }
    return false;
}

void ReadModelItem(Build& b, u32 p) {
    if (b.skip) return;
    const u8 byte = DictBodyByte(p);
    const u8 flags = DictBodyByte(p + 1);
    const bool marked = byte > 127;
    const u32 model = marked ? byte - 128u : byte;
    bool match = false;
    if (b.french && (model == 125 || model == 127))
        match = Remainder(b) == 0;
    else if (b.french && b.alt && (model == 13 || model == 83 || model == 93 || model == 103))
        match = true;
    else
        match = SlotMatches(b, model);
    if (!match) return;
    BoundedString& r = NewResult(*b.results, *b.count);
    WriteStem(b, r);
    u8 out = byte;
    if (!b.french && marked) out = static_cast<u8>(model);
    if (b.op == 3) {
        const bool finalE = b.key.Last() == 'e' && b.key.Last(1) != kE_acute;
        if ((flags & 0x1F) < 4 && model < 14 && finalE) out = 127;
        AppendByteToString(r, out);
        AppendByteToString(r, '~');
        Bump(*b.count);
        return;
    }
    AppendByteToString(r, out);
    Bump(*b.count);
    b.skip = true;  // the rest of the group is not tried
    if (b.op != 6 && DictBodyByte(p + 2) == kVariant) BeginAlternate(b);
}

// ---- Ending items -------------------------------------------------------------------

u8 FrenchLetterOf(u8 code) {
    if (code >= 1 && code <= 26) return static_cast<u8>(code + 96);
    if (code >= 33 && code <= 58) return static_cast<u8>(code + 64);
    if (code >= 65 && code <= 90) return static_cast<u8>(code + 32);
    switch (code) {
        case 59: return 'e';
        case 28: case 60: case 92: return kE_acute;
        case 29: case 61: case 93: return MRC("ï");
        case 94: return MRC("ë");
        case 95: return kE_grave;
        case 64: return MRC("ê");
        case 30: return MRC("à");
        case 31: return MRC("ô");
        case 32: return MRC("ù");
        default: return 0;
    }
}

bool FrenchEndingMatches(u8 code, const u8* rest, u32 n) {
    if (n == 0) return code == 27 || code == 59 || code == 91;
    if (n == 1) return FrenchLetterOf(code) != 0 && rest[0] == FrenchLetterOf(code);
    if (n == 2) {
        if (code >= 33 && code <= 58) return rest[0] == code + 64 && rest[1] == 'e';
        if (code == 60) return rest[0] == kE_acute && rest[1] == 'e';
        if (code == 61) return rest[0] == MRC("ï") && rest[1] == 'e';
    }
    return false;
}

u8 EnglishLetterOf(u8 code) {
    if (code >= 1 && code <= 26) return static_cast<u8>(code + 96);
    if (code >= 33 && code <= 58) return static_cast<u8>(code + 64);
    switch (code) {
        case 31: return 'y';
        case 59: return 'h';
        case 60: return 'o';
        case 61: return 's';
        case 62: return 'x';
        case 63: return 'z';
        default: return 0;
    }
}

bool EnglishEndingMatches(u8 code, const u8* rest, u32 n) {
    if (n == 0) return code == 27 || code == 30 || code == 32;
    if (n == 1) return EnglishLetterOf(code) != 0 && rest[0] == EnglishLetterOf(code);
    return false;
}

bool SuffixEquals(const StringList& list, u32 index, const u8* rest, u32 n) {
    const BoundedString& s = list[static_cast<i32>(index)];
    return TextLen(s) == n && (n == 0 || std::memcmp(s.data, rest, n) == 0);
}

// 0 when the suffix code does not spell the remainder, else the number (1,
// 2, 3) of the suffix that does.
u8 SuffixMatch(const Build& b, u8 code) {
    const u32 n = Remainder(b);
    const u8* rest = RemainderText(b);
    if (b.alt) return 1;
    if (!b.french) {
        if (code == 255) return (n == 1 && rest[0] == 'a') ? 1 : 0;
        if (code == 254) return (n >= 3 && std::memcmp(b.key.bytes + b.key.length - 3, "man", 3) == 0) ? 1 : 0;
        if (n < 2) return 0;
        const u32 index = gLetterTable[code - 160];
        const u32 lo = 32 * (n - 2) + 16;
        if (index < lo || index > lo + 15) return 0;
        return SuffixEquals(gEnglishSuffixes, index, rest, n) ? 1 : 0;
    }
    if (n < 2) return 0;
    u32 indexes[3];
    u32 k = 0;
    indexes[k++] = gLetterTable[code - 160];
    if (code >= 233) indexes[k++] = gLetterTable[code - 137];
    if (code == 255) indexes[k++] = gLetterTable[119];
    for (u32 i = 0; i < k; ++i) {
        const u32 lo = 32 * (n - 2);
        if (indexes[i] < lo || indexes[i] > lo + 31) continue;
        if (SuffixEquals(gFrenchSuffixes, indexes[i], rest, n)) return static_cast<u8>(i + 1);
    }
    return 0;
}

void ReplaceByBase(Build& b) {
    BoundedString& r = (*b.results)[0];
    TextClear(r);
    TextCopy(r, b.base.s);
    *b.count = 1;
}

// Returns true when the section's search ends here (operation 6 found its
// base word).
bool ReadEndingItem(Build& b, u32 p) {
    if (b.skip) return false;
    const u8 code = DictBodyByte(p);
    const u32 n = Remainder(b);
    const u8* rest = RemainderText(b);
    u8 number = 0;
    u8 outCode = code;
    bool match = false;
    if (code >= 160) {
        number = SuffixMatch(b, code);
        match = number != 0;
    } else if (b.french ? code <= 95 : code <= 63) {
        if (b.alt && code >= 1 && code <= 26 && n == 1) {
            AppendByteToString(b.altText.s, b.french ? static_cast<u8>(code + 96) : static_cast<u8>(code + 64));
            outCode = b.french ? '?' : '_';
            match = true;
        } else {
            match = b.french ? FrenchEndingMatches(code, rest, n) : EnglishEndingMatches(code, rest, n);
        }
    }
    if (!match) return false;
    if (b.op == 6) {
        if (!b.captured) return false;
        ReplaceByBase(b);
        return true;
    }
    if (b.op != 3) return false;
    BoundedString& r = NewResult(*b.results, *b.count);
    if (b.alt) {
        TextCopy(r, b.altText.s);
        Work36 tmp;
        AppendWithoutPrefix(tmp.s, r.data, TextLen(r));
        TextCopy(r, tmp.s);
    } else {
        u32 cut = 4 + b.matched;
        if (b.french && code < 96 && cut >= 1 && cut <= b.key.length && b.key.bytes[cut - 1] == 0x97) --cut;
        AppendWithoutPrefix(r, b.key.bytes, cut < b.key.length ? cut : b.key.length);
    }
    if (b.french && code >= 160) AppendByteToString(r, number);
    AppendByteToString(r, outCode);
    Bump(*b.count);
    if (DictBodyByte(p + 2) == kVariant) {
        const u8 last = TextLast(r);
        if (last < (b.french ? 33 : 30)) *b.count = 0;
        BeginAlternate(b);
    }
    return false;
}

// Operation 6 at a variant mark: the base word of the entry before it.
void CaptureBase(Build& b, u32 mark) {
    BoundedString& out = b.base.s;
    TextClear(out);
    CopyBytesToString(out, b.key.bytes, b.key.length < 4 ? b.key.length : 4);
    if (mark < b.listBegin + 2) return;
    const u8 ending = DictBodyByte(mark - 2);
    const u8 lo = b.french ? 96 : 64;
    u32 start = mark - 2;
    u32 taken = 0;
    while (start > b.listBegin && taken < 34) {
        const u8 c = DictBodyByte(start - 1);
        if (c < lo || c > 159) break;
        --start;
        ++taken;
    }
    for (u32 q = start; q < mark - 2; ++q) AppendByteToString(out, DictBodyByte(q));
    u8 letter = 0;
    if (b.french) {
        if (ending != 27 && ending != 91) letter = FrenchLetterOf(ending);
    } else if (ending != 27 && ending != 30 && ending != 32) {
        letter = EnglishLetterOf(ending);
    }
    if (letter != 0) AppendByteToString(out, letter);
    // A fifth character that is not a small letter is dropped, and so is
    // every 0x97 mark.
    Work36 clean;
    const u32 n = TextLen(out);
    for (u32 i = 0; i < n; ++i) {
        const u8 c = out.data[i];
        if (i == 4 && !(c >= 'a' && c <= 'z')) continue;
        if (c == 0x97) continue;
        AppendByteToString(clean.s, c);
    }
    TextClear(out);
    AppendWithoutPrefix(out, clean.bytes, TextLen(clean.s));
    b.captured = true;
}

// A byte that the list reader passes over without a change once the entry's
// stem failed: a letter or kind mark, not a group or count code nor the
// variant mark.
bool PassedWhileSkipping(const Build& b, u8 c) {
    return IsLetter(b, c) && !(c >= kGroupCodeFirst && c <= kCountCodeLast) && c != kVariant;
}

// Reads one entry list; true when operation 6 ended the search.
bool ReadList(Build& b, const EntryListSpan& list) {
    b.listBegin = list.begin;
    b.matched = 0;
    b.startAlt = false;
    ResetEntry(b);
    for (u32 p = list.begin; p < list.end; ++p) {
        u8 c = DictBodyByte(p);
        // The rest of a stem that failed changes nothing: its letters and
        // kind marks are passed over up to the next code, mark or item.
        if (b.skip && !b.alt && !b.groupPending)
            while (PassedWhileSkipping(b, c) && p + 1 < list.end) c = DictBodyByte(++p);
        if ((!b.groupPending || b.alt) && c >= kGroupCodeFirst && c <= kGroupCodeLast && !b.inGroup) {
            b.items = c - 121;
            b.groupPending = true;
            b.inGroup = true;
            continue;
        }
        if (!b.groupPending) {
            if (c >= kCountCodeFirst && c <= kCountCodeLast) {
                b.items = c - 129;
                continue;
            }
            if (c == 151 || c == 152) continue;
            if (c == 146 && !b.french) {
                b.skip = true;
                continue;
            }
            if (c == kVariant) {
                if (b.op == 6) CaptureBase(b, p);
                continue;
            }
            if (IsLetter(b, c)) {
                if (b.alt) {
                    AppendByteToString(b.altText.s, c);
                    ++b.altLetters;
                } else if (!b.skip) {
                    if (b.key.At(4 + b.matched) == c && 4 + b.matched < b.key.length)
                        ++b.matched;
                    else
                        b.skip = true;
                }
                continue;
            }
        }
        // An item of two bytes.
        if (p + 1 >= list.end) return false;
        b.startAlt = false;
        if (b.groupPending) {
            ReadModelItem(b, p);
        } else if (ReadEndingItem(b, p)) {
            return true;
        }
        ++p;
        --b.items;
        if (b.items < 2) ResetEntry(b);
        b.startAlt = false;
    }
    return false;
}

}  // namespace

const EndingRow& FrenchRow(u32 model) { return gEndingRows[static_cast<i32>(model)]; }
const EnglishEndingRow& EnglishRow(u32 model) { return gEnglishEndingRows[static_cast<i32>(model)]; }

void FrenchSlotEnding(const EndingRow& row, u32 slot, BoundedString& out) {
    TextClear(out);
    if (slot >= row.EndingLengths.count) return;  // a row never filled has no endings
    const u8 len = row.EndingLengths[static_cast<i32>(slot)];
    if (len < 1 || len > 10) return;
    CopyCodeFromTable(len, row.EndingIndexes[static_cast<i32>(slot)], out);
}

void EnglishSlotEnding(const EnglishEndingRow& row, u32 slot, BoundedString& out) {
    TextClear(out);
    if (slot >= row.EndingLengths.count) return;  // a row never filled has no endings
    const u8 len = row.EndingLengths[static_cast<i32>(slot)];
    if (len < 1 || len > 7) return;
    CopyCodeFromTable(len, row.EndingIndexes[static_cast<i32>(slot)], out);
}

i16 BuildVerbFormFromModel(u32 mode, u16 section, const BoundedString& key,
                           BoundedArray<BoundedString>& results, u16& count) {
    DictSectionSpan span;
    if (!GetDictSection(section, span)) return 0;
    Build b;
    b.op = ModeOp(mode);
    b.french = IsFrench();
    b.key = MakeKeyText(key);
    b.results = &results;
    b.count = &count;
    if (b.key.length < 4) return 0;
    EntryListCursor cursor;
    if (!OpenSectionEntryLists(static_cast<i16>(section), span, b.key.At(2), b.key.At(3), cursor)) return 0;
    EntryListSpan list;
    while (NextEntryList(cursor, list))
        if (ReadList(b, list)) return 6;
    return 0;
}

namespace {

// æ -> ae, œ -> oe in place; false when the word grows beyond 30 bytes.
bool ExpandLigatures(BoundedString& word) {
    Work72 out;
    const u32 n = TextLen(word);
    for (u32 i = 0; i < n; ++i) {
        const u8 c = word.data[i];
        if (c == 0xBE) {
            AppendCString(out.s, "ae");
        } else if (c == 0xCF) {
            AppendCString(out.s, "oe");
        } else {
            AppendByteToString(out.s, c);
        }
    }
    if (TextLen(out.s) > kMaxWord) return false;
    if (TextLen(out.s) != n) TextCopy(word, out.s);
    return true;
}

const char* const kReservedPrefixes[11] = {"",   "111", "22", "3333", "444", "55",
                                          "66", "77",  "88", "99",   "::"};

// The sections of the active dictionary by their two key bytes, read from
// the section index once per dictionary: each entry is key << 16 |
// section, sorted, so that the sections of one key follow each other in
// ascending order. A verb search needs only the sections of the word's
// first two letters; comparing the key of every section cost more than
// the rest of the search.
constexpr u32 kKeyedSections = 1024;

u32 PairKey(u8 a, u8 b) { return static_cast<u32>(a) << 8 | b; }

struct KeyedSections {
    u32 entries[kKeyedSections];
    u32 n = 0;
    const DictSectionEntry* of = nullptr;
    u32 count = 0, lastOffset = 0;
};

const KeyedSections& SectionsByKey() {
    static KeyedSections k;
    const u32 count = gDictPrefixIndex.count;
    const u32 last = count > 0 ? gDictPrefixIndex.data[count - 1].Offset : 0;
    if (k.of == gDictPrefixIndex.data && k.count == count && k.lastOffset == last) return k;
    k.n = 0;
    for (u32 s = 0; s < count && k.n < kKeyedSections; ++s) {
        const DictSectionEntry& e = gDictPrefixIndex.data[s];
        if (e.Key.count >= 2) k.entries[k.n++] = PairKey(e.Key.data[0], e.Key.data[1]) << 16 | s;
    }
    std::sort(k.entries, k.entries + k.n);
    k.of = gDictPrefixIndex.data;
    k.count = count;
    k.lastOffset = last;
    return k;
}

// One reserved section; false when the walk ends (operation 6 found its word).
bool SearchReserved(u32 mode, u16 s, const BoundedString& word, BoundedArray<BoundedString>& results,
                    u16& count) {
    const u32 n = TextLen(word);
    if (s == 1 && n >= 4) return true;
    if (s == 2 && (n < 3 || n > 5)) return true;
    Work72 key;
    if (s <= 10) CopyCString(key.s, kReservedPrefixes[s]);
    AppendString(key.s, word);
    return BuildVerbFormFromModel(mode, s, key.s, results, count) != 6;
}

// The user lexicon's records of the word as results.
void SearchLexicon(u32 mode, const BoundedString& word, BoundedArray<BoundedString>& results,
                   u16& count, u16 remembered) {
    static FormEntry entry;
    if (entry.FormCodes.count == 0) InitFormEntry(entry);
    const u8 op = ModeOp(mode);
    const bool french = IsFrench();
    const u32 wordLen = TextLen(word);
    Work36 ending, candidate;
    for (u8 b = 56; b <= 66; ++b) {
        if (op == 3 ? !(b == 56 || b == 57 || b == 65 || b == 66) : !(b == 59 || b == 60)) continue;
        if (GetFirstLexForm(word, entry, b) == 0) continue;
        u8 m = entry.FormCodes[2];
        u32 cut = 0;
        bool suffix = false;
        if (b == 60 || b == 59) {
            if (b == 60 && m > 127) m = static_cast<u8>(m - 128);
            const u32 slots = b == 60 ? kFrenchEndingSlots : kEnglishEndingSlots;
            auto endingOf = [&](u32 t) {
                if (b == 60)
                    FrenchSlotEnding(FrenchRow(m), t, ending.s);
                else
                    EnglishSlotEnding(EnglishRow(m), t, ending.s);
            };
            auto lengthOf = [&](u32 t) -> u32 {
                endingOf(t);
                return TextEquals(ending.s, "$") ? 0 : TextLen(ending.s);
            };
            cut = b == 60 ? FrenchRow(m).EndingLengths[0] : EnglishRow(m).EndingLengths[0];
            if (op == 1) {
                Work36 stem;
                TextCopy(stem.s, entry.LemmaText);
                const u32 l = TextLen(stem.s);
                TextCut(stem.s, l > cut ? l - cut : 0);
                for (u32 t = 0; t < slots; ++t) {
                    endingOf(t);
                    if (TextEquals(ending.s, "0")) continue;
                    TextCopy(candidate.s, stem.s);
                    if (!TextEquals(ending.s, "$")) AppendString(candidate.s, ending.s);
                    if (TextSame(candidate.s, word)) {
                        cut = lengthOf(t);
                        break;
                    }
                }
            }
        } else if (!french && m == 255) {
            cut = 1;
        } else if (!french && m == 254) {
            cut = 3;
        } else if (m <= 159) {
            cut = 1;
        } else {
            suffix = true;
            const StringList& list = french ? gFrenchSuffixes : gEnglishSuffixes;
            cut = TextLen(list[gLetterTable[m - 160]]);
        }
        BoundedString& r = NewResult(results, count);
        CopyBytesToString(r, word.data, wordLen > cut ? wordLen - cut : 0);
        if (suffix) AppendByteToString(r, 1);
        AppendByteToString(r, m);
        Bump(count);
        if (b == 60 && (m == 2 || m == 3 || m == 5 || m == 6)) {
            const u8 c = (m == 2 || m == 6) ? 103 : 93;
            if (op == 1 && ((m == 3 && TextAt(word, wordLen - 4) != kE_acute) ||
                            (m == 2 && TextAt(word, wordLen - 4) != 'e'))) {
                count = remembered;
                continue;
            }
            BoundedString& second = NewResult(results, count);
            TextCopy(second, results[count - 1]);
            if (wordLen >= 4 && wordLen - 2 < TextLen(second)) {
                second.data[wordLen - 2] = c;
                second.data[wordLen - 4] = kE_grave;
            }
            Bump(count);
        }
    }
}

// Operation 6 found its word: the result stands in results[0].
u16 Found6(BoundedString& word, BoundedArray<BoundedString>& results, bool apostrophe) {
    if (apostrophe) {
        FromDictionaryKey(word);
        FromDictionaryKey(results[0]);
    }
    return 1;
}

}  // namespace

u16 GenerateVerbForms(u32 mode, BoundedString& word, BoundedArray<BoundedString>& results,
                      u16& count) {
    if (!ExpandLigatures(word)) return 0;
    const u8 op = ModeOp(mode);
    if (op < 1 || op > 30) return 0;
    const u16 remembered = count;
    const bool apostrophe = TextContains(word, '\'');
    ToDictionaryKey(word);
    const bool french = IsFrench();
    const bool bit9 = (mode & kModeFlagSection8) != 0;
    const u16 reservedEnd = static_cast<u16>((french ? 8 : 11) + (bit9 ? 1 : 0));
    const u16 letterStart = french ? 9 : 11;
    u16 last = gDictSectionCount > 0 ? static_cast<u16>(gDictSectionCount - 1) : 0;
    if (french && last > kFrenchLastSection) last = kFrenchLastSection;
    const u32 n = TextLen(word);
    if (op != 4) {
        for (u16 s = 1; s < reservedEnd && s <= last; ++s) {
            if (!SearchReserved(mode, s, word, results, count)) return Found6(word, results, apostrophe);
        }
        const KeyedSections& k = SectionsByKey();
        if (n >= 2 && k.n < kKeyedSections) {
            const u32 pair = PairKey(word.data[0], word.data[1]);
            const u32* at = std::lower_bound(k.entries, k.entries + k.n, pair << 16);
            for (; at < k.entries + k.n && (*at >> 16) == pair; ++at) {
                const u16 s = static_cast<u16>(*at & 0xFFFF);
                if (s < letterStart || s > last) continue;
                if (BuildVerbFormFromModel(mode, s, word, results, count) == 6)
                    return Found6(word, results, apostrophe);
            }
        } else if (n >= 2) {
            for (u16 s = letterStart; s <= last; ++s) {
                const DictSectionEntry& e = gDictPrefixIndex[s];
                if (e.Key.count < 2 || e.Key.data[0] != word.data[0] || e.Key.data[1] != word.data[1]) continue;
                if (BuildVerbFormFromModel(mode, s, word, results, count) == 6)
                    return Found6(word, results, apostrophe);
            }
        }
    }
    if (count == remembered) {
        FromDictionaryKey(word);
        SearchLexicon(mode, word, results, count, remembered);
    }
    if (apostrophe) {
        FromDictionaryKey(word);
        for (u32 i = remembered; i < count && i <= static_cast<u32>(results.last); ++i)
            FromDictionaryKey(results[static_cast<i32>(i)]);
    }
    return count != remembered ? 1 : 0;
}
