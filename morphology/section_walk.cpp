// The section walk and the French item readings (see section_walk.h).
#include "morphology/section_walk.h"

#include <cstdlib>
#include <cstring>

#include "frame/bounded_string.h"
#include "frame/mac_roman_literal.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "morphology/dict_format.h"
#include "morphology/entry_list_memo.h"
#include "morphology/section_index.h"
#include "morphology/section_memo.h"
#include "morphology/word_lookup.h"

namespace {

constexpr i16 kSectionCapitalised = 9;
constexpr i16 kSectionCapitals = 10;
constexpr i16 kSectionHyphenated = 7;
constexpr u8 kHasVariantByte = 128;
constexpr u8 kIsVariantByte = 129;

// What one walk is about.
struct Walk {
    u16 mode = 0;
    i16 section = 0;
    KeyText key;
    // The key holds no apostrophe mark: a stem that spells its letters is
    // letters alone, which the walk reads as matched ones.
    bool plainKey = false;
    BoundedArray<u16>* tags = nullptr;
    u16* count = nullptr;
    bool french = true;
    bool plain = false;  // operation above 31
    bool early = false;  // French inflection operation answering at the first match
    u32 listEnd = 0;     // end of the entry list being read
    i16 englishAnswer = 0;  // English: kind + 1 of the last item that gave analyses
};

// Reading state of one entry list.
struct EntryState {
    u32 matched = 0;  // key letters matched beyond the implicit four
    i32 items = 1;
    bool groupPending = false;
    bool skipping = false;
    u8 kind = 0;
    bool variantArmed = false;
    u32 variantPos = 0;
    u32 apostrophe = 0;      // English: apostrophe position of a contraction
    u8 stopCounter = 0;      // French plain analysis: 152 seen just before
    bool modifierPending = false;  // inflection operations: 152 seen just before
};

u32 Remainder(const Walk& w, const EntryState& s) { return w.key.length - 4 - s.matched; }

// The lemma reference of an item: its own position, or for a variant the
// item two bytes before the variant mark.
u32 ItemRef(const EntryState& s, u32 p) {
    if (!s.variantArmed) return p;
    return s.variantPos >= 2 ? s.variantPos - 2 : 0;
}

void SetAnalysis(Walk& w, u16 index, u16 tag, u8 byte, u32 ref) {
    (*w.tags)[index] = tag;
    gWordAnalysisBytes[index] = byte;
    gWordLemmaRefs[index] = ref;
    NoteSlotWrite(0, index, w.tags->last);
    NoteSlotWrite(1, index, gWordAnalysisBytes.last);
    NoteSlotWrite(2, index, gWordLemmaRefs.last);
}

void SetLemmaRef(i32 index, u32 ref) {
    gWordLemmaRefs[index] = ref;
    NoteSlotWrite(2, index, gWordLemmaRefs.last);
}

void AppendAnalysis(Walk& w, u16 tag, u8 byte, u32 ref) {
    SetAnalysis(w, *w.count, tag, byte, ref);
    if (*w.count < 0xFFFF) ++*w.count;
}

void ReadControlCode(const Walk& w, EntryState& s, u8 b, u32 p) {
    if (b >= kGroupCodeFirst && b <= kGroupCodeLast) {
        s.items = b - 121;
        s.groupPending = true;
    } else if (b >= kCountCodeFirst && b <= kCountCodeLast) {
        s.items = b - 129;
    } else if (b == kMarkKind1) {
        s.kind = 1;
    } else if (b == kMarkModifier) {
        if (w.plain && w.french) {
            s.stopCounter = 2;
        } else {
            s.kind = 0;
            s.modifierPending = true;
        }
    } else if (b == kMarkVariant) {
        s.variantPos = p;
        s.variantArmed = true;
        s.kind = 0;
    } else if (b == kMarkKind3) {
        s.kind = 3;
    } else if (b == kMarkApostrophe) {
        u32 pos = s.matched + 4;
        if (w.section == 1 || w.section == 4) pos -= 3;
        if (w.section == 2 || w.section == 5) pos -= 2;
        s.apostrophe = pos;
        // The mark stands for the apostrophe of a contracted word: it takes
        // the key's apostrophe byte at this position, and a key without it
        // is not this word ("couldnt" is no spelling of "couldn't").
        if (s.matched + 4 < w.key.length && w.key.At(s.matched + 4) == kMarkApostrophe)
            ++s.matched;
        else
            s.skipping = true;
    }
}

void EndEntry(EntryState& s) {
    s.matched = 0;
    s.items = 1;
    s.skipping = false;
    s.variantArmed = false;
    s.apostrophe = 0;
}

void AfterItem(EntryState& s) {
    s.kind = 0;
    s.variantArmed = false;
    s.modifierPending = false;
    if (s.items < 2) EndEntry(s);
}

// ---- French class bytes -----------------------------------------------------------

enum class Features : u8 { None, Fixed, PlusN, PlusGN, Special };
struct ClassRule {
    u8 cls;
    Features how;
    u8 base;
};
constexpr ClassRule N(u8 cls, u8 base = 0) { return {cls, Features::PlusN, base}; }
constexpr ClassRule GN(u8 cls) { return {cls, Features::PlusGN, 0}; }
constexpr ClassRule F(u8 cls, u8 value) { return {cls, Features::Fixed, value}; }
constexpr ClassRule kNone{0, Features::None, 0};
constexpr ClassRule kSpecial{0, Features::Special, 0};

// Class bytes 128..255: tag class letter and features (N = 4 x number, G =
// the ending's gender bits).
constexpr ClassRule kClassRules[128] = {
    kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone,               // 128
    kNone, N('B'), GN('B'), N('C', 0x10), N('C', 0x20), N('M'), N('N'), N('C'),  // 136
    F('U', 0x45), F('V', 0x45), F('W', 0x05), F('X', 0x09), F('Y', 0x06), F('Z', 0x46),
    F(0x5B, 0x06), kNone,                                                  // 144
    kNone, F(0x5C, 0x02), N(0x5D, 19), N(0x5E, 35), kNone, F(0x5F, 0x07), F('C', 0x28),
    F(0x60, 0x0B),                                                         // 152
    F('a', 0x4F), F('b', 0x0F), F('C', 0x18), F('R', 0x08), F('S', 0x08), N('D', 17),
    kSpecial, N('D', 19),                                                  // 160
    N('D', 33), N('D', 34), N('D', 35), N('D', 1), N('D', 2), N('D', 3), N('F', 0x10),
    F('F', 0x18),                                                          // 168
    N('F', 0x20), F('F', 0x28), F('F', 0x04), kNone, F(0x40, 0x24), kNone, kNone,
    F(0x40, 0x04),                                                         // 176
    kSpecial, F('H', 0), F('I', 0x14), F('I', 0x18), F('I', 0x24), F('I', 0x28), GN('Q'),
    N('Q', 0x10),                                                          // 184
    N('J', 0x20), F('K', 0x14), F('K', 0x24), F('K', 0x14), N('B', 0x10), N('B', 0x20),
    kSpecial, kSpecial,                                                    // 192
    F('B', 0), kSpecial, kSpecial, GN('C'), F('B', 0x18), F('B', 0x28), F('C', 0x18),
    F('C', 0x28),                                                          // 200
    N('A', 0x10), F('A', 0x14), F('A', 0x18), N('A', 0x20), F('A', 0x24), F('A', 0x28),
    N('A'), GN('A'),                                                       // 208
    kSpecial, F('m', 0x14), F('n', 0x64), F('o', 0x08), F('p', 0x14), F('q', 0x64),
    F('r', 0x08), F('s', 0x14),                                            // 216
    F('t', 0x64), F('u', 0x08), F('v', 0x04), F('w', 0x08), F('x', 0x04), F('y', 0x08),
    kNone, F(0x7B, 0x08),                                                  // 224
    F('O', 0x54), F('O', 0x14), F('O', 0x24), F('O', 0x08), N('P', 0x10), N('P', 0x20),
    N('P', 0x30), F('Q', 0x14),                                            // 232
    F('Q', 0x24), F('Q', 0x34), F('Q', 0x18), F('Q', 0x28), N('C', 0x90), F('B', 0x54),
    F('Q', 0x08), F('B', 0x08),                                            // 240
    F('A', 0x1C), F('A', 0x2C), N('E'), GN('E'), kSpecial, kNone, kNone, kNone,  // 248
};

u16 Tag(u8 cls, u32 features) { return static_cast<u16>(cls << 8 | (features & 0xFF)); }

bool KeyEndsInEOrEs(const KeyText& key) {
    return key.Last() == 'e' || (key.Last(1) == 'e' && key.Last() == 's');
}

u16 SpecialClassTag(const Walk& w, u8 c, const EndingReading& e) {
    const u32 n = 4u * e.number;
    const u32 gn = e.gender + n;
    const bool capitalSection = w.section == kSectionCapitalised || w.section == kSectionCapitals;
    const bool finalS = w.key.Last() == 's';
    switch (c) {
        case 166: return capitalSection ? Tag(0x40, e.gender + 4) : Tag('D', n + 18);
        case 184: return capitalSection ? Tag(0x40, 0x14) : Tag('G', 0);
        case 198: return KeyEndsInEOrEs(w.key) ? Tag('B', gn) : Tag('M', gn);
        case 199: return KeyEndsInEOrEs(w.key) ? Tag('N', gn) : Tag('B', gn);
        case 201: return Tag(0x7D, finalS ? 0x18 : 0x04);
        case 202: return Tag(0x7D, finalS ? 0x28 : 0x04);
        case 216: return (w.key.Last() == 'e' || w.key.Last(1) == 'e') ? Tag('B', gn) : Tag('A', gn);
        case 252: return Tag('A', 0x20 - n);
        default: return 0;
    }
}

u16 FrenchClassTagAnywhere(const Walk& w, u8 c, const EndingReading& e) {
    const ClassRule& rule = kClassRules[c - 128];
    const u32 n = 4u * e.number;
    switch (rule.how) {
        case Features::Fixed: return Tag(rule.cls, rule.base);
        case Features::PlusN: return Tag(rule.cls, rule.base + n);
        case Features::PlusGN: return Tag(rule.cls, e.gender + n);
        case Features::Special: return SpecialClassTag(w, c, e);
        default: return 0;
    }
}

// A noun filed among the capitalised words is a name, in the plural too
// (les Alpes, les États-Unis), which the proper-noun class bytes cannot
// spell.
u16 FrenchClassTag(const Walk& w, u8 c, const EndingReading& e) {
    const u16 tag = FrenchClassTagAnywhere(w, c, e);
    if (w.section == kSectionCapitalised && (tag >> 8) == 'A') return Tag(0x40, tag & 0xFF);
    return tag;
}

// Fixed reading sets of class bytes 35..121 (written from index 0); the
// number of tags, 0 for a class byte without a set.
u32 FixedReadings(const KeyText& key, u8 c, u16 (&out)[3]) {
    auto set = [&](u16 a, u16 b = 0, u16 d = 0) -> u32 {
        out[0] = a;
        out[1] = b;
        out[2] = d;
        return d != 0 ? 3 : b != 0 ? 2 : 1;
    };
    const u8 first = key.At(0);
    switch (c) {
        case 35: return set(0x2200, 0x7C00);
        case 40: return set(0x1400, 0x1100);
        case 41: return set(0x4740, 0x1140, 0x1440);
        case 107: return set(0x6614);
        case 108: return set(0x6718);
        case 109:
            if (first == 'a') return set(0x6728);
            if (first == 'd') return set(0x2528);
            return set(0x6814, 0x5214);
        case 110: return set(0x7A07, 0x5F0B);
        case 111: return set(0x6A40, 0x2140);
        case 112:
            if (first == '1') return set(0x6B54, 0x2414);
            if (first == '4') return set(0x2414);
            if (first == '2') return set(0x6C08, 0x2508);
            return set(0x6354, 0x7C54);
        case 113:
            if (first == '2') return set(0x6C08, 0x2508);
            if (first == '4') return set(0x2518);
            return set(0x6354, 0x7C54);
        case 115: return set(0x6354, 0x7C54);
        case 116: return set(0x6464, 0x7C64);
        case 117: return set(0x6538, 0x7C38);
        case 118: return set(0x6654);
        case 119: return set(0x6738);
        case 120: return set(0x6814, 0x5214);
        case 121: return set(0x6924, 0x5224);
        default: return 0;
    }
}

bool IsPluralDroppedInCapitalSections(const Walk& w, u8 c, const EndingReading& e) {
    if (w.section != kSectionCapitalised && w.section != kSectionCapitals) return false;
    return e.number == 2 && (c == 166 || c == 180 || c == 183 || c == 184);
}

// The analyses of a French noun, adjective or other item whose ending
// matched.
void AddFrenchNominal(Walk& w, const EntryState& s, u32 p, u8 code, const EndingReading& e) {
    const u8 c = DictBodyByte(p + 1);
    if (IsPluralDroppedInCapitalSections(w, c, e)) return;
    u8 byte = code;
    if (p + 2 < w.listEnd && DictBodyByte(p + 2) == kMarkVariant) byte = kHasVariantByte;
    if (s.variantArmed) byte = kIsVariantByte;
    const u32 ref = ItemRef(s, p);
    if (c >= 128) {
        AppendAnalysis(w, FrenchClassTag(w, c, e), byte, ref);
    } else if (c >= 35) {
        u16 set[3];
        const u32 n = FixedReadings(w.key, c, set);
        if (n == 0) return;
        for (u32 i = 0; i < n; ++i) SetAnalysis(w, static_cast<u16>(i), set[i], byte, ref);
        *w.count = static_cast<u16>(n);
    } else {
        u32 features = c == 22 ? 0x40 : 0;
        if (c == 34 && KeyEquals(w.key, "jusque")) features += 0x40;
        AppendAnalysis(w, Tag(c, features), byte, ref);
    }
}

// ---- Stop mark and literal forms ----------------------------------------------------

struct LiteralForm {
    const char* rest;
    u16 tags[3];
};

// Forms of asseoir and rasseoir, by the key's remainder after "ass"/"rass".
const LiteralForm kAsseoirForms[] = {
    {"ieds", {0xB006, 0xB007, 0xB030}}, {"ied", {0xB008}},
    {"eyons", {0xB009, 0xB031}},        {"eyez", {0xB00A, 0xB032}},
    {"eyant", {0xF001}},                {"eyent", {0xF00B, 0xF023}},
    {"eyais", {0xF00C, 0xF00D}},        {"eyait", {0xF00E}},
    {"eyions", {0xF00F, 0xF021}},       {"eyiez", {0xF010, 0xF022}},
    {"eyaient", {0xF011}},              {MR("iérai"), {0xF012}},
    {MR("iéras"), {0xF013}},            {MR("iéra"), {0xF014}},
    {MR("iérons"), {0xF015}},           {MR("iérez"), {0xF016}},
    {MR("iéront"), {0xF017}},           {"eye", {0xF01E, 0xF020}},
    {"eyes", {0xF01F}},                 {MR("iérais"), {0xF02A, 0xF02B}},
    {MR("iérait"), {0xF02C}},           {MR("iérions"), {0xF02D}},
    {MR("iériez"), {0xF02E}},           {MR("iéraient"), {0xF02F}},
};

u32 TagCount(const u16 (&tags)[3]) { return tags[2] != 0 ? 3 : tags[1] != 0 ? 2 : 1; }

// Lemma reference of a verb named by its infinitive, the slots left as they
// were. A nested stop mark cannot call back here.
u32 InfinitiveRef(const char* infinitive) {
    ForgetSectionWalk();
    static bool busy = false;
    if (busy) return 0;
    busy = true;
    const u32 ref = LookupTextSlotPreserving(infinitive, 0);
    busy = false;
    return ref;
}

void WriteAsseoirForm(Walk& w, u32 skip, u32 p) {
    KeyText rest;
    rest.bytes = w.key.bytes + skip;
    rest.length = w.key.length - skip;
    for (const LiteralForm& form : kAsseoirForms) {
        if (!KeyEquals(rest, form.rest)) continue;
        const u32 n = TagCount(form.tags);
        for (u32 i = 0; i < n; ++i) SetAnalysis(w, static_cast<u16>(i), form.tags[i], '0', p);
        *w.count = static_cast<u16>(n);
        return;
    }
}

// The walk ends after the analyses of an item behind a stop mark: the key
// decides what the word is.
i16 ApplyStopMark(Walk& w, u32 p) {
    if (w.section != kSectionHyphenated) *w.count = 0;
    SetLemmaRef(0, p);
    SetLemmaRef(1, p);
    if (KeyStartsWith(w.key, "111")) {
        SetAnalysis(w, 0, 0x1C00, 0, p);
        *w.count = 1;
    } else if (KeyEquals(w.key, MR("22gît"))) {
        SetAnalysis(w, 0, 0x9008, 0, InfinitiveRef(MR("gésir")));
        *w.count = 1;
    } else if (KeyEquals(w.key, "22gis")) {
        const u32 ref = InfinitiveRef(MR("gésir"));
        SetAnalysis(w, 0, 0x9006, 0, ref);
        SetAnalysis(w, 1, 0x9007, 0, ref);
        *w.count = 2;
    } else if (KeyEquals(w.key, MR("22ouï"))) {
        SetAnalysis(w, 0, 0xC002, 0, InfinitiveRef(MR("ouïr")));
        *w.count = 1;
    } else if (KeyStartsWith(w.key, "22")) {
        SetAnalysis(w, 0, 0x1C00, 0, p);
        *w.count = 1;
    } else if (KeyStartsWith(w.key, "ass")) {
        WriteAsseoirForm(w, 3, p);
    } else if (KeyStartsWith(w.key, "rass")) {
        WriteAsseoirForm(w, 4, p);
    } else {
        BoundedString key;
        key.View(const_cast<u8*>(w.key.bytes), w.key.length);
        AnalyseDefectiveVerbForm(key, *w.tags, *w.count);
    }
    return static_cast<i16>(*w.count);
}

// ---- Items ----------------------------------------------------------------------------

// Result of reading one item: go on, or end the walk with `result`.
struct ItemOutcome {
    bool endWalk = false;
    i16 result = 0;
};
ItemOutcome EndWalk(i16 result) { return {true, result}; }

ItemOutcome ReadFrenchEndingItem(Walk& w, const EntryState& s, u32 p) {
    u8 code = DictBodyByte(p);
    // Inflection operations read the code behind a modifier 64 lower.
    if (s.modifierPending && code >= 64) code = static_cast<u8>(code - 64);
    EndingReading e;
    if (!MatchFrenchEnding(code, w.key, Remainder(w, s), e)) return {};
    if (w.early) return EndWalk(static_cast<i16>(s.kind + 1));
    AddFrenchNominal(w, s, p, code, e);
    if (w.plain && s.stopCounter == 1) return EndWalk(ApplyStopMark(w, p));
    return {};
}

// Merged low byte of the first matching slot of the -er-shaped models.
u8 MergedSlot(u32 model, u32 slot) {
    const bool finir = model == 15;
    switch (slot) {
        case 3: return finir ? 55 : 3;
        case 6: return finir ? 6 : 51;
        case 7: return finir ? 7 : 58;
        case 8: return finir ? 60 : 8;
        case 9: return 52;
        case 10: return 53;
        case 11: return finir ? 61 : 54;
        case 15: return finir ? 62 : 56;
        case 16: return finir ? 63 : 57;
        case 30: return finir ? 59 : 30;
        default: return static_cast<u8>(slot);
    }
}

bool IsMergedModel(u32 model) {
    return model < 16 || model == 19 || model == 26 || model == 27 || model == 28 || model == 83 ||
           model == 93 || model == 103;
}

// Analysis byte of a noun or adjective reading of a participle or present
// form: the upper-case form of one of the key's last letters.
u8 ParticipleReadingByte(const KeyText& key, u32 slot) {
    auto upper = [](u8 c) -> u8 {
        if (c == 0x8E) return 0x5C;  // é
        if (c == 0x95) return 0x5D;  // ï
        return static_cast<u8>(c - 32);
    };
    const u32 fromEnd = (slot == 3 || slot == 4) ? 1 : slot == 5 ? 2 : 0;
    u8 a = upper(key.Last(fromEnd));
    if (a == 'S') a = upper(key.Last(1));
    return a;
}

// Noun and adjective readings that the flags byte adds to a participle or
// present form (slots 2..7).
void AddParticipleReadings(Walk& w, u32 slot, u8 flags, bool modelFlag, u32 ref) {
    const u8 low = flags & 0x1F;
    const u8 v = flags & 3;
    const bool finalS = w.key.Last() == 's';
    u8 a = ParticipleReadingByte(w.key, slot);
    if (!modelFlag) {
        u16 tag = 0;
        if (slot == 2 && v > 1) tag = finalS ? 0x411C : 0x4114;
        if (slot == 3 && v > 1) tag = 0x4118;
        if (slot == 4 && (flags & 1)) tag = 0x4124;
        if (slot == 5 && (flags & 1)) tag = 0x4128;
        if (tag != 0) {
            if (flags & 1) a = static_cast<u8>(a - 32);
            AppendAnalysis(w, tag, a, ref);
        }
    } else if (slot == 2 && v > 1) {
        AppendAnalysis(w, 0x4114, a, ref);
    }
    if ((slot == 6 || slot == 7) && low >= 4) {
        const bool first = slot == 6;
        if (flags & 0x10) AppendAnalysis(w, first ? 0x4204 : 0x4208, a, ref);
        if (flags & 0x08) AppendAnalysis(w, first ? (finalS ? 0x411C : 0x4114) : 0x4118, a, ref);
        if (flags & 0x04) AppendAnalysis(w, first ? (finalS ? 0x412C : 0x4124) : 0x4128, a, ref);
    }
}

ItemOutcome ReadFrenchVerbItem(Walk& w, const EntryState& s, u32 p) {
    const u8 modelByte = DictBodyByte(p);
    const u8 flags = DictBodyByte(p + 1);
    const bool modelFlag = (modelByte & 0x80) != 0;
    const u32 model = modelByte & 0x7F;
    const u32 r = Remainder(w, s);
    if (r > kFrenchMaxVerbRemainder) return {};
    const u32 ref = ItemRef(s, p);
    // Infinitive-only verbs: the stem alone stands for the verb (these two
    // models have no row).
    if (model == 127 || model == 125) {
        if (r != 0) return {};
        if (w.early) return EndWalk(static_cast<i16>(s.kind + 1));
        SetAnalysis(w, 0, 0xC000, model == 127 ? 127 : '}', ref);
        *w.count = 1;
        return EndWalk(1);
    }
    if (model >= FrenchModelCount()) {
        ReportDictFault(kDictFaultModel);
        return {};
    }
    const bool merged = IsMergedModel(model);
    u8 high = static_cast<u8>(0x80 | ((flags >> 5) & 7) << 4 | (modelFlag ? 1 : 0));
    if (model == 16) high = 0x83;
    if (model == 17) high = 0xC2;
    // Only the slots whose ending has the remainder's length can match.
    for (u64 slots = FrenchSlotsOfLength(model, r == 0 ? 1 : r); slots != 0; slots &= slots - 1) {
        const u32 t = static_cast<u32>(__builtin_ctzll(slots));
        if (modelFlag && t >= 3 && t <= 5) continue;
        if (!FrenchSlotMatches(model, t, w.key, r)) continue;
        if (w.early) return EndWalk(static_cast<i16>(s.kind + 1));
        if ((flags & 0x1F) != 0 && t >= 2 && t <= 7) AddParticipleReadings(w, t, flags, modelFlag, ref);
        const u8 low = merged ? MergedSlot(model, t) : static_cast<u8>(t);
        AppendAnalysis(w, static_cast<u16>(high << 8 | low), static_cast<u8>(model), ref);
        if (merged) break;
    }
    return {};
}

// ---- English items ------------------------------------------------------------------

// Lemma reference of the verb "be" (its first verb analysis), the slots left
// as they were. A nested lookup cannot call back here.
u32 BeVerbRef() {
    ForgetSectionWalk();
    static bool busy = false;
    if (busy) return 0;
    busy = true;
    u8 bytes[kAnalysisSlots];
    u32 refs[kAnalysisSlots];
    for (i32 i = 0; i < kAnalysisSlots; ++i) {
        bytes[i] = gWordAnalysisBytes[i];
        refs[i] = gWordLemmaRefs[i];
    }
    u8 text[8] = {'b', 'e', 0};
    BoundedString word;
    word.View(text, sizeof text);
    u16 store[20] = {};
    BoundedArray<u16> tags;
    tags.View(store, 20);
    u16 count = 0;
    LookupWordForm(kModeEnglishPlain, word, tags, count);
    u32 ref = 0;
    for (u16 i = 0; i < count && i < kAnalysisSlots; ++i)
        if (store[i] >= 0x8000) {
            ref = gWordLemmaRefs[i];
            break;
        }
    for (i32 i = 0; i < kAnalysisSlots; ++i) {
        gWordAnalysisBytes[i] = bytes[i];
        gWordLemmaRefs[i] = refs[i];
    }
    busy = false;
    return ref;
}

// Writes what an English item gives (see EnglishItemResult), with lemma
// reference `ref` (or that of "be").
void ApplyEnglishResult(Walk& w, const EnglishItemResult& r, u32 ref) {
    // The lemma of "are": looked up before anything is written (the
    // lookup of "be" uses the same slots).
    u32 be = 0;
    for (u8 i = 0; i < r.n; ++i)
        if (r.writes[i].beRef) be = BeVerbRef();
    if (r.fromStart) *w.count = 0;
    for (u8 i = 0; i < r.n; ++i) {
        const EnglishWrite& e = r.writes[i];
        const u32 at = e.beRef ? be : ref;
        if (e.index == kEnglishAppend) {
            SetAnalysis(w, *w.count, e.tag, e.byte, at);
            if (!e.keepCount && *w.count < 0xFFFF) ++*w.count;
        } else {
            SetAnalysis(w, e.index, e.tag, e.byte, at);
        }
    }
    if (r.setCount >= 0) *w.count = static_cast<u16>(r.setCount);
}

ItemOutcome ReadEnglishEndingItem(Walk& w, const EntryState& s, u32 p) {
    const u8 code = DictBodyByte(p);
    u8 number = 0;
    bool abbreviation = false;
    if (!MatchEnglishEnding(code, s.modifierPending, w.key, Remainder(w, s), number, abbreviation))
        return {};
    const u8 variant = s.variantArmed ? kIsVariantByte
                       : p + 2 < w.listEnd && DictBodyByte(p + 2) == kMarkVariant ? kHasVariantByte : 0;
    EnglishItemResult r;
    ReadEnglishClassByte(w.key, DictBodyByte(p + 1), code, number, abbreviation, variant, r);
    ApplyEnglishResult(w, r, ItemRef(s, p));
    w.englishAnswer = static_cast<i16>((r.kind != 0 ? r.kind : s.kind) + 1);
    return {};
}

ItemOutcome ReadEnglishVerbItem(Walk& w, const EntryState& s, u32 p) {
    const u8 modelByte = DictBodyByte(p);
    const u32 model = modelByte & 0x7F;
    const u32 r = Remainder(w, s);
    if (r > kEnglishMaxVerbRemainder) return {};
    if (model >= gEnglishEndingRows.count) {
        ReportDictFault(kDictFaultModel);
        return {};
    }
    const i32 slot = EnglishSlotMatch(model, w.key, r);
    if (slot < 0) return {};
    EnglishItemResult res;
    ReadEnglishVerbSlot(w.key, static_cast<u8>(model), DictBodyByte(p + 1), static_cast<u8>(slot),
                        ModeOperation(w.mode), res);
    ApplyEnglishResult(w, res, ItemRef(s, p));
    const u8 kind = (modelByte & 0x80) != 0 ? 1 : s.kind;
    w.englishAnswer = static_cast<i16>(kind + 1);
    return {};
}

// ---- The list reader --------------------------------------------------------------

// Reads the entries in [from, to) of a list that ends at w.listEnd, from a
// fresh state (`from` starts an entry). With `oneEntry`, [from, to) is one
// whole entry that does not end the list: once its key letters fail,
// nothing in it can give an analysis or a fault, and the walk leaves it.
// The first `known` bytes of the first entry are stem letters already found
// to spell the key's letters after its fourth.
ItemOutcome WalkEntries(Walk& w, u32 from, u32 to, bool oneEntry = false, u32 known = 0) {
    EntryState s;
    s.matched = known;
    const u8* classes = kDictByteClasses.of[w.french ? 1 : 0];
    for (u32 p = from + known; p < to; ++p) {
        const u8 b = DictBodyByte(p);
        if (s.stopCounter > 0) --s.stopCounter;
        const u8 cls = s.groupPending ? kDictByteOther : classes[b];
        if (cls == kDictByteControl) {
            ReadControlCode(w, s, b, p);
            if (s.skipping && oneEntry) return {};
            continue;
        }
        if (cls == kDictByteLetter) {
            if (s.skipping) continue;
            if (s.matched + 4 < w.key.length && b == w.key.At(s.matched + 4)) {
                ++s.matched;
            } else {
                s.skipping = true;
                if (oneEntry) return {};
            }
            continue;
        }
        // An item: a model byte after a group code, or an ending byte; both
        // carry a second byte.
        const bool verb = s.groupPending;
        s.groupPending = false;
        --s.items;
        if (p + 1 >= w.listEnd) {
            ReportDictFault(kDictFaultItem);
            return {};
        }
        if (!s.skipping) {
            ItemOutcome out;
            if (w.french)
                out = verb ? ReadFrenchVerbItem(w, s, p) : ReadFrenchEndingItem(w, s, p);
            else
                out = verb ? ReadEnglishVerbItem(w, s, p) : ReadEnglishEndingItem(w, s, p);
            if (out.endWalk) return out;
        }
        ++p;  // the item's second byte
        AfterItem(s);
    }
    return {};
}

// Reads the indexed entries of the list that ends at w.listEnd: only those
// whose stem can spell the key.
ItemOutcome WalkIndexedEntries(Walk& w, const IndexedList& indexed) {
    const u8* rest = w.key.bytes + 4;
    const u32 n = w.key.length - 4;
    w.plainKey = w.french || std::memchr(rest, kMarkApostrophe, n) == nullptr;
    for (u32 i = 0; i < indexed.count; ++i) {
        const IndexedEntry& e = indexed.entries[i];
        if (e.run != 0 && (n == 0 || e.stem[0] != rest[0])) {
            i += e.run - 1u;
            continue;
        }
        if (!EntryMaySpell(e, rest, n)) continue;
        const bool last = i + 1 >= indexed.count;
        const u32 to = last ? w.listEnd : indexed.entries[i + 1].start;
        const u32 known = w.plainKey && e.stemLength != kAlwaysWalked ? e.stemLength : 0;
        const ItemOutcome out = WalkEntries(w, e.start, to, !last, known);
        if (out.endWalk) return out;
    }
    return {};
}

// Reads one entry list: through the section index, only the entries whose
// stem can spell the key; without it, every byte.
ItemOutcome WalkEntryList(Walk& w, const DictSectionSpan& span, const EntryListSpan& list) {
    w.listEnd = list.end;
    IndexedList indexed;
    if (!FindIndexedList(w.section, span, list, indexed)) return WalkEntries(w, list.begin, list.end);
    return WalkIndexedEntries(w, indexed);
}

// What the entry-list memo told the lookup in progress about its key's
// lists, left for the walk that lookup starts (and taken by it, so that a
// nested walk never sees it).
struct ListsHint {
    bool set = false;
    const u8* keyData = nullptr;  // the key measured by the lookup
    u32 keyLength = 0;
    i16 section = 0;
    u8 third = 0;
    u8 fourth = 0;
    KnownEntryLists known;
};
ListsHint gListsHint;

// The key's one indexed list when the lookup left it for this walk.
const KnownEntryLists* TakeListsHint(i16 section, const KeyText& key) {
    if (!gListsHint.set) return nullptr;
    gListsHint.set = false;
    const ListsHint& h = gListsHint;
    const bool fits = h.section == section && h.third == key.At(2) && h.fourth == key.At(3) &&
                      h.known.single && h.known.epoch == SectionIndexEpoch();
    return fits ? &h.known : nullptr;
}


i16 WalkSection(u16 mode, i16 section, const BoundedString& key, BoundedArray<u16>& tags, u16& count) {
    DictSectionSpan span;
    if (!GetDictSection(section, span)) return 0;
    Walk w;
    if (gListsHint.set && gListsHint.keyData == key.data && key.valid != 0) {
        w.key.bytes = key.data;
        w.key.length = gListsHint.keyLength;
    } else {
        w.key = MakeKeyText(key);
    }
    if (w.key.length < 4) return 0;
    w.mode = mode;
    w.section = section;
    w.tags = &tags;
    w.count = &count;
    w.french = gCheckingLanguage != 0;
    w.plain = IsPlainOperation(mode);
    w.early = w.french && IsEarlyAnswerMode(mode);
    if (const KnownEntryLists* known = TakeListsHint(section, w.key)) {
        // The pair's only list, indexed: what the cursor below would find.
        w.listEnd = known->listEnd;
        const ItemOutcome out = WalkIndexedEntries(w, known->indexed);
        if (out.endWalk) return out.result;
        return w.french ? 0 : w.englishAnswer;
    }
    EntryListCursor cursor;
    if (!OpenSectionEntryLists(section, span, w.key.At(2), w.key.At(3), cursor)) return 0;
    EntryListSpan list;
    while (NextEntryList(cursor, list)) {
        const ItemOutcome out = WalkEntryList(w, span, list);
        if (out.endWalk) return out.result;
    }
    return w.french ? 0 : w.englishAnswer;
}

// What the key's third and fourth letters open in the section: `may` is
// false when they open no entry list (or the section or key cannot be
// walked: the walk finds nothing then); `fault` when reading the first list
// met a data fault, which is left for the walk to report. A pair that opens
// exactly one list, without a fault, and whose list is indexed, is `single`.
void ReadEntryLists(i16 section, const KeyText& k, KnownEntryLists& known) {
    const u32 faults = gDictFaultCount;
    const u16 last = gDictLastFault;
    known = KnownEntryLists{};
    DictSectionSpan span;
    EntryListCursor cursor;
    EntryListSpan list;
    known.may = GetDictSection(section, span) && k.length >= 4 &&
                OpenSectionEntryLists(section, span, k.At(2), k.At(3), cursor) &&
                NextEntryList(cursor, list);
    known.fault = gDictFaultCount != faults;
    if (known.may && !known.fault) {
        EntryListSpan more;
        known.single = !NextEntryList(cursor, more) && gDictFaultCount == faults &&
                       FindIndexedList(section, span, list, known.indexed);
        known.listEnd = list.end;
        known.epoch = SectionIndexEpoch();
    }
    gDictFaultCount = faults;
    gDictLastFault = last;
}

// The answer for a key of four bytes or more depends on its third and
// fourth alone: it is remembered (entry_list_memo.h); a kept single list
// whose index moved since is read again.
void FindEntryLists(i16 section, const KeyText& k, KnownEntryLists& known) {
    if (k.length < 4) {
        ReadEntryLists(section, k, known);
        return;
    }
    if (RememberedEntryLists(section, k.At(2), k.At(3), known) &&
        (!known.single || known.epoch == SectionIndexEpoch())) {
#ifndef NDEBUG
        KnownEntryLists fresh;
        ReadEntryLists(section, k, fresh);
        if (fresh.may != known.may || fresh.fault != known.fault || fresh.single != known.single) std::abort();
#endif
        return;
    }
    ReadEntryLists(section, k, known);
    KeepEntryLists(section, k.At(2), k.At(3), known);
}

}  // namespace

