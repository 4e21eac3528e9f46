// Synonym groups and register of a French word from the reference
// dictionary: the homograph that fits the word, one followed
// cross-reference, the groups cut into list items with their usage labels
// cleaned.
#include "lexicon/synonyms.h"

#include <algorithm>
#include <cstring>

#include "frame/bounded_string.h"
#include "frame/loader.h"
#include "frame/mac_roman.h"
#include "frame/records.h"
#include "frame/report.h"
#include "lexicon/litdict.h"
#include "lexicon/litdict_checkpoints.h"
#include "lexicon/litdict_codes.h"

namespace {

constexpr u32 kMaxCandidates = 4;
constexpr u32 kMaxMarks = 20;

struct Candidate {
    u32 pos = 0;        // type byte in the text
    u32 end = 0;        // next separator
    i32 block = 0;
    u8 headword[36] = {};
    i32 score = 0;
};

u8 TextByte(u32 i) { return i < gLitDictText.count ? gLitDictText.data[i] : 0; }

// Position of the first body byte of the entry whose type byte is at pos.
u32 BodyStart(u32 pos, u32 end) {
    const u8 type = TextByte(pos);
    u32 p = pos + 1;
    if (type == kLdTypeContinuation) return pos + 2;
    if (type == 11 || type == 13) p = pos + 2;
    else if (type == kLdTypeSecondMark) p = (TextByte(pos + 1) == kLdAGrave && TextByte(pos + 2) != kLdEnd) ? pos + 3 : pos + 2;
    else if (type == kLdTypeFirstMark) p = pos + 2;
    else if (type >= kLdFirstLetter) p = pos;
    for (; p < end; ++p)
        if (TextByte(p) >= kLdEnd) return p + 1;
    return end;
}

// The entry's row (key letters and raw bytes), expanded.
void ExpandEntry(const Candidate& c, BoundedString& row) {
    std::memset(row.data, 0, row.count);
    const BoundedString& key = gLitDictIndex.ClampedAt(c.block).Key;
    row.data[0] = key.count > 0 ? key.data[0] : 0;
    row.data[1] = key.count > 1 ? key.data[1] : 0;
    u32 k = 2;
    for (u32 i = c.pos; i < c.end && k + 1 < row.count && TextByte(i) != 0; ++i) row.data[k++] = TextByte(i);
    ExpandLitDictEntryText(row);
}

i32 EntryClass(u8 c) {
    if (c == 1 || c == 2 || c == 16 || c == kLdVerbLabelCode) return 1;
    if (c >= 7 && c <= 26 && c != 20) return 2;
    return 3;
}

i32 EntryGender(u8 c) {
    if (c == 9 || c == 11 || c == 15 || c == 22 || c == 24) return 1;
    if (c == 4 || c == 10 || c == 12 || c == 14 || c == 23 || c == 25) return 2;
    return 3;
}

i32 Score(u8 c, u8 category, u8 features) {
    const i32 wordClass = category == 1 ? 1 : (category >= 8 && category <= 13 ? 2 : 3);
    i32 s = EntryClass(c) == wordClass ? 4 : 0;
    if (wordClass == 2 && ((category == 11 && c >= 20 && c <= 26) || (category == 12 && c == 7) ||
                           (category == 13 && c >= 8 && c <= 12)))
        s += 2;
    const i32 g = features >> 4;
    if ((g == 1 || g == 2) && g == EntryGender(c)) s += 1;
    return s;
}

// The register label read from the first body bytes; `start` when none.
i16 RegisterOf(u32 body, i16 start) {
    const u8 b0 = TextByte(body), b1 = TextByte(body + 1), h = static_cast<u8>(TextByte(body + 2) >> 4);
    if (b0 != 118 && b0 != 116) {
        if (b1 == 20 && h == 2) return 2;
        if (b1 == 19 && h == 2) return 1;
        if (b1 == 22 && h == 5) return 3;
        if (b1 == 20 && h == 14) return 4;
        if (b1 == 23 && h == 1) return 5;
        return start;
    }
    switch (TextByte(body + 3)) {
        case 66: return 2;
        case 50: return 1;
        case 101: return 3;
        case 78: return 4;
        case 113: return 5;
        default: return start;
    }
}

bool IsPointer(u32 body) {
    for (u32 i = 0; i < 3; ++i)
        if (TextByte(body + i) == 23 && TextByte(body + i + 1) >= 112 && TextByte(body + i + 1) <= 127) return true;
    return false;
}

// Collects the homographs of the word (its folded key, its first two
// letters as given); false when there is none.
u32 FindCandidates(const u8* word, Candidate (&cand)[kMaxCandidates], BoundedString& row) {
    u8 folded[36];
    const u32 len = LdFoldWord(word, 35, folded);
    const u8 q1 = len > 0 ? folded[0] : 0, q2 = len > 1 ? folded[1] : 0;
    if (len < 2 || (q1 == 'a' && q2 < 'b')) return 0;
    i32 after = 0;
    const i32 r = FindLitDictBlock(q1, q2, after);
    if (r < 0) return 0;
    const u32 end = gLitDictIndex.ClampedAt(r + 1).TextOffset;
    u32 n = 0;
    u8 key[36];
    for (u32 pos = LitDictSearchStart(r, folded + 2); pos < end && n < kMaxCandidates; ++pos) {
        if (TextByte(pos) != 0 || TextByte(pos + 1) == 0) continue;
        BuildLitDictKey(gLitDictText, pos + 1, end, key);
        const i32 c = std::strcmp(reinterpret_cast<const char*>(folded + 2), reinterpret_cast<const char*>(key));
        if (c < 0) break;
        if (c > 0) continue;
        u32 next = pos + 1;
        while (next < end && TextByte(next) != 0) ++next;
        Candidate& k = cand[n];
        k.pos = pos + 1;
        k.end = next;
        k.block = r;
        ExpandEntry(k, row);
        const u32 hl = row.data[1];
        u32 i = 0;
        for (; i < hl && i < 35 && row.data[2 + i] != ',' && row.data[2 + i] != 0; ++i) k.headword[i] = row.data[2 + i];
        k.headword[i] = 0;
        if (ToLowerMacRoman(k.headword[0]) == ToLowerMacRoman(word[0]) &&
            ToLowerMacRoman(k.headword[1]) == ToLowerMacRoman(word[1]))
            ++n;
    }
    return n;
}

// The best candidate: the highest score, the earliest of equal scores.
// The candidates share the word's folded key; when some are spelt as the
// word (accents included), only those are its homographs ("pâté" is not a
// reading of "pâte").
u32 Choose(Candidate (&cand)[kMaxCandidates], u32 n, u8 category, u8 features, const u8* word) {
    bool spelt[kMaxCandidates] = {};
    bool anySpelt = false;
    for (u32 i = 0; i < n; ++i) {
        spelt[i] = std::strcmp(reinterpret_cast<const char*>(cand[i].headword), reinterpret_cast<const char*>(word)) == 0;
        anySpelt = anySpelt || spelt[i];
    }
    i32 best = -1;
    for (u32 i = 0; i < n; ++i) {
        if (anySpelt && !spelt[i]) continue;
        cand[i].score = Score(TextByte(BodyStart(cand[i].pos, cand[i].end)), category, features);
        if (best < 0 || cand[i].score > cand[best].score) best = static_cast<i32>(i);
    }
    return best < 0 ? 0 : static_cast<u32>(best);
}

void SetItem(BoundedString& item, const u8* text, u32 len) {
    if (item.count < 3) return;
    if (len > item.count - 3) len = item.count - 3;
    if (len > 255) len = 255;
    std::memmove(item.data + 2, text, len);
    item.data[2 + len] = 0;
    item.data[0] = static_cast<u8>(len);
    item.data[1] = static_cast<u8>(len);
}

bool StartsWith(const u8* t, u32 n, const char* p) {
    const u32 pn = static_cast<u32>(std::strlen(p));
    return n >= pn && std::memcmp(t, p, pn) == 0;
}

// One group's text: from `from` to `to` in the expanded row, cut as the
// list wants it. Returns its length in `out`.
u32 GroupText(const BoundedString& row, u32 from, u32 to, u8 (&out)[1000]) {
    u32 n = 0;
    for (u32 i = from; i < to && i < row.count && row.data[i] != 0 && n < 999; ++i) {
        out[n++] = row.data[i];
        if (row.data[i] == ' ' && i + 1 < to && row.data[i + 1] == '\n') break;
    }
    if (n > 0 && out[n - 1] != '>') --n;
    if (n > 0 && out[n - 1] == '-') --n;
    if (n > 0 && out[n - 1] == ' ') --n;
    for (u32 i = 0; i + 1 < n; ++i)
        if (out[i] == ' ' && (out[i + 1] == '-' || out[i + 1] == '\n')) {
            n = i;
            break;
        }
    return n;
}

// Removes a leading usage label (rule mode) or moves it to the end as a
// note (description mode).
u32 CleanLabels(u32 mode, u8 (&t)[1000], u32 n) {
    static const char* const kRuleLabels[] = {"[pronominal] : se ", "[fort] ", "[faible] ", "[figur\x8E] ",
                                              "[intrans.] ", "[pronominal] "};
    if (mode == 1) {
        for (const char* label : kRuleLabels) {
            if (label[1] == 'p' && label[12] == ':' && gErrorVariant == 'P') continue;
            if (!StartsWith(t, n, label)) continue;
            const u32 k = static_cast<u32>(std::strlen(label));
            std::memmove(t, t + k, n - k);
            return n - k;
        }
        return n;
    }
    static const char* const kNotes[2][2] = {{"[intransitif] ", " [synonyme en emploi intransitif]"},
                                            {"[pronominal] ", " [synonyme en emploi pronominal]"}};
    for (const auto& note : kNotes) {
        if (!StartsWith(t, n, note[0])) continue;
        const u32 k = static_cast<u32>(std::strlen(note[0]));
        std::memmove(t, t + k, n - k);
        n -= k;
        for (const char* p = note[1]; *p != 0 && n < 999; ++p) t[n++] = static_cast<u8>(*p);
        return n;
    }
    return n;
}

u32 Find(const u8* t, u32 n, const char* p) {
    const u32 pn = static_cast<u32>(std::strlen(p));
    for (u32 i = 0; i + pn <= n; ++i)
        if (std::memcmp(t + i, p, pn) == 0) return i;
    return n;
}

// Drops the first `k` bytes of the n of t; returns the length left.
u32 DropFront(u8 (&t)[1000], u32 n, u32 k) {
    if (k > n) k = n;
    std::memmove(t, t + k, n - k);
    return n - k;
}

// Group 0 in description mode: the text after the entry's last class label
// ("<...>"), then the register label in square brackets. A label followed by
// more text marks the item as a note (the code gains 128); an invariable
// word ("INV") or a group ending in "à)" carries no register; the label
// itself is left out of the item when the word is invariable or has a
// register. Returns the item's length.
u32 LabelGroup(u8 (&t)[1000], u32 n, i16& code) {
    const bool invariable = Find(t, n, "INV") < n;
    const bool toForm = n >= 2 && t[n - 2] == kLdAccents[0] && t[n - 1] == ')';  // "à)"
    u32 gt = n;
    for (u32 i = 0; i < n; ++i)
        if (t[i] == '>') gt = i;
    if (gt < n) n = DropFront(t, n, gt + 2);
    if (n == 0) return n;
    const u32 bracket = Find(t, n, "]");
    if (bracket == n || bracket + 1 < n) code = static_cast<i16>(code + 128);
    else if (invariable) code = 0;
    if (toForm) code = 0;
    if ((invariable || code % 128 != 0) && bracket < n) n = DropFront(t, n, bracket + 2);
    return n;
}

// The items of the chosen entry's groups from index `first`; returns the
// index after the last.
u32 FillGroups(u32 mode, const BoundedString& row, u32 first, StringList& list, i16& code) {
    u32 marks[kMaxMarks];
    u32 m = 0;
    const u32 body = 2u + row.data[1] + 1u;
    marks[m++] = body;
    for (u32 i = body; i < row.count && row.data[i] != 0; ++i)
        if (row.data[i] == '*') {
            if (m < kMaxMarks) marks[m++] = i;
            else marks[kMaxMarks - 1] = i;
        }
    u32 rowEnd = 2;
    while (rowEnd < row.count && row.data[rowEnd] != 0) ++rowEnd;
    u32 k = first;
    u8 text[1000];
    for (u32 g = 0; g < m && k < list.count; ++g) {
        const u32 from = g == 0 ? body : marks[g] + 2;
        const u32 to = g + 1 < m ? marks[g + 1] : rowEnd + 1;
        u32 n = GroupText(row, from, to, text);
        if (g == 0 && mode == 0) n = LabelGroup(text, n, code);
        n = CleanLabels(mode, text, n);
        SetItem(list.data[k++], text, n);
    }
    return k;
}

// The word after the first colon of a cross-reference entry's text.
u32 PointerTarget(const BoundedString& row, u8 (&word)[36]) {
    u32 i = 2u + row.data[1];
    while (i < row.count && row.data[i] != 0 && row.data[i] != ':') ++i;
    u32 n = 0;
    for (i += 2; i < row.count && row.data[i] != 0 && row.data[i] != ' ' && n < 35; ++i) word[n++] = row.data[i];
    if (n > 0 && word[n - 1] == '.') --n;
    word[n] = 0;
    return n;
}

// ---- Memo of words without a register --------------------------------------
// The register rule asks about every noun and adjective of a sentence, at
// every dispatch; most words have no entry or an entry without a register,
// and those two answers are decided before the list is touched. They are
// remembered for the reference dictionary in place.

enum class Plain : u8 { kUnknown, kNoEntry, kNoRegister };

// Sets of four slots: the nouns, adjectives and verbs of a book, each with
// its mark and feature, run to a few thousand keys, and a slot of its own
// per hash let the pairs that share one push each other out at every pass.
constexpr u32 kPlainSets = 2048;  // a power of two
constexpr u32 kPlainWays = 4;

struct PlainSlot {
    u8 groupMark = 0;
    u8 feature = 0;
    u8 length = 0;  // 0: empty
    Plain answer = Plain::kUnknown;
    u32 used = 0;   // clock of the last use
    u8 word[36] = {};
};

struct PlainMemo {
    const u8* text = nullptr;
    u32 textCount = 0;
    const void* index = nullptr;
    u32 indexCount = 0;
    u32 clock = 0;
    PlainSlot slots[kPlainSets * kPlainWays];
};

PlainMemo gPlain;

bool IsSlotOf(const PlainSlot& slot, u8 groupMark, u8 feature, const u8* word, u32 n);

// The slot holding the key, or else the one to fill with it (an empty one,
// or the one of its set used longest ago).
PlainSlot& FindPlainSlot(u8 groupMark, u8 feature, const u8* word, u32 n) {
    PlainMemo& memo = gPlain;
    if (memo.text != gLitDictText.data || memo.textCount != gLitDictText.count || memo.index != gLitDictIndex.data ||
        memo.indexCount != gLitDictIndex.count) {
        for (PlainSlot& slot : memo.slots) slot.length = 0;
        memo.text = gLitDictText.data;
        memo.textCount = gLitDictText.count;
        memo.index = gLitDictIndex.data;
        memo.indexCount = gLitDictIndex.count;
    }
    u32 h = (2166136261u ^ groupMark) * 16777619u;
    h = (h ^ feature) * 16777619u;
    for (u32 i = 0; i < n; ++i) h = (h ^ word[i]) * 16777619u;
    PlainSlot* set = memo.slots + ((h ^ (h >> 13)) & (kPlainSets - 1)) * kPlainWays;
    PlainSlot* victim = set;
    for (u32 w = 0; w < kPlainWays; ++w) {
        PlainSlot& slot = set[w];
        if (IsSlotOf(slot, groupMark, feature, word, n)) {
            slot.used = ++memo.clock;
            return slot;
        }
        if (victim->length != 0 && (slot.length == 0 || slot.used < victim->used)) victim = &slot;
    }
    return *victim;
}

bool IsSlotOf(const PlainSlot& slot, u8 groupMark, u8 feature, const u8* word, u32 n) {
    return slot.length == n && slot.groupMark == groupMark && slot.feature == feature &&
           std::memcmp(slot.word, word, n) == 0;
}

void KeepPlain(PlainSlot& slot, u8 groupMark, u8 feature, const u8* word, u32 n, Plain answer) {
    slot.length = static_cast<u8>(n);
    slot.groupMark = groupMark;
    slot.feature = feature;
    slot.answer = answer;
    slot.used = ++gPlain.clock;
    std::memcpy(slot.word, word, n);
}

// ---- Whether any entry carries a register -----------------------------------
// Read from every entry a search can meet (every entry of every block) as
// BuildSynonymList reads them: with none, the register rule has nothing to
// look up. The data compiler counts them once for the built-in text
// (gLitDictRegisterNote); another text is read here, once.

struct RegisterScan {
    const u8* text = nullptr;
    u32 textCount = 0;
    const void* index = nullptr;
    u32 indexCount = 0;
    bool done = false;
    bool any = false;
};

RegisterScan gRegisterScan;

// The entries of block r that carry a register, up to `most`.
u32 CountBlockRegisters(i32 r, u32 most) {
    const u32 end = std::min(gLitDictIndex.ClampedAt(r + 1).TextOffset, gLitDictText.count);
    const u8* text = gLitDictText.data;
    u32 n = 0;
    for (u32 pos = gLitDictIndex.ClampedAt(r).TextOffset; pos < end && n < most;) {
        // The next separator followed by an entry, and the entry's end.
        const void* zero = std::memchr(text + pos, 0, end - pos);
        if (zero == nullptr) break;
        pos = static_cast<u32>(static_cast<const u8*>(zero) - text);
        if (TextByte(pos + 1) == 0) {
            ++pos;
            continue;
        }
        const void* next = pos + 1 < end ? std::memchr(text + pos + 1, 0, end - pos - 1) : nullptr;
        const u32 entryEnd = next != nullptr ? static_cast<u32>(static_cast<const u8*>(next) - text) : end;
        if (RegisterOf(BodyStart(pos + 1, entryEnd), -1) != -1) ++n;
        pos = entryEnd;
    }
    return n;
}

u32 CountRegisters(u32 most) {
    u32 n = 0;
    for (i32 r = 0; r < static_cast<i32>(gLitDictIndex.count) && n < most; ++r) n += CountBlockRegisters(r, most - n);
    return n;
}

}  // namespace

