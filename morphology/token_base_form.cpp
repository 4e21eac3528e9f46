// Token base form: the lemma of a sentence word's first reading.
#include "morphology/token_base_form.h"

#include <cstdlib>
#include <cstring>

#include "frame/bounded_string.h"
#include "frame/loader.h"
#include "frame/mac_roman.h"
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/report.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "morphology/adjectives.h"
#include "morphology/dict_format.h"
#include "morphology/lemma_stem_memo.h"
#include "morphology/section_walk.h"
#include "morphology/suggestion_checks.h"
#include "morphology/word_lookup.h"
#include "morphology/word_marks.h"

namespace {

constexpr i32 kMaxLemmaLetters = 23;

struct BaseCall {
    WordRecord& record;
    BoundedString& base;
    bool french;
    u8 c = 0, f = 0, m = 0;
    u32 r = 0;
    u8 b0 = 0, b1 = 0;
    u16 code = 0;
    u8 lastByte = 0;  // last entry byte the lemma walk read
};

bool FollowsQuestion(i16 index) {
    if (gWordCount == 0) return false;
    const BoundedString& lastText = gWords[gWordCount - 1].WordText;
    if (TextAt(lastText, 0) != '?') return false;
    if (index == 0) return true;
    if (index == 1 && gWords[0].ReadingCategories[0] > 14) return true;
    return index > 0 && gWords[index - 1].ReadingCategories[0] == 21;
}

u16 CategoryCode(BaseCall& k, i16 index) {
    u8 c = k.c;
    if (!k.french) {
        switch (c) {
            case '8': return 12;
            case '9': return 11;
            case ':': return 18;
            case ';': return 1;
            case '7': return 13;
            default: break;
        }
    }
    const u8 cat = k.record.ReadingCategories[0];
    if (c >= 0x80) return 1;
    if (c == 0x40) {
        if (k.record.WordCaseMode >= 3) return k.f != 0 ? 21 : 22;
        return k.f != 0 ? 10 : 23;
    }
    switch (c) {
        case 'A': return 11;
        case 'B': case 'E': case '}': return 12;
        case 'C': case 'M': case 'N': return 13;
        case 'D': return 2;
        case 'f': case 'g': return 9;
        case 18: return 19;
        case 28: return 21;
        case 20: case 21: case 22: return 18;
        case 17: return 17;
        default: break;
    }
    if (c == 16 || cat == 16) return 16;
    if ((c >= 32 && c <= 35) || c == 38) return 15;
    if ((c >= 23 && c <= 26) || (c >= 42 && c <= 44)) return 14;
    if (c == 36 || c == 37) return 9;
    if ((c >= 79 && c <= 83) || (c >= 109 && c <= 123)) return 8;
    if (c >= 99 && c <= 108) return 7;
    if (c >= 74 && c <= 76) return 6;
    if (c >= 71 && c <= 73) return FollowsQuestion(index) ? 25 : 5;
    if (c == 70) return 4;
    if ((c >= 84 && c <= 98) || c == 124) return 3;
    return (cat == 20 || cat == 21) ? 69 : 24;
}

// The prefix-index entry (section) holding body offset r; -1 when r lies in
// the last section or beyond.
i32 SectionOf(u32 r) {
    const i32 n = static_cast<i32>(gDictSectionCount < gDictPrefixIndex.count ? gDictSectionCount
                                                                                 : gDictPrefixIndex.count);
    i32 found = -1;
    for (i32 s = 1; s < n; ++s) {
        if (gDictPrefixIndex.data[s].Offset <= r) found = s;
        else return found;
    }
    return -1;
}

u32 BodyU16(u32 at) { return static_cast<u32>(DictBodyByte(at)) * 256 + DictBodyByte(at + 1); }

void AppendByte(BoundedString& s, u8 b) { AppendBytes(s, &b, 1); }

}  // namespace


