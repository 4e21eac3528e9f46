// English verb models: the verbs of the English sources grouped by ending
// paradigm into the 5-slot model rows the conjugation engine reads (slots
// 0 base, 1 -s, 2 -ing, 3 past, 4 past participle), and the ending lists of
// lengths 1..7.
//
// A verb's stem is the longest common prefix of its five chosen forms; each
// slot's ending is the rest of the form ("$" when nothing is left). Verbs
// with the same five endings share a row. Fixed numbers (see
// kEnglishModelAnchors in english_models.cpp) go to the paradigm of their
// anchor verb; an anchor whose number spells the noun plural with more
// letters than the verb's -s ending (make: "akes") takes a stem that many
// letters shorter, and so do the verbs of its paradigm that end alike. The
// other paradigms take the free numbers that fit them: a number whose past
// form is also read as the participle takes a paradigm whose past and
// participle agree and no other; a number with a noun plural ending takes
// a paradigm with that -s ending; a number whose base is read as a
// participle takes a paradigm whose base and participle agree. Regular
// shapes (base "$", -s, -ing, -ed in some spelling) go below 19 when they
// can, the others from 19 on, largest groups first (groups of one or two
// verbs by commonness); a paradigm no free number fits takes a number
// left over (listed as a loose row), and is left out only when none is. Rows
// 27, 40, 120, 121, 122 stay empty; row 0 repeats row 119 under model
// number 0.
//
// An -ie verb's -ing form in y (tying) is its first choice.
//
// A past participle in -n beside the regular one (sawn, sown, shown) is the
// verb's first choice, on the -n row 24.
//
// Alternative forms of a verb (dreamt beside dreamed, the British
// travelled beside traveled) are kept as entries of their own: the form is
// the stem and a partial row gives "$" in the slots the form fills and "0"
// in the others.
//
// Text: lemma UTF-8; stems, forms and endings Mac Roman.
#pragma once
#include <array>
#include <set>
#include <string>
#include <vector>

#include "frame/types.h"
#include "tools/datacomp/source_forms.h"

constexpr int kEnglishSlotCount = 5;
constexpr int kEnglishModelRowCount = 123;
constexpr int kEnglishRowBytes = 12;
constexpr int kMaxEnglishEndingLength = 7;
constexpr u8 kEnglishEmptyIndex = 0;    // "$" in the length-1 list
constexpr u8 kEnglishNoFormIndex = 7;   // "0" in the length-1 list
constexpr u8 kEnglishBeModel = 37;      // written with bit 7 set: kind 1

// Flags byte of an English verb item: the noun or adjective readings of the
// base and -s forms (set by the dictionary writer). The values and what the
// walk adds for them:
//   135 noun (base singular, -s plural) more common than the verb (its
//       SCOWL level lower): the verb tag is raised by 16 to mark the verb
//       as the second reading
//   136 noun (base singular, -s plural), the verb the more common
//   137 decided meaning: a noun reading to trust less (features bit 0 set,
//       0x3905 / 0x3909); verbs of model 106 get no reading from it. The
//       writer does not use it yet.
//   138 the -s form is a plural noun, the base is no noun
//   144 adjective (base only) more common than the verb (verb tag + 16)
//   145 decided meaning: adjective (base only), the verb the more common
//       (features 0x0D: bit 0 marks the adjective as the second reading)
//   152 noun or adjective (base 0x3704, -s 0x3708)
constexpr u8 kFlagNounFirst = 135;
constexpr u8 kFlagNoun = 136;
constexpr u8 kFlagWeakNoun = 137;
constexpr u8 kFlagPluralNoun = 138;
constexpr u8 kFlagAdjectiveFirst = 144;
constexpr u8 kFlagAdjectiveSecond = 145;
constexpr u8 kFlagNounOrAdjective = 152;

struct EnglishVerbEntry {
    std::string lemma;     // UTF-8 base form
    std::string stem;      // Mac Roman
    u8 model = 0;          // row number
    bool modelFlag = false;  // bit 7 of the model byte (be)
    u8 flags = 0;          // flags byte, set by the dictionary writer
    u8 region = 0;         // 6 / 7: every form of the entry is of that region
    bool alternate = false;  // an alternative form on a partial row
    std::array<std::string, kEnglishSlotCount> forms;  // Mac Roman, "" = none
    u32 level = 0;         // SCOWL level of the base form (0: none)
    u8 ModelByte() const { return modelFlag ? static_cast<u8>(model | 0x80) : model; }
};

