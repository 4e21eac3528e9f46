// Writer of the French main dictionary (see dict_writer.h for the stages).
#include "tools/datacomp/dict_writer.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <set>
#include <tuple>
#include <unordered_map>

#include "frame/bounded_string.h"
#include "frame/mac_roman_literal.h"
#include "frame/tables.h"
#include "tools/datacomp/classify.h"
#include "tools/datacomp/source_text.h"

namespace {

constexpr u8 kHyphen = 0x9B;

// ---- Keys and sections ------------------------------------------------------

const char* const kReservedKeys[kReservedSections + 1] = {
    "aa", "11", "22", "33", "44", "55", "66", "77", "88", "99", "::"};
const char* const kReservedPrefixes[kReservedSections + 1] = {
    "", "111", "22", "3333", "444", "55", "66", "77", "88", "99", "::"};

u8 LetterCode(u8 b) { return gLetterCodesSource.data[b]; }

// Where a reading or a verb is filed before the two-letter sections are
// chosen: a reserved section, or 0 with the two key letters.
struct Place {
    u16 section = 0;      // 1..10, or 0 for the word's two-letter section
    std::string key;      // whole lookup key (prefix + word, or the word)
};

// The word's own place, given a forced reserved section (0 = none).
Place PlaceWord(const std::string& w, u8 forced) {
    Place p;
    if (forced != 0) {
        p.section = forced;
        p.key = std::string(kReservedPrefixes[forced]) + w;
    } else if (w.size() == 2) {
        p.section = 1;
        p.key = "111" + w;
    } else if (w.size() == 3) {
        p.section = 2;
        p.key = "22" + w;
    } else if (w.size() >= 4 && w[0] == 'a' && w[1] == 'a') {
        p.section = 10;  // the matrix sends "aa" to section 10
        p.key = w;
    } else {
        p.section = 0;
        p.key = w;
    }
    return p;
}

// ---- Items and hits -----------------------------------------------------------

// One analysis an item gives for one key, before the body offsets are known.
struct PendingAnalysis {
    u16 tag = 0;
    u8 byte = 0;
};

// What an item gives for one key it matches.
struct Hit {
    std::vector<PendingAnalysis> analyses;
    bool replaces = false;   // fixed reading set / stem-only verb: written from index 0
    bool stops = false;      // stem-only verb, stop mark: the walk of the section ends here
    bool literal = false;    // stop-mark form: lemma references 0 and 1 at the item
    u32 itemId = 0;          // the item whose offset is the lemma reference
};

// An entry of a list, with the hits of its items.
struct PlannedEntry {
    DictEntry entry;
    std::vector<u32> itemIds;     // one per item
    std::vector<bool> itemVowel;  // the item's reading carries the vowel-sound bit 0x40
    std::vector<u8> itemOrder;    // 0 a preposition's or conjunction's reading, 1 another function
                                  // word's, 3 a noun or adjective's, 2 any other
    bool replaces = false;        // holds an item that replaces earlier readings
    bool closed = false;          // a function word's item: before the others
    bool vowel = false;           // holds a reading with the vowel-sound bit: first of all
    bool verb = false;
    u32 group = 0;                // lemma group (pruning unit)
    std::string sortKey;          // stem, then items
};

struct SectionPlan {
    // (third, fourth) -> entries.
    std::map<std::pair<u8, u8>, std::vector<PlannedEntry>> lists;
    // key from its third character on -> hits, in entry order (set after layout).
    std::map<std::string, std::vector<std::pair<std::tuple<u32, u32, u32>, Hit>>> hits;
};

struct GroupInfo {
    std::string lemma;
    u32 rank = 0;
    bool verb = false;
    u16 section = 0;
    std::vector<std::string> words;  // for the pruning report
};

// The reserved section of the three-letter words and of the four-letter
// plurals in s filed with them ("22").
constexpr u16 kShortWordSection = 2;

// Rank order for pruning: worse first means unranked before ranked, then
// higher rank numbers.
u64 Badness(u32 rank) { return rank == 0 ? ~0ull : rank; }

std::string Hex4(u16 v) {
    char b[8];
    std::snprintf(b, sizeof b, "%04X", v);
    return b;
}

std::string Printable(const std::string& mr) {
    std::string out;
    for (unsigned char c : mr) {
        if (c > 0x20 && c < 0x7F && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char b[8];
            std::snprintf(b, sizeof b, "\\x%02X", c);
            out += b;
        }
    }
    return out;
}

// ---- Nominal cover --------------------------------------------------------------

struct Desired {
    std::string key;
    ClassReading reading;
    std::vector<u8> allowed;   // class bytes that may write it
    u32 reading_index = 0;     // into the group's readings (for the report)
    bool covered = false;
    bool closed = false;       // a function word's reading (read first)
    bool leads = false;        // a closed class byte, preposition or conjunction: first of all
    bool mergedAway = false;   // folded into a reading of both numbers
    bool splitInto = false;    // replaced by a singular and a plural reading
    bool fromSplit = false;    // one half of such a split
};

bool SameReading(const ClassReading& a, const ClassReading& b) {
    if (a.count != b.count || a.replaces != b.replaces) return false;
    for (u8 i = 0; i < a.count; ++i)
        if (a.tags[i] != b.tags[i]) return false;
    return true;
}

// Codes (ending codes and suffix codes) able to spell a given remainder.
const std::map<std::string, std::vector<u8>>& CodesByRemainder() {
    static const std::map<std::string, std::vector<u8>> table = [] {
        std::map<std::string, std::vector<u8>> t;
        for (u32 code = 0; code < 256; ++code)
            for (const std::string& rem : EndingCodeRemainders(static_cast<u8>(code)))
                t[rem].push_back(static_cast<u8>(code));
        return t;
    }();
    return table;
}

// What an ending or suffix item spells for a key ending in `rest`: ending
// codes as the classification reads them, suffix codes through the
// library's own reader (the French suffix-code table must be current).
EndingResult DecodeItemEnding(u8 code, const std::string& rest, const std::string& key) {
    if (code < kSuffixCodeFirst) return MatchEndingCode(code, rest, key);
    EndingResult out;
    KeyText kt;
    kt.bytes = reinterpret_cast<const u8*>(key.data());
    kt.length = static_cast<u32>(key.size());
    EndingReading er;
    if (MatchFrenchEnding(code, kt, static_cast<u32>(rest.size()), er)) {
        out.match = true;
        out.number = er.number;
        out.gender = er.gender;
    }
    return out;
}

struct CoverItem {
    u32 stemEnd = 0;     // key length covered by the stem (>= 4)
    u8 code = 0;
    u8 cls = 0;
    std::vector<u32> covers;   // desired indexes
    std::vector<std::pair<std::string, ClassReading>> gives;
};

bool StemLettersOk(const std::string& key, u32 from, u32 to) {
    for (u32 i = from; i < to; ++i)
        if (!IsFrenchStemLetter(static_cast<u8>(key[i]))) return false;
    return true;
}

// Whether the one-form lookup ever walks `section` with `key`: the short-word
// sections serve words of a given length only, the two-letter sections
// words of four letters and more.
bool KeyIsWalked(u16 section, const std::string& key) {
    switch (section) {
        case 1: return key.size() <= 3 + 3;        // "111" + one to three letters
        case 2: return key.size() == 2 + 3 || key.size() == 2 + 4;
        case 3: case 4: case 6: case 7: case 8: case 9: return true;
        case 5: return key.size() >= 2 + 2;
        case 10: return true;
        default: return key.size() >= 4;
    }
}

// Best item covering only uncovered readings, or false. Readings the item
// gives under keys the lookup never walks in this section do not count.
bool BestCoverItem(std::vector<Desired>& want, u16 section, CoverItem& best) {
    bool found = false;
    for (const Desired& d : want) {
        if (d.covered) continue;
        const u32 len = static_cast<u32>(d.key.size());
        // Ending codes spell up to three letters, suffix codes up to nine.
        for (u32 j = std::max<u32>(4, len >= kFrenchMaxSuffixRemainder ? len - kFrenchMaxSuffixRemainder : 0);
             j <= len; ++j) {
            if (!StemLettersOk(d.key, 4, j)) break;
            auto it = CodesByRemainder().find(d.key.substr(j));
            if (it == CodesByRemainder().end()) continue;
            for (u8 code : it->second) {
                for (u8 cls : d.allowed) {
                    CoverItem cand;
                    cand.stemEnd = j;
                    cand.code = code;
                    cand.cls = cls;
                    bool ok = true, self = false;
                    const std::string base = d.key.substr(0, j);
                    for (const std::string& rem : EndingCodeRemainders(code)) {
                        std::string k = base + rem;
                        EndingResult er = DecodeItemEnding(code, rem, k);
                        if (!er.match) continue;
                        ClassReading rd = ReadClassByte(cls, er, k, section);
                        if (rd.count == 0 || !KeyIsWalked(section, k)) continue;
                        // Must be an uncovered wanted reading writable by cls.
                        bool hit = false;
                        for (u32 i = 0; i < want.size(); ++i) {
                            const Desired& o = want[i];
                            if (o.covered || o.key != k || !SameReading(o.reading, rd)) continue;
                            if (std::find(o.allowed.begin(), o.allowed.end(), cls) == o.allowed.end())
                                continue;
                            if (std::find(cand.covers.begin(), cand.covers.end(), i) != cand.covers.end())
                                continue;
                            cand.covers.push_back(i);
                            cand.gives.emplace_back(k, rd);
                            if (&o == &d) self = true;
                            hit = true;
                            break;
                        }
                        if (!hit) {
                            ok = false;
                            break;
                        }
                    }
                    if (!ok || !self) continue;
                    auto better = [&] {
                        if (!found) return true;
                        if (cand.covers.size() != best.covers.size())
                            return cand.covers.size() > best.covers.size();
                        // A suffix code only where it covers more readings.
                        const bool candSuffix = cand.code >= kSuffixCodeFirst;
                        if (candSuffix != (best.code >= kSuffixCodeFirst)) return !candSuffix;
                        if (cand.stemEnd != best.stemEnd) return cand.stemEnd < best.stemEnd;
                        if (cand.code != best.code) return cand.code < best.code;
                        return cand.cls < best.cls;
                    };
                    if (better()) {
                        best = cand;
                        found = true;
                    }
                }
            }
        }
    }
    return found;
}

// ---- Verb items -------------------------------------------------------------------

bool MergedModel(u8 model) {
    return model < 16 || model == 19 || model == 26 || model == 27 || model == 28 ||
           model == 83 || model == 93 || model == 103;
}

u8 MergedSlot(u8 model, u8 t) {
    const bool finir = model == 15;
    switch (t) {
        case 3: return finir ? 55 : t;
        case 6: return finir ? t : 51;
        case 7: return finir ? t : 58;
        case 8: return finir ? 60 : t;
        case 9: return 52;
        case 10: return 53;
        case 11: return finir ? 61 : 54;
        case 15: return finir ? 62 : 56;
        case 16: return finir ? 63 : 57;
        case 30: return finir ? 59 : t;
        default: return t;
    }
}

u8 UpperReadingByte(u8 letter) {
    if (letter == MRC("é")) return 0x5C;
    if (letter == MRC("ï")) return 0x5D;
    return static_cast<u8>(letter - 32);
}

// Noun/adjective readings a verb item adds before its tag at slot t.
void ExtraVerbReadings(const std::string& key, u8 t, u8 flags, bool modelFlag,
                       std::vector<PendingAnalysis>& out) {
    const u8 low5 = flags & 0x1F;
    if (low5 == 0 || t < 2 || t > 7) return;
    const size_t n = key.size();
    auto at = [&](size_t back) { return n > back ? static_cast<u8>(key[n - 1 - back]) : 0; };
    u8 a = 0;
    if (t == 2 || t == 6 || t == 7) a = UpperReadingByte(at(0));
    else if (t == 3 || t == 4) a = UpperReadingByte(at(1));
    else a = UpperReadingByte(at(2));
    if (a == 'S') a = UpperReadingByte(at(1));
    const bool endS = at(0) == 's';
    const u8 v = flags & 3;
    auto add = [&](u16 tag, u8 byte) { out.push_back({tag, byte}); };
    if (!modelFlag) {
        const u8 lowered = (flags & 1) ? static_cast<u8>(a - 32) : a;
        if (t == 2 && v > 1) add(endS ? 0x411C : 0x4114, lowered);
        if (t == 3 && v > 1) add(0x4118, lowered);
        if (t == 4 && (flags & 1)) add(0x4124, lowered);
        if (t == 5 && (flags & 1)) add(0x4128, lowered);
    } else if (t == 2 && v > 1) {
        add(0x4114, a);
    }
    if ((t == 6 || t == 7) && low5 >= 4) {
        if (flags & 0x10) add(t == 6 ? 0x4204 : 0x4208, a);
        if (t == 6) {
            if (flags & 0x08) add(endS ? 0x411C : 0x4114, a);
            if (flags & 0x04) add(endS ? 0x412C : 0x4124, a);
        } else {
            if (flags & 0x08) add(0x4118, a);
            if (flags & 0x04) add(0x4128, a);
        }
    }
}

// Analyses of a verb item (model `model`, flag, flags byte) for a key whose
// remainder after the stem is `rest`. Empty when nothing matches.
Hit VerbItemHit(const VerbModelTable& table, const std::string& key, const std::string& rest,
                u8 model, bool modelFlag, u8 flags) {
    Hit h;
    if (model == kStemOnlyModel || model == kDefectiveModel) {
        if (!rest.empty()) return h;
        h.analyses.push_back({0xC000, static_cast<u8>(model == kDefectiveModel ? 127 : '}')});
        h.replaces = true;
        h.stops = true;
        return h;
    }
    if (rest.size() > kMaxVerbRemainder || model >= kFrenchModelRowCount) return h;
    u8 high = static_cast<u8>(0x80 | ((flags >> 5) & 7) << 4 | (modelFlag ? 1 : 0));
    if (model == 16) high = 0x83;
    if (model == 17) high = 0xC2;
    bool first = true;
    for (u8 t = 0; t < kVerbSlotCount; ++t) {
        if (modelFlag && t >= 3 && t <= 5) continue;
        const std::string& e = table.rows[model][t];
        if (e == "0" || e.empty()) continue;
        bool match = rest.empty() ? e == "$" : (e != "$" && e == rest);
        if (!match) continue;
        ExtraVerbReadings(key, t, flags, modelFlag, h.analyses);
        if (first && MergedModel(model)) {
            h.analyses.push_back({static_cast<u16>(high << 8 | MergedSlot(model, t)), model});
            return h;
        }
        h.analyses.push_back({static_cast<u16>(high << 8 | t), model});
        first = false;
    }
    return h;
}

std::string LongestCommonPrefix(const std::vector<std::string>& v) {
    if (v.empty()) return "";
    std::string p = v[0];
    for (const std::string& s : v) {
        size_t i = 0;
        while (i < p.size() && i < s.size() && p[i] == s[i]) ++i;
        p.resize(i);
    }
    return p;
}

// ---- Literal forms ---------------------------------------------------------------

// Verb forms the model rows do not tell: the walk reads them from a stop
// mark by their key (the defective and irregular forms, asseoir and
// rasseoir, gésir and ouïr). Written when the verb is in the dictionary.
struct LiteralVerbForm {
    const char* word;        // UTF-8
    const char* infinitive;  // UTF-8
    u16 tags[3];
};

const LiteralVerbForm kLiteralVerbForms[] = {
    {"puis", "pouvoir", {0x1400, 0xF006}},   {"faut", "falloir", {0xF008}},
    {"veuillez", "vouloir", {0xF035}},       {"veuilles", "vouloir", {0xF01F}},
    {"veuille", "vouloir", {0xF01E, 0xF020, 0xF030}},
    {"veuillons", "vouloir", {0xF031}},
    {"interpénètrent", "interpénétrer", {0xA00B, 0xA023}},
    {"verglaça", "verglacer", {0x901A}},     {"verglaçait", "verglacer", {0x900E}},
    {"verglaçât", "verglacer", {0x9026}},    {"chaut", "chaloir", {0x9008}},
    {"florissais", "fleurir", {0xF00C, 0xF00D}}, {"florissait", "fleurir", {0xF00E}},
    {"florissions", "fleurir", {0xF00F}},    {"florissiez", "fleurir", {0xF010}},
    {"florissaient", "fleurir", {0xF011}},   {"gisons", "gésir", {0x9009}},
    {"gisez", "gésir", {0x900A}},            {"gisent", "gésir", {0x900B}},
    {"gisais", "gésir", {0x900C, 0x900D}},   {"gisait", "gésir", {0x900E}},
    {"gisions", "gésir", {0x900F}},          {"gisiez", "gésir", {0x9010}},
    {"gisaient", "gésir", {0x9011}},         {"ouïs", "ouïr", {0xC003}},
    {"ouïe", "ouïr", {0xC004}},              {"ouïes", "ouïr", {0xC005}},
    {"ouïrai", "ouïr", {0xC012}},            {"ouïrais", "ouïr", {0xC02A}},
    {"oyant", "ouïr", {0xC001}},             {"oyez", "ouïr", {0xC031}},
    {"sourd", "sourdre", {0x4214, 0x9008}},  {"sourdent", "sourdre", {0x900B}},
    {"sourdait", "sourdre", {0x900E}},       {"sourdaient", "sourdre", {0x9011}},
    {"luisis", "luire", {0x9018, 0x9019}},   {"luisit", "luire", {0x901A}},
    {"luisîmes", "luire", {0x901B}},         {"luisîtes", "luire", {0x901C}},
    {"luisirent", "luire", {0x901D}},        {"échet", "échoir", {0xD008}},
    {"appert", "apparoir", {0x9008}},
    // Section 2 keys.
    {"gît", "gésir", {0x9008}},              {"gis", "gésir", {0x9006, 0x9007}},
    {"ouï", "ouïr", {0xC002}},
};

// Remainders of asseoir and rasseoir after "ass" / "rass".
const LiteralVerbForm kAsseoirForms[] = {
    {"ieds", "", {0xB006, 0xB007, 0xB030}}, {"ied", "", {0xB008}},
    {"eyons", "", {0xB009, 0xB031}},        {"eyez", "", {0xB00A, 0xB032}},
    {"eyant", "", {0xF001}},                {"eyent", "", {0xF00B, 0xF023}},
    {"eyais", "", {0xF00C, 0xF00D}},        {"eyait", "", {0xF00E}},
    {"eyions", "", {0xF00F, 0xF021}},       {"eyiez", "", {0xF010, 0xF022}},
    {"eyaient", "", {0xF011}},              {"iérai", "", {0xF012}},
    {"iéras", "", {0xF013}},                {"iéra", "", {0xF014}},
    {"iérons", "", {0xF015}},               {"iérez", "", {0xF016}},
    {"iéront", "", {0xF017}},               {"eye", "", {0xF01E, 0xF020}},
    {"eyes", "", {0xF01F}},                 {"iérais", "", {0xF02A, 0xF02B}},
    {"iérait", "", {0xF02C}},               {"iérions", "", {0xF02D}},
    {"iériez", "", {0xF02E}},               {"iéraient", "", {0xF02F}},
};

std::string ToMacRoman(const char* utf8) {
    std::string out;
    Utf8ToMacRoman(utf8, out);
    return out;
}

// ---- Layout helpers -----------------------------------------------------------------

void PutU16(std::vector<u8>& out, u32 v) {
    out.push_back(static_cast<u8>(v >> 8));
    out.push_back(static_cast<u8>(v));
}

void PutU32(std::vector<u8>& out, u32 v) {
    PutU16(out, v >> 16);
    PutU16(out, v & 0xFFFF);
}

}  // namespace