namespace {

// Step 6: the lemma's stem rebuilt from its section, into `stem` (its
// text, the last byte the walk read and the outcome: 1 inside (a model
// ending follows), 2 outside (a letter or suffix code follows), 0 neither);
// `stem` comes in cleared.
void RebuildStem(bool french, u32 r, i32 section, LemmaStem& stem) {
    const DictSectionEntry& e = gDictPrefixIndex.data[section];
    const u32 S = e.Offset;
    const u32 rel = r - S;
    Work36 out;
    out.Set(e.Key.data, 2);
    const u32 n = DictBodyByte(S + 2);
    if (n == 0 || n % 3 != 0) return;
    const u32 listsBegin = BodyU16(S + n + 1);
    // The last fourth-letter entry whose list starts at or before rel.
    u32 entry = 0;
    bool any = false;
    for (u32 at = n; at < listsBegin && at + 3 <= e.Length; at += 3) {
        if (BodyU16(S + at + 1) > rel) break;
        entry = at;
        any = true;
    }
    if (!any) return;
    u8 third = 0;
    for (u32 j = 0; j < n; j += 3)
        if (BodyU16(S + j + 1) <= entry) third = DictBodyByte(S + j);
    AppendByte(out.s, third);
    AppendByte(out.s, DictBodyByte(S + entry));
    const u32 begin = BodyU16(S + entry + 1);
    const u32 end = entry + 3 < listsBegin ? BodyU16(S + entry + 4) : e.Length;
    const u8 filler = french ? '_' : 0x40;
    u8 letters[kMaxLemmaLetters + 1];
    i32 count = 0;
    bool group = false;
    i32 g = 1;
    // The walk stops on the byte at rel: inside a group (the model item of
    // a verb follows its group code) or outside (a letter or suffix item).
    for (u32 pos = begin; pos < end;) {
        const u8 b = DictBodyByte(S + pos);
        stem.lastByte = b;
        if (pos == rel) {
            stem.outcome = static_cast<i8>(group ? 1 : 2);
            break;
        }
        if (pos > rel) break;
        const bool letter = b > filler && b < 160;
        if (!group && b >= 123 && b <= 159 && (b <= 136 || b == 151 || b == 152 || b == 156)) {
            if (b <= 130) {
                group = true;
                g = b - 121;
            } else if (b <= 136) {
                g = b - 129;
            }
            ++pos;
        } else if (letter && !group) {
            if (count >= kMaxLemmaLetters) break;
            letters[count++] = b;
            ++pos;
        } else {
            // An item (two bytes): the position steps over its second byte
            // and closes an open group; the entry ends with its last item.
            --g;
            pos += 2;
            group = false;
            if (g < 2) count = 0;
        }
    }
    AppendBytes(out.s, letters, count);
    stem.textSet = true;
    stem.length = static_cast<u8>(out.Length());
    std::memcpy(stem.text, out.bytes, stem.length);
}

// The section of the reference and, past the fixed references, its stem;
// through the memo of stems.
void ComputeStem(bool french, u32 r, LemmaStem& stem) {
    stem.section = static_cast<i16>(SectionOf(r));
    stem.outcome = 0;
    stem.lastByte = 0;
    stem.textSet = false;
    stem.length = 0;
    if (stem.section >= 0 && r >= 80) RebuildStem(french, r, stem.section, stem);
}

#ifndef NDEBUG
// Debug builds: a remembered stem against a fresh one.
void CrossCheckStem(bool french, u32 r, const LemmaStem& kept) {
    LemmaStem fresh;
    ComputeStem(french, r, fresh);
    if (fresh.section != kept.section || fresh.outcome != kept.outcome || fresh.lastByte != kept.lastByte ||
        fresh.textSet != kept.textSet || fresh.length != kept.length ||
        std::memcmp(fresh.text, kept.text, fresh.length) != 0)
        std::abort();
}
#endif

const LemmaStem& StemAt(const BaseCall& k) {
    bool held = false;
    LemmaStem& slot = LemmaStemSlot(k.r, k.french, held);
    if (!held) {
        ComputeStem(k.french, k.r, slot);
        MarkLemmaStem(slot, k.r, k.french);
    }
#ifndef NDEBUG
    else {
        CrossCheckStem(k.french, k.r, slot);
    }
#endif
    return slot;
}

u8 ModelSlot(BaseCall& k) {
    const BoundedString& text = k.record.WordText;
    switch (k.code) {
        case 1: return 0;
        case 11: {
            if (!k.french) {
                if (k.f != 12) return 0;
                return TextEndsWith(text, "ing") ? 2 : TextEndsWith(text, "ed") ? 3 : 0;
            }
            if (k.m == k.b0) return 0;
            const u8 kk = k.b1 & 0x1F;
            if (kk == 1) return 4;
            if (kk > 7 && k.m == '<') return k.f < 32 ? 2 : 4;
            if (kk == 7) return k.m == '<' ? 4 : 6;
            if (kk == 5) return TextEndsWith(text, MR("ée")) ? 4 : 6;
            return kk < 4 ? 2 : 6;
        }
        case 12:
        case 13:
            if (k.french) return (k.b1 & 0x1F) < 16 ? 2 : 6;
            if (k.f == 12) return TextEndsWith(text, "ing") ? 2 : TextEndsWith(text, "ed") ? 3 : 0;
            return (k.f & 0x0F) > 7 ? 1 : 0;
        default: return 0;
    }
}

// The ending of a model slot appended to the base; false when the slot has
// no form ("0").
bool AppendFrenchEnding(BaseCall& k, u32 model, u8 slot) {
    if (model >= gEndingRows.count) return true;
    const EndingRow& row = gEndingRows.data[model];
    const u32 length = row.EndingLengths[slot];
    const u8* text = EndingText(length, row.EndingIndexes[slot]);
    if (text == nullptr) return true;
    if (length == 1 && text[0] == '0') return false;
    if (length == 1 && text[0] == '$') return true;
    AppendBytes(k.base, text, static_cast<i32>(length));
    return true;
}

void ReplaceLast(BoundedString& s, u8 from, u8 to) {
    for (i32 i = GetStringLength(s) - 1; i >= 0; --i)
        if (s.data[i] == from) {
            s.data[i] = to;
            return;
        }
}

void ModelEnding(BaseCall& k) {
    u32 model = k.b0 > 127 ? k.b0 - 128u : k.b0;
    const u8 slot = ModelSlot(k);
    if (!k.french) {
        if (model == 125 || model == 127 || model >= gEnglishEndingRows.count || slot > 4) return;
        const EnglishEndingRow& row = gEnglishEndingRows.data[model];
        const u32 length = row.EndingLengths[slot];
        const u8* text = EndingText(length, row.EndingIndexes[slot]);
        if (text != nullptr && !(length == 1 && text[0] == '$')) AppendBytes(k.base, text, static_cast<i32>(length));
        return;
    }
    if (model == 13) model = 9;
    else if (model == 103) model = 2;
    else if (model == 93) model = 3;
    else if (model == 83 || model == 5 || model == 6) {
        ReplaceLast(k.base, MRC("ç"), 'c');
        model = model == 83 ? 4 : model == 5 ? 3 : 2;
    }
    if (AppendFrenchEnding(k, model, slot) || slot != 6) return;
    if (model == 3) {
        ReplaceLast(k.base, MRC("é"), MRC("è"));
        AppendFrenchEnding(k, 93, 6);
    } else if (model == 2) {
        ReplaceLast(k.base, 'e', MRC("è"));
        AppendFrenchEnding(k, 103, 6);
    }
}

void LetterOrSuffixEnding(BaseCall& k) {
    const u8 b = k.b0;
    u8 letter = 0;
    if (b >= 1 && b <= 95) {
        if (b <= 26) letter = static_cast<u8>('a' + b - 1);
        else if (b >= 33 && b <= 58) letter = static_cast<u8>('a' + b - 33);
        else if (b >= 65 && b <= 90) letter = static_cast<u8>('a' + b - 65);
        else if (k.french) {
            switch (b) {
                case 28: case 60: case 92: letter = MRC("é"); break;
                case 29: case 61: case 93: letter = MRC("ï"); break;
                case 30: letter = MRC("à"); break;
                case 31: letter = MRC("ô"); break;
                case 32: letter = MRC("ù"); break;
                case 64: letter = MRC("ê"); break;
                case 94: letter = MRC("ë"); break;
                case 95: letter = MRC("è"); break;
                default: break;
            }
        } else {
            switch (b) {
                case 28: letter = MRC("é"); break;
                case 29: letter = MRC("à"); break;
                case 31: letter = 'y'; break;
                case 59: letter = 'h'; break;
                case 60: letter = 'o'; break;
                case 61: letter = 's'; break;
                case 62: letter = 'x'; break;
                case 63: letter = 'z'; break;
                default: break;
            }
        }
        if (letter != 0) AppendByte(k.base, letter);
    } else if (b >= 160) {
        if (!k.french && b == 254) AppendCString(k.base, "man");
        else if (!k.french && b == 255) AppendCString(k.base, "a");
        else if (k.french && b >= 252 && b <= 254) {
            // ible/ibilité, rice/eur, atrice/ateur: the second suffix of the
            // pair spells the lemma.
            AppendString(k.base, gFrenchSuffixes[gLetterTable[b - 137]]);
        } else {
            const StringList& suffixes = k.french ? gFrenchSuffixes : gEnglishSuffixes;
            AppendString(k.base, suffixes[gLetterTable[b - 160]]);
        }
    }
    if (!k.french) return;
    Work36 copy;
    copy.Set(k.base);
    const u16 selector = gErrorExtent;
    gErrorExtent = 1;
    if (InflectFrenchIrregularAdjective(copy.s) == 1) TextSet(k.base, copy.s);
    gErrorExtent = selector;
}

void LowerFromWordText(BaseCall& k) {
    Work36 w;
    w.Set(k.record.WordText);
    for (i32 i = 0; i < w.Length(); ++i) {
        u8& c = w.bytes[i];
        if (c == '-') c = kMarkHyphen;
        else if (IsUpperMacRoman(c)) c = ToLowerMacRoman(c);
    }
    u16 store[20] = {};
    BoundedArray<u16> tags;
    tags.View(store, 20);
    u16 n = 0;
    LookupWordForm(k.french ? kModeFrenchPlain : kModeEnglishPlain, w.s, tags, n);
    TextSet(k.base, gLookupWorkString);
}

void Clean(BoundedString& base) {
    i32 n = GetStringLength(base);
    if (n > 1) {
        i32 skip = 0;
        while (skip < n && base.data[skip] <= 64) ++skip;
        if (skip > 0) {
            std::memmove(base.data, base.data + skip, static_cast<size_t>(n - skip + 1));
            n -= skip;
        }
    }
    for (i32 i = 0; i < n; ++i) {
        u8& c = base.data[i];
        if (c == kMarkHyphen) c = '-';
        else if (c == kMarkAGrave) c = kAGraveByte;
        else if (c == kMarkApostrophe) c = '\'';
    }
}

struct Pair {
    const char* from;
    const char* to;
};

void EnglishSpecials(BaseCall& k) {
    const BoundedString& text = k.record.WordText;
    const BoundedString& raw = k.record.SeparatorText;
    if (TextStartsWith(raw, "u.s") || TextStartsWith(raw, "U.S") || TextStartsWith(raw, "U.N")) {
        TextSet(k.base, text);
        return;
    }
    static const Pair kPoetic[] = {{"e'er", "ever"}, {"ne'er", "never"}, {"o'er", "over"}};
    if (k.c < 0x80)
        for (const Pair& p : kPoetic)
            if (TextEquals(text, p.from)) TextSet(k.base, p.to);
    if (k.c >= 0x80 && (k.m & 0x7F) != k.b0) {
        static const struct {
            u8 mark;
            const char* verb;
        } kVerbs[] = {{'%', "be"}, {'&', "have"}, {28, "can"}, {29, "may"}, {30, "must"},
                      {31, "will"}, {'!', "shall"}, {'"', "do"}, {27, "let"}};
        for (const auto& v : kVerbs)
            if ((k.m & 0x7F) == v.mark) TextSet(k.base, v.verb);
    }
    Work36 key;
    u16 store[20] = {};
    BoundedArray<u16> tags;
    tags.View(store, 20);
    u16 n = 0;
    key.Set("66");
    AppendString(key.s, text);
    LookupInDictSection(kModeEnglishPlain, 6, key.s, tags, n);
    if (n > 0) {
        Work36 w;
        w.Set(text);
        const i32 at = FindCSubstring(w.s, "ou");
        if (at > 0) {
            std::memmove(w.bytes + at, w.bytes + at + 1, static_cast<size_t>(w.Length() - at));
        } else if (w.Length() >= 2 && TextEndsWith(w.s, "re")) {
            w.bytes[w.Length() - 2] = 'e';
            w.bytes[w.Length() - 1] = 'r';
        }
        TextSet(k.base, w.s);
        return;
    }
    const i32 len = GetStringLength(text);
    // English adjective and noun class bytes read as their French letters.
    const u8 cls = k.c == '8' ? 'B' : k.c == '9' ? 'A' : k.c;
    if (len >= 10 || !(cls == 'B' || (cls == 'A' && TextEndsWith(text, "est")))) return;
    static const Pair kCompared[] = {
        {"better", "good"}, {"best", "good"},  {"worse", "bad"},     {"worst", "bad"},     {"farther", "far"},
        {"further", "far"}, {"farthest", "far"}, {"older", "old"},  {"elder", "old"},     {"oldest", "old"},
        {"eldest", "old"},  {"easier", "easy"}, {"easiest", "easy"}, {"later", "late"},   {"safer", "safe"},
        {"wider", "wide"},  {"newer", "new"},  {"latest", "late"},   {"safest", "safe"},  {"widest", "wide"},
        {"newest", "new"}};
    for (const Pair& p : kCompared)
        if (TextEquals(text, p.from)) {
            TextSet(k.base, p.to);
            return;
        }
    Work36 w;
    if (k.lastByte == 182 || k.lastByte == 209) {
        w.Set(text.data, len - (k.lastByte == 182 ? 3 : 4));
        AppendCString(w.s, "y");
        TextSet(k.base, w.s);
    } else if (k.lastByte == 162 || k.lastByte == 180) {
        const i32 first = k.lastByte == 162 ? 1 : 2;
        for (i32 cut = first; cut < first + 3 && cut < len; ++cut) {
            w.Set(text.data, len - cut);
            u16 m = 0;
            LookupWordForm(kModeEnglishPlain, w.s, tags, m);
            for (u16 i = 0; i < m && i < 20; ++i) {
                const u8 found = static_cast<u8>(store[i] >> 8);
                if (found == '8' || found == 'N') {
                    TextSet(k.base, w.s);
                    return;
                }
            }
        }
    }
}

void FrenchSpecials(BaseCall& k) {
    const bool differs = k.c >= 0x80 ? (k.m & 0x7F) != k.b0 : k.m != k.b0;
    const BoundedString& base = k.base;
    if (differs && k.c < 0x80 && k.c >= 35 && k.c <= 126) {
        const char* to = nullptr;
        switch (k.c) {
            case 'm': case 'n': case 'o': to = "mon"; break;
            case 'p': case 'q': case 'r': to = "ton"; break;
            case 's': case 't': case 'u': to = "son"; break;
            case 'g': to = "au"; break;
            case 'O': to = "ce"; break;
            default:
                if ((k.m == 128 || k.m == 129) && TextStartsWith(base, "be")) to = "beau";
                else if (k.m == 128 && TextStartsWith(base, "fo")) to = "fou";
                else if (k.m == 128 && TextStartsWith(base, "mo")) to = "mou";
                else if ((k.m == 128 || k.m == 129) && TextStartsWith(base, "vie")) to = "vieux";
        }
        if (to != nullptr) TextSet(k.base, to);
    } else if (differs && k.c >= 0x80) {
        const BoundedString& text = k.record.WordText;
        const char* to = nullptr;
        switch (k.m) {
            case 17: to = "avoir"; break;
            case '+': to = "pouvoir"; break;
            case '/': to = "vouloir"; break;
            case 'q': to = "falloir"; break;
            case 142: to = MR("échoir"); break;
            case 'Y': to = "luire"; break;
            case '1':
                if (TextAt(text, 0) == 'a') to = "asseoir";
                else if (TextAt(text, 0) == 'r') to = "rasseoir";
                break;
            case 15: if (TextStartsWith(text, "floris")) to = "fleurir"; break;
            case 'n': if (TextStartsWith(text, "verg")) to = "verglacer"; break;
            case 'f': if (TextStartsWith(text, MR("interpén"))) to = MR("interpénétrer"); break;
            case 127:
                if (TextStartsWith(base, "g")) to = MR("gésir");
                else if (TextStartsWith(base, "ap")) to = "apparoir";
                else if (TextStartsWith(base, "c")) to = "chaloir";
                else if (TextStartsWith(base, "o")) to = MR("ouïr");
                else if (TextStartsWith(base, "s")) to = "sourdre";
                break;
            default: break;
        }
        if (to != nullptr) TextSet(k.base, to);
    }
    switch (k.c) {
        case 'c': case 'd': case 'e': TextSet(k.base, "le"); break;
        case 'l': case '%': TextSet(k.base, "du"); break;
        case 'h': case 'i': TextSet(k.base, "un"); break;
        case 'O': TextSet(k.base, "ce"); break;
        case 'B':
            if (k.code == 12 && TextStartsWith(k.base, "nouve")) TextSet(k.base, "nouveau");
            break;
        default: break;
    }
}

struct FrenchScope {
    bool active = false;
    ~FrenchScope() {
        if (active) SelectLanguageTables(0);
    }
};

}  // namespace

