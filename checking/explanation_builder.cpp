// The decision tree of the explanation texts, shared by both interface
// languages. It reads the report fields of the finding and the words of
// the sentence, and appends the passages of the chosen language from the
// table of explanation_texts.cpp. The two
// languages take the same tests in the same order except in three places,
// named where they occur: the closing mark of the homophone pair (code 32),
// the "à" test of the French word-sequence chain (code 40), and the word
// order of the phrases of codes 41, 44 and 45.
#include <algorithm>
#include <cstdarg>
#include <cstring>

#include "checking/explanation.h"
#include "checking/explanation_texts.h"
#include "checking/word_access.h"
#include "frame/bounded_string.h"
#include "frame/format.h"
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/report.h"
#include "frame/settings.h"
#include "frame/tables.h"

HomophoneDescriber gHomophoneDescriber = nullptr;
VowelSoundTest gVowelSoundTest = nullptr;
BaseFormWriter gBaseFormWriter = nullptr;

namespace {

constexpr u8 kEnglishClosingQuote = 0xD3;  // ”
constexpr u8 kFrenchClosingQuote = 0xC8;   // »
constexpr u8 kFrenchVerbCapitalA = 0xCB;   // À, the variant of the accented capital
constexpr u16 kSpellingFormRoad = 127;

// A working string of the builder: at most N - 1 characters, always
// terminated.
template <u32 N>
struct WorkString {
    char text[N] = {};
    u32 length = 0;

