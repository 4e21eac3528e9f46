// Readers of the English lexical sources and their merge into one list of
// word forms with lemma, part of speech and inflection.
//
// Sources (installed by scripts/setup):
//   SCOWL word lists      /usr/share/dict/scowl/<spelling>-<kind>.<size>
//   WordNet 3.0           /usr/share/wordnet/{index,data}.{noun,verb,adj,adv}, *.exc
//   wink-lexicon          node_modules/wink-lexicon/src/lexicon.js
//   english-verbs-irregular node_modules/english-verbs-irregular/dist/verbs.json
//
// Every reader gives SourceForms (tools/datacomp/source_forms.h). All text is
// UTF-8 as the sources spell it (SCOWL and WordNet are plain ASCII but for a
// few words such as "café"; WordNet multi-word entries are not read).
//
// ---------------------------------------------------------------------------
// Tag set of the English SourceForms
// ---------------------------------------------------------------------------
// One SourceForm is one reading of one form: a form with several readings
// ("saw": noun, base of the verb saw, past of see) gives several SourceForms.
//
// po: exactly one value, the part of speech of the reading:
//   "noun"            common noun
//   "verb"            verb form (the lemma is the base form)
//   "adj"             adjective
//   "adv"             adverb
//   "proper"          capitalised word: proper name or other upper-case word
//                     (SCOWL "upper" and "proper-names" lists; lemma = form)
//   "acronym"         word written all in capitals (same lists), and
//                     abbreviations written all in capitals
//   "abbrev"          abbreviation (SCOWL "abbreviations" lists)
//   "contraction"     contracted form holding an apostrophe ("can't", "I'll")
//   "closed:det"      determiner (Penn DT)          "closed:predet" (PDT)
//   "closed:prep"     preposition or subordinator (IN)
//   "closed:conj"     coordinating conjunction (CC)
//   "closed:pron"     personal pronoun (PRP)        "closed:pron-poss" (PRP$)
//   "closed:wh-pron"  who, whom, what (WP, WP$)     "closed:wh-det" (WDT)
//   "closed:wh-adv"   how, when, where, why (WRB)
//   "closed:modal"    can, may, will … (MD)         "closed:there" (EX)
//   "closed:to"       the particle to (TO)          "closed:interj" (UH)
//   "closed:particle" adverbial particle (RP)       "closed:num" (CD)
//   "unknown"         a SCOWL word that no source analyses (kept so that the
//                     encoder can decide; counted in the stats)
//
// is: any number of values:
//   inflection  nouns: "singular", "plural"; verbs: "base", "3sg",
//               "present" (a non-3sg present other than the base: am, are),
//               "present-participle", "past", "past-participle";
//               adjectives/adverbs: "positive", "comparative", "superlative"
//   "irregular" an inflection of the reading is not made by the regular
//               rules (WordNet exception lists, irregular principal parts):
//               went, children, dreamt, put (base, past and participle in one
//               reading); regular spellings listed as exceptions (hopped,
//               bigger) lack it
//   "level:NN"  SCOWL size of the form, 10 (most common) .. 95, two digits;
//               absent when the form is in no SCOWL list (WordNet-only words)
//   "region:us" | "region:gb" | "region:gbz" | "region:ca" | "region:au"
//               spelling lists that hold the form (gbz: British with -ize);
//               none when the form is in the lists common to every spelling
//   "variant:1" | "variant:2" | "variant:3" | "variant:gb1" | "variant:gb2" |
//   "variant:ca1" | "variant:ca2" | "variant:au1" | "variant:au2"
//               SCOWL lists of accepted variant spellings (1 mostly American,
//               2 less common, 3 seldom used)
//   "section:6" British (Commonwealth) spelling absent from the American
//               lists: colour, centre, organise, travelled
//   "section:7" American spelling absent from the British lists: color,
//               center, traveled, analyze
//   "domain:medical" the lemma has a WordNet sense in a medical domain
//   "period"    an abbreviation written with its period ("Mr." "etc.")
//   "wink:N"    (wink readings only) rank of the reading in wink's list,
//               0 = the word's most frequent tag
//
// other: "key:value" facts the classifier may weigh:
//   "wink:NN,JJ"          wink-lexicon Penn tags of the form, most frequent first
//   "senses:N"            WordNet sense count of the lemma in this part of speech
//   "counterpart:color"   the other region's spelling of a section 6/7 word
//   "analysed-as:organized" a regional spelling that no source analyses took
//                          the readings of its counterpart (lemma respelt:
//                          organised → lemma organise)
//   "src:scowl" | "src:wordnet" | "src:wink" | "src:irregular-verbs"
//                          which reader made the SourceForm (merged forms carry
//                          the sources of their reading)
//
// The English classifier maps these to class bytes: noun → 'A' (irregular
// plurals as variant entries), adj → 'B', adv → 20 (58 for the fixed
// adverbs), noun + adj readings → 'M' / 'N' / '7' / 'E' by which reading
// dominates (wink order, sense counts), proper → 0x40, closed:* and the
// words of the closed-class table → '8', abbrev + period → ending code 64,
// contraction → apostrophe mark; noun/adj readings of verb base and -s
// forms → the verb flags byte; section:6/7 → the regional sections;
// domain:medical words absent from the general lists → medical sections.
#pragma once
#include <cstddef>
#include <map>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "frame/types.h"
#include "tools/datacomp/source_forms.h"

