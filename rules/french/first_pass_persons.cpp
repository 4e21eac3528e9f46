// The first pass's opening steps (the sentence's first word, imperatives)
// and the verb readings chosen by the subject's person.
#include "frame/bounded_string.h"
#include "frame/mac_roman.h"
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/tables.h"
#include "rules/french/first_pass_readings.h"
#include "rules/french/locution_rows.h"
#include "rules/rule_words.h"
#include "rules/french/matcher_loops.h"

namespace {

using namespace locution;
using namespace first_pass;

i32 Words() { return static_cast<i32>(gWordCount); }

bool ImperativeRange(u8 f) { return f >= 48 && f <= 55; }

// ---- opening steps

// The clause's first word from word k on, with reference word ref; -1
// when every word to the end is passed over. A "y" met on the way is an
// object pronoun.
i32 ClauseStart(i32 k, i32 ref) {
    for (i32 w = k; w < Words(); ++w) {
        if (Is(w, "y")) SetCat(w, 2);
        const u8 c = Cat(w);
        if (c == 18 || c == 0 || c == 20 || c == 16 || c == 17) continue;
        if (Cat(ref) == 0 && (c == 2 || c == 3 || IsAny(w, "le", "en"))) continue;
        return w;
    }
    return -1;
}

bool PrepositionReading(i32 s) { return rules::HasReadingOfCategory(s, 15); }

// The gender of the first noun reading of word s, 0 when it has none or
// gives none.
u8 NounGender(i32 s) {
    for (i32 r = 0; r < Count(s); ++r)
        if (Cat(s, r) == 10) return static_cast<u8>(Feat(s, r) / 16 & 3);
    return 0;
}

// Words a and b spelt alike but for the case of their first letter.
bool SameWordFirstCaseAside(i32 a, i32 b) {
    const BoundedString& x = gWords.ClampedAt(a).WordText;
    const BoundedString& y = gWords.ClampedAt(b).WordText;
    const i32 n = GetStringLength(x);
    if (n == 0 || n != GetStringLength(y) || ToLowerMacRoman(x.ClampedAt(0)) != ToLowerMacRoman(y.ClampedAt(0)))
        return false;
    for (i32 k = 1; k < n; ++k)
        if (x.ClampedAt(k) != y.ClampedAt(k)) return false;
    return true;
}

// A noun opening a heading or a verbless phrase rather than an order: the
// same noun after "par", "à" or "après" ("Couche par couche", "Pas à
// pas"), or a feminine adjective of one reading agreeing with it
// ("Ambiance sereine"; a masculine one may be the attribute of a linking
// verb: "Reste calme").
bool NounPhraseOpening(i32 s) {
    if (NounGender(s) == 0 && !(Count(s) > 1 && Cat(s, 0) == 10)) return false;
    if (s + 2 < Words() && IsAny(s + 1, "par", MR("à"), MR("après")) && SameWordFirstCaseAside(s, s + 2)) return true;
    return s + 1 < Words() && NounGender(s) == 2 && Count(s + 1) == 1 && ClsIs(s + 1, 'B') &&
           Feat(s + 1) / 16 == 2;
}

// A word that is a preposition as well ("Entre nous", "Contre toute
// attente") opens its clause as the preposition far more often than as an
// imperative: it keeps its readings.
bool QualifiesAsImperative(i32 s) {
    if (!(CatIs(s, 14) || (CatIs(s, 10) && Cat(s, 1) == 14)) || PrepositionReading(s)) return false;
    if (NounPhraseOpening(s)) return false;
    for (i32 r = 0; r < 5; ++r)
        if (ImperativeRange(Feat(s, r))) return true;
    return false;
}

// The imperative slot of a verb feature: the summary codes of the
// singular and of the two plural persons give the slots 48 to 50.
u8 ImperativeSlot(u8 f) {
    if (f == 51 || f == 55) return 48;
    if (f == 52) return 49;
    if (f == 53) return 50;
    return f;
}

// Makes word s an imperative when it qualifies; true when it qualifies
// (whether or not a reading was found to take).
bool MakeImperative(i32 s) {
    if (!QualifiesAsImperative(s)) return false;
    i32 j = -1;
    for (i32 r = 0; r < Count(s) && j < 0; ++r)
        if (ImperativeRange(Feat(s, r)) && Feat(s, r) != 54) j = r;
    if (j < 0) return true;
    SetFeat(s, ImperativeSlot(Feat(s, j)));
    if (CatIs(s, 14)) {
        SetCls(s, WithImperativeFlag(Cls(s)));
    } else {
        SetCat(s, 14);
        SetCls(s, WithImperativeFlag(Cls(s, 1)));
    }
    KeepOne(s);
    return true;
}

// Word 0 an interrogative word: the search stops there.
bool InterrogativeFirstWord() {
    if (Is(0, "que")) {
        Set(0, 5, 'G');
        return true;
    }
    if (IsAny(0, MR("où"), "quand", "comment", "combien", "pourquoi")) {
        Set(0, 18, 20);
        return true;
    }
    return false;
}

bool SubjectBefore(i32 i, const char* pronoun) {
    for (i32 k = 0; k < i; ++k)
        if (CatIs(k, 1) || Is(k, pronoun)) return true;
    return false;
}

// Plural imperatives without a subject before them.
void PluralImperatives() {
    for (i32 i = 0; i < Words(); ++i) {
        if (!CatIs(i, 14) || (i > 0 && CatIs(i - 1, 5))) continue;
        if (Feat(i) == 52 && !SubjectBefore(i, "moi")) {
            SetFeat(i, 49);
            SetCls(i, WithImperativeFlag(Cls(i)));
        }
        if (Feat(i) == 53 && !SubjectBefore(i, "toi")) {
            SetFeat(i, 50);
            SetCls(i, WithImperativeFlag(Cls(i)));
        }
    }
}

bool HasImperativeReading(i32 i) {
    return rules::AnyReadingOf(i, [i](i32 r) { return ImperativeRange(Feat(i, r)) && Feat(i, r) != 54; });
}

// A verb joined to an imperative by adverbs, conjunctions or commas.
void JoinedImperatives() {
    for (i32 i = 2; i < Words(); ++i) {
        if (!CatIs(i, 14)) continue;
        i32 p = i - 1;
        while (p >= 0 && (CatIs(p, 18) || CatIs(p, 0) || CatIs(p, 16) || CatIs(p, 21))) --p;
        if (p < 0 || !CatIs(p, 14) || Feat(p) < 48 || Feat(p) > 50 || !HasImperativeReading(i)) continue;
        SetFeat(i, Feat(p));
        KeepOne(i);
    }
}

// The main clause after a fronted subordinate clause ("quand tu viendras,
// appelle ...").
void ImperativeAfterSubordinate() {
    if (!CatIs(0, 17) && !CatIs(1, 17)) return;
    i32 v = 1;
    while (v < Words() && !CatIs(v, 14)) ++v;
    if (v >= Words()) return;
    i32 c = v + 1;
    while (c < Words() && !CatIs(c, 21)) ++c;
    if (c >= Words()) return;
    const i32 s = ClauseStart(c + 1, c + 1);
    if (s < 0) return;
    if (CatIs(s, 14) || (CatIs(s, 10) && Cat(s, 1) == 14 && Feat(s, 1) == 51)) MakeImperative(s);
}

// ---- subject person

// Walks back from word i for the subject candidate; -1 when none.
template <u32 N>
i32 SubjectCandidate(i32 i, const u8 (&skip)[N]) {
    for (i32 k = i - 1; k >= 0; --k) {
        const u16 n = Count(k);
        bool passed = n != 1 && n != 2;
        if (n == 2 && Cat(k, 1) == 2) passed = true;
        if (n == 1)
            for (u8 c : skip)
                if (Cat(k) == c) passed = true;
        if (!passed) return k;
    }
    return -1;
}

// After a class-16 word or a comma the subject is the nearest earlier
// word of the person's class.
i32 PastCoordination(i32 s, u8 cls) {
    if (s < 0 || !(ClsIs(s, 16) || CatIs(s, 21))) return s;
    for (i32 k = s - 1; k >= 0; --k)
        if (ClsIs(k, cls)) return k;
    return -1;
}

// The candidate is a "qui" right after the stressed pronoun: the relative
// takes that pronoun's person ("toi qui sais", "moi qui suis", "vous qui
// savez").
bool QuiAfter(i32 s, const char* stressed) { return s >= 1 && Is(s, "qui") && Is(s - 1, stressed); }

void TakeOrRemove(i32 i, i32 j, bool take) {
    if (take)
        TakeReading(i, j);
    else
        RemoveReading(i, j);
}

bool PersonalSlot(u8 f, u8 person) { return f >= 6 && f <= 47 && f % 6 == person; }

i32 FindReading(i32 i, bool (*fits)(i32 i, i32 r)) {
    for (i32 r = 0; r < Count(i); ++r)
        if (fits(i, r)) return r;
    return -1;
}

// An imperfect subjunctive found first may be the homograph of another
// verb ("ramasse" of ramer before the present of ramasser): when the
// subject takes the person, a present or summary reading of that person
// wins (summaries: 51, 59 first or third, 12, 42, 55 first or second, 58
// second).
i32 PresentOfPerson(i32 i, i32 j, u8 person) {
    if (Feat(i, j) < 36 || Feat(i, j) > 41) return j;
    for (i32 r = 0; r < Count(i); ++r) {
        if (r == j || Cat(i, r) != 14) continue;
        const u8 f = Feat(i, r);
        const bool summary = f == 12 || f == 42 || f == 55 || (person == 0 ? f == 51 || f == 59 : f == 58);
        if (summary || (PersonalSlot(f, person) && (f < 30 || f > 41))) return r;
    }
    return j;
}

void SecondSingular(i32 i) {
    i32 j = FindReading(i, [](i32 w, i32 r) {
        const u8 f = Feat(w, r), m = Mark(w, r);
        return Cat(w, r) == 14 && (f == 58 || (PersonalSlot(f, 1) && m != 16 && m != 17));
    });
    if (j < 0) return;
    if (Feat(i, j) == 37)
        for (i32 r = j + 1; r < Count(i); ++r)
            if (Cat(i, r) == 14 && Feat(i, r) == 58) {
                j = r;
                break;
            }
    const u8 skip[] = {2, 3, 0};
    const i32 c = SubjectCandidate(i, skip);
    const i32 s = PastCoordination(c, 'Y');
    const bool take = (s >= 0 && ClsIs(s, 'Y')) || QuiAfter(c, "toi");
    TakeOrRemove(i, take ? PresentOfPerson(i, j, 1) : j, take);
}

void FirstSingular(i32 i) {
    const i32 j = FindReading(i, [](i32 w, i32 r) { return Cat(w, r) == 14 && PersonalSlot(Feat(w, r), 0); });
    if (j < 0) return;
    const u8 skip[] = {2, 3, 0};
    const i32 c = SubjectCandidate(i, skip);
    const i32 s = PastCoordination(c, 'U');
    const bool take = (s >= 0 && ClsIs(s, 'U')) || QuiAfter(c, "moi");
    TakeOrRemove(i, take ? PresentOfPerson(i, j, 0) : j, take);
    if (take && IsAny(i, "peigne", "moule")) {
        SetCount(i, 2);
        SetClsAt(i, 1, 224);
        SetFeatAt(i, 1, 51);
        SetMarkAt(i, 1, 1);
    }
}

// "vous" or "nous"; "toi" or "moi" after a coordinating word ("toi et
// moi partons").
bool PluralSubject(i32 s, const char* pronoun, const char* stressed) {
    return s >= 0 && (Is(s, pronoun) || (Is(s, stressed) && s > 0 && CatIs(s - 1, 16)));
}

// A plural person: the reading of its summary feature (a verb's), of its
// other summary feature (any category's) or of its personal slot.
struct PluralStep {
    u8 verbSummary, anySummary, person;
    const char* pronoun;
    const char* stressed;
};
constexpr PluralStep kSecondPlural = {53, 57, 4, "vous", "toi"};
constexpr PluralStep kFirstPlural = {52, 56, 3, "nous", "moi"};

void PluralPerson(i32 i, const PluralStep& step) {
    i32 j = -1;
    for (i32 r = 0; r < Count(i) && j < 0; ++r) {
        const u8 f = Feat(i, r), c = Cat(i, r);
        if ((c == 14 && f == step.verbSummary) || f == step.anySummary || (c == 14 && PersonalSlot(f, step.person)))
            j = r;
    }
    if (j < 0) return;
    const u8 skip[] = {2, 0};
    const i32 c = SubjectCandidate(i, skip);
    TakeOrRemove(i, j, PluralSubject(c, step.pronoun, step.stressed) || QuiAfter(c, step.pronoun));
}

bool VerbAmongFirstReadings(i32 i) {
    return Count(i) >= 2 && (Cat(i, 0) == 14 || Cat(i, 1) == 14 || (Count(i) == 3 && Cat(i, 2) == 14));
}

}  // namespace

void MarkImperativesAndFirstWords(u16 /*mode*/, FirstPassState& st) {
    st.opening = 0;
    const i32 s = InterrogativeFirstWord() ? 0 : ClauseStart(0, 0);
    st.opening = static_cast<i16>(s);
    if (s < 0 || !MakeImperative(s)) PluralImperatives();
    JoinedImperatives();
    ImperativeAfterSubordinate();
}

void ChooseVerbReadingsBySubject(u16 /*mode*/, FirstPassState& /*st*/) {
    for (i32 i = 1; i < Words(); ++i) {
        if (!VerbAmongFirstReadings(i)) continue;
        SecondSingular(i);
        FirstSingular(i);
        PluralPerson(i, kSecondPlural);
        PluralPerson(i, kFirstPlural);
    }
}
