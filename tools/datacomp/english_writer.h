// The English half of the compiler: classification of the English source
// forms into class bytes, and the writer of the English main dictionary
// (prefix index, body, 52 x 52 matrix) in the format the French writer
// uses (entries, sections and their layout come from dict_writer.h).
//
// Classes (the walk turns them into tags):
//   noun 'A'; adjective 'B'; adverb 20 (an -ly adverb reads as an adverb
//   through the class-'8' rules); noun and adjective of the same spelling
//   'M' when the noun reading is the more frequent, 'N' otherwise; proper
//   nouns and acronyms 0x40; closed-class words '8' (every whole word of the
//   walk's closed-class table is written, whatever the sources say of it,
//   and the form gets no other item); contractions 28 with the apostrophe
//   written as the mark 147; abbreviations that take their period: the
//   form without its period, ending code 64; other abbreviations 28.
//   Words no source analyses ("unknown"): kept as class '8' up to SCOWL
//   level 70, the level of the other words (the class-'8' ending rules make
//   -ly words adverbs and -ia words plural nouns), dropped above.
//
// Sections: two-letter words "111" (1), three-letter words "22" (2),
// longer words their two-letter section (capitals have their own pairs),
// pairs beyond the section limit and words not beginning with two letters
// "55" (5), British-only spellings "66" (6), American-only "77" (7),
// hyphenated words "::" (10), WordNet medical words not in the word lists
// the five symbol-pair sections by first letter, capitalised ones 0xC6C6,
// and the 8-byte 0xCFCF section last. Verbs by the length of their stem:
// 0 "3333" (3), 1 "444" (4), 2-3 "55" (5), 4 and more their pair section;
// a verb whose forms are all British (American) in section 6 (7). A noun
// and its plural share one list: regular plurals of three-letter nouns go
// to section 2, pairs whose plural starts another list to section 5 (two
// first letters shared), 4 (one) or 3 (none); an irregular plural follows
// its singular as a variant (mouse / mice).
//
// Plurals: a plural filed apart from its singular takes a code that spells
// the two together (32 after the stem, 31, 59 to 63) when the singular is a
// word of its lemma; any other plural alone is written with code 27 and
// reads as a singular, since code 30, the one code that gives a plural for
// the word itself, also spells the word + "s" and + "es" ("childrens").
// The writer spells no form the sources do not give.
//
// Open values decided here: the flags byte values 137 and 145
// (english_models.h); the number code 30 gives with nothing left is the
// walk's (2).
#pragma once
#include <set>
#include <string>
#include <vector>

#include "frame/types.h"
#include "tools/datacomp/dict_writer.h"
#include "tools/datacomp/english_models.h"
#include "tools/datacomp/english_sources.h"
#include "tools/datacomp/source_forms.h"

constexpr u32 kEnglishSectionLimit = 519;    // the lookup walks no section above
constexpr int kEnglishMaxLevel = 70;         // SCOWL levels compiled
constexpr int kEnglishUnknownMaxLevel = 70;  // unknown words kept up to this level
constexpr int kEnglishNameMaxLevel = 70;     // SCOWL levels of capitalised words and names compiled

// Where a reading is filed before its section number is known.
enum class EnglishPlace : u8 { Normal, British, American, Hyphen, Medical, CapitalMedical };

struct EnglishReading {
    std::string word;    // Mac Roman key text (0x93 apostrophe, 0x9B hyphen)
    std::string lemma;   // UTF-8
    u8 classByte = 0;
    u8 number = 1;       // 1, 2, or 3 (both)
    bool period = false; // abbreviation that takes its period: ending code 64
    EnglishPlace place = EnglishPlace::Normal;
    u32 level = 0;       // SCOWL level (0: none)
    u8 rank = 128;       // order among the items of one spelling: lower first
    bool afterVerb = false;  // read after the verb items of its spelling
    // A singular noun spelt like the regular plural of another noun that is
    // a singular in its own right ("crossroads", "means", "species"): it
    // keeps its singular beside the plural.
    bool singularToo = false;
};

struct EnglishClassified {
    std::vector<EnglishReading> readings;
    std::vector<EnglishVerbForms> verbs;
    std::map<std::string, u32> skipped;   // reason -> count
};
// Classifies the merged English forms (BuildEnglishForms). `ud`, when given,
// orders the noun and adjective readings of one spelling by how often the
// treebank counts each.
EnglishClassified ClassifyEnglish(const std::vector<SourceForm>& forms, int maxLevel = kEnglishMaxLevel,
                                  const UdClassTable* ud = nullptr);

// The verb forms of the word lists that no row spells (the forms of a verb
// that found no row, a verb whose -ing form the lists lack; a regular
// form the principal parts do not give, "hanged") as words without
// analysis (class '8'), so that they are still known; returns how many.
u32 KeepVerbFormsWithoutRow(const std::vector<SourceForm>& forms, const EnglishModelTable& models,
                            std::vector<EnglishReading>& readings, int maxLevel = kEnglishMaxLevel);

struct EnglishDictInput {
    std::vector<EnglishReading> readings;
    EnglishModelTable* models = nullptr;   // flags bytes are set by the writer
    // Lemmas whose noun is the commoner use where the word lists give noun
    // and verb one level (WordNet's sense-tagged counts): their verbs are
    // flagged noun first.
    std::set<std::string> nounsBeforeVerbs;
    // How often the treebank counts each form as each class: where it
    // counts a verb's base form, the noun goes first only where it is clearly
    // the commoner (half as often again as the verb).
    const UdClassTable* ud = nullptr;
};
// The lemmas whose noun senses WordNet's sense-tagged texts count more
// often than their verb senses.
std::set<std::string> NounsCommonerThanVerbs(const WordNetData& wordnet);

// Builds the three blocks and the manifest of the English plain lookup
// (case mode 0, both regional sections read, medical words read).
// Needs the English model rows installed in the library's tables
// (InstallEnglishModels) for the readings of verb items.
DictBlocks WriteEnglishDictionary(EnglishDictInput& input, CompileReport& report);

// Points the library's English model rows and ending lists at the table's
// blocks (which must outlive their use).
void InstallEnglishModels(const EnglishModelTable& table);

// The blocks, installed as the loader would and selected (English); the
// French blocks stay as they are.
struct EnglishBlockSet {
    const std::vector<u8>* prefixIndex = nullptr;
    const std::vector<u8>* body = nullptr;
    const std::vector<u8>* matrix = nullptr;
    const EnglishModelTable* models = nullptr;
};
void InstallEnglishBlocks(const EnglishBlockSet& blocks);

// Looks every manifest form up with the library (English plain analysis,
// both regions, medical words on) and compares.
struct EnglishCheckResult {
    u32 checked = 0;
    u32 failed = 0;
    std::vector<std::string> examples;
};
EnglishCheckResult CheckEnglishManifest(const std::vector<ManifestEntry>& manifest);
std::string CheckEnglishEntry(const ManifestEntry& entry);
