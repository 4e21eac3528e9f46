// English source readers and their merge (see english_sources.h for the tag
// set).
//
// What the sources look like:
// * SCOWL (Debian scowl): one word a line, files "<spelling>-<kind>.<size>".
//   The sizes are cumulative levels of commonness (10 most common … 95
//   rarest); a word sits in the smallest size that holds it. "english" lists
//   hold the words common to every spelling; "american", "british",
//   "british_z" (British with -ize), "canadian", "australian" the words of
//   one spelling ("colour" is british, british_z, canadian and australian;
//   "color" american); the variant lists hold accepted second spellings.
//   Kinds: words, upper (capitalised dictionary words), proper-names,
//   abbreviations (without their period: "Mr", "etc"), contractions. The
//   lists give no lemma and no part of speech; possessives ("abetter's")
//   are listed as words.
// * WordNet 3.0 (Debian wordnet-base): index.<pos> lists lemmas (lower case,
//   '_' between the words of a collocation) with their sense counts;
//   <pos>.exc maps irregular forms to lemmas ("went go", "children child",
//   "better good well"); data.<pos> holds the synsets with their pointers,
//   among them the topic-domain link ";c" (a disease's synset points at
//   "pathology", a drug's at "pharmacology"). The topics of medicine are the
//   synsets under "medical science" (pathology, surgery, pharmacology,
//   psychiatry, dentistry …) and anatomy. No function words.
// * wink-lexicon (npm, MIT): lexicon.js, 13,462 frequent lower-case words
//   with their Penn tags, most frequent first ("the": DT VBD VBP IN …, the
//   later ones being tagger noise); covers the function words.
// * english-verbs-irregular (npm, Apache-2.0): verbs.json, lemma → list of
//   [past, past participle] ("be": [["was","been"],["were","been"]];
//   "dream": [["dreamed","dreamed"],["dreamt","dreamt"]]).
#include "tools/datacomp/english_sources.h"
#include "tools/datacomp/source_text.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace {


// Calls `fn(line)` for every line of `text` (without "\r\n").
template <typename Fn>
void ForEachLine(const std::string& text, Fn fn) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::size_t stop = end;
        if (stop > start && text[stop - 1] == '\r') --stop;
        fn(std::string_view(text).substr(start, stop - start));
        start = end + 1;
    }
}

std::vector<std::string_view> SplitSpaces(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && line[i] == ' ') ++i;
        std::size_t j = i;
        while (j < line.size() && line[j] != ' ') ++j;
        if (j > i) out.push_back(line.substr(i, j - i));
        i = j;
    }
    return out;
}

bool HasUpper(std::string_view s) {
    return std::any_of(s.begin(), s.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}
bool HasLower(std::string_view s) {
    return std::any_of(s.begin(), s.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}
std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    return out;
}
bool IsVowel(char c) { return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u'; }

void AddUnique(std::vector<std::string>& list, const std::string& value) {
    if (std::find(list.begin(), list.end(), value) == list.end()) list.push_back(value);
}

// ------------------------------------------------------------ SCOWL

struct SpellingName {
    const char* name;
    u32 bit;
    const char* tag;  // is: value
};
constexpr SpellingName kSpellings[] = {
    {"english", kSpellEnglish, ""},
    {"american", kSpellUs, "region:us"},
    {"british", kSpellGb, "region:gb"},
    {"british_z", kSpellGbz, "region:gbz"},
    {"canadian", kSpellCa, "region:ca"},
    {"australian", kSpellAu, "region:au"},
    {"variant_1", kSpellVariant1, "variant:1"},
    {"variant_2", kSpellVariant2, "variant:2"},
    {"variant_3", kSpellVariant3, "variant:3"},
    {"british_variant_1", kSpellGbVariant1, "variant:gb1"},
    {"british_variant_2", kSpellGbVariant2, "variant:gb2"},
    {"canadian_variant_1", kSpellCaVariant1, "variant:ca1"},
    {"canadian_variant_2", kSpellCaVariant2, "variant:ca2"},
    {"australian_variant_1", kSpellAuVariant1, "variant:au1"},
    {"australian_variant_2", kSpellAuVariant2, "variant:au2"},
};

constexpr u32 kCommonwealth = kSpellGb | kSpellGbz | kSpellCa | kSpellAu;
constexpr u32 kBritish = kSpellGb | kSpellGbz;

// Spelling pairs (Commonwealth side, American side) tried for counterparts.
constexpr std::pair<const char*, const char*> kSpellingPairs[] = {
    {"our", "or"},  {"re", "er"},   {"ise", "ize"}, {"isi", "izi"}, {"isa", "iza"},
    {"yse", "yze"}, {"ysi", "yzi"}, {"ll", "l"},    {"ence", "ense"}, {"ogue", "og"},
    {"ae", "e"},    {"oe", "e"},    {"mme", "m"},   {"yre", "ire"}, {"ey", "ay"},
    {"que", "ck"},  {"ould", "old"}, {"ough", "ow"},
};

}  // namespace

bool ParseScowlListName(const std::string& fileName, ScowlListName& out) {
    std::size_t dot = fileName.rfind('.');
    std::size_t dash = fileName.find('-');
    if (dot == std::string::npos || dash == std::string::npos || dash > dot) return false;
    std::string spelling = fileName.substr(0, dash);
    std::string kind = fileName.substr(dash + 1, dot - dash - 1);
    std::string size = fileName.substr(dot + 1);
    if (size.empty() || size.size() > 2 ||
        !std::all_of(size.begin(), size.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    out.spelling = 0;
    for (const SpellingName& s : kSpellings)
        if (spelling == s.name) out.spelling = s.bit;
    if (out.spelling == 0) return false;
    if (kind == "words") out.kind = ScowlKind::Words;
    else if (kind == "upper") out.kind = ScowlKind::Upper;
    else if (kind == "proper-names") out.kind = ScowlKind::ProperNames;
    else if (kind == "abbreviations") out.kind = ScowlKind::Abbreviations;
    else if (kind == "contractions") out.kind = ScowlKind::Contractions;
    else return false;
    out.level = std::stoi(size);
    return true;
}

void AddScowlList(const ScowlListName& name, const std::string& text, ScowlWords& out) {
    ++out.files;
    ForEachLine(text, [&](std::string_view line) {
        while (!line.empty() && line.back() == ' ') line.remove_suffix(1);
        if (line.empty()) return;
        ++out.lines;
        if (name.kind != ScowlKind::Contractions && EndsWith(line, "'s")) {
            ++out.possessivesSkipped;
            if (name.kind == ScowlKind::Words) out.possessed.emplace(line.substr(0, line.size() - 2));
            return;
        }
        auto [it, added] = out.words.try_emplace(std::string(line));
        ScowlWord& w = it->second;
        if (added || name.level < w.level) w.level = name.level;
        w.spellings |= name.spelling;
        w.kinds = static_cast<u8>(w.kinds | (1u << static_cast<unsigned>(name.kind)));
    });
}

void AddScowlPossessives(const ScowlListName& name, const std::string& text, ScowlWords& out) {
    if (name.kind != ScowlKind::Words) return;
    ForEachLine(text, [&](std::string_view line) {
        while (!line.empty() && line.back() == ' ') line.remove_suffix(1);
        if (EndsWith(line, "'s")) out.possessed.emplace(line.substr(0, line.size() - 2));
    });
}

bool ReadScowlDir(const std::string& dir, int maxLevel, ScowlWords& out, std::string& error, int nameMaxLevel) {
    namespace fs = std::filesystem;
    std::error_code ec;
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir, ec))
        names.push_back(entry.path().filename().string());
    if (ec) {
        error = "cannot list " + dir + ": " + ec.message();
        return false;
    }
    std::sort(names.begin(), names.end());
    for (const std::string& n : names) {
        ScowlListName parsed;
        if (!ParseScowlListName(n, parsed)) continue;
        const bool nameList = parsed.kind == ScowlKind::Upper || parsed.kind == ScowlKind::ProperNames;
        const bool above = parsed.level > (nameList ? std::max(maxLevel, nameMaxLevel) : maxLevel);
        if (above && parsed.kind != ScowlKind::Words) continue;
        std::string text;
        if (!ReadWholeFile(dir + "/" + n, text)) {
            error = "cannot read " + dir + "/" + n;
            return false;
        }
        if (above) AddScowlPossessives(parsed, text, out);
        else AddScowlList(parsed, text, out);
    }
    if (out.files == 0) {
        error = "no SCOWL list in " + dir;
        return false;
    }
    return true;
}

int RegionalSection(const ScowlWord& w) {
    if (w.spellings & kSpellEnglish) return 0;
    bool us = (w.spellings & kSpellUs) != 0;
    if (us && !(w.spellings & kBritish)) return 7;
    if (!us && (w.spellings & kCommonwealth)) return 6;
    return 0;
}

std::string RegionalCounterpart(const std::string& form, const ScowlWords& scowl) {
    auto self = scowl.words.find(form);
    if (self == scowl.words.end()) return "";
    int section = RegionalSection(self->second);
    if (section == 0) return "";
    for (const auto& [gb, us] : kSpellingPairs) {
        std::string_view from = section == 6 ? gb : us;
        std::string_view to = section == 6 ? us : gb;
        for (std::size_t pos = form.find(from); pos != std::string::npos;
             pos = form.find(from, pos + 1)) {
            std::string candidate = form.substr(0, pos) + std::string(to) +
                                    form.substr(pos + from.size());
            auto it = scowl.words.find(candidate);
            if (it == scowl.words.end()) continue;
            int other = RegionalSection(it->second);
            if (other != section && (it->second.kinds & 1u) != 0) return candidate;
        }
    }
    return "";
}

namespace {

std::string LevelTag(int level) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "level:%02d", level);
    return buf;
}