// ---- Public pieces --------------------------------------------------------------------

std::vector<u32> FrenchSuffixIndexes(u8 code) {
    if (code < kSuffixCodeFirst) return {};
    if (code == 255) return {gFrenchLetterTable[95], gFrenchLetterTable[118], gFrenchLetterTable[119]};
    std::vector<u32> v{gFrenchLetterTable[code - 160]};
    if (code >= 233) v.push_back(gFrenchLetterTable[code - 137]);
    return v;
}

bool IsFrenchStemLetter(u8 b) {
    if (b < 0x60 || b > 0x9F) return false;
    if (b >= 123 && b <= 136) return false;
    return b != 151 && b != 152 && b != 156;
}

const std::vector<std::string>& EndingCodeRemainders(u8 code) {
    static const std::vector<std::vector<std::string>> table = [] {
        std::vector<std::vector<std::string>> t(256);
        const std::string e(1, static_cast<char>(MRC("é"))), ii(1, static_cast<char>(MRC("ï"))),
            ee(1, static_cast<char>(MRC("ë"))), eg(1, static_cast<char>(MRC("è"))),
            ec(1, static_cast<char>(MRC("ê"))), ag(1, static_cast<char>(MRC("à"))),
            oc(1, static_cast<char>(MRC("ô"))), ug(1, static_cast<char>(MRC("ù")));
        t[27] = {""};
        t[91] = {"", "s"};
        t[59] = {"", "e", "s", "es"};
        for (u8 c = 1; c <= 26; ++c) t[c] = {std::string(1, static_cast<char>(c + 96))};
        for (u8 c = 33; c <= 58; ++c) {
            std::string l(1, static_cast<char>(c + 64));
            t[c] = {l, l + "e", l + "es"};
            if (c != 51) t[c].push_back(l + "s");
        }
        for (u8 c = 65; c <= 90; ++c) {
            std::string l(1, static_cast<char>(c + 32));
            t[c] = {l, l + "s"};
        }
        t[28] = {e};
        t[92] = {e, e + "s"};
        t[60] = {e, e + "s", e + "e", e + "es"};
        t[29] = {ii};
        t[93] = {ii, ii + "s"};
        t[61] = {ii, ii + "s", ii + "e", ii + "es"};
        t[94] = {ee, ee + "s"};
        t[95] = {eg, eg + "s"};
        t[64] = {ec, ec + "s"};
        t[30] = {ag};
        t[31] = {oc};
        t[32] = {ug};
        // Suffix codes: each suffix the code selects, with a final s where
        // the suffix's place in its block allows a plural, and -aux, -eux,
        // -eaux for the codes of au, eu, eau.
        for (u32 suffixCode = kSuffixCodeFirst; suffixCode < 256; ++suffixCode) {
            for (u32 index : FrenchSuffixIndexes(static_cast<u8>(suffixCode))) {
                const BoundedString& sfx = gFrenchSuffixes[static_cast<i32>(index)];
                const std::string text(reinterpret_cast<const char*>(sfx.data),
                                       static_cast<size_t>(GetStringLength(sfx)));
                if (text.empty()) continue;
                t[suffixCode].push_back(text);
                const u32 position = index % 32;
                if (position >= 4 && position <= 30) t[suffixCode].push_back(text + "s");
                if (suffixCode == 161 || suffixCode == 162 || suffixCode == 171) t[suffixCode].push_back(text + "x");
            }
        }
        return t;
    }();
    return table[code];
}

