// Hunspell .aff/.dic reader and affix expander.
//
// What the French dictionary (hunspell-fr-comprehensive, "toutes variantes")
// looks like, and what its fields mean for us:
//
// * .aff: SET UTF-8, FLAG long (two ASCII characters per flag), FULLSTRIP
//   (a suffix may strip the whole word: "SFX aA aller vas-y"), NEEDAFFIX "()",
//   CIRCUMFIX "**" (declared, unused), KEEPCASE "||", NOSUGGEST "--",
//   FORBIDDENWORD "{}" (unused). No AF/AM aliases (supported anyway).
// * Nearly every .dic entry carries "()": the bare entry is not a form by
//   itself; each form comes from a suffix rule that adds its own fields.
//   "cheval/X.() po:nom is:mas" gives cheval (is:sg) and chevaux (is:pl);
//   "beau/Wx() po:nom po:adj" gives beau, beaux, bel, bels, belle, belles
//   with is:mas/is:fem and is:sg/is:pl; "homme/S.()" gives homme, hommes.
//   Entries without "()" are forms as they stand ("de", "le", "let/L'D'Q'").
// * po: on an entry is its category: nom, adj, npr (proper noun), patr
//   (surname), prn, mg (function word) with its subtype (det, detdem, detpos,
//   prep, prepv, cjco, cjsub, adv, negadv, propersuj, properobj, preverb,
//   prorel, proint, 1pe/2pe/3pe …), ponc/sign, or a verb code
//   v<group><construction>: "aimer/a0p+() po:v1_it_q__a", "finir po:v2_it____a",
//   "aller po:v1_i__e_e_", "être po:v0ei_____a", "avoir po:v0ait____a".
//   Code positions: 1 v, 2 group 0-3, 3 'i' intransitive, 4 't' direct
//   transitive, 5 'n' indirect transitive, 6 'p'/'q'/'r'/'e' pronominal
//   (always / optional / reciprocal / "s'en"), 7 'm' impersonal, 8 '_',
//   9 auxiliary 'a' avoir / 'e' être ('_' or 'z' unknown).
// * Verb forms take their tense and person from the suffix rule, as po:
//   fields: infi, ppre, ppas (with is:mas/fem sg/pl, or is:epi is:inv for an
//   invariable participle), ipre, iimp, ipsi, ifut, cond, spre, simp, impe,
//   and 1sg 2sg 3sg 1pl 2pl 3pl. One rule may hold several readings at once:
//   "aime" comes with po:ipre po:spre po:1sg po:3sg, "finis" with po:ipre
//   po:ipsi po:1sg po:2sg; the imperative comes from separate rules.
//   Special persons: 1isg is the inverted "-je" form written with è (aimè-je),
//   1jsg the older é spelling (aimé-je, on the participle's rule).
//   "3pl!" marks a 3pl form whose ending says it is a verb (-èrent, -eront,
//   vont); we give it as po "3pl" and keep the original "po:3pl!" in other.
// * Nouns and adjectives take gender and number as is: fields: mas, fem, epi
//   (both genders) and sg, pl, inv (both numbers), from the entry (gender,
//   usually) and from the suffix rule (number, and gender for F./W. families).
// * A handful of entries misplace a value ("is:infi" on infinitive-only
//   verbs, "is:ipre is:3pl" on ci-gisent, "po:sg" on iel): gender and number
//   values are always given in is, tense and person values always in po.
//   "po:err" marks a few truncated spellings kept as errors (jusqu, lorsqu).
// * st: on an entry names its lemma when the entry is itself an inflected
//   form ("chevaux-légers … st:…", "aux … st:au", "l' … st:le").
// * dp: on prefix rules marks elided words glued in front (l', d', qu',
//   jusqu', lorsqu', s'): every suffix rule of a noun, adjective or verb
//   names such prefixes (L'D'Q', n'q'l'm't's' …). We drop all forms made by a
//   prefix whose text holds an apostrophe: the lookup splits elisions.
// * ds: on a few verb suffix rules marks pronouns glued after an imperative
//   ("vas-y", "va-t'en", "allons-nous-en"); those forms are dropped too.
// * The other prefixes are the unit multipliers: "A/U.||-- po:nom" (ampere
//   symbol) gives kA, mA, MA …; "ampère/Um()" gives ampère(s), kiloampère(s)
//   … through prefix rules carrying the S. suffix flag. A prefix makes a new
//   word, so its text becomes part of the lemma.
// * The entry flags KEEPCASE and NOSUGGEST are passed on as "fl:keepcase" and
//   "fl:nosuggest" in other (unit symbols and the like; ordinals like 1er).
#include "tools/datacomp/hunspell.h"
#include "tools/datacomp/source_text.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string_view>
#include <unordered_map>

