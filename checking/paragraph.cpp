// Paragraph checking exports and the paragraph walk.
#include "checking/paragraph.h"

#include <cstring>
#include <new>

#include "checking/punctuation.h"
#include "checking/recorders.h"
#include "checking/sentence_check.h"
#include "checking/sentence_words.h"
#include "checking/tokenizer.h"
#include "frame/bounded_string.h"
#include "frame/mac_roman.h"
#include "frame/memory_blocks.h"
#include "frame/records.h"
#include "frame/sentence_state.h"
#include "frame/settings.h"
#include "frame/tables.h"

namespace {

struct WalkOptions {
    SentenceHitCallback mainCallback;
    SentenceHitCallback finalCallback;  // null: the main callback everywhere
    u16 mode;                           // suggestion choice of the second family
    i32 charOffset;
    bool withCallbacks;                 // the second family's walk
};

// Suggestion mode and focus word of a sentence.
void ChooseSuggestions(const WalkOptions& o, u16& suggestionMode, i32& focusWord) {
    if (!o.withCallbacks || o.mode == 1) {
        suggestionMode = 1;
        focusWord = 0;
        return;
    }
    suggestionMode = 0;
    focusWord = 0;
    if (o.mode == 0) return;
    const i32 i = FindFocusWord(o.charOffset);
    if (i >= 0) {
        suggestionMode = 2;
        focusWord = i;
    }
}

void CheckCollectedSentence(BoundedString& copy, const CheckingFlags& f, const WalkOptions& o,
                            SentenceHitCallback callback) {
    u16 suggestionMode = 0;
    i32 focusWord = 0;
    ChooseSuggestions(o, suggestionMode, focusWord);
    gHitHistoryCount = 0;
    CheckSentence(copy, f.correctionOption, f.plainUnknownReadings, f.accentsOnCapitals,
                  f.applyLexiconReplacements, callback, nullptr, 0, suggestionMode, focusWord, 1);
}

// The working copy's length is kept for the steps that need it while the
// walk runs, and forgotten however the walk ends.
struct KeptTextScope {
    explicit KeptTextScope(const BoundedString* text) { KeepParagraphText(text); }
    ~KeptTextScope() { KeepParagraphText(nullptr); }
    KeptTextScope(const KeptTextScope&) = delete;
    KeptTextScope& operator=(const KeptTextScope&) = delete;
};

// ---- A paragraph checked in several calls ----------------------------------
// A call that stops on a full table keeps its working copy and the text it
// was made from: the host goes on with the same text from a later start,
// and the next call takes the copy up instead of converting it again, and
// looks for its first sentence from the sentence the stopped call began
// with instead of from the text's start. The sentence search clears its
// flags at every sentence start, so that it finds from there what it finds
// from the start. Only a copy no replacement rewrote is kept.
struct KeptWalk {
    ParagraphWalk walk;
    BoundedString given;  // the host's text, its terminator included
    u32 searchFrom = 0;   // start of the first sentence of the stopped call
    u16 language = 0;
    bool held = false;
};

KeptWalk& Kept() {
    static KeptWalk k;
    return k;
}

// Takes the kept walk up for `text` from `start`; false (the walk is then
// opened afresh) unless it was kept for the same text and language and
// the start lies at or after the sentence the last call began with.
bool ResumeWalk(KeptWalk& k, const char* text, i32 start, const CheckingFlags& f) {
    if (!k.held) return false;
    k.held = false;
    if (k.language != gCheckingLanguage || f.applyLexiconReplacements != 0 || static_cast<u32>(start) < k.searchFrom)
        return false;
    if (std::strncmp(text, reinterpret_cast<const char*>(k.given.data), k.given.count) != 0) return false;
    ParagraphWalk& w = k.walk;
    w.automaton = TokenAutomatonFor(gCheckingLanguage, w.stateCount);
    w.sentenceStart = FindNextSentenceEnd(w.copy, static_cast<u32>(start), w.automaton, w.stateCount, k.searchFrom);
    PairParagraphQuotes(w.copy);
    ResetSentenceState();
    gParagraphErrorCount = 0;
    w.position = w.sentenceStart;
    w.finalMark = false;
    return true;
}

// Keeps the walk for a call that goes on where this one stopped.
void HoldWalk(KeptWalk& k, const char* text, u32 searchFrom, bool resumed) {
    if (!resumed) {
        const u32 length = static_cast<u32>(std::strlen(text));
        k.given.Allocate(length + 1);
        std::memcpy(k.given.data, text, length);
    }
    k.searchFrom = searchFrom;
    k.language = gCheckingLanguage;
    k.held = true;
}

u16 WalkParagraph(const char* text, i32 start, i32 end, ParagraphErrorRecord* table,
                  const CheckingFlags& f, const WalkOptions& o) {
    ApplyCallOptions();
    if (text == nullptr || table == nullptr || start < 0 || end < 0) return 0;

    KeptWalk& k = Kept();
    const bool resumed = ResumeWalk(k, text, start, f);
    ParagraphWalk& w = k.walk;
    if (!resumed) OpenParagraphWalk(w, text, start, kWorkingCopySpare, true);
    const u32 firstSentence = w.sentenceStart;
    gParagraphErrorTable = table;
    gRangeEnd = static_cast<u32>(end);
    const KeptTextScope kept(&w.copy);

    bool full = false;
    while (w.sentenceStart <= gRangeEnd) {
        if (!CollectSentence(w, true)) {
            SentenceHitCallback last_callback =
                o.finalCallback != nullptr && !w.finalMark ? o.finalCallback : o.mainCallback;
            CheckCollectedSentence(w.copy, f, o, last_callback);
            break;
        }
        CheckCollectedSentence(w.copy, f, o, o.mainCallback);
        // A full table records nothing more: the rest is not checked, so
        // that a call costs what it returns (the host goes on from a later
        // start, and the walk is kept for it).
        if (gParagraphErrorCount >= KRZ_MAX_PARAGRAPH_ERRORS) {
            full = true;
            break;
        }
        ResetWalkedSentenceState();
        w.finalMark = false;
        // The recorders moved gCurrentOffset by any replacement; the token
        // that ended the sentence is read again as the next one's first.
        w.position = w.sentenceStart = gCurrentOffset;
        const i32 length = ParagraphTextLength(w.copy);
        if (length != w.textLength) PairParagraphQuotes(w.copy);  // a replacement moved the marks
        w.textLength = length;
    }
    if (full && f.applyLexiconReplacements == 0) HoldWalk(k, text, firstSentence, resumed);
    ResetWalkedSentenceState();
    ForgetParagraphQuotes();
    return gParagraphErrorCount;
}

u32 RunExport(const char* text, i32 start, i32 end, ParagraphErrorRecord* table,
              const CheckingFlags& f, const WalkOptions& o) {
    try {
        return WalkParagraph(text, start, end, table, f, o);
    } catch (...) {
        // Out of memory: the records written so far stay valid.
        Kept().held = false;
        ResetSentenceState();
        ForgetParagraphQuotes();
        return gParagraphErrorCount;
    }
}

}  // namespace

