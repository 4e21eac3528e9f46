// French verb models: groups the source's verbs by ending paradigm into the
// 51-slot model rows that the conjugation engine reads, and writes the rows
// and the per-length ending lists.
//
// Slots (the low byte of a verb tag): 0 infinitive, 1 present participle,
// 2..5 past participle m.sg, m.pl, f.sg, f.pl, 6..47 present, imperfect,
// future, simple past, present subjunctive, imperfect subjunctive,
// conditional (1sg 2sg 3sg 1pl 2pl 3pl each), 48..50 imperative 2sg 1pl 2pl.
//
// Text in this interface: `lemma` is UTF-8 as the source spells it; every
// stem and ending is Mac Roman bytes (œ/æ written "oe"/"ae"), ready to encode.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "frame/types.h"
#include "tools/datacomp/frequency.h"
#include "tools/datacomp/source_forms.h"

constexpr int kVerbSlotCount = 51;
constexpr int kFrenchModelRowCount = 123;      // rows 0..122
constexpr int kFrenchRowBytes = 156;           // 1 + 2 + 51 + 2 * 51
constexpr int kMaxFrenchEndingLength = 10;
constexpr u16 kNoFormEndingIndex = 3;          // "0" in the length-1 list
constexpr u16 kEmptyEndingIndex = 9;           // "$" in the length-1 list
constexpr u8 kModelFlag = 0x80;                // model byte bit 7: invariable participle
constexpr u8 kStemOnlyModel = 125;             // stem alone, no slot matching
constexpr u8 kDefectiveModel = 127;            // infinitive-only / explicit tables

// Flags byte of a verb item. Bits 5..7 are the tag's class nibble.
constexpr u8 kVerbIntransitive = 0x20;
constexpr u8 kVerbPronominal = 0x40;
constexpr u8 kVerbTransitive = 0x80;
// Bits 0..4: the same spelling also reads as a noun or adjective.
constexpr u8 kReadPastParticipleNoun = 0x02;   // m.sg (and m.pl) participle is a noun ("un reçu")
constexpr u8 kReadPastParticipleFem = 0x01;    // f.sg/f.pl participle is a feminine noun ("une entrée")
constexpr u8 kReadPresentFemNoun = 0x04;       // present 1sg/2sg is a feminine noun ("une marche")
constexpr u8 kReadPresentMascNoun = 0x08;      // present 1sg/2sg is a masculine noun ("un rêve")
constexpr u8 kReadPresentAdjective = 0x10;     // present 1sg/2sg is an adjective ("calme")

// One stem on one row: form of slot t = stem + ending of row `model`, slot t.
struct VerbStemRow {
    std::string stem;   // Mac Roman
    u8 model = 0;       // row number 0..122 (125/127: stem-only models, no row)
};

// The forms a verb entry generates: one per (stem row, slot) pair whose
// ending is not "0". `row` is 0 for the base, 1 + i for variants[i].
struct GeneratedVerbForm {
    std::string form;   // Mac Roman
    u8 slot = 0;
    u8 row = 0;
};

// One verb kept in the dictionary.
struct VerbModelEntry {
    std::string lemma;        // UTF-8 infinitive
    std::string lemmaMR;      // Mac Roman infinitive
    VerbStemRow base;         // the base item (model byte + flags byte)
    // Alternate-row items, each written after a variant mark 156 following
    // the base item, in this order (rows 83/93/103 for the second stem, 13
    // for the "ie" forms of row 9). Usually zero or one.
    std::vector<VerbStemRow> variants;
    bool modelFlag = false;   // invariable participle: set bit 7 of every model byte
    u8 flags = 0;             // flags byte (same for the base and its variants)
    // A second paradigm of the same verb (asseoir's "assois" forms) is a
    // second entry with the same lemma and secondParadigm set.
    bool secondParadigm = false;
    // Source forms of this verb that no row gives (spelling variants beyond
    // the rows, forms of verbs on 125/127): the writer may encode them as
    // separate items or leave them out. `row` is unused (0).
    std::vector<GeneratedVerbForm> extraForms;
    std::vector<std::string> extraReasons;  // parallel to extraForms
    u8 ModelByte(u8 model) const { return modelFlag ? u8(model | kModelFlag) : model; }
};


