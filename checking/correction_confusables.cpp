// Confusable-word corrections (code 40) and missing verbs (code 55). Most
// candidates are tried in the sentence first: written into the word table,
// the dispatcher run again, the word put back; a candidate that still draws
// an error of codes 40 to 47 is refused.
#include <cstring>

#include "checking/correction_common.h"
#include "checking/correction_forms.h"
#include "checking/dispatcher.h"
#include "checking/kept_tables.h"
#include "checking/word_access.h"
#include "frame/bounded_string.h"
#include "frame/mac_roman_literal.h"
#include "frame/settings.h"
#include "frame/tagged_words.h"
#include "inflection/verb_forms.h"
#include "morphology/correction_finishing.h"
#include "morphology/english_grades.h"
#include "morphology/section_walk.h"
#include "morphology/verb_candidates.h"
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
    // In analysis mode the run may move records: its tables do not stay.
    const bool kept = gAnalysisMode != 0 && SaveSentenceTables();
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
    if (kept) RestoreSentenceTables();
    TextCopy(w.WordText, savedText.s);
    w.ReadingClasses[0] = sc;
    w.ReadingFeatures[0] = sf;
    w.ReadingCategories[0] = sg;
    w.ReadingMarks[0] = sm;
    return r;
}

// A candidate that draws a word-sequence or agreement finding is refused.
bool Refused(RuleCode r) { return r >= kCodeWordSequence && r <= kCodeParticipleForInfinitive; }

