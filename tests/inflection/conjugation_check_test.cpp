// Every verb of the built-in French dictionary conjugated in every tense,
// against the forms the data compiler encoded for it (its manifest): each
// encoded form must stand, alone or among the " ou " alternatives, in its
// slot of the conjugation of its infinitive, and every form the
// conjugation shows must be one the compiler encoded for that infinitive.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "frame/mac_roman_literal.h"
#include "tests/inflection/inflect_fixture.h"

namespace {

std::string Unescape(const std::string& s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 3 < s.size() && s[i + 1] == 'x') {
            out += static_cast<char>(std::stoi(s.substr(i + 2, 2), nullptr, 16));
            i += 3;
        } else {
            out += s[i];
        }
    }
    return out;
}

std::string Escape(const std::string& s) {
    std::string out;
    for (unsigned char c : s) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", c);
            out += buf;
        }
    }
    return out;
}

// UTF-8 text as Mac Roman bytes ('?' for a character without one).
std::string MacRoman(const std::string& utf8) {
    std::string out;
    for (size_t i = 0; i < utf8.size();) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        u32 cp = c;
        size_t n = 1;
        if (c >= 0xF0) cp = c & 0x07, n = 4;
        else if (c >= 0xE0) cp = c & 0x0F, n = 3;
        else if (c >= 0xC0) cp = c & 0x1F, n = 2;
        for (size_t k = 1; k < n && i + k < utf8.size(); ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        i += n;
        if (cp < 0x80) {
            out += static_cast<char>(cp);
            continue;
        }
        char b = '?';
        for (u32 k = 0; k < 128; ++k)
            if (mac_roman_literal::kMacRomanCodePoints[k] == cp) b = static_cast<char>(0x80 + k);
        out += b;
    }
    for (char& ch : out) {
        if (static_cast<unsigned char>(ch) == 0xD5) ch = '\'';
    }
    return out;
}

// Slot of a verb tag's low byte: the merged codes of the -er and -ir rows
// stand for their first slot.
int SlotOfCode(unsigned low) {
    static const int kMerged[13] = {6, 9, 10, 11, 3, 15, 16, 7, 30, 8, 11, 15, 16};
    if (low <= 50) return static_cast<int>(low);
    if (low <= 63) return kMerged[low - 51];
    return -1;
}

struct VerbForms {
    std::map<int, std::set<std::string>> bySlot;
    std::set<std::string> merged;  // forms read through a merged code: any slot will do
    std::set<std::string> all;
};

// Infinitive (Mac Roman) -> encoded forms, and every encoded verb form. A
// form belongs to the infinitive (slot-0 form) of its lemma reference; the
// forms of a second-stem item, whose reference no infinitive shares, to the
// lemma their manifest line names.
struct EncodedVerbs {
    std::map<std::string, VerbForms> verbs;
    std::set<std::string> allForms;
    std::set<std::string> allWords;  // every encoded word, any reading
};

EncodedVerbs ReadEncodedVerbs() {
    std::ifstream in(KRZ_FRENCH_MANIFEST, std::ios::binary);
    struct Form {
        std::string text;
        int slot;
        bool merged;
        unsigned long ref;
        std::string lemma;  // known when the analysis is the line's first
    };
    std::vector<Form> forms;
    std::map<unsigned long, std::string> lemmaOfRef;
    std::map<std::string, std::string> infinitiveOf;  // lemma (UTF-8) -> form
    std::map<unsigned long, std::string> infinitiveOfRef;
    EncodedVerbs out;
    std::string line;
    while (std::getline(in, line)) {
        std::vector<std::string> f;
        std::stringstream ss(line);
        std::string field;
        while (std::getline(ss, field, '\t')) f.push_back(field);
        if (f.size() < 4 || f[1] != "0") continue;
        std::string word = Unescape(f[0]);
        // Hyphens and apostrophes as the engine shows them.
        for (char& c : word) {
            if (static_cast<unsigned char>(c) == 0x9B) c = '-';
            if (static_cast<unsigned char>(c) == 0x93) c = '\'';
        }
        std::stringstream as(f[2]);
        std::string one;
        bool first = true;
        while (std::getline(as, one, ',')) {
            unsigned tag = 0, byte = 0;
            unsigned long ref = 0;
            if (std::sscanf(one.c_str(), "%x:%u:%lu", &tag, &byte, &ref) != 3) continue;
            out.allWords.insert(word);
            const bool isFirst = first;
            first = false;
            if (isFirst && ref != 0) lemmaOfRef.emplace(ref, f[3]);
            if ((tag >> 8) < 0x80) continue;
            const int slot = SlotOfCode(tag & 0xFF);
            if (slot < 0) continue;
            out.allForms.insert(word);
            forms.push_back({word, slot, (tag & 0xFF) > 50, ref, isFirst ? f[3] : std::string()});
            if (slot == 0) {
                infinitiveOfRef.emplace(ref, word);
                if (word == MacRoman(f[3])) infinitiveOf.emplace(f[3], word);
            }
        }
    }
    for (const Form& f : forms) {
        std::string infinitive;
        auto byRef = infinitiveOfRef.find(f.ref);
        if (byRef != infinitiveOfRef.end()) {
            infinitive = byRef->second;
        } else {
            std::string lemma = f.lemma;
            if (lemma.empty()) {
                auto r = lemmaOfRef.find(f.ref);
                if (r == lemmaOfRef.end()) continue;
                lemma = r->second;
            }
            auto it = infinitiveOf.find(lemma);
            if (it == infinitiveOf.end()) continue;
            infinitive = it->second;
        }
        VerbForms& v = out.verbs[infinitive];
        if (f.merged)
            v.merged.insert(f.text);
        else
            v.bySlot[f.slot].insert(f.text);
        v.all.insert(f.text);
    }
    return out;
}

