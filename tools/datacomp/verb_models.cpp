// French verb models: from the source's conjugated forms to the 51-slot
// model rows, the per-length ending lists and the per-verb stems.
//
// Outline:
//  1. Each verb's forms are laid out by slot (first form of a slot = its
//     primary spelling, later ones are variants).
//  2. Each verb is cut into stem(s) + endings. -er verbs whose stem changes
//     only as the conjugation engine changes it (last e/é → è, final c → ç)
//     get two or three stems: the base row keeps "0" where the second stem
//     takes over (rows 83, 93, 103). Every other verb has one stem, the
//     longest prefix common to its forms (-yer verbs: common to their "ye"
//     and "ie" spellings, the "ie" ones going to row 13).
//  3. Verbs are grouped by base row. An invariable participle (slots 3..5
//     empty) sets the model flag and leaves those slots free, so such verbs
//     join the group of the same paradigm with a variable participle.
//  4. Groups get numbers: the numbers the rules read go to their anchor
//     verbs' groups (model_anchors.cpp), the rest in decreasing size; groups
//     left without a number are pruned and listed.
//  5. Endings are gathered into one list per length, with "0" (no form) and
//     "$" (empty ending) at indexes 3 and 9 of the length-1 list.
#include "tools/datacomp/verb_models.h"

#include <algorithm>
#include <map>
#include <set>
#include <unordered_map>

#include "tools/datacomp/hunspell.h"
#include "tools/datacomp/model_anchors.h"
#include "tools/datacomp/source_text.h"