#include "frame/types.h"

namespace {

enum class FlagType { kAscii, kLong, kNum, kUtf8 };
using Flag = u32;
using Flags = std::vector<Flag>;  // sorted, unique

constexpr Flag kNoFlag = 0xFFFFFFFFu;

// One element of an affix condition: any character, or a set (possibly negated).
struct CondElem {
    bool any = false;
    bool negate = false;
    std::u32string chars;
};

struct Fields {
    std::vector<std::string> po, is, other;
    std::string stem;          // st: value
    bool pronounSuffix = false;  // has ds:
};

struct AffixRule {
    std::u32string strip, append;
    Flags contFlags;
    std::vector<CondElem> cond;
    Fields fields;
    bool elision = false;  // prefix text holds an apostrophe
    bool noOp = false;     // changes nothing and says nothing
};

struct AffixClass {
    Flag flag = 0;
    bool prefix = false;
    bool cross = false;
    int remaining = 0;
    bool allElision = false;  // every rule is an elision prefix
    std::vector<AffixRule> rules;
};

struct AffixData {
    FlagType flagType = FlagType::kAscii;
    bool latin1 = false;
    Flag needAffix = kNoFlag, circumfix = kNoFlag, forbidden = kNoFlag;
    Flag onlyInCompound = kNoFlag, keepCase = kNoFlag, noSuggest = kNoFlag;
    std::vector<Flags> flagAliases;        // AF, 1-based in the files
    std::vector<std::string> morphAliases; // AM, 1-based
    std::vector<AffixClass> classes;
    std::unordered_map<Flag, int> classOf;
};

// ---- text helpers -------------------------------------------------------


std::string ToUtf8(const std::u32string& s) {
    std::string out;
    out.reserve(s.size() + 4);
    for (char32_t c : s) AppendUtf8(out, c);
    return out;
}

// Lenient decoder: a malformed byte stands for itself (as Latin-1).
std::u32string FromUtf8(std::string_view s) {
    std::u32string out;
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        u32 b = static_cast<u8>(s[i]);
        int more = b < 0x80 ? 0 : (b & 0xE0) == 0xC0 ? 1 : (b & 0xF0) == 0xE0 ? 2 : (b & 0xF8) == 0xF0 ? 3 : -1;
        u32 cp = more <= 0 ? b : more == 1 ? (b & 0x1F) : more == 2 ? (b & 0x0F) : (b & 0x07);
        bool ok = more >= 0 && i + static_cast<std::size_t>(more) < s.size();
        for (int k = 1; ok && k <= more; ++k) {
            u32 c = static_cast<u8>(s[i + static_cast<std::size_t>(k)]);
            if ((c & 0xC0) != 0x80) ok = false;
            cp = (cp << 6) | (c & 0x3F);
        }
        if (ok) {
            out += static_cast<char32_t>(cp);
            i += 1 + static_cast<std::size_t>(more);
        } else {
            out += static_cast<char32_t>(b);
            ++i;
        }
    }
    return out;
}

std::string Latin1ToUtf8(std::string_view s) {
    std::string out;
    out.reserve(s.size() + s.size() / 8);
    for (char c : s) AppendUtf8(out, static_cast<u8>(c));
    return out;
}

void SplitWords(std::string_view line, std::vector<std::string_view>& words) {
    words.clear();
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
        if (i > start) words.push_back(line.substr(start, i - start));
    }
}

bool ParseNumber(std::string_view s, int& value) {
    if (s.empty() || s.size() > 9) return false;
    value = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

template <typename Fn>
void ForEachLine(std::string_view text, Fn fn) {
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t end = text.find('\n', i);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(i, end - i);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        fn(line);
        i = end + 1;
    }
}

// ---- flags and fields -----------------------------------------------------

