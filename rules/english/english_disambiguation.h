// Stages of the English reading disambiguation (english_passes.h holds the
// entry point). Each works on the sentence table gWords.
#pragma once
#include <cstddef>

#include "frame/tables.h"
#include "frame/types.h"
#include "rules/rule_words.h"

namespace english {

// What a word rule tells the word loop.
enum class WordOutcome : u8 { kGoOn, kReturn };

// Scratch of one call; reset at entry.
struct PassState {
    i16 pass = 0;
    i16 result = 0;   // the call's result slot
    i16 early = 0;    // the value of an early return (kReturn)
};

// Reading reorder of the two leading readings (every pass).
void ReorderReadings();
// Noun-or-verb words inside a noun group take the noun reading where the
// verb cannot stand, and a participle after "have" its verb reading (every
// pass).
void NounsInNounGroups();
// Linking-verb flag on the verb readings that take a predicative
// complement (pass 1).
void MarkLinkingVerbs();
// Elimination by category pairs with the pronoun-case checks; writes the
// result slot.
void EliminateByCategoryPairs(PassState& s);

// Rules of the word loop on word i.
WordOutcome InfinitiveMarkerRules(PassState& s, i32 i);   // "to"
// Modal, auxiliary and particle-verb rules; true when the participle
// groups A to D of ParticipleRules are to be skipped.
WordOutcome ModalRules(PassState& s, i32 i, bool& skipToShortWords);
void ParticipleRules(PassState& s, i32 i, bool skipToShortWords);
// A verb and its particle at word i ("gave up", "let it out"): the phrase
// of the verb's base form, '_' and the particle goes to the lexical
// database; a known phrase settles both words.
void ParticleVerbRules(const PassState& s, i32 i);
// The phrase for the particle at word i in `phrase` ("give_up"); the
// index of its verb, or -1 when word i is no particle of a verb.
i32 ParticleVerbPhrase(const PassState& s, i32 i, BoundedString& phrase);
// A known phrase: the particle takes class 31 and one reading, the verb
// one reading unless an article or a determiner follows the particle; the
// verb's BaseText holds the phrase.
void SettleParticleVerb(i32 verb, i32 particle, const BoundedString& phrase);
// The base form of verb v's reading 0 built from its model row: the
// ending of its form cut, the base ending put on.
void VerbBaseForm(i32 v, BoundedString& out);
// "that's", "that" and "what" of category 5: their use read from the words
// around them; false for any other word.
bool ThatOrWhatRules(const PassState& s, i32 i);
// Word k is a noun whose clause of "that" tells its content ("the fact
// that", "the hope that"): "that" after it is the conjunction.
bool TakesContentClause(i32 k);
// Word k is a noun of one reading that "that" after it refers back to: the
// relative pronoun, unless the noun takes a content clause.
bool RelativeAfter(i32 k);
void ShortWordRules(PassState& s, i32 i, i32 length);
// "anyone", "something", "nobody" ... keep their indefinite pronoun
// reading; false for any other word.
bool IndefiniteCompound(i32 i);
// The class of an interjection reading ("hello", "oh", "please").
constexpr u8 kInterjectionClass = 0x12;
// The index of word i's interjection reading; -1: none.
i32 InterjectionReadingOf(i32 i);
// A word with an interjection reading that stands alone at the head of
// its sentence or clause ("Well, I came.", "Yes.", "Oh no") keeps that
// reading; true when it did.
bool InterjectionAlone(i32 i);
// The set phrases that begin with "at", "by", "in", "of" or "on" at word i;
// true when one was settled.
bool MarkShortSetPhrase(i32 i);
// The "if" rules at word i (not the last word).
void IfRules(i32 i);

// What a set phrase makes of its words.
enum class PhraseEffect : u8 { kAdverbial, kNominal, kPrepositional, kConjunctive };
// Settles the k words from i as one phrase: each gets the effect's
// category and class (18 and 26, 10 and '.', 15 and ',', 17 and '*'); the
// words after i keep one reading and lose their features (the last one
// alone with `lastOnly`); a conjunctive phrase settles word i+1 alone,
// and so do the three-word prepositions of "in" and "by" that end in "to",
// "of", "with" or "for".
void MarkPhrase(i32 i, i32 k, PhraseEffect e, bool lastOnly = false);
// One reading of category 10, class 'A', features 4 and `mark`.
void NounReading(i32 i, u8 mark);
// Word w has a noun reading (category 10 in slot 0 or 1).
bool HasNounReading(i32 w);
// Word w lies past the sentence or is its closing mark.
bool EndsSentence(i32 w);

// The lemma reference of the first reading of `word` that is no verb form
// (0 when there is none), analysed anew; start-up lookups of the lemmas the
// rules write.
u32 NounLemmaOf(const char* word);
// Sixteen 36-byte work strings for the analyses the English rules make
// (the analysis clears them on entry), and a 36-byte string for the word
// to analyse.
StringList& WorkSlots();
BoundedString& WorkWord();

// Word w is one of the alternatives of a phrase word written a|b|c
// (`length` bytes).
bool WordIsAlternative(i32 w, const char* word, size_t length);
// Word w's text as the alternatives test it: read once as the literal
// tests read it, its length taken when an alternative's first byte first
// agrees with a text compared as written (-1 before).
struct AlternativeText {
    rules::LiteralWord word;
    i32 length = -1;
};
AlternativeText ReadAlternativeText(i32 w);
// The word is the alternative of n bytes at `alternative` (begins with it
// when `prefix`; an empty prefix is any word, an empty word none).
bool FitsAlternative(AlternativeText& t, const char* alternative, size_t n, bool prefix);

// The lemma reference of the noun "are" in our data (0 when it has none);
// looked up once.
u32 AreNounLemma();
// The lemma reference of "see" (analysed anew).
u32 SeeLemma();

}  // namespace english
