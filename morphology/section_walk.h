// The section walk: reads the entries of one section of the current main
// dictionary for one key and appends an analysis for every entry that
// spells it.
//
// An analysis i is three parallel values: tags[i] (the caller's array, often
// gWordTagCodes), gWordAnalysisBytes[i] and gWordLemmaRefs[i] (a byte offset
// in gDictBody, or one of the small fixed marks 4, 8, 40, 60, 62). Indexes
// are clamped to each array's last element: a ninth analysis's lemma
// reference overwrites the eighth's, a 21st tag the 20th.
#pragma once
#include "frame/bounded_array.h"
#include "frame/types.h"

// Analysis modes: language << 8 | operation. An operation above 31 is a
// plain analysis; 31 or less is an inflection operation passed down.
inline constexpr u16 kModeFrenchPlain = 800;
inline constexpr u16 kModeEnglishPlain = 0;
inline constexpr u16 kModeSectionEightBit = 0x200;
inline constexpr u8 ModeOperation(u16 mode) { return static_cast<u8>(mode & 0xFF); }
inline constexpr bool IsPlainOperation(u16 mode) { return ModeOperation(mode) > 31; }
// French: an inflection operation other than 4, 8 and 9 answers at the
// first matching item and writes nothing.
inline constexpr bool IsEarlyAnswerMode(u16 mode) {
    const u8 op = ModeOperation(mode);
    return op <= 31 && op != 4 && op != 8 && op != 9;
}

// Walks section `section` (1..gDictSectionCount-1) for `key` (a reserved
// prefix plus the word, or the word itself for a two-letter section) and
// appends the analyses from index `count` on, raising `count`.
// Result: 0 when the section is out of range or nothing answered (a French
// plain analysis also returns 0 after a complete walk: compare the count);
// kind + 1 (1, or 2 after a 151 mark) for an early answer; 1 for an
// infinitive-only verb (models 125, 127) found by its stem; after a stop
// mark (152) in French plain analysis, the new count.
// The English items are not read yet: an English walk finds nothing.
i16 LookupInDictSection(u16 mode, i16 section, const BoundedString& key, BoundedArray<u16>& tags,
                        u16& count);

// Tags of a French defective or irregular form (puis, faut, veuille,
// gisons, ouïs...), key compared whole: tags from index 0, the analysis byte
// written at the incoming count, count = number of tags. Any other key:
// unless tags[0] is 0x1A00, tags[0] becomes 0x1C00 and the count 1.
void AnalyseDefectiveVerbForm(const BoundedString& key, BoundedArray<u16>& tags, u16& count);