// Per verb lemma (UTF-8), the source's forms (Mac Roman, œ/æ expanded) of
// each slot, first form first (all source entries of the lemma together).
// Only entries with a verb code are read; inverted "-je" forms and
// pronoun-suffixed imperatives are left out.
using VerbSlotForms = std::array<std::vector<std::string>, kVerbSlotCount>;
std::vector<std::pair<std::string, VerbSlotForms>> CollectVerbSlotForms(
    const std::vector<SourceForm>& forms);

// A fixed model number with the verb that must stand on it.
struct ModelAnchor {
    u8 model;
    const char* verb;       // UTF-8 infinitive
    const char* behaviour;  // what the rules expect of this model
};

struct VerbModelTable {
    std::vector<VerbModelEntry> verbs;            // sorted by lemmaMR (byte order)
    // Per row: ending text of each slot (Mac Roman; "0" no form, "$" empty).
    std::array<std::array<std::string, kVerbSlotCount>, kFrenchModelRowCount> rows;
    std::array<std::array<char, 2>, kFrenchModelRowCount> groupChars;
    // Encoded blocks.
    std::vector<u8> rowBlock;                                   // KRZDATA 106: 123 x 156 bytes
    std::array<std::vector<u8>, kMaxFrenchEndingLength> endingLists;  // KRZFVER 101..110
    // Source verbs not kept, and kept verbs whose source forms are not all
    // rebuilt (variant forms beyond the rows, defective verbs...): "lemma: reason".
    std::vector<std::string> dropped;
    std::vector<std::string> differing;
    // Noun/adjective readings absorbed into the flags byte of a verb:
    // (Mac Roman form, lemma UTF-8) pairs the dictionary writer need not
    // encode as separate noun/adjective items.
    std::vector<std::pair<std::string, std::string>> absorbedReadings;
    // Absorbed lemmas (UTF-8) with the category they were absorbed as
    // ("nom" or "adj"): skip the source forms of these lemmas of that category.
    std::vector<std::pair<std::string, std::string>> absorbedLemmas;
};

// Groups every verb of `forms` (po:v… entries with po:infi/ipre… tags) into
// model rows, pins the fixed model numbers (see model_anchors.h), builds the
// ending lists and encodes the blocks. Notes its counts in `report`.
// When there are more paradigms than free numbers, the paradigms whose
// verbs are least frequent (`ranks`; without ranks: fewest verbs) are
// pruned. Deterministic: the same input gives byte-identical blocks.
VerbModelTable BuildVerbModels(const std::vector<SourceForm>& forms, CompileReport& report,
                               const FrequencyRanks* ranks = nullptr);

// The first verb kept under this infinitive (UTF-8), or null. A source entry
// of its own (sortir "to go out" and sortir "to result", seoir twice) is a
// separate entry with the same lemma; FindVerbModels gives them all.
const VerbModelEntry* FindVerbModel(const VerbModelTable& table, const std::string& lemma);
std::vector<const VerbModelEntry*> FindVerbModels(const VerbModelTable& table,
                                                  const std::string& lemma);

// Every form that `entry` generates through the table's rows (the model
// flag drops slots 3..5). Verbs on models 125/127 generate their infinitive
// only (slot 0).
std::vector<GeneratedVerbForm> RebuildVerbForms(const VerbModelTable& table,
                                                const VerbModelEntry& entry);

// Ending text (Mac Roman, "0"/"$" markers kept) of slot `slot` of row
// `model` as the encoded blocks give it; used to check the blocks.
std::string DecodeEnding(const VerbModelTable& table, u8 model, int slot);

// UTF-8 to Mac Roman with œ/æ spelled "oe"/"ae"; false when a character has
// no Mac Roman byte.
bool VerbTextToMacRoman(const std::string& utf8, std::string& out);
