// Conjugation of a verb in one tense (operations 20..30, second phase 36..46).
#include <cstring>

#include "frame/bounded_string.h"
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/tables.h"
#include "inflection/english_notes.h"
#include "inflection/inflect.h"
#include "inflection/inflect_call.h"
#include "inflection/verb_forms.h"
#include "lexicon/lex_lookup.h"
#include "morphology/section_walk.h"
#include "morphology/word_analysis.h"
#include "morphology/word_lookup.h"

namespace {

constexpr u32 kWorkEntries = 6;
constexpr u8 kModelStemOnly = 125;
constexpr u8 kModelDefective = 127;

FormEntry& LexEntry() {
    static FormEntry entry;
    if (entry.FormCodes.count == 0) InitFormEntry(entry);
    return entry;
}

// Last occurrence of `from` in the stem (not at position 0) becomes `to`.
void ChangeLastLetter(BoundedString& s, u8 from, u8 to) {
    const u32 n = TextLen(s);
    for (u32 i = n; i-- > 1;) {
        if (s.data[i] == from) {
            s.data[i] = to;
            return;
        }
    }
}

// First phase from the user lexicon: true when it set the candidates.
bool CandidatesFromLexicon(InflectCall& call) {
    FormEntry& e = LexEntry();
    BoundedString& w = call.word.s;
    if (call.french) {
        if (GetFirstLexForm(w, e, 60) == 0) return false;
        u8 m = e.FormCodes[2];
        if (m > 128) m = static_cast<u8>(m - 128);
        const u32 cut = FrenchRow(m).EndingLengths[0];
        BoundedString& r0 = call.Result(0);
        TextCopy(r0, w);
        TextCut(r0, call.Len() > cut ? call.Len() - cut : 0);
        Work36 stem;
        TextCopy(stem.s, r0);
        AppendByteToString(r0, m);
        call.Count() = 1;
        if (m == 2 || m == 6 || m == 3 || m == 5 || m == 12) {
            const bool e2 = m == 2 || m == 6;
            ChangeLastLetter(stem.s, e2 ? 'e' : MRC("é"), MRC("è"));
            AppendByteToString(stem.s, e2 ? 103 : 93);
            TextCopy(call.Result(1), stem.s);
            call.Count() = 2;
        }
        return true;
    }
    if (GetFirstLexForm(w, e, 59) == 0) return false;
    const u8 m = e.FormCodes[2];
    BoundedString& r0 = call.Result(0);
    TextCopy(r0, w);
    if (m == 16 || m == 17 || m == 19 || (m >= 28 && m != 30)) {
        const u32 cut = EnglishRow(m).EndingLengths[0];
        TextCut(r0, call.Len() > cut ? call.Len() - cut : 0);
    }
    AppendByteToString(r0, m);
    call.Count() = 1;
    return true;
}

struct Tense {
    u32 start = 0;
    u32 end = 0;
};

Tense SlotsOf(u8 op, u8 lastByte) {
    switch (op) {
        case 20: return {1, 2};
        case 21: return {2, lastByte < 128 ? 6u : 3u};  // lastByte: see InflectConjugation
        case 29: return {48, 51};
        case 30: return {0, 5};
        default: return {6u * (op - 21u), 6u * (op - 20u)};
    }
}

struct Conj {
    InflectCall* call = nullptr;
    bool firstPhase = false;
    u32 candidates = 1;
    u8 firstModel = 0;
    u8 secondModel = 0;
    u8 lastModel = 0;  // of the last candidate read, after remapping
    u8 lastByte = 0;
    bool plus100 = false;
    bool cedilla = false;
    bool replaced = false;
    bool anyAgreeing = false;  // a candidate whose model byte is below 128
    Work36 stem0, stem1, infinitive;
    Work72 work[kWorkEntries];
};

bool WordBegins(const InflectCall& call, const char* text) { return TextStartsWith(call.word.s, text); }

bool Any(const InflectCall& call, std::initializer_list<const char*> words) {
    for (const char* w : words)
        if (WordBegins(call, w)) return true;
    return false;
}

// Ending of slot k of a model ("$" as empty); false when the row says the
// form does not exist.
bool EndingFor(const Conj& c, u8 model, u32 k, BoundedString& out) {
    if (c.call->op == 30 || !c.call->french)
        EnglishSlotEnding(EnglishRow(model), k, out);
    else
        FrenchSlotEnding(FrenchRow(model), k, out);
    if (TextContains(out, '0')) return false;
    if (TextEquals(out, "$")) TextClear(out);
    return true;
}

// stem + ending of slot k; false when the form does not exist.
bool BuildForm(const Conj& c, const BoundedString& stem, u8 model, u32 k, BoundedString& form) {
    Work36 ending;
    const bool exists = EndingFor(c, model, k, ending.s);
    TextCopy(form, stem);
    if (!exists) return false;
    const u8 e0 = TextAt(ending.s, 0);
    if (c.cedilla && c.call->french && (e0 == 'a' || e0 == 'o' || e0 == MRC("â"))) {
        const u32 n = TextLen(form);
        if (n > 0) form.data[n - 1] = MRC("ç");
    }
    AppendString(form, ending.s);
    return true;
}

void RebuildInfinitive(Conj& c) {
    InflectCall& call = *c.call;
    TextCopy(c.infinitive.s, c.stem0.s);
    const bool english = call.op == 30 || !call.french;
    if (!english && (c.lastByte == kModelStemOnly || c.lastByte == kModelDefective)) {
        TextCopy(c.infinitive.s, call.word.s);
        return;
    }
    if (!english && c.firstModel >= kModelStemOnly) return;
    Work36 ending;
    if (EndingFor(c, c.firstModel, 0, ending.s)) AppendString(c.infinitive.s, ending.s);
}

// Step 3: the candidates. 0 to go on, else the call's result.
u16 ReadCandidates(Conj& c) {
    InflectCall& call = *c.call;
    c.candidates = call.Count();
    if (c.candidates == 0) return kInflectNoVerb;
    for (u32 i = 0; i < c.candidates && i < kWorkEntries; ++i) {
        BoundedString& r = call.Result(i);
        TextCopy(c.work[i].s, r);
        const u8 m = TextLast(r);
        u8 model = m;
        if (call.french && call.op != 30) {
            if (m == kModelDefective) {
                if (Any(call, {"apparoir", "chaloir", MR("gésir"), MR("ouïr"), "sourdre"})) {
                    c.candidates = 1;
                } else {
                    call.Count() = 1;
                    TextCopy(r, call.word.s);
                    return Any(call, {"ester", "malfaire", MR("méfaire"), MR("quérir")}) ? 0x901F : 0xC01F;
                }
            }
            c.plus100 = false;
            if (m > 128) {
                model = static_cast<u8>(m - 128);
                c.plus100 = true;
            }
            if (model == 4 || model == 5 || model == 6 || model == 110) c.cedilla = true;
            if (model == 4) model = 1;
            else if (model == 5) model = 3;
            else if (model == 6) model = 2;
        } else if (m > 128) {
            model = static_cast<u8>(m - 128);
        }
        if (i == 0) c.firstModel = model;
        if (i == 1) c.secondModel = model;
        c.lastModel = model;
        c.lastByte = m;
        if (m < 128) c.anyAgreeing = true;
        const u32 n = TextLen(r);
        if (n > 0) {
            TextCut(r, n - 1);
            TextCut(c.work[i].s, n - 1);
        }
    }
    if (c.candidates > 2) c.candidates = 2;
    TextCopy(c.stem0.s, c.work[0].s);
    TextCopy(c.stem1.s, c.work[1].s);
    return 0;
}

// English: a word that is a verb of its own and also a form of another verb
// (felt, found, weed, rebound) gets candidates of both; only those whose
// stem and row spell the word itself as the base are kept, when there are
// any (the others would conjugate the other verb from a cut stem).
void KeepEnglishInfinitiveCandidates(InflectCall& call) {
    u32 kept = 0;
    const u32 n = call.Count();
    for (u32 i = 0; i < n && i < kWorkEntries; ++i) {
        const BoundedString& r = call.Result(i);
        const u32 len = TextLen(r);
        if (len == 0) continue;
        u8 m = TextLast(r);
        if (m > 128) m = static_cast<u8>(m - 128);
        Work36 base, ending;
        TextCopy(base.s, r);
        TextCut(base.s, len - 1);
        EnglishSlotEnding(EnglishRow(m), 0, ending.s);
        if (TextContains(ending.s, '0')) continue;
        if (!TextEquals(ending.s, "$")) AppendString(base.s, ending.s);
        if (!TextSame(base.s, call.word.s)) continue;
        if (kept != i) {
            Work36 keep;
            TextCopy(keep.s, r);
            TextCopy(call.Result(kept), keep.s);
        }
        ++kept;
    }
    if (kept != 0) call.Count() = static_cast<u16>(kept);
}

// The operations' lookup reads no regional section for a word of more
// than 14 letters, though the spelling check accepts it there
// (compartmentalise): an English verb that long is looked up as the
// spelling check does, with the active regions.
bool LongEnglishWordKnown(const InflectCall& call) {
    if (call.op != 30 || call.Len() <= 14) return false;
    Work36 w;
    TextCopy(w.s, call.word.s);
    u16 found = 0;
    return DictLookup(kModeEnglishPlain, w.s, found) != 0 && found != 0;
}

// Step 5: English verbs that are also a past form of another verb.
void ReplaceEnglishCandidate(Conj& c) {
    InflectCall& call = *c.call;
    const BoundedString& w = call.word.s;
    struct Rule {
        const char* word;
        const char* stem;  // null: the word itself
        u8 model;
    };
    static const Rule kRules[] = {
        {"bore", "bor", 16}, {"bound", nullptr, 1}, {"ground", nullptr, 1}, {"fell", nullptr, 1},
        {"slew", nullptr, 1}, {"lay", "la", 115},   {"rove", "rov", 16},    {"stove", "stov", 16},
        {"sod", nullptr, 5},  {"span", nullptr, 9}, {"spat", nullptr, 13},
    };
    if (TextEquals(w, "saw")) {
        TextCopy(c.stem0.s, w);
        TextCopy(c.stem1.s, w);
        c.firstModel = 1;
        c.secondModel = 24;
        c.lastModel = 24;
        c.lastByte = 24;
        c.candidates = 2;
        c.replaced = true;
        return;
    }
    for (const Rule& r : kRules) {
        if (!TextEquals(w, r.word)) continue;
        if (r.stem != nullptr)
            CopyCString(c.stem0.s, r.stem);
        else
            TextCopy(c.stem0.s, w);
        c.firstModel = r.model;
        c.lastModel = r.model;
        c.lastByte = r.model;
        c.candidates = 1;
        c.replaced = true;
        return;
    }
}

// Step 8: French forms shown with their alternatives.
void FrenchAlternatives(Conj& c, u32 k, BoundedString& entry) {
    InflectCall& call = *c.call;
    const u8 m = c.firstModel;
    const BoundedString& word = call.word.s;
    if (m == 102 && (k == 11 || k == 35)) CopyCString(entry, MR("interpénètrent"));
    if (m == 43 && k == 6) AppendCString(entry, " ou puis");
    if (m == 35 && k == 8) AppendCString(entry, " ou faut");
    if (m == 114 && k == 8) AppendCString(entry, MR(" ou échet"));
    if (m == 47 && k == 48) AppendCString(entry, " ou veuille");
    if (m == 47 && k == 49) AppendCString(entry, " ou veuillons");
    if (m == 47 && k == 50) AppendCString(entry, " ou veuillez");
    if (m == 1 && TextStartsWith(entry, "fich") && k >= 2 && k <= 5) {
        static const char* const kFichu[4] = {" ou fichu", " ou fichus", " ou fichue", " ou fichues"};
        AppendCString(entry, kFichu[k - 2]);
    }
    if (m == 89 && k >= 24 && k <= 29) {
        static const char* const kLuire[6] = {"isis", "isis", "isit", MR("isîmes"), MR("isîtes"), "isirent"};
        AppendCString(entry, " ou ");
        Work36 stem;
        TextCopy(stem.s, word);
        TextCut(stem.s, call.Len() >= 3 ? call.Len() - 3 : 0);
        AppendString(entry, stem.s);
        AppendCString(entry, kLuire[k - 24]);
    }
    if (m == 120 && k == 1) AppendCString(entry, " ou seyant");
    if (m == 120 && k >= 2 && k <= 5) AppendCString(entry, MR(" (au sens: être assis)"));
    if (m == 15 && TextStartsWith(word, "fleurir")) {
        const char* text = nullptr;
        switch (k) {
            case 1: text = " ou florissant"; break;
            case 12: case 13: text = " ou florissais"; break;
            case 14: text = " ou florissait"; break;
            case 15: text = " ou florissions"; break;
            case 16: text = " ou florissiez"; break;
            case 17: text = " ou florissaient"; break;
            default: break;
        }
        if (text != nullptr) AppendCString(entry, text);
    }
}

// Model 48: the second spelling of a form, built from the form.
void Model48Variant(Conj& c, u32 k, const BoundedString& form, BoundedString& entry) {
    const bool shown = k == 1 || (k >= 6 && k <= 23) || (k >= 30 && k <= 35) || (k >= 42 && k <= 50);
    if (c.firstModel != 48 || !shown || TextLen(form) == 0) return;
    // The rule builds the "ie/ey" spelling from a row that holds the
    // "oi/oy" one; a row that already holds "ie/ey" gets its other spelling
    // from the verb's second paradigm instead.
    Work36 present;
    FrenchSlotEnding(FrenchRow(48), 6, present.s);
    if (!TextEndsWith(present.s, "ois")) return;
    Work36 v;
    TextCopy(v.s, form);
    const u32 p = c.call->Len();
    auto put = [&](u32 at, u8 b) {
        if (at < TextLen(v.s)) v.s.data[at] = b;
    };
    const bool e4 = k == 1 || k == 9 || k == 10 || (k >= 12 && k <= 17) || k == 33 || k == 34 || k == 49 || k == 50;
    const bool ey = k == 11 || (k >= 30 && k <= 32) || k == 35;
    const bool ie = (k >= 18 && k <= 23) || (k >= 42 && k <= 47);
    if (p < 4) return;
    if (e4) {
        put(p - 4, 'e');
    } else if (ey) {
        put(p - 4, 'e');
        put(p - 3, 'y');
    } else if (ie) {
        put(p - 4, 'i');
        put(p - 3, MRC("é"));
    } else {
        const u32 n = TextLen(v.s);
        TextCut(v.s, n >= 3 ? n - 3 : 0);
        AppendCString(v.s, k == 8 ? "ied" : "ieds");
    }
    AppendCString(entry, " ou ");
    AppendString(entry, v.s);
}

struct Override {
    const char* verb;
    u8 slot;
    const char* form;
};

// Step 9: verbs with a fixed set of forms; true when the word is one of
// them (the entry is then the listed form, or empty).
bool DefectiveOverride(const Conj& c, u32 k, BoundedString& entry) {
    static const Override kForms[] = {
        {"apparoir", 8, "appert"},  {"chaloir", 8, "chaut"},
        {MR("gésir"), 1, "gisant"}, {MR("gésir"), 6, "gis"},      {MR("gésir"), 7, "gis"},
        {MR("gésir"), 8, MR("gît")}, {MR("gésir"), 9, "gisons"},  {MR("gésir"), 10, "gisez"},
        {MR("gésir"), 11, "gisent"}, {MR("gésir"), 12, "gisais"}, {MR("gésir"), 13, "gisais"},
        {MR("gésir"), 14, "gisait"}, {MR("gésir"), 15, "gisions"}, {MR("gésir"), 16, "gisiez"},
        {MR("gésir"), 17, "gisaient"},
        {MR("ouïr"), 1, "oyant"},   {MR("ouïr"), 2, MR("ouï")},   {MR("ouïr"), 3, MR("ouïs")},
        {MR("ouïr"), 4, MR("ouïe")}, {MR("ouïr"), 5, MR("ouïes")}, {MR("ouïr"), 18, MR("ouïrai")},
        {MR("ouïr"), 42, MR("ouïrais")}, {MR("ouïr"), 50, "oyez"},
        {"sourdre", 8, "sourd"},    {"sourdre", 11, "sourdent"}, {"sourdre", 14, "sourdait"},
        {"sourdre", 17, "sourdaient"},
        {"forclore", 2, "forclos"}, {"forclore", 3, "forclos"},   {"forclore", 4, "forclose"},
        {"forclore", 5, "forcloses"},
        {"forfaire", 2, "forfait"},
        {"occire", 2, "occis"},     {"occire", 3, "occis"},       {"occire", 4, "occise"},
        {"occire", 5, "occises"},
        {"rassir", 2, "rassis"},    {"rassir", 3, "rassis"},      {"rassir", 4, "rassise"},
        {"rassir", 5, "rassises"},
        {"reclure", 2, "reclus"},   {"reclure", 3, "reclus"},     {"reclure", 4, "recluse"},
        {"reclure", 5, "recluses"},
    };
    static const char* const kVerbs[] = {"apparoir", "chaloir", MR("gésir"), MR("ouïr"), "sourdre",
                                         "forclore", "forfaire", "occire", "rassir", "reclure"};
    const char* verb = nullptr;
    for (const char* v : kVerbs)
        if (WordBegins(*c.call, v)) {
            verb = v;
            break;
        }
    if (verb == nullptr) return false;
    TextClear(entry);
    for (const Override& o : kForms)
        if (o.verb == verb && o.slot == k) CopyCString(entry, o.form);
    return true;
}

// True when the entry already shows the form an alternative (" or born",
// " (or spit)") names: the data may hold the other spelling first, or
// name it in a note.
bool NamesForm(const char* text, const BoundedString& entry) {
    const char* end = text + std::strlen(text);
    if (end > text && end[-1] == ')') --end;
    const char* begin = end;
    while (begin > text && begin[-1] != ' ' && begin[-1] != '(') --begin;
    Work36 form;
    CopyBytesToString(form.s, reinterpret_cast<const u8*>(begin), static_cast<u32>(end - begin));
    return end > begin && EntryShows(entry, form.s);
}

// Step 10: English forms shown with their alternatives.
void EnglishAlternatives(const Conj& c, u32 k, BoundedString& entry) {
    struct Alt {
        u8 model;
        u8 slotA;
        u8 slotB;        // 255: one slot only
        const char* verb;  // null: any verb
        const char* text;
        bool replace;
    };
    static const Alt kAlts[] = {
        {1, 3, 255, "crow", " (or crew)", false},
        {1, 3, 4, "spell", " or spelt", false},   {1, 3, 4, "spill", " or spilt", false},
        {1, 3, 4, "smell", " or smelt", false},   {1, 3, 4, "work", " (or wrought)", false},
        {3, 3, 4, "mix", " (or mixt)", false},    {5, 3, 4, "shred", " (or  shred)", false},
        {10, 3, 4, "wrap", " (or  wrapt)", false}, {16, 4, 255, "reeve", " or rove", false},
        {16, 3, 255, "seethe", " (or sod)", false}, {16, 4, 255, "seethe", " (or sodden)", false},
        {16, 3, 4, "stave", " or stove", false},  {24, 4, 255, "sow", " (or sowed)", false},
        {24, 4, 255, "show", " (or showed)", false}, {25, 3, 255, "bid", ", or bade", false},
        {25, 4, 255, "bid", ", or bidden", false}, {35, 3, 255, nullptr, " (or durst)", false},
        {37, 0, 255, nullptr, "am", true},        {37, 1, 255, nullptr, ", (they) are", false},
        {37, 3, 255, nullptr, ", (they) were", false}, {45, 3, 255, nullptr, ", or forbad", false},
        {49, 3, 255, "tread", " or treaded", false}, {49, 4, 255, "tread", " or trod", false},
        {53, 3, 4, "strive", " (or strived)", false}, {54, 4, 255, "stride", " (or strid)", false},
        {56, 3, 4, "smite", " (or smit)", false}, {57, 4, 255, "strike", " (or stricken)", false},
        {58, 4, 255, "wake", "woken", true},      {61, 4, 255, "hide", " (or hid)", false},
        {61, 4, 255, "chide", " (or chid)", false}, {64, 3, 255, "cleave", ", or clove", false},
        {64, 4, 255, "cleave", ", or cloven", false}, {85, 3, 4, "bespeak", " (or bespake)", false},
        {87, 3, 255, "sink", " (or sunk)", false}, {87, 3, 255, "slink", " (or slunk)", false},
        {87, 3, 255, "stink", " (or stunk)", false}, {89, 3, 4, "kneel", " (or kneeled)", false},
        {91, 3, 4, "dwell", " (or dwelled)", false}, {93, 4, 255, "swell", ", or swelled", false},
        {100, 4, 255, "bear", " or born", false}, {110, 3, 4, "spit", " (or spit)", false},
    };
    const BoundedString& word = c.call->word.s;
    if (!TextSame(c.infinitive.s, word)) return;
    for (const Alt& a : kAlts) {
        if (a.model != c.firstModel || (k != a.slotA && k != a.slotB)) continue;
        if (a.verb != nullptr && !TextEquals(word, a.verb)) continue;
        if (a.replace)
            CopyCString(entry, a.text);
        else if (!NamesForm(a.text, entry))
            AppendCString(entry, a.text);
    }
}

// Step 11: the second candidate's form for slot k.
void SecondCandidate(Conj& c, u32 k, bool firstExists, const BoundedString& form1, BoundedString& entry) {
    Work36 form2;
    const bool exists2 = BuildForm(c, c.stem1.s, c.secondModel, k, form2.s);
    if (c.call->op == 30 && (c.firstModel == 1 || c.firstModel == 129) &&
        (c.secondModel == 7 || c.secondModel == 135)) {
        if (k == 2) AppendCString(form2.s, " or ..ling");
        if (k == 3 || k == 4) AppendCString(form2.s, " or ..led");
        TextCopy(entry, form2.s);
        return;
    }
    if (!firstExists && !exists2) {
        TextClear(entry);
    } else if (!firstExists) {
        TextCopy(entry, form2.s);
    } else if (c.firstPhase && exists2 && !TextSame(form1, form2.s)) {
        if (c.call->op == 30) {
            AppendEnglishNote(entry, form2.s);
        } else {
            AppendCString(entry, " ou ");
            AppendString(entry, form2.s);
        }
    }
}

bool ConjugatedWithEtre(const Conj& c) {
    const InflectCall& call = *c.call;
    const u8 m = c.lastModel;
    if (m == 18 || m == 65 || m == 114) return true;
    if ((m == 1 || m == 129) && Any(call, {"rest", "arriv", "retomb", "tomb", "entr", "rentr", "retourn"}))
        return true;
    if (m == 3 && WordBegins(call, MR("décéd"))) return true;
    if ((m == 22 || m == 150) &&
        Any(call, {"ven", "adv", "dev", "rev", "surv", "interv", "parv", "prov", "redev"}))
        return true;
    return (m == 24 || m == 152) && Any(call, {"sor", "par", "ressor", "repar"});
}

// Top four bits of the word's first analysis tag (0 when none).
u16 ClassNibble(const InflectCall& call) {
    static StringList work;
    if (work.count == 0) InitByteMatrix(work, 16, 36);
    Work36 w;
    TextCopy(w.s, call.word.s);
    RestoreHyphens(w.s);
    u16 n = 0;
    AnalyseWordForms(800, w.s, n, work);
    return n > 0 ? static_cast<u16>(gWordTagCodes[0] >> 12) : 0;
}

u16 ResultWord(const Conj& c) {
    InflectCall& call = *c.call;
    if (call.op == 30 || !call.french) {
        const u8 m = c.firstModel;
        if (m < 19 || (m == 21 && TextLast(call.Result(0)) == 'e')) return 32;
        if (m >= 28 && m <= 38) return 24;
        return 33;
    }
    if (c.lastByte == kModelStemOnly) return kInflectStemOnly;
    if (Any(call, {"apparoir", "chaloir", MR("gésir"), "sourdre"})) return 0x901A;
    if (WordBegins(call, MR("ouïr"))) return 0xC01A;
    if (WordBegins(call, "assavoir")) return 0x901B;
    u16 high = static_cast<u16>(ClassNibble(call) * 16);
    if (ConjugatedWithEtre(c)) high = static_cast<u16>(high + 8);
    u16 low = static_cast<u16>(FrenchRow(c.firstModel).GroupChar2 - 28);
    if (c.plus100) low = static_cast<u16>(low + 100);
    return static_cast<u16>(high << 8 | (low & 0xFF));
}

}  // namespace

