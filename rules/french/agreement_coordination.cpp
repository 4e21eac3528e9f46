// The last passes of the group table's rewriting: links of prepositional
// groups and of coordinated infinitive or participle records (byte 7), and
// the coordination merge, which makes one record of two phrases joined by
// a coordinating conjunction or a comma.
#include <algorithm>

#include "frame/settings.h"
#include "rules/french/french_agreement.h"

namespace french_agreement {

using namespace rules;

namespace {

// The link a record continuing record s receives.
u8 LinkValue(i32 s) {
    const u8 link = Seg(s).Link;
    return link >= 1 && link <= 127 ? link : static_cast<u8>(s);
}

bool Comma(u8 kind) { return kind == 16 || kind == 21; }

void LinkPrepositionalGroups() {
    for (i32 s = 1; s < SegCount() - 1; ++s) {
        if (Kind(s) != 23 || Cat(First(s)) == 2 || Cat(LastWordOf(s)) == 20) continue;
        for (i32 t = s + 1; t < SegCount() && Kind(t) != 17; ++t) {
            if (Kind(t) == 24 && Cat(First(t - 1)) != 5 && (Cat(First(t)) == 15 || Cat(First(t)) == 9)) {
                Seg(t).SegmentKind = 23;
                Seg(t).Link = LinkValue(s);
            } else if (Kind(t) == 23 && Kind(t - 1) == 16 && Cat(First(s)) == 15 && Cls(First(t)) == Cls(First(s))) {
                Seg(t).Link = LinkValue(s);
            }
        }
    }
}

bool PronounGroup(i32 s) { return Kind(s) == 23 && Cat(First(s)) == 2; }

void LinkVerbRecords() {
    for (i32 s = 1; s < SegCount() - 1; ++s) {
        const u8 k = Kind(s);
        if ((k != 13 && k != 12) || Cat(LastWordOf(s)) == 20) continue;
        for (i32 t = s + 1; t < SegCount() && Kind(t) != 17 && Kind(t) != 14; ++t) {
            if (Kind(t) != k) continue;
            if (Comma(Kind(t - 1)) || (Comma(Kind(t - 2)) && PronounGroup(t - 1) && PronounGroup(s - 1)))
                Seg(t).Link = LinkValue(s);
        }
    }
}

// Records s (the conjunction) and s + 1 join record s - 1: its words are
// attached where the last word of the first phrase is, and the links move
// with the records (a link to a removed record names s - 1).
void SimpleMerge(i32 s) {
    const i32 p = s - 1, n = s + 1;
    const u16 link = W(First(s) - 1).LinkedWord;
    for (i32 w = First(n); w <= LastWordOf(n); ++w) W(w).LinkedWord = link;
    RemoveSegmentRecords(p, 2);
}

// The values of the coordination taken by the first phrase, then the
// simple merge.
void FullMerge(i32 s) {
    const i32 p = s - 1, n = s + 1;
    SegmentRecord& a = Seg(p);
    const SegmentRecord& b = Seg(n);
    for (i32 w = First(n); w <= LastWordOf(n); ++w) {
        if (W(w).FunctionCode != 75) continue;
        // The subject word of the second phrase: the subjects of the first
        // take its link. Without one, they keep theirs.
        const u16 link = W(w).LinkedWord;
        for (i32 v = First(p); v < First(s); ++v)
            if (W(v).FunctionCode == 75) W(v).LinkedWord = link;
        break;
    }
    a.Gender = static_cast<u8>(a.Gender == 0 && b.Gender == 0 ? 0 : a.Gender == 2 && b.Gender == 2 ? 2 : 1);
    const i32 c = First(s);
    if (Cls(c) == 0 || Cls(c) == '*' || Is(c, "ou") || Is(c, "mais"))
        a.Number = static_cast<u8>(a.Number == 2 || b.Number == 2 ? 2 : 0);
    else
        a.Number = 2;
    a.Person = std::min(a.Person, b.Person);
    SimpleMerge(s);
}

enum class Merge { Stay, Simple, Full, Next };

// Case 3: an apposition between commas, next to a proper noun.
Merge Apposition(i32 s) {
    const i32 p = s - 1, n = s + 1;
    const bool properP = Cls(First(p)) == '@' || Cls(First(p) + 1) == '@';
    const bool properN = Cls(First(n)) == '@' || Cls(First(n) + 1) == '@';
    if (Kind(s) != 21 || s >= SegCount() - 2 || Kind(s + 2) != 21 || !(properP || properN)) return Merge::Next;
    if (Cls(First(n)) == 'G') return Merge::Next;
    const bool m = properN && (Kind(p) == 24 || (s > 1 && Kind(p) == 23 && Cat(First(s) - 1) == 10));
    if (properP && (Kind(n) == 24 || Kind(n) == 10) && gAnalysisMode == 0) {
        Seg(p).Gender = Seg(n).Gender;
        Seg(p).Number = Seg(n).Number;
        Seg(p).Person = Seg(n).Person;
        Seg(p).State = Seg(n).State;
        return Merge::Simple;
    }
    return m ? Merge::Simple : Merge::Stay;
}

bool GroupsCoordinate(i32 s, i32 fp, i32 fn) {
    auto luiEux = [](i32 w) { return Is(w, "lui") || Is(w, "eux"); };
    auto allOrOnly = [](i32 w) { return Begins(w, "tou") || Begins(w, "seul"); };
    if (Cat(fp) == Cat(fn) || Cat(fp) == 3 || Cat(fn) == 3 || luiEux(fp) || luiEux(fn)) return true;
    if (Kind(s) != 16) return false;
    if ((Cat(fp) == 7 && Cls(fn) > 'l') || (Cat(fn) == 7 && Cls(fp) > 'l')) return true;
    return (Cat(fp) == 7 && allOrOnly(fn)) || (Cat(fn) == 7 && allOrOnly(fp));
}

// Case 4: two groups of kind 24.
Merge TwoGroups(i32 s) {
    const i32 p = s - 1, n = s + 1, fp = First(p), fn = First(n);
    if (Kind(p) != 24 || Kind(n) != 24 || !GroupsCoordinate(s, fp, fn)) return Merge::Next;
    if (Kind(s) == 21) {
        if (Cat(fp) == 15 || Seg(p).State == 2 || (s > 2 && (Kind(s - 2) == 16 || Kind(s - 2) == 17)))
            return Merge::Stay;
        if (Cat(fp) == 7 && ((Cls(fp) > 'e') != (Cls(fn) > 'e'))) return Merge::Stay;
    }
    if (s > 1) {
        if (s > 2 && Seg(s - 3).State == 1 && Kind(s) == 21) {
            Seg(p).Number = 0;
            return Merge::Simple;
        }
    } else if (Kind(1) == 21 && (SegCount() == 3 || Kind(3) != 16)) {
        return Merge::Stay;
    }
    if (gAnalysisMode != 0) return Merge::Stay;
    if ((Seg(p).State == 0 && Seg(n).State == 0) || Seg(p).Gender != Seg(n).Gender) return Merge::Full;
    return Seg(p).Number == Seg(n).Number ? Merge::Simple : Merge::Full;
}

// Case 6: two participle records.
Merge TwoParticiples(i32 s) {
    SegmentRecord& a = Seg(s - 1);
    const SegmentRecord& b = Seg(s + 1);
    if (a.Gender == b.Gender && a.Number == b.Number) return Merge::Simple;
    if (a.Gender == 0 && a.Number == b.Number) {
        a.Gender = b.Gender;
        return Merge::Simple;
    }
    if (a.Gender == b.Gender && a.Number == 0) {
        a.Number = b.Number;
        return Merge::Simple;
    }
    if (b.Gender == 0 && a.Number == b.Number) return Merge::Simple;
    if (b.Number != 0) return Merge::Stay;
    return a.Gender == b.Gender ? Merge::Simple : Merge::Stay;
}

// Case 9: noun groups coordinated by a conjunction.
Merge CoordinatedGroups(i32 s) {
    const i32 p = s - 1, n = s + 1, fp = First(p), fn = First(n);
    const bool opens = Cat(fp) == 7 || (Cat(fp) == 9 && Cat(fn) != 7 && Cat(fn) != 8) ||
                       (Cat(fp) == 15 && Cat(fn) == 15);
    if (!opens || Kind(n) != 24 || Cat(fn) == 1) return Merge::Stay;
    if (Cls(fn) == '@' && Cls(fn - 2) != '@') return Merge::Stay;
    const u8 lastCat = Cat(First(s) - 1);
    if (lastCat == 20 || lastCat == 21 || gAnalysisMode != 0) return Merge::Stay;
    if (Seg(n).State == 2) return Merge::Simple;
    const bool last = n == SegCount() - 1;
    if (last || Kind(s + 2) == 14 || Cat(First(s + 2)) == 2) return Merge::Stay;
    return Merge::Full;
}

Merge Decide(i32 s) {
    const i32 p = s - 1, n = s + 1;
    if (Kind(s) != 16 && Kind(s) != 21) return Merge::Stay;
    if (s != SegCount() - 2 && Cat(First(s + 2)) == 5) return Merge::Stay;
    if (const Merge m = Apposition(s); m != Merge::Next) return m;
    if (const Merge m = TwoGroups(s); m != Merge::Next) return m;
    const SegmentRecord& a = Seg(p);
    const SegmentRecord& b = Seg(n);
    const bool same = a.Gender == b.Gender && a.Number == b.Number;
    if (Kind(p) == 10 && Kind(n) == 10)
        return gAnalysisMode == 0 && (same || s == 1) ? Merge::Simple : Merge::Stay;
    if (Kind(p) == 11 && Kind(n) == 11) return TwoParticiples(s);
    if ((Kind(p) == 23 || (Kind(p) == 24 && Cat(First(p)) > 6)) && Kind(n) == 10) {
        if (gAnalysisMode != 0) return Merge::Stay;
        if (same) return Merge::Simple;
        const bool verbAfter = n != SegCount() - 1 && (Kind(s + 2) == 14 || Kind(s + 2) == 5);
        return verbAfter ? Merge::Stay : Merge::Simple;
    }
    const i32 fp = First(p), fn = First(n);
    if (Kind(p) == 23 && Kind(s) == 16 && Cat(fp) == 8 && Numeral(fp) && fp + 1 == First(s) && Kind(n) == 24 &&
        Cat(fn) == 8 && Numeral(fn))
        return Merge::Full;
    if (Kind(p) == 23 && Kind(s) == 16) return CoordinatedGroups(s);
    return Merge::Stay;
}

void MergeCoordinations() {
    for (i32 s = 1; s < SegCount() - 1;) {
        switch (Decide(s)) {
            case Merge::Simple: SimpleMerge(s); break;
            case Merge::Full: FullMerge(s); break;
            default: ++s; break;
        }
    }
}

}  // namespace

void LinkAndMergeRecords() {
    if (SegCount() < 3) return;
    LinkPrepositionalGroups();
    if (SegCount() < 3) return;
    LinkVerbRecords();
    if (SegCount() < 3) return;
    MergeCoordinations();
}

}  // namespace french_agreement
