// New verbs of the user lexicon conjugated like a model verb of the main
// dictionary (or of the lexicon): the model's reading, the check of the
// pair, and the forms the lexicon stores for the new verb.
#pragma once
#include "frame/bounded_array.h"
#include "frame/tables.h"
#include "frame/types.h"

// The model verb's first verb reading.
struct LexModelReading {
    u8 modelByte = 0;   // analysis byte of the first verb reading
    bool slot0 = false; // some verb reading is the infinitive
};

// Analyses the lower-cased model verb in `language` (lexicon lookups as
// they stand). 0, 3 (no analysis) or 4 (no verb reading).
i16 ReadLexModelVerb(const BoundedString& model, u16 language, LexModelReading& out);

// Letters at the end of the new verb that must equal the model verb's for
// model number `model`: -1 when the French model number is 113 or above.
i32 LexModelEndingLength(u32 model, u32 modelLength, u16 language);

// 1 when the main dictionary (lexicon lookups suspended) analyses word in
// `language`; the checking language is put back.
u16 IsMainDictionaryWord(const BoundedString& word, u16 language);

// The rows of a new verb (normalised, lower-cased `verb`) conjugated like
// modelVerb: 0 with rows[0..count-1], or 3, 4, 5, 6, 13, 14, 21.
i16 LexVerbRows(const BoundedString& verb, u16 verbFlag, const BoundedString& modelVerb,
                StringList& rows, u16& count, u16 language);

// Model number of a French model byte (bit 7 dropped).
inline u32 LexModelNumber(u8 m) { return m > 128 ? m - 128u : m; }