// Slots of conjugation tense t (operation 20 + t).
std::pair<int, int> SlotsOfTense(int t) {
    switch (t) {
        case 0: return {1, 2};
        case 1: return {2, 6};
        case 9: return {48, 51};
        default: return {6 * (t - 1), 6 * t};
    }
}

std::vector<std::string> Alternatives(const std::string& entry) {
    std::vector<std::string> out;
    size_t start = 0;
    while (true) {
        const size_t at = entry.find(" ou ", start);
        out.push_back(entry.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos) break;
        start = at + 4;
    }
    return out;
}

bool IsFixedSetVerb(const std::string& infinitive) {
    static const char* const kVerbs[] = {"apparoir", "chaloir", MR("gésir"), MR("ouïr"), "sourdre",
                                         "forclore", "forfaire", "occire", "rassir", "reclure"};
    for (const char* v : kVerbs)
        if (infinitive.compare(0, std::strlen(v), v) == 0) return true;
    return false;
}

TEST_F(InflectTest, EveryVerbInEveryTense) {
    InitByteMatrix(results, 8, 72);
    const EncodedVerbs encodedVerbs = ReadEncodedVerbs();
    const std::map<std::string, VerbForms>& verbs = encodedVerbs.verbs;
    ASSERT_FALSE(verbs.empty()) << "no verb in " << KRZ_FRENCH_MANIFEST;
    std::vector<std::string> mismatches;
    std::vector<std::string> refused;
    u32 conjugations = 0;
    const auto begin = std::chrono::steady_clock::now();
    for (const auto& [infinitive, encoded] : verbs) {
        if (infinitive.size() > 35) continue;
        std::map<int, std::set<std::string>> shown;
        for (int t = 0; t <= 9; ++t) {
            const Inflected r = Run(0x314 + t, infinitive);
            ++conjugations;
            if (r.code == kInflectRefused) {  // the one-form lookup does not know the infinitive
                refused.push_back(Escape(infinitive));
                mismatches.push_back(Escape(infinitive) + ": refused by the lookup");
                break;
            }
            const auto [first, end] = SlotsOfTense(t);
            if (r.code == 0x901F || r.code == 0xC01F) break;  // a verb given by its infinitive only
            if (t == 1 && r.count == 1) {  // an invariable participle: one form
                for (std::string a : Alternatives(r.forms[0])) shown[2].insert(a.substr(0, a.find(" (")));
                continue;
            }
            if (r.count != end - first) {
                mismatches.push_back(Escape(infinitive) + " tense " + std::to_string(t) + ": code " +
                                         std::to_string(r.code) + ", " + std::to_string(r.count) + " forms");
                continue;
            }
            for (int k = first; k < end; ++k)
                for (std::string a : Alternatives(r.forms[static_cast<size_t>(k - first)])) {
                    const size_t note = a.find(" (");
                    if (note != std::string::npos) a.resize(note);
                    if (!a.empty()) shown[k].insert(a);
                }
        }
        if (!refused.empty() && refused.back() == Escape(infinitive)) continue;
        std::set<std::string> anySlot;
        for (const auto& [slot, texts] : shown) anySlot.insert(texts.begin(), texts.end());
        // The verbs with a fixed set of forms show that set.
        const bool fixedSet = IsFixedSetVerb(infinitive);
        for (const auto& [slot, texts] : encoded.bySlot) {
            if (slot == 0 || fixedSet) continue;
            for (const std::string& text : texts)
                if (shown[slot].count(text) == 0)
                    mismatches.push_back(Escape(infinitive) + " slot " + std::to_string(slot) + ": " +
                                         Escape(text) + " not shown");
        }
        for (const std::string& text : encoded.merged)
            if (!fixedSet && anySlot.count(text) == 0)
                mismatches.push_back(Escape(infinitive) + ": " + Escape(text) + " not shown");
        // Alternatives may be forms of another reading (fichu, gisant).
        for (const auto& [slot, texts] : shown)
            for (const std::string& text : texts)
                if (text.size() > 1 && encodedVerbs.allForms.count(text) == 0 &&
                    encodedVerbs.allWords.count(text) == 0)
                    mismatches.push_back(Escape(infinitive) + " slot " + std::to_string(slot) + ": " +
                                         Escape(text) + " not encoded");
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    std::printf("verbs %zu, conjugations %u (%.0f per second), mismatches %zu\n", verbs.size() - refused.size(),
                conjugations, conjugations / (seconds > 0 ? seconds : 1), mismatches.size());
    const bool all = std::getenv("KRZ_ALL_MISMATCHES") != nullptr;
    for (size_t i = 0; i < mismatches.size() && (all || i < 30); ++i) std::printf("  %s\n", mismatches[i].c_str());
    // Infinitives that the one-form lookup refuses under the conjugation
    // mode (code 9) count among the mismatches; they are also listed apart.
    std::printf("infinitives refused by the lookup: %zu\n", refused.size());
    for (size_t i = 0; i < refused.size() && (all || i < 10); ++i) std::printf("  %s\n", refused[i].c_str());
    EXPECT_TRUE(mismatches.empty());
}

}  // namespace
