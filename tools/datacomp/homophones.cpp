// Homophone lists of both languages.
#include "tools/datacomp/homophones.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <thread>
#include <unordered_map>

#include "frame/loader.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "morphology/section_walk.h"
#include "morphology/word_lookup.h"
#include "tools/datacomp/english_sources.h"
#include "tools/datacomp/hunspell.h"
#include "tools/datacomp/source_text.h"

namespace {

constexpr char kMark = '\xA4';
constexpr size_t kMaxWordLength = 35;

std::string ToMacRoman(const std::string& utf8) {
    std::string out;
    if (!Utf8ToMacRoman(utf8, out)) return std::string();
    return out;
}

// ---- Fixed rows ---------------------------------------------------------------

struct FixedRow {
    const char* key;
    const char* word;         // UTF-8
    const char* annotations;  // UTF-8, "§" for the mark
};

// The homophone table: entries 0..97 by position (the context rules name
// their targets by these numbers). One key per run of confusable words.
const FixedRow kFrenchTable[kFrenchFixedTableSize] = {
    {"01", "ou", " §16"},                  // 0
    {"01", "où", " §18 de lieu"},
    {"01", "hou", " §19"},
    {"01", "houe", " §11 §F (outil)"},
    {"01", "houe", " §V51"},
    {"02", "ce", " §66 §M"},               // 5
    {"02", "se", " §03"},
    {"0*", "ces", " §66 §P"},
    {"0*", "ses", " §26 §P"},
    {"03", "sa", " §26 §F"},
    {"03", "ça", " §04"},                  // 10
    {"03", "çà", " §18"},
    {"03", "sas", " §11 §M"},
    {"05", "la", " §07 §F"},
    {"05", "là", " §18"},
    {"05", "las", " §12 §M"},              // 15
    {"07", "du", " §09"},
    {"07", "dû", " §V2"},
    {"07", "dû", " §11 §M"},
    {"07", "due", " §V4"},
    {"08", "c'", " §04"},                  // 20
    {"08", "s'", " §03"},
    {"06", "des", " §07 §P"},
    {"06", "dès", " §15"},
    {"06", "dé", " §11 §M (petit cube)"},
    {"06", "dais", " §11 §M"},             // 25
    {"06", "dey", " §11 §M"},
    {"09", "sou", " §11 §M"},
    {"09", "sous", " §15"},
    {"09", "soûl", " §12 §M"},
    {"09", "soue", " §11 §F"},             // 30
    {"0A", "sûr", " §12 §M"},
    {"0A", "sur", " §15"},
    {"0A", "sur", " §12 §M"},
    {"0B", "ver", " §11 §M"},
    {"0B", "vers", " §15"},                // 35
    {"0B", "vers", " §11 §M §I"},
    {"0B", "vert", " §12 §M"},
    {"0B", "verre", " §11 §M"},
    {"0C", "vite", " §18"},
    {"0C", "vite", " §12"},                // 40
    {"0C", "vîtes", " §V28"},
    {"0D", "demi", " §12 §M"},
    {"0D", "demi", " §18"},
    {"0D", "demie", " §12 §F"},
    {"0E", "pré", " §11 §M"},              // 45
    {"0E", "près", " §18"},
    {"0E", "prêt", " §12 §M"},
    {"0E", "prêt", " §11 §M"},
    {"0E", "prête", " §12 §F"},
    {"0E", "prête", " §V51"},              // 50
    {"0F", "tout", " §08 §M"},
    {"0F", "tout", " §06 §M"},
    {"0F", "tout", " §18"},
    {"0F", "tout", " §11 §M"},
    {"0F", "toux", " §11 §F"},             // 55
    {"0F", "tous", " §06 §M §P"},
    {"0F", "toute", " §08 §F"},
    {"0F", "toue", " §11 §F"},
    {"0G", "envi", " §18 «à l'envi»"},
    {"0G", "envie", " §11 §F"},            // 60
    {"0G", "envie", " §V51"},
    {"0H", "coté", " §V2"},
    {"0H", "côté", " §11 §M"},
    {"0H", "coter", " §V0"},
    {"0I", "voilà", " §15"},               // 65
    {"0I", "voila", " §V26"},
    {"0J", "parti", " §11 §M"},
    {"0J", "parti", " §V2"},
    {"0J", "partie", " §11 §F"},
    {"0J", "partie", " §V4"},              // 70
    {"0K", "quel", " §08 §M"},
    {"0K", "quelle", " §08 §F"},
    {"0K", "qu'elle", " §68"},
    {"0L", "sensé", " §12 §M"},
    {"0L", "censé", " §12 §M"},            // 75
    {"0M", "différend", " §11 §M"},
    {"0M", "différent", " §12 §M"},
    {"0M", "différents", " §12 §M §P"},
    {"0M", "différant", " §V1"},
    {"0M", "diffèrent", " §V54"},          // 80
    {"0N", "camp", " §11 §M"},
    {"0N", "khan", " §11 §M"},
    {"0N", "quand", " §17"},
    {"0N", "quant", " §18 «quant à»"},
    {"0N", "qu'en", " §68"},               // 85
    {"0O", "gré", " §11 §M"},
    {"0O", "grès", " §11 §M §I"},
    {"0O", "gray", " §11 §M"},
    {"0O", "grée", " §V51"},
    {"0P", "peu", " §18"},                 // 90
    {"0P", "peuh", " §19"},
    {"0P", "peut", " §V8"},
    {"0P", "peux", " §V6"},
    {"0Q", "issu", " §12 §M"},
    {"0Q", "issue", " §11 §F"},            // 95
    {"0R", "dan", " §11 §M"},
    {"0R", "dans", " §15"},
};

const FixedRow kEnglishRows[] = {
    {"01", "ad", " §11"},
    {"01", "add", " §V0"},
    {"03", "aid", " §V0"},
    {"05", "air", " §11"},
    {"05", "err", " §V0"},
    {"05", "heir", " §11"},
    {"06", "I'll", " §68"},
    {"10", "aunt", " §11 (Am.)"},
};

TaggedEntry FixedEntry(const FixedRow& r) {
    TaggedEntry e;
    e.key = r.key;
    e.word = ToMacRoman(r.word);
    e.annotations = ToMacRoman(r.annotations);
    e.fixed = true;
    return e;
}

// ---- Sound keys -----------------------------------------------------------------

void ReplaceAll(std::string& s, const std::string& from, const std::string& to) {
    for (size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
        s.replace(at, from.size(), to);
}

// ---- Candidates -----------------------------------------------------------------

bool IsLowerWord(const std::string& utf8, bool allowApostrophe) {
    if (utf8.empty()) return false;
    for (size_t i = 0; i < utf8.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c >= 'a' && c <= 'z') continue;
        if (c >= 0x80) continue;  // accented letters (checked by the Mac Roman conversion)
        if (c == '\'' && allowApostrophe && i > 0) continue;
        return false;
    }
    return true;
}

bool HasPoPrefix(const SourceForm& f, const char* prefix) {
    const size_t n = std::char_traits<char>::length(prefix);
    for (const std::string& p : f.po)
        if (p.compare(0, n, prefix) == 0) return true;
    return false;
}

std::string Mark(const char* code) { return std::string(" ") + kMark + code; }

// Category of a French source reading; "" when it has none we list.
std::string FrenchCode(const SourceForm& f) {
    if (!VerbCodeOf(f).empty()) return "V";
    const bool noun = HasPo(f, "nom"), adj = HasPo(f, "adj");
    if (noun && adj) return "13";
    if (noun) return "11";
    if (adj) return "12";
    struct Row {
        const char* po;
        const char* code;
    };
    static const Row kRows[] = {
        {"detpos", "26"}, {"detdem", "66"}, {"detart", "07"}, {"det", "08"},
        {"adv", "18"}, {"loc.adv", "18"}, {"negadv", "18"}, {"in", "19"},
        {"prep", "15"}, {"cjco", "16"}, {"cjsub", "17"}, {"propersuj", "03"},
        {"properobj", "03"}, {"1pe", "03"}, {"2pe", "03"}, {"3pe", "03"},
        {"prodem", "04"}, {"prorel", "05"}, {"proind", "06"}, {"proin", "25"},
        {"nb", "61"},
    };
    for (const Row& r : kRows) {
        const bool prefix = std::string(r.po) == "det";
        if (prefix ? HasPoPrefix(f, r.po) : HasPo(f, r.po)) return r.code;
    }
    return "";
}

bool IsFunctionWordCode(const std::string& code) {
    static const std::set<std::string> kCodes = {"03", "04", "05", "06", "07", "08",
                                                 "15", "16", "17", "25", "26", "66"};
    return kCodes.count(code) != 0;
}

// A spelling of one region or a variant spelling (colour, esthetic): the
// lists hold its other spelling too, which is no homophone to confuse.
bool IsRegionalOrVariant(const SourceForm& f) {
    for (const std::string& v : f.is)
        if (v.compare(0, 7, "region:") == 0 || v.compare(0, 8, "variant:") == 0 ||
            v.compare(0, 8, "section:") == 0)
            return true;
    return false;
}

std::string FrenchMarks(const SourceForm& f, const std::string& code) {
    if (code != "11" && code != "12" && code != "13" && code != "26" && code != "66" &&
        code != "07" && code != "08")
        return "";
    std::string m;
    if (HasIs(f, "mas") && !HasIs(f, "fem")) m += Mark("M");
    if (HasIs(f, "fem") && !HasIs(f, "mas")) m += Mark("F");
    if (HasIs(f, "pl")) m += Mark("P");
    else if (HasIs(f, "inv")) m += Mark("I");
    return m;
}

// English category of a reading, with the verb slot.
std::string EnglishCode(const SourceForm& f, int& slot, std::string& marks) {
    slot = -1;
    marks.clear();
    auto has = [&](const char* v) { return std::find(f.po.begin(), f.po.end(), v) != f.po.end(); };
    if (has("verb") || has("closed:modal")) {
        if (EnglishHasIs(f, "3sg")) slot = 1;
        else if (EnglishHasIs(f, "present-participle")) slot = 2;
        else if (EnglishHasIs(f, "past")) slot = 3;
        else if (EnglishHasIs(f, "past-participle")) slot = 4;
        else slot = 0;
        return "V";
    }
    if (has("noun")) {
        if (EnglishHasIs(f, "plural")) marks = Mark("P");
        return "11";
    }
    struct Row {
        const char* po;
        const char* code;
    };
    static const Row kRows[] = {
        {"adj", "12"}, {"adv", "18"}, {"contraction", "68"}, {"closed:prep", "15"},
        {"closed:to", "15"}, {"closed:conj", "16"}, {"closed:pron", "03"},
        {"closed:pron-poss", "26"}, {"closed:det", "08"}, {"closed:predet", "08"},
        {"closed:wh-det", "08"}, {"closed:wh-pron", "05"}, {"closed:wh-adv", "18"},
        {"closed:there", "18"}, {"closed:particle", "18"}, {"closed:interj", "19"},
        {"closed:num", "61"},
    };
    for (const Row& r : kRows)
        if (has(r.po)) return r.code;
    return "";
}

void AddReading(Candidate& c, CandidateReading r) {
    for (const CandidateReading& o : c.readings)
        if (o.code == r.code && o.lemma == r.lemma && o.slot == r.slot) return;
    c.readings.push_back(std::move(r));
}

std::vector<Candidate> SortedCandidates(std::map<std::string, Candidate>& byWord) {
    std::vector<Candidate> out;
    out.reserve(byWord.size());
    for (auto& [w, c] : byWord)
        if (!c.readings.empty()) out.push_back(std::move(c));
    return out;
}

// ---- List building ----------------------------------------------------------------

const char kKeyChars[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

struct KeySource {
    std::set<std::string> used;
    size_t next = 0;
    std::string Take() {
        const size_t n = sizeof kKeyChars - 1;
        while (next < n * n) {
            std::string k{kKeyChars[next / n], kKeyChars[next % n]};
            ++next;
            if (used.insert(k).second) return k;
        }
        return std::string();
    }
};

std::string FirstCode(const TaggedEntry& e) {
    std::vector<std::string> codes = TaggedAnnotationCodes(e);
    return codes.empty() ? std::string() : codes[0];
}

// Whether an entry's word analyses as its first annotation claims.
bool EntryAnalyses(const TaggedEntry& e, const TaggedWordChecks& checks) {
    const std::string code = FirstCode(e);
    if (code.empty()) return true;
    if (code[0] == 'V') {
        if (checks.verbSlot == nullptr) return true;
        return checks.verbSlot(e.word) >= 0;
    }
    if (checks.analysesAs == nullptr) return true;
    return checks.analysesAs(e.word, code);
}

std::string Printable(const std::string& macRoman) { return MacRomanToUtf8(macRoman); }

// Entries of one candidate word: one per category (at most two), then one
// for its verb readings.
std::vector<TaggedEntry> EntriesOf(const Candidate& c, const std::string& key,
                                   const TaggedWordChecks& checks) {
    std::vector<TaggedEntry> out;
    const std::string word = ToMacRoman(c.word);
    std::set<std::string> codes;
    int verbSlot = -2;
    for (const CandidateReading& r : c.readings) {
        if (r.code == "V") {
            if (verbSlot == -2) verbSlot = r.slot;
            continue;
        }
        if (codes.size() >= 2 || !codes.insert(r.code).second) continue;
        TaggedEntry e;
        e.word = word;
        e.key = key;
        e.annotations = Mark(r.code.c_str()) + r.marks;
        out.push_back(std::move(e));
    }
    if (verbSlot != -2) {
        // The library's slot when it analyses the word as a verb form; a word
        // it does not is refused by the checks.
        int slot = verbSlot;
        if (checks.verbSlot != nullptr) {
            const int found = checks.verbSlot(word);
            if (found >= 0) slot = found;
        }
        TaggedEntry e;
        e.word = word;
        e.key = key;
        e.annotations = Mark(("V" + std::to_string(slot < 0 ? 0 : slot)).c_str());
        out.push_back(std::move(e));
    }
    return out;
}

}  // namespace

std::string FormatTaggedEntry(const TaggedEntry& e) {
    if (e.word.empty() || e.word.size() > kMaxWordLength || e.key.size() != 2) return "";
    std::string s;
    s += static_cast<char>('0' + e.word.size());
    s += e.key;
    s += e.word;
    s += e.annotations;
    return s;
}

bool ParseTaggedEntry(const std::string& text, TaggedEntry& out) {
    if (text.size() < 4) return false;
    const int length = static_cast<unsigned char>(text[0]) - '0';
    if (length < 1 || length > static_cast<int>(kMaxWordLength) ||
        text.size() < 3 + static_cast<size_t>(length))
        return false;
    out = TaggedEntry{};
    out.key = text.substr(1, 2);
    out.word = text.substr(3, static_cast<size_t>(length));
    out.annotations = text.substr(3 + static_cast<size_t>(length));
    if (out.word.find('\0') != std::string::npos) return false;
    const std::string& a = out.annotations;
    // Annotations: " \xA4" + a code of one or more bytes, each up to a blank.
    size_t p = 0;
    while (p + 1 < a.size() && a[p] == ' ' && a[p + 1] == kMark) {
        size_t k = p + 2;
        while (k < a.size() && a[k] != ' ') ++k;
        if (k == p + 2) return false;
        p = k;
    }
    // After them only a comment (blank first) or nothing.
    return p == a.size() || a[p] == ' ';
}

std::vector<std::string> TaggedAnnotationCodes(const TaggedEntry& entry) {
    std::vector<std::string> codes;
    const std::string& a = entry.annotations;
    size_t p = 0;
    while (p + 1 < a.size() && a[p] == ' ' && a[p + 1] == kMark) {
        size_t k = p + 2;
        while (k < a.size() && a[k] != ' ') ++k;
        codes.push_back(a.substr(p + 2, k - p - 2));
        p = k;
    }
    return codes;
}

std::vector<TaggedEntry> FrenchFixedEntries() {
    std::vector<TaggedEntry> out;
    for (const FixedRow& r : kFrenchTable) out.push_back(FixedEntry(r));
    return out;
}

std::vector<TaggedEntry> EnglishFixedEntries() {
    std::vector<TaggedEntry> out;
    for (const FixedRow& r : kEnglishRows) out.push_back(FixedEntry(r));
    return out;
}

std::vector<u8> EncodeTaggedBlock(const std::vector<TaggedEntry>& entries) {
    std::vector<u8> out;
    for (const TaggedEntry& e : entries) {
        const std::string t = FormatTaggedEntry(e);
        out.insert(out.end(), t.begin(), t.end());
        out.push_back(0);
    }
    return out;
}

// ---- espeak-ng ----------------------------------------------------------------------

namespace {

// The installed espeak-ng's version line: pronunciations kept from an
// earlier run are used again only under the same version.
std::string EspeakVersion() {
    FILE* p = popen("espeak-ng --version 2>/dev/null", "r");
    if (p == nullptr) return std::string();
    std::string out;
    char buf[256];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    pclose(p);
    return out;
}

// 64-bit FNV-1a over the voice, the version and the chunk's words.
std::string ChunkKey(const std::string& voice, const std::string& version,
                     const std::vector<std::string>& words, size_t begin, size_t end) {
    unsigned long long h = 14695981039346656037ull;
    auto mix = [&h](const std::string& s) {
        for (unsigned char c : s) h = (h ^ c) * 1099511628211ull;
        h = (h ^ 0xFF) * 1099511628211ull;
    };
    mix(voice);
    mix(version);
    for (size_t i = begin; i < end; ++i) mix(words[i]);
    return std::to_string(h) + " " + std::to_string(end - begin);
}

bool ReadLines(const std::string& path, std::vector<std::string>& lines) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    lines.clear();
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
    return true;
}

std::string ReadFirstLine(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string line;
    std::getline(in, line);
    return line;
}

// One chunk: its words in a file, espeak's lines back. The lines are kept
// beside the word file with the chunk's key; a later run over the same words
// with the same voice and version reads them instead of running espeak.
bool RunEspeakChunk(const std::string& voice, const std::string& version,
                    const std::vector<std::string>& words, size_t begin, size_t end,
                    const std::string& inPath, std::vector<std::string>& lines) {
    const std::string key = ChunkKey(voice, version, words, begin, end);
    const std::string outPath = inPath + ".out", keyPath = inPath + ".key";
    if (!version.empty() && ReadFirstLine(keyPath) == key && ReadLines(outPath, lines) &&
        lines.size() == end - begin)
        return true;
    {
        std::ofstream in(inPath, std::ios::binary | std::ios::trunc);
        for (size_t i = begin; i < end; ++i) in << words[i] << '\n';
        if (!in) return false;
    }
    // -q no sound, -x phoneme mnemonics, -b 1 UTF-8 input; the voice is
    // pinned by name and espeak reads nothing else of ours. From standard
    // input espeak-ng speaks each line on its own: one output line a word.
    const std::string cmd = "espeak-ng -q -x -b 1 -v " + voice + " < '" + inPath + "' 2>/dev/null";
    FILE* p = popen(cmd.c_str(), "r");
    if (p == nullptr) return false;
    std::string out;
    char buf[65536];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    if (pclose(p) != 0) return false;
    std::istringstream s(out);
    std::string line;
    lines.clear();
    while (std::getline(s, line)) lines.push_back(line);
    if (lines.size() != end - begin) return false;
    if (!version.empty()) {
        std::remove(keyPath.c_str());
        std::ofstream o(outPath, std::ios::binary | std::ios::trunc);
        o << out;
        o.close();
        if (o) std::ofstream(keyPath, std::ios::binary | std::ios::trunc) << key << '\n';
    }
    return true;
}

}  // namespace

