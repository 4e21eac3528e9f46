#include "rules/french/function_word_site.h"

namespace french {

bool Site::isOneOf(i32 p, WordList list) const {
    for (; *list != nullptr; ++list)
        if (is(p, *list)) return true;
    return false;
}

bool Site::startsOneOf(i32 p, WordList list) const {
    for (; *list != nullptr; ++list)
        if (starts(p, *list)) return true;
    return false;
}

void Site::keepOne(i32 from, i32 to) const {
    for (i32 p = from; p <= to; ++p) keepOne(p);
}

void Site::set(i32 p, u8 c, u8 k) const {
    keepOne(p);
    setCat(p, c);
    setCls(p, k);
}

void Site::set(i32 p, u8 c, u8 k, u8 f) const {
    set(p, c, k);
    setFeat(p, f);
}

void Site::copyToReading0(i32 p, i32 j) const {
    WordRecord& w = word(p);
    w.ReadingClasses.ClampedAt(0) = w.ReadingClasses.ClampedAt(j);
    w.ReadingFeatures.ClampedAt(0) = w.ReadingFeatures.ClampedAt(j);
    w.ReadingMarks.ClampedAt(0) = w.ReadingMarks.ClampedAt(j);
    w.ReadingLemmaRefs.ClampedAt(0) = w.ReadingLemmaRefs.ClampedAt(j);
}

i32 Site::findReading(i32 p, u8 a, u8 b) const {
    const WordRecord& w = word(p);
    const i32 slots = static_cast<i32>(kReadingSlots);
    const i32 held = w.ReadingCount < slots ? w.ReadingCount : slots;
    for (i32 j = 0; j < held; ++j) {
        const u8 c = w.ReadingCategories.ClampedAt(j);
        if (c == a || c == b) return j;
    }
    return -1;
}

void Site::takeReading(i32 p, u8 a, u8 b) const {
    const i32 j = findReading(p, a, b);
    if (j > 0) copyToReading0(p, j);
}

bool Site::vowelInitial(i32 p) const {
    const u8 c = firstByte(p);
    return c == 'a' || c == 'e' || c == 'h' || c == 'i' || c == 'o' || c == 'u' || c == 'y' || c > 0x7A;
}

void Site::nounReading() const {
    takeReading(0, kCatNoun, kCatNoun);
    setCat(0, kCatNoun);
    keepOne(0);
}

void Site::locutionParts(i32 from, i32 to, u8 c, u8 k) const {
    for (i32 p = from; p <= to; ++p) {
        setCat(p, c);
        setCls(p, k);
    }
}

}  // namespace french
