// The stages of the French agreement pre-cascade (CheckFrenchAgreementRules,
// declared in french_cascades.h): noun-group numbering with the qualifier
// checks, the group table with the group agreement, the reports made once
// the table stands, and the rewriting of the table into one record per
// phrase that the later French rules read.
#pragma once
#include "frame/records.h"
#include "frame/report.h"
#include "frame/tables.h"
#include "rules/rule_words.h"

namespace french_agreement {

// Segment record s (a record past the table's end reads the following
// entry of the 128-entry table: intended).
inline SegmentRecord& Seg(i32 s) { return gSegments.ClampedAt(s); }
inline i32 SegCount() { return static_cast<i32>(gSegmentCount); }
inline u8 Kind(i32 s) { return Seg(s).SegmentKind; }
inline i32 First(i32 s) { return Seg(s).FirstWord; }
// The last word of record s (the word before the next record, or the
// sentence's last word).
inline i32 LastWordOf(i32 s) { return s + 1 < SegCount() ? First(s + 1) - 1 : rules::Count() - 1; }

// Word tests shared by the stages.
inline bool CatIn(i32 i, u8 lo, u8 hi) { return rules::Cat(i) >= lo && rules::Cat(i) <= hi; }
inline u8 LastCat(i32 i) { return rules::Cat(i, rules::Readings(i) > 0 ? rules::Readings(i) - 1 : 0); }
inline bool Comparative(i32 i) { return rules::Is(i, "plus") || rules::Is(i, "moins") || rules::Is(i, "mieux"); }
inline bool Numeral(i32 i) { return rules::Cls(i) == 'R' || rules::Cls(i) == 'S'; }
// A Roman ordinal written in lower case, read as its number ("le ixe
// siècle", "le ier").
inline bool LowerRomanOrdinal(const BoundedString& w) {
    const i32 n = GetStringLength(w);
    i32 k = 0;
    while (k < n && (w.data[k] == 'i' || w.data[k] == 'v' || w.data[k] == 'x')) ++k;
    if (k == 0 || w.data[0] != 'i') return false;
    return (k == n - 1 && w.data[k] == 'e') || (k == n - 2 && w.data[k] == 'e' && w.data[k + 1] == 'r');
}

// Vowel-initial words before which the full form stands ("le onze", "de un
// à cent", "le oui", "la ouate", "le ixe siècle").
inline bool KeepsFullFormBefore(const BoundedString& w) {
    return TextEquals(w, "un") || TextEquals(w, "une") || TextStartsWith(w, "onz") || TextStartsWith(w, "oui") ||
           TextStartsWith(w, "ouat") || LowerRomanOrdinal(w);
}

// Findings the group table holds back until the call is over: a group
// disagreement (41, completed once the table stands) and a form used only
// before a consonant standing before a vowel (52, returned last, so that
// the findings leave in the dispatcher's order 41 < 42 < 52). Each keeps
// the first finding of the sentence that passes its gate; the next call
// reports the next one.
struct HeldFindings {
    bool agreementHeld = false;
    rules::RuleReport agreement;  // extent: the main form selector M
    i32 record = 0;               // the group's record
    u8 groupNumber = 0;           // v: the group's number when it was noted
    i32 alternative = 0;          // A: the selector from the group's first word
    bool neighbourHeld = false;
    rules::RuleReport neighbour;
};

// A report that leaves the variant, detail and the other report fields as
// the earlier rules left them (only the numbering stage names a variant).
using rules::ReportFromGlobals;

// Group numbering and the qualifier checks (41 'C').
RuleCode NumberNounGroups(u16& out);
// The group table; holds the 41 and 52 it finds in `held`.
void BuildGroupTable(HeldFindings& held);
// The held group disagreement, completed with the forms of the correction.
RuleCode ReportHeldAgreement(const HeldFindings& held, u16& out);
// One of two adjectives joined by "et" between a determiner and its noun
// ("le petit et vulgaire individu") that disagrees with them: true, and
// the 41 to report at it once the group table stands.
bool FindCoordinatedEpithets(rules::RuleReport& found);
// 41 'F' at a word that qualifies a group standing after it and disagrees with
// it: an interrogative "quel" before a form of "être", "seul" opening the
// sentence before a determiner.
RuleCode CheckQualifierBeforeGroup(u16& out);
// 42: a pronoun or determiner group before a contracted-article group.
RuleCode CheckBeforeContractedArticle(u16& out);
// 42 across the preposition record s (called by the merging loop).
RuleCode CheckAcrossPreposition(i32 s, u16& out);
// The rewriting of the table (merging, links, coordination); 42 or 0.
RuleCode RewriteGroupTable(u16& out);
// The link passes and the coordination merge (last passes of the rewriting).
void LinkAndMergeRecords();

// Records s .. s + n - 1 leave the table; later records move down, links
// follow them (record removal of the rule helpers).
void DropRecords(i32 s, i32 n);

}  // namespace french_agreement
