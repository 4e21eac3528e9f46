// French tense sequence (rule 53): a conjugated verb's mood and tense
// against what governs it: a subjunctive in a main clause, the mood a
// conjunction asks for, the tenses in and after a "si" clause. The report
// names the wanted conjugation slot or slots of the same person.
#include "rules/clause/rewrite.h"

#include "rules/clause/clause_walk.h"
#include "rules/rule_words.h"

namespace rewrite {

namespace {

using rules::Cat;
using rules::Cls;
using rules::Feat;
using rules::Is;

i32 Words() { return static_cast<i32>(gWordCount); }
bool Verb(i32 x) { return Cat(x) == 14; }
bool Subjunctive(u8 slot) { return slot >= 30 && slot <= 41; }
u16 Pair(i32 high, i32 low) { return static_cast<u16>((high << 8) | low); }

// An auxiliary followed by its past participle, directly or after an
// adverb-like word.
bool CompoundTense(i32 x) {
    const u8 c = Cls(x);
    if (c != 194 && c != 131 && c != 128) return false;
    return Cat(x + 1) == 11 || (Cat(x + 1) == 18 && Cat(x + 2) == 11);
}

// A leading word of a conjunctive locution ("quoi" of "quoi que"): the
// locution's mood sits on its last word.
bool LocutionLead(i32 x) { return Cls(x) == '*' && x + 1 < Words() && Cat(x + 1) == 17 && Cls(x + 1) == '*'; }

bool Fire(i32 x, u16 detail, u16 extent, RuleCode& code, u16& out) {
    if (!rules::MayReport(kCodeMoodAfterIf, x)) return false;
    rules::RuleReport rep;
    rep.code = kCodeMoodAfterIf;
    rep.pos = x;
    rep.kind = 6;
    rep.detail = detail;
    rep.extent = extent;
    code = rules::Commit(rep, out);
    return true;
}

// Case 1: a subjunctive before any conjunction, relative or "qu..." word.
// The first two words, which may open a wish ("Vive...", "Soit..."), and
// compound tenses are left alone.
bool MainClauseSubjunctive(RuleCode& code, u16& out) {
    for (i32 x = 0; x < Words(); ++x) {
        if (Cat(x) == 17 || Cat(x) == 5 || rules::Begins(x, "qu")) return false;
        const u8 slot = Feat(x);
        if (!Verb(x) || !Subjunctive(slot) || x < 2 || CompoundTense(x)) continue;
        const u16 extent = slot >= 36 ? static_cast<u16>(slot - 12) : Pair(slot - 24, slot - 18);
        if (Fire(x, 1, extent, code, out)) return true;
    }
    return false;
}

i32 FirstVerbAfter(i32 from, bool stopAtRelative) {
    for (i32 x = from; x < Words(); ++x) {
        if (stopAtRelative && Cat(x) == 5) return -1;
        if (Verb(x)) return x;
    }
    return -1;
}

// Case 2: an indicative after a conjunction that asks for the subjunctive.
bool IndicativeForSubjunctive(RuleCode& code, u16& out) {
    for (i32 q = 0; q < Words(); ++q) {
        if (Cat(q) != 17 || Feat(q) != 1 || rules::Letter(q, 0) != 'q') continue;
        const i32 x = FirstVerbAfter(q + 1, true);
        if (x < 0) return false;
        const i32 f = Feat(x);
        u16 extent = 0;
        if (f == 1) extent = 33;
        else if (f == 2) extent = 34;
        else if (f >= 3 && f <= 6) extent = Cls(x - 1) == 'Y' ? 31 : 30;
        else if (f >= 7 && f <= 11) extent = static_cast<u16>(f + 24);
        else if (f >= 12 && f <= 17) extent = static_cast<u16>(f + 18);
        else if (f >= 18 && f <= 29) extent = Pair(f + 6, f + 12);
        else if (f >= 42 && f <= 47) extent = static_cast<u16>(f - 12);
        else if (f >= 48) extent = clause_walk::SubjunctiveFor(x);  // the shared-form marks
        else return false;  // a subjunctive, as asked
        if (extent == 0) return false;
        return Fire(x, 2, extent, code, out);
    }
    return false;
}

// Case 3: a future after "que" in an imperfect sentence, or a subjunctive
// after a conjunction that asks for the indicative.
bool IndicativeConjunction(RuleCode& code, u16& out) {
    for (i32 q = 0; q < Words(); ++q) {
        if (Cat(q) != 17 || Feat(q) != 0 || !rules::Begins(q, "qu") || LocutionLead(q)) continue;
        const i32 x = FirstVerbAfter(q + 1, false);
        if (x < 0) return false;
        const u8 slot = Feat(x);
        if (slot >= 18 && slot <= 23) {
            i32 before = q - 1;
            while (before >= 0 && !Verb(before)) --before;
            if (before >= 0 && Feat(before) >= 12 && Feat(before) <= 17)
                return Fire(x, 3, static_cast<u16>(slot + 24), code, out);
        } else if (Subjunctive(slot) && !CompoundTense(x)) {
            const i32 p = slot < 36 ? slot - 24 : slot - 30;
            return Fire(x, 1, static_cast<u16>(p * 257 + 6), code, out);
        }
        return false;
    }
    return false;
}

bool IsSi(i32 x) { return Is(x, "si") || Is(x, "Si") || Is(x, "S'") || Is(x, "s'"); }

// Cases 4 and 5: the verb of a "si" clause, then the verb of the clause
// that follows an imperfect one.
bool SiClauses(RuleCode& code, u16& out) {
    for (i32 r = 0; r < Clauses(); ++r) {
        const i32 si = ClauseFirst(r);
        if (!IsSi(si)) continue;
        const i32 x = FirstVerbAfter(si + 1, false);
        if (x < 0) continue;
        const u8 slot = Feat(x);
        const i32 p = slot % 6;
        u16 detail = 0;
        if (slot >= 18 && slot <= 23) detail = 4;
        else if (Subjunctive(slot)) detail = 5;
        else if (slot >= 42 && slot <= 47) detail = 6;
        else if (slot >= 48) detail = 7;
        if (detail != 0 && Fire(x, detail, Pair(p + 12, p + 6), code, out)) return true;
        if (slot < 12 || slot > 17) continue;
        bool conditionalBefore = false;
        for (i32 k = 0; k < si; ++k) conditionalBefore |= Verb(k) && Feat(k) >= 42 && Feat(k) <= 47;
        if (conditionalBefore) continue;
        i32 y = x + 2;
        while (y < Words() && Cat(y) != 14 && Cat(y) != 17 && Cat(y) != 5) ++y;
        if (y < Words() && Verb(y) && Feat(y) < 42 && Fire(y, 8, static_cast<u16>(Feat(y) % 6 + 42), code, out))
            return true;
    }
    return false;
}

}  // namespace

RuleCode CheckTenseSequence(u16& out) {
    clause_walk::MarkSharedForms();
    RuleCode code = 0;
    if (MainClauseSubjunctive(code, out) || IndicativeForSubjunctive(code, out) ||
        IndicativeConjunction(code, out) || SiClauses(code, out))
        return code;
    return 0;
}

}  // namespace rewrite
