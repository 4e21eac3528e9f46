// English classification and dictionary writer (see english_writer.h).
#include "tools/datacomp/english_writer.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <tuple>

#include "frame/bounded_string.h"
#include "frame/loader.h"
#include "frame/records.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "morphology/section_walk.h"
#include "morphology/word_lookup.h"
#include "tools/datacomp/english_sources.h"
#include "tools/datacomp/source_text.h"

namespace {

constexpr u8 kApostrophe = 0x93;
constexpr u8 kHyphen = 0x9B;
constexpr u8 kClassClosed = '8';
constexpr u8 kClassOther = 28;
constexpr u8 kClassNumeral = 'S';   // cardinal number words ("two", "hundred")
constexpr u8 kClassPreposition = 0x22;
constexpr u8 kClassSubordinator = 0x11;
constexpr u8 kClassPlainAdverb = 58;  // the adverb alone, no ending rule
constexpr u8 kClassInterjection = 18;
constexpr u8 kMedicalKeyBytes[5] = {0xA7, 0xB6, 0xB5, 0xB9, 0xB7};
constexpr u8 kCapitalMedicalKey = 0xC6;
constexpr u8 kSentinelKey = 0xCF;
constexpr u16 kSectionShort = 1, kSectionThree = 2, kSectionVerb0 = 3, kSectionVerb1 = 4,
              kSectionVerb2 = 5, kSectionBritish = 6, kSectionAmerican = 7, kSectionHyphen = 10;
const char* const kPrefixes[11] = {"", "111", "22", "3333", "444", "55", "66", "77", "88", "99", "::"};
const char* const kReservedKeys[11] = {"00", "11", "22", "33", "44", "55", "66", "77", "88", "99", "::"};

bool IsAsciiLetter(u8 c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
int LetterIndex(u8 c) { return c >= 'A' && c <= 'Z' ? c - 'A' : c >= 'a' && c <= 'z' ? 26 + c - 'a' : -1; }

// A byte an English stem can hold (the apostrophe is written as its mark).
bool IsStemByte(u8 b) {
    if (b == kApostrophe) return true;
    if (b < 0x41 || b >= 0xA0) return false;
    if (b >= 123 && b <= 136) return false;
    return b != 146 && b != 151 && b != 152 && b != 156;
}

// Every remainder an ending code spells, with the number it gives (the
// walk reads a code wherever its letters fit: an item answers all of them).
std::vector<std::pair<std::string, u8>> CodeRemainders(u8 code, const std::string& stemKey) {
    auto letter = [](char c) { return std::string(1, c); };
    std::vector<std::pair<std::string, u8>> r;
    if (code == 27 || code == 64) r = {{"", 1}};
    else if (code == 30) r = {{"", 2}, {"s", 1}, {"es", 2}};
    else if (code == 32) {
        const char last = stemKey.empty() ? 0 : stemKey.back();
        r = {{"", static_cast<u8>(last == 's' || last == 'x' || last == 'z' ? 3 : 1)}, {"s", 2}};
    } else if (code >= 1 && code <= 26) r = {{letter(static_cast<char>(code + 96)), 1}};
    else if (code >= 33 && code <= 58) {
        const std::string l = letter(static_cast<char>(code + 64));
        r = {{l, 1}, {l + "s", 2}};
    } else if (code == 31) r = {{"y", 1}, {"ies", 2}};
    else if (code >= 59 && code <= 63) {
        const std::string l = letter("hosxz"[code - 59]);
        r = {{l, 1}, {l + "es", 2}};
    }
    return r;
}

void PutU16(std::vector<u8>& out, u32 v) {
    out.push_back(static_cast<u8>(v >> 8));
    out.push_back(static_cast<u8>(v));
}

std::string SourceKey(const std::string& utf8) {
    std::string mr;
    if (!Utf8ToMacRoman(utf8, mr)) return "";
    for (char& c : mr) {
        if (c == '\'') c = static_cast<char>(kApostrophe);
        else if (c == '-') c = static_cast<char>(kHyphen);
    }
    return mr;
}

std::string OtherValue(const SourceForm& f, const char* key) {
    const std::string k = std::string(key) + ":";
    for (const std::string& o : f.other)
        if (o.rfind(k, 0) == 0) return o.substr(k.size());
    return "";
}

bool IsCapitalised(const std::string& mr) { return !mr.empty() && mr[0] >= 'A' && mr[0] <= 'Z'; }

// The words the prefixes of the closed-class table stand for: for each
// prefix, the shortest word of the sources beginning with it that is not a
// verb or a name ("east+" files "east", "allegr+" files "allegro"). The
// table reaches class-'8' items only, so these are filed as such.
std::set<std::string> ClosedPrefixWords(const std::vector<SourceForm>& forms, int maxLevel) {
    std::vector<std::string> prefixes;
    ForEachEnglishClosedPrefix(
        [](const char* p, u32 n, void* ctx) { static_cast<std::vector<std::string>*>(ctx)->emplace_back(p, n); },
        &prefixes);
    std::vector<std::string> shortest(prefixes.size());
    for (const SourceForm& f : forms) {
        if (f.po.empty() || f.po[0] == "verb" || f.po[0] == "proper") continue;
        const int level = EnglishLevel(f);
        if (level == 0 || level > maxLevel) continue;
        const std::string key = SourceKey(f.form);
        for (size_t i = 0; i < prefixes.size(); ++i) {
            if (key.compare(0, prefixes[i].size(), prefixes[i]) != 0) continue;
            std::string& s = shortest[i];
            if (s.empty() || key.size() < s.size() || (key.size() == s.size() && key < s)) s = key;
        }
    }
    std::set<std::string> words;
    for (const std::string& w : shortest)
        if (!w.empty()) words.insert(w);
    return words;
}

// The words of the closed-class rows that add the adverb after the item's
// own reading ("today", "day", "coast") which the sources read as nouns and
// not as adjectives: the class-'8' item would read them as adjectives, so
// they are filed from their sources (noun, and adverb where the sources
// say so: "today").
std::set<std::string> NounsOfAdverbRows(const std::vector<SourceForm>& forms, int maxLevel) {
    std::set<std::string> rowWords;
    ForEachEnglishAdverbAfterWord(
        [](const char* w, u32 n, void* ctx) { static_cast<std::set<std::string>*>(ctx)->insert(std::string(w, n)); },
        &rowWords);
    std::set<std::string> nouns, adjectives;
    for (const SourceForm& f : forms) {
        if (f.po.empty() || rowWords.count(f.form) == 0) continue;
        const int level = EnglishLevel(f);
        if (level == 0 || level > maxLevel) continue;
        if (f.po[0] == "noun") nouns.insert(f.form);
        if (f.po[0] == "adj") adjectives.insert(f.form);
    }
    std::set<std::string> out;
    for (const std::string& w : nouns)
        if (adjectives.count(w) == 0) out.insert(w);
    return out;
}

// The number words: the forms whose most frequent tag in wink's list is the
// cardinal number ("two", "hundred"). Their noun and adjective readings
// ("a two", WordNet's adjective "two") give way to the numeral.
std::set<std::string> NumeralWords(const std::vector<SourceForm>& forms) {
    std::set<std::string> out;
    for (const SourceForm& f : forms) {
        const std::string wink = OtherValue(f, "wink");
        if (wink.substr(0, wink.find(',')) == "CD") out.insert(SourceKey(f.form));
    }
    return out;
}

// The order of a reading among the items of its spelling (lower first):
// by how often the treebank counts the form in the reading's class, else by
// the place of the class in wink's tags, else in the middle. The walk reads
// the items of one stem and ending in this order ("new", "best", "real":
// the adjective before the adverb).
u8 ReadingRank(const EnglishReading& r, const UdClassTable* ud, const std::map<std::string, std::string>& winkTags) {
    const char* upos[2] = {nullptr, nullptr};
    const char* penn = nullptr;
    switch (r.classByte) {
        case 'A': upos[0] = "NOUN"; penn = "NN"; break;
        case 'B': upos[0] = "ADJ"; penn = "JJ"; break;
        case 20: upos[0] = "ADV"; penn = "RB"; break;
        case 'M': case 'N': upos[0] = "NOUN"; upos[1] = "ADJ"; penn = r.classByte == 'M' ? "NN" : "JJ"; break;
        case kClassNumeral: upos[0] = "NUM"; penn = "CD"; break;
        default: return 128;
    }
    const std::string& form = r.word;
    if (ud != nullptr && UdCounted(*ud, form)) {
        u32 n = 0;
        for (const char* u : upos)
            if (u != nullptr) n = std::max(n, UdCount(*ud, form, u));
        return static_cast<u8>(n >= 127 ? 0 : 127 - n);
    }
    const auto w = winkTags.find(r.word);
    if (w == winkTags.end()) return 128;
    u32 index = 0;
    for (size_t at = 0; at < w->second.size(); ++index) {
        const size_t comma = std::min(w->second.find(',', at), w->second.size());
        if (w->second.compare(at, 2, penn) == 0) return static_cast<u8>(129 + std::min<u32>(index, 60));
        at = comma + 1;
    }
    return 200;
}

// A reading of a form that the treebank counts less often in the reading's
// class than as a verb, or (an adverb) as an adjective: it is read after
// the verb items of its spelling, which carry the verb and the adjective
// ("be", "may": the verb before the noun; "best", "better": the adjective
// before the adverb).
bool CountedLessThanVerb(const EnglishReading& r, const UdClassTable* ud) {
    if (ud == nullptr || !UdCounted(*ud, r.word)) return false;
    u32 own = 0, other = UdCount(*ud, r.word, "VERB") + UdCount(*ud, r.word, "AUX");
    switch (r.classByte) {
        case 'A': own = UdCount(*ud, r.word, "NOUN"); break;
        case 'B': own = UdCount(*ud, r.word, "ADJ"); break;
        case 'M': case 'N': own = std::max(UdCount(*ud, r.word, "NOUN"), UdCount(*ud, r.word, "ADJ")); break;
        case 20:
            own = UdCount(*ud, r.word, "ADV");
            other = std::max(other, UdCount(*ud, r.word, "ADJ"));
            break;
        default: return false;
    }
    return other > own;
}

// True when wink's tag list ("NN,JJ") holds `tag`.
bool WinkTagged(const std::string& wink, const char* tag) {
    for (size_t at = 0; at < wink.size();) {
        const size_t comma = std::min(wink.find(',', at), wink.size());
        if (wink.compare(at, comma - at, tag) == 0) return true;
        at = comma + 1;
    }
    return false;
}

// The interjections: the words wink tags UH ("hello", "please", "well",
// "okay"). Where the treebank counts the form, it must be an interjection
// in at least one use in ten ("say", "sure", "thanks" are not); else UH
// must head wink's tags. Each is read by those counts or wink's order, and
// after the verb items where the treebank counts another class more often
// ("well", "okay", "sorry": the adverb or adjective first).
void AddInterjections(const std::vector<SourceForm>& forms, int maxLevel, const UdClassTable* ud,
                      const std::set<std::string>& closed, std::vector<EnglishReading>& readings) {
    std::set<std::string> done;
    for (const SourceForm& f : forms) {
        const std::string wink = OtherValue(f, "wink");
        const std::string key = SourceKey(f.form);
        if (wink.empty() || key.empty() || closed.count(key) != 0 || done.count(key) != 0) continue;
        const int level = EnglishLevel(f);
        if (level == 0 || level > maxLevel) continue;
        u32 index = 0, uh = UINT32_MAX;
        for (size_t at = 0; at < wink.size(); ++index) {
            const size_t comma = std::min(wink.find(',', at), wink.size());
            if (wink.compare(at, comma - at, "UH") == 0) uh = index;
            at = comma + 1;
        }
        if (uh == UINT32_MAX) continue;
        const auto row = ud != nullptr ? ud->find(key) : UdClassTable::const_iterator{};
        const bool counted = ud != nullptr && row != ud->end();
        u32 interjection = 0, total = 0, most = 0;
        if (counted) {
            for (const auto& [upos, n] : row->second) {
                total += n;
                if (upos != "INTJ") most = std::max(most, n);
            }
            interjection = UdCount(*ud, key, "INTJ");
        }
        if (counted ? interjection == 0 || 10 * interjection < total : uh != 0) continue;
        done.insert(key);
        EnglishReading r;
        r.word = key;
        r.lemma = f.form;
        r.classByte = kClassInterjection;
        r.level = static_cast<u32>(level);
        r.rank = counted ? static_cast<u8>(interjection >= 127 ? 0 : 127 - interjection)
                         : static_cast<u8>(129 + std::min<u32>(uh, 60));
        r.afterVerb = counted && most > interjection;
        readings.push_back(r);
    }
}

// The regional section of a spelling of one region (words of four letters
// or more; the shorter ones are read in the sections of every region).
EnglishPlace RegionalPlace(const SourceForm& f, const std::string& key) {
    if (key.size() >= 4 && EnglishHasIs(f, "section:6")) return EnglishPlace::British;
    if (key.size() >= 4 && EnglishHasIs(f, "section:7")) return EnglishPlace::American;
    return EnglishPlace::Normal;
}

// The lookup reads an adverb item in "ly" as that adverb alone, from the
// first reading on, so an adverb read after the adjective, noun or verb of
// its spelling would wipe them ("daily", "weekly", "kindly"). Such an
// adverb is filed as the plain adverb (class 58), which adds its reading,
// and is read last, after the adjective as the lookup's own adjective-and-
// adverb words have it ("only", "early").
void FileLyAdverbsBesideOtherReadings(EnglishClassified& out) {
    std::set<std::string> other;
    for (const EnglishReading& r : out.readings)
        if (r.classByte != 20 && r.place == EnglishPlace::Normal) other.insert(r.word);
    for (const EnglishVerbForms& v : out.verbs)
        for (const auto& slot : v.slots)
            for (const auto& form : slot) other.insert(form.first);
    for (EnglishReading& r : out.readings)
        if (r.classByte == 20 && r.place == EnglishPlace::Normal && EndsWith(r.word, "ly") && other.count(r.word) != 0)
            r.classByte = kClassPlainAdverb, r.rank = 255;
}

// A noun lemma spelt like the regular plural of another noun is mostly
// that plural ("things", "ways", "belongings"); it is a singular as well
// where wink tags the form as a singular noun ("means", "species") or
// WordNet gives it more senses than the noun it would be the plural of
// ("crossroads": 3 against 1).
void MarkSingularsSpeltAsPlurals(const std::vector<SourceForm>& forms, EnglishClassified& out) {
    std::map<std::string, int> senses;   // singular noun -> WordNet sense count
    std::set<std::string> winkSingular;
    for (const SourceForm& f : forms) {
        if (f.po.empty() || f.po[0] != "noun" || EnglishHasIs(f, "plural")) continue;
        const std::string key = SourceKey(f.form);
        const std::string n = OtherValue(f, "senses");
        if (!n.empty()) senses[key] = std::max(senses[key], std::atoi(n.c_str()));
        const std::string wink = OtherValue(f, "wink");
        for (size_t at = 0; at < wink.size();) {
            const size_t comma = std::min(wink.find(',', at), wink.size());
            if (wink.compare(at, comma - at, "NN") == 0) winkSingular.insert(key);
            at = comma + 1;
        }
    }
    auto count = [&](const std::string& w) {
        auto it = senses.find(w);
        return it == senses.end() ? 0 : it->second;
    };
    for (EnglishReading& r : out.readings) {
        if (r.classByte != 'A' || r.number != 1 || r.word.size() < 3 || r.word.back() != 's') continue;
        const std::string& w = r.word;
        int base = count(w.substr(0, w.size() - 1));
        if (EndsWith(w, "es")) base = std::max(base, count(w.substr(0, w.size() - 2)));
        if (EndsWith(w, "ies")) base = std::max(base, count(w.substr(0, w.size() - 3) + "y"));
        r.singularToo = winkSingular.count(w) != 0 || count(w) > base;
    }
}

}  // namespace

// ---- Classification --------------------------------------------------------------------

EnglishClassified ClassifyEnglish(const std::vector<SourceForm>& forms, int maxLevel, const UdClassTable* ud) {
    EnglishClassified out;
    std::set<std::string> closed;
    ForEachEnglishClosedWord(
        [](const char* w, u32 n, void* ctx) { static_cast<std::set<std::string>*>(ctx)->insert(std::string(w, n)); },
        &closed);
    for (const std::string& w : ClosedPrefixWords(forms, maxLevel)) closed.insert(w);
    for (const std::string& w : NounsOfAdverbRows(forms, maxLevel)) closed.erase(w);
    const std::set<std::string> numerals = NumeralWords(forms);
    std::set<std::string> otherReadings;   // forms with a verb or an adverb reading
    for (const SourceForm& f : forms)
        if (!f.po.empty() && (f.po[0] == "verb" || f.po[0] == "adv")) otherReadings.insert(SourceKey(f.form));
    std::set<std::tuple<std::string, u8, u8, u8>> seen;
    // (word) -> first wink tag, for noun/adjective words; all its tags.
    std::map<std::string, std::string> firstTag, winkTags;
    for (const SourceForm& f : forms) {
        if (f.po.empty()) continue;
        const std::string& po = f.po[0];
        if (po == "verb") continue;
        const std::string key = SourceKey(f.form);
        if (key.empty()) {
            ++out.skipped["a letter without a Mac Roman byte"];
            continue;
        }
        if (closed.count(key) != 0) continue;   // written from the closed-class table
        const int level = EnglishLevel(f);
        const bool medical = EnglishHasIs(f, "domain:medical");
        EnglishReading r;
        r.word = key;
        r.lemma = f.lemma.empty() ? f.form : f.lemma;
        r.level = static_cast<u32>(level);
        if (level == 0) {
            if (!medical || po == "proper") {
                ++out.skipped["in no word list"];
                continue;
            }
            r.place = IsCapitalised(key) ? EnglishPlace::CapitalMedical : EnglishPlace::Medical;
        } else if (level > (po == "proper" ? kEnglishNameMaxLevel : maxLevel)) {
            ++out.skipped["above the SCOWL level compiled"];
            continue;
        }
        if ((po == "noun" || po == "adj") && numerals.count(key) != 0) {
            ++out.skipped["noun or adjective reading of a number word"];
            continue;
        }
        if (po == "noun") {
            r.classByte = 'A';
            r.number = EnglishHasIs(f, "plural") ? 2 : 1;
        } else if (po == "adj") {
            r.classByte = 'B';
        } else if (po == "adv") {
            r.classByte = 20;
        } else if (po == "proper" || po == "acronym") {
            r.classByte = 0x40;
        } else if (po == "abbrev") {
            r.classByte = kClassOther;
            r.period = EnglishHasIs(f, "period");
        } else if (po == "contraction") {
            r.classByte = kClassOther;
        } else if (po == "closed:num") {
            r.classByte = kClassNumeral;
        } else if (po == "closed:interj") {
            continue;   // filed by AddInterjections
        } else if (po == "closed:prep" && otherReadings.count(key) == 0) {
            // A preposition the closed-class table does not hold and the
            // sources give no verb or adverb reading ("toward", "onto"):
            // the class-'8' item would read it as an adjective. A
            // subordinator the treebank counts as such more often than as a
            // preposition takes the conjunction's class.
            const bool sconj = ud != nullptr && UdCount(*ud, key, "SCONJ") > UdCount(*ud, key, "ADP");
            r.classByte = sconj ? kClassSubordinator : kClassPreposition;
        } else if (po.rfind("closed:", 0) == 0) {
            r.classByte = kClassClosed;
        } else if (po == "unknown") {
            if (level > kEnglishUnknownMaxLevel) {
                ++out.skipped["unknown to every source, above level 70"];
                continue;
            }
            r.classByte = kClassClosed;
        } else {
            ++out.skipped["part of speech not filed: " + po];
            continue;
        }
        if (r.place == EnglishPlace::Normal) {
            if (key.find(static_cast<char>(kHyphen)) != std::string::npos) r.place = EnglishPlace::Hyphen;
            else r.place = RegionalPlace(f, key);
        }
        const std::string wink = OtherValue(f, "wink");
        if (!wink.empty()) {
            firstTag[key] = wink.substr(0, wink.find(','));
            winkTags[key] = wink;
        }
        if (!seen.insert({r.word, r.classByte, r.number, static_cast<u8>(r.place)}).second) continue;
        out.readings.push_back(r);
        // A singular noun that wink also tags as an adjective and the
        // treebank counts as one in at least one use in five ("fun"): the
        // adjective too, which WordNet lacks; the pair is filed as one
        // noun-or-adjective item below.
        if (po == "noun" && r.number == 1 && ud != nullptr && WinkTagged(wink, "JJ")) {
            u32 total = 0;
            const auto row = ud->find(key);
            if (row != ud->end())
                for (const auto& [upos, n] : row->second) total += n;
            const u32 adjectives = UdCount(*ud, key, "ADJ");
            EnglishReading a = r;
            a.classByte = 'B';
            if (adjectives > 0 && 5 * adjectives >= total &&
                seen.insert({a.word, a.classByte, a.number, static_cast<u8>(a.place)}).second)
                out.readings.push_back(a);
        }
    }
    // Noun and adjective of one spelling: one 'M' / 'N' item.
    std::map<std::pair<std::string, u8>, std::vector<size_t>> byWord;
    for (size_t i = 0; i < out.readings.size(); ++i)
        byWord[{out.readings[i].word, static_cast<u8>(out.readings[i].place)}].push_back(i);
    std::vector<bool> drop(out.readings.size(), false);
    for (const auto& [w, idx] : byWord) {
        size_t noun = SIZE_MAX, adj = SIZE_MAX;
        for (size_t i : idx) {
            if (out.readings[i].classByte == 'A' && out.readings[i].number == 1) noun = i;
            if (out.readings[i].classByte == 'B') adj = i;
        }
        if (noun == SIZE_MAX || adj == SIZE_MAX) continue;
        auto it = firstTag.find(w.first);
        bool adjFirst = it != firstTag.end() && it->second.rfind("JJ", 0) == 0;
        const std::string& lemma = out.readings[noun].lemma;
        if (ud != nullptr && UdCounted(*ud, lemma))
            adjFirst = UdCount(*ud, lemma, "ADJ") > UdCount(*ud, lemma, "NOUN") + UdCount(*ud, lemma, "PROPN");
        out.readings[noun].classByte = adjFirst ? 'N' : 'M';
        drop[adj] = true;
    }
    std::vector<EnglishReading> kept;
    for (size_t i = 0; i < out.readings.size(); ++i)
        if (!drop[i]) kept.push_back(out.readings[i]);
    out.readings = std::move(kept);
    // The words the noun-or-adjective classes read as prepositions first
    // ("under", "nearby") keep their adjective in such a class when no
    // noun reading made one.
    std::set<std::string> sideWords;
    ForEachEnglishSideWord(
        [](const char* w, u32 n, void* ctx) { static_cast<std::set<std::string>*>(ctx)->insert(std::string(w, n)); },
        &sideWords);
    for (EnglishReading& r : out.readings)
        if (r.classByte == 'B' && r.place == EnglishPlace::Normal && sideWords.count(r.word) != 0) r.classByte = 'N';
    for (EnglishReading& r : out.readings) {
        r.rank = ReadingRank(r, ud, winkTags);
        r.afterVerb = CountedLessThanVerb(r, ud);
    }
    AddInterjections(forms, maxLevel, ud, closed, out.readings);
    for (const std::string& w : closed) {
        EnglishReading r;
        r.word = w;
        r.lemma = w;
        r.classByte = kClassClosed;
        r.level = 10;
        out.readings.push_back(r);
    }
    out.verbs = CollectEnglishVerbs(forms, maxLevel);
    FileLyAdverbsBesideOtherReadings(out);
    MarkSingularsSpeltAsPlurals(forms, out);
    return out;
}

u32 KeepVerbFormsWithoutRow(const std::vector<SourceForm>& forms, const EnglishModelTable& models,
                            std::vector<EnglishReading>& readings, int maxLevel) {
    std::set<std::string> known;
    for (const EnglishReading& r : readings) known.insert(r.word);
    for (const EnglishVerbEntry& v : models.verbs)
        for (const std::string& f : v.forms)
            if (!f.empty()) known.insert(f);
    u32 added = 0;
    for (const SourceForm& f : forms) {
        if (f.po.empty() || f.po[0] != "verb") continue;
        const int level = EnglishLevel(f);
        if (level <= 0 || level > maxLevel) continue;
        const std::string key = SourceKey(f.form);
        if (key.size() < 2 || !known.insert(key).second) continue;
        EnglishReading r;
        r.word = key;
        r.lemma = f.lemma.empty() ? f.form : f.lemma;
        r.classByte = kClassClosed;
        r.level = static_cast<u32>(level);
        r.place = RegionalPlace(f, key);
        readings.push_back(r);
        ++added;
    }
    return added;
}

// ---- Library tables --------------------------------------------------------------------------

namespace {

u8 kNothing[8] = {};
BoundedString* const kEnglishViews[7] = {&gEnglishEndings1, &gEnglishEndings2, &gEnglishEndings3,
                                         &gEnglishEndings4, &gEnglishEndings5, &gEnglishEndings6,
                                         &gEnglishEndings7};

void ViewBytes(BoundedString& view, const std::vector<u8>* v) {
    if (v == nullptr || v->empty()) {
        view.View(kNothing, 0);
        view.valid = 0;
    } else {
        view.View(const_cast<u8*>(v->data()), static_cast<u32>(v->size()));
    }
}

}  // namespace

void InstallEnglishModels(const EnglishModelTable& table) {
    ConvertEnglishModels(gEnglishEndingRows, table.rowBlock.data(), static_cast<u32>(table.rowBlock.size()));
    for (u32 k = 0; k < 7; ++k) ViewBytes(*kEnglishViews[k], &table.endingLists[k]);
    gEnglishLoaded = 1;
    SelectLanguageTables(0);
}

void InstallEnglishBlocks(const EnglishBlockSet& b) {
    ConvertSectionMatrix(gEnglishPrefixSectionMatrix, b.matrix->data(), static_cast<u32>(b.matrix->size()));
    gEnglishDictSectionCount =
        ConvertPrefixIndex(gEnglishDictPrefixIndex, b.prefixIndex->data(), static_cast<u32>(b.prefixIndex->size()));
    ViewBytes(gEnglishDictBody, b.body);
    InstallEnglishModels(*b.models);
}

// ---- The writer -------------------------------------------------------------------------------

namespace {

// One item of the English body and the keys it answers.
struct EItem {
    u16 section = 0;              // provisional pair sections: 1000 + pair index
    std::pair<u8, u8> list;       // third and fourth key characters
    std::string stem;             // stem bytes after the four implicit characters
    bool verb = false;
    u8 head = 0, trailer = 0;     // ending byte + class byte, or model byte + flags byte
    bool replaces = false;        // closed-class item: after the others of its list
    u32 level = 0;
    std::string lemma;
    std::vector<std::string> keys;  // keys it answers (prefix + word)
    std::vector<std::string> words; // the words of those keys
    std::vector<u8> slots;          // verb: slot of each key; nominal: number
    u32 offset = 0;                 // body offset of the head byte
    bool pruned = false;
    // An irregular plural written as a variant of its singular: the entry
    // follows the singular's after a variant mark, and its reading refers
    // to the singular's item.
    u32 variantOf = UINT32_MAX;
    u32 link = 0;                   // base 2k + 1 and its variant 2k + 2 sort together
    // A noun of its own spelt like a linked plural sorts right after it.
    u32 sortWith = UINT32_MAX;
    u8 rank = 128;                  // order among the items of one stem and ending
    bool afterVerb = false;         // a nominal item read after the verb items of its stem
};

struct Writer {
    EnglishDictInput& in;
    CompileReport& report;
    DictBlocks out;
    std::vector<EItem> items;
    std::vector<std::string> pairs;                // pair keys, index = provisional order
    std::map<std::string, u32> pairIndex;
    std::vector<std::string> sectionKeys;          // final: index = section number
    std::map<std::string, u16> pairSection;        // pair key -> final section
    u16 medicalFirst = 0;                          // section of 0xA7A7
    std::map<std::pair<u16, std::string>, std::vector<u32>> byKey;  // (section, key) -> items
    std::vector<std::string> prunedList;
    std::map<std::string, size_t> prefixOf;   // key -> length of its prefix
    std::set<std::string> knownWords;         // every word filed
    u32 linkedPlurals = 0;
    u8 nextRank = 128;                        // rank of the items AddNominal makes
    bool nextAfterVerb = false;               // and whether they follow the verb items