// SCOWL fields of `form` (level, spellings, section, counterpart) added to f.
void AddScowlFields(const std::string& form, const ScowlWord& w, const ScowlWords& scowl,
                    SourceForm& f) {
    AddUnique(f.is, LevelTag(w.level));
    for (const SpellingName& s : kSpellings)
        if ((w.spellings & s.bit) && s.tag[0] != '\0') AddUnique(f.is, s.tag);
    int section = RegionalSection(w);
    if (section != 0) {
        AddUnique(f.is, section == 6 ? "section:6" : "section:7");
        std::string other = RegionalCounterpart(form, scowl);
        if (!other.empty()) AddUnique(f.other, "counterpart:" + other);
    }
    AddUnique(f.other, "src:scowl");
}

bool IsAllCaps(std::string_view s) { return HasUpper(s) && !HasLower(s); }

// The po a SCOWL list kind gives on its own, with its is: additions.
std::string ScowlKindPo(const std::string& form, const ScowlWord& w,
                        std::vector<std::string>& is) {
    auto has = [&](ScowlKind k) { return (w.kinds >> static_cast<unsigned>(k)) & 1u; };
    if (has(ScowlKind::Contractions)) return "contraction";
    if (has(ScowlKind::Abbreviations)) {
        if (IsAllCaps(form)) return "acronym";
        is.push_back("period");
        return "abbrev";
    }
    if (has(ScowlKind::Upper) || has(ScowlKind::ProperNames) || HasUpper(form))
        return IsAllCaps(form) && form.size() > 1 ? "acronym" : "proper";
    return "unknown";
}

}  // namespace

std::vector<SourceForm> ScowlSourceForms(const ScowlWords& scowl) {
    std::vector<std::string> keys;
    keys.reserve(scowl.words.size());
    for (const auto& [k, v] : scowl.words) keys.push_back(k);
    std::sort(keys.begin(), keys.end());
    std::vector<SourceForm> out;
    out.reserve(keys.size());
    for (const std::string& k : keys) {
        const ScowlWord& w = scowl.words.at(k);
        SourceForm f;
        f.form = k;
        f.lemma = k;
        f.po.push_back(ScowlKindPo(k, w, f.is));
        AddScowlFields(k, w, scowl, f);
        out.push_back(std::move(f));
    }
    return out;
}

// ------------------------------------------------------------ WordNet

namespace {

const char* const kWnPoNames[4] = {"noun", "verb", "adj", "adv"};
const char* const kWnFileNames[4] = {"noun", "verb", "adj", "adv"};

// "(p)", "(a)", "(ip)" after an adjective in data.adj.
std::string_view StripAdjectiveMarker(std::string_view word) {
    std::size_t paren = word.find('(');
    return paren == std::string_view::npos ? word : word.substr(0, paren);
}

struct Synset {
    std::vector<std::string_view> words;
    std::vector<std::string_view> hypernyms;  // noun offsets ("@", "@i")
    std::vector<std::string_view> topics;     // noun offsets (";c")
};

// Reads the synset line's words and the pointers we use. False for header
// lines and lines that do not parse.
bool ParseSynsetLine(std::string_view line, std::string_view& offset, Synset& s) {
    if (line.empty() || line[0] == ' ') return false;
    std::vector<std::string_view> f = SplitSpaces(line);
    if (f.size() < 4) return false;
    offset = f[0];
    std::size_t words = std::strtoul(std::string(f[3]).c_str(), nullptr, 16);
    std::size_t i = 4;
    s = Synset{};
    for (std::size_t w = 0; w < words && i + 1 < f.size(); ++w, i += 2) s.words.push_back(f[i]);
    if (i >= f.size()) return false;
    std::size_t pointers = std::strtoul(std::string(f[i]).c_str(), nullptr, 10);
    ++i;
    for (std::size_t p = 0; p < pointers && i + 3 < f.size(); ++p, i += 4) {
        std::string_view sym = f[i];
        if (f[i + 2] != "n") continue;
        if (sym == "@" || sym == "@i") s.hypernyms.push_back(f[i + 1]);
        else if (sym == ";c") s.topics.push_back(f[i + 1]);
    }
    return true;
}

// Nouns below these synsets (named by a word only they hold) are medical
// vocabulary whatever their domain links: diseases, symptoms, operations,
// drugs, anatomy, body fluids, germs.
constexpr const char* kMedicalConcepts[] = {
    "symptom", "pathological_state", "medical_procedure", "medicinal_drug",
    "body_part", "body_substance", "microorganism",
};

// The synsets at or below `roots` through the hyponym links.
std::unordered_set<std::string_view> Below(
    const std::vector<std::string_view>& roots,
    const std::unordered_map<std::string_view, std::vector<std::string_view>>& children) {
    std::unordered_set<std::string_view> seen(roots.begin(), roots.end());
    std::vector<std::string_view> stack(roots.begin(), roots.end());
    while (!stack.empty()) {
        std::string_view t = stack.back();
        stack.pop_back();
        auto it = children.find(t);
        if (it == children.end()) continue;
        for (std::string_view c : it->second)
            if (seen.insert(c).second) stack.push_back(c);
    }
    return seen;
}

}  // namespace

