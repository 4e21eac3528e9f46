// Word description, the other readings: articles, determiners, nouns and
// adjectives with their example; every other category by its name; and the
// role text of the first reading.
#include <cstring>

#include "analysis/description_steps.h"
#include "checking/word_access.h"
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/report.h"
#include "frame/settings.h"
#include "morphology/correction_finishing.h"
#include "morphology/token_base_form.h"
#include "morphology/word_lookup.h"

namespace {

u8 NumberBits(u8 f) { return static_cast<u8>((f >> 2) & 3); }
u8 GenderBits(u8 f) { return static_cast<u8>((f >> 4) & 3); }

// Number of the element from the features' low four bits.
u8 ElementNumber(u8 f) {
    const u8 low = f & 15;
    if (low >= 4 && low <= 7) return 53;
    if (low >= 8 && low <= 11) return 54;
    return 0;
}

u8 ElementGender(u8 f) {
    const u8 g = GenderBits(f);
    return g == 1 ? 51 : g == 2 ? 52 : 0;
}

void AppendNumberNames(BoundedString& t, u8 bits, bool article) {
    if (bits == 3) {
        AppendName(t, 53);
        AppendName(t, 62);
        AppendName(t, 50);
        AppendName(t, 54);
    } else if (bits == 2 || bits == 1) {
        if (article) AppendName(t, 50);
        AppendName(t, bits == 2 ? 54 : 53);
    }
}

// ---- French -----------------------------------------------------------------------

const char* AdjectiveArticle(const BoundedString& form) {
    const u8 last = TextLast(form);
    return last == 's' || last == 'x' ? "qq'un ou qqchose qui sont " : "qq'un ou qqchose qui est ";
}

const char* NounArticle(const Rendering& r, u8 f) {
    const BoundedString& form = r.form.s;
    if (TextStartsWith(form, "mesd") || (TextStartsWith(form, "mad") && TextAt(form, 4) == 'm')) return "";
    switch (f) {
        case 20: return "un ";
        case 36: return "une ";
        case 16: case 28: return "un ou des ";
        case 4: return "un, une ";
        case 32: case 44: return "une ou des ";
        default: return f >= 8 ? "des " : "";
    }
}

const char* FrenchArticle(const Rendering& r, u8 f) {
    if (r.category == 11) return NounArticle(r, f);
    if (r.category == 12) return AdjectiveArticle(r.form.s);
    if (r.cls == 'M' || r.cls == 'N') {
        if (f == (r.cls == 'M' ? 20 : 36)) return r.cls == 'M' ? "un " : "une ";
        return f >= 8 ? "des " : AdjectiveArticle(r.form.s);
    }
    if (f == 20 || f == 36 || f == 16 || f == 28 || f == 4) return NounArticle(r, f);
    return f >= 8 ? "des " : "un ";
}

void AppendFrenchExample(Rendering& r, u8 f) {
    BoundedString& t = r.text.s;
    static const char* const kPoints[][2] = {
        {"est", " : l'Est"}, {"ouest", " : l'Ouest"}, {"nord", " : le Nord"}, {"sud", " : le Sud"}};
    for (const auto& p : kPoints)
        if (TextEquals(r.form.s, p[0])) return AppendCString(t, p[1]);
    if (r.category == 11 && TextEquals(r.form.s, "une")) return AppendCString(t, " : la une (du journal)");
    if (r.category < 11) return;
    AppendCString(t, " : ");
    AppendCString(t, FrenchArticle(r, f));
    AppendString(t, r.form.s);
}

void DescribeFrenchNominal(Rendering& r) {
    BoundedString& t = r.text.s;
    const bool richAdjective = r.category == 12 && r.mark >= 33;
    if (richAdjective) AppendName(t, 50);
    u8 f = r.features;
    if (f > 127) f = static_cast<u8>(f - 128);
    if (r.gender != 0) AppendName(t, r.gender);
    if (r.category == 10) return;
    if (r.first && r.mark == 128) AppendName(t, 65);
    if (r.first && r.mark == 129) AppendName(t, 64);
    if (r.mark < 33 && f != 24 && r.category > 9 && r.cls != 'S') {
        AppendName(t, 55);
        AppendName(t, 56);
    } else {
        AppendNumberNames(t, NumberBits(f), !richAdjective);
    }
    AppendFrenchExample(r, f);
}

// ---- English ----------------------------------------------------------------------

bool YouSound(const BoundedString& s) {
    static const char* const kYou[] = {"eug", "ew", "one", "ut", "ub", "uni", "us", "ur"};
    for (const char* y : kYou)
        if (TextStartsWith(s, y)) return true;
    return false;
}

void AppendEnglishExample(Rendering& r) {
    BoundedString& t = r.text.s;
    const WordRecord& word = gWords[r.w];
    if (r.category == 12 && r.features == 3 && word.FunctionCode == 77) {
        r.category = 29;
    } else if (r.category == 12 || r.cls == 'N') {
        AppendCString(t, ": someone/something ");
    } else if (r.category == 11 || r.category == 13) {
        AppendCString(t, (r.features & 15) >= 8 ? ": " : EnglishArticleExample(word.WordText));
    } else {
        return;
    }
    AppendString(t, word.SeparatorText);
}

void DescribeEnglishNominal(Rendering& r) {
    BoundedString& t = r.text.s;
    if (r.category <= 8) return;
    AppendCString(t, FrenchInterface() ? " \xC7 " : " \xD2");
    if (r.category == 11 && (r.cls == 'A' || r.cls == '+')) {
        Work36 base;
        GetTokenBaseForm(static_cast<i16>(r.w), base.s);
        AppendString(t, TextLen(base.s) > 0 ? base.s : r.form.s);
    } else {
        AppendString(t, r.form.s);
    }
    AppendCString(t, FrenchInterface() ? " \xC8" : "\xD3");
    if (r.category == 11) {
        AppendName(t, 50);
        AppendNumberNames(t, NumberBits(r.features), false);
    }
    AppendEnglishExample(r);
}

}  // namespace

