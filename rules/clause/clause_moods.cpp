// Mood and tense (53). Verb groups are first merged in the clause table and
// the third-person-plural forms shared by the present and the subjunctive
// are marked; then four scans: a subjunctive that nothing governs, an
// indicative after a conjunction that governs the subjunctive, a
// subjunctive or a future after "que", and the tenses a "si" clause does
// not admit. gErrorExtent names the form slot (or a pair of slots, first
// x 256 + second) the correction conjugates the verb into.
#include "rules/clause/clause_walk.h"

namespace clause_walk {

using namespace rules;

namespace {

u16 Pair(i32 first, i32 second) { return static_cast<u16>(first * 256 + second); }
bool Verb(i32 w) { return Cat(w) == 14; }
bool InRange(i32 v, i32 lo, i32 hi) { return v >= lo && v <= hi; }

// The clause that a verb clause s absorbs (a) and the clauses skipped
// between them (k); false when none.
bool AbsorbedClause(i32 s, i32& a, i32& k) {
    const i32 h = First(s);
    const u8 mark = Mark(h);
    const u8 cls = Cls(h);
    const i32 n = s + 1;
    a = n;
    k = 0;
    if (mark == 17 && cls == 128 && Kind(n) == 11) {
        W(First(a)).FunctionCode = 74;
        return true;
    }
    const bool auxiliary = (mark & 127) == 16;
    const u16 nextCode = W(First(n)).FunctionCode;
    if (auxiliary && Kind(n) == 10 && (nextCode == 82 || nextCode == 81)) return true;
    if (auxiliary && cls == 128 && Kind(n) == 10) {
        W(First(a)).FunctionCode = 74;
        return true;
    }
    if (cls == 128 && s < SegCount() - 2 && Kind(n) == 13 && (FMark(n) & 127) == 16 && Kind(s + 2) == 10 &&
        W(First(s + 2)).FunctionCode == 82) {
        a = s + 2;
        k = 1;
        W(First(a)).FunctionCode = 74;
        return true;
    }
    if (cls == 128 && FCat(n) == 13 && mark != 17 && !auxiliary) {
        W(First(a)).FunctionCode = 74;
        return true;
    }
    return false;
}

// Clause s stands for itself and the k + 1 clauses after it: it keeps its
// kind and first word and takes the rest of the last one's record; links
// past the removed clauses drop by k + 1, links to them name s.
void MergeVerbGroup(i32 s, i32 a, i32 k) {
    W(First(a)).LinkedWord = W(First(s)).LinkedWord;
    SegmentRecord& r = S(s);
    const SegmentRecord& from = S(a);
    r.Gender = from.Gender;
    r.Number = from.Number;
    r.Person = from.Person;
    r.State = from.State;
    r.LastWord = from.LastWord;
    r.Link = from.Link;
    RemoveSegmentRecords(s, k + 1);
    for (i32 i = 0; i < SegCount(); ++i) {
        if (Kind(i) != 24) continue;
        WordRecord& w = W(Last(i));
        w.LinkedWord = AdjustSegmentLink(w.LinkedWord, s, k + 1);
    }
}

void MergeVerbGroups() {
    for (i32 s = 1; s < SegCount() - 1; ++s) {
        if (Kind(s) != 14) continue;
        i32 a = 0;
        i32 k = 0;
        if (AbsorbedClause(s, a, k)) MergeVerbGroup(s, a, k);
    }
}

// An imperfect subjunctive of an auxiliary followed by its participle is a
// compound tense, not a stray subjunctive.
bool CompoundSubjunctive(i32 w) {
    const u8 c = Cls(w);
    if (!InRange(Feat(w), 36, 41) || (c != 194 && c != 131 && c != 128)) return false;
    return Cat(w + 1) == 11 || (Cat(w + 1) == 18 && Cat(w + 2) == 11);
}

RuleCode MoodReport(i32 w, u16 detail, u16 extent, u16& out) {
    RuleReport r;
    r.code = 53;
    r.pos = w;
    r.detail = detail;
    r.kind = 6;
    r.extent = extent;
    return Commit(r, out);
}

RuleCode CheckUngovernedSubjunctive(u16& out) {
    for (i32 w = 0; w < Count(); ++w) {
        const u8 f = Feat(w);
        if (Verb(w) && InRange(f, 30, 41) && MayReport(53, w) && !CompoundSubjunctive(w)) {
            const u16 extent = f >= 36 ? static_cast<u16>(f - 12) : Pair(f - 24, f - 18);
            bool report = w >= 2;
            if (w == 0) report = (Cls(0) & 7) <= 3;
            if (w == 1) report = (Cls(1) & 7) <= 3 || Cat(0) != 18;
            if (report) return MoodReport(w, 1, extent, out);
        }
        if (Cat(w) == 17 || Cat(w) == 5 || Begins(w, "qu")) return 0;
    }
    return 0;
}

// The first word after c that is a conjugated verb; -1 when none.
i32 VerbAfter(i32 c) {
    for (i32 w = c + 1; w < Count(); ++w)
        if (Verb(w)) return w;
    return -1;
}

// A leading word of a conjunctive locution ("quoi" of "quoi que", "pour"
// of "pour que"): the locution's mood sits on its last word.
bool LocutionLead(i32 w) { return Cls(w) == '*' && w + 1 < Count() && Cat(w + 1) == 17 && Cls(w + 1) == '*'; }

i32 ConjunctionWithMood(u8 mood, const char* begins) {
    for (i32 w = 0; w < Count(); ++w)
        if (Cat(w) == 17 && Feat(w) == mood && Begins(w, begins) && !LocutionLead(w)) return w;
    return -1;
}

// The verb of the clause a conjunction opens: the first conjugated verb or
// relative pronoun before a punctuation sign. A conjunction that governs
// no verb of its own is elliptic ("quoique heureuse, ils la crurent
// tourmentée", "bien qu'un peu petites (mais c'est Paris)"): the verb
// after the sign is the main clause's. -1 when none.
i32 VerbOfClause(i32 c) {
    for (i32 w = c + 1; w < Count(); ++w) {
        if (Cat(w) == 20 || Cat(w) == 21) return -1;
        if (Verb(w) || Cat(w) == 5) return w;
    }
    return -1;
}

RuleCode CheckIndicativeAfterConjunction(u16& out) {
    const i32 c = ConjunctionWithMood(1, "q");
    const i32 v = c < 0 ? -1 : VerbOfClause(c);
    if (v < 0 || !Verb(v)) return 0;
    const u16 extent = SubjunctiveFor(v);
    if (extent == 0 || !MayReport(53, v)) return 0;
    return MoodReport(v, 2, extent, out);
}

// A plain "que" takes its mood from the clause before it: after a negation
// ("Je ne crois pas qu'il vienne."), in a question or under a condition the
// subjunctive is as right as the indicative. A "que" that ends a conjunctive
// locution ("dès que", "parce que") keeps its own mood.
bool SubjunctiveMayFollow(i32 c) {
    if (Cls(c) == '*') return false;
    for (i32 w = 0; w < c; ++w) {
        if (Is(w, "ne") || Is(w, "n'") || Is(w, "Ne") || Is(w, "N'") || Is(w, "si") || Is(w, "Si") || Is(w, "s'") ||
            Is(w, "S'") || (Verb(w) && (Cls(w) & 7) > 3))
            return true;
    }
    return Begins(Count() - 1, "?");
}

RuleCode CheckAfterQue(u16& out) {
    const i32 c = ConjunctionWithMood(0, "qu");
    const i32 v = c < 0 ? -1 : VerbAfter(c);
    if (v < 0) return 0;
    const i32 f = Feat(v);
    if ((InRange(f, 30, 41) || f == 59) && !SubjunctiveMayFollow(c)) {
        u16 extent = f >= 36 ? Pair(f - 30, f - 24) : Pair(f - 24, f - 18);
        if (f == 59) extent = Cls(v - 1) == 'U' ? 6 : 8;
        if (CompoundSubjunctive(v) || !MayReport(53, v)) return 0;
        return MoodReport(v, 1, extent, out);
    }
    if (!InRange(f, 18, 23)) return 0;
    for (i32 w = c - 1; w >= 0; --w) {
        if (!Verb(w)) continue;
        const i32 g = Feat(w);
        if ((InRange(g, 12, 17) || InRange(g, 24, 29)) && MayReport(53, v))
            return MoodReport(v, 3, static_cast<u16>(f + 24), out);
        return 0;
    }
    return 0;
}

// The "si" that opens a condition; -1 when a conjugated verb comes first.
i32 ConditionWord() {
    for (i32 w = 0; w < Count(); ++w) {
        if (Verb(w)) return -1;
        if (Cat(w) != 17) continue;
        if (Is(w, "si") || Is(w, "Si")) return w;
        if ((Is(w, "s'") || Is(w, "S'")) && w < Count() - 1 && Cls(w + 1) == ']' && Feat(w + 1) == 23) return w;
    }
    return -1;
}

// After an imperfect in the condition, a main clause without conditional.
RuleCode CheckMainClauseAfterImperfect(i32 si, i32 v, u16& out) {
    for (i32 w = si; w >= 1; --w)
        if (Verb(w) && InRange(Feat(w), 42, 47)) return 0;
    for (i32 u = v + 2; u < Count(); ++u) {
        if (Cat(u) == 17 || Cat(u) == 5) return 0;
        if (!Verb(u)) continue;
        if (Feat(u) >= 42 || !MayReport(53, u)) return 0;
        return MoodReport(u, 8, static_cast<u16>(Feat(u) % 6 + 42), out);
    }
    return 0;
}

RuleCode CheckConditionClause(u16& out) {
    const i32 si = ConditionWord();
    if (si < 0) return 0;
    i32 v = -1;
    for (i32 w = si + 1; w < Count() && v < 0; ++w)
        if (Verb(w) || Cat(w) == 21) v = w;
    if (v < 0 || Cls(v) <= 127) return 0;
    const i32 f = Feat(v);
    if (InRange(f, 18, 23) || InRange(f, 30, 50)) {
        if (!MayReport(53, v)) return 0;
        const u16 detail = f <= 23 ? 4 : f <= 41 ? 5 : f <= 47 ? 6 : 7;
        return MoodReport(v, detail, Pair(f % 6 + 12, f % 6 + 6), out);
    }
    if (InRange(f, 12, 17)) return CheckMainClauseAfterImperfect(si, v, out);
    return 0;
}

}  // namespace

// Forms shared by the present and the subjunctive are not taken for
// subjunctives.
void MarkSharedForms() {
    for (i32 w = 0; w < Count(); ++w) {
        const u8 f = Feat(w);
        if (f != 11 && f != 35) continue;
        switch (Mark(w)) {
            case 16: case 17: case 18: case ')': case '+': case '-': case '/': case 'J':
                break;
            default:
                W(w).ReadingFeatures[0] = 54;
        }
    }
}

// The subjunctive slot a form of the indicative becomes; 0 when the form
// is not corrected.
u16 SubjunctiveFor(i32 v) {
    const i32 f = Feat(v);
    if (f == 5 || f == 15 || f == 16 || InRange(f, 18, 23) || InRange(f, 30, 41)) return 0;
    if (f >= 48 && f != 52 && f != 53 && f != 60) return 0;
    if (f == 1) return 33;
    if (f == 2) return 34;
    if (f == 0 || f == 3 || f == 4 || f == 6) return Cls(v - 1) == 'Y' ? 31 : 30;
    if (InRange(f, 7, 11)) return static_cast<u16>(f + 24);
    if (InRange(f, 12, 17)) return static_cast<u16>(f + 18);
    if (InRange(f, 24, 29)) return Pair(f + 6, f + 12);
    if (InRange(f, 42, 47)) return static_cast<u16>(f - 12);
    if (f == 52 || f == 53) return static_cast<u16>(f - 37);
    return Verb(v - 1) && Feat(v - 1) > 11 ? Pair(32, 38) : 32;
}

RuleCode CheckMoodAndTense(u16& out) {
    MergeVerbGroups();
    MarkSharedForms();
    if (const RuleCode r = CheckUngovernedSubjunctive(out); r != 0) return r;
    if (const RuleCode r = CheckIndicativeAfterConjunction(out); r != 0) return r;
    if (const RuleCode r = CheckAfterQue(out); r != 0) return r;
    return CheckConditionClause(out);
}

}  // namespace clause_walk
