#include "rules/french/locution_matcher.h"

#include "frame/records.h"
#include "frame/tables.h"

FirstPassLoop gFirstPassLoops[kFirstPassLoops] = {
    MarkImperativesAndFirstWords, ChooseVerbReadingsBySubject,      MergeReadingsOfOneCategory,
    MarkAttributiveVerbs,         MarkVerbNounLocutions,            CheckDeterminersNumeralsPronouns,
    FilterReadingsByCategoryPairs,
};

namespace {

u32 TotalReadings() {
    u32 total = 0;
    for (i32 i = 0; i < gWordCount; ++i) total += gWords.ClampedAt(i).ReadingCount;
    return total;
}

// The attributive verb marking runs in mode 1 only.
constexpr u32 kAttributiveLoop = 3;

// Matcher locals live here, not on a per-sentence allocation.
FirstPassState gState;

}  // namespace

void MatchFrenchLatinLocutions(u16 mode) {
    gState = FirstPassState{};
    // Each repetition but the last removes at least one reading, so the
    // readings the sentence holds bound them (a loop that added readings
    // back could otherwise make the pass run for ever).
    const u32 limit = TotalReadings() + 1;
    for (u32 run = 0; run < limit; ++run) {
        gState.removed = 0;
        gState.opening = 0;
        for (u32 k = 0; k < kFirstPassLoops; ++k) {
            if (k == kAttributiveLoop && mode != 1) continue;
            gFirstPassLoops[k](mode, gState);
        }
        if (gState.removed == 0) break;
    }
    MatchLocutionWords(mode);
    ResolveAmbiguousWords(mode);
    CheckFrenchHomophones(mode);
}
