// Shared helpers of the English and French grammar rules: word and reading
// access, literal tests, the resume gate, the report record and the segment
// table's record removal.
//
// Word access follows the rules' own reading of the sentence table: the
// table always has 128 records, word -1 reads word 0 and a word past the
// sentence reads the following record of the table (reset: no readings, an
// empty text). Both reads are meant, so they go through ClampedAt.
#pragma once
#include "frame/bounded_string.h"
#include "frame/records.h"
#include "frame/report.h"
#include "frame/tables.h"

namespace rules {

// The record of word i (see above for indexes outside the sentence).
inline WordRecord& W(i32 i) { return gWords.ClampedAt(i); }
inline i32 Count() { return static_cast<i32>(gWordCount); }
inline u16 Readings(i32 i) { return W(i).ReadingCount; }

// The bytes of reading r (0 by default) of word i; the reading arrays have 8
// slots whatever the count, a slot past it holds an older reading or 0.
inline u8 Cls(i32 i, i32 r = 0) { return W(i).ReadingClasses.ClampedAt(r); }
inline u8 Feat(i32 i, i32 r = 0) { return W(i).ReadingFeatures.ClampedAt(r); }
inline u8 Cat(i32 i, i32 r = 0) { return W(i).ReadingCategories.ClampedAt(r); }
inline u8 Mark(i32 i, i32 r = 0) { return W(i).ReadingMarks.ClampedAt(r); }
inline u32 Lemma(i32 i, i32 r = 0) { return W(i).ReadingLemmaRefs.ClampedAt(r); }
inline bool VerbClass(i32 i, i32 r = 0) { return Cls(i, r) >= 128; }
// The verb model of reading 0 without the linking-verb flag.
// Word i has one reading, of category cat.
inline bool OneReadingOf(i32 i, u8 cat) { return Readings(i) == 1 && Cat(i) == cat; }
inline u8 Model(i32 i) { return static_cast<u8>(Mark(i) & 127); }
// Some reading of word i passes the test, which takes the reading index; a
// word outside the sentence has none.
template <typename Test>
inline bool AnyReadingOf(i32 i, Test test) {
    if (i < 0 || i >= Count()) return false;
    for (i32 r = 0; r < Readings(i) && r < static_cast<i32>(kReadingSlots); ++r)
        if (test(r)) return true;
    return false;
}
// Some reading of word i has category cat.
inline bool HasReadingOfCategory(i32 i, u8 cat) {
    return AnyReadingOf(i, [i, cat](i32 r) { return Cat(i, r) == cat; });
}

// Literal tests on WordText (Mac Roman). Is: exact; word 0 written with a
// capital first letter only (case mode 1 or 2) is also compared with that
// letter lowered, and so are Begins, Contains and Ends. IsAnyCase: without
// regard to case, for the rules that ask for a capital. Begins, Contains,
// Ends: FindCSubstring 1, above 0, the last letters. Every other word is
// compared as written.
bool MatchesLiteral(i32 i, const char* literal);  // Is without its first-letter shortcut
// Word i (record w) is word 0 written with a capital initial only (case
// mode 1 or 2): the literal tests compare it with that letter lowered too.
inline bool CapitalInitialOfWordZero(i32 i, const WordRecord& w) {
    return i <= 0 && (w.WordCaseMode == 1 || w.WordCaseMode == 2);
}
// Most tests fail on the first letter: refused here, before any call
// (word 0 written with a capital goes to the whole test).
inline bool Is(i32 i, const char* literal) {
    const WordRecord& w = W(i);
    if (w.WordText.valid != 0 && w.WordText.data[0] != static_cast<u8>(*literal) && !CapitalInitialOfWordZero(i, w))
        return false;
    return MatchesLiteral(i, literal);
}
// Word i's text read once for a run of Is tests against literals: a text
// compared as written refuses a literal by its first byte, with no call.
struct LiteralWord {
    i32 i = 0;
    bool exact = false;
    u8 first = 0;
};
inline LiteralWord ReadLiteralWord(i32 i) {
    const WordRecord& w = W(i);
    LiteralWord t;
    t.i = i;
    t.exact = w.WordText.valid != 0 && !CapitalInitialOfWordZero(i, w);
    if (t.exact) t.first = w.WordText.data[0];
    return t;
}
bool MatchesAsWritten(i32 i, const char* literal);  // CompareWordText equality on a valid text
inline bool Is(const LiteralWord& t, const char* literal) {
    if (t.exact) return static_cast<u8>(*literal) == t.first && MatchesAsWritten(t.i, literal);
    return Is(t.i, literal);
}
bool IsAnyCase(i32 i, const char* literal);
bool BeginsLiteral(i32 i, const char* literal);  // Begins without its first-letter shortcut
inline bool Begins(i32 i, const char* literal) {
    const WordRecord& w = W(i);
    if (w.WordText.valid != 0 && *literal != 0 && w.WordText.data[0] != static_cast<u8>(*literal) &&
        !CapitalInitialOfWordZero(i, w))
        return false;
    return BeginsLiteral(i, literal);
}
bool Contains(i32 i, const char* literal);
bool Ends(i32 i, const char* literal);
// One of the literals of a null-terminated list.
bool IsOneOf(i32 i, const char* const* literals);
i32 TextLength(i32 i);
u8 Letter(i32 i, i32 k);  // byte k of the text (clamped into the string)

// Reading edits.
void KeepOne(i32 i);                               // ReadingCount 1
void SetReading0(i32 i, u8 category, u8 cls);      // category and class of reading 0
void CopyReading(WordRecord& w, i32 to, i32 from);  // all five bytes
void RemoveReading(WordRecord& w, i32 r);          // later readings move down
void SwapReadings01(WordRecord& w);

// The resume gate: a rule of `code` may report at word `pos` only when
// gLastRule < code, or gLastRule == code and pos > gLastErrorPos (signed
// 16-bit).
bool MayReport(RuleCode code, i32 pos);

// A finding under construction. A rule fills it and commits it only when
// it fires; the commit writes the report globals (never gLastRule nor
// gLastErrorPos: the dispatcher records) and the word position.
struct RuleReport {
    RuleCode code = 0;
    i32 pos = 0;
    u8 variant = 0;
    u16 detail = 0;
    u16 kind = 0;
    u16 gender = 0;
    u16 number = 0;
    u16 person = 0;
    u16 extent = kNoCorrection;
};
RuleCode Commit(const RuleReport& r, u16& out);
// A report of `code` at `pos` carrying the report globals as they stand.
RuleReport ReportFromGlobals(RuleCode code, i32 pos);

// Segment table: removes the n records after record `standing`, which
// stands for them; later records move down. A link past the removed ones
// drops by n, one that named a removed record names the standing one;
// earlier links and 254, 255 stay. LinkedWord values that hold a segment
// index go through AdjustSegmentLink the same way.
void RemoveSegmentRecords(i32 standing, i32 n);
u16 AdjustSegmentLink(u16 link, i32 standing, i32 n);

// Empties the segment table: count 0, every record reset with link 255.
void ClearSegmentTable();

}  // namespace rules
