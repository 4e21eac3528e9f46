// The conjugation model numbers that the library's rules read by number,
// each with the verb whose paradigm must stand on it. The data compiler
// gives these numbers to the paradigms of their anchor verbs and fills the
// other numbers with the remaining paradigms.
#pragma once
#include <cstddef>

#include "frame/types.h"
#include "tools/datacomp/verb_models.h"

enum class AnchorKind : u8 {
    kBaseRow,        // the anchor verb's base paradigm takes this number
    kAlternateRow,   // a second-stem row (83, 93, 103) or the "ie" row 13
    kSecondParadigm, // the anchor verb's second paradigm (asseoir's "assois" forms)
    kStemOnly,       // 125: the verb is found by its infinitive alone
    kDefective,      // 127: infinitive in the dictionary, other forms by explicit tables
};

struct FixedModel {
    u8 model;
    AnchorKind kind;
    const char* verbs;      // UTF-8 infinitives separated by '|', the first is the anchor
    const char* behaviour;  // what the rules expect of the verbs on this number
};

// The fixed numbers, by number.
extern const FixedModel kFixedModels[];
extern const std::size_t kFixedModelCount;

// Numbers whose verbs get one tag per form, with the person/mood codes merged
// (a form shared by several slots keeps only its first slot): these rows
// must hold paradigms whose shared forms fall on the slots that the merged
// codes stand for (the -er paradigm; 15 the finir paradigm).
bool IsMergedTagModel(u8 model);

// Numbers that no rule reads and no anchor holds: free for the remaining
// paradigms (0 stays unused: a zero model byte marks "no model").
bool IsFreeModelNumber(u8 model);

// The fixed entry of a number, or null.
const FixedModel* FindFixedModel(u8 model);
