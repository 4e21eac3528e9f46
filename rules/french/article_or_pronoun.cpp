// "le", "la", "l'", "les" with an article and an object pronoun reading
// before an ambiguous word: an article before its noun, or a pronoun before
// its verb, by the verb reading the next word offers (a finite form, a
// present participle, an infinitive). The next word is settled too.
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/tables.h"
#include "rules/french/ambiguous_rules.h"
#include "rules/french/first_pass_readings.h"
#include "rules/french/locution_rows.h"

namespace ambiguous {

using namespace locution;

namespace {

i32 Words() { return static_cast<i32>(gWordCount); }
u8 Gender(i32 k, i32 r) { return static_cast<u8>(Feat(k, r) / 16); }
u8 Number(i32 k, i32 r) { return static_cast<u8>(Feat(k, r) % 16 / 4); }

// W is "l..." with an article then an object pronoun reading, and a word
// follows it. Our dictionary gives "la" a third reading, the noun of the
// note: the rules read the first two.
bool Ambiguous(i32 i) {
    return i > 0 && i < Words() - 1 && Begins(i, "l") && Count(i) >= 2 && Cat(i, 0) == 7 && Cat(i, 1) == 2;
}

// Shape of N: 1 noun first and verb second (categories 10 then v), 2 verb
// first, 0 neither.
u8 Shape(i32 n, u8 v) {
    if (Count(n) < 2) return 0;
    if (Cat(n, 0) == 10 && Cat(n, 1) == v) return 1;
    if (Cat(n, 0) == v && Cat(n, 1) == 10) return 2;
    return 0;
}

// W the article, N its noun; shape 2 is the caller's.
void Article(i32 i, u8 s) {
    KeepOne(i);
    if (s == 1) KeepOne(i + 1);
}

// W the object pronoun; N keeps its verb reading whole, lemma included
// (shape 2 has it first).
void Pronoun(i32 i, u8 s) {
    TakeAs(i, 1, 2);
    if (s == 1) first_pass::TakeReading(i + 1, 1);
    KeepOne(i + 1);
}

// Participle and infinitive rules: shape 2 makes N take its noun reading.
void ArticleNoun(i32 i, u8 s) {
    if (s == 2) {
        TakeAs(i + 1, 1, 10);
        KeepOne(i);
        return;
    }
    Article(i, s);
}

// The pronoun reading by agreement: the noun reading of N does not agree
// with the article.
bool DisagreesWithArticle(i32 i, u8 g, u8 n) {
    if (Is(i, "le")) return g == 2 || n == 2;
    if (Is(i, "la")) return g == 1 || n == 2;
    if (Is(i, "l'")) return n == 2;
    if (Is(i, "les")) return n == 1;
    return false;
}

}  // namespace

void ArticleBeforeFiniteVerb(i32 i) {
    if (!Ambiguous(i) || Count(i + 1) <= 1) return;
    const i32 p = i - 1, n = i + 1;
    u8 s = Shape(n, 14);
    if ((s == 1 && Feat(n, 1) <= 5) || (s == 2 && Feat(n, 0) <= 5)) s = 0;
    if (s == 0) return;
    const i32 noun = s == 1 ? 0 : 1;
    u8 v = 0;
    if (Count(p) > 1 && CatIs(p, 10) && Cat(p, 1) != 15) v = 2;
    else if (CatIs(p, 1) || CatIs(p, 6) || Is(p, "qui")) v = 1;
    else v = DisagreesWithArticle(i, Gender(n, noun), Number(n, noun)) ? 1 : 0;
    if (!CatIs(p, 15) && !CatIs(p, 9)) {
        if (v == 2) return;
        if (v == 1) return Pronoun(i, s);
    }
    // The article: W keeps both readings when the verb came first, and N
    // loses its verb reading.
    if (s == 2) first_pass::RemoveReading(n, 0);
    else Article(i, s);
}

void ArticleBeforeParticiple(i32 i) {
    if (!Ambiguous(i) || Count(i + 1) != 2) return;
    const u8 s = Shape(i + 1, 12);
    if (s == 0) return;
    const u8 g = Gender(i + 1, s == 1 ? 0 : 1);
    const i32 n2 = i + 2, n3 = i + 3;
    if (Is(n2, MR("où")) || Is(i, "la")) return;
    // After a preposition other than the "en" of a gerund, or a
    // contracted article, the article, as in the rule of the finite verb
    // ("par le prétendant"; "en le voyant" keeps the pronoun).
    // So right after a conjugated verb of one reading, where no object
    // pronoun stands before a participle ("il achète le restaurant").
    if ((CatIs(i - 1, 15) && !Is(i - 1, "en")) || CatIs(i - 1, 9) || (Count(i - 1) == 1 && CatIs(i - 1, 14)))
        return ArticleNoun(i, s);
    if (CatIs(n2, 14) || (CatIs(n3, 14) && (CatIs(n2, 2) || CatIs(n2, 18))) || !Has(n2) || CatIs(n2, 5) ||
        (i > 2 && CatIs(i - 1, 21) && CatIs(i - 2, 10)))
        return ArticleNoun(i, s);
    if (CatIs(n2, 10) && !((Is(i, "le") && g == 2) || Is(i, "les"))) return ArticleNoun(i, s);
    Pronoun(i, s);
}

void ArticleBeforeInfinitive(i32 i, u16 mode) {
    if (mode != 1 || !Ambiguous(i) || Count(i + 1) != 2) return;
    const u8 s = Shape(i + 1, 13);
    const i32 p = i - 1;
    const u8 m = Mark(p);
    const bool governs = Cls(p) > 127 && (Feat(p) == 128 || m == 18 || m == 74 || m == 42 || m == 43 || m == 45 ||
                                          m == 41 || m == 47 || m == 113);
    // A noun reading that cannot follow the article ("la manger", "les
    // toucher", "le lire") leaves W its pronoun reading.
    const bool disagrees = s != 0 && DisagreesWithArticle(i, Gender(i + 1, s == 1 ? 0 : 1), Number(i + 1, s == 1 ? 0 : 1));
    if (s != 0 && (governs || disagrees)) return Pronoun(i, s);
    if (s == 2) return ArticleNoun(i, s);
    KeepOne(i);
    KeepOne(i + 1);
}

}  // namespace ambiguous
