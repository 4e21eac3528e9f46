// Readers of the npm sources under tools/node_modules: word frequency ranks
// (@zxcvbn-ts/language-fr) and the words before which articles do not elide
// (french-h-muet-aspire).
#pragma once
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "frame/types.h"
#include "tools/datacomp/source_forms.h"

// Files inside a node_modules directory.
inline constexpr const char* kFrenchSubtitleRanksFile = "@zxcvbn-ts/language-fr/src/commonWords.json";
inline constexpr const char* kFrenchWikipediaRanksFile = "@zxcvbn-ts/language-fr/src/wikipedia.json";
inline constexpr const char* kHAspireFile = "french-h-muet-aspire/dist/index.js";

// Word (UTF-8, as listed: lower case, some elided forms like "l'") → rank,
// 1 = most frequent. Ranks of the two lists are merged by taking the better.
struct FrequencyRanks {
    std::unordered_map<std::string, u32> rank;
};

// Reads one JSON array of strings (most frequent first) and merges its ranks
// into `ranks`. False with `error` when unreadable or not an array of strings.
bool ReadRankList(const std::string& jsonPath, FrequencyRanks& ranks, std::string& error);
// Both French lists from `nodeModulesDir`.
bool ReadFrenchFrequencies(const std::string& nodeModulesDir, FrequencyRanks& ranks,
                           std::string& error);
// Rank of a word (tried as given, then lower-cased); 0 when unranked.
u32 FrequencyRank(const FrequencyRanks& ranks, const std::string& word);

// The h-aspiré words, as the package lists them (UTF-8; mostly lower case,
// some capitalised names and compounds with '-' or "'"), duplicates merged.
struct HAspireWords {
    std::unordered_set<std::string> words;
};
bool ReadHAspireWords(const std::string& nodeModulesDir, HAspireWords& out, std::string& error);
// True when `word` (or `word` with a capital initial H lowered) is listed.
bool IsHAspire(const HAspireWords& list, const std::string& word);

void ReportSourceLists(const FrequencyRanks& ranks, const HAspireWords& hAspire,
                       CompileReport& report);
