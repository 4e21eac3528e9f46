// The homophone pass, last stage of the locution matcher: each word, lower
// cased at its first letter and stripped of a plural "s", is looked up among
// the homophone groups of the French tagged word list; the rule of its
// entry (homophone_rules.cpp) may name the right member, and the first word
// so named is reported as 768 + i (rule 32, the suggestion built from
// gErrorExtent and gHomophoneAgreement).
#include <cstring>

#include "frame/bounded_string.h"
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/report.h"
#include "frame/tables.h"
#include "frame/tagged_words.h"
#include "rules/french/french_locutions.h"
#include "rules/french/homophone_rules.h"
#include "rules/french/locution_rows.h"
#include "rules/french/matcher_loops.h"

namespace {

using homophone::Exit;
using homophone::Site;
using namespace locution;

// The work copy of a word: the table's words are short, and a longer word
// is simply not found.
constexpr i32 kWorkBytes = 36;

struct Work {
    u8 text[kWorkBytes];
    i32 length;
};

bool WorkIs(const Work& w, const char* literal) {
    const i32 n = static_cast<i32>(std::strlen(literal));
    return n == w.length && std::memcmp(w.text, literal, static_cast<size_t>(n)) == 0;
}

// A plural noun or adjective, or a verb in slot 1, 3 or 5: its "s" is the
// ending, not part of the homophone.
bool PluralReading(i32 i) {
    const u8 c = Cls(i), f = Feat(i);
    if (c >= 'A' && c <= 'P' && Mark(i) > 32 && f % 16 > 7) return true;
    return c >= 128 && f % 2 == 1 && f < 6;
}

// The homophone entries by the first byte of their word, in list order,
// built again whenever the list is another: a word is compared only with
// the entries of its own first letter.
struct FirstLetterIndex {
    const BoundedString* data = nullptr;
    u32 count = 0;
    u8 start[257];
    u8 entries[homophone::kHomophoneEntries];
    // Per place of `entries`: the entry's length digit, or kNoLength for
    // an entry without text (never equal to a word).
    i16 lengths[homophone::kHomophoneEntries];
};
constexpr i16 kNoLength = -1;

i16 LengthDigit(const BoundedString& entry) {
    return entry.valid != 0 && entry.count != 0 ? static_cast<i16>(entry.data[0] - '0') : kNoLength;
}
FirstLetterIndex gIndex;

u8 FirstByte(const BoundedString& entry) { return GetStringLength(entry) > 3 ? entry[3] : 0; }

void IndexEntries(const StringList& list) {
    const i32 n = static_cast<i32>(list.count) < homophone::kHomophoneEntries ? static_cast<i32>(list.count)
                                                                              : homophone::kHomophoneEntries;
    u8 counts[256] = {};
    for (i32 e = 0; e < n; ++e) ++counts[FirstByte(list[e])];
    gIndex.start[0] = 0;
    for (i32 b = 0; b < 256; ++b) gIndex.start[b + 1] = static_cast<u8>(gIndex.start[b] + counts[b]);
    u8 next[256];
    for (i32 b = 0; b < 256; ++b) next[b] = gIndex.start[b];
    for (i32 e = 0; e < n; ++e) {
        const u8 k = next[FirstByte(list[e])]++;
        gIndex.entries[k] = static_cast<u8>(e);
        gIndex.lengths[k] = LengthDigit(list[e]);
    }
    gIndex.data = list.data;
    gIndex.count = list.count;
}

// The first homophone entry whose word is the text; the table's size when
// none is.
i32 FindHomophone(const StringList& list, const u8* text, i32 length) {
    if (gIndex.data != list.data || gIndex.count != list.count) IndexEntries(list);
    const u8 b = text[0];
    for (i32 k = gIndex.start[b]; k < gIndex.start[b + 1]; ++k) {
        // The entry's length digit refuses most entries of the letter before
        // their text is measured.
        if (gIndex.lengths[k] != length) continue;
        const i32 e = gIndex.entries[k];
        if (TaggedWordEquals(list[e], text, length) != 0) return e;
    }
    return homophone::kHomophoneEntries;
}

// Normalises word i into w and finds its entry (kHomophoneEntries when none).
Site LookUp(i32 i, Work& w) {
    Site s;
    s.i = i;
    const BoundedString& t = gWords.ClampedAt(i).WordText;
    w.length = GetStringLength(t);
    if (w.length <= 0 || w.length > kWorkBytes) {
        s.entry = homophone::kHomophoneEntries;
        return s;
    }
    for (i32 b = 0; b < w.length; ++b) w.text[b] = t.ClampedAt(b);
    if (w.text[0] < '[') w.text[0] = static_cast<u8>(w.text[0] + 32);
    if (w.text[w.length - 1] == 's' && PluralReading(i)) {
        --w.length;
        s.plural = true;
    }
    s.feminine = true;
    if (WorkIs(w, "sure")) s.entry = 32;
    else if (WorkIs(w, MR("sensée"))) s.entry = 74;
    else if (WorkIs(w, MR("censée"))) s.entry = 75;
    else {
        s.feminine = false;
        s.entry = FindHomophone(gFrenchTaggedWords, w.text, w.length);
    }
    return s;
}

// The report tail, from the test the exit enters at (1 to 4).
void ReportTail(const Site& s, i32 from) {
    const i16 extent = static_cast<i16>(gErrorExtent);
    if (from <= 1 && extent <= -1) return;
    if (from <= 2 && s.entry >= homophone::kHomophoneEntries) return;
    if (from <= 3 && gLocutionReport >= 255 && extent != 17) return;
    const u8 c = Cls(s.i);
    if (Cat(s.i) == 0 || c == 26 || c == '*' || c == ',') return;
    gLocutionReport = static_cast<i16>(768 + s.i);
}

void Leave(Exit x, const Site& s) {
    switch (x) {
        case Exit::kA:
            if (s.feminine) gHomophoneAgreement = 2;
            [[fallthrough]];
        case Exit::kB:
            if (s.plural) gHomophoneAgreement = static_cast<u16>(gHomophoneAgreement + 1);
            ReportTail(s, 1);
            return;
        case Exit::kC: ReportTail(s, 2); return;
        case Exit::kD: ReportTail(s, 3); return;
        case Exit::kE:
            gLocutionReport = 0;
            ReportTail(s, 4);
            return;
        case Exit::kNext: return;
    }
}

}  // namespace

// Only a rule's exit for the current word reports: after the last word (or
// in mode 0) the pass ends without a report, so an entry or extent left by
// earlier work never becomes a homophone report on a word past the sentence.
void CheckFrenchHomophones(u16 mode) {
    gHomophoneAgreement = 0;
    if (mode != 1) return;
    Work w{};
    const i32 n = static_cast<i32>(gWordCount);
    for (i32 i = 0; i < n; ++i) {
        Site s = LookUp(i, w);
        if (s.entry >= homophone::kHomophoneEntries) continue;
        const Exit x = homophone::RunHomophoneRule(s);
        if (x == Exit::kNext) continue;
        Leave(x, s);
        return;
    }
}
