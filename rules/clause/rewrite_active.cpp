// The active reading of the rewritten clauses: a passive clause's subject
// becomes its object and its agent its subject (English pronouns in the
// matching case, the auxiliary rebuilt as a form of "have"); an
// interrogative clause gets its subject and its interrogative code; the
// complements after a verb get their functions. Nothing is reported.
#include "rules/clause/rewrite.h"

#include "frame/bounded_string.h"
#include "frame/mac_roman_literal.h"
#include "frame/settings.h"
#include "morphology/dict_format.h"
#include "rules/rule_words.h"

namespace rewrite {

namespace {

using rules::Cat;
using rules::Cls;
using rules::Is;
using rules::W;

constexpr u16 kObject = 70, kSubject = 75, kPassive = 82, kInterrogative = 83, kAdverbial = 85;
constexpr i32 kHaveRow = 38;

void SetText(i32 x, const char* text) { CopyCString(W(x).WordText, text); }

// English personal pronouns: the object form by the subject's class, and
// the subject form of an object form.
void ToObjectCase(i32 x) {
    static const struct {
        u8 cls;
        const char* text;
    } kForms[] = {{'U', "me"}, {']', "him"}, {'^', "her"}, {'X', "us"}, {'a', "them"}};
    for (const auto& f : kForms)
        if (Cls(x) == f.cls) SetText(x, f.text);
}

void ToSubjectCase(i32 x) {
    static const char* const kPairs[][2] = {{"me", "I"}, {"him", "he"}, {"her", "she"}, {"us", "we"}, {"them", "they"}};
    for (const auto& p : kPairs) {
        if (Is(x, p[0])) {
            SetText(x, p[1]);
            return;
        }
    }
}

// The segment after the verb group that follows segment s: the verb,
// then up to two participle segments.
i32 AgentSegment(i32 s) {
    i32 a = s + 2;
    if (GroupKind(s + 1) == 14 && GroupKind(s + 2) == 11) {
        ++a;
        if (GroupKind(s + 3) == 11) ++a;
    }
    return a;
}

// "ha" and the ending of the "have" form that agrees with the agent.
void RebuildAuxiliary(i32 verb, i32 agent) {
    const SegmentRecord& a = Group(agent);
    // The -s form for a third person that is not plural (a pronoun's
    // segment leaves its number open), as "been" becomes "has" below.
    u32 form = a.Person == 3 && a.Number != 2 ? 1 : 0;
    const u8 f = rules::Feat(a.LastWord);
    if (f >= 1 && f <= 3) form = f;
    if (gEnglishEndingRows.count == 0) return;
    const i32 row = kHaveRow < static_cast<i32>(gEnglishEndingRows.count) ? kHaveRow : gEnglishEndingRows.count - 1;
    const EnglishEndingRow& have = gEnglishEndingRows.ClampedAt(row);
    const u32 length = have.EndingLengths.ClampedAt(static_cast<i32>(form));
    const u8* ending = EndingText(length, have.EndingIndexes.ClampedAt(static_cast<i32>(form)));
    BoundedString& text = W(verb).WordText;
    CopyCString(text, "ha");
    if (ending == nullptr || (length == 1 && ending[0] == '$')) return;
    const i32 n = GetStringLength(text);
    for (u32 k = 0; k < length && n + static_cast<i32>(k) + 1 < static_cast<i32>(text.count); ++k) {
        text[n + static_cast<i32>(k)] = ending[k];
        text[n + static_cast<i32>(k) + 1] = 0;
    }
}

void PassiveToActive(i32 r) {
    i32 subject = -1;
    for (i32 x = ClauseFirst(r - 1); x < ClauseFirst(r) && subject < 0; ++x)
        if (r > 0 && W(x).FunctionCode == kSubject) subject = x;
    if (subject < 0) return;
    const bool english = gCheckingLanguage == 0;
    W(subject).FunctionCode = kObject;
    W(subject).LinkedWord = static_cast<u16>(ClauseLast(r));
    Clause(r - 1).SegmentKind = 23;
    const i32 s = GroupOf(subject);
    Group(s).SegmentKind = 23;
    if (english && Cat(Group(s).FirstWord) < 4) ToObjectCase(Group(s).FirstWord);
    const i32 a = AgentSegment(s);
    if (a >= Groups()) return;
    Group(a).SegmentKind = 24;
    const i32 agent = Group(a).LastWord;
    W(agent).FunctionCode = kSubject;
    W(agent).LinkedWord = static_cast<u16>(r + 1);
    W(ClauseLast(r)).LinkedWord = static_cast<u16>(r);
    if (english && Cat(agent) < 4) ToSubjectCase(agent);
    if (english && rules::Model(ClauseFirst(r)) == '%') RebuildAuxiliary(ClauseFirst(r), a);
    const i32 before = ClauseLast(r) - 1;
    if (Is(before, "been")) {
        // The agent's own segment: once the agent joins the verb's clause
        // the clause after the verb is no longer the agent's.
        const SegmentRecord& agentGroup = Group(a);
        SetText(before, agentGroup.Number == 2 || agentGroup.Person != 3 ? "have" : "has");
    }
}

u8 InterrogativeCode(i32 x) {
    if (Is(x, "que")) return 129;
    if (Is(x, "combien")) return 130;
    static const char* const kManner[] = {"comment", "quand", MR("où"), "pourquoi", nullptr};
    if (rules::IsOneOf(x, kManner)) return 131;
    if (rules::Begins(x, "quel")) return 132;
    return 0;
}

void Interrogative(i32 r) {
    bool subjectBefore = false;
    for (i32 k = 0; k < r; ++k) subjectBefore |= ClauseKind(k) == 24;
    if (rules::Feat(ClauseLast(r)) <= 64 && !subjectBefore) {
        const i32 j = GroupStartingAt(ClauseFirst(r));
        if (j >= 0 && j + 1 < Groups()) {
            Group(j + 1).SegmentKind = 24;
            W(Group(j + 1).LastWord).FunctionCode = kSubject;
            W(Group(j).LastWord).LinkedWord = static_cast<u16>(j + 1);
        }
    }
    if (const u8 code = InterrogativeCode(ClauseFirst(r)); code != 0) Clause(r).State = code;
}

bool ByOrPar(i32 x) { return Is(x, "par") || Is(x, "by"); }

// Step 1 of the complements: the segment right after the verb.
void FirstComplement(i32 j, bool passive) {
    const i32 g = j + 1;
    if (g >= Groups() || GroupKind(g) == 13 || W(Group(g).LastWord).FunctionCode == kAdverbial) return;
    const i32 p = Group(g).FirstWord;
    WordRecord& last = W(Group(g).LastWord);
    if (passive && ByOrPar(p)) {
        last.FunctionCode = kSubject;
        return;
    }
    static const char* const kNotAdverbial[] = {"par", "by", "pour", "sur", nullptr};
    const bool quoted = Cls(p) == '"' && Cat(p + 1) > 9 && !rules::IsOneOf(p, kNotAdverbial);
    if (quoted || (Cat(p) == 15 && Cat(p + 1) > 9)) last.FunctionCode = kAdverbial;
}

void LaterComplement(i32 k, bool passive) {
    WordRecord& last = W(Group(k).LastWord);
    if (last.FunctionCode == kAdverbial) return;
    const i32 t = GroupKind(k) == 11 ? k + 1 : k;
    if (passive && ByOrPar(Group(t).FirstWord)) {
        W(Group(t).LastWord).FunctionCode = kSubject;
        return;
    }
    const i32 p = Group(k).FirstWord;
    if (Cls(p) == '!' || Cls(p) == '$' || Cls(p) == '%') last.FunctionCode = 72;
    else if (Cat(p) == 15 && Cat(p + 1) > 9) last.FunctionCode = kAdverbial;
    else if (Cat(p) == 9 && Cat(p + 1) > 9) last.FunctionCode = 73;
    else if (last.FunctionCode != kObject) last.FunctionCode = 73;
}

void Complements(i32 r) {
    const i32 j = GroupOf(ClauseFirst(r));
    const i32 end = r + 1 < Clauses() ? GroupOf(ClauseFirst(r + 1)) : Groups();
    const bool passive = W(ClauseLast(r)).FunctionCode == kPassive;
    FirstComplement(j, passive);
    if (GroupKind(j + 1) == 13) {
        const u16 fc = W(Group(j + 1).LastWord).FunctionCode;
        if ((fc == 70 || fc == 71) && j + 2 < Groups()) W(Group(j + 2).LastWord).FunctionCode = 86;
    }
    for (i32 k = j + 2; k < end && k < Groups(); ++k) {
        const u8 before = GroupKind(k - 1);
        if (before == 23 || (before == 11 && passive)) LaterComplement(k, passive);
    }
}

}  // namespace

void RewriteActive() {
    for (i32 r = 0; r < Clauses(); ++r) {
        if (ClauseKind(r) == 14 && W(ClauseLast(r)).FunctionCode == kPassive && Clause(r).State == 0)
            PassiveToActive(r);
    }
    for (i32 r = 0; r < Clauses(); ++r) {
        const u8 next = ClauseKind(r + 1);
        if (Level(r) == 0 && W(ClauseLast(r)).FunctionCode == kInterrogative && (next == 14 || next == 13))
            Interrogative(r);
    }
    for (i32 r = 0; r < Clauses(); ++r)
        if (ClauseKind(r) == 14) Complements(r);
}

}  // namespace rewrite
