// Spelling variants for unknown words: the candidate generator of the
// spelling suggester.
#include "morphology/spelling_variants.h"

#include <cstring>

#include "frame/bounded_string.h"
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/report.h"
#include "frame/settings.h"
#include "morphology/base_recovery.h"
#include "morphology/correction_finishing.h"
#include "morphology/section_walk.h"
#include "morphology/suggestion_checks.h"
#include "morphology/word_lookup.h"
#include "morphology/word_marks.h"

namespace {

constexpr u8 kUGrave = MRC("ù");
constexpr u8 kCCedillaByte = MRC("ç");
constexpr u8 kFrenchExtraLetters[] = {MRC("é"), MRC("è"), MRC("ê")};
constexpr i32 kGroupSize = 7;
constexpr i32 kPositions = 36;

enum class Flow { kGoOn, kEnd, kEnumerate };

// Bounds on the work of one call. A dictionary test costs more the longer
// the word (a long word shares long beginnings with many entries; about the
// square of its length), so the bounds fall with it. Past the first (1,200
// tests; fewer beyond 22 letters, about 800 for 27) the costly parts of the
// search are left out: the ending recovery of each rewrite, the second
// edits, the suffix and stem rewrites, the two-word splits and further case
// rounds; the one-letter edits still run. Past the second (5,000 tests;
// fewer beyond 15 letters, about 1,700 for 27) no candidate is tested at
// all. So a call stays within a few milliseconds whatever the word.
constexpr u32 kBudgetScale = 600000;
constexpr u32 kMaxBudget = 1200;
constexpr u32 kLimitScale = 1250000;
constexpr u32 kMaxLimit = 5000;
u32 Bound(i32 L, u32 scale, u32 most) {
    const u32 n = static_cast<u32>(L > 1 ? L : 1);
    const u32 b = scale / (n * n);
    return b < most ? b : most;
}
u32 SearchBudget(i32 L) { return Bound(L, kBudgetScale, kMaxBudget); }

}  // namespace

u32 SearchLookupLimit(i32 length) { return Bound(length, kLimitScale, kMaxLimit); }

namespace {

// Prefixes that never stand alone as the first word of a blank split
// (pseudo ... poly in the French number-word list).
constexpr u32 kFirstPrefixExclusion = 83;
constexpr u32 kLastPrefixExclusion = 101;

struct Variants {
    u16 mode;
    u8 op;
    bool french;
    u16 plainMode;
    BoundedString& word;
    u16& count;
    StringList& list;
    i32 L = 0;
    bool hyphen = false;  // H: the word holds an internal hyphen
    Work36 saved, round, w, w2, a, b;
    u8 groups[kPositions][kGroupSize] = {};
    u8 groupLength[kPositions] = {};
    u16 counters[kPositions] = {};

    Variants(u16 m, BoundedString& wd, u16& c, StringList& l)
        : mode(m), op(static_cast<u8>(m & 0xFF)), french(gCheckingLanguage != 0),
          plainMode(gCheckingLanguage != 0 ? kModeFrenchPlain : kModeEnglishPlain), word(wd), count(c),
          list(l) {}

