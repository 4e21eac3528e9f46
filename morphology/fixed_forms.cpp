// Fixed recognisers of the word-form analysis: abbreviations, symbols,
// numbers and ordinals, slash pairs, French elisions and fused forms,
// English apostrophe forms and Roman numerals.
#include <cstring>

#include "frame/bounded_string.h"
#include "frame/mac_roman.h"
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "morphology/compound_words.h"
#include "morphology/dict_format.h"
#include "morphology/word_analysis_steps.h"
#include "morphology/word_lookup.h"

namespace {

constexpr u16 kTagNumber = 0x530C;
constexpr u16 kTagNumberPrefixed = 0x420C;
constexpr u16 kTagOrdinal = 0x4200;
constexpr u16 kTagDecade = 0x4108;
constexpr u16 kTagPossessive = 0x3800;
constexpr u16 kTagFusedAdverb = 0x1700;

bool IsDigit(u8 c) { return c >= '0' && c <= '9'; }
bool IsCapital(u8 c) { return gCharClasses[c] >= 4; }
u8 ClassOf(u16 tag) { return static_cast<u8>(tag >> 8); }

Step Fixed(AnalysisCall& call, u16 tag, Step then) {
    SetFixedTags(call, &tag, 1);
    return then;
}

// Lemma references of the first analyses of a word, fetched without
// disturbing the slots, then written from index 0.
void SetFixedRefs(const char* word, std::initializer_list<i16> analyses, u32 copies = 0) {
    const u16 caseMode = gCaseMode;
    gCaseMode = 0;
    u32 refs[3] = {};
    u32 n = 0;
    for (i16 a : analyses) refs[n++] = LookupTextSlotPreserving(word, a);
    gCaseMode = caseMode;
    for (u32 k = 0; k < n; ++k) gWordLemmaRefs[static_cast<i32>(k)] = refs[k];
    for (u32 k = n; k < copies; ++k) gWordLemmaRefs[static_cast<i32>(k)] = refs[0];
}

// ---- Numbers ---------------------------------------------------------------

// The rest of the word after the number part.
struct NumberParts {
    const u8* rest = nullptr;
    i32 restLength = 0;
    u8 last = 0;   // last digit of the number part
    u8 tens = 0;   // the digit before it, 0 when none
    i32 p = 0;
    bool RestIs(const char* t) const {
        const i32 n = static_cast<i32>(std::strlen(t));
        return n == restLength && std::memcmp(rest, t, static_cast<size_t>(n)) == 0;
    }
    bool RestHolds(const char* t) const {
        const i32 n = static_cast<i32>(std::strlen(t));
        for (i32 i = 0; i + n <= restLength; ++i)
            if (std::memcmp(rest + i, t, static_cast<size_t>(n)) == 0) return true;
        return false;
    }
};

Step FrenchOrdinal(AnalysisCall& call, const NumberParts& n) {
    if (n.RestIs("e")) {
        if (n.p < 2 && n.last == '1') return ReturnWith(0);
        return Fixed(call, 0x4204, ReturnWith(1));
    }
    static const char* const kFirst[] = {"er", "ers", "re", "res"};
    static const char* const kSecond[] = {"d", "ds", "de", "des"};
    static const u16 kTags[] = {0x4214, 0x4218, 0x4224, 0x4228};
    if (n.last == '1' && n.p == 1) {
        for (u32 k = 0; k < 4; ++k)
            if (n.RestIs(kFirst[k])) return Fixed(call, kTags[k], ReturnWith(1));
        return ReturnWith(0);
    }
    if (n.RestIs("es")) return Fixed(call, 0x4208, ReturnWith(1));
    if (n.last == '2' && n.p == 1) {
        for (u32 k = 0; k < 4; ++k)
            if (n.RestIs(kSecond[k])) return Fixed(call, kTags[k], ReturnWith(1));
    }
    return ReturnWith(0);
}

// A number joined to a known word ("3-year", "20mph") is an ordinal-like
// adjective; a lone letter or an abbreviation that takes its period (class
// 0x1C: every letter is one, and so are "st", "nd", "rd") is not a word here,
// or "11st" and "1990s" would never reach the ending rules below.
bool FoundJoinableWord(u16 found) {
    for (u16 k = 0; k < found; ++k)
        if (ClassOf(gWordTagCodes[k]) != 0x1C) return true;
    return false;
}

Step EnglishOrdinal(AnalysisCall& call, const NumberParts& n) {
    call.work.Set(n.rest, n.restLength);
    if (FoundJoinableWord(LookupInto(call, call.work.s, 0)))
        return Fixed(call, kTagOrdinal, ReturnWith(1));
    *call.count = 0;
    call.work.Set(n.rest, n.restLength);
    u16 compoundCount = 0;
    if (AnalyseCompoundWord(0, call.work.s, gWordTagCodes, compoundCount) > 0)
        return Fixed(call, kTagOrdinal, ReturnWith(1));
    const bool teen = n.tens == '1';
    const char* suffix = "th";
    if (!teen && n.last == '1') suffix = "st";
    else if (!teen && n.last == '2') suffix = "nd";
    else if (!teen && n.last == '3') suffix = "rd";
    if (n.RestHolds(suffix)) return Fixed(call, kTagOrdinal, ReturnWith(1));
    if (n.last != '1' && n.last != '2' && n.last != '3' && n.RestIs("s"))
        return Fixed(call, kTagDecade, ReturnWith(1));
    return ReturnWith(0);
}

Step Numbers(AnalysisCall& call) {
    const BoundedString& w = *call.word;
    const i32 length = GetStringLength(w);
    const i32 p = call.numberPart;
    if (p >= length) return Fixed(call, kTagNumber, ReturnWith(1));
    NumberParts n;
    n.p = p;
    n.rest = w.data + p;
    n.restLength = length - p;
    n.last = p >= 1 ? w.data[p - 1] : 0;
    n.tens = p >= 2 ? w.data[p - 2] : 0;
    return call.French() ? FrenchOrdinal(call, n) : EnglishOrdinal(call, n);
}

bool IsFixedSymbol(u8 c) {
    static const u8 kSymbols[] = {'&', 0xA7, 0xA8, 0xA9, 0xB5, 0xB6, 0xB7,
                                  0xB8, 0xB9, 0xBD, 0xC6, '\'', 0xD5};
    for (u8 s : kSymbols)
        if (c == s) return true;
    return false;
}

// ---- English apostrophe forms -------------------------------------------------

bool IsDecade(const BoundedString& w) {
    const i32 n = GetStringLength(w);
    if (n < 3 || w.data[0] != kMarkApostrophe || !IsDigit(w.data[1])) return false;
    for (i32 i = 1; i <= n - 3; ++i)
        if (!IsDigit(w.data[i])) return false;
    const u8 before = w.data[n - 2];
    return w.data[n - 1] == 's' && (IsDigit(before) || before == kMarkApostrophe);
}

Step Possessive(AnalysisCall& call, i16 result) { return Fixed(call, kTagPossessive, Success(result)); }

// boys': the apostrophe after s, x or z.
bool PluralPossessive(AnalysisCall& call, bool capitalised, Step& out) {
    BoundedString& w = *call.word;
    const i32 n = GetStringLength(w);
    call.work.Set(w.data, n - 1);
    if (capitalised) {
        call.work.bytes[0] = LowerAscii(call.work.bytes[0]);
        const u16 found = LookupInto(call, call.work.s, call.mode);
        if (found == 0) return false;
        out = Possessive(call, static_cast<i16>(found));
        return true;
    }
    const u16 found = LookupInto(call, call.work.s, call.mode);
    const u16 tag = gWordTagCodes[0];
    if (found > 0 && (ClassOf(tag) == 0x39 || (ClassOf(tag) == 0x80 && (tag & 0x0F) == 1) || found >= 2)) {
        out = Possessive(call, 1);
        return true;
    }
    return false;
}

void RaiseStem(AnalysisCall& call, i32 stemLength) {
    u8* s = call.work.bytes;
    s[0] = UpperAscii(s[0]);
    if (stemLength == 3 && call.saved.At(1) > 'a') return;
    if (gCaseMode == 3 || gCaseMode == 4) {
        for (i32 i = 1; i < stemLength - 1; ++i) s[i] = UpperAscii(s[i]);
        if (stemLength == 4) s[3] = UpperAscii(s[3]);
    }
}

// Forms ending in 's.
bool SaxonGenitive(AnalysisCall& call, bool capitalised, Step& out) {
    BoundedString& w = *call.word;
    const i32 n = GetStringLength(w);
    call.work.Set(w);
    u16 found = LookupInto(call, call.work.s, call.mode);
    const u16 tag = gWordTagCodes[0];
    if (found > 0 && (TextEquals(w, "that\x93s") || (ClassOf(tag) == 0x80 && (tag & 0xFF) == 12))) {
        *call.count = 1;
        out = Success(static_cast<i16>(found));
        return true;
    }
    const i32 stem = n - 2;
    call.work.Set(w.data, stem);
    if (gCaseMode > 0) {
        found = LookupInto(call, call.work.s, call.mode);
        if (found > 0) {
            out = Possessive(call, static_cast<i16>(found));
            return true;
        }
        call.work.Set(w.data, stem);
        RaiseStem(call, stem);
    }
    found = LookupInto(call, call.work.s, call.mode);
    if (capitalised) {
        if (found > 0) {
            out = Possessive(call, static_cast<i16>(found));
            return true;
        }
        call.work.bytes[0] = LowerAscii(call.work.bytes[0]);
        if (LookupInto(call, call.work.s, call.mode) >= 2) {
            out = Possessive(call, 1);
            return true;
        }
        return false;
    }
    if (found == 0) return false;
    const u16 first = gWordTagCodes[0];
    const u8 cls = ClassOf(first);
    const bool ae = call.first == 'a' || call.first == 'e';
    // Nouns, noun-adjectives and indefinite pronouns (the world's, one's,
    // nobody's).
    const bool noun = cls == 0x37 || cls == 0x38 || cls == 0x39 || cls == 'M' || cls == 'N' || cls == 'K';
    if (noun || (cls > 0x7F && (first & 0x0F) == 0) || found >= 2 || (found == 1 && cls == 'Q' && ae)) {
        out = Possessive(call, 1);
        return true;
    }
    return false;
}

// ---- Roman numerals ---------------------------------------------------------------

i32 RomanCode(u8 c) {
    switch (LowerAscii(c)) {
        case 'i': return 1;
        case 'v': return 2;
        case 'x': return 3;
        case 'l': return 4;
        case 'c': return 5;
        case 'd': return 6;
        case 'm': return 7;
        default: return 0;
    }
}

bool FollowingReaches(const i32* c, i32 n, i32 k) {
    for (i32 j = k + 1; j < n; ++j)
        if (c[j] >= c[k]) return true;
    return false;
}

}  // namespace

