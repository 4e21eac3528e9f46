// Feminine and masculine forms (operations 8 and 9) and the singular
// (operation 4): both read the word's analysis from the scratch word record.
#include <cstring>

#include "frame/bounded_string.h"
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/report.h"
#include "frame/tables.h"
#include "inflection/inflect.h"
#include "inflection/inflect_call.h"
#include "inflection/verb_forms.h"
#include "morphology/adjectives.h"
#include "morphology/token_base_form.h"
#include "morphology/word_lookup.h"

namespace {

constexpr i32 kScratchWord = 127;

WordRecord& Scratch() { return *GetWordRecordAt(gWords, kScratchWord); }

bool IsVerbClass(u8 c) { return c > 127; }

u16 Fail(InflectCall& call, u16 code) {
    call.Count() = 0;
    return code;
}

// Step 2: the analyses of the working word into the scratch record; the
// number of readings (0: unknown word).
u16 AnalyseIntoScratch(InflectCall& call) {
    Work36 w;
    TextCopy(w.s, call.word.s);
    u16 n = 0;
    DictLookup(static_cast<u16>(call.mode), w.s, n);
    WordRecord& r = Scratch();
    if (n > kReadingSlots) n = kReadingSlots;
    r.ReadingCount = n;
    for (u16 i = 0; i < n; ++i) {
        const u16 tag = gWordTagCodes[i];
        r.ReadingClasses[i] = static_cast<u8>(tag >> 8);
        r.ReadingFeatures[i] = static_cast<u8>(tag & 0xFF);
        r.ReadingMarks[i] = gWordAnalysisBytes[i];
        r.ReadingLemmaRefs[i] = gWordLemmaRefs[i];
    }
    r.WordCaseMode = 0;
    r.LigatureMode = 0;
    return n;
}

void SwapReadings(WordRecord& r, i32 a, i32 b) {
    std::swap(r.ReadingClasses[a], r.ReadingClasses[b]);
    std::swap(r.ReadingFeatures[a], r.ReadingFeatures[b]);
    std::swap(r.ReadingMarks[a], r.ReadingMarks[b]);
    std::swap(r.ReadingCategories[a], r.ReadingCategories[b]);
    std::swap(r.ReadingLemmaRefs[a], r.ReadingLemmaRefs[b]);
}

void RemoveReading(WordRecord& r, i32 i) {
    for (i32 k = i; k + 1 < r.ReadingCount; ++k) {
        r.ReadingClasses[k] = r.ReadingClasses[k + 1];
        r.ReadingFeatures[k] = r.ReadingFeatures[k + 1];
        r.ReadingMarks[k] = r.ReadingMarks[k + 1];
        r.ReadingCategories[k] = r.ReadingCategories[k + 1];
        r.ReadingLemmaRefs[k] = r.ReadingLemmaRefs[k + 1];
    }
    --r.ReadingCount;
}

// Step 3: past participles kept (and moved first), other verb readings and
// readings below class 'A' removed.
void FilterReadings(InflectCall& call) {
    WordRecord& r = Scratch();
    i32 i = 0;
    while (i < r.ReadingCount) {
        const u8 c = r.ReadingClasses[i];
        const u8 f = r.ReadingFeatures[i];
        if (call.french && IsVerbClass(c) && f >= 2 && f <= 5) {
            if (r.ReadingCount >= 2 && i >= 1) SwapReadings(r, 0, 1);
            ++i;
        } else if (IsVerbClass(c) || c < 'A') {
            RemoveReading(r, i);
        } else {
            ++i;
        }
    }
}

bool FiniteVerbReading(u8 c, u8 f, u8 m) { return (m & 0x7F) > 15 && (c & 0x0F) == 0 && f > 6; }

// ---- Gender --------------------------------------------------------------------------

u16 Determiner(InflectCall& call) {
    struct Row {
        const char* key;
        const char* forms[4];  // selector 4, 3, 2, other
    };
    static const Row kRows[] = {
        {"tou", {"toutes ", "toute ", "tous ", "tout "}},
        {"nul", {"nulles ", "nulle ", "nuls ", "nul "}},
        {"tel", {"telles ", "telle ", "tels ", "tel "}},
        {"quel", {"quelles ", "quelle ", "quels ", "quel "}},
        {"certain", {"certaines ", "certaine ", "certains ", "certain "}},
        {"aucun", {"aucunes ", "aucune ", "aucuns ", "aucun "}},
        {"chacun", {"chacune ", "chacune ", "chacun ", "chacun "}},
        {"divers", {"diverses ", "diverse ", "divers ", "divers "}},
        {"nombreu", {"nombreuses ", "nombreuse ", "nombreux ", "nombreux "}},
        {"diff", {MR("différentes "), MR("différente "), MR("différents "), MR("différent ")}},
        {"maint", {"maintes ", "mainte ", "maints ", "maint "}},
        {"seul", {"seules ", "seule ", "seuls ", "seul "}},
    };
    const i16 sel = static_cast<i16>(gErrorExtent);
    const u32 column = sel == 4 ? 0 : sel == 3 ? 1 : sel == 2 ? 2 : 3;
    for (const Row& row : kRows) {
        if (!TextStartsWith(call.word.s, row.key)) continue;
        CopyCString(call.Result(0), row.forms[column]);
        call.Count() = 1;
        return 0;
    }
    return Fail(call, kInflectNoGenderForm);
}

// Step 6: the selector from the operation and the reading; 0 to go on.
u16 SetSelector(InflectCall& call, u8 c, u8 f) {
    const bool verb = IsVerbClass(c);
    const u8 gender = f & 0xF0;
    const bool plural = verb ? false : (f & 0x0F) > 7;
    if (call.op == 8) {
        if (verb ? f > 3 : gender == 0x20) return kInflectAlreadyFeminine;
        gErrorExtent = (verb ? f == 3 : plural) ? 4 : 3;
    } else {
        if (verb ? f < 4 : gender == 0x10) return kInflectAlreadyMasculine;
        gErrorExtent = (verb ? f == 5 : plural) ? 2 : 1;
    }
    return 0;
}

bool IsSXZ(u8 c) { return c == 's' || c == 'x' || c == 'z'; }
u8 Small(u8 c) { return (c == 'S' || c == 'E' || c == 'X' || c == 'Z') ? static_cast<u8>(c + 32) : c; }

// Step 8, participles: the form of the selected slot on the reading's stem.
u16 ParticipleForm(InflectCall& call, u8 c, u8 f, u8 mark) {
    u8 m = mark > 128 ? static_cast<u8>(mark - 128) : mark;
    if (m == 4) m = 1;
    else if (m == 5) m = 3;
    else if (m == 6) m = 2;
    const EndingRow& row = FrenchRow(m);
    Work36 ending, stem;
    FrenchSlotEnding(row, f, ending.s);
    const u32 width = TextEquals(ending.s, "$") ? 0 : TextLen(ending.s);
    TextCopy(stem.s, call.word.s);
    TextCut(stem.s, call.Len() > width ? call.Len() - width : 0);
    FrenchSlotEnding(row, static_cast<u32>(gErrorExtent) + 1, ending.s);
    if (TextEquals(ending.s, "0") || (c & 1) != 0) return Fail(call, kInflectSameForm);
    if (TextEquals(ending.s, "$")) TextClear(ending.s);
    TextCopy(call.Result(0), stem.s);
    AppendString(call.Result(0), ending.s);
    call.Count() = 1;
    return 0;
}

const BoundedString& Suffix(u32 letterIndex) {
    return gFrenchSuffixes[static_cast<i32>(gLetterTable[static_cast<i32>(letterIndex)])];
}

// Step 8, other readings: letters cut and ending appended by the mark byte.
void RegularForm(InflectCall& call, u8 c) {
    const BoundedString& w = call.word.s;
    const u32 n = call.Len();
    const u8 s = Small(TextLast(w));
    const u8 p = Small(TextLast(w, 1));
    const u32 f = static_cast<u32>(static_cast<i16>(gErrorExtent));
    const bool plural = f == 2 || f == 4;
    auto e = [](u8 x) -> u32 { return x == 'e' ? 1 : 0; };
    const bool sIsS = s == 's';
    u32 k = 0;
    Work36 ending;
    auto suffixByForm = [&]() {
        const BoundedString& sfx = (f == 1 || f == 2) ? Suffix(c - 160u) : Suffix(c - 137u);
        TextCopy(ending.s, sfx);
        const u8 l = TextLast(sfx);
        if (plural && l != 's' && l != 'x') AppendByteToString(ending.s, 's');
    };
    if (c == 59) {
        if (IsSXZ(s)) {
            const u8 feat = Scratch().ReadingFeatures[0];
            k = p == 'e' ? 2 : (feat == 0x1C || feat == 0x10) ? 0 : 1;
        } else {
            k = e(s);
        }
        if (f == 3 || f == 4) AppendByteToString(ending.s, 'e');
        const BoundedString& text = Scratch().WordText;
        const u32 tl = TextLen(text);
        const u8 before = (tl > k && k < tl) ? TextAt(text, tl - k - 1) : 0;
        if (plural && !(before == 's' || before == 'x')) AppendByteToString(ending.s, 's');
    } else if (c == 91) {
        k = IsSXZ(s) ? 1 : 0;
        if (plural) AppendByteToString(ending.s, 's');
    } else if (c == 252) {
        k = sIsS ? 1 : 0;
        if (plural) AppendByteToString(ending.s, 's');
    } else if (c >= 64 && c <= 95) {
        k = IsSXZ(s) ? 2 : 1;
        u8 letter = static_cast<u8>(c + 32);
        if (c == 64) letter = MRC("ê");
        if (c == 92) letter = MRC("é");
        if (c == 93) letter = MRC("ï");
        if (c == 94) letter = MRC("ë");
        if (c == 95) letter = MRC("è");
        AppendByteToString(ending.s, letter);
        if (plural) AppendByteToString(ending.s, 's');
    } else if (c >= 33 && c <= 61) {
        k = IsSXZ(s) ? 2 + e(p) : 1 + e(s);
        AppendByteToString(ending.s, c == 60 ? MRC("é") : c == 61 ? MRC("ï") : static_cast<u8>(c + 64));
        AppendCString(ending.s, f == 4 ? "es" : f == 3 ? "e" : f == 2 ? "s" : "");
    } else if (c >= 160 && c <= 232) {
        const BoundedString& sfx = Suffix(c - 160u);
        k = TextLen(sfx) + ((s == 'x' || (sIsS && c != 160)) ? 1 : 0);
        TextCopy(ending.s, sfx);
        if (plural) AppendByteToString(ending.s, (c == 161 || c == 162 || c == 171) ? 'x' : 's');
    } else if (c >= 233 && c <= 251) {
        if (c == 233 || c == 234 || c == 235 || c == 239) k = sIsS ? 3 + 2 * e(p) : 2 + 2 * e(s);
        else if (c == 236 || c == 237 || c == 241 || c == 242 || c == 243) k = sIsS ? 4 + e(p) : 3 + e(s);
        else if (c == 238 || c == 240) k = sIsS ? 3 + e(p) : 2 + e(s);
        else if (c == 244) k = sIsS ? 4 + 2 * e(p) : 3 + 2 * e(s);
        else if (c == 245 || c == 246) k = sIsS ? 3 + 2 * e(p) : 3 + e(s);
        else if (c == 247) k = sIsS ? 6 + 2 * e(p) : 5 + 2 * e(s);
        else if (c == 248) k = sIsS ? 6 + e(p) : 5 + e(s);
        else if (c == 249 || c == 250) k = sIsS ? 7 + e(p) : 6 + e(s);
        else k = sIsS ? 5 + e(p) : 4 + e(s);
        suffixByForm();
    } else if (c == 253) {
        k = sIsS ? 4 + e(p) : 3 + e(s);
        CopyCString(ending.s, f == 4 ? "rices" : f == 3 ? "rice" : f == 2 ? "eurs" : "eur");
    } else if (c == 254) {
        k = sIsS ? 6 + e(p) : 5 + e(s);
        CopyCString(ending.s, f == 4 ? "atrices" : f == 3 ? "atrice" : f == 2 ? "ateurs" : "ateur");
    } else if (c == 255) {
        k = (s == 'e' || s == 'x') ? 3 : 2 + 2 * (sIsS ? 1 : 0);
        CopyCString(ending.s, f == 4 ? "ales" : f == 3 ? "ale" : f == 2 ? "aux" : "al");
    }
    BoundedString& r = call.Result(0);
    TextCopy(r, w);
    TextCut(r, n > k ? n - k : 0);
    AppendString(r, ending.s);
    call.Count() = 1;
}

}  // namespace

