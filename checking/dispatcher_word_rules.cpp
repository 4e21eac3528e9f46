// The dispatcher's word rules: unknown and foreign words (1), repeated
// words (16), ligatures (37), missing hyphens (39), vocabulary register (8)
// and the decoding of the locution result (40, held 52 and 32).
#include <cstring>

#include "checking/correction_common.h"
#include "checking/dispatcher_rules.h"
#include "checking/word_access.h"
#include "frame/list_search.h"
#include "frame/loader.h"
#include "frame/mac_roman.h"
#include "frame/mac_roman_literal.h"
#include "frame/settings.h"
#include "lexicon/lex_lookup.h"
#include "lexicon/synonyms.h"
#include "morphology/dict_format.h"
#include "morphology/token_base_form.h"
#include "morphology/section_walk.h"
#include "morphology/word_analysis.h"
#include "morphology/word_lookup.h"
#include "rules/clause/clause_rules.h"

namespace {

constexpr u8 kLigatureOe = 207;
constexpr u8 kLigatureAe = 190;
constexpr u16 kForeignRun = 8192;
// Variants of rule 37, as the explanation texts and the corrections read
// them: 'L' a ligature is missing (the correction makes it), 'D' a typed
// ligature is not due (the correction undoes it).
constexpr u8 kLigatureMissing = 'L';
constexpr u8 kLigatureAbusive = 'D';

struct RuleStorage {
    BoundedArray<u16> tags;  // 20
    BoundedString work;
    BoundedString key;
    StringList workStrings;  // 16 x 36
    StringList synonyms;     // 100 x 120
    FormEntry form;
};

RuleStorage& Storage() {
    static RuleStorage s;
    if (s.work.valid == 0) {
        s.tags.Allocate(20);
        s.work.Allocate(36);
        s.key.Allocate(80);
        InitByteMatrix(s.workStrings, 16, 36);
        InitByteMatrix(s.synonyms, 100, 120);
        InitFormEntry(s.form);
    }
    return s;
}

// ---- Unknown word (1) ---------------------------------------------------------

bool QualifiesAsUnknown(i32 i) {
    return WordCategory(i) == 32 || (WordClass(i) == '@' && WordFeature(i) == 0);
}

u16 AnalyseInLanguage(RuleStorage& st, u16 language, BoundedString& word) {
    const u16 saved = gCheckingLanguage;
    if (saved != language) SelectLanguageTables(language);
    gCaseMode = 65535;
    u16 count = 0;
    AnalyseWordForms(language == 0 ? 0 : 800, word, count, st.workStrings);
    if (saved != language) SelectLanguageTables(saved);
    return count;
}

// English one-form lookup of the stem; the number of analyses, the first
// tag's class byte in cls.
u16 LookUpEnglish(RuleStorage& st, u8& cls) {
    u16 count = 0;
    cls = 0;
    LookupWordForm(0, st.work, st.tags, count);
    if (count > 0) cls = static_cast<u8>(st.tags[0] >> 8);
    return count;
}

// st.work := the word less its last `cut` letters, plus `add`.
void Stem(RuleStorage& st, i32 i, i32 cut, const char* add) {
    CopySubstring(gWords[i].WordText, 1, static_cast<i16>(WordLength(i) - cut), st.work);
    AppendCString(st.work, add);
}

bool EndsWith(i32 i, const char* tail) {
    const i32 n = WordLength(i);
    const i32 t = static_cast<i32>(std::strlen(tail));
    return n >= t && std::memcmp(gWords[i].WordText.data + n - t, tail, static_cast<size_t>(t)) == 0;
}

// The English variants of an unknown word: regional spellings, plurals
// of adjectives, comparatives and superlatives.
void ChooseEnglishVariant(RuleStorage& st, i32 i) {
    u8 cls = 0;
    if (gActiveVariantB != 0 || gActiveVariantA != 0) {
        CopyString(st.work, gWords[i].WordText);
        u16* sw = gActiveVariantB != 0 ? &gActiveVariantB : &gActiveVariantA;
        const u8 variant = gActiveVariantB != 0 ? 'U' : 'K';
        const u16 saved = *sw;
        *sw = 0;
        const u16 found = LookUpEnglish(st, cls);
        *sw = saved;
        if (found > 0) {
            gErrorVariant = variant;
            return;
        }
    }
    const i32 n = WordLength(i);
    if (EndsWith(i, "s") && gWords[i].WordCaseMode != 77) {
        Stem(st, i, 1, "");
        if (LookUpEnglish(st, cls) == 1 && cls == 0x38) {
            gErrorVariant = 'J';
            return;
        }
        if (CompareWordText(st.work, "ought") == kCompareEqual ||
            CompareWordText(st.work, "shall") == kCompareEqual) {
            gErrorVariant = 'X';
            return;
        }
    }
    if (n > 7 && EndsWith(i, "er") && !EndsWith(i, "ier")) {
        Stem(st, i, 1, "");
        if (LookUpEnglish(st, cls) > 0 && cls == 0x38) {
            gErrorVariant = 'C';
            gErrorDetail = 1;
            return;
        }
        Stem(st, i, 2, "");
        if (LookUpEnglish(st, cls) > 0 && cls == 0x38) {
            gErrorVariant = 'C';
            gErrorDetail = 2;
            return;
        }
    } else if (n > 7 && EndsWith(i, "ier")) {
        Stem(st, i, 3, "y");
        if (LookUpEnglish(st, cls) > 0 && (cls == 0x38 || cls == 0x3A)) {
            gErrorVariant = 'C';
            gErrorDetail = 3;
            return;
        }
    }
    if (n >= 9 && EndsWith(i, "est")) {
        if (EndsWith(i, "iest")) {
            Stem(st, i, 4, "y");
            if (LookUpEnglish(st, cls) > 0 && (cls == 56 || cls == 58)) {
                gErrorVariant = 'S';
                gErrorDetail = 4;
                return;
            }
        }
        Stem(st, i, 2, "");
        if (LookUpEnglish(st, cls) > 0 && (cls == 56 || cls == 58)) {
            gErrorVariant = 'S';
            gErrorDetail = 2;
            return;
        }
        Stem(st, i, 3, "");
        if (LookUpEnglish(st, cls) > 0 && (cls == 56 || cls == 58)) {
            gErrorVariant = 'S';
            gErrorDetail = 3;
        }
    }
}

enum class ForeignOutcome { NotForeign, SetAside, Reported };

// The foreign run reported last (word indexes). The driver restores the
// word table before every dispatcher call, so the run marks on its words
// are gone by the next call: while the series still stands at the run's
// first word, its later words are passed over here instead.
struct ForeignRunSpan {
    i32 first = -1;
    i32 last = -1;
};
ForeignRunSpan gReportedForeignRun;

bool InReportedForeignRun(i32 i) {
    const ForeignRunSpan& r = gReportedForeignRun;
    return gLastRule == kCodeUnknownWord && gLastErrorPos == r.first && i > r.first && i <= r.last;
}

// Words of the other language: a run found there is reported once, from
// its first word; inside quotation marks it is not reported.
ForeignOutcome CheckOtherLanguage(RuleStorage& st, i32 i) {
    WordRecord& w = gWords[i];
    const u16 here = gCheckingLanguage;
    const u16 other = here == 0 ? 3 : 0;
    CopyString(st.work, w.WordText);
    if (AnalyseInLanguage(st, other, st.work) == 0) return ForeignOutcome::NotForeign;
    if (w.QuoteFlags >= 5 && w.QuoteFlags <= 7) return ForeignOutcome::SetAside;
    if (gActiveLangUniq == 0) {
        gErrorVariant = 'A';
        w.QuoteFlags = kForeignRun;
    }
    const i32 lastWord = gWordCount - 1;
    i32 runLast = i;
    u16 detail = 0;
    if (i == lastWord) {
        detail = 1;
    } else {
        for (i32 k = i; k < lastWord; ++k) {
            if (k > i) {
                CopyString(st.work, gWords[k].WordText);
                if (AnalyseInLanguage(st, other, st.work) == 0) break;
            }
            ++detail;
            gWords[k].QuoteFlags = kForeignRun;
            runLast = k;
        }
    }
    gErrorDetail = detail;
    bool allKnownHere = runLast > i;
    for (i32 k = i + 1; k <= runLast && allKnownHere; ++k) {
        CopyString(st.work, gWords[k].WordText);
        if (AnalyseInLanguage(st, here, st.work) == 0) allKnownHere = false;
    }
    if (allKnownHere && gErrorDetail >= 2 && gActiveLangUniq == 0) gErrorVariant = 'B';
    if (gErrorDetail > 0 && (WordCategory(runLast) == 21 || WordCategory(runLast) == 20 || WordIs(runLast, "a"))) {
        --gErrorDetail;
    }
    if (gErrorDetail == 1 && gActiveLangUniq == 0) {
        w.QuoteFlags = 8199;
        gErrorVariant = 'A';
    } else {
        w.QuoteFlags = 8197;
        gWords[runLast].QuoteFlags = 8198;
    }
    gReportedForeignRun = {i, runLast};
    return ForeignOutcome::Reported;
}

void CheckCaseVariant(RuleStorage& st, i32 i) {
    WordRecord& w = gWords[i];
    if (w.WordCaseMode <= 64 || w.WordCaseMode == 65535) return;
    gErrorVariant = static_cast<u8>(w.WordCaseMode);
    CopyCString(st.key, "::");
    AppendString(st.key, w.WordText);
    const u16 saved = gCheckingLanguage;
    if (saved != 3) SelectLanguageTables(3);
    u16 count = 0;
    LookupInDictSection(800, 10, st.key, st.tags, count);
    if (saved != 3) SelectLanguageTables(saved);
    gErrorDetail = count > 0 ? 3 : 1;
    w.WordCaseMode = 0;
}

// ---- Ligature (37) ----------------------------------------------------------

bool IsLetter(u8 c, char lower) { return c == static_cast<u8>(lower) || c == static_cast<u8>(lower - 32); }

bool LigatureRecorded(const WordRecord& w, i32 q) {
    return (w.FirstLigaturePos != kNoLigaturePos && w.FirstLigaturePos == q) ||
           (w.SecondLigaturePos != kNoLigaturePos && w.SecondLigaturePos == q);
}

bool FireLigature(i32 i, u8 variant, u8 ligature, i32 q) {
    gErrorVariant = variant;
    gErrorDetail = ligature;
    gErrorExtent = static_cast<u16>(q);
    Fire(kCodeLigature, i);
    return true;
}

// A word spelt as the user lexicon stores it.
bool CheckLexiconLigatures(RuleStorage& st, i32 i) {
    static const u8 kClasses[] = {60, 61, 64, 65, 66};
    WordRecord& w = gWords[i];
    bool found = false;
    for (u8 cls : kClasses) {
        if (GetFirstLexFormNormalised(w.WordText, st.form, cls) != 0) {
            found = true;
            break;
        }
    }
    if (!found) return false;
    const BoundedString& f = st.form.LemmaText;
    const i32 fn = GetStringLength(f);
    const i32 tn = WordLength(i);
    i32 q = 0;
    for (i32 p = 0; p < fn && q < tn; ++p) {
        const u8 c = f.data[p];
        if (c == kLigatureOe || c == kLigatureAe) {
            if (!LigatureRecorded(w, q)) return FireLigature(i, kLigatureMissing, c, q);
            q += 2;
            continue;
        }
        if (LigatureRecorded(w, q) && q + 1 < tn && p + 1 < fn) {
            const u8 lig = IsLetter(w.WordText.data[q], 'o') ? kLigatureOe : kLigatureAe;
            return FireLigature(i, kLigatureAbusive, lig, q);
        }
        ++q;
    }
    return false;
}

bool BeginsLower(i32 i, const char* const* list, u32 n) {
    for (u32 k = 0; k < n; ++k) {
        if (WordBegins(i, list[k])) return true;
    }
    return false;
}

bool ScanLigatures(i32 i) {
    static const char* const kOeDue[] = {"coel", "foehn", "loess", "angst", "phoen"};
    static const char* const kAeDue[] = {"alth", "caec", "caes", "caet", "cham", "naev", "taen", "urae"};
    WordRecord& w = gWords[i];
    const u8* t = w.WordText.data;
    const i32 n = WordLength(i);
    const bool anyRecorded = w.FirstLigaturePos != kNoLigaturePos;
    for (i32 k = 1; k < n; ++k) {
        const i32 q = k - 1;
        if (!IsLetter(t[k], 'e')) continue;
        if (IsLetter(t[q], 'o')) {
            const bool due = q == 0 || (k + 1 < n && IsLetter(t[k + 1], 'u')) || BeginsLower(i, kOeDue, 5);
            if (due && !anyRecorded) return FireLigature(i, kLigatureMissing, kLigatureOe, q);
            if (!due && LigatureRecorded(w, q)) return FireLigature(i, kLigatureAbusive, kLigatureOe, q);
        } else if (IsLetter(t[q], 'a')) {
            const bool due = BeginsLower(i, kAeDue, 8);
            if (due && !anyRecorded) return FireLigature(i, kLigatureMissing, kLigatureAe, q);
            if (!due && LigatureRecorded(w, q)) return FireLigature(i, kLigatureAbusive, kLigatureAe, q);
        }
    }
    return false;
}

// ---- Hyphen (39) ------------------------------------------------------------

// key := prefix + word a + hyphen mark + word b, with '-' inside the
// words also turned into the mark.
// Built in place and copied once (the copy cuts it to the key's room).
void HyphenKey(RuleStorage& st, const char* prefix, i32 a, i32 b) {
    constexpr i32 kPart = 100;  // longer than the key's room
    u8 text[2 * kPart + 8];
    i32 n = 0;
    const auto put = [&text, &n](const u8* p, i32 k) {
        if (k > kPart) k = kPart;
        if (k > 0) std::memcpy(text + n, p, static_cast<size_t>(k));
        n += k;
    };
    put(reinterpret_cast<const u8*>(prefix), static_cast<i32>(std::strlen(prefix)));
    put(gWords[a].WordText.data, GetStringLength(gWords[a].WordText));
    text[n++] = kMarkHyphen;
    put(gWords[b].WordText.data, GetStringLength(gWords[b].WordText));
    for (i32 k = 0; k < n; ++k) {
        if (text[k] == '-') text[k] = kMarkHyphen;
    }
    CopyBytesToString(st.key, text, n);
}

// The detail of a French hyphen finding is the entry of the number-word
// list that gave it (the explanation says its rule by it); a pair found in
// the dictionary has no rule of its own to tell.
constexpr u16 kNoHyphenRule = 102;

// The finding spans the pair from `first`; it stands at `at`, the word
// whose rule the explanation tells (the pronoun after an imperative, the
// "ci" after a noun, the prefix).
RuleCode FireHyphen(i32 first, u16 detail, i32 at) {
    gErrorDetail = detail;
    gErrorExtent = static_cast<u16>(first);
    Fire(kCodeHyphen, at);
    return kCodeHyphen;
}
RuleCode FireHyphen(i32 first, u16 detail) { return FireHyphen(first, detail, first); }

RuleCode EnglishHyphen(RuleStorage& st) {
    const i32 n = gWordCount;
    for (i32 i = 0; i <= n - 2; ++i) {
        if (!MayReport(kCodeHyphen, i)) continue;
        const i32 len = WordLength(i);
        const i32 tens = len >= 5 && len <= 7 ? FindListEntry(gEnglishNumberWords, 20, 29, gWords[i].WordText) : -1;
        if (tens >= 0) {
            const i32 unit = FindListEntry(gEnglishNumberWords, 1, 9, gWords[i + 1].WordText);
            const i32 ordinal = FindListEntry(gEnglishNumberWords, 31, 39, gWords[i + 1].WordText);
            if (unit >= 0 || ordinal >= 0) {
                gErrorExtent = static_cast<u16>(i);
                Fire(kCodeHyphen, i);
                return kCodeHyphen;
            }
        }
        HyphenKey(st, "::", i, i + 1);
        u16 count = 0;
        LookupInDictSection(0, 10, st.key, st.tags, count);
        if (count == 0 || len <= 3) continue;
        if (WordClass(i) >= 128 && WordFeature(i) < 16 && WordCategory(i - 1) == 7) continue;
        if (WordCategory(i) == 26 || (WordClass(i) >= 42 && WordClass(i) <= 46)) continue;
        return FireHyphen(i, count);
    }
    return 0;
}

bool IsImperative(i32 i) { return WordCategory(i) == 14 && WordFeature(i) >= 48 && WordFeature(i) <= 50; }

// Third person of a conjugated French verb (slots of six persons from 6 on).
bool IsThirdPersonVerb(i32 i) {
    const u8 f = WordFeature(i);
    return WordClass(i) >= 128 && f >= 6 && f < 48 && ((f - 6) % 6 == 2 || (f - 6) % 6 == 5);
}

bool SentenceHasQuestionMark() {
    for (i32 k = 0; k < gWordCount; ++k) {
        if (WordFirstByte(k) == '?') return true;
    }
    return false;
}

bool IsNounOrAdjectiveClass(u8 c) {
    return c == 'A' || c == 'B' || c == 'C' || c == 'E' || c == 'M' || c == 'N' || c == '}';
}

bool HasNounOrAdjectiveReading(i32 i) {
    return AnyReading(i, [i](i32 j) { return IsNounOrAdjectiveClass(WordClass(i, j)); });
}

bool HasAdjectiveReading(i32 i) {
    return AnyReading(i, [i](i32 j) { return WordClass(i, j) == 'B' || WordClass(i, j) == 'C'; });
}

// A reading that may stand as a subject: a pronoun (subject, object,
// personal, demonstrative, relative or indefinite: "on") or a determiner,
// which before a verb stands for its noun ("Tout va bien").
bool HasSubjectReading(i32 i) {
    return AnyReading(i, [i](i32 j) {
        const u8 k = WordCategory(i, j);
        return (k >= 1 && k <= 6) || k == 8;
    });
}

bool IsObjectPronounWord(i32 k) {
    return WordExists(k) && (FindListEntry(gFrenchNumberWords, 40, 49, gWords[k].WordText) >= 0 || WordIs(k, "en") ||
                             WordIs(k, "me") || WordIs(k, "te"));
}

bool IsPossessiveDeterminer(i32 k) {
    static const char* const kPossessives[] = {"ma", "ta", "sa", "mon", "ton", "son", "mes", "tes",
                                               "ses", "notre", "votre", "nos", "vos", "leurs"};
    for (const char* p : kPossessives) {
        if (WordIs(k, p)) return true;
    }
    return false;
}

// "en" that opens an adverbial locution or stands before a noun without a
// determiner is the preposition ("Croyez-vous en Dieu ?", "compte en
// banque", "Habille-toi en noir").
bool PrepositionEn(i32 en) {
    if (WordCategory(en) == 18) return true;
    const i32 k = en + 1;
    if (!WordExists(k) || (WordCategory(k) >= 1 && WordCategory(k) <= 9)) return false;
    return AnyReading(k, [k](i32 j) { return WordCategory(k, j) == 10; });
}

// Whether the word at i after an imperative belongs to what follows
// rather than to the imperative: pronouns of an infinitive ("Daignez le
// lui permettre", "Veuillez nous y conduire"), and "en" as a preposition
// before a gerund or a possessive ("Terminons en réservant", "Passe en
// me donnant", "Intercède en ma faveur").
bool ImperativeWordStartsAnother(i32 i, i32 e) {
    i32 k = i + 1;
    while (IsObjectPronounWord(k)) ++k;
    if (WordCategory(k) == 13) return true;
    if (e != 70) return false;
    return WordCategory(k) == 12 || IsPossessiveDeterminer(i + 1) || PrepositionEn(i);
}

// "de là", "par là" take a hyphen only as the second half of the pairs
// "de-ci de-là", "par-ci par-là"; alone they are a preposition and the
// adverb ("loin de là", "c'est par là").
bool CiLaPairBefore(i32 p) {
    for (i32 k = p - 3; k < p; ++k) {
        if (WordExists(k) && (WordIs(k, "ci") || EndsWith(k, "-ci"))) return true;
    }
    return false;
}

// Whether entry e (below 83) at word i joins the previous word.
bool JoinsPrevious(i32 i, i32 e) {
    const i32 p = i - 1;
    const u8 pc = WordClass(p);
    if (e <= 39) {
        // A numeral spelt in letters: "sur" (an adjective 'B') or "72" before
        // "un" are no compound number.
        if (WordFirstByte(p) >= '0' && WordFirstByte(p) <= '9') return false;
        if (pc == 'B') return FindListEntry(gFrenchNumberWords, 0, 39, gWords[p].WordText) >= 0;
        return pc == 'R' || pc == 'S';
    }
    if (e <= 75) {
        // An elided pronoun needs no hyphen after it: "va-t'en", "donne-m'en".
        if (!IsImperative(p) || EndsWithApostrophe(gWords[p].WordText)) return false;
        // "Croyez-vous en la paix ?": the pronoun joined to the verb is its
        // subject in a question.
        if (e == 70 && (EndsWith(p, "-vous") || EndsWith(p, "-nous")) && SentenceHasQuestionMark()) return false;
        if ((e == 47 || e == 48 || e == 49) && WordCategory(i) != 2) return false;
        return !ImperativeWordStartsAnother(i, e);
    }
    switch (e) {
        // A noun in apposition after a noun ("un rôle clé", "un contrat
        // type") is written with or without the hyphen.
        case 76: case 77: return false;
        case 78: case 79: return WordCategory(p) >= 1 && WordCategory(p) <= 3;
        // "venait-ce?", but "D'où venait ce coup?" (a determiner).
        // "quel est ce monsieur ?": "ce" settled as a determiner, or before
        // a title (class 28, which "monsieur" has in our data).
        case 80:
            return IsThirdPersonVerb(p) && SentenceHasQuestionMark() && !HasNounOrAdjectiveReading(i + 1) &&
                   WordCategory(i) != 8 && WordClass(i + 1) != 28;
        default:
            // "ça", "cela", "ceci" take no "-ci", "-là" ("Pose ça là").
            if (WordIs(p, MR("ça")) || WordIs(p, "cela") || WordIs(p, "ceci")) return false;
            return pc == 'O' || pc == 'F' || (WordIs(p, "de") && (e == 81 || CiLaPairBefore(p)));  // ci, là
    }
}

bool IsParticiple(i32 i) {
    return WordCategory(i) == 11 || (WordClass(i) >= 128 && WordFeature(i) >= 2 && WordFeature(i) <= 5);
}

// A compound that is only a noun or an adjective ("chez-nous",
// "contre-la", "petite-fille", "bien-voulu") is due only where a noun
// group begins, after a determiner, and not when its two words already
// read as one (an adjective and its noun). Two nouns in a row make no
// group of their own ("un centre ville", "de la science fiction").
bool NounCompoundFits(const RuleStorage& st, u16 count, i32 i) {
    for (u16 t = 0; t < count; ++t) {
        if (!IsNounOrAdjectiveClass(static_cast<u8>(st.tags[t] >> 8))) return true;
    }
    const u8 k = WordCategory(i - 1);
    if (k < 7 || k > 9) return false;
    const bool adjective = HasAdjectiveReading(i) || HasAdjectiveReading(i + 1);
    return !(adjective && HasNounOrAdjectiveReading(i) && HasNounOrAdjectiveReading(i + 1));
}

// "peut être" is the verb and its infinitive whenever "peut" has a
// subject of its own ("Cela peut être vrai", "ce ne peut être", "La
// réserve, mise à l'abri, peut être décisive"); the adverb stands after
// another conjugated verb ("Il est peut-être malade"), at the head of the
// sentence, or before "que" or a stop ("..., peut-être.").
bool PeutEtreIsAdverb(i32 i) {
    if (i == 0 || WordClass(i - 1) >= 128) return true;
    if (WordCategory(i - 1) == 1 || WordIs(i - 1, "qui")) return false;  // "ce qu'il peut être ;"
    const u8 after = WordFirstByte(i + 2);
    return WordIs(i + 2, "que") || WordIs(i + 2, "qu'") || after == 0 || after == '.' || after == ',' ||
           after == ';' || after == '!' || after == '?';
}

// A noun and a word read as its finite verb are a subject and its verb
// ("Le nord est de ce côté").
bool NounThenSettledVerb(i32 i) {
    if (!WordExists(i + 1) || gWords[i + 1].ReadingCount != 1 || WordClass(i + 1) < 128) return false;
    const u8 f = WordFeature(i + 1);
    return f >= 6 && f < 48 && WordCategory(i) == 10;
}

bool IsNumberBefore(i32 k) {
    if (k < 0) return false;
    const u8 b = WordFirstByte(k);
    return (b >= '0' && b <= '9') || WordClass(k) == 'R' || WordClass(k) == 'S';
}

// The pairs of section 7 whose hyphen depends on the neighbours. A
// pronoun before a verb is its subject, not the first half of a noun
// ("on dit", not "un on-dit"; "Tout va bien", not "à tout-va").
bool SectionPairFits(const RuleStorage& st, u16 count, i32 i) {
    if (HasSubjectReading(i) && HasVerbReading(i + 1)) return false;
    if (NounThenSettledVerb(i)) return false;
    // "de" before a preposition is one itself ("de chez vous"); a number
    // before "pour cent" makes the percentage ("quarante pour cent").
    if (WordIs(i - 1, "de") && AnyReading(i, [i](i32 j) { return WordCategory(i, j) == 15; })) return false;
    if (WordIs(i, "pour") && WordIs(i + 1, "cent") && IsNumberBefore(i - 1)) return false;
    if (!NounCompoundFits(st, count, i)) return false;
    if (WordIs(i, "bien") || WordIs(i, "mal")) return IsParticiple(i + 1);
    if (WordIs(i, "fait") && WordIs(i + 1, "tout")) {
        return WordIs(i - 1, "le") || WordIs(i - 1, "la") || WordIs(i - 1, "les");
    }
    if (WordIs(i, "peut") && WordIs(i + 1, MR("être"))) return PeutEtreIsAdverb(i);
    if ((WordIs(i, "de") || WordIs(i, "par")) && WordIs(i + 1, MR("là"))) return CiLaPairBefore(i);
    if (WordIs(i - 1, "comme") || WordIs(i - 1, "la") || WordIs(i - 1, MR("à"))) {
        return gWords[i].ReadingCount == 1;
    }
    return true;
}

RuleCode FrenchHyphen(RuleStorage& st) {
    for (i32 i = 0; i < gWordCount; ++i) {
        WordRecord& w = gWords[i];
        const i32 len = WordLength(i);
        if (WordClass(i) == 'B' && len > 5 && EndsWith(i, MR("èmes"))) w.WordText.data[len - 1] = 0;
        const i32 e = FindListEntry(gFrenchNumberWords, 0, 101, w.WordText);
        if (e >= 0 && e < 83) {
            if (i >= 1 && MayReport(kCodeHyphen, i) && JoinsPrevious(i, e)) {
                if ((e == 40 || e == 61) && !EndsWith(i - 1, "s") && !EndsWith(i - 1, "z")) gErrorVariant = 'S';
                return FireHyphen(i - 1, static_cast<u16>(e), i);
            }
            continue;
        }
        if (!WordExists(i + 1) || !MayReport(kCodeHyphen, i)) continue;
        // The joined form must be a word of the dictionary of its own: the
        // compound analysis would take a learned prefix before any noun
        // ("non plus").
        HyphenKey(st, "77", i, i + 1);
        u16 count = 0;
        LookupInDictSection(800, 7, st.key, st.tags, count);
        if (count == 0) continue;
        if (e >= 83) return FireHyphen(i, static_cast<u16>(e));
        if (SectionPairFits(st, count, i)) return FireHyphen(i, kNoHyphenRule);
    }
    return 0;
}

// ---- Register (8) -----------------------------------------------------------

bool IsPronounPair(u8 a, u8 b) {
    return (a == 'V' && b == 'U') || (a == 'Z' && b == 'Y') || (a == 'X' && b == 'X') ||
           (a == '\\' && b == '\\');
}

// Base form of word i (the word's own text when none is found): the
// reference dictionary lists base forms.
void BaseForm(RuleStorage& st, i32 i) {
    GetTokenBaseForm(static_cast<i16>(i), st.work);
    if (GetStringLength(st.work) == 0) CopyString(st.work, gWords[i].WordText);
}

// ---- Word sequence (40) -----------------------------------------------------

void FrenchConfusionTests(const DispatchState& s, i32 d) {
    const i32 e = d - 1;
    if (WordIs(e, "quand") && (WordIs(d, "a") || WordIs(d, MR("à")))) {
        gErrorVariant = 'Q';
        gErrorExtent = static_cast<u16>(d);
    } else if (WordIs(d, "a") && s.sentenceKind == 4 && gWords[0].WordCaseMode > 0 && gWords[0].WordCaseMode != 65535) {
        gErrorVariant = 0xCB;
        gErrorExtent = static_cast<u16>(d);
    } else if (WordIs(d, "a") && s.sentenceKind == 2) {
        gErrorExtent = static_cast<u16>(d);
    } else if (WordIs(d, "a")) {
        gErrorVariant = 'A';
        gErrorExtent = static_cast<u16>(d);
    } else if (WordClass(e) == 'a' || WordClass(e) == '{' || WordClass(e) == 'R' || WordIs(e, "ce") ||
               WordIs(e, "c'") || WordIs(e, "ou") || WordIs(e, "qu'") || WordIs(e, "on") ||
               WordIs(d, MR("gré"))) {
        gErrorExtent = static_cast<u16>(d);
    } else if (WordBegins(e, "quelqu") || WordBegins(e, "quoiqu")) {
        gErrorExtent = static_cast<u16>(d);
    } else if (WordIs(d, MR("à")) || WordIs(d, "fut") || WordIs(d, "ce") || WordIs(d, "c'") ||
               WordIs(d, "foi") || WordClass(d) == 'R' || WordCategory(d) == 1) {
        gErrorVariant = 'A';
        gErrorExtent = static_cast<u16>(d);
    } else if (WordClass(d) == 24 && WordIs(e, MR("à"))) {
        gErrorExtent = static_cast<u16>(d);
    }
}

bool TokenIs(i32 i, const char* text) {
    return WordExists(i) && CompareWordText(gWords[i].SeparatorText, text) == kCompareEqual;
}

void EnglishConfusionTests(i32 d) {
    const i32 e = d - 1;
    if (WordIs(e, "real") || WordIs(e, "they're") || WordIs(e, "you're") || WordIs(e, "there") ||
        WordIs(e, "her")) {
        gErrorExtent = static_cast<u16>(d);
    } else if (TokenIs(e, "it's") || TokenIs(d, "let's")) {
        gErrorVariant = 'Y';
        gErrorExtent = static_cast<u16>(d);
    } else if (WordCategory(e) == 2 || WordCategory(e) == 1 || WordIs(e, "some")) {
        gErrorExtent = static_cast<u16>(d);
    } else if (WordCategory(d) == 1 || WordIs(d, "their")) {
        gErrorVariant = 'A';
        gErrorExtent = static_cast<u16>(d - 1);
    } else if (WordIs(e, "to") || WordIs(e, "its") || WordIs(e, "lets") || WordIs(e, "your") ||
               WordIs(e, "cant")) {
        gErrorExtent = static_cast<u16>(d);
    }
}

RuleCode FireConfusion(const DispatchState& s, i32 d) {
    Fire(kCodeWordSequence, d);
    if (gErrorExtent == 0xFFFF) gErrorExtent = 127;
    if (gErrorVariant == 'Z') gErrorExtent = 0xFFFF;
    if (s.mode == kModeScoring) AddReadingPenalty(15);
    return kCodeWordSequence;
}

}  // namespace

