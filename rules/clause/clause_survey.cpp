// The survey of a French sentence's segments (clause openings, subordinate
// clauses, verbs counted as clauses, a direct question, an imperative) and
// the rules of its first segment: a hyphenated imperative before an
// infinitive (39 'A'), a conjugated verb opening the sentence without a
// subject (44 'S') and an opening noun phrase against its attribute (45).
#include "frame/mac_roman_literal.h"
#include "rules/clause/clause_verbs.h"
#include "rules/french/french_agreement.h"

namespace clause_verbs {

using namespace rules;

namespace {

SegmentRecord gPastTheEnd;

constexpr const char* kQuestionWords[] = {MR("où"), "que", "quand", "comment", "combien", "pourquoi", nullptr};
constexpr const char* kComparisonWords[] = {"plus", "moins", "autant", "davantage", nullptr};

bool VerbBefore(i32 s) {
    for (i32 j = 0; j < s; ++j)
        if (Kind(j) == 14) return true;
    return false;
}

// A "que" after a comparison word with no verb between them compares.
bool ComparingQue(i32 f) {
    for (i32 k = f; k >= 0; --k) {
        if (Cat(k) == 14) return false;
        if (IsOneOf(k, kComparisonWords) || Begins(k, "tel")) return true;
    }
    return false;
}

bool OpensClause(i32 s) {
    const i32 f = First(s);
    return (Cat(f) == 5 && Kind(s) != 18) || (Cat(f) == 15 && Cat(f + 1) == 5) ||
           (Kind(s) == 17 && !Is(f, "comme"));
}

void CountClauses(ClauseFrame& fr) {
    for (i32 s = 1; s < SegCount(); ++s) {
        if (!OpensClause(s)) continue;
        const i32 f = First(s);
        ++fr.clauseOpeningCount;
        EditSeg(s).State = 0;
        if (VerbBefore(s)) {
            if (!Is(f, MR("où")) && !Is(f, "quoi")) ++fr.subordinateCount;
            if (Is(f, "quoique") && Cat(f + 1) > 9 && Cat(f + 1) < 14) --fr.subordinateCount;
            if (Is(f, "quiconque")) --fr.subordinateCount;
        }
        if (f < Count() - 1 && Is(f, "que") && Is(f + 1, "possible")) --fr.subordinateCount;
        if (Is(f, "que") && ComparingQue(f)) --fr.subordinateCount;
    }
    for (i32 s = 0; s < SegCount(); ++s)
        if (Is(First(s), "car")) ++fr.clauseOpeningCount;
    for (i32 w = 2; w < Count() - 3; ++w)
        if (Is(w, "est") && Cls(w) == '*') ++fr.verbClauseCount;
}

// An intransitive verb (class bytes below 160, or 176 to 191 for those
// also pronominal) opening the sentence before a noun group, past adverbs
// and commas, has that group for its subject ("Vient le temps de partir",
// "Vient ensuite Christelle"); a transitive one has its object there
// ("Prend ton sac").
bool InvertedSubjectAfter(i32 v) {
    const u8 c = Cls(v);
    if (c >= 160 && (c < 176 || c > 191)) return false;
    i32 k = v + 1;
    while (k < Count() && (Cat(k) == 18 || Cat(k) == 21)) ++k;
    if (k >= Count()) return false;
    return Cat(k) == 7 || Cat(k) == 8 || W(k).WordCaseMode == 1;
}

// 44 'S': a conjugated verb opening the sentence without a subject.
bool OpensWithoutSubject(i32 v) {
    if (Is(v, "vas")) return true;
    if ((Cls(v) & 15) == 4 || Begins(Count() - 1, "?")) return false;
    if (InvertedSubjectAfter(v)) return false;
    return Feat(v) == ':' || (Feat(v) == 8 && Mark(v) > 20 && Mark(v) < 100);
}

RuleCode VerbWithoutSubject(u16& out) {
    const i32 e = SegCount() > 1 ? First(1) : Count();
    i32 at = e <= 0 ? 0 : e;
    for (i32 k = 0; k < e; ++k) {
        if (Cat(k) == 14) {
            at = k;
            break;
        }
    }
    RuleReport r = ReportAt(kCodeSubjectVerbAgreement, at);
    r.number = Seg(0).Number;
    r.person = Seg(0).Person;
    r.kind = 2;
    r.extent = 127;
    r.variant = 'S';
    return CommitClauseReport(r, 0, out);
}

// The opening verb segment; true when its rules hand over to step 8.
RuleCode OpeningVerb(ClauseFrame& f, u16& out) {
    const i32 v = First(0);
    if ((Cls(v) & 15) >= 8) {
        MarkImperative(f, 0);
        if (Contains(v, "-") && Cat(First(1)) == 13 && gLastRule < kCodeHyphen) {
            RuleReport r = ReportAt(kCodeHyphen, 0);
            r.variant = 'A';
            r.extent = 1;
            return CommitClauseReport(r, 0, out);
        }
        return 0;
    }
    if (Feat(v) >= '0' && Feat(v) <= '2') {
        MarkImperative(f, 0);
        return 0;
    }
    if (OpensWithoutSubject(v) && gLastRule < kCodeSubjectVerbAgreement) return VerbWithoutSubject(out);
    return 0;
}

// The attribute segment of an opening noun phrase, or -1.
i32 AttributeOfOpening() {
    if (Kind(1) == 14 && Mark(First(1)) > 128 && Kind(2) == 23) return 2;
    if (Is(First(1), "en") && Kind(2) == 14 && Mark(First(2)) >= 129 && Kind(3) == 23) return 3;
    return -1;
}

// 45: the opening noun phrase and its attribute.
RuleCode OpeningNounPhrase(ClauseFrame& f, u16& out) {
    if (Kind(0) != 10 && !(Cat(0) == 8 && (First(1) == 1 || (First(1) == 2 && Cat(First(0) + 1) == 18))))
        return 0;
    const i32 m = AttributeOfOpening();
    if (m < 0) {
        if (Kind(1) == 23 || Kind(1) == 24) {
            W(0).FunctionCode = 76;
            W(0).LinkedWord = static_cast<u16>(Last(1));
        }
        EditSeg(0).SegmentKind = 24;
        return 0;
    }
    f.nounPhraseLinked = 1;
    W(0).FunctionCode = 77;
    W(0).LinkedWord = static_cast<u16>(Last(m));
    const SegmentRecord& a = Seg(0);
    const SegmentRecord& b = Seg(m);
    const bool gender = Opposite(a.Gender, b.Gender);
    const bool number = Opposite(a.Number, b.Number);
    if ((!gender && !number) || !MayReport(kCodeAttributeAgreement, First(0))) return 0;
    RuleReport r = ReportAt(kCodeAttributeAgreement, First(0));
    r.detail = static_cast<u16>((number ? 2 : 0) + (gender ? 1 : 0));
    r.extent = AttributeExtent(m);
    r.gender = a.Gender;
    r.number = a.Number;
    r.kind = 4;
    f.currentSegment = 0;
    const u8 c = Cls(0);
    if (c == 'B' || c == 'C' || c == 'E' || c == 'M' || c == 'N') r.variant = 'T';
    return AgreementTail(f, r, out);
}

}  // namespace

const SegmentRecord& Seg(i32 s) {
    if (s < SegCount()) return french_agreement::Seg(s < 0 ? 0 : s);
    const u8 past = static_cast<u8>(Count() > 255 ? 255 : Count());
    gPastTheEnd = SegmentRecord{};
    gPastTheEnd.FirstWord = past;
    gPastTheEnd.LastWord = past;
    gPastTheEnd.Link = 255;
    return gPastTheEnd;
}

SegmentRecord& EditSeg(i32 s) { return french_agreement::Seg(s); }

bool PersonsAgree(u8 verb, u8 subject) {
    switch (verb) {
        case 4: return subject == 1 || subject == 2;
        case 5: return subject == 1 || subject == 3;
        case 6: return subject == 2 || subject == 3;
        case 7: return true;
        default: return verb == subject;
    }
}

u16 AttributeExtent(i32 s) {
    const u16 g = Seg(s).Gender;
    const u16 n = Seg(s).Number;
    if (g != 0 && n != 0) return static_cast<u16>(2 * g + n - 2);
    if (g != 0) return static_cast<u16>((g * 256 + g) * 2 - 513);
    return static_cast<u16>(n * 256 + n + 2);
}

void MarkImperative(ClauseFrame& f, i32 i) {
    f.imperativeSeen = 1;
    EditSeg(i).State = 2;
    if (Feat(First(i)) == '2') EditSeg(i).Number = 0;
    W(Last(i)).FunctionCode = 38;
}

RuleReport ReportAt(RuleCode code, i32 pos) { return french_agreement::ReportFromGlobals(code, pos); }

}  // namespace clause_verbs

RuleCode CheckClauseSurvey(ClauseFrame& f, u16& out) {
    using namespace clause_verbs;
    using rules::Begins;
    CountClauses(f);
    if (rules::Cls(0) == 22) f.imperativeSeen = 1;
    if (Begins(rules::Count() - 1, "?") && rules::IsOneOf(0, kQuestionWords)) f.questionFlag = 1;
    if (Kind(0) == 14) {
        ++f.verbClauseCount;
        if (f.questionFlag == 1) {
            f.currentSegment = 0;
            f.questionVerbFirst = true;
            return 0;
        }
        if (const RuleCode r = OpeningVerb(f, out); r != 0) return r;
    }
    return OpeningNounPhrase(f, out);
}