    Writer(EnglishDictInput& i, CompileReport& r) : in(i), report(r) {}

    void Prune(const std::string& word, const std::string& lemma, const std::string& why) {
        std::string w;
        for (unsigned char c : word) {
            if (c > 0x20 && c < 0x7F) w += static_cast<char>(c);
            else {
                char b[8];
                std::snprintf(b, sizeof b, "\\x%02X", c);
                w += b;
            }
        }
        prunedList.push_back(w + " (" + lemma + "): " + why);
    }

    u16 PairSection(const std::string& w) {
        const std::string k = w.substr(0, 2);
        auto it = pairIndex.find(k);
        if (it != pairIndex.end()) return static_cast<u16>(1000 + it->second);
        pairIndex[k] = static_cast<u32>(pairs.size());
        pairs.push_back(k);
        return static_cast<u16>(1000 + pairs.size() - 1);
    }

    // Section and key of a word filed by its length.
    bool PlaceWord(const std::string& w, EnglishPlace place, u16& section, std::string& key) {
        switch (place) {
            case EnglishPlace::British: section = kSectionBritish; key = "66" + w; return true;
            case EnglishPlace::American: section = kSectionAmerican; key = "77" + w; return true;
            case EnglishPlace::Hyphen: section = kSectionHyphen; key = "::" + w; return true;
            case EnglishPlace::Medical: {
                const u32 l = static_cast<u8>(w[0]) & 31;
                const u32 range = l < 4 ? 0 : l < 10 ? 1 : l < 16 ? 2 : l <= 18 ? 3 : 4;
                section = static_cast<u16>(2000 + range);
                key = std::string(2, static_cast<char>(kMedicalKeyBytes[range])) + w;
                return true;
            }
            case EnglishPlace::CapitalMedical:
                section = 2005;
                key = std::string(2, static_cast<char>(kCapitalMedicalKey)) + w;
                return true;
            default: break;
        }
        if (w.size() < 2) return false;
        if (w.size() == 2) { section = kSectionShort; key = "111" + w; return true; }
        if (w.size() == 3) { section = kSectionThree; key = "22" + w; return true; }
        if (IsAsciiLetter(static_cast<u8>(w[0])) && IsAsciiLetter(static_cast<u8>(w[1]))) {
            section = PairSection(w);
            key = w;
            return true;
        }
        section = kSectionVerb2;
        key = "55" + w;
        return true;
    }

