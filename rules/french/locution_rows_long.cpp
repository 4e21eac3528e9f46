// The own word tests of the locution pass for words of four to eight
// bytes (those of four and five only when they are not function words).
// "personne" has none: its rewrite is guarded so that it never runs.
#include "frame/bounded_string.h"
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/report.h"
#include "frame/tables.h"
#include "rules/french/first_pass_readings.h"
#include "rules/french/french_locutions.h"
#include "rules/french/locution_rows.h"

namespace locution {

namespace {

constexpr Match W = Match::kWhole;

bool Always(i32, u16) { return true; }
void Nothing(i32, u16) {}

bool OneArticleOrContracted(i32 k) { return OneOf(k, 7, 7) || OneOf(k, 9, 9); }
u8 Number(i32 k) { return static_cast<u8>(Feat(k) % 16); }
bool HasCat(i32 k, u8 c) { return Has(k) && (Cat(k) == c || Cat(k, 1) == c); }

// Word k ends its clause: the last word, or a comma follows.
bool EndsClause(i32 k) { return !Has(k + 1) || CatIs(k + 1, 21); }

void ReportWithVariant(i32 value, i32 extent, u8 variant) {
    Report(value);
    gErrorExtent = static_cast<u16>(extent);
    gErrorVariant = variant;
}

// ---- four bytes

// After "ne" or the subject "qui" no possessive can stand: "il ne leur
// offre rien", "ceux qui leur offre" hold the pronoun before a verb ("à
// qui leur maison" keeps the possessive).
bool NoPossessiveAfter(i32 i) {
    if (i <= 0) return false;
    if (Is(i - 1, "ne")) return true;
    return Is(i - 1, "qui") && !CatIs(i - 2, 15) && !IsAny(i - 2, MR("à"), MR("À"), "de", "pour");
}

bool LeurIsPronoun(i32 i, u16) {
    const bool a = Count(i + 1) == 1 && (CatIs(i + 1, 14) || CatIs(i + 1, 13));
    const bool b = Has(i + 1) && ((Cls(i + 1) > 127 && Mark(i + 1) == 74) || (Cls(i + 1, 1) > 127 && Mark(i + 1, 1) == 74));
    const bool c = CatIs(i - 1, 1) || CatIs(i - 1, 4) || CatIs(i - 1, 6) || NoPossessiveAfter(i);
    const bool d = CatIs(i - 1, 10) && Count(i + 1) == 1 && !CatIs(i + 1, 10);
    return a || b || c || d;
}

// "fois" after "une", "chaque" or a numeral.
void FoisCounted(i32 i, u16) {
    SetFeat(i, 44);
    SetMark(i, 27);
    SecondLemma(i);
    KeepOne(i);
    KeepOne(i - 1);
    if (Has(i - 2) && (Cls(i - 2) > 127 || CatIs(i - 2, 10))) Adverbial(i - 1, i);
    if (IsAny(i - 3, "plus", "moins") && IsAny(i - 2, "de", "d'")) {
        for (i32 k = i - 3; k <= i - 2; ++k) {
            SetCat(k, 18);
            KeepOne(k);
        }
    }
}

// Word k is a number, in figures or in words.
bool Figure(i32 k) { return ClsIs(k, 'R') || ClsIs(k, 'S'); }

// The preposition "moins" subtracts ("dix moins trois", "midi moins le
// quart"); before an adjective, a participle, an adverb or the "que" of a
// comparison, at the end of its clause, and in "au moins", "du moins", "de
// moins", it is the adverb of degree ("moins riches", "au moins une
// semaine", "32 kg de moins que").
bool MoinsIsAdverb(i32 i, u16) {
    if (IsAny(i - 1, "au", "du", "de")) return true;
    if (!Has(i + 1) || CatIs(i + 1, 20) || CatIs(i + 1, 21)) return true;
    if (IsAny(i + 1, "que", "qu'") || CatIs(i + 1, 11) || CatIs(i + 1, 18)) return true;
    // Right after "être" it grades the attribute ("est moins tranchée"),
    // unless it tells the time ("il est moins cinq").
    if (Cls(i - 1) == 0x83 && Has(i + 1) && !Figure(i + 1)) return true;
    return CatIs(i + 1, 10) && (Cls(i + 1) == 'B' || Cls(i + 1) == 'C' || Cls(i + 1) == 'M' || Cls(i + 1) == 'N');
}

// "même" qualifies a noun after a determiner ("la même chose", "les
// mêmes"); after a verb ("n'est même pas", "il a même dit"), after an
// adverb of time or place ("aujourd'hui même", "ici même") and in "de
// même" closing its clause it is the adverb.
bool MemeIsAdverb(i32 i, u16) {
    if (Cls(i) == 26) return false;  // already inside "tout de même", "quand même"
    if (CatIs(i - 1, 14) || (CatIs(i - 1, 11) && Count(i - 1) == 1)) return true;
    if (IsAny(i - 1, "aujourd'hui", "ici", MR("là"), "maintenant", "alors")) return true;
    return IsAny(i - 1, "de", "De") && (!Has(i + 1) || CatIs(i + 1, 20) || CatIs(i + 1, 21));
}

bool TroisMots(i32 i, const char* a, const char* b) { return i >= 2 && Is(i - 2, a) && Is(i - 1, b); }

// Word k may follow the pronoun "tous": no determiner, demonstrative
// ("tous ceux") or numeral ("tous deux") that "tous" would open.
bool TousAsPronoun(i32 k) { return !CatIs(k, 4) && !CatIn(k, 7, 9) && !ClsIs(k, 'R') && !ClsIs(k, 'S'); }

const WordTest kFourBytes[] = {
    {"1", "leur", W, LeurIsPronoun,
     [](i32 i, u16) {
         SecondLemma(i);
         KeepOne(i);
         Set(i, 2, 95, 11);
     },
     nullptr},
    {"2", "leur", W, [](i32 i, u16 mode) { return mode == 0 && OneArticleOrContracted(i - 1); },
     [](i32 i, u16) {
         SecondLemma(i);
         KeepOne(i);
         Set(i, 10, 66, 4);
     },
     nullptr},
    {"3", "leur", W, [](i32 i, u16) { return !Has(i + 1) || OneOf(i + 1, 10, 10); },
     [](i32 i, u16) {
         KeepOne(i);
         Set(i, 8, 122, 7);
     },
     nullptr},
    {"4", "aura", W,
     [](i32 i, u16) { return !CatIs(i - 1, 7) && Cls(i - 1) != 80 && (Cls(i - 1) < 109 || Cls(i - 1) > 123); },
     [](i32 i, u16) { KeepOne(i); }, nullptr},
    {"5", "bout", W, [](i32 i, u16) { return CatIs(i - 1, 1); }, [](i32 i, u16) { KeepOne(i); }, nullptr},
    {"6", "bout", W, [](i32 i, u16) { return Cls(i - 1) != 65 && Cls(i - 1) != 64; },
     [](i32 i, u16) {
         SecondLemma(i);
         KeepOne(i);
         NounReading(i);
         SetMark(i, 91);
     },
     nullptr},
    {"7", "cela", W, [](i32 i, u16) { return !Has(i + 1) || !CatIs(i + 1, 7) || CatIs(i - 1, 15); },
     [](i32 i, u16) {
         SecondLemma(i);
         KeepOne(i);
         Set(i, 4, 70, 4);
     },
     nullptr},
    {"8", "cent", W, [](i32 i, u16) { return Is(i - 1, "un"); }, [](i32 i, u16) { NounReading(i); }, nullptr},
    // "doit" keeps one reading before its rows are tried.
    {"9a", "doit", W, Always, [](i32 i, u16) { KeepOne(i); }, "9"},
    {"9", "doit", W, [](i32 i, u16) { return OneOf(i - 1, 7, 7); },
     [](i32 i, u16) {
         NounReading(i);
         SetMark(i, 84);
         SecondLemma(i);
     },
     nullptr},
    {"10", "doit", W, Always, [](i32 i, u16) { Set(i, 14, 208, 8, 42); }, nullptr},
    {"11", "fois", W, [](i32 i, u16) { return Is(i - 1, MR("même")); }, [](i32 i, u16) { SetFeat(i, 36); }, "12"},
    {"12", "fois", W,
     [](i32 i, u16) { return IsAny(i - 1, "une", "chaque") || ClsIs(i - 1, 82) || ClsIs(i - 1, 83); }, FoisCounted,
     nullptr},
    {"13", "fois", W, [](i32 i, u16) { return i >= 2 && Is(i - 2, MR("à")) && IsAny(i - 1, "la", "chaque"); },
     [](i32 i, u16) {
         Adverbial(i - 2, i);
         KeepOne(i - 1, i);
     },
     nullptr},
    {"14", "fois", W,
     [](i32 i, u16) { return Has(i + 1) && Is(i - 1, "cette") && (Cat(i + 1) < 10 || Cat(i + 1) == 21); },
     [](i32 i, u16) {
         SetCat(i - 1, 18);
         SetCat(i, 18);
         KeepOne(i - 1, i);
     },
     nullptr},
    {"15", "fois", W, [](i32 i, u16) { return Begins(i - 1, "quelque") || IsAny(i - 1, "toute", "par"); },
     [](i32 i, u16) { Report(512 + i); }, nullptr},
    {"16", "fois", W,
     [](i32 i, u16) {
         return i >= 3 && Is(i - 3, MR("à")) && Is(i - 2, "la") && Is(i - 1, MR("même")) && !IsAny(i + 1, "que", "qu'");
     },
     [](i32 i, u16) { ReportWithVariant(255 + i, i - 1, 'D'); }, nullptr},
    {"17", "fort", W, [](i32 i, u16) { return CatIs(i + 1, 10); },
     [](i32 i, u16) {
         SecondLemma(i);
         KeepOne(i);
         SetCat(i, 18);
     },
     nullptr},
    {"18", "gens", W, [](i32 i, u16) { return Feat(i - 1) == 36; },
     [](i32 i, u16) {
         SetFeat(i, 44);
         SecondLemma(i);
         KeepOne(i);
     },
     nullptr},
    {"19", "gens", W, Always,
     [](i32 i, u16) {
         SetFeat(i, 24);
         KeepOne(i);
     },
     nullptr},
    {"20", "jour", W, [](i32 i, u16) { return i >= 2 && ClsIs(i - 1, 32) && CatIs(i - 2, 10) && Is(i - 2, "mise"); },
     [](i32 i, u16) {
         for (i32 k = i - 1; k <= i; ++k) Set(k, 10, 43, 0);
     },
     nullptr},
    {"21", "jour", W,
     [](i32 i, u16) {
         return i >= 2 && (ClsIs(i - 1, 32) || ClsIs(i - 1, 102)) &&
                (Mark(i - 2) == 63 || ClsIs(i - 2, 131) || (Mark(i - 2) == 22 && Begins(i - 2, "t")));
     },
     [](i32 i, u16) {
         Adverbial(i - 1, i);
         SetFeat(i, 0);
     },
     nullptr},
    {"22", "lors", W, [](i32 i, u16) { return Is(i - 1, MR("dès")) && Is(i + 1, "que"); },
     [](i32 i, u16) {
         Conjunctive(i - 1, i + 1);
         SetFeat(i, 0);
         SetFeat(i + 1, 0);
         KeepOne(i + 1);
     },
     nullptr},
    {"23", "lors", W, [](i32 i, u16) { return IsAny(i - 1, MR("dès"), "depuis"); },
     [](i32 i, u16) {
         Adverbial(i - 1, i);
         SetFeat(i, 0);
     },
     nullptr},
    {"24", MR("même"), W, [](i32 i, u16) { return TroisMots(i, "tout", "de") || Is(i - 1, "quand"); },
     [](i32 i, u16) {
         KeepOne(i - 1, i);
         Adverbial(i - 1, i);
         SetFeat(i - 1, 0);
         SetFeat(i, 0);
         if (Is(i - 2, "tout")) SetCat(i - 2, 18);
     },
     "25"},
    {"25", MR("même"), W, [](i32 i, u16) { return i >= 2 && Begins(i - 2, "seul") && Is(i - 1, "et"); },
     [](i32 i, u16) {
         Set(i, Cat(i - 2), Cls(i - 2), Feat(i - 2), 69);
     },
     "26"},
    {"26", MR("même"), W, [](i32 i, u16) { return CatIs(i - 1, 7) || CatIs(i - 1, 9); },
     [](i32 i, u16) {
         Set(i, 10, 66, 4, 69);
         if (CatIs(i + 1, 10) && Is(i + 2, "que")) {
             KeepOne(i + 1);
             SetCat(i + 2, 18);
         }
     },
     nullptr},
    {"26a", MR("même"), W, MemeIsAdverb,
     [](i32 i, u16) {
         KeepOne(i);
         Set(i, 18, 20, 0);
     },
     nullptr},
    {"27", "neuf", W, [](i32 i, u16) { return Number(i - 1) == 4; }, [](i32 i, u16) { KeepOne(i); }, nullptr},
    {"28", "neuf", W, [](i32 i, u16) { return Number(i - 1) == 8 || (Has(i + 1) && Number(i + 1) == 8); },
     [](i32 i, u16) {
         SecondLemma(i);
         KeepOne(i);
         Set(i, 8, 83, 8);
     },
     nullptr},
    {"29", "part", W, [](i32 i, u16) { return i >= 2 && Is(i - 2, "d'") && IsAny(i - 1, "une", "autre"); },
     [](i32 i, u16) {
         SecondLemma(i);
         KeepOne(i - 2, i);
         Adverbial(i - 2, i);
     },
     nullptr},
    {"30", "peut", W, [](i32 i, u16) { return i >= 2 && Is(i - 2, "on") && ClsIs(i - 1, 22) && Is(i + 1, "plus"); },
     [](i32 i, u16) {
         Adverbial(i - 2, i + 1);
         KeepOne(i, i + 1);
     },
     nullptr},
    {"31", "peut", W, [](i32 i, u16) { return TroisMots(i, "sauve", "qui"); },
     [](i32 i, u16) {
         KeepOne(i - 2, i);
         for (i32 k = i - 2; k <= i; ++k) Set(k, 10, 43);
     },
     nullptr},
    {"32", "plus", W, [](i32 i, u16) { return i >= 2 && ClsIs(i - 1, 131) && ClsIs(i - 2, 97); },
     [](i32 i, u16) {
         KeepOne(i);
         Set(i, 14, 177, 24);
     },
     "32a"},
    // "plus haut", "plus bas": the next word is the adverb, and "plus"
    // itself still takes its adverb reading (row 37) rather than keep the
    // noun or participle read first ("au plus haut niveau").
    {"32a", "plus", W, [](i32 i, u16) { return IsAny(i + 1, "haut", "bas"); },
     [](i32 i, u16) {
         KeepOne(i + 1);
         SetCat(i + 1, 18);
         ThirdLemma(i);
     },
     "37"},
    {"33", "plus", W,
     [](i32 i, u16) { return i >= 2 && Cls(i - 2) > 127 && Is(i - 1, "le") && (!Has(i + 1) || !CatIs(i + 1, 10)); },
     [](i32 i, u16) {
         ThirdLemma(i);
         KeepOne(i - 1, i);
         SetCat(i - 1, 18);
         SetCat(i, 18);
     },
     nullptr},
    {"34", "plus", W, [](i32 i, u16) { return Is(i - 1, "en"); },
     [](i32 i, u16) {
         ThirdLemma(i);
         KeepOne(i - 1, i);
         Adverbial(i - 1, i);
         SetFeat(i, 0);
     },
     nullptr},
    {"35", "plus", W, [](i32 i, u16) { return ClsIs(i - 1, 85) || (i >= 2 && CatIs(i - 1, 2) && ClsIs(i - 2, 85)); },
     [](i32 i, u16) { KeepOne(i); }, nullptr},
    {"36", "plus", W, [](i32 i, u16) { return ClsIs(i - 1, 89) || (i >= 2 && CatIs(i - 1, 2) && ClsIs(i - 2, 89)); },
     [](i32 i, u16) {
         SetFeat(i, 25);
         KeepOne(i);
     },
     nullptr},
    {"37", "plus", W, [](i32 i, u16) { return Cls(i) != 26 && Cls(i) != 42; },
     [](i32 i, u16) {
         ThirdLemma(i);
         KeepOne(i);
         Set(i, 18, 20, 0, 27);
     },
     nullptr},
    {"38", "puis", W, [](i32 i, u16) { return ClsIs(i - 1, 85); }, [](i32 i, u16) { Set(i, 14, 241, 6, 43); },
     nullptr},
    {"39", "puis", W, [](i32 i, u16) { return CatIs(i + 1, 14) || (CatIs(i + 1, 2) && CatIs(i + 2, 14)); },
     [](i32 i, u16) { SetCat(i, 16); }, nullptr},
    {"40", "quoi", W,
     [](i32 i, u16) { return i >= 5 && CatIn(i - 4, 7, 9) && Is(i - 3, "je") && Is(i - 2, "ne") && Is(i - 1, "sais"); },
     [](i32 i, u16) {
         for (i32 k = i - 3; k <= i; ++k) Set(k, 10, 43);
     },
     nullptr},
    {"41", "quoi", W, [](i32 i, u16) { return IsAny(i + 1, "que", "qu'") && CatIn(i + 2, 10, 13); },
     [](i32 i, u16) { Report(513 + i); }, nullptr},
    {"42", "sans", W,
     [](i32 i, u16) { return IsAny(i + 1, "cesse", "conteste", "contredit", MR("désemparer"), "doute", "quoi"); },
     [](i32 i, u16) {
         KeepOne(i, i + 1);
         Adverbial(i, i + 1);
     },
     nullptr},
    {"43", "sans", W, [](i32 i, u16) { return Is(i + 1, "coup") && Is(i + 2, MR("férir")); },
     [](i32 i, u16) {
         KeepOne(i, i + 1);
         Adverbial(i, i + 1);
         SetCls(i + 2, 26);
     },
     nullptr},
    {"44", "sauf", W, [](i32 i, u16) { return Cat(i - 1) > 19 || Is(i + 1, "erreur"); },
     [](i32 i, u16) {
         if (!CatIs(i + 1, 17)) {
             PrepositionReading(i);
             return;
         }
         SecondLemma(i);
         KeepOne(i);
         Set(i, 18, 34, 0);
     },
     nullptr},
    {"45", "sait", W, [](i32 i, u16) { return Is(i - 1, "dieu") || (i >= 2 && IsAny(i - 2, "on", "nul") && Is(i - 1, "ne")); },
     [](i32 i, u16) {
         Adverbial(i - 1, i);
         if (ClsIs(i + 1, 20) || (Has(i + 1) && !Has(i + 2) && ClsIs(i + 1, 71)) || Is(i + 1, "quand")) {
             SetCls(i + 1, 26);
             KeepOne(i + 1);
         }
         if (Is(i - 1, "ne")) Adverbial(i - 2, i - 2);
     },
     nullptr},
    // "1 461 habitants (soit une hausse de 28 %)", "5,92 %, soit 90
    // électeurs": "soit" that sets a figure after a comma, a bracket or
    // another figure restates it, an adverb, even when a second "soit"
    // stands in the sentence.
    {"45s", "soit", W,
     [](i32 i, u16) {
         return i > 0 && Has(i + 1) && Figure(i + 1) && (CatIs(i - 1, 21) || Is(i - 1, "(") || Figure(i - 1));
     },
     [](i32 i, u16) {
         SecondLemma(i);
         KeepOne(i);
         Set(i, 18, 20, 0);
     },
     nullptr},
    {"46", "soit", W,
     [](i32 i, u16) {
         for (i32 k = 0; k < static_cast<i32>(gWordCount); ++k)
             if (k != i && Is(k, "soit")) return true;
         return false;
     },
     [](i32 i, u16) {
         ThirdLemma(i);
         KeepOne(i);
         Set(i, 16, 16, 0);
     },
     nullptr},
    {"47", "soit", W,
     [](i32 i, u16) {
         return (OneOf(i - 1, 10, 10) && Number(i - 1) < 5) || CatIs(i - 1, 1) || CatIs(i - 1, 17) || ClsIs(i - 1, 71) ||
                Is(i - 1, "en");
     },
     [](i32 i, u16) { KeepOne(i); }, nullptr},
    {"48", "soit", W, [](i32 i, u16) { return Is(i - 1, "quelque"); },
     [](i32 i, u16) {
         KeepOne(i);
         Report(256 + i);
     },
     nullptr},
    {"49", "soit", W, [](i32 i, u16) { return CatIs(i - 1, 21); },
     [](i32 i, u16) {
         SecondLemma(i);
         KeepOne(i);
         Set(i, 18, 20, 0);
     },
     nullptr},
    {"50", "suis", W, [](i32 i, u16) { return Is(i - 1, "je") || (i >= 2 && Is(i - 2, "je")); },
     [](i32 i, u16) {
         KeepOne(i);
         Set(i, 14, 131, 6, 16);
     },
     nullptr},
    {"51", "tard", W, [](i32 i, u16) { return TroisMots(i, "sur", "le"); },
     [](i32 i, u16) {
         KeepOne(i - 2, i);
         for (i32 k = i - 2; k <= i; ++k) Set(k, 18, 26);
     },
     nullptr},
    {"52", "tard", W, [](i32 i, u16) { return Is(i - 1, "le"); },
     [](i32 i, u16) {
         NounReading(i);
         SecondLemma(i);
     },
     nullptr},
    {"53", "tard", W, Always,
     [](i32 i, u16) {
         KeepOne(i);
         Set(i, 18, 20, 0);
     },
     nullptr},
    {"54", "tels", W, [](i32 i, u16) { return CatIs(i + 1, 7); },
     [](i32 i, u16) {
         KeepOne(i);
         Set(i, 17, 17, 0);
     },
     nullptr},
    {"55", MR("très"), W, [](i32 i, u16) { return Is(i + 1, "beaucoup"); },
     [](i32 i, u16) { ReportWithVariant(257 + i, i, 'D'); }, nullptr},
    // "ils sont tous partis", "nous étions tous contents": "tous" right
    // after a conjugated verb or an infinitive, before no determiner, is
    // the pronoun standing for the subject or object, not the determiner
    // of the word after it ("ils ont tous les livres" keeps it).
    {"55t", "tous", W,
     [](i32 i, u16) { return i > 0 && Has(i + 1) && OneOf(i - 1, 13, 14) && TousAsPronoun(i + 1); },
     [](i32 i, u16) {
         KeepOne(i);
         Set(i, 6, 'K', 0x18);
     },
     nullptr},
    {"56", "trop", W, [](i32 i, u16) { return i >= 2 && Is(i - 1, "de") && CatIs(i + 1, 13); },
     [](i32 i, u16) {
         KeepOne(i - 1);
         Set(i - 1, 15, 33);
     },
     nullptr},
    {"57", "trop", W, [](i32 i, u16) { return i >= 2 && Is(i - 1, "de") && (CatIs(i + 1, 10) || CatIs(i + 1, 8)); },
     [](i32 i, u16) {
         KeepOne(i - 1);
         Set(i - 1, 7, 106);
     },
     nullptr},
    {"58", "trop", W, [](i32 i, u16) { return i >= 2 && Is(i - 1, "de"); },
     [](i32 i, u16) {
         KeepOne(i - 1);
         Adverbial(i - 1, i);
     },
     nullptr},
};

// ---- five bytes

bool EntreAmbiguous(i32 i) { return Count(i) > 1 && Cls(i) != 44; }

// "il entre", "entre au service", "devant déboucher": the verb reading,
// wherever our dictionary lists it (it gives the preposition first).
void VerbReadingOf(i32 i) {
    for (i32 r = 0; r < Count(i); ++r) {
        if (Cls(i, r) < 128) continue;
        first_pass::TakeReading(i, r);
        return;
    }
    KeepOne(i);
}

// "toutes" before a noun that opens a group of its own.
bool ToutesBeforeNoun(i32 i) {
    return CatIs(i + 1, 10) && (ClsIs(i + 1, 65) || !Has(i + 2) || CatIs(i + 2, 10)) && OneOf(i - 1, 10, 10);
}


const WordTest kFiveBytes[] = {
    {"59", "belle", W, [](i32 i, u16) { return TroisMots(i, "de", "plus"); }, [](i32 i, u16) { Adverbial(i - 2, i); },
     nullptr},
    {"60", "belle", W, [](i32 i, u16) { return Is(i + 1, "lurette"); }, [](i32 i, u16) { Adverbial(i, i + 1); },
     nullptr},
    {"61", "droit", W, [](i32 i, u16) { return ClsIs(i - 1, 194) || Is(i - 1, "ayants"); },
     [](i32 i, u16) {
         KeepOne(i);
         SetCat(i, 18);
         if (Begins(i - 1, "ayant")) Set(i - 1, 10, 65, GetStringLength(gWords.ClampedAt(i - 1).WordText) == 6 ? 24 : 20);
     },
     nullptr},
    {"62", "entre", W, [](i32 i, u16) { return EntreAmbiguous(i) && CatIs(i - 1, 1); }, [](i32 i, u16) { VerbReadingOf(i); },
     nullptr},
    {"63", "entre", W,
     [](i32 i, u16) {
         return EntreAmbiguous(i) && ClsIs(i + 1, 106) && (HasCat(i + 2, 10) || CatIs(i + 2, 18)) &&
                (CatIs(i + 3, 10) || CatIs(i + 3, 8));
     },
     [](i32 i, u16) { PrepositionReading(i); }, nullptr},
    {"64", "entre", W,
     [](i32 i, u16 mode) { return mode == 1 && EntreAmbiguous(i) && (Cat(i - 1) < 7 || CatIs(i + 1, 9)); },
     [](i32 i, u16) { VerbReadingOf(i); }, nullptr},
    {"65", "entre", W,
     [](i32 i, u16 mode) {
         return mode == 1 && EntreAmbiguous(i) && Has(i + 1) && Cat(i + 1) < 10 && Cat(i + 1) != 4;
     },
     [](i32 i, u16) { PrepositionReading(i); }, nullptr},
    {"66", "force", W, [](i32 i, u16) { return CatIs(i + 1, 10) && Cat(i - 1) > 9; },
     [](i32 i, u16) {
         KeepOne(i);
         Set(i, 10, 67, Feat(i + 1));
     },
     nullptr},
    {"67", MR("après"), W, [](i32 i, u16) { return Has(i + 1) && Cls(i) != 44 && CatIn(i + 1, 7, 10); },
     [](i32 i, u16) {
         SecondLemma(i);
         KeepOne(i);
         Set(i, 15, 34);
     },
     nullptr},
    {"68", MR("après"), W, [](i32 i, u16) { return Has(i + 1) && Cls(i) != 44 && !CatIs(i + 1, 4) && !CatIs(i + 1, 18); },
     [](i32 i, u16) { KeepOne(i); }, nullptr},
    {"69", "forma", W, [](i32 i, u16) { return Is(i - 1, "pro"); },
     [](i32 i, u16) {
         KeepOne(i - 1, i);
         Set(i - 1, 18, 23);
         Set(i, 18, 24);
     },
     nullptr},
    {"70", "leurs", W, [](i32 i, u16) { return OneArticleOrContracted(i - 1); },
     [](i32 i, u16) {
         KeepOne(i);
         Set(i, 10, 66, 8);
     },
     nullptr},
    {"71", "mieux", W, [](i32 i, u16) { return Begins(i + 1, "vau"); }, [](i32 i, u16) { Set(i, 6, 75); }, nullptr},
    {"72", "moins", W, [](i32 i, u16) { return TroisMots(i, "pour", "le"); }, [](i32 i, u16) { Adverbial(i - 2, i); },
     nullptr},
    {"73", "moins", W,
     [](i32 i, u16) { return i >= 2 && Cls(i - 2) > 127 && Is(i - 1, "le") && (!Has(i + 1) || !CatIs(i + 1, 10)); },
     [](i32 i, u16) {
         KeepOne(i - 1);
         SetCat(i - 1, 18);
         SetCat(i, 18);
     },
     nullptr},
    {"73a", "moins", W, MoinsIsAdverb,
     [](i32 i, u16) {
         SecondLemma(i);
         KeepOne(i);
         Set(i, 18, 20, 0);
     },
     nullptr},
    {"74", "outre", W, [](i32 i, u16) { return Is(i - 1, "en"); },
     [](i32 i, u16) {
         ThirdLemma(i);
         Adverbial(i - 1, i);
         KeepOne(i - 1, i);
     },
     nullptr},
    {"75", "outre", W, [](i32 i, u16) { return OneOf(i - 1, 7, 7); },
     [](i32 i, u16) {
         KeepOne(i);
         Set(i, 10, 65, 32);
     },
     nullptr},
    {"76", MR("passé"), W, [](i32 i, u16) { return i >= 2 && IsAny(i - 2, "par", "dans") && Is(i - 1, "le"); },
     [](i32 i, u16) {
         Adverbial(i - 2, i);
         KeepOne(i - 2, i - 1);
     },
     nullptr},
    {"77", MR("passé"), W,
     [](i32 i, u16 mode) { return mode == 1 && (!Has(i + 1) || (!CatIs(i + 1, 7) && !CatIs(i + 1, 8))); },
     [](i32 i, u16) { KeepOne(i); }, nullptr},
    {"78", "quand", W, [](i32 i, u16) { return IsAny(i - 1, MR("à"), "pour", "hormis"); },
     [](i32 i, u16) {
         SetCat(i - 1, 18);
         if (i >= static_cast<i32>(gWordCount) - 2) SetCat(i, 18);
     },
     nullptr},
    {"79", "quand", W,
     [](i32 i, u16) {
         return Is(i + 1, MR("même")) && (!Has(i + 2) || CatIs(i - 1, 14) || CatIs(i + 2, 21) || CatIs(i + 2, 20));
     },
     [](i32 i, u16) {
         SetCat(i, 18);
         SetCat(i + 1, 18);
     },
     nullptr},
    {"80", "quand", W, [](i32 i, u16) { return Is(i + 1, MR("même")) && CatIs(i + 2, 1); },
     [](i32 i, u16) { Conjunctive(i, i + 1); }, nullptr},
    {"81", "quand", W,
     [](i32 i, u16 mode) {
         return mode == 1 && i >= 3 && CatIs(i - 2, 7) && ClsIs(i - 1, 65) &&
                IsAny(i - 1, "jour", "semaine", "mois", MR("année"), "fois", "temps");
     },
     [](i32 i, u16) {
         Report(768 + i);
         gErrorExtent = static_cast<u16>(i);
     },
     nullptr},
    {"82", "somme", W, [](i32 i, u16) { return ClsIs(i - 1, 88) || (CatIs(i - 1, 2) && ClsIs(i - 2, 88)); },
     [](i32 i, u16) {
         KeepOne(i);
         NounReading(i);
         SetMark(i, 69);
     },
     nullptr},
    {"83", "suite", W, [](i32 i, u16) { return Begins(i - 1, "donn"); }, [](i32 i, u16) { SetCat(i, 18); }, nullptr},
    {"84", "suite", W, [](i32 i, u16) { return TroisMots(i, "tout", "de"); },
     [](i32 i, u16) {
         for (i32 k = i - 2; k <= i; ++k) SetCat(k, 18);
     },
     nullptr},
    {"85", MR("écrit"), W, [](i32 i, u16) { return Begins(i - 1, "par"); }, [](i32 i, u16) { KeepOne(i); }, nullptr},
    {"86", MR("égard"), W, [](i32 i, u16) { return Is(i - 1, "eu"); }, [](i32 i, u16) { Adverbial(i - 1, i); },
     nullptr},
};

// ---- six bytes

// "contre" as a preposition and as a verb form, the preposition first.
void ContreTwoReadings(i32 i, u16) {
    WordRecord& w = gWords.ClampedAt(i);
    Set(i, 15, 34, 0, 1);
    LemmaFrom(i, 3);
    w.ReadingCategories.ClampedAt(1) = 14;
    w.ReadingClasses.ClampedAt(1) = 240;
    w.ReadingFeatures.ClampedAt(1) = 51;
    w.ReadingMarks.ClampedAt(1) = 1;
    w.ReadingCount = 2;
    if (CatIs(i - 1, 14) || CatIs(i - 1, 15) || CatIs(i + 1, 14) || (CatIs(i - 1, 10) && Number(i - 1) == 8)) KeepOne(i);
}

// "devant" after a determiner: its noun reading. A word without one is
// left as it is.
void DevantNoun(i32 i, u16) {
    WordRecord& w = gWords.ClampedAt(i);
    for (i32 r = 0; r < w.ReadingCount && r < static_cast<i32>(kReadingSlots); ++r) {
        if (w.ReadingCategories.ClampedAt(r) != 10) continue;
        w.ReadingClasses.ClampedAt(0) = w.ReadingClasses.ClampedAt(r);
        w.ReadingFeatures.ClampedAt(0) = w.ReadingFeatures.ClampedAt(r);
        w.ReadingMarks.ClampedAt(0) = w.ReadingMarks.ClampedAt(r);
        w.ReadingLemmaRefs.ClampedAt(0) = w.ReadingLemmaRefs.ClampedAt(r);
        w.ReadingCategories.ClampedAt(0) = 10;
        KeepOne(i);
        return;
    }
}

bool EarlierFirstPerson(i32 i) {
    for (i32 k = 0; k < i; ++k)
        if (ClsIs(k, 88) || ClsIs(k, 87)) return true;
    return false;
}

const WordTest kSixBytes[] = {
    {"87", "contre", W, [](i32 i, u16) { return Cls(i) != 26 && (!Has(i + 1) || Is(i - 1, MR("là"))); },
     [](i32 i, u16) {
         ThirdLemma(i);
         KeepOne(i);
         Set(i, 18, 20, 0);
     },
     nullptr},
    {"88", "contre", W, [](i32 i, u16) { return CatIs(i + 1, 16) || CatIs(i + 1, 17); },
     [](i32 i, u16) {
         KeepOne(i);
         Set(i, 18, 20, 0);
     },
     nullptr},
    {"89", "contre", W, [](i32 i, u16) { return OneArticleOrContracted(i - 1); }, [](i32 i, u16) { KeepOne(i); },
     nullptr},
    {"90", "contre", W, Always, ContreTwoReadings, nullptr},
    {"91", "compte", W, [](i32 i, u16) { return Begins(i - 1, "rend"); },
     [](i32 i, u16) {
         KeepOne(i);
         SetCat(i, 18);
         if (Feat(i - 1) == 2) SetCat(i - 1, 18);
         if (Is(i - 1, "rendez-vous")) Set(i - 1, 14, 244, 50, 53);
     },
     nullptr},
    {"92", "devant", W, [](i32 i, u16) { return OneOf(i - 1, 7, 8) || Is(i - 1, "le"); }, DevantNoun, nullptr},
    // Before an infinitive, the participle of "devoir".
    {"93a", "devant", W, [](i32 i, u16) { return HasCat(i + 1, 13); }, [](i32 i, u16) { VerbReadingOf(i); }, nullptr},
    {"93", "devant", W, Always,
     [](i32 i, u16 mode) {
         if (mode == 1) {
             Set(i, 15, 34, 0);
             SecondLemma(i);
         }
         KeepOne(i);
     },
     nullptr},
    {"94", "autour", W, [](i32 i, u16) { return OneOf(i - 1, 7, 7); },
     [](i32 i, u16) {
         NounReading(i);
         KeepOne(i);
     },
     nullptr},
    {"95", "autour", W, Always,
     [](i32 i, u16) {
         Set(i, 18, 20);
         SecondLemma(i);
         KeepOne(i);
     },
     nullptr},
    {"96", "avance", W, [](i32 i, u16) { return IsAny(i - 1, "d'", "par"); },
     [](i32 i, u16) {
         KeepOne(i - 1, i);
         Adverbial(i - 1, i);
     },
     nullptr},
    {"96a", "avance", W, [](i32 i, u16) { return i >= 2 && Is(i - 2, MR("à")); },
     [](i32 i, u16) {
         KeepOne(i - 2, i);
         Adverbial(i - 2, i);
     },
     nullptr},
    {"97", "avenir", W, [](i32 i, u16) { return TroisMots(i, MR("à"), "l'"); },
     [](i32 i, u16) {
         KeepOne(i - 2, i);
         Adverbial(i - 2, i);
     },
     nullptr},
    {"98", "autres", W, [](i32 i, u16) { return CatIs(i - 1, 16); }, [](i32 i, u16) { SetCat(i, 8); }, nullptr},
    {"99", "autres", W, [](i32 i, u16) { return i >= 3 && Is(i - 3, "les") && Is(i - 2, "uns") && Is(i - 1, "les"); },
     [](i32 i, u16) {
         Adverbial(i - 3, i);
         KeepOne(i - 3, i - 1);
     },
     nullptr},
    {"100", "autres", W,
     [](i32 i, u16) {
         return i >= 4 && Is(i - 4, "les") && Is(i - 3, "uns") && (CatIs(i - 2, 15) || Is(i - 2, "comme")) &&
                Is(i - 1, "les");
     },
     [](i32 i, u16) { SetCat(i - 2, 16); }, nullptr},
    {"101", "depuis", W, [](i32 i, u16) { return !Has(i + 1); },
     [](i32 i, u16) {
         Set(i, 18, 20);
         SecondLemma(i);
         KeepOne(i);
     },
     nullptr},
    {"102", "depuis", W, [](i32 i, u16) { return CatIn(i + 1, 7, 9); },
     [](i32 i, u16) {
         Set(i, 15, 34);
         KeepOne(i);
     },
     nullptr},
    {"103", "dessus", W, [](i32 i, u16) { return Is(i - 1, "sens") && Is(i + 1, "dessous"); },
     [](i32 i, u16) {
         SecondLemma(i);
         KeepOne(i - 1, i + 1);
         Adverbial(i - 1, i + 1);
     },
     nullptr},
    {"104", MR("légion"), W, [](i32 i, u16) { return ClsIs(i - 1, 131); }, [](i32 i, u16) { SetCat(i, 18); }, nullptr},
    {"105", "maison", W, [](i32 i, u16) { return CatIs(i - 1, 10) && Cls(i - 1) != 66 && Number(i - 1) != 2; },
     [](i32 i, u16) { SetFeat(i, 4); }, nullptr},
    {"106", MR("marché"), W, [](i32 i, u16) { return Is(i - 1, "bon"); },
     [](i32 i, u16) {
         Adverbial(i - 1, i);
         SecondLemma(i);
     },
     nullptr},
    {"107", "milles", W,
     [](i32 i, u16) { return ClsIs(i + 1, 82) || ClsIs(i + 1, 83) || (CatIs(i + 1, 10) && Cls(i + 1) != 66); },
     [](i32 i, u16) {
         SetCls(i, 82);
         Report(257 + i);
     },
     nullptr},
    {"108", "partie", W, Always, Nothing, nullptr},
    {"109", "sommes", W, [](i32 i, u16) { return EarlierFirstPerson(i); },
     [](i32 i, u16) {
         KeepOne(i);
         Set(i, 14, 131, 9, 144);
     },
     nullptr},
    {"110", "sommes", W,
     [](i32 i, u16) { return CatIn(i - 1, 7, 9) || CatIs(i - 1, 15) || (CatIs(i - 1, 10) && Number(i - 1) != 4); },
     [](i32 i, u16) {
         SecondLemma(i);
         KeepOne(i);
         Set(i, 10, 65, Feat(i - 1));
     },
     nullptr},
    {"111", "telles", W, [](i32 i, u16) { return CatIs(i + 1, 7); },
     [](i32 i, u16) {
         KeepOne(i);
         Set(i, 17, 17, 0);
     },
     nullptr},
    {"112", "toutes", W, [](i32 i, u16) { return ToutesBeforeNoun(i) && Feat(i - 1) / 16 != 2; },
     [](i32 i, u16) { Report(257 + i); }, nullptr},
    {"113", "toutes", W, [](i32 i, u16) { return ToutesBeforeNoun(i) && Feat(i - 1) / 16 == 2 && VowelStart(i + 1); },
     [](i32 i, u16) { Report(257 + i); }, nullptr},
    {"114", "toutes", W, [](i32 i, u16) { return CatIs(i + 1, 11) && ClsIs(i - 1, 194); },
     [](i32 i, u16) { Set(i, 10, 66); }, nullptr},
    {"115", "vielle", W, [](i32 i, u16) { return CatIs(i - 1, 10) || CatIs(i + 1, 10); },
     [](i32 i, u16) {
         Report(768 + i);
         gErrorExtent = static_cast<u16>(i);
     },
     nullptr},
};

// ---- seven bytes

// After "quoiqu'": a verb, or a subject pronoun and a verb (after "en"
// too) that ends the clause.
bool QuoiquBeforeVerb(i32 i) {
    if (!Has(i + 1)) return false;
    if (CatIs(i + 1, 14)) return true;
    if (Cat(i + 1) >= 7) return false;
    if (CatIs(i + 2, 14) && EndsClause(i + 2)) return true;
    return Is(i + 2, "en") && CatIs(i + 3, 14) && EndsClause(i + 3);
}

const WordTest kSevenBytes[] = {
    {"116", MR("étaient"), W, Always, [](i32 i, u16) { KeepOne(i); }, nullptr},
    {"117", "nouveau", W, [](i32 i, u16) { return IsAny(i - 1, "de", MR("à")); },
     [](i32 i, u16) {
         KeepOne(i - 1, i);
         Adverbial(i - 1, i);
     },
     nullptr},
    // "à l'origine" alone means "at first"; with a complement ("à l'origine
    // de la crise") it names a cause and is prepositional.
    {"118", "origine", W, [](i32 i, u16) { return i >= 2 && Is(i - 1, "l'") && IsAny(i - 2, MR("à"), "A"); },
     [](i32 i, u16) {
         if (IsAny(i + 1, "de", "d'", "du", "des"))
             Prepositional(i - 2, i);
         else
             Adverbial(i - 2, i);
         KeepOne(i - 1);
     },
     nullptr},
    {"119", "plainte", W, [](i32 i, u16) { return Begins(i - 1, "port"); }, [](i32 i, u16) { KeepOne(i); }, nullptr},
    {"120", "plupart", W, [](i32 i, u16) { return Is(i - 1, "la"); },
     [](i32 i, u16) {
         KeepOne(i - 1, i);
         SetFeat(i - 1, 0);
         SetFeat(i, 0);
     },
     nullptr},
    {"121", "quelque", W, [](i32 i, u16) { return !Has(i + 1); }, [](i32 i, u16) { SetCat(i, 18); }, nullptr},
    {"122", "quelque", W,
     [](i32 i, u16) { return (Has(i + 1) && (Cls(i + 1) == 83 || Cls(i + 1) == 82 || Cls(i + 1) == 0)) || Cls(i - 1) == 0; },
     [](i32 i, u16) { SetFeat(i, 0); }, nullptr},
    {"123", "quelque", W,
     [](i32 i, u16) { return (ClsIs(i + 2, 71) && (CatIs(i + 1, 10) || CatIs(i + 1, 18))) || CatIs(i + 1, 18); },
     [](i32 i, u16) { Set(i, 18, 20); }, nullptr},
    {"124", "quelque", W, [](i32 i, u16) { return CatIs(i + 1, 10); },
     [](i32 i, u16) {
         SetFeat(i, 4);
         if (Begins(i + 1, "un")) Report(257 + i);
     },
     nullptr},
    {"125", "quelque", W, [](i32 i, u16) { return Count(i + 1) == 1; }, [](i32 i, u16) { Report(257 + i); }, nullptr},
    {"126", "quelqu'", W,
     [](i32 i, u16) { return Is(i + 1, "il") || Begins(i + 1, "elle") || (IsAny(i + 1, "on", "en") && CatIs(i + 2, 14)); },
     [](i32 i, u16) { ReturnAtOnce(257 + i); }, nullptr},
    {"127", "quelqu'", W, [](i32 i, u16) { return Has(i + 1) && !IsAny(i + 1, "un", "une"); },
     [](i32 i, u16) { ReturnAtOnce(129 + i); }, nullptr},
    {"128", "quoiqu", Match::kBegins, [](i32 i, u16) { return QuoiquBeforeVerb(i); },
     [](i32 i, u16) { ReturnAtOnce(257 + i); }, nullptr},
    {"129", "importe", W, [](i32 i, u16) {
         return Has(i + 1) && Is(i - 1, "n'") && (CatIs(i + 1, 5) || CatIs(i + 1, 17) || CatIs(i + 1, 18) || CatIs(i + 1, 8));
     },
     [](i32 i, u16) {
         Adverbial(i - 1, i);
         KeepOne(i);
     },
     nullptr},
    {"130", "souvent", W, [](i32 i, u16) { return i >= 2 && Is(i - 2, "le") && IsAny(i - 1, "plus", "moins"); },
     [](i32 i, u16) {
         KeepOne(i - 2);
         SetCat(i, 18);
     },
     nullptr},
    {"131", "vielles", W, [](i32 i, u16) { return ClsIs(i + 1, 65); },
     [](i32 i, u16) {
         Report(768 + i);
         gErrorExtent = static_cast<u16>(i);
     },
     nullptr},
};

// ---- eight bytes

// The nearest earlier word whose last reading is not adverb-like is a
// form of "être" taken as a verb or participle.
bool AfterEtreForm(i32 i) {
    for (i32 k = i - 1; k >= 0; --k) {
        const i32 last = Count(k) > 0 ? Count(k) - 1 : 0;
        if (Cat(k, last) == 18) continue;
        return ClsIs(k, 131) && CatIn(k, 11, 14);
    }
    return false;
}

const WordTest kEightBytes[] = {
    {"132", MR("derrière"), W, [](i32 i, u16) { return OneOf(i - 1, 7, 8) || Is(i - 1, "le"); },
     [](i32 i, u16) { KeepOne(i); }, nullptr},
    {"133", MR("derrière"), W, [](i32 i, u16 mode) { return mode == 1 && (!Has(i + 1) || Cat(i + 1) > 10); },
     [](i32 i, u16) {
         ThirdLemma(i);
         Set(i, 18, 20, 0);
         KeepOne(i);
     },
     nullptr},
    {"134", MR("derrière"), W, [](i32 i, u16 mode) { return mode == 1 && Has(i + 1) && Cat(i + 1) <= 10; },
     [](i32 i, u16) { PrepositionReading(i); }, nullptr},
    {"135", MR("derrière"), W, [](i32, u16 mode) { return mode == 0; }, [](i32 i, u16) { KeepOne(i); }, nullptr},
    {"136", "question", W, [](i32 i, u16) { return AfterEtreForm(i); },
     [](i32 i, u16) {
         SetCat(i, 18);
         SetFeat(i, 0);
     },
     nullptr},
    {"137", "quelques", W, [](i32 i, u16) { return OneOf(i + 1, 14, 14); }, [](i32 i, u16) { Report(257 + i); },
     nullptr},
    {"138", "quelques", W, [](i32 i, u16) { return (ClsIs(i + 1, 83) || ClsIs(i + 1, 82)) && !Is(i - 1, "et"); },
     [](i32 i, u16) { Report(257 + i); }, nullptr},
};

}  // namespace

WordTestTable LongWordTests(i32 length) {
    switch (length) {
        case 4: return TableOf(kFourBytes);
        case 5: return TableOf(kFiveBytes);
        case 6: return TableOf(kSixBytes);
        case 7: return TableOf(kSevenBytes);
        case 8: return TableOf(kEightBytes);
        default: return {nullptr, 0};
    }
}

}  // namespace locution