namespace {

using Row = std::array<std::string, kVerbSlotCount>;

const std::string kNoForm = "0";
const std::string kEmptyEnding = "$";
constexpr u8 kMrEAcute = 0x8E;   // é
constexpr u8 kMrEGrave = 0x8F;   // è
constexpr u8 kMrCCedilla = 0x8D; // ç
constexpr int kAlternateRows[] = {83, 93, 103};
constexpr u8 kIeRow = 13;

// ---- Slots of a source form -------------------------------------------------

std::string FieldValue(const std::string& field) {
    std::string v = field;
    if (v.size() > 3 && (v.compare(0, 3, "po:") == 0 || v.compare(0, 3, "is:") == 0)) v = v.substr(3);
    while (!v.empty() && v.back() == '!') v.pop_back();
    return v;
}

// The slots a form fills, from its tense, person, gender and number fields.
std::vector<int> SlotsOfForm(const SourceForm& f) {
    std::set<std::string> v;
    for (const std::string& p : f.po) v.insert(FieldValue(p));
    for (const std::string& p : f.is) v.insert(FieldValue(p));
    std::vector<int> out;
    if (v.count("1isg")) return out;  // inverted "-je" spelling (aimè-je)
    for (const std::string& o : f.other)
        if (o.compare(0, 3, "ds:") == 0) return out;  // imperative with a pronoun glued on
    if (v.count("infi")) out.push_back(0);
    if (v.count("ppre")) out.push_back(1);
    if (v.count("ppas")) {
        bool mas = v.count("mas"), fem = v.count("fem");
        bool sg = v.count("sg"), pl = v.count("pl");
        if (!mas && !fem && !sg && !pl) {
            out.push_back(2);  // "epi inv": one form for all four, an invariable participle
        } else {
            std::vector<int> genders, numbers;
            if (mas || !fem) genders.push_back(0);
            if (fem || (!mas && !fem)) genders.push_back(2);
            if (sg || !pl) numbers.push_back(0);
            if (pl || (!sg && !pl)) numbers.push_back(1);
            if (!mas && !fem && !pl && sg) genders = {0, 2};
            if (v.count("epi") && v.count("inv")) { genders = {0}; numbers = {0}; }
            for (int g : genders)
                for (int n : numbers) out.push_back(2 + g + n);
        }
    }
    static const std::pair<const char*, int> kTenses[] = {{"ipre", 6},  {"iimp", 12}, {"ifut", 18},
                                                          {"ipsi", 24}, {"spre", 30}, {"simp", 36},
                                                          {"cond", 42}};
    static const char* kPersons[] = {"1sg", "2sg", "3sg", "1pl", "2pl", "3pl"};
    for (const auto& [tense, base] : kTenses)
        if (v.count(tense))
            for (int p = 0; p < 6; ++p)
                if (v.count(kPersons[p])) out.push_back(base + p);
    if (v.count("impe")) {
        if (v.count("2sg")) out.push_back(48);
        if (v.count("1pl")) out.push_back(49);
        if (v.count("2pl")) out.push_back(50);
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

// One source entry of a verb: a lemma with one construction code (a lemma
// with two codes is two verbs conjugated apart, such as sortir).
struct VerbSource {
    std::string lemma;
    VerbSlotForms slots;
    std::vector<std::string> codes;  // its construction code
    bool convertible = true;
    std::size_t order = 0;           // first appearance in the source
};

std::vector<VerbSource> CollectVerbs(const std::vector<SourceForm>& forms, bool byCode = true) {
    std::map<std::pair<std::string, std::string>, VerbSource> byLemma;
    for (const SourceForm& f : forms) {
        std::string code = VerbCodeOf(f);
        if (code.empty()) continue;
        bool fresh = byLemma.find({f.lemma, byCode ? code : ""}) == byLemma.end();
        VerbSource& v = byLemma[{f.lemma, byCode ? code : ""}];
        if (fresh) v.order = byLemma.size();
        v.lemma = f.lemma;
        if (std::find(v.codes.begin(), v.codes.end(), code) == v.codes.end()) v.codes.push_back(code);
        std::vector<int> slots = SlotsOfForm(f);
        if (slots.empty()) continue;
        std::string mr;
        if (!VerbTextToMacRoman(f.form, mr)) { v.convertible = false; continue; }
        for (int t : slots) {
            auto& list = v.slots[t];
            if (std::find(list.begin(), list.end(), mr) == list.end()) list.push_back(mr);
        }
    }
    std::vector<VerbSource> out;
    out.reserve(byLemma.size());
    for (auto& [lemma, v] : byLemma) out.push_back(std::move(v));
    return out;
}

// ---- Stems and rows -------------------------------------------------------

std::string CommonPrefix(const std::vector<const std::string*>& words) {
    if (words.empty()) return "";
    std::string p = *words[0];
    for (const std::string* w : words) {
        std::size_t i = 0;
        while (i < p.size() && i < w->size() && p[i] == (*w)[i]) ++i;
        p.resize(i);
    }
    return p;
}

std::string EndingAfter(const std::string& stem, const std::string& form) {
    if (form.size() == stem.size()) return kEmptyEnding;
    return form.substr(stem.size());
}

bool StartsWith(const std::string& s, const std::string& prefix) {
    return s.size() >= prefix.size() && s.compare(0, prefix.size(), prefix) == 0;
}

// The stem with its last `from` letter (searched from the end down to the
// second letter) replaced by `to`; empty when there is none.
std::string ReplaceLast(const std::string& stem, u8 from, u8 to) {
    for (std::size_t i = stem.size(); i-- > 1;)
        if (static_cast<u8>(stem[i]) == from) {
            std::string s = stem;
            s[i] = static_cast<char>(to);
            return s;
        }
    return "";
}

struct Candidate {
    std::string lemma, lemmaMR;
    std::string stem;
    Row row;
    bool flag = false;
    bool second = false;           // a verb's second paradigm
    bool stemOnly = false;         // 125 / 127
    u8 fixedModel = 0;             // 125 / 127
    std::vector<std::pair<u8, std::string>> alts;  // (alternate row, stem)
    std::vector<Row> altRows;      // parallel to alts until checked
    Row secondaryRow;              // second spellings on the same stem (row 13 candidates)
    bool hasSecondaryRow = false;
    std::size_t source = 0;        // index in the verb list
    int group = -1;
};

bool EndingsFit(const Row& row) {
    for (const std::string& e : row)
        if (e.size() > static_cast<std::size_t>(kMaxFrenchEndingLength)) return false;
    return true;
}

Row OneStemRow(const std::string& stem, const std::array<std::string, kVerbSlotCount>& forms) {
    Row row;
    for (int t = 0; t < kVerbSlotCount; ++t)
        row[t] = forms[t].empty() ? kNoForm : EndingAfter(stem, forms[t]);
    return row;
}

// Cuts one verb (its primary forms) into stem(s) and rows.
void Decompose(const std::array<std::string, kVerbSlotCount>& prim,
               const std::vector<const std::string*>& secondaries, Candidate& c) {
    const std::string& inf = prim[0];
    c.alts.clear();
    c.altRows.clear();
    if (EndsWith(inf, "er") && inf.size() > 3) {
        std::string s1 = inf.substr(0, inf.size() - 2);
        std::string e = ReplaceLast(s1, 'e', kMrEGrave);
        u8 eFrom = 'e';
        // The vowel that alternates is the last e or é before the end.
        std::string eAcute = ReplaceLast(s1, kMrEAcute, kMrEGrave);
        if (!eAcute.empty()) {
            std::size_t posE = 0, posA = 0;
            for (std::size_t i = 1; i < s1.size(); ++i) {
                if (s1[i] == 'e') posE = i;
                if (static_cast<u8>(s1[i]) == kMrEAcute) posA = i;
            }
            if (posA > posE) { e = eAcute; eFrom = kMrEAcute; }
        }
        std::string cc;
        if (!s1.empty() && s1.back() == 'c') cc = s1.substr(0, s1.size() - 1) + static_cast<char>(kMrCCedilla);
        std::array<std::string, kVerbSlotCount> a, be, bc;
        bool ok = true, anyE = false, anyC = false;
        for (int t = 0; t < kVerbSlotCount && ok; ++t) {
            const std::string& f = prim[t];
            if (f.empty()) continue;
            if (StartsWith(f, s1)) a[t] = f;
            else if (!e.empty() && StartsWith(f, e)) { be[t] = f; anyE = true; }
            else if (!cc.empty() && StartsWith(f, cc)) { bc[t] = f; anyC = true; }
            else ok = false;
        }
        if (ok && (anyE || anyC)) {
            c.stem = s1;
            c.row = OneStemRow(s1, a);
            if (anyE) {
                c.alts.push_back({eFrom == 'e' ? u8(103) : u8(93), e});
                c.altRows.push_back(OneStemRow(e, be));
            }
            if (anyC) {
                c.alts.push_back({u8(83), cc});
                c.altRows.push_back(OneStemRow(cc, bc));
            }
            return;
        }
    }
    std::vector<const std::string*> all;
    for (const std::string& f : prim)
        if (!f.empty()) all.push_back(&f);
    // -yer verbs: the stem stops before the y so that the "ie" spellings share it.
    if (EndsWith(inf, "yer"))
        for (const std::string* s : secondaries) all.push_back(s);
    c.stem = CommonPrefix(all);
    c.row = OneStemRow(c.stem, prim);
}

std::string RowKey(const Row& row) {
    std::string k;
    for (const std::string& e : row) { k += e; k += '\x01'; }
    return k;
}

Row WithoutPlural(Row row) {
    row[3] = row[4] = row[5] = "*";
    return row;
}

// Shared forms of a row fall on slots that share their form in `reference`.
bool SharesLike(const Row& row, const Row& reference) {
    for (int s = 0; s < kVerbSlotCount; ++s) {
        if (row[s] == kNoForm) continue;
        for (int t = s + 1; t < kVerbSlotCount; ++t)
            if (row[s] == row[t] && reference[s] != reference[t]) return false;
    }
    return true;
}

// Every ending ends like the ending of `reference` in the same slot (the
// -er paradigm and its spelling variants: "eons", "ie", "lerai"...).
bool EndsLike(const Row& row, const Row& reference) {
    for (int t = 0; t < kVerbSlotCount; ++t) {
        if (row[t] == kNoForm || reference[t] == kNoForm) continue;
        if (row[t] == kEmptyEnding || !EndsWith(row[t], reference[t])) return false;
    }
    return true;
}

// ---- Group characters -----------------------------------------------------

char FamilyChar(int model) {
    switch (model) {
        case 2: case 103: return '2';
        case 3: case 12: case 93: case 102: return '3';
        case 4: case 83: case 110: return '4';
        case 5: return '5';
        case 6: return '6';
        default: return '0';
    }
}

char KindChar(int model, const Row& row, bool hasAlternates, bool allFlagged, const Row& model1Row) {
    if (model == 16 || model == 17) return '4';
    if (model == 9 || model == kIeRow) return 'C';
    if (model == 83 || model == 93 || model == 103) return '1';
    bool complete = true;
    bool personal[kVerbSlotCount] = {};
    for (int t = 0; t < kVerbSlotCount; ++t) {
        if (allFlagged && t >= 3 && t <= 5) continue;
        if (row[t] == kNoForm) complete = false;
        else personal[t] = true;
    }
    if (complete || hasAlternates) {
        if (EndsWith(row[0], "er") && EndsLike(row, model1Row)) return '1';
        if ((EndsWith(row[0], "ir") || EndsWith(row[0], "\x95r")) &&
            (EndsWith(row[1], "issant") || EndsWith(row[1], "\x95ssant")))
            return '2';
        return '3';
    }
    // Models with missing forms, by what they keep.
    bool only3sg = true, only3rd = true, onlyPlural = true;
    for (int t = 6; t < 48; ++t) {
        if (!personal[t]) continue;
        int person = (t - 6) % 6;
        if (person != 2) only3sg = false;
        if (person != 2 && person != 5) only3rd = false;
        if (person < 3) onlyPlural = false;
    }
    bool anyPersonal = false;
    for (int t = 6; t < 48; ++t) anyPersonal |= personal[t];
    if (anyPersonal && only3sg) return '5';
    if (anyPersonal && only3rd) return '6';
    if (anyPersonal && onlyPlural) return '7';
    bool pastOnlyMissing = true;
    for (int t = 0; t < kVerbSlotCount; ++t) {
        bool past = (t >= 24 && t <= 29) || (t >= 36 && t <= 41);
        if (!personal[t] && !past && !(allFlagged && t >= 3 && t <= 5)) pastOnlyMissing = false;
    }
    if (pastOnlyMissing) return '8';
    bool imperativeOrParticipleMissing = true;
    for (int t = 0; t < kVerbSlotCount; ++t) {
        bool allowed = t >= 48 || (t >= 1 && t <= 5);
        if (!personal[t] && !allowed) imperativeOrParticipleMissing = false;
    }
    if (imperativeOrParticipleMissing) return '9';
    return 'A';
}

// ---- Flags byte ------------------------------------------------------------

// Construction code "v1_it_q__a": position 3 'i' intransitive, 4 't' direct
// transitive, 5 'n' indirect transitive, 6 'p'/'q'/'r'/'e' pronominal. A verb
// that is also directly transitive counts as transitive, not intransitive
// (abaisser: 0xC0); an indirect object keeps the intransitive bit (vouloir).
u8 ClassNibble(const std::vector<std::string>& codes) {
    u8 flags = 0;
    for (const std::string& code : codes) {
        bool transitive = code.size() > 4 && code[4] == 't';
        if (code.size() > 3 && code[3] == 'i' && !transitive) flags |= kVerbIntransitive;
        if (transitive) flags |= kVerbTransitive;
        if (code.size() > 5 && code[5] == 'n') flags |= kVerbIntransitive;
        if (code.size() > 6 && std::string("pqre").find(code[6]) != std::string::npos)
            flags |= kVerbPronominal;
    }
    return flags;
}

// Noun and adjective lemmas of the source (not verb forms), by category.
struct NominalLemma {
    std::string lemma;
    std::set<std::string> forms;  // Mac Roman
    bool mas = false, fem = false, epi = false;
};

struct NominalIndex {
    // (Mac Roman lemma spelling, "nom"/"adj") → lemma data
    std::map<std::pair<std::string, std::string>, NominalLemma> byLemma;
};

NominalIndex IndexNominals(const std::vector<SourceForm>& forms) {
    NominalIndex index;
    for (const SourceForm& f : forms) {
        if (!VerbCodeOf(f).empty()) continue;
        bool nom = false, adj = false;
        for (const std::string& p : f.po) {
            std::string v = FieldValue(p);
            nom |= v == "nom";
            adj |= v == "adj";
        }
        if (!nom && !adj) continue;
        std::string lemmaMR, formMR;
        if (!VerbTextToMacRoman(f.lemma, lemmaMR) || !VerbTextToMacRoman(f.form, formMR)) continue;
        for (const char* cat : {"nom", "adj"}) {
            if ((std::string(cat) == "nom" && !nom) || (std::string(cat) == "adj" && !adj)) continue;
            NominalLemma& n = index.byLemma[{lemmaMR, cat}];
            n.lemma = f.lemma;
            n.forms.insert(formMR);
            for (const std::string& i : f.is) {
                std::string v = FieldValue(i);
                n.mas |= v == "mas";
                n.fem |= v == "fem";
                n.epi |= v == "epi";
            }
        }
    }
    return index;
}

// The noun/adjective readings a verb's forms can carry through its flags
// byte: the lemma spelled like the form, of the gender the reading gives,
// whose forms are exactly the singular and plural slots of the verb.
u8 ReadingBits(const VerbSlotForms& slots, bool flag, const NominalIndex& index,
               std::set<std::pair<std::string, std::string>>& taken,
               std::vector<std::pair<std::string, std::string>>& absorbedLemmas,
               std::vector<std::pair<std::string, std::string>>& absorbedReadings) {
    auto formAt = [&](int t) -> std::string { return slots[t].empty() ? "" : slots[t][0]; };
    u8 bits = 0;
    auto tryAbsorb = [&](int sg, int pl, const char* cat, bool wantMas, bool wantFem, bool wantEpi, u8 bit) {
        std::string s = formAt(sg), p = formAt(pl);
        if (s.empty() || p.empty()) return;
        auto it = index.byLemma.find({s, cat});
        if (it == index.byLemma.end() || taken.count(it->first)) return;
        const NominalLemma& n = it->second;
        if (n.mas != wantMas || n.fem != wantFem || n.epi != wantEpi) return;
        std::set<std::string> expect = {s, p};
        if (n.forms != expect) return;
        taken.insert(it->first);
        bits |= bit;
        absorbedLemmas.push_back({n.lemma, cat});
        for (const std::string& f : n.forms) absorbedReadings.push_back({f, n.lemma});
    };
    if (!flag) {
        tryAbsorb(2, 3, "nom", true, false, false, kReadPastParticipleNoun);
        tryAbsorb(4, 5, "nom", false, true, false, kReadPastParticipleFem);
    }
    tryAbsorb(6, 7, "adj", false, false, true, kReadPresentAdjective);
    tryAbsorb(6, 7, "nom", true, false, false, kReadPresentMascNoun);
    tryAbsorb(6, 7, "nom", false, true, false, kReadPresentFemNoun);
    return bits;
}

// ---- Ending lists and blocks -----------------------------------------------

struct EndingIndex {
    std::array<std::map<std::string, u16>, kMaxFrenchEndingLength> index;
};

EndingIndex BuildEndingLists(const VerbModelTable& table, const std::vector<bool>& used,
                             std::array<std::vector<u8>, kMaxFrenchEndingLength>& lists) {
    std::array<std::set<std::string>, kMaxFrenchEndingLength> texts;
    for (int r = 0; r < kFrenchModelRowCount; ++r) {
        if (!used[r]) continue;
        for (const std::string& e : table.rows[r])
            if (e != kNoForm && e != kEmptyEnding) texts[e.size() - 1].insert(e);
    }
    EndingIndex out;
    for (int len = 1; len <= kMaxFrenchEndingLength; ++len) {
        std::vector<std::string> order(texts[len - 1].begin(), texts[len - 1].end());
        if (len == 1) {
            // Markers at their fixed places; the other places hold the letters.
            std::vector<std::string> list;
            std::size_t next = 0;
            std::string filler = order.empty() ? std::string("e") : order[0];
            while (list.size() < 10 || next < order.size()) {
                std::size_t i = list.size();
                if (i == kNoFormEndingIndex) list.push_back(kNoForm);
                else if (i == kEmptyEndingIndex) list.push_back(kEmptyEnding);
                else list.push_back(next < order.size() ? order[next++] : filler);
            }
            order = list;
        } else if (order.size() > kEmptyEndingIndex) {
            // Index 9 of every list is read as "empty ending" by one reader that
            // tests the index alone: keep it a copy that no row refers to.
            order.insert(order.begin() + kEmptyEndingIndex, order[0]);
        }
        std::vector<u8>& bytes = lists[len - 1];
        bytes.clear();
        for (std::size_t i = 0; i < order.size(); ++i) {
            bytes.insert(bytes.end(), order[i].begin(), order[i].end());
            if (out.index[len - 1].count(order[i]) == 0 && !(len > 1 && i == kEmptyEndingIndex))
                out.index[len - 1][order[i]] = static_cast<u16>(i);
        }
    }
    return out;
}

void EncodeRows(VerbModelTable& table, const EndingIndex& endings) {
    table.rowBlock.assign(static_cast<std::size_t>(kFrenchModelRowCount) * kFrenchRowBytes, 0);
    for (int r = 0; r < kFrenchModelRowCount; ++r) {
        u8* rec = table.rowBlock.data() + static_cast<std::size_t>(r) * kFrenchRowBytes;
        rec[0] = static_cast<u8>(r);
        rec[1] = static_cast<u8>(table.groupChars[r][0]);
        rec[2] = static_cast<u8>(table.groupChars[r][1]);
        for (int t = 0; t < kVerbSlotCount; ++t) {
            const std::string& e = table.rows[r][t];
            u8 len = static_cast<u8>(e.size());
            u16 idx = endings.index[len - 1].at(e);
            rec[3 + t] = len;
            rec[54 + 2 * t] = static_cast<u8>(idx >> 8);
            rec[55 + 2 * t] = static_cast<u8>(idx & 0xFF);
        }
    }
}

// ---- Stages of BuildVerbModels -----------------------------------------------

// Verbs that take a fixed stem-only or defective model, by lemma.
std::map<std::string, u8> StemOnlyVerbs() {
    std::map<std::string, u8> stemOnly;
    for (std::size_t i = 0; i < kFixedModelCount; ++i) {
        const FixedModel& fm = kFixedModels[i];
        if (fm.kind != AnchorKind::kStemOnly && fm.kind != AnchorKind::kDefective) continue;
        std::string list = fm.verbs;
        std::size_t start = 0;
        while (start <= list.size()) {
            std::size_t bar = list.find('|', start);
            if (bar == std::string::npos) bar = list.size();
            stemOnly[list.substr(start, bar - start)] = fm.model;
            start = bar + 1;
        }
    }
    return stemOnly;
}

// What the candidate stage dropped or set aside, for the summary.
struct CandidateCounts {
    std::size_t droppedNoInfinitive = 0, droppedLetters = 0, droppedLong = 0, infinitiveOnly = 0;
};

// Second spellings on the same stem as the first ones: a candidate row 13.
void FindSecondaryRow(const VerbSource& v, const std::vector<const std::string*>& secondaries,
                      Candidate& c) {
    if (secondaries.empty() || !c.alts.empty()) return;
    bool all = true;
    Row sec;
    sec.fill(kNoForm);
    for (int t = 0; t < kVerbSlotCount; ++t)
        if (v.slots[t].size() > 1) {
            if (!StartsWith(v.slots[t][1], c.stem)) all = false;
            else sec[t] = EndingAfter(c.stem, v.slots[t][1]);
        }
    if (all && EndingsFit(sec)) { c.secondaryRow = sec; c.hasSecondaryRow = true; }
}

// A verb's second paradigm: the verb with its second spellings, on one stem.
// false when an ending does not fit.
bool SecondParadigm(const VerbSource& v, const std::array<std::string, kVerbSlotCount>& prim,
                    const Candidate& c, Candidate& s) {
    s.lemma = c.lemma;
    s.lemmaMR = c.lemmaMR;
    s.source = c.source;
    s.second = true;
    std::array<std::string, kVerbSlotCount> alt = prim;
    for (int t = 0; t < kVerbSlotCount; ++t)
        if (v.slots[t].size() > 1) alt[t] = v.slots[t][1];
    s.flag = c.flag;
    std::vector<const std::string*> all;
    for (const std::string& f : alt)
        if (!f.empty()) all.push_back(&f);
    s.stem = CommonPrefix(all);
    s.row = OneStemRow(s.stem, alt);
    return EndingsFit(s.row);
}

// Stages 1-2: one candidate per source verb (and one more for a second
// paradigm); verbs that cannot be encoded are listed as dropped.
std::vector<Candidate> CollectCandidates(const std::vector<VerbSource>& verbs,
                                         const std::map<std::string, u8>& stemOnly,
                                         VerbModelTable& table, CandidateCounts& counts) {
    std::vector<Candidate> cands;
    for (std::size_t vi = 0; vi < verbs.size(); ++vi) {
        const VerbSource& v = verbs[vi];
        if (!v.convertible) {
            table.dropped.push_back(v.lemma + ": letters without a Mac Roman byte");
            ++counts.droppedLetters;
            continue;
        }
        std::array<std::string, kVerbSlotCount> prim;
        std::vector<const std::string*> secondaries;
        bool anyOther = false;
        for (int t = 0; t < kVerbSlotCount; ++t) {
            if (!v.slots[t].empty()) prim[t] = v.slots[t][0];
            if (t > 0 && !v.slots[t].empty()) anyOther = true;
            if (v.slots[t].size() > 1) secondaries.push_back(&v.slots[t][1]);
        }
        if (prim[0].empty()) {
            table.dropped.push_back(v.lemma + ": no infinitive in the source");
            ++counts.droppedNoInfinitive;
            continue;
        }
        Candidate c;
        c.lemma = v.lemma;
        c.lemmaMR = prim[0];
        c.source = vi;
        auto so = stemOnly.find(v.lemma);
        if (so != stemOnly.end() || !anyOther) {
            c.stemOnly = true;
            c.fixedModel = so != stemOnly.end() ? so->second : kStemOnlyModel;
            c.stem = prim[0];
            if (!anyOther) ++counts.infinitiveOnly;
            cands.push_back(std::move(c));
            continue;
        }
        c.flag = !prim[2].empty() && prim[3].empty() && prim[4].empty() && prim[5].empty();
        Decompose(prim, secondaries, c);
        bool fits = EndingsFit(c.row);
        for (const Row& r : c.altRows) fits = fits && EndingsFit(r);
        if (!fits) {
            table.dropped.push_back(v.lemma + ": an ending longer than 10 letters");
            ++counts.droppedLong;
            continue;
        }
        FindSecondaryRow(v, secondaries, c);
        if (!secondaries.empty()) {
            Candidate s;
            if (SecondParadigm(v, prim, c, s)) {
                cands.push_back(std::move(c));
                cands.push_back(std::move(s));
                continue;
            }
        }
        cands.push_back(std::move(c));
    }
    return cands;
}

// Canonical alternate rows: the most common one of each number (row 13:
// the most common second-spelling row).
std::map<u8, Row> CanonicalAlternateRows(const std::vector<Candidate>& cands) {
    std::map<u8, Row> canonical;
    std::map<u8, std::map<std::string, std::pair<int, Row>>> counts;
    for (const Candidate& c : cands)
        for (std::size_t i = 0; i < c.alts.size(); ++i) {
            auto& slot = counts[c.alts[i].first][RowKey(c.altRows[i])];
            slot.first++;
            slot.second = c.altRows[i];
        }
    std::map<std::string, std::pair<int, Row>> ie;
    for (const Candidate& c : cands)
        if (c.hasSecondaryRow && !c.second) {
            auto& slot = ie[RowKey(c.secondaryRow)];
            slot.first++;
            slot.second = c.secondaryRow;
        }
    counts[kIeRow] = ie;
    for (auto& [model, rows] : counts) {
        int best = -1;
        for (auto& [key, cr] : rows)
            if (cr.first > best) { best = cr.first; canonical[model] = cr.second; }
    }
    return canonical;
}

// Verbs whose second stem does not fit the canonical row take one stem; a
// verb whose second spellings all went to row 13 has no second paradigm.
// Returns the number of verbs moved to one stem.
std::size_t FitCanonicalRows(std::vector<Candidate>& cands, const std::vector<VerbSource>& verbs,
                             std::map<u8, Row>& canonical, VerbModelTable& table) {
    std::size_t refitted = 0;
    for (Candidate& c : cands) {
        bool ok = true;
        for (std::size_t i = 0; i < c.alts.size(); ++i)
            if (RowKey(c.altRows[i]) != RowKey(canonical[c.alts[i].first])) ok = false;
        if (!ok) {
            const VerbSource& v = verbs[c.source];
            std::array<std::string, kVerbSlotCount> prim;
            for (int t = 0; t < kVerbSlotCount; ++t)
                if (!v.slots[t].empty()) prim[t] = v.slots[t][0];
            std::vector<const std::string*> all;
            for (const std::string& f : prim)
                if (!f.empty()) all.push_back(&f);
            c.alts.clear();
            c.altRows.clear();
            c.stem = CommonPrefix(all);
            c.row = OneStemRow(c.stem, prim);
            ++refitted;
            if (!EndingsFit(c.row)) {
                c.stemOnly = true;
                c.fixedModel = 0;  // dropped below
                table.dropped.push_back(c.lemma + ": an ending longer than 10 letters");
            }
        }
        if (c.hasSecondaryRow && !c.second && canonical.count(kIeRow) &&
            RowKey(c.secondaryRow) == RowKey(canonical[kIeRow]))
            c.alts.push_back({kIeRow, c.stem});
    }
    std::set<std::string> onIe;
    for (const Candidate& c : cands)
        for (const auto& a : c.alts)
            if (a.first == kIeRow) onIe.insert(c.lemma);
    cands.erase(std::remove_if(cands.begin(), cands.end(),
                               [&](const Candidate& c) {
                                   return (c.second && onIe.count(c.lemma)) ||
                                          (c.stemOnly && c.fixedModel == 0);
                               }),
                cands.end());
    return refitted;
}

// A paradigm: the verbs that share one base row.
struct Group {
    Row row;
    std::vector<std::size_t> members;
    bool second = true;   // only second paradigms
    bool anyFlag = false, allFlag = true;
    bool hasAlternates = false;
    int model = -1;
    std::string firstLemma;
};

// Stage 3: groups by base row; flagged verbs join an unflagged group of the
// same paradigm when there is one.
std::vector<Group> GroupByRow(std::vector<Candidate>& cands) {
    std::vector<Group> groups;
    std::unordered_map<std::string, int> byKey;
    std::unordered_map<std::string, int> unflaggedByShape;
    auto joinGroup = [&](std::size_t ci, const Row& row, const std::string& key) {
        auto it = byKey.find(key);
        int g;
        if (it == byKey.end()) {
            g = static_cast<int>(groups.size());
            groups.push_back(Group{row, {}, true, false, true, false, -1, cands[ci].lemma});
            byKey[key] = g;
        } else {
            g = it->second;
        }
        Group& gr = groups[g];
        gr.members.push_back(ci);
        gr.second = gr.second && cands[ci].second;
        gr.anyFlag |= cands[ci].flag;
        gr.allFlag = gr.allFlag && cands[ci].flag;
        for (const auto& a : cands[ci].alts) gr.hasAlternates |= a.first != kIeRow;
        cands[ci].group = g;
        return g;
    };
    for (std::size_t ci = 0; ci < cands.size(); ++ci) {
        const Candidate& c = cands[ci];
        if (c.stemOnly || c.flag) continue;
        int g = joinGroup(ci, c.row, RowKey(c.row));
        std::string shape = RowKey(WithoutPlural(c.row));
        auto it = unflaggedByShape.find(shape);
        if (it == unflaggedByShape.end() ||
            groups[it->second].members.size() < groups[g].members.size())
            unflaggedByShape[shape] = g;
    }
    for (std::size_t ci = 0; ci < cands.size(); ++ci) {
        Candidate& c = cands[ci];
        if (c.stemOnly || !c.flag) continue;
        auto it = unflaggedByShape.find(RowKey(WithoutPlural(c.row)));
        if (it != unflaggedByShape.end()) {
            c.row = groups[it->second].row;
            joinGroup(ci, c.row, RowKey(c.row));
        } else {
            c.row[3] = c.row[4] = c.row[5] = kNoForm;
            joinGroup(ci, c.row, RowKey(c.row));
        }
    }
    return groups;
}

using GroupOfModel = std::array<int, kFrenchModelRowCount>;

// The candidate of a lemma; of two source entries, the one with more forms.
int FindCandidate(const std::vector<Candidate>& cands, const std::vector<VerbSource>& verbs,
                  const std::string& lemma, bool second) {
    int best = -1;
    std::size_t bestForms = 0;
    for (std::size_t ci = 0; ci < cands.size(); ++ci) {
        if (cands[ci].lemma != lemma || cands[ci].second != second || cands[ci].stemOnly) continue;
        std::size_t n = 0;
        for (const auto& list : verbs[cands[ci].source].slots) n += list.size();
        if (best < 0 || n > bestForms) { best = static_cast<int>(ci); bestForms = n; }
    }
    return best;
}

// The anchor's paradigm already holds another number: the anchor (with the
// verbs listed beside it) takes a copy of the row. Returns the new group.
int SplitAnchorGroup(std::vector<Group>& groups, std::vector<Candidate>& cands, int gi,
                     const FixedModel& fm, const std::string& anchor, CompileReport& report) {
    std::set<std::string> listed;
    std::string list = fm.verbs;
    for (std::size_t st = 0; st <= list.size();) {
        std::size_t bar = std::min(list.find('|', st), list.size());
        listed.insert(list.substr(st, bar - st));
        st = bar + 1;
    }
    int oldModel = groups[gi].model;
    Group split = groups[gi];
    split.members.clear();
    std::vector<std::size_t> stay;
    for (std::size_t m : groups[gi].members)
        (listed.count(cands[m].lemma) ? split.members : stay).push_back(m);
    groups[gi].members = stay;
    split.model = -1;
    split.firstLemma = anchor;
    int ni = static_cast<int>(groups.size());
    for (std::size_t m : split.members) cands[m].group = ni;
    groups.push_back(split);
    report.Note("verb models: model " + std::to_string(fm.model) + " holds " + anchor +
                " apart from the same paradigm on model " + std::to_string(oldModel));
    return ni;
}

// Stage 4a: the fixed model numbers go to their anchor verbs' paradigms.
GroupOfModel PinFixedModels(std::vector<Group>& groups, std::vector<Candidate>& cands,
                            const std::vector<VerbSource>& verbs, CompileReport& report) {
    GroupOfModel groupOfModel;
    groupOfModel.fill(-1);
    for (std::size_t i = 0; i < kFixedModelCount; ++i) {
        const FixedModel& fm = kFixedModels[i];
        if (fm.kind != AnchorKind::kBaseRow && fm.kind != AnchorKind::kSecondParadigm) continue;
        std::string anchor = fm.verbs;
        anchor = anchor.substr(0, anchor.find('|'));
        int ci = FindCandidate(cands, verbs, anchor, fm.kind == AnchorKind::kSecondParadigm);
        if (ci < 0) {
            report.Note("verb models: model " + std::to_string(fm.model) + " not pinned: " + anchor +
                        " is not in the source");
            continue;
        }
        int gi = cands[ci].group;
        if (groups[gi].model >= 0 && groups[gi].model != fm.model)
            gi = SplitAnchorGroup(groups, cands, gi, fm, anchor, report);
        groups[gi].model = fm.model;
        groupOfModel[fm.model] = gi;
    }
    return groupOfModel;
}

// The best frequency rank of each group's forms (0: unranked).
std::vector<u32> GroupRanks(const std::vector<Group>& groups, const std::vector<Candidate>& cands,
                            const std::vector<VerbSource>& verbs, const FrequencyRanks* ranks) {
    std::vector<u32> groupRank(groups.size(), 0);
    if (!ranks) return groupRank;
    for (std::size_t g = 0; g < groups.size(); ++g)
        for (std::size_t ci : groups[g].members) {
            const VerbSource& v = verbs[cands[ci].source];
            for (const auto& list : v.slots)
                for (const std::string& f : list) {
                    u32 r = FrequencyRank(*ranks, MacRomanToUtf8(f));
                    if (r && (!groupRank[g] || r < groupRank[g])) groupRank[g] = r;
                }
        }
    return groupRank;
}

// The free model number a paradigm takes (-er paradigms take the merged
// numbers first); -1 when none is left.
int FreeModelNumber(const Group& gr, const GroupOfModel& groupOfModel, const Row& model1Row) {
    bool erShaped = EndsWith(gr.row[0], "er") && SharesLike(gr.row, model1Row) &&
                    EndsLike(gr.row, model1Row);
    for (int pass = 0; pass < 2; ++pass) {
        for (int m = 1; m < kFrenchModelRowCount; ++m) {
            if (!IsFreeModelNumber(static_cast<u8>(m)) || groupOfModel[m] >= 0) continue;
            bool merged = IsMergedTagModel(static_cast<u8>(m));
            if (merged && !erShaped) continue;
            if (merged && m == 14 && gr.anyFlag) continue;  // a flagged 14 is named "échoir"
            if (pass == 0 && merged != erShaped) continue;
            return m;
        }
    }
    return -1;
}

// What the numbering stage pruned, for the summary.
struct PruneCounts {
    std::size_t groups = 0, verbs = 0;
};

// Stage 4b: the other paradigms take the free numbers, most frequent first
// (first paradigms before second ones); those left without are pruned.
PruneCounts NumberGroups(std::vector<Group>& groups, const std::vector<Candidate>& cands,
                         const std::vector<VerbSource>& verbs, const FrequencyRanks* ranks,
                         GroupOfModel& groupOfModel, const Row& model1Row, VerbModelTable& table) {
    std::vector<int> order;
    for (std::size_t g = 0; g < groups.size(); ++g)
        if (groups[g].model < 0) order.push_back(static_cast<int>(g));
    const std::vector<u32> groupRank = GroupRanks(groups, cands, verbs, ranks);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const Group& ga = groups[a];
        const Group& gb = groups[b];
        if (ga.second != gb.second) return !ga.second;
        u32 ra = groupRank[a] ? groupRank[a] : UINT32_MAX, rb = groupRank[b] ? groupRank[b] : UINT32_MAX;
        if (ra != rb) return ra < rb;
        if (ga.members.size() != gb.members.size()) return ga.members.size() > gb.members.size();
        return ga.firstLemma < gb.firstLemma;
    });
    PruneCounts pruned;
    for (int g : order) {
        Group& gr = groups[g];
        const int chosen = FreeModelNumber(gr, groupOfModel, model1Row);
        if (chosen < 0) {
            ++pruned.groups;
            for (std::size_t ci : gr.members) {
                if (!cands[ci].second) {
                    ++pruned.verbs;
                    table.dropped.push_back(cands[ci].lemma + ": rare paradigm, no model number left");
                }
            }
            continue;
        }
        gr.model = chosen;
        groupOfModel[chosen] = g;
    }
    return pruned;
}

// The rows and group characters of the table; returns which rows are used.
std::vector<bool> FillRows(VerbModelTable& table, const std::vector<Group>& groups,
                           const GroupOfModel& groupOfModel, const std::map<u8, Row>& canonical,
                           const Row& model1Row) {
    for (int r = 0; r < kFrenchModelRowCount; ++r) {
        table.rows[r].fill(kNoForm);
        table.groupChars[r] = {'0', '0'};
    }
    std::vector<bool> used(kFrenchModelRowCount, false);
    for (int m = 0; m < kFrenchModelRowCount; ++m) {
        if (groupOfModel[m] < 0) continue;
        const Group& g = groups[groupOfModel[m]];
        table.rows[m] = g.row;
        table.groupChars[m] = {FamilyChar(m), KindChar(m, g.row, g.hasAlternates, g.allFlag, model1Row)};
        used[m] = true;
    }
    for (const auto& [model, row] : canonical) {
        table.rows[model] = row;
        table.groupChars[model] = {FamilyChar(model), KindChar(model, row, true, false, model1Row)};
        used[model] = true;
    }
    used[0] = true;  // row 0: all "0"
    return used;
}

// Mac Roman text with "î" and "û" written without their circumflex.
std::string WithoutCircumflexOnIU(std::string s) {
    for (char& c : s) {
        if (static_cast<u8>(c) == 0x94) c = 'i';
        else if (static_cast<u8>(c) == 0x9E) c = 'u';
    }
    return s;
}

// Stage 5: one entry per kept verb (and second paradigm), in the order of
// their infinitives.
void BuildEntries(VerbModelTable& table, const std::vector<Candidate>& cands,
                  const std::vector<Group>& groups, const std::vector<VerbSource>& verbs,
                  const std::vector<SourceForm>& forms) {
    NominalIndex nominals = IndexNominals(forms);
    std::set<std::pair<std::string, std::string>> taken;
    std::vector<std::size_t> keptOrder;
    std::set<std::string> keptPrimary;
    for (const Candidate& c : cands)
        if (!c.second && (c.stemOnly || groups[c.group].model >= 0)) keptPrimary.insert(c.lemma);
    for (std::size_t ci = 0; ci < cands.size(); ++ci) {
        const Candidate& c = cands[ci];
        if (!c.stemOnly && groups[c.group].model < 0) continue;
        if (c.second && !keptPrimary.count(c.lemma)) continue;
        keptOrder.push_back(ci);
    }
    // A verb spelt with and without the circumflex of "î"/"û" ("connaître",
    // "connaitre") is one verb in two spellings whose shared forms
    // ("connais", "connu") give both readings: the spelling with the accent,
    // the verb's usual one, comes first, and its model with it.
    std::vector<std::string> folded(cands.size());
    for (std::size_t ci : keptOrder) folded[ci] = WithoutCircumflexOnIU(cands[ci].lemmaMR);
    std::stable_sort(keptOrder.begin(), keptOrder.end(), [&](std::size_t a, std::size_t b) {
        if (folded[a] != folded[b]) return folded[a] < folded[b];
        if (cands[a].lemmaMR != cands[b].lemmaMR) return cands[a].lemmaMR > cands[b].lemmaMR;
        return cands[a].second < cands[b].second;
    });
    for (std::size_t ci : keptOrder) {
        const Candidate& c = cands[ci];
        VerbModelEntry e;
        e.lemma = c.lemma;
        e.lemmaMR = c.lemmaMR;
        e.secondParadigm = c.second;
        e.base.stem = c.stem;
        e.base.model = c.stemOnly ? c.fixedModel : static_cast<u8>(groups[c.group].model);
        e.modelFlag = c.flag;
        for (const auto& a : c.alts) e.variants.push_back({a.second, a.first});
        e.flags = ClassNibble(verbs[c.source].codes);
        if (!c.stemOnly && !c.second)
            e.flags |= ReadingBits(verbs[c.source].slots, c.flag, nominals, taken,
                                   table.absorbedLemmas, table.absorbedReadings);
        table.verbs.push_back(std::move(e));
    }
}

// What the round trip found, for the summary.
struct RoundTripCounts {
    std::size_t differing = 0, extra = 0, overGenerated = 0;
};

const char* ExtraFormReason(const VerbModelEntry& primary, int slot, std::size_t spelling) {
    if (primary.base.model >= kFrenchModelRowCount)
        return primary.base.model == kDefectiveModel ? "defective verb: form from the explicit table"
                                                     : "stem-only model: form not on a row";
    if (primary.modelFlag && slot >= 3 && slot <= 5) return "participle plural of a flagged model";
    return spelling > 0 ? "second spelling of the slot" : "form outside the rows";
}

// Stage 6: the round trip against the source: forms no row gives become
// extra forms of the verb's first entry.
RoundTripCounts AddExtraForms(VerbModelTable& table, const std::vector<SourceForm>& forms) {
    RoundTripCounts counts;
    std::map<std::string, std::vector<std::size_t>> entriesOf;
    for (std::size_t i = 0; i < table.verbs.size(); ++i) entriesOf[table.verbs[i].lemma].push_back(i);
    std::vector<VerbSource> merged = CollectVerbs(forms, false);
    std::unordered_map<std::string, std::size_t> sourceOf;
    for (std::size_t vi = 0; vi < merged.size(); ++vi) sourceOf[merged[vi].lemma] = vi;
    for (auto& [lemma, idx] : entriesOf) {
        const VerbSource& v = merged[sourceOf[lemma]];
        std::set<std::pair<int, std::string>> built;
        for (std::size_t i : idx)
            for (const GeneratedVerbForm& g : RebuildVerbForms(table, table.verbs[i]))
                built.insert({g.slot, g.form});
        VerbModelEntry& primary = table.verbs[idx[0]];
        for (int t = 0; t < kVerbSlotCount; ++t)
            for (std::size_t k = 0; k < v.slots[t].size(); ++k) {
                if (built.count({t, v.slots[t][k]})) continue;
                primary.extraForms.push_back({v.slots[t][k], static_cast<u8>(t), 0});
                primary.extraReasons.push_back(ExtraFormReason(primary, t, k));
                ++counts.extra;
            }
        for (const auto& [t, f] : built) {
            const auto& list = v.slots[t];
            if (std::find(list.begin(), list.end(), f) == list.end()) ++counts.overGenerated;
        }
        if (!primary.extraForms.empty()) {
            ++counts.differing;
            std::map<std::string, int> reasons;
            for (const std::string& r : primary.extraReasons) reasons[r]++;
            std::string line = lemma + ":";
            for (const auto& [r, n] : reasons) line += " " + std::to_string(n) + " " + r + ";";
            table.differing.push_back(line);
        }
    }
    return counts;
}

// The compiler's summary of the verb models.
void ReportVerbModels(const VerbModelTable& table, CompileReport& report, std::size_t sourceVerbs,
                      std::size_t paradigms, const std::vector<bool>& used,
                      const CandidateCounts& dropped, const PruneCounts& pruned,
                      std::size_t refitted, const RoundTripCounts& roundTrip) {
    std::size_t rowsUsed = 0, variantsCount = 0, flagged = 0, second = 0;
    for (int m = 1; m < kFrenchModelRowCount; ++m) rowsUsed += used[m] ? 1 : 0;
    for (const VerbModelEntry& e : table.verbs) {
        variantsCount += e.variants.size();
        flagged += e.modelFlag ? 1 : 0;
        second += e.secondParadigm ? 1 : 0;
    }
    std::size_t endingCount = 0;
    for (int len = 1; len <= kMaxFrenchEndingLength; ++len)
        endingCount += table.endingLists[len - 1].size() / len;
    report.Note("verb models: " + std::to_string(sourceVerbs) + " source verbs, " +
                std::to_string(table.verbs.size() - second) + " kept (" + std::to_string(second) +
                " second paradigms, " + std::to_string(variantsCount) + " alternate-row items, " +
                std::to_string(flagged) + " with invariable participle, " +
                std::to_string(dropped.infinitiveOnly) + " infinitive only on model 125)");
    report.Note("verb models: " + std::to_string(paradigms) + " paradigms, " +
                std::to_string(rowsUsed) + " rows used of 122, " + std::to_string(pruned.groups) +
                " paradigms pruned (" + std::to_string(pruned.verbs) + " verbs), " +
                std::to_string(refitted) + " verbs moved to one stem, " +
                std::to_string(endingCount) + " endings in 10 lists");
    report.Note("verb models: dropped " + std::to_string(dropped.droppedNoInfinitive) +
                " without infinitive, " + std::to_string(dropped.droppedLetters) +
                " with letters outside Mac Roman, " + std::to_string(dropped.droppedLong) +
                " with endings over 10 letters");
    report.Note("verb models: " + std::to_string(roundTrip.differing) + " verbs with " +
                std::to_string(roundTrip.extra) + " source forms not on rows (listed per verb), " +
                std::to_string(roundTrip.overGenerated) + " forms built that the source lacks");
    report.Note("verb models: " + std::to_string(table.absorbedLemmas.size()) +
                " noun/adjective lemmas carried by verb flags");
}

}  // namespace