    bool StemOk(const std::string& key, size_t from, size_t to) {
        for (size_t i = from; i < to; ++i)
            if (!IsStemByte(static_cast<u8>(key[i]))) return false;
        return true;
    }

    u32 AddNominal(u16 section, const std::string& key, size_t stemEnd, u8 code, u8 cls, u32 level,
                   const std::string& lemma, std::vector<std::pair<std::string, u8>> answers) {
        const size_t prefixLength = prefixOf[key];
        EItem it;
        it.section = section;
        it.list = {static_cast<u8>(key[2]), static_cast<u8>(key[3])};
        it.stem = key.substr(4, stemEnd - 4);
        it.head = code;
        it.trailer = cls;
        it.replaces = cls == kClassClosed;
        it.level = level;
        it.lemma = lemma;
        it.rank = nextRank;
        it.afterVerb = nextAfterVerb;
        (void)answers;   // the intended answers are among those the code spells
        const std::string stemKey = key.substr(0, stemEnd);
        for (const auto& [rem, n] : CodeRemainders(code, stemKey)) {
            const std::string k = stemKey + rem;
            if (k.size() < 4 || k.size() < prefixLength + 2 || k.size() > prefixLength + 30) continue;
            if (stemEnd < 4 && k.size() < 4) continue;
            if (std::find(it.keys.begin(), it.keys.end(), k) != it.keys.end()) continue;
            it.keys.push_back(k);
            it.words.push_back(k.substr(prefixLength));
            it.slots.push_back(n);
        }
        items.push_back(it);
        return static_cast<u32>(items.size() - 1);
    }

