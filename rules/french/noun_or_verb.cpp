// The last rules of the ambiguous-word loop: two noun readings merged into
// one, a sentence's first word in "s" that is a verb, and a word that can
// only be a noun (or adjective) or a conjugated verb, settled by its
// neighbours or, last, by the balance of verbs and clause introducers of
// the sentence.
#include <utility>

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
bool NotLast(i32 i) { return i < Words() - 1; }
u8 Gender(i32 k) { return static_cast<u8>(Feat(k) / 16); }
u8 Number(i32 k) { return static_cast<u8>(Feat(k) % 16 / 4); }

bool EndsInS(i32 i) {
    const i32 n = first_pass::Length(i);
    return n > 0 && gWords.ClampedAt(i).WordText.ClampedAt(n - 1) == 's';
}

struct Pair {
    u8 g = 0, n = 0;
};

// The gender and number a reading gives; a verb form outside the past
// participle slots leaves the pair as it was.
Pair PairOf(i32 i, i32 r, Pair before) {
    if (Cls(i, r) < 128) {
        if (Feat(i) > 128) first_pass::SetFeatAt(i, 0, static_cast<u8>(Feat(i) + 128));
        const u8 f = Feat(i, r);
        const u8 g = f / 16, n = f % 16 / 4;
        return {static_cast<u8>(g > 2 ? 0 : g), static_cast<u8>(n == 3 ? 0 : n)};
    }
    switch (Feat(i, r)) {
        case 2: return {1, 1};
        case 3: return {1, 2};
        case 4: return {2, 1};
        case 5: return {2, 2};
        default: return before;
    }
}

void SwapFirstReadings(i32 i) {
    WordRecord& w = gWords.ClampedAt(i);
    std::swap(w.ReadingClasses.ClampedAt(0), w.ReadingClasses.ClampedAt(1));
    std::swap(w.ReadingFeatures.ClampedAt(0), w.ReadingFeatures.ClampedAt(1));
    std::swap(w.ReadingCategories.ClampedAt(0), w.ReadingCategories.ClampedAt(1));
    std::swap(w.ReadingMarks.ClampedAt(0), w.ReadingMarks.ClampedAt(1));
    std::swap(w.ReadingLemmaRefs.ClampedAt(0), w.ReadingLemmaRefs.ClampedAt(1));
}

enum class Verdict : u8 { kNone, kNoun, kVerb };

// The noun reading of word i: its first noun, else its first reading of
// category 10. An adjective reading goes first only where no determiner
// or opening adjective calls for the noun ("une vieille ferme", "la
// pratique musicale").
i32 NounReading(i32 i) {
    const i32 first = FirstOfCategory(i, 10);
    if (first >= Count(i) || Cls(i, first) != 'B') return first;
    const bool determined = i > 0 && (CatIs(i - 1, 7) || CatIs(i - 1, 8) || CatIs(i - 1, 9) || AfterOpeningAdjective(i));
    for (i32 r = first + 1; determined && r < Count(i); ++r)
        if (Cat(i, r) == 10 && Cls(i, r) == 'A') return r;
    return first;
}

void Noun(i32 i, bool markRewrite) {
    const u8 m = Mark(i, Count(i) - 1);
    if (!TakeAs(i, NounReading(i), 10)) return;
    if (markRewrite && (m == 23 || m == 94)) SetFeat(i, 28);
}

// A "que" read as the relative right after the verb opens a clause: the
// rule of "que" could not tell while the word before was a noun too
// ("Kepel montre qu'il", "il oublie qu'une démocratie").
void ClauseAfterVerb(i32 i) {
    const i32 n = i + 1;
    if (!NotLast(i) || !IsAny(n, "que", "qu'") || !CatIs(n, 5)) return;
    Set(n, 17, 0x11);
}

void Verb(i32 i) {
    TakeAs(i, FirstOfCategory(i, 14), 14);
    ClauseAfterVerb(i);
}

// P, and the words before it past adverb-like ones, end with category c.
bool VerbBefore(i32 i, u8 c) {
    return CatIs(i - 1, c) || (i >= 2 && CatIs(i - 2, c) && CatIs(i - 1, 18)) ||
           (i >= 3 && CatIs(i - 3, c) && CatIs(i - 2, 18) && CatIs(i - 1, 18));
}

