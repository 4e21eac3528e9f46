// Correction texts per rule: the frame and the word-choice recipes.
#include <cstring>

#include "checking/correction_common.h"
#include "checking/correction_forms.h"
#include "checking/word_access.h"
#include "frame/bounded_string.h"
#include "frame/mac_roman_literal.h"
#include "frame/settings.h"
#include "frame/tagged_words.h"
#include "morphology/correction_finishing.h"
#include "morphology/word_analysis.h"
#include "morphology/word_lookup.h"

namespace {

constexpr u8 kCCedilla = 0x8D;  // ç

bool French() { return gCheckingLanguage != 0; }

void SetC(BoundedString& s, const char* text) { CopyCString(s, text); }

bool IsPlural(i32 i) { return (WordFeature(i) & 15) > 4; }

StringList& FormList() {
    static StringList list;
    if (list.valid == 0) InitByteMatrix(list, kMaxCorrectionForms, 36);
    return list;
}

// Word i as written (case and quotes), without its ligatures.
void AsWritten(i32 i, BoundedString& out) {
    TextCopy(out, gWords[i].WordText);
    ApplyWordCase(i, out);
    if (gWords[i].QuoteFlags > 0 && gWords[i].QuoteFlags < 8192) RestoreQuotes(out, gWords[i].QuoteFlags);
}

// Quote merge of two words that become one text.
void MergeQuotes(BoundedString& first, i32 i) {
    WordRecord& w = gWords[i];
    if (w.QuoteFlags >= 1 && (w.QuoteFlags & 3) < 2 && WordExists(i + 1) && (gWords[i + 1].QuoteFlags & 3) >= 2)
        w.QuoteFlags = static_cast<u16>(w.QuoteFlags + 2);
    if (w.QuoteFlags >= 1) RestoreQuotes(first, w.QuoteFlags);
}

// ---- Incompatible neighbours (52) ------------------------------------------------

// Vowel sound at the start of a French word.
bool FrenchVowelSound(const BoundedString& b) {
    const u8 c = TextAt(b, 0);
    if (c == 'a' || c == 'e' || c == 'i' || (c > 'z' && c != kCCedilla)) return true;
    return (c == 'h' || c == 'y' || c == 'o' || c == 'u') && ProbesAsVowelSound(b);
}

enum class Pick { Form, Replaced, Empty, None, Refused };

const char* ByTable(const BoundedString& b, i32 next, const char* const (&texts)[6], const char* cls1,
                    const char* cls2) {
    static const char* const kWords[6] = {"lequel", "lesquels", "lesquelles", "ledit", "lesdits", "lesdites"};
    if (WordClass(next) == 'c') return cls1;
    if (WordClass(next) == 'e') return cls2;
    for (u32 k = 0; k < 6; ++k)
        if (TextEquals(b, kWords[k])) return texts[k];
    return nullptr;
}

Pick FrenchRule52Form(i32 i, const BoundedString& a, const BoundedString& b, bool vowel, BoundedString& form) {
    const u8 cls = WordClass(i);
    const i32 next = i + 1;
    auto set = [&](const char* t) {
        SetC(form, t);
        return Pick::Form;
    };
    if (cls == 'c' || cls == 'd') {
        if (vowel) return set(IsPlural(next) ? "les" : "l'");
        if (WordFeature(next) < 32) return set(WordClass(i - 1) == ' ' ? "au" : IsPlural(next) ? "les" : "le");
        return set(IsPlural(next) ? "les" : "la");
    }
    if (cls == ' ' || cls == '!') {
        if (!vowel) {
            static const char* const kAt[6] = {"auquel", "auxquels", "auxquelles", "au dit", "aux dits", "aux dites"};
            static const char* const kOf[6] = {"duquel", "desquels", "desquelles", "dudit", "desdits", "desdites"};
            const char* t = cls == ' ' ? ByTable(b, next, kAt, "au", "aux") : ByTable(b, next, kOf, "du", "des");
            if (t == nullptr) return Pick::Empty;
            SetC(form, t);
            return Pick::Replaced;
        }
        if (cls == '!') return set("d'");
    } else if (cls == 'j') {
        if (vowel) return set("d'");
    } else if (cls == 'k') {
        if (!vowel) return set("de");
        if (TextStartsWith(a, MR("à")) || TextEquals(a, "a") || WordClass(next) > 128) return set(MR("dû"));
        return set("de l'");
    } else if (cls == '|') {
        if (vowel) return set("l'");
    } else if (cls == 'G' || cls == 'U' || cls == 'V' || cls == 'Z' || cls == 'a' || cls == 22) {
        static const struct {
            u8 cls;
            const char* full;
            const char* elided;
        } kRows[] = {{'G', "que", "qu'"}, {'U', "je", "j'"}, {'V', "me", "m'"},
                     {'Z', "te", "t'"},   {'a', "se", "s'"}, {22, "ne", "n'"}};
        for (const auto& r : kRows)
            if (r.cls == cls) return set(vowel ? r.elided : r.full);
    } else if (cls == 'f') {
        if (vowel) return set(IsPlural(next) ? "aux" : MR("à l'"));
    } else if (cls == 'n' || cls == 'q' || cls == 't') {
        if (vowel) return set(cls == 'n' ? "mon" : cls == 'q' ? "ton" : "son");
    } else if (TextEquals(a, "c'") || TextEquals(a, "cet")) {
        if (!vowel) return set(WordFeature(next) >= 32 && WordFeature(next) <= 127 ? "cette" : "ce");
    } else if (TextEquals(a, "ce")) {
        if (vowel) {
            if (TextEquals(b, "est") || WordCategory(i) == 4) return set(TextAt(b, 0) == 'a' ? MR("ç'") : "c'");
            return set("cet");
        }
    } else if (TextEquals(a, "si")) {
        if (vowel) return set("s'");
    } else if (TextEquals(a, "jusqu'")) {
        if (!vowel) return set("jusque");
    } else if (TextEquals(a, "jusque")) {
        if (vowel) return set("jusqu'");
    } else if (TextEquals(a, "quelque") || TextEquals(a, "quelqu'")) {
        if (vowel) return set(TextEquals(a, "quelque") ? "quelqu'" : "quelque");
    }
    if (cls == 'B') {
        static const char* const kBefore[5] = {"bel", "nouvel", "fol", "mol", "vieil"};
        static const char* const kPlain[5] = {"beau", "nouveau", "fou", "mou", "vieux"};
        for (u32 k = 0; k < 5; ++k) {
            if (!vowel && TextEquals(a, kBefore[k])) return set(kPlain[k]);
            if (vowel && TextEquals(a, kPlain[k])) return set(kBefore[k]);
        }
        return Pick::Empty;
    }
    return Pick::Refused;
}

void NeighbourText(BoundedString& first, i32 i) {
    if (!WordExists(i + 1)) return;
    Work36 a, b, form;
    TextCopy(a.s, gWords[i].WordText);
    TextCopy(b.s, gWords[i + 1].WordText);
    if (!French()) {
        // A sentence's first "A" / "An" too; its capital comes back below.
        if (TextEquals(a.s, "a") || TextEquals(a.s, "A")) SetC(first, "an ");
        else if (TextEquals(a.s, "an") || TextEquals(a.s, "An")) SetC(first, "a ");
        else {
            gErrorExtent = kNoCorrection;
            return;
        }
        ApplyWordCase(i, first);
        ApplyWordQuotes(i, first);
    } else {
        if (gWords[i].WordCaseMode > 0) {
            gCaseMode = gWords[i].WordCaseMode;
            RestoreAccentedLowercase(a.s);
        }
        if (gWords[i + 1].WordCaseMode > 0) {
            gCaseMode = gWords[i + 1].WordCaseMode;
            RestoreAccentedLowercase(b.s);
        }
        const bool vowel = FrenchVowelSound(b.s);
        const Pick pick = FrenchRule52Form(i, a.s, b.s, vowel, form.s);
        if (pick == Pick::Refused) {
            gErrorExtent = kNoCorrection;
            return;
        }
        if (pick == Pick::Replaced) {
            FinishWordForm(i, form.s);
            TextCopy(first, form.s);
            return;
        }
        if (pick == Pick::Empty) return;
        FinishWordForm(i, form.s);
        if (!EndsWithApostrophe(form.s)) AppendCString(form.s, " ");
        TextCopy(first, form.s);
    }
    Work36 next;
    TextCopy(next.s, gWords[i + 1].WordText);
    ApplyWordCase(i + 1, next.s);
    ApplyWordQuotes(i + 1, next.s);
    AppendUnderLimit(first, next.s);
}

// ---- Homophones (32) --------------------------------------------------------------

void HomophoneText(BoundedString& first, BoundedString& second, i32 i) {
    const BoundedString& text = gWords[i].WordText;
    if (French()) {
        if (TextStartsWith(text, "vielle")) {
            gErrorVariant = 'G';
            SetC(first, "vieille");
            if ((WordFeature(i) & 31) >= 8) AppendCString(first, "s");
            return;
        }
        if (TextStartsWith(text, "quand")) {
            gErrorVariant = 'G';
            SetC(first, MR("où"));
            return;
        }
        if (TextStartsWith(text, "dans")) {
            gErrorVariant = 'G';
            SetC(first, MR("à"));
            return;
        }
        if (IsOpinionPreposition(i)) {  // "Sur mon avis": "À mon avis"
            gErrorVariant = 'G';
            SetC(first, MR("à"));
            ApplyWordCase(i, first);
            return;
        }
        const u8 mark = WordMark(i);
        if (mark == 'J' || mark == '@' || (mark & 0x7F) == 16) {
            gErrorVariant = 0;
            Work36 verb;
            const u8 model = mark == 'J' ? 53 : mark == '@' ? 41 : 17;
            SetC(verb.s, mark == 'J' ? "rendre" : mark == '@' ? "savoir" : "avoir");
            u8 slot = WordFeature(i);
            if (slot > 127) slot = static_cast<u8>(slot - 128);
            RunConjugationStage(first, second, 32, i, verb.s, model, 0, slot);
            return;
        }
        if (gErrorExtent == 9999 && TextStartsWith(text, "que")) {
            gErrorVariant = 'G';
            SetC(first, "ce que");
            return;
        }
    }
    StringList& list = TaggedWordsFor(gCheckingLanguage);
    if (gErrorExtent >= list.count) {
        gErrorExtent = kNoCorrection;
        return;
    }
    CopyTaggedWord(list[gErrorExtent], first);
    if (gHomophoneAgreement / 2 == 1) AppendCString(first, "e");
    if (gHomophoneAgreement % 2 == 1) AppendCString(first, "s");
    ApplyWordCase(i, first);
    ApplyWordQuotes(i, first);
}

// ---- Ligature, hyphen, verb construction, partitive, negation, repeated word -------

void LigatureText(BoundedString& first, i32 i) {
    WordRecord& w = gWords[i];
    TextCopy(first, w.WordText);
    if (gErrorDetail == 222) {
        SetC(first, MR("œil-de-bœuf"));
        w.FirstLigaturePos = 0;
    }
    if (gErrorVariant == 'L') {
        if (w.FirstLigaturePos == gErrorExtent) {
            gErrorExtent = kNoCorrection;
            return;
        }
        if (w.FirstLigaturePos == 65535) w.FirstLigaturePos = gErrorExtent;
        else w.SecondLigaturePos = gErrorExtent;
    } else if (gErrorVariant == 'D') {
        if (w.SecondLigaturePos == 65535) w.FirstLigaturePos = 65535;
        else w.SecondLigaturePos = 65535;
    }
    if (w.FirstLigaturePos < 65535 && gErrorDetail != 222) ApplyLigatureSpelling(first, w.LigatureMode);
    ApplyWordCase(i, first);
    ApplyWordQuotes(i, first);
    w.FirstLigaturePos = 65535;
    w.SecondLigaturePos = 65535;
}

void HyphenText(BoundedString& first, i32 i) {
    TextCopy(first, gWords[i].WordText);
    ApplyWordLigature(i, first);
    ApplyWordCase(i, first);
    if (gErrorVariant == 'A') {
        const u32 n = TextLen(first);
        for (u32 k = 0; k < n; ++k)
            if (first.data[k] == '-') first.data[k] = ' ';
    } else {
        if (gErrorVariant == 'S') AppendCString(first, "s");
        Work36 next;
        TextCopy(next.s, gWords[i + 1].WordText);
        ApplyWordLigature(i + 1, next.s);
        ApplyWordCase(i + 1, next.s);
        if (!FitsLimit(first, next.s, 2)) {
            gErrorExtent = kNoCorrection;
            return;
        }
        AppendCString(first, "-");
        AppendString(first, next.s);
    }
    MergeQuotes(first, i);
}

void VerbConstructionText(BoundedString& first, BoundedString& second, i32 i) {
    Work36 w;
    TextCopy(w.s, gWords[i].WordText);
    switch (gErrorDetail) {
        case 10: {
            if (i == 0) {
                gErrorExtent = kNoCorrection;
                return;
            }
            const u8 subject = WordClass(i - 1);
            SetC(first, subject == 'U' ? "me " : subject == 'Y' ? "te " : subject == 'X' ? "nous " : subject == '\\' ? "vous " : "se ");
            AppendUnderLimit(first, w.s);
            return;
        }
        case 126: {
            const u8 cls = WordClass(i);
            if (cls == 'V') SetC(first, "moi");
            else if (cls == 'Z') SetC(first, "toi");
            else if (cls == 'a') SetC(first, "soi");
            else if (TextEquals(w.s, "le")) SetC(first, "lui");
            else if (TextEquals(w.s, "la")) SetC(first, "elle");
            else if (TextEquals(w.s, "les")) {
                SetC(first, "eux");
                SetC(second, "elles");
                gErrorExtent = static_cast<u16>(gErrorExtent * 257);
                ApplyWordCase(i, second);
                ApplyWordQuotes(i, second);
            } else {
                gErrorExtent = kNoCorrection;
                return;
            }
            ApplyWordCase(i, first);
            ApplyWordQuotes(i, first);
            return;
        }
        case 255: case 257:
            SetC(first, MR("à "));
            if (WordCategory(i) == 15) return;
            ApplyWordCase(i, w.s);
            ApplyWordQuotes(i, w.s);
            AppendUnderLimit(first, w.s);
            return;
        case 258: case 259: {
            const u8 c = WordFirstByte(i + 1);
            const bool vowel = WordExists(i + 1) && (c == 'a' || c == 'e' || c == 0x8E || c == 0x90 || c == 'i' ||
                                                     c == 'o' || c == 'u' || c == 'y');
            SetC(first, vowel ? "d'" : "de ");
            if (WordCategory(i) == 15) return;
            ApplyWordCase(i, w.s);
            ApplyWordQuotes(i, w.s);
            AppendUnderLimit(first, w.s);
            return;
        }
        case 256: return;
        default: gErrorExtent = kNoCorrection; return;
    }
}

void PartitiveText(BoundedString& first, i32 i, i32 end) {
    const u8 c = WordFirstByte(end);
    const bool vowel = c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u' || (c > 128 && c != kCCedilla);
    Work36 t;
    SetC(t.s, vowel ? "d'" : "de");
    ApplyWordCase(i, t.s);
    ApplyWordQuotes(i, t.s);
    AppendUnderLimit(first, t.s);
}

void NegationText(BoundedString& first, BoundedString& second) {
    const i32 p = gLastErrorPos;
    if (!WordExists(p)) return;
    Work36 w, next;
    TextCopy(w.s, gWords[p].WordText);
    ApplyWordLigature(p, w.s);
    if (gErrorVariant == 'P') {
        if (gErrorDetail == 2) {
            TextCopy(next.s, gWords[p + 1].WordText);
            TextCopy(first, w.s);
            AppendCString(first, " pas ");
            AppendUnderLimit(first, next.s);
            TextCopy(second, w.s);
            AppendCString(second, " ");
            AppendString(second, next.s);
            AppendCString(second, " pas");
        } else {
            TextCopy(first, w.s);
            AppendCString(first, " pas");
            TextCopy(second, w.s);
            AppendCString(second, " plus");
        }
        ApplyWordCase(p, first);
        ApplyWordCase(p, second);
        ApplyWordQuotes(p, first);
        ApplyWordQuotes(p, second);
        return;
    }
    if (gErrorVariant != 'N') return;
    const u8 c = TextAt(w.s, 0);
    const bool vowel = c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u' || c == 'y' || c == 0x8E ||
                       c == 0x89 || c == 0x90;
    if (vowel && gErrorDetail == 0 && p > 0 && EndsWithApostrophe(gWords[p - 1].WordText)) {
        TextCopy(first, gWords[p - 1].WordText);
        first.data[TextLen(first) - 1] = 'e';
        ApplyWordCase(p - 1, first);
        ApplyWordQuotes(p - 1, first);
        AppendCString(first, " n'");
        ApplyWordQuotes(p, w.s);
        AppendUnderLimit(first, w.s);
        return;
    }
    SetC(first, vowel ? "n'" : "ne ");
    AppendUnderLimit(first, w.s);
    ApplyWordCase(p, first);
    ApplyWordQuotes(p, first);
}

// ---- Unknown word (1) -------------------------------------------------------------

// Ordinal written with a wrong suffix ("1ere", "3ème", "2nde").
bool OrdinalForm(const BoundedString& word, BoundedString& out) {
    const u32 n = TextLen(word);
    u32 d = 0;
    while (d < n && word.data[d] >= '0' && word.data[d] <= '9') ++d;
    if (d == 0) return false;
    Work36 suffix;
    CopyBytesToString(suffix.s, word.data + d, n - d);
    CopyBytesToString(out, word.data, d);
    const u32 sl = n - d;
    const bool one = d == 1 && word.data[0] == '1';
    const bool two = d == 1 && word.data[0] == '2';
    const char* tail = nullptr;
    if (one && TextEquals(suffix.s, "e")) tail = "er";
    else if (one && TextEquals(suffix.s, "es")) tail = "ers";
    else if (one && (TextEquals(suffix.s, MR("ère")) || TextEquals(suffix.s, "ere"))) tail = "re";
    else if (one && (TextEquals(suffix.s, MR("ères")) || TextEquals(suffix.s, "eres"))) tail = "res";
    else if (sl < 5 && TextEndsWith(suffix.s, "me")) tail = "e";
    else if (sl < 6 && TextEndsWith(suffix.s, "mes")) tail = "es";
    else if (two && TextEquals(suffix.s, "nd")) tail = "d";
    else if (two && TextEquals(suffix.s, "nds")) tail = "ds";
    else if (two && TextEquals(suffix.s, "nde")) tail = "de";
    else if (two && TextEquals(suffix.s, "ndes")) tail = "des";
    if (tail == nullptr) return false;
    AppendCString(out, tail);
    return true;
}

// Words i .. i + count - 1 as written, joined by blanks.
bool JoinSpan(BoundedString& out, i32 i, i32 count, i32 slack) {
    Work36 w;
    for (i32 k = i; k < i + count && WordExists(k); ++k) {
        AsWritten(k, w.s);
        if (GetStringLength(out) + GetStringLength(w.s) + 1 > kCorrectionLimit + slack) {
            gErrorExtent = kNoCorrection;
            return false;
        }
        if (GetStringLength(out) > 0) AppendCString(out, " ");
        AppendString(out, w.s);
    }
    return true;
}

// Fixed variants of rule 1; false when the variant is not one of them.
bool Rule1Fixed(BoundedString& first, i32 i) {
    const BoundedString& text = gWords[i].WordText;
    const u32 n = TextLen(text);
    switch (gErrorVariant) {
        case 'M':
            TextCopy(first, text);
            gCaseMode = gErrorDetail == 1 ? 1 : gErrorDetail == 2 ? 2 : gErrorDetail == 3 ? 4 : gErrorDetail;
            gVariantIndex = 2;
            if (gCaseMode > 0) ApplyCapitalization(first);
            return true;
        case 'N':
            if (!French()) return false;
            if (!OrdinalForm(text, first)) gErrorExtent = kNoCorrection;
            return true;
        case 'P':
            TextCopy(first, text);
            AppendCString(first, ".");
            return true;
        case 'X':
            TextCopy(first, text);
            TextCut(first, n > 0 ? n - 1 : 0);
            gErrorExtent = 0;
            return true;
        case 'C': case 'S': {
            SetC(first, gErrorVariant == 'C' ? "more " : "most ");
            Work36 cut;
            TextCopy(cut.s, text);
            TextCut(cut.s, n > gErrorDetail ? n - gErrorDetail : 0);
            AppendString(first, cut.s);
            if (gErrorDetail == (gErrorVariant == 'C' ? 3 : 4)) AppendCString(first, "y");
            gErrorExtent = 0;
            return true;
        }
        default: return false;
    }
}

void SpellingText(BoundedString& first, BoundedString& second, i32 i, i32 end, u16 option) {
    const WordRecord& w = gWords[i];
    if (w.WordCaseMode >= 3 && TextLen(w.WordText) < 4) {
        gErrorExtent = kNoCorrection;
        return;
    }
    const u16 lang = static_cast<u16>(gCheckingLanguage << 8);
    const u16 formMode = static_cast<u16>(lang + (WordClass(i) == '@' || option == 0 ? 7 : 5));
    if (Rule1Fixed(first, i)) return;

    StringList& forms = FormList();
    i16 n = 0;
    if (gAnalysisMode != 1) {
        n = BuildWordFormsForCorrection(formMode, static_cast<i16>(i), forms);
        if (n > 0) {
            TextCopy(first, forms[0]);
            if (n >= 2) {
                gErrorExtent = kExtentAlternative;
                TextCopy(second, forms[1]);
            }
            gSpellingSuggestionCount = 0;
            for (i16 k = 2; k < n && k - 2 < static_cast<i16>(gSpellingSuggestions.count); ++k) {
                CopyString(gSpellingSuggestions[k - 2], forms[k]);
                ++gSpellingSuggestionCount;
            }
            gLastRule = kCodeUnknownWord;
            gLastErrorPos = static_cast<i16>(i);
        } else if (gCorrectionFormCount >= 1) {
            TextCopy(first, gCorrectionWorkString);
            gWords[i].FirstLigaturePos = 65535;
            gWords[i].SecondLigaturePos = 65535;
            gFoundInLexicon = 0;
            AnalyseCopy(800, first);
            ApplyLigatureSpelling(first, gFoundInLexicon);
            gLastRule = kCodeUnknownWord;
            gLastErrorPos = static_cast<i16>(i);
        } else if (gErrorVariant == 'A' || gErrorVariant == 'B') {
            gErrorDetail = static_cast<u16>(end - i);
            if (!JoinSpan(first, i, gErrorDetail, 0)) return;
        } else {
            gErrorExtent = kNoCorrection;
            return;
        }
    } else {
        if (w.WordCaseMode > 0) {
            gErrorExtent = kNoCorrection;
            return;
        }
        n = BuildWordFormsForCorrection(formMode, static_cast<i16>(i), forms);
        if (n > 0) TextCopy(first, forms[0]);
        gErrorVariant = 0;
    }

    gErrorDetail = static_cast<u16>(end - i);
    const bool englishUniq = !French() && gActiveLangUniq == 1;
    if (gErrorVariant == 'B') {
        if (englishUniq) {
            gErrorExtent = kNoCorrection;
            return;
        }
        gErrorExtent = kExtentAlternative;
        Work36 word;
        for (i32 k = i + 1; k < end && WordExists(k); ++k) {
            AsWritten(k, word.s);
            if (!JoinUnderLimit(first, word.s, 1)) return;
        }
        TextClear(second);
        if (!JoinSpan(second, i, end - i, 0)) return;
    } else if (gErrorVariant == 'A') {
        if (end - i <= 1) {
            if (gActiveLangUniq == 1 && n == 0) {
                gErrorExtent = kNoCorrection;
                return;
            }
            if (n == 1) {
                gErrorExtent = kExtentAlternative;
                AsWritten(i, second);
            }
        } else {
            if (englishUniq) {
                gErrorExtent = kNoCorrection;
                return;
            }
            gErrorExtent = kExtentSpellingForms;
            TextClear(first);
            if (!JoinSpan(first, i, end - i, 0)) return;
        }
    }
    ApplyWordCase(i, first);
    ApplyWordCase(i, second);
    if (w.QuoteFlags >= 1 && w.QuoteFlags <= 8191) {
        RestoreQuotes(first, w.QuoteFlags);
        RestoreQuotes(second, w.QuoteFlags);
    }
}

}  // namespace

