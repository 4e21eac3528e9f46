// Rule dispatcher.
#include "checking/dispatcher.h"

#include "checking/dispatcher_rules.h"
#include "checking/kept_tables.h"
#include "checking/syntactic_code.h"
#include "checking/word_access.h"
#include "frame/mac_roman.h"
#include "frame/mac_roman_literal.h"
#include "frame/sentence_state.h"
#include "frame/settings.h"
#include "morphology/word_analysis.h"
#include "morphology/word_lookup.h"
#include "rules/clause/clause_rules.h"
#include "rules/english/english_passes.h"
#include "rules/french/french_rules.h"
#include "rules/rule_words.h"

DispatcherHook gDispatcherTestHook = nullptr;
u32 gRefusedCascadeResults = 0;

namespace {

struct DispatcherStorage {
    StringList workStrings;  // 16 x 36
    BoundedString savedFirstWord;
    BoundedString word;
};

DispatcherStorage& Storage() {
    static DispatcherStorage s;
    if (s.workStrings.valid == 0) {
        InitByteMatrix(s.workStrings, 16, 36);
        s.savedFirstWord.Allocate(36);
        s.word.Allocate(36);
    }
    return s;
}

void SetSentenceFlags(DispatchState& s) {
    const i32 n = gWordCount;
    for (i32 i = 0; i < n; ++i) {
        if (WordFirstByte(i) == '?') s.questionMark = true;
    }
    s.exclamationEnd = n > 0 && (WordFirstByte(n - 1) == '!' ||
                                 (WordCategory(n - 1) == 20 && WordFirstByte(n - 2) == '!'));
    gSentenceMeasure = static_cast<i16>(n);
}

// Analysis mode, scoring: words not yet corrected are analysed again.
void AnalyseWordAgain(DispatcherStorage& st, i32 i) {
    WordRecord& w = gWords[i];
    gCaseMode = w.WordCaseMode;
    u16 count = 0;
    CopyString(st.word, w.WordText);
    AnalyseWordForms(gCheckingLanguage == 0 ? 0 : 800, st.word, count, st.workStrings);
    if (count > kReadingSlots) count = kReadingSlots;
    w.ReadingCount = count;
    if (count == 0) {
        if (w.WordCaseMode == 0) {
            w.ReadingCount = 1;
            w.ReadingClasses[0] = 0;
            w.ReadingFeatures[0] = 0;
        }
        return;
    }
    for (u16 j = 0; j < count; ++j) {
        w.ReadingClasses[j] = static_cast<u8>(gWordTagCodes[j] >> 8);
        w.ReadingFeatures[j] = static_cast<u8>(gWordTagCodes[j] & 0xFF);
        w.ReadingMarks[j] = gWordAnalysisBytes[j];
        w.ReadingLemmaRefs[j] = gWordLemmaRefs[j];
    }
}

}  // namespace

u8 RemapEnglishClass(u8 c) {
    switch (c) {
        case '8': return 'B';
        case '9': return 'A';
        case ':': return 20;
        case ';': return 128;
        case '7': return 'C';
        default: return c;
    }
}

