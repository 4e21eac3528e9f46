// The ambiguous-word loop of the matcher's second pass: each word still
// carrying more than one reading goes through the rules of ambiguous_rules.h
// in order, each seeing what the previous one left. The loop stops for good
// once a locution report is pending.
#include "frame/records.h"
#include "frame/tables.h"
#include "rules/french/ambiguous_rules.h"
#include "rules/french/first_pass_readings.h"
#include "rules/french/french_locutions.h"
#include "rules/french/locution_rows.h"
#include "rules/french/matcher_loops.h"

namespace ambiguous {

using locution::Cat;
using locution::Count;

i32 FirstOfCategory(i32 i, u8 c) {
    const i32 n = Count(i);
    for (i32 r = 0; r < n; ++r)
        if (Cat(i, r) == c) return r;
    return n;
}

u8 CatAt(i32 k, i32 r) { return r < Count(k) ? Cat(k, r) : 0; }
u8 ClsAt(i32 k, i32 r) { return r < Count(k) ? locution::Cls(k, r) : 0; }

bool TakeAs(i32 i, i32 k, u8 c) {
    if (k < 0 || k >= Count(i)) return false;
    first_pass::TakeReading(i, k);
    first_pass::SetCatAt(i, 0, c);
    return true;
}

bool AllOf(i32 i, u8 a, u8 b) {
    const i32 n = Count(i);
    for (i32 r = 0; r < n; ++r)
        if (Cat(i, r) != a && Cat(i, r) != b) return false;
    return n > 0;
}

i32 WalkBack(i32 i, bool (*skipped)(i32 k)) {
    for (i32 k = i - 1; k >= 0; --k)
        if (!skipped(k)) return k;
    return 0;
}

}  // namespace ambiguous

void ResolveAmbiguousWords(u16 mode) {
    using namespace ambiguous;
    for (i32 i = 0; i < static_cast<i32>(gWordCount); ++i) {
        if (gLocutionReport != 0) return;
        AdjectiveBeforeNoun(i);
        if (locution::Count(i) <= 1) continue;
        DropLocutionReading(i);
        QuelBeforeVerb(i);
        NounOrAdverb(i);
        PastParticipleOrAdjective(i);
        ArticleBeforeFiniteVerb(i);
        ArticleBeforeParticiple(i);
        ArticleBeforeInfinitive(i, mode);
        InfinitiveReading(i, mode);
        PresentParticipleReading(i, mode);
        MergeNounReadings(i);
        if (FirstWordVerb(i)) continue;
        NounOrVerb(i, mode);
    }
}
