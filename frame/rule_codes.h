// Finding codes and what each one carries.
//
// A finding code is a plain 16-bit number: 0 means nothing was found,
// 1..63 are reported, and the codes are ordered (the findings of one
// sentence come out in ascending code order). Rules may return a name
// below or the number itself; both are the same u16. The names keep the
// numeric order, so ranges such as "code >= kCodeWordSequence" still read
// as before.
//
// The traits table says, per code, what the rest of the checker does with
// a finding: the record class and category-mask bit the recorders give it,
// which recorders write it, the rule that turns its report fields into a
// word span, and the recipe that builds its replacement text.
#pragma once
#include "frame/types.h"

using RuleCode = u16;

enum FindingCode : u16 {
    kCodeNone = 0,
    kCodeUnknownWord = 1,              // unknown word, or a run of unknown words
    kCodeAbbreviation = 2,             // abbreviation or acronym
    kCodeLexiconReplacement = 3,       // word replaced from the user lexicon
    kCodeSentenceTooLong = 4,          // 128 words or more: not checked
    kCodeRegister = 8,                 // slang, colloquial, unsophisticated, literary, archaic
    kCodeRepeatedWord = 16,            // the same word twice in a row
    kCodeHomophone = 32,               // homophone written for another
    kCodeLigature = 37,                // missing or superfluous ligature
    kCodeProperNounCapital = 38,       // user-lexicon proper noun without its capital
    kCodeHyphen = 39,                  // missing or superfluous hyphen
    kCodeWordSequence = 40,            // the word-sequence family; the letter names the rule
    kCodeQualifierAgreement = 41,      // agreement of a qualifier
    kCodeClauseAgreement = 42,         // agreement within a noun or relative clause
    kCodeParticipleAgreement = 43,     // past participle agreement
    kCodeSubjectVerbAgreement = 44,    // subject and verb
    kCodeAttributeAgreement = 45,      // attribute or determiner agreement
    kCodeInfinitiveForParticiple = 46, // infinitive written for a participle
    kCodeParticipleForInfinitive = 47, // participle written for an infinitive
    kCodeSignBalance = 48,             // stray or unbalanced sign
    kCodeVerbConstruction = 49,        // verb construction
    kCodePartitive = 50,               // partitive after a quantity
    kCodeNeighbours = 52,              // incompatible neighbours (a/an, ce/cet, bel/beau)
    kCodeMoodAfterIf = 53,             // mood or tense after "if" / "si"
    kCodeReadingGate = 54,             // the dispatcher's reading trial only; never reported
    kCodeMissingVerb = 55,             // missing verb
    kCodeQuestionWithoutMark = 56,     // question without its question mark
    kCodeMarkWithoutQuestion = 57,     // question mark without a question
    kCodeUnanalysable = 58,            // sentence that cannot be analysed
    kCodeNegation = 59,                // incomplete negation
    kCodeRepetition = 60,              // the same word repeated in the sentence
    kCodeTooManyRelatives = 61,        // too many relative pronouns
    kCodeThirdSubordinate = 62,        // third subordinate clause
    kCodeLongSentence = 63,            // long sentence
    // The correction composer's name for one target of a paired
    // subject-verb finding; it carries the traits of that finding.
    kCodePairedSubjectVerb = 300,
};

// Word span of a finding, from the report fields (gLastErrorPos,
// gErrorDetail, gErrorVariant, gErrorExtent); checking/sentence_check.cpp
// and checking/suggestions.cpp read them.
enum class SpanRule : u8 {
    kSentenceStart,    // word 0; no correction span
    kErrorWord,        // the error word
    kUnknownRun,       // variants 'A', 'B': detail words from the error word
    kDetailWords,      // detail words from the error word
    kMoodAfterIf,      // details 4 and 6: the error word and the next
    kWithPrevious,     // the previous word and the error word
    kWordSequence,     // the previous word and the error word, shaped by the letter
    kRegister,         // variant 'P': the previous word too
    kHyphen,           // variant 'A': the error word; else the pair at gErrorExtent
    kQualifier,        // variant 'C': a count in the detail; else the clause
    kClause,           // the clause of the error word
    kNegation,         // variants 'N', 'P'; any other: word 0 and no correction
    kMissingVerb,      // the word the correction names (word 0 without)
    kQuestionEnd,      // the word before the sentence-end mark
    kLastWord,         // the last word
};

// Recipe of the replacement text (checking/correction*.cpp).
enum class CorrectionRecipe : u8 {
    kNone,              // no replacement is offered
    kSpelling,          // spelling forms, fixed variants, runs of words
    kSynonym,           // a synonym of another register
    kRepeatedWord,      // the word once
    kHomophone,         // the homophone meant
    kLigature,          // the word with a ligature made or undone
    kHyphen,            // words joined or split at a hyphen
    kConfusable,        // the confusable word meant
    kAgreement,         // the composer's agreement passes
    kParticiple,        // participle or infinitive form of the verb
    kSubjectVerb,       // the verb form that agrees with its subject
    kVerbConstruction,  // pronoun or preposition of the construction
    kPartitive,         // "de" / "d'"
    kNeighbours,        // the form that fits the next word
    kMood,              // the verb in the mood or tense asked
    kMissingVerb,       // the verb form of the confusable noun
    kNegation,          // the missing part of the negation
};

// Flags of a finding.
inline constexpr u8 kFindingSpellingRecord = 1;  // the spelling recorder writes it too
inline constexpr u8 kFindingBitPerDetail = 2;    // category bit shifted by detail 1..5
inline constexpr u8 kFindingSilentInEnglish = 4;  // never reported under English checking

struct FindingTraits {
    u16 errorClass;    // record class (KRZ_CLASS_*)
    u32 categoryBit;   // category-mask bit (KRZ_CATEGORY_*); 0: always recorded
    u8 flags;          // kFinding* flags
    SpanRule span;
    CorrectionRecipe recipe;
};

// Traits of a code. A code without a row of its own (0, the unused
// numbers, codes above 63 but kCodePairedSubjectVerb) takes those of
// "every other code": grammar class, always recorded by the grammar
// recorder, the span of word 0, no correction.
const FindingTraits& TraitsOf(RuleCode code);
