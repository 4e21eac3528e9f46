// The blocks after the third walk that look at a noun group after a verb
// group: its function and link, and a group opened by a participle that
// disagrees with the verb group (43 'A'); then an infinitive in "-er"
// written where the auxiliary calls for a past participle (46).
#include "rules/clause/clause_walk.h"

namespace clause_walk {

using namespace rules;

namespace {

bool VerbGroupBefore(i32 s) {
    const i32 p = s - 1;
    if (Kind(s) != 23 || FCat(s) == 15 || FCat(s) == 9 || FCat(s) == 4) return false;
    return Kind(p) >= 11 && Kind(p) <= 14 && (FMark(p) == 16 || FMark(p) > 128);
}

void LabelGroupAfterVerb(i32 s) {
    const i32 p = s - 1;
    const i32 w = First(s);
    const i32 last = Last(s);
    if (Cls(w) <= 127) {
        if (W(last).FunctionCode != 75) W(last).FunctionCode = 77;
    } else if (w != 0 && Cls(Last(p)) == 128) {
        W(w).FunctionCode = 74;
    } else if (s > 1 && Kind(s - 2) == 26) {
        W(w).FunctionCode = 81;
    } else if (FCls(p) == 131 && Cls(w) > 191) {
        if (Is(First(s + 1), "par") || Is(First(s + 1), "dans")) {
            W(last).FunctionCode = 82;
            S(s + 1).FirstWord = static_cast<u8>(S(s + 1).FirstWord + 1);
        } else {
            W(last).FunctionCode = 77;
        }
    } else {
        W(last).FunctionCode = 76;
    }
    W(last).LinkedWord = W(Last(p)).LinkedWord;
}

bool NounClass(u8 c) { return c == 'A' || c == 'C' || c == 'M' || c == 'N'; }

// Whether the words of group s hold a noun that carries the disagreement
// itself (the search "stops").
bool NounSearchStops(i32 s) {
    const i32 p = s - 1;
    const bool genders = ClashOneTwo(SegmentRecord{S(s).Gender, 0}, SegmentRecord{S(p).Gender, 0});
    const i32 end = s == SegCount() - 1 ? Count() : First(s + 1);
    for (i32 w = First(s); w < end; ++w)
        if (NounClass(Cls(w)) && (genders || Begins(w - 1, "tout"))) return true;
    const u8 next = FCls(s + 1);
    return s < SegCount() - 1 && (next == '%' || next == '&') && (Cls(First(s + 1) - 1) == 'h' || Cls(First(s + 1) - 1) == 'i');
}

RuleCode CheckGroupAfterVerb(i32 s, u16& out) {
    const i32 p = s - 1;
    if (!VerbGroupBefore(s)) return 0;
    LabelGroupAfterVerb(s);
    if (!ClashOneTwo(S(s), S(p)) || NounSearchStops(s) || S(p).State == 1) return 0;
    const i32 w = First(s);
    const bool participle = Cls(w) > 127;
    if (!participle) return 0;
    if (!MayReport(43, w)) return 0;
    RuleReport r;
    r.code = 43;
    r.pos = w;
    r.detail = ClashDetail(S(s), S(p));
    r.extent = AgreementExtent(S(p));
    r.gender = S(s).Gender;
    r.number = S(s).Number;
    r.person = S(s).Person;
    r.variant = 'A';
    r.kind = 3;
    return Commit(r, out);
}

RuleCode CheckInfinitiveForParticiple(i32 s, u16& out) {
    const i32 h = First(s);
    if (Kind(s) != 13 || Cat(h) == 15 || !Ends(h, "er")) return 0;
    const i32 b = h - 1;
    // The auxiliaries by their class, être (131) and avoir (194).
    const bool avoir = Cls(b) == 194;
    const bool etre = Cls(b) == 131 && S(s - 2).State != 1;
    const bool afterGroup = Kind(s - 1) == 24;
    if (!etre && !avoir && !afterGroup) return 0;
    if (Cat(b) == 20 || Feat(b) == 2 || !MayReport(46, h)) return 0;
    RuleReport r;
    r.code = 46;
    r.pos = h;
    r.extent = Kind(s - 1) != 24 && FCls(s - 1) != 131 ? 1 : AgreementExtent(S(s - 1));
    return Commit(r, out);
}

}  // namespace

RuleCode CheckGroupFunctions(u16& out) {
    for (i32 s = 1; s < SegCount(); ++s)
        if (const RuleCode r = CheckGroupAfterVerb(s, out); r != 0) return r;
    for (i32 s = 2; s < SegCount(); ++s)
        if (const RuleCode r = CheckInfinitiveForParticiple(s, out); r != 0) return r;
    return 0;
}

}  // namespace clause_walk
