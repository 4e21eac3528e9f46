// Steps of the word description renderer (word_description.cpp) and the
// state one call shares between them. Internal to analysis/.
#pragma once
#include "analysis/word_description.h"
#include "frame/bounded_string.h"
#include "frame/tables.h"

using DescriptionText = WorkText<120>;
using RoleText = WorkText<72>;

// The readings a description covers: tag codes (class << 8 | features) and
// analysis bytes, with a category given in advance where the word's
// recorded category decides it (0xFFFF otherwise).
struct DescribedReadings {
    u16 count = 0;
    u16 tags[kAnalysisSlots] = {};
    u8 marks[kAnalysisSlots] = {};
    u16 category = 0xFFFF;  // of every reading
};

// One call's state.
struct Rendering {
    u16 mode = 0;
    i32 w = 0;                   // word index
    u8 recordedClass = 0;        // the word's recorded first reading
    u8 recordedFeatures = 0;
    u8 recordedMark = 0;
    u8 cls = 0, features = 0, mark = 0;  // the reading being rendered
    u16 category = 0;
    u8 tense = 0, number = 0, gender = 0, person = 0, sign = 0;
    bool first = true;           // rendering the word's first reading
    u16 roleCount = 0;           // mainCount before the XML element
    DescriptionText text;        // the description being built
    RoleText role;
    Work36 fc;                   // canonical form
    DescriptionText form;        // the word as written, ligatures restored
};

// Shared helpers.
bool FrenchText();                                     // checking language is not English
bool FrenchInterface();                                // names and quotes in French
void AppendName(BoundedString& s, u32 index);          // gCategoryNames[index]
i32 ClauseOfWord(i32 w);                               // last segment not starting after w; -1 none
void RestoreLigatures(BoundedString& text, i32 w);     // the word's ligatures
const char* EnglishArticleExample(const BoundedString& word);  // ": an " or ": a " before the word

// Step 2: the readings to describe.
void BuildDescribedReadings(Rendering& r, DescribedReadings& list);
// Step 3: category of a reading and the canonical form of the first.
u16 CategoryOfReading(const Rendering& r, u8 cls, u8 features, const DescribedReadings& list);
void ComputeCanonicalForm(Rendering& r);
// Steps 4 to 7: a verb reading.
void DescribeVerbReading(Rendering& r);
// Steps 8 and 9: the other readings.
void DescribeNominalReading(Rendering& r);
void DescribeOtherReading(Rendering& r);
// Step 10: the role text of the first reading (sets r.roleCount).
void BuildRoleText(Rendering& r);
// Step 11: the XML element.
void BuildWordElement(const Rendering& r, BoundedString& element);
// Step 12: the tagged-word rows; one entry of the list rendered as a row.
void DescribeTaggedEntries(Rendering& r, WordDescription& d);
void RenderTaggedEntry(const Rendering& r, const BoundedString& entry, BoundedString& row);
// Verb tense and example of a French form slot (also used by step 12).
void AppendFrenchTense(Rendering& r, u8 slot);
void AppendEnglishTense(Rendering& r, u8 form);
