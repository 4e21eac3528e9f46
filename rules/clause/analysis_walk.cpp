// The verb-segment walk of the analysis cascade: each conjugated-verb
// segment gets its function, English questions and inversions are put back
// into subject-verb order, French inverted pronouns are split off, and
// rules 40 'A', 44 'S', 44 'I' and 39 'A' are reported. The verb groups of
// each segment (analysis_verb_groups.cpp) follow its steps.
#include "frame/layer_hooks.h"
#include "frame/sentence_state.h"
#include "frame/settings.h"
#include "morphology/word_lookup.h"
#include "rules/clause/analysis_cascade.h"

using rules::Begins;
using rules::Cat;
using rules::Cls;
using rules::Feat;
using rules::Is;
using rules::Mark;
using rules::W;

namespace {

bool French() { return gCheckingLanguage != 0; }
u8 Low(u8 mark) { return static_cast<u8>(mark & 127); }

// ---- Record moves ---------------------------------------------------------

void DeleteWord(i32 p) {
    for (i32 k = p + 1; k < rules::Count(); ++k) CopyWordRecord(W(k - 1), W(k));
    --gWordCount;
    ClearWordRecord(W(rules::Count()));
}

// Moves word `from` to `to` through the scratch record after the last
// word; false when the table has no such record.
bool MoveWord(i32 from, i32 to) {
    if (rules::Count() >= static_cast<i32>(gWords.count) || from == to) return from == to;
    WordRecord& scratch = W(rules::Count());
    CopyWordRecord(scratch, W(from));
    if (from < to) {
        for (i32 k = from; k < to; ++k) CopyWordRecord(W(k), W(k + 1));
    } else {
        for (i32 k = from; k > to; --k) CopyWordRecord(W(k), W(k - 1));
    }
    CopyWordRecord(W(to), scratch);
    ClearWordRecord(scratch);
    return true;
}

u8 Lowered(i32 v, i32 by) { return static_cast<u8>(v > by ? v - by : 0); }

// Removes the first n segment records; the later ones move down with their
// words, links and bounds lowered by `words` and n.
void DropFrontSegments(i32 n, i32 words) {
    for (i32 k = 0; k + n < Segments(); ++k) {
        SegmentRecord s = Seg(k + n);
        s.FirstWord = Lowered(s.FirstWord, words);
        s.LastWord = Lowered(s.LastWord, words);
        s.Link = s.Link == 255 ? s.Link : Lowered(s.Link, n);
        Seg(k) = s;
    }
    gSegmentCount = static_cast<u16>(Segments() - n);
}

// The object function of the last word of segment 2 after a verb at
// segment 1: attribute after a linking verb, else indirect or direct.
void ObjectAfterVerb(i32 verb, i32 group, bool indirectBy9) {
    if (Kind(group) == 20 || Kind(group) == 21) return;  // punctuation is no object
    const u8 c = Cat(FirstOf(group));
    const bool indirect = c == 15 || (indirectBy9 && c == 9);
    WordRecord& w = W(LastOf(group));
    w.FunctionCode = Mark(verb) > 127 && !indirect ? 77 : indirect ? 71 : 70;
    w.LinkedWord = static_cast<u16>(verb);
}

// ---- English --------------------------------------------------------------

// Step 4: "never" or "no" before the verb puts the verb in front.
void MoveNegatedVerb(AnalysisFrame& f) {
    const i32 bound = FirstOf(1);
    f.never = Is(0, "never");
    for (i32 k = 0; k <= bound - 2 && !f.never; ++k) f.never = Is(k, "no");
    if (!f.never) return;
    for (i32 k = 0; k < bound; ++k) {
        if (Cat(k) == 14 && MoveWord(k, 0)) {
            Seg(0).LastWord = 0;
            return;
        }
    }
    f.never = false;
}

// Step 5, marks 28..36: "can you swim" loses its auxiliary. Returns the
// segment the walk goes on after, or -1 when it ends.
i32 DropQuestionAuxiliary(AnalysisFrame&) {
    DeleteWord(LastOf(0));
    DropFrontSegments(1, 1);
    Seg(0).SegmentKind = 24;
    if (Segments() >= 3) ObjectAfterVerb(LastOf(1), 2, false);
    for (i32 k = 1; k < Segments(); ++k) {
        if (Kind(k) != 13 && Kind(k) != 14) continue;
        Seg(k).SegmentKind = 14;
        W(LastOf(k)).FunctionCode = 83;
        return 1;
    }
    return -1;
}

// Step 6, marks 37 and 38: "is he happy" becomes "he is happy".
void InvertAuxiliary(AnalysisFrame& f) {
    if (f.questionFlag == 1 && Cat(0) == 18) {
        DeleteWord(0);
        for (i32 k = 0; k < Segments(); ++k) {
            Seg(k).FirstWord = Lowered(Seg(k).FirstWord, 1);
            Seg(k).LastWord = Lowered(Seg(k).LastWord, 1);
        }
    }
    const i32 place = FirstOf(2) - 1;
    if (place < 1 || !MoveWord(0, place)) return;
    const SegmentRecord verb = Seg(0);
    SegmentRecord subject = Seg(1);
    subject.FirstWord = 0;
    subject.LastWord = static_cast<u8>(place - 1);
    subject.Link = 0;
    subject.SegmentKind = 24;
    Seg(0) = subject;
    Seg(1) = verb;
    Seg(1).FirstWord = Seg(1).LastWord = static_cast<u8>(place);
    Seg(1).Link = 1;
    W(place - 1).FunctionCode = 75;
    if (!f.never) W(place).FunctionCode = 83;
    if (Segments() >= 3) {
        ObjectAfterVerb(place, 2, false);
        Seg(2).Link = 1;
        Seg(2).SegmentKind = 23;
    }
    if (Low(Mark(place)) == '%') Seg(0).State = 127;
    const i32 last = rules::Count() - 1;
    if (!Begins(last, "?")) return;
    if (FirstOf(Segments() - 1) == last && Segments() > 1) gSegmentCount = static_cast<u16>(Segments() - 1);
    DeleteWord(last);
}

// Step 7: a subject after its verb in a few fixed shapes.
void FindTrailingSubject() {
    static const struct {
        u8 kinds[6];
        i32 length, group, verb;
    } kShapes[] = {
        {{23, 14, 23}, 3, 2, 1},
        {{23, 16, 23, 14, 23}, 5, 4, 3},
        {{23, 14, 11, 23}, 4, 3, 1},
        {{23, 16, 23, 14, 11, 23}, 6, 5, 3},
    };
    for (const auto& s : kShapes) {
        if (Segments() < s.length) continue;
        bool same = true;
        for (i32 k = 0; k < s.length && same; ++k) same = Kind(k) == s.kinds[k];
        if (!same) continue;
        Seg(s.group).SegmentKind = 24;
        W(LastOf(s.group)).FunctionCode = 75;
        W(LastOf(s.group)).LinkedWord = 0;
        const i32 v = LastOf(s.verb);
        if (Low(Mark(v)) == '%') W(v).ReadingMarks[0] = '%';
        return;
    }
}

// Steps 4-8 for English. Returns the segment the walk goes on after, or -1
// when the walk ends.
i32 EnglishVerbSteps(AnalysisFrame& f, i32 i) {
    if (i == 0) MoveNegatedVerb(f);
    if (i == 0 && (f.questionFlag == 1 || f.never)) {
        const u8 m = Low(Mark(LastOf(0)));
        if (m >= 28 && m <= 36) return DropQuestionAuxiliary(f);
        if (m == 37 || m == 38) {
            InvertAuxiliary(f);
            return i;
        }
    }
    FindTrailingSubject();
    if (i == 0 && !f.never && f.questionFlag == 0) {
        W(LastOf(0)).LinkedWord = 0;
        W(LastOf(0)).FunctionCode = 67;
    }
    return i;
}

// ---- French ---------------------------------------------------------------

// Step 10 for a verb form without gender.
void PlainVerbForm(AnalysisFrame& f, i32 i, i32 v) {
    const u8 fe = Feat(v);
    const u8 c = Cls(v);
    if ((c & 7) < 4) {
        if (i >= 1 && (c & 15) <= 7 && fe >= 48 && fe <= 50 && (Kind(i - 1) == 21 || Cat(v - 1) == 20) && fe == '2')
            Seg(i).Number = 0;
        return;
    }
    W(v).LinkedWord = 0;
    if (fe < 49 && fe % 6 == 4) Seg(i).Number = 0;
    if (f.verbCount == 1) W(v).FunctionCode = 83;
    if (Mark(v) > 127 && i + 1 < Segments()) {
        const u8 c1 = Cat(FirstOf(i + 1));
        if (c1 != 15 && c1 != 9) W(LastOf(i + 1)).FunctionCode = 77;
    }
}

// Step 11: "est-ce que" in front of a question is dropped. True when done.
bool DropEstCe(i32 i, i32 v) {
    if (i != 0 || i >= Segments() - 1 || !Is(v, "est-ce") || !Begins(FirstOf(1), "qu")) return false;
    if (FirstOf(0) != 0 || FirstOf(1) != 1 || FirstOf(2) != 2 || Segments() < 3) return false;
    DropFrontSegments(2, 2);
    DeleteWord(0);
    DeleteWord(0);
    const i32 verb = LastOf(1);
    if (Mark(verb) > 127 && Segments() > 2) {
        ObjectAfterVerb(verb, 2, true);
        Seg(2).State = 127;
    }
    return true;
}

// Step 12 at the first segment: "mange-t-il" becomes "il" + "mange". Only
// with a stem before the first hyphen and a pronoun after the last, and
// while both tables keep their scratch record free.
bool SplitInvertedPronoun(AnalysisFrame& f, i32 v) {
    const BoundedString& text = W(v).WordText;
    const i32 n = rules::TextLength(v);
    i32 first = -1, last = -1;
    for (i32 k = 0; k < n; ++k) {
        if (rules::Letter(v, k) != '-') continue;
        if (first < 0) first = k;
        last = k;
    }
    if (v != 0 || first <= 0 || last >= n - 1) return false;
    if (rules::Count() + 1 > 127 || Segments() + 1 > 127) return false;
    BoundedString& pronoun = *f.locals.workWord;
    CopyBytesToString(pronoun, text.data + last + 1, n - last - 1);
    for (i32 k = rules::Count(); k > 0; --k) CopyWordRecord(W(k), W(k - 1));
    ++gWordCount;
    for (i32 k = Segments(); k > 0; --k) {
        Seg(k) = Seg(k - 1);
        Seg(k).FirstWord = static_cast<u8>(Seg(k).FirstWord + 1);
        Seg(k).LastWord = static_cast<u8>(Seg(k).LastWord + 1);
    }
    ++gSegmentCount;
    WordRecord& verb = W(1);
    verb.WordText[first] = 0;
    Seg(1).SegmentKind = 14;
    Seg(1).FirstWord = 1;
    Seg(1).Link = 1;
    verb.FunctionCode = 83;
    verb.GroupMark = 1;
    verb.ReadingClasses[0] = Lowered(verb.ReadingClasses[0], 4);
    verb.ReadingFeatures[0] = Lowered(verb.ReadingFeatures[0], 64);
    WordRecord& p = W(0);
    CopyString(p.WordText, pronoun);
    u16 count = 0;
    LookupWordForm(800, pronoun, *f.locals.workTags, count);
    const u16 tag = count > 0 ? f.locals.workTags->ClampedAt(0) : 0;
    p.ReadingCount = 1;
    p.ReadingClasses[0] = static_cast<u8>(tag >> 8);
    p.ReadingFeatures[0] = static_cast<u8>(tag & 0xFF);
    p.ReadingMarks[0] = 0;
    p.ReadingLemmaRefs[0] = 0;
    p.ReadingCategories[0] = gLayerHooks.deriveSyntacticCode != nullptr ? gLayerHooks.deriveSyntacticCode(0, 0) : 1;
    p.FunctionCode = 75;
    p.GroupMark = 0;
    Seg(0).SegmentKind = 24;
    Seg(0).FirstWord = Seg(0).LastWord = Seg(0).Link = 0;
    if (Mark(1) > 127 && Segments() >= 3) {
        ObjectAfterVerb(1, 2, true);
        Seg(2).State = 127;
    }
    return true;
}

u8 OtherGender(u8 g) { return g == 1 ? 2 : g == 2 ? 1 : g; }

// Step 13: a participle-like verb form whose gender is not its subject's.
RuleCode GenderCheck(i32 i, i32 s, u16& out) {
    const i32 v = LastOf(i);
    const u8 gv = Seg(i).Gender;
    const u8 gs = Seg(s).Gender;
    if (!((gv == 2 && gs == 1) || (gv == 1 && gs == 2))) return 0;
    if (i != Segments() - 1 && (Cls(FirstOf(s)) == ']' || Cls(FirstOf(s) + 1) == 131)) return 0;
    if (Cls(FirstOf(i)) == 135 || Mark(FirstOf(i)) == 'q') return 0;
    if (!rules::MayReport(kCodeSubjectVerbAgreement, v)) return 0;
    rules::RuleReport r;
    r.code = kCodeSubjectVerbAgreement;
    r.pos = v;
    r.variant = 'I';
    r.kind = 2;
    r.number = Seg(i).Number;
    r.person = Seg(i).Person;
    r.gender = OtherGender(gv);
    r.extent = static_cast<u16>(s);
    return CommitAnalysisReport(r, out);
}

// The verb that heads an imperative group: an infinitive after it joins
// its segment.
void JoinInfinitive(i32 w, i32 to) {
    for (i32 k = 1; k <= to; ++k) Seg(k).Link = Seg(0).Link;
    W(w).FunctionCode = 48;
    W(LastOf(to)).FunctionCode = 74;
    Seg(0).LastWord = static_cast<u8>(LastOf(to));
}

// Step 14, rule 44 'S': an indicative in the second person with nothing
// before it ("Manges ta soupe.").
RuleCode ImperativeWithoutSubject(u16& out) {
    const i32 bound = Segments() == 1 ? rules::Count() : FirstOf(1);
    i32 p = FirstOf(0);
    for (i32 k = 0; k < bound; ++k) {
        if (Cat(k) == 14) {
            p = k;
            break;
        }
    }
    if (!rules::MayReport(kCodeSubjectVerbAgreement, p)) return 0;
    rules::RuleReport r;
    r.code = kCodeSubjectVerbAgreement;
    r.pos = p;
    r.variant = 'S';
    r.kind = 2;
    r.number = Seg(0).Number;
    r.person = Seg(0).Person;
    r.extent = 127;
    return CommitAnalysisReport(r, out);
}

RuleCode SentenceInitialVerb(AnalysisFrame& f, u16& out) {
    if (f.questionFlag != 0) return 0;
    const i32 w = FirstOf(0);
    const u8 c = static_cast<u8>(Cls(w) & 15);
    const u8 fe = Feat(w);
    if (c < 8 && fe >= 48 && fe <= 50) {
        Seg(0).State = 2;
        if (Cls(w) == 128 && Cat(FirstOf(1)) == 13) JoinInfinitive(w, 1);
        else if (Cls(w) == 128 && Cat(FirstOf(1)) == 2 && Kind(2) == 13) JoinInfinitive(w, 2);
        else W(w).FunctionCode = 38;
        if (fe == '2') Seg(0).Number = 0;
        return 0;
    }
    if (c < 8) {
        const bool second = c != 4 && !Begins(rules::Count() - 1, "?") &&
                            (fe == ':' || (fe == 8 && Mark(w) >= 21 && Mark(w) <= 99));
        return second || Is(w, "vas") ? ImperativeWithoutSubject(out) : 0;
    }
    Seg(0).State = 2;
    if (fe == '2') Seg(0).Number = 0;
    if (Cls(0) == 128 && Cat(1) == 13) JoinInfinitive(0, 1);
    else W(w).FunctionCode = 38;
    if (!rules::Contains(w, "-") || Cat(FirstOf(1)) != 13 || !rules::MayReport(kCodeHyphen, 0)) return 0;
    rules::RuleReport r;
    r.code = kCodeHyphen;
    r.pos = 0;
    r.variant = 'A';
    r.extent = 1;
    return rules::Commit(r, out);
}

// Steps 9-14. `next` receives the segment the walk goes on after.
RuleCode FrenchVerbSteps(AnalysisFrame& f, i32 i, i32& next, u16& out) {
    const i32 v = LastOf(i);
    next = i;
    if (i == f.aSegment && Is(v, "a") && rules::MayReport(kCodeWordSequence, v)) {
        rules::RuleReport r;
        r.code = kCodeWordSequence;
        r.pos = v;
        r.variant = 'A';
        r.extent = static_cast<u16>(v);
        return rules::Commit(r, out);
    }
    if (Feat(v) < 65) {
        PlainVerbForm(f, i, v);
        return i == 0 ? SentenceInitialVerb(f, out) : 0;
    }
    Seg(i).Gender = Feat(v) < 128 ? 1 : 2;
    if (DropEstCe(i, v)) {
        next = -1;  // the walk starts again on the shortened sentence
        return 0;
    }
    i32 s = -1;
    if (i > 0) {
        for (i32 k = i - 1; k >= 0 && s < 0; --k) {
            if (Kind(k) == 24) s = k;
        }
    } else if (SplitInvertedPronoun(f, v)) {
        s = 0;
        next = 1;
    }
    return s < 0 ? 0 : GenderCheck(next, s, out);
}

// ---- Both languages -------------------------------------------------------

// Steps 1-3: the verb's first function, the reflexive forms.
void OpenVerbSegment(AnalysisFrame& f, i32 i) {
    const i32 v = LastOf(i);
    W(v).FunctionCode = 74;
    if (f.questionFlag != 0) {
        if (f.verbCount == 1) W(v).FunctionCode = 83;
        return;
    }
    if (French()) {
        if (i > 1 && Kind(i - 1) == 26 && Kind(i - 2) == 24) {
            W(v).FunctionCode = 81;
            W(FirstOf(i - 1)).FunctionCode = 70;
            W(FirstOf(i - 1)).LinkedWord = static_cast<u16>(v);
        }
        return;
    }
    if (i == 0 || i >= Segments() - 1 || Kind(i - 1) != 24) return;
    const i32 subject = LastOf(i - 1);
    const i32 r = FirstOf(i + 1);
    if (Cls(subject) != 96 && Cls(r) != 'b') return;
    if (!ReflexiveMatches(subject, i - 1, r, false)) return;
    W(v).FunctionCode = 81;
    W(r).FunctionCode = 70;
    W(r).LinkedWord = static_cast<u16>(v);
}

}  // namespace