const char* EnglishArticleExample(const BoundedString& word) {
    const u8 c = TextAt(word, 0);
    const bool vowel = c != 0 && std::strchr("aeiou", c) != nullptr && !YouSound(word);
    return vowel ? ": an " : ": a ";
}

void DescribeNominalReading(Rendering& r) {
    const WordRecord& word = gWords[r.w];
    if (r.cls == 64 && word.WordCaseMode >= 1) {
        const u16 saved = gCaseMode;
        gCaseMode = word.WordCaseMode;
        ApplyCapitalization(r.form.s);
        gCaseMode = saved;
    }
    r.number = ElementNumber(r.features);
    r.gender = ElementGender(static_cast<u8>(r.features > 127 ? r.features - 128 : r.features));
    r.person = 3;
    if (FrenchText()) DescribeFrenchNominal(r);
    else DescribeEnglishNominal(r);
}

void DescribeOtherReading(Rendering& r) {
    r.number = ElementNumber(r.features);
    r.gender = ElementGender(r.features);
    r.person = r.category <= 3 && (r.features & 3) != 0 ? static_cast<u8>(r.features & 3) : 3;
    if (r.category != 14 || gAnalysisMode == 1) return;
    // A locution part: the words of its run.
    i32 first = r.w, last = r.w;
    const auto inRun = [&](i32 i) {
        const u8 c = WordClass(i);
        return WordExists(i) && (c == r.cls || (c >= 23 && c <= 26));
    };
    while (inRun(first - 1)) --first;
    while (inRun(last + 1)) ++last;
    AppendCString(r.text.s, " ( ");
    for (i32 i = first; i <= last; ++i) {
        AppendString(r.text.s, gWords[i].SeparatorText);
        AppendCString(r.text.s, " ");
    }
    AppendCString(r.text.s, ")");
}

// ---- Step 10: the role text ------------------------------------------------------