bool NounByMark(i32 i) {
    if (!EndsInS(i)) return false;
    const u8 m = Mark(i, Count(i) - 1);
    return m == 63 || (m == 24 && Begins(i, "se")) || m == 94 || m == 23 || m == 54 || m == 77 || m == 99 ||
           (m == 78 && Begins(i, MR("é"))) || (m == 15 && CatIs(i - 1, 10));
}


// A conjugated reading of the third person in number n (1 singular, 2
// plural), merged person codes included.
bool ThirdPersonIn(i32 i, i32 r, u8 n) {
    const u8 f = Feat(i, r);
    if (Cls(i, r) < 128 || f < 6) return false;
    if (f <= 47) return f % 6 == (n == 1 ? 2 : 5);
    return n == 1 ? (f == 51 || f == 59 || f == 60) : (f == 54 || f == 61);
}

// Word k can only be a conjugated verb.
bool SureFiniteVerb(i32 k) {
    if (Count(k) == 0) return false;
    for (i32 r = 0; r < Count(k); ++r)
        if (Cls(k, r) < 128 || Feat(k, r) < 6) return false;
    return true;
}

// Every reading of word k is an adjective (or a noun-or-adjective).
bool AdjectiveOnly(i32 k) {
    if (Count(k) == 0) return false;
    for (i32 r = 0; r < Count(k); ++r)
        if (Cat(k, r) != 10 || (Cls(k, r) != 'B' && Cls(k, r) != 'C')) return false;
    return true;
}

// Word k closes a clause on either side of it: a mark, a conjunction or a
// relative.
bool ClauseBound(i32 k) {
    return Begins(k, ",") || Begins(k, ";") || Begins(k, ":") || Begins(k, "(") || Begins(k, ")") ||
           CatIs(k, 5) || CatIs(k, 16) || CatIs(k, 17);
}

// The number (1, 2) of a conjugated third-person verb at word k, 0 when
// word k is no such verb.
u8 ThirdPersonVerbNumber(i32 k) {
    if (!CatIs(k, 14) || !SureFiniteVerb(k)) return 0;
    if (ThirdPersonIn(k, 0, 1)) return 1;
    if (ThirdPersonIn(k, 0, 2)) return 2;
    return 0;
}

// After "et", "mais" or "ou" with no determiner of its own, a noun-or-verb
// word of the person and number of the clause's verb before the
// conjunction is a second verb of that subject, when what follows is its
// complement or object and not the rest of a noun group ("la commune
// regroupe trois hameaux et compte 800 habitants", "il aime la pluie mais
// demeure inquiet").
bool SecondVerbOfSubject(i32 i) {
    const i32 p = i - 1, next = i + 1;
    if (i < 3 || !CatIs(p, 16) || !IsAny(p, "et", "mais", "ou")) return false;
    if (!(CatIn(next, 7, 9) || CatIs(next, 15) || CatIs(next, 18) || CatIs(next, 2) || ClsIs(next, 'R') ||
          AdjectiveOnly(next)))
        return false;
    for (i32 k = p - 1; k >= 0 && !ClauseBound(k); --k) {
        const u8 n = ThirdPersonVerbNumber(k);
        if (n == 0) continue;
        for (i32 r = 0; r < Count(i); ++r)
            if (ThirdPersonIn(i, r, n)) return true;
        return false;
    }
    return false;
}

// Set off by a comma after a singular noun or a name, a noun-or-verb word
// whose conjugated readings are all plural, before "de" or a contracted
// article, is a noun in apposition ("Pierre Martin, président du club").
bool NounInApposition(i32 i) {
    const i32 p = i - 1, before = i - 2, next = i + 1;
    if (i < 2 || !Begins(p, ",") || !CatIs(before, 10)) return false;
    if (!(ClsIs(before, '@') || Number(before) == 1)) return false;
    if (!(CatIs(next, 9) || IsAny(next, "de", "d'"))) return false;
    bool plural = false;
    for (i32 r = 0; r < Count(i); ++r) {
        if (Cls(i, r) < 128 || Feat(i, r) < 6) continue;
        if (ThirdPersonIn(i, r, 1)) return false;
        plural = plural || ThirdPersonIn(i, r, 2);
    }
    return plural;
}

