// Passes of the analysis cascade that report nothing: the clause census,
// the links inside segments, the question flag, infinitive and gerund
// subjects, clitic objects and the verbs' construction classes.
#include "rules/clause/analysis_cascade.h"

#include "frame/mac_roman_literal.h"
#include "frame/settings.h"

using rules::Begins;
using rules::Cat;
using rules::Cls;
using rules::Feat;
using rules::Is;
using rules::Mark;
using rules::W;

namespace {

bool French() { return gCheckingLanguage != 0; }

bool OneOf(u8 v, std::initializer_list<u8> set) {
    for (const u8 x : set) {
        if (v == x) return true;
    }
    return false;
}

bool VerbSegmentBefore(i32 i) {
    for (i32 k = 0; k < i; ++k) {
        if (Kind(k) == 14) return true;
    }
    return false;
}

// "que" after a comparative ("plus ... que") does not open a clause after
// a verb; the scan back stops at a conjugated verb.
bool ComparativeQue(i32 que) {
    static const char* const kComparatives[] = {"plus", "moins", "autant", "davantage", nullptr};
    for (i32 w = que - 1; w >= 0; --w) {
        if (Cat(w) == 14) return false;
        if (rules::IsOneOf(w, kComparatives) || Begins(w, "tel")) return true;
    }
    return false;
}

i32 IntroducerCorrection(i32 w, bool verbBefore) {
    i32 c = 0;
    if (Is(w, "quoique") && Cat(w + 1) >= 10 && Cat(w + 1) <= 13) ++c;
    if (Is(w, "que") && w != rules::Count() - 1 && Is(w + 1, "possible")) ++c;
    if (verbBefore && Is(w, "quiconque")) ++c;
    if (Is(w, "que") && ComparativeQue(w)) ++c;
    return c;
}

void FrenchCensus(AnalysisFrame& f) {
    for (i32 i = 1; i < Segments(); ++i) {
        const i32 w = FirstOf(i);
        const bool opens = (Cat(w) == 5 && Kind(i) != 18) || (Cat(w) == 15 && Cat(w + 1) == 5) ||
                           (Kind(i) == 17 && !Is(w, "comme"));
        if (opens) {
            ++f.introducers;
            Seg(i).State = 0;
            const bool verbBefore = VerbSegmentBefore(i);
            if (verbBefore && !Is(w, MR("où")) && !Is(w, "quoi")) ++f.verbIntroducers;
            f.verbIntroducers -= IntroducerCorrection(w, verbBefore);
        }
        if (Is(w, "car")) ++f.introducers;
    }
    if (rules::Count() < 6) return;
    for (i32 w = 2; w <= rules::Count() - 4; ++w) {
        if (Is(w, "est") && Cls(w) == '*') ++f.verbCount;
    }
}

void EnglishCensus(AnalysisFrame& f) {
    for (i32 i = 1; i < Segments() - 1; ++i) {
        const i32 w = FirstOf(i);
        const bool opens = (Cat(w) == 5 && Kind(i) != 18) || (Cat(w) == 15 && Cat(w + 1) == 5) ||
                           (Kind(i) == 17 && !Is(w, "as") && !Is(w, "than"));
        if (!opens) continue;
        Seg(i).State = 0;
        ++f.introducers;
        if (VerbSegmentBefore(i)) ++f.verbIntroducers;
    }
}

// Every word of a segment but its last hangs on the last.
void LinkInsideSegments() {
    for (i32 s = 0; s < Segments(); ++s) {
        const i32 last = LastOf(s);
        const i32 end = s + 1 < Segments() && FirstOf(s + 1) < rules::Count() ? FirstOf(s + 1) : rules::Count();
        for (i32 w = FirstOf(s); w < end; ++w) {
            if (w != last) W(w).LinkedWord = static_cast<u16>(last);
        }
    }
}

u16 QuestionFlag() {
    const i32 last = rules::Count() - 1;
    if (French()) {
        if (Begins(last, "?")) return 1;
        static const char* const kOpeners[] = {MR("où"), "comment", "combien", "pourquoi", nullptr};
        if (rules::IsOneOf(0, kOpeners)) return 1;
        return Is(0, "qui") ? 2 : 0;
    }
    static const char* const kOpeners[] = {"where", "what", "who", "when", "how", "why", nullptr};
    if (rules::IsOneOf(0, kOpeners)) return 1;
    const i32 a = LastOf(0);
    const u8 m = static_cast<u8>(Mark(a) & 127);
    return Kind(0) == 14 && Begins(last, "?") && m >= 28 && m <= 38 && Feat(a) != 12 ? 1 : 0;
}

}  // namespace

