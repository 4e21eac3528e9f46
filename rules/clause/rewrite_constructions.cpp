// French verb constructions (rule 49): a verb segment and the complement
// or infinitive after it, against the verbs whose construction is fixed
// (a direct object, "à", "de", a bare infinitive). The sub-case found is
// the finding's detail.
#include "rules/clause/rewrite.h"

#include "frame/mac_roman_literal.h"
#include "rules/rule_words.h"

namespace rewrite {

namespace {

using rules::Begins;
using rules::Cat;
using rules::Cls;
using rules::Is;
using rules::W;

// Stems of one model (0: any model), null-terminated.
struct StemList {
    u8 model;
    const char* stems[20];
};

bool InLists(i32 v, const StemList* lists, u32 n) {
    const u8 m = rules::Model(v);
    for (u32 k = 0; k < n; ++k) {
        if (lists[k].model != 0 && lists[k].model != m) continue;
        for (const char* const* s = lists[k].stems; *s != nullptr; ++s)
            if (Begins(v, *s)) return true;
    }
    return false;
}

const StemList kBareInfinitive[] = {
    {53, {"entend", nullptr}},
    {3, {MR("préf"), nullptr}},
    {93, {MR("préf"), nullptr}},
    {1, {"affirm", "assur", "avou", "compt", MR("déclar"), MR("désir"), MR("écout"), "estim", "os", "sembl", "suppos",
         nullptr}},
};
const StemList kWithA[] = {
    {22, {"t", nullptr}},
    {15, {MR("réuss"), nullptr}},
    {53, {"tend", nullptr}},
    {54, {"appr", nullptr}},
    {11, {"encourag", "song", nullptr}},
    {1, {"aid", "arriv", "autoris", "cherch", "donn", MR("hésit"), "invit", "port", "pouss", MR("prépar"),
         MR("prêt"), "provoq", "trouv", "veill", "vis", nullptr}},
};
const StemList kWithDe[] = {
    {15, {"ag", nullptr}},
    {22, {"obt", nullptr}},
    {55, {"crain", nullptr}},
    {63, {"a", "o", "p", nullptr}},
    {1, {"accept", "accus", "cess", "command", MR("dépêch"), "dispens", "dissuad", "dout", MR("écart"),
         MR("empêch"), MR("évit"), MR("mérit"), "oubli", "refus", "regrett", "remerci", nullptr}},
    {0, {"support", MR("tâch"), nullptr}},
};
const StemList kWithAOrDe[] = {
    {4, {"commen", "for", nullptr}},
    {83, {"commen", "for", nullptr}},
    {11, {"oblig", nullptr}},
    {9, {"essa", nullptr}},
    {13, {"essa", nullptr}},
    {1, {"continu", "accord", MR("décid"), "demand", MR("défi"), "risqu", nullptr}},
};

template <u32 N>
bool In(i32 v, const StemList (&lists)[N]) {
    return InLists(v, lists, N);
}

struct Finding {
    u16 detail = 0;
    i32 pos = 0;
};

// Sub-case 1: a noun complement after a preposition or a contracted article.
u16 NounAfterPreposition(i32 i, i32 v) {
    const i32 p = Group(i + 1).FirstWord;
    if (GroupKind(i + 1) != 23 || (Cat(p) != 15 && Cat(p) != 9) || Cat(p + 1) >= 9) return 0;
    if (i + 2 < Groups() && (GroupKind(i + 2) == 24 || Group(i + 2).Link == 254)) return 0;
    const i32 noun = Group(i + 1).LastWord;
    const bool regard = Begins(v, "regard"), ecout = Begins(v, MR("écout"));
    if (rules::Model(v) == 1 && Cls(p) == ' ') {
        static const char* const kSeen[] = {MR("dépense"), "porte", MR("fenêtre"), nullptr};
        if ((regard && !rules::IsOneOf(noun, kSeen)) || (ecout && !Is(noun, "porte"))) return 8;
    }
    if (Cls(p) == 'f' || Cls(p) == 'g') {
        if ((regard && !Is(noun, MR("dépenses"))) || (ecout && !Is(noun, "portes"))) return 5;
    }
    return 0;
}

// Sub-cases 2 and 3: "pour" and "avec".
u16 PourOrAvec(i32 i, i32 v) {
    const i32 p = Group(i + 1).FirstWord;
    if (Cls(p) != '"') return 0;
    const u8 m = rules::Model(v);
    if (Is(p, "pour")) {
        if (m == 1 && Begins(v, "regard")) return 9;
        const bool listed = (m == 53 && Begins(v, "attend")) ||
                            (m == 1 && (Begins(v, "cherch") || Begins(v, "demand")));
        if (listed && Cat(p + 1) != 13) return 6;
    }
    if (Is(p, "avec") && m == 1 && Begins(v, MR("épous")) && (Cat(p + 1) == 13 || GroupKind(i + 1) == 23)) return 7;
    return 0;
}

// The segment after i ends the sentence: it is the last one, or only the
// full stop follows it.
bool LastBeforeStop(i32 n) {
    return n + 1 >= Groups() || (n + 2 == Groups() && GroupKind(n + 1) == 27);
}

// Sub-case 4: a lone object pronoun (or "le", "la", "les") after the
// preposition that opens the next segment, at the sentence's end or before
// another segment ("avec me", "sans les"). Before its own infinitive the
// pronoun is in place ("sans les voir").
bool LoneObjectAfterPreposition(i32 i) {
    const i32 n = i + 1;
    const i32 p = Group(n).FirstWord;
    if (Cat(p) != 15) return false;
    const u8 c = Cls(p + 1);
    static const char* const kArticles[] = {"le", "la", "les", nullptr};
    if (c != 'V' && c != 'Z' && c != 'a' && !rules::IsOneOf(p + 1, kArticles)) return false;
    if (Cat(p + 2) == 13) return false;
    const bool atEnd = LastBeforeStop(n) && (p + 2 == static_cast<i32>(gWordCount) || Begins(p + 2, "."));
    const bool segmentAfter = n + 1 < Groups() && Group(n + 1).FirstWord == p + 1;
    return atEnd || segmentAfter;
}

// Sub-case 6: an object pronoun standing alone after the verb at the end
// of the sentence ("il frappe le"), not after a "qu..." word.
bool ObjectPronounAtEnd(i32 i, i32 v) {
    const i32 n = i + 1;
    const i32 q = Group(n).FirstWord;
    if (Cls(v) < 192 || !LastBeforeStop(n) || Begins(q - 1, "q")) return false;
    if (!(Begins(q + 1, ".") || q + 1 == static_cast<i32>(gWordCount))) return false;
    return Cat(q) == 2 || Cat(q, 1) == 2 || (Cat(q) == 3 && rules::TextLength(q) < 5);
}

// Sub-case 5: a complement the verb's class does not take.
u16 ComplementByClass(i32 i, i32 v) {
    const u8 next = GroupKind(i + 1);
    const bool phrase = next == 23 && Group(i + 1).State != 2 && Cat(Group(i + 1).FirstWord) > 3;
    if (!phrase && next != 26) return 0;
    const u8 c = Cls(v);
    const u8 m = rules::Model(v);
    const u16 fc = W(Group(i + 1).LastWord).FunctionCode;
    if (c < 160 && c != 131 && m != 127 && (fc == 73 || fc == 77)) return 1;
    if (c < 176 && fc == 70) return 2;
    if (c < 192 && fc == 70) return 3;
    if (c >= 192 && GroupKind(i - 1) == 26 && fc == 70 && i > 0) {
        const bool reflexive = m == 75 || (m == 1 && (Begins(v, "mari") || Begins(v, MR("fâch")) ||
                                                      Begins(v, "approch") || Begins(v, "moqu")));
        if (reflexive) return 4;
    }
    return 0;
}

// Sub-case 8: the infinitive after the verb and the word that introduces it.
u16 InfinitiveConstruction(i32 i, i32 v) {
    i32 x = -1;
    for (i32 g = i + 1; g <= i + 2 && g < Groups() && x < 0; ++g) {
        if (GroupKind(g) != 13 && !(g == i + 1 && Cat(Group(g).FirstWord) == 15)) break;
        for (i32 w = Group(g).FirstWord; w <= Group(g).LastWord && x < 0; ++w)
            if (Cat(w) == 13) x = w;
    }
    if (x < 0) return 0;
    // The word that introduces it, before its object pronouns.
    i32 marker = x - 1;
    while (marker > v && Cat(marker) == 2) --marker;
    if (marker <= v) marker = -1;
    if (marker >= 0 && (Is(marker, "sans") || Is(marker, "pour"))) return 0;
    const bool a = marker >= 0 && Is(marker, MR("à"));
    const bool de = marker >= 0 && (Is(marker, "de") || Is(marker, "d'"));
    const bool markerD = marker >= 0 && Cls(marker) == 'd';
    if (In(v, kBareInfinitive)) return a || de ? 256 : 0;
    if (In(v, kWithA)) return a ? 0 : 257;
    if (!markerD && (rules::Model(v) == 45 || In(v, kWithDe))) {
        const bool spared = (Begins(v, "oubli") || Begins(v, "refus")) && Cls(x - 1) == 'a';
        return de || spared ? 0 : 258;
    }
    if (In(v, kWithAOrDe)) return marker >= 0 && Cat(marker) == 15 ? 0 : 259;
    return 0;
}

Finding Construction(i32 i, i32 v) {
    const i32 first = Group(i).FirstWord;
    const i32 next = Group(i + 1).FirstWord;
    if (const u16 d = NounAfterPreposition(i, v); d != 0) return {d, first};
    if (const u16 d = PourOrAvec(i, v); d != 0) return {d, d == 7 ? Group(i).LastWord : first};
    if (LoneObjectAfterPreposition(i)) return {126, next + 1};
    if (const u16 d = ComplementByClass(i, v); d != 0) return {d, first};
    if (ObjectPronounAtEnd(i, v)) return {127, first};
    if ((Begins(v, MR("répond")) || Begins(v, MR("téléphon"))) && Cls(Group(i + 1).LastWord) == '@')
        return {255, first};
    if (const u16 d = InfinitiveConstruction(i, v); d != 0) return {d, next};
    return {};
}

RuleCode Report(i32 i, const Finding& f, u16& out) {
    if (f.detail != 7) gErrorExtent = f.detail == 5 || f.detail == 6 || f.detail == 8 || f.detail == 9
                                          ? kNoCorrection
                                          : static_cast<u16>(Group(i).LastWord);
    gErrorDetail = f.detail;
    gErrorVariant = 0;
    out = static_cast<u16>(f.pos);
    return kCodeVerbConstruction;
}

}  // namespace

RuleCode CheckVerbConstructions(u16& out) {
    for (i32 i = 1; i < Groups(); ++i) {
        const i32 first = Group(i).FirstWord, last = Group(i).LastWord;
        if (Cls(first) > 131 && Cls(last) >= 160 && Cls(last) <= 175 && GroupKind(i - 1) != 26)
            return Report(i, {10, first}, out);
    }
    for (i32 i = 0; i + 1 < Groups(); ++i) {
        const i32 first = Group(i).FirstWord;
        if (Cls(first) <= 131 || (rules::Feat(first) & 7) >= 4) continue;
        const Finding f = Construction(i, Group(i).LastWord);
        if (f.detail != 0 && rules::MayReport(kCodeVerbConstruction, f.pos)) return Report(i, f, out);
    }
    return 0;
}

}  // namespace rewrite
