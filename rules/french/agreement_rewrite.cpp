// The rewriting of the group table into one record per phrase: runs of like
// function-word records, comparative conjunctions, a preposition repeated
// across a coordination, then the merging passes (a preposition joined to
// its group, commas before conjunctions, numerals, time expressions and
// agreeing attributes joined to the group before them, pronoun groups), the
// record links and the coordination merge.
#include "frame/mac_roman_literal.h"
#include "frame/settings.h"
#include "rules/french/french_agreement.h"

namespace french_agreement {

using namespace rules;

void DropRecords(i32 s, i32 n) {
    if (s > 0) {
        RemoveSegmentRecords(s - 1, n);
        return;
    }
    // The first records: nothing stands for them, a link to them names no
    // record any more.
    const i32 count = SegCount();
    if (n <= 0 || s < 0 || s + n > count) return;
    for (i32 k = 0; k + n < count; ++k) Seg(k) = Seg(k + n);
    gSegmentCount = static_cast<u16>(count - n);
    for (i32 k = 0; k < SegCount(); ++k) {
        u8& link = Seg(k).Link;
        if (link < 254) link = static_cast<u8>(link >= n ? link - n : 255);
    }
}

namespace {

// Record s + 1 joined into record s: the joined record starts at first(s)
// and takes everything else of record s + 1.
void JoinNext(i32 s) {
    SegmentRecord joined = Seg(s + 1);
    joined.FirstWord = Seg(s).FirstWord;
    joined.Link = Seg(s).Link;
    Seg(s) = joined;
    RemoveSegmentRecords(s, 1);
}

// Step 1: runs of like function-word records become one record.
void MergeLikeRecords() {
    for (i32 s = 0; s < SegCount() - 1;) {
        const u8 kind = Kind(s);
        if (kind != Kind(s + 1) || !(kind == 0 || kind == 15 || kind == 16 || kind == 17)) {
            ++s;
            continue;
        }
        if (kind == 0) {
            DropRecords(s, 1);
        } else {
            SegmentRecord merged = Seg(s + 1);
            merged.FirstWord = Seg(s).FirstWord;
            merged.LastWord = Seg(s).LastWord;
            merged.Link = Seg(s).Link;
            Seg(s) = merged;
            RemoveSegmentRecords(s, 1);
        }
    }
}

void MakeConjunction(i32 from, i32 words) {
    for (i32 w = from; w < from + words; ++w) W(w).ReadingCategories[0] = 16;
}

// Step 2: comparative expressions that coordinate (ainsi, autant, aussi
// bien, de même, non moins, non plus, pas plus, en tant, comme).
void MakeComparativesCoordinating() {
    i32 verbs = 0, subordinates = 0;
    for (i32 s = 0; s < SegCount(); ++s) {
        verbs += Kind(s) == 14;
        subordinates += Kind(s) == 17 || Cat(First(s)) == 5;
    }
    for (i32 s = 0; s < SegCount() - 1; ++s) {
        const i32 f = First(s);
        if (Kind(s) != 17 || !(Cls(f) == '*' || Is(f, "comme"))) continue;
        bool verbAfter = false;
        for (i32 k = s + 1; k < SegCount(); ++k) verbAfter = verbAfter || Kind(k) == 14;
        if (verbAfter && Kind(s + 1) != 16 && Kind(s + 1) != 17 && verbs > subordinates) continue;
        const i32 words = LastWordOf(s) - f + 1;
        if (words == 1 && Is(f, "comme")) {
            Seg(s).SegmentKind = 16;
            SetReading0(f, 16, 16);
        } else if (words == 2 && (Is(f, "ainsi") || Is(f, "autant"))) {
            Seg(s).SegmentKind = 16;
            MakeConjunction(f, 2);
        } else if (words == 3 && ((Is(f, "aussi") && Is(f + 1, "bien")) || (Is(f, "de") && Is(f + 1, MR("même"))) ||
                                  (Is(f, "non") && (Is(f + 1, "moins") || Is(f + 1, "plus"))) ||
                                  (Is(f, "pas") && Is(f + 1, "plus")) || (Is(f, "en") && Is(f + 1, "tant")))) {
            Seg(s).SegmentKind = 16;
            MakeConjunction(f, 3);
        }
    }
}

// Step 3: a preposition repeated across a coordination collapses.
void CollapseRepeatedPrepositions() {
    for (i32 s = 0; s < SegCount() - 2; ++s)
        if (Kind(s) == 15 && Kind(s + 1) == 16 && Kind(s + 2) == 15) DropRecords(s, 2);
}

// Pass 1 of the merging passes; 42 when the check across a preposition
// reports.
RuleCode MergeIntoGroups(u16& out) {
    for (i32 s = 0; s < SegCount(); ++s) {
        if (s > 0 && (Cls(Seg(s - 1).LastWord) == 194 || Cls(Seg(s - 1).LastWord) == 198) &&
            Cls(First(s)) == 131 && Feat(First(s)) == 2)
            continue;
        const u8 kind = Kind(s);
        if ((kind == 21 || kind == 16) && s < SegCount() - 1 && Kind(s + 1) == 16) {
            // A comparison locution that coordinates ("ainsi que",
            // "de même que") keeps its locution class: its words stay
            // the adverb and the conjunction they are.
            u8& cls = W(First(s + 1)).ReadingClasses[0];
            if (!(kind == 16 && cls == 16) && cls != '*') cls = 0;
            DropRecords(s, 1);
            continue;
        }
        const u8 next = Kind(s + 1);
        if (kind == 15 && s < SegCount() - 1 &&
            (next == 13 || next == 10 || next == 23 || (next == 24 && Cat(First(s + 1)) != 1))) {
            if (Cls(First(s)) == '&') Seg(s + 1).State = 4;
            if (const RuleCode r = CheckAcrossPreposition(s, out); r != 0) return r;
            JoinNext(s);
            if (Kind(s) == 24 || Kind(s) == 10) Seg(s).SegmentKind = 23;
            continue;
        }
        if (s == 0 || (Kind(s - 1) != 23 && Kind(s - 1) != 24)) continue;
        const bool lastOrOneWord = s == SegCount() - 1 || First(s) + 1 == First(s + 1);
        const SegmentRecord& before = Seg(s - 1);
        const SegmentRecord& here = Seg(s);
        if (((Cls(First(s)) == 'R' || Cls(First(s)) == 'S') && lastOrOneWord) ||
            (before.State == 2 && here.State == 2) ||
            (kind == 10 && before.Gender == here.Gender && before.Number == here.Number))
            DropRecords(s, 1);
    }
    return 0;
}

// Passes 2 to 5: pronoun groups (25), paired object pronouns (26), the
// '|' + '_' pairs, double commas.
void MarkPronounGroups() {
    for (i32 s = 0; s < SegCount(); ++s) {
        const i32 f = First(s);
        if (Kind(s) != 24) continue;
        if ((Cat(f) == 2 && !Is(f, "lui") && !Is(f, "eux")) || Cat(f) == 4 || Cat(f) == 5 || Cat(f) == 6)
            Seg(s).SegmentKind = 25;
    }
    for (i32 s = 1; s < SegCount(); ++s) {
        const i32 f = First(s), p = First(s - 1);
        if (Kind(s) != 23 || Cat(f) != 2) continue;
        const u8 a = Cls(p), b = Cls(f);
        if ((b == 'V' && a == 'U') || (b == 'Z' && a == 'Y') || (b == 'X' && a == 'X') || (b == '\\' && a == '\\') ||
            b == 'a')
            Seg(s).SegmentKind = 26;
    }
    for (i32 s = 1; s < SegCount() - 1; ++s) {
        const i32 f = First(s), g = First(s + 1);
        if (Kind(s) == 23 && Cat(f) == 2 && Cls(f) == '|' && Kind(s + 1) == 23 && Cat(g) == 2 && Cls(g) == '_')
            DropRecords(s + 1, 1);
    }
    if (SegCount() < 3) return;
    for (i32 s = 1; s < SegCount() - 1;) {
        if (Kind(s) == 21 && Kind(s + 1) == 21) DropRecords(s, 2);
        else ++s;
    }
}

}  // namespace

RuleCode RewriteGroupTable(u16& out) {
    MergeLikeRecords();
    MakeComparativesCoordinating();
    CollapseRepeatedPrepositions();
    if (const RuleCode r = MergeIntoGroups(out); r != 0) return r;
    MarkPronounGroups();
    LinkAndMergeRecords();
    for (i32 s = 0; s < SegCount(); ++s)
        if (Kind(s) == 25) Seg(s).SegmentKind = 24;
    return 0;
}

}  // namespace french_agreement