bool RunEspeak(const std::string& voice, const std::vector<std::string>& words,
               const std::string& workDir, std::vector<std::string>& phonemes,
               std::string& error) {
    phonemes.assign(words.size(), std::string());
    if (words.empty()) return true;
    for (const std::string& w : words) {
        if (w.empty() || w.find_first_of("\n\r\t .,;:!?") != std::string::npos) {
            error = "espeak-ng: a word with a blank or punctuation: \"" + w + "\"";
            return false;
        }
    }
    const size_t chunks = std::min<size_t>(8, (words.size() + 999) / 1000);
    const size_t per = (words.size() + chunks - 1) / chunks;
    std::vector<std::vector<std::string>> results(chunks);
    std::vector<int> ok(chunks, 0);
    const std::string version = EspeakVersion();
    std::vector<std::thread> threads;
    for (size_t c = 0; c < chunks; ++c) {
        threads.emplace_back([&, c] {
            const size_t b = c * per, e = std::min(words.size(), b + per);
            const std::string path = workDir + "/espeak_" + voice + "_" + std::to_string(c) + ".txt";
            ok[c] = b >= e || RunEspeakChunk(voice, version, words, b, e, path, results[c]) ? 1 : 0;
        });
    }
    for (std::thread& t : threads) t.join();
    for (size_t c = 0; c < chunks; ++c) {
        if (ok[c] == 0) {
            error = "espeak-ng (voice " + voice +
                    ") could not be run or its output does not line up with its input: "
                    "install it with scripts/setup";
            return false;
        }
        for (size_t i = 0; i < results[c].size(); ++i) phonemes[c * per + i] = results[c][i];
    }
    return true;
}