// A determiner and its noun (an adjective may close the group) before a
// noun-or-verb word that agrees with the noun as a third person, with no
// word between the clause's bounds that can only be its verb: the word is
// the verb of that subject ("sa définition laisse perplexe", "la question
// reste en suspens"). Only before a word that cannot continue a noun
// group of two nouns: a preposition, an adverb, an adjective.
bool VerbOfNounSubject(i32 i) {
    const i32 p = i - 1;
    i32 noun = p;
    if ((ClsIs(p, 'B') || ClsIs(p, 'C')) && ClsIs(p - 1, 'A')) noun = p - 1;
    if (!CatIs(noun, 10) || !ClsIs(noun, 'A') || !CatIn(noun - 1, 7, 9)) return false;
    const u8 n = Number(noun);
    if (n != 1 && n != 2) return false;
    bool third = false;
    for (i32 r = 0; r < Count(i); ++r) third = third || ThirdPersonIn(i, r, n);
    if (!third) return false;
    for (i32 r = 0; r < Count(i); ++r)
        if (Cls(i, r) != 'A' && Cls(i, r) < 128) return false;  // an adjective after the noun: "un regard critique"
    const i32 next = i + 1;
    if (!(CatIs(next, 15) || CatIs(next, 18) || AdjectiveOnly(next))) return false;
    for (i32 k = noun - 2; k >= 0 && !ClauseBound(k); --k)
        if (SureFiniteVerb(k)) return false;
    for (i32 k = next; k < Words() && !ClauseBound(k); ++k)
        if (SureFiniteVerb(k)) return false;
    return true;
}
}  // namespace

// An adjective right after a determiner, or after a determiner and an
// adverb, opens a noun group whose noun comes next: the noun reading of a
// word of the same gender and number that follows it is the one ("la
// modique somme", "une seule passe", "la plus grande partie", "un très bon
// souvenir"). A word that may be a noun as well stands as one when the
// genders differ or remain open ("la commune compte", "une autre fut"),
// and an article after the word makes it the verb taking its object ("la
// seconde montre le rappeur").
bool AfterOpeningAdjective(i32 i) {
    const i32 p = i - 1;
    const bool adjective = ClsIs(p, 'B');
    if (i < 2 || !CatIs(p, 10) || !(adjective || ClsIs(p, 'C') || ClsIs(p, 'M') || ClsIs(p, 'N'))) return false;
    const auto determiner = [](i32 k) { return CatIs(k, 7) || CatIs(k, 8) || CatIs(k, 9); };
    if (!determiner(i - 2) && !(i >= 3 && CatIs(i - 2, 18) && determiner(i - 3))) return false;
    if (NotLast(i) && CatIs(i + 1, 7)) return false;
    for (i32 k = 1; k < Count(p); ++k)
        if (Cls(p, k) == 'A') return false;  // the word before may be the noun itself
    i32 r = FirstOfCategory(i, 10);
    for (i32 k = r; k < Count(i); ++k)
        if (Cat(i, k) == 10 && Cls(i, k) == 'A') {
            r = k;
            break;
        }
    if (r >= Count(i) || Cls(i, r) >= 128) return false;
    // After a noun-or-adjective word, a word with no noun reading cannot be
    // the noun of its group: the word before is the noun ("la commune
    // dispose de").
    if (!adjective && Cls(i, r) != 'A') return false;
    const u8 g = static_cast<u8>(Feat(i, r) / 16), n = static_cast<u8>(Feat(i, r) % 16 / 4);
    const bool gendered = (g == 1 || g == 2) && (Gender(p) == 1 || Gender(p) == 2);
    if (gendered ? g != Gender(p) : !adjective) return false;
    return n == 0 || n == 3 || Number(p) == 0 || Number(p) == 3 || n == Number(p);
}