    bool Found(const BoundedString& s) const { return IsKnownForm(mode, s); }
    // The costly parts of the search are left out from here on.
    bool OverBudget() const { return CandidateLookups() > SearchBudget(GetStringLength(saved.s)); }
    bool Add(const BoundedString& s, u8 mark) { return AddSuggestion(s, mark, count, list); }
    bool AddText(const char* t, u8 mark) {
        w.Set(t);
        return Add(w.s, mark);
    }
    // Ending recovery of the language on a candidate; true when it found
    // the list full.
    bool Ending(const BoundedString& s) { return RecoverEndingsForSuggestion(mode, s, count, list) == 1; }
};

u8 At(const BoundedString& s, i32 i) { return TextAt(s, i); }

// ---- Preparation -------------------------------------------------------------------------

void RepairCapitalisation(Variants& v) {
    if (gLastRule != 1 || gErrorVariant != 'M') return;
    const u16 caseMode = gCaseMode;
    if (gErrorDetail == 3) gCaseMode = 3;
    else if (gErrorDetail == 2) gCaseMode = 1;
    v.w.Set(v.word);
    ApplyCapitalization(v.w.s);
    v.Add(v.w.s, 1);
    gCaseMode = caseMode;
}

void BuildLetterGroups(Variants& v) {
    for (i32 p = 0; p < v.L && p < kPositions; ++p) {
        const u8 c = At(v.word, p);
        v.counters[p] = 0;
        u8* g = v.groups[p];
        g[0] = c;
        i32 n = 1;
        const char* more = nullptr;
        switch (c) {
            case 'A': more = MR("aâ"); break;
            case 'C': more = MR("cç"); break;
            case 'E': more = MR("eéèêë"); break;
            case 'I': more = MR("iîï"); break;
            case 'O': more = MR("oôö"); break;
            case 'U': more = MR("uûü"); break;
            default:
                if (c >= 'A' && c <= 'Z') g[n++] = static_cast<u8>(c + 32);
        }
        for (; more != nullptr && *more != 0 && n < kGroupSize; ++more) g[n++] = static_cast<u8>(*more);
        v.groupLength[p] = static_cast<u8>(n);
    }
}

// ---- Steps 4 to 8 ------------------------------------------------------------------------

const char* const kEnglishNegations[] = {"dont", "doesnt", "isnt", "hasnt", "hadnt", "arent",
                                         "wasnt", "maynt", "shant", "didnt", "mustnt", "havent",
                                         "werent", "couldnt", "wouldnt", "shouldnt"};

void EnglishContractions(Variants& v) {
    const BoundedString& word = v.word;
    const i32 n = GetStringLength(word);
    if (TextEndsWith(word, "nt")) {
        bool listed = CompareWordText(word, "aint") == kCompareEqual;
        bool negation = false;
        for (const char* t : kEnglishNegations) negation = negation || CompareWordText(word, t) == kCompareEqual;
        if (!listed && !negation) return;
        v.w.Set(word.data, n - 1);
        if (AppendText(v.w.s, "'t")) v.Add(v.w.s, 1);
        if (negation) {
            v.w.Set(word.data, n - 2);
            if (AppendText(v.w.s, " not")) v.Add(v.w.s, 1);
        }
    } else if (CompareWordText(word, "alright") == kCompareEqual) {
        v.AddText("all right", 1);
    }
}

void FrenchFixedWords(Variants& v) {
    const BoundedString& word = v.word;
    if (TextEquals(word, "cest")) v.AddText("c'est", 1);
    else if (TextEquals(word, "sest")) v.AddText("s'est", 1);
    else if (TextEquals(word, "ete")) v.AddText(MR("été"), 1);
    else if (TextEquals(word, "soye")) {
        v.AddText("soit", 1);
        v.AddText("soie", 1);
    } else if (TextEquals(word, "veielle")) {
        v.AddText("vieille", 1);
    }
}

void EnglishCapitals(Variants& v) {
    v.w.Set(v.word);
    u8& first = v.w.s.data[0];
    if (first >= 'a' && first <= 'z') {
        first = static_cast<u8>(first - 32);
        if (v.Found(v.w.s)) v.Add(v.w.s, 1);
    }
    if (first >= 'A' && first <= 'Z' && TextEndsWith(v.w.s, "s")) {
        TextCut(v.w.s, v.w.Length() - 1);
        if (v.Found(v.w.s)) v.Add(v.w.s, 1);
    }
}

Flow MarksScan(Variants& v) {
    v.hyphen = false;
    for (i32 p = 0; p < v.L; ++p) {
        const u8 c = At(v.word, p);
        if (c == kMarkHyphen) {
            v.hyphen = true;
        } else if (c >= 'A' && c <= 'Z') {
            return Flow::kEnumerate;
        } else if (c == kMarkAGrave || c == kAGraveByte || (v.french && c == kUGrave)) {
            v.w.Set(v.word);
            v.w.s.data[p] = c == kUGrave ? 'u' : 'a';
            if (v.Found(v.w.s)) v.Add(v.w.s, 1);
        }
    }
    return Flow::kGoOn;
}

// ---- Steps 9 and 10: edits from the spelling rows -------------------------------------------

constexpr i32 kItemWidth[5] = {1, 2, 2, 3, 1};

i32 ItemCount(const RowSection& s, i32 k) { return s.length / kItemWidth[k]; }

// Cost of an edit of section k at a position with first-letter surcharge b.
u8 EditMark(i32 k, u8 b) { return static_cast<u8>(b + (k == 1 || k == 2 ? 2 : 1)); }

// Candidate `item` of section k of the row of src[p], built into out.
// False when the item does not apply at p or the result does not fit.
bool BuildEdit(const BoundedString& src, i32 L, i32 p, const RowSection& s, i32 k, i32 item,
               BoundedString& out) {
    const u8* it = s.bytes + item * kItemWidth[k];
    TextSet(out, src);
    switch (k) {
        case 0:
        case 4: out.data[p] = it[0]; return true;
        case 1:
            out.data[p] = it[0];
            return InsertByte(out, p + 1, it[1]);
        case 2:
            if (p >= L - 1 || At(src, p + 1) != it[0]) return false;
            DeleteByte(out, p + 1);
            out.data[p] = it[1];
            return true;
        default:
            if (p < L - 1 && At(src, p + 1) != it[0]) return false;
            out.data[p] = it[1];
            return PutByte(out, p + 1, it[2]);
    }
}

bool SkipsEdit(u8 c) { return c == kMarkAGrave || c == kAGraveByte; }

Flow SingleEdits(Variants& v) {
    for (i32 p = 0; p < v.L; ++p) {
        const u8 c = At(v.word, p);
        if (SkipsEdit(c)) continue;
        RowSection sections[5];
        if (!SpellingRowSections(v.french, c, sections)) return Flow::kGoOn;
        const u8 b = p == 0 ? 1 : 0;
        for (i32 k = 0; k < 5; ++k) {
            for (i32 item = 0; item < ItemCount(sections[k], k); ++item) {
                if (!BuildEdit(v.word, v.L, p, sections[k], k, item, v.w.s)) continue;
                if (v.Found(v.w.s) && v.Add(v.w.s, EditMark(k, b))) return Flow::kEnd;
            }
        }
    }
    return Flow::kGoOn;
}

bool IsVowelCode(u8 code) {
    return code == 1 || code == 5 || code == 9 || code == 15 || code == 21 || code == 25 || code >= 27;
}

bool AnyOf(u8 c, const char* set) {
    for (; *set != 0; ++set)
        if (static_cast<u8>(*set) == c) return true;
    return false;
}

// Second edit on the candidate in v.w at position j; kEnumerate here means
// "leave step 10".
Flow SecondEditAt(Variants& v, i32 k, i32 j, u8 b) {
    const u8 c2 = At(v.w.s, j);
    const u8 k2 = gLetterCodes[c2];
    if (k2 == 0) return Flow::kEnumerate;
    RowSection rows[5];
    SpellingRowSections(v.french, c2, rows);
    const u8 mark = static_cast<u8>(b + 3);
    i32 limit = 12;
    i32 section = 0;
    if (k == 2) {
        if (AnyOf(c2, "hjkqwx") || c2 == kCCedillaByte) return Flow::kGoOn;
        if (AnyOf(c2, "bcdfglmnprstvz")) section = 1;
        else limit = 8;
    } else if (!IsVowelCode(k2)) {
        return Flow::kGoOn;
    }
    const RowSection& s = rows[section];
    for (i32 item = 0; item < ItemCount(s, section); ++item) {
        const u8* it = s.bytes + item * kItemWidth[section];
        v.w2.Set(v.w.s);
        v.w2.s.data[j] = it[0];
        if (section == 1 && !InsertByte(v.w2.s, j + 1, it[1])) continue;
        if (v.Found(v.w2.s)) {
            const bool full = v.Add(v.w2.s, mark);
            if (full || v.L > limit) return Flow::kEnd;
        }
    }
    return Flow::kGoOn;
}

Flow SecondEdits(Variants& v, i32 k, i32 p, u8 b) {
    i32 from = 0, to = v.L - 1;
    if (k == 1) to = v.L;
    if (k == 2) to = v.L - 2;
    if (k == 3) from = p + 2;
    for (i32 j = from; j <= to; ++j) {
        if ((k == 0 || k == 1) && j == p) continue;
        if (k == 1 && j == p + 1) continue;
        const Flow f = SecondEditAt(v, k, j, b);
        if (f != Flow::kGoOn) return f;
    }
    return Flow::kGoOn;
}

Flow DoubleEdits(Variants& v) {
    for (i32 p = 0; p < v.L; ++p) {
        const u8 c = At(v.word, p);
        if (SkipsEdit(c)) continue;
        RowSection sections[5];
        if (!SpellingRowSections(v.french, c, sections)) return Flow::kGoOn;
        const u8 b = p == 0 ? 1 : 0;
        for (i32 k = 0; k < 4; ++k) {
            for (i32 item = 0; item < ItemCount(sections[k], k); ++item) {
                if (!BuildEdit(v.word, v.L, p, sections[k], k, item, v.w.s)) continue;
                if (v.Found(v.w.s)) continue;
                if (v.OverBudget()) return Flow::kGoOn;  // on to step 11
                const u8 mark = EditMark(k, b);
                if (v.hyphen && v.count == 0 && IsKnownCompound(v.plainMode, v.w.s)) v.Add(v.w.s, mark);
                if (v.op != 5) continue;
                gPendingSuggestionFlag = mark;
                if (v.Ending(v.w.s)) return Flow::kEnd;
                gPendingSuggestionFlag = 0;
                const Flow f = SecondEdits(v, k, p, b);
                if (f == Flow::kEnd) return f;
                if (f == Flow::kEnumerate) return Flow::kGoOn;  // on to step 11
            }
        }
    }
    return Flow::kGoOn;
}

// ---- Step 13: position repairs ---------------------------------------------------------

bool FoundOrCompound(Variants& v, const BoundedString& s) {
    return IsKnownForm(kModeFrenchPlain, s) || IsKnownCompound(kModeFrenchPlain, s);
}

enum class Split { kNext, kJoined, kGeneral, kEnd };

struct PronounRewrite {
    const char* prefix;
    const char* pronoun;
};

// French hyphen groups after a verb: the pronoun part B (and A) rewritten.
Split FrenchSplit(Variants& v, u8 b) {
    BoundedString& A = v.a.s;
    BoundedString& B = v.b.s;
    const i32 na = GetStringLength(A);
    const u8 lastA = At(A, na - 1);
    const char hy[2] = {static_cast<char>(kMarkHyphen), 0};
    if (!TextContains(B, kMarkHyphen)) {
        if (TextEquals(B, "il") || TextEquals(B, "elle")) {
            v.w.Set(A);
            AppendText(v.w.s, hy);
            AppendText(v.w.s, "t");
            AppendText(v.w.s, hy);
            if (AppendText(v.w.s, B) && IsKnownCompound(kModeFrenchPlain, v.w.s)) {
                v.Add(v.w.s, static_cast<u8>(b + 1));
                return Split::kEnd;
            }
            return Split::kNext;
        }
        if (TextEquals(B, "tu") || TextEquals(B, "nous")) {
            if (lastA == 's') return Split::kGeneral;
            if (na > 0) A.data[na - 1] = 's';
            return Split::kJoined;
        }
        if (TextEquals(B, "ils") || TextEquals(B, "elles")) {
            if (lastA == 't') return Split::kGeneral;
            if (na > 0) A.data[na - 1] = 't';
            return Split::kJoined;
        }
        if (TextEquals(B, "vous")) {
            if (lastA == 'z') return Split::kGeneral;
            if (na >= 2) {
                A.data[na - 2] = 'e';
                A.data[na - 1] = 'z';
            }
            return Split::kJoined;
        }
        if (TextEquals(B, "la")) {
            v.b.Set(MR("là"));
            return Split::kJoined;
        }
        if (TextEquals(B, "en") || TextEquals(B, "y")) {
            if (!IsKnownForm(kModeFrenchPlain, A)) return Split::kNext;
            v.w.Set(A);
            AppendText(v.w.s, "s");
            AppendText(v.w.s, hy);
            if (AppendText(v.w.s, B)) v.Add(v.w.s, static_cast<u8>(b + 1));
            return Split::kEnd;
        }
        return Split::kGeneral;
    }
    static const char* const kPronouns[] = {"moi", "toi", "lui", "nous", "vous", "leur"};
    const i32 nb = GetStringLength(B);
    for (const char* x : kPronouns) {
        const i32 lx = static_cast<i32>(std::strlen(x));
        if (nb < lx + 2 || std::memcmp(B.data, x, static_cast<size_t>(lx)) != 0 || B.data[lx] != kMarkHyphen ||
            B.data[lx + 1] != 'l')
            continue;
        const u8 last = At(B, nb - 1);
        const char* article = last == 'e' ? "le" : last == 'a' ? "la" : last == 's' ? "les" : nullptr;
        if (article != nullptr) {
            v.w.Set(article);
            AppendText(v.w.s, hy);
            AppendText(v.w.s, x);
            v.b.Set(v.w.s);
        }
        return Split::kJoined;
    }
    const char etUn[] = {'e', 't', static_cast<char>(kMarkHyphen), 'u', 'n', 0};
    if (TextEquals(B, etUn)) {
        if (!IsKnownForm(kModeFrenchPlain, A)) return Split::kNext;
        v.w.Set(A);
        if (AppendText(v.w.s, " et un")) v.Add(v.w.s, static_cast<u8>(b + 1));
        return Split::kEnd;
    }
    return Split::kGeneral;
}

Flow HyphenRepairs(Variants& v, i32 p, u8 b) {
    const BoundedString& word = v.word;
    const u8 mark = static_cast<u8>(b + 1);
    // (a) the two parts joined; (b) an s before the hyphen, or none.
    v.w.Set(word);
    DeleteByte(v.w.s, p);
    if (v.Found(v.w.s)) {
        v.Add(v.w.s, mark);
        return Flow::kEnd;
    }
    v.w.Set(word);
    if (At(word, p - 1) != 's') {
        if (InsertByte(v.w.s, p, 's') && v.Found(v.w.s)) {
            v.Add(v.w.s, mark);
            return Flow::kEnd;
        }
    } else {
        DeleteByte(v.w.s, p - 1);
        const bool ok = v.french ? IsKnownCompound(kModeFrenchPlain, v.w.s) : v.Found(v.w.s);
        if (ok) {
            v.Add(v.w.s, mark);
            return Flow::kEnd;
        }
    }
    // The split into A and B.
    v.a.Set(word.data, p);
    const i32 na = v.a.Length();
    if (na > 0 && v.a.s.data[na - 1] == kMarkAGrave) v.a.s.data[na - 1] = kAGraveByte;
    v.b.Set(word.data + p + 1, GetStringLength(word) - p - 1);
    Split next = v.french ? FrenchSplit(v, b) : Split::kGeneral;
    if (next == Split::kEnd) return Flow::kEnd;
    if (next == Split::kNext) return Flow::kGoOn;
    if (next == Split::kJoined) {
        const char hy[2] = {static_cast<char>(kMarkHyphen), 0};
        v.w.Set(v.a.s);
        AppendText(v.w.s, hy);
        if (AppendText(v.w.s, v.b.s) && IsKnownCompound(kModeFrenchPlain, v.w.s)) {
            v.Add(v.w.s, mark);
            return Flow::kEnd;
        }
        return Flow::kGoOn;
    }
    if (v.a.Length() > 1 && v.b.Length() > 1 && (v.Found(v.a.s) || FoundOrCompound(v, v.a.s)) &&
        (v.Found(v.b.s) || FoundOrCompound(v, v.b.s))) {
        v.w.Set(v.a.s);
        AppendText(v.w.s, " ");
        if (AppendText(v.w.s, v.b.s)) v.Add(v.w.s, static_cast<u8>(b + 3));
        return Flow::kEnd;
    }
    return Flow::kGoOn;
}

Flow PositionRepairs(Variants& v) {
    const BoundedString& word = v.word;
    for (i32 p = 0; p < v.L; ++p) {
        const u8 b = p == 0 ? 1 : 0;
        const u8 c = At(word, p);
        if (p > 0) {
            v.w.Set(word);
            v.w.s.data[p - 1] = c;
            v.w.s.data[p] = At(word, p - 1);
            if (v.Found(v.w.s)) v.Add(v.w.s, static_cast<u8>(b + 1));
        }
        v.w.Set(word);
        DeleteByte(v.w.s, p);
        if (v.w.Length() > 3 && v.Found(v.w.s) && v.Add(v.w.s, static_cast<u8>(b + 1))) return Flow::kEnd;
        if (c == kMarkHyphen) {
            const Flow f = HyphenRepairs(v, p, b);
            if (f != Flow::kGoOn) return f;
        }
    }
    return Flow::kGoOn;
}

// ---- Steps 15 to 20 ----------------------------------------------------------------------

// The letters tried for insertions (`lastLetter` 'v' in French: w to z are
// never inserted there) and replacements ('z'), then French é, è, ê.
template <typename F>
bool ForEachLetter(bool french, u8 lastLetter, F&& f) {
    for (u8 t = 'a'; t <= lastLetter; ++t)
        if (f(t)) return true;
    if (french)
        for (u8 t : kFrenchExtraLetters)
            if (f(t)) return true;
    return false;
}

// Letters step 15 inserts at position q of a word of L letters (a Part
// limit the mended one-edit search below fills in).
bool InsertedByParts(bool french, i32 L, i32 q, u8 t) {
    const i32 s0 = L >= 7 ? L - 5 : 1;
    if (q < s0 || q > L) return false;
    if (t >= 'a' && t <= 'z') return !french || t <= 'v';
    return french && (t == kFrenchExtraLetters[0] || t == kFrenchExtraLetters[1] || t == kFrenchExtraLetters[2]);
}

Flow Insertions(Variants& v) {
    const i32 s0 = v.L >= 7 ? v.L - 5 : 1;
    u8 f = 0;
    for (i32 q = s0; q <= v.L; ++q) {
        if (q > 1) f = 1;
        const u8 mark = static_cast<u8>(f + 2);
        const bool end = ForEachLetter(v.french, v.french ? 'v' : 'z', [&](u8 t) {
            v.w.Set(v.word);
            if (!InsertByte(v.w.s, q, t)) return false;  // a full candidate takes no insertion
            if (v.Found(v.w.s)) return v.Add(v.w.s, mark);
            if (v.OverBudget()) return false;
            gPendingSuggestionFlag = mark;
            const bool full = v.Ending(v.w.s);
            gPendingSuggestionFlag = 0;
            return full;
        });
        if (end) return Flow::kEnd;
    }
    return Flow::kGoOn;
}

const BoundedString& Suffix(u32 k) {
    const StringList& list = gCheckingLanguage != 0 ? gFrenchSuffixes : gEnglishSuffixes;
    return list[static_cast<i32>(k)];
}
u32 SuffixCount() { return (gCheckingLanguage != 0 ? gFrenchSuffixes : gEnglishSuffixes).count; }

// The cost of swapping suffix x for y: y's length plus one, less the pairs
// of equal letters; never below 0.
u8 SwapMark(const BoundedString& x, const BoundedString& y) {
    const i32 lx = GetStringLength(x);
    const i32 ly = GetStringLength(y);
    const i32 m = lx < ly ? lx : ly;
    i32 n = 0;
    for (i32 i = 0; i < lx; ++i)
        for (i32 t = 0; t < m; ++t)
            if (x.data[i] == y.data[t]) ++n;
    const i32 mark = ly + 1 - n;
    return static_cast<u8>(mark > 0 ? mark : 0);
}

// Suffix X of base swapped for Y, then `tail` appended.
Flow SuffixSwap(Variants& v, const BoundedString& base, const char* tail) {
    const i32 n = GetStringLength(base);
    for (u32 i = 0; i < SuffixCount(); ++i) {
        const BoundedString& x = Suffix(i);
        const i32 lx = GetStringLength(x);
        if (lx == 0 || lx > n || std::memcmp(base.data + n - lx, x.data, static_cast<size_t>(lx)) != 0) continue;
        for (u32 k = 0; k < SuffixCount(); ++k) {
            const BoundedString& y = Suffix(k);
            const i32 ly = GetStringLength(y);
            if (ly == 0 || lx - ly > 2 || ly - lx > 2) continue;
            v.w.Set(base.data, n - lx);
            if (!AppendText(v.w.s, y) || !AppendText(v.w.s, tail)) continue;
            if (v.Found(v.w.s) && v.Add(v.w.s, SwapMark(x, y))) return Flow::kEnd;
        }
    }
    return Flow::kGoOn;
}

Flow ShortenedStems(Variants& v) {
    for (i32 t = 1; t <= 3 && v.L - t >= 4; ++t) {
        const i32 m = v.L - t;
        for (u8 letter = 'a'; letter <= 'z'; ++letter) {
            v.w.Set(v.word.data, m);
            if (AppendBytes(v.w.s, &letter, 1) && v.Found(v.w.s) && v.Add(v.w.s, static_cast<u8>(t)))
                return Flow::kEnd;
        }
        for (u32 k = 0; k < SuffixCount(); ++k) {
            const BoundedString& y = Suffix(k);
            const i32 ly = GetStringLength(y);
            if (ly == 0 || ly > t + 3) continue;
            v.w.Set(v.word.data, m);
            if (AppendText(v.w.s, y) && v.Found(v.w.s) && v.Add(v.w.s, static_cast<u8>(ly + t))) return Flow::kEnd;
        }
    }
    return Flow::kGoOn;
}

Flow PluralStems(Variants& v) {
    if (!TextEndsWith(v.word, "s") || v.L < 2) return Flow::kGoOn;
    for (u32 k = 0; k < SuffixCount(); ++k) {
        const BoundedString& y = Suffix(k);
        v.w.Set(v.word.data, v.L - 2);
        if (!AppendText(v.w.s, y) || !AppendText(v.w.s, "s")) continue;
        if (v.Found(v.w.s) && v.Add(v.w.s, static_cast<u8>(GetStringLength(y) + 1))) return Flow::kEnd;
    }
    Work36 stem;
    stem.Set(v.word.data, v.L - 1);
    return SuffixSwap(v, stem.s, "s");
}

Flow Replacements(Variants& v) {
    for (i32 q = 0; q <= v.L; ++q) {
        const u8 mark = static_cast<u8>((q == 0 ? 1 : 0) + 4);
        const bool end = ForEachLetter(v.french, 'z', [&](u8 t) {
            v.w.Set(v.word);
            if (!PutByte(v.w.s, q, t)) return false;
            return v.Found(v.w.s) && v.Add(v.w.s, mark);
        });
        if (end) return Flow::kEnd;
    }
    return Flow::kGoOn;
}

bool IsPrefixExclusion(const BoundedString& a) {
    for (u32 k = kFirstPrefixExclusion; k <= kLastPrefixExclusion && k < gFrenchNumberWords.count; ++k)
        if (CompareStrings(a, gFrenchNumberWords[static_cast<i32>(k)]) == kCompareEqual) return true;
    return false;
}

void TwoWords(Variants& v) {
    const char hy[2] = {static_cast<char>(kMarkHyphen), 0};
    for (i32 q = 1; q <= v.L - 1; ++q) {
        const u8 g = q == 1 ? 0 : 1;
        v.a.Set(v.word.data, q);
        v.b.Set(v.word.data + q, v.L - q);
        v.w.Set(v.a.s);
        AppendText(v.w.s, hy);
        if (!AppendText(v.w.s, v.b.s) || v.w.Length() < 4) continue;
        if (IsKnownCompound(v.plainMode, v.w.s)) v.Add(v.w.s, static_cast<u8>(g + 3));
        const i32 na = v.a.Length();
        const i32 nb = v.b.Length();
        bool blank;
        if (v.french) {
            blank = v.count == 0 && q >= 2 && q < v.L - 1 && na >= 4 && nb >= 4 && !IsPrefixExclusion(v.a.s);
        } else {
            blank = q < v.L - 1 && nb >= 4 && ((q > 1 && v.count == 0 && na > 3) || v.a.Is("a"));
        }
        if (!blank || !v.Found(v.a.s) || !v.Found(v.b.s)) continue;
        v.w.Set(v.a.s);
        AppendText(v.w.s, " ");
        if (AppendText(v.w.s, v.b.s)) v.Add(v.w.s, static_cast<u8>(g + 2));
    }
}

// ---- One-edit neighbours the steps above cannot reach -------------------------------------
//
// The steps above never insert a letter before the second one, nor (in a
// word of seven letters or more) before the last six; never delete a letter
// from a word of four letters; never insert w to z in French nor
// put a French accented letter other than é, è, ê in; and skip everything
// but the row edits for a word of two letters. So "nderstand", "rgument" or
// "rspectively" found nothing. This search adds those one-letter edits,
// each with the cost the steps give the same edit (insertion 2 after the
// first letter and 3 later, 3 before it; deletion 1, 2 at the first letter;
// replacement 4, 5 at the first letter; transposition 1), after every
// candidate of the steps.

// True when every byte is a lower-case letter of the language (no marks,
// hyphens, apostrophes, digits or capitals).
bool PlainLetters(const Variants& v) {
    for (i32 p = 0; p < v.L; ++p) {
        const u8 c = At(v.word, p);
        const u8 code = gLetterCodes[c];
        if (code == 0 || code > 39 || (!v.french && code > 26)) return false;
    }
    return true;
}

// Every letter of the language: a to z, in French also the accented ones.
template <typename F>
bool ForEveryLetter(bool french, F&& f) {
    for (u32 t = 0; t < 256; ++t) {
        const u8 code = gLetterCodes[static_cast<u8>(t)];
        if (code == 0 || code > 39 || (!french && code > 26)) continue;
        if (f(static_cast<u8>(t))) return true;
    }
    return false;
}

bool ReplacedByParts(bool french, u8 t) {
    return (t >= 'a' && t <= 'z') ||
           (french && (t == kFrenchExtraLetters[0] || t == kFrenchExtraLetters[1] || t == kFrenchExtraLetters[2]));
}

Flow MissedInsertions(Variants& v) {
    for (i32 q = 0; q <= v.L; ++q) {
        const u8 mark = static_cast<u8>(q == 1 ? 2 : 3);
        const bool end = ForEveryLetter(v.french, [&](u8 t) {
            if (v.L >= 3 && InsertedByParts(v.french, v.L, q, t)) return false;
            v.w.Set(v.word);
            return InsertByte(v.w.s, q, t) && v.Found(v.w.s) && v.Add(v.w.s, mark);
        });
        if (end) return Flow::kEnd;
    }
    return Flow::kGoOn;
}

Flow MissedReplacements(Variants& v) {
    for (i32 q = 0; q < v.L; ++q) {
        const u8 mark = static_cast<u8>(q == 0 ? 5 : 4);
        const u8 c = At(v.word, q);
        const bool end = ForEveryLetter(v.french, [&](u8 t) {
            if (t == c || (v.L >= 3 && ReplacedByParts(v.french, t))) return false;
            v.w.Set(v.word);
            v.w.s.data[q] = t;
            return v.Found(v.w.s) && v.Add(v.w.s, mark);
        });
        if (end) return Flow::kEnd;
    }
    return Flow::kGoOn;
}

// Deletions leaving three letters, and the transposition of a word of two
// letters.
Flow MissedShortEdits(Variants& v) {
    if (v.L == 2) {
        v.w.Set(v.word);
        v.w.s.data[0] = At(v.word, 1);
        v.w.s.data[1] = At(v.word, 0);
        if (v.Found(v.w.s) && v.Add(v.w.s, 1)) return Flow::kEnd;
    }
    if (v.L != 4) return Flow::kGoOn;
    for (i32 p = 0; p < v.L; ++p) {
        v.w.Set(v.word);
        DeleteByte(v.w.s, p);
        if (v.Found(v.w.s) && v.Add(v.w.s, static_cast<u8>(p == 0 ? 2 : 1))) return Flow::kEnd;
    }
    return Flow::kGoOn;
}

Flow MissedOneEdits(Variants& v) {
    if (v.op != 5 || v.L < 2 || !PlainLetters(v)) return Flow::kGoOn;
    Flow f = MissedShortEdits(v);
    if (f == Flow::kGoOn) f = MissedInsertions(v);
    if (f == Flow::kGoOn) f = MissedReplacements(v);
    return f;
}

// ---- Two doubling slips ------------------------------------------------------------------
//
// The second edit of step 10 touches only vowels after an expansion, and
// the expansions of a consonant after a contraction. A word typed with two
// double letters single ("acomodate", "embarasment", "ocasionaly"), or with
// one doubled where it should not be and another single, is two doubling
// slips away and none of the steps reaches it. Each letter can be doubled
// or, where it stands doubled, undoubled; every pair of such edits at two
// places is tried, at the cost of two edits (3, 4 when the first letter is
// touched), after the other candidates.

// Doubles (or, when it stands doubled, undoubles) the letter at p of s.
// False when there is nothing to do at p.
bool ToggleDoubling(BoundedString& s, i32 p) {
    const i32 n = GetStringLength(s);
    if (p >= n) return false;
    const u8 c = At(s, p);
    if (p + 1 < n && At(s, p + 1) == c) {
        DeleteByte(s, p + 1);
        return true;
    }
    if (p > 0 && At(s, p - 1) == c) return false;  // the second of a pair: edited at its first
    return InsertByte(s, p + 1, c);
}

Flow MissedDoublings(Variants& v) {
    if (v.op != 5 || v.L < 4 || !PlainLetters(v)) return Flow::kGoOn;
    for (i32 p = 0; p < v.L; ++p) {
        const u8 mark = static_cast<u8>(p == 0 ? 4 : 3);
        for (i32 q = p + 1; q < v.L; ++q) {
            v.w.Set(v.word);
            // The second place first: the first edit moves what follows it.
            if (!ToggleDoubling(v.w.s, q) || !ToggleDoubling(v.w.s, p)) continue;
            if (v.Found(v.w.s) && v.Add(v.w.s, mark)) return Flow::kEnd;
        }
    }
    return Flow::kGoOn;
}

// ---- One round and the case enumeration --------------------------------------------------

// Steps 4 to 6: the fixed corrections and the ending recovery of the word.
void SoundAlikes(Variants& v) {
    if (!v.french) EnglishContractions(v);
    else FrenchFixedWords(v);
    gPendingSuggestionFlag = 0;
    v.Ending(v.word);
    gPendingSuggestionFlag = 0;
}

Flow Round(Variants& v) {
    v.L = GetStringLength(v.word);
    SoundAlikes(v);
    if (!v.french) EnglishCapitals(v);
    Flow f = MarksScan(v);
    if (f != Flow::kGoOn) return f;
    if ((f = SingleEdits(v)) != Flow::kGoOn) return f;
    if ((f = DoubleEdits(v)) != Flow::kGoOn) return f;
    // The edits work on copies: the round's text is still in the word.
    TextSet(v.word, v.round.s);
    v.L = GetStringLength(v.word);
    if (v.french && TextEquals(v.word, "et")) v.AddText("est", 1);
    if (v.L < 3) return MissedOneEdits(v) == Flow::kEnd ? Flow::kEnd : Flow::kEnumerate;
    if ((f = PositionRepairs(v)) != Flow::kGoOn) return f;
    if (v.op == 7) return Flow::kEnd;
    if ((f = Insertions(v)) != Flow::kGoOn) return f;
    if ((f = SuffixSwap(v, v.word, "")) != Flow::kGoOn) return f;
    if ((f = ShortenedStems(v)) != Flow::kGoOn) return f;
    if ((f = PluralStems(v)) != Flow::kGoOn) return f;
    if (v.op == 5 && (f = Replacements(v)) != Flow::kGoOn) return f;
    TwoWords(v);
    if (MissedOneEdits(v) == Flow::kEnd) return Flow::kEnd;
    if (MissedDoublings(v) == Flow::kEnd) return Flow::kEnd;
    return Flow::kEnumerate;
}

// Next case combination into the word; false when every one was tried.
bool NextCombination(Variants& v) {
    const i32 n = v.L < kPositions ? v.L : kPositions;
    i32 i = 0;
    while (i < n && v.counters[i] + 1 >= v.groupLength[i]) ++i;
    if (i >= n) return false;
    for (i32 k = 0; k < i; ++k) v.counters[k] = 0;
    ++v.counters[i];
    for (i32 k = 0; k < n; ++k) v.word.data[k] = v.groups[k][v.counters[k]];
    return true;
}

}  // namespace

