// Analysis-mode rule loop: the sentence is prepared (compounds, slot
// indexes, insertions; analysis_insertions.cpp) and every finding of the
// dispatcher is corrected in the word table. The table never grows past
// 127 words (its last record stays free), a span outside the sentence is
// never corrected, every attempt is remembered and the dispatcher calls
// are bounded, so the loop always ends.
#include "checking/analysis_loop.h"

#include "checking/analysis_insertions.h"
#include "checking/correction.h"
#include "checking/correction_forms.h"
#include "checking/dispatcher.h"
#include "checking/kept_tables.h"
#include "checking/suggestions.h"
#include "frame/records.h"
#include "frame/sentence_state.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "morphology/word_analysis.h"
#include "morphology/word_lookup.h"
#include "rules/clause/rewrite.h"
#include "rules/rule_words.h"

namespace {

using rules::Cat;
using rules::Cls;
using rules::Feat;
using rules::Is;
using rules::W;

constexpr i32 kMaxLoopWords = 127;
constexpr u32 kMaxLoopCalls = 512;
constexpr u32 kMaxAttempts = 64;
constexpr u32 kMaxRestarts = 8;

struct LoopStorage {
    StringList attempts;             // span texts of the attempted corrections
    RuleCode attemptCode[kMaxAttempts] = {};
    i32 attemptFirst[kMaxAttempts] = {};
    i32 attemptEnd[kMaxAttempts] = {};
    BoundedString first, second, word;
    StringList slots;
    LoopStorage() {
        attempts.Allocate(kMaxAttempts);
        for (u32 k = 0; k < kMaxAttempts; ++k) attempts[static_cast<i32>(k)].Allocate(500);
        first.Allocate(kCorrectionCapacity);
        second.Allocate(kCorrectionCapacity);
        word.Allocate(36);
        slots.Allocate(16);
        for (u32 k = 0; k < 16; ++k) slots[static_cast<i32>(k)].Allocate(36);
    }
};

LoopStorage& Storage() {
    static LoopStorage s;
    return s;
}

i32 Count() { return static_cast<i32>(gWordCount); }

// ---- Corrections ------------------------------------------------------------

// Words [first, end) of the finding, or false when it names none inside
// the sentence.
bool CorrectionSpan(RuleCode code, i32 pos, i32& first, i32& end) {
    const bool english = gCheckingLanguage == 0;
    const u8 v = gErrorVariant;
    first = pos;
    end = pos + 1;
    if (code == 16 || code == 52 || code == 40) {
        first = pos - 1;
        end = pos + 1;
        if (english && code == 40 && (v == 'S' || v == 'L')) end = pos;
        if (english && code == 40 && (v == 'K' || v == 'i')) first = pos;
    } else if ((code == 41 || code == 42 || code == 45) && !(english && v == 'J')) {
        ClauseSpan(pos, first, end);
    } else if (code == 39 && v != 'A') {
        first = gErrorExtent;
        end = gErrorExtent + 2;
    }
    return first >= 0 && first < end && end <= Count();
}

bool Attempted(RuleCode code, i32 first, i32 end, u32& count) {
    LoopStorage& st = Storage();
    for (u32 k = 0; k < count; ++k) {
        if (st.attemptCode[k] == code && st.attemptFirst[k] == first && st.attemptEnd[k] == end &&
            CompareStrings(st.attempts[static_cast<i32>(k)], gSpanText) == kCompareEqual)
            return true;
    }
    if (count >= kMaxAttempts) return true;
    st.attemptCode[count] = code;
    st.attemptFirst[count] = first;
    st.attemptEnd[count] = end;
    CopyString(st.attempts[static_cast<i32>(count)], gSpanText);
    ++count;
    return false;
}

// Word boundaries of the correction: a space ends a word and goes, an
// apostrophe ends a word and stays with it. Returns the number of words.
i32 SplitWords(const BoundedString& text, i32* starts, i32* lengths) {
    const i32 n = GetStringLength(text);
    i32 words = 0, start = 0;
    for (i32 k = 0; k <= n && words < 128; ++k) {
        const u8 c = k < n ? text[k] : ' ';
        if (c != ' ' && c != '\'') continue;
        const i32 len = c == '\'' ? k + 1 - start : k - start;
        if (len > 0) {
            starts[words] = start;
            lengths[words] = len;
            ++words;
        }
        start = k + 1;
    }
    return words;
}

bool ReanalysedClass(u8 c) {
    return c == '*' || c == '+' || c == ',' || c == '-' || c == '.' || c == 23 || c == 25 || c == 26;
}

void Reanalyse(WordRecord& w) {
    LoopStorage& st = Storage();
    for (u32 j = 0; j < kReadingSlots; ++j) {
        w.ReadingClasses[j] = w.ReadingFeatures[j] = w.ReadingCategories[j] = w.ReadingMarks[j] = 0;
        w.ReadingLemmaRefs[j] = 0;
    }
    w.ClauseNumber = 0;
    w.LinkedWord = 65535;
    w.FunctionCode = 0;
    w.GroupMark = 0;
    w.QuoteFlags = 0;
    gCaseMode = 65535;
    CopyString(st.word, w.WordText);
    u16 count = 0;
    AnalyseWordForms(gCheckingLanguage == 0 ? 0 : 800, st.word, count, st.slots);
    w.WordCaseMode = gCaseMode;
    if (count > kReadingSlots) count = kReadingSlots;
    w.ReadingCount = count == 0 ? 1 : 0;
    for (u16 j = 0; j < count; ++j) {
        const u8 cls = static_cast<u8>(gWordTagCodes[j] >> 8);
        const u8 features = static_cast<u8>(gWordTagCodes[j] & 0xFF);
        bool repeated = false;
        for (u16 k = 0; k < w.ReadingCount && !repeated; ++k)
            repeated = w.ReadingClasses[k] == cls && w.ReadingFeatures[k] == features;
        if (repeated) continue;
        const u16 r = w.ReadingCount++;
        w.ReadingClasses[r] = cls;
        w.ReadingFeatures[r] = features;
        w.ReadingMarks[r] = gWordAnalysisBytes[j];
        w.ReadingLemmaRefs[r] = gWordLemmaRefs[j];
    }
}

// Replaces words [first, end) by the correction's words; false when the
// table would not keep its free record. `changed` receives whether a
// character differs.
bool ApplyCorrection(const BoundedString& text, i32 first, i32 end, bool& changed) {
    i32 starts[128], lengths[128];
    const i32 k = SplitWords(text, starts, lengths);
    const i32 grow = k - (end - first);
    if (k == 0 || Count() + grow > kMaxLoopWords) return false;
    if (grow > 0) {
        for (i32 j = Count() - 1; j >= end; --j) CopyWordRecord(W(j + grow), W(j));
    } else if (grow < 0) {
        for (i32 j = end; j < Count(); ++j) CopyWordRecord(W(j + grow), W(j));
    }
    gWordCount = static_cast<u16>(Count() + grow);
    changed = false;
    for (i32 j = 0; j < k; ++j) {
        WordRecord& w = W(first + j);
        const bool fresh = j >= end - first;
        for (i32 c = 0; c < lengths[j]; ++c) changed |= fresh || rules::Letter(first + j, c) != text[starts[j] + c];
        changed |= !fresh && rules::TextLength(first + j) != lengths[j];
        CopyBytesToString(w.WordText, text.data + starts[j], lengths[j]);
        w.WordText[lengths[j] < static_cast<i32>(w.WordText.count) ? lengths[j] : w.WordText.count - 1] = 0;
        if (w.CorrectionMark == 0 && !ReanalysedClass(w.ReadingClasses[0])) Reanalyse(w);
    }
    return true;
}

bool AcceptedText(const BoundedString& text) {
    for (i32 k = 0; k < GetStringLength(text); ++k) {
        if (!IsSuggestionCharacter(text[k])) return false;
    }
    return true;
}

void ClearReportFields() {
    gErrorDetail = 0;
    gErrorVariant = 0;
    gErrorPerson = 0;
    gErrorNumber = 0;
    gErrorGender = 0;
}

// The sentence order the loop keeps: each word's OriginalIndex is its
// place in the sentence before the dispatcher call (the cascade moves
// records, and the record carries the number along).
void NumberSentenceOrder() {
    for (i32 k = 0; k < Count(); ++k) W(k).OriginalIndex = static_cast<u16>(k);
}

// The span [first, end) of the cascade's table as a span of the sentence
// before the call (`words` long); false when its words are not one run of
// the sentence in its order.
bool SentenceSpan(i32 first, i32 end, i32 words, i32& sentenceFirst, i32& sentenceEnd) {
    sentenceFirst = W(first).OriginalIndex;
    for (i32 x = first; x < end; ++x)
        if (W(x).OriginalIndex != sentenceFirst + (x - first) || W(x).OriginalIndex >= words) return false;
    sentenceEnd = sentenceFirst + (end - first);
    return true;
}

// What one finding asks of the sentence.
enum class Edit { kNone, kQuotedWord, kCorrection };

// Reads the finding on the table the dispatcher left: the word or span to
// edit and, for a correction, its text in the loop's first string.
Edit PlanEdit(RuleCode code, i32 pos, u16 option, u32& attempts, i32& first, i32& end) {
    LoopStorage& st = Storage();
    if (code == 1 && pos >= 0 && pos < Count() && W(pos).QuoteFlags == 16) {
        first = pos;
        end = pos + 1;
        return Edit::kQuotedWord;
    }
    if (code == 55) {
        gErrorExtent = kNoCorrection;
        return Edit::kNone;
    }
    if (!CorrectionSpan(code, pos, first, end)) return Edit::kNone;
    if (gErrorExtent >= 256 && gErrorExtent != kNoCorrection && code != 32) gErrorExtent >>= 8;
    if (gErrorExtent == kNoCorrection) return Edit::kNone;
    BuildFindingSpanText(first, end);
    if (Attempted(code, first, end, attempts)) return Edit::kNone;
    CopyCString(st.first, "");
    CopyCString(st.second, "");
    // Only a form ranking of this correction may ask for a restart.
    gBestFormHasErrors = 0;
    ComposeCorrection(st.first, st.second, code, static_cast<i16>(first), static_cast<i16>(end), option);
    if (CompareStrings(st.first, gSpanText) == kCompareEqual || GetStringLength(st.first) == 0) return Edit::kNone;
    if (!AcceptedText(st.first)) return Edit::kNone;
    return Edit::kCorrection;
}

// Makes the edit on words [first, end); true when a correction changed a
// character.
bool MakeEdit(Edit edit, i32 first, i32 end) {
    if (edit == Edit::kQuotedWord) {
        W(first).ReadingClasses[0] = 0x40;
        W(first).ReadingCategories[0] = 10;
        W(first).ReadingFeatures[0] = 0;
        return false;
    }
    bool changed = false;
    return edit == Edit::kCorrection && ApplyCorrection(Storage().first, first, end, changed) && changed;
}

// Every call of the dispatcher sees the sentence in its own order, as
// corrected so far: the cascade moves records (a fronted attribute behind
// its verb) and a second run over a moved table reads another sentence
// ("est Grande la maison" has no subject). The table is kept before each
// call and put back after it; the edit goes to the same words in the
// sentence's order. The last call's table, which found nothing more to
// correct, stays for the renderers.
void CorrectFindings(u16 option) {
    gSentenceMeasure = 0;
    gErrorExtent = kNoCorrection;
    u16 rule = 0;
    i16 pos = -1;
    u32 attempts = 0, restarts = 0;
    for (u32 calls = 0; calls < kMaxLoopCalls; ++calls) {
        ClearReportFields();
        gLastRule = rule;
        gLastErrorPos = pos;
        RemoveRewriteWords();  // the words the last call's rewriter appended
        NumberSentenceOrder();
        const i32 words = Count();
        const bool kept = SaveSentenceTables();
        const RuleCode code = AnalyseAndCheckSentence(0);
        rule = gLastRule;
        pos = gLastErrorPos;
        if (code == 0 || code >= 56 || code == 48) {
            if (kept) DropSentenceTables();
            return;
        }
        i32 first = 0, end = 0;
        Edit edit = PlanEdit(code, pos, option, attempts, first, end);
        if (kept) {
            i32 sentenceFirst = first, sentenceEnd = end;
            if (edit != Edit::kNone && !SentenceSpan(first, end, words, sentenceFirst, sentenceEnd)) edit = Edit::kNone;
            RestoreSentenceTables();
            first = sentenceFirst;
            end = sentenceEnd;
        }
        const bool changed = MakeEdit(edit, first, end);
        if (edit == Edit::kCorrection && gBestFormHasErrors > 0 && changed && restarts < kMaxRestarts) {
            ++restarts;
            rule = 0;
            pos = -1;
        }
    }
}

}  // namespace

u16 RunGrammarRulesOnSentence(u16 option) {
    if (gCheckingLanguage == 0) JoinEnglishCompounds();
    MarkSlotIndexes();
    MoveInsertions();
    CorrectFindings(option);
    return 0;
}