namespace {

void ScoreVerbForm(i32 i) {
    const u8 c = WordClass(i);
    const u8 f = WordFeature(i);
    if (c < 128 || f <= 5) return;
    if (f < 51 && f % 3 != 0) AddReadingPenalty(1);
    if (f == 53 || f == 54 || f == 57 || f == 58 || f == 60 || f == 61 || f == 63) AddReadingPenalty(1);
    if (f >= 24 && f <= 29) AddReadingPenalty(2);
    if (f >= 36 && f <= 41) AddReadingPenalty(4);
}

// Categories of every reading of word i; true when a reading raises rule 53.
bool DeriveCategories(DispatchState& s, i32 i) {
    WordRecord& w = gWords[i];
    bool modalParticiple = false;
    for (i32 j = 0; j < w.ReadingCount && j < static_cast<i32>(kReadingSlots); ++j) {
        const u8 k = w.ReadingCategories[j];
        if (k != 20 && k != 21) {
            w.ReadingCategories[j] = DeriveSyntacticCode(static_cast<i16>(i), static_cast<i16>(j));
            if (w.ReadingCategories[j] == 53) modalParticiple = true;
            continue;
        }
        if (w.ReadingClasses[0] != 20) --gSentenceMeasure;
        if (WordFirstByte(i) == '/' && WordIs(i - 1, "et") && WordIs(i + 1, "ou")) w.ReadingCategories[j] = 16;
    }
    (void)s;
    return modalParticiple && MayReport(kCodeMoodAfterIf, i);
}

// An inverted reading of the sentence's first word (after dashes and
// quotes) that may also be an imperative or a subjunctive is none
// ("Mettez-vous sur le banc.").
bool FirstWordMayCommand(i32 i) {
    for (i32 k = 0; k < i; ++k) {
        if (WordCategory(k) < 20) return false;
    }
    return AnyReading(i, [i](i32 j) {
        const u8 f = WordFeature(i, j);
        return IsVerbClass(WordClass(i, j)) && f <= 64 && ((f >= 30 && f <= 35) || f >= 48);
    });
}

// The words `from` to `to` are `words`, and open their clause: nothing, a
// sign or a conjunction stands before them, or they are a conjunction.
bool OpensWith(i32 from, i32 to, const char* const* words, bool conjunction) {
    const u8 before = from > 0 ? WordCategory(from - 1) : 20;
    if (from < 0 || (before <= 15 && !conjunction) || before == 18 || before == 19) return false;
    i32 k = from;
    for (; *words != nullptr; ++words, ++k)
        if (k > to || !rules::Is(k, *words)) return false;
    return k == to + 1;
}

// An inverted verb after an adverb that opens its clause and calls for
// the inversion states, it does not ask: "Peut-être viendra-t-il", "Ainsi
// parlait-il", "À peine était-il sorti", "quand bien même devrait-il".
bool AfterInvertingAdverb(i32 i) {
    static const char* const kAdverbs[][4] = {
        {MR("peut-être"), nullptr}, {"ainsi", nullptr},          {"aussi", nullptr},
        {"encore", nullptr},        {"sans", "doute", nullptr},  {MR("à"), "peine", nullptr},
        {"du", "moins", nullptr},   {"au", "moins", nullptr},    {"en", "vain", nullptr},
        {"tout", "au", "plus", nullptr}, {"quand", "bien", MR("même"), nullptr}};
    i32 k = i - 1;
    while (k >= 0 && (WordCategory(k) == 2 || WordIs(k, "ne") || WordIs(k, "n'"))) --k;
    for (const auto& words : kAdverbs) {
        i32 n = 0;
        while (words[n] != nullptr) ++n;
        if (OpensWith(k - n + 1, k, words, words[0][0] == 'q')) return true;
    }
    return false;
}

void CountFrenchQuestionVerbs(DispatchState& s, i32 i) {
    WordRecord& w = gWords[i];
    if (FirstWordMayCommand(i)) return;
    for (i32 j = 0; j < w.ReadingCount && j < static_cast<i32>(kReadingSlots); ++j) {
        const u8 c = w.ReadingClasses[j];
        const u8 f = w.ReadingFeatures[j];
        if (c < 128 || c % 8 <= 3 || f <= 5) continue;
        if (WordCategory(i + 1) > 19 && WordFirstByte(i + 1) != '?') continue;
        if (WordCategory(i - 1) > 19) continue;
        // "ne fût-ce que", "n'était-ce que": a set phrase, not a question.
        if ((WordIs(i - 1, "ne") || WordIs(i - 1, "n'")) && WordIs(i + 1, "que")) continue;
        if (WordCategory(i - 2) > 19 && (WordCategory(i - 1) == 2 || WordCategory(i - 1) == 3)) continue;
        if (i == 0 && f <= 64 && ((f >= 30 && f <= 35) || f >= 49)) continue;
        // An inverted subjunctive concedes or wishes, it does not ask:
        // "dût-il", "m'en coûtât-il", "puisse-t-il" (an inverted form
        // carries its conjugation slot plus 64).
        const u8 slot = f > 64 ? static_cast<u8>(f - 64) : f;
        if (slot >= 30 && slot <= 41) continue;
        if (AfterInvertingAdverb(i)) continue;
        ++s.questionFlag;
    }
}

bool HasLowFourBitsEight(i32 i) { return (WordFeature(i) & 0x0F) == 8; }

void AdjustFrenchReadings(DispatchState& s, i32 i) {
    CountFrenchQuestionVerbs(s, i);
    WordRecord& w = gWords[i];
    const i32 n = gWordCount;
    if (w.ReadingCount == 1 && w.ReadingClasses[0] == 'S' && w.ReadingFeatures[0] == 12 && i < n - 1) {
        const u8 pk = WordCategory(i - 1);
        if (pk >= 7 && pk <= 9 && HasLowFourBitsEight(i - 1)) w.ReadingFeatures[0] = 8;
        else if (WordCategory(i + 1) == 10 && HasLowFourBitsEight(i + 1)) w.ReadingFeatures[0] = 8;
        else w.ReadingFeatures[0] = 0;
    }
    if (w.ReadingCount == 1 && (w.ReadingClasses[0] == 'R' || w.ReadingClasses[0] == 'S')) {
        const u8 next = WordFirstByte(1);
        const u8 prev = WordFirstByte(i - 1);
        if ((i == 0 && (next == ')' || next == '-' || next == '.' || next == '/' || next == ':')) ||
            (i > 0 && prev >= 44 && prev <= 47)) {
            w.ReadingFeatures[0] = 0;
        }
    }
    // "vingt et un", "mille et une": only a number word in letters makes
    // one numeral with the "un" or "une" after "et" ("un chat et une
    // poupée" keeps its article).
    const bool numberWord = AnyReading(i, [i](i32 j) { return WordClass(i, j) == 'R' || WordClass(i, j) == 'S'; });
    if (WordFirstByte(i) > 64 && numberWord && WordIs(i + 1, "et") && WordExists(i + 2)) {
        const u8 c = WordClass(i + 2);
        if (c == 'S' || c == 'h' || c == 'i') {
            WordRecord& num = gWords[i + 2];
            num.ReadingCategories[0] = 8;
            num.ReadingClasses[0] = 'S';
            num.ReadingFeatures[0] = c == 'h' ? 24 : c == 'i' ? 40 : 8;
            num.ReadingCount = 1;
            WordRecord& et = gWords[i + 1];
            et.ReadingCategories[0] = 16;
            et.ReadingClasses[0] = 16;
            et.ReadingFeatures[0] = 0;
        }
    }
}

// Word preparation; a code when a rule of the preparation fires, or
// kGoFinal when rule 53 is held.
constexpr RuleCode kGoFinal = 0xFFFF;

// The readings of every word made ready for the rules (English classes
// remapped, categories derived, French readings adjusted); true when rule
// 53 is held on the way (the rules that follow are not run).
bool PrepareReadings(DispatchState& s, DispatcherStorage& st) {
    const bool english = gCheckingLanguage == 0;
    for (i32 i = 0; i < gWordCount; ++i) {
        WordRecord& w = gWords[i];
        if (gAnalysisMode == 1 && s.mode == kModeScoring && w.CorrectionMark == 0) AnalyseWordAgain(st, i);
        if (english) {
            for (i32 j = 0; j < w.ReadingCount && j < static_cast<i32>(kReadingSlots); ++j) {
                w.ReadingClasses[j] = RemapEnglishClass(w.ReadingClasses[j]);
            }
        }
        if (s.mode == kModeScoring) ScoreVerbForm(i);
        if (DeriveCategories(s, i)) {
            Fire(kCodeMoodAfterIf, i);
            gErrorExtent = static_cast<u16>(i);
            gErrorDetail = 9;
            s.held = kCodeMoodAfterIf;
            s.heldPos = i;
            return true;
        }
        if (!english) AdjustFrenchReadings(s, i);
    }
    return false;
}

RuleCode PrepareWords(DispatchState& s, DispatcherStorage& st) {
    if (PrepareReadings(s, st)) return kGoFinal;
    if (const RuleCode r = RuleUnknownWord(s); r != 0) return r;
    if (const RuleCode r = RuleRepeatedWord(s); r != 0) return r;
    CountSigns(s);
    return 0;
}

// Saves word 0's text and lowers its first letter when it alone is a
// capital; the caller puts the saved text back.
void LowerFirstCapital(DispatcherStorage& st) {
    CopyString(st.savedFirstWord, gWords[0].WordText);
    u8& first = gWords[0].WordText.data[0];
    const u16 caseMode = gWords[0].WordCaseMode;
    if (caseMode == 1 || caseMode == 2) first = ToLowerMacRoman(first);  // accented capitals too
}

// The prepositions that also stand without their complement: before a
// stop, a comma, a closing bracket or the end of the sentence they are
// adverbs ("peu après.", "Depuis, il ...", "comme il l'avait dit avant.").
const char* const kPrepositionsAlone[] = {MR("après"), "avant", "depuis", "devant", MR("derrière"), "dessous",
                                          "dessus", "dedans", "dehors", "autour", "contre", nullptr};

bool EndsClause(i32 i) {
    if (!WordExists(i)) return true;
    const u8 b = WordFirstByte(i);
    return b == '.' || b == ',' || b == ';' || b == ':' || b == '!' || b == '?' || b == ')';
}

void MarkPrepositionsAlone() {
    for (i32 i = 0; i < gWordCount; ++i) {
        WordRecord& w = gWords[i];
        const u8 c = w.ReadingClasses[0];
        if (c < 0x20 || c > 0x23 || !EndsClause(i + 1)) continue;
        bool listed = false;
        for (const char* const* p = kPrepositionsAlone; *p != nullptr && !listed; ++p) {
            listed = WordIs(i, *p);
        }
        if (!listed) continue;
        w.ReadingCategories[0] = 18;
        w.ReadingClasses[0] = 20;
        w.ReadingFeatures[0] = 0;
        w.ReadingCount = 1;
    }
}

// A word that no noun, adjective or numeral follows: its own group ends
// there.
// (an adverb may lead on to an adjective: "les autres plus grands").
bool NoNominalAfter(i32 i) {
    if (!WordExists(i)) return true;
    const u8 c = WordClass(i);
    if (c >= 0x14 && c <= 0x1B) return false;
    return c < 0x40 || c >= 128 || (c >= 'F' && c <= 'L') || (c >= 'T' && c <= 'b') || c == '|';
}

const char* const kPronounDeterminers[] = {"tout", "tous", "toutes", "aucun", "aucune", "plusieurs", "certains",
                                           "certaines", nullptr};

// A past participle reading (verb slots 2 to 5): "plusieurs invités", "une
// occasion toute trouvée" read a noun or an adjective there as well.
bool ParticipleReading(i32 i) { return WordClass(i) >= 128 && (gWords[i].ReadingFeatures[0] & 0x3F) >= 2 &&
                                       (gWords[i].ReadingFeatures[0] & 0x3F) <= 5; }

bool IsPronounDeterminer(i32 i) {
    const u8 c = WordClass(i);
    if (c != 'P' && c != 'Q') return false;
    // "tout" before a verb may open "tout à fait" written "tout a fait".
    if (WordIs(i, "tout") && WordClass(i + 1) >= 128) return false;
    if (WordExists(i + 1) && ParticipleReading(i + 1)) return false;
    for (const char* const* p = kPronounDeterminers; *p != nullptr; ++p)
        if (WordIs(i, *p)) return true;
    return false;
}

// A word of letters that the dictionary does not know (class 0): a noun
// as likely as anything.
bool UnknownWord(i32 i) { return WordExists(i) && WordClass(i) == 0 && WordFirstByte(i) >= 'A'; }

bool IsOneOfWords(i32 i, const char* a, const char* b, const char* c, const char* d) {
    return WordIs(i, a) || WordIs(i, b) || WordIs(i, c) || WordIs(i, d);
}

// "l'un", "les uns", "un des", "une de", and "l'autre", "les autres",
// "d'autres" standing alone are indefinite pronouns, not an article or a
// noun; so are "tous", "tout", "aucun", "plusieurs", "certains" that no
// noun follows.
void MarkIndefinitePronouns() {
    for (i32 i = 0; i < gWordCount; ++i) {
        WordRecord& w = gWords[i];
        // ("tous ceux qui": the demonstrative follows its predeterminer)
        if (IsPronounDeterminer(i) && NoNominalAfter(i + 1) && !(WordClass(i + 1) >= 'F' && WordClass(i + 1) <= 'I')) {
            // "tous ont voté", "tout ce qui", "plusieurs sont partis"
            w.ReadingCategories[0] = 6;
            w.ReadingClasses[0] = 'K';
            w.ReadingCount = 1;
            continue;
        }
        const bool un = IsOneOfWords(i, "un", "une", "uns", "unes");
        const bool autre = WordIs(i, "autre") || WordIs(i, "autres");
        if (!un && !autre) continue;
        const bool afterArticle = IsOneOfWords(i - 1, "l'", "les", "d'", "des") || WordIs(i - 1, "aux");
        // "quatre autres suivirent", "certains autres sont": after a number
        // or a plural indefinite, before a word that is only a verb.
        const bool afterCount = autre && i > 0 && (WordClass(i - 1) == 'R' || WordClass(i - 1) == 'S' ||
                                                   IsOneOfWords(i - 1, "certains", "certaines", "plusieurs", "quelques"));
        const bool verbOnlyAfter = WordExists(i + 1) && WordClass(i + 1) >= 128 && gWords[i + 1].ReadingCount == 1;
        const bool beforeDe = IsOneOfWords(i + 1, "de", "d'", "des", "du");
        bool pronoun = false;
        if (un) pronoun = (afterArticle && !WordIs(i - 1, "d'")) || beforeDe;
        else pronoun = (afterArticle || WordIs(i - 1, "un") || WordIs(i - 1, "une")) && NoNominalAfter(i + 1) &&
                       !UnknownWord(i + 1) && (WordClass(i + 1) < 128 || WordIs(i - 1, "les") || WordIs(i - 1, "l'"));
        if (afterCount && !pronoun) pronoun = NoNominalAfter(i + 1) && !UnknownWord(i + 1) &&
                                              (WordClass(i + 1) < 128 || verbOnlyAfter);
        if (!pronoun) continue;
        const bool plural = TextEndsWith(w.WordText, "s");
        const bool feminine = WordIs(i, "une") || WordIs(i, "unes");
        u8 f = static_cast<u8>(plural ? 0x08 : 0x04);
        if (un) f = static_cast<u8>(f | (feminine ? 0x20 : 0x10));
        else f = static_cast<u8>(f | (w.ReadingFeatures[0] & 0x30));
        w.ReadingCategories[0] = 6;
        w.ReadingClasses[0] = 'K';
        w.ReadingFeatures[0] = f;
        w.ReadingCount = 1;
    }
}

// "y" stands for a complement as "en" does ("j'y vais", "il y a", "y
// compris"): the object pronoun "en" reads, not the adverb of its
// lookup, unless a locution took it.
void MarkPronounY() {
    for (i32 i = 0; i < gWordCount; ++i) {
        WordRecord& w = gWords[i];
        if (!WordIs(i, "y") || w.WordCaseMode != 0 || w.ReadingClasses[0] != 0x14) continue;
        w.ReadingClasses[0] = '|';
        w.ReadingFeatures[0] = 0;
        w.ReadingCount = 1;
    }
}

void RunLanguagePasses(DispatchState& s, DispatcherStorage& st) {
    if (gCheckingLanguage == 0) {
        s.locution = RunEnglishPasses(s.questionFlag);
        return;
    }
    if (gWordCount == 0) return;
    // The French rules know word 0 by its lowered text ("Beaucoup des" is
    // "beaucoup des" to the rule of "des"); its capital comes back after them.
    LowerFirstCapital(st);
    const u16 r = ApplyFrenchSentenceInitialRules(gWords[0].WordText);
    // A question word opens a question only where it opens the sentence
    // with its capital; written in lower case it continues a text ("qui
    // n'ont que le désir de vivre", "où vivent la plupart") as a relative or
    // an indirect question.
    const bool opens = gWords[0].WordCaseMode != 0;
    if ((r == 1 || r == 3) && opens) s.questionFlag = static_cast<u8>(s.questionFlag + 0x10);
    if (r == 2 || r == 3) s.negation = 1;
    if (r == 257) s.sentenceKind = 2;
    if (r == 256) s.sentenceKind = 4;
    if (r == 129) s.sentenceKind = 1;
    if (r == 768) s.sentenceKind = 3;
    if (r != 768) {
        if (MarkFrenchLocutions(0) == 2) ++s.negation;
        s.locution = MarkFrenchLocutions(1);
        MarkPrepositionsAlone();
        MarkIndefinitePronouns();
        MarkPronounY();
    } else {
        // A fixed error of the opening ("S'est ...", "Sur mon avis"): it
        // stands as the locution report, rule 32 'F' at word 0.
        s.locution = 768;
    }
    MarkFrenchNameWords();
    CopyString(gWords[0].WordText, st.savedFirstWord);
}

void AdjustVerbCategories() {
    for (i32 i = 1; i < gWordCount; ++i) {
        WordRecord& w = gWords[i];
        if (w.ReadingClasses[0] < 128 || w.ReadingCategories[0] != 10) continue;
        if (w.ReadingFeatures[0] < 2 || w.ReadingFeatures[0] > 5) continue;
        i32 k = i - 1;
        while (k >= 0 && (WordCategory(k) == 18 || WordCategory(k) == 11 || WordCategory(k) == 16)) --k;
        if (k >= 0 && (WordClass(k) == 131 || WordClass(k) == 194)) w.ReadingCategories[0] = 11;
    }
}

// Word rules 37, 39, 8 and the locution decoding, with word 0's first
// letter lowered when it alone is a capital; the letter is put back on every path.
RuleCode RunWordRules(DispatchState& s, DispatcherStorage& st) {
    if (gCheckingLanguage != 0 && s.mode != kModeScoring) {
        if (const RuleCode r = RuleLigature(s); r != 0) return r;
    }
    if (gWordCount == 0) return DecodeLocutionResult(s);
    LowerFirstCapital(st);
    RuleCode r = RuleMissingHyphen(s);
    if (r == 0) r = RuleRegister(s);
    if (r == 0) r = DecodeLocutionResult(s);
    CopyString(gWords[0].WordText, st.savedFirstWord);
    return r;
}

bool IsPhrasalCandidate(u8 c) {
    return c != 23 && c != 25 && c != '*' && c != '+' && c != ',' && c != '-' && c != '.' && c != '/';
}

void JoinParticle(i32 verb, i32 particle) {
    WordRecord& w = gWords[verb];
    AppendCString(w.WordText, "_");
    AppendString(w.WordText, gWords[particle].WordText);
    for (i32 k = particle + 1; k < gWordCount; ++k) CopyWordRecord(gWords[k - 1], gWords[k]);
    --gWordCount;
    ClearWordRecord(gWords[gWordCount]);
}

void JoinPhrasalVerbs() {
    for (i32 i = 0; i < gWordCount; ++i) {
        const u8 c = WordClass(i);
        if (!IsPhrasalCandidate(c) || c < 128) continue;
        if (WordClass(i + 1) == 31) JoinParticle(i, i + 1);
        else if (WordCategory(i + 1) == 2 && WordClass(i + 2) == 31) JoinParticle(i, i + 2);
    }
}

RuleCode RunCascade(u16& pos) {
    pos = 0;
    return gAnalysisMode != 0 ? AnalyseClauseRules(pos) : CheckFrenchClauseRules(pos);
}

// A cascade run whose tables do not stay: in analysis mode the cascade
// moves records, and the trial gives a reading back by the word's index.
RuleCode RunCascadeOnKeptTables(u16& pos) {
    const bool kept = gAnalysisMode != 0 && SaveSentenceTables();
    const RuleCode r = RunCascade(pos);
    if (kept) RestoreSentenceTables();
    return r;
}

// The run after a word's trial, with gClauseMark 0 on the readings kept
// (its result unused). In analysis mode only the run that ends the trial
// keeps its tables, so the next listed word is still at its index and the
// sentence ends up normalised once.
void RunAfterTrial(bool endsTrial) {
    gClauseMark = 0;
    u16 pos = 0;
    if (endsTrial) RunCascade(pos);
    else RunCascadeOnKeptTables(pos);
}

u8 Saturated(u32 v) { return v > 255 ? 255 : static_cast<u8>(v); }

struct SavedReading {
    u8 cls, features, category, mark;
    u32 lemma;
    u16 count;
};

SavedReading SaveReadingZero(const WordRecord& w) {
    return {w.ReadingClasses[0], w.ReadingFeatures[0], w.ReadingCategories[0], w.ReadingMarks[0],
            w.ReadingLemmaRefs[0], w.ReadingCount};
}

void RestoreReadingZero(WordRecord& w, const SavedReading& r) {
    w.ReadingClasses[0] = r.cls;
    w.ReadingFeatures[0] = r.features;
    w.ReadingCategories[0] = r.category;
    w.ReadingMarks[0] = r.mark;
    w.ReadingLemmaRefs[0] = r.lemma;
    w.ReadingCount = r.count;
}

// Keeps reading j as the word's only reading.
void KeepOnlyReading(WordRecord& w, i32 j) {
    w.ReadingClasses[0] = w.ReadingClasses[j];
    w.ReadingFeatures[0] = w.ReadingFeatures[j];
    w.ReadingCategories[0] = w.ReadingCategories[j];
    w.ReadingMarks[0] = w.ReadingMarks[j];
    w.ReadingLemmaRefs[0] = w.ReadingLemmaRefs[j];
    w.ReadingCount = 1;
}

void LowerCategories(WordRecord& w) {
    for (i32 j = 0; j < w.ReadingCount && j < static_cast<i32>(kReadingSlots); ++j) {
        if (w.ReadingCategories[j] > 64) w.ReadingCategories[j] = static_cast<u8>(w.ReadingCategories[j] - 64);
    }
}

// Score and verdict of a reading from the cascade's result.
void JudgeReading(DispatchState& s, i32 j, RuleCode& r, bool& erred) {
    const i32 slot = j > 3 ? 3 : j;
    const bool analysis = gAnalysisMode != 0;
    erred = false;
    switch (r) {
        case kCodeSubjectVerbAgreement: s.scores[slot] = 12; erred = true; break;
        case kCodeQualifierAgreement:
        case kCodeClauseAgreement:
        case kCodeParticipleAgreement: s.scores[slot] = 10; erred = true; break;
        case kCodeAttributeAgreement:
        case kCodeInfinitiveForParticiple:
        case kCodeParticipleForInfinitive: s.scores[slot] = 7; erred = true; break;
        case kCodeVerbConstruction: s.scores[slot] = 4; erred = true; break;
        case kCodePartitive: s.scores[slot] = 4; break;
        case kCodeMissingVerb:
            s.scores[slot] = 5;
            erred = analysis || gCheckingLanguage == 0;
            break;
        case kCodeNone:
            if (gReadingPenalty > 0) {
                s.scores[slot] = Saturated(gReadingPenalty);
                r = kCodeReadingGate;
                erred = analysis;
            }
            break;
        default: erred = r < kCodeSignBalance; break;
    }
}

// Tries each reading of word i through the cascade; true when every
// reading erred (the finding is then held). `last`: no listed word follows.
bool TryReadings(DispatchState& s, i32 i, bool last) {
    WordRecord& w = gWords[i];
    LowerCategories(w);
    const i32 n = w.ReadingCount > kReadingSlots ? kReadingSlots : w.ReadingCount;
    for (u8& v : s.scores) v = 0;
    for (u8& v : s.passFlags) v = 0;
    u32 errors = 0;
    RuleCode kept = 0;
    i32 keptPos = 0;
    bool oneWord = true;  // every erred reading erred at the same word
    const SavedReading saved = SaveReadingZero(w);
    for (i32 j = 0; j < n; ++j) {
        gReadingPenalty = 0;
        KeepOnlyReading(w, j);
        gClauseMark = 1;
        u16 pos = 0;
        RuleCode r = RunCascadeOnKeptTables(pos);
        bool erred = false;
        JudgeReading(s, j, r, erred);
        if (!erred) {
            s.passFlags[j > 8 ? 8 : j] = 1;
        } else if (errors++ == 0) {
            kept = r;
            keptPos = pos;
        } else {
            if (pos != keptPos) oneWord = false;
            if (r > gLastRule || (r == gLastRule && pos > keptPos)) keptPos = pos;
            if (r != kept) {
                kept = r == kCodeMissingVerb ? kCodeMissingVerb : kCodeUnanalysable;
                gErrorKind = 0;
            }
        }
        RestoreReadingZero(w, saved);
    }
    gClauseMark = 0;
    if (errors == 0) {
        w.ReadingCount = 1;
        if (gAnalysisMode != 0) RunAfterTrial(last);
        return false;
    }
    if (errors < static_cast<u32>(n)) {
        for (i32 j = 0; j < n; ++j) {
            if (s.passFlags[j > 8 ? 8 : j] != 0) {
                KeepOnlyReading(w, j);
                break;
            }
        }
        gErrorKind = 0;
        RunAfterTrial(last || gAnalysisMode == 0);
        return false;
    }
    i32 best = 0;
    for (i32 j = 1; j < n; ++j) {
        if (s.scores[j > 3 ? 3 : j] < s.scores[best > 3 ? 3 : best]) best = j;
    }
    KeepOnlyReading(w, best);
    // Readings that err in different ways at the same word: the fault is
    // there whatever the reading; the word keeps its best reading, and that
    // reading's own finding is the one held, with the report fields its run
    // leaves ("Nos chevaux blancs oubliées": a group agreement whether "Nos"
    // is read as the determiner or not).
    if (kept == kCodeUnanalysable && oneWord && gAnalysisMode == 0) {
        gReadingPenalty = 0;
        gClauseMark = 1;
        u16 pos = 0;
        const RuleCode r = RunCascade(pos);
        gClauseMark = 0;
        if (r != 0 && r < kCodeSignBalance) {
            kept = r;
            keptPos = pos;
        }
    }
    gLastRule = kept;
    gLastErrorPos = static_cast<i16>(keptPos);
    s.held = kept;
    s.heldPos = keptPos;
    RunAfterTrial(true);
    return true;
}

void RunClauseGate(DispatchState& s) {
    u32 listed = 0;
    for (i32 i = 0; i < gWordCount && listed < 128; ++i) {
        LowerCategories(gWords[i]);
        if (gWords[i].ReadingCount > 1) s.ambiguous[listed++] = static_cast<u8>(i + 1);
    }
    s.ambiguous[listed] = 0;
    if (listed == 0) {
        if (gLastRule == kCodeReadingGate) return;
        u16 pos = 0;
        RuleCode r = RunCascade(pos);
        if (r == kCodeMissingVerb && s.signBalance != 0 && gLastRule < kCodeSignBalance) r = 0;
        if (r != 0 && (r > gLastRule || (r == gLastRule && pos > gLastErrorPos))) {
            s.held = r;
            s.heldPos = pos;
            Fire(r, pos);
        } else if (r != 0 && r != kCodeMissingVerb) {
            ++gRefusedCascadeResults;
        }
        return;
    }
    for (u32 k = 0; k < listed; ++k) {
        if (TryReadings(s, s.ambiguous[k] - 1, k + 1 == listed)) return;
    }
}

}  // namespace