std::vector<u8> EncodeEntry(const DictEntry& entry) {
    std::vector<u8> out;
    if (entry.variant) out.push_back(kMarkVariant);
    out.insert(out.end(), entry.stem.begin(), entry.stem.end());
    const size_t n = entry.items.size();
    if (entry.stop) out.push_back(kMarkModifier);
    if (entry.group)
        out.push_back(static_cast<u8>(kGroupCodeFirst - 1 + n));
    else if (n > 1)
        out.push_back(static_cast<u8>(kCountCodeFirst - 1 + n));
    for (const DictItem& it : entry.items) {
        out.push_back(it.head);
        out.push_back(it.trailer);
    }
    return out;
}

std::vector<u8> LayoutSection(const std::map<std::pair<u8, u8>, std::vector<u8>>& lists,
                              u32 start, u32 padTo, std::vector<u32>* listOffsets) {
    std::map<std::pair<u8, u8>, std::vector<u8>> all = lists;
    auto indexBytes = [&] {
        std::set<u8> thirds;
        for (const auto& kv : all) thirds.insert(kv.first.first);
        return static_cast<u32>(3 * thirds.size() + 3 * all.size());
    };
    if (all.empty()) {
        // An empty section: one third and one fourth letter 0, no list.
        all[{0, 0}] = {};
    } else if (padTo > 0 && start + indexBytes() < padTo) {
        // A pad list under the letters (0, 0), first in letter order; no key
        // holds a 0 byte, so it is never walked.
        all[{0, 0}] = {};
        const u32 listStart = start + indexBytes();
        if (listStart < padTo) all[{0, 0}].assign(padTo - listStart, 0);
    }
    std::set<u8> thirds;
    for (const auto& kv : all) thirds.insert(kv.first.first);
    const u32 k = static_cast<u32>(thirds.size());
    const u32 fourthStart = 3 * k;
    const u32 listStart = fourthStart + 3 * static_cast<u32>(all.size());
    std::vector<u8> out;
    // Third-letter index.
    u32 fourthPos = fourthStart;
    for (u8 t : thirds) {
        out.push_back(t);
        PutU16(out, fourthPos);
        for (const auto& kv : all)
            if (kv.first.first == t) fourthPos += 3;
    }
    // Fourth-letter index.
    u32 listPos = listStart;
    std::vector<u32> offsets;
    for (u8 t : thirds) {
        for (const auto& kv : all) {
            if (kv.first.first != t) continue;
            out.push_back(kv.first.second);
            PutU16(out, listPos);
            offsets.push_back(listPos);
            listPos += static_cast<u32>(kv.second.size());
        }
    }
    for (u8 t : thirds)
        for (const auto& kv : all)
            if (kv.first.first == t) out.insert(out.end(), kv.second.begin(), kv.second.end());
    if (listOffsets != nullptr) {
        // Offsets of the caller's lists only, in map order.
        listOffsets->clear();
        u32 i = 0;
        for (u8 t : thirds) {
            for (const auto& kv : all) {
                if (kv.first.first != t) continue;
                if (lists.count(kv.first) != 0) listOffsets->push_back(offsets[i]);
                ++i;
            }
        }
    }
    return out;
}

// ---- The writer ------------------------------------------------------------------------

namespace {

struct Writer {
    const DictInput& in;
    CompileReport& report;
    DictBlocks out;

    // Groups: index = group id.
    std::vector<GroupInfo> groups;
    // Item registry: item id -> (section, list letters, entry index, item index).
    struct ItemPos {
        u16 section = 0;
        std::pair<u8, u8> list;
        u32 entry = 0;
        u32 item = 0;
        u32 offset = 0;   // absolute body offset of the head byte, after layout
    };
    std::vector<ItemPos> items;
    // Hits recorded while planning: (section, key from its third char) -> (item id, hit).
    struct PlannedHit {
        u32 itemId;
        Hit hit;
    };
    std::map<std::pair<u16, std::string>, std::vector<PlannedHit>> plannedHits;
    // Sections: 0..N-1 after the pair choice; pairs in order.
    std::vector<std::string> pairKeys;              // two bytes each, section 11 + i
    std::map<std::string, u16> pairSection;         // pair -> section number
    std::vector<SectionPlan> plans;
    std::vector<u32> sectionStart;
    // Readings and forms for the manifest: (word, caseMode) -> lemma.
    std::map<std::pair<std::string, u8>, std::string> manifestForms;
    std::vector<std::string> pruned;

    explicit Writer(const DictInput& i, CompileReport& r) : in(i), report(r) {}

    void Prune(const std::string& word, const std::string& lemma, const std::string& why) {
        pruned.push_back(Printable(word) + " (" + lemma + "): " + why);
    }

    u16 SectionOfPlace(const Place& p) const {
        if (p.section != 0) return p.section;
        auto it = pairSection.find(p.key.substr(0, 2));
        return it == pairSection.end() ? 0 : it->second;
    }

    // Moves a place whose pair has no section to section 5.
    Place Resolve(Place p) const {
        if (p.section != 0) return p;
        if (pairSection.count(p.key.substr(0, 2)) != 0) return p;
        p.section = 5;
        p.key = "55" + p.key;
        return p;
    }

