// Accent restoration by variant expansion.
#include "morphology/accent_variants.h"

#include <cstring>

#include "frame/bounded_string.h"
#include "frame/mac_roman.h"
#include "frame/mac_roman_literal.h"
#include "morphology/compound_words.h"
#include "morphology/dict_format.h"
#include "morphology/suggestion_checks.h"
#include "morphology/word_lookup.h"

namespace {

constexpr u32 kMaxCandidates = 999;
constexpr i32 kFirstExpansionLimit = 16;   // words shorter than this
constexpr i32 kSecondExpansionLimit = 12;
constexpr i32 kRareAccentLimit = 2;        // more than this prunes a candidate
constexpr u32 kResultSlot = 15;

const char* VariantsOfCapital(u8 capital) {
    switch (capital) {
        case 'A': return MR("aâ");
        case 'C': return MR("cç");
        case 'E': return MR("eéèêë");
        case 'I': return MR("iîï");
        case 'O': return MR("oôö");
        case 'U': return MR("uûü");
        default: return nullptr;
    }
}

bool IsRareAccent(u8 c, bool firstExpansion) {
    if (firstExpansion) return c == MRC("ê") || c == MRC("ë");
    static const u8 kRare[] = {MRC("â"), MRC("ä"), MRC("ê"), MRC("ë"), MRC("î"), MRC("ï"),
                               MRC("ô"), MRC("ö"), MRC("û"), MRC("ü"), MRC("ç")};
    for (u8 r : kRare)
        if (r == c) return true;
    return false;
}

// The variant set of letter c at position i of a word of n letters.
const char* VariantsAt(u8 c, i32 i, i32 n, bool firstExpansion) {
    if (c == 'e') return firstExpansion && i < n - 1 ? MR("eéèê") : MR("eéèêë");
    if (firstExpansion) return nullptr;
    switch (c) {
        case 'a': return MR("aâ");
        case 'c': return MR("cç");
        case 'i': return MR("iîï");
        case 'o': return MR("oôö");
        case 'u': return MR("uûü");
        default: return nullptr;
    }
}

// Looks a candidate up as the driver would; the number of analyses.
u16 LookupVariant(u16 mode, BoundedString& candidate, bool hyphen) {
    u16 count = 0;
    Work36 copy;
    copy.Set(candidate);
    if (hyphen) AnalyseCompoundWord(mode, copy.s, gWordTagCodes, count);
    else LookupWordForm(mode, copy.s, gWordTagCodes, count);
    return count;
}

void Found(const BoundedString& spelling, StringList& slots) {
    if (slots.count > kResultSlot) TextSet(slots[kResultSlot], spelling);
}

// Builds the candidates of one expansion into gFormWorkStrings; their
// number, 0 when the expansion would exceed kMaxCandidates.
u32 Expand(const BoundedString& word, bool firstExpansion) {
    StringList& c = gFormWorkStrings;
    const i32 n = GetStringLength(word);
    if (c.count == 0 || static_cast<u32>(n) + 1 > c[0].count) return 0;
    const u32 room = c.count < kMaxCandidates ? c.count : kMaxCandidates;
    for (u32 k = 0; k < room; ++k) c[k].data[0] = 0;
    TextSet(c[0], word);
    u32 total = 1;
    for (i32 i = 0; i < n; ++i) {
        const char* set = VariantsAt(word.data[i], i, n, firstExpansion);
        if (set != nullptr) {
            const u32 v = static_cast<u32>(std::strlen(set));
            if (v * total > room) return 0;
            for (u32 k = 1; k < v; ++k)
                for (u32 j = 0; j < total; ++j) {
                    BoundedString& to = c[k * total + j];
                    TextSet(to, c[j]);
                    to.data[i] = static_cast<u8>(set[k]);
                }
            total *= v;
        }
        // Candidates with too many rare accents so far go.
        u32 kept = 0;
        for (u32 j = 0; j < total; ++j) {
            i32 rare = 0;
            for (i32 p = 0; p <= i; ++p) rare += IsRareAccent(c[j].data[p], firstExpansion) ? 1 : 0;
            if (rare > kRareAccentLimit) continue;
            if (kept != j) TextSet(c[kept], c[j]);
            ++kept;
        }
        total = kept;
    }
    return total;
}

u16 LookupCandidates(u16 mode, u32 total, bool hyphen, StringList& slots) {
    for (u32 j = 0; j < total; ++j) {
        BoundedString& candidate = gFormWorkStrings[j];
        const u16 n = LookupVariant(mode, candidate, hyphen);
        if (n > 0) {
            Found(candidate, slots);
            return n;
        }
    }
    return 0;
}

}  // namespace

i16 RestoreAccentsByVariants(u16 mode, BoundedString& word, u16& count, StringList& slots) {
    count = 0;
    const bool hyphen = TextContains(word, kMarkHyphen);
    const i32 n = GetStringLength(word);
    if (n == 0) return 0;
    if (gCaseMode == 1 || gCaseMode == 5) {
        Work36 w;
        w.Set(word);
        const u8 capital = UpperAscii(w.bytes[0]);
        const char* set = VariantsOfCapital(capital);
        const char single[2] = {static_cast<char>(LowerAscii(capital)), 0};
        for (const char* v = set != nullptr ? set : single; *v != 0; ++v) {
            w.bytes[0] = static_cast<u8>(*v);
            count = LookupVariant(mode, w.s, hyphen);
            if (count > 0) {
                Found(w.s, slots);
                return static_cast<i16>(count);
            }
        }
        return 0;
    }
    if (n < kFirstExpansionLimit) {
        count = LookupCandidates(mode, Expand(word, true), hyphen, slots);
        if (count > 0) return static_cast<i16>(count);
    }
    if (n > 11 || n >= kSecondExpansionLimit) return 0;
    count = LookupCandidates(mode, Expand(word, false), hyphen, slots);
    return static_cast<i16>(count);
}