RuleCode FindNextUnknownWord(u16 mode) {
    DispatcherStorage& st = Storage();
    DispatchState s;
    s.mode = mode;
    gClauseMark = 0;
    SetSentenceFlags(s);
    // Rule 53 held here is a finding above 1: no unknown word follows it.
    if (PrepareReadings(s, st)) return 0;
    return RuleUnknownWord(s);
}

RuleCode AnalyseAndCheckSentence(u16 mode) {
    if (gDispatcherTestHook != nullptr) return gDispatcherTestHook(mode);
    DispatcherStorage& st = Storage();
    DispatchState s;
    s.mode = mode;
    gClauseMark = 0;
    if (mode != kModeRecheck) {
        SetSentenceFlags(s);
        const RuleCode r = PrepareWords(s, st);
        if (r == kGoFinal) return RunFinalStage(s);
        if (r != 0) return r;
    }
    RunLanguagePasses(s, st);
    // A French word that does not fit the form before it ("je ai", "me
    // aime"), as the sentence's word analysis found it: the mode 128 + its
    // index stands as the locution report of rule 52 when the passes gave
    // none, or a word-sequence report on the same two words ("Ce est":
    // "C'est", not "Se est"), or an English "a"/"an" before a word of the
    // other sound.
    if (mode >= 128 && mode <= 255) {
        const i32 v = s.locution;
        const i32 d = v >= 512 ? v - 512 : v - 256;
        const i32 p = mode - 128;
        if (v == 0 || (v >= 256 && v <= 767 && (d == p || d == p - 1))) s.locution = mode;
    }
    AdjustVerbCategories();
    if (const RuleCode r = RunWordRules(s, st); r != 0) return r;
    const bool skipCascade = s.held == kCodeNeighbours || (s.held == kCodeHomophone && gErrorVariant == 'F');
    if (!skipCascade) {
        if (gAnalysisMode == 1 && gCheckingLanguage == 0) JoinPhrasalVerbs();
        RunClauseGate(s);
    }
    return RunFinalStage(s);
}
