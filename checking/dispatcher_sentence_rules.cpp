// The dispatcher's sentence rules: unbalanced signs (48), missing verb
// (55), questions without or with a question mark (56, 57), incomplete
// French negation (59), repetition (60), and the held findings returned in
// their place in the code order.
#include <cstring>

#include "checking/dispatcher.h"
#include "checking/dispatcher_rules.h"
#include "checking/punctuation.h"
#include "checking/tokenizer.h"
#include "checking/word_access.h"
#include "frame/mac_roman.h"
#include "frame/mac_roman_literal.h"
#include "frame/settings.h"
#include "rules/clause/clause_rules.h"

u16 gKeepQuotedReadings = 0;

namespace {

// Words of a quoted passage count as neutral words (one reading, category
// and features 0) when the passage holds more than one word.
void NeutraliseQuotedPassage(i32 open) {
    i32 close = -1;
    for (i32 k = open + 1; k < gWordCount; ++k) {
        if (WordCategory(k) == 20 && WordFirstByte(k) == '"') {
            close = k;
            break;
        }
    }
    if (close < 0 || close - open <= 1) return;
    for (i32 k = open + 1; k < close; ++k) {
        gWords[k].ReadingCount = 1;
        gWords[k].ReadingCategories[0] = 0;
        gWords[k].ReadingFeatures[0] = 0;
    }
}

// ---- Question mark without a question (57) ------------------------------------

// The word begins with the lower-case text, its first letter compared
// without case (sentences begin with a capital).
bool BeginsFolded(i32 i, const char* text) {
    if (!WordExists(i) || text[0] == 0) return false;
    if (ToLowerMacRoman(WordFirstByte(i)) != static_cast<u8>(text[0])) return false;
    const BoundedString& t = gWords[i].WordText;
    for (i32 k = 1; text[k] != 0; ++k) {
        if (k >= WordLength(i) || t.data[k] != static_cast<u8>(text[k])) return false;
    }
    return true;
}

bool IsFolded(i32 i, const char* text) {
    return BeginsFolded(i, text) && WordLength(i) == static_cast<i32>(std::strlen(text));
}

bool EnglishClauseStart(i32 k) {
    if (k == 0) return true;
    return WordClass(k - 1) < 128 || WordCategory(k - 1) == 18;
}

bool EnglishQuestionMarkWithoutQuestion() {
    if (WordCategory(0) == 5 || BeginsFolded(0, "w") || IsFolded(0, "how")) return false;
    const i32 last = gWordCount - 1;
    if (WordFirstByte(last) != '?') return false;
    // The words before the final "?".
    for (i32 k = 0; k < last; ++k) {
        if (WordMark(k) == 34 || WordFirstByte(k) == '"') return false;
        if (IsFolded(k, "why") && WordIs(k + 1, "not")) return false;
        if (IsFolded(k, "what") && WordIs(k + 1, "about")) return false;
        if ((BeginsFolded(k, "wh") || BeginsFolded(k, "how")) && EnglishClauseStart(k)) return false;
        if (WordCategory(k) == 21 || WordCategory(k) == 20) return false;
    }
    return true;
}

// ---- Incomplete negation (59) -------------------------------------------------

bool IsNegationWord(i32 i) {
    if (!WordExists(i)) return false;
    const u8 first = WordFirstByte(i);
    if (first != 'n' && first != 'N') return false;
    const BoundedString& t = gWords[i].WordText;
    const i32 n = WordLength(i);
    auto rest = [&](const char* tail) {
        for (i32 k = 1;; ++k) {
            if (tail[k - 1] == 0) return k == n;
            if (k >= n || t.data[k] != static_cast<u8>(tail[k - 1])) return false;
        }
    };
    return rest("e") || rest("'") || rest("on");
}

// The second part of a negation; those that may also stand before the
// verb ("Personne ne", "Rien ne", "Aucun ne", "Nul ne", "Jamais il ne")
// carry the sentence's capital there.
bool CompletesNegation(i32 i) {
    // Each word below opens with one of these letters (a capital too): the
    // others are refused before any text is compared.
    switch (ToLowerMacRoman(WordFirstByte(i))) {
        case 'a': case 'g': case 'j': case 'n': case 'p': case 'q': case 'r': break;
        default: return false;
    }
    static const char* const kWords[] = {"pas", "point", "nullement", "personne", "rien", "ni", "plus", "jamais"};
    for (const char* w : kWords) {
        if (IsFolded(i, w)) return true;
    }
    return BeginsFolded(i, "aucun") || BeginsFolded(i, "nul") || WordIs(i, MR("guère")) || WordBegins(i, "qu");
}

RuleCode MissingNe(const DispatchState& s) {
    for (i32 k = 0; k < gWordCount; ++k) {
        if (IsNegationWord(k)) return 0;
    }
    i32 pas = -1;
    for (i32 k = 1; k < gWordCount && pas < 0; ++k) {
        if (!WordIs(k, "pas")) continue;
        if (WordCategory(k - 1) == 14 || (WordCategory(k - 1) == 18 && WordCategory(k - 2) == 14)) pas = k;
    }
    if (s.negation == 0 && pas < 0) return 0;
    // A clause without a verb needs no "ne": "Pas de chance.", "Pas encore,
    // dit-il." (the verb of a speech tag is not the negated one).
    bool verb = pas >= 0;
    for (i32 k = 0; k < gWordCount && !verb && WordCategory(k) != 20 && WordCategory(k) != 21; ++k)
        verb = HasVerbReading(k);
    if (!verb) return 0;
    i32 p = 1;
    if (pas >= 0) {
        p = pas - 1;
        while (p > 0 && WordClass(p) < 128) --p;
        if (WordCategory(p - 1) == 2) {
            --p;
            if (WordCategory(p - 1) == 2) --p;
        }
    }
    gErrorExtent = 0xFFFF;
    gErrorVariant = 'N';
    const u8 before = WordLastByte(p - 1);
    gErrorDetail = before == '\'' ? 0 : 1;
    Fire(kCodeNegation, p);
    return kCodeNegation;
}

bool NeStandsAlone(i32 q, i32 verb) {
    static const char* const kBeforeQue[] = {"avant", "depuis", "voici"};
    if (WordIs(q - 1, "que")) {
        for (const char* w : kBeforeQue) {
            if (WordIs(q - 2, w)) return true;
        }
        if (WordIs(q - 2, MR("voilà"))) return true;
    }
    if (WordClass(verb) == 194 && (WordIs(verb + 1, "garde") || WordIs(verb + 1, "cure"))) return true;
    // A condition takes "ne" alone in written French: "si je n'étais
    // conscient", "s'il ne tenait qu'à moi", "si je ne me trompe".
    if (IsFolded(q - 2, "si") || (IsFolded(q - 1, "il") && IsFolded(q - 2, "s'"))) return true;
    if (WordBegins(q + 1, "tien") || WordBegins(q + 1, "import")) return true;
    // Written French leaves out "pas" after "pouvoir" and "savoir" too ("Il
    // ne pouvait en rester là.", "Je ne saurais vous dire."): their verb
    // readings carry the conjugation marks 43 and 41, and "puis" stands
    // apart from its model.
    constexpr u8 kSavoirMark = 41, kPouvoirMark = 43;
    if (WordIs(verb, "puis") || AnyReading(verb, [verb](i32 j) {
            const u8 m = WordMark(verb, j);
            return IsVerbClass(WordClass(verb, j)) && (m == kSavoirMark || m == kPouvoirMark);
        }))
        return true;
    // Literary French closes a negation with "goutte" and "mot" right after
    // the verb ("n'y voir goutte", "ne dire mot") and has "n'avoir de cesse".
    if (WordIs(verb + 1, "goutte") || WordIs(verb + 1, "mot") ||
        (WordIs(verb + 1, "de") && WordIs(verb + 2, "cesse")))
        return true;
    return WordBegins(verb, "boug") || WordBegins(verb, "cess") || WordBegins(verb, "os") ||
           WordBegins(verb, "daign");
}

// Classes of the auxiliaries "être" and "avoir".
bool IsAuxiliaryVerb(i32 i) {
    return AnyReading(i, [i](i32 j) { return WordClass(i, j) == 131 || WordClass(i, j) == 194; });
}

// The verb of a "ne" that no second part completes, or -1.
i32 UncompletedNegationVerb() {
    i32 q = -1;
    for (i32 k = 0; k < gWordCount; ++k) {
        if (CompletesNegation(k)) return -1;
        if (q < 0 && (IsFolded(k, "ne") || IsFolded(k, "n'"))) q = k;
    }
    if (q < 0) return -1;
    for (i32 k = q + 1; k < gWordCount; ++k) {
        if (!HasVerbReading(k)) continue;
        if (NeStandsAlone(q, k)) return -1;
        // The participle after an auxiliary carries the verb that takes
        // "ne" alone: "Il n'a pu venir", "Elle n'avait osé le dire".
        if (IsAuxiliaryVerb(k) && HasVerbReading(k + 1) && NeStandsAlone(q, k + 1)) return -1;
        return k;
    }
    return -1;
}

RuleCode MissingSecondPart(const DispatchState& s) {
    const i32 verb = s.readingsSeen ? s.negationVerb : UncompletedNegationVerb();
    if (verb < 0 || !MayReport(kCodeNegation, verb)) return 0;
    gErrorExtent = static_cast<u16>(verb * 257);
    gErrorVariant = 'P';
    gErrorDetail = WordCategory(verb + 1) == 20 ? 2 : 1;
    Fire(kCodeNegation, verb);
    return kCodeNegation;
}

// ---- Repetition (60) ----------------------------------------------------------

bool RepetitionCandidate(i32 i) {
    const u8 k = WordCategory(i);
    if (gCheckingLanguage != 0) {
        // An adverb by its class too: a noun that a locution made adverbial
        // ("en novembre ... de novembre") is no repeated adverb.
        return (k >= 10 && k <= 14 && WordClass(i) != 131 && WordClass(i) != 194 && WordMark(i) == 'J') ||
               (k == 18 && WordClass(i) < 0x40 && WordLength(i) > 6);
    }
    // As the French leaves out être and avoir, the English leaves out the
    // modals and auxiliaries of rows 28 to 40 (can, may, will, shall, do,
    // be, have): repeating them is no matter of style.
    const u8 m = WordMark(i) & 0x7F;
    const bool auxiliary = (m >= 28 && m <= 34) || (m >= 36 && m <= 38);
    return (WordClass(i) >= 128 && m >= 28 && m <= 40 && !auxiliary) || (k == 18 && WordLength(i) > 6);
}

// Word k opens its clause: first, or after a sign, a comma or a
// coordinating conjunction.
bool OpensClause(i32 k) {
    const u8 c = WordCategory(k - 1);
    return k == 0 || c == 16 || c == 20 || c == 21;
}

// The repetition is a deliberate parallel (anaphora): a verb repeated
// after the same word ("il faisait bon, il faisait tiède", "c'est fait…
// c'est fait"), or a word that opens a clause again after opening one or
// after a coordinating conjunction ("pourquoi … et pourquoi", "comment …,
// comment").
bool Parallel(i32 i, i32 j) {
    if (i > 0 && HasVerbReading(j) && SameWordButFirstCase(i - 1, j - 1)) return true;
    return OpensClause(j) && (OpensClause(i) || WordCategory(j - 1) == 16);
}

bool Repeats(i32 i, i32 j) {
    if (WordClass(i) != WordClass(j) || WordMark(i) != WordMark(j)) return false;
    return FindSubstring(gWords[i].WordText, gWords[j].WordText) == 1 ||
           FindSubstring(gWords[j].WordText, gWords[i].WordText) == 1;
}

RuleCode Repetition() {
    const bool english = gCheckingLanguage == 0;
    for (i32 i = 0; i <= static_cast<i32>(gWordCount) - 2; ++i) {
        const u8 first = WordFirstByte(i);
        if (first < 'a' || first > 'z' || !RepetitionCandidate(i)) continue;
        i32 found = 0;
        for (i32 j = i + 2; j < gWordCount; ++j) {
            if (j == i + 2 && WordCategory(i + 1) == 15) continue;
            if (!Repeats(i, j) || (!english && Parallel(i, j))) continue;
            ++found;
            if (english && gLastRule < kCodeRepetition && found < 2) continue;
            if (!MayReport(kCodeRepetition, j)) continue;
            Fire(kCodeRepetition, j);
            return kCodeRepetition;
        }
    }
    return 0;
}

RuleCode HeldLocution52(DispatchState& s, bool& goOn) {
    goOn = false;
    const i32 p = s.heldPos - 128;
    i32 extent = p;
    if (p > 0 && WordIs(p - 1, "ce") && WordCategory(p - 1) == 4) {
        const u8 m = WordMark(p);
        const bool fits = (WordCategory(p) == 14 && (m == 144 || m == 17 || m == 18)) ||
                          (WordIs(p, "en") && WordCategory(p) == 2);
        extent = fits ? p : 0;
    }
    if (WordIs(p - 1, "bel") && WordIs(p, "canto")) extent = 0;
    if (gLastRule == kCodeWordSequence && gLastErrorPos == p) extent = 0xFFFF;
    gErrorExtent = static_cast<u16>(extent);
    Fire(kCodeNeighbours, p);
    if (extent != 0) {
        gErrorKind = 5;
        return kCodeNeighbours;
    }
    gErrorExtent = 0xFFFF;
    if (p == 0) {
        gErrorKind = 6;
        return kCodeNeighbours;
    }
    goOn = true;
    return 0;
}

RuleCode AddPenalty(const DispatchState& s, RuleCode code, u16 penalty) {
    if (s.mode == kModeScoring) AddReadingPenalty(penalty);
    return code;
}

u16 HeldPenalty(RuleCode code) {
    if (code == kCodeInfinitiveForParticiple || code == kCodeParticipleForInfinitive) return 7;
    return code == kCodeSubjectVerbAgreement ? 12 : 10;
}

}  // namespace