// Flags written out in the file's flag type.
Flags ParseRawFlags(const AffixData& aff, std::string_view s) {
    Flags flags;
    switch (aff.flagType) {
        case FlagType::kAscii:
            for (char c : s) flags.push_back(static_cast<u8>(c));
            break;
        case FlagType::kLong:
            for (std::size_t i = 0; i + 1 < s.size(); i += 2)
                flags.push_back(static_cast<u32>(static_cast<u8>(s[i])) << 8 | static_cast<u8>(s[i + 1]));
            break;
        case FlagType::kNum: {
            u32 v = 0;
            bool any = false;
            for (char c : s) {
                if (c >= '0' && c <= '9') {
                    v = v * 10 + static_cast<u32>(c - '0');
                    any = true;
                } else if (c == ',') {
                    if (any) flags.push_back(v);
                    v = 0;
                    any = false;
                }
            }
            if (any) flags.push_back(v);
            break;
        }
        case FlagType::kUtf8:
            for (char32_t c : FromUtf8(s)) flags.push_back(c);
            break;
    }
    std::sort(flags.begin(), flags.end());
    flags.erase(std::unique(flags.begin(), flags.end()), flags.end());
    return flags;
}

// Flags of a .dic entry or an affix continuation: an AF alias number when
// the file defines aliases.
Flags ParseFlags(const AffixData& aff, std::string_view s) {
    if (!aff.flagAliases.empty()) {
        int n = 0;
        if (ParseNumber(s, n) && n >= 1 && static_cast<std::size_t>(n) <= aff.flagAliases.size())
            return aff.flagAliases[n - 1];
        return {};
    }
    return ParseRawFlags(aff, s);
}

Flag ParseOneFlag(const AffixData& aff, std::string_view s) {
    Flags f = ParseRawFlags(aff, s);
    return f.empty() ? kNoFlag : f.front();
}

bool HasFlag(const Flags& flags, Flag f) {
    return f != kNoFlag && std::binary_search(flags.begin(), flags.end(), f);
}

// Adds one "key:value" field (or an AM alias number) to `fields`.
void AddField(const AffixData& aff, std::string_view word, Fields& fields);

void AddFieldsText(const AffixData& aff, std::string_view text, Fields& fields) {
    std::vector<std::string_view> words;
    SplitWords(text, words);
    for (std::string_view w : words) AddField(aff, w, fields);
}

// Gender and number values go to is:, tense and person values to po:, where
// nearly all entries hold them (a few entries write "is:infi", "po:sg").
bool IsGenderOrNumber(std::string_view v) {
    return v == "mas" || v == "fem" || v == "epi" || v == "sg" || v == "pl" || v == "inv";
}

bool IsTenseOrPerson(std::string_view v) {
    static const char* const kValues[] = {"infi", "ppre", "ppas", "ipre", "iimp", "ipsi", "ifut",
                                          "cond", "spre", "simp", "impe", "1sg",  "2sg",  "3sg",
                                          "1pl",  "2pl",  "3pl",  "1pe",  "2pe",  "3pe"};
    for (const char* k : kValues)
        if (v == k) return true;
    return false;
}

void AddField(const AffixData& aff, std::string_view word, Fields& fields) {
    int n = 0;
    if (!aff.morphAliases.empty() && ParseNumber(word, n)) {
        if (n >= 1 && static_cast<std::size_t>(n) <= aff.morphAliases.size())
            AddFieldsText(aff, aff.morphAliases[n - 1], fields);
        return;
    }
    if (word.size() > 3 && word[2] == ':') {
        std::string_view key = word.substr(0, 2), value = word.substr(3);
        if (key == "po" && IsGenderOrNumber(value)) key = "is";
        if (key == "is" && IsTenseOrPerson(value)) key = "po";
        if (key == "po") {
            if (value.size() > 1 && value.back() == '!') {
                fields.po.emplace_back(value.substr(0, value.size() - 1));
                fields.other.emplace_back(word);
            } else {
                fields.po.emplace_back(value);
            }
            return;
        }
        if (key == "is") {
            fields.is.emplace_back(value);
            return;
        }
        if (key == "st") {
            fields.stem = std::string(value);
            return;
        }
        if (key == "ds") fields.pronounSuffix = true;
    }
    fields.other.emplace_back(word);
}

// ---- .aff -----------------------------------------------------------------

