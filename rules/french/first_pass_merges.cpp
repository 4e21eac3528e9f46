// Merging the readings of one category: verb readings by mood, tense,
// person and subject; noun, adjective and participle readings by the
// gender and number they share; and the noun-or-adjective words made
// adjectives after a class-20 word.
#include <initializer_list>

#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/tables.h"
#include "rules/french/ambiguous_rules.h"
#include "rules/french/first_pass_readings.h"
#include "rules/french/locution_rows.h"
#include "rules/rule_words.h"
#include "rules/french/matcher_loops.h"

namespace {

using namespace locution;
using namespace first_pass;

i32 Words() { return static_cast<i32>(gWordCount); }

// ---- verbs

struct NumberPerson {
    u8 number = 0, person = 0;
    bool known = false;
};

// The number (1, 2) and person class of a verb feature. Person classes:
// 1, 2, 3 the persons, 4 first or second, 5 first or third, 6 second or
// third, 7 any. The imperative slots count only in the subject test; in
// the person merge a plain slot counts only below 48.
NumberPerson VerbNumberPerson(u8 v, bool subjectTest) {
    switch (v) {
        case 12: case 42: case 55: return {1, 4, true};
        case 51: case 59: return {1, 5, true};
        case 58: return {1, 2, true};
        case 60: return {1, 3, true};
        case 52: case 56: case 62: return {2, 1, true};
        case 53: case 57: case 63: return {2, 2, true};
        case 54: case 61: return {2, 3, true};
        default: break;
    }
    if (subjectTest && v == 48) return {1, 2, true};
    if (subjectTest && v == 49) return {2, 1, true};
    if (subjectTest && v == 50) return {2, 2, true};
    if (!subjectTest && v >= 48) return {};
    const u8 m = v % 6;
    return m <= 2 ? NumberPerson{1, static_cast<u8>(m + 1), true} : NumberPerson{2, static_cast<u8>(m - 2), true};
}

// The person accumulator after a reading of person class p.
u8 MergePerson(u8 acc, u8 p) {
    struct Step {
        u8 p, before, after;
    };
    static constexpr Step kSteps[] = {
        {1, 2, 4}, {1, 3, 5}, {2, 1, 4}, {2, 3, 6}, {2, 5, 7}, {3, 1, 5}, {3, 2, 6},
        {3, 4, 7}, {4, 1, 4}, {4, 2, 4}, {4, 3, 7}, {5, 1, 5}, {5, 2, 7},
    };
    for (const Step& s : kSteps)
        if (s.p == p && s.before == acc) return s.after;
    return acc;
}

bool Subjunctive(u8 f) { return f >= 30 && f <= 41; }

bool QuOrRelativeBefore(i32 i) {
    for (i32 k = 0; k < i; ++k)
        if (Begins(k, "qu") || ClsIs(k, 'G')) return true;
    return false;
}

// A subjunctive reading gives way to the form of feature 51 (slot `from`)
// when nothing before the verb can introduce a subjunctive.
void DropSubjunctive(i32 i, i32 from) {
    if (QuOrRelativeBefore(i)) return;
    SetCls(i, Cls(i, from));
    SetFeat(i, 51);
    SetMark(i, 1);
    KeepOne(i);
}

void MergePersons(i32 i, FirstPassState& st) {
    u8 number = 0, person = 0;
    for (i32 j = 0; j < Count(i); ++j) {
        const NumberPerson np = VerbNumberPerson(Feat(i, j), false);
        if (np.known) {
            st.number = np.number;
            st.person = np.person;
        }
        if (j == 0) {
            number = st.number;
            person = st.person;
            continue;
        }
        if (st.number != number) number = 0;
        person = MergePerson(person, st.person);
    }
    const u8 last = Feat(i, Count(i) - 1);
    if (number == 1 && person == 5) SetFeat(i, 5);
    else if (number == 1 && person == 4) SetFeat(i, 4);
    else if (number == 1 && person == 6) SetFeat(i, 3);
    else if (number == 1 && person == 7) SetFeat(i, 0);
    else if (number == 2 && person == 2 && last == 50) SetFeat(i, 2);
    else if (number == 2 && person == 1 && last == 49) SetFeat(i, 1);
    KeepOne(i);
}

bool Agrees(NumberPerson np, u8 n, u8 q) {
    const u8 p = np.person;
    const bool person = p == q || p == 7 || (p == 4 && (q == 1 || q == 2)) || (p == 5 && (q == 1 || q == 3)) ||
                        (p == 6 && (q == 2 || q == 3));
    return (n == 0 || n == np.number) && person;
}

// Readings of different classes: those that disagree with the word before
// go.
void AgreeWithWordBefore(i32 i) {
    const u8 c = Cat(i - 1);
    if (!(c == 1 || (c >= 4 && c <= 11))) return;
    u8 n = static_cast<u8>((Feat(i - 1) >> 2) & 3);
    if (n == 3) n = 0;
    u8 q = static_cast<u8>(Feat(i - 1) & 3);
    if (q == 0) q = 3;
    for (i32 j = 0; j < Count(i); ++j)
        if (!Agrees(VerbNumberPerson(Feat(i, j), true), n, q)) RemoveReading(i, j);
}

bool AllOfClass(i32 i, u8 cls) {
    for (i32 j = 1; j < Count(i); ++j)
        if (Cls(i, j) != cls) return false;
    return true;
}

void MergeVerbs(i32 i, FirstPassState& st) {
    const u8 f0 = Feat(i, 0), f1 = Feat(i, 1);
    if (Subjunctive(f0) && f1 == 51) {
        DropSubjunctive(i, 1);
    } else if (Count(i) >= 3 && Subjunctive(f0) && Subjunctive(f1) && Feat(i, 2) == 51) {
        DropSubjunctive(i, 2);
    } else if (f0 >= 24 && f0 <= 29 && ((f1 >= 6 && f1 <= 11) || f1 > 50)) {
        TakeReading(i, 1);
    } else if ((Cls(i) & 7) >= 4) {
        KeepOne(i);
    } else if (AllOfClass(i, Cls(i))) {
        MergePersons(i, st);
    } else {
        AgreeWithWordBefore(i);
    }
}

// ---- nouns, adjectives, participles

struct GenderNumber {
    u8 gender = 0, number = 0;
};

GenderNumber Accumulate(i32 i, FirstPassState& st) {
    GenderNumber acc;
    for (i32 j = 0; j < Count(i); ++j) {
        if (Cls(i, j) < 128 && Feat(i, 0) > 128) SetFeat(i, static_cast<u8>(Feat(i, 0) - 128));
        const u8 f = Feat(i, j);
        if (Cls(i, j) < 128) {
            const u8 g = static_cast<u8>(f >> 4), n = static_cast<u8>((f >> 2) & 3);
            st.gender = g == 1 || g == 2 ? g : 0;
            st.number = n == 1 || n == 2 ? n : 0;
        } else if (f >= 2 && f <= 5) {
            st.gender = f <= 3 ? 1 : 2;
            st.number = f % 2 == 0 ? 1 : 2;
        }
        if (j == 0) {
            acc = {st.gender, st.number};
            continue;
        }
        if (st.gender != acc.gender) acc.gender = 0;
        if (st.number != acc.number) acc.number = 0;
    }
    return acc;
}

u8 NounFeatures(GenderNumber gn) { return static_cast<u8>(gn.gender * 16 + gn.number * 4); }

void MergedNoun(i32 i, u8 cls, GenderNumber gn) {
    Set(i, 10, cls, NounFeatures(gn));
    KeepOne(i);
}

// Reading 0 takes the class, features and mark of reading 1.
void SecondClass(i32 i) {
    SetCls(i, Cls(i, 1));
    SetFeat(i, Feat(i, 1));
    SetMark(i, Mark(i, 1));
    KeepOne(i);
}

// A reading of the word before is a form of "faire" (model 74).
bool AfterFaire(i32 i) {
    return rules::AnyReadingOf(i - 1, [i](i32 r) { return Cls(i - 1, r) > 127 && Mark(i - 1, r) == 74; });
}

bool AfterDe(i32 i) { return i > 0 && CatIs(i - 1, 15) && (Is(i - 1, "de") || Is(i - 1, "d'")); }

// A noun and an adjective of one form ("public", "complet", "nécessaire"):
// after a determiner, a contracted article or a preposition the word is
// the noun ("le public", "de rhétorique") unless a noun follows it ("son
// propre magasin"); anywhere else the adjective ("le droit public", "Il est
// nécessaire"). An adjective may stand between the determiner and the noun
// ("une grande rhétorique"). The merge below would tell the two apart by
// their order (the noun first) and a shared lemma reference, and keep the
// noun whenever their genders differ. Our dictionary files such pairs as
// two items, mostly the adjective first, each with its own lemma reference
// (a shared one would file the adjective as the noun's variant, whose
// marks the word services read as an irregular form; the noun first makes
// the rules that take the first noun-or-adjective reading of a word after
// a determiner, "la pire chose", take the noun's gender), and an adjective
// of either gender beside a noun of one ("nécessaire") is no likelier a
// noun for it: the pair is settled here, in either order, with any number
// of readings of the two classes.
// The word keeps the gender all its readings share, as any merge (an
// adjective of either gender may stand as a noun: "la pire", "une drôle
// d'histoire"), but the number of the class chosen ("les abricot": the
// noun's singular, not the number its invariable colour adjective leaves
// open).
bool NounAndAdjective(i32 i) {
    if (Count(i) < 2) return false;
    bool noun = false, adjective = false;
    for (i32 j = 0; j < Count(i); ++j) {
        noun = noun || Cls(i, j) == 'A';
        adjective = adjective || Cls(i, j) == 'B';
        if (Cls(i, j) != 'A' && Cls(i, j) != 'B') return false;
    }
    return noun && adjective;
}

void ChooseAdjectiveOrNoun(i32 i) {
    const auto determiner = [](i32 k) { return CatIs(k, 7) || CatIs(k, 8) || CatIs(k, 9) || CatIs(k, 15); };
    // An adjective that stands before its noun ("le premier roman", "la
    // plus grande cathédrale") leaves the word the noun, as right after the
    // determiner.
    const auto opening = [](i32 k) {
        return CatIs(k, 10) && (ClsIs(k, 'B') || ((ClsIs(k, 'C') || ClsIs(k, 'M') || ClsIs(k, 'N')) &&
                                                   ambiguous::BeforeNounAdjective(k)));
    };
    const bool determined = determiner(i - 1) ||
                            (i > 1 && opening(i - 1) &&
                             (determiner(i - 2) || (i > 2 && CatIs(i - 2, 18) && determiner(i - 3))));
    // A noun follows when the next word may be one but no adjective ("son
    // propre magasin", "une vrai porte", whose verb reading may come first).
    const i32 n = i + 1;
    const bool nounAfter = n < Words() && rules::AnyReadingOf(n, [n](i32 r) { return Cls(n, r) == 'A' && Cat(n, r) == 10; }) &&
                           !rules::AnyReadingOf(n, [n](i32 r) { return Cls(n, r) == 'B'; });
    u8 want = determined && !nounAfter ? 'A' : 'B';
    // Joined to a settled noun or adjective before it by "et", "ou" or a
    // comma, or to one after it by "et" or "ou", the word takes its class (a
    // comma after the word may close its group: "des services publics,
    // construction de logements").
    const auto settled = [](i32 k) { return OneOf(k, 10, 10) && (ClsIs(k, 'A') || ClsIs(k, 'B')); };
    if (i > 1 && (CatIs(i - 1, 16) || CatIs(i - 1, 21)) && settled(i - 2)) want = Cls(i - 2);
    else if (i + 2 < Words() && CatIs(i + 1, 16) && settled(i + 2)) want = Cls(i + 2);
    for (i32 j = Count(i) - 1; j >= 0; --j)
        if (Cls(i, j) != want) RemoveReading(i, j);
}

void ChooseNounReading(i32 i, GenderNumber gn) {
    const i32 n = Words();
    const u8 c0 = Cls(i);
    const bool sameLemma = Lemma(i, 0) == Lemma(i, 1);
    const auto catIn = [](i32 k, std::initializer_list<u8> cats) {
        for (u8 c : cats)
            if (CatIs(k, c)) return true;
        return false;
    };
    if (Cls(i, 1) == c0) KeepOne(i);
    else if (sameLemma && catIn(i - 1, {7, 8, 9, 15})) MergedNoun(i, 'A', gn);
    else if (sameLemma && i > 1 && catIn(i - 1, {16, 21}) && OneOf(i - 2, 10, 10)) MergedNoun(i, Cls(i - 2), gn);
    else if (sameLemma && i < n - 2 && catIn(i + 1, {16, 21}) && OneOf(i + 2, 10, 10)) MergedNoun(i, Cls(i + 2), gn);
    else if (gn.gender == 0) {
        SetFeat(i, Feat(i) & 15);
        KeepOne(i);
    } else if (c0 < 128 && i > 1 && c0 != 'E' && CatIs(i - 1, 7) && ClsIs(i - 2, 131)) {
    } else if (i > 2 && CatIs(i - 1, 10) && !ClsIs(i - 1, 'A') && CatIs(i - 2, 7) && ClsIs(i - 3, 131)) {
    } else if (i > 1 && CatIs(i - 1, 16) && ClsIs(i - 2, c0)) KeepOne(i);
    else if (i < n - 2 && CatIs(i + 1, 16) && ClsIs(i + 2, c0)) KeepOne(i);
    // A noun or a participle after an article and the adjective it opens
    // with ("la deuxième partie", "les premières sorties", "la plus grande
    // partie") is the noun, as right after the article.
    else if (c0 == 'A' && Cls(i, 1) >= 128 && i > 1 && CatIs(i - 1, 10) && !ClsIs(i - 1, 'A') &&
             (catIn(i - 2, {7, 8, 9}) || (i > 2 && CatIs(i - 2, 18) && catIn(i - 3, {7, 8, 9}))))
        KeepOne(i);
    // So is it right after the preposition "de" ("des camps de réfugiés",
    // "des robes de mariées"): no participle follows it bare.
    else if (c0 == 'A' && Cls(i, 1) >= 128 && AfterDe(i))
        KeepOne(i);
    else if (c0 >= 128 && Cls(i, 1) == 'A' && AfterDe(i))
        SecondClass(i);
    // Nor right after "faire", which takes an infinitive, never a
    // participle ("il fait partie du club").
    else if (c0 == 'A' && Cls(i, 1) >= 128 && AfterFaire(i))
        KeepOne(i);
    else if (c0 < 128 && i > 1 && c0 != 'E' && (!CatIs(i - 1, 7) || ClsIs(i - 2, 131))) SecondClass(i);
    else if (c0 >= 128 && CatIs(i - 1, 7)) SecondClass(i);
    else KeepOne(i);
}

void MergeNouns(i32 i, FirstPassState& st) {
    GenderNumber gn;
    if (NounAndAdjective(i)) {
        const u8 gender = Accumulate(i, st).gender;
        ChooseAdjectiveOrNoun(i);
        gn = {gender, Accumulate(i, st).number};
        KeepOne(i);
    } else {
        gn = Accumulate(i, st);
        ChooseNounReading(i, gn);
    }
    if (Cls(i) >= 128) {
        if (gn.number == 0) SetFeat(i, 7);
        if (Feat(i) == 2 && Feat(i, 1) == 36) SetFeat(i, 4);
    } else {
        SetFeat(i, NounFeatures(gn));
    }
    if (Is(i, "fois")) {
        SetFeat(i, 44);
        SetMark(i, 27);
        LemmaFrom(i, 1);
    } else if (Is(i, "fils")) {
        SetFeat(i, Feat(i - 1));
        SetMark(i, 27);
        LemmaFrom(i, 1);
    }
}

// A participle of a verb whose masculine participle ends in -s after a
// class-131 or class-194 word may be a pronoun as well.
void PronounReading(i32 i) {
    if (!(ClsIs(i - 1, 131) || ClsIs(i - 1, 194)) || Feat(i) != 2) return;
    static constexpr u8 kMarks[] = {63, 24, 94, 23, 54, 77, 99, 15};
    for (u8 m : kMarks) {
        if (Mark(i) != m) continue;
        SetCount(i, 2);
        SetCatAt(i, 1, 4);
        SetFeatAt(i, 1, 4);
        return;
    }
}

bool OneCategory(i32 i) {
    if (Count(i) < 2) return false;
    for (i32 j = 1; j < Count(i); ++j)
        if (Cat(i, j) != Cat(i, 0)) return false;
    return true;
}

bool MonthName(i32 k) {
    return IsAny(k, "janvier", MR("février"), "mars", "avril", "mai", "juin", "juillet", MR("août"), "septembre",
                 "octobre", "novembre", MR("décembre"));
}

// "1er" before a month is the day's number, a numeral as every other day
// of a date ("le 1er mars", "le 2 mars").
void DayNumber(i32 i) {
    if (Count(i) == 1 && Is(i, "1er") && MonthName(i + 1)) SetCls(i, 'R');
}

}  // namespace

void MergeReadingsOfOneCategory(u16 mode, FirstPassState& st) {
    for (i32 i = 1; i < Words(); ++i) {
        DayNumber(i);
        if (!OneCategory(i)) continue;
        const u8 c = Cat(i);
        if (c == 10 || c == 11) MergeNouns(i, st);
        else if (c == 14) MergeVerbs(i, st);
        PronounReading(i);
    }
    if (mode != 1) return;
    for (i32 i = 1; i < Words(); ++i)
        if ((ClsIs(i, 'C') || ClsIs(i, 'M') || ClsIs(i, 'N')) && ClsIs(i - 1, 20)) SetCls(i, 'B');
}
