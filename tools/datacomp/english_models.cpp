// English verb models (see english_models.h).
#include "tools/datacomp/english_models.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <set>

#include "tools/datacomp/english_sources.h"
#include "tools/datacomp/source_text.h"

namespace {

using Paradigm = std::array<std::string, kEnglishSlotCount>;

// Fixed model numbers and the verb that must stand on each: the rules of
// the checker name these numbers.
struct EnglishAnchor {
    u8 model;
    const char* verb;
    const char* behaviour;
};
const EnglishAnchor kEnglishModelAnchors[] = {
    {1, "walk", "regular: -s, -ing, -ed"},
    {3, "push", "-es after a sibilant"},
    // Doubled final consonants, in the order the guessing of unknown verbs
    // reads them (-bbed 4 … -zzed 14, -kked 15).
    {4, "rub", "doubled b"},
    {5, "nod", "doubled d"},
    {6, "beg", "doubled g"},
    {7, "compel", "doubled l"},
    {8, "trim", "doubled m"},
    {9, "plan", "doubled n"},
    {10, "stop", "doubled p"},
    {11, "occur", "doubled r"},
    {12, "gas", "doubled s: gases, gassing, gassed"},
    {13, "pat", "doubled t"},
    {14, "quiz", "doubled z: quizzes"},
    {15, "panic", "k added: panicking, panicked (trek, trekking)"},
    {16, "like", "final e dropped before -ing, -ed"},
    {17, "try", "y / ies / ied"},
    {19, "bite", "bite, bit, bitten"},
    {20, "put", "put, putting: the base serves as past and participle"},
    {24, "sow", "past participle in -n: sow, sowed, sown"},
    {26, "burst", "burst, bursting: the base serves as past and participle (the agreement of a base with a "
                  "singular subject lets this number pass as a past)"},
    {28, "can", "modal can / could"},
    {29, "may", "modal may / might"},
    {30, "must", "modal must: one form, read as present, third person and past"},
    {31, "will", "modal will / would"},
    {32, "ought", "modal ought: one form, read as present, third person and past"},
    {33, "shall", "modal shall / should"},
    {34, "do", "do, does, did, done"},
    {35, "dare", "dare: the conjugation adds \"(or durst)\" to the past of its row"},
    {37, "be", "be; its model byte carries bit 7"},
    {38, "have", "have, has, had"},
    {39, "go", "go, goes, went, gone"},
    {41, "send", "send, sent"},
    {43, "hold", "hold, held"},
    {45, "forbid", "forbid, forbade, forbidden: the conjugation adds \", or forbad\" to the past of its row"},
    {48, "stand", "stand, stood"},
    {50, "take", "take, took, taken"},
    {53, "drive", "drive, drove, driven"},
    {55, "rise", "rise, rose, risen"},
    {58, "make", "make, made"},
    {59, "awake", "awake, awakened"},
    {61, "hide", "hide, hid, hidden: the conjugation adds \"(or hid)\" to hide's and chide's participle"},
    {62, "become", "become, became, become: a linking verb"},
    {63, "slide", "slide, slid"},
    {64, "leave", "leave, left"},
    {74, "lose", "lose, lost"},
    {76, "dig", "dig, dug"},
    {77, "sting", "sting, stung"},
    {81, "catch", "catch, caught"},
    {84, "think", "think, thought"},
    {87, "sink", "sink, sank, sunk: the conjugation adds \"(or sunk)\" to the past of sink, slink, stink"},
    {94, "swim", "swim, swam, swum"},
    {95, "spin", "spin, spun"},
    {97, "run", "run, ran, run"},
    {98, "win", "win, won"},
    {99, "sleep", "sleep, slept"},
    {100, "wear", "wear, wore, worn"},
    {103, "fight", "fight, fought"},
    {107, "get", "get, got"},
    {109, "shoot", "shoot, shot"},
    {110, "spit", "spit, spat: the conjugation adds \"(or spit)\""},
    {111, "grow", "grow, grew, grown"},
    {112, "draw", "draw, drew, drawn"},
    {113, "buy", "buy, bought"},
    {114, "fly", "y / ies / ying, past and participle apart: flew, flown"},
    {115, "lay", "lay, laid"},
    {117, "fall", "fall, fell, fallen"},
    {118, "die", "ie / ies / ying / ied"},
};

// Models whose past form is also read as the past participle.
bool PastServesAsParticiple(u8 m) {
    static const u8 kRanges[][2] = {{0, 18},  {20, 22}, {25, 26},   {35, 35},   {38, 38},   {40, 44},
                                    {47, 48}, {57, 60}, {63, 65},   {68, 68},   {70, 70},   {73, 77},
                                    {79, 84}, {86, 86}, {88, 91},   {95, 95},   {98, 99},   {103, 104},
                                    {107, 110}, {113, 113}, {115, 115}, {118, 118}};
    for (const auto& r : kRanges)
        if (m >= r[0] && m <= r[1]) return true;
    return false;
}

// Noun plural ending a model appends to the stem of a verb read as a noun
// ("" none).
const char* PluralEndingOf(u8 m) {
    struct Entry {
        u8 model;
        const char* ending;
    };
    static const Entry kEndings[] = {
        {3, "es"},     {16, "es"},    {19, "es"},   {61, "es"},   {63, "es"},    {67, "es"},   {74, "es"},
        {12, "ses"},   {14, "zes"},   {17, "ies"},  {114, "ies"}, {41, "ds"},    {43, "olds"}, {48, "ands"},
        {49, "eads"},  {50, "akes"},  {58, "akes"}, {59, "akes"}, {53, "ives"},  {55, "ises"}, {57, "ikes"},
        {64, "eaves"}, {76, "igs"},   {77, "ings"}, {81, "atches"}, {84, "inks"}, {85, "icks"}, {94, "ims"},
        {95, "ins"},   {98, "ins"},   {97, "uns"},  {99, "eps"},  {100, "ears"}, {103, "ights"}, {108, "ights"},
        {107, "ets"},  {109, "ots"},  {111, "ows"}, {112, "aws"}, {113, "uys"},  {115, "ys"},  {117, "alls"},
    };
    for (const Entry& e : kEndings)
        if (e.model == m) return e.ending;
    return m <= 26 || m == 36 ? "s" : "";
}

// Models whose base form is read as a past participle after an auxiliary.
bool BaseServesAsParticiple(u8 m) {
    return m == 20 || m == 25 || m == 26 || m == 36 || m == 62 || m == 97;
}

// Principal parts of the modals (base and past; the modals of one form
// also fill the third person): no source lists them as verbs of one lemma,
// and WordNet lists "must" and "ought" as no verb at all.
struct Modal {
    const char* base;
    const char* past;
    bool thirdPerson;
};
const Modal kModals[] = {{"can", "could", false},  {"may", "might", false},  {"will", "would", false},
                         {"shall", "should", false}, {"must", "must", true},   {"ought", "ought", true}};

// A row with no base form never yields a noun plural nor a base read as a
// participle; a row with no past form is never read as a participle.
bool RowFits(u8 m, const Paradigm& p) {
    const std::string plural = PluralEndingOf(m);
    if (p[0] != "0" && !plural.empty() && plural != p[1]) return false;
    if (BaseServesAsParticiple(m) && p[0] != "0" && p[0] != p[4]) return false;
    if (p[3] != "0" && PastServesAsParticiple(m) != (p[3] == p[4])) return false;
    return true;
}

// How well a row suits a number it fits: 0 the number's own rules read it
// (its plural, its base as participle), 1 no rule of the number concerns
// it, 2 only a row without base form fits there. A row whose base is its
// participle (shed, shed) suits best a number that reads the base so.
int RowAffinity(u8 m, const Paradigm& p) {
    if (p[0] == "0") return *PluralEndingOf(m) != 0 || BaseServesAsParticiple(m) ? 0 : 1;
    if (p[0] == p[4] && !BaseServesAsParticiple(m)) return 1;
    if (*PluralEndingOf(m) != 0 || BaseServesAsParticiple(m)) return 0;
    return 1;
}

constexpr u8 kEmptyRows[] = {0, 27, 40, 120, 121, 122};

int SlotOf(const SourceForm& f) {
    if (EnglishHasIs(f, "base")) return 0;
    if (EnglishHasIs(f, "3sg")) return 1;
    if (EnglishHasIs(f, "present-participle")) return 2;
    return -1;
}

u8 RegionOf(const SourceForm& f) {
    if (EnglishHasIs(f, "section:6")) return 6;
    if (EnglishHasIs(f, "section:7")) return 7;
    return 0;
}

// Mac Roman, the hyphen as the dictionary's mark 0x9B (spoon-feed).
std::string Mr(const std::string& utf8) {
    std::string out;
    if (!Utf8ToMacRoman(utf8, out)) return std::string();
    std::replace(out.begin(), out.end(), '-', static_cast<char>(0x9B));
    return out;
}

bool RegularShape(const Paradigm& p) {
    auto ends = [](const std::string& s, const char* t) {
        const std::string e(t);
        return s.size() >= e.size() && s.compare(s.size() - e.size(), e.size(), e) == 0;
    };
    return p[0] == "$" && (p[1] == "s" || p[1] == "es") && ends(p[2], "ing") && ends(p[3], "ed") &&
           p[4] == p[3];
}

char ClassCharOf(u8 model) {
    if (model >= 1 && model <= 18) return '0';
    if (model >= 28 && model <= 38) return '2';
    return '1';
}

}  // namespace

