// Calls of the inflection engine on the built-in French dictionary: words
// and expected forms are Mac Roman (written through MR()), results come back
// as strings.
#pragma once
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "frame/bounded_array.h"
#include "frame/report.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "inflection/inflect.h"
#include "krzlib.h"
#include "morphology/word_lookup.h"

struct Inflected {
    u16 code = 0;
    u16 count = 0;
    std::vector<std::string> forms;  // the first `count` results
};

inline BoundedString InflectText(const std::string& text, u32 capacity = 36) {
    BoundedString s;
    s.Allocate(capacity);
    std::memcpy(s.data, text.data(), std::min<std::size_t>(text.size(), capacity - 1));
    return s;
}

class InflectTest : public ::testing::Test {
protected:
    void SetUp() override {
        while (gInitCount != 0) KRZEnd();
        KRZInit(3, 0);
        InitByteMatrix(results, 8, 36);
        // Set per call by the exports, and left as the last check found the
        // case of its words: a text in capitals would change the lookups.
        gCaseMode = 0;
    }
    void TearDown() override {
        while (gInitCount != 0) KRZEnd();
    }
    Inflected Run(u32 mode, const std::string& word, u16 count = 0) {
        BoundedString w = InflectText(word);
        Inflected out;
        out.count = count;
        out.code = InflectWord(mode, w, out.count, results);
        for (u32 i = 0; i < out.count && i < results.count; ++i)
            out.forms.emplace_back(reinterpret_cast<const char*>(results[static_cast<i32>(i)].data));
        return out;
    }
    // Puts candidates (stem + model byte) in the results for a second phase.
    void Candidates(const std::vector<std::string>& candidates) {
        for (std::size_t i = 0; i < candidates.size(); ++i) {
            BoundedString& r = results[static_cast<i32>(i)];
            std::memset(r.data, 0, r.count);
            std::memcpy(r.data, candidates[i].data(), candidates[i].size());
        }
    }
    StringList results;
};

// A candidate: stem followed by its model byte.
inline std::string Cand(const char* stem, u8 model) { return std::string(stem) + static_cast<char>(model); }
