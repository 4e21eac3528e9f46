// Cores of the word-service exports (infinitive, conjugation, plural,
// singular, one-word analysis). Each core switches to the asked language
// for the call (and back on every path), cleans the word (typography
// flattened, enclosing quotes removed), remembers its capitals, runs the
// inflection engine and gives the results the typed word's shape.
// Results are Mac Roman; at most results.count of them are written.
#pragma once
#include "frame/bounded_array.h"
#include "frame/tables.h"
#include "frame/types.h"

// Host result slots of each export.
inline constexpr u32 kInfinitiveSlots = 2;
inline constexpr u32 kConjugationSlots = 6;
inline constexpr u32 kNumberFormSlots = 2;  // plural, singular
// Most word classes OneWordAnalysisCore reports.
inline constexpr u32 kMaxWordClasses = 8;

// Result codes the cores give for an empty word.
inline constexpr u16 kEmptyInfinitive = 11;
inline constexpr u16 kEmptyConjugation = 20;
inline constexpr u16 kEmptyNumberForm = 35;

// Infinitive(s) of a verb form: the model code (above 100 for a marked
// model), 9 for a capitalised French word the dictionary does not know
// under any accent, 11 for an empty word or a word that is no verb form.
u16 InfinitiveCore(const BoundedString& word, u16& count, StringList& results, u16 accents, u16 language);

// Conjugation of a verb in one tense (0 present participle, 1 past
// participles, 2 present ... 9 imperative, 10 English principal parts;
// French -9 and -8 as u16: the adjectives related to a noun, the nouns
// related to an adjective). Returns the model code (100 taken off a marked
// model, 39 reported as 21), kTenseRefused for a tense the checking
// language does not have (English: any but 10), 9, 11, 20 for an empty word. `flags`: bit 0 marked model, bits 1..3 the verb
// class from the engine's high byte, bit 4 its low nibble 8; 0 on the
// paths that do not run the engine.
inline constexpr u16 kTenseRefused = static_cast<u16>(-2);  // -2 at the exports
u16 ConjugateCore(u16 tense, const BoundedString& word, i16& count, StringList& results, u16& flags,
                  u16 accents, u16 language);

// Plural or singular forms: 0 when at least one form was produced, else
// the engine's code (9 refused, 34 invariable, 35 no plural ...); 35 for an
// empty word.
u16 PluralCore(const BoundedString& word, i16& count, StringList& results, u16 accents, u16 language);
u16 SingularCore(const BoundedString& word, i16& count, StringList& results, u16 accents, u16 language);

// The word classes of a word: 1 (also for an empty word, count 0) or 0 when
// the word is unknown. classes[0..count-1] hold each class once, in the
// order of the analyses (English classes written as the French letters:
// 'B' adjective, 'A' noun, 'C' both, 0x14 and 0x80 the two other classes).
u16 OneWordAnalysisCore(const BoundedString& word, u16& count, BoundedArray<u8>& classes,
                        u16 accentsOnCapitals, u16 language);
