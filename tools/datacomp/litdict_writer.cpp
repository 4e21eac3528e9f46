// Compiler of the French reference dictionary blocks 303-306.
#include "tools/datacomp/litdict_writer.h"

#include <algorithm>
#include <cstring>
#include <set>
#include <sstream>

#include "frame/bounded_string.h"
#include "frame/loader.h"
#include "frame/mac_roman.h"
#include "frame/tables.h"
#include "lexicon/litdict.h"
#include "lexicon/litdict_codes.h"
#include "lexicon/synonyms.h"
#include "tools/datacomp/source_text.h"

namespace {

constexpr u8 kMrAGrave = 0x88;
constexpr u8 kMrCCedilla = 0x8D;

std::string Trim(const std::string& s) {
    size_t a = 0, b = s.size();
    while (a < b && (s[a] == ' ' || s[a] == '\r' || s[a] == '\t')) ++a;
    while (b > a && (s[b - 1] == ' ' || s[b - 1] == '\r' || s[b - 1] == '\t')) --b;
    return s.substr(a, b - a);
}

std::vector<std::string> SplitBars(const std::string& line) {
    std::vector<std::string> parts;
    std::string cur;
    for (char c : line) {
        if (c == '|') {
            parts.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    parts.push_back(cur);
    return parts;
}

std::string LowerMacRoman(const std::string& s) {
    std::string r = s;
    for (char& c : r) c = static_cast<char>(ToLowerMacRoman(static_cast<u8>(c)));
    return r;
}

// "(Adjectif Nom)" -> "<adjectif, nom>" (Mac Roman); "" for "(?)". A label
// too long for the token table is written with "/" and, if need be, with
// abbreviated names.
std::string LabelText(const std::string& source) {
    std::string inner = source;
    if (!inner.empty() && inner.front() == '(') inner.erase(0, 1);
    if (!inner.empty() && inner.back() == ')') inner.pop_back();
    std::istringstream words(inner);
    std::string w;
    std::vector<std::string> names;
    while (words >> w) {
        std::string mr;
        if (!Utf8ToMacRoman(w, mr)) return "";
        mr = LowerMacRoman(mr);
        if (mr == "preposition") mr = "pr\x8Eposition";
        else if (mr == "determinant") mr = "d\x8Eterminant";
        if (mr != "?") names.push_back(mr);
    }
    if (names.empty()) return "";
    static const std::map<std::string, std::string> kShort = {
        {"adverbe", "adv."}, {"adjectif", "adj."}, {"conjonction", "conj."}, {"interjection", "interj."},
        {"pr\x8Eposition", "pr\x8Ep."}, {"d\x8Eterminant", "d\x8Et."}, {"pronom", "pron."}};
    for (int form = 0; form < 3; ++form) {
        std::string out = "<";
        for (size_t i = 0; i < names.size(); ++i) {
            if (i > 0) out += form == 0 ? ", " : "/";
            auto it = kShort.find(names[i]);
            out += (form == 2 && it != kShort.end()) ? it->second : names[i];
        }
        out += ">";
        if (out.size() <= kLdStringMax || form == 2) return out.substr(0, kLdStringMax);
    }
    return "";
}

// ---- Headwords ---------------------------------------------------------------

bool IsPlainLetter(u8 c) { return c >= 'a' && c <= 'z'; }
bool IsLigature(u8 c) { return c == kMrAe || c == kMrOe; }
u8 CodeOf(u8 c) {
    if (IsLigature(c)) return c == kMrAe ? kLdAe : kLdOe;
    return LdHeadwordCode(c);
}

struct Coded {
    std::string block;  // the two folded letters
    std::string key;    // the folded rest
    std::vector<u8> codes;  // type byte, headword codes, end code
    std::string reason;     // why it was dropped, when codes is empty
};

// Appends the codes of d[from..]; false when a character has no code.
bool AppendRest(const std::string& d, size_t from, std::vector<u8>& codes) {
    for (size_t i = from; i < d.size(); ++i) {
        const u8 c = static_cast<u8>(d[i]);
        const u8 code = CodeOf(c);
        if (code == 0 || code == kLdComma || code == kLdFullStop || code == kLdSlash) return false;
        codes.push_back(code);
    }
    codes.push_back(kLdEnd);
    return true;
}

Coded EncodeHeadword(const std::string& d) {
    Coded r;
    u8 folded[36];
    const u32 n = LdFoldWord(reinterpret_cast<const u8*>(d.c_str()), static_cast<u32>(d.size()), folded);
    if (d.find(' ') != std::string::npos) return r.reason = "multi-word", r;
    if (d.find('.') != std::string::npos) return r.reason = "dotted", r;
    if (d.size() > 35 || n >= 35) return r.reason = "longer than 35 bytes", r;
    if (d.size() < 2 || n < 2) return r.reason = "one letter", r;
    if (d[1] == '-' && static_cast<u8>(d[0]) != kMrAGrave) return r.reason = "hyphen as second letter", r;
    r.block = std::string(reinterpret_cast<const char*>(folded), 2);
    r.key = std::string(reinterpret_cast<const char*>(folded) + 2);
    if (folded[0] == 'a' && folded[1] < 'b') return r.reason = "a and a byte below b", r;
    const u8 d0 = static_cast<u8>(d[0]), d1 = static_cast<u8>(d[1]);
    const bool acc0 = LdAccentIndex(d0) >= 0, acc1 = LdAccentIndex(d1) >= 0;
    std::vector<u8>& c = r.codes;
    bool ok = false;
    if (d0 == kMrCCedilla && d1 == kMrAGrave && d.size() == 2) {
        c = {kLdTypeSecondMark, kLdAGrave, kLdEnd};
        ok = true;
    } else if (IsLigature(d0) && (IsPlainLetter(d1) || acc1)) {
        c = {static_cast<u8>(d0 == kMrAe ? 11 : 13), CodeOf(d1)};
        ok = AppendRest(d, 2, c);
    } else if (IsPlainLetter(d0) && IsLigature(d1)) {
        c = {static_cast<u8>(d1 == kMrAe ? 12 : 14)};
        ok = AppendRest(d, 2, c);
    } else if (IsPlainLetter(d0) && acc1) {
        c = {kLdTypeSecondMark, CodeOf(d1)};
        if (d1 == kMrAGrave && d.size() == 2) ok = d0 != 'c' && AppendRest(d, 2, c);
        else if (d1 == kMrAGrave) ok = d[2] == '-' && (c.push_back(kLdHyphen), AppendRest(d, 3, c));
        else ok = AppendRest(d, 2, c);
    } else if (d0 == kMrAGrave && d1 == '-') {
        c = {kLdTypeFirstMark, kLdAGrave};
        ok = d.size() > 3 && AppendRest(d, 2, c);
    } else if (acc0 && IsPlainLetter(d1)) {
        c = {kLdTypeFirstMark, CodeOf(d0)};
        ok = AppendRest(d, 2, c);
    } else if (IsPlainLetter(d0) && IsPlainLetter(d1)) {
        if (d.size() == 2) {
            c = {kLdEnd};
            ok = true;
        } else if (IsLigature(static_cast<u8>(d[2]))) {
            c = {static_cast<u8>(static_cast<u8>(d[2]) == kMrAe ? 9 : 10)};
            ok = AppendRest(d, 3, c);
        } else {
            ok = AppendRest(d, 2, c);
        }
    }
    if (!ok) {
        c.clear();
        r.reason = "a letter the headword codes cannot express here";
    }
    return r;
}

// ---- Body ------------------------------------------------------------------

struct Meaning {
    std::string label;  // Mac Roman, "" for none
    std::vector<std::string> synonyms;  // Mac Roman
};

struct Entry {
    std::string display;  // Mac Roman
    Coded coded;
    std::vector<Meaning> meanings;
    bool verbOnly = false;
    // Test-only marks of a fixture source (the real thesaurus has none):
    int reg = 0;             // "{reg=N}" after the first label: register N
    std::string pointer;     // "(->)|word": a cross-reference to word
    bool continuation = false;  // "word{cont}": continues the entry before
};

// Test-only marks: the register labels at the escaped codes the synonym
// lists read as registers 1..5, and the cross-reference token.
constexpr int kRegisterCodes[6] = {0, 50, 66, 101, 78, 113};
const char* const kRegisterTokens[6] = {"", "", "[familier]", "[populaire]", "[litt\x8Eraire]", "[vieilli]"};
constexpr int kPointerToken = 54;
constexpr u32 kFirstHeadwordToken = kLdBodyTokenCount;  // tokens 159..190

std::string RegisterText(int reg) {
    if (reg == 1) return std::string(1, static_cast<char>(kLdAccents[2]));  // code 50 shows as a letter
    return std::string(kRegisterTokens[reg]) + " ";
}

bool TakeMark(std::string& s, const std::string& mark) {
    const size_t at = s.find(mark);
    if (at == std::string::npos) return false;
    s.erase(at, mark.size());
    return true;
}

// The escaped code of a character of a synonym, or -1.
int EscapedCode(u8 c) {
    for (int i = 0; i < 14; ++i)
        if (static_cast<u8>(kLdEscapedSingles[i]) == c) return i;
    if (c == '\'') return kLdEscApostrophe;
    if (c == '-') return kLdEscHyphen;
    if (c >= 'A' && c <= 'Z') return kLdEscAt + 1 + (c - 'A');
    if (c == '@') return kLdEscAt;
    if (c == kMrAe) return kLdEscAe;
    if (c == kMrOe) return kLdEscOe;
    if (c == '&') return kLdEscAmpersand;
    const u8 h = LdHeadwordCode(c);
    if ((h >= kLdFirstLetter && h < kLdFirstLetter + 26) || (h >= kLdFirstAccent && h < kLdEnd)) return h;
    return -1;
}

int NibbleLetter(u8 c) {
    for (int i = 0; i < 12; ++i)
        if (kLdNibbleLetters[i] == c) return 3 + i;
    return -1;
}

// Nibbles that write the characters; false when one has no code.
bool CharNibbles(const std::string& s, std::vector<u8>& out) {
    for (char ch : s) {
        const u8 c = static_cast<u8>(ch);
        if (c == ' ') {
            out.push_back(kLdNibbleBlank);
            continue;
        }
        const int l = NibbleLetter(c);
        if (l >= 0) {
            out.push_back(static_cast<u8>(l));
            continue;
        }
        const int e = EscapedCode(c);
        if (e < 0) return false;
        out.insert(out.end(), {kLdNibbleEscape, static_cast<u8>(e >> 4), static_cast<u8>(e & 15)});
    }
    return true;
}

bool Writable(const std::string& s) {
    std::vector<u8> n;
    if (s.empty() || s.front() == ' ' || s.back() == ' ' || s.find("  ") != std::string::npos) return false;
    return CharNibbles(s, n);
}

struct Tables {
    std::map<std::string, int> token;   // string -> token index
    std::map<std::string, int> phrase;  // string -> phrase index
    std::vector<std::string> tokens = std::vector<std::string>(kLdTokenCount);
    std::vector<std::string> phrases = std::vector<std::string>(kLdPhraseCount);
};

void PutEscape(std::vector<u8>& n, int code) {
    n.insert(n.end(), {kLdNibbleEscape, static_cast<u8>(code >> 4), static_cast<u8>(code & 15)});
}
void PutPhrase(std::vector<u8>& n, int index) {
    n.insert(n.end(), {kLdNibblePhrase, static_cast<u8>((index + 1) >> 4), static_cast<u8>((index + 1) & 15)});
}

// Writes a string: as a token, a phrase, or character by character.
void PutString(std::vector<u8>& n, const Tables& t, const std::string& s) {
    auto tk = t.token.find(s);
    if (tk != t.token.end()) return PutEscape(n, kLdEscFirstToken + tk->second);
    auto ph = t.phrase.find(s);
    if (ph != t.phrase.end()) return PutPhrase(n, ph->second);
    CharNibbles(s, n);
}

// The body's 4-bit codes, in units that must not be split by a re-aligning
// no-op; the first unit is the first body code (two nibbles, no escape).
std::vector<std::vector<u8>> BodyUnits(const Entry& e, const Tables& t) {
    std::vector<std::vector<u8>> units;
    const int first = e.verbOnly ? kLdVerbLabelCode : kLdEscNothing;
    units.push_back({static_cast<u8>(first >> 4), static_cast<u8>(first & 15)});
    if (e.reg > 0) {
        std::vector<u8> u;
        PutEscape(u, kRegisterCodes[e.reg]);
        units.push_back(u);
    }
    if (!e.pointer.empty()) {
        // Bytes 23 and 127 after the first: the token, then a phrase code.
        std::vector<u8> u;
        PutEscape(u, kLdEscFirstToken + kPointerToken);
        PutPhrase(u, t.phrase.at(":"));
        CharNibbles(e.pointer, u);
        units.push_back(u);
    }
    for (size_t m = 0; m < e.meanings.size(); ++m) {
        const Meaning& mm = e.meanings[m];
        std::vector<u8> u;
        if (m > 0) {
            // A blank always stands before a line break (the synonym lists
            // cut groups there).
            const std::string& prev = e.meanings[m - 1].synonyms.back();
            if (t.token.count(prev) == 0 && t.phrase.count(prev) == 0) u.push_back(kLdNibbleBlank);
            PutEscape(u, kLdEscLineBreak);
        }
        if (!mm.label.empty() && !(m == 0 && e.verbOnly)) PutString(u, t, mm.label);
        PutPhrase(u, t.phrase.at("$"));
        units.push_back(u);
        for (size_t s = 0; s < mm.synonyms.size(); ++s) {
            std::vector<u8> v;
            if (s > 0) PutEscape(v, kLdEscCommaBlank);
            PutString(v, t, mm.synonyms[s]);
            units.push_back(v);
        }
    }
    return units;
}

// Packs nibbles into bytes (high half first); a code that would make a 0
// byte (an escaped slash in a low half) is preceded by the no-op escape,
// which shifts its alignment.
std::vector<u8> Pack(const std::vector<std::vector<u8>>& units, size_t noOpAfterFirst) {
    std::vector<u8> nib;
    auto put = [&](const u8* code, size_t n) {
        const size_t before = nib.size();
        nib.insert(nib.end(), code, code + n);
        for (size_t i = before & ~size_t(1); i + 1 < nib.size(); i += 2)
            if (nib[i] == 0 && nib[i + 1] == 0) {
                nib.resize(before);
                PutEscape(nib, kLdEscNothing);
                nib.insert(nib.end(), code, code + n);
                return;
            }
    };
    for (size_t k = 0; k < units.size(); ++k) {
        const std::vector<u8>& u = units[k];
        if (k == 0) {
            nib.insert(nib.end(), u.begin(), u.end());
            for (size_t j = 0; j < noOpAfterFirst; ++j) PutEscape(nib, kLdEscNothing);
            continue;
        }
        // One code at a time: an escape or a phrase with its two halves.
        for (size_t i = 0; i < u.size();) {
            const size_t n = (u[i] == kLdNibbleEscape || u[i] == kLdNibblePhrase) ? 3 : 1;
            put(u.data() + i, std::min(n, u.size() - i));
            i += n;
        }
    }
    // A last 0 in a high half would make a 0 byte with the filler: a blank
    // (removed by the expansion's finishing) takes the filler's place.
    if (nib.size() % 2 == 1) nib.push_back(nib.back() == 0 ? kLdNibbleBlank : kLdNibbleFiller);
    std::vector<u8> bytes;
    for (size_t i = 0; i + 1 < nib.size(); i += 2) bytes.push_back(static_cast<u8>(nib[i] * 16 + nib[i + 1]));
    return bytes;
}

// The patterns the synonym reader takes for a register label or a pointer,
// looked for where it looks (body bytes from the first, or two further on).
bool FormsReaderPattern(const std::vector<u8>& b) {
    auto at = [&](size_t i) -> int { return i < b.size() ? b[i] : 0; };
    for (size_t shift : {size_t(0), size_t(2)}) {
        const int b0 = at(shift), b1 = at(shift + 1), h = at(shift + 2) >> 4, b3 = at(shift + 3);
        if (b0 == 118 || b0 == 116) {
            if (b3 == 66 || b3 == 50 || b3 == 101 || b3 == 78 || b3 == 113) return true;
        } else if ((b1 == 20 && h == 2) || (b1 == 19 && h == 2) || (b1 == 22 && h == 5) || (b1 == 20 && h == 14) ||
                   (b1 == 23 && h == 1)) {
            return true;
        }
    }
    for (size_t i = 0; i < 6; ++i)
        if (at(i) == 23 && at(i + 1) >= 112 && at(i + 1) <= 127) return true;
    return false;
}

// The intended display text of an entry.
std::string ExpectedText(const Entry& e, const Tables& /*t*/) {
    std::string s = e.display + " ";
    if (e.verbOnly) s += "<verbe> ";
    if (e.reg > 0) s += RegisterText(e.reg);
    if (!e.pointer.empty()) s += "voir : " + e.pointer;
    for (size_t m = 0; m < e.meanings.size(); ++m) {
        const Meaning& mm = e.meanings[m];
        if (m > 0) s += " \n ";
        const std::string label = (m == 0 && e.verbOnly) ? "" : mm.label;
        if (!label.empty()) s += label + " ";
        s += m == 0 ? "\n SYN : * " : "SYN : * ";
        for (size_t k = 0; k < mm.synonyms.size(); ++k) s += (k > 0 ? ", " : "") + mm.synonyms[k];
    }
    while (!s.empty() && s.back() == ' ') s.pop_back();
    if (s.back() != '.' && s.back() != '>') s += '.';
    return s;
}

std::vector<u8> EncodeBody(const Entry& e, const Tables& t) {
    const auto units = BodyUnits(e, t);
    for (size_t k = 0;; ++k) {
        std::vector<u8> b = Pack(units, k);
        const bool marked = e.reg > 0 || !e.pointer.empty();
        if (marked || !FormsReaderPattern(b) || k > 4) return b;
    }
}

// Display bytes of the entry's text, as expanded.
size_t ExpectedBytes(const Entry& e, const Tables& t) { return ExpectedText(e, t).size(); }

// Cuts the entry until its row fits: the display text and the row of raw
// codes (headword, marker and one byte per 4-bit code) stay below 999.
bool FitEntry(Entry& e, const Tables& t) {
    bool cut = false;
    for (;;) {
        const std::vector<u8> b = EncodeBody(e, t);
        if (ExpectedBytes(e, t) <= 990 && e.display.size() + 4 + 2 * b.size() <= 990) return cut;
        cut = true;
        Meaning& last = e.meanings.back();
        if (!last.synonyms.empty()) last.synonyms.pop_back();
        if (last.synonyms.empty() && e.meanings.size() > 1) e.meanings.pop_back();
        else if (last.synonyms.empty()) return cut;
    }
}

// Greedy tables: labels first (the verb label at token 50), then the
// strings that save the most, tokens before phrases; phrase 0 is the
// synonym mark "$".
Tables BuildTables(const std::vector<Entry>& entries) {
    Tables t;
    std::map<std::string, u32> labelUse, use;
    for (const Entry& e : entries)
        for (const Meaning& m : e.meanings) {
            if (!m.label.empty()) ++labelUse[m.label];
            for (const std::string& s : m.synonyms) ++use[s];
        }
    t.tokens[50] = "<verbe>";
    t.token["<verbe>"] = 50;
    bool marks = false;
    for (const Entry& e : entries) marks = marks || e.reg > 0 || !e.pointer.empty() || e.continuation;
    if (marks) {
        t.tokens[1] = kRegisterTokens[2];
        t.tokens[36] = kRegisterTokens[3];
        t.tokens[13] = kRegisterTokens[4];
        t.tokens[48] = kRegisterTokens[5];
        t.tokens[kPointerToken] = "voir";
    }
    std::vector<std::pair<u32, std::string>> labels;
    for (const auto& [s, n] : labelUse)
        if (s != "<verbe>") labels.push_back({n, s});
    std::sort(labels.begin(), labels.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    int slot = marks ? 55 : 51;
    std::vector<std::string> labelPhrases;
    for (const auto& [n, s] : labels) {
        if (s.size() > kLdStringMax) continue;
        if (slot < static_cast<int>(kLdBodyTokenCount)) {
            t.tokens[slot] = s;
            t.token[s] = slot++;
        } else {
            labelPhrases.push_back(s);
        }
    }
    std::vector<std::pair<long, std::string>> candidates;
    for (const auto& [s, n] : use) {
        if (s.size() > kLdStringMax) continue;
        std::vector<u8> nib;
        CharNibbles(s, nib);
        const long saving = static_cast<long>(n) * (static_cast<long>(nib.size()) - 3) - 2 * static_cast<long>(s.size());
        if (saving > 0) candidates.push_back({saving, s});
    }
    std::sort(candidates.begin(), candidates.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    size_t next = 0;
    for (int i = 0; i < static_cast<int>(kLdBodyTokenCount); ++i) {
        if (!t.tokens[i].empty() || next >= candidates.size()) continue;
        t.tokens[i] = candidates[next].second;
        t.token[candidates[next++].second] = i;
    }
    t.phrases[0] = "$";
    t.phrase["$"] = 0;
    int p = 1;
    if (marks) {
        t.phrases[p] = ":";
        t.phrase[":"] = p++;
    }
    for (const std::string& s : labelPhrases) {
        t.phrases[p] = s;
        t.phrase[s] = p++;
    }
    for (; p < 255 && next < candidates.size(); ++p) {
        t.phrases[p] = candidates[next].second;
        t.phrase[candidates[next++].second] = p;
    }
    return t;
}

void PutU16(std::vector<u8>& v, u32 x) {
    v.push_back(static_cast<u8>(x >> 8));
    v.push_back(static_cast<u8>(x));
}
void PutU32(std::vector<u8>& v, u32 x) {
    PutU16(v, x >> 16);
    PutU16(v, x & 0xFFFF);
}

std::vector<u8> StringTable(const std::vector<std::string>& strings, u32 offsets) {
    std::vector<u8> v, pool;
    for (u32 i = 0; i < offsets; ++i) {
        PutU16(v, static_cast<u32>(pool.size()));
        if (i < strings.size()) pool.insert(pool.end(), strings[i].begin(), strings[i].end());
    }
    v.insert(v.end(), pool.begin(), pool.end());
    return v;
}

// Source headwords to entries: lower-cased, equal headwords merged.
std::vector<Entry> CollectEntries(const std::vector<ThesaurusHeadword>& source, LitDictBlocks& out) {
    std::map<std::string, size_t> byDisplay;
    std::vector<Entry> entries;
    for (const ThesaurusHeadword& h : source) {
        std::string mr;
        if (!Utf8ToMacRoman(Trim(h.word), mr)) {
            ++out.dropped["a letter without a Mac Roman byte"];
            continue;
        }
        mr = LowerMacRoman(mr);
        const bool continuation = TakeMark(mr, "{cont}");
        Coded c;
        if (mr == "\x88") {
            c.block = "aa";
            c.codes = {kLdTypeSecondMark, kLdAGrave, kLdEnd};
        } else {
            c = EncodeHeadword(mr);
            if (c.codes.empty()) {
                ++out.dropped[c.reason];
                continue;
            }
        }
        auto it = byDisplay.find(mr);
        if (it == byDisplay.end()) {
            it = byDisplay.emplace(mr, entries.size()).first;
            entries.emplace_back();
            entries.back().display = mr == "\x88" ? std::string("a\x88") : mr;
            entries.back().coded = c;
        }
        Entry& e = entries[it->second];
        e.continuation = continuation;
        for (const ThesaurusMeaning& m : h.meanings) {
            Meaning mm;
            std::string label = m.label;
            for (int r = 1; r <= 5; ++r)
                if (TakeMark(label, "{reg=" + std::to_string(r) + "}")) e.reg = r;
            if (label == "(->)" && !m.synonyms.empty()) {
                Utf8ToMacRoman(Trim(m.synonyms[0]), e.pointer);
                continue;
            }
            mm.label = LabelText(label);
            std::set<std::string> seen;
            for (const std::string& s : m.synonyms) {
                std::string smr;
                if (!Utf8ToMacRoman(Trim(s), smr) || !Writable(smr) || smr.size() > 60 || !seen.insert(smr).second ||
                    mm.synonyms.size() >= kLitDictSynonymsPerLine) {
                    ++out.droppedSynonyms;
                    continue;
                }
                mm.synonyms.push_back(smr);
            }
            if (!mm.synonyms.empty()) e.meanings.push_back(mm);
        }
    }
    std::vector<Entry> kept;
    for (Entry& e : entries) {
        if (e.meanings.empty() && e.pointer.empty()) {
            ++out.dropped["no synonym with codes"];
            continue;
        }
        e.verbOnly = !e.meanings.empty();
        for (const Meaning& m : e.meanings) e.verbOnly = e.verbOnly && m.label == "<verbe>";
        kept.push_back(std::move(e));
    }
    std::sort(kept.begin(), kept.end(), [](const Entry& a, const Entry& b) {
        if (a.coded.block != b.coded.block) return a.coded.block < b.coded.block;
        if (a.coded.key != b.coded.key) return a.coded.key < b.coded.key;
        return a.display < b.display;
    });
    return kept;
}

}  // namespace

bool ParseThesaurus(const std::string& text, std::vector<ThesaurusHeadword>& out, std::string& error) {
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line)) {
        error = "empty thesaurus";
        return false;
    }
    u32 lineNo = 1;
    while (std::getline(in, line)) {
        ++lineNo;
        if (Trim(line).empty()) continue;
        std::vector<std::string> head = SplitBars(line);
        if (head.size() != 2) {
            error = "line " + std::to_string(lineNo) + ": expected word|count";
            return false;
        }
        ThesaurusHeadword h;
        h.word = head[0];
        const int n = std::atoi(head[1].c_str());
        for (int k = 0; k < n && std::getline(in, line); ++k) {
            ++lineNo;
            std::vector<std::string> parts = SplitBars(line);
            ThesaurusMeaning m;
            m.label = Trim(parts[0]);
            for (size_t i = 1; i < parts.size(); ++i)
                if (!Trim(parts[i]).empty()) m.synonyms.push_back(parts[i]);
            h.meanings.push_back(m);
        }
        out.push_back(std::move(h));
    }
    return true;
}

// Marked entries that extend the display of the last full entry before
// them in their block become continuations: type 1 and a headword token.
void MakeContinuations(std::vector<Entry>& entries, Tables& t) {
    u32 token = kFirstHeadwordToken;
    const Entry* stem = nullptr;
    for (Entry& e : entries) {
        const bool extends = stem != nullptr && stem->coded.block == e.coded.block &&
                             e.display.size() > stem->display.size() &&
                             e.display.compare(0, stem->display.size(), stem->display) == 0 &&
                             stem->coded.codes.back() == kLdEnd;
        if (!e.continuation || !extends || token >= kLdTokenCount) {
            e.continuation = false;
            stem = &e;
            continue;
        }
        t.tokens[token] = e.display.substr(stem->display.size());
        e.coded.codes = {kLdTypeContinuation, static_cast<u8>(kLdFirstToken + token)};
        ++token;
    }
}

LitDictBlocks CompileLitDict(const std::vector<ThesaurusHeadword>& source) {
    LitDictBlocks out;
    std::vector<Entry> entries = CollectEntries(source, out);
    Tables tables = BuildTables(entries);
    MakeContinuations(entries, tables);
    out.tokens = StringTable(tables.tokens, 192);
    out.phrases = StringTable(tables.phrases, 257);
    struct Record {
        std::string key;
        u32 first, offset;
    };
    std::vector<Record> records;
    std::vector<u8>& text = out.text;
    for (u32 i = 0; i < entries.size(); ++i) {
        Entry& e = entries[i];
        if (FitEntry(e, tables)) ++out.cutEntries;
        if (records.empty() || records.back().key != e.coded.block)
            records.push_back({e.coded.block, i, static_cast<u32>(text.size())});
        text.push_back(0);
        text.insert(text.end(), e.coded.codes.begin(), e.coded.codes.end());
        const std::vector<u8> body = EncodeBody(e, tables);
        text.insert(text.end(), body.begin(), body.end());
        out.headwords.push_back(e.display);
        out.keys.push_back(e.coded.block + e.coded.key);
        out.expected.push_back(ExpectedText(e, tables));
    }
    out.entries = static_cast<u32>(entries.size());
    const u32 total = out.entries, size = static_cast<u32>(text.size());
    records.push_back({"\xFF\xFF", total, size});
    records.push_back({"\xFF\xFF", total, size});
    PutU16(out.index, static_cast<u32>(records.size()));
    PutU32(out.index, total);
    PutU32(out.index, size);
    for (u32 r = 0; r < records.size(); ++r) {
        out.index.push_back(static_cast<u8>(records[r].key[0]));
        out.index.push_back(static_cast<u8>(records[r].key[1]));
        PutU32(out.index, records[r].first);
        PutU32(out.index, records[r].offset);
        PutU16(out.index, r);
    }
    return out;
}

void InstallLitDictBlocks(const LitDictBlocks& b) {
    ConvertLitDictIndex(b.index.data(), static_cast<u32>(b.index.size()));
    gLitDictText.View(const_cast<u8*>(b.text.data()), static_cast<u32>(b.text.size()));
    gLitDictOffsetsA.View(const_cast<u8*>(b.tokens.data()), static_cast<u32>(b.tokens.size()));
    gLitDictOffsetsB.View(const_cast<u8*>(b.phrases.data()), static_cast<u32>(b.phrases.size()));
}

std::vector<u8> RegisterCountBlock(const LitDictBlocks& b) {
    InstallLitDictBlocks(b);
    const u32 n = CountReferenceEntriesWithRegister();
    return {static_cast<u8>(n >> 24), static_cast<u8>(n >> 16), static_cast<u8>(n >> 8), static_cast<u8>(n)};
}

std::vector<std::string> CheckLitDict(const LitDictBlocks& b) {
    std::vector<std::string> diffs;
    InstallLitDictBlocks(b);
    constexpr u32 kChunk = 512;
    BoundedArray<BoundedString> rows;
    InitByteMatrix(rows, kChunk, kLitDictRowBytes);
    BoundedString word;
    InitByteArray(word, 36);
    for (u32 s = 1; s < b.entries; s += kChunk) {
        u32 first = 0, n = kChunk, entry = s + kChunk / 2;
        ReadDictEntryRows(1, word, rows, first, n, entry);
        for (u32 i = 0; i < n; ++i) {
            const u32 e = first + i;
            if (e == 0 || e >= b.entries) continue;
            const BoundedString& row = rows.data[i];
            std::string got(reinterpret_cast<const char*>(row.data + 2));
            if (got != b.expected[e] || row.data[1] != b.headwords[e].size())
                diffs.push_back("entry " + std::to_string(e) + " " + MacRomanToUtf8(b.headwords[e]) + ": [" +
                                MacRomanToUtf8(got) + "] instead of [" + MacRomanToUtf8(b.expected[e]) + "]");
        }
    }
    // Each headword locates the first entry of its key, at or before its own.
    for (u32 e = 1; e < b.entries; ++e) {
        CopyCString(word, b.headwords[e].c_str());
        u32 first = 0, n = 0, entry = 0;
        const u16 exact = ReadDictEntryRows(0, word, rows, first, n, entry);
        if (exact != 1 || entry > e || (entry < e && b.keys[entry] != b.keys[e]))
            diffs.push_back("lookup " + MacRomanToUtf8(b.headwords[e]) + ": entry " + std::to_string(entry) +
                            " exact " + std::to_string(exact));
    }
    return diffs;
}
