#include "frame/records.h"

#include <cstring>

namespace {

// Copies the elements both arrays hold (records of one kind always have
// equal capacities; the smaller count guards a half-built record).
template <typename T>
void CopyElements(BoundedArray<T>& dest, const BoundedArray<T>& src, u32 n) {
    if (dest.data == nullptr || src.data == nullptr) return;
    if (n > dest.count) n = dest.count;
    if (n > src.count) n = src.count;
    std::memcpy(dest.data, src.data, n * sizeof(T));
}

template <typename T, typename Init>
void BuildArray(BoundedArray<T>& a, u32 n, Init init) {
    a.Allocate(n);
    for (u32 k = 0; k < n; ++k) init(a.data[k]);
}

}  // namespace

namespace {

// Where each array of a record lies in its block (bytes from the start).
constexpr u32 kRefsAt = 0;
constexpr u32 kClassesAt = kRefsAt + kReadingSlots * sizeof(u32);
constexpr u32 kFeaturesAt = kClassesAt + kReadingSlots;
constexpr u32 kCategoriesAt = kFeaturesAt + kReadingSlots;
constexpr u32 kMarksAt = kCategoriesAt + kReadingSlots;
constexpr u32 kBaseTextAt = kMarksAt + kReadingSlots;
constexpr u32 kWordTextAt = kBaseTextAt + kWordCapacity;
constexpr u32 kLexiconFormAt = kWordTextAt + kWordCapacity;
constexpr u32 kSeparatorTextAt = kLexiconFormAt + kWordCapacity;
static_assert(kSeparatorTextAt + kWordCapacity == kWordRecordBlockBytes);
static_assert(kWordRecordBlockBytes % sizeof(u32) == 0);

template <typename T>
bool LiesAt(const BoundedArray<T>& a, const u8* block, u32 at, u32 n) {
    return a.valid != 0 && a.count == n && reinterpret_cast<const u8*>(a.data) == block + at;
}

}  // namespace

void ConstructWordRecord(WordRecord& r) {
    DestroyWordRecord(r);
    // One block for every array, owned by the lemma references (the first).
    u32* block = new u32[kWordRecordBlockBytes / sizeof(u32)]();
    u8* at = reinterpret_cast<u8*>(block);
    r.ReadingLemmaRefs.Adopt(block, kReadingSlots);
    r.ReadingClasses.View(at + kClassesAt, kReadingSlots);
    r.ReadingFeatures.View(at + kFeaturesAt, kReadingSlots);
    r.ReadingCategories.View(at + kCategoriesAt, kReadingSlots);
    r.ReadingMarks.View(at + kMarksAt, kReadingSlots);
    r.BaseText.View(at + kBaseTextAt, kWordCapacity);
    r.WordText.View(at + kWordTextAt, kWordCapacity);
    r.LexiconForm.View(at + kLexiconFormAt, kWordCapacity);
    r.SeparatorText.View(at + kSeparatorTextAt, kWordCapacity);
}

void DestroyWordRecord(WordRecord& r) {
    r.ReadingClasses.Release();
    r.ReadingFeatures.Release();
    r.ReadingCategories.Release();
    r.ReadingMarks.Release();
    r.BaseText.Release();
    r.WordText.Release();
    r.LexiconForm.Release();
    r.SeparatorText.Release();
    r.ReadingLemmaRefs.Release();  // the block, last
}

bool WordRecordIsPacked(const WordRecord& r) {
    const u8* at = reinterpret_cast<const u8*>(r.ReadingLemmaRefs.data);
    return LiesAt(r.ReadingLemmaRefs, at, kRefsAt, kReadingSlots) && LiesAt(r.ReadingClasses, at, kClassesAt, kReadingSlots) &&
           LiesAt(r.ReadingFeatures, at, kFeaturesAt, kReadingSlots) &&
           LiesAt(r.ReadingCategories, at, kCategoriesAt, kReadingSlots) &&
           LiesAt(r.ReadingMarks, at, kMarksAt, kReadingSlots) && LiesAt(r.BaseText, at, kBaseTextAt, kWordCapacity) &&
           LiesAt(r.WordText, at, kWordTextAt, kWordCapacity) && LiesAt(r.LexiconForm, at, kLexiconFormAt, kWordCapacity) &&
           LiesAt(r.SeparatorText, at, kSeparatorTextAt, kWordCapacity);
}