RuleCode RuleUnknownWord(DispatchState& s) {
    if (s.mode != kModeScoring && (gErrorVariant == 'A' || gErrorVariant == 'B')) gErrorVariant = 0;
    if (gLastRule > kCodeUnknownWord) return 0;
    if (gLastRule == 0) gReportedForeignRun = {};
    RuleStorage& st = Storage();
    for (i32 i = 0; i < gWordCount; ++i) {
        if (!QualifiesAsUnknown(i) && gWords[i].CorrectionMark != 1) continue;
        if (s.mode != kModeScoring && InReportedForeignRun(i)) continue;
        if (s.mode == kModeScoring ? i != gLastErrorPos : !MayReport(kCodeUnknownWord, i)) continue;
        const u8 variantBefore = gErrorVariant;
        gErrorExtent = 127;
        Fire(kCodeUnknownWord, i);
        WordRecord& w = gWords[i];
        if (gCheckingLanguage != 0) {
            if (w.WordText.data[0] >= '0' && w.WordText.data[0] <= '9') gErrorVariant = 'N';
        } else {
            ChooseEnglishVariant(st, i);
        }
        if (w.QuoteFlags >= kForeignRun) {  // counted in a foreign run already
            gErrorVariant = variantBefore;
            continue;
        }
        const u16 caseMode = w.WordCaseMode == 65535 ? 0 : w.WordCaseMode;
        if (caseMode == 0 && gErrorVariant != 'N' && gErrorVariant != 'P' && gErrorVariant != 'U' &&
            gCaseMode != 77) {
            const ForeignOutcome o = CheckOtherLanguage(st, i);
            if (o == ForeignOutcome::SetAside) {
                gErrorVariant = variantBefore;
                continue;
            }
            if (o == ForeignOutcome::Reported) return kCodeUnknownWord;
        }
        CheckCaseVariant(st, i);
        return kCodeUnknownWord;
    }
    return 0;
}

