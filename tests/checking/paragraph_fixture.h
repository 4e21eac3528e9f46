// Shared set-up of the paragraph road tests: a scripted dispatcher in place
// of the rules, a small dictionary in place of the main one, and helpers
// that cut a text into the sentences the word table receives.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "checking/dispatcher.h"
#include "checking/recorders.h"
#include "checking/tokenizer.h"
#include "frame/bounded_string.h"
#include "frame/mac_roman.h"
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/report.h"
#include "frame/sentence_state.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "krzlib.h"
#include "morphology/dictionary_tests.h"

namespace paragraph_fixture {

// One scripted finding: reported at word `pos` of every sentence long
// enough to hold it, in the resume order of the real dispatcher.
struct Finding {
    RuleCode code;
    i16 pos;
    u8 variant = 0;
    u16 detail = 0;
    u16 extent = kNoCorrection;
};

inline std::vector<Finding> gScript;
// gSentenceMeasure set by the scripted rules; -1: the word count.
inline i32 gScriptMeasure = -1;
inline u32 gDispatchCalls = 0;

inline RuleCode ScriptedDispatcher(u16 /*mode*/) {
    ++gDispatchCalls;
    gSentenceMeasure = static_cast<i16>(gScriptMeasure < 0 ? gWordCount : gScriptMeasure);
    for (const Finding& f : gScript) {
        if (f.pos >= static_cast<i32>(gWordCount)) continue;
        const bool beyond = f.code > gLastRule || (f.code == gLastRule && f.pos > gLastErrorPos);
        if (!beyond) continue;
        gLastRule = f.code;
        gLastErrorPos = f.pos;
        gErrorVariant = f.variant;
        gErrorDetail = f.detail;
        gErrorExtent = f.extent;
        return f.code;
    }
    return 0;
}

inline void SetScript(std::vector<Finding> script) {
    std::sort(script.begin(), script.end(), [](const Finding& a, const Finding& b) {
        return a.code != b.code ? a.code < b.code : a.pos < b.pos;
    });
    gScript = std::move(script);
}

// Words the dictionary knows (Mac Roman, lower case as looked up).
inline std::set<std::string> gKnownWords;

inline u16 KnownWord(const BoundedString& word, u16 /*language*/) {
    const std::string w(reinterpret_cast<const char*>(word.data),
                        static_cast<size_t>(GetStringLength(word)));
    return gKnownWords.count(w) != 0 ? 1 : 0;
}

class ParagraphTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedLanguage_ = gCheckingLanguage;
        savedInterface_ = gInterfaceLanguage;
        gCheckingLanguage = 3;
        SetDefaultSpaces();
        SetDefaultPunctSigns();
        std::memset(gSpecialChars.data, 0, gSpecialChars.count);
        gScript.clear();
        gScriptMeasure = -1;
        gDispatchCalls = 0;
        gKnownWords = {"le", "la", "il", "un", "en", "je", "me", "i", "a", "etc.", "mr."};
        gDispatcherTestHook = ScriptedDispatcher;
        gDictionaryWordTestHook = KnownWord;
        gLongSentenceThreshold = 50;
        gMacRomanMode = 0;
        std::memset(table_, 0, sizeof table_);
        ResetSentenceState();
    }
    void TearDown() override {
        KRZClearParagraphTab(table_, KRZ_MAX_PARAGRAPH_ERRORS);
        gDispatcherTestHook = nullptr;
        gDictionaryWordTestHook = nullptr;
        gCheckingLanguage = savedLanguage_;
        gInterfaceLanguage = savedInterface_;
        ResetSentenceState();
    }

    u32 Grammar(const char* text, i32 start = 0, i32 end = 100000, u32 mask = KRZ_CATEGORY_ALL) {
        return KRZTestGrammarParagraph(text, start, end, table_, mask, 1, 1, 0, 0);
    }

    std::string Suggestion(u32 record, u32 slot) const {
        return std::string(table_[record].suggestions[slot]);
    }

    ParagraphErrorRecord table_[KRZ_MAX_PARAGRAPH_ERRORS + 2];
    u16 savedLanguage_ = 0;
    u16 savedInterface_ = 0;
};

inline BoundedString ViewOf(const char* text) {
    BoundedString s;
    s.View(reinterpret_cast<u8*>(const_cast<char*>(text)), static_cast<u32>(std::strlen(text)) + 1);
    return s;
}

inline std::string WordTextOf(u16 i) {
    return std::string(reinterpret_cast<const char*>(gWords[i].WordText.data),
                       static_cast<size_t>(GetStringLength(gWords[i].WordText)));
}

// The sentences of a text as the word table receives them: words joined
// by '|', sentences by " / ". The word table keeps the last sentence.
inline std::string Sentences(const char* text) {
    BoundedString s = ViewOf(text);
    u16 stateCount = 0;
    const AutomatonState* automaton = TokenAutomatonFor(gCheckingLanguage, stateCount);
    BoundedString token;
    token.Allocate(kTokenCapacity);
    std::string out;
    auto flush = [&]() {
        if (!out.empty()) out += " / ";
        for (u16 i = 0; i < gWordCount; ++i) out += (i ? "|" : "") + WordTextOf(i);
    };
    ResetSentenceState();
    i32 pos = 0, first = 0, last = 0;
    while (RunCharAutomatonOnString(automaton, stateCount, s, pos, first, last) != 0) {
        i32 n = std::min<i32>(last - first + 1, kMaxTokenLength);
        std::memcpy(token.data, text + first, static_cast<size_t>(n));
        token.data[n] = 0;
        if (AppendSentenceToken(token, static_cast<u32>(first), 0) == kTokenStartsSentence) {
            flush();
            ResetSentenceState();
            continue;  // the token is read again
        }
        pos = last + 1;
    }
    flush();
    return out;
}

}  // namespace paragraph_fixture