std::string SoundKey(bool english, const std::string& phonemes) {
    std::string s;
    for (char c : phonemes) {
        // Stress, syllable, pause and liaison marks; blanks.
        if (c == '\'' || c == ',' || c == '%' || c == '=' || c == '_' || c == '|' || c == '-' ||
            c == ' ' || c == '\r')
            continue;
        s += c;
    }
    if (english) {
        ReplaceAll(s, "aa", "a");    // the American voice's "bath" vowel is that of "trap"
        ReplaceAll(s, "eI3", "e@");  // they're / there
        ReplaceAll(s, "@L", "l");    // isle / I'll, a schwa before a final l
        ReplaceAll(s, "@l", "l");
        ReplaceAll(s, "L", "l");
    }
    return s;
}

// ---- Candidates --------------------------------------------------------------------

std::vector<Candidate> FrenchCandidates(const std::vector<SourceForm>& forms,
                                        const FrequencyRanks& ranks, u32 maxRank) {
    std::map<std::string, Candidate> byWord;
    for (const SourceForm& f : forms) {
        if (!IsLowerWord(f.form, false)) continue;
        const std::string mr = ToMacRoman(f.form);
        if (mr.empty() || mr.size() > kMaxWordLength) continue;
        CandidateReading r;
        r.code = FrenchCode(f);
        if (r.code.empty()) continue;
        // The rank lists leave out one-letter words ("a", "y"): those take
        // their lemma's rank. Function words are a closed set of common words.
        u32 rank = FrequencyRank(ranks, f.form);
        if (rank == 0 && mr.size() == 1) rank = FrequencyRank(ranks, f.lemma);
        if (!IsFunctionWordCode(r.code) && (rank == 0 || rank > maxRank)) continue;
        r.lemma = f.lemma.empty() ? f.form : f.lemma;
        r.marks = FrenchMarks(f, r.code);
        Candidate& c = byWord[f.form];
        c.word = f.form;
        AddReading(c, std::move(r));
    }
    return SortedCandidates(byWord);
}