    // ---- pair choice ----
    void ChoosePairs(const std::vector<Place>& places) {
        std::map<std::string, u32> weight;
        for (const Place& p : places) {
            if (p.section != 0 || p.key.size() < 2) continue;
            u8 c1 = LetterCode(static_cast<u8>(p.key[0])), c2 = LetterCode(static_cast<u8>(p.key[1]));
            if (c1 == 0 || c2 == 0) continue;
            weight[p.key.substr(0, 2)] += 1;
        }
        std::vector<std::pair<u32, std::string>> order;
        for (const auto& kv : weight) order.emplace_back(kv.second, kv.first);
        std::sort(order.begin(), order.end(), [](const auto& a, const auto& b) {
            return a.first != b.first ? a.first > b.first : a.second < b.second;
        });
        const u32 room = kMaxFrenchSection - kReservedSections;
        u32 moved = 0, movedForms = 0;
        std::vector<std::string> kept;
        for (size_t i = 0; i < order.size(); ++i) {
            if (i < room) {
                kept.push_back(order[i].second);
            } else {
                ++moved;
                movedForms += order[i].first;
            }
        }
        std::sort(kept.begin(), kept.end(), [](const std::string& a, const std::string& b) {
            return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                                [](char x, char y) { return u8(x) < u8(y); });
        });
        pairKeys = kept;
        for (size_t i = 0; i < kept.size(); ++i)
            pairSection[kept[i]] = static_cast<u16>(kReservedSections + 1 + i);
        if (moved != 0)
            report.Note("dictionary: " + std::to_string(moved) + " rare letter pairs (" +
                        std::to_string(movedForms) + " forms) filed in section 5: at most " +
                        std::to_string(room) + " two-letter sections");
        plans.assign(kReservedSections + 1 + kept.size(), SectionPlan{});
    }

    // ---- verbs ----
    struct VerbPlan {
        const VerbModelEntry* verb;
        VerbModelEntry copy;   // with the key marks in its stems
        Place place;           // of the shared stem
        std::string prefix;    // reserved key prefix ("" for a two-letter section or "aa")
        u32 implicitFromStem;  // stem bytes inside the implicit key characters
        std::vector<GeneratedVerbForm> forms;
    };
    std::vector<VerbPlan> verbPlans;

    // Hyphens and apostrophes inside verb stems and forms are written with
    // the marks the lookup uses.
    static std::string Marked(std::string s) {
        for (char& c : s) {
            if (c == '-') c = static_cast<char>(kHyphen);
            else if (c == '\'' || static_cast<u8>(c) == 0xD5) c = static_cast<char>(0x93);
        }
        return s;
    }

    bool PlanVerb(const VerbModelEntry& original, VerbPlan& vp) {
        vp.forms = RebuildVerbForms(*in.verbs, original);
        for (GeneratedVerbForm& f : vp.forms) f.form = Marked(f.form);
        vp.copy = original;
        vp.copy.base.stem = Marked(vp.copy.base.stem);
        for (VerbStemRow& r : vp.copy.variants) r.stem = Marked(r.stem);
        const VerbModelEntry& v = vp.copy;
        std::vector<std::string> stems = {v.base.stem};
        for (const VerbStemRow& r : v.variants) stems.push_back(r.stem);
        std::string p = LongestCommonPrefix(stems);
        vp.verb = &original;
        for (const GeneratedVerbForm& f : vp.forms) {
            if (f.form.size() > kMaxLookupKeyBytes) {
                Prune(v.lemmaMR, v.lemma, "a form is longer than 30 bytes");
                return false;
            }
        }
        bool hyphenated = false;
        for (const std::string& s : stems)
            hyphenated = hyphenated || s.find(static_cast<char>(kHyphen)) != std::string::npos;
        if (hyphenated && p.size() >= 2) {
            // The inflection operations look hyphenated words up in
            // section 7 only; plain analysis reaches it too.
            vp.place.section = 7;
            vp.prefix = "77";
            vp.implicitFromStem = 2;
        } else if (p.size() >= 2 && in.nonElidingVerbs.count(original.lemma) != 0) {
            // h aspiré: the elided probes must not find it.
            vp.place.section = 8;
            vp.prefix = "88";
            vp.implicitFromStem = 2;
        } else if (p.size() >= 4 && LetterCode(u8(p[0])) != 0 && LetterCode(u8(p[1])) != 0 &&
                   !(p[0] == 'a' && p[1] == 'a')) {
            vp.place.section = 0;
            vp.implicitFromStem = 4;
        } else if (p.size() >= 4 && p[0] == 'a' && p[1] == 'a') {
            vp.place.section = 10;
            vp.implicitFromStem = 4;
        } else if (p.size() >= 2) {
            vp.place.section = 5;
            vp.prefix = "55";
            vp.implicitFromStem = 2;
        } else if (p.size() == 1) {
            vp.place.section = 4;
            vp.prefix = "444";
            vp.implicitFromStem = 1;
        } else {
            vp.place.section = 3;
            vp.prefix = "3333";
            vp.implicitFromStem = 0;
        }
        vp.place.key = vp.prefix + p;
        for (const std::string& s : stems) {
            for (size_t i = vp.implicitFromStem; i < s.size(); ++i) {
                if (!IsFrenchStemLetter(static_cast<u8>(s[i]))) {
                    Prune(v.lemmaMR, v.lemma, "a stem byte cannot stand in an entry");
                    return false;
                }
            }
        }
        return true;
    }

    u32 NewItem() {
        items.push_back(ItemPos{});
        return static_cast<u32>(items.size() - 1);
    }

    // Plans the entries of one verb in its section; records the hits.
    void EmitVerb(VerbPlan& vp, u32 group, std::set<std::pair<std::string, u16>>& verbReadings) {
        const VerbModelEntry& v = vp.copy;
        Place place = vp.place;
        if (place.section == 0 && pairSection.count(place.key.substr(0, 2)) == 0) {
            place.section = 5;
            place.key = "55" + place.key;
            vp.prefix = "55";
            vp.implicitFromStem = 2;
        }
        const u16 section = SectionOfPlace(place);
        const std::string& prefix = vp.prefix;
        const std::string implicit = (prefix + v.base.stem).substr(0, 4);
        const std::pair<u8, u8> list{static_cast<u8>(implicit[2]), static_cast<u8>(implicit[3])};
        std::vector<const VerbStemRow*> rows = {&v.base};
        for (const VerbStemRow& r : v.variants) rows.push_back(&r);
        u32 previousItem = 0;
        for (size_t ri = 0; ri < rows.size(); ++ri) {
            const VerbStemRow& row = *rows[ri];
            PlannedEntry pe;
            pe.entry.stem = row.stem.substr(vp.implicitFromStem);
            pe.entry.group = true;
            pe.entry.variant = ri > 0;
            pe.entry.items.push_back({v.ModelByte(row.model), v.flags});
            pe.verb = true;
            pe.group = group;
            u32 id = NewItem();
            // A variant's lemma reference is the model byte just before its
            // mark: the item of the previous row.
            const u32 refItem = ri == 0 ? id : previousItem;
            previousItem = id;
            pe.itemIds.push_back(id);
            pe.replaces = row.model == kStemOnlyModel || row.model == kDefectiveModel;
            pe.sortKey = v.base.stem.substr(vp.implicitFromStem) + '\x01' + std::to_string(group) +
                         '\x01' + std::to_string(ri);
            items[id].section = section;
            items[id].list = list;
            plans[section].lists[list].push_back(pe);
            // Hits: the forms of this row.
            std::set<std::string> seen;
            for (const GeneratedVerbForm& f : vp.forms) {
                if (f.row != ri || !seen.insert(f.form).second) continue;
                std::string key = prefix + f.form;
                std::string rest = f.form.substr(row.stem.size());
                Hit h = VerbItemHit(*in.verbs, key, rest, row.model, v.modelFlag, v.flags);
                if (h.analyses.empty()) continue;
                h.itemId = refItem;
                for (const PendingAnalysis& a : h.analyses) verbReadings.insert({f.form, a.tag});
                plannedHits[{section, key.substr(2)}].push_back({id, h});
                manifestForms.emplace(std::make_pair(f.form, u8(0)), v.lemma);
            }
        }
        groups[group].section = section;
    }

    using StemMap = std::map<std::pair<std::pair<u8, u8>, std::string>, PlannedEntry>;

    void AddCoverItem(u16 section, u32 group, std::vector<Desired>& want, const CoverItem& best,
                      StemMap& byStem) {
        const std::string key = want[best.covers[0]].key;
        std::pair<u8, u8> list{static_cast<u8>(key[2]), static_cast<u8>(key[3])};
        std::string stem = key.substr(4, best.stemEnd - 4);
        u32 id = NewItem();
        items[id].section = section;
        items[id].list = list;
        auto& pe = byStem[{list, stem}];
        pe.entry.stem = stem;
        pe.group = group;
        pe.entry.items.push_back({best.code, best.cls});
        pe.itemIds.push_back(id);
        bool vowel = false;
        for (const auto& give : best.gives)
            for (u8 t = 0; t < give.second.count; ++t)
                vowel = vowel || (give.second.tags[t] < 0x8000 && (give.second.tags[t] & 0x40) != 0);
        pe.itemVowel.push_back(vowel);
        u8 order = 2;
        for (u32 c : best.covers) {
            const Desired& d = want[c];
            if (d.leads) order = 0;
            else if (d.closed) order = std::min<u8>(order, 1);
            else if (order == 2 && (d.reading.tags[0] >> 8) == kClassNounAdjective) order = 3;
        }
        pe.itemOrder.push_back(order);
        for (size_t i = 0; i < best.gives.size(); ++i) {
            const auto& [k, rd] = best.gives[i];
            Hit h;
            h.itemId = id;
            h.replaces = rd.replaces;
            for (u8 t = 0; t < rd.count; ++t) h.analyses.push_back({rd.tags[t], best.code});
            if (rd.replaces) pe.replaces = true;
            if (want[best.covers[i]].closed) pe.closed = true;
            plannedHits[{section, k.substr(2)}].push_back({id, h});
            want[best.covers[i]].covered = true;
        }
    }

