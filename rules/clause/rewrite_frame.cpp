// The sentence rewriter's frame: the rewritten clause table, its nesting
// levels, the order of the blocks, the closing links, and the removal of
// the words an earlier call appended.
#include "rules/clause/rewrite.h"

#include "frame/sentence_state.h"
#include "frame/settings.h"
#include "rules/rule_words.h"

namespace rewrite {

using rules::Cat;
using rules::Cls;
using rules::W;

i32 GroupOf(i32 x) {
    i32 g = 0;
    for (i32 k = 0; k < Groups(); ++k)
        if (Group(k).FirstWord <= x) g = k;
    return g;
}

i32 ClauseOf(i32 x) {
    i32 c = 0;
    for (i32 k = 0; k < Clauses(); ++k)
        if (Clause(k).FirstWord <= x) c = k;
    return c;
}

i32 GroupStartingAt(i32 x) {
    for (i32 k = 0; k < Groups(); ++k)
        if (Group(k).FirstWord == x) return k;
    return -1;
}

void SetSentinels() {
    if (gRewriteSegmentCount < gRewriteSegments.count) Clause(Clauses()).FirstWord = static_cast<u8>(gWordCount);
    if (gSegmentCount < gSegments.count) Group(Groups()).FirstWord = static_cast<u8>(gWordCount);
}

void RemoveClausePair(i32 r, i32 levelDrop) {
    const i32 n = Clauses();
    if (r < 0 || r + 1 >= n) return;
    for (i32 k = r + 2; k < n; ++k) {
        SegmentRecord moved = Clause(k);
        const i32 level = static_cast<i32>(moved.Link) - levelDrop;
        moved.Link = static_cast<u8>(level < 0 ? 0 : level);
        Clause(k - 2) = moved;
    }
    gRewriteSegmentCount = static_cast<u16>(n - 2);
}

// Step 2: one clause per run of segments sharing a link, carrying the
// run's first segment (its bytes, its first and its last word), level 0.
void CopyClauseTable() {
    i32 k = 0;
    for (i32 i = 0; i < Groups(); ++i) {
        if (i > 0 && Group(i).Link == Group(i - 1).Link) continue;
        Clause(k) = Group(i);
        Clause(k).Link = 0;
        ++k;
    }
    gRewriteSegmentCount = static_cast<u16>(k);
    SetSentinels();
}

namespace {

// Levels of the table being built, counted signed (a clause may be lowered
// below the main level on the way) and stored clamped at 0. Entry
// Clauses() is the sentinel.
struct Levels {
    i32 level[129] = {};
    i32 pending = 0;
    void Add(i32 from, i32 amount) {
        for (i32 k = from; k <= Clauses() && k < 129; ++k) level[k] += amount;
    }
    void Raise(i32 r) {
        Add(r, pending + 1);
        pending = 0;
    }
};

// Case 3: a relative clause; the clauses after it come back down as the
// verbs of the relative and of its main clause go by.
void RelativeLevels(Levels& lv, i32 r) {
    lv.Raise(r);
    if (ClauseKind(r + 1) == 14) return;
    const u8 relative = Cat(ClauseLast(r));
    i32 verbs = 0;
    for (i32 w = ClauseFirst(r + 1); w < static_cast<i32>(gWordCount); ++w) {
        if (Cat(w) == 20 || Cat(w) == relative) {
            --verbs;
            ++lv.pending;
        } else if (Cat(w) == 16) {
            if (Cat(w - 1) != 14 || Cat(w + 1) != 14) return;
            w += 1;  // the conjunction and the verb after it
        } else if (Cat(w) == 14) {
            ++verbs;
            if (verbs > 0 && verbs % 2 == 0) {
                ++lv.pending;
                lv.Add(ClauseOf(w), -1);
            }
        }
    }
}

bool IsRelative(i32 r) {
    const u8 k = ClauseKind(r);
    const i32 last = ClauseLast(r);
    return k == 22 || ((k == 24 || k == 23) && (Cat(last) == 5 || W(last).FunctionCode == 79));
}

void LevelOf(Levels& lv, i32 r) {
    const i32 first = ClauseFirst(r);
    const u8 kind = ClauseKind(r);
    const u8 before = r > 0 ? ClauseKind(r - 1) : 0;
    if (r > 0 && W(first).WordCaseMode > 0 && Cls(first) != '@' && rules::Letter(ClauseFirst(r - 1), 0) == '.') {
        lv.Raise(r);
    } else if (kind == 17) {
        lv.Raise(r);
    } else if (r > 0 && before != 16 && IsRelative(r)) {
        RelativeLevels(lv, r);
    } else if (r > 0 && before != 16 && before != 24 && r + 1 < Clauses() && kind == 16 && ClauseKind(r + 1) == 24) {
        lv.Raise(r);
    } else if (kind == 20) {
        bool verbLater = rules::Letter(first, 0) == '(';
        for (i32 k = r + 1; k < Clauses() && !verbLater; ++k) verbLater = ClauseKind(k) == 14;
        if (verbLater) lv.Raise(r);
    } else if ((kind == 12 || kind == 13) && W(ClauseLast(r)).FunctionCode == 80) {
        lv.Raise(r);
    } else if (kind == 21) {
        if (r > 0 && Cat(ClauseLast(r - 1)) < 7) {
            ++lv.pending;
            lv.Add(r, -1);
        } else {
            lv.level[r] += lv.pending + 1;
            lv.Add(r + 1, 1);
            lv.pending = 0;
        }
    }
}

}  // namespace

// Step 3 (not for the second reading variant).
void AssignLevels() {
    if (gVariantIndex == 2) return;
    static Levels lv;
    lv = Levels{};
    for (i32 r = 0; r < Clauses(); ++r) LevelOf(lv, r);
    for (i32 r = 0; r < Clauses(); ++r) {
        const i32 v = lv.level[r];
        Clause(r).Link = static_cast<u8>(v < 0 ? 0 : v > 254 ? 254 : v);
    }
}

namespace {

void LinkParticiple(i32 i) {
    W(Group(i).LastWord).LinkedWord = static_cast<u16>(i - 1);
    W(Group(i).LastWord).FunctionCode = 74;
    W(Group(i - 1).LastWord).LinkedWord = static_cast<u16>(i);
}

}  // namespace

// Step 5: present participles after a subject (or, in English, after a
// conjunction) and nouns coordinated inside an adjective group.
void CloseLinks() {
    for (i32 i = 1; i < Groups(); ++i) {
        if (GroupKind(i) != 12) continue;
        const u8 before = GroupKind(i - 1);
        if ((before == 24 && Cat(Group(i - 1).FirstWord) != 5) || (gCheckingLanguage == 0 && before == 17))
            LinkParticiple(i);
    }
    for (i32 i = 0; i < Groups(); ++i) {
        if (GroupKind(i) != 10) continue;
        const WordRecord& last = W(Group(i).LastWord);
        for (i32 x = Group(i).FirstWord + 1; x < GroupFirst(i + 1) && x < static_cast<i32>(gWordCount); ++x) {
            if (Cat(x) != 10 || !(Cat(x - 1) == 16 || Cat(x - 1) == 21 || Cls(x - 1) == '*')) continue;
            W(x).FunctionCode = last.FunctionCode;
            W(x).LinkedWord = last.LinkedWord;
        }
    }
}

}  // namespace rewrite