struct EnglishModelTable {
    std::vector<EnglishVerbEntry> verbs;   // sorted by lemma, then alternates after their verb
    // Per row: ending of each slot ("0" no form, "$" empty, "" empty row).
    std::array<std::array<std::string, kEnglishSlotCount>, kEnglishModelRowCount> rows{};
    std::array<char, kEnglishModelRowCount> classChars{};
    std::vector<u8> rowBlock;                                          // KRZDATA 206
    std::array<std::vector<u8>, kMaxEnglishEndingLength> endingLists;  // KRZAVER 201..207
    // Numbers given, when every fitting number was taken, to a paradigm the
    // number's reading does not fit (no verb is left out while a number is
    // free); the compiler lists them.
    std::set<u8> looseRows;
    // KRZDATA 207: the conjugation notes of the English verbs, one line
    // per verb in the order of its key: the infinitive (Mac Roman, hyphen
    // 0x9B), then for each form of its slots 1 to 4 other than the row's
    // (the other pairs of its principal parts, second spellings), in the
    // order shown, a tab, the slot digit (1 -s, 2 -ing, 3 past, 4 past
    // participle), "<" when the form is shown before the row's, and the
    // form; a line feed ends the line. Only forms the dictionary holds
    // are named.
    std::vector<u8> notesBlock;
    std::vector<std::string> dropped;     // "lemma: reason"
    std::vector<std::string> differing;   // "lemma: form reason" (kept verbs)
};

// One verb as the sources give it: the forms of each slot, first choice
// first, with their SCOWL regional section (0, 6 or 7).
struct EnglishVerbForms {
    std::string lemma;
    std::array<std::vector<std::pair<std::string, u8>>, kEnglishSlotCount> slots;
    u32 level = 0;
    // The order the conjugation shows a slot's forms in when it is not
    // the slot's order (the principal parts of the list of irregular
    // verbs, first pair first); empty: the slot's order.
    std::array<std::vector<std::string>, kEnglishSlotCount> shown;
};
// Verbs of the English source forms whose base has a SCOWL level of at most
// `maxLevel`, sorted by lemma.
std::vector<EnglishVerbForms> CollectEnglishVerbs(const std::vector<SourceForm>& forms, int maxLevel);

// The principal parts of the list of irregular verbs over the collected
// verbs. Every verb of the list is filed and shows its pairs of past and
// past participle in the list's order, first pair first. A verb the other
// sources already give keeps its first choices on its row (the rows are
// full: a new paradigm would push other verbs out); the forms of the pairs
// it lacks are added as alternative forms, and `shown` puts the list's
// order before the row's. A verb the word lists lack is built from its
// pairs, first pair first. A verb whose -s or -ing form the lists lack
// takes them from the longest verb its infinitive ends with (redraw:
// draw, spoon-feed: feed), so that it stands on that verb's row. Verbs the
// word lists lack (or hold above `maxLevel`) take the level `maxLevel` + 1:
// rarer than every verb compiled, they are the last to take a number.
struct IrregularVerb;
void ApplyPrincipalParts(std::vector<EnglishVerbForms>& verbs, const std::vector<IrregularVerb>& list, int maxLevel);

// Builds the rows, the verb entries and the blocks. Deterministic.
EnglishModelTable BuildEnglishModels(const std::vector<EnglishVerbForms>& verbs,
                                     CompileReport& report);

// The forms an entry generates through the table's rows: (form, slot).
std::vector<std::pair<std::string, u8>> RebuildEnglishVerbForms(const EnglishModelTable& table,
                                                                const EnglishVerbEntry& entry);

// Ending of slot `slot` of row `model` read back from the encoded blocks
// ("0"/"$" kept, "" for an empty row).
std::string DecodeEnglishEnding(const EnglishModelTable& table, u8 model, int slot);