// ---- Steps ------------------------------------------------------------------------

Step ApplyPeriodAbbreviations(AnalysisCall& call) {
    BoundedString& w = *call.word;
    if (TextAt(w, 1) == '.') {
        if (TextStartsWith(w, "a.m") || TextStartsWith(w, "p.m")) return Fixed(call, kTagNumberPrefixed, ReturnWith(1));
        if (TextStartsWith(w, "u.s") || TextStartsWith(w, "U.S") || TextStartsWith(w, "U.N"))
            return Fixed(call, 0x4300, ReturnWith(1));
    }
    const i32 n = GetStringLength(w);
    if (n > 1 && w.data[n - 1] == '.') {
        w.data[n - 1] = 0;
        call.trailingPeriod = true;
    }
    return GoOn();
}

Step ApplyMidPreNumber(AnalysisCall& call) {
    bool capital = false;
    for (i32 i = 0; i < call.length; ++i) capital = capital || IsCapital(call.saved.At(i));
    return Fixed(call, kTagNumberPrefixed, Success(capital ? 0 : 1));
}

Step ApplyFixedCapitalNames(AnalysisCall& call) {
    if (call.saved.Is("G7")) return Fixed(call, 0x4114, Success(0));
    if (call.saved.Is("TF1")) return Fixed(call, 0x4004, Success(0));
    return GoOn();
}