// Where Debian installs the lists, and the files inside node_modules.
inline constexpr const char* kScowlDir = "/usr/share/dict/scowl";
inline constexpr const char* kWordNetDir = "/usr/share/wordnet";
inline constexpr const char* kWinkLexiconFile = "wink-lexicon/src/lexicon.js";
inline constexpr const char* kIrregularVerbsFile = "english-verbs-irregular/dist/verbs.json";

// ---------------------------------------------------------------- SCOWL

// Spelling lists (bits of ScowlWord::regions).
enum ScowlSpelling : u32 {
    kSpellEnglish = 1u << 0,  // common to every spelling
    kSpellUs = 1u << 1,
    kSpellGb = 1u << 2,
    kSpellGbz = 1u << 3,
    kSpellCa = 1u << 4,
    kSpellAu = 1u << 5,
    kSpellVariant1 = 1u << 6,
    kSpellVariant2 = 1u << 7,
    kSpellVariant3 = 1u << 8,
    kSpellGbVariant1 = 1u << 9,
    kSpellGbVariant2 = 1u << 10,
    kSpellCaVariant1 = 1u << 11,
    kSpellCaVariant2 = 1u << 12,
    kSpellAuVariant1 = 1u << 13,
    kSpellAuVariant2 = 1u << 14,
};

enum class ScowlKind : u8 { Words, Upper, ProperNames, Abbreviations, Contractions };

// A list file name "<spelling>-<kind>.<size>" taken apart.
struct ScowlListName {
    u32 spelling = 0;
    ScowlKind kind = ScowlKind::Words;
    int level = 0;
};
// False for names outside that pattern (special-hacker.50, README …).
bool ParseScowlListName(const std::string& fileName, ScowlListName& out);

// What the lists say of one spelling.
struct ScowlWord {
    int level = 0;     // smallest size of a list holding the word
    u32 spellings = 0; // ScowlSpelling bits of every list holding it
    u8 kinds = 0;      // bit (1 << ScowlKind) of every list holding it
};

struct ScowlWords {
    std::unordered_map<std::string, ScowlWord> words;
    std::size_t files = 0;
    std::size_t lines = 0;
    std::size_t possessivesSkipped = 0;  // "abetter's": the lookup strips 's itself
    // The words whose possessive a "words" list holds at any level ("outland"
    // for "outland's", listed at 95): nouns, whatever their own level.
    std::unordered_set<std::string> possessed;
};

// Adds one list (its text, one word a line). Words ending in "'s" are not
// kept (possessives), other words with an apostrophe are.
void AddScowlList(const ScowlListName& name, const std::string& text, ScowlWords& out);
// Takes only the possessives of a "words" list (one above the levels read).
void AddScowlPossessives(const ScowlListName& name, const std::string& text, ScowlWords& out);
// Reads every list of `dir` up to `maxLevel` (10..95), the lists of
// capitalised words and proper names up to `nameMaxLevel` (at least
// `maxLevel`). False with `error` when the directory holds no list.
bool ReadScowlDir(const std::string& dir, int maxLevel, ScowlWords& out, std::string& error,
                  int nameMaxLevel = 0);

