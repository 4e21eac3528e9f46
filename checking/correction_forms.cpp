// Word forms for corrections.
#include "checking/correction_forms.h"

#include <cstring>

#include "checking/correction_common.h"
#include "checking/dispatcher.h"
#include "checking/kept_tables.h"
#include "checking/word_access.h"
#include "frame/bounded_string.h"
#include "frame/records.h"
#include "frame/settings.h"
#include "frame/mac_roman.h"
#include "lexicon/lex_lookup.h"
#include "morphology/correction_finishing.h"
#include "morphology/suggestion_ranking.h"
#include "morphology/token_base_form.h"
#include "morphology/word_analysis.h"
#include "morphology/word_lookup.h"
#include "morphology/word_stem.h"
#include "rules/clause/clause_rules.h"

u16 gCorrectionFormCount = 0;
u16 gBestFormHasErrors = 0;
u16 gDerivedStemCount = 0;

namespace {

constexpr u32 kMaxScoringCalls = 64 * 130;

// One candidate form with what is kept beside it while ranking.
struct FormSlot {
    u8 text[36];
    u8 base[36];
    u8 score;
    u8 derived;
    u8 cls, features, byte;
};

struct FormsStorage {
    StringList analysed;  // 24 × 36: the analysis's forms
    StringList slots;     // 24 × 36: analysis work slots
    FormEntry entry;
    FormSlot forms[kMaxCorrectionForms];
    u32 n = 0;
};

FormsStorage& Storage() {
    static FormsStorage st;
    if (st.analysed.valid == 0) {
        InitByteMatrix(st.analysed, kMaxCorrectionForms, 36);
        InitByteMatrix(st.slots, kMaxCorrectionForms, 36);
        InitFormEntry(st.entry);
    }
    return st;
}

void SetSlotText(u8* dest, const u8* src) {
    std::size_t n = 0;
    while (n < 35 && src[n] != 0) ++n;
    std::memcpy(dest, src, n);
    std::memset(dest + n, 0, 36 - n);
}
void SetSlotText(u8* dest, const BoundedString& s) {
    Work36 w;
    TextCopy(w.s, s);
    SetSlotText(dest, w.bytes);
}

u8 Saturated(u32 v) { return v > 255 ? 255 : static_cast<u8>(v); }

// Analysis mode of the re-analysis: what the previous word asks for.
u16 ContextMode(i32 word) {
    if (gCheckingLanguage == 0) return 0;
    if (word <= 0) return 800;
    const BoundedString& prev = gWords[word - 1].WordText;
    const u32 n = TextLen(prev);
    if ((n == 2 && (TextLast(prev) == 'e' || TextLast(prev) == 'a')) || TextEquals(prev, "du") ||
        TextEquals(prev, "au") || TextEquals(prev, "que"))
        return 817;
    if (EndsWithApostrophe(prev)) return 816;
    return 800;
}

// The analyses of the slots into the word's readings.
void TakeAnalyses(WordRecord& w, u16 count) {
    if (count == 0) return;
    const u16 n = count > kReadingSlots ? static_cast<u16>(kReadingSlots) : count;
    for (u16 j = 0; j < n; ++j) {
        const u16 tag = gWordTagCodes[j];
        w.ReadingClasses[j] = static_cast<u8>(tag >> 8);
        w.ReadingFeatures[j] = static_cast<u8>(tag & 0xFF);
        w.ReadingMarks[j] = gWordAnalysisBytes[j];
        w.ReadingLemmaRefs[j] = gWordLemmaRefs[j];
    }
    w.ReadingCount = n;
}

// A second guessed reading and how the base form changes with it.
struct SecondReading {
    u8 cls = 0, features = 0, byte = 0;
    bool found = false;
    u32 cut = 0;            // characters the base form loses
    const char* add = "";   // then gains
};

SecondReading Reading(u8 cls, u8 features, u8 byte, u32 cut = 0, const char* add = "") {
    SecondReading r;
    r.cls = cls;
    r.features = features;
    r.byte = byte;
    r.found = true;
    r.cut = cut;
    r.add = add;
    return r;
}

// French: a guessed noun or adjective that may be a verb form, a guessed
// verb form that may be a noun or adjective.
SecondReading FrenchSecondReading(const BoundedString& text, u8 cls, u8 features, u8 byte) {
    if (cls == 20) return Reading('A', 20, 20);
    if (cls == 'C' && features == 4) {
        if (TextEndsWith(text, "a")) return Reading(240, 26, 1, 1);
        if (TextEndsWith(text, "e")) return Reading(240, 51, 1, 1);
    }
    if (cls == 'C' && features == 36 && TextEndsWith(text, "ie")) return Reading(240, 51, 1, 1);
    if (cls == 'C' && features == 28 && TextEndsWith(text, "is")) return Reading(240, 55, 15, 2);
    if (cls == 'C' && features == 20) {
        if (TextEndsWith(text, "ai")) return Reading(240, 24, 1, 2);
        if (TextEndsWith(text, "ait")) return Reading(240, 14, 1, 3);
        if (TextEndsWith(text, "it")) return Reading(240, 60, 15, 2);
        if (TextEndsWith(text, "ir")) return Reading(240, 0, 15, 2);
        if (TextEndsWith(text, "er")) return Reading(240, 0, 1, 2);
        if (TextEndsWith(text, "ent")) return Reading(240, 54, 1, 3);
        if (TextEndsWith(text, "ant")) {
            if (FindCSubstring(text, "issant") > 0) return Reading(240, 1, 15, 6);
            return Reading(240, 1, 1, 3);
        }
    }
    if (cls < 128) return {};
    if (byte == 15) {
        switch (features) {
        case 0: return Reading('A', 20, 'R');
        case 59: return Reading('C', 20, 'E');
        case 9: case 21: case 45: case 62: return Reading('A', 8, 'N');
        case 31: return Reading('C', 24, 'E');
        default: return {};
        }
    }
    if (byte < 1 || byte > 14) return {};
    switch (features) {
    case 25: return Reading('A', 8, 'A');
    case 7: return Reading('C', 8, 'E');
    case 21: case 39: case 45: case 52: case 56: return Reading('A', 8, 'N');
    case 14: return Reading('A', 20, 'T');
    case 1: return Reading('C', 20, 'T');
    case 12: return Reading('A', 28, 19);
    case 2: return Reading('A', 36, 92);
    case 36: return Reading('C', 20, 'E');
    case 37: return Reading('C', 24, 'E');
    case 0: return Reading('C', 20, 'R');
    case 4: return Reading('C', 36, 'E');
    default: return {};
    }
}

SecondReading EnglishSecondReading(const BoundedString& text, u8 cls, u8 features, u8 byte) {
    if (cls == 20) return Reading('B', 4, 25);
    if (cls < 128) {
        const bool yByte = byte == 31 || byte == 250 || byte == 251;
        if (yByte && TextEndsWith(text, "y")) return Reading(128, 0, 17);
        if (features == 8 && (yByte || byte == 89 || byte == 95)) return Reading(128, 1, 17, 3, "y");
        if (features == 8 && byte == 252) return Reading(128, 1, 1, 2);
        if (features == 8 && byte == 253) return Reading(128, 1, 16, 1);
        if (TextEndsWith(text, "e")) return Reading(128, 0, 16);
        return Reading(128, 0, 1);
    }
    if (features == 2) {
        if (byte == 16) return Reading('B', 4, 39, 3, "e");
        return Reading('B', 4, 39, byte > 1 ? 4 : 3);
    }
    if (features == 1 && byte == 16) return Reading('A', 8, 61, 1);
    if (features == 1 && byte == 17) return Reading('A', 8, 31, 3, "y");
    return {};
}

void CutEnd(BoundedString& s, u32 n) { TextCut(s, TextLen(s) > n ? TextLen(s) - n : 0); }

}  // namespace

