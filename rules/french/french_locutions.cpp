// The French locution pass: for every word after the first, the rules of
// "a", the function-word rules or the word's own tests; then the locution
// matcher unless a report of 512 or more is pending.
#include "rules/french/french_locutions.h"

#include "frame/report.h"
#include <cstring>

#include "frame/bounded_string.h"
#include "frame/mac_roman.h"
#include "frame/records.h"
#include "frame/tables.h"
#include "rules/french/byte_chains.h"
#include "rules/french/french_rules.h"
#include "rules/french/function_words.h"
#include "rules/french/locution_matcher.h"
#include "rules/french/locution_rows.h"

i16 gLocutionReport = 0;
FunctionWordRule gFunctionWordRule = ApplyFrenchFunctionWordRule;
LocutionMatcher gLocutionMatcher = MatchFrenchLatinLocutions;

namespace {

using namespace locution;

constexpr i32 kLongestFunctionWord = 5;
constexpr i32 kLongestTestedWord = 8;

// The current word's text as written while it is lowered (static scratch:
// nothing is allocated per sentence).
u8 gSavedBytes[kWordCapacity];
BoundedString gSavedText;

bool Capital(u8 c) { return c >= 'A' && c <= 'Z'; }
bool WrittenWithCapital(i32 i) {
    const u16 mode = gWords.ClampedAt(i).WordCaseMode;
    return mode > 0 && mode != 65535;
}
// The word is "a", as written ("A" with a capital).
bool IsA(i32 i) { return Is(i, "a") || Is(i, "A"); }

// Words i - 1 and, when i is at least 2 and i - 1 is one adverb-like
// reading, i - 2: a verb form or participle of one reading before "a".
bool VerbBeforeA(i32 i, u8 lo) {
    if (OneOf(i - 1, lo, 14)) return true;
    return i >= 2 && OneOf(i - 1, 18, 18) && OneOf(i - 2, lo, 14);
}

void ReportA(i32 i) {
    Report(256 + i);
    gErrorExtent = static_cast<u16>(i);
}

// "A" written with a capital (the rules of capitals without accents).
// True when one of its rules applied.
bool CapitalA(i32 i) {
    if (gAccentsOnCapitals == 1) {
        if (VerbBeforeA(i, 12)) ReportA(i);
        else KeepOne(i);
        return true;
    }
    if (!Has(i + 1) || Cat(i + 1) == 11 || Cat(i + 1, 1) == 11 || (CatIs(i + 1, 7) && Begins(i + 1, "le")) ||
        Cat(i - 1) < 7) {
        KeepOne(i);
    } else if (CatIn(i - 1, 11, 15)) {
        // The preposition, with the lemma of "à", not that of avoir.
        Set(i, 15, 32, 0, 0);
        gWords.ClampedAt(i).ReadingLemmaRefs.ClampedAt(0) = kLemmaOfA;
        KeepOne(i);
    } else if (SameText(i - 1, i + 1)) {
        for (i32 k = i - 1; k <= i + 1; ++k) {
            SetCat(k, 18);
            KeepOne(k);
        }
    } else {
        return false;
    }
    return true;
}

// "a" between a noun and a relative pronoun is the preposition "à" that
// opens the relative ("des gens a qui parler", "la porte a laquelle il
// frappe"): "avoir" takes no relative pronoun as its object. "qui" or
// "quoi" before a subject pronoun may open a clause without antecedent that
// is the object of "avoir" ("le chef a qui il veut").
bool BeforeRelative(i32 i) {
    if (i == 0 || !Has(i + 1) || Count(i - 1) != 1 || !CatIs(i - 1, 10) || Cls(i - 1) >= 128) return false;
    if (IsAny(i + 1, "qui", "quoi")) return !Has(i + 2) || !CatIs(i + 2, 1);
    return IsAny(i + 1, "lequel", "laquelle", "lesquels", "lesquelles");
}

// "a" between a noun and a plural noun with no determiner is the "à" of a
// noun's complement ("un crayon a sourcils", "une lime a ongles"): "avoir"
// takes a bare noun only in set phrases, all singular ("a faim", "a peur").
bool BeforeBarePlural(i32 i) {
    if (i == 0 || !Has(i + 1) || Count(i - 1) != 1 || !CatIs(i - 1, 10) || Cls(i - 1) >= 128) return false;
    const i32 n = i + 1;
    if (Count(n) != 1 || !CatIs(n, 10) || Cls(n) >= 128) return false;
    return ((Feat(n) >> 2) & 3) == 2;
}

// The rules of "a". True when one applied.
bool RulesOfA(i32 i) {
    if (Count(i + 1) == 1 && Cls(i + 1) == 24) {
        SetCat(i, 18);
        SetCat(i + 1, 18);
        return true;
    }
    if (WrittenWithCapital(i)) return CapitalA(i);
    if ((Count(i - 1) == 1 && IsAny(i - 1, "jusqu'", "presqu'")) || VerbBeforeA(i, 12) || BeforeRelative(i) ||
        BeforeBarePlural(i)) {
        ReportA(i);
        return true;
    }
    return false;
}

// The rules of one-letter words. True when the word goes on to the
// function-word lookup and its own tests.
bool OneLetterWord(i32 i) {
    const bool fired = IsA(i) && RulesOfA(i);
    // A letter between two signs ("(a)", "b.") reads as an abbreviation;
    // a sign there (the ")" after a stop) stays a sign.
    const bool letter = IsLetterMacRoman(gWords.ClampedAt(i).WordText.ClampedAt(0)) != 0;
    if (!fired && letter && Has(i + 1) && CatIs(i - 1, 20) && CatIs(i + 1, 20)) {
        SetCat(i, 18);
        SetCls(i, 28);
    }
    return gWords.ClampedAt(i).WordText.ClampedAt(0) >= 'y';
}

// The function words chained by their first byte, built again whenever
// the list is another one.
constexpr u32 kChainedFunctionWords = 64;
struct FunctionWordChains {
    const BoundedString* data = nullptr;
    u32 count = 0;
    ByteChains<kChainedFunctionWords> chains;
};
FunctionWordChains gFunctionWordChains;

void ChainFunctionWords(const StringList& list) {
    FunctionWordChains& c = gFunctionWordChains;
    c.data = list.data;
    c.count = list.count;
    c.chains.Clear();
    for (u32 k = list.count; k-- > 0;) {
        const BoundedString& entry = list.data[k];
        // An entry without a first byte is never found by a word of one
        // byte or more.
        if (entry.valid != 0 && entry.count != 0) c.chains.Prepend(k, entry.data[0]);
    }
}

bool EntryIs(const BoundedString& entry, const BoundedString& text, i32 len) {
    return GetStringLength(entry) == len && std::memcmp(entry.data, text.data, static_cast<size_t>(len)) == 0;
}

// Entry n of the function words whose text the word's len bytes equal.
i32 FunctionWordIndex(const BoundedString& text, i32 len) {
    const StringList& list = gFrenchFunctionWords;
    if (len <= 0 || list.count > kChainedFunctionWords) {
        for (u32 k = 0; k < list.count; ++k)
            if (EntryIs(list.data[k], text, len)) return static_cast<i32>(k);
        return -1;
    }
    if (gFunctionWordChains.data != list.data || gFunctionWordChains.count != list.count) ChainFunctionWords(list);
    const ByteChains<kChainedFunctionWords>& chains = gFunctionWordChains.chains;
    for (u32 k = chains.First(text.data[0]); k < list.count; k = chains.After(k))
        if (EntryIs(list.data[k], text, len)) return static_cast<i32>(k);
    return -1;
}

// Lowers a word written with a capital first letter (every letter when the
// second is a capital too) and keeps its text as written. True when lowered.
bool Lower(WordRecord& w, i32 len) {
    u8* t = w.WordText.data;
    if (!Capital(t[0])) return false;
    CopyString(gSavedText, w.WordText);
    const bool all = len > 1 && Capital(t[1]);
    for (i32 k = 0; k < len; ++k) {
        if (Capital(t[k]) && (all || k == 0)) t[k] = static_cast<u8>(t[k] + 32);
    }
    return true;
}

// The function-word rule or the own tests of word i.
void TestWord(i32 i, u16 mode, bool& functionWordRule) {
    WordRecord& w = gWords.ClampedAt(i);
    const i32 len = GetStringLength(w.WordText);
    const bool lowered = Lower(w, len);
    const u16 loweredFlag = lowered && w.ReadingCount > 0 ? 1 : 0;
    const i32 n = FunctionWordIndex(w.WordText, len);
    if (n >= 0) {
        const u16 r = gFunctionWordRule(mode, n, i, loweredFlag);
        if (r == 1) functionWordRule = true;
        if (r > 1) gLocutionReport = static_cast<i16>(r);
    } else {
        RunWordTests(i, mode);
    }
    // The text as written comes back, with or without readings.
    if (lowered) CopyString(w.WordText, gSavedText);
}

// One word of the loop; false when a test ended the pass.
bool PassWord(i32 i, u16 mode, bool& functionWordRule) {
    const WordRecord& w = gWords.ClampedAt(i);
    const i32 len = GetStringLength(w.WordText);
    if (len > kLongestTestedWord) return true;
    // Longer words than any function word go straight to their own tests,
    // as written.
    if (len > kLongestFunctionWord) {
        RunWordTests(i, mode);
        return gDirectResult == 0;
    }
    if (len == 1 && !OneLetterWord(i)) return true;
    if (w.ReadingCount == 1 && w.ReadingCategories.ClampedAt(0) == 0 && w.ReadingClasses.ClampedAt(0) != 22) return true;
    TestWord(i, mode, functionWordRule);
    return gDirectResult == 0;
}

}  // namespace

u16 MarkFrenchLocutions(u16 mode) {
    if (gSavedText.data != gSavedBytes) gSavedText.View(gSavedBytes, kWordCapacity);
    gLocutionReport = 0;
    gDirectResult = 0;
    bool functionWordRule = false;
    for (i32 i = 1; i < static_cast<i32>(gWordCount); ++i) {
        if (!PassWord(i, mode, functionWordRule)) return static_cast<u16>(gDirectResult);
    }
    if (gLocutionReport < 512) gLocutionMatcher(mode);
    if (mode == 0) return functionWordRule ? 2 : 0;
    return static_cast<u16>(gLocutionReport < 0 ? 0 : gLocutionReport);
}