void CountSigns(DispatchState& s) {
    u16 parens[2] = {}, brackets[2] = {}, braces[2] = {};
    u16 singles = 0;
    s.doubleQuotes = 0;
    // Double quotes taken off the words before the sign count too: after
    // '"Yes," said Dick, "we ...' the sign after "Yes," closes a quotation.
    u16 quotesOnWords = 0;
    for (i32 i = 0; i < gWordCount; ++i) {
        if (i > 0 && (gWords[i - 1].QuoteFlags == 5 || gWords[i - 1].QuoteFlags == 6)) ++quotesOnWords;
        if (WordCategory(i) != 20) continue;
        const u8 c = WordFirstByte(i);
        switch (c) {
            case '(': ++parens[0]; break;
            case ')': if (i >= 2) ++parens[1]; break;
            case '[': ++brackets[0]; break;
            case ']': ++brackets[1]; break;
            case '{': ++braces[0]; break;
            case '}': ++braces[1]; break;
            case '"':
                ++s.doubleQuotes;
                if (gAnalysisMode == 0 && gKeepQuotedReadings == 0 && ((s.doubleQuotes + quotesOnWords) & 1) != 0)
                    NeutraliseQuotedPassage(i);
                break;
            case '\'': ++singles; break;
            default: break;
        }
    }
    for (i32 i = 0; i < gWordCount; ++i) {
        const u16 q = gWords[i].QuoteFlags;
        if (q == 5 || q == 6) ++s.doubleQuotes;
        if (q == 1) ++singles;
        if (q == 2 && !(gCheckingLanguage == 0 && WordLastByte(i) == 's')) ++singles;
    }
    // The negation test reads every reading of a word: the
    // reading trial of the clause gate keeps one per word, the first, when
    // no clause rule tells them apart ("est" a noun, "ose" a noun).
    if (gCheckingLanguage != 0) {
        s.readingsSeen = true;
        s.negationVerb = UncompletedNegationVerb();
    }
    s.signBalance = 0;
    if (ParagraphQuotesPaired()) {
        // Quotations may span sentences: the marks were paired over the
        // paragraph, and only a stray one within this sentence counts.
        if (gWordCount > 0) {
            s.signBalance = StrayQuoteBetween(gWords[0].StartOffset, gWords[gWordCount - 1].EndOffset);
        }
    } else if ((s.doubleQuotes & 1) != 0) {
        s.signBalance = '0';
    } else if ((singles & 1) != 0) {
        s.signBalance = '1';
    }
    if (s.signBalance != 0) return;
    if (parens[0] != parens[1]) s.signBalance = '2';
    else if (brackets[0] != brackets[1]) s.signBalance = '3';
    else if (braces[0] != braces[1]) s.signBalance = '4';
}