// Kind 2: the derived reading and a second one guessed from the class, the
// features and the ending of the word; the word's base text follows it.
void AddGuessedSecondReading(WordRecord& w) {
    const u8 cls = w.ReadingClasses[0];
    const u8 features = w.ReadingFeatures[0];
    const u8 byte = w.ReadingMarks[0];
    const bool french = gCheckingLanguage != 0;
    const SecondReading r = french ? FrenchSecondReading(w.WordText, cls, features, byte)
                                   : EnglishSecondReading(w.WordText, cls, features, byte);
    if (!r.found || kReadingSlots < 2) return;
    w.ReadingClasses[1] = r.cls;
    w.ReadingFeatures[1] = r.features;
    w.ReadingMarks[1] = r.byte;
    w.ReadingLemmaRefs[1] = w.ReadingLemmaRefs[0];
    w.ReadingCount = 2;
    if (!french) {
        CutEnd(w.BaseText, r.cut);
        AppendCString(w.BaseText, r.add);
        return;
    }
    if (r.cls >= 128) {
        // The verb's infinitive: the text less its ending, "er" or "ir".
        Work36 base;
        TextCopy(base.s, w.WordText);
        CutEnd(base.s, r.cut);
        AppendCString(base.s, r.byte == 15 ? "ir" : "er");
        TextCopy(w.BaseText, base.s);
        return;
    }
    if (TextLast(w.BaseText) == 's') {
        CutEnd(w.BaseText, 1);
        // A plural guess: the noun or adjective reading is plural too.
        if (cls < 128) w.ReadingFeatures[1] = static_cast<u8>(features + 4);
    }
    if (features == 4 && TextLast(w.BaseText) == 'e') CutEnd(w.BaseText, 1);
    if (TextLast(w.BaseText) == 0x8E && features < 6) {
        CutEnd(w.BaseText, 1);
        AppendCString(w.BaseText, "er");
    }
}