void OpenParagraphWalk(ParagraphWalk& w, const char* text, i32 start, u32 spare, bool pairQuotes) {
    const u32 length = static_cast<u32>(std::strlen(text));
    w.copy.Allocate(length + spare);
    std::memcpy(w.copy.data, text, length);
    ConvertInputToMacRoman(w.copy);
    if (pairQuotes) PairParagraphQuotes(w.copy);
    w.automaton = TokenAutomatonFor(gCheckingLanguage, w.stateCount);
    w.sentenceStart = FindNextSentenceEnd(w.copy, static_cast<u32>(start), w.automaton, w.stateCount);
    ResetSentenceState();
    gParagraphErrorCount = 0;
    w.position = w.sentenceStart;
    w.finalMark = false;
    w.textLength = GetStringLength(w.copy);
    w.token.Allocate(kTokenCapacity);
}

namespace {

// The token is a period after which the text holds only blanks.
bool PeriodEndsText(const ParagraphWalk& w, i32 last) {
    if (w.token.data[0] != '.' || w.token.data[1] != 0) return false;
    for (i32 k = last + 1; k < w.textLength; ++k)
        if (w.copy.data[k] > ' ' && w.copy.data[k] != 0xCA) return false;
    return true;
}

}  // namespace

u16 ReadWalkToken(ParagraphWalk& w, i32& first, i32& last) {
    first = last = 0;
    if (RunTokenAutomaton(w.automaton, w.stateCount, w.copy, static_cast<i32>(w.position), w.textLength, first,
                          last) == 0)
        return kNoWalkToken;
    i32 n = last - first + 1;
    if (n > static_cast<i32>(kMaxTokenLength)) n = kMaxTokenLength;
    std::memcpy(w.token.data, w.copy.data + first, static_cast<size_t>(n));
    w.token.data[n] = 0;
    w.lastEnd = last;
    if (PeriodEndsText(w, last)) SettleFinalPeriod();
    return AppendSentenceToken(w.token, static_cast<u32>(first), 0);
}