std::vector<CondElem> ParseCondition(std::string_view text) {
    std::vector<CondElem> cond;
    if (text == ".") return cond;
    std::u32string c = FromUtf8(text);
    std::size_t i = 0;
    while (i < c.size()) {
        CondElem e;
        if (c[i] == U'[') {
            ++i;
            if (i < c.size() && c[i] == U'^') {
                e.negate = true;
                ++i;
            }
            while (i < c.size() && c[i] != U']') e.chars += c[i++];
            ++i;  // ']'
        } else if (c[i] == U'.') {
            e.any = true;
            ++i;
        } else {
            e.chars += c[i++];
        }
        cond.push_back(std::move(e));
    }
    return cond;
}

bool ElemMatches(const CondElem& e, char32_t ch) {
    if (e.any) return true;
    bool in = e.chars.find(ch) != std::u32string::npos;
    return in != e.negate;
}

bool HoldsApostrophe(const std::u32string& s) {
    return s.find(U'\'') != std::u32string::npos || s.find(U'\u2019') != std::u32string::npos;
}

// "PFX flag cross count" or "PFX flag strip append[/flags] cond [fields]".
bool ParseAffixLine(AffixData& aff, const std::vector<std::string_view>& w, bool prefix) {
    if (w.size() < 4) return false;
    Flag flag = ParseOneFlag(aff, w[1]);
    if (flag == kNoFlag) return false;
    auto it = aff.classOf.find(flag);
    if (it == aff.classOf.end() || aff.classes[it->second].remaining == 0) {
        int count = 0;
        if ((w[2] != "Y" && w[2] != "N") || !ParseNumber(w[3], count)) return false;
        if (it == aff.classOf.end()) {
            aff.classOf[flag] = static_cast<int>(aff.classes.size());
            aff.classes.push_back({});
            it = aff.classOf.find(flag);
        }
        AffixClass& cls = aff.classes[it->second];
        cls.flag = flag;
        cls.prefix = prefix;
        cls.cross = w[2] == "Y";
        cls.remaining = count;
        cls.rules.reserve(cls.rules.size() + static_cast<std::size_t>(count));
        return true;
    }
    AffixClass& cls = aff.classes[it->second];
    --cls.remaining;
    if (w.size() < 5) return false;
    AffixRule rule;
    if (w[2] != "0") rule.strip = FromUtf8(w[2]);
    std::string_view append = w[3];
    std::size_t slash = append.find('/');
    if (slash != std::string_view::npos) {
        rule.contFlags = ParseFlags(aff, append.substr(slash + 1));
        append = append.substr(0, slash);
    }
    if (append != "0") rule.append = FromUtf8(append);
    rule.cond = ParseCondition(w[4]);
    for (std::size_t i = 5; i < w.size(); ++i) AddField(aff, w[i], rule.fields);
    rule.elision = prefix && HoldsApostrophe(rule.append);
    rule.noOp = rule.strip.empty() && rule.append.empty() && rule.fields.po.empty() &&
                rule.fields.is.empty() && rule.fields.other.empty();
    cls.rules.push_back(std::move(rule));
    return true;
}

bool ParseAff(std::string_view text, AffixData& aff, HunspellStats& stats, std::string& error) {
    // The encoding and flag type come first in practice; read them in a first pass.
    std::string converted;
    std::vector<std::string_view> w;
    bool ok = true;
    ForEachLine(text, [&](std::string_view line) {
        SplitWords(line, w);
        if (w.size() < 2) return;
        if (w[0] == "SET") {
            if (w[1] == "ISO8859-1" || w[1] == "ISO-8859-1") aff.latin1 = true;
            else if (w[1] != "UTF-8") {
                error = "unsupported SET " + std::string(w[1]);
                ok = false;
            }
        } else if (w[0] == "FLAG") {
            if (w[1] == "long") aff.flagType = FlagType::kLong;
            else if (w[1] == "num") aff.flagType = FlagType::kNum;
            else if (w[1] == "UTF-8") aff.flagType = FlagType::kUtf8;
            else {
                error = "unsupported FLAG " + std::string(w[1]);
                ok = false;
            }
        }
    });
    if (!ok) return false;
    if (aff.latin1) {
        converted = Latin1ToUtf8(text);
        text = converted;
    }
    int afSeen = 0, amSeen = 0;
    ForEachLine(text, [&](std::string_view line) {
        if (line.empty() || line[0] == '#') return;
        SplitWords(line, w);
        if (w.empty()) return;
        std::string_view key = w[0];
        if (key == "PFX" || key == "SFX") {
            if (!ParseAffixLine(aff, w, key == "PFX")) ++stats.badLines;
        } else if (w.size() >= 2) {
            if (key == "NEEDAFFIX" || key == "PSEUDOROOT") aff.needAffix = ParseOneFlag(aff, w[1]);
            else if (key == "CIRCUMFIX") aff.circumfix = ParseOneFlag(aff, w[1]);
            else if (key == "FORBIDDENWORD") aff.forbidden = ParseOneFlag(aff, w[1]);
            else if (key == "ONLYINCOMPOUND") aff.onlyInCompound = ParseOneFlag(aff, w[1]);
            else if (key == "KEEPCASE") aff.keepCase = ParseOneFlag(aff, w[1]);
            else if (key == "NOSUGGEST") aff.noSuggest = ParseOneFlag(aff, w[1]);
            else if (key == "AF") {  // "AF count", then one line per alias
                if (afSeen++) aff.flagAliases.push_back(ParseRawFlags(aff, w[1]));
            } else if (key == "AM") {
                if (amSeen++) aff.morphAliases.emplace_back(line.substr(line.find(w[1])));
            }
        }
    });
    for (AffixClass& cls : aff.classes) {
        cls.allElision = cls.prefix && !cls.rules.empty();
        for (const AffixRule& r : cls.rules) cls.allElision = cls.allElision && r.elision;
    }
    return true;
}

