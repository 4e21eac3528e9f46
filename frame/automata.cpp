// Token automata tables, the matching of one state and the runner.
#include "frame/automata.h"

#include <cstring>

#include "frame/bounded_string.h"
#include "frame/mac_roman.h"
#include "frame/settings.h"
#include "frame/tables.h"

namespace {

constexpr u8 kNone = 0;
constexpr u8 kSp = kExtraSpecial;

// The test of a state: class set n, or one literal character (0: none,
// only the extra tests decide).
constexpr AutomatonState::StateTest Set(u32 n) { return {1, n, 0}; }
constexpr AutomatonState::StateTest Lit(u16 c) { return {0, 26, c}; }

}  // namespace

// Columns: test, extra tests, mark, next on match, next on miss.
constinit AutomatonState gFrenchTokenAutomaton[30] = {
    {Set(0), kNone, 1, 1, 7},      {Set(9), kNone, 1, 0, 2},      {Set(8), kNone, 1, 0, 3},
    {Set(11), kNone, 0, 6, 4},     {Set(10), kNone, 0, 5, 6},     {Lit(0xC8), kNone, 1, 0, 0},
    {Set(3), kSp, 1, 1, 0},        {Set(1), kNone, 1, 8, 13},     {Lit('.'), kNone, 0, 12, 9},
    {Lit(','), kNone, 0, 12, 10},  {Lit(':'), kNone, 0, 12, 11},  {Set(4), kNone, 1, 12, 12},
    {Set(3), kSp, 1, 8, 0},        {Lit('.'), kNone, 1, 14, 17},  {Lit('.'), kNone, 0, 15, 16},
    {Lit('.'), kNone, 1, 0, 0},    {Set(1), kSp, 1, 8, 0},        {Set(5), kNone, 1, 16, 18},
    {Lit('-'), kNone, 1, 19, 20},  {Set(0), kSp, 1, 1, 16},       {Lit(0xD5), kNone, 1, 24, 21},
    {Lit(0xC7), kNone, 1, 22, 23}, {Set(10), kNone, 0, 24, 24},   {Set(7), kNone, 1, 24, 25},
    {Set(0), kSp, 1, 1, 0},        {Set(8), kNone, 1, 0, 26},     {Set(2), kNone, 1, 0, 27},
    {Set(6), kNone, 1, 28, 0},     {Set(11), kNone, 0, 29, 29},   {Set(3), kSp, 1, 28, 27},
};
const u16 gFrenchTokenAutomatonSize = 30;

constinit AutomatonState gOtherTokenAutomaton[30] = {
    {Set(12), kNone, 1, 1, 7},     {Set(9), kNone, 1, 6, 2},      {Set(8), kNone, 1, 0, 3},
    {Set(11), kNone, 0, 6, 4},     {Set(10), kNone, 0, 5, 6},     {Lit(0xC8), kNone, 1, 0, 0},
    {Set(13), kSp, 1, 1, 0},       {Set(1), kNone, 1, 8, 13},     {Lit('.'), kNone, 0, 12, 9},
    {Lit(','), kNone, 0, 12, 10},  {Lit(':'), kNone, 0, 12, 11},  {Set(4), kNone, 1, 12, 12},
    {Set(13), kSp, 1, 8, 0},       {Lit('.'), kNone, 1, 14, 17},  {Lit('.'), kNone, 0, 15, 16},
    {Lit('.'), kNone, 1, 0, 0},    {Set(1), kSp, 1, 8, 0},        {Set(5), kNone, 1, 16, 18},
    {Lit('-'), kNone, 1, 19, 20},  {Set(12), kSp, 1, 1, 16},      {Lit(0xD5), kNone, 1, 24, 21},
    {Lit(0xC7), kNone, 1, 22, 23}, {Set(10), kNone, 0, 24, 24},   {Set(7), kNone, 1, 24, 25},
    {Set(12), kSp, 1, 1, 0},       {Set(8), kNone, 1, 0, 26},     {Set(2), kNone, 1, 0, 27},
    {Set(14), kNone, 1, 28, 0},    {Set(11), kNone, 0, 29, 29},   {Set(13), kSp, 1, 28, 27},
};
const u16 gOtherTokenAutomatonSize = 30;

constinit AutomatonState gIndexWordAutomaton[3] = {
    {Set(25), kNone, 1, 1, 0},
    {Lit('-'), kNone, 0, 2, 2},
    {Set(25), kSp, 1, 1, 0},
};
const u16 gIndexWordAutomatonSize = 3;