u16 GetTokenBaseForm(i16 wordIndex, BoundedString& base) {
    WordRecord& record = gWords[wordIndex];
    BaseCall k{record, base, gCheckingLanguage != 0};
    TextSet(base, "");
    k.c = record.ReadingClasses[0];
    k.f = record.ReadingFeatures[0];
    k.m = record.ReadingMarks[0];
    k.r = record.ReadingLemmaRefs[0];
    FrenchScope scope;
    if (!k.french && k.c == 0x40) {
        SelectLanguageTables(3);
        const u32 from = gDictPrefixIndex.count > 9 ? gDictPrefixIndex.data[9].Offset : 0;
        const u32 to = gDictPrefixIndex.count > 11 ? gDictPrefixIndex.data[11].Offset : 0;
        if (k.r > from && k.r < to) {
            scope.active = true;
        } else {
            SelectLanguageTables(0);
        }
    }
    k.b0 = DictBodyByte(k.r);
    k.b1 = DictBodyByte(k.r + 1);
    k.code = CategoryCode(k, wordIndex);
    bool rawText = k.c == 0x40;
    i32 outcome = 0;
    if (!rawText) {
        const LemmaStem& stem = StemAt(k);
        // A reference before the first section (the dictionary's head) is
        // a word with no lemma in the dictionary, a punctuation sign or an
        // unknown word: it keeps the code of its class. Only a reference
        // in the last section or beyond gives none.
        const bool head = gDictPrefixIndex.count > 1 && k.r < gDictPrefixIndex.data[1].Offset;
        if (stem.section < 0 && !head) {
            TextSet(base, "");
            return 2;
        }
        if (k.r == 8) return k.code;
        if (k.r < 80) {
            const char* fixed = nullptr;
            u16 result = 0;
            if (!k.french && k.r == 40) fixed = "I", result = 3;
            else if (!k.french && k.r == 60) fixed = "a", result = 7;
            else if (k.french && k.r == 60) fixed = MR("à"), result = 15;
            else if (k.french && k.r == 62) fixed = "y", result = 3;
            if (fixed != nullptr) {
                TextSet(base, fixed);
                return result;
            }
        } else {
            outcome = stem.outcome;
            k.lastByte = stem.lastByte;
            if (stem.textSet) TextSet(base, stem.text, stem.length);
        }
        if (k.c == 'B' && TextAt(record.WordText, 0) >= '1' && TextAt(record.WordText, 0) <= '9') {
            TextSet(base, record.WordText);
            return k.code;
        }
        if (outcome == 1) {
            if (!k.french && (k.code == 12 || k.code == 13) && k.f == 12 && !TextEndsWith(record.WordText, "ing") &&
                !TextEndsWith(record.WordText, "ed") && record.FunctionCode != 77) {
                TextSet(base, record.WordText);
                return k.code;
            }
            if (!k.french && k.code == 12 && k.f == 0) {
                TextSet(base, record.WordText);
                return k.code;
            }
            ModelEnding(k);
        } else if (outcome == 2) {
            LetterOrSuffixEnding(k);
        }
    }
    const u16 code = k.code;
    if (rawText || code == 10 || (code >= 15 && code <= 25) || code == 69 ||
        (code == 3 && record.ReadingCategories[0] != 1) || (code == 8 && (k.c == 'R' || k.c == 'S')))
        TextSet(base, record.SeparatorText);
    if (k.r == 4) LowerFromWordText(k);
    Clean(base);
    if (k.french) FrenchSpecials(k);
    else EnglishSpecials(k);
    record.GroupMark = static_cast<u8>(code);
    return code;
}
