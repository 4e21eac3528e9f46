// Per-sentence checking driver.
#include "checking/sentence_check.h"

#include <cstring>
#include <utility>

#include "rules/rule_words.h"

#include "checking/analysis_loop.h"
#include "checking/dispatcher.h"
#include "checking/explanation.h"
#include "checking/recorders.h"
#include "checking/sentence_words.h"
#include "checking/suggestions.h"
#include "checking/tokenizer.h"
#include "frame/bounded_string.h"
#include "frame/records.h"
#include "frame/sentence_state.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "lexicon/lex_store.h"

namespace {

// Working storage of the driver, allocated once: two save tables of the
// word table, the suggestion list, the two correction strings and a work
// string. The save tables grow to the records the sentences saved so far
// needed (a record takes about 470 bytes), so that a short text touches
// little of them.
struct DriverStorage {
    BoundedArray<WordRecord> tableA;
    BoundedArray<WordRecord> tableB;
    u16 countA = 0;
    u16 countB = 0;
    StringList list;
    BoundedString firstCorrection;
    BoundedString secondCorrection;
    BoundedString work;
};

DriverStorage& Storage() {
    static DriverStorage s;
    if (s.work.valid == 0) {
        InitByteMatrix(s.list, kSuggestionSlots, kSuggestionCapacity);
        s.firstCorrection.Allocate(kCorrectionCapacity);
        s.secondCorrection.Allocate(kCorrectionCapacity);
        s.work.Allocate(36);
    }
    return s;
}

// Records a save and its restores copy (see WordRecordBound). The records
// beyond are not written between a save and its restores, so they need no
// copy (debug builds copy them all and check it at every restore).
u32 CopyBound(u16 count) {
    const u32 bound = WordRecordBound(count);
    return bound < kMaxSentenceWords ? bound : kMaxSentenceWords;
}

#ifndef NDEBUG
template <typename T>
bool SameElements(const BoundedArray<T>& a, const BoundedArray<T>& b) {
    return a.count == b.count && std::memcmp(a.data, b.data, a.count * sizeof(T)) == 0;
}

// Equal as CopyWordRecord copies them (the span flag is each record's own).
bool SameWordRecord(const WordRecord& a, const WordRecord& b) {
    return a.ReadingCount == b.ReadingCount && SameElements(a.ReadingClasses, b.ReadingClasses) &&
           SameElements(a.ReadingFeatures, b.ReadingFeatures) && SameElements(a.ReadingCategories, b.ReadingCategories) &&
           SameElements(a.ReadingMarks, b.ReadingMarks) && SameElements(a.ReadingLemmaRefs, b.ReadingLemmaRefs) &&
           a.GroupMark == b.GroupMark && a.FunctionCode == b.FunctionCode && a.LinkedWord == b.LinkedWord &&
           SameElements(a.BaseText, b.BaseText) && a.StartOffset == b.StartOffset && a.EndOffset == b.EndOffset &&
           a.ClauseNumber == b.ClauseNumber && a.OriginalIndex == b.OriginalIndex && a.SourceIndex == b.SourceIndex &&
           a.WordCaseMode == b.WordCaseMode && a.FirstLigaturePos == b.FirstLigaturePos &&
           a.SecondLigaturePos == b.SecondLigaturePos && a.LigatureMode == b.LigatureMode &&
           a.QuoteFlags == b.QuoteFlags && a.CorrectionMark == b.CorrectionMark && a.AmbiguityFlag == b.AmbiguityFlag &&
           SameElements(a.WordText, b.WordText) && SameElements(a.LexiconForm, b.LexiconForm) &&
           SameElements(a.SeparatorText, b.SeparatorText);
}
#endif

// Records a save table starts with: a sentence of up to 16 words saves 48
// (WordRecordBound).
constexpr u32 kFirstSavedRecords = 48;

// Makes the table hold at least n records (at most kMaxSentenceWords),
// doubling it; debug builds hold them all from the start.
void GrowTable(BoundedArray<WordRecord>& table, u32 n) {
#ifndef NDEBUG
    n = kMaxSentenceWords;
#endif
    if (table.count >= n) return;
    u32 size = table.count == 0 ? kFirstSavedRecords : table.count * 2;
    if (size < n) size = n;
    if (size > kMaxSentenceWords) size = kMaxSentenceWords;
    BoundedArray<WordRecord> grown;
    CreateWordRecordArray(grown, size);
    for (u32 i = 0; i < table.count; ++i) CopyWordRecord(grown.data[i], table.data[i]);
    table = std::move(grown);
}

void SaveWords(BoundedArray<WordRecord>& table, u16& count) {
#ifdef NDEBUG
    const u32 n = CopyBound(gWordCount);
#else
    const u32 n = kMaxSentenceWords;
#endif
    GrowTable(table, n);
    for (u32 i = 0; i < n; ++i) CopyWordRecord(table.data[i], gWords[i]);
    count = gWordCount;
}

void RestoreWords(BoundedArray<WordRecord>& table, u16 count) {
    const u32 n = CopyBound(count);
    GrowTable(table, n);
#ifndef NDEBUG
    for (u32 i = n; i < kMaxSentenceWords; ++i)
        if (!SameWordRecord(gWords[i], table.data[i])) __builtin_trap();
#endif
    for (u32 i = 0; i < n; ++i) CopyWordRecord(gWords[i], table.data[i]);
    gWordCount = count;
}

// Report fields that the word analysis leaves, restored before every
// dispatcher call.
struct KeptFields {
    u16 number, kind, person, detail, gender;
    u8 variant;
};

KeptFields KeepFields() {
    return {gErrorNumber, gErrorKind, gErrorPerson, gErrorDetail, gErrorGender, gErrorVariant};
}

void RestoreFields(const KeptFields& k) {
    gErrorNumber = k.number;
    gErrorKind = k.kind;
    gErrorPerson = k.person;
    gErrorDetail = k.detail;
    gErrorGender = k.gender;
    gErrorVariant = k.variant;
}

struct SentenceArguments {
    BoundedString* text;
    u16 correctionOption;
    u16 plainUnknownReadings;
    u16 applyLexiconReplacements;
    SentenceHitCallback callback;
    WordMergeCallback mergeCallback;
    u16 suggestionMode;
    i32 focusWord;
};

// Restores table A (unless the table still holds it: `fresh`) and analyses
// the words under combination v.
void AnalyseCombination(const SentenceArguments& a, DriverStorage& st, u16 v, bool fresh = false) {
    if (!fresh) RestoreWords(st.tableA, st.countA);
    for (u16 i = 0; i < gWordCount; ++i) {
        gWords[i].OriginalIndex = i;
        gWords[i].SourceIndex = i;
        gWords[i].CorrectionMark = 0;
    }
    gErrorDetail = 0;
    gErrorVariant = 0;
    gErrorKind = 0;
    gErrorPerson = 0;
    gErrorNumber = 0;
    gErrorGender = 0;
    gVariantIndex = 0;
    gNextWordPairingA = 0;
    gNextWordPairingB = 0;
    AnalyseSentenceWords(*a.text, a.correctionOption, a.plainUnknownReadings,
                         a.applyLexiconReplacements, a.callback, a.mergeCallback, a.suggestionMode,
                         a.focusWord, static_cast<i16>(v));
}

// Number of combinations: 2 to the power of the ambiguous words, doubled in
// 16 bits (16 or more give 0: only the first combination is tried).
u16 CombinationCount() {
    u16 n = 1;
    for (u16 i = 0; i < gWordCount; ++i) {
        if (gWords[i].AmbiguityFlag != 0) n = static_cast<u16>(n * 2);
    }
    return n;
}

void StartDispatchSeries() {
    gLastRule = 0;
    gLastErrorPos = -1;
    rules::ClearSegmentTable();
}

// `spelling`: the dispatcher's unknown-word step alone (see
// ChecksSpellingOnly); `fresh`: the table still holds table B, saved just
// before.
RuleCode Dispatch(DriverStorage& st, const KeptFields& kept, bool spelling, bool fresh) {
    if (!fresh) RestoreWords(st.tableB, st.countB);
    RestoreFields(kept);
    gErrorExtent = kNoCorrection;
    // The spelling list belongs to one finding: a word without suggestions
    // of its own must not hand on the previous word's.
    gSpellingSuggestionCount = 0;
    return spelling ? FindNextUnknownWord(gDispatchMode) : AnalyseAndCheckSentence(gDispatchMode);
}

// Findings the driver never reports: those silent under English checking
// (hyphens) and the 'W' family.
bool IsSilentFinding(RuleCode r) {
    if (gCheckingLanguage == 0 && (TraitsOf(r).flags & kFindingSilentInEnglish) != 0) return true;
    return r == kCodeWordSequence && gErrorVariant == 'W';
}

// Number of findings of the analysed combination.
u32 CountFindings(DriverStorage& st, const KeptFields& kept) {
    SaveWords(st.tableB, st.countB);
    StartDispatchSeries();
    u32 hits = 0;
    if (gWordCount == 0) return 0;  // every word was removed: no rule runs
    for (u32 calls = 0; calls < kMaxDispatchCalls; ++calls) {
        const RuleCode r = Dispatch(st, kept, false, calls == 0);
        if (r == 0 || IsSilentFinding(r)) break;
        // A missing verb writes no position: the series moves past it as
        // the report series does, or every call would return it again.
        if (r == kCodeMissingVerb) {
            gLastErrorPos = static_cast<i16>(gWordCount);
            gLastRule = kCodeMissingVerb;
            if (gSentenceMeasure < 4) continue;  // a short sentence is not reported
        }
        ++hits;
    }
    return hits;
}

void ReportWholeSentence(SentenceHitCallback callback, RuleCode code, DriverStorage& st) {
    FormatErrorExplanation(code);
    callback(0, 0, code, 0, 0, gExplanationText, 0, st.list, 0);
}

// Empties an entry without a terminator within its slot and turns control
// bytes into spaces.
void TidySuggestions(StringList& list, u16 count) {
    for (u16 k = 0; k < count && k < list.count; ++k) {
        BoundedString& s = list.data[k];
        bool terminated = false;
        for (u32 b = 0; b < s.count; ++b) {
            if (s.data[b] == 0) {
                terminated = true;
                break;
            }
            if (s.data[b] < 0x20) s.data[b] = 0x20;
        }
        if (!terminated && s.count > 0) s.data[0] = 0;
    }
}

// Suggestions of the finding in hand; returns their count.
u16 BuildSuggestions(const SentenceArguments& a, DriverStorage& st, RuleCode code, i32 first, i32 last) {
    const bool inFocus = a.suggestionMode == 1 ||
                         (a.suggestionMode == 2 && first <= a.focusWord && a.focusWord <= last);
    u16 n = 0;
    if (a.suggestionMode != 0 || code != kCodeUnknownWord) {
        n = MakeErrorSuggestions(st.firstCorrection, st.secondCorrection, code, a.correctionOption);
    }
    u16 count = 0;
    if (!inFocus) return 0;
    if (n >= 1) AddSuggestion(st.list, st.firstCorrection, count);
    if (n >= 2) AddSuggestion(st.list, st.secondCorrection, count);
    if (code == kCodeUnknownWord) {
        for (i16 k = 0; k < gSpellingSuggestionCount && k < static_cast<i16>(gSpellingSuggestions.count); ++k) {
            CopyString(st.work, gSpellingSuggestions.data[k]);
            AddSuggestion(st.list, st.work, count);
        }
    }
    return count;
}

void ReportFindings(const SentenceArguments& a, DriverStorage& st, const KeptFields& kept, bool spelling) {
    SaveWords(st.tableB, st.countB);
    if (gWordCount == 0) return;
    for (u32 calls = 0; calls < kMaxDispatchCalls; ++calls) {
        const RuleCode r = Dispatch(st, kept, spelling, calls == 0);
        if (r == kCodeMissingVerb && gSentenceMeasure < 4) {
            // A short sentence is not reported as one without verb. The
            // finding is passed over as a reported one is: calling again at
            // once returned the same finding, which writes no position, and
            // it reached the host without its explanation.
            gLastErrorPos = static_cast<i16>(gWordCount);
            gLastRule = kCodeMissingVerb;
            continue;
        }
        if (r == 0) return;
        if (IsSilentFinding(r)) continue;

        const RuleCode code = gLastRule;
        FormatErrorExplanation(code);
        i32 first = 0, last = 0;
        ComputeErrorSpan(code, first, last);
        const u16 detail = gErrorDetail;
        const u16 kind = gErrorKind;
        const u16 count = BuildSuggestions(a, st, code, first, last);
        if (code == kCodeMissingVerb) {
            first = last = gLastErrorPos;
            gLastErrorPos = static_cast<i16>(gWordCount);
            gLastRule = kCodeMissingVerb;
        } else if (code == kCodeWordSequence && (gErrorExtent == 0x7F || gErrorExtent == 0x100)) {
            ++gLastErrorPos;
        }
        const i32 end = gSentenceEndWord > 0 ? gSentenceEndWord : gWordCount;
        if (first >= end) first = end - 1;
        if (last >= end) last = end - 1;
        if (first < 0) first = 0;
        if (last < 0) last = 0;
        TidySuggestions(st.list, count);
        if (a.callback(first, last, code, detail, kind, gExplanationText, count, st.list, 0) != 1) return;
    }
}

// Analyses every reading combination (the first is in the table already
// when `firstDone`) and returns the one that draws the fewest findings, the
// first of equals.
u16 FewestFindings(const SentenceArguments& a, DriverStorage& st, u16 combinations, bool firstDone) {
    u32 bestHits = 0;
    u16 best = 0;
    for (u16 v = 0; v == 0 || v < combinations; ++v) {
        if (v > 0 || !firstDone) AnalyseCombination(a, st, v);
        const KeptFields kept = KeepFields();
        gDispatchMode = gVariantIndex;
        InspectSentenceEnd();
        const u32 hits = CountFindings(st, kept);
        if (v == 0 || hits < bestHits) {
            bestHits = hits;
            best = v;
        }
    }
    return best;
}

// Readies the analysed table for a dispatcher series; the report fields
// the analysis left.
KeptFields StartSeries() {
    const KeptFields kept = KeepFields();
    gDispatchMode = gVariantIndex;
    InspectSentenceEnd();
    StartDispatchSeries();
    return kept;
}

// The spelling-only check of the sentence (see ChecksSpellingOnly); the
// table holds the first analysis of combination 0.
void CheckSpelling(const SentenceArguments& a, DriverStorage& st, u16 combinations) {
    bool analysed = IsUserLexiconEmpty() != 0;
    u16 best = 0;
    if (combinations > 1) {
        // The combination is chosen on every finding; it matters here only
        // when one of them holds an unknown word.
        bool unknown = false;
        for (u16 v = 0; v < combinations && !unknown; ++v) {
            if (v > 0) AnalyseCombination(a, st, v);
            const KeptFields kept = StartSeries();
            SaveWords(st.tableB, st.countB);
            unknown = gWordCount > 0 && Dispatch(st, kept, true, true) != 0;
        }
        if (!unknown) return;
        best = FewestFindings(a, st, combinations, false);
        analysed = false;
    }
    if (!analysed) AnalyseCombination(a, st, best);
    const KeptFields kept = StartSeries();
    ReportFindings(a, st, kept, true);
}

}  // namespace

