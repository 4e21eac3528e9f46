// Hyphenated compounds (see compound_words.h).
#include "morphology/compound_words.h"

#include <cstring>

#include "frame/bounded_string.h"
#include "frame/mac_roman.h"
#include "frame/mac_roman_literal.h"
#include "frame/report.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "morphology/reserved_sections.h"
#include "morphology/section_walk.h"
#include "morphology/word_lookup.h"
#include "morphology/word_marks.h"

namespace {

constexpr u8 kEAcute = 0x8E;      // é
constexpr u8 kEGrave = 0x8F;      // è
constexpr u8 kAnalysisEtre = 144; // analysis byte of a form of "être"
constexpr u32 kTagCapacity = 20;
constexpr u32 kRefCapacity = 8;
constexpr i32 kMaxSubParts = 8;
constexpr u8 kImperfectFirstPerson = 12;     // French verb slots
constexpr u8 kConditionalFirstPerson = 42;

// Literals with the hyphen mark.
#define HY "\x9B"

u8 ClassOf(u16 tag) { return static_cast<u8>(tag >> 8); }
u8 LowOf(u16 tag) { return static_cast<u8>(tag & 0xFF); }

// Index of the text among the entries from..to of a word list; -1 none.
i32 ListIndex(const StringList& list, const BoundedString& text, i32 from, i32 to) {
    const i32 n = GetStringLength(text);
    for (i32 k = from; k <= to && k < static_cast<i32>(list.count); ++k) {
        const BoundedString& e = list.data[k];
        if (static_cast<i32>(e.count) == n + 1 && std::memcmp(e.data, text.data, static_cast<size_t>(n)) == 0)
            return k;
    }
    return -1;
}
bool InRange(i32 k, i32 from, i32 to) { return k >= from && k <= to; }

u16 Lookup(u16 mode, BoundedString& w, BoundedArray<u16>& tags, u16& count) {
    count = 0;
    LookupWordForm(mode, w, tags, count);
    return count;
}
u16 LookupWithCase(u16 mode, BoundedString& w, BoundedArray<u16>& tags, u16& count, u16 caseMode) {
    const u16 saved = gCaseMode;
    gCaseMode = caseMode;
    const u16 n = Lookup(mode, w, tags, count);
    gCaseMode = saved;
    return n;
}

// The parts of one compound.
struct Compound {
    u16 mode = 0;
    bool french = false;
    Work36 word;
    Work36 first;
    Work36 second;
    Work36 scratch;
    bool finalE = false;
    u8 firstClass = 0;
    u16 firstCount = 0;
    i32 prefix = -1;  // entry of the first part among the prefixes
};

// Class byte of the first analysis, or of the second when the first is a
// verb tag and there are two or more.
u8 LeadingClass(const BoundedArray<u16>& tags, u16 count) {
    if (count >= 2 && tags[0] >= 0x8000) return ClassOf(tags[1]);
    return ClassOf(tags[0]);
}

// ---- Step 2: the first part --------------------------------------------------

bool CountsAsFound(const Compound& c) {
    static const char* const kEnglish[] = {"un", "de", "bi", "neo", "crypto", "hyper", "poly"};
    if (!c.french)
        for (const char* p : kEnglish)
            if (c.first.Is(p)) return true;
    // Learned prefixes are recognised whether or not the dictionary lists
    // them as words.
    return c.prefix >= 0;
}

bool FindFirstPart(Compound& c, BoundedArray<u16>& tags, u16& count) {
    Lookup(c.mode, c.first.s, tags, count);
    bool raised = false;
    if (gCaseMode > 0 && gCaseMode != 0xFFFF) {
        if (LookupWithCase(c.mode, c.first.s, tags, count, 0) == 0) {
            c.first.bytes[0] = UpperAscii(c.first.bytes[0]);
            raised = true;
            Lookup(c.mode, c.first.s, tags, count);
        }
    }
    if (count == 0 && CountsAsFound(c)) {
        c.firstClass = 0;
        c.firstCount = 1;
        return true;
    }
    if (count == 0 && !raised) {
        c.first.bytes[0] = UpperAscii(c.first.bytes[0]);
        Lookup(c.mode, c.first.s, tags, count);
    }
    if (count == 0) return false;
    c.firstClass = LeadingClass(tags, count);
    c.firstCount = count;
    return true;
}

// ---- Step 4: English pairs and longer compounds --------------------------------

bool EnglishPairRefused(const Compound& c, const BoundedArray<u16>& tags, u16 count) {
    if (c.second.Length() < 3) return true;
    if (c.firstClass >= 99 || c.firstClass == 18 || c.firstClass == 28) return true;
    const u16 t0 = tags[0];
    const u8 c0 = ClassOf(t0);
    if (c0 == 0x12 || c0 == 0x1C) return true;
    if (c0 >= 0x44) {
        const u8 l0 = LowOf(t0);
        const bool participle = c0 == 0x80 && (l0 == 24 || l0 == 3 || l0 == 4);
        const bool secondBelow = count >= 2 && ClassOf(tags[1]) < 0x44;
        if (!participle && !secondBelow) return true;
    }
    return false;
}

// English compounds of three or more parts. -1: not such a compound.
i16 EnglishLongCompound(Compound& c, BoundedArray<u16>& tags, u16& count) {
    const i32 n = c.second.Length();
    i32 starts[kMaxSubParts];
    i32 lengths[kMaxSubParts];
    i32 parts = 0;
    i32 from = 0;
    for (i32 i = 0; i <= n; ++i) {
        if (i < n && c.second.bytes[i] != kMarkHyphen) continue;
        if (parts == kMaxSubParts) return 0;
        starts[parts] = from;
        lengths[parts++] = i - from;
        from = i + 1;
    }
    if (parts < 2) return -1;
    for (i32 k = 0; k < parts; ++k) {
        c.scratch.Set(c.second.bytes + starts[k], lengths[k]);
        if (Lookup(c.mode, c.scratch.s, tags, count) == 0) {
            count = 0;
            return 0;
        }
    }
    // The last sub-part's analyses stand, reduced to their classes.
    tags[0] = static_cast<u16>(ClassOf(tags[0]) << 8);
    if (count >= 2) tags[1] = static_cast<u16>(ClassOf(tags[1]) << 8);
    if (parts == 2) {
        c.scratch.Set(c.second.bytes + starts[1], lengths[1]);
        const bool faceToFace = TextEquals(c.scratch.s, reinterpret_cast<const char*>(c.first.bytes));
        const bool soonToBe = c.first.Is("soon") && c.scratch.Begins("be");
        if (faceToFace || soonToBe) {
            tags[0] = faceToFace ? 0x3A00 : 0x380C;
            count = 1;
            return 1;
        }
    }
    return static_cast<i16>(count);
}

// A number word after a number word: twenty-seven, not seven-twenty.
bool EnglishNumberPair(const Compound& c) {
    const i32 secondWord = ListIndex(gEnglishNumberWords, c.second.s, 1, 50);
    if (secondWord < 0) return true;
    const bool unit = InRange(secondWord, 1, 9) || InRange(secondWord, 31, 39);
    return unit && ListIndex(gEnglishNumberWords, c.first.s, 20, 27) >= 0;
}

// A last part made of a noun and -ed, after a known first part, makes an
// adjective ("good-natured", "hard-hearted", "long-limbed", "short-waisted",
// "bobbed"): the word lists hold few such forms alone. Tries the stem
// without "d", without "ed", and without a doubled consonant and "ed".
bool EnglishNounWithEd(Compound& c, BoundedArray<u16>& tags, u16& count) {
    const i32 n = c.second.Length();
    const u8* b = c.second.bytes;
    if (n < 5 || b[n - 1] != 'd' || b[n - 2] != 'e') return false;
    for (const i32 cut : {1, 2, 3}) {
        if (cut == 3 && b[n - 3] != b[n - 4]) continue;
        c.scratch.Set(b, n - cut);
        u16 found = 0;
        if (Lookup(c.mode, c.scratch.s, tags, found) == 0) continue;
        for (u16 i = 0; i < found && i < kTagCapacity; ++i) {
            const u8 cls = ClassOf(tags[i]);
            if (cls != '9' && cls != 'M' && cls != 'N') continue;
            tags[0] = 0x380C;
            count = 1;
            return true;
        }
    }
    count = 0;
    return false;
}

// -2: go on with the prefixes; otherwise the result.
i16 EnglishPair(Compound& c, BoundedArray<u16>& tags, u16& count) {
    if (Lookup(c.mode, c.second.s, tags, count) > 0 && !EnglishPairRefused(c, tags, count)) {
        if (ListIndex(gEnglishNumberWords, c.second.s, 1, 50) >= 0) {
            if (EnglishNumberPair(c)) return static_cast<i16>(count);
            count = 0;
            return 0;
        }
        const u8 l0 = LowOf(tags[0]);
        if (l0 == 24 || l0 == 3) tags[0] = 0x420C;
        return static_cast<i16>(count);
    }
    if (count == 0 && EnglishNounWithEd(c, tags, count)) return 1;
    if (count == 0) {
        u16 found = 0;
        if (LookupFrenchReserved(kModeFrenchPlain, kSectionCapital, c.second.s, tags, found) &&
            found > 0) {
            count = 1;
            return 1;
        }
    }
    // A longer compound with a part unknown in lower case goes on to the
    // capitalised and part-by-part readings (old-Spanish-like).
    const i16 longer = EnglishLongCompound(c, tags, count);
    if (longer > 0) return longer;
    if (c.second.Length() > 2) {
        c.scratch.Set(c.second.s);
        c.scratch.bytes[0] = UpperAscii(c.scratch.bytes[0]);
        if (Lookup(c.mode, c.scratch.s, tags, count) > 0) return static_cast<i16>(count);
    }
    count = 0;
    return -2;
}

// ---- Step 5: learned prefixes ---------------------------------------------------

i16 PrefixedWord(Compound& c, BoundedArray<u16>& tags, u16& count) {
    u16 store[kTagCapacity] = {};
    BoundedArray<u16> second;
    second.View(store, kTagCapacity);
    u16 found = 0;
    Lookup(c.prefix < 89 ? 800 : 816, c.second.s, second, found);
    const u32 ref = gWordLemmaRefs[0];
    count = 0;
    for (u16 i = 0; i < found && i < kTagCapacity; ++i) {
        const u8 cls = ClassOf(store[i]);
        u8 l = LowOf(store[i]);
        if (c.prefix == 93) l = static_cast<u8>((l & 0x0F) + 0x20);  // "mi": feminine
        if (l > 128) l = static_cast<u8>(l - 128);
        if (l > 64) l = static_cast<u8>(l - 64);
        if (cls != 'A' && cls != 'B' && cls != 'C') continue;
        tags[count] = static_cast<u16>(cls << 8 | l);
        gWordLemmaRefs[count] = ref;
        ++count;
    }
    return static_cast<i16>(count);
}

// ---- Step 6: verbs with pronouns, number words --------------------------------------

struct FirstReadings {
    u16 tags[kTagCapacity] = {};
    u8 bytes[kTagCapacity] = {};
    u32 refs[kRefCapacity] = {};
    u16 count = 0;
};

bool IsPerson(u8 l, u8 p, std::initializer_list<u8> extras) {
    if (l < 51 && l % 6 == p) return true;
    for (u8 e : extras)
        if (l == e) return true;
    return false;
}

bool EndsIn(const Work36& t, const char* letters) {
    const u8 last = t.At(t.Length() - 1);
    return last != 0 && std::strchr(letters, last) != nullptr;
}

// Subject pronouns after a verb form: sets r and the flag, changes l.
void SubjectPronoun(const Compound& c, u8 cls, u8& l, u8& r, bool& flag) {
    const Work36& s = c.second;
    const bool eac = EndsIn(c.first, "eac");
    bool match = false;
    i32 shift = 0;  // 64 il, 128 elle
    if (s.Is("je")) {
        const std::initializer_list<u8> extras = {51, 55, 58, 59};
        if (!EndsIn(c.first, "e")) match = IsPerson(l, 0, extras) || c.first.Is("puis");
        else if (c.finalE) match = IsPerson(l, 0, extras);
    } else if (s.Is("tu")) {
        // The first person of the imperfect and the conditional (-ais)
        // is the second person's too: aimais-tu, aimerais-tu.
        const bool firstForSecond = l == kImperfectFirstPerson || l == kConditionalFirstPerson;
        match = IsPerson(l, 1, {55, 58, 59}) || firstForSecond;
        if (firstForSecond) ++l;
    } else if (s.Is("on") || s.Is("t" HY "on")) {
        match = eac == s.Is("t" HY "on") && IsPerson(l, 2, {51, 60});
    } else if (s.Is("nous")) {
        match = IsPerson(l, 3, {52, 56, 62});
    } else if (s.Is("vous")) {
        match = IsPerson(l, 4, {53, 57, 63});
    } else if (s.Is("il") || s.Is("t" HY "il") || s.Is("elle") || s.Is("t" HY "elle")) {
        const bool euphonic = s.Is("t" HY "il") || s.Is("t" HY "elle");
        match = eac == euphonic && IsPerson(l, 2, {51, 60});
        shift = s.Is("il") || s.Is("t" HY "il") ? 64 : 128;
    } else if (s.Is("ils") || s.Is("elles")) {
        match = !eac && ((l < 51 && l % 6 >= 5) || l == 54 || l == 61);
        shift = s.Is("ils") ? 64 : 128;
    }
    if (!match) return;
    if (shift == 0 && c.finalE) l = 6;
    if (s.Is("on") || s.Is("t" HY "on")) l = 8;
    l = static_cast<u8>(l + shift);
    r = static_cast<u8>(cls + 4);
    flag = true;
}

// Object pronouns after an imperative. False when the reading is skipped.
bool ObjectPronoun(const Compound& c, u8 cls, u8& l, u8& r, bool flag) {
    const i32 k = ListIndex(gFrenchNumberWords, c.second.s, 40, 75);
    if (k < 0) return true;
    u8 base = 0;
    if (l == 49 || l == 52) {
        base = 49;
    } else if (l == 48 || l == 51 || l == 59) {
        const bool enOrY = c.second.Is("en") || c.second.Is("y");
        if ((l == 48 || l == 51) && !EndsIn(c.first, "s") && enOrY) return false;
        base = 48;
    } else if (l == 50 || l == 53) {
        base = 50;
    } else {
        return true;
    }
    l = base;
    if (flag) {
        r = static_cast<u8>(cls + 12);
        return true;
    }
    r = static_cast<u8>(cls + 8);
    if (k == 47 || InRange(k, 52, 57)) l = static_cast<u8>(base + 64);
    else if (k == 48 || InRange(k, 58, 63)) l = static_cast<u8>(base + 128);
    else if (k == 49 || InRange(k, 64, 69)) l = static_cast<u8>(base + 192);
    return true;
}

// Noun and pronoun compounds: mot-clé, lui-même, est-ce, celui-ci.
void NounCompound(const Compound& c, u8 cls, u8& l, u8& r, bool& flag, bool& etre) {
    const Work36& s = c.second;
    if ((cls == 'A' || cls == 'B' || cls == 'C') && (s.Is("type") || s.Is(MR("clé")))) {
        r = cls;
    } else if (s.Is(MR("même"))) {
        if (cls == 0x57 || cls == 0x5B || cls == 0x5C || cls == 0x5F || cls == 0x62 ||
            (cls == 0x5E && EndsIn(c.first, "e")))
            r = cls;
    } else if (s.Is(MR("mêmes"))) {
        if (cls == 0x58 || cls == 0x60 || cls == 0x5C || (cls == 0x5E && EndsIn(c.first, "s"))) r = cls;
    } else if (s.Is("ce")) {
        if ((cls == 0x83 || cls == 0xC2) && (l % 6 == 2 || l % 6 >= 5)) {
            l = static_cast<u8>(l + 64);
            r = static_cast<u8>(cls + 4);
            flag = true;
            etre = true;
        }
    } else if (s.Is("ci") || s.Is(MR("là"))) {
        if (cls == 'F' || cls == 'A' || cls == 'C' || c.first.Is("de")) r = c.first.Is("de") ? 0x14 : cls;
    }
}

// French number words: dix-sept, soixante-douze, quatre-vingt-dix, and
// their ordinals.
void NumberWord(const Compound& c, u8& low, u8& r) {
    Work36 second;
    second.Set(c.second.s);
    const char* first = reinterpret_cast<const char*>(c.first.bytes);
    if (c.word.Begins("quatre" HY "vingt")) {
        const i32 skip = 13;  // the prefix and the mark after it
        const i32 n = c.word.Length();
        second.Set(c.word.bytes + (skip < n ? skip : n), n > skip ? n - skip : 0);
        first = "quatre" HY "vingt";
    }
    low = 0;
    const i32 n = second.Length();
    if (n >= 4 && second.At(n - 4) == kEGrave && second.At(n - 3) == 'm' && second.At(n - 2) == 'e' &&
        second.At(n - 1) == 's') {
        TextCut(second.s, n - 1);
        low = 4;
    }
    struct Tens {
        const char* word;
        i32 unitFrom, unitTo, ordFrom, ordTo;
    };
    static const Tens kTens[] = {
        {"dix", 7, 9, 27, 29},         {"vingt", 2, 9, 22, 29},    {"trente", 2, 9, 22, 29},
        {"quarante", 2, 9, 22, 29},    {"cinquante", 2, 9, 22, 29}, {"soixante", 2, 19, 22, 39},
        {"quatre" HY "vingt", 1, 19, 21, 39},
    };
    for (const Tens& t : kTens) {
        if (std::strcmp(first, t.word) != 0) continue;
        if (ListIndex(gFrenchNumberWords, second.s, t.unitFrom, t.unitTo) >= 0) {
            r = 'S';
        } else if (ListIndex(gFrenchNumberWords, second.s, t.ordFrom, t.ordTo) >= 0) {
            r = 'B';
            low = static_cast<u8>(low + 4);
        }
        return;
    }
}

void Append(BoundedArray<u16>& tags, u16& count, u16 tag, u8 byte, u32 ref) {
    tags[count] = tag;
    gWordAnalysisBytes[count] = byte;
    gWordLemmaRefs[count] = ref;
    ++count;
}

bool AnyVerbTag(const BoundedArray<u16>& tags, u16 count) {
    for (u16 i = 0; i < count; ++i)
        if (tags[i] >= 0x8000) return true;
    return false;
}

// The first part's readings for step 6. A capitalised first part that is
// also a name ("Sens", "Es" at the head of a question) is read in lower
// case when that gives it verb readings, so that they meet the pronoun
// after it ("Es-tu prêt ?", "Sens-tu ?").
void FirstPartReadings(Compound& c, BoundedArray<u16>& tags, u16& count) {
    Lookup(c.mode, c.first.s, tags, count);
    if (gCaseMode == 0 || gCaseMode == 0xFFFF || AnyVerbTag(tags, count)) return;
    if (LookupWithCase(c.mode, c.first.s, tags, count, 0) > 0 && AnyVerbTag(tags, count)) return;
    Lookup(c.mode, c.first.s, tags, count);
}

i16 VerbPronounOrNumber(Compound& c, BoundedArray<u16>& tags, u16& count) {
    FirstPartReadings(c, tags, count);
    FirstReadings f;
    f.count = count < kTagCapacity ? count : static_cast<u16>(kTagCapacity);
    for (u16 i = 0; i < f.count; ++i) {
        f.tags[i] = tags[i];
        f.bytes[i] = gWordAnalysisBytes[i];
        if (i < kRefCapacity) f.refs[i] = gWordLemmaRefs[i];
    }
    count = 0;
    const bool est = c.french && c.first.Is("est");
    const u32 etreRef = f.refs[0];
    for (u16 j = 0; j < f.count; ++j) {
        u8 cls = ClassOf(f.tags[j]);
        u8 l = LowOf(f.tags[j]);
        const u32 ref = f.refs[j < kRefCapacity ? j : kRefCapacity - 1];
        u8 r = 0;
        bool flag = false;
        bool etre = false;
        if (c.first.Is("puis") && c.second.Is("je")) {
            cls = 0xF1;
            l = 6;
        }
        if (cls >= 0x80 && l >= 6 && l != 48 && l != 49 && l != 50) SubjectPronoun(c, cls, l, r, flag);
        if (l >= 48 && !ObjectPronoun(c, cls, l, r, flag)) continue;
        if ((l == 58 || l == 7) && (c.second.Is("en") || c.second.Is("y"))) {
            r = static_cast<u8>(cls + 8);
            l = 48;
        }
        NounCompound(c, cls, l, r, flag, etre);
        u8 low = l;
        if (cls == 'R' || cls == 'S') {
            if (c.second.Is("ci") || c.second.Is(MR("là"))) r = cls;
            else NumberWord(c, low, r);
        }
        if (r == 0) continue;
        if (est) {
            tags[0] = static_cast<u16>(0x8700 + l);
            gWordAnalysisBytes[0] = kAnalysisEtre;
            gWordLemmaRefs[0] = etreRef;
            count = 1;
            continue;
        }
        if (r == 'S') {
            Append(tags, count, static_cast<u16>(r << 8 | 8), f.bytes[j], f.refs[0]);
        } else if (r == 'B') {
            Append(tags, count, static_cast<u16>(r << 8 | low), 'E', ref);
        } else {
            Append(tags, count, static_cast<u16>(r << 8 | low), etre ? kAnalysisEtre : f.bytes[j], ref);
        }
    }
    return static_cast<i16>(count);
}

// ---- Step 7: capitalised compounds --------------------------------------------------

bool CapitalisedPair(Compound& c, Work36& capital, Work36& other, u8 keep, BoundedArray<u16>& tags,
                     u16& count) {
    u16 store[kTagCapacity] = {};
    BoundedArray<u16> known;
    known.View(store, kTagCapacity);
    u16 found = 0;
    if (!LookupFrenchReserved(kModeFrenchPlain, kSectionCapital, capital.s, known, found) || found == 0)
        return false;
    if (Lookup(c.mode, other.s, tags, count) == 0 || c.second.Length() < 3) return false;
    u8 low = LowOf(tags[0]);
    const u8 knownLow = LowOf(store[0]);
    if (low == 0 || (low != knownLow && knownLow != keep)) low = 4;
    tags[0] = static_cast<u16>(0x4000 + low);
    count = 1;
    gErrorVariant = 'U';
    return true;
}

// ---- Step 8: a compound of words ------------------------------------------------

// A part as written or with a capital initial (prie-Dieu, Île-de-France
// come here lowered).
bool PartIsWord(Compound& c, const u8* p, i32 n, BoundedArray<u16>& tags, u16& count) {
    count = 0;
    if (n <= 0) return false;
    c.scratch.Set(p, n);
    if (LookupWithCase(c.mode, c.scratch.s, tags, count, 0) > 0) return true;
    // French names are filed in lower case in their own section.
    if (c.french)
        return LookupFrenchReserved(kModeFrenchPlain, kSectionCapital, c.scratch.s, tags, count) &&
               count > 0;
    c.scratch.bytes[0] = UpperAscii(c.scratch.bytes[0]);
    return LookupWithCase(c.mode, c.scratch.s, tags, count, 1) > 0;
}

// A compound that no step above reads is a word when each of its parts is
// one (home-coming, healthy-looking, garde-champêtre, nu-tête): it takes
// the analyses of its last part. English number words keep their own rule
// (twenty-seven, not seven-twenty).
// French words after a hyphen that step 6 reads with the verb or noun
// before them (dit-il, donne-le, celui-ci): their groups have rules of
// their own.
bool FrenchGroupWord(const u8* p, i32 n) {
    static const char* const kWords[] = {"je", "tu", "il", "elle", "on", "ils", "elles", "ce", "ci", MR("là")};
    Work36 w;
    w.Set(p, n);
    for (const char* k : kWords)
        if (w.Is(k)) return true;
    return ListIndex(gFrenchNumberWords, w.s, 40, 75) >= 0;
}

i16 EveryPartAWord(Compound& c, BoundedArray<u16>& tags, u16& count) {
    const i32 n = c.word.Length();
    i32 lastPart = n;
    while (lastPart > 0 && c.word.bytes[lastPart - 1] != kMarkHyphen) --lastPart;
    if (c.french ? FrenchGroupWord(c.word.bytes + lastPart, n - lastPart) : !EnglishNumberPair(c)) {
        count = 0;
        return 0;
    }
    i32 from = 0;
    for (i32 i = 0; i <= n; ++i) {
        if (i < n && c.word.bytes[i] != kMarkHyphen) continue;
        if (!PartIsWord(c, c.word.bytes + from, i - from, tags, count)) {
            count = 0;
            return 0;
        }
        from = i + 1;
    }
    return static_cast<i16>(count);
}

// The whole compound among the capitalised words (the capitals section
// too when it is written in capitals throughout).
bool CapitalisedWhole(const Compound& c, BoundedArray<u16>& tags, u16& count) {
    const i16 caseMode = static_cast<i16>(gCaseMode);
    if (caseMode < 1) return false;
    count = 0;
    if (LookupFrenchReserved(kModeFrenchPlain, kSectionCapital, c.word.s, tags, count) && count > 0) return true;
    count = 0;
    if ((caseMode == 3 || caseMode == 4) &&
        LookupFrenchReserved(kModeFrenchPlain, kSectionCapitals, c.word.s, tags, count) && count > 0)
        return true;
    count = 0;
    return false;
}

}  // namespace

