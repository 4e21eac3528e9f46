// Related adjectives and nouns of a lemma (see related_words.h).
//
// The dictionary keeps a lemma and the words built on its stem in one entry
// list. Starting from the word's reading of the first class, the list that
// holds its lemma is walked and every item of the other class is spelled
// out (the list's implicit letters, the stem letters that agree with the
// word's stem, the item's ending or suffix) and confirmed by a lookup. Two
// more lists may be walked: the two-letter section of a word found in a
// reserved section, and the short-stem list of section 5 for a four-letter
// stem.
#include "inflection/related_words.h"

#include <algorithm>
#include <cstring>

#include "frame/bounded_string.h"
#include "frame/loader.h"
#include "frame/mac_roman_literal.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "inflection/inflect.h"
#include "inflection/verb_forms.h"
#include "morphology/dict_format.h"
#include "morphology/section_index.h"
#include "morphology/section_walk.h"
#include "morphology/word_analysis.h"
#include "morphology/word_lookup.h"

namespace {

constexpr u8 kFrenchLetterThreshold = 95;
constexpr u8 kEnglishLetterThreshold = 64;
constexpr i32 kShortStemSection = 5;       // key "55"
constexpr i32 kLastReservedSection = 8;

// What each operation starts from and looks for.
struct RelatedKind {
    u8 readings[5];      // tag classes of the starting reading
    u8 itemClasses[4];   // class bytes of the items spelled
    u8 verbFlags[3];     // flags bytes of the verb items spelled
    u8 accepted[3];      // first tag class of an accepted candidate
};

constexpr RelatedKind kAdjectivesOfNoun = {
    {'A', 'C', 'M', '9', '7'}, {'B', 'C', 'N', 'N'}, {144, 152, 152}, {'8', '7', 0x80}};
constexpr RelatedKind kNounsOfAdjective = {
    {'B', 'C', 'N', '8', '7'}, {'A', 'C', 'M', 151}, {135, 136, 152}, {'9', '7', 0x80}};

template <size_t N>
bool OneOf(const u8 (&set)[N], u8 b) {
    return std::find(set, set + N, b) != set + N;
}

// French class bytes name the tag they give, not its class letter: the
// noun and adjective classes a class byte can give (some give one or the
// other by the word's ending).
enum NominalClass : u8 { kClassA = 1, kClassB = 2, kClassC = 4, kClassM = 8, kClassN = 16 };

u8 FrenchNominalClasses(u8 c) {
    switch (c) {
        case 137: case 138: case 196: case 197: case 200: case 204: case 205: case 245: case 247:
            return kClassB;
        case 139: case 140: case 143: case 158: case 162: case 203: case 206: case 207: case 244:
            return kClassC;
        case 141: return kClassM;
        case 142: return kClassN;
        case 198: return kClassB | kClassM;
        case 199: return kClassN | kClassB;
        case 216: return kClassB | kClassA;
        case 248: case 249: case 252: return kClassA;
        default: return c >= 208 && c <= 215 ? kClassA : 0;
    }
}

u8 FrenchTagClass(u8 cls) {
    switch (cls) {
        case 'A': return kClassA;
        case 'B': return kClassB;
        case 'C': return kClassC;
        case 'M': return kClassM;
        case 'N': return kClassN;
        default: return 0;
    }
}

// French: adjectives (11) or nouns (12).
u8 FrenchWanted(u8 operation) { return operation == 11 ? kClassB | kClassC | kClassN : kClassA | kClassC | kClassM; }

u32 BodyU16(u32 offset) { return static_cast<u32>(DictBodyByte(offset) << 8 | DictBodyByte(offset + 1)); }

struct Related {
    InflectCall* call = nullptr;
    const RelatedKind* kind = nullptr;
    bool french = true;
    u8 operation = 0;
    Work36 working;  // the word (the stem in the short-stem pass)
    Work36 stem;
    Work36 base;     // what derived words are built on (BuiltOn)
    u32 cut = 0;
    u32 implicit = 4;
    u16 stored = 0;
    bool shortStemPass = false;
};

// ---- Derivation -------------------------------------------------------------
// An entry list holds every word the dictionary spells with the lemma's
// first letters, derived from it or not ("manganeux" beside "manger",
// "chatouilleur" beside "chat"). A French word is related to the lemma
// when one of the two is built on the other: the longer one is the
// shorter one's base followed by derivational suffixes (one to three) and
// an inflection.

// Derivational suffixes.
const char* const kFrenchDerivations[] = {
    "able", "ade", "age", "aire", "ais", "al", "ance", "ant", "ard", "asse", "at", "ation", MR("âtre"),
    "eau", "el", "ement", "ence", "ent", "erie", "esque", "esse", "et", "ette", "eur", "eux", "euse",
    MR("é"), MR("ée"), "ible", "ien", "ienne", "ier", MR("ière"), "if", "ique", "is", "isme", "iss",
    "iste", MR("ité"), "ive", "ion", "oire", "ois", "on", "ot", "rice", MR("té"), "ure",
};
// Inflections after the last suffix (or after the base alone).
constexpr const char* kFrenchInflections[] = {"", "e", "s", "es", "x", "aux", "ale", "ales", "le", "les", "ne", "nes"};

bool StartsWithAt(const u8* text, u32 n, u32 at, const char* piece, u32& length) {
    length = static_cast<u32>(std::strlen(piece));
    return at + length <= n && std::memcmp(text + at, piece, length) == 0;
}

// text[at, n) is one to three suffixes, then an inflection ("" counts as
// none of the suffixes when `suffixes` is 0).
bool SuffixChain(const u8* text, u32 n, u32 at, u32 suffixes) {
    if (suffixes > 0) {
        for (const char* inflection : kFrenchInflections) {
            u32 k = 0;
            if (StartsWithAt(text, n, at, inflection, k) && at + k == n) return true;
        }
    }
    if (suffixes == 3) return false;
    for (const char* suffix : kFrenchDerivations) {
        u32 k = 0;
        if (StartsWithAt(text, n, at, suffix, k) && SuffixChain(text, n, at + k, suffixes + 1)) return true;
    }
    return false;
}

// A word's base for derivation: without a final mute e.
u32 BaseLength(const u8* text, u32 n) { return n > 3 && text[n - 1] == 'e' ? n - 1 : n; }

bool BuiltOnBase(const u8* base, u32 nb, const u8* word, u32 nw) {
    if (nw < nb || std::memcmp(word, base, nb) != 0) return false;
    if (nw == nb) return true;
    // A soft g or c keeps its e before a suffix opened by a or o ("mangeable").
    const u32 link = word[nb] == 'e' && nb > 0 && (base[nb - 1] == 'g' || base[nb - 1] == 'c') ? 1 : 0;
    if (SuffixChain(word, nw, nb, 0)) return true;
    for (const char* inflection : kFrenchInflections) {
        u32 k = 0;
        if (StartsWithAt(word, nw, nb, inflection, k) && nb + k == nw) return true;
    }
    return link == 1 && SuffixChain(word, nw, nb + 1, 0);
}

// Whether the candidate is built on the lemma's base, or the lemma on the
// candidate's.
bool BuiltOn(const Work36& base, const BoundedString& candidate) {
    const u32 nb = TextLen(base.s), nc = TextLen(candidate);
    if (nb == 0) return true;
    if (BuiltOnBase(base.s.data, nb, candidate.data, nc)) return true;
    return BuiltOnBase(candidate.data, BaseLength(candidate.data, nc), base.s.data, nb);
}

// An entry list: [begin, end) in absolute body offsets.
struct ListSpan {
    u32 begin = 0;
    u32 end = 0;
};

const BoundedString& Suffix(u8 code) {
    const StringList& list = gCheckingLanguage != 0 ? gFrenchSuffixes : gEnglishSuffixes;
    return list[gLetterTable[code - kSuffixCodeFirst]];
}

void SlotZeroEnding(u32 model, BoundedString& out) {
    if (gCheckingLanguage != 0)
        FrenchSlotEnding(FrenchRow(model), 0, out);
    else
        EnglishSlotEnding(EnglishRow(model), 0, out);
    if (TextEquals(out, "$")) TextClear(out);
}

bool Stored(Related& r, const BoundedString& candidate) {
    for (u32 i = 0; i < r.stored; ++i)
        if (CompareStrings(r.call->Result(i), candidate) == kCompareEqual) return true;
    return false;
}

// A lookup of the candidate; true when it is known (first tag in gWordTagCodes).
bool Known(const BoundedString& candidate) {
    Work36 copy;
    TextCopy(copy.s, candidate);
    u16 n = 0;
    LookupWordForm(gCheckingLanguage != 0 ? kModeFrenchPlain : kModeEnglishPlain, copy.s, gWordTagCodes, n);
    return n > 0;
}

// Step 8: the candidate is the list's implicit letters, the matched stem
// letters and the ending piece.
void TestCandidate(Related& r, u8 head, const BoundedString& matched, const BoundedString& piece) {
    if (!r.french && r.operation == 11 && (head == 162 || head == 180 || head == 182 || head == 209)) return;
    Work36 candidate;
    CopyBytesToString(candidate.s, r.working.bytes, std::min<u32>(r.implicit, TextLen(r.working.s)));
    AppendString(candidate.s, matched);
    AppendString(candidate.s, piece);
    if (FindSubstring(candidate.s, r.stem.s) != 1) return;
    if (r.french && !BuiltOn(r.base, candidate.s)) return;
    if (Stored(r, candidate.s)) return;
    bool accepted = false;
    if (Known(candidate.s)) {
        const u8 cls = static_cast<u8>(gWordTagCodes[0] >> 8);
        accepted = r.french ? (FrenchTagClass(cls) & FrenchWanted(r.operation)) != 0 : OneOf(r.kind->accepted, cls);
    } else if (static_cast<i16>(gCaseMode) > 0 && TextLen(candidate.s) > 0) {
        // The analysed word was capitalised: the form may be known only so.
        candidate.s.data[0] = static_cast<u8>(candidate.s.data[0] - 32);
        accepted = Known(candidate.s);
    }
    // The results array bounds what is kept (and counted).
    if (!accepted || r.stored >= r.call->results->count) return;
    TextCopy(r.call->Result(r.stored), candidate.s);
    ++r.stored;
}

struct EntryState {
    i16 items = 1;
    bool groupPending = false;
    bool modelNext = false;  // the byte after a group code is the model byte
    bool mismatch = false;
    Work36 matched;
    void End() {
        items = 1;
        groupPending = false;
        modelNext = false;
        mismatch = false;
        TextClear(matched.s);
    }
};

// Step 7: every item of the other class in one entry list.
void WalkList(Related& r, const ListSpan& list) {
    const u8 threshold = r.french ? kFrenchLetterThreshold : kEnglishLetterThreshold;
    EntryState e;
    u32 p = list.begin;
    while (p < list.end) {
        const u8 b = DictBodyByte(p);
        if (!e.groupPending && b >= kGroupCodeFirst && b <= 159) {
            if (b <= kGroupCodeLast) {
                e.items = static_cast<i16>(b - 121);
                e.groupPending = true;
                e.modelNext = true;
                ++p;
                continue;
            }
            if (b <= kCountCodeLast) {
                e.items = static_cast<i16>(b - 129);
                ++p;
                continue;
            }
            if (b == kMarkKind1 || b == kMarkModifier || b == kMarkVariant) {
                ++p;
                continue;
            }
        }
        if (!r.french && e.groupPending && !e.modelNext && (b == kMarkKind1 || b == kMarkModifier)) {
            ++p;
            continue;
        }
        if (b > threshold && b < kLetterEnd && !e.modelNext) {
            if (!e.mismatch) {
                // Letters past the stem's end spell the rest of a longer
                // word; in French such a word is kept only when it is built
                // on the lemma (TestCandidate), in English never.
                const u32 m = TextLen(e.matched.s);
                const bool past = r.implicit + m >= TextLen(r.stem.s);
                if ((past && r.french) || (!past && TextAt(r.stem.s, r.implicit + m) == b)) {
                    AppendByteToString(e.matched.s, b);
                } else {
                    e.mismatch = true;
                    TextClear(e.matched.s);
                }
            }
            ++p;
            continue;
        }
        // An item: head byte and class (or flags) byte.
        const u8 f = DictBodyByte(p + 1);
        Work36 piece;
        const bool wanted =
            r.french ? (FrenchNominalClasses(f) & FrenchWanted(r.operation)) != 0 : OneOf(r.kind->itemClasses, f);
        if (!e.mismatch && wanted) {
            if (b >= kSuffixCodeFirst) TextCopy(piece.s, Suffix(b));
            else if (r.french && b >= 65 && b <= 95) AppendByteToString(piece.s, static_cast<u8>(b + 32));
            else if (r.french && b >= 33 && b <= 63) AppendByteToString(piece.s, static_cast<u8>(b + 64));
            else if (r.french && b <= 26) AppendByteToString(piece.s, static_cast<u8>(b + 96));
            TestCandidate(r, b, e.matched.s, piece.s);
        } else if (!r.french && !e.mismatch && e.groupPending && OneOf(r.kind->verbFlags, f)) {
            SlotZeroEnding(b & 127u, piece.s);
            TestCandidate(r, b, e.matched.s, piece.s);
        }
        e.modelNext = false;
        if (e.items > 1) --e.items;
        if (e.items < 2) e.End();
        p += 2;
    }
}

// Step 4: the list of the fourth-letter entry whose list holds body offset
// `lemma` of the section.
bool ListHolding(const DictSectionSpan& section, u32 lemma, ListSpan& list) {
    if (section.length < 3 || lemma < section.start) return false;
    const u32 s = section.start;
    const u32 rel = lemma - s;
    const u32 fourthBegin = DictBodyByte(s + 2);
    const u32 listsBegin = BodyU16(s + fourthBegin + 1);
    if (fourthBegin == 0 || listsBegin > section.length || listsBegin < fourthBegin) return false;
    i64 chosen = -1;
    for (u32 e = fourthBegin; e + 3 <= listsBegin; e += 3) {
        if (BodyU16(s + e + 1) > rel) break;
        chosen = e;
    }
    if (chosen < 0) return false;
    const u32 e = static_cast<u32>(chosen);
    const u32 begin = BodyU16(s + e + 1);
    const u32 end = e + 3 < listsBegin ? BodyU16(s + e + 4) : section.length;
    if (begin > end || end > section.length) return false;
    list.begin = s + begin;
    list.end = s + end;
    return true;
}

// The list of section `section` under third letter `third` and fourth
// letter `fourth`.
bool ListUnder(i32 section, u8 third, u8 fourth, ListSpan& list) {
    DictSectionSpan span;
    if (!GetDictSection(section, span)) return false;
    EntryListCursor cursor;
    if (!OpenSectionEntryLists(static_cast<i16>(section), span, third, fourth, cursor)) return false;
    EntryListSpan found;
    if (!NextEntryList(cursor, found)) return false;
    list.begin = found.begin;
    list.end = found.end;
    return true;
}

// Row or column of a letter in the section matrix, -1 when it has none.
i32 MatrixIndex(u8 c) {
    if (gCheckingLanguage != 0) return static_cast<i32>(gLetterCodes[c]) - 1;
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    return -1;
}

i32 MatrixSection(u8 first, u8 second) {
    const i32 row = MatrixIndex(first);
    const i32 column = MatrixIndex(second);
    if (row < 0 || column < 0 || static_cast<u32>(row) >= gPrefixSectionMatrix.count) return 0;
    const BoundedArray<u16>& cells = gPrefixSectionMatrix.data[row];
    if (static_cast<u32>(column) >= cells.count) return 0;
    return cells.data[column];
}

void MakeStem(Related& r) {
    TextCopy(r.stem.s, r.working.s);
    const u32 n = TextLen(r.working.s);
    TextCut(r.stem.s, r.cut < n ? n - r.cut : 0);
}

// Step 5: how many final characters of the word are not its stem.
u32 CutLength(u32 reading) {
    if ((gWordTagCodes[0] >> 8) > 0x7F) {
        Work36 ending;
        SlotZeroEnding(gWordAnalysisBytes[0], ending.s);
        return TextLen(ending.s);
    }
    const u8 a = gWordAnalysisBytes[static_cast<i32>(reading)];
    return a >= kSuffixCodeFirst ? TextLen(Suffix(a)) : 1;
}

// Step 3: the section whose body span holds the lemma reference; 0 when it
// is the last section (or lies before the first).
i32 SectionOf(u32 lemma) {
    const u32 n = std::min<u32>(gDictSectionCount, gDictPrefixIndex.count);
    for (u32 k = 0; k < n; ++k)
        if (gDictPrefixIndex.data[k].Offset > lemma) return static_cast<i32>(k) - 1;
    return -1;
}

}  // namespace