bool gSpellingChecksSkipGrammar = true;

bool ChecksSpellingOnly(SentenceHitCallback callback, u16 analysisMode) {
    return gSpellingChecksSkipGrammar && callback == RecordSpellingError && analysisMode == 0 &&
           gDispatcherTestHook == nullptr;
}

void ComputeErrorSpan(RuleCode code, i32& first, i32& last) {
    const i32 count = gWordCount;
    i32 end = 0;
    switch (FindingRange(code, first, end)) {
        case FindingWords::kWords: last = end - 1; break;
        // A clause that runs to the sentence's end stops before its last word.
        case FindingWords::kClause: last = end == count ? count - 2 : end - 1; break;
        case FindingWords::kNone:
            switch (TraitsOf(code).span) {
                case SpanRule::kQuestionEnd:
                    first = last = gSentenceEndWord > 0 ? gSentenceEndWord - 1 : count - 1;
                    break;
                case SpanRule::kLastWord: first = last = count - 1; break;
                default: first = last = 0; break;
            }
            break;
    }
    if (first < 0) first = 0;
    if (last < first) last = first;
}

u32 gCheckedSentences = 0;

void CheckSentence(BoundedString& text, u16 correctionOption, u16 plainUnknownReadings,
                   u16 accentsOnCapitals, u16 applyLexiconReplacements,
                   SentenceHitCallback callback, WordMergeCallback mergeCallback,
                   u16 analysisMode, u16 suggestionMode, i32 focusWord, u16 checkFlag) {
    gAccentsOnCapitals = accentsOnCapitals;
    gAnalysisMode = analysisMode;
    // The check writes within WordRecordBound of its words; the analysis
    // work writes anywhere in the table.
    NoteWordRecordsWritten(analysisMode != 0 ? gWords.count : WordRecordBound(gWordCount));
    if (analysisMode != 0) suggestionMode = 0;
    if (gWordCount == 0 || callback == nullptr) return;
    DriverStorage& st = Storage();
    if (gWordCount >= kMaxSentenceWords) {
        ReportWholeSentence(callback, kCodeSentenceTooLong, st);
        return;
    }
    gSentenceMeasure = 0;
    gSentenceAnalysisCalls = 0;
    if (checkFlag != 0) ++gCheckedSentences;
    SaveWords(st.tableA, st.countA);
    const SentenceArguments a{&text,         correctionOption, plainUnknownReadings,
                              applyLexiconReplacements, callback, mergeCallback,
                              suggestionMode, focusWord};

    AnalyseCombination(a, st, 0, true);
    const u16 combinations = CombinationCount();
    if (checkFlag == 0) return;
    if (ChecksSpellingOnly(callback, analysisMode)) {
        CheckSpelling(a, st, combinations);
        return;
    }
    // A single combination is the one reported: its findings need no count.
    AnalyseCombination(a, st, combinations > 1 ? FewestFindings(a, st, combinations, true) : 0);
    const KeptFields kept = StartSeries();
    if (analysisMode == 1) {
        RunGrammarRulesOnSentence(correctionOption);
        return;
    }
    ReportFindings(a, st, kept, false);
    if (gSentenceMeasure > gLongSentenceThreshold) ReportWholeSentence(callback, kCodeLongSentence, st);
}
