// Entries 10 to 14: "qu'"/"que" as relative pronoun, conjunction or part of
// a conjunctive locution ("afin que", "bien que" ...), and the coordinating
// "et", "ou", "ni".
#include "frame/mac_roman_literal.h"
#include "frame/report.h"
#include "rules/french/function_word_entries.h"

namespace french {

namespace {

enum : i32 { kQueElided = 10, kQue = 11, kEt = 12, kNi = 14 };
enum : u8 { kClassRelative = 'G', kClassConjunction = 0x11, kClassAdverb = 0x14 };

constexpr const char* kVailleCoute[] = {"vaille", MR("coûte"), nullptr};
constexpr const char* kRowA[] = {"ainsi",   "alors",   MR("aussitôt"), "cependant", "depuis", MR("dès"),
                                 "durant",  "maintenant", "outre", "pendant", MR("sitôt"), "tant", nullptr};
constexpr const char* kRowB[] = {"vu", "attendu", MR("excepté"), nullptr};
constexpr const char* kRowCA[] = {"cause", "mesure", "proportion", "preuve", nullptr};
constexpr const char* kRowG[] = {"autant", MR("plutôt"), "sauf", "selon", "suivant", "moyennant", nullptr};
constexpr const char* kRowHAu[] = {"cas", "lieu", "point", nullptr};
constexpr const char* kRowHDe[] = {MR("même"), "sorte", nullptr};
constexpr const char* kRowHEn[] = {"attendant", "cas", "ce", nullptr};
constexpr const char* kNonPas[] = {"non", "pas", nullptr};
constexpr const char* kMoinsPlus[] = {"moins", "plus", nullptr};
constexpr const char* kRowJ[] = {MR("après"), "pourvu", "avant", "afin", "pour", "encore", MR("malgré"),
                                 "quoi",      MR("où"),  "sans",  "soit", MR("supposé"), nullptr};
constexpr const char* kRowKA[] = {"moins", "supposer", "condition", nullptr};
constexpr const char* kRowKSous[] = {MR("réserve"), "condition", nullptr};
constexpr const char* kFaconManiere[] = {MR("façon"), MR("manière"), nullptr};
constexpr const char* kRowMDe[] = {"crainte", MR("façon"), MR("manière"), "peur", nullptr};
constexpr const char* kRowMEn[] = {"admettant", "sorte", nullptr};
constexpr const char* kSiPour[] = {"si", "pour", nullptr};
constexpr const char* kRowP[] = {"si", "pour", "quelque", "encore", nullptr};
constexpr const char* kNotNegation[] = {"pas", "jamais", MR("guère"), nullptr};
constexpr const char* kComparatives[] = {"plus", "moins", "mieux", nullptr};
constexpr const char* kPlutotAutant[] = {MR("plutôt"), "autant", nullptr};
constexpr const char* kDeElided[] = {"de", "d'", nullptr};
constexpr const char* kCeSoit[] = {"soit", MR("fût"), nullptr};
constexpr const char* kNeuterDemonstratives[] = {"cela", "ceci", MR("ça"), nullptr};

// "que" joined to the words from..-1 before it: every word from..0 gets
// one reading, category 17 and class '*', and "que" the kind f.
void Joined(const Site& s, i32 from, u8 f) {
    s.keepOne(from, 0);
    s.conjunctionParts(from, 0);
    s.setFeat(0, f);
}

// A locution whose "que" keeps its category: from..0 get one reading and
// class '*', from..-1 category 17.
void JoinedBefore(const Site& s, i32 from, u8 f) {
    for (i32 p = from; p <= 0; ++p) {
        s.keepOne(p);
        s.setCls(p, kClassConjunctionPart);
        if (p < 0) s.setCat(p, kCatSubordinating);
    }
    s.setFeat(0, f);
}

void Conjunction(const Site& s) {
    s.setCat(0, kCatSubordinating);
    s.setCls(0, kClassConjunction);
}

// The "que" of a comparison ("aussi grand que", "plus tôt qu'hier") is
// the conjunction of the comparison, but it opens no clause of its own:
// the clause analysis reads it as an adverb.
bool gComparisonQue = false;
void ComparisonQue(const Site& s) {
    s.setCat(0, kCatAdverb);
    s.setCls(0, kClassConjunction);
    gComparisonQue = true;
}

bool IsVerbal(u8 c) { return c == kCatVerb || c == kCatInfinitive; }

// Word p reads only as a conjugated verb or an infinitive.
bool VerbOnly(const Site& s, i32 p) {
    return s.exists(p) && IsVerbal(s.cat(p)) && (s.count(p) == 1 || IsVerbal(s.cat1(p)));
}

bool IsVerbAt(i32 k) { return rules::Cat(k) == kCatVerb || rules::Cat(k, 1) == kCatVerb; }

// Row w: going back from "que", count the clauses (verbs not followed by a
// negation, relatives) up to the word that governs a comparison ("plus",
// "tant", "aussi" ...); with an even count "que" is the conjunction or
// adverb of the comparison.
void ComparisonScan(const Site& s) {
    const i32 last = rules::Count() - 1;
    i32 c = -1;
    for (i32 k = s.i; k >= 0; --k) {
        const i32 p = k - s.i;
        if (k < last && IsVerbAt(k) && !s.isOneOf(p + 1, kNotNegation))
            ++c;
        else if (rules::Cat(k) == kCatRelative || rules::Cls(k) == 0x16)
            ++c;
        if (k > 0 && s.is(p - 1, "autant") && s.isOneOf(p, kComparatives)) {
            if (c == 2)
                Conjunction(s);
            else
                s.setCat(0, kCatRelative);
            return;
        }
        const bool clause = k < last && rules::Cls(k) == 0x16 &&
                            (IsVerbAt(k + 1) || (rules::Cat(k + 1) == kCatObjectPronoun && rules::Cat(k + 2) == kCatVerb));
        const bool comparative =
            s.is(p, "tant") || (s.is(p, "aussi") && rules::Cat(k + 1) == kCatNoun) ||
            (s.isOneOf(p, kPlutotAutant) && s.exists(1) && rules::Cls(k + 1) != '!') ||
            (s.isOneOf(p, kMoinsPlus) && k > 0 && !s.isOneOf(p + 1, kDeElided) &&
             !(rules::Cat(k - 1) == kCatArticle && rules::Cat(k + 1) == kCatNoun) && s.cat(-1) != kCatAdverb);
        if (!clause && !comparative) continue;
        if (c % 2 != 0) return;
        // "ne" and its verb make the restrictive adverb ("il ne dort que
        // le jour"); a comparative word, the comparison's conjunction.
        const auto adverb = [&] {
            if (clause) s.setCat(0, kCatAdverb);
            else ComparisonQue(s);
        };
        if (k != s.i - 1) {
            adverb();
        } else if ((k >= 2 && s.exists(1) && rules::Cat(k - 1) == kCatVerb && rules::Cls(k - 2) != 0x16 &&
                    s.cat(1) != kCatAdverb) ||
                   (k >= 3 && rules::Cat(k - 2) == kCatVerb && s.is(p - 1, "pas"))) {
            Conjunction(s);
        } else {
            adverb();
        }
        return;
    }
}

// The nouns that open a clause with "que" rather than take it as their
// relative: "le fait que", "une fois que", "en même temps que", "de telle
// façon que".
bool ConjunctiveNoun(const Site& s) {
    if (!s.exists(-2)) return false;
    if (s.is(-1, "fait")) return s.cat(-2) == kCatArticle || s.cat(-2) == kCatContracted;
    if (s.is(-1, "fois")) return s.is(-2, "une");
    if (s.is(-1, "temps")) return s.is(-2, MR("même"));
    return s.isOneOf(-1, kFaconManiere) || s.is(-1, "sorte") ? s.starts(-2, "tel") : false;
}

// A relative "que" is the object of a verb of its own clause: when no
// word after it up to the end of the sentence can be a conjugated verb,
// "que" joins a comparison ("les mêmes droits que les employés", "plus
// épaisse à sa base que celles des autres").
// "voici" and "voilà" take the relative as a verb would ("le livre que
// voici").
bool NoVerbAfter(const Site& s) {
    for (i32 k = s.i + 1; k < rules::Count(); ++k) {
        if (rules::Is(k, "voici") || rules::Is(k, MR("voilà"))) return false;
        for (i32 r = 0; r < rules::Readings(k); ++r)
            if (rules::Cat(k, r) == kCatVerb) return false;
    }
    return true;
}

constexpr const char* kCleftVerbs[] = {"est", MR("était"), "fut", "sera", "serait", nullptr};
constexpr const char* kCleftFocus[] = {"qu'", "que", "pas", "donc", "bien", "surtout", "justement", nullptr};

// "C'est à Paris que", "ce n'est qu'à l'issue de ce délai que": after "c'est"
// and a complement opened by a preposition, with no verb between, "que"
// opens the clause the complement is set off from; a relative cannot take
// a noun inside that complement as its antecedent.
bool CleftComplement(const Site& s) {
    i32 k = s.i - 1;
    while (k > 0 && !s.isOneOf(k - s.i, kCleftVerbs)) {
        if (rules::OneReadingOf(k, kCatVerb) || rules::Cat(k) == kCatComma) return false;
        --k;
    }
    if (k <= 0) return false;
    const i32 before = s.is(k - 1 - s.i, "n'") || s.is(k - 1 - s.i, "ne") ? k - 2 : k - 1;
    if (before < 0 || !(s.is(before - s.i, "c'") || s.is(before - s.i, "ce"))) return false;
    i32 f = k + 1;
    while (f < s.i && s.isOneOf(f - s.i, kCleftFocus)) ++f;
    return f < s.i - 1 && (rules::Cat(f) == kCatPreposition || rules::Cat(f, 1) == kCatPreposition ||
                           rules::Cat(f) == kCatContracted);
}

// "ne ... que" restricts: "il n'a que vingt ans", "n'ayant que l'intention
// de", "il ne fait que passer". Between "ne" and "que" stand only the verb,
// its participle and object pronouns; a negation word between ("ne dit
// pas que") leaves the conjunction, and an infinitive after ("je ne sais
// que faire") the pronoun.
bool RestrictiveQue(const Site& s) {
    if (s.exists(1) && (s.cat(1) == kCatInfinitive || s.cat1(1) == kCatInfinitive)) return false;
    bool verb = false;
    for (i32 p = -1; p >= -4 && s.exists(p); --p) {
        if (s.is(p, "ne") || s.is(p, "n'")) return verb;
        const u8 c = s.cat(p);
        if (c == kCatVerb || c == kCatPastParticiple || c == kCatPresentParticiple || c == kCatInfinitive)
            verb = !s.starts(p, MR("empêch"));  // "il n'empêche que": a conjunction
        else if (c != kCatObjectPronoun)
            return false;
    }
    return false;
}

// Step 6: the locutions ending in "que" (rows a to v), else the scan.
// Returns the report value of rows q and u, else 0.
u16 QueLocution(const Site& s) {
    const bool elided = s.n == kQueElided;
    if (s.isOneOf(-1, kRowA)) {
        Joined(s, -1, 0);
        if (s.is(-1, "tant") && s.exists(-2) && s.is(-2, "en")) Joined(s, -2, 0);
        return 0;
    }
    if (s.isOneOf(-1, kRowB) && (s.i == 1 || s.cls(-2) != 0xC2)) return Joined(s, -1, 0), 0;
    if (s.exists(-2) && ((s.is(-2, MR("à")) && s.isOneOf(-1, kRowCA)) || (s.is(-2, "de") && s.is(-1, "ce")) ||
                         (s.is(-2, MR("étant")) && s.is(-1, MR("donné"))) || (s.is(-2, "lors") && s.is(-1, MR("même")))))
        return Joined(s, -2, 0), 0;
    if (s.exists(-3) && s.is(-3, "d'") && s.is(-2, "autant") && s.is(-1, "plus")) return JoinedBefore(s, -3, 0), 0;
    if (s.exists(-3) && s.is(-2, "d'") && s.is(-1, "autant")) return JoinedBefore(s, -2, 0), 0;
    if (s.is(-1, "loin")) return Joined(s, -1, s.i == 1 || s.cat(-2) == kCatComma ? 1 : 2), 0;
    if (s.isOneOf(-1, kRowG)) return Joined(s, -1, 2), 0;
    if (s.exists(-2) && ((s.is(-2, "au") && s.isOneOf(-1, kRowHAu)) || (s.is(-2, "de") && s.isOneOf(-1, kRowHDe)) ||
                         (s.is(-2, "en") && s.isOneOf(-1, kRowHEn)) ||
                         (s.isOneOf(-2, kNonPas) && s.isOneOf(-1, kMoinsPlus))))
        return Joined(s, -2, 2), 0;
    // "si bien que" states a consequence, in the indicative; "bien" right
    // after a conjugated verb is that verb's adverb before its completive
    // ("je savais bien qu'il viendrait"): neither is the concessive "bien que".
    if (s.exists(-2) && s.is(-2, "si") && s.is(-1, "bien")) return Joined(s, -2, 0), 0;
    const bool adverbOfVerb = s.exists(-2) && s.cat(-2) == kCatVerb;
    if (s.is(-1, "bien") && (s.i == 1 || (s.cat(-2) != kCatArticle && !adverbOfVerb))) {
        if (s.exists(-2) && s.is(-2, "aussi")) {
            Joined(s, -1, 2);
            s.setCat(-2, kCatSubordinating);
            s.setCls(-2, kClassConjunctionPart);
        } else {
            Joined(s, -1, 1);
        }
        return 0;
    }
    if (s.isOneOf(-1, kRowJ)) return Joined(s, -1, 1), 0;
    if (s.exists(-2) && ((s.is(-2, MR("à")) && s.isOneOf(-1, kRowKA)) || (s.is(-2, "sous") && s.isOneOf(-1, kRowKSous))))
        return Joined(s, -2, 1), 0;
    if (s.exists(-3) && s.is(-2, MR("à")) && s.is(-1, "ce")) {
        if (s.is(-3, "jusqu'"))
            Joined(s, -3, 1);
        else if (s.exists(-4) && s.cls(-4) == '!' && s.isOneOf(-3, kFaconManiere))
            JoinedBefore(s, -4, 1);
        else
            Joined(s, -2, 2);
        return 0;
    }
    if (s.exists(-2) && ((s.is(-2, "de") && s.isOneOf(-1, kRowMDe)) || (s.is(-2, "en") && s.isOneOf(-1, kRowMEn))))
        return Joined(s, -2, 1), 0;
    if (s.exists(-2) && s.isOneOf(-2, kSiPour) && s.is(-1, "peu"))
        return Joined(s, -2, s.exists(-3) && s.is(-2, "si") && s.cls(-3) >= 0x80 ? 2 : 1), 0;
    if (s.exists(-3) && s.is(-3, "si") && s.is(-2, "tant") && s.is(-1, "est")) return JoinedBefore(s, -3, 1), 0;
    if (s.exists(-2) && s.isOneOf(-2, kRowP) &&
        (s.cat(-1) == kCatAdverb || (s.cat(-1) == kCatNoun && s.cls(-1) != 'A'))) {
        s.keepOne(-2, 0);
        s.setCat(-2, kCatAdverb);
        Conjunction(s);
        s.setFeat(0, 1);
        return 0;
    }
    if (s.starts(-1, "quel")) {
        if (s.exists(1) && s.count(1) == 1 && s.cat(1) == kCatNoun) return static_cast<u16>(512 + s.i);
        Conjunction(s);
        s.setFeat(0, 1);
        return 0;
    }
    if (s.exists(-3) && s.cls(-3) == 0x5D && s.cls(-2) == 0x83 && s.feat(-2) % 6 == 2 && s.cat(-1) == kCatNoun) {
        // "il est certain que": the word before is the attribute, an
        // adjective; its other readings ("certain" a determiner) go, or
        // they would keep the sentence's later findings from the host.
        Conjunction(s);
        s.setFeat(0, 1);
        s.setCls(-1, 'B');
        s.keepOne(-1);
        return 0;
    }
    if (s.exists(-4) && s.is(-4, "ce") && s.is(-3, "n'") && s.is(-2, "est") && s.is(-1, "pas")) {
        Conjunction(s);
        s.setFeat(0, 1);
        return 0;
    }
    if (s.exists(-2) && s.starts(-1, "autre")) {
        s.adverbParts(-1, 0);
        return 0;
    }
    if (elided && s.exists(2) && s.starts(1, "elle") && s.cat(2) == kCatNoun && s.count(2) == 1)
        return static_cast<u16>(513 + s.i);
    if (s.cat(-1) == kCatDemonstrative) return 0;
    ComparisonScan(s);
    return 0;
}

}  // namespace

u16 ApplyQueRules(const Site& s) {
    u16 r = 0;
    gComparisonQue = false;
    s.keepOne(0);
    if (!s.clsIs(0, kClassConjunctionPart, kClassAdverbPart)) {
        s.set(0, kCatRelative, kClassRelative, 0x00);
        if (s.exists(-4) && s.cls(-4) == 0x5D && s.cls(-3) == 0x16 && s.firstByte(-2) == 'y' && s.cls(-1) == 0xC2) {
            s.setCat(0, kCatAdverb);
        } else if (s.n == kQue && s.exists(1) && s.sameText(-1, 1) && s.isOneOf(-1, kVailleCoute)) {
            s.adverbParts(-1, 1);  // "vaille que vaille"
        } else if (s.is(-1, "rien")) {
            s.setCat(-1, kCatAdverb);
            s.setCat(0, kCatAdverb);
        } else {
            r = QueLocution(s);
        }
        // Step 7: after an adverb or a preposition.
        if ((s.i == 1 || s.cls(-2) != 0x83) && s.cat(0) == kCatRelative &&
            ((s.cat(-1) == kCatAdverb && s.cls(-1) == kClassAdverb) || (s.count(-1) > 1 && s.cat1(-1) == kCatAdverb) ||
             s.cat(-1) == kCatPreposition)) {
            s.keepOne(-1);
            s.setCat(-1, kCatAdverb);
            if (s.exists(1) && s.cat(1) == kCatNoun)
                s.setCat(0, kCatAdverb);
            else
                Conjunction(s);
        }
        // A relative pronoun stands after its antecedent, a noun or a
        // pronoun: right after a verb ("il déclare que", "vérifier que") or
        // after "tel" ("des villes telles que Paris"), "que" opens a clause.
        if (s.cat(0) == kCatRelative && (VerbOnly(s, -1) || s.starts(-1, "tel") || ConjunctiveNoun(s))) Conjunction(s);
        // The same over the verb's indirect object when that is a name or
        // a neuter demonstrative, which take no relative "que" of their
        // own: "il déclare à Pierre que", "on ajoute à cela que".
        if (s.cat(0) == kCatRelative && s.exists(-3) && s.is(-2, MR("à")) && VerbOnly(s, -3) &&
            (s.cls(-1) == '@' || s.isOneOf(-1, kNeuterDemonstratives)))
            Conjunction(s);
        // Not where "que" was just reported as part of a misspelt word
        // ("qu'elle maison" for "quelle").
        if (r == 0 && s.cat(0) == kCatRelative && (NoVerbAfter(s) || CleftComplement(s))) Conjunction(s);
        // "que ce soit", "que ce fût": "être" takes no object, so "que"
        // before "ce" and its subjunctive opens the clause.
        if (s.cat(0) == kCatRelative && s.exists(2) && s.is(1, "ce") && s.isOneOf(2, kCeSoit)) Conjunction(s);
        if (s.cat(0) != kCatAdverb && RestrictiveQue(s)) {
            s.setCat(0, kCatAdverb);
            s.setFeat(0, 0);
        }
        // Step 8: "tout que" for "tout ce que".
        if (s.cat(0) == kCatRelative && s.is(-1, "tout") &&
            (s.i == 1 || s.cat(-2) == kCatRelative || s.cat(-2) > kCatContracted)) {
            gErrorExtent = 9999;
            r = static_cast<u16>(768 + s.i);
        }
    }
    const bool comparison = gComparisonQue && s.cat(0) == kCatAdverb && s.cls(0) == kClassConjunction;
    if (s.cat(0) == kCatAdverb && !s.clsIs(0, kClassConjunctionPart, kClassAdverbPart) && !comparison)
        s.setCls(0, kClassAdverb);
    return r;
}

u16 ApplyConjunctionRules(const Site& s) {
    if (s.n == kEt && s.exists(1) && s.starts(1, "demi")) s.setFeat(1, 0);
    if (s.n == kNi) s.keepOne(0);
    if (!(s.exists(1) && s.mode == 1) || s.cls(-1) < 'B') return 0;
    // The next word takes the reading of the category of the word before.
    if (s.count(-1) == 1 && s.count(1) > 1) {
        const i32 j = s.findReading(1, s.cat(-1));
        if (j >= 0 && !(s.cls(-1) >= 0x7F && s.word(1).ReadingFeatures.ClampedAt(j) != s.feat(-1))) {
            s.setCat(1, s.cat(-1));
            s.copyToReading0(1, j);
            s.keepOne(1);
        }
    }
    // Coordinated verbs of different persons: "je mange et boit".
    if (s.count(-1) != 1 || s.count(1) != 1 || s.cat(-1) != kCatVerb || s.cat(1) != kCatVerb) return 0;
    const i32 a = s.feat(-1);
    const i32 b = s.feat(1);
    auto shared = [](i32 slot) { return slot == 6 || slot == 8 || slot == 30 || slot == 32 || slot == 48; };
    if ((a - b) % 6 == 0) return 0;
    if (a < 6 || a > 51 || b < 6 || b > 51) return 0;
    if ((a == 51 && !shared(b)) || (b == 51 && !shared(a))) return static_cast<u16>(257 + s.i);
    if (a == 51 || b == 51) return 0;
    return static_cast<u16>(257 + s.i);
}

}  // namespace french