std::vector<Candidate> EnglishCandidates(const std::vector<SourceForm>& forms, int maxLevel) {
    std::map<std::string, Candidate> byWord;
    for (const SourceForm& f : forms) {
        const int level = EnglishLevel(f);
        if (level <= 0 || level > maxLevel || IsRegionalOrVariant(f)) continue;
        const bool contraction = std::find(f.po.begin(), f.po.end(), "contraction") != f.po.end();
        // Lower-case words; contractions may begin with "I" (I'll, I'd).
        std::string probe = f.form;
        if (contraction && probe.size() > 1 && probe[0] == 'I' && probe[1] == '\'') probe[0] = 'i';
        if (!IsLowerWord(probe, contraction)) continue;
        bool ascii = true;
        for (unsigned char ch : f.form) ascii = ascii && ch < 0x80;
        if (!ascii || f.form.size() > kMaxWordLength) continue;
        CandidateReading r;
        r.code = EnglishCode(f, r.slot, r.marks);
        if (r.code.empty()) continue;
        r.lemma = f.lemma.empty() ? f.form : f.lemma;
        Candidate& c = byWord[f.form];
        c.word = f.form;
        AddReading(c, std::move(r));
    }
    return SortedCandidates(byWord);
}

std::vector<std::pair<std::string, std::string>> ParticipleAdjectivePairs(
    const std::vector<SourceForm>& forms) {
    // Masculine singular adjectives and their lemmas.
    std::unordered_map<std::string, std::string> adjectives;
    std::set<std::string> participles;
    for (const SourceForm& f : forms) {
        if (!VerbCodeOf(f).empty()) {
            if (HasPo(f, "ppre")) participles.insert(f.form);
            continue;
        }
        if (!HasPo(f, "adj") || HasIs(f, "pl") || (HasIs(f, "fem") && !HasIs(f, "mas"))) continue;
        adjectives.emplace(f.form, f.lemma);
    }
    struct Ending {
        const char* participle;
        const char* adjective;
    };
    static const Ending kEndings[] = {
        {"quant", "cant"}, {"guant", "gant"}, {"geant", "gent"}, {"ant", "ent"}};
    std::vector<std::pair<std::string, std::string>> out;
    for (const std::string& p : participles) {
        for (const Ending& e : kEndings) {
            const std::string end = e.participle;
            if (p.size() <= end.size() || p.compare(p.size() - end.size(), end.size(), end) != 0)
                continue;
            const std::string adj = p.substr(0, p.size() - end.size()) + e.adjective;
            auto it = adjectives.find(adj);
            if (adj != p && it != adjectives.end() && participles.count(adj) == 0) {
                out.emplace_back(p, adj);
                break;
            }
        }
    }
    return out;
}