void TrySpellingVariants(u16 mode, BoundedString& word, u16& count, StringList& list) {
    Variants v(mode, word, count, list);
    TextCut(word, static_cast<i32>(kWordMaxLength));
    v.saved.Set(word);
    v.L = v.saved.Length();
    gPendingSuggestionFlag = 0;
    RepairCapitalisation(v);
    BuildLetterGroups(v);
    BeginCandidateSearch(SearchLookupLimit(v.L));
    for (u32 combination = 0;; ++combination) {
        v.round.Set(word);
        if ((combination == 0 || !v.OverBudget()) && Round(v) == Flow::kEnd) break;
        // Case enumeration, bounded: a long capitalised word has far too
        // many combinations to try them all.
        TextSet(word, v.round.s);
        v.L = GetStringLength(word);
        if (combination + 1 >= kMaxCaseCombinations || !NextCombination(v)) {
            TextSet(word, v.saved.s);
            break;
        }
        if (v.Found(word)) {
            v.Add(word, 2);
            break;
        }
    }
    EndCandidateSearch();
    gPendingSuggestionFlag = 0;
}

void AddSoundAlikes(u16 mode, BoundedString& word, u16& count, StringList& list) {
    Variants v(mode, word, count, list);
    v.L = GetStringLength(word);
    SoundAlikes(v);
}
