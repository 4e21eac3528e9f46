// Word classes of the French dictionary: the source's categories (its po:
// and is: fields) mapped to the class bytes the section walk reads, and the
// tags the walk gives each class byte.
//
// Tags are u16: high byte the class letter, low byte the features
// gender << 4 | number << 2 | extra (gender 1 m, 2 f, 0 none; number 1
// singular, 2 plural, 3 invariable). Feature bit 0x40 marks the words that
// stand before a consonant and elide before a vowel (le, la, de, que, je,
// me, te, se, ne, jusque, ce, ma, ta, sa) and the adjectives of the
// "bel/nouvel" kind that stand only before a vowel sound: the vowel-sound
// probes of the word-form analysis test it.
//
// Everything here is plain data and pure functions; the table is documented
// in classify.cpp, one row per class.
#pragma once
#include <string>
#include <vector>

#include "frame/types.h"
#include "tools/datacomp/source_forms.h"

// Tag class letters (high byte of a noun/adjective/other tag).
constexpr u8 kClassNoun = 'A';
constexpr u8 kClassAdjective = 'B';
constexpr u8 kClassNounAdjective = 'C';
constexpr u8 kClassProperNoun = 0x40;
constexpr u8 kClassCardinal = 'R';
// Small classes (tag = class << 8).
constexpr u8 kClassCoordinating = 16;
constexpr u8 kClassSubordinating = 17;
constexpr u8 kClassInterjection = 18;
constexpr u8 kClassAdverb = 20;
constexpr u8 kClassNegation = 21;
constexpr u8 kClassNe = 22;
constexpr u8 kClassAbbreviation = 28;
constexpr u8 kClassPreposition = 34;

// Feature values.
constexpr u8 kGenderMasc = 0x10;
constexpr u8 kGenderFem = 0x20;
constexpr u8 kVowelFlag = 0x40;

// What one source line of a form becomes.
enum class FormKind : u8 {
    Skip,     // not encoded (reason says why)
    Verb,     // a conjugated form: the verb models encode it
    Nominal,  // noun, adjective, proper noun...: `tag` is the intended tag
    Closed,   // function word: `classByte` is written as is
};

struct FormClass {
    FormKind kind = FormKind::Skip;
    u16 tag = 0;            // Nominal: intended tag
    u8 classByte = 0;       // Closed: the class byte
    const char* reason = "";  // Skip: why
};

// Classification of one source form (one line of the expanded source). A
// function word listed in the closed-class table gives Closed whatever its
// other fields; verbs give Verb; nouns, adjectives, proper nouns, adverbs,
// interjections, numerals give Nominal (adverbs and the like with their
// small-class tag).
FormClass ClassifyForm(const SourceForm& form);
// The further readings of a function-word line that the source files under
// several subtypes at once ("moins": preposition and adverb; "puis": adverb
// and coordinating conjunction): the preposition, conjunction and adverb
// tags of its subtypes other than `first`, the tag ClassifyForm gave it.
std::vector<u16> FurtherFunctionWordTags(const SourceForm& f, u16 first);
// The tag of a capitalised common noun of the source (a country, a region,
// a river: "France", "Maroc", "Alpes"): the proper-noun class with the
// noun's gender, singular or plural, as the analysis reads names (a noun
// class byte of the capitalised-word section spells a plural one). So for a
// capitalised adjective (`form` its UTF-8 spelling): French writes an
// adjective with a capital only as a word of a name ("Los Angeles", "Sri
// Lanka", "Burkina Faso"); a Roman numeral written as an ordinal ("Ier",
// "XVe") stays an adjective. Every other tag stays.
u16 CapitalisedWordTag(u16 tag, const std::string& form);
// The nouns whose plural begins otherwise than the singular (œil, yeux;
// monsieur, messieurs): the singular of such a plural (UTF-8), "" for any
// other word; and whether a word is such a singular.
std::string IrregularPluralSingular(const std::string& plural);
bool HasIrregularPlural(const std::string& singular);
// True for the readings that come before the other readings of their form:
// prepositions and conjunctions ("selon", "entre", "sous" read first as
// prepositions, before their adverb, verb or noun readings).
bool ReadsBeforeOtherReadings(u16 tag);
// A verb form of a verb filed by its infinitive alone (éclore, rassir):
// its participle that the source also reads as an adjective (éclos,
// écloses) is filed as that adjective; any other form stays a verb form.
FormClass ClassifyStemOnlyVerbForm(const SourceForm& form);

// The closed-class table: class bytes of a function word (UTF-8 form) under
// one of its source subtypes (po: value without "po:", e.g. "det",
// "properobj", "prep"); 0 when the (word, subtype) pair is not listed.
// A word whose readings share one class byte (le: det + properobj -> 115)
// gives the same byte under each subtype.
u8 ClosedClassByte(const std::string& word, const std::string& subtype);

// True when the word (UTF-8) is in the closed-class table at all.
bool IsClosedClassWord(const std::string& word);

// The class of a word that exists only inside fixed locutions (23, 24 or
// 25; 0 for any other word), and those words (UTF-8). The list writes the
// ligatures out: "æquo" is listed as "aequo" (LocutionListSpelling).
u8 LocutionWordClass(const std::string& word);
std::vector<std::string> LocutionWords();
std::string LocutionListSpelling(std::string word);
// A word of that list that is an ordinary word too ("juger", "peut"): its
// locution reading is encoded even where the source files it under its
// ordinary category only, and it comes before the ordinary readings.
bool IsOrdinaryLocutionWord(const std::string& word);
// A line of a locution subtype (loc.adv, loc.cj ...).
bool IsLocutionLine(const SourceForm& form);
// A line of such a word when the source files it with a locution subtype:
// its locution class (a verb form stays a verb form).
FormClass ClassifyLocutionWord(const SourceForm& form);

// ---- The walk's reading of a class byte -------------------------------------

// Result of one ending: number 1..3 and the gender bits it gives (0,
// kGenderMasc or kGenderFem).
struct EndingResult {
    bool match = false;
    u8 number = 0;
    u8 gender = 0;
};

// The tags a noun/adjective/other item with class byte `c` gives for a key
// whose ending produced `ending`. `key` is the full lookup key (reserved
// prefix included, Mac Roman), `section` the section walked. `replaces` is
// set for the fixed reading sets (class bytes 35..121), which the walk writes
// from index 0 instead of appending. An empty result: no tag (plural proper
// nouns of sections 9 and 10, unused class bytes).
struct ClassReading {
    u16 tags[3] = {0, 0, 0};
    u8 count = 0;
    bool replaces = false;
};
ClassReading ReadClassByte(u8 c, EndingResult ending, const std::string& key, u16 section);
// The feature that the lookup adds to a class below 35: 0x40 on the
// eliding words ("ne", and "jusque" as a preposition).
u8 ElisionFeature(u8 c, const std::string& key);

// French ending code `code` (0x00..0x5F) against the remainder `rest` of a
// key (the letters after the implicit four and the matched stem); `key` is
// the whole key (for the rules that look at its last letters).
EndingResult MatchEndingCode(u8 code, const std::string& rest, const std::string& key);

// Class bytes that can give a tag of class letter `letter` (nouns,
// adjectives, proper nouns...), in the order the encoder tries them.
const std::vector<u8>& ClassBytesForLetter(u8 letter);