    // An irregular plural whose first four key characters are its
    // singular's ("child", "children"; not "mouse", "mice", which live in
    // other lists) is linked to it: the singular's entry ends with a
    // one-letter item, the plural's entry follows after a variant mark and
    // ends with a one-letter item too, so that the plural operation
    // rebuilds the plural from the singular. The walk reads the variant's
    // letter item as the plural, with the singular's lemma.
    u32 linkedPairs = 0;
    std::map<const EnglishReading*, u32> linkedPlural;   // plural -> its singular's item
    std::set<std::pair<std::string, std::string>> singulars;   // (word, lemma) read as a singular
    std::set<std::string> irregularNouns;   // lemmas with an irregular plural
    std::map<std::string, u8> nounAdjectives;  // lemma -> 'M' or 'N' of its singular
    bool LinkIrregularPlural(u16 section, u8 cls, const EnglishReading& sg, const std::string& s, const EnglishReading& pl,
                             const std::string& p) {
        if (s.size() < 5 || p.size() < 5 || s.compare(0, 4, p, 0, 4) != 0 || p == s + "s" || p == s + "es") return false;
        const u8 ls = static_cast<u8>(s.back()), lp = static_cast<u8>(p.back());
        if (ls < 'a' || ls > 'z' || lp < 'a' || lp > 'z') return false;
        if (!StemOk(s, 4, s.size()) || !StemOk(p, 4, p.size())) return false;
        const u32 link = 2 * ++linkedPairs - 1;
        const u32 base = AddNominal(section, s, s.size() - 1, static_cast<u8>(ls - 96), cls, sg.level, sg.lemma, {{s, 1}});
        const u32 variant = AddNominal(section, p, p.size() - 1, static_cast<u8>(lp - 96), 'A', pl.level, pl.lemma, {{p, 1}});
        items[base].link = link;
        items[variant].link = link + 1;
        items[variant].variantOf = base;
        linkedPlural[&pl] = base;
        return true;
    }

    // Links each singular of a group left unpaired to an irregular plural
    // of the group (see LinkIrregularPlural); with irregularOnly, never to
    // a regular plural in -ies, which the pairing codes spell.
    void LinkIrregularPlurals(u16 section, u8 groupClass,
                              const std::vector<std::pair<std::string, const EnglishReading*>>& list,
                              std::set<size_t>& done, bool irregularOnly) {
        for (size_t i = 0; i < list.size(); ++i) {
            if (done.count(i) || list[i].second->number != 1) continue;
            nextRank = list[i].second->rank;
            nextAfterVerb = list[i].second->afterVerb;
            for (size_t j = 0; j < list.size(); ++j) {
                if (done.count(j) || list[j].second->number != 2 || linkedPlural.count(list[j].second) != 0) continue;
                if (irregularOnly && RegularPlural(list[i].first, list[j].first)) continue;
                if (!LinkIrregularPlural(section, groupClass, *list[i].second, list[i].first, *list[j].second, list[j].first))
                    continue;
                done.insert(i);   // the plural keeps its own item as well
                ++linkedPlurals;
                break;
            }
        }
    }

    // 1. Verb flags: the noun and adjective readings of base and -s forms.
    void SetVerbFlags(std::vector<EnglishReading>& readings) {
        std::map<std::tuple<std::string, u8, u8>, size_t> find;  // (word, class, number) -> index
        for (size_t i = 0; i < readings.size(); ++i)
            if (readings[i].place == EnglishPlace::Normal)
                find[{readings[i].word, readings[i].classByte, readings[i].number}] = i;
        std::vector<bool> drop(readings.size(), false);
        // A noun with an irregular plural keeps its own item, to which the
        // plural is linked (foot / feet, mouse / mice, man / men).
        for (const EnglishReading& r : readings) {
            if (r.classByte != 'A' || r.number != 2 || r.place != EnglishPlace::Normal) continue;
            if (r.word != r.lemma && !RegularPlural(r.lemma, r.word)) irregularNouns.insert(r.lemma);
        }
        u32 flagged = 0, nounFirstByCounts = 0;
        for (EnglishVerbEntry& v : in.models->verbs) {
            if (v.alternate || v.forms[0].empty() || v.forms[1].empty() || irregularNouns.count(v.forms[0])) continue;
            auto at = [&](const std::string& w, u8 c, u8 n) -> size_t {
                auto it = find.find({w, c, n});
                return it == find.end() || drop[it->second] ? SIZE_MAX : it->second;
            };
            const size_t nounSg = at(v.forms[0], 'A', 1), nounPl = at(v.forms[1], 'A', 2);
            const size_t adj = at(v.forms[0], 'B', 1);
            const size_t mn = at(v.forms[0], 'M', 1) != SIZE_MAX ? at(v.forms[0], 'M', 1) : at(v.forms[0], 'N', 1);
            if (mn != SIZE_MAX && nounPl != SIZE_MAX) {
                v.flags = kFlagNounOrAdjective;
                drop[mn] = drop[nounPl] = true;
            } else if (nounSg != SIZE_MAX && nounPl != SIZE_MAX) {
                const bool tie = readings[nounSg].level == v.level;
                bool nounFirst = readings[nounSg].level < v.level || (tie && in.nounsBeforeVerbs.count(v.lemma) != 0);
                const std::string& base = v.forms[0];
                // The treebank's counts set the order only where the noun
                // is clearly the commoner (half as often again as the verb):
                // a near tie ("work": 111 nouns, 110 verbs) leaves the choice
                // to the words around it.
                if (in.ud != nullptr && UdCounted(*in.ud, base))
                    nounFirst = 2 * UdCount(*in.ud, base, "NOUN") > 3 * (UdCount(*in.ud, base, "VERB") + UdCount(*in.ud, base, "AUX"));
                v.flags = nounFirst ? kFlagNounFirst : kFlagNoun;
                if (tie && nounFirst) ++nounFirstByCounts;
                drop[nounSg] = drop[nounPl] = true;
            } else if (adj != SIZE_MAX) {
                v.flags = readings[adj].level < v.level ? kFlagAdjectiveFirst : kFlagAdjectiveSecond;
                drop[adj] = true;
            } else if (nounPl != SIZE_MAX && nounSg == SIZE_MAX && mn == SIZE_MAX) {
                v.flags = kFlagPluralNoun;
                drop[nounPl] = true;
            }
            if (v.flags != 0) ++flagged;
        }
        std::vector<EnglishReading> kept;
        for (size_t i = 0; i < readings.size(); ++i)
            if (!drop[i]) kept.push_back(readings[i]);
        report.Note("english dictionary: " + std::to_string(flagged) + " verbs carry noun/adjective readings in their flags byte (" +
                    std::to_string(readings.size() - kept.size()) + " readings absorbed; " +
                    std::to_string(nounFirstByCounts) + " noun first by the sense-tagged counts)");
        readings = std::move(kept);
    }

