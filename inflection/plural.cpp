// Plural of a word (operation 3).
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

constexpr u8 kVerbReading = '~';

// A stored text with its hyphens and non-final à written as the marks of
// the working word.
void Marked(const char* text, BoundedString& out) {
    CopyCString(out, text);
    const u32 n = TextLen(out);
    for (u32 i = 0; i < n; ++i) {
        if (out.data[i] == '-') out.data[i] = kHyphenMarkByte;
        else if (out.data[i] == kAGrave && i + 1 < n) out.data[i] = kAGraveMarkByte;
    }
}

bool BeginsMarked(const InflectCall& call, const char* text) {
    Work36 m;
    Marked(text, m.s);
    return TextStartsWith(call.word.s, reinterpret_cast<const char*>(m.bytes));
}

u16 Fail(InflectCall& call, u16 code) {
    call.Count() = 0;
    return code;
}

u16 Fixed(InflectCall& call, const char* a, const char* b = nullptr) {
    CopyCString(call.Result(0), a);
    call.Count() = 1;
    if (b != nullptr) {
        CopyCString(call.Result(1), b);
        call.Count() = 2;
    }
    return kInflectFixedList;
}

// Step 2: the short French determiners and "mal".
u16 ShortFrench(InflectCall& call) {
    const BoundedString& w = call.word.s;
    struct Pair {
        const char* word;
        const char* a;
        const char* b;
    };
    static const Pair kPairs[] = {
        {"au", "aux", nullptr}, {"la", "les", nullptr}, {"ma", "mes", nullptr}, {"sa", "ses", nullptr},
        {"ta", "tes", nullptr}, {"mon", "mes", nullptr}, {"son", "sons", "ses"}, {"ton", "tons", "tes"},
        {"mal", "maux", "mals"},
    };
    for (const Pair& p : kPairs)
        if (TextEquals(w, p.word)) return Fixed(call, p.a, p.b);
    return 0;
}

// Step 3: French compounds with an apostrophe.
u16 ApostropheCompound(InflectCall& call) {
    static const char* const kNoPlural[] = {
        "aujourd'hui", "bernard-l'ermite", MR("c'est-à-dire"), MR("coq-à-l'âne"), MR("dos-d'âne"),
        "hors-d'oeuvre", "qu'en-dira-t-on", "m'as-tu-vu", MR("pont-l'évêque"), "tire-d'aile",
        MR("tout-à-l'égout"), MR("tape-à-l'oeil"), "trompe-l'oeil", "vau-l'eau"};
    for (const char* t : kNoPlural)
        if (BeginsMarked(call, t)) return Fail(call, kInflectNoPlural);
    struct Pair {
        const char* left;
        const char* right;
    };
    static const Pair kPlurals[] = {
        {"bouton-d'or", "boutons-d'or"},     {"chef-d'oeuvre", "chefs-d'oeuvre"},
        {"main-d'oeuvre", "mains-d'oeuvre"}, {"queue-d'aronde", "queues-d'aronde"},
        {"prud'homme", "prud'hommes"},       {"prud'homale", "prud'homales"},
        {"prud'homal", "prud'homaux"},       {"prud'homie", "prud'homies"},
    };
    for (const Pair& p : kPlurals) {
        if (!BeginsMarked(call, p.left)) continue;
        CopyCString(call.Result(0), p.right);
        RestoreMarks(call.Result(0));
        call.Count() = 1;
        return kInflectFixedList;
    }
    return Fail(call, kInflectRefused);
}

bool ProtectedPrefix(const InflectCall& call, bool french) {
    static const char* const kFrench[] = {"ex-", "pseudo-", "quasi-", "quatre-vingt-", "soixante-dix-"};
    const u32 n = french ? 5 : 3;
    for (u32 i = 0; i < n; ++i)
        if (BeginsMarked(call, kFrench[i])) return true;
    return false;
}