    // The singular and plural readings of one spelling (same class and
    // gender) become one reading of both numbers.
    static void MergeNumbers(std::vector<Desired>& want) {
        for (size_t i = 0; i < want.size(); ++i) {
            Desired& a = want[i];
            if (a.covered || a.reading.count != 1 || a.reading.replaces) continue;
            const u16 ta = a.reading.tags[0];
            if ((ta >> 8) < 35 || ((ta >> 2) & 3) != 1) continue;
            for (size_t j = 0; j < want.size(); ++j) {
                Desired& b = want[j];
                if (j == i || b.covered || b.key != a.key || b.reading.count != 1) continue;
                const u16 tb = b.reading.tags[0];
                if ((tb & ~0x0C) != (ta & ~0x0C) || ((tb >> 2) & 3) != 2) continue;
                a.reading.tags[0] = static_cast<u16>(ta | 0x0C);
                b.covered = true;
                b.mergedAway = true;
                break;
            }
        }
    }

    // Stop-mark entries of the literal verb forms whose verb is written.
    void EmitLiteralForms() {
        if (in.verbs == nullptr) return;
        std::set<std::string> verbs;
        for (const VerbPlan& vp : verbPlans) verbs.insert(vp.verb->lemma);
        std::vector<std::pair<std::string, const LiteralVerbForm*>> forms;
        for (const LiteralVerbForm& f : kLiteralVerbForms)
            if (verbs.count(f.infinitive) != 0) forms.emplace_back(ToMacRoman(f.word), &f);
        for (const char* base : {"asseoir", "rasseoir"}) {
            if (verbs.count(base) == 0) continue;
            const std::string stem = base[0] == 'r' ? "rass" : "ass";
            for (const LiteralVerbForm& f : kAsseoirForms) forms.emplace_back(stem + ToMacRoman(f.word), &f);
        }
        for (const auto& [w, f] : forms) {
            Place place = PlaceWord(w, 0);
            if (place.section == 0 && pairSection.count(w.substr(0, 2)) == 0) continue;
            if (place.section != 0 && place.section != 2) continue;
            const u16 section = SectionOfPlace(place);
            const std::string& key = place.key;
            bool ok = true;
            for (size_t i = 4; i < key.size(); ++i) ok = ok && IsFrenchStemLetter(static_cast<u8>(key[i]));
            if (!ok) continue;
            GroupInfo g;
            g.lemma = f->infinitive[0] != 0 ? f->infinitive : (w[0] == 'r' ? "rasseoir" : "asseoir");
            g.verb = true;
            g.words.push_back(w);
            groups.push_back(g);
            const u32 group = static_cast<u32>(groups.size() - 1);
            PlannedEntry pe;
            pe.entry.stem = key.substr(4);
            pe.entry.stop = true;
            pe.entry.items.push_back({27, kClassAbbreviation});
            pe.group = group;
            pe.replaces = true;
            pe.sortKey = pe.entry.stem;
            const u32 id = NewItem();
            pe.itemIds.push_back(id);
            const std::pair<u8, u8> list{static_cast<u8>(key[2]), static_cast<u8>(key[3])};
            items[id].section = section;
            items[id].list = list;
            plans[section].lists[list].push_back(pe);
            Hit h;
            h.itemId = id;
            h.replaces = true;
            h.stops = true;
            h.literal = true;
            for (u16 t : f->tags)
                if (t != 0) h.analyses.push_back({t, 0});
            plannedHits[{section, key.substr(2)}].push_back({id, h});
            manifestForms[{w, u8(0)}] = g.lemma;
            groups[group].section = section;
        }
    }

    // ---- irregular plurals ----
    // A single letter closing the key, as an ending code of one letter
    // (1..26), with the class byte that gives the reading `d` under it; false
    // when there is none.
    static bool OneLetterItem(const Desired& d, u16 section, DictItem& item) {
        const std::string& k = d.key;
        const u8 last = static_cast<u8>(k.back());
        if (k.size() < 5 || last < 'a' || last > 'z') return false;
        if (!StemLettersOk(k, 4, static_cast<u32>(k.size() - 1))) return false;
        const u8 code = static_cast<u8>(last - 96);
        EndingResult er = MatchEndingCode(code, k.substr(k.size() - 1), k);
        if (!er.match) return false;
        for (u8 cls : d.allowed) {
            if (SameReading(ReadClassByte(cls, er, k, section), d.reading)) {
                item = {code, cls};
                return true;
            }
        }
        return false;
    }

    // Index of the cover item that would take each reading (-1: none), by a
    // dry run of the cover.
    static std::vector<i32> DryCover(std::vector<Desired> want, u16 section) {
        std::vector<i32> by(want.size(), -1);
        for (i32 n = 0;; ++n) {
            CoverItem best;
            if (!BestCoverItem(want, section, best)) break;
            for (u32 i : best.covers) {
                want[i].covered = true;
                by[i] = n;
            }
        }
        return by;
    }

    // A plural that no item of its singular can spell (cheval, chevaux) is
    // written as a variant of the singular: the singular's entry ends with a
    // one-letter item, the plural's entry follows it after a variant mark.
    // The plural then takes the singular as its lemma, and the plural
    // operation rebuilds it from the singular's entry.
    void LinkIrregularPlurals(u16 section, u32 group, std::vector<Desired>& want) {
        std::vector<i32> cover;
        bool covered = false;
        for (size_t si = 0; si < want.size(); ++si) {
            Desired& sg = want[si];
            if (sg.covered || sg.closed || sg.reading.count != 1 || sg.reading.replaces) continue;
            const u16 t = sg.reading.tags[0];
            const u8 cls = static_cast<u8>(t >> 8);
            if (cls < 'A' || cls > 'Z' || ((t >> 2) & 3) != 1) continue;
            const std::string& S = sg.key;
            for (size_t pi = 0; pi < want.size(); ++pi) {
                Desired& pl = want[pi];
                if (pi == si || pl.covered || pl.closed || pl.reading.count != 1 || pl.reading.replaces) continue;
                if (pl.reading.tags[0] != static_cast<u16>((t & ~0x0C) | 0x08)) continue;
                const std::string& P = pl.key;
                if (P == S + "s" || P.size() < 5 || S.compare(0, 4, P, 0, 4) != 0) continue;
                DictItem sItem, pItem;
                if (!OneLetterItem(sg, section, sItem) || !OneLetterItem(pl, section, pItem)) continue;
                if (!covered) {
                    cover = DryCover(want, section);
                    covered = true;
                }
                if (cover[si] >= 0 && cover[si] == cover[pi]) continue;   // one item spells both
                Desired* regular = RegularPluralOf(want, sg, section, sItem.trailer);
                if (regular != nullptr) sItem.head = kCodeNoneOrS;
                EmitLinkedPair(section, group, sg, sItem, pl, pItem, regular);
                sg.covered = true;
                pl.covered = true;
                if (regular != nullptr) regular->covered = true;
                break;
            }
        }
    }

    // Ending code spelling nothing or a final s.
    static constexpr u8 kCodeNoneOrS = 91;

    // The uncovered reading of the singular's key plus "s" that the
    // singular's item, with the code for nothing or s, would also give (fou
    // and fous beside the variant fols), or null. Spelling both with the one
    // item keeps the plural's lemma reference on the singular.
    static Desired* RegularPluralOf(std::vector<Desired>& want, const Desired& sg, u16 section, u8 cls) {
        const std::string k = sg.key + "s";
        if (!KeyIsWalked(section, k)) return nullptr;
        if (!SameReading(ReadClassByte(cls, MatchEndingCode(kCodeNoneOrS, "", sg.key), sg.key, section),
                         sg.reading))
            return nullptr;
        const ClassReading rd = ReadClassByte(cls, MatchEndingCode(kCodeNoneOrS, "s", k), k, section);
        for (Desired& o : want) {
            if (o.covered || o.closed || o.key != k || !SameReading(o.reading, rd)) continue;
            if (std::find(o.allowed.begin(), o.allowed.end(), cls) == o.allowed.end()) continue;
            return &o;
        }
        return nullptr;
    }

    static bool IsPossessiveFeminine(u8 cls) { return cls == 218 || cls == 221 || cls == 224; }
    static bool IsPossessivePlural(u8 cls) { return cls == 219 || cls == 222 || cls == 225; }

    // Possessive determiners: the feminine and the plural of one person are
    // filed as one pair in the short-word section (ma, then mes as its
    // variant), so both read as forms of that person's masculine.
    void LinkPossessives(u16 section, u32 group, std::vector<Desired>& want) {
        if (section != 1) return;
        for (Desired& fem : want) {
            if (fem.covered || !fem.closed || !IsPossessiveFeminine(fem.allowed[0])) continue;
            for (Desired& plural : want) {
                if (plural.covered || !plural.closed || plural.allowed[0] != fem.allowed[0] + 1) continue;
                DictItem fItem, pItem;
                if (!OneLetterItem(fem, section, fItem) || !OneLetterItem(plural, section, pItem)) continue;
                EmitLinkedPair(section, group, fem, fItem, plural, pItem, nullptr);
                fem.covered = true;
                plural.covered = true;
                break;
            }
        }
    }

    u32 linkedPairs = 0;