RuleCode RunFinalStage(DispatchState& s) {
    const RuleCode held = s.held;
    if (held == kCodeHomophone && s.heldFromLocution) {
        Fire(kCodeHomophone, s.heldPos - 768);
        return kCodeHomophone;
    }
    if (held >= kCodeUnknownWord && held <= kCodeParticipleForInfinitive) {
        if (held == kCodeWordSequence && gErrorVariant == 'F') gErrorExtent = static_cast<u16>(gLastErrorPos);
        gLastRule = held;
        return AddPenalty(s, held, HeldPenalty(held));
    }
    const i32 count = gWordCount;
    if (s.signBalance != 0 && (gLastRule < kCodeSignBalance || (gLastRule == kCodeSignBalance && count > gLastErrorPos))) {
        Fire(kCodeSignBalance, count);
        gErrorDetail = static_cast<u16>(s.signBalance - '0' + 1);
        return kCodeSignBalance;
    }
    if (held == kCodeVerbConstruction || held == kCodePartitive) {
        gLastRule = held;
        return AddPenalty(s, held, 4);
    }
    bool goOn = true;
    if (held == kCodeNeighbours && s.heldFromLocution) {
        const RuleCode r = HeldLocution52(s, goOn);
        if (!goOn) return r;
    } else if (held == kCodeNeighbours) {
        // The agreement stage's 52 (a form used only before a consonant
        // standing before a vowel) comes with its own report fields.
        gLastRule = kCodeNeighbours;
        return kCodeNeighbours;
    }
    if (goOn && held == kCodeMoodAfterIf) {
        gLastRule = kCodeMoodAfterIf;
        return kCodeMoodAfterIf;
    }
    if (goOn && held == kCodeMissingVerb) {
        if (s.mode == kModeScoring && count > 2) {
            AddReadingPenalty(5);
        } else if (count > gLastErrorPos && s.doubleQuotes == 0) {
            gErrorExtent = 0;
            gLastRule = kCodeMissingVerb;
            if (gAnalysisMode == 0) return kCodeMissingVerb;
        }
    }
    const bool english = gCheckingLanguage == 0;
    const bool endsWithBang = WordFirstByte(count - 1) == '!' || s.exclamationEnd;
    // A sentence cut at a comma, a semicolon or a colon goes on (a line of
    // verse, a quotation's lead): its question mark may still come (the
    // tokenizer closes such a text with a period of its own). So may that of
    // a French text without any final sign of its own (a heading, a
    // fragment, a sentence still being written) or broken off by an
    // ellipsis, which leaves its tone open.
    const u8 lastSign = gSentenceEndWord != 0 && count > 1 ? WordFirstByte(count - 2) : 0;
    const bool open = !english && (gSentenceEndWord != 0 || WordFirstByte(count - 1) == kEllipsisByte);
    const bool unfinished = lastSign == ',' || lastSign == ';' || lastSign == ':' || open;
    if (s.questionFlag != 0 && !s.questionMark && !endsWithBang && !unfinished && count > 1 && count > gLastErrorPos &&
        (english ? s.questionFlag == 0x10 : !(WordCategory(0) == 18 && s.questionFlag != 0x10)) &&
        gLastRule <= kCodeQuestionWithoutMark) {
        Fire(kCodeQuestionWithoutMark, count);
        gErrorExtent = 0xFFFF;
        return kCodeQuestionWithoutMark;
    }
    // French asks by the tone alone as well as by the order of its words:
    // "Tu pars demain ?" is a question as written, so a French "?" after a
    // clause in the order of a statement is no fault.
    if (english && s.questionFlag == 0 && s.questionMark && count > 0 && MayReport(kCodeMarkWithoutQuestion, count) &&
        EnglishQuestionMarkWithoutQuestion()) {
        Fire(kCodeMarkWithoutQuestion, count);
        gErrorExtent = 0xFFFF;
        return kCodeMarkWithoutQuestion;
    }
    if (held == kCodeUnanalysable) {
        Fire(kCodeUnanalysable, count);
        return AddPenalty(s, kCodeUnanalysable, 20);
    }
    if (!english && gLastRule <= kCodeNegation) {
        if (gLastRule < kCodeNegation) {
            if (const RuleCode r = MissingNe(s); r != 0) return r;
        }
        if (const RuleCode r = MissingSecondPart(s); r != 0) return r;
    }
    if (const RuleCode r = Repetition(); r != 0) return r;
    if (held == kCodeTooManyRelatives) {
        Fire(kCodeTooManyRelatives, count);
        return kCodeTooManyRelatives;
    }
    if (held == kCodeThirdSubordinate) {
        gLastRule = kCodeThirdSubordinate;
        return kCodeThirdSubordinate;
    }
    return 0;
}
