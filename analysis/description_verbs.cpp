// Word description, verb readings: the infinitive, the tense with its
// example, and the sign (negative or interrogative) of the element.
#include <cstring>

#include "analysis/description_steps.h"
#include "checking/word_access.h"
#include "frame/mac_roman.h"
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/report.h"
#include "frame/settings.h"
#include "inflection/inflect.h"
#include "morphology/token_base_form.h"
#include "morphology/word_analysis.h"
#include "morphology/word_lookup.h"

namespace {

constexpr u8 kNoBreakSpace = 0xCA;

StringList& FormList() {
    static StringList list;
    if (list.valid == 0) InitByteMatrix(list, 16, 36);
    return list;
}

// The infinitive of the reading's form into `out`.
void FindInfinitive(const Rendering& r, const BoundedString& form, BoundedString& out) {
    StringList& candidates = FormList();
    u16 count = 0;
    const u32 mode = (FrenchText() ? 3u : 0u) << 8 | 1u;
    InflectWord(mode, form, count, candidates);
    if (count == 0) {
        Work36 base;
        GetTokenBaseForm(static_cast<i16>(r.w), base.s);
        TextCopy(out, base.s);
        RestoreLigatures(out, r.w);
        return;
    }
    u16 chosen = 0;
    const u8 wanted = r.mark == 9 ? 13 : r.mark;
    static StringList work;
    if (work.valid == 0) InitByteMatrix(work, 16, 36);
    for (u16 k = 0; count > 1 && k < count && k < candidates.count; ++k) {
        Work36 c;
        TextCopy(c.s, candidates[k]);
        u16 n = 0;
        gCaseMode = kCaseAsked;
        AnalyseWordForms(FrenchText() ? 800 : 0, c.s, n, work);
        bool match = false;
        for (u16 j = 0; j < n && j < kAnalysisSlots; ++j) {
            const u8 m = gWordAnalysisBytes[j];
            match = match || ((gWordTagCodes[j] >> 8) >= 128 && (m == wanted || (m >= 128 && m - 128 == wanted)));
        }
        if (match) {
            chosen = k;
            break;
        }
    }
    TextCopy(out, candidates.ClampedAt(chosen));
    RestoreLigatures(out, r.w);
}

void AppendOpenQuote(BoundedString& s) {
    if (FrenchInterface()) {
        AppendCString(s, "  \xC7");
        AppendByteToString(s, kNoBreakSpace);
    } else {
        AppendCString(s, "  \xD2");
    }
}

void AppendCloseQuote(BoundedString& s) {
    if (FrenchInterface()) {
        AppendByteToString(s, kNoBreakSpace);
        AppendCString(s, "\xC8");
    } else {
        AppendCString(s, "\xD3");
    }
}

// ---- French tenses --------------------------------------------------------------

struct PersonText {
    const char* text;
    u8 prs, nbr;
};

// Persons 40 to 48.
constexpr PersonText kFrenchPersons[9] = {
    {"je ", 1, 53}, {"tu ", 2, 53}, {"il ", 3, 53}, {"nous ", 1, 54}, {"vous ", 2, 54},
    {"ils ", 3, 54}, {"je ou tu ", 1, 53}, {"je ou il ", 3, 53}, {"je ou qu'il ", 3, 53},
};

// Person byte (Person field) of the clause that holds the word.
u8 ClausePerson(i32 w) {
    const i32 k = ClauseOfWord(w);
    return k >= 0 ? gSegments[k].Person : 0;
}

// Past participle after an auxiliary: the compound tense by the
// auxiliary's own form.
void CompoundTense(Rendering& r, u8 auxiliary) {
    const u8 p = auxiliary;
    u8 tense = 29;
    if (p == 0) tense = 45;
    else if (p >= 6 && p <= 11) tense = 42;
    else if ((p >= 2 && p <= 5) || (p >= 12 && p <= 17)) tense = 44;
    else if (p >= 18 && p <= 23) tense = 34;
    else if (p >= 24 && p <= 29) tense = 43;
    else if (p >= 30 && p <= 35) tense = 46;
    else if (p >= 36 && p <= 41) tense = 35;
    else if (p >= 42 && p <= 47) tense = 47;
    r.tense = tense;
    AppendName(r.text.s, tense);
    if (p >= 36 && p <= 41) AppendName(r.text.s, 44);
}

// Tense and person of a shared-form code (51 and above).
void SharedCode(Rendering& r, u8 s, u8& person) {
    switch (s) {
        case '3': r.tense = 31; person = ClausePerson(r.w) == 1 ? 40 : 42; break;
        case '4': r.tense = 31; person = 43; break;
        case '5': r.tense = 31; person = 44; break;
        case '6': case '=': r.tense = 31; person = 45; break;
        case ':': r.tense = 31; person = 41; break;
        case 64: r.tense = 31; person = 46; break;
        case '8': case '>': r.tense = 39; person = 43; break;
        case '9': case '?': r.tense = 39; person = 44; break;
        case '7': {
            r.tense = 30;
            const u8 b = ClausePerson(r.w);
            person = b == 1 ? 40 : b == 2 ? 41 : 46;
            break;
        }
        case 'D': r.tense = 30; person = 46; break;
        case ';': {
            r.tense = 35;
            const u8 b = ClausePerson(r.w);
            person = b == 1 ? 40 : b == 2 ? 41 : 48;
            break;
        }
        case 'B': r.tense = 35; person = 47; break;
        case '<': r.tense = 49; person = 42; break;
        case 'C': r.tense = 41; person = 46; break;
        case 'A': r.tense = 32; person = 46; break;
        default: break;
    }
}

bool StartsWithVowel(const BoundedString& form) {
    const u8 c = TextAt(form, 0);
    return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u' || c == 0x8E;  // é
}

// A verb the dictionary lists as pronominal carries the pronominal bit in
// its class nibble (0xA0, with the transitive or intransitive bits beside
// it); the example then shows the reflexive pronoun in brackets.
constexpr u8 kPronominalVerbBit = 0x20;

// The reflexive marker of a person, "" for none ("je ou tu").
const char* ReflexiveMarker(u8 person) {
    switch (person) {
        case 40: return "(me) ";
        case 41: return "(te) ";
        case 43: return "(nous) ";
        case 44: return "(vous) ";
        case 42: case 45: case 47: case 48: return "(se) ";
        default: return "";
    }
}

// "(se) " before a consonant, "(s') " before a vowel.
void AppendReflexiveMarker(BoundedString& t, const char* marker, bool elided) {
    if (!elided || marker[1] == 'n' || marker[1] == 'v') {
        AppendCString(t, marker);
        return;
    }
    const char shortened[] = {'(', marker[1], '\'', ')', ' ', 0};
    AppendCString(t, shortened);
}

void AppendFrenchExample(Rendering& r, u8 s, u8 person) {
    BoundedString& t = r.text.s;
    const bool subjunctive = (s >= 30 && s <= 41) || s == ';' || s == 'B';
    if (subjunctive) AppendCString(t, s % 3 == 2 ? " : qu'" : " : que ");
    else AppendCString(t, " : ");
    const PersonText& p = kFrenchPersons[person - 40];
    r.person = p.prs;
    r.number = p.nbr;
    const bool vowel = StartsWithVowel(r.form.s);
    const char* marker = r.cls >= 128 && (r.cls & kPronominalVerbBit) != 0 ? ReflexiveMarker(person) : "";
    if (*marker != 0) {
        AppendCString(t, p.text);
        AppendReflexiveMarker(t, marker, vowel);
    } else if (person == 40 && vowel) {
        AppendCString(t, "j'");
    } else {
        AppendCString(t, p.text);
        AppendCString(t, " ");
    }
    AppendString(t, r.form.s);
}

}  // namespace