namespace {

// The -s form the regular rule makes: "attaches", "carries", "walks".
std::string RegularThirdPerson(const std::string& base) {
    const auto ends = [&](const char* t) {
        const std::size_t n = std::strlen(t);
        return base.size() >= n && base.compare(base.size() - n, n, t) == 0;
    };
    if (ends("s") || ends("x") || ends("z") || ends("ch") || ends("sh")) return base + "es";
    if (base.size() >= 2 && base.back() == 'y' && std::strchr("aeiou", base[base.size() - 2]) == nullptr)
        return base.substr(0, base.size() - 1) + "ies";
    return base + "s";
}

}  // namespace

std::vector<EnglishVerbForms> CollectEnglishVerbs(const std::vector<SourceForm>& forms, int maxLevel) {
    std::map<std::string, EnglishVerbForms> byLemma;
    std::map<std::string, int> levels;
    // (lemma, slot) -> forms the exception lists or the principal parts give.
    std::map<std::pair<std::string, int>, std::set<std::string>> irregularForms, attested;
    std::set<std::string> listedLemmas;   // verbs the list of principal parts names
    std::map<std::pair<std::string, int>, std::set<std::string>> listedForms;
    for (const SourceForm& f : forms) {
        const int level = EnglishLevel(f);
        if (level > 0) {
            auto it = levels.find(f.form);
            if (it == levels.end() || level < it->second) levels[f.form] = level;
        }
    }
    for (const SourceForm& f : forms) {
        if (f.po.empty() || f.po[0] != "verb" || f.lemma.empty()) continue;
        std::vector<int> slots;
        if (SlotOf(f) >= 0) slots.push_back(SlotOf(f));
        if (EnglishHasIs(f, "past")) slots.push_back(3);
        if (EnglishHasIs(f, "past-participle")) slots.push_back(4);
        EnglishVerbForms& v = byLemma[f.lemma];
        v.lemma = f.lemma;
        const bool irregular = EnglishHasIs(f, "irregular");
        bool listed = false;   // named by the list of irregular principal parts
        for (const std::string& o : f.other)
            if (o.find("irregular-verbs") != std::string::npos) listed = true;
        if (listed) listedLemmas.insert(f.lemma);
        for (int s : slots) {
            auto& list = v.slots[s];
            const std::pair<std::string, u8> entry{f.form, RegionOf(f)};
            if (std::find(list.begin(), list.end(), entry) == list.end()) list.push_back(entry);
            if (irregular) irregularForms[{f.lemma, s}].insert(f.form);
            if (irregular || listed) attested[{f.lemma, s}].insert(f.form);
            if (listed) listedForms[{f.lemma, s}].insert(f.form);
        }
    }
    for (const Modal& m : kModals) {
        EnglishVerbForms& v = byLemma[std::string("#") + m.base];
        v.lemma = m.base;
        v.slots[0] = {{m.base, 0}};
        v.slots[3] = {{m.past, 0}};
        if (m.thirdPerson) v.slots[1] = {{m.base, 0}};
    }
    std::vector<EnglishVerbForms> out;
    for (auto& [lemma, v] : byLemma) {
        auto it = levels.find(v.lemma);
        const bool modal = lemma[0] == '#';
        if (!modal && (it == levels.end() || it->second > maxLevel)) continue;
        v.level = modal ? 10 : static_cast<u32>(it->second);
        // A slot the irregular sources fill keeps only the forms they attest
        // (the regular rules also read "seed" as a past of "see"), for the
        // verbs the list of principal parts names. WordNet's exception
        // lists alone name old second forms beside the regular ones ("blest",
        // "molten"), which stay second.
        for (int s = 0; s < kEnglishSlotCount && !modal && listedLemmas.count(v.lemma); ++s) {
            auto irr = irregularForms.find({v.lemma, s});
            if (irr == irregularForms.end()) continue;
            const std::set<std::string>& ok = attested[{v.lemma, s}];
            auto& list = v.slots[s];
            list.erase(std::remove_if(list.begin(), list.end(), [&](const auto& e) { return ok.count(e.first) == 0; }),
                       list.end());
        }
        // First choice: the spelling common to every region, then the
        // American one, then the British one; the regular form first
        // (dreamed before dreamt), then the principal parts before the
        // other forms of the exception lists (forbade before forbad),
        // alphabetical within.
        for (int s = 0; s < kEnglishSlotCount; ++s) {
            auto& list = v.slots[s];
            const auto irr = irregularForms.find({v.lemma, s});
            auto regular = [&](const std::string& f) { return irr == irregularForms.end() || irr->second.count(f) == 0; };
            const auto named = listedForms.find({v.lemma, s});
            auto principal = [&](const std::string& f) { return named != listedForms.end() && named->second.count(f) != 0; };
            std::stable_sort(list.begin(), list.end(), [&](const auto& a, const auto& b) {
                auto rank = [](u8 r) { return r == 0 ? 0 : r == 7 ? 1 : 2; };
                if (rank(a.second) != rank(b.second)) return rank(a.second) < rank(b.second);
                if (regular(a.first) != regular(b.first)) return regular(a.first);
                if (principal(a.first) != principal(b.first)) return principal(a.first);
                return a.first < b.first;
            });
        }
        // A verb whose -ing form, past and participle the lists hold but
        // not its -s form ("attach": attaching, attached, no "attaches")
        // takes the regular one, so that the verb is filed.
        if (!modal && v.slots[1].empty() && !v.slots[0].empty() && !v.slots[2].empty() && !v.slots[3].empty() &&
            !v.slots[4].empty())
            v.slots[1].push_back({RegularThirdPerson(v.slots[0][0].first), v.slots[0][0].second});
        // A past participle in -n beside the regular one (sawn, sown,
        // shown, sewn) comes first: the -n row spells it from the stem,
        // and the conjugation adds the -ed form to it.
        auto& pp = v.slots[4];
        if (!modal && !v.slots[0].empty() && !v.slots[3].empty() && pp.size() > 1 && pp[0].first == v.slots[3][0].first) {
            const std::string n = v.slots[0][0].first + "n";
            auto alt = std::find_if(pp.begin() + 1, pp.end(), [&](const auto& e) { return e.first == n; });
            if (alt != pp.end() && pp[0].first == v.slots[0][0].first + "ed") std::rotate(pp.begin(), alt, alt + 1);
        }
        // An -ie verb spells its -ing form with y (tying beside tieing).
        auto& ing = v.slots[2];
        if (!modal && !v.slots[0].empty() && ing.size() > 1) {
            const std::string& base = v.slots[0][0].first;
            if (base.size() > 2 && base.compare(base.size() - 2, 2, "ie") == 0) {
                const std::string y = base.substr(0, base.size() - 2) + "ying";
                auto alt = std::find_if(ing.begin() + 1, ing.end(), [&](const auto& e) { return e.first == y && e.second == ing[0].second; });
                if (alt != ing.end()) std::rotate(ing.begin(), alt, alt + 1);
            }
        }
        out.push_back(std::move(v));
    }
    return out;
}