    // A regular plural is spelt by its singular's item only when both sit in
    // one list of one section. Two cases part them: a three-letter singular
    // (section 2) whose plural has four or five letters (a pair section),
    // and a longer singular whose plural starts another list of its pair
    // section (city / cities, woman / women). The lookup reads section 2
    // for four-letter words in -s and five-letter words in -es, and section
    // 5 for every word, so such plurals move to section 2 and such pairs to
    // section 5, where their keys share the four leading characters.
    // An irregular plural is linked to its singular only within one list
    // too: pairs parted by their first letters move to the sections every
    // lookup reads, 5 ("55": two letters shared, die / dice), 4 ("444": one
    // letter, mouse / mice, foot / feet, man / men; and a two-letter
    // singular, ox / oxen, whose key would be too short in 5) or 3
    // ("3333": none).
    // The code that spells a plural in -ies or -es with its singular of
    // the same lemma (accessory / accessories, box / boxes) and where its
    // stem ends in the key; 0 when the singular is no word of the lemma.
    size_t PluralPairCode(const std::string& p, const std::string& lemma, size_t keySize, u8& code) const {
        code = 0;
        if (p.size() < 4) return 0;
        if (p.compare(p.size() - 3, 3, "ies") == 0 && singulars.count({p.substr(0, p.size() - 3) + "y", lemma})) {
            code = 31;
            return keySize - 3;
        }
        const char* kEs = "hosxz";
        const char before = p[p.size() - 3];
        if (p.compare(p.size() - 2, 2, "es") == 0 && std::strchr(kEs, before) != nullptr &&
            singulars.count({p.substr(0, p.size() - 2), lemma})) {
            code = static_cast<u8>(59 + (std::strchr(kEs, before) - kEs));
            return keySize - 3;
        }
        return 0;
    }
    static bool RegularPlural(const std::string& s, const std::string& p) {
        return p == s + "s" || p == s + "es" || (!s.empty() && s.back() == 'y' && p == s.substr(0, s.size() - 1) + "ies");
    }
    static u16 IrregularPairHome(const std::string& s, const std::string& p) {
        if (s.size() >= 4 && p.size() >= 4 && s.compare(0, 4, p, 0, 4) == 0) return 0;   // one list already
        if (s.size() >= 3 && s.compare(0, 2, p, 0, 2) == 0) return kSectionVerb2;
        if (s[0] == p[0]) return kSectionVerb1;
        return kSectionVerb0;
    }
    static std::map<const EnglishReading*, u16> ShortNounHomes(const std::vector<EnglishReading>& readings) {
        // A class-'8' word (the closed-class table's words, "day", "van",
        // "one") is a singular here too: its plural in -s or -es comes to
        // it in section 2 and is read as a plural, while the word itself
        // stays where it is.
        std::map<std::string, std::vector<const EnglishReading*>> byLemma;
        for (const EnglishReading& r : readings)
            if ((r.classByte == 'A' || (r.classByte == kClassClosed && r.number == 1 && r.word == r.lemma)) &&
                r.place == EnglishPlace::Normal && (r.number == 1 || r.number == 2))
                byLemma[r.lemma].push_back(&r);
        auto letters = [](const std::string& w) {
            for (unsigned char c : w)
                if (c < 'a' || c > 'z') return false;
            return true;
        };
        std::map<const EnglishReading*, u16> homes;
        for (const auto& [lemma, list] : byLemma) {
            for (const EnglishReading* sg : list) {
                const std::string& s = sg->word;
                if (sg->number != 1 || s.size() < 2 || !letters(s)) continue;
                for (const EnglishReading* pl : list) {
                    const std::string& p = pl->word;
                    if (pl->number != 2 || pl->classByte != 'A' || homes.count(pl) || p.size() < 3 || !letters(p) ||
                        homes.count(sg))
                        continue;
                    if (sg->classByte != 'A' && (s.size() != 3 || !RegularPlural(s, p))) continue;
                    if (!RegularPlural(s, p)) {
                        const u16 home = IrregularPairHome(s, p);
                        if (home != 0) homes[sg] = homes[pl] = home;
                        continue;
                    }
                    if (s.size() < 3 || p.size() < 4) continue;
                    if (s.size() == 3) {
                        const bool ies = s.back() == 'y' && p == s.substr(0, 2) + "ies";
                        const bool es = p == s + "es" && std::strchr("hosxz", s.back()) != nullptr;
                        if (p == s + "s" || es || ies) homes[pl] = kSectionThree;
                    } else if (s.compare(0, 2, p, 0, 2) == 0 && s.compare(2, 2, p, 2, 2) != 0) {
                        homes[sg] = homes[pl] = kSectionVerb2;
                    }
                }
            }
        }
        // A noun of its own spelt like a rehomed irregular plural ("men",
        // a WordNet noun beside the plural of "man") sits beside that
        // plural, after it: the lookup then reads the plural first.
        std::map<std::string, u16> irregularPlurals;
        for (const auto& [r, home] : homes)
            if (r->number == 2 && r->word != r->lemma && !RegularPlural(r->lemma, r->word)) irregularPlurals[r->word] = home;
        for (const EnglishReading& r : readings) {
            auto it = irregularPlurals.find(r.word);
            if (it != irregularPlurals.end() && r.classByte == 'A' && r.word == r.lemma && r.place == EnglishPlace::Normal)
                homes.emplace(&r, it->second);
        }
        return homes;
    }