bool Known(InflectCall& call, const BoundedString& text) {
    Work36 w;
    TextCopy(w.s, text);
    u16 n = 0;
    return DictLookup(static_cast<u16>(call.mode), w.s, n) != 0 || n != 0;
}

// Step 14: a French participle reading ("~" already removed from `r`).
u16 FrenchParticiple(InflectCall& call, BoundedString& r) {
    const u8 stored = TextLast(r);
    TextCut(r, TextLen(r) - 1);
    const u8 m = stored > 128 ? static_cast<u8>(stored - 128) : stored;
    if (m == 127 || m == 125) return Fail(call, kInflectVerbNoPlural);
    const EndingRow& row = FrenchRow(m);
    Work36 form, ending;
    u32 slot = kFrenchEndingSlots;
    for (u32 s = 0; s < kFrenchEndingSlots; ++s) {
        FrenchSlotEnding(row, s, ending.s);
        if (TextEquals(ending.s, "0")) continue;
        TextCopy(form.s, r);
        if (!TextEquals(ending.s, "$")) AppendString(form.s, ending.s);
        if (TextSame(form.s, call.word.s)) {
            slot = s;
            break;
        }
    }
    if (slot == kFrenchEndingSlots) return Fail(call, kInflectVerbNoPlural);
    auto nova = [&]() -> u16 {
        if (!TextStartsWith(*call.callerWord, "nova")) return Fail(call, kInflectVerbNoPlural);
        CopyCString(call.Result(0), "novas");
        CopyCString(call.Result(1), "novae");
        call.Count() = 2;
        return 0;
    };
    if (slot == 2) {
        if (stored > 128) return Fail(call, kInflectInvariable);
        if (stored == 128) return nova();
        if (m == 42 || m == 44 || m == 68) {
            // dû, mû, crû: the plural drops the circumflex.
            AppendCString(r, "us");
        } else {
            TextCopy(r, form.s);
            AppendByteToString(r, 's');
        }
        return 0;
    }
    if (slot == 4 || slot == 6) {
        TextCopy(r, form.s);
        AppendByteToString(r, 's');
        return 0;
    }
    return nova();
}

u8 NominalLetter(u8 c) {
    if (c == 60) return MRC("é");
    if (c == 61) return MRC("ï");
    return static_cast<u8>(c + 64);
}

u8 UpperCodeLetter(u8 c) {
    switch (c) {
        case 64: return MRC("ê");
        case 92: return MRC("é");
        case 93: return MRC("ï");
        case 94: return MRC("ë");
        case 95: return MRC("è");
        default: return static_cast<u8>(c + 32);
    }
}

// The capital rule of codes 64..95 (and English 31..63): a 0x97 before the
// code capitalises the first letter and is dropped.
void CapitalRule(BoundedString& r) {
    const u32 n = TextLen(r);
    if (n >= 2 && r.data[n - 2] == 0x97) {
        if (r.data[0] >= 'a' && r.data[0] <= 'z') r.data[0] = static_cast<u8>(r.data[0] - 32);
        r.data[n - 2] = r.data[n - 1];
        TextCut(r, n - 1);
    }
}

