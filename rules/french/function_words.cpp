#include "rules/french/function_words.h"

#include <utility>

#include "frame/mac_roman_literal.h"
#include "frame/report.h"
#include "rules/french/function_word_entries.h"

namespace french {

namespace {

enum : i32 { kLe = 0, kLa = 1, kLes = 2, kElided = 3, kUn = 4, kUne = 5 };

constexpr const char* kAfterMissingContraction[] = {"de", MR("à"), "au", nullptr};
constexpr const char* kDemonstratives[] = {"celui", "celle", "ceux", nullptr};
constexpr const char* kBeforeNounLa[] = {"le", "un", "au", "du", nullptr};
constexpr const char* kPlusMoins[] = {"plus", "moins", nullptr};
constexpr const char* kUnUne[] = {"un", "une", nullptr};
constexpr const char* kNotNounAfter[] = {"tou", "seul", "chacun", nullptr};
constexpr const char* kTensNouns[] = {"dizaine",     "douzaine",     "vingtaine",   "trentaine",
                                      "quarantaine", "cinquantaine", "soixantaine", "centaine", nullptr};

// Step 6 of the articles: the number of adverbs after the word (their last
// held reading of category 18, class outside 0x17..0x1A).
i32 AdverbsAfter(const Site& s) {
    i32 n = 0;
    while (s.exists(n + 1)) {
        const WordRecord& w = s.word(n + 1);
        const i32 last = static_cast<i32>(w.ReadingCount) - 1;
        const u8 c = w.ReadingCategories.ClampedAt(last);
        const u8 k = w.ReadingClasses.ClampedAt(last);
        if (c != kCatAdverb || (k >= 0x17 && k <= 0x1A)) break;
        ++n;
    }
    return n;
}

bool HoldsCategory(const Site& s, i32 p, u8 c) { return s.findReading(p, c) >= 0; }

// The noun reading of the next word cannot follow the article in gender or
// number: "pour les toucher", "de la vouloir", "à le lire" hold the pronoun
// before the verb.
bool NounDisagreesWithArticle(const Site& s) {
    const i32 r = s.findReading(1, kCatNoun);
    if (r < 0) return false;
    const u8 f = s.word(1).ReadingFeatures.ClampedAt(r);
    const u8 g = static_cast<u8>(f / 16), n = static_cast<u8>(f % 16 / 4);
    switch (s.n) {
    case kLe: return g == 2 || n == 2;
    case kLa: return g == 1 || n == 2;
    case kLes: return n == 1;
    default: return false;
    }
}

// Step 5: an article before a noun after a participle, infinitive, verb or
// preposition, or after a sentence-opening preposition or adverb.
void SettleArticle(const Site& s) {
    const bool afterVerb = s.count(0) >= 2 && s.exists(1) && s.count(-1) == 1 && s.catIn(-1, 12, 15) &&
                           s.cat(1) != kCatPresentParticiple && s.cat(1) != kCatInfinitive;
    const bool opening = s.i == 1 && (s.cat(-1) == kCatPreposition || s.cat(-1) == kCatAdverb);
    if (!(afterVerb || opening) || !HoldsCategory(s, 1, kCatNoun)) return;
    // A noun reading that cannot follow the article leaves the pronoun to
    // a verb reading: an infinitive or a present participle, or a
    // conjugated verb when the article opens the sentence after a
    // preposition or an adverb ("Comme le montre le tableau").
    if (NounDisagreesWithArticle(s) &&
        (HoldsCategory(s, 1, kCatInfinitive) || HoldsCategory(s, 1, kCatPresentParticiple) ||
         (opening && !afterVerb && HoldsCategory(s, 1, kCatVerb))))
        return;
    s.takeReading(0, kCatArticle, kCatDeterminer);
    s.setCat(0, kCatArticle);
    s.keepOne(0);
    if (s.count(1) == 2 && s.cat(1) == kCatNoun && s.cat1(1) == kCatVerb) s.keepOne(1);
}

// Step 6: article before a noun, object pronoun before a verb (an
// infinitive or a word that can only be a finite verb: "Marie la
// chantait"), over the adverbs in between.
void SettleBeforeAdverbs(const Site& s) {
    const i32 x = AdverbsAfter(s) + 1;
    if (s.count(0) > 1 && s.exists(1) && s.count(x) == 1 && (s.cat(x) == kCatNoun || s.firstByte(x) == '"')) {
        s.takeReading(0, kCatArticle, kCatArticle);
        s.setCat(0, kCatArticle);
        s.keepOne(0);
    }
    if (s.count(0) > 1 && s.exists(1) && s.count(x) == 1 &&
        (s.cat(x) == kCatObjectPronoun || s.cat(x) == kCatInfinitive || s.cat(x) == kCatVerb)) {
        s.takeReading(0, kCatObjectPronoun, kCatObjectPronoun);
        s.setCat(0, kCatObjectPronoun);
        s.keepOne(0);
    }
}

// Entry 5 ("une") before a numeral noun in -aine, entry 4 ("un") before
// "milli...".
bool BeforeNumeralNoun(const Site& s) {
    if (s.n == kUn) return s.starts(1, "milli") && s.length(1) < 9;
    return s.ends(1, "aine") && s.startsOneOf(1, kTensNouns);
}

// Step 4, last case: "un"/"une" before a word that may follow an article.
bool BeforeNominal(const Site& s) {
    const WordRecord& next = s.word(1);
    for (i32 r = 0; r < static_cast<i32>(next.ReadingCount) && r < static_cast<i32>(kReadingSlots); ++r) {
        const u8 c = next.ReadingCategories.ClampedAt(r);
        if (c == kCatDeterminer || c == kCatContracted || c == kCatNoun) return true;
        if (next.QuoteFlags > 0x1FFF || s.is(1, "de")) return true;
        if ((c == kCatAdverb || c == kCatSign) && s.exists(2) && s.word(2).ReadingCategories.ClampedAt(r) == kCatNoun)
            return true;
    }
    return false;
}

}  // namespace

u16 ApplyArticleRules(const Site& s) {
    const i32 n = s.n;
    std::swap(s.word(0).ReadingLemmaRefs.ClampedAt(0), s.word(0).ReadingLemmaRefs.ClampedAt(1));
    // Missing contraction: "de le livre".
    if ((n == kLe || n == kLes) && s.mode == 1 && s.exists(1) && s.count(0) == 1 && s.cat(0) == kCatArticle &&
        s.count(1) == 1 && s.cat(1) == kCatNoun && s.cls(1) != 0x40 && s.isOneOf(-1, kAfterMissingContraction))
        return static_cast<u16>(128 + s.i);
    if (n == kLa) {
        if (s.cat(-1) != kCatArticle) {
            if (s.exists(1) && s.cls(1) >= 0x80 && s.isOneOf(-1, kDemonstratives)) {
                gErrorExtent = 14;  // "celui la mange"
                return static_cast<u16>(768 + s.i);
            }
        } else if (s.mode == 0 && s.isOneOf(-1, kBeforeNounLa)) {
            s.set(0, kCatNoun, 'A', 0x14);  // the note "la"
        }
    }
    if (s.cat(-1) == kCatSubjectPronoun || s.cat(-1) == kCatDemonstrative || s.cat(-1) == kCatIndefinite ||
        (s.exists(1) && s.cat(1) == kCatObjectPronoun)) {
        s.set(0, kCatObjectPronoun, 0x7C);
        if (s.exists(1) && s.is(1, "leur")) s.set(1, kCatObjectPronoun, '_', 0x0B);
    } else {
        SettleArticle(s);
    }
    SettleBeforeAdverbs(s);
    if (n <= kLes && s.exists(1) && s.isOneOf(1, kPlusMoins)) {
        s.keepOne(0);
        s.set(1, kCatAdverb, 0x14, 0x00);
    }
    if (n == kElided && s.exists(1)) {
        if (s.isOneOf(1, kUnUne)) s.keepOne(0);
        if (s.is(1, "on")) s.set(0, kCatNone, 0x00, 0x00);
    }
    return 0;
}

u16 ApplyUnRules(const Site& s) {
    const bool un = s.n == kUn;
    const u8 articleClass = un ? 'h' : 'i';
    const u8 singular = un ? 0x14 : 0x24;
    s.word(0).ReadingLemmaRefs.ClampedAt(1) = s.word(0).ReadingLemmaRefs.ClampedAt(0);
    if (s.cls(-1) == 'R') s.set(0, kCatDeterminer, 'R', 0x08);
    if (s.count(0) == 1 && s.is(-1, "et")) return 0;
    if (s.is(-1, "d'") && s.cls(-1) != kClassAdverbPart) {
        s.set(0, kCatArticle, articleClass, singular);
        s.set(-1, kCatPreposition, '!', 0x00);
    } else if (s.is(-1, MR("numéro"))) {
        s.set(0, kCatNoun, 'B', 0x14);
        s.setMark(0, 'N');
    } else if (s.count(-1) == 1 && s.catIn(-1, kCatArticle, kCatContracted) && !s.startsOneOf(-1, kNotNounAfter) &&
               s.firstByte(-1) > 0x40) {
        // The noun: "le un", "la une".
        s.set(0, kCatNoun, 'A', singular);
        s.setMark(0, un ? 'N' : 'E');
        if (s.exists(2) && s.is(1, "l'") && s.is(2, "autre")) {
            for (i32 p = -1; p <= 2; ++p) s.set(p, kCatAdverb, kClassAdverbPart);
        }
        if (s.exists(3) && s.is(2, "l'") && s.is(3, "autre") && (s.cat(1) == kCatPreposition || s.is(1, "comme")))
            s.setCat(1, kCatCoordinating);
    } else if (s.exists(1) && BeforeNumeralNoun(s)) {
        s.keepOne(0);
        if (!s.is(2, "de") && !s.is(2, "d'")) {
            s.setCat(0, kCatDeterminer);
            s.setCat(1, kCatDeterminer);
            s.setCls(0, 'P');
            s.setCls(1, 'P');
            s.setFeat(1, 0x08);
            s.setFeat(0, singular);
            if (!un) return 0;
        } else {
            s.set(2, kCatArticle, 0x7F, s.feat(3));
        }
    } else if (s.exists(1) && (BeforeNominal(s) || s.cat(-1) == kCatRelative)) {
        s.set(0, kCatArticle, articleClass, singular);
    }
    if (un && s.exists(1) &&
        (s.is(1, "peu") || (s.is(1, "rien") && (!s.exists(2) || s.cat(2) == kCatNoun)) || s.is(1, "tantinet"))) {
        s.set(0, kCatAdverb, kClassAdverbPart);
        s.set(1, kCatAdverb, kClassAdverbPart);
    }
    return 0;
}

}  // namespace french

u16 ApplyFrenchFunctionWordRule(u16 mode, i32 entry, i32 wordIndex, u16 capitalised) {
    const i16 n = static_cast<i16>(entry);
    const i16 i = static_cast<i16>(wordIndex);
    if (n >= 15)
        return ApplyFrenchFunctionWordRuleTail(mode, static_cast<u16>(n), static_cast<u16>(i), capitalised);
    const french::Site s{i, mode, n};
    switch (n) {
    case 0: case 1: case 2: case 3: return french::ApplyArticleRules(s);
    case 4: case 5: return french::ApplyUnRules(s);
    case 6: case 7: case 8: case 9: return french::ApplyDeRules(s);
    case 10: case 11: return french::ApplyQueRules(s);
    case 12: case 13: case 14: return french::ApplyConjunctionRules(s);
    default: return 0;
    }
}
