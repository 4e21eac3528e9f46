// The sentence-document exports: the host text cut into sentences, each
// checked in analysis mode and written as one XML document.
#include <cstring>
#include <memory>

#include "analysis/paragraph_frame.h"
#include "analysis/xml_output.h"
#include "checking/correction_forms.h"
#include "checking/recorders.h"
#include "checking/sentence_check.h"
#include "checking/tokenizer.h"
#include "frame/bounded_string.h"
#include "frame/mac_roman.h"
#include "frame/report.h"
#include "frame/sentence_state.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "krzlib.h"

namespace {

inline constexpr u32 kNoSentence = 0xFFFFFFFF;

// What is done with each sentence the loop completes (first and last
// offset in the working copy); null: the sentences are only counted.
using SentenceSink = void (*)(void* context, BoundedString& copy, u32 index, u32 first, u32 last);

struct SentenceLoop {
    u32 maxSentences = 0;
    u32* starts = nullptr;
    SentenceSink sink = nullptr;
    void* context = nullptr;
};

// Reads the token at or after `position` into `token`: its offsets, or
// false when none is left.
bool NextToken(ParagraphWalk& w, u32 position, BoundedString& token, i32& first, i32& last) {
    first = last = 0;
    if (RunTokenAutomaton(w.automaton, w.stateCount, w.copy, static_cast<i32>(position), w.textLength, first,
                          last) == 0)
        return false;
    u32 n = static_cast<u32>(last - first + 1) & 0xFFFF;
    if (n > kMaxTokenLength) n = kMaxTokenLength;
    CopyBytesToString(token, w.copy.data + first, static_cast<i32>(n));
    return true;
}

// The sentence loop of the family: returns the number of sentences (at
// most maxSentences). A text without a token counts one sentence.
u32 RunSentenceLoop(ParagraphWalk& w, const SentenceLoop& loop) {
    Work36 token;
    u32 count = 0, scan = 0, sentenceStart = 0, first = kNoSentence, last = 0;
    u32 restartAt = kNoSentence;  // where the last sentence break was met
    const u32 length = static_cast<u32>(w.textLength);
    if (loop.starts != nullptr && loop.maxSentences > 0) loop.starts[0] = 0;
    while (count < loop.maxSentences) {
        if (sentenceStart > length) break;
        i32 tf = 0, tl = 0;
        if (!NextToken(w, scan, token.s, tf, tl)) break;
        if (first == kNoSentence) {
            first = static_cast<u32>(tf);
            last = static_cast<u32>(tl);
        }
        u16 r = AppendSentenceToken(token.s, static_cast<u32>(tf), 1);
        // A break met twice at one place (no token taken in between) would
        // never move on: the token joins the sentence the second time.
        if (r == kTokenStartsSentence && restartAt == scan && gWordCount == 0) r = 0;
        if (r != kTokenStartsSentence) {
            // The end flag (1) marks a final sign that joined the sentence.
            if (token.s.data[0] != 13) last = static_cast<u32>(tl);
            scan = static_cast<u32>(tl) + 1;
            gCurrentOffset = scan;
            continue;
        }
        if (loop.sink != nullptr && first != kNoSentence) loop.sink(loop.context, w.copy, count, first, last);
        first = kNoSentence;
        ++count;
        ResetSentenceState();
        restartAt = scan = sentenceStart = gCurrentOffset;
        if (loop.starts != nullptr && count < loop.maxSentences) loop.starts[count] = scan;
    }
    if (count < loop.maxSentences && sentenceStart <= length) {
        if (loop.sink != nullptr && first != kNoSentence) loop.sink(loop.context, w.copy, count, first, last);
        ++count;
    }
    return count;
}

struct RenderContext {
    const SentenceAnalysisCall* call;
};

// Checks the sentence in analysis mode and writes its document.
void RenderSentence(void* context, BoundedString& copy, u32 index, u32 first, u32 last) {
    const SentenceAnalysisCall& call = *static_cast<RenderContext*>(context)->call;
    const u32 n = last - first + 1;
    std::unique_ptr<u8[]> block(new (std::nothrow) u8[n + 1]);
    if (block) {
        std::memcpy(block.get(), copy.data + first, n);
        block[n] = 0;
    }
    gRewriteSegmentCount = 0;
    gHitHistoryCount = 0;
    CheckSentence(copy, call.checkOption, 1, call.accentsOnCapitals, 0, AccountAnalysisError, nullptr, 1, 0, 0, 1);
    WriteSentenceDocument(call.buffers[index], call.bufferSize, block ? block.get() : nullptr, block ? n : 0);
}

void WriteWordList(char* list, u32 size) {
    Work36 entry;
    for (u32 i = 0; i < gDerivedStemCount && i < gRelationWorkStrings.count; ++i) {
        CopyString(entry.s, gRelationWorkStrings[i]);
        const u32 n = TextLen(entry.s);
        if (n < 2) continue;
        const u8 classByte = entry.s.data[n - 2];
        TextCut(entry.s, n - 2);
        AppendToBuffer(list, size, "%s ", reinterpret_cast<const char*>(entry.s.data));
        AppendToBuffer(list, size, "%s", WordListLabel(classByte));
    }
}

void ClearBuffer(char* buffer, u32 size) {
    if (buffer != nullptr && size > 0) buffer[0] = 0;
}

void ConvertBuffers(const SentenceAnalysisCall& call) {
    if (call.buffers != nullptr && call.bufferSize > 0)
        for (u32 k = 0; k < call.maxSentences; ++k)
            if (call.buffers[k] != nullptr) ConvertOutputFromMacRoman(call.buffers[k]);
    if (call.wordList != nullptr && call.wordListSize > 0) ConvertOutputFromMacRoman(call.wordList);
}

// The sentences counted with their buffers cleared and nothing rendered
// (the process export).
void CountIntoBuffers(const SentenceAnalysisCall& call) {
    for (u32 k = 0; k < call.maxSentences; ++k) ClearBuffer(call.buffers[k], call.bufferSize);
    *call.sentenceCount = 0;
    AnalysisWalk a(call.text, 0, TokenSet::kAnalysis);
    SentenceLoop loop;
    loop.maxSentences = call.maxSentences;
    *call.sentenceCount = RunSentenceLoop(a.walk, loop);
    ConvertBuffers(call);
}

}  // namespace

