// Verb groups of the analysis cascade: an auxiliary joined with the
// participle, infinitive or verb it governs (functions 48, 74, 77, 81, 82,
// 83, 93), and the reports of such groups that do not fit (43 'D', 44 'A'
// and 'V', 46, 47).
#include "frame/settings.h"
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
bool LastSegmentsFrom(i32 s, i32 n) { return s < Segments() - n; }

void SetFunction(i32 w, u16 code) { W(w).FunctionCode = code; }

// s takes the last word of t.
void Merge(i32 s, i32 t) { Seg(s).LastWord = static_cast<u8>(LastOf(t)); }
void TakeLink(i32 t, i32 s) { Seg(t).Link = Seg(s).Link; }

// Every segment from `from` of kind 13 or 11 joins the clause of `s`; the
// run stops at any other kind.
void ExtendClause(i32 from, i32 s) {
    for (i32 k = from; k < Segments() && (Kind(k) == 13 || Kind(k) == 11); ++k) TakeLink(k, s);
}

rules::RuleReport Report(RuleCode code, i32 pos) {
    rules::RuleReport r;
    r.code = code;
    r.pos = pos;
    return r;
}

// ---- A: past participle -----------------------------------------------------

void HaveGroup(i32 s, i32 a) {
    TakeLink(s + 1, s);
    if (LastSegmentsFrom(s, 2) && Kind(s + 2) == 11) {
        TakeLink(s + 2, s);
        SetFunction(a, 48);
        SetFunction(LastOf(s + 1), 48);
        Merge(s, s + 2);
        Merge(s + 1, s + 2);
        SetFunction(LastOf(s + 2), LastSegmentsFrom(s, 3) && IsAgent(FirstOf(s + 3)) ? 82 : 74);
        return;
    }
    if (LastSegmentsFrom(s, 2) && Is(LastOf(s + 1), "been") && Kind(s + 2) == 12) {
        TakeLink(s + 1, s);
        TakeLink(s + 2, s);
        SetFunction(FirstOf(s), 48);
        SetFunction(FirstOf(s + 1), 48);
        Merge(s, s + 2);
        Merge(s + 1, s + 2);
        SetFunction(FirstOf(s + 2), 93);
        return;
    }
    SetFunction(a, 48);
    Merge(s, s + 1);
    SetFunction(LastOf(s + 1), 74);
    if (French() || s == 0 || !LastSegmentsFrom(s, 2) || Kind(s - 1) != 24) return;
    const i32 pronoun = LastOf(s + 2);
    const u8 c = Cls(FirstOf(s + 2));
    if ((c != '`' && c != 'b') || !ReflexiveMatches(FirstOf(s - 1), s - 1, pronoun, true)) return;
    SetFunction(LastOf(s + 1), 81);
    SetFunction(pronoun, 70);
    W(pronoun).LinkedWord = static_cast<u16>(LastOf(s + 1));
    TakeLink(s + 2, s + 1);
}

bool BeginsAny(i32 w, std::initializer_list<const char*> stems) {
    for (const char* t : stems) {
        if (Begins(w, t)) return true;
    }
    return false;
}

// French verbs conjugated with "être" in their compound tenses.
bool CompoundWithEtre(i32 s, i32 p) {
    const u8 m = Mark(p);
    if (m == 18 || m == 65 || m == 114) return true;
    if ((m == 1 || m == 129) && BeginsAny(p, {"rest", "arriv", "retomb"})) return true;
    if (m == 3 && Begins(p, "d\x8e" "c\x8e" "d")) return true;
    if ((m == 22 || m == 150) && BeginsAny(p, {"ven", "dev", "rev", "surv", "interv", "parv", "prov", "redev"}))
        return true;
    const bool motion = ((m == 1 || m == 129) && BeginsAny(p, {"tomb", "entr", "rentr", "retourn"})) ||
                        ((m == 24 || m == 152) && BeginsAny(p, {"sor", "par", "ressor", "repar"}));
    const i32 first = FirstOf(s);
    return motion && (first == rules::Count() - 1 || Cat(first + 1) > 8);
}

void Attribute(i32 p, i32 a) {
    SetFunction(p, 77);
    W(p).ReadingCategories[0] = 10;
    W(p).ReadingClasses[0] = 'B';
    if (W(a).FunctionCode != 38) SetFunction(a, 67);
}

void JoinParticiple(i32 s, i32 a, i32 p, u16 function) {
    TakeLink(s + 1, s);
    SetFunction(a, 48);
    Merge(s, s + 1);
    SetFunction(p, function);
}