void ReadWordNetIndexText(const std::string& text, WordNetPos pos, WordNetData& out) {
    ForEachLine(text, [&](std::string_view line) {
        if (line.empty() || line[0] == ' ') return;
        std::vector<std::string_view> f = SplitSpaces(line);
        if (f.size() < 4) return;
        if (f[0].find('_') != std::string_view::npos) {
            ++out.multiWordSkipped;
            return;
        }
        unsigned long senses = std::strtoul(std::string(f[2]).c_str(), nullptr, 10);
        WordNetLemma& l = out.lemmas[std::string(f[0])];
        l.senses[pos] = static_cast<u16>(std::min<unsigned long>(senses, 0xFFFF));
    });
}

void ReadWordNetTagCountText(const std::string& text, WordNetData& out) {
    ForEachLine(text, [&](std::string_view line) {
        std::vector<std::string_view> f = SplitSpaces(line);
        if (f.size() < 3) return;
        const std::size_t mark = f[0].find('%');
        if (mark == std::string_view::npos || mark + 1 >= f[0].size()) return;
        static const int kPartOfType[] = {-1, kWnNoun, kWnVerb, kWnAdj, kWnAdv, kWnAdj};
        const int type = f[0][mark + 1] - '0';
        if (type < 1 || type > 5) return;
        auto it = out.lemmas.find(std::string(f[0].substr(0, mark)));
        if (it == out.lemmas.end()) return;
        it->second.tagged[kPartOfType[type]] += static_cast<u32>(std::strtoul(std::string(f[2]).c_str(), nullptr, 10));
    });
}

void ReadWordNetExceptionText(const std::string& text, WordNetPos pos, WordNetData& out) {
    ForEachLine(text, [&](std::string_view line) {
        std::vector<std::string_view> f = SplitSpaces(line);
        if (f.size() < 2 || f[0].find('_') != std::string_view::npos) return;
        for (std::size_t i = 1; i < f.size(); ++i) {
            if (f[i].find('_') != std::string_view::npos) continue;
            out.exceptions.push_back({std::string(f[0]), std::string(f[i]), pos});
        }
    });
}

void ReadWordNetDomains(const std::string* dataTexts, WordNetData& out) {
    // Noun hierarchy, to find every topic below the two roots.
    std::unordered_map<std::string_view, std::vector<std::string_view>> children;
    std::vector<std::string_view> roots, conceptRoots;
    ForEachLine(dataTexts[kWnNoun], [&](std::string_view line) {
        std::string_view offset;
        Synset s;
        if (!ParseSynsetLine(line, offset, s)) return;
        for (std::string_view h : s.hypernyms) children[h].push_back(offset);
        for (std::string_view w : s.words) {
            if (w == "medical_science" || w == "general_anatomy") roots.push_back(offset);
            for (const char* c : kMedicalConcepts)
                if (w == c) conceptRoots.push_back(offset);
        }
    });
    std::unordered_set<std::string_view> topics = Below(roots, children);
    std::unordered_set<std::string_view> concepts = Below(conceptRoots, children);
    std::set<std::string> spellings;
    for (int p = 0; p < 4; ++p) {
        ForEachLine(dataTexts[p], [&](std::string_view line) {
            std::string_view offset;
            Synset s;
            if (!ParseSynsetLine(line, offset, s)) return;
            bool medical = std::any_of(s.topics.begin(), s.topics.end(),
                                       [&](std::string_view t) { return topics.count(t) != 0; }) ||
                           (p == kWnNoun && concepts.count(offset) != 0);
            if (!medical) return;
            for (std::string_view w : s.words) {
                w = StripAdjectiveMarker(w);
                if (w.find('_') != std::string_view::npos) continue;
                spellings.insert(std::string(w));
                auto it = out.lemmas.find(Lower(w));
                if (it != out.lemmas.end()) it->second.medical = true;
            }
        });
    }
    out.medicalSpellings.assign(spellings.begin(), spellings.end());
}

bool ReadWordNetDir(const std::string& dir, WordNetData& out, std::string& error) {
    std::string data[4];
    for (int p = 0; p < 4; ++p) {
        std::string index, exc;
        std::string base = dir + "/";
        if (!ReadWholeFile(base + "index." + kWnFileNames[p], index) ||
            !ReadWholeFile(base + kWnFileNames[p] + ".exc", exc) ||
            !ReadWholeFile(base + "data." + kWnFileNames[p], data[p])) {
            error = std::string("cannot read WordNet ") + kWnFileNames[p] + " files in " + dir;
            return false;
        }
        ReadWordNetIndexText(index, static_cast<WordNetPos>(p), out);
        ReadWordNetExceptionText(exc, static_cast<WordNetPos>(p), out);
    }
    ReadWordNetDomains(data, out);
    std::string counts;
    if (!ReadWholeFile(dir + "/cntlist.rev", counts)) {
        error = "cannot read WordNet cntlist.rev in " + dir;
        return false;
    }
    ReadWordNetTagCountText(counts, out);
    return true;
}