// Whether word k repeats word k - 1 as English grammar asks: "had had"
// (the past perfect of "have"), "that that" inside the sentence (a
// conjunction before a demonstrative: "he said that that was fine"; at the
// start, "That that is" reads better as "That which is"), and a verb after
// "to" followed by the same word as its noun object ("to record record
// profits"). "to to" stays reported: the slip "want to to go" is far
// commoner than a verb's "to" before an infinitive.
bool EnglishRepeatWanted(i32 k) {
    if (WordIs(k, "had") || WordIs(k, "us") || (WordIs(k, "that") && k >= 2)) return true;
    const bool noun = AnyReading(k, [k](i32 j) { return WordCategory(k, j) == 10; });
    return (WordIs(k - 2, "to") || WordIs(k - 2, "To")) && HasVerbReading(k) && noun && WordExists(k + 1);
}

RuleCode RuleRepeatedWord(DispatchState& /*s*/) {
    const i32 n = gWordCount;
    const bool french = gCheckingLanguage != 0;
    for (i32 i = 0; i <= n - 2; ++i) {
        if (!MayReport(kCodeRepeatedWord, i + 1)) continue;
        // The repeat begins with a lower-case letter; the first word may
        // carry the sentence's capital ("The the cat").
        const u8 first = WordFirstByte(i + 1);
        if (first < 'a' || first > 'z') continue;
        if (!SameWordButFirstCase(i, i + 1)) continue;
        const i32 k = i + 1;
        if (french && (WordClass(k) == 'X' || WordClass(k) == '\\' || WordIs(k, "en") ||
                       WordIs(k, "faire") || WordIs(k, "leu"))) {
            continue;
        }
        if (!french && EnglishRepeatWanted(k)) continue;
        gErrorExtent = static_cast<u16>(i + 1);
        Fire(kCodeRepeatedWord, i + 1);
        return kCodeRepeatedWord;
    }
    return 0;
}

