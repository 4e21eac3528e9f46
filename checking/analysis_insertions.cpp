// Preparation of the sentence for the analysis-mode rule loop (see the
// header).
#include "checking/analysis_insertions.h"

#include "frame/records.h"
#include "frame/resources.h"
#include "frame/sentence_state.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "inflection/inflect.h"
#include "rules/rule_words.h"

namespace {

using rules::Cat;
using rules::Cls;
using rules::Feat;
using rules::Is;
using rules::Mark;
using rules::W;

constexpr i32 kMaxWords = 127;  // the last record stays free

struct InsertionStorage {
    BoundedArray<WordRecord> moved;  // an insertion on its way to the end
    BoundedString joined, single;
    StringList forms;
    InsertionStorage() {
        CreateWordRecordArray(moved, 128);
        joined.Allocate(500);
        single.Allocate(36);
        forms.Allocate(8);
        for (u32 k = 0; k < 8; ++k) forms[static_cast<i32>(k)].Allocate(36);
    }
};

InsertionStorage& Storage() {
    static InsertionStorage s;
    return s;
}

i32 Count() { return static_cast<i32>(gWordCount); }

// ---- Compounds --------------------------------------------------------------

bool Usable(i32 i) {
    const u8 c = Cls(i);
    if (Feat(i) == 0 && (c == 0 || c == 0x40)) return false;
    return c < 99;
}

// The texts of words [i, i + n) joined by "_"; `singular`: the last word
// (or every word) put in the singular first.
void JoinTexts(i32 i, i32 n, bool everyWord) {
    InsertionStorage& st = Storage();
    CopyCString(st.joined, "");
    for (i32 k = i; k < i + n; ++k) {
        if (k > i) AppendCString(st.joined, "_");
        u16 count = 0;
        if (everyWord || k == i + n - 1) InflectWord(4, W(k).WordText, count, st.forms);
        AppendString(st.joined, count > 0 ? st.forms[0] : W(k).WordText);
    }
}

// The length of the compound that starts at word i (0 when none): the run
// of usable words and its first two words, each with its last word in the
// singular, then every word in the singular.
i32 CompoundAt(i32 i, i32 run) {
    const i32 lengths[] = {run, 2};
    for (const i32 n : lengths) {
        for (const bool every : {false, true}) {
            JoinTexts(i, n, every);
            if ((QueryLexicalDatabase(&Storage().joined, 2) & 2) != 0) return n;
        }
        if (run == 2) break;
    }
    return 0;
}

void FuseCompound(i32 i, i32 n) {
    const i32 last = i + n - 1;
    u8 features = Feat(last);
    for (i32 r = 0; r < W(last).ReadingCount && r < static_cast<i32>(kReadingSlots); ++r) {
        const u8 c = Cls(last, r);
        if (c == '7' || c == '8' || c == '9') {
            features = Feat(last, r);
            break;
        }
    }
    for (i32 k = i; k <= last; ++k) {
        WordRecord& w = W(k);
        w.ReadingCategories[0] = 10;
        w.ReadingClasses[0] = '+';
        w.ReadingFeatures[0] = features;
        w.ReadingCount = 1;
        CopyString(w.BaseText, Storage().joined);
    }
}

// ---- Insertions -------------------------------------------------------------

// A finite verb among words [from, to] with a subject-like word from
// `subjectFrom` up to it. `wide`: a verb of several readings counts too when
// its first mark lies in 27..38 or its second reading's person bits are 1.
bool HoldsClause(i32 subjectFrom, i32 from, i32 to, bool wide) {
    i32 v = -1;
    for (i32 k = from; k <= to && v < 0; ++k) {
        if (!rules::VerbClass(k)) continue;
        const bool single = W(k).ReadingCount == 1;
        const bool several = wide && ((Mark(k) >= 27 && Mark(k) <= 38) || (Feat(k, 1) & 3) == 1);
        if (!single && !several) continue;
        if (gCheckingLanguage != 0 ? Feat(k) >= 6 : Feat(k) <= 3) v = k;
    }
    for (i32 k = subjectFrom; k <= v; ++k) {
        if (Cls(k) == 'A' || (Cls(k) >= 85 && Cls(k) <= 96)) return true;
    }
    return false;
}

void MakePseudoWord(WordRecord& w) {
    ClearWordRecord(w);
    CopyCString(w.WordText, "CSzero");
    w.ReadingCount = 1;
    w.ReadingClasses[0] = 17;
    w.ReadingCategories[0] = 17;
    w.ReadingFeatures[0] = 0;
}

// Words [o, o + n) go to the end of the sentence; the `dropped` words after
// them leave the table.
void MoveToEnd(i32 o, i32 n, i32 dropped) {
    InsertionStorage& st = Storage();
    for (i32 k = 0; k < n; ++k) CopyWordRecord(st.moved[k], W(o + k));
    for (i32 k = o + n + dropped; k < Count(); ++k) CopyWordRecord(W(k - n - dropped), W(k));
    const i32 start = Count() - n - dropped;
    for (i32 k = 0; k < n; ++k) CopyWordRecord(W(start + k), st.moved[k]);
    gWordCount = static_cast<u16>(start + n);
    ClearWordRecord(W(Count()));
}

// The opener becomes the pseudo-word; it and the insertion go to the end,
// the closer is dropped.
void MoveInsertionOut(i32 o, i32 c) {
    MakePseudoWord(W(o));
    MoveToEnd(o, c - o, 1);
}

void DeleteWords(i32 o, i32 c) {
    const i32 n = c - o + 1;
    for (i32 k = c + 1; k < Count(); ++k) CopyWordRecord(W(k - n), W(k));
    gWordCount = static_cast<u16>(Count() - n);
    ClearWordRecord(W(Count()));
}

bool VerbAfter(i32 o) {
    for (i32 k = o + 1; k < Count(); ++k) {
        if (rules::VerbClass(k)) return true;
    }
    return false;
}

void TakeOutBrackets() {
    for (i32 o = 0; o < Count() - 1; ++o) {
        if (Cat(o) != 20 || !(Is(o, "(") || Is(o, "[") || Is(o, "{"))) continue;
        for (i32 c = o + 1; c < Count(); ++c) {
            if (Cat(c) != 20 || !(Is(c, ")") || Is(c, "]") || Is(c, "}"))) continue;
            if (rules::Letter(c, 0) >= rules::Letter(o, 0) + 3) continue;
            if (HoldsClause(o, o + 1, c - 1, false)) MoveInsertionOut(o, c);
            else DeleteWords(o, c);
            return;
        }
        return;
    }
}

void TakeOutDashes() {
    for (i32 o = 0; o < Count() - 1; ++o) {
        if (Cat(o) != 27 || !(Is(o, "-") || Is(o, "_"))) continue;
        const bool underscore = Is(o, "_");
        for (i32 c = o + 1; c < Count(); ++c) {
            if (Cat(c) != 27 || !(underscore || Is(c, "-"))) continue;
            if (HoldsClause(o, o + 1, c - 1, false)) MoveInsertionOut(o, c);
            else DeleteWords(o, c);
            return;
        }
        if (VerbAfter(o)) W(o).ReadingCategories[0] = 21;
        return;
    }
}

bool QuoteWord(i32 k) { return Cat(k) == 20 && (Is(k, "\"") || Is(k, "'")); }

// Quote words: a clause between two of them goes to the end; a single
// quoted word is marked.
void TakeOutQuotes() {
    for (i32 o = 0; o < Count() - 1; ++o) {
        if (!QuoteWord(o)) continue;
        for (i32 c = o + 1; c < Count(); ++c) {
            if (!QuoteWord(c)) continue;
            if (HoldsClause(o, o + 1, c - 1, true)) MoveInsertionOut(o, c);
            else if (c - o <= 2) W(o + 1).QuoteFlags = 16;
            return;
        }
        return;
    }
}

void SemicolonsBeforeVerbs() {
    for (i32 k = 0; k < Count(); ++k) {
        if (Cat(k) == 27 && Is(k, ";") && VerbAfter(k)) W(k).ReadingCategories[0] = 21;
    }
}

// A quoted run [i, j] with a clause: "CSzero" is inserted before it (a
// colon before the run goes) and both go to the end. Returns where the
// moved words start, or -1 when the table has no room.
i32 MoveQuotedClause(i32 i, i32 j) {
    if (i > 0 && Is(i - 1, ":")) {
        DeleteWords(i - 1, i - 1);
        --i;
        --j;
    } else if (Count() + 1 > kMaxWords) {
        return -1;
    }
    for (i32 k = Count(); k > i; --k) CopyWordRecord(W(k), W(k - 1));
    ++gWordCount;
    MakePseudoWord(W(i));
    const i32 n = j - i + 2;
    MoveToEnd(i, n, 0);
    return Count() - n;
}

// A quoted run [i, j] without a clause becomes one word, its texts joined
// by "-"; false when the text would reach 36 characters (the sentence then
// ends before the run).
bool FuseQuotedRun(i32 i, i32 j) {
    WordRecord& w = W(i);
    for (i32 k = i + 1; k <= j; ++k) {
        if (rules::TextLength(i) + 1 + rules::TextLength(k) >= 36) {
            gWordCount = static_cast<u16>(i);
            return false;
        }
        AppendCString(w.WordText, "-");
        AppendString(w.WordText, W(k).WordText);
    }
    if (j > i) DeleteWords(i + 1, j);
    w.QuoteFlags = 16;
    return true;
}

void TakeOutQuotedRuns() {
    i32 limit = Count();  // moved runs are not scanned again
    for (i32 i = 0; i < limit; ++i) {
        const u16 q = W(i).QuoteFlags;
        if (q == 0 || (q & 1) == 0) continue;
        i32 j = i + 1;
        while (j < limit && (W(j).QuoteFlags == 0 || (W(j).QuoteFlags & 1) != 0)) ++j;
        if (j >= limit) return;
        if (HoldsClause(i + 1, i + 1, j, true)) {
            const i32 start = MoveQuotedClause(i, j);
            if (start < 0) continue;
            limit = start;
            --i;  // the word after the run now stands at i
            continue;
        }
        const i32 before = Count();
        if (!FuseQuotedRun(i, j)) return;
        limit -= before - Count();
    }
}

}  // namespace

void JoinEnglishCompounds() {
    for (i32 i = 0; i < Count(); ++i) {
        if (!Usable(i)) continue;
        i32 run = 1;
        while (i + run < Count() && Usable(i + run)) ++run;
        if (run < 2) continue;
        const i32 n = CompoundAt(i, run);
        if (n == 0) continue;
        FuseCompound(i, n);
        i += n - 1;
    }
}

void MarkSlotIndexes() {
    // The word's place before the insertions move: record copies keep the
    // destination's own value.
    for (i32 k = 0; k < Count(); ++k) W(k).SpanFlag = static_cast<u8>(k);
}

void MoveInsertions() {
    TakeOutBrackets();
    TakeOutDashes();
    TakeOutQuotes();
    SemicolonsBeforeVerbs();
    TakeOutQuotedRuns();
}