constinit AutomatonState gPunctScanAutomaton[20] = {
    {Set(0), kNone, 1, 1, 3},
    {Lit('.'), kNone, 0, 2, 19},
    {Lit(0), kExtraSpecial | kExtraOther, 1, 1, 0},
    {Set(1), kNone, 1, 4, 9},
    {Lit('.'), kNone, 0, 8, 5},
    {Lit(','), kNone, 0, 8, 6},
    {Lit(':'), kNone, 0, 8, 7},
    {Set(4), kNone, 1, 8, 8},
    {Set(1), kSp, 1, 4, 0},
    {Lit('.'), kNone, 1, 10, 13},
    {Lit('.'), kNone, 0, 11, 12},
    {Lit('.'), kNone, 1, 0, 0},
    {Set(1), kSp, 1, 4, 0},
    {Set(5), kNone, 1, 12, 14},
    {Lit('-'), kNone, 1, 12, 15},
    {Lit(0), kExtraSign, 1, 0, 16},
    {Lit(0x0D), kNone, 1, 0, 17},
    {Lit(0), kExtraSpace, 1, 18, 19},
    {Lit(0), kExtraSpace, 1, 18, 0},
    {Lit(0), kExtraSpecial | kExtraOther, 1, 19, 0},
};
const u16 gPunctScanAutomatonSize = 20;

constinit AutomatonState gFrenchAnalysisAutomaton[23] = {
    {Set(0), kNone, 1, 1, 4},     {Set(9), kNone, 1, 0, 2},     {Set(11), kNone, 0, 3, 3},
    {Set(3), kSp, 1, 1, 0},       {Set(1), kNone, 1, 5, 10},    {Lit('.'), kNone, 0, 9, 6},
    {Lit(','), kNone, 0, 9, 7},   {Lit(':'), kNone, 0, 9, 8},   {Set(4), kNone, 1, 9, 9},
    {Set(3), kSp, 1, 5, 0},       {Lit('.'), kNone, 1, 11, 14}, {Lit('.'), kNone, 0, 12, 13},
    {Lit('.'), kNone, 1, 0, 0},   {Set(1), kSp, 1, 5, 0},       {Set(5), kNone, 1, 13, 15},
    {Lit('-'), kNone, 1, 16, 17}, {Set(0), kSp, 1, 1, 13},      {Set(7), kNone, 1, 0, 18},
    {Set(8), kNone, 1, 0, 19},    {Set(2), kNone, 1, 0, 20},    {Set(6), kNone, 1, 21, 0},
    {Set(11), kNone, 0, 22, 22},  {Set(3), kSp, 1, 21, 20},
};
const u16 gFrenchAnalysisAutomatonSize = 23;

constinit AutomatonState gOtherAnalysisAutomaton[23] = {
    {Set(12), kNone, 1, 1, 4},    {Set(9), kNone, 1, 3, 2},     {Set(11), kNone, 0, 3, 3},
    {Set(13), kSp, 1, 1, 0},      {Set(1), kNone, 1, 5, 10},    {Lit('.'), kNone, 0, 9, 6},
    {Lit(','), kNone, 0, 9, 7},   {Lit(':'), kNone, 0, 9, 8},   {Set(4), kNone, 1, 9, 9},
    {Set(13), kSp, 1, 5, 0},      {Lit('.'), kNone, 1, 11, 14}, {Lit('.'), kNone, 0, 12, 13},
    {Lit('.'), kNone, 1, 0, 0},   {Set(1), kSp, 1, 5, 0},       {Set(5), kNone, 1, 13, 15},
    {Lit('-'), kNone, 1, 16, 17}, {Set(12), kSp, 1, 1, 13},     {Set(7), kNone, 1, 0, 18},
    {Set(8), kNone, 1, 0, 19},    {Set(2), kNone, 1, 0, 20},    {Set(14), kNone, 1, 21, 0},
    {Set(11), kNone, 0, 22, 22},  {Set(13), kSp, 1, 21, 20},
};
const u16 gOtherAnalysisAutomatonSize = 23;

bool IsInvisibleInWord(u8 c) {
    if (c == kSoftHyphenByte && gMacRomanMode != 1) return true;
    return gSpecialChars.valid != 0 && gSpecialChars[c] == 1;
}

u16 FindPunctSignIndex(u8 c) {
    const i32 slot = LanguageTableSlot(gCheckingLanguage);
    if (slot < 0 || slot >= static_cast<i32>(gPunctSigns.count)) return 0xFFFF;
    const BoundedArray<PunctSignRule>& rules = gPunctSigns[slot];
    u32 n = gPunctSignCounts[slot];
    if (n > rules.count) n = rules.count;
    for (u32 i = 0; i < n; ++i) {
        if (rules.data[i].Sign == c) return static_cast<u16>(i);
    }
    return 0xFFFF;
}

