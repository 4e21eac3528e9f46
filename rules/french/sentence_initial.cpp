// The rules of the first word of a French sentence: the readings that a
// sentence opening with that word takes, and what the opening tells the
// dispatcher (a question, a negative word, an indefinite expression, a
// fixed error). A function word goes to its entry's rule; any other word to
// the rule of its length.
#include <cstring>

#include "frame/mac_roman_literal.h"
#include "frame/report.h"
#include "frame/tables.h"
#include "morphology/word_lookup.h"
#include "rules/french/french_rules.h"
#include "rules/french/function_word_entries.h"

namespace french {

namespace {

enum : u16 { kQuestion = 1, kNegative = 2, kKindIndefinite = 129, kKindCapitalA = 256, kKindVerbAfter = 257,
             kFixedError = 768 };

constexpr const char* kTensNouns[] = {"dizaine",     "douzaine",     "vingtaine",   "trentaine",
                                      "quarantaine", "cinquantaine", "soixantaine", "centaine", nullptr};
constexpr const char* kDeDes[] = {"de", "des", nullptr};
constexpr const char* kDeElided[] = {"de", "d'", nullptr};
constexpr const char* kTimeOfDay[] = {"jour", "nuit", "face", "dos", "profil", nullptr};
constexpr const char* kComparatives[] = {"plus", "moins", "mieux", "pire", nullptr};
constexpr const char* kPrepositionParticiples[] = {"attendu", MR("excepté"), "suivant", "pendant", nullptr};

// The entry of "c'" in the French homophone list (its fixed first rows).
constexpr u16 kTaggedElidedCe = 20;

const Site kFirst{0, 0, 0};

bool One(i32 p, u8 category) { return kFirst.count(p) == 1 && kFirst.cat(p) == category; }

// Word 0 := <c, k, 0>, the shape of most rows.
void Set(u8 c, u8 k) { kFirst.set(0, c, k, 0x00); }

// "un"/"une" before a numeral noun ("une dizaine").
void NumeralRule(bool une) {
    const Site& s = kFirst;
    s.keepOne(0);
    if (!s.isOneOf(2, kDeElided)) {
        s.setCat(0, kCatDeterminer);
        s.setCat(1, kCatDeterminer);
        s.setCls(0, 'P');
        s.setCls(1, 'P');
        s.setFeat(1, 0x08);
        s.setFeat(0, une ? 0x24 : 0x14);
    } else {
        s.set(2, kCatArticle, 0x7F, s.feat(3));
    }
}

// w(1) ends in "aine": the first "aine" stands at position length - 3.
bool EndsInAine() { return FindCSubstring(kFirst.text(1), "aine") == kFirst.length(1) - 3; }

// Word p can open a plural group after the article "de": a noun, an
// adjective or a determiner read plural (or of either number), or
// "nombreux", "tel" and their forms.
bool PluralNominal(i32 p) {
    const Site& s = kFirst;
    if (!s.exists(p)) return false;
    if (s.starts(p, "nombreu") || s.starts(p, "tel")) return true;
    const u8 c = s.cls(p);
    return c >= 'A' && c <= 'Q' && ((s.feat(p) >> 2) & 3) >= 2;
}

void ArticleRules(i32 n) {
    const Site& s = kFirst;
    // A failed search keeps reading 0's own class and features.
    i32 k = s.findReading(0, kCatArticle, kCatContracted);
    if (k < 0) k = 0;
    const WordRecord& w = s.word(0);
    s.set(0, kCatArticle, w.ReadingClasses.ClampedAt(k), w.ReadingFeatures.ClampedAt(k));
    if (n <= 3) {
        if (One(1, kCatInfinitive)) {
            s.setCat(0, kCatObjectPronoun);
            s.setCls(0, 0x7C);
            s.keepOne(0);
            s.setMark(0, n == 0 ? 5 : n == 1 ? 0x80 : 0x81);
        } else {
            WordRecord& m = s.word(0);
            const u32 first = m.ReadingLemmaRefs.ClampedAt(0);
            m.ReadingLemmaRefs.ClampedAt(0) = m.ReadingLemmaRefs.ClampedAt(1);
            m.ReadingLemmaRefs.ClampedAt(1) = first;
        }
        if (n == 3) {
            if (s.is(1, "un") || s.is(1, "une")) s.set(0, kCatArticle, 'c', 0x44);
            else if (s.is(1, "on")) s.set(0, kCatNone, 0x00, 0x00);
        } else if (s.cls(1) >= 0x80 && (s.cls(1) & 7) > 3) {
            s.setCat(0, kCatObjectPronoun);
            s.setCls(0, 0x7C);
        }
        return;
    }
    if (n == 4 || n == 5) {
        const bool numeral = n == 4 ? s.starts(1, "milli") && s.length(1) < 9 : EndsInAine() && s.startsOneOf(1, kTensNouns);
        if (numeral) NumeralRule(n == 5);
        else if (s.isOneOf(1, kDeDes)) s.setCat(0, kCatDeterminer);
        return;
    }
    if (n == 6 || n == 7) {
        if (s.cat(1) == kCatAdverb) {
            s.setCat(0, kCatAdverb);
            // "De plus", "De même": the preposition of an adverbial phrase;
            // "De très nombreux ..." keeps its article.
            if (!PluralNominal(2)) s.setCls(0, '!');
        } else if ((s.cat(1) == kCatDeterminer && !s.starts(1, "nombreu") && !s.starts(1, "tel")) ||
                   s.cat(1) == kCatArticle || (s.cat(1) != kCatNoun && !PluralNominal(1))) {
            // Before an article too: the partitive "De la pluie", "De l'eau"
            // (as an article "de" would clash with it). Before a word that
            // is no noun or adjective either ("D'après lui", "De 1990 à
            // 1995") it is the preposition.
            s.setCls(0, '!');
            s.setCat(0, kCatPreposition);
            s.keepOne(0);
        }
        if (n == 6 && s.isOneOf(1, kTimeOfDay)) {
            s.keepOne(0, 1);
            s.adverbParts(0, 1);
        }
        if (n == 7 && s.is(1, "aucuns")) s.setCat(0, kCatAdverb);
    }
}

// "ne"/"n'": the first word after the object pronouns keeps only its
// participle, infinitive and verb readings ("plus" keeps all of them).
void NeRule() {
    const i32 last = rules::Count() - 1;
    i32 x = 1;
    while (x <= last) {
        const WordRecord& w = rules::W(x);
        if (w.ReadingCategories.ClampedAt(static_cast<i32>(w.ReadingCount) - 1) != kCatObjectPronoun) break;
        ++x;
    }
    if (x > last || kFirst.is(x, "plus")) return;
    WordRecord& w = rules::W(x);
    i32 r = 0;
    while (r < w.ReadingCount && w.ReadingCount > 1) {
        const u8 c = w.ReadingCategories.ClampedAt(r);
        if (c >= kCatPresentParticiple && c <= kCatVerb) ++r;
        else rules::RemoveReading(w, r);
    }
}

// "ce" as demonstrative pronoun (and "c'").
void DemonstrativePronoun() {
    const Site& s = kFirst;
    s.setCat(0, kCatDemonstrative);
    s.setCls(0, 'F');
    s.setFeat(0, 0x54);
    if ((s.cat(1) == kCatVerb && s.feat(1) % 6 == 5) ||
        (s.cat(1) == kCatNone && s.cat(2) == kCatVerb && s.feat(2) % 6 == 5))
        s.setFeat(0, 0x48);
    s.keepOne(0);
}

void VerbReading(u8 c, u8 k, u8 mark, u8 f) {
    kFirst.setCat(0, c);
    kFirst.setCls(0, k);
    kFirst.setMark(0, mark);
    kFirst.setFeat(0, f);
    kFirst.keepOne(0);
}

u16 EntryRules(i32 n) {
    const Site& s = kFirst;
    if (n <= 9) return ArticleRules(n), 0;
    switch (n) {
    case 10: case 11: Set(kCatAdverb, 0x14); return 0;
    case 12: case 13: case 14: s.setCat(0, kCatAdverb); return 0;
    case 15: case 16: NeRule(); return 0;
    case 17:
        Set(kCatSubordinating, 0x11);
        if (s.cat(1) == kCatNoun && !s.clsIs(1, 0x41, 0x40)) {
            s.setCat(0, kCatAdverb);
            s.setCat(1, kCatAdverb);
            s.lemma(1);
        }
        return 0;
    // "Mais" and "Car" opening a sentence coordinate it with the one
    // before: the coordinating class, as inside a sentence.
    case 32: Set(kCatSubordinating, 0x10); s.setCat(0, kCatAdverb); s.lemma(1); return 0;
    case 42: Set(kCatSubordinating, 0x10); return 0;
    case 18: VerbReading(kCatVerb, 0x83, 0x10, 8); s.lemma(1); return 0;
    case 19: VerbReading(kCatVerb, 0xF0, 0x4F, 8); s.lemma(1); return 0;
    case 20:
        if ((s.cls(1) & 7) <= 3) Set(kCatPreposition, '#');
        return 0;
    case 21: case 49: {
        const bool beforeNoun = s.cat(1) == kCatNoun;
        Set(kCatAdverb, 0x14);
        if (n == 49) s.lemma(2);
        return beforeNoun ? 0 : kNegative;
    }
    case 22: case 23: Set(kCatAdverb, 0x14); s.lemma(1); return 0;
    case 24: case 41: Set(kCatAdverb, 0x14); return 0;
    case 25: case 26:
        s.setCat(0, s.is(1, n == 25 ? "ailleurs" : "autant") ? kCatAdverb : kCatPreposition);
        s.keepOne(0);
        s.setCls(0, 0x22);
        s.setFeat(0, 0);
        return 0;
    case 27: case 28: case 29: case 30: case 31:
        if (n <= 29 && rules::Count() > 2 && s.cls(1) >= 0x6D && s.cls(1) <= 0x7B &&
            (s.is(2, "avis") || s.starts(2, "opinion"))) {
            gErrorExtent = 0;  // "sur mon avis"
            return kFixedError;
        }
        Set(kCatPreposition, 0x22);
        if (n != 27) s.lemma(1);
        return 0;
    case 33: s.set(0, 3, '_', 0x07); return 0;
    case 34: case 35:
        s.keepOne(0);
        s.setCat(0, kCatDeterminer);
        s.setCls(0, n == 34 ? 'p' : 's');
        s.setFeat(0, s.vowelInitial(1) ? 0x04 : 0x14);
        s.lemma(1);
        return 0;
    case 37: VerbReading(kCatInfinitive, 0xF0, 0x4A, 0); return 0;
    case 38: VerbReading(kCatInfinitive, 0xC2, 0x11, 0); return 0;
    case 39: VerbReading(kCatInfinitive, 0x83, 0x10, 0); return 0;
    case 40:
        if (s.cat(1) == kCatNoun || s.cat(1) == kCatDeterminer || s.cat1(1) == kCatNoun) {
            s.setCat(0, kCatDeterminer);
            s.setCls(0, 'O');
            s.setFeat(0, 0x14);
            s.keepOne(0);
        } else {
            DemonstrativePronoun();
        }
        return 0;
    case 50: DemonstrativePronoun(); return 0;
    case 43: s.set(0, kCatSubjectPronoun, 'Y', 0x06); return 0;
    case 46: case 47:
        if (s.cat(1) == kCatPresentParticiple || s.cat(1) == kCatInfinitive) {
            s.setCat(0, kCatObjectPronoun);
            s.keepOne(0);
            return 0;
        }
        if (s.is(1, "en") && s.cat(2) == kCatPresentParticiple) {
            s.setCat(0, kCatObjectPronoun);
            s.keepOne(0);
            s.setCat(1, kCatObjectPronoun);
            s.keepOne(1);
            return 0;
        }
        [[fallthrough]];
    case 44: case 45: s.keepOne(0); s.setCat(0, kCatSubjectPronoun); return 0;
    case 48: s.set(0, kCatIndefinite, 'K', 0x14); s.lemma(1); return 0;
    case 51:
        if (ToutAdverb(s)) {
            ToutAsAdverb(s);
            return 0;
        }
        if (ToutSubject(s)) {
            s.set(0, kCatIndefinite, 'K', 0x14);
            return 0;
        }
        if (s.vowelInitial(1)) s.setFeat(0, 0);
        return 0;
    default: return 0;  // 36 "fait"
    }
}

// ---- Rules by length (the word is not a function word) ----------------------------

u16 OneLetter(const BoundedString& t) {
    const Site& s = kFirst;
    if (s.cls(0) == 0x20 && rules::Count() > 3 && s.cat(2) == kCatInfinitive) {
        for (i32 p = 0; p <= 2; ++p) {
            s.setCat(p, kCatAdverb);
            s.keepOne(p);
        }
        return 0;
    }
    if (!TextEquals(t, "a")) return 0;
    if (s.word(0).WordCaseMode > 0) {
        if (s.count(1) == 1 && s.cls(1) == 0x18) {
            s.setCat(0, kCatAdverb);
            s.setCat(1, kCatAdverb);
            s.keepOne(0);
            return 0;
        }
        if (gAccentsOnCapitals == 1) {
            gErrorExtent = 0;
            return kKindCapitalA;
        }
        Set(kCatPreposition, 0x20);
        s.setMark(0, 0);
        return 0;
    }
    if (s.cat(1) == kCatArticle || s.cat(1) == kCatDeterminer || s.cat(1) == kCatNoun) {
        gErrorExtent = 0;
        return kKindVerbAfter;
    }
    return 0;
}

constexpr const char* kEtreThirdSingular[] = {"est", MR("était"), "sera", "serait", "fut", nullptr};

u16 TwoLetters(const BoundedString& t) {
    const Site& s = kFirst;
    if (TextEquals(t, "au") && s.isOneOf(1, kComparatives)) {
        s.keepOne(0);
        s.setFeat(0, 0);
    } else if (TextEquals(t, "au") && s.is(1, "demeurant")) {
        s.setCat(0, kCatAdverb);
        s.setCat(1, kCatAdverb);
    } else if (TextEquals(t, MR("où"))) {
        // "Où que tu sois": a concession, which asks nothing.
        if (s.is(1, "que") || s.is(1, "qu'")) return 0;
        s.setCat(0, kCatAdverb);
        return kQuestion;
    } else if (TextEquals(t, "or")) {
        s.keepOne(0);
        s.setCat(0, kCatAdverb);
    } else if (TextEquals(t, "s'") && s.feat(1) == 0x17) {
        Set(kCatSubordinating, 0x11);
    } else if (TextEquals(t, "s'") &&
               (s.is(1, "est") || (s.is(1, "en") && s.isOneOf(2, kEtreThirdSingular)))) {
        // "S'est" for "C'est", "S'en est fini" for "C'en est fini" (a
        // reflexive "se" wants a subject before it): the correction is the
        // homophone entry of "c'".
        gErrorExtent = kTaggedElidedCe;
        gErrorDetail = 13;
        return kFixedError;
    } else if (TextEquals(t, "s'") && s.cls(1) == ']') {
        Set(kCatSubordinating, 0x11);
        s.word(0).ReadingLemmaRefs.ClampedAt(0) = LookupTextSlotPreserving("si", 1);
    } else if (TextEquals(t, "vu")) {
        Set(kCatPreposition, 0x22);
    }
    return 0;
}

// "qui" opening a question unless a verb follows as in a relative clause.
u16 Qui() {
    const Site& s = kFirst;
    if (s.is(1, "plus")) return 0;
    if (s.cat(1) != kCatVerb) return kQuestion;
    if (s.cat(2) == kCatVerb) return 0;
    if (s.cat(2) != kCatAdverb && s.cat1(2) != kCatAdverb) return kQuestion;
    return s.cat(3) == kCatVerb ? 0 : kQuestion;
}

u16 ThreeLetters(const BoundedString& t) {
    const Site& s = kFirst;
    if (TextEquals(t, "nul")) {
        s.keepOne(0);
        s.setFeat(0, 0x14);
        if (s.cls(1) != 'j' && !s.is(1, "autre") && s.cls(1) != 0x83) {
            s.setCat(0, kCatIndefinite);
            s.setCls(0, 'K');
        } else {
            s.setCat(0, kCatDeterminer);
            s.setCls(0, 'Q');
        }
        return kNegative;
    }
    if (TextEquals(t, "peu")) {
        if (!s.is(1, "de")) {
            s.set(0, kCatIndefinite, 'K', 0x14);
        } else {
            s.set(0, kCatDeterminer, 'Q', 0x00);
            s.set(1, kCatDeterminer, 'Q', 0x00);
        }
    } else if (TextEquals(t, "qui")) {
        return Qui();
    } else if (TextEquals(t, "mon")) {
        s.setFeat(0, s.vowelInitial(1) ? 0x04 : 0x14);
    }
    return 0;
}

u16 FourLetters(const BoundedString& t) {
    const Site& s = kFirst;
    if (TextEquals(t, "cela")) {
        s.set(0, kCatDemonstrative, 'F', 0x04);
        s.lemma(1);
    } else if (TextEquals(t, "quel") && s.is(1, "que") && s.cat(2) < 4) {
        s.setCat(2, kCatSubjectPronoun);
    } else if (TextEquals(t, "soit")) {
        Set(kCatAdverb, 0x14);
        s.lemma(1);
    }
    return 0;
}

u16 FiveLetters(const BoundedString& t) {
    const Site& s = kFirst;
    const bool outre = TextEquals(t, "outre");
    if (outre || TextEquals(t, MR("après")) || TextEquals(t, "entre")) {
        s.lemma(outre ? 2 : 1);
        if (s.catIn(1, kCatArticle, kCatNoun)) {
            Set(kCatPreposition, 0x22);
        } else if (s.cat(1) != kCatDemonstrative && s.cat(1) != kCatAdverb) {
            // Before a pronoun the preposition ("Entre nous", "Après lui"),
            // wherever our data lists it among the readings.
            const i32 j = s.catIn(1, kCatSubjectPronoun, 3) ? s.findReading(0, kCatPreposition) : -1;
            if (j > 0) {
                s.copyToReading0(0, j);
                s.setCat(0, kCatPreposition);
            }
            s.keepOne(0);
        }
    } else if (TextEquals(t, "aucun") || TextEquals(t, "nulle")) {
        return kNegative;
    } else if (TextEquals(t, "cette") && s.starts(1, "fois") && (s.cat(2) <= 9 || s.cat(2) == kCatComma)) {
        s.setCat(0, kCatAdverb);
        s.setCat(1, kCatAdverb);
        s.keepOne(1);
    } else if (TextEquals(t, "mieux") && s.starts(1, "vau")) {
        s.setCat(0, kCatIndefinite);
        s.setCls(0, 'K');
    } else if (TextEquals(t, "quand")) {
        s.setCat(0, kCatAdverb);
    } else if (TextEquals(t, "quels") && s.is(1, "que") && s.cat(2) < 4) {
        s.setCat(2, kCatSubjectPronoun);
    }
    return 0;
}

u16 SixLetters(const BoundedString& t) {
    const Site& s = kFirst;
    const bool contre = TextEquals(t, "contre");
    if (contre || TextEquals(t, "devant")) {
        Set(kCatPreposition, 0x22);
        s.lemma(contre ? 3 : 1);
    } else if (TextEquals(t, "aucune")) {
        return kNegative;
    } else if (TextEquals(t, "depuis")) {
        s.keepOne(0);
        s.setCat(0, s.firstByte(1) == ',' ? kCatAdverb : kCatPreposition);
    } else if (TextEquals(t, "faites")) {
        s.keepOne(0);
        s.setCat(0, kCatVerb);
        s.setFeat(0, 0x32);
        s.lemma(1);
    }
    return 0;
}

u16 Quelqu() {
    const Site& s = kFirst;
    if (s.is(1, "il") || s.starts(1, "elle") || (s.is(1, "en") && s.cat(2) == kCatVerb) || One(1, kCatVerb))
        return kKindVerbAfter;
    if (s.is(1, "un") || s.is(1, "une")) return 0;
    return kKindIndefinite;
}

u16 Quelque() {
    const Site& s = kFirst;
    if (s.starts(1, "un")) return kKindIndefinite;
    if (s.clsIs(1, 'S', 'R')) return s.setFeat(0, 0), 0;
    if (rules::Count() > 2 && s.cls(2) == 'G' && (s.cat(1) == kCatNoun || s.cat(1) == kCatAdverb))
        return s.setCat(0, kCatAdverb), 0;
    if (s.cat(1) == kCatNoun) return s.setFeat(0, 4), 0;
    if (One(1, kCatVerb)) return kKindVerbAfter;
    if (s.cat(1) > 3) return 0;
    s.setCat(1, kCatSubjectPronoun);
    return kKindVerbAfter;
}

u16 Quoiqu() {
    const Site& s = kFirst;
    const i32 count = rules::Count();
    if (s.cat(1) == kCatVerb) return kKindVerbAfter;
    if (count > 2 && s.cat(1) < 7 && s.cat(2) == kCatVerb && s.cat(3) == kCatComma) return kKindVerbAfter;
    if (count >= 4 && s.cat(1) <= 6 && s.is(2, "en") && s.cat(3) == kCatVerb && s.cat(4) == kCatComma)
        return kKindVerbAfter;
    return 0;
}

u16 SevenLetters(const BoundedString& t) {
    const Site& s = kFirst;
    for (WordList l = kPrepositionParticiples; *l != nullptr; ++l) {
        if (!TextEquals(t, *l)) continue;
        WordRecord& w = s.word(0);
        for (i32 r = 0; r < w.ReadingCount && w.ReadingCategories.ClampedAt(r) != kCatPreposition; ++r)
            w.ReadingLemmaRefs.ClampedAt(0) = w.ReadingLemmaRefs.ClampedAt(r);
        s.keepOne(0);
        s.setCat(0, kCatPreposition);
        s.setCls(0, 0x22);
        s.setFeat(0, 0);
        return 0;
    }
    if (TextEquals(t, "quelqu'")) return Quelqu();
    if (TextEquals(t, "quelque")) return Quelque();
    if (TextStartsWith(t, "quoiqu")) return Quoiqu();
    if (TextEquals(t, "comment") || TextEquals(t, "combien")) return kQuestion;
    return 0;
}

u16 EightLetters(const BoundedString& t) {
    const Site& s = kFirst;
    if (TextEquals(t, "pourquoi")) return kQuestion;
    if (TextEquals(t, "beaucoup")) {
        s.keepOne(0);
        s.setCat(0, kCatIndefinite);
        s.setCls(0, 'K');
        s.setFeat(0, 0);
    } else if (TextEquals(t, "personne")) {
        s.set(0, kCatIndefinite, 'K', 0x14);
        s.lemma(1);
        return kNegative;
    } else if (TextEquals(t, MR("derrière"))) {
        Set(kCatPreposition, 0x22);
    } else if (TextEquals(t, "quelques")) {
        return One(1, kCatVerb) || s.clsIs(1, 'S', 'R') ? kKindVerbAfter : 0;
    }
    return 0;
}

u16 LengthRules(const BoundedString& t) {
    switch (GetStringLength(t)) {
    case 1: return OneLetter(t);
    case 2: return TwoLetters(t);
    case 3: return ThreeLetters(t);
    case 4: return FourLetters(t);
    case 5: return FiveLetters(t);
    case 6: return SixLetters(t);
    case 7: return SevenLetters(t);
    case 8: return EightLetters(t);
    case 10:
        if (TextEquals(t, "maintenant")) Set(kCatAdverb, 0x14);
        return 0;
    default: return 0;
    }
}

bool IsCapital(u8 c) { return c >= 'A' && c <= 'Z'; }

}  // namespace

}  // namespace french

