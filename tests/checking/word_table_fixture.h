// Fills the sentence word table from a compact notation, so that the
// dispatcher and its rules can be tested without the dictionary.
//
//   "Il/U vient/#128.24 le/d.0.0.0+V le/d ?"
//
// Words are separated by blanks. A word is its text (UTF-8, converted to
// Mac Roman), optionally followed by '/' and its readings joined by '+'.
// A reading is class[.features[.category[.mark[.lemma]]]]; the class is one
// character or '#' and a number. Without readings, a one-character token
// that is not a letter or digit gets the tokenizer's punctuation reading
// (category 20, or 21 for ','), any other word one reading of class 'A'.
// Offsets run from 0 with one blank between words. A word may end in
// fields that set its record: ~N WordCaseMode, ~nN ReadingCount (readings
// listed past it stay in their slots), ~qN QuoteFlags:
//
//   "le/|.0.2.0.5+|.4.2.0.6+d.20.7.0.9~n2 LE/d~3"
//
// Format() writes a reading back in the same notation.
#pragma once
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "checking/tokenizer.h"
#include "frame/bounded_string.h"
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/report.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "rules/clause/clause_rules.h"
#include "rules/rule_words.h"

namespace word_table {

// The text of a string up to its terminator.
inline std::string Text(const BoundedString& s) {
    return std::string(reinterpret_cast<const char*>(s.data), static_cast<size_t>(GetStringLength(s)));
}

// UTF-8 to Mac Roman at run time ('?' for a character without a byte).
inline std::string ToMacRoman(const std::string& utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const u8 c = static_cast<u8>(utf8[i]);
        u32 cp = c;
        std::size_t n = 1;
        if (c >= 0xF0) { cp = c & 0x07; n = 4; }
        else if (c >= 0xE0) { cp = c & 0x0F; n = 3; }
        else if (c >= 0xC0) { cp = c & 0x1F; n = 2; }
        for (std::size_t k = 1; k < n && i + k < utf8.size(); ++k) cp = (cp << 6) | (utf8[i + k] & 0x3F);
        i += n;
        if (cp < 0x80) {
            out += static_cast<char>(cp);
            continue;
        }
        char b = '?';
        for (u32 k = 0; k < 128; ++k) {
            if (mac_roman_literal::kMacRomanCodePoints[k] == cp) b = static_cast<char>(0x80 + k);
        }
        out += b;
    }
    return out;
}

inline void ClearWord(WordRecord& w) {
    w.ReadingCount = 0;
    for (u32 j = 0; j < kReadingSlots; ++j) {
        w.ReadingClasses[j] = 0;
        w.ReadingFeatures[j] = 0;
        w.ReadingCategories[j] = 0;
        w.ReadingMarks[j] = 0;
        w.ReadingLemmaRefs[j] = 0;
    }
    w.GroupMark = 0;
    w.FunctionCode = 0;
    w.LinkedWord = 65535;
    w.ClauseNumber = 0;
    w.WordCaseMode = 0;
    w.FirstLigaturePos = 65535;
    w.SecondLigaturePos = 65535;
    w.LigatureMode = 0;
    w.QuoteFlags = 0;
    w.CorrectionMark = 0;
    w.AmbiguityFlag = 0;
    CopyCString(w.BaseText, "");
    CopyCString(w.LexiconForm, "");
}

inline void ParseReading(WordRecord& w, const std::string& notation) {
    const u16 j = w.ReadingCount;
    std::size_t pos = 0;
    u8 cls = 0;
    if (!notation.empty() && notation[0] == '#') {
        char* end = nullptr;
        cls = static_cast<u8>(std::strtoul(notation.c_str() + 1, &end, 10));
        pos = static_cast<std::size_t>(end - notation.c_str());
    } else if (!notation.empty()) {
        cls = static_cast<u8>(notation[0]);
        pos = 1;
    }
    u32 fields[4] = {0, 0, 0, 0};
    for (u32& f : fields) {
        if (pos >= notation.size() || notation[pos] != '.') break;
        char* end = nullptr;
        f = static_cast<u32>(std::strtoul(notation.c_str() + pos + 1, &end, 10));
        pos = static_cast<std::size_t>(end - notation.c_str());
    }
    w.ReadingClasses[j] = cls;
    w.ReadingFeatures[j] = static_cast<u8>(fields[0]);
    w.ReadingCategories[j] = static_cast<u8>(fields[1]);
    w.ReadingMarks[j] = static_cast<u8>(fields[2]);
    w.ReadingLemmaRefs[j] = fields[3];
    w.ReadingCount = static_cast<u16>(j + 1);
}

// The ~N, ~nN and ~qN fields at the end of a word (see above).
inline void ParseWordFields(WordRecord& w, const std::string& fields) {
    for (std::size_t p = fields.find('~'); p != std::string::npos && p + 1 < fields.size(); p = fields.find('~', p + 1)) {
        const char key = fields[p + 1];
        const bool named = key == 'n' || key == 'q';
        const u16 v = static_cast<u16>(std::strtoul(fields.c_str() + p + (named ? 2 : 1), nullptr, 10));
        if (key == 'n') w.ReadingCount = v;
        else if (key == 'q') w.QuoteFlags = v;
        else w.WordCaseMode = v;
    }
}

