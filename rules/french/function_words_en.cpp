// Entries 20 to 31, 48 and 49 of the function words: "en" (pronoun,
// preposition or part of an adverbial locution), the adverbs "pas",
// "bien", "mal", "pire", "rien", "point" (a negation "pas" after a verb is
// counted), and the prepositions "par" ... "avant" ("dans mon avis" is
// reported).
#include "frame/mac_roman_literal.h"
#include "frame/report.h"
#include "rules/french/function_word_entries.h"

namespace french {

namespace {

enum : i32 {
    kPas = 21, kBien = 22, kMal = 23, kRien = 48, kPoint = 49,
    kPar = 25, kPour = 26, kSur = 27, kSous = 28, kDans = 29, kVers = 30, kAvant = 31
};

constexpr const char* kEnNouns[] = {"effet",       MR("cachette"), MR("conséquence"), MR("définitive"),
                                    MR("détail"),  "douce",        MR("général"),     "gros",
                                    "particulier", "principe",     MR("privé"),       "outre",
                                    MR("réalité"), "somme",        "tapinois",        "voiture",
                                    nullptr};
constexpr const char* kEnPlaces[] = {"avant", MR("arrière"), "dehors", "aval", "amont", nullptr};
constexpr const char* kParAdverbs[] = {"ailleurs", "ainsi",   MR("après"), "contre",    "exemple", MR("mégarde"),
                                       "hasard",   "chance",  "malchance", "scrupule", nullptr};
constexpr const char* kPourEnd[] = {"commencer", MR("mémoire"), nullptr};
constexpr const char* kPlusMoins[] = {"plus", "moins", nullptr};

void AdverbLocution(const Site& s, i32 from, i32 to) {
    s.keepOne(from, to);
    s.adverbParts(from, to);
}

// The words from the matched word on that a noun phrase after "en" makes
// adverbs: the walk stops at a word of another category, or past the next
// word at an ambiguous one.
i32 EnNounWalkEnd(const Site& s) {
    i32 p = 0;
    while (s.exists(p)) {
        if (p > 1 && s.count(p) > 1 && s.cat(-1) != kCatVerb) break;
        if (s.cat(p) != kCatNoun && s.cat(p) != kCatAdverb) break;
        ++p;
    }
    return p;
}

// Step 7 and 8's walk: nouns, adverbs, conjunctions and commas, up to an
// ambiguous word past the next one, or a conjunction or comma before a
// pronoun, determiner or verb.
bool EnPhraseStops(const Site& s, i32 p) {
    if (p > 1 && s.count(p) > 1) return true;
    const u8 c = s.cat(p);
    if (c != kCatNoun && c != kCatCoordinating && c != kCatAdverb && c != kCatComma) return true;
    return (c == kCatCoordinating || c == kCatComma) && s.exists(p + 1) &&
           (s.cat(p + 1) < kCatArticle || s.cat(p + 1) == kCatVerb);
}

// A word that can only be a verb: every reading an infinitive or a
// conjugated form, whichever verb it belongs to ("convient" of convenir
// and of convier, "dites-vous"), or a verb beside function words only
// ("soit"). A preposition "en" needs a noun or a gerund after it, so "en"
// before such a word is the pronoun ("Tout le monde en convient.").
bool OnlyVerbReadings(const Site& s, i32 p) {
    const WordRecord& w = s.word(p);
    for (i32 r = 0; r < s.count(p); ++r) {
        const u8 c = w.ReadingCategories.ClampedAt(r);
        if (c >= kCatArticle && c < kCatInfinitive) return false;
    }
    return true;
}

// "est", "être", "avoir" are also nouns (the east, a being, assets), but
// none of them follows a preposition "en" without a determiner: before a
// conjugated form or the infinitive of an auxiliary, "en" is the pronoun
// ("Le coût en est moins élevé", "pour en être devenu"). "été" stays
// open: "en été" is the season.
bool AuxiliaryVerbForm(const Site& s, i32 p) {
    for (i32 r = 0; r < s.count(p); ++r) {
        const u8 c = rules::Cat(s.at(p), r);
        if ((c == kCatVerb || c == kCatInfinitive) && IsAuxiliaryClass(rules::Cls(s.at(p), r))) return true;
    }
    return false;
}

// After the subject "qui", "en" before a verb form and its object's
// determiner is the pronoun: "qui en fait son témoin" (the adverb "en
// fait" would leave the clause without its verb).
bool RelativeSubjectVerb(const Site& s) {
    if (!s.is(-1, "qui") || s.cat(-1) != kCatRelative || !s.exists(2) || s.isOneOf(1, kEnNouns)) return false;
    bool verb = false;
    for (i32 r = 0; r < s.count(1); ++r) verb = verb || rules::Cat(s.at(1), r) == kCatVerb;
    const u8 c = s.cls(2);
    return verb && (s.cat(2) == kCatArticle || s.cat(2) == kCatDeterminer || (c >= 'm' && c <= '{'));
}

// Steps 1 and 2 (mode 0): the pronoun, and the locutions; true when the
// rule goes on at step 5, and `locution` when one was made.
bool EnPronounOrLocution(const Site& s, bool& locution) {
    // "c'" is always a subject: "C'en est fait."
    if (s.cat(-1) == kCatSubjectPronoun || s.cat(-1) == kCatObjectPronoun || s.cls(-1) == 0x16 || s.is(-1, "c'")) {
        s.set(0, kCatObjectPronoun, 0x7C, 0x00);
        return true;
    }
    if (s.mode == 1) return true;
    if (!s.exists(1)) return false;
    if (((s.cat(1) == kCatInfinitive || s.cat(1) == kCatVerb) && OnlyVerbReadings(s, 1)) ||
        AuxiliaryVerbForm(s, 1) || RelativeSubjectVerb(s)) {
        s.set(0, kCatObjectPronoun, 0x7C, 0x00);
        return true;
    }
    if (s.is(1, "rapport") && s.exists(2) && s.clsIs(2, 0x22, 'f')) {
        s.keepOne(0);
        s.adverbParts(0, 1);
        return locution = true;
    }
    if (s.cat(1) == kCatNoun && s.isOneOf(1, kEnNouns)) {
        AdverbLocution(s, 0, 1);
        return locution = true;
    }
    if (!(s.exists(2) && s.is(2, "de")) && s.isOneOf(1, kEnPlaces)) {
        AdverbLocution(s, 0, 1);
        return locution = true;
    }
    return false;
}

// Step 5: "en" + noun after a verb of mark '?' that governs it.
void EnAfterGoverningVerb(const Site& s) {
    if (!s.exists(1) || s.cat(1) != kCatNoun) return;
    i32 k = s.i - 1;
    while (k >= 1 && !(rules::Cat(k) < kCatArticle || (rules::Cat(k) >= kCatPastParticiple && rules::Cat(k) <= 17))) --k;
    if (k < 1) k = 0;
    if (rules::Cat(k) < kCatPastParticiple || rules::Cat(k) > kCatVerb || rules::Mark(k) != '?') return;
    AdverbLocution(s, 0, 1);
    if (s.exists(2) && s.count(2) > 1 && s.cat(2) == kCatArticle) s.keepOne(2);
}

}  // namespace

u16 EnRules(const Site& s) {
    bool locution = false;
    if (!EnPronounOrLocution(s, locution) && s.mode == 0) {
        if (s.exists(1) && s.cat(1) == kCatNoun && s.cls(1) != 0x40 && s.count(1) == 1) {
            s.setCat(0, kCatAdverb);
            const i32 end = EnNounWalkEnd(s);
            for (i32 p = 0; p < end; ++p) {
                s.keepOne(p);
                s.setCat(p, kCatAdverb);
            }
            if (end > 0 && s.firstByte(end - 1) == ',') s.setCat(end - 1, kCatComma);
        } else {
            s.set(0, kCatPreposition, '#', 0x00);
        }
    }
    EnAfterGoverningVerb(s);
    if (s.mode == 0) return 0;
    if (!locution && s.count(-1) == 1 && s.cat(-1) == kCatVerb &&
        ((s.exists(1) && s.cat(1) == kCatNoun) || s.cat1(1) == kCatNoun)) {
        s.setCat(0, kCatAdverb);
        s.setCat(1, kCatAdverb);
        s.keepOne(1);
        for (i32 p = 0; s.exists(p) && !EnPhraseStops(s, p); ++p) {
            s.keepOne(p);
            if (p > 0 && s.mark(-1) < 0x80) s.setCat(p, kCatAdverb);
        }
    }
    if (s.count(0) >= 2 && s.exists(2) && s.cat(1) == kCatNoun && s.cat(2) == kCatNoun) {
        s.setCat(0, kCatAdverb);
        for (i32 p = 0; s.exists(p) && !EnPhraseStops(s, p); ++p) {
            s.keepOne(p);
            s.setCat(p, kCatAdverb);
        }
    }
    return 0;
}

namespace {

bool BeforeNoun(const Site& s) {
    return s.count(-1) == 1 &&
           (s.cat(-1) == kCatArticle || s.cat(-1) == kCatDeterminer || s.cls(-1) == 'm' || s.cls(-1) == 'p' ||
            s.cls(-1) == 's' || s.cls(-1) == 'v' || s.cls(-1) == 'x' || s.cls(-1) == 'z' || s.is(-1, "ce"));
}

// Step 4 (mode 1): "rien", "point" after "jour", the other adverbs.
void AdverbReadingPass1(const Site& s) {
    s.keepOne(0);
    if (s.n == kRien) {
        if (s.cat(0) != kCatAdverb) {
            if (s.exists(1) && s.cls(1) == 0x16) {
                s.setCat(0, kCatIndefinite);
                s.setCls(0, 'K');
                s.setFeat(0, 0x14);
                s.lemma(1);
            } else {
                s.setCat(0, kCatAdverb);
                s.setCls(0, 0x14);
            }
        } else {
            if (s.cls(0) != kClassAdverbPart) s.setCls(0, 0x14);
            s.lemma(2);
        }
    } else if (s.n == kPoint && s.starts(-1, "jour")) {
        s.setCat(0, kCatVerb);
        s.setFeat(0, 0x08);
    } else if (s.cls(0) != kClassConjunctionPart) {
        s.setCat(0, kCatAdverb);
        s.setCls(0, 0x14);
        s.setFeat(0, 0);
    }
}

void BienLocutions(const Site& s) {
    if ((s.exists(1) && s.is(1, MR("sûr"))) || s.is(1, "entendu")) {
        s.setCat(0, kCatAdverb);
        s.setCat(1, kCatAdverb);
        s.setCls(0, 0x14);
        s.lemma(1);
    } else if (s.exists(-2) && s.is(-2, "bel") && s.is(-1, "et")) {
        s.adverbParts(-2, 0);
        s.lemma(1);
    }
}

}  // namespace

u16 AdverbRules(const Site& s) {
    bool counted = false;
    const bool bien = s.n == kBien;
    if (s.n == kPas && s.mode == 0 &&
        (s.cat(-1) == kCatVerb || (s.exists(-2) && s.cat(-1) == kCatAdverb && s.cat(-2) == kCatVerb))) {
        if (s.exists(1) && s.is(1, "mal")) AdverbLocution(s, 0, 1);  // "pas mal"
        else counted = true;
    } else if (bien && s.exists(1) && s.cls(0) != kClassConjunctionPart && s.count(1) == 1 &&
               (s.clsIs(1, 'B', 'C') || s.isOneOf(1, kPlusMoins))) {
        s.keepOne(0);
        s.setCat(0, kCatAdverb);
        s.setCls(0, 0x14);
        BienLocutions(s);
        return 0;
    }
    if (BeforeNoun(s)) {
        if (bien && s.exists(-2) && s.cls(-2) > 0x7F && s.starts(-1, "tou")) {
            s.setCat(0, kCatAdverb);
            s.setCls(0, 0x14);
        } else {
            s.nounReading();
        }
        s.keepOne(0);
    } else if (s.mode == 1) {
        AdverbReadingPass1(s);
        if (s.n == kRien || s.n == kPoint) return counted ? 1 : 0;
    }
    if (s.n == kMal && s.exists(-3) && s.is(-3, "tant") && s.is(-2, "bien") && s.is(-1, "que")) {
        s.adverbParts(-3, 0);
        s.lemma(1);
    }
    if (bien) BienLocutions(s);
    return counted ? 1 : 0;
}

namespace {

// Step 1: the noun reading after a determiner ("le pour et le contre").
bool PrepositionAsNoun(const Site& s) {
    if (s.count(-1) != 1) return false;
    if (s.cat(-1) == kCatContracted) return true;
    if (s.cat(-1) == kCatArticle) return s.firstByte(-1) != 'u';
    if (s.cat(-1) != kCatDeterminer || s.n == kDans) return false;
    // A numeral counts nouns: "deux sous", "trois vers", but a date or a
    // number before "par", "pour", "sur" is no determiner of theirs ("en
    // 1911 par un Italien").
    const bool numeral = s.cls(-1) == 'R' || s.cls(-1) == 'S';
    if (numeral && s.n != kSous && s.n != kVers) return false;
    const u8 f = static_cast<u8>(s.feat(-1) % 16);
    return s.n == kSous || s.n == kVers ? f >= 8 : f < 8;
}

}  // namespace

u16 PrepositionRules(const Site& s) {
    const i32 n = s.n;
    if (PrepositionAsNoun(s)) {
        s.nounReading();
    } else if (s.mode == 1 && s.cls(0) != kClassAdverbPart && s.cls(0) != kClassConjunctionPart &&
               s.cls(0) != kClassPrepositionPart) {
        s.setCat(0, kCatPreposition);
        s.setCls(0, 0x22);
        s.setFeat(0, 0);
        s.keepOne(0);
        if (n == kSous || n == kDans || n == kVers) s.lemma(1);
    }
    const bool lastNext = !s.exists(2);
    if (n == kSous && s.exists(1) && s.cat(-1) == kCatArticle && s.cat(1) == kCatNoun) {
        s.set(0, kCatAdverb, 0x14);
        s.lemma(1);
    } else if (n == kPour && s.exists(1) &&
               ((s.is(1, "autant") && (lastNext || !s.is(2, "que"))) || s.is(1, "lors") ||
                (s.isOneOf(1, kPourEnd) && (lastNext || s.cat(2) == kCatComma)))) {
        s.adverbParts(0, 1);
    } else if (n == kPour && s.is(-1, "de") && s.exists(1) &&
               (s.cat(1) == kCatArticle || s.cat(1) == kCatDeterminer)) {
        s.keepOne(-1, 0);
        s.prepositionParts(-1, 0);
    } else if (n == kSur && s.exists(2) && s.is(1, "ces") && s.is(2, "entrefaites")) {
        s.adverbParts(0, 2);
    } else if (n == kPar && s.exists(1) &&
               (s.isOneOf(1, kParAdverbs) || (s.is(1, "trop") && (lastNext || !s.is(2, "de"))))) {
        s.adverbParts(0, 1);
    } else if (n == kDans && s.mode == 1 && s.exists(2) && s.cls(1) >= 0x6D && s.cls(1) <= 0x7B &&
               (s.is(2, "avis") || s.starts(2, "opinion"))) {
        // "dans mon avis" for "à mon avis".
        gErrorExtent = static_cast<u16>(s.i);
        return static_cast<u16>(768 + s.i);
    }
    return 0;
}

}  // namespace french