    // 2. Items of the nouns, adjectives and other words.
    void PlanNominals(const std::vector<EnglishReading>& readings) {
        // (section, lemma, class) -> readings, to pair singulars and plurals.
        std::map<std::tuple<u16, std::string, u8>, std::vector<std::pair<std::string, const EnglishReading*>>> groups;
        for (const EnglishReading& r : readings) {
            knownWords.insert(r.word);
            if (r.number == 1 || r.number == 3) singulars.insert({r.word, r.lemma});
            if ((r.classByte == 'M' || r.classByte == 'N') && r.number == 1 && r.place == EnglishPlace::Normal)
                nounAdjectives[r.lemma] = r.classByte;
        }
        const std::map<const EnglishReading*, u16> rehomed = ShortNounHomes(readings);
        report.Note("english dictionary: " + std::to_string(rehomed.size()) +
                    " noun readings filed in sections 2 to 5 beside their singular or plural");
        for (const EnglishVerbEntry& v : in.models->verbs)
            for (const std::string& f : v.forms)
                if (!f.empty()) knownWords.insert(f);
        // A noun lemma spelt like the regular plural of another noun of the
        // lists ("things", "ways", "belongings") is read as that plural only:
        // a singular reading beside it would let "there is things" pass.
        // Names of sciences and arts in -ics (physics, ethics) agree in the
        // singular and keep their reading.
        std::set<std::string> regularPlurals;   // a noun's regular plural, given by the lists
        for (const EnglishReading& r : readings)
            if (r.classByte == 'A' && r.number == 2 && r.place == EnglishPlace::Normal && RegularPlural(r.lemma, r.word))
                regularPlurals.insert(r.word);
        u32 pluralLemmas = 0;
        for (const EnglishReading& r : readings) {
            std::string w = r.word;
            if (r.classByte == 'A' && r.number == 1 && r.word == r.lemma && r.place == EnglishPlace::Normal &&
                regularPlurals.count(r.word) != 0 && !EndsWith(r.word, "ics") && !r.singularToo) {
                ++pluralLemmas;
                continue;
            }
            if (w.size() < 2) {
                Prune(w, r.lemma, "one-letter words are fixed by the lookup");
                continue;
            }
            if (w.size() > 30) {
                Prune(w, r.lemma, "longer than 30 bytes");
                continue;
            }
            u16 section = 0;
            std::string key;
            auto moved = rehomed.find(&r);
            if (moved != rehomed.end()) {
                section = moved->second;
                key = kPrefixes[section] + w;
            } else if (!PlaceWord(w, r.place, section, key)) {
                continue;
            }
            // A plural noun goes with its singular when that is a noun and
            // adjective ('M', 'N' read their plural as a noun plural).
            u8 cls = r.classByte;
            if (cls == 'A' && r.number == 2) {
                auto mn = nounAdjectives.find(r.lemma);
                if (mn != nounAdjectives.end()) cls = mn->second;
            }
            groups[{section, r.lemma, cls}].emplace_back(key, &r);
            prefixOf[key] = key.size() - w.size();
        }
        report.Note("english dictionary: " + std::to_string(pluralLemmas) +
                    " noun lemmas read as the plural they are spelt like, without a singular reading");
        for (auto& [g, list] : groups) {
            const u16 section = std::get<0>(g);
            std::set<size_t> done;
            // Singular + regular plural of one noun: one item.
            const u8 groupClass = std::get<2>(g);
            if (groupClass == 'A' || groupClass == 'M' || groupClass == 'N') {
                // A noun with an irregular plural beside its regular one
                // (criterion: criteria, criterions) is linked to the
                // irregular plural first: the regular pairing below would
                // take the singular and leave the irregular plural alone,
                // read as a singular.
                if (irregularNouns.count(std::get<1>(g)) != 0) LinkIrregularPlurals(section, groupClass, list, done, true);
                for (size_t i = 0; i < list.size(); ++i) {
                    if (done.count(i) || list[i].second->number != 1) continue;
                    nextRank = list[i].second->rank;
                    nextAfterVerb = list[i].second->afterVerb;
                    const std::string& s = list[i].first;
                    for (size_t j = 0; j < list.size(); ++j) {
                        if (done.count(j) || list[j].second->number != 2) continue;
                        const std::string& p = list[j].first;
                        // Four key characters are the list's own: code 32
                        // spells the word and its plural in s from there.
                        if (s.size() == 4 && p == s + "s" && s.back() != 's') {
                            AddNominal(section, s, 4, 32, groupClass, std::min(list[i].second->level, list[j].second->level),
                                       list[i].second->lemma, {{s, 1}, {p, 2}});
                            done.insert(i);
                            done.insert(j);
                            break;
                        }
                        if (s.size() < 5 || !StemOk(s, 4, s.size() - 1)) continue;
                        const u8 last = static_cast<u8>(s.back());
                        u8 code = 0;
                        if (last >= 'a' && last <= 'z' && p == s + "s") code = static_cast<u8>(33 + last - 'a');
                        else if (last == 'y' && p == s.substr(0, s.size() - 1) + "ies") code = 31;
                        else if (p == s + "es" && std::strchr("hosxz", last) != nullptr)
                            code = last == 'h' ? 59 : last == 'o' ? 60 : last == 's' ? 61 : last == 'x' ? 62 : 63;
                        if (code == 0) continue;
                        AddNominal(section, s, s.size() - 1, code, groupClass, std::min(list[i].second->level, list[j].second->level),
                                   list[i].second->lemma, {{s, 1}, {p, 2}});
                        done.insert(i);
                        done.insert(j);
                        break;
                    }
                }
                LinkIrregularPlurals(section, groupClass, list, done, false);
            }
            for (size_t i = 0; i < list.size(); ++i) {
                if (done.count(i)) continue;
                const EnglishReading& r = *list[i].second;
                nextRank = r.rank;
                nextAfterVerb = r.afterVerb;
                std::string key = list[i].first;
                if (r.period) {
                    // The form without its period; code 64 says it takes one.
                    if (!StemOk(key, 4, key.size())) {
                        Prune(r.word, r.lemma, "a byte the stems cannot hold");
                        continue;
                    }
                    AddNominal(section, key, key.size(), 64, r.classByte, r.level, r.lemma, {{key, 1}});
                    continue;
                }
                if (!StemOk(key, 4, key.size())) {
                    Prune(r.word, r.lemma, "a byte the stems cannot hold");
                    continue;
                }
                const u8 last = static_cast<u8>(key.back());
                if (r.number == 3 && (last == 's' || last == 'x' || last == 'z')) {
                    AddNominal(section, key, key.size(), 32, r.classByte, r.level, r.lemma, {{key, 3}});
                    continue;
                }
                if (r.number == 1 || r.number == 3)
                    AddNominal(section, key, key.size(), 27, r.classByte, r.level, r.lemma, {{key, 1}});
                if (r.number == 2) {
                    // A plural alone takes the code that spells it with its
                    // singular of the same lemma (adult / adults with code
                    // 32 after the stem, accessory / accessories 31, box /
                    // boxes 59 to 63). Any other plural is read as a
                    // singular (code 27): the one code that gives a plural
                    // for the word itself, 30, also spells the word + "s"
                    // and the word + "es", so that "childrens" and "womens"
                    // would pass. Irregular plurals keep their link to their
                    // singular, which the inflections read.
                    const std::string stem = r.word.substr(0, r.word.size() - 1);
                    u8 pairCode = 0;
                    const size_t pairStem = PluralPairCode(r.word, r.lemma, key.size(), pairCode);
                    // A second, regular plural beside an irregular one
                    // (mouses beside mice) is not offered by the singular.
                    const bool second = irregularNouns.count(r.lemma) != 0;
                    if (pairStem >= 4 && !second)
                        AddNominal(section, key, pairStem, pairCode, r.classByte, r.level, r.lemma, {{key, 2}});
                    else if (!second && key.size() >= 5 && last == 's' && singulars.count({stem, r.lemma}) != 0)
                        AddNominal(section, key, key.size() - 1, 32, r.classByte, r.level, r.lemma, {{key, 2}});
                    else if (linkedPlural.count(&r) == 0)
                        AddNominal(section, key, key.size(), 27, r.classByte, r.level, r.lemma, {{key, 1}});
                    // A linked irregular plural is read from its variant
                    // item, as a plural: an item of its own would add a
                    // singular reading ("these men" read as singular).
                }
            }
        }
        nextRank = 128;
        nextAfterVerb = false;
        SortOwnNounsAfterPlurals();
    }

    // A noun of its own spelt like a linked irregular plural of its section
    // ("men" beside the plural of "man", "teeth" beside "tooth") sorts
    // right after that plural: the walk reads the plural first.
    void SortOwnNounsAfterPlurals() {
        std::map<std::pair<u16, std::string>, u32> plurals;   // (section, key) -> variant item
        for (u32 i = 0; i < items.size(); ++i)
            if (items[i].variantOf != UINT32_MAX && !items[i].keys.empty()) plurals[{items[i].section, items[i].keys[0]}] = i;
        for (EItem& it : items) {
            if (it.verb || it.variantOf != UINT32_MAX || it.link != 0 || it.keys.size() != 1) continue;
            auto p = plurals.find({it.section, it.keys[0]});
            if (p == plurals.end()) continue;
            it.sortWith = items[p->second].variantOf;
            it.link = items[p->second].link + 0x80000000u;
        }
    }

    // 3. Items of the verbs.
    void PlanVerbs() {
        for (const EnglishVerbEntry& v : in.models->verbs) {
            const std::string& s = v.stem;
            u16 section = 0;
            std::string prefix;
            if (s.find(static_cast<char>(kHyphen)) != std::string::npos) {
                // The lookup reads hyphenated words in their section only.
                section = kSectionHyphen;
                prefix = "::";
            } else if (v.region != 0 && s.size() >= 2) {
                section = v.region == 6 ? kSectionBritish : kSectionAmerican;
                prefix = v.region == 6 ? "66" : "77";
            } else if (s.empty()) {
                section = kSectionVerb0;
                prefix = "3333";
            } else if (s.size() == 1) {
                section = kSectionVerb1;
                prefix = "444";
            } else if (s.size() <= 3 || !IsAsciiLetter(static_cast<u8>(s[0])) || !IsAsciiLetter(static_cast<u8>(s[1]))) {
                section = kSectionVerb2;
                prefix = "55";
            } else {
                section = PairSection(s);
            }
            const std::string stemKey = prefix + s;
            if (!StemOk(stemKey, 4, stemKey.size())) {
                Prune(s, v.lemma, "a verb stem byte the stems cannot hold");
                continue;
            }
            EItem it;
            it.section = section;
            const std::string probe = stemKey + "xxxx";
            it.list = {static_cast<u8>(probe[2]), static_cast<u8>(probe[3])};
            it.stem = stemKey.size() > 4 ? stemKey.substr(4) : "";
            it.verb = true;
            it.head = v.ModelByte();
            it.trailer = v.flags;
            it.level = v.level;
            it.lemma = v.lemma;
            for (const auto& [form, slot] : RebuildEnglishVerbForms(*in.models, v)) {
                const std::string key = prefix + form;
                if (key.size() < 4 || key.compare(0, stemKey.size() < 4 ? stemKey.size() : 4, stemKey, 0,
                                                  stemKey.size() < 4 ? stemKey.size() : 4) != 0)
                    continue;
                if (key[2] != it.list.first || key[3] != it.list.second) continue;
                // The first slot whose ending ends the key answers.
                const std::string rest = key.substr(stemKey.size() < 4 ? 4 : stemKey.size());
                int first = -1;
                for (int t = 0; t < kEnglishSlotCount && first < 0; ++t) {
                    const std::string& e = in.models->rows[v.model][t];
                    if (e == "0" || e.empty()) continue;
                    if (rest.empty() ? e == "$" : (e != "$" && e == rest)) first = t;
                }
                if (first != slot) continue;   // an earlier slot spells the same form
                if (std::find(it.keys.begin(), it.keys.end(), key) != it.keys.end()) continue;
                it.keys.push_back(key);
                it.words.push_back(form);
                it.slots.push_back(slot);
            }
            items.push_back(it);
        }
    }

    // A closed-class item replaces what the walk found before it: a short
    // word that other items answer in sections walked after its own goes
    // to section 8, the last one the plain lookup walks for it.
    void ReplacingItemsLast() {
        // Plain-path order of the reserved sections.
        const int order[11] = {0, 1, 2, 3, 4, 5, 9, 6, 8, 7, 10};
        std::map<std::string, int> latest;   // word -> latest rank of a non-replacing item
        for (const EItem& it : items) {
            if (it.replaces || it.section > 10) continue;
            for (const std::string& w : it.words) latest[w] = std::max(latest[w], order[it.section]);
        }
        u32 moved = 0;
        for (EItem& it : items) {
            if (!it.replaces || (it.section != kSectionShort && it.section != kSectionThree)) continue;
            const std::string& w = it.words[0];
            auto l = latest.find(w);
            if (l == latest.end() || l->second <= order[it.section]) continue;
            const std::string key = "88" + w;
            it.section = 8;
            it.list = {static_cast<u8>(key[2]), static_cast<u8>(key[3])};
            it.stem = key.substr(4);
            it.keys = {key};
            it.words = {w};
            ++moved;
        }
        report.Note("english dictionary: " + std::to_string(moved) + " closed-class words filed in section 8 to be read last");
    }