u16 InflectGender(InflectCall& call) {
    call.Count() = 0;
    if (AnalyseIntoScratch(call) == 0) return kInflectNoGenderForm;
    FilterReadings(call);
    WordRecord& rec = Scratch();
    if (rec.ReadingCount == 0) return kInflectNoGenderForm;
    const u8 c = rec.ReadingClasses[0];
    const u8 f = rec.ReadingFeatures[0];
    const u8 m = rec.ReadingMarks[0];
    if (IsVerbClass(c) && FiniteVerbReading(c, f, m)) return kInflectNoGenderForm;
    if (c == 'P' || c == 'Q') {
        const u16 code = Determiner(call);
        if (code != 0) return code;
    } else {
        if (!(c == 'B' || c == 'C' || c == 'D' || c == 'M' || c == 'N' || IsVerbClass(c)))
            return kInflectNoGenderForm;
        const u16 code = SetSelector(call, c, f);
        if (code != 0) return code;
        Work36 copy;
        TextCopy(copy.s, call.word.s);
        RestoreMarks(copy.s);
        if (InflectFrenchIrregularAdjective(copy.s) != 0) {
            const u32 n = TextLen(copy.s);
            u32 amp = n;
            for (u32 i = 0; i < n; ++i)
                if (copy.s.data[i] == '&') {
                    amp = i;
                    break;
                }
            if (amp < n) {
                CopyBytesToString(call.Result(0), copy.bytes, amp);
                CopyBytesToString(call.Result(1), copy.bytes + amp + 1, n - amp - 1);
                call.Count() = 2;
            } else {
                TextCopy(call.Result(0), copy.s);
                call.Count() = 1;
            }
        } else if (IsVerbClass(c)) {
            const u16 pc = ParticipleForm(call, c, f, m);
            if (pc != 0) return pc;
        } else {
            RegularForm(call, m);
        }
    }
    Work36 plain;
    TextCopy(plain.s, call.word.s);
    RestoreMarks(plain.s);
    for (u32 i = 0; i < call.Count(); ++i) RestoreMarks(call.Result(i));
    if (TextSame(call.Result(0), plain.s)) return Fail(call, kInflectSameForm);
    return 0;
}

