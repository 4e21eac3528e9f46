// Readers of the npm word lists.
//
// @zxcvbn-ts/language-fr ships its lists as JSON arrays of strings, most
// frequent first (src/commonWords.json: subtitles, src/wikipedia.json:
// Wikipedia). french-h-muet-aspire ships its list only as JavaScript
// (dist/index.js: `const hAspireList = [ 'habanera', ..., "hors-d'œuvre", ];`),
// so its array literal is read as quoted strings between '[' and "];".
#include "tools/datacomp/frequency.h"
#include "tools/datacomp/source_text.h"

#include <fstream>
#include <sstream>
#include <string_view>
#include <vector>

namespace {



int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads a quoted string starting at text[i] (the quote); i ends after the
// closing quote. Handles the JSON/JavaScript escapes the lists could hold.
bool ReadQuoted(std::string_view text, std::size_t& i, std::string& out) {
    char quote = text[i++];
    out.clear();
    while (i < text.size()) {
        char c = text[i++];
        if (c == quote) return true;
        if (c != '\\') {
            out += c;
            continue;
        }
        if (i >= text.size()) return false;
        char e = text[i++];
        switch (e) {
            case 'n': out += '\n'; break;
            case 't': out += '\t'; break;
            case 'r': out += '\r'; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'u': {
                if (i + 4 > text.size()) return false;
                u32 cp = 0;
                for (int k = 0; k < 4; ++k) {
                    int d = HexDigit(text[i++]);
                    if (d < 0) return false;
                    cp = cp << 4 | static_cast<u32>(d);
                }
                AppendUtf8(out, cp);
                break;
            }
            default: out += e;  // \" \' \\ \/
        }
    }
    return false;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Strings of an array literal running from text[i] = '[' to its ']'.
// Line comments between items are skipped.
bool ReadStringArray(std::string_view text, std::size_t i, std::vector<std::string>& items) {
    if (i >= text.size() || text[i] != '[') return false;
    ++i;
    std::string s;
    while (i < text.size()) {
        char c = text[i];
        if (IsBlank(c) || c == ',') {
            ++i;
        } else if (c == ']') {
            return true;
        } else if (c == '"' || c == '\'') {
            if (!ReadQuoted(text, i, s)) return false;
            items.push_back(s);
        } else if (c == '/' && i + 1 < text.size() && text[i + 1] == '/') {
            while (i < text.size() && text[i] != '\n') ++i;
        } else {
            return false;
        }
    }
    return false;
}

std::string LowerInitialH(const std::string& word) {
    if (!word.empty() && word[0] == 'H') return 'h' + word.substr(1);
    return word;
}

// ASCII and the Latin-1 capitals (UTF-8 C3 80..C3 9E, except ×) lowered.
std::string LowerUtf8(const std::string& word) {
    std::string out = word;
    for (std::size_t i = 0; i < out.size(); ++i) {
        u8 c = static_cast<u8>(out[i]);
        if (c >= 'A' && c <= 'Z') {
            out[i] = static_cast<char>(c + 32);
        } else if (c == 0xC3 && i + 1 < out.size()) {
            u8 d = static_cast<u8>(out[i + 1]);
            if (d >= 0x80 && d <= 0x9E && d != 0x97) out[i + 1] = static_cast<char>(d + 0x20);
            ++i;
        }
    }
    return out;
}

}  // namespace

bool ReadRankList(const std::string& jsonPath, FrequencyRanks& ranks, std::string& error) {
    std::string text;
    if (!ReadWholeFile(jsonPath, text)) {
        error = "cannot read " + jsonPath;
        return false;
    }
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    std::vector<std::string> words;
    if (!ReadStringArray(text, i, words)) {
        error = jsonPath + ": not a JSON array of strings";
        return false;
    }
    for (std::size_t k = 0; k < words.size(); ++k) {
        u32 r = static_cast<u32>(k + 1);
        auto [it, inserted] = ranks.rank.emplace(words[k], r);
        if (!inserted && r < it->second) it->second = r;
    }
    return true;
}

bool ReadFrenchFrequencies(const std::string& nodeModulesDir, FrequencyRanks& ranks,
                           std::string& error) {
    return ReadRankList(nodeModulesDir + "/" + kFrenchSubtitleRanksFile, ranks, error) &&
           ReadRankList(nodeModulesDir + "/" + kFrenchWikipediaRanksFile, ranks, error);
}

u32 FrequencyRank(const FrequencyRanks& ranks, const std::string& word) {
    auto it = ranks.rank.find(word);
    if (it != ranks.rank.end()) return it->second;
    it = ranks.rank.find(LowerUtf8(word));
    return it == ranks.rank.end() ? 0 : it->second;
}

bool ReadHAspireWords(const std::string& nodeModulesDir, HAspireWords& out, std::string& error) {
    std::string path = nodeModulesDir + "/" + kHAspireFile;
    std::string text;
    if (!ReadWholeFile(path, text)) {
        error = "cannot read " + path;
        return false;
    }
    std::size_t at = text.find("hAspireList");
    if (at != std::string::npos) at = text.find('[', at);
    std::vector<std::string> words;
    if (at == std::string::npos || !ReadStringArray(text, at, words) || words.empty()) {
        error = path + ": no hAspireList array";
        return false;
    }
    out.words.insert(words.begin(), words.end());
    return true;
}

bool IsHAspire(const HAspireWords& list, const std::string& word) {
    return list.words.count(word) != 0 || list.words.count(LowerInitialH(word)) != 0;
}

void ReportSourceLists(const FrequencyRanks& ranks, const HAspireWords& hAspire,
                       CompileReport& report) {
    report.Note("frequency: ranked words " + std::to_string(ranks.rank.size()));
    report.Note("h aspire: listed words " + std::to_string(hAspire.words.size()));
}