namespace {

// Readings of a guessed form: the derived reading, a second guessed one
// (kind 2), or (kind 129 and above) the analyses of the word without its
// first characters.
void GuessReadings(FormsStorage& st, i32 word, u16 kind, u8 cls, u8 features, u8 byte) {
    WordRecord& w = gWords[word];
    w.ReadingClasses[0] = cls;
    w.ReadingFeatures[0] = features;
    w.ReadingMarks[0] = byte;
    w.ReadingCount = 1;
    if (kind == 2) AddGuessedSecondReading(w);
    if (kind < 129) return;
    Work36 tail;
    const u32 cut = kind - 128u;
    if (cut >= TextLen(w.WordText)) return;
    CopyBytesToString(tail.s, w.WordText.data + cut, TextLen(w.WordText) - cut);
    u16 count = 0;
    gCaseMode = 65535;
    if (AnalyseWordForms(gCheckingLanguage == 0 ? 0 : 800, tail.s, count, st.slots) > 0) TakeAnalyses(w, count);
    if (w.ReadingCount >= 2) {
        w.ReadingClasses[0] = cls;
        w.ReadingFeatures[0] = features;
        w.ReadingMarks[0] = byte;
    }
}

// Runs the dispatcher on the sentence with the form in place; the penalty
// it leaves in gReadingPenalty.
void ScoreSentence(i32 word, const u8* form) {
    gVariantIndex = 2;
    RuleCode prevRule = gLastRule;
    i32 prevPos = gLastErrorPos;
    for (u32 calls = 0; calls < kMaxScoringCalls; ++calls) {
        const RuleCode code = AnalyseAndCheckSentence(2);
        if (gWords[word].WordCaseMode > 0 && form[0] > 96) AddReadingPenalty(2);
        if (code == kCodeNone || code >= kCodeQuestionWithoutMark || gLastErrorPos > word) break;
        const bool advanced = code > prevRule || (code == prevRule && gLastErrorPos > prevPos);
        if (!advanced) break;
        prevRule = code;
        prevPos = gLastErrorPos;
    }
    gVariantIndex = 0;
}

// True when no other word of the sentence holds a letter (only
// punctuation stands beside it).
bool StandsAlone(i32 word) {
    for (i32 k = 0; k < gWordCount; ++k) {
        if (k == word) continue;
        const BoundedString& t = gWords[k].WordText;
        for (u32 i = 0; i < t.count && t.data[i] != 0; ++i) {
            const u8 c = t.data[i];
            if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c >= 0x80) return false;
        }
    }
    return true;
}

