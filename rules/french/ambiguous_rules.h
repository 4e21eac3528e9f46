// The rules of the ambiguous-word loop of the matcher's second pass, in the
// order the loop runs them on a word of more than one reading, and the
// reading operations they share. W is word i, P the word before it, N the
// word after it; a neighbour outside the sentence fails every test.
#pragma once
#include "frame/types.h"

namespace ambiguous {

// Index of the first counted reading of word i of category c; the reading
// count when there is none.
i32 FirstOfCategory(i32 i, u8 c);
// Category of reading r of word k; 0 for a reading past its count.
u8 CatAt(i32 k, i32 r);
// Class of reading r of word k; 0 for a reading past its count.
u8 ClsAt(i32 k, i32 r);
// Reading k of word i becomes its only reading, with category c. A k past
// the counted readings leaves the word as it is (false).
bool TakeAs(i32 i, i32 k, u8 c);
// The word's readings are all of categories a or b (and it has one).
bool AllOf(i32 i, u8 a, u8 b);
// The nearest word before i not skipped by `skipped`, or word 0 when every
// earlier word is.
i32 WalkBack(i32 i, bool (*skipped)(i32 k));

// Word i follows an adjective that opens a noun group after a determiner,
// and its noun reading may be that group's noun (noun_or_verb.cpp).
bool AfterOpeningAdjective(i32 i);

// Word i is one of the adjectives French puts before the noun ("petit",
// "grand", "premier", an ordinal ...).
bool BeforeNounAdjective(i32 i);

// A noun-or-adjective word of the kind French puts before the noun,
// between a determiner and a noun it agrees with, is the adjective.
void AdjectiveBeforeNoun(i32 i);

// Locution readings, "quel"/"tel" before a verb, noun or adverb, past
// participle or adjective.
void DropLocutionReading(i32 i);
void QuelBeforeVerb(i32 i);
void NounOrAdverb(i32 i);
void PastParticipleOrAdjective(i32 i);
// Article or object pronoun before a finite verb, a present participle, an
// infinitive (mode 1 only).
void ArticleBeforeFiniteVerb(i32 i);
void ArticleBeforeParticiple(i32 i);
void ArticleBeforeInfinitive(i32 i, u16 mode);
// Infinitive (mode 1 only), present participle.
void InfinitiveReading(i32 i, u16 mode);
void PresentParticipleReading(i32 i, u16 mode);
// Noun readings merged; a first word in "s" that is a verb (true when it
// applied: the word is done); noun or verb.
void MergeNounReadings(i32 i);
bool FirstWordVerb(i32 i);
void NounOrVerb(i32 i, u16 mode);

}  // namespace ambiguous