void BeGroup(i32 s, i32 a) {
    const i32 p = FirstOf(s + 1);
    SetFunction(p, 74);
    if (!French()) {
        if (Cls(p) > 191 && LastSegmentsFrom(s, 2) && Is(FirstOf(s + 2), "by")) {
            JoinParticiple(s, a, p, 82);
            if (FirstOf(s + 1) > 1 && Is(p - 1, "be") && Is(p - 2, "to")) SetFunction(p, 76);
        } else {
            Attribute(p, a);
            SetFunction(a, 67);
        }
        return;
    }
    if (CompoundWithEtre(s, p)) JoinParticiple(s, a, p, 74);
    else if (s > 0 && Kind(s - 1) == 26) JoinParticiple(s, a, p, 81);
    else if (Cls(p) >= 192 && LastSegmentsFrom(s, 2) && Is(FirstOf(s + 2), "par")) JoinParticiple(s, a, p, 82);
    else Attribute(p, a);
}

// ---- C: infinitive ----------------------------------------------------------

// Rule 46 with a form: "il a manger" for "il a mangé".
RuleCode InfinitiveAfterAuxiliary(i32 s, i32 a, u16& out) {
    const u8 m = Low(Mark(a));
    if (!(m == 17 || (m == 16 && Seg(s).State != 1))) return 0;
    const i32 next = FirstOf(s + 2);
    if (Cat(next) == 15 || Cat(next - 1) == 20 || Feat(next - 1) == 2) return 0;
    const i32 after = FirstOf(s + 1);
    if (!rules::MayReport(kCodeInfinitiveForParticiple, after)) return 0;
    rules::RuleReport r = Report(kCodeInfinitiveForParticiple, after);
    const SegmentRecord& g = Seg(s);
    r.extent = Cls(FirstOf(s)) != 131 ? 1 : g.Gender == 0 && g.Number == 0 ? 258 : FormOf(g);
    return CommitAnalysisReport(r, out);
}

RuleCode InfinitiveGroup(AnalysisFrame& f, i32 s, i32 a, u16& out) {
    TakeLink(s + 1, s);
    if (French()) {
        if (const RuleCode r = InfinitiveAfterAuxiliary(s, a, out); r != 0) return r;
    }
    if (!(Cls(a) == 128 || (!French() && Cls(a) == '-' && Low(Mark(a)) == '%'))) return 0;
    Merge(s, s + 1);
    SetFunction(a, 48);
    const i32 verb = LastOf(s + 1);
    SetFunction(verb, f.questionFlag != 0 && f.verbCount == 1 ? 83 : 74);
    if (!French() && LastSegmentsFrom(s, 2) && Kind(s + 2) == 11) {
        SetFunction(verb, 48);
        if (LastSegmentsFrom(s, 3) && Cat(FirstOf(s + 3)) == 15) SetFunction(LastOf(s + 2), 82);
    }
    ExtendClause(s + 2, s + 1);
    return 0;
}

// ---- D: conjugated verb -----------------------------------------------------

// Rule 44 'A' / 'V' / 43 'D' at the verb after the verb of s.
RuleCode SubjectVerbTest(i32 s, bool& stop, u16& out) {
    if ((s == 1 && Seg(2).Number == 1 && (Seg(2).Person == 3 || Seg(2).Person == 5) && Is(0, "qui")) ||
        Is(FirstOf(s - 1), "qui")) {
        stop = true;
        return 0;
    }
    const i32 w = LastOf(s);
    const i32 after = FirstOf(s + 1);
    const u8 m = Low(Mark(w));
    const bool afterForty = gLastRule == kCodeWordSequence && gLastErrorPos == static_cast<i16>(after);
    if (m == 16 && !afterForty && Kind(s - 1) == 26) {
        const u8 am = Mark(after);
        if ((am == 'V' || am == 'X' || am == '[') && rules::MayReport(kCodeParticipleAgreement, after)) {
            if (am == 'V' && Kind(s + 2) == 23) SetFunction(LastOf(s + 2), 71);
            rules::RuleReport r = Report(kCodeParticipleAgreement, after);
            r.kind = 3;
            r.variant = 'D';
            r.detail = 4;
            r.extent = 1;
            return rules::Commit(r, out);
        }
    }
    if (!rules::MayReport(kCodeSubjectVerbAgreement, after)) return 0;
    rules::RuleReport r = Report(kCodeSubjectVerbAgreement, after);
    r.variant = 'A';
    const SegmentRecord& g = Seg(s);
    if (m != 16 && m != 17) {
        const bool v = Cls(w) != 128 && ((m == 1 && (Begins(w, "manq") || Begins(w, "pens") || Begins(w, "risq"))) ||
                                         (Cls(after) > 149 && LastSegmentsFrom(s + 2, 1) && Cat(FirstOf(s + 2)) == 7));
        r.variant = v ? 'V' : 'A';
        r.extent = v ? 0 : static_cast<u16>(FormOf(g) * 257);
    } else if (m == 16) {
        r.extent = g.Gender != 0 ? FormOf(g) : static_cast<u16>((Seg(s + 1).Number << 8) + g.Number + 2);
    } else {
        r.extent = 1;
    }
    return CommitAnalysisReport(r, out);
}