// ---- Public ------------------------------------------------------------------

bool VerbTextToMacRoman(const std::string& utf8, std::string& out) {
    if (!Utf8ToMacRoman(utf8, out)) return false;
    ExpandLigatures(out);
    return true;
}

std::vector<std::pair<std::string, VerbSlotForms>> CollectVerbSlotForms(
    const std::vector<SourceForm>& forms) {
    std::vector<std::pair<std::string, VerbSlotForms>> out;
    for (VerbSource& v : CollectVerbs(forms, false))
        if (v.convertible) out.push_back({v.lemma, std::move(v.slots)});
    return out;
}

const VerbModelEntry* FindVerbModel(const VerbModelTable& table, const std::string& lemma) {
    for (const VerbModelEntry& e : table.verbs)
        if (e.lemma == lemma && !e.secondParadigm) return &e;
    return nullptr;
}

std::vector<const VerbModelEntry*> FindVerbModels(const VerbModelTable& table,
                                                  const std::string& lemma) {
    std::vector<const VerbModelEntry*> out;
    for (const VerbModelEntry& e : table.verbs)
        if (e.lemma == lemma) out.push_back(&e);
    return out;
}

std::string DecodeEnding(const VerbModelTable& table, u8 model, int slot) {
    if (model >= kFrenchModelRowCount || slot < 0 || slot >= kVerbSlotCount) return "";
    if (table.rowBlock.size() < static_cast<std::size_t>(model + 1) * kFrenchRowBytes) return "";
    const u8* rec = table.rowBlock.data() + static_cast<std::size_t>(model) * kFrenchRowBytes;
    u8 len = rec[3 + slot];
    u16 idx = static_cast<u16>(rec[54 + 2 * slot] << 8 | rec[55 + 2 * slot]);
    if (len < 1 || len > kMaxFrenchEndingLength) return "";
    const std::vector<u8>& list = table.endingLists[len - 1];
    std::size_t at = static_cast<std::size_t>(idx) * len;
    if (at + len > list.size()) return "";
    return std::string(list.begin() + at, list.begin() + at + len);
}

