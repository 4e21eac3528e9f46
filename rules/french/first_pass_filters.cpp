// The checks of settled words against their neighbours: determiners,
// numerals and pronouns where they cannot stand, and the category-pair
// filter that removes the readings no neighbour allows (its removals make
// the first pass run again).
#include <cstring>

#include "frame/report.h"
#include "frame/bounded_string.h"
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/tables.h"
#include "rules/french/first_pass_readings.h"
#include "rules/french/french_locutions.h"
#include "rules/french/locution_rows.h"
#include "rules/french/matcher_loops.h"
#include "rules/rule_words.h"

namespace {

using namespace locution;
using namespace first_pass;

i32 Words() { return static_cast<i32>(gWordCount); }
bool Last(i32 i) { return i == Words() - 1; }
bool Single(i32 k) { return Count(k) == 1; }
bool Numeral(i32 k) { return ClsIs(k, 'R') || ClsIs(k, 'S'); }
bool DeterminerClass(u8 c) { return c >= 109 && c <= 121; }

template <typename... L>
bool BeginsAny(i32 k, L... literals) {
    return (Begins(k, literals) || ...);
}

// ---- determiners and numerals

void DeterminerAtTheEnd(i32 i) {
    if (DeterminerClass(Cls(i))) Report(256 + i);
    else if (ClsIs(i, 'R') && ((Is(i, "cent") && ClsIs(i - 1, 'S')) || Is(i, "quatre-vingt"))) Report(256 + i);
}

// "cent" and "quatre-vingt" take their s only at the end of the number;
// "million" and "milliard" are nouns after it ("deux cents millions").
bool NumberGoesOn(i32 k) { return Numeral(k) && !Begins(k, "million") && !Begins(k, "milliard"); }

// A numeral that multiplies the "cent" after it: one of two to ninety-nine
// (our dictionary files every cardinal in one class, so "un", "cent" and
// "mille" are told apart by name: "mille cent", "un cent").
bool LoweredMatch(i32 k, const char* literal, bool whole);

bool Multiplier(i32 k) {
    if (k < 0 || ClsIs(k, 'S')) return k >= 0;
    return ClsIs(k, 'R') && !LoweredMatch(k, "un", true) && !LoweredMatch(k, "une", true) &&
           !LoweredMatch(k, "cent", false) && !LoweredMatch(k, "mille", true) &&
           !Begins(k, "million") && !Begins(k, "milliard");
}

bool NumeralFormWrong(i32 i) {
    if (Is(i, "cent")) return Multiplier(i - 1) && !NumberGoesOn(i + 1);
    if (Is(i, "quatre-vingt")) return !NumberGoesOn(i + 1);
    if (Is(i, "cents")) return i > 0 && (!Multiplier(i - 1) || NumberGoesOn(i + 1));
    if (Is(i, "quatre-vingts")) return NumberGoesOn(i + 1);
    return false;
}

bool NoWordAfterDeterminer(i32 i) {
    const u8 c = Cls(i);
    if (!(c > 108 || c == 'O') || !Single(i + 1)) return false;
    const u8 next = Cat(i + 1), cls = Cls(i + 1);
    const u8 first = gWords.ClampedAt(i + 1).WordText.ClampedAt(0);
    // A word without a category (none of its readings known) is not
    // judged, as the pair table does not judge it.
    return next != 0 && next != 10 && next != 18 && next != 32 && cls != 'S' && cls != 'R' && cls != 'P' && cls != 'Q' &&
           first != '"';
}

// The text of word k, its first letter lowered, begins with (or, whole,
// equals) the literal: a word opening the sentence is written with a
// capital ("Tous les enfants", "De la musique").
bool LoweredMatch(i32 k, const char* literal, bool whole) {
    if (!Has(k)) return false;
    const BoundedString& t = gWords.ClampedAt(k).WordText;
    const i32 n = static_cast<i32>(std::strlen(literal));
    const i32 length = GetStringLength(t);
    if (n == 0 || length < n || (whole && length != n)) return false;
    const u8 first = t.ClampedAt(0);
    if ((first >= 'A' && first <= 'Z' ? first + 32 : first) != static_cast<u8>(literal[0])) return false;
    for (i32 b = 1; b < n; ++b)
        if (t.ClampedAt(b) != static_cast<u8>(literal[b])) return false;
    return true;
}

bool ArticleAfterDeterminer(i32 i) {
    if (Numeral(i) || LoweredMatch(i, "de", true)) return false;
    for (const char* free : {"tou", MR("mêm"), "seul", "tel", "chacun"})
        if (LoweredMatch(i, free, false)) return false;
    return Single(i + 1) && CatIs(i + 1, 7);
}

void CheckDeterminer(i32 i) {
    if (Last(i)) {
        DeterminerAtTheEnd(i);
        return;
    }
    const u8 c = Cls(i);
    if (DeterminerClass(c) && i > 0 && Single(i - 1) && (CatIs(i - 1, 7) || CatIs(i - 1, 9)) && !LoweredMatch(i - 1, "de", true))
        Report(256 + i);
    else if (DeterminerClass(c) && CatIs(i + 1, 21)) Report(513 + i);
    else if (NoWordAfterDeterminer(i) || ArticleAfterDeterminer(i)) Report(257 + i);
    else if (c == 'R' && NumeralFormWrong(i)) Report(257 + i);
}

// ---- pronouns

bool FigureAt(i32 k) {
    const u8 c = Has(k) ? gWords.ClampedAt(k).WordText.ClampedAt(0) : 0;
    return c >= '0' && c <= '9';
}

void ReportPronoun(i32 value, u16 detail) {
    Report(value);
    gErrorVariant = 'P';
    gErrorDetail = detail;
}

// A subject pronoun before a word that cannot follow it. True when the
// word is done.
bool SubjectBeforeImpossibleWord(i32 i) {
    if (Last(i) || !OneOf(i, 1, 1) || !Single(i + 1)) return false;
    const u8 next = Cat(i + 1);
    if (next == 14 || next == 2 || next == 16 || next == 20 || ClsIs(i + 1, 22)) return false;
    if (Is(i + 1, "y") || Begins(i + 1, "seul") || next == 32 || ClsIs(i + 1, 64)) return false;
    // Our dictionary reads "nous" and "vous" as personal pronouns of
    // category 3 only, object readings included; a figure after the
    // pronoun is a note call or a number.
    if ((next == 3 && (ClsIs(i + 1, 'X') || ClsIs(i + 1, '\\'))) || FigureAt(i + 1)) return false;
    if ((ClsIs(i, 'U') && Is(i + 1, MR("soussigné"))) || ClsIs(i, 'X') || ClsIs(i, '\\')) return true;
    Report(257 + i);
    return true;
}

bool ObjectPronounAfterBar(i32 i) {
    if (i <= 0 || Last(i) || !Single(i - 1) || !ClsIs(i - 1, '|') || !CatIs(i, 2)) return false;
    return ClsIs(i, 'V') || ClsIs(i, 'Z') || ClsIs(i, 'a') || ClsIs(i, 'X') || ClsIs(i, '\\');
}

bool ObjectPronounBeforeBar(i32 i) {
    if (Last(i) || !Single(i + 1) || !ClsIs(i + 1, '|') || Feat(i + 1) == 0 || !CatIs(i, 2)) return false;
    return ClsIs(i, '_') || Is(i, "y");
}

bool ReflexiveBeforeNoVerb(i32 i, u16 mode) {
    if (mode != 1 || Last(i) || !ClsIs(i, 'a') || !Single(i + 1) || Is(i + 1, "y")) return false;
    const u8 next = Cat(i + 1);
    return next != 14 && next != 12 && next != 13 && next != 2 && next != 32;
}

// Reading r of word k is a past participle: a verb form of slot 2 to 5.
bool ParticipleReadingAt(i32 k, i32 r) {
    const u8 f = Feat(k, r);
    return Cls(k, r) >= 128 && f >= 2 && f <= 5;
}

// A word that may be a past participle or an infinitive. The noun merge
// leaves slot 7 on a participle whose singular and plural are one form
// ("pris", "mis"); that reading counts too (after an object pronoun the
// word is no noun, where after a noun it may be: "une tapette à tapis").
bool ParticipleOrInfinitive(i32 k) {
    return rules::AnyReadingOf(k, [k](i32 r) {
        return Cat(k, r) == 13 || ParticipleReadingAt(k, r) ||
               (Cls(k, r) >= 128 && Feat(k, r) == 7 && (Cat(k, r) == 10 || Cat(k, r) == 11));
    });
}

// "à" after an object pronoun, before a participle or an infinitive (an
// adverb may stand between): an object pronoun goes before a verb, so the
// word is the auxiliary "a" ("il me l'à donné", "elle en à pris").
bool PrepositionAfterObjectPronoun(i32 i) {
    if (i == 0 || !Is(i, MR("à"))) return false;
    const i32 p = i - 1;
    // "nous" and "vous" keep their subject reading beside the object one
    // until the clause is read ("le voisin nous à fait signe").
    const bool object = (Single(p) && CatIs(p, 2)) || IsAny(p, "nous", "vous");
    // After a preposition the pronoun is a stressed one ("c'est à vous à
    // jouer"); after a verb it follows an imperative ("apprends-nous").
    if (!object || (i > 1 && (CatIs(i - 2, 15) || Cls(i - 2) >= 128))) return false;
    i32 n = i + 1;
    while (n < Words() && Single(n) && CatIs(n, 18)) ++n;
    return ParticipleOrInfinitive(n);
}

// A word every reading of which is a conjugated verb.
bool FiniteVerbOnly(i32 k) {
    if (!Has(k) || Count(k) == 0) return false;
    for (i32 r = 0; r < Count(k); ++r)
        if (Cat(k, r) != 14 || Cls(k, r) < 128 || ParticipleReadingAt(k, r)) return false;
    return true;
}

// "à" after the noun group that opens the sentence, before a participle
// (adverbs may stand between, "à jamais" and "à demi" aside), with no
// conjugated verb up to the next comma: the group is the subject of the
// auxiliary "a" ("L'homme à ouvert la boîte.", "La petite à souvent
// trouvé de l'aide").
bool PrepositionAfterOpeningSubject(i32 i) {
    if (i != 2 || !Single(0) || !(CatIs(0, 7) || CatIs(0, 8) || CatIs(0, 9)) || !Is(i, MR("à"))) return false;
    // "à" of an adverbial locution ("à peine") is no preposition here.
    if (!OneOf(i, 15, 15)) return false;
    if (!rules::AnyReadingOf(1, [](i32 r) { return Cat(1, r) == 10; })) return false;
    i32 n = i + 1;
    while (n < Words() && Single(n) && CatIs(n, 18)) {
        if (Is(n, "jamais") || Is(n, "demi")) return false;
        ++n;
    }
    if (n >= Words() || !rules::AnyReadingOf(n, [n](i32 r) { return ParticipleReadingAt(n, r); })) return false;
    for (i32 k = n + 1; k < Words() && !CatIs(k, 21); ++k)
        if (FiniteVerbOnly(k)) return false;
    return true;
}

// "à" between a neuter pronoun that opens its clause and "l'air" before an
// adjective or a participle is the verb of "avoir l'air" ("Tout à l'air
// fini.", "lorsque ça à l'air simple").
bool PrepositionBeforeLooks(i32 i) {
    if (i == 0 || i + 3 >= Words() || !Is(i, MR("à")) || !Is(i + 1, "l'") || !Is(i + 2, "air")) return false;
    if (!(LoweredMatch(i - 1, "tout", true) || LoweredMatch(i - 1, MR("ça"), true) ||
          LoweredMatch(i - 1, "cela", true)))
        return false;
    if (i > 1 && !CatIs(i - 2, 17) && !CatIs(i - 2, 21)) return false;
    i32 n = i + 3;
    while (n < Words() && Single(n) && CatIs(n, 18)) ++n;
    return n < Words() && rules::AnyReadingOf(n, [n](i32 r) { return Cls(n, r) == 'B' || ParticipleReadingAt(n, r); });
}

void CheckPronoun(i32 i, u16 mode) {
    if (SubjectBeforeImpossibleWord(i)) return;
    if (i > 0 && OneOf(i, 1, 1) && Single(i - 1) && CatIs(i - 1, 8) && ClsIs(i - 1, 'P')) {
        Report(256 + i);
        return;
    }
    if (ObjectPronounAfterBar(i)) {
        ReportPronoun(256 + i, 1);
        return;
    }
    if (ObjectPronounBeforeBar(i)) {
        ReportPronoun(257 + i, 2);
        return;
    }
    if (ReflexiveBeforeNoVerb(i, mode)) {
        Report(257 + i);
        return;
    }
    if (i == 0) return;
    if (PrepositionAfterObjectPronoun(i) || PrepositionAfterOpeningSubject(i) || PrepositionBeforeLooks(i)) {
        Report(256 + i);
        return;
    }
    if ((CatIs(i - 1, 7) || CatIs(i - 1, 9)) && CatIs(i, 3) && IsAny(i, "moi", "toi", "soi")) {
        Set(i, 10, 'A', 20);
    } else if (CatIs(i - 1, 5) && (Is(i - 1, "qui") || Begins(i - 1, "l")) && Is(i, MR("à")) &&
               (Last(i) || CatIs(i + 1, 10))) {
        Report(256 + i);
    }
}

// ---- category pairs

// The pair table's rows and columns are the categories 0 .. 18.
constexpr u8 kPairCategories = 19;

u8 Pair(u8 left, u8 right) { return gCategoryPairTable.ClampedAt(left * kPairCategories + right); }

struct PairCount {
    u16 impossible = 0, tolerated = 0;
};

bool DeOrElided(i32 k) { return LoweredMatch(k, "de", true) || LoweredMatch(k, "d'", true); }

// Category c of word i against every reading of the word after it. False
// when the test is abandoned.
// The neighbour after word i: a class-22 word is looked through.
i32 RightNeighbour(i32 i) { return (i < Words() - 2 && ClsIs(i + 1, 22)) ? i + 2 : i + 1; }

// "nous", "vous", "elle" and "elles" are stressed pronouns as well as
// subjects: the pair that the subject reading refuses may suit the
// stressed one ("Vous qui savez", "elle sans un sou"), and a comma may follow
// the stressed one ("Vous, qui avez faim", "comme vous, cent choses").
bool StressedToo(i32 i) {
    return Cat(i) == 1 &&
           (LoweredMatch(i, "nous", true) || LoweredMatch(i, "vous", true) || LoweredMatch(i, "elle", true) ||
            LoweredMatch(i, "elles", true));
}

bool RightCount(i32 i, i32 k, u8 c, u16 mode, PairCount& pc) {
    for (i32 q = 0; q < Count(k); ++q) {
        const u8 d = Cat(k, q);
        // A comma ends the test, except after a subject pronoun, which it
        // reports (unless the pronoun may be a stressed one) and lets pass. Categories of 19 and more are no word
        // readings and index no row of the table.
        if (d == 21) {
            if (c != 1) return false;
            if (!StressedToo(i)) Report(513 + i);
            continue;
        }
        if (d >= kPairCategories) return false;
        const u8 v = Pair(c, d);
        if (v != 1) ++pc.impossible;
        if (mode == 1 && v == 3) ++pc.tolerated;
    }
    return true;
}

bool LeftCount(i32 p, u8 c, u16 mode, PairCount& pc) {
    for (i32 q = 0; q < Count(p); ++q) {
        const u8 d = Cat(p, q);
        if (d >= kPairCategories) return false;
        const u8 v = Pair(d, c);
        if (v != 1) ++pc.impossible;
        if (mode == 1 && v == 3) ++pc.tolerated;
    }
    return true;
}

bool Rejected(i32 k, const PairCount& pc) { return Count(k) > 0 && pc.impossible == Count(k); }

void Remove(i32 i, i32 r, FirstPassState& st) {
    if (RemoveReading(i, r)) ++st.removed;
}

// A subject pronoun after a complement set before it, which a preposition
// opens: "à cela je", "de vous je", "chez elle on", "pour me voir ils",
// "d'en mieux faire on". Written French puts such complements first.
bool SubjectAfterFrontedComplement(i32 i, i32 p) {
    if (Cat(i) != 1) return false;
    i32 k = p - 1;
    while (k >= 0 && (CatIs(k, 2) || CatIs(k, 18))) --k;
    return k >= 0 && CatIs(k, 15);
}

bool StressedFits(i32 i, i32 k, u16 mode) {
    PairCount pc;
    return StressedToo(i) && RightCount(i, k, 3, mode, pc) && !Rejected(k, pc);
}

// The right test of reading r of word i; true when the reading was
// removed.
bool RightTest(i32 i, i32 r, u16 mode, FirstPassState& st) {
    const u8 c = Cat(i, r);
    if (Last(i) || c >= kPairCategories) return false;
    PairCount pc;
    const i32 k = RightNeighbour(i);
    if (!RightCount(i, k, c, mode, pc)) return false;
    if (!Rejected(k, pc)) return false;
    if (Count(i) == 1) {
        if (!DeOrElided(i) && pc.tolerated == 0 && !SubjectAfterFrontedComplement(k, i) && !StressedFits(i, k, mode))
            Report(257 + i);
        return false;
    }
    Remove(i, r, st);
    return true;
}

void LeftTest(i32 i, i32 r, u16 mode, FirstPassState& st) {
    const u8 c = Cat(i, r);
    if (i == 0 || c >= kPairCategories) return;
    i32 p = i - 1;
    if (ClsIs(i - 1, 22)) {
        if (i < 2) return;
        p = i - 2;
    }
    PairCount pc;
    if (!LeftCount(p, c, mode, pc) || !Rejected(p, pc)) return;
    if (Count(i) == 1) {
        const bool stressed = StressedToo(p) && Pair(3, c) == 1;
        if (!DeOrElided(p) && pc.tolerated == 0 && !SubjectAfterFrontedComplement(i, p) && !stressed)
            Report(256 + i);
        return;
    }
    Remove(i, r, st);
}

// "cent" and "mille" are numerals before a noun or another numeral ("cent
// mots", "deux cent mille étoiles") unless a determiner makes them nouns
// ("un cent", "les mille de la course"): the noun reading goes.
void NumeralBeforeNoun(i32 i, FirstPassState& st) {
    if (Count(i) < 2 || Last(i) || !(LoweredMatch(i, "cent", false) || LoweredMatch(i, "mille", true))) return;
    if (!(LoweredMatch(i, "cent", true) || LoweredMatch(i, "cents", true) || LoweredMatch(i, "mille", true))) return;
    if (!rules::AnyReadingOf(i, [i](i32 r) { return Cls(i, r) == 'R' || Cls(i, r) == 'S'; })) return;
    if (i > 0 && (CatIs(i - 1, 7) || CatIs(i - 1, 9) || (CatIs(i - 1, 8) && !Numeral(i - 1)))) return;
    const i32 n = i + 1;
    if (!Numeral(n) && !rules::AnyReadingOf(n, [n](i32 r) { return Cat(n, r) == 10 && Cls(n, r) == 'A'; })) return;
    for (i32 r = Count(i) - 1; r >= 0; --r)
        if (Cls(i, r) == 'A') Remove(i, r, st);
}

}  // namespace

void CheckDeterminersNumeralsPronouns(u16 mode, FirstPassState& st) {
    for (i32 i = 0; i < Words(); ++i) {
        NumeralBeforeNoun(i, st);
        if (OneOf(i, 8, 8))
            CheckDeterminer(i);
        else
            CheckPronoun(i, mode);
    }
}

void FilterReadingsByCategoryPairs(u16 mode, FirstPassState& st) {
    for (i32 i = 0; i < Words(); ++i) {
        for (i32 r = 0; r < Count(i); ++r) {
            if (RightTest(i, r, mode, st) && r >= Count(i)) break;
            LeftTest(i, r, mode, st);
        }
    }
}
