// Texts of the benchmarks: one paragraph per line (UTF-8 on disk), handed to
// the exports in Windows-1252, and the word count used for words/s.
#pragma once
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "cli/host_text.h"

namespace bench_text {

inline std::string Windows1252FromUtf8(const std::string& s) { return host_text::HostFromUtf8(s); }

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
