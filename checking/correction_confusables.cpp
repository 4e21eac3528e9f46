// Confusable-word corrections (code 40) and missing verbs (code 55). Most
// candidates are tried in the sentence first: written into the word table,
// the dispatcher run again, the word put back; a candidate that still draws
// an error of codes 40 to 47 is refused.
#include <cstring>

#include "checking/correction_common.h"
#include "checking/correction_finishing.h"
#include "checking/correction_forms.h"
#include "checking/dispatcher.h"
#include "checking/word_access.h"
#include "frame/bounded_string.h"
#include "frame/mac_roman_literal.h"
#include "frame/settings.h"
#include "frame/tagged_words.h"
#include "inflection/verb_candidates.h"
#include "inflection/work_text.h"
#include "morphology/section_walk.h"
#include "morphology/word_lookup.h"

namespace {

bool French() { return gCheckingLanguage != 0; }

// A candidate reading for a word of the sentence.
struct Candidate {
    const char* text = nullptr;
    u8 cls = 0, features = 0, category = 0, mark = 0;
    bool withMark = false;
};

// Report fields around a re-run of the dispatcher.
struct SavedReport {
    u16 rule = gLastRule;
    i16 pos = gLastErrorPos;
    u8 variant = gErrorVariant;
    u16 detail = gErrorDetail, kind = gErrorKind, gender = gErrorGender, number = gErrorNumber,
        person = gErrorPerson, extent = gErrorExtent;
    void Restore() const {
        gLastRule = rule;
        gLastErrorPos = pos;
        gErrorVariant = variant;
        gErrorDetail = detail;
        gErrorKind = kind;
        gErrorGender = gender;
        gErrorNumber = number;
        gErrorPerson = person;
        gErrorExtent = extent;
    }
};

// Writes the candidate into word k, runs the dispatcher in `mode` and puts
// the word back (its reading count stays 1). The dispatcher's result.
RuleCode TryInPlace(i32 k, const BoundedString& text, const Candidate& c, u16 mode, u16 startRule) {
    WordRecord& w = gWords[k];
    Work36 savedText;
    TextCopy(savedText.s, w.WordText);
    const u8 sc = w.ReadingClasses[0], sf = w.ReadingFeatures[0], sg = w.ReadingCategories[0], sm = w.ReadingMarks[0];
    TextCopy(w.WordText, text);
    w.ReadingCount = 1;
    w.ReadingClasses[0] = c.cls;
    w.ReadingFeatures[0] = c.features;
    w.ReadingCategories[0] = c.category;
    if (c.withMark) w.ReadingMarks[0] = c.mark;
    const SavedReport saved;
    if (startRule != 0) gLastRule = startRule;
    const RuleCode r = AnalyseAndCheckSentence(mode);
    saved.Restore();
    TextCopy(w.WordText, savedText.s);
    w.ReadingClasses[0] = sc;
    w.ReadingFeatures[0] = sf;
    w.ReadingCategories[0] = sg;
    w.ReadingMarks[0] = sm;
    return r;
}

bool Refused(RuleCode r) { return r >= 40 && r <= 47; }

StringList& Forms() {
    static StringList list;
    if (list.valid == 0) InitByteMatrix(list, kMaxCorrectionForms, 36);
    return list;
}

void Finished(i32 k, BoundedString& out) { FinishedWordText(k, out); }

// Word i's text with its case and quotes.
void CasedQuoted(i32 k, BoundedString& s) {
    ApplyWordCase(k, s);
    ApplyWordQuotes(k, s);
}

// ---- English fixed recipes ----------------------------------------------------------

bool EnglishKnown(BoundedString& s) {
    u16 count = 0;
    Work36 copy;
    TextCopy(copy.s, s);
    gCaseMode = 65535;
    return LookupWordForm(0, copy.s, gWordTagCodes, count) > 0 && count > 0;
}

// Comparative or superlative of a word; true when the dictionary knows it.
bool Graded(const BoundedString& word, bool superlative, BoundedString& out) {
    const char* fixed = nullptr;
    if (TextEquals(word, "good") || TextEquals(word, "well")) fixed = superlative ? "best" : "better";
    else if (TextEquals(word, "bad")) fixed = superlative ? "worst" : "worse";
    else if (TextEquals(word, "far")) fixed = superlative ? "furthest" : "further";
    if (fixed != nullptr) {
        TextSetC(out, fixed);
        return true;
    }
    const u8 last = TextLast(word);
    TextCopy(out, word);
    if (last == 'y') {
        TextCut(out, TextLen(out) - 1);
        TextAppendC(out, superlative ? "iest" : "ier");
    } else if (last == 'e') {
        TextAppendC(out, superlative ? "st" : "r");
    } else {
        TextAppendC(out, superlative ? "est" : "er");
    }
    if (EnglishKnown(out)) return true;
    if (last == 'y' || last == 'e') return false;
    TextCopy(out, word);
    TextAppendByte(out, last);
    TextAppendC(out, superlative ? "est" : "er");
    return EnglishKnown(out);
}

bool EnglishFixed(BoundedString& first, i32 i) {
    const BoundedString& t = gWords[i].WordText;
    Work36 a, b;
    switch (gErrorVariant) {
        case 'X': {
            gErrorExtent = 0;
            TextCopy(a.s, gWords[i + 1].WordText);
            TextCut(a.s, TextLen(a.s) > 0 ? TextLen(a.s) - 1 : 0);
            TextCopy(first, t);
            for (u32 k = 0; k < 2; ++k)
                if (!JoinUnderLimit(first, a.s, 1)) return true;
            return true;
        }
        case 'i': TextSetC(first, "I"); gErrorExtent = 0; return true;
        case 'S': TextSetC(first, "most"); return true;
        case 'L': TextSetC(first, "more"); return true;
        case 'W': TextSetC(first, " and"); return true;
        case 'V': TextSetC(first, "they're"); return true;
        case 'K': {
            TextCopy(a.s, t);
            TextCut(a.s, TextLen(a.s) > 2 ? TextLen(a.s) - 2 : 0);
            TextAppendC(a.s, "r");
            u16 count = 0;
            TextCopy(b.s, a.s);
            gCaseMode = 65535;
            if (LookupWordForm(0, b.s, gWordTagCodes, count) > 0 && count > 0) {
                const u8 cls = static_cast<u8>(gWordTagCodes[0] >> 8);
                if (cls == '8' || cls == ':') {
                    TextCopy(first, a.s);
                    return true;
                }
            }
            gErrorExtent = kNoCorrection;
            return true;
        }
        case 'B': {
            TextCopy(a.s, gWords[i + 1].WordText);
            const u8 last = TextLast(a.s);
            if (last == 'y') {
                TextCut(a.s, TextLen(a.s) - 1);
                TextAppendC(a.s, "ily");
            } else if (last == 'e') {
                TextCut(a.s, TextLen(a.s) - 1);
                TextAppendC(a.s, "y");
                if (!IsKnownForm(a.s)) {
                    TextCut(a.s, TextLen(a.s) - 1);
                    TextAppendC(a.s, "ely");
                }
            } else {
                TextAppendC(a.s, "ly");
            }
            if (!IsKnownForm(a.s)) {
                gErrorExtent = kNoCorrection;
                return true;
            }
            TextCopy(first, t);
            ApplyWordCase(i, first);
            JoinUnderLimit(first, a.s, 1);
            return true;
        }
        case 'Q':
            if (Graded(gWords[i + 1].WordText, true, first)) gErrorExtent = 1;
            else gErrorExtent = kNoCorrection;
            return true;
        case 'M': {
            const i32 k = i + gErrorDetail + 1;
            if (!Graded(gWords[k].WordText, false, a.s)) {
                gErrorExtent = kNoCorrection;
                return true;
            }
            TextCopy(first, a.s);
            if (gErrorDetail == 2) {
                TextAppendC(first, " and");
                JoinUnderLimit(first, a.s, 1);
            }
            return true;
        }
        case 'N': {
            const u8 f = WordFeature(i);
            TextSetC(first, f == 1 ? "does" : f != 0 ? "did" : "do");
            TextAppendC(first, " not ");
            if (!EnglishBaseForm(i, a.s)) {
                gErrorExtent = kNoCorrection;
                return true;
            }
            AppendUnderLimit(first, a.s);
            return true;
        }
        case 'P':
            TextCopy(first, gWords[i + 1].WordText);
            TextCopy(a.s, t);
            JoinUnderLimit(first, a.s, 1);
            return true;
        default: return false;
    }
}

