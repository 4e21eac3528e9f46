// Dictionary tests and quote-tolerant comparison.
#include "morphology/dictionary_tests.h"

#include <cstring>

#include "frame/bounded_string.h"
#include "frame/loader.h"
#include "frame/report.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "lexicon/lex_store.h"
#include "morphology/answer_context.h"
#include "morphology/word_analysis.h"
#include "morphology/word_lookup.h"

DictionaryWordHook gDictionaryWordTestHook = nullptr;

namespace {

// Sixteen work strings of the analysis, allocated on first use.
StringList& AnalysisWorkStrings() {
    static StringList strings;
    if (strings.valid == 0) InitByteMatrix(strings, 16, 36);
    return strings;
}

u16 IsLanguageDictionaryWord(BoundedString& word, u16 language, u16 mode) {
    if (gDictionaryWordTestHook != nullptr) return gDictionaryWordTestHook(word, language);
    const u16 saved = gCheckingLanguage;
    if (saved != language) SelectLanguageTables(language);
    gCaseMode = 65535;
    u16 count = 0;
    AnalyseWordForms(mode, word, count, AnalysisWorkStrings());
    if (saved != language) SelectLanguageTables(saved);
    return count > 0 ? 1 : 0;
}

bool IsBlank(u8 c) { return c == ' ' || c == 0xCA; }

// Byte-by-byte comparison of equal-length texts; 0xCA in the text matches
// a blank of the candidate.
u16 SameText(const u8* text, const u8* candidate, i32 n) {
    for (i32 k = 0; k < n; ++k) {
        if (text[k] == candidate[k]) continue;
        if (text[k] == 0xCA && IsBlank(candidate[k])) continue;
        return 0;
    }
    return 1;
}

// Removes the first byte of the text in place.
void DropFirst(BoundedString& text, i32 length) {
    std::memmove(text.data, text.data + 1, static_cast<size_t>(length - 1));
    text.data[length - 1] = 0;
}

}  // namespace

u16 IsEnglishDictionaryWord(BoundedString& word) { return IsLanguageDictionaryWord(word, 0, 0); }

u16 IsFrenchDictionaryWord(BoundedString& word) { return IsLanguageDictionaryWord(word, 3, 800); }

u16 IsDictionaryWord(BoundedString& word) {
    if (gCheckingLanguage == 3) return IsFrenchDictionaryWord(word);
    if (gCheckingLanguage == 0) return IsEnglishDictionaryWord(word);
    return 0;
}

// ---- Memo of answers ------------------------------------------------------------

namespace {

// Everything an answer depends on besides the word.
struct MemoContext {
    AnswerContext tables;
    u16 variantIndex = 0;
    bool operator==(const MemoContext&) const = default;
};

MemoContext CurrentMemoContext() { return {CurrentAnswerContext(), gVariantIndex}; }

constexpr u32 kMemoSlots = 4096;   // a power of two
constexpr u32 kMemoWordBytes = 39;  // longer words are not remembered

struct MemoSlot {
    u32 stamp = 0;  // 0: empty; else the memo's stamp when it was filled
    u8 length = 0;
    u8 answer = 0;
    u8 bytes[kMemoWordBytes] = {};
};

// All zero at start (the memo lies in .bss): stamp 0 is no stamp, and the
// first question sets the context and takes stamp 1. A word takes the place
// of its hash; a place names its slot (0: none yet). Slots are handed out in
// order as places are first filled, so that the pages a process touches
// grow with the words it keeps; slot 0 is never handed out, so one place
// may go without a slot.
struct WordMemo {
    MemoContext context{.tables{.language = 0}};
    u32 stamp = 0;
    u32 slotsGiven = 0;  // slots 1 to slotsGiven are taken
    u16 places[kMemoSlots] = {};
    MemoSlot slots[kMemoSlots];
};

WordMemo& Memo() {
    static WordMemo memo;
    return memo;
}

// Empties the memo when what its answers depend on changed.
void FollowContext(WordMemo& m) {
    const MemoContext now = CurrentMemoContext();
    if (m.stamp != 0 && now == m.context) return;
    m.context = now;
    if (++m.stamp == 0) {
        for (MemoSlot& slot : m.slots) slot.stamp = 0;
        m.stamp = 1;
    }
}

u32 HashWord(const u8* bytes, u32 n) {
    u32 h = 2166136261u;
    for (u32 i = 0; i < n; ++i) h = (h ^ bytes[i]) * 16777619u;
    return h;
}

}  // namespace

u16 IsDictionaryWordRemembered(BoundedString& word) {
    if (gDictionaryWordTestHook != nullptr) return IsDictionaryWord(word);
    const i32 length = GetStringLength(word);
    if (length <= 0 || length > static_cast<i32>(kMemoWordBytes)) return IsDictionaryWord(word);
    WordMemo& m = Memo();
    FollowContext(m);
    const u32 n = static_cast<u32>(length);
    u16& place = m.places[HashWord(word.data, n) & (kMemoSlots - 1)];
    if (place != 0) {
        const MemoSlot& slot = m.slots[place];
        if (slot.stamp == m.stamp && slot.length == n && std::memcmp(slot.bytes, word.data, n) == 0)
            return slot.answer;
    }
    u8 bytes[kMemoWordBytes];
    std::memcpy(bytes, word.data, n);
    const u16 answer = IsDictionaryWord(word);
    // The analysis may have changed what the answer depends on (a language
    // switch inside it is undone, but options are not its to change):
    // remember only an answer given under the context it was asked in.
    if (place == 0 && m.slotsGiven < kMemoSlots - 1) place = static_cast<u16>(++m.slotsGiven);
    if (place != 0 && CurrentMemoContext() == m.context) {
        MemoSlot& slot = m.slots[place];
        slot.stamp = m.stamp;
        slot.length = static_cast<u8>(n);
        slot.answer = static_cast<u8>(answer);
        std::memcpy(slot.bytes, bytes, n);
    }
    return answer;
}

u16 CompareWordWithCandidate(BoundedString& text, const BoundedString& candidate, u16& quoteFlags) {
    quoteFlags = 0;
    if (text.valid == 0 || text.count == 0) return 0;
    const i32 want = GetStringLength(candidate);
    i32 length = GetStringLength(text);
    if (length == want) return SameText(text.data, candidate.data, length);

    if (length > 0 && text.data[0] == '\'') {
        DropFirst(text, length--);
        quoteFlags = 1;
    } else if (length > 0 && text.data[0] == '"') {
        DropFirst(text, length--);
        quoteFlags = 5;
    }
    if (quoteFlags != 0 && length == want) return SameText(text.data, candidate.data, length);

    if (length > 0 && text.data[length - 1] == '\'') {
        quoteFlags = quoteFlags == 5 ? 7 : quoteFlags == 1 ? 3 : 2;
    } else if (length > 0 && text.data[length - 1] == '"') {
        quoteFlags = quoteFlags == 1 ? 3 : quoteFlags == 5 ? 7 : 6;
    } else {
        return 0;
    }
    text.data[--length] = 0;
    return length == want ? SameText(text.data, candidate.data, length) : 0;
}