void AppendFrenchTense(Rendering& r, u8 s) {
    BoundedString& t = r.text.s;
    u8 person = 0;
    if (s == 0 || s == 1) {
        r.tense = s == 0 ? 27 : 28;
        AppendName(t, r.tense);
        return;
    }
    if (s >= 2 && s <= 5) {
        if (WordClass(r.w - 1) == 128) return CompoundTense(r, WordFeature(r.w - 1));
        r.tense = 29;
        r.gender = s <= 3 ? 51 : 52;
        r.number = s % 2 == 0 ? 53 : 54;
        AppendName(t, 29);
        AppendName(t, r.gender);
        AppendName(t, r.number);
        return;
    }
    if (s >= 48 && s <= 50) {
        r.tense = 38;
        AppendName(t, 38);
        AppendCString(t, " : ");
        AppendString(t, r.form.s);
        AppendCString(t, " !");
        return;
    }
    if (s == 12) {
        r.tense = 32;
        person = 46;
    } else if (s >= 24 && s <= 29) {
        r.tense = 41;
        person = static_cast<u8>(s % 6 + 40);
    } else if (s >= 6 && s <= 47) {
        r.tense = static_cast<u8>(s / 6 + 30);
        person = static_cast<u8>(s % 6 + 40);
    } else {
        SharedCode(r, s, person);
    }
    if (r.tense == 0) return;
    AppendName(t, r.tense);
    if (person >= 40 && person <= 48) AppendFrenchExample(r, s, person);
}

namespace {

// ---- English tenses ---------------------------------------------------------

bool IsWord(i32 i, const char* a, const char* b = nullptr) { return WordIs(i, a) || (b != nullptr && WordIs(i, b)); }

// A verb follows, straight or after a short word ("would he go").
bool VerbFollows(i32 w) {
    return WordClass(w + 1) > 127 || (WordExists(w + 1) && WordCategory(w + 1) < 4 && WordClass(w + 2) > 127);
}

void AppendExample(Rendering& r, const char* lead) {
    AppendCString(r.text.s, lead);
    AppendString(r.text.s, r.form.s);
}

}  // namespace