namespace {

struct Quotes {
    const char* open;   // before a word
    const char* close;  // after the last
    const char* join;   // between two subjects
};

Quotes RoleQuotes() {
    if (FrenchInterface()) return {" \xC7\xCA", "\xCA\xC8", "\xCA\xC8 & \xC7\xCA"};
    return {" \xD2", "\xD3", "\xD3 & \xD2"};
}

// First word of segment k + 1 (the word count after the last segment).
i32 NextSegmentStart(i32 k) {
    if (k + 1 < static_cast<i32>(gSegmentCount)) return gSegments[k + 1].FirstWord;
    return static_cast<i32>(gWordCount);
}

// The subjects (function 75) among words from..to-1, joined; false when
// there is none.
bool AppendSubjects(BoundedString& role, i32 from, i32 to) {
    const Quotes q = RoleQuotes();
    bool any = false;
    for (i32 i = from; i < to && i < static_cast<i32>(gWordCount); ++i) {
        if (i < 0 || gWords[i].FunctionCode != 75) continue;
        AppendString(role, gWords[i].SeparatorText);
        AppendCString(role, q.join);
        any = true;
    }
    // The join after the last subject is cut back to its closing quote.
    if (any) TextCut(role, TextLen(role) - static_cast<u32>(std::strlen(q.join) - std::strlen(q.close)));
    return any;
}

bool SegmentExists(u32 k) { return k < gSegmentCount && k < 128; }

// "Its subject is ..." of a verb: false when no subject was found.
bool VerbSubjects(Rendering& r, const char* lead, bool fromHead) {
    const WordRecord& word = gWords[r.w];
    AppendCString(r.role.s, lead);
    if (!SegmentExists(word.LinkedWord)) return false;
    const SegmentRecord& s = gSegments[word.LinkedWord];
    return AppendSubjects(r.role.s, fromHead ? s.LastWord : s.FirstWord, NextSegmentStart(word.LinkedWord));
}

void AppendFunctionTail(Rendering& r, u16 function, bool nominal) {
    const Quotes q = RoleQuotes();
    BoundedString& role = r.role.s;
    const WordRecord& word = gWords[r.w];
    if (function == 75) {
        const i32 clause = ClauseOfWord(r.w);
        bool first = true;
        for (u32 k = 0; SegmentExists(k); ++k) {
            const SegmentRecord& s = gSegments[k];
            if (s.SegmentKind != 14 || !WordExists(s.FirstWord) || gWords[s.FirstWord].LinkedWord != clause) continue;
            AppendCString(role, first ? (FrenchInterface() ? " de \xC7\xCA" : " of \xD2")
                                   : (FrenchInterface() ? " et de \xC7\xCA" : " and of \xD2"));
            AppendString(role, gWords[s.FirstWord].SeparatorText);
            AppendCString(role, q.close);
            first = false;
        }
    } else if (function == 77 && nominal) {
        AppendCString(role, q.open);
        if (SegmentExists(word.LinkedWord))
            AppendSubjects(role, gSegments[word.LinkedWord].FirstWord, NextSegmentStart(word.LinkedWord));
    } else if (function != 73 || !nominal) {
        AppendCString(role, q.open);
        if (WordExists(word.LinkedWord)) AppendString(role, gWords[word.LinkedWord].SeparatorText);
        AppendCString(role, q.close);
    }
}

// The role by the word's function; false when it has none to tell.
bool FunctionRole(Rendering& r, bool nominal, bool frenchVerbForm) {
    const u16 f = gWords[r.w].FunctionCode;
    if (f < 70 || f > (nominal ? 78 : 77)) return false;
    AppendCString(r.role.s, FrenchInterface() ? "Il est " : "It is ");
    if (!FrenchInterface() && !frenchVerbForm) {
        if (f == 76 || f == 77) AppendCString(r.role.s, "an ");
        if (f == 75) AppendCString(r.role.s, "the ");
    }
    if (f == 77 && !nominal) r.category = 63;
    AppendName(r.role.s, f);
    AppendFunctionTail(r, f, nominal);
    return true;
}

const char* SubjectLead() { return FrenchInterface() ? "Il a pour sujet : \xC7\xCA" : "Its subject is : \xD2"; }
const char* ActiveLead() {
    return FrenchInterface() ? "C\xD5" "est un verbe actif dont le vrai sujet est \xC7\xCA"
                             : "It is an active verb, its subject being \xD2";
}

void FrenchVerbRole(Rendering& r) {
    const u8 s = r.features;
    const bool afterAuxiliary = WordClass(r.w - 1) == 128;
    const bool conjugated = (s >= 6 && s <= 47) || (s >= 51 && s <= 63);
    if (conjugated || (s <= 5 && afterAuxiliary)) {
        const bool active = s == 0 && afterAuxiliary;
        // Without a subject the role says the verb is active, as an
        // English verb's does.
        if (!VerbSubjects(r, active ? ActiveLead() : SubjectLead(), true))
            CopyCString(r.role.s, FrenchInterface() ? "Verbe actif" : "Active verb");
        r.roleCount = 2;
        return;
    }
    if (s <= 5) {
        r.roleCount = FunctionRole(r, false, true) ? 2 : 1;
        if (r.roleCount == 1) TextClear(r.role.s);
        return;
    }
    r.roleCount = 1;
}

void EnglishVerbRole(Rendering& r) {
    const u8 form = r.features;
    if (TextContains(gWords[r.w].WordText, '\'')) {
        r.roleCount = 1;
        return;
    }
    if (form == 2 || form == 4) {
        r.roleCount = FunctionRole(r, false, false) ? 2 : 1;
        if (r.roleCount == 1) TextClear(r.role.s);
        return;
    }
    const bool base = form != 1 && form != 3 && form != 6 && form != 10;
    const u8 m = WordMark(r.w - 1);
    const bool active = base && m >= 27 && m <= 39;
    if (!VerbSubjects(r, active ? ActiveLead() : SubjectLead(), false)) CopyCString(r.role.s, "Active verb");
    r.roleCount = base && WordClass(r.w - 1) == 32 ? 1 : 2;
}

}  // namespace

void BuildRoleText(Rendering& r) {
    const u16 f = gWords[r.w].FunctionCode;
    if (r.category == 1) {
        if (f == 81 || f == 82) {
            AppendCString(r.text.s, ", ");
            AppendName(r.text.s, f);
            r.roleCount = 1;
            return;
        }
        if (FrenchText()) FrenchVerbRole(r);
        else EnglishVerbRole(r);
        return;
    }
    if (r.category >= 7 && r.category <= 13) {
        r.roleCount = FunctionRole(r, true, false) ? 2 : 1;
        if (r.roleCount == 1) TextClear(r.role.s);
        return;
    }
    r.roleCount = 0;
}
