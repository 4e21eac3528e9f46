// Saved sentence word tables for the rule benchmarks: the readings, case
// mode and text of each word, taken from gWords and put back before each
// run.
#pragma once
#include <string>
#include <vector>

#include "frame/bounded_string.h"
#include "frame/records.h"
#include "frame/tables.h"

namespace word_tables {

struct SavedWord {
    u16 count;
    u8 cls[8], feat[8], cat[8], mark[8];
    u32 lemma[8];
    u16 caseMode;
    std::string text;
};
using SavedTable = std::vector<SavedWord>;

inline SavedTable Save() {
    SavedTable t;
    for (i32 i = 0; i < gWordCount; ++i) {
        const WordRecord& w = gWords[i];
        SavedWord s{};
        s.count = w.ReadingCount;
        for (i32 r = 0; r < 8; ++r) {
            s.cls[r] = w.ReadingClasses[r];
            s.feat[r] = w.ReadingFeatures[r];
            s.cat[r] = w.ReadingCategories[r];
            s.mark[r] = w.ReadingMarks[r];
            s.lemma[r] = w.ReadingLemmaRefs[r];
        }
        s.caseMode = w.WordCaseMode;
        s.text = reinterpret_cast<const char*>(w.WordText.data);
        t.push_back(s);
    }
    return t;
}

inline void Restore(const SavedTable& t) {
    gWordCount = static_cast<u16>(t.size());
    for (i32 i = 0; i < gWordCount; ++i) {
        const SavedWord& s = t[static_cast<size_t>(i)];
        WordRecord& w = gWords[i];
        w.ReadingCount = s.count;
        for (i32 r = 0; r < 8; ++r) {
            w.ReadingClasses[r] = s.cls[r];
            w.ReadingFeatures[r] = s.feat[r];
            w.ReadingCategories[r] = s.cat[r];
            w.ReadingMarks[r] = s.mark[r];
            w.ReadingLemmaRefs[r] = s.lemma[r];
        }
        w.WordCaseMode = s.caseMode;
        CopyCString(w.WordText, s.text.c_str());
    }
}

}  // namespace word_tables
