// The French reference dictionary (KRZDATA 303 index, 304 text, 305 token
// table, 306 phrase table) from a thesaurus in the MyThes text format:
// a first line naming the encoding, then per headword "word|n" followed by
// n meaning lines "(Label)|synonym|synonym...". An entry is its headword, a
// part-of-speech label per meaning and the meaning's synonyms.
#pragma once
#include <map>
#include <string>
#include <vector>

#include "frame/types.h"

struct ThesaurusMeaning {
    std::string label;                  // UTF-8, as in the source: "(Nom)"
    std::vector<std::string> synonyms;  // UTF-8, in source order
};
struct ThesaurusHeadword {
    std::string word;  // UTF-8
    std::vector<ThesaurusMeaning> meanings;
};

// Parses the text; false with a message when it is not in the format.
bool ParseThesaurus(const std::string& text, std::vector<ThesaurusHeadword>& out, std::string& error);

struct LitDictBlocks {
    std::vector<u8> index, text, tokens, phrases;
    u32 entries = 0;
    std::map<std::string, u32> dropped;  // reason -> headwords
    u32 droppedSynonyms = 0;             // synonyms without codes, or past a line's 12
    u32 cutEntries = 0;                  // entries cut to the row's size
    // Per entry in text order: its displayed headword (Mac Roman) and its
    // intended display text (what the expansion must give).
    std::vector<std::string> headwords, expected, keys;
};

// Synonyms kept per meaning line.
inline constexpr u32 kLitDictSynonymsPerLine = 12;

LitDictBlocks CompileLitDict(const std::vector<ThesaurusHeadword>& source);

// Installs the blocks in the library's tables (as the loader would).
void InstallLitDictBlocks(const LitDictBlocks& b);

// Block 307: the number of entries that carry a register label (big-endian
// u32), counted in the installed blocks with the library's reader, so that
// a start need not read the whole text to learn it.
std::vector<u8> RegisterCountBlock(const LitDictBlocks& b);

// Expands every entry with the library's reader and compares it with the
// intended text and the headword's lookup; returns the differences.
std::vector<std::string> CheckLitDict(const LitDictBlocks& b);
