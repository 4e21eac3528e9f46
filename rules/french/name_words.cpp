// Capitalised words that belong to a name.
#include "frame/records.h"
#include "frame/tables.h"
#include "rules/french/french_rules.h"

namespace {

constexpr u8 kProperNoun = '@';

// A word written with a capital initial (and, after a hyphen, capitals of
// its parts), not in capitals throughout.
bool CapitalInitial(const WordRecord& w) {
    return w.WordCaseMode == 1 || w.WordCaseMode == 2 || w.WordCaseMode == 5 || w.WordCaseMode == 6;
}

// A name: its kept reading is the proper noun and it is written with a
// capital initial. A word in capitals throughout (a heading, a speaker's
// name before his line, an acronym) carries no name on.
bool IsName(i32 i) {
    if (i < 0 || i >= static_cast<i32>(gWordCount)) return false;
    const WordRecord& w = gWords[i];
    return CapitalInitial(w) && w.ReadingCount > 0 && w.ReadingClasses[0] == kProperNoun;
}

// A noun: a common word written with a capital inside a name ("Front",
// "Club", "Village"); so is a verb form, which a capital inside the
// sentence never opens ("Christophe Donner", "Marguerite Duras"; the
// first word of a sentence joins no name). Adjectives keep their class and
// agree ("la mer Noire", "le Petit Prince"), and so do function words,
// numerals and signs ("de", "La", "II").
bool NameableClass(u8 c) { return c == 'A' || c >= 128; }

bool JoinsName(i32 i) {
    const WordRecord& w = gWords[i];
    if (i == 0 || !CapitalInitial(w) || w.ReadingCount == 0) return false;
    if (!NameableClass(w.ReadingClasses[0])) return false;
    return IsName(i - 1) || IsName(i + 1);
}

// The word becomes part of the name: one proper-noun reading with the
// gender and number of its noun reading.
void MakeName(WordRecord& w) {
    // A verb form's features name its tense and person: no gender or
    // number to keep.
    w.ReadingFeatures[0] = w.ReadingClasses[0] >= 128 ? 0 : static_cast<u8>(w.ReadingFeatures[0] & 0x3C);
    w.ReadingClasses[0] = kProperNoun;
    w.ReadingCategories[0] = 10;
    w.ReadingCount = 1;
}

// A word that can stand inside a sentence: it begins with a letter or a
// digit. A sign before a word (a colon, a quotation mark, a dash, a
// bracket) may open a quoted or inserted sentence, whose first word takes
// a capital.
bool RunningWord(i32 i) {
    const u8 c = gWords[i].WordText[0];
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c >= 0xC0;
}

// A line whose words up to i all take a capital may be a heading in title
// case ("Les Enfants Jouent dans le jardin"): a word in lower case between
// the first word, whose capital says nothing, and i shows running text.
bool LowerCaseBefore(i32 i) {
    for (i32 k = 1; k < i; ++k) {
        const u8 c = gWords[k].WordText[0];
        if (c >= 'a' && c <= 'z') return true;
    }
    return false;
}

// A word inside the running text written with a capital initial whose only
// readings are verb forms is a name the dictionary lacks, which a verb of
// the same spelling hides ("l'Ardre", "la Formula Nippon", "le China
// Daily"): a French verb takes a capital only where it opens a sentence.
bool HiddenName(i32 i) {
    const WordRecord& w = gWords[i];
    if (!CapitalInitial(w) || w.ReadingCount == 0 || (w.QuoteFlags & 1) != 0) return false;
    if (!RunningWord(i - 1) || !LowerCaseBefore(i)) return false;
    for (i32 r = 0; r < w.ReadingCount; ++r) {
        if (w.ReadingClasses[r] < 128) return false;
    }
    return true;
}

}  // namespace

void MarkFrenchNameWords() {
    for (i32 i = 1; i < static_cast<i32>(gWordCount); ++i) {
        if (HiddenName(i)) MakeName(gWords[i]);
    }
    // A word inside the sentence written with a capital next to a name is
    // part of it ("le Front Polisario", "Greenwich Village", "Everton
    // Ladies Football Club"); the capital of the first word says nothing.
    // Each new name word may carry the name on to its other neighbour.
    bool changed = true;
    while (changed) {
        changed = false;
        for (i32 i = 1; i < static_cast<i32>(gWordCount); ++i) {
            if (!JoinsName(i)) continue;
            MakeName(gWords[i]);
            changed = true;
        }
    }
}
