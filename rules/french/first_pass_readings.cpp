#include "rules/french/first_pass_readings.h"

#include "frame/bounded_string.h"
#include "frame/records.h"
#include "frame/tables.h"
#include "rules/french/locution_rows.h"

namespace first_pass {

using locution::Has;

namespace {

WordRecord& Word(i32 k) { return gWords.ClampedAt(k); }

}  // namespace

void CopyReading(i32 i, i32 from, i32 to) {
    if (!Has(i)) return;
    WordRecord& w = Word(i);
    w.ReadingClasses.ClampedAt(to) = w.ReadingClasses.ClampedAt(from);
    w.ReadingFeatures.ClampedAt(to) = w.ReadingFeatures.ClampedAt(from);
    w.ReadingCategories.ClampedAt(to) = w.ReadingCategories.ClampedAt(from);
    w.ReadingMarks.ClampedAt(to) = w.ReadingMarks.ClampedAt(from);
    w.ReadingLemmaRefs.ClampedAt(to) = w.ReadingLemmaRefs.ClampedAt(from);
}

void TakeReading(i32 i, i32 j) {
    if (!Has(i)) return;
    if (j != 0) CopyReading(i, j, 0);
    Word(i).ReadingCount = 1;
}

bool RemoveReading(i32 i, i32 j) {
    if (!Has(i)) return false;
    WordRecord& w = Word(i);
    const i32 n = w.ReadingCount;
    if (n <= 1 || j < 0 || j >= n) return false;
    for (i32 k = j; k + 1 < n; ++k) CopyReading(i, k + 1, k);
    w.ReadingCount = static_cast<u16>(n - 1);
    return true;
}

void SetCount(i32 i, u16 n) {
    if (Has(i)) Word(i).ReadingCount = n;
}
void SetClsAt(i32 i, i32 r, u8 v) {
    if (Has(i)) Word(i).ReadingClasses.ClampedAt(r) = v;
}
void SetFeatAt(i32 i, i32 r, u8 v) {
    if (Has(i)) Word(i).ReadingFeatures.ClampedAt(r) = v;
}
void SetCatAt(i32 i, i32 r, u8 v) {
    if (Has(i)) Word(i).ReadingCategories.ClampedAt(r) = v;
}
void SetMarkAt(i32 i, i32 r, u8 v) {
    if (Has(i)) Word(i).ReadingMarks.ClampedAt(r) = v;
}
u32 Lemma(i32 i, i32 r) { return Has(i) ? Word(i).ReadingLemmaRefs.ClampedAt(r) : 0; }
i32 Length(i32 i) { return Has(i) ? GetStringLength(Word(i).WordText) : 0; }

u8 WithImperativeFlag(u8 cls) { return (cls % 16) < 8 ? static_cast<u8>(cls + 8) : cls; }

}  // namespace first_pass
