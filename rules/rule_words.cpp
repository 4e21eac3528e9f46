#include "rules/rule_words.h"

#include <cstring>

#include "frame/mac_roman.h"

namespace rules {

namespace {

// GetStringLength for a word's text: words are short, so a byte loop finds
// the terminator sooner than a library search is set up.
i32 ShortTextLength(const BoundedString& s) {
    if (s.valid == 0 || s.data == nullptr) return 0;
    for (u32 k = 0; k < s.count; ++k)
        if (s.data[k] == 0) return static_cast<i32>(k);
    return static_cast<i32>(s.count);
}

// Compares the text with the literal, the text's first letter lowered
// (`lowerFirst`) or every letter lowered (`lowerAll`). The literal is taken
// as written.
bool SameText(const BoundedString& s, const char* literal, bool lowerFirst, bool lowerAll) {
    const i32 n = ShortTextLength(s);
    const i32 m = static_cast<i32>(std::strlen(literal));
    if (n != m) return false;
    for (i32 k = 0; k < n; ++k) {
        u8 c = s.data[k];
        if (lowerAll || (lowerFirst && k == 0)) c = ToLowerMacRoman(c);
        u8 l = static_cast<u8>(literal[k]);
        if (lowerAll) l = ToLowerMacRoman(l);
        if (c != l) return false;
    }
    return true;
}

// CompareWordText(s, literal) == kCompareEqual for a valid string, in one
// pass: the bytes agree up to the literal's terminator or the end of the
// buffer, whichever comes first.
bool SameAsWritten(const BoundedString& s, const char* literal) {
    if (s.valid == 0) return true;
    const u8* d = s.data;
    for (u32 k = 0; k < s.count; ++k) {
        const u8 l = static_cast<u8>(literal[k]);
        if (d[k] != l) return false;
        if (l == 0) return true;
    }
    return true;
}

}  // namespace

bool MatchesLiteral(i32 i, const char* literal) {
    const WordRecord& w = W(i);
    // Word 0 (word -1 reads it too) with only its first letter a capital.
    const bool first = CapitalInitialOfWordZero(i, w);
    // Most tests fail on the first letter: refused before any comparison.
    if (w.WordText.valid != 0) {
        const u8 c = w.WordText.data[0];
        const u8 l = static_cast<u8>(*literal);
        if (c != l && !(first && ToLowerMacRoman(c) == l)) return false;
    }
    if (SameAsWritten(w.WordText, literal)) return w.WordText.valid != 0 || *literal == 0;
    return first && SameText(w.WordText, literal, true, false);
}

bool MatchesAsWritten(i32 i, const char* literal) { return SameAsWritten(W(i).WordText, literal); }

bool IsAnyCase(i32 i, const char* literal) { return SameText(W(i).WordText, literal, false, true); }

namespace {

// The text, its first letter lowered, begins with the literal.
bool BeginsLowered(const BoundedString& s, const char* literal) {
    const i32 n = ShortTextLength(s);
    const i32 m = static_cast<i32>(std::strlen(literal));
    if (m == 0 || m > n || ToLowerMacRoman(s.data[0]) != static_cast<u8>(literal[0])) return false;
    return std::memcmp(s.data + 1, literal + 1, static_cast<size_t>(m - 1)) == 0;
}

}  // namespace

// Word 0 with a capital initial: the lowered text matches where the
// literal covers its first letter (an occurrence further on is the same in
// both texts).
bool BeginsLiteral(i32 i, const char* literal) {
    const BoundedString& s = W(i).WordText;
    if (*literal == 0) return true;
    const bool capital = CapitalInitialOfWordZero(i, W(i));
    // The first occurrence is at the start exactly when the text begins so.
    if (s.valid != 0 && (s.data[0] == static_cast<u8>(*literal) || capital)) {
        const size_t m = std::strlen(literal);
        if (m <= static_cast<size_t>(ShortTextLength(s)) && std::memcmp(s.data, literal, m) == 0) return true;
    }
    return capital && BeginsLowered(s, literal);
}

bool Contains(i32 i, const char* literal) {
    const BoundedString& s = W(i).WordText;
    return FindCSubstring(s, literal) > 0 || (CapitalInitialOfWordZero(i, W(i)) && BeginsLowered(s, literal));
}

bool Ends(i32 i, const char* literal) {
    const BoundedString& s = W(i).WordText;
    const i32 n = ShortTextLength(s);
    const i32 m = static_cast<i32>(std::strlen(literal));
    if (m > n) return false;
    if (std::memcmp(s.data + (n - m), literal, static_cast<size_t>(m)) == 0) return true;
    return m == n && CapitalInitialOfWordZero(i, W(i)) && BeginsLowered(s, literal);
}

bool IsOneOf(i32 i, const char* const* literals) {
    const WordRecord& w = W(i);
    if (w.WordText.valid == 0 || CapitalInitialOfWordZero(i, w)) {
        for (; *literals != nullptr; ++literals)
            if (Is(i, *literals)) return true;
        return false;
    }
    // Compared as written: a literal of another first byte is refused here.
    const u8 first = w.WordText.data[0];
    for (; *literals != nullptr; ++literals)
        if (static_cast<u8>(**literals) == first && SameAsWritten(w.WordText, *literals)) return true;
    return false;
}

i32 TextLength(i32 i) { return ShortTextLength(W(i).WordText); }
u8 Letter(i32 i, i32 k) { return W(i).WordText.ClampedAt(k); }

void KeepOne(i32 i) { W(i).ReadingCount = 1; }

void SetReading0(i32 i, u8 category, u8 cls) {
    WordRecord& w = W(i);
    w.ReadingCategories[0] = category;
    w.ReadingClasses[0] = cls;
}

void CopyReading(WordRecord& w, i32 to, i32 from) {
    w.ReadingClasses[to] = w.ReadingClasses[from];
    w.ReadingFeatures[to] = w.ReadingFeatures[from];
    w.ReadingCategories[to] = w.ReadingCategories[from];
    w.ReadingMarks[to] = w.ReadingMarks[from];
    w.ReadingLemmaRefs[to] = w.ReadingLemmaRefs[from];
}

void RemoveReading(WordRecord& w, i32 r) {
    const i32 n = w.ReadingCount;
    for (i32 k = r; k + 1 < n && k + 1 < static_cast<i32>(kReadingSlots); ++k) CopyReading(w, k, k + 1);
    if (n > 0) w.ReadingCount = static_cast<u16>(n - 1);
}

void SwapReadings01(WordRecord& w) {
    std::swap(w.ReadingClasses[0], w.ReadingClasses[1]);
    std::swap(w.ReadingFeatures[0], w.ReadingFeatures[1]);
    std::swap(w.ReadingCategories[0], w.ReadingCategories[1]);
    std::swap(w.ReadingMarks[0], w.ReadingMarks[1]);
    std::swap(w.ReadingLemmaRefs[0], w.ReadingLemmaRefs[1]);
}

bool MayReport(RuleCode code, i32 pos) {
    return gLastRule < code || (gLastRule == code && static_cast<i16>(pos) > gLastErrorPos);
}

RuleReport ReportFromGlobals(RuleCode code, i32 pos) {
    RuleReport r;
    r.code = code;
    r.pos = pos;
    r.variant = gErrorVariant;
    r.detail = gErrorDetail;
    r.kind = gErrorKind;
    r.gender = gErrorGender;
    r.number = gErrorNumber;
    r.person = gErrorPerson;
    r.extent = gErrorExtent;
    return r;
}

RuleCode Commit(const RuleReport& r, u16& out) {
    gErrorVariant = r.variant;
    gErrorDetail = r.detail;
    gErrorKind = r.kind;
    gErrorGender = r.gender;
    gErrorNumber = r.number;
    gErrorPerson = r.person;
    gErrorExtent = r.extent;
    out = static_cast<u16>(r.pos);
    return r.code;
}

u16 AdjustSegmentLink(u16 link, i32 standing, i32 n) {
    if (link >= 254 || static_cast<i32>(link) <= standing) return link;
    if (static_cast<i32>(link) <= standing + n) return static_cast<u16>(standing);
    return static_cast<u16>(link - n);
}

void RemoveSegmentRecords(i32 standing, i32 n) {
    const i32 count = gSegmentCount;
    if (standing < 0 || standing >= count) return;
    if (n > count - standing - 1) n = count - standing - 1;  // only records that exist leave
    if (n <= 0) return;
    if (static_cast<u32>(count) <= gSegments.count && gSegments.valid != 0) {
        // Every record named lies in the table: moved and relinked in place.
        SegmentRecord* s = gSegments.data;
        std::memmove(s + standing + 1, s + standing + 1 + n,
                     static_cast<size_t>(count - standing - 1 - n) * sizeof(SegmentRecord));
        gSegmentCount = static_cast<u16>(count - n);
        for (i32 k = 0; k < count - n; ++k) s[k].Link = static_cast<u8>(AdjustSegmentLink(s[k].Link, standing, n));
        return;
    }
    for (i32 k = standing + 1; k + n < count; ++k) gSegments[k] = gSegments[k + n];
    gSegmentCount = static_cast<u16>(count - n);
    for (i32 k = 0; k < static_cast<i32>(gSegmentCount); ++k)
        gSegments[k].Link = static_cast<u8>(AdjustSegmentLink(gSegments[k].Link, standing, n));
}

void ClearSegmentTable() {
    for (u32 k = 0; k < gSegments.count; ++k) {
        gSegments[static_cast<i32>(k)] = SegmentRecord{};
        gSegments[static_cast<i32>(k)].Link = 255;
    }
    gSegmentCount = 0;
}

}  // namespace rules
