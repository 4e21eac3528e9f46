// The homophone lists of both languages (the library's gFrenchTaggedWords
// and gEnglishTaggedWords), compiled into two data blocks of our own.
//
// Entry text (Mac Roman), as frame/tagged_words.h reads it:
//   '0' + length of the word, a two-character group key, the word, then
//   annotations " \xA4" + code (a category number on two digits, 'V' + a
//   verb form slot for a verb entry, or a letter M F S P I D $ % & ( ), then
//   an optional free comment.
//
// The French list begins with a fixed table of 98 entries whose positions
// the homophone context rules name (duplicates included); both lists hold a
// few fixed rows of their own. Everything after them is generated:
//   - present participles with a verbal adjective spelled differently
//     (convainquant / convaincant), found in the French source lexicon;
//   - groups of common words that espeak-ng pronounces alike.
// A word of a fixed row is never listed again under another key: generated
// homophones of a fixed word join the fixed row's group.
//
// Blocks: KRZDATA 401 (English list) and KRZDATA 402 (French list), each
// the entries one after the other, every entry followed by a NUL byte. The
// ids lie outside the ranges the resource layer maps for the dictionary and
// verb data (103-106, 203-206, 303-306), so the loader finds them by type and
// id directly.
#pragma once
#include <utility>
#include <string>
#include <vector>

#include "frame/tagged_words.h"
#include "frame/types.h"
#include "tools/datacomp/frequency.h"
#include "tools/datacomp/source_forms.h"

inline constexpr u16 kEnglishTaggedBlockId = kEnglishTaggedWordsBlock;  // 401
inline constexpr u16 kFrenchTaggedBlockId = kFrenchTaggedWordsBlock;    // 402
// Entries 0..97 of the French list: the fixed homophone table.
inline constexpr u32 kFrenchFixedTableSize = 98;

struct TaggedEntry {
    std::string word;         // Mac Roman
    std::string key;          // two bytes
    std::string annotations;  // Mac Roman: " \xA4" + code ..., then the comment
    bool fixed = false;       // never dropped nor moved
};

// The entry's text; "" when the word is empty or longer than 35 bytes or
// the key is not two bytes.
std::string FormatTaggedEntry(const TaggedEntry& entry);
// Splits an entry text; false when it is not in the entry format (a length
// byte that does not fit, a short key, an annotation without a code).
bool ParseTaggedEntry(const std::string& text, TaggedEntry& out);
// The codes of the entry's annotations in order ("11", "F", "V51").
std::vector<std::string> TaggedAnnotationCodes(const TaggedEntry& entry);

// The fixed rows (Mac Roman). French: the 98 table entries (telling rows
// included, at their places). English: the telling rows.
std::vector<TaggedEntry> FrenchFixedEntries();
std::vector<TaggedEntry> EnglishFixedEntries();

// Block bytes: each entry's text followed by NUL.
std::vector<u8> EncodeTaggedBlock(const std::vector<TaggedEntry>& entries);

// ---- Pronunciations ---------------------------------------------------------

// Runs espeak-ng (voice pinned, phoneme mnemonics, no sound) on the words
// (UTF-8, one word each) in parallel chunks, writing its inputs in workDir.
// phonemes[i] is the raw output line for words[i]. False with `error` when
// espeak-ng cannot be run or its output does not line up with the input.
bool RunEspeak(const std::string& voice, const std::vector<std::string>& words,
               const std::string& workDir, std::vector<std::string>& phonemes,
               std::string& error);

// A pronunciation reduced to what tells words apart by ear: stress, syllable
// and pause marks dropped; for English the distinctions the American voice
// makes but speakers do not ("aa" as "a", a schwa before a final l, "eI3" as
// "e@"). Equal sound keys make homophones. "" for an empty pronunciation.
std::string SoundKey(bool english, const std::string& phonemes);

// ---- Generation -------------------------------------------------------------

// One reading of a candidate word, as the sources give it.
struct CandidateReading {
    std::string lemma;   // UTF-8
    std::string code;    // category annotation: "11", "12", "18" ...; "V" for a verb form
    std::string marks;   // letter annotations after the category, e.g. " \xA4M \xA4P"
    int slot = -1;       // verb form slot when the source tells it (English), else -1
};

struct Candidate {
    std::string word;    // UTF-8
    std::vector<CandidateReading> readings;
};

// French words common enough to be confused: every form of the source whose
// frequency rank is 1..maxRank (1 the most frequent),
// written in lower case letters (apostrophe and hyphen allowed), with its
// readings (noun, adjective, noun or adjective, verb form, and the function
// word categories). Sorted by word.
std::vector<Candidate> FrenchCandidates(const std::vector<SourceForm>& forms,
                                        const FrequencyRanks& ranks, u32 maxRank);
