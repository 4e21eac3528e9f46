// The English phrase stage: what one call of CheckEnglishPhraseRules
// shares between its steps (amounts, noun-phrase numbering, the segment
// table with its word-order rules, the segment passes and the held
// agreement report).
#pragma once
#include "frame/report.h"
#include "rules/rule_words.h"

namespace english {

// A finding that waits for a gate: the comparison rules hold theirs until
// a gate passes at the held word; the noun-phrase agreement holds its own
// until the table is complete.
struct HeldFinding {
    bool held = false;
    rules::RuleReport report;
};

// State of one call; every field starts anew at each call.
struct PhraseCall {
    i32 segments = 0;          // records written so far (s)
    HeldFinding comparison;    // 40 'K', 'L', 'M', 'Q' whose gate refused
    HeldFinding agreement;     // 41 of the noun-phrase agreement
    i32 agreementRecord = 0;   // its phrase's record
    u8 agreementNumber = 0;    // its phrase's number
    u16 agreementSelector = 0; // correction selector (form code or number, 0 none)
};

// Stage 2: a currency sign before a number becomes a unit word after it;
// "a" / "an" before a time unit after such an amount reads as a
// preposition. Skipped while gClauseMark is set.
void NormaliseAmounts();
// Stage 3: every word of a noun phrase gets the phrase's ClauseNumber.
void NumberNounPhrases();
// Stage 4: the segment table with the word-order rules; a finding that
// fires at once is committed and returned.
RuleCode BuildSegmentTable(PhraseCall& c, u16& out);
// Stage 6: the segment passes (first merge, joining and linking passes,
// coordination, last pass). Returns 40 when the comma rule fires.
RuleCode RunSegmentPasses(PhraseCall& c, u16& out);
// Stage 7: completes and commits the held agreement finding (41).
RuleCode CompleteAgreementReport(PhraseCall& c, u16& out);

// The word-order rules of one phrase word (40 'P', 41 'J', 40 'K', 'L',
// 'M', 'Q'); `number` is the word's own number. A comparison finding whose
// gate refuses is held in the call.
RuleCode CheckPhraseWordRules(PhraseCall& c, i32 w, u8 number, u16& out);
// The held comparison finding, tried again (at its own word) once the
// pass is past it, at word `at`.
RuleCode RetryHeldComparison(PhraseCall& c, i32 at, u16& out);
// 40 'i' at the first word of a phrase record.
RuleCode CheckLowerCaseI(i32 f, u16& out);
// 40 'N' at the "not" after conjugated verb i.
RuleCode CheckBareNot(i32 i, u16& out);
// What the agreement check reads of a finished phrase.
struct PhraseFacts {
    i32 first = 0;
    i32 last = 0;
    i32 record = 0;
    u8 number = 0;           // the record's number (its head candidate's)
    u8 gender = 0;           // the head candidate's gender
    u8 lastGender = 0;       // gender and number of the phrase's last word
    u8 lastNumber = 0;
    bool genderConflict = false;
    bool numberConflict = false;
};
// The noun-phrase agreement (41): a determiner's number against the
// phrase's. The first disagreement whose gate passes is held in the call.
void CheckPhraseAgreement(PhraseCall& c, const PhraseFacts& p);
// True for a short adjective (one that compares with -er / -est).
bool ShortAdjective(i32 w);

// Noun-phrase facts the phrase rules share.
// A month name (without regard to case).
bool MonthWord(i32 i);
// True when the sentence's last word begins with '?'.
bool QuestionSentence();
// The category of word i's last reading.
u8 LastCategory(i32 i);
// The record s, clamped into the table as the rules read it.
inline SegmentRecord& Seg(i32 s) { return gSegments.ClampedAt(s); }

// The lemma reference of the noun "dollar" in our data (0 when it has
// none); looked up once.
u32 DollarLemma();

}  // namespace english