namespace {

const char* BaseInflection(WordNetPos p) {
    switch (p) {
    case kWnNoun: return "singular";
    case kWnVerb: return "base";
    default: return "positive";
    }
}

// Inflection of an adjective or adverb exception form.
const char* GradeOf(std::string_view form) {
    return EndsWith(form, "st") ? "superlative" : "comparative";
}

// Shape-only guess for a verb exception form, when nothing better is known.
void GuessVerbInflection(std::string_view form, std::vector<std::string>& is) {
    if (EndsWith(form, "ing")) is.push_back("present-participle");
    else if (EndsWith(form, "s") && !EndsWith(form, "ss")) is.push_back("3sg");
    else {
        is.push_back("past");
        is.push_back("past-participle");
    }
}

// A regular-rule candidate: the form is `inflection` of `lemma` in `pos`.
struct Candidate {
    std::string lemma;
    WordNetPos pos;
    const char* inflection;
    std::string doubledRival;  // the doubled spelling that would win over this one
};

// Strips `n` letters and appends `add`.
std::string Cut(const std::string& w, std::size_t n, const char* add = "") {
    return w.substr(0, w.size() - n) + add;
}
bool DoubledBefore(const std::string& w, std::size_t suffix) {
    if (w.size() < suffix + 3) return false;
    char a = w[w.size() - suffix - 1], b = w[w.size() - suffix - 2];
    return a == b && !IsVowel(a) && a != 'w' && a != 'x' && a != 'y';
}

void SuffixCandidates(const std::string& w, const char* suffix, WordNetPos pos,
                      const char* inflection, std::vector<Candidate>& out) {
    std::size_t n = std::string_view(suffix).size();
    if (!EndsWith(w, suffix) || w.size() < n + 2) return;
    std::string stem = Cut(w, n);
    // plain: walk+ed; the doubled spelling stem+last+suffix would be the form
    // of a short stressed stem (hop → hopped, so "hoped" is not hop's).
    std::string rival = stem.empty() ? "" : stem + stem.back() + suffix;
    out.push_back({stem, pos, inflection, IsVowel(stem.back()) ? "" : rival});
    out.push_back({stem + "e", pos, inflection, ""});                       // like+d
    if (stem.back() == 'i') out.push_back({Cut(stem, 1, "y"), pos, inflection, ""});  // carr-ied
    if (DoubledBefore(w, n)) out.push_back({Cut(stem, 1), pos, inflection, ""});      // stop-ped
    if (EndsWith(stem, "ck")) out.push_back({Cut(stem, 1), pos, inflection, ""});     // panic-ked
    if (std::string_view(suffix) == "ing" && EndsWith(stem, "y"))
        out.push_back({Cut(stem, 1, "ie"), pos, inflection, ""});                     // d-ying
}

void PluralCandidates(const std::string& w, WordNetPos pos, const char* inflection,
                      std::vector<Candidate>& out) {
    if (!EndsWith(w, "s") || EndsWith(w, "ss") || w.size() < 3) return;
    out.push_back({Cut(w, 1), pos, inflection, ""});
    if (EndsWith(w, "ies")) out.push_back({Cut(w, 3, "y"), pos, inflection, ""});
    if (EndsWith(w, "es")) {
        std::string stem = Cut(w, 2);
        if (EndsWith(stem, "s") || EndsWith(stem, "x") || EndsWith(stem, "z") ||
            EndsWith(stem, "ch") || EndsWith(stem, "sh") || EndsWith(stem, "o"))
            out.push_back({stem, pos, inflection, ""});
        if (EndsWith(w, "zzes") || EndsWith(w, "sses")) out.push_back({Cut(w, 3), pos, inflection, ""});
    }
}

std::vector<Candidate> RegularCandidates(const std::string& w) {
    std::vector<Candidate> c;
    PluralCandidates(w, kWnNoun, "plural", c);
    if (EndsWith(w, "men")) c.push_back({Cut(w, 3, "man"), kWnNoun, "plural", ""});
    PluralCandidates(w, kWnVerb, "3sg", c);
    SuffixCandidates(w, "ed", kWnVerb, "past", c);
    SuffixCandidates(w, "ed", kWnVerb, "past-participle", c);
    SuffixCandidates(w, "ing", kWnVerb, "present-participle", c);
    for (WordNetPos p : {kWnAdj, kWnAdv}) {
        SuffixCandidates(w, "er", p, "comparative", c);
        SuffixCandidates(w, "est", p, "superlative", c);
    }
    return c;
}

// True when the regular rules (doubled consonants included) spell `form`
// from `lemma`: WordNet lists such forms as exceptions ("hopped hop",
// "bigger big") although no irregular form is involved.
bool IsRegularSpelling(const std::string& form, const std::string& lemma, WordNetPos pos) {
    for (const Candidate& c : RegularCandidates(form))
        if (c.lemma == lemma && c.pos == pos) return true;
    return false;
}

}  // namespace

std::vector<SourceForm> WordNetSourceForms(const WordNetData& wn) {
    std::vector<SourceForm> out;
    std::vector<std::string> keys;
    for (const auto& [k, v] : wn.lemmas) keys.push_back(k);
    std::sort(keys.begin(), keys.end());
    for (const std::string& k : keys) {
        const WordNetLemma& l = wn.lemmas.at(k);
        for (int p = 0; p < 4; ++p) {
            if (l.senses[p] == 0) continue;
            SourceForm f{k, k, {kWnPoNames[p]}, {BaseInflection(static_cast<WordNetPos>(p))}, {}};
            if (l.medical) f.is.push_back("domain:medical");
            f.other.push_back("senses:" + std::to_string(l.senses[p]));
            f.other.push_back("src:wordnet");
            out.push_back(std::move(f));
        }
    }
    for (const WordNetException& e : wn.exceptions) {
        SourceForm f{e.form, e.lemma, {kWnPoNames[e.pos]}, {}, {"src:wordnet"}};
        if (e.pos == kWnNoun) f.is.push_back("plural");
        else if (e.pos == kWnVerb) GuessVerbInflection(e.form, f.is);
        else f.is.push_back(GradeOf(e.form));
        if (!IsRegularSpelling(e.form, e.lemma, e.pos)) f.is.push_back("irregular");
        out.push_back(std::move(f));
    }
    return out;
}

// ------------------------------------------------------------ wink-lexicon

namespace {

// A JavaScript single-quoted string starting at text[i] == '\''; `end` gets
// the index after the closing quote.
bool ReadJsString(std::string_view text, std::size_t i, std::string& value, std::size_t& end) {
    if (i >= text.size() || (text[i] != '\'' && text[i] != '"')) return false;
    char quote = text[i];
    value.clear();
    for (++i; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\\' && i + 1 < text.size()) {
            value.push_back(text[++i]);
        } else if (c == quote) {
            end = i + 1;
            return true;
        } else {
            value.push_back(c);
        }
    }
    return false;
}

std::string_view TrimSpaces(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == ';'))
        s.remove_suffix(1);
    return s;
}

}  // namespace

bool ParseWinkLexicon(const std::string& text, WinkLexicon& out, std::string& error) {
    std::unordered_map<std::string, std::string> constants;           // NN → "NN"
    std::unordered_map<std::string, std::vector<std::string>> lists;  // A_NN_JJ → …
    std::size_t bad = 0;
    ForEachLine(text, [&](std::string_view line) {
        std::size_t eq = line.find(" = ");
        if (eq == std::string_view::npos) return;
        std::string_view lhs = TrimSpaces(line.substr(0, eq));
        std::string_view rhs = TrimSpaces(line.substr(eq + 3));
        if (lhs.rfind("var ", 0) == 0) {
            std::string name(TrimSpaces(lhs.substr(4)));
            std::string value;
            std::size_t end = 0;
            if (ReadJsString(rhs, 0, value, end)) {
                constants[name] = value;
            } else if (!rhs.empty() && rhs.front() == '[') {
                std::vector<std::string> tags;
                std::string_view inner = rhs.substr(1, rhs.find(']') - 1);
                std::size_t start = 0;
                while (start <= inner.size()) {
                    std::size_t comma = inner.find(',', start);
                    if (comma == std::string_view::npos) comma = inner.size();
                    std::string item(TrimSpaces(inner.substr(start, comma - start)));
                    if (!item.empty()) {
                        auto c = constants.find(item);
                        if (c == constants.end()) ++bad;
                        else tags.push_back(c->second);
                    }
                    start = comma + 1;
                }
                lists[name] = std::move(tags);
            }
            return;
        }
        std::string word;
        if (lhs.rfind("lexicon.", 0) == 0) {
            word = std::string(lhs.substr(8));
        } else if (lhs.rfind("lexicon[", 0) == 0) {
            std::string_view inside = TrimSpaces(lhs.substr(8));
            std::size_t end = 0;
            if (!ReadJsString(inside, 0, word, end)) {
                ++bad;
                return;
            }
        } else {
            return;
        }
        auto l = lists.find(std::string(rhs));
        if (l == lists.end()) {
            ++bad;
            return;
        }
        out.tags[word] = l->second;
    });
    if (out.tags.empty()) {
        error = "no lexicon entry found";
        return false;
    }
    if (bad != 0) error = std::to_string(bad) + " unreadable lexicon lines";
    return true;
}