// The word's record as the dispatcher run left it: the analysis cascade
// may have moved it, so it is found by its place in the paragraph (at its
// own index first).
const WordRecord& RecordAfterRun(i32 word, u32 start, u32 end) {
    const auto at = [&](i32 k) { return gWords[k].StartOffset == start && gWords[k].EndOffset == end; };
    if (at(word)) return gWords[word];
    for (i32 k = 0; k < gWordCount; ++k) {
        if (at(k)) return gWords[k];
    }
    return gWords[word];
}

void TryForm(FormsStorage& st, u32 k, i32 word, u16 contextMode, u32 dictionaryCount, u16 kind,
             u8 derivedClass, u8 derivedFeatures, u8 derivedByte) {
    WordRecord& w = gWords[word];
    FormSlot& f = st.forms[k];
    Work36 savedText;
    TextCopy(savedText.s, w.WordText);
    w.FirstLigaturePos = 65535;
    gReadingPenalty = 0;
    gCaseMode = 65535;
    CopyCString(w.WordText, reinterpret_cast<const char*>(f.text));

    if (k < dictionaryCount) {
        Work36 copy;
        CopyCString(copy.s, reinterpret_cast<const char*>(f.text));
        u16 count = 0;
        gFoundInLexicon = 0;
        if (AnalyseWordForms(contextMode, copy.s, count, st.slots) > 0) TakeAnalyses(w, count);
        Work36 base;
        GetTokenBaseForm(static_cast<i16>(word), base.s);
        SetSlotText(f.base, base.bytes);
    } else {
        GuessReadings(st, word, kind, derivedClass, derivedFeatures, derivedByte);
        w.CorrectionMark = 1;
        f.derived = 1;
    }

    const u16 savedRule = gLastRule;
    const i16 savedPos = gLastErrorPos;
    const u16 savedExtent = gErrorExtent;
    const u16 savedCount = w.ReadingCount;
    const u16 noted = f.derived != 0 ? w.CorrectionMark : 0;
    gLastRule = kCodeUnknownWord;
    gLastErrorPos = -1;
    gErrorExtent = kNoCorrection;
    gBestFormHasErrors = 0;
    // In analysis mode the run may move records: its tables are put back
    // with the word.
    const bool kept = gAnalysisMode != 0 && SaveSentenceTables();
    const u32 start = w.StartOffset, end = w.EndOffset;
    const bool alone = gAnalysisMode == 0 && StandsAlone(word);
    ScoreSentence(word, f.text);
    const WordRecord& ran = RecordAfterRun(word, start, end);

    // A word alone in its sentence (a heading, a one-word answer) has no
    // neighbours to weigh its forms: the run then scores the word's class
    // alone (a sentence without a verb draws a penalty that every verb form
    // escapes, so "chassais" came before "châssis"), and the closeness to
    // the typed word decides.
    const u32 penalty = alone ? 0 : gReadingPenalty;
    f.score = Saturated(static_cast<u32>(gSuggestionFlags[static_cast<i32>(k)]) + penalty);
    // The word's own text, guessed, when the run left it as it was.
    if (f.derived != 0 && k + 1 == st.n && TextEquals(ran.WordText, reinterpret_cast<const char*>(f.text)))
        f.score = 16;
    if ((ran.ReadingClasses[0] & 0x80) == (derivedClass & 0x80) && f.derived != 0) SetSlotText(f.base, ran.BaseText);
    f.cls = ran.ReadingClasses[0];
    f.features = ran.ReadingFeatures[0];
    f.byte = ran.ReadingMarks[0];

    if (kept) RestoreSentenceTables();
    gLastRule = savedRule;
    gErrorExtent = savedExtent;
    gLastErrorPos = savedPos;
    w.ReadingCount = savedCount;
    w.CorrectionMark = noted;
    w.SecondLigaturePos = 65535;
    w.FirstLigaturePos = 65535;
    Work36 text;
    CopyCString(text.s, reinterpret_cast<const char*>(f.text));
    ApplyLigatureSpelling(text.s, gFoundInLexicon);
    SetSlotText(f.text, text.bytes);
    TextCopy(w.WordText, savedText.s);
}