// Step 12: one French candidate. 0 to go on, else the call's result code.
u16 FrenchCandidate(InflectCall& call, u16 i, u32& suffixIndex) {
    BoundedString& r = call.Result(i);
    u32 n = TextLen(r);
    if (n == 0) return 0;
    u8 c = r.data[n - 1];
    if (c >= 1 && c <= 32) {
        if (call.hyphen && c == 28) {
            r.data[n - 1] = MRC("é");
            if (TextLen(r) == TextLen(*call.callerWord)) return Fail(call, kInflectNoPlural);
            return 0;
        }
        if (c == 19 || c == 24 || c == 26) return Fail(call, kInflectInvariable);
        if (call.Count() == 1) return Fail(call, kInflectNoPlural);
        if (i != 0 || TextLast(call.Result(1)) < 33) return Fail(call, kInflectNoPlural);
        TextCopy(call.Result(0), call.Result(1));
        call.Count() = 1;
        n = TextLen(r);
        c = r.data[n - 1];
    }
    switch (c) {
        case 127: case 188: case 207: case 223: case 224: case 229: case 230: case 231:
            return Fail(call, kInflectNoPlural);
        default:
            break;
    }
    const u8 last = TextLast(call.word.s);
    if (c == 63) {
        TextCut(r, n - 1);
    } else if (c == 255) {
        TextCut(r, n >= 2 ? n - 2 : 0);
        if (last == 'l') AppendCString(r, "aux");
        else if (last == 'e') AppendCString(r, "ales");
    } else if (c >= 33 && c <= 61) {
        if (c == 59)
            TextCut(r, n - 1);
        else
            r.data[n - 1] = NominalLetter(c);
        AppendCString(r, last == 'e' ? "es" : "s");
    } else if (c >= 64 && c <= 95) {
        CapitalRule(r);
        n = TextLen(r);
        if (c == 91)
            TextCut(r, n - 1);
        else
            r.data[n - 1] = UpperCodeLetter(c);
        AppendByteToString(r, 's');
    } else if (c >= 160) {
        const u8 alt = n >= 2 ? r.data[n - 2] : 0;
        if (alt == 1) suffixIndex = gLetterTable[c - 160];
        else if (alt == 2) suffixIndex = gLetterTable[c - 137];
        TextCut(r, n >= 2 ? n - 2 : 0);
        AppendString(r, gFrenchSuffixes[static_cast<i32>(suffixIndex)]);
        if (c == 161 || c == 162 || c == 171) AppendByteToString(r, 'x');
        else if (c != 160 && c != 172) AppendByteToString(r, 's');
    } else if (c == kVerbReading) {
        TextCut(r, n - 1);
        return FrenchParticiple(call, r);
    }
    return 0;
}

// Step 11: an already plural hyphenated word, and verb readings beside a
// nominal one.
u16 BeforeLoop(InflectCall& call) {
    Work36 plural;
    TextCopy(plural.s, call.Result(0));
    const u32 n = TextLen(plural.s);
    if (n > 0) plural.s.data[n - 1] = static_cast<u8>(plural.s.data[n - 1] + 32);
    AppendByteToString(plural.s, 's');
    if (call.hyphen && TextSame(plural.s, call.word.s)) return Fail(call, kInflectInvariable);
    if (call.Count() == 2) {
        const bool verb0 = TextLast(call.Result(0)) == kVerbReading;
        const bool verb1 = TextLast(call.Result(1)) == kVerbReading;
        if (verb0 && TextLast(call.Result(1)) > 32) {
            TextCopy(call.Result(0), call.Result(1));
            call.Count() = 1;
        } else if (!verb0 && verb1) {
            call.Count() = 1;
        }
    }
    return 0;
}