RuleCode VerbAfterVerb(AnalysisFrame& f, i32 s, bool& stop, u16& out) {
    const i32 next = FirstOf(s + 1);
    SetFunction(LastOf(s + 1), 74);
    if (French()) {
        const i32 head = FirstOf(s);
        if (f.verbCount > f.verbIntroducers + 1 && Cat(head + 1) < 20 && Cat(next - 1) < 20)
            return SubjectVerbTest(s, stop, out);
        return 0;
    }
    const i32 a = FirstOf(s);
    if (Cls(a) != 128) return 0;
    if (Mark(a) < 37 && Is(next, "be")) TakeLink(s + 1, s);
    const u8 fe = Feat(next);
    const u8 m = Low(Mark(a));
    if (fe == 3 && (m == '&' || m == '%')) {
        if (!rules::MayReport(kCodeInfinitiveForParticiple, next)) return 0;
        rules::RuleReport r = Report(kCodeInfinitiveForParticiple, next);
        r.extent = 0;
        r.detail = 3;
        return rules::Commit(r, out);
    }
    if ((fe == 3 || fe == 24) && rules::MayReport(kCodeParticipleForInfinitive, next)) {
        rules::RuleReport r = Report(kCodeParticipleForInfinitive, next);
        r.extent = 0;
        r.detail = fe;
        return rules::Commit(r, out);
    }
    return 0;
}

// E: auxiliary, object pronoun, infinitive ("il va le faire").
bool PronounBeforeInfinitive(AnalysisFrame& f, i32 s, i32 a) {
    if (!French() || Kind(s + 1) == 13 || Kind(s + 1) == 14 || !LastSegmentsFrom(s, 2)) return false;
    if (Cls(a) != 128 || Cat(FirstOf(s + 1)) != 2 || Kind(s + 2) != 13) return false;
    TakeLink(s + 1, s);
    TakeLink(s + 2, s);
    Merge(s, s + 2);
    Merge(s + 1, s + 2);
    SetFunction(a, 48);
    SetFunction(LastOf(s + 2), f.questionFlag != 0 && f.verbCount == 1 ? 83 : 74);
    ExtendClause(s + 3, s);
    return true;
}

// N: a noun or adjective group right after an auxiliary ("il a fini" read
// as "il a un fini").
RuleCode NounAfterAuxiliary(i32 s, u16& out) {
    const i32 after = FirstOf(s + 1);
    if (!French() || s == 0 || Cls(after) < 128 || Cls(FirstOf(s)) != 128 || Cat(FirstOf(s - 1)) == 2) return 0;
    if (!rules::MayReport(kCodeParticipleForInfinitive, after)) return 0;
    rules::RuleReport r = Report(kCodeParticipleForInfinitive, after);
    r.extent = 0;
    r.detail = 1;
    return rules::Commit(r, out);
}

}  // namespace

RuleCode AnalyseVerbGroup(AnalysisFrame& f, i32 s, bool& stop, u16& out) {
    stop = false;
    if (s < 0 || s >= Segments() - 1) return 0;
    const i32 a = LastOf(s);
    if (PronounBeforeInfinitive(f, s, a)) return 0;
    switch (Kind(s + 1)) {
        case 10: return NounAfterAuxiliary(s, out);
        case 11: {
            const u8 m = Low(Mark(a));
            if (m == (French() ? 17 : 38)) HaveGroup(s, a);
            else if (m == (French() ? 16 : 37)) BeGroup(s, a);
            return 0;
        }
        case 12:
            TakeLink(s + 1, s);
            if (!French()) {
                const u8 m = Low(Mark(FirstOf(s)));
                if (m == '%' || m == '0' || m == 'n' || m == 'E' || m == 21) {
                    SetFunction(FirstOf(s), 48);
                    Merge(s, s + 1);
                    SetFunction(FirstOf(s + 1), 93);
                }
            }
            return 0;
        case 13: return InfinitiveGroup(f, s, a, out);
        case 14: return VerbAfterVerb(f, s, stop, out);
        default: return 0;
    }
}