bool ReflexiveMatches(i32 subject, i32 segment, i32 pronoun, bool byNumber) {
    const u8 c = Cls(subject);
    const SegmentRecord& s = Seg(segment);
    const bool third = s.Person == 3;
    const bool single = third && (!byNumber || s.Number == 1);
    if (Is(pronoun, "myself")) return c == 'U';
    if (Is(pronoun, "yourself") || Is(pronoun, "yourselves")) return c == '\\';
    if (Is(pronoun, "himself")) return c == ']' || single;
    if (Is(pronoun, "herself")) return c == '^' || single;
    if (Is(pronoun, "itself")) return single;
    if (Is(pronoun, "ourselves")) return c == 'X';
    if (Is(pronoun, "themselves")) return byNumber ? third && s.Number == 2 : c == 'a';
    return false;
}

RuleCode WalkVerbSegments(AnalysisFrame& f, u16& out) {
    for (i32 i = 0; i < Segments(); ++i) {
        if (Kind(i) != 14) continue;
        f.never = false;
        OpenVerbSegment(f, i);
        i32 next = i;
        if (French()) {
            if (const RuleCode r = FrenchVerbSteps(f, i, next, out); r != 0) return r;
            if (next < 0) {
                i = -1;
                continue;
            }
        } else {
            next = EnglishVerbSteps(f, i);
            if (next < 0) return 0;
            if (next != i) {
                i = next;
                continue;
            }
        }
        bool stop = false;
        if (const RuleCode r = AnalyseVerbGroup(f, next, stop, out); r != 0) return r;
        if (stop) return 0;
        i = next;
    }
    return 0;
}