u16 FrenchPlural(InflectCall& call) {
    const BoundedString& w = call.word.s;
    const u8 last = TextLast(w);
    if ((last == 's' || last == 'x' || last == 'z') && !call.hyphen) {
        if (TextStartsWith(w, "naevus")) return Fixed(call, "naevi");
        if (TextStartsWith(w, "stimulus")) return Fixed(call, "stimuli");
        if (TextStartsWith(w, "tumulus")) return Fixed(call, "tumuli");
        return Fail(call, kInflectInvariable);
    }
    Work36 copy;
    TextCopy(copy.s, w);
    GenerateVerbForms(call.mode, copy.s, *call.results, call.Count());
    if (call.hyphen && call.Count() == 0 && ProtectedPrefix(call, true)) return Fail(call, kInflectRefused);
    const u32 n = call.Len();
    if (n < 4) {
        if (n == 2 && w.data[1] == 'e' && (w.data[0] == 'c' || w.data[0] == 'l')) {
            TextCopy(call.Result(0), w);
            AppendByteToString(call.Result(0), '[');
            call.Count() = 1;
        } else if (TextStartsWith(w, "un")) {
            TextCopy(call.Result(0), w);
            AppendByteToString(call.Result(0), '[');
            CopyCString(call.Result(1), "de[");
            call.Count() = 2;
        }
    }
    if (call.Count() == 0) {
        static FormEntry entry;
        if (entry.FormCodes.count == 0) InitFormEntry(entry);
        return Fail(call, GetFirstLexForm(w, entry, 64) != 0 ? kInflectLexiconOnly : kInflectNoPlural);
    }
    const u16 before = BeforeLoop(call);
    if (before != 0) return before;
    u32 suffixIndex = 0;
    for (u16 i = 0; i < call.Count() && i <= static_cast<u32>(call.results->last); ++i) {
        const u16 code = FrenchCandidate(call, i, suffixIndex);
        if (code != 0) return code;
    }
    RestoreMarksTail(call);
    return 0;
}

// ---- English --------------------------------------------------------------------

const char* EnglishVerbPlural(u8 m) {
    switch (m) {
        case 3: case 16: case 19: case 61: case 63: case 67: case 74: return "es";
        case 12: return "ses";
        case 14: return "zes";
        case 17: case 114: return "ies";
        case 41: return "ds";
        case 43: return "olds";
        case 48: return "ands";
        case 49: return "eads";
        case 50: case 58: case 59: return "akes";
        case 53: return "ives";
        case 55: return "ises";
        case 57: return "ikes";
        case 64: return "eaves";
        case 76: return "igs";
        case 77: return "ings";
        case 81: return "atches";
        case 84: return "inks";
        case 85: return "icks";
        case 94: return "ims";
        case 95: case 98: return "ins";
        case 97: return "uns";
        case 99: return "eps";
        case 100: return "ears";
        case 103: case 108: return "ights";
        case 107: return "ets";
        case 109: return "ots";
        case 111: return "ows";
        case 112: return "aws";
        case 113: return "uys";
        case 115: return "ys";
        case 117: return "alls";
        default: return (m <= 26 || m == 36) ? "s" : nullptr;
    }
}

// Step 15: an English verb reading.
u16 EnglishVerb(InflectCall& call, BoundedString& r) {
    TextCut(r, TextLen(r) - 1);  // "~"
    u8 m = TextLast(r);
    TextCut(r, TextLen(r) - 1);
    if (m > 128) m = static_cast<u8>(m - 128);
    Work36 form, ending;
    EnglishSlotEnding(EnglishRow(m), 0, ending.s);
    TextCopy(form.s, r);
    if (!TextEquals(ending.s, "$")) AppendString(form.s, ending.s);
    if (!TextSame(form.s, call.word.s)) return Fail(call, kInflectVerbNoPlural);
    if (m == 118) {
        if (!TextEquals(*call.callerWord, "die")) return Fail(call, kInflectVerbNoPlural);
        return Fixed(call, "dice", "dies"), 0;
    }
    const char* e = EnglishVerbPlural(m);
    if (e == nullptr) return Fail(call, kInflectVerbNoPlural);
    AppendCString(r, e);
    return 0;
}

bool EnglishSuffixRefused(u32 i) {
    return i < 6 || (i >= 16 && i <= 30) || (i >= 43 && i <= 53) || (i >= 59 && i <= 70) ||
           (i >= 73 && i <= 77) || (i >= 79 && i <= 87);
}