void RemoveRewriteWords() {
    using rewrite::Clause;
    using rewrite::Group;
    i32 kept = 0;
    const i32 n = static_cast<i32>(gWordCount);
    i32 firstMarked = n;
    for (i32 x = 0; x < n; ++x) {
        if (rules::W(x).OriginalIndex == kRewriteWordMark) {
            if (x < firstMarked) firstMarked = x;
            continue;
        }
        if (kept != x) CopyWordRecord(rules::W(kept), rules::W(x));
        ++kept;
    }
    if (kept == n) return;
    for (i32 x = kept; x < n; ++x) ClearWordRecord(rules::W(x));
    gWordCount = static_cast<u16>(kept);
    // The appended words stand last, each with a segment and a clause of
    // its own: the tables end before the first of them.
    while (gSegmentCount > 0 && Group(gSegmentCount - 1).FirstWord >= firstMarked) --gSegmentCount;
    while (gRewriteSegmentCount > 0 && Clause(gRewriteSegmentCount - 1).FirstWord >= firstMarked)
        --gRewriteSegmentCount;
    for (i32 g = 0; g < rewrite::Groups(); ++g)
        if (Group(g).LastWord >= kept) Group(g).LastWord = static_cast<u8>(kept > 0 ? kept - 1 : 0);
    rewrite::SetSentinels();
}

RuleCode RewriteSentence(u16& wordIndex) {
    using namespace rewrite;
    wordIndex = 0;
    CopyClauseTable();
    AssignLevels();
    MergeCoordination();
    SetSentinels();
    if (const RuleCode r = LinkSubjects(wordIndex); r != 0) return r;
    SetSentinels();
    if (gCheckingLanguage != 0) {
        if (const RuleCode r = CheckPronominalAndAttributes(wordIndex); r != 0) return r;
        if (const RuleCode r = CheckDeConstructions(wordIndex); r != 0) return r;
        if (const RuleCode r = CheckVerbConstructions(wordIndex); r != 0) return r;
        if (const RuleCode r = CheckTenseSequence(wordIndex); r != 0) return r;
    }
    RewriteActive();
    AppendRebuiltVerb();
    SetSentinels();
    CloseLinks();
    wordIndex = 0;
    return 0;
}