RuleCode RuleLigature(DispatchState& /*s*/) {
    RuleStorage& st = Storage();
    for (i32 i = 0; i < gWordCount; ++i) {
        if (!MayReport(kCodeLigature, i)) continue;
        const WordRecord& w = gWords[i];
        if (w.LigatureMode == 2) continue;
        if (w.LigatureMode == 1) {
            if (CheckLexiconLigatures(st, i)) return kCodeLigature;
            continue;
        }
        if (WordBegins(i, "oeil-de-b")) {
            if (w.FirstLigaturePos == 0 && w.SecondLigaturePos == 9) continue;
            gErrorVariant = 'L';
            gErrorDetail = 222;
            gErrorExtent = 0;
            Fire(kCodeLigature, i);
            return kCodeLigature;
        }
        if (ScanLigatures(i)) return kCodeLigature;
    }
    return 0;
}

RuleCode RuleMissingHyphen(DispatchState& /*s*/) {
    RuleStorage& st = Storage();
    if (gCheckingLanguage == 0) return EnglishHyphen(st);
    if (gFrenchWordPass == 0) return 0;
    return FrenchHyphen(st);
}

RuleCode RuleRegister(DispatchState& /*s*/) {
    if (gFrenchWordPass == 0 || gCheckingLanguage != 3 || !ReferenceDictionaryHasRegisters()) return 0;
    RuleStorage& st = Storage();
    for (i32 i = 0; i < gWordCount; ++i) {
        const u8 k = WordCategory(i);
        if (!((k >= 9 && k <= 14) || k == 18) || !MayReport(kCodeRegister, i)) continue;
        BaseForm(st, i);
        const u16 savedDetail = gErrorDetail;
        gErrorDetail = 0;
        const u16 items = BuildSynonymList(1, gWords[i].GroupMark, WordFeature(i), st.work, st.synonyms);
        if (items == 0 || gErrorDetail == 0) {
            gErrorDetail = savedDetail;
            continue;
        }
        gErrorVariant = 0;
        if (WordClass(i) >= 128 && WordCategory(i - 1) == 2 && IsPronounPair(WordClass(i - 1), WordClass(i - 2)) &&
            WordClass(i) != 'a') {
            gErrorVariant = 'P';
        }
        gErrorExtent = static_cast<u16>(i);
        Fire(kCodeRegister, i);
        return kCodeRegister;
    }
    return 0;
}