u16 EnglishCandidate(InflectCall& call, u16 i) {
    BoundedString& r = call.Result(i);
    u32 n = TextLen(r);
    if (n == 0) return 0;
    const u8 c = r.data[n - 1];
    if ((c >= 1 && c <= 29) || c == 64) return Fail(call, kInflectInvariable);
    if (c == 95) {
        TextCut(r, n - 1);
        if (n >= 2) r.data[n - 2] = static_cast<u8>(r.data[n - 2] + 32);
    } else if (c == 255) {
        TextCut(r, n - 1);
        TextCopy(call.Result(1), r);
        AppendCString(r, "as");
        AppendCString(call.Result(1), "ae");
        call.Count() = 2;
        return kInflectTwoPlurals;
    } else if (c >= 248 && c <= 254) {
        static const char* const kEndings[7] = {"cies", "encies", "eries", "ities", "esses", "uses", "men"};
        TextCut(r, n - 1);
        AppendCString(r, kEndings[c - 248]);
    } else if (c == 30) {
        TextCut(r, n - 1);
        AppendCString(r, "es");
    } else if (c >= 31 && c <= 63) {
        CapitalRule(r);
        n = TextLen(r);
        TextCut(r, n - 1);
        switch (c) {
            case 32: break;
            case 31: AppendCString(r, "ie"); break;
            case 59: AppendCString(r, "he"); break;
            case 60: AppendCString(r, "oe"); break;
            case 61: AppendCString(r, "se"); break;
            case 62: AppendCString(r, "xe"); break;
            case 63: AppendCString(r, "ze"); break;
            default: AppendByteToString(r, static_cast<u8>(c + 64)); break;
        }
        AppendByteToString(r, 's');
    } else if (c >= 160) {
        const u32 k = c - 160u;
        if (EnglishSuffixRefused(k)) return Fail(call, kInflectInvariable);
        TextCut(r, n - 1);
        AppendString(r, gEnglishSuffixes[gLetterTable[static_cast<i32>(k)]]);
        AppendByteToString(r, 's');
    } else if (c == kVerbReading) {
        return EnglishVerb(call, r);
    }
    return 0;
}

u16 EnglishPlural(InflectCall& call) {
    if ((gWordTagCodes[0] >> 8) == 0x38) return Fail(call, kInflectInvariable);
    Work36 copy;
    TextCopy(copy.s, call.word.s);
    GenerateVerbForms(call.mode, copy.s, *call.results, call.Count());
    if (call.hyphen && call.Count() == 0 && ProtectedPrefix(call, false)) return Fail(call, kInflectRefused);
    if (TextEquals(*call.callerWord, "focus")) return Fixed(call, "focuses", "foci");
    if (TextLast(call.word.s) == MRC("é")) {
        Work36 s;
        TextCopy(s.s, call.word.s);
        AppendByteToString(s.s, 's');
        if (!Known(call, s.s)) return Fail(call, kInflectInvariable);
        TextCopy(call.Result(0), s.s);
        call.Count() = 1;
        return kInflectFixedList;
    }
    if (call.Count() == 0) return Fail(call, kInflectInvariable);
    const u16 before = BeforeLoop(call);
    if (before != 0) return before;
    for (u16 i = 0; i < call.Count() && i <= static_cast<u32>(call.results->last); ++i) {
        const u16 code = EnglishCandidate(call, i);
        if (code != 0) return code;
    }
    RestoreMarksTail(call);
    return 0;
}

}  // namespace

u16 InflectPlural(InflectCall& call) {
    call.Count() = 0;
    if (call.Len() == 1) return kInflectNoPlural;
    if (call.french) {
        const u16 fixed = ShortFrench(call);
        if (fixed != 0) return fixed;
        if (TextContains(call.word.s, '\'')) return ApostropheCompound(call);
    } else if (TextEquals(call.word.s, "scarf")) {
        return Fixed(call, "scarves", "scarfs");
    }
    Work36 w;
    TextCopy(w.s, call.word.s);
    u16 n = 0;
    gWordTagCodes[0] = 0;
    if (DictLookup(static_cast<u16>(call.mode), w.s, n) == 0 && n == 0)
        return Fail(call, kInflectRefused);
    call.Count() = 0;
    return call.french ? FrenchPlural(call) : EnglishPlural(call);
}
