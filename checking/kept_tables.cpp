#include "checking/kept_tables.h"

#include "frame/records.h"
#include "frame/tables.h"

namespace {

// Trial runs inside composer runs inside the correction loop, which keeps
// the sentence's own order around each dispatcher call: four levels are
// used, one more is spare.
constexpr u32 kLevels = 5;

struct KeptLevel {
    BoundedArray<WordRecord> words;
    BoundedArray<SegmentRecord> segments;
    u16 wordCount = 0;
    u16 segmentCount = 0;
    u32 saved = 0;  // records of `words` in use
};

struct KeptStorage {
    KeptLevel levels[kLevels];
    u32 depth = 0;
    KeptStorage() {
        for (KeptLevel& l : levels) {
            CreateWordRecordArray(l.words, gWords.count);
            l.segments.Allocate(gSegments.count);
        }
    }
};

KeptStorage& Storage() {
    static KeptStorage s;
    return s;
}

}  // namespace

bool SaveSentenceTables() {
    KeptStorage& st = Storage();
    if (st.depth >= kLevels) return false;
    KeptLevel& l = st.levels[st.depth++];
    // The records past the scratch one hold nothing of the sentence.
    l.saved = gWordCount + 1u < gWords.count ? gWordCount + 1u : gWords.count;
    for (u32 k = 0; k < l.saved; ++k) CopyWordRecord(l.words.data[k], gWords.data[k]);
    for (u32 k = 0; k < gSegments.count; ++k) l.segments.data[k] = gSegments.data[k];
    l.wordCount = gWordCount;
    l.segmentCount = gSegmentCount;
    return true;
}

void RestoreSentenceTables() {
    KeptStorage& st = Storage();
    if (st.depth == 0) return;
    const KeptLevel& l = st.levels[--st.depth];
    for (u32 k = 0; k < l.saved; ++k) CopyWordRecord(gWords.data[k], l.words.data[k]);
    for (u32 k = 0; k < gSegments.count; ++k) gSegments.data[k] = l.segments.data[k];
    gWordCount = l.wordCount;
    gSegmentCount = l.segmentCount;
}

void DropSentenceTables() {
    KeptStorage& st = Storage();
    if (st.depth > 0) --st.depth;
}