namespace {

// The lines of the rule, the first that holds deciding.
Verdict ByNeighbours(i32 i, u16 mode) {
    const i32 p = i - 1, n = i + 1, n2 = i + 2, n3 = i + 3;
    if (i == 0 || CatIs(p, 15) || CatIs(p, 14)) return Verdict::kNoun;
    // An object pronoun of one reading stands before its verb ("il ne
    // leur offre rien").
    if (Count(p) == 1 && CatIs(p, 2)) return Verdict::kVerb;
    if (VerbBefore(i, 14) || VerbBefore(i, 11)) return Verdict::kNoun;
    if (CatIs(p, 8) && !ClsIs(p, 'Q') && !Begins(p, "quel") && !(Is(p, "ce") && Gender(i) <= 1))
        return Verdict::kNoun;
    if (AfterOpeningAdjective(i)) return Verdict::kNoun;
    // Right after a noun, a noun-or-verb word before "que" is the verb of
    // that subject ("cette expérience montre qu'il", "le Duc annonce
    // qu'"): a second noun standing there would need its article (after
    // an adjective it is the noun of the group: "un grand vase qu'on met").
    // So after a noun and the adjective that closes its group ("le
    // gouvernement espagnol oublie qu'").
    const bool nounEnds = ClsIs(p, 'A') || ClsIs(p, '@') || (i >= 2 && ClsIs(p, 'C') && ClsIs(i - 2, 'A'));
    if (i >= 1 && CatIs(p, 10) && nounEnds && (Is(n, "que") || Is(n, "qu'"))) return Verdict::kVerb;
    if (NounInApposition(i)) return Verdict::kNoun;
    if (VerbOfNounSubject(i)) return Verdict::kVerb;
    if (SecondVerbOfSubject(i)) return Verdict::kVerb;
    if (ClsIs(n, 'a') || CatIs(n, 5)) return Verdict::kNoun;
    if (NounByMark(i)) return Verdict::kNoun;
    if (mode == 1 && CatIs(n, 16) && Count(n2) == 1 && CatIs(n2, 14) && Cls(n2) < 128) return Verdict::kNoun;
    if (i >= 2 && CatIs(p, 16) && CatIs(i - 2, 10) && !ClsIs(i - 2, 'A') && !ClsIs(i, 'A')) return Verdict::kNoun;
    if (Begins(p, "(") || Begins(p, ":")) return Verdict::kNoun;
    if (Count(n) == 1 && !Is(p, "en")) {
        const bool agrees = CatIs(p, 10) && Gender(p) == Gender(i) && Number(p) == Number(i);
        if ((CatIs(n, 7) && !agrees) || (CatIs(n, 18) && CatIs(n2, 7))) return Verdict::kVerb;
    }
    if (Cls(p) == 64 && ClsIs(i, 'A')) return Verdict::kVerb;
    if (CatIs(p, 2)) return Verdict::kVerb;
    // Before "et" and a conjugated verb of one reading, bare or led by an
    // object pronoun ("le corps glisse et s'enfonce") or "ne", the verb.
    if (mode == 1 && ((CatIs(n, 16) && Count(n2) == 1 && CatIs(n2, 14)) ||
                      (CatIs(n, 16) && Count(n2) == 1 && CatIs(n2, 2) && Count(n3) == 1 && CatIs(n3, 14)) ||
                      (CatIs(n, 16) && Cls(n2) == 22 && Count(n3) == 1 && CatIs(n3, 14)) ||
                      (i >= 2 && CatIs(p, 16) && Count(i - 2) == 1 && CatIs(i - 2, 14))))
        return Verdict::kVerb;
    // After an adjective that stands before its noun, with no determiner
    // ("premier adjoint", "de dernière seconde"), the word is that noun
    // when its gender and number do not clash and no article follows.
    if (i >= 1 && CatIs(p, 10) && !ClsIs(p, 'A') && BeforeNounAdjective(p) && !CatIn(n, 7, 9)) {
        const i32 r = FirstOfCategory(i, 10);
        const u8 g = static_cast<u8>(Feat(i, r) / 16), nn = static_cast<u8>(Feat(i, r) % 16 / 4);
        const bool clash = ((g == 1 || g == 2) && (Gender(p) == 1 || Gender(p) == 2) && g != Gender(p)) ||
                           ((nn == 1 || nn == 2) && (Number(p) == 1 || Number(p) == 2) && nn != Number(p));
        // (a form of "être" or "avoir" is the verb of the pronoun: "une
        // autre fut brûlée")
        bool auxiliary = false;
        for (i32 k = 0; k < Count(i); ++k) auxiliary = auxiliary || Cls(i, k) == 131 || Cls(i, k) == 194;
        if (r < Count(i) && !clash && !auxiliary) return Verdict::kNoun;
    }
    return Verdict::kNone;
}

// Conjugated verbs and clause introducers from the first verb on: true
// when the introducers are at least as many.
bool IntroducersOutnumberVerbs() {
    const i32 count = Words();
    i32 p = 0;
    while (p < count && !CatIs(p, 14)) ++p;
    i32 verbs = p < count ? 1 : 0, introducers = 0;
    for (i32 x = p + 1; x < count; ++x) {
        if (CatIs(x, 14)) ++verbs;
        if (CatIs(x, 5) && !IsAny(x, MR("où"), "quoi")) ++introducers;
        if (CatIs(x, 17) && !CatIs(x - 1, 17) && !Is(x, "comme")) ++introducers;
        if (NotLast(x) && Is(x, "quoique") && (ClsIs(x + 1, 'B') || ClsIs(x + 1, 'C'))) --introducers;
        // The "que" of a comparison opens no clause: "plus que", "tel
        // que", "la même chose que".
        if (Is(x, "que") && (IsAny(x - 1, "plus", "moins", "autant", "davantage") || Begins(x - 1, "tel") ||
                             (x >= 2 && IsAny(x - 2, MR("même"), MR("mêmes")))))
            --introducers;
    }
    return introducers >= verbs;
}

// The last verb reading outside the subjunctive, conditional and imperative
// slots past reading 1, else reading 1.
void VerbBySlot(i32 i) {
    i32 k = 1;
    for (i32 s = 2; s < Count(i); ++s)
        if (Cat(i, s) == 14 && (Feat(i, s) < 30 || Feat(i, s) > 50)) k = s;
    TakeAs(i, k, 14);
}

void Balance(i32 i, u16 mode) {
    const i32 p = i - 1;
    if (IntroducersOutnumberVerbs() || (mode == 1 && CatIn(i + 1, 7, 9))) return VerbBySlot(i);
    if (i > 0 && (ClsIs(i, 'B') || ClsIs(p, 'B') || (i >= 2 && ClsIs(p, 'C') && CatIn(i - 2, 7, 8))) &&
        (Number(p) == Number(i) || Number(i) == 0))
        Noun(i, false);
}

}  // namespace

