// The explanation texts of the finding codes: one decision tree
// (explanation_builder.cpp) shared by both interface languages, and one
// table of passages (explanation_texts.cpp), each with its English and its
// French text, looked up by the identifiers below.
//
// An identifier names one passage: the texts appended at one step of the
// tree, in order. Where a passage holds a placeholder ("%s", "%d") the tree
// passes its arguments; a passage never holds a literal '%'.
#pragma once
#include "frame/types.h"

enum TextId : u16 {
    // Code 1: unknown word.
    kT1CapitalGroup, kT1CapitalProperNoun, kT1CapitalAcronym, kT1CapitalFinal,
    kT1FrUnknownWord, kT1FrUnknownWordHint, kT1FrUnknownWords, kT1FrUnknownWordsHint,
    kT1FrOrdinal, kT1FrOther,
    kT1EnPeriod, kT1EnAdjectivePlural, kT1EnAuxiliaryS, kT1EnComparative, kT1EnSuperlative,
    kT1EnAmerican, kT1EnBritish, kT1EnUnknownWord, kT1EnUnknownWordHint, kT1EnUnknownWords,
    kT1EnUnknownWordsHint, kT1EnOther,
    // Codes 2, 3, 4, 8, 16.
    kT2, kT3, kT4,
    kT8Lead, kT8Slang, kT8Colloquial, kT8Unsophisticated, kT8Literary, kT8Archaic, kT8Tail,
    kT16,
    // Code 32: homophones.
    kT32VielleWritten, kT32VielleMeant, kT32QuandWritten, kT32QuandMeant, kT32DansWritten,
    kT32DansMeant, kT32FaireWritten, kT32FaireMeant, kT32ConnaitreWritten, kT32ConnaitreMeant,
    kT32EtreWritten, kT32EtreMeant, kT32QueWritten, kT32QueMeant, kT32InsteadOf, kT32DidYouMean,
    // Codes 37, 38.
    kT37Missing, kT37Abusive, kT37MainAe, kT37MainOe,
    kT38,
    // Code 39: hyphen.
    kT39Abusive, kT39Missing, kT39RuleNumbers, kT39RuleOrdinals, kT39RuleImperative,
    kT39RuleInterrogative, kT39RuleCiLa, kT39RuleMeme, kT39RuleAfter, kT39RuleDemi,
    kT39Examples,
    // Code 40: word-sequence family.
    kT40Comma, kT40Separate, kT40Redundant,
    kT40EnAuxiliaryS, kT40EnLowerI, kT40EnAdjectiveAfter, kT40EnNot, kT40EnComparative,
    kT40EnSuperlative, kT40EnMore, kT40EnMost, kT40EnAnd, kT40EnThere,
    kT40EnTheir, kT40EnHe, kT40EnThey, kT40EnI, kT40EnWe, kT40EnIts, kT40EnLets,
    kT40EnAdverb, kT40EnHaveIng, kT40EnLetTo, kT40EnWorthTo, kT40EnOfHave, kT40EnBeBe, kT40EnOneOf,
    kT40EnPrevReal, kT40EnPrevItIs, kT40EnPrevIts, kT40EnPrevYouAre, kT40EnPrevTheyAre,
    kT40EnPrevThere, kT40EnPrevHim, kT40EnPrevThem, kT40EnPrevMe, kT40EnPrevUs, kT40EnPrevHer,
    kT40EnPrevSome, kT40EnPrevTo, kT40EnPrevLets, kT40EnPrevYour, kT40EnPrevCant,
    kT40EnTypes, kT40EnRules, kT40EnExampleS, kT40EnExampleK, kT40EnExampleL, kT40EnExampleM,
    kT40EnExampleQ,
    kT40FrPronounOrder, kT40FrPronounOrderReflexive, kT40FrPronounOrderDirect, kT40FrQuantA,
    kT40FrCapitalA, kT40FrA, kT40FrAGrave, kT40FrFut, kT40FrCe, kT40FrCApostrophe, kT40FrFoi,
    kT40FrCentVingt, kT40FrSubjectPronoun,
    kT40FrPrevLeurs, kT40FrPrevOu, kT40FrPrevQuelques, kT40FrPrevCe, kT40FrPrevCApostrophe,
    kT40FrPrevQuelqu, kT40FrPrevQuoique, kT40FrPrevAGrave, kT40FrPrevCentVingt,
    kT40FrTypesBefore, kT40FrLocution, kT40FrTypes,
    // Code 41: agreement of a qualifier.
    kT41EnPlural, kT41ColourCompound, kT41ColourNoun, kT41CheckX, kT41CheckOther, kT41CheckFollowing,
    kT41Period,
    kT41RuleEnglish, kT41RuleFrench, kT41ExamplesGender, kT41ExamplesEnglish,
    kT41ExamplesNumber, kT41ExamplesBoth, kT41AspectGender, kT41AspectNumber, kT41AspectBoth,
    // Gender and number words of the phrases of codes 41, 44 and 45.
    kTMasculine, kTFeminine, kTSingular, kTPlural,
    // Code 42.
    kT42Relative, kT42Qualifier,
    // Code 43: past participle.
    kT43Lead, kT43RuleA, kT43RuleB, kT43RuleC, kT43RuleD1, kT43RuleD2, kT43RuleD3, kT43RuleD4,
    kT43RuleE,
    // Code 44: subject and verb.
    kT44EnLead, kT44EnThirdSingular, kT44EnPeriod, kT44EnCheck, kT44EnRule,
    kT44EnAspectPerson, kT44EnAspectNumber, kT44EnAspectBoth,
    kT44FrVerbAfterVerb, kT44FrEtre, kT44FrAvoir, kT44FrInterrogative, kT44FrCheckGender,
    kT44FrRuleInterrogative, kT44FrImperative,
    kT44Person1, kT44Person2, kT44Person3, kT44Person12, kT44Person13, kT44Person23,
    kT44OfSingular, kT44OfPlural, kT44FrVerbIn, kT44FrCheck, kT44FrRule,
    kT44FrAspectPerson, kT44FrAspectNumber, kT44FrAspectBoth,
    // Code 45: attribute and determiner agreement.
    kT45EnPlural, kT45OfThe, kT45Predicate, kT45PredicateAdjective, kT45ModifyingClause,
    kT45Epithet, kT45BeginningWith, kT45Adjective, kT45ArticleElided, kT45ArticleDu,
    kT45CheckGender, kT45CheckNumber, kT45CheckBoth, kT45RuleT, kT45RuleG, kT45RuleE,
    kT45RuleR, kT45Complement,
    // Codes 46 to 50.
    kT46EnPreterite, kT46EnInfinitive, kT46Fr,
    kT47EnLead, kT47EnPreterite, kT47EnParticiple, kT47EnEither, kT47EnTail,
    kT47FrLead, kT47FrSemiAuxiliary, kT47FrInfinitive, kT47FrReflexive, kT47FrParticiple,
    kT47FrPrepositional, kT47FrTail,
    kT48Lead, kT48Quote, kT48Apostrophe, kT48Parenthesis, kT48Bracket, kT48Brace,
    kT49Direct, kT49Intransitive, kT49Pronominal, kT49IntransitiveOrPronominal,
    kT49HerePronominal, kT49Preposition, kT49PrepA, kT49PrepAu, kT49PrepPour, kT49PrepAvec,
    kT49Reflexive, kT49Disjunctive, kT49ObjectPosition, kT49NeedsPreposition,
    kT49InfinitiveBare, kT49InfinitiveA, kT49InfinitiveDe, kT49InfinitiveSome,
    kT50,
    // Code 52: incompatible neighbours.
    kT52EnA, kT52EnOne, kT52EnYou, kT52EnAn,
    kT52VowelAdjective, kT52VowelPossessive, kT52VowelCe, kT52VowelAuDu, kT52VowelElision,
    kT52ConsonantAdjective, kT52ConsonantCet, kT52ConsonantOnze, kT52ConsonantY,
    kT52ConsonantADe, kT52ConsonantOther,
    // Code 53: mood or tense after "if" / "si".
    kT53EnPreterite, kT53EnFuture, kT53EnConditional, kT53EnMain, kT53EnModal,
    kT53FrSubjunctive, kT53FrIndicative, kT53FrFuture, kT53FrFutureSi, kT53FrSubjunctiveSi,
    kT53FrConditionalSi, kT53FrImperativeSi, kT53FrMain, kT53FrMoodNote,
    // Codes 55 to 63.
    kT55, kT56, kT57, kT58, kT59N, kT59P, kT60, kT61, kT62, kT63,

    kTextCount
};

// Text of a passage in the interface language (French when `french` is
// non-zero; Mac Roman, "" for a passage the language lacks).
const char* ExplanationText(TextId id, u16 french);

// Names of the class letters A..S (index 1..19, by letter - 0x40) and of the
// syntactic categories 1..17; "" elsewhere.
const char* ClassNameText(u32 index, u16 french);
const char* CategoryNameText(u32 index, u16 french);
// Category name 18 under French checking: the fixed-expression part and the
// adverb.
const char* FixedExpressionNameText(u16 french);
const char* AdverbNameText(u16 french);