// ---- Singular -------------------------------------------------------------------------

namespace {

bool KnownWord(const BoundedString& text) {
    Work36 w;
    TextCopy(w.s, text);
    u16 n = 0;
    return DictLookup(800, w.s, n) != 0 && n != 0;
}

// The lemma the dictionary gives the call's word, written into `out` when it
// is another word than the word itself.
bool ScratchLemma(const InflectCall& call, BoundedString& out) {
    WordRecord& r = Scratch();
    TextCopy(r.WordText, call.word.s);
    TextCopy(r.SeparatorText, call.word.s);
    Work36 base;
    GetTokenBaseForm(kScratchWord, base.s);
    if (TextLen(base.s) == 0 || TextSame(base.s, call.word.s)) return false;
    TextCopy(out, base.s);
    return true;
}

// Base form of a plural reading of the scratch word: for the first reading,
// the lemma the dictionary gives when it is another known word (a plural
// filed with its singular: "chevaux", "yeux", "messieurs"); otherwise the
// singular spellings that the plural can come from, the first one the
// dictionary knows ("-aux" from "-al", "-ail" or "-au"; otherwise the word
// less its final s or x). A reading that is not plural is its own base form.
void ScratchBaseForm(const InflectCall& call, i32 reading, u8 feature, BoundedString& out) {
    TextCopy(out, call.word.s);
    if ((feature & 0x0C) != 0x08) return;
    if (reading == 0 && ScratchLemma(call, out) && KnownWord(out)) return;
    TextCopy(out, call.word.s);
    const u32 n = TextLen(out);
    Work36 probe;
    if (TextEndsWith(call.word.s, "aux")) {
        static const char* const kSingulars[3] = {"al", "ail", "au"};
        for (const char* e : kSingulars) {
            TextCopy(probe.s, call.word.s);
            TextCut(probe.s, n - 3);
            AppendCString(probe.s, e);
            if (KnownWord(probe.s)) {
                TextCopy(out, probe.s);
                return;
            }
        }
    }
    const u8 last = TextLast(out);
    if (last == 's' || last == 'x') TextCut(out, n - 1);
}

// English base form of reading `reading` of the scratch word: the lemma the
// dictionary gives for the first reading (an irregular plural linked to its
// singular: "children", "child"); else, for a plural reading, the word less
// its plural ending ("ies" -> "y", "es", "s"), the first spelling the
// dictionary knows.
void EnglishBaseForm(InflectCall& call, i32 reading, u8 feature, BoundedString& out) {
    TextCopy(out, call.word.s);
    if (reading == 0 && ScratchLemma(call, out)) return;
    if ((feature & 0x0C) != 0x08) return;
    static const struct {
        const char* ending;
        const char* singular;
    } kEndings[] = {{"ies", "y"}, {"ses", "s"}, {"xes", "x"}, {"zes", "z"}, {"ches", "ch"},
                    {"shes", "sh"}, {"oes", "o"}, {"s", ""}};
    const u32 n = TextLen(call.word.s);
    for (const auto& e : kEndings) {
        const u32 k = static_cast<u32>(std::strlen(e.ending));
        if (n <= k || !TextEndsWith(call.word.s, e.ending)) continue;
        Work36 probe, copy;
        TextCopy(probe.s, call.word.s);
        TextCut(probe.s, n - k);
        AppendCString(probe.s, e.singular);
        TextCopy(copy.s, probe.s);
        u16 count = 0;
        if (DictLookup(static_cast<u16>(call.mode), copy.s, count) != 0 && count != 0) {
            TextCopy(out, probe.s);
            return;
        }
    }
}

u16 FixedSingular(InflectCall& call, u8 c) {
    const char* a = nullptr;
    const char* b = nullptr;
    switch (c) {
        case 'e': a = "le"; b = "la"; break;
        case 'l': a = "un"; b = "du"; break;
        case 'g': a = "au"; break;
        case 'o': a = "mon"; b = "ma"; break;
        case 'r': a = "ton"; b = "ta"; break;
        case 'u': a = "son"; b = "sa"; break;
        case 'w': a = "notre"; break;
        case 'y': a = "votre"; break;
        case '{': a = "leur"; break;
        default: return 0;
    }
    CopyCString(call.Result(0), a);
    call.Count() = 1;
    if (b != nullptr) {
        CopyCString(call.Result(1), b);
        call.Count() = 2;
    }
    return kInflectFixedList;
}

}  // namespace