    // `alsoPlural`: a reading the singular's item also gives (or null).
    void EmitLinkedPair(u16 section, u32 group, const Desired& sg, DictItem sItem, const Desired& pl,
                        DictItem pItem, const Desired* alsoPlural) {
        const std::pair<u8, u8> list{static_cast<u8>(sg.key[2]), static_cast<u8>(sg.key[3])};
        // Each pair sorts as one block: the singular, then its variant.
        char pairNo[16];
        std::snprintf(pairNo, sizeof pairNo, "%08u", linkedPairs++);
        // The code for nothing or s spells no letter of the singular.
        const std::string stem = sg.key.substr(4, sg.key.size() - (sItem.head == kCodeNoneOrS ? 4 : 5));
        const std::string order = stem + '\x01' + std::to_string(group) + '\x03' + pairNo;
        const u32 sId = NewItem(), pId = NewItem();
        PlannedEntry base, variant;
        base.entry.stem = stem;
        base.entry.items.push_back(sItem);
        base.itemIds.push_back(sId);
        base.itemVowel.push_back(false);
        base.itemOrder.push_back(2);
        base.group = group;
        base.sortKey = order;
        variant.entry.stem = pl.key.substr(4, pl.key.size() - 5);
        variant.entry.items.push_back(pItem);
        variant.entry.variant = true;
        variant.itemIds.push_back(pId);
        variant.itemVowel.push_back(false);
        variant.itemOrder.push_back(2);
        variant.group = group;
        variant.sortKey = order + 'v';
        for (u32 id : {sId, pId}) {
            items[id].section = section;
            items[id].list = list;
        }
        plans[section].lists[list].push_back(base);
        plans[section].lists[list].push_back(variant);
        // The variant's reading refers to the item before its mark.
        Hit hs, hp;
        hs.itemId = sId;
        hs.analyses.push_back({sg.reading.tags[0], sItem.head});
        hp.itemId = sId;
        hp.analyses.push_back({pl.reading.tags[0], pItem.head});
        plannedHits[{section, sg.key.substr(2)}].push_back({sId, hs});
        plannedHits[{section, pl.key.substr(2)}].push_back({pId, hp});
        if (alsoPlural != nullptr) {
            Hit hr;
            hr.itemId = sId;
            hr.analyses.push_back({alsoPlural->reading.tags[0], sItem.head});
            plannedHits[{section, alsoPlural->key.substr(2)}].push_back({sId, hr});
        }
    }

