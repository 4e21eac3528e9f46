// The report protocol shared by everything that finds errors in a
// sentence (the codes themselves: frame/rule_codes.h).
//
// A rule reports by filling the report fields below and returning its code;
// the rule dispatcher returns one finding per call, in ascending order of
// (code, word index): a rule with code N may fire at word i only when
// gLastRule < N, or gLastRule == N and i > gLastErrorPos. The per-sentence
// driver turns each finding into a word span, a message and suggestions and
// hands them to a SentenceHitCallback.
#pragma once
#include "frame/bounded_array.h"
#include "frame/rule_codes.h"
#include "frame/tables.h"
#include "frame/types.h"

// gErrorExtent value: no correction available.
inline constexpr u16 kNoCorrection = 0xFFFF;

// Report fields: one value for the current sentence.
extern u16 gLastRule;        // code of the last report (resume point)
extern i16 gLastErrorPos;    // word index of the last report (resume point); -1 at the start
extern u8 gErrorVariant;     // letter naming the rule's variant; 0 none
extern u16 gErrorDetail;     // sub-code: register, sign, span length, count
extern u16 gErrorKind;       // kind of agreement report
extern u16 gErrorGender;     // 1 masculine, 2 feminine
extern u16 gErrorNumber;     // 1 singular, 2 plural
extern u16 gErrorPerson;     // person for verb agreement
extern u16 gErrorExtent;     // second bound or correction selector; kNoCorrection: none
// Set by the rules that raise code 32 (the French homophone pass, the
// cascade's participle rule): bit 1 asks for a feminine "e", bit 0 for a
// plural "s" on the replacement homophone.
extern u16 gHomophoneAgreement;
extern i16 gSentenceMeasure; // length measure of the sentence, set by the rules
extern u16 gVariantIndex;    // per-reading state left by the word analysis
extern u16 gDispatchMode;    // mode handed to the dispatcher

// Analysis mode of the sentence in hand (0 checking, 1 rewriting) and the
// accents-on-capitals setting of the current call; both stored by the
// per-sentence driver.
extern u16 gAnalysisMode;
extern u16 gAccentsOnCapitals;

// Offsets of the paragraph walk: the position after the last token read,
// the inclusive end of the checked range and the end of the text being
// analysed. A replacement applied to the working text moves all three.
extern u32 gCurrentOffset;
extern u32 gRangeEnd;
extern u32 gTextEndOffset;

// Suggestion list handed with a finding: 12 strings of 108 bytes.
inline constexpr u32 kSuggestionSlots = 12;
inline constexpr u32 kSuggestionCapacity = 108;

// Receives one finding: first and last word index (inclusive), code,
// detail, kind, the explanation text, the number of suggestions and the
// list, and the adjust flag (1: the finding already replaced the words'
// text in the working text). Returns 1 to let the sentence's report loop go
// on; anything else ends it.
using SentenceHitCallback = u16 (*)(i32 first, i32 last, RuleCode code, u16 detail, u16 kind,
                                    const BoundedString& message, u16 count,
                                    const StringList& list, u16 adjust);

// Told when words first..last (inclusive) leave the word table; newIndex is
// the word that now stands for them, or -1 when they were simply removed.
using WordMergeCallback = void (*)(i32 first, i32 last, i32 newIndex);