// Stable ascending sort by score; entries move whole through a temporary.
void SortForms(FormsStorage& st) {
    for (u32 k = 1; k < st.n; ++k) {
        if (st.forms[k].score >= st.forms[k - 1].score) continue;
        const FormSlot moving = st.forms[k];
        u32 j = k;
        while (j > 0 && st.forms[j - 1].score > moving.score) {
            st.forms[j] = st.forms[j - 1];
            --j;
        }
        st.forms[j] = moving;
    }
}

void InsertDerivedStem(const FormSlot& best) {
    Work36 key;
    CopyCString(key.s, reinterpret_cast<const char*>(best.base));
    AppendByteToString(key.s, best.cls);
    AppendByteToString(key.s, best.byte);
    const i32 capacity = static_cast<i32>(gRelationWorkStrings.count);
    i32 at = 0;
    while (at < gDerivedStemCount && at < capacity) {
        const u16 c = CompareStrings(gRelationWorkStrings[at], key.s);
        if (c == kCompareEqual) return;
        if (c == kCompareGreater) break;
        ++at;
    }
    if (gDerivedStemCount >= capacity) return;
    for (i32 m = gDerivedStemCount; m > at; --m) CopyString(gRelationWorkStrings[m], gRelationWorkStrings[m - 1]);
    CopyString(gRelationWorkStrings[at], key.s);
    ++gDerivedStemCount;
}

// Masculine forms used before a vowel ("bel", "nouvel", "fol", "vieil").
u32 PreVowelForms(FormsStorage& st, const BoundedString& text, u32 current) {
    const struct {
        const char* prefix;
        const char* form;
        bool alone;
    } rows[] = {{"belle", "bel", false}, {"nouvelle", "nouvel", true}, {"folle", "fol", false},
                {"vieille", "vieil", false}};
    for (const auto& r : rows) {
        const bool match = r.alone ? TextEquals(text, r.prefix) : TextStartsWith(text, r.prefix);
        if (!match) continue;
        if (r.alone) {
            SetSlotText(st.forms[0].text, reinterpret_cast<const u8*>(r.form));
            return 1;
        }
        st.forms[1] = st.forms[0];
        SetSlotText(st.forms[0].text, reinterpret_cast<const u8*>(r.form));
        return 2;
    }
    return current;
}

}  // namespace