void ComposeCorrectionText(BoundedString& first, BoundedString& second, u16 rule, i16 word, i16 end,
                           u16 option) {
    TextClear(first);
    const i32 i = word;
    using R = CorrectionRecipe;
    const R recipe = TraitsOf(rule).recipe;
    // A missing verb and a negation name their words themselves.
    if (!WordExists(i) && recipe != R::kMissingVerb && recipe != R::kNegation) {
        gErrorExtent = kNoCorrection;
        return;
    }
    switch (recipe) {
        case R::kSubjectVerb: case R::kParticiple: case R::kMood: case R::kSynonym:
            ComposeVerbText(first, second, rule, i);
            break;
        case R::kNeighbours: NeighbourText(first, i); break;
        case R::kHomophone: HomophoneText(first, second, i); break;
        case R::kConfusable: ComposeConfusableText(first, second, i, option); break;
        case R::kLigature: LigatureText(first, i); break;
        case R::kHyphen: HyphenText(first, i); break;
        case R::kVerbConstruction: VerbConstructionText(first, second, i); break;
        case R::kPartitive: PartitiveText(first, i, end); break;
        case R::kMissingVerb: ComposeMissingVerbText(first); break;
        case R::kRepeatedWord: FinishedWordText(i, first); break;
        case R::kSpelling: SpellingText(first, second, i, end, option); break;
        case R::kNegation: NegationText(first, second); break;
        case R::kNone: case R::kAgreement: return;
    }
    if (gErrorExtent > 255 && gErrorExtent != kNoCorrection && TextSame(first, second))
        gErrorExtent = static_cast<u16>(gErrorExtent - 256);
}