u16 InflectConjugation(InflectCall& call) {
    Conj c;
    c.call = &call;
    if (!call.phase2) {
        if (CandidatesFromLexicon(call)) {
            call.phase2 = true;
        } else {
            call.Count() = 0;
            Work36 w;
            TextCopy(w.s, call.word.s);
            u16 found = 0;
            if (DictLookup(static_cast<u16>(call.mode), w.s, found) == 0 && !LongEnglishWordKnown(call))
                return kInflectRefused;
            call.Count() = 0;
            TextCopy(w.s, call.word.s);
            if (GenerateVerbForms(call.mode, w.s, *call.results, call.Count()) == 0) return kInflectNoVerb;
            if (call.op == 30) KeepEnglishInfinitiveCandidates(call);
            c.firstPhase = true;
        }
    }
    const u16 early = ReadCandidates(c);
    if (early != 0) return early;
    RebuildInfinitive(c);
    if (call.op == 30 && c.firstPhase) {
        ReplaceEnglishCandidate(c);
        if (c.replaced) RebuildInfinitive(c);
    }
    if (!c.replaced && !TextStartsWith(c.infinitive.s, reinterpret_cast<const char*>(call.word.bytes)))
        return kInflectNotInfinitive;
    // The participle agrees (four forms) unless every reading of the verb
    // marks it invariable: a verb with two entries (ressortir) keeps its
    // agreeing forms whichever entry the dictionary gives last.
    const Tense tense = SlotsOf(call.op, c.anyAgreeing ? 0 : c.lastByte);
    const bool rowBuilt = !(call.french && call.op != 30 &&
                            (c.lastByte == kModelStemOnly || c.lastByte == kModelDefective));
    u32 j = 0;
    for (u32 k = tense.start; k < tense.end; ++k, ++j) {
        BoundedString& entry = c.work[j < kWorkEntries ? j : kWorkEntries - 1].s;
        Work36 form;
        bool exists = false;
        TextClear(entry);
        if (rowBuilt) {
            exists = BuildForm(c, c.stem0.s, c.firstModel, k, form.s);
            if (exists) TextCopy(entry, form.s);
        }
        const bool french = call.french && call.op != 30;
        if (french && c.firstPhase && rowBuilt) {
            FrenchAlternatives(c, k, entry);
            if (exists) Model48Variant(c, k, form.s, entry);
        }
        if (french && (!rowBuilt || c.firstPhase)) DefectiveOverride(c, k, entry);
        if (call.op == 30 && c.firstPhase) {
            const bool notes = TextSame(c.infinitive.s, call.word.s);
            if (notes) EnglishNotesBefore(call.word.s, k, entry);
            EnglishAlternatives(c, k, entry);
            if (notes) EnglishNotesAfter(call.word.s, k, entry);
        }
        if (c.candidates == 2 && rowBuilt) SecondCandidate(c, k, exists, form.s, entry);
    }
    const u32 n = tense.end - tense.start;
    for (u32 i = 0; i < n; ++i) {
        BoundedString& r = call.Result(i);
        BoundedString& entry = c.work[i < kWorkEntries ? i : kWorkEntries - 1].s;
        if (call.op == 30 && r.count > 0) FitEnglishEntry(entry, r.count - 1);
        TextCopy(r, entry);
        RestoreHyphens(r);
    }
    call.Count() = static_cast<u16>(n);
    return ResultWord(c);
}