// ---- expansion ------------------------------------------------------------

bool SuffixApplies(const AffixRule& r, const std::u32string& word) {
    if (r.strip.size() > word.size() || r.cond.size() > word.size()) return false;
    if (word.compare(word.size() - r.strip.size(), r.strip.size(), r.strip) != 0) return false;
    std::size_t base = word.size() - r.cond.size();
    for (std::size_t i = 0; i < r.cond.size(); ++i)
        if (!ElemMatches(r.cond[i], word[base + i])) return false;
    return true;
}

bool PrefixApplies(const AffixRule& r, const std::u32string& word) {
    if (r.strip.size() > word.size() || r.cond.size() > word.size()) return false;
    if (word.compare(0, r.strip.size(), r.strip) != 0) return false;
    for (std::size_t i = 0; i < r.cond.size(); ++i)
        if (!ElemMatches(r.cond[i], word[i])) return false;
    return true;
}

std::u32string ApplySuffix(const AffixRule& r, const std::u32string& word) {
    std::u32string out(word, 0, word.size() - r.strip.size());
    out += r.append;
    return out;
}

std::u32string ApplyPrefix(const AffixRule& r, const std::u32string& word) {
    std::u32string out = r.append;
    out.append(word, r.strip.size(), std::u32string::npos);
    return out;
}

struct Expander {
    const AffixData& aff;
    const HunspellOptions& options;
    std::vector<SourceForm>& out;
    HunspellStats& stats;

    // Current entry.
    std::u32string root;
    Flags rootFlags;
    Fields entry;
    std::string lemma;
    std::size_t emitted = 0;

    const AffixClass* ClassOf(Flag f) const {
        auto it = aff.classOf.find(f);
        return it == aff.classOf.end() ? nullptr : &aff.classes[it->second];
    }

    // An affix that cannot make a form by itself (needs another affix).
    bool Incomplete(const AffixRule& r) const {
        return HasFlag(r.contFlags, aff.needAffix) || HasFlag(r.contFlags, aff.circumfix);
    }

    bool Dropped(const AffixRule* a, const AffixRule* b, const AffixRule* c) {
        for (const AffixRule* r : {a, b, c}) {
            if (r && r->elision && !options.keepElidedForms) {
                ++stats.elidedDropped;
                return true;
            }
            if (r && r->fields.pronounSuffix && !options.keepPronounSuffixedForms) {
                ++stats.pronounSuffixedDropped;
                return true;
            }
        }
        return false;
    }

    static void Add(std::vector<std::string>& to, const std::vector<std::string>& from) {
        to.insert(to.end(), from.begin(), from.end());
    }

    // sfx2 is a second suffix applied on top of sfx.
    void Emit(const std::u32string& form, const AffixRule* sfx, const AffixRule* sfx2,
              const AffixRule* pfx) {
        if (Dropped(sfx, sfx2, pfx)) return;
        SourceForm f;
        f.form = ToUtf8(form);
        f.lemma = lemma;
        if (pfx && !pfx->elision && !pfx->append.empty()) {
            std::u32string l = FromUtf8(lemma);
            if (l.compare(0, pfx->strip.size(), pfx->strip) == 0) f.lemma = ToUtf8(ApplyPrefix(*pfx, l));
        }
        f.po = entry.po;
        f.is = entry.is;
        f.other = entry.other;
        for (const AffixRule* r : {sfx, sfx2, pfx}) {
            if (!r) continue;
            Add(f.po, r->fields.po);
            Add(f.is, r->fields.is);
            Add(f.other, r->fields.other);
        }
        out.push_back(std::move(f));
        ++emitted;
        ++stats.forms;
    }