u16 FindSpaceCharIndex(u8 c) {
    const i32 slot = LanguageTableSlot(gCheckingLanguage);
    if (slot < 0 || slot >= static_cast<i32>(gSpaceChars.count)) return 0xFFFF;
    const BoundedString& spaces = gSpaceChars[slot];
    u32 n = gSpaceCharCounts[slot];
    if (n > spaces.count) n = spaces.count;
    for (u32 i = 0; i < n; ++i) {
        if (spaces.data[i] == c) return static_cast<u16>(i);
    }
    return 0xFFFF;
}

void MarkSpaceChars(bool (&marks)[256]) {
    const i32 slot = LanguageTableSlot(gCheckingLanguage);
    if (slot < 0 || slot >= static_cast<i32>(gSpaceChars.count)) return;
    const BoundedString& spaces = gSpaceChars[slot];
    u32 n = gSpaceCharCounts[slot];
    if (n > spaces.count) n = spaces.count;
    for (u32 i = 0; i < n; ++i) marks[spaces.data[i]] = true;
}

namespace {

// The extra tests of a state, in order; 1 on the first that holds.
bool PassesExtraTests(u8 c, u8 extra) {
    if (extra == 0) return false;
    if ((extra & kExtraSpecial) != 0 && IsInvisibleInWord(c)) return true;
    const bool sign = (extra & (kExtraSign | kExtraOther)) != 0 && FindPunctSignIndex(c) != 0xFFFF;
    if ((extra & kExtraSign) != 0 && sign) return true;
    const bool space =
        (extra & (kExtraSpace | kExtraOther)) != 0 && FindSpaceCharIndex(c) != 0xFFFF;
    if ((extra & kExtraSpace) != 0 && space) return true;
    return (extra & kExtraOther) != 0 && c >= 0x20 && !sign && !space;
}

// The test of one state on c. Inline: the runner tests about five states a
// letter, and most of them have no extra test.
inline bool StateMatches(const AutomatonState& s, u8 c) {
    if (s.ExtraTests != 0 && PassesExtraTests(c, s.ExtraTests)) return true;
    if (s.UsesClassSet != 0) {
        const BoundedArray<u8>& set = s.StateClassSet;
        return (c <= set.last ? set.data[c] : set[c]) != 0;
    }
    return s.StateLiteral != 0 && s.StateLiteral == c;
}

}  // namespace

u16 MatchAutomatonState(u8 c, const AutomatonState* automaton, u16 stateCount, i32 state) {
    if (automaton == nullptr || stateCount == 0) return 0;
    if (state >= stateCount) state = stateCount - 1;
    if (state < 0) state = 0;
    return StateMatches(automaton[state], c) ? 1 : 0;
}

u16 WalkCharAutomaton(const AutomatonState* automaton, u16 stateCount, const BoundedString& text,
                      i32 start, i32 end, i32& first, i32& last) {
    first = -1;
    last = -1;
    if (automaton == nullptr || stateCount == 0 || text.valid == 0) return 0;
    if (end > static_cast<i32>(text.count)) end = static_cast<i32>(text.count);
    if (start < 0) start = 0;
    if (start >= end) return 0;

    const i32 lastState = stateCount - 1;
    i32 state = 0;
    i32 pos = start;
    i32 misses = 0;  // consecutive misses on one character: a guard against miss cycles
    while (pos < end) {
        const AutomatonState& s = automaton[state];
        if (StateMatches(s, text.data[pos])) {
            if (s.StateMark != 0) {
                last = pos;
                if (first < 0) first = pos;
            }
            if (s.NextOnMatch == 0) break;
            state = s.NextOnMatch < lastState ? s.NextOnMatch : lastState;
            ++pos;
            misses = 0;
        } else if (s.NextOnMiss != 0 && ++misses <= stateCount) {
            state = s.NextOnMiss < lastState ? s.NextOnMiss : lastState;
        } else if (first < 0) {
            // Nothing taken yet: this character cannot begin a token.
            ++pos;
            state = 0;
            misses = 0;
        } else {
            break;
        }
    }
    // A run that took no marked character has no token, whatever ended it.
    return first >= 0 ? 1 : 0;
}