Step ApplyFixedForms(AnalysisCall& call) {
    const BoundedString& w = *call.word;
    if (GetStringLength(w) == 1 && IsFixedSymbol(w.data[0])) {
        *call.count = 0;
        return ReturnWith(1);
    }
    if (call.slashSeen) {
        if (TextEquals(w, call.French() ? "et/ou" : "and/or")) return Fixed(call, 0x1000, ReturnWith(1));
        return ToRoman();
    }
    if (call.digitsSeen) return Numbers(call);
    return GoOn();
}

Step ApplyFrenchElisions(AnalysisCall& call, i32 q) {
    const BoundedString& w = *call.word;
    const u8 c0 = TextAt(w, 0);
    if (q == 1) {
        static const u16 kD[] = {0x6A40, 0x2140};
        static const u16 kL[] = {0x6344, 0x7C44};
        switch (c0) {
            case 'c': case 0x8D: SetFixedRefs("ce", {0}); return Fixed(call, 0x4614, Success(48));
            case 'd': SetFixedRefs("de", {0, 1}); SetFixedTags(call, kD, 2); return Success(48);
            case 'j': SetFixedRefs("je", {0}); return Fixed(call, 0x5505, Success(48));
            case 'l': SetFixedRefs("le", {0, 1}); SetFixedTags(call, kL, 2); return Success(48);
            case 'm': SetFixedRefs("me", {0}); return Fixed(call, 0x5605, Success(48));
            case 'n': SetFixedRefs("ne", {0}); return Fixed(call, 0x1600, Success(48));
            case 's': SetFixedRefs("se", {0}); return Fixed(call, 0x610F, Success(48));
            case 't': SetFixedRefs("te", {0}); return Fixed(call, 0x5A06, Success(48));
            default: return ToHyphen();
        }
    }
    if (q >= 2 && TextAt(w, q - 2) == 'q' && TextAt(w, q - 1) == 'u') {
        if (q == 2) {
            static const u16 kQue[] = {0x4740, 0x1140, 0x1440};
            SetFixedRefs("que", {0}, 3);
            SetFixedTags(call, kQue, 3);
            return Success(48);
        }
        // "jusqu'" reads as the preposition "jusque" does.
        if (q == 5 && TextStartsWith(w, "jus")) return Fixed(call, 0x2200, Success(48));
        if (q == 6) {
            if (TextStartsWith(w, "quel")) {
                SetFixedRefs("quelque", {0});
                return Fixed(call, 0x5100, Success(48));
            }
            if (TextStartsWith(w, "pres")) {
                SetFixedRefs("presque", {0});
                return Fixed(call, 0x1400, Success(48));
            }
            if (TextStartsWith(w, "lors") || TextStartsWith(w, "puis") || TextStartsWith(w, "quoi")) {
                SetFixedRefs("lorsque", {0});
                return Fixed(call, 0x1100, Success(48));
            }
        }
        return ToHyphen();
    }
    if (q == 7) {
        if (c0 != 'a') return ToRoman();
        return TextStartsWith(w, "aujourd") ? Fixed(call, kTagFusedAdverb, Success(48)) : ToHyphen();
    }
    if (q == 4) {
        if (c0 != 'p' && c0 != 'e') return ToRoman();
        return TextStartsWith(w, "prud") || TextStartsWith(w, "entr") ? Fixed(call, kTagFusedAdverb, Success(48))
                                                              : ToHyphen();
    }
    return ToRoman();
}

