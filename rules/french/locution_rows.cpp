#include "rules/french/locution_rows.h"

#include <cstring>

#include "frame/records.h"
#include "frame/tables.h"
#include "rules/french/byte_chains.h"
#include "rules/french/french_locutions.h"
#include "rules/french/locution_text.h"

namespace locution {

i16 gDirectResult = 0;

namespace {

WordRecord& Word(i32 k) { return gWords.ClampedAt(k); }

}  // namespace

bool Is(i32 k, const char* literal) { return Has(k) && LocutionTextIs(Word(k).WordText, literal); }
bool Begins(i32 k, const char* literal) { return Has(k) && LocutionTextBegins(Word(k).WordText, literal); }
bool SameText(i32 a, i32 b) {
    return Has(a) && Has(b) && CompareStrings(Word(a).WordText, Word(b).WordText) == kCompareEqual;
}
bool VowelStart(i32 k) {
    if (!Has(k)) return false;
    const u8 c = Word(k).WordText.ClampedAt(0);
    return c == 'a' || c == 'e' || c == 'h' || c == 'i' || c == 'o' || c == 'u' || c == 'y' || c > 'z';
}

void SetCat(i32 k, u8 c) {
    if (Has(k)) Word(k).ReadingCategories.ClampedAt(0) = c;
}
void SetCls(i32 k, u8 c) {
    if (Has(k)) Word(k).ReadingClasses.ClampedAt(0) = c;
}
void SetFeat(i32 k, u8 f) {
    if (Has(k)) Word(k).ReadingFeatures.ClampedAt(0) = f;
}
void SetMark(i32 k, u8 m) {
    if (Has(k)) Word(k).ReadingMarks.ClampedAt(0) = m;
}
void Set(i32 k, u8 cat, u8 cls) {
    SetCat(k, cat);
    SetCls(k, cls);
}
void Set(i32 k, u8 cat, u8 cls, u8 feat) {
    Set(k, cat, cls);
    SetFeat(k, feat);
}
void Set(i32 k, u8 cat, u8 cls, u8 feat, u8 mark) {
    Set(k, cat, cls, feat);
    SetMark(k, mark);
}
void KeepOne(i32 k) {
    if (Has(k)) Word(k).ReadingCount = 1;
}
// A slot that never held a reading (reference 0) leaves the lemma alone:
// copying it would leave the word without a base form.
void LemmaFrom(i32 k, i32 slot) {
    if (!Has(k)) return;
    const u32 ref = Word(k).ReadingLemmaRefs.ClampedAt(slot);
    if (ref != 0) Word(k).ReadingLemmaRefs.ClampedAt(0) = ref;
}
void SecondLemma(i32 k) { LemmaFrom(k, 1); }
void ThirdLemma(i32 k) { LemmaFrom(k, 2); }
void Adverbial(i32 from, i32 to) {
    for (i32 k = from; k <= to; ++k) Set(k, 18, 26);
}
void Prepositional(i32 from, i32 to) {
    for (i32 k = from; k <= to; ++k) Set(k, 15, 44);
}
void Conjunctive(i32 from, i32 to) {
    for (i32 k = from; k <= to; ++k) Set(k, 17, 42);
}
void KeepOne(i32 from, i32 to) {
    for (i32 k = from; k <= to; ++k) KeepOne(k);
}
void NounReading(i32 k) { Set(k, 10, 65, 20); }
void PrepositionReading(i32 k) {
    Set(k, 15, 34, 0);
    SecondLemma(k);
    KeepOne(k);
}
void Report(i32 value) { gLocutionReport = static_cast<i16>(value); }
void ReturnAtOnce(i32 value) { gDirectResult = static_cast<i16>(value); }

WordTestTable TestsOfLength(i32 length) {
    if (length >= 1 && length <= 3) return ShortWordTests(length);
    if (length >= 4 && length <= 8) return LongWordTests(length);
    return {nullptr, 0};
}

namespace {

bool RowWordHolds(const WordTest& row, i32 i) {
    return row.match == Match::kWhole ? Is(i, row.word) : Begins(i, row.word);
}

bool IsHyphenByte(u8 c) { return c == '-' || c == kLocutionHyphen; }

// A row whose word cannot be the text that starts with `first`: the
// cheap refusal before the whole comparison (a hyphen matches either
// hyphen byte).
bool FirstByteRefuses(const WordTest& row, u8 first) {
    const u8 c = static_cast<u8>(row.word[0]);
    return c != first && c != 0 && !(IsHyphenByte(c) && IsHyphenByte(first));
}

// The rows of one table chained by their word's first byte (both hyphen
// bytes under '-'), with their words' lengths. A table with an empty word
// or more rows than the chains hold is run row by row.
constexpr u32 kChainedRows = 256;
constexpr u32 kLongestTable = 8;

struct RowChains {
    const WordTest* rows = nullptr;
    u32 count = 0;
    bool usable = false;
    ByteChains<kChainedRows> chains;
    u8 wordLength[kChainedRows];
};
RowChains gRowChains[kLongestTable + 1];

u8 ChainKey(u8 c) { return IsHyphenByte(c) ? '-' : c; }

void ChainRows(RowChains& c, const WordTestTable& table) {
    c.rows = table.rows;
    c.count = table.count;
    c.usable = table.count <= kChainedRows;
    c.chains.Clear();
    for (u32 r = table.count; c.usable && r-- > 0;) {
        const size_t n = std::strlen(table.rows[r].word);
        if (n == 0 || n > 255) c.usable = false;
        c.wordLength[r] = static_cast<u8>(n);
        c.chains.Prepend(r, ChainKey(static_cast<u8>(table.rows[r].word[0])));
    }
}

const RowChains* ChainsOf(i32 length, const WordTestTable& table) {
    if (length < 1 || length > static_cast<i32>(kLongestTable) || table.count == 0) return nullptr;
    RowChains& c = gRowChains[length];
    if (c.rows != table.rows || c.count != table.count) ChainRows(c, table);
    return c.usable ? &c : nullptr;
}

// The rows of the table from row `start` on, each tried in turn.
void RunRowsFrom(const WordTestTable& table, u32 start, i32 i, u16 mode, u8 first) {
    const char* from = nullptr;  // the row to go on from after a firing row
    for (u32 r = start; r < table.count; ++r) {
        const WordTest& row = table.rows[r];
        if (from != nullptr) {
            if (std::strcmp(row.id, from) != 0) continue;
            from = nullptr;
        }
        if (FirstByteRefuses(row, first) || !RowWordHolds(row, i) || !row.when(i, mode)) continue;
        row.then(i, mode);
        if (row.next == nullptr || gDirectResult != 0) return;
        from = row.next;
    }
}

// The first row after `after` whose id is `id`; the table's size when none.
u32 RowNamed(const WordTestTable& table, u32 after, const char* id) {
    for (u32 r = after + 1; r < table.count; ++r)
        if (std::strcmp(table.rows[r].id, id) == 0) return r;
    return table.count;
}

}  // namespace

// Only the rows of the word's first byte are tried, in table order, each
// refused first on its word's length; a firing row that names the row to
// go on from hands over to the row-by-row run from that row.
void RunWordTests(i32 i, u16 mode) {
    const i32 length = GetStringLength(Word(i).WordText);
    const WordTestTable table = TestsOfLength(length);
    const u8 first = Word(i).WordText.ClampedAt(0);
    const RowChains* c = ChainsOf(length, table);
    if (c == nullptr) {
        RunRowsFrom(table, 0, i, mode, first);
        return;
    }
    for (u32 r = c->chains.First(ChainKey(first)); r < table.count; r = c->chains.After(r)) {
        const WordTest& row = table.rows[r];
        const i32 n = c->wordLength[r];
        if (row.match == Match::kWhole ? n != length : n > length) continue;
        if (!RowWordHolds(row, i) || !row.when(i, mode)) continue;
        row.then(i, mode);
        if (row.next == nullptr || gDirectResult != 0) return;
        RunRowsFrom(table, RowNamed(table, r, row.next), i, mode, first);
        return;
    }
}

}  // namespace locution