u16 InflectSingular(InflectCall& call) {
    call.Count() = 0;
    if (AnalyseIntoScratch(call) == 0) return kInflectNoSingular;
    WordRecord& rec = Scratch();
    for (i32 i = 0; i < rec.ReadingCount; ++i) {
        u8& c = rec.ReadingClasses[i];
        if (c == '8') c = 'B';
        else if (c == '9') c = 'A';
        else if (c == ':') c = 20;
        else if (c == ';') c = 128;
        else if (c == '7') c = 'C';
    }
    FilterReadings(call);
    if (rec.ReadingCount == 0) return kInflectNoSingular;
    for (i32 i = 0; i < rec.ReadingCount; ++i) {
        const u8 c = rec.ReadingClasses[i];
        const u8 f = rec.ReadingFeatures[i];
        const u8 m = rec.ReadingMarks[i];
        if (IsVerbClass(c) && FiniteVerbReading(c, f, m)) return Fail(call, kInflectNoSingular);
        if (call.french) {
            const u16 fixed = FixedSingular(call, c);
            if (fixed != 0) return fixed;
        }
        if (c == 'A' || (c >= 'B' && c <= 'T' && (f % 64) < 32)) {
            Work36 base;
            if (call.french)
                ScratchBaseForm(call, i, f, base.s);
            else
                EnglishBaseForm(call, i, f, base.s);
            if (TextSame(base.s, call.word.s) || m == 128) return Fail(call, kInflectNoSingular);
            TextCopy(call.Result(0), base.s);
            call.Count() = 1;
            if (rec.ReadingCount == 2 && (rec.ReadingFeatures[1] == 0x1C || rec.ReadingFeatures[1] == 0x2C)) {
                TextCopy(call.Result(1), call.word.s);
                call.Count() = 2;
            }
            RestoreMarksTail(call);
            return 0;
        }
        if (c <= 32 || !call.french) return Fail(call, kInflectNoSingular);
        const u8 last = TextLast(*call.callerWord);
        if (last == 's' || last == 'x') {
            Work36 shorter, probe;
            TextCopy(shorter.s, *call.callerWord);
            TextCut(shorter.s, TextLen(shorter.s) - 1);
            TextCopy(probe.s, shorter.s);
            u16 n = 0;
            const bool known = DictLookup(static_cast<u16>(call.mode), probe.s, n) != 0 || n != 0;
            if (!known || TextSame(shorter.s, call.word.s)) return Fail(call, kInflectNoSingular);
            TextCopy(call.Result(0), shorter.s);
            call.Count() = 1;
            RestoreMarksTail(call);
            return 0;
        }
        if (m == 129) {
            // The French walk reads two-byte items only under the French
            // mode word, so the readings are asked for with it.
            Work36 w;
            TextCopy(w.s, call.word.s);
            call.Count() = 0;
            GenerateVerbForms((3u << 8) | 6u, w.s, *call.results, call.Count());
            if (call.Count() > 0) {
                RestoreMarksTail(call);
                return 0;
            }
            continue;
        }
        return Fail(call, kInflectNoSingular);
    }
    return Fail(call, kInflectNoSingular);
}
