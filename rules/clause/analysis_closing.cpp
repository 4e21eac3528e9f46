// The end of the analysis cascade: the final segment pass (omitted
// introducers, complements, objects), the rewriting step, the sentence
// rules 55 (no verb outside the subordinate clauses), 61 (too many
// relative clauses) and 62 (a run of noun phrases), and the sentence
// score.
#include "rules/clause/analysis_cascade.h"
#include "rules/clause/clause_rules.h"
#include "rules/clause/rewrite.h"

using rules::Cat;
using rules::Letter;

namespace {

// Introducers over the whole sentence (the introducer check's count).
i32 CountIntroducers() {
    AnalysisFrame counts;
    CountClauseIntroducers(counts, 0, false);
    return counts.introducers;
}

// Verbs joined by a coordinating conjunction count once for the score.
i32 FoldedVerbs(i32 verbs) {
    for (i32 i = 2; i < rules::Count(); ++i) {
        if (Cat(i) == 14 && Cat(i - 1) == 16 && (Cat(i - 2) == 14 || Cat(i - 2) == 11) && verbs > 0) --verbs;
    }
    return verbs;
}

void RaiseScore(i32 introducers, i32 verbs) {
    i32 subjects = 0;
    for (i32 s = 0; s < Segments(); ++s) subjects += Kind(s) == 24 ? 1 : 0;
    i32 add = 0;
    if (introducers > verbs - 1) add = 4;
    else if (introducers < verbs - 1) add = verbs - introducers;
    else if (subjects != verbs) add = 3;
    AddReadingPenalty(static_cast<u16>(add > 65535 ? 65535 : add));
}

bool Gate(RuleCode code, u16 last, i32 pos) {
    return last < code || (last == code && pos > gLastErrorPos);
}

// Rule 62: more than four noun phrases in a row.
RuleCode NounPhraseRun(u16 last, u16& out) {
    i32 run = 0;
    for (i32 s = 0; s < Segments(); ++s) {
        run = Kind(s) == 23 ? run + 1 : 0;
        if (run <= 4 || !Gate(kCodeThirdSubordinate, last, FirstOf(s))) continue;
        gErrorDetail = static_cast<u16>(run);
        out = static_cast<u16>(FirstOf(s));
        return kCodeThirdSubordinate;
    }
    return 0;
}

}  // namespace

RuleCode CloseAnalysis(AnalysisFrame& f, u16& out) {
    if (!f.inversion && Segments() > 1) {
        for (i32 s = 1; s < Segments(); ++s) RestoreIntroducer(f, s);
    }
    RewriteSentence(out);  // its finding stays in the report fields only
    const i32 words = rules::Count();
    const u16 last = gLastRule;
    // Rule 55 gates and reports at the sentence's end.
    if (f.introducers >= f.verbCount && Kind(0) != 13 && Letter(0, 0) > 64 && Gate(kCodeMissingVerb, last, words)) {
        out = static_cast<u16>(words);
        return kCodeMissingVerb;
    }
    const i32 introducers = CountIntroducers();
    RaiseScore(introducers, FoldedVerbs(f.verbCount));
    if (introducers > 2 && Gate(kCodeTooManyRelatives, last, words)) {
        gErrorDetail = static_cast<u16>(introducers);
        out = static_cast<u16>(words);
        return kCodeTooManyRelatives;
    }
    if (const RuleCode r = NounPhraseRun(last, out); r != 0) return r;
    out = 0;
    return 0;
}