bool ReadWinkLexicon(const std::string& path, WinkLexicon& out, std::string& error) {
    std::string text;
    if (!ReadWholeFile(path, text)) {
        error = "cannot read " + path;
        return false;
    }
    return ParseWinkLexicon(text, out, error);
}

std::string PoOfPennTag(const std::string& tag, std::vector<std::string>* is) {
    struct Row {
        const char* tag;
        const char* po;
        const char* inflection;  // "" none
    };
    static constexpr Row kRows[] = {
        {"NN", "noun", "singular"},
        {"NNS", "noun", "plural"},
        {"NNP", "proper", "singular"},
        {"NNPS", "proper", "plural"},
        {"VB", "verb", "base"},
        {"VBP", "verb", "present"},
        {"VBZ", "verb", "3sg"},
        {"VBD", "verb", "past"},
        {"VBN", "verb", "past-participle"},
        {"VBG", "verb", "present-participle"},
        {"JJ", "adj", "positive"},
        {"JJR", "adj", "comparative"},
        {"JJS", "adj", "superlative"},
        {"RB", "adv", "positive"},
        {"RBR", "adv", "comparative"},
        {"RBS", "adv", "superlative"},
        {"DT", "closed:det", ""},
        {"PDT", "closed:predet", ""},
        {"IN", "closed:prep", ""},
        {"CC", "closed:conj", ""},
        {"PRP", "closed:pron", ""},
        {"PRP$", "closed:pron-poss", ""},
        {"WP", "closed:wh-pron", ""},
        {"WP$", "closed:wh-pron", ""},
        {"WDT", "closed:wh-det", ""},
        {"WRB", "closed:wh-adv", ""},
        {"MD", "closed:modal", ""},
        {"EX", "closed:there", ""},
        {"TO", "closed:to", ""},
        {"UH", "closed:interj", ""},
        {"RP", "closed:particle", ""},
        {"CD", "closed:num", ""},
    };
    for (const Row& r : kRows) {
        if (tag != r.tag) continue;
        if (is && r.inflection[0] != '\0') is->push_back(r.inflection);
        return r.po;
    }
    return "";
}

namespace {

bool IsClosedPo(const std::string& po) { return po.rfind("closed:", 0) == 0; }

std::string JoinTags(const std::vector<std::string>& tags) {
    std::string s = "wink:";
    for (std::size_t i = 0; i < tags.size(); ++i) {
        if (i) s += ',';
        s += tags[i];
    }
    return s;
}

}  // namespace

std::vector<SourceForm> WinkSourceForms(const WinkLexicon& wink) {
    std::vector<std::string> keys;
    for (const auto& [k, v] : wink.tags) keys.push_back(k);
    std::sort(keys.begin(), keys.end());
    std::vector<SourceForm> out;
    for (const std::string& k : keys) {
        const std::vector<std::string>& tags = wink.tags.at(k);
        for (std::size_t i = 0; i < tags.size(); ++i) {
            SourceForm f;
            std::string po = PoOfPennTag(tags[i], &f.is);
            if (po.empty()) continue;
            f.form = k;
            f.lemma = IsClosedPo(po) ? k : "";
            f.po.push_back(po);
            f.is.push_back("wink:" + std::to_string(i));
            f.other.push_back(JoinTags(tags));
            f.other.push_back("src:wink");
            out.push_back(std::move(f));
        }
    }
    return out;
}

// ------------------------------------------------------------ irregular verbs

bool ParseIrregularVerbs(const std::string& json, std::vector<IrregularVerb>& out,
                         std::string& error) {
    // The file is one object of arrays of two-string arrays: read it as a
    // stream of strings and brackets.
    int depth = 0;
    std::string key;
    std::vector<std::string> pair;
    std::map<std::string, IrregularVerb> verbs;
    for (std::size_t i = 0; i < json.size();) {
        char c = json[i];
        if (c == '{' || c == '[') {
            ++depth;
            if (depth == 3) pair.clear();
            ++i;
        } else if (c == '}' || c == ']') {
            if (depth == 3) {
                if (pair.size() != 2) {
                    error = "verb \"" + key + "\": a principal-part entry without two forms";
                    return false;
                }
                auto& parts = verbs[key].parts;
                std::pair<std::string, std::string> p{pair[0], pair[1]};
                if (std::find(parts.begin(), parts.end(), p) == parts.end()) parts.push_back(p);
            }
            --depth;
            ++i;
        } else if (c == '"') {
            std::string value;
            std::size_t end = 0;
            if (!ReadJsString(json, i, value, end)) {
                error = "unterminated string";
                return false;
            }
            if (depth == 1) {
                key = value;
                verbs[key].lemma = key;
            } else if (depth == 3) {
                pair.push_back(value);
            }
            i = end;
        } else {
            ++i;
        }
    }
    if (depth != 0 || verbs.empty()) {
        error = "not an object of verbs";
        return false;
    }
    for (auto& [k, v] : verbs) out.push_back(std::move(v));
    return true;
}

bool ReadIrregularVerbs(const std::string& path, std::vector<IrregularVerb>& out,
                        std::string& error) {
    std::string text;
    if (!ReadWholeFile(path, text)) {
        error = "cannot read " + path;
        return false;
    }
    return ParseIrregularVerbs(text, out, error);
}

namespace {

// True when `form` is what the regular -ed rule makes of `lemma` (with the
// final-e, y → ied and doubled-consonant spellings).
bool IsRegularPast(const std::string& lemma, const std::string& form) {
    if (lemma.empty()) return false;
    if (form == lemma + "ed") return true;
    if (lemma.back() == 'e' && form == lemma + "d") return true;
    if (lemma.size() > 1 && lemma.back() == 'y' && !IsVowel(lemma[lemma.size() - 2]) &&
        form == lemma.substr(0, lemma.size() - 1) + "ied")
        return true;
    return form == lemma + lemma.back() + "ed";
}

}  // namespace

std::vector<SourceForm> IrregularVerbSourceForms(const std::vector<IrregularVerb>& verbs) {
    std::vector<SourceForm> out;
    for (const IrregularVerb& v : verbs) {
        out.push_back({v.lemma, v.lemma, {"verb"}, {"base"}, {"src:irregular-verbs"}});
        std::vector<std::pair<std::string, const char*>> seen;
        for (const auto& [past, pp] : v.parts) {
            for (const auto& [form, what] :
                 {std::pair<std::string, const char*>{past, "past"}, {pp, "past-participle"}}) {
                if (std::find(seen.begin(), seen.end(), std::pair{form, what}) != seen.end())
                    continue;
                seen.push_back({form, what});
                SourceForm f{form, v.lemma, {"verb"}, {what}, {"src:irregular-verbs"}};
                if (!IsRegularPast(v.lemma, form)) f.is.push_back("irregular");
                out.push_back(std::move(f));
            }
        }
    }
    return out;
}

