#include "rules/french/homophone_rules.h"

#include <initializer_list>

#include "frame/bounded_string.h"
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/report.h"
#include "frame/tables.h"
#include "rules/french/first_pass_readings.h"
#include "rules/french/french_locutions.h"
#include "rules/french/locution_rows.h"

namespace homophone {

namespace {

using namespace locution;

i32 Words() { return static_cast<i32>(gWordCount); }
bool Last(i32 i) { return i == Words() - 1; }
bool NotLast(i32 i) { return i < Words() - 1; }
// At least third from the end: two words follow.
bool TwoAfter(i32 i) { return i < Words() - 2; }
u8 Gender(i32 k) { return static_cast<u8>(Feat(k) / 16); }
u8 Number(i32 k) { return static_cast<u8>(Feat(k) % 16); }
bool Verb(i32 k) { return Has(k) && Cls(k) >= 128; }
bool DeterminerClass(i32 k) { return Has(k) && Cls(k) >= 109 && Cls(k) <= 123; }
bool CatAny(i32 k, std::initializer_list<u8> cats) {
    if (!Has(k)) return false;
    for (u8 c : cats)
        if (Cat(k) == c) return true;
    return false;
}

// A word of known category: one whose readings are all unknown (category
// 0) is not judged by a test that a category is not some value.
bool Known(i32 k) { return Has(k) && Cat(k) != 0; }
bool KnownNone(i32 k, std::initializer_list<u8> cats) { return Known(k) && !CatAny(k, cats); }

Exit To(i32 entry, Exit x) {
    gErrorExtent = static_cast<u16>(entry);
    return x;
}

// "à", "de" become adverb-like around "demi", "demie", "côté".
void Adverbs(i32 p, i32 w) {
    SetCat(p, 18);
    SetCat(w, 18);
}

Exit Ou(const Site& s) {
    const i32 i = s.i;
    if (i == 0 || Count(i - 1) != 1) return Exit::kNext;
    if (Last(i) || (i == Words() - 2 && CatIs(i + 1, 20)) ||
        (CatIs(i - 1, 15) && KnownNone(i + 1, {15, 18})))
        return To(1, Exit::kB);
    return Exit::kNext;
}

Exit Ce(const Site& s) {
    const i32 i = s.i;
    if (i == 0 || !NotLast(i) || Count(i + 1) != 1) return Exit::kNext;
    const u8 p = Cat(i - 1);
    if ((p < 7 && p != 3 && p != 5) || (p == 10 && CatIs(i + 1, 14))) return To(6, Exit::kD);
    return Exit::kNext;
}

Exit Se(const Site& s) {
    const i32 i = s.i;
    if (!NotLast(i) || Count(i + 1) != 1) return Exit::kNext;
    if (i == 0) return CatIs(i + 1, 13) ? Exit::kNext : To(5, Exit::kD);
    if (KnownNone(i + 1, {2, 11, 12, 13, 14, 18, 32})) return To(5, Exit::kD);
    return Exit::kNext;
}

Exit La(const Site& s) {
    const i32 i = s.i;
    if (i == 0) return Exit::kNext;
    const i32 p = i - 1, n = i + 1;
    if (NotLast(i) && Cls(p) == 131 && IsAny(n, "de", "du", "des")) return To(15, Exit::kD);
    if (ClsIs(p, 'F') && first_pass::Length(p) > 2) return To(14, Exit::kB);
    if (i > 1 && CatIs(p, 10) && ClsIs(i - 2, 'O')) return To(14, Exit::kB);
    // "la la" doubled is the interjection ("oh la la"), never an article.
    if (!CatAny(p, {7, 15}) && !SameText(i, n) &&
        (Last(i) || (i == Words() - 2 && CatIs(n, 20)) || CatAny(n, {1, 4, 5, 6, 7, 21})))
        return To(14, Exit::kB);
    if (NotLast(i) && Cls(p) == 131 && CatIs(n, 15)) return To(14, Exit::kB);
    return Exit::kNext;
}

// "du" that the locution pass made adverbial, or before an adverb-like word
// ("du tout", "du moins", "du reste"), is a locution word, not the article
// confused with "dû"; the locution-word loop, once built, settles those.
Exit Du(const Site& s) {
    if (CatIs(s.i, 18) || CatIs(s.i + 1, 18)) return Exit::kNext;
    if (Last(s.i) || KnownNone(s.i + 1, {8, 10, 32})) return To(17, Exit::kB);
    return Exit::kNext;
}

bool BeforeDes(i32 i) {
    const i32 n = i + 1;
    return NotLast(i) && (IsAny(n, "que", "qu'", "lors") || CatAny(n, {7, 9}));
}

Exit Des(const Site& s) { return BeforeDes(s.i) ? To(23, Exit::kE) : Exit::kNext; }

Exit De(Site& s) {
    const i32 i = s.i;
    if (!NotLast(i)) return Exit::kNext;
    if (BeforeDes(i)) return To(23, Exit::kE);
    if (CatIs(i + 1, 10) && Number(i + 1) > 4) {
        s.plural = false;
        return To(22, Exit::kB);
    }
    return Exit::kNext;
}

Exit Sou(const Site& s) {
    const i32 i = s.i;
    if (NotLast(i) && Cat(i + 1) >= 2 && Cat(i + 1) <= 11 && (i == 0 || !CatAny(i - 1, {7, 9})))
        return To(28, Exit::kD);
    return Exit::kNext;
}

Exit Sur(const Site& s) {
    const i32 i = s.i;
    if (i == 0) return Exit::kNext;
    const i32 p = i - 1, n = i + 1;
    if (TwoAfter(i) && CatIs(p, 14) && Mark(p) >= 128 &&
        ((Is(n, "de") && !CatIs(n + 1, 10)) || IsAny(n, "que", "qu'")))
        return To(31, Exit::kA);
    if (Is(p, "bien") && (Last(i) || !CatIs(n, 7))) return To(31, Exit::kA);
    return Exit::kNext;
}

Exit Ver(const Site& s) {
    const i32 i = s.i;
    if (i < 2 || !NotLast(i) || Cat(i + 1) >= 9) return Exit::kNext;
    if (Verb(i - 1) || (Verb(i - 2) && CatIs(i - 1, 18))) return To(35, Exit::kD);
    return Exit::kNext;
}

// "vert", "verre" after a verb that is not attributive.
Exit VertVerre(const Site& s) {
    const i32 i = s.i;
    if (i < 2 || !NotLast(i) || Cat(i + 1) >= 9) return Exit::kNext;
    const i32 p = i - 1, p2 = i - 2;
    if ((Verb(p) && Mark(p) < 128) || (CatIs(p, 18) && Verb(p2) && Mark(p2) < 128)) return To(35, Exit::kC);
    return Exit::kNext;
}

Exit Demi(const Site& s) {
    const i32 i = s.i;
    if (i == 0) return Exit::kNext;
    const i32 p = i - 1, n = i + 1;
    if (Is(p, MR("à"))) {
        Adverbs(p, i);
        if (!s.plural) return Exit::kNext;
        gErrorExtent = 43;
        if (CatIs(n, 10) && Number(n) > 7) gLocutionReport = static_cast<i16>(513 + i);
        return Exit::kD;
    }
    if (Is(p, "et")) {
        if (i > 1 && CatIs(i - 2, 10) && Gender(i - 2) >= 2) return To(44, Exit::kB);
        Adverbs(p, i);
        return Exit::kNext;
    }
    first_pass::SetCount(i, 1);
    return Exit::kNext;
}

Exit Demie(const Site& s) {
    const i32 i = s.i;
    if (i == 0) return Exit::kNext;
    const i32 p = i - 1, n = i + 1;
    if (Is(p, MR("à"))) return To(43, Exit::kB);
    if (Is(p, "et")) {
        if (i > 1 && CatIs(i - 2, 10) && Gender(i - 2) < 2) return To(43, Exit::kD);
        Adverbs(p, i);
        return Exit::kNext;
    }
    if (NotLast(i) && CatIs(n, 10) && Gender(n) >= 2) {
        gLocutionReport = static_cast<i16>(513 + i);
        return To(43, Exit::kB);
    }
    return Exit::kNext;
}

Exit Pre(const Site& s) {
    const i32 i = s.i;
    const i32 p = i - 1, n = i + 1, n2 = i + 2;
    if (TwoAfter(i) && Is(n, MR("à")) && (CatIs(n2, 13) || Is(n2, "tout")))
        return To(i > 0 && CatIs(p, 10) && Gender(p) >= 2 ? 49 : 47, Exit::kB);
    if (NotLast(i) && Begins(n, "d") &&
        (i == 0 || CatIs(p, 14) || (i > 1 && CatIs(i - 2, 14) && CatIs(p, 18)) || (CatIs(p, 10) && Number(p) != 8)))
        return To(46, Exit::kD);
    return Exit::kNext;
}

Exit Pres(Site& s) {
    const i32 i = s.i;
    const i32 p = i - 1, p2 = i - 2, n = i + 1;
    if (TwoAfter(i) && Is(n, MR("à")) &&
        (CatIs(n + 1, 13) || (i < Words() - 3 && CatIs(n + 2, 13)) || Is(n + 1, "tout"))) {
        const bool noun = i > 0 && CatIs(p, 10), verb = CatIs(p, 14) && i > 1;
        if ((noun && Number(p) > 7) || (verb && Number(p2) > 7)) s.plural = true;
        const bool feminine = (noun && Gender(p) == 2) || (verb && Gender(p2) == 2);
        return To(feminine ? 49 : 47, Exit::kB);
    }
    if (i > 0 && CatAny(p, {7, 9})) return To(45, Exit::kB);
    return Exit::kNext;
}

Exit Pret(const Site& s) {
    const i32 i = s.i;
    const i32 p = i - 1;
    if (!TwoAfter(i) || !Begins(i + 1, "d") || CatIs(i + 2, 13)) return Exit::kNext;
    if (i == 0 || CatIs(p, 14) || (i > 1 && CatIs(i - 2, 14) && (CatIs(p, 18) || Is(p, "tout"))))
        return To(46, Exit::kD);
    return Exit::kNext;
}

Exit Tous(const Site& s) {
    const i32 i = s.i;
    if (!NotLast(i)) return Exit::kNext;
    const i32 p = i - 1, n = i + 1, n2 = i + 2;
    if (CatIs(n, 14)) {
        Set(i, 6, 'K');
        return Exit::kNext;
    }
    const bool afterDeterminer =
        i > 0 && (CatAny(p, {7, 9}) || DeterminerClass(p)) && CatIs(n, 10) && Count(n) == 1;
    const bool beforeGroup = TwoAfter(i) && CatIs(n, 10) &&
                             (CatAny(n2, {14, 15}) || Begins(n, "premi") || Begins(n, "derni") ||
                              (ClsIs(n, 'B') && CatIs(n2, 10)));
    const bool afterBe = i > 0 && Cls(p) == 131 && ClsIs(n, 'A') && Count(n) == 1;
    if (afterDeterminer || beforeGroup || afterBe) return To(53, Exit::kD);
    if (i > 0 && CatIs(n, 11) && Cls(p) == 194) Set(i, 10, 'B');
    return Exit::kNext;
}

Exit Toute(const Site& s) {
    const i32 i = s.i;
    const i32 p = i - 1, n = i + 1;
    if (i == 0 || !NotLast(i) || !CatIs(n, 10) || Count(p) != 1) return Exit::kNext;
    if (!(CatAny(p, {7, 9, 10}) || DeterminerClass(p) || Verb(p))) return Exit::kNext;
    if ((CatIs(p, 10) && Gender(p) != 2) || VowelStart(n)) return To(53, Exit::kD);
    return Exit::kNext;
}

// "envi" stands only in "à l'envi" after a verb; "envie" not there.
Exit Envi(const Site& s) {
    const i32 i = s.i;
    const bool locution = i > 2 && CatIs(i - 3, 14) && Is(i - 2, MR("à")) && Is(i - 1, "l'");
    if (s.entry == 60) return locution ? To(59, Exit::kD) : Exit::kNext;
    return locution ? Exit::kNext : To(60, Exit::kB);
}

Exit Cote(const Site& s) {
    const i32 i = s.i;
    if (i > 0 && (CatAny(i - 1, {7, 8, 9, 15}) || IsAny(i - 1, "bon", "mauvais"))) return To(63, Exit::kB);
    return Exit::kNext;
}

Exit CoteAccented(const Site& s) {
    const i32 i = s.i;
    // "à côté de" already read as one prepositional locution stays one:
    // only "à côté" with no "de" after it is the adverb.
    if (i > 0 && NotLast(i) && ClsIs(i + 1, ',') && ClsIs(i, ',')) return Exit::kNext;
    if (i > 0 && IsAny(i - 1, MR("à"), "de")) Adverbs(i - 1, i);
    SetCls(i, 26);
    if (i > 0) SetCls(i - 1, 26);
    return Exit::kNext;
}

Exit Voila(const Site& s) {
    const i32 i = s.i;
    const i32 p = i - 1;
    if (i == 0 || ClsIs(p, 'V') || ClsIs(p, 'Z') || IsAny(p, "le", "la") ||
        (i == 1 && !ClsIs(0, ']') && !CatIs(0, 10)) || (NotLast(i) && Is(i + 1, "que")) || Last(i))
        return To(65, Exit::kB);
    return Exit::kNext;
}

// A verb form of "prendre" (mark 54) written at word k.
bool Took(i32 k) { return Has(k) && Mark(k) == 54 && Begins(k, "pr") && Verb(k); }
// A verb form of "faire" (mark 74) at word k.
bool Made(i32 k) { return Has(k) && Mark(k) == 74 && Verb(k); }

Exit Parti(const Site& s) {
    const i32 i = s.i;
    if (i == 0) return Exit::kNext;
    const i32 p = i - 1, p2 = i - 2;
    if (Begins(p, "tir") || Took(p) || (i > 1 && CatIs(p, 18) && Begins(p2, "tir"))) {
        Set(i, Cat(i), 'A', 20, 41);
        first_pass::SetCount(i, 1);
        return Exit::kNext;
    }
    if (Is(p, "fait") || Made(p) || (i > 1 && CatIs(p, 18) && (Is(p2, "fait") || Made(p2))) ||
        (i > 1 && Is(p, MR("à")) && Took(p2)) || (i > 2 && Is(p, MR("à")) && CatIs(p2, 18) && Took(i - 3)))
        return To(69, Exit::kD);
    return Exit::kNext;
}

Exit Partie(const Site& s) {
    const i32 i = s.i;
    if (i == 0) return Exit::kNext;
    const i32 p = i - 1, p2 = i - 2;
    if (Made(p)) return Exit::kNext;
    if (Begins(p, "tir") || (i > 1 && CatIs(p, 18) && Begins(p2, "tir")) || Took(p) ||
        (i > 1 && CatIs(p, 18) && Took(p2)))
        return To(67, Exit::kD);
    return Exit::kNext;
}

// The conjugation slot of the verb after "quel"/"quelle", 0 when none. A
// form of "être" (class 131) right after is left alone: "quelle est la
// raison" is as common as "qu'elle est partie", and the words alone cannot
// tell them apart.
u8 SlotAfterQuel(const Site& s) {
    const i32 i = s.i;
    const i32 p = i - 1, n = i + 1;
    if (Cls(n) == 131) return 0;
    if (Count(n) == 1 && Verb(n) && Feat(n) > 5 && !CatIs(p, 13)) return Feat(n);
    if (s.entry == 72 && Count(n) == 2 && Cls(n, 1) >= 128 && Feat(n, 1) > 5 && CatAny(p, {4, 8})) return Feat(n, 1);
    if (TwoAfter(i) && Verb(n + 1) && CatAny(n, {2, 3})) return Feat(n + 1);
    // After a verb, "quelle ne" opens the clause the verb governs ("je crois
    // quelle ne sait rien", "il dit quelle n'en veut pas"); an exclamation
    // opens its own clause ("et quelle ne fut pas ma surprise").
    if (IsAny(n, "ne", "n'") && Verb(p)) {
        i32 v = n + 1;
        while (v < Words() && v <= n + 3 && CatAny(v, {2, 3})) ++v;
        if (v < Words() && Verb(v) && Feat(v) > 5) return Feat(v);
    }
    return 0;
}

Exit Quel(Site& s) {
    if (s.i == 0 || !NotLast(s.i)) return Exit::kNext;
    const u8 slot = SlotAfterQuel(s);
    if (slot == 0) return Exit::kNext;
    if ((slot < 51 && slot % 6 >= 3) || slot == 54 || slot == 61) s.plural = true;
    return To(73, Exit::kB);
}

Exit Sense(const Site& s) {
    const i32 i = s.i;
    if (i == 0 || !NotLast(i) || Cls(i - 1) != 131) return Exit::kNext;
    const i32 n = i + 1;
    if (CatIs(n, 13) || Is(n, "savoir") || (TwoAfter(i) && CatAny(n, {2, 18}) && CatIs(n + 1, 13)))
        return To(75, Exit::kA);
    return Exit::kNext;
}

Exit Cense(const Site& s) {
    const i32 i = s.i;
    if (i == 0 || !Verb(i - 1) || Mark(i - 1) < 128) return Exit::kNext;
    if (Last(i) || (!CatIs(i + 1, 13) && (i == Words() - 2 || !CatIs(i + 2, 13)))) return To(74, Exit::kA);
    return Exit::kNext;
}

Exit Differend(const Site& s) {
    const i32 i = s.i;
    const i32 p = i - 1, n = i + 1;
    if (i > 0 && Mark(p) >= 128 && Verb(p)) return To(77, Exit::kB);
    if (!s.plural) return Exit::kNext;
    if ((NotLast(i) && ClsIs(n, 'A')) || (TwoAfter(i) && ClsIs(n + 1, 'A') && CatIs(n, 10)) || (i > 0 && ClsIs(p, 'A')))
        return To(77, Exit::kB);
    return Exit::kNext;
}

Exit Different(const Site& s) {
    const i32 i = s.i;
    if (i == 0) return Exit::kNext;
    const i32 p = i - 1;
    if (IsAny(p, "grave", "profond") || (NotLast(i) && CatIs(p, 7) && !CatIs(i + 1, 10))) return To(76, Exit::kB);
    return Exit::kNext;
}

bool EndsWithQuestion() {
    const BoundedString& t = gWords.ClampedAt(Words() - 1).WordText;
    return t.ClampedAt(0) == '?';
}

Exit Quand(const Site& s) {
    const i32 i = s.i;
    const i32 n = i + 1, n2 = i + 2;
    // The word after "a" must be in the sentence: its tests fail otherwise.
    if (Has(n2) && (i == 0 || CatIs(n2, 3)) && Is(n, "a") && !EndsWithQuestion() && !Is(n2, "lieu") &&
        !CatIs(n2, 11)) {
        gLocutionReport = static_cast<i16>(257 + i);
        return To(84, Exit::kB);
    }
    if (TwoAfter(i) && Cls(n) == 32 && (i == 0 || Cat(n2) < 5)) return To(84, Exit::kB);
    return Exit::kNext;
}

Exit Quant(const Site& s) {
    const i32 n = s.i + 1;
    if (NotLast(s.i) && Cls(n) != 32 && !Begins(n, "au")) return To(83, Exit::kB);
    return Exit::kNext;
}

Exit Gres(const Site& s) {
    const i32 i = s.i;
    if (i == 0 || !NotLast(i)) return Exit::kNext;
    const i32 p = i - 1, n = i + 1;
    if ((Is(p, "au") && Is(n, "de")) || (Is(p, "de") && Is(n, MR("à"))) || (Is(p, "bon") && Is(n, "mal")) ||
        (i > 1 && Is(i - 2, "de") && Is(p, "bon")) || (DeterminerClass(p) && Is(p, "plein")))
        return To(86, Exit::kC);
    return Exit::kNext;
}

Exit Gre(const Site& s) {
    const i32 i = s.i;
    const u8 f = Feat(i - 1);
    if (i > 0 && Cls(i - 1) == 131 && ((f >= 18 && f <= 23) || (f >= 42 && f <= 47))) {
        gLocutionReport = static_cast<i16>(256 + i);
        return To(86, Exit::kD);
    }
    return s.plural ? Gres(s) : Exit::kNext;
}

bool FirstPersonOrSecond(i32 k) { return ClsIs(k, 'U') || ClsIs(k, 'Y'); }

Exit Peu(const Site& s) {
    const i32 i = s.i;
    if (i == 0) return Exit::kNext;
    const i32 p = i - 1, n = i + 1;
    const bool fires =
        CatIs(p, 1) || Is(p, "ne") ||
        (NotLast(i) && (CatIs(p, 10) || Cat(p) < 7) &&
         (Is(n, "pas") || CatIs(n, 13) || (TwoAfter(i) && CatIs(n + 1, 13))));
    if (!fires) return Exit::kNext;
    return To(FirstPersonOrSecond(p) || (i > 1 && FirstPersonOrSecond(i - 2)) ? 93 : 92, Exit::kB);
}

Exit Peut(const Site& s) {
    const i32 i = s.i;
    const bool fires = (i == 0 && (CatIs(1, 10) || Verb(1) || (CatIs(1, 2) && CatIs(2, 14)))) ||
                       (i > 0 && IsAny(i - 1, "un", "quelque")) ||
                       (TwoAfter(i) && IsAny(i + 1, "de", "d'") && CatIs(i + 2, 10)) ||
                       (i > 0 && CatIs(i - 1, 14));
    return fires ? To(90, Exit::kB) : Exit::kNext;
}

Exit Issu(const Site& s) { return s.i > 0 && Is(s.i - 1, "l'") ? To(95, Exit::kD) : Exit::kNext; }

Exit Dan(const Site& s) { return s.i == 0 || !ClsIs(s.i - 1, 'B') ? To(97, Exit::kD) : Exit::kNext; }

}  // namespace

Exit RunHomophoneRule(Site& s) {
    switch (s.entry) {
        case 0: return Ou(s);
        case 5: return Ce(s);
        case 6: return Se(s);
        case 13: return La(s);
        case 16: return Du(s);
        case 22: return Des(s);
        case 24: return De(s);
        case 27: return Sou(s);
        case 32: return Sur(s);
        case 34: return Ver(s);
        case 37:
        case 38: return VertVerre(s);
        case 42: return Demi(s);
        case 44: return Demie(s);
        case 45: return Pre(s);
        case 46: return Pres(s);
        case 47: return Pret(s);
        case 56: return Tous(s);
        case 57: return Toute(s);
        case 59:
        case 60: return Envi(s);
        case 62: return Cote(s);
        case 63: return CoteAccented(s);
        case 66: return Voila(s);
        case 67: return Parti(s);
        case 69: return Partie(s);
        case 71:
        case 72: return Quel(s);
        case 74: return Sense(s);
        case 75: return Cense(s);
        case 76: return Differend(s);
        case 77: return Different(s);
        case 83: return Quand(s);
        case 84: return Quant(s);
        case 86: return Gre(s);
        case 87: return Gres(s);
        case 90: return Peu(s);
        case 92:
        case 93: return Peut(s);
        case 94: return Issu(s);
        case 96: return Dan(s);
        default: return Exit::kNext;
    }
}

}  // namespace homophone
