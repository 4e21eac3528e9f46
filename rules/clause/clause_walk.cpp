// The third segment walk of the French clause cascade and the blocks that
// follow it, with the agreement helpers they share.
#include "rules/clause/clause_walk.h"

#include "frame/settings.h"

namespace clause_walk {

using namespace rules;

bool ClashOneTwo(const SegmentRecord& a, const SegmentRecord& b) {
    const auto clash = [](u8 x, u8 y) { return (x == 1 && y == 2) || (x == 2 && y == 1); };
    return clash(a.Gender, b.Gender) || clash(a.Number, b.Number);
}

bool ClashKnown(const SegmentRecord& a, const SegmentRecord& b) {
    if (a.Gender != 0 && b.Gender != 0 && a.Gender != b.Gender) return true;
    return a.Number != 0 && b.Number != 0 && a.Number != b.Number;
}

u16 AgreementExtent(const SegmentRecord& r) {
    const u32 g = r.Gender;
    const u32 n = r.Number;
    if (g != 0 && n != 0) return static_cast<u16>(2 * g + n - 2);
    if (g != 0) return static_cast<u16>((g * 256 + g) * 2 - 513);
    return static_cast<u16>(n * 256 + n + 2);
}

u16 ClashDetail(const SegmentRecord& a, const SegmentRecord& b) {
    const auto clash = [](u8 x, u8 y) { return (x == 1 && y == 2) || (x == 2 && y == 1); };
    return static_cast<u16>((clash(a.Number, b.Number) ? 2 : 0) + (clash(a.Gender, b.Gender) ? 1 : 0));
}

bool NounAdjectiveClass(u8 cls) {
    return cls == 'B' || cls == 'C' || cls == 'E' || cls == 'M' || cls == 'N';
}

}  // namespace clause_walk

RuleCode CheckQualifierSegments(ClauseFrame& f, u16& out) {
    using namespace clause_walk;
    for (i32 i = 1; i < SegCount(); ++i) {
        f.currentSegment = i;
        RuleCode code = 0;
        if (Kind(i) == 10) {
            const QualifierOutcome o = CheckQualifier(f, out, code);
            if (o == QualifierOutcome::Report) return code;
            if (o == QualifierOutcome::NextSegment) continue;
        }
        if (const RuleCode r = CheckSegmentLastRules(f, out); r != 0) return r;
    }
    return 0;
}

RuleCode CheckClauseFunctions(ClauseFrame& f, u16& out) {
    using namespace clause_walk;
    if (const RuleCode r = CheckGroupFunctions(out); r != 0) return r;
    if (const RuleCode r = CheckClauseLabels(out); r != 0) return r;
    if (const RuleCode r = CheckVerbConstructions(f, out); r != 0) return r;
    if (const RuleCode r = CheckMoodAndTense(out); r != 0) return r;
    return CheckSentenceCounts(f, out);
}
