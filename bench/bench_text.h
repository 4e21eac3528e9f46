// Texts of the benchmarks: one paragraph per line (UTF-8 on disk), handed to
// the exports in Windows-1252, and the word count used for words/s.
#pragma once
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace bench_text {

// Windows-1252 form of UTF-8 text ('?' for characters it lacks).
inline std::string Windows1252FromUtf8(const std::string& s) {
    static const struct { unsigned cp; char b; } kHigh[] = {
        {0x20AC, '\x80'}, {0x201E, '\x84'}, {0x2026, '\x85'}, {0x0152, '\x8C'}, {0x2018, '\x91'},
        {0x2019, '\x92'}, {0x201C, '\x93'}, {0x201D, '\x94'}, {0x2013, '\x96'}, {0x2014, '\x97'},
        {0x0153, '\x9C'}, {0x0178, '\x9F'}};
    std::string out;
    for (size_t i = 0; i < s.size();) {
        const unsigned char b = static_cast<unsigned char>(s[i]);
        unsigned cp = b;
        const size_t n = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
        if (n > 1) cp = b & (0x3F >> (n - 1));
        for (size_t k = 1; k < n && i + k < s.size(); ++k) cp = (cp << 6) | (s[i + k] & 0x3F);
        i += n;
        char c = '?';
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) c = static_cast<char>(cp);
        for (const auto& h : kHigh) {
            if (h.cp == cp) c = h.b;
        }
        out.push_back(c);
    }
    return out;
}

// The non-empty lines of a file, converted.
inline std::vector<std::string> LoadParagraphs(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> out;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) out.push_back(Windows1252FromUtf8(line));
    }
    return out;
}

// Words as `wc -w` counts them (runs of non-blank bytes).
inline uint64_t CountWords(const std::string& p) {
    uint64_t words = 0;
    bool inWord = false;
    for (char c : p) {
        const bool letter = c != ' ' && c != '\t' && c != '\n' && c != '\r';
        if (letter && !inWord) ++words;
        inWord = letter;
    }
    return words;
}

inline uint64_t CountWords(const std::vector<std::string>& paragraphs) {
    uint64_t words = 0;
    for (const std::string& p : paragraphs) words += CountWords(p);
    return words;
}

}  // namespace bench_text