bool CollectSentence(ParagraphWalk& w, bool trackOffset) {
    for (;;) {
        i32 first = 0, last = 0;
        const u16 r = ReadWalkToken(w, first, last);
        if (r == kNoWalkToken) return false;
        if (r == kTokenStartsSentence) return true;
        w.finalMark = r == 1;
        w.position = static_cast<u32>(last) + 1;
        if (trackOffset) gCurrentOffset = w.position;
    }
}

i32 FindFocusWord(i32 charOffset) {
    for (i32 i = 0; i < static_cast<i32>(gWordCount); ++i) {
        const i64 s = gWords[i].StartOffset;
        if (i + 1 < static_cast<i32>(gWordCount)) {
            if (s <= charOffset && charOffset < static_cast<i64>(gWords[i + 1].StartOffset)) return i;
        } else if (s <= charOffset && charOffset <= static_cast<i64>(gWords[i].EndOffset)) {
            return i;
        }
    }
    return -1;
}

u16 CheckParagraphSentences(const char* text, i32 start, i32 end, ParagraphErrorRecord* table,
                            const CheckingFlags& flags, SentenceHitCallback callback) {
    const WalkOptions o{callback, nullptr, 1, 0, false};
    return WalkParagraph(text, start, end, table, flags, o);
}

u16 CheckParagraphWithCallbacks(const char* text, i32 start, i32 end, ParagraphErrorRecord* table,
                                const CheckingFlags& flags, SentenceHitCallback mainCallback,
                                SentenceHitCallback finalCallback, u16 mode, i32 charOffset) {
    const WalkOptions o{mainCallback, finalCallback, mode, charOffset, true};
    return WalkParagraph(text, start, end, table, flags, o);
}

extern "C" KRZ_API uint32_t KRZTestGrammarParagraph(const char* text, int32_t start, int32_t end,
                                                    ParagraphErrorRecord* table,
                                                    uint32_t categoryMask, uint16_t flag1,
                                                    uint16_t flag2, uint16_t flag3, uint16_t flag4) {
    if (text == nullptr || table == nullptr) return 0;
    ErrorCategoryMask = categoryMask;
    const WalkOptions o{RecordGrammarError, nullptr, 1, 0, false};
    return RunExport(text, start, end, table, {flag1, flag2, flag3, flag4}, o);
}

extern "C" KRZ_API uint32_t KRZTestSpellingParagraph(const char* text, int32_t start, int32_t end,
                                                     ParagraphErrorRecord* table, uint16_t flag1,
                                                     uint16_t flag2, uint16_t flag3, uint16_t flag4) {
    const WalkOptions o{RecordSpellingError, nullptr, 1, 0, false};
    return RunExport(text, start, end, table, {flag1, flag2, flag3, flag4}, o);
}

extern "C" KRZ_API uint32_t TQ4DTestGrammarParagraph(const char* text, int32_t start, int32_t end,
                                                     ParagraphErrorRecord* table,
                                                     uint32_t categoryMask, uint16_t flag1,
                                                     uint16_t flag2, uint16_t flag3, uint16_t flag4,
                                                     uint16_t mode, int32_t charOffset) {
    if (text == nullptr || table == nullptr) return 0;
    ErrorCategoryMask = categoryMask;
    const WalkOptions o{RecordGrammarError, RecordSpellingError, mode, charOffset, true};
    return RunExport(text, start, end, table, {flag1, flag2, flag3, flag4}, o);
}

extern "C" KRZ_API uint32_t TQ4DTestSpellingParagraph(const char* text, int32_t start, int32_t end,
                                                      ParagraphErrorRecord* table, uint16_t flag1,
                                                      uint16_t flag2, uint16_t flag3, uint16_t flag4,
                                                      uint16_t mode, int32_t charOffset) {
    const WalkOptions o{RecordSpellingError, RecordSpellingError, mode, charOffset, true};
    return RunExport(text, start, end, table, {flag1, flag2, flag3, flag4}, o);
}

extern "C" KRZ_API void KRZClearParagraphTab(ParagraphErrorRecord* table, int16_t count) {
    if (table == nullptr) return;
    for (i16 i = 0; i < count; ++i) {
        FreeBlock(table[i].message);
        table[i].message = nullptr;
    }
}
