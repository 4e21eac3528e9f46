// Phrase functions of the analysis cascade, after the verb walk: passive
// agents, non-finite clauses hanging on a noun, epithets and complements
// of nouns with their agreement (45 'E', 'T'), comparatives before an
// infinitive, coordinated modifiers, coordinating commas, punctuation
// segments removed, noun complements and the clause of each complement.
#include "frame/settings.h"
#include "rules/clause/analysis_cascade.h"

using rules::Begins;
using rules::Cat;
using rules::Cls;
using rules::Ends;
using rules::Is;
using rules::W;

namespace {

bool French() { return gCheckingLanguage != 0; }
bool NounPhrase(i32 s) { return Kind(s) == 23 || Kind(s) == 24; }
u16& Fn(i32 w) { return W(w).FunctionCode; }
u8& Link(i32 s) { return Seg(s).Link; }

// Every segment from `from` to `to` whose link is `was` takes `now`.
void Relink(i32 from, i32 to, i32 was, i32 now) {
    for (i32 t = from; t <= to && t < Segments(); ++t) {
        if (Link(t) == was) Link(t) = static_cast<u8>(now);
    }
}

// Pass 1: a past participle before a "by" or "par" phrase is passive, an
// epithet after "to be".
void PassiveAgents() {
    for (i32 i = 1; i < Segments() - 1; ++i) {
        if (Kind(i) != 11 || Kind(i + 1) != 23 || Kind(i - 1) == 14 || !IsAgent(FirstOf(i + 1))) continue;
        const i32 h = FirstOf(i);
        Fn(h) = 82;
        if (FirstOf(i + 1) > 1 && Is(h - 1, "be") && Is(h - 2, "to")) Fn(h) = 76;
    }
}

bool NonFinite(i32 s) {
    const i32 h = FirstOf(s);
    return (Kind(s) == 12 && Cat(h) == 12) || (Kind(s) == 13 && (Cat(h) == 13 || Is(h, "to")));
}

// Pass 2, a non-finite clause after a noun phrase and a comma: the comma
// goes and the clause hangs on the noun. Returns the clause's new index.
i32 ClauseAfterComma(i32 s) {
    RemoveAnalysisSegment(s - 1);
    const i32 c = s - 1;
    if (c >= Segments() - 2) return c;
    if (NounPhrase(c + 1)) {
        Fn(LastOf(c)) = 80;
        if (Kind(c + 1) == 23) W(LastOf(c + 1)).LinkedWord = static_cast<u16>(LastOf(c));
    }
    W(LastOf(c)).LinkedWord = static_cast<u16>(FirstOf(c) - 2);
    i32 r = 0;
    for (i32 k = c - 1; k > 0 && r == 0; --k) {
        if (Kind(k) == 24) r = k;
    }
    Link(c) = Link(r);
    return c;
}

// Pass 2: non-finite clauses that depend on the phrase before them.
void ImplicitSubordinates() {
    for (i32 s = 1; s < Segments(); ++s) {
        if (!NonFinite(s)) continue;
        const i32 p = s - 1;
        if (NounPhrase(p)) {
            Link(s) = Link(p);
            if (s < Segments() - 1 && (NounPhrase(s + 1) || Kind(s + 1) == 13)) {
                Fn(LastOf(s)) = 80;
                if (Kind(s + 1) == 23) W(LastOf(s + 1)).LinkedWord = static_cast<u16>(LastOf(s));
            }
        } else if (s > 1 && Kind(p) == 21 && NounPhrase(s - 2)) {
            s = ClauseAfterComma(s);
        } else if (Kind(s) == 13) {
            const i32 b = FirstOf(s) - 1;
            if (Is(b, "whether") || Is(b, "when") || Is(b, "how")) Fn(LastOf(s)) = 80;
        }
    }
}

bool Clash(u8 a, u8 b) { return (a == 1 && b == 2) || (a == 2 && b == 1); }

bool AdjectiveClass(u8 c) { return c == 'B' || c == 'C' || c == 'E' || c == 'M' || c == 'N'; }

// Pass 3 step 5: a noun-or-adjective segment that does not agree with the
// phrase it hangs on.
RuleCode DependentAgreement(i32 s, u16& out) {
    const SegmentRecord& a = Seg(s);
    const SegmentRecord& n = Seg(s - 1);
    if (!((French() && Clash(a.Gender, n.Gender)) || Clash(a.Number, n.Number))) return 0;
    const i32 h = FirstOf(s);
    if (!rules::MayReport(kCodeAttributeAgreement, h)) return 0;
    rules::RuleReport r;
    r.code = kCodeAttributeAgreement;
    r.pos = h;
    r.extent = FormOf(n);
    r.gender = a.Gender;
    r.number = a.Number;
    r.kind = 4;
    r.variant = AdjectiveClass(Cls(h)) ? 'T' : 'E';
    return CommitAnalysisReport(r, out);
}

// Pass 3: modifiers and non-finite clauses after a noun phrase.
RuleCode NounDependents(u16& out) {
    for (i32 s = Segments() - 1; s >= 1; --s) {
        const u8 k = Kind(s);
        if (k < 10 || k > 13 || Fn(LastOf(s)) == 80 || !NounPhrase(s - 1)) continue;
        const i32 h = FirstOf(s), last = LastOf(s);
        Link(s) = Link(s - 1);
        if ((k == 12 || k == 13) && (Cat(h) == 15 || (!French() && Is(h, "to")))) Fn(last) = 73;
        else if (Fn(last) != 77 && Fn(last) != 80) Fn(last) = 76;
        W(last).LinkedWord = static_cast<u16>(LastOf(s - 1));
        Relink(s + 1, Segments() - 2, s, s - 1);
        // A head before the last word takes the link of the phrase it hangs
        // on (that phrase's last word); a one-word segment keeps its link to
        // the noun.
        if (h != last) W(h).LinkedWord = W(LastOf(s - 1)).LinkedWord;
        if (k == 10) {
            if (const RuleCode r = DependentAgreement(s, out); r != 0) return r;
        }
    }
    return 0;
}

// Pass 4: "a better house to rent": the infinitive and the noun phrase
// fold into the phrase before the comparative.
void Comparatives() {
    for (i32 s = 0; s < Segments() - 2; ++s) {
        const i32 a = FirstOf(s + 1) - 1;
        if (!NounPhrase(s) || Cat(a) != 10 || !(Is(a - 1, "more") || Ends(a, "er"))) continue;
        if (Kind(s + 1) != 13 || Kind(s + 2) != 23 || Cls(FirstOf(s + 2)) != 'A') continue;
        const u8 noun = static_cast<u8>(LastOf(s + 2));
        RemoveAnalysisSegments(s, 2);
        Seg(s).LastWord = noun;
        W(a).ReadingClasses[0] = 'B';
        Fn(a) = 76;
    }
}

// Pass 5: a modifier after a conjunction or comma shares the function of
// the one before it.
void CoordinatedModifiers() {
    for (i32 s = 2; s < Segments(); ++s) {
        const u8 k = Kind(s), before = Kind(s - 2);
        if ((k != 10 && k != 11) || (Kind(s - 1) != 16 && Kind(s - 1) != 21)) continue;
        if (!(NounPhrase(s - 2) || before == 10 || before == 11) || Seg(s).Number != Seg(s - 2).Number) continue;
        const WordRecord& first = W(LastOf(s - 2));
        Fn(LastOf(s)) = first.FunctionCode;
        W(LastOf(s)).LinkedWord = first.LinkedWord;
        Link(s) = Link(s - 1) = Link(s - 2);
        W(LastOf(s - 1)).LinkedWord = first.LinkedWord;
        Seg(s - 1).SegmentKind = 16;
    }
}

bool Relative(i32 w) { return Cat(w) == 5; }

// Pass 6: a comma between two phrases of one kind coordinates them.
void CoordinatingCommas() {
    for (i32 s = 1; s < Segments() - 1; ++s) {
        if (Kind(s) != 21 || !Begins(FirstOf(s), ",") || !NounPhrase(s - 1) || Cat(FirstOf(s - 1)) <= 6) continue;
        const i32 h1 = FirstOf(s + 1);
        const bool same = Kind(s - 1) == Kind(s + 1) && !Relative(h1) && Fn(h1) != 79;
        const bool subject = s > 1 && s + 2 < Segments() && Kind(s - 1) == 23 && Kind(s + 1) == 24 &&
                             !Relative(h1) && Fn(LastOf(s + 1)) != 79 && !Relative(FirstOf(s + 2)) &&
                             Fn(LastOf(s + 2)) != 79;
        if (same || subject) Seg(s).SegmentKind = 16;
    }
}

// Pass 7: other punctuation leaves the segment table (the words stay).
void DropPunctuation() {
    for (i32 s = 1; s < Segments() - 1;) {
        if (Kind(s) == 27) RemoveAnalysisSegment(s);
        else ++s;
    }
}

// Pass 8: a noun phrase after another is its complement.
void NounComplements() {
    for (i32 s = Segments() - 1; s >= 1; --s) {
        const i32 h = FirstOf(s), p = s - 1;
        if (Kind(s) != 23 || Cat(h) == 2 || Cat(h) == 5 || Fn(LastOf(s)) == 79) continue;
        if (!(Kind(p) == 23 || (Kind(p) == 24 && Cat(FirstOf(p)) != 1))) continue;
        Link(s) = Link(p);
        Fn(LastOf(s)) = Cat(LastOf(p)) == 13 ? 70 : 72;
        W(LastOf(s)).LinkedWord = static_cast<u16>(LastOf(p));
        Relink(s, Segments() - 1, s, p);
    }
}

// Pass 9 step 1-2: segment t is a complement of the verb before it.
bool BelongsToVerb(i32 t) {
    const u8 k = Kind(t);
    const i32 h = FirstOf(t);
    const bool kind = k == 10 || k == 11 || k == 23 || k == 13 || (k == 24 && !French() && Cls(h) == 'd');
    if (!kind) return false;
    return !(French() && Cat(h) < 7) && !Relative(h) && Fn(LastOf(t)) != 79;
}

// Pass 9: complements after a verb, infinitive or participle join its
// clause.
void ClauseMembership() {
    for (i32 s = 0; s < Segments(); ++s) {
        const u8 k = Kind(s);
        if (k != 14 && k != 13 && k != 12) continue;
        if (French() && Fn(LastOf(s)) == 83) continue;
        for (i32 t = s + 1; t < Segments() && BelongsToVerb(t);) {
            Link(t) = Link(s);
            i32 next = t + 1;
            if (t + 2 < Segments() && Kind(t + 1) == 16 && Kind(t + 2) == Kind(t)) {
                for (next = t + 2; next < Segments(); ++next) {
                    const u8 kn = Kind(next);
                    if (kn != 16 && kn != Kind(t) && kn != 23) break;
                    Link(next) = Link(s);
                }
            }
            const i32 h = FirstOf(t);
            if (Kind(t) == 24 && (Cat(h) == 15 || Cat(h) == 9)) {
                Seg(t).SegmentKind = 23;
                Fn(LastOf(t)) = 70;
            }
            t = next;
        }
    }
}

}  // namespace

RuleCode AssignPhraseFunctions(AnalysisFrame&, u16& out) {
    PassiveAgents();
    ImplicitSubordinates();
    if (const RuleCode r = NounDependents(out); r != 0) return r;
    Comparatives();
    CoordinatedModifiers();
    CoordinatingCommas();
    DropPunctuation();
    NounComplements();
    ClauseMembership();
    return 0;
}