// Regional section of a spelling: 6 for a Commonwealth spelling (British,
// British -ize, Canadian or Australian lists) that no American or common list
// holds, 7 for an American spelling that no British or common list holds,
// 0 otherwise (common, in both, or only in variant lists).
int RegionalSection(const ScowlWord& w);
// The other region's spelling of a section 6 or 7 word, found by the usual
// spelling pairs (our/or, re/er, ise/ize, yse/yze, isation/ization, doubled
// l, ence/ense, ogue/og, ae/e, oe/e, mme/m, yre/ire) and checked against the
// lists: the candidate must be a section 7 (resp. 6) or common word. "" when
// none is found.
std::string RegionalCounterpart(const std::string& form, const ScowlWords& scowl);

// One SourceForm per word: lemma = form, po by the list kind ("unknown" for
// the Words lists), is: level, region, variant, section, period.
std::vector<SourceForm> ScowlSourceForms(const ScowlWords& scowl);

// ---------------------------------------------------------------- WordNet

enum WordNetPos : u8 { kWnNoun = 0, kWnVerb = 1, kWnAdj = 2, kWnAdv = 3 };

struct WordNetLemma {
    u16 senses[4] = {0, 0, 0, 0};  // sense count per WordNetPos (0: not that part)
    // How often the senses of each part were tagged in WordNet's sense-tagged
    // texts (cntlist.rev): a measure of which part is the commoner use.
    u32 tagged[4] = {0, 0, 0, 0};
    bool medical = false;          // a sense in a medical domain
};

struct WordNetException {
    std::string form;
    std::string lemma;
    WordNetPos pos = kWnNoun;
};

struct WordNetData {
    // Single-word lemmas (lower case as the index writes them).
    std::unordered_map<std::string, WordNetLemma> lemmas;
    std::vector<WordNetException> exceptions;  // file order, noun verb adj adv
    // Medical lemmas as the data files spell them (keeps capitals:
    // "Parkinsonism"), single words only, sorted.
    std::vector<std::string> medicalSpellings;
    std::size_t multiWordSkipped = 0;
};

// index.<pos> text: one lemma a line "lemma pos synset_cnt p_cnt ptr… sense_cnt …".
void ReadWordNetIndexText(const std::string& text, WordNetPos pos, WordNetData& out);
// cntlist.rev text: "lemma%ss_type:…  sense_number  tag_count" a line; the
// counts are added per lemma and part (satellite adjectives to adjectives).
void ReadWordNetTagCountText(const std::string& text, WordNetData& out);
// <pos>.exc text: "form lemma [lemma…]" a line.
void ReadWordNetExceptionText(const std::string& text, WordNetPos pos, WordNetData& out);
// Medical vocabulary: the words of every synset (four data texts) with a
// topic link (";c") to "medical science", "anatomy" or a topic below them
// (pathology, surgery, pharmacology …), and of every noun synset below one of
// the medical concepts: symptom, pathological state (diseases), medical
// procedure, medicinal drug, body part, body substance, microorganism.
// `dataTexts` are data.noun, data.verb, data.adj, data.adv in that order.
void ReadWordNetDomains(const std::string* dataTexts, WordNetData& out);
// All of the above from `dir`. False with `error` when a file is missing.
bool ReadWordNetDir(const std::string& dir, WordNetData& out, std::string& error);

// Lemmas (po noun/verb/adj/adv, is base/singular/positive, senses, medical)
// and exception forms (is plural, past…, irregular).
std::vector<SourceForm> WordNetSourceForms(const WordNetData& wn);

// ---------------------------------------------------------------- wink-lexicon

struct WinkLexicon {
    std::unordered_map<std::string, std::vector<std::string>> tags;  // Penn tags
};
// Parses lexicon.js (its "var X = 'X';", "var A_… = [ … ];" and
// "lexicon.word = A_…;" / "lexicon[ 'w' ] = A_…;" lines).
bool ParseWinkLexicon(const std::string& text, WinkLexicon& out, std::string& error);
bool ReadWinkLexicon(const std::string& path, WinkLexicon& out, std::string& error);
// po for a Penn tag: "closed:…" for the closed classes, "noun", "verb",
// "adj", "adv", "proper"; "" for tags we do not read (POS, FW, LS, SYM…).
// `is` receives the inflection the tag implies (NNS → plural, VBD → past…).
std::string PoOfPennTag(const std::string& tag, std::vector<std::string>* is);
// One SourceForm per (word, tag) with po from PoOfPennTag (lemma = form for
// closed classes, "" for open ones: wink does not give lemmas).
std::vector<SourceForm> WinkSourceForms(const WinkLexicon& wink);