// Reading r of a word in the notation above (the lemma when not 0).
inline std::string Format(const WordRecord& w, u32 r) {
    const u8 cls = w.ReadingClasses[r];
    std::string out;
    if (cls > 0x20 && cls < 0x7F && std::strchr("#.+/~", cls) == nullptr)
        out += static_cast<char>(cls);
    else
        out += "#" + std::to_string(cls);
    out += "." + std::to_string(w.ReadingFeatures[r]) + "." + std::to_string(w.ReadingCategories[r]);
    if (w.ReadingMarks[r] != 0 || w.ReadingLemmaRefs[r] != 0) out += "." + std::to_string(w.ReadingMarks[r]);
    if (w.ReadingLemmaRefs[r] != 0) out += "." + std::to_string(w.ReadingLemmaRefs[r]);
    return out;
}

inline bool IsWordChar(u8 c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c >= 0x80;
}

// Fills gWords / gWordCount from the notation.
inline void Build(const std::string& notation) {
    std::istringstream in(notation);
    std::string item;
    u32 offset = 0;
    gWordCount = 0;
    while (in >> item && gWordCount < kMaxSentenceWords) {
        const std::size_t tilde = item.find('~', 1);
        const std::string fields = tilde == std::string::npos ? std::string() : item.substr(tilde);
        item = item.substr(0, tilde);
        const std::size_t slash = item.find('/', 1);
        const std::string text = ToMacRoman(item.substr(0, slash));
        WordRecord& w = gWords[gWordCount];
        ClearWord(w);
        CopyCString(w.WordText, text.c_str());
        CopyCString(w.SeparatorText, text.c_str());
        w.StartOffset = offset;
        w.EndOffset = offset + static_cast<u32>(text.size()) - 1;
        w.OriginalIndex = w.SourceIndex = gWordCount;
        offset += static_cast<u32>(text.size()) + 1;
        if (slash != std::string::npos && slash + 1 < item.size()) {
            std::string rest = item.substr(slash + 1);
            std::size_t p = 0;
            while (p <= rest.size()) {
                const std::size_t plus = rest.find('+', p == 0 ? 0 : p + 1);
                ParseReading(w, rest.substr(p, plus == std::string::npos ? std::string::npos : plus - p));
                if (plus == std::string::npos) break;
                p = plus + 1;
            }
        } else if (text.size() == 1 && !IsWordChar(static_cast<u8>(text[0]))) {
            ParseReading(w, "#0");
            w.ReadingCategories[0] = text[0] == ',' ? 21 : 20;
        } else {
            ParseReading(w, "A");
        }
        ParseWordFields(w, fields);
        ++gWordCount;
    }
}

// Segment records as "kind:first-last g/n/p" joined by ", " (g/n/p may be
// left out: 0/0/0).
inline void Segments(const std::string& notation) {
    rules::ClearSegmentTable();
    std::istringstream in(notation);
    std::string item;
    i32 k = 0;
    while (std::getline(in, item, ',')) {
        int kind = 0, first = 0, last = 0, g = 0, n = 0, p = 0;
        const int read = std::sscanf(item.c_str(), " %d:%d-%d %d/%d/%d", &kind, &first, &last, &g, &n, &p);
        ASSERT_GE(read, 3) << item;
        SegmentRecord& r = gSegments[k++];
        r.SegmentKind = static_cast<u8>(kind);
        r.FirstWord = static_cast<u8>(first);
        r.LastWord = static_cast<u8>(last);
        r.Gender = static_cast<u8>(g);
        r.Number = static_cast<u8>(n);
        r.Person = static_cast<u8>(p);
    }
    gSegmentCount = static_cast<u16>(k);
}

// Words' texts joined by blanks.
inline std::string Texts() {
    std::string out;
    for (u16 i = 0; i < gWordCount; ++i) {
        if (i) out += ' ';
        out += reinterpret_cast<const char*>(gWords[i].WordText.data);
    }
    return out;
}

// Readings of word i as "cls.features.category.mark" joined by '+'.
inline std::string Readings(i32 i) {
    std::string out;
    const WordRecord& w = gWords[i];
    for (i32 r = 0; r < w.ReadingCount; ++r) {
        if (r) out += '+';
        out += std::to_string(w.ReadingClasses[r]) + "." + std::to_string(w.ReadingFeatures[r]) + "." +
               std::to_string(w.ReadingCategories[r]) + "." + std::to_string(w.ReadingMarks[r]);
    }
    return out;
}

struct Hit {
    RuleCode code;
    i32 pos;
    u8 variant;
    u16 detail;
    u16 extent;
    bool operator==(const Hit&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Hit& h) {
    return os << "{" << h.code << " @" << h.pos << " '" << (h.variant ? static_cast<char>(h.variant) : '-')
              << "' d" << h.detail << " x" << h.extent << "}";
}

// Starts a dispatch series on the table as built.
inline void StartSeries() {
    gLastRule = 0;
    gLastErrorPos = -1;
    gErrorVariant = 0;
    gErrorDetail = 0;
    gErrorKind = 0;
    gErrorExtent = kNoCorrection;
    gReadingPenalty = 0;
}

// Language and switches of a rule test; restored afterwards.
class WordTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedLanguage_ = gCheckingLanguage;
        savedWordPass_ = gFrenchWordPass;
        savedUniq_ = gActiveLangUniq;
        gFrenchWordPass = 1;
        gActiveLangUniq = 0;
        gAnalysisMode = 0;
        // The category pair table as the loader fills it.
        std::memcpy(gCategoryPairTable.data, gCategoryPairSource.data, 361);
        StartSeries();
    }
    void TearDown() override {
        gCheckingLanguage = savedLanguage_;
        gFrenchWordPass = savedWordPass_;
        gActiveLangUniq = savedUniq_;
        gWordCount = 0;
        gAnalysisMode = 0;
    }
    u16 savedLanguage_ = 0;
    u16 savedWordPass_ = 0;
    u16 savedUniq_ = 0;
};

}  // namespace word_table
