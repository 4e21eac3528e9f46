// Entries 40, 41, 44 to 47, 50 and 51 of the function words: "ce"/"c'" as
// determiner or pronoun, "comme" as conjunction, adverb or locution part,
// the pronouns "elle", "elles", "nous", "vous" as subject, object or
// stressed pronouns, and "tout" as adverb, noun or locution part.
#include "frame/mac_roman_literal.h"
#include "rules/french/function_word_entries.h"

namespace french {

namespace {

enum : i32 { kCe = 40, kElle = 44, kElles = 45, kNous = 46 };

constexpr const char* kCommeLocutions[] = {"suit", "promis", MR("prévu"), "convenu", nullptr};
constexpr const char* kQuoiSi[] = {"quoi", "si", nullptr};
constexpr const char* kToutAfterPrepositions[] = {"en", "avant", MR("après"), MR("malgré"), "hors", nullptr};

// "ce"/"c'" as demonstrative pronoun; the last word of the sentence only
// keeps one reading.
void PronounForm(const Site& s) {
    if (!s.isLast() && s.cls(0) != kClassConjunctionPart) {
        s.setCat(0, kCatDemonstrative);
        s.setCls(0, 'F');
        s.setFeat(0, 0x54);
        if ((s.cat(1) == kCatVerb && s.feat(1) % 6 >= 5) ||
            (s.exists(2) && s.cat(1) == kCatNone && s.cat(2) == kCatVerb && s.feat(2) % 6 >= 5))
            s.setFeat(0, 0x48);
    }
    s.keepOne(0);
}

void Conjunctive(const Site& s) {
    s.set(0, kCatSubordinating, 0x11, 0x00);
    s.lemma(1);
}

void Adverbial(const Site& s) { s.set(0, kCatAdverb, 0x14, 0x00); }

// Words 0 to `to` become adverb parts; the words after "comme" get one
// reading and feature 0.
void CommeLocution(const Site& s, i32 to) {
    s.keepOne(1, to);
    s.adverbParts(0, to);
    for (i32 p = 1; p <= to; ++p) s.setFeat(p, 0);
}

void CommeReading(const Site& s) {
    const bool next = s.exists(1);
    const bool afterNoun = s.cat(-1) == kCatNoun ||
                           (s.exists(-2) && ((s.cat(-1) == kCatCoordinating && s.cat(-2) == kCatNoun) ||
                                             (s.cat(-2) == kCatCoordinating && s.cat(-1) == kCatAdverb)));
    if (s.mode == 1 && next && s.cat(1) == kCatNoun && s.cls(1) > 0x7F) {
        s.keepOne(0, 1);
        s.adverbParts(0, 1);
    } else if (next && s.cat(1) == kCatPreposition) {
        // "comme en Tunisie", "tout comme pour le premier": the comparison
        // whose verb is left out, a conjunction as before a full clause.
        s.keepOne(0);
        Conjunctive(s);
    } else if (afterNoun && next && s.cat(1) == kCatNoun && s.cls(1) > 0x41) {
        Adverbial(s);
    } else if (!next) {
        Conjunctive(s);
    } else if (s.cat(1) == kCatAdverb) {
        Adverbial(s);
    } else if (s.cat(1) == s.cat(-1)) {
        s.set(0, kCatCoordinating, 0x10, 0x00);
    } else if (s.isOneOf(1, kQuoiSi)) {
        s.conjunctionParts(0, 1);
    } else {
        Conjunctive(s);
    }
}

// ---- elle, elles, nous, vous ------------------------------------------------------

void Subject(const Site& s) { s.setCat(0, kCatSubjectPronoun), s.keepOne(0); }
void Object(const Site& s) { s.setCat(0, kCatObjectPronoun), s.keepOne(0); }
void ObjectKept(const Site& s) { s.setCat(0, kCatObjectPronoun); }
void Stressed(const Site& s) { s.setCat(0, 3), s.keepOne(0); }
void SubjectKept(const Site& s) { s.setCat(0, kCatSubjectPronoun); }

// Subject and object: reading 1 is reading 0 as object pronoun.
void Both(const Site& s) {
    WordRecord& w = s.word(0);
    w.ReadingCount = 2;
    w.ReadingClasses.ClampedAt(1) = w.ReadingClasses.ClampedAt(0);
    w.ReadingFeatures.ClampedAt(1) = w.ReadingFeatures.ClampedAt(0);
    w.ReadingMarks.ClampedAt(1) = w.ReadingMarks.ClampedAt(0);
    w.ReadingLemmaRefs.ClampedAt(1) = w.ReadingLemmaRefs.ClampedAt(0);
    w.ReadingCategories.ClampedAt(0) = kCatSubjectPronoun;
    w.ReadingCategories.ClampedAt(1) = kCatObjectPronoun;
}

// The person of the verb (its conjugation slot f) for "nous" (first person
// plural: `own` slots, remainder 3) or "vous" (remainder 4): true for the
// subject, false for the object.
bool VerbAgrees(bool nous, u8 f, const u8 (&own)[5], i32 ownCount, i32 rangeEnd) {
    for (i32 k = 0; k < ownCount; ++k)
        if (f == own[k]) return true;
    if (f < 6 || f > rangeEnd) return false;
    return f % 6 == (nous ? 3 : 4);
}

bool IsCat(const Site& s, i32 p, u8 a, u8 b) { return s.cat(p) == a || s.cat(p) == b; }

// Outcomes 1 to 9 of the pronoun; false when none holds.
bool PronounFirstSteps(const Site& s, bool elle, bool nv) {
    const bool single = s.count(-1) == 1;
    if (elle && s.exists(1) && s.cat(-1) == kCatComma && s.cat(1) == kCatComma) return s.setCat(0, 3), true;
    if (single && s.cat(-1) == kCatPreposition) return Object(s), true;
    // After "ne" the subject has already been said: "Je ne vous le dirai
    // pas", "Il ne nous en parle pas".
    if (nv && (s.is(-1, "ne") || s.is(-1, "n'"))) return Object(s), true;
    if (elle && s.cat(-1) == kCatVerb) {
        if (!s.exists(1) || IsCat(s, 1, kCatAdverb, kCatRelative)) Stressed(s);
        else Subject(s);
        return true;
    }
    if (elle && s.exists(1) && s.cat(1) == kCatVerb) return Subject(s), true;
    // "elle" and "elles" are never object pronouns of a verb: after a
    // pronoun and before the verb's own object pronouns they are its
    // subject ("sans cela elles se faneraient").
    const bool elleBeforeObject = elle && s.exists(2) && s.cat(1) == kCatObjectPronoun;
    if (single && !elleBeforeObject && (IsCat(s, -1, 1, 2) || IsCat(s, -1, 4, 6))) return ObjectKept(s), true;
    if (nv && s.cat(1) == kCatVerb && s.cls(1) % 16 == 8) return Object(s), true;
    if (s.exists(2) && s.cat(1) == kCatObjectPronoun && s.cat(2) == kCatVerb && s.cls(2) % 16 == 8)
        return Object(s), true;
    if (s.exists(2) && s.count(1) == 1 && s.cat(1) == kCatObjectPronoun &&
        (s.firstByte(1) != 'l' || s.cat(2) == kCatVerb))
        return Subject(s), true;
    if (s.cat(1) == 3) return Subject(s), true;
    if (nv && s.is(1, "qui")) return Stressed(s), true;
    if (nv && s.exists(1) && IsCat(s, 1, kCatPresentParticiple, kCatInfinitive)) return ObjectKept(s), true;
    return false;
}

// Outcomes 10 to 14.
bool PronounMiddleSteps(const Site& s, u16 capitalised) {
    const bool single = s.count(-1) == 1;
    if (s.i == 1 && rules::Cat(0) > 15) return Subject(s), true;
    if (s.exists(2) && s.is(1, "en") &&
        (s.cat(2) == kCatPresentParticiple || (s.cat(2) == kCatVerb && s.cat(-1) == kCatNoun))) {
        s.setCat(0, kCatObjectPronoun);
        s.setCat(1, kCatObjectPronoun);
        s.keepOne(1);
        return true;
    }
    if (s.cat(-2) == kCatPreposition && (s.is(-1, "qui") || s.cls(-1) == 'I')) return Subject(s), true;
    if (single && (s.cat(-1) == kCatVerb || (s.cat(-1) == kCatNone && s.cls(-1) == 0x16) || s.is(-1, "qui") ||
                   s.cat(-1) == kCatPreposition ||
                   (s.cls(-1) == 'I' && s.firstByte(-1) == 'l' && s.exists(-2) && s.cat(-2) != kCatPreposition)))
        return ObjectKept(s), true;
    if (capitalised == 1) return SubjectKept(s), true;
    return false;
}

// Outcomes 15 and 16: the person of the following verb.
bool PronounPersonSteps(const Site& s, bool nv) {
    const bool nous = s.n == kNous;
    const bool single = s.count(-1) == 1;
    if (s.exists(1) && single && s.cat(-1) >= 20 &&
        (s.cat(1) == kCatVerb ||
         (s.exists(2) && s.cat(2) == kCatVerb && (IsCat(s, 1, kCatAdverb, kCatObjectPronoun) || s.cls(1) == 0x16)))) {
        if (s.cat(1) == kCatVerb && s.cls(1) % 8 > 3) return ObjectKept(s), true;
        if (!nv) return Subject(s), true;
        const u8 f = s.feat(s.cat(1) == kCatVerb ? 1 : 2);
        const u8 own[5] = {static_cast<u8>(nous ? 49 : 50), static_cast<u8>(nous ? 52 : 53),
                           static_cast<u8>(nous ? 56 : 57), static_cast<u8>(nous ? 62 : 63),
                           static_cast<u8>(nous ? 1 : 2)};
        if (VerbAgrees(nous, f, own, 5, 47)) Subject(s);
        else Object(s);
        return true;
    }
    if (nv && s.exists(-2) && s.exists(1) && single &&
        (IsCat(s, -1, kCatCoordinating, kCatSubordinating) || s.cat(-1) == kCatNoun || s.is(-1, "puis")) &&
        s.cat(-2) != kCatVerb && s.cat(1) == kCatVerb) {
        const u8 own[5] = {static_cast<u8>(nous ? 52 : 53), static_cast<u8>(nous ? 56 : 57),
                           static_cast<u8>(nous ? 62 : 63), static_cast<u8>(nous ? 1 : 2), 0};
        if (VerbAgrees(nous, s.feat(1), own, 4, 50)) Subject(s);
        else Object(s);
        return true;
    }
    return false;
}

// "nous" or "vous" after "comme" opens a clause when a verb of its person
// follows, past "ne" and object pronouns ("la masse, comme vous dites";
// "comme vous ne l'avez jamais vu"): no comparison then.
bool SubjectOfNextVerb(const Site& s) {
    if (s.n != kNous && s.n != kNous + 1) return false;
    const bool nous = s.n == kNous;
    i32 p = 1;
    while (s.exists(p + 1) && (s.is(p, "ne") || s.is(p, "n'") || s.cat(p) == kCatObjectPronoun)) ++p;
    if (!s.exists(p)) return false;
    const u8 own[5] = {static_cast<u8>(nous ? 52 : 53), static_cast<u8>(nous ? 56 : 57),
                       static_cast<u8>(nous ? 62 : 63), static_cast<u8>(nous ? 1 : 2), 0};
    const i32 v = s.at(p);
    return rules::AnyReadingOf(v, [v, nous, &own](i32 r) {
        return rules::Cat(v, r) == kCatVerb && VerbAgrees(nous, rules::Feat(v, r), own, 4, 50);
    });
}

// Outcomes 17 to 21.
void PronounLastSteps(const Site& s) {
    const bool single = s.count(-1) == 1;
    if (s.exists(-2) && s.is(-1, "comme") && s.cat(-2) == kCatNoun && !SubjectOfNextVerb(s)) {
        s.setCat(0, kCatAdverb);
        s.setCat(-1, kCatAdverb);
        s.setCls(-1, 0x14);
        s.keepOne(0);
    } else if (single && (IsCat(s, -1, kCatRelative, kCatSubordinating) || s.is(-1, "que"))) {
        SubjectKept(s);
    } else if (s.exists(-2) && s.exists(1) && s.count(1) == 1 && s.cat(1) == kCatVerb && s.cat(-1) == kCatAdverb &&
               s.cat(-2) == kCatNoun) {
        ObjectKept(s);
    } else if (s.exists(1) && s.count(1) == 1 && single && s.cat(1) == kCatVerb && !IsCat(s, -1, kCatNoun, 8) &&
               !IsCat(s, -1, kCatCoordinating, kCatComma)) {
        SubjectKept(s);
    } else {
        Both(s);
    }
}

// ---- tout ---------------------------------------------------------------------------

void ToutAdverbial(const Site& s) {
    s.setCat(0, kCatAdverb);
    s.setCls(0, 0x14);
}

void ToutNoun(const Site& s) {
    s.setCat(0, kCatNoun);
    s.setCls(0, 'A');
    s.setFeat(0, 0x14);
}

bool NounNotPlural(const Site& s, i32 p) { return s.cat(p) == kCatNoun && (s.feat(p) & 0xF0) != 0x20; }

// Step 6: after a determiner.
void ToutAfterDeterminer(const Site& s) {
    if (IsCat(s, 1, kCatVerb, kCatPreposition)) return ToutNoun(s);
    if (s.cls(1) == 'B' || s.is(1, "plus") || s.starts(1, "premi") || s.starts(1, "derni") ||
        (s.exists(2) && NounNotPlural(s, 1) && IsCat(s, 2, kCatVerb, kCatPreposition)) ||
        (s.exists(-2) && s.cls(-2) == 0x83 && NounNotPlural(s, 1)))
        ToutAdverbial(s);
}

// Step 8: before a noun.
void ToutBeforeNoun(const Site& s) {
    if (s.count(-1) == 1 && NounNotPlural(s, -1)) {
        ToutAdverbial(s);
    } else if (!s.vowelInitial(1)) {
        if (s.is(1, "flamme")) {
            s.setFeat(0, 0x24);
            s.setCls(0, 0x14);
        }
    } else if (s.cls(1) < 0x80 && s.cls(1) != 'A') {
        s.setFeat(0, s.feat(1));
        s.setCls(0, 0x14);
    } else {
        s.setCls(0, 0x14);
        if (s.feat(1) == 4) s.setFeat(0, 0x24);
        if (s.feat(1) == 5) s.setFeat(0, 0x28);
    }
}

}  // namespace

u16 DemonstrativeRules(const Site& s) {
    if (s.n != kCe) {
        if (s.exists(1) && s.cls(1) == 0x1C) {
            s.setCat(0, kCatAdverb);
            s.keepOne(0);
        } else {
            PronounForm(s);
        }
    } else if (s.exists(1) && s.is(1, "nonobstant")) {
        s.setCls(0, kClassAdverbPart);
        s.setCls(1, kClassAdverbPart);
        s.setCat(0, kCatAdverb);
        s.keepOne(0, 1);
    } else if (s.exists(1) && (IsCat(s, 1, kCatNoun, kCatDeterminer) || s.cat1(1) == kCatNoun)) {
        s.set(0, kCatDeterminer, 'O', 0x14);
    } else {
        PronounForm(s);
    }
    return 0;
}

u16 CommeRules(const Site& s) {
    CommeReading(s);
    if (s.exists(1) && s.isOneOf(1, kCommeLocutions)) CommeLocution(s, 1);
    else if (s.exists(2) && s.is(1, "de") && s.is(2, "juste")) CommeLocution(s, 2);
    else if (s.exists(3) && s.is(1, "de") && s.is(2, "bien") && s.is(3, "entendu")) CommeLocution(s, 3);
    return 0;
}

u16 PersonalPronounRules(const Site& s, u16 capitalised) {
    const bool elle = s.n == kElle || s.n == kElles;
    const bool nv = !elle;
    if (!PronounFirstSteps(s, elle, nv) && !PronounMiddleSteps(s, capitalised) && !PronounPersonSteps(s, nv))
        PronounLastSteps(s);
    if (s.n == kNous && s.exists(1) && s.is(1, "sommes")) s.keepOne(1);
    return 0;
}

// "Tout est prêt", "tout lui fait peur": before a conjugated verb, or an
// object pronoun and its verb, "tout" is the pronoun subject.
bool ToutSubject(const Site& s) {
    if (!s.exists(1)) return false;
    if (s.cat(1) == kCatVerb) return true;
    return s.exists(2) && s.cat(1) == kCatObjectPronoun && rules::HasReadingOfCategory(s.at(2), kCatVerb);
}

// "tout en chantant", "tout comme la giberne": "tout" grades the gerund
// or the comparison that follows it, an adverb.
bool ToutAdverb(const Site& s) {
    if (!s.exists(1)) return false;
    if (s.is(1, "comme")) return true;
    return s.exists(2) && s.is(1, "en") && s.findReading(2, kCatPresentParticiple) >= 0;
}

void ToutAsAdverb(const Site& s) {
    s.setCat(0, kCatAdverb);
    if (s.cls(0) != kClassAdverbPart) s.setCls(0, 0x14);
}

u16 ToutRules(const Site& s) {
    if (ToutAdverb(s)) {
        ToutAsAdverb(s);
    } else if (s.exists(-4) && s.is(-4, "en") && s.is(-3, "tout") && s.is(-2, "et") && s.is(-1, "pour")) {
        s.adverbParts(-4, 0);
    } else if (s.mode == 1 && s.exists(2) && s.cat(1) == kCatAdverb && s.cat(2) != kCatVerb) {
        s.setCat(0, kCatAdverb);
        if (s.cls(0) != kClassAdverbPart) s.setCls(0, 0x14);
    } else if (s.exists(1) && s.starts(1, "autre")) {
        ToutAdverbial(s);
    } else if (s.exists(3) && s.is(1, "d'") && s.is(2, "un") && s.is(3, "coup")) {
        s.keepOne(1, 2);
        s.adverbParts(0, 3);
    } else if (s.exists(2) && ((s.is(1, MR("à")) && (s.is(2, "coup") || s.is(2, "trac"))) ||
                               (s.is(1, "de") && s.is(2, "go")))) {
        s.adverbParts(0, 2);
    } else if (s.exists(1) && (IsCat(s, -1, kCatArticle, kCatContracted) || (s.cls(-1) >= 0x6D && s.cls(-1) <= 0x7B))) {
        ToutAfterDeterminer(s);
    } else if (s.cat(-1) == kCatPreposition) {
        if (s.exists(1) && s.cat(1) != kCatNoun && s.isOneOf(-1, kToutAfterPrepositions)) s.adverbParts(-1, 0);
        // "de tout dire", "pour tout faire": before an infinitive, its object.
        else if (s.exists(1) && s.findReading(1, kCatInfinitive) >= 0) s.set(0, kCatIndefinite, 'K', 0x14);
    } else if (ToutSubject(s)) {
        s.set(0, kCatIndefinite, 'K', 0x14);
    } else if (s.exists(1) && s.cat(1) == kCatNoun) {
        ToutBeforeNoun(s);
    }
    return 0;
}

}  // namespace french
