// Correction composer: the passes of one finding and the agreement
// corrections (qualifier, noun-clause and attribute/determiner agreement).
#include "checking/correction.h"

#include <cstring>

#include "checking/correction_common.h"
#include "checking/correction_forms.h"
#include "checking/word_access.h"
#include "frame/bounded_string.h"
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/settings.h"
#include "inflection/inflect.h"
#include "inflection/verb_forms.h"
#include "morphology/adjectives.h"
#include "morphology/correction_finishing.h"
#include "morphology/section_walk.h"
#include "morphology/word_lookup.h"

namespace {

// State of one call shared by the passes.
struct Passes {
    u16 pairValue = 0;    // the pair as the rule gave it, or target + 128 made here
    bool rulePair = false;
    bool insidePair = false;
    u32 pass = 0;         // 0 first, 1 second
    u16 target = 0;
    Work36 kept;          // second form kept for the second pass
};

bool French() { return gCheckingLanguage != 0; }

StringList& WorkList() {
    static StringList list;
    if (list.valid == 0) InitByteMatrix(list, 16, 36);
    return list;
}

u8 LastLetter(const BoundedString& t) {
    const u8 c = TextLast(t);
    return (c == 'S' || c == 'E' || c == 'X' || c == 'Z') ? static_cast<u8>(c + 32) : c;
}
u8 BeforeLast(const BoundedString& t) {
    const u8 c = TextLast(t, 1);
    return c == 'E' ? 'e' : c;
}
bool Sxz(u8 c) { return c == 's' || c == 'x' || c == 'z'; }

void CutEnd(BoundedString& s, u32 n) { TextCut(s, TextLen(s) > n ? TextLen(s) - n : 0); }

// Accent-restored copy of word i's text.
void RestoredText(i32 i, BoundedString& out) {
    TextCopy(out, gWords[i].WordText);
    if (gWords[i].WordCaseMode > 0) {
        gCaseMode = gWords[i].WordCaseMode;
        RestoreAccentedLowercase(out);
    }
}

// Steps 13 and 14: case, quotes, the limit (extra characters counted), the
// blank the road appends after the form.
enum class Blank { None, Always, UnlessApostrophe, IfNotEmpty };

bool AppendForm(BoundedString& first, i32 i, BoundedString& form, i32 extra, Blank blank) {
    gCaseMode = gWords[i].WordCaseMode;
    if (gCaseMode > 0) ApplyCapitalization(form);
    if (gWords[i].QuoteFlags > 0) RestoreQuotes(form, gWords[i].QuoteFlags);
    if (GetStringLength(first) + GetStringLength(form) + extra >= kCorrectionLimit) {
        gErrorExtent = kNoCorrection;
        return false;
    }
    AppendString(first, form);
    if (blank == Blank::Always || (blank == Blank::UnlessApostrophe && !EndsWithApostrophe(first)) ||
        (blank == Blank::IfNotEmpty && GetStringLength(first) > 0))
        AppendCString(first, " ");
    return true;
}

// ---- Step 5: candidate noun -------------------------------------------------------

bool CandidateNoun(Passes& p) {
    const i32 e = gLastErrorPos;
    if (!WordExists(e)) return false;
    const u16 savedRule = gLastRule;
    const i16 savedPos = gLastErrorPos;
    StringList& forms = WorkList();
    const i16 n = BuildWordFormsForCorrection(775, static_cast<i16>(e), forms);
    WordRecord& w = gWords[e];
    bool found = false;
    u16 tag = 0;
    u8 byte = 0;
    Work36 form;
    for (i16 k = 0; k < n && !found; ++k) {
        TextCopy(w.WordText, forms[k]);
        gErrorExtent = p.rulePair ? static_cast<u16>(p.pairValue >> 8) : 0;
        TextCopy(form.s, forms[k]);
        static BoundedArray<u16> tags;
        if (tags.valid == 0) tags.Allocate(32);
        u16 count = 0;
        gCaseMode = 65535;
        if (LookupWordForm(800, form.s, tags, count) > 0 || count > 0) {
            for (u16 j = 0; j < count; ++j) {
                if ((tags[j] >> 8) < 0x80) {
                    tag = tags[j];
                    byte = gWordAnalysisBytes[j];
                    found = true;
                    TextCopy(form.s, forms[k]);
                    break;
                }
            }
        }
    }
    gLastRule = savedRule;
    gLastErrorPos = savedPos;
    if (!found) return false;
    TextCopy(w.WordText, form.s);
    const u8 cls = static_cast<u8>(tag >> 8);
    w.ReadingClasses[0] = cls;
    w.ReadingFeatures[0] = static_cast<u8>(tag & 0xFF);
    w.ReadingMarks[0] = byte;
    if (cls == 'A' || cls == 'B' || cls == 'C' || cls == 'E' || cls == 'M' || cls == 125) w.ReadingCategories[0] = 10;
    else if (cls == 'P' || cls == 'Q' || (cls >= 109 && cls <= 123)) w.ReadingCategories[0] = 8;
    else if (cls >= 128) w.ReadingCategories[0] = 11;
    return true;
}

// ---- English road -------------------------------------------------------------------------

// Plural or singular of the part after the last '_' of a joined word.
void JoinedWordForm(i32 i, u16 target, u8 op, BoundedString& form) {
    WordRecord& w = gWords[i];
    const i32 us = [&] {
        for (i32 k = static_cast<i32>(TextLen(w.WordText)) - 1; k >= 0; --k)
            if (w.WordText.data[k] == '_') return k;
        return -1;
    }();
    Work36 tail;
    CopyBytesToString(tail.s, w.WordText.data + us + 1, TextLen(w.WordText) - static_cast<u32>(us + 1));
    StringList& results = WorkList();
    u16 count = 0;
    const u16 r = InflectWord(static_cast<u32>((gCheckingLanguage << 8) | op), tail.s, count, results);
    (void)target;
    if (count > 0 && !(r >= 34 && r <= 36)) {
        CopyBytesToString(form, w.WordText.data, static_cast<u32>(us + 1));
        AppendString(form, results[0]);
    }
}

// Step 10: English noun ending by the analysis byte; false: given up.
bool EnglishNounEnding(i32 i, u16 target, BoundedString& form) {
    const WordRecord& w = gWords[i];
    const u8 b = w.ReadingMarks[0];
    TextCopy(form, w.WordText);
    if (w.WordCaseMode > 2) return true;
    const u8 last = LastLetter(w.WordText);
    u32 cut = 0;
    Work36 ending;
    auto end = [&](const char* one, const char* two) { CopyCString(ending.s, target == 1 ? one : two); };
    if (b == 30) end("", "es");
    else if (b == 32) {
        cut = Sxz(last) ? 1 : 0;
        end("", "s");
    } else if (b >= 33 && b <= 58) {
        cut = Sxz(last) ? 2 : 1;
        const char letter[2] = {static_cast<char>(b + 64), 0};
        CopyCString(ending.s, letter);
        if (target == 2) AppendCString(ending.s, "s");
    } else if ((b >= 59 && b <= 63) || b == 252 || b == 253) end("", "es");
    else if (b == 31 || (b >= 248 && b <= 251)) {
        cut = last == 's' ? 3 : 1;
        end("y", "ies");
    } else if (b >= 160 && b <= 247) {
        const BoundedString& suffix = gEnglishSuffixes[gLetterTable[b - 160]];
        cut = static_cast<u32>(GetStringLength(suffix)) + (last == 's' && b != 165 ? 1 : 0);
        TextCopy(ending.s, suffix);
        if (target == 2) AppendCString(ending.s, "s");
    } else if (b == 254) {
        cut = 2;
        end("an", "en");
    } else if (b == 255) {
        cut = last == 'e' ? 2 : 1;
        end("a", "ae");
    } else {
        return true;
    }
    CutEnd(form, cut);
    AppendString(form, ending.s);
    gCaseMode = w.WordCaseMode;
    if (gCaseMode > 0) ApplyCapitalization(form);
    if (w.CorrectionMark == 0 && !IsKnownForm(form)) {
        gErrorExtent = kNoCorrection;
        return false;
    }
    return true;
}

// Step 11: words whose forms the inflection engine knows (bytes 128, 129).
void EnglishVariantNoun(Passes& p, i32 i, u16 target, BoundedString& form) {
    const WordRecord& w = gWords[i];
    const u8 b = w.ReadingMarks[0];
    StringList& results = WorkList();
    u16 count = 0;
    TextCopy(form, w.WordText);
    auto singleOp6 = [&](BoundedString& out) {
        count = 0;
        const u16 saved = gErrorExtent;
        gErrorExtent = 1;
        InflectWord(6, w.WordText, count, results);
        gErrorExtent = saved;
        if (count == 1) TextCopy(out, results[0]);
        else TextClear(out);
    };
    auto dropS = [&](BoundedString& out) {
        const u32 n = TextLen(w.WordText);
        if (n < 2 || TextLast(w.WordText) != 's' || TextLast(w.WordText, 1) == 'e') return false;
        TextCopy(out, w.WordText);
        TextCut(out, n - 1);
        if (!IsKnownForm(out)) TextClear(out);
        return true;
    };
    if (target == 2) {
        if (b == 129) return;
        Work36 restored;
        RestoredText(i, restored.s);
        const u16 r = InflectWord(3, restored.s, count, results);
        if (p.rulePair) {
            if (r == 34 || count == 0) return;
            TextCopy(form, results[count >= 2 && p.pass == 0 ? 1 : 0]);
            return;
        }
        if (p.pass == 1) {
            TextCopy(form, p.kept.s);
            return;
        }
        if (count == 1) TextCopy(form, results[0]);
        else if (count >= 2) {
            TextCopy(p.kept.s, results[0]);
            TextCopy(form, results[1]);
            p.insidePair = true;
        }
        return;
    }
    if (target != 1) return;
    if (p.pass == 0 || !p.rulePair) {
        if (b == 129) {
            if (!dropS(form)) singleOp6(form);
        }
        return;
    }
    if (!dropS(form)) {
        if (b == 129) singleOp6(form);
        else TextClear(form);
    } else if (TextLen(form) == 0) {
        singleOp6(form);
    }
}

// One word of the English road; false when the correction was given up.
bool EnglishWord(Passes& p, BoundedString& first, i32 i) {
    WordRecord& w = gWords[i];
    const u16 target = p.target == 3 ? 1 : p.target == 4 ? 2 : p.target;
    Work36 form;
    TextCopy(form.s, w.WordText);
    const u8 cls = w.ReadingClasses[0];
    const u8 cat = w.ReadingCategories[0];
    if (cat == 7 || TextEquals(w.WordText, "one")) {
        if ((TextEquals(w.WordText, "a") || TextEquals(w.WordText, "an") || TextEquals(w.WordText, "one")) &&
            target == 2)
            TextClear(form.s);
    } else if (cls == 'K' && target == 2) {
        if (TextEquals(form.s, "something")) CopyCString(form.s, "some things");
        else if (TextEquals(form.s, "nothing")) CopyCString(form.s, "no things");
        else if (TextEquals(form.s, "everything")) CopyCString(form.s, "every things");
    } else if (cls == 'O') {
        if (target == 2 && TextEquals(form.s, "this")) CopyCString(form.s, "these");
        else if (target == 2 && TextEquals(form.s, "that")) CopyCString(form.s, "those");
        else if (target == 1 && TextEquals(form.s, "these")) CopyCString(form.s, "this");
        else if (target == 1 && TextEquals(form.s, "those")) CopyCString(form.s, "that");
    } else if (cls == 25 || cls == '+' || cls == '.') {
        TextCopy(form.s, w.BaseText);
        if (target == 2) {
            w.ReadingFeatures[0] = 8;
            JoinedWordForm(i, target, 3, form.s);
        } else if (target == 1 && TextLast(w.WordText) == 's') {
            w.ReadingFeatures[0] = 4;
        }
    } else if (cat == 10 && cls != 'B') {
        const u8 b = w.ReadingMarks[0];
        if (b == 128 || b == 129) EnglishVariantNoun(p, i, target, form.s);
        else if (!EnglishNounEnding(i, target, form.s)) return false;
    }
    if (TextLen(form.s) == 0) return true;
    return AppendForm(first, i, form.s, 1, Blank::IfNotEmpty);
}

// ---- French road ----------------------------------------------------------------------------

const char* ByTarget(u16 t, const char* a, const char* b, const char* c, const char* d) {
    return t == 1 ? a : t == 2 ? b : t == 3 ? c : t == 4 ? d : nullptr;
}

// A vowel follows: the next word, inside the span, begins with a vowel
// sound and is not listed under "88" in `section`.
bool VowelFollows(i32 i, i32 end, i16 section) {
    const i32 n = i + 1;
    if (n >= end || !WordExists(n)) return false;
    const u8 c = WordFirstByte(n);
    const bool vowel = c == 'a' || c == 'e' || c == 'h' || c == 'i' || c == 'o' || c == 'u' || c == 'y' || c > 141 ||
                       c == 'A' || c == 'E' || c == 'I' || c == 'O' || c == 'U' || c == 'Y' || (c >= 128 && c <= 134);
    if (!vowel) return false;
    Work36 key;
    CopyCString(key.s, "88");
    AppendString(key.s, gWords[n].WordText);
    static BoundedArray<u16> tags;
    if (tags.valid == 0) tags.Allocate(32);
    u16 count = 0;
    LookupInDictSection(800, section, key.s, tags, count);
    return count == 0;
}

bool RelativePronoun(BoundedString& first, i32 i, u16 t) {
    Work36 text;
    RestoredText(i, text.s);
    const u8 before = WordClass(i - 1);
    const char* out = nullptr;
    const bool la = TextEquals(text.s, "laquelle");
    if (TextEquals(text.s, "auquel") || TextEquals(text.s, "auxquels") || TextEquals(text.s, "auxquelles") ||
        (la && before == ' '))
        out = ByTarget(t, "auquel", "auxquels", MR("à laquelle"), "auxquelles");
    else if (TextEquals(text.s, "duquel") || TextEquals(text.s, "desquels") || TextEquals(text.s, "desquelles") ||
             (la && before == '!'))
        out = ByTarget(t, "duquel", "desquels", "de laquelle", "desquelles");
    else if (TextEquals(text.s, "lequel") || TextEquals(text.s, "lesquels") || TextEquals(text.s, "lesquelles") || la)
        out = ByTarget(t, "lequel", "lesquels", "laquelle", "lesquelles");
    Work36 form;
    if (out != nullptr) CopyCString(form.s, out);
    else TextCopy(form.s, gWords[i].WordText);
    return AppendForm(first, i, form.s, 1, Blank::Always);
}

bool Preposition(BoundedString& first, i32 i, u16 t) {
    Work36 form;
    const BoundedString& text = gWords[i].WordText;
    TextCopy(form.s, text);
    const u8 cls = WordClass(i);
    if (WordIs(i + 1, "laquelle") && (cls == ' ' || cls == '!')) {
        CopyCString(form.s, "%");
    } else if (TextEquals(text, "de") || TextEquals(text, "d'")) {
        if ((t == 2 || t == 4) && WordBegins(i + 1, "un")) TextClear(form.s);
        else if ((t == 2 || t == 4) && WordIs(i + 1, "la")) CopyCString(form.s, "des");
        else if (t == 3 && WordIs(i + 1, "la")) CopyCString(form.s, "de la");
    }
    if (TextLen(form.s) == 0) return true;
    if (!AppendForm(first, i, form.s, 1, Blank::UnlessApostrophe)) return false;
    // " %" : the preposition merges into the pronoun.
    const u32 n = TextLen(first);
    u32 o = 0;
    for (u32 k = 0; k < n; ++k) {
        if (first.data[k] == ' ' && k + 1 < n && first.data[k + 1] == '%') {
            ++k;
            continue;
        }
        first.data[o++] = first.data[k];
    }
    first.data[o] = 0;
    return true;
}

bool Numeral(BoundedString& first, i32 i, u16 t) {
    Work36 form;
    TextCopy(form.s, gWords[i].WordText);
    if (WordClass(i) == 'R' && WordClass(i - 1) == 'S' && WordClass(i + 1) != 'S' && TextLast(form.s) != 's' &&
        (t == 2 || t == 4))
        AppendCString(form.s, "s");
    return AppendForm(first, i, form.s, 2, Blank::UnlessApostrophe);
}

// Segment holding word i: the one before the first that starts at or after it.
const SegmentRecord* SegmentOf(i32 i) {
    i32 k = 0;
    while (k < gSegmentCount && gSegments[k].FirstWord < i) ++k;
    return k > 0 ? &gSegments[k - 1] : (gSegmentCount > 0 ? &gSegments[0] : nullptr);
}

bool Article(BoundedString& first, i32 i, i32 firstWord, i32 end, u16 t) {
    const u8 cls = WordClass(i);
    const u8 cat = WordCategory(i);
    const bool vowel = VowelFollows(i, end, 8);
    const char* out = nullptr;
    Work36 text;
    TextCopy(text.s, gWords[i].WordText);
    if (cls == 'd' && i != firstWord && (WordIs(i - 1, "de"))) {
        if (i == firstWord + 1 && t == 1) CopyCString(first, "du ");
        return true;
    }
    if (cls == 'c' || cls == 'd' || cls == 'e') {
        out = ByTarget(t, vowel ? "l'" : "le ", "les ", vowel ? "l'" : "la ", "les ");
    } else if (cls == 'f' || cls == 'g') {
        out = ByTarget(t, vowel ? MR("à l'") : "au ", "aux ", vowel ? MR("à l'") : MR("à la "), "aux ");
    } else if ((cls == '$' || cls == '%') && TextLen(text.s) > 3 && cat != 9) {
        out = ByTarget(t, "dudit ", "desdits ", "de ladite ", "desdites ");
    } else if (cls == 'j') {
        out = ByTarget(t, "un ", "de ", "une ", "de ");
    } else if ((cls == 'k' || cls == 'l' || cls == '$' || cls == '%') && cat == 9) {
        out = ByTarget(t, vowel ? "de l'" : "du ", "des ", vowel ? "de l'" : "de la ", "des ");
    } else if (cls == 'k' || cls == 'l' || cls == '$' || cls == '%') {
        if (t == 2 || t == 4) {
            out = (WordClass(i + 1) == 'A' || i == end - 2) ? "des " : "de ";
        } else if (t == 1 || t == 3) {
            const SegmentRecord* seg = SegmentOf(i);
            const bool partitive = (seg != nullptr && seg->SegmentKind == 23) || cls == 'k' || cls == '%';
            if (!partitive) out = t == 1 ? "un " : "une ";
            else out = vowel ? "de l'" : t == 1 ? "du " : "de la ";
        }
    } else if (cls == 'h' || cls == 'i') {
        const bool d = TextAt(text.s, 0) == 'd';
        if (t == 2 || t == 4) {
            if (d) {
                Work36 f;
                if (WordClass(i + 1) == 'd' || WordClass(i + 2) == 'A') CopyCString(f.s, "des");
                else TextCopy(f.s, text.s);
                if (!EndsWithApostrophe(f.s)) AppendCString(f.s, " ");
                return AppendForm(first, i, f.s, 0, Blank::None);
            }
            const bool nounEnds = WordCategory(i + 1) == 10 &&
                                  (i + 1 == gWordCount - 1 || WordCategory(i + 2) != 10);
            if (nounEnds || WordClass(i + 1) == 'A') out = "des ";
            else out = vowel ? "d'" : "de ";
        } else if (t == 3) {
            out = d ? (vowel ? "de l'" : "de la ") : "une ";
        } else if (t == 1) {
            out = d ? (vowel ? "de l'" : "du ") : "un ";
        }
    }
    Work36 form;
    if (out != nullptr) CopyCString(form.s, out);
    else {
        TextCopy(form.s, text.s);
        AppendCString(form.s, " ");
    }
    return AppendForm(first, i, form.s, 0, Blank::None);
}

bool Indefinite(BoundedString& first, i32 i, u16 t, u16 rule, BoundedString& form) {
    Work36 text;
    RestoredText(i, text.s);
    static const struct {
        const char* stem;
        const char* forms[4];
    } kFamilies[] = {
        {"tou", {"tout ", "tous ", "toute ", "toutes "}},
        {"nul", {"nul ", "nuls ", "nulle ", "nulles "}},
        {"tel", {"tel ", "tels ", "telle ", "telles "}},
        {"quelques-uns", {"quelqu'un ", "quelques-uns ", "quelqu'une ", "quelques-unes "}},
        {"quelque", {"quelque ", "quelques ", "quelque ", "quelques "}},
        {"quel", {"quel ", "quels ", "quelle ", "quelles "}},
        {"certain", {"certain ", "certains ", "certaine ", "certaines "}},
        {"aucun", {"aucun ", "aucuns ", "aucune ", "aucunes "}},
        {"chacun", {"chacun ", "chacun ", "chacune ", "chacune "}},
        {"divers", {"divers ", "divers ", "diverse ", "diverses "}},
        {"nombreu", {"nombreux ", "nombreux ", "nombreuse ", "nombreuses "}},
        {"diff", {MR("différent "), MR("différents "), MR("différente "), MR("différentes ")}},
        {"maint", {"maint ", "maints ", "mainte ", "maintes "}},
        {"seul", {"seul ", "seuls ", "seule ", "seules "}},
    };
    if (t < 1 || t > 4) return false;
    for (const auto& f : kFamilies) {
        if (TextStartsWith(text.s, f.stem)) {
            CopyCString(form, f.forms[t - 1]);
            return true;
        }
    }
    if (TextStartsWith(text.s, "dim") || TextEndsWith(text.s, "di") || TextEndsWith(text.s, "dis")) {
        TextCopy(form, text.s);
        if (t == 2 || t == 4) {
            if (TextLast(form) != 's') AppendCString(form, gWords[i].WordCaseMode >= 3 ? "S" : "s");
        } else if (TextLast(form) == 's') {
            TextCut(form, TextLen(form) - 1);
        }
        AppendCString(form, " ");
        return true;
    }
    if (rule == kCodeClauseAgreement && TextAt(text.s, 0) == 'l') {
        CopyCString(form, ByTarget(t, "lequel ", "lesquels ", "laquelle ", "lesquelles "));
        return true;
    }
    if (rule == kCodeClauseAgreement && TextStartsWith(text.s, "ce")) {
        CopyCString(form, ByTarget(t, "celui ", "ceux ", "celle ", "celles "));
        return true;
    }
    TextCopy(form, text.s);
    AppendCString(form, " ");
    (void)first;
    return true;
}

bool Determiner(BoundedString& first, i32 i, i32 end, u16 t, u16 rule) {
    const u8 cls = WordClass(i);
    const BoundedString& text = gWords[i].WordText;
    Work36 form;
    const char* out = nullptr;
    const bool possVowel = VowelFollows(i, end, 9);
    if (cls == 'm' || cls == 'n' || cls == 'o') out = ByTarget(t, "mon ", "mes ", possVowel ? "mon " : "ma ", "mes ");
    else if (cls == 'p' || cls == 'q' || cls == 'r') out = ByTarget(t, "ton ", "tes ", possVowel ? "ton " : "ta ", "tes ");
    else if (cls == 's' || cls == 't' || cls == 'u') out = ByTarget(t, "son ", "ses ", possVowel ? "son " : "sa ", "ses ");
    else if (cls == 'v' || cls == 'w') out = ByTarget(t, "notre ", "nos ", "notre ", "nos ");
    else if (cls == 'x' || cls == 'y') out = ByTarget(t, "votre ", "vos ", "votre ", "vos ");
    else if (cls == 'z' || cls == '{') out = ByTarget(t, "leur ", "leurs ", "leur ", "leurs ");
    else if (cls == 'O') {
        const u8 c = WordFirstByte(i + 1);
        const bool vowel = WordExists(i + 1) && (c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u' || c > 'z');  // accented vowels; never z
        out = ByTarget(t, vowel ? "cet " : "ce ", "ces ", "cette ", "ces ");
    } else if (cls == 'T') out = "de ";
    else if (cls == 'c' || cls == 'd' || cls == 'e') {
        const bool vowel = i + 1 < end && WordExists(i + 1) && BeginsWithVowelByte(gWords[i + 1].WordText);
        out = ByTarget(t, vowel ? "l'" : "le ", "les ", vowel ? "l'" : "la ", "les ");
    }
    if (cls >= 'c' && cls <= 'i' &&
        (TextStartsWith(text, "un") || TextStartsWith(text, "Un") || TextStartsWith(text, "UN")))
        out = ByTarget(t, "un ", "des ", "une ", "des ");
    if (out != nullptr) {
        CopyCString(form.s, out);
        return AppendForm(first, i, form.s, 2, Blank::None);
    }
    if (cls == 'P' || cls == 'Q') {
        if (!Indefinite(first, i, t, rule, form.s)) TextCopy(form.s, text);
        return AppendForm(first, i, form.s, 2, Blank::None);
    }
    if (TextLen(text) >= 4 && TextStartsWith(text, "ce")) {
        CopyCString(form.s, ByTarget(t, "celui ", "ceux ", "celle ", "celles ") ? ByTarget(t, "celui ", "ceux ", "celle ", "celles ") : "");
        return AppendForm(first, i, form.s, 0, Blank::None);
    }
    return true;
}

// French ending by the analysis byte (the noun and adjective table).
void FrenchEnding(const WordRecord& w, u8 b, u16 t, BoundedString& form) {
    const u8 last = LastLetter(w.WordText);
    const u8 before = BeforeLast(w.WordText);
    const bool plural = t == 2 || t == 4;
    const bool fem = t == 3 || t == 4;
    u32 cut = 0;
    Work36 ending;
    auto suffixFor = [&](u8 byte) -> const BoundedString& {
        return gFrenchSuffixes[gLetterTable[fem ? byte - 137 : byte - 160]];
    };
    auto cutBy = [&](u32 sE, u32 s, u32 e, u32 other) { cut = last == 's' ? (before == 'e' ? sE : s) : (last == 'e' ? e : other); };
    if (b == 59) {
        if (!Sxz(last)) cut = last == 'e' ? 1 : 0;
        else cut = before == 'e' ? 2 : (w.ReadingFeatures[0] == 28 || w.ReadingFeatures[0] == 16 ? 0 : 1);
        if (fem) AppendCString(ending.s, "e");
    } else if (b == 91) {
        cut = Sxz(last) ? 1 : 0;
    } else if (b >= 64 && b <= 95) {
        cut = Sxz(last) ? 2 : 1;
        u8 letter = static_cast<u8>(b + 32);
        if (b == 64) letter = 0x90;        // ê
        else if (b == 92) letter = 0x8E;   // é
        else if (b == 93) letter = 0x95;   // ï
        else if (b == 94) letter = 0x91;   // ë
        else if (b == 95) letter = 0x8F;   // è
        AppendByteToString(ending.s, letter);
    } else if (b >= 33 && b <= 61) {
        if (!Sxz(last)) cut = last == 'e' ? 2 : 1;
        else cut = before == 'e' ? 3 : 2;
        u8 letter = static_cast<u8>(b + 64);
        if (b == 60) letter = 0x8E;
        else if (b == 61) letter = 0x95;
        AppendByteToString(ending.s, letter);
        if (fem) AppendCString(ending.s, "e");
        if (plural) AppendCString(ending.s, "s");
    } else if (b >= 160 && b <= 232) {
        const BoundedString& suffix = gFrenchSuffixes[gLetterTable[b - 160]];
        cut = static_cast<u32>(GetStringLength(suffix)) + (((last == 's' && b != 160) || last == 'x') ? 1 : 0);
        TextCopy(ending.s, suffix);
        if (plural) AppendCString(ending.s, (b == 161 || b == 162 || b == 171) ? "x" : "s");
    } else if (b >= 233 && b <= 251) {
        switch (b) {
            case 233: case 234: case 235: case 239: cutBy(5, 3, 4, 2); break;
            case 236: case 237: case 241: case 242: case 243: cutBy(5, 4, 4, 3); break;
            case 238: case 240: cutBy(4, 3, 3, 2); break;
            case 244: cutBy(6, 4, 5, 3); break;
            case 245: case 246: cutBy(5, 3, 4, 3); break;
            case 247: cutBy(8, 6, 7, 5); break;
            case 248: cutBy(7, 6, 6, 5); break;
            case 249: case 250: cutBy(8, 7, 7, 6); break;
            default: cutBy(6, 5, 5, 4); break;
        }
        TextCopy(ending.s, suffixFor(b));
    } else if (b == 252) {
        cut = last == 's' ? 1 : 0;
    } else if (b == 253) {
        cutBy(5, 4, 4, 3);
        CopyCString(ending.s, ByTarget(t, "eur", "eurs", "rice", "rices"));
    } else if (b == 254) {
        cutBy(7, 6, 6, 5);
        CopyCString(ending.s, ByTarget(t, "ateur", "ateurs", "atrice", "atrices"));
    } else if (b == 255) {
        cut = (last == 'e' || last == 'x') ? 3 : last == 's' ? 4 : 2;
        CopyCString(ending.s, ByTarget(t, "al", "aux", "ale", "ales"));
    } else {
        return;
    }
    CutEnd(form, cut);
    AppendString(form, ending.s);
    const bool addS = (b == 59 || b == 91 || (b >= 64 && b <= 95) || b == 252 || (b >= 233 && b <= 251));
    if (addS && plural) {
        const u8 l = TextLast(form);
        if (!((b == 59 || b >= 233) && (l == 's' || l == 'x'))) AppendCString(form, "s");
    }
}

// Categories 10 and 11: the word rewritten in its own text. false: given up.
bool NounAdjective(Passes& p, BoundedString& first, i32 i, u16 t) {
    WordRecord& w = gWords[i];
    const u8 cls = w.ReadingClasses[0];
    const u8 b = w.ReadingMarks[0];
    Work36 form;
    TextCopy(form.s, w.WordText);
    bool done = false;
    if (cls == 25 || cls == '+' || cls == '.') {
        if (t == 2) {
            w.ReadingFeatures[0] = 8;
            JoinedWordForm(i, t, 3, form.s);
        } else if (t == 1) {
            w.ReadingFeatures[0] = 4;
            JoinedWordForm(i, t, 4, form.s);
        }
        done = true;
    }
    if (!done && (cls == 'B' || cls == 'C' || cls == 'D' || cls >= 128)) {
        Work36 adj;
        RestoredText(i, adj.s);
        const u16 saved = gErrorExtent;
        gErrorExtent = t;
        const i16 r = InflectFrenchIrregularAdjective(adj.s);
        gErrorExtent = saved;
        if (r == 1) {
            const i32 amp = FindCSubstring(adj.s, "&");
            if (amp > 0) {
                if (p.pass == 1 && p.insidePair) {
                    TextCopy(form.s, p.kept.s);
                } else {
                    CopyBytesToString(form.s, adj.s.data, static_cast<u32>(amp - 1));
                    CopyBytesToString(p.kept.s, adj.s.data + amp, TextLen(adj.s) - static_cast<u32>(amp));
                    p.insidePair = true;
                }
            } else {
                TextCopy(form.s, adj.s);
            }
            done = true;
        }
    }
    if (!done && w.WordCaseMode <= 2) {
        if (b == 128 || b == 129) {
            if (TextEquals(w.WordText, "oeil-de-boeuf")) CopyCString(form.s, "oeils-de-boeuf");
            else if (TextStartsWith(w.WordText, "oeil") && (t == 2 || t == 4)) CopyCString(form.s, "yeux");
            else if (TextEquals(w.WordText, "yeux") && (t == 1 || t == 3)) CopyCString(form.s, "oeil");
            else EnglishVariantNoun(p, i, t == 3 ? 1 : t == 4 ? 2 : t, form.s);
        } else if (cls >= 128) {
            // A verb reading whose mark names no conjugation model (the
            // rules gave it a mark of their own) has no form to offer.
            if (b < 128) {
                gErrorExtent = kNoCorrection;
                return false;
            }
            u8 model = static_cast<u8>(b - 128);
            model = model == 4 ? 1 : model == 5 ? 3 : model == 6 ? 2 : model;
            Work36 ending;
            FrenchSlotEnding(FrenchRow(model), w.ReadingFeatures[0], ending.s);
            if (!TextEquals(ending.s, "$")) CutEnd(form.s, TextLen(ending.s));
            FrenchSlotEnding(FrenchRow(model), static_cast<u32>(t + 1), ending.s);
            if (TextLen(ending.s) == 0 || TextAt(ending.s, 0) == '0') {
                gErrorExtent = kNoCorrection;
                return false;
            }
            if (!TextEquals(ending.s, "$")) AppendString(form.s, ending.s);
        } else {
            FrenchEnding(w, b, t, form.s);
        }
    }
    if (w.CorrectionMark == 0 && !TextSame(form.s, w.WordText) && !IsKnownForm(form.s)) {
        gErrorExtent = kNoCorrection;
        return false;
    }
    TextCopy(w.WordText, form.s);
    if (w.FirstLigaturePos != 65535) ApplyLigatureSpelling(form.s, w.LigatureMode);
    return AppendForm(first, i, form.s, 1, Blank::UnlessApostrophe);
}

bool FrenchWord(Passes& p, BoundedString& first, i32 i, i32 firstWord, i32 end, u16 rule) {
    const u8 cat = WordCategory(i);
    const u8 cls = WordClass(i);
    const u16 t = p.target;
    if (cat < 4 || cat > 15 || cat == 5 || cat == 6 || cat == 12) return RelativePronoun(first, i, t);
    if (cat == 15) return Preposition(first, i, t);
    if (cat == 8 && (cls == 'S' || cls == 'R')) return Numeral(first, i, t);
    if (cat == 7 || cat == 9) return Article(first, i, firstWord, end, t);
    if (cat == 4 || cat == 8) return Determiner(first, i, end, t, rule);
    if (cat == 10 || cat == 11) return NounAdjective(p, first, i, t);
    return true;
}

// One pass of the agreement composer; false: no candidate form (step 4).
bool AgreementPass(Passes& p, BoundedString& first, u16 rule, i32 firstWord, i32 end) {
    p.target = gErrorExtent;
    const bool candidate = (rule == kCodeAttributeAgreement && WordClass(gLastErrorPos) == 'A') ||
                           (rule == kCodeClauseAgreement && French() && p.pass == 1 && p.rulePair &&
                            (p.target > (p.pairValue & 0xFF) ? p.target - (p.pairValue & 0xFF)
                                                            : (p.pairValue & 0xFF) - p.target) == 2);
    if (candidate && !CandidateNoun(p)) return false;
    for (i32 i = firstWord; i < end && WordExists(i); ++i) {
        const bool ok = French() ? FrenchWord(p, first, i, firstWord, end, rule) : EnglishWord(p, first, i);
        if (!ok || gErrorExtent == kNoCorrection) return true;
    }
    const u32 n = TextLen(first);
    if (n > 0 && first.data[n - 1] == ' ') first.data[n - 1] = 0;
    return true;
}

}  // namespace

void ComposeCorrection(BoundedString& firstCorrection, BoundedString& secondCorrection, RuleCode code, i16 first,
                       i16 end, u16 option) {
    TextClear(firstCorrection);
    TextClear(secondCorrection);
    Passes p;
    const i16 signedExtent = static_cast<i16>(gErrorExtent);
    if (signedExtent > 255 && code != kCodeHomophone) {
        p.rulePair = true;
        p.pairValue = gErrorExtent;
        gErrorExtent = static_cast<u16>(gErrorExtent & 0xFF);
    }
    for (p.pass = 0; p.pass < 2; ++p.pass) {
        u16 rule = code;
        if (rule == kCodeSubjectVerbAgreement && p.rulePair) rule = kCodePairedSubjectVerb;
        // An attribute agreement of variant 'A' is corrected as a participle.
        if (rule == kCodeAttributeAgreement && gErrorVariant == 'A') {
            ComposeCorrectionText(firstCorrection, secondCorrection, kCodeParticipleAgreement, first, end, option);
        } else if (TraitsOf(rule).recipe != CorrectionRecipe::kAgreement) {
            ComposeCorrectionText(firstCorrection, secondCorrection, rule, first, end, option);
        } else if (!AgreementPass(p, firstCorrection, rule, first, end)) {
            if (p.pass == 1) {
                TextCopy(firstCorrection, secondCorrection);
                gErrorExtent = static_cast<u16>(p.pairValue & 0xFF);
            }
            return;
        }
        if (gErrorExtent == kNoCorrection) return;
        const bool second = (p.rulePair || p.insidePair) && gAnalysisMode == 0;
        if (p.pass == 0 && second) {
            if (p.insidePair && !p.rulePair) p.pairValue = static_cast<u16>(p.target + 128);
            TextCopy(secondCorrection, firstCorrection);
            gErrorExtent = p.rulePair ? static_cast<u16>(p.pairValue >> 8) : p.target;
            TextClear(firstCorrection);
            continue;
        }
        if (p.pass == 1) {
            gErrorExtent = p.pairValue;
            if (TextLen(firstCorrection) == 0) TextCopy(firstCorrection, secondCorrection);
            if (WordExists(first) && TextEquals(gWords[first].SeparatorText, "au") && WordExists(first + 1) &&
                TextEquals(gWords[first + 1].SeparatorText, "cause"))
                CopyCString(firstCorrection, MR("à cause"));
        }
        break;
    }
}