const char* WordListLabel(u8 classByte) {
    if (classByte > 127) return "(verbe)\n";
    switch (classByte) {
        case 'A': return "(nom)\n";
        case 'B': return "(adjectif)\n";
        case 'C': return "(nom ou adjectif)\n";
        case 20: return "(adverbe)\n";
        default: return "\n";
    }
}

void RunSentenceAnalysis(const SentenceAnalysisCall& call) {
    ApplyCallOptions();
    if (call.sentenceCount == nullptr) return;
    if (call.buffers != nullptr)
        for (u32 k = 0; k < call.maxSentences; ++k) ClearBuffer(call.buffers[k], call.bufferSize);
    ClearBuffer(call.wordList, call.wordListSize);
    *call.sentenceCount = 0;
    if (call.text == nullptr) return;
    {
        AnalysisWalk a(call.text, 0, TokenSet::kAnalysis);
        gDerivedStemCount = 0;
        for (u32 i = 0; i < gRelationWorkStrings.count; ++i) TextClear(gRelationWorkStrings[i]);
        RenderContext context{&call};
        SentenceLoop loop;
        loop.maxSentences = call.maxSentences;
        loop.starts = call.sentenceStarts;
        if (call.buffers != nullptr) {
            loop.sink = RenderSentence;
            loop.context = &context;
        }
        *call.sentenceCount = RunSentenceLoop(a.walk, loop);
        gAnalysisMode = 0;
    }
    if (call.wordList != nullptr) WriteWordList(call.wordList, call.wordListSize);
    ConvertBuffers(call);
}

extern "C" {

KRZ_API void MeravolisGetSentenceAnalysis(const char* text, uint32_t accentsOnCapitals, uint32_t checkOption,
                                          uint32_t maxSentences, uint32_t* sentenceCount, char** buffers,
                                          uint32_t bufferSize, char* wordList, uint32_t wordListSize,
                                          uint32_t* sentenceStarts) {
    SentenceAnalysisCall call{text,    static_cast<u16>(accentsOnCapitals), static_cast<u16>(checkOption),
                              maxSentences, sentenceCount, buffers, bufferSize, wordList, wordListSize,
                              sentenceStarts};
    try {
        RunSentenceAnalysis(call);
    } catch (...) {
    }
}

KRZ_API void MeravolisSentenceAnalysis(const char* text, uint32_t checkOption, uint32_t maxSentences,
                                       uint32_t* sentenceCount, char** buffers, uint32_t bufferSize) {
    MeravolisGetSentenceAnalysis(text, 0, checkOption, maxSentences, sentenceCount, buffers, bufferSize, nullptr, 0,
                                 nullptr);
}

KRZ_API void MeravolisOneSentenceAnalysisProcess(const char* text, uint32_t bufferSize, char* buffer,
                                                 uint32_t checkOption) {
    uint32_t count = 0;
    char* buffers[1] = {buffer};
    MeravolisGetSentenceAnalysis(text, 0, checkOption, 1, &count, buffer != nullptr ? buffers : nullptr,
                                 bufferSize, nullptr, 0, nullptr);
}

KRZ_API void MeravolisGetNbSentences(const char* text, uint32_t* sentenceCount) {
    if (sentenceCount != nullptr) *sentenceCount = 0;
    MeravolisGetSentenceAnalysis(text, 0, 0, 0xFFFFFFFF, sentenceCount, nullptr, 0, nullptr, 0, nullptr);
}

KRZ_API void MeravolisGetSentencesBreak(const char* text, uint32_t maxSentences, uint32_t* sentenceCount,
                                        uint32_t* sentenceStarts) {
    MeravolisGetSentenceAnalysis(text, 0, 0, maxSentences, sentenceCount, nullptr, 0, nullptr, 0, sentenceStarts);
}

KRZ_API void MeravolisSentenceAnalysisProcess(const char* text, uint32_t option1, uint32_t maxSentences,
                                              uint32_t* sentenceCount, char** buffers, uint32_t option2) {
    (void)option1;
    (void)option2;  // they reach only a per-sentence hook that does nothing
    ApplyCallOptions();
    if (buffers == nullptr || sentenceCount == nullptr) return;
    SentenceAnalysisCall call;
    call.text = text;
    call.maxSentences = maxSentences;
    call.sentenceCount = sentenceCount;
    call.buffers = buffers;
    call.bufferSize = 1;  // the host gives no capacity: only the empty string is stored
    if (text == nullptr) {
        *sentenceCount = 0;
        return;
    }
    try {
        CountIntoBuffers(call);
    } catch (...) {
    }
}

}  // extern "C"
