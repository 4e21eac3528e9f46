// Sentence starts and per-word syntax records of a paragraph.
#include <cstdint>
#include <cstring>

#include "analysis/paragraph_frame.h"
#include "analysis/syntax_records.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "krzlib.h"

namespace {

struct StartsWork {
    i16 maxStarts;
    u16 count;
    u32* starts;  // null: count only
};

void StoreStart(void* context, BoundedString&, u32 start) {
    StartsWork& s = *static_cast<StartsWork*>(context);
    if (start == 0) return;  // the first sentence's start is stored up front
    if (s.starts == nullptr) {
        if (s.count < UINT16_MAX) ++s.count;  // saturates: the host sizes buffers from it
    } else if (static_cast<i32>(s.count) < s.maxStarts) {
        s.starts[s.count] = start;
        ++s.count;
    }
}

// Sentence starts of the paragraph; with a null array only their number.
void FindParagraphSentenceStarts(const char* text, i16 maxStarts, u16* count, u32* starts) {
    StartsWork s{maxStarts, 0, starts};
    if (starts == nullptr) {
        s.count = 1;
    } else if (maxStarts > 0) {
        starts[0] = 0;
        s.count = 1;
    }
    WalkParagraphSentences(text, TokenSet::kParagraph, StoreStart, &s);
    *count = s.count;
}

struct SyntaxWork {
    u16 accents;
    u32 maxWords;
    u32 maxSentence;
    u32 recordCount;
    u32 sentenceCount;
    u16* readingCounts;
    u8* records;
    u16* sentenceFirstRecord;
    u16 withBaseForms;
};

void AnalyseSentenceSyntax(void* context, BoundedString& copy, u32) {
    SyntaxWork& s = *static_cast<SyntaxWork*>(context);
    if (s.sentenceCount > s.maxSentence) return;
    s.sentenceFirstRecord[s.sentenceCount] = static_cast<u16>(s.recordCount);
    ++s.sentenceCount;
    CheckAnalysedSentence(copy, s.accents, 1);
    BuildSyntaxAnalysisRecords(s.maxWords, s.recordCount, s.readingCounts, s.records, s.withBaseForms);
}

struct FormCounts {
    u32 words = 0;
    u32 sentences = 0;
};

void CountSentenceWords(void* context, BoundedString&, u32) {
    FormCounts& c = *static_cast<FormCounts*>(context);
    c.words += gWordCount;
    ++c.sentences;
}

}  // namespace

extern "C" KRZ_API void KRZParagraphSentencesStart(const char* text, int16_t maxStarts, uint16_t* count,
                                                   uint32_t* starts) {
    if (count == nullptr) return;
    *count = 0;
    ApplyCallOptions();
    if (text == nullptr || starts == nullptr) return;
    try {
        FindParagraphSentenceStarts(text, maxStarts, count, starts);
    } catch (...) {
    }
}

extern "C" KRZ_API void KRZCountParagraphSentencesStart(const char* text, uint16_t* count) {
    if (count == nullptr) return;
    *count = 0;
    ApplyCallOptions();
    if (text == nullptr) return;
    try {
        FindParagraphSentenceStarts(text, 0, count, nullptr);
    } catch (...) {
    }
}

extern "C" KRZ_API void KRZSentenceSyntaxAnalysis(const char* text, uint32_t accentsOnCapitals, uint32_t maxWords,
                                                  uint32_t* recordCount, uint16_t* readingCounts, uint8_t* records,
                                                  uint32_t maxSentence, uint32_t* sentenceCount,
                                                  uint16_t* sentenceFirstRecord, uint16_t withBaseForms) {
    ApplyCallOptions();
    if (recordCount != nullptr) *recordCount = 0;
    if (sentenceCount != nullptr) *sentenceCount = 0;
    if (text == nullptr || recordCount == nullptr || sentenceCount == nullptr || sentenceFirstRecord == nullptr ||
        (maxWords > 0 && (readingCounts == nullptr || records == nullptr)))
        return;
    SyntaxWork s{static_cast<u16>(accentsOnCapitals), maxWords, maxSentence, 0, 0, readingCounts, records,
                 sentenceFirstRecord, withBaseForms};
    try {
        WalkParagraphSentences(text, TokenSet::kAnalysis, AnalyseSentenceSyntax, &s);
    } catch (...) {
    }
    *recordCount = s.recordCount;
    *sentenceCount = s.sentenceCount;
}

extern "C" KRZ_API void KRZCountMaxAnalysisForms(const char* text, uint32_t* wordTotal, uint32_t* sentenceTotal) {
    ApplyCallOptions();
    if (wordTotal != nullptr) *wordTotal = 0;
    if (sentenceTotal != nullptr) *sentenceTotal = 0;
    if (text == nullptr || wordTotal == nullptr || sentenceTotal == nullptr) return;
    FormCounts c;
    try {
        WalkParagraphSentences(text, TokenSet::kAnalysis, CountSentenceWords, &c);
    } catch (...) {
    }
    *wordTotal = c.words;
    *sentenceTotal = c.sentences;
}
