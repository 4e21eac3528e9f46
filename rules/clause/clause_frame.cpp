#include "rules/clause/clause_frame.h"

#include "frame/settings.h"
#include "frame/tagged_words.h"

namespace {

// The locals live in fixed scratch, allocated once.
struct ClauseScratch {
    BoundedArray<u16> formCodes;
    BoundedString workWord;
    BoundedArray<u16> workTags;
    ClauseScratch() {
        formCodes.Allocate(32);
        workWord.Allocate(36);
        workTags.Allocate(8);
    }
};

ClauseScratch& Scratch() {
    static ClauseScratch s;
    return s;
}

}  // namespace

void OpenClauseFrame(ClauseFrame& f) {
    ClauseScratch& s = Scratch();
    for (u32 k = 0; k < s.formCodes.count; ++k) s.formCodes[static_cast<i32>(k)] = 0;
    for (u32 k = 0; k < s.workTags.count; ++k) s.workTags[static_cast<i32>(k)] = 0;
    CopyCString(s.workWord, "");
    f = ClauseFrame{};
    f.taggedWords = &TaggedWordsFor(gCheckingLanguage);
    f.formCodes = &s.formCodes;
    f.workWord = &s.workWord;
    f.workTags = &s.workTags;
}

RuleCode CommitClauseReport(rules::RuleReport r, i32 segment, u16& out, bool keepExtent) {
    const i32 first = gSegments.ClampedAt(segment).FirstWord;
    if (!keepExtent && gLastRule == 40 && gLastErrorPos == first) r.extent = kNoCorrection;
    return rules::Commit(r, out);
}

RuleCode AgreementTail(const ClauseFrame& f, rules::RuleReport r, u16& out) {
    r.pos = gSegments.ClampedAt(f.currentSegment).FirstWord;
    r.code = r.kind == 3 && (r.variant == 'A' || r.variant == 'D') ? 43 : 45;
    return CommitClauseReport(r, f.currentSegment, out);
}