namespace {

using SlotForms = std::vector<std::pair<std::string, u8>>;

// A modal's forms: base and past, and no -ing form nor participle (the
// third person is the base where a modal fills it).
bool IsModalShape(const EnglishVerbForms& v) {
    return v.slots[2].empty() && !v.slots[0].empty() && !v.slots[3].empty() && v.slots[4].empty() &&
           (v.slots[1].empty() || v.slots[1][0].first == v.slots[0][0].first);
}

// The forms `first` in front of a slot's list, in that order (added with
// region 0 when the list lacks them); the others keep their order behind.
void PutFirst(SlotForms& list, const std::vector<std::string>& first) {
    SlotForms out;
    auto has = [&](const std::string& f) {
        return std::any_of(out.begin(), out.end(), [&](const auto& e) { return e.first == f; });
    };
    for (const std::string& f : first) {
        if (has(f)) continue;
        const auto it = std::find_if(list.begin(), list.end(), [&](const auto& e) { return e.first == f; });
        out.push_back(it != list.end() ? *it : std::pair<std::string, u8>{f, 0});
    }
    for (const auto& e : list)
        if (!has(e.first)) out.push_back(e);
    list = std::move(out);
}

// The -s and -ing forms `v` (base, past, participle) takes from a verb
// whose endings spell its three forms from one stem (duet, duetted: as
// pat, patted): false when `model`'s do not.
bool SpelledAs(const EnglishVerbForms& model, const EnglishVerbForms& v, std::string& s, std::string& ing) {
    for (const auto& slot : model.slots)
        if (slot.empty()) return false;
    std::string stem = model.slots[0][0].first;
    for (const auto& slot : model.slots) {
        const std::string& f = slot[0].first;
        size_t i = 0;
        while (i < stem.size() && i < f.size() && stem[i] == f[i]) ++i;
        stem.resize(i);
    }
    auto ending = [&](int k) { return model.slots[k][0].first.substr(stem.size()); };
    const std::string& base = v.slots[0][0].first;
    const std::string e0 = ending(0);
    if (base.size() <= e0.size() || base.compare(base.size() - e0.size(), e0.size(), e0) != 0) return false;
    const std::string own = base.substr(0, base.size() - e0.size());
    if (own + ending(3) != v.slots[3][0].first || own + ending(4) != v.slots[4][0].first) return false;
    s = own + ending(1);
    ing = own + ending(2);
    return true;
}

// The -s and -ing forms a verb lacks, from the longest verb its
// infinitive ends with: prefix + that verb's first forms; failing that,
// from the commonest verb whose endings spell its base, past and
// participle (SpelledAs). A verb built
// from its pairs (`built`) also takes that verb's first past and
// participle when its pairs hold them (unweave, unwove or unweaved: as
// weave), so that it stands on the same row.
void BorrowPresentForms(EnglishVerbForms& v, bool built, const std::map<std::string, size_t>& index,
                        const std::vector<EnglishVerbForms>& verbs) {
    const std::string& lemma = v.lemma;
    for (size_t k = 1; k + 2 <= lemma.size(); ++k) {
        const auto it = index.find(lemma.substr(k));
        if (it == index.end()) continue;
        const EnglishVerbForms& tail = verbs[it->second];
        if (tail.slots[1].empty() || tail.slots[2].empty()) continue;
        const std::string prefix = lemma.substr(0, k);
        for (int s : {1, 2})
            if (v.slots[s].empty()) v.slots[s].push_back({prefix + tail.slots[s][0].first, 0});
        for (int s : {3, 4}) {
            if (!built || tail.slots[s].empty()) continue;
            const std::string like = prefix + tail.slots[s][0].first;
            if (std::any_of(v.slots[s].begin(), v.slots[s].end(), [&](const auto& e) { return e.first == like; }))
                PutFirst(v.slots[s], {like});
        }
        return;
    }
    if (v.slots[0].empty() || v.slots[3].empty() || v.slots[4].empty()) return;
    const EnglishVerbForms* best = nullptr;
    std::string s, ing;
    for (const EnglishVerbForms& model : verbs) {
        std::string s1, s2;
        if (&model == &v || IsModalShape(model) || (best != nullptr && model.level >= best->level)) continue;
        if (!SpelledAs(model, v, s1, s2)) continue;
        best = &model;
        s = s1;
        ing = s2;
    }
    if (best == nullptr) return;
    if (v.slots[1].empty()) v.slots[1].push_back({s, 0});
    if (v.slots[2].empty()) v.slots[2].push_back({ing, 0});
}

}  // namespace