i16 AnalyseCompoundWord(u16 mode, BoundedString& word, BoundedArray<u16>& tags, u16& count) {
    count = 0;
    Compound c;
    c.mode = mode;
    c.french = gCheckingLanguage != 0;
    c.word.Set(word);
    // Step 1: the reserved compound sections. A French compound written
    // with a capital is first looked for whole among the capitalised words,
    // as a word without a hyphen is (Royaume-Uni, États-Unis, Loir-et-Cher:
    // the section of lower-case compounds cannot hold a name's readings).
    if (c.french) {
        if (CapitalisedWhole(c, tags, count)) return static_cast<i16>(count);
        if (LookupReserved(mode, kSectionHyphen, c.word.s, tags, count) && count > 0)
            return static_cast<i16>(count);
        if (c.word.Begins(MR("œil")) || c.word.Begins("oeil")) {
            count = 0;
            return 1;
        }
        if (LookupReserved(mode, kSectionNoElision, c.word.s, tags, count) && count > 0)
            return static_cast<i16>(count);
    } else {
        if (LookupReserved(0, kSectionCapitals, c.word.s, tags, count) && count > 0)
            return static_cast<i16>(count);
        c.mode = 0;
    }
    count = 0;
    // Step 2: the first part.
    const i32 n = c.word.Length();
    i32 h = 0;
    while (h < n && c.word.bytes[h] != kMarkHyphen) ++h;
    c.first.Set(c.word.bytes, h < n ? h : 0);
    c.second.Set(c.word.bytes + (h < n ? h + 1 : n), h < n ? n - h - 1 : 0);
    const i32 fn = c.first.Length();
    if (fn > 0 && c.first.bytes[fn - 1] == kMarkAGrave) c.first.bytes[fn - 1] = kAGraveByte;
    if (c.french && fn > 0 && c.first.bytes[fn - 1] == kEAcute) {
        c.first.bytes[fn - 1] = 'e';
        c.finalE = true;
    }
    c.prefix = ListIndex(gFrenchNumberWords, c.first.s, 81, c.french ? 101 : 103);
    if (!FindFirstPart(c, tags, count)) {
        count = 0;
        return 0;
    }
    // Steps 3 and 4.
    count = 0;
    if (!c.french) {
        const i16 pair = EnglishPair(c, tags, count);
        if (pair != -2) return pair;
    }
    // Step 5: prefixes.
    if (c.prefix >= 0) return PrefixedWord(c, tags, count);
    // Step 6.
    if (VerbPronounOrNumber(c, tags, count) > 0) return static_cast<i16>(count);
    // Step 7.
    count = 0;
    if (gCaseMode >= 1 && gCaseMode != 0xFFFF) {
        if (CapitalisedPair(c, c.first, c.second, 4, tags, count)) return 1;
        count = 0;
        if (CapitalisedPair(c, c.second, c.first, 64, tags, count)) return 1;
        count = 0;
    }
    // Step 8: the sentence-analysis fallback keeps the last part; a compound
    // of words is a word.
    if (c.french && ListIndex(gFrenchNumberWords, c.second.s, 0, 39) >= 0) return static_cast<i16>(count);
    if (c.french && gAnalysisMode == 1) return static_cast<i16>(Lookup(c.mode, c.second.s, tags, count));
    return EveryPartAWord(c, tags, count);
}