std::vector<GeneratedVerbForm> RebuildVerbForms(const VerbModelTable& table,
                                                const VerbModelEntry& entry) {
    std::vector<GeneratedVerbForm> out;
    if (entry.base.model >= kFrenchModelRowCount) {
        out.push_back({entry.base.stem, 0, 0});
        return out;
    }
    auto add = [&](const VerbStemRow& sr, u8 rowIndex) {
        for (int t = 0; t < kVerbSlotCount; ++t) {
            if (entry.modelFlag && t >= 3 && t <= 5) continue;
            std::string e = DecodeEnding(table, sr.model, t);
            if (e.empty() || e == kNoForm) continue;
            out.push_back({e == kEmptyEnding ? sr.stem : sr.stem + e, static_cast<u8>(t), rowIndex});
        }
    };
    add(entry.base, 0);
    for (std::size_t i = 0; i < entry.variants.size(); ++i) add(entry.variants[i], static_cast<u8>(1 + i));
    return out;
}

// The stages: candidates, canonical alternate rows, paradigms, model
// numbers, rows, entries, ending lists and blocks, the round trip.
VerbModelTable BuildVerbModels(const std::vector<SourceForm>& forms, CompileReport& report,
                               const FrequencyRanks* ranks) {
    VerbModelTable table;
    std::vector<VerbSource> verbs = CollectVerbs(forms);
    CandidateCounts dropped;
    std::vector<Candidate> cands = CollectCandidates(verbs, StemOnlyVerbs(), table, dropped);
    std::map<u8, Row> canonical = CanonicalAlternateRows(cands);
    const std::size_t refitted = FitCanonicalRows(cands, verbs, canonical, table);
    std::vector<Group> groups = GroupByRow(cands);
    GroupOfModel groupOfModel = PinFixedModels(groups, cands, verbs, report);
    const Row model1Row = groupOfModel[1] >= 0 ? groups[groupOfModel[1]].row : Row{};
    const PruneCounts pruned = NumberGroups(groups, cands, verbs, ranks, groupOfModel, model1Row, table);
    const std::vector<bool> used = FillRows(table, groups, groupOfModel, canonical, model1Row);
    BuildEntries(table, cands, groups, verbs, forms);
    EndingIndex endings = BuildEndingLists(table, used, table.endingLists);
    EncodeRows(table, endings);
    const RoundTripCounts roundTrip = AddExtraForms(table, forms);
    ReportVerbModels(table, report, verbs.size(), groups.size(), used, dropped, pruned, refitted, roundTrip);
    return table;
}
