// French passes of the analysis cascade on adjective groups and present
// participles: the group an adjective describes, the adjective used as an
// adverb (45 'R'), the adjective with nothing to agree with (45 'E') and the
// participle written for its adjective (32).
#include "rules/clause/analysis_cascade.h"

#include "frame/mac_roman_literal.h"
#include "frame/tagged_words.h"
#include "morphology/verb_candidates.h"
#include "morphology/word_lookup.h"

using rules::Begins;
using rules::Cat;
using rules::Cls;
using rules::Feat;
using rules::Is;
using rules::Mark;
using rules::W;

namespace {

bool OneOf(u8 v, std::initializer_list<u8> set) {
    for (const u8 x : set) {
        if (v == x) return true;
    }
    return false;
}

// Verbs after which an adjective stands for an adverb ("sentir bon",
// "parler fort").
bool TakesAdverbialAdjective(i32 v) {
    const u8 m = Mark(v);
    if (m == '&') return true;
    if (m == 24) return Begins(v, "sen");
    if (m != 1) return false;
    return Begins(v, "parl") || Begins(v, "caus") || Begins(v, "chant") || Begins(v, "jou");
}

// Rule 45 'R': 1 fired, 0 skip the group, -1 go on looking for its head.
i32 AdverbialAdjective(i32 i, u16& out) {
    if (Kind(i - 1) != 14 || !TakesAdverbialAdjective(FirstOf(i - 1))) return -1;
    const i32 p = FirstOf(i);
    const SegmentRecord& a = Seg(i);
    if (Mark(p) == 'A' || (a.Number != 2 && a.Gender != 2)) return 0;
    if (!rules::MayReport(kCodeAttributeAgreement, p)) return 0;
    rules::RuleReport r;
    r.code = kCodeAttributeAgreement;
    r.pos = p;
    r.variant = 'R';
    r.gender = a.Gender;
    r.number = a.Number;
    r.extent = 1;
    CommitAnalysisReport(r, out);
    return 1;
}

// How far past the group the head may stand (step count above i).
i32 HeadReach(i32 i) {
    const i32 last = Segments() - 1;
    if (i >= last) return 0;
    const i32 next = FirstOf(i + 1);
    if (i == last - 1 && OneOf(Cat(next), {20, 21})) return 0;
    if (Kind(i + 1) == 23 && OneOf(Cat(next), {15, 9})) return 0;
    const i32 verb = LastOf(i + 1);
    if (i + 2 <= last && rules::VerbClass(verb) && Mark(verb) > 127 && Kind(i + 2) == 23 &&
        OneOf(Cat(FirstOf(i + 2)), {7, 8}))
        return 3;
    return 2;
}

bool IsCandidate(i32 k, i32 i, bool verbSeen, bool relativeSubject) {
    const i32 first = FirstOf(k);
    const i32 before = LastOf(i - 1);
    switch (Kind(k)) {
        case 24: return true;
        case 17: if (k < i) return true; break;
        case 10: if (k == 0) return true; break;
        case 23: if (Cat(first) != 15 || !verbSeen || relativeSubject) return true; break;
        case 14: if ((Cls(first) & 15) >= 4) return true; break;
        default: break;
    }
    return Cat(first) == 1 && rules::VerbClass(before) && Mark(before) > 128;
}

// A conjugated form that carries its subject gives its segment the
// subject's gender and number.
void TakeVerbGender(i32 k) {
    const u8 f = Feat(FirstOf(k));
    if (f < 65) return;
    SegmentRecord& s = Seg(k);
    s.Gender = f >= 192 ? 0 : f >= 128 ? 2 : 1;
    s.Number = f >= 192 ? 2 : 1;
    s.State = 0;
}

enum class Head { Accepted, Rejected, Stop };

Head WeighCandidate(i32 k, i32 i) {
    const i32 adjective = LastOf(i);
    if (Kind(k) == 24) {
        W(adjective).LinkedWord = static_cast<u16>(LastOf(k));
        const u16 fc = W(adjective).FunctionCode;
        if (fc != 75 && fc != 77) W(adjective).FunctionCode = 76;
    }
    if (Kind(k) == 14 && (Cls(FirstOf(k)) & 15) > 7) TakeVerbGender(k);
    if (Kind(k) == 17 && !Is(FirstOf(k), "comme")) return Head::Stop;
    const SegmentRecord& s = Seg(k);
    const SegmentRecord& a = Seg(i);
    if (s.State == 1 && k != i - 2) return Head::Rejected;
    if ((s.Gender != 0 && a.Gender != 0 && s.Gender != a.Gender) ||
        (s.Number != 0 && a.Number != 0 && s.Number != a.Number))
        return Head::Rejected;
    return k == 0 || Kind(k - 1) != 22 ? Head::Accepted : Head::Rejected;
}

void ShareAgreement(SegmentRecord& s, SegmentRecord& a) {
    if (s.Gender == 0) s.Gender = a.Gender;
    if (s.Number == 0) s.Number = a.Number;
    if (a.Gender == 0) a.Gender = s.Gender;
    if (a.Number == 0) a.Number = s.Number;
}

// Steps 7-10: the group the adjective agrees with, looked for from a few
// segments past it back to the first.
bool FindHead(i32 i) {
    bool verbSeen = false;
    bool relativeSubject = false;
    for (i32 k = i + HeadReach(i) - 1; k >= 0; --k) {
        if (Cat(FirstOf(k)) == 5 && Kind(k) == 24) relativeSubject = true;
        if (Kind(k) == 14) verbSeen = true;
        if (!IsCandidate(k, i, verbSeen, relativeSubject)) continue;
        const Head h = WeighCandidate(k, i);
        if (h == Head::Stop) return false;
        if (h == Head::Accepted) {
            ShareAgreement(Seg(k), Seg(i));
            return true;
        }
    }
    return false;
}

// Steps 11-12: a subject or noun group before it to hang the adjective on.
bool FindLooseHead(i32 i) {
    const i32 adjective = LastOf(i);
    for (i32 k = i - 2; k >= 0; --k) {
        if (Kind(k) == 10) break;
        if (Kind(k) == 24 && Cat(FirstOf(k)) > 6 && (k == 0 || Kind(k - 1) != 22)) {
            W(adjective).LinkedWord = static_cast<u16>(LastOf(k));
            return true;
        }
    }
    for (i32 k = i - 2; k >= 0; --k) {
        if ((Kind(k) == 23 || Kind(k) == 13) && Cat(FirstOf(k)) > 6) {
            W(adjective).LinkedWord = static_cast<u16>(LastOf(k));
            return true;
        }
    }
    return false;
}

bool SkipsGroup(i32 i) {
    const i32 p = i - 1;
    if (OneOf(Kind(p), {10, 23, 24, 32})) return true;
    const i32 before = LastOf(p);
    if (rules::VerbClass(before) && Mark(before) >= 128) return true;
    const i32 first = FirstOf(i);
    if (i == 1 && Feat(first) == 2 && (Kind(0) == 12 || Kind(0) == 13)) return true;
    if (rules::VerbClass(first) && Kind(p) == 14 && Seg(p).State == 2 && Mark(FirstOf(p)) > 128) {
        W(FirstOf(p)).FunctionCode = 38;
        return true;
    }
    return false;
}

}  // namespace