// ---- Building ------------------------------------------------------------------------

std::vector<TaggedEntry> BuildTaggedList(
    const std::vector<TaggedEntry>& fixedRows,
    const std::vector<std::pair<std::string, std::string>>& participlePairs,
    const std::vector<Candidate>& candidates, const std::vector<std::string>& soundKeys,
    const TaggedWordChecks& checks, TaggedListStats& stats) {
    std::vector<TaggedEntry> list = fixedRows;
    KeySource keys;
    keys.used.insert("00");  // the key of the verb candidates' code strings
    std::unordered_map<std::string, std::string> listed;  // Mac Roman word -> key
    for (const TaggedEntry& e : fixedRows) {
        keys.used.insert(e.key);
        listed.emplace(e.word, e.key);
        ++stats.fixed;
        if (!EntryAnalyses(e, checks))
            stats.fixedNotAnalysed.push_back(Printable(FormatTaggedEntry(e)));
    }
    auto refuse = [&](const TaggedEntry& e) {
        ++stats.dropped;
        if (stats.droppedExamples.size() < 40)
            stats.droppedExamples.push_back(Printable(e.word + e.annotations));
    };
    // Adds the entries that pass the checks; returns how many.
    auto addChecked = [&](std::vector<TaggedEntry>& entries, const std::string& key) {
        size_t kept = 0;
        for (TaggedEntry& e : entries) {
            e.key = key;
            if (!EntryAnalyses(e, checks)) {
                refuse(e);
                continue;
            }
            listed.emplace(e.word, key);
            list.push_back(std::move(e));
            ++kept;
        }
        return kept;
    };

    // Participle / adjective pairs: the participle first.
    for (const auto& [participle, adjective] : participlePairs) {
        const std::string p = ToMacRoman(participle), a = ToMacRoman(adjective);
        if (p.empty() || a.empty()) continue;
        const bool pListed = listed.count(p) != 0, aListed = listed.count(a) != 0;
        if (pListed && aListed) continue;
        std::string key = pListed ? listed[p] : aListed ? listed[a] : std::string();
        std::vector<TaggedEntry> entries;
        if (!pListed) {
            Candidate c;
            c.word = participle;
            c.readings.push_back(CandidateReading{participle, "V", "", -1});
            entries = EntriesOf(c, "", checks);
        }
        if (!aListed) {
            TaggedEntry e;
            e.word = a;
            e.annotations = Mark("12") + Mark("M");
            entries.push_back(std::move(e));
        }
        // A pair is only worth listing whole (or joining its listed half).
        bool all = true;
        for (TaggedEntry& e : entries) all = all && EntryAnalyses(e, checks);
        if (!all) {
            for (TaggedEntry& e : entries) refuse(e);
            continue;
        }
        if (key.empty()) key = keys.Take();
        stats.pairs += static_cast<u32>(addChecked(entries, key));
    }

    // Homophone groups, in the order of their first word.
    std::map<std::string, std::vector<size_t>> bySound;
    std::vector<std::string> order;
    for (size_t i = 0; i < candidates.size() && i < soundKeys.size(); ++i) {
        if (soundKeys[i].empty()) continue;
        auto& v = bySound[soundKeys[i]];
        if (v.empty()) order.push_back(soundKeys[i]);
        v.push_back(i);
    }
    for (const std::string& sound : order) {
        const std::vector<size_t>& members = bySound[sound];
        if (members.size() < 2) continue;
        // Words of one lemma alone (chanter, chanté, chantez) are not
        // confusable homophones: some pair must share no lemma.
        bool distinct = false;
        for (size_t x = 0; x < members.size() && !distinct; ++x) {
            for (size_t y = x + 1; y < members.size() && !distinct; ++y) {
                bool shared = false;
                for (const CandidateReading& a : candidates[members[x]].readings)
                    for (const CandidateReading& b : candidates[members[y]].readings)
                        shared = shared || a.lemma == b.lemma;
                distinct = !shared;
            }
        }
        if (!distinct) continue;
        // A group that holds a listed word takes its key.
        std::string key;
        size_t fresh = 0;
        for (size_t m : members) {
            auto it = listed.find(ToMacRoman(candidates[m].word));
            if (it != listed.end()) {
                if (key.empty()) key = it->second;
            } else {
                ++fresh;
            }
        }
        if (fresh == 0) continue;
        std::vector<TaggedEntry> entries;
        std::set<std::string> words;
        for (size_t m : members) {
            const std::string mr = ToMacRoman(candidates[m].word);
            if (listed.count(mr) != 0) continue;
            for (TaggedEntry& e : EntriesOf(candidates[m], "", checks)) {
                if (!EntryAnalyses(e, checks)) {
                    refuse(e);
                    continue;
                }
                words.insert(e.word);
                entries.push_back(std::move(e));
            }
        }
        const bool joins = !key.empty();
        if (entries.empty() || (!joins && words.size() < 2)) continue;
        if (!joins) {
            key = keys.Take();
            if (key.empty()) break;  // every key is taken
            ++stats.groups;
        }
        const size_t kept = addChecked(entries, key);
        if (joins) stats.joined += static_cast<u32>(kept);
        stats.generated += static_cast<u32>(kept);
    }
    return list;
}