u16 BuildSynonymList(u16 mode, u8 groupMark, u8 feature, const BoundedString& baseText, StringList& list) {
    static BoundedString row;
    if (row.valid == 0) InitByteArray(row, kLitDictRowBytes);
    u8 word[36];
    u32 wn = 0;
    for (; wn < 35 && wn < baseText.count && baseText.data[wn] != 0; ++wn) word[wn] = ToLowerMacRoman(baseText.data[wn]);
    word[wn] = 0;
    PlainSlot* plain = nullptr;
    if (mode == 1 && wn > 0) {
        plain = &FindPlainSlot(groupMark, feature, word, wn);
        if (IsSlotOf(*plain, groupMark, feature, word, wn)) {
            if (plain->answer == Plain::kNoEntry) return 0;
            gErrorDetail = static_cast<u16>(-1);
            return 0;
        }
    }
    bool followed = false;
    u8 target[36];
    std::memcpy(target, word, sizeof target);
    for (int round = 0; round < 2; ++round) {
        Candidate cand[kMaxCandidates];
        const u32 n = FindCandidates(target, cand, row);
        if (n == 0) {
            if (plain != nullptr && round == 0) KeepPlain(*plain, groupMark, feature, word, wn, Plain::kNoEntry);
            return 0;
        }
        const Candidate& c = cand[Choose(cand, n, groupMark, feature, target)];
        const u32 body = BodyStart(c.pos, c.end);
        i16 code = RegisterOf(body, mode == 1 ? -1 : 0);
        if (mode == 1 && code == -1) {
            if (plain != nullptr && round == 0) KeepPlain(*plain, groupMark, feature, word, wn, Plain::kNoRegister);
            gErrorDetail = static_cast<u16>(-1);
            return 0;
        }
        ExpandEntry(c, row);
        if (IsPointer(body) && round == 0 && PointerTarget(row, target) > 0) {
            followed = true;
            continue;
        }
        u32 k = FillGroups(mode, row, 0, list, code);
        if (followed && k < list.count) {
            SetItem(list.data[k], word, wn);
            list.data[k].data[0] = '-';
            list.data[k].data[1] = ' ';
            ++k;
        }
        gErrorDetail = static_cast<u16>(code);
        if (mode == 1 && code % 128 == 0) return 0;
        return static_cast<u16>(k);
    }
    return 0;
}

bool ReferenceDictionaryHasRegisters() {
    if (gLitDictRegisterNote.text != nullptr && gLitDictRegisterNote.text == gLitDictText.data)
        return gLitDictRegisterNote.entries != 0;
    RegisterScan& scan = gRegisterScan;
    if (!scan.done || scan.text != gLitDictText.data || scan.textCount != gLitDictText.count ||
        scan.index != gLitDictIndex.data || scan.indexCount != gLitDictIndex.count) {
        scan.any = CountRegisters(1) != 0;
        scan.text = gLitDictText.data;
        scan.textCount = gLitDictText.count;
        scan.index = gLitDictIndex.data;
        scan.indexCount = gLitDictIndex.count;
        scan.done = true;
    }
    return scan.any;
}

u32 CountReferenceEntriesWithRegister() { return CountRegisters(0xFFFFFFFFu); }
