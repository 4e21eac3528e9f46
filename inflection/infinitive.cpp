// Infinitive of a word form (operation 1, second phase 17).
#include <cstring>

#include "frame/bounded_string.h"
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/tables.h"
#include "inflection/inflect.h"
#include "inflection/inflect_call.h"
#include "inflection/verb_forms.h"
#include "lexicon/lex_lookup.h"
#include "morphology/word_lookup.h"

namespace {

constexpr u32 kWorkEntries = 6;
constexpr u8 kCedilla = MRC("ç");
constexpr u8 kEGrave = MRC("è");

BoundedArray<FormEntry>& LexForms() {
    static BoundedArray<FormEntry> forms;
    if (forms.count == 0) InitFormEntryArray(forms, 4);
    return forms;
}

// Results of the probes of the rebuild (never the caller's array).
StringList& ProbeResults() {
    static StringList probes;
    if (probes.count == 0) InitByteMatrix(probes, 16, 36);
    return probes;
}

u8 RemapLexSlot(u8 s) {
    static const u8 kMap[13] = {6, 9, 10, 11, 3, 15, 16, 7, 30, 8, 11, 15, 16};
    return (s >= 51 && s <= 63) ? kMap[s - 51] : s;
}

struct Inf {
    InflectCall* call = nullptr;
    bool plus100 = false;
    u16 classification = 0;
    Work72 work[kWorkEntries];
};

void SetResults(InflectCall& call, const char* a, const char* b = nullptr) {
    CopyCString(call.Result(0), a);
    call.Count() = 1;
    if (b != nullptr) {
        CopyCString(call.Result(1), b);
        call.Count() = 2;
    }
}

// Step 3: forms whose infinitive the rows cannot give. 0 when the word is
// not one of them.
u16 IrregularEnglish(InflectCall& call) {
    const BoundedString& w = call.word.s;
    auto is = [&](std::initializer_list<const char*> words) {
        for (const char* x : words)
            if (TextEquals(w, x)) return true;
        return false;
    };
    Work36 t;
    if (is({"rove"})) return SetResults(call, "reeve", "rove"), 33;
    if (is({"saw"})) return SetResults(call, "see", "saw"), 33;
    if (is({"strid", "smit"})) {
        TextCopy(t.s, w);
        AppendByteToString(t.s, 'e');
        TextCopy(call.Result(0), t.s);
        call.Count() = 1;
        return 33;
    }
    if (is({"treaded", "dwelled", "beseeched", "kneeled"})) {
        TextCopy(t.s, w);
        TextCut(t.s, call.Len() - 2);
        TextCopy(call.Result(0), t.s);
        call.Count() = 1;
        return 33;
    }
    if (is({"strived"})) return SetResults(call, "strive"), 33;
    if (is({"trod"})) return SetResults(call, "tread"), 33;
    if (is({"flied"})) return SetResults(call, "fly"), 33;
    if (is({"bespake"})) return SetResults(call, "bespeak"), 33;
    if (is({"spilt"})) return SetResults(call, "spill"), 32;
    if (is({"wrought"})) return SetResults(call, "work"), 32;
    if (is({"crew"})) return SetResults(call, "crow"), 32;
    if (is({"born"})) return SetResults(call, "bear"), 33;
    if (is({"forbad"})) return SetResults(call, "forbid"), 33;
    if (is({"mixt"})) return SetResults(call, "mix"), 33;
    if (is({"woken"})) return SetResults(call, "wake"), 33;
    if (is({"wrapt"})) return SetResults(call, "wrap"), 33;
    if (is({"clove", "cloven"})) return SetResults(call, "cleave"), 33;
    if (is({"durst"})) return SetResults(call, "dare"), 24;
    if (is({"ground"})) return SetResults(call, "grind", "ground"), 33;
    if (is({"stove"})) return SetResults(call, "stave", "stove"), 33;
    if (is({"lay"})) return SetResults(call, "lay", "lie"), 33;
    if (is({"sod", "sodden"})) {
        CopyCString(call.Result(0), "seethe");
        TextCopy(call.Result(1), w);
        call.Count() = 2;
        return 33;
    }
    if (is({"bade", "bidden"})) return SetResults(call, "bid"), 33;
    if (is({"are", "am", "were"})) return SetResults(call, "be"), 24;
    return 0;
}

u16 IrregularFrench(InflectCall& call) {
    const BoundedString& w = call.word.s;
    const u32 n = call.Len();
    auto begins = [&](std::initializer_list<const char*> keys) {
        for (const char* k : keys)
            if (TextStartsWith(w, k)) return true;
        return false;
    };
    if (n == 1) {
        if (w.data[0] != 'a') return kInflectNoVerb;
        return SetResults(call, "avoir"), 24;
    }
    if (begins({"assie", MR("assiér"), "assey"})) return SetResults(call, "asseoir"), 23;
    if (begins({"rassie", MR("rassiér"), "rassey"})) return SetResults(call, "rasseoir"), 23;
    if (begins({"floriss"})) return SetResults(call, "fleurir"), 22;
    if (begins({"luisi", MR("luisî")})) return SetResults(call, "luire"), 123;
    if (begins({"fichu"})) return SetResults(call, "ficher"), 21;
    if (begins({"veuill"})) return SetResults(call, "vouloir"), 23;
    if (n == 4 && begins({"faut"})) return SetResults(call, "falloir", "faillir"), 23;
    if (n == 5 && begins({MR("échet")})) return SetResults(call, MR("échoir")), 26;
    if (n == 6 && begins({"seyant"})) return SetResults(call, "seoir"), 26;
    if (n == 4 && begins({"puis"})) return SetResults(call, "pouvoir"), 23;
    if (begins({"appert"})) return SetResults(call, "apparoir"), 26;
    if (begins({"chaut"})) return SetResults(call, "chaloir"), 26;
    if (TextEquals(w, MR("gît")) || begins({"gisa"}) || (n < 9 && begins({"gis"})))
        return SetResults(call, MR("gésir")), 26;
    if (begins({MR("ouï"), "oyez", "oyant"})) return SetResults(call, MR("ouïr")), 26;
    if (begins({"sourdai"}) || (n == 5 && begins({"sourd"})) || (n == 8 && begins({"sourde"})))
        return SetResults(call, "sourdre"), 26;
    if (begins({MR("verglaç")})) return SetResults(call, "verglacer"), 27;
    if (begins({"forclos"})) return SetResults(call, "forclore"), 30;
    if (begins({"forfait"})) return SetResults(call, "forfaire"), 30;
    if (begins({"occis"})) return SetResults(call, "occire"), 30;
    if (begins({"reclus"})) return SetResults(call, "reclure"), 30;
    if (begins({"rassis"})) return SetResults(call, "rasseoir", "rassir"), 30;
    if (begins({MR("interpénètr")})) return SetResults(call, MR("interpénétrer")), 21;
    if (begins({"raie"}) && (n == 4 || (n == 5 && w.data[4] == 's') ||
                             (n == 6 && w.data[4] == 'n' && w.data[5] == 't')))
        return SetResults(call, "raire", "rayer"), 23;
    return 0;
}

// First phase from the user lexicon; 0 to go on, else the call's result.
u16 LexiconPhase(InflectCall& call, bool& found) {
    BoundedArray<FormEntry>& forms = LexForms();
    const i16 n = FindLexForms(call.word.s, forms, call.french ? 60 : 59);
    found = n > 0;
    if (n >= 2) {
        TextCopy(call.Result(0), forms[0].LemmaText);
        TextCopy(call.Result(1), forms[1].LemmaText);
        call.Count() = 2;
        return kInflectLexiconAmbiguous;
    }
    if (n != 1) return 0;
    const u8 s = RemapLexSlot(forms[0].FormCodes[1]);
    const u8 m = forms[0].FormCodes[2];
    const u8 row = call.french && m > 128 ? static_cast<u8>(m - 128) : m;
    Work36 ending, stem;
    if (call.french)
        FrenchSlotEnding(FrenchRow(row), s, ending.s);
    else
        EnglishSlotEnding(EnglishRow(row), s, ending.s);
    const u32 width = TextEquals(ending.s, "$") ? 0 : TextLen(ending.s);
    TextCopy(stem.s, call.word.s);
    TextCut(stem.s, call.Len() > width ? call.Len() - width : 0);
    if (call.french) {
        u8 to = 0;
        if (row == 2 || row == 6) to = 'e';
        if (row == 3 || row == 5 || row == 12) to = MRC("é");
        if (to != 0) {
            for (u32 i = TextLen(stem.s); i-- > 1;)
                if (stem.s.data[i] == kEGrave) {
                    stem.s.data[i] = to;
                    break;
                }
        }
    }
    AppendByteToString(stem.s, m);
    TextCopy(call.Result(0), stem.s);
    call.Count() = 1;
    return 0;
}

// Whether the dictionary knows `text` as a verb form (step 4a probes).
bool ProbeVerb(InflectCall& call, const BoundedString& text, u8* model) {
    StringList& probes = ProbeResults();
    u16 n = 0;
    Work36 w;
    TextCopy(w.s, text);
    GenerateVerbForms(call.mode, w.s, probes, n);
    if (n == 0) return false;
    if (model != nullptr) *model = TextLast(probes[0]);
    return true;
}

// Step 4a: the infinitive rebuilt from the word (second stems). Returns the
// call's result.
u16 RebuildFromWord(Inf& f) {
    InflectCall& call = *f.call;
    Work36 copy;
    TextCopy(copy.s, call.word.s);
    const u32 n = call.Len();
    u32 p = n >= 2 ? n - 2 : 0;
    bool foundI = false;
    for (u32 i = p + 1; i-- > 0;)
        if (copy.s.data[i] == 'i') {
            p = i;
            foundI = true;
            break;
        }
    if (n >= 2 && foundI && p > 0 && copy.s.data[p - 1] == 'a') {
        copy.s.data[p] = 'y';
        u8 model = 0;
        if (!ProbeVerb(call, copy.s, &model)) return kInflectNoVerb;
        f.plus100 = model > 128;
        TextCut(copy.s, p + 1);
        AppendCString(copy.s, "er");
    } else {
        u32 grave = 0;
        bool foundGrave = false;
        for (u32 i = (n >= 2 ? n - 1 : 0); i-- > 0;)
            if (copy.s.data[i] == kEGrave) {
                grave = i;
                foundGrave = true;
                break;
            }
        if (!foundGrave) return kInflectNoVerb;
        for (u32 i = n; i-- > 0;)
            if (copy.s.data[i] == 'e') {
                TextCut(copy.s, i + 1);
                AppendByteToString(copy.s, 'r');
                break;
            }
        copy.s.data[grave] = 'e';
        u8 model = 0;
        if (!ProbeVerb(call, copy.s, &model)) {
            copy.s.data[grave] = MRC("é");
            if (!ProbeVerb(call, copy.s, &model)) return kInflectNoVerb;
        }
        f.plus100 = model > 128;
    }
    TextCopy(call.Result(0), copy.s);
    call.Count() = 1;
    return static_cast<u16>(21 + (f.plus100 ? 100 : 0));
}

// Marks back to text, a final "$" dropped, and every infinitive given once
// (a verb with several paradigms yields its infinitive once per paradigm).
void Finish(InflectCall& call) {
    u32 kept = 0;
    for (u32 i = 0; i < call.Count() && i < kWorkEntries; ++i) {
        BoundedString& r = call.Result(i);
        RestoreHyphens(r);
        if (TextLast(r) == '$') TextCut(r, TextLen(r) - 1);
        bool seen = false;
        for (u32 k = 0; k < kept && !seen; ++k) seen = TextSame(call.Result(k), r);
        if (seen) continue;
        if (kept != i) TextCopy(call.Result(kept), r);
        ++kept;
    }
    call.Count() = static_cast<u16>(kept);
}

// Step 4: the infinitive of each candidate from its model row.
u16 GeneralPath(Inf& f) {
    InflectCall& call = *f.call;
    u32 count = call.Count();
    bool rebuild = false;
    bool first = true;
    for (u32 i = 0; i < count && i < kWorkEntries; ++i) {
        BoundedString& cand = call.Result(i);
        u8 m = TextLast(cand);
        const u32 len = TextLen(cand);
        if (call.french && m == 127) {
            TextCut(call.Result(0), TextLen(call.Result(0)) - 1);
            return kInflectDefective;
        }
        if (call.french && m == 125) {
            TextCut(call.Result(0), TextLen(call.Result(0)) - 1);
            return kInflectStemOnly;
        }
        if (m > 128) {
            m = static_cast<u8>(m - 128);
            if (call.french) f.plus100 = true;
        }
        if (call.french) {
            if (first) f.classification = FrenchRow(m == 9 ? 1 : m).GroupChar2;
        } else {
            f.classification = m < 19 ? 32 : (m >= 28 && m <= 38) ? 24 : 33;
        }
        first = false;
        BoundedString& w = f.work[i].s;
        CopyBytesToString(w, cand.data, len > 0 ? len - 1 : 0);
        Work36 ending;
        const bool englishWidth = m == 16 || m == 17 || m == 19 || (m >= 28 && m != 30);
        if (call.french)
            FrenchSlotEnding(FrenchRow(m), 0, ending.s);
        else if (englishWidth)
            EnglishSlotEnding(EnglishRow(m), 0, ending.s);
        if (TextEquals(ending.s, "$")) TextClear(ending.s);
        // The second stem of the placer kind carries no infinitive ending of
        // its own: the base row's "er" is put on it.
        if (call.french && m == 83) CopyCString(ending.s, "er");
        const bool noForm = TextAt(ending.s, 0) == '0';
        if (!noForm) AppendString(w, ending.s);
        if (call.french) {
            const u32 wl = TextLen(w);
            if (wl >= 3 && w.data[wl - 3] == kCedilla && w.data[wl - 2] == 'e' && w.data[wl - 1] == 'r')
                w.data[wl - 3] = 'c';
        }
        if (call.french && (m == 2 || m == 3 || m == 5 || m == 6 || m == 9 || m == 12)) {
            TextClear(f.work[1].s);
            count = 1;
            break;
        }
        if (call.french && (m == 13 || m == 93 || m == 103)) {
            TextClear(f.work[1].s);
            count = 1;
            rebuild = true;
            break;
        }
        if (i == 1 && noForm) {
            TextClear(f.work[1].s);
            count = 1;
        }
    }
    if (rebuild) return RebuildFromWord(f);
    for (u32 i = 0; i < count && i < kWorkEntries; ++i) TextCopy(call.Result(i), f.work[i].s);
    call.Count() = static_cast<u16>(count);
    if (count == 0) {
        if (call.french) return RebuildFromWord(f);
        return kInflectNoVerb;
    }
    Finish(call);
    if (!call.french) return f.classification;
    return static_cast<u16>(f.classification - 28 + (f.plus100 ? 100 : 0));
}

}  // namespace

u16 InflectInfinitive(InflectCall& call) {
    Inf f;
    f.call = &call;
    if (!call.phase2) {
        call.Count() = 0;
        bool found = false;
        const u16 lex = LexiconPhase(call, found);
        if (lex != 0) return lex;
        if (found) {
            call.phase2 = true;
        } else {
            Work36 w;
            TextCopy(w.s, call.word.s);
            u16 tags = 0;
            if (DictLookup(static_cast<u16>(call.mode), w.s, tags) == 0)
                return kInflectRefused;
            call.Count() = 0;
            TextCopy(w.s, call.word.s);
            GenerateVerbForms(call.mode, w.s, *call.results, call.Count());
        }
    }
    const u16 irregular = call.french ? IrregularFrench(call) : IrregularEnglish(call);
    if (irregular != 0) {
        if (irregular == kInflectNoVerb) call.Count() = 0;
        return irregular;
    }
    return GeneralPath(f);
}