void MergeNounReadings(i32 i) {
    if (Count(i) < 3 || Cat(i, 0) != 10 || Cat(i, 1) != 10) return;

    const Pair first = PairOf(i, 0, Pair{});
    const Pair second = PairOf(i, 1, first);
    const u8 g = second.g == first.g ? first.g : 0;
    const u8 n = second.n == first.n ? first.n : 0;
    SetFeat(i, static_cast<u8>(16 * g + 4 * n + Feat(i) % 4));
    // A noun and an adjective merge into the noun-or-adjective class, but
    // after an adjective that opens the group into the noun ("une vieille
    // ferme").
    const bool noun = Cls(i, 0) == 'A' || Cls(i, 1) == 'A';
    if (Cls(i, 0) != Cls(i, 1)) SetCls(i, noun && AfterOpeningAdjective(i) ? 'A' : 'C');
    first_pass::RemoveReading(i, 1);
}

bool FirstWordVerb(i32 i) {
    if (i != 0 || !CatIs(i, 10) || !EndsInS(i) || CatAt(i, 1) != 14) return false;
    TakeAs(i, 1, 14);
    return true;
}

void NounOrVerb(i32 i, u16 mode) {
    if (FirstOfCategory(i, 14) == Count(i) || !AllOf(i, 10, 14)) return;
    // A word of verb readings only is no noun-or-verb word: the rule would
    // put its second verb reading first ("il ouvre" read as a subjunctive).
    if (FirstOfCategory(i, 10) == Count(i)) return;
    switch (ByNeighbours(i, mode)) {
        case Verdict::kNoun: return Noun(i, true);
        case Verdict::kVerb: return Verb(i);
        case Verdict::kNone: break;
    }
    if (Count(i) < 2) return;
    if (CatIs(i, 14)) SwapFirstReadings(i);  // the noun reading first
    Balance(i, mode);
}

}  // namespace ambiguous
