// krz_datacomp: compiles the French dictionary blocks from the open sources.
//
//   krz_datacomp --hunspell-aff FILE --hunspell-dic FILE --npm DIR --out DIR
//                [--manifest FILE] [--no-check]
//                [--english [--scowl DIR] [--wordnet DIR] [--ud-classes FILE]] [--thesaurus FILE]
//
// Stages: expand the Hunspell lexicon (every form with its fields), read the
// frequency ranks and the non-eliding words, build the verb models, classify
// every other form, write the dictionary, write the blocks and the round-trip
// manifest, check the blocks with the library's reader. The summary goes to
// standard output. Same inputs, byte-identical outputs.
//
// Output files in DIR: KRZDATA_103.bin (prefix index), KRZDATA_104.bin
// (body), KRZDATA_105.bin (section matrix), KRZDATA_106.bin (model rows),
// KRZFVER_101.bin .. KRZFVER_110.bin (ending lists of length 1..10), and the
// manifest (default DIR/french_manifest.txt). With --english also the
// English blocks: KRZDATA_203.bin .. KRZDATA_205.bin (prefix index, body,
// matrix), KRZDATA_206.bin (model rows), KRZAVER_201.bin .. KRZAVER_207.bin
// (ending lists of length 1..7), KRZDATA_403.bin (the words' sound starts)
// and english_manifest.txt. With --thesaurus
// (a MyThes-format French thesaurus) also the reference dictionary:
// KRZDATA_303.bin .. KRZDATA_307.bin (index, text, token and phrase tables,
// the count of entries with a register label).
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "frame/mac_roman.h"
#include "tools/datacomp/classify.h"
#include "tools/datacomp/dict_writer.h"
#include "tools/datacomp/english_sources.h"
#include "tools/datacomp/english_writer.h"
#include "tools/datacomp/frequency.h"
#include "tools/datacomp/homophones.h"
#include "tools/datacomp/hunspell.h"
#include "tools/datacomp/library_check.h"
#include "tools/datacomp/litdict_writer.h"
#include "tools/datacomp/sound_starts.h"
#include "tools/datacomp/source_text.h"
#include "tools/datacomp/verb_models.h"

namespace {

struct Options {
    std::string aff = kFrenchAffPath;
    std::string dic = kFrenchDicPath;
    std::string npm;
    std::string out;
    std::string manifest;
    bool check = true;
    bool english = false;
    std::string scowl = kScowlDir;
    std::string wordnet = kWordNetDir;
    std::string thesaurus;
    std::string udClasses;
};

bool ParseOptions(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto value = [&](std::string& dest) {
            if (i + 1 >= argc) return false;
            dest = argv[++i];
            return true;
        };
        bool ok = true;
        if (a == "--hunspell-aff") ok = value(o.aff);
        else if (a == "--hunspell-dic") ok = value(o.dic);
        else if (a == "--npm") ok = value(o.npm);
        else if (a == "--out") ok = value(o.out);
        else if (a == "--manifest") ok = value(o.manifest);
        else if (a == "--no-check") o.check = false;
        else if (a == "--english") o.english = true;
        else if (a == "--scowl") ok = value(o.scowl);
        else if (a == "--wordnet") ok = value(o.wordnet);
        else if (a == "--thesaurus") ok = value(o.thesaurus);
        else if (a == "--ud-classes") ok = value(o.udClasses);
        else ok = false;
        if (!ok) return false;
    }
    if (o.out.empty()) return false;
    if (o.manifest.empty()) o.manifest = o.out + "/french_manifest.txt";
    return true;
}