i16 BuildWordFormsForCorrection(u16 mode, i16 word, StringList& out) {
    if (!WordExists(word)) return 0;
    FormsStorage& st = Storage();
    WordRecord& w = gWords[word];
    const u8 op = static_cast<u8>(mode & 0xFF);
    gCaseMode = 65535;
    gCorrectionFormCount = 0;
    for (u32 k = 0; k < kMaxCorrectionForms && k < gSuggestionFlags.count; ++k) gSuggestionFlags[static_cast<i32>(k)] = 0;
    std::memset(st.forms, 0, sizeof st.forms);
    st.n = 0;
    const u8 firstCategory = w.ReadingCategories[0];

    // Gathering.
    u32 found = 0;
    if (op == 6 && gAnalysisMode == 0) {
        SetSlotText(st.forms[0].text, w.WordText);
        found = 1;
    } else if ((op == 7 || op == 5) && firstCategory > 3) {
        Work36 copy;
        TextCopy(copy.s, w.WordText);
        u16 count = 0;
        gFoundInLexicon = 0;
        for (u32 k = 0; k < st.analysed.count; ++k) TextClear(st.analysed.data[k]);
        Work36 typed;
        CopyLowerCase(typed.s, w.WordText);
        AnalyseWordForms(mode, copy.s, count, st.analysed);
        // A check weighs the forms as the suggestion export ranks them: in
        // the export's order (closeness to the typed word, the search's
        // cost marks breaking ties), each costing its distance from the
        // typed word in tenths of an edit, to which the sentence's penalty
        // adds below: a form one slip further must draw several more
        // findings to lose its place. The analysis keeps the search's order
        // and marks for the reading it settles.
        if (gAnalysisMode == 0) {
            RankSuggestions(static_cast<u16>((mode & 0xFF00) | 5), typed.s, st.analysed, count);
            for (u32 k = 0; k < count && k < gSuggestionFlags.count; ++k) {
                const u32 d = SuggestionDistance(typed.s, st.analysed[static_cast<i32>(k)]);
                gSuggestionFlags[static_cast<i32>(k)] = static_cast<u8>(d < 255 ? d : 255);
            }
        }
        gCaseMode = 65535;
        if (count > kMaxCorrectionForms) count = kMaxCorrectionForms;
        for (u16 k = 0; k < count; ++k) SetSlotText(st.forms[k].text, st.analysed[k]);
        found = count;
        if (op == 7) {
            gCorrectionFormCount = count;
            if (count > 0) CopyString(gCorrectionWorkString, st.analysed[0]);
        }
    }
    st.n = found;
    u16 kind = 0;
    u8 dClass = 0, dFeatures = 0, dByte = 0;
    if (gAnalysisMode == 1 && st.n < kMaxCorrectionForms) {
        u16 readings = 0;
        DeriveWordStemForm(word, readings, dClass, dFeatures, dByte);
        kind = readings;
        SetSlotText(st.forms[st.n].text, w.WordText);
        st.forms[st.n].derived = 1;
        ++st.n;
    }
    if (TextEquals(w.WordText, ",")) {
        std::memset(st.forms, 0, sizeof st.forms);
        SetSlotText(st.forms[0].text, reinterpret_cast<const u8*>(" "));
        st.n = 1;
        found = 1;
    }
    if (gCheckingLanguage == 0) {
        u32 kept = 0;
        for (u32 k = 0; k < st.n; ++k) {
            if (st.forms[k].text[0] == 0) {
                if (k < found) --found;
                continue;
            }
            st.forms[kept++] = st.forms[k];
        }
        // Counts of dictionary forms move with the removed empties.
        st.n = kept;
        if (found > kept) found = kept;
    }

    // Ranking.
    const u16 contextMode = ContextMode(word);
    for (u32 k = 0; k < st.n; ++k) TryForm(st, k, word, contextMode, found, kind, dClass, dFeatures, dByte);

    if (op == 6 && st.n > 0 && st.forms[0].score >= 11) {
        gErrorVariant = 0;
        gCaseMode = 65535;
        return 0;
    }
    SortForms(st);
    for (u32 k = 0; k < st.n; ++k) {
        Work36 text;
        CopyCString(text.s, reinterpret_cast<const char*>(st.forms[k].text));
        if (GetFirstLexForm(text.s, st.entry, 64) != 0) SetSlotText(st.forms[k].text, st.entry.LemmaText);
    }

    u32 result = st.n;
    if (gAnalysisMode == 1 && st.n > 0) {
        const FormSlot& best = st.forms[0];
        result = 1;
        w.CorrectionMark = best.derived;
        CopyCString(w.BaseText, reinterpret_cast<const char*>(best.base));
        // The reading the run settled for the best form (its tables were
        // put back after it).
        w.ReadingClasses[0] = best.cls;
        w.ReadingFeatures[0] = best.features;
        w.ReadingMarks[0] = best.byte;
        w.ReadingCount = 1;
        if (best.score != 0) gBestFormHasErrors = 1;
        if (best.derived != 0) InsertDerivedStem(best);
    }
    if (firstCategory == 10 && TextEndsWith(w.WordText, "lle") && st.n > 0) result = PreVowelForms(st, w.WordText, result);
    if (w.CorrectionMark == 1) w.ReadingLemmaRefs[0] = 8;

    // The caller's list bounds what is written.
    const u32 capacity = out.count < kMaxCorrectionForms ? out.count : kMaxCorrectionForms;
    if (result > capacity) result = capacity;
    for (u32 k = 0; k < result; ++k) CopyCString(out.data[k], reinterpret_cast<const char*>(st.forms[k].text));
    gCaseMode = 65535;
    return static_cast<i16>(result);
}
