// English verb models (see english_models.h).
#include "tools/datacomp/english_models.h"

#include <algorithm>
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
    {5, "nod", "doubled d"},
    {9, "plan", "doubled n"},
    {13, "pat", "doubled t"},
    {16, "like", "final e dropped before -ing, -ed"},
    {17, "try", "y / ies / ied"},
    {24, "sow", "past participle in -n: sow, sowed, sown"},
    {28, "can", "modal can / could"},
    {29, "may", "modal may / might"},
    {31, "will", "modal will / would"},
    {33, "shall", "modal shall / should"},
    {34, "do", "do, does, did, done"},
    {35, "dare", "dare: the conjugation adds \"(or durst)\" to the past of its row"},
    {37, "be", "be; its model byte carries bit 7"},
    {38, "have", "have, has, had"},
    {39, "go", "go, goes, went, gone"},
    {114, "die", "ie / ying"},
    {115, "lay", "lay, laid"},
};

// Principal parts of the modals (base and past only): no source lists them
// as verbs of one lemma.
struct Modal {
    const char* base;
    const char* past;
};
const Modal kModals[] = {{"can", "could"}, {"may", "might"}, {"will", "would"}, {"shall", "should"}};

constexpr u8 kEmptyRows[] = {0, 27, 30, 32, 40, 120, 121, 122};

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

std::string Mr(const std::string& utf8) {
    std::string out;
    return Utf8ToMacRoman(utf8, out) ? out : std::string();
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

std::vector<EnglishVerbForms> CollectEnglishVerbs(const std::vector<SourceForm>& forms, int maxLevel) {
    std::map<std::string, EnglishVerbForms> byLemma;
    std::map<std::string, int> levels;
    // (lemma, slot) -> forms the exception lists or the principal parts give.
    std::map<std::pair<std::string, int>, std::set<std::string>> irregularForms, attested;
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
        for (int s : slots) {
            auto& list = v.slots[s];
            const std::pair<std::string, u8> entry{f.form, RegionOf(f)};
            if (std::find(list.begin(), list.end(), entry) == list.end()) list.push_back(entry);
            if (irregular) irregularForms[{f.lemma, s}].insert(f.form);
            if (irregular || listed) attested[{f.lemma, s}].insert(f.form);
        }
    }
    for (const Modal& m : kModals) {
        EnglishVerbForms& v = byLemma[std::string("#") + m.base];
        v.lemma = m.base;
        v.slots[0] = {{m.base, 0}};
        v.slots[3] = {{m.past, 0}};
    }
    std::vector<EnglishVerbForms> out;
    for (auto& [lemma, v] : byLemma) {
        auto it = levels.find(v.lemma);
        const bool modal = lemma[0] == '#';
        if (!modal && (it == levels.end() || it->second > maxLevel)) continue;
        v.level = modal ? 10 : static_cast<u32>(it->second);
        // A slot the irregular sources fill keeps only the forms they attest
        // (the regular rules also read "seed" as a past of "see").
        for (int s = 0; s < kEnglishSlotCount && !modal; ++s) {
            auto irr = irregularForms.find({v.lemma, s});
            if (irr == irregularForms.end()) continue;
            const std::set<std::string>& ok = attested[{v.lemma, s}];
            auto& list = v.slots[s];
            list.erase(std::remove_if(list.begin(), list.end(), [&](const auto& e) { return ok.count(e.first) == 0; }),
                       list.end());
        }
        // First choice: the spelling common to every region, then the
        // American one, then the British one; the regular form first
        // (dreamed before dreamt), alphabetical within.
        for (int s = 0; s < kEnglishSlotCount; ++s) {
            auto& list = v.slots[s];
            const auto irr = irregularForms.find({v.lemma, s});
            auto regular = [&](const std::string& f) { return irr == irregularForms.end() || irr->second.count(f) == 0; };
            std::stable_sort(list.begin(), list.end(), [&](const auto& a, const auto& b) {
                auto rank = [](u8 r) { return r == 0 ? 0 : r == 7 ? 1 : 2; };
                if (rank(a.second) != rank(b.second)) return rank(a.second) < rank(b.second);
                if (regular(a.first) != regular(b.first)) return regular(a.first);
                return a.first < b.first;
            });
        }
        // A past participle in -n beside the regular one (sawn, sown,
        // shown, sewn) comes first: the -n row spells it from the stem,
        // and the conjugation adds the -ed form to it.
        auto& pp = v.slots[4];
        if (!modal && !v.slots[0].empty() && !v.slots[3].empty() && pp.size() > 1 && pp[0].first == v.slots[3][0].first) {
            const std::string n = v.slots[0][0].first + "n";
            auto alt = std::find_if(pp.begin() + 1, pp.end(), [&](const auto& e) { return e.first == n; });
            if (alt != pp.end() && pp[0].first == v.slots[0][0].first + "ed") std::rotate(pp.begin(), alt, alt + 1);
        }
        out.push_back(std::move(v));
    }
    return out;
}

