// Read access to the words of the sentence in hand for the dispatcher and
// its rules. A word outside 0 .. gWordCount - 1 does not exist: every test
// on it fails and its bytes read as 0.
#pragma once
#include <cstring>

#include "frame/bounded_string.h"
#include "frame/mac_roman.h"
#include "frame/records.h"
#include "frame/tables.h"

inline bool WordExists(i32 i) { return i >= 0 && i < static_cast<i32>(gWordCount); }

inline u8 WordClass(i32 i, i32 j = 0) { return WordExists(i) ? gWords[i].ReadingClasses[j] : 0; }
inline u8 WordFeature(i32 i, i32 j = 0) { return WordExists(i) ? gWords[i].ReadingFeatures[j] : 0; }
inline u8 WordCategory(i32 i, i32 j = 0) { return WordExists(i) ? gWords[i].ReadingCategories[j] : 0; }
inline u8 WordMark(i32 i, i32 j = 0) { return WordExists(i) ? gWords[i].ReadingMarks[j] : 0; }
inline i32 LastReading(i32 i) {
    return WordExists(i) && gWords[i].ReadingCount > 0 ? gWords[i].ReadingCount - 1 : 0;
}

// The word's text equals `text` (CompareWordText answers equal).
inline bool WordIs(i32 i, const char* text) {
    return WordExists(i) && CompareWordText(gWords[i].WordText, text) == kCompareEqual;
}
// The word's text begins with `text`.
inline bool WordBegins(i32 i, const char* text) {
    return WordExists(i) && FindCSubstring(gWords[i].WordText, text) == 1;
}
// "sur" or "sous" (a capital first letter allowed) before a word and
// "avis" or "opinion...": the fixed error of "sur mon avis" for "à mon avis".
inline bool IsOpinionPreposition(i32 i) {
    const bool preposition = WordIs(i, "sur") || WordIs(i, "Sur") || WordIs(i, "sous") || WordIs(i, "Sous");
    return preposition && (WordIs(i + 2, "avis") || WordBegins(i + 2, "opinion"));
}
inline i32 WordLength(i32 i) { return WordExists(i) ? GetStringLength(gWords[i].WordText) : 0; }
inline u8 WordFirstByte(i32 i) { return WordExists(i) ? gWords[i].WordText.data[0] : 0; }
inline u8 WordLastByte(i32 i) {
    const i32 n = WordLength(i);
    return n > 0 ? gWords[i].WordText.data[n - 1] : 0;
}
inline bool IsVerbClass(u8 c) { return c >= 128; }
// One of the word's readings passes the test (the test takes the reading
// index); a word that does not exist has none.
template <typename Test>
inline bool AnyReading(i32 i, Test test) {
    if (!WordExists(i)) return false;
    for (i32 j = 0; j < gWords[i].ReadingCount && j < static_cast<i32>(kReadingSlots); ++j)
        if (test(j)) return true;
    return false;
}

// One of the word's readings is a verb form (the readings are not yet
// sorted out when the dispatcher's own rules run).
inline bool HasVerbReading(i32 i) {
    return AnyReading(i, [i](i32 j) { return IsVerbClass(WordClass(i, j)); });
}

// Words i and j are spelt alike but for the case of their first letter.
inline bool SameWordButFirstCase(i32 i, i32 j) {
    const i32 n = WordLength(i);
    if (n == 0 || n != WordLength(j)) return false;
    const u8* a = gWords[i].WordText.data;
    const u8* b = gWords[j].WordText.data;
    if (ToLowerMacRoman(a[0]) != ToLowerMacRoman(b[0])) return false;
    return std::memcmp(a + 1, b + 1, static_cast<size_t>(n - 1)) == 0;
}