    // A class of elision prefixes only, when those forms are dropped: counted
    // once per form it would have served.
    bool SkippedElisions(const AffixClass& cls) {
        if (!cls.allElision || options.keepElidedForms) return false;
        ++stats.elidedDropped;
        return true;
    }

    // Prefix rules of class `cls` on a suffixed form.
    void PrefixesOn(const AffixClass& cls, const std::u32string& form, const AffixRule* sfx,
                    const AffixRule* sfx2) {
        if (SkippedElisions(cls)) return;
        for (const AffixRule& p : cls.rules) {
            if (!PrefixApplies(p, form)) continue;
            Emit(ApplyPrefix(p, form), sfx, sfx2, &p);
        }
    }

    void ExpandSuffixed(const AffixClass& cls, const AffixRule& s) {
        std::u32string form = ApplySuffix(s, root);
        if (!Incomplete(s) && !s.noOp) Emit(form, &s, nullptr, nullptr);
        // Second suffixes and prefixes named by the suffix itself.
        for (Flag f : s.contFlags) {
            const AffixClass* c2 = ClassOf(f);
            if (!c2) continue;
            if (c2->prefix) {
                PrefixesOn(*c2, form, &s, nullptr);
            } else {
                for (const AffixRule& s2 : c2->rules)
                    if (SuffixApplies(s2, form)) Emit(ApplySuffix(s2, form), &s, &s2, nullptr);
            }
        }
        // Prefixes of the entry, when both allow the combination.
        if (!cls.cross) return;
        for (Flag f : rootFlags) {
            const AffixClass* pc = ClassOf(f);
            if (!pc || !pc->prefix || !pc->cross || HasFlag(s.contFlags, f)) continue;
            if (SkippedElisions(*pc)) continue;
            for (const AffixRule& p : pc->rules) {
                if (!PrefixApplies(p, root)) continue;
                bool circ = HasFlag(p.contFlags, aff.circumfix) != HasFlag(s.contFlags, aff.circumfix);
                if (circ || form.compare(0, p.strip.size(), p.strip) != 0) continue;
                Emit(ApplyPrefix(p, form), &s, nullptr, &p);
            }
        }
    }

    void ExpandPrefixed(const AffixClass& cls, const AffixRule& p) {
        std::u32string form = ApplyPrefix(p, root);
        if (!Incomplete(p) && !p.noOp) Emit(form, nullptr, nullptr, &p);
        // Suffixes named by the prefix (those of the entry were combined above).
        if (!cls.cross) return;
        for (Flag f : p.contFlags) {
            const AffixClass* sc = ClassOf(f);
            if (!sc || sc->prefix) continue;
            if (sc->cross && HasFlag(rootFlags, f)) continue;
            for (const AffixRule& s : sc->rules) {
                if (!SuffixApplies(s, root)) continue;
                std::u32string sfxForm = ApplySuffix(s, root);
                if (sfxForm.compare(0, p.strip.size(), p.strip) != 0) continue;
                Emit(ApplyPrefix(p, sfxForm), &s, nullptr, &p);
            }
        }
    }

    void ExpandEntry() {
        emitted = 0;
        bool needAffix = HasFlag(rootFlags, aff.needAffix);
        if (!needAffix && !HasFlag(rootFlags, aff.onlyInCompound)) Emit(root, nullptr, nullptr, nullptr);
        for (Flag f : rootFlags) {
            const AffixClass* cls = ClassOf(f);
            if (!cls || cls->prefix) continue;
            for (const AffixRule& s : cls->rules)
                if (SuffixApplies(s, root)) ExpandSuffixed(*cls, s);
        }
        for (Flag f : rootFlags) {
            const AffixClass* cls = ClassOf(f);
            if (!cls || !cls->prefix || SkippedElisions(*cls)) continue;
            for (const AffixRule& p : cls->rules)
                if (PrefixApplies(p, root)) ExpandPrefixed(*cls, p);
        }
        if (emitted == 0) ++stats.entriesWithoutForms;
    }
};

