// Entries 15 to 51 of the function words: "ne", "si", "est"/"dit", the
// coordinating "mais"/"car", "lui", the possessives "ton"/"son", "fait" and
// the infinitives "faire", "avoir", "être", and "tu"; the other entries
// have files of their own (function_words_en.cpp, function_words_pronouns.cpp).
#include "frame/mac_roman_literal.h"
#include "rules/french/function_word_entries.h"
#include "rules/french/function_words.h"

namespace french {

namespace {

enum : i32 {
    kNe = 15, kSi = 17, kEst = 18, kDit = 19, kMais = 32, kTon = 34, kFaire = 37, kAvoir = 38
};

// "ne"/"n'": the word it bears on (past the object pronouns) keeps only its
// participle, infinitive and verb readings. A word that holds none of them
// is left as it is: with no reading left, later rules would read slot -1,
// and keeping the last one would make "pas" or "rien" a noun.
u16 NeRules(const Site& s) {
    i32 x = 1;
    while (s.exists(x)) {
        const WordRecord& w = s.word(x);
        if (w.ReadingCategories.ClampedAt(static_cast<i32>(w.ReadingCount) - 1) != kCatObjectPronoun) break;
        ++x;
    }
    if (!s.exists(x) || s.count(x) < 2) return 0;
    const u8 verbal[] = {kCatPresentParticiple, kCatInfinitive, kCatVerb};
    if (s.findReading(x, verbal[0], verbal[1]) < 0 && s.findReading(x, verbal[2]) < 0) return 0;
    WordRecord& w = s.word(x);
    i32 r = 0;
    while (r < w.ReadingCount) {
        const u8 c = w.ReadingCategories.ClampedAt(r);
        if (c >= kCatPresentParticiple && c <= kCatVerb) ++r;
        else rules::RemoveReading(w, r);
    }
    return 0;
}

bool NounNotA(const Site& s, i32 p) { return s.cat(p) == kCatNoun && !s.clsIs(p, 'A', 0x40); }

// "si" grades the adverb after it ("si vite", "si souvent"); "jamais" and
// the word of an adverbial locution ("si jamais", "si par exemple", "si en
// plus") are not graded: "si" there opens the condition.
bool GradedAdverb(const Site& s, i32 p) {
    return s.cat(p) == kCatAdverb && s.cls(p) != kClassAdverbPart && !s.is(p, "jamais");
}

u16 SiRules(const Site& s) {
    s.keepOne(0);
    s.setFeat(0, 0);
    if (s.exists(1) && s.cat(-1) == kCatComma && NounNotA(s, 1)) s.setCat(1, kCatAdverb);
    if (s.exists(1) && s.count(1) == 1 && (GradedAdverb(s, 1) || NounNotA(s, 1))) {
        s.setCat(0, kCatAdverb);
        s.setCls(0, 0x14);
        return 0;
    }
    if (s.exists(1) && (s.is(1, MR("nécessaire")) || (s.is(1, "besoin") && !s.is(2, "est")))) {
        s.adverbParts(0, 1);
        return 0;
    }
    const u8 next = s.cat(1);
    if (s.cat(-1) != kCatArticle ||
        (s.exists(1) && next != kCatComma && next != kCatRelative && next != kCatVerb && next != kCatPreposition)) {
        s.setCat(0, kCatSubordinating);
        s.setCls(0, 0x11);
    } else {
        s.setCat(0, kCatNoun);
        s.setCls(0, 'A');
        s.setFeat(0, 0x14);
    }
    return 0;
}

// "est", "dit" as nouns (after an article).
void NounForm(const Site& s) {
    s.setCat(0, kCatNoun);
    s.setCls(0, 'B');
    s.setFeat(0, s.word(0).WordCaseMode < 1 ? 0x14 : 0x00);
    s.setMark(0, 0x14);
    s.keepOne(0);
}

void EstLocutions(const Site& s) {
    if (s.exists(2) && s.is(-1, "c'") && s.is(1, MR("à")) && s.is(2, "dire")) {
        s.adverbParts(-1, 2);
    } else if (s.exists(1) && s.is(-1, "force") && s.is(1, "de")) {
        s.set(-1, kCatNoun, 'A', 0x24);
        s.setMark(-1, 'E');
    } else if (s.exists(-3) && s.exists(1) && s.is(-3, "si") && s.is(-2, "ce") && s.is(-1, "n'")) {
        if (s.starts(1, "qu")) {
            s.setCls(1, kClassConjunctionPart);
            s.setCat(1, kCatSubordinating);
            s.conjunctionParts(-3, 0);
        } else {
            s.adverbParts(-3, 0);
        }
    }
}

u16 EstDitRules(const Site& s) {
    if (s.count(-1) == 1 && s.cat(-1) == kCatArticle) return NounForm(s), 0;
    if (s.n == kEst) {
        if (s.word(0).WordCaseMode > 0 && s.cat(-1) == kCatArticle) return NounForm(s), 0;
        s.set(0, kCatVerb, 0x83, 0x08);
        s.setMark(0, 0x10);
        s.lemma(1);
        EstLocutions(s);
        return 0;
    }
    if (s.cat(-1) == kCatContracted) return NounForm(s), 0;
    // The participle and two conjugated forms.
    WordRecord& w = s.word(0);
    w.ReadingCount = 3;
    s.setCls(0, 0xF0);
    s.setCat(0, kCatPastParticiple);
    s.setFeat(0, 2);
    for (i32 r = 1; r <= 2; ++r) {
        w.ReadingCategories.ClampedAt(r) = kCatVerb;
        w.ReadingFeatures.ClampedAt(r) = r == 1 ? 0x08 : 0x1A;
        w.ReadingLemmaRefs.ClampedAt(r) = w.ReadingLemmaRefs.ClampedAt(0);
    }
    for (i32 r = 0; r <= 2; ++r) w.ReadingMarks.ClampedAt(r) = 'O';
    return 0;
}

u16 MaisCarRules(const Site& s) {
    if (s.count(-1) == 1 && (s.cat(-1) == kCatArticle || s.cat(-1) == kCatContracted)) return s.nounReading(), 0;
    if (s.n == kMais && s.exists(-2) && s.mark(-1) == '+' && s.is(-2, "en")) {
        s.set(0, kCatAdverb, 0x14, 0x00);
        s.setMark(0, 0x1B);
        s.lemma(2);
        return 0;
    }
    s.set(0, kCatCoordinating, 0x10, 0x00);
    s.setMark(0, 0x1B);
    s.lemma(1);
    return 0;
}

u16 LuiRules(const Site& s) {
    const bool single = s.count(-1) == 1;
    if (single && s.cat(-1) == kCatVerb && s.cls(-1) == 0xC2 && (s.isLast() || !s.starts(1, MR("même")))) {
        s.takeReading(0, kCatPastParticiple, kCatPastParticiple);
        s.setCat(0, kCatPastParticiple);
        s.keepOne(0);
        return 0;
    }
    if (s.exists(1) && s.count(1) == 1 &&
        (s.cat(1) == kCatInfinitive || s.cat(1) == kCatVerb || s.cls(1) > 0x7F)) {
        s.set(0, kCatObjectPronoun, '_', 0x07);
        return 0;
    }
    if (single && s.cat(-1) < kCatPastParticiple) s.set(0, kCatObjectPronoun, '_', 0x07);
    else if (single && s.cat(-1) == kCatComma) s.set(0, kCatObjectPronoun, '_', 0x17);
    else s.set(0, s.cls(-1) == 0x0F ? kCatSubjectPronoun : 3, '_', 0x17);
    return 0;
}

bool BeforeNounTon(const Site& s) {
    return s.catIn(-1, kCatArticle, kCatContracted) && !s.starts(-1, "tout") && !s.starts(-1, "seul");
}

u16 TonSonRules(const Site& s) {
    const bool noun = s.count(-1) == 1 && BeforeNounTon(s) && s.feat(-1) % 16 < 7;
    if (!noun && s.exists(1) && s.cat(1) == kCatNoun && (s.feat(1) % 16 < 7 || s.feat(1) == 0x1C) &&
        s.cat(-1) != kCatSubjectPronoun) {
        s.setCls(0, s.n == kTon ? 'p' : 's');
        s.lemma(1);
        s.setCat(0, kCatDeterminer);
        s.keepOne(0);
        s.setFeat(0, s.vowelInitial(1) ? 0x04 : 0x14);
        return 0;
    }
    if (noun || BeforeNounTon(s) || s.clsIs(-1, 'B', 'C')) {
        s.set(0, kCatNoun, 'A', 0x14);
        s.setMark(0, 'N');
    }
    return 0;
}

void FaitForm(const Site& s, u8 c, u8 f) {
    s.setCat(0, c);
    s.setCls(0, 0xF0);
    s.setFeat(0, f);
    s.setMark(0, 'J');
    s.keepOne(0);
}

// Word p is an auxiliary after a subject or object pronoun, whichever of
// its readings comes first: "tu les as fait" (the noun "as" is listed
// first).
bool AuxiliaryAfterPronoun(const Site& s, i32 p) {
    if (!s.exists(p - 1) || !(s.cat(p - 1) == kCatSubjectPronoun || s.cat(p - 1) == kCatObjectPronoun)) return false;
    for (i32 r = 0; r < s.count(p) && r < static_cast<i32>(kReadingSlots); ++r)
        if (IsAuxiliaryClass(rules::Cls(s.i + p, r))) return true;
    return false;
}

// An auxiliary before "fait" over the adverbs between them, up to three
// words ("n'a d'ailleurs fait", "a sans doute fait").
bool AuxiliaryOverAdverbs(const Site& s) {
    // "en fait", "tout à fait": "fait" ends the adverb itself.
    if (s.is(-1, "en") || s.is(-1, MR("à")) || s.cls(0) == kClassAdverbPart) return false;
    for (i32 p = -1; p >= -3 && s.exists(p - 1); --p) {
        if (s.cat(p) != kCatAdverb) return false;
        if (IsAuxiliaryClass(s.cls(p - 1))) return true;
    }
    return false;
}

// "à" after an object pronoun stands for the auxiliary "a" ("qui nous à
// fait", "il l'à fait"): an object pronoun goes before a verb.
bool AuxiliaryWrittenAsPreposition(const Site& s) {
    if (!s.is(-1, MR("à")) || !s.exists(-2)) return false;
    if (!(s.count(-2) == 1 && s.cat(-2) == kCatObjectPronoun) && !s.is(-2, "nous") && !s.is(-2, "vous")) return false;
    // After a preposition the pronoun is a stressed one ("c'est à vous à
    // faire"); after a verb it follows an imperative ("apprends-nous").
    return !s.exists(-3) || (s.cat(-3) != kCatPreposition && s.cls(-3) < 128);
}

u16 FaitRules(const Site& s) {
    if (IsAuxiliaryClass(s.cls(-1)) || AuxiliaryAfterPronoun(s, -1) || AuxiliaryOverAdverbs(s) ||
        AuxiliaryWrittenAsPreposition(s)) {
        FaitForm(s, kCatPastParticiple, 2);
    } else if ((s.exists(1) && s.cat(1) == kCatInfinitive) || s.cat(-1) == kCatObjectPronoun) {
        FaitForm(s, kCatVerb, 0x08);
    } else if (s.is(-1, "tout")) {
        s.keepOne(-1, 0);
        s.setCat(0, kCatPastParticiple);
        s.setCls(0, 0xF0);
        s.setFeat(0, 2);
        s.setCat(-1, kCatAdverb);
        s.setCls(-1, 0x14);
        s.setFeat(-1, 0);
    } else if (s.is(-1, "en") || (s.is(-1, "de") && (s.i == 1 || s.cat(-2) != kCatArticle) &&
                                  (!s.exists(1) || !s.is(1, "accompli")))) {
        s.keepOne(-1, 0);
        s.adverbParts(-1, 0);
        s.setFeat(-1, 0);
        s.setFeat(0, 0);
    } else if (s.catIn(-1, kCatArticle, kCatContracted) && s.feat(-1) % 64 < 32) {
        s.set(0, kCatNoun, 'A', 0x14);
        s.setMark(0, 'T');
    } else if (s.exists(-2) && s.is(-2, "tout") && s.is(-1, MR("à"))) {
        s.keepOne(-2);
        s.keepOne(0);
        s.adverbParts(-2, 0);
    } else {
        // The noun and the verb.
        WordRecord& w = s.word(0);
        w.ReadingCount = 2;
        s.setCat(0, kCatNoun);
        s.setCls(0, 'C');
        s.setFeat(0, 0);
        s.setMark(0, 'T');
        w.ReadingCategories.ClampedAt(1) = kCatVerb;
        w.ReadingClasses.ClampedAt(1) = 0xF0;
        w.ReadingFeatures.ClampedAt(1) = 0x08;
        w.ReadingMarks.ClampedAt(1) = 'J';
    }
    return 0;
}

u16 InfinitiveRules(const Site& s) {
    if (s.exists(1) && (s.findReading(1, kCatPastParticiple, kCatInfinitive) >= 0 || s.cat(-1) == kCatVerb)) {
        const u8 k = s.n == kFaire ? 0xF0 : s.n == kAvoir ? 0xC2 : 0x83;
        const u8 m = s.n == kFaire ? 'J' : s.n == kAvoir ? 0x11 : 0x10;
        s.setCat(0, kCatInfinitive);
        s.setCls(0, k);
        s.setMark(0, m);
        s.setFeat(0, 0);
        s.keepOne(0);
    }
    if (s.n == kFaire && s.is(-1, "ce")) {
        s.setCat(0, kCatNoun);
        s.keepOne(0);
    }
    return 0;
}

u16 TuRules(const Site& s) {
    if (s.count(-1) == 1 && IsAuxiliaryClass(s.cls(-1))) {
        s.set(0, kCatPastParticiple, 0xF0, 0x02);
        s.setMark(0, 'K');
        s.lemma(1);
    } else if (s.mode == 1) {
        s.set(0, kCatSubjectPronoun, 'Y', 0x06);
    }
    return 0;
}

}  // namespace

}  // namespace french

u16 ApplyFrenchFunctionWordRuleTail(u16 mode, u16 entry, u16 wordIndex, u16 capitalised) {
    const i32 n = entry;
    if (n < 15 || n > 51) return 0;
    const french::Site s{static_cast<i16>(wordIndex), mode, n};
    switch (n) {
    case 15: case 16: return french::NeRules(s);
    case 17: return french::SiRules(s);
    case 18: case 19: return french::EstDitRules(s);
    case 20: return french::EnRules(s);
    case 21: case 22: case 23: case 24: case 48: case 49: return french::AdverbRules(s);
    case 25: case 26: case 27: case 28: case 29: case 30: case 31: return french::PrepositionRules(s);
    case 32: case 42: return french::MaisCarRules(s);
    case 33: return french::LuiRules(s);
    case 34: case 35: return french::TonSonRules(s);
    case 36: return french::FaitRules(s);
    case 37: case 38: case 39: return french::InfinitiveRules(s);
    case 40: case 50: return french::DemonstrativeRules(s);
    case 41: return french::CommeRules(s);
    case 43: return french::TuRules(s);
    case 44: case 45: case 46: case 47: return french::PersonalPronounRules(s, capitalised);
    default: return french::ToutRules(s);  // 51
    }
}