void ApplyPrincipalParts(std::vector<EnglishVerbForms>& verbs, const std::vector<IrregularVerb>& list, int maxLevel) {
    std::map<std::string, size_t> index;
    for (size_t i = 0; i < verbs.size(); ++i)
        if (!IsModalShape(verbs[i])) index[verbs[i].lemma] = i;
    std::vector<size_t> listed;
    std::set<size_t> built;
    for (const IrregularVerb& iv : list) {
        if (iv.parts.empty()) continue;
        std::vector<std::string> pasts, participles;
        for (const auto& [past, participle] : iv.parts) {
            pasts.push_back(past);
            participles.push_back(participle);
        }
        auto it = index.find(iv.lemma);
        if (it == index.end()) {
            EnglishVerbForms v;
            v.lemma = iv.lemma;
            v.level = static_cast<u32>(maxLevel) + 1;
            verbs.push_back(v);
            it = index.emplace(iv.lemma, verbs.size() - 1).first;
            built.insert(it->second);
        }
        EnglishVerbForms& v = verbs[it->second];
        PutFirst(v.slots[0], {iv.lemma});
        // A verb the sources already give keeps its first choice: the
        // pairs' forms go behind it.
        for (auto [s, forms] : {std::pair<int, std::vector<std::string>*>{3, &pasts}, {4, &participles}}) {
            std::vector<std::string> order = *forms;
            if (!v.slots[s].empty()) order.insert(order.begin(), v.slots[s][0].first);
            PutFirst(v.slots[s], order);
            v.shown[s] = *forms;
        }
        listed.push_back(it->second);
    }
    // Borrowed after every verb of the list has its forms, twice so that a
    // verb may borrow from a verb that borrowed.
    for (int pass = 0; pass < 2; ++pass)
        for (size_t i : listed)
            if (verbs[i].slots[1].empty() || verbs[i].slots[2].empty())
                BorrowPresentForms(verbs[i], built.count(i) != 0, index, verbs);
}