Step ApplyEnglishApostropheForms(AnalysisCall& call) {
    BoundedString& w = *call.word;
    if (IsDecade(w)) return Fixed(call, kTagDecade, ReturnWith(1));
    const bool capitalised = IsCapital(call.first);
    const i32 n = GetStringLength(w);
    Step out;
    const u8 before = TextAt(w, n - 2);
    if (n >= 2 && w.data[n - 1] == kMarkApostrophe && (before == 's' || before == 'x' || before == 'z')) {
        if (PluralPossessive(call, capitalised, out)) return out;
    } else if (n >= 3 && before == kMarkApostrophe && w.data[n - 1] == 's') {
        if (SaxonGenitive(call, capitalised, out)) return out;
    }
    call.work.Set(w);
    u16 found = LookupInto(call, call.work.s, call.mode);
    // The dropped g of speech written down ("goin'", "nothin'", "mornin'"):
    // the word read as its spelling with the g.
    if (found == 0 && n >= 4 && w.data[n - 1] == kMarkApostrophe && w.data[n - 2] == 'n' && w.data[n - 3] == 'i') {
        call.work.Set(w);
        call.work.bytes[n - 1] = 'g';
        found = LookupInto(call, call.work.s, call.mode);
    }
    return found > 0 ? Success(static_cast<i16>(found)) : ToHyphen();
}

bool IsRomanNumeral(const BoundedString& text) {
    const i32 n = GetStringLength(text);
    if (n == 0) return false;
    i32 c[kWordCapacity] = {};
    for (i32 i = 0; i < n && i < static_cast<i32>(kWordCapacity); ++i) {
        c[i] = RomanCode(text.data[i]);
        if (c[i] == 0) return false;
    }
    for (i32 k = 1; k < n; ++k) {
        const i32 v = c[k];
        const i32 prev = c[k - 1];
        const bool odd = v == 1 || v == 3 || v == 5 || v == 7;
        if (odd && k + 2 < n && prev == v && c[k + 1] == v && c[k + 2] == v) return false;
        if (v == 3 || v == 5 || v == 7) {
            if (v == prev + 1 || v > prev + 2) return false;
            if (v == prev + 2 && (FollowingReaches(c, n, k) || (k >= 2 && v > c[k - 2]))) return false;
        } else if (v == 2 || v == 4 || v == 6) {
            if (v == prev || v > prev + 1) return false;
            if (v == prev + 1 && (FollowingReaches(c, n, k) || (k >= 2 && v >= c[k - 2]))) return false;
        }
    }
    return true;
}
