// Readers of the main dictionary format: the sections of the current body,
// their third- and fourth-letter indexes, the entry grammar's byte classes,
// the French ending and suffix codes, and the verb ending lists.
//
// Every reader is bounded: a section that leaves the body, an index offset
// that leaves its section, a list that runs backwards, an ending that leaves
// its list are refused (the reader answers "nothing there") and counted in
// gDictFaultCount with the kind in gDictLastFault. Well-formed data never
// raises a fault; the data compiler's round trip checks that the count stays
// at 0. Nothing here allocates.
#pragma once
#include "frame/bounded_array.h"
#include "frame/bounded_string.h"
#include "frame/tables.h"
#include "frame/types.h"

// ---- Bytes of the entry grammar ---------------------------------------------
inline constexpr u8 kGroupCodeFirst = 123;  // 123..130: a verb group of code - 122 items
inline constexpr u8 kGroupCodeLast = 130;
inline constexpr u8 kCountCodeFirst = 131;  // 131..136: the stem serves code - 130 items
inline constexpr u8 kCountCodeLast = 136;
inline constexpr u8 kMarkKind3 = 146;       // English only (a letter in French)
inline constexpr u8 kMarkApostrophe = 147;  // English only (a letter in French)
inline constexpr u8 kMarkKind1 = 151;
inline constexpr u8 kMarkModifier = 152;    // French plain analysis: stop mark
inline constexpr u8 kMarkVariant = 156;
inline constexpr u8 kFrenchLetterFirst = 0x60;   // French stem letters 0x60..0x9F
inline constexpr u8 kEnglishLetterFirst = 0x41;  // English stem letters 0x41..0x9F
inline constexpr u8 kLetterEnd = 0xA0;           // suffix codes from here on
inline constexpr u8 kSuffixCodeFirst = 0xA0;
inline constexpr u8 kMarkHyphen = 0x9B;          // the internal hyphen
inline constexpr u8 kLexAnalysisRef = 4;         // lemma reference of a lexicon analysis

// Byte classes of an entry list outside items (the section walk and its
// index read them alike).
inline constexpr bool IsDictLetter(bool french, u8 b) {
    return b >= (french ? kFrenchLetterFirst : kEnglishLetterFirst) && b < kLetterEnd;
}
inline constexpr bool IsDictControlCode(bool french, u8 b) {
    if (b >= kGroupCodeFirst && b <= kCountCodeLast) return true;
    if (b == kMarkKind1 || b == kMarkModifier || b == kMarkVariant) return true;
    return !french && (b == kMarkKind3 || b == kMarkApostrophe);
}

// The same two tests as one table read per byte, for the readers that walk
// a list byte by byte: kDictByteClasses[french][b].
inline constexpr u8 kDictByteOther = 0;  // an item's first byte
inline constexpr u8 kDictByteLetter = 1;
inline constexpr u8 kDictByteControl = 2;
struct DictByteClassTable {
    u8 of[2][256] = {};
    constexpr DictByteClassTable() {
        for (u32 f = 0; f < 2; ++f)
            for (u32 b = 0; b < 256; ++b)
                of[f][b] = IsDictControlCode(f != 0, static_cast<u8>(b))  ? kDictByteControl
                           : IsDictLetter(f != 0, static_cast<u8>(b)) ? kDictByteLetter
                                                                       : kDictByteOther;
    }
};
inline constexpr DictByteClassTable kDictByteClasses{};

// The dictionary writes the apostrophe inside a word as kMarkApostrophe;
// keys are built that way and results turned back.
inline void ToDictionaryKey(BoundedString& s) { TextReplaceByte(s, '\'', kMarkApostrophe); }
inline void FromDictionaryKey(BoundedString& s) { TextReplaceByte(s, kMarkApostrophe, '\''); }

// Longest remainder a French verb item can match (ending lists 1..10).
inline constexpr u32 kFrenchMaxVerbRemainder = 10;
inline constexpr u32 kEnglishMaxVerbRemainder = 7;
// Longest remainder a French suffix code can match.
inline constexpr u32 kFrenchMaxSuffixRemainder = 9;
// Slots of a French model row.
inline constexpr u32 kFrenchSlotCount = 51;

// ---- Faults ----------------------------------------------------------------
enum DictFault : u16 {
    kDictFaultNone = 0,
    kDictFaultSection = 1,   // a section record that leaves the body
    kDictFaultIndex = 2,     // a third- or fourth-letter index that leaves its section
    kDictFaultList = 3,      // an entry list outside the lists area or running backwards
    kDictFaultItem = 4,      // an item whose second byte lies past its list
    kDictFaultModel = 5,     // a model byte naming no row of the model table
    kDictFaultEnding = 6,    // an ending (length, index) outside its ending list
};
extern u32 gDictFaultCount;
extern u16 gDictLastFault;
void ReportDictFault(DictFault kind);
// Sets the count and the last kind back to 0.
void ClearDictFaults();

// ---- Sections ----------------------------------------------------------------
// One section of the current body; offsets are absolute body offsets.
struct DictSectionSpan {
    u32 start = 0;
    u32 length = 0;
};

