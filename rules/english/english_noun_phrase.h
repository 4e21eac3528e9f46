// The noun-phrase number stage of the English reading disambiguation: one
// walk over the sentence that chooses between the noun, adjective, adverb
// and verb readings of each word, settles determiners, pronouns and
// collective nouns, and finds the few confusions it can tell on its own
// (their/there, its, your, lets, "real good", "some" after a negation,
// "every where"). The entry point is ResolveEnglishNounPhraseNumber
// (english_passes.h); these are its stages.
#pragma once
#include "frame/records.h"
#include "frame/tables.h"
#include "frame/types.h"

namespace english::np {

// The clause counts of a walk (and its ambiguous words), kept per word and brought up to date around
// the words the walk edited since the last count (CountClauses).
struct ClauseTally {
    bool filled = false;
    i32 count = 0;       // the word count it was filled for
    u64 totals = 0;      // a 12-bit field per bit of word[]: the words with it
    u8 word[128];        // per word of the table: what it adds to each count
    u8 cls[128];         // and the class of its reading 0 when it was taken
};

// Scratch of one walk, reset at entry.
struct WalkState {
    i16 pass = 0;
    i16 result = 0;         // recorded findings; a later one replaces an earlier one
    i16 ending = 0;         // the value a rule ends the walk with
    i16 verbCount = 0;      // the sentence counts
    i16 clauseCount = 0;
    i16 ambiguousCount = 0;
    ClauseTally tally;
};

// Where a word goes after the participle and determiner stages.
enum class Next : u8 {
    kDeterminers,  // on to D2 and the later determiner rules
    kFromP12,      // a determiner of class O to Q: D1, then the noun-phrase rules
    kNounPhrase,   // the noun-phrase number rules (at word 0: from N6)
    kFromN6,
    kEndWalk,      // the walk ends with WalkState::ending
};

// The words the walk wrote since the clause counts last looked: one bit per
// record of the word table.
extern u64 gEditedWords[2];

// The record of word i for writing (rules::W with the same clamp): the word
// is noted as edited. Reads that need no note go through rules::W; the two
// shared edits below note their word the same way.
inline WordRecord& W(i32 i) {
    const i32 k = gWords.Clamp(i);
    gEditedWords[(k >> 6) & 1] |= u64{1} << (k & 63);
    return gWords.data[k];
}
void KeepOne(i32 i);
void SetReading0(i32 i, u8 category, u8 cls);

// Reading edits shared by the stages.
void Collapse(i32 i, i32 r);              // reading r becomes reading 0, its category with it
void CollapseAs(i32 i, i32 r, u8 cat);    // the same with the category given
void MakeAdverbLike(i32 i);
// Verbs and clause openers from word `from` on; `oneReading` counts only
// one-reading verbs, `pairs` adds the verb-or-adjective words after a noun.
// The walk's tally is recounted only around the words edited since.
void CountClauses(ClauseTally& t, i32 from, bool oneReading, bool pairs, i16& verbs, i16& clauses);
// The words of more than one reading, from the same tally.
i16 AmbiguousWords(ClauseTally& t);

// Noun, adjective and adverb reading choice, then the verb-or-noun rules;
// true when the word stopped in them (the infinitive rule after an
// infinitive then runs).
bool ChooseReadings(WalkState& s, i32 i);
void InfinitiveRules(i32 i, bool stopped);
// Participles, personal pronouns, prepositions and conjunctions, "what",
// "that" and the determiners.
Next ParticipleAndConjunctionRules(WalkState& s, i32 i);
// The determiner and pronoun rules from D2 on (D1 alone for kFromP12).
Next DeterminerRules(WalkState& s, i32 i, Next from);
// The noun-phrase number rules, the "some" after a negation and the
// question flag; kEndWalk when a rule ends the walk.
Next NounPhraseRules(WalkState& s, i32 i, Next from);

}  // namespace english::np