// Re-runs that start just below the repeated-word code: the spelling
// findings before it are not looked at again.
constexpr RuleCode kAfterSpelling = kCodeRepeatedWord - 1;

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
        case 'i': CopyCString(first, "I"); gErrorExtent = 0; return true;
        case 'S': CopyCString(first, "most"); return true;
        case 'L': CopyCString(first, "more"); return true;
        case 'W': CopyCString(first, " and"); return true;
        case 'V': CopyCString(first, "they're"); return true;
        case 'K': {
            TextCopy(a.s, t);
            TextCut(a.s, TextLen(a.s) > 2 ? TextLen(a.s) - 2 : 0);
            AppendCString(a.s, "r");
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
                AppendCString(a.s, "ily");
            } else if (last == 'e') {
                TextCut(a.s, TextLen(a.s) - 1);
                AppendCString(a.s, "y");
                if (!IsKnownForm(a.s)) {
                    TextCut(a.s, TextLen(a.s) - 1);
                    AppendCString(a.s, "ely");
                }
            } else {
                AppendCString(a.s, "ly");
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
            if (EnglishGradedForm(gWords[i + 1].WordText, true, first)) gErrorExtent = 1;
            else gErrorExtent = kNoCorrection;
            return true;
        case 'M': {
            const i32 k = i + gErrorDetail + 1;
            if (!EnglishGradedForm(gWords[k].WordText, false, a.s)) {
                gErrorExtent = kNoCorrection;
                return true;
            }
            TextCopy(first, a.s);
            if (gErrorDetail == 2) {
                AppendCString(first, " and");
                JoinUnderLimit(first, a.s, 1);
            }
            return true;
        }
        case 'N': {
            const u8 f = WordFeature(i);
            CopyCString(first, f == 1 ? "does" : f != 0 ? "did" : "do");
            AppendCString(first, " not ");
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


// ---- Recipes of both languages --------------------------------------------------------

void JoinedWords(BoundedString& first, i32 i) {
    Work36 a, b;
    TextCopy(a.s, gWords[i].WordText);
    if (TextStartsWith(a.s, "quelqu")) TextCut(a.s, 7);
    else if (TextStartsWith(a.s, "quel")) TextCut(a.s, 4);
    else if (TextStartsWith(a.s, "qu'")) TextCut(a.s, 2);
    else if (TextEquals(a.s, "demie")) CopyCString(a.s, "demi-");
    TextCopy(b.s, gWords[i + 1].WordText);
    if (TextLast(b.s) == ',') TextCut(b.s, TextLen(b.s) - 1);
    TextCopy(first, a.s);
    ApplyWordCase(i, first);
    AppendUnderLimit(first, b.s);
    WordRecord& w = gWords[i];
    if (w.QuoteFlags >= 1 && (w.QuoteFlags & 3) < 2 && WordExists(i + 1) && (gWords[i + 1].QuoteFlags & 3) >= 2)
        w.QuoteFlags = static_cast<u16>(w.QuoteFlags + 2);
    if (w.QuoteFlags >= 1) RestoreQuotes(first, w.QuoteFlags);
}

void ItsLets(BoundedString& first, i32 i) {
    const BoundedString& t = gWords[i].SeparatorText;
    if (TextStartsWith(t, "it's") || TextStartsWith(t, "It's")) CopyCString(first, "its");
    else if (FindCSubstring(t, "et's") == 2) CopyCString(first, "lets");
    else if (FindCSubstring(t, "hey're") == 2) CopyCString(first, "their");
    else if (FindCSubstring(t, "ou're") == 2) CopyCString(first, "your");
    ApplyWordCase(i, first);
    WordRecord& w = gWords[i];
    if (w.QuoteFlags >= 1 && (w.QuoteFlags & 3) < 2 && WordExists(i + 1) && (gWords[i + 1].QuoteFlags & 3) >= 2)
        w.QuoteFlags = static_cast<u16>(w.QuoteFlags + 2);
    if (w.QuoteFlags >= 1) RestoreQuotes(first, w.QuoteFlags);
}

// ---- French fixed recipes ---------------------------------------------------------------

void FrenchPronoun(BoundedString& first, i32 i) {
    Work36 pronoun;
    const u8 next = WordClass(i + 1);
    if (next == 'V') CopyCString(pronoun.s, "me");
    else if (next == 'Z') CopyCString(pronoun.s, "te");
    else if (next == 'a') CopyCString(pronoun.s, "se");
    else if (next == 'X') CopyCString(pronoun.s, "nous");
    else if (next == '\\') CopyCString(pronoun.s, "vous");
    else if (WordClass(i) == '_') CopyCString(pronoun.s, WordFeature(i) == 11 ? "leur" : "lui");
    else TextCopy(pronoun.s, gWords[i].WordText);
    ApplyWordQuotes(i, pronoun.s);
    const bool vowel2 = WordExists(i + 2) && BeginsWithVowelByte(gWords[i + 2].WordText);
    auto article = [&](u8 f, bool trailing) -> const char* {
        if (f == 0x54) return vowel2 ? (trailing ? "l' " : " l'") : (trailing ? "le " : " le");
        if (f == 0x64) return vowel2 ? (trailing ? "l' " : " l'") : (trailing ? "la " : " la");
        if (f == 0x38) return trailing ? "les " : " les";
        return "";
    };
    if (gErrorDetail == 1) {
        TextCopy(first, pronoun.s);
        AppendCString(first, article(WordFeature(i), false));
    } else if (gErrorDetail == 2) {
        CopyCString(first, article(WordFeature(i + 1), true));
        JoinUnderLimit(first, pronoun.s, 1);
    } else {
        TextCopy(first, pronoun.s);
    }
    ApplyWordCase(i, first);
}

// ---- Form-list road -------------------------------------------------------------------

bool FormsRoad(BoundedString& first, BoundedString& second, i32 i, u16 option) {
    StringList& forms = Forms();
    const u16 lang = static_cast<u16>(gCheckingLanguage << 8);
    Work36 a, b;
    auto keepReading = [](i32 k, u16 mode, StringList& list) {
        WordRecord& w = gWords[k];
        const u8 c = w.ReadingClasses[0], f = w.ReadingFeatures[0], g = w.ReadingCategories[0], m = w.ReadingMarks[0];
        const i16 n = BuildWordFormsForCorrection(mode, static_cast<i16>(k), list);
        w.ReadingClasses[0] = c;
        w.ReadingFeatures[0] = f;
        w.ReadingCategories[0] = g;
        w.ReadingMarks[0] = m;
        return n;
    };
    // Word i + 1 replaced: word i, then the form.
    auto nextWord = [&](i16 n) {
        Finished(i, first);
        TextCopy(b.s, forms[0]);
        CasedQuoted(i + 1, b.s);
        JoinUnderLimit(first, b.s, 1);
        if (n >= 2) {
            gErrorExtent = kExtentAlternative;
            Finished(i, second);
            TextCopy(b.s, forms[1]);
            CasedQuoted(i + 1, b.s);
            JoinUnderLimit(second, b.s, 1);
        }
        gLastErrorPos = static_cast<i16>(i + 1);
        gLastRule = kCodeWordSequence;
    };
    // Word i replaced: the form, then word i + 1.
    auto thisWord = [&](i16 n) {
        TextCopy(first, forms[0]);
        CasedQuoted(i, first);
        Finished(i + 1, a.s);
        JoinUnderLimit(first, a.s, 1);
        if (n >= 2) {
            gErrorExtent = kExtentAlternative;
            TextCopy(second, forms[1]);
            CasedQuoted(i, second);
            JoinUnderLimit(second, a.s, 1);
        }
        gLastErrorPos = static_cast<i16>(i);
        gLastRule = kCodeWordSequence;
    };
    const u8 nextCategory = WordCategory(i + 1);
    if (nextCategory != 1 && nextCategory != 7) {
        const i16 n = keepReading(i + 1, static_cast<u16>(lang + 7), forms);
        if (n > 0) {
            nextWord(n);
            return true;
        }
    }
    if (WordCategory(i) >= 8) {
        const i16 n = keepReading(i, static_cast<u16>(lang + 7), forms);
        if (n > 0) {
            thisWord(n);
            return true;
        }
        if (option == 0) {
            gErrorExtent = kNoCorrection;
            return true;
        }
    }
    i16 n = keepReading(i + 1, static_cast<u16>(lang + 5), forms);
    if (n > 0) {
        nextWord(n);
        return true;
    }
    n = keepReading(i, static_cast<u16>(lang + 5), forms);
    if (n > 0) {
        thisWord(n);
        return true;
    }
    gErrorExtent = kNoCorrection;
    return true;
}

// ---- Replacements ------------------------------------------------------------------------

// Tries `cand` in word k (k = i or i + 1) and, when the sentence no longer
// shows codes 40..47, builds the correction.
void CheckReplacement(BoundedString& first, i32 i, i32 k, const BoundedString& text, const Candidate& c) {
    if (Refused(TryInPlace(k, text, c, 0xFFFF, 0))) {
        gLastErrorPos = static_cast<i16>(i + 1);
        gLastRule = kCodeWordSequence;
        gErrorExtent = kNoCorrection;
        return;
    }
    Work36 part;
    if (k == i) {
        TextCopy(first, text);
        CasedQuoted(i, first);
        Finished(i + 1, part.s);
        if (!EndsWithApostrophe(first) && !FitsLimit(first, part.s, 1)) {
            gErrorExtent = kNoCorrection;
            return;
        }
        JoinUnderLimit(first, part.s, 1);
    } else {
        TextCopy(first, gWords[i].WordText);
        CasedQuoted(i, first);
        TextCopy(part.s, text);
        if (c.cls != 'V') ApplyWordCase(i + 1, part.s);
        ApplyWordQuotes(i + 1, part.s);
        JoinUnderLimit(first, part.s, 1);
    }
    if (gErrorExtent != kNoCorrection) gErrorExtent = static_cast<u16>(i);
}

// Class 'R' word with its final "s" removed or added.
void TogglePluralS(const BoundedString& t, BoundedString& out) {
    TextCopy(out, t);
    if (TextLast(out) == 's') TextCut(out, TextLen(out) - 1);
    else AppendCString(out, "s");
}

bool EnglishReplacement(i32 i, Candidate& c) {
    const BoundedString& t = gWords[i].WordText;
    const u8 cat = WordCategory(i);
    auto set = [&](const char* text, u8 cls, u8 f, u8 g) {
        c.text = text;
        c.cls = cls;
        c.features = f;
        c.category = g;
        return true;
    };
    if (TextEquals(t, "real")) return set("really", 20, 0, 18);
    if (i > 0 && TextEquals(gWords[i - 1].SeparatorText, "it's")) return set("its", 's', 0, 8);
    if (TextEquals(t, "you're")) return set("your", 'x', 0, 8);
    if (TextEquals(t, "they're") || TextEquals(t, "there")) return set("their", 'z', 0, 8);
    if (TextEquals(t, "her")) return set("she", '^', 39, 1);
    if (TextEquals(t, "its")) return set("it's", '^', 39, 1);
    if (cat == 2 || cat == 1) {
        static const struct {
            const char* from;
            const char* to;
            u8 cls, f;
        } kObject[] = {{"him", "he", ']', 23}, {"them", "they", 'a', 8}, {"me", "I", 'U', 5}, {"us", "we", 'X', 9}},
          kSubject[] = {{"he", "him", '_', 0}, {"they", "them", 0x60, 8}, {"I", "me", 'V', 0}, {"i", "me", 'V', 0},
                        {"we", "us", 'W', 8}};
        if (cat == 2) {
            for (const auto& r : kObject)
                if (TextEquals(t, r.from)) return set(r.to, r.cls, r.f, 1);
        } else {
            for (const auto& r : kSubject)
                if (TextEquals(t, r.from)) return set(r.to, r.cls, r.f, 2);
        }
        return set("", 0, 0, cat);
    }
    if (TextEquals(t, "some")) return set("any", 'Q', 0, 8);
    if (TextEquals(t, "to")) return set("too", 20, 0, 18);
    if (TextEquals(t, "lets")) return set("let's", 128, 3, 14);
    if (TextEquals(t, "your")) return set("you're", 242, 12, 14);
    if (TextEquals(t, "cant")) {
        if (WordCategory(i + 1) == 14) gWords[i + 1].ReadingCategories[0] = 13;
        return set("can't", 242, 0, 14);
    }
    return false;
}

// "quel" agreeing with the noun that follows, then "que" or "qu'".
void QuelAgreement(i32 i, BoundedString& out, Candidate& c) {
    const bool elided = WordIs(i, "quelqu'");
    i32 noun = elided ? i + 2 : i + 1;
    if (WordCategory(noun) == 1) ++noun;
    u8 f = 20;
    if (WordFeature(noun) % 6 > 2) f = 24;
    if (noun == i + 2 && (WordFeature(i + 1) & 0xF0) == 0x20) {
        f = (WordFeature(i + 1) & 15) > 4 ? 40 : 36;
    } else {
        for (i32 k = noun + 1; WordExists(k); ++k) {
            const u8 g = WordFeature(k) & 0xF0;
            if (g == 0x10 || g == 0x20) {
                if (g == 0x20) f = static_cast<u8>(f + 16);
                break;
            }
        }
    }
    CopyCString(out, "quel");
    if (f == 24) AppendCString(out, "s");
    else if (f == 36) AppendCString(out, "le");
    else if (f == 40) AppendCString(out, "les");
    const bool vowel = WordExists(i + 1) && BeginsWithVowelByte(gWords[i + 1].WordText);
    AppendCString(out, vowel ? " qu'" : " que");
    c.cls = 'P';
    c.features = f;
    c.category = 8;
}

// French candidate for word i; `conjugate` is set for class 'a' before a
// category-11 word. False: no row applies.
bool FrenchReplacement(i32 i, BoundedString& text, Candidate& c, bool& conjugate) {
    const BoundedString& t = gWords[i].WordText;
    const u8 cls = WordClass(i);
    auto set = [&](const char* s, u8 k, u8 f, u8 g) {
        CopyCString(text, s);
        c.cls = k;
        c.features = f;
        c.category = g;
        return true;
    };
    const bool apostrophe = TextAt(t, 1) == '\'';
    if (cls == 'a') {
        if (WordCategory(i + 1) == 11) {
            conjugate = true;
            return set(apostrophe ? "s'" : "se ", 0, 0, 0);
        }
        return set(apostrophe ? "c'" : "ce", 'O', 20, 8);
    }
    if (cls == '{') return set("leur", '_', 11, 2);
    if (TextEquals(t, "ce")) return set("se", 'a', 'O', 2);
    if (TextEquals(t, "c'")) return set("s'", 'a', 15, 2);
    if (TextEquals(t, "ou")) return set(MR("où"), 'G', 0, 5);
    if (TextEquals(t, "on")) return set("ont", 194, 11, 14);
    if (WordIs(i + 1, MR("gré"))) {
        Work36 ending;
        FrenchSlotEnding(FrenchRow(41), WordFeature(i), ending.s);
        CopyCString(text, "s");
        if (!TextEquals(ending.s, "$")) AppendString(text, ending.s);
        c.cls = 240;
        c.features = WordFeature(i);
        c.category = 14;
        return true;
    }
    if (TextEquals(t, "quelques") && (WordClass(i + 1) == 'R' || WordClass(i + 1) == 'S'))
        return set("quelque", 20, 0, 18);
    if (TextEquals(t, "quoique")) return set("quoi que", 17, 0, 5);
    if (TextEquals(t, "quoiqu'")) return set("quoi qu'", 17, 0, 5);
    if (TextEquals(t, MR("à"))) return set("a", 194, 8, 14);
    if (TextEquals(t, "a")) return set(MR("à"), ' ', 0, 15);
    if (TextStartsWith(t, "quelqu")) {
        QuelAgreement(i, text, c);
        return true;
    }
    if (cls == 'R') {
        TogglePluralS(t, text);
        c.cls = 'R';
        c.features = 8;
        c.category = 8;
        return true;
    }
    if (WordCategory(i) == 1) {
        if (TextEquals(t, "je")) return set("moi", 'W', 0, 3);
        if (TextEquals(t, "tu")) return set("toi", 'Z', 0, 3);
        if (TextEquals(t, "il")) return set("lui", '_', 0, 3);
        if (TextEquals(t, "ils")) return set("eux", 0x60, 0, 3);
    }
    return false;
}

// Class 'a' before a participle: "s'" or "se " and the verb conjugated anew.
void ReflexiveVerb(BoundedString& first, BoundedString& second, i32 i, const BoundedString& pronoun) {
    TextCopy(first, pronoun);
    const i32 v = i + 1;
    u8 model = WordMark(v);
    if (model > 127) model = static_cast<u8>(model - 128);
    u8 target = 14;
    if (WordClass(i - 1) > 127 || (WordClass(i - 2) > 127 && WordCategory(i - 1) == 18)) target = 0;
    else if (model == 55 || model == 74) target = 8;
    else if (model >= 15 && model != 16 && model != 18) target = 26;
    u8 current = WordFeature(v);
    if (current > 127) current = static_cast<u8>(current - 128);
    const u8 savedVariant = gErrorVariant;
    gErrorVariant = 0;
    Work72 form;
    const bool ok = RunConjugationStage(form.s, second, 44, v, gWords[v].WordText, model, current, target);
    gErrorVariant = savedVariant;
    if (!ok) return;
    if (!AppendUnderLimit(first, form.s)) return;
}

void EnglishVariantA(i32 i, Candidate& c, bool& ok) {
    const BoundedString& t = gWords[i + 1].WordText;
    ok = true;
    auto set = [&](const char* s, u8 k, u8 f, u8 g) {
        c.text = s;
        c.cls = k;
        c.features = f;
        c.category = g;
    };
    if (TextEquals(t, "their")) return set("there", 20, 0, 18);
    if (WordCategory(i + 1) == 1) {
        if (TextEquals(t, "he")) return set("him", '_', 0, 2);
        if (TextEquals(t, "she")) return set("her", 'b', 0, 2);
        if (TextEquals(t, "they")) return set("them", 0x60, 8, 2);
        if (TextEquals(t, "i") || TextEquals(t, "I")) return set("me", 'V', 0, 2);
        if (TextEquals(t, "we")) return set("us", 'W', 8, 2);
    }
    ok = false;
}

bool FrenchVariantA(i32 i, BoundedString& text, Candidate& c) {
    const BoundedString& t = gWords[i + 1].WordText;
    auto set = [&](const char* s, u8 k, u8 f, u8 g) {
        CopyCString(text, s);
        c.cls = k;
        c.features = f;
        c.category = g;
        return true;
    };
    if (TextEquals(t, "a")) return set(MR("à"), ' ', 0, 15);
    if (TextEquals(t, MR("à"))) return set("a", 194, 8, 14);
    if (TextEquals(t, "fut")) return set(MR("fût"), 'A', 20, 10);
    if (TextEquals(t, "ce")) return set("se", 'a', 'O', 2);
    if (TextEquals(t, "c'")) return set("s'", 'a', 15, 2);
    if (TextEquals(t, "foi")) return set("fois", 'A', 32, 10);
    if (WordClass(i + 1) == 'R') {
        TogglePluralS(t, text);
        c.cls = 'R';
        c.features = 8;
        c.category = 8;
        return true;
    }
    if (WordCategory(i + 1) == 1) {
        if (TextEquals(t, "je")) return set("moi", 'W', 0, 3);
        if (TextEquals(t, "tu")) return set("toi", 'Z', 0, 3);
        if (TextEquals(t, "il")) return set("lui", '_', 0, 3);
        if (TextEquals(t, "ils")) return set("eux", 0x60, 0, 3);
    }
    return false;
}

void Replacement(BoundedString& first, BoundedString& second, i32 i) {
    Work36 text;
    Candidate c;
    if (!French()) {
        if (!EnglishReplacement(i, c)) {
            gErrorExtent = kNoCorrection;
            return;
        }
        CopyCString(text.s, c.text);
        if (TextLen(text.s) == 0) return;
        CheckReplacement(first, i, i, text.s, c);
        return;
    }
    bool conjugate = false;
    if (!FrenchReplacement(i, text.s, c, conjugate)) {
        gErrorExtent = kNoCorrection;
        return;
    }
    if (conjugate) {
        ReflexiveVerb(first, second, i, text.s);
        return;
    }
    CheckReplacement(first, i, i, text.s, c);
}

void VariantA(BoundedString& first, i32 i) {
    Work36 text;
    Candidate c;
    bool ok = false;
    if (!French()) {
        EnglishVariantA(i, c, ok);
        if (ok) CopyCString(text.s, c.text);
    } else {
        ok = FrenchVariantA(i, text.s, c);
    }
    if (!ok) {
        gErrorExtent = kNoCorrection;
        return;
    }
    CheckReplacement(first, i, i + 1, text.s, c);
}

}  // namespace

void ComposeConfusableText(BoundedString& first, BoundedString& second, i32 i, u16 option) {
    if (gLastErrorPos >= static_cast<i32>(gWordCount)) return;
    for (i32 k = i; k <= i + 1 && WordExists(k); ++k) {
        if (gWords[k].WordCaseMode > 0) {
            gCaseMode = gWords[k].WordCaseMode;
            RestoreAccentedLowercase(gWords[k].WordText);
        }
    }
    const u8 v = gErrorVariant;
    if (!French() && EnglishFixed(first, i)) return;
    if (v == 'C') {
        JoinedWords(first, i);
        return;
    }
    if (!French() && v == 'Y') {
        ItsLets(first, i);
        return;
    }
    if (v == 'D') {
        Finished(i, first);
        return;
    }
    if (French()) {
        if (v == 'P') {
            FrenchPronoun(first, i);
            return;
        }
        if (v == 'Q') {
            CopyCString(first, "quant");
            ApplyWordCase(i, first);
            AppendCString(first, MR(" à"));
            return;
        }
        if (v == 0xCB) {
            CopyCString(first, MR("À"));
            gErrorExtent = 0;
            return;
        }
    }
    if (v == 'A') {
        VariantA(first, i);
        return;
    }
    if (gErrorExtent == kExtentSpellingForms) {
        FormsRoad(first, second, i, option);
        return;
    }
    Replacement(first, second, i);
}

void ComposeMissingVerbText(BoundedString& first) {
    // The homophone verbs are French; an English sentence without a verb gets
    // the note alone.
    if (!French()) {
        gErrorExtent = kNoCorrection;
        return;
    }
    static BoundedArray<u16> codes;
    if (codes.valid == 0) codes.Allocate(kMaxFormCodes);
    StringList& list = TaggedWordsFor(gCheckingLanguage);
    const SavedReport saved;
    Work36 text;
    for (i32 k = 1; k < gWordCount; ++k) {
        gErrorExtent = kNoCorrection;
        const BoundedString& t = gWords[k].WordText;
        Candidate fixed[1];
        bool tagged = false;
        if (TextLen(t) == 1) {
            if (!TextEquals(t, MR("à"))) continue;
            // Before a determiner and after no pronoun, "à" opens a
            // complement ("Un retour à la maison"): no verb stands there.
            const u8 before = WordCategory(k - 1);
            if (before != 1 && before != 2 && (WordCategory(k + 1) == 7 || WordCategory(k + 1) == 8)) continue;
            const bool second = WordClass(k - 1) == 'Y';
            fixed[0] = {second ? "as" : "a", 194, static_cast<u8>(second ? 7 : 8), 14, 17, true};
        } else if (TextEquals(t, "on")) {
            fixed[0] = {"ont", 194, 11, 14, 17, true};
        } else if (TextEquals(t, "et")) {
            // "et" before a determiner joins two noun phrases ("Le chat et
            // le chien."): a verbless fragment, no "est" missing.
            const u8 after = WordCategory(k + 1);
            if (after >= 7 && after <= 9) continue;
            const bool second = WordClass(k - 1) == 'Y';
            fixed[0] = {second ? "es" : "est", 131, static_cast<u8>(second ? 7 : 8), 14, 16, true};
        } else {
            // A determiner before its noun is no verb ("Un souvenir du passé"),
            // nor is a preposition ("sous la lune").
            if ((WordCategory(k) == 7 || WordCategory(k) == 9) && WordCategory(k + 1) == 10) continue;
            if (WordCategory(k) == 15) continue;
            tagged = true;
        }
        if (!tagged) {
            CopyCString(text.s, fixed[0].text);
            gErrorExtent = static_cast<u16>(k);
            if (!Refused(TryInPlace(k, text.s, fixed[0], 0, kAfterSpelling))) {
                TextCopy(first, text.s);
                CasedQuoted(k, first);
                saved.Restore();
                gErrorExtent = static_cast<u16>(k);
                if (gAnalysisMode != 0) gLastErrorPos = static_cast<i16>(k);
                return;
            }
            continue;
        }
        const u16 n = FindWordFormCodes(0, static_cast<i16>(k), codes);
        if (n == 0 || codes[0] >= list.count || IsTaggedVerbEntry(list[codes[0]]) != 0) continue;
        for (u16 m = 0; m < n; ++m) {
            if (codes[m] >= list.count) continue;
            const BoundedString& entry = list[codes[m]];
            if (IsTaggedVerbEntry(entry) == 0) continue;
            const i32 len = TaggedWordLength(entry);
            if (entry[len + 6] == '0') continue;
            CopyTaggedWord(entry, text.s);
            Candidate c;
            Work36 copy;
            TextCopy(copy.s, text.s);
            u16 count = 0;
            gCaseMode = 65535;
            if (LookupWordForm(800, copy.s, gWordTagCodes, count) > 0 && count > 0) {
                u16 pick = 0;
                for (u16 j = 0; j < count; ++j) {
                    if ((gWordTagCodes[j] >> 8) > 127) {
                        pick = j;
                        break;
                    }
                }
                c.cls = static_cast<u8>(gWordTagCodes[pick] >> 8);
                c.features = static_cast<u8>(gWordTagCodes[pick] & 0xFF);
                c.mark = gWordAnalysisBytes[pick];
            }
            c.category = 14;
            c.withMark = true;
            const u16 code = codes[m];
            if (!Refused(TryInPlace(k, text.s, c, 0, kAfterSpelling))) {
                TextCopy(first, text.s);
                CasedQuoted(k, first);
                saved.Restore();
                gErrorExtent = static_cast<u16>(k);
                if (gAnalysisMode != 0) gLastErrorPos = static_cast<i16>(k);
                (void)code;
                return;
            }
        }
    }
    saved.Restore();
    gErrorExtent = kNoCorrection;
}