RuleCode DecodeLocutionResult(DispatchState& s) {
    const i32 v = s.locution;
    if (v >= 128 && v <= 255) {
        if (MayReport(kCodeNeighbours, v - 128)) {
            s.held = kCodeNeighbours;
            s.heldPos = v;
            s.heldFromLocution = true;
        }
        return 0;
    }
    if (v >= 768 && v <= 1023) {
        if (MayReport(kCodeHomophone, v - 768)) {
            s.held = kCodeHomophone;
            s.heldPos = v;
            s.heldFromLocution = true;
            gErrorVariant = 'F';
        }
        return 0;
    }
    if (v < 256 || v > 767) return 0;
    const i32 d = v >= 512 ? v - 512 : v - 256;
    if (!MayReport(kCodeWordSequence, d)) return 0;
    if (v >= 512) {
        gErrorVariant = 'C';
        gErrorExtent = static_cast<u16>(d);
        return FireConfusion(s, d);
    }
    if (gErrorVariant == 'P') {
        gErrorExtent = static_cast<u16>(d);
        return FireConfusion(s, d);
    }
    if (gCheckingLanguage != 0) {
        FrenchConfusionTests(s, d);
    } else if (gErrorVariant == 'B') {
        gErrorExtent = static_cast<u16>(d);
    } else {
        EnglishConfusionTests(d);
    }
    return FireConfusion(s, d);
}