    void Clear() {
        length = 0;
        text[0] = 0;
    }
    void Append(const char* s) {
        while (*s != 0 && length + 1 < N) text[length++] = *s++;
        text[length] = 0;
    }
};
using Phrase = WorkString<72>;

struct Builder {
    u16 french;
    const char* Text(TextId id) const { return ExplanationText(id, french); }
};

// Appends one passage, formatted with the arguments.
void Say(const Builder& b, TextId id, ...) {
    char piece[kExplanationCapacity];
    va_list arguments;
    va_start(arguments, id);
    FormatToBufferV(piece, static_cast<i32>(sizeof piece), b.Text(id), arguments);
    va_end(arguments);
    AppendExplanationText("%s", piece);
}

// ---- Words of the sentence --------------------------------------------------

const WordRecord& Word(i32 i) { return gWords[i < 0 ? 0 : i]; }
i32 P() { return gLastErrorPos; }

const char* Chars(const BoundedString& s) {
    return s.data != nullptr && s.count > 0 ? reinterpret_cast<const char*>(s.data) : "";
}
const char* Token(i32 i) { return Chars(Word(i).SeparatorText); }
u8 Class(i32 i) { return Word(i).ReadingClasses[0]; }
u8 Feature(i32 i) { return Word(i).ReadingFeatures[0]; }
u8 Feature2(i32 i) { return Word(i).ReadingFeatures[1]; }
u8 Category(i32 i) { return Word(i).ReadingCategories[0]; }
u8 Mark(i32 i) { return Word(i).ReadingMarks[0]; }
bool TextIs(i32 i, const char* x) { return CompareWordText(Word(i).WordText, x) == kCompareEqual; }
// The word as x once a capital first letter (a sentence's first word) is
// lowered and a final full stop ("and I." taken as an initial) dropped.
bool TextIsLoosely(i32 i, const char* x) {
    const BoundedString& t = Word(i).WordText;
    i32 n = GetStringLength(t);
    if (n > 1 && t.data[n - 1] == '.') --n;
    if (n == 0 || static_cast<i32>(std::strlen(x)) != n) return false;
    for (i32 k = 0; k < n; ++k) {
        u8 c = t.data[k];
        if (k == 0 && c >= 'A' && c <= 'Z') c = static_cast<u8>(c + 32);
        if (c != static_cast<u8>(x[k])) return false;
    }
    return true;
}
bool TextBegins(i32 i, const char* x) { return FindCSubstring(Word(i).WordText, x) == 1; }
bool EnglishChecking() { return gCheckingLanguage == 0; }

// ---- Name lists ---------------------------------------------------------------

void SetName(u32 index, const char* name) {
    if (index < gWordClassNames.count) CopyCString(gWordClassNames[static_cast<i32>(index)], name);
}

void EmptyNames() {
    for (u32 i = 0; i < gWordClassNames.count; ++i) CopyCString(gWordClassNames[static_cast<i32>(i)], "");
}

void FillClassNames(const Builder& b) {
    EmptyNames();
    for (u32 i = 1; i <= 19; ++i) SetName(i, ClassNameText(i, b.french));
}

void FillCategoryNames(const Builder& b) {
    EmptyNames();
    for (u32 i = 1; i <= 17; ++i)
        SetName(i, CategoryNameText(i, b.french));
}

const char* ListName(u32 index) {
    if (index >= gWordClassNames.count) return "";
    return Chars(gWordClassNames[static_cast<i32>(index)]);
}

const char* ClassName(const Builder& b, i32 word) {
    const u8 c = Class(word);
    if (c >= 0x80) return ClassNameText(2, b.french);
    return c >= 0x40 ? ListName(c - 0x40u) : "";
}

const char* CategoryName(i32 word) { return ListName(Category(word)); }

// ---- Code 1 -------------------------------------------------------------------

// The tokens of words P .. P + count - 1, joined by blanks, as long as the
// list stays below 72 characters; a token that does not fit is skipped.
void BuildWordList(Phrase& list, i32 first, u32 count) {
    list.Clear();
    for (u32 k = 0; k < count; ++k) {
        const i32 i = first + static_cast<i32>(k);
        const char* token = Token(i);
        if (std::strlen(token) + 1 + list.length < 72) {
            list.Append(token);
            if (k + 1 < count) list.Append(" ");
        }
    }
}

void ExplainUnknownWord(const Builder& b) {
    const u8 variant = gErrorVariant;
    const u16 detail = gErrorDetail;
    Phrase list;
    list.Append(Token(P()));
    if (variant == 'M') {
        static constexpr TextId kCapitals[] = {kT1CapitalGroup, kT1CapitalProperNoun,
                                               kT1CapitalAcronym, kT1CapitalFinal};
        if (detail >= 1 && detail <= 4) Say(b, kCapitals[detail - 1]);
        return;
    }
    const bool run = variant == 'A' || variant == 'B';
    if (!EnglishChecking()) {
        if (run && detail == 1) {
            Say(b, kT1FrUnknownWord);
            Say(b, kT1FrUnknownWordHint, list.text);
        } else if (run) {
            BuildWordList(list, P(), detail);
            Say(b, kT1FrUnknownWords);
            Say(b, kT1FrUnknownWordsHint, list.text);
        } else if (variant == 'N') {
            Say(b, kT1FrOrdinal);
        } else {
            Say(b, kT1FrOther);
        }
        return;
    }
    switch (variant) {
        case 'P': Say(b, kT1EnPeriod); return;
        case 'J': Say(b, kT1EnAdjectivePlural); return;
        case 'X': Say(b, kT1EnAuxiliaryS); return;
        case 'C': Say(b, kT1EnComparative); return;
        case 'S': Say(b, kT1EnSuperlative); return;
        case 'U': Say(b, kT1EnAmerican); return;
        case 'K': Say(b, kT1EnBritish); return;
        default: break;
    }
    if (run && detail == 1) {
        Say(b, kT1EnUnknownWord);
        if (gActiveLangUniq == 0) Say(b, kT1EnUnknownWordHint, list.text);
    } else if (run) {
        BuildWordList(list, P(), detail);
        Say(b, kT1EnUnknownWords);
        if (gActiveLangUniq == 0) Say(b, kT1EnUnknownWordsHint, list.text);
    } else {
        Say(b, kT1EnOther);
    }
}

// ---- Codes 8 and 32 ---------------------------------------------------------------

void ExplainRegister(const Builder& b) {
    static constexpr TextId kRegisters[] = {kT8Slang, kT8Colloquial, kT8Unsophisticated,
                                            kT8Literary, kT8Archaic};
    Say(b, kT8Lead);
    if (gErrorDetail >= 1 && gErrorDetail <= 5) Say(b, kRegisters[gErrorDetail - 1]);
    Say(b, kT8Tail);
}

// The entry as printed: cut to the working string, its first '=' made the
// closing mark of the interface language (the French texts close with the
// guillemet, the English ones with the curly quote). A French guillemet
// always has its blank inside: the word descriptions write "la= article",
// the fixed pairs "quand =".
void PrintPairEntry(const Builder& b, TextId format, const char* entry) {
    Phrase shown;
    const char* equals = std::strchr(entry, '=');
    if (equals == nullptr) {
        shown.Append(entry);
    } else {
        char head[sizeof shown.text] = {};
        const size_t n = std::min(static_cast<size_t>(equals - entry), sizeof head - 1);
        std::memcpy(head, entry, n);
        shown.Append(head);
        if (b.french != 0 && n > 0 && head[n - 1] != ' ') shown.Append(" ");
        const char close[2] = {static_cast<char>(b.french != 0 ? kFrenchClosingQuote : kEnglishClosingQuote), 0};
        shown.Append(close);
        shown.Append(equals + 1);
    }
    Say(b, format, shown.text);
}

void ExplainHomophones(const Builder& b) {
    char entries[12][120] = {};
    u16 count = 0;
    const i32 p = P();
    struct FixedPair {
        TextId written, meant;
    };
    FixedPair pair{kTextCount, kTextCount};
    if (TextBegins(p, "vielle")) pair = {kT32VielleWritten, kT32VielleMeant};
    else if (TextBegins(p, "quand")) pair = {kT32QuandWritten, kT32QuandMeant};
    else if (TextBegins(p, "dans")) pair = {kT32DansWritten, kT32DansMeant};
    else if (Mark(p) == 0x4A) pair = {kT32FaireWritten, kT32FaireMeant};
    else if (Mark(p) == 0x40) pair = {kT32ConnaitreWritten, kT32ConnaitreMeant};
    else if ((Mark(p) & 0x7F) == 16) pair = {kT32EtreWritten, kT32EtreMeant};
    else if (gErrorExtent == 9999 && TextBegins(p, "que")) pair = {kT32QueWritten, kT32QueMeant};

    if (pair.written != kTextCount) {
        std::strncpy(entries[0], b.Text(pair.written), 119);
        std::strncpy(entries[1], b.Text(pair.meant), 119);
        count = 2;
    } else if (gHomophoneDescriber != nullptr) {
        count = gHomophoneDescriber(static_cast<i16>(p), entries);
        entries[0][119] = 0;
        entries[1][119] = 0;
    }
    if (pair.written == kTextCount && IsOpinionPreposition(p)) {  // "sur mon avis": "à" is meant
        std::strncpy(entries[1], b.Text(kT32DansMeant), 119);
        count = 2;
    }
    PrintPairEntry(b, kT32InsteadOf, entries[0]);
    PrintPairEntry(b, kT32DidYouMean, count == 1 ? entries[0] : entries[1]);
}

// ---- Codes 37 and 39 -----------------------------------------------------------------

void ExplainLigature(const Builder& b) {
    if (gErrorVariant == 'L') Say(b, kT37Missing);
    else if (gErrorVariant == 'D') Say(b, kT37Abusive);
    if (gErrorDetail == 0xBE) Say(b, kT37MainAe);
    else if (gErrorDetail == 0xCF) Say(b, kT37MainOe);
}

bool IsImperativeFeature(u8 f) { return (f >= 48 && f <= 53) || f == 59; }

void ExplainHyphenRule(const Builder& b, u16 detail) {
    const i32 p = P();
    if (detail < 21) {
        Say(b, kT39RuleNumbers);
        return;
    }
    if (detail < 40) {
        Say(b, kT39RuleOrdinals);
        return;
    }
    if (detail <= 75 && Class(p - 1) >= 0x80) {
        const bool imperative = IsImperativeFeature(Feature(p - 1)) || IsImperativeFeature(Feature2(p - 1));
        Say(b, imperative ? kT39RuleImperative : kT39RuleInterrogative);
        return;
    }
    if ((detail == 81 || detail == 82) && p > 0 && (Category(p - 1) == 10 || Class(p - 1) == 'F'))
        Say(b, kT39RuleCiLa);
    else if (detail == 78 || detail == 79) Say(b, kT39RuleMeme);
    else if (detail == 90 || detail == 91 || detail == 96) Say(b, kT39RuleAfter, Token(p));
    else if (detail == 92) Say(b, kT39RuleDemi);
}

void ExplainHyphen(const Builder& b) {
    if (gErrorVariant == 'A') {
        Say(b, kT39Abusive);
        return;
    }
    Say(b, kT39Missing);
    if (EnglishChecking()) return;
    ExplainHyphenRule(b, gErrorDetail);
    if (gErrorDetail < 40) Say(b, kT39Examples);
}

// ---- Code 40 ------------------------------------------------------------------------------

struct WordText {
    const char* text;
    TextId id;
};

// The first entry whose text word `word` has; kTextCount when none.
template <u32 N>
TextId FirstMatch(i32 word, const WordText (&table)[N]) {
    for (const WordText& e : table)
        if (TextIs(word, e.text) || TextIsLoosely(word, e.text)) return e.id;
    return kTextCount;
}

void SayIfFound(const Builder& b, TextId id) {
    if (id != kTextCount) Say(b, id);
}

void ExplainEnglishSequence(const Builder& b) {
    const i32 p = P();
    const u8 variant = gErrorVariant;
    switch (variant) {
        case 'X': Say(b, kT40EnAuxiliaryS); break;
        case 'i': Say(b, kT40EnLowerI); break;
        case 'P': Say(b, kT40EnAdjectiveAfter); break;
        case 'N': Say(b, kT40EnNot); break;
        case 'S': Say(b, kT40EnComparative, Token(p)); break;
        case 'K':
        case 'L': Say(b, kT40EnSuperlative, Token(p)); break;
        case 'M': Say(b, kT40EnMore, Token(p)); break;
        case 'Q': Say(b, kT40EnMost, Token(p)); break;
        case 'W': Say(b, kT40EnAnd); break;
        case 'G': Say(b, kT40EnHaveIng); break;
        case 'T': Say(b, kT40EnLetTo); break;
        case 'H': Say(b, kT40EnWorthTo); break;
        case 'O': Say(b, kT40EnOfHave); break;
        case 'E': Say(b, kT40EnBeBe); break;
        case 'F': Say(b, kT40EnOneOf); break;
        case 'V':
            if (TextIs(p, "there")) Say(b, kT40EnThere);
            break;
        case 'A': {
            static constexpr WordText kSubjects[] = {{"their", kT40EnTheir}, {"he", kT40EnHe},
                                                     {"they", kT40EnThey}, {"I", kT40EnI},
                                                     {"i", kT40EnI},
                                                     {"we", kT40EnWe}};
            SayIfFound(b, FirstMatch(p, kSubjects));
            break;
        }
        case 'Y': {
            static constexpr WordText kContractions[] = {
                {"it", kT40EnIts}, {"let", kT40EnLets}, {"they", kT40EnPrevTheyAre}, {"you", kT40EnPrevYouAre}};
            SayIfFound(b, FirstMatch(p - 1, kContractions));
            break;
        }
        case 'B':
            Say(b, kT40EnAdverb, CategoryName(p - 1), Token(p - 1), Token(p));
            break;
        default:
            if (gErrorExtent != kSpellingFormRoad) {
                static constexpr WordText kPrevious[] = {
                    {"real", kT40EnPrevReal},     {"it's", kT40EnPrevItIs},
                    {"its", kT40EnPrevIts},       {"you're", kT40EnPrevYouAre},
                    {"they're", kT40EnPrevTheyAre}, {"there", kT40EnPrevThere},
                    {"him", kT40EnPrevHim},       {"them", kT40EnPrevThem},
                    {"me", kT40EnPrevMe},         {"us", kT40EnPrevUs},
                    {"her", kT40EnPrevHer},       {"some", kT40EnPrevSome},
                    {"to", kT40EnPrevTo},         {"lets", kT40EnPrevLets},
                    {"your", kT40EnPrevYour},     {"cant", kT40EnPrevCant}};
                SayIfFound(b, FirstMatch(p - 1, kPrevious));
            } else {
                Say(b, kT40EnTypes, CategoryName(p - 1), Token(p - 1), CategoryName(p), Token(p));
            }
            break;
    }
    if (variant == 'K' || variant == 'S' || variant == 'L' || variant == 'M' || variant == 'Q') {
        Say(b, kT40EnRules);
        switch (variant) {
            case 'S': Say(b, kT40EnExampleS); break;
            case 'K': Say(b, kT40EnExampleK); break;
            case 'L': Say(b, kT40EnExampleL); break;
            case 'M': Say(b, kT40EnExampleM); break;
            default: Say(b, kT40EnExampleQ); break;
        }
    }
}

void ExplainFrenchSequenceA(const Builder& b) {
    const i32 p = P();
    static constexpr WordText kWords[] = {{"a", kT40FrA}, {MR("à"), kT40FrAGrave},
                                          {"fut", kT40FrFut}, {"ce", kT40FrCe},
                                          {"c'", kT40FrCApostrophe}, {"foi", kT40FrFoi}};
    const TextId id = FirstMatch(p, kWords);
    if (id != kTextCount) Say(b, id);
    else if (Class(p) == 'R') Say(b, kT40FrCentVingt);
    else if (Category(p) == 1) Say(b, kT40FrSubjectPronoun);
}

void ExplainFrenchSequenceOther(const Builder& b) {
    const i32 p = P();
    const i32 q = p - 1;
    if (TextIs(q, "leurs")) Say(b, kT40FrPrevLeurs);
    else if (TextIs(q, "ou")) Say(b, kT40FrPrevOu);
    else if (TextIs(q, "quelques") && (Class(p) == 'R' || Class(p) == 'S')) Say(b, kT40FrPrevQuelques);
    else if (TextIs(q, "ce")) Say(b, kT40FrPrevCe);
    else if (TextIs(q, "c'")) Say(b, kT40FrPrevCApostrophe);
    else if (TextBegins(q, "quelqu'")) Say(b, kT40FrPrevQuelqu, Token(q));
    else if (TextBegins(q, "quoique")) Say(b, kT40FrPrevQuoique);
    // The French texts skip the "à" test on the spelling-form road.
    else if ((b.french == 0 || gErrorExtent != kSpellingFormRoad) && TextIs(q, MR("à")))
        Say(b, kT40FrPrevAGrave);
    else if (Class(q) == 'R') Say(b, kT40FrPrevCentVingt);
    else if (gErrorVariant == 'Z')
        Say(b, kT40FrTypesBefore, CategoryName(p - 2), Token(p - 2), CategoryName(q), Token(q));
    else if (TextIs(q, "l'") && gErrorDetail == 1) Say(b, kT40FrLocution);
    else Say(b, kT40FrTypes, CategoryName(q), Token(q), CategoryName(p), Token(p));
}

void ExplainFrenchSequence(const Builder& b) {
    const i32 p = P();
    if (Class(p) == 0x18 || Class(p - 1) == 0x17)
        SetName(18, FixedExpressionNameText(b.french));
    else if (Class(p) == 0x14)
        SetName(18, AdverbNameText(b.french));
    const u8 variant = gErrorVariant;
    if (variant == 'P') {
        Say(b, kT40FrPronounOrder);
        if (gErrorDetail == 1) Say(b, kT40FrPronounOrderReflexive);
        else if (gErrorDetail == 2) Say(b, kT40FrPronounOrderDirect);
    } else if (variant == 'Q') {
        Say(b, kT40FrQuantA);
    } else if (variant == kFrenchVerbCapitalA) {
        Say(b, kT40FrCapitalA);
    } else if (variant == 'A') {
        ExplainFrenchSequenceA(b);
    } else {
        ExplainFrenchSequenceOther(b);
    }
}

void ExplainWordSequence(const Builder& b) {
    FillCategoryNames(b);
    if (gErrorVariant == 'C') {
        Say(b, Category(P()) == 21 ? kT40Comma : kT40Separate);
        return;
    }
    if (gErrorVariant == 'D') {
        Say(b, kT40Redundant);
        return;
    }
    if (EnglishChecking()) ExplainEnglishSequence(b);
    else ExplainFrenchSequence(b);
}

// ---- Codes 41 to 45 ---------------------------------------------------------------

void AppendGenderNumber(const Builder& b, Phrase& phrase) {
    if (gErrorGender == 1) phrase.Append(b.Text(kTMasculine));
    else if (gErrorGender == 2) phrase.Append(b.Text(kTFeminine));
    if (gErrorNumber == 1) phrase.Append(b.Text(kTSingular));
    else if (gErrorNumber == 2) phrase.Append(b.Text(kTPlural));
}

// "(masculine singular noun)" in English, "(nom masculin singulier)" in
// French; the gender and number only under French checking.
void BuildKindPhrase(const Builder& b, Phrase& kind) {
    Phrase inner;
    if (b.french != 0) {
        inner.Append(ClassName(b, P()));
        if (!EnglishChecking()) AppendGenderNumber(b, inner);
    } else {
        if (!EnglishChecking()) AppendGenderNumber(b, inner);
        inner.Append(ClassName(b, P()));
    }
    kind.Clear();
    if (inner.length == 0) return;
    kind.Append("(");
    kind.Append(inner.text);
    kind.Append(")");
}

void ExplainQualifierAgreement(const Builder& b) {
    const i32 p = P();
    if (EnglishChecking() && gErrorVariant == 'J') {
        Say(b, kT41EnPlural);
        return;
    }
    if (!EnglishChecking() && gErrorVariant == 'C') {
        if (gErrorDetail >= 64) Say(b, kT41ColourCompound, Token(p));
        else if (gErrorDetail >= 32) Say(b, kT41ColourNoun, Token(p));
        return;
    }
    Phrase kind;
    BuildKindPhrase(b, kind);
    WorkString<36> aspect;
    aspect.Append(b.Text(gErrorDetail == 1   ? kT41AspectGender
                         : gErrorDetail == 2 ? kT41AspectNumber
                                             : kT41AspectBoth));
    if (EnglishChecking()) gErrorDetail = 2;
    // 'F': a word that agrees with the group standing after it.
    const TextId lead = gErrorVariant == 'X'   ? kT41CheckX
                        : gErrorVariant == 'F' ? kT41CheckFollowing
                                               : kT41CheckOther;
    Say(b, lead, aspect.text, Token(p), kind.text);
    Say(b, kT41Period);
    Say(b, EnglishChecking() ? kT41RuleEnglish : kT41RuleFrench);
    if (gErrorDetail == 1) Say(b, kT41ExamplesGender);
    else if (EnglishChecking()) Say(b, kT41ExamplesEnglish);
    else if (gErrorDetail == 2) Say(b, kT41ExamplesNumber);
    else if (gErrorDetail == 3) Say(b, kT41ExamplesBoth);
}

void ExplainRelativeAgreement(const Builder& b) {
    Say(b, gErrorVariant == 'A' ? kT42Relative : kT42Qualifier, Token(P()));
}

void ExplainParticiple(const Builder& b) {
    Say(b, kT43Lead, Token(P()));
    switch (gErrorVariant) {
        case 'A': Say(b, kT43RuleA); break;
        case 'B': Say(b, kT43RuleB); break;
        case 'C': Say(b, kT43RuleC); break;
        case 'D': {
            static constexpr TextId kRules[] = {kT43RuleD1, kT43RuleD2, kT43RuleD3, kT43RuleD4};
            if (gErrorDetail >= 1 && gErrorDetail <= 4) Say(b, kRules[gErrorDetail - 1]);
            break;
        }
        case 'E': Say(b, kT43RuleE); break;
        default: break;
    }
}

TextId AspectOfDetail(TextId person, TextId number, TextId both) {
    switch (gErrorDetail) {
        case 1: return person;
        case 2: return number;
        case 3: return both;
        default: return kTextCount;
    }
}

const char* TextOrEmpty(const Builder& b, TextId id) { return id == kTextCount ? "" : b.Text(id); }

void ExplainEnglishSubjectVerb(const Builder& b) {
    Say(b, kT44EnLead);
    Say(b, gErrorPerson == 3 && gErrorNumber == 1 ? kT44EnThirdSingular : kT44EnPeriod);
    Say(b, kT44EnCheck,
        TextOrEmpty(b, AspectOfDetail(kT44EnAspectPerson, kT44EnAspectNumber, kT44EnAspectBoth)));
    Say(b, kT44EnRule);
}

// "masculine singular interrogative verb form" in English, "forme verbale
// interrogative masculin singulier" in French.
void ExplainInterrogativeForm(const Builder& b) {
    Phrase phrase;
    if (b.french != 0) {
        phrase.Append(b.Text(kT44FrInterrogative));
        AppendGenderNumber(b, phrase);
    } else {
        AppendGenderNumber(b, phrase);
        phrase.Append(b.Text(kT44FrInterrogative));
    }
    Say(b, kT44FrCheckGender, phrase.text);
    Say(b, kT44FrRuleInterrogative);
}

TextId PersonPhrase() {
    const i32 p = P();
    const u8 mark = Mark(p);
    if (Feature(p) == 0x30 && mark > 20 && mark != 26 && mark != 27 && mark != 28 && mark != 41 &&
        mark != 47)
        return kT44Person12;
    switch (gErrorPerson) {
        case 1: return kT44Person1;
        case 2: return kT44Person2;
        case 3: return kT44Person3;
        case 4: return kT44Person12;
        case 5: return kT44Person13;
        case 6: return kT44Person23;
        default: return kTextCount;
    }
}

void ExplainFrenchSubjectVerb(const Builder& b) {
    switch (gErrorVariant) {
        case 'A':
        case 'V': Say(b, kT44FrVerbAfterVerb); return;
        case 'E': Say(b, kT44FrEtre); return;
        case 'F': Say(b, kT44FrAvoir); return;
        case 'I': ExplainInterrogativeForm(b); return;
        case 'S': Say(b, kT44FrImperative); return;
        default: break;
    }
    Phrase person;
    person.Append(TextOrEmpty(b, PersonPhrase()));
    if (gErrorNumber == 1) person.Append(b.Text(kT44OfSingular));
    else if (gErrorNumber == 2) person.Append(b.Text(kT44OfPlural));
    Say(b, kT44FrVerbIn, person.text);
    Say(b, kT44FrCheck,
        TextOrEmpty(b, AspectOfDetail(kT44FrAspectPerson, kT44FrAspectNumber, kT44FrAspectBoth)));
    Say(b, kT44FrRule);
}

void ExplainSubjectVerb(const Builder& b) {
    if (EnglishChecking()) ExplainEnglishSubjectVerb(b);
    else ExplainFrenchSubjectVerb(b);
}

// What the agreement concerns: "of the masculine singular predicate" in
// English, "de l'attribut masculin singulier" in French.
void BuildQualifierPhrase(const Builder& b, Phrase& phrase) {
    const i32 p = P();
    const u8 variant = gErrorVariant;
    Phrase what;
    switch (variant) {
        case 'T': what.Append(b.Text(Class(p) == 'A' ? kT45Predicate : kT45PredicateAdjective)); break;
        case 'G': what.Append(b.Text(kT45ModifyingClause)); break;
        case 'E': what.Append(b.Text(kT45Epithet)); break;
        default:
            if (b.french != 0 && Class(p) >= 0x80) {
                what.Append(b.Text(kT45Adjective));
            } else {
                if (b.french != 0)
                    what.Append(b.Text(Class(p) == 'B' || Class(p) == 'E' ? kT45ArticleElided : kT45ArticleDu));
                what.Append(ClassName(b, p));
            }
            break;
    }
    phrase.Clear();
    if (b.french != 0) {
        phrase.Append(what.text);
        AppendGenderNumber(b, phrase);
    } else {
        phrase.Append(b.Text(kT45OfThe));
        AppendGenderNumber(b, phrase);
        phrase.Append(what.text);
    }
    if (variant == 'G') phrase.Append(b.Text(kT45BeginningWith));
}

void ExplainAttributeAgreement(const Builder& b) {
    const i32 p = P();
    if (EnglishChecking()) {
        if (gErrorVariant == 'J') Say(b, kT45EnPlural);
        return;
    }
    Phrase phrase;
    BuildQualifierPhrase(b, phrase);
    if (gErrorDetail == 1) Say(b, kT45CheckGender, phrase.text, Token(p));
    else if (gErrorDetail == 2) Say(b, kT45CheckNumber, phrase.text, Token(p));
    else if (gErrorDetail == 3) Say(b, kT45CheckBoth, phrase.text, Token(p));
    switch (gErrorVariant) {
        case 'T': Say(b, kT45RuleT); break;
        case 'G': Say(b, kT45RuleG); break;
        case 'E': Say(b, kT45RuleE); break;
        case 'R': Say(b, kT45RuleR); break;
        default: Say(b, kT45Complement, Token(p)); break;
    }
}

// ---- Codes 46 to 50 -------------------------------------------------------------------

void ExplainInfinitiveForParticiple(const Builder& b) {
    if (!EnglishChecking()) Say(b, kT46Fr);
    else Say(b, gErrorDetail == 3 ? kT46EnPreterite : kT46EnInfinitive);
}

void ExplainParticipleForInfinitive(const Builder& b) {
    const u16 d = gErrorDetail;
    if (EnglishChecking()) {
        Say(b, kT47EnLead);
        if (d == 3) Say(b, kT47EnPreterite);
        else if (d == 4) Say(b, kT47EnParticiple);
        else if (d == 32) Say(b, kT47EnEither);
        Say(b, kT47EnTail);
        return;
    }
    static constexpr TextId kAfter[] = {kT47FrSemiAuxiliary, kT47FrInfinitive, kT47FrReflexive,
                                        kT47FrParticiple, kT47FrPrepositional};
    Say(b, kT47FrLead);
    if (d >= 1 && d <= 5) Say(b, kAfter[d - 1]);
    Say(b, kT47FrTail);
}

void ExplainStraySign(const Builder& b) {
    static constexpr TextId kSigns[] = {kT48Quote, kT48Apostrophe, kT48Parenthesis, kT48Bracket,
                                        kT48Brace};
    Say(b, kT48Lead);
    if (gErrorDetail >= 1 && gErrorDetail <= 5) Say(b, kSigns[gErrorDetail - 1]);
}

TextId VerbConstructionEnd(i16 d) {
    switch (d) {
        case 8: return kT49PrepA;
        case 5: return kT49PrepAu;
        case 6:
        case 9: return kT49PrepPour;
        case 7: return kT49PrepAvec;
        case 10: return kT49Reflexive;
        case 126: return kT49Disjunctive;
        case 127: return kT49ObjectPosition;
        case 255: return kT49NeedsPreposition;
        case 256: return kT49InfinitiveBare;
        case 257: return kT49InfinitiveA;
        case 258: return kT49InfinitiveDe;
        case 259: return kT49InfinitiveSome;
        default: return kTextCount;
    }
}

void ExplainVerbConstruction(const Builder& b) {
    const i16 extent = static_cast<i16>(gErrorExtent);
    if (extent >= 0 && gBaseFormWriter != nullptr) gBaseFormWriter(extent);
    const i16 d = static_cast<i16>(gErrorDetail);
    if (d < 5) Say(b, kT49Direct);
    static constexpr TextId kKinds[] = {kT49Intransitive, kT49Pronominal,
                                        kT49IntransitiveOrPronominal, kT49HerePronominal};
    if (d >= 1 && d <= 4) Say(b, kKinds[d - 1]);
    else if (d >= 5 && d <= 9) Say(b, kT49Preposition);
    const TextId end = VerbConstructionEnd(d);
    if (end != kTextCount) Say(b, end);
}

// ---- Code 52 -------------------------------------------------------------------------------

bool StartsWithVowelSound(i32 word) {
    const BoundedString& text = Word(word).WordText;
    const u8 c = text.count > 0 && text.data != nullptr ? text.data[0] : 0;
    if (c == 'a' || c == 'e' || c == 'i') return true;
    if (c > 'z' && c != 0x8D) return true;  // ç is a consonant
    if (c == 'h' || c == 'y' || c == 'o' || c == 'u')
        return gVowelSoundTest != nullptr && gVowelSoundTest(text) == 1;
    return false;
}

void ExplainEnglishNeighbours(const Builder& b) {
    const i32 p = P();
    // A sentence's first "A" / "An" as the article written in lower case.
    if (TextIs(p - 1, "a") || TextIs(p - 1, "A")) {
        Say(b, kT52EnA);
    } else if (TextIs(p - 1, "an") || TextIs(p - 1, "An")) {
        static constexpr const char* kYouSounds[] = {"eug", "ew", "ut", "ub", "uni", "us", "ur"};
        bool you = false;
        for (const char* s : kYouSounds) you = you || TextBegins(p, s);
        if (TextIs(p, "one")) Say(b, kT52EnOne);
        else if (you) Say(b, kT52EnYou);
        else Say(b, kT52EnAn);
    }
}

void ExplainFrenchNeighbours(const Builder& b) {
    const i32 p = P();
    const i32 q = p - 1;
    const u8 before = Class(q);
    if (StartsWithVowelSound(p)) {
        if (before == 'C') Say(b, kT52VowelAdjective);
        else if (before == 'n' || before == 'q' || before == 't') Say(b, kT52VowelPossessive);
        else if (TextIs(q, "ce")) Say(b, kT52VowelCe);
        else if (TextIs(q, "au") || TextIs(q, "du")) Say(b, kT52VowelAuDu);
        else Say(b, kT52VowelElision);
        return;
    }
    if (before == 'B') Say(b, kT52ConsonantAdjective);
    else if (TextIs(q, "cet")) Say(b, kT52ConsonantCet);
    else if (TextBegins(p, "onz") || TextBegins(p, "ouistiti") || TextBegins(p, "uhlan"))
        Say(b, kT52ConsonantOnze);
    else if (TextBegins(p, "y")) Say(b, kT52ConsonantY);
    else if (TextIs(q, MR("à")) || TextIs(q, "de")) Say(b, kT52ConsonantADe);
    else Say(b, kT52ConsonantOther);
}

// ---- Code 53 ----------------------------------------------------------------------------------

void ExplainMoodAfterIf(const Builder& b) {
    const u16 d = gErrorDetail;
    if (EnglishChecking()) {
        switch (d) {
            case 2: Say(b, kT53EnPreterite); break;
            case 4: Say(b, kT53EnFuture); break;
            case 6: Say(b, kT53EnConditional); break;
            case 8: Say(b, kT53EnMain); break;
            case 9: Say(b, kT53EnModal); break;
            default: break;
        }
        return;
    }
    static constexpr TextId kFrench[] = {kT53FrSubjunctive, kT53FrIndicative, kT53FrFuture,
                                         kT53FrFutureSi, kT53FrSubjunctiveSi, kT53FrConditionalSi,
                                         kT53FrImperativeSi, kT53FrMain};
    if (d >= 1 && d <= 8) Say(b, kFrench[d - 1]);
    if (d < 3) Say(b, kT53FrMoodNote);
}

// ---- Dispatch ----------------------------------------------------------------------------------

void ExplainSentenceNotes(const Builder& b, u16 code) {
    switch (code) {
        case kCodeMissingVerb:
            if (gSentenceMeasure > 3) Say(b, kT55);
            break;
        case kCodeQuestionWithoutMark: Say(b, kT56); break;
        case kCodeMarkWithoutQuestion: Say(b, kT57); break;
        case kCodeUnanalysable: Say(b, kT58); break;
        case kCodeNegation:
            if (gErrorVariant == 'N') Say(b, kT59N);
            else if (gErrorVariant == 'P') Say(b, kT59P);
            break;
        case kCodeRepetition: Say(b, kT60); break;
        case kCodeTooManyRelatives: Say(b, kT61, static_cast<int>(gErrorDetail)); break;
        case kCodeThirdSubordinate: Say(b, kT62); break;
        case kCodeLongSentence: Say(b, kT63, static_cast<int>(gSentenceMeasure)); break;
        default: break;
    }
}

void BuildErrorExplanation(u16 code, u16 french) {
    const Builder b{french};
    ClearExplanationText();
    if (code == kCodeQualifierAgreement || code == kCodeAttributeAgreement) FillClassNames(b);
    switch (code) {
        case kCodeUnknownWord: ExplainUnknownWord(b); break;
        case kCodeAbbreviation: Say(b, kT2); break;
        case kCodeLexiconReplacement: Say(b, kT3); break;
        case kCodeSentenceTooLong: Say(b, kT4); break;
        case kCodeRegister: ExplainRegister(b); break;
        case kCodeRepeatedWord: Say(b, kT16); break;
        case kCodeHomophone: ExplainHomophones(b); break;
        case kCodeLigature: ExplainLigature(b); break;
        case kCodeProperNounCapital: Say(b, kT38); break;
        case kCodeHyphen: ExplainHyphen(b); break;
        case kCodeWordSequence: ExplainWordSequence(b); break;
        case kCodeQualifierAgreement: ExplainQualifierAgreement(b); break;
        case kCodeClauseAgreement: ExplainRelativeAgreement(b); break;
        case kCodeParticipleAgreement: ExplainParticiple(b); break;
        case kCodeSubjectVerbAgreement: ExplainSubjectVerb(b); break;
        case kCodeAttributeAgreement: ExplainAttributeAgreement(b); break;
        case kCodeInfinitiveForParticiple: ExplainInfinitiveForParticiple(b); break;
        case kCodeParticipleForInfinitive: ExplainParticipleForInfinitive(b); break;
        case kCodeSignBalance: ExplainStraySign(b); break;
        case kCodeVerbConstruction: ExplainVerbConstruction(b); break;
        case kCodePartitive: Say(b, kT50); break;
        case kCodeNeighbours:
            if (EnglishChecking()) ExplainEnglishNeighbours(b);
            else ExplainFrenchNeighbours(b);
            break;
        case kCodeMoodAfterIf: ExplainMoodAfterIf(b); break;
        default: ExplainSentenceNotes(b, code); break;
    }
}

}  // namespace

void FormatErrorExplanation(u16 code) { BuildErrorExplanation(code, gInterfaceLanguage == 3 ? 1 : 0); }