// ------------------------------------------------------------ merge

bool ReadEnglishSources(const EnglishSourcePaths& paths, EnglishSources& out,
                        std::string& error) {
    std::string why;
    if (!ReadScowlDir(paths.scowlDir, paths.maxLevel, out.scowl, why, paths.nameMaxLevel)) {
        error = "SCOWL: " + why;
        return false;
    }
    if (!ReadWordNetDir(paths.wordnetDir, out.wordnet, why)) {
        error = "WordNet: " + why;
        return false;
    }
    why.clear();
    if (!ReadWinkLexicon(paths.nodeModulesDir + "/" + kWinkLexiconFile, out.wink, why)) {
        error = "wink-lexicon: " + why;
        return false;
    }
    if (!ReadIrregularVerbs(paths.nodeModulesDir + "/" + kIrregularVerbsFile,
                            out.irregularVerbs, why)) {
        error = "english-verbs-irregular: " + why;
        return false;
    }
    if (!paths.udClassTable.empty()) {
        std::string text;
        if (!ReadWholeFile(paths.udClassTable, text)) {
            error = "cannot read " + paths.udClassTable;
            return false;
        }
        out.ud = ParseUdClassTable(text);
    }
    return true;
}

UdClassTable ParseUdClassTable(const std::string& text) {
    UdClassTable out;
    ForEachLine(text, [&](std::string_view line) {
        if (line.empty() || line[0] == '#') return;
        const std::size_t tab1 = line.find('\t');
        const std::size_t tab2 = tab1 == std::string_view::npos ? tab1 : line.find('\t', tab1 + 1);
        if (tab2 == std::string_view::npos) return;
        std::map<std::string, u32>& counts = out[std::string(line.substr(0, tab1))];
        for (std::string_view pair : SplitSpaces(line.substr(tab2 + 1))) {
            const std::size_t colon = pair.rfind(':');
            if (colon == std::string_view::npos) continue;
            counts[std::string(pair.substr(0, colon))] =
                static_cast<u32>(std::atoi(std::string(pair.substr(colon + 1)).c_str()));
        }
    });
    return out;
}

u32 UdCount(const UdClassTable& table, const std::string& form, const char* upos) {
    const auto it = table.find(Lower(form));
    if (it == table.end()) return 0;
    const auto c = it->second.find(upos);
    return c == it->second.end() ? 0 : c->second;
}

bool UdCounted(const UdClassTable& table, const std::string& form) { return table.count(Lower(form)) != 0; }

namespace {

// One reading of a form while the merge collects them: (lemma, po) → is.
struct Reading {
    std::vector<std::string> is;
    std::vector<std::string> other;
};
using Readings = std::map<std::pair<std::string, std::string>, Reading>;

struct MergeIndex {
    const EnglishSources& src;
    std::unordered_multimap<std::string, const WordNetException*> exceptions;
    std::unordered_map<std::string, const IrregularVerb*> irregularByLemma;
    // form → (lemma, "past" / "past-participle")
    std::unordered_multimap<std::string, std::pair<const IrregularVerb*, const char*>> parts;

    explicit MergeIndex(const EnglishSources& s) : src(s) {
        for (const WordNetException& e : s.wordnet.exceptions) exceptions.emplace(e.form, &e);
        for (const IrregularVerb& v : s.irregularVerbs) {
            irregularByLemma[v.lemma] = &v;
            for (const auto& [past, pp] : v.parts) {
                parts.emplace(past, std::pair{&v, "past"});
                parts.emplace(pp, std::pair{&v, "past-participle"});
            }
        }
    }

