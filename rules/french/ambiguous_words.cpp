// The first rules of the ambiguous-word loop: a locution reading left on a
// word outside its locution, "quel" and "tel" before a verb, a noun or an
// adverb, a past participle or an adjective; and, on every word, an
// adjective that stands before its noun.
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/tables.h"
#include "rules/french/ambiguous_rules.h"
#include "rules/french/first_pass_readings.h"
#include "rules/french/locution_rows.h"
#include "rules/rule_words.h"

namespace ambiguous {

using namespace locution;

namespace {

i32 Words() { return static_cast<i32>(gWordCount); }
u8 LastCat(i32 k) { return Cat(k, Count(k) - 1); }
u8 LastCls(i32 k) { return Cls(k, Count(k) - 1); }
u8 Gender(i32 k, i32 r) { return static_cast<u8>(Feat(k, r) / 16); }

// First category-10 reading of word i whose gender nibble is not g.
i32 NounNotOfGender(i32 i, u8 g) {
    const i32 n = Count(i);
    for (i32 r = 0; r < n; ++r)
        if (Cat(i, r) == 10 && Gender(i, r) != g) return r;
    return n;
}

void Adverb(i32 i) {
    Set(i, 18, 20, 0);
    KeepOne(i);
}

// The noun reading of a noun-or-adverb word: by the gender of the word it
// agrees with when it has three readings.
void Noun(i32 i, i32 a) {
    i32 k = a;
    if (Count(i) == 3) {
        const i32 q = WalkBack(i, [](i32 x) { return LastCat(x) == 18 || LastCls(x) == 131; });
        const u8 g = Gender(q, 0);
        if (g > 1) k = NounNotOfGender(i, 1);
        else if (g == 1) k = NounNotOfGender(i, 2);
    }
    if (!TakeAs(i, k, 10)) return;
    if (i < Words() - 2 && CatIs(i + 1, 16) && CatIs(i + 2, 10) && CatAt(i + 2, 1) == 18) KeepOne(i + 2);
}

bool ClsOneOf(u8 c, const char* letters) {
    for (const char* p = letters; *p != 0; ++p)
        if (c == static_cast<u8>(*p)) return true;
    return false;
}

// A participle reading: category 11, or an adjective reading of a verb form.
bool Participle(i32 i, i32 r) { return Cat(i, r) == 11 || (Cat(i, r) == 10 && Cls(i, r) > 127); }

// The adjectives French puts before the noun (the short, common ones, the
// ordinals and a few of degree or rank): written before a noun right after
// the determiner they qualify it ("un nouveau plan", "les petites
// communes", "la seconde partie").
const char* const kBeforeNoun[] = {
    "autre", "autres", "beau", "bel", "belle", "beaux", "belles", "bon", "bonne", "bons", "bonnes", "dernier",
    MR("dernière"), "derniers", MR("dernières"), "grand", "grande", "grands", "grandes", "gros", "grosse",
    "grosses", "jeune", "jeunes", "joli", "jolie", "jolis", "jolies", "mauvais", "mauvaise", "mauvaises",
    "meilleur", "meilleure", "meilleurs", "meilleures", "moindre", "moindres", "nouveau", "nouvel", "nouvelle",
    "nouveaux", "nouvelles", "petit", "petite", "petits", "petites", "premier", MR("première"), "premiers",
    MR("premières"), "seul", "seule", "seuls", "seules", "vieux", "vieil", "vieille", "vieilles", "rare", "rares",
    "ancien", "ancienne", "anciens", "anciennes", "second", "seconde", "seconds", "secondes", "principal",
    "principale", "principaux", "principales", nullptr};


// A reading of word k that is a noun of gender g and number n (0: open).
bool NounOfAgreement(i32 k, u8 g, u8 n) {
    // A word that may be a conjugated verb may be the pronoun's verb ("une
    // autre fut brûlée").
    if (FirstOfCategory(k, 14) < Count(k)) return false;
    for (i32 r = 0; r < Count(k); ++r) {
        if (Cat(k, r) != 10 || (Cls(k, r) != 'A' && Cls(k, r) != 'C')) continue;
        const u8 rg = Gender(k, r), rn = static_cast<u8>(Feat(k, r) % 16 / 4);
        if ((g == 1 || g == 2) && (rg == 1 || rg == 2) && rg != g) continue;
        if ((n == 1 || n == 2) && (rn == 1 || rn == 2) && rn != n) continue;
        return true;
    }
    return false;
}

}  // namespace

bool BeforeNounAdjective(i32 i) {
    for (const char* const* f = kBeforeNoun; *f != nullptr; ++f)
        if (Is(i, *f)) return true;
    // Ordinals: "troisième", "cinquièmes".
    return rules::Ends(i, MR("ième")) || rules::Ends(i, MR("ièmes"));
}

void AdjectiveBeforeNoun(i32 i) {
    if (i < 1 || Count(i) != 1 || !CatIs(i, 10) || !ClsIs(i, 'C') || !CatIn(i - 1, 7, 9)) return;
    if (!BeforeNounAdjective(i)) return;
    const u8 f = Feat(i);
    if (!NounOfAgreement(i + 1, static_cast<u8>(f / 16), static_cast<u8>(f % 16 / 4))) return;
    SetCls(i, 'B');
    // The noun-or-adjective word after it is the group's noun, unless a
    // second such adjective stands there ("un ancien premier ministre") or
    // the group goes on past it.
    if (Count(i + 1) == 1 && ClsIs(i + 1, 'C') && !BeforeNounAdjective(i + 1) && !CatIs(i + 2, 10))
        SetCls(i + 1, 'A');
}

// The reading of class 23, 24 or 25 goes, with its lemma: the word is used
// outside its locution.
void DropLocutionReading(i32 i) {
    const i32 n = Count(i);
    for (i32 r = 0; r < n; ++r) {
        const u8 c = Cls(i, r);
        if (c == 23 || c == 24 || c == 25) {
            first_pass::RemoveReading(i, r);
            return;
        }
    }
}

void QuelBeforeVerb(i32 i) {
    if (CatIs(i, 8) && ClsIs(i, 'P') && CatIs(i + 1, 14) && (Begins(i, "quel") || Begins(i, "tel"))) SetCat(i, 10);
}

void NounOrAdverb(i32 i) {
    if (FirstOfCategory(i, 18) == Count(i) || !AllOf(i, 10, 18)) return;
    const i32 a = FirstOfCategory(i, 10);
    const bool nounReading = a < Count(i);
    const i32 p = i - 1;
    if (i > 0 && nounReading && Cls(i, a) == 'A' && Cls(p) > 127) return Adverb(i);
    // Before a numeral the word measures it ("à environ 75 km", "d'environ
    // 45 cm"): a noun there would stand without its article.
    if (i > 0 && !CatIn(p, 7, 9) && (ClsIs(i + 1, 'R') || ClsIs(i + 1, 'S'))) return Adverb(i);
    if (i > 0 && (CatIn(p, 7, 9) || CatIs(p, 15) || CatIs(p, 18))) return Noun(i, a);
    if (i > 0 && (ClsOneOf(Cls(i), "BCMN") || ClsOneOf(ClsAt(i, 1), "BC")) &&
        (ClsIs(p, 131) || Mark(p) > 127 || (i > 1 && CatIs(p, 18) && ClsIs(i - 2, 131))))
        return Noun(i, a);
    if (Count(i + 1) == 1 && ClsIs(i + 1, 'A')) return Noun(i, a);
    if (i > 1 && CatIs(p, 16) && Count(i - 2) == 1 && CatIs(i - 2, 10)) return KeepOne(i);
    if (i < Words() - 2 && CatIs(i + 1, 16) && (CatIs(i + 2, 10) || CatAt(i + 2, 1) == 10)) return KeepOne(i);
    Adverb(i);
}

void PastParticipleOrAdjective(i32 i) {
    const i32 n = Count(i);
    if (n <= 1 || i == 0) return;
    i32 j = 0;
    while (j < n && !Participle(i, j)) ++j;
    if (j == n) return;
    i32 m = j + 1;
    while (m < n && !Participle(i, m)) ++m;
    if (m < n && Feat(i, m) != Feat(i, j)) first_pass::SetFeatAt(i, j, 7);
    // A verb form before it (past adverbs and object pronouns) governs it.
    const i32 q = WalkBack(i, [](i32 x) { return LastCat(x) == 18 || LastCat(x) == 2; });
    const i32 qn = Count(q);
    for (i32 r = 0; r < qn; ++r) {
        if (Cat(q, r) >= 11 && Cat(q, r) <= 14) {
            TakeAs(i, j, 11);
            break;
        }
    }
    // Right after an article or determiner: the other of the first two.
    if (Count(i - 1) == 1 && (CatIs(i - 1, 7) || CatIs(i - 1, 9))) {
        const i32 other = j == 0 ? 1 : j == 1 ? 0 : j;
        TakeAs(i, other, 10);
    }
}

}  // namespace ambiguous
