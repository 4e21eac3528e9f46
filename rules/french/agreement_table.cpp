// The group table: one segment record per noun group and per word outside
// the groups, with the group's gender, number, kind and head, the words'
// functions, time and date marks and subject marks. On the way a group's
// gender or number disagreement (41) and a form used only before a
// consonant standing before a vowel (52) are noted and held.
#include "frame/mac_roman.h"
#include "frame/mac_roman_literal.h"
#include "frame/settings.h"
#include "rules/french/french_agreement.h"

namespace french_agreement {

using namespace rules;

namespace {

// A feature byte as the groups read it: without the mark of a form used
// only before a consonant. The mark stays in the word table, so that a
// later call of the same sentence still finds its 52.
u8 GroupFeat(i32 i, i32 r = 0) { return static_cast<u8>(Feat(i, r) & 127); }
bool BeginsAny(i32 i, const char* const* list) {
    for (; *list != nullptr; ++list)
        if (Begins(i, *list)) return true;
    return false;
}

struct GenderNumber {
    u8 gender = 0;
    u8 number = 0;
};

// Gender and number of one reading: a verb form by its slot (participles),
// any other reading by its feature byte (3, both, reads as 0). The bit
// 0x40 of the words that elide before a vowel ("le" 0x54, "la" 0x64, "ma",
// "ce") is no gender.
GenderNumber OfReading(u8 cls, u8 f) {
    if (cls >= 128) {
        if (f == 7) return {1, 0};
        return {static_cast<u8>(f > 3 ? 2 : 1), static_cast<u8>((f & 1) != 0 ? 2 : 1)};
    }
    u8 g = static_cast<u8>((f & 0x3F) >> 4);
    u8 n = static_cast<u8>((f & 15) / 4);
    if (g > 2) g = 0;
    if (n == 3) n = 0;
    return {g, n};
}

// A reading's value merged into the word's: set when unset, unset when
// it differs.
void MergeValue(u8& word, u8 value) {
    if (value == 0) return;
    if (word == 0) word = value;
    else if (word != value) word = 0;
}

// An elided word ("l'", "grand'maman") has lost the ending that shows its
// gender and number.
// (the sentence reader may keep the apostrophe in the token as written only).
bool EndsWithApostrophe(const BoundedString& t) {
    const i32 n = GetStringLength(t);
    return n > 0 && (t.data[n - 1] == '\'' || t.data[n - 1] == 0xD5);
}
bool Elided(i32 c) { return EndsWithApostrophe(W(c).WordText) || EndsWithApostrophe(W(c).SeparatorText); }

GenderNumber OfGroupWord(i32 c) {
    GenderNumber w;
    if (Elided(c)) return w;
    for (i32 r = 0; r < Readings(c); ++r) {
        if (Cls(c, r) < 128 && Cat(c, r) == 18) continue;
        const GenderNumber v = OfReading(Cls(c, r), GroupFeat(c, r));
        MergeValue(w.gender, v.gender);
        MergeValue(w.number, v.number);
    }
    return w;
}

// A word inside a group that names something of its own: a name written
// with a capital inside the sentence ("la région Centre", "la planète
// Mars", "les compteurs Geiger") or a word in quotes ("le mot « amie »").
// Its gender and number are not the group's. (A number word after the
// group's first word, "le onze novembre", "le deux", gives the group no
// number either: the caller clears it.)
bool NamesItsOwnThing(i32 c) { return W(c).QuoteFlags != 0 || (c > 0 && W(c).WordCaseMode != 0); }

// Class rank of a word for the head choice while a group is walked.
u8 WalkRank(i32 c, bool first) {
    const u8 cls = Cls(c);
    if (first && Cat(c) == 8 && (Begins(c, "tou") || Begins(c, "seul"))) return 127;
    if (cls == 'B' || cls >= 128) return 'D';
    if (cls == 'M' || cls == 'N' || cls == '|' || (first && cls == '}')) return 'C';
    if (cls < 64) return 127;
    return cls;
}

// Rank of a word for the head chosen again from the last word backwards.
u8 BackwardRank(i32 w) {
    const u8 cls = Cls(w);
    if (cls == 'A' && Cat(w) == 18) return 'F';
    if (cls == 'A' || cls == '+') return 'A';
    if (Cat(w) == 10 && W(w).QuoteFlags != 0) return W(w).WordCaseMode >= 1 ? 'A' : 'D';
    if (cls == 'C') return Cat(w - 1) == 18 ? 'D' : W(w).WordCaseMode != 0 && Cls(w + 1) != 'A' ? 'A' : 'C';
    if (cls == 'M' || cls == 'N') return 'C';
    // An adjective ranks after a word that may be the noun ("le directeur
    // éditorial", "un grand malade"), as in the walk.
    if (cls == 'B') return 'D';
    if (cls > 127 || cls == 'E' || cls == '}') return 'F';
    return cls;
}

// Where a form used only before a consonant comes from: bit 7 of the
// feature byte, or the elision bit 0x40 our compiler gives the words that
// elide before a vowel ("le", "la", "ma", "ce"...; "bel", "nouvel" carry it
// as adjectives that stand only before one, and the elided forms "l'",
// "d'" themselves are no such form).
enum class ConsonantForm : u8 { kNone, kMarked, kElision };

ConsonantForm BeforeConsonantOnly(i32 c) {
    const u8 f = Feat(c);
    if (f > 128) return f != 152 && f != 156 ? ConsonantForm::kMarked : ConsonantForm::kNone;
    if ((f & 0x40) != 0 && Cls(c) != 'B' && !Ends(c, "'") && !Ends(c, "\xD5")) return ConsonantForm::kElision;
    return ConsonantForm::kNone;
}

// A word beginning with a vowel or "h" after a marked form. After an
// eliding word an "h" or a "y" is left alone (our data does not tell "le
// héros" from "l'homme", "le yaourt" from "l'yeuse"), as are the numerals
// ("le onze", "le un") and "oui", "ouate", before which the full form stands.
bool VowelStart(i32 c, ConsonantForm form) {
    const u8 l = ToLowerMacRoman(Letter(c, 0));
    if (form == ConsonantForm::kMarked)
        return l == 'a' || l == 'e' || l == 'h' || l == 'i' || l == 'o' || l == 'u' || l == 'y' || l >= 123;
    const bool vowel = l == 'a' || l == 'e' || l == 'i' || l == 'o' || l == 'u' || (l >= 0x80 && l <= 0x9F);
    return vowel && !Numeral(c) && !KeepsFullFormBefore(W(c).WordText);
}

// The state of one group while it is walked.
struct Group {
    i32 first = 0;
    i32 last = 0;
    i32 record = 0;
    i32 kindFlag = 0;  // S
    u8 gender = 0, number = 0;
    u8 startGender = 0, startNumber = 0;  // of the first word
    bool genderConflict = false, numberConflict = false, cut = false;
    u8 bestRank = 255;
    i32 head = 0;
    i32 consonantOffset = 0;  // the word that must not begin with a vowel
    ConsonantForm consonantForm = ConsonantForm::kNone;
};

i32 KindFlag(i32 i) {
    i32 a = 0;
    while (i - a - 1 >= 0 && LastCat(i - a - 1) == 18) ++a;
    const i32 before = i - a - 1;
    if (Cat(i) == 1 || Cat(i) == 6 || Is(i, "eux")) return 1;
    if (Cat(i) == 3 && (Cls(i + 1) == 131 || i == 0 || (i == 1 && a == 1) || Cat(before) == 16 || Cat(before) == 21))
        return 1;
    if (CatIn(before, 12, 14) && (Is(i - 1, "comment") || Is(i - 1, "combien") || Is(i - 1, "pourquoi"))) return 1;
    i32 s = 0;
    if (i < Count() - 2 && Is(i, "des") && i >= 1 && Cls(i - 1) >= 128 && Mark(i - 1) >= 128 && Comparative(i + 1) &&
        Cat(i + 2) == 10) {
        s = 2;
        if (((Feat(i + 2) >> 2) & 3) >= 2) SetReading0(i, 18, '%');
    } else if (Cat(i) == 4 || Cat(i) == 7 || Cat(i) == 8 || (Cat(i) == 10 && Cls(i) == '@')) {
        const bool afterVerb = CatIn(before, 11, 14) || (i > 1 && Is(before, "comme") && Cat(before - 1) == 21);
        s = afterVerb ? 0 : 1;
    }
    return s;
}

void MarkTimeAndDate(const Group& g, i32 c) {
    static const char* const kSeasons[] = {"printem", MR("été"), "automne", "hiver", "jour", "nuit", "soir",
                                           "matin", "minuit", "dima", nullptr};
    static const char* const kFollowing[] = {"venu", MR("précédent"), "suivant", MR("passé"), "prochain", nullptr};
    static const char* const kMonths[] = {"janv", MR("févr"), "avr", "jui", "ao", "septem", "octob", "novem",
                                          MR("décem"), nullptr};
    SegmentRecord& rec = Seg(g.record);
    if (Cat(g.first) == 4 || Cat(g.first) == 7 || Cat(g.first) == 8) {
        if (Is(c + 1, "fois") || BeginsAny(c + 1, kSeasons) || Ends(c + 1, "di") || Ends(c + 1, "dis")) rec.State = 2;
        else if (Cls(c + 1) == 'A' && BeginsAny(c + 2, kFollowing)) rec.State = 2;
    }
    if (Numeral(c) && c > 0 && CatIn(c - 1, 7, 10) && ((GroupFeat(c) >> 2) & 3) == 1 && (GroupFeat(c) >> 4) == 0 &&
        (BeginsAny(c + 1, kMonths) || Is(c + 1, "mars") || Is(c + 1, "mai")))
        rec.State = 2;
}

bool Coordinator(i32 k) { return Is(k, "et") || Is(k, "ou") || Is(k, "ni"); }

// A number that coordination explains, for a word other than a noun: one
// plural adjective after coordinated nouns ("une chemise et un pantalon
// noirs", "un frère et une sœur réunis", masculine when the genders
// differ), and singular adjectives listed after a plural noun, each naming
// one of its kind ("les couleurs rouge, jaune et verte").
bool NumberOfCoordination(const Group& g, i32 c, GenderNumber w, bool genderConflict) {
    if (Cls(c) == 'A' || c == g.first) return false;
    if (w.number == 2 && g.number == 1 && (!genderConflict || w.gender == 1)) {
        i32 p = g.first - 1;
        if (p > 0 && Cat(p) == 15) --p;
        return p > 0 && Coordinator(p);
    }
    if (w.number == 1 && g.number == 2 && !genderConflict && c + 1 < Count())
        return Coordinator(c + 1) || Letter(c + 1, 0) == ',';
    return false;
}

// The held 41 at word c of the group (the first of the sentence that passes
// its gate is kept).
void NoteDisagreement(const Group& g, i32 c, GenderNumber w, bool genderConflict, bool numberConflict,
                      HeldFindings& held) {
    // A noun after a noun names a second thing ("le moteur essence", "le
    // vecteur position", "les vecteurs vitesses"): its own gender is no
    // fault of the group's. A noun or adjective that opens the group, or
    // that only a determiner of no gender or the article "de" precedes, is
    // the adjective before the noun ("ces beaux institutions", "pour grande
    // appartement"); but adjectives before "gens" are feminine ("les bonnes
    // gens"), and "grand" stays masculine before a feminine noun in old set
    // phrases ("avoir grand faim", "grand peur").
    // A contracted article determines the group, also where a locution took
    // it for its preposition ("grâce au moteur essence").
    static const char* const kContracted[] = {"au", "aux", "du", "des", nullptr};
    const bool articleBefore = c - 2 >= 0 && (CatIn(c - 2, 7, 9) || IsOneOf(c - 2, kContracted));
    bool prenominal = !Is(c, "gens") && !(c - 1 == g.first && (Is(c - 1, "grand") || articleBefore));
    for (i32 k = g.first; k < c - 1 && prenominal; ++k)
        prenominal = (Cat(k) == 8 || Is(k, "de") || Is(k, "d'")) && OfGroupWord(k).gender == 0;
    const bool nounAfterNoun =
        Cls(c) == 'A' && (Cls(c - 1) == 'A' || (Cls(c - 1) == 'C' && !numberConflict && !prenominal));
    if (nounAfterNoun) {
        W(c).FunctionCode = 92;
        return;
    }
    if (held.agreementHeld || !(MayReport(41, c) || gLastRule == 40)) return;
    const bool plural = g.kindFlag == 2 || Numeral(g.first);
    auto selector = [plural](u8 gender, u8 number) -> i32 {
        if (plural) return gender == 0 ? 2 : 2 * gender;
        return gender == 0 ? number : 2 * gender + number - 2;
    };
    RuleReport r = ReportFromGlobals(41, c);
    r.gender = w.gender;
    r.number = w.number;
    r.detail = static_cast<u16>((genderConflict ? 1 : 0) + (numberConflict ? 2 : 0));
    r.extent = static_cast<u16>(selector(g.gender, g.number));
    if (gLastRule == 40 && gLastErrorPos == c) r.extent = kNoCorrection;
    i32 alternative = 0;
    if (!Numeral(g.first) && Cat(g.first) < 10) {
        const u8 f = GroupFeat(g.first);
        const u8 fg = static_cast<u8>(f >> 4), fn = static_cast<u8>((f & 15) / 4);
        if (genderConflict && fg != g.startGender) alternative = selector(fg, g.number);
        else if (numberConflict && fn != g.startNumber) alternative = selector(g.gender, fn);
    }
    held.agreementHeld = true;
    held.agreement = r;
    held.record = g.record;
    held.groupNumber = g.number;
    held.alternative = alternative;
}

bool Agree(GenderNumber a, GenderNumber b) {
    return (a.gender == 0 || b.gender == 0 || a.gender == b.gender) &&
           (a.number == 0 || b.number == 0 || a.number == b.number);
}

// A plain noun group up to word c: its article, determiner or contracted
// article ("du", "aux"), adjectives (each may follow an adverb: "de très
// jolis"), its noun, and at most one adjective after the noun. Word c is
// the noun ("nos jolies maison") or that adjective ("ces longues nuits
// froide"); such a group cannot end before c, whatever its length. A verb
// form after the noun is left out: a participle after a group is as often
// the attribute of another word.
bool PlainGroupUpTo(const Group& g, i32 c) {
    if (Cat(g.first) < 7 || Cat(g.first) > 9) return false;
    auto adjective = [](i32 k) {
        const u8 cls = Cls(k);
        return Cat(k) == 10 && (cls == 'B' || cls == 'C' || cls == 'M' || cls == 'N');
    };
    auto noun = [](i32 k) { return Cat(k) == 10 && (Cls(k) == 'A' || Cls(k) == 'C'); };
    i32 k = g.first + 1;
    while (k < c && (adjective(k) || (Cat(k) == 18 && k + 1 < c && adjective(k + 1)))) ++k;
    if (k == c) return noun(c);
    // A group opening the sentence is nobody's attribute: up to two
    // adjectives or participles after its noun qualify that noun ("mes
    // chevaux blancs oubliés", "leurs peurs refoulées").
    if (g.first == 0 && noun(k) && c - k <= 2 && !Numeral(g.first)) {
        auto qualifier = [&](i32 q) {
            return (adjective(q) || (Cls(q) >= 128 && CatIn(q, 10, 11))) && !Begins(q, "seul");
        };
        bool all = true;
        for (i32 q = k + 1; q <= c; ++q) all = all && qualifier(q);
        if (all) return c + 1 >= Count() || (Cat(c + 1) != 10 && !Is(c + 1, "de") && !Is(c + 1, "d'"));
    }
    if (k != c - 1 || !noun(k) || !adjective(c) || Numeral(g.first) || Begins(c, "seul")) return false;
    // After a copula and a preposition the adjective may be the copula's
    // attribute ("elles sont dans leur ensemble satisfaites").
    if (g.first >= 2 && Cat(g.first - 1) == 15 && Cls(g.first - 2) == 131) return false;
    // After "du", "des", "au", "aux" the adjective may qualify the noun the
    // group complements ("mère au foyer versaillaise").
    if (Cat(g.first) == 9 && g.first >= 1 && Cat(g.first - 1) == 10 && Agree(OfGroupWord(g.first - 1), OfGroupWord(c)))
        return false;
    // A colour named by two words ("bleu clair", "noir de jais") is
    // invariable.
    return c + 1 >= Count() || (Cat(c + 1) != 10 && !Is(c + 1, "de") && !Is(c + 1, "d'"));
}

// A bare noun after a preposition and the adjective right after it, where
// the adjective cannot qualify the word before the preposition either: the
// adjective belongs to the bare noun ("de façon idiot", "de manière
// légal"), while "un pull de laine bleu" qualifies the pull. A participle
// there is as often the subject's attribute ("rentré de vacances épuisé"),
// and an adjective before a word of its own ("à vitesse grand V", "bleu de
// nuit") is no epithet of the noun.
bool BareNounAndAdjective(const Group& g, i32 c) {
    const i32 p = g.first - 1;
    if (c != g.first + 1 || p < 1 || Cat(p) != 15 || Cat(c) != 10) return false;
    const u8 cls = Cls(c);
    if (cls != 'B' && cls != 'C' && cls != 'M' && cls != 'N') return false;
    if (c + 1 < Count() &&
        (Cat(c + 1) == 10 || W(c + 1).WordCaseMode != 0 || Is(c + 1, "de") || Is(c + 1, "d'")))
        return false;
    const i32 before = p - 1;
    if (CatIn(before, 7, 11) && Agree(OfGroupWord(before), OfGroupWord(c))) return false;
    return true;
}

bool CutsAtConflict(const Group& g, i32 c) {
    i32 d = c - g.first;
    if (Cat(g.first) == 7 || (g.kindFlag == 2 && Comparative(g.first + 1))) --d;
    // An article after the group's first word opens a group of its own
    // ("des le matin" written for "dès le matin").
    if (Cls(g.first) == 'A' && BareNounAndAdjective(g, c)) return false;
    if ((d > 1 && !PlainGroupUpTo(g, c)) || Cls(g.first) == 'A' || (c > g.first && Cat(c) == 7)) return true;
    if (Cat(g.first) != 8) return false;
    if (Cls(g.first) == 'P') return true;
    const i32 i = g.first;
    const bool afterVerb = Cat(i - 1) == 14 || (Cat(i - 1) == 15 && Cat(i - 2) == 14);
    return Cls(i) == 'Q' && (i == 0 || afterVerb) && CatIn(i + 1, 7, 9);
}

// One word of the walk; false when the group is cut before it.
bool WalkWord(Group& g, i32 c, HeldFindings& held) {
    const i32 offset = c - g.first;
    if (g.consonantOffset != 0 && offset == g.consonantOffset && VowelStart(c, g.consonantForm) && !held.neighbourHeld &&
        MayReport(52, c)) {
        held.neighbourHeld = true;
        held.neighbour = ReportFromGlobals(52, c);
        held.neighbour.extent = static_cast<u16>(c);
        held.neighbour.kind = 6;
    }
    WordRecord& word = W(c);
    if (const ConsonantForm form = BeforeConsonantOnly(c); form != ConsonantForm::kNone) {
        g.consonantOffset = offset + 1;
        g.consonantForm = form;
    }
    MarkTimeAndDate(g, c);
    if (Numeral(c) && Letter(c, 0) >= 65 &&
        (Begins(c + 1, "mill") || Begins(c + 1, "cent") || Begins(c + 1, "diz") || Begins(c + 1, "douz")))
        word.ReadingFeatures[0] = 8;  // a numeral in letters before "cent": plural
    if (Cat(c) == 18 && Cls(c) == '%') word.ReadingFeatures[0] = 8;
    GenderNumber w = OfGroupWord(c);
    if (offset > 0 && NamesItsOwnThing(c)) w = {};
    if (offset > 0 && Numeral(c)) w.number = 0;
    // The article "de" stands for a plural ("de belles maisons") and, after
    // a negation or in a set phrase, for a singular ("pas de pain", "de
    // grâce"): the noun gives the group its number.
    if (offset == 0 && Is(c, "de")) w.number = 0;
    // The elided article has lost its ending but not its number: "l'" is
    // singular ("l'avion", not "l'avions").
    if (offset == 0 && Cat(c) == 7 && Elided(c) && (Is(c, "l'") || Is(c, "l\xD5"))) w.number = 1;
    if (offset == 1 && c < Count() - 1 && Cat(c + 1) != 10) {
        if (Cls(c) == 'M') w.gender = 1;
        else if (Cls(c) == 'N') w.gender = 2;
    }
    bool genderConflict = false, numberConflict = false;
    if (offset == 0) {
        g.gender = g.startGender = w.gender;
        g.number = g.startNumber = w.number;
    } else {
        if ((w.gender == 1 && g.gender == 2) || (w.gender == 2 && g.gender == 1)) genderConflict = true;
        else if (w.gender != 0) g.gender = w.gender;
        if ((w.number == 1 && g.number == 2) || (w.number == 2 && g.number == 1)) numberConflict = true;
        else if (w.number != 0) g.number = w.number;
    }
    if (Cls(c) == '@' && GroupFeat(c) == 0) g.number = 1;
    const u8 rank = WalkRank(c, offset == 0);
    if (rank < g.bestRank) {
        g.bestRank = rank;
        g.head = c;
    }
    // An article after a figure opens a group of its own: the figure
    // closed the group before it ("En 1945 la production", "au km 3 la
    // route"): a figure never stands before the article of its own noun.
    const bool articleAfterFigure = offset > 0 && Cat(c) == 7 && Numeral(c - 1) && Letter(c - 1, 0) < 65;
    if (!genderConflict && !numberConflict && !articleAfterFigure) return true;
    if (gAnalysisMode == 0 && (articleAfterFigure || CutsAtConflict(g, c))) {
        const u8 number = W(c).ClauseNumber;
        for (i32 k = c; k < Count() && W(k).ClauseNumber == number; ++k) W(k).ClauseNumber = 255;
        g.cut = true;
        return false;
    }
    if (!genderConflict && !numberConflict) return true;
    if (NumberOfCoordination(g, c, w, genderConflict)) return true;
    g.genderConflict = g.genderConflict || genderConflict;
    g.numberConflict = g.numberConflict || numberConflict;
    NoteDisagreement(g, c, w, genderConflict, numberConflict, held);
    return true;
}

// The group's gender and number written into the words that leave them
// open (both genders, both numbers or none).
void SpreadGroupValues(const Group& g) {
    for (i32 w = g.first; w <= g.last; ++w) {
        const u8 cls = Cls(w);
        const bool nominal = (cls >= 'A' && cls <= 'E') || cls == 'M' || cls == 'N' || cls == '}';
        if (!nominal || !CatIn(w, 7, 10)) continue;
        u8& byte = W(w).ReadingFeatures[0];
        const u8 consonantMark = static_cast<u8>(byte & 128);
        u8 f = static_cast<u8>(byte & 127);
        if ((f >> 4) == 0 || (f >> 4) == 3) f = static_cast<u8>((f & 0x0F) | (g.gender << 4));
        if (((f >> 2) & 3) == 3) f = static_cast<u8>(f & ~12);
        if (((f >> 2) & 3) == 0) f = static_cast<u8>(f + 4 * g.number);
        byte = static_cast<u8>(f | consonantMark);
    }
}

// An epithet of the group reads as an adjective from here on: a noun or
// adjective, or a word the dictionary does not know. A function word or a
// sign inside the group ("en" of "poème en prose", "plus", "ne", ";") keeps
// its own class.
bool ReadsAsEpithet(i32 w, u8 cls) {
    if (cls == 0) return IsLetterMacRoman(Letter(w, 0)) != 0;
    return cls == 'C' || cls == 'E' || cls == 'M' || cls == 'N' || cls == '}';
}

// The head chosen again from the last word backwards (the first of
// several nouns wins), then every word's function and link.
void ChooseHeadAndFunctions(Group& g) {
    const i32 last = g.last;
    u8 best = Cls(last) == 'B'                       ? 'D'
              : (Cls(last) == 'C' && Cat(last - 1) == 18) ? 'D'
              : Cls(last) < 64                       ? 'P'
                                                     : Cls(last);
    i32 head = last;
    for (i32 w = last; w >= g.first; --w) {
        if (Cls(w) < 43) continue;
        const u8 rank = BackwardRank(w);
        if (rank < best || (rank == best && (rank == 'A' || rank == 'C'))) {
            best = rank;
            head = w;
        }
    }
    g.head = head;
    for (i32 w = last; w >= g.first; --w) {
        WordRecord& word = W(w);
        word.LinkedWord = 0;
        const u8 cls = Cls(w);
        const bool nominal = (cls >= 'A' && cls <= 'E') || cls == '+' || cls == 'M' || cls == 'N' || cls == 'P' ||
                             cls == 'Q' || cls == 'R' || cls == 'S' || cls == '}';
        if (CatIn(w, 1, 6) && !nominal && cls < 128) {
            word.FunctionCode = 75;
            word.LinkedWord = static_cast<u16>(head);
            continue;
        }
        if (w == g.first) continue;
        if (w == g.first + 1 && cls == 'A' && Cls(g.first) == '!' && Cat(g.first) == 7 && Cls(g.first - 1) == 'A') {
            word.FunctionCode = 84;
            continue;
        }
        if (w == head) {
            word.FunctionCode = 75;
            if (cls != '@' && cls != 'A' && cls != '+' && !g.cut) word.ReadingClasses[0] = 'A';
        } else if (cls >= 128) {
            word.FunctionCode = Cls(w - 1) == 128 ? 74 : 76;
            if (w == last && Is(w + 1, "par") && (Cat(w + 2) == 7 || Cat(w + 2) == 8)) word.FunctionCode = 80;
        } else if (cls == '+') {
            word.FunctionCode = 14;
        } else if (cls == 'A' || cls == '@' || cls == 'P' || cls == 'Q' || cls == 'R' || cls == 'S') {
            word.FunctionCode = 92;
        } else if (cls == 'D') {
            word.FunctionCode = 75;
        } else {
            word.FunctionCode = 76;
            if (ReadsAsEpithet(w, cls)) word.ReadingClasses[0] = 'B';
        }
        word.LinkedWord = static_cast<u16>(head);
    }
}

bool ShortCe(i32 i) { return Cls(i) == 'F' && TextLength(i) < 3; }

// Subject marks of the group's record; true when the next record is to
// carry the subject mark too (the verb after "ce").
bool MarkSubject(const Group& g, bool& markNext) {
    const i32 l = g.last;
    const i32 n = Count();
    SegmentRecord& rec = Seg(g.record);
    bool subject = false;
    if (ShortCe(l) && l < n - 1 && Cls(l + 1) == 131) {
        subject = true;
        markNext = Feat(l + 1) % 3 == 2;
    } else if (l >= 1 && l < n - 2 && ShortCe(l - 1) && Cls(l) == 22 && Cls(l + 1) == 131) {
        subject = true;
        markNext = Feat(l + 1) % 6 == 2;
    } else if (l < n - 3 && ShortCe(l) && Is(l + 1, "qui") && Cls(l + 2) == 22 && Cls(l + 3) == 131) {
        subject = true;
        markNext = Feat(l + 3) % 6 == 2;
    } else if (Cls(l) == ']' && ((Begins(l + 1, "y") && Cls(l + 2) == 194) ||
                                  (Cls(l + 1) == 22 && Begins(l + 2, "y") && Cls(l + 3) == 194) ||
                                  (Cat(l + 1) == 14 && Begins(l + 1, "exist")))) {
        subject = true;
    }
    if (subject) rec.State = 1;
    const i32 f = g.first;
    if (rec.State == 0 && l - f == 2 && f < n - 3 && Comparative(f + 1) && Cat(f + 2) == 10 && Cls(f + 2) > 'A' &&
        Cat(f + 3) != 15 && Cat(f + 3) != 9) {
        rec.State = 2;
        if (Cat(f) == 7) rec.SegmentKind = 10;
    }
    return subject;
}

// Walks the group that begins at word i into record r; returns its last
// word.
i32 BuildGroupRecord(i32 i, i32 r, HeldFindings& held, bool& markNext) {
    Group g;
    g.first = i;
    g.record = r;
    g.head = i;
    SegmentRecord& rec = Seg(r);
    rec = SegmentRecord{};
    rec.FirstWord = static_cast<u8>(i);
    rec.Link = 255;
    g.kindFlag = KindFlag(i);
    // (a name is no day: Mehdi, Vivaldi)
    if ((Begins(i, "dima") || Ends(i, "di")) && Cls(i) != '@') {
        rec.State = 2;
        g.kindFlag = 1;
        W(i).ReadingClasses[0] = 'A';
    }
    const bool alone = !(i + 1 < Count() && W(i + 1).ClauseNumber == W(i).ClauseNumber);
    if ((Cls(i) == 'Q' || Begins(i, "nul")) && alone && Cat(i - 1) == 14 && Mark(i - 1) >= 129 &&
        (r == 0 || Seg(r - 1).State == 0)) {
        g.kindFlag = -13;
        SetReading0(i, 10, 'B');
    }
    const u8 number = W(i).ClauseNumber;
    i32 c = i;
    for (; c < Count() && W(c).ClauseNumber == number; ++c)
        if (!WalkWord(g, c, held)) break;
    g.last = c - 1;
    // A group whose own words disagree in gender (reported as 41) gives no
    // gender to check its attributes against: "Le maison est belle" is one
    // fault, not a second one at "belle".
    rec.Gender = g.genderConflict && !g.cut ? 0 : g.gender;
    rec.Number = g.number;
    rec.Person = static_cast<u8>((Feat(i) & 3) != 0 ? (Feat(i) & 3) : 3);
    if (g.cut || (!g.genderConflict && !g.numberConflict)) {
        SpreadGroupValues(g);
        ChooseHeadAndFunctions(g);
    }
    rec.LastWord = static_cast<u8>(g.head);
    rec.SegmentKind = static_cast<u8>(g.kindFlag == -13 ? 10 : g.kindFlag == 1 ? 24 : 23);
    if (g.kindFlag == 2) rec.Number = 0;
    markNext = false;
    MarkSubject(g, markNext);
    return g.last;
}

// Number and person of a conjugated verb by its slot.
void VerbNumberAndPerson(u8 f, u8& number, u8& person) {
    const u8 v = f >= 128 ? static_cast<u8>(f - 128) : f >= 64 ? static_cast<u8>(f - 64) : f;
    struct Slot {
        u8 slot, person, number;
    };
    static const Slot kSlots[] = {{0, 7, 1},  {1, 1, 2},  {2, 2, 2},  {3, 6, 1},  {4, 4, 1},  {5, 5, 1},
                                  {12, 4, 1}, {42, 4, 1}, {48, 2, 1}, {49, 1, 2}, {50, 2, 2}, {51, 5, 1},
                                  {52, 1, 2}, {53, 2, 2}, {54, 3, 2}, {55, 4, 1}, {56, 1, 2}, {57, 2, 2},
                                  {58, 2, 1}, {59, 5, 1}, {60, 3, 1}, {61, 3, 2}, {62, 1, 2}, {63, 2, 2}};
    for (const Slot& s : kSlots) {
        if (s.slot == v) {
            person = s.person;
            number = s.number;
            return;
        }
    }
    const u8 rest = static_cast<u8>(v % 6);
    person = static_cast<u8>(rest <= 2 ? rest + 1 : rest - 2);
    number = static_cast<u8>(rest <= 2 ? 1 : 2);
}

// The record of a word outside the groups; false when the word gets none.
// `skip` tells how many following words get no record either.
bool BuildWordRecord(i32 i, SegmentRecord& rec, i32& skip) {
    skip = 0;
    const u8 f = Feat(i);
    u8 g = static_cast<u8>(f >> 4);
    if (g == 3) g = 0;
    if (Readings(i) == 1 && (g == 5 || g == 9)) g = 1;
    u8 n = static_cast<u8>((f & 15) / 4);
    if (n == 3) n = 0;
    rec = SegmentRecord{};
    if (Readings(i) > 1) {
        bool nominal = true;
        for (i32 r = 0; r < Readings(i); ++r) nominal = nominal && (Cat(i, r) == 10 || Cat(i, r) == 11);
        if (!nominal) {
            rec.SegmentKind = 32;
            return true;
        }
        KeepOne(i);
        W(i).ReadingCategories[0] = 10;
        const GenderNumber v = Cls(i) >= 128 ? OfReading(Cls(i), f) : GenderNumber{g, n};
        rec = {v.gender, v.number, 3, 10, 0, 0, 0, 0};
        return true;
    }
    u8 c = Cat(i);
    if (c == 0) {
        if (i != Count() - 1) return false;
        c = 1;
    }
    const bool lastWord = i == Count() - 1;
    switch (c) {
        case 1: case 2: rec = {g, n, 0, c, 0, 0, 0, 0}; return true;
        case 4: case 6: rec = {g, n, 3, c, 0, 0, 0, 0}; return true;
        case 5: case 12: case 13: case 21: rec.SegmentKind = c; return true;
        case 10: case 11: {
            if (c == 10) W(i).FunctionCode = 76;
            const GenderNumber v = Cls(i) >= 128 ? OfReading(Cls(i), f) : GenderNumber{g, n};
            rec = {v.gender, v.number, 3, c, 0, 0, 0, 0};
            return true;
        }
        case 14: {
            u8 number = 0, person = 0;
            VerbNumberAndPerson(f, number, person);
            rec = {0, number, person, 14, 0, 0, 0, 0};
            return true;
        }
        case 16: case 17:
            if (lastWord) {
                SetReading0(i, 18, 20);
                c = 18;
            }
            rec.SegmentKind = c;
            return true;
        case 15:
            if (!lastWord && (Cat(i + 1) != 18 || (i < Count() - 2 && (Cat(i + 2) == 13 || Cat(i + 2) == 10 ||
                                                                          Cat(i + 2) == 8)))) {
                rec.SegmentKind = 15;
                return true;
            }
            break;
        default: break;
    }
    if (gAnalysisMode == 1 && c == 20 && Letter(i, 0) != '"' && Letter(i, 0) != '\'' && Letter(i, 0) < 126) {
        rec.SegmentKind = 20;
        return true;
    }
    if (c == 18 && i > 0 && i < Count() - 2 && Cat(i + 1) == 16 && Cat(i + 2) == 18) skip = 2;
    return false;
}

}  // namespace

void BuildGroupTable(HeldFindings& held) {
    // A word outside the groups is attached to nothing until the verb
    // stages link it (0 would name the first record).
    for (i32 i = 0; i < Count(); ++i) {
        W(i).FunctionCode = 0;
        W(i).LinkedWord = W(i).ClauseNumber != 0 ? 0 : 65535;
    }
    i32 r = 0;
    bool markNext = false;  // the subject mark that the record after a group takes
    for (i32 i = 0; i < Count() && r < static_cast<i32>(gSegments.count); ++i) {
        if (W(i).ClauseNumber != 0) {
            if (i > 0 && W(i).ClauseNumber == W(i - 1).ClauseNumber) continue;
            i = BuildGroupRecord(i, r, held, markNext);
            ++r;
            continue;
        }
        SegmentRecord rec;
        i32 skip = 0;
        const bool made = BuildWordRecord(i, rec, skip);
        if (made) {
            rec.State = markNext ? 1 : 0;
            rec.FirstWord = rec.LastWord = static_cast<u8>(i);
            rec.Link = 255;
            Seg(r) = rec;
            ++r;
            markNext = false;
        }
        i += skip;
    }
    gSegmentCount = static_cast<u16>(r);
}

}  // namespace french_agreement
