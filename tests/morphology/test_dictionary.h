// A small French main dictionary built inside a test: sections of entry
// lists, the prefix index, the 52 x 52 matrix, model rows and ending lists,
// in the block layouts the loader converts. Install() puts them in place of
// the French tables and selects French; the words are synthetic.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "frame/loader.h"
#include "frame/records.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "krzlib.h"
#include "morphology/dict_format.h"

using Bytes = std::vector<u8>;

class TestDictionary {
public:
    // One entry list of a section: the key's third and fourth bytes name it.
    void Add(int section, const std::string& key4, const Bytes& bytes) {
        auto& lists = sections_[section];
        for (List& l : lists) {
            if (l.third == static_cast<u8>(key4[2]) && l.fourth == static_cast<u8>(key4[3])) {
                l.bytes.insert(l.bytes.end(), bytes.begin(), bytes.end());
                return;
            }
        }
        lists.push_back({static_cast<u8>(key4[2]), static_cast<u8>(key4[3]), bytes});
        if (section + 1 > sectionCount_) sectionCount_ = section + 1;
    }
    // Matrix entry of a two-letter section (French letter codes).
    void Pair(u8 first, u8 second, int section) {
        pairs_[{first, second}] = section;
        if (section + 1 > sectionCount_) sectionCount_ = section + 1;
    }
    // Slot endings of a model; every other slot has no form ("0").
    void Model(int model, const std::map<int, std::string>& endings) { models_[model] = endings; }
    void SetSectionCount(int n) { sectionCount_ = n; }

    // Absolute body offset of byte `at` of the list (section, key4) once built.
    u32 Offset(int section, const std::string& key4, u32 at) const {
        return listOffsets_.at({section, key4.substr(2, 2)}) + at;
    }

    void Build() {
        body_.assign(6, 0);  // dummy record 0
        index_.assign(2 + 10 * sectionCount_, 0);
        index_[0] = static_cast<u8>(sectionCount_ >> 8);
        index_[1] = static_cast<u8>(sectionCount_);
        Record(0, 0, 6);
        for (int s = 1; s < sectionCount_; ++s) {
            const u32 start = static_cast<u32>(body_.size());
            auto it = sections_.find(s);
            if (it != sections_.end()) WriteSection(s, it->second, start);
            Record(s, start, static_cast<u32>(body_.size()) - start);
        }
        body_.insert(body_.end(), 8, 0);
        matrix_.assign(52 * 104, 0);
        for (const auto& [pair, section] : pairs_) {
            const u32 r = gLetterCodesSource[pair.first] - 1;
            const u32 c = gLetterCodesSource[pair.second] - 1;
            matrix_[r * 104 + 2 * c] = static_cast<u8>(section >> 8);
            matrix_[r * 104 + 2 * c + 1] = static_cast<u8>(section);
        }
        BuildModels();
    }

    void Install() {
        Build();
        Apply();
    }
    // Puts the built blocks in place (after a test has altered them).
    void Apply() {
        ConvertSectionMatrix(gFrenchPrefixSectionMatrix, matrix_.data(), static_cast<u32>(matrix_.size()));
        gFrenchDictSectionCount =
            ConvertPrefixIndex(gFrenchDictPrefixIndex, index_.data(), static_cast<u32>(index_.size()));
        ConvertFrenchModels(gEndingRows, models156_.data(), static_cast<u32>(models156_.size()));
        gFrenchDictBody.View(body_.data(), static_cast<u32>(body_.size()));
        BoundedString* lists[10] = {&gFrenchEndings1, &gFrenchEndings2, &gFrenchEndings3,
                                    &gFrenchEndings4, &gFrenchEndings5, &gFrenchEndings6,
                                    &gFrenchEndings7, &gFrenchEndings8, &gFrenchEndings9,
                                    &gFrenchEndings10};
        for (int k = 0; k < 10; ++k)
            lists[k]->View(reinterpret_cast<u8*>(endings_[k].data()), static_cast<u32>(endings_[k].size()));
        SelectLanguageTables(3);
    }

    Bytes& body() { return body_; }
    Bytes& index() { return index_; }

private:
    struct List {
        u8 third;
        u8 fourth;
        Bytes bytes;
    };

