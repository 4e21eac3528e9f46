// Reset of the sentence state.
#include "frame/sentence_state.h"

#include <cstring>

#include "frame/records.h"
#include "frame/tables.h"

u16 gSentenceEndPending = 0;
u16 gAbbreviationPending = 0;
u16 gLineBreakPending = 0;
u16 gDashPending = 0;

namespace {

// Zeroes a whole buffer (an empty string, a cleared reading array).
template <typename T>
void ClearBuffer(BoundedArray<T>& a) {
    if (a.valid != 0 && a.data != nullptr && a.count != 0) {
        std::memset(a.data, 0, sizeof(T) * a.count);
    }
}


// Leading records the sentence in hand may have written besides its words
// (NoteWordRecordsWritten).
u32 gRecordsWritten = 0;

#ifndef NDEBUG
template <typename T>
bool IsClearBuffer(const BoundedArray<T>& a) {
    for (u32 k = 0; k < a.count; ++k)
        if (a.data[k] != 0) return false;
    return true;
}

// As ClearWordRecord leaves a record.
bool IsClearWordRecord(const WordRecord& w) {
    return w.ReadingCount == 0 && IsClearBuffer(w.ReadingClasses) && IsClearBuffer(w.ReadingFeatures) &&
           IsClearBuffer(w.ReadingCategories) && IsClearBuffer(w.ReadingMarks) &&
           IsClearBuffer(w.ReadingLemmaRefs) && w.GroupMark == 0 && w.FunctionCode == 0 &&
           w.LinkedWord == 65535 && IsClearBuffer(w.BaseText) && w.StartOffset == 0 && w.EndOffset == 0 &&
           w.ClauseNumber == 0 && w.OriginalIndex == 0 && w.SourceIndex == 0 && w.SpanFlag == 0 &&
           w.WordCaseMode == 0 && w.FirstLigaturePos == 65535 && w.SecondLigaturePos == 65535 &&
           w.LigatureMode == 0 && w.QuoteFlags == 0 && w.CorrectionMark == 0 && w.AmbiguityFlag == 0 &&
           IsClearBuffer(w.WordText) && IsClearBuffer(w.LexiconForm) && IsClearBuffer(w.SeparatorText);
}
#endif

void ResetSentenceFlags() {
    gSentenceEndPending = 0;
    gAbbreviationPending = 0;
    gLineBreakPending = 0;
    gDashPending = 0;

    gSpellingSuggestionCount = 0;
    if (gSpellingSuggestions.data != nullptr) {
        for (u32 i = 0; i < gSpellingSuggestions.count; ++i) ClearBuffer(gSpellingSuggestions.data[i]);
    }
}

}  // namespace

u32 WordRecordBound(u32 count) {
    const u32 bound = 2u * count + 16u;
    return bound < gWords.count ? bound : gWords.count;
}


void ClearWordRecord(WordRecord& w) {
    w.ReadingCount = 0;
    u8* block = WordRecordBlock(w);
    if (block != nullptr) {
        std::memset(block, 0, kWordRecordBlockBytes);
    } else {
        ClearBuffer(w.ReadingClasses);
        ClearBuffer(w.ReadingFeatures);
        ClearBuffer(w.ReadingCategories);
        ClearBuffer(w.ReadingMarks);
        ClearBuffer(w.ReadingLemmaRefs);
        ClearBuffer(w.BaseText);
        ClearBuffer(w.WordText);
        ClearBuffer(w.LexiconForm);
        ClearBuffer(w.SeparatorText);
    }
    w.GroupMark = 0;
    w.FunctionCode = 0;
    w.LinkedWord = 65535;
    w.StartOffset = 0;
    w.EndOffset = 0;
    w.ClauseNumber = 0;
    w.OriginalIndex = 0;
    w.SourceIndex = 0;
    w.SpanFlag = 0;
    w.WordCaseMode = 0;
    w.FirstLigaturePos = 65535;  // no ligature expanded
    w.SecondLigaturePos = 65535;  // no ligature expanded
    w.LigatureMode = 0;
    w.QuoteFlags = 0;
    w.CorrectionMark = 0;
    w.AmbiguityFlag = 0;
}

void ResetSentenceState() {
    ResetSentenceFlags();
    gRecordsWritten = 0;
    gWordCount = 0;
    if (gWords.data == nullptr) return;
    for (u32 i = 0; i < gWords.count; ++i) ClearWordRecord(gWords.data[i]);
}

void NoteWordRecordsWritten(u32 n) {
    if (n > gRecordsWritten) gRecordsWritten = n;
}

void ResetWalkedSentenceState() {
    ResetSentenceFlags();
    u32 bound = WordRecordBound(gWordCount);
    if (gRecordsWritten > bound) bound = gRecordsWritten < gWords.count ? gRecordsWritten : gWords.count;
    gRecordsWritten = 0;
    gWordCount = 0;
    if (gWords.data == nullptr) return;
    for (u32 i = 0; i < bound; ++i) ClearWordRecord(gWords.data[i]);
#ifndef NDEBUG
    for (u32 i = bound; i < gWords.count; ++i)
        if (!IsClearWordRecord(gWords.data[i])) __builtin_trap();
#endif
}
