#include "analysis/checked_sentence.h"

#include <cstring>

#include "checking/recorders.h"
#include "checking/sentence_check.h"
#include "frame/bounded_string.h"
#include "frame/records.h"
#include "frame/report.h"
#include "frame/sentence_state.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "morphology/answer_context.h"
#include "morphology/word_lookup.h"

namespace {

// A finding (code) or a word merge (new index) as the check reported it.
struct Event {
    bool merge = false;
    i32 first = 0, last = 0, value = 0;
};
// A sentence that reports more is not kept.
constexpr u32 kMaxEvents = 256;

// What the check depends on besides the sentence's text.
struct Key {
    AnswerContext context;
    u32 settings = 0;
    u32 categoryMask = 0;
    u16 frenchWordPass = 0;
    u16 accents = 0;
    u32 sentenceStart = 0;
    u16 collected = 0;  // words collected before the check
    bool operator==(const Key&) const = default;
};

// The report values, boundary flags and analysis slots a check leaves.
struct Globals {
    u16 lastRule, errorDetail, errorKind, errorGender, errorNumber, errorPerson, errorExtent;
    i16 lastErrorPos, sentenceMeasure;
    u8 errorVariant;
    u16 homophoneAgreement, variantIndex, dispatchMode, analysisMode, caseMode;
    u32 currentOffset, rangeEnd, textEndOffset;
    u16 endPending, abbreviationPending, lineBreakPending, dashPending;
    u16 tags[kAnalysisSlots];
    u8 bytes[kAnalysisSlots];
    u32 lemmas[kAnalysisSlots];
};

Globals TakeGlobals() {
    Globals g{gLastRule, gErrorDetail, gErrorKind, gErrorGender, gErrorNumber, gErrorPerson, gErrorExtent,
              gLastErrorPos, gSentenceMeasure, gErrorVariant, gHomophoneAgreement, gVariantIndex, gDispatchMode,
              gAnalysisMode, gCaseMode, gCurrentOffset, gRangeEnd, gTextEndOffset, gSentenceEndPending,
              gAbbreviationPending, gLineBreakPending, gDashPending, {}, {}, {}};
    for (i32 k = 0; k < kAnalysisSlots; ++k) {
        g.tags[k] = gWordTagCodes[k];
        g.bytes[k] = gWordAnalysisBytes[k];
        g.lemmas[k] = gWordLemmaRefs[k];
    }
    return g;
}

void PutGlobals(const Globals& g) {
    gLastRule = g.lastRule;
    gErrorDetail = g.errorDetail;
    gErrorKind = g.errorKind;
    gErrorGender = g.errorGender;
    gErrorNumber = g.errorNumber;
    gErrorPerson = g.errorPerson;
    gErrorExtent = g.errorExtent;
    gLastErrorPos = g.lastErrorPos;
    gSentenceMeasure = g.sentenceMeasure;
    gErrorVariant = g.errorVariant;
    gHomophoneAgreement = g.homophoneAgreement;
    gVariantIndex = g.variantIndex;
    gDispatchMode = g.dispatchMode;
    gAnalysisMode = g.analysisMode;
    gCaseMode = g.caseMode;
    gCurrentOffset = g.currentOffset;
    gRangeEnd = g.rangeEnd;
    gTextEndOffset = g.textEndOffset;
    gSentenceEndPending = g.endPending;
    gAbbreviationPending = g.abbreviationPending;
    gLineBreakPending = g.lineBreakPending;
    gDashPending = g.dashPending;
    for (i32 k = 0; k < kAnalysisSlots; ++k) {
        gWordTagCodes[k] = g.tags[k];
        gWordAnalysisBytes[k] = g.bytes[k];
        gWordLemmaRefs[k] = g.lemmas[k];
    }
}

struct Kept {
    bool held = false;
    Key key;
    BoundedString text;  // the working copy's text
    u32 textLength = 0;
    BoundedArray<WordRecord> words;
    u16 wordCount = 0;
    BoundedArray<SegmentRecord> segments;
    u16 segmentCount = 0;
    Globals globals{};
    Event events[kMaxEvents];
    u32 eventCount = 0;
    bool overflow = false;
};

Kept& K() {
    static Kept k;
    return k;
}

Key CurrentKey(u32 sentenceStart, u16 accents) {
    return Key{CurrentAnswerContext(), gSettingsEdits, ErrorCategoryMask, gFrenchWordPass, accents, sentenceStart,
               gWordCount};
}

bool SameText(const Kept& k, const BoundedString& copy) {
    const u32 n = TextLen(copy);
    return n == k.textLength && std::memcmp(k.text.data, copy.data, n) == 0;
}

void Note(bool merge, i32 first, i32 last, i32 value) {
    Kept& k = K();
    if (k.eventCount >= kMaxEvents) {
        k.overflow = true;
        return;
    }
    k.events[k.eventCount++] = Event{merge, first, last, value};
}

u16 KeepHit(i32 first, i32 last, RuleCode code, u16 detail, u16 kind, const BoundedString& message, u16 count,
            const StringList& list, u16 adjust) {
    const u16 r = RecordWordAnalysisHit(first, last, code, detail, kind, message, count, list, adjust);
    if (r != 0) Note(false, first, last, code);
    return r;
}

void KeepMerge(i32 first, i32 last, i32 newIndex) {
    RemapTrackedWordIndex(first, last, newIndex);
    Note(true, first, last, newIndex);
}

}  // namespace