    // 4. Sections: pairs within the limit, sizes within 65,535 bytes.
    void NumberSections() {
        // Bytes per provisional pair, to move the smallest pairs to section 5.
        std::map<u16, u32> bytes;
        for (const EItem& it : items) bytes[it.section] += static_cast<u32>(it.stem.size() + 4);
        const u32 maxPairs = kEnglishSectionLimit - 11 - 7;
        std::vector<std::pair<u32, u32>> bySize;   // (bytes, pair)
        for (u32 p = 0; p < pairs.size(); ++p) bySize.emplace_back(bytes[static_cast<u16>(1000 + p)], p);
        std::sort(bySize.begin(), bySize.end());
        std::set<u32> moved;
        for (size_t i = 0; pairs.size() - moved.size() > maxPairs && i < bySize.size(); ++i) moved.insert(bySize[i].second);
        if (!moved.empty())
            report.Note("english dictionary: " + std::to_string(moved.size()) + " rare letter pairs filed in section 5");
        for (EItem& it : items) {
            if (it.section < 1000 || it.section >= 2000) continue;
            const u32 p = it.section - 1000u;
            if (!moved.count(p)) continue;
            // Re-key the item under "55" + word.
            it.section = kSectionVerb2;
            std::string stemKey = pairs[p] + std::string(1, static_cast<char>(it.list.first)) +
                                  std::string(1, static_cast<char>(it.list.second)) + it.stem;
            stemKey = "55" + stemKey;
            it.list = {static_cast<u8>(stemKey[2]), static_cast<u8>(stemKey[3])};
            it.stem = stemKey.substr(4);
            for (std::string& k : it.keys) k = "55" + k;
        }
        std::vector<std::string> kept;
        for (u32 p = 0; p < pairs.size(); ++p)
            if (!moved.count(p)) kept.push_back(pairs[p]);
        std::sort(kept.begin(), kept.end());
        sectionKeys.assign(kReservedKeys, kReservedKeys + 11);
        std::map<u32, u16> provisional;
        for (const std::string& k : kept) {
            pairSection[k] = static_cast<u16>(sectionKeys.size());
            sectionKeys.push_back(k);
        }
        medicalFirst = static_cast<u16>(sectionKeys.size());
        for (u8 b : kMedicalKeyBytes) sectionKeys.push_back(std::string(2, static_cast<char>(b)));
        sectionKeys.push_back(std::string(2, static_cast<char>(kCapitalMedicalKey)));
        sectionKeys.push_back(std::string(2, static_cast<char>(kSentinelKey)));
        for (EItem& it : items) {
            if (it.section >= 2000) it.section = static_cast<u16>(medicalFirst + it.section - 2000);
            else if (it.section >= 1000) it.section = pairSection[pairs[it.section - 1000u]];
        }
    }

    // A pruned item, or the variant of one (its reading would refer to
    // whatever entry came before its mark).
    bool Dropped(const EItem& it) const {
        return it.pruned || (it.variantOf != UINT32_MAX && items[it.variantOf].pruned);
    }

    // Entries of one section, keyed by list, in list order.
    std::map<std::pair<u8, u8>, std::vector<u32>> Lists(u16 s) const {
        std::map<std::pair<u8, u8>, std::vector<u32>> lists;
        for (u32 i = 0; i < items.size(); ++i)
            if (items[i].section == s && !Dropped(items[i])) lists[items[i].list].push_back(i);
        for (auto& [k, ids] : lists)
            std::stable_sort(ids.begin(), ids.end(), [&](u32 a, u32 b) {
                const EItem& x = items[a];
                const EItem& y = items[b];
                if (x.replaces != y.replaces) return y.replaces;
                auto base = [&](const EItem& e) -> const EItem& {
                    if (e.variantOf != UINT32_MAX) return items[e.variantOf];
                    return e.sortWith != UINT32_MAX ? items[e.sortWith] : e;
                };
                const EItem& bx = base(x);
                const EItem& by = base(y);
                // Nominal items, the verb items, then the nominal items
                // read after the verb.
                const int ox = bx.verb ? 1 : bx.afterVerb ? 2 : 0;
                const int oy = by.verb ? 1 : by.afterVerb ? 2 : 0;
                return std::tie(bx.stem, ox, bx.head, bx.rank, bx.trailer, x.link) <
                       std::tie(by.stem, oy, by.head, by.rank, by.trailer, y.link);
            });
        return lists;
    }

    static std::vector<u8> Encode(const EItem& it) {
        DictEntry e;
        e.stem = it.stem;
        e.group = it.verb;
        e.variant = it.variantOf != UINT32_MAX;
        e.items.push_back({it.head, it.trailer});
        return EncodeEntry(e);
    }

    u32 SectionBytes(u16 s) const {
        std::set<u8> thirds;
        u32 n = 0, lists = 0;
        for (const auto& [k, ids] : Lists(s)) {
            thirds.insert(k.first);
            ++lists;
            for (u32 id : ids) n += static_cast<u32>(Encode(items[id]).size());
        }
        return n + 3 * lists + 3 * static_cast<u32>(thirds.size());
    }

    void EnforceSizes() {
        for (u16 s = 1; s < sectionKeys.size(); ++s) {
            if (SectionBytes(s) <= kMaxSectionBytes) continue;
            std::vector<u32> ids;
            for (u32 i = 0; i < items.size(); ++i)
                if (items[i].section == s && !items[i].pruned) ids.push_back(i);
            std::stable_sort(ids.begin(), ids.end(), [&](u32 a, u32 b) { return items[a].level > items[b].level; });
            u32 size = SectionBytes(s);
            for (u32 id : ids) {
                if (size <= kMaxSectionBytes - 4096) break;
                items[id].pruned = true;
                size -= static_cast<u32>(Encode(items[id]).size());
                for (const std::string& k : items[id].keys) Prune(k, items[id].lemma, "section over 65,535 bytes: least common words dropped");
            }
        }
    }

    void Layout() {
        std::vector<u8>& body = out.body;
        body.assign(kDummySectionBytes, 0);
        body[2] = 3;
        body[5] = 6;
        out.sections.clear();
        out.sections.push_back({kReservedKeys[0], kDummySectionBytes, 1, 0});
        for (u16 s = 1; s < sectionKeys.size(); ++s) {
            std::map<std::pair<u8, u8>, std::vector<u8>> lists;
            std::map<std::pair<u8, u8>, std::vector<std::pair<u32, u32>>> rel;   // item, offset in list
            u32 entries = 0;
            for (const auto& [k, ids] : Lists(s)) {
                std::vector<u8>& bytes = lists[k];
                for (u32 id : ids) {
                    const std::vector<u8> enc = Encode(items[id]);
                    rel[k].emplace_back(id, static_cast<u32>(bytes.size() + enc.size() - 2));
                    bytes.insert(bytes.end(), enc.begin(), enc.end());
                    ++entries;
                }
            }
            const bool sentinel = s + 1u == sectionKeys.size();
            if (sentinel) lists[{0, 0}] = {0, 0};   // 8 bytes that no key reaches
            const u32 start = static_cast<u32>(body.size());
            std::vector<u32> offsets;
            std::vector<u8> bytes = LayoutSection(lists, start, sentinel ? 0 : kFirstLemmaOffset, &offsets);
            u32 li = 0;
            for (const auto& [k, list] : lists) {
                for (const auto& [id, off] : rel[k]) items[id].offset = start + offsets[li] + off;
                ++li;
            }
            std::set<u8> thirds;
            for (const auto& kv : lists) thirds.insert(kv.first.first);
            out.sections.push_back({sectionKeys[s], static_cast<u32>(bytes.size()), static_cast<u32>(thirds.size()), entries});
            body.insert(body.end(), bytes.begin(), bytes.end());
        }
        body.insert(body.end(), kBodyTrailerBytes, 0);
        const u32 n = static_cast<u32>(sectionKeys.size());
        out.prefixIndex.clear();
        PutU16(out.prefixIndex, n);
        u32 offset = 0;
        for (u32 s = 0; s < n; ++s) {
            out.prefixIndex.push_back(static_cast<u8>(sectionKeys[s][0]));
            out.prefixIndex.push_back(static_cast<u8>(sectionKeys[s][1]));
            PutU16(out.prefixIndex, offset >> 16);
            PutU16(out.prefixIndex, offset & 0xFFFF);
            PutU16(out.prefixIndex, out.sections[s].bytes);
            PutU16(out.prefixIndex, s);
            offset += out.sections[s].bytes;
        }
        std::vector<u16> m(52 * 52, 0);
        for (const auto& [k, s] : pairSection)
            m[LetterIndex(static_cast<u8>(k[0])) * 52 + LetterIndex(static_cast<u8>(k[1]))] = s;
        out.matrix.clear();
        for (u16 v : m) PutU16(out.matrix, v);
        for (const EItem& it : items)
            if (!Dropped(it))
                for (const std::string& k : it.keys) byKey[{it.section, k}].push_back(static_cast<u32>(&it - items.data()));
    }

    // ---- The lookup as the library performs it ----
    struct Acc {
        Analysis slots[20];
        u16 count = 0;
        i16 answer = 0;
        void Set(u16 i, const Analysis& a) { slots[i < 20 ? i : 19] = a; }
        std::vector<Analysis> Result() const {
            std::vector<Analysis> v;
            for (u16 i = 0; i < count && i < 20; ++i) {
                Analysis a = slots[i];
                if (i >= 8) a.ref = 0;   // references beyond the eighth are not kept apart
                v.push_back(a);
            }
            return v;
        }
    };
    u32 beRef = 0;