u16 InflectRelatedWords(InflectCall& call) {
    Related r;
    r.call = &call;
    r.operation = call.op;
    r.kind = call.op == 11 ? &kAdjectivesOfNoun : &kNounsOfAdjective;
    r.french = gCheckingLanguage != 0;
    // 1. The word's readings (the results serve as the analysis's work list).
    TextCopy(r.working.s, call.word.s);
    Work36 analysed;
    TextCopy(analysed.s, call.word.s);
    gCaseMode = kCaseAsked;
    u16 n = 0;
    AnalyseWordForms(static_cast<u16>(call.mode & 0xFF00u), analysed.s, n, *call.results);
    if (n == 0) return kInflectRefused;
    // 2. The first reading of the starting class.
    i32 reading = -1;
    const u32 readings = std::min<u32>(n, gWordTagCodes.count);
    for (u32 i = 0; i < readings && reading < 0; ++i)
        if (OneOf(r.kind->readings, static_cast<u8>(gWordTagCodes[static_cast<i32>(i)] >> 8)))
            reading = static_cast<i32>(i);
    if (reading < 0) return kInflectCapital;
    // 3. Its lemma's section.
    const i32 section = SectionOf(gWordLemmaRefs[reading]);
    DictSectionSpan span;
    if (section < 1 || !GetDictSection(section, span)) return kInflectRefused;
    ListSpan list;
    const bool found = ListHolding(span, gWordLemmaRefs[reading], list);
    // 5, 6. The stem, then the first pass.
    r.cut = CutLength(static_cast<u32>(reading));
    MakeStem(r);
    // A verb's derived words are built on its stem, a noun's or an
    // adjective's on the word.
    if ((gWordTagCodes[0] >> 8) > 0x7F) TextCopy(r.base.s, r.stem.s);
    else CopyBytesToString(r.base.s, r.working.bytes, BaseLength(r.working.bytes, TextLen(r.working.s)));
    r.implicit = section <= kLastReservedSection ? 2 : 4;
    call.Count() = 0;
    if (found) WalkList(r, list);
    // 9. Further passes.
    i32 passSection = section;
    bool twoLetterDone = false;
    for (;;) {
        if (passSection <= kLastReservedSection && !twoLetterDone && TextLen(r.working.s) > 3 &&
            TextLen(r.stem.s) > 2 && !r.shortStemPass) {
            twoLetterDone = true;
            MakeStem(r);
            passSection = MatrixSection(TextAt(r.working.s, 0), TextAt(r.working.s, 1));
            if (passSection == 0) break;
            r.implicit = 4;
            if (ListUnder(passSection, TextAt(r.working.s, 2), TextAt(r.working.s, 3), list)) WalkList(r, list);
        } else if (passSection > kLastReservedSection && TextLen(r.stem.s) == 4 && !r.shortStemPass) {
            r.shortStemPass = true;
            TextCopy(r.working.s, r.stem.s);
            r.cut = 0;
            MakeStem(r);
            passSection = kShortStemSection;
            r.implicit = 2;
            if (ListUnder(passSection, TextAt(r.stem.s, 0), TextAt(r.stem.s, 1), list)) WalkList(r, list);
        } else {
            break;
        }
    }
    call.Count() = r.stored;
    return r.stored;
}