void TakeClauseCensus(AnalysisFrame& f) {
    if (French()) FrenchCensus(f);
    else EnglishCensus(f);
    LinkInsideSegments();
    for (i32 s = 0; s < Segments(); ++s) {
        if (Kind(s) == 23 && Seg(s).State == 1 && Cls(LastOf(s)) == 'F') {
            Seg(s).SegmentKind = 24;
            W(LastOf(s)).FunctionCode = 75;
        }
    }
    f.questionFlag = QuestionFlag();
    for (i32 s = 0; s < Segments(); ++s) Seg(s).Link = static_cast<u8>(s);
    for (i32 s = 0; s < Segments(); ++s) {
        WordRecord& last = W(LastOf(s));
        if (Kind(s) == 23 && last.FunctionCode != 79) last.FunctionCode = Cat(FirstOf(s)) == 15 ? 71 : 70;
    }
}

namespace {

void MakeSubject(i32 i) {
    SegmentRecord& s = Seg(i);
    s.SegmentKind = 24;
    s.Number = 1;
    s.Person = 3;
    W(LastOf(i)).FunctionCode = 75;
}

bool InfinitiveIsSubject(i32 i) {
    const i32 w = FirstOf(i);
    const bool notPreposition = Cat(w) != 15;
    if (i == 0) return notPreposition;
    if (i == 1 && Kind(0) == 23 && Cat(FirstOf(0)) == 2) return true;
    if (i >= Segments() - 1 || !notPreposition || Kind(i + 1) != 14) return false;
    if (Kind(i - 1) == 21 || Kind(i - 1) == 17 || Cat(w - 1) == 20) return true;
    return i >= 2 && Kind(i - 2) == 21 && Cat(FirstOf(i - 1)) == 2;
}

bool GerundIsSubject(i32 i) {
    if (i == 0) return Cat(FirstOf(0)) != 15;
    if (i == 1 && Kind(0) == 23 && Cat(FirstOf(0)) == 2) return true;
    for (i32 k = i + 1; k < Segments(); ++k) {
        if (Kind(k) == 14) return true;
        if (Kind(k) == 17 || Kind(k) == 24) return false;
    }
    return false;
}

void MarkCliticObjects() {
    for (i32 i = 0; i < Segments(); ++i) {
        const i32 w = FirstOf(i);
        if (Kind(i) != 23 || Cat(w) != 2 || Cat(w + 1) != 2) continue;
        if (Cls(w) == '|') {
            W(w).FunctionCode = 70;
            W(w + 1).FunctionCode = 71;
        } else {
            W(w).FunctionCode = 71;
            W(FirstOf(i + 1)).FunctionCode = 70;
        }
    }
}

// Verbs that govern a following verb get the class 128.
bool FrenchGoverningVerb(i32 v) {
    const u8 m = Mark(v);
    if (OneOf(m, {16, 17, 18, 'J', '*', '+', '-', ')', '/', 'q', '#'})) return true;
    const u8 low = static_cast<u8>(m & 127);
    return (m == '?' && Begins(v, "perm")) || (m == 22 && Begins(v, "v")) || (low == 1 && Begins(v, "sembl")) ||
           (low == '@' && Begins(v, "par"));
}

bool EnglishGoverningVerb(i32 v) {
    const u8 m = Mark(v);
    const u8 low = static_cast<u8>(m & 127);
    return (low >= 27 && low <= 38) || m == '\'' || (m == 'o' && Begins(v, "kn")) || (m == 1 && Begins(v, "want")) ||
           (m == 16 && Begins(v, "lik"));
}

void MarkConstructionClasses() {
    for (i32 s = 0; s < Segments(); ++s) {
        const i32 v = LastOf(s);
        if (!rules::VerbClass(v)) continue;
        WordRecord& w = W(v);
        if (Mark(v) > 127) w.FunctionCode = 67;
        if (French()) {
            if (FrenchGoverningVerb(v)) w.ReadingClasses[0] = 128;
        } else {
            w.ReadingClasses[0] = EnglishGoverningVerb(v) ? 128 : 240;
        }
    }
}

// The "a" of "il mange a la cuisine": not after a clause opener nor before
// an object or a determiner.
bool MayStandForA(i32 i) {
    if (i > 0 && OneOf(Cat(FirstOf(i - 1)), {1, 6, 9, 14, 15, 17})) return false;
    if (i < Segments() - 1) {
        const i32 n = FirstOf(i + 1);
        if (OneOf(Cat(n), {1, 2, 8, 9, 15}) || (Cat(n) == 7 && (Feat(n) & 15) < 2)) return false;
    }
    return true;
}

}  // namespace

void MarkVerbConstructions(AnalysisFrame& f) {
    for (i32 i = 0; i < Segments(); ++i) {
        if (Kind(i) == 13 && InfinitiveIsSubject(i)) MakeSubject(i);
    }
    if (!French()) {
        for (i32 i = 0; i < Segments(); ++i) {
            if (Kind(i) == 12 && GerundIsSubject(i)) MakeSubject(i);
        }
    } else {
        MarkCliticObjects();
    }
    MarkConstructionClasses();
    for (i32 i = 0; i < Segments(); ++i) {
        if (Kind(i) == 14) ++f.verbCount;
        if (French() && Is(LastOf(i), "a") && MayStandForA(i) && f.verbIntroducers + 1 < f.verbCount) f.aSegment = i;
    }
}