void ReportTaggedList(const char* language, const std::vector<TaggedEntry>& list,
                      const TaggedListStats& s, CompileReport& report) {
    const std::string l = std::string("homophones (") + language + "): ";
    report.Note(l + std::to_string(list.size()) + " entries: " + std::to_string(s.fixed) +
                " fixed, " + std::to_string(s.pairs) + " participle/adjective, " +
                std::to_string(s.generated) + " in " + std::to_string(s.groups) +
                " new groups (" + std::to_string(s.joined) + " joining fixed groups), " +
                std::to_string(s.dropped) + " dropped (not analysed as annotated)");
    for (const std::string& f : s.fixedNotAnalysed)
        report.Note(l + "fixed row not analysed as annotated (kept): " + f);
    for (size_t i = 0; i < s.droppedExamples.size() && i < 10; ++i)
        report.Note(l + "dropped: " + s.droppedExamples[i]);
}

// ---- Library checks ---------------------------------------------------------------------

namespace {

struct Lookup {
    std::vector<u16> tags;
};

Lookup LookUp(u16 mode, const std::string& macRoman) {
    Lookup out;
    BoundedString word;
    word.Allocate(40);
    std::copy_n(macRoman.begin(), std::min<size_t>(macRoman.size(), 36), word.data);
    const u16 savedCase = gCaseMode;
    gCaseMode = 0;
    u16 count = 0;
    LookupWordForm(mode, word, gWordTagCodes, count);
    gCaseMode = savedCase;
    const u32 n = std::min<u32>(count, gWordTagCodes.count);
    out.tags.assign(gWordTagCodes.data, gWordTagCodes.data + n);
    return out;
}

int VerbSlotIn(const Lookup& l) {
    for (u16 t : l.tags)
        if ((t >> 8) >= 0x80) return t & 0xFF;
    return -1;
}

// Tag classes that carry each category. French: nouns 'A', adjectives 'B',
// both 'C' (and the mixed classes 'M' 'N'). English tags: nouns '9',
// adjectives '8' (the dictionary's classes 'A' and 'B' read through the
// walk), mixed 'M' 'N'. Any other category is a function word, adverb or the
// like: any analysis that is not a verb form.
bool ClassFits(bool english, u8 cls, const std::string& code) {
    const std::string noun = english ? "9AMN" : "ACMN";
    const std::string adjective = english ? "8BMN" : "BCMN";
    const std::string both = english ? "MN" : "CMN";
    const char c = static_cast<char>(cls);
    if (code == "11") return noun.find(c) != std::string::npos;
    if (code == "12") return adjective.find(c) != std::string::npos;
    if (code == "13") return both.find(c) != std::string::npos;
    return cls < 0x80;
}

bool AnalysesIn(bool english, const Lookup& l, const std::string& code) {
    bool noun = false, adjective = false;
    for (u16 t : l.tags) {
        const u8 c = static_cast<u8>(t >> 8);
        if (ClassFits(english, c, code)) return true;
        noun = noun || ClassFits(english, c, "11");
        adjective = adjective || ClassFits(english, c, "12");
    }
    // A noun reading and an adjective reading make a noun or adjective.
    return code == "13" && noun && adjective;
}

int FrenchVerbSlot(const std::string& w) { return VerbSlotIn(LookUp(kModeFrenchPlain, w)); }
bool FrenchAnalysesAs(const std::string& w, const std::string& code) {
    return AnalysesIn(false, LookUp(kModeFrenchPlain, w), code);
}

// English lookups run on the English tables and leave French selected.
// The apostrophe of a contraction is looked up as the analysis marks it
// (0x93), as the dictionary stores it.
Lookup EnglishLookUp(const std::string& w) {
    const u16 language = gCheckingLanguage;
    SelectLanguageTables(0);
    std::string marked = w;
    std::replace(marked.begin(), marked.end(), '\'', '\x93');
    Lookup l = LookUp(0, marked);
    SelectLanguageTables(language == 0 ? 3 : language);
    return l;
}
int EnglishVerbSlot(const std::string& w) { return VerbSlotIn(EnglishLookUp(w)); }
bool EnglishAnalysesAs(const std::string& w, const std::string& code) {
    return AnalysesIn(true, EnglishLookUp(w), code);
}

}  // namespace

