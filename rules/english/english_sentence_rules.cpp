// The rules on the English sentence as a whole: the tense of the main
// clause after an "if" clause (53), a sentence without a main verb (55),
// too many subordinate clauses (61).
#include "rules/english/english_clause_call.h"
#include "rules/english/english_clause_stages.h"

namespace english {

using namespace rules;
using namespace clause;

namespace {

// "if" opening a condition: not the "if" of "as if".
bool If(i32 i) { return (Is(i, "if") || Is(i, "If")) && Cls(i) != '*' && !(i > 0 && Is(i - 1, "as")); }

bool BeginsWithModal(i32 i, bool mustOrOught) {
    static const char* const kModals[] = {"would", "should", "could", "might", "must", "ought"};
    const i32 n = mustOrOught ? 6 : 4;
    for (i32 k = 0; k < n; ++k)
        if (Begins(i, kModals[k])) return true;
    return false;
}

// The record that holds word m.
i32 RecordOfWord(i32 m) {
    i32 k = 0;
    while (k < N() && First(k) <= m) ++k;
    return k - 1;
}

RuleCode ReportTense(i32 pos, u16 detail, u16 extent, u16& out) {
    RuleReport r = Report(kCodeMoodAfterIf, pos);
    r.detail = detail;
    r.extent = extent;
    return Commit(r, out);
}

// "will" or "would" in the "if" clause itself (marks 31).
RuleCode ModalInIfClause(i32 j, u16& out) {
    if (!MayReport(kCodeMoodAfterIf, j)) return 0;
    out = static_cast<u16>(j);
    if (Feat(j) == 3) return ReportTense(j, 6, 3, out);
    if (Feat(j) != 0) return 0;
    bool modalLater = false;
    for (i32 w = j + 2; w < Count() && !modalLater; ++w) modalLater = BeginsWithModal(w, false);
    return ReportTense(j, 4, modalLater ? 3 : 0, out);
}

RuleCode TenseAfterIf(u16& out) {
    i32 i = 0;
    while (i < Count() && !(Cat(i) == 17 && If(i)) && Cat(i) != 14) ++i;
    if (i >= Count() || Cat(i) == 14) return 0;
    i32 j = i + 1;
    while (j < Count() && Cat(j) != 14 && Cat(j) != 21) ++j;
    if (j >= Count() || !Verb(j)) return 0;
    // "if you will", "if you would": a modal with no verb after it is
    // willingness, no future.
    if (Mark(j) == 31 && (j == Count() - 1 || Cat(j + 1) == 20 || Cat(j + 1) == 21)) return 0;
    if (Mark(j) == 31) return ModalInIfClause(j, out);
    if (Feat(j) != 3 && Feat(j) != 11) return 0;
    for (i32 w = i; w >= 1; --w)
        if (Cat(w) == 14 && Mark(w) == 31 && Feat(w) == 3) return 0;
    i32 m = j + 2;
    while (m < Count() && Cat(m) != 14 && Cat(m) != 17 && Cat(m) != 5) ++m;
    if (m >= Count() || Cat(m) != 14) return 0;
    // A verb right after "and", "or" continues the "if" clause ("if they
    // could have treated their army as a real army, and used them").
    if (Cat(m - 1) == 16) return 0;
    if (Seg(RecordOfWord(m)).State == 2 || BeginsWithModal(m, true)) return 0;
    // A past main verb after a past "if" clause tells a fact of the past
    // ("If I was astonished at the river, I was no less astonished at
    // him"): no condition contrary to fact.
    if (Feat(m) == 3 || Feat(m) == 11) return 0;
    if (!MayReport(kCodeMoodAfterIf, m)) return 0;
    RuleReport r = Report(kCodeMoodAfterIf, m);
    r.extent = 3;
    r.kind = 6;
    r.detail = 8;
    return Commit(r, out);
}

}  // namespace

// Rules 55 and 61 write no position: their gates test the word count.
RuleCode CheckSentenceRules(const ClauseCall& c, u16& out) {
    if (const RuleCode r = TenseAfterIf(out); r != 0) return r;
        // A heading written in capitals, or an exclamation, is no sentence
    // that lacks its verb.
    const bool heading = (W(0).WordCaseMode >= 3 && TextLength(0) > 1) || Letter(Count() - 1, 0) == '!';
    if (!heading && c.attached >= c.verbSegments && Kind(0) != 13 && Letter(0, 0) > 64 &&
        MayReport(kCodeMissingVerb, Count()) && gAnalysisMode == 0)
        return kCodeMissingVerb;
    if (c.attached > 4 && MayReport(kCodeTooManyRelatives, Count())) {
        gErrorDetail = static_cast<u16>(c.attached);
        return kCodeTooManyRelatives;
    }
    out = 0;
    return 0;
}

}  // namespace english
