// Per-word syntax records of the analysis exports: for every reading of a
// word its kind, gender, number, person and verb form, read from the
// reading's class and feature bytes.
#pragma once
#include "frame/types.h"

// Size of one reading slot and of one word's record in the host buffer.
inline constexpr u32 kSyntaxSlotSize = 52;
inline constexpr u32 kSyntaxRecordSize = 8 * kSyntaxSlotSize;

struct ReadingValues {
    u8 kind = 0;
    u8 gender = 0;    // 1 masculine, 2 feminine, 3 both; 0 not given
    u8 number = 0;    // 1 singular, 2 plural, 3 both; 0 not given
    u8 person = 0;    // 1..3; 0 not given
    u8 verbForm = 0;  // 0 no verb form; 1 infinitive, 2 present participle,
                      // 3 past participle, 4..10 the finite tenses, 11 imperative
};

// Values of a reading of class byte `cls` and feature byte `features`.
ReadingValues DecodeReading(u8 cls, u8 features);

// Writes the records of the sentence in hand:
// one per word from recordCount on while below maxWords; records and
// readingCounts may be null (nothing is written).
void BuildSyntaxAnalysisRecords(u32 maxWords, u32& recordCount, u16* readingCounts, u8* records,
                                u16 withBaseForms);