void CopyWordRecord(WordRecord& dest, const WordRecord& src) {
    if (&dest == &src) return;
    dest.ReadingCount = src.ReadingCount;
    u8* to = WordRecordBlock(dest);
    const u8* from = WordRecordBlock(src);
    if (to != nullptr && from != nullptr) {
        std::memcpy(to, from, kWordRecordBlockBytes);
    } else {
        CopyElements(dest.ReadingClasses, src.ReadingClasses, kReadingSlots);
        CopyElements(dest.ReadingFeatures, src.ReadingFeatures, kReadingSlots);
        CopyElements(dest.ReadingCategories, src.ReadingCategories, kReadingSlots);
        CopyElements(dest.ReadingMarks, src.ReadingMarks, kReadingSlots);
        CopyElements(dest.ReadingLemmaRefs, src.ReadingLemmaRefs, kReadingSlots);
        CopyElements(dest.BaseText, src.BaseText, kWordCapacity);
        CopyElements(dest.WordText, src.WordText, kWordCapacity);
        CopyElements(dest.LexiconForm, src.LexiconForm, kWordCapacity);
        CopyElements(dest.SeparatorText, src.SeparatorText, kWordCapacity);
    }
    dest.GroupMark = src.GroupMark;
    dest.FunctionCode = src.FunctionCode;
    dest.LinkedWord = src.LinkedWord;
    dest.StartOffset = src.StartOffset;
    dest.EndOffset = src.EndOffset;
    dest.ClauseNumber = src.ClauseNumber;
    dest.OriginalIndex = src.OriginalIndex;
    dest.SourceIndex = src.SourceIndex;
    // SpanFlag stays the destination's own.
    dest.WordCaseMode = src.WordCaseMode;
    dest.FirstLigaturePos = src.FirstLigaturePos;
    dest.SecondLigaturePos = src.SecondLigaturePos;
    dest.LigatureMode = src.LigatureMode;
    dest.QuoteFlags = src.QuoteFlags;
    dest.CorrectionMark = src.CorrectionMark;
    dest.AmbiguityFlag = src.AmbiguityFlag;
}

void CreateWordRecordArray(BoundedArray<WordRecord>& a, u32 n) {
    BuildArray(a, n, ConstructWordRecord);
}

void DestroyWordRecordArray(BoundedArray<WordRecord>& a) { a.Release(); }

void InitFormEntry(FormEntry& e) {
    e.FormText.Allocate(kWordCapacity);
    e.LemmaText.Allocate(kWordCapacity);
    e.FormCodes.Allocate(kCodeCapacity);
}

void FreeFormEntry(FormEntry& e) {
    e.FormCodes.Release();
    e.LemmaText.Release();
    e.FormText.Release();
}

void InitFormEntryArray(BoundedArray<FormEntry>& a, u32 n) { BuildArray(a, n, InitFormEntry); }

void FreeFormEntryArray(BoundedArray<FormEntry>& a) { a.Release(); }

FormEntry* DeleteFormEntryArray(FormEntry* e, u32 flags, u32 n) {
    if ((flags & 2) != 0) {
        if ((flags & 1) != 0) {
            delete[] e;
        } else {
            for (u32 k = 0; k < n; ++k) FreeFormEntry(e[k]);
        }
    } else if ((flags & 1) != 0) {
        delete e;
    } else {
        FreeFormEntry(*e);
    }
    return e;
}

void InitEndingRow(EndingRow& r) {
    r.EndingLengths.Allocate(kFrenchEndingSlots);
    r.EndingIndexes.Allocate(kFrenchEndingSlots);
}

void CopyEndingRow(EndingRow& dest, const EndingRow& src) {
    if (&dest == &src) return;
    dest.ModelNumber = src.ModelNumber;
    dest.GroupChar1 = src.GroupChar1;
    dest.GroupChar2 = src.GroupChar2;
    CopyElements(dest.EndingLengths, src.EndingLengths, kFrenchEndingSlots);
    CopyElements(dest.EndingIndexes, src.EndingIndexes, kFrenchEndingSlots);
}

void FreeEndingRow(EndingRow& r) {
    r.EndingLengths.Release();
    r.EndingIndexes.Release();
}

void InitEnglishEndingRow(EnglishEndingRow& r) {
    r.EndingLengths.Allocate(kEnglishEndingSlots);
    r.EndingIndexes.Allocate(kEnglishEndingSlots);
}

void CopyEnglishEndingRow(EnglishEndingRow& dest, const EnglishEndingRow& src) {
    if (&dest == &src) return;
    dest.ModelNumber = src.ModelNumber;
    dest.ClassChar = src.ClassChar;
    CopyElements(dest.EndingLengths, src.EndingLengths, kEnglishEndingSlots);
    CopyElements(dest.EndingIndexes, src.EndingIndexes, kEnglishEndingSlots);
}

void FreeEnglishEndingRow(EnglishEndingRow& r) {
    r.EndingLengths.Release();
    r.EndingIndexes.Release();
}

void AllocRecordArray(BoundedArray<EndingRow>& a, u32 n) { BuildArray(a, n, InitEndingRow); }

void AllocEnglishEndingRowArray(BoundedArray<EnglishEndingRow>& a, u32 n) {
    BuildArray(a, n, InitEnglishEndingRow);
}

void ConstructShortString(BoundedString& s) { s.Allocate(2); }

void AllocDictSectionArray(BoundedArray<DictSectionEntry>& a, u32 n) {
    BuildArray(a, n, [](DictSectionEntry& e) { ConstructShortString(e.Key); });
}

void AllocLitDictIndexArray(BoundedArray<LitDictIndexEntry>& a, u32 n) {
    BuildArray(a, n, [](LitDictIndexEntry& e) { ConstructShortString(e.Key); });
}