    // ---- nominal readings ----
    void EmitNominalGroup(u16 section, u32 group, std::vector<Desired>& want,
                          const std::vector<const WordReading*>& readings) {
        StemMap byStem;
        MergeNumbers(want);
        LinkPossessives(section, group, want);
        LinkIrregularPlurals(section, group, want);
        while (true) {
            CoverItem best;
            if (!BestCoverItem(want, section, best)) break;
            AddCoverItem(section, group, want, best, byStem);
        }
        // A reading of both numbers that no item spells: as a singular and a
        // plural reading instead.
        bool split = false;
        const size_t before = want.size();
        for (size_t i = 0; i < before; ++i) {
            Desired& d = want[i];
            if (d.covered || d.reading.count != 1 || d.reading.replaces) continue;
            const u16 t = d.reading.tags[0];
            if ((t >> 8) < 35 || ((t >> 2) & 3) != 3) continue;
            Desired one = d, two = d;
            one.reading.tags[0] = static_cast<u16>((t & ~0x0C) | 0x04);
            two.reading.tags[0] = static_cast<u16>((t & ~0x0C) | 0x08);
            one.fromSplit = two.fromSplit = true;
            d.covered = true;
            d.splitInto = true;
            want.push_back(one);
            want.push_back(two);
            split = true;
        }
        if (split) {
            while (true) {
                CoverItem best;
                if (!BestCoverItem(want, section, best)) break;
                AddCoverItem(section, group, want, best, byStem);
            }
        }
        // A plural reading that no item spells ("gens": every ending reads
        // a final s after the four leading letters as both numbers) is
        // filed as a reading of both numbers rather than left out.
        bool widened = false;
        const size_t uncovered = want.size();
        for (size_t i = 0; i < uncovered; ++i) {
            Desired& d = want[i];
            if (d.covered || d.fromSplit || d.reading.count != 1 || d.reading.replaces) continue;
            const u16 t = d.reading.tags[0];
            if ((t >> 8) < 35 || (t >> 8) >= 0x80 || ((t >> 2) & 3) != 2) continue;
            Desired both = d;
            both.reading.tags[0] = static_cast<u16>(t | 0x0C);
            d.covered = true;
            d.splitInto = true;
            want.push_back(both);
            widened = true;
        }
        if (widened) {
            while (true) {
                CoverItem best;
                if (!BestCoverItem(want, section, best)) break;
                AddCoverItem(section, group, want, best, byStem);
            }
        }
        for (const Desired& d : want) {
            if (d.covered) continue;
            const WordReading& r = *readings[d.reading_index];
            Prune(r.word, r.lemma, "no ending and class byte give tag " + Hex4(d.reading.tags[0]));
        }
        // Entries of at most 6 items sharing a stem; the readings that carry
        // the vowel-sound bit first (the vowel-sound probes read the first),
        // then the function words' readings (a preposition before its
        // adverb, the adverb "plus" before the noun), and a noun or
        // adjective's last (the noun "fin" before the noun or adjective).
        for (auto& kv : byStem) {
            const auto& k = kv.first;
            PlannedEntry& pe = kv.second;
            std::vector<size_t> order(pe.entry.items.size());
            for (size_t i = 0; i < order.size(); ++i) order[i] = i;
            std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
                if (pe.itemVowel[a] != pe.itemVowel[b]) return static_cast<bool>(pe.itemVowel[a]);
                return pe.itemOrder[a] < pe.itemOrder[b];
            });
            PlannedEntry sorted = pe;
            for (size_t i = 0; i < order.size(); ++i) {
                sorted.entry.items[i] = pe.entry.items[order[i]];
                sorted.itemIds[i] = pe.itemIds[order[i]];
            }
            pe = sorted;
            for (size_t from = 0; from < pe.entry.items.size(); from += 6) {
                PlannedEntry part;
                part.entry.stem = pe.entry.stem;
                part.group = group;
                size_t to = std::min(pe.entry.items.size(), from + 6);
                for (size_t i = from; i < to; ++i) {
                    part.entry.items.push_back(pe.entry.items[i]);
                    part.itemIds.push_back(pe.itemIds[i]);
                    if (pe.itemVowel[order[i]]) part.vowel = true;
                }
                part.replaces = pe.replaces;
                part.closed = pe.closed;
                part.sortKey = pe.entry.stem + '\x01' + std::to_string(group) + '\x01' +
                               std::to_string(from);
                plans[section].lists[k.first].push_back(part);
            }
        }
        groups[group].section = section;
    }

    // ---- layout ----
    u32 EntryBytes(const PlannedEntry& pe) const { return static_cast<u32>(EncodeEntry(pe.entry).size()); }

    u32 SectionBytes(const SectionPlan& sp) const {
        std::set<u8> thirds;
        u32 n = 0;
        for (const auto& [k, entries] : sp.lists) {
            thirds.insert(k.first);
            n += 3;
            for (const PlannedEntry& pe : entries) n += EntryBytes(pe);
        }
        return n + 3 * static_cast<u32>(thirds.size());
    }

    void EnforceSectionLimits() {
        for (u16 s = 1; s < plans.size(); ++s) {
            SectionPlan& sp = plans[s];
            u32 bytes = SectionBytes(sp);
            if (bytes + 200 <= kMaxSectionBytes) continue;
            // Bytes per group in this section.
            std::map<u32, u32> groupBytes;
            for (const auto& [k, entries] : sp.lists)
                for (const PlannedEntry& pe : entries) groupBytes[pe.group] += EntryBytes(pe);
            std::vector<u32> order;
            for (const auto& kv : groupBytes) order.push_back(kv.first);
            std::sort(order.begin(), order.end(), [&](u32 a, u32 b) {
                const GroupInfo& ga = groups[a];
                const GroupInfo& gb = groups[b];
                if (ga.verb != gb.verb) return !ga.verb;  // nouns and adjectives first
                if (Badness(ga.rank) != Badness(gb.rank)) return Badness(ga.rank) > Badness(gb.rank);
                return ga.lemma > gb.lemma;
            });
            std::set<u32> drop;
            u32 dropped = 0;
            for (u32 g : order) {
                if (bytes <= kMaxSectionBytes - 200) break;
                drop.insert(g);
                bytes -= groupBytes[g];
                ++dropped;
            }
            for (auto& [k, entries] : sp.lists)
                entries.erase(std::remove_if(entries.begin(), entries.end(),
                                             [&](const PlannedEntry& pe) { return drop.count(pe.group) != 0; }),
                              entries.end());
            for (auto it = sp.lists.begin(); it != sp.lists.end();)
                it = it->second.empty() ? sp.lists.erase(it) : std::next(it);
            for (auto it = plannedHits.begin(); it != plannedHits.end(); ++it) {
                if (it->first.first != s) continue;
                auto& v = it->second;
                v.erase(std::remove_if(v.begin(), v.end(),
                                       [&](const PlannedHit& h) {
                                           return drop.count(GroupOfItem(h.itemId)) != 0;
                                       }),
                        v.end());
            }
            for (u32 g : drop) {
                for (const std::string& w : groups[g].words)
                    Prune(w, groups[g].lemma, "section " + std::to_string(s) + " full (least frequent)");
                droppedGroups.insert(g);
            }
            report.Note("dictionary: section " + std::to_string(s) + " over " +
                        std::to_string(kMaxSectionBytes) + " bytes: " + std::to_string(dropped) +
                        " least frequent lemmas left out");
        }
    }

    std::vector<u32> itemGroup;
    std::set<u32> droppedGroups;
    u32 GroupOfItem(u32 id) const { return itemGroup[id]; }

    // An entry of nouns, adjectives or function words (not a verb's, not a
    // literal form's).
    bool Nominal(const PlannedEntry& pe) const {
        return !pe.verb && !pe.entry.stop && !pe.entry.group && !groups[pe.group].verb;
    }

    void Layout() {
        // Entry order inside a list: replacing readings first, then function
        // words (their reading comes first), then by stem. In the section of
        // the short words, the nouns' and adjectives' lemmas by frequency
        // first: a word in s read there beside the plural of a three-letter
        // word comes first when it is the commoner lemma ("fois" before the
        // plural of "foi").
        for (u16 s = 1; s < plans.size(); ++s)
            for (auto& [k, entries] : plans[s].lists)
                std::stable_sort(entries.begin(), entries.end(), [&](const PlannedEntry& a, const PlannedEntry& b) {
                    if (a.replaces != b.replaces) return a.replaces;
                    if (a.vowel != b.vowel) return a.vowel;
                    if (a.closed != b.closed) return a.closed;
                    const u64 ra = Badness(groups[a.group].rank), rb = Badness(groups[b.group].rank);
                    if (s == kShortWordSection && ra != rb && Nominal(a) && Nominal(b)) return ra < rb;
                    return a.sortKey < b.sortKey;
                });
        // Verb variants must follow their base entry: keep the base and its
        // variants together (their sort keys share the stem and group).
        std::vector<u8>& body = out.body;
        body.assign(kDummySectionBytes, 0);
        body[2] = 3;   // one third-letter entry (letter 0) -> offset 3
        body[5] = 6;   // one fourth-letter entry (letter 0) -> empty list at 6
        sectionStart.assign(plans.size(), 0);
        out.sections.clear();
        out.sections.push_back({kReservedKeys[0], kDummySectionBytes, 1, 0});
        for (u16 s = 1; s < plans.size(); ++s) {
            SectionPlan& sp = plans[s];
            std::map<std::pair<u8, u8>, std::vector<u8>> lists;
            // Item offsets relative to their list.
            for (auto& [k, entries] : sp.lists) {
                std::vector<u8>& bytes = lists[k];
                for (u32 e = 0; e < entries.size(); ++e) {
                    const PlannedEntry& pe = entries[e];
                    std::vector<u8> enc = EncodeEntry(pe.entry);
                    u32 headAt = static_cast<u32>(bytes.size() + enc.size() - 2 * pe.entry.items.size());
                    for (u32 i = 0; i < pe.itemIds.size(); ++i) {
                        ItemPos& ip = items[pe.itemIds[i]];
                        ip.entry = e;
                        ip.item = i;
                        ip.offset = headAt + 2 * i;   // relative to the list for now
                    }
                    bytes.insert(bytes.end(), enc.begin(), enc.end());
                }
            }
            const u32 start = static_cast<u32>(body.size());
            std::vector<u32> listOffsets;
            std::vector<u8> bytes = LayoutSection(lists, start, kFirstLemmaOffset, &listOffsets);
            u32 li = 0;
            for (auto& [k, entries] : sp.lists) {
                for (const PlannedEntry& pe : entries)
                    for (u32 id : pe.itemIds) items[id].offset += start + listOffsets[li];
                ++li;
            }
            sectionStart[s] = start;
            std::set<u8> thirds;
            u32 entryCount = 0;
            for (const auto& [k, entries] : sp.lists) {
                thirds.insert(k.first);
                entryCount += static_cast<u32>(entries.size());
            }
            std::string key = s <= kReservedSections ? kReservedKeys[s] : pairKeys[s - kReservedSections - 1];
            out.sections.push_back({key, static_cast<u32>(bytes.size()), static_cast<u32>(thirds.size()), entryCount});
            body.insert(body.end(), bytes.begin(), bytes.end());
        }
        body.insert(body.end(), kBodyTrailerBytes, 0);
        // Prefix index.
        const u32 n = static_cast<u32>(plans.size());
        std::vector<u8>& idx = out.prefixIndex;
        idx.clear();
        PutU16(idx, n);
        u32 offset = 0;
        for (u32 s = 0; s < n; ++s) {
            const SectionStat& st = out.sections[s];
            idx.push_back(static_cast<u8>(st.key[0]));
            idx.push_back(static_cast<u8>(st.key[1]));
            PutU32(idx, offset);
            PutU16(idx, st.bytes);
            PutU16(idx, s);
            offset += st.bytes;
        }
        // Matrix.
        std::vector<u16> m(52 * 52, 0);
        m[0] = 10;   // "aa"
        for (size_t i = 0; i < pairKeys.size(); ++i) {
            u8 r = LetterCode(static_cast<u8>(pairKeys[i][0])), c = LetterCode(static_cast<u8>(pairKeys[i][1]));
            m[(r - 1) * 52 + (c - 1)] = static_cast<u16>(kReservedSections + 1 + i);
        }
        out.matrix.clear();
        for (u16 v : m) PutU16(out.matrix, v);
    }

    // ---- manifest ----
    // Hits of one walk, in entry order.
    void Walk(u16 section, const std::string& key, std::vector<Analysis>& acc) const {
        if (section == 0 || section >= plans.size() || key.size() < 4) return;
        auto it = plannedHits.find({section, key.substr(2)});
        if (it == plannedHits.end()) return;
        std::vector<const PlannedHit*> hs;
        for (const PlannedHit& h : it->second) hs.push_back(&h);
        std::stable_sort(hs.begin(), hs.end(), [&](const PlannedHit* a, const PlannedHit* b) {
            const ItemPos& x = items[a->itemId];
            const ItemPos& y = items[b->itemId];
            return x.offset < y.offset;
        });
        for (const PlannedHit* h : hs) {
            if (h->hit.replaces) acc.clear();
            for (const PendingAnalysis& a : h->hit.analyses) {
                // A stop-mark form's readings: references 0 and 1 at the item,
                // the others as the walk left them (0: not checked); the
                // section-2 forms refer to their infinitive.
                u32 ref = items[h->hit.itemId].offset;
                if (h->hit.literal && (acc.size() >= 2 || section == 2)) ref = 0;
                acc.push_back({a.tag, a.byte, ref});
            }
            if (h->hit.stops) break;
        }
    }

    std::vector<Analysis> SimulateLookup(const std::string& w, u8 caseMode) const {
        std::vector<Analysis> acc;
        const size_t L = w.size();
        if (caseMode >= 1) {
            Walk(9, "99" + w, acc);
            if (acc.empty() && (caseMode == 3 || caseMode == 4)) Walk(10, "::" + w, acc);
            if (!acc.empty()) return acc;
            acc.clear();
        }
        if (L <= 3) Walk(1, "111" + w, acc);
        if (L == 3 || L == 4) Walk(2, "22" + w, acc);
        Walk(3, "3333" + w, acc);
        Walk(4, "444" + w, acc);
        if (L > 1) Walk(5, "55" + w, acc);
        Walk(8, "88" + w, acc);
        if (L >= 4) {
            Walk(6, "66" + w, acc);
            u8 c1 = LetterCode(static_cast<u8>(w[0])), c2 = LetterCode(static_cast<u8>(w[1]));
            if (c1 != 0 && c2 != 0) {
                u16 s = 0;
                if (c1 == 1 && c2 == 1) {
                    s = 10;
                } else {
                    auto it = pairSection.find(w.substr(0, 2));
                    if (it != pairSection.end()) s = it->second;
                }
                Walk(s, w, acc);
            } else {
                return acc;
            }
        }
        if (w.find(static_cast<char>(kHyphen)) != std::string::npos) {
            if (static_cast<u8>(w[0]) == kHyphen) Walk(8, w.substr(1), acc);
            else Walk(7, "77" + w, acc);
        }
        return acc;
    }

    void BuildManifest() {
        for (const auto& [wc, lemma] : manifestForms) {
            const auto& [w, cm] = wc;
            if (w.size() < 2) continue;   // one-letter words: fixed readings of the lookup
            ManifestEntry me;
            me.word = w;
            me.caseMode = cm;
            me.lemma = lemma;
            me.analyses = SimulateLookup(w, cm);
            if (me.analyses.empty()) continue;   // every reading of it was pruned
            out.manifest.push_back(std::move(me));
        }
    }

    void Run();
    void RunStages();
};

void Writer::Run() {
    // The suffix codes are read through the current suffix-code table: the
    // French one while the dictionary is written.
    std::vector<u8> savedLetterTable(gLetterTable.data, gLetterTable.data + gLetterTable.count);
    std::memcpy(gLetterTable.data, gFrenchLetterTable.data, std::min(gLetterTable.count, gFrenchLetterTable.count));
    RunStages();
    std::memcpy(gLetterTable.data, savedLetterTable.data(), savedLetterTable.size());
}