EnglishModelTable BuildEnglishModels(const std::vector<EnglishVerbForms>& verbs, CompileReport& report) {
    EnglishModelTable t;
    // 1. Stems and paradigms.
    struct Candidate {
        EnglishVerbEntry entry;
        Paradigm paradigm;
        bool modal = false;
    };
    std::vector<Candidate> cands;
    for (const EnglishVerbForms& v : verbs) {
        const bool modal = v.slots[1].empty() && v.slots[2].empty() && !v.slots[0].empty() &&
                           !v.slots[3].empty() && v.slots[4].empty();
        Candidate c;
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
            continue;
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
            continue;
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
        cands.push_back(c);
        // Alternative forms.
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
    // 2. Numbers.
    std::map<Paradigm, std::vector<size_t>> groups;
    for (size_t i = 0; i < cands.size(); ++i) groups[cands[i].paradigm].push_back(i);
    std::map<Paradigm, u8> number;
    // An anchor verb whose endings a row numbered before it already spells
    // ("dare" after "like") stands alone on a copy of that row.
    std::map<std::string, u8> ownRow;   // lemma -> model
    std::set<u8> taken(std::begin(kEmptyRows), std::end(kEmptyRows));
    for (const EnglishAnchor& a : kEnglishModelAnchors) {
        for (const Candidate& c : cands) {
            if (c.entry.alternate || c.entry.lemma != a.verb) continue;
            if (c.modal != (a.model >= 28 && a.model <= 33)) continue;
            if (number.count(c.paradigm) != 0) {
                ownRow[c.entry.lemma] = a.model;
                t.rows[a.model] = c.paradigm;
                taken.insert(a.model);
                break;
            }
            number[c.paradigm] = a.model;
            taken.insert(a.model);
            break;
        }
        if (!taken.count(a.model)) report.Note(std::string("english models: anchor verb missing: ") + a.verb);
    }
    // Free numbers go to the largest groups first; among groups of one
    // size, whole verbs before partial rows, then the commonest verbs.
    struct Rank {
        bool alternates = true;
        u32 level = 1000;
        size_t size = 0;
    };
    std::vector<std::pair<Rank, Paradigm>> ranked;
    for (const auto& [p, idx] : groups) {
        if (number.count(p) != 0) continue;
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
    std::vector<u8> regularFree, otherFree;
    for (u8 m = 1; m <= 18; ++m)
        if (!taken.count(m)) regularFree.push_back(m);
    for (u8 m = 19; m <= 119; ++m)
        if (!taken.count(m) && !(m >= 28 && m <= 40)) otherFree.push_back(m);
    for (u8 m : {35, 36})
        if (!taken.count(m)) otherFree.push_back(m);
    size_t ri = 0, oi = 0;
    for (const auto& [size, p] : order) {
        u8 m = 0;
        if (RegularShape(p) && ri < regularFree.size()) m = regularFree[ri++];
        else if (oi < otherFree.size()) m = otherFree[oi++];
        if (m == 0) continue;
        number[p] = m;
    }
    // Row 119 is repeated as row 0: it must hold something.
    for (size_t i = 0; i < cands.size(); ++i) {
        auto it = number.find(cands[i].paradigm);
        const auto own = cands[i].entry.alternate ? ownRow.end() : ownRow.find(cands[i].entry.lemma);
        if (it == number.end() && own == ownRow.end()) {
            t.dropped.push_back(cands[i].entry.lemma + ": its paradigm found no free model number");
            continue;
        }
        EnglishVerbEntry e = cands[i].entry;
        e.model = own != ownRow.end() ? own->second : it->second;
        e.modelFlag = e.model == kEnglishBeModel;
        t.verbs.push_back(e);
        t.rows[e.model] = cands[i].paradigm;
    }
    std::stable_sort(t.verbs.begin(), t.verbs.end(), [](const EnglishVerbEntry& a, const EnglishVerbEntry& b) {
        if (a.lemma != b.lemma) return a.lemma < b.lemma;
        return a.alternate < b.alternate;
    });
    t.rows[0] = t.rows[119];
    // 3. Ending lists: "$" at index 0 and "0" at index 7 of the length-1 list.
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
