// The frame of the English phrase stage (amounts, numbering, the segment
// table with its rules, the segment passes, the held agreement report) and
// its last steps.
#include "rules/english/english_phrase_rules.h"

#include "rules/english/english_phrase_stage.h"
#include "rules/english/english_segment_passes.h"
#include "rules/english/english_verb_patterns.h"

namespace english {

using namespace rules;

namespace {

// First merge: two prepositions, two coordinating or two subordinating
// conjunctions (or two records of kind 0) in a row become one record.
void MergeRepeatedKinds() {
    for (i32 j = 0; j < static_cast<i32>(gSegmentCount) - 1;) {
        SegmentRecord& a = gSegments[j];
        const SegmentRecord& b = gSegments[j + 1];
        const u8 kind = a.SegmentKind;
        if (kind != b.SegmentKind || !(kind == 0 || (kind >= 15 && kind <= 17))) {
            ++j;
            continue;
        }
        const u8 first = a.FirstWord, last = a.LastWord;
        a = b;
        if (kind != 0) {
            a.FirstWord = first;
            a.LastWord = last;
        }
        RemoveSegmentRecords(j, 1);
    }
}

// Last pass: the temporary kinds and states of the passes are settled.
void SettleKindsAndStates() {
    for (i32 j = 0; j < static_cast<i32>(gSegmentCount); ++j) {
        if (gSegments[j].SegmentKind == 25) gSegments[j].SegmentKind = 24;
        if (gSegments[j].State == 3) gSegments[j].State = 0;
    }
}

// The correction selector of the held agreement finding, completed from
// the segment table: the extent names the form(s) to propose.
u16 AgreementExtent(const PhraseCall& c, u16 extent) {
    if (extent == kNoCorrection || static_cast<i16>(extent) > 4) return kNoCorrection;
    const u16 sel = c.agreementSelector;
    if (sel == 0 || sel > 4) return extent;
    const i32 r = c.agreementRecord;
    const i32 q = c.agreementNumber;
    const i32 n = gSegmentCount;
    // The extent moved by the number of the record that decides.
    auto shifted = [&](i32 by) -> u16 {
        const i32 v = static_cast<i32>(extent) + by - q;
        return v < 0 || v >= kNoCorrection ? kNoCorrection : static_cast<u16>(v);
    };
    const u8 kind = Seg(r).SegmentKind;
    if (kind == 23) {
        if (r > 0 && Seg(r - 1).SegmentKind == 14 && Cls(Seg(r - 1).FirstWord) == 131 && Cat(Seg(r).FirstWord) != 15)
            return shifted(Seg(r - 1).Number);
        i32 j = r + 1;
        while (j < n && Seg(j).SegmentKind != 14) ++j;
        if (j < n && Cat(Seg(j - 1).FirstWord) == 5) return shifted(Seg(j).Number);
    } else if (kind == 24 && r + 1 < n && Seg(r + 1).SegmentKind == 10) {
        const i32 d = static_cast<i32>(extent) - sel;
        if ((d == 1 || d == -1) && Seg(r + 1).Number != 0) return shifted(Seg(r + 1).Number);
    } else if (kind == 24) {
        i32 j = r + 1;
        while (j < n && Seg(j).SegmentKind != 14 && Seg(j).SegmentKind != 22) ++j;
        if (j < n && Seg(j).SegmentKind == 14 && Seg(r).Person == 3) {
            const u8 f = Feat(Seg(j).FirstWord);
            return f == 0 ? 258 : f == 1 ? 1 : extent;
        }
    }
    const u32 packed = static_cast<u32>(extent) + 256u * sel;
    return packed >= kNoCorrection ? kNoCorrection : static_cast<u16>(packed);
}

}  // namespace

RuleCode RunSegmentPasses(PhraseCall& /*c*/, u16& out) {
    MergeRepeatedKinds();
    RunEnglishJoiningPasses();
    if (const RuleCode r = RunEnglishCoordinationPass(out); r != 0) return r;
    SettleKindsAndStates();
    // A comparison finding that no gate let out is dropped.
    return 0;
}

RuleCode CompleteAgreementReport(PhraseCall& c, u16& out) {
    RuleReport r = c.agreement.report;
    r.kind = 1;
    r.extent = AgreementExtent(c, r.extent);
    return Commit(r, out);
}

RuleCode CheckCommaEnumeration(i32 j, u16& out) {
    if (Seg(j).SegmentKind != 21 || Seg(j - 1).SegmentKind != Seg(j + 1).SegmentKind) return 0;
    const i32 comma = Seg(j).FirstWord;
    if (!MayReport(kCodeWordSequence, comma)) return 0;
    RuleReport r;
    r.code = kCodeWordSequence;
    r.pos = comma;
    r.variant = 'W';
    r.extent = 1;
    return Commit(r, out);
}

}  // namespace english

RuleCode CheckEnglishPhraseRules(u16& wordIndex) {
    using namespace english;
    for (i32 i = 0; i < rules::Count(); ++i) rules::W(i).ClauseNumber = 0;
    NormaliseAmounts();
    NumberNounPhrases();
    if (const RuleCode r = CheckWordSequencePatterns(wordIndex); r != 0) {
        gSegmentCount = 0;
        return r;
    }
    PhraseCall c;
    const RuleCode r = BuildSegmentTable(c, wordIndex);
    gSegmentCount = static_cast<u16>(c.segments);  // the records written, also after a report
    if (r != 0) return r;
    if (c.agreement.held) return CompleteAgreementReport(c, wordIndex);
    return RunSegmentPasses(c, wordIndex);
}
