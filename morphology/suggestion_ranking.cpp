// Ranking of a suggestion list for the host.
//
// The candidate generator marks each candidate with the cost of the step
// that found it, and those costs favour what the steps were made for (a
// deletion costs 1, an insertion 3, a shortened stem 2): by marks alone
// "familar" gives "family" before "familiar", "lready" "ready" before
// "already", "gouvernment" "gouvernent" before "gouvernement". So the list
// is ranked by how many letters the typed word must change to give the
// candidate, counted with weights for the usual slips, and the marks only
// decide between candidates equally close.
#include "morphology/suggestion_ranking.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "frame/bounded_string.h"
#include "frame/mac_roman_literal.h"
#include "frame/settings.h"
#include "morphology/spelling_variants.h"

namespace {

constexpr u32 kMaxList = 30;
constexpr u32 kSlot = 36;
constexpr u32 kMissing = 8;    // a letter the typed word lacks
constexpr u32 kExtra = 10;     // a letter too many in the typed word
constexpr u32 kReplaced = 10;  // a letter typed for another
constexpr u32 kNeighbourKey = 9;  // a letter typed for one beside it on the keyboard
constexpr u32 kSwapped = 8;    // two neighbouring letters swapped
constexpr u32 kSplit = 15;     // a blank or hyphen the typed word lacks
constexpr u32 kDoubling = 5;   // a double letter typed single, or the reverse
constexpr u32 kAccent = 1;     // the same letter with another accent or case
constexpr u32 kFirst = 5;      // the first letter differs
// A rewrite of how the word sounds counts as one slip at most.
constexpr u32 kSoundAlike = 5;

// Letters without accent or case: a Mac Roman byte to its plain lower-case
// letter (other bytes unchanged).
std::array<u8, 256> BuildPlainLetters() {
    std::array<u8, 256> t{};
    for (u32 c = 0; c < 256; ++c) t[c] = static_cast<u8>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    const char* accented = MR("àâäáãåçéèêëíìîïñóòôöõúùûüÿœÀÂÄÁÃÅÇÉÈÊËÍÌÎÏÑÓÒÔÖÕÚÙÛÜŸŒ");
    const char* plain = "aaaaaaceeeeiiiinooooouuuuyoaaaaaaceeeeiiiinooooouuuuyo";
    for (; *accented != 0 && *plain != 0; ++accented, ++plain) t[static_cast<u8>(*accented)] = static_cast<u8>(*plain);
    return t;
}

u8 Plain(u8 c) {
    static const std::array<u8, 256> kPlain = BuildPlainLetters();
    return kPlain[c];
}

// True when s[i] has an equal letter beside it: adding or dropping it is a
// doubling slip.
bool Doubled(const u8* s, i32 n, i32 i) {
    return (i > 0 && Plain(s[i - 1]) == Plain(s[i])) || (i + 1 < n && Plain(s[i + 1]) == Plain(s[i]));
}

// Keyboard neighbours: keys beside each other in a row, and the keys above
// and below (the rows are staggered: a key touches the one above it and the
// one above to the right, the one below and the one below to the left).
// QWERTY for English, AZERTY for French.
bool KeyboardNeighbours(bool french, u8 a, u8 b) {
    static const char* const kQwerty[3] = {"qwertyuiop", "asdfghjkl", "zxcvbnm"};
    static const char* const kAzerty[3] = {"azertyuiop", "qsdfghjklm", "wxcvbn"};
    const char* const* rows = french ? kAzerty : kQwerty;
    i32 ra = -1, ca = -1, rb = -1, cb = -1;
    for (i32 r = 0; r < 3; ++r) {
        for (i32 c = 0; rows[r][c] != 0; ++c) {
            if (static_cast<u8>(rows[r][c]) == a) ra = r, ca = c;
            if (static_cast<u8>(rows[r][c]) == b) rb = r, cb = c;
        }
    }
    if (ra < 0 || rb < 0) return false;
    if (ra == rb) return ca - cb == 1 || cb - ca == 1;
    if (rb == ra + 1) return cb == ca || cb == ca - 1;
    if (rb == ra - 1) return cb == ca || cb == ca + 1;
    return false;
}

// Typed a where b is meant.
u32 ReplaceCost(bool french, u8 a, u8 b) {
    if (a == b) return 0;
    if (Plain(a) == Plain(b)) return kAccent;
    return KeyboardNeighbours(french, a, b) ? kNeighbourKey : kReplaced;
}

u32 MissingCost(const u8* b, i32 m, i32 j) {
    if (b[j] == ' ' || b[j] == '-') return kSplit;
    return Doubled(b, m, j) ? kDoubling : kMissing;
}


}  // namespace

