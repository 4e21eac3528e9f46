// The sentence as a whole, from the survey's counters: R subordinate
// clauses and K conjugated-verb clauses. A missing verb (55), too many
// subordinate clauses (61) and a run of noun-group clauses (62).
#include "frame/settings.h"
#include "rules/clause/clause_rules.h"
#include "rules/clause/clause_walk.h"

namespace clause_walk {

using namespace rules;

namespace {

// Rules 55 and 61 name no word: their resume test compares the sentence's
// length with the last report's position.
bool SentenceGate(RuleCode code) {
    return gLastRule < code || (gLastRule == code && static_cast<i32>(gWordCount) > gLastErrorPos);
}

// A record that carries on a chain of complements: a noun group of kind
// 23 that a preposition or a contracted article opens ("de", "à", "du"),
// and not a relative clause ("dans lequel").
bool ChainedComplement(i32 c) {
    if (Kind(c) != 23) return false;
    const i32 f = First(c);
    return (Cat(f) == 15 || Cat(f) == 9) && Cat(f + 1) != 5;
}

RuleCode CheckClauseRun(u16& out) {
    i32 run = 0;
    for (i32 c = 0; c < SegCount(); ++c) {
        run = ChainedComplement(c) ? run + 1 : 0;
        if (run <= 4 || !MayReport(62, First(c))) continue;
        RuleReport r;
        r.code = 62;
        r.pos = First(c);
        r.detail = static_cast<u16>(run);
        return Commit(r, out);
    }
    return 0;
}

// A sentence without a conjugated-verb clause that standard French writes
// so: one whose verb is an infinitive or a participle ("En premier lieu,
// réduire les dépenses.", "Né à Quenza en 1748."), one that asks or
// exclaims ("De la musique, Monsieur ?", "Oh ! la pauvre enfant !"), one
// that a coordinating conjunction or an adverb opens as the continuation of
// the sentence before ("Mais pas les oiseaux du jardin.", "Là, devant ton
// nez."), and one built on a presentative, which stands for the verb
// ("Voilà le garçon.").
bool EllipticSentence() {
    if (Cat(0) == 16 || Cat(0) == 18) return true;
    for (i32 w = 0; w < Count(); ++w) {
        if (Is(w, MR("voilà")) || Is(w, "voici")) return true;
        if (VerbClass(w)) return true;
    }
    for (i32 w = Count() - 1; w >= 0 && Cat(w) == 20; --w)
        if (Letter(w, 0) == '?' || Letter(w, 0) == '!') return true;
    return false;
}

// Subordinate clauses coordinated with the one before them: an opener (a
// relative pronoun or a subordinating conjunction) right after a comma or
// a coordinating conjunction, when an opener of its kind came earlier
// ("raconta qu'en été ..., qu'au printemps ... et qu'en automne ...", "un
// homme qui dort, qu'on assassine, et qui se réveille"). They repeat one
// subordination and do not make the sentence heavier by another.
i32 CoordinatedSubordinates() {
    i32 n = 0;
    bool relative = false;
    bool conjunction = false;
    for (i32 w = 1; w < Count(); ++w) {
        const u8 c = Cat(w);
        if (c != 5 && c != 17) continue;
        const bool afterLink = Cat(w - 1) == 16 || Cat(w - 1) == 21;
        bool& seen = c == 5 ? relative : conjunction;
        if (afterLink && seen) ++n;
        seen = true;
    }
    return n;
}

}  // namespace

RuleCode CheckSentenceCounts(const ClauseFrame& f, u16& out) {
    const i32 r = static_cast<i16>(f.subordinateCount);
    const i32 k = static_cast<i16>(f.verbClauseCount);
    if (r != k - 1) AddReadingPenalty(2);
    if (r >= k && Kind(0) != 13 && Letter(0, 0) > 64 && SentenceGate(55) && !EllipticSentence()) return 55;
    const i32 heavy = r - CoordinatedSubordinates();
    if (heavy > 2 && SentenceGate(61)) {
        gErrorDetail = static_cast<u16>(heavy);
        return 61;
    }
    return CheckClauseRun(out);
}

}  // namespace clause_walk
