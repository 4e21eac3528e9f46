// The data compiler's view of a source lexicon: every inflected form with its
// lemma and the source's morphological fields, before any encoding.
#pragma once
#include <string>
#include <vector>

struct SourceForm {
    std::string form;                // UTF-8, as the source spells it
    std::string lemma;               // UTF-8
    std::vector<std::string> po;     // part-of-speech fields ("po:" values)
    std::vector<std::string> is;     // inflection fields ("is:" values)
    std::vector<std::string> other;  // any other field, verbatim "key:value"
};

// Counters and notes that every stage adds to the compiler's summary.
struct CompileReport {
    std::vector<std::string> lines;
    void Note(std::string line) { lines.push_back(std::move(line)); }
};
