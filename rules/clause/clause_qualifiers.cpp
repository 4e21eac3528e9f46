// The qualifier block of the third segment walk: for a noun or adjective
// group (kind 10), the segment that governs it and the qualifier's function,
// then the agreement with a verb head (43 'D', 45, 43 'A'), the adverbial
// adjective after a verb (45 'R'), the agreement with a noun group (41 'X',
// clause_group_forms.cpp), with an object or attribute (45 'E'), a
// qualifier with no group (45), and the participle after a verb (47).
#include "rules/clause/clause_group_forms.h"
#include "rules/clause/clause_walk.h"

namespace clause_walk {

using namespace rules;

namespace {

enum class Step { NounGroup, GroupAgreement, ObjectAttribute, ObjectAttributeFound, NoGroup,
                  ParticipleAfterVerb, NextSegment, Report };

// The base of a report at the current qualifier: its gender and number.
RuleReport QualifierReport(i32 i) {
    RuleReport r = FromGlobals(45);
    r.gender = S(i).Gender;
    r.number = S(i).Number;
    r.person = S(i).Person;
    return r;
}

bool Excluded(i32 i) {
    if (Kind(i - 1) == 32) return true;
    if (i == 1 && FFeat(1) == 2 && (Kind(0) == 12 || Kind(0) == 13)) return true;
    return FCls(i) > 127 && Kind(i - 1) == 14 && S(i - 1).State == 2 && FMark(i - 1) > 128;
}

// The governing segment h (-1 when none); true when the walk goes to the
// group agreement at once.
bool FindHead(i32 i, i32& h) {
    h = -1;
    for (i32 k = i - 1; k >= 0; --k) {
        if (Kind(k) != 16 && Kind(k) != 10) {
            h = k;
            break;
        }
    }
    if (h == i - 1 && Kind(h) > 22 &&
        !(h > 0 && Kind(h - 1) >= 23 && S(h - 1).Person == S(i).Person && S(h - 1).Number == S(i).Number))
        return true;
    if (h >= 0 && h == i - 2 && Kind(i - 1) == 16 && Kind(h) > 22 && !(h > 0 && Kind(h - 1) >= 23)) return true;
    const auto verbLike = [](i32 s) { return Kind(s) > 10 && Kind(s) < 15 && Kind(s) != 12; };
    if (i < SegCount() - 1 && FMark(i - 1) < 128 && verbLike(i + 1)) {
        if (FMark(i + 1) > 128 || (FMark(i + 1) & 127) == 16) h = i + 1;
    } else if (i < SegCount() - 2 && Begins(First(i), "quel") && Begins(First(i + 1), "qu") && verbLike(i + 2)) {
        if (FMark(i + 2) >= 129 || FCls(i + 2) == 131) h = i + 2;
    }
    return false;
}

bool VerbHead(i32 h) {
    if (h < 0 || (Kind(h) != 11 && Kind(h) != 13 && Kind(h) != 14)) return false;
    const u8 m = Mark(Last(h));
    return m >= 129 || (m & 127) == 16;
}

// The qualifier's function under a verb head, its link and a gender the
// head lends it.
void MarkVerbQualifier(i32 i, i32 h) {
    const i32 w = First(i);
    const u8 c = Cls(w);
    if (c < 128) {
        SetFunctionKeepingSubject(w, 77);
    } else if (w != 0 && Cls(Last(i - 1)) == 128) {
        W(w).FunctionCode = 74;
    } else if (i > 1 && Kind(i - 2) == 26) {
        W(w).FunctionCode = 81;
    } else if (FCls(i - 1) == 131 && c > 191) {
        const bool agent = i < SegCount() - 1 && (Is(First(i + 1), "par") || Is(First(i + 1), "dans"));
        if (agent || Begins(w, "compos")) {
            W(w).FunctionCode = 82;
            W(Last(h)).ReadingClasses[0] = 128;
            if ((Mark(Last(h) + 1) & 127) == 16) W(Last(h) + 1).ReadingClasses[0] = 128;
        } else {
            W(w).FunctionCode = 77;
        }
    } else {
        W(w).FunctionCode = 76;
    }
    W(w).LinkedWord = W(First(h)).LinkedWord;
    if (S(i).Gender == 0) S(i).Gender = S(h).Gender;
}

// A participle that stays invariable after a reflexive pronoun.
bool InvariablePronominal(i32 i) {
    const i32 w = First(i);
    const u8 m = Mark(w);
    if (m == 1 && (Begins(w, "parl") || Begins(w, MR("téléph")))) return true;
    if (m == 'O' || m == 'U') return true;
    return m == '5' && Begins(w, "rend") && Begins(w + 1, "compte");
}

// Word w is singular by its reading's number bits.
bool SingularWord(i32 w) { return Feat(w) % 16 / 4 == 1; }

// An adjective right after the verb and a singular noun make one
// invariable attribute ("sont dernier cri", "bon marché", "bleu ciel"):
// neither word agrees with the subject.
bool AttributeNeedsNoAgreement(i32 i) {
    const i32 w = First(i);
    if (Cat(w - 1) == 14 && Cls(w) != 'A' && Cat(w) == 10 && Cat(w + 1) == 10 && Cls(w + 1) == 'A' &&
        SingularWord(w + 1))
        return true;
    return Cls(w) == 'A' && SingularWord(w) && Cat(w - 1) == 10 && Cls(w - 1) != 'A' && Cat(w - 2) == 14;
}

// Steps 3-7 under a verb head.
Step CheckVerbHead(ClauseFrame& f, u16& out, RuleCode& code) {
    const i32 i = f.currentSegment;
    i32 h = f.head;
    if (h > 0 && Kind(h) > 10 && Kind(h) < 14) {
        // The conjugated verb gives the subject's agreement, back over the
        // infinitives, participles and adjectives between ("doivent avoir
        // été attaquées", "est susceptible d'être convoqué").
        i32 k = h - 1;
        while (k > 0 && (Kind(k) == 10 || Kind(k) == 11 || Kind(k) == 13)) --k;
        if (Kind(k) == 14) h = k;
    }
    const u8 c = FCls(i);
    if (c > 127 && (c & 1) != 0) h = i;
    MarkVerbQualifier(i, h);
    if (h > 0 && Kind(h - 1) == 26 && c > 127 && InvariablePronominal(i)) {
        if (FFeat(i) == 2) {
            h = i;
        } else if (MayReport(43, First(i))) {
            RuleReport r = QualifierReport(i);
            r.variant = 'D';
            r.detail = 4;
            r.extent = 1;
            r.kind = 3;
            code = AgreementTail(f, r, out);
            return Step::Report;
        }
    }
    f.head = h;
    const u8 m = FMark(i);
    const bool applies = c != 'A' || (m >= 59 && !(m >= 161 && m <= 232));
    if (applies && ClashOneTwo(S(i), S(h)) && (c > 127 || !AttributeNeedsNoAgreement(i))) {
        if (!MayReport(c > 127 ? 43 : 45, First(i))) return Step::ParticipleAfterVerb;
        RuleReport r = QualifierReport(i);
        r.detail = ClashDetail(S(i), S(h));
        r.extent = AgreementExtent(S(h));
        if (c > 127) {
            r.kind = 3;
            r.variant = 'A';
            if (h > 0 && Kind(h - 1) == 26) {
                r.variant = 'D';
                r.detail = 1;
            }
        } else {
            r.kind = 4;
            if (NounAdjectiveClass(c) || c == 'A') r.variant = 'T';
        }
        code = AgreementTail(f, r, out);
        return Step::Report;
    }
    if (c == 'C' || c == 'M' || c == 'N' || c == 'E' || c == '}') W(First(i)).ReadingClasses[0] = 'B';
    return Step::ParticipleAfterVerb;
}

// A verb after which an adjective stands for an adverb ("chanter juste").
bool AdverbialVerb(i32 h) {
    const i32 v = First(h);
    if (Mark(v) == 24) return Begins(v, "sen");
    static const char* const kStems[] = {"parl", "caus", "chant", "jou", nullptr};
    return Mark(v) == 1 && BeginsAnyOf(v, kStems);
}

// Step 8: the head is no verb head.
Step CheckAdverbialAdjective(ClauseFrame& f, u16& out, RuleCode& code) {
    const i32 i = f.currentSegment;
    const i32 h = f.head;
    if (h != i - 1 || h < 0 || Kind(h) != 14) return Step::NounGroup;
    if (FMark(h) < 128 && h > 0 && Kind(h - 1) == 23 && FCat(h - 1) == 2) {
        f.head = i - 2;
        return Step::ObjectAttributeFound;
    }
    if (FMark(h) == '&' || !AdverbialVerb(h)) return Step::NounGroup;
    if (FMark(i) == 'A') return Step::NextSegment;
    if ((S(i).Number != 2 && S(i).Gender != 2) || !MayReport(45, First(i))) return Step::ParticipleAfterVerb;
    RuleReport r = QualifierReport(i);
    r.extent = 1;
    r.variant = 'R';
    code = AgreementTail(f, r, out);
    return Step::Report;
}

// Whether k is a noun group the qualifier may belong to (scan of the
// noun-group step); verbSeen and relativeSeen as the scan keeps them.
bool GroupCandidate(i32 i, i32 k, bool verbSeen, bool relativeSeen) {
    const u8 kind = Kind(k);
    if (kind == 24) return true;
    if (FCat(k) == 1 && FCls(i - 1) > 127 && FMark(i - 1) > 128) return true;
    if (kind == 17 && k < i) return true;
    if (kind == 10 && k == 0) return true;
    if (kind == 23 && (FCat(k) != 15 || !verbSeen || relativeSeen)) return true;
    return kind == 14 && (FCls(k) & 15) >= 4;
}

// A verb candidate's record takes the gender and number its features give.
void VerbCandidateAgreement(i32 k) {
    const u8 feat = FFeat(k);
    SegmentRecord& r = S(k);
    if (feat >= 192) {
        r.Gender = 0;
        r.Number = 2;
    } else if (feat >= 128) {
        r.Gender = 2;
        r.Number = 1;
    } else if (feat >= 65) {
        r.Gender = 1;
        r.Number = 1;
    } else {
        return;
    }
    r.State = 0;
}

bool PassedOver(i32 i, i32 k) {
    const SegmentRecord& a = S(k);
    const SegmentRecord& b = S(i);
    if (a.State == 1 && k != i - 2) return true;
    if (a.Gender != 0 && b.Gender != 0 && a.Gender != b.Gender) return true;
    if (a.Number != 0 && b.Number != 0 && a.Number != b.Number) return true;
    return k > 0 && Kind(k - 1) == 22;
}

void ShareAgreement(SegmentRecord& a, SegmentRecord& b) {
    if (a.Gender == 0) a.Gender = b.Gender;
    if (a.Number == 0) a.Number = b.Number;
    if (b.Gender == 0) b.Gender = a.Gender;
    if (b.Number == 0) b.Number = a.Number;
}

Step FindNounGroup(ClauseFrame& f) {
    const i32 i = f.currentSegment;
    if (FCls(i) == 'A' && Kind(i - 1) > 22) return Step::GroupAgreement;
    if (FCls(i) == 64) return Step::NextSegment;
    i32 offset = 2;
    if (i == SegCount() - 1) offset = 0;
    else if (i == SegCount() - 2 && (FCls(i + 1) == 20 || FCls(i + 1) == 21)) offset = 0;
    else if (Kind(i + 1) == 23 && (FCat(i + 1) == 15 || FCat(i + 1) == 9)) offset = 0;
    bool verbSeen = false;
    bool relativeSeen = false;
    for (i32 k = i + offset - 1; k >= 0; --k) {
        if (FCat(k) == 5 && Kind(k) == 24) relativeSeen = true;
        if (Kind(k) == 14) verbSeen = true;
        if (!GroupCandidate(i, k, verbSeen, relativeSeen)) continue;
        if (Kind(k) == 24) {
            W(First(i)).LinkedWord = W(First(k)).LinkedWord;
            SetFunctionKeepingSubject(First(i), 76);
        }
        if (Kind(k) == 14 && (FCls(k) & 15) > 7) VerbCandidateAgreement(k);
        if (Kind(k) == 17 && !Is(First(k), "comme")) return Step::GroupAgreement;
        if (PassedOver(i, k)) continue;
        ShareAgreement(S(k), S(i));
        return Step::ParticipleAfterVerb;
    }
    return Step::GroupAgreement;
}

Step CheckGroupAgreement(ClauseFrame& f, u16& out, RuleCode& code) {
    const i32 i = f.currentSegment;
    const i32 h = f.head;
    if (h < 0 || (Kind(h) != 24 && Kind(h) != 23)) return Step::ObjectAttribute;
    const i32 w = First(i);
    const bool active = w != 0 && Kind(i - 1) == 14 && Cls(Last(i - 1)) == 128;
    SetFunctionKeepingSubject(w, active ? 74 : 76);
    W(w).LinkedWord = W(First(h)).LinkedWord;
    if (Cat(w - 1) == 27) return Step::ParticipleAfterVerb;
    if (!ClashOneTwo(S(i), S(h)) || !MayReport(41, w)) return Step::ParticipleAfterVerb;
    code = ReportGroupDisagreement(i, h, out);
    return Step::Report;
}

Step FindObjectOrAttribute(ClauseFrame& f) {
    const i32 i = f.currentSegment;
    for (i32 k = i - 2; k >= 0; --k) {
        if ((Kind(k) == 24 && FCat(k) > 6 && !(k > 0 && Kind(k - 1) == 22)) || Kind(k) == 10) {
            f.head = k;
            return Step::ObjectAttributeFound;
        }
    }
    for (i32 k = i - 2; k >= 0; --k) {
        if (Kind(k) == 23 && FCat(k) > 6) {
            f.head = k;
            return Step::ObjectAttributeFound;
        }
    }
    return Step::NoGroup;
}

Step CheckObjectAttribute(ClauseFrame& f, u16& out, RuleCode& code) {
    const i32 i = f.currentSegment;
    const i32 h = f.head;
    const i32 w = First(i);
    SetFunctionKeepingSubject(w, 76);
    W(w).LinkedWord = W(First(h)).LinkedWord;
    if (Is(First(h), "on") || !ClashOneTwo(S(i), S(h)) || !MayReport(45, w)) return Step::ParticipleAfterVerb;
    if (FCls(i) > 127) return Step::ParticipleAfterVerb;
    RuleReport r = QualifierReport(i);
    r.extent = AgreementExtent(S(h));
    r.kind = 4;
    r.variant = NounAdjectiveClass(FCls(i)) ? 'T' : 'E';
    code = AgreementTail(f, r, out);
    return Step::Report;
}

Step CheckNoGroup(ClauseFrame& f, u16& out, RuleCode& code) {
    const i32 i = f.currentSegment;
    if (FCls(i) > 128 && FMark(i) < 16) return Step::ParticipleAfterVerb;
    if (!MayReport(45, First(i))) return Step::ParticipleAfterVerb;
    RuleReport r = QualifierReport(i);
    r.kind = 4;
    if (NounAdjectiveClass(FCls(i))) r.variant = 'T';
    code = AgreementTail(f, r, out);
    return Step::Report;
}

// The verb marks that call for an infinitive after the verb.
bool InfinitiveVerbMark(u8 m) {
    switch (m) {
        case 18: case 'J': case '*': case '+': case '-': case ')': case '/': case '&': case 'q':
            return true;
        default:
            return false;
    }
}

// Rule 47: a participle where the verb before calls for an infinitive, or a
// one-word participle that disagrees with the segment after it.
Step CheckParticipleAfterVerb(ClauseFrame& f, u16& out, RuleCode& code) {
    const i32 i = f.currentSegment;
    if (i < 2 || FCls(i) <= 127) return Step::NextSegment;
    u16 detail = 0;
    if (Kind(i - 1) == 14 && FCat(i - 2) != 2 && InfinitiveVerbMark(FMark(i - 1))) {
        detail = 1;
    } else if (Kind(i - 1) == 11 && Kind(i - 2) == 14 && InfinitiveVerbMark(FMark(i - 1))) {
        // The verb in a compound tense ("ont voulu mangé").
        detail = 1;
    } else if (FCat(i - 1) == 2 && Kind(i - 2) == 14 && InfinitiveVerbMark(FMark(i - 2))) {
        detail = 1;
    } else if (!(i < SegCount() - 1 && Kind(i - 1) == 14 && FMark(i - 1) < 128 && FMark(i - 1) != 17 &&
                 First(i + 1) == First(i) + 1 &&
                 ClashKnown(S(i + 1), S(i)))) {
        return Step::NextSegment;
    }
    if (!MayReport(47, First(i))) return Step::NextSegment;
    RuleReport r;
    r.code = 47;
    r.pos = First(i);
    r.extent = 0;
    r.detail = detail;
    code = Commit(r, out);
    return Step::Report;
}

}  // namespace

QualifierOutcome CheckQualifier(ClauseFrame& f, u16& out, RuleCode& code) {
    const i32 i = f.currentSegment;
    if (Excluded(i)) return QualifierOutcome::NextSegment;
    i32 h = -1;
    const bool toGroup = FindHead(i, h);
    f.head = h;
    Step step = toGroup ? Step::GroupAgreement
                        : (VerbHead(h) ? CheckVerbHead(f, out, code) : CheckAdverbialAdjective(f, out, code));
    for (int guard = 0; guard < 8; ++guard) {
        switch (step) {
            case Step::NounGroup: step = FindNounGroup(f); break;
            case Step::GroupAgreement: step = CheckGroupAgreement(f, out, code); break;
            case Step::ObjectAttribute: step = FindObjectOrAttribute(f); break;
            case Step::ObjectAttributeFound: step = CheckObjectAttribute(f, out, code); break;
            case Step::NoGroup: step = CheckNoGroup(f, out, code); break;
            case Step::ParticipleAfterVerb:
                step = CheckParticipleAfterVerb(f, out, code);
                if (step == Step::NextSegment) return QualifierOutcome::LastRules;
                break;
            case Step::NextSegment: return QualifierOutcome::NextSegment;
            case Step::Report: return QualifierOutcome::Report;
        }
    }
    return QualifierOutcome::LastRules;
}

}  // namespace clause_walk