u32 SuggestionDistance(const BoundedString& typed, const BoundedString& candidate) {
    const i32 n = std::min<i32>(GetStringLength(typed), static_cast<i32>(kSlot) - 1);
    const i32 m = std::min<i32>(GetStringLength(candidate), static_cast<i32>(kSlot) - 1);
    const u8* a = typed.data;
    const u8* b = candidate.data;
    // d[i][j]: a's first i letters into b's first j letters.
    u32 d[kSlot][kSlot];
    d[0][0] = 0;
    for (i32 i = 1; i <= n; ++i) d[i][0] = d[i - 1][0] + (Doubled(a, n, i - 1) ? kDoubling : kExtra);
    const bool french = gCheckingLanguage != 0;
    for (i32 j = 1; j <= m; ++j) d[0][j] = d[0][j - 1] + MissingCost(b, m, j - 1);
    for (i32 i = 1; i <= n; ++i) {
        for (i32 j = 1; j <= m; ++j) {
            u32 best = d[i - 1][j - 1] + ReplaceCost(french, a[i - 1], b[j - 1]);
            best = std::min(best, d[i - 1][j] + (Doubled(a, n, i - 1) ? kDoubling : kExtra));
            best = std::min(best, d[i][j - 1] + MissingCost(b, m, j - 1));
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                best = std::min(best, d[i - 2][j - 2] + kSwapped);
            d[i][j] = best;
        }
    }
    // The first letter is seldom mistyped, but two letters swapped at the
    // start are just a swap.
    const bool swapped = n > 1 && m > 1 && a[0] == b[1] && a[1] == b[0];
    const bool firstDiffers = n > 0 && m > 0 && Plain(a[0]) != Plain(b[0]) && !swapped;
    return d[n][m] + (firstDiffers ? kFirst : 0);
}

void RankSuggestions(u16 mode, const BoundedString& typed, StringList& list, u16 n) {
    if (n > kMaxList) n = kMaxList;
    if (n > list.count) n = static_cast<u16>(list.count);
    u16 order[kMaxList];
    u8 marks[kMaxList];
    u32 cost[kMaxList];
    for (u16 i = 0; i < n; ++i) {
        order[i] = i;
        marks[i] = gSuggestionFlags[i];
        cost[i] = SuggestionDistance(typed, list[i]);
    }
    // The sound rewrites of the typed word (their marks land in
    // gSuggestionFlags, which is rewritten below).
    static StringList sounds;
    if (sounds.valid == 0) InitByteMatrix(sounds, 24, kSlot);
    Work36 word;
    word.Set(typed);
    u16 k = 0;
    AddSoundAlikes(mode, word.s, k, sounds);
    for (u16 i = 0; i < n; ++i)
        for (u16 s = 0; s < k && s < sounds.count; ++s)
            if (CompareStrings(list[i], sounds[s]) == kCompareEqual) cost[i] = std::min(cost[i], kSoundAlike);
    std::stable_sort(order, order + n, [&](u16 x, u16 y) {
        return cost[x] != cost[y] ? cost[x] < cost[y] : marks[x] < marks[y];
    });
    u8 texts[kMaxList][kSlot];
    for (u16 i = 0; i < n; ++i) {
        std::memset(texts[i], 0, kSlot);
        const BoundedString& e = list[order[i]];
        std::memcpy(texts[i], e.data, static_cast<size_t>(std::min<i32>(GetStringLength(e), kSlot - 1)));
    }
    for (u16 i = 0; i < n; ++i) {
        TextSet(list[i], texts[i], static_cast<i32>(std::strlen(reinterpret_cast<char*>(texts[i]))));
        gSuggestionFlags[i] = marks[order[i]];
    }
}