    u16 Senses(const std::string& lemma, WordNetPos p) const {
        auto it = src.wordnet.lemmas.find(lemma);
        return it == src.wordnet.lemmas.end() ? 0 : it->second.senses[p];
    }
    bool Medical(const std::string& lemma) const {
        auto it = src.wordnet.lemmas.find(lemma);
        return it != src.wordnet.lemmas.end() && it->second.medical;
    }
    const std::vector<std::string>* Wink(const std::string& form) const {
        auto it = src.wink.tags.find(form);
        return it == src.wink.tags.end() ? nullptr : &it->second;
    }
    int Section(const std::string& form) const {
        auto it = src.scowl.words.find(form);
        return it == src.scowl.words.end() ? -1 : RegionalSection(it->second);
    }
};

void AddReading(Readings& r, const std::string& lemma, const std::string& po,
                std::initializer_list<const char*> is, const char* srcTag) {
    Reading& reading = r[{lemma, po}];
    for (const char* v : is) AddUnique(reading.is, v);
    AddUnique(reading.other, srcTag);
}

// Inflections of a verb exception form: principal parts first, then wink's
// tags of the form, then its shape.
std::vector<std::string> VerbExceptionInflections(const MergeIndex& ix, const std::string& form,
                                                  const std::string& lemma) {
    std::vector<std::string> is;
    auto iv = ix.irregularByLemma.find(lemma);
    if (iv != ix.irregularByLemma.end()) {
        for (const auto& [past, pp] : iv->second->parts) {
            if (past == form) AddUnique(is, "past");
            if (pp == form) AddUnique(is, "past-participle");
        }
    }
    if (!is.empty()) return is;
    if (EndsWith(form, "ing")) return {"present-participle"};
    if (const std::vector<std::string>* tags = ix.Wink(form)) {
        for (const std::string& t : *tags) {
            std::vector<std::string> one;
            if (PoOfPennTag(t, &one) == "verb" && one[0] != "base") AddUnique(is, one[0]);
        }
        if (!is.empty()) return is;
    }
    GuessVerbInflection(form, is);
    return is;
}

// Closed tags at the head of wink's list (the later tags are rarer uses and
// tagger noise): "the" DT, "that" IN DT WDT.
void AddWinkClosed(const MergeIndex& ix, const std::string& w, Readings& r, bool open) {
    const std::vector<std::string>* tags = ix.Wink(w);
    if (!tags) return;
    bool tookClosed = false;
    for (std::size_t i = 0; i < tags->size(); ++i) {
        std::vector<std::string> is;
        std::string po = PoOfPennTag((*tags)[i], &is);
        if (po.empty()) continue;
        bool closed = IsClosedPo(po);
        if (closed) tookClosed = true;
        else if (!open || tookClosed) break;
        // Without other readings, wink's open base tags stand for the word itself.
        if (!closed && is[0] != "singular" && is[0] != "base" && is[0] != "positive") continue;
        Reading& reading = r[{w, po}];
        for (const std::string& v : is) AddUnique(reading.is, v);
        AddUnique(reading.is, "wink:" + std::to_string(i));
        AddUnique(reading.other, "src:wink");
    }
}

// Every reading of a lower-case SCOWL word.
void AnalyseWord(const MergeIndex& ix, const std::string& w, Readings& r, EnglishFormStats& st) {
    for (int p = 0; p < 4; ++p)
        if (ix.Senses(w, static_cast<WordNetPos>(p)) != 0)
            AddReading(r, w, kWnPoNames[p], {BaseInflection(static_cast<WordNetPos>(p))},
                       "src:wordnet");
    auto [eb, ee] = ix.exceptions.equal_range(w);
    for (auto it = eb; it != ee; ++it) {
        const WordNetException& e = *it->second;
        if (ix.Senses(e.lemma, e.pos) == 0) continue;
        Reading& reading = r[{e.lemma, kWnPoNames[e.pos]}];
        if (e.pos == kWnNoun) AddUnique(reading.is, "plural");
        else if (e.pos == kWnVerb)
            for (const std::string& v : VerbExceptionInflections(ix, w, e.lemma)) AddUnique(reading.is, v);
        else AddUnique(reading.is, GradeOf(w));
        if (!IsRegularSpelling(w, e.lemma, e.pos)) AddUnique(reading.is, "irregular");
        AddUnique(reading.other, "src:wordnet");
        ++st.irregular;
    }
    auto [pb, pe] = ix.parts.equal_range(w);
    for (auto it = pb; it != pe; ++it) {
        const IrregularVerb& v = *it->second.first;
        Reading& reading = r[{v.lemma, "verb"}];
        AddUnique(reading.is, it->second.second);
        if (!IsRegularPast(v.lemma, w)) AddUnique(reading.is, "irregular");
        AddUnique(reading.other, "src:irregular-verbs");
        ++st.irregular;
    }
    if (ix.irregularByLemma.count(w)) AddReading(r, w, "verb", {"base"}, "src:irregular-verbs");
    for (const Candidate& c : RegularCandidates(w)) {
        // The lemma must be a lower-case word of the lists too: WordNet's index
        // lowers names and acronyms ("was" is no plural of "WA").
        if (c.lemma.size() < 2 || c.lemma == w || ix.Senses(c.lemma, c.pos) == 0 ||
            ix.Section(c.lemma) < 0)
            continue;
        if (!c.doubledRival.empty() && ix.Section(c.doubledRival) == 0 && ix.Section(w) == 0)
            continue;
        auto key = std::pair{c.lemma, std::string(kWnPoNames[c.pos])};
        Reading& reading = r[key];
        if (std::find(reading.is.begin(), reading.is.end(), c.inflection) != reading.is.end())
            continue;
        reading.is.push_back(c.inflection);
        AddUnique(reading.other, "src:wordnet");
        ++st.regular;
    }
    AddWinkClosed(ix, w, r, r.empty());
}

// The spelling of `word` (a lemma of the other region's spelling) in the
// region of `section`, when the lists hold one; else `word` itself.
std::string RegionalSpelling(const MergeIndex& ix, const std::string& word, int section) {
    for (const auto& [gb, us] : kSpellingPairs) {
        std::string_view from = section == 6 ? us : gb;
        std::string_view to = section == 6 ? gb : us;
        for (std::size_t pos = word.find(from); pos != std::string::npos;
             pos = word.find(from, pos + 1)) {
            std::string candidate =
                word.substr(0, pos) + std::string(to) + word.substr(pos + from.size());
            if (ix.Section(candidate) == section) return candidate;
        }
    }
    return word;
}

// A regional spelling that no source analyses ("organised": WordNet spells
// it the American way) takes the readings of its counterpart, each lemma
// respelt in the form's region (organise).
void BorrowCounterpartReadings(const MergeIndex& ix, const std::string& w, int section,
                               Readings& r, EnglishFormStats& st) {
    std::string other = RegionalCounterpart(w, ix.src.scowl);
    if (other.empty()) return;
    Readings borrowed;
    EnglishFormStats ignored;
    AnalyseWord(ix, other, borrowed, ignored);
    for (auto& [key, reading] : borrowed) {
        if (IsClosedPo(key.second)) continue;
        Reading& mine = r[{RegionalSpelling(ix, key.first, section), key.second}];
        mine.is = reading.is;
        mine.other = reading.other;
        AddUnique(mine.other, "analysed-as:" + other);
    }
    if (!r.empty()) ++st.borrowed;
}

void EmitReadings(const MergeIndex& ix, const std::string& form, const ScowlWord* sw,
                  const Readings& readings, std::vector<SourceForm>& out,
                  EnglishFormStats& st) {
    const std::vector<std::string>* wink = ix.Wink(form);
    for (const auto& [key, reading] : readings) {
        SourceForm f;
        f.form = form;
        f.lemma = key.first;
        f.po.push_back(key.second);
        f.is = reading.is;
        std::sort(f.is.begin(), f.is.end());
        if (sw) AddScowlFields(form, *sw, ix.src.scowl, f);
        bool open = false;
        for (int p = 0; p < 4; ++p) {
            if (key.second != kWnPoNames[p]) continue;
            open = true;
            u16 senses = ix.Senses(key.first, static_cast<WordNetPos>(p));
            if (senses) f.other.push_back("senses:" + std::to_string(senses));
        }
        if (open && ix.Medical(Lower(key.first))) AddUnique(f.is, "domain:medical");
        if (wink) f.other.push_back(JoinTags(*wink));
        for (const std::string& o : reading.other) AddUnique(f.other, o);
        if (IsClosedPo(key.second)) ++st.closedClass;
        if (key.second == "unknown") ++st.unknown;
        out.push_back(std::move(f));
    }
}

// A word no other source analyses is a noun when the lists hold its
// possessive ("footway's"), a plural noun when they hold its singular's
// ("outlands": "outland's"; "-es" and "-ies" plurals likewise) and no
// source analyses that singular either (a noun "pretty" must not come
// before the adjective and adverb through "pretties").
constexpr int kPossessedNounFromLevel = 61;

void AddPossessedNoun(const MergeIndex& ix, const std::string& w, Readings& r) {
    const ScowlWords& scowl = ix.src.scowl;
    if (scowl.possessed.count(w) != 0) {
        AddReading(r, w, "noun", {"singular"}, "src:scowl-possessive");
        return;
    }
    if (w.size() < 4 || w.back() != 's') return;
    const std::string stem = w.substr(0, w.size() - 1);
    std::string singulars[3] = {stem, "", ""};
    if (EndsWith(stem, "e")) singulars[1] = stem.substr(0, stem.size() - 1);
    if (EndsWith(stem, "ie")) singulars[2] = stem.substr(0, stem.size() - 2) + "y";
    for (const std::string& one : singulars) {
        if (one.empty() || scowl.possessed.count(one) == 0 || ix.Wink(one) != nullptr) continue;
        bool analysed = false;
        for (int p = 0; p < 4; ++p) analysed = analysed || ix.Senses(one, static_cast<WordNetPos>(p)) != 0;
        if (analysed) continue;
        AddReading(r, one, "noun", {"plural"}, "src:scowl-possessive");
        return;
    }
}

// The treebank counts the form as an adjective more often than in any
// other class.
bool MostlyAdjective(const UdClassTable& ud, const std::string& w) {
    const auto it = ud.find(w);
    if (it == ud.end()) return false;
    const u32 adj = UdCount(ud, w, "ADJ");
    for (const auto& [cls, n] : it->second)
        if (cls != "ADJ" && n >= adj) return false;
    return adj > 0;
}

// A word the lists hold only with its initial capital ("American", not
// "american"), capital then lower-case letters, that WordNet's index knows
// as an adjective, or that the treebank counts as an adjective more often
// than as anything else ("Arab", "Sunni", "Shiite": WordNet has them as
// nouns only).
bool CapitalisedAdjective(const MergeIndex& ix, const std::string& w) {
    if (w.size() < 3 || w[0] < 'A' || w[0] > 'Z') return false;
    for (std::size_t i = 1; i < w.size(); ++i)
        if (w[i] < 'a' || w[i] > 'z') return false;
    const std::string lower = Lower(w);
    if (ix.src.scowl.words.count(lower) != 0) return false;
    return ix.Senses(lower, kWnAdj) != 0 || MostlyAdjective(ix.src.ud, lower);
}

// The treebank counts the form, spelt without a period, as a noun more
// often than in any other class.
bool NounWithoutPeriod(const UdClassTable& ud, const std::string& w) {
    const auto it = ud.find(w);
    if (it == ud.end()) return false;
    const u32 noun = UdCount(ud, w, "NOUN");
    for (const auto& [cls, n] : it->second)
        if (n > noun) return false;
    return noun > 0;
}

bool FormLess(const SourceForm& a, const SourceForm& b) {
    if (a.form != b.form) return a.form < b.form;
    if (a.po != b.po) return a.po < b.po;
    if (a.lemma != b.lemma) return a.lemma < b.lemma;
    return a.is < b.is;
}

}  // namespace