// The section numbered `section` of the current dictionary. False when the
// number is not 1..gDictSectionCount-1 (no such section; not a fault) or
// when the record leaves the body or the prefix index (a fault).
bool GetDictSection(i32 section, DictSectionSpan& span);

// One entry list, [begin, end) in absolute body offsets, and the section
// offset of its fourth-letter index record.
struct EntryListSpan {
    u32 begin = 0;
    u32 end = 0;
    u32 record = 0;
};

// Walks the fourth-letter entries of one third letter. Positions are
// relative to the section start.
struct EntryListCursor {
    u32 sectionStart = 0;
    u32 sectionLength = 0;
    u32 listsBegin = 0;  // end of the fourth-letter index = start of the lists
    u32 next = 0;        // next fourth-letter entry to look at
    u32 stop = 0;        // end of this third letter's fourth-letter entries
    u8 fourth = 0;       // the fourth letter looked for
};

// Positions the cursor on the fourth-letter entries of `third` in the
// section. False when the section has no such third letter (or is empty, or
// its index is corrupt: a fault).
bool OpenEntryLists(const DictSectionSpan& section, u8 third, u8 fourth, EntryListCursor& cursor);
// OpenEntryLists for the third-letter entry at section offset j (a
// multiple of 3 inside the third-letter index; false otherwise), found
// without the scan.
bool OpenEntryListsAt(const DictSectionSpan& section, u32 j, u8 fourth, EntryListCursor& cursor);
// The next entry list whose fourth letter is the cursor's; false when there
// is none left.
bool NextEntryList(EntryListCursor& cursor, EntryListSpan& list);
// The entry list of the fourth-letter record at section offset `record` of
// the section [sectionStart, sectionStart + sectionLength) whose lists begin
// at section offset `listsBegin`; false when the list would run backwards
// or leave the lists area (NextEntryList counts that as a fault).
bool EntryListAt(u32 sectionStart, u32 sectionLength, u32 listsBegin, u32 record, EntryListSpan& list);

// Byte of the current body (0 beyond it). Inline: the index scans read one
// byte per step, and a call per byte cost more than the comparison.
inline u8 DictBodyByte(u32 offset) { return offset < gDictBody.count ? gDictBody.data[offset] : 0; }
// Big-endian 16-bit value at a body offset (0 beyond the body).
inline u32 DictBodyU16(u32 offset) { return static_cast<u32>(DictBodyByte(offset) << 8 | DictBodyByte(offset + 1)); }

// ---- Keys --------------------------------------------------------------------
// A read-only key: its bytes up to the terminator or the array's end.
struct KeyText {
    const u8* bytes = nullptr;
    u32 length = 0;
    // Byte i, 0 beyond the end.
    u8 At(u32 i) const { return i < length ? bytes[i] : 0; }
    u8 Last(u32 fromEnd = 0) const { return fromEnd < length ? bytes[length - 1 - fromEnd] : 0; }
};
KeyText MakeKeyText(const BoundedString& key);
// True when the key is exactly `text` (a NUL-terminated Mac Roman literal).
bool KeyEquals(const KeyText& key, const char* text);
// True when the key begins with `text`.
bool KeyStartsWith(const KeyText& key, const char* text);

// ---- Endings -----------------------------------------------------------------
// What an ending or suffix item spells: number 1 singular, 2 plural, 3 both;
// gender bits 0x10 masculine, 0x20 feminine, 0 none.
struct EndingReading {
    u8 number = 0;
    u8 gender = 0;
};
inline constexpr u8 kGenderBitsMasc = 0x10;
inline constexpr u8 kGenderBitsFem = 0x20;

// French ending code (0x00..0x5F) or suffix code (0xA0..0xFF) against the
// last r characters of the key. False when they do not spell it.
bool MatchFrenchEnding(u8 code, const KeyText& key, u32 r, EndingReading& out);

// Text of ending `index` of the current ending list of `length` (1..10)
// characters; null when the list has no such ending (a fault).
const u8* EndingText(u32 length, u32 index);

// True when slot `slot` of French model `model` ends the key with its last r
// characters (r = 0: the slot's ending is the empty-ending marker "$").
// The "no such form" marker "0" never matches.
bool FrenchSlotMatches(u32 model, u32 slot, const KeyText& key, u32 r);

// Slots of French model `model` whose ending is `length` letters long, as
// bits (slot t: bit t): FrenchSlotMatches(model, t, key, r) can only hold
// for the slots of length r (length 1 when r is 0). Derived from the rows
// on first use after they were converted.
u64 FrenchSlotsOfLength(u32 model, u32 length);

// Number of French model rows loaded (models 0..count-1 exist).
u32 FrenchModelCount();

// The key remainders a French item can read: bit r is set when the item may
// give a reading, or report a data fault, with r key letters left after its
// stem (an ending byte, or with `verb` a model byte after a group code);
// bits up to kFrenchMaxVerbRemainder.
u32 FrenchItemRemainders(bool verb, u8 byte);