// Writes only when the content differs, so that an unchanged block keeps its
// time stamp and the build does not re-embed it.
bool WriteFile(const std::string& path, const std::string& bytes) {
    {
        std::ifstream in(path, std::ios::binary);
        if (in) {
            std::string old((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            if (old == bytes) return true;
        }
    }
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(f);
}

bool WriteBlock(const std::string& dir, const char* type, int id, const std::vector<u8>& data) {
    return WriteFile(dir + "/" + type + "_" + std::to_string(id) + ".bin",
                     std::string(data.begin(), data.end()));
}

// Capitalisation of a source word (Mac Roman): 0 lower case, 1 capital
// initial, 3 all capitals; -1 for a capital inside a lower-case word. The
// analysis lowers the capitals that follow a hyphen in a lower-case word
// and looks it up as written in lower case: such a word (outre-Manche,
// prie-Dieu) is a lower-case one.
int CaseModeOf(const std::string& mr) {
    u32 letters = 0, upper = 0, afterHyphen = 0;
    bool firstUpper = false, firstSeen = false;
    unsigned char previous = 0;
    for (unsigned char c : mr) {
        const unsigned char before = previous;
        previous = c;
        if (!IsLetterMacRoman(c)) continue;
        ++letters;
        const bool up = IsUpperMacRoman(c) != 0;
        if (up) ++upper;
        if (up && before == '-') ++afterHyphen;
        if (!firstSeen) {
            firstUpper = up;
            firstSeen = true;
        }
    }
    if (upper == 0) return 0;
    if (upper == letters && letters >= 2) return 3;
    if (firstUpper) return 1;
    if (upper == afterHyphen) return 0;
    return -1;
}

// The words of the locution list that get no reading of their locution
// class: the source lacks them, or files them under another category only.
void ReportLocutionWordsWithoutReading(const std::vector<SourceForm>& forms, CompileReport& report) {
    std::set<std::string> classed;
    for (const SourceForm& f : forms)
        if (LocutionWordClass(f.form) != 0 && (IsLocutionLine(f) || (IsOrdinaryLocutionWord(f.form) && !VerbCodeOf(f).empty())))
            classed.insert(LocutionListSpelling(f.form));
    std::string missing;
    for (const std::string& w : LocutionWords())
        if (classed.count(w) == 0) missing += (missing.empty() ? "" : ", ") + w;
    if (!missing.empty()) report.Note("classify: locution words without their locution reading: " + missing);
}

// The forms of the verbs (UTF-8) and the best frequency rank of the verbs
// each belongs to (0 when none is ranked).
std::map<std::string, u32> VerbRankOfForms(const std::vector<SourceForm>& forms, const FrequencyRanks& ranks) {
    std::map<std::string, u32> out;
    for (const SourceForm& f : forms) {
        if (VerbCodeOf(f).empty()) continue;
        const u32 rank = FrequencyRank(ranks, f.lemma);
        auto [it, fresh] = out.emplace(f.form, rank);
        if (!fresh && rank != 0 && (it->second == 0 || rank < it->second)) it->second = rank;
    }
    return out;
}

// A reading of a lower-case form that is also a verb form, to be read before
// the verb's readings: a preposition or conjunction commoner than the verb
// ("entre", "contre", "pendant"; not "soit", a form of "être" first), or a
// word whose lemma is ranked and whose verbs are rare, ranking ten times
// lower or not at all ("musée" before "muser", "tapis" before "tapir";
// "été" and "est" stay forms of "être" first).
bool ReadsBeforeVerb(const std::string& form, const WordReading& r, const std::map<std::string, u32>& verbRanks) {
    auto it = verbRanks.find(form);
    if (it == verbRanks.end()) return false;
    if (r.rank == 0) return false;
    if (r.classByte == 0 && ReadsBeforeOtherReadings(r.tag)) return it->second == 0 || r.rank < it->second;
    // The rank of a lemma spelt like a form of a common verb counts that
    // verb's uses too ("est"): such forms stay verb forms first.
    constexpr u32 kCommonVerbRank = 1000;
    return it->second == 0 || (it->second > kCommonVerbRank && it->second >= 10ull * r.rank);
}

// A noun of an irregular pair (œil, yeux): the plural takes the singular as
// its lemma, and both go to a section where every key shares its leading
// characters, so that the plural is written as a variant of the singular.
bool LinkedIrregularNoun(const std::string& form, WordReading& r, const FrequencyRanks& ranks) {
    if (r.classByte != 0 || (r.tag >> 8) != kClassNoun) return false;
    const u8 number = (r.tag >> 2) & 3;
    if (number == 1) return HasIrregularPlural(form);
    if (number != 2) return false;
    const std::string singular = IrregularPluralSingular(form);
    if (singular.empty()) return false;
    r.lemma = singular;
    r.rank = FrequencyRank(ranks, singular);
    return true;
}

struct Classified {
    std::vector<WordReading> readings;
    std::map<std::string, u32> skipped;   // reason -> count
    u32 verbForms = 0;
};

// stemOnly: the verbs filed by their infinitive alone (UTF-8 lemmas).
Classified ClassifyAll(const std::vector<SourceForm>& forms, const FrequencyRanks& ranks,
                       const HAspireWords& hAspire, const std::set<std::string>& stemOnly) {
    Classified c;
    const std::map<std::string, u32> verbRanks = VerbRankOfForms(forms, ranks);
    std::set<std::string> locutionWords;  // filed with a locution subtype
    std::set<std::string> verbFormWords;  // words of the locution list that are verb forms too
    for (const SourceForm& f : forms) {
        if (LocutionWordClass(f.form) == 0) continue;
        if (IsLocutionLine(f)) locutionWords.insert(f.form);
        if (!VerbCodeOf(f).empty()) verbFormWords.insert(f.form);
    }
    for (const SourceForm& f : forms) {
        FormClass fc = locutionWords.count(f.form) != 0 ? ClassifyLocutionWord(f) : ClassifyForm(f);
        if (fc.kind == FormKind::Verb && stemOnly.count(f.lemma) != 0) fc = ClassifyStemOnlyVerbForm(f);
        if (fc.kind == FormKind::Verb) {
            ++c.verbForms;
            continue;
        }
        if (fc.kind == FormKind::Skip) {
            ++c.skipped[fc.reason];
            continue;
        }
        std::string mr;
        if (!Utf8ToMacRoman(f.form, mr)) {
            ++c.skipped["a letter without a Mac Roman byte"];
            continue;
        }
        const int caseMode = CaseModeOf(mr);
        if (caseMode < 0) {
            ++c.skipped["capital inside a lower-case word"];
            continue;
        }
        std::string key;
        KeyStatus ks = MakeDictionaryKey(f.form, key);
        if (ks == KeyStatus::kUnrepresentable) {
            ++c.skipped["a letter without a Mac Roman byte"];
            continue;
        }
        if (ks == KeyStatus::kTooLong) {
            ++c.skipped["longer than 30 bytes"];
            continue;
        }
        if (!f.form.empty() && f.form.back() == '\'') {
            ++c.skipped["elided form (the analysis splits elisions)"];
            continue;
        }
        WordReading r;
        r.word = key;
        r.lemma = f.lemma;
        r.caseMode = static_cast<u8>(caseMode);
        r.rank = FrequencyRank(ranks, f.lemma);
        if (fc.kind == FormKind::Closed) {
            r.classByte = fc.classByte;
            r.number = HasIs(f, "inv") ? 3 : HasIs(f, "pl") ? 2 : 1;
            r.gender = HasIs(f, "fem") && !HasIs(f, "mas") ? 0x20 : HasIs(f, "mas") && !HasIs(f, "fem") ? 0x10 : 0;
        } else {
            r.tag = caseMode == 1 ? CapitalisedWordTag(fc.tag, f.form) : fc.tag;
            // An adverb, preposition or conjunction of the source's function
            // words ("plus", "autour").
            r.functionWord = HasPo(f, "mg") && (r.tag >> 8) < 35;
        }
        auto place = [&](WordReading& w) {
            if (caseMode == 1) w.section = 9;
            else if (caseMode == 3) w.section = 10;
            else if (IsHAspire(hAspire, f.form) || IsHAspire(hAspire, f.lemma)) w.section = 8;
            else if (locutionWords.count(f.form) != 0 && verbFormWords.count(f.form) != 0) w.section = kSectionBeforeVerbs;
            else if (caseMode == 0 && LinkedIrregularNoun(f.form, w, ranks)) w.section = kSectionBeforeVerbs;
            else if (caseMode == 0 && ReadsBeforeVerb(f.form, w, verbRanks)) w.section = kSectionBeforeVerbs;
        };
        place(r);
        const std::vector<u16> further =
            fc.kind == FormKind::Nominal && locutionWords.count(f.form) == 0 ? FurtherFunctionWordTags(f, r.tag)
                                                                             : std::vector<u16>{};
        for (u16 t : further) {
            WordReading w = r;
            w.tag = t;
            w.section = 0;
            place(w);
            c.readings.push_back(std::move(w));
        }
        c.readings.push_back(std::move(r));
    }
    // The listed words that are ordinary words too and that the source files
    // as verb forms only: their locution reading, ahead of the verb's.
    for (const std::string& w : verbFormWords) {
        if (locutionWords.count(w) != 0 || !IsOrdinaryLocutionWord(w)) continue;
        WordReading r;
        if (MakeDictionaryKey(w, r.word) != KeyStatus::kOk) continue;
        r.lemma = w;
        r.tag = static_cast<u16>(LocutionWordClass(w) << 8);
        r.rank = FrequencyRank(ranks, w);
        r.section = kSectionBeforeVerbs;
        c.readings.push_back(std::move(r));
    }
    return c;
}

// The English blocks: sources, verb models, classes, dictionary, files,
// check with the library (after the French check: the French blocks stay
// installed for the capitalised-word sections).
int CompileEnglish(const Options& opt, CompileReport& report) {
    std::string error;
    EnglishSources sources;
    EnglishSourcePaths paths;
    paths.scowlDir = opt.scowl;
    paths.wordnetDir = opt.wordnet;
    paths.nodeModulesDir = opt.npm;
    paths.maxLevel = kEnglishMaxLevel;
    paths.nameMaxLevel = kEnglishNameMaxLevel;
    paths.udClassTable = opt.udClasses;
    if (!ReadEnglishSources(paths, sources, error)) {
        std::fprintf(stderr, "krz_datacomp: %s\n", error.c_str());
        return 1;
    }
    EnglishFormStats stats;
    std::vector<SourceForm> forms = BuildEnglishForms(sources, stats);
    ReportEnglishStats(sources, stats, report);
    EnglishClassified cl = ClassifyEnglish(forms, kEnglishMaxLevel, &sources.ud);
    report.Note("english classify: " + std::to_string(cl.readings.size()) + " readings, " +
                std::to_string(cl.verbs.size()) + " verbs");
    for (const auto& [why, n] : cl.skipped) report.Note("english classify: not encoded " + std::to_string(n) + ": " + why);
    static EnglishModelTable models;
    ApplyPrincipalParts(cl.verbs, sources.irregularVerbs, kEnglishMaxLevel);
    models = BuildEnglishModels(cl.verbs, report);
    InstallEnglishModels(models);
    report.Note("english models: " + std::to_string(KeepVerbFormsWithoutRow(forms, models, cl.readings)) +
                " verb forms no row spells kept as words without analysis");
    EnglishDictInput in;
    in.readings = std::move(cl.readings);
    in.models = &models;
    in.nounsBeforeVerbs = NounsCommonerThanVerbs(sources.wordnet);
    in.ud = &sources.ud;
    static DictBlocks dict;
    dict = WriteEnglishDictionary(in, report);
    bool ok = WriteBlock(opt.out, "KRZDATA", 203, dict.prefixIndex) &&
              WriteBlock(opt.out, "KRZDATA", 204, dict.body) &&
              WriteBlock(opt.out, "KRZDATA", 205, dict.matrix) &&
              WriteBlock(opt.out, "KRZDATA", 206, models.rowBlock) &&
              WriteBlock(opt.out, "KRZDATA", 207, models.notesBlock);
    for (int k = 0; k < kMaxEnglishEndingLength && ok; ++k)
        ok = WriteBlock(opt.out, "KRZAVER", 201 + k, models.endingLists[k]);
    ok = ok && WriteFile(opt.out + "/english_manifest.txt", FormatManifest(dict.manifest));
    std::string notes;
    for (const std::string& p : dict.pruned) notes += p + "\n";
    for (const std::string& d : models.dropped) notes += "verb " + d + "\n";
    for (const std::string& d : models.differing) notes += "verb " + d + "\n";
    ok = ok && WriteFile(opt.out + "/english_pruned.txt", notes);
    if (!ok) {
        std::fprintf(stderr, "krz_datacomp: cannot write into %s\n", opt.out.c_str());
        return 1;
    }
    // Installed whatever --no-check says: the homophone list is checked
    // against these tables.
    EnglishBlockSet set;
    set.prefixIndex = &dict.prefixIndex;
    set.body = &dict.body;
    set.matrix = &dict.matrix;
    set.models = &models;
    InstallEnglishBlocks(set);
    if (opt.check) {
        EnglishCheckResult r = CheckEnglishManifest(dict.manifest);
        report.Note("english check: " + std::to_string(r.checked) + " forms looked up with the library, " +
                    std::to_string(r.failed) + " differ from the intended analyses");
        for (size_t i = 0; i < r.examples.size() && i < 20; ++i) report.Note("english check: " + r.examples[i]);
        std::string all;
        for (const std::string& e : r.examples) all += e + "\n";
        WriteFile(opt.out + "/english_check.txt", all);
    }
    return 0;
}

// The reference dictionary (KRZDATA 303-307), checked entry by entry with
// the library's reader.
int CompileReferenceDictionary(const Options& opt, CompileReport& report) {
    std::string text, error;
    std::vector<ThesaurusHeadword> source;
    if (!ReadWholeFile(opt.thesaurus, text) || !ParseThesaurus(text, source, error)) {
        std::fprintf(stderr, "krz_datacomp: thesaurus %s: %s\n", opt.thesaurus.c_str(),
                     error.empty() ? "cannot read it" : error.c_str());
        return 1;
    }
    static LitDictBlocks dict;
    dict = CompileLitDict(source);
    report.Note("reference dictionary: " + std::to_string(source.size()) + " source headwords, " +
                std::to_string(dict.entries) + " entries, text " + std::to_string(dict.text.size()) + " bytes, " +
                std::to_string(dict.droppedSynonyms) + " synonyms left out, " + std::to_string(dict.cutEntries) +
                " entries cut to a row");
    for (const auto& [why, n] : dict.dropped)
        report.Note("reference dictionary: headwords left out " + std::to_string(n) + ": " + why);
    if (!WriteBlock(opt.out, "KRZDATA", 303, dict.index) || !WriteBlock(opt.out, "KRZDATA", 304, dict.text) ||
        !WriteBlock(opt.out, "KRZDATA", 305, dict.tokens) || !WriteBlock(opt.out, "KRZDATA", 306, dict.phrases) ||
        !WriteBlock(opt.out, "KRZDATA", 307, RegisterCountBlock(dict))) {
        std::fprintf(stderr, "krz_datacomp: cannot write into %s\n", opt.out.c_str());
        return 1;
    }
    const std::vector<std::string> diffs = CheckLitDict(dict);
    report.Note("reference dictionary check: " + std::to_string(diffs.size()) + " entries differ");
    for (size_t i = 0; i < diffs.size() && i < 20; ++i) report.Note("reference dictionary check: " + diffs[i]);
    std::string all;
    for (const std::string& d : diffs) all += d + "\n";
    WriteFile(opt.out + "/litdict_check.txt", all);
    return diffs.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    Options opt;
    if (!ParseOptions(argc, argv, opt)) {
        std::fprintf(stderr,
                     "usage: krz_datacomp --hunspell-aff FILE --hunspell-dic FILE --npm DIR "
                     "--out DIR [--manifest FILE] [--no-check]\n");
        return 2;
    }
    const auto t0 = std::chrono::steady_clock::now();
    CompileReport report;
    std::string error;

    // 1. Sources.
    std::vector<SourceForm> forms;
    HunspellStats hs;
    if (!ExpandHunspellFiles(opt.aff, opt.dic, HunspellOptions{}, forms, hs, error)) {
        std::fprintf(stderr, "krz_datacomp: %s\n", error.c_str());
        return 1;
    }
    ReportHunspellStats(hs, report);
    FrequencyRanks ranks;
    HAspireWords hAspire;
    if (!opt.npm.empty()) {
        if (!ReadFrenchFrequencies(opt.npm, ranks, error) || !ReadHAspireWords(opt.npm, hAspire, error)) {
            std::fprintf(stderr, "krz_datacomp: %s\n", error.c_str());
            return 1;
        }
        ReportSourceLists(ranks, hAspire, report);
    } else {
        report.Note("sources: no npm directory: no frequency ranks, no non-eliding words");
    }

    // 2. Verb models.
    VerbModelTable models = BuildVerbModels(forms, report, opt.npm.empty() ? nullptr : &ranks);

    // 3. Classes of the other forms.
    std::set<std::string> stemOnly;
    for (const VerbModelEntry& v : models.verbs)
        if (v.base.model == kStemOnlyModel) stemOnly.insert(v.lemma);
    Classified cl = ClassifyAll(forms, ranks, hAspire, stemOnly);
    report.Note("classify: " + std::to_string(forms.size()) + " source forms: " +
                std::to_string(cl.verbForms) + " verb forms, " + std::to_string(cl.readings.size()) +
                " other readings");
    for (const auto& [why, n] : cl.skipped)
        report.Note("classify: not encoded " + std::to_string(n) + ": " + why);
    ReportLocutionWordsWithoutReading(forms, report);

    // 4. Dictionary.
    DictInput in;
    in.words = std::move(cl.readings);
    in.verbs = &models;
    for (const VerbModelEntry& v : models.verbs) {
        in.verbRanks[v.lemma] = FrequencyRank(ranks, v.lemma);
        if (IsHAspire(hAspire, v.lemma)) in.nonElidingVerbs.insert(v.lemma);
    }
    DictBlocks dict = WriteDictionary(in, report);

    // 5. Files.
    bool ok = WriteBlock(opt.out, "KRZDATA", 103, dict.prefixIndex) &&
              WriteBlock(opt.out, "KRZDATA", 104, dict.body) &&
              WriteBlock(opt.out, "KRZDATA", 105, dict.matrix) &&
              WriteBlock(opt.out, "KRZDATA", 106, models.rowBlock);
    for (int k = 0; k < kMaxFrenchEndingLength && ok; ++k)
        ok = WriteBlock(opt.out, "KRZFVER", 101 + k, models.endingLists[k]);
    ok = ok && WriteFile(opt.manifest, FormatManifest(dict.manifest));
    std::string prunedText;
    for (const std::string& p : dict.pruned) prunedText += p + "\n";
    for (const std::string& d : models.dropped) prunedText += "verb " + d + "\n";
    ok = ok && WriteFile(opt.out + "/french_pruned.txt", prunedText);
    if (!ok) {
        std::fprintf(stderr, "krz_datacomp: cannot write into %s\n", opt.out.c_str());
        return 1;
    }

    // 6. Checks with the library's reader.
    int status = 0;
    std::vector<std::string> structure = CheckDictionaryStructure(dict.prefixIndex, dict.body, dict.matrix);
    for (const std::string& s : structure) report.Note("check: structure: " + s);
    if (!structure.empty()) status = 1;
    if (opt.check) {
        FrenchBlockSet set;
        set.prefixIndex = &dict.prefixIndex;
        set.body = &dict.body;
        set.matrix = &dict.matrix;
        set.modelRows = &models.rowBlock;
        for (int k = 0; k < kMaxFrenchEndingLength; ++k) set.endings[k] = &models.endingLists[k];
        InstallFrenchBlocks(set);
        LibraryCheckResult r = CheckManifestWithLibrary(dict.manifest);
        report.Note("check: " + std::to_string(r.checked) + " forms looked up with the library, " +
                    std::to_string(r.failed) + " differ from the intended analyses");
        for (size_t i = 0; i < r.examples.size() && i < 20; ++i) report.Note("check: " + r.examples[i]);
        std::string all;
        for (const std::string& e : r.examples) all += e + "\n";
        WriteFile(opt.out + "/french_check.txt", all);
    }

    if (opt.english && CompileEnglish(opt, report) != 0) status = 1;
    if (!opt.thesaurus.empty() && CompileReferenceDictionary(opt, report) != 0) status = 1;

    // Homophone lists (KRZDATA 401 English, 402 French), after the English
    // dictionary. Their entries are kept only when the library analyses them
    // as annotated, so the French blocks are installed (again) whatever
    // --no-check says: the lists do not depend on it.
    {
        FrenchBlockSet set;
        set.prefixIndex = &dict.prefixIndex;
        set.body = &dict.body;
        set.matrix = &dict.matrix;
        set.modelRows = &models.rowBlock;
        for (int k = 0; k < kMaxFrenchEndingLength; ++k) set.endings[k] = &models.endingLists[k];
        InstallFrenchBlocks(set);
        std::vector<u8> englishTagged, frenchTagged;
        if (!CompileTaggedListBlocks(forms, ranks, opt.npm, nullptr, opt.out + "/homophones",
                                     true, englishTagged, frenchTagged, report, error) ||
            !WriteBlock(opt.out, "KRZDATA", kEnglishTaggedBlockId, englishTagged) ||
            !WriteBlock(opt.out, "KRZDATA", kFrenchTaggedBlockId, frenchTagged)) {
            std::fprintf(stderr, "krz_datacomp: homophone lists: %s\n",
                         error.empty() ? "cannot write the blocks" : error.c_str());
            return 1;
        }
    }

    // English sound starts for "a"/"an" (KRZDATA 403).
    if (opt.english) {
        EnglishSourcePaths paths;
        paths.scowlDir = opt.scowl;
        paths.wordnetDir = opt.wordnet;
        paths.nodeModulesDir = opt.npm;
        paths.maxLevel = kEnglishMaxLevel;
        std::vector<u8> soundStarts;
        if (!CompileSoundStartBlock(paths, opt.out + "/sound_starts", soundStarts, report, error) ||
            !WriteBlock(opt.out, "KRZDATA", kEnglishSoundStartsBlock, soundStarts)) {
            std::fprintf(stderr, "krz_datacomp: sound starts: %s\n",
                         error.empty() ? "cannot write the block" : error.c_str());
            return 1;
        }
    }

    const double secs =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    report.Note("done in " + std::to_string(static_cast<int>(secs * 1000)) + " ms");
    for (const std::string& line : report.lines) std::printf("%s\n", line.c_str());
    return status;
}
