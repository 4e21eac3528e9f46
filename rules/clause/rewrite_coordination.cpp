// Coordination in the rewritten clause table: two clauses of one kind
// joined by a conjunction fold into the first, which keeps the gender,
// number and person of the group; then coordinated objects before a
// relative clause.
#include "rules/clause/rewrite.h"

#include "rules/rule_words.h"

namespace rewrite {

namespace {

using rules::Cat;
using rules::Cls;
using rules::W;

constexpr u8 kMark = 128;  // person byte: the clause refers to a coordinated group
constexpr u8 kCoordinated = 64;  // category: a member of a coordinated group

// The words of clause r+1 (to the next clause, or the end) take the link
// of the word before the conjunction r; `subjectsOnly`: only words with
// the subject function.
void CopyLinks(i32 r, bool subjectsOnly) {
    const u16 link = W(ClauseFirst(r) - 1).LinkedWord;
    for (i32 x = ClauseFirst(r + 1); x < ClauseFirst(r + 2) && x < static_cast<i32>(gWordCount); ++x)
        if (!subjectsOnly || W(x).FunctionCode == 75) W(x).LinkedWord = link;
}

// Gender, number and person of the group r−1, conjunction r, r+1, kept in
// r−1.
void FoldAgreement(i32 r) {
    SegmentRecord& a = Clause(r - 1);
    const SegmentRecord& b = Clause(r + 1);
    a.Gender = a.Gender == 0 && b.Gender == 0 ? 0 : a.Gender == 2 && b.Gender == 2 ? 2 : 1;
    const i32 c = ClauseFirst(r);
    const bool adding = Cls(c) != 0 && !rules::Is(c, "ou") && !rules::Is(c, "mais") && Cls(c) != '*';
    a.Number = adding || a.Number == 2 || b.Number == 2 ? 2 : 0;
    if (b.Person < a.Person) a.Person = b.Person;
}

bool Between(i32 r, u8 outer) {
    return ClauseKind(r - 1) == outer && ClauseKind(r) == 16 && ClauseKind(r + 1) == outer;
}

// A relative clause r+2 after the folded group r−1 refers to the group.
void ReferToGroup(i32 r) {
    const SegmentRecord& group = Clause(r - 1);
    SegmentRecord& rel = Clause(r + 2);
    rel.Gender = group.Gender;
    rel.Number = group.Number;
    rel.Person = static_cast<u8>(group.Person | kMark);
    const i32 g = GroupStartingAt(rel.FirstWord);
    if (g >= 0) Group(g).Person |= kMark;
    W(rel.LastWord).LinkedWord = Group(GroupOf(group.LastWord)).LastWord;
}

void FoldSubjects() {
    for (i32 r = 1; r <= Clauses() - 2;) {
        if (!Between(r, 24) || Cat(ClauseLast(r + 1)) == 5) {
            ++r;
            continue;
        }
        if (Cat(ClauseLast(r + 1)) > kCoordinated) W(ClauseLast(r - 1)).ReadingCategories[0] += kCoordinated;
        FoldAgreement(r);
        const u8 after = ClauseKind(r + 2);
        if (r < Clauses() - 2 && (after == 22 || (after == 24 && Cat(ClauseLast(r + 2)) == 5))) ReferToGroup(r);
        CopyLinks(r, true);
        RemoveClausePair(r, 0);
    }
}

void FoldVerbs() {
    for (i32 r = 1; r <= Clauses() - 2;) {
        if (!Between(r, 14)) {
            ++r;
            continue;
        }
        CopyLinks(r, false);
        RemoveClausePair(r, 0);
    }
}

void FoldGroups() {
    for (i32 r = 1; r <= Clauses() - 2;) {
        if (!Between(r, 23)) {
            ++r;
            continue;
        }
        FoldAgreement(r);
        CopyLinks(r, false);
        RemoveClausePair(r, Level(r - 1) != Level(r + 1) ? 2 : 0);
    }
}

// Objects of a verb clause that a relative clause right after it takes up:
// more than one makes the relative plural and marks the objects.
void MarkObjectGroups() {
    for (i32 r = 1; r < Clauses(); ++r) {
        if (ClauseKind(r - 1) != 14 || ClauseKind(r) != 24 || Cat(ClauseLast(r)) != 5) continue;
        i32 objects = 0;
        for (i32 x = ClauseFirst(r - 1); x < ClauseFirst(r); ++x) objects += W(x).FunctionCode == 70;
        if (objects <= 1) continue;
        Clause(r).Number = 2;
        Clause(r).Person |= kMark;
        for (i32 x = ClauseFirst(r) - 1; x >= ClauseFirst(r - 1); --x)
            if (W(x).FunctionCode == 70 && Cat(x) == 10) W(x).ReadingCategories[0] += kCoordinated;
    }
}

}  // namespace

void MergeCoordination() {
    FoldSubjects();
    SetSentinels();
    FoldVerbs();
    FoldGroups();
    MarkObjectGroups();
    SetSentinels();
}

}  // namespace rewrite