// "word/flags fields": the word ends at the first unescaped '/' or blank.
bool ParseDicLine(const AffixData& aff, std::string_view line, Expander& ex) {
    std::size_t i = 0;
    std::string word;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '/') {
        if (line[i] == '\\' && i + 1 < line.size() && line[i + 1] == '/') ++i;
        word += line[i++];
    }
    if (word.empty()) return false;
    std::string_view flagText;
    if (i < line.size() && line[i] == '/') {
        std::size_t start = ++i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
        flagText = line.substr(start, i - start);
    }
    ex.root = FromUtf8(word);
    ex.rootFlags = ParseFlags(aff, flagText);
    ex.entry = Fields{};
    AddFieldsText(aff, line.substr(i), ex.entry);
    if (HasFlag(ex.rootFlags, aff.keepCase)) ex.entry.other.emplace_back("fl:keepcase");
    if (HasFlag(ex.rootFlags, aff.noSuggest)) ex.entry.other.emplace_back("fl:nosuggest");
    ex.lemma = ex.entry.stem.empty() ? word : ex.entry.stem;
    return true;
}

bool ReadFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream ss;
    ss << in.rdbuf();
    text = ss.str();
    return true;
}

bool Contains(const std::vector<std::string>& v, const char* value) {
    for (const std::string& s : v)
        if (s == value) return true;
    return false;
}

}  // namespace

bool ExpandHunspellText(const std::string& affText, const std::string& dicText,
                        const HunspellOptions& options, std::vector<SourceForm>& out,
                        HunspellStats& stats, std::string& error) {
    AffixData aff;
    if (!ParseAff(affText, aff, stats, error)) return false;
    std::string converted;
    std::string_view dic = dicText;
    if (aff.latin1) {
        converted = Latin1ToUtf8(dicText);
        dic = converted;
    }
    Expander ex{aff, options, out, stats, {}, {}, {}, {}, 0};
    bool first = true;
    ForEachLine(dic, [&](std::string_view line) {
        if (first) {  // the count line (a hint only)
            first = false;
            int n = 0;
            std::vector<std::string_view> w;
            SplitWords(line, w);
            if (w.size() == 1 && ParseNumber(w[0], n)) {
                out.reserve(out.size() + static_cast<std::size_t>(n) * 6);
                return;
            }
        }
        if (line.empty() || line[0] == '#' || line[0] == '\t') return;
        if (!ParseDicLine(aff, line, ex)) {
            ++stats.badLines;
            return;
        }
        ++stats.entries;
        if (HasFlag(ex.rootFlags, aff.forbidden)) return;
        ex.ExpandEntry();
    });
    return true;
}

bool ExpandHunspellFiles(const std::string& affPath, const std::string& dicPath,
                         const HunspellOptions& options, std::vector<SourceForm>& out,
                         HunspellStats& stats, std::string& error) {
    std::string affText, dicText;
    if (!ReadFile(affPath, affText)) {
        error = "cannot read " + affPath;
        return false;
    }
    if (!ReadFile(dicPath, dicText)) {
        error = "cannot read " + dicPath;
        return false;
    }
    return ExpandHunspellText(affText, dicText, options, out, stats, error);
}

void ReportHunspellStats(const HunspellStats& s, CompileReport& report) {
    report.Note("hunspell: entries read " + std::to_string(s.entries));
    report.Note("hunspell: forms expanded " + std::to_string(s.forms));
    report.Note("hunspell: elided forms dropped (l', d', qu' ...) " + std::to_string(s.elidedDropped));
    report.Note("hunspell: imperatives with glued pronouns dropped " +
                std::to_string(s.pronounSuffixedDropped));
    report.Note("hunspell: entries giving no form " + std::to_string(s.entriesWithoutForms));
    if (s.badLines) report.Note("hunspell: unreadable lines " + std::to_string(s.badLines));
}

bool HasPo(const SourceForm& f, const char* value) { return Contains(f.po, value); }
bool HasIs(const SourceForm& f, const char* value) { return Contains(f.is, value); }

std::string VerbCodeOf(const SourceForm& f) {
    for (const std::string& p : f.po)
        if (p.size() >= 2 && p[0] == 'v' && p[1] >= '0' && p[1] <= '3') return p;
    return "";
}
