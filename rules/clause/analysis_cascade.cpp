// The sentence-analysis cascade: entry, pre-cascades and the order of its
// passes.
#include "rules/clause/analysis_cascade.h"

#include "frame/settings.h"
#include "rules/clause/clause_rules.h"
#include "rules/clause/rewrite.h"
#include "rules/english/english_pre_rules.h"
#include "rules/french/french_cascades.h"

void OpenAnalysisFrame(AnalysisFrame& f) {
    f = AnalysisFrame{};
    OpenClauseFrame(f.locals);
}

RuleCode CommitAnalysisReport(rules::RuleReport r, u16& out) {
    if (gLastRule == kCodeWordSequence && gLastErrorPos == static_cast<i16>(r.pos)) r.extent = kNoCorrection;
    return rules::Commit(r, out);
}

// With a full table there is no record after the last segment, and the
// bound is the sentence's end anyway.
void PlaceSegmentSentinel() {
    if (gSegmentCount < gSegments.count) Seg(Segments()).FirstWord = static_cast<u8>(gWordCount);
}

bool IsAgent(i32 w) { return gCheckingLanguage != 0 ? rules::Is(w, "par") : rules::Is(w, "by"); }

u16 FormOf(const SegmentRecord& s) {
    const u16 g = s.Gender, n = s.Number;
    if (g != 0 && n != 0) return static_cast<u16>(2 * g + n - 2);
    if (g != 0) return static_cast<u16>(((2 * g - 1) << 8) | (2 * g));
    return static_cast<u16>(257 * n + 2);
}

namespace {


// An adjective group hangs on the group before it until its own pass
// finds better.
void LinkAdjectiveGroups() {
    for (i32 i = 1; i < Segments(); ++i) {
        if (Kind(i) == 10) rules::W(LastOf(i)).LinkedWord = static_cast<u16>(LastOf(i - 1));
    }
}

}  // namespace

void RemoveAnalysisSegments(i32 standing, i32 n) {
    rules::RemoveSegmentRecords(standing, n);
    PlaceSegmentSentinel();
}

void RemoveAnalysisSegment(i32 j) { RemoveAnalysisSegments(j - 1, 1); }

RuleCode RunAnalysisPasses(AnalysisFrame& f, u16& out) {
    PlaceSegmentSentinel();
    LinkAdjectiveGroups();
    if (gCheckingLanguage != 0) {
        if (const RuleCode r = AttachAdjectiveGroups(f, out); r != 0) return r;
        if (const RuleCode r = CheckParticipleSpellings(f, out); r != 0) return r;
    }
    TakeClauseCensus(f);
    MarkVerbConstructions(f);
    if (const RuleCode r = WalkVerbSegments(f, out); r != 0) return r;
    if (const RuleCode r = AssignPhraseFunctions(f, out); r != 0) return r;
    if (const RuleCode r = AssignObjectsAndAntecedents(f, out); r != 0) return r;
    return CloseAnalysis(f, out);
}

RuleCode AnalyseClauseRules(u16& wordIndex) {
    AnalysisFrame f;
    OpenAnalysisFrame(f);
    wordIndex = 0;
    RemoveRewriteWords();
    for (i32 i = 0; i < rules::Count(); ++i) rules::W(i).ClauseNumber = 0;
    if (gCheckingLanguage != 0) {
        if (const RuleCode r = CheckFrenchAgreementRules(wordIndex); r != 0) return r;
        if (const RuleCode r = CheckFrenchVerbRules(wordIndex); r != 0) {
            if (r == kCodeParticipleAgreement) gErrorKind = 3;
            return r;
        }
    } else if (const RuleCode r = CheckEnglishPreRules(wordIndex); r != 0) {
        return r;
    }
    return RunAnalysisPasses(f, wordIndex);
}