TaggedWordChecks FrenchLibraryChecks() { return TaggedWordChecks{FrenchVerbSlot, FrenchAnalysesAs}; }
TaggedWordChecks EnglishLibraryChecks() {
    return TaggedWordChecks{EnglishVerbSlot, EnglishAnalysesAs};
}

bool EnglishDictionaryInstalled() { return gEnglishDictSectionCount > 0; }

// ---- Whole lists ------------------------------------------------------------------------

namespace {

bool SoundKeysOf(bool english, const std::vector<Candidate>& candidates,
                 const std::string& workDir, std::vector<std::string>& soundKeys,
                 std::string& error) {
    std::vector<std::string> words;
    words.reserve(candidates.size());
    for (const Candidate& c : candidates) words.push_back(c.word);
    std::vector<std::string> phonemes;
    if (!RunEspeak(english ? "en-us" : "fr", words, workDir, phonemes, error)) return false;
    soundKeys.clear();
    for (const std::string& p : phonemes) soundKeys.push_back(SoundKey(english, p));
    return true;
}

// The fixed words take part in the sound groups (so that their homophones
// join their rows) without readings of their own; the list builder never
// lists them again.
void AddFixedWords(const std::vector<TaggedEntry>& fixedRows, std::vector<Candidate>& candidates) {
    std::set<std::string> present;
    for (const Candidate& c : candidates) present.insert(c.word);
    for (const TaggedEntry& e : fixedRows) {
        const std::string w = MacRomanToUtf8(e.word);
        if (w.find('\'') != std::string::npos && w.back() == '\'') continue;  // c', s'
        if (present.insert(w).second) candidates.push_back(Candidate{w, {}});
    }
}

}  // namespace

