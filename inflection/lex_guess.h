// Proposals for a new user lexicon word: its category, gender, inflection
// class and, for a verb, a model verb, guessed from the main dictionary
// and the word's ending. Nothing is stored.
#pragma once
#include "frame/bounded_array.h"
#include "frame/tables.h"
#include "frame/types.h"

struct LexGuess {
    u16 expressionFlag = 0;
    u16 category = 0;  // 0 when no rule decides
    u16 gender = 0;
    u16 inflectionClass = 0;
};

// 0 a proposal is made (model receives the model verb of a verb, else
// empty); -1 the main dictionary knows the word; -2 it knows it and the
// word is a single lower-case word.
i16 GuessLexWordClass(const BoundedString& word, LexGuess& guess, BoundedString& model, u16 language);

// Conjugation of a new verb like modelVerb in one tense (1-9 French, 10
// English): 0 with the forms in forms[0..count-1] (a table of 6 strings of
// 36); -1 the main dictionary knows the verb; 3, 4, 5, 6, 13, 14 as for
// an insertion. A refusal leaves count 0 and the table untouched.
i16 ConjugateLexVerb(i16 tense, const BoundedString& verb, i16& count, StringList& forms,
                     i16 verbFlag, const BoundedString& modelVerb, u16 language);