u16 ApplyFrenchSentenceInitialRules(BoundedString& firstWord) {
    // The word keeps the capitals it was written with; the rules know it
    // by its case mode and match its lowered text. The capitals go back
    // before the result is returned.
    char written[40] = {};
    const i32 len = GetStringLength(firstWord);
    const bool lower = gWords[0].WordCaseMode > 0 && gWords[0].WordCaseMode != 0xFFFF && len < 40 &&
                       french::IsCapital(TextAt(firstWord, 0));
    if (lower) {
        std::memcpy(written, firstWord.data, static_cast<size_t>(len));
        const bool all = french::IsCapital(TextAt(firstWord, 1));
        for (i32 k = 0; k < len; ++k)
            if ((k == 0 || all) && french::IsCapital(firstWord.data[k])) firstWord.data[k] = static_cast<u8>(firstWord.data[k] + 32);
    }
    u16 r = 0;
    i32 entry = -1;
    for (u32 n = 0; n < gFrenchFunctionWords.count && n < 52; ++n) {
        if (TextSame(firstWord, gFrenchFunctionWords[static_cast<i32>(n)])) {
            entry = static_cast<i32>(n);
            break;
        }
    }
    r = entry >= 0 ? french::EntryRules(entry) : french::LengthRules(firstWord);
    if (lower) std::memcpy(firstWord.data, written, static_cast<size_t>(len));
    return r;
}
