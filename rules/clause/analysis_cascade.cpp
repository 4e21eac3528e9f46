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

namespace {

// The first word of the record after the last segment bounds the last
// segment; with a full table there is no such record and the bound is the
// sentence's end anyway.
void PlaceSentinel() {
    if (gSegmentCount < gSegments.count) Seg(Segments()).FirstWord = static_cast<u8>(gWordCount);
}

// An adjective group hangs on the group before it until its own pass
// finds better.
void LinkAdjectiveGroups() {
    for (i32 i = 1; i < Segments(); ++i) {
        if (Kind(i) == 10) rules::W(LastOf(i)).LinkedWord = static_cast<u16>(LastOf(i - 1));
    }
}

}  // namespace

RuleCode RunAnalysisPasses(AnalysisFrame& f, u16& out) {
    PlaceSentinel();
    LinkAdjectiveGroups();
    if (gCheckingLanguage != 0) {
        if (const RuleCode r = AttachAdjectiveGroups(f, out); r != 0) return r;
        if (const RuleCode r = CheckParticipleSpellings(f, out); r != 0) return r;
    }
    TakeClauseCensus(f);
    MarkVerbConstructions(f);
    if (const RuleCode r = WalkVerbSegments(f, out); r != 0) return r;
    RewriteSentence(out);  // its finding stays in the report fields only
    out = 0;
    return 0;
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
