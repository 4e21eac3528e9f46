// Entries 6 to 9: "de", "d'", "du", "des" as preposition, article,
// contracted article or quantity determiner, and the fixed locutions they
// end or open.
#include "frame/mac_roman_literal.h"
#include "frame/tables.h"
#include "rules/french/function_word_entries.h"

namespace french {

namespace {

enum : i32 { kDe = 6, kDElided = 7, kDu = 8, kDes = 9 };

// Quantity words, by slot of gFunctionWordCodes (the slot number matters).
constexpr const char* kQuantityWords[] = {
    "plus",   "moins",    "tant",     "tellement", "trop",     "combien",   "beaucoup", "peu",     "bien",
    "davantage", "nombre", MR("quantité"), MR("moitié"), "partie", "fraction", "part", MR("majorité"),
    MR("minorité"), "plupart", "tiers",  "quart",     "foule",    "multitude", MR("infinité"), "tas",
};
constexpr i32 kQuantitySlots = 25;
static_assert(sizeof(kQuantityWords) / sizeof(kQuantityWords[0]) == kQuantitySlots);
enum : i32 { kPlus = 0, kMoins = 1, kBien = 8, kNombre = 10, kMoitie = 12 };

constexpr const char* kNearWords[] = {"loin", MR("près"), "hors", nullptr};
constexpr const char* kMeasures[] = {"litre", "kilo", MR("mètre"), "gramme", "tasse", "morceau", "verre", nullptr};
constexpr const char* kStrongQuantity[] = {"assez", "autant", MR("énormément"), nullptr};
constexpr const char* kRankWords[] = {"autre", "seul", "premi", "derni", "meilleur", "pire", "moindre", nullptr};
constexpr const char* kUnNul[] = {"un", "nul", nullptr};
constexpr const char* kLaElided[] = {"la", "l'", nullptr};

// Prepositional locutions ending in the matched word: "au-dessus de",
// "à cause de" ... (step B).
constexpr const char* kRow1[] = {"bas", "cause", MR("côté"), MR("défaut"), "fleur", "force", MR("même"),
                                 "moins", "partir", "propos", "raison", nullptr};
constexpr const char* kRow2[] = {"disposition", "diligence", "faveur", "merci", nullptr};
constexpr const char* kRow3[] = {MR("égard"), "encontre", "entour", "exception", "exclusion", "instar", "insu", nullptr};
constexpr const char* kRow4[] = {MR("défaut"), "lieu", "moyen", "niveau", "point", "prix", "travers", nullptr};
constexpr const char* kRow5[] = {"alentours", MR("dépens"), "environs", nullptr};
constexpr const char* kRow6[] = {"au-dedans", "au-dehors", MR("au-delà"), "au-dessous", "au-dessus", "au-devant", nullptr};
constexpr const char* kRow7[] = {"afin", MR("auprès"), "autour", "hors", "loin", "lors", MR("près"), nullptr};
constexpr const char* kRow8[] = {"avant", "faute", "proche", MR("vis-à-vis"), nullptr};
constexpr const char* kRow12[] = {"amont", "attente", "aval", "avant", MR("arrière"), MR("deçà"), "dedans",
                                  "dehors", MR("dépit"), "dessous", "dessus", "face", "faveur", "fonction",
                                  "guise", "outre", "plus", MR("prévision"), "raison", "sus", "vue", nullptr};
constexpr const char* kRow15[] = {MR("par-delà"), "par-dessous", "par-dessus", "par-devant", "par-devers", nullptr};
constexpr const char* kRow16[] = {"couleur", MR("prétexte"), nullptr};

// Locutions around "de"/"d'" (step E2).
constexpr const char* kTrainPasseVoie[] = {"train", "passe", "voie", nullptr};
constexpr const char* kAvecEntre[] = {"avec", "entre", nullptr};
constexpr const char* kPeuGuingois[] = {"peu", "guingois", nullptr};
constexpr const char* kJourNuit[] = {"jour", "nuit", "face", "dos", "profil", nullptr};
constexpr const char* kDAdverbs[] = {MR("affilée"), "avance", MR("emblée"), "habitude", "arrache-pied", "ordinaire", nullptr};
constexpr const char* kNegations[] = {"pas", "point", "jamais", nullptr};

// The preposition and article readings of word 0 (class and category).
void Preposition(const Site& s) {
    s.setCls(0, '!');
    s.setCat(0, kCatPreposition);
}
void Article(const Site& s) {
    s.setCls(0, 'h');
    s.setCat(0, kCatArticle);
}

// The article ('k', 'l') and contracted ('$', '%') forms of "du" and "des".
void ArticleForm(const Site& s, i32 p, bool des) {
    s.setCls(p, des ? 'l' : 'k');
    s.setFeat(p, des ? 0x08 : 0x54);
}
void ContractedForm(const Site& s, bool des) {
    s.setCls(0, des ? '%' : '$');
    s.setFeat(0, des ? 0x08 : 0x54);
}

// "un litre de", "une tasse du": the quantity determiner.
void MeasureRule(const Site& s) {
    for (WordList m = kMeasures; *m != nullptr; ++m) {
        if (s.contains(-1, *m)) {
            s.setCls(0, 'T');
            s.setCat(0, kCatDeterminer);
            return;
        }
    }
}

// A verb form's feature byte as the gender and number of a noun.
void FeatureFold(const Site& s) {
    if (s.cls(0) < 0x80) return;
    switch (s.feat(0)) {
    case 2: s.setFeat(0, 0x14); break;
    case 3: s.setFeat(0, 0x18); break;
    case 4: s.setFeat(0, 0x24); break;
    case 5: s.setFeat(0, 0x28); break;
    default: break;
    }
}

void FillQuantityWords() {
    for (i32 q = 0; q < kQuantitySlots; ++q) CopyCString(gFunctionWordCodes.ClampedAt(q), kQuantityWords[q]);
}

// The slot (below `limit`) of word p among the quantity words, or -1.
i32 QuantitySlot(const Site& s, i32 p, i32 limit) {
    for (i32 q = 0; q < limit; ++q)
        if (TextSame(s.text(p), gFunctionWordCodes.ClampedAt(q))) return q;
    return -1;
}

// One prepositional locution of step B: parts from..0, counts 1 on
// keep..0.
u16 PrepositionRow(const Site& s, i32 from, i32 keep) {
    s.prepositionParts(from, 0);
    s.keepOne(keep, 0);
    return 0;
}

// Step B. Returns true when a row applied (or an unlisted "au-"/"par-"
// word ended the call); the call then returns 0.
bool PrepositionalLocution(const Site& s) {
    if (s.exists(-2) && s.is(-2, MR("à")) && s.isOneOf(-1, kRow1)) return PrepositionRow(s, -2, -1), true;
    if (s.exists(-3) && s.is(-3, MR("à")) && s.is(-2, "la") && s.isOneOf(-1, kRow2)) return PrepositionRow(s, -3, -2), true;
    if (s.exists(-3) && s.is(-3, MR("à")) && s.is(-2, "l'") && s.isOneOf(-1, kRow3)) return PrepositionRow(s, -3, -1), true;
    if (s.exists(-2) && s.is(-2, "au") && s.isOneOf(-1, kRow4)) return PrepositionRow(s, -2, -1), true;
    if (s.exists(-2) && s.is(-2, "aux") && s.isOneOf(-1, kRow5)) return PrepositionRow(s, -2, -1), true;
    if ((s.i == 1 || s.cat(-2) != kCatArticle) && s.starts(-1, "au-")) {
        if (s.isOneOf(-1, kRow6)) PrepositionRow(s, -1, -1);
        return true;
    }
    if (s.isOneOf(-1, kRow7)) return PrepositionRow(s, -1, -1), true;
    if ((s.i == 1 || s.cat(-2) != kCatArticle) && s.isOneOf(-1, kRow8)) return PrepositionRow(s, -1, -1), true;
    if (s.exists(-2) && s.is(-2, "de") && s.is(-1, "peur")) return PrepositionRow(s, -2, -1), true;
    if (s.exists(-3) && s.is(-3, "de") && s.is(-2, "la") && s.is(-1, "part")) return PrepositionRow(s, -3, -3), true;
    if (s.exists(-2) && s.is(-2, "du") && s.is(-1, MR("côté"))) return PrepositionRow(s, -2, -1), true;
    if (s.exists(-2) && s.is(-2, "en") &&
        (s.isOneOf(-1, kRow12) || (s.is(-1, "bas") && s.exists(1) && s.cat(1) != kCatNoun)))
        return PrepositionRow(s, -2, -1), true;
    if (s.exists(-2) && s.is(-2, "par") && s.is(-1, "suite")) return PrepositionRow(s, -2, -1), true;
    if (s.exists(-3) && s.is(-3, "par") && s.is(-2, "le") && s.is(-1, "moyen")) return PrepositionRow(s, -3, -3), true;
    if (s.exists(-2) && s.starts(-1, "par-")) {
        if (s.isOneOf(-1, kRow15)) PrepositionRow(s, -1, -1);
        return true;
    }
    if (s.exists(-2) && s.is(-2, "sous") && s.isOneOf(-1, kRow16)) return PrepositionRow(s, -2, -1), true;
    return false;
}

// The pronoun before "de"/"des" reads as the determiner of the noun after
// them; never "celui", "celle(s)", "ceux": a demonstrative pronoun takes
// the group as its complement ("celles des Ottomans", "celui de tous les
// poètes").
constexpr const char* kDemonstrativePronouns[] = {"cel", "ceu", nullptr};
bool PronounTakenAsDeterminer(const Site& s) {
    return s.clsIs(-1, 'F', 'I') && !s.startsOneOf(-1, kDemonstrativePronouns);
}

// The first-that-applies list shared by "des" (D5) and "de" (E9): the word
// before is a determiner-like word ("un autre", "les seuls", "tout").
// Returns true when one applied; `amp` makes word 0 the '&' preposition.
bool DeterminerBefore(const Site& s, bool amp) {
    auto mark = [&] {
        if (amp) s.setCls(0, '&');
    };
    if (s.clsIs(-1, 'h', 'i')) {
        s.setCat(-1, kCatDeterminer);
        mark();
        return true;
    }
    if (s.exists(-2) && s.startsOneOf(-2, kUnNul) && (s.is(-1, "autre") || s.starts(-1, "seul"))) {
        s.setCat(-2, kCatDeterminer);
        mark();
        return true;
    }
    if (s.exists(-2) && s.clsIs(-2, 'c', 'd') && s.startsOneOf(-1, kRankWords)) {
        s.setCat(-2, kCatDeterminer);
        mark();
        return true;
    }
    if (s.exists(-3) && s.clsIs(-3, 'c', 'd') && (s.is(-2, "plus") || s.is(-2, "moins")) && s.cat(-1) == kCatNoun) {
        s.setCat(-3, kCatDeterminer);
        mark();
        return true;
    }
    return false;
}

// "tout" read as a determiner before "des"/"de" is the indefinite pronoun.
void ToutPronoun(const Site& s) {
    s.setCat(-1, kCatIndefinite);
    s.setCls(-1, 'K');
    s.setFeat(-1, 0x14);
}

// "la moitié des", "une partie de": the article before the quantity noun
// agrees with it.
bool QuantityNounArticle(const Site& s, u8 cls) {
    if (s.exists(-2) && s.cat(-2) == kCatArticle && s.feat(-2) % 64 == s.feat(-1) % 64) {
        s.keepOne(0);
        s.setCat(0, kCatArticle);
        if (cls != 0) s.setCls(0, cls);
        if (cls == 0 || s.exists(1)) s.setFeat(0, s.feat(1));
        s.keepOne(-2);
        s.keepOne(-1);
        s.setCat(-1, kCatNoun);
        if (s.count(2) == 2 && s.cat(2) == kCatNoun && s.cat1(2) == kCatVerb) s.keepOne(2);
        return true;
    }
    if (s.exists(-3) && (s.cat(-2) == kCatNoun || s.cat1(-2) == kCatNoun || s.cat(-2) == kCatDeterminer) &&
        s.catIn(-3, kCatArticle, kCatContracted)) {
        s.keepOne(0);
        s.setCat(0, kCatArticle);
        if (cls != 0) s.setCls(0, cls);
        if (cls == 0 || s.exists(1)) s.setFeat(0, s.feat(1));
        s.keepOne(-3);
        return true;
    }
    return false;
}

// After an adverb of quantity ("assez", "autant", "énormément") opening the
// sentence or following a verb form.
bool AfterQuantityAdverb(const Site& s) {
    return s.cat(-1) == kCatAdverb &&
           (s.i == 1 || (s.cls(-2) >= 0xC0 && (s.i == 2 || s.cat(-3) != kCatObjectPronoun)));
}

// D1 to D6: the first that applies. Returns true when the call ends.
bool DuDesReading(const Site& s, bool des) {
    if (s.cat(-1) == kCatAdverb && s.isOneOf(-1, kNearWords)) {
        s.set(0, kCatPreposition, '!');
        return true;
    }
    if (s.cat(-1) == kCatNoun && s.exists(1) && s.cat(1) == kCatNoun) {
        s.keepOne(0);
        s.setCat(0, kCatContracted);
        ContractedForm(s, des);
        MeasureRule(s);
        return true;
    }
    if (s.count(-1) == 1 && s.cls(-1) < 0xC0 &&
        (s.cat(-1) == kCatVerb || (s.exists(-2) && s.cat(-2) == kCatVerb && s.feat(-1) == 2))) {
        s.setCat(0, des && s.mark(-1) > 0x80 ? kCatArticle : kCatContracted);
        ArticleForm(s, 0, des);
        s.keepOne(0);
        return false;
    }
    auto verbBefore = [&](i32 p) {
        return s.cls(p) >= 0xC0 && s.cls(p) % 32 < 17 &&
               (s.cat(p) == kCatInfinitive || (s.count(p) == 1 && s.cat(p) == kCatVerb));
    };
    if (verbBefore(-1) || (s.exists(-2) && s.cat(-1) == kCatAdverb && verbBefore(-2))) {
        s.setCat(0, kCatArticle);
        ArticleForm(s, 0, des);
        s.keepOne(0);
        i32 k = 1;
        while (s.at(k) < rules::Count() &&
               (s.cat(k) == kCatNoun || s.cat(k) == kCatCoordinating || s.cat(k) == kCatComma))
            ++k;
        if (s.is(k, "des") || s.is(k, "du")) {
            s.keepOne(k);
            s.setCat(k, kCatArticle);
            ArticleForm(s, k, s.is(k, "des"));
        }
        return false;
    }
    const u8 before = s.cat(-1);
    if (before == kCatDemonstrative || before == kCatIndefinite || (before >= kCatArticle && before <= kCatNoun)) {
        s.setCat(0, kCatContracted);
        ContractedForm(s, des);
        if (des) {
            const bool verbWord = s.exists(-2) && s.cat(-2) == kCatVerb && s.cls(-2) < 0x96 && !s.starts(-1, "un");
            if (!verbWord) {
                if (!DeterminerBefore(s, false) && s.cls(-1) == 'Q' && !s.starts(-1, "di") && !s.ends(-1, "di") &&
                    s.is(-1, "tout"))
                    ToutPronoun(s);
                if (PronounTakenAsDeterminer(s)) {
                    s.setCls(-1, 'Q');
                    s.setCat(-1, kCatDeterminer);
                }
            }
        }
        s.keepOne(0);
        return false;
    }
    if (s.count(-1) == 1 && s.cat(-1) != kCatCoordinating) {
        s.setCat(0, kCatArticle);
        ArticleForm(s, 0, des);
        s.keepOne(0);
    }
    return false;
}

// D7 to D11.
u16 DuDesQuantity(const Site& s, bool des) {
    if (s.mode == 1 && AfterQuantityAdverb(s) && s.isOneOf(-1, kStrongQuantity)) s.set(0, kCatDeterminer, 'T');
    const i32 q = QuantitySlot(s, -1, 21);
    if (q < 0) {
        if (!des && s.exists(2) && s.is(1, "moins") && s.cat(2) != kCatNoun) {
            s.setCat(0, kCatAdverb);
            s.setCat(1, kCatAdverb);
            s.keepOne(0, 1);
        }
        return 0;
    }
    if (s.count(-1) > 1 && s.cat(-1) == kCatNoun) {
        s.keepOne(-1);
        if (s.exists(-2) && s.count(-2) > 1 && s.catIn(-2, kCatArticle, kCatContracted)) s.keepOne(-2);
    }
    if (s.exists(-2) && s.cat(-2) == kCatPreposition) {
        s.setCat(0, kCatContracted);
        ArticleForm(s, 0, des);
        s.keepOne(0);
        s.keepOne(-2);
    } else if (q >= kMoitie) {
        QuantityNounArticle(s, 'Q');
    } else {
        s.setCat(-1, kCatAdverb);
        s.setCls(0, 'Q');
        s.setCat(0, kCatDeterminer);
        if (s.exists(1) && s.feat(1) % 16 != (des ? 4 : 8)) s.setFeat(0, s.feat(1));
        if (s.mode == 1 && q < kNombre && q != kBien) s.setCls(0, 'T');
    }
    FeatureFold(s);
    return 0;
}

// E2: the locutions around "de"/"d'". Returns true when one applied.
bool DeLocution(const Site& s) {
    const bool de = s.n == kDe;
    auto prep = [&](i32 from, i32 to, i32 keepFrom, i32 keepTo) {
        s.prepositionParts(from, to);
        s.keepOne(keepFrom, keepTo);
        return true;
    };
    auto adverb = [&](i32 from, i32 to, i32 keepFrom, i32 keepTo) {
        s.adverbParts(from, to);
        s.keepOne(keepFrom, keepTo);
        return true;
    };
    if (s.exists(-3) && s.is(-3, MR("à")) && s.is(-2, "seule") && s.is(-1, "fin")) return prep(-3, 0, -1, 0);
    if (de && s.exists(2) && s.is(1, MR("façon")) && s.is(2, MR("à"))) return prep(0, 2, 0, 2);
    if (s.exists(-3) && s.is(-3, "sur") && s.is(-2, "le") && s.is(-1, "point")) return prep(-3, 0, -3, 0);
    if (s.exists(-2) && s.is(-2, "en") && s.isOneOf(-1, kTrainPasseVoie)) return prep(-2, 0, -2, 0);
    if (s.is(-1, "faute") && (s.i == 1 || s.cat(-2) >= kCatPresentParticiple)) return prep(-1, 0, -1, 0);
    if (!de && s.exists(1) && s.is(1, MR("après"))) return prep(0, 1, 0, 1);
    if (s.isOneOf(1, kAvecEntre)) return prep(0, 1, 0, 1);
    if (de && s.exists(1) && s.isOneOf(1, kPeuGuingois)) return adverb(0, 1, 0, 1);
    if (de && s.exists(1) && !(s.i != 1 && s.cat(2) == kCatNoun) && s.isOneOf(1, kJourNuit)) return adverb(0, 1, 0, 1);
    if (de && s.exists(1) && s.is(1, "conserve") && s.cls(-1) >= 0x80) return adverb(0, 1, 0, 1);
    if (de && s.exists(2) && ((s.is(1, "bonne") && s.is(2, "heure")) || (s.is(1, "plus") && s.is(2, "belle"))))
        return adverb(0, 2, 0, 1);
    if (de && s.exists(3) && s.is(1, "temps") &&
        ((s.is(2, "en") && s.is(3, "temps")) || (s.is(2, MR("à")) && s.is(3, "autre")))) {
        s.adverbParts(0, 3);
        s.keepOne(0);
        s.keepOne(2);
        return true;
    }
    if (!de && s.exists(1) && s.isOneOf(1, kDAdverbs)) return adverb(0, 1, 0, 1);
    if (!de && s.exists(3) && s.is(1, MR("entrée")) && s.is(2, "de") && s.is(3, "jeu")) return adverb(0, 3, 0, 3);
    return false;
}

// "de nombreux", "de nombreuses" after anything but a noun: the plural
// article before its adjective ("a connu de nombreuses phases", "parmi de
// nombreuses richesses"); after a noun it may be the preposition of the
// noun's complement. A participle read as an adjective, a noun that may
// be the participle ("a connu") or the verb ("la commune compte") counts
// as a verb.
bool ArticleBeforeNombreux(const Site& s) {
    if (!s.exists(1) || !s.starts(1, "nombreu") || s.i == 0) return false;
    const bool verb = s.count(-1) > 1 && (s.cat1(-1) == kCatVerb || s.cat1(-1) == kCatPastParticiple);
    const bool noun = s.cat(-1) == kCatNoun && s.cls(-1) < 0x80 && !verb;
    return !noun;
}

// The article "de" stands for "des" before an adjective ("de belles
// maisons") or, under a negation, for "un" or "du" ("pas de pain", "sans
// faire de bruit"). Before a noun that can only be singular, and with no
// negation in the few words before, "de" is the preposition ("De manière
// générale", "une nef de faible largeur").
constexpr const char* kDeNegations[] = {"pas", "point", "jamais", "plus", MR("guère"), "sans", "ni", "ne", "n'",
                                        nullptr};
u8 NumberOf(const Site& s, i32 p) { return static_cast<u8>((s.feat(p) >> 2) & 3); }
bool CommonNominal(const Site& s, i32 p) {
    return s.exists(p) && s.cat(p) == kCatNoun && (s.cls(p) == 'A' || s.cls(p) == 'B' || s.cls(p) == 'C' ||
                                                   s.cls(p) == 'M' || s.cls(p) == 'N');
}
bool SingularNounAhead(const Site& s) {
    // "d'abord", "d'habitude" ... are adverbs of their own (step 13, E2).
    if (s.is(1, "abord") || s.isOneOf(1, kDAdverbs)) return false;
    // Every noun or adjective of the group after "de" must be singular
    // ("de belle maisons" is an article before a misspelt plural group).
    bool noun = false;
    for (i32 k = 1; k <= 3 && CommonNominal(s, k); ++k) {
        if (NumberOf(s, k) != 1) return false;
        noun = noun || s.cls(k) != 'B';
    }
    if (!noun) return false;
    for (i32 p = -1; p >= -4 && s.exists(p) && s.cat(p) != kCatComma; --p)
        if (s.isOneOf(p, kDeNegations)) return false;
    return true;
}

// E3: a preposition before a pronoun or infinitive, after a verb or
// "loin", "près", "hors".
bool PlainPreposition(const Site& s) {
    if (ArticleBeforeNombreux(s)) return false;
    return (s.exists(1) && s.count(1) == 1 && (s.cat(1) == kCatObjectPronoun || s.cat(1) == kCatInfinitive)) ||
           (s.cat(-1) == kCatVerb && s.cls(-1) < 0x92) ||
           (s.exists(-2) && s.cat(-2) == kCatVerb && s.feat(-1) == 2 && s.cls(-1) < 0x92) ||
           (s.cat(-1) == kCatAdverb && s.isOneOf(-1, kNearWords));
}

// E5: only adverbs (other than a negation) stand before the word.
bool OpensSentence(const Site& s) {
    for (i32 k = s.i - 1; k >= 0; --k)
        if (rules::Cat(k) != kCatAdverb || s.isOneOf(k - s.i, kNegations)) return false;
    return true;
}

// "pas de pain", "jamais d'argent": after the negation a bare noun takes
// the article "de"; before a pronoun or a determiner it stays the
// preposition ("pas de lui", "pas de son travail").
bool AfterNegation(const Site& s) {
    return s.i > 0 && s.exists(1) && s.cat(-1) == kCatAdverb && s.isOneOf(-1, kNegations) && s.cat(1) == kCatNoun;
}

// The article "de" after a negation stands for "un", "une", "du" or
// "des" alike: it takes the number of its noun ("pas de pain", "pas de
// pommes"), not the plural of "de belles maisons".
u8 NumberOfNext(const Site& s) { return static_cast<u8>(s.feat(1) & 0x0C); }

// E7: whether step 8 (the reading by the next word's category) applies.
bool ByNextWord(const Site& s) {
    if (s.cat(-1) == kCatSign) {
        const u8 b = s.firstByte(-1);
        if (b == ';' || b == '!' || b == '?' || b == '.' || b == ':') return true;
    }
    const bool next = s.exists(1) && s.count(1) == 1 &&
                      (s.cat(1) == kCatArticle || s.clsIs(1, 'B', 'C') ||
                       (s.exists(2) && s.cat(1) == kCatAdverb && s.clsIs(2, 'B', 'C')) ||
                       (s.cls(1) == 'M' && s.cat(1) == kCatNoun));
    const u8 c = s.cat(-1);
    const bool before = s.count(-1) == 1 &&
                        (((c == kCatPastParticiple || c == kCatInfinitive || c == kCatVerb) && s.cls(-1) > 0x8F) ||
                         c == kCatSubordinating || s.cls(-1) == 'G');
    return next && before;
}

// E9, third case: "de" before a plural determiner ("de nombreux", "de
// tels", "d'autres"...).
void BeforePluralDeterminer(const Site& s) {
    if (s.starts(1, "nombreu") || s.starts(1, "tel")) {
        Article(s);
        return;
    }
    Preposition(s);
    if (DeterminerBefore(s, true)) return;
    if (s.cls(-1) == 'Q') {
        if (!s.starts(-1, "di") && !s.ends(-1, "di")) {
            if (s.is(-1, "tout"))
                ToutPronoun(s);
            else
                s.setCls(0, '&');
        }
    } else if (s.cls(-1) == 'P') {
        s.setCls(0, '&');
    } else if (PronounTakenAsDeterminer(s)) {
        s.setCls(-1, 'Q');
        s.setCat(-1, kCatDeterminer);
        s.setCls(0, '&');
    }
}

// E9.
void DeByContext(const Site& s) {
    if (s.exists(1) && s.count(-1) == 1 && s.cat(-1) == kCatNoun && s.count(1) == 1 && s.cat(1) == kCatNoun &&
        s.cls(1) != 0x40) {
        Preposition(s);
        return;
    }
    if (s.mode == 1 && AfterQuantityAdverb(s) && s.isOneOf(1, kLaElided)) {
        if (s.isOneOf(-1, kStrongQuantity)) s.set(0, kCatDeterminer, 'T');
        return;
    }
    if (s.exists(1) && s.cat(1) == kCatDeterminer && s.feat(1) % 16 == 8 &&
        !(s.i != 1 && s.cat(-2) == kCatVerb && s.cls(-2) < 0x96 && !s.starts(-1, "un"))) {
        BeforePluralDeterminer(s);
        return;
    }
    // A reading of the word before other than a preposition: "de" is a
    // preposition; after a word that can only be a preposition, an article.
    const WordRecord& w = s.word(-1);
    for (i32 r = 0; r < static_cast<i32>(w.ReadingCount) && r < static_cast<i32>(kReadingSlots); ++r) {
        if (w.ReadingCategories.ClampedAt(r) != kCatPreposition) {
            Preposition(s);
            return;
        }
    }
    Article(s);
}

// E10: after a coordinating conjunction or a comma, "de" reads as the
// "de" it repeats.
void DeAfterConjunction(const Site& s) {
    // Before an adverb ("et de beaucoup d'embarras"), a preposition ("de
    // par sa qualité") or an infinitive ("et d'avoir été") no article
    // stands: the preposition, whatever the "de" before.
    if (s.exists(1) && (s.cat(1) == kCatAdverb || s.cat(1) == kCatPreposition || s.findReading(1, kCatInfinitive) >= 0)) {
        Preposition(s);
        return;
    }
    for (i32 k = s.i - 1; k >= 0; --k) {
        const i32 p = k - s.i;
        const bool de = s.is(p, "de") || s.is(p, "d'");
        if (!de && s.cat(p) != kCatVerb) continue;
        if (de && k >= 1) {
            s.setCat(0, s.cat(p));
            s.setCls(0, s.cls(p));
            s.setFeat(0, s.feat(p));
            return;
        }
        break;
    }
    if (s.cat(1) != kCatArticle || s.clsIs(1, 'd', 'D'))
        Article(s);
    else
        Preposition(s);
}

// E12, found at slot q: "beaucoup de", "la moitié de", "le plus de".
void DeQuantity(const Site& s, i32 q) {
    bool determined = false;
    if (s.cat(-1) == kCatNoun) {
        s.keepOne(-1);
        i32 p = -2;
        while (s.at(p) >= 0 && (s.cat(p) == kCatNoun || s.cat(p) == kCatAdverb)) --p;
        if (s.at(p) >= 0 && s.catIn(p, kCatArticle, kCatContracted)) {
            s.keepOne(p);
            determined = true;
        }
    }
    if (q < kMoitie && !determined && s.mode == 1) {
        for (i32 p = -1; p <= 0; ++p) {
            s.setCls(p, 'Q');
            s.setCat(p, kCatDeterminer);
        }
        s.setFeat(-1, 0);
        s.setFeat(0, s.feat(1));
        if (q == kNombre && (s.i == 2 || (s.exists(-3) && s.cat(-3) != kCatArticle && s.cat(-3) != kCatDeterminer))) {
            if (s.is(-2, "bon")) {
                s.setCls(-2, 'Q');
                s.setCat(-2, kCatDeterminer);
                s.setFeat(-2, 0);
            }
            return;
        }
        if (q <= kMoins && s.exists(-2) && s.is(-2, "le")) {
            s.setCls(-2, 'Q');
            s.setCat(-2, kCatDeterminer);
            s.setFeat(-2, 0);
            i32 k = 1;
            while (s.exists(k) && s.cat(k) == kCatNoun && !s.is(k, "possible")) ++k;
            if (s.exists(k) && s.is(k, "possible")) {
                s.setCls(k, 0x14);
                s.setCat(k, kCatAdverb);
                s.setFeat(k, 0);
            }
        }
        if (q < kNombre && q != kBien && s.isOneOf(1, kLaElided)) {
            s.setCls(-1, 0x14);
            s.setCat(-1, kCatAdverb);
            s.setCls(0, 'T');
        }
        return;
    }
    if (s.exists(-2) && s.cat(-2) == kCatPreposition) {
        s.set(0, kCatPreposition, '!', 0x00);
        s.keepOne(-2);
        return;
    }
    QuantityNounArticle(s, 0);
}

// The next word opens its own noun group with an article, a possessive, a
// demonstrative or an indefinite determiner ("de la mère", "de l'ONU", "de
// son rôle", "de tous ceux", "de plusieurs routes"): "de" before it is the
// preposition, never an article ("de nombreux", "de tels" are adjectives
// after the article "de").
bool BeforeDeterminer(const Site& s) {
    if (!s.exists(1)) return false;
    if (s.cat(1) == kCatArticle || s.cat(1) == kCatContracted) return true;
    return s.cat(1) == kCatDeterminer && !s.starts(1, "nombreu") && !s.starts(1, "tel");
}

// "de plus" after a noun, a numeral or an indefinite pronoun says how much
// more of it there is ("un jour de plus", "dix de plus", "rien de plus"):
// "de" stays the preposition before the adverb "plus", which is then no
// part of the sentence adverb "de plus" (moreover). Before "de"/"d'",
// "plus" is a quantity ("de plus de dix ans") and no locution is made.
constexpr const char* kIndefinites[] = {"rien", "quoi", "personne", "chose", nullptr};
constexpr const char* kDeOrElided[] = {"de", "d'", nullptr};
bool MoreOfWhatWentBefore(const Site& s) {
    if (!s.exists(-1)) return false;
    return s.cat(-1) == kCatNoun || rules::Cls(s.at(-1)) == 'R' || rules::Cls(s.at(-1)) == 'S' ||
           s.isOneOf(-1, kIndefinites);
}

// Step E.
u16 DeReading(const Site& s) {
    const bool de = s.n == kDe;
    if (s.clsIs(0, 0x7F, 'h')) {
        if (s.feat(1) == 0x64 || s.feat(1) == 0x44) {
            s.setCls(0, '!');
            s.setFeat(0, 0x40);
            s.setCat(0, kCatPreposition);
        } else {
            s.setCls(0, 'h');
            s.setFeat(0, AfterNegation(s) ? NumberOfNext(s) : 0x08);
        }
        return 0;
    }
    if (DeLocution(s)) return 0;
    if (PlainPreposition(s)) {
        Preposition(s);
        s.keepOne(0);
        return 0;
    }
    if (s.cat(-1) == kCatNoun) {
        if (s.exists(1) && s.cat(1) == kCatNoun) {
            Preposition(s);
            s.keepOne(0);
        } else if (s.exists(2) && s.isOneOf(1, kLaElided) && s.cat(2) == kCatNoun) {
            Preposition(s);
            s.keepOne(0);
            MeasureRule(s);
            return 0;
        }
    }
    if (OpensSentence(s) && s.cat(1) != kCatDeterminer) {
        Article(s);
    } else if (AfterNegation(s)) {
        Article(s);
    } else if (s.cat(-1) == kCatCoordinating || s.cat(-1) == kCatComma) {
        DeAfterConjunction(s);
    } else if (ByNextWord(s) && s.mode == 1) {
        if (s.cat(1) == kCatArticle && !s.clsIs(1, 'd', 'D'))
            Preposition(s);
        else if (s.cat(1) != kCatNoun)
            Article(s);
        else if (s.cat(-1) == kCatPastParticiple || s.cat(-1) == kCatInfinitive || s.cat(-1) == kCatVerb)
            Article(s);
        else
            Preposition(s);
    } else {
        DeByContext(s);
    }
    if (s.cat(0) == kCatArticle && (BeforeDeterminer(s) || SingularNounAhead(s))) Preposition(s);
    if (ArticleBeforeNombreux(s)) Article(s);
    // Step 11.
    s.setFeat(0, 0x40);
    s.keepOne(0);
    if (s.isLast()) return 0;
    const i32 q = QuantitySlot(s, -1, kQuantitySlots);
    if (q >= 0) {
        DeQuantity(s, q);
        FeatureFold(s);
        if (de) return 0;
    } else if (!de) {
        if (s.is(1, "ailleurs")) {
            s.adverbParts(0, 1);
            s.keepOne(0, 1);
        }
    } else {
        if (s.exists(2) && s.is(1, "plus") && s.cat(2) != kCatNoun && !s.isOneOf(2, kDeOrElided)) {
            if (MoreOfWhatWentBefore(s)) {
                s.setCat(1, kCatAdverb);
                s.setCls(1, 0x14);
            } else {
                s.adverbParts(0, 1);
            }
            s.keepOne(0, 1);
        }
        if (s.exists(4) && ((s.is(1, "plus") && s.is(2, "en") && s.is(3, "plus")) ||
                            (s.is(1, "moins") && s.is(2, "en") && s.is(3, "moins")))) {
            s.adverbParts(0, 3);
            s.keepOne(0, 3);
        }
        return 0;
    }
    // Step 13, "d'".
    if (s.is(1, "aucuns")) s.setCat(0, kCatAdverb);
    if (s.is(1, "abord")) {
        s.setCat(0, kCatAdverb);
        s.setCat(1, kCatAdverb);
    }
    return 0;
}

}  // namespace

u16 ApplyDeRules(const Site& s) {
    FillQuantityWords();
    if (s.clsIs(0, kClassAdverbPart, kClassConjunctionPart)) return 0;
    if (PrepositionalLocution(s)) return 0;
    if (s.n == kDe) {
        if (s.exists(1) && s.starts(1, "le") &&
            (s.starts(1, "lesq") || s.starts(1, "lesd") || s.is(1, "lequel") || s.is(1, "ledit"))) {
            s.set(0, kCatPreposition, '!');
            return static_cast<u16>(129 + s.i);
        }
        return DeReading(s);
    }
    if (s.n == kDElided) return DeReading(s);
    const bool des = s.n == kDes;
    if (!des && s.exists(1) && s.is(-1, "pas") && s.is(1, "tout")) {
        s.setCat(0, kCatAdverb);
        s.setCat(1, kCatAdverb);
        s.keepOne(0, 1);
        s.setCls(0, '$');
    } else if (DuDesReading(s, des)) {
        return 0;
    }
    return DuDesQuantity(s, des);
}

}  // namespace french
