// Verb constructions (49): a participle-like form after a verb clause
// (stage A), then, for each verb clause, the complement that follows it:
// a wrong object noun, "pour" or "avec" after a direct-object verb, a lone
// object pronoun after a preposition at the end, a governed clause the
// verb's class does not admit, and an infinitive with the wrong or no
// preposition (stage B).
#include "rules/clause/clause_walk.h"

namespace clause_walk {

using namespace rules;

namespace {

// The reflexive pronoun of a pronominal verb stands right before it, or
// before "en" or "y" ("il s'est enfui", "elle s'en souvient"), also when
// the group table kept it inside another record (after "de": "mieux vaut
// s'abstenir").
bool ReflexiveBefore(i32 v) {
    i32 p = v - 1;
    if (p > 0 && (Is(p, "en") || Is(p, "y"))) --p;
    return p >= 0 && Cat(p) == 2;
}

// Stage A is gated like stage B, at the clause's first word, so that the
// dispatcher's next call goes past it.
RuleCode CheckParticipleLikeVerb(u16& out) {
    for (i32 s = 1; s < SegCount(); ++s) {
        const u8 last = Cls(Last(s));
        if (FCls(s) <= 128 || FCat(s) == 11 || last < 160 || last > 175 || Kind(s - 1) == 26) continue;
        if (ReflexiveBefore(First(s))) continue;
        if (!MayReport(49, First(s))) continue;
        RuleReport r;
        r.code = 49;
        r.pos = First(s);
        r.detail = 10;
        r.extent = static_cast<u16>(Last(s));
        return Commit(r, out);
    }
    return 0;
}

// The verb of clause s as the construction tests read it.
struct Verb {
    i32 s = 0;
    i32 word = 0;  // its last word (the text tested)
    u8 cls = 0;
    u8 mark = 0;   // the construction byte
    u8 model() const { return static_cast<u8>(mark & 127); }
    bool begins(const char* stem) const { return Begins(word, stem); }
};

bool Any(const Verb& v, const char* const* stems) { return BeginsAnyOf(v.word, stems); }

bool PrepositionRoute(i32 s) {
    const i32 n = s + 1;
    if (Kind(n) != 23 || (FCat(n) != 15 && FCat(n) != 9)) return false;
    if (s == SegCount() - 2) return true;
    return Cat(First(n) + 1) < 9 && Kind(s + 2) != 24 && S(s + 2).Link != 254;
}

u16 ObjectNoun(const Verb& v, i32 n) {
    const i32 q = First(n);
    const i32 noun = Last(n);
    if (v.model() != 1) return 0;
    if (Cls(q) == 32) {
        if (v.begins("regard") && !Is(noun, MR("dépense")) && !Is(noun, "porte") && !Is(noun, MR("fenêtre"))) return 8;
        if (v.begins(MR("écout")) && !Is(noun, "porte")) return 8;
    }
    if ((Cls(q) == 'f' || Cls(q) == 'g') && q != Count() - 1) {
        if (v.begins("regard") && !Is(noun, MR("dépenses"))) return 5;
        if (v.begins(MR("écout")) && !Is(noun, "portes")) return 5;
    }
    return 0;
}

u16 PourOrAvec(const Verb& v, i32 s) {
    const i32 q = First(s + 1);
    if (Cls(q) != 34) return 0;
    static const char* const kPour[] = {"regard", "cherch", "demand", nullptr};
    if (Is(q, "pour") && ((v.model() == 53 && v.begins("attend")) || (v.model() == 1 && Any(v, kPour)))) {
        if (v.begins("regard")) return 9;
        if (Cat(q + 2) != 13) return 6;
    }
    if (Is(q, "avec") && v.model() == 1 && v.begins(MR("épous"))) {
        const bool groupAfter = s != SegCount() - 2 && FCat(s + 2) >= 10;
        if (!groupAfter && Cat(q + 2) != 13) return 7;
    }
    return 0;
}

u16 LoneObject(i32 s) {
    const i32 n = s + 1;
    const i32 q = First(n);
    if (Cat(q) != 15) return 0;
    const u8 c = Cls(q + 1);
    if (c != 'V' && c != 'Z' && c != 'a' && !Is(q + 1, "le") && !Is(q + 1, "la") && !Is(q + 1, "les")) return 0;
    const bool atEnd = n == SegCount() - 1 && (q == Count() - 2 || Begins(q + 2, "."));
    const bool clauseAfter = s + 2 < SegCount() && First(s + 2) == q + 1;
    return atEnd || clauseAfter ? 126 : 0;
}

u16 GovernedClause(const Verb& v, i32 s) {
    const i32 n = s + 1;
    const i32 q = First(n);
    const bool governed = (Kind(n) == 23 && S(n).State != 2 && FCat(n) > 3 && !Begins(q, "d")) || Kind(n) == 26;
    if (!governed) return 0;
    const u16 fc = W(Last(n)).FunctionCode;
    // A noun group after an intransitive verb (class bytes below 160, and
    // 176 to 191 for the verbs both intransitive and pronominal) is its
    // subject placed after it ("où règne l'obscurité", "Vient le temps de
    // partir."), the attribute of a copula ("cette disparition reste une
    // énigme", "il devient chef") or a complement of time or measure ("Les
    // études durent six ans."): the labels cannot tell these from an object,
    // so only a pronominal verb is held to its construction, and only when
    // the clause ends on a verb.
    if (v.cls >= 160 && v.cls < 176 && fc == 70) return 2;
    if (v.cls > 191) {
        static const char* const kStems[] = {"mari", MR("fâch"), "approch", "moqu", nullptr};
        if ((s > 0 && Kind(s - 1) == 26 && fc == 70 && v.mark == 75) || (v.mark == 1 && Any(v, kStems))) return 4;
        const bool last = (Begins(q + 1, ".") || q == Count() - 1) && n == SegCount() - 1 && !Begins(q - 1, "q");
        if (last && (Cat(q) == 2 || Cat(q, 1) == 2 || (Cat(q) == 3 && TextLength(q) < 5))) return 127;
    }
    static const char* const kAnswer[] = {MR("répond"), MR("téléphon"), nullptr};
    if (Any(v, kAnswer) && Cls(Last(n)) == '@') return 255;
    return 0;
}

bool BareInfinitiveVerb(const Verb& v) {
    switch (v.mark) {
        case 18: case 'L': case '@': case '+': case ')': case '*': case 'J': case 'q': case '&': case '/':
            return true;
        default:
            break;
    }
    if (v.mark == '5' && v.begins("entend")) return true;
    if ((v.mark == 3 || v.mark == ']') && v.begins(MR("préf"))) return true;
    static const char* const kStems[] = {"affirm", "assur", "avou", "compt", MR("déclar"), MR("désir"),
                                         MR("écout"), "estim", "os", "sembl", "suppos", nullptr};
    return v.model() == 1 && Any(v, kStems);
}

bool AVerb(const Verb& v) {
    const u8 m = v.mark;
    if (m == 17 || m == 32) return true;
    if ((m == 22 && v.begins("t")) || (m == 15 && v.begins(MR("réuss"))) || (m == '5' && v.begins("tend")) ||
        (m == '6' && v.begins("appr")) || (m == 11 && (v.begins("encourag") || v.begins("song"))))
        return true;
    static const char* const kStems[] = {"aid", "arriv", "autoris", "cherch", "donn", MR("hésit"), "invit",
                                         "port", "pouss", MR("prépar"), MR("prêt"), "provoq", "trouv",
                                         "veill", "vis", nullptr};
    return v.model() == 1 && Any(v, kStems);
}

bool DeVerb(const Verb& v) {
    const u8 m = v.mark;
    if (m == '-' || (m == 15 && v.begins("ag")) || (m == 22 && v.begins("obt")) || (m == '7' && v.begins("crain")))
        return true;
    if (m == '?' && (v.begins("a") || v.begins("o") || v.begins("p"))) return true;
    if (v.begins("support") || v.begins(MR("tâch"))) return true;
    if (v.model() != 1) return false;
    static const char* const kStems[] = {"accept", "accus", "cess", "command", MR("dépêch"), "dispens",
                                         "dissuad", MR("écart"), MR("empêch"), MR("évit"), MR("mérit"),
                                         "regrett", "remerci", nullptr};
    if (Any(v, kStems) || Contains(v.word, "dout")) return true;
    return (v.begins("oubli") || v.begins("refus")) && Cls(v.word - 1) != 'a';
}

bool ADeVerbUsedBare(const Verb& v) {
    const u8 m = v.mark;
    if ((m == 4 || m == 'S') && (Contains(v.word, "commen") || v.begins("for"))) return true;
    if ((m == 11 && v.begins("oblig")) || ((m == 9 || m == 13) && v.begins("essa"))) return true;
    static const char* const kStems[] = {"continu", "accord", MR("décid"), "demand", MR("défi"), "risqu", nullptr};
    return v.model() == 1 && Any(v, kStems);
}

// The preposition p is the verb's own "à" or "de" before the infinitive:
// nothing but pronouns and negation words stands between them. Another
// preposition opens a phrase of its own ("aller jusqu'à former"), and after
// an adverb, an adjective or a noun the preposition is theirs ("vous ferez
// bien de vous taire", "se faire fort de", "avoir tort de").
bool MarksInfinitiveOfVerb(const Verb& v, i32 p) {
    static const char* const kNegation[] = {"ne", "n'", "pas", "point", "plus", "jamais", "rien", nullptr};
    if (!Is(p, MR("à")) && !Is(p, "de") && !Is(p, "d'")) return false;
    for (i32 w = p - 1; w >= 0 && w != v.word && !VerbClass(w); --w)
        if (Cat(w) != 2 && Cat(w) != 3 && !IsOneOf(w, kNegation)) return false;
    return true;
}

u16 InfinitiveAfter(const Verb& v, i32 s) {
    const i32 n = s + 1;
    const bool infinitiveAfterNext =
        s + 2 < SegCount() && Kind(s + 2) == 13 && (Kind(n) == 26 || Cat(First(n) + 1) == 2);
    if (Kind(n) != 13 && !infinitiveAfterNext) return 0;
    const i32 t = infinitiveAfterNext && FCat(n) != 15 ? s + 2 : s + 1;
    const i32 ft = First(t);
    if (Is(ft, "sans") || Is(ft, "pour")) return 0;
    const bool preposition = Cat(ft) == 15;
    if (preposition && !MarksInfinitiveOfVerb(v, ft)) return 0;
    if (preposition && BareInfinitiveVerb(v)) return 256;
    if (!(preposition && Cls(ft) == 32) && FCat(s - 1) != 2 && AVerb(v)) return 257;
    if (!(preposition && Begins(ft, "d")) && DeVerb(v)) return 258;
    if (!preposition && ADeVerbUsedBare(v)) return 259;
    return 0;
}

// The sub-code of clause s, 0 when its construction is sound.
u16 ConstructionOf(const Verb& v) {
    u16 d = 0;
    if (PrepositionRoute(v.s)) {
        d = ObjectNoun(v, v.s + 1);
        if (d == 0) d = PourOrAvec(v, v.s);
        if (d == 0) d = LoneObject(v.s);
    } else {
        d = GovernedClause(v, v.s);
    }
    return d != 0 ? d : InfinitiveAfter(v, v.s);
}

RuleCode ReportConstruction(const Verb& v, u16 d, u16& out) {
    RuleReport r = FromGlobals(49);
    r.detail = d;
    r.pos = First(v.s);
    r.extent = static_cast<u16>(Last(v.s));
    if (d == 5 || d == 6 || d == 8 || d == 9) {
        r.extent = kNoCorrection;
    } else if (d == 7) {
        r.pos = Last(v.s);
        r.extent = gErrorExtent;
    } else if (d == 126) {
        r.pos = First(v.s + 1) + 1;
    } else if (d >= 256) {
        r.pos = First(v.s + 1);
    }
    r.variant = 0;
    return Commit(r, out);
}

}  // namespace

RuleCode CheckVerbConstructions(ClauseFrame&, u16& out) {
    if (const RuleCode r = CheckParticipleLikeVerb(out); r != 0) return r;
    for (i32 s = 0; s < SegCount() - 1; ++s) {
        const u8 c = FCls(s);
        if (c <= 128 || (c & 7) >= 4) continue;
        Verb v;
        v.s = s;
        v.word = Last(s);
        v.cls = Cls(v.word);
        v.mark = Mark(v.word);
        const u16 d = ConstructionOf(v);
        if (d != 0 && MayReport(49, First(s))) return ReportConstruction(v, d, out);
    }
    return 0;
}

}  // namespace clause_walk
