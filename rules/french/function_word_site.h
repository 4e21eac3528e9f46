// The vocabulary of the French function-word rules: a word is named by its
// position relative to the matched word (0 the matched word, -1 the word
// before it, +1 the word after it), and every test and edit works on reading
// 0 of that word. Indexes outside the sentence are clamped into the word
// table, so a rule that reads past the sentence without testing for it reads
// the record there (see rules/rule_words.h).
//
// Text tests are exact byte comparisons of the Mac Roman text (literals with
// accents go through MR()); `is` also takes word 0 written with a capital
// first letter as the literal ("Celui la mange"), as rules::Is does.
#pragma once
#include "frame/bounded_string.h"
#include "frame/records.h"
#include "rules/rule_words.h"

namespace french {

// Categories (ReadingCategories) the function-word rules test and write.
enum : u8 {
    kCatNone = 0,
    kCatSubjectPronoun = 1,
    kCatObjectPronoun = 2,
    kCatDemonstrative = 4,
    kCatRelative = 5,
    kCatIndefinite = 6,
    kCatArticle = 7,
    kCatDeterminer = 8,
    kCatContracted = 9,
    kCatNoun = 10,
    kCatPastParticiple = 11,
    kCatPresentParticiple = 12,
    kCatInfinitive = 13,
    kCatVerb = 14,
    kCatPreposition = 15,
    kCatCoordinating = 16,
    kCatSubordinating = 17,
    kCatAdverb = 18,
    kCatSign = 20,
    kCatComma = 21,
};

// Class bytes of the fixed locutions: later rules leave these words alone.
enum : u8 {
    kClassAdverbPart = 0x1A,       // with category 18
    kClassConjunctionPart = 0x2A,  // '*', with category 17
    kClassPrepositionPart = 0x2C,  // ',', with category 15
};

// The verb classes of "être" (0x83) and "avoir" (0xC2), the auxiliaries.
inline bool IsAuxiliaryClass(u8 k) { return k == 0x83 || k == 0xC2; }

// A null-terminated list of literals.
using WordList = const char* const*;

// The matched word of one call: its sentence index, the pass (0 or 1) and
// the function-word entry it matched.
struct Site {
    i32 i = 0;
    u16 mode = 0;
    i32 n = 0;

    WordRecord& word(i32 p) const { return rules::W(i + p); }
    i32 at(i32 p) const { return i + p; }
    // "+k exists": i + k < gWordCount; "-k exists": i >= k.
    bool exists(i32 k) const { return k >= 0 ? i + k < rules::Count() : i >= -k; }
    bool isLast() const { return i + 1 >= rules::Count(); }

    // Reading 0 (cat1: reading 1) of word p.
    u8 cat(i32 p) const { return rules::Cat(i + p); }
    u8 cat1(i32 p) const { return rules::Cat(i + p, 1); }
    u8 cls(i32 p) const { return rules::Cls(i + p); }
    u8 feat(i32 p) const { return rules::Feat(i + p); }
    u8 mark(i32 p) const { return rules::Mark(i + p); }
    u16 count(i32 p) const { return rules::Readings(i + p); }
    bool catIn(i32 p, u8 lo, u8 hi) const { return cat(p) >= lo && cat(p) <= hi; }
    bool clsIs(i32 p, u8 a, u8 b) const { return cls(p) == a || cls(p) == b; }

    // Texts. starts: FindCSubstring = 1; ends: the last letters.
    const BoundedString& text(i32 p) const { return word(p).WordText; }
    bool is(i32 p, const char* literal) const { return rules::Is(i + p, literal); }
    bool isOneOf(i32 p, WordList list) const;
    bool starts(i32 p, const char* literal) const { return TextStartsWith(text(p), literal); }
    bool startsOneOf(i32 p, WordList list) const;
    bool contains(i32 p, const char* literal) const { return FindCSubstring(text(p), literal) > 0; }
    bool ends(i32 p, const char* literal) const { return TextEndsWith(text(p), literal); }
    bool sameText(i32 p, i32 q) const { return TextSame(text(p), text(q)); }
    u8 firstByte(i32 p) const { return TextAt(text(p), 0); }
    i32 length(i32 p) const { return GetStringLength(text(p)); }
    // The first byte is a, e, h, i, o, u, y or above 'z' (accented).
    bool vowelInitial(i32 p) const;

    // Edits of reading 0.
    void setCat(i32 p, u8 c) const { word(p).ReadingCategories.ClampedAt(0) = c; }
    void setCls(i32 p, u8 k) const { word(p).ReadingClasses.ClampedAt(0) = k; }
    void setFeat(i32 p, u8 f) const { word(p).ReadingFeatures.ClampedAt(0) = f; }
    void setMark(i32 p, u8 m) const { word(p).ReadingMarks.ClampedAt(0) = m; }
    void keepOne(i32 p) const { word(p).ReadingCount = 1; }
    void keepOne(i32 from, i32 to) const;
    // word p := <c, k>: one reading, category c, class k.
    void set(i32 p, u8 c, u8 k) const;
    // word p := <c, k, f>.
    void set(i32 p, u8 c, u8 k, u8 f) const;
    // Copies class, feature, mark and lemma of reading j of word p into
    // its reading 0 (the category is the rule's to set).
    void copyToReading0(i32 p, i32 j) const;
    // The first reading of word p (among those it holds) whose category is
    // a or b; -1 when none.
    i32 findReading(i32 p, u8 a, u8 b) const;
    i32 findReading(i32 p, u8 a) const { return findReading(p, a, a); }
    // The rule's "copy the first reading of category a (or b) into reading
    // 0": when the word holds none, reading 0 stays as it is.
    void takeReading(i32 p, u8 a, u8 b) const;
    // lemma := j: the matched word's lemma reference of reading j goes to
    // reading 0.
    void lemma(i32 j) const { word(0).ReadingLemmaRefs.ClampedAt(0) = word(0).ReadingLemmaRefs.ClampedAt(j); }
    // The noun reading of the matched word: its first reading of category
    // 10 (reading 0 as it is when none), category 10, one reading.
    void nounReading() const;

    // Fixed locutions over positions from..to: every word gets the
    // locution's category and class (the counts are the rule's to set).
    void prepositionParts(i32 from, i32 to) const { locutionParts(from, to, kCatPreposition, kClassPrepositionPart); }
    void adverbParts(i32 from, i32 to) const { locutionParts(from, to, kCatAdverb, kClassAdverbPart); }
    void conjunctionParts(i32 from, i32 to) const { locutionParts(from, to, kCatSubordinating, kClassConjunctionPart); }
    void locutionParts(i32 from, i32 to, u8 c, u8 k) const;
};

}  // namespace french
