// The two walks over a French sentence's verb segments. The first marks
// each verb segment that counts as a clause and checks it against the
// nearest subject group before it (44 'I'); the second takes each verb in
// turn: a verb after a verb with no clause link (44 'A', 'V', 43 'D'), the
// linked pairs, the imperatives (39 'A' for a hyphenated one before an
// infinitive), the same form twice (53), the subject search, and at the
// end a verb left without its clause link (40 'A').
#include "rules/clause/clause_verbs.h"

#include "frame/mac_roman.h"
#include "morphology/word_lookup.h"
#include "rules/french/french_verb.h"

namespace clause_verbs {

using namespace rules;

namespace {

// 44 'I': a verb whose fused subject pronoun has the other gender than the
// nearest subject group before it.
bool InterrogativeFormPassedOver(i32 i, i32 v) {
    const i32 n = SegCount();
    if (Feat(v) < 64) return true;
    if (i > 0 && Cls(v - 1) == 22) return true;
    if (i < n - 1 && Begins(v + 1, "qu")) return true;
    if (i > 0 && (Kind(i - 1) == 21 || Cat(v - 1) == 2 || Kind(i - 1) == 2))
        return (i == n - 1 && !Begins(Count() - 1, "?")) || Kind(i + 1) == 21 || Kind(i + 1) == 20;
    return false;
}

RuleCode InterrogativeForm(i32 i, u16& out) {
    const i32 v = First(i);
    if (InterrogativeFormPassedOver(i, v)) return 0;
    i32 s = i - 1;
    while (s >= 0 && Kind(s) != 24) --s;
    if (s < 0 || !Opposite(Seg(i).Gender, Seg(s).Gender)) return 0;
    if (!LastSegment(i) && (Cls(First(s)) == ']' || Cls(First(s) + 1) == 131 || Mark(v) == 'q')) return 0;
    if (!MayReport(kCodeSubjectVerbAgreement, First(i)) || AfterRule40At(First(i))) return 0;
    RuleReport r = ReportAt(kCodeSubjectVerbAgreement, First(i));
    r.number = Seg(i).Number;
    r.person = Seg(i).Person;
    r.gender = Seg(s).Gender == 2 ? 1 : 2;
    r.kind = 2;
    r.variant = 'I';
    r.extent = static_cast<u16>(s);
    return CommitClauseReport(r, i, out);
}

RuleCode FirstWalk(ClauseFrame& f, u16& out) {
    for (i32 i = 0; i < SegCount(); ++i) {
        if (Kind(i) != 14) continue;
        const i32 v = First(i);
        if ((Cls(Last(i)) & 7) > 3) {
            if (i > 0) ++f.verbClauseCount;
            if (Feat(v) < 49 && Feat(v) % 6 == 4) EditSeg(i).Number = 0;
            if (Feat(v) >= 65 && Feat(v) < 128) EditSeg(i).Gender = 1;
            else if (Feat(v) >= 128) EditSeg(i).Gender = 2;
            W(v).FunctionCode = 83;
            if (const RuleCode r = InterrogativeForm(i, out); r != 0) return r;
        } else if ((Cls(v) & 15) > 7) {
            f.imperativeSeen = 1;
        } else if (i > 0 && Feat(v) >= '0' && Feat(v) <= '2' && (Kind(i - 1) == 21 || Cat(v - 1) == 20)) {
            f.imperativeSeen = 1;
            if (Feat(v) == '2') EditSeg(i).Number = 0;
        }
    }
    return 0;
}

// The verb before a verb that takes an infinitive ("il veut mange").
bool WantsInfinitive(i32 p, i32 i) {
    const i32 w = First(p);
    const u8 m = Mark(w);
    static const char* const kStems[] = {"manq", "pens", "risq", nullptr};
    if (m == 18 || m == '#' || m == '&' || m == ')' || m == '*' || m == '+' || m == '/') return true;
    if (m == 1 && french_verb::BeginsAny(w, kStems)) return true;
    return Cls(First(i)) > 149 && !LastSegment(i) && Cat(First(i + 1)) == 7;
}

// Both bytes of a 16-bit selector hold the form of segment s.
u16 PairedForm(i32 s) {
    const i32 g = Seg(s).Gender;
    const i32 n = Seg(s).Number;
    const i32 form = g != 0 && n != 0 ? 2 * g + n - 2 : g != 0 ? 2 * g - 1 : n;
    return static_cast<u16>(form * 257);
}

// Step 4 of the second walk: a conjugated verb right after another with
// no clause link between them. 0 when the rule does not apply.
RuleCode VerbAfterVerb(ClauseFrame& f, i32 i, u16& out) {
    const i32 p = i - 1;
    const i32 v = First(i);
    if (Kind(p) != 14 || Cat(First(p) + 1) >= 20 || Cat(v - 1) >= 20 || AfterRule40At(v)) return 0;
    if (i == 2 && Seg(2).Number == 1 && (Seg(2).Person == 3 || Seg(2).Person == 5) && Is(0, "qui")) return 0;
    const u8 c = Cls(First(p));
    RuleReport r = ReportAt(kCodeSubjectVerbAgreement, v);
    if (c != 131 && c != 194) {
        const bool infinitive = WantsInfinitive(p, i);
        r.variant = infinitive ? 'V' : 'A';
        r.extent = infinitive ? 0 : PairedForm(p);
    } else if (c == 131 && Kind(i - 2) == 26 && (Mark(v) == 'V' || Mark(v) == 'X' || Mark(v) == '[')) {
        // A reflexive participle read as a verb: gated as the 43 it is.
        if (!MayReport(kCodeParticipleAgreement, v)) return 0;
        f.currentVerb = i;
        r.variant = 'D';
        r.detail = 4;
        r.extent = 1;
        r.kind = 3;
        return AgreementTail(f, r, out);
    } else {
        r.variant = 'A';
        r.extent = c == 131 ? AttributeExtent(p) : 1;
    }
    if (!MayReport(kCodeSubjectVerbAgreement, v)) return 0;
    f.currentVerb = i;
    return Commit(r, out);
}

// Step 5: a segment in state 1 forms a pair with the one before it.
void LinkPair(i32 i) {
    EditSeg(i).Number = 1;
    EditSeg(i).Gender = 1;
    W(Last(i)).LinkedWord = static_cast<u16>(i - 1);
    W(Last(i - 1)).LinkedWord = static_cast<u16>(i);
    W(Last(i - 1)).FunctionCode = 75;
    W(Last(i)).FunctionCode = 74;
    if (!LastSegment(i) && Kind(i + 1) == 24) EditSeg(i + 1).State = 1;
}

// Step 8: an imperative form without a subject pronoun.
bool ImperativeWithoutPronoun(ClauseFrame& f, i32 i, i32 v) {
    if (Kind(i - 1) == 21) return true;
    if (Cat(v - 1) == 20 && gLastRule != 15) return true;
    if (f.imperativeSeen == 1) return true;
    if (v > 1 && Cls(v - 1) == 22 && (Kind(i - 1) == 21 || Cat(v - 2) == 20)) return true;
    return v >= 3 && Cat(v - 1) == 2 && Cls(v - 2) == 22 && (Kind(i - 2) == 21 || Cat(v - 3) == 20);
}

// The imperative forms of the second person plural and the first plural
// keep their person after "vous", "nous" or a pronoun.
void SettleImperativeForm(i32 i, i32 v) {
    const i32 before = First(i - 1);
    if (Cat(before) == 2) return;
    if (Feat(v) == '5' && !Is(before, "vous")) W(v).ReadingFeatures[0] = '2';
    else if (Feat(v) == '4' && !Is(before, "nous")) W(v).ReadingFeatures[0] = '1';
}

enum class Next { kSegment, kSubject, kReport };

// The feature of an imperative reading among the dictionary's readings of
// verb v, its own first ("sois" and "sache" read as subjunctives are
// imperatives too); 0 when it has none.
u8 ImperativeReading(ClauseFrame& f, i32 v) {
    const auto imperative = [](u8 feat) { return feat >= '0' && feat <= '7' && feat != '6'; };
    if (imperative(Feat(v))) return Feat(v);
    CopyLowerCase(*f.workWord, W(v).WordText);
    f.workTagCount = 0;
    LookupWordForm(800, *f.workWord, *f.workTags, f.workTagCount);
    for (u16 t = 0; t < f.workTagCount; ++t) {
        const u16 tag = f.workTags->ClampedAt(t);
        if ((tag >> 8) >= 128 && imperative(static_cast<u8>(tag & 0xFF))) return static_cast<u8>(tag & 0xFF);
    }
    return 0;
}

// Verb v opens a statement: before it, past "ne" and its object pronouns,
// the sentence starts or a sign closes the statement before (":", "?",
// "!", ";"), with at most a linking word after the sign ("Et ne me
// rompez pas", "; mais sois bien persuadé"). Object pronouns stand before
// an imperative only after "ne" or, in the classical order of a second
// imperative, after the linking word ("et le repolissez"); "nous" or
// "vous" opening the statement before a verb of its person is the
// subject ("Et vous partez").
bool OpensStatement(i32 i, i32 v) {
    static const char* const kLinks[] = {"et", "mais", "puis", "ou", "or", "donc", nullptr};
    i32 w = v - 1;
    while (w >= 0 && Cat(w) == 2) --w;
    const bool negated = w >= 0 && Cls(w) == 22;
    if (negated) --w;
    if (!negated && w + 1 < v && Cat(w + 1) == 2 &&
        ((Is(w + 1, "nous") && Seg(i).Person == 1) || (Is(w + 1, "vous") && Seg(i).Person == 2)))
        return false;
    const bool linked = w >= 0 && IsOneOf(w, kLinks);
    if (linked) --w;
    if (!negated && !linked && w + 1 < v) return false;
    if (w < 0) return true;
    const bool sign = Cat(w) == 20 && !Begins(w, "(") && !Begins(w, ")") && !Begins(w, "\"");
    return sign || Begins(w, ";");
}

// Segment i follows a comma that closes a vocative: a noun or a name
// without article ("papa", "mon petit Paul") that opens its statement.
// A subject is not set off from its verb by a comma alone, so a verb
// there that can be an imperative is one ("Oh non, papa, va le
// chercher", "Marie, viens ici").
bool AfterVocative(i32 i) {
    if (i < 2 || Kind(i - 1) != 21 || !Is(First(i - 1), ",")) return false;
    const i32 g = i - 2;
    if (Kind(g) != 23 && Kind(g) != 24) return false;
    for (i32 w = First(g); w <= Last(g); ++w) {
        const bool possessive = w == First(g) && Cat(w) == 8 && (Cls(w) == 'x' || Cls(w) == 'z');
        if (Cat(w) != 10 && !possessive) return false;
    }
    if (Last(g) + 1 != First(i - 1)) return false;
    return g == 0 || Kind(g - 1) == 21 || Cat(First(g) - 1) == 20;
}

// A verb alone between a comma and the end of the sentence, or its
// question or exclamation mark, asks the hearer ("Tu viens, dis ?"): an
// inverted verb of a reported speech carries its pronoun ("dit-il").
bool ClosingTag(i32 i) {
    if (i < 1 || Kind(i - 1) != 21 || !Is(First(i - 1), ",") || First(i) != Last(i)) return false;
    return LastSegment(i) || Cat(Last(i) + 1) == 20;
}

// Steps 6 to 9 of the second walk for verb v of segment i.
Next ImperativesAndForms(ClauseFrame& f, i32 i, u16& out, RuleCode& code) {
    const i32 v = First(i);
    const u8 feat = Feat(v);
    if ((Cls(v) & 15) > 7) {
        MarkImperative(f, i);
        if (Contains(v, "-") && Cat(First(i + 1)) == 13 && MayReport(kCodeHyphen, v)) {
            RuleReport r = ReportAt(kCodeHyphen, v);
            r.variant = 'A';
            r.extent = 1;
            code = CommitClauseReport(r, i, out);
            return Next::kReport;
        }
        return Next::kSegment;
    }
    if (OpensStatement(i, v)) {
        if (const u8 imperative = ImperativeReading(f, v); imperative != 0) {
            W(v).ReadingFeatures[0] = imperative;
            MarkImperative(f, i);
            return Next::kSegment;
        }
    }
    // After a semicolon a new statement starts, as after a comma ("il le
    // fait ; viens ici").
    const bool opens = Kind(i - 1) == 21 || Cat(v - 1) == 20 || Begins(v - 1, ";");
    if (feat >= '0' && feat <= '2' && (opens || f.imperativeSeen == 1)) {
        MarkImperative(f, i);
        return Next::kSegment;
    }
    if (feat >= '0' && feat <= '7' && feat != '6' && ImperativeWithoutPronoun(f, i, v)) {
        if (f.imperativeSeen == 1 || Kind(i - 1) == 21) SettleImperativeForm(i, v);
        MarkImperative(f, i);
        return Next::kSegment;
    }
    if (AfterVocative(i) || ClosingTag(i)) {
        if (const u8 imperative = ImperativeReading(f, v); imperative != 0) {
            W(v).ReadingFeatures[0] = imperative;
            MarkImperative(f, i);
            return Next::kSegment;
        }
    }
    if (feat != '5' && feat != '4' && feat != 2 && feat != 1) return Next::kSubject;
    if (Kind(i - 1) == 14 && Feat(First(i - 1)) == feat) {
        if (!MayReport(kCodeMoodAfterIf, v)) return Next::kSubject;
        RuleReport r = ReportAt(kCodeMoodAfterIf, v);
        r.variant = 0;
        r.kind = 6;
        code = CommitClauseReport(r, i, out);
        return Next::kReport;
    }
    if (f.imperativeSeen == 1 || Kind(i - 1) == 14 || Kind(i - 1) == 21 || Cat(v - 1) == 20) {
        if (feat == '5') EditSeg(i).Number = 0;
        f.imperativeSeen = 1;
        W(Last(i)).FunctionCode = 38;
        return Next::kSegment;
    }
    return Next::kSubject;
}

RuleCode SecondWalk(ClauseFrame& f, u16& out) {
    for (i32 i = 1; i < SegCount(); ++i) {
        f.currentSegment = i;
        if (Kind(i) != 14 || (Cls(First(i)) & 7) >= 4) continue;
        ++f.verbClauseCount;
        if (f.verbClauseCount > f.clauseOpeningCount + 1)
            if (const RuleCode r = VerbAfterVerb(f, i, out); r != 0) return r;
        f.currentVerb = i;
        if (Seg(i).State == 1) {
            LinkPair(i);
            continue;
        }
        RuleCode code = 0;
        const Next next = ImperativesAndForms(f, i, out, code);
        if (next == Next::kReport) return code;
        if (next == Next::kSubject)
            if (const RuleCode r = SearchSubject(f, i, out); r != 0) return r;
    }
    return 0;
}

// 40 'A': the verb "a" left without a subject when the sentence has more
// verbs than clause links.
RuleCode MissingClauseLink(const ClauseFrame& f, u16& out) {
    const i32 p = f.pendingSegment;
    if (p < 1 || f.subordinateCount + 1 >= f.verbClauseCount) return 0;
    const u8 next = Kind(p + 1);
    if (next != 13 && next != 24 && next != 23 && next != 10) return 0;
    const i32 w = First(p);
    if (!MayReport(kCodeWordSequence, w)) return 0;
    RuleReport r = ReportAt(kCodeWordSequence, w);
    r.variant = 'A';
    r.extent = static_cast<u16>(w);
    return Commit(r, out);
}

}  // namespace

}  // namespace clause_verbs

RuleCode CheckVerbSegments(ClauseFrame& f, u16& out) {
    using namespace clause_verbs;
    if (f.questionVerbFirst) {
        if (const RuleCode r = SearchSubject(f, 0, out); r != 0) return r;
    } else if (const RuleCode r = FirstWalk(f, out); r != 0) {
        return r;
    }
    if (const RuleCode r = SecondWalk(f, out); r != 0) return r;
    return MissingClauseLink(f, out);
}