// English words of SCOWL level 1..maxLevel in lower case (and contractions
// such as "they're", "I'll"), with their readings. Sorted by word.
std::vector<Candidate> EnglishCandidates(const std::vector<SourceForm>& forms, int maxLevel);

// Present participle / verbal adjective pairs (UTF-8): a present participle
// of the source whose adjective differs only in the ending (-quant/-cant,
// -guant/-gant, -geant/-gent, -ant/-ent) when the source lists that
// adjective (masculine singular) under another lemma. Sorted by participle.
std::vector<std::pair<std::string, std::string>> ParticipleAdjectivePairs(
    const std::vector<SourceForm>& forms);

// What the list builder needs of the library: the verb form slot of a word
// (its first verb analysis), -1 when it has none; and whether the word
// analyses as the category code claims. Null functions accept everything.
struct TaggedWordChecks {
    int (*verbSlot)(const std::string& macRoman) = nullptr;
    bool (*analysesAs)(const std::string& macRoman, const std::string& code) = nullptr;
};

struct TaggedListStats {
    u32 fixed = 0;
    u32 pairs = 0;          // participle/adjective entries
    u32 groups = 0;         // new generated groups
    u32 joined = 0;         // generated entries added to a fixed group
    u32 generated = 0;      // generated entries kept
    u32 dropped = 0;        // generated entries that do not analyse as claimed
    std::vector<std::string> fixedNotAnalysed;   // reported, kept
    std::vector<std::string> droppedExamples;
};

// Builds a list: the fixed rows, then the participle pairs (French), then
// the homophone groups of the candidates (soundKeys[i] is candidate i's
// sound key). Generated entries that the checks refuse are dropped; fixed
// rows the checks refuse are reported. Keys of new groups are two
// characters from 0-9 A-Z a-z not used by a fixed row, in order ("00" is
// left out: it is the key of the verb candidates' code strings).
std::vector<TaggedEntry> BuildTaggedList(
    const std::vector<TaggedEntry>& fixedRows,
    const std::vector<std::pair<std::string, std::string>>& participlePairs,
    const std::vector<Candidate>& candidates, const std::vector<std::string>& soundKeys,
    const TaggedWordChecks& checks, TaggedListStats& stats);

void ReportTaggedList(const char* language, const std::vector<TaggedEntry>& list,
                      const TaggedListStats& stats, CompileReport& report);

// ---- Library checks ---------------------------------------------------------

// Checks through the library's one-form lookup, on the tables currently
// installed: French (mode 800) or English (mode 0). The caller installs the
// blocks first.
TaggedWordChecks FrenchLibraryChecks();
TaggedWordChecks EnglishLibraryChecks();

// ---- Whole lists ------------------------------------------------------------

// Words common enough to be confused: French frequency ranks up to this,
// English SCOWL levels up to this.
inline constexpr u32 kFrenchHomophoneMaxRank = 15000;
inline constexpr int kEnglishHomophoneMaxLevel = 35;

// The French list: fixed table, participle pairs, homophone groups of the
// common source forms; espeak-ng runs in workDir. False with `error` when
// espeak-ng fails.
bool CompileFrenchTaggedList(const std::vector<SourceForm>& forms, const FrequencyRanks& ranks,
                             const std::string& workDir, const TaggedWordChecks& checks,
                             std::vector<TaggedEntry>& list, CompileReport& report,
                             std::string& error);
// The English list: telling rows, homophone groups of the common forms.
bool CompileEnglishTaggedList(const std::vector<SourceForm>& forms, const std::string& workDir,
                              const TaggedWordChecks& checks, std::vector<TaggedEntry>& list,
                              CompileReport& report, std::string& error);
// True when the English dictionary tables hold sections (the English
// checks can run).
bool EnglishDictionaryInstalled();

// The compiler's stage: both lists as block bytes. English forms are read
// from the English sources (npmDir: tools/node_modules) unless given.
// espeak-ng works in workDir (created). With `check`, the entries are
// checked with the library's lookup on the installed French tables (and the
// English ones when installed; otherwise the English list is reported as not
// checked). False with `error` when a source or espeak-ng fails.
bool CompileTaggedListBlocks(const std::vector<SourceForm>& frenchForms,
                             const FrequencyRanks& ranks, const std::string& npmDir,
                             const std::vector<SourceForm>* englishForms,
                             const std::string& workDir, bool check,
                             std::vector<u8>& englishBlock, std::vector<u8>& frenchBlock,
                             CompileReport& report, std::string& error);
