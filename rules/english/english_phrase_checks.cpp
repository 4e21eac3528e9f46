// The word-order and comparison rules of the English phrase stage: a
// lower-case "i", an adjective after its noun, "more" / "most" with the
// wrong adjective form, a main verb negated with a bare "not", and the
// number agreement inside a noun phrase.
#include "morphology/english_grades.h"
#include "morphology/word_analysis.h"
#include "morphology/word_lookup.h"
#include "rules/english/english_disambiguation.h"
#include "rules/english/english_phrase_heads.h"
#include "rules/english/english_phrase_rules.h"
#include "rules/english/english_phrase_stage.h"

namespace english {

using namespace rules;

namespace {

// The gate of the rules of a phrase word: with gLastRule equal to the
// code, the record before the one being filled (record 0 when there is
// none; never at record 0 when `needEarlier`) must begin after the resume
// point.
bool GateAtRecordBefore(RuleCode code, i32 s, bool needEarlier) {
    if (gLastRule < code) return true;
    if (gLastRule != code || (needEarlier && s < 1)) return false;
    return static_cast<i16>(Seg(s - 1).FirstWord) > gLastErrorPos;
}

RuleReport Finding(RuleCode code, i32 pos, u8 variant, u16 detail = 0) {
    RuleReport r;
    r.code = code;
    r.pos = pos;
    r.variant = variant;
    r.detail = detail;
    r.extent = 1;
    return r;
}

bool LastWord(i32 w) { return w >= Count() - 1; }

// A short adjective whose -er (or -est) form our dictionary knows: "more"
// or "most" before one is a comparison built the wrong way ("more alive",
// "more self-" are not).
bool GradesWithEnding(i32 w, bool superlative) {
    if (!ShortAdjective(w)) return false;
    Work36 graded;
    return EnglishGradedForm(W(w).WordText, superlative, graded.s);
}

// 40 'P': an adjective of one reading right after its noun.
bool AdjectiveAfterNoun(i32 w) {
    static const char* const kAfter[] = {"as", "enough", nullptr};
    if (w < 1 || Readings(w - 1) != 1 || QuestionSentence() || Mark(w) < 176 || Cls(w - 1) != 'A') return false;
    if (Is(w - 1, "bit") || Is(w - 1, "little") || Ends(w - 1, "'s")) return false;
    return LastWord(w) || (Cat(w + 1) != 10 && Cat(w + 1) != 15 && !IsOneOf(w + 1, kAfter));
}

// 'M': "more" before a short adjective that compares with -er.
bool MoreWithShort(i32 w, i32 s) {
    if (w < 1 || !Is(w - 1, "more")) return false;
    if (w > 1 && (Cat(w - 2) == 7 || s == 0)) return true;
    const i32 before = Seg(s - 1).FirstWord;
    if (w > 1 && Cls(before) > 127 && Mark(before) > 127) return true;
    if (LastWord(w)) return false;
    return Is(w + 1, "than") || ((Cls(w + 1) == 'A' || Cls(w + 1) == 'C') && Feat(w + 1) < 8);
}

// The comparison rule that word w breaks: 'K', 'L', 'M', 'Q' or 0.
u8 ComparisonVariant(i32 w, i32 s) {
    if (TextLength(w) > 4 && Ends(w, "est")) {
        if (!LastWord(w) && Is(w + 1, "than")) return 'K';
        const bool degree = Cls(w - 1) == 'h' || (VerbClass(w - 1) && Mark(w - 1) >= 128);
        return ShortAdjective(w) && s >= 1 && w >= 1 && degree ? 'K' : 0;
    }
    if (w >= 1 && Is(w - 1, "most") && !ShortAdjective(w) && !LastWord(w) && Is(w + 1, "than")) return 'L';
    if (!ShortAdjective(w)) return 0;
    if (MoreWithShort(w, s)) return GradesWithEnding(w, false) ? 'M' : 0;
    const u8 before = Cls(w - 2);
    const bool most = w > 1 && before >= 101 && before <= 123 && before != 'h' && Is(w - 1, "most");
    return most && GradesWithEnding(w, true) ? 'Q' : 0;
}

}  // namespace

bool ShortAdjective(i32 w) {
    static const char* const kShort[] = {"glad", "dead", "real", "cross", "frank", "apt", "strong", nullptr};
    if (IsOneOf(w, kShort)) return true;
    const i32 n = TextLength(w);
    const u8 x = Letter(w, n - 1);
    const u8 y = Letter(w, n - 2);
    if (n < 6) return !((x == 'y' && y == 'l' && Cat(w) == 18) || (x == 'l' && y == 'a') || (x == 'd' && y == 'i'));
    if (n <= 7) return (x == 'y' && y != 'l') || (x == 'r' && y == 'e') || (x == 'w' && y == 'o') || (x == 'e' && y == 'l');
    return false;
}

RuleCode CheckLowerCaseI(i32 f, u16& out) {
    if (!Begins(f, "i") || W(f).WordCaseMode != 0 || Cls(f) != 'U' || !MayReport(kCodeWordSequence, f)) return 0;
    return Commit(Finding(kCodeWordSequence, f, 'i'), out);
}

RuleCode CheckBareNot(i32 i, u16& out) {
    static const char* const kExcused[] = {"only", "just", "simply", "to", nullptr};
    if (i >= Count() - 1 || (Model(i) >= 28 && Model(i) <= 38) || !Is(i + 1, "not")) return 0;
    // "need" negates as a modal ("you need not go"); our verb models give
    // it only its regular row, outside the modals' rows the test reads.
    if (Is(i, "need")) return 0;
    if (i != Count() - 2 && IsOneOf(i + 2, kExcused)) return 0;
    if (Mark(i) == 'T' || Begins(i, "believ") || Begins(i, "suppos") || Begins(i, "expect")) return 0;
    if (!MayReport(kCodeWordSequence, i + 1)) return 0;
    return Commit(Finding(kCodeWordSequence, i + 1, 'N'), out);
}

RuleCode CheckPhraseWordRules(PhraseCall& c, i32 w, u8 number, u16& out) {
    const i32 s = c.segments;
    if (Readings(w) == 1 && Cls(w) == 'B' && W(w).QuoteFlags == 0 && Cat(w) != 8) {
        if (number != 2) {
            if (AdjectiveAfterNoun(w) && GateAtRecordBefore(kCodeWordSequence, s, true)) return Commit(Finding(kCodeWordSequence, w, 'P'), out);
        } else if (w >= 1 && VerbClass(w - 1) && Mark(w - 1) >= 128 && !c.agreement.held &&
                   GateAtRecordBefore(kCodeQualifierAgreement, s, false)) {
            // Not while an agreement finding is held: it is reported first.
            return Commit(Finding(kCodeQualifierAgreement, w, 'J'), out);
        }
    }
    if (Readings(w) != 1 || (Cls(w) != 'B' && Cat(w) != 18)) return 0;
    const u8 variant = ComparisonVariant(w, s);
    if (variant == 0) return 0;
    const u16 detail = variant == 'M' && w > 2 && Is(w - 2, "and") && Is(w - 3, "more") ? 2 : 0;
    c.comparison.held = true;
    c.comparison.report = Finding(kCodeWordSequence, w, variant, detail);
    if (!GateAtRecordBefore(kCodeWordSequence, s, false)) return 0;
    c.comparison.held = false;
    return Commit(c.comparison.report, out);
}

RuleCode RetryHeldComparison(PhraseCall& c, i32 at, u16& out) {
    if (!c.comparison.held || at <= c.comparison.report.pos || !MayReport(kCodeWordSequence, c.comparison.report.pos)) return 0;
    c.comparison.held = false;
    return Commit(c.comparison.report, out);
}

// Whether the determiner f is not the one of the phrase's noun: a
// possessive inside the phrase is the noun's determiner ("two minutes'
// time", "the dogs' bowl"); "a" before a quantity word goes with it ("a few
// years", "a couple of", "a good two pounds"); "both", "either", "neither"
// may open the first member of a coordination ("both father and daughter").
// A personal pronoun determines no noun of another number: "we" and "you"
// stand only before plural nouns ("we doctors"), and a singular noun
// reading after a pronoun is a verb read as a noun ("they wonder", "we
// need") or an address ("you fool").
bool DeterminerOfAnother(const PhraseFacts& p) {
    const i32 f = p.first;
    if (Cat(f) >= 1 && Cat(f) <= 3) return true;
    if (Is(f, "each") && Is(f + 1, "other")) return true;  // the reciprocal pronoun
    static const char* const kQuantity[] = {"few", "couple", "many", "dozen", nullptr};
    const bool article = Is(f, "a") || Is(f, "an") || Is(f, "A") || Is(f, "An");
    for (i32 w = f + 1; w <= p.last; ++w) {
        if (w < p.last && (Ends(w, "'s") || Ends(w, "s'"))) return true;
        if (article && (IsOneOf(w, kQuantity) || Cls(w) == 'R' || Cls(w) == 'S' || (Letter(w, 0) >= '0' && Letter(w, 0) <= '9')))
            return true;
    }
    static const char* const kPaired[] = {"both", "either", "neither", "Both", "Either", "Neither", nullptr};
    if (!IsOneOf(f, kPaired)) return false;
    for (i32 w = p.last + 1; w < Count(); ++w)
        if (Is(w, "and") || Is(w, "or") || Is(w, "nor")) return true;
    return false;
}

void CheckPhraseAgreement(PhraseCall& c, const PhraseFacts& p) {
    const i32 f = p.first;
    if (c.agreement.held || Cat(f) >= 10) return;
    const u8 own = FeatureNumber(Feat(f));
    if (!((p.number == 1 && own == 2) || (p.number == 2 && own == 1))) return;
    if (DeterminerOfAnother(p)) return;
    // The finding is reported (and gated) at the noun, before a closing
    // participle or verb form.
    const i32 at = Cat(p.last) > 11 ? p.last - 1 : p.last;
    if (gLastRule > kCodeQualifierAgreement || (gLastRule == kCodeQualifierAgreement && static_cast<i16>(at) <= gLastErrorPos)) return;
    RuleReport r;
    r.code = kCodeQualifierAgreement;
    r.pos = at;
    r.extent = own;
    u16 selector = 0;
    if ((Cls(f) == 'S' || Cls(f) == 'R') && !Is(f, "one")) {
        r.extent = p.gender != 0 ? static_cast<u16>(2 * p.gender) : 2;
    } else if (p.genderConflict || p.numberConflict) {
        selector = p.gender != 0 ? static_cast<u16>(2 * p.gender + p.number - 2) : p.number;
    }
    if (gLastRule == kCodeWordSequence && gLastErrorPos == static_cast<i16>(at)) r.extent = kNoCorrection;
    r.gender = p.lastGender;
    r.number = p.lastNumber;
    r.detail = static_cast<u16>((p.genderConflict ? 1 : 0) + (p.numberConflict ? 2 : 0));
    c.agreement.held = true;
    c.agreement.report = r;
    c.agreementRecord = p.record;
    c.agreementNumber = p.number;
    c.agreementSelector = selector;
}

}  // namespace english
