// The section walk: reads the entries of one section of the current main
// dictionary for one key and appends an analysis for every entry that
// spells it.
//
// An analysis i is three parallel values: tags[i] (the caller's array, often
// gWordTagCodes), gWordAnalysisBytes[i] and gWordLemmaRefs[i] (a byte offset
// in gDictBody, or one of the small fixed marks 4, 8, 40, 60, 62). Indexes
// are clamped to each array's last element: a ninth analysis's lemma
// reference overwrites the eighth's, a 21st tag the 20th.
#pragma once
#include "frame/bounded_array.h"
#include "frame/types.h"
#include "morphology/dict_format.h"

// Analysis modes: language << 8 | operation. An operation above 31 is a
// plain analysis; 31 or less is an inflection operation passed down.
inline constexpr u16 kModeFrenchPlain = 800;
inline constexpr u16 kModeEnglishPlain = 0;
inline constexpr u16 kModeSectionEightBit = 0x200;
inline constexpr u8 ModeOperation(u16 mode) { return static_cast<u8>(mode & 0xFF); }
inline constexpr bool IsPlainOperation(u16 mode) { return ModeOperation(mode) > 31; }
// French: an inflection operation other than 4, 8 and 9 answers at the
// first matching item and writes nothing.
inline constexpr bool IsEarlyAnswerMode(u16 mode) {
    const u8 op = ModeOperation(mode);
    return op <= 31 && op != 4 && op != 8 && op != 9;
}

// Walks section `section` (1..gDictSectionCount-1) for `key` (a reserved
// prefix plus the word, or the word itself for a two-letter section) and
// appends the analyses from index `count` on, raising `count`.
// Result: 0 when the section is out of range or nothing answered (a French
// plain analysis also returns 0 after a complete walk: compare the count);
// kind + 1 (1, or 2 after a 151 mark) for an early answer; 1 for an
// infinitive-only verb (models 125, 127) found by its stem; after a stop
// mark (152) in French plain analysis, the new count.
// English: the result is kind + 1 of the last item that gave analyses
// (1; 2 after a 151 mark or a flagged model; 4 after a 146 mark or for an
// abbreviation that takes its period), 0 when nothing matched.
i16 LookupInDictSection(u16 mode, i16 section, const BoundedString& key, BoundedArray<u16>& tags,
                        u16& count);
// The same for a key whose text length (GetStringLength) the caller knows.
i16 LookupInDictSection(u16 mode, i16 section, const BoundedString& key, u32 keyLength,
                        BoundedArray<u16>& tags, u16& count);

// Tags of a French defective or irregular form (puis, faut, veuille,
// gisons, ouïs...), key compared whole: tags from index 0, the analysis byte
// written at the incoming count, count = number of tags. Any other key:
// unless tags[0] is 0x1A00, tags[0] becomes 0x1C00 and the count 1.
void AnalyseDefectiveVerbForm(const BoundedString& key, BoundedArray<u16>& tags, u16& count);

// ---- English item readings ----------------------------------------------------------
// What an English item writes once its ending (or verb slot) matched: a
// list of analyses, each at a fixed index or appended at the count, and how
// the count ends. Shared with the data compiler, which predicts from it what
// a lookup of every form it writes must give.
inline constexpr u8 kEnglishAppend = 0xFF;
struct EnglishWrite {
    u16 tag = 0;
    u8 byte = 0;
    u8 index = kEnglishAppend;  // kEnglishAppend: at the count, raising it
    bool beRef = false;         // lemma reference of "be" instead of the item's
    bool keepCount = false;     // appended without raising the count
};
struct EnglishItemResult {
    EnglishWrite writes[6];
    u8 n = 0;
    bool fromStart = false;  // the count is set to 0 before the writes
    i16 setCount = -1;       // >= 0: the count after the writes
    u8 kind = 0;             // the item's kind (3 for an abbreviation)
};

// English ending byte (codes 0x00..0x40 and suffix codes 0xA0..0xFF)
// against the last r characters of the key: number 1, 2 or 3, and whether
// it is code 64 (an abbreviation that takes its period). Ending code 30
// with nothing left gives number 2 (irregular plurals: "children").
// `modified`: a 152 mark stood before the byte (32 off codes of 32 and up).
bool MatchEnglishEnding(u8 code, bool modified, const KeyText& key, u32 r, u8& number,
                        bool& abbreviation);

// Readings of an English noun, adjective or other item with class byte `c`
// whose ending byte `code` matched with `number` (the class table, the
// closed-class table, the -ly/-ia/-way and two-letter rules).
// `variant`: 0, 128 when a variant follows the item, 129 when the item is
// one: an irregular plural filed after its singular ("children" after
// "child"), whose letter ending reads as a plural. The item's readings
// take it as their analysis byte.
void ReadEnglishClassByte(const KeyText& key, u8 c, u8 code, u8 number, bool abbreviation, u8 variant,
                          EnglishItemResult& out);

// Readings of an English verb item (model number without its flag bit,
// flags byte) matched at slot `slot` (0 base, 1 -s, 2 -ing, 3 past,
// 4 past participle) for `operation` (the mode's low byte).
void ReadEnglishVerbSlot(const KeyText& key, u8 model, u8 flags, u8 slot, u8 operation,
                         EnglishItemResult& out);

// First slot of English model `model` that ends the key with its last r
// characters, or -1.
i32 EnglishSlotMatch(u32 model, const KeyText& key, u32 r);

// The key remainders an English item can read: bit r is set when the item
// may give a reading, or report a data fault, with r key letters left after
// its stem (an ending byte, or with `verb` a model byte after a group code).
// A bit left clear is a remainder for which the item surely does nothing,
// so that an entry none of whose items takes the remainder can be passed by.
u32 EnglishItemRemainders(bool verb, u8 byte);

// Calls `fn` for every whole word the English closed-class rules name (the
// table, the two-letter words, "am", "are"), Mac Roman bytes: the data
// compiler files each of them as a class-'8' word.
void ForEachEnglishClosedWord(void (*fn)(const char* word, u32 length, void* context), void* context);

// Calls `fn` for every whole word of the closed-class rows that add the
// adverb after the item's own reading ("today", "day", "coast"): the data
// compiler files such a word as class '8' only when its own reading is an
// adjective, and otherwise from its sources.
void ForEachEnglishAdverbAfterWord(void (*fn)(const char* word, u32 length, void* context), void* context);

// Calls `fn` for every word that the noun-or-adjective classes read as a
// preposition first ("under", "inside"): the data compiler files such a
// word with one of those classes.
void ForEachEnglishSideWord(void (*fn)(const char* word, u32 length, void* context), void* context);

// Calls `fn` for every verb form to which the English walk gives further
// readings of its own ("people", "like", "till"), Mac Roman bytes: the
// order of their readings is the walk's, whatever the flags byte says.
void ForEachEnglishVerbWordWithReadings(void (*fn)(const char* word, u32 length, void* context), void* context);

// Calls `fn` for every prefix the closed-class table names ("east" of
// "east+"), without its '+' mark: the data compiler files the word each
// one stands for as a class-'8' word.
void ForEachEnglishClosedPrefix(void (*fn)(const char* prefix, u32 length, void* context), void* context);
