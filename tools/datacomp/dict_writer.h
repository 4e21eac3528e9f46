// Writer of the French main dictionary: prefix index, body and 52 x 52
// section matrix.
//
// Input: the readings to encode (word, intended tag or class byte, lemma,
// reserved section) and the verbs of the model table. The writer
//  1. places every word in a section: two-letter sections by the first two
//     letters; reserved sections 1 (two-letter words, key "111" + word),
//     2 (three-letter words, "22"), 3/4/5 (verbs whose stems share 0 / 1 /
//     2-3 letters, "3333" / "444" / "55"; also words whose letter pair has
//     no section, "55"), 7 (hyphenated, "77"), 8 (non-eliding, "88"),
//     9 (capitalised, "99" + the word in lower case), 10 (all capitals,
//     "::" + the word in lower case; and every word beginning "aa");
//  2. chooses, per lemma and section, the fewest items (stem + ending code +
//     class byte) that give exactly the intended analyses and nothing else;
//  3. lays the sections out (third-letter index, fourth-letter index,
//     entry lists), with a 6-byte dummy section 0, contiguous sections,
//     8 trailing bytes and no item below body offset 80;
//  4. enforces the limits (section <= 65,535 bytes, <= 85 third letters,
//     section number <= 384, key <= 30 bytes, verb remainder <= 10) by
//     moving rare letter pairs to section 5 and dropping the least frequent
//     lemmas of an oversized section; every drop is listed with its reason;
//  5. computes, for every encoded form, the analyses the one-form lookup
//     must give (the walk order of the lookup applied to the items written):
//     the manifest of the round trip.
#pragma once
#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "frame/types.h"
#include "morphology/dict_format.h"
#include "tools/datacomp/source_forms.h"
#include "tools/datacomp/verb_models.h"

// Limits of the format and of its readers.
constexpr u32 kMaxSectionBytes = 65535;
constexpr u32 kMaxThirdLetters = 85;
constexpr u32 kMaxFrenchSection = 384;    // highest section number a reader accepts
constexpr u32 kMaxLookupKeyBytes = 30;    // after ligature expansion
constexpr u32 kMaxVerbRemainder = 10;
constexpr u32 kReservedSections = 10;     // sections 1..10
constexpr u32 kFirstLemmaOffset = 80;     // smaller references are fixed marks
constexpr u32 kBodyTrailerBytes = 8;
constexpr u32 kDummySectionBytes = 6;
// The reserved section that the lookup walks before the other sections of
// verb forms (4, 5, 8, the two-letter sections, 7): a reading filed there
// comes before the readings of a verb form of the same spelling.
constexpr u8 kSectionBeforeVerbs = 3;

// Control bytes of the entry grammar (kGroupCodeFirst, kCountCodeFirst,
// kMarkModifier, kMarkVariant...) come with the library's reader.

// One reading to encode (a noun, adjective, proper noun or function word).
struct WordReading {
    std::string word;     // Mac Roman lookup key text: lower case, marks 0x9B/0x93/0x8B
    std::string lemma;    // UTF-8 (manifest and grouping)
    u16 tag = 0;          // intended tag (class byte chosen by the writer), or
    u8 classByte = 0;     // non-zero: this class byte is written as is
    u8 number = 0;        // with classByte: number 1..3 and gender bits the
    u8 gender = 0;        //   ending must give
    u8 section = 0;       // 7, 8, 9, 10 forced; 0: by length and spelling
    u8 caseMode = 0;      // lookup capitalisation: 0, 1 capitalised, 3 all capitals
    bool functionWord = false;  // a function word's reading (read before a noun's)
    u32 rank = 0;         // frequency rank of the lemma, 1 best; 0 unranked
};

// One analysis as the walk gives it.
struct Analysis {
    u16 tag = 0;
    u8 byte = 0;    // analysis byte
    u32 ref = 0;    // lemma reference (body offset); 0: left as the walk found it
    bool operator==(const Analysis&) const = default;
};

