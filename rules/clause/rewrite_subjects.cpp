// Subjects of the rewritten verb clauses: the subject clause of the same
// level that agrees with the verb in person and number is linked to it
// (rule 44 when none agrees); a verb clause without a subject may be an
// imperative.
#include "rules/clause/rewrite.h"

#include "frame/settings.h"
#include "rules/clause/clause_rules.h"
#include "rules/rule_words.h"

namespace rewrite {

namespace {

using rules::Cat;
using rules::Cls;
using rules::Feat;
using rules::Is;
using rules::W;

constexpr u8 kMark = 128;
constexpr u8 kImperative = '&';

enum class Verdict { kAccepted, kPassed, kDetail, kVariantX };

struct Check {
    Verdict verdict = Verdict::kPassed;
    u16 detail = 0;
};

Check Detail(u16 d) { return {Verdict::kDetail, d}; }
constexpr Check kAccept{Verdict::kAccepted, 0};
constexpr Check kPass{Verdict::kPassed, 0};

bool PersonsAgree(u8 v, u8 s) {
    return v == s || v == 7 || (v == 4 && (s == 1 || s == 2)) || (v == 5 && (s == 1 || s == 3)) ||
           (v == 6 && (s == 2 || s == 3));
}

// A subject number of 0 (a group joined by "ou") agrees with any number.
Check FrenchAgreement(i32 r, i32 e) {
    const SegmentRecord& verb = Clause(r);
    const SegmentRecord& subject = Clause(e);
    const bool agree = PersonsAgree(verb.Person, static_cast<u8>(subject.Person & ~kMark));
    if (subject.Number != 0 && verb.Number != subject.Number) {
        const bool relativeQui = (subject.Person & kMark) != 0 && Is(subject.FirstWord, "qui");
        if (!relativeQui) return Detail(agree ? 2 : 3);
    }
    return agree ? kAccept : Detail(1);
}

bool ModalMark(u8 m) { return m >= 28 && m <= 33; }

bool WordBefore(i32 end, const char* literal) {
    for (i32 x = 0; x < end; ++x)
        if (Is(x, literal)) return true;
    return false;
}

Check PlainEnglishVerb(i32 first, u8 f, u8 m, u8 v, u8 s, u8 n) {
    if (f > 15 && f != 24) {
        f = static_cast<u8>(f & 15);
        W(first).ReadingFeatures[0] = f;
    }
    if (v == 7 || f == 3 || f == 24 || f == 12) return kAccept;
    if (f == 1) {
        if (ModalMark(m)) return {Verdict::kVariantX, 0};
        if (s != 3) return Detail(n == 1 ? 1 : 3);
        return n == 2 ? Detail(2) : kAccept;
    }
    if (f == 0) {
        const bool agrees = ModalMark(m) || (m == '$' && Is(first + 1, "not")) || m == 26 || s != 3 || n != 1;
        return agrees ? kAccept : Detail(2);
    }
    return kPass;
}

Check Were(i32 first, u8 n) {
    if (WordBefore(first, "if") || WordBefore(first, "had") || n != 1 || first == 0) return kAccept;
    if (!Is(first - 1, "it")) return Detail(2);
    return first <= 1 || Is(first - 2, "as") ? kAccept : Detail(2);
}

Check FormOfBe(i32 r, i32 first, u8 f, u8 s, u8 n) {
    if (f == 12) return kAccept;
    if (rules::Begins(first, "were")) return Were(first, n);
    switch (f) {
        case 3: return n != 2 ? kAccept : Detail(s == 2 ? 3 : 2);
        case 6:
            Clause(r).Person = 1;
            if (n != 1 && s == 1) return Detail(2);
            if (n == 1) return s == 1 ? kAccept : Detail(1);
            return Detail(3);
        case 10: return n != 1 || s == 2 ? kAccept : Detail(2);
        case 1:
            if (n == 2) return Detail(s == 3 ? 2 : 3);
            return s == 3 ? kAccept : Detail(1);
        default: return kPass;
    }
}

Check EnglishAgreement(i32 r, i32 e) {
    const i32 first = ClauseFirst(r);
    const u8 f = Feat(first);
    const u8 m = rules::Model(first);
    const u8 s = static_cast<u8>(Clause(e).Person & ~kMark);
    const u8 n = Clause(e).Number;
    if (m != '%') return PlainEnglishVerb(first, f, m, Clause(r).Person, s, n);
    return FormOfBe(r, first, f, s, n);
}

// Subject clauses of the verb's level after the verb and its subject
// become complements.
void DemoteLaterSubjects(i32 r, i32 e, bool english) {
    for (i32 k = (e > r ? e : r) + 1; k < Clauses(); ++k) {
        if (ClauseKind(k) != 24 || Level(k) != Level(r)) continue;
        const u16 fc = W(ClauseLast(k)).FunctionCode;
        if (english && (fc == 79 || fc == 75)) continue;
        Clause(k).SegmentKind = 23;
        if (english) W(ClauseLast(k)).FunctionCode = 73;
        const i32 g = GroupStartingAt(ClauseFirst(k));
        if (g < 0) continue;
        Group(g).SegmentKind = 23;
        if (english) W(Group(g).LastWord).FunctionCode = 73;
    }
}

void LinkPair(i32 r, i32 e) {
    W(ClauseLast(r)).LinkedWord = static_cast<u16>(e);
    for (i32 x = ClauseFirst(e); x < ClauseFirst(e + 1) && x < static_cast<i32>(gWordCount); ++x)
        if (W(x).FunctionCode == 75) W(x).LinkedWord = static_cast<u16>(r);
}

void TakeNumber(SegmentRecord& verb, const SegmentRecord& subject) {
    if (verb.Number == 0 && Cat(subject.FirstWord) != 2) verb.Number = subject.Number;
}

void LinkEnglish(i32 r, i32 e) {
    if (Cls(ClauseFirst(r)) == '\\') Clause(r).Number = 0;
    else TakeNumber(Clause(r), Clause(e));
    LinkPair(r, e);
    DemoteLaterSubjects(r, e, true);
}

// A plural relative "qui" before a singular verb: its antecedent is linked
// and the words after it leave the coordinated group.
void LinkQuiAntecedent(i32 r, i32 e) {
    const i32 verb = ClauseFirst(r);
    i32 seen = 0;
    for (i32 x = verb - 1; x >= ClauseFirst(e); --x) {
        if (W(x).FunctionCode != 75 && W(x).FunctionCode != 70) continue;
        if (seen++ == 0) W(x).LinkedWord = static_cast<u16>(verb);
        else if (Cat(x) >= 65) W(x).ReadingCategories[0] -= 64;
    }
}

void LinkFrench(i32 r, i32 e) {
    SegmentRecord& verb = Clause(r);
    const SegmentRecord& subject = Clause(e);
    if ((subject.Person & kMark) != 0 && Is(subject.FirstWord, "qui") && subject.Number == 2 && verb.Number == 1)
        LinkQuiAntecedent(r, e);
    verb.Gender = subject.Gender;
    const u8 f = Feat(verb.LastWord);
    if (Cls(verb.FirstWord) == '\\') verb.Number = 0;
    if (Is(subject.FirstWord, "on")) {
        verb.Number = 0;
        verb.Gender = 0;
    } else {
        TakeNumber(verb, subject);
    }
    if (f > 50) verb.Person = static_cast<u8>(subject.Person & ~kMark);
    LinkPair(r, e);
    DemoteLaterSubjects(r, e, false);
}

// A verb clause without a subject that opens the sentence or follows a
// comma: an imperative, with the verbs coordinated after it.
void MarkImperative(i32 r) {
    const i32 verb = ClauseLast(r);
    const u8 f = Feat(verb);
    if (f != 0 && f != kImperative) return;
    const i32 first = ClauseFirst(r);
    if (!((r == 0 && GroupKind(0) == 14) || Cat(first - 1) == 21 || (r > 0 && ClauseKind(r - 1) == 21))) return;
    W(verb).LinkedWord = static_cast<u16>(r);
    i32 end = static_cast<i32>(gWordCount);
    for (i32 k = r + 1; k < Clauses(); ++k) {
        const u8 fk = Feat(ClauseLast(k));
        if (fk == 0 || fk == kImperative) {
            end = ClauseFirst(k);
            break;
        }
    }
    for (i32 x = verb; x < end; ++x) {
        if (x != verb && Cat(x) != 14) continue;
        W(x).ReadingFeatures[0] = kImperative;
        W(x).FunctionCode = 38;
    }
}

RuleCode Report(i32 r, i32 e, const Check& c, u16& out) {
    const i32 first = ClauseFirst(r);
    if (c.verdict == Verdict::kVariantX) {
        gErrorVariant = 'X';
        return kCodeSubjectVerbAgreement;
    }
    rules::RuleReport rep;
    rep.code = kCodeSubjectVerbAgreement;
    rep.pos = first;
    rep.detail = c.detail;
    rep.kind = 2;
    rep.number = Clause(r).Number;
    rep.person = Clause(r).Person;
    rep.extent = gLastRule == 40 && gLastErrorPos == first ? 126 : static_cast<u16>(e);
    return rules::Commit(rep, out);
}

}  // namespace

RuleCode LinkSubjects(u16& out) {
    const bool english = gCheckingLanguage == 0;
    for (i32 r = 0; r < Clauses(); ++r) {
        if (ClauseKind(r) != 14 || Clause(r).State == 2 || Feat(ClauseLast(r)) > 64) continue;
        bool linked = false;
        for (i32 e = 0; e < Clauses() && !linked; ++e) {
            if (ClauseKind(e) != 24 || Level(e) != Level(r)) continue;
            const Check c = english ? EnglishAgreement(r, e) : FrenchAgreement(r, e);
            if (c.verdict == Verdict::kPassed) continue;
            if (c.verdict == Verdict::kAccepted) {
                if (english) LinkEnglish(r, e);
                else LinkFrench(r, e);
                linked = true;
                continue;
            }
            if (c.verdict == Verdict::kDetail) AddReadingPenalty(12);
            if (rules::MayReport(kCodeSubjectVerbAgreement, ClauseFirst(r))) return Report(r, e, c, out);
        }
        if (!linked) MarkImperative(r);
    }
    return 0;
}

}  // namespace rewrite