RuleCode AttachAdjectiveGroups(AnalysisFrame&, u16& out) {
    for (i32 i = 1; i < Segments(); ++i) {
        if (Kind(i) != 10 || SkipsGroup(i)) continue;
        const i32 adverb = AdverbialAdjective(i, out);
        if (adverb == 1) return kCodeAttributeAgreement;
        if (adverb == 0 || FindHead(i) || FindLooseHead(i)) continue;
        const i32 p = FirstOf(i);
        if (!rules::MayReport(kCodeAttributeAgreement, p)) continue;
        rules::RuleReport r;
        r.code = kCodeAttributeAgreement;
        r.pos = p;
        r.variant = 'E';
        r.kind = 4;
        r.gender = Seg(i).Gender;
        r.number = Seg(i).Number;
        return rules::Commit(r, out);
    }
    return 0;
}

namespace {

// True when one analysis of the tagged-list entry's word is an adjective
// or a noun-or-adjective.
bool EntryIsAdjective(AnalysisFrame& f, u16 entry) {
    ClauseFrame& l = f.locals;
    CopyTaggedWord(l.taggedWords->ClampedAt(entry), *l.workWord);
    u16 count = 0;
    LookupWordForm(800, *l.workWord, *l.workTags, count);
    for (u16 t = 0; t < count && t < l.workTags->count; ++t) {
        const u8 cls = static_cast<u8>(l.workTags->ClampedAt(t) >> 8);
        if (cls == 'B' || cls == 'C') return true;
    }
    return false;
}

bool InVerbContext(i32 i) {
    if (Kind(i - 1) == 14 && Mark(FirstOf(i - 1)) > 127) return true;
    return i < Segments() - 1 && Kind(i - 1) == 24 && Kind(i + 1) == 14;
}

}  // namespace

RuleCode CheckParticipleSpellings(AnalysisFrame& f, u16& out) {
    for (i32 i = 1; i < Segments(); ++i) {
        if (Kind(i) != 12) continue;
        const i32 p = FirstOf(i);
        const i32 w = p - 1;
        if (Cat(w) == 8 || Cls(w) == 'A' || Cat(w) == 20 || !InVerbContext(i)) continue;
        if (!rules::MayReport(kCodeHomophone, p)) continue;
        const u16 n = FindWordFormCodes(0, static_cast<i16>(p), *f.locals.formCodes);
        for (u16 j = 1; j < n; ++j) {
            const u16 entry = f.locals.formCodes->ClampedAt(j);
            if (!EntryIsAdjective(f, entry)) continue;
            rules::RuleReport r;
            r.code = kCodeHomophone;
            r.pos = p;
            r.extent = entry;
            return CommitAnalysisReport(r, out);
        }
    }
    return 0;
}
