// The clause counts of the noun-phrase number walk. The walk asks for them
// at every word, and between two asks it edits only a few records; so each
// word's share of the counts is kept in the walk's tally and only the shares
// of the edited words are taken anew. A word's share reads its own reading 0
// (and its second feature byte), the class of the word before it and the
// class of the word after it, so an edit of word j can change the share of
// j, and those of j - 1 and j + 1 only when the class of j changed.
#include <cstdio>

#include "rules/english/english_noun_phrase.h"
#include "rules/rule_words.h"

using namespace rules;

namespace english::np {

u64 gEditedWords[2] = {0, 0};

void KeepOne(i32 i) {
    W(i);
    rules::KeepOne(i);
}

void SetReading0(i32 i, u8 category, u8 cls) {
    W(i);
    rules::SetReading0(i, category, cls);
}

namespace {

// The bits of a word's share; field b of the totals counts the words with
// bit b.
constexpr u8 kVerb = 1;     // a conjugated verb reading 0
constexpr u8 kOneVerb = 2;  // the same with a single reading
constexpr u8 kPair = 4;     // a verb-or-adjective word after a noun
constexpr u8 kOpener = 8;   // a clause opener
constexpr u8 kAmbiguous = 16;  // more than one reading
constexpr i32 kFieldBits = 12;  // a field holds up to 4095 words (see Spread)
constexpr i32 kTallyWords = 128;

bool Last(i32 k, i32 n) { return k >= n - 1; }

u8 Share(i32 k, i32 n) {
    const u8 cat = Cat(k);
    u8 bits = 0;
    if (cat == 14) {
        if (Mark(k) == 165 || Mark(k) == '&' || Cls(k) > 127) bits |= Readings(k) == 1 ? kVerb | kOneVerb : kVerb;
        if (Feat(k) == 3 && Feat(k, 1) == 12 && Cls(k - 1) == 'A') bits |= kPair;
    }
    if (cat == 5 || (cat == 17 && !Last(k, n) && Cls(k + 1) != ' ')) bits |= kOpener;
    if (Readings(k) > 1) bits |= kAmbiguous;
    return bits;
}

// A share spread over the fields of the totals: bit b (at 1 << b) moves to
// the foot of field b (1 << 12b).
u64 Spread(u8 bits) {
    const u64 b = bits;
    return (b & 1) | ((b & 2) << 11) | ((b & 4) << 22) | ((b & 8) << 33) | ((b & 16) << 44);
}

i16 Total(const ClauseTally& t, i32 bit) {
    return static_cast<i16>((t.totals >> (bit * kFieldBits)) & ((u64{1} << kFieldBits) - 1));
}

void Retake(ClauseTally& t, i32 k, i32 n) {
    const u8 now = Share(k, n);
    if (now == t.word[k]) return;
    // No field goes below zero: the word's old share is in the totals.
    t.totals = t.totals + Spread(now) - Spread(t.word[k]);
    t.word[k] = now;
}

// Brings the tally up to date: whole at the first ask of a walk, else
// around each edited word.
void Refresh(ClauseTally& t, i32 n) {
    if (!t.filled || t.count != n) {
        t.totals = 0;
        for (i32 k = 0; k < n; ++k) {
            t.cls[k] = Cls(k);
            t.word[k] = Share(k, n);
            t.totals += Spread(t.word[k]);
        }
        t.filled = true;
        t.count = n;
    } else {
        // Each edited word; its neighbours too when its class changed.
        for (i32 half = 0; half < 2; ++half) {
            for (u64 bits = gEditedWords[half]; bits != 0; bits &= bits - 1) {
                const i32 j = half * 64 + __builtin_ctzll(bits);
                if (j >= n) break;
                Retake(t, j, n);
                const u8 cls = Cls(j);
                if (cls == t.cls[j]) continue;
                t.cls[j] = cls;
                if (j > 0) Retake(t, j - 1, n);
                if (j + 1 < n) Retake(t, j + 1, n);
            }
        }
    }
    gEditedWords[0] = 0;
    gEditedWords[1] = 0;
}

// Adds a word's share to the counts asked for.
void AddShare(u8 bits, u8 verbBit, bool pairs, i16& verbs, i16& clauses) {
    verbs = static_cast<i16>(verbs + ((bits & verbBit) != 0) + (pairs && (bits & kPair) != 0));
    clauses = static_cast<i16>(clauses + ((bits & kOpener) != 0));
}

// The counts read from the records, word by word.
void CountWhole(i32 from, bool oneReading, bool pairs, i16& verbs, i16& clauses) {
    const i32 n = Count();
    verbs = 0;
    clauses = 0;
    for (i32 k = from; k < n; ++k) AddShare(Share(k, n), oneReading ? kOneVerb : kVerb, pairs, verbs, clauses);
}

i16 WholeAmbiguous(i32 n) {
    i16 ambiguous = 0;
    for (i32 k = 0; k < n; ++k) ambiguous = static_cast<i16>(ambiguous + (Readings(k) > 1));
    return ambiguous;
}

}  // namespace

void CountClauses(ClauseTally& t, i32 from, bool oneReading, bool pairs, i16& verbs, i16& clauses) {
    const i32 n = Count();
    if (n > kTallyWords || from < 0) {
        CountWhole(from, oneReading, pairs, verbs, clauses);
        return;
    }
    Refresh(t, n);
    const u8 verbBit = oneReading ? kOneVerb : kVerb;
    i16 v = 0;
    i16 c = 0;
    if (from == 0) {
        v = static_cast<i16>(Total(t, oneReading ? 1 : 0) + (pairs ? Total(t, 2) : 0));
        c = Total(t, 3);
    } else {
        for (i32 k = from; k < n; ++k) AddShare(t.word[k], verbBit, pairs, v, c);
    }
#ifndef NDEBUG
    // Debug builds: the tally against a whole count; a difference means an
    // edit of the walk went past W, KeepOne or SetReading0 unnoted.
    i16 wholeVerbs = 0;
    i16 wholeClauses = 0;
    CountWhole(from, oneReading, pairs, wholeVerbs, wholeClauses);
    if (wholeVerbs != v || wholeClauses != c) {
        std::fprintf(stderr, "clause tally: from %d verbs %d (whole %d) clauses %d (whole %d)\n", from, v, wholeVerbs,
                     c, wholeClauses);
        __builtin_trap();
    }
#endif
    verbs = v;
    clauses = c;
}

i16 AmbiguousWords(ClauseTally& t) {
    const i32 n = Count();
    if (n > kTallyWords) return WholeAmbiguous(n);
    Refresh(t, n);
#ifndef NDEBUG
    const i16 whole = WholeAmbiguous(n);
    if (whole != Total(t, 4)) {
        std::fprintf(stderr, "clause tally: ambiguous words %d (whole %d)\n", Total(t, 4), whole);
        __builtin_trap();
    }
#endif
    return Total(t, 4);
}

}  // namespace english::np
