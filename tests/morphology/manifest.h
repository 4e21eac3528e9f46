// Reader of the manifests the data compiler writes beside the blocks: one
// line per encoded form, word TAB case mode TAB tag:byte:ref,... TAB lemma,
// the word in Mac Roman with bytes outside printable ASCII written \xHH.
#pragma once
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "frame/types.h"

struct Intended {
    u16 tag;
    u8 byte;
    u32 ref;
};

struct Line {
    std::string word;  // Mac Roman key text
    u16 caseMode = 0;
    std::vector<Intended> analyses;
    std::string lemma;
};

inline std::string Unescape(const std::string& s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 3 < s.size() && s[i + 1] == 'x') {
            out += static_cast<char>(std::stoi(s.substr(i + 2, 2), nullptr, 16));
            i += 3;
        } else {
            out += s[i];
        }
    }
    return out;
}

inline std::vector<Line> ReadManifest(const char* path) {
    std::vector<Line> out;
    std::ifstream in(path, std::ios::binary);
    std::string l;
    while (std::getline(in, l)) {
        std::vector<std::string> f;
        std::stringstream ss(l);
        std::string field;
        while (std::getline(ss, field, '\t')) f.push_back(field);
        if (f.size() < 3) continue;
        Line line;
        line.word = Unescape(f[0]);
        line.caseMode = static_cast<u16>(std::atoi(f[1].c_str()));
        std::stringstream as(f[2]);
        std::string one;
        while (std::getline(as, one, ',')) {
            unsigned tag = 0, byte = 0;
            unsigned long ref = 0;
            if (std::sscanf(one.c_str(), "%x:%u:%lu", &tag, &byte, &ref) == 3)
                line.analyses.push_back({static_cast<u16>(tag), static_cast<u8>(byte), static_cast<u32>(ref)});
        }
        line.lemma = f.size() > 3 ? f[3] : "";
        out.push_back(std::move(line));
    }
    return out;
}