namespace {

struct Candidate {
    EnglishVerbEntry entry;
    Paradigm paradigm;
    bool modal = false;
};

// 1. Stems and paradigms. The candidate of a verb's first choices; false
// (the reason listed) when the verb cannot be filed.
bool WholeVerbCandidate(const EnglishVerbForms& v, EnglishModelTable& t, Candidate& c) {
    const bool modal = IsModalShape(v);
    c.modal = modal;
    c.entry.lemma = v.lemma;
    c.entry.level = v.level;
    bool ok = true;
    std::string missing;
    for (int s = 0; s < kEnglishSlotCount; ++s) {
        if (v.slots[s].empty()) {
            if (modal) continue;
            ok = false;
            missing = "no form for slot " + std::to_string(s);
            break;
        }
        c.entry.forms[s] = Mr(v.slots[s][0].first);
        if (c.entry.forms[s].empty()) {
            ok = false;
            missing = "a letter without a Mac Roman byte";
            break;
        }
    }
    if (!ok) {
        t.dropped.push_back(v.lemma + ": " + missing);
        return false;
    }
    std::string stem;
    bool first = true;
    for (const std::string& f : c.entry.forms) {
        if (f.empty()) continue;
        if (first) {
            stem = f;
            first = false;
            continue;
        }
        size_t i = 0;
        while (i < stem.size() && i < f.size() && stem[i] == f[i]) ++i;
        stem.resize(i);
    }
    c.entry.stem = stem;
    bool tooLong = false;
    for (int s = 0; s < kEnglishSlotCount; ++s) {
        const std::string& f = c.entry.forms[s];
        if (f.empty()) {
            c.paradigm[s] = "0";
            continue;
        }
        std::string e = f.substr(stem.size());
        if (e.size() > kMaxEnglishEndingLength) tooLong = true;
        c.paradigm[s] = e.empty() ? "$" : e;
    }
    if (tooLong) {
        t.dropped.push_back(v.lemma + ": an ending longer than 7 letters");
        return false;
    }
    u8 regions = 0xFF;
    for (int s = 0; s < kEnglishSlotCount; ++s)
        if (!v.slots[s].empty()) regions = regions == 0xFF ? v.slots[s][0].second : (regions == v.slots[s][0].second ? regions : 0);
    c.entry.region = regions == 0xFF ? 0 : regions;
    if (c.entry.region != 0 && (stem.size() < 2 || std::any_of(c.entry.forms.begin(), c.entry.forms.end(), [](const std::string& f) { return !f.empty() && f.size() < 4; })))
        c.entry.region = 0;
    // Mixed regions among the chosen forms.
    std::set<u8> chosenRegions;
    for (int s = 0; s < kEnglishSlotCount; ++s)
        if (!v.slots[s].empty()) chosenRegions.insert(v.slots[s][0].second);
    if (chosenRegions.size() > 1)
        t.differing.push_back(v.lemma + ": its forms are split across the regional sections; all filed with the verb");
    return true;
}

// The alternative forms of a verb, each on a partial row.
void AddAlternateCandidates(const EnglishVerbForms& v, const Candidate& c, EnglishModelTable& t,
                            std::vector<Candidate>& cands) {
    std::map<std::string, std::pair<u8, u8>> alts;  // form -> (slot mask, region)
    for (int s = 0; s < kEnglishSlotCount; ++s)
        for (size_t i = 1; i < v.slots[s].size(); ++i) {
            auto& a = alts[v.slots[s][i].first];
            a.first |= static_cast<u8>(1u << s);
            a.second = v.slots[s][i].second;
        }
    for (const auto& [form, info] : alts) {
        Candidate a;
        a.entry.lemma = v.lemma;
        a.entry.level = v.level;
        a.entry.alternate = true;
        a.entry.stem = Mr(form);
        if (a.entry.stem.empty()) continue;
        a.entry.region = a.entry.stem.size() >= 4 ? info.second : 0;
        for (int s = 0; s < kEnglishSlotCount; ++s) {
            const bool on = (info.first >> s) & 1;
            a.paradigm[s] = on ? "$" : "0";
            if (on) a.entry.forms[s] = a.entry.stem;
        }
        // A form that is the first choice of another slot is already
        // generated there.
        bool dup = false;
        for (int s = 0; s < kEnglishSlotCount; ++s)
            if ((info.first >> s & 1) == 0 && c.entry.forms[s] == a.entry.stem) dup = true;
        if (dup) {
            t.differing.push_back(v.lemma + ": " + form + " also fills another slot; not filed twice");
            continue;
        }
        t.differing.push_back(v.lemma + ": " + form + " is an alternative form, filed on a partial row");
        cands.push_back(a);
    }
}

// 2. Numbers. An anchor whose number spells the noun plural with more
// letters than the verb's -s ending ("akes" for make, makes) takes a
// stem that many letters shorter, and so does every verb of its
// paradigm whose stem ends in the same letters (remake, unmake).
void ShortenAnchorStems(std::vector<Candidate>& cands) {
    for (const EnglishAnchor& a : kEnglishModelAnchors) {
        const std::string plural = PluralEndingOf(a.model);
        auto it = std::find_if(cands.begin(), cands.end(), [&](const Candidate& c) {
            return !c.entry.alternate && !c.modal && c.entry.lemma == a.verb;
        });
        if (plural.empty() || it == cands.end()) continue;
        const Paradigm old = it->paradigm;
        const std::string& stem = it->entry.stem;
        if (old[0] == "0" || plural.size() <= old[1].size() ||
            plural.compare(plural.size() - old[1].size(), old[1].size(), old[1]) != 0)
            continue;
        const size_t k = plural.size() - old[1].size();
        if (stem.size() <= k || stem.compare(stem.size() - k, k, plural, 0, k) != 0) continue;
        const std::string moved = plural.substr(0, k);
        for (Candidate& c : cands) {
            const std::string& s = c.entry.stem;
            if (c.entry.alternate || c.modal || c.paradigm != old || s.size() <= k || s.compare(s.size() - k, k, moved) != 0)
                continue;
            Paradigm p = old;
            bool fits = true;
            for (std::string& e : p) {
                if (e == "0") continue;
                e = moved + (e == "$" ? "" : e);
                fits = fits && e.size() <= kMaxEnglishEndingLength;
            }
            if (!fits) continue;
            c.entry.stem.resize(s.size() - k);
            c.paradigm = p;
        }
    }
}

struct Numbering {
    std::map<Paradigm, u8> number;
    std::map<std::string, u8> ownRow;  // lemma -> model
    std::set<u8> taken{std::begin(kEmptyRows), std::end(kEmptyRows)};
};

// The anchors' numbers. An anchor verb whose endings a row numbered
// before it already spells ("dare" after "like") stands alone on a copy
// of that row.
void NumberAnchors(const std::vector<Candidate>& cands, EnglishModelTable& t, CompileReport& report, Numbering& nb) {
    for (const EnglishAnchor& a : kEnglishModelAnchors) {
        for (const Candidate& c : cands) {
            if (c.entry.alternate || c.entry.lemma != a.verb) continue;
            if (c.modal != (a.model >= 28 && a.model <= 33)) continue;
            if (nb.number.count(c.paradigm) != 0) {
                nb.ownRow[c.entry.lemma] = a.model;
                t.rows[a.model] = c.paradigm;
                nb.taken.insert(a.model);
                break;
            }
            nb.number[c.paradigm] = a.model;
            nb.taken.insert(a.model);
            break;
        }
        if (!nb.taken.count(a.model)) report.Note(std::string("english models: anchor verb missing: ") + a.verb);
    }
}

// Paradigms without a number, in the order they take the free numbers:
// (group size, paradigm).
std::vector<std::pair<size_t, Paradigm>> RankParadigms(const std::vector<Candidate>& cands, const Numbering& nb) {
    std::map<Paradigm, std::vector<size_t>> groups;
    for (size_t i = 0; i < cands.size(); ++i) groups[cands[i].paradigm].push_back(i);
    // Free numbers go to the largest groups first; among groups of one
    // size, whole verbs before partial rows, then the commonest verbs.
    struct Rank {
        bool alternates = true;
        u32 level = 1000;
        size_t size = 0;
    };
    std::vector<std::pair<Rank, Paradigm>> ranked;
    for (const auto& [p, idx] : groups) {
        if (nb.number.count(p) != 0) continue;
        Rank r;
        r.size = idx.size();
        for (size_t i : idx) {
            if (!cands[i].entry.alternate) r.alternates = false;
            r.level = std::min(r.level, cands[i].entry.level);
        }
        ranked.emplace_back(r, p);
    }
    // Groups of one or two verbs rank by commonness before size, so that
    // when the numbers run out the rarest verbs are the ones left out.
    std::stable_sort(ranked.begin(), ranked.end(), [&](const auto& a, const auto& b) {
        auto big = [](size_t n) { return n > 2 ? n : 0; };
        if (big(a.first.size) != big(b.first.size)) return big(a.first.size) > big(b.first.size);
        if (a.first.alternates != b.first.alternates) return !a.first.alternates;
        if (a.first.level != b.first.level) return a.first.level < b.first.level;
        return a.first.size > b.first.size;
    });
    std::vector<std::pair<size_t, Paradigm>> order;
    for (const auto& [r, p] : ranked) order.emplace_back(r.size, p);
    return order;
}

// Each paradigm takes the free number that fits it best; whole verbs no
// fitting number was left for take the numbers left over.
void NumberFreeParadigms(const std::vector<std::pair<size_t, Paradigm>>& order, EnglishModelTable& t, Numbering& nb) {
    std::vector<u8> regularFree, otherFree;
    for (u8 m = 1; m <= 18; ++m)
        if (!nb.taken.count(m)) regularFree.push_back(m);
    for (u8 m = 19; m <= 119; ++m)
        if (!nb.taken.count(m) && !(m >= 28 && m <= 40)) otherFree.push_back(m);
    for (u8 m : {35, 36})
        if (!nb.taken.count(m)) otherFree.push_back(m);
    // Each paradigm takes the free number that fits it best (its past
    // read as participle or not, its plural, its base as participle); a row
    // without base form leaves to the verbs the numbers whose rules they
    // read.
    auto wanted = [&](u8 m) {
        for (const auto& [size, p] : order)
            if (nb.number.count(p) == 0 && p[0] != "0" && RowFits(m, p) && RowAffinity(m, p) == 0) return true;
        return false;
    };
    auto pick = [&](std::vector<u8>& pool, const Paradigm& p) -> u8 {
        int best = -1, bestScore = 0;
        for (size_t i = 0; i < pool.size(); ++i) {
            if (!RowFits(pool[i], p)) continue;
            int score = RowAffinity(pool[i], p);
            if (p[0] == "0") score = (wanted(pool[i]) ? 4 : 0) + score;
            if (best < 0 || score < bestScore) best = static_cast<int>(i), bestScore = score;
        }
        if (best < 0) return 0;
        const u8 m = pool[static_cast<size_t>(best)];
        pool.erase(pool.begin() + best);
        return m;
    };
    for (const auto& [size, p] : order) {
        u8 m = RegularShape(p) ? pick(regularFree, p) : 0;
        if (m == 0) m = pick(otherFree, p);
        if (m == 0) continue;
        nb.number[p] = m;
    }
    // Whole verbs no fitting number was left for take the numbers left over,
    // commonest first: a verb on a loose row is better than no verb.
    std::vector<u8> leftOver(otherFree);
    leftOver.insert(leftOver.end(), regularFree.begin(), regularFree.end());
    size_t li = 0;
    for (const auto& [size, p] : order) {
        if (nb.number.count(p) != 0 || p[0] == "0" || li >= leftOver.size()) continue;
        nb.number[p] = leftOver[li];
        t.looseRows.insert(leftOver[li++]);
    }
}

// The verbs on their numbers, sorted by lemma (alternates after their verb).
// Row 119 is repeated as row 0: it must hold something.
void FileVerbs(const std::vector<Candidate>& cands, const Numbering& nb, EnglishModelTable& t) {
    for (size_t i = 0; i < cands.size(); ++i) {
        auto it = nb.number.find(cands[i].paradigm);
        const auto own = cands[i].entry.alternate ? nb.ownRow.end() : nb.ownRow.find(cands[i].entry.lemma);
        if (it == nb.number.end() && own == nb.ownRow.end()) {
            t.dropped.push_back(cands[i].entry.lemma + ": its paradigm found no free model number");
            continue;
        }
        EnglishVerbEntry e = cands[i].entry;
        e.model = own != nb.ownRow.end() ? own->second : it->second;
        e.modelFlag = e.model == kEnglishBeModel;
        t.verbs.push_back(e);
        t.rows[e.model] = cands[i].paradigm;
    }
    std::stable_sort(t.verbs.begin(), t.verbs.end(), [](const EnglishVerbEntry& a, const EnglishVerbEntry& b) {
        if (a.lemma != b.lemma) return a.lemma < b.lemma;
        return a.alternate < b.alternate;
    });
    t.rows[0] = t.rows[119];
}

using EndingTexts = std::array<std::vector<std::string>, kMaxEnglishEndingLength>;

// 3. The ending lists ("$" at index 0 and "0" at index 7 of the length-1
// list) and the row block.
EndingTexts EncodeRows(EnglishModelTable& t, CompileReport& report) {
    std::array<std::set<std::string>, kMaxEnglishEndingLength> texts;
    for (const auto& row : t.rows)
        for (const std::string& e : row)
            if (!e.empty() && e != "$" && e != "0") texts[e.size() - 1].insert(e);
    std::array<std::vector<std::string>, kMaxEnglishEndingLength> lists;
    {
        std::vector<std::string> ones(texts[0].begin(), texts[0].end());
        for (char c = 'a'; ones.size() < 6 && c <= 'z'; ++c)
            if (!texts[0].count(std::string(1, c))) ones.insert(ones.begin() + static_cast<long>(ones.size()), std::string(1, c));
        std::sort(ones.begin(), ones.end());
        lists[0].push_back("$");
        for (size_t i = 0; i < ones.size(); ++i) {
            if (lists[0].size() == kEnglishNoFormIndex) lists[0].push_back("0");
            lists[0].push_back(ones[i]);
        }
        if (lists[0].size() <= kEnglishNoFormIndex) lists[0].push_back("0");
    }
    for (int k = 1; k < kMaxEnglishEndingLength; ++k) lists[k].assign(texts[k].begin(), texts[k].end());
    for (int k = 0; k < kMaxEnglishEndingLength; ++k) {
        if (lists[k].size() > 256) report.Note("english models: ending list " + std::to_string(k + 1) + " holds more than 256 endings");
        t.endingLists[k].clear();
        for (const std::string& e : lists[k]) t.endingLists[k].insert(t.endingLists[k].end(), e.begin(), e.end());
    }
    auto indexOf = [&](const std::string& e) -> std::pair<u8, u8> {
        const auto& l = lists[e.size() - 1];
        const auto it = std::find(l.begin(), l.end(), e);
        return {static_cast<u8>(e.size()), static_cast<u8>(it - l.begin())};
    };
    t.rowBlock.assign(kEnglishModelRowCount * kEnglishRowBytes, 0);
    for (int r = 0; r < kEnglishModelRowCount; ++r) {
        const int source = r == 0 ? 119 : r;
        if (t.rows[source][0].empty()) continue;
        t.classChars[r] = ClassCharOf(static_cast<u8>(source));
        u8* rec = t.rowBlock.data() + r * kEnglishRowBytes;
        rec[0] = static_cast<u8>(r);
        rec[1] = static_cast<u8>(t.classChars[r]);
        for (int s = 0; s < kEnglishSlotCount; ++s) {
            const auto [len, idx] = indexOf(t.rows[source][s]);
            rec[2 + s] = len;
            rec[7 + s] = idx;
        }
    }
    return lists;
}

// Self-check of the rows and the summary.
void ReportModels(EnglishModelTable& t, const EndingTexts& lists, CompileReport& report) {
    // Every row against the rules its number is read by.
    for (int r = 1; r < kEnglishModelRowCount; ++r) {
        const Paradigm& p = t.rows[r];
        if (p[0].empty()) continue;
        const u8 m = static_cast<u8>(r);
        if (p[3] != "0" && PastServesAsParticiple(m) != (p[3] == p[4]))
            report.Note("english models: row " + std::to_string(r) + ": past " + p[3] + ", participle " + p[4] +
                        " against the past-participle reading of its number");
        const std::string plural = PluralEndingOf(m);
        if (p[0] != "0" && !plural.empty() && plural != p[1])
            report.Note("english models: row " + std::to_string(r) + ": -s ending " + p[1] + " against the noun plural " + plural);
    }
    std::sort(t.dropped.begin(), t.dropped.end());
    u32 used = 0;
    for (const auto& row : t.rows) used += row[0].empty() ? 0 : 1;
    u32 alternates = 0;
    for (const EnglishVerbEntry& e : t.verbs) alternates += e.alternate ? 1 : 0;
    report.Note("english models: " + std::to_string(t.verbs.size() - alternates) + " verbs and " +
                std::to_string(alternates) + " alternative forms on " + std::to_string(used) + " rows; " +
                std::to_string(t.dropped.size()) + " verbs not kept");
    std::map<std::string, u32> why;
    for (const std::string& d : t.dropped) why[d.substr(d.find(": ") + 2)] += 1;
    for (const auto& [w, n] : why) report.Note("english models: not kept " + std::to_string(n) + ": " + w);
    std::string sizes = "english models: ending lists (endings):";
    for (int k = 0; k < kMaxEnglishEndingLength; ++k) sizes += " " + std::to_string(lists[k].size());
    report.Note(sizes);
}

// 4. The conjugation notes (KRZDATA 207): for every verb filed whole
// (not "be" nor the modals), the forms of slots 1 to 4 other than the
// row's that an entry of the verb spells, in the order shown.
void BuildNotes(const std::vector<EnglishVerbForms>& verbs, EnglishModelTable& t) {
    std::map<std::string, std::set<std::string>> spelled;  // lemma -> forms of its entries
    std::set<std::string> whole;
    for (const EnglishVerbEntry& e : t.verbs) {
        for (const std::string& f : e.forms)
            if (!f.empty()) spelled[e.lemma].insert(f);
        if (!e.alternate && e.model != kEnglishBeModel && !(e.model >= 28 && e.model <= 33)) whole.insert(e.lemma);
    }
    std::map<std::string, std::string> lines;  // key -> line
    for (const EnglishVerbForms& v : verbs) {
        if (IsModalShape(v) || whole.count(v.lemma) == 0) continue;
        const std::set<std::string>& known = spelled[v.lemma];
        std::string notes;
        for (int s = 1; s < kEnglishSlotCount; ++s) {
            if (v.slots[s].empty()) continue;
            std::vector<std::string> order = v.shown[s];
            for (const auto& [form, region] : v.slots[s]) order.push_back(form);
            const std::string row = v.slots[s][0].first;
            bool before = true;
            std::set<std::string> named;
            for (const std::string& form : order) {
                if (form == row) before = false;
                if (form == row || !named.insert(form).second) continue;
                // A past spelled as the base (beat, bust) only from the
                // list's pairs: the tagger's "seed" and "weed" are the
                // pasts of "see" and "wee".
                if (form == v.slots[0][0].first && v.shown[3].empty() && v.shown[4].empty()) continue;
                const std::string f = Mr(form);
                if (f.empty() || known.count(f) == 0) continue;
                notes += '\t';
                notes += static_cast<char>('0' + s);
                if (before) notes += '<';
                notes += f;
            }
        }
        const std::string key = Mr(v.lemma);
        if (notes.empty() || key.empty()) continue;
        lines[key] = key + notes + '\n';
    }
    t.notesBlock.clear();
    for (const auto& [key, line] : lines) t.notesBlock.insert(t.notesBlock.end(), line.begin(), line.end());
}

// Candidates and their numbers.
std::vector<Candidate> NumberVerbs(const std::vector<EnglishVerbForms>& verbs, EnglishModelTable& t,
                                   CompileReport& report, Numbering& nb) {
    std::vector<Candidate> cands;
    for (const EnglishVerbForms& v : verbs) {
        Candidate c;
        if (!WholeVerbCandidate(v, t, c)) continue;
        cands.push_back(c);
        AddAlternateCandidates(v, c, t, cands);
    }
    ShortenAnchorStems(cands);
    NumberAnchors(cands, t, report, nb);
    NumberFreeParadigms(RankParadigms(cands, nb), t, nb);
    return cands;
}

// A verb whose first choices found no number but whose other past or
// participle puts it on a numbered row (bespeak, bespoken: as speak) takes
// that form first. True when a verb changed.
bool RescueVerbs(std::vector<EnglishVerbForms>& verbs, const std::vector<Candidate>& cands, const Numbering& nb) {
    std::set<std::string> lost;
    for (const Candidate& c : cands)
        if (!c.entry.alternate && !c.modal && nb.number.count(c.paradigm) == 0 && nb.ownRow.count(c.entry.lemma) == 0)
            lost.insert(c.entry.lemma);
    bool changed = false;
    for (EnglishVerbForms& v : verbs) {
        if (IsModalShape(v) || lost.count(v.lemma) == 0) continue;
        for (size_t i = 0; i < v.slots[3].size() * v.slots[4].size(); ++i) {
            const size_t past = i / v.slots[4].size(), participle = i % v.slots[4].size();
            EnglishVerbForms tried = v;
            PutFirst(tried.slots[3], {v.slots[3][past].first});
            PutFirst(tried.slots[4], {v.slots[4][participle].first});
            EnglishModelTable scratch;
            Candidate c;
            if (i == 0 || !WholeVerbCandidate(tried, scratch, c) || nb.number.count(c.paradigm) == 0) continue;
            v = tried;
            changed = true;
            break;
        }
    }
    return changed;
}

}  // namespace