    void Apply(Acc& acc, const EnglishItemResult& r, u32 ref) const {
        if (r.fromStart) acc.count = 0;
        for (u8 i = 0; i < r.n; ++i) {
            const EnglishWrite& e = r.writes[i];
            const Analysis a{e.tag, e.byte, e.beRef ? beRef : ref};
            if (e.index == kEnglishAppend) {
                acc.Set(acc.count, a);
                if (!e.keepCount) ++acc.count;
            } else {
                acc.Set(e.index, a);
            }
        }
        if (r.setCount >= 0) acc.count = static_cast<u16>(r.setCount);
    }

    static KeyText View(const std::string& k) {
        KeyText t;
        t.bytes = reinterpret_cast<const u8*>(k.data());
        t.length = static_cast<u32>(k.size());
        return t;
    }

    void Walk(u16 section, const std::string& key, Acc& acc) const {
        auto it = byKey.find({section, key});
        if (it == byKey.end()) return;
        std::vector<u32> ids = it->second;
        std::sort(ids.begin(), ids.end(), [&](u32 a, u32 b) { return items[a].offset < items[b].offset; });
        for (u32 id : ids) {
            const EItem& item = items[id];
            const size_t k = static_cast<size_t>(std::find(item.keys.begin(), item.keys.end(), key) - item.keys.begin());
            EnglishItemResult r;
            if (item.verb) {
                ReadEnglishVerbSlot(View(key), item.head & 0x7F, item.trailer, item.slots[k], 0, r);
                acc.answer = static_cast<i16>((item.head & 0x80 ? 1 : 0) + 1);
            } else {
                const u8 variant = item.variantOf != UINT32_MAX ? 129 : hasVariant.count(id) != 0 ? 128 : 0;
                ReadEnglishClassByte(View(key), item.trailer, item.head, item.head == 64 ? 1 : item.slots[k],
                                     item.head == 64, variant, r);
                acc.answer = static_cast<i16>(r.kind + 1);
            }
            Apply(acc, r, item.variantOf == UINT32_MAX ? item.offset : items[item.variantOf].offset);
        }
    }

    std::vector<Analysis> Simulate(const std::string& w, u8 caseMode) const {
        Acc acc;
        const size_t L = w.size();
        auto walk = [&](u16 s, const char* prefix) { Walk(s, prefix + w, acc); };
        if (L <= 3) walk(1, "111");
        if (L == 3 || L == 4) walk(2, "22");
        walk(3, "3333");
        walk(4, "444");
        walk(5, "55");
        walk(7, "77");
        if (L == 5 && w[3] == 'e' && w[4] == 's') walk(2, "22");
        walk(9, "99");
        walk(8, "88");
        if (L >= 4) {
            walk(6, "66");
            auto it = pairSection.find(w.substr(0, 2));
            if (it != pairSection.end()) Walk(it->second, w, acc);
        }
        if (acc.count == 0) {
            const u32 l = static_cast<u8>(w[0]) & 31;
            const u32 range = l < 4 ? 0 : l < 10 ? 1 : l < 16 ? 2 : l <= 18 ? 3 : 4;
            Walk(static_cast<u16>(medicalFirst + range), std::string(2, static_cast<char>(kMedicalKeyBytes[range])) + w, acc);
            if (acc.count == 0 && caseMode >= 1) {
                Walk(static_cast<u16>(medicalFirst + 5), std::string(2, static_cast<char>(kCapitalMedicalKey)) + w, acc);
                if (acc.count != 0) acc.slots[0].tag = 0x4004;
            }
        }
        if (w.find(static_cast<char>(kHyphen)) != std::string::npos) walk(10, "::");
        return acc.Result();
    }

    std::set<u32> hasVariant;   // items a variant follows

    void BuildManifest() {
        for (const EItem& it : items)
            if (it.variantOf != UINT32_MAX && !Dropped(it)) hasVariant.insert(it.variantOf);
        // The lemma reference the "are" reading takes: that of "be".
        {
            for (const Analysis& a : Simulate("be", 0))
                if (a.tag >= 0x8000) {
                    beRef = a.ref;
                    break;
                }
        }
        std::map<std::pair<std::string, u8>, std::string> forms;
        for (const EItem& it : items) {
            if (Dropped(it)) continue;
            const u8 caseMode = it.section == medicalFirst + 5 ? 1 : 0;
            for (const std::string& w : it.words) forms.emplace(std::make_pair(w, caseMode), it.lemma);
        }
        for (const auto& [wc, lemma] : forms) {
            const auto& [w, cm] = wc;
            if (w.size() < 2 || w == "up" || w == "co" || w == "m.") continue;
            ManifestEntry me;
            me.word = w;
            me.caseMode = cm;
            me.lemma = lemma;
            me.analyses = Simulate(w, cm);
            if (!me.analyses.empty()) out.manifest.push_back(std::move(me));
        }
    }

    void Run() {
        SetVerbFlags(in.readings);
        PlanNominals(in.readings);
        report.Note("english dictionary: " + std::to_string(linkedPlurals) +
                    " irregular plurals linked to their singular as variants");
        PlanVerbs();
        ReplacingItemsLast();
        NumberSections();
        EnforceSizes();
        Layout();
        BuildManifest();
        std::sort(prunedList.begin(), prunedList.end());
        out.pruned = prunedList;
        out.formsEncoded = static_cast<u32>(out.manifest.size());
        report.Note("english dictionary: " + std::to_string(sectionKeys.size()) + " sections (" +
                    std::to_string(pairSection.size()) + " two-letter), body " + std::to_string(out.body.size()) +
                    " bytes, " + std::to_string(items.size()) + " items, " + std::to_string(out.manifest.size()) +
                    " forms in the manifest");
        std::map<std::string, u32> reasons;
        for (const std::string& p : prunedList) reasons[p.substr(p.find("): ") + 3)] += 1;
        for (const auto& [why, n] : reasons) report.Note("english dictionary: pruned " + std::to_string(n) + ": " + why);
        std::string sizes = "english dictionary: reserved and symbol sections (bytes):";
        for (u32 s = 1; s < out.sections.size(); ++s)
            if (s <= 10 || s >= medicalFirst) sizes += " " + std::to_string(s) + "=" + std::to_string(out.sections[s].bytes);
        report.Note(sizes);
        u32 biggest = 0;
        for (const SectionStat& st : out.sections) biggest = std::max(biggest, st.bytes);
        report.Note("english dictionary: largest section " + std::to_string(biggest) + " bytes");
    }
};

}  // namespace

std::set<std::string> NounsCommonerThanVerbs(const WordNetData& wordnet) {
    std::set<std::string> walkOrdered;
    ForEachEnglishVerbWordWithReadings(
        [](const char* w, u32 n, void* ctx) { static_cast<std::set<std::string>*>(ctx)->insert(std::string(w, n)); },
        &walkOrdered);
    std::set<std::string> out;
    for (const auto& [lemma, l] : wordnet.lemmas)
        if (l.tagged[kWnNoun] > 2 * l.tagged[kWnVerb] && walkOrdered.count(lemma) == 0) out.insert(lemma);
    return out;
}

DictBlocks WriteEnglishDictionary(EnglishDictInput& input, CompileReport& report) {
    Writer w(input, report);
    w.Run();
    return std::move(w.out);
}

// ---- Check with the library ---------------------------------------------------------------------

std::string CheckEnglishEntry(const ManifestEntry& entry) {
    u8 store[64] = {};
    const size_t n = std::min<size_t>(entry.word.size(), 40);
    std::memcpy(store, entry.word.data(), n);
    BoundedString word;
    word.View(store, 48);
    const u16 savedCase = gCaseMode;
    gCaseMode = entry.caseMode;
    gActiveVariantA = 0;
    gActiveVariantB = 0;
    gActiveMedical = 1;
    u16 count = 0;
    LookupWordForm(kModeEnglishPlain, word, gWordTagCodes, count);
    gCaseMode = savedCase;
    std::string diff;
    if (count != entry.analyses.size()) diff = "count " + std::to_string(count) + " expected " + std::to_string(entry.analyses.size());
    for (size_t i = 0; i < entry.analyses.size() && i < count && diff.empty(); ++i) {
        const Analysis& a = entry.analyses[i];
        const u16 tag = gWordTagCodes[static_cast<i32>(i)];
        const u8 byte = gWordAnalysisBytes[static_cast<i32>(i)];
        const u32 ref = i < 8 ? gWordLemmaRefs[static_cast<i32>(i)] : 0;
        if (tag != a.tag || byte != a.byte || (i < 8 && ref != a.ref)) {
            char b[160];
            std::snprintf(b, sizeof b, "analysis %zu: %04X:%u:%u expected %04X:%u:%u", i, tag, byte, ref, a.tag, a.byte, a.ref);
            diff = b;
        }
    }
    if (diff.empty()) return "";
    std::string w;
    for (unsigned char c : entry.word) {
        if (c > 0x20 && c < 0x7F) w += static_cast<char>(c);
        else {
            char b[8];
            std::snprintf(b, sizeof b, "\\x%02X", c);
            w += b;
        }
    }
    return w + ": " + diff;
}

EnglishCheckResult CheckEnglishManifest(const std::vector<ManifestEntry>& manifest) {
    EnglishCheckResult r;
    for (const ManifestEntry& e : manifest) {
        ++r.checked;
        std::string d = CheckEnglishEntry(e);
        if (!d.empty()) {
            ++r.failed;
            r.examples.push_back(d);
        }
    }
    return r;
}
