// The compiler checks what it wrote with the library's own reader: the
// French blocks are installed in the library's tables (as the loader would
// from embedded data) and every manifest form is looked up.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "frame/types.h"
#include "tools/datacomp/dict_writer.h"

// The French blocks, in memory.
struct FrenchBlockSet {
    const std::vector<u8>* prefixIndex = nullptr;   // KRZDATA 103
    const std::vector<u8>* body = nullptr;          // KRZDATA 104
    const std::vector<u8>* matrix = nullptr;        // KRZDATA 105
    const std::vector<u8>* modelRows = nullptr;     // KRZDATA 106
    std::array<const std::vector<u8>*, 10> endings{};  // KRZFVER 101..110
};

// Points the library's French tables at the blocks (which must outlive the
// check) and selects French.
void InstallFrenchBlocks(const FrenchBlockSet& blocks);

// Compares one manifest line with what LookupWordForm gives (French plain
// analysis, the line's case mode): the tags as a multiset, and the lemma
// reference of each intended analysis among the first eight. Returns "" when
// they agree, else a description.
std::string CheckManifestEntry(const ManifestEntry& entry);

struct LibraryCheckResult {
    u32 checked = 0;
    u32 failed = 0;
    std::vector<std::string> examples;   // every failure
};
// Every manifest line (blocks installed first).
LibraryCheckResult CheckManifestWithLibrary(const std::vector<ManifestEntry>& manifest);

// The structure of the blocks against the format's invariants: record 0 a
// 6-byte dummy at 0, contiguous sections ending 8 bytes before the body's
// end, ordinals, section sizes and third-letter counts, section count, the
// matrix naming only sections whose key is its letter pair (and 10 for
// "aa"). Returns the violations (empty when none).
std::vector<std::string> CheckDictionaryStructure(const std::vector<u8>& prefixIndex,
                                                  const std::vector<u8>& body,
                                                  const std::vector<u8>& matrix);