void Writer::RunStages() {
    // 1. Places of the readings and of the verbs.
    std::vector<Place> places;
    std::vector<const WordReading*> readings;
    // Lemmas with a three-letter form: their four-letter forms in s go to
    // section 2 with them (the lookup walks it for such words).
    // The other readings of such a form go there too, so that the lookup
    // reads them in their order ("fils": the noun "fils" before the plural
    // of "fil"; "sous": the preposition before the plural of "sou").
    std::set<std::string> shortLemmas;
    for (const WordReading& r : in.words)
        if (r.word.size() == 3 && r.section == 0) shortLemmas.insert(r.lemma);
    std::set<std::string> sectionTwoKeys;
    for (const WordReading& r : in.words)
        if (r.section == 0 && r.word.size() == 4 && r.word[3] == 's' && shortLemmas.count(r.lemma) != 0)
            sectionTwoKeys.insert(r.word);
    for (const WordReading& r : in.words) {
        if (r.word.size() < 2) {
            Prune(r.word, r.lemma, "one-letter words are fixed by the lookup");
            continue;
        }
        if (r.word.size() > kMaxLookupKeyBytes) {
            Prune(r.word, r.lemma, "longer than 30 bytes");
            continue;
        }
        if (static_cast<u8>(r.word[0]) == kHyphen) {
            Prune(r.word, r.lemma, "begins with a hyphen");
            continue;
        }
        u8 forced = r.section;
        if (forced == 0 && r.word.find(static_cast<char>(kHyphen)) != std::string::npos) forced = 7;
        if (forced == 0 && sectionTwoKeys.count(r.word) != 0) forced = 2;
        // The plural possessives go with their feminine (see LinkPossessives).
        if (forced == 0 && IsPossessivePlural(r.classByte) && r.word.size() == 3 && r.word[2] == 's')
            forced = 1;
        places.push_back(PlaceWord(r.word, forced));
        readings.push_back(&r);
    }
    if (in.verbs != nullptr) {
        for (const VerbModelEntry& v : in.verbs->verbs) {
            VerbPlan vp;
            if (PlanVerb(v, vp)) verbPlans.push_back(vp);
        }
    }
    std::vector<Place> all = places;
    for (const VerbPlan& vp : verbPlans)
        for (size_t i = 0; i < vp.forms.size(); ++i) all.push_back(vp.place);
    ChoosePairs(all);

    // 2. Verbs first: their noun/adjective readings replace separate items.
    std::set<std::pair<std::string, u16>> verbReadings;
    for (VerbPlan& vp : verbPlans) {
        GroupInfo g;
        g.lemma = vp.verb->lemma;
        auto it = in.verbRanks.find(vp.verb->lemma);
        g.rank = it == in.verbRanks.end() ? 0 : it->second;
        g.verb = true;
        g.words.push_back(vp.verb->lemmaMR);
        groups.push_back(g);
        EmitVerb(vp, static_cast<u32>(groups.size() - 1), verbReadings);
    }

    EmitLiteralForms();

    // 3. Nouns, adjectives and function words, grouped by section and lemma.
    std::map<std::pair<u16, std::string>, std::vector<u32>> byGroup;   // -> reading indexes
    std::vector<Place> resolved(readings.size());
    std::set<std::tuple<u16, std::string, u16, u8>> seen;   // section, key, tag, class byte
    for (u32 i = 0; i < readings.size(); ++i) {
        resolved[i] = Resolve(places[i]);
        const WordReading& r = *readings[i];
        if (r.classByte == 0 && verbReadings.count({r.word, r.tag}) != 0) continue;
        u16 s = SectionOfPlace(resolved[i]);
        if (!seen.insert({s, resolved[i].key, r.tag, r.classByte}).second) continue;
        // Function words group by class byte (il/ils, elle/elles share items),
        // the others by lemma.
        const u8 groupClass = IsPossessivePlural(r.classByte) ? r.classByte - 1 : r.classByte;
        byGroup[{s, r.classByte != 0 ? "#" + std::to_string(groupClass) : r.lemma}].push_back(i);
    }
    for (auto& [sk, idxs] : byGroup) {
        const u16 section = sk.first;
        std::vector<Desired> want;
        GroupInfo g;
        g.lemma = readings[idxs[0]]->lemma;
        for (u32 i : idxs) {
            const WordReading& r = *readings[i];
            Desired d;
            d.key = resolved[i].key;
            d.reading_index = i;
            d.leads = r.classByte != 0 || ReadsBeforeOtherReadings(r.tag);
            d.closed = d.leads || r.functionWord;
            if (r.classByte != 0) {
                EndingResult er;
                er.match = true;
                er.number = r.number == 0 ? 1 : r.number;
                er.gender = r.gender;
                d.reading = ReadClassByte(r.classByte, er, d.key, section);
                d.allowed.push_back(r.classByte);
                if (d.reading.count == 1 && !d.reading.replaces)
                    for (u8 c : ClassBytesForLetter(static_cast<u8>(d.reading.tags[0] >> 8)))
                        if (c != r.classByte) d.allowed.push_back(c);
            } else {
                d.reading.tags[0] = r.tag;
                d.reading.count = 1;
                u8 letter = static_cast<u8>(r.tag >> 8);
                d.allowed = ClassBytesForLetter(letter);
                if (letter < 35 && (r.tag & 0xFF) == ElisionFeature(letter, r.word)) d.allowed.push_back(letter);
            }
            if (d.reading.count == 0) {
                Prune(r.word, r.lemma, "class byte gives no tag here");
                continue;
            }
            want.push_back(d);
            g.rank = g.rank == 0 ? r.rank : (r.rank == 0 ? g.rank : std::min(g.rank, r.rank));
            g.words.push_back(r.word);
            manifestForms.emplace(std::make_pair(r.word, r.caseMode), r.lemma);
        }
        // The cover's choices depend on the order of the readings: fix it.
        std::stable_sort(want.begin(), want.end(), [](const Desired& a, const Desired& b) {
            if (a.key != b.key) return a.key < b.key;
            return std::lexicographical_compare(a.reading.tags, a.reading.tags + a.reading.count,
                                                b.reading.tags, b.reading.tags + b.reading.count);
        });
        groups.push_back(g);
        EmitNominalGroup(section, static_cast<u32>(groups.size() - 1), want, readings);
    }

    // 4. Limits, layout, manifest.
    itemGroup.assign(items.size(), 0);
    for (const SectionPlan& sp : plans)
        for (const auto& [k, entries] : sp.lists)
            for (const PlannedEntry& pe : entries)
                for (u32 id : pe.itemIds) itemGroup[id] = pe.group;
    EnforceSectionLimits();
    Layout();
    BuildManifest();

    std::sort(pruned.begin(), pruned.end());
    out.pruned = pruned;
    out.formsEncoded = static_cast<u32>(out.manifest.size());
    report.Note("dictionary: " + std::to_string(plans.size()) + " sections (" +
                std::to_string(pairKeys.size()) + " two-letter), body " +
                std::to_string(out.body.size()) + " bytes, " + std::to_string(items.size()) +
                " items, " + std::to_string(out.manifest.size()) + " forms in the manifest");
    std::map<std::string, u32> reasons;
    for (const std::string& p : pruned) reasons[p.substr(p.find("): ") + 3)] += 1;
    for (const auto& [why, n] : reasons)
        report.Note("dictionary: pruned " + std::to_string(n) + ": " + why);
    std::string sizes = "dictionary: reserved sections (bytes):";
    for (u32 s = 1; s <= kReservedSections && s < out.sections.size(); ++s)
        sizes += " " + std::to_string(s) + "=" + std::to_string(out.sections[s].bytes);
    report.Note(sizes);
    std::vector<std::pair<u32, std::string>> big;
    for (u32 s = kReservedSections + 1; s < out.sections.size(); ++s)
        big.emplace_back(out.sections[s].bytes, out.sections[s].key);
    std::sort(big.rbegin(), big.rend());
    std::string top = "dictionary: largest two-letter sections:";
    for (size_t i = 0; i < big.size() && i < 8; ++i)
        top += " " + Printable(big[i].second) + "=" + std::to_string(big[i].first);
    report.Note(top);
}

}  // namespace

DictBlocks WriteDictionary(const DictInput& input, CompileReport& report) {
    Writer w(input, report);
    w.Run();
    return std::move(w.out);
}

std::string FormatManifest(const std::vector<ManifestEntry>& manifest) {
    std::string out;
    for (const ManifestEntry& m : manifest) {
        out += Printable(m.word);
        out += '\t';
        out += std::to_string(m.caseMode);
        out += '\t';
        for (size_t i = 0; i < m.analyses.size(); ++i) {
            if (i) out += ',';
            out += Hex4(m.analyses[i].tag) + ":" + std::to_string(m.analyses[i].byte) + ":" +
                   std::to_string(m.analyses[i].ref);
        }
        out += '\t';
        out += m.lemma;
        out += '\n';
    }
    return out;
}

bool ParseManifest(const std::string& text, std::vector<ManifestEntry>& out, std::string& error) {
    size_t pos = 0, line = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string l = text.substr(pos, end - pos);
        pos = end + 1;
        ++line;
        if (l.empty()) continue;
        std::vector<std::string> f;
        size_t a = 0;
        while (true) {
            size_t t = l.find('\t', a);
            f.push_back(l.substr(a, t == std::string::npos ? std::string::npos : t - a));
            if (t == std::string::npos) break;
            a = t + 1;
        }
        if (f.size() != 4) {
            error = "manifest line " + std::to_string(line) + ": expected 4 fields";
            return false;
        }
        ManifestEntry m;
        for (size_t i = 0; i < f[0].size(); ++i) {
            if (f[0][i] == '\\' && i + 3 < f[0].size() + 0 && f[0][i + 1] == 'x') {
                m.word += static_cast<char>(std::stoi(f[0].substr(i + 2, 2), nullptr, 16));
                i += 3;
            } else {
                m.word += f[0][i];
            }
        }
        m.caseMode = static_cast<u8>(std::atoi(f[1].c_str()));
        size_t b = 0;
        while (b < f[2].size()) {
            size_t c = f[2].find(',', b);
            std::string one = f[2].substr(b, c == std::string::npos ? std::string::npos : c - b);
            b = c == std::string::npos ? f[2].size() : c + 1;
            Analysis an;
            unsigned tag = 0, byte = 0;
            unsigned long ref = 0;
            if (std::sscanf(one.c_str(), "%x:%u:%lu", &tag, &byte, &ref) != 3) {
                error = "manifest line " + std::to_string(line) + ": bad analysis";
                return false;
            }
            an.tag = static_cast<u16>(tag);
            an.byte = static_cast<u8>(byte);
            an.ref = static_cast<u32>(ref);
            m.analyses.push_back(an);
        }
        m.lemma = f[3];
        out.push_back(std::move(m));
    }
    return true;
}