    void Record(int s, u32 offset, u32 length) {
        u8* r = index_.data() + 2 + 10 * s;
        const auto& key = keyOf(s);
        r[0] = key[0];
        r[1] = key[1];
        for (int k = 0; k < 4; ++k) r[2 + k] = static_cast<u8>(offset >> (24 - 8 * k));
        r[6] = static_cast<u8>(length >> 8);
        r[7] = static_cast<u8>(length);
        r[8] = static_cast<u8>(s >> 8);
        r[9] = static_cast<u8>(s);
    }
    std::string keyOf(int s) const {
        static const char* const reserved[11] = {"aa", "11", "22", "33", "44", "55",
                                                 "66", "77", "88", "99", "::"};
        return s <= 10 ? reserved[s] : "zz";
    }

    // Third-letter index, fourth-letter index, lists.
    void WriteSection(int s, const std::vector<List>& lists, u32 start) {
        std::vector<u8> thirds;
        for (const List& l : lists)
            if (std::find(thirds.begin(), thirds.end(), l.third) == thirds.end()) thirds.push_back(l.third);
        const u32 n = 3 * static_cast<u32>(thirds.size());
        const u32 fourthEnd = n + 3 * static_cast<u32>(lists.size());
        Bytes sec(fourthEnd, 0);
        u32 f = n;
        u32 listAt = fourthEnd;
        Bytes data;
        for (std::size_t j = 0; j < thirds.size(); ++j) {
            sec[3 * j] = thirds[j];
            sec[3 * j + 1] = static_cast<u8>(f >> 8);
            sec[3 * j + 2] = static_cast<u8>(f);
            for (const List& l : lists) {
                if (l.third != thirds[j]) continue;
                sec[f] = l.fourth;
                sec[f + 1] = static_cast<u8>(listAt >> 8);
                sec[f + 2] = static_cast<u8>(listAt);
                listOffsets_[{s, std::string{static_cast<char>(l.third), static_cast<char>(l.fourth)}}] =
                    start + listAt;
                data.insert(data.end(), l.bytes.begin(), l.bytes.end());
                listAt += static_cast<u32>(l.bytes.size());
                f += 3;
            }
        }
        body_.insert(body_.end(), sec.begin(), sec.end());
        body_.insert(body_.end(), data.begin(), data.end());
    }

    u16 EndingIndex(const std::string& e) {
        std::string& list = endings_[e.size() - 1];
        for (std::size_t i = 0; i + e.size() <= list.size(); i += e.size())
            if (list.compare(i, e.size(), e) == 0) return static_cast<u16>(i / e.size());
        list += e;
        return static_cast<u16>(list.size() / e.size() - 1);
    }

    void BuildModels() {
        for (auto& l : endings_) l.clear();
        endings_[0] = "abc0defgh$";  // "0" no form at 3, "$" empty ending at 9
        int rows = 0;
        for (const auto& m : models_) rows = std::max(rows, m.first + 1);
        models156_.assign(156 * rows, 0);
        for (int r = 0; r < rows; ++r) {
            u8* row = models156_.data() + 156 * r;
            row[0] = static_cast<u8>(r);
            row[1] = '0';
            row[2] = '1';
            auto it = models_.find(r);
            for (int t = 0; t < 51; ++t) {
                std::string e = "0";
                if (it != models_.end() && it->second.count(t)) e = it->second.at(t);
                const u16 i = EndingIndex(e);
                row[3 + t] = static_cast<u8>(e.size());
                row[54 + 2 * t] = static_cast<u8>(i >> 8);
                row[55 + 2 * t] = static_cast<u8>(i);
            }
        }
    }

    std::map<int, std::vector<List>> sections_;
    std::map<std::pair<u8, u8>, int> pairs_;
    std::map<int, std::map<int, std::string>> models_;
    std::map<std::pair<int, std::string>, u32> listOffsets_;
    int sectionCount_ = 11;
    Bytes body_, index_, matrix_, models156_;
    std::string endings_[10];
};

// Starts the library on French, then replaces the French tables with the
// test's dictionary; ends the library afterwards (the next start reloads
// the built-in data).
class DictionaryTest : public ::testing::Test {
protected:
    void SetUp() override {
        while (gInitCount != 0) KRZEnd();
        KRZInit(3, 0);
        ClearDictFaults();
    }
    void TearDown() override {
        // A fresh start points the tables back at the built-in blocks, so
        // that nothing keeps a view on this test's dictionary.
        while (gInitCount != 0) KRZEnd();
        KRZInit(3, 0);
        KRZEnd();
        ClearDictFaults();
    }
    // A key or word string of 36 bytes.
    static BoundedString Word(const std::string& text) {
        BoundedString s;
        s.Allocate(36);
        std::memcpy(s.data, text.data(), std::min<std::size_t>(text.size(), 35));
        return s;
    }
    TestDictionary dict;
};
