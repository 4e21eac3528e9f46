// Reader and expander of a Hunspell dictionary (.aff + .dic) with
// morphological fields. Every entry is expanded into all the forms its
// affixes make, each with its lemma and the fields of the entry and of the
// affix rules that made it (see hunspell.cpp for what the French fields say).
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "tools/datacomp/source_forms.h"

// Where Debian installs the French dictionary (package hunspell-fr-comprehensive).
inline constexpr const char* kFrenchAffPath = "/usr/share/hunspell/fr.aff";
inline constexpr const char* kFrenchDicPath = "/usr/share/hunspell/fr.dic";

struct HunspellOptions {
    // Forms made by a prefix whose text holds an apostrophe (l', d', qu',
    // jusqu', s' …): elided article/pronoun + word. Dropped by default: the
    // lookup splits elisions itself.
    bool keepElidedForms = false;
    // Forms whose rule carries ds: fields (imperatives with pronouns glued
    // on: "vas-y", "va-t'en", "allons-nous-en"). Dropped by default.
    bool keepPronounSuffixedForms = false;
};

struct HunspellStats {
    std::size_t entries = 0;             // .dic lines read (without the count line)
    std::size_t forms = 0;               // SourceForms produced
    std::size_t elidedDropped = 0;       // elision prefixes (flags or rules) passed over
    std::size_t pronounSuffixedDropped = 0;  // forms not produced: ds: rules
    std::size_t entriesWithoutForms = 0; // entries none of whose forms were kept
    std::size_t badLines = 0;            // .aff/.dic lines that could not be read
};

// Expands the dictionary given as the texts of its two files. Forms are
// appended to `out` in .dic order; per entry: the bare word (unless it needs
// an affix), then suffix forms in rule order, then prefix forms (each
// followed by its prefix+suffix forms). Lemma: the entry's st: field when
// present, else the entry word, with the text of a (non-elision) prefix
// added, since a prefix makes another word (kA, kiloampère).
// Fields: po/is/other of the entry first, then those of the suffix rule,
// then those of the prefix rule; st: is not repeated in `other`.
// Returns false (with `error`) when the .aff cannot be read at all (unknown
// SET encoding or FLAG type) ; unreadable lines are only counted.
bool ExpandHunspellText(const std::string& affText, const std::string& dicText,
                        const HunspellOptions& options, std::vector<SourceForm>& out,
                        HunspellStats& stats, std::string& error);

// Same, reading the two files. Returns false when a file cannot be read.
bool ExpandHunspellFiles(const std::string& affPath, const std::string& dicPath,
                         const HunspellOptions& options, std::vector<SourceForm>& out,
                         HunspellStats& stats, std::string& error);

// Adds the stats to the compiler's summary (one line each).
void ReportHunspellStats(const HunspellStats& stats, CompileReport& report);

// Small helpers on a SourceForm's fields.
bool HasPo(const SourceForm& f, const char* value);
bool HasIs(const SourceForm& f, const char* value);
// The verb code of a form of a verb ("v1_it_q__a" for aimer), or "" when the
// form's entry is not a verb.
std::string VerbCodeOf(const SourceForm& f);
