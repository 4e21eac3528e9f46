// The traits table of the finding codes.
#include "frame/rule_codes.h"

#include "krzlib.h"

namespace {

using S = SpanRule;
using C = CorrectionRecipe;

struct Row {
    RuleCode code;
    FindingTraits traits;
};

constexpr u8 kSpell = kFindingSpellingRecord;

constexpr Row kRows[] = {
    {kCodeUnknownWord, {KRZ_CLASS_SPELLING, 0, kSpell, S::kUnknownRun, C::kSpelling}},
    {kCodeAbbreviation, {KRZ_CLASS_SPELLING, 0, kSpell, S::kSentenceStart, C::kNone}},
    {kCodeLexiconReplacement, {KRZ_CLASS_LEXICON_REPLACEMENT, 0, kSpell, S::kSentenceStart, C::kNone}},
    {kCodeSentenceTooLong, {KRZ_CLASS_GRAMMAR, 0, kSpell, S::kSentenceStart, C::kNone}},
    {kCodeRegister, {KRZ_CLASS_GRAMMAR, KRZ_CATEGORY_REGISTER, 0, S::kRegister, C::kSynonym}},
    {kCodeRepeatedWord, {KRZ_CLASS_GRAMMAR, KRZ_CATEGORY_REPEATED_WORD, 0, S::kWithPrevious, C::kRepeatedWord}},
    {kCodeHomophone, {KRZ_CLASS_GRAMMAR, 0, 0, S::kErrorWord, C::kHomophone}},
    {kCodeLigature, {KRZ_CLASS_GRAMMAR, KRZ_CATEGORY_LIGATURE, 0, S::kErrorWord, C::kLigature}},
    {kCodeProperNounCapital,
     {KRZ_CLASS_GRAMMAR, KRZ_CATEGORY_PROPER_NOUN_CAPITAL, kSpell, S::kSentenceStart, C::kNone}},
    {kCodeHyphen, {KRZ_CLASS_GRAMMAR, 0, kFindingSilentInEnglish, S::kHyphen, C::kHyphen}},
    {kCodeWordSequence, {KRZ_CLASS_GRAMMAR, 0, 0, S::kWordSequence, C::kConfusable}},
    {kCodeQualifierAgreement, {KRZ_CLASS_QUALIFIER_AGREEMENT, 0, 0, S::kQualifier, C::kAgreement}},
    {kCodeClauseAgreement, {KRZ_CLASS_CLAUSE_AGREEMENT, 0, 0, S::kClause, C::kAgreement}},
    {kCodeParticipleAgreement, {KRZ_CLASS_PARTICIPLE_AGREEMENT, 0, 0, S::kErrorWord, C::kParticiple}},
    {kCodeSubjectVerbAgreement, {KRZ_CLASS_SUBJECT_VERB_AGREEMENT, 0, 0, S::kErrorWord, C::kSubjectVerb}},
    {kCodeAttributeAgreement, {KRZ_CLASS_ATTRIBUTE_AGREEMENT, 0, 0, S::kClause, C::kAgreement}},
    {kCodeInfinitiveForParticiple, {KRZ_CLASS_GRAMMAR, 0, 0, S::kErrorWord, C::kParticiple}},
    {kCodeParticipleForInfinitive, {KRZ_CLASS_GRAMMAR, 0, 0, S::kErrorWord, C::kParticiple}},
    {kCodeSignBalance, {KRZ_CLASS_GRAMMAR, KRZ_CATEGORY_SIGN_1, kFindingBitPerDetail, S::kSentenceStart, C::kNone}},
    {kCodeVerbConstruction,
     {KRZ_CLASS_GRAMMAR, KRZ_CATEGORY_VERB_CONSTRUCTION, 0, S::kErrorWord, C::kVerbConstruction}},
    {kCodePartitive, {KRZ_CLASS_GRAMMAR, 0, 0, S::kDetailWords, C::kPartitive}},
    {kCodeNeighbours, {KRZ_CLASS_GRAMMAR, 0, 0, S::kWithPrevious, C::kNeighbours}},
    {kCodeMoodAfterIf, {KRZ_CLASS_GRAMMAR, 0, 0, S::kMoodAfterIf, C::kMood}},
    {kCodeMissingVerb, {KRZ_CLASS_GRAMMAR, KRZ_CATEGORY_MISSING_VERB, 0, S::kMissingVerb, C::kMissingVerb}},
    {kCodeQuestionWithoutMark,
     {KRZ_CLASS_GRAMMAR, KRZ_CATEGORY_QUESTION_WITHOUT_MARK, 0, S::kQuestionEnd, C::kNone}},
    {kCodeMarkWithoutQuestion,
     {KRZ_CLASS_GRAMMAR, KRZ_CATEGORY_MARK_WITHOUT_QUESTION, 0, S::kLastWord, C::kNone}},
    {kCodeUnanalysable, {KRZ_CLASS_GRAMMAR, KRZ_CATEGORY_UNANALYSABLE, 0, S::kSentenceStart, C::kNone}},
    {kCodeNegation, {KRZ_CLASS_GRAMMAR, KRZ_CATEGORY_NEGATION, 0, S::kNegation, C::kNegation}},
    {kCodeRepetition, {KRZ_CLASS_GRAMMAR, KRZ_CATEGORY_REPETITION, 0, S::kErrorWord, C::kNone}},
    {kCodeTooManyRelatives, {KRZ_CLASS_GRAMMAR, KRZ_CATEGORY_RELATIVES, 0, S::kSentenceStart, C::kNone}},
    {kCodeThirdSubordinate, {KRZ_CLASS_GRAMMAR, KRZ_CATEGORY_SUBORDINATES, 0, S::kErrorWord, C::kNone}},
    {kCodeLongSentence, {KRZ_CLASS_GRAMMAR, KRZ_CATEGORY_LONG_SENTENCE, 0, S::kSentenceStart, C::kNone}},
};

constexpr FindingTraits kOtherCode = {KRZ_CLASS_GRAMMAR, 0, 0, S::kSentenceStart, C::kNone};

constexpr u32 kIndexedCodes = 64;

struct Index {
    FindingTraits byCode[kIndexedCodes];
};

constexpr Index BuildIndex() {
    Index index{};
    for (FindingTraits& t : index.byCode) t = kOtherCode;
    for (const Row& row : kRows) index.byCode[row.code] = row.traits;
    return index;
}

constexpr Index kIndex = BuildIndex();

}  // namespace

const FindingTraits& TraitsOf(RuleCode code) {
    if (code == kCodePairedSubjectVerb) code = kCodeSubjectVerbAgreement;
    return code < kIndexedCodes ? kIndex.byCode[code] : kOtherCode;
}
