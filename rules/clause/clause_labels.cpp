// Function labels of the French clause cascade: participle clauses,
// detached groups, noun groups and object pronouns, infinitive clauses and
// coordinated nouns each get their function code and the word they depend
// on; then the partitive rule (50). The labels stay in the word table for
// the rest of the sentence's checking.
#include "rules/clause/clause_walk.h"

namespace clause_walk {

using namespace rules;

namespace {

// The word after clause s's words (the next clause's first word, or the
// sentence's end).
i32 EndOf(i32 s) { return s + 1 < SegCount() ? First(s + 1) : Count(); }

void Label(i32 w, u16 code, u16 link) {
    W(w).FunctionCode = code;
    W(w).LinkedWord = link;
}

// A participle clause after a group: the two name each other (clause
// indexes).
void LinkParticipleClauses() {
    for (i32 i = 1; i < SegCount(); ++i) {
        if (Kind(i) != 12 || Kind(i - 1) != 24 || FCat(i - 1) == 5) continue;
        Label(Last(i), 74, static_cast<u16>(i - 1));
        W(Last(i - 1)).LinkedWord = static_cast<u16>(i);
    }
}

bool VerbClauseNames(i32 k, i32 s) {
    return W(Last(k)).LinkedWord == s;
}

// A subject-like group that no verb clause takes becomes a detached group.
void DetachGroups() {
    for (i32 s = 1; s < SegCount(); ++s) {
        if (Kind(s) != 24 || FCat(s) == 5) continue;
        for (i32 k = s - 1; k >= 0; --k)
            if (Kind(k) == 14 && VerbClauseNames(k, s)) return;
        bool taken = false;
        for (i32 k = s + 1; k < SegCount() && !taken; ++k)
            taken = (Kind(k) == 14 || Kind(k) == 12) && VerbClauseNames(k, s);
        if (taken && FCat(s + 1) != 5) continue;
        S(s).SegmentKind = 23;
        if (W(Last(s)).FunctionCode != 84) W(Last(s)).FunctionCode = 75;
        S(s).Link = 254;
    }
}

// The clause that governs clause s: the nearest before it of the kinds
// `governs` accepts.
template <typename Governs>
i32 GoverningClause(i32 s, Governs governs) {
    for (i32 j = s - 1; j >= 0; --j)
        if (governs(j)) return j;
    return -1;
}

// The function of a group under a verb clause j.
void LabelUnderVerb(i32 s, i32 j, i32 t) {
    const i32 v = First(j) + (Kind(j) == 13 && FCat(j) == 15 ? 1 : 0);
    const u8 c = FCat(s);
    u16 code = 70;
    if (FCls(s) == '-') code = 78;
    else if (S(s).State == 2) code = 85;
    else if (c == 15 || c == 9) code = 71;
    const u8 vc = Cls(v);
    if (vc < 129 && code == 70) {
        code = 73;
    } else if (vc >= 129 && vc <= 159) {
        code = (c == 15 || c == 9 || c == 4) ? 71 : 77;
        W(t).LinkedWord = W(Last(s - 1)).LinkedWord;
    }
    W(t).FunctionCode = code;
    if (code != 77) W(t).LinkedWord = static_cast<u16>(v);
}

// Returns true when a governing clause was found (the subject words of the
// group then take t's label).
bool LabelGroup(i32 s, i32 t) {
    const u8 marker = S(s).Link;
    if (marker >= 1 && marker <= 127) {
        Label(t, W(Last(marker)).FunctionCode, W(Last(marker)).LinkedWord);
        return false;
    }
    const i32 j = GoverningClause(s, [s, marker](i32 k) {
        const u8 kind = Kind(k);
        if (kind == 14 || kind == 13 || kind == 12 || kind == 11) return true;
        if (marker == 254) return false;
        if (kind == 10 || kind == 24) return true;
        return kind == 23 && Kind(k + 1) != 16 && Kind(k + 1) != 21;
    });
    if (j < 0) return false;
    if (Kind(j) == 23 || Kind(j) == 24) {
        const i32 h = First(s);
        const bool complement = FCls(s) == ' ' || FCls(s) == '!' || FCat(s) == 9 || Is(h, "des") || Is(h, "du");
        W(t).LinkedWord = static_cast<u16>(Last(s));
        if (W(t).FunctionCode != 84) W(t).FunctionCode = complement ? 72 : 73;
    } else if (Kind(j) != 10 || FCat(j) == 11) {
        LabelUnderVerb(s, j, t);
    }
    return true;
}

// The word of a group that carries its function: the subject word, else
// the attribute word; -1 when neither.
i32 FunctionWord(i32 s) {
    for (const u16 code : {75, 77})
        for (i32 w = First(s); w < EndOf(s); ++w)
            if (W(w).FunctionCode == code) return w;
    return -1;
}

void LabelGroups() {
    for (i32 s = 0; s < SegCount(); ++s) {
        if (Kind(s) != 23 && Kind(s) != 12) continue;
        const u8 next = Kind(s + 1);
        if (FCat(s) == 2 && s < SegCount() - 1 && (next == 14 || next == 13 || next == 12)) {
            Label(First(s), 71, static_cast<u16>(Last(s + 1)));
            continue;
        }
        const i32 t = FunctionWord(s);
        if (t < 0) continue;
        if (Kind(s) == 12) S(s).LastWord = static_cast<u8>(t);
        if (!LabelGroup(s, t)) continue;
        for (i32 w = First(s); w < EndOf(s); ++w)
            if (W(w).FunctionCode == 75) Label(w, W(t).FunctionCode, W(t).LinkedWord);
    }
}

// A verb that makes an infinitive after it part of its own construction
// ("il semble partir", "il permet de").
bool LendsItsSubject(i32 g) {
    if (Cls(g) <= 127) return false;
    switch (Mark(g)) {
        case 18: case 'J': case '*': case '+': case '-': case ')': case '/': case 'q': case '#':
            return false;
        default:
            break;
    }
    const u8 m = Mark(g);
    return (m == '?' && Begins(g, "perm")) || (m == 22 && Begins(g, "v")) ||
           ((m & 127) == 1 && Begins(g, "sembl")) || ((m & 127) == 64 && Begins(g, "par"));
}

void LabelInfinitive(i32 s, i32 w) {
    const i32 j = GoverningClause(s, [s](i32 k) {
        const u8 kind = Kind(k);
        if (kind == 14 || kind == 13 || kind == 12 || kind == 11 || kind == 10 || kind == 17 || kind == 24)
            return true;
        return kind == 23 && FCls(s) == ' ';
    });
    if (j < 0) {
        W(w).FunctionCode = 73;
        return;
    }
    const u16 code = FCat(s) == 13 ? 70 : (Kind(j) <= 22 ? 71 : 73);
    Label(w, code, static_cast<u16>(Last(j)));
    if (j > 0) {
        const i32 g = Last(j);
        if (LendsItsSubject(g)) W(g).ReadingClasses[0] = 128;
        if (Cls(g) == 128) Label(w, 74, W(g).LinkedWord);
    }
    if (s > 0 && Kind(s - 1) == 26) W(w).FunctionCode = 81;
}

void LabelInfinitives() {
    for (i32 s = 0; s < SegCount(); ++s) {
        if (Kind(s) != 13) continue;
        i32 w = -1;
        for (i32 k = First(s); k < EndOf(s) && w < 0; ++k)
            if (Cat(k) == 13) w = k;
        if (w < 0) continue;
        S(s).LastWord = static_cast<u8>(w);
        const u8 marker = S(s).Link;
        if (marker >= 1 && marker <= 127) {
            Label(w, W(Last(marker)).FunctionCode, W(Last(marker)).LinkedWord);
            continue;
        }
        if (W(w).FunctionCode != 75) LabelInfinitive(s, w);
    }
}

void LabelCoordinatedNouns() {
    for (i32 s = 0; s < SegCount(); ++s) {
        if (Kind(s) != 10) continue;
        for (i32 w = First(s) + 1; w < EndOf(s); ++w) {
            if (Cat(w) != 10) continue;
            if (Cat(w - 1) == 16 || Cat(w - 1) == 21 || Cls(w - 1) == '*')
                Label(w, W(Last(s)).FunctionCode, W(Last(s)).LinkedWord);
        }
    }
}

// Rule 50: a quantity word with a wrong "de" construction ("beaucoup des").
RuleCode CheckPartitive(u16& out) {
    for (i32 s = 0; s < SegCount(); ++s) {
        const i32 h = First(s);
        const i32 n = s + 1;
        if (Cls(h) != 'T' && !(Cls(h + 1) == 'T' && Cat(h) == 18)) continue;
        const bool relativeAfter = FCat(n) == 5 && s > 0;
        if (!relativeAfter && s < SegCount() - 1 && (Kind(n) == 24 || Kind(n) == 22 || S(n).Link == 254)) continue;
        u16 extent = 0;
        if (s == 0) {
            extent = 1;
        } else if (Kind(s - 1) == 14 && Cat(h - 1) == 18 && Cls(Last(s - 1)) > 191) {
            extent = 1;
        } else if (Kind(s - 1) == 23 && FCat(s - 1) == 7) {
            extent = 2;
        }
        if (extent == 0 || !MayReport(50, h)) continue;
        RuleReport r;
        r.code = 50;
        r.pos = h;
        r.detail = Is(h, "de") || (s == 0 && Is(h + 1, "de")) ? 2 : 1;
        r.extent = extent;
        return Commit(r, out);
    }
    return 0;
}

}  // namespace

RuleCode CheckClauseLabels(u16& out) {
    LinkParticipleClauses();
    DetachGroups();
    LabelGroups();
    LabelInfinitives();
    LabelCoordinatedNouns();
    return CheckPartitive(out);
}

}  // namespace clause_walk