void CheckTrackedSentence(BoundedString& copy, u32 sentenceStart, u16 accentsOnCapitals) {
    Kept& k = K();
    k.held = false;
    k.eventCount = 0;
    k.overflow = false;
    const Key key = CurrentKey(sentenceStart, accentsOnCapitals);
    const u32 n = TextLen(copy);
    if (k.text.count < n + 1) k.text.Allocate(n + 1);
    std::memcpy(k.text.data, copy.data, n);
    k.textLength = n;
    CheckSentence(copy, 1, 1, accentsOnCapitals, 0, KeepHit, KeepMerge, 0, 0, 0, 1);
    if (k.overflow) return;
    if (k.words.count != gWords.count) CreateWordRecordArray(k.words, gWords.count);
    if (k.segments.count != gSegments.count) k.segments.Allocate(gSegments.count);
    for (u32 w = 0; w < gWords.count; ++w) CopyWordRecord(k.words.data[w], gWords.data[w]);
    for (u32 s = 0; s < gSegments.count; ++s) k.segments.data[s] = gSegments.data[s];
    k.wordCount = gWordCount;
    k.segmentCount = gSegmentCount;
    k.globals = TakeGlobals();
    k.key = key;
    k.held = true;
}

bool ReplayTrackedSentence(const BoundedString& copy, u32 sentenceStart, u16 accentsOnCapitals) {
    const Kept& k = K();
    if (!k.held || k.words.count != gWords.count || k.segments.count != gSegments.count ||
        !(k.key == CurrentKey(sentenceStart, accentsOnCapitals)) || !SameText(k, copy))
        return false;
    for (u32 w = 0; w < gWords.count; ++w) CopyWordRecord(gWords.data[w], k.words.data[w]);
    for (u32 s = 0; s < gSegments.count; ++s) gSegments.data[s] = k.segments.data[s];
    gWordCount = k.wordCount;
    gSegmentCount = k.segmentCount;
    PutGlobals(k.globals);
    gTrackedFirstCode = 0;
    gTrackedSpellingHit = 0;
    for (u32 e = 0; e < k.eventCount; ++e) {
        const Event& v = k.events[e];
        if (v.merge) RemapTrackedWordIndex(v.first, v.last, v.value);
        else NoteTrackedWordHit(v.first, v.last, static_cast<RuleCode>(v.value));
    }
    return true;
}

void ForgetTrackedSentence() { K().held = false; }