// One line of the round-trip manifest: a form, how it is looked up, and what
// the lookup must give.
struct ManifestEntry {
    std::string word;      // Mac Roman key text
    u8 caseMode = 0;
    std::vector<Analysis> analyses;
    std::string lemma;     // UTF-8, first reading's lemma
};

struct DictInput {
    std::vector<WordReading> words;
    const VerbModelTable* verbs = nullptr;   // may be null: no verbs
    std::map<std::string, u32> verbRanks;    // infinitive (UTF-8) -> rank
    std::set<std::string> nonElidingVerbs;   // infinitives (UTF-8) filed in section 8
};

struct SectionStat {
    std::string key;   // two key bytes (Mac Roman)
    u32 bytes = 0;
    u32 thirdLetters = 0;
    u32 entries = 0;
};

struct DictBlocks {
    std::vector<u8> prefixIndex;   // KRZDATA 103
    std::vector<u8> body;          // KRZDATA 104
    std::vector<u8> matrix;        // KRZDATA 105
    std::vector<ManifestEntry> manifest;  // sorted by word, then case mode
    std::vector<SectionStat> sections;    // index order (0 = dummy)
    u32 formsEncoded = 0;
    // Readings not written: "word (lemma): reason", sorted.
    std::vector<std::string> pruned;
};

// Builds the three blocks. Deterministic. Notes counts, section sizes and
// pruning reasons in `report`.
DictBlocks WriteDictionary(const DictInput& input, CompileReport& report);

// Manifest as text, one form a line:
//   word TAB caseMode TAB tag:byte:ref[,tag:byte:ref...] TAB lemma
// word in Mac Roman with bytes outside 0x21..0x7E (and '\\') written \xHH;
// tag in 4 hex digits, byte and ref in decimal; lemma UTF-8.
std::string FormatManifest(const std::vector<ManifestEntry>& manifest);
// The reverse; false on a malformed line (with its number in `error`).
bool ParseManifest(const std::string& text, std::vector<ManifestEntry>& out, std::string& error);

// ---- Pieces, exposed for the tests ----------------------------------------

// The remainders an ending code (0..0x5F) or a suffix code (160..255) can
// spell (Mac Roman), all lengths.
const std::vector<std::string>& EndingCodeRemainders(u8 code);

// Indexes into the French suffix list of the suffixes a suffix code
// selects, in the order the reader tries them (empty below 160).
std::vector<u32> FrenchSuffixIndexes(u8 code);

// True when `b` can stand in a French stem (a letter byte the walk does not
// read as a control code).
bool IsFrenchStemLetter(u8 b);

// One item of an entry: ending byte + class byte, or model byte + flags byte.
struct DictItem {
    u8 head = 0;
    u8 trailer = 0;
};

// One entry of an entry list: stem letters, items (a verb entry: one group
// of one model item), optionally preceded by the variant mark.
struct DictEntry {
    std::string stem;          // letters after the four implicit key characters
    std::vector<DictItem> items;
    bool group = false;        // the items form a verb group (group code)
    bool variant = false;      // written after a variant mark 156
    bool stop = false;         // a stop mark 152 before the first item (literal form)
};

// Bytes of one entry (count code when it has 2..6 items, group code for a
// verb group). At most 6 items.
std::vector<u8> EncodeEntry(const DictEntry& entry);

// A section laid out from its entry lists keyed by (third, fourth) letter:
// third-letter index, fourth-letter index, lists. `padTo` > 0 adds a pad
// list (letters 0, 0) so that no list byte lies below body offset `padTo`
// when the section starts at `start`. Offsets of each list's first byte
// (relative to the section) are returned in `listOffsets`, in map order.
std::vector<u8> LayoutSection(const std::map<std::pair<u8, u8>, std::vector<u8>>& lists,
                              u32 start, u32 padTo, std::vector<u32>* listOffsets);