i16 LookupInDictSection(u16 mode, i16 section, const BoundedString& key, BoundedArray<u16>& tags,
                        u16& count) {
    return LookupInDictSection(mode, section, key, TextLen(key), tags, count);
}

i16 LookupInDictSection(u16 mode, i16 section, const BoundedString& key, u32 keyLength,
                        BoundedArray<u16>& tags, u16& count) {
    gListsHint.set = false;
    KeyText k;
    if (key.valid != 0 && key.data != nullptr) {
        k.bytes = key.data;
        k.length = keyLength;
    }
    KnownEntryLists known;
    FindEntryLists(section, k, known);
    if (known.fault) return WalkSection(mode, section, key, tags, count);
    if (!known.may) return 0;
    gListsHint.set = true;
    gListsHint.section = section;
    gListsHint.third = k.At(2);
    gListsHint.fourth = k.At(3);
    gListsHint.known = known;
    gListsHint.keyData = k.bytes;
    gListsHint.keyLength = k.length;
    const i16 answer = RememberedSectionWalk(WalkSection, mode, section, key, k.length, tags, count);
    gListsHint.set = false;
    return answer;
}

// ---- Defective and irregular verb forms -------------------------------------------------

namespace {

struct DefectiveForm {
    const char* key;
    u8 byte;
    u16 tags[3];
};

const DefectiveForm kDefectiveForms[] = {
    {"puis", '+', {0x1400, 0xF006}},
    {"faut", 'q', {0xF008}},
    {"veuillez", '/', {0xF035}},
    {"veuilles", '/', {0xF01F}},
    {"veuille", '/', {0xF01E, 0xF020, 0xF030}},
    {"veuillons", '/', {0xF031}},
    {MR("interpénètrent"), 'f', {0xA00B, 0xA023}},
    {MR("verglaça"), 'n', {0x901A}},
    {MR("verglaçait"), 'n', {0x900E}},
    {MR("verglaçât"), 'n', {0x9026}},
    {"chaut", 127, {0x9008}},
    {"florissais", 15, {0xF00C, 0xF00D}},
    {"florissait", 15, {0xF00E}},
    {"florissions", 15, {0xF00F}},
    {"florissiez", 15, {0xF010}},
    {"florissaient", 15, {0xF011}},
    {"gisons", 127, {0x9009}},
    {"gisez", 127, {0x900A}},
    {"gisent", 127, {0x900B}},
    {"gisais", 127, {0x900C, 0x900D}},
    {"gisait", 127, {0x900E}},
    {"gisions", 127, {0x900F}},
    {"gisiez", 127, {0x9010}},
    {"gisaient", 127, {0x9011}},
    {MR("ouïs"), 127, {0xC003}},
    {MR("ouïe"), 127, {0xC004}},
    {MR("ouïes"), 127, {0xC005}},
    {MR("ouïrai"), 127, {0xC012}},
    {MR("ouïrais"), 127, {0xC02A}},
    {"oyant", 127, {0xC001}},
    {"oyez", 127, {0xC031}},
    {"sourd", 127, {0x4214, 0x9008}},
    {"sourdent", 127, {0x900B}},
    {"sourdait", 127, {0x900E}},
    {"sourdaient", 127, {0x9011}},
    {"luisis", 'Y', {0x9018, 0x9019}},
    {"luisit", 'Y', {0x901A}},
    {MR("luisîmes"), 'Y', {0x901B}},
    {MR("luisîtes"), 'Y', {0x901C}},
    {"luisirent", 'Y', {0x901D}},
    {MR("échet"), 'r', {0xD008}},
    {"appert", 127, {0x9008}},
};

}  // namespace

void AnalyseDefectiveVerbForm(const BoundedString& key, BoundedArray<u16>& tags, u16& count) {
    ForgetSectionWalk();  // the outcome depends on tags[0]
    const KeyText k = MakeKeyText(key);
    for (const DefectiveForm& form : kDefectiveForms) {
        if (!KeyEquals(k, form.key)) continue;
        const u32 n = TagCount(form.tags);
        for (u32 i = 0; i < n; ++i) tags[static_cast<i32>(i)] = form.tags[i];
        gWordAnalysisBytes[count] = form.byte;
        count = static_cast<u16>(n);
        return;
    }
    if (tags[0] != 0x1A00) {
        tags[0] = 0x1C00;
        count = 1;
    }
}