// ---------------------------------------------------------------- irregular verbs

struct IrregularVerb {
    std::string lemma;
    std::vector<std::pair<std::string, std::string>> parts;  // (past, past participle)
};
// Parses verbs.json {"arise":[["arose","arisen"]], …}; sorted by lemma.
bool ParseIrregularVerbs(const std::string& json, std::vector<IrregularVerb>& out,
                         std::string& error);
bool ReadIrregularVerbs(const std::string& path, std::vector<IrregularVerb>& out,
                        std::string& error);
// base, past and past-participle SourceForms (all "irregular"; a past or
// participle made by the regular -ed rule, such as "dreamed", is not).
std::vector<SourceForm> IrregularVerbSourceForms(const std::vector<IrregularVerb>& verbs);

// ---------------------------------------------------------------- merge

// How often each frequent form (lower case) is each part of speech in a
// hand-tagged treebank (tools/datacomp/en_ud_classes.tsv, made by
// en_ud_classes.py): form -> (Universal POS tag -> count).
using UdClassTable = std::map<std::string, std::map<std::string, u32>>;
// Parses the table's text (comment lines start with '#').
UdClassTable ParseUdClassTable(const std::string& text);
// The count of `upos` for `form` (lower-cased), 0 when not counted.
u32 UdCount(const UdClassTable& table, const std::string& form, const char* upos);
// True when the table counts `form` at all.
bool UdCounted(const UdClassTable& table, const std::string& form);

struct EnglishSources {
    ScowlWords scowl;
    WordNetData wordnet;
    WinkLexicon wink;
    std::vector<IrregularVerb> irregularVerbs;
    UdClassTable ud;
};

struct EnglishSourcePaths {
    std::string scowlDir = kScowlDir;
    std::string wordnetDir = kWordNetDir;
    std::string nodeModulesDir;  // tools/node_modules
    int maxLevel = 95;           // SCOWL lists read
    int nameMaxLevel = 0;        // lists of capitalised words and names (0: maxLevel)
    std::string udClassTable;    // en_ud_classes.tsv ("": none)
};

// Reads the four sources. False with `error` naming the one that failed.
bool ReadEnglishSources(const EnglishSourcePaths& paths, EnglishSources& out,
                        std::string& error);

struct EnglishFormStats {
    std::size_t scowlWords = 0;     // SCOWL spellings considered
    std::size_t forms = 0;          // SourceForms made
    std::size_t unknown = 0;        // SCOWL words no source analyses
    std::size_t unknownUpTo60 = 0;  // … of them at SCOWL level 60 or below
    std::size_t borrowed = 0;       // regional spellings analysed as their counterpart
    std::size_t irregular = 0;      // readings from exception lists / principal parts
    std::size_t regular = 0;        // readings made by the regular rules
    std::size_t closedClass = 0;    // closed:* readings
    std::size_t medicalOnly = 0;    // medical WordNet words in no SCOWL list
    std::size_t section6 = 0;       // SCOWL words of section 6
    std::size_t section7 = 0;       // SCOWL words of section 7
    std::size_t counterparts = 0;   // section 6/7 words whose counterpart was found
};

// Every reading of every SCOWL word, plus the medical WordNet words that no
// SCOWL list holds. For a lower-case SCOWL word: its WordNet lemmas, the
// exception lists and irregular principal parts naming it, the regular
// inflections (-s/-es/-ies plurals and 3sg, -ed/-d/-ied and doubled pasts,
// -ing, -er/-est) whose lemma WordNet lists in that part of speech, and its
// closed-class wink tags (and its open wink tags when nothing else analyses
// it). Capitalised words, abbreviations and contractions keep their SCOWL
// kind. Every SourceForm carries the SCOWL fields of its form (level,
// region, variant, section, counterpart) and the wink tags. Sorted by form,
// then po, lemma and is: the same sources give the same list.
std::vector<SourceForm> BuildEnglishForms(const EnglishSources& sources,
                                          EnglishFormStats& stats);

void ReportEnglishStats(const EnglishSources& sources, const EnglishFormStats& stats,
                        CompileReport& report);

// Field helpers on English SourceForms.
bool EnglishHasIs(const SourceForm& f, const std::string& value);
// SCOWL level of a form (the "level:NN" field), 0 when it has none.
int EnglishLevel(const SourceForm& f);