namespace {

// A paragraph tokenizer turned into a table: for each state and byte, the
// state whose test the byte passes at the end of the miss chain (+1; 0 when
// the chain runs out), so that the runner reads one entry a character
// instead of testing about five states. Every character starts its chain
// with no miss counted, so the entry depends on the state and the byte
// alone. The only extra test of these automata is the invisible-character
// one, which reads the host's special characters and the encoding mode:
// the table records the ones it was made with and is made again when they
// change.
constexpr u32 kTableStates = 30;
struct AutomatonTable {
    const AutomatonState* automaton = nullptr;
    u16 macRoman = 0;
    u8 special[256] = {};
    u8 matchAt[kTableStates][256] = {};
    u8 next[kTableStates] = {};  // next on match, clamped
    u8 ends[kTableStates] = {};  // a match here ends the token
    u8 mark[kTableStates] = {};
};
AutomatonTable gTokenTables[2];

u8 ChainEnd(const AutomatonState* automaton, u16 stateCount, i32 state, u8 c) {
    const i32 lastState = stateCount - 1;
    i32 misses = 0;
    for (;;) {
        const AutomatonState& s = automaton[state];
        if (StateMatches(s, c)) return static_cast<u8>(state + 1);
        if (s.NextOnMiss == 0 || ++misses > stateCount) return 0;
        state = s.NextOnMiss < lastState ? s.NextOnMiss : lastState;
    }
}

bool SpecialCharsAre(const u8* kept) {
    if (gSpecialChars.valid == 0 || gSpecialChars.count < 256) {
        for (u32 c = 0; c < 256; ++c)
            if (kept[c] != 0) return false;
        return true;
    }
    return std::memcmp(kept, gSpecialChars.data, 256) == 0;
}

void KeepSpecialChars(u8* kept) {
    if (gSpecialChars.valid == 0 || gSpecialChars.count < 256)
        std::memset(kept, 0, 256);
    else
        std::memcpy(kept, gSpecialChars.data, 256);
}

// The table of a paragraph tokenizer, made or made again as needed; null
// for any other automaton.
const AutomatonTable* TokenTable(const AutomatonState* automaton, u16 stateCount) {
    const u32 slot = automaton == gFrenchTokenAutomaton ? 0 : automaton == gOtherTokenAutomaton ? 1 : 2;
    if (slot > 1 || stateCount == 0 || stateCount > kTableStates) return nullptr;
    AutomatonTable& t = gTokenTables[slot];
    if (t.automaton == automaton && t.macRoman == gMacRomanMode && SpecialCharsAre(t.special)) return &t;
    for (u32 i = 0; i < stateCount; ++i)
        if ((automaton[i].ExtraTests & ~kExtraSpecial) != 0) return nullptr;
    const u32 lastState = stateCount - 1u;
    for (u32 i = 0; i < stateCount; ++i) {
        for (u32 c = 0; c < 256; ++c)
            t.matchAt[i][c] = ChainEnd(automaton, stateCount, static_cast<i32>(i), static_cast<u8>(c));
        const u32 onMatch = automaton[i].NextOnMatch;
        t.next[i] = static_cast<u8>(onMatch < lastState ? onMatch : lastState);
        t.ends[i] = onMatch == 0 ? 1 : 0;
        t.mark[i] = automaton[i].StateMark != 0 ? 1 : 0;
    }
    t.macRoman = gMacRomanMode;
    KeepSpecialChars(t.special);
    t.automaton = automaton;
    return &t;
}

}  // namespace

u16 RunCharAutomaton(const AutomatonState* automaton, u16 stateCount, const BoundedString& text,
                     i32 start, i32 end, i32& first, i32& last) {
    const AutomatonTable* t = TokenTable(automaton, stateCount);
    if (t == nullptr) return WalkCharAutomaton(automaton, stateCount, text, start, end, first, last);
    first = -1;
    last = -1;
    if (text.valid == 0) return 0;
    if (end > static_cast<i32>(text.count)) end = static_cast<i32>(text.count);
    if (start < 0) start = 0;
    u32 state = 0;
    for (i32 pos = start; pos < end;) {
        const u32 at = t->matchAt[state][text.data[pos]];
        if (at == 0) {
            if (first >= 0) break;
            // Nothing taken yet: this character cannot begin a token.
            ++pos;
            state = 0;
            continue;
        }
        const u32 matched = at - 1;
        if (t->mark[matched] != 0) {
            last = pos;
            if (first < 0) first = pos;
        }
        if (t->ends[matched] != 0) break;
        state = t->next[matched];
        ++pos;
    }
    return first >= 0 ? 1 : 0;
}

u16 RunCharAutomatonOnString(const AutomatonState* automaton, u16 stateCount,
                             const BoundedString& text, i32 start, i32& first, i32& last) {
    return RunCharAutomaton(automaton, stateCount, text, start, GetStringLength(text), first,
                            last);
}
