// Suggestion mode of the word-form analysis.
#include "morphology/suggestion_mode.h"

#include "frame/bounded_string.h"
#include "frame/records.h"
#include "frame/settings.h"
#include "frame/tagged_words.h"
#include "morphology/correction_finishing.h"
#include "morphology/reserved_sections.h"
#include "morphology/section_memo.h"
#include "morphology/section_walk.h"
#include "morphology/spelling_variants.h"
#include "morphology/suggestion_checks.h"
#include "morphology/verb_candidates.h"
#include "morphology/word_lookup.h"
#include "morphology/word_marks.h"

namespace {

constexpr u8 kEAcuteByte = 0x8E;

struct Suggesting {
    u16 mode;
    u8 op;
    bool french;
    BoundedString& word;
    u16& count;
    StringList& list;
    Work36 saved;

    void Restore() { TextSet(word, saved.s); }
    bool Add(const BoundedString& w) { return AddSuggestion(w, 0, count, list); }
};

// Forms of the homophone group of the same word met in the sentence.
void SentenceForms(Suggesting& s) {
    if (!s.french || gWordCount == 0) return;
    i32 index = -1;
    for (i32 i = 0; i < gWordCount && index < 0; ++i)
        if (CompareStrings(gWords[i].WordText, s.word) == kCompareEqual) index = i;
    if (index < 0) return;
    u16 store[kMaxFormCodes] = {};
    BoundedArray<u16> codes;
    codes.View(store, kMaxFormCodes);
    const u16 k = FindWordFormCodes(0, static_cast<i16>(index), codes);
    const StringList& tagged = TaggedWordsFor(gCheckingLanguage);
    const bool plural = TextEndsWith(s.word, "s");
    for (u16 i = 0; i < k; ++i) {
        const BoundedString& entry = tagged[store[i]];
        Work36 form;
        CopyTaggedWord(entry, form.s);
        s.Add(form.s);
        if (plural && !TextEndsWith(form.s, "s") && IsTaggedVerbEntry(entry) == 0 && AppendText(form.s, "s") &&
            IsKnownForm(s.mode, form.s))
            s.Add(form.s);
    }
}

// English lookup results 3 and 4: a missing final period, a final capital.
void AddLookedUp(Suggesting& s, i16 result) {
    Work36 w;
    w.Set(s.word);
    if (!s.french && result == 3) AppendText(w.s, ".");
    if (!s.french && result == 4) {
        u8& last = w.bytes[w.Length() - 1];
        if (last >= 'a' && last <= 'z') last = static_cast<u8>(last - 32);
    }
    s.Add(w.s);
}

// Words typed with capitals or punctuation. True when the call is over.
bool MarkedWord(Suggesting& s) {
    MarkWord(s.word);
    s.saved.Set(s.word);
    const bool finishFirst = s.op == 7;
    i32 apostrophe = -1;
    for (i32 i = 0; i < GetStringLength(s.word) && apostrophe < 0; ++i)
        if (s.word.data[i] == kMarkApostrophe) apostrophe = i;
    if (apostrophe >= 0) {
        if (IsKnownForm(s.mode, s.word) && (s.Add(s.word), finishFirst)) return true;
        if (!s.french) {
            Work36 w;
            w.Set(s.word);
            if (w.At(apostrophe + 1) == 'n') {
                w.bytes[apostrophe] = 'n';
                w.bytes[apostrophe + 1] = kMarkApostrophe;
                if (IsKnownForm(s.mode, w.s) && (s.Add(w.s), finishFirst)) return true;
            }
            w.Set(s.word.data, apostrophe);
            if (IsKnownForm(s.mode, w.s) && (s.Add(w.s), finishFirst)) return true;
        }
    }
    if (TextAt(s.word, 0) == kMarkHyphen) {
        while (TextAt(s.word, 0) == kMarkHyphen) {
            Work36 rest;
            rest.Set(s.word.data + 1, GetStringLength(s.word) - 1);
            TextSet(s.word, rest.s);
        }
        if (GetStringLength(s.word) == 0) return true;  // nothing but hyphens
        s.saved.Set(s.word);
    }
    if (TextContains(s.word, kMarkHyphen) && IsKnownForm(s.mode, s.word) && (s.Add(s.word), finishFirst)) return true;
    if (gCaseMode > 0 && gCaseMode != 0xFFFF) {
        const i16 r = LookupCandidate(s.mode, s.word);
        if (r > 0) AddLookedUp(s, r);
        s.Restore();
    }
    TrySpellingVariants(s.mode, s.word, s.count, s.list);
    s.Restore();
    const u8 first = TextAt(s.word, 0);
    if (first >= 'A' && first <= 'Z') {
        if (gCaseMode > 0) RestoreAccentedLowercase(s.word);
        const i16 r = LookupCandidate(s.mode, s.word);
        if (r > 0) AddLookedUp(s, r);
        s.Restore();
    }
    return false;
}

void PlainWord(Suggesting& s) {
    const i16 r = LookupCandidate(s.mode, s.word);
    if (r >= 1 && r <= 7) {
        s.Add(s.word);
        const u16 firstTag = gWordTagCodes[0];
        u16 store[20] = {};
        BoundedArray<u16> tags;
        tags.View(store, 20);
        u16 n = 0;
        const bool any = LookupFrenchReserved(kModeFrenchPlain, kSectionCapital, s.word, tags, n);
        if (any && n > 0 && store[0] != firstTag) {
            Work36 w;
            w.Set(s.word);
            u8& c = w.bytes[0];
            c = c == kEAcuteByte ? 'E' : static_cast<u8>(c - 32);
            s.Add(w.s);
        }
    }
    s.Restore();
    TrySpellingVariants(s.mode, s.word, s.count, s.list);
    s.Restore();
}

// Empty entries out (with their marks), the marks of the text back to
// letters, the capitals of the typed word put back.
void Finish(Suggesting& s) {
    s.Restore();
    UnmarkWord(s.word);
    u16 kept = 0;
    for (u16 i = 0; i < s.count && i < s.list.count; ++i) {
        if (GetStringLength(s.list[i]) == 0) continue;
        if (kept != i) {
            TextSet(s.list[kept], s.list[i]);
            gSuggestionFlags[kept] = gSuggestionFlags[i];
        }
        ++kept;
    }
    s.count = kept;
    for (u16 i = 0; i < s.count; ++i) {
        BoundedString& e = s.list[i];
        const i32 n = GetStringLength(e);
        for (i32 k = 0; k < n; ++k) {
            if (e.data[k] == kMarkHyphen) e.data[k] = '-';
            else if (e.data[k] == kMarkAGrave) e.data[k] = kAGraveByte;
            else if (e.data[k] == kMarkApostrophe) e.data[k] = '\'';
        }
        if (gCaseMode > 0) ApplyCapitalization(e);
    }
}

}  // namespace

i16 CollectWordSuggestions(u16 mode, BoundedString& word, u16& count, StringList& slots,
                           bool capitalsOrPunctuation) {
    const SectionMemoPause pause;  // the candidates are looked up once each
    Suggesting s{mode, static_cast<u8>(mode & 0xFF), gCheckingLanguage != 0, word, count, slots, {}};
    TextCut(word, static_cast<i32>(kWordMaxLength));
    s.saved.Set(word);
    Work36 original;
    original.Set(word);
    count = 0;
    SentenceForms(s);
    if (capitalsOrPunctuation) {
        MarkedWord(s);
    } else {
        PlainWord(s);
    }
    Finish(s);
    TextSet(word, original.s);
    return 0;
}