std::vector<SourceForm> BuildEnglishForms(const EnglishSources& sources,
                                          EnglishFormStats& stats) {
    stats = EnglishFormStats{};
    MergeIndex ix(sources);
    std::vector<SourceForm> out;
    out.reserve(sources.scowl.words.size() * 2);
    for (const auto& [w, sw] : sources.scowl.words) {
        ++stats.scowlWords;
        int section = RegionalSection(sw);
        if (section == 6) ++stats.section6;
        if (section == 7) ++stats.section7;
        if (section != 0 && !RegionalCounterpart(w, sources.scowl).empty()) ++stats.counterparts;
        Readings r;
        std::vector<std::string> kindIs;
        std::string po = ScowlKindPo(w, sw, kindIs);
        if (po == "unknown") {
            AnalyseWord(ix, w, r, stats);
            if (r.empty() && section != 0) BorrowCounterpartReadings(ix, w, section, r, stats);
            // Only the rarer words: the common ones without analysis keep the
            // class the closed-class rules give them ("whomever's" is listed too).
            if (r.empty() && sw.level >= kPossessedNounFromLevel) AddPossessedNoun(ix, w, r);
            if (r.empty()) {
                r[{w, "unknown"}];
                if (sw.level <= 60) ++stats.unknownUpTo60;
            }
        } else if (po == "proper" && CapitalisedAdjective(ix, w)) {
            // "American", "Muslim", "Victorian": written with a capital
            // only, and an adjective (and a noun) by WordNet's lower-case
            // index; no proper reading besides.
            const std::string lower = Lower(w);
            AddReading(r, w, "adj", {"positive"}, "src:wordnet");
            if (ix.Senses(lower, kWnNoun) != 0) AddReading(r, w, "noun", {"singular"}, "src:wordnet");
        } else {
            Reading& reading = r[{w, po}];
            reading.is = kindIs;
            // A capitalised medical word keeps its WordNet domain.
            if (ix.Medical(Lower(w)) && po == "proper") reading.is.push_back("domain:medical");
            // A lower-case abbreviation that WordNet's index holds as a noun
            // and the treebank counts as a noun written without its period
            // ("pm", "hr", "ft") is that noun as well ("at 3 pm"); the
            // others keep their period ("Inc.", "Jr.").
            if (po == "abbrev" && ix.Senses(w, kWnNoun) != 0 && NounWithoutPeriod(sources.ud, w))
                AddReading(r, w, "noun", {"singular"}, "src:wordnet");
        }
        EmitReadings(ix, w, &sw, r, out, stats);
    }
    // Medical words that no SCOWL list holds, with their exception plurals.
    for (const std::string& m : sources.wordnet.medicalSpellings) {
        if (sources.scowl.words.count(m) || sources.scowl.words.count(Lower(m))) continue;
        std::string lemma = Lower(m);
        Readings r;
        for (int p = 0; p < 4; ++p)
            if (ix.Senses(lemma, static_cast<WordNetPos>(p)) != 0)
                AddReading(r, m, kWnPoNames[p], {BaseInflection(static_cast<WordNetPos>(p))},
                           "src:wordnet");
        if (r.empty()) continue;
        ++stats.medicalOnly;
        EmitReadings(ix, m, nullptr, r, out, stats);
        for (const WordNetException& e : sources.wordnet.exceptions) {
            if (e.lemma != m || e.pos != kWnNoun || sources.scowl.words.count(e.form)) continue;
            Readings pr;
            AddReading(pr, m, "noun", {"plural", "irregular"}, "src:wordnet");
            EmitReadings(ix, e.form, nullptr, pr, out, stats);
        }
    }
    std::sort(out.begin(), out.end(), FormLess);
    stats.forms = out.size();
    return out;
}

void ReportEnglishStats(const EnglishSources& sources, const EnglishFormStats& stats,
                        CompileReport& report) {
    auto line = [&](const std::string& what, std::size_t n) {
        report.Note("english sources: " + what + " " + std::to_string(n));
    };
    line("SCOWL lists read", sources.scowl.files);
    line("SCOWL lines", sources.scowl.lines);
    line("SCOWL possessives skipped", sources.scowl.possessivesSkipped);
    line("SCOWL spellings", stats.scowlWords);
    line("WordNet single-word lemmas", sources.wordnet.lemmas.size());
    line("WordNet collocations skipped", sources.wordnet.multiWordSkipped);
    line("WordNet exception pairs", sources.wordnet.exceptions.size());
    line("WordNet medical spellings", sources.wordnet.medicalSpellings.size());
    line("wink-lexicon words", sources.wink.tags.size());
    line("irregular verbs", sources.irregularVerbs.size());
    line("forms (readings) made", stats.forms);
    line("readings from exception lists and principal parts", stats.irregular);
    line("readings by the regular rules", stats.regular);
    line("closed-class readings", stats.closedClass);
    line("SCOWL words without analysis", stats.unknown);
    line("SCOWL words without analysis, level 60 or below", stats.unknownUpTo60);
    line("regional spellings analysed as their counterpart", stats.borrowed);
    line("medical words in no SCOWL list", stats.medicalOnly);
    line("British-only spellings (section 6)", stats.section6);
    line("American-only spellings (section 7)", stats.section7);
    line("regional spellings with their counterpart", stats.counterparts);
}

bool EnglishHasIs(const SourceForm& f, const std::string& value) {
    return std::find(f.is.begin(), f.is.end(), value) != f.is.end();
}

int EnglishLevel(const SourceForm& f) {
    for (const std::string& v : f.is)
        if (v.rfind("level:", 0) == 0) return std::atoi(v.c_str() + 6);
    return 0;
}