void AppendEnglishTense(Rendering& r, u8 form) {
    BoundedString& t = r.text.s;
    const i32 w = r.w;
    if (TextContains(gWords[w].WordText, '\'') && !IsWord(w, "let's")) {
        AppendCString(t, " / ");
        AppendName(t, 68);
        r.tense = 68;
        return;
    }
    if (form == 1) {
        r.tense = 31;
        AppendName(t, 31);
        AppendExample(r, ": he/she/it ");
        r.person = 3;
        r.number = 53;
    } else if (form == 2) {
        r.tense = 28;
        AppendName(t, 28);
    } else if (form == 3) {
        if ((IsWord(w, "would", "should")) && VerbFollows(w)) {
            AppendName(t, 48);
            r.tense = 37;
        } else {
            r.tense = 40;
        }
        AppendName(t, r.tense);
    } else if (form == 4) {
        r.tense = 29;
        AppendName(t, 29);
    } else if (form == 6 || form == 10) {
        r.tense = 31;
        AppendName(t, 31);
        AppendExample(r, form == 6 ? ": I " : ": we/you/they ");
        r.person = form == 6 ? 1 : 2;
        r.number = form == 6 ? 53 : 54;
    } else if (IsWord(w, "will", "shall") && VerbFollows(w)) {
        AppendName(t, 48);
        r.tense = 33;
        AppendName(t, 33);
    } else if (IsWord(w - 1, "to")) {
        r.tense = 27;
        AppendName(t, 27);
    } else if (IsWord(w - 1, "will", "shall")) {
        r.tense = 33;
        AppendName(t, 33);
    } else if (IsWord(w - 1, "would", "should")) {
        r.tense = 37;
        AppendName(t, 37);
    } else {
        r.tense = 31;
        AppendName(t, 31);
        AppendExample(r, ": I/you/we/they ");
    }
    if (IsWord(w, "let's")) {
        AppendName(t, 48);
        r.tense = 48;
    }
}

namespace {

// ---- Step 7: the sign ---------------------------------------------------------

bool FrenchNegative(i32 w) {
    const bool before = WordClass(w - 1) == 22 || (WordClass(w - 2) == 22 && WordClass(w - 1) == 20);
    if (!before) return false;
    static const char* const kAfter[] = {"pas", "que", "qu'", "point", "plus", "jamais", "rarement", "nullement", "ni"};
    if (w + 1 >= static_cast<i32>(gWordCount) - 1) return true;  // the verb ends the sentence
    for (const char* a : kAfter)
        if (WordIs(w + 1, a)) return true;
    return WordIs(w - 2, "ni");
}

bool EnglishNegative(const Rendering& r) {
    const i32 w = r.w;
    if (FindCSubstring(gWords[w].WordText, "n't") > 0) return true;
    if (WordClass(w) == 128 && (WordIs(w + 1, "not") || WordIs(w + 1, "no"))) return true;
    static const char* const kBefore[] = {"not", "never", "rarely", "hardly", "seldom"};
    for (const char* b : kBefore)
        if (WordIs(w - 1, b)) return true;
    return false;
}

void ChooseSign(Rendering& r) {
    WordRecord& word = gWords[r.w];
    const bool question = WordIs(static_cast<i32>(gWordCount) - 1, "?");
    if (FrenchText() ? FrenchNegative(r.w) : EnglishNegative(r)) r.sign = 1;
    const bool asks = word.FunctionCode == 83 || (!FrenchText() && word.FunctionCode == 67);
    if (asks && question) r.sign = 2;
    if (question && word.ReadingCategories[0] == 13 && WordClass(r.w - 1) == 128) {
        r.sign = 2;
        if (word.FunctionCode != 67) word.FunctionCode = 83;
    }
}

// The attached pronoun of a French verb ("dit-il"): the class loses its
// mark, the slot what the pronoun added to it, the form its pronoun.
void TakeOffAttachedPronoun(Rendering& r) {
    r.cls = static_cast<u8>(r.cls - 4);
    if (r.features >= 128) r.features = static_cast<u8>(r.features - 128);
    else if (r.features >= 69) r.features = static_cast<u8>(r.features - 64);
    const i32 n = static_cast<i32>(TextLen(r.form.s));
    for (i32 k = n - 1; k > 0; --k)
        if (r.form.s.data[k] == '-') {
            TextCut(r.form.s, static_cast<u32>(k));
            break;
        }
    if (TextLast(r.form.s) == 0x8E) r.form.s.data[TextLen(r.form.s) - 1] = 'e';  // é
}

}  // namespace

void DescribeVerbReading(Rendering& r) {
    const i32 clause = ClauseOfWord(r.w);
    if (clause >= 0 && gSegments[clause].State == 127) r.sign = 2;
    if (FrenchText() && (r.cls & 7) >= 4) TakeOffAttachedPronoun(r);
    Work36 infinitive;
    FindInfinitive(r, r.form.s, infinitive.s);
    BoundedString& t = r.text.s;
    AppendOpenQuote(t);
    if (!FrenchText()) AppendCString(t, "to ");
    AppendString(t, infinitive.s);
    AppendCloseQuote(t);
    if (FrenchText()) AppendFrenchTense(r, r.features);
    else AppendEnglishTense(r, r.features);
    if (gAnalysisMode == 1) ChooseSign(r);
}
