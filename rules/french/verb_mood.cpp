// The mood a completive "que" clause expects, judged from the governing
// verb or the impersonal adjective before it, and the merging of
// coordinated groups. Neither raises a finding.
#include "frame/mac_roman_literal.h"
#include "rules/french/french_verb.h"

namespace french_verb {

using namespace rules;
using french_agreement::First;
using french_agreement::Kind;
using french_agreement::Seg;
using french_agreement::SegCount;

namespace {

constexpr i32 kNoMark = -1;

// Imperfect or simple past slots.
bool PastSlot(i32 v) { return (Feat(v) >= 12 && Feat(v) <= 17) || (Feat(v) >= 24 && Feat(v) <= 29); }

// An impersonal subject: a personal pronoun of class ']' with features 23.
bool ImpersonalSubject(i32 u) { return Cls(u) == ']' && Feat(u) == 23; }

// "il est probable que": the adjective after an impersonal verb.
bool AdjectiveMood(i32 s, i32& mark) {
    if (s < 2 || Kind(s - 2) != 14 || Mark(First(s - 2)) < 129) return false;
    const i32 a = First(s - 1);
    const u8 c = Cls(a);
    if (Cat(a) != 10 || !(c == 'B' || c == 'C' || c == 'M' || c == 'N' || c >= 128)) return false;
    static const char* const kCertain[] = {
        "assur", "attes", "authen", MR("avér"), "certain", "clair", "connu", "couru", "criant",
        MR("démontr"), MR("établi"), "exact", MR("évident"), "flagr", MR("fondé"), "incontes", MR("indén"),
        "indisc", MR("irrécu"), MR("irréfu"), "manif", "net", "notoir", "officiel", "patent", MR("prouvé"),
        "reconnu", MR("sûr"), "visibl", "vrai", nullptr};
    if (Begins(a, "apparen") || Begins(a, "probab")) mark = 2;
    else if (Begins(a, "douteu") && Begins(a - 1, "pas")) mark = 2;
    else if (BeginsAny(a, kCertain)) mark = 0;
    else mark = 1;
    return true;
}

// The mark the governing verb v asks for, or kNoMark.
i32 VerbMood(i32 v, bool conjugated) {
    const u8 m = Mark(v);
    static const char* const kModel1Subjunctive[] = {
        "admir", "ador", "aim", MR("appréci"), MR("appréhend"), "command", "contest", MR("décid"), "demand",
        MR("déplor"), MR("désir"), "dout", MR("empêch"), "ni", "ordonn", "pri", "propos", MR("réclam"),
        "redout", "refus", "regrett", "souhait", "suppli", nullptr};
    switch (m) {
        case 47: case 113: case 79:
            return m == 79 ? 2 : 1;
        case 80: if (Begins(v, "interd")) return 1; break;
        case 55:
            if (Begins(v, "cra")) return 1;
            if (Begins(v, "pla")) return 2;
            break;
        case 24: if (Begins(v, "consen")) return 1; break;
        case 11: if (Begins(v, "exig")) return 1; break;
        case 3:
            if (Begins(v, MR("décr")) || Begins(v, MR("désesp"))) return 1;
            // "espér" and the present's "espèr" (j'espère).
            return Begins(v, MR("espér")) || Begins(v, MR("espèr")) ? 2 : kNoMark;
        case 1:
            if (BeginsAny(v, kModel1Subjunctive)) return 1;
            return Begins(v, "ignor") || Begins(v, "suppos") ? 2 : kNoMark;
        case 22: if (Begins(v, "conv")) return 2; break;
        case 63: if (Begins(v, "adm")) return 2; break;
        case 54: if (Begins(v, "compr")) return 2; break;
        case 37: if (Begins(v, "con")) return 2; break;
        case 53:
            if (Begins(v, MR("défend")) || Begins(v, "attend")) return 1;
            return Begins(v, MR("prétend")) ? 2 : kNoMark;
        default: break;
    }
    return conjugated && (Cls(v) & 7) >= 4 ? 2 : kNoMark;
}

// Impersonal and reflexive turns (they may overwrite the verb's mark).
void TurnMood(i32 s, i32 v, i32& mark) {
    const u8 m = Mark(v);
    const i32 u = First(s - 2);
    if (ImpersonalSubject(u)) {
        if (Mark(u) == 'R') mark = 1;
        else if (m == 129 && Begins(v, "sembl")) mark = 2;
        else if ((m == 1 && Begins(v, "arriv")) || (m == 22 && Begins(v, "surv")) || m == 56) mark = PastSlot(v) ? 2 : 1;
    }
    if (Kind(s - 2) != 26) return;
    if (m == 15 && (Begins(v, MR("réjou")) || Begins(v, "ag"))) {
        mark = 1;
        return;
    }
    if (s >= 3 && ImpersonalSubject(First(s - 3))) {
        if (m == 43) mark = 2;
        else if ((m == 1 && Begins(v, "trouv")) || m == 202) mark = PastSlot(v) ? 2 : 1;
        return;
    }
    if (m != 1) return;
    if (Begins(v, MR("étonn")) || Begins(v, MR("félicit"))) mark = 1;
    else if (Begins(v, "dout")) mark = 0;
    else if (Begins(v, "flatt")) mark = 2;
}

i32 QueMood(i32 s, i32 w) {
    if (Begins(w, "quoiqu")) return 1;
    if (!Is(w, "que") && !Is(w, "qu'")) return kNoMark;
    i32 mark = kNoMark;
    if (AdjectiveMood(s, mark)) return mark;
    if (s < 1 || Kind(s - 1) < 11 || Kind(s - 1) > 14) return kNoMark;
    const i32 v = First(s - 1);
    mark = VerbMood(v, Kind(s - 1) == 14);
    if (s >= 2) TurnMood(s, v, mark);
    return mark;
}

bool CoordinationStart(i32 s) {
    if (Kind(s) == 24) return true;
    if (Kind(s) != 23 || s < 1 || Kind(s - 1) < 11 || Kind(s - 1) > 14) return false;
    const i32 p = First(s - 1);
    return Mark(p) < 128 && Cat(p) != 2 && Cat(p + 1) != 2;
}

// Group k, with the complements after it, stands before a conjugated verb.
bool VerbAfterGroup(i32 k) {
    i32 c = k + 1;
    while (c < SegCount() && Kind(c) == 23) ++c;
    return c < SegCount() && Kind(c) == 14;
}

bool Joining(u8 kind) {
    return kind == 16 || kind == 21 || kind == 14 || kind == 13 || kind == 12 || kind == 24 || kind == 10;
}

}  // namespace

void MarkExpectedMoods() {
    for (i32 s = 0; s < SegCount(); ++s) {
        const i32 w = First(s);
        if (Cat(w) != 17) continue;
        if (const i32 mark = QueMood(s, w); mark != kNoMark) W(w).ReadingFeatures[0] = static_cast<u8>(mark);
    }
}

void MergeCoordinatedClauses() {
    const i32 n = SegCount();
    for (i32 s = 0; s + 1 < n; ++s) {
        if (!CoordinationStart(s)) continue;
        i32 j = s + 1;
        while (j < n - 1 && !Joining(Kind(j))) ++j;
        if (j >= n - 1) continue;
        if (!(Kind(j) == 21 || (Kind(j) == 16 && Cat(First(j) - 1) != 20))) continue;
        const i32 k = j + 1;
        if (Kind(k) != 24) continue;
        // A group after its verb and a group before a verb of its own are
        // the subjects or objects of two clauses ("répondit maman, mais la
        // mère n'a pas", "il mange une pomme et la poire est mûre").
        if (Kind(s) == 23 && VerbAfterGroup(k)) continue;
        const i32 x = First(k) + 1;
        if (!((Cat(x) >= 7 && Cat(x) <= 10) || (Cat(x) == 4 && Seg(k).State == 0))) continue;
        const u8 g1 = Seg(s).Gender, g2 = Seg(k).Gender, n2 = Seg(k).Number;
        Seg(s).Gender = g1 == 2 && g2 == 2 ? 2 : 1;
        Seg(s).Number = 2;
        if (Seg(k).Person < Seg(s).Person) Seg(s).Person = Seg(k).Person;
        for (i32 m = j + 2; m < n - 1; ++m) {
            if (Kind(m) != 22 && Kind(m) != 24) continue;
            if (Kind(m) == 22) {
                Seg(m).Gender = static_cast<u8>(g1 * 64 + g2);
                Seg(m).Number = static_cast<u8>(n2 + 128);
            }
            break;
        }
    }
}

}  // namespace french_verb