bool CompileFrenchTaggedList(const std::vector<SourceForm>& forms, const FrequencyRanks& ranks,
                             const std::string& workDir, const TaggedWordChecks& checks,
                             std::vector<TaggedEntry>& list, CompileReport& report,
                             std::string& error) {
    std::vector<Candidate> candidates = FrenchCandidates(forms, ranks, kFrenchHomophoneMaxRank);
    AddFixedWords(FrenchFixedEntries(), candidates);
    std::vector<std::string> soundKeys;
    if (!SoundKeysOf(false, candidates, workDir, soundKeys, error)) return false;
    TaggedListStats stats;
    list = BuildTaggedList(FrenchFixedEntries(), ParticipleAdjectivePairs(forms), candidates,
                           soundKeys, checks, stats);
    report.Note("homophones (French): " + std::to_string(candidates.size()) +
                " common words pronounced by espeak-ng");
    ReportTaggedList("French", list, stats, report);
    return true;
}

bool CompileEnglishTaggedList(const std::vector<SourceForm>& forms, const std::string& workDir,
                              const TaggedWordChecks& checks, std::vector<TaggedEntry>& list,
                              CompileReport& report, std::string& error) {
    std::vector<Candidate> candidates = EnglishCandidates(forms, kEnglishHomophoneMaxLevel);
    AddFixedWords(EnglishFixedEntries(), candidates);
    std::vector<std::string> soundKeys;
    if (!SoundKeysOf(true, candidates, workDir, soundKeys, error)) return false;
    TaggedListStats stats;
    list = BuildTaggedList(EnglishFixedEntries(), {}, candidates, soundKeys, checks, stats);
    report.Note("homophones (English): " + std::to_string(candidates.size()) +
                " common words pronounced by espeak-ng");
    ReportTaggedList("English", list, stats, report);
    return true;
}

bool CompileTaggedListBlocks(const std::vector<SourceForm>& frenchForms,
                             const FrequencyRanks& ranks, const std::string& npmDir,
                             const std::vector<SourceForm>* englishForms,
                             const std::string& workDir, bool check,
                             std::vector<u8>& englishBlock, std::vector<u8>& frenchBlock,
                             CompileReport& report, std::string& error) {
    std::error_code ec;
    std::filesystem::create_directories(workDir, ec);
    std::vector<TaggedEntry> french;
    if (!CompileFrenchTaggedList(frenchForms, ranks, workDir,
                                 check ? FrenchLibraryChecks() : TaggedWordChecks{}, french, report,
                                 error))
        return false;
    frenchBlock = EncodeTaggedBlock(french);

    std::vector<SourceForm> read;
    if (englishForms == nullptr) {
        EnglishSourcePaths paths;
        paths.nodeModulesDir = npmDir;
        EnglishSources sources;
        if (!ReadEnglishSources(paths, sources, error)) return false;
        EnglishFormStats stats;
        read = BuildEnglishForms(sources, stats);
        englishForms = &read;
    }
    TaggedWordChecks englishChecks;
    if (check && EnglishDictionaryInstalled()) {
        englishChecks = EnglishLibraryChecks();
    } else if (check) {
        report.Note("homophones (English): no English dictionary in the compiler: "
                    "generated entries not checked");
    }
    std::vector<TaggedEntry> english;
    if (!CompileEnglishTaggedList(*englishForms, workDir, englishChecks, english, report, error))
        return false;
    englishBlock = EncodeTaggedBlock(english);
    return true;
}