EnglishModelTable BuildEnglishModels(const std::vector<EnglishVerbForms>& verbs, CompileReport& report) {
    // A verb rescued on a numbered row leaves its own paradigm: the numbers
    // are dealt again (rounds are few: each rescues every verb it can).
    std::vector<EnglishVerbForms> filed = verbs;
    for (int round = 0; round < 4; ++round) {
        CompileReport quiet;
        EnglishModelTable scratch;
        Numbering nb;
        std::vector<Candidate> cands = NumberVerbs(filed, scratch, quiet, nb);
        if (!RescueVerbs(filed, cands, nb)) break;
    }
    EnglishModelTable t;
    Numbering nb;
    const std::vector<Candidate> cands = NumberVerbs(filed, t, report, nb);
    FileVerbs(cands, nb, t);
    ReportModels(t, EncodeRows(t, report), report);
    BuildNotes(filed, t);
    return t;
}

std::vector<std::pair<std::string, u8>> RebuildEnglishVerbForms(const EnglishModelTable& table,
                                                                const EnglishVerbEntry& entry) {
    std::vector<std::pair<std::string, u8>> out;
    for (int s = 0; s < kEnglishSlotCount; ++s) {
        const std::string e = DecodeEnglishEnding(table, entry.model, s);
        if (e.empty() || e == "0") continue;
        out.emplace_back(entry.stem + (e == "$" ? "" : e), static_cast<u8>(s));
    }
    return out;
}

std::string DecodeEnglishEnding(const EnglishModelTable& table, u8 model, int slot) {
    if (model >= kEnglishModelRowCount || slot < 0 || slot >= kEnglishSlotCount) return "";
    const u8* rec = table.rowBlock.data() + model * kEnglishRowBytes;
    const u32 len = rec[2 + slot], idx = rec[7 + slot];
    if (len == 0 || len > kMaxEnglishEndingLength) return "";
    const std::vector<u8>& list = table.endingLists[len - 1];
    if ((idx + 1) * len > list.size()) return "";
    return std::string(list.begin() + idx * len, list.begin() + (idx + 1) * len);
}
